// The detail and image picker drop-downs: choosing by keys, mouse and
// wheel, completion of typed text, cancelling, the folder loader and the
// chosen image in the edit part.
#include "controls/dropdown/VevDetailDropDown.h"

#include <cstdlib>

#include "KindSupport.h"
#include "controls/dropdown/VevImagePickerDropDown.h"
#include "framework/graphics/ImgList.h"
#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"

namespace {

using namespace testinput;
using DetailFixture = KindFixture<TVevDetailDropDown>;

void AddItems(TVevDetailDropDown* D, std::initializer_list<const char*> Captions) {
  for (const char* c : Captions) D->Items()->Add()->SetCaption(c);
}

TEST_F(DetailFixture, TypingCompletesFromTheCaptions) {
  AddItems(dd, {"Apple", "Apricot", "Banana"});
  int selects = 0;
  dd->OnSelect = [&](TObject*) { ++selects; };
  TypeText("a");
  EXPECT_EQ(dd->Text(), "apple");
  TypeText("p");
  EXPECT_EQ(dd->Text(), "apple");
  EXPECT_EQ(dd->SelStart(), 2);
  EXPECT_EQ(dd->SelLength(), 3);
  EXPECT_EQ(dd->ItemIndex(), 0);
  EXPECT_EQ(selects, 0) << "completion chooses without OnSelect";
  TypeText("r");
  EXPECT_EQ(dd->Text(), "apricot");
  EXPECT_EQ(dd->ItemIndex(), 1);
  // No caption starts so: the typed text stays, nothing after the caret.
  dd->SetText("");
  TypeText("z");
  EXPECT_EQ(dd->Text(), "z");
  dd->SetText("bxyz");
  dd->SetSelStart(1);
  dd->SetSelLength(0);
  TypeText("q");
  EXPECT_EQ(dd->Text(), "bq");
}

TEST_F(DetailFixture, ReturnAndEscapeMatchTheExactCaption) {
  AddItems(dd, {"Apple", "Apricot", "Banana"});
  int selects = 0;
  dd->OnSelect = [&](TObject*) { ++selects; };
  dd->SetText("Banana");
  PressKey(VK_RETURN);
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(selects, 1);
  dd->SetText("banana");
  PressKey(VK_RETURN);
  EXPECT_EQ(dd->ItemIndex(), 2) << "case counts: nothing new is chosen";
  EXPECT_EQ(selects, 1);
  // The setter's rules.
  dd->SetItemIndex(-5);
  EXPECT_EQ(dd->ItemIndex(), 2);
  dd->SetItemIndex(-1);
  EXPECT_EQ(dd->ItemIndex(), -1);
  EXPECT_EQ(dd->Text(), "");
  dd->SetItemIndex(-5);
  EXPECT_EQ(dd->ItemIndex(), -1);
}

TEST_F(DetailFixture, ThePopupListMovesWithTheKeysAndEscapeRestores) {
  AddItems(dd, {"One", "Two", "Three", "Four"});
  dd->Items()->Items(1)->SetNotes("<b>second</b> item");
  dd->SetItemIndex(1);
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  TVevCustomItemSelector* s = dd->Selector();
  EXPECT_EQ(dd->Control(), s);
  EXPECT_EQ(s->Items()->Count(), 4);
  EXPECT_EQ(s->ItemIndex(), 1);
  SendMessage(dd->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  SendMessage(dd->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_TRUE(dd->DroppedDown()) << "the value follows the keys, the pop-up stays";
  EXPECT_EQ(dd->ItemIndex(), 3);
  EXPECT_EQ(dd->Text(), "Four");
  SendMessage(dd->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(dd->Text(), "Two");
  // A click on a row chooses it and closes.
  PressKey(VK_F4);
  const TRect r = s->Panel()->GetItemRect(2);
  Click(s->Panel(), r.Left + 5, r.Top + 5);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->Text(), "Three");
  EXPECT_EQ(log, (std::vector<std::string>{"DropDown", "DropUp(cancelled)", "DropDown", "DropUp"}));
  // Closed, Up and Down and the wheel step through the items.
  PressKey(VK_UP);
  EXPECT_EQ(dd->ItemIndex(), 1);
  Wheel(dd, -120);
  EXPECT_EQ(dd->ItemIndex(), 2);
}

TEST_F(DetailFixture, RowsAreSizedToThePopupAndDrawnByTheHandler) {
  AddItems(dd, {"One", "Two"});
  std::vector<TRect> drawn;
  dd->OnDrawSelectedImage = [&](TObject*, TCanvas*, const TRect& R) { drawn.push_back(R); };
  dd->ShowDropDown();
  Pump();
  dd->Selector()->Panel()->GrabToBitmap();
  EXPECT_FALSE(drawn.empty());
  if (!drawn.empty()) EXPECT_EQ(drawn.front().Bottom - drawn.front().Top, 22);
  dd->HideDropDown(false);
}

// ---- Image picker ----

using ImageFixture = KindFixture<TVevImagePickerDropDown>;

TEST_F(ImageFixture, GridKeysMoveByRowsAndCancelRestores) {
  for (int i = 0; i < 10; ++i) dd->Items()->Add()->SetImageIndex(i);
  dd->SetColumns(4);
  struct Row {
    int from;
    WORD key;
    int to;
  };
  const Row rows[] = {{1, VK_DOWN, 5}, {2, VK_UP, 2}, {8, VK_DOWN, 8}, {5, VK_UP, 1}, {5, VK_RIGHT, 6}};
  for (const Row& r : rows) {
    dd->SetItemIndex(r.from);
    dd->ShowDropDown();
    ASSERT_TRUE(dd->DroppedDown());
    SendMessage(dd->Handle(), WM_KEYDOWN, r.key, 0);
    EXPECT_EQ(dd->ItemIndex(), r.to) << r.from << " key " << r.key;
    EXPECT_TRUE(dd->DroppedDown());
    dd->HideDropDown(false);
  }
  dd->SetItemIndex(3);
  PressKey(VK_F4);
  SendMessage(dd->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(dd->ItemIndex(), 7);
  SendMessage(dd->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(dd->ItemIndex(), 3);
}

TEST_F(ImageFixture, ImageIndexChoosesAndReturnReportsTheChoice) {
  for (int i = 0; i < 4; ++i) dd->Items()->Add()->SetImageIndex(10 + i);
  std::vector<std::string> events;
  dd->OnChange = [&](TObject*) { events.push_back("Change"); };
  dd->OnSelect = [&](TObject*) { events.push_back("Select"); };
  dd->SetImageIndex(12);
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->ImageIndex(), 12);
  dd->SetImageIndex(99);
  EXPECT_EQ(dd->ItemIndex(), -1);
  EXPECT_EQ(dd->ImageIndex(), -1);
  EXPECT_EQ(events, (std::vector<std::string>{"Change", "Select", "Change", "Select"}));
  events.clear();
  dd->SetItemIndex(1);
  events.clear();
  PressKey(VK_RETURN);
  EXPECT_EQ(events, (std::vector<std::string>{"Select"}));
  EXPECT_EQ(dd->ItemIndex(), 1);
}

TEST_F(ImageFixture, TheWheelOverTheOpenPopupOnlyMovesTheHotItem) {
  for (int i = 0; i < 4; ++i) dd->Items()->Add()->SetCaption("i" + std::to_string(i));
  dd->SetItemIndex(0);
  dd->ShowDropDown();
  dd->DropDownMouseWheelDown(dd, {}, TPoint(), *std::make_unique<bool>(false));
  dd->DropDownMouseWheelDown(dd, {}, TPoint(), *std::make_unique<bool>(false));
  EXPECT_EQ(dd->Selector()->ItemHot(), 1);
  EXPECT_EQ(dd->ItemIndex(), 0);
  SendMessage(dd->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 1);
  // Closed, the wheel chooses.
  Wheel(dd, -120);
  EXPECT_EQ(dd->ItemIndex(), 2);
}

TEST_F(ImageFixture, AFolderGivesOneItemPerEntryAndNoPictureForOthers) {
  const char* dir = std::getenv("CF_TEST_BIN_DIR");
  const std::string folder = std::string(dir != nullptr ? dir : ".") + "/artefacts/imagepicker/";
  ForceDirectories(folder + "sub.bmp");
  TBitmap b;
  b.SetSize(8, 6);
  b.Canvas()->Brush()->SetColor(0x0000FF);
  b.Canvas()->FillRect(TRect(0, 0, 8, 6));
  b.SaveToFile(folder + "a.bmp");
  SafeWriteFile(folder + "broken.bmp", "nope");
  EXPECT_NO_THROW(dd->AddImagesFromFolder(folder + "*.bmp", true));
  ASSERT_EQ(dd->Items()->Count(), 3);
  int pictures = 0;
  for (int i = 0; i < 3; ++i) {
    TImageItem* it = dd->Items()->Items(i);
    const bool has = it->Image()->Graphic() != nullptr && !it->Image()->Graphic()->Empty();
    pictures += has ? 1 : 0;
    EXPECT_EQ(it->Caption(), has ? "a.bmp" : "") << i;
  }
  EXPECT_EQ(pictures, 1);
  // The chosen picture is drawn centred in the edit part.
  dd->SetItemIndex(dd->Items()->Items(0)->Caption() == "a.bmp"   ? 0
                   : dd->Items()->Items(1)->Caption() == "a.bmp" ? 1
                                                                 : 2);
  other->SetFocus();
  Pump();
  auto pic = dd->GrabToBitmap();
  const TRect r = dd->EditRect();
  EXPECT_EQ(pic->Canvas()->Pixels((r.Left + r.Right) / 2 + 1, (r.Top + r.Bottom) / 2 + 1) & 0xFFFFFF,
            0x0000FFu);
  // Images from the list: one item each.
  TImageList il(nullptr);
  il.SetWidth(8);
  il.SetHeight(8);
  il.Add(&b, nullptr);
  il.Add(&b, nullptr);
  dd->SetImages(&il);
  dd->AddImagesFromImageList();
  EXPECT_EQ(dd->Items()->Count(), 5);
  EXPECT_EQ(dd->Items()->Items(4)->ImageIndex(), 1);
  dd->SetImages(nullptr);
}

}  // namespace
