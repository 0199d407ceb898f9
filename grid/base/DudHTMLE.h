#pragma once
// The cell markup unit: string routines over markup texts. Turning markup
// into plain text, escaping for markup and HTML export, marking found text
// with a highlight tag and removing the marks, and reading and rewriting the
// inline-control tags (<CONTROL ...>) through which form controls inside
// cells keep their values. Pure functions; none raises.
//
// Texts are UTF-8; the accent entities are those of the Windows-1252 letters
// (e-acute "&eacute;" and the like, plus "&copy;", "&reg;", "&euro;",
// "&laquo;", "&raquo;"), matched with letter case.
#include <string>
#include <string_view>

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
