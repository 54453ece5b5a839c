#include "skin/data/skin_reader.h"

#include <gtest/gtest.h>

#include <numeric>

#include "unit/skin_data/archive_builder.h"
#include "unit/skin_data/files.h"

namespace kq {
namespace {

using test::Archive;
using test::Bytes;
using test::LiteralSkinFile;
using test::RawArchive;
using test::ReadDataFile;

struct NoticeLog {
  std::vector<std::string> texts;
  TSkinReader::Notice Sink() {
    return [this](const std::string& t) { texts.push_back(t); };
  }
};

std::string Text(const std::vector<std::uint8_t>& v) { return std::string(v.begin(), v.end()); }

TEST(SkinReader, LoadsTheSampleSkinFile) {
  NoticeLog log;
  TSkinReader reader(log.Sink());
  ASSERT_TRUE(reader.LoadFromStream(ReadDataFile("lzhuf/sample.lzh")));
  EXPECT_TRUE(log.texts.empty());
  // Stored as Skin.INI, Top.BMP, Buttons.bmp: held in lower case, in stored order.
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"skin.ini", "top.bmp", "buttons.bmp"}));

  // Entries are the archive's data cut by the length table.
  const auto archive = ReadDataFile("lzhuf/sample.archive");
  const std::size_t dataStart = 16 + 30 + 4 * 3;
  std::size_t total = 0;
  for (int i = 0; i < reader.Count(); ++i) total += static_cast<std::size_t>(reader.Length(i));
  EXPECT_EQ(dataStart + total, archive.size());

  std::vector<std::uint8_t> top;
  EXPECT_TRUE(reader.ReadFile("Top.bmp", top));
  const std::size_t topAt = dataStart + static_cast<std::size_t>(reader.Length(0));
  EXPECT_TRUE(top == std::vector<std::uint8_t>(archive.begin() + topAt, archive.begin() + topAt + reader.Length(1)));
  EXPECT_EQ(top[0], 'B');
  EXPECT_EQ(top[1], 'M');

  std::vector<std::uint8_t> same;
  EXPECT_TRUE(reader.ReadFile("TOP.BMP", same));
  EXPECT_EQ(same, top);

  std::string found = "unchanged";
  std::vector<std::uint8_t> ini;
  EXPECT_TRUE(reader.FindFile(".ini", ini, found));
  EXPECT_EQ(found, "skin.ini");
  EXPECT_EQ(Text(ini).rfind("[Personality]", 0), 0u);
}

TEST(SkinReader, LookupMisses) {
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadArchive(Archive({{"skin.ini", "x"}, {"top.bmp", "BM"}})));
  std::vector<std::uint8_t> out = Bytes("stale");
  EXPECT_FALSE(reader.ReadFile("missing.bmp", out));
  EXPECT_TRUE(out.empty());

  // The fragment is taken as given: capitals never match the lower-case names.
  out = Bytes("stale");
  std::string found = "before";
  EXPECT_FALSE(reader.FindFile(".INI", out, found));
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(found, "before");
  // A fragment matches anywhere in a name; the first in stored order wins.
  EXPECT_TRUE(reader.FindFile("p.b", out, found));
  EXPECT_EQ(found, "top.bmp");
  EXPECT_TRUE(reader.FindFile("", out, found));
  EXPECT_EQ(found, "skin.ini");
}

TEST(SkinReader, NamesDifferingOnlyInCaseFindTheFirst) {
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadArchive(Archive({{"Top.bmp", "first"}, {"TOP.BMP", "second"}, {"a.ini", "x"}})));
  std::vector<std::uint8_t> out;
  ASSERT_TRUE(reader.ReadFile("top.BMP", out));
  EXPECT_EQ(Text(out), "first");
  std::string found;
  ASSERT_TRUE(reader.FindFile("top", out, found));
  EXPECT_EQ(Text(out), "first");
}

TEST(SkinReader, NameTableLinesAndLowerCasing) {
  TSkinReader reader;
  // CR LF, lone LF, lone CR, an empty line, and a last line without an ending; only A-Z
  // are lower-cased (0xC4 stays).
  const std::string table = "A.BMP\r\nb.Bmp\nC\xC4.bmp\r\r\nLast.INI";
  ASSERT_TRUE(reader.LoadArchive(RawArchive(table, {1, 2, 3, 0, 4}, "abbcccdddd")));
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"a.bmp", "b.bmp", "c\xC4.bmp", "", "last.ini"}));
  std::vector<std::uint8_t> out;
  ASSERT_TRUE(reader.ReadFile("LAST.ini", out));
  EXPECT_EQ(Text(out), "dddd");
  ASSERT_TRUE(reader.ReadFile("c\xC4.BMP", out));
  EXPECT_EQ(Text(out), "ccc");
  ASSERT_TRUE(reader.ReadFile("", out));
  EXPECT_TRUE(out.empty());

  // No names at all is an empty archive, not an error.
  EXPECT_TRUE(reader.LoadArchive(RawArchive("", {}, "")));
  EXPECT_EQ(reader.Count(), 0);
}

TEST(SkinReader, OtherVersionsShowTheNoticeAndKeepNoSkin) {
  NoticeLog log;
  TSkinReader reader(log.Sink());
  ASSERT_TRUE(reader.LoadArchive(Archive({{"a.ini", "x"}})));

  EXPECT_FALSE(reader.LoadArchive(RawArchive("a.ini\r\n", {1}, "x", 19999)));
  EXPECT_EQ(reader.Count(), 0);
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0], "This is Older Skin File\rPlease update to new version !");

  // U = 0: nothing unpacks, the header reads as zeros.
  EXPECT_FALSE(reader.LoadFromStream(std::vector<std::uint8_t>{0, 0, 0, 0, 0x55, 0x66}));
  EXPECT_EQ(log.texts.size(), 2u);
  // Without a notice sink the load still fails quietly.
  EXPECT_FALSE(TSkinReader().LoadFromStream(std::vector<std::uint8_t>{0, 0, 0, 0}));
}

TEST(SkinReader, LoadsThroughTheDecoder) {
  const auto archive = Archive({{"Skin.ini", "[Personality]\r\n"}, {"b.bmp", std::string(5000, 'z')}});
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadFromStream(LiteralSkinFile(archive)));
  std::vector<std::uint8_t> out;
  ASSERT_TRUE(reader.ReadFile("B.bmp", out));
  EXPECT_EQ(Text(out), std::string(5000, 'z'));
}

// Every archive here lies about its own tables. Each must be refused without a notice and
// without leaving the previous skin behind.
TEST(SkinReader, RejectsMalformedArchives) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> archive;
  };
  auto truncated = Archive({{"a.bmp", "abc"}});
  truncated.resize(16 + 7 + 2);  // length table cut in the middle
  auto shortHeader = Archive({});
  shortHeader.resize(10);
  auto hugeNameTable = RawArchive("a.bmp\r\n", {3}, "abc");
  hugeNameTable[4] = 0xFF, hugeNameTable[5] = 0xFF, hugeNameTable[6] = 0xFF, hugeNameTable[7] = 0x7F;
  auto negativeNameTable = RawArchive("a.bmp\r\n", {3}, "abc");
  negativeNameTable[7] = 0x80;

  std::string names1002;
  for (int i = 0; i < 1002; ++i) names1002 += std::to_string(i) + ".bmp\r\n";

  const std::vector<Case> cases = {
      {"header cut short", shortHeader},
      {"name table longer than the archive", hugeNameTable},
      {"negative name table length", negativeNameTable},
      {"length table past the end", truncated},
      {"negative entry length", RawArchive("a\r\nb\r\n", {-1, 4}, "abc")},
      {"lengths adding up past the data", RawArchive("a\r\nb\r\n", {2, 2}, "abc")},
      {"lengths overflowing 32 bits", RawArchive("a\r\nb\r\n", {0x7FFFFFFF, 0x7FFFFFFF}, "abc")},
      {"more than 1001 entries", RawArchive(names1002, std::vector<std::int32_t>(1002, 0), "")},
  };
  for (const auto& c : cases) {
    NoticeLog log;
    TSkinReader reader(log.Sink());
    ASSERT_TRUE(reader.LoadArchive(Archive({{"old.ini", "x"}})));
    EXPECT_FALSE(reader.LoadArchive(c.archive)) << c.what;
    EXPECT_EQ(reader.Count(), 0) << c.what;
    std::vector<std::uint8_t> out;
    EXPECT_FALSE(reader.ReadFile("old.ini", out)) << c.what;
    EXPECT_TRUE(log.texts.empty()) << c.what;
  }
}

TEST(SkinReader, AcceptsTheFullCapacityAndSpareData) {
  std::string names;
  for (int i = 0; i < 1001; ++i) names += std::to_string(i) + ".bmp\n";
  std::vector<std::int32_t> lengths(1001, 0);
  lengths[1000] = 2;
  TSkinReader reader;
  // Bytes after the last entry are carried along but belong to no entry.
  ASSERT_TRUE(reader.LoadArchive(RawArchive(names, lengths, "xyspare")));
  EXPECT_EQ(reader.Count(), 1001);
  std::vector<std::uint8_t> out;
  ASSERT_TRUE(reader.ReadFile("1000.bmp", out));
  EXPECT_EQ(Text(out), "xy");
}

TEST(SkinReader, RefusesAnOversizedDeclaredArchive) {
  TSkinReader reader;
  EXPECT_FALSE(reader.LoadFromStream(std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3}));
  EXPECT_EQ(reader.Count(), 0);
}

}  // namespace
}  // namespace kq
