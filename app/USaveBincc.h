#pragma once
// The device image compiler: turns the project's ParGen.xml, CAN_Rec_Frames.xml,
// CAN_Send_Frames.xml and S7_Protocol.xml into bank1.bin (the 2048-byte
// parameter block) and bank2.bin (the CAN frame table and the S7 access
// table), and writes both into the project's bin folder.
//
// It needs no window: Update_Device runs Compile_Configuration and then
// Save_Bank_Files, and goes on to the update only when the save succeeded.
//
// Every image is laid out field by field with explicit little-endian writes;
// no structure is ever copied as memory.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

constexpr int Par_Gen_Block_Size = 2048;
constexpr int CAN_Frame_Entry_Size = 32;
constexpr int S7_Access_Entry_Size = 28;
constexpr int CAN_Frame_Table_Entries = 1024;
constexpr int S7_Access_Table_Entries = 1024;
constexpr int Bank_Image_Capacity = 131072;
// Where the converter finds its two tables once bank2.bin is loaded.
constexpr std::uint32_t CAN_Table_Device_Address = 0x80000;
constexpr std::uint32_t S7_Table_Device_Address = 0x88000;

// The communication parameters the configurator sets. The block holds many
// more fields shared with the sibling converters; those keep fixed values and
// are laid out by Write_Parameter_Block at their places.
struct TPar_Gen_Block {
  std::uint32_t CAN_Bit_Rate = 0;
  std::uint32_t CAN_Bit_Rate_Copy = 0;
  std::array<std::uint8_t, 4> Device_IP{};
  std::array<std::uint8_t, 4> Subnet_Mask{};
  std::array<std::uint8_t, 4> Gateway_IP{};
  std::uint32_t CAN_Entry_Count = 0;
  std::uint32_t CAN_Table_Address = 0;
  std::uint16_t DHCP_Flags = 0;
  std::array<std::uint8_t, 32> Device_Name{};
  std::array<std::uint8_t, 4> Secondary_DNS{};
  std::array<std::uint8_t, 4> Primary_DNS{};
  std::uint32_t S7_Table_Address = 0;
  std::uint32_t S7_Entry_Count = 0;
  std::array<std::uint8_t, 8> Version_Text{};
  std::uint32_t Block_Checksum = 0;
};

// Frame_Flags bits.
constexpr std::uint8_t Frame_Flag_Transmit = 0x01;
constexpr std::uint8_t Frame_Flag_On_Change = 0x02;
constexpr std::uint8_t Frame_Flag_On_Timer = 0x04;
constexpr std::uint8_t Frame_Flag_On_Command = 0x08;
constexpr std::uint16_t Frame_No_Position = 0xFFFF;
constexpr std::uint32_t Frame_COB_ID_29_Bit = 0x80000000u;

struct TCAN_Frame_Entry {
  std::uint32_t Frame_COB_ID = 0;
  std::uint32_t Frame_Cycle_Time = 0;
  std::uint32_t Frame_Time_Out = 0;
  std::uint8_t Frame_Flags = 0;
  std::uint8_t Frame_Length = 0;
  std::array<std::uint16_t, 8> Frame_Byte_Pos{Frame_No_Position, Frame_No_Position, Frame_No_Position,
                                              Frame_No_Position, Frame_No_Position, Frame_No_Position,
                                              Frame_No_Position, Frame_No_Position};
};

// Entry_Flags bits.
constexpr std::uint8_t Entry_Flag_On_Change = 0x01;
constexpr std::uint8_t Entry_Flag_Swap = 0x04;
constexpr std::uint8_t Entry_Flag_Swap_Word = 0x08;
constexpr std::uint8_t Entry_Flag_On_Command = 0x10;
constexpr std::uint8_t Entry_Flag_Write = 0x20;

struct TS7_Access_Entry {
  std::uint32_t Entry_PLC_IP = 0;
  std::uint32_t Entry_Poll_Time = 0;
  std::uint16_t Entry_PLC_Add = 0;
  std::uint16_t Entry_DB_Number = 0;
  std::uint16_t Entry_PLC_Port = 0;
  std::uint16_t Entry_Position = 0;
  std::uint8_t Entry_Bit = 0;
  std::uint8_t Entry_PLC_Type = 0;
  std::uint8_t Entry_Data_Type = 0;
  std::uint8_t Entry_Data_Ident = 0;
  std::uint8_t Entry_Flags = 0;
  std::uint8_t Entry_PLC_Bit = 0;
  std::uint8_t Entry_Area = 0;
  std::uint8_t Entry_Rack_Slot = 0;
};

using TBank_Image = std::array<std::uint8_t, Bank_Image_Capacity>;

// The compiler's storage: rebuilt from nothing by every compilation.
extern TPar_Gen_Block Par_Gen_Block;
extern std::array<TCAN_Frame_Entry, CAN_Frame_Table_Entries> CAN_Frame_Table;
extern std::array<TS7_Access_Entry, S7_Access_Table_Entries> S7_Access_Table;
extern TBank_Image Bank1_Image;
extern TBank_Image Bank2_Image;
extern int Bank1_Size;
extern int Bank2_Size;

// Builds both images in memory from the project files named by the path
// globals of UComon. A missing file takes its defaults. The tables are read
// with their editors' own reader and checked with their editors' own check,
// one rule for both: a file that is there but cannot be read completely (a
// folder, a damaged file, more rows than the table), and a row its editor
// refuses, raise an Exception naming the file (and the row); the images are
// then not to be saved or sent.
void Compile_Configuration();

// Writes Bank1_Image and Bank2_Image as <project>/bin/bank1.bin and bank2.bin,
// creating the bin folder when it is missing. The two are replaced as one set
// (the safe writer's file sets), so bin holds the pair of this compilation or
// of the previous one, also after a kill, and leftovers of an interrupted save
// are removed. Returns false (and the reason, saying what was left where, in
// ErrorMessage, when given) when no project is open or the images could not
// be written: the device must then not be updated.
bool Save_Bank_Files(std::string* ErrorMessage = nullptr);

// Parameter block.
void Init_Parameter_Block();
void Read_ParGen_File();
void Set_Version_Text();
// Computes Block_Checksum, lays the block out at Position and returns the
// position behind it.
int Write_Parameter_Block(int Position, TBank_Image& Image);

// Access tables.
void Clear_CAN_Table();
void Clear_S7_Table();
int Read_CAN_Frame_Files();
int Read_S7_Protocol_File();
int Write_CAN_Table(int Position, TBank_Image& Image);
int Write_S7_Table(int Position, TBank_Image& Image);

std::uint8_t PLC_Type_Code(std::string_view Text);
std::uint8_t Data_Type_Code(std::string_view Text);
std::uint8_t Data_Identifier_Code(std::string_view Text);
std::uint8_t PLC_Area_Code(std::string_view Text);

// One table row as the readers see it: an attribute's text by name, or
// nullptr when the row lacks it. The text lasts as long as the table read.
using TRow_Attribute = std::function<const std::string*(const char* Name)>;

// The largest identifier a CAN row of this type may carry, one rule for the
// editors' check and the compiler: 0x1FFFFFFF for "2.0B (29 bits)" and for a
// row without a type (compiled as a 29-bit frame when it does not fit 11
// bits), 0x7FF for "2.0A (11 bits)" and any other text, which compile as
// 11-bit frames. The type is trimmed first.
std::uint32_t CAN_Max_COB_ID(std::string_view Type);

// The per-row steps of the table readers, for rows the editors' checks
// passed.
TCAN_Frame_Entry Compile_CAN_Receive_Row(const TRow_Attribute& Row);
TCAN_Frame_Entry Compile_CAN_Transmit_Row(const TRow_Attribute& Row);
TS7_Access_Entry Compile_S7_Row(const TRow_Attribute& Row, bool Write_Row);
