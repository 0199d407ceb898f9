#include "framework/controls/CategoryPanel.h"

#include <algorithm>
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"

#include "framework/graphics/Gdi.h"
#include "framework/graphics/ImgList.h"
#include "framework/graphics/Themes.h"

namespace {

constexpr int kDefaultHeaderHeight = 24;
constexpr int kCaptionIndent = 8;

// Two stacked arrow heads pointing up (Up) or down.
void DrawChevron(TCanvas* C, int CX, int CY, bool Up, TColor Color) {
  C->Pen()->SetColor(Color);
  C->Pen()->SetWidth(1);
  C->Pen()->SetStyle(psSolid);
  for (int k = 0; k < 2; ++k) {
    int y = CY - 4 + k * 4;
    for (int t = 0; t < 2; ++t) {
      int yy = y + t;
      if (Up) {
        C->MoveTo(CX - 4, yy + 3);
        C->LineTo(CX, yy - 1);
        C->LineTo(CX + 5, yy + 4);
      } else {
        C->MoveTo(CX - 4, yy);
        C->LineTo(CX, yy + 4);
        C->LineTo(CX + 5, yy - 1);
      }
    }
  }
}

}  // namespace

// ---- TCategoryPanelSurface ----

TCategoryPanelSurface::TCategoryPanelSurface(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ << csAcceptsControls;
  SetParentColor(true);
}

void TCategoryPanelSurface::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetColor(Color());
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(ClientRect());
}

// ---- TCategoryPanel ----

TCategoryPanel::TCategoryPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ << csAcceptsControls;
  SetParentColor(true);
  SetBounds(0, 0, 185, 200);
  expandedHeight_ = 200;
  surface_ = new TCategoryPanelSurface(this);
  surface_->SetParent(this);
  surface_->SetAlign(alClient);
  SetAlign(alTop);
}

TCategoryPanel::~TCategoryPanel() { surface_ = nullptr; }

TCategoryPanelGroup* TCategoryPanel::PanelGroup() const {
  return dynamic_cast<TCategoryPanelGroup*>(Parent());
}

void TCategoryPanel::SetPanelGroup(TCategoryPanelGroup* Value) { SetParent(Value); }

int TCategoryPanel::HeaderHeight() const {
  TCategoryPanelGroup* g = PanelGroup();
  return g != nullptr ? g->HeaderHeight() : kDefaultHeaderHeight;
}

TRect TCategoryPanel::HeaderRect() const {
  return TRect(0, 0, ClientWidth(), std::min(HeaderHeight(), ClientHeight()));
}

void TCategoryPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  // A collapsed panel keeps only its header; a new height waits for the
  // panel to expand.
  if (collapsed_ && AHeight != HeaderHeight()) {
    expandedHeight_ = AHeight;
    AHeight = HeaderHeight();
  }
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TCategoryPanel::SetCollapsed(bool Value) {
  if (collapsed_ == Value) return;
  if (Value) {
    expandedHeight_ = Height();
    collapsed_ = true;
    surface_->SetVisible(false);
    SetBounds(Left(), Top(), Width(), HeaderHeight());
    Invalidate();
    DoCollapse();
  } else {
    collapsed_ = false;
    SetBounds(Left(), Top(), Width(), expandedHeight_);
    surface_->SetVisible(true);
    Invalidate();
    DoExpand();
  }
}

void TCategoryPanel::DoCollapse() {
  if (OnCollapse) OnCollapse(this);
}

void TCategoryPanel::DoExpand() {
  if (OnExpand) OnExpand(this);
}

void TCategoryPanel::SetExpandedImageIndex(int Value) {
  if (expandedImageIndex_ == Value) return;
  expandedImageIndex_ = Value;
  Invalidate();
}

void TCategoryPanel::SetCollapsedImageIndex(int Value) {
  if (collapsedImageIndex_ == Value) return;
  collapsedImageIndex_ = Value;
  Invalidate();
}

void TCategoryPanel::SetExpandedHotImageIndex(int Value) {
  expandedHotImageIndex_ = Value;
  Invalidate();
}

void TCategoryPanel::SetCollapsedHotImageIndex(int Value) {
  collapsedHotImageIndex_ = Value;
  Invalidate();
}

void TCategoryPanel::SetExpandedPressedImageIndex(int Value) {
  expandedPressedImageIndex_ = Value;
  Invalidate();
}

void TCategoryPanel::SetCollapsedPressedImageIndex(int Value) {
  collapsedPressedImageIndex_ = Value;
  Invalidate();
}

int TCategoryPanel::CurrentImageIndex() const {
  int plain = collapsed_ ? collapsedImageIndex_ : expandedImageIndex_;
  int hot = collapsed_ ? collapsedHotImageIndex_ : expandedHotImageIndex_;
  int pressed = collapsed_ ? collapsedPressedImageIndex_ : expandedPressedImageIndex_;
  if (headerDown_ && headerHot_ && pressed >= 0) return pressed;
  if (headerHot_ && hot >= 0) return hot;
  return plain;
}

void TCategoryPanel::HeaderChanged() {
  if (collapsed_) SetBounds(Left(), Top(), Width(), HeaderHeight());
  Realign();
  Invalidate();
}

void TCategoryPanel::AdjustClientRect(TRect& Rect) {
  TCustomControl::AdjustClientRect(Rect);
  Rect.Top = std::min(Rect.Top + HeaderHeight(), std::max(Rect.Bottom, Rect.Top));
}

void TCategoryPanel::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_CONTROLCHANGE: {
      // Controls put on the panel go to its body.
      auto* c = reinterpret_cast<TControl*>(Message.WParam);
      TCustomControl::WndProc(Message);
      if (Message.LParam != 0 && surface_ != nullptr && c != surface_ && c->Parent() == this &&
          !ComponentState().Contains(csDestroying))
        c->SetParent(surface_);
      return;
    }
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    case CM_MOUSELEAVE:
      if (headerHot_) {
        headerHot_ = false;
        Invalidate();
      }
      break;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

void TCategoryPanel::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      headerDown_ = PtInRect(HeaderRect(), TPoint(Message.XPos(), Message.YPos()));
      if (headerDown_) {
        TRect r = HeaderRect();
        InvalidateRect(&r, false);
      }
      return;
    case WM_LBUTTONUP: {
      bool toggle = headerDown_ && PtInRect(HeaderRect(), TPoint(Message.XPos(), Message.YPos()));
      if (headerDown_) {
        headerDown_ = false;
        TRect r = HeaderRect();
        InvalidateRect(&r, false);
      }
      if (toggle) SetCollapsed(!collapsed_);
      return;
    }
    case WM_MOUSEMOVE: {
      bool hot = PtInRect(HeaderRect(), TPoint(Message.XPos(), Message.YPos()));
      if (hot != headerHot_) {
        headerHot_ = hot;
        TRect r = HeaderRect();
        InvalidateRect(&r, false);
      }
      return;
    }
    default:
      break;
  }
  TCustomControl::DefaultHandler(Message);
}

void TCategoryPanel::Paint() {
  TCanvas* c = Canvas();
  TRect client = ClientRect();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(client);
  TCategoryPanelGroup* g = PanelGroup();
  TRect h = HeaderRect();
  if (IsRectEmpty(h)) return;
  THeaderStyle style = g != nullptr ? g->HeaderStyle() : hsGradient;
  TColor base = g != nullptr ? g->GradientBaseColor() : static_cast<TColor>(0xF0F0F0);
  TColor grad = g != nullptr ? g->GradientColor() : static_cast<TColor>(0xE0E0E0);
  HTHEME th = style == hsThemed ? OpenThemeData(0, "HEADER") : nullptr;
  if (th != nullptr) {
    DrawThemeBackground(th, c, HP_HEADERITEM, headerHot_ ? HIS_HOT : HIS_NORMAL, h, nullptr);
    CloseThemeData(th);
  } else if (style == hsImage) {
    c->FillSolidRect(h, base);
    TPicture* pic = g != nullptr ? g->HeaderImage() : nullptr;
    if (pic != nullptr && pic->Graphic() != nullptr && !pic->Graphic()->Empty())
      c->StretchDraw(h, pic->Graphic());
  } else {
    GradientFillCanvas(c, base, grad, h, g != nullptr ? g->GradientDirection() : gdVertical);
  }
  c->Pen()->SetColor(clBtnShadow);
  c->Pen()->SetWidth(1);
  c->Pen()->SetStyle(psSolid);
  c->MoveTo(h.Left, h.Bottom - 1);
  c->LineTo(h.Right, h.Bottom - 1);
  // The glyph (or chevron) sits at the right end; the caption fills the rest.
  TImageList* images = g != nullptr ? g->Images() : nullptr;
  int index = CurrentImageIndex();
  int glyphLeft = h.Right;
  if (images != nullptr && index >= 0 && index < images->Count()) {
    glyphLeft = h.Right - images->Width() - 6;
    images->Draw(c, glyphLeft, h.Top + (h.Height() - images->Height()) / 2, index, Enabled());
  } else {
    glyphLeft = h.Right - 22;
    TColor chevron = g != nullptr ? (headerHot_ ? g->ChevronHotColor() : g->ChevronColor()) : clBlack;
    DrawChevron(c, glyphLeft + 10, h.Top + h.Height() / 2, !collapsed_, chevron);
  }
  TRect text(h.Left + kCaptionIndent, h.Top, std::max(h.Left + kCaptionIndent, glyphLeft - 4), h.Bottom - 1);
  if (g != nullptr)
    c->Font()->Assign(g->HeaderFont());
  else
    c->Font()->Assign(Font());
  if (!Enabled()) c->Font()->SetColor(clGrayText);
  c->Brush()->SetStyle(bsClear);
  TAlignment a = g != nullptr ? g->HeaderAlignment() : taLeftJustify;
  unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX |
                   (a == taCenter         ? DT_CENTER
                    : a == taRightJustify ? DT_RIGHT
                                          : DT_LEFT);
  DrawText(c, Caption(), text, flags);
}

// ---- TCategoryPanelGroup ----

TCategoryPanelGroup::TCategoryPanelGroup(TComponent* AOwner)
    : TScrollingWinControl(AOwner),
      headerFont_(std::make_unique<TFont>()),
      headerImage_(std::make_unique<TPicture>()) {
  headerImage_->OnChange = [this](TObject*) { LooksChanged(); };
  headerFont_->SetStyle(TFontStyles{fsBold});
  headerFont_->OnChange = [this](TObject*) { LooksChanged(); };
  VertScrollBar()->SetTracking(true);
  HorzScrollBar()->SetVisible(false);
  SetBounds(0, 0, 200, 400);
  SetColor(clWindow);
  SetTabStop(false);
}

TCategoryPanelGroup::~TCategoryPanelGroup() {
  headerFont_->OnChange = nullptr;
  headerImage_->OnChange = nullptr;
  panels_.clear();
  SetImages(nullptr);
}

TCategoryPanel* TCategoryPanelGroup::Panels(int Index) const {
  if (Index < 0 || Index >= PanelCount())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return panels_[static_cast<size_t>(Index)];
}

TCategoryPanel* TCategoryPanelGroup::CreatePanel(TComponent* AOwner) {
  auto* p = new TCategoryPanel(AOwner);
  // Below every panel already there.
  int bottom = 0;
  for (TCategoryPanel* q : panels_)
    if (q->Visible()) bottom = std::max(bottom, q->Top() + q->Height());
  p->SetTop(bottom);
  p->SetParent(this);
  return p;
}

void TCategoryPanelGroup::CollapseAll() {
  DisableAlign();
  try {
    for (TCategoryPanel* p : std::vector<TCategoryPanel*>(panels_)) p->Collapse();
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

void TCategoryPanelGroup::ExpandAll() {
  DisableAlign();
  try {
    for (TCategoryPanel* p : std::vector<TCategoryPanel*>(panels_)) p->Expand();
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

void TCategoryPanelGroup::SetHeaderHeight(int Value) {
  if (Value < 0 || headerHeight_ == Value) return;
  headerHeight_ = Value;
  DisableAlign();
  for (TCategoryPanel* p : panels_) p->HeaderChanged();
  EnableAlign();
  Realign();
}

void TCategoryPanelGroup::LooksChanged() {
  for (TCategoryPanel* p : panels_) p->Invalidate();
}

void TCategoryPanelGroup::SetHeaderStyle(THeaderStyle Value) {
  headerStyle_ = Value;
  LooksChanged();
}

void TCategoryPanelGroup::SetHeaderAlignment(TAlignment Value) {
  headerAlignment_ = Value;
  LooksChanged();
}

void TCategoryPanelGroup::SetChevronColor(TColor Value) {
  chevronColor_ = Value;
  LooksChanged();
}

void TCategoryPanelGroup::SetChevronHotColor(TColor Value) {
  chevronHotColor_ = Value;
  LooksChanged();
}

void TCategoryPanelGroup::SetGradientBaseColor(TColor Value) {
  gradientBaseColor_ = Value;
  LooksChanged();
}

void TCategoryPanelGroup::SetGradientColor(TColor Value) {
  gradientColor_ = Value;
  LooksChanged();
}

void TCategoryPanelGroup::SetGradientDirection(TGradientDirection Value) {
  gradientDirection_ = Value;
  LooksChanged();
}

void TCategoryPanelGroup::SetImages(TImageList* Value) {
  if (images_ == Value) return;
  if (images_ != nullptr) images_->RemoveFreeNotification(this);
  images_ = Value;
  if (images_ != nullptr) images_->FreeNotification(this);
  LooksChanged();
}

void TCategoryPanelGroup::Notification(TComponent* AComponent, TOperation Operation) {
  TScrollingWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && static_cast<TComponent*>(images_) == AComponent) {
    images_ = nullptr;
    LooksChanged();
  }
}

void TCategoryPanelGroup::WndProc(TMessage& Message) {
  if (Message.Msg == CM_CONTROLCHANGE) {
    auto* c = reinterpret_cast<TControl*>(Message.WParam);
    if (auto* p = dynamic_cast<TCategoryPanel*>(c)) {
      auto it = std::find(panels_.begin(), panels_.end(), p);
      if (Message.LParam != 0) {
        if (it == panels_.end()) panels_.push_back(p);
        p->SetAlign(alTop);
        // A new panel joins the stack at the bottom, whatever its top.
        int bottom = 0;
        for (TCategoryPanel* q : panels_)
          if (q != p && q->Visible()) bottom = std::max(bottom, q->Top() + q->Height());
        if (p->Top() < bottom) p->SetTop(bottom);
        p->HeaderChanged();
      } else if (it != panels_.end()) {
        panels_.erase(it);
      }
    } else if (Message.LParam == 0) {
      // A panel being destroyed is no longer a panel by its type.
      panels_.erase(std::remove_if(panels_.begin(), panels_.end(),
                                   [c](TCategoryPanel* p) { return static_cast<TControl*>(p) == c; }),
                    panels_.end());
    }
  }
  TScrollingWinControl::WndProc(Message);
}

// ---- Published tables ----

CF_ENUM_IDENTS(THeaderStyle, hsGradient, hsImage, hsThemed)

CF_PUBLISH(TCategoryPanelSurface, TCustomControl) { P.NotCreatable(); }

CF_PUBLISH(TCategoryPanel, TCustomControl) {
  using C = TCategoryPanel;
  // The controls on the body are the panel's in a layout.
  P.GetChildren([](C* self, TComponent* root, std::vector<TComponent*>& out) {
    TWinControl* body = self->Surface();
    for (int i = 0; i < body->ControlCount(); ++i)
      if (body->Controls(i)->Owner() == root) out.push_back(body->Controls(i));
  });
  P.Enum("Align", &C::Align, &C::SetAlign).Default(alTop);
  P.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(true);
  P.String("Caption", &C::Caption, &C::SetCaption);
  P.Bool("Collapsed", &C::Collapsed, &C::SetCollapsed).Default(false);
  P.Integer("CollapsedImageIndex", &C::CollapsedImageIndex, &C::SetCollapsedImageIndex).Default(-1);
  P.Integer("CollapsedHotImageIndex", &C::CollapsedHotImageIndex, &C::SetCollapsedHotImageIndex).Default(-1);
  P.Integer("CollapsedPressedImageIndex", &C::CollapsedPressedImageIndex, &C::SetCollapsedPressedImageIndex)
      .Default(-1);
  P.Integer("ExpandedImageIndex", &C::ExpandedImageIndex, &C::SetExpandedImageIndex).Default(-1);
  P.Integer("ExpandedHotImageIndex", &C::ExpandedHotImageIndex, &C::SetExpandedHotImageIndex).Default(-1);
  P.Integer("ExpandedPressedImageIndex", &C::ExpandedPressedImageIndex, &C::SetExpandedPressedImageIndex)
      .Default(-1);
  P.Event("OnCollapse", &C::OnCollapse);
  P.Event("OnExpand", &C::OnExpand);
}

CF_PUBLISH(TCategoryPanelGroup, TScrollingWinControl) {
  using C = TCategoryPanelGroup;
  P.Color("Color", &C::Color, &C::SetColor).Default(clWindow).Stored([](C* c) { return !c->ParentColor(); });
  P.Color("ChevronColor", &C::ChevronColor, &C::SetChevronColor).Default(clBlack);
  P.Color("ChevronHotColor", &C::ChevronHotColor, &C::SetChevronHotColor).Default(clGray);
  P.Color("GradientBaseColor", &C::GradientBaseColor, &C::SetGradientBaseColor)
      .Default(static_cast<TColor>(0xF0F0F0));
  P.Color("GradientColor", &C::GradientColor, &C::SetGradientColor).Default(static_cast<TColor>(0xE0E0E0));
  P.Enum("GradientDirection", &C::GradientDirection, &C::SetGradientDirection).Default(gdVertical);
  P.Enum("HeaderAlignment", &C::HeaderAlignment, &C::SetHeaderAlignment).Default(taLeftJustify);
  P.Object("HeaderFont", [](C* c) { return c->HeaderFont(); });
  P.Integer("HeaderHeight", &C::HeaderHeight, &C::SetHeaderHeight).Default(24);
  P.Object("HeaderImage", [](C* c) { return c->HeaderImage(); });
  P.Enum("HeaderStyle", &C::HeaderStyle, &C::SetHeaderStyle).Default(hsGradient);
  P.Component("Images", &C::Images, &C::SetImages);
}
