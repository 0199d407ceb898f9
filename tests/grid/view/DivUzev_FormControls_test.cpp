// Form controls inside markup cells, driven by the mouse and the keys: the
// editors that open over EDIT, PASSWORD, MASK and COMBO controls and write
// their value back into the control's VALUE, the controls the press changes
// in the text itself (CHECK, RADIO, BUTTON), Tab from control to control,
// Enter and F2 on the grid, and cells whose controls take no input. Also the
// painting of markup cells through the markup engine.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "GridEditFixture.h"
#include "framework/classes/StringList.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/RecordingCanvas.h"
#include "grid/base/DudHTMLE.h"
#include "grid/view/DivUzevFormControls.h"
#include "support/Input.h"

namespace {

// Controls side by side from the cell's left edge: the first box starts at
// the markup's left edge, each next one where the one before ends.
const char* const kTwoFields =
    "<CONTROL TYPE=\"EDIT\" ID=\"name\" VALUE=\"Bob\" WIDTH=\"60\" MAXLEN=\"5\">"
    "<CONTROL TYPE=\"PASSWORD\" ID=\"pw\" VALUE=\"abc\" WIDTH=\"50\">"
    "<CONTROL TYPE=\"CHECK\" ID=\"ok\" VALUE=\"FALSE\">"
    "<CONTROL TYPE=\"COMBO\" ID=\"city\" VALUE=\"Rome\" WIDTH=\"70\">";

struct FormControlsFixture : GridEditFixture {
  std::vector<std::string> done;

  void SetUp() override {
    GridEditFixture::SetUp();
    g->SetDefaultRowHeight(32);
    g->SetColWidths(2, 260);
    g->OnControlEditDone = [this](TObject*, int r, int c, const std::string& id, const std::string& type,
                                  const std::string& value) {
      done.push_back(std::to_string(c) + "," + std::to_string(r) + " " + id + " " + type + " " + value);
    };
    testinput::Pump();
  }
  // A point inside the control that starts Offset pixels into the markup.
  TPoint At(int Col, int Row, int Offset) {
    const TRect r = g->CellRect(Col, Row);
    return TPoint(r.Left + g->XYOffset().X + 2 + Offset + 5, r.Top + g->XYOffset().Y + 1 + 8);
  }
  void ClickAt(int Col, int Row, int Offset) {
    const TPoint p = At(Col, Row, Offset);
    testinput::Click(g, p.X, p.Y);
  }
  std::string Value(int Col, int Row, const std::string& ID) {
    std::string v;
    EXPECT_TRUE(GetControlValue(g->Cells(Col, Row), ID, v)) << ID;
    return v;
  }
  TControlEdit* Box() { return g->ControlEditBox(); }
  TControlCombo* Combo() { return g->ControlComboBox(); }
};

}  // namespace

TEST_F(FormControlsFixture, AnEditControlOpensOverItsPlaceAndWritesItsValueBackWhenLeft) {
  // A hidden column in front: the events name the real column.
  g->SetCells(2, 3, kTwoFields);
  g->HideColumn(1);
  testinput::Pump();
  const int shown = g->DisplColIndexOf(2);
  ASSERT_EQ(shown, 1);
  std::vector<std::string> clicks;
  g->OnControlClick = [&](TObject*, int r, int c, const std::string& id, const std::string& type,
                          const std::string& v) {
    clicks.push_back(std::to_string(c) + "," + std::to_string(r) + " " + id + " " + type + " " + v);
  };
  ClickAt(shown, 3, 0);
  ASSERT_TRUE(Box()->Visible());
  EXPECT_TRUE(Box()->Focused());
  EXPECT_TRUE(g->ControlEditing());
  EXPECT_EQ(clicks, (std::vector<std::string>{"1,3 name EDIT Bob"}));
  EXPECT_EQ(Box()->Text(), "Bob");
  EXPECT_EQ(Box()->MaxLength(), 5);
  EXPECT_EQ(Box()->PasswordChar(), 0u);
  EXPECT_EQ(Box()->BorderStyle(), bsNone);
  // Over the control's box: one pixel in, eight down, 14 high.
  const TRect cell = g->CellRect(shown, 3);
  EXPECT_EQ(Box()->Left(), cell.Left + g->XYOffset().X + 2 + 1);
  EXPECT_EQ(Box()->Top(), cell.Top + g->XYOffset().Y + 1 + 8);
  EXPECT_EQ(Box()->Width(), 60 - 4);
  EXPECT_EQ(Box()->Height(), 14);

  // At most five characters.
  Box()->SelectAll();
  testinput::TypeText("Tommaso");
  EXPECT_EQ(Box()->Text(), "Tomma");
  EXPECT_EQ(Value(2, 3, "name"), "Bob") << "nothing is written while the edit is open";

  other->SetFocus();
  testinput::Pump();
  EXPECT_FALSE(Box()->Visible());
  EXPECT_FALSE(g->ControlEditing());
  EXPECT_EQ(Value(2, 3, "name"), "Tomma");
  EXPECT_EQ(done, (std::vector<std::string>{"2,3 name EDIT Tomma"}));
  // The rest of the tag and the other controls stay as they were.
  EXPECT_EQ(GetControlMaxLen(g->Cells(2, 3), "name"), 5);
  EXPECT_EQ(Value(2, 3, "pw"), "abc");
  EXPECT_EQ(Value(2, 3, "city"), "Rome");
}

TEST_F(FormControlsFixture, TypedQuotesAndAnglesStayPartOfTheValue) {
  g->SetCells(2, 2, kTwoFields);
  ClickAt(2, 2, 0);
  ASSERT_TRUE(Box()->Visible());
  Box()->SetMaxLength(0);
  Box()->SetText("x\" ID=\"evil\" WIDTH=\"9\"><b>");
  testinput::PressKey(VK_RETURN);
  EXPECT_FALSE(Box()->Visible());
  EXPECT_TRUE(g->Focused()) << "Enter gives the focus back to the grid";
  EXPECT_EQ(Value(2, 2, "name"), "x\" ID=\"evil\" WIDTH=\"9\"><b>");
  std::string v;
  EXPECT_FALSE(GetControlValue(g->Cells(2, 2), "evil", v));
  // Drawn, the control keeps its width: the check box after it stays put.
  std::string type, id, maxLen, prop, height, width, value;
  const std::string cellText = g->Cells(2, 2);
  ParseControlTag(cellText.substr(0, cellText.find('>', cellText.find("VALUE")) + 1), type, id, maxLen, prop,
                  height, width, value);
  EXPECT_EQ(width, "60");
  EXPECT_EQ(type, "EDIT");
}

TEST_F(FormControlsFixture, PasswordAndMaskControlsTakeTheirEditorsLook) {
  g->SetCells(2, 2, kTwoFields);
  g->SetCells(2, 4,
              "<CONTROL TYPE=\"MASK\" ID=\"d\" VALUE=\"1234\" WIDTH=\"80\" PROP=\"00-00;0;_\">"
              "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"\" WIDTH=\"40\">");
  ClickAt(2, 2, 60);
  ASSERT_TRUE(Box()->Visible());
  EXPECT_EQ(Box()->PasswordChar(), U'*');
  EXPECT_EQ(Box()->Text(), "abc");
  EXPECT_TRUE(Box()->EditMask().empty());
  testinput::PressKey(VK_END);
  testinput::TypeText("d");
  testinput::PressKey(VK_RETURN);
  EXPECT_EQ(Value(2, 2, "pw"), "abcd");

  ClickAt(2, 4, 0);
  ASSERT_TRUE(Box()->Visible());
  EXPECT_EQ(Box()->EditMask(), "00-00;0;_");
  EXPECT_EQ(Box()->PasswordChar(), 0u) << "nothing left from the password control";
  EXPECT_EQ(Box()->EditText(), "12-34");
  Box()->SelectAll();
  testinput::TypeText("5678");
  testinput::PressKey(VK_RETURN);
  EXPECT_EQ(Value(2, 4, "d"), "5678");

  // The next plain field has no mask left over.
  ClickAt(2, 4, 80);
  ASSERT_TRUE(Box()->Visible());
  EXPECT_TRUE(Box()->EditMask().empty());
  testinput::TypeText("ab");
  testinput::PressKey(VK_RETURN);
  EXPECT_EQ(Value(2, 4, "e"), "ab");
}

TEST_F(FormControlsFixture, ComboControlsListWhatTheApplicationGives) {
  g->SetCells(2, 2, kTwoFields);
  // Without a handler: an empty list that takes typing, 8 lines down.
  ClickAt(2, 2, 126);
  ASSERT_TRUE(Combo()->Visible());
  EXPECT_FALSE(Box()->Visible());
  EXPECT_EQ(Combo()->Items()->Count(), 0);
  EXPECT_EQ(Combo()->Style(), csDropDown);
  EXPECT_EQ(Combo()->DropDownCount(), 8);
  EXPECT_EQ(Combo()->Text(), "Rome");
  EXPECT_TRUE(Combo()->DroppedDown());
  EXPECT_TRUE(Combo()->Focused());
  const TRect cell = g->CellRect(2, 2);
  EXPECT_EQ(Combo()->Left(), cell.Left + g->XYOffset().X + 2 + 126 - 1);
  EXPECT_EQ(Combo()->Width(), 70);
  testinput::PressKey(VK_ESCAPE);  // closes the list only
  Combo()->SetText("Turin");
  testinput::PressKey(VK_RETURN);
  EXPECT_FALSE(Combo()->Visible());
  EXPECT_EQ(Value(2, 2, "city"), "Turin");
  EXPECT_EQ(done.back(), "2,2 city COMBO Turin");

  // A handler that fills the list and makes it list-only.
  std::vector<std::string> listAsked, selected;
  g->OnControlComboList = [&](TObject*, int r, int c, const std::string& id, const std::string& type,
                              const std::string& v, TStrings* values, bool& edit, int& dropCount) {
    listAsked.push_back(std::to_string(c) + "," + std::to_string(r) + " " + id + " " + type + " " + v);
    values->Add("Milan");
    values->Add("Rome");
    values->Add("Turin");
    edit = false;
    dropCount = 3;
  };
  g->OnControlComboSelect = [&](TObject*, int r, int c, int index, const std::string& id,
                                const std::string& v) {
    selected.push_back(std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(index) + " " + id +
                       " " + v);
  };
  ClickAt(2, 2, 126);
  ASSERT_TRUE(Combo()->Visible());
  EXPECT_EQ(listAsked, (std::vector<std::string>{"2,2 city COMBO Turin"}));
  EXPECT_EQ(Combo()->Style(), csDropDownList);
  EXPECT_EQ(Combo()->DropDownCount(), 3);
  EXPECT_EQ(Combo()->ItemIndex(), 2) << "the value's item is selected";
  testinput::PressKey(VK_ESCAPE);
  testinput::PressKey(VK_UP);
  EXPECT_EQ(selected, (std::vector<std::string>{"2,2 1 city Rome"}));
  testinput::PressKey(VK_RETURN);
  EXPECT_EQ(Value(2, 2, "city"), "Rome");
  // The next combo starts with only the items it is given.
  g->OnControlComboList = nullptr;
  ClickAt(2, 2, 126);
  EXPECT_EQ(Combo()->Items()->Count(), 0);
  EXPECT_EQ(Combo()->Style(), csDropDown);
  testinput::PressKey(VK_ESCAPE);
  testinput::PressKey(VK_RETURN);
}

TEST_F(FormControlsFixture, ChecksRadiosAndButtonsChangeTheTextAndOpenNoEditor) {
  g->SetCells(2, 2,
              "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"FALSE\">"
              "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\">"
              "<CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"FALSE\">"
              "<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"40\">");
  std::vector<std::string> clicks;
  g->OnControlClick = [&](TObject*, int, int, const std::string& id, const std::string& type,
                          const std::string& v) { clicks.push_back(id + " " + type + " " + v); };
  ClickAt(2, 2, 0);
  EXPECT_EQ(Value(2, 2, "c"), "TRUE");
  ClickAt(2, 2, 0);
  EXPECT_EQ(Value(2, 2, "c"), "FALSE");
  ClickAt(2, 2, 32);
  EXPECT_EQ(Value(2, 2, "r2"), "TRUE");
  EXPECT_EQ(Value(2, 2, "r1"), "FALSE") << "one radio of the cell is on";
  const TPoint b = At(2, 2, 48);
  testinput::MouseDown(g, b.X, b.Y);
  EXPECT_EQ(Value(2, 2, "b"), "Go");
  testinput::MouseUp(g, b.X, b.Y);
  EXPECT_EQ(clicks,
            (std::vector<std::string>{"c CHECK TRUE", "c CHECK FALSE", "r2 RADIO TRUE", "b BUTTON Go"}));
  EXPECT_FALSE(Box()->Visible());
  EXPECT_FALSE(Combo()->Visible());
  EXPECT_FALSE(g->ControlEditing());
  EXPECT_TRUE(done.empty());
}

TEST_F(FormControlsFixture, TabGoesFromControlToControlAndEnterOrF2OpenTheFirst) {
  g->SetCells(2, 2, kTwoFields);
  Goto(2, 2);
  // F2 on the grid opens the cell's first field.
  testinput::PressKey(VK_F2);
  ASSERT_TRUE(Box()->Visible());
  EXPECT_EQ(Box()->Text(), "Bob");
  EXPECT_FALSE(EditorShown()) << "the cell's own editor stays closed";
  testinput::PressKey(VK_END);
  testinput::TypeText("!");
  // Tab: to the password field, past the check box to the combo, then the
  // grid takes the focus.
  testinput::PressKey(VK_TAB);
  ASSERT_TRUE(Box()->Visible());
  EXPECT_EQ(Box()->PasswordChar(), U'*');
  EXPECT_EQ(Box()->Text(), "abc");
  testinput::PressKey(VK_TAB);
  ASSERT_TRUE(Combo()->Visible());
  EXPECT_FALSE(Box()->Visible());
  testinput::PressKey(VK_TAB);
  EXPECT_FALSE(Combo()->Visible());
  EXPECT_TRUE(g->Focused());
  EXPECT_EQ(g->Col(), 2) << "the grid stays on the cell";
  EXPECT_EQ(done.size(), 3u);
  EXPECT_EQ(done[0], "2,2 name EDIT Bob!");
  EXPECT_EQ(done[1], "2,2 pw PASSWORD abc");
  EXPECT_EQ(done[2], "2,2 city COMBO Rome");

  // Enter opens the first one too.
  testinput::PressKey(VK_RETURN);
  ASSERT_TRUE(Box()->Visible());
  EXPECT_EQ(Box()->Text(), "Bob!");
  testinput::PressKey(VK_RETURN);
  EXPECT_TRUE(g->Focused());

  // With AdvanceAuto, Tab moves on to the next cell.
  g->Navigation()->SetAdvanceAuto(true);
  testinput::PressKey(VK_F2);
  ASSERT_TRUE(Box()->Visible());
  testinput::PressKey(VK_TAB);
  EXPECT_FALSE(Box()->Visible());
  EXPECT_EQ(g->Col(), 3);
}

TEST_F(FormControlsFixture, ControlsOfCellsThatCannotBeEditedTakeNoInput) {
  struct Case {
    const char* what;
    std::function<void()> setup;
  };
  const Case cases[] = {
      {"editing off", [&] { g->SetOptions(g->Options() >> goEditing); }},
      {"read-only cell", [&] { g->SetReadOnly(2, 2, true); }},
      {"refused by OnCanEditCell",
       [&] { g->OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; }; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    g->SetOptions(g->Options() << goEditing);
    g->SetReadOnly(2, 2, false);
    g->OnCanEditCell = nullptr;
    g->SetCells(2, 2, kTwoFields);
    c.setup();
    std::vector<std::string> anchors;
    g->OnAnchorClick = [&](TObject*, int, int, const std::string& a, bool&) { anchors.push_back(a); };
    ClickAt(2, 2, 0);
    EXPECT_FALSE(Box()->Visible());
    ClickAt(2, 2, 110);  // the check box
    EXPECT_EQ(Value(2, 2, "ok"), "FALSE");
    EXPECT_EQ(anchors, (std::vector<std::string>{"ctrl", "ctrl"}));
    Goto(2, 2);
    testinput::PressKey(VK_F2);
    EXPECT_FALSE(Box()->Visible());
    EXPECT_FALSE(g->ControlEditing());
  }
  EXPECT_TRUE(done.empty());
}

TEST_F(FormControlsFixture, AnEditWhoseCellWentAwayWritesNothing) {
  g->SetCells(2, 6, kTwoFields);
  ClickAt(2, 6, 0);
  ASSERT_TRUE(Box()->Visible());
  testinput::TypeText("x");
  // The control is no longer in the cell, then the row goes.
  g->SetCells(2, 6, "plain");
  other->SetFocus();
  testinput::Pump();
  EXPECT_EQ(g->Cells(2, 6), "plain");
  ClickAt(2, 5, 0);  // nothing there
  g->SetCells(2, 7, kTwoFields);
  ClickAt(2, 7, 0);
  ASSERT_TRUE(Box()->Visible());
  g->SetRowCount(4);
  EXPECT_NO_THROW({
    other->SetFocus();
    testinput::Pump();
  });
  EXPECT_FALSE(g->ControlEditing());
}

TEST_F(FormControlsFixture, NonAsciiTextGoesIntoTheValueAsTyped) {
  g->SetCells(2, 2, kTwoFields);
  ClickAt(2, 2, 0);
  ASSERT_TRUE(Box()->Visible());
  Box()->SelectAll();
  testinput::TypeText("Grüße");
  EXPECT_EQ(Box()->Text(), "Grüße") << "five characters, not five bytes";
  testinput::PressKey(VK_RETURN);
  EXPECT_EQ(Value(2, 2, "name"), "Grüße");
  // Stored with the accent entities, read back as typed.
  EXPECT_NE(g->Cells(2, 2).find("VALUE=\"Gr&uuml;ße\""), std::string::npos) << g->Cells(2, 2);
}

// ---------------------------------------------------------------------------
// Painting markup cells

TEST(DivUzevMarkupPaint, AMarkupCellIsDrawnByTheMarkupEngine) {
  TForm form(nullptr);
  auto* g = new TDedAdararAdoz(&form);
  g->SetParent(&form);
  g->SetBorderStyle(bsNone);
  g->SetScrollBars(ssNone);
  g->SetDefaultColWidth(200);
  g->SetDefaultRowHeight(30);
  g->SetColCount(3);
  g->SetRowCount(3);
  g->SetBounds(0, 0, 603, 93);
  g->SetCells(
      2, 2,
      "Motor <B>on</B> <A HREF=\"x\">help</A><CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"42\" WIDTH=\"50\">");
  TRecordingCanvas c(g->Width(), g->Height());
  g->PaintCell(&c, 2, 2, g->CellRect(2, 2), TGridDrawState{});
  std::string texts;
  bool bold = false, link = false;
  for (const TCanvasCall& call : c.Recorder().Calls()) {
    if (call.Op != "DrawText" && call.Op != "ExtTextOut") continue;
    texts += "[" + call.Text + "]";
    if (call.Text == "on") bold = call.FontStyle.Contains(fsBold);
    if (call.Text == "help") link = call.FontColor == g->URLColor();
  }
  EXPECT_EQ(texts.find("<B>"), std::string::npos) << texts;
  EXPECT_NE(texts.find("[42]"), std::string::npos) << "the control's value " << texts;
  EXPECT_TRUE(bold) << texts;
  EXPECT_TRUE(link) << texts;

  // The grabbed cell: the control's white box with its frame.
  TRecordingCanvas shot(g->Width(), g->Height());
  shot.Brush()->SetColor(clYellow);
  shot.FillRect(TRect(0, 0, g->Width(), g->Height()));
  g->SetColor(clYellow);
  g->PaintCell(&shot, 2, 2, g->CellRect(2, 2), TGridDrawState{});
  const char* dir = std::getenv("CF_TEST_BIN_DIR");
  const std::string folder = std::string(dir != nullptr ? dir : ".") + "/artefacts";
  std::filesystem::create_directories(folder);
  shot.TargetBitmap()->SaveToPngFile(folder + "/markup_grid_cell.png");
  const TPixelData& px = shot.TargetBitmap()->PixelData();
  const TRect cell = g->CellRect(2, 2);
  int white = 0, grey = 0;
  for (int y = cell.Top; y < cell.Bottom; ++y)
    for (int x = cell.Left; x < cell.Right; ++x) {
      white += px.GetPixel(x, y) == clWhite ? 1 : 0;
      grey += px.GetPixel(x, y) == clGray || px.GetPixel(x, y) == 0xB99D7F ? 1 : 0;
    }
  EXPECT_GT(white, 300) << "the edit control's box";
  EXPECT_GT(grey, 60) << "its frame";
  EXPECT_EQ(px.GetPixel(cell.Left + 3, cell.Bottom - 3), clYellow) << "the cell's own colour around it";
}
