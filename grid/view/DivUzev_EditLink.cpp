// The custom editor link: opening the application's control over a cell
// (in place or on the link's own pop-up form), the keys that end its edit,
// and the value written back.
#include "framework/classes/Published.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Forms.h"
#include "framework/rtl/StrUtils.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevEditLink.h"

CF_ENUM_IDENTS(TEditStyle, esInplace, esPopup)

namespace {

// Stored layouts may place a link on a form and point a grid at it.
const TPublishedRegistrar kEditLinkTables([] {
  PublishClass<TEditLink>("TComponent", [](TPublish<TEditLink>& P) {
    using C = TEditLink;
    P.Bool("AutoPopupWidth", &C::AutoPopupWidth, &C::SetAutoPopupWidth).Default(false);
    P.Enum("EditStyle", &C::EditStyle, &C::SetEditStyle).Default(esInplace);
    P.Integer("PopupLeft", &C::PopupLeft, &C::SetPopupLeft).Default(-1);
    P.Integer("PopupTop", &C::PopupTop, &C::SetPopupTop).Default(-1);
    P.Integer("PopupWidth", &C::PopupWidth, &C::SetPopupWidth).Default(0);
    P.Integer("PopupHeight", &C::PopupHeight, &C::SetPopupHeight).Default(0);
    P.Bool("WantKeyLeftRight", &C::WantKeyLeftRight, &C::SetWantKeyLeftRight).Default(false);
    P.Bool("WantKeyUpDown", &C::WantKeyUpDown, &C::SetWantKeyUpDown).Default(false);
    P.Bool("WantKeyHomeEnd", &C::WantKeyHomeEnd, &C::SetWantKeyHomeEnd).Default(false);
    P.Bool("WantKeyPriorNext", &C::WantKeyPriorNext, &C::SetWantKeyPriorNext).Default(false);
    P.Bool("WantKeyReturn", &C::WantKeyReturn, &C::SetWantKeyReturn).Default(false);
    P.Bool("WantKeyEscape", &C::WantKeyEscape, &C::SetWantKeyEscape).Default(false);
    P.Integer("Tag", &C::Tag, &C::SetTag).Default(0);
  });
});

}  // namespace

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

TEditLink::~TEditLink() {
  if (FOwner != nullptr && FOwner->EditLink() == this) FOwner->SetEditLink(nullptr);
}

void TEditLink::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FOwner) FOwner = nullptr;
}

void TEditLink::Open(TDedAdararAdoz* Grid, int ACol, int ARow, const TRect& CellRect, TColor Color,
                     TFont* AFont, const std::string& Value, char32_t StartChar) {
  if (FOwner != Grid) {
    if (FOwner != nullptr) FOwner->RemoveFreeNotification(this);
    if (Grid != nullptr) Grid->FreeNotification(this);
  }
  FOwner = Grid;
  FEditCell = TGridCoord(ACol, ARow);
  if (FEditStyle == esPopup) {
    if (FAutoPopupWidth) FPopupWidth = CellRect.Width();
    // Each link keeps a form of its own: a second link never frees it.
    if (!FPopupForm) {
      FPopupForm = std::make_unique<TForm>(nullptr);
      FPopupForm->SetBorderStyle(bsNone);
      FPopupForm->SetFormStyle(fsStayOnTop);
      FPopupForm->OnDeactivate = [this](TObject* Sender) { FormExit(Sender); };
    }
    TPoint at = FPopupLeft >= 0 && FPopupTop >= 0 ? TPoint(FPopupLeft, FPopupTop)
                                                  : Grid->ClientToScreen(TPoint(CellRect.Left, CellRect.Top));
    FPopupForm->SetBounds(at.X, at.Y, FPopupWidth, FPopupHeight);
    FPopupForm->Show();
    CreateEditor(FPopupForm.get());
    SetRect(TRect(0, 0, FPopupWidth, FPopupHeight));
  } else {
    CreateEditor(Grid);
    SetRect(CellRect);
  }
  SetVisible(true);
  SetCellProps(Color, AFont);
  SetProperties();
  Grid->GetEditorProp(Grid->RealColIndex(ACol), ARow, this);
  SetEditorValue(Value);
  SetFocus(true);
  TWinControl* c = GetEditControl();
  if (StartChar != 0 && c != nullptr && c->HandleAllocated())
    PostMessage(c->Handle(), WM_CHAR, static_cast<WPARAM>(StartChar), 0);
}

std::string TEditLink::Close() {
  const std::string value = GetEditorValue();
  if (FEditStyle == esInplace) SetVisible(false);
  RestoreWinProc();
  return value;
}

void TEditLink::SetFocus(bool Value) {
  TWinControl* c = GetEditControl();
  if (c == nullptr) return;
  if (Value) {
    c->SetVisible(true);
    c->SetEnabled(true);
  }
  if (FEditStyle == esInplace && !FSubClassed) {
    // While the control edits, it claims Tab and the arrows from the dialog
    // keys when the grid moves by Tab.
    FKeptWndProc = c->WindowProc;
    FSubClassedControl = c;
    c->WindowProc = [this](TMessage& M) {
      if (M.Msg == WM_GETDLGCODE && FOwner != nullptr && FOwner->Options().Contains(goTabs)) {
        M.Result = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS;
        return;
      }
      FKeptWndProc(M);
      if (M.Msg == CN_COMMAND) ComboNotified(M.WParamHi());
    };
    FSubClassed = true;
  }
  if (Value) {
    if (c->CanFocus()) c->SetFocus();
  } else if (FOwner != nullptr && FOwner->CanFocus()) {
    FOwner->SetFocus();
  }
}

// A combo box as the link's control reports its changes through the grid's
// combo event, with the column as shown: a pick with its item, a typed
// text once with its item and once with -1 and the text.
void TEditLink::ComboNotified(UINT Code) {
  auto* combo = dynamic_cast<TCustomComboBox*>(FSubClassedControl);
  if (combo == nullptr || FOwner == nullptr || !FOwner->OnComboChange) return;
  if (Code != CBN_SELCHANGE && Code != CBN_EDITCHANGE) return;
  const int i = combo->ItemIndex();
  std::string item;
  if (i >= 0 && i < combo->Items()->Count()) item = Utf8Copy(combo->Items()->Strings(i), 0, 255);
  TDedAdararAdoz* grid = FOwner;
  grid->OnComboChange(grid, grid->Col(), grid->Row(), i, item);
  if (Code == CBN_EDITCHANGE && grid->OnComboChange)
    grid->OnComboChange(grid, grid->Col(), grid->Row(), -1, combo->Text());
}

void TEditLink::RestoreWinProc() {
  if (FEditStyle != esInplace || !FSubClassed) return;
  if (FSubClassedControl != nullptr) {
    FSubClassedControl->WindowProc = FKeptWndProc;
    FSubClassedControl->SetVisible(false);
  }
  FSubClassedControl = nullptr;
  FSubClassed = false;
}

void TEditLink::SetRect(TRect R) {
  TWinControl* c = GetEditControl();
  if (c == nullptr) return;
  const int line = FOwner != nullptr ? FOwner->GridLineWidth() : 0;
  c->SetBounds(R.Left, R.Top, R.Width() - line, R.Height() - line);
}

void TEditLink::SetVisible(bool Value) {
  if (TWinControl* c = GetEditControl()) c->SetVisible(Value);
}

TWinControl* TEditLink::GetParent() {
  if (FEditStyle == esPopup && FPopupForm) return FPopupForm.get();
  return FOwner;
}

std::string TEditLink::GetCellValue() {
  if (FOwner == nullptr) return std::string();
  return FOwner->GetCellsEx(FOwner->RealCol(), FOwner->Row());
}

void TEditLink::SetCellValue(const std::string& S) {
  if (FOwner != nullptr) FOwner->WriteEditText(FOwner->RealCol(), FOwner->Row(), S);
}

void TEditLink::HideEditor() {
  SetCellValue(GetEditorValue());
  if (FOwner != nullptr) FOwner->HideInplaceEdit();
  RestoreWinProc();
}

void TEditLink::EditExit(TObject*) {
  HideEditor();
  if (FEditStyle == esPopup && FPopupForm) {
    DestroyEditor();
    FPopupForm->Hide();
  }
}

void TEditLink::FormExit(TObject* Sender) {
  if (FOwner == nullptr || !FOwner->EditMode()) return;
  if (FForcedExit) {
    SetCellValue(GetEditorValue());
    return;
  }
  EditExit(Sender);
}

void TEditLink::EditKeyDown(TObject*, WORD& Key, TShiftState Shift) {
  if (FOwner == nullptr) return;
  const bool alt = Shift.Contains(ssAlt);
  bool leaves = alt || Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE ||
                (Key >= VK_PRIOR && Key <= VK_DOWN && Key != VK_HOME);
  if (!alt) {
    if ((Key == VK_UP || Key == VK_DOWN) && FWantKeyUpDown) leaves = false;
    if ((Key == VK_LEFT || Key == VK_RIGHT) && FWantKeyLeftRight) leaves = false;
    if ((Key == VK_END || Key == VK_HOME) && FWantKeyHomeEnd) leaves = false;
    if ((Key == VK_PRIOR || Key == VK_NEXT) && FWantKeyPriorNext) leaves = false;
    if (Key == VK_RETURN && FWantKeyReturn) leaves = false;
    if (Key == VK_ESCAPE && FWantKeyEscape) leaves = false;
    if (Key == VK_TAB && FWantTabs) leaves = false;
  }
  if (!leaves) return;
  TDedAdararAdoz* grid = FOwner;
  auto writeBack = [&]() {
    FForcedExit = true;
    if (grid->CanFocus()) grid->SetFocus();
    FForcedExit = false;
    grid->HideInplaceEdit();
  };
  const WORD key = Key;
  if (key == VK_TAB && grid->Navigation()->TabToNextAtEnd()) {
    writeBack();
    if (grid->TabAdvance(Shift.Contains(ssShift)) && !grid->HasControlGraphic(grid->RealCol(), grid->Row()) &&
        grid->HandleAllocated())
      PostMessage(grid->Handle(), WM_KEYDOWN, VK_F2, 0);
    Key = 0;
    return;
  }
  if (key == VK_ESCAPE) SetEditorValue(grid->OriginalCellValue());
  if (grid->EditMode()) writeBack();
  if (FEditStyle == esPopup && FPopupForm) {
    DestroyEditor();
    FPopupForm->Hide();
  }
  grid->SetEditMode(false);
  grid->Select();
  if (!grid->LastValidation()) {
    grid->ShowCellEdit();
    Key = 0;
    return;
  }
  Key = 0;
  if (key == VK_RETURN) {
    grid->EnterAdvance(grid->Col(), grid->Row());
  } else if (key == VK_TAB || (key >= VK_PRIOR && key <= VK_DOWN)) {
    WORD k = key;
    grid->KeyDown(k, Shift);
  }
  if (TWinControl* c = GetEditControl()) c->SetEnabled(false);
  FForcedExit = true;
  if (grid->CanFocus()) grid->SetFocus();
  FForcedExit = false;
  // Tabbing through the grid edits on: the next cell's editor opens.
  if (key == VK_TAB && grid->Options().Contains(goTabs) &&
      !grid->HasControlGraphic(grid->RealCol(), grid->Row()) && grid->HandleAllocated())
    PostMessage(grid->Handle(), WM_KEYDOWN, VK_F2, 0);
}

// ---------------------------------------------------------------------------
// The grid's side

TWinControl* TDedAdararAdoz::OpenEditLink(int ACol, int ARow, const TRect& Rect, TColor Color, TFont* AFont) {
  FEditMode = true;
  // The link types the key that started the edit into its control.
  const char32_t startChar = FStartEditChar;
  FStartEditChar = 0;
  FEditLink->Open(this, DisplColIndexOf(ACol), ARow, Rect, Color, AFont, GetCellsEx(ACol, ARow), startChar);
  return FEditLink->GetEditControl();
}

void TDedAdararAdoz::CloseEditLink(int ACol, int ARow) {
  const std::string value = FEditLink->Close();
  if (!FEditCancelled) WriteEditText(ACol, ARow, value);
  FEditMode = false;
}
