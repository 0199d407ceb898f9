// The filter condition language of the row filter and the find function.
// Everything works on views of the condition and the cell text, so matching
// a condition against a column allocates nothing per cell.
#include <cstring>

#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Locale.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/VevUtil.h"
#include "grid/base/VevUtil_Chars.h"

namespace {

// Nesting deeper than this is read as a plain term: no stack runs out on a
// pasted condition full of parentheses.
constexpr int kMaxGroupDepth = 200;
// Texts are compared by at most this many characters.
constexpr int kMaxCompareChars = 255;

struct MatchContext {
  bool Fold = false;  // compare upper-cased (case-insensitive)
  char Thousand = ',';
  char Decimal = '.';
  char DateSep = '/';
  char TimeSep = ':';

  static MatchContext FromLocale(bool Fold) {
    const TFormatSettings& fs = FormatSettings();
    MatchContext c;
    c.Fold = Fold;
    c.Thousand = fs.ThousandSeparator;
    c.Decimal = fs.DecimalSeparator;
    c.DateSep = fs.DateSeparator;
    c.TimeSep = fs.TimeSeparator;
    return c;
  }
};

// Field order of short dates: the order in which D, M and Y first occur in
// the short date pattern.
void DateFieldRanks(int& DayRank, int& MonthRank, int& YearRank) {
  int d = 1000, m = 1001, y = 1002;
  const std::string& f = FormatSettings().ShortDateFormat;
  for (std::size_t i = 0; i < f.size(); ++i) {
    const char ch = static_cast<char>(f[i] & ~0x20);
    if (ch == 'D' && d >= 1000) d = static_cast<int>(i);
    if (ch == 'M' && m >= 1000) m = static_cast<int>(i);
    if (ch == 'Y' && y >= 1000) y = static_cast<int>(i);
  }
  DayRank = (d > m) + (d > y);
  MonthRank = (m > d) + (m > y);
  YearRank = (y > d) + (y > m);
}

std::string_view TrimView(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

bool ParseDateTime(std::string_view Text, const MatchContext& Ctx, TDateTime& Value) {
  std::string_view t = TrimView(Text);
  const std::size_t p1 = t.find(Ctx.DateSep);
  if (p1 == std::string_view::npos) return false;
  const std::string_view rest = t.substr(p1 + 1);
  const std::size_t p2 = rest.find(Ctx.DateSep);
  if (p2 == std::string_view::npos) return false;
  const std::string_view third = rest.substr(p2 + 1);
  const std::size_t space = third.find(' ');
  std::string_view fields[3] = {t.substr(0, p1), rest.substr(0, p2), third.substr(0, space)};
  int32_t v[3];
  for (int k = 0; k < 3; ++k) {
    if (!TryStrToInt(fields[k], v[k])) return false;
  }
  int dayRank = 0, monthRank = 0, yearRank = 0;
  DateFieldRanks(dayRank, monthRank, yearRank);
  const int day = v[dayRank], month = v[monthRank], year = v[yearRank];
  if (day >= 32 || month > 12) return false;

  TDateTime date = 0;
  if (!TryEncodeDate(year, month, day, date)) return false;
  if (space == std::string_view::npos) {
    Value = date;
    return true;
  }
  const std::string_view timeText = third.substr(space + 1);
  const std::size_t t1 = timeText.find(Ctx.TimeSep);
  if (t1 == std::string_view::npos) {
    Value = date;
    return false;
  }
  const std::string_view afterHour = timeText.substr(t1 + 1);
  const std::size_t t2 = afterHour.find(Ctx.TimeSep);
  int32_t hour = 0, minute = 0, second = 0;
  if (!TryStrToInt(timeText.substr(0, t1), hour) || !TryStrToInt(afterHour.substr(0, t2), minute))
    return false;
  if (t2 != std::string_view::npos && !TryStrToInt(afterHour.substr(t2 + 1), second)) return false;
  if (hour > 23 || minute > 59 || second > 60) return false;
  TDateTime time = 0;
  if (!TryEncodeTime(hour, minute, second, 0, time)) return false;
  Value = date + time;
  return true;
}

// The text as a number once thousand separators are gone and the decimal
// separator is ".".
bool NumberValue(std::string_view Text, const MatchContext& Ctx, double& Value) {
  char small[128];
  std::string large;
  char* out = small;
  if (Text.size() >= sizeof small) {
    large.resize(Text.size());
    out = large.data();
  }
  std::size_t k = 0;
  for (char c : Text) {
    if (c == Ctx.Thousand) continue;
    out[k++] = c == Ctx.Decimal ? '.' : c;
  }
  return TryStrToFloat(std::string_view(out, k), Value, '.');
}

int CompareText(std::string_view A, std::string_view B, bool Fold) {
  std::size_t i = 0, j = 0;
  for (int n = 0; n < kMaxCompareChars; ++n) {
    const bool endA = i >= A.size(), endB = j >= B.size();
    if (endA || endB) return endA == endB ? 0 : (endA ? -1 : 1);
    char32_t a = NextChar(A, i), b = NextChar(B, j);
    if (Fold) {
      a = UpperChar(a);
      b = UpperChar(b);
    }
    if (a != b) return a < b ? -1 : 1;
  }
  return 0;
}

// Value against Operand: as numbers, else as dates, else as texts.
int CompareOperand(std::string_view Value, std::string_view Operand, const MatchContext& Ctx) {
  double vn = 0, on = 0;
  TDateTime vd = 0, od = 0;
  const bool vNumber = NumberValue(Value, Ctx, vn);
  const bool oNumber = NumberValue(Operand, Ctx, on);
  // Only a text with two date separators can be a date.
  auto maybeDate = [&](std::string_view s) {
    const std::size_t p = s.find(Ctx.DateSep);
    return p != std::string_view::npos && s.find(Ctx.DateSep, p + 1) != std::string_view::npos;
  };
  const bool vDate = maybeDate(Value) && ParseDateTime(Value, Ctx, vd);
  const bool oDate = maybeDate(Operand) && ParseDateTime(Operand, Ctx, od);
  if (vNumber && oNumber && !vDate && !oDate) return vn < on ? -1 : (vn > on ? 1 : 0);
  if (vDate && oDate) return vd < od ? -1 : (vd > od ? 1 : 0);
  return CompareText(Value, Operand, Ctx.Fold);
}

// The operand after an operator: up to a blank, "&" or "|" outside quotes,
// without its surrounding quotes.
std::string_view ReadOperand(std::string_view Term, std::size_t Start) {
  std::size_t i = Start;
  bool inQuotes = false;
  while (i < Term.size()) {
    const char c = Term[i];
    if (c == '"')
      inQuotes = !inQuotes;
    else if (!inQuotes && (c == ' ' || c == '&' || c == '|'))
      break;
    ++i;
  }
  std::string_view op = Term.substr(Start, i - Start);
  if (!op.empty() && op.front() == '"') op.remove_prefix(1);
  if (!op.empty() && op.back() == '"') op.remove_suffix(1);
  return op;
}

bool WildcardMatch(std::string_view Pattern, std::string_view Value, bool Fold) {
  auto ignorable = [](char c) { return c == '!' || c == '"'; };
  std::size_t p = 0, v = 0;
  std::size_t starP = std::string_view::npos, starV = 0;
  for (;;) {
    while (p < Pattern.size() && ignorable(Pattern[p])) ++p;
    if (p < Pattern.size() && Pattern[p] == '*') {
      while (p < Pattern.size() && (Pattern[p] == '*' || ignorable(Pattern[p]))) ++p;
      if (p == Pattern.size()) return true;
      starP = p;
      starV = v;
      continue;
    }
    if (v == Value.size()) return p == Pattern.size();
    if (p < Pattern.size()) {
      std::size_t p2 = p, v2 = v;
      char32_t pc = NextChar(Pattern, p2);
      char32_t vc = NextChar(Value, v2);
      if (Fold) {
        pc = UpperChar(pc);
        vc = UpperChar(vc);
      }
      if (pc == '?' || pc == vc) {
        p = p2;
        v = v2;
        continue;
      }
    }
    if (starP == std::string_view::npos) return false;
    // Let the last "*" take one more character and try again.
    NextChar(Value, starV);
    p = starP;
    v = starV;
  }
}

bool EvalTerm(std::string_view Term, std::string_view Value, const MatchContext& Ctx) {
  // One pass for the operator characters the term holds.
  std::size_t gt = std::string_view::npos, lt = std::string_view::npos;
  bool negated = false, hasCaret = false, hasAmp = false;
  for (std::size_t i = 0; i < Term.size(); ++i) {
    switch (Term[i]) {
      case '>':
        if (gt == std::string_view::npos) gt = i;
        break;
      case '<':
        if (lt == std::string_view::npos) lt = i;
        break;
      case '!':
        negated = true;
        break;
      case '^':
        hasCaret = true;
        break;
      case '&':
        hasAmp = true;
        break;
      default:
        break;
    }
  }
  bool hasGreater = false, greater = false;
  bool hasLess = false, less = false;
  if (gt != std::string_view::npos) {
    const bool orEqual = gt + 1 < Term.size() && Term[gt + 1] == '=';
    const int cmp = CompareOperand(Value, ReadOperand(Term, gt + 1 + orEqual), Ctx);
    hasGreater = true;
    greater = orEqual ? cmp >= 0 : cmp > 0;
  }
  if (lt != std::string_view::npos) {
    const bool orEqual = lt + 1 < Term.size() && Term[lt + 1] == '=';
    const int cmp = CompareOperand(Value, ReadOperand(Term, lt + 1 + orEqual), Ctx);
    hasLess = true;
    less = orEqual ? cmp <= 0 : cmp < 0;
  }
  if (negated) {
    if (!hasGreater) hasGreater = greater = true;
    if (!hasLess) hasLess = less = true;
  }
  if (hasCaret && (hasGreater || hasLess)) return greater || less;
  if (hasAmp && hasGreater && hasLess) return greater && less;
  if (gt != std::string_view::npos && greater) return true;
  if (lt != std::string_view::npos && less) return true;
  return WildcardMatch(Term, Value, Ctx.Fold) != negated;
}

bool EvalCondition(std::string_view Cond, std::string_view Value, const MatchContext& Ctx, int Depth) {
  bool result = false;
  char op = 0;  // operator before the next result; 0 before the first
  auto combine = [&](bool r) {
    switch (op) {
      case 0:
        result = r;
        break;
      case '&':
        result = result && r;
        break;
      case ';':
      case '^':
      case '|':
        result = result || r;
        break;
      default:
        break;  // the empty term after a group
    }
  };
  for (;;) {
    int pos = -1;
    const char32_t found = FindCharOutsideQuotes("(;^&|", Cond, pos);
    if (!found) break;
    bool r;
    char next;
    if (Cond.front() == '(') {
      const int close = MatchingParenPos(Cond);
      std::string_view inner;
      if (close < 0) {
        // An unmatched "(" groups the rest of the condition.
        inner = Cond.substr(1);
        Cond = std::string_view();
      } else {
        inner = Cond.substr(1, static_cast<std::size_t>(close) - 1);
        Cond.remove_prefix(static_cast<std::size_t>(close) + 1);
      }
      r = Depth < kMaxGroupDepth ? EvalCondition(inner, Value, Ctx, Depth + 1) : EvalTerm(inner, Value, Ctx);
      next = '(';
    } else {
      r = EvalTerm(Cond.substr(0, static_cast<std::size_t>(pos)), Value, Ctx);
      Cond.remove_prefix(static_cast<std::size_t>(pos) + 1);
      next = static_cast<char>(found);
    }
    combine(r);
    op = next;
  }
  combine(EvalTerm(Cond, Value, Ctx));
  return result;
}

bool HasSpaceOutsideQuotes(std::string_view s) {
  bool inQuotes = false;
  for (char c : s) {
    if (c == '"')
      inQuotes = !inQuotes;
    else if (c == ' ' && !inQuotes)
      return true;
  }
  return false;
}

}  // namespace

bool MatchFilterCondition(std::string_view Condition, std::string_view Value, bool CaseSensitive) {
  const MatchContext ctx = MatchContext::FromLocale(!CaseSensitive);
  std::string_view cond = TrimView(Condition);
  // Blanks outside quotes go; short conditions are stripped on the stack.
  char small[256];
  std::string large;
  if (HasSpaceOutsideQuotes(cond)) {
    char* out = small;
    if (cond.size() > sizeof small) {
      large.resize(cond.size());
      out = large.data();
    }
    std::size_t k = 0;
    bool inQuotes = false;
    for (char c : cond) {
      if (c == '"') inQuotes = !inQuotes;
      if (c != ' ' || inQuotes) out[k++] = c;
    }
    cond = std::string_view(out, k);
  }
  if (!cond.empty() && cond.front() == '=') cond.remove_prefix(1);
  return EvalCondition(cond, Value, ctx, 0);
}

bool MatchFilterTermCase(std::string_view Term, std::string_view Value, bool CaseSensitive) {
  return EvalTerm(Term, Value, MatchContext::FromLocale(!CaseSensitive));
}

bool MatchFilterTerm(std::string_view Term, std::string_view Value) {
  return EvalTerm(Term, Value, MatchContext::FromLocale(false));
}

std::string StripSpacesOutsideQuotes(std::string_view Text) {
  std::string out;
  out.reserve(Text.size());
  bool inQuotes = false;
  for (char c : Text) {
    if (c == '"') inQuotes = !inQuotes;
    if (c == ' ' && !inQuotes) continue;
    out.push_back(c);
  }
  return out;
}

char32_t FindCharOutsideQuotes(std::string_view Chars, std::string_view Text, int& Pos) {
  // ASCII members as a bit set, so each character costs one test.
  uint64_t ascii[2] = {0, 0};
  bool wide = false;
  for (unsigned char b : Chars) {
    if (b < 0x80)
      ascii[b >> 6] |= uint64_t{1} << (b & 63);
    else
      wide = true;
  }
  bool inQuotes = false;
  std::size_t i = 0;
  while (i < Text.size()) {
    const std::size_t start = i;
    const char32_t c = NextChar(Text, i);
    if (c == '"') {
      inQuotes = !inQuotes;
      continue;
    }
    if (inQuotes) continue;
    bool member = false;
    if (c < 0x80) {
      member = (ascii[c >> 6] >> (c & 63)) & 1;
    } else if (wide) {
      for (std::size_t k = 0; k < Chars.size() && !member;) member = NextChar(Chars, k) == c;
    }
    if (member) {
      Pos = static_cast<int>(start);
      return c;
    }
  }
  Pos = -1;
  return 0;
}

int MatchingParenPos(std::string_view Text) {
  int open = 0, close = 0;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '(') {
      ++open;
    } else if (Text[i] == ')') {
      ++close;
      if (open == close) return static_cast<int>(i);
    }
  }
  return -1;
}

std::string NormalizeNumberText(std::string_view Text) {
  const char thou = LocaleThousandSeparator();
  const char dec = LocaleDecimalSeparator();
  std::string out;
  out.reserve(Text.size());
  for (char c : Text) {
    if (c == thou) continue;
    out.push_back(c == dec ? '.' : c);
  }
  return out;
}

bool ParseLocaleDateTime(std::string_view Text, TDateTime& Value) {
  return ParseDateTime(Text, MatchContext::FromLocale(false), Value);
}
