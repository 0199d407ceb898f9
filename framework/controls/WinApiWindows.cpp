// The window functions of WinApi.h that work on the control tree.
#include <algorithm>

#include "framework/backend/Backend.h"
#include "framework/controls/Controls.h"
#include "framework/controls/Forms.h"
#include "framework/controls/WinApi.h"

namespace {

// The window's rectangle on screen.
TRect ScreenRectOf(TWinControl* W) {
  if (W->Parent() == nullptr) return W->BoundsRect();
  TPoint o = W->Parent()->ClientOrigin();
  TRect r = W->BoundsRect();
  OffsetRect(r, o.X, o.Y);
  return r;
}

}  // namespace

HWND GetParent(HWND Wnd) {
  TWinControl* w = FindControl(Wnd);
  if (w == nullptr) return 0;
  if (w->Parent() != nullptr) return w->Parent()->Handle();
  // A top-level window answers its owner.
  if (auto* f = dynamic_cast<TCustomForm*>(w); f != nullptr && IsWindow(f->OwnerWindow()))
    return f->OwnerWindow();
  if (w != Application->MainForm() && dynamic_cast<TCustomForm*>(w) != nullptr &&
      Application->MainForm() != nullptr && Application->MainForm()->HandleAllocated())
    return Application->MainForm()->Handle();
  return 0;
}

bool IsWindowVisible(HWND Wnd) {
  TWinControl* w = FindControl(Wnd);
  return w != nullptr && w->Showing();
}

bool IsWindowEnabled(HWND Wnd) {
  TWinControl* w = FindControl(Wnd);
  return w != nullptr && w->Enabled();
}

bool EnableWindow(HWND Wnd, bool Enable) {
  TWinControl* w = FindControl(Wnd);
  if (w == nullptr) return false;
  bool was = w->Enabled();
  w->SetEnabled(Enable);
  return !was;
}

bool GetWindowRect(HWND Wnd, TRect* Rect) {
  TWinControl* w = FindControl(Wnd);
  if (w == nullptr || Rect == nullptr) return false;
  *Rect = ScreenRectOf(w);
  return true;
}

bool GetClientRect(HWND Wnd, TRect* Rect) {
  TWinControl* w = FindControl(Wnd);
  if (w == nullptr || Rect == nullptr) return false;
  *Rect = w->ClientRect();
  return true;
}

bool ClientToScreen(HWND Wnd, TPoint* Point) {
  TWinControl* w = FindControl(Wnd);
  if (w == nullptr || Point == nullptr) return false;
  *Point = w->ClientToScreen(*Point);
  return true;
}

bool ScreenToClient(HWND Wnd, TPoint* Point) {
  TWinControl* w = FindControl(Wnd);
  if (w == nullptr || Point == nullptr) return false;
  *Point = w->ScreenToClient(*Point);
  return true;
}

HWND WindowFromPoint(const TPoint& Point) {
  TWinControl* w = FindVCLWindow(Point);
  if (w == nullptr) {
    TControl* c = FindDragTarget(Point, true);
    while (c != nullptr && dynamic_cast<TWinControl*>(c) == nullptr) c = c->Parent();
    w = static_cast<TWinControl*>(c);
  }
  return w != nullptr ? w->Handle() : 0;
}

intptr_t GetWindowLong(HWND Wnd, int Index) {
  TWinControl* w = FindControl(Wnd);
  if (w == nullptr) return 0;
  if (Index == GWL_STYLE) return static_cast<intptr_t>(w->WindowStyle());
  if (Index == GWL_EXSTYLE) return static_cast<intptr_t>(w->WindowExStyle());
  return 0;
}

intptr_t SetWindowLong(HWND Wnd, int Index, intptr_t Value) {
  TWinControl* w = FindControl(Wnd);
  if (w == nullptr) return 0;
  intptr_t old = GetWindowLong(Wnd, Index);
  if (Index == GWL_STYLE) w->SetWindowStyles(static_cast<uint32_t>(Value), w->WindowExStyle());
  if (Index == GWL_EXSTYLE) w->SetWindowStyles(w->WindowStyle(), static_cast<uint32_t>(Value));
  return old;
}

uint32_t GetClassLong(HWND Wnd, int Index) {
  TWinControl* w = FindControl(Wnd);
  return w != nullptr && Index == GCL_STYLE ? w->ClassStyle() : 0;
}

uint32_t SetClassLong(HWND Wnd, int Index, uint32_t Value) {
  TWinControl* w = FindControl(Wnd);
  if (w == nullptr || Index != GCL_STYLE) return 0;
  uint32_t old = w->ClassStyle();
  w->SetClassStyle(Value);
  return old;
}

bool SetWindowPos(HWND Wnd, HWND InsertAfter, int X, int Y, int CX, int CY, UINT Flags) {
  TWinControl* w = FindControl(Wnd);
  if (w == nullptr) return false;
  int l = w->Left(), t = w->Top(), cw = w->Width(), ch = w->Height();
  if (!(Flags & SWP_NOMOVE)) {
    l = X;
    t = Y;
  }
  if (!(Flags & SWP_NOSIZE)) {
    cw = CX;
    ch = CY;
  }
  w->SetBounds(l, t, cw, ch);
  if (!(Flags & SWP_NOZORDER)) {
    if (InsertAfter == HWND_TOPMOST || InsertAfter == HWND_NOTOPMOST) {
      uint32_t ex = w->WindowExStyle();
      ex = InsertAfter == HWND_TOPMOST ? (ex | WS_EX_TOPMOST) : (ex & ~WS_EX_TOPMOST);
      w->SetWindowStyles(w->WindowStyle(), ex);
      w->BringToFront();
    } else if (InsertAfter == HWND_TOP) {
      w->BringToFront();
    } else if (InsertAfter == HWND_BOTTOM) {
      w->SendToBack();
    }
  }
  auto* form = dynamic_cast<TCustomForm*>(w);
  if (Flags & SWP_HIDEWINDOW) w->SetVisible(false);
  if (Flags & SWP_SHOWWINDOW) {
    w->SetVisible(true);
    if (form == nullptr && w->Parent() == nullptr) w->HandleNeeded();
  }
  if (form != nullptr && !(Flags & SWP_NOACTIVATE) && form->Showing()) form->BringFormToFront();
  return true;
}

bool ShowWindow(HWND Wnd, int CmdShow) {
  TWinControl* w = FindControl(Wnd);
  if (w == nullptr) return false;
  bool was = w->Visible();
  auto* form = dynamic_cast<TCustomForm*>(w);
  switch (CmdShow) {
    case SW_HIDE:
      w->SetVisible(false);
      break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
      if (form) form->SetWindowState(wsMinimized);
      w->SetVisible(true);
      break;
    case SW_MAXIMIZE:
      if (form) form->SetWindowState(wsMaximized);
      w->SetVisible(true);
      break;
    case SW_RESTORE:
      if (form) form->SetWindowState(wsNormal);
      w->SetVisible(true);
      break;
    default:
      w->SetVisible(true);
      break;
  }
  if (form != nullptr && CmdShow != SW_HIDE && CmdShow != SW_SHOWNOACTIVATE && CmdShow != SW_SHOWNA &&
      form->Showing())
    form->BringFormToFront();
  return was;
}

int GetSystemMetrics(int Index) {
  switch (Index) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
      return Screen != nullptr ? Screen->Width() : 1024;
    case SM_CYSCREEN:
    case SM_CYFULLSCREEN:
      return Screen != nullptr ? Screen->Height() : 768;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
      return 17;
    case SM_CYCAPTION:
      return 22;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
      return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
      return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
      return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
      return 16;
    case SM_CYMENU:
      return 19;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
      return 4;
    case SM_MOUSEWHEELPRESENT:
      return 1;
    default:
      return 0;
  }
}

bool SystemParametersInfo(UINT Action, UINT, void* PvParam, UINT) {
  if (PvParam == nullptr) return false;
  switch (Action) {
    case SPI_GETWORKAREA:
      *static_cast<TRect*>(PvParam) = Screen != nullptr ? Screen->WorkAreaRect() : TRect(0, 0, 1024, 768);
      return true;
    case SPI_GETWHEELSCROLLLINES:
      *static_cast<UINT*>(PvParam) = static_cast<UINT>(Mouse != nullptr ? Mouse->WheelScrollLines() : 3);
      return true;
    default:
      return false;
  }
}

UINT GetDoubleClickTime() {
  IBackend* b = Backend();
  return static_cast<UINT>(b != nullptr ? b->DoubleClickTime() : 500);
}
