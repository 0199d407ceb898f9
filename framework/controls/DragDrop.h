#pragma once
// Drag and drop between the windows of this program and those of other
// desktop programs, in the platform's shape: a data object offers formats
// (the clipboard's numbers, Clipbrd.h), a drop source steers a drag this
// program starts (DoDragDrop), and a drop target registered for a window
// (RegisterDragDrop) takes drags of any program over it and its child
// windows. Points are screen points; effects and key states the platform's
// numbers. Objects are shared: whoever holds one keeps it alive.
//
// The window system runs the drag loop with the formats as MIME data
// (DataFormats.h). A drag within this program hands the target the source's
// own data object. The drag loop goes through a hook, as dialogs do: tests
// install their own (tests/support/DragDriver.h) that moves a drag over
// controls and drops it, and offers drags of a desktop program, without a
// pointer.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/backend/Backend.h"
#include "framework/controls/Messages.h"
#include "framework/graphics/Types.h"
#include "framework/rtl/HResult.h"

using DWORD = uint32_t;
using LONG = int32_t;
using ULONG = uint32_t;

constexpr HRESULT DV_E_FORMATETC = static_cast<HRESULT>(0x80040064u);
constexpr HRESULT DV_E_TYMED = static_cast<HRESULT>(0x80040069u);
constexpr HRESULT DV_E_DVASPECT = static_cast<HRESULT>(0x8004006Bu);
constexpr HRESULT OLE_E_ADVISENOTSUPPORTED = static_cast<HRESULT>(0x80040003u);
constexpr HRESULT DRAGDROP_S_DROP = 0x00040100;
constexpr HRESULT DRAGDROP_S_CANCEL = 0x00040101;
constexpr HRESULT DRAGDROP_S_USEDEFAULTCURSORS = 0x00040102;
constexpr HRESULT DRAGDROP_E_NOTREGISTERED = static_cast<HRESULT>(0x80040100u);
constexpr HRESULT DRAGDROP_E_ALREADYREGISTERED = static_cast<HRESULT>(0x80040101u);
constexpr HRESULT DRAGDROP_E_INVALIDHWND = static_cast<HRESULT>(0x80040102u);

constexpr DWORD DROPEFFECT_NONE = 0;
constexpr DWORD DROPEFFECT_COPY = 1;
constexpr DWORD DROPEFFECT_MOVE = 2;
constexpr DWORD DROPEFFECT_LINK = 4;

// The Alt key in a drag's key state (the others are the mouse messages' MK_
// flags).
constexpr DWORD MK_ALT = 0x0020;

constexpr DWORD DVASPECT_CONTENT = 1;
constexpr DWORD TYMED_NULL = 0;
constexpr DWORD TYMED_HGLOBAL = 1;
constexpr DWORD DATADIR_GET = 1;
constexpr DWORD DATADIR_SET = 2;

// A format on offer: its number, the target device (none here), the aspect,
// the page index and the media it comes in.
struct TFormatEtc {
  UINT cfFormat = 0;
  const void* ptd = nullptr;
  DWORD dwAspect = DVASPECT_CONTENT;
  LONG lindex = -1;
  DWORD tymed = TYMED_HGLOBAL;
};

// Data handed over: a memory block (the platform's global memory), owned by
// whoever holds the medium.
struct TStgMedium {
  DWORD tymed = TYMED_NULL;
  std::vector<uint8_t> hGlobal;
};

class IEnumFORMATETC {
 public:
  virtual ~IEnumFORMATETC() = default;
  // Fills up to Celt descriptions; S_OK only when all Celt were filled.
  virtual HRESULT Next(ULONG Celt, TFormatEtc* Elt, ULONG* Fetched) = 0;
  virtual HRESULT Skip(ULONG Celt) = 0;
  virtual HRESULT Reset() = 0;
  virtual HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& Enum) = 0;
};

class IAdviseSink;
class IEnumSTATDATA;

class IDataObject {
 public:
  virtual ~IDataObject() = default;
  virtual HRESULT GetData(const TFormatEtc& Format, TStgMedium& Medium) = 0;
  virtual HRESULT GetDataHere(const TFormatEtc& Format, TStgMedium& Medium) = 0;
  virtual HRESULT QueryGetData(const TFormatEtc& Format) = 0;
  virtual HRESULT GetCanonicalFormatEtc(const TFormatEtc& In, TFormatEtc& Out) = 0;
  virtual HRESULT SetData(const TFormatEtc& Format, TStgMedium& Medium, bool Release) = 0;
  virtual HRESULT EnumFormatEtc(DWORD Direction, std::shared_ptr<IEnumFORMATETC>& Enum) = 0;
  virtual HRESULT DAdvise(const TFormatEtc& Format, DWORD Advf, IAdviseSink* Sink, DWORD& Connection) = 0;
  virtual HRESULT DUnadvise(DWORD Connection) = 0;
  virtual HRESULT EnumDAdvise(std::shared_ptr<IEnumSTATDATA>& Enum) = 0;
};

class IDropSource {
 public:
  virtual ~IDropSource() = default;
  // S_OK goes on, DRAGDROP_S_DROP drops, DRAGDROP_S_CANCEL cancels.
  virtual HRESULT QueryContinueDrag(bool EscapePressed, DWORD KeyState) = 0;
  // The target under the pointer takes Effect.
  virtual HRESULT GiveFeedback(DWORD Effect) = 0;
};

class IDropTarget {
 public:
  virtual ~IDropTarget() = default;
  // Effect comes in as the effects the source allows and goes out as the one
  // the target takes (DROPEFFECT_NONE: no drop here).
  virtual HRESULT DragEnter(const std::shared_ptr<IDataObject>& DataObj, DWORD KeyState, const TPoint& Pt,
                            DWORD& Effect) = 0;
  virtual HRESULT DragOver(DWORD KeyState, const TPoint& Pt, DWORD& Effect) = 0;
  virtual HRESULT DragLeave() = 0;
  virtual HRESULT Drop(const std::shared_ptr<IDataObject>& DataObj, DWORD KeyState, const TPoint& Pt,
                       DWORD& Effect) = 0;
};

// Kept for the platform's start-up order; nothing needs starting. The first
// call answers S_OK, later ones S_FALSE.
HRESULT OleInitialize();
void OleUninitialize();

// Wnd (and its child windows without a target of their own) takes drags
// through Target until revoked or destroyed.
HRESULT RegisterDragDrop(HWND Wnd, std::shared_ptr<IDropTarget> Target);
HRESULT RevokeDragDrop(HWND Wnd);
// The target registered for Wnd itself (none when not registered).
std::shared_ptr<IDropTarget> RegisteredDropTarget(HWND Wnd);

// Drags DataObj until the user drops or cancels it (modal: messages and
// timers go on meanwhile). Answers DRAGDROP_S_DROP with the target's effect
// in Effect, or DRAGDROP_S_CANCEL with DROPEFFECT_NONE. The window that had
// the mouse loses the capture when the drag starts.
HRESULT DoDragDrop(const std::shared_ptr<IDataObject>& DataObj,
                   const std::shared_ptr<IDropSource>& DropSource, DWORD OkEffects, DWORD& Effect);

// One drag this program started, as the drag loop drives it.
class TDragSession : public IDragLoop {
 public:
  TDragSession(std::shared_ptr<IDataObject> DataObj, std::shared_ptr<IDropSource> DropSource,
               DWORD OkEffects);
  // What the drag offers other programs.
  const IDragPayload& Payload() const;
  DWORD OkEffects() const { return okEffects_; }
  const std::shared_ptr<IDataObject>& DataObject() const { return data_; }
  // The source's step while the drag runs; false when it cancels.
  bool Continue(uint32_t KeyState, const TPoint& Screen) override;
  void Feedback(uint32_t Effect) override;
  // The button went up over a target of this program: the source's last
  // step; false when it cancels the drop.
  bool Release(DWORD KeyState);
  // The loop ended with Effect; the source gets its last step if it has not
  // had it yet.
  void Finish(DWORD Effect);
  // The source has had its last step.
  bool Ended() const { return state_ != dsRunning; }
  // The drag that runs now (nullptr when none).
  static TDragSession* Current();

 private:
  std::shared_ptr<IDataObject> data_;
  std::shared_ptr<IDropSource> source_;
  DWORD okEffects_;
  std::shared_ptr<IDragPayload> payload_;
  enum { dsRunning, dsDropping, dsCancelled } state_ = dsRunning;
};

// The drag loop of the window system; tests install their own.
class TDragDropHook {
 public:
  virtual ~TDragDropHook() = default;
  // Runs Session's drag until dropped or cancelled; answers the effect the
  // drop took.
  virtual DWORD RunDrag(TDragSession& Session) = 0;
};
// The hook in use (the window system's unless a test installed its own).
TDragDropHook* DragDropHook();
// Installs Hook (nullptr: the window system's) and answers the previous one.
TDragDropHook* SetDragDropHook(TDragDropHook* Hook);

// A drag (of this program or another) is at Screen over Wnd: Wnd's window
// system reports go here, and so do tests that stand in for it. Enter and
// Over find the target of Wnd or of its nearest parent with one, leaving the
// previous one (an Over that arrives at a new target enters it first); Drop
// drops there when the target took the drag at its last report. Answers the
// effect the target takes.
DWORD DragInput(HWND Wnd, TPeerDragAction Action, const TPoint& Screen, const IDragPayload* Payload,
                DWORD Effects, DWORD KeyState);
