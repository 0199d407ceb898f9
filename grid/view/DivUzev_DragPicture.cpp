// The pictures that follow the mouse while cells or a header are dragged
// out of the grid or a row or column is moved within it: a translucent
// picture of the cells, or a header cell's face with the header's caption.
#include <algorithm>
#include <memory>

#include "framework/controls/Forms.h"
#include "framework/controls/Image.h"
#include "framework/controls/Messages.h"
#include "framework/controls/WinApi.h"
#include "grid/base/DudHTMLE.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevHeaderDragButton.h"
#include "grid/view/DivUzevNoActiveForm.h"

TNoActiveForm::TNoActiveForm(TComponent* AOwner) : TForm(AOwner) {}

void TNoActiveForm::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  Params.Style = WS_POPUP | WS_DISABLED | WS_BORDER;
  // Showing it must not take the activation from the form being dragged
  // over, and a drop must land on what lies under it, not on the picture.
  Params.ExStyle |= WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;
  Params.WindowClassStyle |= CS_SAVEBITS;
}

void TNoActiveForm::WndProc(TMessage& Message) {
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TForm::WndProc(Message);
  if (Message.Msg == WM_ACTIVATE) Message.Result = 1;
}

TCustomForm* TDedAdararAdoz::SelectionToForm(const TRect& ARect) {
  std::unique_ptr<TBitmap> whole = GrabToBitmap();
  const TRect a = CellRect(ARect.Left, ARect.Top), b = CellRect(ARect.Right, ARect.Bottom);
  const int left = std::min(a.Left, b.Left), top = std::min(a.Top, b.Top);
  const int right = std::max(a.Right, b.Right), bottom = std::max(a.Bottom, b.Bottom);
  const int w = std::max(right - left + 1, 1), h = std::max(bottom - top + 1, 1);
  auto pic = std::make_unique<TBitmap>(w, h);
  pic->Canvas()->CopyRect(TRect(0, 0, w, h), whole->Canvas(),
                          TRect(left + 1, top + 1, right + 2, bottom + 2));
  // An area starting in the fixed column or row keeps its dark edge.
  TCanvas* c = pic->Canvas();
  c->Pen()->SetColor(GridFixedLineColor());
  c->Pen()->SetWidth(1);
  if (std::min(ARect.Left, ARect.Right) == 0 && FixedCols() > 0 && Options().Contains(goFixedHorzLine)) {
    c->MoveTo(0, 0);
    c->LineTo(0, h);
  }
  if (std::min(ARect.Top, ARect.Bottom) == 0 && FixedRows() > 0 && Options().Contains(goFixedVertLine)) {
    c->MoveTo(0, 0);
    c->LineTo(w, 0);
  }
  auto* form = new TNoActiveForm(this);
  form->SetBorderStyle(bsNone);
  form->SetFormStyle(fsStayOnTop);
  form->SetBounds(0, 0, w, h);
  auto* image = new TImage(form);
  image->SetParent(form);
  image->SetAlign(alClient);
  image->Picture()->SetBitmap(pic.get());
  form->SetAlphaBlend(true);
  form->SetAlphaBlendValue(192);
  return form;
}

// ---------------------------------------------------------------------------
// THeaderDragButton

THeaderDragButton::THeaderDragButton(TComponent* AOwner) : TCustomControl(AOwner) {
  SetColor(clBtnFace);
  SetVisible(false);
}

void THeaderDragButton::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER | (Enabled() ? 0 : WS_DISABLED);
  // A drop lands on what lies under it, not on the header's face.
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;
  Params.WindowClassStyle |= CS_SAVEBITS;
  // Kept above the grid's form, whose window owns it.
  if (FGrid != nullptr)
    if (TCustomForm* f = GetParentForm(FGrid); f != nullptr && f->HandleAllocated())
      Params.WndParent = f->Handle();
}

void THeaderDragButton::WndProc(TMessage& Message) {
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TCustomControl::WndProc(Message);
  if (Message.Msg == CM_TEXTCHANGED) Invalidate();
}

void THeaderDragButton::Paint() {
  TCanvas* c = Canvas();
  const TRect r = ClientRect();
  if (FGrid != nullptr) {
    FGrid->PaintCellExt(c, 0, 0, r, TGridDrawState());
  } else {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(r);
  }
  const std::string text = Caption();
  c->Brush()->SetStyle(bsClear);
  if (text.find("</") == std::string::npos) {
    TRect tr = r;
    std::string t = text;
    c->TextRect(tr, t, TTextFormat{tfCenter, tfVerticalCenter, tfSingleLine, tfEndEllipsis, tfNoPrefix});
    return;
  }
  TMarkupParams mp;
  mp.LinkColor = static_cast<TColor>(0xFF0000);
  if (FGrid != nullptr) {
    mp.ImageList = FGrid->GridImages();
    mp.PictureContainer = FGrid->PictureContainer();
  }
  TMarkupResult res;
  DrawMarkup(c, text, r, mp, res);
}

// ---------------------------------------------------------------------------
// The grid's side

void TDedAdararAdoz::CreateMoveButton() {
  FMoveButton = new THeaderDragButton(this);
  FMoveButton->SetGrid(this);
  FMoveButton->SetEnabled(false);
  FMoveButton->SetVisible(false);
}

void TDedAdararAdoz::FreeMoveButton() {
  delete FMoveButton;
  FMoveButton = nullptr;
}

TGridRect TDedAdararAdoz::VisibleDragArea(const TGridRect& Area) const {
  const int lastCol = std::min(ColCount() - 1, LeftCol() + std::max(VisibleColCount(), 1) - 1);
  const int lastRow = std::min(RowCount() - 1, TopRow() + std::max(VisibleRowCount(), 1) - 1);
  TGridRect r = Area;
  // Fixed cells are always in view; scrolled cells only from the first shown.
  if (r.Left >= FixedCols()) r.Left = std::max(r.Left, LeftCol());
  if (r.Top >= FixedRows()) r.Top = std::max(r.Top, TopRow());
  r.Right = std::min(r.Right, lastCol);
  r.Bottom = std::min(r.Bottom, lastRow);
  return r;
}

void TDedAdararAdoz::MakeMoveForm(const TGridRect& Area) {
  if (FMoveForm != nullptr) return;
  const TGridRect a = VisibleDragArea(Area);
  if (a.Left > a.Right || a.Top > a.Bottom) return;
  // The picture shows the cells, not the selection's colours.
  const bool shown = FShowSelection;
  FShowSelection = false;
  try {
    FMoveForm = SelectionToForm(TRect(a.Left, a.Top, a.Right, a.Bottom));
  } catch (...) {
    FShowSelection = shown;
    throw;
  }
  FShowSelection = shown;
}

void TDedAdararAdoz::ShowFloating(TWinControl* Window, const TPoint& At) {
  if (Window == nullptr) return;
  if (Window->Visible()) {
    Window->SetBounds(At.X, At.Y, Window->Width(), Window->Height());
    return;
  }
  SetWindowPos(Window->Handle(), HWND_TOPMOST, At.X, At.Y, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TDedAdararAdoz::SetMoveButtonCell(int ACol, int ARow, int Width, int Height) {
  if (FMoveButton == nullptr) return;
  const std::string text = GetCellEx(RealColIndex(ACol), ARow);
  if (FMoveButton->Caption() != text) FMoveButton->SetCaption(text);
  FMoveButton->SetBounds(FMoveButton->Left(), FMoveButton->Top(), std::max(Width, 1), std::max(Height, 1));
}

void TDedAdararAdoz::FreeMoveForm() {
  TCustomForm* f = FMoveForm;
  FMoveForm = nullptr;
  delete f;
}

void TDedAdararAdoz::EndMovePicture() {
  if (FMoveButton != nullptr) {
    FMoveButton->SetEnabled(false);
    FMoveButton->SetVisible(false);
  }
  FreeMoveForm();
}

bool TDedAdararAdoz::CancelEnhancedMove() {
  const TGridState state = GridState();
  if (!FEnhRowColMove || (state != gsColMoving && state != gsRowMoving) || Screen == nullptr ||
      Screen->Cursor() != crDrag)
    return false;
  Screen->SetCursor(crDefault);
  EndMovePicture();
  HideDropArrows();
  FMoveColInd = FMoveRowInd = -1;
  SetGridState(gsNormal);
  InvalidateGrid();
  return true;
}
