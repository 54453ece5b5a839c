#include "skintool/commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "skin/data/skin_reader.h"
#include "skintool/archive.h"
#include "skintool/lzh_encoder.h"
#include "unit/skin_data/files.h"

namespace kq::skintool {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

void Write(const fs::path& p, const std::string& s) {
  std::ofstream f(p, std::ios::binary);
  f << s;
}

std::string Read(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

class SkinTool : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = fs::temp_directory_path() / ("kq-skintool-" + std::to_string(rd()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  int Tool(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return skintool::Run(args, out_, err_);
  }
  std::string P(const std::string& rel) const { return (dir_ / rel).string(); }

  fs::path dir_;
  std::ostringstream out_, err_;
};

TEST_F(SkinTool, PackListUnpackAndPackAgain) {
  fs::create_directories(dir_ / "skin");
  Write(dir_ / "skin" / "Skin.ini", "[Personality]\r\nTop=Top.bmp\r\n");
  Write(dir_ / "skin" / "Top.bmp", std::string(3000, 'T'));
  Write(dir_ / "skin" / "a.bmp", "");
  fs::create_directories(dir_ / "skin" / "subfolder");  // not a file: not packed

  ASSERT_EQ(Tool({"pack", P("skin"), P("one.skn")}), 0) << err_.str();
  EXPECT_NE(out_.str().find("3 files"), std::string::npos);
  EXPECT_EQ(err_.str(), "");

  // Without a list the files go in sorted by name.
  ASSERT_EQ(Tool({"list", P("one.skn")}), 0) << err_.str();
  const std::string listing = out_.str();
  EXPECT_LT(listing.find("Skin.ini"), listing.find("Top.bmp"));
  EXPECT_LT(listing.find("Top.bmp"), listing.find("a.bmp"));
  EXPECT_NE(listing.find("3000  Top.bmp"), std::string::npos);

  // The program reads what was packed.
  TSkinReader reader;
  const std::string packed = Read(dir_ / "one.skn");
  ASSERT_TRUE(reader.LoadFromStream(Bytes(packed.begin(), packed.end())));
  Bytes top;
  ASSERT_TRUE(reader.ReadFile("top.bmp", top));
  EXPECT_EQ(top.size(), 3000u);

  ASSERT_EQ(Tool({"unpack", P("one.skn"), P("back")}), 0) << err_.str();
  EXPECT_EQ(Read(dir_ / "back" / "Top.bmp"), std::string(3000, 'T'));
  EXPECT_EQ(Read(dir_ / "back" / "a.bmp"), "");
  EXPECT_EQ(Read(dir_ / "back" / kListFile), "Skin.ini\r\nTop.bmp\r\na.bmp\r\n");

  ASSERT_EQ(Tool({"pack", P("back"), P("two.skn")}), 0) << err_.str();
  EXPECT_EQ(Read(dir_ / "two.skn"), packed);
}

TEST_F(SkinTool, ListFileSetsTheOrder) {
  fs::create_directories(dir_ / "skin");
  Write(dir_ / "skin" / "b.bmp", "B");
  Write(dir_ / "skin" / "skin.ini", "[Colours]");
  Write(dir_ / "skin" / "left-out.bmp", "X");
  Write(dir_ / "skin" / kListFile, "  b.bmp \nskin.ini\n\n");
  ASSERT_EQ(Tool({"pack", P("skin"), P("s.skn")}), 0) << err_.str();
  const std::string packed = Read(dir_ / "s.skn");
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadFromStream(Bytes(packed.begin(), packed.end())));
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"b.bmp", "skin.ini"}));

  // A listed file that is missing is an error.
  Write(dir_ / "skin" / kListFile, "b.bmp\nmissing.bmp\n");
  EXPECT_EQ(Tool({"pack", P("skin"), P("s2.skn")}), 1);
  EXPECT_NE(err_.str().find("missing.bmp"), std::string::npos);
}

TEST_F(SkinTool, WarnsAboutASkinWithoutDefinitionText) {
  fs::create_directories(dir_ / "skin");
  Write(dir_ / "skin" / "a.bmp", "A");
  EXPECT_EQ(Tool({"pack", P("skin"), P("s.skn")}), 0);
  EXPECT_NE(err_.str().find("warning"), std::string::npos);
}

TEST_F(SkinTool, EncodeAndDecodeTheVectors) {
  const std::string data = std::string(KQ_TESTDATA_DIR) + "/lzhuf/";
  ASSERT_EQ(Tool({"decode", data + "mixed_truncated.lzh", P("t.out")}), 0) << err_.str();
  EXPECT_EQ(Read(P("t.out")), Read(data + "mixed_truncated.out"));
  ASSERT_EQ(Tool({"encode", data + "mixed.bin", P("m.lzh")}), 0) << err_.str();
  ASSERT_EQ(Tool({"decode", P("m.lzh"), P("m.bin")}), 0) << err_.str();
  EXPECT_EQ(Read(P("m.bin")), Read(data + "mixed.bin"));
}

TEST_F(SkinTool, ReportsBadInputWithAnError) {
  struct Case {
    std::vector<std::string> args;
    const char* mentions;
  };
  Write(dir_ / "short.skn", "ab");
  Write(dir_ / "huge.skn", std::string("\xFF\xFF\xFF\x7F", 4));
  Bytes oldArchive;
  ASSERT_EQ(BuildArchive({{"a.ini", {}}}, oldArchive), "");
  oldArchive[0] = 0x10;
  const Bytes oldSkin = LzhEncode(oldArchive);
  Write(dir_ / "old.skn", std::string(oldSkin.begin(), oldSkin.end()));
  const Case cases[] = {
      {{"list", P("nothing.skn")}, "cannot open"},
      {{"list", P("short.skn")}, "too short"},
      {{"unpack", P("huge.skn"), P("x")}, "over the load budget (unpacked archive over 64 MiB)"},
      {{"list", P("old.skn")}, "version"},
      {{"pack", P("no-such-folder"), P("x.skn")}, "not a folder"},
      {{"decode", P("short.skn"), P("x")}, "too short"},
      {{"list", dir_.string()}, "folder"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Tool(c.args), 1) << c.args[0] << " " << c.args[1];
    EXPECT_NE(err_.str().find(c.mentions), std::string::npos) << err_.str();
  }
  EXPECT_EQ(Tool({}), 2);
  EXPECT_NE(err_.str().find("usage"), std::string::npos);
  EXPECT_EQ(Tool({"pack", "only-one"}), 2);
}

TEST_F(SkinTool, UnpackNeverWritesOutsideTheFolder) {
  // An archive written by someone else, with a name that climbs out of the folder.
  std::string names = "ok.bmp\r\n..\\evil.bmp\r\n";
  Bytes a = {0x20, 0x4E, 0, 0};
  for (int i = 0; i < 4; ++i) a.push_back(static_cast<std::uint8_t>(names.size() >> (8 * i)));
  a.insert(a.end(), 8, 0);
  a.insert(a.end(), names.begin(), names.end());
  for (int len : {1, 1}) {
    a.push_back(static_cast<std::uint8_t>(len));
    a.insert(a.end(), 3, 0);
  }
  a.push_back('o');
  a.push_back('e');
  const Bytes skin = LzhEncode(a);
  Write(dir_ / "evil.skn", std::string(skin.begin(), skin.end()));
  EXPECT_EQ(Tool({"unpack", P("evil.skn"), P("out")}), 1);
  EXPECT_NE(err_.str().find("directory part"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir_ / "evil.bmp"));
  EXPECT_FALSE(fs::exists(dir_ / "out" / "ok.bmp"));
}

// The two skin files that once took gigabytes: ten caption buttons naming one 1-bit BMP of
// 16384 x 2048 (96 MiB once decoded; an 87 KB file), and a name table of 64 MiB of line
// breaks (a 1.4 MB file). Both are refused at once with the load budget's reason.
TEST_F(SkinTool, HostileSkinFilesAreRefusedOverTheLoadBudget) {
  auto le = [](Bytes& b, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  constexpr std::uint32_t w = 16384, h = 2048, pixels = w / 8 * h;
  Bytes bmp = {'B', 'M'};
  for (std::uint32_t v : {62 + pixels, 0u, 62u, 40u, w, h}) le(bmp, v, 4);
  le(bmp, 1, 2);
  le(bmp, 1, 2);
  for (std::uint32_t v : {0u, pixels, 2835u, 2835u, 2u, 0u, 0u, 0x00FFFFFFu}) le(bmp, v, 4);
  bmp.resize(bmp.size() + pixels, 0);
  fs::create_directories(dir_ / "big");
  Write(dir_ / "big" / "big.bmp", std::string(bmp.begin(), bmp.end()));
  std::string ini;
  for (int i = 0; i < 10; ++i) ini += "[Button" + std::to_string(i) + "]\r\nButtonImage=big.bmp\r\n";
  Write(dir_ / "big" / "skin.ini", ini);
  ASSERT_EQ(Tool({"pack", P("big"), P("bitmaps.skn")}), 0) << err_.str();
  EXPECT_EQ(Tool({"sheet", P("bitmaps.skn"), P("sheet.bmp")}), 1);
  EXPECT_EQ(err_.str(), "skintool: " + P("bitmaps.skn") + ": over the load budget (decoded bitmaps over 64 MiB)\n");
  EXPECT_FALSE(fs::exists(dir_ / "sheet.bmp"));

  Bytes names;
  le(names, 20000, 4);
  le(names, 64 * 1024 * 1024 - 16, 4);
  names.resize(16, 0);
  names.resize(64 * 1024 * 1024, '\n');
  const Bytes packed = LzhEncode(names);
  names = Bytes();
  Write(dir_ / "names.skn", std::string(packed.begin(), packed.end()));
  for (const char* cmd : {"list", "sheet"}) {
    std::vector<std::string> args = {cmd, P("names.skn")};
    if (args[0] == "sheet") args.push_back(P("sheet.bmp"));
    EXPECT_EQ(Tool(args), 1) << cmd;
    EXPECT_EQ(err_.str(), "skintool: " + P("names.skn") + ": over the load budget (more than 1001 archive entries)\n") << cmd;
  }
}

}  // namespace
}  // namespace kq::skintool

namespace kq::skintool {
namespace {

// The stored property of a window definition: the skin file behind its 4-byte length.
TEST(SkinToolStream, WritesTheLengthThenTheSkinFile) {
  const auto dir = std::filesystem::temp_directory_path() / "kq-skintool-stream";
  std::filesystem::create_directories(dir);
  const std::string skin = std::string("\x05\x00\x00\x00", 4) + "abc\xFF";
  {
    std::ofstream f(dir / "in.skn", std::ios::binary);
    f << skin;
  }
  std::ostringstream out, err;
  ASSERT_EQ(skintool::Run({"stream", (dir / "in.skn").string(), (dir / "out.bin").string()}, out, err), 0) << err.str();
  std::string written;
  {
    std::ifstream f(dir / "out.bin", std::ios::binary);
    written.assign(std::istreambuf_iterator<char>(f), {});
  }
  EXPECT_EQ(written, std::string("\x08\x00\x00\x00", 4) + skin);
  EXPECT_EQ(skintool::Run({"stream", (dir / "missing.skn").string(), (dir / "x.bin").string()}, out, err), 1);
  EXPECT_EQ(skintool::Run({"stream", (dir / "in.skn").string()}, out, err), 2);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kq::skintool
