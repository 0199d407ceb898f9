#pragma once
// The cell markup unit. DrawMarkup draws a markup text (a small HTML-like
// language: bold, italic, fonts and colours, anchors, images, lists,
// paragraphs, inline form controls) into a rectangle, measures it, or finds
// the anchor or control under a point, all in one pass over its lines.
// Markup is never rejected: unknown tags are skipped, an unclosed tag ends
// the text, bad numbers read as what they start with.
//
// Beside it, string routines over markup texts: turning markup into plain
// text, escaping for markup and HTML export, marking found text with a
// highlight tag and removing the marks, and reading and rewriting the
// inline-control tags (<CONTROL ...>) through which form controls inside
// cells keep their values. Pure functions; none raises.
//
// Texts are UTF-8; the accent entities are those of the Windows-1252 letters
// (e-acute "&eacute;" and the like, plus "&copy;", "&reg;", "&euro;",
// "&laquo;", "&raquo;"), matched with letter case.
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/graphics/Types.h"

class TCanvas;
class TImageList;
class THTMLPictureCache;
class TPictureContainer;
using TColor = int32_t;  // as framework/graphics/Graphics.h declares it

// ---------------------------------------------------------------------------
// Drawing, measuring and hit-testing

// What a DrawMarkup call is asked to do, beside its canvas, text and
// rectangle. Measuring callers set CheckHeight, hit-testing callers
// CheckHotSpot with the mouse position; painting callers set neither.
struct TMarkupParams {
  TImageList* ImageList = nullptr;  // source of "IDX:n" images
  // The point under test: the mouse for hover looks and hit-testing.
  int XPos = -1;
  int YPos = -1;
  int FocusLink = -1;  // 0-based anchor with the keyboard focus; -1 none
  int HoverLink = -1;  // 1-based anchor under the mouse (an earlier MouseLink)
  int ShadowOffset = 1;
  bool CheckHotSpot = false;  // lay lines out to find what is under the point; draw nothing
  bool CheckHeight = false;   // measure only
  bool Print = false;         // image-list images are stretched by ResFactor
  bool Selected = false;      // tags change neither text colour nor background
  bool BlinkVisible = true;   // blinking text is shown in this phase
  bool HoverStyle = false;    // hover looks only for HoverLink, else for every anchor
  bool WordWrap = false;      // break lines at blanks; else cut with an ellipsis
  bool MouseDown = false;     // pressed look of inline buttons
  double ResFactor = 1.0;
  TColor LinkColor = 0xFF0000;                    // clBlue
  TColor HoverBackColor = 0x1FFFFFFF;             // clNone: unchanged
  TColor HoverTextColor = 0x1FFFFFFF;             // clNone: unchanged
  TColor ShadowColor = 0x808080;                  // clGray
  THTMLPictureCache* PictureCache = nullptr;      // pictures by address ("RES://", "FILE://")
  TPictureContainer* PictureContainer = nullptr;  // pictures by name
  uintptr_t WindowHandle = 0;                     // for the theme data of inline controls
  // 0 left to right; 1 right to left; 2 and 3 the other right-to-left
  // modes. Only a right-to-left system locale reads them, which this
  // platform never reports.
  int BiDiMode = 0;
  // Hit-testing: the inline control with this ID is reported wherever the
  // point is.
  std::string ControlID;
};

// What a DrawMarkup call reports. Anchor, AnchorTitle, MouseLink and
// AnchorRect mean something only when the call answered true.
struct TMarkupResult {
  std::string Anchor;       // HREF under the point, or "ctrl" for a control; kept otherwise
  std::string PlainText;    // the visible text, a CR for each line break tag
  std::string FocusAnchor;  // HREF of the focus anchor (when drawing)
  std::string AnchorTitle;
  int XSize = 0;  // widest line, a trailing blank left out
  int YSize = 0;  // total height of the laid-out lines
  int HyperLinks = 0;
  int MouseLink = -1;  // 1-based anchor under the point
  TRect AnchorRect;    // the anchor under the point, on the line where it ends
  TRect ControlRect;   // the box of the control under the point
  std::string ControlID;
  std::string ControlValue;
  std::string ControlType;
};

// Draws (or measures, or hit-tests) Text in Rect; true when an anchor or an
// inline control lies under the point. The canvas's pen, brush and font are
// as on entry when it returns.
bool DrawMarkup(TCanvas* Canvas, std::string_view Text, const TRect& Rect, const TMarkupParams& Params,
                TMarkupResult& Result);

// The colour names of the language ("clred", "clbtnface", ...); the name
// must be lower case; an unknown name gives black.
TColor MarkupColorByName(std::string_view Name);
// The colours of the highlight tag (the grid sets them from its own
// highlight settings); clHighlight and clHighlightText until then.
void SetHighlightColors(TColor Background, TColor Text);
// Inline controls are drawn themed when this is set and a theme is active.
extern bool OSNewerThanWin2000;

// ---------------------------------------------------------------------------
// String routines

// "<BR>" and "<HR>" (any case) become CR LF, then tags are dropped; a "<"
// without a ">" after it keeps the rest of the text as it is.
std::string MarkupToPlainText(std::string_view Text);

// "&", '"', "<" and ">" become entities; with Accents the accented letters
// too. UnescapeHTML decodes each entity once, left to right, so the two
// round-trip every text.
std::string EscapeHTML(std::string_view Text, bool Accents);
std::string UnescapeHTML(std::string_view Text, bool Accents);
std::string SpacesToNbsp(std::string_view Text);

// Wraps every occurrence of Search in the visible text with "<Tag>" and
// "</Tag>"; tags of the markup stay where they are. A plain text holding
// "<" or ">" has them escaped first.
std::string HilightInMarkup(std::string_view Text, std::string_view Search, std::string_view Tag,
                            bool CaseSensitive);
// Removes "<Tag>" and "</Tag>" (any case) and turns "&lt;"/"&gt;" back.
std::string UnHilightInMarkup(std::string_view Text, std::string_view Tag);

// Inline-control tags: attributes TYPE, ID, VALUE, WIDTH, HEIGHT, PROP and
// MAXLEN as name="value" pairs; VALUE and PROP hold escaped text. Attribute
// names are matched as whole names outside quoted values, so a value that
// holds "ID=" or "WIDTH=" never stands in for the attribute.
bool HasControlTag(std::string_view Text);
// Type comes back upper-cased, Value and Prop unescaped; a missing
// attribute gives an empty string.
void ParseControlTag(std::string_view Tag, std::string& AType, std::string& AID, std::string& AMaxLen,
                     std::string& AProp, std::string& AHeight, std::string& AWidth, std::string& AValue);
// The ID of the first control after ControlID (the first control at all when
// ControlID is empty) that is not a button, check box or radio button; empty
// when there is none.
std::string NextEditControlID(std::string_view Text, std::string_view ControlID);
// Every radio control gets the value "FALSE".
std::string ClearRadioControls(std::string_view Text);
bool GetControlValue(std::string_view Text, std::string_view ControlID, std::string& Value);
std::string GetControlProp(std::string_view Text, std::string_view ControlID);
int GetControlMaxLen(std::string_view Text, std::string_view ControlID);
// Rewrites the tag of the control with that ID with the new value, keeping
// its width, type, height, prop and max length; false when no control has
// that ID.
bool SetControlValue(std::string& Text, std::string_view ControlID, std::string_view NewValue);
