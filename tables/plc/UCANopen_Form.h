#pragma once
// The window the three CANopen editors share: two pages, the grids sga and
// sgb, header texts written into the header row and hints by plain column
// index. Each editor's form names its pages and hint lists and gives its
// text ids (tables/plc/UCANopen_Form.cpp).
#include <memory>
#include <string>

#include "tables/plc/UTable_Editor_Form.h"

class TPageControl;
class TTabSheet;

// Where an editor's texts stand in the text table: the caption first, then
// the description, the six buttons, their six hints and the two pages.
struct TCANopen_Form_Texts {
  int Caption;
  // Per grid: the header of column 0 and the number of columns.
  int First_Header[2];
  int Columns[2];
  // Per grid: the hint of column 1 and the number of hints.
  int First_Hint[2];
  int Hints[2];
  int Client_Width;
};

class TCANopen_Table_Form : public TTable_Editor_Form {
 public:
  TPageControl* PageControl1 = nullptr;
  TRavUvurerEduz* sga = nullptr;
  TRavUvurerEduz* sgb = nullptr;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Set_Lang() override;
  void Btn_OK_Click(TObject* Sender) { Btn_OKClick(Sender); }
  void Btn_DelRow_Click(TObject* Sender) { Btn_DelRowClick(Sender); }

  void ClickCell(TObject* Sender, int ARow, int ACol);
  void DblClickCell(TObject* Sender, int ARow, int ACol);
  void KeyPress(TObject* Sender, char32_t& Key);
  // On the header row, entry c - 1 of the active grid's list; no hint
  // elsewhere.
  void GridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr);

  TDedAdararAdoz* Grid(int Index) const override;
  int Active_Grid() const override;

 protected:
  TCANopen_Table_Form(TComponent* AOwner, TTable_Editor& Editor, const TCANopen_Form_Texts& Texts);
  // The two pages, first and second grid's.
  virtual TTabSheet* Page(int Index) const = 0;
  virtual TStringList& Hint_List(int Index) const = 0;

 private:
  const TCANopen_Form_Texts& texts_;
};
