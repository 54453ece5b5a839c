// The "开机时自动运行本程序" shortcut: a link to this program in the user's Startup folder,
// which Windows runs at log-on, with the argument "/autorun" so the program knows it was
// started that way. No registry values are involved.
#pragma once

#include <string>

class StartupShortcut {
 public:
  // `folder` empty: the user's Startup folder; `target` empty: this program file.
  StartupShortcut(std::wstring folder, std::wstring target);

  // Full path of the link file.
  const std::wstring& Path() const { return path_; }
  const std::wstring& Target() const { return target_; }
  // The link exists and points to the target.
  bool Exists() const;
  // The link carries the argument "/autorun" (links made by earlier versions do not).
  bool HasAutorunArgument() const;
  // Makes (or remakes) the link; throws kq::WriteError("Unable to write to <path>").
  void Create() const;
  // Removes the link; nothing to do when there is none. Throws kq::WriteError when it stays.
  void Remove() const;

 private:
  std::wstring path_;
  std::wstring target_;
};

// The full path of the running program file (any length).
std::wstring ProgramFilePath();
