// How the program was started: by the Startup-folder shortcut ("/autorun") or otherwise,
// and whether the saved schedule then starts by itself.
#pragma once

#include <string>
#include <vector>

#include "app/core/settings.h"

namespace kq {

// The arguments after the program's own name (UTF-8): exactly one, "/autorun" in any case.
bool IsAutorunStart(const std::vector<std::string>& arguments);

// Started by the shortcut with a saved daily at-a-time schedule ("save" "1", "every" "1",
// "timetype" "0", everything read): the schedule starts at once, as "执行" would start it.
// Any other start only puts the saved values back into the window.
bool StartsSavedSchedule(bool autorun, const LoadedSettings& loaded);

}  // namespace kq
