#include "app/UComon.h"

#include "framework/classes/StringList.h"
#include "framework/os/Files.h"

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

std::string Join_Path(std::string_view Dir, std::string_view Name) {
  std::string path(Dir);
  path += '\\';
  path += Name;
  return NativePath(path);
}

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
