#pragma once
// Shared state and helpers of the configurator: the open project and its
// folders, the folders beside the executable, the user's options and the
// settings file that keeps them, the per-project file paths, the row
// clipboard, and the small value routines every editor uses.
//
// Paths are built the way the configurator has always written them, with "\"
// between the parts, and go through NativePath once, so that on this platform
// they use "/".
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TStringList;
class TDedAdararAdoz;
class TTable_Grid_View;
class TXMLNode;
struct TMessage;

// Open project. Project_Dir is empty exactly while no project is open;
// Project_Name may then still hold the name of the last project, whose folder
// was missing at start-up, and is written back to the settings file.
extern std::string Project_Name;
extern std::string Project_Dir;

// Folders beside the executable. App_Dir is the executable's folder unless it
// was set before Init_App_Folders runs (tests point it at a scratch folder).
extern std::string App_Dir;
extern std::string Master_Dir;
extern std::string Projects_Dir;
extern std::string Language_Dir;

extern std::string Main_Caption;
extern std::string SW_Code;
extern std::string SW_Desc;

extern std::string Last_IP_Address;
extern int Update_Option_Index;
extern bool Update_Read_Back;
extern std::string Language_Name;

extern bool Opt_Enable_Internet;
extern bool Opt_Enable_Update;
extern bool Opt_Jump_Field_Tables;
extern bool Opt_Double_Click_Auto_Size;

// Per-project file paths, set by Set_Files from Project_Dir.
extern std::string Path_ParGen;
extern std::string Path_S7_Protocol;
extern std::string Path_KNX_SetAccess;
extern std::string Path_IEC61850_Variables;
extern std::string Path_TLS_Known_Cert;
extern std::string Path_CAN_Rec_Frames;
extern std::string Path_CAN_Send_Frames;
extern std::string Path_PDO_CANopen;
extern std::string Path_SDO_Client_CANopen;
extern std::string Path_SDO_Server_CANopen;
extern std::string Path_SNMP_Trap;
extern std::string Path_MQTT_Set_Topic;
extern std::string Path_BACnet_Slave;
extern std::string Path_OPC_UA_Server;

// Row clipboard shared by every table editor, and the description lists of
// the SNMP MIB writer. They live for the whole run.
extern TStringList* const Copied_Row;
extern std::vector<bool> Copied_Row_Check;
extern TStringList* const MIB_Read_Desc;
extern TStringList* const MIB_Write_Desc;

// Fixed values of this converter model.
extern const char* const SW_Code_Text;     // "CF30406"
extern const char* const SW_Desc_Text;     // "S7comm / CAN - Converter"
extern const char* const SW_Version_Text;  // "1.000"
extern const char* const Settings_File_Name;
extern const char* const Default_IP_Address;  // last device address before any update
// The external updater beside the executable (no ".exe" on this platform)
// and the script it reads.
extern const char* const Updater_Program_Name;  // "Ethernet_Update"
extern const char* const Updater_Script_Name;   // "Ethernet_Update.xml"
// The maker's company name, as the description files (GSD, EDS, MIB, EDE)
// name the vendor.
extern const char* const Maker_Company_Name;

// Joins a folder and a name with "\" and maps the result to this platform.
std::string Join_Path(std::string_view Dir, std::string_view Name);

// What an installation brings (the updater, the firmware image in MASTER,
// the language files in LANGUAGE) lies beside the executable, also when
// App_Dir has moved to the user's data folder because the executable's
// folder cannot be written; the data folder may hold such files as well.
//
// The folder Sub of the executable's folder ("" for that folder itself).
std::string Installed_Folder(std::string_view Sub);
// Name in Installed_Folder(Sub) when a file is there, else in Data_Folder
// (whether or not it is there).
std::string Find_Installed_File(std::string_view Sub, std::string_view Data_Folder, std::string_view Name);
// Installed_Folder(Sub), then Data_Folder when it is another folder.
std::vector<std::string> Installed_Folders(std::string_view Sub, const std::string& Data_Folder);
// The firmware image the updater sends, MASTER/Sim30406.sim.
extern const char* const Firmware_File_Name;  // "Sim30406.sim"
std::string Firmware_File();

// Sets App_Dir (when still empty) to the executable's folder, derives
// Master_Dir, Projects_Dir and Language_Dir and creates each one that is
// missing (one level; a failure is not reported here).
void Init_App_Folders();

// Sets SW_Code and SW_Desc to this model's texts.
void Init_SW_Identity();

// Sets the 14 per-project paths from Project_Dir.
void Set_Files();

// Removes what writes killed before their end left beside the settings file
// and, with a project open, beside each of its 14 files (the safe writer's
// temporary files); each file's next save does the same for it.
void Remove_Write_Leftovers();

// Reads App_Dir/Quorvane.xml into Project_Name, Last_IP_Address,
// Language_Name and the four options. A missing file, and a file that cannot
// be read or parsed, give the defaults (and clear Project_Dir); a missing
// element gives its own default. Returns false when the file existed but
// could not be read as XML.
bool Read_Setting();

// Writes the settings file from the globals through the safe writer; returns
// false (with the reason, when asked) when it could not be written, leaving
// the old file as it was.
bool Save_Setting(std::string* ErrorMessage = nullptr);

// The program's one integer reading of number cells, elements and octets:
// leading blanks, an optional sign, decimal digits or hexadecimal digits after
// "$", "x", "X", "0x" or "0X"; anything else, trailing blanks included, gives
// Default. Hexadecimal values use all 32 bits as a bit pattern.
int Text_To_Int(std::string_view Text, int Default);

// The text of Parent's child element Name; nothing when Parent is null, the
// element is missing or its text cannot be read, so that each value read
// from a file falls back on its own.
std::optional<std::string> Child_Text(const TXMLNode& Parent, const char* Name);

// The rows of a project table under Parent (a section, or the root): its
// child elements in document order, whatever their names. Comments, text
// and instructions between them are not rows. Empty for a null Parent.
std::vector<TXMLNode> Table_Rows(const TXMLNode& Parent);

// Row commands of the table grids, on the shared row clipboard. Each takes
// the row as the caller gives it (the grid's current row) and works on every
// data column, hidden ones included; column 0 keeps the row numbers.
//
// Column grids, whose data check boxes hold their state as cell text:
void Column_Grid_Delete_Row(int Row, TTable_Grid_View& Grid);
// Moves the rows from Row on down by one and empties Row (column 1 "Y" with
// Set_Enable). The last row drops off the table: when it is used, the user is
// asked first, and on No nothing changes and the answer is false.
bool Column_Grid_Insert_Row(int Row, TTable_Grid_View& Grid, bool Set_Enable);
void Column_Grid_Copy_Row(TTable_Grid_View& Grid, int Row);
// False when the paste was refused (nothing copied here, another column
// count, or No to overwriting a used row); the grid is then unchanged.
bool Column_Grid_Paste_Row(TTable_Grid_View& Grid, int Row, bool Copied_Here);
// True when a data column that is not a data check box holds a text that is
// not blank.
bool Column_Grid_Row_Used(const TTable_Grid_View& Grid, int Row);
//
// String grids whose check boxes hold a state of their own:
void Check_Grid_Delete_Row(int Row, TTable_Grid_View& Grid, bool Set_First_Box);
bool Check_Grid_Insert_Row(int Row, TTable_Grid_View& Grid, bool Set_First_Box);
void Check_Grid_Copy_Row(TTable_Grid_View& Grid, int Row);
bool Check_Grid_Paste_Row(TTable_Grid_View& Grid, int Row, bool Copied_Here);
// True when a cell without a check box holds a text, blanks included.
bool Check_Grid_Row_Used(const TTable_Grid_View& Grid, int Row);

// Grid events of the table editors (app/UComon_Grid.cpp).
// A double click on the header row fits that column to its content, when
// the user's option asks for it.
void Grid_Auto_Size_Column(TDedAdararAdoz* Grid, int Row, int Column);
// With the user's option on, Enter moves to the next column, from the last
// column to column 1 of the next row, from the last row back to row 1, and
// goes no further (Key := 0). Other keys pass unchanged.
void Grid_Enter_Next_Field(TDedAdararAdoz* Grid, char32_t& Key);

// Escape and the window's close box never throw away a form's unsaved edits
// without a word (the Cancel button does, as its hint says). A form passes
// every message through this first: when it is Escape or the close box and
// Changed() says something is unsaved, the user is asked; false means the
// user kept the form, and the message is consumed.
constexpr int Text_Discard_Changes = 1199;
bool Confirm_Close_Unsaved(TMessage& Message, const std::function<bool()>& Changed);

// Lead + Detail as one message: a detail that opens with the lead's own
// "Error!" word loses it, so the box does not say it twice.
std::string Error_Text(std::string_view Lead, std::string_view Detail);

// Value routines.
bool Split_IP_Address(std::string_view Text, std::string& Part1, std::string& Part2, std::string& Part3,
                      std::string& Part4);
// True on error.
bool IP_Address_To_Bytes(std::string_view Text, std::uint8_t& B1, std::uint8_t& B2, std::uint8_t& B3,
                         std::uint8_t& B4);
// The serial ports as their COM numbers ("1", "2", ...), ascending; owned by
// the caller. DevFolder is for tests.
std::unique_ptr<TStringList> Get_Com_Ports(const std::string& DevFolder = "/dev");
// 0 valid, 1 invalid.
int Check_KNX_Address(std::string_view Text, bool Is_Group, bool Allow_Zero);
bool Has_No_Dot(std::string_view Text);
char Get_Decimal_Separator();
bool Text_To_Float(std::string_view Text, char Separator, float& Value);
