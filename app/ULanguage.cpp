#include "app/ULanguage.h"

#include "app/UComon.h"
#include "app/ULanguage_Texts.h"
#include "framework/classes/StringList.h"
#include "framework/os/Files.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/TextEncoding.h"
#include "grid/model/DivUzev.h"

namespace {
TStringList Lang_Table_List;

constexpr int Table_Size = 2800;
constexpr int First_Table_Id = 1800;
const char* const Blank_Text = " ";
// The guard character that keeps blanks at the ends of a text.
const char* const Guard = "\xC2\xB6";

// Appends the texts of ids From to To - 1; ids without a text of their own
// hold a blank.
void Append_Default_Texts(int From, int To) {
  int k = 0;
  while (k < Default_Texts_Count && Default_Texts[k].Id < From) ++k;
  for (int id = From; id < To; ++id) {
    if (k < Default_Texts_Count && Default_Texts[k].Id == id) {
      Lang_Table_List.Add(Default_Texts[k].Text);
      ++k;
    } else {
      Lang_Table_List.Add(Blank_Text);
    }
  }
}

// The id and text a language file line sets, or false when the line sets none.
bool Parse_Language_Line(const std::string& Raw, int& Id, std::string& Text) {
  std::string line = Trim(Raw);
  if (line.rfind("STR", 0) != 0) return false;
  int eq = Pos("=", line);
  if (eq < 0) return false;
  // The character just before "=" is the format's blank and is not part of
  // the id, whatever it is.
  int id_len = eq - 1 - 3;
  if (id_len <= 0) return false;
  int id = 0;
  if (!TryStrToInt(Trim(std::string_view(line).substr(3, id_len)), id)) return false;
  if (id < 0 || id >= Lang_Table_Size) return false;
  std::string text = Trim(std::string_view(line).substr(eq + 1));
  if (text.empty()) return false;
  int remark = Pos("/#/", text);
  if (remark >= 0) {
    text = Trim(std::string_view(text).substr(0, remark));
    if (text.empty()) return false;
  }
  if (text.rfind(Guard, 0) == 0) text.erase(0, 2);
  int guard = Pos(Guard, text);
  if (guard >= 0) text.resize(guard);
  Id = id;
  Text = text;
  return true;
}
}  // namespace

TStringList* const Lang_Table = &Lang_Table_List;
int Lang_Table_Size = 0;

void Load_Default_Language() {
  Lang_Table_List.Clear();
  Lang_Table_List.SetCapacity(Table_Size);
  Append_Default_Texts(0, First_Table_Id);
  Load_Default_Language_Tables();
  Lang_Table_Size = Table_Size;
}

void Load_Default_Language_Tables() { Append_Default_Texts(First_Table_Id, Table_Size); }

void Load_Language_File(const std::string& FileName) {
  std::string bytes;
  if (!ReadFileBytes(FileName, bytes)) return;
  // A byte-order mark decides; without one, text that is valid UTF-8 is
  // UTF-8 (today's editors save so), anything else the ANSI code page.
  TTextEncoding encoding = DetectTextEncoding(bytes);
  if (encoding == teAnsi && IsValidUtf8(bytes)) encoding = teUtf8;
  TStringList lines;
  lines.SetText(DecodeTextAs(bytes, encoding));
  for (int i = 0; i < lines.Count(); ++i) {
    int id = 0;
    std::string text;
    if (Parse_Language_Line(lines.Strings(i), id, text) && id < Lang_Table_List.Count())
      Lang_Table_List.SetStrings(id, text);
  }
}

namespace {
// The grid's own message that the table translates.
constexpr int Text_Grid_Paste_Refused = 1127;

void Load_Chosen_Language_File() {
  std::string file = Find_Installed_File("LANGUAGE", Language_Dir, Language_Name + ".lng");
  if (FileExists(file)) {
    Load_Language_File(file);
    return;
  }
  Language_Name = "English";
  std::string english = Find_Installed_File("LANGUAGE", Language_Dir, "English.lng");
  if (FileExists(english)) Load_Language_File(english);
}
}  // namespace

void Set_Language() {
  Load_Default_Language();
  Load_Chosen_Language_File();
  SetGridPasteRefusedText(Lang_Table_List.Strings(Text_Grid_Paste_Refused));
}
