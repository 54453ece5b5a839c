#include <gtest/gtest.h>

#include <string>

#include "skin/form/core/nc_object.h"

namespace kq::skin {
namespace {

// Records each paint as "<name><state>".
class Probe : public TNCObject {
 public:
  Probe(NcHotSlot& frame, std::string& log, char name) : TNCObject(frame), log_(log), name_(name) {
    Visible = true;
  }
  void Paint() override {
    log_ += name_;
    log_ += static_cast<char>('0' + State);
    log_ += ' ';
  }

 private:
  std::string& log_;
  char name_;
};

TEST(NcObject, HoverPressReleaseLeave) {
  NcHotSlot frame;
  std::string log;
  Probe a(frame, log, 'a');
  a.MouseEnter();
  EXPECT_EQ(frame.HotObject, &a);
  a.MouseEnter();  // already hot: no repaint
  a.MouseDown();
  a.MouseUp();
  a.MouseLeave();
  EXPECT_EQ(log, "a3 a2 a3 a1 ");
  EXPECT_EQ(frame.HotObject, nullptr);
  EXPECT_EQ(a.State, kStateNormal);
}

TEST(NcObject, OnlyOneObjectIsHot) {
  NcHotSlot frame;
  std::string log;
  Probe a(frame, log, 'a'), b(frame, log, 'b');
  a.MouseEnter();
  b.MouseEnter();
  EXPECT_EQ(log, "a3 a1 b3 ");
  EXPECT_EQ(frame.HotObject, &b);
  // A press on another object takes the hot state from the hot one.
  log.clear();
  a.MouseDown();
  EXPECT_EQ(log, "b1 a2 ");
  EXPECT_EQ(frame.HotObject, &a);
  EXPECT_EQ(b.State, kStateNormal);
}

TEST(NcObject, HiddenObjectsNeitherTakeNorKeepTheHotState) {
  NcHotSlot frame;
  std::string log;
  Probe a(frame, log, 'a'), hidden(frame, log, 'h');
  hidden.Visible = false;
  a.MouseEnter();
  hidden.MouseEnter();  // the hot one still leaves
  EXPECT_EQ(frame.HotObject, nullptr);
  hidden.MouseDown();
  hidden.MouseUp();
  EXPECT_EQ(log, "a3 a1 ");
  EXPECT_EQ(hidden.State, kStateNormal);
  // A hot object hidden afterwards (the maximise button after maximising) gives it up on leave.
  a.MouseEnter();
  a.Visible = false;
  log.clear();
  a.MouseLeave();
  EXPECT_EQ(frame.HotObject, nullptr);
  EXPECT_EQ(log, "");
}

TEST(NcObject, DestroyingTheHotObjectEmptiesTheSlot) {
  NcHotSlot frame;
  std::string log;
  {
    Probe a(frame, log, 'a');
    a.MouseDown();
    EXPECT_EQ(frame.HotObject, &a);
  }
  EXPECT_EQ(frame.HotObject, nullptr);
}

}  // namespace
}  // namespace kq::skin
