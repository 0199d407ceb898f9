#pragma once
// Free routines through which the grid reads and converts cell texts: text
// kinds, the byte-pair wide form, line-break and quote conversions of the
// grid's file, clipboard and delimited-text formats, small string helpers,
// URL and colour helpers, number and date text, and the filter condition
// language of the row filter and the find function.
//
// Texts are UTF-8. Positions are 0-based byte offsets into the text given,
// and -1 means "not found". Characters passed as char32_t are code points;
// the routines count and replace whole characters, never bytes of one.
// None of these routines raises on malformed input.
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/graphics/Graphics.h"
#include "framework/rtl/DateUtils.h"

class TStrings;

// ---------------------------------------------------------------------------
// Text kinds and the wide form

// How a cell text is drawn, measured, edited and exported. Recomputed on
// every use, never stored. The value 4 is never produced.
enum TCellTextKind : int {
  tkPlain = 0,
  tkMarkup = 1,
  tkRichText = 2,
  tkFormula = 3,
  tkWideText = 5,
};

// The kind of a cell text; markup is only recognised when MarkupEnabled (the
// grid's EnableHTML). Allocation-free.
int ClassifyCellText(std::string_view Text, bool MarkupEnabled);

// The byte-pair wide form: "|\" then, for each UTF-16 unit of the text, one
// character holding its high byte and one holding its low byte (each such
// character is a code point 0..255, written as UTF-8 like any other).
std::string DecodeWideCellText(std::string_view Text);
std::string EncodeWideCellText(std::string_view Text);
int WidePos(std::string_view SubStr, std::string_view Text);

// The letters of a rich-text (RTF) cell: groups of fonts, colours, styles
// and destinations ("{\*...") are left out, \par and \line end lines
// (CR LF), \tab is a TAB, \'hh a Windows-1252 byte and \uN a character;
// the last paragraph mark ends no line.
std::string RichTextToPlain(std::string_view Rtf);

// ---------------------------------------------------------------------------
// Line breaks and quotes

// Encoding of multi-line cells in the grid's own file and stream format, so
// that a cell never spans lines. A text holding a CR has CR turned into TAB,
// LF into BS and U+0000 into U+0001, and is read back only when it holds a
// BS; any other text is stored as it is. Texts that this would not give back
// unchanged or that would split the line (a lone CR or LF, a line break
// beside a TAB, BS or U+0001 of the text, a BS without a CR) are stored
// instead behind the marker BS U+0001 with CR, LF, TAB, BS, U+0001 and U+0000
// escaped as U+0001 and a letter: the marker holds a BS but the text no TAB,
// which a stored multi-line text always has. So every text comes back
// unchanged, and every text of the stored format that the format gives back
// reads as it always has.
std::string EncodeCellBreaks(std::string_view Text);
// Reverses EncodeCellBreaks; without KeepAllLines only the first line is kept.
std::string DecodeCellBreaks(std::string_view Text, bool KeepAllLines);

// Returns the text before the first CR and removes it, the CR and one LF
// right after it from Source; Source keeps the rest only with KeepRest. A
// Source without CR is returned whole and Source becomes empty.
std::string CutFirstLine(std::string& Source, bool KeepRest);
// 1 + the number of CRs when MultiLine, else 1.
int LineCount(std::string_view Text, bool MultiLine);

std::string LineBreaksToBR(std::string_view Text);      // CR -> "<br>"
std::string EncodeLineBreaks(std::string_view Text);    // CR -> "\n", LF dropped
std::string DecodeLineBreaks(std::string_view Text);    // "\n" -> CR
std::string LineBreaksToTilde(std::string_view Text);   // CR -> "~", LF dropped
std::string TildeToLineBreaks(std::string_view Text);   // "~" -> CR LF; "^" -> ""
std::string QuoteMultiLineText(std::string_view Text);  // CR LF -> U+000B, then quoted
std::string VTToCRLF(std::string_view Text);            // U+000B -> CR LF
std::string CRLFToLF(std::string_view Text);            // CR LF -> LF
std::string StripCR(std::string_view Text);             // every CR removed
std::string CRToLF(std::string_view Text);              // every CR -> LF
std::string DoubleQuoteChars(std::string_view Text);    // '"' -> '""'
// Scanning left to right, a doubled Ch keeps one of the two.
std::string UndoubleChar(char32_t Ch, std::string_view Text);
// The end of a quoted field: the last quote of the first run of odd length
// that is followed by another character, or a quote at the very end. -1 when
// none; the result is also stored in Pos.
int FindQuoteEnd(char32_t Quote, std::string_view Text, int& Pos);
// How many times FindQuoteEnd succeeds when the text is cut after each end.
int CountQuoteEnds(char32_t Quote, std::string_view Text);
int CountChar(char32_t Ch, std::string_view Text);
// Delimited-text export and import with the OEM option: StrToOem leaves the
// text as bytes of the OEM code page (437), ready to be written as they are;
// OemToStr reads such bytes back.
void StrToOem(std::string& Text);
void OemToStr(std::string& Text);
// Every character becomes Ch; the character count stays (password cells).
void FillString(std::string& Text, char32_t Ch);

// ---------------------------------------------------------------------------
// String helpers

int PosAndStore(std::string_view SubStr, std::string_view Text, int& Pos);
// Position of SubStr in Text compared with Text upper-cased; SubStr is not
// upper-cased, so callers pass it in upper case. The position is in Text.
int UpperPos(std::string_view SubStr, std::string_view Text);
// Pos is written only when Ch is found.
int FirstCharPos(char32_t Ch, std::string_view Text, int& Pos);
int CharPos(char32_t Ch, std::string_view Text);
// Returns the text before the first Delimiter and removes it and the
// delimiter's first character from Source; without the delimiter the result
// is empty and Source is unchanged.
std::string SplitOffField(std::string& Source, std::string_view Delimiter);
// All lines of the list joined without separator.
std::string ConcatStrings(const TStrings& List);
inline int IntMax(int A, int B) { return A > B ? A : B; }
inline int IntMin(int A, int B) { return A < B ? A : B; }
// Value raised to Min (when Min > 0) and then lowered to Max (when Max > 0);
// equal bounds give Value unchanged.
int LimitSize(int Value, int Min, int Max);
// R is a grid rectangle (Left, Top, Right, Bottom as columns and rows).
template <class TGridRectLike>
bool CellInGridRect(const TGridRectLike& R, int ACol, int ARow) {
  return R.Left <= ACol && ACol <= R.Right && R.Top <= ARow && ARow <= R.Bottom;
}
// The mixed-case form of the editors: "john o'neil-smith ii" becomes
// "John O'Neil-Smith II", "mcdonald" becomes "McDonald".
std::string CapitalizeWords(std::string_view Text);

// ---------------------------------------------------------------------------
// URL and colour helpers

bool IsURL(std::string_view Text);
void StripURLProtocol(std::string& Text);
// "R<row>C<column>", letter case ignored.
bool ParseRCCellRef(std::string_view Text, TPoint& Cell);
// Links the first URL that starts with UpperPrefix ("HTTP://", "WWW.",...):
// the text with "<" and ">" escaped and the URL wrapped in an anchor.
bool AutoLinkURL(std::string_view Text, std::string_view UpperPrefix, std::string& Linked);
// Six upper-case hex digits RRGGBB of a 0x00BBGGRR colour.
std::string ColorToHTMLHex(TColor Color);
// Wraps an HTML fragment into the clipboard's "HTML Format" text. The text
// is UTF-8 and declared so; the offsets in its header count bytes.
void MakeClipboardHTML(std::string& Fragment);

// ---------------------------------------------------------------------------
// Number and date text

// The locale's separators and short date pattern, read at every call.
char LocaleTimeSeparator();
char LocaleDateSeparator();
char LocaleThousandSeparator();
char LocaleDecimalSeparator();
std::string LocaleShortDateFormat();

bool IsNumberChar(char32_t C);
bool IsDigitOrMinus(char32_t C);
bool IsNumberPartChar(char32_t C);
bool IsSignedNumberPartChar(char32_t C);
bool IsExtractChar(char32_t C);

enum TNumberTextKind : int {
  ntInteger = 0,
  ntDecimal = 1,
  ntNotANumber = 2,
  ntExponent = 5,
};
// Integer, decimal number, number with exponent or not a number, with the
// locale's separators. Allocation-free.
int NumberTextKind(std::string_view Text);
// A number text with "." as decimal separator ("(1,234.50)" -> "-1234.50"),
// or empty.
std::string ExtractNumberText(std::string_view Text);

// Short dates in month-day-year and day-month-year order, separated by "/",
// "." or "-"; a two-digit year up to 25 lies in 2000..2025, others get 1900
// added. A malformed or impossible date gives 0.
TDateTime ParseDateMDY(std::string_view Text);
TDateTime ParseDateDMY(std::string_view Text);
// The next date of a fill series: only a day step adds days, only a year or
// only a month step moves the calendar (any step size; the day is clamped
// to the target month's end and the time of day kept), anything else adds
// PlainStep.
TDateTime IncrementDate(int16_t YearStep, int16_t MonthStep, int16_t DayStep, double PlainStep,
                        TDateTime Date);
bool LooksLikeDate(std::string_view Text);

// ---------------------------------------------------------------------------
// Filter condition matching

// Terms (wildcard patterns "*", "?", negation "!", comparisons ">", ">=",
// "<", "<=" with numbers, dates or texts) joined by "&" (and) and ";", "^",
// "|" (or), grouped by parentheses, evaluated left to right; blanks outside
// double quotes carry no meaning. Allocation-free for ordinary conditions.
bool MatchFilterCondition(std::string_view Condition, std::string_view Value, bool CaseSensitive);
bool MatchFilterTermCase(std::string_view Term, std::string_view Value, bool CaseSensitive);
bool MatchFilterTerm(std::string_view Term, std::string_view Value);
std::string StripSpacesOutsideQuotes(std::string_view Text);
// The first character of Chars outside double quotes, or 0 with Pos -1.
char32_t FindCharOutsideQuotes(std::string_view Chars, std::string_view Text, int& Pos);
// The ")" at which "(" and ")" counted from the start balance; -1 when none.
int MatchingParenPos(std::string_view Text);
std::string NormalizeNumberText(std::string_view Text);
// A date (with an optional time) in the locale's short date order.
bool ParseLocaleDateTime(std::string_view Text, TDateTime& Value);
