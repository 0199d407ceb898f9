#pragma once
// The SNMP MIB writer: an SMIv2 module that describes to an SNMP manager the
// objects and notifications of the SNMP agent converter, one object per
// enabled row of the read and of the write table of SNMP_Trap.xml and one
// notification per enabled read row. It works from the saved file, not from
// the editor's grids.
//
// The module is written as an ASCII text in the ANSI code page with CR LF
// after every line, through the safe writer, and is valid SMIv2:
// - the notifications name their object (a notification has no syntax);
// - a description names its object only when it is a descriptor that is
//   free in the module (a lower-case letter, then letters and digits, at
//   most 64 characters, no name of the module's own nor of its generated
//   families bufferinvalN, bufferoutvalN, trapvalN, bufferinblkN,
//   bufferoutblkN, and no name taken before, case ignored); any other row
//   gets the generated name, as an empty description does;
// - inside the DESCRIPTION strings a double quote becomes "'", a control
//   character a blank and a character beyond ASCII "?".
// Files written by the editor give the names the descriptions hold.
#include <string>
#include <vector>

class TSaveDialog;

// Entry i is true when entry i of MIB_Read_Desc (MIB_Write_Desc) comes from
// a row of type "INT". They grow with the lists, however many rows a file
// holds.
extern std::vector<bool> MIB_Read_Is_Int;
extern std::vector<bool> MIB_Write_Is_Int;

// Fills MIB_Read_Desc, MIB_Write_Desc and the two flag lists from
// Path_SNMP_Trap: the descriptions of the enabled rows (Enable, upper-cased,
// "Y") in file order. Without the file the lists stay empty. A file that
// cannot be read, or lacks a section, raises Exception with the reason; the
// lists are then empty.
void Load_SNMP_MIB_Objects();

// The lines of the module from the lists.
std::vector<std::string> SNMP_MIB_Lines();

// Writes the module to File_Name, replacing an existing file; raises
// Exception when it cannot be written, the old file then staying as it was.
void Write_SNMP_MIB_File(const std::string& File_Name);

// The step of the main window: asks for the file with SaveMIB (starting in
// the project's folder), asks before replacing an existing one, reads the
// project's SNMP tables and writes the module. Nothing is shown on success;
// a file that cannot be read or written is reported and nothing is written.
void Create_SNMP_MIB(TSaveDialog& SaveMIB);
// The same with the main window's SaveMIB.
void Create_SNMP_MIB();
