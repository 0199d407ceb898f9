// Text layout in a rectangle, the way the platform's DrawText lays it out:
// prefix characters, line breaks, word breaking, tabs, ellipses, alignment
// and the calculate-rectangle pass. Widths come from the canvas, so the
// layout follows whatever measures the canvas has (backend or fixed).
#include <algorithm>
#include <string>
#include <vector>

#include "framework/graphics/CanvasCall.h"
#include "framework/graphics/Gdi.h"

namespace {
bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offsets of each character start, plus the end.
std::vector<size_t> CharStarts(const std::string& s) {
  std::vector<size_t> v;
  for (size_t i = 0; i < s.size(); ++i)
    if (!IsContinuation(static_cast<unsigned char>(s[i]))) v.push_back(i);
  v.push_back(s.size());
  return v;
}

struct Line {
  std::string text;
  int prefix = -1;  // byte offset of the underlined character
};

class Layout {
 public:
  Layout(TCanvas* dc, unsigned flags, int tabWidth) : dc_(dc), flags_(flags), tabWidth_(tabWidth) {}

  int Width(const std::string& s) const {
    if (s.empty()) return 0;
    if (!(flags_ & DT_EXPANDTABS) || tabWidth_ <= 0 || s.find('\t') == std::string::npos)
      return dc_->TextWidth(s);
    int x = 0;
    size_t start = 0;
    while (true) {
      size_t tab = s.find('\t', start);
      x += dc_->TextWidth(s.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
      if (tab == std::string::npos) break;
      x = (x / tabWidth_ + 1) * tabWidth_;
      start = tab + 1;
    }
    return x;
  }

  // Draws s at (x, y) handling tab stops.
  void Draw(int x, int y, const std::string& s, const TRect* clip) const {
    if (!(flags_ & DT_EXPANDTABS) || tabWidth_ <= 0 || s.find('\t') == std::string::npos) {
      if (!s.empty()) dc_->TextOutClipped(x, y, s, clip);
      return;
    }
    int cx = 0;
    size_t start = 0;
    while (true) {
      size_t tab = s.find('\t', start);
      std::string seg = s.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
      if (!seg.empty()) dc_->TextOutClipped(x + cx, y, seg, clip);
      cx += dc_->TextWidth(seg);
      if (tab == std::string::npos) break;
      cx = (cx / tabWidth_ + 1) * tabWidth_;
      start = tab + 1;
    }
  }

  // The longest start of s (in characters) for which Fits answers true.
  template <typename Fits>
  size_t LongestFit(const std::vector<size_t>& starts, Fits fits) const {
    size_t lo = 0, hi = starts.size() - 1;  // character counts
    while (lo < hi) {
      size_t mid = (lo + hi + 1) / 2;
      if (fits(mid))
        lo = mid;
      else
        hi = mid - 1;
    }
    return lo;
  }

  std::vector<Line> Wrap(const std::string& para, int prefix, int avail) const {
    std::vector<Line> out;
    size_t n = para.size(), start = 0;
    auto trimRight = [&](size_t a, size_t b) {
      while (b > a && para[b - 1] == ' ') --b;
      return b;
    };
    auto push = [&](size_t a, size_t b) {
      Line l;
      l.text = para.substr(a, b - a);
      if (prefix >= 0 && static_cast<size_t>(prefix) >= a && static_cast<size_t>(prefix) < b)
        l.prefix = prefix - static_cast<int>(a);
      out.push_back(std::move(l));
    };
    if (n == 0) {
      out.push_back(Line());
      return out;
    }
    while (start < n) {
      // What is left fits on one line: one measure instead of one per word.
      if (Width(para.substr(start, trimRight(start, n) - start)) <= avail) {
        push(start, trimRight(start, n));
        break;
      }
      size_t cur = start, lastFit = std::string::npos, firstWordEnd = std::string::npos;
      while (cur < n) {
        size_t sp = para.find(' ', cur);
        size_t wordEnd = sp == std::string::npos ? n : sp;
        if (firstWordEnd == std::string::npos) firstWordEnd = wordEnd;
        if (Width(para.substr(start, trimRight(start, wordEnd) - start)) > avail) break;
        lastFit = wordEnd;
        cur = wordEnd;
        while (cur < n && para[cur] == ' ') ++cur;
      }
      if (lastFit == std::string::npos) {
        if (flags_ & DT_EDITCONTROL) {
          // An edit control breaks a word that alone is too wide.
          std::string word = para.substr(start, firstWordEnd - start);
          std::vector<size_t> cs = CharStarts(word);
          size_t k = LongestFit(cs, [&](size_t c) { return Width(word.substr(0, cs[c])) <= avail; });
          if (k == 0) k = 1;
          lastFit = start + cs[std::min(k, cs.size() - 1)];
        } else {
          lastFit = firstWordEnd;
        }
      }
      push(start, trimRight(start, lastFit));
      start = lastFit;
      while (start < n && para[start] == ' ') ++start;
    }
    return out;
  }

  // Shortens l to avail with "..." at the end or in the path's middle.
  // Force: the line goes on beyond what is shown, so it ends in "..." even
  // when it fits.
  bool Ellipsis(Line& l, int avail, bool force = false) const {
    if (!force && Width(l.text) <= avail) return false;
    const std::string dots = "...";
    std::string s = l.text;
    size_t cut = std::string::npos;
    if (flags_ & DT_PATH_ELLIPSIS) {
      size_t sep = s.find_last_of("\\/");
      if (sep != std::string::npos && sep > 0) {
        std::string head = s.substr(0, sep), tail = s.substr(sep);
        std::vector<size_t> cs = CharStarts(head);
        size_t k =
            LongestFit(cs, [&](size_t c) { return Width(head.substr(0, cs[c]) + dots + tail) <= avail; });
        if (k > 0 || Width(dots + tail) <= avail) {
          l.text = head.substr(0, cs[k]) + dots + tail;
          if (l.prefix >= static_cast<int>(cs[k])) l.prefix = -1;
          return true;
        }
      }
    }
    std::vector<size_t> cs = CharStarts(s);
    size_t k = LongestFit(cs, [&](size_t c) { return Width(s.substr(0, cs[c]) + dots) <= avail; });
    cut = cs[k];
    l.text = s.substr(0, cut) + dots;
    if (l.prefix >= static_cast<int>(cut)) l.prefix = -1;
    return true;
  }

 private:
  TCanvas* dc_;
  unsigned flags_;
  int tabWidth_;
};

// Removes prefix marks: "&&" becomes "&", "&x" marks x. Answers the byte
// offset of the marked character in the result (the last mark wins).
std::string StripPrefix(const std::string& s, int& prefix) {
  std::string out;
  prefix = -1;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '&') {
      if (i + 1 < s.size() && s[i + 1] == '&') {
        out += '&';
        ++i;
        continue;
      }
      if (i + 1 < s.size()) prefix = static_cast<int>(out.size());
      continue;
    }
    out += s[i];
  }
  return out;
}

int DoDrawText(TCanvas* dc, std::string& text, TRect& R, unsigned flags, TDrawTextParams* params) {
  TCanvasCallScope scope(dc, "DrawText", [&](TCanvasCall& c) {
    c.Rect = R;
    c.Text = text;
    c.Flags = flags;
  });
  int tabChars = 8;
  if (flags & DT_TABSTOP) {
    tabChars = (flags >> 8) & 0xFF;
    flags &= ~0xFF00u;
  }
  int leftM = 0, rightM = 0;
  if (params) {
    if (params->iTabLength > 0) tabChars = params->iTabLength;
    leftM = params->iLeftMargin;
    rightM = params->iRightMargin;
  }
  TTextMetric tm = dc->TextMetrics();
  int lineH = tm.tmHeight + ((flags & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
  Layout layout(dc, flags, tabChars * std::max(1, tm.tmAveCharWidth));
  int avail = R.Width() - leftM - rightM;

  if (text.empty()) {
    // Empty text has no line, unless the layout is a single line.
    int h = (flags & DT_SINGLELINE) ? lineH : 0;
    if (flags & DT_CALCRECT) {
      R.Right = R.Left;
      R.Bottom = R.Top + h;
    }
    return h;
  }

  int prefix = -1;
  std::string t = (flags & DT_NOPREFIX) ? text : StripPrefix(text, prefix);

  // Paragraphs, then lines.
  std::vector<Line> lines;
  bool single = flags & DT_SINGLELINE;
  if (single) {
    Line l;
    for (size_t i = 0; i < t.size(); ++i) {
      if (t[i] == '\r' || t[i] == '\n') continue;
      if (static_cast<int>(i) == prefix) l.prefix = static_cast<int>(l.text.size());
      l.text += t[i];
    }
    lines.push_back(std::move(l));
  } else {
    size_t start = 0;
    while (true) {
      size_t br = t.find_first_of("\r\n", start);
      size_t end = br == std::string::npos ? t.size() : br;
      std::string para = t.substr(start, end - start);
      int pp = (prefix >= static_cast<int>(start) && prefix < static_cast<int>(end))
                   ? prefix - static_cast<int>(start)
                   : -1;
      if (flags & DT_WORDBREAK) {
        for (Line& l : layout.Wrap(para, pp, avail)) lines.push_back(std::move(l));
      } else {
        lines.push_back({para, pp});
      }
      if (br == std::string::npos) break;
      start = br + 1;
      if (t[br] == '\r' && start < t.size() && t[start] == '\n') ++start;
    }
  }

  bool shortened = false;
  if (flags & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS)) {
    if (!single && (flags & DT_WORDBREAK)) {
      // Word-broken text: the last line shown ends in "..." when more text
      // follows below the rectangle; words cut inside the text get none.
      if (!(flags & (DT_CALCRECT | DT_NOCLIP)) && lineH > 0) {
        int shown = (flags & DT_EDITCONTROL) ? R.Height() / lineH : (R.Height() + lineH - 1) / lineH;
        shown = std::max(1, shown);
        if (static_cast<size_t>(shown) < lines.size()) {
          lines.resize(shown);
          shortened = layout.Ellipsis(lines.back(), std::max(0, avail), true);
        }
      }
      shortened |= layout.Ellipsis(lines.back(), std::max(0, avail));
    } else {
      for (Line& l : lines) shortened |= layout.Ellipsis(l, std::max(0, avail));
    }
  }
  if ((flags & DT_MODIFYSTRING) && shortened && lines.size() == 1) text = lines[0].text;

  int total = lineH * static_cast<int>(lines.size());
  if (flags & DT_CALCRECT) {
    int maxW = 0;
    for (const Line& l : lines) maxW = std::max(maxW, layout.Width(l.text));
    R.Right = R.Left + maxW + leftM + rightM;
    R.Bottom = R.Top + total;
    return total;
  }

  int y0 = R.Top;
  if (single) {
    if (flags & DT_VCENTER)
      y0 = R.Top + (R.Height() - lineH) / 2;
    else if (flags & DT_BOTTOM)
      y0 = R.Bottom - lineH;
  }
  const TRect* clip = (flags & DT_NOCLIP) ? nullptr : &R;
  bool hideUnderline = flags & DT_HIDEPREFIX;
  int drawn = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    int y = y0 + static_cast<int>(i) * lineH;
    if ((flags & DT_EDITCONTROL) && !single && clip && i > 0 && y + lineH > R.Bottom) break;
    if (clip && y >= R.Bottom && !(flags & DT_CALCRECT)) break;
    const Line& l = lines[i];
    int lw = layout.Width(l.text);
    int x = R.Left + leftM;
    if (flags & DT_CENTER)
      x += (avail - lw) / 2;
    else if (flags & DT_RIGHT)
      x = R.Right - rightM - lw;
    if (!(flags & DT_PREFIXONLY)) layout.Draw(x, y, l.text, clip);
    if (l.prefix >= 0 && !hideUnderline) {
      std::vector<size_t> cs = CharStarts(l.text.substr(l.prefix));
      std::string ch = l.text.substr(l.prefix, cs.size() > 1 ? cs[1] : 0);
      int ux = x + layout.Width(l.text.substr(0, l.prefix));
      int uy = y + tm.tmAscent + 1;
      TRect u{ux, uy, ux + dc->TextWidth(ch), uy + 1};
      if (clip) IntersectRect(u, u, *clip);
      dc->FillSolidRect(u, dc->TextColor());
    }
    ++drawn;
  }
  if (params) params->uiLengthDrawn = static_cast<unsigned>(text.size());
  if (single && (flags & (DT_VCENTER | DT_BOTTOM))) return y0 - R.Top + lineH;
  return total;
}
}  // namespace

int DrawText(HDC DC, const std::string& Text, TRect& R, unsigned Flags) {
  if (!DC) return 0;
  std::string t = Text;
  return DoDrawText(DC, t, R, Flags & ~DT_MODIFYSTRING, nullptr);
}

int DrawTextEx(HDC DC, std::string& Text, TRect& R, unsigned Flags, TDrawTextParams* Params) {
  if (!DC) return 0;
  return DoDrawText(DC, Text, R, Flags, Params);
}

void TCanvas::TextRect(TRect& R, std::string& Text, const TTextFormat& TextFormat) {
  DrawTextEx(this, Text, R, TextFormatToFlags(TextFormat), nullptr);
}
