// The event log "zelvolog.txt": section "SYSTEMLOG", one key per event, named by its local
// time "yyyy-mm-dd hh:mm:ss".
#pragma once

#include <string>
#include <string_view>

#include "app/core/ini_files.h"
#include "base/datetime.h"

namespace kq {

inline constexpr std::string_view kLogSection = "SYSTEMLOG";

// The key for an event at `now`. When an earlier event already holds that second's key,
// the later one gets "<stamp> #2", then "#3", ..., so no event replaces another.
std::string FreeLogKey(const IniFiles& files, DateTime now);

// Writes `text` under `key`; throws WriteError when the log cannot be written.
void WriteLogEvent(const IniFiles& files, std::string_view key, std::string_view text);

}  // namespace kq
