#include "tables/network/UMQTT_Set_Topic.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/controls/Dialogs.h"
#include "framework/os/Files.h"
#include "tables/network/UTopicTemplate.h"
#include "tests/support/Golden.h"
#include "tests/support/Responder.h"
#include "tests/tables/plc/TableFileSupport.h"

namespace {

using TRow = std::vector<std::string>;

// Topic, Retained, QoS, Data Type, Dimension, Position, IP Address, Input
// Template, Template, OnChange, OnCMD, OnTimer, Time, Channel, Swap, Swap
// Word, Mnemonic.
TRow Publish(const std::string& Topic = "plant/boiler/temp") {
  return {Topic,
          "N",
          "1",
          "Float",
          "4",
          "10",
          "",
          "",
          "{\"t\":$VALUE$}",
          "Y",
          "",
          "N",
          "",
          "",
          "N",
          "N",
          "boiler temperature"};
}
// Topic, Retained, QoS, Data Type, Dimension, Position, IP Address, Port,
// Type, Input Template, Template, Swap, Swap Word, Mnemonic.
TRow Subscribe(const std::string& Topic = "plant/pump/cmd") {
  return {Topic, "", "2", "Int", "2", "0", "", "", "", "", "$VALUE$", "N", "N", "pump command"};
}

// A row of the file: the attributes of the columns the file holds, in
// column order.
TFile_Row File_Row_Of(const TTable_Grid_Format& Format, const TRow& Values) {
  TFile_Row row;
  for (std::size_t k = 0; k < Values.size(); ++k)
    if (Format.Columns[k].Attribute) row.emplace_back(Format.Columns[k].Attribute, Values[k]);
  return row;
}

std::string MQTT_File(const std::vector<TFile_Row>& Pub, const std::vector<TFile_Row>& Sub) {
  return Build_Table_File("MQTT_Set_Topic", "SW_VERSION = 1.000",
                          {{"MQTT_Publish", Pub}, {"MQTT_Subscribe", Sub}});
}

std::vector<std::string> Row_Attributes(const std::string& Path, const char* Section) {
  TXMLDocument doc;
  doc.LoadFromFile(Path);
  const TXMLNode row = doc.ChildNodes(0).FindNode(Section).ChildNodes(0);
  std::vector<std::string> names;
  for (int i = 0; i < row.AttributeCount(); ++i) names.push_back(row.AttributeName(i));
  return names;
}

class MQTTSetTopicTest : public TableEditorTest {
 protected:
  void SetUp() override {
    TableEditorTest::SetUp();
    editor_.Set_Grid(MQTT_Publish_Grid, &pub_);
    editor_.Set_Grid(MQTT_Subscribe_Grid, &sub_);
    Clear();
  }
  void Clear() {
    Clear_Table(pub_, Format(MQTT_Publish_Grid));
    Clear_Table(sub_, Format(MQTT_Subscribe_Grid));
  }
  const TTable_Grid_Format& Format(int Grid) const {
    return MQTT_Set_Topic_File.Grids[static_cast<std::size_t>(Grid)];
  }
  std::optional<std::string> Check() { return editor_.Check_Message(); }
  std::string Error_Row(int Row, int Id, const std::string& Tail = "") const {
    return Text(2351) + std::to_string(Row) + Text(Id) + Tail;
  }

  TMQTT_Set_Topic_Tables editor_;
  TTable_Memory_Grid pub_ = Memory_Grid_For(MQTT_Set_Topic_File.Grids[0]);
  TTable_Memory_Grid sub_ = Memory_Grid_For(MQTT_Set_Topic_File.Grids[1]);
};

TEST_F(MQTTSetTopicTest, TheFileGoesThroughTheTablesByteForByte) {
  // Templates with keywords, texts XML escapes and untrimmed values come back
  // as they were.
  TRow odd = Publish(" a/b ");
  odd[MQTT_Pub_Col_Template - 1] = "<v a=\"$VALUE$\"> & $TIME$ \xC3\xA9";
  odd[MQTT_Pub_Col_OnTimer - 1] = "Y";
  odd[MQTT_Pub_Col_Time - 1] = "0x3E8";
  odd[MQTT_Pub_Col_IP_Address - 1] = "10.0.0.1";
  TRow quiet = Subscribe("x");
  quiet[MQTT_Sub_Col_Port - 1] = "502";
  quiet[MQTT_Sub_Col_Type - 1] = "UDP";
  quiet[MQTT_Sub_Col_Mnemonic - 1] = "";
  const std::string file = MQTT_File({File_Row_Of(Format(0), Publish()), File_Row_Of(Format(0), odd)},
                                     {File_Row_Of(Format(1), Subscribe()), File_Row_Of(Format(1), quiet)});
  Write_File(Path_MQTT_Set_Topic, file);

  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Load_Incomplete());
  EXPECT_EQ(pub_.Row_Values(2), odd);
  EXPECT_EQ(sub_.Row_Values(2), quiet);
  EXPECT_EQ(pub_.GetCellEx(0, MQTT_Table_Rows), "1024");
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_MQTT_Set_Topic), file);

  EXPECT_EQ(
      Row_Attributes(Path_MQTT_Set_Topic, "MQTT_Publish"),
      (std::vector<std::string>{"Topic", "Retained", "QoS", "DataType", "Dimension", "Position", "IPAddress",
                                "InputTemplate", "Template", "OnChange", "OnTimer", "Time", "Mnemonic"}));
  EXPECT_EQ(
      Row_Attributes(Path_MQTT_Set_Topic, "MQTT_Subscribe"),
      (std::vector<std::string>{"Topic", "Retained", "QoS", "DataType", "Dimension", "Position", "IPAddress",
                                "Port", "EthType", "InputTemplate", "Template", "Mnemonic"}));
}

// Rows typed into the tables, with their templates, give the golden file.
TEST_F(MQTTSetTopicTest, TypedRowsGiveTheGoldenFile) {
  pub_.Set_Row(1, Publish());
  TRow timed = Publish("plant/boiler/$ID$/state");
  timed[MQTT_Pub_Col_Template - 1] = "$DATE$;$TIME$;$VALUE$";
  timed[MQTT_Pub_Col_OnTimer - 1] = "Y";
  timed[MQTT_Pub_Col_Time - 1] = "60000";
  pub_.Set_Row(2, timed);
  sub_.Set_Row(1, Subscribe());
  ASSERT_TRUE(editor_.Save_On_OK());
  // Compared in the bytes the XML library writes for the golden document,
  // which its indentation does not change.
  TXMLDocument golden;
  golden.LoadFromXML(Read_File(Golden_Path("tables/network/golden/MQTT_Set_Topic.xml")));
  EXPECT_EQ(Read_File(Path_MQTT_Set_Topic), golden.SaveToXML());
}

TEST_F(MQTTSetTopicTest, MissingAttributesTakeTheirDefaultsAndTheColumnsNotInTheFileNeverReachIt) {
  // A row with only the four attributes without default.
  const TFile_Row bare_pub = {{"Topic", "t1"}, {"Retained", "Y"}, {"QoS", "0"}, {"Mnemonic", "m"}};
  const TFile_Row bare_sub = {{"Mnemonic", "s"}, {"QoS", "1"}, {"Retained", "N"}, {"Topic", "t2"}};
  Write_File(Path_MQTT_Set_Topic, MQTT_File({bare_pub}, {bare_sub}));
  // What a former show left in the columns the file does not hold.
  pub_.SetCellEx(MQTT_Pub_Col_Channel, 1, "7");
  pub_.SetCellEx(MQTT_Pub_Col_OnCMD, 1, "Y");
  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Load_Incomplete());
  EXPECT_EQ(pub_.Row_Values(1),
            (TRow{"t1", "Y", "0", "", "", "", "", "", "", "N", "", "N", "", "", "N", "N", "m"}));
  EXPECT_EQ(sub_.Row_Values(1), (TRow{"t2", "N", "1", "", "", "", "", "", "", "", "", "N", "N", "s"}));

  // Typed into OnCMD, Channel, Swap and Swap Word: gone after OK and the
  // next show.
  TRow typed = Publish();
  typed[MQTT_Pub_Col_OnCMD - 1] = "Y";
  typed[MQTT_Pub_Col_Channel - 1] = "All";
  typed[MQTT_Pub_Col_Swap - 1] = "Y";
  typed[MQTT_Pub_Col_Swap_Word - 1] = "Y";
  pub_.Set_Row(1, typed);
  sub_.Set_Row(1, Subscribe());
  sub_.SetCellEx(MQTT_Sub_Col_Swap, 1, "Y");
  ASSERT_TRUE(editor_.Save_On_OK());
  editor_.Load_Tables();
  EXPECT_EQ(pub_.Row_Values(1), Publish());
  EXPECT_EQ(sub_.GetCellEx(MQTT_Sub_Col_Swap, 1), "N");
}

TEST_F(MQTTSetTopicTest, ARowWithoutAnAttributeWithoutDefaultIsReportedAndOKAsks) {
  const TFile_Row good = File_Row_Of(Format(0), Publish());
  for (const char* missing : {"Topic", "Retained", "QoS", "Mnemonic"}) {
    SCOPED_TRACE(missing);
    TFile_Row row = File_Row_Of(Format(1), Subscribe());
    std::erase_if(row, [&](const auto& a) { return a.first == missing; });
    const std::string file = MQTT_File({good, good}, {row});
    Write_File(Path_MQTT_Set_Topic, file);
    {
      TDialogResponder r;
      r.AnswerBox(mrOk);
      editor_.Load_Tables();
      ASSERT_EQ(r.Boxes().size(), 1u);
      EXPECT_NE(r.Boxes()[0].Text.find(std::string("row 1 has no attribute \"") + missing + "\""),
                std::string::npos);
      EXPECT_NE(r.Boxes()[0].Text.find("MQTT Publish 2, MQTT Subscribe 0"), std::string::npos);
    }
    TDialogResponder r;
    r.AnswerBox(mrNo);
    EXPECT_FALSE(editor_.Save_On_OK());
    EXPECT_EQ(Read_File(Path_MQTT_Set_Topic), file);
  }
}

TEST(MQTTTemplate, AnOddNumberOfDollarsIsAnError) {
  const struct {
    const char* Text;
    bool Error;
  } cases[] = {{"", false},     {"plain", false},  {"$VALUE$", false}, {"$", true},
               {"$a$b$", true}, {"$a$$b$", false}, {"$$$", true},      {"\xE2\x82\xAC$x", true}};
  for (const auto& c : cases) EXPECT_EQ(Error_In_Topic_Template(c.Text), c.Error) << c.Text;
}

// One cell of valid rows changed, and what the check then says (0: both
// tables pass).
struct TCheck_Case {
  int Grid;
  int Col;
  std::string Value;
  int Text;
  std::string Tail = "";
};

TEST_F(MQTTSetTopicTest, CheckMessagesOfWorkingModeOne) {
  const int pub = MQTT_Publish_Grid;
  const int sub = MQTT_Subscribe_Grid;
  const std::vector<TCheck_Case> cases = {
      {pub, MQTT_Pub_Col_Data_Type, "", 2352},
      {pub, MQTT_Pub_Col_Data_Type, " float ", 0},
      {pub, MQTT_Pub_Col_Dimension, "2", 2354},  // Float
      {pub, MQTT_Pub_Col_Dimension, "8", 0},
      {pub, MQTT_Pub_Col_Dimension, "", 2354},
      {pub, MQTT_Pub_Col_Position, "1499", 0},
      {pub, MQTT_Pub_Col_Position, "1500", 2356, "1499"},
      {pub, MQTT_Pub_Col_Position, "", 2356, "1499"},
      {pub, MQTT_Pub_Col_Position, "$5DB", 0},
      {pub, MQTT_Pub_Col_Template, "$a$b$", 2378},
      {pub, MQTT_Pub_Col_Template, "$a$$b$", 0},
      {pub, MQTT_Pub_Col_Time, "junk", 0},  // OnTimer is "N"
      // Hidden in this mode, so not tested.
      {pub, MQTT_Pub_Col_IP_Address, "no address", 0},
      {pub, MQTT_Pub_Col_Input_Template, "$", 0},
      {pub, MQTT_Pub_Col_Channel, "", 0},
      {pub, MQTT_Pub_Col_Mnemonic, "", 0},
      {sub, MQTT_Sub_Col_Data_Type, " ", 2357},
      {sub, MQTT_Sub_Col_Dimension, "3", 2358},  // Int
      {sub, MQTT_Sub_Col_Dimension, "8", 0},
      {sub, MQTT_Sub_Col_Position, "-1", 2361, "1499"},
      {sub, MQTT_Sub_Col_Template, "$$$", 2380},
      {sub, MQTT_Sub_Col_IP_Address, "1.2.3", 0},
      {sub, MQTT_Sub_Col_Port, "70000", 0},
      {sub, MQTT_Sub_Col_Input_Template, "$", 0},
  };
  for (const TCheck_Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.Grid) + "/" + std::to_string(c.Col) + " \"" + c.Value + "\"");
    Clear();
    pub_.Set_Row(1, Publish());
    sub_.Set_Row(1, Subscribe());
    (c.Grid == pub ? pub_ : sub_).SetCellEx(c.Col, 1, c.Value);
    if (c.Text == 0)
      EXPECT_EQ(Check(), std::nullopt);
    else
      EXPECT_EQ(Check(), Error_Row(1, c.Text, c.Tail));
  }
}

TEST_F(MQTTSetTopicTest, DimensionByDataTypeAndTheTimer) {
  const struct {
    const char* Type;
    const char* Dimension;
    const char* OnTimer;
    const char* Time;
    int Text;
  } cases[] = {
      {"Int", "1", "N", "", 0},
      {"int", "2", "N", "", 0},
      {"INT", "4", "N", "", 0},
      {"Int", "8", "N", "", 0},
      {"Int", "3", "N", "", 2353},
      {"Int", "0", "N", "", 2353},
      {"Float", "4", "N", "", 0},
      {"Float", "2", "N", "", 2354},
      {"String", "0", "N", "", 2355},
      {"String", "100", "N", "", 0},
      {"Base64", "-1", "N", "", 2355},
      {"Base64", "1", "N", "", 0},
      {"Float", "4", "Y", "1000000000", 0},
      {"Float", "4", "Y", "0", 2389},
      {"Float", "4", " y ", "", 2389},
      {"Float", "4", "Y", "1000000001", 2389},
      {"Float", "4", "Y", "1", 0},
      {"Float", "4", "N", "0", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Type) + " " + c.Dimension + " " + c.OnTimer + " " + c.Time);
    Clear();
    TRow row = Publish();
    row[MQTT_Pub_Col_Data_Type - 1] = c.Type;
    row[MQTT_Pub_Col_Dimension - 1] = c.Dimension;
    row[MQTT_Pub_Col_OnTimer - 1] = c.OnTimer;
    row[MQTT_Pub_Col_Time - 1] = c.Time;
    pub_.Set_Row(1, row);
    if (c.Text == 0)
      EXPECT_EQ(Check(), std::nullopt);
    else
      EXPECT_EQ(Check(), Error_Row(1, c.Text));
  }
}

// The tests of columns mode 1 hides run when a layout shows them.
TEST_F(MQTTSetTopicTest, ShownColumnsAreTestedInOrder) {
  const TMQTT_Layout all = MQTT_Layout_All_Shown();
  const TMQTT_Layout mode_1 = MQTT_Layout(1);
  EXPECT_FALSE(mode_1.Shown(MQTT_Publish_Grid, MQTT_Pub_Col_OnCMD));
  EXPECT_TRUE(mode_1.Shown(MQTT_Publish_Grid, MQTT_Pub_Col_Retained));
  EXPECT_FALSE(mode_1.Shown(MQTT_Subscribe_Grid, MQTT_Sub_Col_Retained));
  EXPECT_TRUE(mode_1.Shown(MQTT_Subscribe_Grid, MQTT_Sub_Col_Mnemonic));

  pub_.Set_Row(1, Publish());
  sub_.Set_Row(1, Subscribe());
  auto check = [&] { return MQTT_Check_Message(pub_, sub_, 1500, 1500, all); };
  // Empty IP Address and Port fail once shown.
  EXPECT_EQ(check(), Error_Row(1, 2374));
  pub_.SetCellEx(MQTT_Pub_Col_IP_Address, 1, " 192.168.2.167 ");
  pub_.SetCellEx(MQTT_Pub_Col_Input_Template, 1, "$A");
  EXPECT_EQ(check(), Error_Row(1, 2377));
  pub_.SetCellEx(MQTT_Pub_Col_Input_Template, 1, "$A$");
  EXPECT_EQ(check(), Error_Row(1, 2375));
  sub_.SetCellEx(MQTT_Sub_Col_IP_Address, 1, "10.1.2.3");
  EXPECT_EQ(check(), Error_Row(1, 2376));
  sub_.SetCellEx(MQTT_Sub_Col_Port, 1, "65535");
  sub_.SetCellEx(MQTT_Sub_Col_Input_Template, 1, "$");
  EXPECT_EQ(check(), Error_Row(1, 2379));
  sub_.SetCellEx(MQTT_Sub_Col_Input_Template, 1, "");
  EXPECT_EQ(check(), std::nullopt);
  // The data-array sizes name the last position.
  EXPECT_EQ(MQTT_Check_Message(pub_, sub_, 10, 1500, all), Error_Row(1, 2356, "9"));
}

TEST_F(MQTTSetTopicTest, TheWalkEndsAtTheFirstEmptyTopicPublishTableFirst) {
  pub_.Set_Row(1, Publish());
  pub_.Set_Row(2, Publish());
  pub_.SetCellEx(MQTT_Pub_Col_Position, 2, "1500");
  sub_.Set_Row(1, Subscribe());
  sub_.SetCellEx(MQTT_Sub_Col_Position, 1, "1500");
  EXPECT_EQ(Check(), Error_Row(2, 2356, "1499"));
  pub_.SetCellEx(MQTT_Pub_Col_Position, 2, "0");
  EXPECT_EQ(Check(), Error_Row(1, 2361, "1499"));
  sub_.SetCellEx(MQTT_Sub_Col_Position, 1, "0");
  EXPECT_EQ(Check(), std::nullopt);

  // A blank Topic above rows that hold values refuses OK, naming the row.
  pub_.SetCellEx(MQTT_Pub_Col_Topic, 1, "  ");
  EXPECT_EQ(Check(),
            Text(2351) +
                "1!! [MQTT Publish] Topic is empty, but this row or rows below it hold values, which "
                "would not be saved: fill it or delete the row");
  TDialogResponder r;
  r.AnswerBox(mrOk);
  EXPECT_FALSE(editor_.Save_On_OK());
  EXPECT_FALSE(FileExists(Path_MQTT_Set_Topic));
}

TEST_F(MQTTSetTopicTest, RowCommandsWorkOnTheTableOfTheirPage) {
  for (int r = 1; r <= 3; ++r) pub_.Set_Row(r, Publish("t" + std::to_string(r)));
  sub_.Set_Row(1, Subscribe());
  TDialogResponder r;
  // Insert on the publish page leaves the subscribe table, and presets
  // nothing in the new row.
  EXPECT_TRUE(editor_.Insert_Row(MQTT_Publish_Grid, 1));
  EXPECT_EQ(pub_.Row_Values(1), TRow(17, ""));
  EXPECT_EQ(pub_.GetCellEx(MQTT_Pub_Col_Topic, 4), "t3");
  EXPECT_EQ(sub_.Row_Values(1), Subscribe());
  // Delete asks with the editor's text and the row number.
  r.AnswerBox(mrYes);
  EXPECT_TRUE(editor_.Delete_Row(MQTT_Publish_Grid, 1));
  EXPECT_EQ(r.Boxes().at(0).Text, Text(2323) + "1");
  EXPECT_EQ(pub_.GetCellEx(MQTT_Pub_Col_Topic, 1), "t1");
  // A row copied on one page pastes only there.
  editor_.Copy_Row(MQTT_Subscribe_Grid, 1);
  EXPECT_TRUE(editor_.Do_Copy_Sub());
  EXPECT_FALSE(editor_.Do_Copy_Pub());
  r.AnswerBox(mrOk);
  EXPECT_FALSE(editor_.Paste_Row(MQTT_Publish_Grid, 5));
  EXPECT_EQ(r.Boxes().at(1).Text, Text(1102));
  EXPECT_TRUE(editor_.Paste_Row(MQTT_Subscribe_Grid, 2));
  EXPECT_EQ(sub_.Row_Values(2), Subscribe());
  // A new show forgets the copy.
  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Do_Copy_Sub());
  EXPECT_EQ(editor_.Working_Mode, 1);
  EXPECT_EQ(editor_.Byte_IN, 1500);
}

TEST(MQTTTopicCell, TheTemplateEditorTakesTheCellAndGivesItBackOnOK) {
  TTable_Memory_Grid sub = Memory_Grid_For(MQTT_Set_Topic_File.Grids[1]);
  sub.SetCellEx(MQTT_Sub_Col_Template, 3, "$VALUE$");
  std::vector<TTopic_Template_Request> seen;
  auto answer = [&](std::optional<std::string> Text) {
    return [&seen, Text](const TTopic_Template_Request& R) {
      seen.push_back(R);
      return Text;
    };
  };
  EXPECT_EQ(MQTT_Template_Col(MQTT_Publish_Grid), MQTT_Pub_Col_Template);
  EXPECT_EQ(MQTT_Template_Col(MQTT_Subscribe_Grid), MQTT_Sub_Col_Template);

  // Cancel keeps the cell.
  EXPECT_FALSE(Edit_Topic_Cell(sub, MQTT_Subscribe_Grid, MQTT_Sub_Col_Template, 3, 1, answer(std::nullopt)));
  EXPECT_EQ(sub.GetCellEx(MQTT_Sub_Col_Template, 3), "$VALUE$");
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].TopicTemplate, 1);
  EXPECT_EQ(seen[0].Pub_Sub, 1);
  EXPECT_EQ(seen[0].Working_Mode, 1);
  EXPECT_EQ(seen[0].Text, "$VALUE$");
  // OK takes the text unchecked: an odd "$" waits for the tables' OK.
  EXPECT_TRUE(Edit_Topic_Cell(sub, MQTT_Subscribe_Grid, MQTT_Sub_Col_Template, 3, 1, answer("a\r\n$b")));
  EXPECT_EQ(sub.GetCellEx(MQTT_Sub_Col_Template, 3), "a\r\n$b");
  // An empty editor empties the cell; another column opens it as a topic.
  EXPECT_TRUE(Edit_Topic_Cell(sub, MQTT_Publish_Grid, MQTT_Sub_Col_Template, 3, 1, answer("")));
  EXPECT_EQ(sub.GetCellEx(MQTT_Sub_Col_Template, 3), "");
  EXPECT_EQ(seen[2].TopicTemplate, 0);
  EXPECT_EQ(seen[2].Pub_Sub, 0);
}

TEST(TopicTemplate, CaptionsAndTheEmptyLegend) {
  EXPECT_EQ(Topic_Template_Captions(1).Caption, 2401);
  EXPECT_EQ(Topic_Template_Captions(1).Desc, 2403);
  EXPECT_EQ(Topic_Template_Captions(-3).Caption, 2401);
  EXPECT_EQ(Topic_Template_Captions(0).Caption, 2400);
  EXPECT_EQ(Topic_Template_Captions(0).Desc, 2402);

  EXPECT_TRUE(Topic_Keywords(1, 0).empty());
  const std::vector<TTopic_Keyword> legend = Keyword_Legend_Rows(Topic_Keywords(1, 1));
  ASSERT_EQ(legend.size(), 1u);
  EXPECT_EQ(legend[0].Keyword, "");
  EXPECT_EQ(legend[0].Description, "");
  const std::vector<TTopic_Keyword> two = {{"$VALUE$", "value"}, {"$TIME$", "time"}};
  EXPECT_EQ(Keyword_Legend_Rows(two).size(), 2u);
  EXPECT_EQ(Keyword_Legend_Rows(two)[1].Keyword, "$TIME$");
}

}  // namespace
