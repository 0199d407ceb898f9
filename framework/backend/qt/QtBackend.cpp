// The Qt window backend: a QWidget per windowed control, Qt input turned
// into the window system's key and mouse reports, the event loop, screens,
// real dialogs and the clipboard.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <unistd.h>

#include <climits>
#include <cmath>
#include <unordered_map>

#include "framework/backend/Backend.h"
#include "framework/backend/qt/QtPainter.h"
#include "framework/backend/qt/QtTestProbe.h"
#include "framework/controls/WinApi.h"

namespace {

class TQtBackend;

TRect ToTRect(const QRect& r) { return TRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }
QRect ToQRect(const TRect& r) {
  return QRect(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
}

// Cursors registered by number (the screen's cursor table).
std::unordered_map<int, QCursor>& CustomCursors() {
  static auto* c = new std::unordered_map<int, QCursor>();
  return *c;
}

Qt::CursorShape CursorShapeFor(int cursor) {
  switch (cursor) {
    case -1:
      return Qt::BlankCursor;
    case -3:
      return Qt::CrossCursor;
    case -4:
      return Qt::IBeamCursor;
    case -6:
      return Qt::SizeBDiagCursor;
    case -7:
      return Qt::SizeVerCursor;
    case -8:
      return Qt::SizeFDiagCursor;
    case -9:
      return Qt::SizeHorCursor;
    case -10:
      return Qt::UpArrowCursor;
    case -11:
      return Qt::WaitCursor;
    case -12:
      return Qt::DragMoveCursor;
    case -13:
      return Qt::ForbiddenCursor;
    case -14:
      return Qt::SplitHCursor;
    case -15:
      return Qt::SplitVCursor;
    case -16:
      return Qt::DragCopyCursor;
    case -17:
      return Qt::BusyCursor;
    case -18:
      return Qt::ForbiddenCursor;
    case -19:
      return Qt::BusyCursor;
    case -20:
      return Qt::WhatsThisCursor;
    case -21:
      return Qt::PointingHandCursor;
    case -22:
      return Qt::SizeAllCursor;
    default:
      return Qt::ArrowCursor;
  }
}

// Qt keys to the platform's virtual keys.
WORD VirtualKeyFor(int key, bool keypad) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<WORD>('A' + (key - Qt::Key_A));
  if (key >= Qt::Key_0 && key <= Qt::Key_9)
    return keypad ? static_cast<WORD>(VK_NUMPAD0 + (key - Qt::Key_0))
                  : static_cast<WORD>('0' + (key - Qt::Key_0));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<WORD>(VK_F1 + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Escape:
      return VK_ESCAPE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return VK_TAB;
    case Qt::Key_Backspace:
      return VK_BACK;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VK_RETURN;
    case Qt::Key_Insert:
      return VK_INSERT;
    case Qt::Key_Delete:
      return VK_DELETE;
    case Qt::Key_Pause:
      return VK_PAUSE;
    case Qt::Key_Print:
      return VK_SNAPSHOT;
    case Qt::Key_Home:
      return VK_HOME;
    case Qt::Key_End:
      return VK_END;
    case Qt::Key_Left:
      return VK_LEFT;
    case Qt::Key_Up:
      return VK_UP;
    case Qt::Key_Right:
      return VK_RIGHT;
    case Qt::Key_Down:
      return VK_DOWN;
    case Qt::Key_PageUp:
      return VK_PRIOR;
    case Qt::Key_PageDown:
      return VK_NEXT;
    case Qt::Key_Shift:
      return VK_SHIFT;
    case Qt::Key_Control:
      return VK_CONTROL;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
      return VK_MENU;
    case Qt::Key_Meta:
      return VK_LWIN;
    case Qt::Key_CapsLock:
      return VK_CAPITAL;
    case Qt::Key_NumLock:
      return VK_NUMLOCK;
    case Qt::Key_ScrollLock:
      return VK_SCROLL;
    case Qt::Key_Menu:
      return VK_APPS;
    case Qt::Key_Space:
      return VK_SPACE;
    case Qt::Key_Asterisk:
      return keypad ? VK_MULTIPLY : static_cast<WORD>('8');
    case Qt::Key_Plus:
      return keypad ? VK_ADD : VK_OEM_PLUS;
    case Qt::Key_Minus:
      return keypad ? VK_SUBTRACT : VK_OEM_MINUS;
    case Qt::Key_Period:
      return keypad ? VK_DECIMAL : VK_OEM_PERIOD;
    case Qt::Key_Comma:
      return keypad ? VK_DECIMAL : VK_OEM_COMMA;
    case Qt::Key_Slash:
      return keypad ? VK_DIVIDE : VK_OEM_2;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
      return VK_OEM_1;
    case Qt::Key_Equal:
      return VK_OEM_PLUS;
    case Qt::Key_Less:
      return VK_OEM_COMMA;
    case Qt::Key_Greater:
      return VK_OEM_PERIOD;
    case Qt::Key_Question:
      return VK_OEM_2;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
      return VK_OEM_3;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
      return VK_OEM_4;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
      return VK_OEM_5;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
      return VK_OEM_6;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
      return VK_OEM_7;
    case Qt::Key_Underscore:
      return VK_OEM_MINUS;
    case Qt::Key_Exclam:
      return '1';
    case Qt::Key_At:
      return '2';
    case Qt::Key_NumberSign:
      return '3';
    case Qt::Key_Dollar:
      return '4';
    case Qt::Key_Percent:
      return '5';
    case Qt::Key_AsciiCircum:
      return '6';
    case Qt::Key_Ampersand:
      return '7';
    case Qt::Key_ParenLeft:
      return '9';
    case Qt::Key_ParenRight:
      return '0';
    default:
      return 0;
  }
}

// The mouse buttons and modifier keys as the platform's key state.
uint32_t KeyStateOf(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Mods) {
  uint32_t k = 0;
  if (Buttons & Qt::LeftButton) k |= 0x0001;
  if (Buttons & Qt::RightButton) k |= 0x0002;
  if (Mods & Qt::ShiftModifier) k |= 0x0004;
  if (Mods & Qt::ControlModifier) k |= 0x0008;
  if (Buttons & Qt::MiddleButton) k |= 0x0010;
  if (Mods & Qt::AltModifier) k |= 0x0020;
  return k;
}

// One action of a set of effects (the copy when a target names several).
Qt::DropAction OneAction(uint32_t Effects) { return static_cast<Qt::DropAction>(Effects & (0u - Effects)); }

// What a drag over our windows offers. Text comes decoded as UTF-8 under
// "text/plain", whatever charset the other program used; a list of files
// or links alone is no text.
class TQtDragPayload : public IDragPayload {
 public:
  explicit TQtDragPayload(const QMimeData* Data) : d_(Data) {}
  std::vector<std::string> Formats() const override {
    std::vector<std::string> out;
    if (d_ == nullptr) return out;
    if (HasPlainText()) out.push_back("text/plain");
    for (const QString& f : d_->formats())
      if (!f.startsWith(QLatin1String("text/plain"))) out.push_back(f.toStdString());
    return out;
  }
  bool Data(const std::string& Mime, std::vector<uint8_t>& Bytes) const override {
    if (d_ == nullptr) return false;
    QByteArray b;
    if (Mime == "text/plain") {
      if (!HasPlainText()) return false;
      b = d_->text().toUtf8();
    } else {
      QString f = QString::fromStdString(Mime);
      if (!d_->hasFormat(f)) return false;
      b = d_->data(f);
    }
    Bytes.assign(b.begin(), b.end());
    return true;
  }

 private:
  bool HasPlainText() const {
    return d_->hasFormat(QStringLiteral("text/plain")) ||
           d_->hasFormat(QStringLiteral("text/plain;charset=utf-8"));
  }
  const QMimeData* d_;
};

class TPeerWidget : public QWidget {
 public:
  TPeerWidget(TQtBackend* Backend, HWND Handle, QWidget* Parent, Qt::WindowFlags Flags)
      : QWidget(Parent, Flags), backend_(Backend), handle_(Handle) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_KeyCompression, false);
    // Dead keys, compose sequences and input methods hand over their text
    // as a commit.
    setAttribute(Qt::WA_InputMethodEnabled, true);
  }
  void Detach() { handle_ = 0; }
  HWND Handle() const { return handle_; }

 protected:
  bool event(QEvent* e) override;
  bool focusNextPrevChild(bool) override { return false; }
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override { Mouse(e, pmaDown); }
  void mouseReleaseEvent(QMouseEvent* e) override { Mouse(e, pmaUp); }
  void mouseDoubleClickEvent(QMouseEvent* e) override { Mouse(e, pmaDoubleClick); }
  void mouseMoveEvent(QMouseEvent* e) override { Mouse(e, pmaMove); }
  void wheelEvent(QWheelEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override { Key(e, true); }
  void keyReleaseEvent(QKeyEvent* e) override { Key(e, false); }
  void inputMethodEvent(QInputMethodEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void moveEvent(QMoveEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dragLeaveEvent(QDragLeaveEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  void Mouse(QMouseEvent* e, TPeerMouseAction Action);
  uint32_t Drag(TPeerDragAction Action, QDropEvent* e);
  void Key(QKeyEvent* e, bool Down);
  void ReportGeometry(bool Spontaneous);

  TQtBackend* backend_;
  HWND handle_;
};

void ForgetWidget(TQtBackend* Backend, HWND Handle);

// The headless platform has no stacking or activation of its own; the
// controls keep track of both.
bool Offscreen() {
  static const bool offscreen = QGuiApplication::platformName() == QLatin1String("offscreen");
  return offscreen;
}

class TQtPeer : public IWindowPeer {
 public:
  TQtPeer(TQtBackend* Backend, TPeerWidget* W, bool TopLevel)
      : backend_(Backend), handle_(W->Handle()), w_(W), topLevel_(TopLevel) {}
  ~TQtPeer() override {
    ForgetWidget(backend_, handle_);
    if (!w_) return;
    w_->Detach();
    w_->hide();
    // Deleting it inside one of its own event handlers would pull the floor
    // away under Qt; the loop frees it once it is safe.
    w_->deleteLater();
  }
  void SetBounds(const TRect& R) override {
    if (!w_) return;
    // A window of fixed size keeps its size only until we change it.
    if (topLevel_ && w_->minimumSize() == w_->maximumSize())
      w_->setFixedSize(std::max(0, R.Width()), std::max(0, R.Height()));
    w_->setGeometry(ToQRect(R));
  }
  void SetVisible(bool Visible) override {
    if (w_ && w_->isVisibleTo(w_->parentWidget()) != Visible) w_->setVisible(Visible);
  }
  void SetEnabled(bool Enabled) override {
    if (w_) w_->setEnabled(Enabled);
  }
  void SetCaption(const std::string& Caption) override {
    if (w_ && topLevel_) w_->setWindowTitle(QString::fromStdString(Caption).remove('&'));
  }
  void Invalidate(const TRect* R) override {
    if (!w_) return;
    if (R == nullptr)
      w_->update();
    else
      w_->update(ToQRect(*R));
  }
  void Update() override {
    if (w_ && w_->isVisible()) w_->repaint();
  }
  void SetFocus() override {
    if (w_) w_->setFocus(Qt::OtherFocusReason);
  }
  void SetCapture(bool) override {
    // Qt keeps the mouse with the widget a button went down on; the
    // controls route captured input themselves.
  }
  void SetCursor(int Cursor) override {
    if (!w_) return;
    auto it = CustomCursors().find(Cursor);
    w_->setCursor(it != CustomCursors().end() ? it->second : QCursor(CursorShapeFor(Cursor)));
  }
  void BringToFront() override {
    if (w_ && !Offscreen()) w_->raise();
  }
  void SendToBack() override {
    if (w_ && !Offscreen()) w_->lower();
  }
  void Activate() override {
    if (w_ && topLevel_ && w_->isVisible() && !Offscreen()) {
      w_->raise();
      w_->activateWindow();
    }
  }
  void SetWindowState(int State) override {
    if (!w_ || !topLevel_) return;
    w_->setWindowState(State == 1   ? Qt::WindowMinimized
                       : State == 2 ? Qt::WindowMaximized
                                    : Qt::WindowNoState);
  }
  void SetStayOnTop(bool On) override {
    if (!w_ || !topLevel_) return;
    bool visible = w_->isVisible();
    w_->setWindowFlag(Qt::WindowStaysOnTopHint, On);
    if (visible) w_->show();
  }
  void SetOpacity(int Alpha) override {
    if (w_ && topLevel_) w_->setWindowOpacity(Alpha / 255.0);
  }
  void SetShape(const std::vector<TPoint>& Polygon) override {
    if (!w_) return;
    if (Polygon.empty()) {
      w_->clearMask();
      return;
    }
    QPolygon poly;
    for (const TPoint& p : Polygon) poly << QPoint(p.X, p.Y);
    w_->setMask(QRegion(poly));
  }
  TPoint ScreenOrigin() override {
    if (!w_) return TPoint();
    QPoint p = w_->mapToGlobal(QPoint(0, 0));
    return TPoint(p.x(), p.y());
  }
  void SetOwner(HWND Owner) override;
  void SetAcceptDrops(bool On) override {
    if (w_) w_->setAcceptDrops(On);
  }
  void SetSizeLimits(int MinWidth, int MinHeight, int MaxWidth, int MaxHeight) override {
    if (!w_ || !topLevel_) return;
    w_->setMinimumSize(std::max(0, MinWidth), std::max(0, MinHeight));
    w_->setMaximumSize(MaxWidth > 0 ? MaxWidth : QWIDGETSIZE_MAX,
                       MaxHeight > 0 ? MaxHeight : QWIDGETSIZE_MAX);
  }
  TPeerWidget* Widget() const { return w_.data(); }

 private:
  TQtBackend* backend_;
  HWND handle_;
  QPointer<TPeerWidget> w_;
  bool topLevel_;
};

class TQtBackend : public IBackend {
 public:
  TQtBackend() {
    if (QApplication::instance() == nullptr) {
      static int argc = 1;
      static char name[] = "cf30406";
      static char* argv[] = {name, nullptr};
      app_ = new QApplication(argc, argv);
      QApplication::setQuitOnLastWindowClosed(false);
    }
    dispatcher_ = QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread());
  }
  ~TQtBackend() override = default;  // the application object lives until exit

  void SetEvents(IWindowEvents* Events) override { events_ = Events; }
  IWindowEvents* Events() const { return events_; }

  std::unique_ptr<IWindowPeer> CreatePeer(const TPeerParams& P) override {
    bool top = P.Parent == 0;
    QWidget* parentWidget = nullptr;
    if (!top) {
      auto it = widgets_.find(P.Parent);
      if (it != widgets_.end() && it->second) parentWidget = it->second;
    }
    Qt::WindowFlags flags;
    if (top || parentWidget == nullptr) {
      top = true;
      if (P.Frameless && P.NoActivate)
        flags = Qt::ToolTip | Qt::FramelessWindowHint;
      else if (P.Frameless)
        flags = Qt::Tool | Qt::FramelessWindowHint;
      else if (P.ToolWindow)
        flags = Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
      else {
        // An owned window is a dialog to the window system, which then keeps
        // it above its owner.
        flags = (P.Owner != 0 ? Qt::Dialog : Qt::Window) | Qt::WindowTitleHint | Qt::CustomizeWindowHint;
        if (P.SystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (P.MinimizeBox) flags |= Qt::WindowMinimizeButtonHint;
        if (P.MaximizeBox && P.Sizeable) flags |= Qt::WindowMaximizeButtonHint;
      }
      if (P.StayOnTop) flags |= Qt::WindowStaysOnTopHint;
      if (P.NoActivate) flags |= Qt::WindowDoesNotAcceptFocus;
      if (P.TransparentForInput) flags |= Qt::WindowTransparentForInput;
    }
    auto* w = new TPeerWidget(this, P.Handle, top ? nullptr : parentWidget, flags);
    if (top && P.NoActivate) w->setAttribute(Qt::WA_ShowWithoutActivating);
    w->setGeometry(ToQRect(P.Bounds));
    w->setEnabled(P.Enabled);
    if (top) {
      w->setWindowTitle(QString::fromStdString(P.Caption).remove('&'));
      if (!P.Sizeable && !P.Frameless)
        w->setFixedSize(std::max(0, P.Bounds.Width()), std::max(0, P.Bounds.Height()));
      if (P.Owner != 0) SetTransientParent(w, P.Owner);
    }
    if (!top) w->setVisible(P.Visible);
    widgets_[P.Handle] = w;
    return std::make_unique<TQtPeer>(this, w, top);
  }

  void Forget(HWND Handle) { widgets_.erase(Handle); }

  std::vector<HWND> Handles() const {
    std::vector<HWND> out;
    for (const auto& [h, w] : widgets_) out.push_back(h);
    return out;
  }

  TPeerWidget* WidgetOf(HWND Handle) const {
    auto it = widgets_.find(Handle);
    return it != widgets_.end() ? it->second.data() : nullptr;
  }

  // Makes W's window stay above Owner's (none for 0). A stale link that would
  // close a loop (the owner's chain reaching back to W) is dropped first.
  void SetTransientParent(QWidget* W, HWND Owner) {
    W->winId();
    QWindow* window = W->windowHandle();
    if (window == nullptr) return;
    QWindow* parent = nullptr;
    if (TPeerWidget* o = WidgetOf(Owner); o != nullptr && o != W) {
      o->winId();
      parent = o->windowHandle();
    }
    for (QWindow* p = parent; p != nullptr; p = p->transientParent())
      if (p->transientParent() == window) {
        p->setTransientParent(nullptr);
        break;
      }
    window->setTransientParent(parent);
  }

  void ProcessEvents() override {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void ProcessEventsWithoutInput() override {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }

  void WaitForEvents(int TimeoutMs) override {
    QTimer timer;
    timer.setSingleShot(true);
    if (TimeoutMs >= 0) timer.start(TimeoutMs);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void WakeUp() override {
    if (dispatcher_) dispatcher_->wakeUp();
  }

  TRect ScreenRect() override {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? ToTRect(s->geometry()) : TRect(0, 0, 1024, 768);
  }
  TRect WorkArea(const TPoint& P) override {
    QScreen* s = QGuiApplication::screenAt(QPoint(P.X, P.Y));
    if (s == nullptr) s = QGuiApplication::primaryScreen();
    return s ? ToTRect(s->availableGeometry()) : TRect(0, 0, 1024, 768);
  }
  int PixelsPerInch() override {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? static_cast<int>(s->logicalDotsPerInch() + 0.5) : 96;
  }
  bool GetCursorPos(TPoint& P) override {
    QPoint q = QCursor::pos();
    P = TPoint(q.x(), q.y());
    return true;
  }
  void SetCursorPos(const TPoint& P) override { QCursor::setPos(P.X, P.Y); }
  int WheelScrollLines() override { return QApplication::wheelScrollLines(); }
  int DoubleClickTime() override { return QApplication::doubleClickInterval(); }
  std::vector<std::string> FontNames() override {
    std::vector<std::string> out;
    for (const QString& f : QFontDatabase::families()) out.push_back(f.toStdString());
    return out;
  }
  void Beep() override { QApplication::beep(); }
  void RegisterCursor(int Id, const TPixelData& Image, const TPoint& HotSpot) override {
    QImage img = QtImageFromPixels(Image);
    CustomCursors()[Id] = QCursor(QPixmap::fromImage(img), HotSpot.X, HotSpot.Y);
  }

  // While a dialog runs Qt's own loop, our messages and timers go on.
  class TPumpScope {
   public:
    explicit TPumpScope(TQtBackend* B) {
      timer_.setInterval(10);
      timer_.callOnTimeout([B] {
        if (B->Events()) B->Events()->PeerPump();
      });
      timer_.start();
    }

   private:
    QTimer timer_;
  };

  int ShowMessageBox(const TMessageBoxParams& P) override {
    TPumpScope pump(this);
    QMessageBox box;
    box.setWindowTitle(QString::fromStdString(P.Caption));
    box.setText(QString::fromStdString(P.Text));
    switch (P.Icon) {
      case diWarning:
        box.setIcon(QMessageBox::Warning);
        break;
      case diError:
        box.setIcon(QMessageBox::Critical);
        break;
      case diInformation:
        box.setIcon(QMessageBox::Information);
        break;
      case diQuestion:
        box.setIcon(QMessageBox::Question);
        break;
      default:
        break;
    }
    std::vector<std::pair<QAbstractButton*, int>> buttons;
    for (int mr : P.Buttons) {
      QAbstractButton* b = box.addButton(QString::fromStdString(ButtonCaption(mr)), RoleFor(mr));
      buttons.push_back({b, mr});
      if (mr == P.DefaultButton)
        if (auto* pb = dynamic_cast<QPushButton*>(b)) box.setDefaultButton(pb);
    }
    box.exec();
    for (auto& [b, mr] : buttons)
      if (box.clickedButton() == b) return mr;
    // Closed by Escape or the close box: the cancelling answer.
    for (int mr : P.Buttons)
      if (mr == 2) return mr;
    return P.Buttons.empty() ? 1 : P.Buttons.back();
  }

  bool ShowFileDialog(TFileDialogParams& P) override {
    TPumpScope pump(this);
    QStringList filters;
    std::vector<std::string> parts;
    std::string cur;
    for (char c : P.Filter) {
      if (c == '|') {
        parts.push_back(cur);
        cur.clear();
      } else {
        cur += c;
      }
    }
    if (!cur.empty()) parts.push_back(cur);
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
      QString pat = QString::fromStdString(parts[i + 1]).replace(';', ' ');
      QString desc = QString::fromStdString(parts[i]);
      filters << (desc.contains('(') ? desc.left(desc.indexOf('(')).trimmed() : desc) + " (" + pat + ")";
    }
    QString selected =
        P.FilterIndex >= 1 && P.FilterIndex <= filters.size() ? filters[P.FilterIndex - 1] : QString();
    QString dir = QString::fromStdString(P.InitialDir);
    if (!P.FileName.empty())
      dir =
          dir.isEmpty() ? QString::fromStdString(P.FileName) : dir + "/" + QString::fromStdString(P.FileName);
    QString title = QString::fromStdString(P.Title);
    QString joined = filters.join(";;");
    P.Files.clear();
    if (P.Save) {
      QFileDialog::Options opts;
      if (!P.OverwritePrompt) opts |= QFileDialog::DontConfirmOverwrite;
      QString f = QFileDialog::getSaveFileName(nullptr, title, dir, joined, &selected, opts);
      if (f.isEmpty()) return false;
      P.Files.push_back(f.toStdString());
    } else if (P.MultiSelect) {
      for (const QString& f : QFileDialog::getOpenFileNames(nullptr, title, dir, joined, &selected))
        P.Files.push_back(f.toStdString());
      if (P.Files.empty()) return false;
    } else {
      QString f = QFileDialog::getOpenFileName(nullptr, title, dir, joined, &selected);
      if (f.isEmpty()) return false;
      P.Files.push_back(f.toStdString());
    }
    int idx = filters.indexOf(selected);
    if (idx >= 0) P.FilterIndex = idx + 1;
    return true;
  }

  int ShowPopupMenu(const std::vector<TPopupMenuEntry>& Entries, const TPoint& ScreenPos) override {
    TPumpScope pump(this);
    QMenu menu;
    std::vector<QAction*> actions;
    for (const TPopupMenuEntry& e : Entries) {
      if (e.Separator) {
        actions.push_back(menu.addSeparator());
        continue;
      }
      QAction* a = menu.addAction(QString::fromStdString(e.Caption));
      a->setCheckable(e.Checked);
      a->setChecked(e.Checked);
      a->setEnabled(e.Enabled);
      actions.push_back(a);
    }
    QAction* chosen = menu.exec(QPoint(ScreenPos.X, ScreenPos.Y));
    for (size_t i = 0; i < actions.size(); ++i)
      if (actions[i] == chosen) return static_cast<int>(i);
    return -1;
  }

  std::vector<std::string> ClipboardFormats() override {
    std::vector<std::string> out;
    const QMimeData* d = QGuiApplication::clipboard()->mimeData();
    if (d == nullptr) return out;
    for (const QString& f : d->formats()) out.push_back(f.toStdString());
    return out;
  }
  bool ClipboardGet(const std::string& Format, std::vector<uint8_t>& Data) override {
    const QMimeData* d = QGuiApplication::clipboard()->mimeData();
    QString f = QString::fromStdString(Format);
    if (d == nullptr || !d->hasFormat(f)) return false;
    QByteArray b = d->data(f);
    Data.assign(b.begin(), b.end());
    return true;
  }
  void ClipboardSet(const std::vector<TClipboardItem>& Items) override {
    auto* d = new QMimeData();
    for (const auto& [fmt, bytes] : Items) {
      QByteArray b(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
      if (fmt == "text/plain")
        d->setText(QString::fromUtf8(b));  // offered in every charset the desktop asks for
      else
        d->setData(QString::fromStdString(fmt), b);
    }
    QGuiApplication::clipboard()->setMimeData(d);
  }

  uint32_t RunDrag(const IDragPayload& Payload, uint32_t OkEffects, IDragLoop& Loop) override {
    TPumpScope pump(this);
    auto* data = new QMimeData();
    for (const std::string& f : Payload.Formats()) {
      std::vector<uint8_t> bytes;
      if (!Payload.Data(f, bytes)) continue;
      QByteArray b(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
      if (f == "text/plain")
        data->setText(QString::fromUtf8(b));  // offered in every charset the desktop asks for
      else
        data->setData(QString::fromStdString(f), b);
    }
    QObject* source = QApplication::widgetAt(QCursor::pos());
    if (source == nullptr) source = QCoreApplication::instance();
    QPointer<QDrag> drag = new QDrag(source);
    drag->setMimeData(data);
    QObject::connect(drag, &QDrag::actionChanged,
                     [&Loop](Qt::DropAction a) { Loop.Feedback(static_cast<uint32_t>(a) & 7); });
    QTimer step;
    step.setInterval(20);
    step.callOnTimeout([&Loop, drag] {
      QPoint p = QCursor::pos();
      uint32_t keys = KeyStateOf(QGuiApplication::mouseButtons(), QGuiApplication::queryKeyboardModifiers());
      if (!Loop.Continue(keys, TPoint(p.x(), p.y())) && drag) drag->cancel();
    });
    step.start();
    Qt::DropActions allowed = Qt::DropActions::fromInt(static_cast<int>(OkEffects & 7));
    Qt::DropAction def = (OkEffects & 2) ? Qt::MoveAction : Qt::CopyAction;
    Qt::DropAction done = drag->exec(allowed, def);
    step.stop();
    // Another program may ask for the data after the loop has ended: the
    // drag stays with Qt, which frees it once the transfer is over (or with
    // its source).
    return static_cast<uint32_t>(done) & OkEffects & 7;
  }

  std::string ExecutablePath() override {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof(buf) - 1);
    if (n > 0) return std::string(buf, static_cast<size_t>(n));
    return QCoreApplication::applicationFilePath().toStdString();
  }

 private:
  static std::string ButtonCaption(int mr) {
    switch (mr) {
      case 1:
        return "OK";
      case 2:
        return "Cancel";
      case 3:
        return "&Abort";
      case 4:
        return "&Retry";
      case 5:
        return "&Ignore";
      case 6:
        return "&Yes";
      case 7:
        return "&No";
      case 8:
        return "&Close";
      case 9:
        return "&Help";
      case 12:
        return "&All";
      case 13:
        return "N&o to All";
      case 14:
        return "Yes to &All";
      default:
        return "OK";
    }
  }
  static QMessageBox::ButtonRole RoleFor(int mr) {
    switch (mr) {
      case 1:
      case 6:
      case 12:
      case 14:
        return QMessageBox::AcceptRole;
      case 2:
      case 8:
        return QMessageBox::RejectRole;
      case 7:
      case 13:
        return QMessageBox::NoRole;
      case 9:
        return QMessageBox::HelpRole;
      default:
        return QMessageBox::ActionRole;
    }
  }

  QApplication* app_ = nullptr;
  QAbstractEventDispatcher* dispatcher_ = nullptr;
  IWindowEvents* events_ = nullptr;
  std::unordered_map<HWND, QPointer<TPeerWidget>> widgets_;
};

void ForgetWidget(TQtBackend* Backend, HWND Handle) { Backend->Forget(Handle); }

void TQtPeer::SetOwner(HWND Owner) {
  if (!w_ || !topLevel_) return;
  // A framed window is a dialog exactly while it has an owner; the window
  // type only changes while the window is hidden.
  Qt::WindowFlags flags = w_->windowFlags();
  Qt::WindowType type = w_->windowType();
  Qt::WindowType wanted = type;
  if (type == Qt::Window && Owner != 0) wanted = Qt::Dialog;
  if (type == Qt::Dialog && Owner == 0) wanted = Qt::Window;
  if (wanted != type) {
    bool visible = w_->isVisible();
    w_->setWindowFlags((flags & ~Qt::WindowType_Mask) | wanted);
    if (visible) w_->show();
  }
  backend_->SetTransientParent(w_.data(), Owner);
}

bool TPeerWidget::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::ShortcutOverride:
      // Every key is ours: no Qt shortcut may take it.
      e->accept();
      return true;
    case QEvent::KeyPress:
      // Tab moves the focus by our own rules, not Qt's.
      keyPressEvent(static_cast<QKeyEvent*>(e));
      return true;
    default:
      return QWidget::event(e);
  }
}

void TPeerWidget::paintEvent(QPaintEvent* e) {
  if (handle_ == 0 || backend_->Events() == nullptr) return;
  try {
    QPainter qp(this);
    auto painter = NewQtPainter(&qp, size(), backend_->PixelsPerInch());
    backend_->Events()->PeerPaint(handle_, *painter, ToTRect(e->rect()));
  } catch (...) {
  }
}

void TPeerWidget::Mouse(QMouseEvent* e, TPeerMouseAction Action) {
  e->accept();
  if (handle_ == 0 || backend_->Events() == nullptr) return;
  TPeerButton b = pbNone;
  switch (e->button()) {
    case Qt::LeftButton:
      b = pbLeft;
      break;
    case Qt::RightButton:
      b = pbRight;
      break;
    case Qt::MiddleButton:
      b = pbMiddle;
      break;
    default:
      break;
  }
  if (Action != pmaMove && b == pbNone) return;
  QPoint p = e->position().toPoint();
  try {
    backend_->Events()->PeerMouse(handle_, Action, b, TPoint(p.x(), p.y()));
  } catch (...) {
  }
}

void TPeerWidget::wheelEvent(QWheelEvent* e) {
  e->accept();
  if (handle_ == 0 || backend_->Events() == nullptr) return;
  int delta = e->angleDelta().y();
  if (delta == 0) return;
  QPoint p = e->position().toPoint();
  try {
    backend_->Events()->PeerMouseWheel(handle_, delta, TPoint(p.x(), p.y()));
  } catch (...) {
  }
}

void TPeerWidget::Key(QKeyEvent* e, bool Down) {
  e->accept();
  if (backend_->Events() == nullptr) return;
  // A held key repeats its key-down only, as on the platform; the window
  // system's paired releases are dropped.
  if (!Down && e->isAutoRepeat()) return;
  bool keypad = (e->modifiers() & Qt::KeypadModifier) != 0;
  WORD vk = VirtualKeyFor(e->key(), keypad);
  char32_t typed = 0;
  if (QList<uint> u = e->text().toUcs4(); u.size() == 1 && u[0] >= 0x20 && u[0] != 0x7F)
    typed = static_cast<char32_t>(u[0]);
  // A key of another layout or script (é, Щ, 日) has no virtual key of its
  // own: it comes as the character it types. Its release often comes
  // without the text.
  static bool packetDown = false;
  if (vk == 0 && (typed != 0 || (!Down && packetDown))) vk = VK_PACKET;
  if (vk == 0) return;
  if (vk == VK_PACKET) packetDown = Down;
  quint32 native = e->nativeScanCode();
  int scan = -1;
  bool extended = false;
  // X keycodes are PC scan codes plus 8 for the main block.
  if (native > 8 && native < 97) scan = static_cast<int>(native - 8);
  if (e->key() == Qt::Key_Control && native == 105) extended = true;
  if ((e->key() == Qt::Key_Alt || e->key() == Qt::Key_AltGr) && (native == 108 || e->key() == Qt::Key_AltGr))
    extended = true;
  switch (vk) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE:
      if (!keypad) {
        extended = true;
        scan = -1;
      }
      break;
    default:
      break;
  }
  char32_t ch = 0;
  QString text = e->text();
  if (Down && !text.isEmpty()) {
    auto u = text.toUcs4();
    if (u.size() == 1) ch = static_cast<char32_t>(u[0]);
  }
  // AltGr is Ctrl with the right Alt, as the platform's layouts have it: the
  // keys typed with it are characters, not Alt shortcuts.
  bool altGr = e->key() == Qt::Key_AltGr;
  try {
    if (altGr && Down) backend_->Events()->PeerKey(VK_CONTROL, 0x1D, false, true, e->isAutoRepeat(), 0);
    backend_->Events()->PeerKey(vk, scan, extended, Down, e->isAutoRepeat(), ch);
    if (altGr && !Down) backend_->Events()->PeerKey(VK_CONTROL, 0x1D, false, false, false, 0);
  } catch (...) {
  }
}

void TPeerWidget::inputMethodEvent(QInputMethodEvent* e) {
  e->accept();
  if (backend_->Events() == nullptr) return;
  for (uint c : e->commitString().toUcs4()) {
    if (c < 0x20 || c == 0x7F) continue;
    try {
      backend_->Events()->PeerKey(VK_PACKET, -1, false, true, false, static_cast<char32_t>(c));
      backend_->Events()->PeerKey(VK_PACKET, -1, false, false, false, 0);
    } catch (...) {
    }
  }
}

void TPeerWidget::leaveEvent(QEvent* e) {
  QWidget::leaveEvent(e);
  if (handle_ != 0 && backend_->Events() != nullptr && isWindow())
    backend_->Events()->PeerMouseLeave(handle_);
}

void TPeerWidget::closeEvent(QCloseEvent* e) {
  // The form decides (OnCloseQuery, OnClose); it hides itself when it may.
  e->ignore();
  if (handle_ != 0 && backend_->Events() != nullptr && e->spontaneous())
    backend_->Events()->PeerCloseRequest(handle_);
}

uint32_t TPeerWidget::Drag(TPeerDragAction Action, QDropEvent* e) {
  if (handle_ == 0 || backend_->Events() == nullptr) return 0;
  TQtDragPayload payload(e->mimeData());
  QPoint p = e->position().toPoint();
  uint32_t offered = static_cast<uint32_t>(e->possibleActions().toInt()) & 7;
  try {
    return backend_->Events()->PeerDrag(handle_, Action, TPoint(p.x(), p.y()), &payload, offered,
                                        KeyStateOf(e->buttons(), e->modifiers())) &
           offered;
  } catch (...) {
    return 0;
  }
}

// Qt sends a move right after the enter, and moves only to a widget that
// took the enter: the enter is always taken, the moves answer.
void TPeerWidget::dragEnterEvent(QDragEnterEvent* e) {
  uint32_t effect = Drag(pdaEnter, e);
  if (effect != 0) e->setDropAction(OneAction(effect));
  e->accept();
}

void TPeerWidget::dragMoveEvent(QDragMoveEvent* e) {
  uint32_t effect = Drag(pdaOver, e);
  if (effect == 0) {
    e->ignore();
    return;
  }
  e->setDropAction(OneAction(effect));
  e->accept();
}

void TPeerWidget::dragLeaveEvent(QDragLeaveEvent* e) {
  e->accept();
  if (handle_ != 0 && backend_->Events() != nullptr) {
    try {
      backend_->Events()->PeerDrag(handle_, pdaLeave, TPoint(), nullptr, 0, 0);
    } catch (...) {
    }
  }
}

void TPeerWidget::dropEvent(QDropEvent* e) {
  uint32_t effect = Drag(pdaDrop, e);
  if (effect == 0) {
    e->ignore();
    return;
  }
  e->setDropAction(OneAction(effect));
  e->accept();
}

void TPeerWidget::ReportGeometry(bool Spontaneous) {
  if (!Spontaneous || !isWindow() || !isVisible() || handle_ == 0 || backend_->Events() == nullptr) return;
  QRect g = geometry();
  backend_->Events()->PeerMovedOrResized(handle_, ToTRect(g));
}

void TPeerWidget::moveEvent(QMoveEvent* e) {
  QWidget::moveEvent(e);
  ReportGeometry(e->spontaneous());
}

void TPeerWidget::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  ReportGeometry(e->spontaneous());
}

void TPeerWidget::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  // Headless windows have no user to switch between them; the controls
  // activate their forms themselves.
  if (e->type() == QEvent::ActivationChange && isWindow() && handle_ != 0 && backend_->Events() != nullptr &&
      !Offscreen())
    backend_->Events()->PeerActivated(handle_, isActiveWindow());
}

}  // namespace

std::unique_ptr<IBackend> CreateQtBackend() { return std::make_unique<TQtBackend>(); }

namespace {
TPeerWidget* ProbeWidget(HWND Wnd) {
  auto* b = dynamic_cast<TQtBackend*>(Backend());
  return b != nullptr ? b->WidgetOf(Wnd) : nullptr;
}

void SendKey(QWidget* W, QEvent::Type Type, int Key, const QString& Text) {
  QKeyEvent e(Type, Key, Qt::NoModifier, Text);
  QCoreApplication::sendEvent(W, &e);
}
}  // namespace

bool QtTypeKey(HWND Wnd, const std::string& Utf8Char, bool AltGr) {
  TPeerWidget* w = ProbeWidget(Wnd);
  QString text = QString::fromStdString(Utf8Char);
  if (w == nullptr || text.isEmpty()) return false;
  // Qt names a character key by the character's capital.
  QList<uint> u = text.toUpper().toUcs4();
  int key = static_cast<int>(u.front());
  if (AltGr) SendKey(w, QEvent::KeyPress, Qt::Key_AltGr, QString());
  SendKey(w, QEvent::KeyPress, key, text);
  SendKey(w, QEvent::KeyRelease, key, text);
  if (AltGr) SendKey(w, QEvent::KeyRelease, Qt::Key_AltGr, QString());
  return true;
}

bool QtCommitText(HWND Wnd, const std::string& Utf8Text) {
  TPeerWidget* w = ProbeWidget(Wnd);
  if (w == nullptr) return false;
  QInputMethodEvent e;
  e.setCommitString(QString::fromStdString(Utf8Text));
  QCoreApplication::sendEvent(w, &e);
  return true;
}

bool QtWindowFacts(HWND Wnd, TQtWindowFacts& Facts) {
  TPeerWidget* w = ProbeWidget(Wnd);
  if (w == nullptr || !w->isWindow()) return false;
  Facts = TQtWindowFacts();
  Facts.Dialog = w->windowType() == Qt::Dialog;
  if (QWindow* h = w->windowHandle(); h != nullptr && h->transientParent() != nullptr) {
    auto* b = dynamic_cast<TQtBackend*>(Backend());
    for (HWND c : b->Handles())
      if (TPeerWidget* o = b->WidgetOf(c); o != nullptr && o->windowHandle() == h->transientParent())
        Facts.TransientParent = c;
  }
  Facts.MinWidth = w->minimumWidth();
  Facts.MinHeight = w->minimumHeight();
  Facts.MaxWidth = w->maximumWidth() >= QWIDGETSIZE_MAX ? 0 : w->maximumWidth();
  Facts.MaxHeight = w->maximumHeight() >= QWIDGETSIZE_MAX ? 0 : w->maximumHeight();
  Facts.Visible = w->isVisible();
  Facts.Alpha = static_cast<int>(std::lround(w->windowOpacity() * 255.0));
  Facts.Shaped = !w->mask().isEmpty();
  Facts.StayOnTop = (w->windowFlags() & Qt::WindowStaysOnTopHint) != 0;
  return true;
}

bool QtDropOn(HWND Wnd, const std::vector<std::pair<std::string, std::string>>& MimeData, int X, int Y,
              uint32_t Effects, bool Ctrl, TQtDropAnswer& Answer) {
  TPeerWidget* w = ProbeWidget(Wnd);
  if (w == nullptr) return false;
  QMimeData data;
  for (const auto& [mime, bytes] : MimeData)
    data.setData(QString::fromStdString(mime),
                 QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  QPointF p(X, Y);
  Qt::DropActions actions = Qt::DropActions::fromInt(static_cast<int>(Effects & 7));
  Qt::KeyboardModifiers mods = Ctrl ? Qt::ControlModifier : Qt::NoModifier;
  auto answer = [](const QDropEvent& e) {
    return e.isAccepted() ? static_cast<uint32_t>(e.dropAction()) : 0u;
  };
  QDragEnterEvent enter(p.toPoint(), actions, &data, Qt::LeftButton, mods);
  QCoreApplication::sendEvent(w, &enter);
  QDragMoveEvent move(p.toPoint(), actions, &data, Qt::LeftButton, mods);
  QCoreApplication::sendEvent(w, &move);
  Answer.Over = answer(move);
  QDropEvent drop(p, actions, &data, Qt::NoButton, mods);
  if (Answer.Over != 0) {
    QCoreApplication::sendEvent(w, &drop);
    Answer.Drop = answer(drop);
  } else {
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(w, &leave);
    Answer.Drop = 0;
  }
  return true;
}
