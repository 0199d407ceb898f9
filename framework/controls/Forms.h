#pragma once
// Forms, the application object, the screen and the hint window.
//
// Modal forms, message boxes and file dialogs all pass through one
// interaction hook: the program shows the real ones; tests install a
// responder (tests/support/) that answers boxes and drives modal forms, so
// ShowModal and MessageBox return without blocking.
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/backend/Backend.h"
#include "framework/controls/Controls.h"

enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon, 8>;
enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateItem, 8>;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm;
class THintWindow;

// Answers the program's questions to the user. The real one shows dialogs;
// tests install their own (see tests/support/Responder.h).
class TInteractionHook {
 public:
  virtual ~TInteractionHook() = default;
  // Shows a message box and answers the chosen modal result.
  virtual int MessageBox(const TMessageBoxParams& Params) = 0;
  // Runs the modal session of Form, which is already shown: returns once the
  // form has a modal result (a session that ends without one cancels).
  virtual void RunModal(TCustomForm* Form) = 0;
  // Shows an open or save dialog; true with Params.Files filled when chosen.
  virtual bool FileDialog(TFileDialogParams& Params) = 0;
  // Shows a pop-up menu; the index of the entry picked, -1 for none.
  virtual int PopupMenu(const std::vector<TPopupMenuEntry>& Entries, const TPoint& ScreenPos) {
    (void)Entries;
    (void)ScreenPos;
    return -1;
  }
};
// The hook in use (the real one unless a test installed its own).
TInteractionHook* InteractionHook();
// Installs Hook (nullptr: the real one) and answers the previous one.
TInteractionHook* SetInteractionHook(TInteractionHook* Hook);

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* AOwner);
  // A form without a stored layout (the platform's CreateNew).
  TCustomForm(TComponent* AOwner, int Dummy);
  ~TCustomForm() override;

  // Fires OnCreate once the derived constructor has finished; CreateForm
  // calls it, code that creates a form with new calls it itself.
  virtual void AfterConstruction();

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons Value);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition Value) { position_ = Value; }
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState Value);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle Value);
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool Value) { keyPreview_ = Value; }
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool Value);
  int AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(int Value);
  TFormState FormState() const { return formState_; }
  TCanvas* Canvas() { return canvas_.get(); }

  TWinControl* ActiveControl() const { return activeControl_; }
  // EInvalidOperation when Control cannot take the focus.
  void SetActiveControl(TWinControl* Control);
  bool Active() const { return active_; }
  void FocusControl(TWinControl* Control);
  // Moves the form's focus bookkeeping to Control: CM_EXIT up from the old
  // control, CM_ENTER down to the new one, CM_FOCUSCHANGED to every control.
  bool SetFocusedControl(TWinControl* Control);
  void DefocusControl(TWinControl* Control, bool Removing);
  void SetFocus() override;
  bool CanFocus() const override;

  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }
  // Shows the form modally and answers its modal result.
  int ShowModal();
  void Close();
  bool CloseQuery();
  // Frees the form once the current message is handled.
  void Release();
  void ShowForm() { Show(); }
  // Brings the form to the front and activates it.
  void BringFormToFront();
  // Ends a modal session step: asks OnCloseQuery and OnClose; a veto puts
  // the modal result back to mrNone.
  void CloseModal();
  // False while a modal form elsewhere keeps this one from input.
  bool AcceptsInput() const { return !modalDisabled_; }
  // The window this form stays above while shown (0 for none).
  HWND OwnerWindow() const { return ownerWnd_; }

  // ---- Events
  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  void WndProc(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void FillPeerParams(const TCreateParams& Params, TPeerParams& Peer) override;
  TRect ComputeNonClientInsets(const TCreateParams& Params) const override;
  void PaintWindow(TCanvas* DC) override;
  void PaintNonClient(TCanvas*) override {}
  virtual void Paint();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  virtual void Activate();
  virtual void Deactivate();
  void SetWindowFocus();
  void SetActive(bool Value);
  void UpdateShowing() override;
  void PositionForShowing();
  // The window to stay above when the form shows: the form a modal form
  // was opened from, else the main form. Pop-ups name their own.
  virtual HWND ShowingOwner();
  void CMDialogKey(TMessage& Message) override;
  void CMShowingChanged(TMessage& Message) override;
  void WMSetText(TMessage& Message) override;
  void MouseWheelHandler(TMessage& Message) override;

 private:
  friend class TApplication;
  friend class TControlWindowEvents;
  void Init();
  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TPosition position_ = poDefaultPosOnly;
  TWindowState windowState_ = wsNormal;
  TFormStyle formStyle_ = fsNormal;
  bool keyPreview_ = false;
  bool alphaBlend_ = false;
  int alphaBlendValue_ = 255;
  TFormState formState_;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
  bool active_ = false;
  TModalResult modalResult_ = mrNone;
  int focusCount_ = 0;
  bool created_ = false;
  bool modalDisabled_ = false;
  // The window this form stays above while shown.
  HWND ownerWnd_ = 0;
  std::unique_ptr<TControlCanvas> canvas_;
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
};

// What CM_HINTSHOW hands a control (LParam): it may change the text, place
// and looks of its hint, or answer non-zero to show none.
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;  // screen
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  TRect CursorRect;  // client coordinates of the control
  TPoint CursorPos;  // client coordinates of the control
  int ReshowTimeout = 0;
  int HideTimeout = 0;
  std::string HintStr;
  void* HintData = nullptr;
};

// A pop-up window showing one hint text.
class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* AOwner);
  // Shows AHint at Rect (screen coordinates).
  virtual void ActivateHint(TRect Rect, const std::string& AHint);
  virtual void ActivateHintData(TRect Rect, const std::string& AHint, void* AData);
  // The rectangle (at 0, 0) the hint needs, at most MaxWidth wide.
  virtual TRect CalcHintRect(int MaxWidth, const std::string& AHint, void* AData);
  void ReleaseHandle();
  bool Active() const { return active_; }
  const std::string& HintText() const { return hintText_; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;

 private:
  bool active_ = false;
  std::string hintText_;
};
using THintWindowClass = std::function<THintWindow*(TComponent* AOwner)>;

using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;
using TMessageEvent = std::function<void(TMsg& Msg, bool& Handled)>;
using TShowHintEvent = std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  // Starts the window backend.
  void Initialize();
  // Creates a form owned by the application, in creation order; the first
  // one becomes the main form. OnCreate fires before it returns.
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    FormCreated(form);
    return form;
  }
  template <class T>
  void CreateForm(T*& Reference) {
    Reference = CreateForm<T>();
  }
  // Shows the main form and runs the message loop until Terminate.
  void Run();
  // Handles everything pending: window-system input, posted messages, due
  // timers and calls queued for the GUI thread; returns without waiting.
  void ProcessMessages();
  // Lets the window system map and paint what is shown, leaving mouse and
  // key input queued; posted messages and timers wait too.
  void ProcessPaintMessages();
  // Waits for one thing to happen and handles it (the modal loops).
  void HandleMessage();
  // Runs a message through the loop's filters (hints, keys) and dispatches.
  bool ProcessMessage(TMsg& Msg);
  void Terminate();
  bool Terminated() const { return terminated_; }
  void ResetTerminated() { terminated_ = false; }

  TCustomForm* MainForm() const { return mainForm_; }
  void SetMainForm(TCustomForm* Form) { mainForm_ = Form; }
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool Value) { showMainForm_ = Value; }
  bool MainFormOnTaskbar() const { return mainFormOnTaskbar_; }
  void SetMainFormOnTaskbar(bool Value) { mainFormOnTaskbar_ = Value; }
  std::string ExeName() const;
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& Value) { title_ = Value; }
  HWND Handle();
  bool Active() const;
  int ModalLevel() const { return modalLevel_; }
  void ModalStarted() { ++modalLevel_; }
  void ModalFinished() {
    if (modalLevel_ > 0) --modalLevel_;
  }

  // ---- Hints
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool Value);
  TColor HintColor() const { return hintColor_; }
  void SetHintColor(TColor Value) { hintColor_ = Value; }
  int HintPause() const { return hintPause_; }
  void SetHintPause(int Value) { hintPause_ = Value; }
  int HintShortPause() const { return hintShortPause_; }
  void SetHintShortPause(int Value) { hintShortPause_ = Value; }
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int Value) { hintHidePause_ = Value; }
  // The kind of hint window the application shows (nullptr: THintWindow).
  THintWindowClass HintWindowClass;
  THintWindow* HintWindow() const { return hintWindow_; }
  // The control the current (or pending) hint belongs to.
  TControl* HintControl() const { return hintControl_; }
  void CancelHint();
  void HideHint();
  // Shows the hint of the control under CursorPos now.
  void ActivateHint(const TPoint& CursorPos);
  void HintMouseMessage(TControl* Control, TMessage& Message);
  const std::string& Hint() const { return hint_; }

  // ---- Errors and boxes
  // The handler for an exception caught in event dispatch: OnException when
  // assigned, else the standard error box. Call it inside a catch block.
  void HandleException(TObject* Sender);
  void ShowException(const std::exception& E);
  // MB_ flags in, IDOK/IDYES/... out.
  int MessageBox(const std::string& Text, const std::string& Caption, UINT Flags = MB_OK);

  // ---- The mouse-over control (enter and leave notices)
  TControl* MouseControl() const { return mouseControl_; }
  void UpdateMouseControl(const TPoint& ScreenPos);
  void ForgetControl(TControl* Control);

  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnIdle;
  TNotifyEvent OnHint;
  TExceptionEvent OnException;
  TMessageEvent OnMessage;
  TShowHintEvent OnShowHint;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TCustomForm;
  void FormCreated(TCustomForm* Form);
  bool IsKeyMsg(TMsg& Msg);
  bool IsHintMsg(TMsg& Msg);
  void TranslateKey(const TMsg& Msg);
  void WndProc(TMessage& Message);
  void StartHintTimer(int Delay, int Kind);
  void StopHintTimer();
  void HintTimerExpired();

  bool initialized_ = false;
  bool terminated_ = false;
  TCustomForm* mainForm_ = nullptr;
  bool showMainForm_ = true;
  bool mainFormOnTaskbar_ = false;
  std::string title_;
  int modalLevel_ = 0;
  HWND handle_ = 0;
  bool showHint_ = true;
  TColor hintColor_ = clInfoBk;
  int hintPause_ = 500;
  int hintShortPause_ = 50;
  int hintHidePause_ = 2500;
  THintWindow* hintWindow_ = nullptr;
  TControl* hintControl_ = nullptr;
  TRect hintCursorRect_;
  int hintTimerKind_ = 0;
  bool hintActive_ = false;
  bool hintTimedOut_ = false;
  std::string hint_;
  TControl* mouseControl_ = nullptr;
  bool handlingException_ = false;
};
extern TApplication* Application;

class TScreen : public TComponent {
 public:
  explicit TScreen(TComponent* AOwner);

  // Setting a cursor other than crDefault shows it over every window at once.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor Value);
  TWinControl* ActiveControl() const { return activeControl_; }
  TCustomForm* ActiveCustomForm() const { return activeForm_; }
  TCustomForm* ActiveForm() const { return activeForm_; }
  TCustomForm* FocusedForm() const { return focusedForm_; }
  int Width() const;
  int Height() const;
  TRect DesktopRect() const;
  TRect WorkAreaRect() const;
  int WorkAreaLeft() const { return WorkAreaRect().Left; }
  int WorkAreaTop() const { return WorkAreaRect().Top; }
  int WorkAreaWidth() const { return WorkAreaRect().Width(); }
  int WorkAreaHeight() const { return WorkAreaRect().Height(); }
  // The work area of the monitor nearest to P.
  TRect MonitorWorkAreaFromPoint(const TPoint& P) const;
  int PixelsPerInch() const;
  // Forms in front-to-back order.
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int Index) const { return forms_.at(static_cast<size_t>(Index)); }
  int CustomFormCount() const { return FormCount(); }
  TCustomForm* CustomForms(int Index) const { return Forms(Index); }
  const std::vector<std::string>& Fonts();
  // Registers a cursor picture under a cursor number (Screen.Cursors[n]);
  // Image's transparent colour, when it has one, shows what is under it.
  void SetCursors(TCursor Index, TBitmap* Image, const TPoint& HotSpot);
  bool HasCursor(TCursor Index) const;

 private:
  friend class TCustomForm;
  friend class TApplication;
  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);
  void MoveToFront(TCustomForm* Form);
  TCursor cursor_ = crDefault;
  TWinControl* activeControl_ = nullptr;
  TCustomForm* activeForm_ = nullptr;
  TCustomForm* focusedForm_ = nullptr;
  std::vector<TCustomForm*> forms_;
  std::vector<std::string> fonts_;
  std::vector<TCursor> customCursors_;
};
extern TScreen* Screen;

// The first line of a hint ("short|long" gives "short") and the second.
std::string GetShortHint(const std::string& Hint);
std::string GetLongHint(const std::string& Hint);

// Raw input as the window system delivers it; the backend and test helpers
// call these. Char is what the keyboard layout gives for the key (0: work it
// out from the key); Point is in the window's own coordinates (its top-left
// corner is 0, 0, border included).
void KeyInput(WORD VirtKey, bool Down, char32_t Char = 0, int ScanCode = -1, bool Extended = false,
              bool AutoRepeat = false);
void MouseInput(HWND Wnd, TPeerMouseAction Action, TPeerButton Button, const TPoint& Point);
void MouseWheelInput(HWND Wnd, int Delta, const TPoint& Point);
void MouseLeaveInput(HWND Wnd);
// The character the keyboard gives for a key in the current key state
// (US layout; Ctrl+letter gives 1..26), 0 for none.
char32_t CharFromKey(WORD VirtKey, bool Shift, bool Ctrl, bool Alt, bool CapsLock);
