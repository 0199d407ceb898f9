#pragma once
// The text form of a stored layout, one file per form under resources/forms/:
//
//   object FParGen: TFParGen
//     Caption = 'Communication parameters'
//     Font.Name = 'Verdana'                      (sub-object property)
//     Options = [goEditing, goTabs]              (set)
//     OnShow = FormShow                          (handler of the form)
//     object Btn_OK: TLbButton                   (child: owned by the form,
//       Caption = 'OK'#13#10'now' + 'more'        parented by the enclosing
//       Items.Strings = (                         windowed control)
//         'a'
//         'b')
//       Columns = <
//         item
//           Header = 'Name'
//         end>
//       Glyph.Data = {
//         0A0B0C}
//     end
//   end
//
// Strings are UTF-8 between single quotes ('' for a quote), joined with #nnn
// character codes (UTF-16 code units) and '+' across lines. Numbers are
// decimal or $hex; a number with '.' or an exponent is a float. True, False
// and nil are keywords; every other word is an identifier.
#include <string>
#include <string_view>

#include "framework/classes/LayoutTree.h"

// Parses a text layout; a syntax error raises ELayoutError naming FileName
// and the line.
TLayoutObject ParseLayoutText(std::string_view Text, const std::string& FileName);

// The text of a layout tree (LF line ends, two-space indents).
std::string FormatLayoutText(const TLayoutObject& Root);
