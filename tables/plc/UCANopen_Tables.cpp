#include "tables/plc/UCANopen_Tables.h"

#include "app/ULanguage.h"
#include "app/UTable_Grid_View.h"
#include "framework/classes/StringList.h"

namespace {
std::string Text(int Id) { return Lang_Table->Strings(Id); }

// These tables have no Enable column: every row up to the first empty key
// is checked.
bool Every_Row(const TTable_Grid_View&, int) { return true; }

std::optional<std::string> Field_Failure(const TTable_Grid_View& G, int r, const TCANopen_Field& F,
                                         int Array_Size) {
  switch (F.Kind) {
    case ckRange:
      if (Cell_In_Range(G, F.Col, r, F.Lo, F.Hi)) return std::nullopt;
      return Text(F.Text);
    case ckNByte: {
      const int n = Cell_Int(G, F.Col, r);
      if (n == 1 || n == 2 || n == 4) return std::nullopt;
      return Text(F.Text);
    }
    case ckAddresses: {
      // The count was checked before; the bytes after it are not looked at.
      const int count = Cell_Int(G, F.Count_Col, r);
      for (int k = 0; k < count; ++k)
        if (!Cell_In_Range(G, F.Col + k, r, 0, Array_Size - 1))
          return Text(F.Text + k) + std::to_string(Array_Size - 1);
      return std::nullopt;
    }
  }
  return std::nullopt;
}

std::optional<std::string> Check_Grid(const TTable_Grid_View& G, const TTable_Grid_Format& Format,
                                      const TCANopen_Grid_Check& C, int Error_Row, int Array_Size) {
  TTable_Check check;
  check.Error_Row = Text(Error_Row);
  check.Key_Gap = "!! [" + Text(C.Page_Caption) + "] " + Key_Gap_Text(Text(C.Key_Header));
  check.Enabled = Every_Row;
  check.Check_Row = [&](int r) -> std::optional<std::string> {
    for (const TCANopen_Field& field : C.Fields)
      if (auto failure = Field_Failure(G, r, field, Array_Size)) return failure;
    return std::nullopt;
  };
  return Check_Table(G, Format, check);
}
}  // namespace

std::optional<std::string> CANopen_Check_Message(const TCANopen_Description& D, const TTable_Grid_View& First,
                                                 const TTable_Grid_View& Second, int NByte_IN,
                                                 int NByte_OUT) {
  if (auto failure = Check_Grid(First, D.File.Grids[0], D.Grids[0], D.Error_Row, NByte_IN)) return failure;
  return Check_Grid(Second, D.File.Grids[1], D.Grids[1], D.Error_Row, NByte_OUT);
}

TCANopen_Tables::TCANopen_Tables(const TCANopen_Description& Description)
    : TTable_Editor(Description.File, Description.Path), description_(Description) {}

std::optional<std::string> TCANopen_Tables::Check_Message() {
  return CANopen_Check_Message(description_, Grid(0), Grid(1), PROFINET_NByte_IN, PROFINET_NByte_OUT);
}

std::string TCANopen_Tables::Delete_Question() const { return Text(description_.Delete_Question); }

std::string TCANopen_Tables::Grid_Name(int Index) const {
  return Text(description_.Grids[Index == 0 ? 0 : 1].Page_Caption);
}

void TCANopen_Tables::Before_Load() {
  PROFINET_NByte_IN = CANopen_Data_Array_Size;
  PROFINET_NByte_OUT = CANopen_Data_Array_Size;
}
