#include "tables/network/USNMP_MIB.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ULumetraFirmWare.h"
#include "controls/button/LbButton.h"
#include "framework/controls/Dialogs.h"
#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"
#include "tables/network/USNMP_Trap_Access.h"
#include "tests/app/AppFormsFixture.h"
#include "tests/support/Golden.h"
#include "tests/support/Responder.h"
#include "tests/tables/network/SmiLint.h"
#include "tests/tables/plc/TableFileSupport.h"

namespace {

using TRow = std::vector<std::string>;

const TTable_Grid_Format& Read_Format() { return SNMP_Trap_File.Grids[SNMP_Read_Grid]; }
const TTable_Grid_Format& Write_Format() { return SNMP_Trap_File.Grids[SNMP_Write_Grid]; }

// Enable, Community Name, Type, On Change, On CMD, On Timer, Time, Position,
// Start Bit, Num Bits/Bytes, Description, IP Address, Conversion, Mnemonic.
TFile_Row Read_Row(const std::string& Enable, const std::string& Type, const std::string& Description) {
  return File_Row(Read_Format(), {Enable, "Public", Type, "Y", "N", "N", "", "10", "0", "16", Description,
                                  "192.168.1.20", "None", "m"});
}
// Enable, Community Name, Type, Position, Start Bit, Num Bits/Bytes,
// Description, Conversion, Mnemonic.
TFile_Row Write_Row(const std::string& Enable, const std::string& Type, const std::string& Description) {
  return File_Row(Write_Format(), {Enable, "Private", Type, "20", "0", "8", Description, "None", "w"});
}

class SNMPMIBTest : public TableEditorTest {
 protected:
  void Write_Tables(const std::vector<TFile_Row>& Read, const std::vector<TFile_Row>& Write) {
    Write_File(Path_SNMP_Trap, Build_Table_File("SNMP_Trap", "SW_VERSION = 1.000",
                                                {{"SNMP_Trap_Read", Read}, {"SNMP_Trap_Write", Write}}));
  }
  // Loads the project's tables and writes the module; its bytes.
  std::string Module() {
    Load_SNMP_MIB_Objects();
    Write_SNMP_MIB_File(mib_);
    return Read_File(mib_);
  }
  void Expect_Valid_SMIv2() {
    const TSmilint_Result lint = Run_Smilint(mib_);
    EXPECT_TRUE(lint.Ran);
    EXPECT_TRUE(lint.Errors.empty()) << Joined(lint.Messages);
  }
  // The lines of the written module that begin with Prefix.
  std::vector<std::string> Lines_Starting(const std::string& Prefix) {
    std::vector<std::string> found;
    for (const std::string& line : SNMP_MIB_Lines())
      if (line.rfind(Prefix, 0) == 0) found.push_back(line);
    return found;
  }

  std::string mib_ = dir_.File("agent.mib");
};

// The tables of a small agent give this module, byte for byte: enabled rows
// only, in file order, integer or string by the type, an empty description
// giving the generated name, one notification per read object, ASCII with
// CR LF after every line.
TEST_F(SNMPMIBTest, TheModuleOfFixedTablesIsTheGoldenFileAndValidSMIv2) {
  Write_Tables({Read_Row("Y", "Int", "temp"), Read_Row("Y", "String", ""), Read_Row("N", "Int", "spare"),
                Read_Row("Y", "Int", "level")},
               {Write_Row("Y", "Int", "setpoint"), Write_Row("N", "String", "off"),
                Write_Row("Y", "String", "label")});
  EXPECT_TRUE(Matches_Golden("tables/network/golden/agent.mib", Module()));
  EXPECT_EQ(MIB_Read_Desc->Count(), 3);
  EXPECT_EQ(MIB_Read_Is_Int, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(MIB_Write_Is_Int, (std::vector<bool>{true, false}));
  Expect_Valid_SMIv2();
}

TEST_F(SNMPMIBTest, WithoutTheTablesTheModuleHoldsTheFixedLinesOnly) {
  EXPECT_TRUE(Matches_Golden("tables/network/golden/empty.mib", Module()));
  EXPECT_EQ(MIB_Read_Desc->Count(), 0);
  Expect_Valid_SMIv2();
  // Tables with no enabled row give the same module.
  Write_Tables({Read_Row("N", "Int", "a")}, {Write_Row("n", "Int", "b")});
  EXPECT_TRUE(Matches_Golden("tables/network/golden/empty.mib", Module()));
}

// The checker is not satisfied by anything: the notifications as they used
// to be written (with a syntax and an access, which a notification has not)
// are refused.
TEST_F(SNMPMIBTest, TheCheckerRefusesNotificationsWithASyntax) {
  Write_Tables({Read_Row("Y", "Int", "temp")}, {});
  std::string module = Module();
  const std::string good = "trapval1 NOTIFICATION-TYPE OBJECTS { temp } STATUS current";
  const std::string old = "trapval1 NOTIFICATION-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current";
  ASSERT_NE(module.find(good), std::string::npos);
  module.replace(module.find(good), good.size(), old);
  SafeWriteFile(mib_, module);
  const TSmilint_Result lint = Run_Smilint(mib_);
  EXPECT_TRUE(lint.Ran);
  EXPECT_FALSE(lint.Errors.empty()) << Joined(lint.Messages);
}

// A description names its object only when the name is free in the module;
// any other row takes the generated name, so the module stays valid.
TEST_F(SNMPMIBTest, DescriptionsThatCannotNameAnObjectGiveTheGeneratedName) {
  struct Case {
    std::string Description;
    std::string Name;
  };
  const std::vector<Case> cases = {
      {"temp", "temp"},
      {"data", "bufferinval2"},          // a node of the module
      {"Temp", "bufferinval3"},          // upper-case first letter
      {"bufferinval9", "bufferinval4"},  // a generated name
      {"trapval1", "bufferinval5"},      // a notification's name
      {"tEmp", "bufferinval6"},          // taken, case ignored
      {"temp", "bufferinval7"},          // taken
      {std::string(65, 'a'), "bufferinval8"},
      {std::string(64, 'b'), std::string(64, 'b')},
      {"caf\xC3\xA9", "bufferinval10"},
      {"a\"b", "bufferinval11"},
      {"level2", "level2"},
  };
  std::vector<TFile_Row> rows;
  for (const Case& c : cases) rows.push_back(Read_Row("Y", "Int", c.Description));
  // The write table cannot take a name the read table holds.
  Write_Tables(rows, {Write_Row("Y", "Int", "level2"), Write_Row("Y", "Int", "out")});
  Module();
  const std::vector<std::string> objects = Lines_Starting("");
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].Description);
    const std::string n = std::to_string(i + 1);
    EXPECT_EQ(Lines_Starting(cases[i].Name + " OBJECT-TYPE").size(), 1u);
    EXPECT_EQ(Lines_Starting("trapval" + n + " NOTIFICATION-TYPE OBJECTS { " + cases[i].Name + " }").size(),
              1u);
  }
  EXPECT_EQ(Lines_Starting("bufferoutval1 OBJECT-TYPE").size(), 1u);
  EXPECT_EQ(Lines_Starting("out OBJECT-TYPE").size(), 1u);
  // The texts keep the description as far as a module string can hold it.
  EXPECT_EQ(Lines_Starting("bufferinval10 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current "
                           "DESCRIPTION \"caf?\" ::= { bufferinval 10 }")
                .size(),
            1u);
  EXPECT_EQ(Lines_Starting("bufferinval11 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current "
                           "DESCRIPTION \"a'b\" ::= { bufferinval 11 }")
                .size(),
            1u);
  Expect_Valid_SMIv2();
}

TEST_F(SNMPMIBTest, TypesEnablesAndMissingAttributesAsTheFileHoldsThem) {
  Write_File(Path_SNMP_Trap,
             "<SNMP_Trap><SNMP_Trap_Read>"
             "<row Enable=\"Y\" Type=\"int\" Description=\"lower\"/>"
             "<row Enable=\"y\" Type=\"Int \" Description=\"blank\"/>"
             "<row Type=\"Int\" Description=\"noenable\"/>"
             "<row Enable=\" Y\" Type=\"Int\" Description=\"padded\"/>"
             "<!-- a note --><row Enable=\"Y\"/>"
             "</SNMP_Trap_Read><SNMP_Trap_Write/></SNMP_Trap>");
  Load_SNMP_MIB_Objects();
  ASSERT_EQ(MIB_Read_Desc->Count(), 3);
  EXPECT_EQ(MIB_Read_Desc->Strings(0), "lower");
  EXPECT_EQ(MIB_Read_Desc->Strings(1), "blank");
  EXPECT_EQ(MIB_Read_Desc->Strings(2), "");
  // Lower-case int is an integer, a trailing blank makes a string, a
  // missing type too.
  EXPECT_EQ(MIB_Read_Is_Int, (std::vector<bool>{true, false, false}));
}

// More enabled rows than the editor's tables hold (a file made elsewhere)
// still give one object and one notification each.
TEST_F(SNMPMIBTest, EveryEnabledRowOfALongTableIsWritten) {
  std::vector<TFile_Row> read, write;
  for (int i = 0; i < 300; ++i) {
    read.push_back(Read_Row("Y", i % 2 ? "Int" : "String", "in" + std::to_string(i)));
    write.push_back(Write_Row("Y", "Int", "out" + std::to_string(i)));
  }
  Write_Tables(read, write);
  Module();
  EXPECT_EQ(MIB_Read_Is_Int.size(), 300u);
  EXPECT_EQ(MIB_Write_Is_Int.size(), 300u);
  EXPECT_EQ(Lines_Starting("in299 OBJECT-TYPE SYNTAX INTEGER").size(), 1u);
  EXPECT_EQ(Lines_Starting("out299 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-write").size(), 1u);
  EXPECT_EQ(Lines_Starting("trapval300 NOTIFICATION-TYPE OBJECTS { in299 }").size(), 1u);
  Expect_Valid_SMIv2();
}

TEST_F(SNMPMIBTest, AFileThatCannotBeReadWritesNoModule) {
  for (const std::string& bad : {std::string("<SNMP_Trap><SNMP_Trap_Read>"), std::string("<SNMP_Trap/>")}) {
    SCOPED_TRACE(bad);
    Write_File(Path_SNMP_Trap, bad);
    EXPECT_THROW(Load_SNMP_MIB_Objects(), Exception);
    EXPECT_EQ(MIB_Read_Desc->Count(), 0);
  }
}

class SNMPMIBStepTest : public SNMPMIBTest {
 protected:
  TSaveDialog dialog_{nullptr};
};

TEST_F(SNMPMIBStepTest, TheStepAsksForTheFileAndBeforeReplacingIt) {
  Write_Tables({Read_Row("Y", "Int", "temp")}, {});
  {
    TDialogResponder r;
    r.AnswerFile("");
    Create_SNMP_MIB(dialog_);
    EXPECT_EQ(r.FileDialogs().at(0).InitialDir, Project_Dir);
    EXPECT_TRUE(r.Boxes().empty());
  }
  EXPECT_FALSE(FileExists(mib_));
  {
    TDialogResponder r;
    r.AnswerFile(mib_);
    Create_SNMP_MIB(dialog_);
    EXPECT_TRUE(r.Boxes().empty());
  }
  const std::string first = Read_File(mib_);
  EXPECT_NE(first.find("temp OBJECT-TYPE"), std::string::npos);

  Write_Tables({Read_Row("Y", "Int", "other")}, {});
  {
    TDialogResponder r;
    r.AnswerFile(mib_).AnswerBox(mrNo);
    Create_SNMP_MIB(dialog_);
    EXPECT_EQ(r.Boxes().at(0).Text, Text(1105));
    EXPECT_EQ(r.Boxes().at(0).Icon, diQuestion);
  }
  EXPECT_EQ(Read_File(mib_), first);
  {
    TDialogResponder r;
    r.AnswerFile(mib_).AnswerBox(mrYes);
    Create_SNMP_MIB(dialog_);
  }
  EXPECT_NE(Read_File(mib_).find("other OBJECT-TYPE"), std::string::npos);
}

TEST_F(SNMPMIBStepTest, ADamagedTableFileOrAFailedWriteIsReportedAndLeavesTheOldModule) {
  Write_Tables({Read_Row("Y", "Int", "temp")}, {});
  {
    TDialogResponder r;
    r.AnswerFile(mib_);
    Create_SNMP_MIB(dialog_);
  }
  const std::string first = Read_File(mib_);
  Write_File(Path_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read>");
  {
    TDialogResponder r;
    r.AnswerFile(mib_).AnswerBox(mrYes).AnswerBox(mrOk);
    Create_SNMP_MIB(dialog_);
    ASSERT_EQ(r.Boxes().size(), 2u);
    EXPECT_EQ(r.Boxes()[1].Icon, diError);
    EXPECT_NE(r.Boxes()[1].Text.find("SNMP_Trap.xml"), std::string::npos);
  }
  EXPECT_EQ(Read_File(mib_), first);

  Write_Tables({Read_Row("Y", "Int", "other")}, {});
  TSafeWriteHookScope fail(
      [](TSafeWriteStage Stage, const std::string&) { return Stage == swsWrite ? 28 : 0; });
  {
    TDialogResponder r;
    r.AnswerFile(mib_).AnswerBox(mrYes).AnswerBox(mrOk);
    Create_SNMP_MIB(dialog_);
    ASSERT_EQ(r.Boxes().size(), 2u);
    EXPECT_EQ(r.Boxes()[1].Icon, diError);
  }
  EXPECT_EQ(Read_File(mib_), first);
}

// The main window's (hidden) step runs the writer with its save dialog.
class SNMPMIBMainWindowTest : public TAppFormsTest {};

TEST_F(SNMPMIBMainWindowTest, TheStepOfTheMainWindowWritesTheProjectsModule) {
  Make_Project_Folder("Agent");
  Write_Settings("Agent");
  Start();
  Write_File(Path_SNMP_Trap,
             Build_Table_File("SNMP_Trap", "SW_VERSION = 1.000",
                              {{"SNMP_Trap_Read", {Read_Row("Y", "Int", "temp")}}, {"SNMP_Trap_Write", {}}}));
  TDialogResponder r;
  r.AnswerFile(Projects("Agent") + "/agent.mib");
  FLumetraFirmWare->Btn_Click(FLumetraFirmWare->Btn_SNMP_MIB);
  ASSERT_EQ(r.FileDialogs().size(), 1u);
  EXPECT_TRUE(r.FileDialogs()[0].Save);
  EXPECT_EQ(r.FileDialogs()[0].Filter, "Management Information Base (*.mib)|*.mib");
  EXPECT_NE(Read_File(Projects("Agent") + "/agent.mib").find("trapval1 NOTIFICATION-TYPE OBJECTS { temp }"),
            std::string::npos);
}

}  // namespace
