// The settings file "zelvosoft.ini": what "保存设置" writes, in which order, and how the
// values come back into the main window at start.
#pragma once

#include <string>
#include <vector>

#include "app/core/ini_files.h"

namespace kq {

// What the main window keeps of its entries. Texts are stored as they stand: unchecked and
// unpadded.
struct SettingsValues {
  bool every_day = false;   // CKB_EVERYDAy
  bool at_time = true;      // Rb_ds selected (else Rb_yc)
  int task_index = 0;       // selected index of cb_task, -1 for none
  std::string hour;         // edt_hour
  std::string minute;       // edt_minu
  std::string delay_hour;   // edt_ychour
  std::string delay_minute; // edt_ycminu
  friend bool operator==(const SettingsValues&, const SettingsValues&) = default;
};

struct IniEntry {
  std::string section, key, value;
  friend bool operator==(const IniEntry&, const IniEntry&) = default;
};

// The nine values in the order they are written (so a new file holds the sections
// "system", "ontime", "delay" and the keys in this order).
std::vector<IniEntry> SettingsEntries(const SettingsValues& values);

// Writes the nine values one by one; the first that cannot be written throws WriteError and
// the rest are not attempted.
void SaveSettings(const IniFiles& files, const SettingsValues& values);

struct LoadedSettings {
  enum Stage {
    kNothing,  // "save" is not exactly "1": keep the window's defaults
    kModes,    // "every" and "timetype" were read; "tasktype" was no integer (see `error`)
    kAll,      // everything was read
  };
  Stage stage = kNothing;
  SettingsValues values;
  // The conversion error for a "tasktype" that is no integer; what followed it was not read.
  std::string error;
};

// Reads the settings as the window applies them at start. A key that is missing leaves its
// edit empty; an index outside 0..2 means no item selected.
LoadedSettings LoadSettings(const IniFiles& files);

}  // namespace kq
