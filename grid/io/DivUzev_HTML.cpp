// The grid as an HTML table: one CSS class per distinct look (colour, font,
// alignment), merged cells as column and row spans, links as anchors and
// cell pictures as JPEG files in an "images" folder beside the page.
//
// The markup is well-formed XML whether or not XHTML is asked for (XHTML
// takes lower-case names, the plain form the upper-case ones of old pages):
// every value is quoted, every element closed, and a plain cell text is
// escaped, so a cell can never break the page. The page is written in
// UTF-8 (Unicode) or in ASCII with every other character as a numeric
// reference; either way it is what the XML declaration says.
#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "framework/classes/Streams.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/ImgList.h"
#include "framework/graphics/Jpeg.h"
#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"
#include "framework/xml/XmlDom.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/VevUtil.h"
#include "grid/io/GridExchange.h"
#include "grid/model/DivUzev.h"

namespace {

// &, <, > and " as entities.
void AppendEscaped(std::string& Out, std::string_view T) {
  for (char c : T) {
    switch (c) {
      case '&':
        Out += "&amp;";
        break;
      case '<':
        Out += "&lt;";
        break;
      case '>':
        Out += "&gt;";
        break;
      case '"':
        Out += "&quot;";
        break;
      default:
        Out += c;
    }
  }
}

std::string Escaped(std::string_view T) {
  std::string out;
  AppendEscaped(out, T);
  return out;
}

// Every character above ASCII as a numeric reference.
std::string NonAsciiToRefs(std::string_view T) {
  std::string out;
  out.reserve(T.size());
  size_t i = 0;
  while (i < T.size()) {
    if (static_cast<unsigned char>(T[i]) < 0x80) {
      out += T[i++];
      continue;
    }
    size_t e = i + 1;
    while (e < T.size() && (static_cast<unsigned char>(T[e]) & 0xC0) == 0x80) ++e;
    for (char32_t ch : Utf8ToUtf32(T.substr(i, e - i)))
      out += "&#" + std::to_string(static_cast<uint32_t>(ch)) + ";";
    i = e;
  }
  return out;
}

// An escaped plain text with its line breaks as <br />, blanks as
// non-breaking ones when asked.
std::string PlainToHTML(std::string_view T, bool Special, bool NonBreaking) {
  std::string out;
  for (size_t i = 0; i < T.size(); ++i) {
    const char c = T[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < T.size() && T[i + 1] == '\n') ++i;
      out += "<br />";
    } else if (c == ' ' && NonBreaking) {
      out += "&#160;";
    } else if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
      // A control character has no place in a page.
    } else {
      AppendEscaped(out, std::string_view(&c, 1));
    }
  }
  return Special ? NonAsciiToRefs(out) : out;
}

// A markup cell goes into the page as markup only when it is well-formed;
// otherwise its plain text does.
bool WellFormed(const std::string& Markup) {
  try {
    TXMLDocument doc;
    doc.LoadFromXML("<x>" + Markup + "</x>");
    return true;
  } catch (const Exception&) {
    return false;
  }
}

// A picture as JPEG bytes: a JPEG as it is, anything else drawn and encoded.
bool JpegBytes(TGraphic* G, std::vector<uint8_t>& Out) {
  if (G == nullptr || G->Empty()) return false;
  if (auto* j = dynamic_cast<TJPEGImage*>(G)) {
    Out = j->SaveToBytes();
    return !Out.empty();
  }
  const TBitmap* src = dynamic_cast<TBitmap*>(G);
  TBitmap drawn;
  if (src == nullptr) {
    drawn.SetSize(G->Width(), G->Height());
    drawn.Canvas()->Draw(0, 0, G);
    src = &drawn;
  }
  std::string error;
  return JpegEncode(src->PixelData(), 90, false, false, Out, &error);
}

std::string TextOfFile(const std::string& FileName) {
  TMemoryStream ms;
  ms.LoadFromFile(FileName);
  std::string buffer;
  return std::string(gridio::AsUtf8(ms.Bytes(), buffer));
}

}  // namespace

std::string TDedAdararAdoz::HTMLCellStyle(const TFont* AFont, TColor AColor, TAlignment HA, TVAlignment VA) {
  const bool saveColor = FHTMLSettings->SaveColor();
  std::vector<std::string> d;
  if (saveColor && AColor != clNone) d.push_back("background-color: #" + ColorToHTMLHex(ColorToRGB(AColor)));
  if (saveColor && AFont->Color() != clNone)
    d.push_back("color: #" + ColorToHTMLHex(ColorToRGB(AFont->Color())));
  d.push_back("font-size:" + std::to_string(AFont->Size()) + "pt");
  if (AFont->Style().Contains(fsItalic)) d.push_back("font-style: italic");
  if (AFont->Style().Contains(fsBold)) d.push_back("font-weight: bold");
  d.push_back("font-family: " + AFont->Name());
  if (HA == taRightJustify) d.push_back("text-align: right");
  if (HA == taCenter) d.push_back("text-align: center");
  if (VA == vtaTop) d.push_back("vertical-align: top");
  if (VA == vtaCenter) d.push_back("vertical-align: middle");
  if (VA == vtaBottom) d.push_back("vertical-align: bottom");
  std::string out;
  for (size_t i = 0; i < d.size(); ++i) {
    if (i > 0) out += ";";
    out += d[i];
  }
  return out;
}

std::string TDedAdararAdoz::ExportHTMLImage(TGraphic* AGraphic, int N, const std::string& Dir) {
  std::vector<uint8_t> jpeg;
  if (!JpegBytes(AGraphic, jpeg)) return std::string();
  const std::string folder = Dir + "images";
  if (!DirectoryExists(folder) && !ForceDirectories(folder)) throw Exception("Cannot create " + folder);
  const std::string path = folder + "/img" + std::to_string(N) + ".jpg";
  SafeWriteFile(path, std::string_view(reinterpret_cast<const char*>(jpeg.data()), jpeg.size()));
  return path;
}

std::string TDedAdararAdoz::WriteHTMLCell(int ACol, int ARow, const std::string& Text,
                                          const std::string& Content, const std::string& Dir, int& N) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (Dir.empty() || !FHTMLSettings->ExportImages() || g == nullptr) return Content;
  const bool x = FHTMLSettings->XHTML();
  // The <img> element of a picture, or nothing when it has nothing to write.
  auto image = [&](TGraphic* G) {
    const std::string path = ExportHTMLImage(G, N + 1, Dir);
    if (path.empty()) return std::string();
    ++N;
    return std::string(x ? "<img" : "<IMG") + " src=\"file://" + Escaped(PercentEncode(path, "-._~/:")) +
           "\" alt=\"\" />";
  };
  auto listed = [&](int Index) {
    TImageList* list = GetGraphicImages();
    if (list == nullptr || Index < 0 || Index >= list->Count()) return std::string();
    TBitmap bmp;
    if (!list->GetBitmap(Index, &bmp)) return std::string();
    return image(&bmp);
  };
  switch (g->CellType) {
    case ctBitmap:
      if (auto* b = dynamic_cast<TBitmap*>(g->CellBitmap)) return Content + image(b);
      return Content;
    case ctImageList:
      return listed(g->CellIndex) + Content;
    case ctDataImage: {
      const std::string pic = listed(StrToIntDef(Text, -1));
      return pic.empty() ? std::string("&#160;") : pic;
    }
    case ctNode:
      return "+" + Content;
    case ctImages:
      if (auto* l = dynamic_cast<TIntList*>(g->CellBitmap)) {
        std::string pics;
        for (int i = 0; i < l->Count(); ++i) pics += listed(l->Items(i));
        return pics + Content;
      }
      return Content;
    case ctPicture:
    case ctInterface:
      if (auto* p = dynamic_cast<TPicture*>(g->CellBitmap)) return Content + image(p->Graphic());
      return Content;
    default:
      return Content;
  }
}

std::string TDedAdararAdoz::HTMLLinkText(const std::string& Text) {
  THTMLSettings* hs = FHTMLSettings.get();
  const bool special = hs->ConvertSpecialChars();
  const bool nb = hs->NonBreakingText();
  if (!URLShow() || Text.find("</") != std::string::npos) return PlainToHTML(Text, special, nb);
  // The address: from its scheme (or "mailto:") to the next blank.
  size_t start = std::string::npos, shown = 0;
  if (size_t m = Text.find("mailto:"); m != std::string::npos) {
    start = m;
    shown = m + 7;
  } else if (size_t p = Text.find("://"); p != std::string::npos) {
    start = p;
    while (start > 0 && (std::isalnum(static_cast<unsigned char>(Text[start - 1])) ||
                         Text[start - 1] == '+' || Text[start - 1] == '-' || Text[start - 1] == '.'))
      --start;
    shown = p + 3;
  }
  if (start == std::string::npos) return PlainToHTML(Text, special, nb);
  size_t end = shown;
  while (end < Text.size() && !std::isspace(static_cast<unsigned char>(Text[end]))) ++end;
  const std::string url = Text.substr(start, end - start);
  const std::string visible = URLFull() ? url : Text.substr(shown, end - shown);
  const char* a = hs->XHTML() ? "a" : "A";
  return PlainToHTML(Text.substr(0, start), special, nb) + "<" + a + " href=\"" + Escaped(url) + "\">" +
         PlainToHTML(visible, special, nb) + "</" + a + ">" + PlainToHTML(Text.substr(end), special, nb);
}

std::string TDedAdararAdoz::SaveToHTMLString(const std::string& Dir) {
  THTMLSettings* hs = FHTMLSettings.get();
  const bool x = hs->XHTML();
  auto tag = [x](const char* Upper) {
    std::string s(Upper);
    if (x) std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
  };
  const std::string TD = tag("TD"), TR = tag("TR");
  const int c0 = SaveFixedCells() || SaveFixedCols() ? 0 : FixedCols();
  int r0 = SaveFixedCells() || SaveFixedRows() ? 0 : FixedRows();
  const bool headerRow = FixedRows() > 0 && (SaveFixedCells() || SaveFixedRows());
  const TIntList* widths = hs->ColWidths();
  std::map<std::string, int> classes;
  std::vector<const std::string*> classOrder;
  int pictures = 0;

  auto classOf = [&](const std::string& Decl) {
    auto it = classes.find(Decl);
    if (it == classes.end()) {
      it = classes.emplace(Decl, static_cast<int>(classes.size())).first;
      classOrder.push_back(&it->first);
    }
    return it->second;
  };

  std::string rows;
  TBrush brush;
  TFont font;
  auto writeRow = [&](int r, bool header) {
    rows += "<" + TR + ">\r\n";
    for (int d = c0; d < ColCount(); ++d) {
      const int rc = RealColIndex(d);
      if (!IsBaseCell(rc, r)) continue;
      brush.SetColor(clNone);
      font.Assign(Font());
      TGridDrawState state;
      TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
      TAlignment ha = taLeftJustify;
      TVAlignment va = vtaTop;
      bool ww = false;
      TCellGradientDirection gd = GradientVertical;
      GetVisualProperties(d, r, state, false, false, true, &brush, colorTo, mirror, mirrorTo, &font, ha, va,
                          ww, gd);
      TColor color = brush.Color();
      if (d < FixedCols() || r < FixedRows()) color = FixedColor();
      const int cls = classOf(HTMLCellStyle(&font, color, ha, va));

      std::string t;
      SaveCell(rc, r, t);
      std::string content;
      if (!header && ClassifyCellText(t, EnableHTML()) == tkMarkup && t.find("</") != std::string::npos) {
        std::string m = LineBreaksToBR(t);
        size_t p;
        while ((p = m.find("<br>")) != std::string::npos) m.replace(p, 4, "<br />");
        m.erase(std::remove(m.begin(), m.end(), '\n'), m.end());
        content = WellFormed(m) ? m : PlainToHTML(MarkupToPlainText(t), hs->ConvertSpecialChars(), false);
      } else {
        content = HTMLLinkText(t);
      }
      if (Trim(t).empty()) content = "&#160;";
      if (!header) content = WriteHTMLCell(rc, r, t, content, Dir, pictures);
      rows += "<" + TD + " class=\"c" + std::to_string(cls) + "\"";
      const TGridCoord span = CellSpan(rc, r);
      if (span.X > 0) rows += " " + tag("COLSPAN") + "=\"" + std::to_string(span.X + 1) + "\"";
      if (span.Y > 0) rows += " " + tag("ROWSPAN") + "=\"" + std::to_string(span.Y + 1) + "\"";
      if (!ww) rows += " nowrap=\"nowrap\"";
      if (header && d < widths->Count())
        rows += " " + tag("WIDTH") + "=\"" + std::to_string(widths->Items(d)) + "\"";
      else if (!header && !headerRow && d - c0 < widths->Count())
        rows += " width=\"" + std::to_string(widths->Items(d - c0)) + "\"";
      rows += ">" + content + "</" + TD + ">\r\n";
    }
    rows += "</" + TR + ">\r\n";
  };

  if (headerRow) {
    writeRow(0, true);
    r0 = std::max(r0, 1);
  }
  ExportNotification(esExportStart, r0);
  for (int r = r0; r < RowCount(); ++r) {
    ExportNotification(esExportNextRow, r);
    writeRow(r, false);
  }
  ExportNotification(esExportDone, -1);

  std::string out;
  if (x) {
    out +=
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"\r\n"
        "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n"
        "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">\r\n"
        "<head>\r\n<title></title>\r\n";
  }
  std::string style = "<style type=\"text/css\">\r\n";
  for (size_t i = 0; i < classOrder.size(); ++i)
    style += ".c" + std::to_string(i) + " {" + *classOrder[i] + "}\r\n";
  style += "</style>\r\n";
  if (x) {
    out += style + "</head>\r\n<body>\r\n";
    out += hs->PrefixTag();
  } else {
    out += hs->PrefixTag();
    out += style;
  }
  const std::string table = tag("TABLE");
  out += "<" + table + " " + tag("BORDER") + "=\"" + std::to_string(hs->BorderSize()) + "\" " +
         tag("CELLSPACING") + "=\"" + std::to_string(hs->CellSpacing()) + "\" " + tag("CELLPADDING") + "=\"" +
         std::to_string(hs->CellPadding()) + "\" ";
  if (!hs->Summary().empty()) out += tag("SUMMARY") + "=\"" + Escaped(hs->Summary()) + "\" ";
  if (!hs->TableStyle().empty()) out += " " + hs->TableStyle() + " ";
  out += " " + tag("WIDTH") + "=\"" + std::to_string(hs->Width()) + "%\">\r\n";
  out += rows;
  out += "</" + table + ">\r\n";
  out += hs->SuffixTag();
  if (x) out += "</body>\r\n</html>\r\n";
  return out;
}

namespace {

void WriteHTML(TDedAdararAdoz* G, const std::string& FileName, bool Append, bool Unicode) {
  THTMLSettings* hs = G->HTMLSettings();
  std::string text;
  if (Append && FileExists(FileName)) {
    try {
      text = TextOfFile(FileName);
      if (!text.empty() && text.back() != '\n') text += "\r\n";
    } catch (const Exception&) {
      text.clear();
    }
  }
  auto addFile = [&](const std::string& Name) {
    if (Name.empty()) return;
    std::string t = TextOfFile(Name);
    if (!t.empty() && t.back() != '\n') t += "\r\n";
    text += t;
  };
  addFile(hs->HeaderFile());
  std::string dir = ExtractFilePath(FileName);
  std::replace(dir.begin(), dir.end(), '\\', '/');
  if (dir.empty()) dir = "./";
  if (dir.back() != '/') dir += '/';
  text += G->SaveToHTMLString(dir);
  addFile(hs->FooterFile());
  if (Unicode)
    SafeWriteFile(FileName, "\xEF\xBB\xBF" + text);
  else
    SafeWriteFile(FileName, NonAsciiToRefs(text));
}

}  // namespace

// The page is not opened in a browser: the desktop opens only web links
// from here, never a local file.
void TDedAdararAdoz::SaveToHTML(const std::string& FileName, bool, bool Unicode) {
  WriteHTML(this, FileName, false, Unicode);
}

void TDedAdararAdoz::AppendToHTML(const std::string& FileName, bool, bool Unicode) {
  WriteHTML(this, FileName, true, Unicode);
}
