#include "tables/network/UBACnet_EDE_File.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UProject_File.h"
#include "framework/classes/StringList.h"
#include "framework/os/Files.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"
#include "framework/xml/XmlDom.h"

const char* const EDE_Author_Text = "www.korvel.com";

std::string EDE_Device_Instance;
bool EDE_Name_Limit = false;

namespace {
struct TObject_Type {
  const char* Name;
  int Code;
};

// The object types of the standard that the objects editor offers.
const std::array<TObject_Type, 18> Object_Types = {{
    {"ANALOG INPUT", 0},
    {"ANALOG OUT", 1},
    {"ANALOG VALUE", 2},
    {"BINARY INPUT", 3},
    {"BINARY OUT", 4},
    {"BINARY VALUE", 5},
    {"MULTI STATE INPUT", 13},
    {"MULTI STATE OUTPUT", 14},
    {"MULTI STATE VALUE", 19},
    {"LIFE SAFETY POINT", 21},
    {"LIFE SAFETY ZONE", 22},
    {"ACCUMULATOR", 23},
    {"ACCESS DOOR", 30},
    {"CHARACTERSTRING VALUE", 40},
    {"DATETIME VALUE", 44},
    {"INTEGER VALUE", 45},
    {"LARGE ANALOG VALUE", 46},
    {"POSITIVE INTEGER VALUE", 48},
}};

// One counter per entry of Object_Types.
std::array<int, Object_Types.size()> Instance_Counters{};

// The object list; it exists only while a file is built.
std::unique_ptr<std::vector<std::unique_ptr<TBACnet_EDE_Obj>>> Objects;

constexpr int Text_Not_Read = 1124;
constexpr int Text_Not_Read_2 = 1119;  // "\" could not be read: ", as for the EDS file

[[noreturn]] void Not_Read(const std::string& Path, const std::string& Reason) {
  throw Exception(Lang_Table->Strings(Text_Not_Read) + NativePath(Path) +
                  Lang_Table->Strings(Text_Not_Read_2) + Reason);
}

// Every reader of a project file takes it the same way; this one says why
// it could not in its own words.
TXMLNode Root_Of(TXMLDocument& Doc, const std::string& Path) {
  return Load_Project_File(Doc, Path, Not_Read);
}
bool Present(const std::string& Path) { return Project_File_Present(Path, Not_Read); }

std::string Attribute_Of(const TXMLNode& Row, const char* Name, const char* Section, int Row_Number,
                         const std::string& Path) {
  const std::optional<std::string> value = Row.AttributeValue(Name);
  if (!value)
    Not_Read(Path, std::string("row ") + std::to_string(Row_Number) + " of \"" + Section +
                       "\" has no attribute \"" + Name + "\"");
  return *value;
}

void Collect_Section(const TXMLNode& Root, const char* Name, const std::string& Path) {
  const TXMLNode section = Root.FindNode(Name);
  if (!section) Not_Read(Path, std::string("the section \"") + Name + "\" is missing");
  const int name_length = EDE_Name_Limit ? 32 : 16;
  int number = 0;
  for (TXMLNode row = section.ChildCount() > 0 ? section.ChildNodes(0) : TXMLNode(); row;
       row = row.NextSibling()) {
    // A comment among the rows is no object.
    if (row.NodeType() != ntElement) continue;
    ++number;
    const int code =
        BACnet_Object_Type_Code(UpperCase(Trim(Attribute_Of(row, "Data_Type", Name, number, Path))));
    const std::string unit = Attribute_Of(row, "Eng_Unit", Name, number, Path);
    const std::string mnemonic = Attribute_Of(row, "Mnemonic", Name, number, Path);
    auto object = std::make_unique<TBACnet_EDE_Obj>();
    object->DevObjInstance = EDE_Device_Instance;
    object->ObjectName = Utf8Copy(mnemonic, 0, name_length);
    object->ObjectType = std::to_string(code);
    object->ObjectInstance = std::to_string(Next_Object_Instance(code));
    object->Keyname = EDE_Device_Instance + "_" + mnemonic + "_" + object->ObjectInstance;
    object->Description = object->ObjectName;
    object->UnitCode = unit;
    Objects->push_back(std::move(object));
  }
}

std::string Two_Digits(int Value) { return (Value < 10 ? "0" : "") + std::to_string(Value); }

// Releases the object list however the build ends.
struct TObjects_Scope {
  TObjects_Scope() { Objects = std::make_unique<std::vector<std::unique_ptr<TBACnet_EDE_Obj>>>(); }
  ~TObjects_Scope() { Objects.reset(); }
  TObjects_Scope(const TObjects_Scope&) = delete;
  TObjects_Scope& operator=(const TObjects_Scope&) = delete;
};
}  // namespace

std::string EDE_Field(std::string_view Text) {
  if (Text.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(Text);
  std::string quoted = "\"";
  for (char c : Text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

void Create_EDE_File(const std::string& FileName) { Build_EDE_File(FileName); }

void Build_EDE_File(const std::string& FileName) {
  TObjects_Scope scope;
  Reset_EDE_Instance_Counters();
  Read_EDE_Device_Settings();
  Collect_EDE_Objects();
  Write_EDE_File(FileName);
}

void Reset_EDE_Instance_Counters() { Instance_Counters.fill(0); }

void Read_EDE_Device_Settings() {
  EDE_Device_Instance.clear();
  EDE_Name_Limit = false;
  if (!Present(Path_ParGen)) return;
  TXMLDocument doc;
  const TXMLNode root = Root_Of(doc, Path_ParGen);
  const int type = Text_To_Int(Child_Text(root, "BACnet_Type").value_or(""), 0);
  EDE_Device_Instance = Child_Text(root, type == 1 ? "BACnet_Ser_DEV_IDE" : "BACnet_DEV_IDE").value_or("");
  EDE_Name_Limit = Child_Text(root, "BACnet_Desc_Chars_Limit") == std::optional<std::string>("1");
}

void Collect_EDE_Objects() {
  if (!Objects) Objects = std::make_unique<std::vector<std::unique_ptr<TBACnet_EDE_Obj>>>();
  if (!Present(Path_BACnet_Slave)) return;
  TXMLDocument doc;
  const TXMLNode root = Root_Of(doc, Path_BACnet_Slave);
  Collect_Section(root, "BACnet_in_Read", Path_BACnet_Slave);
  Collect_Section(root, "BACnet_in_Write", Path_BACnet_Slave);
}

int BACnet_Object_Type_Code(std::string_view Name) {
  for (const TObject_Type& type : Object_Types)
    if (Name == type.Name) return type.Code;
  return 0;
}

int Next_Object_Instance(int Code) {
  for (std::size_t i = 0; i < Object_Types.size(); ++i)
    if (Object_Types[i].Code == Code) return Instance_Counters[i]++;
  return 0;
}

std::string EDE_Timestamp_Text() {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
  DecodeDateTime(Now(), year, month, day, hour, minute, second, msec);
  return Two_Digits(hour) + ":" + Two_Digits(minute) + ":" + Two_Digits(second) + " " + Two_Digits(day) +
         "/" + Two_Digits(month) + "/" + std::to_string(year);
}

std::string EDE_Project_Name_Part() { return std::string(); }

void Build_EDE_Lines(TStrings& Lines) {
  const std::string author = EDE_Author_Text;
  Lines.Add("PROJECT_NAME;" + EDE_Field(" " + author + "-" + EDE_Project_Name_Part() + "-" + Project_Name) +
            ";;;;;;");
  Lines.Add("VERSION_OF_REFERENCEFILE;1.0;;;;;;");
  Lines.Add("TIMESTAMP_OF_LAST_CHANGE;" + EDE_Timestamp_Text() + ";;;;;;");
  Lines.Add("AUTHOR_OF_LAST_CHANGE;" + EDE_Field(author) + ";;;;;;");
  Lines.Add("VERSION_OF_LAYOUT;2;;;;;;");
  Lines.Add("# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;");
  Lines.Add("# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;");
  if (!Objects) return;
  for (const auto& o : *Objects) {
    std::string line;
    for (const std::string* field : {&o->Keyname, &o->DevObjInstance, &o->ObjectName, &o->ObjectType,
                                     &o->ObjectInstance, &o->Description, &o->UnitCode})
      line += EDE_Field(*field) + ";";
    Lines.Add(line);
  }
}

void Write_EDE_File(const std::string& FileName) {
  TStringList lines;
  Build_EDE_Lines(lines);
  lines.SaveToFile(FileName, teAnsi);
}
