#include "app/UNew_Project.h"

#include <filesystem>

#include "app/UComon.h"
#include "app/UOpenConf.h"
#include "controls/button/LbButton.h"
#include "framework/backend/qt/QtTestProbe.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/StdCtrls.h"
#include "tests/app/AppFormsFixture.h"
#include "tests/support/Input.h"
#include "tests/support/Responder.h"

namespace {
using TProjectDialogsTest = TAppFormsTest;

// Answers the next new-project dialog by typing Name and pressing OK.
void Answer_New_Project(TDialogResponder& R, const std::string& Name) {
  R.OnModal([Name](TCustomForm* F) {
    auto* d = dynamic_cast<TFNew_Project*>(F);
    d->E_New_Proj->SetText(Name);
    d->Btn_OK->Click();
  });
}

// Answers the next open-project dialog by clicking the entry Pick (none when
// empty) and pressing OK.
void Answer_Open_Project(TDialogResponder& R, const std::string& Pick,
                         std::vector<std::string>* Listed = nullptr) {
  R.OnModal([Pick, Listed](TCustomForm* F) {
    auto* d = dynamic_cast<TFOpenConf*>(F);
    if (Listed != nullptr)
      for (int i = 0; i < d->ListBox1->Items()->Count(); ++i)
        Listed->push_back(d->ListBox1->Items()->Strings(i));
    if (!Pick.empty()) {
      d->ListBox1->SetItemIndex(d->ListBox1->Items()->IndexOf(Pick));
      d->ListBox1Click(d->ListBox1);
    }
    d->Btn_OK->Click();
  });
}
}  // namespace

TEST(ProjectName, OnlyPlainFolderNamesAreProjects) {
  const struct {
    const char* Name;
    TProject_Name_Check Check;
  } cases[] = {
      {"Line 1", pnValid},    {"Anlage-Süd_2", pnValid}, {"v1.2", pnValid},        {"", pnEmpty},
      {"..", pnInvalid},      {"../Outside", pnInvalid}, {"a..b", pnInvalid},      {"a/b", pnInvalid},
      {"a\\b", pnInvalid},    {" Line", pnInvalid},      {"Line ", pnInvalid},     {"Line.", pnInvalid},
      {"a:b", pnInvalid},     {"a*b", pnInvalid},        {"a?b", pnInvalid},       {"a\"b", pnInvalid},
      {"a<b>", pnInvalid},    {"a|b", pnInvalid},        {"tab\there", pnInvalid}, {"CON", pnInvalid},
      {"nul.txt", pnInvalid}, {"com1", pnInvalid},       {"LPT9", pnInvalid},      {"COM10", pnValid},
      {"CONSOLE", pnValid},   {".hidden", pnInvalid},    {".Line 1", pnInvalid},   {"a.b.c", pnValid},
  };
  for (const auto& c : cases) EXPECT_EQ(Check_Project_Name(c.Name), c.Check) << "'" << c.Name << "'";
}

TEST_F(TProjectDialogsTest, NewProjectThenOpenProject) {
  Start();
  TFLumetraFirmWare* w = FLumetraFirmWare;
  {
    TDialogResponder r;
    Answer_New_Project(r, "Line 1");
    Answer_New_Project(r, "Line 2");
    w->Btn_New->Click();
    w->Btn_New->Click();
    EXPECT_TRUE(r.Boxes().empty());
  }
  EXPECT_TRUE(DirectoryExists(Projects("Line 1") + "/bin"));
  EXPECT_TRUE(DirectoryExists(Projects("Line 2") + "/bin"));
  EXPECT_EQ(Project_Name, "Line 2");
  EXPECT_EQ(Project_Dir, Projects("Line 2"));
  EXPECT_EQ(Path_ParGen, Projects("Line 2") + "/ParGen.xml");
  EXPECT_EQ(w->L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
  EXPECT_EQ(w->L_Name_Conf_L2->Caption(), "Line 2");

  // The open project is preselected; another one is picked and opened.
  TDialogResponder r;
  std::vector<std::string> listed;
  std::string preselected;
  r.OnModal([&](TCustomForm* F) {
    auto* d = dynamic_cast<TFOpenConf*>(F);
    preselected = d->Name_Conf;
    for (int i = 0; i < d->ListBox1->Items()->Count(); ++i)
      listed.push_back(d->ListBox1->Items()->Strings(i));
    d->ListBox1->SetItemIndex(0);
    d->ListBox1Click(d->ListBox1);
    d->Btn_OK->Click();
  });
  w->Btn_Open->Click();
  EXPECT_EQ(preselected, "Line 2");
  EXPECT_EQ(listed, (std::vector<std::string>{"Line 1", "Line 2"}));
  EXPECT_EQ(Project_Name, "Line 1");
  EXPECT_EQ(Project_Dir, Projects("Line 1"));
  EXPECT_EQ(Path_CAN_Rec_Frames, Projects("Line 1") + "/CAN_Rec_Frames.xml");
  EXPECT_EQ(w->L_Name_Conf_L2->Caption(), "Line 1");

  // Cancel changes nothing.
  TDialogResponder c;
  c.OnModal([](TCustomForm* F) { dynamic_cast<TFOpenConf*>(F)->Btn_Cancel->Click(); });
  w->Btn_Open->Click();
  EXPECT_EQ(Project_Dir, Projects("Line 1"));
}

TEST_F(TProjectDialogsTest, ProjectNamesThatAreNoPlainFolderAreRefused) {
  Make_Project_Folder("Line 1");
  Start();
  const struct {
    const char* Name;
    const char* Message;
  } cases[] = {
      {"", "Error! Name Project is not valid"},
      {"../Outside", "Error! Name project is not valid"},
      {"..", "Error! Name project is not valid"},
      {"a/b", "Error! Name project is not valid"},
      {"a\\b", "Error! Name project is not valid"},
      {" Line 2", "Error! Name project is not valid"},
      {"Line 2 ", "Error! Name project is not valid"},
      {"Line:2", "Error! Name project is not valid"},
      {".Line 2", "Error! Name project is not valid"},
      {"Line 1", "Error! Name project is not valid because directory already exists"},
      {"LINE 1", "Error! Name project is not valid because directory already exists"},
  };
  for (const auto& c : cases) {
    TDialogResponder r;
    r.AnswerBox(mrOk);
    TModalResult closed_with = mrNone;
    r.OnModal([&](TCustomForm* F) {
      auto* d = dynamic_cast<TFNew_Project*>(F);
      d->E_New_Proj->SetText(c.Name);
      d->Btn_OK->Click();
      closed_with = d->ModalResult();
    });
    FLumetraFirmWare->Btn_New->Click();
    ASSERT_EQ(r.Boxes().size(), 1u) << c.Name;
    EXPECT_EQ(r.Boxes()[0].Text, c.Message) << c.Name;
    EXPECT_EQ(r.Boxes()[0].Icon, diError);
    // The dialog stays open for a correction.
    EXPECT_EQ(closed_with, mrNone) << c.Name;
    EXPECT_TRUE(Project_Dir.empty());
  }
  EXPECT_FALSE(DirectoryExists(File("Outside")));
  EXPECT_EQ(FindFiles(Projects(), "*").size(), 1u);
}

// A new name must be a plain folder name, but a folder that is already
// there (made by hand or on another system) opens whatever blanks and dots
// its name holds, from the list and again at the next start.
TEST_F(TProjectDialogsTest, ExistingFoldersOpenWhateverBlanksAndDotsTheirNamesHold) {
  const char* const names[] = {"Plant..2", " Lead", "Trail ", "Line.", "con", "Anlage S\u00fcd"};
  for (const char* name : names) Make_Project_Folder(name);
  Start();
  for (const char* name : names) {
    SCOPED_TRACE(std::string("'") + name + "'");
    TDialogResponder r;
    Answer_Open_Project(r, name);
    FLumetraFirmWare->Btn_Open->Click();
    EXPECT_TRUE(r.Boxes().empty());
    EXPECT_EQ(Project_Dir, Projects(name));
    EXPECT_EQ(FLumetraFirmWare->L_Name_Conf_L2->Caption(), name);
    EXPECT_EQ(Path_ParGen, Projects(name) + "/ParGen.xml");
  }
  for (const char* name : names) {
    SCOPED_TRACE(std::string("'") + name + "' at start-up");
    Destroy_Forms();
    Write_Settings(name);
    Start();
    EXPECT_EQ(Project_Dir, Projects(name));
  }
}

TEST_F(TProjectDialogsTest, EnterInTheNameActsLikeOk) {
  Start();
  TDialogResponder r;
  r.AnswerBox(mrOk);
  r.OnModal([](TCustomForm* F) {
    auto* d = dynamic_cast<TFNew_Project*>(F);
    // Empty first: the same refusal as OK gives.
    char32_t key = 13;
    d->E_New_ProjKeyPress(d->E_New_Proj, key);
    EXPECT_EQ(key, 0u);
    d->E_New_Proj->SetText("Line 7");
    testinput::PressKey(VK_RETURN);
  });
  FLumetraFirmWare->Btn_New->Click();
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Text, "Error! Name Project is not valid");
  EXPECT_EQ(Project_Name, "Line 7");
  EXPECT_TRUE(DirectoryExists(Projects("Line 7")));
}

TEST_F(TProjectDialogsTest, TheOpenDialogWithNoProjectsReturnsNoName) {
  Make_Project_Folder("Line 1");
  Start();
  {
    // A first show picks the only project.
    TDialogResponder r;
    Answer_Open_Project(r, "");
    FLumetraFirmWare->Btn_Open->Click();
    EXPECT_EQ(Project_Dir, Projects("Line 1"));
  }
  std::filesystem::remove_all(Projects("Line 1"));
  TDialogResponder r;
  std::vector<std::string> listed;
  Answer_Open_Project(r, "", &listed);
  FLumetraFirmWare->Btn_Open->Click();
  EXPECT_TRUE(listed.empty());
  EXPECT_TRUE(FOpenConf->Name_Conf.empty());
  EXPECT_TRUE(Project_Dir.empty());
  EXPECT_EQ(FLumetraFirmWare->L_Name_Conf_L2->Caption(), "Use Step1 to open or create new configuration");
  EXPECT_EQ(Path_ParGen, NativePath("\\ParGen.xml"));
}

TEST_F(TProjectDialogsTest, AProjectWhoseFolderVanishedIsNotOpened) {
  Make_Project_Folder("Line 1");
  Make_Project_Folder("Line 2");
  Write_Settings("Line 1");
  Start();
  TDialogResponder r;
  r.AnswerBox(mrOk);
  r.OnModal([this](TCustomForm* F) {
    auto* d = dynamic_cast<TFOpenConf*>(F);
    d->ListBox1->SetItemIndex(1);
    d->ListBox1Click(d->ListBox1);
    std::filesystem::remove_all(Projects("Line 2"));
    d->Btn_OK->Click();
  });
  FLumetraFirmWare->Btn_Open->Click();
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Text, "Error! Project not Valid");
  EXPECT_EQ(Project_Dir, Projects("Line 1"));
  EXPECT_EQ(Project_Name, "Line 1");
}

TEST_F(TProjectDialogsTest, TheOpenProjectIsPreselectedWhateverItsLetterCase) {
  Make_Project_Folder("alpha");
  Make_Project_Folder("Beta");
  Start();
  FOpenConf->FormShow(FOpenConf);
  EXPECT_EQ(FOpenConf->Name_Conf, "alpha");
  EXPECT_EQ(FOpenConf->Search_Open_Conf("BETA"), 1);
  EXPECT_EQ(FOpenConf->Search_Open_Conf("gamma"), -1);
  Project_Dir = Join_Path(Projects_Dir, "BETA");
  FOpenConf->FormShow(FOpenConf);
  EXPECT_EQ(FOpenConf->Name_Conf, "Beta");
  EXPECT_EQ(FOpenConf->ListBox1->ItemIndex(), 1);

  // A larger window keeps the list's and the buttons' distances to its edges.
  const int list_right =
      FOpenConf->ClientWidth() - (FOpenConf->ListBox1->Left() + FOpenConf->ListBox1->Width());
  const int list_bottom =
      FOpenConf->ClientHeight() - (FOpenConf->ListBox1->Top() + FOpenConf->ListBox1->Height());
  FOpenConf->SetClientWidth(FOpenConf->ClientWidth() + 100);
  FOpenConf->SetClientHeight(FOpenConf->ClientHeight() + 60);
  EXPECT_EQ(FOpenConf->ClientWidth() - (FOpenConf->ListBox1->Left() + FOpenConf->ListBox1->Width()),
            list_right);
  EXPECT_EQ(FOpenConf->ClientHeight() - (FOpenConf->ListBox1->Top() + FOpenConf->ListBox1->Height()),
            list_bottom);
  EXPECT_EQ(FOpenConf->P_Button->ClientWidth() - FOpenConf->Btn_Cancel->Left(), 102);
}

// A project name wider than the list scrolls sideways; short names need no
// horizontal bar.
TEST_F(TProjectDialogsTest, ALongProjectNameScrollsSidewaysInTheOpenList) {
  const std::string long_name = std::string(170, 'x') + " Line 1000";
  Make_Project_Folder("Line 1");
  Start();
  FOpenConf->FormShow(FOpenConf);
  EXPECT_FALSE(FOpenConf->ListBox1->HorzBarShown());

  Make_Project_Folder(long_name);
  FOpenConf->FormShow(FOpenConf);
  TListBox* list = FOpenConf->ListBox1;
  ASSERT_TRUE(list->HorzBarShown());
  EXPECT_GE(list->ScrollWidth(), list->Canvas()->TextWidth(long_name));
  // Scrolled to its end, the last characters of the name are in view.
  list->Perform(WM_HSCROLL, SB_RIGHT, 0);
  EXPECT_EQ(list->ScrollLeft(), list->ScrollWidth() - list->ClientWidth());
}

// However small the user makes the open dialog, the list keeps a few rows
// and the buttons stay whole, side by side, inside the window.
TEST_F(TProjectDialogsTest, TheOpenDialogKeepsItsButtonsUsableAtItsSmallestSize) {
  Start();
  TFOpenConf* f = FOpenConf;
  f->SetBounds(f->Left(), f->Top(), 40, 40);
  EXPECT_EQ(f->ClientWidth(), 250);
  EXPECT_EQ(f->ClientHeight(), 190);
  auto inForm = [f](TControl* C) {
    TPoint p = f->ScreenToClient(C->ClientToScreen(TPoint(0, 0)));
    return Bounds(p.X, p.Y, C->Width(), C->Height());
  };
  const TRect client = f->ClientRect();
  const TRect ok = inForm(f->Btn_OK), cancel = inForm(f->Btn_Cancel), list = inForm(f->ListBox1);
  for (const TRect& r : {ok, cancel}) {
    EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= client.Right && r.Bottom <= client.Bottom);
    EXPECT_GE(r.Top, list.Bottom);
  }
  EXPECT_LE(ok.Right, cancel.Left);
  EXPECT_GE(ok.Left, inForm(f->Label1).Left);
  EXPECT_GE(list.Height(), 3 * f->ListBox1->ItemHeight());
  // The window system is told the same limit.
  f->HandleNeeded();
  TQtWindowFacts facts;
  ASSERT_TRUE(QtWindowFacts(f->Handle(), facts));
  EXPECT_EQ(facts.MinWidth, 250);
  EXPECT_EQ(facts.MinHeight, 190);
}
