#include "app/core/event_log.h"

namespace kq {

std::string FreeLogKey(const IniFiles& files, DateTime now) {
  const std::string stamp = FormatDateTime(kLogStampFormat, now);
  // Every event text is non-empty, so an empty value means the key is free.
  std::string key = stamp;
  for (int n = 2; !files.Read(kLogFile, kLogSection, key).empty(); ++n)
    key = stamp + " #" + std::to_string(n);
  return key;
}

void WriteLogEvent(const IniFiles& files, std::string_view key, std::string_view text) {
  files.Write(kLogFile, kLogSection, key, text);
}

}  // namespace kq
