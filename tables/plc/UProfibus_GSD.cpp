#include "tables/plc/UProfibus_GSD.h"

#include <cstdint>
#include <initializer_list>
#include <memory>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UProject_File.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Dialogs.h"
#include "framework/os/Files.h"
#include "framework/rtl/StrUtils.h"
#include "framework/xml/XmlDom.h"

int GSD_NB_In = 0;
int GSD_NB_Out = 0;

namespace {
constexpr int Text_File_Exists = 1103;
constexpr int Text_No_ParGen = 1104;
constexpr int Text_Bad_NB_In = 477;
constexpr int Text_Bad_NB_Out = 478;

const char* const Order_Code = "DV30402";
const char* const Function_Text = "S7 Protocol / PROFIBUS Slave - Converter";
constexpr int Box_Width = 85;
constexpr int Module_Size = 64;

// The maker's contact data under the vendor's name in the header box.
const char* const Contact_Lines[] = {
    "Via dell'Industria 12", "47122 Forl\xC3\xAC",   "FC - Italy",
    "Tel. +39 0543 000000",  "Fax  +39 0543 000001", "info@korvel.com",
};

std::string Repeat(char C, int Count) {
  return std::string(static_cast<std::size_t>(Count > 0 ? Count : 0), C);
}

// ";*" and the text, padded so that the closing "*" is the box's last
// character; the text is counted in characters, as the file holds them.
std::string Box_Text(const std::string& Text) {
  return ";*" + Text + Repeat(' ', Box_Width - 3 - Utf8Length(Text)) + "*";
}
std::string Box_Empty() { return Box_Text(""); }
std::string Box_Rule() { return ";* " + Repeat('=', Box_Width - 5) + " *"; }

void Add(TStrings& L, std::initializer_list<std::string> Lines) {
  for (const std::string& line : Lines) L.Add(line);
}

void Frame(TStrings& L, const std::string& Title, int Width) {
  const std::string rule = ";" + Repeat('=', Width - 1);
  std::string title = ";==== " + Title + " ";
  title += Repeat('=', Width - Utf8Length(title));
  Add(L, {rule, title, rule, ""});
}

// Modules of one kind, numbered on from First: full 64-byte ones, the last
// one holding the rest.
void Modules(TStrings& L, const char* Kind, const char* Kind_Byte, std::int64_t Bytes, std::int64_t Count,
             std::int64_t First) {
  for (std::int64_t m = 0; m < Count; ++m) {
    const std::int64_t number = First + m;
    const std::int64_t length = m + 1 < Count ? Module_Size : Bytes - Module_Size * (Count - 1);
    L.Add(std::string("Module=\"") + Kind + "  (PORT" + std::to_string(number) + ")    \" " + Kind_Byte +
          ",0x" + IntToHex(length - 1, 2) + ",0x00,0x" + IntToHex(number, 2));
    L.Add(std::to_string(number));
    L.Add("EndModule");
  }
}

std::int64_t Module_Count(int Bytes) { return Bytes > 0 ? (static_cast<std::int64_t>(Bytes) + 63) / 64 : 0; }

void Header_Box(TStrings& L) {
  Add(L, {";", ";******************* " + std::string(Function_Text) + " ***********************", Box_Rule(),
          Box_Empty()});
  L.Add(Box_Text(std::string(" Vendor:   ") + Maker_Company_Name));
  for (const char* line : Contact_Lines) L.Add(Box_Text(Repeat(' ', 11) + line));
  Add(L, {Box_Empty(), Box_Rule(), Box_Empty(), Box_Text(std::string(" Function:       ") + Function_Text),
          Box_Empty(), Box_Empty(), Box_Text(std::string(" Order Number : ") + Order_Code), Box_Empty(),
          Box_Empty(), ";" + Repeat('*', Box_Width - 1)});
  Add(L, {"", "", "#Profibus_DP", "", ""});
}

void Text_Lists(TStrings& L) {
  Frame(L, "Prm-Text-Def-List", 85);
  Add(L, {"PrmText=1", "Text(0)=\"disable\"", "Text(1)=\"enable\"", "EndPrmText", "", "PrmText  = 2",
          "Text(0)  = \"clock up\"", "Text(1)  = \"clock down\"", "EndPrmText", "", "PrmText  = 3",
          "Text(1)  = \"10\"", "Text(2)  = \"20\"", "Text(3)  = \"30\"", "Text(4)  = \"40\"",
          "Text(5)  = \"50\"", "EndPrmText", "", ""});

  Frame(L, "Ext-User-Prm-Data-Def-List", 86);
  const struct {
    const char* Definition;
    std::initializer_list<const char*> Lines;
  } definitions[] = {
      {"ExtUserPrmData=1 \"[SlotNumber]\"", {"Unsigned8 0 0-32"}},
      {"ExtUserPrmData=2 \"Diagnostic Alarm\"", {"Bit(0) 0 0-1", "Prm_Text_Ref=1"}},
      {"ExtUserPrmData=3 \"Process Alarm\"", {"Bit(1) 0 0-1", "Prm_Text_Ref=1"}},
      {"ExtUserPrmData=4 \"Counter mode\"", {"Unsigned8 0 0-1", "Prm_Text_Ref=2"}},
      {"ExtUserPrmData=5 \"Counter timebase (ms)\"", {"Unsigned8 1 1-5", "Prm_Text_Ref=3"}},
      {"ExtUserPrmData=6 \"Counter high-limit\"", {"Unsigned16 65535 0-65535"}},
      {"ExtUserPrmData=7 \"Counter low-limit\"", {"Unsigned16 0 0-65535"}},
  };
  for (const auto& d : definitions) {
    L.Add(d.Definition);
    for (const char* line : d.Lines) L.Add(line);
    Add(L, {"EndExtUserPrmData", ""});
  }
  L.Add("");
}

void Keywords(TStrings& L) {
  const std::string maker = Maker_Company_Name;
  Frame(L, "General DP Keywords", 86);
  Add(L, {"GSD_Revision = 5", "Vendor_Name = \"" + maker + "\"",
          "Model_Name = \"" + std::string(Order_Code) + "\"", "Revision = \"1.00\"", "Ident_Number = 0xC7D3",
          "Protocol_Ident = 0", "Station_Type = 0", "FMS_supp = 0", "Hardware_Release = \"V1.00\"",
          "Software_Release = \"V1.00\"", "Redundancy = 0", "Repeater_Ctrl_Sig = 2", "24V_Pins = 0", "", ""});

  Frame(L, "Supported baudrates", 79);
  Add(L, {"9.6_supp = 1",
          "19.2_supp = 1",
          "45.45_supp = 1",
          "93.75_supp = 1",
          "187.5_supp = 1",
          "500_supp = 1",
          "1.5M_supp = 1",
          "3M_supp = 1",
          "6M_supp = 1",
          "12M_supp = 1",
          "",
          "MaxTsdr_9.6=15",
          "MaxTsdr_19.2=15",
          "MaxTsdr_45.45=15",
          "MaxTsdr_93.75=15",
          "MaxTsdr_187.5=15",
          "MaxTsdr_500=15",
          "MaxTsdr_1.5M=20",
          "MaxTsdr_3M=35",
          "MaxTsdr_6M=50",
          "MaxTsdr_12M=95",
          "",
          ""});
}

void Slave_Values(TStrings& L, std::int64_t Modules_Total) {
  const std::string maker = Maker_Company_Name;
  Frame(L, "Slave specific values", 79);
  Add(L, {"OrderNumber=\"" + std::string(Order_Code) + "\"",
          "Slave_Family = 9@" + maker + "@" + Order_Code,
          "Implementation_Type = \"VPC3+\"",
          "Info_Text=\"" + maker + ": " + Function_Text + "\"",
          "Bitmap_Device = \"DPV0_1N\"",
          "Bitmap_SF=\"DPV0_1S\"",
          "",
          "Freeze_Mode_supp=1",
          "Sync_Mode_supp=1",
          "Fail_Safe=1",
          "Auto_Baud_supp=1",
          "Set_Slave_Add_supp=0",
          "",
          "Min_Slave_Intervall=6",
          "",
          "Modular_Station=1",
          "Max_Module=" + std::to_string(Modules_Total),
          "Modul_Offset=1",
          "Max_Input_Len=" + std::to_string(GSD_NB_Out),
          "Max_Output_Len=" + std::to_string(GSD_NB_In),
          "Max_Data_Len=" + std::to_string(static_cast<std::int64_t>(GSD_NB_Out) + GSD_NB_In),
          "Max_Diag_Data_Len=15",
          "",
          "WD_Base_1ms_supp = 1",
          "Publisher_supp = 1",
          ""});

  Frame(L, "User-Prm-Data", 79);
  Add(L, {"Max_User_Prm_Data_Len = 12", "Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00", ""});

  Frame(L, "Modulstatus", 79);
  Add(L,
      {"Unit_Diag_Area = 24 - 25", "Value(1)= \"Slot 1: Module error\"", "Value(2)= \"Slot 1: Wrong module\"",
       "Value(3)= \"Slot 1: No module\"", "Unit_Diag_Area_End", "Unit_Diag_Area = 26 - 27",
       "Value(1)= \"Slot 2: Module error\"", "Value(2)= \"Slot 2: Wrong module\"",
       "Value(3)= \"Slot 2: No module\"", "Unit_Diag_Area_End", "", ""});
}

bool Ends_In_Gsd(const std::string& Name) {
  return Name.size() >= 4 && UpperCase(Name.substr(Name.size() - 4)) == ".GSD";
}

std::string Text(int Id) { return Lang_Table->Strings(Id); }
}  // namespace

void Read_GSD_Counts(const std::string& ParGen_Path) {
  TXMLDocument doc;
  // The root element, as every reader of a project file takes it: a
  // declaration before it no longer reads as counts of 0.
  const TXMLNode root = Load_Project_File(doc, ParGen_Path);
  GSD_NB_In = Text_To_Int(Child_Text(root, "PROFINET_NB_IN").value_or(""), 0);
  GSD_NB_Out = Text_To_Int(Child_Text(root, "PROFINET_NB_OUT").value_or(""), 0);
  // The communication parameters' own range of the byte counts; a hand-made
  // count past it described a slave that cannot exist.
  if (GSD_NB_In < 0 || GSD_NB_In > GSD_Max_Bytes) throw Exception(Text(Text_Bad_NB_In));
  if (GSD_NB_Out < 0 || GSD_NB_Out > GSD_Max_Bytes) throw Exception(Text(Text_Bad_NB_Out));
}

void Build_GSD_Lines(TStrings& L) {
  // Counts read from a hand-made file may be huge: no sum may overflow.
  const std::int64_t inputs = Module_Count(GSD_NB_Out);
  const std::int64_t outputs = Module_Count(GSD_NB_In);
  Header_Box(L);
  Text_Lists(L);
  Keywords(L);
  Slave_Values(L, inputs + outputs);
  Frame(L, "Module-Definition-List", 79);
  Modules(L, "DI", "0x42", GSD_NB_Out, inputs, 1);
  Modules(L, "DO", "0x82", GSD_NB_In, outputs, inputs + 1);
  Add(L, {"", "", "", "SlotDefinition"});
  for (std::int64_t k = 1; k <= inputs + outputs; ++k) {
    const std::string n = std::to_string(k);
    L.Add("Slot(" + n + ") = \"Slot " + n + "\" " + n + " " + n);
  }
  Add(L, {"EndSlotDefinition", "", "", "", ""});
}

void Write_GSD_File(const std::string& FileName) {
  TStringList lines;
  Build_GSD_Lines(lines);
  lines.SaveToFile(FileName, teAnsi);
}

void Create_GSD_File() {
  try {
    if (!Project_File_Present(Path_ParGen)) {
      MessageDlg(Text(Text_No_ParGen), mtError, {mbOK}, 0);
      return;
    }
    Read_GSD_Counts(Path_ParGen);
  } catch (const Exception& e) {
    // A ParGen.xml that cannot be read, or counts past the slave's, write
    // no file.
    MessageDlg(e.Message(), mtError, {mbOK}, 0);
    return;
  }
  const auto dialog = std::make_unique<TSaveDialog>(nullptr);
  dialog->SetInitialDir(Project_Dir);
  dialog->SetFilter("Generic Station Description (*.gsd)|*.gsd");
  if (!dialog->Execute()) return;
  std::string name = dialog->FileName();
  if (!Ends_In_Gsd(name)) name += ".gsd";
  if (FileExists(name) && MessageDlg(Text(Text_File_Exists), mtConfirmation, {mbYes, mbNo}, 0) != mrYes)
    return;
  Write_GSD_File(name);
}
