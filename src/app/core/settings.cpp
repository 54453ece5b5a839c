#include "app/core/settings.h"

#include "app/core/texts.h"
#include "base/convert.h"
#include "base/error.h"

namespace kq {

std::vector<IniEntry> SettingsEntries(const SettingsValues& v) {
  return {
      {"system", "info", std::string(texts::kInfo)},
      {"system", "save", "1"},
      {"system", "every", v.every_day ? "1" : "0"},
      {"system", "timetype", v.at_time ? "0" : "1"},
      {"system", "tasktype", std::to_string(v.task_index)},
      {"ontime", "hour", v.hour},
      {"ontime", "minute", v.minute},
      {"delay", "hour", v.delay_hour},
      {"delay", "minute", v.delay_minute},
  };
}

void SaveSettings(const IniFiles& files, const SettingsValues& values) {
  for (const IniEntry& e : SettingsEntries(values))
    files.Write(kSettingsFile, e.section, e.key, e.value);
}

LoadedSettings LoadSettings(const IniFiles& files) {
  LoadedSettings out;
  auto read = [&](std::string_view section, std::string_view key) {
    return files.Read(kSettingsFile, section, key);
  };
  if (read("system", "save") != "1") return out;
  out.values.every_day = read("system", "every") == "1";
  out.values.at_time = read("system", "timetype") == "0";
  out.stage = LoadedSettings::kModes;
  try {
    out.values.task_index = StrToInt(read("system", "tasktype"));
  } catch (const ConvertError& e) {
    out.error = e.what();
    return out;
  }
  out.values.hour = read("ontime", "hour");
  out.values.minute = read("ontime", "minute");
  out.values.delay_hour = read("delay", "hour");
  out.values.delay_minute = read("delay", "minute");
  out.stage = LoadedSettings::kAll;
  return out;
}

}  // namespace kq
