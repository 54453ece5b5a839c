// TSkinData: the non-visual component that carries a skin and the settings that say what the
// skinners take over. The main window holds one (SkinData1) whose skin is stored with the
// window as the property "SkinStream" (a 4-byte length and the skin file). Reading that
// property unpacks the skin and builds the skin model (the TSkinModel base: frame edges,
// title, caption buttons, colours, control images), which every painter reads.
//
// What the skinners read of it (the model, brush, glyphs, icon and the settings of what is
// skinned) is its TSkinLook part (skin/controls/skin_look.h); the skinners are handed only that.
//
// Life: created by its form (properties at their defaults, no skin); the form's stored values
// are assigned while it loads (the skin is built when "SkinStream" is read); Loaded() joins
// the one skin manager (skin_manager.h), which then switches skinning on 250 ms later. Setting
// Active afterwards switches skinning off and on; ApplyChangedSkin re-applies a new skin to
// every form that uses this component.
//
//   auto* SkinData1 = new TSkinData(this);      // while the form is loading
//   SkinData1->ReadStoredSkin();                // the variant for the system dpi
//   SkinData1->SetActive(true);                 // applied by Loaded()
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "skin/controls/skin_look.h"
#include "skin/data/skin_variants.h"
#include "ui/component.h"
#include "ui/graphics.h"

class TControl;
class TSkinData;

// Asks the application whether a form or window class may be skinned.
using TOnFormSkin = std::function<void(TObject* sender, const std::string& aName, bool& DoSkin)>;
// Lets the application give a control its own skinner (the control-skinning side).
using TOnSkinControl = std::function<void(TComponent* sender, TSkinData* skinData, TControl* form,
                                          TControl* control, const std::string& controlClass,
                                          TComponent*& skinnedControl)>;
// Told of every new top-level window of the program (class name as registered).
using TOnWindowCreated = std::function<void(TObject* sender, HWND window, const std::string& className)>;

class TSkinData : public TComponent, public TSkinLook {
  KQ_DECLARE_CLASS(TSkinData)

 public:
  explicit TSkinData(TComponent* owner);
  ~TSkinData() override;

  // ---- published properties ----
  bool Active() const { return active_; }
  void SetActive(bool v);
  // DisableTag, SkinControls, Options, Skin3rd, SkinFormtype, MenuUpdate and MenuMerge are
  // fields of TSkinLook.
  // A skin file to load at run time instead of the stored skin.
  const std::wstring& SkinFile() const { return skin_file_; }
  void SetSkinFile(const std::wstring& path);
  // "(none)" at run time; assigning it changes nothing.
  std::wstring SkinStore() const;
  void SetSkinStore(const std::wstring&) {}
  // Always "3.02.03.09"; assigning it changes nothing.
  std::wstring Version() const;
  void SetVersion(const std::wstring&) {}
  TOnFormSkin OnFormSkin;
  TNotifyEvent OnSkinChanged;
  TOnSkinControl OnSkinControl;
  // Not published: told by the skin manager of every new top-level window.
  TOnWindowCreated OnWindowCreated;

  // ---- the stored skin ----
  // Reads the stored property "SkinStream": a little-endian 4-byte length N, then N bytes of
  // skin file. N <= 0 leaves the stored skin as it was; otherwise the bytes become the stored
  // skin and LoadSkin runs. Returns false (and changes nothing) when fewer than N bytes follow.
  // An exception of the load (the decoder's ElzhException, memory) is shown once through the
  // application's error box and leaves the skin not loaded: it never leaves the form that is
  // being built.
  // `dpi` is the dpi the skin was drawn for (SkinDpi).
  bool ReadSkinStream(std::span<const std::uint8_t> stream, int dpi = kq::kSkinDesignDpi);
  // The same from an RCDATA resource of the program; false when there is none.
  bool ReadSkinStreamResource(const wchar_t* name, HINSTANCE module = nullptr, int dpi = kq::kSkinDesignDpi);
  // Reads the stored skin variant for a display of `systemDpi` (0: the system's dpi) from
  // the program's resources (SKINSTREAM, SKINSTREAM120, ..., see skin_variants.h); false
  // when the program stores none.
  bool ReadStoredSkin(HINSTANCE module = nullptr, int systemDpi = 0);
  // The dpi the stored skin was drawn for: 96 for "SkinStream" and SkinFile skins, a stored
  // variant's own dpi. LoadSkin builds the model at these lengths; a skin drawn for another
  // dpi than the system's is scaled to it at load, one drawn for it is taken as it is.
  int SkinDpi() const { return skin_dpi_; }
  // Writes the property: the length and the bytes (length 0 alone when nothing is stored).
  std::vector<std::uint8_t> WriteSkinStream() const;
  const std::vector<std::uint8_t>& StoredSkin() const { return stored_; }

  // Builds the skin model from the stored skin. False (the skin then counts as not loaded)
  // for a skin archive of another version, which is reported by a message box, and for a
  // malformed skin or one over the load budget, which are not.
  bool LoadSkin();
  bool SkinLoaded() const { return !NotLoaded; }
  // How the "older skin" notice reaches the user: a message box captioned with the
  // application title unless replaced (tests record it instead).
  std::function<void(const std::string& text)> Notice;

  // Whether windows of this class may be skinned: OnFormSkin decides when assigned, else the
  // default rule (never "SysMonthCal32"; "Tfr..." report windows not while xcFastReport is set).
  void MayBeSkinned(const std::string& className, bool& DoSkin);
  // Fires OnSkinChanged; the skin manager calls it when it has applied a request.
  void NotifySkinChanged();
  // Re-applies the newly loaded skin to every form that uses this component.
  void ApplyChangedSkin();

  // Fires OnSkinControl, with this component.
  TComponent* ProgramSkinner(TComponent* sender, TControl* form, TControl* control,
                             const std::string& controlClass) override;

  // Published-property adapters.
  bool GetActive() const { return active_; }
  int GetDisableTag() const { return DisableTag; }
  void SetDisableTag(int v) { DisableTag = v; }
  unsigned GetSkinControls() const { return SkinControls.Bits(); }
  void SetSkinControlsBits(unsigned v) { SkinControls = TSkinControls(v); }
  unsigned GetOptions() const { return Options.Bits(); }
  void SetOptionsBits(unsigned v) { Options = TSkinOptions(v); }
  std::wstring GetSkin3rdText() const;
  void SetSkin3rdText(const std::wstring& lines);
  std::wstring GetSkinFile() const { return skin_file_; }
  TSkinFormType GetSkinFormtype() const { return SkinFormtype; }
  void SetSkinFormtype(TSkinFormType v) { SkinFormtype = v; }
  bool GetMenuUpdate() const { return MenuUpdate; }
  void SetMenuUpdate(bool v) { MenuUpdate = v; }
  bool GetMenuMerge() const { return MenuMerge; }
  void SetMenuMerge(bool v) { MenuMerge = v; }

 protected:
  void Loaded() override;

 private:
  // The part of Loaded that joins the skin manager (ApplyChangedSkin runs it too).
  void JoinSkinManager();
  void LoadMenuGlyphs();
  void ShowNotice(const std::string& text);

  bool active_ = false;
  std::wstring skin_file_;
  std::vector<std::uint8_t> stored_;
  int skin_dpi_ = kq::kSkinDesignDpi;
};

// Resource names of the program (resources/kqshutdown.rc).
inline constexpr wchar_t kSkinStreamResource[] = L"SKINSTREAM";
inline constexpr wchar_t kMenuGlyphsResource[] = L"SKINMENUGLYPHS";
