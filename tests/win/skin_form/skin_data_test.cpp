// The skin component: published defaults, the stored skin, loading, joining the skin
// manager and the may-be-skinned rule.
#include <filesystem>
#include <fstream>

#include "skin/controls/core/skin3rd.h"
#include "skin/data/lzh.h"
#include "skin/form/win_skin_form.h"
#include "ui/classinfo.h"
#include "ui/imglist.h"
#include "ui/stdctrls.h"
#include "ui/timer.h"
#include "win/skin_form/demo_forms.h"

using namespace skintest;

namespace {

using SkinDataTest = SkinTest;

TEST_F(SkinDataTest, PublishedPropertiesStartAtTheirDefaults) {
  TSkinData data(nullptr);
  auto prop = [&](const char* name) { return GetPropText(&data, name).value_or(L"<absent>"); };
  EXPECT_EQ(prop("Active"), L"False");
  EXPECT_EQ(prop("DisableTag"), L"99");
  EXPECT_EQ(data.SkinControls.Bits(), 0x7FFFBu);
  EXPECT_TRUE(data.Options.Empty());
  EXPECT_EQ(prop("SkinFile"), L"");
  EXPECT_EQ(prop("SkinStore"), L"(none)");
  EXPECT_EQ(prop("SkinFormtype"), L"sfMainform");
  EXPECT_EQ(prop("Version"), L"3.02.03.09");
  EXPECT_EQ(prop("MenuUpdate"), L"True");
  EXPECT_EQ(prop("MenuMerge"), L"False");
  EXPECT_EQ(data.Skin3rd(), kq::skin::DefaultSkin3rd());
  EXPECT_EQ(data.Skin3rd().size(), 110u);
  EXPECT_TRUE(data.NotLoaded);
  EXPECT_TRUE(data.NCPaintEnabled);
  EXPECT_TRUE(data.DefaultIcon().Empty());
  EXPECT_FALSE(data.OnWindowCreated);
  // The fixed texts do not change.
  EXPECT_TRUE(SetPropText(&data, "Version", L"9.9"));
  EXPECT_TRUE(SetPropText(&data, "SkinStore", L"(Good)"));
  EXPECT_EQ(prop("Version"), L"3.02.03.09");
  EXPECT_EQ(prop("SkinStore"), L"(none)");
  // Sets and enumerations by name.
  EXPECT_TRUE(SetPropText(&data, "SkinControls", L"[xcMainMenu,xcTab]"));
  EXPECT_TRUE(data.SkinControls.Has(xcTab));
  EXPECT_FALSE(data.SkinControls.Has(xcButton));
  EXPECT_TRUE(SetPropText(&data, "SkinFormtype", L"sfDialog"));
  EXPECT_EQ(data.SkinFormtype, sfDialog);
  // No skin manager is made by creating a component.
  EXPECT_EQ(SkinManager(), nullptr);
}

TEST_F(SkinDataTest, Skin3rdAssignmentCopiesTheRows) {
  TSkinData data(nullptr);
  std::vector<std::string> rows = {"TMyGrid=scrollbar", "TMyPanel=panel"};
  data.SetSkin3rd(rows);
  rows.clear();
  EXPECT_EQ(data.Skin3rd().size(), 2u);
  EXPECT_TRUE(SetPropText(&data, "Skin3rd", L"TA=nil\r\nTB=edit\r\n"));
  EXPECT_EQ(data.Skin3rd(), (std::vector<std::string>{"TA=nil", "TB=edit"}));
}

TEST_F(SkinDataTest, StoredSkinLoadsAndWritesBack) {
  TSkinData data(nullptr);
  const auto stream = MainSkinStream();
  ASSERT_TRUE(data.ReadSkinStream(stream));
  EXPECT_TRUE(data.SkinLoaded());
  EXPECT_EQ(data.SkinName, "Test");
  EXPECT_EQ(data.BorderTop.Bitmap.Height() / data.BorderTop.FrameCount, kMainFrame.top);
  EXPECT_EQ(data.ButtonFaceColour, kq::MakeColor(200, 210, 220));
  EXPECT_NE(data.FaceBrush(), nullptr);
  EXPECT_EQ(data.WriteSkinStream(), stream);
  // Nothing is lost in a round trip through a second component.
  TSkinData copy(nullptr);
  ASSERT_TRUE(copy.ReadSkinStream(data.WriteSkinStream()));
  EXPECT_TRUE(copy.SkinLoaded());
}

// The program stores its skin once per display scale; the component takes the variant drawn
// for the display's dpi, and the one below it for a dpi that has none. A stream or skin file
// given directly counts as drawn for 96 dpi. (The variants' lengths: unit_skin_model.)
TEST_F(SkinDataTest, TheStoredVariantForTheDisplayDpiIsTaken) {
  const std::pair<int, int> cases[] = {{96, 96}, {120, 120}, {144, 144}, {168, 168}, {192, 192}, {132, 120}, {240, 192}};
  for (const auto& [display, drawnFor] : cases) {
    SCOPED_TRACE(display);
    TSkinData data(nullptr);
    ASSERT_TRUE(data.ReadStoredSkin(nullptr, display));
    EXPECT_TRUE(data.SkinLoaded());
    EXPECT_EQ(data.SkinDpi(), drawnFor);
    if (display == 144) {
      ASSERT_TRUE(data.ReadSkinStream(MainSkinStream()));
      EXPECT_EQ(data.SkinDpi(), 96);
    }
  }
}

TEST_F(SkinDataTest, LengthZeroLoadsNothingAndTruncatedStreamsAreRefused) {
  TSkinData data(nullptr);
  EXPECT_TRUE(data.ReadSkinStream(std::vector<std::uint8_t>{0, 0, 0, 0}));
  EXPECT_FALSE(data.SkinLoaded());
  EXPECT_EQ(data.WriteSkinStream(), (std::vector<std::uint8_t>{0, 0, 0, 0}));
  // A negative length reads as nothing too.
  EXPECT_TRUE(data.ReadSkinStream(std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_FALSE(data.SkinLoaded());
  // A stream shorter than its length word leaves everything as it was.
  ASSERT_TRUE(data.ReadSkinStream(MainSkinStream()));
  auto cut = MainSkinStream();
  cut.resize(cut.size() - 10);
  EXPECT_FALSE(data.ReadSkinStream(cut));
  EXPECT_TRUE(data.SkinLoaded());
  EXPECT_EQ(data.WriteSkinStream(), MainSkinStream());
  EXPECT_FALSE(data.ReadSkinStream(std::vector<std::uint8_t>{1, 0}));
}

TEST_F(SkinDataTest, OlderArchiveIsReportedAndLeavesNoSkin) {
  TSkinData data(nullptr);
  std::vector<std::string> notices;
  data.Notice = [&](const std::string& t) { notices.push_back(t); };
  EXPECT_TRUE(data.ReadSkinStream(SkinStream(SkinFile(kMainFrame, kq::MakeColor(1, 2, 3), 10000))));
  EXPECT_FALSE(data.SkinLoaded());
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], "This is Older Skin File\rPlease update to new version !");
  EXPECT_FALSE(data.LoadSkin());
}

// A form whose skin component fails to load while the form is being built: the error is
// shown once, the form is built all the same, and it runs unskinned.
class TFailingSkinForm : public TForm {
  KQ_CLASS(TFailingSkinForm, TForm)

 public:
  explicit TFailingSkinForm(TComponent* owner, const std::vector<std::uint8_t>& stream) : TForm(owner) {
    BeginLoading();
    SkinData1 = new TSkinData(this);
    SkinData1->Notice = [](const std::string&) { throw kq::ElzhException(kq::kLzhNoMemoryText); };
    SkinData1->ReadSkinStream(stream);
    SkinData1->SetActive(true);
    Button1 = new TButton(this);
    Button1->SetParent(this);
    EndLoading();
  }
  TSkinData* SkinData1;
  TButton* Button1;
};

TEST_F(SkinDataTest, AnExceptionOfTheLoadIsShownOnceAndTheFormRunsUnskinned) {
  std::vector<std::string> shown;
  app->OnException = [&](std::exception_ptr e) {
    try {
      std::rethrow_exception(e);
    } catch (const kq::Error& error) {
      shown.push_back(error.what());
    }
  };
  auto* form = new TFailingSkinForm(app, SkinStream(SkinFile(kMainFrame, kq::MakeColor(1, 2, 3), 10000)));
  EXPECT_EQ(shown, std::vector<std::string>{kq::kLzhNoMemoryText});
  EXPECT_FALSE(form->SkinData1->SkinLoaded());
  EXPECT_FALSE(form->SkinData1->GetActive());
  EXPECT_NE(form->Button1, nullptr);
  delete form;
}

TEST_F(SkinDataTest, SkinFileReplacesTheStoredSkinOnlyWhenItExists) {
  TSkinData data(nullptr);
  ASSERT_TRUE(data.ReadSkinStream(MainSkinStream()));
  data.SetSkinFile(L"Z:\\no\\such\\file.skn");
  EXPECT_TRUE(data.SkinLoaded());  // the current skin stays
  EXPECT_EQ(data.BorderTop.Bitmap.Height() / 2, kMainFrame.top);
  EXPECT_EQ(data.SkinFile(), L"Z:\\no\\such\\file.skn");

  const auto dir = std::filesystem::temp_directory_path() / "kq_skinfile_test";
  std::filesystem::create_directories(dir);
  const auto path = dir / "dialog.skn";
  {
    const auto file = SkinFile(kDialogFrame);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  }
  data.SetSkinFile(path.wstring());
  EXPECT_TRUE(data.SkinLoaded());
  EXPECT_EQ(data.BorderTop.Bitmap.Height() / 2, kDialogFrame.top);
  // The file's bytes are now the stored skin.
  EXPECT_EQ(data.WriteSkinStream(), SkinStream(SkinFile(kDialogFrame)));
  std::filesystem::remove_all(dir);
}

TEST_F(SkinDataTest, MayBeSkinnedAsksTheApplicationFirst) {
  TSkinData data(nullptr);
  bool doSkin = true;
  data.MayBeSkinned("SysMonthCal32", doSkin);
  EXPECT_FALSE(doSkin);
  doSkin = true;
  data.MayBeSkinned("TfrPreview", doSkin);
  EXPECT_TRUE(doSkin);
  data.SkinControls.Include(xcFastReport);
  data.MayBeSkinned("TfrPreview", doSkin);
  EXPECT_FALSE(doSkin);
  doSkin = true;
  data.MayBeSkinned("tfrpreview", doSkin);
  EXPECT_TRUE(doSkin);
  // With a handler, the handler alone decides.
  std::vector<std::string> asked;
  data.OnFormSkin = [&](TObject* sender, const std::string& name, bool& d) {
    EXPECT_EQ(sender, &data);
    EXPECT_TRUE(d);
    asked.push_back(name);
    d = name != "TOther";
  };
  doSkin = true;
  data.MayBeSkinned("SysMonthCal32", doSkin);
  EXPECT_TRUE(doSkin);
  data.MayBeSkinned("TOther", doSkin);
  EXPECT_FALSE(doSkin);
  EXPECT_EQ(asked, (std::vector<std::string>{"SysMonthCal32", "TOther"}));
}

TEST_F(SkinDataTest, StoredMainWindowLoadsAndRequestsActivation) {
  auto* main = app->CreateForm<TDemoMain>();
  TSkinData* data = main->SkinData1;
  EXPECT_TRUE(data->SkinLoaded());
  EXPECT_TRUE(data->Active());
  TSkinManage* m = SkinManager();
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->MainSkinData, data);
  EXPECT_EQ(m->SkinDataList, (std::vector<TSkinData*>{data}));
  EXPECT_NE(m->HookHandle, nullptr);
  EXPECT_EQ(m->PendingAction, 1);
  EXPECT_EQ(m->Timer()->Interval(), 250u);
  // Nothing was activated yet: the request only switched skinning on.
  EXPECT_EQ(m->StartState, 0);
  EXPECT_TRUE(m->SkinningEnabled);
  EXPECT_FALSE(m->Timer()->Enabled());
  // The menu bar is skinned, so menu items are not owner-drawn on top of it.
  EXPECT_FALSE(data->SkinControls.Has(xcMenuItem));
  EXPECT_TRUE(data->SkinControls.Has(xcSystemMenu));
}

TEST_F(SkinDataTest, EmptyStoredSkinTurnsActiveOffInLoaded) {
  auto* main = app->CreateForm<TDemoMain>(std::vector<std::uint8_t>{0, 0, 0, 0});
  EXPECT_FALSE(main->SkinData1->SkinLoaded());
  EXPECT_FALSE(main->SkinData1->Active());
  TSkinManage* m = SkinManager();
  ASSERT_NE(m, nullptr);
  EXPECT_FALSE(m->SkinningEnabled);
  EXPECT_EQ(m->PendingAction, 0);
  // Switching on without a skin is ignored.
  main->SkinData1->SetActive(true);
  EXPECT_FALSE(m->SkinningEnabled);
  EXPECT_EQ(m->PendingAction, 0);
}

TEST_F(SkinDataTest, SkinControlsAdjustmentWithoutMenuBar) {
  class TNoMenuBar : public TForm {
    KQ_CLASS(TNoMenuBar, TForm)
   public:
    TSkinData* data;
    explicit TNoMenuBar(TComponent* o) : TForm(o) {
      BeginLoading();
      data = new TSkinData(this);
      data->ReadSkinStream(MainSkinStream());
      data->SkinControls = TSkinControls(0xFFFFFu);
      data->SkinControls.Exclude(xcMainMenu);
      EndLoading();
    }
  };
  auto* f = app->CreateForm<TNoMenuBar>();
  EXPECT_TRUE(f->data->SkinControls.Has(xcMenuItem));
  EXPECT_FALSE(f->data->SkinControls.Has(xcSystemMenu));
}

TEST_F(SkinDataTest, MenuGlyphsComeFromTheProgramsBitmap) {
  TSkinData data(nullptr);
  ASSERT_NE(data.MenuGlyphs(), nullptr);
  EXPECT_EQ(data.MenuGlyphs()->Width(), 16);
  EXPECT_EQ(data.MenuGlyphs()->Height(), 16);
  // Restore, maximise, minimise and close at least, for the system popup's items.
  EXPECT_GE(data.MenuGlyphs()->Count(), 4);
}

}  // namespace
