// The quick-configuration panel of a grid made in a designer: what it draws
// in the grid's bottom-right corner, the designer's hover test, and what a
// click on each of its items changes; and the real column numbers the
// header shows there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/Forms.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/RecordingCanvas.h"
#include "grid/model/DivUzev.h"
#include "support/Input.h"
#include "support/Responder.h"

namespace {

using namespace testinput;

struct DesignFixture : ::testing::Test {
  TForm* form = nullptr;
  TDedAdararAdoz* g = nullptr;

  void SetUp() override {
    form = NewPointerForm(420, 280);
    form->SetComponentStateFlag(csDesigning, true);
    g = new TDedAdararAdoz(form);
    g->SetParent(form);
    g->SetBounds(0, 0, 400, 250);
    g->SetColCount(4);
    g->ControlLook()->SetControlStyle(csClassic);
    ShowForm(form);
    Pump();
  }
  void TearDown() override {
    form->SetComponentStateFlag(csDesigning, false);
    FreePointerForm(form);
  }
  // The calls of one paint of the grid's window.
  std::vector<TCanvasCall> Painted() {
    TCanvasRecorder rec;
    g->Canvas()->SetRecorder(&rec);
    form->GrabToBitmap();
    g->Canvas()->SetRecorder(nullptr);
    return rec.Calls();
  }
  static const TCanvasCall* Text(const std::vector<TCanvasCall>& Calls, const std::string& S) {
    for (const TCanvasCall& c : Calls)
      if (c.Op == "TextOut" && c.Text == S) return &c;
    return nullptr;
  }
  // Where a panel text was drawn, a little inside it.
  TPoint On(const std::string& S) {
    const auto calls = Painted();
    const TCanvasCall* c = Text(calls, S);
    EXPECT_NE(c, nullptr) << S;
    return c != nullptr ? TPoint(c->Points.at(0).X + 2, c->Points.at(0).Y + 2) : TPoint(-1, -1);
  }
  int HitTest(TPoint P) {
    return static_cast<int>(
        g->Perform(CM_DESIGNHITTEST, 0, static_cast<LPARAM>((P.Y << 16) | (P.X & 0xFFFF))));
  }
  // The texts the header row shows in the grey of the column numbers.
  std::vector<std::string> ColumnNumbers() {
    std::vector<std::string> out;
    for (const TCanvasCall& c : Painted())
      if (c.Op == "DrawText" && c.FontColor == static_cast<TColor>(0x808080) && c.Rect.Top < g->RowHeights(0))
        out.push_back(c.Text);
    return out;
  }
};

TEST_F(DesignFixture, ThePanelSitsInTheBottomRightCornerWithItsItems) {
  ASSERT_TRUE(g->Designing());
  const auto calls = Painted();
  const TRect client = g->ClientRect();
  const TCanvasCall* title = Text(calls, "Quick config [v" + g->Version() + "]");
  ASSERT_NE(title, nullptr);
  const TCanvasCall* allow = Text(calls, "Allow edit");
  const TCanvasCall* numbers = Text(calls, "Column numbers");
  const TCanvasCall* look = Text(calls, "Set look: Windows XP");
  ASSERT_TRUE(allow != nullptr && numbers != nullptr && look != nullptr);
  // Four lines of text h high: the frame is 4h + 18 high and 150 wide.
  const int left = client.Right - 150;
  const int h = allow->Points[0].Y - 6 - (title->Points[0].Y - 4);
  const int top = client.Bottom - (4 * h + 18);
  const TRect panel(left, top, client.Right, client.Bottom);
  bool framed = false;
  for (const TCanvasCall& c : calls)
    if (c.Op == "Rectangle" && c.Rect == panel && c.BrushColor == clInfoBk && c.PenColor == clGray)
      framed = true;
  EXPECT_TRUE(framed);
  EXPECT_EQ(title->Points[0], TPoint(left + 4, top + 4));
  EXPECT_EQ(allow->Points[0], TPoint(left + 22, top + h + 6));
  EXPECT_EQ(numbers->Points[0], TPoint(left + 22, top + 2 * h + 8));
  EXPECT_EQ(look->Points[0], TPoint(left + 4, top + 3 * h + 10));
  EXPECT_EQ(allow->FontColor, clNavy);
  EXPECT_EQ(allow->FontName, "Tahoma");
  // The two check boxes: editing is off, the column numbers are on.
  std::vector<TCanvasCall> boxes;
  for (const TCanvasCall& c : calls)
    if (c.Op == "DrawFrameControl" && c.Rect.Left >= left) boxes.push_back(c);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].Flags & DFCS_CHECKED, 0u);
  EXPECT_NE(boxes[1].Flags & DFCS_CHECKED, 0u);
  EXPECT_EQ(ColumnNumbers(), (std::vector<std::string>{"0", "1", "2", "3"}));
}

TEST_F(DesignFixture, NoPanelAtRunTimeOrOnceClosed) {
  TForm* run = NewPointerForm(420, 280);
  auto* r = new TDedAdararAdoz(run);
  r->SetParent(run);
  r->SetBounds(0, 0, 400, 250);
  ShowForm(run);
  TCanvasRecorder rec;
  r->Canvas()->SetRecorder(&rec);
  run->GrabToBitmap();
  r->Canvas()->SetRecorder(nullptr);
  for (const TCanvasCall& c : rec.Calls()) EXPECT_NE(c.Text, "Allow edit");
  // A click where the panel would be is a click on the grid.
  EXPECT_EQ(r->Perform(CM_DESIGNHITTEST, 0, 0), 0);
  FreePointerForm(run);

  g->SetShowDesignHelper(false);
  EXPECT_EQ(Text(Painted(), "Allow edit"), nullptr);
  EXPECT_EQ(ColumnNumbers().size(), 4u) << "the numbers stay";
}

TEST_F(DesignFixture, TheDesignerHoverTakesTheMouseOverItemsAndUnderlinesThem) {
  const TPoint allow = On("Allow edit");
  EXPECT_EQ(HitTest(allow), 1);
  const auto calls = Painted();
  EXPECT_TRUE(Text(calls, "Allow edit")->FontStyle.Contains(fsUnderline));
  EXPECT_FALSE(Text(calls, "Column numbers")->FontStyle.Contains(fsUnderline));
  EXPECT_EQ(HitTest(On("Column numbers")), 1);
  EXPECT_EQ(HitTest(On("Set look: Windows XP")), 1);
  EXPECT_EQ(HitTest(On("Quick config [v" + g->Version() + "]")), 0) << "the title is no item";
  EXPECT_EQ(HitTest(TPoint(10, 10)), 0) << "the cells are the designer's";
  EXPECT_FALSE(Text(Painted(), "Allow edit")->FontStyle.Contains(fsUnderline));
}

TEST_F(DesignFixture, ClicksOnTheItemsSwitchWhatTheyShow) {
  const int width = form->Width();
  // Allow edit.
  Click(g, On("Allow edit").X, On("Allow edit").Y);
  EXPECT_TRUE(g->Options().Contains(goEditing));
  Click(g, On("Allow edit").X, On("Allow edit").Y);
  EXPECT_FALSE(g->Options().Contains(goEditing));
  EXPECT_EQ(form->Width(), width);
  // Column numbers.
  Click(g, On("Column numbers").X, On("Column numbers").Y);
  EXPECT_TRUE(ColumnNumbers().empty());
  Click(g, On("Column numbers").X, On("Column numbers").Y);
  EXPECT_EQ(ColumnNumbers().size(), 4u);
  // The look, from a menu that marks the current one.
  TDialogResponder answers;
  answers.AnswerMenu(0).AnswerMenu(6);
  Click(g, On("Set look: Windows XP").X, On("Set look: Windows XP").Y);
  EXPECT_EQ(g->Look(), glStandard);
  ASSERT_EQ(answers.Menus().size(), 1u);
  std::vector<std::string> captions;
  for (const TPopupMenuEntry& e : answers.Menus()[0]) {
    captions.push_back(e.Caption);
    EXPECT_EQ(e.Checked, e.Caption == "Windows XP") << e.Caption;
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"Standard", "Soft", "Classic", "Vyx", "ListView",
                                                "Office 2007", "Windows XP", "Windows Vista", "Windows 7"}));
  Click(g, On("Set look: Standard").X, On("Set look: Standard").Y);
  EXPECT_EQ(g->Look(), glXP);
  // The close box ends the panel.
  const TRect client = g->ClientRect();
  const int top = On("Quick config [v" + g->Version() + "]").Y - 6;
  Click(g, client.Right - 8, top + 8);
  EXPECT_FALSE(g->ShowDesignHelper());
  EXPECT_EQ(Text(Painted(), "Allow edit"), nullptr);
}

}  // namespace
