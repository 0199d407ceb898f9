#include "app/UComon.h"

#include <optional>

#include "framework/classes/StringList.h"
#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/SysUtils.h"
#include "framework/xml/XmlDom.h"

std::string Project_Name;
std::string Project_Dir;
std::string App_Dir;
std::string Master_Dir;
std::string Projects_Dir;
std::string Language_Dir;
std::string Main_Caption;
std::string SW_Code;
std::string SW_Desc;
std::string Last_IP_Address;
int Update_Option_Index = 0;
bool Update_Read_Back = false;
std::string Language_Name;
bool Opt_Enable_Internet = false;
bool Opt_Enable_Update = false;
bool Opt_Jump_Field_Tables = false;
bool Opt_Double_Click_Auto_Size = false;

std::string Path_ParGen;
std::string Path_S7_Protocol;
std::string Path_KNX_SetAccess;
std::string Path_IEC61850_Variables;
std::string Path_TLS_Known_Cert;
std::string Path_CAN_Rec_Frames;
std::string Path_CAN_Send_Frames;
std::string Path_PDO_CANopen;
std::string Path_SDO_Client_CANopen;
std::string Path_SDO_Server_CANopen;
std::string Path_SNMP_Trap;
std::string Path_MQTT_Set_Topic;
std::string Path_BACnet_Slave;
std::string Path_OPC_UA_Server;

namespace {
TStringList Copied_Row_List;
TStringList MIB_Read_Desc_List;
TStringList MIB_Write_Desc_List;
}  // namespace

TStringList* const Copied_Row = &Copied_Row_List;
std::vector<bool> Copied_Row_Check;
TStringList* const MIB_Read_Desc = &MIB_Read_Desc_List;
TStringList* const MIB_Write_Desc = &MIB_Write_Desc_List;

const char* const SW_Code_Text = "CF30406";
const char* const SW_Desc_Text = "S7comm / CAN - Converter";
const char* const SW_Version_Text = "1.000";
const char* const Settings_File_Name = "Quorvane.xml";
const char* const Default_IP_Address = "192.168.2.205";
const char* const Updater_Program_Name = "Ethernet_Update";
const char* const Updater_Script_Name = "Ethernet_Update.xml";
const char* const Firmware_File_Name = "Sim30406.sim";
const char* const Maker_Company_Name = "Korvel";

std::string Join_Path(std::string_view Dir, std::string_view Name) {
  std::string path(Dir);
  path += '\\';
  path += Name;
  return NativePath(path);
}

std::string Installed_Folder(std::string_view Sub) {
  const std::string exe = ExeDir();
  return Sub.empty() ? exe : Join_Path(exe, Sub);
}

std::string Find_Installed_File(std::string_view Sub, std::string_view Data_Folder, std::string_view Name) {
  const std::string installed = Join_Path(Installed_Folder(Sub), Name);
  return FileExists(installed) ? installed : Join_Path(Data_Folder, Name);
}

std::vector<std::string> Installed_Folders(std::string_view Sub, const std::string& Data_Folder) {
  std::vector<std::string> folders{Installed_Folder(Sub)};
  if (NativePath(Data_Folder) != folders.front()) folders.push_back(NativePath(Data_Folder));
  return folders;
}

std::string Firmware_File() { return Find_Installed_File("MASTER", Master_Dir, Firmware_File_Name); }

void Init_App_Folders() {
  if (App_Dir.empty()) App_Dir = ExeDir();
  Master_Dir = Join_Path(App_Dir, "MASTER");
  Projects_Dir = Join_Path(App_Dir, "PROJECTS");
  Language_Dir = Join_Path(App_Dir, "LANGUAGE");
  for (const std::string* dir : {&Master_Dir, &Projects_Dir, &Language_Dir})
    if (!DirectoryExists(*dir)) CreateDir(*dir);
}

void Init_SW_Identity() {
  SW_Code = SW_Code_Text;
  SW_Desc = SW_Desc_Text;
}

void Set_Files() {
  Path_ParGen = Join_Path(Project_Dir, "ParGen.xml");
  Path_S7_Protocol = Join_Path(Project_Dir, "S7_Protocol.xml");
  Path_KNX_SetAccess = Join_Path(Project_Dir, "KNX_SetAccess.xml");
  Path_IEC61850_Variables = Join_Path(Project_Dir, "IEC61850_Variables.xml");
  Path_TLS_Known_Cert = Join_Path(Project_Dir, "TLS_Known_Cert.xml");
  Path_CAN_Rec_Frames = Join_Path(Project_Dir, "CAN_Rec_Frames.xml");
  Path_CAN_Send_Frames = Join_Path(Project_Dir, "CAN_Send_Frames.xml");
  Path_PDO_CANopen = Join_Path(Project_Dir, "PDO_CANopen.xml");
  Path_SDO_Client_CANopen = Join_Path(Project_Dir, "SDO_Client_CANopen.xml");
  Path_SDO_Server_CANopen = Join_Path(Project_Dir, "SDO_Server_CANopen.xml");
  Path_SNMP_Trap = Join_Path(Project_Dir, "SNMP_Trap.xml");
  Path_MQTT_Set_Topic = Join_Path(Project_Dir, "MQTT_Set_Topic.xml");
  Path_BACnet_Slave = Join_Path(Project_Dir, "BACnet_Slave.xml");
  Path_OPC_UA_Server = Join_Path(Project_Dir, "OPC_UA_Server.xml");
}

void Remove_Write_Leftovers() {
  RemoveSafeWriteLeftovers(Join_Path(App_Dir, Settings_File_Name));
  if (Project_Dir.empty()) return;
  for (const std::string* path :
       {&Path_ParGen, &Path_S7_Protocol, &Path_KNX_SetAccess, &Path_IEC61850_Variables, &Path_TLS_Known_Cert,
        &Path_CAN_Rec_Frames, &Path_CAN_Send_Frames, &Path_PDO_CANopen, &Path_SDO_Client_CANopen,
        &Path_SDO_Server_CANopen, &Path_SNMP_Trap, &Path_MQTT_Set_Topic, &Path_BACnet_Slave,
        &Path_OPC_UA_Server})
    RemoveSafeWriteLeftovers(*path);
}

namespace {
void Setting_Defaults() {
  Project_Name.clear();
  Project_Dir.clear();
  Last_IP_Address = Default_IP_Address;
  Language_Name = "English";
  Opt_Enable_Internet = false;
  Opt_Enable_Update = false;
  Opt_Jump_Field_Tables = false;
  Opt_Double_Click_Auto_Size = false;
}

TXMLNode Child(const TXMLNode& Parent, const char* Name) {
  try {
    return Parent.FindNode(Name);
  } catch (const Exception&) {
    return TXMLNode();
  }
}

bool Flag(const std::optional<std::string>& Text) { return Text && *Text == "1"; }

void Add_Value(TXMLNode Parent, const char* Name, const std::string& Value) {
  Parent.AddChild(Name).SetText(Value);
}
}  // namespace

std::optional<std::string> Child_Text(const TXMLNode& Parent, const char* Name) {
  try {
    TXMLNode node = Parent.FindNode(Name);
    if (!node) return std::nullopt;
    return node.Text();
  } catch (const Exception&) {
    return std::nullopt;
  }
}

std::vector<TXMLNode> Table_Rows(const TXMLNode& Parent) {
  std::vector<TXMLNode> rows;
  if (!Parent || Parent.ChildCount() == 0) return rows;
  // By sibling: looking each node up by index would walk the list each time.
  for (TXMLNode node = Parent.ChildNodes(0); node; node = node.NextSibling())
    if (node.NodeType() == ntElement) rows.push_back(node);
  return rows;
}

bool Read_Setting() {
  const std::string file = Join_Path(App_Dir, Settings_File_Name);
  if (!FileExists(file)) {
    Setting_Defaults();
    return true;
  }
  TXMLDocument doc;
  try {
    doc.LoadFromFile(file);
  } catch (const Exception&) {
    // A damaged settings file must not stop the program: start as on a first run.
    Setting_Defaults();
    return false;
  }
  const TXMLNode root = doc.ChildCount() > 0 ? doc.ChildNodes(0) : TXMLNode();
  Project_Name = Child_Text(Child(root, "lastproj"), "projectname").value_or("");
  Last_IP_Address = Child_Text(Child(root, "lastipadd"), "ipaddress").value_or(Default_IP_Address);
  Language_Name = Child_Text(Child(root, "lastlang"), "language").value_or("English");
  const TXMLNode options = Child(root, "lastinternet");
  Opt_Enable_Internet = Flag(Child_Text(options, "enable_internet"));
  Opt_Enable_Update = Flag(Child_Text(options, "enable_update"));
  Opt_Jump_Field_Tables = Flag(Child_Text(options, "enable_jump_field_tables"));
  Opt_Double_Click_Auto_Size = Flag(Child_Text(options, "Double_Click_Auto_Size"));
  return true;
}

bool Save_Setting(std::string* ErrorMessage) {
  TXMLDocument doc;
  TXMLNode root = doc.AddChild("Conf_Settings");
  Add_Value(root.AddChild("lastproj"), "projectname", Project_Name);
  Add_Value(root.AddChild("lastipadd"), "ipaddress", Last_IP_Address);
  Add_Value(root.AddChild("lastlang"), "language", Language_Name);
  TXMLNode options = root.AddChild("lastinternet");
  Add_Value(options, "enable_internet", Opt_Enable_Internet ? "1" : "0");
  Add_Value(options, "enable_update", Opt_Enable_Update ? "1" : "0");
  Add_Value(options, "enable_jump_field_tables", Opt_Jump_Field_Tables ? "1" : "0");
  Add_Value(options, "Double_Click_Auto_Size", Opt_Double_Click_Auto_Size ? "1" : "0");
  try {
    doc.SaveToFile(Join_Path(App_Dir, Settings_File_Name));
  } catch (const Exception& e) {
    if (ErrorMessage) *ErrorMessage = e.Message();
    return false;
  }
  return true;
}
