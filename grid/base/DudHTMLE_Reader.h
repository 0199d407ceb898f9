#pragma once
// Tag reading shared by the markup unit's files: attributes as name="value"
// pairs and the platform's way of reading a number from the start of a text.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct TMarkupAttribute {
  std::string Name;   // upper case
  std::string Value;  // as written, quotes removed
  bool Quoted = false;
};

// The name="value" pairs of a tag body (the text after the element name,
// with or without the closing ">"). A quoted value runs to its closing
// quote, so nothing inside it is ever read as a name; an unquoted value runs
// to the next blank or ">". Names without "=" are left out.
std::vector<TMarkupAttribute> ReadMarkupAttributes(std::string_view Body);
// The first attribute of that (upper-case) name, or nullptr.
const TMarkupAttribute* FindMarkupAttribute(const std::vector<TMarkupAttribute>& Attributes,
                                            std::string_view Name);

// The integer at the start of S: leading blanks, a sign, decimal digits or
// hexadecimal ones after "$" or "0x"; reading stops at the first other
// character and keeps what was read (0 when nothing was). Clamped to the
// 32-bit range.
int LeadingInteger(std::string_view S);

// Case-blind (ASCII) search of an upper-case Needle in Text from From.
std::size_t FindNoCase(std::string_view Text, std::string_view Needle, std::size_t From = 0);
