// The in-place editor and the grid's side of hosting it.
#include <algorithm>

#include "framework/controls/Forms.h"
#include "framework/grids/Grids.h"

// ---- TInplaceEdit ----

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  SetAutoSize(false);
  SetParentCtl3D(false);
  SetCtl3D(false);
  SetTabStop(false);
  SetBorderStyle(bsNone);
  SetDoubleBuffered(false);
  SetVisible(false);
}

TInplaceEdit::~TInplaceEdit() {
  if (grid_ != nullptr && grid_->inplaceEdit_ == this) grid_->inplaceEdit_ = nullptr;
}

void TInplaceEdit::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  // Multi-line so that Enter and Escape reach the editor instead of the
  // form's default and cancel buttons.
  Params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
}

void TInplaceEdit::SetFocus() {
  if (!HandleAllocated() && (Parent() == nullptr || !Parent()->HandleAllocated())) return;
  ::SetFocus(Handle());
}

void TInplaceEdit::InternalMove(const TRect& Loc, bool) {
  if (IsRectEmpty(Loc)) {
    Hide();
    return;
  }
  SetBounds(Loc.Left, Loc.Top, Loc.Width(), Loc.Height());
  if (!TControl::Visible()) SetVisible(true);
  BoundsChanged();
  if (grid_ != nullptr && grid_->Focused()) ::SetFocus(Handle());
}

void TInplaceEdit::Move(const TRect& R) { InternalMove(R, true); }

void TInplaceEdit::Hide() {
  if (!TControl::Visible()) return;
  // The focus goes back to the grid first, so hiding does not push it to
  // the form.
  if (HandleAllocated() && Focused() && grid_ != nullptr) ::SetFocus(grid_->Handle());
  SetVisible(false);
}

void TInplaceEdit::UpdateContents() {
  if (grid_ == nullptr) return;
  updating_ = true;
  struct Done {
    bool& f;
    ~Done() { f = false; }
  } done{updating_};
  int c = grid_->Col(), r = grid_->Row();
  SetText("");
  SetEditMask(grid_->GetEditMask(c, r));
  SetText(grid_->GetEditText(c, r));
  SetMaxLength(std::max(0, grid_->GetEditLimit()));
  SetModified(false);
}

void TInplaceEdit::Change() {
  TCustomMaskEdit::Change();
  if (!updating_ && grid_ != nullptr) grid_->UpdateText();
}

void TInplaceEdit::CMExit(TMessage& Message) { TCustomEdit::CMExit(Message); }

void TInplaceEdit::SendToParent(WORD& Key, TShiftState Shift) {
  grid_->KeyDown(Key, Shift);
  Key = 0;
}

void TInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (grid_ == nullptr) {
    TCustomMaskEdit::KeyDown(Key, Shift);
    return;
  }
  int len = TextLength();
  bool noSel = SelLength() == 0;
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE:
      SendToParent(Key, Shift);
      break;
    case VK_INSERT:
      if (Shift.Empty())
        SendToParent(Key, Shift);
      else if (Shift == TShiftState{ssShift} && !grid_->CanEditModify())
        Key = 0;
      break;
    case VK_LEFT:
      // At the start of the text (or with all of it selected) the arrow
      // leaves the cell; Home and End stay in the text unless with Ctrl.
      if (Shift.Contains(ssCtrl) || (noSel && SelStart() == 0) || (len > 0 && SelLength() == len))
        SendToParent(Key, Shift);
      break;
    case VK_RIGHT:
      if (Shift.Contains(ssCtrl) || (noSel && SelStart() == len) || (len > 0 && SelLength() == len))
        SendToParent(Key, Shift);
      break;
    case VK_HOME:
    case VK_END:
      if (Shift.Contains(ssCtrl)) SendToParent(Key, Shift);
      break;
    case VK_TAB:
      if (!Shift.Contains(ssAlt)) SendToParent(Key, Shift);
      break;
    case VK_DELETE:
      if (Shift.Contains(ssCtrl))
        SendToParent(Key, Shift);
      else if (!grid_->CanEditModify())
        Key = 0;
      break;
    default:
      break;
  }
  if (Key != 0) {
    // The grid hears every key its editor gets.
    if (grid_->OnKeyDown) grid_->OnKeyDown(grid_, Key, Shift);
    if (Key != 0) TCustomMaskEdit::KeyDown(Key, Shift);
  }
}

void TInplaceEdit::KeyUp(WORD& Key, TShiftState Shift) {
  if (grid_ != nullptr && grid_->OnKeyUp) grid_->OnKeyUp(grid_, Key, Shift);
  if (Key != 0) TCustomMaskEdit::KeyUp(Key, Shift);
}

void TInplaceEdit::KeyPress(char32_t& Key) {
  if (grid_ == nullptr) {
    TCustomMaskEdit::KeyPress(Key);
    return;
  }
  grid_->KeyPress(Key);
  if (Key >= 32 && Key != 127 && !grid_->CanEditAcceptKey(Key)) {
    Key = 0;
    MessageBeep(0);
  }
  switch (Key) {
    case 9:
    case 27:
      Key = 0;
      break;
    case 13:
      // Enter with the editor kept open selects the whole text, or unselects.
      if (SelLength() == TextLength())
        SetSelLength(0);
      else
        SelectAll();
      Key = 0;
      break;
    case 8:
    case 22:
    case 24:
      if (!grid_->CanEditModify()) Key = 0;
      break;
    default:
      if (Key >= 32 && !grid_->CanEditModify()) Key = 0;
      break;
  }
  if (Key != 0) TCustomMaskEdit::KeyPress(Key);
}

void TInplaceEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      TCustomMaskEdit::WndProc(Message);
      if (grid_ != nullptr && grid_->Options().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
      return;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
      if (grid_ != nullptr && !grid_->CanEditModify()) return;
      break;
    case WM_LBUTTONDBLCLK:
      // A double click in the editor is a double click on the grid too.
      TCustomMaskEdit::WndProc(Message);
      if (grid_ != nullptr) grid_->DblClick();
      return;
    default:
      break;
  }
  TCustomMaskEdit::WndProc(Message);
}

// ---- The grid's editor host ----

std::string TCustomGrid::GetEditText(int, int) { return std::string(); }
void TCustomGrid::SetEditText(int, int, const std::string&) {}
std::string TCustomGrid::GetEditMask(int, int) { return std::string(); }
int TCustomGrid::GetEditLimit() { return 0; }
bool TCustomGrid::CanEditModify() { return canEditModify_; }
bool TCustomGrid::CanEditAcceptKey(char32_t) { return true; }

bool TCustomGrid::CanEditShow() {
  return options_.Contains(goEditing) && !options_.Contains(goRowSelect) && editorMode_ &&
         !ComponentState().Contains(csDesigning) && HandleAllocated() &&
         (options_.Contains(goAlwaysShowEditor) || IsActiveControl());
}

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

void TCustomGrid::SetEditorMode(bool Value) {
  if (Value) {
    ShowEditor();
    // Asked for by code or F2: the caret goes to the end, nothing selected.
    if (inplaceEdit_ != nullptr && inplaceEdit_->TControl::Visible())
      inplaceEdit_->SetSelStart(inplaceEdit_->TextLength());
  } else {
    HideEditor();
  }
}

void TCustomGrid::ShowEditor() {
  // The mode is what the program asked for; without editing there is none.
  if (!options_.Contains(goEditing) || options_.Contains(goRowSelect)) return;
  editorMode_ = true;
  UpdateEdit();
}

void TCustomGrid::HideEditor() {
  editorMode_ = false;
  HideEdit();
}

void TCustomGrid::ShowEditorChar(char32_t Ch) {
  ShowEditor();
  if (inplaceEdit_ != nullptr && inplaceEdit_->TControl::Visible() && inplaceEdit_->HandleAllocated())
    PostMessage(inplaceEdit_->Handle(), WM_CHAR, static_cast<WPARAM>(Ch), 0);
}

void TCustomGrid::UpdateEditor() {
  inplaceCol_ = current_.X;
  inplaceRow_ = current_.Y;
  inplaceEdit_->UpdateContents();
  editOriginal_ = inplaceEdit_->Text();
  canEditModify_ = true;
  inplaceEdit_->SelectAll();
}

void TCustomGrid::UpdateEdit() {
  if (!CanEditShow()) return;
  if (current_.X < 0 || current_.Y < 0 || current_.X >= colCount_ || current_.Y >= rowCount_) return;
  if (inplaceEdit_ == nullptr) {
    inplaceEdit_ = CreateEditor();
    inplaceEdit_->SetGrid(this);
    inplaceEdit_->SetParent(this);
    inplaceEdit_->SetFont(Font());
    UpdateEditor();
  } else if (current_.X != inplaceCol_ || current_.Y != inplaceRow_) {
    HideEdit();
    UpdateEditor();
  }
  if (CanEditShow()) inplaceEdit_->Move(CellRect(current_.X, current_.Y));
}

void TCustomGrid::UpdateText() {
  if (inplaceEdit_ != nullptr && inplaceCol_ >= 0 && inplaceRow_ >= 0)
    SetEditText(inplaceCol_, inplaceRow_, inplaceEdit_->Text());
}

void TCustomGrid::HideEdit() {
  if (inplaceEdit_ == nullptr) return;
  if (inplaceCol_ >= 0 && inplaceRow_ >= 0) {
    UpdateText();
    inplaceCol_ = -1;
    inplaceRow_ = -1;
  }
  inplaceEdit_->Hide();
}

void TCustomGrid::CancelEdit() {
  if (inplaceEdit_ != nullptr && inplaceCol_ >= 0 && inplaceRow_ >= 0) {
    inplaceEdit_->updating_ = true;
    inplaceEdit_->SetText(editOriginal_);
    inplaceEdit_->updating_ = false;
  }
  HideEditor();
}

void TCustomGrid::InvalidateEditor() {
  if (inplaceEdit_ == nullptr) return;
  // Forget the editor's cell: the next update refills it without writing
  // its old text back over the cell's new one.
  inplaceCol_ = -1;
  inplaceRow_ = -1;
  UpdateEdit();
}
