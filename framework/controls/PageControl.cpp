#include "framework/controls/PageControl.h"

#include <algorithm>
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"

#include "framework/controls/ControlUtils.h"
#include "framework/controls/Forms.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/ImgList.h"
#include "framework/graphics/Themes.h"

namespace {
constexpr int kTabPadding = 6;
constexpr int kScrollerButton = 16;
}  // namespace

// ---- TTabSheet ----

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ << csAcceptsControls;
  SetVisible(false);
  SetParentColor(true);
}

TTabSheet::~TTabSheet() {
  if (pageControl_ != nullptr) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* APageControl) {
  if (pageControl_ == APageControl) return;
  if (pageControl_ != nullptr) {
    TPageControl* old = pageControl_;
    old->RemovePage(this);
    if (Parent() == old) SetParent(nullptr);
  }
  if (APageControl != nullptr) APageControl->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (pageControl_ == nullptr) return -1;
  auto& p = pageControl_->pages_;
  auto it = std::find(p.begin(), p.end(), this);
  return it == p.end() ? -1 : static_cast<int>(it - p.begin());
}

void TTabSheet::SetPageIndex(int Value) {
  if (pageControl_ == nullptr) return;
  auto& p = pageControl_->pages_;
  int cur = PageIndex();
  Value = std::clamp(Value, 0, static_cast<int>(p.size()) - 1);
  if (cur < 0 || cur == Value) return;
  p.erase(p.begin() + cur);
  p.insert(p.begin() + Value, this);
  pageControl_->Invalidate();
}

int TTabSheet::TabIndex() const {
  if (pageControl_ == nullptr || !tabVisible_) return -1;
  int n = 0;
  for (TTabSheet* s : pageControl_->pages_) {
    if (s == this) return n;
    if (s->tabVisible_) ++n;
  }
  return -1;
}

void TTabSheet::SetTabVisible(bool Value) {
  if (tabVisible_ == Value) return;
  tabVisible_ = Value;
  if (pageControl_ != nullptr) pageControl_->PageTabChanged(this);
}

void TTabSheet::SetImageIndex(int Value) {
  if (imageIndex_ == Value) return;
  imageIndex_ = Value;
  if (pageControl_ != nullptr) pageControl_->Invalidate();
}

void TTabSheet::SetHighlighted(bool Value) {
  if (highlighted_ == Value) return;
  highlighted_ = Value;
  if (pageControl_ != nullptr) pageControl_->Invalidate();
}

void TTabSheet::WndProc(TMessage& Message) {
  if (Message.Msg == CM_TEXTCHANGED && pageControl_ != nullptr) pageControl_->Invalidate();
  TCustomControl::WndProc(Message);
}

void TTabSheet::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetColor(Color());
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(ClientRect());
}

// ---- TPageControl ----

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = TControlStyle{csDoubleClicks, csOpaque};
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clBtnFace);
}

TPageControl::~TPageControl() {
  // The sheets go with their parent; they need not tell us.
  for (TTabSheet* s : pages_) s->pageControl_ = nullptr;
  pages_.clear();
  activePage_ = nullptr;
  SetImages(nullptr);
}

TTabSheet* TPageControl::Pages(int Index) const {
  if (Index < 0 || Index >= PageCount())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return pages_[static_cast<size_t>(Index)];
}

void TPageControl::InsertPage(TTabSheet* Page) {
  if (std::find(pages_.begin(), pages_.end(), Page) != pages_.end()) return;
  pages_.push_back(Page);
  Page->pageControl_ = this;
  if (Page->Parent() != this) Page->SetParent(this);
  Page->SetVisible(false);
  // A control with pages shows one.
  if (activePage_ == nullptr && Page->TabVisible()) SetActivePage(Page);
  Realign();
  Invalidate();
}

void TPageControl::RemovePage(TTabSheet* Page) {
  auto it = std::find(pages_.begin(), pages_.end(), Page);
  if (it == pages_.end()) return;
  TTabSheet* next = Page == activePage_ ? FindNextPage(Page, true, true) : nullptr;
  pages_.erase(it);
  Page->pageControl_ = nullptr;
  if (hotTab_ == Page) hotTab_ = nullptr;
  if (Page == activePage_) {
    activePage_ = nullptr;
    if (next != nullptr && next != Page) SetActivePage(next);
  }
  firstTab_ = std::clamp(firstTab_, 0, std::max(0, static_cast<int>(VisibleTabs().size()) - 1));
  Invalidate();
}

void TPageControl::PageTabChanged(TTabSheet* Page) {
  if (!Page->TabVisible() && Page == activePage_) {
    // A page whose tab goes away gives way to the next one with a tab.
    TTabSheet* next = FindNextPage(Page, true, true);
    SetActivePage(next != Page ? next : nullptr);
  } else if (Page->TabVisible() && activePage_ == nullptr) {
    SetActivePage(Page);
  }
  firstTab_ = std::clamp(firstTab_, 0, std::max(0, static_cast<int>(VisibleTabs().size()) - 1));
  Invalidate();
}

void TPageControl::SetActivePage(TTabSheet* APage) {
  if (APage != nullptr && APage->pageControl_ != this) return;
  if (APage == activePage_) return;
  TTabSheet* old = activePage_;
  // The focus does not stay on a page that goes out of view.
  TCustomForm* form = GetParentForm(this);
  bool focusInOld = form != nullptr && old != nullptr && form->ActiveControl() != nullptr &&
                    old->ContainsControl(form->ActiveControl());
  activePage_ = APage;
  if (APage != nullptr) {
    TRect r = DisplayRect();
    APage->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    APage->BringToFront();
    APage->SetVisible(true);
    if (APage->OnShow) APage->OnShow(APage);
  }
  if (old != nullptr) {
    if (focusInOld && CanFocus()) SetFocus();
    old->SetVisible(false);
    if (old->OnHide) old->OnHide(old);
  }
  // Keep the active tab in the shown part of the strip.
  int ti = APage != nullptr ? APage->TabIndex() : -1;
  if (ti >= 0 && ti < firstTab_) firstTab_ = ti;
  Invalidate();
}

int TPageControl::ActivePageIndex() const { return activePage_ != nullptr ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int Value) {
  SetActivePage(Value >= 0 && Value < PageCount() ? pages_[static_cast<size_t>(Value)] : nullptr);
}

void TPageControl::SetTabIndex(int Value) {
  auto tabs = VisibleTabs();
  if (Value >= 0 && Value < static_cast<int>(tabs.size())) SetActivePage(tabs[static_cast<size_t>(Value)]);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const {
  return FindNextInCycle(pages_, CurPage, GoForward,
                         [&](TTabSheet* p) { return !CheckTabVisible || p->TabVisible(); });
}

bool TPageControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TPageControl::Change() {
  if (OnChange) OnChange(this);
}

void TPageControl::ChangeActivePage(TTabSheet* APage) {
  if (APage == nullptr || APage == activePage_) return;
  if (!CanChange()) return;
  SetActivePage(APage);
  Change();
}

void TPageControl::SelectNextPage(bool GoForward, bool CheckTabVisible) {
  TTabSheet* p = FindNextPage(activePage_, GoForward, CheckTabVisible);
  if (p != nullptr && p != activePage_) ChangeActivePage(p);
}

void TPageControl::SetTabHeight(int Value) {
  if (tabHeight_ == Value) return;
  tabHeight_ = std::max(Value, 0);
  Realign();
  Invalidate();
}

void TPageControl::SetTabWidth(int Value) {
  if (tabWidth_ == Value) return;
  tabWidth_ = std::max(Value, 0);
  Invalidate();
}

void TPageControl::SetTabPosition(TTabPosition Value) {
  // The strip is drawn at the top; other places are kept for the layouts.
  tabPosition_ = Value;
}

void TPageControl::SetStyle(TTabStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  Invalidate();
}

void TPageControl::SetImages(TImageList* Value) {
  if (images_ == Value) return;
  if (images_ != nullptr) images_->RemoveFreeNotification(this);
  images_ = Value;
  if (images_ != nullptr) images_->FreeNotification(this);
  Invalidate();
}

void TPageControl::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && static_cast<TComponent*>(images_) == AComponent) images_ = nullptr;
}

// ---- Geometry ----

std::vector<TTabSheet*> TPageControl::VisibleTabs() const {
  std::vector<TTabSheet*> v;
  for (TTabSheet* p : pages_)
    if (p->TabVisible()) v.push_back(p);
  return v;
}

int TPageControl::StripHeight() const {
  if (tabHeight_ > 0) return tabHeight_ + 2;
  auto* self = const_cast<TPageControl*>(this);
  TCanvas* c = self->Canvas();
  c->Font()->Assign(Font());
  int h = c->TextMetrics().tmHeight;
  if (images_ != nullptr) h = std::max(h, images_->Height());
  return (h > 0 ? h : 13) + 8;
}

TRect TPageControl::DisplayRect() const {
  TRect c = ClientRect();
  int h = StripHeight();
  TRect r = style_ == tsTabs ? TRect(c.Left + 4, h + 4, c.Right - 4, c.Bottom - 4)
                             : TRect(0, h + 3, c.Right, c.Bottom);
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

int TPageControl::TabExtent(TTabSheet* Page) {
  if (tabWidth_ > 0) return tabWidth_;
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  TRect r(0, 0, 10000, 100);
  DrawText(c, Page->Caption(), r, DT_SINGLELINE | DT_CALCRECT);
  int w = r.Width() + 2 * kTabPadding;
  if (images_ != nullptr && Page->ImageIndex() >= 0) w += images_->Width() + 3;
  return w;
}

bool TPageControl::Overflows() {
  int total = 2;
  for (TTabSheet* p : VisibleTabs()) total += TabExtent(p);
  return total > ClientWidth() - 2;
}

TRect TPageControl::ScrollerRect() const {
  int h = StripHeight();
  int w = ClientWidth();
  return TRect(w - 2 * kScrollerButton, h - kScrollerButton - 2, w, h - 2);
}

TRect TPageControl::TabRect(int TabIndex) {
  auto tabs = VisibleTabs();
  if (TabIndex < firstTab_ || TabIndex >= static_cast<int>(tabs.size())) return TRect();
  int h = StripHeight();
  int x = 2;
  for (int i = firstTab_; i < TabIndex; ++i) x += TabExtent(tabs[static_cast<size_t>(i)]);
  TRect r(x, 2, x + TabExtent(tabs[static_cast<size_t>(TabIndex)]), h);
  // The active tab stands out a little.
  if (tabs[static_cast<size_t>(TabIndex)] == activePage_) r = TRect(r.Left - 2, 0, r.Right + 2, h + 1);
  return r;
}

TTabSheet* TPageControl::TabAtPos(const TPoint& P) {
  auto tabs = VisibleTabs();
  if (Overflows() && PtInRect(ScrollerRect(), P)) return nullptr;
  int active = activePage_ != nullptr ? activePage_->TabIndex() : -1;
  if (active >= 0 && PtInRect(TabRect(active), P)) return activePage_;
  for (int i = firstTab_; i < static_cast<int>(tabs.size()); ++i)
    if (PtInRect(TabRect(i), P)) return tabs[static_cast<size_t>(i)];
  return nullptr;
}

void TPageControl::AlignControls(TControl* AControl, TRect& Rect) {
  TRect r = DisplayRect();
  for (TTabSheet* p : pages_) p->SetBounds(r.Left, r.Top, r.Width(), r.Height());
  TCustomControl::AlignControls(AControl, Rect);
}

// ---- Input ----

void TPageControl::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  switch (Key) {
    case VK_LEFT:
    case VK_UP:
      SelectNextPage(false);
      break;
    case VK_RIGHT:
    case VK_DOWN:
      SelectNextPage(true);
      break;
    case VK_HOME:
    case VK_END: {
      auto tabs = VisibleTabs();
      if (!tabs.empty()) ChangeActivePage(Key == VK_HOME ? tabs.front() : tabs.back());
      break;
    }
    default:
      return;
  }
  Key = 0;
}

void TPageControl::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      TPoint p(Message.XPos(), Message.YPos());
      if (p.Y >= StripHeight()) return;
      if (Overflows() && PtInRect(ScrollerRect(), p)) {
        int n = static_cast<int>(VisibleTabs().size());
        bool right = p.X >= ScrollerRect().Left + kScrollerButton;
        firstTab_ = std::clamp(firstTab_ + (right ? 1 : -1), 0, std::max(0, n - 1));
        Invalidate();
        return;
      }
      if (TTabSheet* t = TabAtPos(p)) {
        ChangeActivePage(t);
        if (activePage_ == t && CanFocus() && !Focused()) SetFocus();
      }
      return;
    }
    case WM_MOUSEMOVE:
      if (hotTrack_ || IsThemeActive()) {
        TTabSheet* t = TabAtPos(TPoint(Message.XPos(), Message.YPos()));
        if (t != hotTab_) {
          hotTab_ = t;
          Invalidate();
        }
      }
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      return;
    default:
      break;
  }
  TCustomControl::DefaultHandler(Message);
}

void TPageControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_CONTROLCHANGE:
      if (auto* sheet = dynamic_cast<TTabSheet*>(reinterpret_cast<TControl*>(Message.WParam))) {
        if (Message.LParam != 0)
          InsertPage(sheet);
        else if (sheet->pageControl_ == this)
          RemovePage(sheet);
      }
      break;
    case CM_DIALOGKEY:
      // Ctrl+Tab and Ctrl+Shift+Tab turn the pages from anywhere inside.
      if (Message.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
        TWinControl* focused = FindControl(GetFocus());
        if (focused != nullptr && (focused == this || ContainsControl(focused))) {
          SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
          Message.Result = 1;
          return;
        }
      }
      break;
    case CM_DIALOGCHAR:
      // A tab's accelerator turns to its page.
      for (TTabSheet* p : VisibleTabs())
        if (IsAccel(static_cast<char32_t>(Message.WParam), p->Caption()) && CanFocus()) {
          Message.Result = 1;
          ChangeActivePage(p);
          return;
        }
      break;
    case CM_FONTCHANGED:
      TCustomControl::WndProc(Message);
      Realign();
      Invalidate();
      return;
    case CM_MOUSELEAVE:
      if (hotTab_ != nullptr) {
        hotTab_ = nullptr;
        Invalidate();
      }
      break;
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

// ---- Painting ----

void TPageControl::Paint() {
  TCanvas* c = Canvas();
  TRect client = ClientRect();
  TColor back = Parent() != nullptr ? Parent()->Color() : clBtnFace;
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(back);
  c->FillRect(client);
  int h = StripHeight();
  HTHEME th = OpenThemeData(0, "TAB");
  if (style_ == tsTabs) {
    TRect frame(0, h, client.Right, client.Bottom);
    if (th != nullptr) {
      DrawThemeBackground(th, c, TABP_PANE, 0, frame, nullptr);
    } else {
      c->FillSolidRect(frame, Color());
      DrawEdge(c, frame, EDGE_RAISED, BF_RECT);
    }
  }
  auto tabs = VisibleTabs();
  bool overflow = Overflows();
  int stripRight = overflow ? ScrollerRect().Left - 1 : client.Right;
  int saved = c->SaveDC();
  c->IntersectClipRect(TRect(0, 0, stripRight, h + 2));
  auto drawTab = [&](int i) {
    TTabSheet* p = tabs[static_cast<size_t>(i)];
    TRect r = TabRect(i);
    bool sel = p == activePage_;
    if (th != nullptr) {
      int state = !Enabled() ? TIS_DISABLED : sel ? TIS_SELECTED : p == hotTab_ ? TIS_HOT : TIS_NORMAL;
      DrawThemeBackground(th, c, TABP_TABITEM, state, r, nullptr);
    } else {
      c->FillSolidRect(TRect(r.Left, r.Top, r.Right, r.Bottom), p->Highlighted() ? clBtnHighlight : Color());
      c->Pen()->SetWidth(1);
      c->Pen()->SetStyle(psSolid);
      c->Pen()->SetColor(clBtnHighlight);
      c->MoveTo(r.Left, r.Bottom - 1);
      c->LineTo(r.Left, r.Top + 2);
      c->LineTo(r.Left + 2, r.Top);
      c->LineTo(r.Right - 2, r.Top);
      c->Pen()->SetColor(clBtnShadow);
      c->MoveTo(r.Right - 2, r.Top + 1);
      c->LineTo(r.Right - 2, r.Bottom - (sel ? 1 : 0));
      c->Pen()->SetColor(cl3DDkShadow);
      c->MoveTo(r.Right - 1, r.Top + 2);
      c->LineTo(r.Right - 1, r.Bottom - (sel ? 1 : 0));
    }
    TRect t = r;
    if (images_ != nullptr && p->ImageIndex() >= 0) {
      int iy = t.Top + (t.Height() - images_->Height()) / 2;
      images_->Draw(c, t.Left + kTabPadding, iy, p->ImageIndex(), Enabled());
      t.Left += images_->Width() + 3;
    }
    c->Font()->Assign(Font());
    if (!Enabled()) c->Font()->SetColor(clGrayText);
    c->Brush()->SetStyle(bsClear);
    DrawText(c, p->Caption(), t, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    if (sel && Focused()) {
      TRect f = r;
      InflateRect(f, -3, -3);
      c->DrawFocusRect(f);
    }
  };
  int active = -1;
  for (int i = firstTab_; i < static_cast<int>(tabs.size()); ++i) {
    if (tabs[static_cast<size_t>(i)] == activePage_) {
      active = i;
      continue;
    }
    drawTab(i);
  }
  if (active >= 0) drawTab(active);
  c->RestoreDC(saved);
  if (overflow) {
    TRect s = ScrollerRect();
    TRect l(s.Left, s.Top, s.Left + kScrollerButton, s.Bottom),
        r2(s.Left + kScrollerButton, s.Top, s.Right, s.Bottom);
    int n = static_cast<int>(tabs.size());
    DrawFrameControl(c, l, DFC_SCROLL, DFCS_SCROLLLEFT | (firstTab_ > 0 ? 0u : DFCS_INACTIVE));
    DrawFrameControl(c, r2, DFC_SCROLL, DFCS_SCROLLRIGHT | (firstTab_ < n - 1 ? 0u : DFCS_INACTIVE));
  }
  if (th != nullptr) CloseThemeData(th);
}

// ---- Published tables ----

CF_ENUM_IDENTS(TTabPosition, tpTop, tpBottom, tpLeft, tpRight)
CF_ENUM_IDENTS(TTabStyle, tsTabs, tsButtons, tsFlatButtons)

CF_PUBLISH(TTabSheet, TCustomControl) {
  using C = TTabSheet;
  P.Component("PageControl", &C::PageControl, &C::SetPageControl);
  // The page control shows and hides its pages itself.
  P.Bool("Visible", &C::Visible, [](C*, bool) {}).Stored([](C*) { return false; });
  P.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(true);
  P.String("Caption", &C::Caption, &C::SetCaption);
  P.Bool("Highlighted", &C::Highlighted, &C::SetHighlighted).Default(false);
  P.Integer("ImageIndex", &C::ImageIndex, &C::SetImageIndex).Default(-1);
  P.Bool("TabVisible", &C::TabVisible, &C::SetTabVisible).Default(true);
  P.Event("OnHide", &C::OnHide);
  P.Event("OnShow", &C::OnShow);
}

CF_PUBLISH(TPageControl, TCustomControl) {
  using C = TPageControl;
  P.Color("Color", &C::Color, &C::SetColor).Default(clBtnFace).Stored([](C* c) { return !c->ParentColor(); });
  P.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
  P.Component("ActivePage", &C::ActivePage, &C::SetActivePage);
  P.Bool("HotTrack", &C::HotTrack, &C::SetHotTrack).Default(false);
  P.Component("Images", &C::Images, &C::SetImages);
  P.Enum("Style", &C::Style, &C::SetStyle).Default(tsTabs);
  P.Integer("TabHeight", &C::TabHeight, &C::SetTabHeight).Default(0);
  P.Enum("TabPosition", &C::TabPosition, &C::SetTabPosition).Default(tpTop);
  P.Integer("TabWidth", &C::TabWidth, &C::SetTabWidth).Default(0);
  P.Event("OnChange", &C::OnChange);
  P.Event("OnChanging", &C::OnChanging);
}
