#include "DragDriver.h"

#include <gtest/gtest.h>

namespace {

HWND WindowOf(TControl* Control) {
  for (TControl* c = Control; c != nullptr; c = c->Parent())
    if (auto* w = dynamic_cast<TWinControl*>(c)) return w->Handle();
  return 0;
}

constexpr DWORD kButtons = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

}  // namespace

// ---- TDragRun ----

DWORD TDragRun::MoveTo(TControl* Control, int X, int Y, DWORD KeyState) {
  if (finished_) return DROPEFFECT_NONE;
  screen_ = Control->ClientToScreen(TPoint(X, Y));
  keys_ = KeyState;
  if (!session_.Continue(KeyState, screen_)) {
    Cancel();
    return DROPEFFECT_NONE;
  }
  onDesktop_ = false;
  wnd_ = WindowOf(Control);
  DWORD e = DragInput(wnd_, pdaOver, screen_, &session_.Payload(), session_.OkEffects(), KeyState);
  session_.Feedback(e);
  return e;
}

void TDragRun::MoveToDesktop(DWORD Effect) {
  if (finished_) return;
  if (wnd_ != 0) DragInput(wnd_, pdaLeave, screen_, nullptr, 0, 0);
  wnd_ = 0;
  onDesktop_ = true;
  desktopEffect_ = Effect & session_.OkEffects();
  if (!session_.Continue(keys_, screen_)) {
    Cancel();
    return;
  }
  session_.Feedback(desktopEffect_);
}

DWORD TDragRun::Drop() {
  if (finished_) return effect_;
  finished_ = true;
  if (wnd_ != 0)
    effect_ = DragInput(wnd_, pdaDrop, screen_, &session_.Payload(), session_.OkEffects(), keys_ & ~kButtons);
  else if (onDesktop_)
    effect_ = desktopEffect_;
  return effect_;
}

void TDragRun::Cancel() {
  if (finished_) return;
  finished_ = true;
  if (wnd_ != 0) DragInput(wnd_, pdaLeave, screen_, nullptr, 0, 0);
  wnd_ = 0;
  effect_ = DROPEFFECT_NONE;
}

// ---- TDragDriver ----

TDragDriver::TDragDriver() : previous_(SetDragDropHook(this)) {}

TDragDriver::~TDragDriver() { SetDragDropHook(previous_); }

TDragDriver& TDragDriver::OnDrag(std::function<void(TDragRun&)> Script) {
  scripts_.push_back(std::move(Script));
  return *this;
}

TDragDriver& TDragDriver::Lenient() {
  lenient_ = true;
  return *this;
}

DWORD TDragDriver::RunDrag(TDragSession& Session) {
  TMimeData offered;
  for (const std::string& m : Session.Payload().Formats()) {
    std::vector<uint8_t> b;
    if (Session.Payload().Data(m, b)) offered[m] = std::string(b.begin(), b.end());
  }
  drags_.push_back(offered);
  TDragRun run(Session);
  if (scripts_.empty()) {
    if (!lenient_) ADD_FAILURE() << "Unexpected drag";
    return DROPEFFECT_NONE;
  }
  auto script = std::move(scripts_.front());
  scripts_.pop_front();
  script(run);
  run.Cancel();
  return run.Effect();
}

// ---- TDesktopDrag ----

std::vector<std::string> TDesktopDrag::TPayload::Formats() const {
  std::vector<std::string> out;
  for (const auto& [m, d] : Items) out.push_back(m);
  return out;
}

bool TDesktopDrag::TPayload::Data(const std::string& Mime, std::vector<uint8_t>& Bytes) const {
  for (const auto& [m, d] : Items)
    if (m == Mime) {
      Bytes.assign(d.begin(), d.end());
      return true;
    }
  return false;
}

TDesktopDrag::TDesktopDrag(std::initializer_list<std::pair<std::string, std::string>> Data, DWORD Effects)
    : effects_(Effects) {
  payload_.Items.assign(Data.begin(), Data.end());
}

TDesktopDrag::TDesktopDrag(const TMimeList& Data, DWORD Effects) : effects_(Effects) {
  payload_.Items = Data;
}

TDesktopDrag::~TDesktopDrag() { Leave(); }

DWORD TDesktopDrag::MoveTo(TControl* Control, int X, int Y, DWORD KeyState) {
  screen_ = Control->ClientToScreen(TPoint(X, Y));
  keys_ = KeyState;
  wnd_ = WindowOf(Control);
  return DragInput(wnd_, pdaOver, screen_, &payload_, effects_, KeyState);
}

DWORD TDesktopDrag::Drop() {
  if (wnd_ == 0) return DROPEFFECT_NONE;
  HWND w = wnd_;
  wnd_ = 0;
  return DragInput(w, pdaDrop, screen_, &payload_, effects_, keys_ & ~kButtons);
}

void TDesktopDrag::Leave() {
  if (wnd_ == 0) return;
  DragInput(wnd_, pdaLeave, screen_, nullptr, 0, 0);
  wnd_ = 0;
}
