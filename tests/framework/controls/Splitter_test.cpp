// The splitter resizes the control beside it.
#include <gtest/gtest.h>

#include "framework/controls/ExtCtrls.h"
#include "framework/controls/Splitter.h"
#include "support/Input.h"

namespace {

using namespace testinput;

TEST(Splitter, DragResizesTheControlBesideItWithinTheLimits) {
  ResetKeyboardState();
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 300);
  form.SetClientHeight(300);
  // As a text editor lays it out: the text fills, the legend sits below.
  auto* legend = new TPanel(&form);
  legend->SetParent(&form);
  legend->SetAlign(alBottom);
  legend->SetHeight(108);
  auto* split = new TSplitter(&form);
  split->SetParent(&form);
  split->SetAlign(alBottom);
  split->SetBounds(0, legend->Top() - 3, 300, 3);
  auto* text = new TPanel(&form);
  text->SetParent(&form);
  text->SetAlign(alClient);
  int moved = 0;
  split->OnMoved = [&](TObject*) { ++moved; };
  ShowForm(&form);

  ASSERT_EQ(split->ResizeControl(), legend);
  EXPECT_EQ(split->Cursor(), crVSplit);
  EXPECT_EQ(split->Top() + split->Height(), legend->Top());
  MouseDown(split, 5, 1);
  MouseMove(split, 5, -19);
  MouseUp(split, 5, -19);
  EXPECT_EQ(legend->Height(), 128);
  EXPECT_EQ(text->Height(), 300 - 128 - split->Height());
  EXPECT_EQ(moved, 1);
  // The text keeps at least MinSize; a legend dragged small snaps shut.
  MouseDown(split, 5, 1);
  MouseMove(split, 5, -1000);
  EXPECT_EQ(text->Height(), split->MinSize());
  MouseMove(split, 5, 1000);
  MouseUp(split, 5, 1000);
  EXPECT_EQ(legend->Height(), 0);
}

}  // namespace
