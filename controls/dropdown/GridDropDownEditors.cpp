// The drop-down editors of the grid: their shared key handling, and the
// provider through which the grid makes, fills and reads them.
#include "controls/dropdown/GridDropDownEditors.h"

#include "framework/classes/ClassRegistry.h"

#include "framework/controls/StdCtrls.h"
#include "framework/rtl/StrUtils.h"
#include "grid/view/DivUzevDropDownEditors.h"

namespace {

void FocusGrid(TDedAdararAdoz* G) {
  if (G != nullptr && G->CanFocus() && !G->Focused()) G->SetFocus();
}

}  // namespace

// ---------------------------------------------------------------------------
// The shared behaviour

template <class Base>
void TGridDropDownEditor<Base>::LoadCellText(const std::string& Value) {
  loading_ = true;
  if constexpr (requires(Base * b) { b->WriteQuiet(Value); })
    this->WriteQuiet(Value);
  else
    this->SetText(Value);
  loading_ = false;
}

template <class Base>
bool TGridDropDownEditor<Base>::IsSpecialKey(WORD Key) const {
  switch (Key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_UP:
    case VK_DOWN:
      return true;
    default:
      return false;
  }
}

template <class Base>
void TGridDropDownEditor<Base>::KeyDown(WORD& Key, TShiftState Shift) {
  Forced = false;
  bool special = IsSpecialKey(Key);
  WorkMode = Key != VK_BACK && Key != VK_DELETE;
  // Alt+Down opens the pop-up.
  if (Shift.Contains(ssAlt) && Key == VK_DOWN) special = false;
  TDedAdararAdoz* g = FGrid;
  if (!special || g == nullptr || !g->EditMode()) {
    Base::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_ESCAPE) {
    // The cell keeps the text it had when the edit began.
    LoadCellText(g->ReadCurrentCell());
    g->CancelInplaceEdit();
    FocusGrid(g);
    Key = 0;
    return;
  }
  if (IsValidatedKey(Key)) {
    BeforeValidate(Key);
    const std::string text = this->Text();
    g->WriteCurrentCell(text);
    if (!g->ValidateCell(text)) {
      LoadCellText(g->NewCellText());
      this->SelectAll();
      this->Invalidate();
      Key = 0;
      // The refused value stays in the editor: no editor opens on the next
      // cell either.
      g->SetNoAutoAdvance(true);
      return;
    }
    LoadCellText(g->ReadCurrentCell());
  }
  if (Key == VK_TAB && g->EditorWantsTab()) {
    const std::string text = this->Text();
    g->WriteCurrentCell(text);
    if (!g->ValidateCell(text)) {
      LoadCellText(g->NewCellText());
      const int end = static_cast<int>(this->RawText().size());
      this->Perform(EM_SETSEL, end, end);
      this->Invalidate();
      Key = 0;
      return;
    }
    g->HideInplaceEdit();
    FocusGrid(g);
    if (g->Options().Contains(goTabs))
      g->TabAdvance(Shift.Contains(ssShift));
    else if (g->HandleAllocated())
      PostMessage(g->Handle(), WM_KEYDOWN, VK_TAB, 0);
    Key = 0;
    return;
  }
  if (this->DroppedDown()) {
    g->HideInplaceEdit();
    // The current cell stays where it is.
    if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) Key = 0;
  } else if (Key == VK_END) {
    Base::KeyDown(Key, Shift);
    return;
  }
  g->DoneInplaceEdit(Key, Shift);
  // After Enter the next cell's editor opens by itself, as the combo's does.
  const TNavigation* nav = g->Navigation();
  if (Key == VK_RETURN && nav->AdvanceOnEnter() && nav->AdvanceAutoEdit() && !g->NoAutoAdvance())
    g->ShowInplaceEdit();
  Key = 0;
  Base::KeyDown(Key, Shift);
}

template <class Base>
void TGridDropDownEditor<Base>::KeyPress(char32_t& Key) {
  if (FGrid != nullptr && FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
  if (Key == 27 || Key == 13 || Key == 9) Key = 0;
  Base::KeyPress(Key);
}

template <class Base>
void TGridDropDownEditor<Base>::Change() {
  Base::Change();
  if (loading_ || FGrid == nullptr || !this->Visible() || !FGrid->EditMode()) return;
  if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->RealCol(), FGrid->Row(), this->Text());
}

template <class Base>
void TGridDropDownEditor<Base>::DoExit() {
  // The focus going into the editor's own pop-up is no leaving.
  if (FGrid != nullptr && FGrid->EditMode() && !this->DroppedDown() && this->Visible())
    FGrid->HideInplaceEdit();
  Base::DoExit();
}

template <class Base>
void TGridDropDownEditor<Base>::CaretToClick() {
  if (!CaretUnderMouseOnFocus() || FGrid == nullptr || !FGrid->EditOpenedByClick()) return;
  const TPoint p = this->ScreenToClient(::CursorPos());
  if (PtInRect(this->ClientRect(), p)) {
    const int i = this->CharFromPoint(p);
    this->SetSelection(i, i);
  }
  FGrid->ClearEditOpenedByClick();
}

template <class Base>
void TGridDropDownEditor<Base>::WndProc(TMessage& Message) {
  // Like the grid's other editors, the stop lasts until the key comes up.
  if (Message.Msg == WM_KEYUP && FGrid != nullptr) FGrid->SetNoAutoAdvance(false);
  Base::WndProc(Message);
  // After the drop-down's own focus handling, which selects the text.
  if (Message.Msg == WM_SETFOCUS) CaretToClick();
  if (Message.Msg != CM_WANTSPECIALKEY || FGrid == nullptr) return;
  const auto key = static_cast<WORD>(Message.WParam);
  if ((key == VK_TAB && FGrid->EditorWantsTab()) ||
      (ClaimsEnterAndEscape() && (key == VK_RETURN || key == VK_ESCAPE)))
    Message.Result = 1;
}

template class TGridDropDownEditor<TVevTrackBarDropDown>;
template class TGridDropDownEditor<TVevMemoDropDown>;
template class TGridDropDownEditor<TVevCalculatorDropdown>;
template class TGridDropDownEditor<TVevTimePickerDropDown>;
template class TGridDropDownEditor<TVevMultiColumnDropDown>;
template class TGridDropDownEditor<TCustomDivUzevDropDown>;
template class TGridDropDownEditor<TVevDetailDropDown>;
template class TGridDropDownEditor<TVevColorPickerDropDown>;
template class TGridDropDownEditor<TVevImagePickerDropDown>;

bool TGridColorDropDown::IsSpecialKey(WORD Key) const {
  if (DroppedDown()) return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE;
  return TGridDropDownEditor::IsSpecialKey(Key) || Key == VK_HOME;
}

// ---------------------------------------------------------------------------
// The provider

namespace {

class TProvider : public TDropDownEditorProvider {
 public:
  TWinControl* Create(TDedAdararAdoz* Grid, TEditorType Kind) override {
    TVevUrizazEvuvUduz* d = nullptr;
    switch (Kind) {
      case edTrackbarDropDown:
        d = NewDropDown<TGridTrackbarDropDown>(Grid);
        break;
      case edMemoDropDown:
        d = NewDropDown<TGridMemoDropDown>(Grid);
        break;
      case edCalculatorDropDown:
        d = NewDropDown<TGridCalculatorDropDown>(Grid);
        break;
      case edTimePickerDropDown:
        d = NewDropDown<TGridTimepickerDropDown>(Grid);
        break;
      case edDetailDropDown:
        d = NewDropDown<TGridDetailPickerDropDown>(Grid);
        break;
      case edGridDropDown:
        d = NewDropDown<TGridGridDropDown>(Grid);
        break;
      case edColorPickerDropDown:
        d = NewDropDown<TGridColorDropDown>(Grid);
        break;
      case edImagePickerDropDown:
        d = NewDropDown<TGridImageDropDown>(Grid);
        break;
      case edDivUzevDropDown:
        d = NewDropDown<TGridDivUzevDropDown>(Grid);
        break;
      default:
        return nullptr;
    }
    // The colour editor starts with the sixteen standard colours.
    if (auto* c = dynamic_cast<TGridColorDropDown*>(d)) c->AddDefaultColors();
    // The strips' buttons report to the grid, with its current cell.
    d->OnDropDownHeaderButtonClick = [Grid](TObject*, int Index) {
      if (Grid->OnDropDownHeaderButtonClick)
        Grid->OnDropDownHeaderButtonClick(Grid, Grid->Col(), Grid->Row(), Index);
    };
    d->OnDropDownFooterButtonClick = [Grid](TObject*, int Index) {
      if (Grid->OnDropDownFooterButtonClick)
        Grid->OnDropDownFooterButtonClick(Grid, Grid->Col(), Grid->Row(), Index);
    };
    // What the user writes in the memo's pop-up goes into the cell as it is
    // typed.
    if (auto* m = dynamic_cast<TGridMemoDropDown*>(d))
      m->OnMemoChange = [Grid, m](TObject*) {
        if (Grid->EditMode() && m->DroppedDown() && m->Memo() != nullptr)
          Grid->WriteEditText(Grid->RealCol(), Grid->Row(), m->Memo()->Text());
      };
    d->SetParent(Grid);
    d->SetVisible(false);
    d->SetEnabled(false);
    return d;
  }

  TEditorType KindOf(TComponent* C) const override {
    if (dynamic_cast<TGridTrackbarDropDown*>(C)) return edTrackbarDropDown;
    if (dynamic_cast<TGridMemoDropDown*>(C)) return edMemoDropDown;
    if (dynamic_cast<TGridCalculatorDropDown*>(C)) return edCalculatorDropDown;
    if (dynamic_cast<TGridTimepickerDropDown*>(C)) return edTimePickerDropDown;
    if (dynamic_cast<TGridDetailPickerDropDown*>(C)) return edDetailDropDown;
    if (dynamic_cast<TGridGridDropDown*>(C)) return edGridDropDown;
    if (dynamic_cast<TGridColorDropDown*>(C)) return edColorPickerDropDown;
    if (dynamic_cast<TGridImageDropDown*>(C)) return edImagePickerDropDown;
    if (dynamic_cast<TGridDivUzevDropDown*>(C)) return edDivUzevDropDown;
    return edNone;
  }

  void Prepare(TWinControl* Editor, TEditorType Kind, TVyxStyle Style, TColor Color) override {
    auto* d = dynamic_cast<TVevUrizazEvuvUduz*>(Editor);
    if (d == nullptr) return;
    // The grid's header and footer first: the look preset then gives them
    // its colours, as it does to any drop-down.
    if (auto* g = dynamic_cast<TDedAdararAdoz*>(d->Owner())) {
      d->SetDropDownFooter(g->ControlLook()->DropDownFooter());
      d->SetDropDownHeader(g->ControlLook()->DropDownHeader());
    }
    d->SetComponentStyle(Style);
    d->SetColor(Color);
    // Typing goes into the edit part of the list kinds, the track bar and
    // the calculator.
    if (Kind == edGridDropDown || Kind == edDivUzevDropDown || Kind == edTrackbarDropDown ||
        Kind == edCalculatorDropDown)
      d->SetEditorEnabled(true);
    if (auto* m = dynamic_cast<TGridGridDropDown*>(d)) m->BeginUpdate();
    if (auto* m = dynamic_cast<TGridDivUzevDropDown*>(d)) m->BeginUpdate();
  }

  void Open(TWinControl* Editor, TEditorType, const TRect& Rect, const std::string& Text, TColor CellColor,
            bool DirectDrop) override {
    auto* d = dynamic_cast<TVevUrizazEvuvUduz*>(Editor);
    if (d == nullptr) return;
    bool list = false;
    if (auto* m = dynamic_cast<TGridGridDropDown*>(d)) {
      m->EndUpdate();
      m->SetItemIndex(Text.empty() ? 0 : m->GetItemIndex(Text));
      m->LoadCellText(Text);
      list = true;
    } else if (auto* g = dynamic_cast<TGridDivUzevDropDown*>(d)) {
      g->EndUpdate();
      std::string full;
      int row = -1;
      // The item whose lookup text the cell holds is the chosen one.
      if (g->LookupText(Text, full, row) && full == Text && g->UseItems()) g->SetItemIndex(row);
      g->LoadCellText(Text);
      list = true;
    } else if (auto* t = dynamic_cast<TGridTrackbarDropDown*>(d)) {
      t->SetPosition(StrToIntDef(Trim(Text), 0));
    } else if (auto* c = dynamic_cast<TGridColorDropDown*>(d)) {
      // The colour is the cell's own, not a text.
      c->SetSelectedColor(CellColor);
    } else if (auto* im = dynamic_cast<TGridImageDropDown*>(d)) {
      im->SetImageIndex(StrToIntDef(Trim(Text), -1));
    } else {
      LoadText(d, Text);
    }
    d->SetBorderStyle(bsNone);
    d->SetBounds(Rect.Left, Rect.Top, Rect.Right - Rect.Left, Rect.Bottom - Rect.Top);
    d->SetVisible(true);
    d->SetEnabled(true);
    if (d->CanFocus()) d->SetFocus();
    if (list && DirectDrop) d->ShowDropDown();
  }

  std::string Value(TWinControl* Editor, TEditorType) override {
    if (auto* c = dynamic_cast<TGridColorDropDown*>(Editor)) return c->SelectedColorText();
    if (auto* im = dynamic_cast<TGridImageDropDown*>(Editor)) return IntToStr(im->ImageIndex());
    auto* d = dynamic_cast<TVevUrizazEvuvUduz*>(Editor);
    return d != nullptr ? d->Text() : std::string();
  }

  bool CellColor(TWinControl* Editor, TEditorType, TColor& Color) override {
    auto* c = dynamic_cast<TGridColorDropDown*>(Editor);
    if (c == nullptr) return false;
    Color = c->SelectedColor();
    return true;
  }

  void ClosePopup(TWinControl* Editor) override {
    auto* d = dynamic_cast<TVevUrizazEvuvUduz*>(Editor);
    if (d != nullptr && d->DroppedDown()) d->HideDropDown(false);
  }

 private:
  static void LoadText(TVevUrizazEvuvUduz* D, const std::string& Text) {
    if (auto* e = dynamic_cast<TGridTrackbarDropDown*>(D)) return e->LoadCellText(Text);
    if (auto* e = dynamic_cast<TGridMemoDropDown*>(D)) return e->LoadCellText(Text);
    if (auto* e = dynamic_cast<TGridCalculatorDropDown*>(D)) return e->LoadCellText(Text);
    if (auto* e = dynamic_cast<TGridTimepickerDropDown*>(D)) return e->LoadCellText(Text);
    if (auto* e = dynamic_cast<TGridDetailPickerDropDown*>(D)) return e->LoadCellText(Text);
    if (auto* e = dynamic_cast<TGridColorDropDown*>(D)) return e->LoadCellText(Text);
    if (auto* e = dynamic_cast<TGridImageDropDown*>(D)) return e->LoadCellText(Text);
    D->SetText(Text);
  }
};

TProvider& Provider() {
  static TProvider p;
  return p;
}

template <class T>
T* EditorOf(TDedAdararAdoz* Grid, TEditorType Kind) {
  if (Grid == nullptr) return nullptr;
  RegisterGridDropDownEditors();
  TWinControl* c = FindDropDownEditor(Grid, Kind);
  if (c == nullptr && !Grid->ComponentState().Contains(csDestroying)) c = Provider().Create(Grid, Kind);
  return dynamic_cast<T*>(c);
}

}  // namespace

void RegisterGridDropDownEditors() {
  SetDropDownEditorProvider(&Provider());
  static const bool registered = [] {
    // Stored layouts may name them; a failing registration ends the run.
    try {
      RegisterClass<TGridTrackbarDropDown>();
      RegisterClass<TGridMemoDropDown>();
      RegisterClass<TGridCalculatorDropDown>();
      RegisterClass<TGridTimepickerDropDown>();
      RegisterClass<TGridDetailPickerDropDown>();
      RegisterClass<TGridGridDropDown>();
      RegisterClass<TGridColorDropDown>();
      RegisterClass<TGridImageDropDown>();
      RegisterClass<TGridDivUzevDropDown>();
    } catch (...) {
    }
    return true;
  }();
  (void)registered;
}

TGridTrackbarDropDown* TrackbarDropDown(TDedAdararAdoz* G) {
  return EditorOf<TGridTrackbarDropDown>(G, edTrackbarDropDown);
}
TGridMemoDropDown* MemoDropDown(TDedAdararAdoz* G) { return EditorOf<TGridMemoDropDown>(G, edMemoDropDown); }
TGridCalculatorDropDown* CalculatorDropDown(TDedAdararAdoz* G) {
  return EditorOf<TGridCalculatorDropDown>(G, edCalculatorDropDown);
}
TGridTimepickerDropDown* TimePickerDropDown(TDedAdararAdoz* G) {
  return EditorOf<TGridTimepickerDropDown>(G, edTimePickerDropDown);
}
TGridDetailPickerDropDown* DetailPickerDropDown(TDedAdararAdoz* G) {
  return EditorOf<TGridDetailPickerDropDown>(G, edDetailDropDown);
}
TGridGridDropDown* GridDropDown(TDedAdararAdoz* G) { return EditorOf<TGridGridDropDown>(G, edGridDropDown); }
TGridColorDropDown* ColorPickerDropDown(TDedAdararAdoz* G) {
  return EditorOf<TGridColorDropDown>(G, edColorPickerDropDown);
}
TGridImageDropDown* ImagePickerDropDown(TDedAdararAdoz* G) {
  return EditorOf<TGridImageDropDown>(G, edImagePickerDropDown);
}
TGridDivUzevDropDown* DivUzevDropDown(TDedAdararAdoz* G) {
  return EditorOf<TGridDivUzevDropDown>(G, edDivUzevDropDown);
}
