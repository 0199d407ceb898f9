// The floating footer's settings, its preview template and its clicks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/Forms.h"
#include "grid/model/DivUzev.h"
#include "support/Input.h"

namespace {

struct FooterOnForm : ::testing::Test {
  TForm* form = nullptr;
  TDedAdararAdoz* g = nullptr;
  void SetUp() override {
    form = testinput::NewPointerForm(600, 400);
    g = new TDedAdararAdoz(form);
    g->SetParent(form);
    g->SetBounds(0, 0, 500, 300);
    g->SetColCount(4);
    g->SetRowCount(6);
    g->SetDefaultColWidth(60);
    testinput::ShowForm(form);
  }
  void TearDown() override { testinput::FreePointerForm(form); }
};

TEST_F(FooterOnForm, VisibleAndStyleDecideWhatTheFooterShows) {
  TFloatingFooter* f = g->FloatingFooter();
  f->SetHeight(30);
  f->SetVisible(true);
  EXPECT_EQ(g->FooterPanel()->Height(), 29);
  EXPECT_EQ(g->FixedFooters(), 1);
  EXPECT_TRUE(g->FooterHidesLastRow());
  // The style alone gives the last row back but leaves FixedFooters.
  f->SetFooterStyle(fsColumnPreview);
  EXPECT_FALSE(g->FooterHidesLastRow());
  EXPECT_EQ(g->FixedFooters(), 1);
  f->SetVisible(true);
  EXPECT_EQ(g->FixedFooters(), 0);
  f->SetVisible(false);
  EXPECT_EQ(g->FooterPanel()->Height(), 0);

  // A column's calculation lives in its last-row cell.
  f->SetFooterStyle(fsFixedLastRow);
  f->SetVisible(true);
  g->SetCellEx(1, 1, "2");
  g->SetCellEx(1, 2, "5");
  f->SetColumnCalc(1, acSUM);
  EXPECT_EQ(f->GetColumnCalc(1), acSUM);
  EXPECT_EQ(f->GetColumnCalc(2), acNONE);
  EXPECT_DOUBLE_EQ(g->Floats(1, 5), 7);

  TFloatingFooter copy(nullptr);
  f->SetBorderColor(clRed);
  f->SetCustomTemplate("t");
  copy.Assign(f);
  EXPECT_EQ(copy.CustomTemplate(), "t");
  EXPECT_TRUE(copy.Visible());
  EXPECT_EQ(copy.BorderColor(), clNone);
}

TEST_F(FooterOnForm, TheTemplateTakesTheCurrentRowsCells) {
  g->SetCellEx(2, 3, "four");
  const struct {
    const char *in, *out;
  } cases[] = {
      {"Sum: <#2> kg", "Sum: four kg"},
      {"a<#x>b", "ab"},
      {"<#2><#2>", "fourfour"},
      {"no tags", "no tags"},
      // An unclosed tag ends the expansion with the rest as it stands.
      {"a <#2> b <#2 c", "a four b <#2 c"},
      {"<#", "<#"},
  };
  for (const auto& c : cases) EXPECT_EQ(g->ExpandFooterTemplate(c.in, 3), c.out) << c.in;
}

TEST_F(FooterOnForm, AReleaseOverTheFooterClicksItsColumn) {
  TFloatingFooter* f = g->FloatingFooter();
  f->SetHeight(30);
  f->SetVisible(true);
  testinput::Pump();
  std::vector<std::string> events;
  g->OnClick = [&](TObject*) { events.push_back("click"); };
  g->OnClickCell = [&](TObject*, int r, int c) {
    events.push_back("cell " + std::to_string(r) + "," + std::to_string(c));
  };
  testinput::Click(g->FooterPanel(), 5, 5);
  EXPECT_EQ(events, (std::vector<std::string>{"click", "cell 5,0"}));
  events.clear();
  testinput::Click(g->FooterPanel(), 4 * 60 + 20, 5);
  EXPECT_EQ(events, std::vector<std::string>{"click"});
}

}  // namespace
