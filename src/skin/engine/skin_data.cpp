#include "skin/engine/skin_data.h"

#include <algorithm>
#include <cstring>

#include "base/encoding.h"
#include "base/file_io.h"
#include "skin/controls/core/skin3rd.h"
#include "skin/data/bmp.h"
#include "skin/data/skin_load.h"
#include "skin/engine/skin_manager.h"
#include "ui/application.h"
#include "ui/classinfo.h"
#include "ui/dpi.h"
#include "ui/forms.h"
#include "ui/imglist.h"
#include "ui/text.h"

using namespace kq::skin;

namespace {

const TEnumNames& ControlTypeNames() {
  static const TEnumNames names(kSkinControlTypeNames.begin(), kSkinControlTypeNames.end());
  return names;
}
const TEnumNames& OptionNames() {
  static const TEnumNames names(kSkinOptionNames.begin(), kSkinOptionNames.end());
  return names;
}
const TEnumNames& FormTypeNames() {
  static const TEnumNames names(kSkinFormTypeNames.begin(), kSkinFormTypeNames.end());
  return names;
}

// The packed DIB of a bitmap resource as a .bmp file, so the portable reader takes it.
bool ReadBitmapResource(HINSTANCE module, const wchar_t* name, kq::Bitmap& out) {
  HRSRC res = FindResourceW(module, name, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
  if (!res) return false;
  HGLOBAL mem = LoadResource(module, res);
  const DWORD size = SizeofResource(module, res);
  const auto* dib = static_cast<const std::uint8_t*>(LockResource(mem));
  if (!dib || size < sizeof(BITMAPINFOHEADER)) return false;
  BITMAPINFOHEADER bih;
  std::memcpy(&bih, dib, sizeof(bih));
  DWORD palette = 0;
  if (bih.biBitCount <= 8) palette = (bih.biClrUsed ? bih.biClrUsed : (1u << bih.biBitCount)) * 4;
  std::vector<std::uint8_t> file(14 + size);
  const DWORD offset = 14 + bih.biSize + palette;
  const DWORD total = static_cast<DWORD>(file.size());
  file[0] = 'B';
  file[1] = 'M';
  std::memcpy(&file[2], &total, 4);
  std::memcpy(&file[10], &offset, 4);
  std::memcpy(&file[14], dib, size);
  return kq::ReadBmp(file, out);
}

}  // namespace

const TClassInfo& TSkinData::StaticClass() {
  static const TClassInfo info(
      "TSkinData", &TComponent::StaticClass(),
      {
          props::Bool<TSkinData>("Active", &TSkinData::GetActive, &TSkinData::SetActive),
          props::Int<TSkinData, int>("DisableTag", &TSkinData::GetDisableTag, &TSkinData::SetDisableTag),
          props::Set<TSkinData>("SkinControls", ControlTypeNames(), &TSkinData::GetSkinControls,
                                &TSkinData::SetSkinControlsBits),
          props::Set<TSkinData>("Options", OptionNames(), &TSkinData::GetOptions, &TSkinData::SetOptionsBits),
          props::Text<TSkinData>("Skin3rd", &TSkinData::GetSkin3rdText, &TSkinData::SetSkin3rdText),
          props::Text<TSkinData>("SkinFile", &TSkinData::GetSkinFile, &TSkinData::SetSkinFile),
          props::Text<TSkinData>("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore),
          props::Enum<TSkinData, TSkinFormType>("SkinFormtype", FormTypeNames(), &TSkinData::GetSkinFormtype,
                                                &TSkinData::SetSkinFormtype),
          props::Text<TSkinData>("Version", &TSkinData::Version, &TSkinData::SetVersion),
          props::Bool<TSkinData>("MenuUpdate", &TSkinData::GetMenuUpdate, &TSkinData::SetMenuUpdate),
          props::Bool<TSkinData>("MenuMerge", &TSkinData::GetMenuMerge, &TSkinData::SetMenuMerge),
      });
  return info;
}

TSkinData::TSkinData(TComponent* owner) : TComponent(owner) {
  LoadMenuGlyphs();
}

TSkinData::~TSkinData() {
  Destroying();
  menu_glyphs_.reset();
  skin3rd_.clear();
  if (TSkinManage* m = SkinManager()) {
    // Windows skinned with this component cannot be painted without it: give them back.
    m->ReleaseSkinData(this);
    m->RemoveSkinData(this);
  }
}

// ---- properties --------------------------------------------------------------------------

std::wstring TSkinData::SkinStore() const { return kq::ui::Widen(SkinStoreText(false, !stored_.empty())); }

std::wstring TSkinData::Version() const { return kq::ui::Widen(kSkinVersion); }

std::wstring TSkinData::GetSkin3rdText() const {
  std::wstring out;
  for (const std::string& row : skin3rd_) out += kq::ui::Widen(row) + L"\r\n";
  return out;
}

void TSkinData::SetSkin3rdText(const std::wstring& lines) {
  std::vector<std::string> rows;
  std::wstring line;
  for (wchar_t c : lines + L"\n") {
    if (c == L'\r' || c == L'\n') {
      if (!line.empty()) rows.push_back(kq::ui::Narrow(line));
      line.clear();
    } else {
      line += c;
    }
  }
  skin3rd_ = std::move(rows);
}

void TSkinData::SetActive(bool v) {
  if (IsLoading()) {
    active_ = v;
    return;
  }
  if (v == active_) return;
  active_ = v;
  TSkinManage& m = EnsureSkinManager();
  switch (SkinFormtype) {
    case sfMainform:
      if (v) {
        if (NotLoaded) return;
        m.RequestAction(static_cast<int>(SkinAction::Activate), 250);
        m.StartState = kStartStarted;
        m.PendingSkinData = this;
      } else {
        m.RequestAction(static_cast<int>(SkinAction::Deactivate), 250);
        m.PendingSkinData = this;
      }
      break;
    case sfOnlyThisForm:
      m.PendingSkinData = this;
      if (v && NotLoaded) return;
      m.RequestAction(static_cast<int>(v ? SkinAction::Activate : SkinAction::Deactivate), 250);
      break;
    case sfDialog:
      break;
  }
}

void TSkinData::SetSkinFile(const std::wstring& path) {
  skin_file_ = path;
  if (path.empty()) return;
  // A name of a file that does not exist changes nothing else: the current skin stays.
  std::string bytes;
  if (kq::ReadWholeFile(kq::ui::Narrow(path), bytes) != kq::FileReadResult::kOk) return;
  stored_.assign(bytes.begin(), bytes.end());
  skin_dpi_ = kq::kSkinDesignDpi;
  LoadSkin();
  if (SkinFormtype == sfMainform) ApplyChangedSkin();
}

// ---- the stored skin -----------------------------------------------------------------------

bool TSkinData::ReadSkinStream(std::span<const std::uint8_t> stream, int dpi) {
  if (stream.size() < 4) return false;
  std::int32_t n = 0;
  for (int i = 3; i >= 0; --i) n = static_cast<std::int32_t>((static_cast<std::uint32_t>(n) << 8) | stream[static_cast<size_t>(i)]);
  if (n <= 0) return true;
  if (stream.size() - 4 < static_cast<std::size_t>(n)) return false;
  stored_.assign(stream.begin() + 4, stream.begin() + 4 + n);
  skin_dpi_ = dpi;
  // Read while its form is being built: nothing above would catch an error of the load,
  // so it is shown here, once, and the form goes on without a skin (Loaded then switches
  // skinning off).
  try {
    LoadSkin();
  } catch (const std::exception& e) {
    NotLoaded = true;
    if (Application) {
      Application->HandleException(std::current_exception());
    } else {
      ShowNotice(e.what());
    }
  }
  return true;
}

bool TSkinData::ReadSkinStreamResource(const wchar_t* name, HINSTANCE module, int dpi) {
  if (!module) module = GetModuleHandleW(nullptr);
  HRSRC res = FindResourceW(module, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!res) return false;
  HGLOBAL mem = LoadResource(module, res);
  const auto* data = static_cast<const std::uint8_t*>(LockResource(mem));
  if (!data) return false;
  return ReadSkinStream(std::span<const std::uint8_t>(data, SizeofResource(module, res)), dpi);
}

bool TSkinData::ReadStoredSkin(HINSTANCE module, int systemDpi) {
  if (!module) module = GetModuleHandleW(nullptr);
  if (systemDpi <= 0) systemDpi = kq::ui::ScreenDpi();
  std::vector<int> available;
  for (int dpi : kq::kStoredSkinDpis)
    if (FindResourceW(module, kq::ui::Widen(kq::StoredSkinResourceName(dpi)).c_str(), MAKEINTRESOURCEW(10)))
      available.push_back(dpi);
  const int dpi = kq::ChooseStoredSkinDpi(systemDpi, available);
  if (dpi == 0) return false;
  return ReadSkinStreamResource(kq::ui::Widen(kq::StoredSkinResourceName(dpi)).c_str(), module, dpi);
}

std::vector<std::uint8_t> TSkinData::WriteSkinStream() const {
  std::vector<std::uint8_t> out(4 + stored_.size());
  const auto n = static_cast<std::uint32_t>(stored_.size());
  for (int i = 0; i < 4; ++i) out[static_cast<size_t>(i)] = static_cast<std::uint8_t>(n >> (8 * i));
  std::copy(stored_.begin(), stored_.end(), out.begin() + 4);
  return out;
}

bool TSkinData::LoadSkin() {
  NotLoaded = true;
  // The reader, the unpacked archive and the parsed text live inside LoadSkinModel and are
  // released on every path out of it, an exception included.
  // A skin drawn for another dpi than the display's is scaled once, here, so painters
  // never stretch; a variant drawn for the display's dpi is taken as it is.
  const bool ok = kq::LoadSkinModel(*this, stored_, GetSystemMetrics(SM_CXHSCROLL),
                                    [this](const std::string& text) { ShowNotice(text); },
                                    skin_dpi_, kq::ui::ScreenDpi());
  if (!ok) return false;
  face_brush_.reset(kq::ui::CreateSolidBrushCounted(ColorToRGB(ButtonFaceColour)));
  return true;
}

void TSkinData::ShowNotice(const std::string& text) {
  if (Notice) {
    Notice(text);
    return;
  }
  const std::wstring caption = Application ? Application->Title() : std::wstring();
  MessageBoxW(nullptr, kq::ui::Widen(text).c_str(), caption.c_str(), MB_OK);
}

// ---- joining the skin manager ------------------------------------------------------------

void TSkinData::Loaded() {
  TComponent::Loaded();
  JoinSkinManager();
}

void TSkinData::JoinSkinManager() {
  TSkinManage& m = EnsureSkinManager();
  m.AddSkinData(this);
  if (SkinFormtype == sfMainform) {
    m.InstallHook();
    if (active_) {
      if (NotLoaded) {
        active_ = false;
      } else {
        // Pending as well: when windows were activated before, the request runs through the
        // timer, which acts only for a pending skin component.
        m.PendingSkinData = this;
        m.RequestAction(static_cast<int>(SkinAction::Activate), 250);
      }
    }
    SkinControls = AdjustSkinControls(SkinControls);
  } else {
    m.SkinningEnabled = true;
    // Started: a second form-only skin must not push the state past "started".
    if (m.StartState == kStartNone) m.StartState = kStartStarted;
    if (auto* form = dynamic_cast<TForm*>(Owner())) m.AttachFormSkinner(form->Handle());
  }
}

void TSkinData::MayBeSkinned(const std::string& className, bool& DoSkin) {
  if (OnFormSkin) {
    OnFormSkin(this, className, DoSkin);
    return;
  }
  DoSkin = DefaultMayBeSkinned(className, SkinControls);
}

void TSkinData::NotifySkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

void TSkinData::ApplyChangedSkin() {
  if (IsLoading()) return;
  if (!SkinManager()) JoinSkinManager();
  TSkinManage& m = EnsureSkinManager();
  m.PendingSkinData = this;
  m.RefreshFormSkinners();
  if (m.StartState == kStartStarted) m.RequestAction(static_cast<int>(SkinAction::SkinChanged), 250);
}

// ---- menu glyphs -------------------------------------------------------------------------

void TSkinData::LoadMenuGlyphs() {
  menu_glyphs_ = std::make_unique<TImageList>(nullptr);
  menu_glyphs_->SetSize(16, 16);
  kq::Bitmap strip;
  if (!ReadBitmapResource(GetModuleHandleW(nullptr), kMenuGlyphsResource, strip)) return;
  TBitmap bmp;
  bmp.Assign(strip);
  menu_glyphs_->AddMasked(bmp, clWhite);
}

TComponent* TSkinData::ProgramSkinner(TComponent* sender, TControl* form, TControl* control,
                                      const std::string& controlClass) {
  if (!OnSkinControl) return nullptr;
  TComponent* given = nullptr;
  OnSkinControl(sender, this, form, control, controlClass, given);
  return given;
}
