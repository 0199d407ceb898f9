#pragma once
// The grid's drag and drop with other windows and programs, over the
// framework's drag and drop (framework/controls/DragDrop.h): a reader of a
// dropped data object (TEnumFormats), a drop target that sorts out what a
// drag offers and hands the drop to virtual handlers (TCellDropTarget, which
// the grid's own target overrides), the data object and format list of what
// the grid drags out (TSourceDataObject, TSourceEnumFormatEtc), a drop
// source with overridable feedback (TCellDropSource), and the two starters
// of a drag of text and cells or of a column.
//
// Formats: plain and wide text, file lists, "Rich Text Format", "Grid
// Column" (a 32-bit column index), "TDedAdararAdoz Cells" (a 32-bit byte
// count N, 4 zero bytes, then N bytes of the grid's binary cell format) and
// "UniformResourceLocator". The names are registered once at start-up and
// reach the desktop under fixed MIME types, so they are known whatever the
// clipboard is doing.
//
// For the grid: a target's DropAllowed may refuse a drop at a point (a
// read-only cell), both while the drag is over it and at the drop; the
// handlers then never run. DroppedFileKind is the one place that tells
// which loader a dropped file takes.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/classes/Classes.h"
#include "framework/controls/Clipbrd.h"
#include "framework/controls/DragDrop.h"
#include "framework/rtl/Set.h"

class TMemoryStream;
class TStringList;
class TStrings;

// The registered formats (registered on first use if start-up has not yet).
UINT CF_GRIDCELLS();
UINT CF_GRIDCOLUMN();
UINT CF_RICHTEXT();
UINT CF_URL();
UINT CF_HTMLFORMAT();
// Registers the grid's formats; the grid unit's start-up calls it.
void RegisterGridDragFormats();

// Whether RTF is taken by drops and offered by drags (false at start-up).
void SetAcceptRTFDrops(bool Value);
bool AcceptRTFDrops();

enum TDropFormat { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };
using TDropFormats = TSet<TDropFormat, 8>;

// What a dropped file is, by its final extension alone (case does not
// matter): "a.csv" is CSV, "a.xls" and "a.xlsx" a spreadsheet, "a.xls.csv"
// CSV and "a.csv.bak" nothing.
enum TDroppedFileKind { dfkNone, dfkCSV, dfkXLS };
TDroppedFileKind DroppedFileKind(const std::string& FileName);

// Reads a dropped data object format by format.
class TEnumFormats : public TObject {
 public:
  // Raises when the data object lists no formats ("Cannot get the format
  // enumerator").
  explicit TEnumFormats(std::shared_ptr<IDataObject> DataObject);
  ~TEnumFormats() override;

  void Reset();
  // Moves to the next offered format; false at the end.
  bool Next();
  // Resets, then walks until a format with that number; it counts only
  // when the data object gives it (a column drag lists text but has none).
  bool HasFormat(UINT ClipFormat);
  // The current format's block in that medium (none when the current format
  // is not valid, does not come in it, or cannot be had).
  std::optional<std::vector<uint8_t>> Handle(DWORD Tymed);
  std::optional<std::vector<uint8_t>> GlobalHandle() { return Handle(TYMED_HGLOBAL); }

  bool HasText() { return HasFormat(CF_UNICODETEXT); }
  bool HasFile() { return HasFormat(CF_HDROP); }
  bool HasRTF() { return HasFormat(CF_RICHTEXT()); }
  bool HasCol() { return HasFormat(CF_GRIDCOLUMN()); }
  bool HasURL() { return HasFormat(CF_URL()); }
  bool HasGridCells() { return HasFormat(CF_GRIDCELLS()); }

  // The wide text ("" when absent).
  std::string Text();
  // The RTF block read as ANSI text.
  std::string RTF();
  // The dragged column, -1 when absent.
  int Col();
  // The dropped cells (none when absent or when the block is shorter than
  // its byte count says); the caller owns it.
  std::unique_ptr<TMemoryStream> Stream();
  // Reads the file list into Files (empty when absent).
  TStringList* Files();

  DWORD Aspect() const { return FFormatEtc.dwAspect; }
  void SetAspect(DWORD Value) { FFormatEtc.dwAspect = Value; }
  UINT Format() const { return FFormatEtc.cfFormat; }
  void SetFormat(UINT Value) { FFormatEtc.cfFormat = Value; }
  LONG Index() const { return FFormatEtc.lindex; }
  void SetIndex(LONG Value) { FFormatEtc.lindex = Value; }
  DWORD Medium() const { return FFormatEtc.tymed; }
  void SetMedium(DWORD Value) { FFormatEtc.tymed = Value; }
  int Count() const { return FCount; }
  bool Valid() const { return FValid; }
  const TFormatEtc& FormatEtc() const { return FFormatEtc; }
  const std::shared_ptr<IDataObject>& DataObject() const { return FDataObject; }
  // Reads another data object from its start.
  void SetDataObject(std::shared_ptr<IDataObject> Value);

 private:
  std::optional<std::vector<uint8_t>> BlockOf(UINT ClipFormat);

  std::shared_ptr<IDataObject> FDataObject;
  std::shared_ptr<IEnumFORMATETC> FEnumerator;
  TFormatEtc FFormatEtc;
  bool FValid = false;
  int FCount = 0;
  std::unique_ptr<TStringList> FFiles;
};

// A window's drop target: says whether a drag can drop, and hands a drop to
// the handler of what it offers. Points are screen points.
class TCellDropTarget : public IDropTarget {
 public:
  TCellDropTarget();
  ~TCellDropTarget() override;

  bool AcceptText() const { return FAcceptText; }
  void SetAcceptText(bool Value) { FAcceptText = Value; }
  bool AcceptFiles() const { return FAcceptFiles; }
  void SetAcceptFiles(bool Value) { FAcceptFiles = Value; }
  bool AcceptCols() const { return FAcceptCols; }
  void SetAcceptCols(bool Value) { FAcceptCols = Value; }
  bool AcceptURLs() const { return FAcceptURLs; }
  void SetAcceptURLs(bool Value) { FAcceptURLs = Value; }
  // The formats the drag now over the window offers.
  TDropFormats DropFormats() const { return FDropFormats; }

  HRESULT DragEnter(const std::shared_ptr<IDataObject>& DataObj, DWORD KeyState, const TPoint& Pt,
                    DWORD& Effect) override;
  HRESULT DragOver(DWORD KeyState, const TPoint& Pt, DWORD& Effect) override;
  HRESULT DragLeave() override;
  HRESULT Drop(const std::shared_ptr<IDataObject>& DataObj, DWORD KeyState, const TPoint& Pt,
               DWORD& Effect) override;

  virtual void DropText(const TPoint& pt, const std::string& s);
  // ms is freed once the handler returns.
  virtual void DropStream(const TPoint& pt, TMemoryStream* ms);
  virtual void DropCol(const TPoint& pt, int col);
  virtual void DropRTF(const TPoint& pt, const std::string& s);
  virtual void DropFiles(const TPoint& pt, TStrings* files);
  virtual void DropURL(const TPoint& pt, const std::string& s);
  virtual void DragMouseMove(const TPoint& pt, bool& Allow, TDropFormats DropFormats);
  virtual void DragMouseEnter();
  virtual void DragMouseLeave();
  // The window's own say on a drop of these formats at pt (the grid refuses
  // what its editing rules forbid): asked on every move and again at the
  // drop, whose handlers run only on a yes.
  virtual bool DropAllowed(const TPoint& pt, TDropFormats DropFormats);

 private:
  DWORD EffectFor(DWORD KeyState, DWORD Allowed) const;

  bool FOk = false;
  bool FAcceptText = true;
  bool FAcceptFiles = true;
  bool FAcceptCols = false;
  bool FAcceptURLs = true;
  TDropFormats FDropFormats;
};

// What the grid drags out: text (with its ANSI form), RTF, a column index or
// a cell stream.
class TSourceDataObject : public IDataObject {
 public:
  // scolidx -1: no column; memstr (not owned) may be null.
  TSourceDataObject(const std::string& text, const std::string& rtf, int scolidx, TMemoryStream* memstr);

  HRESULT GetData(const TFormatEtc& Format, TStgMedium& Medium) override;
  HRESULT GetDataHere(const TFormatEtc& Format, TStgMedium& Medium) override;
  HRESULT QueryGetData(const TFormatEtc& Format) override;
  HRESULT GetCanonicalFormatEtc(const TFormatEtc& In, TFormatEtc& Out) override;
  HRESULT SetData(const TFormatEtc& Format, TStgMedium& Medium, bool Release) override;
  HRESULT EnumFormatEtc(DWORD Direction, std::shared_ptr<IEnumFORMATETC>& Enum) override;
  HRESULT DAdvise(const TFormatEtc& Format, DWORD Advf, IAdviseSink* Sink, DWORD& Connection) override;
  HRESULT DUnadvise(DWORD Connection) override;
  HRESULT EnumDAdvise(std::shared_ptr<IEnumSTATDATA>& Enum) override;

 private:
  std::string textdata;
  std::string rtfdata;
  int scolidx;
  TMemoryStream* memstr;
};

// The formats of a TSourceDataObject: CF_TEXT, CF_UNICODETEXT, "Rich Text
// Format", then "Grid Column" and "TDedAdararAdoz Cells" when present.
class TSourceEnumFormatEtc : public IEnumFORMATETC {
 public:
  TSourceEnumFormatEtc(bool HasCol, bool HasGridCells, int Index = 0);
  HRESULT Next(ULONG Celt, TFormatEtc* Elt, ULONG* Fetched) override;
  HRESULT Skip(ULONG Celt) override;
  HRESULT Reset() override;
  HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& Enum) override;

 private:
  std::vector<UINT> Formats() const;
  int FIndex;
  bool FHasCol;
  bool FHasGridCells;
};

// The grid's drop source: ends the drag on Escape or the button's release
// and reports the feedback.
class TCellDropSource : public IDropSource {
 public:
  HRESULT QueryContinueDrag(bool EscapePressed, DWORD KeyState) override;
  HRESULT GiveFeedback(DWORD Effect) override;
  // The last feedback said the pointer is over no place to drop.
  bool NoAccept() const { return FNoAccept; }

  // The drag ended (dropped or cancelled), before the drop is handled.
  virtual void DragEnded();
  virtual void CurrentEffect(DWORD dwEffect);
  // Each step of the drag loop (the grid moves its drag picture here).
  virtual void QueryDrag();
  // The drag loop has returned (dropped or not): what was shown for the
  // drag goes.
  virtual void DragDropStop();

 private:
  bool FNoAccept = false;
};

// Drags text (with the RTF text and the cell stream, either may be empty)
// or a column. Answer DRAGDROP_S_CANCEL also when the last feedback found
// no place to drop, whatever the loop says.
HRESULT BeginTextDragDrop(const std::shared_ptr<TCellDropSource>& DropSource, const std::string& Text,
                          const std::string& RTF, DWORD& Effect, DWORD OkEffects, TMemoryStream* Stream);
HRESULT BeginColumnDragDrop(const std::shared_ptr<TCellDropSource>& DropSource, int Column, DWORD OkEffects,
                            DWORD& Effect);
