#include "framework/classes/StringList.h"

#include <gtest/gtest.h>

#include "../os/TempFolder.h"
#include "framework/classes/Streams.h"
#include "framework/os/SafeWriter.h"
#include "tests/framework/classes/CountedObject.h"

namespace {
std::vector<std::string> Items(const TStrings& l) { return l.ToVector(); }

using list_test::TCounted;
}  // namespace

TEST(StringList, TextEndsEveryLineWithCrLfAndSplitsAtAnyBreak) {
  TStringList l;
  l.Add("a");
  l.Add("");
  l.Add("b");
  EXPECT_EQ(l.Text(), "a\r\n\r\nb\r\n");
  struct Case {
    const char* text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\nb\rc", {"a", "b", "c"}},
      {"a\r\n\r\n", {"a", ""}},
      {"a\n\rb", {"a", "", "b"}},
      {"\r\n", {""}},
  };
  for (const auto& c : cases) {
    l.SetText(c.text);
    EXPECT_EQ(Items(l), c.lines) << c.text;
  }
}

TEST(StringList, IndexOfIgnoresCaseUnlessAskedNotTo) {
  TStringList l;
  l.Add("Alpha");
  l.Add("beta");
  EXPECT_EQ(l.IndexOf("ALPHA"), 0);
  EXPECT_EQ(l.IndexOf("Beta"), 1);
  EXPECT_EQ(l.IndexOf("gamma"), -1);
  l.SetCaseSensitive(true);
  EXPECT_EQ(l.IndexOf("ALPHA"), -1);
  EXPECT_EQ(l.IndexOf("Alpha"), 0);
}

TEST(StringList, SortedListsKeepOrderAndHandleDuplicates) {
  TStringList l;
  l.SetSorted(true);
  for (const char* s : {"pear", "Apple", "fig", "apple"}) l.Add(s);
  EXPECT_EQ(Items(l), (std::vector<std::string>{"Apple", "fig", "pear"}));  // dupIgnore is the default
  int i = -1;
  EXPECT_TRUE(l.Find("PEAR", i));
  EXPECT_EQ(i, 2);
  EXPECT_FALSE(l.Find("grape", i));
  EXPECT_EQ(i, 2);
  EXPECT_THROW(l.Insert(0, "x"), EStringListError);
  EXPECT_THROW(l.SetStrings(0, "x"), EStringListError);

  l.SetDuplicates(dupError);
  try {
    l.Add("FIG");
    FAIL() << "no exception";
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), "String list does not allow duplicates");
  }
  l.SetDuplicates(dupAccept);
  l.Add("FIG");
  EXPECT_EQ(l.Count(), 4);
  EXPECT_EQ(l.IndexOf("fig"), 1);
}

TEST(StringList, SortAndCustomSort) {
  TStringList l;
  l.SetCommaText("b,C,a");
  l.Sort();
  EXPECT_EQ(l.CommaText(), "a,b,C");
  l.CustomSort([](TStringList* list, int a, int b) {
    return static_cast<int>(list->Strings(b).size()) - static_cast<int>(list->Strings(a).size()) +
           (list->Strings(a) < list->Strings(b) ? -1 : (list->Strings(a) > list->Strings(b) ? 1 : 0)) * 0;
  });
  EXPECT_EQ(l.CommaText(), "a,b,C");  // equal keys keep their order
}

TEST(StringList, CommaTextQuotesAndSplitsAsThePlatformDoes) {
  TStringList l;
  struct Case {
    const char* text;
    std::vector<std::string> items;
  } cases[] = {
      {"a,b,c", {"a", "b", "c"}},
      {"a b,c", {"a", "b", "c"}},  // a blank splits outside quotes
      {"\"a b\",c", {"a b", "c"}},
      {"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
      {" a , b ", {"a", "b"}},
      {"a,", {"a", ""}},
      {"a,,b", {"a", "", "b"}},
      {"\"unclosed", {"unclosed"}},
      {"", {}},
  };
  for (const auto& c : cases) {
    l.SetCommaText(c.text);
    EXPECT_EQ(Items(l), c.items) << c.text;
  }
  l.Clear();
  l.AddStrings({"plain", "two words", "com,ma", "q\"uote", ""});
  EXPECT_EQ(l.CommaText(), "plain,\"two words\",\"com,ma\",\"q\"\"uote\",");
  l.Clear();
  l.Add("");
  EXPECT_EQ(l.CommaText(), "\"\"");
}

TEST(StringList, StrictDelimiterSplitsOnlyAtTheDelimiter) {
  TStringList l;
  l.SetDelimiter(';');
  l.SetStrictDelimiter(true);
  l.SetDelimitedText(" a b ;c");
  EXPECT_EQ(Items(l), (std::vector<std::string>{" a b ", "c"}));
  EXPECT_EQ(l.DelimitedText(), " a b ;c");
  EXPECT_EQ(l.Delimiter(), ';');
}

TEST(StringList, NamesAndValues) {
  TStringList l;
  l.SetText("Key=1\nother=a=b\nplain");
  EXPECT_EQ(l.Names(0), "Key");
  EXPECT_EQ(l.Names(2), "");
  EXPECT_EQ(l.Values("KEY"), "1");
  EXPECT_EQ(l.Values("other"), "a=b");
  EXPECT_EQ(l.Values("none"), "");
  EXPECT_EQ(l.IndexOfName("OTHER"), 1);
  l.SetValues("new", "x");
  EXPECT_EQ(l.Strings(3), "new=x");
  l.SetValues("key", "2");
  EXPECT_EQ(l.Strings(0), "key=2");
  l.SetValues("key", "");
  EXPECT_EQ(l.IndexOfName("key"), -1);
  EXPECT_EQ(l.ValueFromIndex(0), "a=b");
}

TEST(StringList, BadIndexesRaiseTheListError) {
  TStringList l;
  l.Add("a");
  for (int bad : {-1, 1, 5}) {
    try {
      l.Strings(bad);
      FAIL() << bad;
    } catch (const EStringListError& e) {
      EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(bad) + ")");
    }
  }
  EXPECT_THROW(l.Delete(1), EStringListError);
  EXPECT_THROW(l.Insert(2, "x"), EStringListError);
  EXPECT_THROW(l.Objects(3), EListError);
  l.Insert(1, "b");
  EXPECT_EQ(l.Strings(1), "b");
}

TEST(StringList, ChangeEventsFireOncePerUpdateBlock) {
  TStringList l;
  int changing = 0, changed = 0;
  l.OnChanging = [&](TObject*) { ++changing; };
  l.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &l);
    ++changed;
  };
  l.Add("a");
  EXPECT_EQ(changed, 1);
  l.BeginUpdate();
  l.Add("b");
  l.Add("c");
  l.Delete(0);
  EXPECT_EQ(changed, 1);
  l.EndUpdate();
  EXPECT_EQ(changed, 2);
  EXPECT_EQ(changing, 2);
  l.SetText("x\ny");
  EXPECT_EQ(changed, 3);
  l.OnChange = nullptr;
  l.Add("z");
  EXPECT_EQ(changed, 3);
}

TEST(StringList, ObjectsTravelWithTheirItems) {
  int freed = 0;
  {
    TStringList l(true);
    auto* a = new TCounted(&freed);
    l.AddObject("a", a);
    l.AddObject("b", new TCounted(&freed));
    l.AddObject("c", nullptr);
    l.Move(0, 2);
    EXPECT_EQ(l.Objects(2), a);
    EXPECT_EQ(freed, 0);
    l.Exchange(0, 2);
    EXPECT_EQ(l.Objects(0), a);
    EXPECT_EQ(l.IndexOfObject(a), 0);
    l.Delete(0);
    EXPECT_EQ(freed, 1);
  }
  EXPECT_EQ(freed, 2);
  TStringList notOwning;
  TCounted kept(&freed);
  notOwning.AddObject("k", &kept);
  notOwning.Clear();
  EXPECT_EQ(freed, 2);
}

TEST(StringList, AssignCopiesItemsAndSettings) {
  TStringList src;
  src.SetSorted(true);
  src.SetDelimiter(';');
  src.SetCommaText("b,a");
  TStringList dst;
  dst.Add("old");
  dst.Assign(&src);
  EXPECT_EQ(Items(dst), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(dst.Sorted());
  EXPECT_EQ(dst.Delimiter(), ';');
  EXPECT_TRUE(dst.Equals(&src));
  TPersistent other;
  EXPECT_THROW(dst.Assign(&other), EConvertError);
}

TEST(StringList, LoadFromFileDecodesByByteOrderMark) {
  TTempFolder dir;
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
    TTextEncoding enc;
  } cases[] = {
      {"\xEF\xBB\xBFSTR1 = Gr\xC3\xBC\xC3\x9F"
       "e\r\nx",
       {"STR1 = Gr\xC3\xBC\xC3\x9F"
        "e",
        "x"},
       teUtf8},
      {std::string("\xFF\xFE"
                   "a\0\r\0\n\0\xFC\0",
                   10),
       {"a", "\xC3\xBC"},
       teUtf16LE},
      {std::string("\xFE\xFF\0a\0\n\0\xFC", 8), {"a", "\xC3\xBC"}, teUtf16BE},
      {"\x93q\x94\r\n\x80", {"\xE2\x80\x9Cq\xE2\x80\x9D", "\xE2\x82\xAC"}, teAnsi},
  };
  for (const auto& c : cases) {
    dir.Write("f.lng", c.bytes);
    TStringList l;
    l.LoadFromFile(dir.File("f.lng"));
    EXPECT_EQ(Items(l), c.lines);
    EXPECT_EQ(l.Encoding(), c.enc);
  }
  TStringList l;
  EXPECT_THROW(l.LoadFromFile(dir.File("missing.lng")), EFOpenError);
}

TEST(StringList, SaveToFileWritesAnsiWithCrLfAfterEveryLine) {
  TTempFolder dir;
  TStringList l;
  l.Add(
      "Gr\xC3\xB6\xC3\x9F"
      "e \xE2\x82\xAC");
  l.Add("\xD0\x94");  // no such letter in Windows-1252
  l.Add("");
  l.SaveToFile(dir.File("out.txt"));
  EXPECT_EQ(dir.Read("out.txt"),
            "Gr\xF6\xDF"
            "e \x80\r\n?\r\n\r\n");
  l.SaveToFile(dir.File("out8.txt"), teUtf8);
  EXPECT_EQ(dir.Read("out8.txt"),
            "\xEF\xBB\xBFGr\xC3\xB6\xC3\x9F"
            "e \xE2\x82\xAC\r\n\xD0\x94\r\n\r\n");
  // Saving a file that was read in UTF-8 keeps its encoding.
  TStringList back;
  back.LoadFromFile(dir.File("out8.txt"));
  back.SaveToFile(dir.File("again.txt"));
  EXPECT_EQ(dir.Read("again.txt"), dir.Read("out8.txt"));
}

TEST(StringList, FailedSaveKeepsTheOldFileAndRaises) {
  TTempFolder dir;
  dir.Write("keep.txt", "old content\r\n");
  TStringList l;
  l.Add("new");
  TSafeWriteHookScope full(
      [](TSafeWriteStage stage, const std::string&) { return stage == swsWrite ? ENOSPC : 0; });
  EXPECT_THROW(l.SaveToFile(dir.File("keep.txt")), EFCreateError);
  EXPECT_EQ(dir.Read("keep.txt"), "old content\r\n");
  EXPECT_EQ(dir.EntryCount(), 1);
}

TEST(StringList, StreamsCarryTheText) {
  TStringList l;
  l.SetCommaText("a,b");
  TMemoryStream ms;
  ms.WriteString("head");
  l.SaveToStream(&ms);
  EXPECT_EQ(ms.Bytes(), "heada\r\nb\r\n");
  ms.SetPosition(4);
  TStringList r;
  r.LoadFromStream(&ms);
  EXPECT_EQ(r.CommaText(), "a,b");
}
