#include "app/ULumetraFirmWare.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "app/UBoot.h"
#include "app/UComon.h"
#include "app/UOpenConf.h"
#include "controls/button/LbButton.h"
#include "framework/classes/StringList.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/LinkLabel.h"
#include "framework/controls/StdCtrls.h"
#include "tests/app/AppFormsFixture.h"
#include "tests/support/Input.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/Responder.h"

namespace {
using TMainWindowTest = TAppFormsTest;

// The steps this model shows that need an open project.
std::vector<TLbButton*> Project_Steps(TFLumetraFirmWare* W) {
  return {W->Btn_Prm_Gen, W->Btn_S7_Protocol_Access, W->Btn_CAN_Rec_Frame, W->Btn_CAN_Send_Frame,
          W->Btn_CreateBin};
}

// Where the build puts the stand-in programs: the test program's own folder
// unless the environment names it (the fixture moves the executable's
// folder that the configurator sees, so ask the process itself).
std::string Test_Bin_Dir() {
  const char* dir = std::getenv("CF_TEST_BIN_DIR");
  if (dir != nullptr && *dir != 0) return dir;
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}
}  // namespace

TEST_F(TMainWindowTest, FirstStartMakesTheFoldersAndOpensNoProject) {
  Start();
  TFLumetraFirmWare* w = FLumetraFirmWare;
  ASSERT_NE(w, nullptr);
  for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"})
    EXPECT_TRUE(DirectoryExists(File(folder))) << folder;
  EXPECT_EQ(App_Dir, dir_.Path());
  EXPECT_TRUE(Project_Dir.empty());
  EXPECT_EQ(w->L_Name_Conf->Caption(), "None Configuration Opened ");
  EXPECT_EQ(w->L_Name_Conf_L2->Caption(), "Use Step1 to open or create new configuration");
  EXPECT_FALSE(w->Timer_Update->Enabled());
  EXPECT_EQ(w->Timer_Update->Interval(), 60000u);
  EXPECT_EQ(w->Caption(), "www.korvel.com - Configurator CF30406 - S7comm / CAN ");
  EXPECT_EQ(w->L_SW_Code->Caption(), "CF30406");
  EXPECT_EQ(w->L_SW_Desc->Caption(), "S7comm / CAN - Converter");
  EXPECT_EQ(w->ClientWidth(), 694);
  EXPECT_EQ(w->ClientHeight(), 484);
  EXPECT_EQ(Path_ParGen, NativePath("\\ParGen.xml"));

  // This model's steps, and only those, are shown, with their texts.
  for (TLbButton* b : Project_Steps(w)) EXPECT_TRUE(b->Visible()) << b->Name();
  EXPECT_EQ(w->Btn_S7_Protocol_Access->Caption(), "S7comm Access");
  EXPECT_EQ(w->Btn_S7_Protocol_Access->Top(), 200);
  EXPECT_EQ(w->Btn_CAN_Send_Frame->Top(), 288);
  for (TLbButton* b : {w->Btn_KNX_Access, w->Btn_PROFIBUS_GSD, w->Btn_BACnet_EDE_File, w->Btn_PROFINET_XML})
    EXPECT_FALSE(b->Visible()) << b->Name();
  EXPECT_TRUE(w->L_Step_6->Visible());
  EXPECT_FALSE(w->L_Step_7->Visible());
  EXPECT_EQ(w->L_Korvel->Top(), 348);
  EXPECT_EQ(w->Shape1->Top(), 383);
  EXPECT_EQ(w->Btn_Opz->Hint(), "Options");
  EXPECT_FALSE(w->LL_Update->Visible());
}

TEST_F(TMainWindowTest, ALastProjectWhoseFolderIsGoneOpensNothingAndKeepsItsName) {
  Write_Settings("Gone");
  Start();
  TFLumetraFirmWare* w = FLumetraFirmWare;
  EXPECT_EQ(Project_Name, "Gone");
  EXPECT_TRUE(Project_Dir.empty());
  EXPECT_EQ(w->L_Name_Conf_L2->Caption(), "Use Step1 to open or create new configuration");
  EXPECT_EQ(Last_IP_Address, "10.0.0.9");

  // Every project step says the same and does nothing else.
  for (TLbButton* b : Project_Steps(w)) {
    TDialogResponder r;
    r.AnswerBox(mrOk);
    b->Click();
    ASSERT_EQ(r.Boxes().size(), 1u) << b->Name();
    EXPECT_EQ(r.Boxes()[0].Text, "Error! Project not Valid");
    EXPECT_EQ(r.Boxes()[0].Icon, diError);
    EXPECT_TRUE(r.ModalForms().empty());
  }
  EXPECT_FALSE(DirectoryExists(Projects("Gone")));

  // Closing writes the settings back with the name unchanged.
  w->Btn_Close->Click();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_NE(Read_File(File("Quorvane.xml")).find("<projectname>Gone</projectname>"), std::string::npos);
}

TEST_F(TMainWindowTest, TheLastProjectOpensAgainWhenItsFolderIsThere) {
  Make_Project_Folder("Line 4");
  Write_Settings("Line 4");
  Start();
  EXPECT_EQ(Project_Dir, Projects("Line 4"));
  EXPECT_EQ(FLumetraFirmWare->L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
  EXPECT_EQ(FLumetraFirmWare->L_Name_Conf_L2->Caption(), "Line 4");
  EXPECT_EQ(Path_S7_Protocol, Projects("Line 4") + "/S7_Protocol.xml");
}

TEST_F(TMainWindowTest, ASettingsNameThatLeavesProjectsIsNeverOpened) {
  ForceDirectories(File("Outside"));
  ForceDirectories(Projects("a/b"));
  // Each names a folder that exists, but not one right inside PROJECTS.
  for (const char* name : {"../Outside", "..", ".", "a/b", "a\\b"}) {
    SCOPED_TRACE(name);
    Write_Settings(name);
    Start();
    EXPECT_TRUE(Project_Dir.empty());
    EXPECT_EQ(Project_Name, name);
    Destroy_Forms();
  }
}

TEST_F(TMainWindowTest, ADamagedSettingsFileStartsWithTheDefaults) {
  Write_File(File("Quorvane.xml"), "<Conf_Settings><lastproj>");
  Start();
  EXPECT_TRUE(Project_Name.empty());
  EXPECT_EQ(Language_Name, "English");
  EXPECT_FALSE(FLumetraFirmWare->Timer_Update->Enabled());
}

TEST_F(TMainWindowTest, BothInternetOptionsArmTheUpdateTimer) {
  const struct {
    const char* Internet;
    const char* Update;
    bool Armed;
  } cases[] = {{"1", "1", true}, {"1", "0", false}, {"0", "1", false}, {"true", "1", false}};
  for (const auto& c : cases) {
    Write_Settings("", "English", c.Internet, c.Update);
    Start();
    EXPECT_EQ(FLumetraFirmWare->Timer_Update->Enabled(), c.Armed) << c.Internet << c.Update;
    Destroy_Forms();
  }
}

TEST_F(TMainWindowTest, AFailedSettingsSaveIsReported) {
  Start();
  // A folder where the file should be cannot be replaced by it.
  ForceDirectories(File("Quorvane.xml"));
  TDialogResponder r;
  r.AnswerBox(mrOk);
  EXPECT_FALSE(FLumetraFirmWare->Save_Setting());
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Icon, diError);
  EXPECT_EQ(r.Boxes()[0].Text.rfind("Error! The settings could not be saved", 0), 0u);
}

TEST_F(TMainWindowTest, TheAboutBoxAndTheOptionsNeedNoProject) {
  Start();
  TDialogResponder r;
  std::string about;
  r.OnModal([&](TCustomForm* f) {
    about = f->Name();
    f->SetModalResult(mrOk);
  });
  r.OnModal([](TCustomForm* f) { f->SetModalResult(mrCancel); });
  FLumetraFirmWare->Btn_Info->Click();
  FLumetraFirmWare->Btn_Opz->Click();
  EXPECT_EQ(about, "FAbout");
  ASSERT_EQ(r.ModalForms().size(), 2u);
  EXPECT_TRUE(r.Boxes().empty());
  // Cancel writes no settings.
  EXPECT_FALSE(FileExists(File("Quorvane.xml")));
}

TEST_F(TMainWindowTest, OptionsConfirmedSaveTheSettingsAndArmTheFirstCheckAMinuteLater) {
  TLoopbackHttpServer server("HTTP/1.0 200 OK\r\n\r\nVER. 1.001");
  Version_Service_Host = server.Host();
  testinput::TTestClock clock;
  Start();
  TFLumetraFirmWare* w = FLumetraFirmWare;
  TDialogResponder r;
  r.OnModal([](TCustomForm* f) {
    auto* o = dynamic_cast<TFSoftOptions*>(f);
    o->CB_En_Con->SetChecked(true);
    o->CB_Update->SetChecked(true);
    o->Btn_OK->Click();
  });
  w->Btn_Opz->Click();
  EXPECT_TRUE(Opt_Enable_Internet);
  EXPECT_TRUE(w->Timer_Update->Enabled());
  const std::string saved = Read_File(File("Quorvane.xml"));
  EXPECT_NE(saved.find("<enable_internet>1</enable_internet>"), std::string::npos) << saved;
  EXPECT_NE(saved.find("<enable_update>1</enable_update>"), std::string::npos) << saved;

  clock.Advance(59999);
  EXPECT_TRUE(server.Request().empty());
  EXPECT_FALSE(w->LL_Update->Visible());
  clock.Advance(1);
  EXPECT_FALSE(server.Request().empty());
  EXPECT_TRUE(w->LL_Update->Visible());
  EXPECT_EQ(w->Timer_Update->Interval(), 7200000u);
}

TEST_F(TMainWindowTest, TheUpdateTimerShowsTheLinkOnlyForANewerVersion) {
  const struct {
    std::string Reply;
    bool Shown;
  } cases[] = {{"VER. 1.001", true}, {"VER. 1.000", false}, {"<html>busy</html>", false}};
  Start();
  TFLumetraFirmWare* w = FLumetraFirmWare;
  for (const auto& c : cases) {
    TLoopbackHttpServer server("HTTP/1.0 200 OK\r\n\r\n" + c.Reply);
    Version_Service_Host = server.Host();
    w->Timer_UpdateTimer(w->Timer_Update);
    EXPECT_EQ(w->LL_Update->Visible(), c.Shown) << c.Reply;
    EXPECT_TRUE(w->Timer_Update->Enabled());
    EXPECT_EQ(w->Timer_Update->Interval(), 7200000u);
    if (c.Shown) {
      EXPECT_EQ(w->LL_Update->Caption(),
                "<a href=\"http://maker.test/Home/download/download.asp#DV30406\">"
                "New Version Available. Click Here for more Details</a>");
    }
  }
  w->LL_UpdateLinkClick(w->LL_Update, "http://maker.test/Home/download/download.asp#DV30406", {});
  w->L_KorvelClick(w->L_Korvel);
  ASSERT_EQ(opened_.size(), 2u);
  EXPECT_EQ(opened_[1], "http://maker.test/HOME/default.asp?frompg=CF30406");
}

TEST_F(TMainWindowTest, UpdateDeviceStopsWhenTheImagesCannotBeWritten) {
  Make_Project_Folder("Line 1");
  Write_Settings("Line 1");
  Start();
  // A file in the place of the bin folder makes both images unwritable.
  std::filesystem::remove_all(Projects("Line 1") + "/bin");
  Write_File(Projects("Line 1") + "/bin", "not a folder");
  TDialogResponder r;
  r.AnswerBox(mrOk);
  FLumetraFirmWare->Btn_CreateBin->Click();
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Icon, diError);
  EXPECT_EQ(r.Boxes()[0].Text.rfind("Error! The device images could not be written", 0), 0u);
  EXPECT_TRUE(r.ModalForms().empty());
}

TEST_F(TMainWindowTest, UpdateDeviceNamesADamagedTableOnceAsAnError) {
  Make_Project_Folder("Line 1");
  Write_Settings("Line 1");
  Write_File(Projects("Line 1") + "/CAN_Rec_Frames.xml", "<Table><Row>");
  Start();
  TDialogResponder r;
  r.AnswerBox(mrOk);
  FLumetraFirmWare->Btn_CreateBin->Click();
  ASSERT_EQ(r.Boxes().size(), 1u);
  const std::string& text = r.Boxes()[0].Text;
  EXPECT_EQ(text.rfind("Error! The configuration could not be compiled: ", 0), 0u) << text;
  // Named once, and said to be an error once.
  const std::size_t named = text.find("CAN_Rec_Frames.xml");
  EXPECT_NE(named, std::string::npos) << text;
  EXPECT_EQ(text.find("CAN_Rec_Frames.xml", named + 1), std::string::npos) << text;
  EXPECT_EQ(text.find("Error!", 1), std::string::npos) << text;
  EXPECT_TRUE(r.ModalForms().empty());
}

TEST(ErrorText, TheDetailLosesOnlyTheLeadsOwnErrorWord) {
  EXPECT_EQ(Error_Text("Error! Not compiled: ", "Error! The file \"a\" is damaged"),
            "Error! Not compiled: The file \"a\" is damaged");
  EXPECT_EQ(Error_Text("Error! Not compiled: ", "Row 3 is empty"), "Error! Not compiled: Row 3 is empty");
  EXPECT_EQ(Error_Text("Fehler! Nicht: ", "Fehler! Die Datei"), "Fehler! Nicht: Die Datei");
  EXPECT_EQ(Error_Text("Not compiled: ", "Error! x"), "Not compiled: Error! x");
}

TEST_F(TMainWindowTest, UpdateDeviceOpensTheUpdateDialogInEthernetModeOnceTheImagesAreWritten) {
  Make_Project_Folder("Line 1");
  Write_Settings("Line 1");
  Start();
  TDialogResponder r;
  TCustomForm* shown = nullptr;
  r.OnModal([&](TCustomForm* F) { shown = F; });
  FLumetraFirmWare->Btn_CreateBin->Click();
  EXPECT_EQ(shown, FBoot);
  EXPECT_EQ(FBoot->Form_Type, 1);
  EXPECT_EQ(FileSize(Projects("Line 1") + "/bin/bank1.bin"), 2048);
  EXPECT_EQ(FileSize(Projects("Line 1") + "/bin/bank2.bin"), 61440);
}

// The main window first, whose creation the others read; then the rest in
// their fixed order, the MQTT editor and its template editor after the SNMP
// editor.
TEST_F(TMainWindowTest, TheFormsAreCreatedInTheirFixedOrder) {
  Start();
  std::vector<std::string> names;
  for (int i = 0; i < Application->ComponentCount(); ++i)
    if (auto* form = dynamic_cast<TCustomForm*>(Application->Components(i))) names.push_back(form->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"FLumetraFirmWare",
                                             "FAbout",
                                             "FNew_Project",
                                             "FOpenConf",
                                             "FSoftOptions",
                                             "FParGen",
                                             "FBoot",
                                             "FS7_Protocol_Set_Access",
                                             "FKNXAccess",
                                             "FIEC61850_Variables",
                                             "FTLS_Server_Known_Cert",
                                             "FReceiveCAN",
                                             "FTransmitCAN",
                                             "FSet_PDO_Access",
                                             "FSet_SDO_Client_Access",
                                             "FSet_SDO_Server_Access",
                                             "FSNMP_Trap_Access",
                                             "FMQTT_Set_Topic",
                                             "FTopicTemplate",
                                             "FBACnet_Eng_Unit",
                                             "FBACnetSlaveSetAccess",
                                             "FOPC_UA_Server_Access"}));
}

TEST_F(TMainWindowTest, AStepWhoseFormIsNotBuiltYetSaysSo) {
  Make_Project_Folder("Line 1");
  Write_Settings("Line 1");
  Start();
  TDialogResponder r;
  r.AnswerBox(mrOk);
  EXPECT_FALSE(FLumetraFirmWare->Show_Step_Form("FNo_Such_Form"));
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Icon, diInformation);
  // The writers of the sibling models' files do nothing without their unit.
  TDialogResponder quiet;
  quiet.Lenient();
  FLumetraFirmWare->Btn_Click(FLumetraFirmWare->Btn_PROFINET_XML);
  EXPECT_TRUE(quiet.Boxes().empty());
}

// The step reaches the EDE writer as the program starts it: no writer is
// put in its place here.
TEST_F(TMainWindowTest, TheEdeStepWritesTheFile) {
  Make_Project_Folder("Line 1");
  Write_Settings("Line 1");
  Start();
  TDialogResponder r;
  r.AnswerFile(Projects("Line 1") + "/objects");
  FLumetraFirmWare->Btn_Click(FLumetraFirmWare->Btn_BACnet_EDE_File);
  EXPECT_TRUE(r.Boxes().empty());
  // A project without objects: the seven head lines.
  const std::string ede = Read_File(Projects("Line 1") + "/objects.csv");
  EXPECT_EQ(ede.rfind("PROJECT_NAME; www.korvel.com--Line 1;;;;;;\r\n", 0), 0u) << ede;
  std::size_t lines = 0;
  for (std::size_t at = ede.find("\r\n"); at != std::string::npos; at = ede.find("\r\n", at + 2)) ++lines;
  EXPECT_EQ(lines, 7u);
}

TEST_F(TMainWindowTest, TheEdeFileGetsItsExtensionAndAsksBeforeOverwriting) {
  Make_Project_Folder("Line 1");
  Write_Settings("Line 1");
  Start();
  std::vector<std::string> written;
  const auto writer = On_Create_EDE_File;
  On_Create_EDE_File = [&](const std::string& Name) { written.push_back(Name); };
  Write_File(Projects("Line 1") + "/old.csv", "x");
  TDialogResponder r;
  r.AnswerFile(Projects("Line 1") + "/objects");
  r.AnswerFile(Projects("Line 1") + "/Objects.CSV");
  r.AnswerFile(Projects("Line 1") + "/old.csv").AnswerBox(mrNo);
  r.AnswerFile(Projects("Line 1") + "/old.csv").AnswerBox(mrYes);
  for (int i = 0; i < 4; ++i) FLumetraFirmWare->Btn_Click(FLumetraFirmWare->Btn_BACnet_EDE_File);
  On_Create_EDE_File = writer;
  ASSERT_EQ(written.size(), 3u);
  EXPECT_EQ(written[0], Projects("Line 1") + "/objects.csv");
  EXPECT_EQ(written[1], Projects("Line 1") + "/Objects.CSV");
  EXPECT_EQ(written[2], Projects("Line 1") + "/old.csv");
  ASSERT_EQ(r.Boxes().size(), 2u);
  EXPECT_EQ(r.Boxes()[0].Text, "File already exists. Do you want to overwrite?");
  EXPECT_EQ(r.FileDialogs()[0].InitialDir, Projects("Line 1"));
}

TEST_F(TMainWindowTest, StartProgramTellsTheOutcomeToTheCaller) {
  Start();
  TFLumetraFirmWare* w = FLumetraFirmWare;
  // The updater runs in its own folder, where its script lies.
  std::filesystem::copy_file(Test_Bin_Dir() + "/fake_updater", File("Ethernet_Update"));
  Write_File(File("updater_exit_code.txt"), "7");
  TProcessResult r = w->Start_Program(App_Dir + "\\Ethernet_Update", "", false);
  EXPECT_EQ(r.Outcome, poExited);
  EXPECT_EQ(r.ExitCode, 7);
  EXPECT_EQ(Read_File(File("updater_ran.txt")), dir_.Path() + "\n");

  r = w->Start_Program(File("no_such_program"), "", false);
  EXPECT_EQ(r.Outcome, poFailedToStart);
  EXPECT_TRUE(w->Enabled());
}

TEST_F(TMainWindowTest, AProgramPastItsTimeIsReportedAndBlocksASecondRun) {
  Start();
  TFLumetraFirmWare* w = FLumetraFirmWare;
  std::filesystem::copy_file(Test_Bin_Dir() + "/fake_updater", File("Ethernet_Update"));
  Write_File(File("updater_wait_ms.txt"), "60000");
  w->Program_Time_Cap_Ms = 300;

  // While the program runs the windows repaint but take no input, and a
  // second run is refused.
  bool disabled_meanwhile = false;
  TProcessResult nested;
  TTimer probe(nullptr);
  probe.SetInterval(50);
  probe.OnTimer = [&](TObject*) {
    probe.SetEnabled(false);
    disabled_meanwhile = !w->Enabled();
    nested = w->Start_Program(File("Ethernet_Update"), "", false);
  };
  probe.SetEnabled(true);
  TProcessResult r = w->Start_Program(File("Ethernet_Update"), "", false);
  EXPECT_EQ(r.Outcome, poTimedOut);
  EXPECT_TRUE(disabled_meanwhile);
  EXPECT_EQ(nested.Outcome, poFailedToStart);
  EXPECT_TRUE(w->Enabled());

  // The updater is left running (stopping it could break the device), and
  // no second one starts until it has ended.
  ASSERT_TRUE(r.Process);
  EXPECT_TRUE(r.Process->Running());
  EXPECT_EQ(w->Start_Program(File("Ethernet_Update"), "", false).Outcome, poFailedToStart);
  r.Process->Kill();
  Write_File(File("updater_wait_ms.txt"), "0");
  // Time enough to start and end on a slow machine (or a sanitized build).
  w->Program_Time_Cap_Ms = 30000;
  EXPECT_EQ(w->Start_Program(File("Ethernet_Update"), "", false).Outcome, poExited);
}

// What a person sees with a project whose name is far too long for its
// frame: the name ends in "..." inside the frame, which stays whole, and the
// steps are drawn at their places. The grab is kept as a test artefact.
TEST_F(TMainWindowTest, TheWindowReadsWellInAScreenshot) {
  std::string name = "Plant A - Line 3 - ";
  while (name.size() < 180) name += "Station " + std::to_string(name.size()) + " ";
  name.resize(180);
  Make_Project_Folder(name);
  Write_Settings(name);
  Start();
  TFLumetraFirmWare* w = FLumetraFirmWare;
  ASSERT_EQ(w->L_Name_Conf_L2->Caption(), name);
  EXPECT_EQ(w->L_Name_Conf_L2->Hint(), name);
  const std::string folder = Test_Bin_Dir() + "/artefacts";
  ForceDirectories(folder);
  w->GrabToPng(folder + "/main_window.png");
  std::unique_ptr<TBitmap> grab = w->GrabToBitmap();
  ASSERT_EQ(grab->Width(), 694);
  ASSERT_EQ(grab->Height(), 484);
  const TPixelData& px = grab->PixelData();
  const TColor face = ColorToRGB(w->Color());
  const TColor frame = ColorToRGB(w->Shape2->Pen()->Color());
  const TColor inside = ColorToRGB(w->Shape2->Brush()->Color());
  const TRect box = w->Shape2->BoundsRect();
  const TRect line = w->L_Name_Conf_L2->BoundsRect();
  // The frame's right edge is whole and nothing is drawn past it.
  for (int y = box.Top; y < box.Bottom; ++y) {
    EXPECT_EQ(px.GetPixel(box.Right - 1, y), frame) << y;
    for (int x = box.Right; x < 694; ++x) EXPECT_EQ(px.GetPixel(x, y), face) << x << "," << y;
  }
  // The name runs up to the end of its line (the ellipsis) and stops short
  // of the frame.
  auto inked = [&](int X0, int X1) {
    int n = 0;
    for (int x = X0; x < X1; ++x)
      for (int y = line.Top; y < line.Bottom; ++y)
        if (px.GetPixel(x, y) != inside) ++n;
    return n;
  };
  EXPECT_GT(inked(line.Right - 40, line.Right), 0);
  EXPECT_EQ(inked(line.Right, box.Right - 1), 0);
  // The step buttons are drawn over their own rectangles.
  for (TLbButton* b : Project_Steps(w)) {
    EXPECT_NE(px.GetPixel(b->Left() + b->Width() / 2, b->Top() + 2), face) << b->Name();
    EXPECT_EQ(px.GetPixel(b->Left() + b->Width() + 3, b->Top() + b->Height() / 2), face) << b->Name();
  }
}

// Every control given a hint shows it, wherever it sits: inside panels, on
// the panels of the communication form, on the button strips of the dialogs.
TEST_F(TMainWindowTest, EveryControlWithAHintShowsIt) {
  Start();
  std::vector<std::string> silent;
  int hinted = 0;
  std::function<void(TControl*)> walk = [&](TControl* C) {
    // A control whose layout silences its own hint (the BACnet objects
    // editor's buttons but Copy and Paste) keeps it silent.
    const bool silenced = !C->ParentShowHint() && !C->ShowHint();
    if (!C->Hint().empty() && !silenced) {
      ++hinted;
      if (!C->ShowHint()) silent.push_back(C->Owner()->Name() + "." + C->Name());
    }
    if (auto* w = dynamic_cast<TWinControl*>(C))
      for (int i = 0; i < w->ControlCount(); ++i) walk(w->Controls(i));
  };
  for (int i = 0; i < Screen->FormCount(); ++i) walk(Screen->Forms(i));
  EXPECT_GT(hinted, 0);
  EXPECT_EQ(silent, std::vector<std::string>{});
}

TEST(Startup, AReadOnlyExecutableFolderFallsBackToAUserFolder) {
  TScratchDir dir;
  const std::string exe = dir.File("program");
  ForceDirectories(exe);
  EXPECT_EQ(Choose_App_Dir(exe, dir.File("user")), exe);
  // A folder no file can be made in: a path below a plain file.
  Write_File(dir.File("plain"), "x");
  EXPECT_EQ(Choose_App_Dir(dir.File("plain/program"), dir.File("user/cf30406")), dir.File("user/cf30406"));
  EXPECT_TRUE(DirectoryExists(dir.File("user/cf30406")));
}
