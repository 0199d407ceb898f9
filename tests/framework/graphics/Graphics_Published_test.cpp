#include "framework/graphics/Graphics_Published.h"

#include <gtest/gtest.h>

#include "framework/backend/Painter.h"
#include "framework/classes/ComponentFiler.h"

namespace {

class TLookHolder : public TComponent {
 public:
  using TComponent::TComponent;
  TFont font;
  TPen pen;
  TBrush brush;
  TBitmap glyph;
  TPicture picture;
  TColor color = clBtnFace;
};

void RegisterHolder() {
  static const bool done = [] {
    PublishClass<TLookHolder>("TComponent", [](TPublish<TLookHolder>& P) {
      using H = TLookHolder;
      P.Color("Color", &H::color, &H::color).Default(clBtnFace);
      P.Object("Font", [](H* h) { return &h->font; });
      P.Object("Pen", [](H* h) { return &h->pen; });
      P.Object("Brush", [](H* h) { return &h->brush; });
      P.Object("Glyph", [](H* h) { return &h->glyph; });
      P.Object("Picture", [](H* h) { return &h->picture; });
    });
    return true;
  }();
  (void)done;
}

class GraphicsPublishedTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterHolder(); }
};

TEST_F(GraphicsPublishedTest, ConstructorValuesOfFontsPensAndBrushesAreNotStored) {
  TLookHolder h(nullptr);
  EXPECT_EQ(WriteComponentText(&h), "object TLookHolder\nend\n");
}

TEST_F(GraphicsPublishedTest, LooksRoundTripWithColourAndCharsetNames) {
  const char* const layout =
      "object H: TLookHolder\n"
      "  Color = clInfoBk\n"
      "  Font.Charset = ANSI_CHARSET\n"
      "  Font.Color = clRed\n"
      "  Font.Name = 'Verdana'\n"
      "  Font.Size = 10\n"
      "  Font.Style = [fsBold, fsItalic]\n"
      "  Pen.Color = 1193046\n"
      "  Pen.Style = psDash\n"
      "  Pen.Width = 2\n"
      "  Brush.Style = bsClear\n"
      "end\n";
  TLookHolder h(nullptr);
  ReadComponentText(&h, layout, "forms/H.dfm");
  EXPECT_EQ(h.color, clInfoBk);
  EXPECT_EQ(h.font.Charset(), ANSI_CHARSET);
  EXPECT_EQ(h.font.Color(), clRed);
  EXPECT_EQ(h.font.Name(), "Verdana");
  EXPECT_EQ(h.font.Size(), 10);
  EXPECT_TRUE(h.font.Style() == (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(h.pen.Color(), 0x123456);
  EXPECT_EQ(h.pen.Style(), psDash);
  EXPECT_EQ(h.brush.Style(), bsClear);
  EXPECT_EQ(WriteComponentText(&h), layout);

  // Colours may also be given as hex numbers; a named one is written by name.
  TLookHolder g(nullptr);
  ReadComponentText(&g, "object G: TLookHolder\n  Color = $00FF00\nend\n", "forms/G.dfm");
  EXPECT_EQ(WriteComponentText(&g), "object G: TLookHolder\n  Color = clLime\nend\n");
}

TEST_F(GraphicsPublishedTest, BitmapsAndPicturesKeepTheirPixelsUnderData) {
  TLookHolder h(nullptr);
  h.glyph.SetPixelFormat(pf24bit);
  h.glyph.SetSize(3, 2);
  h.glyph.PixelData().SetPixel(0, 0, clRed);
  h.glyph.PixelData().SetPixel(2, 1, clBlue);
  h.picture.SetGraphic(&h.glyph);

  std::string text = WriteComponentText(&h);
  EXPECT_NE(text.find("Glyph.Data = {"), std::string::npos) << text;
  // A picture's data names its graphic's class first.
  EXPECT_NE(text.find("Picture.Data = {\n    07544269746D6170"), std::string::npos) << text;

  for (const std::string& form : {text, WriteComponentBinary(&h)}) {
    TLookHolder back(nullptr);
    if (form == text)
      ReadComponentText(&back, form, "t");
    else
      ReadComponentBinary(&back, form);
    ASSERT_EQ(back.glyph.Width(), 3);
    ASSERT_EQ(back.glyph.Height(), 2);
    EXPECT_EQ(back.glyph.PixelData().GetPixel(0, 0), clRed);
    EXPECT_EQ(back.glyph.PixelData().GetPixel(2, 1), clBlue);
    ASSERT_NE(back.picture.Graphic(), nullptr);
    EXPECT_EQ(back.picture.Width(), 3);
  }

  TLookHolder bad(nullptr);
  EXPECT_THROW(ReadComponentText(&bad, "object TLookHolder\n  Picture.Data = {09}\nend\n", "t"),
               ELayoutError);
}

}  // namespace
