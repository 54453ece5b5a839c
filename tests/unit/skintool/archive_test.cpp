#include "skintool/archive.h"

#include <gtest/gtest.h>

#include "skin/data/skin_reader.h"
#include "skintool/lzh_encoder.h"
#include "unit/skin_data/files.h"

namespace kq::skintool {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes B(const std::string& s) { return Bytes(s.begin(), s.end()); }

TEST(ToolArchive, WhatIsBuiltTheProgramReads) {
  const std::vector<ArchiveEntry> entries = {
      {"Skin.INI", B("[Personality]\r\nTop=top.bmp\r\n")}, {"top.bmp", B("BMxyz")}, {"empty.bmp", {}}};
  Bytes archive;
  ASSERT_EQ(BuildArchive(entries, archive), "");
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadFromStream(LzhEncode(archive)));
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"skin.ini", "top.bmp", "empty.bmp"}));
  Bytes out;
  std::string found;
  ASSERT_TRUE(reader.FindFile(".ini", out, found));
  EXPECT_EQ(out, entries[0].data);
  ASSERT_TRUE(reader.ReadFile("TOP.BMP", out));
  EXPECT_EQ(out, entries[1].data);

  // The tool's own reader keeps the stored case.
  ParsedArchive parsed;
  ASSERT_EQ(ParseArchive(archive, parsed), "");
  ASSERT_EQ(parsed.entries.size(), 3u);
  EXPECT_EQ(parsed.entries[0].name, "Skin.INI");
  EXPECT_EQ(parsed.entries[2].data, Bytes{});
  EXPECT_EQ(parsed.spareBytes, 0u);
}

TEST(ToolArchive, ParsesTheSampleArchive) {
  ParsedArchive parsed;
  ASSERT_EQ(ParseArchive(test::ReadDataFile("lzhuf/sample.archive"), parsed), "");
  ASSERT_EQ(parsed.entries.size(), 3u);
  EXPECT_EQ(parsed.entries[1].name, "Top.BMP");
  EXPECT_EQ(parsed.entries[1].data.size(), 1494u);
}

TEST(ToolArchive, RefusesWhatCannotBeStored) {
  Bytes archive;
  EXPECT_NE(BuildArchive({{"a.bmp", {}}, {"A.BMP", {}}}, archive), "");
  EXPECT_NE(BuildArchive({{"", {}}}, archive), "");
  EXPECT_NE(BuildArchive({{"a\r\nb", {}}}, archive), "");
  EXPECT_NE(BuildArchive({{"..", {}}}, archive), "");
  EXPECT_NE(BuildArchive({{"dir\\a.bmp", {}}}, archive), "");
  std::vector<ArchiveEntry> many;
  for (int i = 0; i < 1002; ++i) many.push_back({std::to_string(i) + ".bmp", {}});
  EXPECT_NE(BuildArchive(many, archive), "");
  many.pop_back();
  EXPECT_EQ(BuildArchive(many, archive), "");
}

TEST(ToolArchive, NamesWhatIsWrongWithAMalformedArchive) {
  Bytes good;
  ASSERT_EQ(BuildArchive({{"a.ini", B("abc")}}, good), "");
  struct Case {
    const char* what;
    Bytes archive;
    const char* mentions;
  };
  Bytes version = good;
  version[0] = 1;
  Bytes table = good;
  table[4] = 0xFF;
  Bytes length = good;
  length[16 + 7] = 9;
  Bytes negative = good;
  negative[16 + 7 + 3] = 0x80;
  Bytes cut = good;
  cut.resize(16 + 7 + 2);
  const Case cases[] = {
      {"short", Bytes(good.begin(), good.begin() + 10), "header"},
      {"version", version, "version"},
      {"name table", table, "name table"},
      {"entry too long", length, "runs past"},
      {"negative", negative, "negative"},
      {"length table cut", cut, "length table"},
  };
  for (const Case& c : cases) {
    ParsedArchive parsed;
    const std::string why = ParseArchive(c.archive, parsed);
    EXPECT_NE(why.find(c.mentions), std::string::npos) << c.what << ": " << why;
  }
}

}  // namespace
}  // namespace kq::skintool
