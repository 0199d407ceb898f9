#pragma once
// Drives drags in tests without a pointer or a window system. A drag this
// program starts is handed to a script that moves it over controls and
// drops or cancels it; a drag of another desktop program can be offered to
// our controls. Both take the road of the window system's reports
// (DragInput), so targets, sources and effects behave as with a real
// pointer. What a drag of ours offers other programs is kept as MIME data.
// A drag nobody scripted fails the running test and is cancelled.
//
//   TDragDriver d;
//   d.OnDrag([&](TDragRun& run) { run.MoveTo(edit2, 5, 5); run.Drop(); });
//   ... code that starts a drag ...
//   EXPECT_EQ(d.Drags().at(0).at("text/plain"), "abc");
//
//   TDesktopDrag outside({{"text/uri-list", "file:///tmp/a.csv\r\n"}});
//   outside.MoveTo(grid, 10, 10);
//   outside.Drop();
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "framework/controls/Controls.h"
#include "framework/controls/DragDrop.h"

// MIME type to bytes.
using TMimeData = std::map<std::string, std::string>;
// MIME types and their bytes in a program's order.
using TMimeList = std::vector<std::pair<std::string, std::string>>;

// One drag of ours while its script runs.
class TDragRun {
 public:
  explicit TDragRun(TDragSession& Session) : session_(Session) {}
  // The pointer moves to client point (X, Y) of Control with KeyState's
  // buttons and keys held; answers the effect the window there takes.
  DWORD MoveTo(TControl* Control, int X, int Y, DWORD KeyState = MK_LBUTTON);
  // The pointer leaves our windows for another program, which would take a
  // drop with Effect (DROPEFFECT_NONE: it refuses).
  void MoveToDesktop(DWORD Effect = DROPEFFECT_COPY);
  // The button goes up; answers the effect the drop took.
  DWORD Drop();
  // Escape.
  void Cancel();
  bool Finished() const { return finished_; }
  DWORD Effect() const { return effect_; }
  TDragSession& Session() { return session_; }

 private:
  TDragSession& session_;
  HWND wnd_ = 0;
  TPoint screen_;
  DWORD keys_ = MK_LBUTTON;
  bool onDesktop_ = false;
  DWORD desktopEffect_ = DROPEFFECT_NONE;
  bool finished_ = false;
  DWORD effect_ = DROPEFFECT_NONE;
};

class TDragDriver : public TDragDropHook {
 public:
  TDragDriver();
  ~TDragDriver() override;
  TDragDriver(const TDragDriver&) = delete;
  TDragDriver& operator=(const TDragDriver&) = delete;

  // The next drag goes to Script (queued in order); a drag still running
  // when Script returns is cancelled.
  TDragDriver& OnDrag(std::function<void(TDragRun&)> Script);
  // Unscripted drags are cancelled without failing the test.
  TDragDriver& Lenient();
  // What each drag offered other programs, in order.
  const std::vector<TMimeData>& Drags() const { return drags_; }

  DWORD RunDrag(TDragSession& Session) override;

 private:
  TDragDropHook* previous_;
  bool lenient_ = false;
  std::deque<std::function<void(TDragRun&)>> scripts_;
  std::vector<TMimeData> drags_;
};

// A drag of another desktop program over our windows.
class TDesktopDrag {
 public:
  // MIME types and their data, in the order the program lists them.
  explicit TDesktopDrag(std::initializer_list<std::pair<std::string, std::string>> Data,
                        DWORD Effects = DROPEFFECT_COPY | DROPEFFECT_MOVE);
  TDesktopDrag(const TMimeList& Data, DWORD Effects);
  ~TDesktopDrag();
  TDesktopDrag(const TDesktopDrag&) = delete;
  TDesktopDrag& operator=(const TDesktopDrag&) = delete;
  DWORD MoveTo(TControl* Control, int X, int Y, DWORD KeyState = MK_LBUTTON);
  // The button goes up where the pointer is.
  DWORD Drop();
  void Leave();

 private:
  class TPayload : public IDragPayload {
   public:
    TMimeList Items;
    std::vector<std::string> Formats() const override;
    bool Data(const std::string& Mime, std::vector<uint8_t>& Bytes) const override;
  };
  TPayload payload_;
  DWORD effects_;
  HWND wnd_ = 0;
  TPoint screen_;
  DWORD keys_ = MK_LBUTTON;
};
