#include "tables/network/UTLS_Server_Known_Cert.h"

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UTable_Grid_View.h"
#include "framework/classes/StringList.h"

namespace {
std::string Text(int Id) { return Lang_Table->Strings(Id); }

constexpr int Text_Delete_Question = 1621;
constexpr int Text_Certificate_Header = 1616;
// The editor's block has no "Error row " text.
constexpr int Text_Error_Row = 1622;

bool Never_Checked(const TTable_Grid_View&, int) { return false; }
}  // namespace

const TTable_File_Format TLS_Known_Cert_File{"TLS_Server_Known_Cert",
                                             "SW_VERSION = 1.000",
                                             {
                                                 {nullptr,
                                                  TLS_Col_Certificate,
                                                  true,
                                                  TLS_Table_Rows,
                                                  {{.Attribute = "Enable", .Default = "Y", .Own_Box = true},
                                                   {.Attribute = "Certificate", .Default = ""},
                                                   {.Attribute = "Mnemonic", .Default = ""}}},
                                             }};

std::optional<std::string> TLS_Check_Message(const TTable_Grid_View& Grid) {
  TTable_Check check;
  check.Error_Row = Text(Text_Error_Row);
  check.Key_Gap = "!! " + Key_Gap_Text(Text(Text_Certificate_Header));
  check.Enabled = Never_Checked;
  check.Check_Row = [](int) { return std::nullopt; };
  return Check_Table(Grid, TLS_Known_Cert_File.Grids[0], check);
}

TTLS_Known_Cert_Table::TTLS_Known_Cert_Table() : TTable_Editor(TLS_Known_Cert_File, Path_TLS_Known_Cert) {}

std::optional<std::string> TTLS_Known_Cert_Table::Check_Message() { return TLS_Check_Message(Grid(0)); }

std::string TTLS_Known_Cert_Table::Delete_Question() const { return Text(Text_Delete_Question); }
