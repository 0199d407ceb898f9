#pragma once
// The window every table editor shares: the title panel, the six buttons
// with their handlers (OK, Cancel, Delete, Insert, Copy and Paste Row) and
// the grid events the editors have in common, driving the editor's steps
// (TTable_Editor) on its grids. Each editor's form derives from it, loads
// its layout, and adds its grids, texts and the events its grids bind.
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/ULumetraFirmWare.h"
#include "framework/controls/Forms.h"

class TPanel;
class TLabel;
class TLbButton;
class TStringList;
class TDedAdararAdoz;
class TRavUvurerEduz;
class TTable_Editor;
class TColumn_Grid_View;

class TTable_Editor_Form : public TForm, public ILangForm {
 public:
  ~TTable_Editor_Form() override;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TPanel* P_Button = nullptr;
  TLbButton* Btn_OK = nullptr;
  TLbButton* Btn_Cancel = nullptr;
  TLbButton* Btn_DelRow = nullptr;
  TLbButton* Btn_InsRow = nullptr;
  TLbButton* Btn_CopyRow = nullptr;
  TLbButton* Btn_PasteRow = nullptr;

  // OK: the check, then the whole file rewritten and the dialog closed with
  // OK; a failing check or a file that cannot be written keeps it open.
  void Btn_OKClick(TObject* Sender);
  // The row commands on the current row of the active grid.
  void Btn_DelRowClick(TObject* Sender);
  void Btn_InsRowClick(TObject* Sender);
  void Btn_CopyRowClick(TObject* Sender);
  void Btn_PasteRowClick(TObject* Sender);

  // The editor's steps and its grids in page order.
  TTable_Editor& Editor() const { return editor_; }
  virtual TDedAdararAdoz* Grid(int Index) const = 0;
  // The grid the row commands act on: the one on the active page.
  virtual int Active_Grid() const { return 0; }

  // Escape and the close box ask before changed tables are thrown away.
  void WndProc(TMessage& Message) override;

 protected:
  TTable_Editor_Form(TComponent* AOwner, TTable_Editor& Editor);

  // Hands the grids to the editor; called once the layout is read.
  void Bind_Grids();
  // Caption, description, the six button captions and the six hints.
  void Set_Form_Texts(int Caption_Id, int First_Button_Id, int First_Button_Hint_Id);
  static void Set_Headers(TRavUvurerEduz* Grid, std::initializer_list<int> Ids);
  static void Fill_Hints(TStringList& Hints, std::initializer_list<int> Ids);
  // Every show: the tables cleared and read from the file.
  void Load_Grids();
  // A drop-down column's items, replaced.
  static void Set_Column_Items(TRavUvurerEduz* Grid, int Col, const std::vector<std::string>& Items);

  // Grid events.
  // A click in column 0 selects that row.
  static void Select_Row_On_Click(TObject* Sender, int ARow, int ACol);
  // On the header row, the hint of column c (all columns counted, c >= 1)
  // is entry c - 1 of Hints; elsewhere the hint is left as the grid made it.
  static void Header_Hint(TDedAdararAdoz* Grid, const TStringList& Hints, int ARow, int ACol,
                          std::string& Hint);
  // The grid of an event: the Sender when it is a grid, the active one when
  // it is the grid's drop-down editor.
  TDedAdararAdoz* Event_Grid(TObject* Sender) const;

 private:
  // Ends an open cell edit, its value written, before a button acts.
  void Commit_Edit() const;

  TTable_Editor& editor_;
  std::vector<std::unique_ptr<TColumn_Grid_View>> views_;
};
