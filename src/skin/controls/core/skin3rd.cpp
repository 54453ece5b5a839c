#include "skin/controls/core/skin3rd.h"

#include "base/ascii_case.h"

namespace kq::skin {

const std::vector<std::string>& DefaultSkin3rd() {
  static const std::vector<std::string> rows = {
      "TAdvPanelGroup=embedscrollbar", "TComboboxex=combobox", "TRxSpeedButton=speedbutton",
      "TControlBar=Panel", "TTBDock=Panel", "TTBToolbar=Panel", "TAdvPageControl=nil",
      "TImageEnMView=scrollbar", "TImageEnView=scrollbar", "TAdvMemo=scrollbar",
      "TDBAdvMemo=scrollbar", "TcxDBLookupComboBox=combobox", "TcxDBComboBox=combobox",
      "TcxDBDateEdit=combobox", "TcxDBImageComboBox=combobox", "TcxDBCalcEdit=combobox",
      "TcxDBBlobEdit=combobox", "TcxDBPopupEdit=combobox", "TcxDBFontNameComboBox=combobox",
      "TcxDBShellComboBox=combobox", "TRxLookupEdit=combobox", "TRxDBLookupCombo=combobox",
      "TRzButton=button", "TRzBitbtn=bitbtn", "TRzMenuButton=bitbtn", "TRzCheckGroup=CheckGroup",
      "TRzRadioGroup=Radiogroup", "TRzRadioButton=Radiobutton", "TRzCheckBox=Checkbox",
      "TRzButtonEdit=Edit", "TRzDBRadioGroup=Radiogroup", "TRzDBRadioButton=Radiobutton",
      "TRzDateTimeEdit=combobox", "TRzColorEdit=combobox", "TRzDateTimePicker=combobox",
      "TRzDBDateTimeEdit=combobox", "TRzDbColorEdit=combobox", "TRzDBDateTimePicker=combobox",
      "TLMDGroupBox=Groupbox", "TDBCheckboxEh=Checkbox", "TDBCheckboxEh=Checkbox",
      "TLMDCHECKBOX=Checkbox", "TLMDDBCHECKBOX=Checkbox", "TLMDRadiobutton=Radiobutton",
      "TLMDCalculator=panel", "TLMDGROUPBOX=Panel", "TLMDSIMPLEPANEL=Panel",
      "TLMDDBCalendar=Panel", "TLMDButtonPanel=Panel", "TLMDLMDCalculator=Panel",
      "TLMDHeaderPanel=Panel", "TLMDTechnicalLine=Panel", "TLMDLMDClock=Panel",
      "TLMDTrackbar=panel", "TLMDListCombobox=combobox", "TLMDCheckListCombobox=combobox",
      "TLMDHeaderListCombobox=combobox", "TLMDImageCombobox=combobox",
      "TLMDColorCombobox=combobox", "TLMDFontCombobox=combobox", "TLMDFontSizeCombobox=combobox",
      "TLMDFontSizeCombobox=combobox", "TLMDPrinterCombobox=combobox",
      "TLMDDriveCombobox=combobox", "TLMDCalculatorComboBox=combobox",
      "TLMDTrackBarComboBox=combobox", "TLMDCalendarComboBox=combobox",
      "TLMDTreeComboBox=combobox", "TLMDRADIOGROUP=radiogroup", "TLMDCheckGroup=CheckGroup",
      "TLMDDBRADIOGROUP=radiogroup", "TLMDDBCheckGroup=CheckGroup", "TLMDCalculatorEdit=edit",
      "TLMDEDIT=Edit", "TLMDMASKEDIT=Edit", "TLMDBROWSEEDIT=Edit", "TLMDEXTSPINEDIT=Edit",
      "TLMDCALENDAREDIT=Edit", "TLMDFILEOPENEDIT=Edit", "TLMDFILESAVEEDIT=Edit",
      "TLMDCOLOREDIT=Edit", "TLMDDBEDIT=Edit", "TLMDDBMASKEDIT=Edit", "TLMDDBEXTSPINEDIT=Edit",
      "TLMDDBSPINEDIT=Edit", "TLMDDBEDITDBLookup=Edit", "TLMDEDITDBLookup=Edit",
      "TDBLookupCombobox=Combobox", "TWWDBCombobox=Combobox", "TWWDBLookupCombo=Combobox",
      "TWWDBCombobox=Combobox", "TWWKeyCombo=Combobox", "TWWTempKeyCombo=combobox",
      "TWWDBDateTimePicker=Combobox", "TWWRADIOGROUP=radiogroup", "TWWDBEDIT=Edit",
      "TcxButton=bitbtn", "TcxDBCheckBox=checkbox", "TcxDBRadioGroup=radiogroup",
      "TcxRadioGroup=radiogroup", "TcxCheckBox=checkbox", "TOVCPICTUREFIELD=Edit",
      "TOVCDBPICTUREFIELD=Edit", "TOVCSLIDEREDIT=Edit", "TOVCDBSLIDEREDIT=Edit",
      "TOVCSIMPLEFIELD=Edit", "TOVCDBSIMPLEFIELD=Edit", "TO32DBFLEXEDIT=Edit",
      "TOVCNUMERICFIELD=Edit", "TOVCDBNUMERICFIELD=Edit",
  };
  return rows;
}

std::optional<std::string> Skin3rdKind(const std::vector<std::string>& rows, std::string_view className) {
  const std::string key = AsciiLower(className) + "=";
  for (const std::string& row : rows) {
    if (row.size() < key.size()) continue;
    if (AsciiLower(std::string_view(row).substr(0, key.size())) != key) continue;
    return AsciiLower(std::string_view(row).substr(key.size(), 50));
  }
  return std::nullopt;
}

}  // namespace kq::skin
