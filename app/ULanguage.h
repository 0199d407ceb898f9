#pragma once
// The UI text table: every caption, hint, column header and message of the
// configurator's forms is read from it by id. It holds the built-in English
// texts of all ids; the language file of the chosen language replaces any of
// them.
//
// Language file LANGUAGE/<language>.lng: one text per line, written
//   STR<id> = <text>
// Lines that do not begin with STR are ignored, so blank lines and remarks
// need no marker. "/#/" starts a remark inside a text. Blanks around a text
// are dropped; a "¶" at its start or end keeps the blanks beside it. The file
// is decoded by its byte-order mark; without one it is UTF-8 when it is valid
// UTF-8, else Windows-1252.
#include <string>

class TStringList;

// The table, indexed by id (0 to Lang_Table_Size - 1). Reading an id outside
// the table raises the list's index error.
extern TStringList* const Lang_Table;
// Number of ids: 2800 once the built-in texts are loaded, 0 before.
extern int Lang_Table_Size;

// Refills the table with the built-in English texts: ids 0 to 1799 here, the
// rest through Load_Default_Language_Tables.
void Load_Default_Language();
void Load_Default_Language_Tables();
// Overlays the table from a language file; lines that do not fit the format
// are skipped. A file that cannot be read changes nothing.
void Load_Language_File(const std::string& FileName);
// Rebuilds the table for Language_Name: the built-in texts, then its language
// file; when that file is missing, Language_Name becomes "English" and
// English.lng, when present, is applied. A language file is looked for in the
// LANGUAGE folder beside the executable first, then in Language_Dir.
void Set_Language();
