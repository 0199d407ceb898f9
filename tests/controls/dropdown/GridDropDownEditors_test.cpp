// The grid's drop-down editors take the drop-down header and footer of the
// grid's control look each time they open, and their strip buttons report
// to the grid with its current cell.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/dropdown/GridDropDownEditors.h"
#include "controls/dropdown/VevDropDownPopup.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/controls/Forms.h"
#include "framework/controls/StdCtrls.h"
#include "grid/view/DivUzevDropDownEditors.h"
#include "grid/view/GridEditFixture.h"

namespace {

using namespace testinput;

const TEditorType kKinds[] = {edTrackbarDropDown,    edMemoDropDown,        edCalculatorDropDown,
                              edTimePickerDropDown,  edDetailDropDown,      edGridDropDown,
                              edColorPickerDropDown, edImagePickerDropDown, edDivUzevDropDown};

struct GridDropDownLookFixture : GridEditFixture {
  TEditorType kind = edNormal;
  std::vector<std::string> clicks;

  void SetUp() override {
    RegisterGridDropDownEditors();
    GridEditFixture::SetUp();
    g->SetColWidths(1, 160);
    g->OnGetEditorType = [this](TObject*, int c, int, TEditorType& e) {
      if (c == 1) e = kind;
    };
    g->OnGetEditorProp = [this](TObject*, int, int, TEditLink*) { Fill(); };
    g->OnDropDownHeaderButtonClick = [this](TObject* s, int c, int r, int i) { Note("header", s, c, r, i); };
    g->OnDropDownFooterButtonClick = [this](TObject* s, int c, int r, int i) { Note("footer", s, c, r, i); };
  }
  void Note(const char* Strip, TObject* Sender, int c, int r, int i) {
    clicks.push_back(std::string(Strip) + (Sender == g ? " grid " : " other ") + std::to_string(c) + "," +
                     std::to_string(r) + " " + std::to_string(i));
  }
  // Something to show in the list kinds' pop-ups.
  void Fill() {
    switch (kind) {
      case edDetailDropDown: {
        auto* d = DetailPickerDropDown(g);
        d->Items()->Clear();
        d->Items()->Add()->SetCaption("Apple");
        break;
      }
      case edGridDropDown: {
        auto* d = GridDropDown(g);
        d->Items()->Clear();
        d->Columns()->Clear();
        d->Columns()->Add()->SetHeader("City");
        d->Items()->Add()->Text()->Add("Rome");
        break;
      }
      case edDivUzevDropDown: {
        auto* d = DivUzevDropDown(g);
        d->Items()->Clear();
        d->Columns()->Clear();
        d->Columns()->Add()->SetHeader("Fruit");
        d->Items()->Add()->Text()->Add("Apple");
        break;
      }
      case edImagePickerDropDown: {
        auto* d = ImagePickerDropDown(g);
        d->Items()->Clear();
        d->Items()->Add()->SetImageIndex(0);
        break;
      }
      default:
        break;
    }
  }
  TVevUrizazEvuvUduz* Open(TEditorType Kind, int Row) {
    kind = Kind;
    Goto(1, Row);
    PressKey(VK_F2);
    Pump();
    return dynamic_cast<TVevUrizazEvuvUduz*>(g->EditCtrl());
  }
};

std::vector<std::string> Captions(THeaderButtons* B) {
  std::vector<std::string> r;
  for (int i = 0; i < B->Count(); ++i) r.push_back(B->Items(i)->Caption());
  return r;
}

std::vector<std::string> Captions(TFooterButtons* B) {
  std::vector<std::string> r;
  for (int i = 0; i < B->Count(); ++i) r.push_back(B->Items(i)->Caption());
  return r;
}

TEST_F(GridDropDownLookFixture, EachKindTakesTheGridsHeaderAndFooterAndReportsItsButtons) {
  THeaderAppearance* gh = g->ControlLook()->DropDownHeader();
  TFooterAppearance* gf = g->ControlLook()->DropDownFooter();
  gh->SetCaption("Pick a value");
  gh->SetHeight(26);
  gh->Buttons()->Add()->SetCaption("Clear");
  gf->SetSizeGrip(false);
  gf->Buttons()->Add()->SetCaption("Keep");
  gf->Buttons()->Add()->SetCaption("More");
  for (TEditorType k : kKinds) {
    SCOPED_TRACE(static_cast<int>(k));
    clicks.clear();
    gh->SetVisible(true);
    gf->SetVisible(true);
    TVevUrizazEvuvUduz* d = Open(k, 3);
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(g->EditControl(), k);
    // Kinds that hide their strips of their own show the grid's.
    EXPECT_TRUE(d->DropDownHeader()->Visible());
    EXPECT_TRUE(d->DropDownFooter()->Visible());
    EXPECT_EQ(d->DropDownHeader()->Caption(), "Pick a value");
    EXPECT_EQ(d->DropDownHeader()->Height(), 26);
    EXPECT_EQ(Captions(d->DropDownHeader()->Buttons()), std::vector<std::string>{"Clear"});
    EXPECT_FALSE(d->DropDownFooter()->SizeGrip());
    EXPECT_EQ(Captions(d->DropDownFooter()->Buttons()), (std::vector<std::string>{"Keep", "More"}));
    // Copies: the grid's own objects stay the grid's.
    EXPECT_NE(d->DropDownHeader(), gh);

    // The pop-up shows the strips; a click on a strip button reaches the
    // grid with its current cell.
    d->ShowDropDown();
    Pump();
    ASSERT_TRUE(d->DroppedDown());
    TDropDownForm* form = d->DropDownForm();
    ASSERT_NE(form->Header(), nullptr);
    ASSERT_NE(form->Footer(), nullptr);
    EXPECT_TRUE(form->Header()->Visible());
    EXPECT_EQ(form->Header()->Appearance()->Caption(), "Pick a value");
    ASSERT_EQ(form->Footer()->ButtonCount(), 2);
    Click(form->Footer()->Button(1), 3, 3);
    ASSERT_EQ(form->Header()->ButtonCount(), 1);
    Click(form->Header()->Button(0), 3, 3);
    EXPECT_EQ(clicks, (std::vector<std::string>{"footer grid 1,3 1", "header grid 1,3 0"}));
    d->HideDropDown(true);
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(g->EditMode());

    // A change of the grid's look reaches the editor at its next opening.
    gh->SetVisible(false);
    gf->SetVisible(false);
    d = Open(k, 4);
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(d->DropDownHeader()->Visible());
    EXPECT_FALSE(d->DropDownFooter()->Visible());
    PressKey(VK_ESCAPE);
  }
}

// What the user writes in the memo editor's pop-up is in the cell as it is
// typed, and stays there when the edit ends.
TEST_F(GridDropDownLookFixture, TheMemoPopupsTextGoesIntoTheCellAsItIsTyped) {
  g->SetCells(1, 2, "");
  auto* d = dynamic_cast<TGridMemoDropDown*>(Open(edMemoDropDown, 2));
  ASSERT_NE(d, nullptr);
  d->ShowDropDown();
  Pump();
  ASSERT_TRUE(d->DroppedDown());
  ASSERT_NE(d->Memo(), nullptr);
  d->Memo()->SetFocus();
  TypeText("Öl");
  EXPECT_EQ(g->Cells(1, 2), "Öl") << "while the pop-up is open";
  PressKey(VK_RETURN);
  TypeText("Wasser");
  EXPECT_EQ(g->Cells(1, 2), "Öl\r\nWasser");
  d->HideDropDown(false);
  Pump();
  PressKey(VK_RETURN);
  Pump();
  EXPECT_FALSE(g->EditMode());
  EXPECT_EQ(g->Cells(1, 2), "Öl\r\nWasser");
}

TEST_F(GridDropDownLookFixture, AStyledGridGivesTheStripsItsPresetColours) {
  // The look preset comes after the grid's header and footer, as it does
  // for any drop-down: the strips take its colours, the rest stays.
  g->ControlLook()->DropDownHeader()->SetColor(clYellow);
  g->ControlLook()->DropDownHeader()->SetCaption("Styled");
  g->SetComponentStyle(tsWindows7);
  TVevUrizazEvuvUduz* d = Open(edMemoDropDown, 2);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->DropDownHeader()->Color(), static_cast<TColor>(0xFDFBFA))
      << std::hex << d->DropDownHeader()->Color();
  EXPECT_EQ(d->DropDownHeader()->Caption(), "Styled");
  PressKey(VK_ESCAPE);
  // Without a preset the grid's colours stay.
  g->SetComponentStyle(tsCustom);
  d = Open(edMemoDropDown, 3);
  EXPECT_EQ(d->DropDownHeader()->Color(), clYellow);
  PressKey(VK_ESCAPE);
}

TEST(GridDropDownEditors, StoredLayoutsCanMakeEachEditorByItsName) {
  RegisterGridDropDownEditors();
  const std::vector<std::string> registered = RegisteredClassNames();
  TForm form(nullptr);
  for (const char* name : {"TGridTrackbarDropDown", "TGridMemoDropDown", "TGridCalculatorDropDown",
                           "TGridTimepickerDropDown", "TGridDetailPickerDropDown", "TGridGridDropDown",
                           "TGridColorDropDown", "TGridImageDropDown", "TGridDivUzevDropDown"}) {
    EXPECT_NE(std::find(registered.begin(), registered.end(), name), registered.end()) << name;
    TComponent* c = nullptr;
    EXPECT_NO_THROW(c = CreateComponent(name, &form)) << name;
    ASSERT_NE(c, nullptr) << name;
    EXPECT_EQ(c->ClassName(), name);
  }
}

}  // namespace
