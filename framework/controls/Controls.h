#pragma once
// The control tree: TControl (position, looks, mouse), TWinControl (a window
// of its own: children, focus, keys, tab order), TCustomControl (a window
// that paints itself on its canvas) and TGraphicControl (no window, painted
// by its parent).
//
// Window messages are the spine. Every message reaches a control through its
// WindowProc (WndProc unless replaced), which handles what it knows and
// passes the rest to DefaultHandler. Derived controls override WndProc,
// switch on Msg and call the base for the rest, or override one of the
// handler methods below. The backend turns real input into the same messages,
// so a test that sends WM_KEYDOWN or WM_LBUTTONDOWN gets what a user gets.
//
// What the messages carry here:
//  - WM_PAINT, WM_ERASEBKGND, WM_NCPAINT: the device context in WParam, a
//    TCanvas* (HDC) already clipped and with its origin on the client (the
//    window for WM_NCPAINT). A control's own Canvas draws only while it
//    paints; elsewhere it measures text but draws nothing, so code that
//    wants a new picture calls Invalidate or Repaint.
//  - WM_CHAR, WM_SYSCHAR, CM_DIALOGCHAR: the Unicode character in WParam.
//  - WM_SETTEXT: a NUL-terminated UTF-8 text in LParam; WM_GETTEXT fills a
//    char buffer of WParam bytes (whole characters only).
//  - CM_FOCUSCHANGED: the TWinControl* that took the focus in LParam.
//  - Mouse messages: client coordinates in LParam, MK_ flags in WParam;
//    WM_MOUSEWHEEL: screen coordinates, delta (120 a notch) in the high word.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/Classes.h"
#include "framework/controls/Messages.h"
#include "framework/controls/WinApi.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Types.h"
#include "framework/rtl/Set.h"

class TControl;
class TWinControl;
class TCustomForm;
class TPopupMenu;
class IWindowPeer;

// ---- Small types of the control tree ----
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind, 8>;
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
// One enumeration for form and control borders: controls use bsNone and
// bsSingle only.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem, 8>;

enum TControlStyleItem {
  csAcceptsControls,
  csCaptureMouse,
  csDesignInteractive,
  csClickEvents,
  csFramed,
  csSetCaption,
  csOpaque,
  csDoubleClicks,
  csFixedWidth,
  csFixedHeight,
  csNoDesignVisible,
  csReplicatable,
  csNoStdEvents,
  csDisplayDragImage,
  csReflector,
  csActionClient,
  csMenuEvents,
  csNeedsBorderPaint,
  csParentBackground,
  csPannable,
};
using TControlStyle = TSet<TControlStyleItem>;

enum TControlStateItem {
  csLButtonDown,
  csClicked,
  csPalette,
  csReadingState,
  csAlignmentNeeded,
  csFocusing,
  csCreating,
  csPaintCopy,
  csCustomPaint,
  csDestroyingHandle,
  csDocking,
  csDesignerHide,
  csPanning,
  csRecreating,
  csAligning,
};
using TControlState = TSet<TControlStateItem>;

// Cursors by the platform's numbers.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSize = -22;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// Modal results.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;
constexpr TModalResult mrClose = IDCLOSE;
constexpr TModalResult mrHelp = IDHELP;
constexpr TModalResult mrTryAgain = 10;
constexpr TModalResult mrContinue = 11;
constexpr TModalResult mrAll = 12;
constexpr TModalResult mrNoToAll = 13;
constexpr TModalResult mrYesToAll = 14;

// ---- Events ----
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent =
    std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
// The character by reference: setting it to 0 swallows it.
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
using TCanResizeEvent = std::function<void(TObject* Sender, int& NewWidth, int& NewHeight, bool& Resize)>;

// Shift state from the MK_ flags of a mouse message, from the key data of a
// key message, and from the keyboard state now.
TShiftState KeysToShiftState(WORD Keys);
TShiftState KeyDataToShiftState(LPARAM KeyData);
TShiftState GetShiftState();
// The character marked by "&" in a caption ("&&" is a plain "&"), 0 if none.
char32_t GetHotkey(const std::string& Text);
// True when Key is the caption's accelerator (compared without case).
bool IsAccel(char32_t Key, const std::string& Caption);
// The caption without its "&" marks ("&&" becomes "&").
std::string StripHotkey(const std::string& Text);

// Window parameters, as CreateParams fills them.
struct TCreateParams {
  std::string Caption;
  uint32_t Style = 0;
  uint32_t ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = 0;
  uint32_t WindowClassStyle = 0;
  std::string WinClassName;
};

class TSizeConstraints : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  int MinWidth() const { return minWidth_; }
  int MinHeight() const { return minHeight_; }
  int MaxWidth() const { return maxWidth_; }
  int MaxHeight() const { return maxHeight_; }
  void SetMinWidth(int Value);
  void SetMinHeight(int Value);
  void SetMaxWidth(int Value);
  void SetMaxHeight(int Value);
  TNotifyEvent OnChange;

 private:
  void Changed();
  int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
};

// The canvas of a control: drawing goes to the window (or the grab) while the
// control paints; outside painting it still measures text.
class TControlCanvas : public TCanvas {
 public:
  explicit TControlCanvas(TControl* AControl = nullptr) : control_(AControl) {}
  TControl* Control() const { return control_; }
  void SetControl(TControl* Value) { control_ = Value; }
  // Draws through the device context DC (another canvas) from now on: its
  // painter, origin and clip.
  void BeginDC(TCanvas* DC);
  void EndDC();
  // Runs Paint drawing through DC, and ends drawing through it (and refreshes
  // DC) also when Paint throws. Locked: the canvas is locked meanwhile.
  void PaintThrough(TCanvas* DC, bool Locked, const std::function<void()>& Paint);

 private:
  TControl* control_;
};

// The largest place or size a stored layout may give a control (the largest
// window the window system makes): any two of them add up without overflow.
constexpr int MaxControlExtent = 16777215;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  // ---- The tree
  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* AParent);
  bool HasParent() const { return parent_ != nullptr; }

  // ---- Geometry (in the parent's client coordinates)
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int Value) { SetBounds(Value, top_, width_, height_); }
  void SetTop(int Value) { SetBounds(left_, Value, width_, height_); }
  void SetWidth(int Value) { SetBounds(left_, top_, Value, height_); }
  void SetHeight(int Value) { SetBounds(left_, top_, width_, Value); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return TRect(left_, top_, left_ + width_, top_ + height_); }
  void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
  TRect ClientRect() const { return GetClientRect(); }
  int ClientWidth() const { return ClientRect().Right; }
  int ClientHeight() const { return ClientRect().Bottom; }
  void SetClientWidth(int Value) { SetClientSize(TPoint(Value, ClientHeight())); }
  void SetClientHeight(int Value) { SetClientSize(TPoint(ClientWidth(), Value)); }
  // Screen point of the client area's top-left corner.
  TPoint ClientOrigin() const { return GetClientOrigin(); }
  TPoint ClientToScreen(const TPoint& P) const;
  TPoint ScreenToClient(const TPoint& P) const;
  // A client point of this control in the client coordinates of AParent
  // (default: the parent).
  TPoint ClientToParent(const TPoint& P, TWinControl* AParent = nullptr) const;
  TPoint ParentToClient(const TPoint& P, TWinControl* AParent = nullptr) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign Value);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors Value);
  TSizeConstraints* Constraints() { return &constraints_; }
  bool AutoSize() const { return autoSize_; }
  virtual void SetAutoSize(bool Value);

  // ---- State and looks
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  void Show();
  void Hide();
  // Visible with every parent up to a top-level window that is on screen.
  bool IsShowing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool Value);
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* Value) { font_->Assign(Value); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool Value);
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool Value);
  // The caption and the text are the same window text (WM_GETTEXT/WM_SETTEXT).
  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& Value) { SetText(Value); }
  std::string Text() const { return GetText(); }
  void SetText(const std::string& Value);
  int GetTextLen() const;
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value) { hint_ = Value; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool Value);
  // True for a control that gives hints of its own by place, through
  // CM_HINTSHOW, whether or not it has a Hint text (a grid's headers and
  // cells); others show a hint only when they have a Hint.
  virtual bool HintsByPlace() const { return false; }
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool Value);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor Value);
  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle Value) { controlStyle_ = Value; }
  TControlState ControlState() const { return controlState_; }
  void SetControlState(TControlState Value) { controlState_ = Value; }
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode Value);
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool Value);
  bool IsRightToLeft() const { return biDiMode_ != bdLeftToRight; }
  bool UseRightToLeftAlignment() const { return biDiMode_ == bdRightToLeft; }
  bool UseRightToLeftReading() const { return biDiMode_ != bdLeftToRight; }
  bool UseRightToLeftScrollBar() const {
    return biDiMode_ == bdRightToLeft || biDiMode_ == bdRightToLeftNoAlign;
  }
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* Value);
  bool MouseCapture() const;
  void SetMouseCapture(bool Value);

  // ---- Painting
  virtual void Invalidate();
  // Paints now what is invalid.
  virtual void Update();
  void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();

  // ---- Messages
  // Runs the message through WindowProc and answers its result.
  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  // The window procedure in use: WndProc unless code replaced it (restore
  // by assigning the saved value back).
  TWndMethod WindowProc;
  virtual void WndProc(TMessage& Message);
  // What nobody handled: the platform's default behaviour.
  virtual void DefaultHandler(TMessage& Message);

  // ---- Actions
  virtual void Click();
  virtual void DblClick();

  // Paints the control into Bitmap as the screen shows it (its own painting
  // code; nothing else on top).
  std::unique_ptr<TBitmap> GrabToBitmap();
  // Writes that picture as a PNG file through the safe writer.
  void GrabToPng(const std::string& FileName);

  // ---- Events
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TNotifyEvent OnResize;
  TCanResizeEvent OnCanResize;
  TContextPopupEvent OnContextPopup;

 protected:
  friend class TWinControl;
  // Geometry hooks.
  virtual TRect GetClientRect() const;
  virtual TPoint GetClientOrigin() const;
  virtual void SetClientSize(const TPoint& Value);
  virtual void Resize();
  virtual bool CanResize(int& NewWidth, int& NewHeight);
  virtual bool CanAutoSize(int& NewWidth, int& NewHeight);
  virtual void AdjustSize();
  void DoConstraints(int& W, int& H) const;
  virtual void RequestAlign();
  void UpdateAnchorRules();
  virtual void UpdateBoundsRect(const TRect& R);
  virtual void ChangeScale(int M, int D);
  virtual void VisibleChanging() {}
  // The window text through WM_GETTEXTLENGTH and WM_GETTEXT, so controls
  // that keep their own text answer for it.
  virtual std::string GetText() const;
  virtual void SetTextValue(const std::string& Value);
  virtual void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Mouse and wheel hooks.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
  virtual void MouseWheelHandler(TMessage& Message);
  void DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift);
  void DoMouseUp(TMessage& Message, TMouseButton Button);

  // Message handlers (called by WndProc; override to extend, call the base).
  virtual void WMLButtonDown(TMessage& Message);
  virtual void WMLButtonDblClk(TMessage& Message);
  virtual void WMLButtonUp(TMessage& Message);
  virtual void WMRButtonDown(TMessage& Message);
  virtual void WMRButtonDblClk(TMessage& Message);
  virtual void WMRButtonUp(TMessage& Message);
  virtual void WMMButtonDown(TMessage& Message);
  virtual void WMMButtonDblClk(TMessage& Message);
  virtual void WMMButtonUp(TMessage& Message);
  virtual void WMMouseMove(TMessage& Message);
  virtual void WMMouseWheel(TMessage& Message);
  virtual void WMContextMenu(TMessage& Message);
  virtual void WMCancelMode(TMessage& Message);
  virtual void CMMouseWheel(TMessage& Message);
  virtual void CMEnabledChanged(TMessage& Message);
  virtual void CMVisibleChanged(TMessage& Message);
  virtual void CMFontChanged(TMessage& Message);
  virtual void CMColorChanged(TMessage& Message);
  virtual void CMParentFontChanged(TMessage& Message);
  virtual void CMParentColorChanged(TMessage& Message);
  virtual void CMParentShowHintChanged(TMessage& Message);
  virtual void CMParentBiDiModeChanged(TMessage& Message);
  virtual void CMTextChanged(TMessage& Message) { (void)Message; }
  virtual void CMMouseEnter(TMessage& Message);
  virtual void CMMouseLeave(TMessage& Message);
  virtual void CMHitTest(TMessage& Message) { Message.Result = HTCLIENT; }
  virtual void CMHintShow(TMessage& Message) { (void)Message; }
  virtual void CMCursorChanged(TMessage& Message);

  // The control's drawing surface for a grab (windowed controls also draw
  // their children).
  virtual void PaintForGrab(TCanvas* DC);

  TControlStyle controlStyle_;
  TControlState controlState_;
  bool anchorMove_ = false;
  TPoint anchorRules_;
  TPoint originalParentSize_;

 private:
  void FontChanged(TObject* Sender);
  void ConstraintsChanged(TObject* Sender);
  void SetParentComponentDirect(TWinControl* AParent) { parent_ = AParent; }
  void DoSetBounds(int ALeft, int ATop, int AWidth, int AHeight);

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = alNone;
  TAnchors anchors_{akLeft, akTop};
  TSizeConstraints constraints_;
  bool autoSize_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  std::string text_;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TCursor cursor_ = crDefault;
  TBiDiMode biDiMode_ = bdLeftToRight;
  bool parentBiDiMode_ = true;
  TPopupMenu* popupMenu_ = nullptr;
  bool inFontChange_ = false;
};

// Scroll information kept per bar of a window.
struct TScrollBarState {
  TScrollInfo Info;
  bool Visible = false;
  bool Enabled = true;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  // ---- Children
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int Index) const;
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  bool ContainsControl(TControl* Control) const;
  // The child at P (client coordinates): the top-most visible one, windowed
  // children only when AllowWinControls; deepest level when AllLevels.
  TControl* ControlAtPos(const TPoint& P, bool AllowDisabled, bool AllowWinControls = false,
                         bool AllLevels = false) const;
  // Sends Message to every child until one answers non-zero.
  void Broadcast(TMessage& Message);
  void DisableAlign();
  void EnableAlign();
  void Realign();
  bool AlignDisabled() const { return alignLevel_ > 0; }
  // While a layout reads this control and its children, their every bounds
  // change would align all the children again: alignment waits for the end
  // of the read and runs once.
  void BeginLoading() override;
  void EndReading() override;
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int Value);

  // ---- Tab order and focus
  int TabOrder() const;
  void SetTabOrder(int Value);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool Value);
  void GetTabOrderList(std::vector<TWinControl*>& List) const;
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                               bool CheckParent) const;
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();

  // ---- The window
  HWND Handle();
  bool HandleAllocated() const { return handle_ != 0; }
  void HandleNeeded();
  void RecreateWnd();
  // Visible here and on every parent up to a shown top-level window.
  bool Showing() const { return showing_; }
  IWindowPeer* Peer() const { return peer_.get(); }
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool Value) { doubleBuffered_ = Value; }
  TBrush* Brush() { return brush_.get(); }
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool Value);
  bool ParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool Value);

  void Invalidate() override;
  void Update() override;
  // R in client coordinates; nullptr: the whole window.
  void InvalidateRect(const TRect* R, bool Erase = true);
  // Draws the control and its children into DC at (X, Y).
  void PaintTo(TCanvas* DC, int X, int Y);
  void ScrollBy(int DeltaX, int DeltaY);
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // Scroll bars of the window (SB_HORZ, SB_VERT).
  int SetScrollInfo(int Bar, const TScrollInfo& Info, bool Redraw);
  bool GetScrollInfo(int Bar, TScrollInfo& Info) const;
  bool ShowScrollBar(int Bar, bool Show);
  bool EnableScrollBar(int Bar, bool Enable);
  const TScrollBarState& ScrollBarState(int Bar) const { return Bar == SB_VERT ? vertBar_ : horzBar_; }

  // The widths of the window's border (left, top, right, bottom), from its
  // styles.
  TRect NonClientInsets() const;
  // A point of the window's peer (its top-left corner at 0, 0) in client
  // coordinates: a top-level peer is the client area, a child's the window.
  TPoint PeerToClient(const TPoint& P) const;
  // Where the peer lies in its parent peer (or on the screen, top level).
  TRect PeerBounds() const;
  bool IsTopLevelWindow() const { return topLevel_; }
  // True when the window system draws this window's frame, so its peer is
  // the client area alone; every other peer also holds the frame we draw.
  bool PeerIsClientArea() const { return peerIsClient_; }
  // The window's styles (GWL_STYLE, GWL_EXSTYLE) and class style; setting
  // them changes the looks they stand for and sends WM_STYLECHANGED.
  uint32_t WindowStyle() const;
  uint32_t WindowExStyle() const;
  void SetWindowStyles(uint32_t Style, uint32_t ExStyle);
  uint32_t ClassStyle() const { return classStyle_; }
  void SetClassStyle(uint32_t Value) { classStyle_ = Value; }

  // ---- Events
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;

  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

 protected:
  friend class TControl;
  friend class TCustomForm;
  friend class TControlWindowEvents;

  virtual void CreateParams(TCreateParams& Params);
  // What CreateParams gives but the caption and class name: the styles the
  // insets and style queries need without a handle, asked many times while
  // a form is built (the caption is read through window messages).
  TCreateParams StyleParams() const;
  // A single border is the sunken client edge with 3-D looks, a plain line
  // without them.
  void ApplyBorderStyle(TCreateParams& Params, TBorderStyle Style) const;
  virtual void CreateWnd();
  virtual void DestroyWnd();
  virtual void CreateHandle();
  virtual void DestroyHandle();
  // The peer's looks for these parameters (forms add their own).
  virtual void FillPeerParams(const TCreateParams& Params, struct TPeerParams& Peer);
  virtual TRect ComputeNonClientInsets(const TCreateParams& Params) const;
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  virtual void AdjustClientRect(TRect& Rect);
  void AlignControl(TControl* AControl);
  virtual void PaintWindow(TCanvas* DC);
  void PaintControls(TCanvas* DC, TControl* First);
  void PaintHandler(TMessage& Message);
  virtual void PaintNonClient(TCanvas* DC);
  void PaintForGrab(TCanvas* DC) override;
  TRect GetClientRect() const override;
  TPoint GetClientOrigin() const override;
  void SetClientSize(const TPoint& Value) override;
  bool IsControlMouseMsg(TMessage& Message);
  virtual void UpdateShowing();
  void UpdateControlState();
  // Moves the peer to the current bounds.
  void UpdatePeerBounds();
  TWinControl* FindTopLevel();

  // Keys.
  virtual void KeyDown(WORD& Key, TShiftState Shift);
  virtual void KeyUp(WORD& Key, TShiftState Shift);
  virtual void KeyPress(char32_t& Key);
  bool DoKeyDown(TMessage& Message);
  bool DoKeyUp(TMessage& Message);
  bool DoKeyPress(TMessage& Message);
  virtual void DoEnter();
  virtual void DoExit();

  virtual void WMPaint(TMessage& Message);
  virtual void WMEraseBkgnd(TMessage& Message);
  virtual void WMNCPaint(TMessage& Message);
  virtual void WMSetFocus(TMessage& Message);
  virtual void WMKillFocus(TMessage& Message);
  virtual void WMKeyDown(TMessage& Message);
  virtual void WMSysKeyDown(TMessage& Message);
  virtual void WMKeyUp(TMessage& Message);
  virtual void WMSysKeyUp(TMessage& Message);
  virtual void WMChar(TMessage& Message);
  virtual void WMSysChar(TMessage& Message);
  virtual void WMSize(TMessage& Message);
  virtual void WMGetDlgCode(TMessage& Message) { DefaultHandler(Message); }
  virtual void WMSetText(TMessage& Message);
  virtual void WMGetText(TMessage& Message);
  virtual void WMGetTextLength(TMessage& Message);
  virtual void WMSetCursor(TMessage& Message);
  virtual void WMTimer(TMessage& Message) { (void)Message; }
  virtual void CNKeyDown(TMessage& Message);
  virtual void CNKeyUp(TMessage& Message);
  virtual void CNChar(TMessage& Message);
  virtual void CNSysKeyDown(TMessage& Message);
  virtual void CNSysChar(TMessage& Message);
  virtual void CMEnter(TMessage& Message);
  virtual void CMExit(TMessage& Message);
  virtual void CMDialogKey(TMessage& Message);
  virtual void CMDialogChar(TMessage& Message);
  virtual void CMFocusChanged(TMessage& Message);
  virtual void CMShowingChanged(TMessage& Message);
  virtual void CMVisibleChanged(TMessage& Message) override;
  virtual void CMEnabledChanged(TMessage& Message) override;
  virtual void CMColorChanged(TMessage& Message) override;
  virtual void CMFontChanged(TMessage& Message) override;
  virtual void CMWantSpecialKey(TMessage& Message) { Message.Result = 0; }
  virtual void CMChildKey(TMessage& Message);

  HWND handle_ = 0;
  std::unique_ptr<IWindowPeer> peer_;
  TRect ncInsets_;
  uint32_t style_ = 0;
  uint32_t exStyle_ = 0;
  uint32_t classStyle_ = 0;
  // Our own top-level ancestor window (a form or pop-up), for coordinates.
  bool topLevel_ = false;
  bool peerIsClient_ = false;

 private:
  void BrushChanged(TObject*);
  void InsertIntoLists(TControl* AControl);
  void RemoveFromLists(TControl* AControl);
  void DoAlignAll(TControl* AControl);

  std::vector<TControl*> controls_;    // all children, in z-order (last on top)
  std::vector<TWinControl*> tabList_;  // windowed children in tab order
  bool tabStop_ = false;
  int alignLevel_ = 0;
  bool alignPending_ = false;
  bool alignHeldForReading_ = false;
  bool stylesOnly_ = false;
  int borderWidth_ = 0;
  bool showing_ = false;
  bool doubleBuffered_ = false;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  std::unique_ptr<TBrush> brush_;
  TScrollBarState horzBar_, vertBar_;
};

// A window that paints itself on its own canvas in Paint.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;
  TCanvas* Canvas() { return PaintCanvas(); }

 protected:
  virtual void Paint() {}
  void PaintWindow(TCanvas* DC) override;

 private:
  // Made on first use: many controls are never painted.
  TControlCanvas* PaintCanvas();
  std::unique_ptr<TControlCanvas> canvas_;
};

// A control without a window of its own; its parent paints it and passes it
// the mouse messages over its area.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;
  TCanvas* Canvas() { return PaintCanvas(); }
  void WndProc(TMessage& Message) override;

 protected:
  virtual void Paint() {}
  void PaintForGrab(TCanvas* DC) override;

 private:
  // Made on first use: many controls are never painted.
  TControlCanvas* PaintCanvas();
  std::unique_ptr<TControlCanvas> canvas_;
};

// The mouse as the program sees it.
class TMouse {
 public:
  TPoint CursorPos() const;
  void SetCursorPos(const TPoint& P);
  HWND Capture() const { return GetCapture(); }
  void SetCapture(HWND Wnd) { ::SetCapture(Wnd); }
  // Lines per wheel notch; -1 scrolls a page.
  int WheelScrollLines() const;
  bool WheelPresent() const { return true; }
  bool MousePresent() const { return true; }
};
extern TMouse* Mouse;

// The control behind a window handle (nullptr when none).
TWinControl* FindControl(HWND Handle);
// The control under the screen point P (disabled ones too when
// AllowDisabled), nullptr when none of ours.
TControl* FindDragTarget(const TPoint& P, bool AllowDisabled);
TWinControl* FindVCLWindow(const TPoint& P);
// The control holding the mouse capture: a windowed control with the
// capture, or a graphic control that asked for it through its parent.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// The form a control sits on (nullptr when none).
TCustomForm* GetParentForm(TControl* Control, bool TopForm = true);
TCustomForm* ValidParentForm(TControl* Control);
// Invalidates a window by handle (rectangle in client coordinates).
bool InvalidateRect(HWND Wnd, const TRect* R, bool Erase);
