#include "tables/plc/UProfibus_GSD.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <string>
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/controls/Dialogs.h"
#include "framework/os/Files.h"
#include "framework/rtl/StrUtils.h"
#include "tests/support/Golden.h"
#include "tests/support/Responder.h"
#include "tests/tables/plc/TableFileSupport.h"

namespace {

using TLines = std::vector<std::string>;

TLines GSD_Lines(int NB_In, int NB_Out) {
  GSD_NB_In = NB_In;
  GSD_NB_Out = NB_Out;
  TStringList lines;
  Build_GSD_Lines(lines);
  return lines.ToVector();
}

// The lines from the module definitions' frame (after its empty line) to
// the end of the slot definition.
TLines Modules_And_Slots(const TLines& Lines) {
  std::size_t i = 0;
  while (i < Lines.size() && Lines[i].find("Module-Definition-List") == std::string::npos) ++i;
  TLines out;
  for (i += 3; i < Lines.size() && Lines[i] != "EndSlotDefinition"; ++i) out.push_back(Lines[i]);
  return out;
}

std::string Line_Starting(const TLines& Lines, const std::string& Start) {
  for (const std::string& line : Lines)
    if (line.rfind(Start, 0) == 0) return line;
  return "<none>";
}

// The worked example: 100 bytes sent by the slave, 10 received. The header
// box holds a character beyond ASCII, written as its one Windows-1252 byte.
TEST(ProfibusGSD, TheWorkedExampleGivesTheGoldenFile) {
  TScratchDir dir;
  GSD_NB_In = 10;
  GSD_NB_Out = 100;
  const std::string path = dir.Path() + "/device.gsd";
  Write_GSD_File(path);
  const std::string bytes = Read_File(path);
  EXPECT_TRUE(Matches_Golden("tables/plc/golden/dv30402.gsd", bytes));
  EXPECT_NE(bytes.find("Forl\xEC"), std::string::npos);
}

TEST(ProfibusGSD, TheHeaderBoxAndFramesHaveTheirWidths) {
  const TLines lines = GSD_Lines(0, 0);
  ASSERT_GT(lines.size(), 26u);
  // Every line of the box is 85 characters, the vendor's lines too.
  for (std::size_t i = 1; i <= 20; ++i) EXPECT_EQ(Utf8Length(lines[i]), 85) << i << ": " << lines[i];
  EXPECT_EQ(lines[2], ";* " + std::string(80, '=') + " *");
  EXPECT_EQ(lines[3], ";*" + std::string(82, ' ') + "*");
  EXPECT_EQ(lines[4].substr(0, 19), ";* Vendor:   Korvel");
  for (std::size_t i = 5; i <= 10; ++i) EXPECT_EQ(lines[i].substr(0, 13), ";*           ") << i;
  for (const auto& [title, width] :
       std::vector<std::pair<std::string, int>>{{"Prm-Text-Def-List", 85},
                                                {"Ext-User-Prm-Data-Def-List", 86},
                                                {"General DP Keywords", 86},
                                                {"Supported baudrates", 79},
                                                {"Slave specific values", 79},
                                                {"Module-Definition-List", 79}}) {
    const std::string line = Line_Starting(lines, ";==== " + title + " ");
    EXPECT_EQ(static_cast<int>(line.size()), width) << title;
    EXPECT_EQ(line.back(), '=') << title;
  }
}

TEST(ProfibusGSD, ModulesAndSlotsFollowTheByteCounts) {
  struct Case {
    int In, Out;  // GSD_NB_In, GSD_NB_Out
    TLines Expected;
  };
  const std::vector<Case> cases = {
      {0, 0, {"", "", "", "SlotDefinition"}},
      {-5, -1, {"", "", "", "SlotDefinition"}},
      {0,
       64,
       {"Module=\"DI  (PORT1)    \" 0x42,0x3F,0x00,0x01", "1", "EndModule", "", "", "", "SlotDefinition",
        "Slot(1) = \"Slot 1\" 1 1"}},
      {0,
       65,
       {"Module=\"DI  (PORT1)    \" 0x42,0x3F,0x00,0x01", "1", "EndModule",
        "Module=\"DI  (PORT2)    \" 0x42,0x00,0x00,0x02", "2", "EndModule", "", "", "", "SlotDefinition",
        "Slot(1) = \"Slot 1\" 1 1", "Slot(2) = \"Slot 2\" 2 2"}},
      {0,
       128,
       {"Module=\"DI  (PORT1)    \" 0x42,0x3F,0x00,0x01", "1", "EndModule",
        "Module=\"DI  (PORT2)    \" 0x42,0x3F,0x00,0x02", "2", "EndModule", "", "", "", "SlotDefinition",
        "Slot(1) = \"Slot 1\" 1 1", "Slot(2) = \"Slot 2\" 2 2"}},
      // Only output bytes: the first output module is number 1.
      {10,
       0,
       {"Module=\"DO  (PORT1)    \" 0x82,0x09,0x00,0x01", "1", "EndModule", "", "", "", "SlotDefinition",
        "Slot(1) = \"Slot 1\" 1 1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.In) + "/" + std::to_string(c.Out));
    EXPECT_EQ(Modules_And_Slots(GSD_Lines(c.In, c.Out)), c.Expected);
  }
  const TLines many = GSD_Lines(64 * 20, 0);
  EXPECT_EQ(Line_Starting(many, "Module=\"DO  (PORT20)"), "Module=\"DO  (PORT20)    \" 0x82,0x3F,0x00,0x14");
  EXPECT_EQ(Line_Starting(many, "Max_Module="), "Max_Module=20");
  EXPECT_EQ(Line_Starting(many, "Max_Data_Len="), "Max_Data_Len=1280");
}

class CreateGSDTest : public TableEditorTest {
 protected:
  void Write_ParGen(const std::string& Children) {
    Write_File(Path_ParGen, "<Par_Gen>" + Children + "</Par_Gen>");
  }
};

TEST_F(CreateGSDTest, WithoutCommunicationParametersNothingIsAsked) {
  TDialogResponder r;
  r.AnswerBox(mrOk);
  Create_GSD_File();
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Text, Text(1104));
  EXPECT_EQ(r.Boxes()[0].Icon, diError);
  EXPECT_TRUE(r.FileDialogs().empty());
}

TEST_F(CreateGSDTest, TheCountsComeFromTheCommunicationParameters) {
  struct Case {
    std::string Children;
    int In, Out;
  };
  const std::vector<Case> cases = {
      {"<PROFINET_NB_IN>10</PROFINET_NB_IN><PROFINET_NB_OUT>100</PROFINET_NB_OUT>", 10, 100},
      {"<PROFINET_NB_IN>$20</PROFINET_NB_IN><PROFINET_NB_OUT>0x41</PROFINET_NB_OUT>", 32, 65},
      {"<PROFINET_NB_IN>ten</PROFINET_NB_IN>", 0, 0},
      // What the communication parameters form of this model writes.
      {"<IP_Address>192.168.2.205</IP_Address>", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Children);
    GSD_NB_In = GSD_NB_Out = 99;
    Write_ParGen(c.Children);
    TDialogResponder r;
    r.AnswerFile("");  // Cancel: nothing is written
    Create_GSD_File();
    EXPECT_EQ(GSD_NB_In, c.In);
    EXPECT_EQ(GSD_NB_Out, c.Out);
  }
}

// ParGen.xml is read as every project file is: by its root element, so a
// declaration or a comment before it no longer reads as counts of 0.
TEST_F(CreateGSDTest, ADeclarationBeforeTheRootIsPassedOver) {
  Write_File(Path_ParGen,
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- plant 4 -->\n<Par_Gen><PROFINET_NB_IN>10"
             "</PROFINET_NB_IN><PROFINET_NB_OUT>100</PROFINET_NB_OUT></Par_Gen>");
  TDialogResponder r;
  r.AnswerFile("");
  Create_GSD_File();
  EXPECT_EQ(GSD_NB_In, 10);
  EXPECT_EQ(GSD_NB_Out, 100);
}

// Counts past what the slave can carry (the communication parameters'
// range, 0 to 244) are refused with the form's own texts, before any
// dialog; so is a ParGen.xml that cannot be read.
TEST_F(CreateGSDTest, CountsPastTheSlavesAndUnreadableFilesWriteNothing) {
  struct Case {
    std::string Children;
    int Text;
  };
  const std::vector<Case> cases = {
      {"<PROFINET_NB_IN>245</PROFINET_NB_IN>", 477},
      {"<PROFINET_NB_IN>2147483647</PROFINET_NB_IN>", 477},
      {"<PROFINET_NB_OUT>-1</PROFINET_NB_OUT>", 478},
      {"<PROFINET_NB_IN>244</PROFINET_NB_IN><PROFINET_NB_OUT>1000000</PROFINET_NB_OUT>", 478},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Children);
    Write_ParGen(c.Children);
    TDialogResponder r;
    r.AnswerBox(mrOk);
    Create_GSD_File();
    ASSERT_EQ(r.Boxes().size(), 1u);
    EXPECT_EQ(r.Boxes()[0].Text, Text(c.Text));
    EXPECT_EQ(r.Boxes()[0].Icon, diError);
    EXPECT_TRUE(r.FileDialogs().empty());
  }
  std::filesystem::remove(Path_ParGen);
  std::filesystem::create_directory(Path_ParGen);
  TDialogResponder r;
  r.AnswerBox(mrOk);
  Create_GSD_File();
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_NE(r.Boxes()[0].Text.find("folder"), std::string::npos) << r.Boxes()[0].Text;
  EXPECT_TRUE(r.FileDialogs().empty());
}

TEST_F(CreateGSDTest, TheChosenNameEndsInGsdAndAnExistingFileIsReplacedOnlyAfterYes) {
  Write_ParGen("<PROFINET_NB_IN>10</PROFINET_NB_IN><PROFINET_NB_OUT>100</PROFINET_NB_OUT>");
  struct Case {
    std::string Chosen, Written;
  };
  const std::string d = dir_.Path() + "/";
  const std::vector<Case> cases = {
      {d + "device", d + "device.gsd"},
      {d + "device.txt", d + "device.txt.gsd"},
      {d + "Model.GSD", d + "Model.GSD"},
      {d + "other.gsd", d + "other.gsd"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Chosen);
    TDialogResponder r;
    r.AnswerFile(c.Chosen);
    Create_GSD_File();
    ASSERT_EQ(r.FileDialogs().size(), 1u);
    EXPECT_TRUE(r.FileDialogs()[0].Save);
    EXPECT_EQ(r.FileDialogs()[0].InitialDir, Project_Dir);
    EXPECT_EQ(r.FileDialogs()[0].Filter, "Generic Station Description (*.gsd)|*.gsd");
    EXPECT_TRUE(r.Boxes().empty());
    EXPECT_EQ(Read_File(c.Written).rfind(";\r\n;***", 0), 0u);
  }
  TDialogResponder r;
  Write_File(d + "device.gsd", "old");
  r.AnswerFile(d + "device");
  r.AnswerBox(mrNo);
  Create_GSD_File();
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Text, Text(1103));
  EXPECT_EQ(r.Boxes()[0].Icon, diQuestion);
  EXPECT_EQ(Read_File(d + "device.gsd"), "old");
  r.AnswerFile(d + "device.gsd");
  r.AnswerBox(mrYes);
  Create_GSD_File();
  EXPECT_NE(Read_File(d + "device.gsd"), "old");
}

}  // namespace
