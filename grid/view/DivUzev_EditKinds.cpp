// The editor switch's part for the control editors beside the text and
// combo editors: which kinds have a control, making the controls, and
// opening, reading and closing them over a cell.
//
// An editor the user did not touch writes nothing back when the cell's
// text was not a value of its kind (empty, or no date): opening and
// leaving such a cell keeps it as it was.
#include <algorithm>
#include <cctype>
#include <vector>

#include "framework/rtl/Locale.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevDropDownEditors.h"
#include "grid/view/DivUzevEditLink.h"
#include "grid/view/DivUzevEditors.h"
#include "grid/view/DivUzevKindEditors.h"

namespace {

// The integer a text starts with (blanks, a sign, digits); 0 when none.
int LeadingInt(const std::string& Text) {
  size_t i = 0;
  while (i < Text.size() && (Text[i] == ' ' || Text[i] == '\t')) ++i;
  size_t j = i;
  if (j < Text.size() && (Text[j] == '-' || Text[j] == '+')) ++j;
  const size_t digits = j;
  while (j < Text.size() && std::isdigit(static_cast<unsigned char>(Text[j])) != 0) ++j;
  if (j == digits) return 0;
  int32_t v = 0;
  // Too many digits for an integer: the nearest bound.
  if (!TryStrToInt(Text.substr(i, j - i), v)) return Text[i] == '-' ? INT32_MIN : INT32_MAX;
  return v;
}

// An editor opens on the first part of the date (or time).
void FirstPart(TDateTimePicker* P) {
  for (int i = 0; i < static_cast<int>(P->Fields().size()); ++i)
    if (P->Fields()[static_cast<size_t>(i)].Kind != fkLiteral) {
      P->SetActiveField(i);
      return;
    }
}

template <class T>
void Place(T* C, const TRect& R, int W, int H) {
  C->SetBounds(R.Left, R.Top, W, H);
}

}  // namespace

// ---------------------------------------------------------------------------
// The controls

namespace {
// A new control editor of Grid: a hidden, disabled child until a cell shows it.
template <class T>
T* HiddenEditor(TDedAdararAdoz* Grid) {
  auto* e = new T(Grid);
  e->SetParent(Grid);
  e->SetVisible(false);
  e->SetEnabled(false);
  return e;
}
}  // namespace

TGridCheckBox* TDedAdararAdoz::EditCheck() {
  if (FEditCheck == nullptr && !FEditorsFreed) FEditCheck = HiddenEditor<TGridCheckBox>(this);
  return FEditCheck;
}

TGridEditBtn* TDedAdararAdoz::EditBtn() {
  if (FEditBtn == nullptr && !FEditorsFreed) FEditBtn = HiddenEditor<TGridEditBtn>(this);
  return FEditBtn;
}

TGridUnitEditBtn* TDedAdararAdoz::UnitEditBtn() {
  if (FUnitEditBtn == nullptr && !FEditorsFreed) {
    FUnitEditBtn = HiddenEditor<TGridUnitEditBtn>(this);
    FUnitEditBtn->OnUnitChanged = [this](TObject*, const std::string& NewUnit) {
      if (OnUnitChanged) OnUnitChanged(this, Col(), Row(), NewUnit);
    };
  }
  return FUnitEditBtn;
}

TGridButton* TDedAdararAdoz::GridButton() {
  if (FGridButton == nullptr && !FEditorsFreed) {
    FGridButton = HiddenEditor<TGridButton>(this);
    FGridButton->OnClick = [this](TObject* Sender) { DoGridButtonClick(Sender); };
  }
  return FGridButton;
}

void TDedAdararAdoz::FreeKindEditors() {
  delete FEditCheck;
  FEditCheck = nullptr;
  delete FEditSpin;
  FEditSpin = nullptr;
  delete FEditBtn;
  FEditBtn = nullptr;
  delete FUnitEditBtn;
  FUnitEditBtn = nullptr;
  delete FGridButton;
  FGridButton = nullptr;
  delete FDatePicker;
  FDatePicker = nullptr;
  delete FDateTimePicker;
  FDateTimePicker = nullptr;
  delete FInplaceRichEdit;
  FInplaceRichEdit = nullptr;
  // The drop-down editors go with the others, before the grid itself.
  if (TDropDownEditorProvider* p = DropDownEditorProvider()) {
    std::vector<TComponent*> dropDowns;
    for (int i = 0; i < ComponentCount(); ++i)
      if (p->KindOf(Components(i)) != edNone) dropDowns.push_back(Components(i));
    for (TComponent* c : dropDowns) delete c;
  }
}

TGridSpin* TDedAdararAdoz::SpinEdit() {
  if (FEditSpin == nullptr && !FEditorsFreed) FEditSpin = HiddenEditor<TGridSpin>(this);
  return FEditSpin;
}

TGridDatePicker* TDedAdararAdoz::DateTimePicker() {
  if (FDatePicker == nullptr && !FEditorsFreed) {
    FDatePicker = HiddenEditor<TGridDatePicker>(this);
    FDatePicker->OnDropDown = [this](TObject*) { DoDatePickerDropDown(); };
    FDatePicker->OnCloseUp = [this](TObject*) { DoDatePickerCloseUp(); };
    FDatePicker->OnChange = [this](TObject*) {
      DoDatePickerChange(FDatePicker->DateTime(), FDatePicker->Kind() == dtkTime);
    };
  }
  return FDatePicker;
}

TGridDateTimePicker* TDedAdararAdoz::DateAndTimePicker() {
  if (FDateTimePicker == nullptr && !FEditorsFreed) FDateTimePicker = HiddenEditor<TGridDateTimePicker>(this);
  return FDateTimePicker;
}

ZEveRozoDiva* TDedAdararAdoz::InplaceRichEdit() {
  if (FInplaceRichEdit == nullptr && !FEditorsFreed) {
    FInplaceRichEdit = HiddenEditor<ZEveRozoDiva>(this);
    FInplaceRichEdit->OnSelectionChange = [this](TObject*) {
      if (OnRichEditSelectionChange) OnRichEditSelectionChange(this);
    };
  }
  return FInplaceRichEdit;
}

// ---------------------------------------------------------------------------
// Grid services the editors use

void TDedAdararAdoz::DoEllipsClick(const std::string& Text, std::string& S) {
  S = Text;
  if (OnEllipsClick) OnEllipsClick(this, RealCol(), Row(), S);
}

void TDedAdararAdoz::TakeColumnEditorSettings(TStrings* ComboItems, int DropDownCount, int SpinMin,
                                              int SpinMax, int SpinStep, TComponent* EditLink) {
  // The drop-down of a column's cell offers that column's items as they are
  // now (code may refill them between edits).
  if (FEditCombo != nullptr && ComboItems != nullptr) FEditCombo->Items()->Assign(ComboItems);
  FControlLook->SetDropDownCount(DropDownCount);
  FColumnSpinSet = true;
  FColumnSpinMin = SpinMin;
  FColumnSpinMax = SpinMax;
  FColumnSpinStep = SpinStep;
  // Each column brings its own custom editor, or none.
  FEditLink = dynamic_cast<TEditLink*>(EditLink);
}

bool TDedAdararAdoz::ReadCellDate(const std::string& Text, TDateTime& Value) {
  if (Trim(Text).empty()) return false;
  if (OnCustomStrToDate) {
    Value = Now();
    OnCustomStrToDate(this, Text, Value);
    return true;
  }
  return TryStrToDateTime(Text, Value) || TryStrToDate(Text, Value);
}

void TDedAdararAdoz::ShowEntryNote() {
  if (!FInvalidEntryTitle.empty() || !FInvalidEntryText.empty()) ShowInvalidEntryBalloon();
}

// ---------------------------------------------------------------------------
// The switch

bool TDedAdararAdoz::HasKindEditControl(TEditorType Kind) {
  switch (Kind) {
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit:
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn:
    case edCheckBox:
    case edButton:
    case edRichEdit:
      return true;
    case edCustom:
      return FEditLink != nullptr;
    case edTrackbarDropDown:
    case edMemoDropDown:
    case edCalculatorDropDown:
    case edTimePickerDropDown:
    case edDetailDropDown:
    case edGridDropDown:
    case edColorPickerDropDown:
    case edImagePickerDropDown:
    case edDivUzevDropDown:
      return DropDownEditorProvider() != nullptr;
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit:
    case edDateTimeEdit:
      return ComCtl470Available();
    default:
      return false;
  }
}

TWinControl* TDedAdararAdoz::ShowKindEditControl(TEditorType Kind, int ACol, int ARow, const TRect& Rect,
                                                 TColor Color, TFont* AFont) {
  const int dc = DisplColIndexOf(ACol);
  const int w = Rect.Right - Rect.Left - 1;
  const int h = Rect.Bottom - Rect.Top - 1;
  FEditMode = true;
  FDateUnread = false;
  switch (Kind) {
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit: {
      TGridSpin* sp = SpinEdit();
      if (sp == nullptr) return nullptr;
      sp->ReCreate();
      Place(sp, Rect, w, h);
      sp->SetVisible(true);
      sp->SetEnabled(true);
      sp->SetColor(Color);
      sp->SetExcelStyleDecimalSeparator(ExcelStyleDecimalSeparator());
      if (FColumnSpinSet) {
        sp->SetMinValue(FColumnSpinMin);
        sp->SetMaxValue(FColumnSpinMax);
        sp->SetIncrement(FColumnSpinStep);
      }
      GetEditorProp(ACol, ARow, FEditLink);
      const std::string text = GetEditText(dc, ARow);
      // The cell's value is shown as it is, also outside the bounds: a value
      // set by code would be clamped, and leaving would write another one.
      switch (Kind) {
        case edSpinEdit:
          sp->SetSpinType(sptNormal);
          sp->SetText(IntToStr(LeadingInt(text)));
          break;
        case edFloatSpinEdit: {
          sp->SetSpinType(sptFloat);
          double v = 0;
          const std::string n = ExtractNumberText(text);
          if (!n.empty()) TryStrToFloat(n, v, '.');
          sp->SetText(sp->Precision() > 0 ? FloatToStrF(v, ffFixed, 15, sp->Precision()) : FloatToStr(v));
          break;
        }
        case edTimeSpinEdit:
          sp->SetSpinType(sptTime);
          sp->SetText(text);
          break;
        default: {
          sp->SetSpinType(sptDate);
          TDateTime d = 0;
          FDateUnread = Trim(text).empty() || !TryStrToDate(Trim(text), d);
          sp->SetText(DateToStr(FDateUnread ? Now() : d));
          break;
        }
      }
      FKindShownText = sp->Text();
      if (sp->CanFocus()) sp->SetFocus();
      if (FSpinUpClick) sp->StepUp(false);
      if (FSpinDnClick) sp->StepDown(false);
      FSpinUpClick = FSpinDnClick = false;
      return sp;
    }
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn: {
      TGridEditBtn* e = EditBtn();
      e->ReCreate();
      e->SetEditMask(std::string());
      e->SetBounds(Rect.Left, Rect.Top, w, e->Height());
      e->SetText(GetEditText(dc, ARow));
      e->SetMaxLength(GetEditLimit());
      e->SetVisible(true);
      e->SetEnabled(true);
      e->SetColor(Color);
      GetEditorProp(ACol, ARow, FEditLink);
      if (e->CanFocus()) e->SetFocus();
      e->SetHeight(h);
      if (Kind == edMaskEditBtn) {
        e->SetEditMask(GetEditMask(dc, ARow));
        if (e->AutoSelect()) e->SelectAll();
      }
      return e;
    }
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn: {
      TGridUnitEditBtn* e = UnitEditBtn();
      e->ReCreate();
      e->SetBounds(Rect.Left, Rect.Top, w, e->Height());
      const std::string t = GetEditText(dc, ARow);
      e->SetMaxLength(GetEditLimit());
      e->SetUnitID(std::string());
      e->SetText(std::string());
      // The application gives the units first: the split needs them.
      GetEditorProp(ACol, ARow, FEditLink);
      e->SetTextAndUnit(t);
      e->SetVisible(true);
      e->SetEnabled(true);
      e->SetColor(Color);
      if (e->CanFocus()) e->SetFocus();
      e->SetHeight(h);
      return e;
    }
    case edCheckBox: {
      TGridCheckBox* c = EditCheck();
      c->ReCreate();
      Place(c, Rect, w, h);
      c->SetCaption(GetEditText(dc, ARow));
      c->SetEnabled(true);
      c->SetState(cbUnchecked);
      c->SetVisible(true);
      GetEditorProp(ACol, ARow, FEditLink);
      if (c->CanFocus()) c->SetFocus();
      return c;
    }
    case edButton: {
      TGridButton* b = GridButton();
      b->ReCreate();
      b->SetBounds(Rect.Left - 1, Rect.Top - 1, w + 2, h + 2);
      b->SetCaption(GetEditText(dc, ARow));
      b->SetVisible(true);
      b->SetEnabled(true);
      GetEditorProp(ACol, ARow, FEditLink);
      if (b->CanFocus()) b->SetFocus();
      return b;
    }
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit: {
      TGridDatePicker* p = DateTimePicker();
      if (p == nullptr) return nullptr;
      p->SetParent(this);
      p->ReCreate();
      const std::string t = GetEditText(dc, ARow);
      TDateTime v = Now();
      if (Kind == edTimeEdit) {
        TDateTime tv = 0;
        FDateUnread = Trim(t).empty() || !TryStrToTime(Trim(t), tv);
        p->SetKind(dtkTime);
        try {
          p->SetTime(FDateUnread ? Now() : tv);
        } catch (const Exception&) {
          FDateUnread = true;
        }
      } else {
        TDateTime d = 0;
        FDateUnread = !ReadCellDate(t, d);
        if (!FDateUnread && !OnCustomStrToDate) {
          // Outside the picker's bounds: the nearest day inside.
          if (p->MaxDate() != 0 && d > p->MaxDate()) d = p->MaxDate() - 1;
          if (p->MinDate() != 0 && d <= p->MinDate()) d = p->MinDate() + 1;
        }
        if (!FDateUnread) v = d;
        p->SetKind(dtkDate);
        p->SetDateMode(Kind == edDateEditUpDown ? dmUpDown : dmComboBox);
        GetEditorProp(ACol, ARow, FEditLink);
        try {
          p->SetDate(v);
        } catch (const Exception&) {
          // A date the picker's bounds refuse: today, or the first day it takes.
          try {
            p->SetDate(Now());
          } catch (const Exception&) {
            if (p->MinDate() != 0) p->SetDate(p->MinDate());
          }
          FDateUnread = true;
        }
      }
      p->SetChecked(true);
      p->SetUserChanged(false);
      FirstPart(p);
      p->SetBounds(Rect.Left, Rect.Top, w, h);
      p->SetEnabled(true);
      p->SetVisible(true);
      p->SetColor(Color);
      if (Kind == edTimeEdit) GetEditorProp(ACol, ARow, FEditLink);
      if (p->CanFocus()) p->SetFocus();
      if (Kind != edTimeEdit && FMouseActions->DirectDateDrop() && p->HandleAllocated())
        p->Perform(WM_KEYDOWN, VK_F4, 0);
      return p;
    }
    case edDateTimeEdit: {
      TGridDateTimePicker* p = DateAndTimePicker();
      if (p == nullptr) return nullptr;
      p->SetParent(this);
      p->UseDateAndTimeFormat();
      const std::string t = GetEditText(dc, ARow);
      TDateTime v = 0;
      FDateUnread = Trim(t).empty() || !TryStrToDateTime(Trim(t), v);
      if (FDateUnread) v = Now();
      FOriginalDateTime = v;
      try {
        p->SetDateTime(v);
      } catch (const Exception&) {
        p->SetDateTime(Now());
        FDateUnread = true;
      }
      p->SetChecked(true);
      p->SetUserChanged(false);
      FirstPart(p);
      p->SetBorderStyle(bsNone);
      p->SetBounds(Rect.Left, Rect.Top, w, std::max(h, p->Height()));
      GetEditorProp(ACol, ARow, FEditLink);
      p->SetEnabled(true);
      p->SetVisible(true);
      p->SetColor(Color);
      if (p->CanFocus()) p->SetFocus();
      return p;
    }
    case edRichEdit: {
      ZEveRozoDiva* r = InplaceRichEdit();
      if (r == nullptr) return nullptr;
      r->ReCreate();
      r->SetParent(this);
      r->SetBorderStyle(bsNone);
      Place(r, Rect, w, h);
      GetEditorProp(ACol, ARow, FEditLink);
      r->Lock();
      CellToRich(ACol, ARow, r);
      r->SetVisible(true);
      r->SetEnabled(true);
      r->SetColor(Color);
      if (r->CanFocus()) r->SetFocus();
      if (FNavigation->EditSelectAll()) r->SelectAll();
      r->Unlock();
      return r;
    }
    case edCustom:
      return FEditLink != nullptr ? OpenEditLink(ACol, ARow, Rect, Color, AFont) : nullptr;
    default: {
      TDropDownEditorProvider* p = DropDownEditorProvider();
      if (p == nullptr || !IsDropDownEditorKind(Kind) || FEditorsFreed) return nullptr;
      TWinControl* d = FindDropDownEditor(this, Kind);
      if (d == nullptr) d = p->Create(this, Kind);
      if (d == nullptr) return nullptr;
      p->Prepare(d, Kind, FComponentStyle, Color);
      // The application fills the editor (items, columns, ranges) here.
      GetEditorProp(ACol, ARow, FEditLink);
      p->Open(d, Kind, TRect(Rect.Left, Rect.Top, Rect.Left + w, Rect.Top + h), GetEditText(dc, ARow),
              Colors(ACol, ARow), FMouseActions->DirectComboDrop());
      return d;
    }
  }
}

void TDedAdararAdoz::HideKindEditControl(TEditorType Kind, int ACol, int ARow) {
  const bool write = !FEditCancelled;
  // EditMode is off before a control lets go of the focus: its exit then
  // does not end the edit a second time.
  auto hide = [this](TWinControl* C) {
    // The grid keeps the focus when its editor goes.
    if (C->Focused() && CanFocus()) SetFocus();
    C->SetEnabled(false);
    C->SetVisible(false);
  };
  switch (Kind) {
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit: {
      TGridSpin* sp = FEditSpin;
      if (sp == nullptr) return;
      FEditMode = false;
      // Text that is no value within the bounds is never written as another.
      if (write && !sp->IsValidText(sp->Text()) && !(sp->AllowEmptyValue() && Trim(sp->Text()).empty())) {
        MessageBeep(0);
      } else if (write && !(FDateUnread && sp->Text() == FKindShownText)) {
        if (sp->AllowEmptyValue() && Trim(sp->Text()).empty())
          SetCellEx(ACol, ARow, std::string());
        else if (Kind == edSpinEdit)
          SetInts(ACol, ARow, sp->Value());
        else if (Kind == edFloatSpinEdit)
          SetFloats(ACol, ARow, sp->FloatValue());
        else if (Kind == edTimeSpinEdit)
          WriteEditText(ACol, ARow, sp->Text());
        else
          SetDates(ACol, ARow, sp->DateValue());
      }
      hide(sp);
      break;
    }
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
      if (FEditBtn == nullptr) return;
      FEditMode = false;
      if (write) WriteEditText(ACol, ARow, FEditBtn->Text());
      hide(FEditBtn);
      break;
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn:
      if (FUnitEditBtn == nullptr) return;
      FEditMode = false;
      if (write) WriteEditText(ACol, ARow, FUnitEditBtn->Text() + FUnitEditBtn->UnitID());
      hide(FUnitEditBtn);
      break;
    case edCheckBox:
      if (FEditCheck == nullptr) return;
      FEditMode = false;
      hide(FEditCheck);
      break;
    case edButton:
      if (FGridButton == nullptr) return;
      FEditMode = false;
      hide(FGridButton);
      break;
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit: {
      TGridDatePicker* p = FDatePicker;
      if (p == nullptr || !ComCtl470Available()) return;
      // An empty or unreadable cell the user left alone stays as it was.
      if (write && !(FDateUnread && !p->UserChanged()))
        WriteEditText(ACol, ARow, p->Checked() || Kind == edTimeEdit ? p->DisplayText() : std::string());
      FEditMode = false;
      if (p->DroppedDown()) p->SetDroppedDown(false);
      hide(p);
      break;
    }
    case edDateTimeEdit: {
      TGridDateTimePicker* p = FDateTimePicker;
      if (p == nullptr || !ComCtl470Available()) return;
      if (write && !(FDateUnread && !p->UserChanged())) {
        const TFormatSettings& fs = FormatSettings();
        WriteEditText(ACol, ARow,
                      p->Checked()
                          ? FormatDateTime(fs.ShortDateFormat + " " + fs.ShortTimeFormat, p->DateTime())
                          : std::string());
      }
      FEditMode = false;
      if (p->DroppedDown()) p->SetDroppedDown(false);
      hide(p);
      break;
    }
    case edRichEdit:
      if (FInplaceRichEdit == nullptr) return;
      FEditMode = false;
      if (write) WriteEditText(ACol, ARow, RichToString(FInplaceRichEdit));
      hide(FInplaceRichEdit);
      break;
    case edCustom:
      if (FEditLink != nullptr) CloseEditLink(ACol, ARow);
      break;
    default: {
      TDropDownEditorProvider* p = DropDownEditorProvider();
      TWinControl* d = p != nullptr && IsDropDownEditorKind(Kind) ? FindDropDownEditor(this, Kind) : nullptr;
      if (d == nullptr) return;
      FEditMode = false;
      p->ClosePopup(d);
      if (write) {
        std::string value = p->Value(d, Kind);
        TColor c = clNone;
        const bool colour = p->CellColor(d, Kind, c);
        // The application may change the picked colour or image first.
        if (Kind == edColorPickerDropDown && OnColorSelected) OnColorSelected(this, ACol, ARow, c, value);
        if (Kind == edImagePickerDropDown && OnImageSelected) {
          int index = StrToIntDef(value, -1);
          OnImageSelected(this, ACol, ARow, index);
          value = IntToStr(index);
        }
        WriteEditText(ACol, ARow, value);
        if (colour) SetColors(ACol, ARow, c);
      }
      hide(d);
      break;
    }
  }
}
