#include "framework/classes/ComponentStream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/classes/ComponentFiler.h"
#include "framework/classes/LayoutText.h"
#include "framework/classes/Streams.h"
#include "tests/framework/classes/LayoutTestClasses.h"

namespace {

using namespace layout_test;

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int x : b) s += static_cast<char>(x);
  return s;
}

class ComponentStreamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterLayoutTestClasses();
    LoadedLog().clear();
  }
};

TEST_F(ComponentStreamTest, SmallRecordHasTheExactBytes) {
  TTestCellIO io(nullptr);
  io.Col = 2;
  io.Row = 3;
  io.Cell = "ab";
  std::string expected = "TPF0" + Bytes({11}) + "TTestCellIO" + Bytes({0}) +             //
                         Bytes({3}) + "Col" + Bytes({2, 2}) +                            //
                         Bytes({3}) + "Row" + Bytes({2, 3}) +                            //
                         Bytes({4}) + "Cell" + Bytes({6, 2}) + "ab" +                    //
                         Bytes({7}) + "HasProp" + Bytes({8}) + Bytes({0}) + Bytes({0});  // ends
  EXPECT_EQ(WriteComponentBinary(&io), expected);

  // An empty string is not written; the reader keeps what a record leaves out.
  io.Cell.clear();
  io.HasProp = true;
  std::string rec = WriteComponentBinary(&io);
  EXPECT_EQ(rec.find(Bytes({4}) + "Cell"), std::string::npos);
  TTestCellIO back(nullptr);
  back.Cell = "kept";
  EXPECT_EQ(ReadComponentBinary(&back, rec), rec.size());
  EXPECT_EQ(back.Col, 2);
  EXPECT_EQ(back.Row, 3);
  EXPECT_TRUE(back.HasProp);
  EXPECT_EQ(back.Cell, "kept");
}

// The bytes of one value as the writer emits it: the record of an object with
// that single property, less the framing around the value.
std::string ValueBytes(const TLayoutValue& v) {
  TLayoutObject o;
  o.ClassName = "X";
  o.Props.push_back({"P", v, 0});
  std::string out;
  WriteLayoutRecord(out, o);
  return out.substr(4 + 2 + 1 + 2, out.size() - 9 - 2);
}

TEST_F(ComponentStreamTest, WriterPicksTheValueKindByTheTable) {
  struct Case {
    const char* what;
    TLayoutValue value;
    std::string bytes;
  };
  const Case cases[] = {
      {"int8", TLayoutValue::Integer(-128), Bytes({2, 0x80})},
      {"int8 top", TLayoutValue::Integer(127), Bytes({2, 0x7F})},
      {"int16", TLayoutValue::Integer(128), Bytes({3, 0x80, 0})},
      {"int16 low", TLayoutValue::Integer(-32768), Bytes({3, 0, 0x80})},
      {"int32", TLayoutValue::Integer(32768), Bytes({4, 0, 0x80, 0, 0})},
      {"int32 low", TLayoutValue::Integer(-2147483648LL), Bytes({4, 0, 0, 0, 0x80})},
      {"int64", TLayoutValue::Integer(2147483648LL), Bytes({19, 0, 0, 0, 0x80, 0, 0, 0, 0})},
      {"extended", TLayoutValue::FloatValue(1.5), Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F})},
      {"short string", TLayoutValue::String("hi"), Bytes({6, 2}) + "hi"},
      {"short string of 255", TLayoutValue::String(std::string(255, 'x')),
       Bytes({6, 255}) + std::string(255, 'x')},
      {"long string", TLayoutValue::String(std::string(256, 'x')),
       Bytes({12, 0, 1, 0, 0}) + std::string(256, 'x')},
      {"UTF-8 shorter", TLayoutValue::String("a\xC3\xA9"), Bytes({20, 3, 0, 0, 0}) + "a\xC3\xA9"},
      {"UTF-8 as long as UTF-16", TLayoutValue::String("\xC3\xA9"), Bytes({18, 1, 0, 0, 0, 0xE9, 0})},
      {"UTF-16 shorter", TLayoutValue::String("\xE2\x82\xAC"), Bytes({18, 1, 0, 0, 0, 0xAC, 0x20})},
      {"surrogate pair", TLayoutValue::String("\xF0\x9F\x98\x80"),
       Bytes({18, 2, 0, 0, 0, 0x3D, 0xD8, 0x00, 0xDE})},
      {"not UTF-8 keeps its bytes", TLayoutValue::String("a\xFF\xC3"), Bytes({20, 3, 0, 0, 0}) + "a\xFF\xC3"},
      {"identifier", TLayoutValue::Ident("clWindow"), Bytes({7, 8}) + "clWindow"},
      {"false", TLayoutValue::Boolean(false), Bytes({8})},
      {"true", TLayoutValue::Boolean(true), Bytes({9})},
      {"binary", TLayoutValue::Binary("\x01\x02"), Bytes({10, 2, 0, 0, 0, 1, 2})},
      {"set", TLayoutValue::SetOf({"a", "bc"}), Bytes({11, 1, 'a', 2, 'b', 'c', 0})},
      {"empty set", TLayoutValue::SetOf({}), Bytes({11, 0})},
      {"list", TLayoutValue::ListOf({TLayoutValue::String("x"), TLayoutValue::String("")}),
       Bytes({1, 6, 1, 'x', 6, 0, 0})},
      {"nil", TLayoutValue::NilValue(), Bytes({13})},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ValueBytes(c.value), c.bytes) << c.what;
    // And the reader gives the same value back.
    TLayoutObject o;
    o.ClassName = "X";
    o.Props.push_back({"P", c.value, 0});
    std::string rec;
    WriteLayoutRecord(rec, o);
    size_t pos = 0;
    TLayoutObject back = ReadLayoutRecord(rec, pos);
    EXPECT_EQ(pos, rec.size()) << c.what;
    ASSERT_EQ(back.Props.size(), 1u) << c.what;
    const TLayoutValue& v = back.Props[0].Value;
    EXPECT_EQ(v.Kind, c.value.Kind) << c.what;
    EXPECT_EQ(v.Int, c.value.Int) << c.what;
    EXPECT_EQ(v.Float, c.value.Float) << c.what;
    EXPECT_EQ(v.Str, c.value.Str) << c.what;
    EXPECT_EQ(v.Names, c.value.Names) << c.what;
    EXPECT_EQ(v.List.size(), c.value.List.size()) << c.what;
  }
}

TEST_F(ComponentStreamTest, ExtendedFloatsKeepEveryDouble) {
  const double values[] = {0.0,
                           -0.0,
                           1.0,
                           -2.5,
                           0.1,
                           1e-310,  // subnormal double: a normal extended
                           std::numeric_limits<double>::denorm_min(),
                           std::numeric_limits<double>::max(),
                           -std::numeric_limits<double>::infinity()};
  for (double d : values) {
    uint8_t ext[10];
    DoubleToExtended(d, ext);
    double back = ExtendedToDouble(ext);
    EXPECT_EQ(back, d) << d;
    EXPECT_EQ(std::signbit(back), std::signbit(d)) << d;
  }
  uint8_t ext[10];
  DoubleToExtended(std::numeric_limits<double>::quiet_NaN(), ext);
  EXPECT_TRUE(std::isnan(ExtendedToDouble(ext)));
  DoubleToExtended(-2.0, ext);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(ext), 10), Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}));
  // Values beyond the double range saturate instead of wrapping.
  const uint8_t huge[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F};
  EXPECT_EQ(ExtendedToDouble(huge), std::numeric_limits<double>::infinity());
  const uint8_t tiny[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00};
  EXPECT_EQ(ExtendedToDouble(tiny), 0.0);
}

TEST_F(ComponentStreamTest, FormRoundTripsThroughTheBinaryStream) {
  TTestForm form(nullptr);
  ReadComponentText(&form, kTestFormLayout, "forms/FTest.dfm");
  std::string bin = WriteComponentBinary(&form);
  EXPECT_EQ(LayoutBinaryToText(bin), kTestFormLayout);
  EXPECT_EQ(LayoutTextToBinary(kTestFormLayout, "forms/FTest.dfm"), bin);

  TTestForm again(nullptr);
  LoadedLog().clear();
  EXPECT_EQ(ReadComponentBinary(&again, bin), bin.size());
  EXPECT_EQ(WriteComponentText(&again), kTestFormLayout);
  EXPECT_EQ(LoadedLog(), (std::vector<std::string>{"Form1", "Panel1", "Edit1", "Edit2"}));
  ASSERT_NE(again.Edit1, nullptr);
  EXPECT_EQ(again.Edit1->Buddy, again.FindComponent("Edit2"));
}

TEST_F(ComponentStreamTest, RecordsFollowOneAnotherInOneStream) {
  TTestCellIO a(nullptr), b(nullptr);
  a.Col = 1;
  b.Col = 300;
  b.Cell = "x";
  std::string data = WriteComponentBinary(&a) + WriteComponentBinary(&b) + std::string(1, '\0');
  TTestCellIO io(nullptr);
  size_t pos = ReadComponentBinary(&io, data);
  EXPECT_EQ(io.Col, 1);
  pos = ReadComponentBinary(&io, data, pos);
  EXPECT_EQ(io.Col, 300);
  EXPECT_EQ(io.Cell, "x");
  // One stray byte after the last record is left for the caller.
  EXPECT_EQ(pos, data.size() - 1);

  // The same through a stream: each read moves past its record; a failed
  // read leaves the position alone.
  TMemoryStream stream;
  WriteComponent(&stream, &a);
  WriteComponent(&stream, &b);
  stream.WriteString("TPF0");
  EXPECT_EQ(stream.Bytes(), data.substr(0, data.size() - 1) + "TPF0");
  stream.SetPosition(0);
  TTestCellIO viaStream(nullptr);
  ReadComponent(&stream, &viaStream);
  EXPECT_EQ(viaStream.Col, 1);
  ReadComponent(&stream, &viaStream);
  EXPECT_EQ(viaStream.Col, 300);
  int64_t before = stream.Position();
  EXPECT_THROW(ReadComponent(&stream, &viaStream), ELayoutError);
  EXPECT_EQ(stream.Position(), before);
}

TEST_F(ComponentStreamTest, ClassNamesOfEveryLengthReadBackAsWritten) {
  // A length byte of 240 or more looks like the flags prefix of older
  // writers; such names must still come back as names.
  for (size_t len : {1u, 239u, 240u, 255u}) {
    for (bool inherited : {false, true}) {
      TLayoutObject o;
      o.ClassName = std::string(len, 'C');
      o.Name = "N";
      o.Inherited = inherited;
      std::string rec;
      WriteLayoutRecord(rec, o);
      size_t pos = 0;
      TLayoutObject back = ReadLayoutRecord(rec, pos);
      EXPECT_EQ(pos, rec.size()) << len;
      EXPECT_EQ(back.ClassName, o.ClassName) << len;
      EXPECT_EQ(back.Name, "N") << len;
      EXPECT_EQ(back.Inherited, inherited) << len;
      EXPECT_FALSE(back.Inline) << len;
    }
  }
}

TEST_F(ComponentStreamTest, AStreamCutAtAnyByteFailsCleanly) {
  TTestForm source(nullptr);
  ReadComponentText(&source, kTestFormLayout, "forms/FTest.dfm");
  std::string bin = WriteComponentBinary(&source);
  for (size_t n = 0; n < bin.size(); ++n) {
    TTestForm form(nullptr);
    // Copy into an exact-size buffer so that a read past the end would be caught by sanitizers.
    std::unique_ptr<char[]> cut(new char[n + 1]);
    std::copy(bin.data(), bin.data() + n, cut.get());
    try {
      ReadComponentBinary(&form, std::string_view(cut.get(), n), 0, "clip");
      ADD_FAILURE() << "no error at " << n;
    } catch (const ELayoutError& e) {
      EXPECT_LE(e.Line(), static_cast<int64_t>(n));
      EXPECT_TRUE(e.IsOffset());
    }
    // Nothing of a damaged record is applied.
    EXPECT_EQ(form.ComponentCount(), 0) << n;
    EXPECT_EQ(form.Name(), "") << n;
  }
}

TEST_F(ComponentStreamTest, DamagedStreamsRaiseClearErrors) {
  std::string rec = "TPF0" + Bytes({11}) + "TTestCellIO" + Bytes({0});
  struct Case {
    const char* what;
    std::string data;
    const char* reason;
  };
  const Case cases[] = {
      {"foreign signature", "TPF1" + rec.substr(4) + Bytes({0, 0}), "Invalid stream format"},
      {"empty", "", "Invalid stream format"},
      {"unknown value kind", rec + Bytes({3}) + "Col" + Bytes({99}), "unknown value kind 99"},
      {"huge string length", rec + Bytes({4}) + "Cell" + Bytes({12, 0xFF, 0xFF, 0xFF, 0xFF}), "ends early"},
      {"huge wide string", rec + Bytes({4}) + "Cell" + Bytes({18, 0xFF, 0xFF, 0xFF, 0x7F}), "ends early"},
      {"value of the wrong kind", rec + Bytes({3}) + "Col" + Bytes({6, 1}) + "x" + Bytes({0, 0}),
       "integer expected"},
      {"unknown property", rec + Bytes({3}) + "Cow" + Bytes({2, 1, 0, 0}), "does not exist"},
      {"record of another class", "TPF0" + Bytes({11}) + "TTestWidget" + Bytes({0, 0, 0}), "cannot be read"},
      {"null as a value", rec + Bytes({3}) + "Col" + Bytes({0}), "unknown value kind 0"},
  };
  for (const auto& c : cases) {
    TTestCellIO io(nullptr);
    try {
      ReadComponentBinary(&io, c.data, 0, "clipboard");
      ADD_FAILURE() << c.what << ": no error";
    } catch (const ELayoutError& e) {
      EXPECT_EQ(e.FileName(), "clipboard") << c.what;
      EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << c.what << ": " << e.what();
    }
    EXPECT_EQ(io.Col, 0) << c.what;
  }
  // Errors in a record carry the offset and the property.
  try {
    TTestCellIO io(nullptr);
    ReadComponentBinary(&io, rec + Bytes({3}) + "Col" + Bytes({6, 1}) + "x" + Bytes({0, 0}));
    FAIL();
  } catch (const ELayoutError& e) {
    EXPECT_EQ(e.Property(), "TTestCellIO.Col");
    EXPECT_EQ(e.Line(), static_cast<int64_t>(rec.size() + 4));
  }
}

TEST_F(ComponentStreamTest, DeepNestingIsRefusedWithoutExhaustingTheStack) {
  std::string deepList = "TPF0" + Bytes({1, 'X', 0, 1, 'P'}) + std::string(100000, '\x01');
  std::string deepObjects = "TPF0";
  for (int i = 0; i < 100000; ++i) deepObjects += Bytes({1, 'X', 0, 0});
  for (const std::string& data : {deepList, deepObjects}) {
    size_t pos = 0;
    EXPECT_THROW(ReadLayoutRecord(data, pos), ELayoutError);
  }
}

TEST_F(ComponentStreamTest, OlderEncodingsAreRead) {
  // Single-byte strings in the ANSI code page, doubles, singles, currency,
  // object flags and indexed collection items.
  std::string data = "TPF0" + Bytes({0xF1, 1, 'X', 1, 'N'}) +             //
                     Bytes({1, 'A', 6, 2, 0xE9, 0x80}) +                  //
                     Bytes({1, 'D', 21, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}) +  //
                     Bytes({1, 'S', 15, 0, 0, 0xC0, 0x3F}) +              //
                     Bytes({1, 'C', 16, 0x10, 0x27, 0, 0, 0, 0, 0, 0}) +  //
                     Bytes({1, 'L', 14, 2, 5, 1, 1, 'W', 2, 9, 0, 0}) + Bytes({0}) + Bytes({0});
  size_t pos = 0;
  TLayoutObject o = ReadLayoutRecord(data, pos);
  EXPECT_EQ(pos, data.size());
  EXPECT_TRUE(o.Inherited);
  ASSERT_EQ(o.Props.size(), 5u);
  EXPECT_EQ(o.Props[0].Value.Str, "\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(o.Props[1].Value.Float, 1.5);
  EXPECT_EQ(o.Props[2].Value.Float, 1.5);
  EXPECT_EQ(o.Props[3].Value.Float, 1.0);
  ASSERT_EQ(o.Props[4].Value.Items.size(), 1u);
  EXPECT_EQ(o.Props[4].Value.Items[0].Props[0].Value.Int, 9);
}

TEST_F(ComponentStreamTest, LoneSurrogatesOfAWideStringReadAsReplacement) {
  std::string data = "TPF0" + Bytes({1, 'X', 0}) +
                     Bytes({1, 'U', 18, 3, 0, 0, 0, 0x00, 0xD8, 'a', 0, 0x00, 0xDC}) + Bytes({0}) +
                     Bytes({0});
  size_t pos = 0;
  TLayoutObject o = ReadLayoutRecord(data, pos);
  ASSERT_EQ(o.Props.size(), 1u);
  EXPECT_EQ(o.Props[0].Value.Str,
            "\xEF\xBF\xBD"
            "a\xEF\xBF\xBD");
}

}  // namespace
