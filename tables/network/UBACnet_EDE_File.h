#pragma once
// The EDE file (engineering data exchange, layout version 2) of the
// BACnet-slave sibling converter: the semicolon-separated object list that
// BACnet engineering tools read. Seven head lines, then one line per object
// of the project's BACnet_Slave.xml, read table first. The device instance
// and the length of object names come from the project's ParGen.xml.
//
// Every line holds eight fields, seven ";" in all, the last ending the line.
// A field that holds ";", a line break or a double quote (which only a
// hand-made project file can bring: the objects editor refuses such a
// Mnemonic) is written between double quotes with its quotes doubled, so
// that it reads back as the one field it is.
//
// The file is written in Windows-1252 with CR LF after every line, through
// the safe writer.
#include <string>
#include <string_view>

#include "framework/classes/Classes.h"

class TStrings;

// One object line of the file, its fields in line order.
class TBACnet_EDE_Obj : public TObject {
 public:
  std::string Keyname;
  std::string DevObjInstance;
  std::string ObjectName;
  std::string ObjectType;
  std::string ObjectInstance;
  std::string Description;
  std::string UnitCode;
};

// The fixed text naming the configurator's maker in lines 1 and 4.
extern const char* const EDE_Author_Text;

// Read from ParGen.xml by every build: the device instance as its text, and
// whether object names keep 32 characters (else 16).
extern std::string EDE_Device_Instance;
extern bool EDE_Name_Limit;

// The main window's step gives the full file name (".csv" appended, the user
// asked before a file is replaced). A ParGen.xml or BACnet_Slave.xml that
// cannot be read, and a file that cannot be written, raise Exception, which
// names the file; nothing is written then, an older file staying as it was.
void Create_EDE_File(const std::string& FileName);
// The build: counters at 0, device settings, objects, the file; the object
// list is released in every case.
void Build_EDE_File(const std::string& FileName);

void Reset_EDE_Instance_Counters();
void Read_EDE_Device_Settings();
// Adds one object per row element of both sections of BACnet_Slave.xml to
// the list (nothing when the file is missing).
void Collect_EDE_Objects();
// The code of an object type name already trimmed and upper-cased ("ANALOG
// INPUT" 0, ... "POSITIVE INTEGER VALUE" 48); 0 for any other text.
int BACnet_Object_Type_Code(std::string_view Name);
// The next instance number of an object type, counted from 0 across both
// tables; 0 and no count for a code without a counter.
int Next_Object_Instance(int Code);
// The local date and time as HH:MM:SS DD/MM/YYYY.
std::string EDE_Timestamp_Text();
// What stands between the two hyphens of the project-name line: nothing.
std::string EDE_Project_Name_Part();
// The lines of the file for the objects collected so far.
void Build_EDE_Lines(TStrings& Lines);
void Write_EDE_File(const std::string& FileName);

// A field as the file holds it: unchanged, or quoted when it holds ";", a
// line break or a double quote.
std::string EDE_Field(std::string_view Text);
