#include "app/USoftOptions.h"

#include <chrono>

#include "app/UAbout.h"
#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "controls/button/LbButton.h"
#include "framework/classes/StringList.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/Image.h"
#include "framework/controls/LinkLabel.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StdCtrls.h"
#include "framework/net/Http.h"
#include "framework/os/Resources.h"
#include "tests/app/AppFormsFixture.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/Responder.h"

namespace {
using TOptionsTest = TAppFormsTest;

// Copies an embedded flag picture into the language folder.
void Put_Flag(const std::string& Resource, const std::string& Target) {
  const std::string_view* bytes = FindEmbeddedResource("pictures/app/" + Resource);
  ASSERT_NE(bytes, nullptr) << Resource;
  Write_File(Target, std::string(*bytes));
}
}  // namespace

TEST(VersionCheck, VersionTexts) {
  const struct {
    const char* Text;
    int Value;
  } cases[] = {
      {"VER. 1.002", 1002}, {"1.000", 1000},    {"VER.  2.345 ", 2345},
      {"ver. 1.001", 1001}, {"VER. 1.5", -1},   {"VER. x.000", -1},
      {"VER. 1.0a0", -1},   {"VER. $.FFF", -1}, {"VER. -.001", -1},
      {"VER. 12.345", -1},  {"", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(Conv_Version(c.Text), c.Value) << c.Text;
}

TEST(VersionCheck, OnlyANewerVersionCounts) {
  const struct {
    const char* Reply;
    bool Newer;
  } cases[] = {
      {"VER. 1.001", true},
      {"  VER. 1.001\r\n", true},
      {"ver. 1.001", true},
      {"VER. 1.000", false},
      {"VER. 0.000", false},
      {"", false},
      {"VER. 0.999", false},
      {"VER. 1.5", false},
      {"<html><body>Service unavailable</body></html>", false},
  };
  for (const auto& c : cases) EXPECT_EQ(Is_Newer_Version(c.Reply), c.Newer) << c.Reply;
}

TEST(VersionCheck, AsksTheServiceAndFailsSilently) {
  const std::string saved = Version_Service_Host;
  const int connect = Version_Check_Connect_Timeout_Ms, total = Version_Check_Timeout_Ms;
  TCurlHttpClient client;
  const struct {
    std::string Answer;
    bool Newer;
  } cases[] = {
      {"HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\nVER. 1.001", true},
      {"HTTP/1.0 200 OK\r\n\r\nVER. 1.000", false},
      {"HTTP/1.0 200 OK\r\n\r\n\x01\x02garbage", false},
      {"HTTP/1.0 404 Not Found\r\n\r\nVER. 9.999", false},
      {"this is no HTTP at all\r\n\r\n", false},
  };
  for (const auto& c : cases) {
    TLoopbackHttpServer server(c.Answer);
    Version_Service_Host = server.Host();
    EXPECT_EQ(Check_Version(client), c.Newer) << c.Answer;
    const std::string request = server.Request();
    EXPECT_EQ(request.rfind("GET /home/download/GetversionSW.asp?nomesw=CF30406 HTTP/1.0\r\n", 0), 0u)
        << request;
    EXPECT_NE(request.find("User-Agent: Mozilla/3.0 (compatible; Indy Library)"), std::string::npos);
  }

  // A server that never answers cannot hold the program for long.
  TLoopbackHttpServer silent("", true);
  Version_Service_Host = silent.Host();
  Version_Check_Connect_Timeout_Ms = 200;
  Version_Check_Timeout_Ms = 300;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(Check_Version(client));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

  Version_Service_Host = saved;
  Version_Check_Connect_Timeout_Ms = connect;
  Version_Check_Timeout_Ms = total;
}

TEST_F(TOptionsTest, TheCheckButtonShowsTheLinkOrNoUpdate) {
  Start();
  TFSoftOptions* o = FSoftOptions;
  {
    TLoopbackHttpServer server("HTTP/1.0 200 OK\r\n\r\nVER. 1.003");
    Version_Service_Host = server.Host();
    o->Btn_Check_UpdateClick(o->Btn_Check_Update);
  }
  EXPECT_TRUE(o->LL_Check_Update->Visible());
  EXPECT_EQ(o->LL_Check_Update->Caption(),
            "<a href=\"http://maker.test/Home/download/download.asp#DV30406\">"
            "New Version Available. Click Here for more Details</a>");
  {
    TLoopbackHttpServer server("HTTP/1.0 200 OK\r\n\r\nVER. 1.000");
    Version_Service_Host = server.Host();
    o->Btn_Check_UpdateClick(o->Btn_Check_Update);
  }
  EXPECT_EQ(o->LL_Check_Update->Caption(), "No Update Available");
  o->LL_Check_UpdateLinkClick(o->LL_Check_Update, "http://maker.test/x", {});
  EXPECT_EQ(opened_, (std::vector<std::string>{"http://maker.test/x"}));
}

TEST_F(TOptionsTest, TheBoxesFollowTheOptionsAndOkStoresThem) {
  Opt_Enable_Internet = false;
  Write_Settings("", "English", "0", "1");
  Start();
  TFSoftOptions* o = FSoftOptions;
  o->FormShow(o);
  EXPECT_FALSE(o->CB_En_Con->Checked());
  EXPECT_TRUE(o->CB_Update->Checked());
  // Update without internet: the box is off limits and so is the check.
  EXPECT_FALSE(o->CB_Update->Enabled());
  EXPECT_FALSE(o->Btn_Check_Update->Enabled());
  EXPECT_FALSE(o->LL_Check_Update->Visible());
  EXPECT_EQ(o->PC_Options->ActivePage(), o->TS_Language);
  o->CB_En_Con->SetChecked(true);
  EXPECT_TRUE(o->CB_Update->Enabled());
  EXPECT_TRUE(o->Btn_Check_Update->Enabled());
  o->CB_En_Con->SetChecked(false);
  o->CB_Soft_Set_Jump_Table->SetChecked(true);
  o->Btn_OKClick(o->Btn_OK);
  EXPECT_EQ(o->ModalResult(), mrOk);
  EXPECT_FALSE(Opt_Enable_Internet);
  EXPECT_TRUE(Opt_Enable_Update);
  EXPECT_TRUE(Opt_Jump_Field_Tables);
  EXPECT_FALSE(Opt_Double_Click_Auto_Size);
  EXPECT_FALSE(FLumetraFirmWare->Timer_Update->Enabled());
}

TEST_F(TOptionsTest, LanguagesArePagedSixAtATimeWithTheirFlags) {
  const char* const names[] = {"Czech", "Deutsch", "English", "Espanol", "Francais", "Italiano", "Polski"};
  for (const char* n : names) Write_File(File(std::string("LANGUAGE/") + n + ".lng"), "STR0 = x\n");
  Put_Flag("English.bmp", File("LANGUAGE/English.bmp"));
  Put_Flag("Italiano.bmp", File("LANGUAGE/Italiano.bmp"));
  Start();
  TFSoftOptions* o = FSoftOptions;
  o->FormShow(o);
  EXPECT_EQ(o->L_Page_Lang->Caption(), "Page 1 / 2");
  EXPECT_FALSE(o->Btn_Prev->Visible());
  EXPECT_TRUE(o->Btn_Next->Visible());
  EXPECT_EQ(o->L_L1->Caption(), "Czech");
  EXPECT_EQ(o->L_L6->Caption(), "Italiano");
  EXPECT_TRUE(o->L_L6->Visible());
  // Without DefaultFlag.bmp a language without its own flag shows none.
  EXPECT_FALSE(o->I_L1->Visible());
  EXPECT_TRUE(o->I_L3->Visible());
  EXPECT_EQ(o->I_L3->Picture()->Width(), 48);
  EXPECT_EQ(o->L_Sel_Lang->Caption(), "Selected Language : English");

  o->Btn_NextClick(o->Btn_Next);
  EXPECT_EQ(o->L_Page_Lang->Caption(), "Page 2 / 2");
  EXPECT_EQ(o->L_L1->Caption(), "Polski");
  EXPECT_TRUE(o->L_L1->Visible());
  EXPECT_FALSE(o->L_L2->Visible());
  EXPECT_FALSE(o->I_L2->Visible());
  EXPECT_TRUE(o->Btn_Prev->Visible());
  EXPECT_FALSE(o->Btn_Next->Visible());
  o->Btn_NextClick(o->Btn_Next);
  EXPECT_EQ(o->Show_Page, 2);
  o->Btn_NextClick(o->Btn_Prev);
  EXPECT_EQ(o->L_L1->Caption(), "Czech");

  // With the default flag every language has a picture.
  Put_Flag("DefaultFlag.bmp", File("LANGUAGE/DefaultFlag.bmp"));
  o->FormShow(o);
  EXPECT_TRUE(o->I_L1->Visible());
}

// An installed program keeps the user's files in the data folder, but its
// languages come with the installation, beside the executable: they are
// offered and loaded from there first, and the user's own join them.
TEST_F(TOptionsTest, LanguagesBesideTheExecutableComeFirst) {
  Write_File(File("LANGUAGE/Italiano.lng"), "STR15 = Nuova Configurazione\n");
  Write_File(File("LANGUAGE/Deutsch.lng"), "STR15 = Neue Konfiguration\n");
  Put_Flag("Italiano.bmp", File("LANGUAGE/Italiano.bmp"));
  Start();
  ForceDirectories(File("user"));
  App_Dir = File("user");
  Init_App_Folders();
  Write_File(File("user/LANGUAGE/Deutsch.lng"), "STR15 = Neu (eigene Datei)\n");
  Write_File(File("user/LANGUAGE/Polski.lng"), "STR15 = Nowa konfiguracja\n");

  TFSoftOptions* o = FSoftOptions;
  o->FormShow(o);
  EXPECT_EQ(o->L_Page_Lang->Caption(), "Page 1 / 1");
  EXPECT_EQ(o->L_L1->Caption(), "Deutsch");
  EXPECT_EQ(o->L_L2->Caption(), "Italiano");
  EXPECT_EQ(o->L_L3->Caption(), "Polski");
  EXPECT_FALSE(o->L_L4->Visible());
  EXPECT_TRUE(o->I_L2->Visible());

  const struct {
    const char* Language;
    const char* Caption;
  } cases[] = {
      {"Italiano", "Nuova Configurazione"},
      {"Deutsch", "Neue Konfiguration"},
      {"Polski", "Nowa konfiguracja"},
  };
  for (const auto& c : cases) {
    Language_Name = c.Language;
    Set_Language();
    EXPECT_EQ(Language_Name, c.Language);
    EXPECT_EQ(Lang_Table->Strings(15), c.Caption) << c.Language;
  }
}

TEST_F(TOptionsTest, NoLanguageFileShowsAnEmptyFirstPage) {
  Start();
  TFSoftOptions* o = FSoftOptions;
  o->FormShow(o);
  EXPECT_EQ(o->L_Page_Lang->Caption(), "Page 1 / 0");
  EXPECT_FALSE(o->L_L1->Visible());
  EXPECT_TRUE(o->Btn_Next->Visible());
  o->Btn_NextClick(o->Btn_Next);
  EXPECT_EQ(o->Show_Page, 1);
}

TEST_F(TOptionsTest, ALanguageFileSwitchesEveryCaptionAtOnce) {
  Write_File(File("LANGUAGE/Deutsch.lng"),
             "\xEF\xBB\xBF"
             "STR0 = Anfang\n"
             "STR16 = Konfiguration oeffnen\n"
             "STR21 = S7comm Zugriff\n"
             "STR100 = Neue Konfiguration\n"
             "STR103 = Weiter\n"
             "STR200 = Konfiguration oeffnen\n"
             "STR204 = Abbrechen\n"
             "STR300 = Optionen\n"
             "STR302 = Sprache\n"
             "STR304 = \xC2\xB6Gewaehlte Sprache: \xC2\xB6\n"
             "STR312 = Gut\n");
  Write_File(File("LANGUAGE/English.lng"), "");
  Start();
  TFSoftOptions* o = FSoftOptions;
  o->FormShow(o);
  ASSERT_EQ(o->L_L1->Caption(), "Deutsch");
  TDialogResponder r;
  r.AnswerBox(mrYes);
  o->LangClick(o->I_L1);
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Text, "Do you want to change the Language from English to Deutsch?");
  EXPECT_EQ(r.Boxes()[0].Icon, diQuestion);

  EXPECT_EQ(FLumetraFirmWare->L_Begin->Caption(), "Anfang");
  EXPECT_EQ(FLumetraFirmWare->Btn_Open->Caption(), "Konfiguration oeffnen");
  EXPECT_EQ(FLumetraFirmWare->Btn_S7_Protocol_Access->Caption(), "S7comm Zugriff");
  EXPECT_EQ(FNew_Project->Caption(), "Neue Konfiguration");
  EXPECT_EQ(FNew_Project->Btn_OK->Caption(), "Weiter");
  EXPECT_EQ(FOpenConf->Caption(), "Konfiguration oeffnen");
  EXPECT_EQ(FOpenConf->Btn_Cancel->Caption(), "Abbrechen");
  EXPECT_EQ(o->Caption(), "Optionen");
  EXPECT_EQ(o->TS_Language->Caption(), "Sprache");
  EXPECT_EQ(o->Btn_OK->Caption(), "Gut");
  EXPECT_EQ(o->L_Sel_Lang->Caption(), "Gewaehlte Sprache: Deutsch");
  // Ids the file leaves out keep their English text.
  EXPECT_EQ(FLumetraFirmWare->Btn_New->Caption(), "New Configuration");
  // The about box is the same in every language.
  FAbout->FormShow(FAbout);
  EXPECT_EQ(FAbout->Label9->Caption(), "CF30406");
  EXPECT_EQ(FAbout->Label10->Caption(), "1.000");
  EXPECT_EQ(FAbout->Label12->Caption(), "UM30406");
  EXPECT_EQ(FAbout->Label2->Caption(), "S7comm / CAN - Converter");

  // Shown at once, stored only on OK.
  EXPECT_EQ(Language_Name, "English");
  EXPECT_EQ(o->Language_In_Use, "Deutsch");
  o->Btn_OKClick(o->Btn_OK);
  EXPECT_EQ(Language_Name, "Deutsch");
}

TEST_F(TOptionsTest, ALanguageQuestionAnsweredNoChangesNothing) {
  Write_File(File("LANGUAGE/Deutsch.lng"), "STR0 = Anfang\n");
  Start();
  TFSoftOptions* o = FSoftOptions;
  o->FormShow(o);
  TDialogResponder r;
  r.AnswerBox(mrNo);
  o->LangClick(o->L_L1);
  EXPECT_EQ(FLumetraFirmWare->L_Begin->Caption(), "Begin");
  EXPECT_EQ(o->Language_In_Use, "English");
}
