// The editor switch and the edit life cycle, driven through messages.
#include <gtest/gtest.h>

#include "EditFixture.h"

namespace {

using namespace testinput;

TEST_F(EditFixture, Smoke) {
  Record();
  Goto(2, 3);
  TypeText("ab");
  EXPECT_TRUE(EditorShown());
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(g->Cells(2, 3), "ab");
  for (auto& e : events) printf("%s\n", e.c_str());
}

}  // namespace
namespace {
TEST_F(EditFixture, ComboSmoke) {
  Record();
  g->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
    if (c == 2) e = edComboList;
  };
  g->OnGetEditorProp = [this](TObject*, int, int, TEditLink*) {
    g->Combobox()->Items()->Clear();
    for (const char* s : {"Read", "Write", "Both"}) g->Combobox()->Items()->Add(s);
  };
  g->SetCells(2, 3, "Write");
  Goto(2, 3);
  testinput::PressKey(VK_F2);
  testinput::Pump();
  printf("visible %d text %s focused %d\n", g->Combobox()->Visible(), g->Combobox()->Text().c_str(),
         g->Combobox()->Focused());
  testinput::PressKey(VK_DOWN);
  testinput::Pump();
  printf("text %s\n", g->Combobox()->Text().c_str());
  testinput::PressKey(VK_RETURN);
  testinput::Pump();
  printf("cell %s visible %d gridfocus %d\n", g->Cells(2, 3).c_str(), g->Combobox()->Visible(), g->Focused());
  for (auto& e : events) printf("%s\n", e.c_str());
}
}  // namespace
