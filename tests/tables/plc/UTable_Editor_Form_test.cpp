// What the editors' windows share: Enter to the next field, the header
// hints, the row selection by its number, the texts of the language in use
// and a damaged file.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "framework/classes/StringList.h"
#include "framework/controls/PageControl.h"
#include "tables/plc/TableFormSupport.h"
#include "tables/plc/UReceiveCAN.h"
#include "tables/plc/US7_Protocol_Set_Access.h"
#include "tables/plc/UTransmitCAN.h"

namespace {

using TEditorFormTest = TTableFormTest;

void Show(TCustomForm* Form, std::function<void()> Steps) {
  TDialogResponder r;
  r.OnModal([Steps](TCustomForm*) { Steps(); });
  Form->ShowModal();
}

TEST_F(TEditorFormTest, EnterGoesToTheNextFieldOnlyWhenTheOptionSaysSo) {
  TRavUvurerEduz* g = FReceiveCAN->ACG_CAN_Receive;
  Show(FReceiveCAN, [&] {
    struct Case {
      int col, row;
      int to_col, to_row;
    };
    // From the last column to the next row; from the last row back to row 1.
    const Case cases[] = {{2, 3, 3, 3}, {14, 3, 1, 4}, {14, 512, 1, 1}};
    Opt_Jump_Field_Tables = true;
    for (const Case& c : cases) {
      Goto(g, c.col, c.row);
      testinput::PressKey(VK_RETURN);
      EXPECT_EQ(g->Col(), c.to_col) << c.col << "," << c.row;
      EXPECT_EQ(g->Row(), c.to_row) << c.col << "," << c.row;
    }
    // A value typed and ended with Enter is kept, and the cursor moves on.
    Type_Cell(g, CAN_Col_Dimension, 2, "8");
    EXPECT_EQ(g->Cells(CAN_Col_Dimension, 2), "8");
    EXPECT_EQ(g->Col(), CAN_Col_Dimension + 1);
    EXPECT_EQ(g->Row(), 2);

    // Without the option the key goes on as it came.
    Opt_Jump_Field_Tables = false;
    char32_t key = 13;
    FReceiveCAN->ACG_CAN_ReceiveKeyPress(g, key);
    EXPECT_EQ(key, 13u);
    Opt_Jump_Field_Tables = true;
    key = 'a';
    FReceiveCAN->ACG_CAN_ReceiveKeyPress(g, key);
    EXPECT_EQ(key, U'a');
  });
}

TEST_F(TEditorFormTest, ADoubleClickOnAHeaderFitsTheColumnWhenTheOptionSaysSo) {
  TRavUvurerEduz* g = FReceiveCAN->ACG_CAN_Receive;
  g->SetCellEx(Receive_Col_Mnemonic, 3, "A description far wider than the column it stands in");
  const int before = g->ColWidths(Receive_Col_Mnemonic);
  // As the grid reports double clicks.
  Opt_Double_Click_Auto_Size = false;
  g->OnDblClickCell(g, 0, Receive_Col_Mnemonic);
  EXPECT_EQ(g->ColWidths(Receive_Col_Mnemonic), before);
  Opt_Double_Click_Auto_Size = true;
  g->OnDblClickCell(g, 3, Receive_Col_Mnemonic);
  EXPECT_EQ(g->ColWidths(Receive_Col_Mnemonic), before);
  g->OnDblClickCell(g, 0, Receive_Col_Mnemonic);
  EXPECT_GT(g->ColWidths(Receive_Col_Mnemonic), before);
}

TEST_F(TEditorFormTest, HeaderHintsComeFromTheGridsOwnList) {
  struct Case {
    TDedAdararAdoz* grid;
    int col;
    const char* hint;
  };
  const Case cases[] = {
      {FS7_Protocol_Set_Access->ACG_S7_Read, 13,
       "Insert the Time between two requests, expressed in milliseconds"},
      {FS7_Protocol_Set_Access->ACG_S7_Write, 14,
       "Enable or Disable the Possibility to Send the Write S7 Request when Data Change"},
      {FReceiveCAN->ACG_CAN_Receive, 5,
       "Insert the TimeOut in milliseconds of data for each CAN frames, insert 0 do disable the function"},
      {FTransmitCAN->ACG_CAN_Transmit, 6,
       "Enable or Disable the possibility to send the CAN Frame by Command"},
  };
  for (const Case& c : cases) {
    std::string hint, wide;
    c.grid->GetCellHint(c.col, 0, hint, wide);
    EXPECT_EQ(hint, c.hint) << c.grid->Name();
    // Over a data cell the hint stays what the grid made it; over the row
    // numbers of the header there is none of the editor's own.
    hint = "cell text";
    c.grid->GetCellHint(c.col, 3, hint, wide);
    EXPECT_EQ(hint, "cell text");
    hint.clear();
    c.grid->GetCellHint(0, 0, hint, wide);
    EXPECT_EQ(hint, "");
  }
  // The read grid shows its cells' texts as hints, the write grid does not.
  EXPECT_TRUE(FS7_Protocol_Set_Access->ACG_S7_Read->HintShowCells());
  EXPECT_FALSE(FS7_Protocol_Set_Access->ACG_S7_Write->HintShowCells());
}

// Resting the mouse on a header shows the column's hint, on a data cell of a
// grid with cell hints that cell's text, as the application shows hints.
TEST_F(TEditorFormTest, TheGridsShowTheirHintsWhenTheMouseRests) {
  TRavUvurerEduz* g = FReceiveCAN->ACG_CAN_Receive;
  Show(FReceiveCAN, [&] {
    g->SetCellEx(Receive_Col_Mnemonic, 2, "Pumpe Süd");
    const auto rest_on = [&](int Col, int Row) {
      const TRect r = g->CellRect(Col, Row);
      testinput::MouseMove(g, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
      clock_.Advance(Application->HintPause());
      THintWindow* w = Application->HintWindow();
      return w != nullptr && w->Active() ? w->HintText() : std::string("(none)");
    };
    EXPECT_EQ(rest_on(5, 0),
              "Insert the TimeOut in milliseconds of data for each CAN frames, insert 0 do disable the function");
    EXPECT_EQ(rest_on(Receive_Col_Mnemonic, 2), "Pumpe Süd");
    EXPECT_EQ(rest_on(Receive_Col_Mnemonic, 3), "(none)");
    Application->CancelHint();
  });
}

// A drag over cells selects the range, in every table grid, and the cells
// are still typed into as before.
TEST_F(TEditorFormTest, ADragOverCellsSelectsTheRangeAndCellsStillTakeTyping) {
  struct Case {
    TCustomForm* form;
    TDedAdararAdoz* grid;
  };
  const Case cases[] = {{FS7_Protocol_Set_Access, FS7_Protocol_Set_Access->ACG_S7_Read},
                        {FReceiveCAN, FReceiveCAN->ACG_CAN_Receive},
                        {FTransmitCAN, FTransmitCAN->ACG_CAN_Transmit}};
  for (const Case& c : cases) {
    TDedAdararAdoz* g = c.grid;
    Show(c.form, [&] {
      const auto centre = [&](int Col, int Row) {
        const TRect r = g->CellRect(Col, Row);
        return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
      };
      const TPoint from = centre(2, 3), over = centre(3, 4), to = centre(4, 5);
      testinput::MouseMove(g, from.X, from.Y);
      testinput::MouseDown(g, from.X, from.Y);
      testinput::MouseMove(g, over.X, over.Y);
      testinput::MouseMove(g, to.X, to.Y);
      testinput::MouseUp(g, to.X, to.Y);
      const TGridRect s = g->Selection();
      EXPECT_EQ(s.Left, 2) << g->Name();
      EXPECT_EQ(s.Top, 3) << g->Name();
      EXPECT_EQ(s.Right, 4) << g->Name();
      EXPECT_EQ(s.Bottom, 5) << g->Name();
      // A click on a cell and typing still edits it.
      const TPoint cell = centre(2, 6);
      testinput::Click(g, cell.X, cell.Y);
      testinput::TypeText("12");
      testinput::PressKey(VK_RETURN);
      testinput::Pump();
      EXPECT_EQ(g->Cells(2, 6), "12") << g->Name();
    });
  }
}

TEST_F(TEditorFormTest, AClickOnARowNumberSelectsThatRowOfTheGridClicked) {
  TRavUvurerEduz* write = FS7_Protocol_Set_Access->ACG_S7_Write;
  // As the grid reports a click.
  write->OnClickCell(write, 7, 0);
  EXPECT_TRUE(write->RowSelect(7));
  EXPECT_EQ(write->Selection().Left, 1);
  EXPECT_EQ(write->Selection().Right, write->ColCount() - 1);
  write->OnClickCell(write, 9, 3);
  EXPECT_TRUE(write->RowSelect(7));
  EXPECT_FALSE(write->RowSelect(9));
}

TEST_F(TEditorFormTest, EveryEditorTakesTheTextsOfTheLanguageInUse) {
  Lang_Table->SetStrings(1200, "Accesso S7comm");
  Lang_Table->SetStrings(1215, "Scrittura S7comm");
  Lang_Table->SetStrings(1710, "Identificatore");
  Lang_Table->SetStrings(1805, "Inserisci riga");
  Lang_Table->SetStrings(1863, "Invio su comando");
  FLumetraFirmWare->Change_Language();
  EXPECT_EQ(FS7_Protocol_Set_Access->Caption(), "Accesso S7comm");
  EXPECT_EQ(FS7_Protocol_Set_Access->TS_S7_Write->Caption(), "Scrittura S7comm");
  EXPECT_EQ(FReceiveCAN->ACG_CAN_Receive->Columns()->GetItem(2)->Header(), "Identificatore");
  EXPECT_EQ(FReceiveCAN->ACG_CAN_Receive->Cells(2, 0), "Identificatore");
  EXPECT_EQ(FTransmitCAN->Btn_InsRow->Caption(), "Inserisci riga");
  EXPECT_EQ(FTransmitCAN->Hint_TransmitCAN->Strings(5), "Invio su comando");
}

TEST_F(TEditorFormTest, ADamagedFileOpensWithTheRowsReadAndIsReplacedOnlyWhenAsked) {
  const std::string damaged =
      "<S7_Protocol><S7_Protocol_Read><row Enable=\"Y\" PLC_Address=\"10.0.0.1\"/></S7_Protocol_Read>"
      "</S7_Protocol>";
  Write_File(Path_S7_Protocol, damaged);
  TDialogResponder r;
  r.AnswerBox(mrOk);  // the load report
  r.AnswerBox(mrNo);  // replace the file?
  r.OnModal([this](TCustomForm* f) {
    auto* form = dynamic_cast<TFS7_Protocol_Set_Access*>(f);
    EXPECT_EQ(form->ACG_S7_Read->Cells(S7_Col_PLC_Address, 1), "");
    Press(form->Btn_OK);
    EXPECT_EQ(form->ModalResult(), mrNone);
  });
  FLumetraFirmWare->Btn_S7_Protocol_Access->Click();
  ASSERT_EQ(r.Boxes().size(), 2u);
  EXPECT_NE(r.Boxes()[0].Text.find("could not be read completely"), std::string::npos);
  EXPECT_EQ(r.Boxes()[1].Icon, diQuestion);
  EXPECT_EQ(Read_File(Path_S7_Protocol), damaged);
}

// Escape and the close box never throw away typed rows without a word: with
// something changed they ask first, and No keeps the editor open with its
// rows; the Cancel button discards, as its hint says. Nothing changed: no
// question. Either way the file stays as it was.
TEST_F(TEditorFormTest, EscapeAndTheCloseBoxAskBeforeChangedRowsAreThrownAway) {
  enum TWay { Escape, Close_Box, Cancel_Button };
  struct Case {
    const char* Name;
    TWay Way;
    bool Change;
    std::vector<int> Answers;  // to the questions, in order
    int Questions;
  };
  const Case cases[] = {
      {"escape, kept then thrown away", Escape, true, {mrNo, mrYes}, 2},
      {"close box, kept then thrown away", Close_Box, true, {mrNo, mrYes}, 2},
      {"escape, nothing changed", Escape, false, {}, 0},
      {"close box, nothing changed", Close_Box, false, {}, 0},
      {"cancel button", Cancel_Button, true, {}, 0},
  };
  Write_File(Path_CAN_Rec_Frames, "<Receive_Frames><row COBID=\"5\"/></Receive_Frames>");
  const std::string before = Read_File(Path_CAN_Rec_Frames);
  for (const Case& c : cases) {
    TDialogResponder r;
    for (int a : c.Answers) r.AnswerBox(a);
    r.OnModal([&](TCustomForm* f) {
      auto* form = dynamic_cast<TFReceiveCAN*>(f);
      TRavUvurerEduz* g = form->ACG_CAN_Receive;
      if (c.Change) {
        Goto(g, 2, 2);
        testinput::TypeText("0x181");
        testinput::PressKey(VK_RETURN);
      }
      const auto close = [&] {
        switch (c.Way) {
          case Escape:
            testinput::PressKey(VK_ESCAPE);
            break;
          case Close_Box:
            SendMessage(form->Handle(), WM_CLOSE, 0, 0);
            break;
          case Cancel_Button:
            Press(form->Btn_Cancel);
            break;
        }
        testinput::Pump();
        if (form->ModalResult() != mrNone) form->CloseModal();
      };
      close();
      if (c.Questions == 2) {
        EXPECT_EQ(form->ModalResult(), mrNone) << c.Name;
        EXPECT_EQ(g->Cells(2, 2), "0x181") << c.Name;
        close();
      }
      EXPECT_EQ(form->ModalResult(), mrCancel) << c.Name;
    });
    FLumetraFirmWare->Btn_CAN_Rec_Frame->Click();
    ASSERT_EQ(static_cast<int>(r.Boxes().size()), c.Questions) << c.Name;
    for (const auto& box : r.Boxes()) {
      EXPECT_EQ(box.Icon, diQuestion) << c.Name;
      EXPECT_EQ(box.Text, Lang_Table->Strings(Text_Discard_Changes)) << c.Name;
    }
    EXPECT_EQ(Read_File(Path_CAN_Rec_Frames), before) << c.Name;
  }
}

// A folder where the table file should be is no missing file: the editor
// says the file cannot be read and asks before OK replaces it; it used to
// open an empty table without a word.
TEST_F(TEditorFormTest, AFolderInPlaceOfTheFileIsReportedNotShownAsAnEmptyTable) {
  std::filesystem::create_directory(Path_CAN_Rec_Frames);
  TDialogResponder r;
  r.AnswerBox(mrOk);  // the load report
  r.AnswerBox(mrNo);  // replace the file?
  r.OnModal([this](TCustomForm* f) {
    Press(dynamic_cast<TFReceiveCAN*>(f)->Btn_OK);
    EXPECT_EQ(f->ModalResult(), mrNone);
  });
  FLumetraFirmWare->Btn_CAN_Rec_Frame->Click();
  ASSERT_EQ(r.Boxes().size(), 2u);
  EXPECT_NE(r.Boxes()[0].Text.find("folder"), std::string::npos) << r.Boxes()[0].Text;
  EXPECT_EQ(r.Boxes()[1].Icon, diQuestion);
  EXPECT_TRUE(std::filesystem::is_directory(Path_CAN_Rec_Frames));
}

}  // namespace
