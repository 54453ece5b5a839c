// The default class-name-to-kind table and its lookup.
#include "skin/controls/core/skin3rd.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace kq::skin {
namespace {

TEST(Skin3rd, DefaultTableHasItsRowsInOrder) {
  const auto& rows = DefaultSkin3rd();
  ASSERT_EQ(rows.size(), 110u);
  EXPECT_EQ(rows.front(), "TAdvPanelGroup=embedscrollbar");
  EXPECT_EQ(rows[1], "TComboboxex=combobox");
  EXPECT_EQ(rows[38], "TLMDGroupBox=Groupbox");
  EXPECT_EQ(rows[45], "TLMDGROUPBOX=Panel");
  EXPECT_EQ(rows[96], "TcxButton=bitbtn");
  EXPECT_EQ(rows.back(), "TOVCDBNUMERICFIELD=Edit");
  // Three rows occur twice.
  std::map<std::string, int> seen;
  for (const auto& r : rows) ++seen[r];
  std::set<std::string> twice;
  for (const auto& [row, n] : seen)
    if (n > 1) twice.insert(row);
  EXPECT_EQ(twice, (std::set<std::string>{"TDBCheckboxEh=Checkbox", "TLMDFontSizeCombobox=combobox",
                                          "TWWDBCombobox=Combobox"}));
  for (const auto& [row, n] : seen) EXPECT_LE(n, 2) << row;
}

TEST(Skin3rd, EveryRowIsClassEqualsAKnownKind) {
  const std::set<std::string> kinds = {"embedscrollbar", "combobox",   "speedbutton", "panel", "nil",
                                       "scrollbar",      "button",     "bitbtn",      "checkgroup",
                                       "radiogroup",     "radiobutton", "checkbox",   "edit", "groupbox"};
  std::set<std::string> used;
  for (const auto& row : DefaultSkin3rd()) {
    const auto eq = row.find('=');
    ASSERT_NE(eq, std::string::npos) << row;
    ASSERT_GT(eq, 1u) << row;
    EXPECT_EQ(row[0], 'T') << row;
    const auto kind = Skin3rdKind(DefaultSkin3rd(), row.substr(0, eq));
    ASSERT_TRUE(kind.has_value()) << row;
    used.insert(*kind);
  }
  EXPECT_EQ(used, kinds);
}

TEST(Skin3rd, LookupIgnoresCaseAndTakesTheFirstRow) {
  const auto& rows = DefaultSkin3rd();
  EXPECT_EQ(Skin3rdKind(rows, "TRzButton"), "button");
  EXPECT_EQ(Skin3rdKind(rows, "trzbutton"), "button");
  EXPECT_EQ(Skin3rdKind(rows, "TRZBUTTON"), "button");
  EXPECT_EQ(Skin3rdKind(rows, "TAdvPageControl"), "nil");
  // Two rows in different letter case with different kinds: the first one is found.
  EXPECT_EQ(Skin3rdKind(rows, "TLMDGroupBox"), "groupbox");
  EXPECT_EQ(Skin3rdKind(rows, "tlmdgroupbox"), "groupbox");
  // A class name is matched whole, not as the beginning of a longer one.
  EXPECT_EQ(Skin3rdKind(rows, "TLMDEdit"), "edit");
  EXPECT_EQ(Skin3rdKind(rows, "TLMDEditDB"), std::nullopt);
  EXPECT_EQ(Skin3rdKind(rows, "TLMD"), std::nullopt);
  EXPECT_EQ(Skin3rdKind(rows, "TButton"), std::nullopt);
  EXPECT_EQ(Skin3rdKind(rows, ""), std::nullopt);
}

TEST(Skin3rd, OwnTablesAndLongKinds) {
  const std::vector<std::string> rows = {"TMyGrid=Scrollbar=extra", "TNoKind=", "broken row",
                                         "TLong=" + std::string(60, 'K'), "TMyGrid=panel"};
  EXPECT_EQ(Skin3rdKind(rows, "TMyGrid"), "scrollbar=extra");
  EXPECT_EQ(Skin3rdKind(rows, "TNoKind"), "");
  EXPECT_EQ(Skin3rdKind(rows, "broken row"), std::nullopt);
  EXPECT_EQ(Skin3rdKind(rows, "TLong"), std::string(50, 'k'));
  EXPECT_EQ(Skin3rdKind({}, "TMyGrid"), std::nullopt);
}

}  // namespace
}  // namespace kq::skin
