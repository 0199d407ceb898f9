#pragma once
// The window backend: one peer per windowed control (geometry, visibility,
// focus, capture, cursor, paint requests), the event loop, the screen, the
// real dialogs and the clipboard. The portable controls call this interface;
// framework/backend/qt/ implements it. Input comes back through
// IWindowEvents, which the controls layer turns into window messages (and
// drags into the drop targets of DragDrop.h).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/controls/Messages.h"
#include "framework/graphics/Types.h"

class TPainter;
struct TPixelData;

// How a window looks to the window system.
struct TPeerParams {
  HWND Handle = 0;
  // 0 for a top-level window (form, pop-up).
  HWND Parent = 0;
  // A top-level window stays above its owner and leaves with it.
  HWND Owner = 0;
  // Child: the window rectangle in the parent's client coordinates.
  // Top-level: the client area in screen coordinates.
  TRect Bounds;
  std::string Caption;
  bool Visible = false;
  bool Enabled = true;
  // Top-level looks.
  bool Frameless = false;
  bool Sizeable = false;
  bool ToolWindow = false;
  bool StayOnTop = false;
  bool NoActivate = false;
  // The pointer passes through the window to whatever lies under it.
  bool TransparentForInput = false;
  bool SystemMenu = true;
  bool MinimizeBox = true;
  bool MaximizeBox = true;
};

class IWindowPeer {
 public:
  virtual ~IWindowPeer() = default;
  // Same meaning as TPeerParams::Bounds.
  virtual void SetBounds(const TRect& R) = 0;
  virtual void SetVisible(bool Visible) = 0;
  virtual void SetEnabled(bool Enabled) = 0;
  virtual void SetCaption(const std::string& Caption) = 0;
  // R in window coordinates; nullptr invalidates everything.
  virtual void Invalidate(const TRect* R) = 0;
  // Paints the invalid parts now.
  virtual void Update() = 0;
  virtual void SetFocus() = 0;
  virtual void SetCapture(bool On) = 0;
  // A platform cursor number (crDefault, crHandPoint, ...).
  virtual void SetCursor(int Cursor) = 0;
  virtual void BringToFront() = 0;
  virtual void SendToBack() = 0;
  // Top-level windows only.
  virtual void Activate() = 0;
  // 0 normal, 1 minimised, 2 maximised.
  virtual void SetWindowState(int State) = 0;
  virtual void SetStayOnTop(bool On) = 0;
  // 255 opaque.
  virtual void SetOpacity(int Alpha) = 0;
  // A window region (window coordinates); empty removes it.
  virtual void SetShape(const std::vector<TPoint>& Polygon) = 0;
  // The screen point of the window's top-left corner (client area for a
  // top-level window).
  virtual TPoint ScreenOrigin() = 0;
  // Top-level windows only: the window to stay above and leave with (0 for
  // none), set before the window is shown.
  virtual void SetOwner(HWND Owner) = 0;
  // Top-level windows only: the sizes the user may give the window, with the
  // meaning of TPeerParams::Bounds; 0 is no limit.
  virtual void SetSizeLimits(int MinWidth, int MinHeight, int MaxWidth, int MaxHeight) = 0;
  // Drags of any program may be dropped on the window (reported through
  // IWindowEvents::PeerDrag).
  virtual void SetAcceptDrops(bool On) { (void)On; }
};

// What a drag offers: data under MIME types (see DataFormats.h). Valid while
// the call that hands it over runs.
class IDragPayload {
 public:
  virtual ~IDragPayload() = default;
  virtual std::vector<std::string> Formats() const = 0;
  virtual bool Data(const std::string& Mime, std::vector<uint8_t>& Bytes) const = 0;
};

// The portable side of a drag this program started. Effects and key states
// are the platform's numbers (DROPEFFECT_COPY, MK_CONTROL, ...).
class IDragLoop {
 public:
  virtual ~IDragLoop() = default;
  // Called now and then while the drag runs, with the pointer's screen
  // position; false cancels the drag.
  virtual bool Continue(uint32_t KeyState, const TPoint& Screen) = 0;
  // The window under the pointer now takes the drop with this effect.
  virtual void Feedback(uint32_t Effect) = 0;
};

enum TPeerDragAction { pdaEnter, pdaOver, pdaLeave, pdaDrop };

enum TPeerMouseAction { pmaDown, pmaUp, pmaDoubleClick, pmaMove };
// Mouse buttons of peer input.
enum TPeerButton { pbNone, pbLeft, pbRight, pbMiddle };

// The portable side: what the backend reports.
class IWindowEvents {
 public:
  virtual ~IWindowEvents() = default;
  // The window wants painting: draw UpdateRect (window coordinates) through
  // Painter.
  virtual void PeerPaint(HWND Wnd, TPainter& Painter, const TRect& UpdateRect) = 0;
  // A key went down or up; Char is the character the keyboard layout gives
  // (0 when none), ScanCode the PC scan code when known (-1 otherwise).
  virtual void PeerKey(WORD VirtKey, int ScanCode, bool Extended, bool Down, bool AutoRepeat,
                       char32_t Char) = 0;
  // Point in the window's own coordinates.
  virtual void PeerMouse(HWND Wnd, TPeerMouseAction Action, TPeerButton Button, const TPoint& Point) = 0;
  virtual void PeerMouseWheel(HWND Wnd, int Delta, const TPoint& Point) = 0;
  virtual void PeerMouseLeave(HWND Wnd) = 0;
  // The user moved or sized a top-level window (client area, screen).
  virtual void PeerMovedOrResized(HWND Wnd, const TRect& ClientOnScreen) = 0;
  // The close box of a top-level window.
  virtual void PeerCloseRequest(HWND Wnd) = 0;
  virtual void PeerActivated(HWND Wnd, bool Active) = 0;
  // Called now and then while a real dialog of the backend runs its own
  // loop: posted messages and due timers go on being handled meanwhile.
  virtual void PeerPump() = 0;
  // A drag of any program (this one too) entered, moved over, left or was
  // dropped on a window that accepts drops; Point in the window's own
  // coordinates. Answers the effect the window takes (0: none).
  virtual uint32_t PeerDrag(HWND Wnd, TPeerDragAction Action, const TPoint& Point,
                            const IDragPayload* Payload, uint32_t Effects, uint32_t KeyState) {
    (void)Wnd, (void)Action, (void)Point, (void)Payload, (void)Effects, (void)KeyState;
    return 0;
  }
};

enum TDialogIcon { diNone, diWarning, diError, diInformation, diQuestion };

// A message box; buttons are modal results (mrOk, mrYes, ...), the answer is
// one of them.
struct TMessageBoxParams {
  std::string Caption;
  std::string Text;
  TDialogIcon Icon = diNone;
  std::vector<int> Buttons;
  int DefaultButton = 0;
};

struct TFileDialogParams {
  bool Save = false;
  std::string Title;
  // "Text files (*.txt)|*.txt|All files (*.*)|*.*"
  std::string Filter;
  int FilterIndex = 1;
  std::string InitialDir;
  std::string FileName;
  std::string DefaultExt;
  bool OverwritePrompt = false;
  bool FileMustExist = false;
  bool MultiSelect = false;
  // Out: the chosen files.
  std::vector<std::string> Files;
};

// One line of a pop-up menu.
struct TPopupMenuEntry {
  std::string Caption;
  bool Checked = false;
  bool Enabled = true;
  bool Separator = false;
};

// A clipboard item: a format name and its bytes.
using TClipboardItem = std::pair<std::string, std::vector<uint8_t>>;

class IBackend {
 public:
  virtual ~IBackend() = default;
  virtual void SetEvents(IWindowEvents* Events) = 0;
  virtual std::unique_ptr<IWindowPeer> CreatePeer(const TPeerParams& Params) = 0;

  // Handles what the window system has pending, without waiting.
  virtual void ProcessEvents() = 0;
  // The same, but mouse and key input stays queued for a later pass.
  virtual void ProcessEventsWithoutInput() = 0;
  // Waits until something arrives (and handles it) or TimeoutMs pass
  // (-1: no limit).
  virtual void WaitForEvents(int TimeoutMs) = 0;
  // Ends a wait; safe from any thread.
  virtual void WakeUp() = 0;

  virtual TRect ScreenRect() = 0;
  // The work area of the monitor nearest to P.
  virtual TRect WorkArea(const TPoint& P) = 0;
  virtual int PixelsPerInch() = 0;
  virtual bool GetCursorPos(TPoint& P) = 0;
  virtual void SetCursorPos(const TPoint& P) = 0;
  virtual int WheelScrollLines() = 0;
  virtual int DoubleClickTime() = 0;
  virtual std::vector<std::string> FontNames() = 0;
  virtual void Beep() = 0;
  // A cursor of our own under a cursor number (the transparent pixels of
  // Image show what is under it).
  virtual void RegisterCursor(int Id, const TPixelData& Image, const TPoint& HotSpot) = 0;

  // Real dialogs (tests answer them through the interaction hook instead).
  virtual int ShowMessageBox(const TMessageBoxParams& Params) = 0;
  virtual bool ShowFileDialog(TFileDialogParams& Params) = 0;
  // The index of the entry picked, -1 when none.
  virtual int ShowPopupMenu(const std::vector<TPopupMenuEntry>& Entries, const TPoint& ScreenPos) = 0;

  virtual std::vector<std::string> ClipboardFormats() = 0;
  virtual bool ClipboardGet(const std::string& Format, std::vector<uint8_t>& Data) = 0;
  virtual void ClipboardSet(const std::vector<TClipboardItem>& Items) = 0;

  // Runs the window system's drag loop with Payload on offer until the user
  // drops or cancels it; answers the effect the drop took (0 when cancelled
  // or refused). Tests stand in front of it (DragDrop.h's drag hook).
  virtual uint32_t RunDrag(const IDragPayload& Payload, uint32_t OkEffects, IDragLoop& Loop) {
    (void)Payload, (void)OkEffects, (void)Loop;
    return 0;
  }

  // The path of the running program.
  virtual std::string ExecutablePath() = 0;
};

// The backend in use; the Qt one is made on first use.
IBackend* Backend();
// Replaces the backend (nullptr: the Qt one again on next use).
void SetBackend(std::unique_ptr<IBackend> NewBackend);
// Made by framework/backend/qt.
std::unique_ptr<IBackend> CreateQtBackend();
