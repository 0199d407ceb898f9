// Font measures that do not depend on installed fonts, for tests.
#include <atomic>
#include <cstdlib>

#include "framework/backend/Painter.h"

namespace {
std::atomic<bool> g_fixed{false};

int CharHeight(const TPainterFont& F) {
  int h = F.Height < 0 ? -F.Height : F.Height * 4 / 5;
  return h < 1 ? 1 : h;
}

int Characters(const std::string& s) {
  int n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}
}  // namespace

void SetFixedTextMetrics(bool On) { g_fixed = On; }
bool FixedTextMetricsOn() { return g_fixed; }

TSize FixedTextExtent(const TPainterFont& Font, const std::string& Text) {
  TTextMetric tm = FixedTextMetric(Font);
  return {Characters(Text) * tm.tmAveCharWidth, tm.tmHeight};
}

TTextMetric FixedTextMetric(const TPainterFont& Font) {
  int h = CharHeight(Font);
  TTextMetric tm;
  tm.tmAscent = h;
  tm.tmDescent = h / 4 + 1;
  tm.tmHeight = tm.tmAscent + tm.tmDescent;
  tm.tmInternalLeading = 0;
  tm.tmExternalLeading = 0;
  tm.tmAveCharWidth = (h + 1) / 2;
  tm.tmMaxCharWidth = tm.tmAveCharWidth;
  tm.tmWeight = Font.Style.Contains(fsBold) ? 700 : 400;
  tm.tmItalic = Font.Style.Contains(fsItalic);
  tm.tmUnderlined = Font.Style.Contains(fsUnderline);
  tm.tmStruckOut = Font.Style.Contains(fsStrikeOut);
  return tm;
}
