#include "app/startup_shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "app/core/texts.h"
#include "base/error.h"
#include "ui/text.h"

namespace {

// COM for the calls of one operation: initialised and released around them.
class ComScope {
 public:
  ComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT hr_;
};

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T** Out() { return &p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

std::wstring StartupFolder() {
  PWSTR path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Startup, KF_FLAG_CREATE, nullptr, &path)))
    folder = path;
  CoTaskMemFree(path);
  return folder;
}

[[noreturn]] void CannotWrite(const std::wstring& path) {
  throw kq::WriteError("Unable to write to " + kq::ui::Narrow(path));
}

}  // namespace

std::wstring ProgramFilePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

StartupShortcut::StartupShortcut(std::wstring folder, std::wstring target)
    : target_(target.empty() ? ProgramFilePath() : std::move(target)) {
  if (folder.empty()) folder = StartupFolder();
  if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  path_ = folder + L"Zelvo定时自动关机器.lnk";
}

namespace {

// The link file's target and arguments; false when there is no readable link.
bool ReadLink(const std::wstring& path, std::wstring& target, std::wstring& arguments) {
  if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  ComScope com;
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(link.Out()))) ||
      FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Out()))) ||
      FAILED(file->Load(path.c_str(), STGM_READ)))
    return false;
  std::wstring buffer(32768, L'\0');
  if (link->GetPath(buffer.data(), 32768, nullptr, SLGP_RAWPATH) != S_OK) return false;
  target = buffer.c_str();
  buffer.assign(32768, L'\0');
  if (FAILED(link->GetArguments(buffer.data(), 32768))) return false;
  arguments = buffer.c_str();
  return true;
}

}  // namespace

bool StartupShortcut::Exists() const {
  std::wstring target, arguments;
  return ReadLink(path_, target, arguments) && lstrcmpiW(target.c_str(), target_.c_str()) == 0;
}

bool StartupShortcut::HasAutorunArgument() const {
  std::wstring target, arguments;
  return ReadLink(path_, target, arguments) &&
         lstrcmpiW(arguments.c_str(), kq::ui::Widen(kq::texts::kAutorunArgument).c_str()) == 0;
}

void StartupShortcut::Create() const {
  ComScope com;
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(link.Out()))))
    CannotWrite(path_);
  const std::wstring dir = target_.substr(0, target_.find_last_of(L"\\/") + 1);
  link->SetPath(target_.c_str());
  link->SetArguments(kq::ui::Widen(kq::texts::kAutorunArgument).c_str());
  link->SetWorkingDirectory(dir.c_str());
  link->SetDescription(L"Zelvo定时自动关机器");
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Out()))) ||
      FAILED(file->Save(path_.c_str(), TRUE)))
    CannotWrite(path_);
}

void StartupShortcut::Remove() const {
  if (DeleteFileW(path_.c_str())) return;
  const DWORD error = GetLastError();
  if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) CannotWrite(path_);
}
