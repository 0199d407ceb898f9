// String routines of the markup unit: plain text, escaping, highlighting and
// inline-control tags.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/rtl/StrUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/DudHTMLE_Reader.h"
#include "grid/base/VevUtil_Chars.h"

namespace {

struct Entity {
  char32_t Letter;
  std::string_view Name;
};

// The accent entities in the order the markup unit has always used.
constexpr Entity kEntities[] = {
    {U'é', "&eacute;"}, {U'è', "&egrave;"}, {U'ë', "&euml;"},   {U'ê', "&ecirc;"},  {U'ó', "&oacute;"},
    {U'ò', "&ograve;"}, {U'ö', "&ouml;"},   {U'ô', "&ocirc;"},  {U'í', "&iacute;"}, {U'ì', "&igrave;"},
    {U'ï', "&iuml;"},   {U'î', "&icirc;"},  {U'ú', "&uacute;"}, {U'ù', "&ugrave;"}, {U'ü', "&uuml;"},
    {U'û', "&ucirc;"},  {U'á', "&aacute;"}, {U'à', "&agrave;"}, {U'ä', "&auml;"},   {U'â', "&acirc;"},
    {U'É', "&Eacute;"}, {U'È', "&Egrave;"}, {U'Ë', "&Euml;"},   {U'Ê', "&Ecirc;"},  {U'Ó', "&Oacute;"},
    {U'Ò', "&Ograve;"}, {U'Ö', "&Ouml;"},   {U'Ô', "&Ocirc;"},  {U'Í', "&Iacute;"}, {U'Ì', "&Igrave;"},
    {U'Ï', "&Iuml;"},   {U'Î', "&Icirc;"},  {U'Ú', "&Uacute;"}, {U'Ù', "&Ugrave;"}, {U'Ü', "&Uuml;"},
    {U'Û', "&Ucirc;"},  {U'Á', "&Aacute;"}, {U'À', "&Agrave;"}, {U'Ä', "&Auml;"},   {U'Â', "&Acirc;"},
    {U'ç', "&ccedil;"}, {U'Ç', "&Ccedil;"}, {U'ø', "&oslash;"}, {U'Ø', "&Oslash;"}, {U'å', "&aring;"},
    {U'Å', "&Aring;"},  {U'©', "&copy;"},   {U'®', "&reg;"},    {U'€', "&euro;"},   {U'«', "&laquo;"},
    {U'»', "&raquo;"},
};

bool IsAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 0x20) : c; }

// ---------------------------------------------------------------------------
// Inline-control tags

struct ControlTag {
  std::size_t Start = 0;  // the "<"
  std::size_t End = 0;    // one past the closing ">"
  std::string Type, ID, MaxLen, Prop, Height, Width, Value;
  bool HasHeight = false;
};

// The control attributes of a tag body; the first of a repeated name counts.
void ReadAttributes(std::string_view Body, ControlTag& Tag) {
  static constexpr std::string_view kNames[7] = {"TYPE", "ID", "MAXLEN", "PROP", "HEIGHT", "WIDTH", "VALUE"};
  std::string* const fields[7] = {&Tag.Type,   &Tag.ID,    &Tag.MaxLen, &Tag.Prop,
                                  &Tag.Height, &Tag.Width, &Tag.Value};
  const std::vector<TMarkupAttribute> attrs = ReadMarkupAttributes(Body);
  for (int k = 0; k < 7; ++k) {
    if (const TMarkupAttribute* a = FindMarkupAttribute(attrs, kNames[k])) {
      *fields[k] = a->Value;
      if (k == 4) Tag.HasHeight = true;
    }
  }
  Tag.Type = UpperCase(Tag.Type);
  Tag.Value = UnescapeHTML(Tag.Value, true);
  Tag.Prop = UnescapeHTML(Tag.Prop, true);
}

// The end of a tag starting at Start: one past the first ">" outside quotes.
std::size_t TagEnd(std::string_view Text, std::size_t Start) {
  bool inQuotes = false;
  for (std::size_t i = Start; i < Text.size(); ++i) {
    if (Text[i] == '"')
      inQuotes = !inQuotes;
    else if (Text[i] == '>' && !inQuotes)
      return i + 1;
  }
  return Text.size();
}

// The next control tag at or after From.
bool NextControl(std::string_view Text, std::size_t From, ControlTag& Tag) {
  const std::size_t start = FindNoCase(Text, "<CONTROL ", From);
  if (start == std::string_view::npos) return false;
  Tag = ControlTag();
  Tag.Start = start;
  Tag.End = TagEnd(Text, start);
  const std::size_t bodyStart = start + 9;
  const std::size_t bodyEnd = Tag.End > bodyStart && Text[Tag.End - 1] == '>' ? Tag.End - 1 : Tag.End;
  ReadAttributes(Text.substr(bodyStart, bodyEnd - bodyStart), Tag);
  return true;
}

std::string Quoted(std::string_view s) {
  std::string out = "\"";
  out.append(s);
  out.push_back('"');
  return out;
}

std::string RewriteTag(const ControlTag& Tag, std::string_view NewValue) {
  std::string out = "<CONTROL ID=" + Quoted(Tag.ID);
  out += " VALUE=" + Quoted(EscapeHTML(NewValue, true));
  out += " WIDTH=" + Quoted(Tag.Width);
  out += " TYPE=" + Quoted(Tag.Type);
  if (Tag.HasHeight) out += " HEIGHT=" + Quoted(Tag.Height);
  if (!Tag.Prop.empty()) out += " PROP=" + Quoted(EscapeHTML(Tag.Prop, true));
  if (!Tag.MaxLen.empty()) out += " MAXLEN=" + Quoted(Tag.MaxLen);
  out += ">";
  return out;
}

bool FindControlByID(std::string_view Text, std::string_view ControlID, ControlTag& Tag) {
  std::size_t from = 0;
  while (NextControl(Text, from, Tag)) {
    if (Tag.ID == ControlID) return true;
    from = Tag.End;
  }
  return false;
}

// Markup positions of visible characters; visible characters are those
// outside tags ("<" opens, the next ">" closes). Where visible character N
// (from 1) starts, or ends when After; the size of Markup when it has fewer.
std::size_t VisibleCharBound(std::string_view Markup, std::size_t N, bool After) {
  std::size_t visible = 0;
  bool inTag = false;
  for (std::size_t i = 0; i < Markup.size();) {
    const char c = Markup[i];
    if (inTag) {
      if (c == '>') inTag = false;
      ++i;
    } else if (c == '<') {
      inTag = true;
      ++i;
    } else {
      const std::size_t start = i;
      NextChar(Markup, i);
      if (++visible == N) return After ? i : start;
    }
  }
  return Markup.size();
}

// OpeningPoint is right before visible character N (after any tags in front
// of it), ClosingPoint right after visible character N - 1, so a mark never
// swallows a neighbour's tags.
std::size_t OpeningPoint(std::string_view Markup, std::size_t N) {
  return VisibleCharBound(Markup, N, false);
}

std::size_t ClosingPoint(std::string_view Markup, std::size_t N) {
  return N <= 1 ? 0 : VisibleCharBound(Markup, N - 1, true);
}

std::string EscapeAngles(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    if (c == '<')
      out.append("&lt;");
    else if (c == '>')
      out.append("&gt;");
    else
      out.push_back(c);
  }
  return out;
}

}  // namespace

std::vector<TMarkupAttribute> ReadMarkupAttributes(std::string_view Body) {
  std::vector<TMarkupAttribute> out;
  std::size_t i = 0;
  const std::size_t n = Body.size();
  while (i < n) {
    while (i < n && IsAsciiSpace(Body[i])) ++i;
    if (i >= n || Body[i] == '>') break;
    const std::size_t nameStart = i;
    while (i < n && Body[i] != '=' && Body[i] != '>' && !IsAsciiSpace(Body[i]) && Body[i] != '"') ++i;
    TMarkupAttribute a;
    a.Name = UpperCase(Body.substr(nameStart, i - nameStart));
    while (i < n && IsAsciiSpace(Body[i])) ++i;
    if (i < n && Body[i] == '=') {
      ++i;
      while (i < n && IsAsciiSpace(Body[i])) ++i;
      if (i < n && Body[i] == '"') {
        const std::size_t close = Body.find('"', i + 1);
        const std::size_t stop = close == std::string_view::npos ? n : close;
        a.Value.assign(Body.substr(i + 1, stop - i - 1));
        a.Quoted = true;
        i = close == std::string_view::npos ? n : close + 1;
      } else {
        const std::size_t vs = i;
        while (i < n && !IsAsciiSpace(Body[i]) && Body[i] != '>') ++i;
        a.Value.assign(Body.substr(vs, i - vs));
      }
      if (!a.Name.empty()) out.push_back(std::move(a));
    } else if (i < n && Body[i] == '"') {
      // A stray quote: skip the quoted run so its content is never read as names.
      const std::size_t close = Body.find('"', i + 1);
      i = close == std::string_view::npos ? n : close + 1;
    } else if (i == nameStart) {
      ++i;  // never stall on an unexpected character
    }
  }
  return out;
}

const TMarkupAttribute* FindMarkupAttribute(const std::vector<TMarkupAttribute>& Attributes,
                                            std::string_view Name) {
  for (const TMarkupAttribute& a : Attributes)
    if (a.Name == Name) return &a;
  return nullptr;
}

int LeadingInteger(std::string_view S) {
  std::size_t i = 0;
  while (i < S.size() && S[i] == ' ') ++i;
  bool negative = false;
  if (i < S.size() && (S[i] == '-' || S[i] == '+')) negative = S[i++] == '-';
  int base = 10;
  if (i < S.size() && S[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < S.size() && S[i] == '0' && (S[i + 1] == 'x' || S[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  int64_t v = 0;
  for (; i < S.size(); ++i) {
    const char c = S[i];
    int d;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    else
      break;
    if (v <= INT32_MAX) v = v * base + d;
  }
  if (v > INT32_MAX) v = INT32_MAX;
  return static_cast<int>(negative ? -v : v);
}

std::size_t FindNoCase(std::string_view Text, std::string_view Needle, std::size_t From) {
  if (Needle.empty() || Text.size() < Needle.size()) return std::string_view::npos;
  for (std::size_t i = From; i + Needle.size() <= Text.size(); ++i) {
    std::size_t k = 0;
    while (k < Needle.size() && AsciiUpper(Text[i + k]) == Needle[k]) ++k;
    if (k == Needle.size()) return i;
  }
  return std::string_view::npos;
}

std::string MarkupToPlainText(std::string_view Text) {
  std::string s(Text);
  for (std::string_view tag : {std::string_view("<BR>"), std::string_view("<HR>")}) {
    std::size_t p = FindNoCase(s, tag);
    while (p != std::string::npos) {
      s.replace(p, tag.size(), "\r\n");
      p = FindNoCase(s, tag, p + 2);
    }
  }
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    const std::size_t lt = s.find('<', i);
    if (lt == std::string::npos) {
      out.append(s, i, std::string::npos);
      break;
    }
    out.append(s, i, lt - i);
    const std::size_t gt = s.find('>', lt);
    if (gt == std::string::npos) {
      out.append(s, lt, std::string::npos);
      break;
    }
    i = gt + 1;
  }
  return out;
}

std::string EscapeHTML(std::string_view Text, bool Accents) {
  std::string out;
  out.reserve(Text.size() + 8);
  std::size_t i = 0;
  while (i < Text.size()) {
    const std::size_t start = i;
    const char32_t c = NextChar(Text, i);
    switch (c) {
      case '&':
        out.append("&amp;");
        continue;
      case '"':
        out.append("&quot;");
        continue;
      case '<':
        out.append("&lt;");
        continue;
      case '>':
        out.append("&gt;");
        continue;
      default:
        break;
    }
    if (Accents && c >= 0x80) {
      bool replaced = false;
      for (const Entity& e : kEntities) {
        if (e.Letter == c) {
          out.append(e.Name);
          replaced = true;
          break;
        }
      }
      if (replaced) continue;
    }
    out.append(Text.substr(start, i - start));
  }
  return out;
}

std::string UnescapeHTML(std::string_view Text, bool Accents) {
  static constexpr Entity kBasic[] = {{'<', "&lt;"}, {'>', "&gt;"}, {'&', "&amp;"}, {'"', "&quot;"}};
  std::string out;
  out.reserve(Text.size());
  std::size_t i = 0;
  while (i < Text.size()) {
    const std::size_t amp = Text.find('&', i);
    if (amp == std::string_view::npos) {
      out.append(Text.substr(i));
      break;
    }
    out.append(Text.substr(i, amp - i));
    const std::string_view rest = Text.substr(amp);
    const Entity* hit = nullptr;
    for (const Entity& e : kBasic) {
      if (rest.starts_with(e.Name)) hit = &e;
    }
    if (!hit && Accents) {
      for (const Entity& e : kEntities) {
        if (rest.starts_with(e.Name)) {
          hit = &e;
          break;
        }
      }
    }
    if (hit) {
      AppendUtf8(out, hit->Letter);
      i = amp + hit->Name.size();
    } else {
      out.push_back('&');
      i = amp + 1;
    }
  }
  return out;
}

std::string SpacesToNbsp(std::string_view Text) {
  return StringReplace(Text, " ", "&nbsp;", TReplaceFlags{rfReplaceAll});
}

std::string HilightInMarkup(std::string_view Text, std::string_view Search, std::string_view Tag,
                            bool CaseSensitive) {
  std::string markup(Text);
  if (Search.empty()) return markup;

  // The visible text: tags dropped while a "<" precedes the first ">".
  std::string visible;
  std::string_view rest = Text;
  for (;;) {
    const std::size_t lt = rest.find('<');
    const std::size_t gt = rest.find('>');
    if (lt == std::string_view::npos || gt == std::string_view::npos || gt < lt) {
      visible.append(rest);
      break;
    }
    visible.append(rest.substr(0, lt));
    rest.remove_prefix(gt + 1);
  }

  std::string search(Search);
  if (markup.find(search) != std::string::npos && visible.find_first_of("<>") != std::string::npos) {
    // A plain text with "<" or ">": escape them so the marks are the only tags.
    visible = EscapeAngles(visible);
    search = EscapeAngles(search);
    markup = visible;
  }

  std::u32string hay = Utf8ToUtf32(visible);
  std::u32string needle = Utf8ToUtf32(search);
  if (!CaseSensitive) {
    for (char32_t& c : hay) c = UpperChar(c);
    for (char32_t& c : needle) c = UpperChar(c);
  }
  const std::string open = "<" + std::string(Tag) + ">";
  const std::string close = "</" + std::string(Tag) + ">";
  std::size_t offset = 0;
  for (;;) {
    const std::size_t q = hay.find(needle, offset);
    if (q == std::u32string::npos) break;
    const std::size_t p = q + 1;  // 1-based visible position of the match
    // The engine keeps one saved colour for the highlight tag, so marks must
    // not nest: each opens right at its match and closes right after it.
    markup.insert(OpeningPoint(markup, p), open);
    markup.insert(ClosingPoint(markup, p + needle.size()), close);
    offset = q + needle.size();
  }
  return markup;
}

std::string UnHilightInMarkup(std::string_view Text, std::string_view Tag) {
  const TReplaceFlags all{rfReplaceAll, rfIgnoreCase};
  std::string s = StringReplace(Text, "<" + std::string(Tag) + ">", "", all);
  s = StringReplace(s, "</" + std::string(Tag) + ">", "", all);
  s = StringReplace(s, "&lt;", "<", TReplaceFlags{rfReplaceAll});
  return StringReplace(s, "&gt;", ">", TReplaceFlags{rfReplaceAll});
}

bool HasControlTag(std::string_view Text) { return FindNoCase(Text, "<CONTROL") != std::string_view::npos; }

void ParseControlTag(std::string_view Tag, std::string& AType, std::string& AID, std::string& AMaxLen,
                     std::string& AProp, std::string& AHeight, std::string& AWidth, std::string& AValue) {
  std::string_view body = Tag;
  while (!body.empty() && IsAsciiSpace(body.front())) body.remove_prefix(1);
  if (!body.empty() && body.front() == '<') {
    // Skip "<" and the element name.
    std::size_t i = 1;
    while (i < body.size() && !IsAsciiSpace(body[i]) && body[i] != '>') ++i;
    body.remove_prefix(i);
  }
  ControlTag t;
  ReadAttributes(body, t);
  AType = t.Type;
  AID = t.ID;
  AMaxLen = t.MaxLen;
  AProp = t.Prop;
  AHeight = t.Height;
  AWidth = t.Width;
  AValue = t.Value;
}

std::string NextEditControlID(std::string_view Text, std::string_view ControlID) {
  bool passed = ControlID.empty();
  ControlTag t;
  std::size_t from = 0;
  while (NextControl(Text, from, t)) {
    from = t.End;
    if (!passed) {
      passed = t.ID == ControlID;
      continue;
    }
    if (t.Type != "BUTTON" && t.Type != "CHECK" && t.Type != "RADIO") return t.ID;
  }
  return std::string();
}

std::string ClearRadioControls(std::string_view Text) {
  std::string s(Text);
  ControlTag t;
  std::size_t from = 0;
  while (NextControl(s, from, t)) {
    if (t.Type == "RADIO") {
      const std::string tag = RewriteTag(t, "FALSE");
      s.replace(t.Start, t.End - t.Start, tag);
      from = t.Start + tag.size();
    } else {
      from = t.End;
    }
  }
  return s;
}

bool GetControlValue(std::string_view Text, std::string_view ControlID, std::string& Value) {
  ControlTag t;
  if (!FindControlByID(Text, ControlID, t)) return false;
  Value = t.Value;
  return true;
}

std::string GetControlProp(std::string_view Text, std::string_view ControlID) {
  ControlTag t;
  return FindControlByID(Text, ControlID, t) ? t.Prop : std::string();
}

int GetControlMaxLen(std::string_view Text, std::string_view ControlID) {
  ControlTag t;
  if (!FindControlByID(Text, ControlID, t)) return 0;
  return LeadingInteger(t.MaxLen);
}

bool SetControlValue(std::string& Text, std::string_view ControlID, std::string_view NewValue) {
  ControlTag t;
  if (!FindControlByID(Text, ControlID, t)) return false;
  Text.replace(t.Start, t.End - t.Start, RewriteTag(t, NewValue));
  return true;
}
