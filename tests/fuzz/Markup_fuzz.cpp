// Fuzz target for the markup reader: any text is laid out, drawn, measured
// and hit-tested without a crash, a hang or a read out of bounds, and the
// string routines round-trip. It runs the framework's graphics over a
// painter that measures with the fixed text metrics and draws nowhere (this
// file), no window system needed. Not built by default; built by
// tests/fuzz/build.sh, which lists its sources:
//
//   tests/fuzz/build.sh markup_fuzz
//   build-fuzz/markup_fuzz -runs=1000000 -max_len=4096
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "framework/backend/Backend.h"
#include "framework/backend/Painter.h"
#include "framework/backend/PrintDevice.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/ImgList.h"
#include "framework/graphics/ShellIcons.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/PictureContainer.h"

// --- what the window system's backend gives elsewhere
namespace {
class TFuzzPainter : public TPainter {
 public:
  bool CanDraw() const override { return true; }
  void SetPen(const TPainterPen&) override {}
  void SetBrush(const TPainterBrush&) override {}
  void SetFont(const TPainterFont& F) override { font_ = F; }
  void SetClip(const TRegion*) override {}
  void SetMapping(const TPoint&, const TPoint&, double, double) override {}
  void FillRect(const TRect&) override {}
  void Rectangle(const TRect&) override {}
  void RoundRect(const TRect&, int, int) override {}
  void Ellipse(const TRect&) override {}
  void ArcShape(TArcKind, const TRect&, const TPoint&, const TPoint&) override {}
  void Polygon(const TPoint*, int) override {}
  void Polyline(const TPoint*, int) override {}
  void SetPixel(int, int, TColor) override {}
  TColor GetPixel(int, int) override { return clNone; }
  bool FloodFill(int, int, TColor, TFillStyle) override { return false; }
  void DrawFocusRect(const TRect&) override {}
  void TextOut(int, int, const std::string&, TColor, bool, TColor, const TRect*) override {}
  TSize TextExtent(const std::string& Text) override { return FixedTextExtent(font_, Text); }
  TTextMetric TextMetrics() override { return FixedTextMetric(font_); }
  void DrawImage(const TRect&, const TPixelData&, const TRect&, TCopyMode, TColor, bool) override {}
  bool ReadPixels(const TRect&, TPixelData&) override { return false; }
  void DrawThemeElement(const TThemeElement&, const TRect&) override {}

 private:
  TPainterFont font_;
};
}  // namespace

TPainter* MeasuringPainter() {
  static TFuzzPainter painter;
  return &painter;
}
std::unique_ptr<TPainter> CreateBitmapPainter(TPixelData&) { return std::make_unique<TFuzzPainter>(); }
bool DecodeImage(const uint8_t*, size_t, TPixelData&) { return false; }
std::vector<uint8_t> EncodeImage(const TPixelData&, const std::string&) { return {}; }
bool ShellIcon(const std::string& Source, bool Large, TPixelData& Out) {
  if (Source.empty()) return false;
  Out.Resize(Large ? 32 : 16, Large ? 32 : 16, 4);
  return true;
}
struct CfEmbeddedResource {
  const char* name;
  const unsigned char* data;
  std::size_t size;
};
// No window system and no printer: the graphics that ask for them get none.
std::unique_ptr<IBackend> CreateQtBackend() { return nullptr; }
std::unique_ptr<IPrintBackend> CreateQtPrintBackend() { return nullptr; }
// No layouts are read here: the controls' published tables are not needed.
void RegisterFrameworkPublished() {}
extern "C" const CfEmbeddedResource* cf_embedded_resources() {
  static const CfEmbeddedResource none[] = {{nullptr, nullptr, 0}};
  return none;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size < 1) return 0;
  // The first byte picks the options, the rest is the markup.
  const uint8_t flags = Data[0];
  const std::string_view text(reinterpret_cast<const char*>(Data + 1), Size - 1);

  static TPictureContainer* container = [] {
    auto* pc = new TPictureContainer(nullptr);
    pc->Items()->Add()->SetName("pic");
    return pc;
  }();
  static TImageList* list = [] {
    auto* l = new TImageList(nullptr, 16, 16);
    TBitmap b(32, 16);
    l->Add(&b, nullptr);
    return l;
  }();
  THTMLPictureCache cache;
  TCanvas canvas;
  canvas.AttachPainter(std::make_unique<TFuzzPainter>());
  TMarkupParams p;
  p.WordWrap = flags & 1;
  p.Selected = flags & 2;
  p.HoverStyle = flags & 4;
  p.BlinkVisible = flags & 8;
  p.MouseDown = flags & 16;
  p.Print = flags & 32;
  p.FocusLink = (flags >> 6) - 1;
  p.HoverLink = 1;
  p.HoverBackColor = clYellow;
  p.HoverTextColor = clRed;
  p.XPos = 10 + (flags & 31);
  p.YPos = 5 + (flags >> 3);
  p.PictureContainer = container;
  p.PictureCache = &cache;
  p.ImageList = list;
  const TRect r(0, 0, 40 + flags, 60);
  TMarkupResult out;
  DrawMarkup(&canvas, text, r, p, out);
  TMarkupParams hit = p;
  hit.CheckHotSpot = true;
  hit.ControlID = "a";
  DrawMarkup(&canvas, text, r, hit, out);
  TMarkupParams measure = p;
  measure.CheckHeight = true;
  DrawMarkup(&canvas, text, r, measure, out);
  if (out.YSize < 0 || out.XSize < 0) std::abort();

  // The string routines of the unit.
  (void)MarkupToPlainText(text);
  if (UnescapeHTML(EscapeHTML(text, true), true) != text) std::abort();
  (void)HilightInMarkup(text, "a", "hi", flags & 1);
  std::string s(text);
  if (SetControlValue(s, "a", text)) {
    std::string v;
    if (!GetControlValue(s, "a", v) || v != text) std::abort();
  }
  (void)NextEditControlID(text, "");
  (void)ClearRadioControls(text);
  return 0;
}
