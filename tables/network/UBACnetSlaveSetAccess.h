#pragma once
// The BACnet objects of the BACnet-slave sibling converter: two tables, the
// objects a BACnet client reads (their values taken from the converter's
// input area) and the objects it writes (into the output area). Each row
// gives the object type, its engineering unit, the bytes of the area that
// hold its value and its name. Kept in the project file BACnet_Slave.xml,
// which the EDE writer reads too.
//
// This is the editor's part that needs no window: the file's shape, the
// table size that the description limit of the communication parameters
// selects, the check of both tables with the object count, the Length that
// choosing a type in the write table sets, the round of an Eng. Unit cell
// through the unit picker, and the editor's state and steps
// (TBACnetSlave_Tables), which the form TFBACnetSlaveSetAccess drives with
// its column grids ACG_BACnet_in_Read and ACG_BACnet_in_Write.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/plc/UTable_Editor.h"
#include "tables/plc/UTable_Editor_Form.h"

class TTable_Grid_View;

// Columns of both grids; Swap is hidden.
enum : int {
  BACnet_Col_Data_Type = 1,
  BACnet_Col_Eng_Unit,
  BACnet_Col_Position,
  BACnet_Col_Bit,
  BACnet_Col_Length,
  BACnet_Col_Swap,
  BACnet_Col_Mnemonic,
  BACnet_Col_Count,
};

constexpr int BACnet_Read_Grid = 0;
constexpr int BACnet_Write_Grid = 1;
// Rows per table, and objects in both tables together: 2000, or 1000 with
// the long object names of the description limit.
constexpr int BACnet_Table_Rows = 2000;
constexpr int BACnet_Table_Rows_Long_Names = 1000;
// The size of the input and of the output area.
constexpr int BACnet_Data_Array_Size = 1500;

// The file: root BACnet_to_Modbus, comment "SW_VERSION = 1.000", the
// sections BACnet_in_Read and BACnet_in_Write, 2000 rows each. Swap defaults
// to "N"; a row without any other attribute stops the loading.
extern const TTable_File_Format BACnet_Slave_File;

// The Data Type items of the read and of the write table, in list order.
extern const std::vector<std::string> BACnet_Read_Data_Types;
extern const std::vector<std::string> BACnet_Write_Data_Types;

// True when the project's ParGen.xml holds BACnet_Desc_Chars_Limit with the
// text "1" (object names of up to 32 characters). A missing file or
// element, or a file that cannot be read, gives false without a word.
bool Read_Desc_Lenght(const std::string& ParGen_Path);

// The rows of each table and the objects allowed in both together.
int BACnet_Object_Limit(bool Desc_Lenght);

// The check of both tables, read table first, then the object count: the
// message of the first failure ("Error row ", the row number and the check's
// text; the count's message stands alone), nothing when all pass.
std::optional<std::string> BACnet_Check_Message(const TTable_Grid_View& Read, const TTable_Grid_View& Write,
                                                int NByte_IN, int NByte_OUT, bool Desc_Lenght);

// True when a Mnemonic holds a ";" or a control character (a line break, a
// tab): it would break the fields or the lines of the EDE file.
bool Mnemonic_Breaks_EDE_Line(std::string_view Mnemonic);

// The Length that choosing a type in the write table sets ("4", "1" or
// "8"); the chosen text is compared in upper case. Nothing for a text that
// is no type of the write table.
std::optional<std::string> BACnet_Write_Type_Length(std::string_view Chosen);

// ACG_BACnet_in_WriteComboChange: a type chosen in the Data Type cell (Col,
// Row) of the write grid writes its Length into the row's Length cell; a
// choice in another column changes nothing. True when it wrote.
bool Set_Write_Type_Length(TTable_Grid_View& Write, int Col, int Row, std::string_view Chosen);

// A double click on the Eng. Unit cell (Col, Row) of a data row opens the
// unit picker: Show gets the text for E_Selected_EU (the cell's text) and
// for Label5 ("-> " and the name of that text read as a code) and answers
// the edit's text when the picker closes with OK, nothing on Cancel; the
// cell then takes it unchecked. False when the cell is no Eng. Unit cell of
// a data row (no picker) or on Cancel.
bool Pick_Eng_Unit(TTable_Grid_View& View, int Col, int Row,
                   const std::function<std::optional<std::string>(const std::string& E_Selected_EU,
                                                                  const std::string& Label5)>& Show);

// The file format whose table size the editor changes on every show; a
// base of TBACnetSlave_Tables so that it exists before the editor takes it.
struct TBACnet_Slave_File_Holder {
  TTable_File_Format File_Format = BACnet_Slave_File;
};

class TBACnetSlave_Tables : private TBACnet_Slave_File_Holder, public TTable_Editor {
 public:
  TBACnetSlave_Tables();

  // Read from ParGen.xml on every show: true gives 1000 rows per table and
  // 1000 objects in all, false 2000 and 2000.
  bool Desc_Lenght = false;
  // The sizes of the input and output areas; set on every show.
  int NByte_IN = BACnet_Data_Array_Size;
  int NByte_OUT = BACnet_Data_Array_Size;
  // Called on every show, before the file is read, with the row count the
  // grids take (the header row included): 2001, or 1001.
  std::function<void(int Row_Count)> Set_Row_Count;

  int Table_Rows() const { return BACnet_Object_Limit(Desc_Lenght); }
  bool Do_Copy_Read() const { return Copied_Here(BACnet_Read_Grid); }
  bool Do_Copy_Write() const { return Copied_Here(BACnet_Write_Grid); }

  std::optional<std::string> Check_Message() override;

 protected:
  std::string Delete_Question() const override;
  std::string Grid_Name(int Index) const override;
  void Before_Load() override;
};

class TPageControl;
class TTabSheet;

// The editor's window; its step stays hidden in this model, but it is
// created and translated with the others
// (tables/network/UBACnetSlaveSetAccess_Form.cpp).
class TFBACnetSlaveSetAccess : public TTable_Editor_Form {
 public:
  explicit TFBACnetSlaveSetAccess(TComponent* AOwner);
  ~TFBACnetSlaveSetAccess() override;

  TPageControl* PageControl1 = nullptr;
  TTabSheet* TS_BACnet_in_Read = nullptr;
  TTabSheet* TS_BACnet_in_Write = nullptr;
  TRavUvurerEduz* ACG_BACnet_in_Read = nullptr;
  TRavUvurerEduz* ACG_BACnet_in_Write = nullptr;
  TBACnetSlave_Tables Tables;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Set_Lang() override;
  bool Controllo_dati() { return Tables.Controllo_dati(); }
  void bitbtn1Click(TObject* Sender) { Btn_OKClick(Sender); }
  void Btn_DelRow_Click(TObject* Sender) { Btn_DelRowClick(Sender); }

  void ClickCell(TObject* Sender, int ARow, int ACol);
  void KeyPress(TObject* Sender, char32_t& Key);
  // This editor shows no column hints.
  void GridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr);
  void ACG_BACnet_in_ReadDblClickCell(TObject* Sender, int ARow, int ACol);
  void ACG_BACnet_in_WriteDblClickCell(TObject* Sender, int ARow, int ACol);
  void ACG_BACnet_in_WriteComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                      const std::string& ASelection);

  TDedAdararAdoz* Grid(int Index) const override;
  int Active_Grid() const override;

 private:
  // The unit picker on an Eng. Unit cell, then the header auto-size.
  void Double_Click(int Index, int ARow, int ACol);
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
