// The folder of the settings file and the log: beside the program when it can be written,
// else the user's own.
#include "app/core/data_folder.h"

#include <gtest/gtest.h>

#include <vector>

namespace kq {
namespace {

TEST(DataFolder, BesideTheProgramWhenWritableElseThePerUserFolder) {
  std::vector<std::string> asked;
  const auto writable = [&](bool answer) {
    return [&asked, answer](const std::string& folder) {
      asked.push_back(folder);
      return answer;
    };
  };
  const std::string program = "C:\\Program Files\\Zelvo\\";
  EXPECT_EQ(ChooseDataFolder(program, "C:\\Users\\li\\AppData\\Local", writable(true)), program);
  EXPECT_EQ(ChooseDataFolder(program, "C:\\Users\\li\\AppData\\Local", writable(false)),
            "C:\\Users\\li\\AppData\\Local\\Zelvo定时自动关机器\\");
  EXPECT_EQ(ChooseDataFolder(program, "C:\\Users\\li\\AppData\\Local\\", writable(false)),
            "C:\\Users\\li\\AppData\\Local\\Zelvo定时自动关机器\\");
  EXPECT_EQ(asked, (std::vector<std::string>{program, program, program}));  // once each
  // Without a per-user folder the program's own stays, and its writes report their error.
  EXPECT_EQ(ChooseDataFolder(program, "", writable(false)), program);
}

}  // namespace
}  // namespace kq
