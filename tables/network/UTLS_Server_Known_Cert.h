#pragma once
// The certificates the TLS server of a sibling converter accepts: up to 10
// rows of an enable tick, the certificate text and a mnemonic; kept in the
// project file TLS_Known_Cert.xml.
//
// This is the editor's part that needs no window: the file's shape and the
// editor's state and steps (TTLS_Known_Cert_Table), which the form
// TFTLS_Server_Known_Cert drives with its string grid DUD, whose Enable
// column holds check boxes of their own.
#include <memory>
#include <optional>
#include <string>

#include "tables/plc/UTable_Editor.h"
#include "tables/plc/UTable_Editor_Form.h"

class TTable_Grid_View;

enum : int {
  TLS_Col_Enable = 1,
  TLS_Col_Certificate,
  TLS_Col_Mnemonic,
  TLS_Col_Count,
};

constexpr int TLS_Table_Rows = 10;

// The file: root TLS_Server_Known_Cert, comment "SW_VERSION = 1.000", the
// rows under the root, each with Enable ("Y" ticked, "N" not), Certificate
// and Mnemonic; a missing Enable ticks the box and a missing text is empty.
extern const TTable_File_Format TLS_Known_Cert_File;

// The list has no values to check; OK refuses only a row with an empty
// Certificate above rows that hold text, which saving would drop.
std::optional<std::string> TLS_Check_Message(const TTable_Grid_View& Grid);

class TTLS_Known_Cert_Table : public TTable_Editor {
 public:
  TTLS_Known_Cert_Table();

  bool Do_Copy() const { return Copied_Here(0); }
  std::optional<std::string> Check_Message() override;

 protected:
  std::string Delete_Question() const override;
};

// The editor's window, over a plain grid whose column 1 holds check boxes of
// their own; its step stays hidden in this model, but it is created and
// translated with the others (tables/network/UTLS_Server_Known_Cert_Form.cpp).
class TFTLS_Server_Known_Cert : public TTable_Editor_Form {
 public:
  explicit TFTLS_Server_Known_Cert(TComponent* AOwner);
  ~TFTLS_Server_Known_Cert() override;

  TDedAdararAdoz* DUD = nullptr;
  // Header hints, entry c - 1 for column c.
  std::unique_ptr<TStringList> Hint_List;
  TTLS_Known_Cert_Table Table;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Set_Lang() override;
  // Shapes the grid: its columns, rows, check boxes and colours.
  void Init_Table();
  bool Controllo_dati() { return Table.Controllo_dati(); }

  void ClickCell(TObject* Sender, int ARow, int ACol);
  void DblClickCell(TObject* Sender, int ARow, int ACol);
  void KeyPress(TObject* Sender, char32_t& Key);
  void GridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr);

  TDedAdararAdoz* Grid(int) const override { return DUD; }
};

extern TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert;
