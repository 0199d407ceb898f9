// The print settings file: the grid's page layout in one section of an INI
// file, written and read back whole by the in-memory INI object (other
// sections and keys of the file stay as they were).
#include <memory>
#include <string>
#include <string_view>

#include "framework/classes/IniFiles.h"
#include "framework/classes/StringList.h"
#include "grid/model/DivUzev.h"

namespace {

std::string Flag(bool Value) { return Value ? "Y" : "N"; }

// Style bits: 1 bold, 2 italic, 4 underline, 8 strike-out.
int StyleBits(TFontStyles Style) {
  int bits = 0;
  if (Style.Contains(fsBold)) bits |= 1;
  if (Style.Contains(fsItalic)) bits |= 2;
  if (Style.Contains(fsUnderline)) bits |= 4;
  if (Style.Contains(fsStrikeOut)) bits |= 8;
  return bits;
}

TFontStyles StyleOfBits(int Bits) {
  TFontStyles s;
  if (Bits & 1) s << fsBold;
  if (Bits & 2) s << fsItalic;
  if (Bits & 4) s << fsUnderline;
  if (Bits & 8) s << fsStrikeOut;
  return s;
}

// The title lines as one value: every line followed by backslash-n. A
// backslash of the text is doubled, so a title holding a literal "\n" comes
// back as it was instead of split there.
std::string EncodeTitleLines(TStrings* Lines) {
  std::string out;
  for (int i = 0; i < Lines->Count(); ++i) {
    for (char c : Lines->Strings(i)) {
      if (c == '\\')
        out += "\\\\";
      else if (c != '\n' && c != '\r')
        out += c;
    }
    out += "\\n";
  }
  return out;
}

// Backslash-n ends a line, a doubled backslash is one; any other backslash
// stays as it is (files written before backslashes were doubled).
void DecodeTitleLines(std::string_view Value, TStrings* Lines) {
  Lines->Clear();
  std::string line;
  bool open = false;
  for (size_t i = 0; i < Value.size(); ++i) {
    const char c = Value[i];
    if (c == '\\' && i + 1 < Value.size() && (Value[i + 1] == 'n' || Value[i + 1] == '\\')) {
      if (Value[i + 1] == 'n') {
        Lines->Add(line);
        line.clear();
        open = false;
      } else {
        line += '\\';
        open = true;
      }
      ++i;
      continue;
    }
    line += c;
    open = true;
  }
  if (open) Lines->Add(line);
}

void WriteFont(TMemIniFile& Ini, const std::string& Section, const std::string& Prefix, TFont* Font) {
  Ini.WriteString(Section, Prefix + "Name", Font->Name());
  Ini.WriteInteger(Section, Prefix + "Size", Font->Size());
  Ini.WriteInteger(Section, Prefix + "Style", StyleBits(Font->Style()));
  Ini.WriteInteger(Section, Prefix + "Color", static_cast<int>(Font->Color()));
}

// The stored style replaces the font's styles: a bold font saved and read
// into an italic one ends bold, as it was saved.
void ReadFont(TMemIniFile& Ini, const std::string& Section, const std::string& Prefix, TFont* Font) {
  const std::string name = Ini.ReadString(Section, Prefix + "Name", "Arial");
  const int size = Ini.ReadInteger(Section, Prefix + "Size", 10);
  const int style = Ini.ReadInteger(Section, Prefix + "Style", 0);
  const int color = Ini.ReadInteger(Section, Prefix + "Color", 0);
  if (!name.empty()) Font->SetName(name);
  Font->SetSize(size);
  Font->SetStyle(StyleOfBits(style));
  Font->SetColor(static_cast<TColor>(color));
}

// A value outside the enumeration leaves the setting as it was.
template <class E>
void ReadOrdinal(TMemIniFile& Ini, const std::string& Section, const std::string& Key, E Max,
                 void (TPrintSettings::*Set)(const E&), TPrintSettings* P) {
  const int v = Ini.ReadInteger(Section, Key, 0);
  if (v >= 0 && v <= static_cast<int>(Max)) (P->*Set)(static_cast<E>(v));
}

}  // namespace

void TDedAdararAdoz::SavePrintSettings(const std::string& Key, const std::string& Section) {
  TPrintSettings* p = FPrintSettings.get();
  TMemIniFile ini(Key);
  const std::string& s = Section;
  ini.WriteInteger(s, "ColumnSpacing", p->ColumnSpacing());
  ini.WriteInteger(s, "RowSpacing", p->RowSpacing());
  ini.WriteInteger(s, "TitleSpacing", p->TitleSpacing());
  ini.WriteInteger(s, "FixedHeight", p->FixedHeight());
  ini.WriteInteger(s, "FixedWidth", p->FixedWidth());
  ini.WriteString(s, "Centered", Flag(p->Centered()));
  ini.WriteString(s, "NoAutoSize", Flag(p->NoAutoSize()));
  ini.WriteString(s, "UseFixedHeight", Flag(p->UseFixedHeight()));
  ini.WriteString(s, "UseFixedWidth", Flag(p->UseFixedWidth()));
  ini.WriteString(s, "RepeatFixedRows", Flag(p->RepeatFixedRows()));
  ini.WriteString(s, "RepeatFixedCols", Flag(p->RepeatFixedCols()));
  ini.WriteString(s, "UseDisplFont", Flag(p->UseDisplayFont()));
  ini.WriteString(s, "UseDefOrientation", Flag(p->UseDefaultOrientation()));
  ini.WriteInteger(s, "Borders", p->Borders());
  ini.WriteInteger(s, "BorderColor", static_cast<int>(p->BorderColor()));
  ini.WriteInteger(s, "BorderStyle", p->BorderStyle());
  ini.WriteInteger(s, "Date", p->Date());
  ini.WriteInteger(s, "PageNr", p->PageNr());
  ini.WriteInteger(s, "Title", p->Title());
  ini.WriteInteger(s, "Time", p->Time());
  ini.WriteString(s, "DateFormat", p->DateFormat());
  ini.WriteString(s, "TitleText", p->TitleText());
  ini.WriteInteger(s, "FooterSize", p->FooterSize());
  ini.WriteInteger(s, "HeaderSize", p->HeaderSize());
  ini.WriteInteger(s, "LeftSize", p->LeftSize());
  ini.WriteInteger(s, "RightSize", p->RightSize());
  ini.WriteInteger(s, "FitToPage", p->FitToPage());
  WriteFont(ini, s, "Font", p->Font());
  WriteFont(ini, s, "HeaderFont", p->HeaderFont());
  WriteFont(ini, s, "FooterFont", p->FooterFont());
  ini.WriteString(s, "PageNumSep", p->PageNumSep());
  ini.WriteString(s, "PageSuffix", p->PageSuffix());
  ini.WriteString(s, "PagePrefix", p->PagePrefix());
  ini.WriteInteger(s, "Orientation", p->Orientation());
  ini.WriteString(s, "TitleLines", EncodeTitleLines(p->TitleLines()));
  ini.WriteString(s, "PrintGraphics", Flag(p->PrintGraphics()));
  ini.UpdateFile();
}

void TDedAdararAdoz::LoadPrintSettings(const std::string& Key, const std::string& Section) {
  TPrintSettings* p = FPrintSettings.get();
  TMemIniFile ini(Key);
  const std::string& s = Section;
  auto flag = [&](const char* Name, const char* Default) { return ini.ReadString(s, Name, Default) == "Y"; };
  p->SetColumnSpacing(ini.ReadInteger(s, "ColumnSpacing", 20));
  p->SetRowSpacing(ini.ReadInteger(s, "RowSpacing", 20));
  p->SetTitleSpacing(ini.ReadInteger(s, "TitleSpacing", 20));
  p->SetFixedHeight(ini.ReadInteger(s, "FixedHeight", 0));
  p->SetFixedWidth(ini.ReadInteger(s, "FixedWidth", 0));
  p->SetCentered(flag("Centered", "Y"));
  p->SetNoAutoSize(flag("NoAutoSize", "N"));
  p->SetUseFixedHeight(flag("UseFixedHeight", "N"));
  p->SetUseFixedWidth(flag("UseFixedWidth", "N"));
  p->SetRepeatFixedRows(flag("RepeatFixedRows", "N"));
  p->SetRepeatFixedCols(flag("RepeatFixedCols", "N"));
  p->SetUseDisplayFont(flag("UseDisplFont", "N"));
  p->SetUseDefaultOrientation(flag("UseDefOrientation", "N"));
  p->SetDateFormat(ini.ReadString(s, "DateFormat", ""));
  p->SetTitleText(ini.ReadString(s, "TitleText", ""));
  p->SetFooterSize(ini.ReadInteger(s, "FooterSize", 100));
  p->SetHeaderSize(ini.ReadInteger(s, "HeaderSize", 100));
  p->SetLeftSize(ini.ReadInteger(s, "LeftSize", 100));
  p->SetRightSize(ini.ReadInteger(s, "RightSize", 100));
  p->SetPageNumSep(ini.ReadString(s, "PageNumSep", ""));
  p->SetPageSuffix(ini.ReadString(s, "PageSuffix", ""));
  p->SetPagePrefix(ini.ReadString(s, "PagePrefix", ""));
  p->SetPrintGraphics(flag("PrintGraphics", "N"));
  // Every pen style the file can hold is read back, also the two the
  // writer gives beyond psInsideFrame.
  ReadOrdinal(ini, s, "Borders", pbCustom, &TPrintSettings::SetBorders, p);
  ReadOrdinal(ini, s, "BorderStyle", psAlternate, &TPrintSettings::SetBorderStyle, p);
  p->SetBorderColor(static_cast<TColor>(ini.ReadInteger(s, "BorderColor", 0)));
  auto position = [&](const char* Name) {
    const int v = ini.ReadInteger(s, Name, 0);
    return v >= ppNone && v <= ppBottomCenter ? static_cast<TPrintPosition>(v) : ppNone;
  };
  p->SetDate(position("Date"));
  p->SetPageNr(position("PageNr"));
  p->SetTitle(position("Title"));
  p->SetTime(position("Time"));
  ReadOrdinal(ini, s, "FitToPage", fpCustom, &TPrintSettings::SetFitToPage, p);
  ReadFont(ini, s, "Font", p->Font());
  ReadFont(ini, s, "HeaderFont", p->HeaderFont());
  ReadFont(ini, s, "FooterFont", p->FooterFont());
  DecodeTitleLines(ini.ReadString(s, "TitleLines", ""), p->TitleLines());
  ReadOrdinal(ini, s, "Orientation", poLandscape, &TPrintSettings::SetOrientation, p);
  ini.UpdateFile();
}
