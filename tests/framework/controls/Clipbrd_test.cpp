// The clipboard: registered formats, several formats in one Open/Close, and
// the ANSI and wide text forms.
#include <gtest/gtest.h>

#include "framework/controls/Clipbrd.h"
#include "framework/controls/WinApi.h"

namespace {

TEST(Clipboard, FormatsWrittenTogetherStayTogether) {
  unsigned cells = RegisterClipboardFormat("TDedAdararAdoz Cells");
  EXPECT_GE(cells, 0xC000u);
  EXPECT_EQ(cells, RegisterClipboardFormat("TDedAdararAdoz Cells"));
  EXPECT_EQ(ClipboardFormatName(cells), "TDedAdararAdoz Cells");
  std::vector<uint8_t> blob{0, 1, 2, 250, 255};
  TClipboard* c = Clipboard();
  c->Open();
  c->SetAsText("a\tb");
  c->SetAsBytes(cells, blob);
  c->Close();
  EXPECT_TRUE(c->HasFormat(CF_TEXT));
  EXPECT_TRUE(c->HasFormat(cells));
  EXPECT_EQ(c->GetAsBytes(cells), blob);
  EXPECT_EQ(c->AsText(), "a\tb");
  // A write outside Open/Close replaces everything.
  c->SetAsText("only text");
  EXPECT_FALSE(c->HasFormat(cells));
  c->Clear();
  EXPECT_FALSE(c->HasFormat(CF_TEXT));
  EXPECT_EQ(c->AsText(), "");
}

TEST(Clipboard, AnsiAndWideTextBytes) {
  TClipboard* c = Clipboard();
  c->SetAsBytes(CF_TEXT, {'c', 'a', 'f', 0xE9, 0});
  EXPECT_EQ(c->AsText(), "caf\xC3\xA9");
  std::vector<uint8_t> wide = c->GetAsBytes(CF_UNICODETEXT);
  EXPECT_EQ(wide, (std::vector<uint8_t>{'c', 0, 'a', 0, 'f', 0, 0xE9, 0, 0, 0}));
  c->SetAsText("\xE2\x82\xAC");  // the euro sign, 0x80 in Windows-1252
  EXPECT_EQ(c->GetAsBytes(CF_TEXT), (std::vector<uint8_t>{0x80, 0}));
}

}  // namespace
