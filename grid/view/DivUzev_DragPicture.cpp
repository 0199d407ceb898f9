// The picture of a cell area that follows the mouse while it is dragged.
#include <algorithm>
#include <memory>

#include "framework/controls/Image.h"
#include "framework/controls/Messages.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevNoActiveForm.h"

TNoActiveForm::TNoActiveForm(TComponent* AOwner) : TForm(AOwner) {}

void TNoActiveForm::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  Params.Style = WS_POPUP | WS_DISABLED | WS_BORDER;
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
