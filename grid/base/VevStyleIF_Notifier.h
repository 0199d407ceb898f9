#pragma once
// The theme notifier of the style unit (VevStyleIF.h): a hidden window and,
// while the Office settings key exists, a monitor thread that tells every
// registered grid window when a value under that key changes.
#include <memory>
#include <mutex>
#include <string>

#include "framework/classes/Registry.h"
#include "framework/classes/Thread.h"
#include "framework/controls/Controls.h"
#include "grid/base/VevObj.h"
#include "grid/base/VevStyleIF.h"

class TRegMonitorThread : public TThread {
 public:
  TRegMonitorThread();
  ~TRegMonitorThread() override;

  // Ends the thread: marks it terminated and ends its wait at once.
  void Stop();
  // Opens the key and takes the state later changes are measured against;
  // false when the key cannot be opened. The thread arms itself when this
  // was not called before it started.
  bool Arm();

  const std::string& Key() const { return FKey; }
  void SetKey(const std::string& Value) { FKey = Value; }
  HKEY RootKey() const { return FRootKey; }
  void SetRootKey(HKEY Value) { FRootKey = Value; }
  bool WatchSub() const { return FWatchSub; }
  void SetWatchSub(bool Value) { FWatchSub = Value; }
  // 0 reads as 15 (and stores 15): names, attributes, values, security.
  int Filter();
  void SetFilter(int Value);
  HWND Wnd() const { return FWnd; }
  void SetWnd(HWND Value) { FWnd = Value; }
  // Milliseconds between two looks at the key.
  int PollInterval() const { return FPollInterval; }
  void SetPollInterval(int Value) { FPollInterval = Value; }

  // The windows told besides Wnd. Used from the GUI thread and the worker:
  // go through these, which hold the lock.
  void AddWindow(HWND Value);
  void RemoveWindow(HWND Value);
  bool HasWindow(HWND Value) const;
  int WindowCount() const;

 protected:
  void Execute() override;

 private:
  // The values (and subkey names) under the key as one text.
  std::string Snapshot();
  void SendChange();

  std::unique_ptr<TRegistry> FReg;
  std::unique_ptr<TEvent> FEvent;
  std::string FKey;
  HKEY FRootKey = HKEY_CURRENT_USER;
  bool FWatchSub = false;
  int FFilter = 0;
  HWND FWnd = 0;
  std::unique_ptr<THandleList> FWinList;
  mutable std::mutex FListLock;
  int FPollInterval = 1000;
  bool FArmed = false;
  std::string FLast;
};

// The hidden window the monitor thread tells first.
class TThemeNotifierWindow : public TWinControl {
 public:
  explicit TThemeNotifierWindow(TComponent* AOwner);
  TNotifyEvent OnOfficeThemeChange;

 protected:
  void WndProc(TMessage& Message) override;
};

class TThemeNotifier : public TComponent {
 public:
  // AOwner must be a windowed control: the hidden window's parent.
  explicit TThemeNotifier(TComponent* AOwner);
  ~TThemeNotifier() override;

  // Only while a monitor thread runs; a window is listed once.
  void RegisterWindow(HWND Hwnd);
  void UnRegisterWindow(HWND Hwnd);

  TRegMonitorThread* RegMonitorThread() const { return FRegMonitorThread; }
  TThemeNotifierWindow* Notifier() const { return FNotifier; }

  // Fired on the GUI thread each time the hidden window is told.
  TNotifyEvent OnOfficeThemeChange;

 private:
  TRegMonitorThread* FRegMonitorThread = nullptr;
  TThemeNotifierWindow* FNotifier = nullptr;
};

// How often a new notifier's thread looks at the key (tests shorten it).
void SetThemeNotifierPollInterval(int Milliseconds);
