// TDM_kq, the data module: the program's notices, two-digit texts and the INI files beside
// the program. One instance, DM_kq, created third at start.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/core/ini_files.h"
#include "ui/component.h"

class TMAIN_KQ;
class TMSG_KQ;

class TDM_kq : public TComponent {
  KQ_DECLARE_CLASS(TDM_kq)

 public:
  // `ini_folder` ends in a separator; `main` and `msg` are the windows a notice is placed
  // over and shown in.
  TDM_kq(TComponent* owner, std::string ini_folder, TMAIN_KQ* main, TMSG_KQ* msg);

  // Shows `text` modally in the message window, captioned `title`, centred over the main
  // window (its last place when it is hidden); returns when it is closed. Asked for while a
  // notice is up (a timer's, say, over the save notice), it returns at once and the new
  // notice follows when the open one is closed.
  void ShowNotice(const std::wstring& title, const std::wstring& text);
  // "7" -> "07"; "", "17" and longer texts unchanged. Length counts as the program always
  // counted it, in bytes, so a single Chinese character is not padded.
  static std::wstring PadTwoDigits(const std::wstring& text);
  // One value of an INI file beside the program ("" when missing); UTF-8 texts.
  std::string ReadIniValue(std::string_view file, std::string_view section,
                           std::string_view key) const;
  // Throws kq::WriteError("Unable to write to <full path>") when it cannot be stored.
  void WriteIniValue(std::string_view file, std::string_view section, std::string_view key,
                     std::string_view value) const;

  const kq::IniFiles& Files() const { return files_; }

 private:
  void ShowOneNotice(const std::wstring& title, const std::wstring& text);

  kq::IniFiles files_;
  std::vector<std::pair<std::wstring, std::wstring>> waiting_notices_;
  TMAIN_KQ* main_;
  TMSG_KQ* msg_;
};
