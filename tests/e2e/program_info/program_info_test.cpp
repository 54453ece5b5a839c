// What Windows reads about the built kqshutdown.exe without running it: the manifest that
// decides how it is run and the version information Explorer shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring ProgramPath() {
  wchar_t path[32768] = {};
  GetModuleFileNameW(nullptr, path, 32768);
  std::wstring p = path;
  return p.substr(0, p.find_last_of(L"\\/") + 1) + L"kqshutdown.exe";
}

TEST(ProgramInfo, TheManifestAsksForTheUsersRightsKnowsWindows7To11AndTheSystemDpi) {
  HMODULE exe = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  HRSRC res = FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24) /* RT_MANIFEST */);
  ASSERT_NE(res, nullptr);
  const char* data = static_cast<const char*>(LockResource(LoadResource(exe, res)));
  ASSERT_NE(data, nullptr);
  const std::string manifest(data, SizeofResource(exe, res));
  FreeLibrary(exe);
  auto has = [&](const char* text) { return manifest.find(text) != std::string::npos; };
  EXPECT_TRUE(has("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"));
  for (const char* os : {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",    // 7
                         "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",    // 8
                         "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",    // 8.1
                         "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})  // 10 and 11
    EXPECT_TRUE(has((std::string("<supportedOS Id=\"") + os + "\"/>").c_str())) << os;
  EXPECT_TRUE(has(">true</dpiAware>"));
  // The files stay in code page 936; the controls stay the classic ones.
  EXPECT_FALSE(has("activeCodePage"));
  EXPECT_FALSE(has("Microsoft.Windows.Common-Controls"));
}

TEST(ProgramInfo, TheVersionInformationIsOneChineseUnicodeBlock) {
  const std::wstring path = ProgramPath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &len));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &len));
  ASSERT_EQ(len, 4u);  // one language and code page pair
  EXPECT_EQ(translation[0], 0x0804);
  EXPECT_EQ(translation[1], 1200);

  const std::pair<const wchar_t*, const wchar_t*> strings[] = {
      {L"ProductName", L"Zelvo定时自动关机器"}, {L"FileDescription", L"Zelvo定时自动关机器"},
      {L"FileVersion", L"1.0.0.0"},            {L"ProductVersion", L"1.0.0.0"},
      {L"OriginalFilename", L"kqshutdown.exe"}, {L"CompanyName", L"Zelvo"}};
  for (const auto& [name, expected] : strings) {
    wchar_t* value = nullptr;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\080404B0\\") + name;
    ASSERT_TRUE(VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &len)) << name;
    EXPECT_EQ(std::wstring(value), expected);
  }
}

}  // namespace
