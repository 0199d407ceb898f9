// The grid's date/time picker: the framework's picker unchanged without the
// metro look, the one-colour frame with the 3-D look off, and the metro
// button and borders (never over a time picker's up-down).
#include "grid/base/DudDateTimePicker.h"

#include <gtest/gtest.h>

#include "framework/classes/ComponentFiler.h"

#include <memory>
#include <string>

#include "framework/controls/StdCtrls.h"
#include "framework/controls/UpDown.h"
#include "framework/os/Files.h"
#include "support/Input.h"

namespace {

using namespace testinput;

TColor Pixel(TBitmap* B, int X, int Y) { return B->Canvas()->Pixels(X, Y) & 0xFFFFFF; }

void SaveArtefact(TBitmap* B, const std::string& Name) {
  const char* dir = std::getenv("CF_TEST_BIN_DIR");
  std::string folder = std::string(dir != nullptr ? dir : ".") + "/artefacts";
  ForceDirectories(folder);
  B->SaveToPngFile(folder + "/" + Name);
}

struct DudPickerFixture : ::testing::Test {
  TForm* form = nullptr;
  TDudDateTimePicker* picker = nullptr;
  TEdit* other = nullptr;
  void SetUp() override {
    ResetKeyboardState();
    form = NewPointerForm(320, 200);
    form->SetColor(0xD0E0F0);
    picker = new TDudDateTimePicker(form);
    picker->SetParent(form);
    picker->SetBounds(20, 20, 150, 24);
    picker->SetDateTime(EncodeDate(2024, 4, 30));
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(20, 150, 100, 24);
    ShowForm(form);
  }
  void TearDown() override { FreePointerForm(form); }
};

TEST_F(DudPickerFixture, TheVersionIsFixed) {
  EXPECT_EQ(picker->Version(), "1.0.0.0");
  picker->SetVersion("2.0.0.0");
  EXPECT_EQ(picker->Version(), "1.0.0.0");
  EXPECT_EQ(picker->GetVersionNr(), 0x01000000);
}

TEST_F(DudPickerFixture, WithoutTheMetroLookItPaintsAsTheFrameworksPicker) {
  auto* plain = new TDateTimePicker(form);
  plain->SetParent(form);
  plain->SetBounds(20, 60, 150, 24);
  plain->SetDateTime(EncodeDate(2024, 4, 30));
  picker->SetBorderColor(clRed);  // only drawn with the 3-D look off or in metro
  other->SetFocus();
  std::unique_ptr<TBitmap> a = picker->GrabToBitmap();
  std::unique_ptr<TBitmap> b = plain->GrabToBitmap();
  ASSERT_EQ(a->Width(), b->Width());
  ASSERT_EQ(a->Height(), b->Height());
  int different = 0;
  for (int y = 0; y < a->Height(); ++y)
    for (int x = 0; x < a->Width(); ++x) different += Pixel(a.get(), x, y) != Pixel(b.get(), x, y);
  EXPECT_EQ(different, 0);
}

TEST_F(DudPickerFixture, WithoutTheThreeDLookABorderColourGivesAOneColourFrame) {
  picker->SetCtl3D(false);
  picker->SetBorderColor(clRed);
  picker->SetBorderStyle(bsSingle);
  std::unique_ptr<TBitmap> g = picker->GrabToBitmap();
  SaveArtefact(g.get(), "dud_picker_frame.png");
  // The themed frame colour, all round.
  for (TPoint p : {TPoint(0, 0), TPoint(picker->Width() - 1, 5), TPoint(5, picker->Height() - 1)})
    EXPECT_EQ(Pixel(g.get(), p.X, p.Y), 0xB99D7F) << p.X << "," << p.Y;
  // Without a border style the frame takes the parent's colour.
  picker->SetBorderStyle(bsNone);
  g = picker->GrabToBitmap();
  EXPECT_EQ(Pixel(g.get(), 0, 0), 0xD0E0F0);
}

TEST_F(DudPickerFixture, TheMetroButtonTakesItsColoursAndTheBorderItsColour) {
  picker->SetMetroStyle(true);
  picker->SetButtonColor(0x40C0FF);
  picker->SetButtonColorHot(0x2080FF);
  picker->SetButtonTextColor(clBlack);
  picker->SetBorderColor(clGreen);
  std::unique_ptr<TBitmap> g = picker->GrabToBitmap();
  SaveArtefact(g.get(), "dud_picker_metro.png");
  TRect ins = picker->NonClientInsets();
  int cw = picker->ClientWidth();
  TPoint face(ins.Left + cw - 3, ins.Top + 3);
  EXPECT_EQ(Pixel(g.get(), face.X, face.Y), 0x40C0FF);
  EXPECT_EQ(Pixel(g.get(), 0, 0), clGreen);
  // Hover over the button: strict at its left edge.
  MouseMove(picker, picker->Width() - picker->ButtonWidth(), 5);
  EXPECT_FALSE(picker->ButtonHover());
  MouseMove(picker, picker->Width() - picker->ButtonWidth() + 1, 5);
  EXPECT_TRUE(picker->ButtonHover());
  g = picker->GrabToBitmap();
  EXPECT_EQ(Pixel(g.get(), face.X, face.Y), 0x2080FF);
  // A focus border colour replaces the border while focused.
  picker->SetFocusBorderColor(clFuchsia);
  picker->SetFocus();
  g = picker->GrabToBitmap();
  EXPECT_EQ(Pixel(g.get(), 0, 0), clFuchsia);
  other->SetFocus();
  g = picker->GrabToBitmap();
  EXPECT_EQ(Pixel(g.get(), 0, 0), clGreen);
}

TEST_F(DudPickerFixture, AMetroTimePickerKeepsItsUpDown) {
  picker->SetMetroStyle(true);
  picker->SetButtonColor(0x40C0FF);
  picker->SetKind(dtkTime);
  ASSERT_TRUE(picker->UpDown()->Visible());
  std::unique_ptr<TBitmap> g = picker->GrabToBitmap();
  SaveArtefact(g.get(), "dud_picker_metro_time.png");
  TRect ins = picker->NonClientInsets();
  TRect b = picker->ButtonRect();
  int painted = 0;
  for (int y = b.Top; y < b.Bottom; ++y)
    for (int x = b.Left; x < b.Right; ++x) painted += Pixel(g.get(), ins.Left + x, ins.Top + y) == 0x40C0FF;
  EXPECT_EQ(painted, 0);
}

TEST(DudPickerLayout, AStoredPickerKeepsItsKindAndDate) {
  const char* text = R"(object F: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object DTP_Start: TDudDateTimePicker
    Left = 10
    Top = 10
    Width = 150
    Height = 24
    MinDate = 45292.000000000000000000
    DateTime = 45412.500000000000000000
    Kind = dtkTime
  end
end
)";
  TForm form(nullptr);
  ReadComponentText(&form, text, "forms/Picker.dfm");
  auto* p = dynamic_cast<TDudDateTimePicker*>(form.FindComponent("DTP_Start"));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->Kind(), dtkTime);
  EXPECT_DOUBLE_EQ(p->DateTime(), 45412.5);
  EXPECT_DOUBLE_EQ(p->MinDate(), 45292.0);
  TForm again(nullptr);
  ReadComponentText(&again, WriteComponentText(&form), "saved.dfm");
  auto* p2 = dynamic_cast<TDudDateTimePicker*>(again.FindComponent("DTP_Start"));
  ASSERT_NE(p2, nullptr);
  EXPECT_DOUBLE_EQ(p2->DateTime(), 45412.5);
  EXPECT_EQ(p2->Kind(), dtkTime);
}

}  // namespace
