// The MQTT topic editor and the topic template editor in their windows: rows
// typed on both pages and saved, a template edited in its own window, and a
// file that Cancel, a refused table or a damaged file leave as it was.
#include <gtest/gtest.h>

#include "framework/controls/ComCtrls.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StdCtrls.h"
#include "tables/network/UMQTT_Set_Topic.h"
#include "tables/network/UTopicTemplate.h"
#include "tables/plc/TableFormSupport.h"

namespace {

class TMQTTFormTest : public TTableFormTest {
 protected:
  // The grid's columns are addressed by their real index: the hidden ones
  // are skipped on screen.
  static int Shown_Col(TDedAdararAdoz* Grid, int Real_Col) { return Grid->DisplColIndexOf(Real_Col); }
  static void Type_Real(TDedAdararAdoz* Grid, int Real_Col, int Row, const std::string& Text) {
    Type_Cell(Grid, Shown_Col(Grid, Real_Col), Row, Text);
  }
  void Pick_Real(TDedAdararAdoz* Grid, int Real_Col, int Row, const std::string& Letters) {
    Pick_Cell(Grid, Shown_Col(Grid, Real_Col), Row, Letters);
  }
  // A check box cell ticked from the keyboard.
  static void Tick_Real(TDedAdararAdoz* Grid, int Real_Col, int Row) {
    Goto(Grid, Shown_Col(Grid, Real_Col), Row);
    testinput::PressKey(VK_SPACE);
    testinput::Pump();
  }
  // Double clicks the cell as the user does.
  static void Double_Click_Real(TDedAdararAdoz* Grid, int Real_Col, int Row) {
    Goto(Grid, Shown_Col(Grid, Real_Col), Row);
    const TRect r = Grid->CellRect(Shown_Col(Grid, Real_Col), Row);
    testinput::DoubleClick(Grid, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    testinput::Pump();
  }
  // Opens the editor from its step, runs Steps in it.
  static void Open(TDialogResponder& R, std::function<void(TFMQTT_Set_Topic*)> Steps) {
    R.OnModal([Steps](TCustomForm* f) {
      auto* form = dynamic_cast<TFMQTT_Set_Topic*>(f);
      ASSERT_NE(form, nullptr);
      Steps(form);
    });
    FLumetraFirmWare->Btn_Click(FLumetraFirmWare->Btn_MQTT_Set_Topic);
  }
  static std::string File_Of(const std::string& Publish, const std::string& Subscribe) {
    return "<MQTT_Set_Topic><MQTT_Publish>" + Publish + "</MQTT_Publish><MQTT_Subscribe>" + Subscribe +
           "</MQTT_Subscribe></MQTT_Set_Topic><!--SW_VERSION = 1.000-->";
  }
};

const char* const Publish_Row =
    "<row Topic=\"Anlage/Kessel/Température\" Retained=\"Y\" QoS=\"1\" DataType=\"Float\" Dimension=\"4\" "
    "Position=\"10\" IPAddress=\"\" InputTemplate=\"\" Template=\"{&quot;t&quot;:$VALUE$}\" OnChange=\"N\" "
    "OnTimer=\"Y\" Time=\"60000\" Mnemonic=\"Kessel Température\"/>";
const char* const Subscribe_Row =
    "<row Topic=\"plant/pump/cmd\" Retained=\"\" QoS=\"2\" DataType=\"Int\" Dimension=\"2\" Position=\"0\" "
    "IPAddress=\"\" Port=\"\" EthType=\"\" InputTemplate=\"\" Template=\"$VALUE$\" Mnemonic=\"насос\"/>";

TEST_F(TMQTTFormTest, RowsTypedOnBothPagesAreSavedAndShownAgain) {
  TDialogResponder r;
  Open(r, [this](TFMQTT_Set_Topic* form) {
    // Working mode 1: six publish and seven subscribe columns hidden, both
    // tabs shown, the publish page first.
    EXPECT_EQ(form->ACG_Pub->ColCount(), MQTT_Pub_Col_Count - 6);
    EXPECT_EQ(form->ACG_Sub->ColCount(), MQTT_Sub_Col_Count - 7);
    EXPECT_TRUE(form->ACG_Pub->IsHiddenColumn(MQTT_Pub_Col_OnCMD));
    EXPECT_TRUE(form->ACG_Sub->IsHiddenColumn(MQTT_Sub_Col_Retained));
    EXPECT_FALSE(form->ACG_Sub->IsHiddenColumn(MQTT_Sub_Col_QoS));
    EXPECT_TRUE(form->TS_MQTT_Subscribe->TabVisible());
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TS_MQTT_Publish);
    EXPECT_EQ(form->ACG_Pub->RowCount(), MQTT_Table_Rows + 1);

    TRavUvurerEduz* pub = form->ACG_Pub;
    Type_Real(pub, MQTT_Pub_Col_Topic, 1, "Anlage/Kessel/Température");
    Tick_Real(pub, MQTT_Pub_Col_Retained, 1);
    Pick_Real(pub, MQTT_Pub_Col_QoS, 1, "1");
    Pick_Real(pub, MQTT_Pub_Col_Data_Type, 1, "F");
    Type_Real(pub, MQTT_Pub_Col_Dimension, 1, "4");
    Type_Real(pub, MQTT_Pub_Col_Position, 1, "10");
    Type_Real(pub, MQTT_Pub_Col_Template, 1, "{\"t\":$VALUE$}");
    Tick_Real(pub, MQTT_Pub_Col_OnChange, 1);
    Tick_Real(pub, MQTT_Pub_Col_OnChange, 1);
    Tick_Real(pub, MQTT_Pub_Col_OnTimer, 1);
    Type_Real(pub, MQTT_Pub_Col_Time, 1, "60000");
    Type_Real(pub, MQTT_Pub_Col_Mnemonic, 1, "Kessel Température");

    form->PageControl1->SetActivePage(form->TS_MQTT_Subscribe);
    TRavUvurerEduz* sub = form->ACG_Sub;
    Type_Real(sub, MQTT_Sub_Col_Topic, 1, "plant/pump/cmd");
    Pick_Real(sub, MQTT_Sub_Col_QoS, 1, "2");
    Pick_Real(sub, MQTT_Sub_Col_Data_Type, 1, "I");
    Type_Real(sub, MQTT_Sub_Col_Dimension, 1, "2");
    Type_Real(sub, MQTT_Sub_Col_Position, 1, "0");
    Type_Real(sub, MQTT_Sub_Col_Template, 1, "$VALUE$");
    Type_Real(sub, MQTT_Sub_Col_Mnemonic, 1, "насос");
    Press(form->Btn_OK);
    EXPECT_EQ(form->ModalResult(), mrOk);
  });
  ASSERT_EQ(r.ModalForms().size(), 1u);
  EXPECT_TRUE(r.Boxes().empty());
  EXPECT_EQ(Read_File(Path_MQTT_Set_Topic), File_Of(Publish_Row, Subscribe_Row));

  // The next showing displays the file; the columns the file does not hold
  // come back cleared.
  TDialogResponder again;
  Open(again, [this](TFMQTT_Set_Topic* form) {
    EXPECT_EQ(form->ACG_Pub->GetCellEx(MQTT_Pub_Col_Mnemonic, 1), "Kessel Température");
    EXPECT_EQ(form->ACG_Pub->GetCellEx(MQTT_Pub_Col_Channel, 1), "");
    EXPECT_EQ(form->ACG_Pub->GetCellEx(MQTT_Pub_Col_OnCMD, 1), "");
    EXPECT_EQ(form->ACG_Pub->GetCellEx(MQTT_Pub_Col_Swap, 1), "N");
    EXPECT_EQ(form->ACG_Sub->GetCellEx(MQTT_Sub_Col_Swap_Word, 1), "N");
    EXPECT_EQ(form->ACG_Sub->GetCellEx(MQTT_Sub_Col_Mnemonic, 1), "насос");
    EXPECT_EQ(form->ACG_Sub->GetCellEx(MQTT_Sub_Col_Topic, 2), "");
    Press(form->Btn_Cancel);
  });
}

TEST_F(TMQTTFormTest, ATemplateIsEditedInItsOwnWindowAndTakenBackOnOK) {
  Write_File(Path_MQTT_Set_Topic, File_Of(Publish_Row, Subscribe_Row));
  // A language change names the window "Set Topic"; a template cell still
  // opens it as "Set Template".
  Lang_Table->SetStrings(2400, "Topic");
  Lang_Table->SetStrings(2405, "Schlüsselwort");
  FLumetraFirmWare->Change_Language();
  EXPECT_EQ(FTopicTemplate->Caption(), "Topic");
  TDialogResponder r;
  r.AnswerBox(mrOk);
  Open(r, [&r, this](TFMQTT_Set_Topic* form) {
    TRavUvurerEduz* sub = form->ACG_Sub;
    form->PageControl1->SetActivePage(form->TS_MQTT_Subscribe);
    r.OnModal([](TCustomForm* f) {
      TFTopicTemplate* t = FTopicTemplate;
      ASSERT_EQ(f, t);
      EXPECT_EQ(t->Caption(), "Set Template");
      EXPECT_EQ(t->L_SW_Desc->Caption(), "Set Template");
      EXPECT_EQ(t->Pub_Sub, 1);
      EXPECT_NE(t->TopicTemplate, 0);
      EXPECT_EQ(t->RE_TopicTemplate->Text(), "$VALUE$");
      // The empty legend: its header, one row, the description read-only.
      EXPECT_EQ(t->DUD_Keywords->RowCount(), 2);
      EXPECT_EQ(t->DUD_Keywords->Cells(0, 0), "Schlüsselwort");
      EXPECT_EQ(t->DUD_Keywords->Cells(0, 1), "");
      EXPECT_TRUE(t->DUD_Keywords->GetCellProperties(1, 1)->ReadOnly());
      EXPECT_FALSE(t->DUD_Keywords->GetCellProperties(0, 1)->ReadOnly());
      EXPECT_TRUE(t->RE_TopicTemplate->Focused());
      // An odd number of "$" is taken back as it is; only OK of the tables
      // refuses it.
      testinput::PressKey(VK_END, {ssCtrl});
      testinput::TypeText(" °C $UNIT");
      t->Btn_OK->Click();
      testinput::Pump();
    });
    Double_Click_Real(sub, MQTT_Sub_Col_Template, 1);
    EXPECT_EQ(sub->GetCellEx(MQTT_Sub_Col_Template, 1), "$VALUE$ °C $UNIT");

    // Cancel leaves the cell as it was.
    r.OnModal([](TCustomForm*) {
      testinput::TypeText("lost");
      FTopicTemplate->Btn_Cancel->Click();
      testinput::Pump();
    });
    Double_Click_Real(sub, MQTT_Sub_Col_Template, 1);
    EXPECT_EQ(sub->GetCellEx(MQTT_Sub_Col_Template, 1), "$VALUE$ °C $UNIT");

    // A double click on the header while the current cell is a template
    // opens the current row's; an empty editor empties the cell on OK.
    sub->SetCellEx(MQTT_Sub_Col_Template, 2, "$TIME$");
    r.OnModal([](TCustomForm*) {
      EXPECT_EQ(FTopicTemplate->RE_TopicTemplate->Text(), "$TIME$");
      FTopicTemplate->RE_TopicTemplate->SetText("");
      FTopicTemplate->Btn_OK->Click();
      testinput::Pump();
    });
    Goto(sub, Shown_Col(sub, MQTT_Sub_Col_Template), 2);
    sub->OnDblClickCell(sub, 0, Shown_Col(sub, MQTT_Sub_Col_Topic));
    EXPECT_EQ(sub->GetCellEx(MQTT_Sub_Col_Template, 2), "");
    EXPECT_EQ(sub->GetCellEx(MQTT_Sub_Col_Template, 1), "$VALUE$ °C $UNIT");

    // A double click elsewhere opens nothing.
    Double_Click_Real(sub, MQTT_Sub_Col_Mnemonic, 1);
    Press(form->Btn_OK);
    EXPECT_EQ(form->ModalResult(), mrNone);
    Press(form->Btn_Cancel);
  });
  EXPECT_EQ(r.ModalForms().size(), 4u);
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Text, "Error row 1!! [MQTT Subscribe] Template not Correct, Check the Keywords");
  EXPECT_EQ(Read_File(Path_MQTT_Set_Topic), File_Of(Publish_Row, Subscribe_Row));
}

TEST_F(TMQTTFormTest, CancelAndARefusedTableLeaveTheFileByteForByte) {
  // Laid out by hand, attributes in another order: it loads the same and is
  // kept as it is.
  const std::string file =
      "<MQTT_Set_Topic>\r\n  <MQTT_Publish>\r\n    <row Mnemonic=\"m\" Topic=\"a/b\" Retained=\"N\" "
      "QoS=\"0\" "
      "DataType=\"Int\" Dimension=\"2\" Position=\"1499\"/>\r\n  </MQTT_Publish>\r\n  <MQTT_Subscribe/>\r\n"
      "</MQTT_Set_Topic>\r\n";
  Write_File(Path_MQTT_Set_Topic, file);
  TDialogResponder r;
  r.AnswerBox(mrOk);
  Open(r, [this](TFMQTT_Set_Topic* form) {
    TRavUvurerEduz* pub = form->ACG_Pub;
    EXPECT_EQ(pub->GetCellEx(MQTT_Pub_Col_Position, 1), "1499");
    EXPECT_EQ(pub->GetCellEx(MQTT_Pub_Col_OnChange, 1), "N");
    Type_Real(pub, MQTT_Pub_Col_Position, 1, "1500");
    Press(form->Btn_OK);
    EXPECT_EQ(form->ModalResult(), mrNone);
    Press(form->Btn_Cancel);
    EXPECT_EQ(form->ModalResult(), mrCancel);
  });
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Text, "Error row 1!! [MQTT Publish] Position must be beetween 0 and 1499");
  EXPECT_EQ(r.Boxes()[0].Icon, diError);
  EXPECT_EQ(Read_File(Path_MQTT_Set_Topic), file);

  TDialogResponder again;
  Open(again, [this](TFMQTT_Set_Topic* form) {
    EXPECT_EQ(form->ACG_Pub->GetCellEx(MQTT_Pub_Col_Position, 1), "1499");
    Type_Real(form->ACG_Pub, MQTT_Pub_Col_Topic, 2, "c/d");
    Press(form->Btn_Cancel);
  });
  EXPECT_EQ(Read_File(Path_MQTT_Set_Topic), file);
}

TEST_F(TMQTTFormTest, ADamagedFileIsReportedAndNotReplacedWithoutAsking) {
  struct Case {
    const char* name;
    std::string file;
    int rows_shown;
  };
  const Case cases[] = {
      {"does not parse", "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"a\"", 0},
      {"row without Mnemonic",
       File_Of(std::string("<row Topic=\"a\" Retained=\"N\" QoS=\"0\" DataType=\"Int\" Dimension=\"2\" "
                           "Position=\"0\" Mnemonic=\"\"/><row Topic=\"b\" Retained=\"N\" QoS=\"0\"/>"),
               ""),
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Write_File(Path_MQTT_Set_Topic, c.file);
    TDialogResponder r;
    r.AnswerBox(mrOk);  // the load report
    r.AnswerBox(mrNo);  // OK: replace the file read in part?
    Open(r, [&](TFMQTT_Set_Topic* form) {
      EXPECT_EQ(form->Tables.Load_Incomplete(), true);
      EXPECT_EQ(Table_Length(form->Tables.Grid(MQTT_Publish_Grid), MQTT_Set_Topic_File.Grids[0]),
                c.rows_shown);
      Press(form->Btn_OK);
      EXPECT_EQ(form->ModalResult(), mrNone);
      Press(form->Btn_Cancel);
    });
    ASSERT_EQ(r.Boxes().size(), 2u);
    EXPECT_EQ(r.Boxes()[0].Icon, diError);
    EXPECT_NE(r.Boxes()[0].Text.find("MQTT_Set_Topic.xml"), std::string::npos);
    EXPECT_EQ(r.Boxes()[1].Icon, diQuestion);
    EXPECT_EQ(Read_File(Path_MQTT_Set_Topic), c.file);
  }
}

TEST_F(TMQTTFormTest, TextsFollowTheLanguageAndRowCommandsTheirPage) {
  Lang_Table->SetStrings(2334, "Abonnieren");
  Lang_Table->SetStrings(2338, "Größe");
  Lang_Table->SetStrings(2372, "TCP oder UDP");
  FLumetraFirmWare->Change_Language();
  TFMQTT_Set_Topic* form = FMQTT_Set_Topic;
  EXPECT_EQ(form->Caption(), "Set MQTT Topics");
  EXPECT_EQ(form->TS_MQTT_Subscribe->Caption(), "Abonnieren");
  EXPECT_EQ(form->ACG_Pub->Columns()->GetItem(MQTT_Pub_Col_Dimension)->Header(), "Größe");
  EXPECT_EQ(form->Btn_PasteRow->Hint(), "Paste the Copied Fields in the Selected Row");
  EXPECT_EQ(form->ClientWidth(), 1100);
  EXPECT_EQ(FTopicTemplate->ClientWidth(), 635);

  TDialogResponder r;
  Open(r, [this](TFMQTT_Set_Topic* form) {
    // Hints by real column, over the hidden ones too.
    struct Case {
      TDedAdararAdoz* grid;
      int real_col;
      const char* hint;
    };
    const Case cases[] = {{form->ACG_Pub, MQTT_Pub_Col_Template, "Insert the Template"},
                          {form->ACG_Pub, MQTT_Pub_Col_Mnemonic, "Description of MQTT Topic"},
                          {form->ACG_Sub, MQTT_Sub_Col_Position, "Insert the Index of Internal Data Array"}};
    for (const Case& c : cases) {
      std::string hint, wide;
      c.grid->GetCellHint(Shown_Col(c.grid, c.real_col), 0, hint, wide);
      EXPECT_EQ(hint, c.hint);
    }

    Type_Real(form->ACG_Pub, MQTT_Pub_Col_Topic, 1, "p/1");
    form->PageControl1->SetActivePage(form->TS_MQTT_Subscribe);
    Type_Real(form->ACG_Sub, MQTT_Sub_Col_Topic, 1, "s/1");
    form->PageControl1->SetActivePage(form->TS_MQTT_Publish);
    Goto(form->ACG_Pub, 1, 1);
    Press(form->Btn_InsRow);
    EXPECT_EQ(form->ACG_Pub->GetCellEx(MQTT_Pub_Col_Topic, 2), "p/1");
    EXPECT_EQ(form->ACG_Sub->GetCellEx(MQTT_Sub_Col_Topic, 1), "s/1");
    EXPECT_EQ(form->ACG_Sub->GetCellEx(MQTT_Sub_Col_Topic, 2), "");
    Press(form->Btn_Cancel);
  });
}

}  // namespace
