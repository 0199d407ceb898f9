// The theme notifier: the monitor thread, its hidden window and the
// process-wide instance.
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/controls/Forms.h"
#include "framework/controls/WinApi.h"
#include "grid/base/VevStyleIF_Notifier.h"

namespace {
TThemeNotifier* g_notifier = nullptr;
int g_pollInterval = 1000;

const char kOffice14[] = "Software\\Microsoft\\Office\\14.0\\Common";
const char kOffice12[] = "Software\\Microsoft\\Office\\12.0\\Common";

// The change-filter bits the snapshot honours.
constexpr int kNotifyName = 1;
constexpr int kNotifyLastSet = 4;
}  // namespace

// ---------------------------------------------------------------------------
// TRegMonitorThread

TRegMonitorThread::TRegMonitorThread()
    : FReg(std::make_unique<TRegistry>()),
      FEvent(std::make_unique<TEvent>(true, false)),
      FWinList(std::make_unique<THandleList>()) {}

TRegMonitorThread::~TRegMonitorThread() {
  // The worker reads the members below: it must be gone before they are.
  Stop();
  WaitFor();
}

void TRegMonitorThread::Stop() {
  Terminate();
  FEvent->SetEvent();
}

int TRegMonitorThread::Filter() {
  if (FFilter == 0) FFilter = kNotifyName | 2 | kNotifyLastSet | 8;
  return FFilter;
}

void TRegMonitorThread::SetFilter(int Value) {
  if (FFilter != Value) FFilter = Value;
}

void TRegMonitorThread::AddWindow(HWND Value) {
  std::lock_guard<std::mutex> l(FListLock);
  if (!FWinList->HasValue(Value)) FWinList->Add(Value);
}

void TRegMonitorThread::RemoveWindow(HWND Value) {
  std::lock_guard<std::mutex> l(FListLock);
  FWinList->DeleteValue(Value);
}

bool TRegMonitorThread::HasWindow(HWND Value) const {
  std::lock_guard<std::mutex> l(FListLock);
  return FWinList->HasValue(Value);
}

int TRegMonitorThread::WindowCount() const {
  std::lock_guard<std::mutex> l(FListLock);
  return FWinList->Count();
}

std::string TRegMonitorThread::Snapshot() {
  std::string out;
  const int filter = Filter();
  std::vector<std::string> pending{FKey};
  while (!pending.empty()) {
    std::string key = pending.back();
    pending.pop_back();
    FReg->CloseKey();
    if (!FReg->OpenKeyReadOnly("\\" + key)) {
      out += "[-" + key + "]";
      continue;
    }
    out += "[" + key + "]";
    if (filter & kNotifyLastSet) {
      TStringList names;
      FReg->GetValueNames(&names);
      for (int i = 0; i < names.Count(); ++i) {
        const std::string& n = names.Strings(i);
        out += n + "=";
        switch (FReg->GetDataType(n)) {
          case rdInteger:
            out += std::to_string(FReg->ReadInteger(n));
            break;
          case rdString:
          case rdExpandString:
            out += FReg->ReadString(n);
            break;
          default:
            break;
        }
        out += '\n';
      }
    }
    TStringList subkeys;
    FReg->GetKeyNames(&subkeys);
    for (int i = 0; i < subkeys.Count(); ++i) {
      if (filter & kNotifyName) out += "<" + subkeys.Strings(i) + ">";
      if (FWatchSub) pending.push_back(key + "\\" + subkeys.Strings(i));
    }
  }
  FReg->CloseKey();
  return out;
}

void TRegMonitorThread::SendChange() {
  std::vector<HWND> windows;
  {
    std::lock_guard<std::mutex> l(FListLock);
    for (int i = 0; i < FWinList->Count(); ++i) windows.push_back(FWinList->Items(i));
  }
  Synchronize([&] {
    const LPARAM path = reinterpret_cast<LPARAM>(FKey.c_str());
    if (FWnd != 0) SendMessage(FWnd, WM_OFFICETHEMECHANGE, static_cast<WPARAM>(FRootKey), path);
    for (HWND w : windows) SendMessage(w, WM_OFFICETHEMECHANGE, static_cast<WPARAM>(FRootKey), path);
  });
}

bool TRegMonitorThread::Arm() {
  FReg->SetRootKey(FRootKey);
  if (!FReg->OpenKeyReadOnly("\\" + FKey)) return false;
  FReg->CloseKey();
  FLast = Snapshot();
  FArmed = true;
  return true;
}

void TRegMonitorThread::Execute() {
  if (!FArmed && !Arm()) throw Exception("Unable to open registry key " + FKey);
  while (!Terminated()) {
    FEvent->WaitFor(FPollInterval);
    if (Terminated()) break;
    std::string now = Snapshot();
    if (now == FLast) continue;
    FLast = now;
    SendChange();
  }
}

// ---------------------------------------------------------------------------
// TThemeNotifierWindow

TThemeNotifierWindow::TThemeNotifierWindow(TComponent* AOwner) : TWinControl(AOwner) { SetVisible(false); }

void TThemeNotifierWindow::WndProc(TMessage& Message) {
  if (Message.Msg == WM_OFFICETHEMECHANGE) {
    if (OnOfficeThemeChange) OnOfficeThemeChange(this);
    return;
  }
  TWinControl::WndProc(Message);
}

// ---------------------------------------------------------------------------
// TThemeNotifier

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner) {
  const int version = GetOfficeVersion();
  if (version != 1 && version != 2) return;
  FNotifier = new TThemeNotifierWindow(this);
  if (auto* parent = dynamic_cast<TWinControl*>(AOwner)) FNotifier->SetParent(parent);
  FNotifier->OnOfficeThemeChange = [this](TObject*) {
    if (OnOfficeThemeChange) OnOfficeThemeChange(this);
  };
  FRegMonitorThread = new TRegMonitorThread();
  FRegMonitorThread->SetWnd(FNotifier->Handle());
  FRegMonitorThread->SetFilter(kNotifyLastSet);
  FRegMonitorThread->SetKey(version == 2 ? kOffice14 : kOffice12);
  FRegMonitorThread->SetRootKey(HKEY_CURRENT_USER);
  FRegMonitorThread->SetWatchSub(true);
  FRegMonitorThread->SetPollInterval(g_pollInterval);
  // Armed here, so a change made right after the notifier exists counts.
  FRegMonitorThread->Arm();
  FRegMonitorThread->Start();
}

TThemeNotifier::~TThemeNotifier() {
  // Owned here rather than freeing itself, so it is gone (and its last
  // message delivered) before the notifier and its window are.
  delete FRegMonitorThread;
  FRegMonitorThread = nullptr;
  if (g_notifier == this) g_notifier = nullptr;
}

void TThemeNotifier::RegisterWindow(HWND Hwnd) {
  if (FRegMonitorThread != nullptr) FRegMonitorThread->AddWindow(Hwnd);
}

void TThemeNotifier::UnRegisterWindow(HWND Hwnd) {
  if (FRegMonitorThread != nullptr) FRegMonitorThread->RemoveWindow(Hwnd);
}

TThemeNotifier* GetThemeNotifier(TWinControl* AskingGrid) {
  if (g_notifier == nullptr) {
    TComponent* owner = AskingGrid;
    if (Application != nullptr && Application->MainForm() != nullptr &&
        Application->MainForm()->HandleAllocated())
      owner = Application->MainForm();
    g_notifier = new TThemeNotifier(owner);
  }
  return g_notifier;
}

TThemeNotifier* CurrentThemeNotifier() { return g_notifier; }

void SetThemeNotifierPollInterval(int Milliseconds) { g_pollInterval = Milliseconds; }
