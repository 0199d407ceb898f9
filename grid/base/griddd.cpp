#include "grid/base/griddd.h"

#include "framework/classes/Streams.h"
#include "framework/classes/StringList.h"
#include "framework/controls/DataFormats.h"
#include "framework/rtl/CodePage.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"

namespace {

bool gAcceptRTFDrops = false;

uint32_t ReadU32(const std::vector<uint8_t>& B, size_t At) {
  return static_cast<uint32_t>(B[At]) | (static_cast<uint32_t>(B[At + 1]) << 8) |
         (static_cast<uint32_t>(B[At + 2]) << 16) | (static_cast<uint32_t>(B[At + 3]) << 24);
}

void PutU32(std::vector<uint8_t>& B, uint32_t V) {
  for (int i = 0; i < 4; ++i) B.push_back(static_cast<uint8_t>(V >> (8 * i)));
}

std::string UpToZero(const std::vector<uint8_t>& B) {
  std::string s(B.begin(), B.end());
  if (auto z = s.find('\0'); z != std::string::npos) s.resize(z);
  return s;
}

std::vector<uint8_t> AnsiBlock(const std::string& Utf8) {
  std::string a = Utf8ToCp1252(Utf8);
  std::vector<uint8_t> b(a.begin(), a.end());
  b.push_back(0);
  return b;
}

}  // namespace

UINT CF_GRIDCELLS() {
  static const UINT id = RegisterClipboardFormat("TDedAdararAdoz Cells");
  return id;
}

UINT CF_GRIDCOLUMN() {
  static const UINT id = RegisterClipboardFormat("Grid Column");
  return id;
}

UINT CF_RICHTEXT() {
  static const UINT id = RegisterClipboardFormat("Rich Text Format");
  return id;
}

UINT CF_URL() {
  static const UINT id = RegisterClipboardFormat("UniformResourceLocator");
  return id;
}

UINT CF_HTMLFORMAT() {
  static const UINT id = RegisterClipboardFormat("HTML Format");
  return id;
}

void RegisterGridDragFormats() {
  CF_GRIDCELLS();
  CF_GRIDCOLUMN();
  CF_RICHTEXT();
  CF_URL();
  CF_HTMLFORMAT();
}

void SetAcceptRTFDrops(bool Value) { gAcceptRTFDrops = Value; }
bool AcceptRTFDrops() { return gAcceptRTFDrops; }

TDroppedFileKind DroppedFileKind(const std::string& FileName) {
  size_t slash = FileName.find_last_of("/\\");
  size_t dot = FileName.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return dfkNone;
  std::string ext = LowerCase(FileName.substr(dot + 1));
  if (ext == "csv") return dfkCSV;
  if (ext == "xls" || ext == "xlsx" || ext == "xlsm" || ext == "xlsb") return dfkXLS;
  return dfkNone;
}

// ---- TEnumFormats ----

TEnumFormats::TEnumFormats(std::shared_ptr<IDataObject> DataObject)
    : FFiles(std::make_unique<TStringList>()) {
  RegisterGridDragFormats();
  SetDataObject(std::move(DataObject));
}

TEnumFormats::~TEnumFormats() = default;

void TEnumFormats::SetDataObject(std::shared_ptr<IDataObject> Value) {
  FDataObject = std::move(Value);
  FEnumerator.reset();
  if (!FDataObject || FDataObject->EnumFormatEtc(DATADIR_GET, FEnumerator) != S_OK || !FEnumerator)
    throw Exception("Cannot get the format enumerator");
  Reset();
}

void TEnumFormats::Reset() {
  if (FEnumerator) FEnumerator->Reset();
  FValid = false;
  FCount = 0;
}

bool TEnumFormats::Next() {
  ULONG got = 0;
  FValid = FEnumerator && FEnumerator->Next(1, &FFormatEtc, &got) == S_OK && got == 1;
  if (FValid) ++FCount;
  return FValid;
}

// A format counts as offered when it is listed and the data object gives
// it: a column drag lists the text formats but has no text.
bool TEnumFormats::HasFormat(UINT ClipFormat) {
  Reset();
  // A data object that lists formats for ever is read no further.
  for (int guard = 0; guard < 10000 && Next(); ++guard)
    if (FFormatEtc.cfFormat == ClipFormat) {
      TFormatEtc f = FFormatEtc;
      f.tymed = TYMED_HGLOBAL;
      return FDataObject->QueryGetData(f) == S_OK;
    }
  return false;
}

std::optional<std::vector<uint8_t>> TEnumFormats::Handle(DWORD Tymed) {
  if (!FValid || !(FFormatEtc.tymed & Tymed)) return std::nullopt;
  TFormatEtc f = FFormatEtc;
  f.tymed = Tymed;
  TStgMedium m;
  if (FDataObject->GetData(f, m) != S_OK || m.tymed != Tymed) return std::nullopt;
  return std::move(m.hGlobal);
}

std::optional<std::vector<uint8_t>> TEnumFormats::BlockOf(UINT ClipFormat) {
  if (!HasFormat(ClipFormat)) return std::nullopt;
  return GlobalHandle();
}

std::string TEnumFormats::Text() {
  auto b = BlockOf(CF_UNICODETEXT);
  if (!b) return std::string();
  std::u16string u;
  for (size_t i = 0; i + 1 < b->size(); i += 2) {
    char16_t c = static_cast<char16_t>((*b)[i] | ((*b)[i + 1] << 8));
    if (c == 0) break;
    u.push_back(c);
  }
  return Utf16ToUtf8(u);
}

std::string TEnumFormats::RTF() {
  auto b = BlockOf(CF_RICHTEXT());
  return b ? Cp1252ToUtf8(UpToZero(*b)) : std::string();
}

int TEnumFormats::Col() {
  auto b = BlockOf(CF_GRIDCOLUMN());
  if (!b || b->size() < 4) return -1;
  return static_cast<int32_t>(ReadU32(*b, 0));
}

std::unique_ptr<TMemoryStream> TEnumFormats::Stream() {
  auto b = BlockOf(CF_GRIDCELLS());
  // The byte count comes from whoever dragged: never read past the block.
  if (!b || b->size() < 8) return nullptr;
  uint64_t n = ReadU32(*b, 0);
  if (8 + n > b->size()) return nullptr;
  auto ms = std::make_unique<TMemoryStream>();
  if (n > 0) ms->Write(b->data() + 8, static_cast<int64_t>(n));
  ms->Seek(0, soBeginning);
  return ms;
}

TStringList* TEnumFormats::Files() {
  FFiles->Clear();
  if (auto b = BlockOf(CF_HDROP))
    for (const std::string& f : ReadFileDropBlock(b->data(), b->size())) FFiles->Add(f);
  return FFiles.get();
}

// ---- TCellDropTarget ----

TCellDropTarget::TCellDropTarget() { RegisterGridDragFormats(); }
TCellDropTarget::~TCellDropTarget() = default;

// Copy with Ctrl held, else move when the source allows it, else copy.
DWORD TCellDropTarget::EffectFor(DWORD KeyState, DWORD Allowed) const {
  if ((KeyState & MK_CONTROL) && (Allowed & DROPEFFECT_COPY)) return DROPEFFECT_COPY;
  if (Allowed & DROPEFFECT_MOVE) return DROPEFFECT_MOVE;
  if (Allowed & DROPEFFECT_COPY) return DROPEFFECT_COPY;
  return DROPEFFECT_NONE;
}

HRESULT TCellDropTarget::DragEnter(const std::shared_ptr<IDataObject>& DataObj, DWORD KeyState, const TPoint&,
                                   DWORD& Effect) {
  FDropFormats.Clear();
  FOk = false;
  try {
    TEnumFormats fmt(DataObj);
    if (fmt.HasText()) FDropFormats << dfText;
    if (fmt.HasFile()) FDropFormats << dfFile;
    if (fmt.HasCol()) FDropFormats << dfCol;
    if (fmt.HasRTF()) FDropFormats << dfRTF;
    if (fmt.HasURL()) FDropFormats << dfURL;
    if (fmt.HasGridCells()) FDropFormats << dfGridCells;
  } catch (const Exception&) {
    // Nothing readable on offer: no drop here.
  }
  const TDropFormats& f = FDropFormats;
  FOk = (f.Contains(dfText) && FAcceptText) || (f.Contains(dfFile) && FAcceptFiles) ||
        (f.Contains(dfRTF) && gAcceptRTFDrops && FAcceptText) || (f.Contains(dfCol) && FAcceptCols) ||
        (f.Contains(dfURL) && FAcceptURLs) || f.Contains(dfGridCells);
  Effect = FOk ? EffectFor(KeyState, Effect) : DROPEFFECT_NONE;
  DragMouseEnter();
  return S_OK;
}

HRESULT TCellDropTarget::DragOver(DWORD KeyState, const TPoint& Pt, DWORD& Effect) {
  Effect = FOk ? EffectFor(KeyState, Effect) : DROPEFFECT_NONE;
  bool allow = Effect != DROPEFFECT_NONE;
  DragMouseMove(Pt, allow, FDropFormats);
  if (allow && !DropAllowed(Pt, FDropFormats)) allow = false;
  if (!allow) Effect = DROPEFFECT_NONE;
  return S_OK;
}

HRESULT TCellDropTarget::DragLeave() {
  DragMouseLeave();
  return S_OK;
}

HRESULT TCellDropTarget::Drop(const std::shared_ptr<IDataObject>& DataObj, DWORD KeyState, const TPoint& Pt,
                              DWORD& Effect) {
  DWORD allowed = Effect;
  Effect = DROPEFFECT_NONE;
  if (!FOk) return S_OK;
  if (!DropAllowed(Pt, FDropFormats)) {
    DragMouseLeave();
    return S_OK;
  }
  TEnumFormats fmt(DataObj);
  // Each kind of data goes only to a window that takes it.
  if (FAcceptCols && fmt.HasCol()) {
    DropCol(Pt, fmt.Col());
  } else {
    std::unique_ptr<TMemoryStream> cells = fmt.HasGridCells() ? fmt.Stream() : nullptr;
    if (cells)
      DropStream(Pt, cells.get());
    else if (FAcceptText && gAcceptRTFDrops && fmt.HasRTF())
      DropRTF(Pt, fmt.RTF());
    else if (FAcceptText && fmt.HasText())
      DropText(Pt, fmt.Text());
    cells.reset();
    if (FAcceptFiles && fmt.HasFile()) DropFiles(Pt, fmt.Files());
    // Browsers give the address as text too.
    if (FAcceptURLs && fmt.HasURL()) DropURL(Pt, fmt.Text());
  }
  Effect = EffectFor(KeyState, allowed);
  return S_OK;
}

void TCellDropTarget::DropText(const TPoint&, const std::string&) {}
void TCellDropTarget::DropStream(const TPoint&, TMemoryStream*) {}
void TCellDropTarget::DropCol(const TPoint&, int) {}
void TCellDropTarget::DropRTF(const TPoint&, const std::string&) {}
void TCellDropTarget::DropFiles(const TPoint&, TStrings*) {}
void TCellDropTarget::DropURL(const TPoint&, const std::string&) {}
void TCellDropTarget::DragMouseMove(const TPoint&, bool&, TDropFormats) {}
void TCellDropTarget::DragMouseEnter() {}
void TCellDropTarget::DragMouseLeave() {}
bool TCellDropTarget::DropAllowed(const TPoint&, TDropFormats) { return true; }

// ---- TSourceDataObject ----

TSourceDataObject::TSourceDataObject(const std::string& text, const std::string& rtf, int scolidx,
                                     TMemoryStream* memstr)
    : textdata(text), rtfdata(rtf), scolidx(scolidx), memstr(memstr) {
  RegisterGridDragFormats();
}

HRESULT TSourceDataObject::QueryGetData(const TFormatEtc& Format) {
  if (Format.dwAspect != DVASPECT_CONTENT || !(Format.tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
  UINT f = Format.cfFormat;
  if (!textdata.empty() && (f == CF_TEXT || f == CF_UNICODETEXT)) return S_OK;
  if (!rtfdata.empty() && gAcceptRTFDrops && f == CF_RICHTEXT()) return S_OK;
  if (memstr != nullptr && f == CF_GRIDCELLS()) return S_OK;
  if (scolidx != -1 && f == CF_GRIDCOLUMN()) return S_OK;
  return DV_E_FORMATETC;
}

HRESULT TSourceDataObject::GetData(const TFormatEtc& Format, TStgMedium& Medium) {
  if (QueryGetData(Format) != S_OK) return DV_E_FORMATETC;
  std::vector<uint8_t> b;
  UINT f = Format.cfFormat;
  if (f == CF_TEXT) {
    b = AnsiBlock(textdata);
  } else if (f == CF_UNICODETEXT) {
    for (char16_t c : Utf8ToUtf16(textdata)) {
      b.push_back(static_cast<uint8_t>(c & 0xFF));
      b.push_back(static_cast<uint8_t>(c >> 8));
    }
    b.push_back(0);
    b.push_back(0);
  } else if (f == CF_RICHTEXT()) {
    b = AnsiBlock(rtfdata);
  } else if (f == CF_GRIDCOLUMN()) {
    PutU32(b, static_cast<uint32_t>(scolidx));
  } else {
    const std::string& cells = memstr->Bytes();
    PutU32(b, static_cast<uint32_t>(cells.size()));
    PutU32(b, 0);
    b.insert(b.end(), cells.begin(), cells.end());
  }
  Medium.tymed = TYMED_HGLOBAL;
  Medium.hGlobal = std::move(b);
  return S_OK;
}

HRESULT TSourceDataObject::EnumFormatEtc(DWORD Direction, std::shared_ptr<IEnumFORMATETC>& Enum) {
  if (Direction != DATADIR_GET) return E_NOTIMPL;
  Enum = std::make_shared<TSourceEnumFormatEtc>(scolidx != -1, memstr != nullptr);
  return S_OK;
}

HRESULT TSourceDataObject::GetDataHere(const TFormatEtc&, TStgMedium&) { return DV_E_FORMATETC; }
HRESULT TSourceDataObject::SetData(const TFormatEtc&, TStgMedium&, bool) { return DV_E_FORMATETC; }

HRESULT TSourceDataObject::GetCanonicalFormatEtc(const TFormatEtc&, TFormatEtc& Out) {
  Out.ptd = nullptr;
  return E_NOTIMPL;
}

HRESULT TSourceDataObject::DAdvise(const TFormatEtc&, DWORD, IAdviseSink*, DWORD&) {
  return OLE_E_ADVISENOTSUPPORTED;
}
HRESULT TSourceDataObject::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }
HRESULT TSourceDataObject::EnumDAdvise(std::shared_ptr<IEnumSTATDATA>&) { return OLE_E_ADVISENOTSUPPORTED; }

// ---- TSourceEnumFormatEtc ----

TSourceEnumFormatEtc::TSourceEnumFormatEtc(bool HasCol, bool HasGridCells, int Index)
    : FIndex(Index), FHasCol(HasCol), FHasGridCells(HasGridCells) {}

std::vector<UINT> TSourceEnumFormatEtc::Formats() const {
  std::vector<UINT> f{CF_TEXT, CF_UNICODETEXT, CF_RICHTEXT()};
  if (FHasCol) f.push_back(CF_GRIDCOLUMN());
  if (FHasGridCells) f.push_back(CF_GRIDCELLS());
  return f;
}

HRESULT TSourceEnumFormatEtc::Next(ULONG Celt, TFormatEtc* Elt, ULONG* Fetched) {
  std::vector<UINT> f = Formats();
  ULONG n = 0;
  while (n < Celt && FIndex < static_cast<int>(f.size())) {
    TFormatEtc e;
    e.cfFormat = f[FIndex++];
    if (Elt != nullptr) Elt[n] = e;
    ++n;
  }
  if (Fetched != nullptr) *Fetched = n;
  return n == Celt ? S_OK : S_FALSE;
}

HRESULT TSourceEnumFormatEtc::Skip(ULONG Celt) {
  int count = static_cast<int>(Formats().size());
  if (static_cast<int64_t>(FIndex) + Celt > count) {
    FIndex = count;
    return S_FALSE;
  }
  FIndex += static_cast<int>(Celt);
  return S_OK;
}

HRESULT TSourceEnumFormatEtc::Reset() {
  FIndex = 0;
  return S_OK;
}

HRESULT TSourceEnumFormatEtc::Clone(std::shared_ptr<IEnumFORMATETC>& Enum) {
  Enum = std::make_shared<TSourceEnumFormatEtc>(FHasCol, FHasGridCells, FIndex);
  return S_OK;
}

// ---- TCellDropSource ----

HRESULT TCellDropSource::QueryContinueDrag(bool EscapePressed, DWORD KeyState) {
  HRESULT r = S_OK;
  if (EscapePressed) {
    DragEnded();
    r = DRAGDROP_S_CANCEL;
  } else if (!(KeyState & MK_LBUTTON)) {
    DragEnded();
    r = DRAGDROP_S_DROP;
  }
  QueryDrag();
  return r;
}

HRESULT TCellDropSource::GiveFeedback(DWORD Effect) {
  FNoAccept = Effect == DROPEFFECT_NONE;
  CurrentEffect(Effect);
  return DRAGDROP_S_USEDEFAULTCURSORS;
}

void TCellDropSource::DragEnded() {}
void TCellDropSource::CurrentEffect(DWORD) {}
void TCellDropSource::QueryDrag() {}
void TCellDropSource::DragDropStop() {}

// ---- Drag starters ----

HRESULT BeginTextDragDrop(const std::shared_ptr<TCellDropSource>& DropSource, const std::string& Text,
                          const std::string& RTF, DWORD& Effect, DWORD OkEffects, TMemoryStream* Stream) {
  auto data = std::make_shared<TSourceDataObject>(Text, RTF, -1, Stream);
  HRESULT r = DoDragDrop(data, DropSource, OkEffects, Effect);
  if (DropSource && DropSource->NoAccept()) r = DRAGDROP_S_CANCEL;
  if (DropSource) DropSource->DragDropStop();
  return r;
}

HRESULT BeginColumnDragDrop(const std::shared_ptr<TCellDropSource>& DropSource, int Column, DWORD OkEffects,
                            DWORD& Effect) {
  auto data = std::make_shared<TSourceDataObject>(std::string(), std::string(), Column, nullptr);
  HRESULT r = DoDragDrop(data, DropSource, OkEffects, Effect);
  if (DropSource && DropSource->NoAccept()) r = DRAGDROP_S_CANCEL;
  if (DropSource) DropSource->DragDropStop();
  return r;
}
