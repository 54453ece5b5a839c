// `skintool sheet`: the picture of a skin, through the real model build and drawing.
#include "skintool/sheet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "skin/data/bmp.h"
#include "skintool/commands.h"
#include "skintool/lzh_encoder.h"
#include "unit/skin_model/default_skin.h"

namespace kq::skintool {
namespace {

namespace fs = std::filesystem;

class Sheet : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = fs::temp_directory_path() / ("kq-sheet-" + std::to_string(rd()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path WriteDefaultSkin() {
    const std::vector<std::uint8_t> packed = LzhEncode(test::Archive(test::DefaultSkinFiles()));
    const fs::path p = dir_ / "default.skn";
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(packed.data()),
                                             static_cast<std::streamsize>(packed.size()));
    return p;
  }

  int Tool(const std::vector<std::string>& args) { return skintool::Run(args, out_, err_); }

  fs::path dir_;
  std::ostringstream out_, err_;
};

TEST_F(Sheet, DrawsTheDefaultSkin) {
  const fs::path skin = WriteDefaultSkin(), bmp = dir_ / "sheet.bmp";
  ASSERT_EQ(Tool({"sheet", skin.string(), bmp.string()}), 0) << err_.str();
  std::ifstream f(bmp, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(f)), {});
  Bitmap sheet;
  ASSERT_TRUE(ReadBmp(bytes, sheet));
  EXPECT_EQ(sheet.Width(), 1200);
  EXPECT_GT(sheet.Height(), 1000);

  // The active preview window sits on the desktop at (28, 12 + heading): its rounded corner
  // leaves the desktop showing, its caption and client are the skin's.
  const int x0 = 28, y0 = 16 + 14 + 6 + 12;
  const Color desktop = MakeColor(92, 107, 122);
  EXPECT_EQ(sheet.Pixel(x0, y0), desktop);
  EXPECT_NE(sheet.Pixel(x0 + 4, y0 + 4), desktop);
  EXPECT_EQ(sheet.Pixel(x0 + 160, y0 + 150), MakeColor(0xF0, 0xF2, 0xF5));  // the face colour
}

TEST_F(Sheet, RefusesWhatIsNotASkin) {
  const fs::path junk = dir_ / "junk.skn";
  std::ofstream(junk, std::ios::binary) << "not a skin at all";
  EXPECT_EQ(Tool({"sheet", junk.string(), (dir_ / "out.bmp").string()}), 1);
  EXPECT_EQ(Tool({"sheet", (dir_ / "missing.skn").string(), (dir_ / "out.bmp").string()}), 1);
  EXPECT_NE(err_.str().find("missing.skn"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir_ / "out.bmp"));
}

}  // namespace
}  // namespace kq::skintool
