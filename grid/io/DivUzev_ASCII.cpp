// Plain text with columns aligned by blanks: the ASCII table (each column as
// wide as its longest line, cells aligned as in the grid, extra lines of a
// multi-line cell continued under their column) and fixed-width records
// (every field cut or padded to a given width; read back by character
// positions). Widths count characters, not bytes.
//
// Hidden columns are read where they are stored rather than by widening
// the grid for the run, so an export never changes the grid, also when
// it fails.
#include <algorithm>
#include <vector>

#include "framework/classes/Streams.h"
#include "framework/controls/Controls.h"
#include "framework/controls/Forms.h"
#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/TextEncoding.h"
#include "grid/base/VevUtil.h"
#include "grid/io/GridExchange.h"
#include "grid/model/DivUzev.h"

namespace {

// The screen shows the hourglass while a long export runs.
class THourGlass {
 public:
  THourGlass() {
    if (Screen != nullptr) {
      old_ = Screen->Cursor();
      Screen->SetCursor(crHourGlass);
    }
  }
  ~THourGlass() {
    if (Screen != nullptr) Screen->SetCursor(old_);
  }

 private:
  TCursor old_ = crDefault;
};

// The lines of a cell text (CR LF, CR or LF end one).
std::vector<std::string> CellLines(const std::string& T) {
  std::vector<std::string> out(1);
  for (size_t i = 0; i < T.size(); ++i) {
    if (T[i] == '\r' || T[i] == '\n') {
      if (T[i] == '\r' && i + 1 < T.size() && T[i + 1] == '\n') ++i;
      out.emplace_back();
    } else {
      out.back() += T[i];
    }
  }
  return out;
}

// Text aligned within W characters (0 left, 1 right, 2 centre), then the
// blanks that fill the column's W + 1 characters.
std::string Aligned(std::string T, int W, TAlignment A) {
  int len = Utf8Length(T);
  if (A == taRightJustify) {
    if (len < W) T.insert(0, static_cast<size_t>(W - len), ' ');
  } else if (A == taCenter) {
    while (len < W) {
      T = " " + T + " ";
      len += 2;
    }
  }
  len = Utf8Length(T);
  if (len <= W) T.append(static_cast<size_t>(W - len + 1), ' ');
  return T;
}

// The first Count characters of T from character From (0-based).
std::string CharSlice(std::string_view T, int From, int Count) {
  size_t i = 0;
  int k = 0;
  while (i < T.size() && k < From) {
    ++i;
    while (i < T.size() && (static_cast<unsigned char>(T[i]) & 0xC0) == 0x80) ++i;
    ++k;
  }
  size_t e = i;
  k = 0;
  while (e < T.size() && k < Count) {
    ++e;
    while (e < T.size() && (static_cast<unsigned char>(T[e]) & 0xC0) == 0x80) ++e;
    ++k;
  }
  return std::string(T.substr(i, e - i));
}

std::vector<std::string_view> TextLines(std::string_view Text) {
  std::vector<std::string_view> lines;
  size_t p = 0;
  while (p < Text.size()) {
    size_t e = p;
    while (e < Text.size() && Text[e] != '\r' && Text[e] != '\n') ++e;
    lines.push_back(Text.substr(p, e - p));
    if (e < Text.size() && Text[e] == '\r' && e + 1 < Text.size() && Text[e + 1] == '\n') ++e;
    p = e + 1;
  }
  return lines;
}

}  // namespace

// ---------------------------------------------------------------------------
// ASCII

namespace {

void WriteASCII(TDedAdararAdoz* G, const std::string& FileName, bool Append, bool Unicode) {
  THourGlass busy;
  std::string text;
  if (Append && FileExists(FileName)) {
    TMemoryStream old;
    old.LoadFromFile(FileName);
    std::string buffer;
    for (std::string_view line : TextLines(gridio::AsUtf8(old.Bytes(), buffer))) {
      text.append(line);
      text += "\r\n";
    }
  }
  const int c0 = G->SaveFixedCells() || G->SaveFixedCols() ? 0 : G->FixedCols();
  const int r0 = G->SaveFixedCells() || G->SaveFixedRows() ? 0 : G->FixedRows();
  const bool hidden = G->SaveHiddenCells();
  std::vector<int> real;
  for (int c = c0; c < (hidden ? G->TotalColCount() : G->ColCount()); ++c)
    real.push_back(hidden ? c : G->RealColIndex(c));
  std::vector<int> widths;
  widths.reserve(real.size());
  for (int rc : real) widths.push_back(G->MaxColumnTextLength(rc));
  const bool multi = G->MultilineCells();

  auto save = [&] {
    SafeWriteFile(FileName, Unicode ? EncodeText(text, teUtf16LE, true) : EncodeText(text, teAnsi, false));
  };
  G->ExportNotification(esExportStart, r0);
  try {
    std::string t;
    for (int r = r0; r < G->RowCount(); ++r) {
      G->ExportNotification(esExportNextRow, r);
      std::string line;
      std::vector<std::string> more;
      int offset = 0;
      for (size_t k = 0; k < real.size(); ++k) {
        t.clear();
        G->SaveCell(real[k], r, t);
        TAlignment ha = taLeftJustify;
        TVAlignment va = vtaTop;
        G->CalcCellAlignment(real[k], r, ha, va);
        const int w = widths[k];
        std::vector<std::string> parts = CellLines(t);
        line += Aligned(parts[0], w, ha);
        if (multi)
          for (size_t p = 1; p < parts.size(); ++p) {
            if (more.size() < p) more.emplace_back();
            std::string& m = more[p - 1];
            const int have = Utf8Length(m);
            if (have < offset) m.append(static_cast<size_t>(offset - have), ' ');
            m += Aligned(parts[p], w, ha);
          }
        offset += w + 1;
      }
      text += line + "\r\n";
      for (const std::string& m : more) text += m + "\r\n";
    }
  } catch (...) {
    G->ExportNotification(esExportDone, -1);
    save();
    throw;
  }
  G->ExportNotification(esExportDone, -1);
  save();
}

}  // namespace

void TDedAdararAdoz::SaveToASCII(const std::string& FileName, bool Unicode) {
  WriteASCII(this, FileName, false, Unicode);
}

void TDedAdararAdoz::AppendToASCII(const std::string& FileName, bool Unicode) {
  WriteASCII(this, FileName, true, Unicode);
}

// ---------------------------------------------------------------------------
// Fixed width

void TDedAdararAdoz::SaveToFixed(const std::string& FileName, TIntList* Positions) {
  const gridio::TExportColumns cols = gridio::ExportColumns(this, true);
  for (int k = 0; k < cols.Count(); ++k)
    if (k >= Positions->Count()) Positions->Add(MaxColumnTextLength(cols.Real[static_cast<size_t>(k)]) + 1);
  std::string text;
  ExportNotification(esExportStart, SaveStartRow());
  std::string t;
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    for (int k = 0; k < cols.Count(); ++k) {
      t.clear();
      SaveCell(cols.Real[static_cast<size_t>(k)], r, t);
      // A record holds one line: a line break in a cell becomes a blank.
      std::string flat;
      for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') continue;
        flat += t[i] == '\r' || t[i] == '\n' ? ' ' : t[i];
      }
      const int w = std::max(0, Positions->Items(k));
      flat = CharSlice(flat, 0, w);
      const int len = Utf8Length(flat);
      if (len < w) flat.append(static_cast<size_t>(w - len), ' ');
      text += flat;
    }
    text += "\r\n";
  }
  ExportNotification(esExportDone, -1);
  try {
    SafeWriteFile(FileName, EncodeText(text, teAnsi, false));
  } catch (const Exception&) {
    throw EDivUzevError("Cannot Create file " + FileName);
  }
}

void TDedAdararAdoz::LoadFromFixed(const std::string& FileName, TIntList* Positions, bool DoTrim,
                                   int MaxRows) {
  TMemoryStream file;
  try {
    file.LoadFromFile(FileName);
  } catch (const Exception&) {
    throw EDivUzevError("File " + FileName + " not found");
  }
  std::vector<int> pos;
  for (int i = 0; i < Positions->Count(); ++i) pos.push_back(Positions->Items(i));
  std::sort(pos.begin(), pos.end());
  for (int i = 0; i < static_cast<int>(pos.size()); ++i) Positions->SetItems(i, pos[static_cast<size_t>(i)]);
  SetColCount(std::max(1, FixedCols() + static_cast<int>(pos.size()) - 1));
  std::string buffer;
  const std::vector<std::string_view> lines = TextLines(gridio::AsUtf8(file.Bytes(), buffer));
  int r = SaveStartRow();
  int n = 1;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (r >= RowCount()) SetRowCount(r + 1);
    int c = SaveStartCol();
    for (size_t k = 1; k < pos.size(); ++k) {
      std::string field = CharSlice(lines[i], std::max(0, pos[k - 1] - 1), pos[k] - pos[k - 1]);
      if (DoTrim) field = Trim(field);
      if (c < ColCount()) LoadCell(RealColIndex(c), r, field);
      ++c;
    }
    ++n;
    if (MaxRows != -1 && n > MaxRows) break;
    if (r + 1 >= RowCount() && i + 1 < lines.size()) SetRowCount(r + 2);
    ++r;
  }
  CellsChanged(TRect(0, 0, ColCount(), RowCount()));
  CalcAllFooters();
}
