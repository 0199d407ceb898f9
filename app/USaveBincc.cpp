#include "app/USaveBincc.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string_view>
#include <unordered_map>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UProject_File.h"
#include "app/UTable_Memory_Grid.h"
#include "framework/classes/StringList.h"
#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"
#include "framework/xml/XmlDom.h"
#include "tables/plc/UReceiveCAN.h"
#include "tables/plc/US7_Protocol_Set_Access.h"
#include "tables/plc/UTable_Editor.h"
#include "tables/plc/UTransmitCAN.h"

TPar_Gen_Block Par_Gen_Block;
std::array<TCAN_Frame_Entry, CAN_Frame_Table_Entries> CAN_Frame_Table;
std::array<TS7_Access_Entry, S7_Access_Table_Entries> S7_Access_Table;
TBank_Image Bank1_Image{};
TBank_Image Bank2_Image{};
int Bank1_Size = 0;
int Bank2_Size = 0;

namespace {

// Offsets of the parameter block's fields.
enum : int {
  Off_CAN_Bit_Rate = 0x000,
  Off_CAN_Bit_Rate_Copy = 0x004,
  Off_Device_IP = 0x028,
  Off_Subnet_Mask = 0x02C,
  Off_Gateway_IP = 0x030,
  Off_CAN_Entry_Count = 0x070,
  Off_CAN_Table_Address = 0x0C8,
  Off_DHCP_Flags = 0x4E8,
  Off_Device_Name = 0x514,
  Off_Secondary_DNS = 0x53C,
  Off_Primary_DNS = 0x58C,
  Off_S7_Table_Address = 0x654,
  Off_S7_Entry_Count = 0x658,
  Off_Version_Text = 0x66C,
  Off_Block_Checksum = 0x7FC,
};

void Put_U8(std::uint8_t* p, std::uint8_t v) { p[0] = v; }
void Put_U16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
void Put_U32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
template <std::size_t N>
void Put_Bytes(std::uint8_t* p, const std::array<std::uint8_t, N>& a) {
  std::copy(a.begin(), a.end(), p);
}

// The fields shared with the sibling converters that this configurator never
// sets: their places keep the values the converter expects.
void Put_Fixed_Fields(std::uint8_t* b) {
  Put_U32(b + 0x00C, 9600);
  Put_U16(b + 0x034, 10000);
  Put_U16(b + 0x036, 10001);
  Put_U16(b + 0x038, 10001);
  std::fill(b + 0x1B4, b + 0x1BC, std::uint8_t{8});
}

void Put_Parameter_Block(std::uint8_t* b, const TPar_Gen_Block& p) {
  std::fill(b, b + Par_Gen_Block_Size, std::uint8_t{0});
  Put_Fixed_Fields(b);
  Put_U32(b + Off_CAN_Bit_Rate, p.CAN_Bit_Rate);
  Put_U32(b + Off_CAN_Bit_Rate_Copy, p.CAN_Bit_Rate_Copy);
  Put_Bytes(b + Off_Device_IP, p.Device_IP);
  Put_Bytes(b + Off_Subnet_Mask, p.Subnet_Mask);
  Put_Bytes(b + Off_Gateway_IP, p.Gateway_IP);
  Put_U32(b + Off_CAN_Entry_Count, p.CAN_Entry_Count);
  Put_U32(b + Off_CAN_Table_Address, p.CAN_Table_Address);
  Put_U16(b + Off_DHCP_Flags, p.DHCP_Flags);
  Put_Bytes(b + Off_Device_Name, p.Device_Name);
  Put_Bytes(b + Off_Secondary_DNS, p.Secondary_DNS);
  Put_Bytes(b + Off_Primary_DNS, p.Primary_DNS);
  Put_U32(b + Off_S7_Table_Address, p.S7_Table_Address);
  Put_U32(b + Off_S7_Entry_Count, p.S7_Entry_Count);
  Put_Bytes(b + Off_Version_Text, p.Version_Text);
  Put_U32(b + Off_Block_Checksum, p.Block_Checksum);
}

void Put_CAN_Entry(std::uint8_t* b, const TCAN_Frame_Entry& e) {
  std::fill(b, b + CAN_Frame_Entry_Size, std::uint8_t{0});
  Put_U32(b + 0, e.Frame_COB_ID);
  Put_U32(b + 4, e.Frame_Cycle_Time);
  Put_U32(b + 8, e.Frame_Time_Out);
  Put_U8(b + 13, e.Frame_Flags);
  Put_U8(b + 14, e.Frame_Length);
  for (int i = 0; i < 8; ++i) Put_U16(b + 16 + 2 * i, e.Frame_Byte_Pos[i]);
}

void Put_S7_Entry(std::uint8_t* b, const TS7_Access_Entry& e) {
  std::fill(b, b + S7_Access_Entry_Size, std::uint8_t{0});
  Put_U32(b + 0, e.Entry_PLC_IP);
  Put_U32(b + 4, e.Entry_Poll_Time);
  Put_U16(b + 8, e.Entry_PLC_Add);
  Put_U16(b + 10, e.Entry_DB_Number);
  Put_U16(b + 12, e.Entry_PLC_Port);
  Put_U16(b + 14, e.Entry_Position);
  Put_U8(b + 18, e.Entry_Bit);
  Put_U8(b + 19, e.Entry_PLC_Type);
  Put_U8(b + 20, e.Entry_Data_Type);
  Put_U8(b + 21, e.Entry_Data_Ident);
  Put_U8(b + 23, e.Entry_Flags);
  Put_U8(b + 24, e.Entry_PLC_Bit);
  Put_U8(b + 25, e.Entry_Area);
  Put_U8(b + 26, e.Entry_Rack_Slot);
}

// The texts of a table that stops the compilation.
constexpr int Text_Table_Damaged = 1106;    // "Error! The file \""
constexpr int Text_Table_Damaged_2 = 1107;  // "\" could not be read completely: "
constexpr int Text_Row_Refused = 61;        // "No device images were written: the file \""
constexpr int Text_Row_Refused_2 = 62;      // "\" holds a row that its editor refuses. "

std::string Lang(int Id) { return Lang_Table->Strings(Id); }

// The tables in memory of each file format, kept from one compilation to
// the next: a compilation fills the room the last one left instead of
// taking fresh memory page by page. Cleared before each use, they read as
// new ones.
class TTable_Store {
 public:
  using TGrids = std::vector<std::unique_ptr<TTable_Memory_Grid>>;
  // Fresh tells whether the tables are new ones, not yet cleared.
  static TGrids Take(const TTable_File_Format& Format, bool& Fresh) {
    Fresh = false;
    auto it = Kept().find(&Format);
    if (it != Kept().end() && !it->second.empty()) return std::move(it->second);
    Fresh = true;
    TGrids grids;
    for (const TTable_Grid_Format& g : Format.Grids) {
      grids.push_back(std::make_unique<TTable_Memory_Grid>(g.Rows, static_cast<int>(g.Columns.size()) + 1));
      // The check boxes the editor's grid has, so that a row holding only
      // their texts counts as unused, as there.
      for (std::size_t k = 0; k < g.Columns.size(); ++k) {
        const int col = static_cast<int>(k) + 1;
        if (g.Columns[k].Check_Box) grids.back()->Set_Data_Check_Box_Column(col);
        if (g.Columns[k].Own_Box) grids.back()->Add_Check_Box_Column(col, false);
      }
    }
    return grids;
  }
  static void Give_Back(const TTable_File_Format& Format, TGrids&& Grids) {
    Kept()[&Format] = std::move(Grids);
  }

 private:
  static std::map<const TTable_File_Format*, TGrids>& Kept() {
    static std::map<const TTable_File_Format*, TGrids> kept;
    return kept;
  }
};

// The tables of one file as read, given back to the store when done with.
class TTables_Read {
 public:
  explicit TTables_Read(const TTable_File_Format& Format) : format_(Format) {}
  ~TTables_Read() {
    if (!grids_.empty()) TTable_Store::Give_Back(format_, std::move(grids_));
  }
  TTables_Read(const TTables_Read&) = delete;
  TTables_Read& operator=(const TTables_Read&) = delete;

  bool empty() const { return grids_.empty(); }
  const TTable_Memory_Grid& operator[](std::size_t Index) const { return *grids_[Index]; }
  TTable_Store::TGrids& Grids() { return grids_; }

 private:
  const TTable_File_Format& format_;
  TTable_Store::TGrids grids_;
};

// A table file read with its editor's own reader (its shape, its defaults,
// its row limit) into tables in memory: none when the file is missing. A
// file that cannot be read completely stops the compilation: no image is
// built from part of a table.
void Read_Table(const std::string& Path, TTables_Read& Tables, const TTable_File_Format& Format) {
  if (!Project_File_Present(Path)) return;
  bool fresh = false;
  Tables.Grids() = TTable_Store::Take(Format, fresh);
  std::vector<TTable_Grid_View*> views;
  for (std::size_t g = 0; g < Format.Grids.size(); ++g) {
    if (fresh) Clear_Table(*Tables.Grids()[g], Format.Grids[g]);
    views.push_back(Tables.Grids()[g].get());
  }
  TXMLDocument doc;
  const TTable_Load_Result result = Load_Table_File(doc, Path, Format, views);
  if (!result.Complete)
    throw Exception(Lang(Text_Table_Damaged) + NativePath(Path) + Lang(Text_Table_Damaged_2) + result.Error);
  // Tables used before: the reader wrote every cell of the rows it read,
  // and the rest are cleared now, as before a first reading.
  if (!fresh)
    for (std::size_t g = 0; g < Format.Grids.size(); ++g)
      Clear_Table(*Tables.Grids()[g], Format.Grids[g], result.Rows_Read[g] + 1);
}

// The editor's check over a table read: a row it refuses (its message names
// the row and the field) is refused here too.
void Refuse_Failure(const std::optional<std::string>& Failure, const std::string& Path) {
  if (Failure)
    throw Exception(Lang(Text_Row_Refused) + NativePath(Path) + Lang(Text_Row_Refused_2) + *Failure);
}

// The storage columns of a table by attribute name (the first column of a
// name counts). The per-row compilers ask for the fields mostly in column
// order: the column after the last one asked is tried before the lookup.
class TTable_Columns {
 public:
  explicit TTable_Columns(const TTable_Grid_Format& Format)
      : columns_(Format.Columns), first_(Format.Columns.size(), false) {
    for (std::size_t k = 0; k < columns_.size(); ++k)
      if (columns_[k].Attribute)
        first_[k] = lookup_.emplace(columns_[k].Attribute, static_cast<int>(k) + 1).second;
  }
  // 0 when the table has no column of that name.
  int Of(const char* Name) {
    const std::size_t k = next_;
    if (k < columns_.size() && first_[k] &&
        (columns_[k].Attribute == Name || std::strcmp(columns_[k].Attribute, Name) == 0)) {
      ++next_;
      return static_cast<int>(k) + 1;
    }
    const auto it = lookup_.find(Name);
    if (it == lookup_.end()) return 0;
    next_ = static_cast<std::size_t>(it->second);
    return it->second;
  }

 private:
  const std::vector<TTable_Column>& columns_;
  std::vector<bool> first_;
  std::unordered_map<std::string_view, int> lookup_;
  std::size_t next_ = 0;
};

// Adds the rows of a checked table that its check takes (Taken, the
// editor's own Enable test) to Table from entry k on, up to the table's end.
template <typename Entry, std::size_t N, typename Compile>
void Add_Rows(const TTable_Memory_Grid& Grid, const TTable_Grid_Format& Format,
              bool (*Taken)(const TTable_Grid_View&, int), std::array<Entry, N>& Table, int& k,
              Compile compile_row) {
  TTable_Columns columns(Format);
  int r = 0;
  const TRow_Attribute row = [&](const char* Name) -> const std::string* {
    const int col = columns.Of(Name);
    return col ? &Grid.Cell(col, r) : nullptr;
  };
  const int rows = Table_Length(Grid, Format);
  for (r = 1; r <= rows && k < static_cast<int>(N); ++r)
    if (Taken(Grid, r)) Table[static_cast<std::size_t>(k++)] = compile_row(row);
}

// A number from a table or parameter text, or Fallback when the text is
// missing or no number.
int Number(const std::string* Text, int Fallback) { return Text ? Text_To_Int(*Text, Fallback) : Fallback; }
int Number(const std::optional<std::string>& Text, int Fallback) {
  return Number(Text ? &*Text : nullptr, Fallback);
}

bool Is_Set(const std::string* Text, const char* On) { return Text && *Text == On; }
bool Is_Set(const std::optional<std::string>& Text, const char* On) { return Text && *Text == On; }

std::string_view Bytes_Of(const TBank_Image& Image, int Size) {
  return std::string_view(reinterpret_cast<const char*>(Image.data()), static_cast<std::size_t>(Size));
}

std::uint8_t Low8(int v) { return static_cast<std::uint8_t>(v); }
std::uint16_t Low16(int v) { return static_cast<std::uint16_t>(v); }

// The device keeps one byte per name character: a character it cannot hold
// becomes "?", never a 0 byte that would cut the name short.
void Put_Device_Name(const std::string& Name) {
  Par_Gen_Block.Device_Name.fill(0);
  std::size_t pos = 0;
  for (int i = 0; i < 31 && pos < Name.size(); ++i) {
    char32_t c = NextUtf8Char(Name, pos);
    Par_Gen_Block.Device_Name[i] = c <= 0xFF ? static_cast<std::uint8_t>(c) : std::uint8_t{'?'};
  }
}

void Read_Octets(const TXMLNode& Root, const char* Prefix, std::array<std::uint8_t, 4>& Octets,
                 const std::array<int, 4>& Fallbacks) {
  for (int i = 0; i < 4; ++i) {
    std::string name = std::string(Prefix) + std::to_string(i + 1);
    Octets[i] = Low8(Number(Child_Text(Root, name.c_str()), Fallbacks[i]));
  }
}

std::uint32_t CAN_Bit_Rate_Of(int Index) {
  static const std::uint32_t rates[10] = {10000,  20000,  50000,  62500,  100000,
                                          125000, 250000, 500000, 800000, 1000000};
  return Index >= 0 && Index <= 9 ? rates[Index] : 1000000;
}

void Read_CAN_Bytes(const TRow_Attribute& Row, TCAN_Frame_Entry& e) {
  static const char* const names[8] = {"Byte1", "Byte2", "Byte3", "Byte4",
                                       "Byte5", "Byte6", "Byte7", "Byte8"};
  for (int n = 1; n <= 8; ++n) {
    std::uint16_t pos = Low16(Number(Row(names[n - 1]), Frame_No_Position));
    e.Frame_Byte_Pos[n - 1] = e.Frame_Length < n ? Frame_No_Position : pos;
  }
}

// COBID, CAN_Type and Dim, common to both directions.
void Read_CAN_Identity(const TRow_Attribute& Row, TCAN_Frame_Entry& e) {
  e.Frame_COB_ID = static_cast<std::uint32_t>(Number(Row("COBID"), 0));
  const std::string* type = Row("CAN_Type");
  const std::string t = type ? Trim(*type) : std::string();
  // A row without a type passes the editors' check against the 29-bit range
  // (CAN_Max_COB_ID): an identifier that does not fit 11 bits can only be
  // meant as a 29-bit one.
  if (t == "2.0B (29 bits)" || (e.Frame_COB_ID > 0x7FF && CAN_Max_COB_ID(t) > 0x7FF))
    e.Frame_COB_ID |= Frame_COB_ID_29_Bit;
  e.Frame_Length = Low8(Number(Row("Dim"), 8));
}

}  // namespace

void Init_Parameter_Block() {
  Par_Gen_Block = TPar_Gen_Block{};
  Par_Gen_Block.CAN_Bit_Rate = 250000;
  Par_Gen_Block.CAN_Bit_Rate_Copy = 250000;
  Par_Gen_Block.Device_IP = {192, 168, 2, 205};
  Par_Gen_Block.Subnet_Mask = {255, 255, 255, 0};
  Par_Gen_Block.Gateway_IP = {255, 255, 255, 255};
}

void Set_Version_Text() {
  Par_Gen_Block.Version_Text.fill(0);
  // The version of the parameter format the device reads, not the program's.
  const char* version = "1.000";
  for (int i = 0; version[i] != 0 && i < 8; ++i) Par_Gen_Block.Version_Text[i] = Low8(version[i]);
}

void Read_ParGen_File() {
  if (!Project_File_Present(Path_ParGen)) return;
  TXMLDocument doc;
  const TXMLNode root = Load_Project_File(doc, Path_ParGen);
  Set_Version_Text();
  TPar_Gen_Block& p = Par_Gen_Block;

  std::optional<std::string> name = Child_Text(root, "Eth_Conn_Device_Name");
  Put_Device_Name(name ? *name : std::string());

  p.DHCP_Flags = 0;
  if (Is_Set(Child_Text(root, "Eth_Conn_DHCP_Cable"), "1")) p.DHCP_Flags |= 1;
  if (Is_Set(Child_Text(root, "Eth_Conn_DHCP_WiFi"), "1")) p.DHCP_Flags |= 2;

  if (Is_Set(Child_Text(root, "Eth_Conn_Enable_DNS"), "1")) {
    Read_Octets(root, "Eth_Conn_Primary_DNS", p.Primary_DNS, {8, 8, 8, 8});
    Read_Octets(root, "Eth_Conn_Secondary_DNS", p.Secondary_DNS, {8, 8, 4, 4});
  }

  Read_Octets(root, "S7_Protocol_IP", p.Device_IP, {192, 168, 0, 10});
  Read_Octets(root, "S7_Protocol_SM", p.Subnet_Mask, {255, 255, 255, 0});
  Read_Octets(root, "S7_Protocol_GAT", p.Gateway_IP, {192, 168, 0, 1});
  if (!Is_Set(Child_Text(root, "S7_Protocol_EN_GAT"), "1")) p.Gateway_IP = {255, 255, 255, 255};

  p.CAN_Bit_Rate = CAN_Bit_Rate_Of(Number(Child_Text(root, "CAN_BAUDRATE"), 9));
  p.CAN_Bit_Rate_Copy = p.CAN_Bit_Rate;
}

int Write_Parameter_Block(int Position, TBank_Image& Image) {
  std::uint8_t* b = Image.data() + Position;
  Par_Gen_Block.Block_Checksum = 0;
  Put_Parameter_Block(b, Par_Gen_Block);
  std::uint32_t sum = 0;
  for (int i = 0; i < Off_Block_Checksum; ++i) sum += b[i];
  Par_Gen_Block.Block_Checksum = sum;
  Put_U32(b + Off_Block_Checksum, sum);
  return Position + Par_Gen_Block_Size;
}

void Clear_CAN_Table() { CAN_Frame_Table.fill(TCAN_Frame_Entry{}); }
void Clear_S7_Table() { S7_Access_Table.fill(TS7_Access_Entry{}); }

int Write_CAN_Table(int Position, TBank_Image& Image) {
  for (const TCAN_Frame_Entry& e : CAN_Frame_Table) {
    Put_CAN_Entry(Image.data() + Position, e);
    Position += CAN_Frame_Entry_Size;
  }
  return Position;
}

int Write_S7_Table(int Position, TBank_Image& Image) {
  for (const TS7_Access_Entry& e : S7_Access_Table) {
    Put_S7_Entry(Image.data() + Position, e);
    Position += S7_Access_Entry_Size;
  }
  return Position;
}

std::uint8_t PLC_Type_Code(std::string_view Text) {
  if (Text == "S7200") return 0;
  if (Text == "Logo0BA8") return 1;
  if (Text == "S7300") return 10;
  if (Text == "S7400") return 20;
  if (Text == "S71200") return 30;
  if (Text == "S71500") return 40;
  return 0;
}

std::uint8_t Data_Type_Code(std::string_view Text) {
  static const char* const names[] = {"Bit", "Byte", "Char", "Word", "Int", "DWord", "DInt", "Real"};
  for (int i = 0; i < 8; ++i)
    if (Text == names[i]) return static_cast<std::uint8_t>(i + 1);
  return 1;
}

std::uint8_t Data_Identifier_Code(std::string_view Text) {
  if (Text == "OB") return 8;
  if (Text == "DB") return 10;
  if (Text == "SDB") return 11;
  if (Text == "FC") return 12;
  if (Text == "SFC") return 13;
  if (Text == "FB") return 14;
  if (Text == "SFB") return 15;
  return 8;
}

std::uint8_t PLC_Area_Code(std::string_view Text) {
  if (Text == "Direct peripheral access (P)") return 0x80;
  if (Text == "Inputs (I)") return 0x81;
  if (Text == "Output (Q)") return 0x82;
  if (Text == "Flags (M) (Merker)") return 0x83;
  return 0x80;
}

std::uint32_t CAN_Max_COB_ID(std::string_view Type) {
  const std::string t = Trim(Type);
  return t == "2.0B (29 bits)" || t.empty() ? 0x1FFFFFFFu : 0x7FFu;
}

TCAN_Frame_Entry Compile_CAN_Receive_Row(const TRow_Attribute& Row) {
  TCAN_Frame_Entry e;
  Read_CAN_Identity(Row, e);
  e.Frame_Time_Out = static_cast<std::uint32_t>(Number(Row("TimeOut"), 0));
  Read_CAN_Bytes(Row, e);
  return e;
}

TCAN_Frame_Entry Compile_CAN_Transmit_Row(const TRow_Attribute& Row) {
  TCAN_Frame_Entry e;
  Read_CAN_Identity(Row, e);
  e.Frame_Flags = Frame_Flag_Transmit;
  if (Is_Set(Row("OnChange"), "Y")) e.Frame_Flags |= Frame_Flag_On_Change;
  if (Is_Set(Row("OnCMD"), "Y")) e.Frame_Flags |= Frame_Flag_On_Command;
  if (Is_Set(Row("OnTimer"), "Y")) e.Frame_Flags |= Frame_Flag_On_Timer;
  e.Frame_Cycle_Time = static_cast<std::uint32_t>(Number(Row("Time"), 0));
  Read_CAN_Bytes(Row, e);
  return e;
}

TS7_Access_Entry Compile_S7_Row(const TRow_Attribute& Row, bool Write_Row) {
  TS7_Access_Entry e;
  const std::string* address = Row("PLC_Address");
  std::uint8_t o1 = 0, o2 = 0, o3 = 0, o4 = 0;
  if (address && !IP_Address_To_Bytes(*address, o1, o2, o3, o4))
    e.Entry_PLC_IP = (std::uint32_t{o1} << 24) | (std::uint32_t{o2} << 16) | (std::uint32_t{o3} << 8) | o4;
  e.Entry_PLC_Port = Low16(Number(Row("PLC_Port"), 0));
  const std::string* type = Row("PLC_Type");
  e.Entry_PLC_Type = type ? PLC_Type_Code(*type) : 0;
  // Unsigned, so that any rack a file holds keeps its low bits without overflow.
  auto rack = static_cast<std::uint32_t>(Number(Row("Rack"), 0));
  auto slot = static_cast<std::uint32_t>(Number(Row("Slot"), 0));
  e.Entry_Rack_Slot = static_cast<std::uint8_t>(rack * 32u + slot);
  const std::string* data_type = Row("Data_Type");
  e.Entry_Data_Type = data_type ? Data_Type_Code(*data_type) : 1;
  const std::string* ident = Row("Data_Identifier");
  e.Entry_Data_Ident = ident ? Data_Identifier_Code(*ident) : 8;
  e.Entry_DB_Number = Low16(Number(Row("DB_Number"), 0));
  const std::string* area = Row("PLC_Area");
  e.Entry_Area = area ? PLC_Area_Code(*area) : 0x80;
  e.Entry_PLC_Add = Low16(Number(Row("PLC_Add"), 0));
  e.Entry_PLC_Bit = Low8(Number(Row("PLC_Bit"), 0));
  e.Entry_Poll_Time = static_cast<std::uint32_t>(Number(Row("PollTime"), 1000));
  if (Write_Row) {
    e.Entry_Flags = Entry_Flag_Write;
    if (Is_Set(Row("OnChange"), "Y")) e.Entry_Flags |= Entry_Flag_On_Change;
    if (Is_Set(Row("OnCMD"), "Y")) e.Entry_Flags |= Entry_Flag_On_Command;
  }
  e.Entry_Position = Low16(Number(Row("Position"), 0));
  e.Entry_Bit = Low8(Number(Row("Bit"), 0));
  if (Is_Set(Row("Swap"), "Y")) e.Entry_Flags |= Entry_Flag_Swap;
  if (Is_Set(Row("SwapWord"), "Y")) e.Entry_Flags |= Entry_Flag_Swap_Word;
  return e;
}

int Read_CAN_Frame_Files() {
  TTables_Read receive(ReceiveCAN_File), transmit(TransmitCAN_File);
  Read_Table(Path_CAN_Rec_Frames, receive, ReceiveCAN_File);
  Read_Table(Path_CAN_Send_Frames, transmit, TransmitCAN_File);
  if (!receive.empty())
    Refuse_Failure(ReceiveCAN_Check_Message(receive[0], Receive_Data_Array_Size), Path_CAN_Rec_Frames);
  if (!transmit.empty())
    Refuse_Failure(TransmitCAN_Check_Message(transmit[0], Transmit_Data_Array_Size), Path_CAN_Send_Frames);
  int k = 0;
  if (!receive.empty())
    Add_Rows(receive[0], ReceiveCAN_File.Grids[0], Enable_Is_Y_Any_Case, CAN_Frame_Table, k,
             Compile_CAN_Receive_Row);
  if (!transmit.empty())
    Add_Rows(transmit[0], TransmitCAN_File.Grids[0], Enable_Is_Y_Any_Case, CAN_Frame_Table, k,
             Compile_CAN_Transmit_Row);
  return k;
}

int Read_S7_Protocol_File() {
  TTables_Read grids(S7_Protocol_File);
  Read_Table(Path_S7_Protocol, grids, S7_Protocol_File);
  if (grids.empty()) return 0;
  std::vector<TIPPort> connections;
  Refuse_Failure(S7_Check_Message(grids[S7_Read_Grid], grids[S7_Write_Grid], S7_Data_Array_Size,
                                  S7_Data_Array_Size, connections),
                 Path_S7_Protocol);
  int k = 0;
  for (int g : {S7_Read_Grid, S7_Write_Grid})
    Add_Rows(grids[static_cast<std::size_t>(g)], S7_Protocol_File.Grids[static_cast<std::size_t>(g)],
             Enable_Is_Y, S7_Access_Table, k,
             [g](const TRow_Attribute& Row) { return Compile_S7_Row(Row, g == S7_Write_Grid); });
  return k;
}

void Compile_Configuration() {
  Init_Parameter_Block();
  Clear_S7_Table();
  Clear_CAN_Table();
  Read_ParGen_File();
  Par_Gen_Block.S7_Table_Address = S7_Table_Device_Address;
  Par_Gen_Block.CAN_Table_Address = CAN_Table_Device_Address;
  Par_Gen_Block.CAN_Entry_Count = static_cast<std::uint32_t>(Read_CAN_Frame_Files());
  Par_Gen_Block.S7_Entry_Count = static_cast<std::uint32_t>(Read_S7_Protocol_File());
  Bank1_Size = Write_Parameter_Block(0, Bank1_Image);
  Bank2_Size = Write_CAN_Table(0, Bank2_Image);
  Bank2_Size = Write_S7_Table(Bank2_Size, Bank2_Image);
}

bool Save_Bank_Files(std::string* ErrorMessage) {
  if (Project_Dir.empty()) {
    if (ErrorMessage) *ErrorMessage = "No configuration is open";
    return false;
  }
  // The device must never get the images of two different compilations: the
  // pair is replaced as one, so bin holds this compilation or the previous one.
  std::string error;
  bool saved = TrySafeWriteFileSet(
      Join_Path(Project_Dir, "bin"),
      {{"bank1.bin", Bytes_Of(Bank1_Image, Bank1_Size)}, {"bank2.bin", Bytes_Of(Bank2_Image, Bank2_Size)}},
      &error);
  if (!saved && ErrorMessage) *ErrorMessage = error;
  return saved;
}
