// The markup engine: one routine lays out, draws, measures and hit-tests a
// markup text. Each line is laid out twice: a measuring pass finds what
// fits on it and how tall it is, then a drawing pass (or a hit-testing pass)
// replays the same markup in the line's final rectangle. Both passes start
// from the state the same pass had at the end of the previous line, so a tag
// left open carries over.
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/graphics/Gdi.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/ImgList.h"
#include "framework/graphics/ShellIcons.h"
#include "framework/graphics/Themes.h"
#include "framework/rtl/Math.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/DudHTMLE_Reader.h"
#include "grid/base/PictureContainer.h"

bool OSNewerThanWin2000 = true;

namespace {

TColor g_highlightBack = clHighlight;
TColor g_highlightText = clHighlightText;

// Geometry from markup is kept within these bounds, so no size typed into a
// cell can overflow a coordinate or make the painter render something huge.
constexpr int kMaxExtent = 16384;
constexpr int kMaxPointSize = 512;
constexpr int kMaxListLevel = 1000;
// Tiles of a page background drawn at most (a 1 x 1 picture over a screen).
constexpr int kMaxTiles = 4096;
constexpr int kListIndent = 12;

int Clamp(int v, int lo, int hi) { return std::min(std::max(v, lo), hi); }

// A computed size, rounded as the platform rounds, within 0..kMaxExtent.
int Extent(double v) {
  if (!(v > 0)) return 0;
  if (v > kMaxExtent) return kMaxExtent;
  return static_cast<int>(Round(v));
}

char Up(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 0x20) : c; }

bool StartsNoCase(std::string_view s, std::string_view upperPrefix) {
  if (s.size() < upperPrefix.size()) return false;
  for (std::size_t i = 0; i < upperPrefix.size(); ++i)
    if (Up(s[i]) != upperPrefix[i]) return false;
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = Up(c);
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

// "#RRGGBB" from the "#" on; missing or bad digits read as 0.
TColor HexColor(std::string_view v) {
  auto pair = [&](std::size_t i) {
    int hi = i < v.size() ? HexDigit(v[i]) : 0;
    int lo = i + 1 < v.size() ? HexDigit(v[i + 1]) : 0;
    return hi * 16 + lo;
  };
  return RGB(pair(1), pair(3), pair(5));
}

TColor ColorValue(std::string_view v) {
  if (!v.empty() && v[0] == '#') return HexColor(v);
  return MarkupColorByName(LowerCase(v));
}

struct TColorName {
  std::string_view Name;
  TColor Value;
};

constexpr TColorName kColorNames[] = {
    {"clred", clRed},
    {"clblack", clBlack},
    {"clblue", clBlue},
    {"clgreen", clGreen},
    {"claqua", clAqua},
    {"clyellow", clYellow},
    {"clfuchsia", clFuchsia},
    {"clwhite", clWhite},
    {"cllime", clLime},
    {"clsilver", clSilver},
    {"clgray", clGray},
    {"clolive", clOlive},
    {"clnavy", clNavy},
    {"clpurple", clPurple},
    {"clteal", clTeal},
    {"clmaroon", clMaroon},
    {"clbackground", clBackground},
    {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption},
    {"clmenu", clMenu},
    {"clwindow", clWindow},
    {"clwindowframe", clWindowFrame},
    {"clmenutext", clMenuText},
    {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText},
    {"clactiveborder", clActiveBorder},
    {"clinactiveborder", clInactiveBorder},
    {"clappworkspace", clAppWorkSpace},
    {"clhighlight", clHighlight},
    {"clhighlighttext", clHighlightText},
    {"clbtnface", clBtnFace},
    {"clbtnshadow", clBtnShadow},
    {"clgraytext", clGrayText},
    {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText},
    {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow},
    {"cl3dlight", cl3DLight},
    {"clinfotext", clInfoText},
    {"clinfobk", clInfoBk},
};

// ---------------------------------------------------------------------------
// Reading the text before layout

bool MatchEntity(std::string_view s, std::size_t i, std::string_view upperName) {
  return StartsNoCase(s.substr(i), upperName);
}

// The entities resolved before layout. "&amp;" becomes "&&", the prefix
// form of one "&"; an "&" it leaves in front of more entity text starts an
// entity again, as repeated replacing until nothing changes would. Tags are
// left as written: their values (a control's escaped VALUE) are read by the
// tag reader, and a resolved "&quot;" would end a quoted value early.
std::string ResolveEntities(std::string_view text) {
  static constexpr struct {
    std::string_view Name;
    std::string_view Value;
  } kEntities[] = {{"&AMP;", "&"},         {"&QUOT;", "\""},      {"&SECT;", "\u00A7"},
                   {"&PERMIL;", "\u2030"}, {"&REG;", "\u00AE"},   {"&COPY;", "\u00A9"},
                   {"&PARA;", "\u00B6"},   {"&TRADE;", "\u2122"}, {"&EURO;", "\u20AC"}};
  std::string out;
  out.reserve(text.size());
  std::string work(text);
  std::size_t i = 0;
  bool inTag = false;
  while (i < work.size()) {
    if (work[i] == '<') inTag = true;
    if (work[i] == '>') inTag = false;
    if (work[i] != '&' || inTag) {
      out.push_back(work[i++]);
      continue;
    }
    bool matched = false;
    for (const auto& e : kEntities) {
      if (!MatchEntity(work, i, e.Name)) continue;
      matched = true;
      if (e.Name == "&AMP;") {
        // "&&": the first "&" is output, the second may start another entity.
        out.push_back('&');
        i += e.Name.size() - 1;
        work[i] = '&';
      } else {
        out.append(e.Value);
        i += e.Name.size();
      }
      break;
    }
    if (!matched) out.push_back(work[i++]);
  }
  return out;
}

// "<#name>" shows as "#name": every "<#" loses its "<" and the first ">"
// after it.
std::string DropHashTags(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pending = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '<' && i + 1 < text.size() && text[i + 1] == '#') {
      ++pending;
      continue;
    }
    if (text[i] == '>' && pending > 0) {
      --pending;
      continue;
    }
    out.push_back(text[i]);
  }
  return out;
}

std::string LineEndsToBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\r')
      out.append("<BR>");
    else if (c != '\n')
      out.push_back(c);
  }
  return out;
}

// Entities that must not open or close a tag, resolved per text run.
std::string ResolveRunEntities(std::string_view run) {
  if (run.find('&') == std::string_view::npos) return std::string(run);
  std::string out;
  out.reserve(run.size());
  for (std::size_t i = 0; i < run.size();) {
    if (run[i] == '&') {
      if (run.compare(i, 6, "&nbsp;") == 0) {
        out.push_back(' ');
        i += 6;
        continue;
      }
      if (run.compare(i, 4, "&lt;") == 0) {
        out.push_back('<');
        i += 4;
        continue;
      }
      if (run.compare(i, 4, "&gt;") == 0) {
        out.push_back('>');
        i += 4;
        continue;
      }
    }
    out.push_back(run[i++]);
  }
  return out;
}

int Utf8Chars(std::string_view s) {
  int n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

// The attributes after the element name.
std::string_view TagBody(std::string_view tag) {
  std::size_t i = 1;
  while (i < tag.size() && tag[i] != ' ' && tag[i] != '\t' && tag[i] != '>') ++i;
  std::string_view body = tag.substr(i);
  if (!body.empty() && body.back() == '>') body.remove_suffix(1);
  return body;
}

// ---------------------------------------------------------------------------
// State

struct TFontState {
  std::string Name;
  int Height = -11;
  TFontStyles Style;
  TColor Color = clBlack;
  int Orientation = 0;
};

// What tags change; each kind of pass keeps its own copy from line to line.
struct TPassState {
  TFontState Font;
  TColor Brush = clNone;  // clNone: clear
  bool InAnchor = false, Hidden = false, Error = false, Shadow = false, Sub = false, Sup = false;
  bool ParaBack = false;
  int AnchorNo = 0, ImageNo = 0, ListLevel = 0;
  std::string Href, Title;
  TColor FontBackSaved = clNone;
  bool HighlightOpen = false;
  TColor HighlightFontSaved = clBlack, HighlightBrushSaved = clNone;
  TColor ParaBrushSaved = clNone;
  bool HoverApplied = false, HoverBackSet = false, HoverTextSet = false;
  TColor HoverBrushSaved = clNone, HoverFontSaved = clBlack;
  bool Rotated = false;
  int OrientationSaved = 0;
  // The anchor's hit rectangle starts here (x offset, on line AnchorLine).
  int AnchorStartX = 0;
  int AnchorLine = -1;
  bool AnchorHit = false;
  bool FocusOpen = false;
  TRect Focus;
};

enum TPassKind { pkMeasure, pkHitTest, pkDraw };

// Values of one line: filled by the measuring pass, used by the next.
struct TLine {
  int Top = 0;
  int GH = 0;  // height of "gh" at the line's start
  int Height = 0;
  int SubDescent = 0;
  int SupRise = 0;
  int Lift = 0;
  int Width = 0;
  std::size_t Start = 0, End = 0;  // the markup consumed
  std::vector<TSize> Runs;         // sizes of the text runs, in order
  int Index = 0;
};

// A picture or icon an image tag resolved to.
struct TImageSource {
  THTMLPicture* Picture = nullptr;
  int ListIndex = -1;             // "IDX:"
  std::unique_ptr<TBitmap> Icon;  // "SSYS:", "LSYS:"
  int Width = 0, Height = 0;      // natural size, device pixels
  bool Found() const { return Picture != nullptr || ListIndex >= 0 || Icon != nullptr; }
};

class TMarkupEngine {
 public:
  TMarkupEngine(TCanvas* c, const TRect& r, const TMarkupParams& p, TMarkupResult& out)
      : C(c), R(r), P(p), Out(out) {}

  bool Run(std::string_view Text);

 private:
  // --- state between passes
  TFontState CaptureFont();
  void ApplyFont(const TFontState& f);
  void SetBrush(TColor c);
  TColor BrushNow();
  void Enter(const TPassState& s);
  TPassState Leave();

  // --- a pass over one line
  void Pass(TPassKind kind, TLine& line, const TRect& lineRect, bool& dropRest);
  TSize MeasureRun(const std::string& run);
  void DrawRun(const std::string& run, TSize size, const TLine& line, int x, const TRect& lineRect);
  void DrawTextRun(const std::string& run, TSize size, const TRect& r);
  int BlankWidth();
  int RunBottom(const TLine& line, const TRect& lineRect) const;

  // A tag: false when it does not fit and stays for the next line.
  bool Tag(TPassKind kind, std::string_view tag, TLine& line, const TRect& lineRect, bool& lineEnded);
  void OpenTag(TPassKind kind, std::string_view tag, std::string_view up, TLine& line, const TRect& lineRect,
               bool& lineEnded);
  void CloseTag(TPassKind kind, std::string_view up, TLine& line, const TRect& lineRect, bool& lineEnded);
  void Font(TPassKind kind, std::string_view body);
  void Paragraph(TPassKind kind, std::string_view body, const TLine& line);
  void Body(TPassKind kind, std::string_view body);
  void AnchorStart(TPassKind kind, std::string_view body, const TLine& line, const TRect& lineRect);
  void AnchorEnd(TPassKind kind, const TLine& line, const TRect& lineRect);
  bool Image(TPassKind kind, std::string_view body, TLine& line, const TRect& lineRect);
  bool Control(TPassKind kind, std::string_view tag, TLine& line, const TRect& lineRect);
  bool ListItem(TPassKind kind, TLine& line, const TRect& lineRect);
  void FindImage(const std::string& src, TImageSource& img);
  void DrawControl(const std::string& type, const std::string& value, int width, int h, int s, int hb, int x,
                   int y);
  void ThemedOrClassic(const char* cls, int part, int state, TRect r, unsigned dfc, unsigned dfcs);
  void CloseFocusAtLineEnd(const TRect& lineRect);

  TCanvas* C;
  TRect R;
  const TMarkupParams& P;
  TMarkupResult& Out;
  bool result_ = false;
  bool themed_ = false;
  unsigned format_ = 0;
  TFontState entryFont_;
  TColor entryBack_ = clWhite;
  int align_ = 0;  // 0 left, 1 right, 2 centre
  int indent_ = 0;
  std::string text_;

  TPassState st_;
  // Per pass: x offset within the line and the drawing x.
  int x_ = 0;
  int drawX_ = 0;
  bool listItemPlaced_ = false;
  int runIndex_ = 0;
  int blankWidth_ = 0;
  bool endsWithBlank_ = false;
  int runsOnLine_ = 0;
  struct TFontMeasures {
    std::string Name;
    int Height;
    TFontStyles Style;
    int PPI;
    bool Fixed;
    int GH;
    int Blank;
  };
  TFontMeasures& Measures();
};

TFontState TMarkupEngine::CaptureFont() {
  TFont* f = C->Font();
  return {f->Name(), f->Height(), f->Style(), f->Color(), f->Orientation()};
}

void TMarkupEngine::ApplyFont(const TFontState& s) {
  TFont* f = C->Font();
  f->SetName(s.Name);
  f->SetHeight(s.Height);
  f->SetStyle(s.Style);
  f->SetColor(s.Color);
  f->SetOrientation(s.Orientation);
}

void TMarkupEngine::SetBrush(TColor c) {
  if (c == clNone) {
    C->Brush()->SetStyle(bsClear);
  } else {
    C->Brush()->SetColor(c);
    C->Brush()->SetStyle(bsSolid);
  }
}

TColor TMarkupEngine::BrushNow() { return C->Brush()->Style() == bsClear ? clNone : C->Brush()->Color(); }

void TMarkupEngine::Enter(const TPassState& s) {
  st_ = s;
  ApplyFont(s.Font);
  SetBrush(s.Brush);
}

TPassState TMarkupEngine::Leave() {
  st_.Font = CaptureFont();
  st_.Brush = BrushNow();
  return st_;
}

// The size DrawText gives the run: "&" prefixes take no room, tabs go on to
// the next stop of eight average characters.
TSize TMarkupEngine::MeasureRun(const std::string& run) {
  if (run.find_first_of("&\t") == std::string::npos) return C->TextExtent(run);
  std::string shown;
  shown.reserve(run.size());
  for (std::size_t i = 0; i < run.size(); ++i) {
    if (run[i] == '&') {
      if (i + 1 < run.size() && run[i + 1] == '&') shown.push_back(run[++i]);
      continue;
    }
    shown.push_back(run[i]);
  }
  const int height = C->TextExtent(shown.empty() ? std::string(" ") : shown).cy;
  if (shown.find('\t') == std::string::npos) return {shown.empty() ? 0 : C->TextWidth(shown), height};
  const int tab = 8 * std::max(1, C->TextMetrics().tmAveCharWidth);
  int x = 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t t = shown.find('\t', start);
    const std::string seg = shown.substr(start, t == std::string::npos ? std::string::npos : t - start);
    if (!seg.empty()) x += C->TextWidth(seg);
    if (t == std::string::npos) break;
    x = (x / tab + 1) * tab;
    start = t + 1;
  }
  return {x, height};
}

// A run single-line at the bottom of R. Plain text that fits goes straight
// to the device; prefixes, tabs and a cut line's ellipsis need the text
// layout.
void TMarkupEngine::DrawTextRun(const std::string& run, TSize size, const TRect& r) {
  if (run.find_first_of("&\t") == std::string::npos && (P.WordWrap || r.Left + size.cx <= r.Right)) {
    TRect clip = r;
    ExtTextOut(C, r.Left, r.Bottom - size.cy, ETO_CLIPPED, &clip, run);
    return;
  }
  TRect t = r;
  DrawText(C, run, t, format_);
}

// Measures of the font in use that every line or run asks for, taken once
// a font and kept between calls (a grid paints the same few fonts in every
// cell): the height of "gh" and the width of a blank.
TMarkupEngine::TFontMeasures& TMarkupEngine::Measures() {
  thread_local std::vector<TFontMeasures> cache;
  const TFont* f = C->Font();
  const int ppi = C->PixelsPerInch();
  const bool fixed = FixedTextMetricsOn();
  for (TFontMeasures& m : cache)
    if (m.Height == f->Height() && m.Style == f->Style() && m.PPI == ppi && m.Fixed == fixed &&
        m.Name == f->Name())
      return m;
  if (cache.size() >= 64) cache.clear();
  cache.push_back({f->Name(), f->Height(), f->Style(), ppi, fixed, C->TextMetrics().tmHeight, -1});
  return cache.back();
}

int TMarkupEngine::BlankWidth() {
  TFontMeasures& m = Measures();
  if (m.Blank < 0) m.Blank = C->TextWidth(" ");
  return m.Blank;
}

// Normal text sits above the line's room for subscripts; superscripts go up
// by the rise, subscripts down into that room.
int TMarkupEngine::RunBottom(const TLine& line, const TRect& lineRect) const {
  int bottom = lineRect.Bottom - line.Lift - line.SubDescent;
  if (st_.Sup) bottom -= line.SupRise;
  if (st_.Sub) bottom += line.SubDescent;
  return bottom;
}

void TMarkupEngine::DrawRun(const std::string& run, TSize size, const TLine& line, int x,
                            const TRect& lineRect) {
  const int width = size.cx;
  const int bottom = RunBottom(line, lineRect);
  TRect r(x, lineRect.Top, lineRect.Right, bottom);
  if (r.Right <= r.Left) return;
  if (st_.Shadow) {
    const TColor keep = C->Font()->Color();
    C->Font()->SetColor(P.ShadowColor);
    TRect s(r.Left + P.ShadowOffset, r.Top + P.ShadowOffset, r.Right + P.ShadowOffset,
            r.Bottom + P.ShadowOffset);
    DrawTextRun(run, size, s);
    C->Font()->SetColor(keep);
  }
  DrawTextRun(run, size, r);
  if (st_.Error) {
    // A red zig-zag under the run.
    const TColor pen = C->Pen()->Color();
    const int penWidth = C->Pen()->Width();
    C->Pen()->SetColor(clRed);
    C->Pen()->SetWidth(1);
    int x0 = x & ~1;
    bool low = x0 % 4 == 0;
    std::vector<TPoint> pts;
    for (int px = x0; px <= x + width && pts.size() < 4096; px += 2) {
      pts.push_back({px, low ? bottom + 1 : bottom - 1});
      low = !low;
    }
    if (pts.size() >= 2) C->Polyline(pts);
    C->Pen()->SetColor(pen);
    C->Pen()->SetWidth(penWidth);
  }
}

void TMarkupEngine::Pass(TPassKind kind, TLine& line, const TRect& lineRect, bool& dropRest) {
  const std::string_view text = text_;
  const std::size_t limit = kind == pkMeasure ? text.size() : line.End;
  const int lineWidth = lineRect.Right - lineRect.Left;
  x_ = 0;
  drawX_ = lineRect.Left;
  listItemPlaced_ = false;
  runIndex_ = 0;
  blankWidth_ = 0;
  endsWithBlank_ = false;
  runsOnLine_ = 0;
  bool lineEnded = false;
  std::size_t p = line.Start;

  if (kind == pkDraw && st_.FocusOpen) {
    // The focus anchor goes on from this line's left edge.
    st_.Focus.Left = lineRect.Left;
    st_.Focus.Top = lineRect.Top;
  }
  if (kind == pkDraw && st_.ParaBack && st_.Brush != clNone) {
    // A paragraph background goes on over the whole band of the line.
    C->FillRect(TRect(R.Left, lineRect.Top, R.Right, lineRect.Bottom));
  }

  // Where the next tag starts, found once for all the words before it, so a
  // long text is not scanned again for every word.
  std::size_t nextTag = std::string_view::npos;
  bool nextTagKnown = false;
  while (p < limit && !lineEnded) {
    if (text[p] != '<') {
      if (!nextTagKnown || nextTag < p) {
        nextTag = text.find('<', p);
        nextTagKnown = true;
      }
      std::size_t q = nextTag == std::string_view::npos || nextTag > limit ? limit : nextTag;
      std::size_t end = q;
      if (P.WordWrap) {
        const std::size_t blank = text.substr(p, q - p).find(' ');
        if (blank != std::string_view::npos) end = p + blank + 1;
      }
      const std::string run = ResolveRunEntities(text.substr(p, end - p));
      if (run.empty()) {
        p = end;
        continue;
      }
      if (st_.Hidden) {
        if (kind == pkMeasure) Out.PlainText += run;
        p = end;
        continue;
      }
      TSize size;
      if (kind == pkMeasure) {
        size = MeasureRun(run);
        const bool fits = x_ + size.cx < lineWidth || size.cx >= lineWidth || !endsWithBlank_;
        if (!fits && P.WordWrap) {
          lineEnded = true;  // the word starts the next line
          break;
        }
        if (!fits && runsOnLine_ > 0) dropRest = true;  // cut here, the end shows an ellipsis
        line.Height = std::max(line.Height, size.cy);
        if (st_.Sub) line.SubDescent = std::max(line.SubDescent, size.cy / 4);
        if (st_.Sup) line.SupRise = std::max(line.SupRise, size.cy / 4);
        Out.PlainText += run;
        line.Runs.push_back(size);
      } else {
        size = runIndex_ < static_cast<int>(line.Runs.size()) ? line.Runs[static_cast<std::size_t>(runIndex_)]
                                                              : MeasureRun(run);
        ++runIndex_;
      }
      if (kind == pkHitTest && st_.InAnchor && !st_.Href.empty()) {
        const int left = lineRect.Left + x_;
        const int bottom = lineRect.Bottom - line.Lift;
        if (P.XPos >= left && P.XPos <= left + size.cx && P.YPos > bottom - line.GH && P.YPos < bottom) {
          Out.Anchor = st_.Href;
          Out.AnchorTitle = st_.Title;
          st_.AnchorHit = true;
          result_ = true;
        }
      }
      if (kind == pkDraw) {
        DrawRun(run, size, line, drawX_, lineRect);
        if (st_.FocusOpen) Out.FocusAnchor = st_.Href;
      }
      x_ += size.cx;
      drawX_ += size.cx;
      endsWithBlank_ = run.back() == ' ';
      blankWidth_ = endsWithBlank_ && kind == pkMeasure ? BlankWidth() : 0;
      ++runsOnLine_;
      p = end;
      if (dropRest) break;
      continue;
    }

    // A tag.
    const std::size_t gt = text.find('>', p);
    if (gt == std::string_view::npos || gt >= limit) {
      // No end: the rest of the text is neither drawn nor measured.
      if (kind == pkMeasure) dropRest = true;
      p = limit;
      break;
    }
    const std::string_view tag = text.substr(p, gt + 1 - p);
    if (!Tag(kind, tag, line, lineRect, lineEnded)) break;  // stays for the next line
    p = gt + 1;
  }

  if (kind == pkMeasure) {
    line.End = dropRest ? p : std::max(p, line.Start);
    line.Width = std::max(0, x_ - blankWidth_);
    Out.XSize = std::max(Out.XSize, line.Width);
  }
  if (kind == pkDraw) CloseFocusAtLineEnd(lineRect);
}

void TMarkupEngine::CloseFocusAtLineEnd(const TRect& lineRect) {
  if (!st_.FocusOpen) return;
  TRect f = st_.Focus;
  f.Right = drawX_;
  f.Bottom = lineRect.Bottom;
  InflateRect(f, 1, 1);
  C->DrawFocusRect(f);
}

bool TMarkupEngine::Tag(TPassKind kind, std::string_view tag, TLine& line, const TRect& lineRect,
                        bool& lineEnded) {
  std::string up;
  up.reserve(std::min<std::size_t>(tag.size(), 8));
  for (std::size_t i = 0; i < tag.size() && i < 8; ++i) up.push_back(Up(tag[i]));
  if (up.size() >= 4 && up[1] == '/') {
    CloseTag(kind, up, line, lineRect, lineEnded);
    return true;
  }
  if (up.size() < 3) return true;  // "<>" and the like
  switch (up[1]) {
    case 'I':
      if (up[2] == 'M') return Image(kind, TagBody(tag), line, lineRect);
      break;
    case 'C':
      return Control(kind, tag, line, lineRect);
    case 'L':
      return ListItem(kind, line, lineRect);
    default:
      break;
  }
  OpenTag(kind, tag, up, line, lineRect, lineEnded);
  return true;
}

void TMarkupEngine::OpenTag(TPassKind kind, std::string_view tag, std::string_view up, TLine& line,
                            const TRect& lineRect, bool& lineEnded) {
  const bool drawing = kind == pkDraw;
  TFont* f = C->Font();
  const char a = up[1];
  const char b = up[2];
  switch (a) {
    case 'B':
      if (b == '>') {
        f->SetStyle(f->Style() + TFontStyles{fsBold});
      } else if (b == 'R') {
        lineEnded = true;
        if (kind == pkMeasure) Out.PlainText += '\r';
      } else if (b == 'L') {
        if (!P.BlinkVisible) f->SetColor(entryBack_);
      } else if (b == 'O') {
        Body(kind, TagBody(tag));
      }
      break;
    case 'E':
      if (drawing) st_.Error = true;
      break;
    case 'F':
      Font(kind, TagBody(tag));
      break;
    case 'H':
      if (b == 'I') {
        if (drawing) {
          st_.HighlightOpen = true;
          st_.HighlightFontSaved = f->Color();
          st_.HighlightBrushSaved = BrushNow();
          SetBrush(g_highlightBack);
          f->SetColor(g_highlightText);
        }
      } else if (b == 'R') {
        lineEnded = true;
        if (drawing) {
          const TColor pen = C->Pen()->Color();
          C->Pen()->SetColor(clBlack);
          const int y = lineRect.Bottom + 1;
          C->MoveTo(lineRect.Left, y);
          C->LineTo(lineRect.Right, y);
          C->Pen()->SetColor(pen);
        }
      }
      break;
    case 'I':
      if (b == '>') {
        f->SetStyle(f->Style() + TFontStyles{fsItalic});
      } else if (b == 'N') {
        // A tab stop: X="n" moves the x offset on to n.
        const std::vector<TMarkupAttribute> attrs = ReadMarkupAttributes(TagBody(tag));
        if (const TMarkupAttribute* v = FindMarkupAttribute(attrs, "X")) {
          int n = 0;
          if (Val(v->Value, n) == 0) {
            n = Clamp(n, 0, kMaxExtent);
            if (x_ < n) {
              x_ = n;
              drawX_ = lineRect.Left + n;
            }
          }
        }
      }
      break;
    case 'P':
      Paragraph(kind, TagBody(tag), line);
      break;
    case 'R': {
      const std::vector<TMarkupAttribute> attrs = ReadMarkupAttributes(TagBody(tag));
      // The angle: the first attribute whose name begins with "A".
      const TMarkupAttribute* v = nullptr;
      for (const TMarkupAttribute& at : attrs)
        if (!at.Name.empty() && at.Name[0] == 'A') {
          v = &at;
          break;
        }
      const int angle = v ? Clamp(LeadingInteger(v->Value), -3600, 3600) : 0;
      if (!st_.Rotated) st_.OrientationSaved = f->Orientation();
      st_.Rotated = true;
      f->SetOrientation(angle * 10);
      break;
    }
    case 'S':
      if (b == '>') {
        f->SetStyle(f->Style() + TFontStyles{fsStrikeOut});
      } else if (b == 'H') {
        st_.Shadow = true;
      } else if (StartsNoCase(tag, "<SUB>")) {
        st_.Sub = true;
      } else if (StartsNoCase(tag, "<SUP>")) {
        st_.Sup = true;
      }
      break;
    case 'U':
      if (b == '>') {
        f->SetStyle(f->Style() + TFontStyles{fsUnderline});
      } else {
        st_.ListLevel = std::min(st_.ListLevel + 1, kMaxListLevel);
        lineEnded = true;
      }
      break;
    case 'Z':
      st_.Hidden = true;
      break;
    case 'A':
      AnchorStart(kind, TagBody(tag), line, lineRect);
      break;
    default:
      break;
  }
}

void TMarkupEngine::CloseTag(TPassKind kind, std::string_view up, TLine& line, const TRect& lineRect,
                             bool& lineEnded) {
  const bool drawing = kind == pkDraw;
  TFont* f = C->Font();
  const char a = up[2];
  const char b = up.size() > 3 ? up[3] : '\0';
  switch (a) {
    case 'A':
      AnchorEnd(kind, line, lineRect);
      break;
    case 'B':
      if (b == '>')
        f->SetStyle(f->Style() - TFontStyles{fsBold});
      else
        f->SetColor(entryFont_.Color);  // the end of blinking text
      break;
    case 'E':
      if (drawing) st_.Error = false;
      break;
    case 'F':
      f->SetName(entryFont_.Name);
      f->SetHeight(entryFont_.Height);
      if (drawing && !P.Selected) {
        f->SetColor(entryFont_.Color);
        SetBrush(st_.FontBackSaved);
      }
      break;
    case 'H':
      if (drawing && st_.HighlightOpen) {
        f->SetColor(st_.HighlightFontSaved);
        SetBrush(st_.HighlightBrushSaved);
        st_.HighlightOpen = false;
      }
      break;
    case 'I':
      f->SetStyle(f->Style() - TFontStyles{fsItalic});
      break;
    case 'L':
      lineEnded = true;
      break;
    case 'P':
      lineEnded = true;
      if (drawing && st_.ParaBack) {
        SetBrush(st_.ParaBrushSaved);
        st_.ParaBack = false;
      }
      break;
    case 'R':
      if (st_.Rotated) {
        f->SetOrientation(st_.OrientationSaved);
        st_.Rotated = false;
      }
      break;
    case 'S':
      if (b == 'U') {
        st_.Sub = st_.Sup = false;
      } else if (b == 'H') {
        st_.Shadow = false;
      } else {
        f->SetStyle(f->Style() - TFontStyles{fsStrikeOut});
      }
      break;
    case 'U':
      if (b == '>' || st_.ListLevel == 0)
        f->SetStyle(f->Style() - TFontStyles{fsUnderline});
      else
        --st_.ListLevel;
      break;
    case 'Z':
      st_.Hidden = false;
      break;
    default:
      break;
  }
}

void TMarkupEngine::Font(TPassKind kind, std::string_view body) {
  const bool drawing = kind == pkDraw;
  TFont* f = C->Font();
  const std::vector<TMarkupAttribute> attrs = ReadMarkupAttributes(body);
  if (const TMarkupAttribute* v = FindMarkupAttribute(attrs, "FACE"); v && v->Quoted) f->SetName(v->Value);
  if (const TMarkupAttribute* v = FindMarkupAttribute(attrs, "COLOR"); v && v->Quoted && !P.Selected)
    f->SetColor(ColorValue(v->Value));
  if (const TMarkupAttribute* v = FindMarkupAttribute(attrs, "BGCOLOR");
      v && v->Quoted && drawing && !P.Selected) {
    st_.FontBackSaved = BrushNow();
    SetBrush(ColorValue(v->Value));
  }
  if (const TMarkupAttribute* v = FindMarkupAttribute(attrs, "SIZE")) {
    // Quotes are optional here.
    const int n = LeadingInteger(v->Value);
    static constexpr int kSizes[] = {8, 10, 12, 14, 16};
    const int points = n >= 1 && n <= 5 ? kSizes[n - 1] : n;
    if (points >= 1) f->SetSize(std::min(points, kMaxPointSize));
  }
}

void TMarkupEngine::Paragraph(TPassKind kind, std::string_view body, const TLine& line) {
  const std::vector<TMarkupAttribute> attrs = ReadMarkupAttributes(body);
  if (const TMarkupAttribute* v = FindMarkupAttribute(attrs, "ALIGN"); v && v->Quoted) {
    const std::string u = UpperCase(v->Value);
    if (u.find("RIGHT") != std::string::npos) align_ = 1;
    if (u.find("LEFT") != std::string::npos) align_ = 0;
    if (u.find("CENTER") != std::string::npos) align_ = 2;
  }
  if (const TMarkupAttribute* v = FindMarkupAttribute(attrs, "INDENT"); v && v->Quoted)
    indent_ = Clamp(LeadingInteger(v->Value), -kMaxExtent, kMaxExtent);
  if (const TMarkupAttribute* v = FindMarkupAttribute(attrs, "BGCOLOR"); v && v->Quoted && kind == pkDraw) {
    const TColor c = ColorValue(v->Value);
    st_.ParaBrushSaved = BrushNow();
    st_.ParaBack = true;
    const TColor pen = C->Pen()->Color();
    C->Pen()->SetColor(c);
    SetBrush(c);
    C->FillRect(TRect(R.Left, line.Top, R.Right, line.Top + line.Height + line.SubDescent + line.SupRise));
    C->Pen()->SetColor(pen);
  }
}

void TMarkupEngine::Body(TPassKind kind, std::string_view body) {
  if (kind != pkDraw) return;
  const std::vector<TMarkupAttribute> attrs = ReadMarkupAttributes(body);
  if (const TMarkupAttribute* v = FindMarkupAttribute(attrs, "BACKGROUND"); v && v->Quoted) {
    TImageSource img;
    FindImage(v->Value, img);
    if (img.Picture && img.Width > 0 && img.Height > 0) {
      const int saved = C->SaveDC();
      C->IntersectClipRect(R);
      int tiles = 0;
      for (int y = R.Top; y < R.Bottom && tiles < kMaxTiles; y += img.Height)
        for (int x = R.Left; x < R.Right && tiles < kMaxTiles; x += img.Width, ++tiles)
          C->Draw(x, y, img.Picture);
      C->RestoreDC(saved);
    }
  }
  if (const TMarkupAttribute* v = FindMarkupAttribute(attrs, "BGCOLOR"); v && v->Quoted) {
    const std::string u = UpperCase(v->Value);
    TColor c = clNone;
    if (u.find("CL") != std::string::npos)
      c = MarkupColorByName(LowerCase(v->Value));
    else if (const std::size_t hash = u.find('#'); hash != std::string::npos)
      c = HexColor(std::string_view(u).substr(hash));
    if (c != clNone) {
      const TColor pen = C->Pen()->Color();
      C->Pen()->SetColor(c);
      SetBrush(c);
      C->Rectangle(R);
      C->Pen()->SetColor(pen);
      st_.FontBackSaved = c;
    }
  }
}

void TMarkupEngine::AnchorStart(TPassKind kind, std::string_view body, const TLine& line,
                                const TRect& lineRect) {
  const bool drawing = kind == pkDraw;
  TFont* f = C->Font();
  st_.AnchorNo = std::min(st_.AnchorNo + 1, 1 << 30);
  Out.HyperLinks = std::max(Out.HyperLinks, st_.AnchorNo);
  if (drawing && st_.AnchorNo == P.FocusLink + 1) {
    st_.FocusOpen = true;
    st_.Focus = TRect(drawX_, lineRect.Top, drawX_, lineRect.Bottom);
  }
  st_.HoverApplied = !P.HoverStyle || st_.AnchorNo == P.HoverLink;
  st_.HoverBackSet = st_.HoverTextSet = false;
  bool hoverText = false;
  if (st_.HoverApplied && drawing) {
    f->SetStyle(f->Style() + TFontStyles{fsUnderline});
    if (P.HoverBackColor != clNone) {
      st_.HoverBrushSaved = BrushNow();
      st_.HoverBackSet = true;
      SetBrush(P.HoverBackColor);
    }
    if (P.HoverTextColor != clNone) {
      st_.HoverFontSaved = f->Color();
      st_.HoverTextSet = true;
      f->SetColor(P.HoverTextColor);
      hoverText = P.HoverStyle;
    }
  }
  if (!P.Selected && !hoverText) f->SetColor(P.LinkColor);
  const std::vector<TMarkupAttribute> attrs = ReadMarkupAttributes(body);
  if (const TMarkupAttribute* v = FindMarkupAttribute(attrs, "HREF"); v && v->Quoted) {
    st_.Href = v->Value;
    st_.InAnchor = true;
  }
  if (const TMarkupAttribute* v = FindMarkupAttribute(attrs, "TITLE"); v && v->Quoted) st_.Title = v->Value;
  st_.AnchorStartX = x_;
  st_.AnchorLine = line.Index;
  st_.AnchorHit = false;
}

void TMarkupEngine::AnchorEnd(TPassKind kind, const TLine& line, const TRect& lineRect) {
  const bool drawing = kind == pkDraw;
  TFont* f = C->Font();
  if (st_.HoverApplied && drawing) {
    f->SetStyle(f->Style() - TFontStyles{fsUnderline});
    if (st_.HoverBackSet) SetBrush(st_.HoverBrushSaved);
    if (st_.HoverTextSet) f->SetColor(st_.HoverFontSaved);
  }
  st_.HoverApplied = st_.HoverBackSet = st_.HoverTextSet = false;
  if (!P.Selected) f->SetColor(entryFont_.Color);
  st_.InAnchor = false;
  if (st_.AnchorHit && kind == pkHitTest) {
    const int left = st_.AnchorLine == line.Index ? lineRect.Left + st_.AnchorStartX : lineRect.Left;
    Out.AnchorRect = TRect(left, lineRect.Top, lineRect.Left + x_, lineRect.Bottom);
    Out.MouseLink = st_.AnchorNo;
  }
  st_.AnchorHit = false;
  if (st_.FocusOpen) {
    st_.FocusOpen = false;
    if (drawing) {
      TRect r = st_.Focus;
      r.Right = drawX_;
      r.Bottom = lineRect.Bottom - line.Lift;
      r.Top = r.Bottom - line.GH;
      InflateRect(r, 1, 1);
      C->DrawFocusRect(r);
    }
  }
}

void TMarkupEngine::FindImage(const std::string& src, TImageSource& img) {
  const int ppiX = C->PixelsPerInch();
  const std::string u = UpperCase(src);
  if (u.rfind("IDX:", 0) == 0) {
    const int n = LeadingInteger(std::string_view(src).substr(4));
    if (P.ImageList && n >= 0 && n < P.ImageList->Count()) {
      img.ListIndex = n;
      img.Width = P.ImageList->Width() * ppiX / 96;
      img.Height = P.ImageList->Height() * ppiX / 96;
      if (P.Print) {
        img.Width = Extent(img.Width * P.ResFactor);
        img.Height = Extent(img.Height * P.ResFactor);
      }
    }
    return;
  }
  if (u.rfind("SSYS:", 0) == 0 || u.rfind("LSYS:", 0) == 0) {
    const bool large = u[0] == 'L';
    TPixelData px;
    if (ShellIcon(src.substr(5), large, px)) {
      img.Icon = std::make_unique<TBitmap>();
      img.Icon->SetPixelData(std::move(px));
      img.Width = img.Icon->Width() * ppiX / 96;
      img.Height = img.Icon->Height() * ppiX / 96;
      if (P.Print) {
        img.Width = Extent(img.Width * P.ResFactor);
        img.Height = Extent(img.Height * P.ResFactor);
      }
    }
    return;
  }
  THTMLPicture* pic = nullptr;
  if (src.find(':') == std::string::npos) {
    if (P.PictureContainer) pic = P.PictureContainer->FindPicture(src);
  } else if (src.find("://") != std::string::npos && P.PictureCache) {
    pic = P.PictureCache->FindPicture(src);
    if (!pic) {
      pic = P.PictureCache->AddPicture();
      pic->SetAsynch(false);
      try {
        pic->LoadFromURL(src);
      } catch (const Exception&) {
        // A resource that does not decode: the entry stays, empty.
      }
    }
  }
  if (pic && !pic->Empty()) {
    img.Picture = pic;
    img.Width = pic->MaxWidth();
    img.Height = pic->MaxHeight();
  }
}

bool TMarkupEngine::Image(TPassKind kind, std::string_view body, TLine& line, const TRect& lineRect) {
  const std::vector<TMarkupAttribute> attrs = ReadMarkupAttributes(body);
  auto quoted = [&](std::string_view name) -> std::string {
    const TMarkupAttribute* v = FindMarkupAttribute(attrs, name);
    return v && v->Quoted ? v->Value : std::string();
  };
  // Sources keep their letter case: file names here are case-sensitive, and
  // the container finds names ignoring case anyway.
  std::string src = quoted("SRC");
  const std::string alt = quoted("ALT");
  const int w = Clamp(LeadingInteger(quoted("WIDTH")), 0, kMaxExtent);
  const int h = Clamp(LeadingInteger(quoted("HEIGHT")), 0, kMaxExtent);
  const int ppiX = C->PixelsPerInch();

  TImageSource img;
  FindImage(src, img);
  // The size of the box: the tag's size when it has one, else the picture's.
  auto boxSize = [&](const TImageSource& s, int& bw, int& bh) {
    bw = s.Width;
    bh = s.Height;
    if (!s.Found()) {
      bw = bh = 0;
      return;
    }
    const int pw = s.Picture ? s.Picture->Width() : s.Width;
    const int ph = s.Picture ? s.Picture->Height() : s.Height;
    if (w > 0 && h > 0) {
      bw = w;
      bh = h;
    } else if (w > 0) {
      bw = w;
      bh = pw > 0 ? Extent(static_cast<double>(ph) * w / pw) : 0;
    } else if (h > 0) {
      bh = h;
      bw = ph > 0 ? Extent(static_cast<double>(pw) * h / ph) : 0;
    }
    if (w > 0 || h > 0) {
      bw = Clamp(bw * ppiX / 96, 0, kMaxExtent);
      bh = Clamp(bh * ppiX / 96, 0, kMaxExtent);
    }
  };
  int bw = 0, bh = 0;
  boxSize(img, bw, bh);

  const int lineWidth = lineRect.Right - lineRect.Left;
  if (kind == pkMeasure && img.Found() && lineWidth - x_ < bw && bw < lineWidth) return false;

  ++st_.ImageNo;
  const int left = lineRect.Left + x_;
  const bool inside =
      P.XPos > left && P.XPos < left + bw && P.YPos > lineRect.Top && P.YPos < lineRect.Top + bh;
  if (inside && st_.InAnchor && img.Found()) {
    if (kind == pkHitTest) {
      Out.Anchor = st_.Href;
      Out.AnchorTitle = st_.Title;
      st_.AnchorHit = true;
      result_ = true;
    }
    if (kind == pkDraw && !alt.empty()) {
      // A linked image shows its other picture while the mouse is over it.
      TImageSource hover;
      FindImage(alt, hover);
      if (hover.Found()) img = std::move(hover);
    }
  }

  if (kind == pkDraw && img.Found()) {
    if (img.Picture) {
      THTMLPicture* pic = img.Picture;
      if (w > 0 || h > 0) {
        const bool keep = pic->Stretch();
        pic->SetStretch(true);
        C->StretchDraw(Bounds(drawX_, lineRect.Top, bw, bh), pic);
        pic->SetStretch(keep);
      } else {
        if (pic->FrameCount() > 1) {
          const TColor brush = BrushNow();
          SetBrush(entryBack_);
          C->FillRect(Bounds(drawX_, lineRect.Top, img.Width, img.Height));
          SetBrush(brush);
        }
        const int fx = pic->FrameCount() >= 1 ? pic->FrameXPos() : 0;
        const int fy = pic->FrameCount() >= 1 ? pic->FrameYPos() : 0;
        C->Draw(drawX_ + fx, lineRect.Top + fy, pic);
      }
    } else if (img.ListIndex >= 0) {
      if (P.Print) {
        TBitmap b;
        if (P.ImageList->GetBitmap(img.ListIndex, &b))
          C->StretchDraw(Bounds(drawX_, lineRect.Top, bw, bh), &b);
      } else {
        P.ImageList->Draw(C, drawX_, lineRect.Top, img.ListIndex);
      }
    } else if (img.Icon) {
      C->StretchDraw(Bounds(drawX_, lineRect.Top, bw, bh), img.Icon.get());
    }
  }

  if (kind == pkMeasure) {
    line.Height = std::max(line.Height, bh);
    if (const TMarkupAttribute* v = FindMarkupAttribute(attrs, "ALIGN"); v && v->Quoted) {
      const std::string u = UpperCase(v->Value);
      if (u.rfind("TOP", 0) == 0) line.Lift = line.Height - line.GH;
      if (u.rfind("MIDDLE", 0) == 0) line.Lift = (line.Height - line.GH) / 2;
    }
  }
  x_ += bw;
  drawX_ += bw;
  blankWidth_ = 0;
  endsWithBlank_ = false;
  return true;
}

void TMarkupEngine::ThemedOrClassic(const char* cls, int part, int state, TRect r, unsigned dfc,
                                    unsigned dfcs) {
  if (themed_) {
    if (HTHEME t = OpenThemeData(P.WindowHandle, cls)) {
      DrawThemeBackground(t, C, part, state, r, nullptr);
      CloseThemeData(t);
      return;
    }
  }
  DrawFrameControl(C, r, dfc, dfcs);
}

void TMarkupEngine::DrawControl(const std::string& type, const std::string& value, int width, int h, int s,
                                int hb, int x, int y) {
  const TColor frame = themed_ ? static_cast<TColor>(0xB99D7F) : clGray;
  const TColor pen = C->Pen()->Color();
  const TColor brush = BrushNow();
  const bool checked = UpperCase(value) == "TRUE";
  if (type == "EDIT" || type == "PASSWORD" || type == "MASK" || type == "COMBO") {
    C->Pen()->SetColor(frame);
    SetBrush(clWhite);
    C->Rectangle(x, y - s + 4, x + width, y + 2);
    SetBrush(clNone);
    std::string shown =
        type == "PASSWORD" ? std::string(static_cast<std::size_t>(Utf8Chars(value)), '*') : value;
    if (type == "COMBO") {
      TRect t(x + 4, y - s + 4, x + width - 18, y);
      DrawText(C, shown, t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
      const bool hot = P.XPos > x - 2 && P.XPos < x - 2 + width && P.YPos > y - hb - 2 && P.YPos < y - 2;
      ThemedOrClassic("combobox", CP_DROPDOWNBUTTON, hot ? CBXS_HOT : CBXS_NORMAL,
                      TRect(x + width - 18, y - s + 5, x + width - 1, y + 1), DFC_SCROLL,
                      DFCS_SCROLLCOMBOBOX);
    } else {
      TRect t(x + 2, y - s + 4, x + width, y);
      DrawText(C, shown, t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
  } else if (type == "CHECK") {
    ThemedOrClassic("button", BP_CHECKBOX, checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL,
                    TRect(x + 2, y - 15, x + 15, y), DFC_BUTTON,
                    DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
  } else if (type == "RADIO") {
    ThemedOrClassic("button", BP_RADIOBUTTON, checked ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL,
                    TRect(x + 2, y - 14, x + 14, y), DFC_BUTTON,
                    DFCS_BUTTONRADIO | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
  } else if (type == "BUTTON") {
    const bool hot = P.XPos > x - 2 && P.XPos < x - 2 + width && P.YPos > y - 24 - 2 && P.YPos < y - 2;
    TRect r(x + 2, y - h, x + width - 2, y);
    const int state = P.MouseDown ? PBS_PRESSED : hot ? PBS_HOT : PBS_NORMAL;
    ThemedOrClassic("button", BP_PUSHBUTTON, state, r, DFC_BUTTON,
                    DFCS_BUTTONPUSH | (hot && P.MouseDown ? DFCS_PUSHED : 0));
    SetBrush(clNone);
    TRect t(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
    DrawText(C, value, t, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  }
  C->Pen()->SetColor(pen);
  SetBrush(brush);
}

bool TMarkupEngine::Control(TPassKind kind, std::string_view tag, TLine& line, const TRect& lineRect) {
  std::string type, id, maxLen, prop, height, width, value;
  ParseControlTag(tag, type, id, maxLen, prop, height, width, value);
  int wb = 0;
  const bool widthValid = Val(width, wb) == 0 && wb >= 0;
  int h = 25;
  if (int v = 0; Val(height, v) == 0 && v >= 0) h = std::min(v, kMaxExtent);
  wb = std::min(wb, kMaxExtent);
  const bool small = type == "CHECK" || type == "RADIO";
  if (!widthValid && !small) return true;  // a control needs its width
  int s = small ? 16 : 23;
  if (h > 25) s = h - 2;
  int hb = line.GH + 10;
  const int drawWidth = wb;
  if (type == "BUTTON" || type == "COMBO") hb = 25;
  if (small) wb = hb = 16;

  const int lineWidth = lineRect.Right - lineRect.Left;
  if (kind == pkMeasure && lineWidth - x_ < wb && wb < lineWidth) return false;

  if (kind == pkDraw)
    DrawControl(type, value, drawWidth, h, s, type == "BUTTON" ? 24 : line.GH + 10, drawX_, lineRect.Bottom);
  if (kind == pkHitTest) {
    const TRect box = Bounds(lineRect.Left + x_, lineRect.Top, wb, hb);
    if (PtInRect(box, TPoint(P.XPos, P.YPos)) || (!P.ControlID.empty() && id == P.ControlID)) {
      Out.ControlType = type;
      Out.ControlValue = value;
      Out.ControlID = id;
      Out.Anchor = "ctrl";
      Out.ControlRect = box;
      result_ = true;
    }
  }
  if (kind == pkMeasure) {
    line.Height = std::max(s, hb);
  }
  x_ += wb;
  drawX_ += wb;
  blankWidth_ = 0;
  endsWithBlank_ = false;
  return true;
}

bool TMarkupEngine::ListItem(TPassKind kind, TLine& line, const TRect& lineRect) {
  if (listItemPlaced_) return false;  // one item a line
  listItemPlaced_ = true;
  const int level = st_.ListLevel;
  if (kind == pkDraw && level > 0) {
    const int bx = drawX_ + level * kListIndent - kListIndent;
    TRect r(bx, lineRect.Top, bx + kListIndent, RunBottom(line, lineRect));
    DrawText(C, level % 2 == 1 ? "\u2022" : "o", r, DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  }
  x_ += level * kListIndent;
  drawX_ += level * kListIndent;
  return true;
}

bool TMarkupEngine::Run(std::string_view Text) {
  // Entry state, restored on the way out.
  const TColor penColor = C->Pen()->Color();
  const int penWidth = C->Pen()->Width();
  const TColor brushColor = C->Brush()->Color();
  const TBrushStyle brushStyle = C->Brush()->Style();
  TFont entry;
  entry.Assign(C->Font());
  const int bkMode = C->BkMode();
  entryFont_ = CaptureFont();
  entryBack_ = brushColor;
  SetBrush(clNone);
  C->SetBkMode(TRANSPARENT);
  themed_ = OSNewerThanWin2000 && IsThemeActive();

  Out.ControlRect = TRect();
  Out.ControlType.clear();
  Out.ControlValue.clear();
  Out.PlainText.clear();
  Out.FocusAnchor.clear();
  Out.AnchorTitle.clear();
  Out.ControlID = P.CheckHotSpot ? P.ControlID : std::string();
  Out.XSize = Out.YSize = Out.HyperLinks = 0;
  Out.MouseLink = -1;

  format_ = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING;
  if (!P.WordWrap) format_ |= DT_END_ELLIPSIS;

  text_ = Text.find('&') != std::string_view::npos ? ResolveEntities(Text) : std::string(Text);
  if (text_.find("<#") != std::string::npos) text_ = DropHashTags(text_);
  if (text_.find_first_of("\r\n") != std::string::npos) text_ = LineEndsToBreaks(text_);

  TRect lineRect = R;
  lineRect.Left += 1;
  align_ = 0;
  indent_ = 0;
  TPassState start;
  start.Font = entryFont_;
  start.Brush = clNone;
  TPassState measured = start, drawn = start;
  int top = R.Top;
  std::size_t pos = 0;
  int lineIndex = 0;
  bool dropRest = false;
  while (pos < text_.size() && !dropRest) {
    TLine line;
    line.Start = pos;
    line.End = pos;
    line.Top = top;
    line.Index = lineIndex;
    Enter(measured);
    line.GH = Measures().GH;  // the height of "gh": the font's line height
    line.Height = line.GH;
    Pass(pkMeasure, line, TRect(lineRect.Left, top, lineRect.Right, top + line.Height), dropRest);
    measured = Leave();
    if (line.End == line.Start && !dropRest) {
      // Nothing fitted and nothing ended the line: skip one character, so
      // the layout always moves on.
      line.End = line.Start + 1;
    }
    const int height = line.Height + line.SubDescent + line.SupRise;
    if (!P.CheckHeight) {
      TRect dr(lineRect.Left, top, lineRect.Right, top + height);
      if (align_ == 1 && dr.Left < dr.Right - line.Width) dr.Left = dr.Right - line.Width;
      if (align_ == 2 && dr.Right - dr.Left - line.Width > 0)
        dr.Left += (dr.Right - dr.Left - line.Width) / 2;
      dr.Left += indent_;
      Enter(drawn);
      bool unused = false;
      Pass(P.CheckHotSpot ? pkHitTest : pkDraw, line, dr, unused);
      drawn = Leave();
    }
    top += height;
    Out.YSize += height;
    pos = line.End;
    ++lineIndex;
    if (!P.CheckHeight && R.Bottom < top + line.GH) break;
  }

  if (Out.YSize == 0) {
    ApplyFont(entryFont_);
    Out.YSize = C->TextHeight("gh");
  }
  C->Pen()->SetColor(penColor);
  C->Pen()->SetWidth(penWidth);
  C->Font()->Assign(&entry);
  C->Brush()->SetColor(brushColor);
  C->Brush()->SetStyle(brushStyle);
  C->SetBkMode(bkMode);
  return result_;
}

}  // namespace

TColor MarkupColorByName(std::string_view Name) {
  for (const TColorName& c : kColorNames)
    if (c.Name == Name) return c.Value;
  return clBlack;
}

void SetHighlightColors(TColor Background, TColor Text) {
  g_highlightBack = Background;
  g_highlightText = Text;
}

bool DrawMarkup(TCanvas* Canvas, std::string_view Text, const TRect& Rect, const TMarkupParams& Params,
                TMarkupResult& Result) {
  if (Canvas == nullptr) return false;
  TMarkupEngine engine(Canvas, Rect, Params, Result);
  return engine.Run(Text);
}
