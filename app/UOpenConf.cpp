#include "app/UOpenConf.h"

#include <algorithm>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "controls/button/LbButton.h"
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/StdCtrls.h"
#include "framework/os/Files.h"
#include "framework/rtl/StrUtils.h"

TFOpenConf* FOpenConf = nullptr;

namespace {
std::string Lang(int Id) { return Lang_Table->Strings(Id); }
}  // namespace

bool Valid_Project_Folder_Name(std::string_view Name) {
  if (Name.empty() || Name == "." || Name == "..") return false;
  return Name.find_first_of("/\\") == std::string_view::npos;
}

CF_PUBLISH(TFOpenConf, TForm) {
  using F = TFOpenConf;
  P.Field("P_Title", &F::P_Title);
  P.Field("L_SW_Code", &F::L_SW_Code);
  P.Field("L_SW_Desc", &F::L_SW_Desc);
  P.Field("Label1", &F::Label1);
  P.Field("ListBox1", &F::ListBox1);
  P.Field("P_Button", &F::P_Button);
  P.Field("Btn_OK", &F::Btn_OK);
  P.Field("Btn_Cancel", &F::Btn_Cancel);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
  P.Method("ListBox1Click", &F::ListBox1Click);
}

TFOpenConf::TFOpenConf(TComponent* AOwner) : TForm(AOwner), SL(new TStringList) {
  LoadFormLayout(this, "forms/FOpenConf.dfm");
}

TFOpenConf::~TFOpenConf() {
  if (FOpenConf == this) FOpenConf = nullptr;
}

void TFOpenConf::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientWidth(377);
  SetClientHeight(351);
  // Smaller, the buttons would run over the list and the title.
  Constraints()->SetMinWidth(Width() - ClientWidth() + 250);
  Constraints()->SetMinHeight(Height() - ClientHeight() + 190);
  Set_Lang();
}

void TFOpenConf::Set_Lang() {
  SetCaption(Lang(200));
  L_SW_Desc->SetCaption(Lang(201));
  Label1->SetCaption(Lang(202));
  Btn_OK->SetCaption(Lang(203));
  Btn_Cancel->SetCaption(Lang(204));
  ListBox1->SetHint(Lang(205));
  Btn_OK->SetHint(Lang(206));
  Btn_Cancel->SetHint(Lang(207));
}

void TFOpenConf::Load_Existing_Configuration(TStringList* List) {
  List->Clear();
  for (const TSearchRec& r : FindFiles(Projects_Dir, "*", ffFoldersOnly)) List->Add(r.Name);
}

int TFOpenConf::Search_Open_Conf(const std::string& Snc) const {
  const std::string wanted = UpperCase(Snc);
  for (int i = 0; i < SL->Count(); ++i)
    if (UpperCase(SL->Strings(i)) == wanted) return i;
  return -1;
}

void TFOpenConf::FormShow(TObject*) {
  Load_Existing_Configuration(SL.get());
  ListBox1->Items()->Assign(SL.get());
  // A name wider than the list scrolls sideways instead of being cut.
  TCanvas* canvas = ListBox1->Canvas();
  canvas->Font()->Assign(ListBox1->Font());
  int widest = 0;
  for (int i = 0; i < SL->Count(); ++i) widest = std::max(widest, canvas->TextWidth(SL->Strings(i)));
  ListBox1->SetScrollWidth(widest > 0 ? widest + 6 : 0);

  // The open project's name is what follows PROJECTS in its folder.
  std::string open;
  const std::string prefix = Join_Path(Projects_Dir, "");
  if (!Project_Dir.empty() && Project_Dir.starts_with(prefix)) open = Project_Dir.substr(prefix.size());

  int index = Search_Open_Conf(open);
  if (index < 0 && SL->Count() > 0) index = 0;
  if (index >= 0) {
    ListBox1->SetItemIndex(index);
    Name_Conf = SL->Strings(index);
  } else {
    // No project to offer: OK must not hand back a name from an earlier
    // show whose folder may be gone.
    Name_Conf.clear();
  }
}

void TFOpenConf::ListBox1Click(TObject*) {
  const int index = ListBox1->ItemIndex();
  if (index >= 0 && index < ListBox1->Items()->Count()) Name_Conf = ListBox1->Items()->Strings(index);
}
