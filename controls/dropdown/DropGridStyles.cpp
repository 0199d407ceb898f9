#include "controls/dropdown/DropGridStyles.h"

#include <iterator>

const TDropGridStyleColors* DropGridStyleColors(TVyxStyle AStyle, bool Office2010) {
  static const TDropGridStyleColors rows[] = {
      {tsOffice2003Blue, 0xD68759, 0x933803, 0xFFFFFF, 0x962D00, scOffice2007},
      {tsOffice2003Silver, 0xBDA4A5, 0x957475, clNone, 0x947C7C, scOffice2007},
      {tsOffice2003Olive, 0x82C0AF, 0x447A63, clNone, 0x588060, scOffice2007},
      {tsOffice2003Classic, 0x808080, 0x808080, clNone, 0x808080, scOffice2007},
      {tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, scOffice2007},
      {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, scOffice2007},
      {tsWhidbey, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, scOffice2007},
      {tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, scOffice2007},
      {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, 0, 0xFCF2DA, scWindowsVista},
      {tsWindows7, 0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8, scWindows7},
      // Known to the multi-column drop-down only.
      {tsOffice2010Blue, 0xEDDBCD, clNone, 0x5B391E, 0xEEDDCF, scCustom},
      {tsOffice2010Silver, 0xEDE9E5, clNone, 0x5B391E, 0xEEDDCF, scCustom},
      {tsOffice2010Black, 0x828282, clNone, 0xD7D7D6, 0xEEDDCF, scCustom},
  };
  const size_t n = Office2010 ? std::size(rows) : 10;
  for (size_t i = 0; i < n; ++i)
    if (rows[i].style == AStyle) return &rows[i];
  return nullptr;
}
