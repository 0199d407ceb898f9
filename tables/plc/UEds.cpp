#include "tables/plc/UEds.h"

#include <algorithm>
#include <optional>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UProject_File.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Dialogs.h"
#include "framework/os/Files.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"
#include "framework/xml/XmlDom.h"

const char* const EDS_File_Name = "S7comm_CANopen.eds";
const char* const EDS_Product_Name = "S7comm / CANopen - Converter";
const char* const EDS_Product_Number = "407";
const char* const EDS_Order_Code = "DV30407";

std::array<PDO_Entry, EDS_Max_PDO> Receive_PDO_Table;
std::array<PDO_Entry, EDS_Max_PDO> Transmit_PDO_Table;
int Nr_Of_RX_PDO = 0;
int Nr_Of_TX_PDO = 0;
int RX_PDO_In_File = 0;
int TX_PDO_In_File = 0;
std::vector<SDO_Index> SDO_Indexes;

namespace {
// The variables the PDO data objects map, by PDO number - 1.
const char* const RPDO_Var_Names[EDS_Max_PDO] = {"b",  "c",  "d",  "e",  "f",  "g",  "h",  "j",  "k",  "i",
                                                 "aa", "ab", "ac", "ad", "ae", "af", "ag", "ah", "ai", "al",
                                                 "am", "an", "ao", "ap", "aq", "ar", "as", "at", "au", "av"};
const char* const TPDO_Var_Names[EDS_Max_PDO] = {"l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",
                                                 "ca", "cb", "cc", "cd", "ce", "cf", "cg", "ch", "ci", "cl",
                                                 "cm", "cn", "co", "cp", "cq", "cr", "cs", "ct", "cu", "cv"};

constexpr int Text_File_Exists = 1103;

constexpr int Text_Not_Read = 1118;
constexpr int Text_Not_Read_2 = 1119;
constexpr int Text_PDO_Left_Out = 1120;
constexpr int Text_PDO_Left_Out_2 = 1121;
constexpr int Text_PDO_Left_Out_3 = 1122;
// The PDO editor's range of a Dimension: a PDO maps at most 8 bytes.
constexpr int Text_Bad_Dimension = 1123;
constexpr int PDO_Max_Dimension = 8;

std::string Text(int Id) { return Lang_Table->Strings(Id); }

[[noreturn]] void Not_Read(const std::string& Path, const std::string& Reason) {
  throw Exception(Text(Text_Not_Read) + NativePath(Path) + Text(Text_Not_Read_2) + Reason);
}

std::string Hex(long long Value, int Digits) { return IntToHex(static_cast<std::int32_t>(Value), Digits); }
std::string Dec(long long Value) { return std::to_string(Value); }
// Sub-indexes in section names: upper-case hexadecimal without leading zeros.
std::string Sub_Name(const std::string& Section, int Sub) { return Section + "sub" + Hex(Sub, 1); }

// Every reader of a project file takes it the same way; this one says why
// it could not in its own words.
TXMLNode Root_Of(TXMLDocument& Doc, const std::string& Path) {
  return Load_Project_File(Doc, Path, Not_Read);
}
bool Present(const std::string& Path) { return Project_File_Present(Path, Not_Read); }

TXMLNode Section_Of(const TXMLNode& Root, const char* Name, const std::string& Path) {
  TXMLNode section = Root.FindNode(Name);
  if (!section) Not_Read(Path, std::string("the section \"") + Name + "\" is missing");
  return section;
}

std::string Attribute_Of(const TXMLNode& Row, const char* Name, const char* Section, int Row_Number,
                         const std::string& Path) {
  std::optional<std::string> value;
  if (Row.NodeType() == ntElement) value = Row.AttributeValue(Name);
  if (!value)
    Not_Read(Path, std::string("row ") + Dec(Row_Number) + " of \"" + Section + "\" has no attribute \"" +
                       Name + "\"");
  return *value;
}

// Reads a section's PDOs, the first 30 of them into Table; answers how many
// the section holds.
int Read_PDO_Section(const TXMLNode& Root, const char* Name, std::array<PDO_Entry, EDS_Max_PDO>& Table,
                     int& Used, const std::string& Path) {
  const TXMLNode section = Section_Of(Root, Name, Path);
  int count = 0;
  for (TXMLNode row = section.ChildCount() > 0 ? section.ChildNodes(0) : TXMLNode(); row;
       row = row.NextSibling(), ++count) {
    if (count >= EDS_Max_PDO) continue;
    PDO_Entry& entry = Table[static_cast<std::size_t>(count)];
    entry.COB_ID = Text_To_Int(Attribute_Of(row, "COB-ID", Name, count + 1, Path), 0);
    const std::string dimension = Attribute_Of(row, "Dimension", Name, count + 1, Path);
    entry.Dimension = Text_To_Int(dimension, 8);
    // A hand-made Dimension of 300 wrote an invalid file as success, and at
    // the integer limit D + 1 overflowed and the loops ran 2^31 times.
    if (entry.Dimension < 1 || entry.Dimension > PDO_Max_Dimension)
      Not_Read(Path, std::string("row ") + Dec(count + 1) + " of \"" + Name + "\"" +
                         Text(Text_Bad_Dimension) + "\"" + dimension + "\"");
  }
  Used = std::min(count, EDS_Max_PDO);
  return count;
}

int SDO_Number(const TXMLNode& Row, const char* Name, int Max, const char* Section, int Row_Number,
               const std::string& Path) {
  const std::string text = Attribute_Of(Row, Name, Section, Row_Number, Path);
  const int value = Text_To_Int(text, -1);
  if (value < 0 || value > Max)
    Not_Read(Path, std::string("row ") + Dec(Row_Number) + " of \"" + Section + "\" has the " + Name + " \"" +
                       text + "\", which is no number from 0 to " + Dec(Max));
  return value;
}

void Read_SDO_Section(const TXMLNode& Root, const char* Name, bool Readonly, const std::string& Path) {
  const TXMLNode section = Section_Of(Root, Name, Path);
  int number = 1;
  for (TXMLNode row = section.ChildCount() > 0 ? section.ChildNodes(0) : TXMLNode(); row;
       row = row.NextSibling(), ++number) {
    const int index = SDO_Number(row, "Index", 0xFFFF, Name, number, Path);
    SDO_Sub_Type sub;
    sub.Sub = static_cast<std::uint8_t>(SDO_Number(row, "SubIndex", 0xFF, Name, number, Path));
    sub.Quantity = static_cast<std::uint8_t>(SDO_Number(row, "NByte", 0xFF, Name, number, Path));
    sub.Readonly = Readonly;
    const int position = Find_SDO_Index(index);
    if (position < 0)
      SDO_Indexes.push_back({static_cast<std::uint16_t>(index), {sub}});
    else
      SDO_Indexes[static_cast<std::size_t>(position)].Sub_Indexs.push_back(sub);
  }
}

// ---------------------------------------------------------------------------
// Blocks of the file.

void Variable(TStrings& L, const std::string& Section, const std::string& Name, const std::string& Type,
              const std::string& Access, const std::optional<std::string>& Default, int PDO_Mapping = 0) {
  L.Add("[" + Section + "]");
  L.Add("ParameterName=" + Name);
  L.Add("ObjectType=0x07");
  L.Add("DataType=" + Type);
  L.Add("AccessType=" + Access);
  if (Default) L.Add("DefaultValue=" + *Default);
  L.Add("PDOMapping=" + Dec(PDO_Mapping));
  L.Add("");
}

void Header(TStrings& L, const std::string& Section, int SubNumber, const std::string& Name,
            const std::string& Type) {
  L.Add("[" + Section + "]");
  L.Add("SubNumber=" + Dec(SubNumber));
  L.Add("ParameterName=" + Name);
  L.Add("ObjectType=" + Type);
  L.Add("");
}

void Add_Lines(TStrings& L, std::initializer_list<std::string> Lines) {
  for (const std::string& line : Lines) L.Add(line);
  L.Add("");
}

void File_Info(TStrings& L, const std::string& Date, const std::string& Time) {
  const std::string maker = Maker_Company_Name;
  Add_Lines(L, {"[FileInfo]", std::string("FileName=") + EDS_File_Name, "FileVersion=1", "FileRevision=0",
                "EDSVersion=4.0", std::string("Description=") + EDS_Product_Name, "CreationTime=" + Time,
                "CreationDate=" + Date, "CreatedBy=" + maker, "ModificationTime=" + Time,
                "ModificationDate=" + Date, "ModifiedBy=" + maker});
}

void Device_Info(TStrings& L) {
  Add_Lines(L, {"[DeviceInfo]",
                std::string("VendorName=") + Maker_Company_Name,
                "VendorNumber=0x00",
                std::string("ProductName=") + EDS_Product_Name,
                std::string("ProductNumber=") + EDS_Product_Number,
                "RevisionNumber=0x0",
                std::string("OrderCode=") + EDS_Order_Code,
                "BaudRate_10=1",
                "BaudRate_20=1",
                "BaudRate_50=1",
                "BaudRate_125=1",
                "BaudRate_250=1",
                "BaudRate_500=1",
                "BaudRate_800=0",
                "BaudRate_1000=1",
                "DynamicChannelsSupported=0",
                "GroupMessaging=0",
                "LSS_Supported=0",
                "Granularity=0",
                "SimpleBootUpSlave=1",
                "SimpleBootUpMaster=0",
                "NrOfRXPDO=" + Dec(Nr_Of_RX_PDO),
                "NrOfTXPDO=" + Dec(Nr_Of_TX_PDO)});
}

void Object_Lists(TStrings& L) {
  Add_Lines(L, {"[Comments]", "Lines=0"});
  Add_Lines(L, {"[DummyUsage]", "Dummy0001=0", "Dummy0002=0", "Dummy0003=0", "Dummy0004=0", "Dummy0005=0",
                "Dummy0006=0", "Dummy0007=0"});
  Add_Lines(L, {"[MandatoryObjects]", "SupportedObjects=3", "1=0x1000", "2=0x1001", "3=0x1018"});

  L.Add("[OptionalObjects]");
  L.Add("SupportedObjects=" + Dec(8 + 3 * Nr_Of_RX_PDO + 3 * Nr_Of_TX_PDO));
  int k = 0;
  for (int object : {0x1005, 0x1006, 0x1008, 0x1014, 0x1016, 0x1017, 0x1029, 0x1280})
    L.Add(Dec(++k) + "=0x" + Hex(object, 4));
  const struct {
    int Base;
    int Count;
  } runs[] = {{0x1400, Nr_Of_RX_PDO}, {0x1600, Nr_Of_RX_PDO}, {0x1800, Nr_Of_TX_PDO},
              {0x1A00, Nr_Of_TX_PDO}, {0x7000, Nr_Of_RX_PDO}, {0x7050, Nr_Of_TX_PDO}};
  for (const auto& run : runs)
    for (int i = 0; i < run.Count; ++i) L.Add(Dec(++k) + "=0x" + Hex(run.Base + i, 4));
  L.Add("");

  L.Add("[ManufacturerObjects]");
  L.Add("SupportedObjects=" + Dec(static_cast<long long>(SDO_Indexes.size())));
  for (std::size_t i = 0; i < SDO_Indexes.size(); ++i)
    L.Add(Dec(static_cast<long long>(i) + 1) + "=0x" + Hex(SDO_Indexes[i].Index, 4));
  L.Add("");
}

void Fixed_Objects(TStrings& L) {
  const std::optional<std::string> none;
  Variable(L, "1000", "Device Type", "0x0007", "const", "0x000101A4");
  Variable(L, "1001", "Error Register", "0x0005", "ro", "0x00");
  Variable(L, "1005", "COB-ID SYNC", "0x0007", "rw", "0x80000080");
  Variable(L, "1006", "Communication Cycle Period", "0x0007", "rw", "0x00000000");
  Variable(L, "1008", "Manufacturer Device Name", "0x0009", "const", "s1");
  Variable(L, "1014", "COB-ID EMCY", "0x0007", "ro", "$NODEID+0x80");
  Header(L, "1016", 3, "Heartbeat Consumer Entries", "0x08");
  Variable(L, "1016sub0", "Number of Entries", "0x0005", "ro", "0x02");
  Variable(L, "1016sub1", "Consumer Heartbeat Time 1", "0x0007", "rw", "0x00000000");
  Variable(L, "1016sub2", "Consumer Heartbeat Time 2", "0x0007", "rw", "0x00000000");
  Variable(L, "1017", "Producer Heartbeat Time", "0x0006", "rw", "0x000003E8");
  Header(L, "1018", 5, "Identity Object", "0x09");
  Variable(L, "1018sub0", "number of entries", "0x0005", "ro", "0x4");
  Variable(L, "1018sub1", "Vendor Id", "0x0007", "ro", none);
  Variable(L, "1018sub2", "Product Code", "0x0007", "ro", none);
  Variable(L, "1018sub3", "Revision number", "0x0007", "ro", none);
  Variable(L, "1018sub4", "Serial number", "0x0007", "ro", none);
  Header(L, "1029", 2, "Error Behaviour", "0x08");
  Variable(L, "1029sub0", "Number of Entries", "0x0005", "ro", "1");
  Variable(L, "1029sub1", "Communication Error", "0x0005", "rw", "0x0");
  Header(L, "1280", 4, "Client SDO Parameter 1", "0x09");
  Variable(L, "1280sub0", "Number of Entries", "0x0005", "ro", "0x03");
  Variable(L, "1280sub1", "COB-ID Client -> Server", "0x0007", "rw", none);
  Variable(L, "1280sub2", "COB-ID Server -> Client", "0x0007", "rw", none);
  Variable(L, "1280sub3", "Node ID of the SDO Server", "0x0005", "rw", none);
}

void Communication_Parameters(TStrings& L, int Base, const char* Name, const PDO_Entry* Table, int Count) {
  for (int i = 0; i < Count; ++i) {
    const std::string s = Hex(Base + i, 4);
    Header(L, s, 4, std::string(Name) + Dec(i + 1), "0x09");
    Variable(L, s + "sub0", "Number of Entries", "0x0005", "ro", "0x03");
    Variable(L, s + "sub1", "COB-ID", "0x0007", "rw", "0x" + Hex(Table[i].COB_ID, 8));
    Variable(L, s + "sub2", "Transmission Type", "0x0005", "rw", "0xFE");
    Variable(L, s + "sub3", "Inhibit Time", "0x0006", "rw", "0x0");
  }
}

// Name_Number: whether the header's name carries the PDO number.
void Mapping_Parameters(TStrings& L, int Base, int Data_Base, const char* Name, bool Name_Number,
                        const PDO_Entry* Table, int Count) {
  for (int i = 0; i < Count; ++i) {
    const std::string s = Hex(Base + i, 4);
    const int d = Table[i].Dimension;
    Header(L, s, d + 1, Name_Number ? std::string(Name) + " " + Dec(i + 1) : std::string(Name), "0x09");
    Variable(L, s + "sub0", "Number of Entries", "0x0005", "ro", "0x" + Hex(d, 2));
    for (int j = 1; j <= d; ++j)
      Variable(L, Sub_Name(s, j), "Mapping Entry " + Dec(j), "0x0007", "ro",
               "0x" + Hex(Data_Base + i, 4) + Hex(j, 2) + "08");
  }
}

void PDO_Data(TStrings& L, int Base, const char* Name, const char* Sub0_Access, const char* const* Var_Names,
              const char* Access, const PDO_Entry* Table, int Count) {
  for (int i = 0; i < Count; ++i) {
    const std::string s = Hex(Base + i, 4);
    const int d = Table[i].Dimension;
    Header(L, s, d + 1, Name + Dec(i + 1), "0x08");
    Variable(L, s + "sub0", "Number of Entries", "0x0005", Sub0_Access, "0x" + Hex(d, 2));
    for (int j = 1; j <= d; ++j)
      Variable(L, Sub_Name(s, j), Var_Names[i] + Dec(j), "0x0005", Access, "0x00", 1);
  }
}

void Manufacturer_Objects(TStrings& L) {
  for (const SDO_Index& entry : SDO_Indexes) {
    const std::string s = Hex(entry.Index, 4);
    const int n = static_cast<int>(entry.Sub_Indexs.size());
    const bool has_sub0 = entry.Sub_Indexs.front().Sub == 0;
    Header(L, s, has_sub0 ? n : n + 1, "App Vars", "0x9");
    if (!has_sub0)
      Add_Lines(L, {"[" + s + "sub0]", "ParameterName=Largest Sub-Index supported", "ObjectType=0x7",
                    "DataType=0x0005", "AccessType=ro",
                    "DefaultValue=0x" + Hex(entry.Sub_Indexs.back().Sub, 2), "PDOMapping=0"});
    for (const SDO_Sub_Type& sub : entry.Sub_Indexs) {
      L.Add("[" + Sub_Name(s, sub.Sub) + "]");
      L.Add("ParameterName=Application Variable");
      L.Add("ObjectType=0x7");
      const int digits = sub.Quantity == 1 ? 2 : sub.Quantity == 2 ? 4 : 8;
      L.Add(sub.Quantity == 1   ? "DataType=0x0005"
            : sub.Quantity == 2 ? "DataType=0x0006"
                                : "DataType=0x0007");
      L.Add("LowLimit=0x" + std::string(static_cast<std::size_t>(digits), '0'));
      L.Add("HighLimit=0x" + std::string(static_cast<std::size_t>(digits), 'F'));
      L.Add("DefaultValue=0x" + std::string(static_cast<std::size_t>(digits), '0'));
      L.Add(sub.Readonly ? "AccessType=ro" : "AccessType=rw");
      L.Add("PDOMapping=0");
      L.Add("");
    }
  }
}

std::string Two_Digits(int Value) { return (Value < 10 ? "0" : "") + Dec(Value); }
}  // namespace

void Read_PDO_File() {
  Nr_Of_RX_PDO = 0;
  Nr_Of_TX_PDO = 0;
  RX_PDO_In_File = 0;
  TX_PDO_In_File = 0;
  if (!Present(Path_PDO_CANopen)) return;
  TXMLDocument doc;
  const TXMLNode root = Root_Of(doc, Path_PDO_CANopen);
  RX_PDO_In_File = Read_PDO_Section(root, "Receive_PDO", Receive_PDO_Table, Nr_Of_RX_PDO, Path_PDO_CANopen);
  TX_PDO_In_File = Read_PDO_Section(root, "Transmit_PDO", Transmit_PDO_Table, Nr_Of_TX_PDO, Path_PDO_CANopen);
}

void Read_SDO_Server_File() {
  if (!Present(Path_SDO_Server_CANopen)) return;
  TXMLDocument doc;
  const TXMLNode root = Root_Of(doc, Path_SDO_Server_CANopen);
  Read_SDO_Section(root, "SDO_Read", true, Path_SDO_Server_CANopen);
  Read_SDO_Section(root, "SDO_Write", false, Path_SDO_Server_CANopen);
}

int Find_SDO_Index(int Index) {
  for (std::size_t i = 0; i < SDO_Indexes.size(); ++i)
    if (SDO_Indexes[i].Index == Index) return static_cast<int>(i);
  return -1;
}

void Sort_SDO_Sub_Indexes() {
  for (SDO_Index& entry : SDO_Indexes)
    std::stable_sort(entry.Sub_Indexs.begin(), entry.Sub_Indexs.end(),
                     [](const SDO_Sub_Type& a, const SDO_Sub_Type& b) { return a.Sub < b.Sub; });
}

std::string EDS_Date_Text(TDateTime When) {
  int year = 0, month = 0, day = 0;
  DecodeDate(When, year, month, day);
  return Two_Digits(month) + "-" + Two_Digits(day) + "-" + Dec(year);
}

std::string EDS_Time_Text(TDateTime When) {
  int hour = 0, minute = 0, second = 0, msec = 0;
  DecodeTime(When, hour, minute, second, msec);
  const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
  return Two_Digits(hour12) + ":" + Two_Digits(minute) + (hour < 12 ? "AM" : "PM");
}

void Build_EDS_Lines(TStrings& L, TDateTime When) {
  File_Info(L, EDS_Date_Text(When), EDS_Time_Text(When));
  Device_Info(L);
  Object_Lists(L);
  Fixed_Objects(L);
  const PDO_Entry* rx = Receive_PDO_Table.data();
  const PDO_Entry* tx = Transmit_PDO_Table.data();
  Communication_Parameters(L, 0x1400, "Receive PDO Communication Parameter ", rx, Nr_Of_RX_PDO);
  Mapping_Parameters(L, 0x1600, 0x7000, "Receive PDO Mapping Parameter", false, rx, Nr_Of_RX_PDO);
  Communication_Parameters(L, 0x1800, "Transmit PDO Communication Parameter ", tx, Nr_Of_TX_PDO);
  Mapping_Parameters(L, 0x1A00, 0x7050, "Transmit PDO Mapping Parameter", true, tx, Nr_Of_TX_PDO);
  PDO_Data(L, 0x7000, "RPDO", "ro", RPDO_Var_Names, "rww", rx, Nr_Of_RX_PDO);
  PDO_Data(L, 0x7050, "TPDO", "rw", TPDO_Var_Names, "rwr", tx, Nr_Of_TX_PDO);
  Manufacturer_Objects(L);
  L.Add("");
}

void Write_EDS_File(const std::string& FileName) {
  SDO_Indexes.clear();
  Read_PDO_File();
  Read_SDO_Server_File();
  Sort_SDO_Sub_Indexes();
  TStringList EDS_Lines;
  Build_EDS_Lines(EDS_Lines, Now());

  if (RX_PDO_In_File > EDS_Max_PDO || TX_PDO_In_File > EDS_Max_PDO)
    MessageDlg(Text(Text_PDO_Left_Out) + Dec(RX_PDO_In_File) + Text(Text_PDO_Left_Out_2) +
                   Dec(TX_PDO_In_File) + Text(Text_PDO_Left_Out_3),
               mtWarning, {mbOK}, 0);
  // Replacing a file asks first, as every other writer of description files
  // does.
  if (FileExists(FileName) &&
      MessageDlg(Lang_Table->Strings(Text_File_Exists), mtConfirmation, {mbYes, mbNo}, 0) != mrYes)
    return;
  EDS_Lines.SaveToFile(FileName, teAnsi);
}
