#pragma once
// The PROFIBUS DP device description (GSD revision 5) of the PROFIBUS slave
// sibling converter, order code DV30402: a modular slave whose input and
// output data are cut into 64-byte modules. The two byte counts come from
// the project's communication parameters (ParGen.xml); everything else in
// the file is fixed.
//
// The file is written in Windows-1252 with CR LF after every line, through
// the safe writer.
#include <string>

class TStrings;

// The byte counts read by Create_GSD_File: GSD_NB_Out is what the slave
// sends (the master's input), GSD_NB_In what it receives.
extern int GSD_NB_In;
extern int GSD_NB_Out;
// The most bytes the slave sends or receives, as the communication
// parameters' check allows.
constexpr int GSD_Max_Bytes = 244;

// The step: reads the counts from Path_ParGen (text 1104 when it is
// missing), asks for the file name in the project folder (".gsd" added when
// the name does not end in it, in any case), asks before replacing an
// existing file (text 1103) and writes it. A ParGen.xml that is there but
// cannot be read, or holds a count past GSD_Max_Bytes, is reported and
// nothing is written; a file that cannot be written raises Exception.
void Create_GSD_File();

// Reads PROFINET_NB_IN and PROFINET_NB_OUT of ParGen.xml's root element into
// the counts; a missing element or one that is no number gives 0. Raises
// Exception for a file that cannot be read and for a count outside 0 to
// GSD_Max_Bytes (texts 477 and 478).
void Read_GSD_Counts(const std::string& ParGen_Path);

// The lines of the file for the current counts.
void Build_GSD_Lines(TStrings& Lines);

// Writes the file for the current counts under FileName, asking nothing.
void Write_GSD_File(const std::string& FileName);
