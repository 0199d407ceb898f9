#include "framework/classes/LayoutText.h"

#include <gtest/gtest.h>

#include <limits>

#include "framework/classes/ComponentFiler.h"
#include "tests/framework/classes/LayoutTestClasses.h"

namespace {

using namespace layout_test;

class LayoutTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterLayoutTestClasses();
    LoadedLog().clear();
  }
};

TEST_F(LayoutTextTest, FormIsBuiltFromItsLayoutAndSavedBackToTheSameText) {
  TTestForm form(nullptr);
  ReadComponentText(&form, kTestFormLayout, "forms/FTest.dfm");

  EXPECT_EQ(form.Name(), "Form1");
  EXPECT_EQ(form.Tag(), 5);
  EXPECT_EQ(form.Caption, "Main 'form'");
  // Published fields are bound to the components of the same name.
  ASSERT_NE(form.Panel1, nullptr);
  ASSERT_NE(form.Edit1, nullptr);
  ASSERT_NE(form.Timer1, nullptr);
  EXPECT_EQ(form.Panel1, form.FindComponent("Panel1"));
  auto* edit2 = dynamic_cast<TTestWidget*>(form.FindComponent("Edit2"));
  ASSERT_NE(edit2, nullptr);

  // Nesting: every component is owned by the form, parented by its enclosing control.
  EXPECT_EQ(form.Edit1->Owner(), &form);
  EXPECT_EQ(form.Edit1->Parent(), form.Panel1);
  EXPECT_EQ(edit2->Parent(), &form);
  EXPECT_EQ(form.Panel1->Parent(), &form);

  TTestWidget* e = form.Edit1;
  EXPECT_EQ(e->Number(), 70000);
  EXPECT_EQ(e->Small, -300);
  EXPECT_FALSE(e->Flag);
  EXPECT_EQ(e->Shape, tsTriangle);
  EXPECT_TRUE(e->Options == (TTestOptions{toBold, toTall}));
  EXPECT_EQ(e->Caption, "Line one\r\nGrün");
  EXPECT_EQ(e->Color, 0x0000FF);
  EXPECT_DOUBLE_EQ(e->Ratio, 0.25);
  EXPECT_EQ(e->Lines, (std::vector<std::string>{"first", "", "it's"}));
  EXPECT_EQ(e->Items.items, std::vector<std::string>{"a"});
  EXPECT_EQ(e->Font.Name, "Verdana");
  EXPECT_EQ(e->Font.Size, 10);
  EXPECT_EQ(e->Font.Color, 0xFF0000);
  EXPECT_TRUE(e->Font.Style == TTestOptions{toWide});
  ASSERT_EQ(e->Columns.Count(), 2);
  EXPECT_EQ(e->Columns.Items(0)->Caption, "Name");
  EXPECT_EQ(e->Columns.Items(0)->Width, 120);
  EXPECT_EQ(e->Columns.Items(0)->Link, edit2);
  EXPECT_EQ(e->Columns.Items(1)->Shape, tsSquare);
  EXPECT_EQ(e->Columns.updating, 0);
  EXPECT_EQ(e->VyxStyle, 3);
  EXPECT_EQ(e->Data, std::string("\x00\xFF\x10", 3));
  EXPECT_EQ(edit2->Ratio, 1e-20);
  EXPECT_EQ(edit2->Caption.size(), 70u);

  // References may name components declared further down.
  EXPECT_EQ(form.Panel1->Buddy, form.Edit1);
  EXPECT_EQ(e->Buddy, edit2);

  // Handlers are bound to the form's methods.
  ASSERT_TRUE(e->OnClick);
  e->OnClick(e);
  EXPECT_EQ(form.clicks, 1);
  int measured = 0;
  e->OnMeasure(e, measured);
  EXPECT_EQ(measured, 42);
  form.Timer1->OnTimer(form.Timer1);
  EXPECT_EQ(form.ticks, 1);

  EXPECT_EQ(WriteComponentText(&form), kTestFormLayout);
}

TEST_F(LayoutTextTest, LoadedRunsOnceLoadingEndsInCreationOrderWithTheRootFirst) {
  TTestForm form(nullptr);
  ReadComponentText(&form, kTestFormLayout, "forms/FTest.dfm");
  EXPECT_EQ(LoadedLog(), (std::vector<std::string>{"Form1", "Panel1", "Edit1", "Edit2"}));
  // Properties were applied while the component said it was loading.
  EXPECT_TRUE(form.Edit1->loadingWhenSet);
  EXPECT_FALSE(form.Edit1->readingAtLoaded);
  for (TComponent* c :
       {static_cast<TComponent*>(&form), form.FindComponent("Edit1"), form.FindComponent("Timer1")}) {
    EXPECT_FALSE(c->ComponentState().Contains(csLoading)) << c->Name();
    EXPECT_FALSE(c->ComponentState().Contains(csReading)) << c->Name();
  }
}

TEST_F(LayoutTextTest, AbsentPropertiesKeepTheirConstructorValues) {
  // The panel's constructor sets BevelWidth 2 although its stored default is 1.
  TTestForm form(nullptr);
  ReadComponentText(&form,
                    "object F: TTestForm\n  object Panel1: TTestPanel\n    Caption = 'x'\n  end\nend\n",
                    "forms/F.dfm");
  ASSERT_NE(form.Panel1, nullptr);
  EXPECT_EQ(form.Panel1->BevelWidth, 2);
  EXPECT_EQ(form.Panel1->Small, 7);
  EXPECT_TRUE(form.Panel1->Flag);
  EXPECT_EQ(form.Panel1->Font.Name, "Tahoma");
  // The writer stores what differs from the declared defaults.
  EXPECT_EQ(WriteComponentText(&form),
            "object F: TTestForm\n"
            "  object Panel1: TTestPanel\n"
            "    Caption = 'x'\n"
            "    BevelWidth = 2\n"
            "    VyxStyle = 0\n"
            "  end\n"
            "end\n");
}

TEST_F(LayoutTextTest, HandlersAssignedInCodeAreNotStored) {
  TTestForm form(nullptr);
  auto* w = new TTestWidget(&form);
  w->SetName("W");
  w->SetParent(&form);
  w->OnClick = [](TObject*) {};
  EXPECT_EQ(WriteComponentText(&form),
            "object TTestForm\n  object W: TTestWidget\n    Small = 7\n    VyxStyle = 0\n  end\nend\n");
}

struct BadLayout {
  const char* what;
  const char* body;  // between the form's header and its end
  int line;          // line of the error in the whole file
  const char* property;
  const char* reason;  // part of the message
};

TEST_F(LayoutTextTest, ErrorsNameTheFileTheLineAndTheProperty) {
  const BadLayout cases[] = {
      {"unknown property", "  object W: TTestWidget\n    Capton = 'x'\n  end\n", 3, "W.Capton",
       "does not exist"},
      {"unknown sub-property", "  object W: TTestWidget\n    Font.Colour = 1\n  end\n", 3, "W.Font.Colour",
       "does not exist"},
      {"string for an integer", "  object W: TTestWidget\n    Number = '12'\n  end\n", 3, "W.Number",
       "integer expected"},
      {"integer out of range", "  object W: TTestWidget\n    Small = 40000\n  end\n", 3, "W.Small",
       "out of range"},
      {"unknown enumeration value", "  object W: TTestWidget\n    Shape = tsOval\n  end\n", 3, "W.Shape",
       "not a TTestShape"},
      {"unknown set element", "  object W: TTestWidget\n    Options = [toBold, toFat]\n  end\n", 3,
       "W.Options", "toFat"},
      {"integer for a Boolean", "  object W: TTestWidget\n    Flag = 1\n  end\n", 3, "W.Flag",
       "True or False"},
      {"unknown colour name", "  object W: TTestWidget\n    Color = clPurple\n  end\n", 3, "W.Color",
       "clPurple"},
      {"unresolved reference", "  object W: TTestWidget\n    Buddy = Nobody\n  end\n", 3, "W.Buddy",
       "Nobody"},
      {"reference of the wrong class",
       "  object W: TTestWidget\n    Buddy = T\n  end\n  object T: TTestTimer\n  end\n", 3, "W.Buddy",
       "TTestTimer"},
      {"unknown handler", "  object W: TTestWidget\n    OnClick = Missing\n  end\n", 3, "W.OnClick",
       "Missing"},
      {"handler of another shape", "  object W: TTestWidget\n    OnClick = Measure\n  end\n", 3, "W.OnClick",
       "does not fit"},
      {"bad collection item",
       "  object W: TTestWidget\n    Columns = <\n      item\n        Widht = 3\n      end>\n  end\n", 5,
       "W.Columns[0].Widht", "does not exist"},
      {"unknown class", "  object W: TNoSuchWidget\n  end\n", 2, "W", "TNoSuchWidget"},
      {"duplicate name", "  object W: TTestWidget\n  end\n  object W: TTestWidget\n  end\n", 4, "W",
       "already exists"},
      {"field of another class", "  object Edit1: TTestTimer\n  end\n", 2, "Edit1", "cannot hold"},
      {"missing '='", "  object W: TTestWidget\n    Caption 'x'\n  end\n", 3, "Caption", "'=' expected"},
      {"unterminated string", "  object W: TTestWidget\n    Caption = 'x\n  end\n", 3, "Caption",
       "Unterminated"},
      {"odd hex digits", "  object W: TTestWidget\n    Data = {\n      0A0}\n  end\n", 4, "Data",
       "odd number"},
      {"missing end", "  object W: TTestWidget\n", 3, "", "'end' expected"},
  };
  for (const auto& c : cases) {
    TTestForm form(nullptr);
    std::string text =
        std::string("object F: TTestForm\n") + c.body + (std::string(c.what) == "missing end" ? "" : "end\n");
    try {
      ReadComponentText(&form, text, "forms/FBad.dfm");
      ADD_FAILURE() << c.what << ": no error";
    } catch (const ELayoutError& e) {
      EXPECT_EQ(e.FileName(), "forms/FBad.dfm") << c.what;
      EXPECT_EQ(e.Line(), c.line) << c.what << ": " << e.what();
      EXPECT_EQ(e.Property(), c.property) << c.what << ": " << e.what();
      EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << c.what << ": " << e.what();
      EXPECT_NE(std::string(e.what()).find("forms/FBad.dfm, line " + std::to_string(c.line)),
                std::string::npos)
          << e.what();
    }
    // A failed read leaves no half-built component behind.
    EXPECT_EQ(form.ComponentCount(), 0) << c.what;
    EXPECT_EQ(form.Edit1, nullptr) << c.what;
    EXPECT_TRUE(form.kids.empty()) << c.what;
    EXPECT_FALSE(form.ComponentState().Contains(csLoading)) << c.what;
    EXPECT_EQ(form.Name(), "") << c.what;
  }
}

TEST_F(LayoutTextTest, AFormWithoutAnEmbeddedLayoutSaysSo) {
  TTestForm form(nullptr);
  try {
    LoadFormLayout(&form, "forms/FNoSuchForm.dfm");
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_NE(std::string(e.what()).find("forms/FNoSuchForm.dfm"), std::string::npos);
  }
}

TEST_F(LayoutTextTest, ALayoutOfAnotherClassIsRefused) {
  TTestForm form(nullptr);
  EXPECT_THROW(ReadComponentText(&form, "object W: TTestWidget\nend\n", "forms/W.dfm"), ELayoutError);
  // An ancestor's layout fits.
  EXPECT_NO_THROW(ReadComponentText(&form, "object F: TTestControl\nend\n", "forms/F.dfm"));
}

TEST_F(LayoutTextTest, StringsNumbersAndBinaryParse) {
  struct Case {
    const char* text;
    TLayoutValueKind kind;
    std::string str;
    int64_t integer;
  };
  const Case cases[] = {
      {"'it''s'", TLayoutValueKind::String, "it's", 0},
      {"''", TLayoutValueKind::String, "", 0},
      {"#65#$42'c'", TLayoutValueKind::String, "ABc", 0},
      {"'a' +\n  'b' + #10", TLayoutValueKind::String, "ab\n", 0},
      {"#233", TLayoutValueKind::String, "\xC3\xA9", 0},
      {"#55357#56832", TLayoutValueKind::String, "\xF0\x9F\x98\x80", 0},
      {"#56832", TLayoutValueKind::String, "\xEF\xBF\xBD", 0},
      {"-42", TLayoutValueKind::Integer, "", -42},
      {"$1F", TLayoutValueKind::Integer, "", 31},
      {"-$10", TLayoutValueKind::Integer, "", -16},
      {"9223372036854775807", TLayoutValueKind::Integer, "", INT64_MAX},
      {"-$8000000000000000", TLayoutValueKind::Integer, "", INT64_MIN},
      {"{ 0a 0B\n ff }", TLayoutValueKind::Binary, "\x0A\x0B\xFF", 0},
      {"{}", TLayoutValueKind::Binary, "", 0},
      {"Form1.Edit1", TLayoutValueKind::Ident, "Form1.Edit1", 0},
      {"nil", TLayoutValueKind::Nil, "", 0},
      {"TRUE", TLayoutValueKind::True, "", 0},
  };
  for (const auto& c : cases) {
    std::string text = std::string("object X\n  P = ") + c.text + "\nend\n";
    TLayoutObject o = ParseLayoutText(text, "t");
    ASSERT_EQ(o.Props.size(), 1u) << c.text;
    const TLayoutValue& v = o.Props[0].Value;
    EXPECT_EQ(v.Kind, c.kind) << c.text;
    EXPECT_EQ(v.Str, c.str) << c.text;
    EXPECT_EQ(v.Int, c.integer) << c.text;
  }
  TLayoutObject f = ParseLayoutText("object X\n  A = 1.5\n  B = 2e3\n  C = -0.5s\nend", "t");
  EXPECT_EQ(f.Props[0].Value.Float, 1.5);
  EXPECT_EQ(f.Props[1].Value.Float, 2000.0);
  EXPECT_EQ(f.Props[2].Value.Float, -0.5);
  EXPECT_EQ(f.Props[2].Value.FloatType, TLayoutFloatType::Single);
  EXPECT_THROW(ParseLayoutText("object X\n  P = 99999999999999999999\nend", "t"), ELayoutError);
  EXPECT_THROW(ParseLayoutText("object X\n  P = #70000\nend", "t"), ELayoutError);
  EXPECT_THROW(ParseLayoutText("object X\nend\nobject Y\nend\n", "t"), ELayoutError);
}

TEST_F(LayoutTextTest, TextWriterKeepsEveryValueReadable) {
  // Control characters, quotes, non-ASCII, long strings and odd floats all
  // come back unchanged through the text form.
  TLayoutObject o;
  o.ClassName = "TX";
  const std::string texts[] = {std::string("a\0b", 3), "'", "\t'x'\t", "Ω≈ç√",
                               std::string(200, 'q') + "é" + std::string(70, 'z')};
  for (const auto& t : texts) o.Props.push_back({"S", TLayoutValue::String(t), 0});
  for (double d : {0.1, -1e300, 5e-324, 3.0, std::numeric_limits<double>::infinity()})
    o.Props.push_back({"F", TLayoutValue::FloatValue(d), 0});
  TLayoutObject back = ParseLayoutText(FormatLayoutText(o), "t");
  ASSERT_EQ(back.Props.size(), o.Props.size());
  for (size_t i = 0; i < std::size(texts); ++i) EXPECT_EQ(back.Props[i].Value.Str, texts[i]) << i;
  EXPECT_EQ(back.Props[5].Value.Float, 0.1);
  EXPECT_EQ(back.Props[6].Value.Float, -1e300);
  EXPECT_EQ(back.Props[7].Value.Float, 5e-324);
  EXPECT_EQ(back.Props[8].Value.Kind, TLayoutValueKind::Float);
  EXPECT_EQ(back.Props[9].Value.Str, "INF");  // read back into a float property as infinity
}

}  // namespace
