// The fixture the control-skinner suites share: a form whose controls (not its frame) are
// skinned with the test skin plus the images a suite adds, as the form skinner does on
// SKM_SKINCONTROLS, and helpers to add controls and find their skinners.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/controls/skin_control.h"
#include "skin/engine/skin_data.h"
#include "skin/form/win_skin_form.h"
#include "ui/application.h"
#include "ui/forms.h"
#include "ui/skin_messages.h"
#include "win/skin_controls/test_skin.h"
#include "win/ui/ui_test_util.h"

namespace skintest {

class SkinnedFormTest : public ::testing::Test {
 protected:
  SkinnedFormTest(RECT bounds, std::wstring caption) : bounds_(bounds), caption_(std::move(caption)) {}

  void SetUp() override {
    app = new TApplication();
    form = app->CreateForm<TForm>();
    form->SetBounds(bounds_.left, bounds_.top, bounds_.right, bounds_.bottom);
    form->SetCaption(caption_);
    AddFocusHolder(form);
    uitest::MoveMouse(5, 5);
  }
  void TearDown() override { delete app; }

  // The images a suite puts into the test skin before its controls are skinned.
  virtual void AddImages(TSkinData& skin) = 0;

  void SkinAll(bool withImages = true) {
    s = AttachTestSkinner(form);
    if (withImages) AddImages(*s.skin);
    form->Show();
    SetForegroundWindow(form->Handle());
    SendMessageW(form->Handle(), SKM_SKINCONTROLS, 0, 1000);
    uitest::PumpFor(100);
  }

  template <class S>
  S* SkinnerOf(TControl* c) {
    for (TSkinControl* k : s.skinner->ControlSkinners)
      if (k->Control == c || k->Owner() == c)
        if (auto* t = dynamic_cast<S*>(k)) return t;
    return nullptr;
  }

  template <class C>
  C* Add(int x, int y, int w, int h) {
    auto* c = new C(form);
    c->SetParent(form);
    c->SetBounds(x, y, w, h);
    return c;
  }

  TApplication* app = nullptr;
  TForm* form = nullptr;
  SkinnedForm s;

 private:
  RECT bounds_;  // left, top, width, height
  std::wstring caption_;
};

}  // namespace skintest
