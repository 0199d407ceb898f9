#include "framework/controls/DragDrop.h"

#include <algorithm>
#include <exception>
#include <map>

#include "framework/controls/Controls.h"
#include "framework/controls/DataFormats.h"
#include "framework/controls/WinApi.h"

namespace {

int gOleInitCount = 0;

// ---- What a drag of this program offers the desktop ----
class TOfferedPayload : public IDragPayload {
 public:
  std::vector<std::string> Formats() const override {
    std::vector<std::string> out;
    for (const auto& [mime, bytes] : items_) out.push_back(mime);
    return out;
  }
  bool Data(const std::string& Mime, std::vector<uint8_t>& Bytes) const override {
    for (const auto& [mime, bytes] : items_)
      if (mime == Mime) {
        Bytes = bytes;
        return true;
      }
    return false;
  }
  // A later block under the same type wins: the wide text over the ANSI.
  void Put(const std::string& Mime, std::vector<uint8_t> Bytes) {
    for (auto& [mime, bytes] : items_)
      if (mime == Mime) {
        bytes = std::move(Bytes);
        return;
      }
    items_.push_back({Mime, std::move(Bytes)});
  }

 private:
  std::vector<TClipboardItem> items_;
};

std::shared_ptr<IDragPayload> PayloadOf(IDataObject* Data) {
  auto p = std::make_shared<TOfferedPayload>();
  std::shared_ptr<IEnumFORMATETC> e;
  if (Data == nullptr || FAILED(Data->EnumFormatEtc(DATADIR_GET, e)) || !e) return p;
  TFormatEtc f;
  ULONG got = 0;
  for (int guard = 0; guard < 1000 && e->Next(1, &f, &got) == S_OK && got == 1; ++guard) {
    TStgMedium m;
    if (Data->QueryGetData(f) != S_OK || Data->GetData(f, m) != S_OK || m.tymed != TYMED_HGLOBAL) continue;
    std::string mime;
    std::vector<uint8_t> bytes;
    MimeOfBlock(f.cfFormat, m.hGlobal, mime, bytes);
    p->Put(mime, std::move(bytes));
  }
  return p;
}

// ---- A drag of another program, as a data object ----
class TEnumFormatList : public IEnumFORMATETC {
 public:
  explicit TEnumFormatList(std::vector<UINT> Formats, size_t Index = 0)
      : formats_(std::move(Formats)), index_(Index) {}
  HRESULT Next(ULONG Celt, TFormatEtc* Elt, ULONG* Fetched) override {
    ULONG n = 0;
    while (n < Celt && index_ < formats_.size()) {
      TFormatEtc f;
      f.cfFormat = formats_[index_++];
      if (Elt != nullptr) Elt[n] = f;
      ++n;
    }
    if (Fetched != nullptr) *Fetched = n;
    return n == Celt ? S_OK : S_FALSE;
  }
  HRESULT Skip(ULONG Celt) override {
    index_ = std::min(formats_.size(), index_ + Celt);
    return index_ < formats_.size() ? S_OK : S_FALSE;
  }
  HRESULT Reset() override {
    index_ = 0;
    return S_OK;
  }
  HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& Enum) override {
    Enum = std::make_shared<TEnumFormatList>(formats_, index_);
    return S_OK;
  }

 private:
  std::vector<UINT> formats_;
  size_t index_;
};

class TPayloadDataObject : public IDataObject {
 public:
  explicit TPayloadDataObject(const IDragPayload* Payload) { Attach(Payload); }
  // The payload is the window system's for the report being handled; the
  // object reads nothing once the drag is gone.
  void Attach(const IDragPayload* Payload) {
    payload_ = Payload;
    if (payload_ == nullptr || !formats_.empty()) return;
    formats_ = OfferedFormats(payload_->Formats(), Reader());
  }
  void Detach() { payload_ = nullptr; }

  HRESULT GetData(const TFormatEtc& Format, TStgMedium& Medium) override {
    HRESULT hr = QueryGetData(Format);
    if (hr != S_OK) return hr;
    std::vector<uint8_t> block;
    if (!FormatBlock(Format.cfFormat, Reader(), block)) return DV_E_FORMATETC;
    Medium.tymed = TYMED_HGLOBAL;
    Medium.hGlobal = std::move(block);
    return S_OK;
  }
  HRESULT GetDataHere(const TFormatEtc&, TStgMedium&) override { return E_NOTIMPL; }
  HRESULT QueryGetData(const TFormatEtc& Format) override {
    if (payload_ == nullptr) return E_UNEXPECTED;
    if (Format.dwAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!(Format.tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
    return std::find(formats_.begin(), formats_.end(), Format.cfFormat) != formats_.end() ? S_OK
                                                                                          : DV_E_FORMATETC;
  }
  HRESULT GetCanonicalFormatEtc(const TFormatEtc&, TFormatEtc& Out) override {
    Out.ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT SetData(const TFormatEtc&, TStgMedium&, bool) override { return E_NOTIMPL; }
  HRESULT EnumFormatEtc(DWORD Direction, std::shared_ptr<IEnumFORMATETC>& Enum) override {
    if (Direction != DATADIR_GET) return E_NOTIMPL;
    Enum = std::make_shared<TEnumFormatList>(formats_);
    return S_OK;
  }
  HRESULT DAdvise(const TFormatEtc&, DWORD, IAdviseSink*, DWORD&) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT EnumDAdvise(std::shared_ptr<IEnumSTATDATA>&) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  TMimeReader Reader() const {
    return [this](const std::string& Mime, std::vector<uint8_t>& Bytes) {
      return payload_ != nullptr && payload_->Data(Mime, Bytes);
    };
  }
  const IDragPayload* payload_ = nullptr;
  std::vector<UINT> formats_;
};

// ---- Registered targets and the drag now over one of them ----
std::map<HWND, std::shared_ptr<IDropTarget>>& Targets() {
  static auto* t = new std::map<HWND, std::shared_ptr<IDropTarget>>();
  return *t;
}

void ForgetDeadWindows() {
  auto& t = Targets();
  for (auto it = t.begin(); it != t.end();) it = IsWindow(it->first) ? std::next(it) : t.erase(it);
}

// The target of Wnd or of its nearest parent with one.
std::shared_ptr<IDropTarget> TargetFor(HWND Wnd, HWND& TargetWnd) {
  ForgetDeadWindows();
  for (TWinControl* c = FindControl(Wnd); c != nullptr; c = c->Parent()) {
    if (!c->HandleAllocated()) continue;
    auto it = Targets().find(c->Handle());
    if (it != Targets().end()) {
      TargetWnd = it->first;
      return it->second;
    }
  }
  TargetWnd = 0;
  return nullptr;
}

struct TDropRoute {
  HWND Wnd = 0;
  std::shared_ptr<IDropTarget> Target;
  std::shared_ptr<IDataObject> Data;
  std::shared_ptr<TPayloadDataObject> Foreign;
  DWORD LastEffect = DROPEFFECT_NONE;
};
TDropRoute gRoute;
TDragSession* gSession = nullptr;

// A target's failure (a file that does not load) is the user's to see; the
// drop then counts as refused.
template <typename F>
HRESULT Guarded(F&& Call) {
  try {
    return Call();
  } catch (...) {
    HandleDispatchException(std::current_exception());
    return E_UNEXPECTED;
  }
}

void EndRoute(bool CallLeave) {
  TDropRoute r = std::move(gRoute);
  gRoute = TDropRoute();
  if (r.Foreign) r.Foreign->Detach();
  if (CallLeave && r.Target) Guarded([&] { return r.Target->DragLeave(); });
}

DWORD Enter(HWND TargetWnd, std::shared_ptr<IDropTarget> Target, const TPoint& Screen,
            const IDragPayload* Payload, DWORD Effects, DWORD KeyState) {
  EndRoute(true);
  gRoute.Wnd = TargetWnd;
  gRoute.Target = std::move(Target);
  if (gSession != nullptr) {
    gRoute.Data = gSession->DataObject();
  } else {
    gRoute.Foreign = std::make_shared<TPayloadDataObject>(Payload);
    gRoute.Data = gRoute.Foreign;
  }
  DWORD effect = Effects;
  if (FAILED(Guarded([&] { return gRoute.Target->DragEnter(gRoute.Data, KeyState, Screen, effect); })))
    effect = DROPEFFECT_NONE;
  gRoute.LastEffect = effect & Effects;
  return gRoute.LastEffect;
}

DWORD Over(const TPoint& Screen, DWORD Effects, DWORD KeyState) {
  DWORD effect = Effects;
  if (FAILED(Guarded([&] { return gRoute.Target->DragOver(KeyState, Screen, effect); })))
    effect = DROPEFFECT_NONE;
  gRoute.LastEffect = effect & Effects;
  return gRoute.LastEffect;
}

TDragDropHook* gDragHook = nullptr;

class TWindowSystemDrag : public TDragDropHook {
 public:
  DWORD RunDrag(TDragSession& Session) override {
    IBackend* b = Backend();
    return b != nullptr ? b->RunDrag(Session.Payload(), Session.OkEffects(), Session) : DROPEFFECT_NONE;
  }
};
TWindowSystemDrag gWindowSystemDrag;

constexpr DWORD kButtons = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

}  // namespace

HRESULT OleInitialize() { return gOleInitCount++ == 0 ? S_OK : S_FALSE; }

void OleUninitialize() {
  if (gOleInitCount > 0) --gOleInitCount;
}

HRESULT RegisterDragDrop(HWND Wnd, std::shared_ptr<IDropTarget> Target) {
  ForgetDeadWindows();
  if (!IsWindow(Wnd)) return DRAGDROP_E_INVALIDHWND;
  if (!Target) return E_INVALIDARG;
  if (Targets().count(Wnd) != 0) return DRAGDROP_E_ALREADYREGISTERED;
  Targets()[Wnd] = std::move(Target);
  if (IWindowPeer* p = WindowPeer(Wnd)) p->SetAcceptDrops(true);
  return S_OK;
}

HRESULT RevokeDragDrop(HWND Wnd) {
  auto it = Targets().find(Wnd);
  if (it == Targets().end()) return DRAGDROP_E_NOTREGISTERED;
  if (gRoute.Wnd == Wnd) EndRoute(true);
  Targets().erase(it);
  if (IWindowPeer* p = WindowPeer(Wnd)) p->SetAcceptDrops(false);
  return S_OK;
}

std::shared_ptr<IDropTarget> RegisteredDropTarget(HWND Wnd) {
  auto it = Targets().find(Wnd);
  return it != Targets().end() && IsWindow(Wnd) ? it->second : nullptr;
}

DWORD DragInput(HWND Wnd, TPeerDragAction Action, const TPoint& Screen, const IDragPayload* Payload,
                DWORD Effects, DWORD KeyState) {
  if (Action == pdaLeave) {
    EndRoute(true);
    return DROPEFFECT_NONE;
  }
  HWND targetWnd = 0;
  std::shared_ptr<IDropTarget> target = TargetFor(Wnd, targetWnd);
  if (!target) {
    EndRoute(true);
    return DROPEFFECT_NONE;
  }
  bool entered = gRoute.Target == target && gRoute.Wnd == targetWnd;
  if (entered && gRoute.Foreign) gRoute.Foreign->Attach(Payload);
  if (Action == pdaEnter) return Enter(targetWnd, target, Screen, Payload, Effects, KeyState);
  if (Action == pdaOver) {
    // Arriving by a move is an enter and a move, as the window system
    // reports it.
    if (!entered) Enter(targetWnd, target, Screen, Payload, Effects, KeyState);
    return Over(Screen, Effects, KeyState);
  }
  // A drop where the pointer never was counts as arriving there first.
  if (!entered) Enter(targetWnd, target, Screen, Payload, Effects, KeyState);
  KeyState &= ~kButtons;
  if (gRoute.LastEffect == DROPEFFECT_NONE || (gSession != nullptr && !gSession->Release(KeyState))) {
    EndRoute(true);
    return DROPEFFECT_NONE;
  }
  DWORD effect = Effects;
  TDropRoute r = gRoute;
  if (FAILED(Guarded([&] { return r.Target->Drop(r.Data, KeyState, Screen, effect); })))
    effect = DROPEFFECT_NONE;
  EndRoute(false);
  return effect & Effects;
}

// ---- The drag this program runs ----
TDragSession::TDragSession(std::shared_ptr<IDataObject> DataObj, std::shared_ptr<IDropSource> DropSource,
                           DWORD OkEffects)
    : data_(std::move(DataObj)), source_(std::move(DropSource)), okEffects_(OkEffects) {
  payload_ = PayloadOf(data_.get());
}

const IDragPayload& TDragSession::Payload() const { return *payload_; }

TDragSession* TDragSession::Current() { return gSession; }

bool TDragSession::Continue(uint32_t KeyState, const TPoint& Screen) {
  RecordCursorPos(Screen);
  if (state_ != dsRunning) return state_ == dsDropping;
  HRESULT hr = Guarded([&] { return source_->QueryContinueDrag(false, KeyState); });
  if (hr == DRAGDROP_S_CANCEL || FAILED(hr)) {
    state_ = dsCancelled;
    return false;
  }
  // A source that says drop has had its last step; the window system drops
  // where the pointer is.
  if (hr == DRAGDROP_S_DROP) state_ = dsDropping;
  return true;
}

void TDragSession::Feedback(uint32_t Effect) {
  if (state_ != dsCancelled) Guarded([&] { return source_->GiveFeedback(Effect); });
}

bool TDragSession::Release(DWORD KeyState) {
  if (state_ != dsRunning) return state_ == dsDropping;
  HRESULT hr = Guarded([&] { return source_->QueryContinueDrag(false, KeyState & ~kButtons); });
  state_ = hr == DRAGDROP_S_CANCEL || FAILED(hr) ? dsCancelled : dsDropping;
  return state_ == dsDropping;
}

void TDragSession::Finish(DWORD Effect) {
  if (state_ != dsRunning) return;
  // A drop on another program: the button went up. Nothing taken: as if the
  // user pressed Escape.
  bool dropped = Effect != DROPEFFECT_NONE;
  state_ = dropped ? dsDropping : dsCancelled;
  Guarded([&] { return source_->QueryContinueDrag(!dropped, 0); });
}

TDragDropHook* DragDropHook() { return gDragHook != nullptr ? gDragHook : &gWindowSystemDrag; }

TDragDropHook* SetDragDropHook(TDragDropHook* Hook) {
  TDragDropHook* old = gDragHook;
  gDragHook = Hook;
  return old;
}

HRESULT DoDragDrop(const std::shared_ptr<IDataObject>& DataObj,
                   const std::shared_ptr<IDropSource>& DropSource, DWORD OkEffects, DWORD& Effect) {
  Effect = DROPEFFECT_NONE;
  if (!DataObj || !DropSource) return E_INVALIDARG;
  if (gSession != nullptr) return E_UNEXPECTED;  // one drag at a time
  // The drag loop has the mouse now.
  if (GetCapture() != 0) ReleaseCapture();
  TDragSession session(DataObj, DropSource, OkEffects);
  gSession = &session;
  struct TEnd {
    ~TEnd() {
      gSession = nullptr;
      EndRoute(true);
      // The button that dragged went up inside the loop.
      SetKeyDown(VK_LBUTTON, false);
    }
  } end;
  DWORD effect = DragDropHook()->RunDrag(session) & OkEffects;
  session.Finish(effect);
  Effect = effect;
  return effect != DROPEFFECT_NONE ? DRAGDROP_S_DROP : DRAGDROP_S_CANCEL;
}
