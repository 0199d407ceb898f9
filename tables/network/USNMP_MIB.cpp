#include "tables/network/USNMP_MIB.h"

#include <cctype>
#include <set>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/ULumetraFirmWare.h"
#include "app/UProject_File.h"
#include "app/USoftOptions.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Dialogs.h"
#include "framework/os/Files.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"
#include "framework/xml/XmlDom.h"

std::vector<bool> MIB_Read_Is_Int;
std::vector<bool> MIB_Write_Is_Int;

namespace {
std::string Text(int Id) { return Lang_Table->Strings(Id); }
// The maker's contact lines (the address the PROFIBUS GSD file gives, in
// ASCII, as module strings must be) and private enterprise number (the one
// reserved for documentation).
const char* const Contact_Street = "Via dell'Industria 12";
const char* const Contact_Town = "47122 Forli (FC)";
const char* const Contact_Country = "Italy";
const char* const Contact_Mail_Domain = "korvel.com";
const char* const Enterprise_Number = "32473";

constexpr int Text_Not_Read = 2287;
constexpr int Text_Not_Written = 2288;

constexpr int Text_Overwrite = 1105;

// Names the module defines or imports itself.
const std::set<std::string> Module_Names = {
    "identity", "korvel",   "gateway",     "application", "data",      "hellostring",
    "countin",  "countout", "bufferin",    "bufferinval", "bufferout", "bufferoutval",
    "traps",    "trapsval", "enterprises", "iso",         "ccitt"};
// Families of generated names: the prefix followed by a number.
const char* const Generated_Families[] = {"bufferinval", "bufferoutval", "trapval", "bufferinblk",
                                          "bufferoutblk"};

std::string Lower(const std::string& S) {
  std::string r = S;
  for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return r;
}

bool Is_Generated_Name(const std::string& Name) {
  for (const char* family : Generated_Families) {
    const std::string prefix = family;
    if (Name.size() <= prefix.size() || Name.compare(0, prefix.size(), prefix) != 0) continue;
    bool digits = true;
    for (std::size_t i = prefix.size(); i < Name.size(); ++i)
      if (!std::isdigit(static_cast<unsigned char>(Name[i]))) digits = false;
    if (digits) return true;
  }
  return false;
}

bool Is_Descriptor(const std::string& Name) {
  if (Name.empty() || Name.size() > 64 || Name[0] < 'a' || Name[0] > 'z') return false;
  for (char c : Name)
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return true;
}

// The object names of one list: the description where it is a free
// descriptor, else Family followed by the entry's number.
std::vector<std::string> Object_Names(const TStringList& Descriptions, const char* Family,
                                      std::set<std::string>& Taken) {
  std::vector<std::string> names;
  for (int i = 0; i < Descriptions.Count(); ++i) {
    const std::string& d = Descriptions.Strings(i);
    const std::string key = Lower(d);
    if (Is_Descriptor(d) && !Module_Names.count(key) && !Is_Generated_Name(key) && !Taken.count(key)) {
      Taken.insert(key);
      names.push_back(d);
    } else {
      names.push_back(Family + std::to_string(i + 1));
    }
  }
  return names;
}

// A description as the text of a DESCRIPTION string.
std::string Quoted_Text(const std::string& S) {
  std::string r;
  for (std::size_t i = 0; i < S.size();) {
    const unsigned char c = static_cast<unsigned char>(S[i]);
    if (c >= 0x80) {
      // One character of UTF-8, whatever its length.
      std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
      while (n > 1 && i + 1 < S.size() && (static_cast<unsigned char>(S[i + 1]) & 0xC0) == 0x80) {
        ++i;
        --n;
      }
      r += '?';
    } else if (c == '"') {
      r += '\'';
    } else if (c < 0x20 || c == 0x7F) {
      r += ' ';
    } else {
      r += static_cast<char>(c);
    }
    ++i;
  }
  return r;
}

void Load_Section(const TXMLNode& Root, const char* Section, TStringList& Descriptions,
                  std::vector<bool>& Is_Int) {
  const TXMLNode section = Root.FindNode(Section);
  if (!section) throw Exception(std::string("the section \"") + Section + "\" is missing");
  for (TXMLNode row = section.ChildCount() > 0 ? section.ChildNodes(0) : TXMLNode(); row;
       row = row.NextSibling()) {
    if (row.NodeType() != ntElement) continue;
    if (UpperCase(row.AttributeValue("Enable").value_or("")) != "Y") continue;
    Is_Int.push_back(UpperCase(row.AttributeValue("Type").value_or("")) == "INT");
    Descriptions.Add(row.AttributeValue("Description").value_or(""));
  }
}

void Clear_Objects() {
  MIB_Read_Desc->Clear();
  MIB_Write_Desc->Clear();
  MIB_Read_Is_Int.clear();
  MIB_Write_Is_Int.clear();
}

std::string Syntax(bool Is_Int) { return Is_Int ? "SYNTAX INTEGER" : "SYNTAX OCTET STRING"; }
}  // namespace

void Load_SNMP_MIB_Objects() {
  Clear_Objects();
  try {
    if (!Project_File_Present(Path_SNMP_Trap)) return;
    TXMLDocument doc;
    const TXMLNode root = Load_Project_File(doc, Path_SNMP_Trap);
    Load_Section(root, "SNMP_Trap_Read", *MIB_Read_Desc, MIB_Read_Is_Int);
    Load_Section(root, "SNMP_Trap_Write", *MIB_Write_Desc, MIB_Write_Is_Int);
  } catch (const Exception& e) {
    // Half the objects would describe the agent wrongly.
    Clear_Objects();
    throw Exception("\"" + Path_SNMP_Trap + "\": " + e.Message());
  }
}

std::vector<std::string> SNMP_MIB_Lines() {
  std::vector<std::string> l = {
      "GATEWAY DEFINITIONS ::= BEGIN",
      "IMPORTS",
      "       MODULE-IDENTITY,OBJECT-TYPE,NOTIFICATION-TYPE,enterprises",
      "         FROM SNMPv2-SMI",
      "         DisplayString, TimeStamp",
      "         FROM SNMPv2-TC;",
      "",
      "identity MODULE-IDENTITY",
      "    LAST-UPDATED \"201701310000Z\"",
      std::string("    ORGANIZATION \"") + Maker_Web_Domain + "\"",
      "    CONTACT-INFO",
      std::string("\t \"") + Contact_Street,
      std::string("    ") + Contact_Town,
      std::string("    ") + Contact_Country,
      std::string("    email:    ") + Contact_Mail_Domain + "\"",
      "    DESCRIPTION",
      "\t\"MIB objects for agent module \"",
      "    REVISION     \"201701310000Z\"",
      "    DESCRIPTION",
      "\t\"Corrected notification \"",
      "    REVISION     \"200202060000Z\"",
      "    DESCRIPTION",
      "\t\"First draft\"",
      "    ::= { korvel 2 }",
      std::string("korvel          OBJECT IDENTIFIER ::= { enterprises ") + Enterprise_Number + " }",
      "gateway OBJECT IDENTIFIER::= { korvel 1 }",
      "application OBJECT IDENTIFIER::= { gateway 1 }",
      "data OBJECT IDENTIFIER::= { application 1 }",
      "hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" "
      "::= "
      "{ data 1}",
      "countin  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" ::= "
      "{ "
      "data 2}",
      "countout  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-write STATUS current  DESCRIPTION \"\" ::= "
      "{ "
      "data 3}",
      "bufferin OBJECT IDENTIFIER::= { data 4 }",
  };
  auto blocks = [&l](const char* Name, const char* Access) {
    for (int k = 1; k <= 8; ++k) {
      const std::string n = std::to_string(k);
      l.push_back(std::string(Name) + "blk" + n + " OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS " + Access +
                  " STATUS current DESCRIPTION \"data block n." + n + "\" ::= { " + Name + " " + n + " }");
    }
    l.push_back(std::string(" ") + Name + "val OBJECT IDENTIFIER::= { " + Name + " 9 }");
  };
  auto objects = [&l](const std::vector<std::string>& Names, const TStringList& Descriptions,
                      const std::vector<bool>& Is_Int, const char* Access, const char* Parent) {
    for (std::size_t i = 0; i < Names.size(); ++i)
      l.push_back(Names[i] + " OBJECT-TYPE " + Syntax(Is_Int[i]) + " MAX-ACCESS " + Access +
                  " STATUS current DESCRIPTION \"" + Quoted_Text(Descriptions.Strings(static_cast<int>(i))) +
                  "\" ::= { " + Parent + " " + std::to_string(i + 1) + " }");
  };

  std::set<std::string> taken;
  const std::vector<std::string> read_names = Object_Names(*MIB_Read_Desc, "bufferinval", taken);
  const std::vector<std::string> write_names = Object_Names(*MIB_Write_Desc, "bufferoutval", taken);

  blocks("bufferin", "read-only");
  objects(read_names, *MIB_Read_Desc, MIB_Read_Is_Int, "read-only", "bufferinval");
  l.push_back("bufferout OBJECT IDENTIFIER::= { data 5 }");
  blocks("bufferout", "read-write");
  objects(write_names, *MIB_Write_Desc, MIB_Write_Is_Int, "read-write", "bufferoutval");

  l.push_back("traps OBJECT IDENTIFIER::= { application 2 }");
  l.push_back(" trapsval OBJECT IDENTIFIER::= { traps 1 }");
  // A notification carries the value of its read object.
  for (std::size_t i = 0; i < read_names.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    l.push_back("trapval" + n + " NOTIFICATION-TYPE OBJECTS { " + read_names[i] +
                " } STATUS current DESCRIPTION \"" +
                Quoted_Text(MIB_Read_Desc->Strings(static_cast<int>(i))) + "\" ::= { trapsval " + n + " }");
  }
  l.push_back("END");
  return l;
}

void Write_SNMP_MIB_File(const std::string& File_Name) {
  TStringList lines;
  for (const std::string& line : SNMP_MIB_Lines()) lines.Add(line);
  lines.SaveToFile(File_Name, teAnsi);
}

void Create_SNMP_MIB(TSaveDialog& SaveMIB) {
  SaveMIB.SetInitialDir(Project_Dir);
  if (!SaveMIB.Execute()) return;
  const std::string file = SaveMIB.FileName();
  if (FileExists(file) &&
      MessageDlg(Lang_Table->Strings(Text_Overwrite), mtConfirmation, {mbYes, mbNo}, 0) != mrYes)
    return;
  try {
    Load_SNMP_MIB_Objects();
  } catch (const Exception& e) {
    MessageDlg(Text(Text_Not_Read) + e.Message(), mtError, {mbOK}, 0);
    return;
  }
  try {
    Write_SNMP_MIB_File(file);
  } catch (const Exception& e) {
    MessageDlg(Text(Text_Not_Written) + e.Message(), mtError, {mbOK}, 0);
  }
}

void Create_SNMP_MIB() {
  if (FLumetraFirmWare != nullptr && FLumetraFirmWare->SaveMIB != nullptr)
    Create_SNMP_MIB(*FLumetraFirmWare->SaveMIB);
}
