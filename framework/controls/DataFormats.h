#pragma once
// The one mapping between the platform's data formats (the numbers the
// clipboard and drag and drop use) and the desktop's MIME types, with the
// block each format has on the platform. The clipboard and drag and drop
// both go through it, so a format reads the same from either.
//
// Text is "text/plain" (UTF-8); CF_TEXT blocks are Windows-1252 and
// CF_UNICODETEXT blocks UTF-16, both ending in a zero. A file list is
// "text/uri-list" with file: URIs and the platform's file-drop block. Links
// ("UniformResourceLocator") come as "text/x-moz-url" or as other URIs in a
// URI list. "Rich Text Format" is "text/rtf" (or "application/rtf"), "HTML
// Format" "text/html" (the markup alone; the block's header of byte offsets
// is made and dropped at the border); any
// other registered name N is the fixed type "application/x-cf30406-N" (blanks
// as dashes), the same in every run and every copy of the program.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/controls/Clipbrd.h"

// TMimeReader (Clipbrd.h) reads the desktop's bytes under a MIME type.

// The MIME type the desktop knows Format by.
std::string FormatMime(unsigned Format);
// Further MIME types the same data is offered under ("application/rtf"
// beside "text/rtf"); read under any of them.
std::vector<std::string> FormatMimeAliases(unsigned Format);

// The formats data under these MIME types offers, each once, in the order
// of the types. A URI list is read to tell files from links.
std::vector<unsigned> OfferedFormats(const std::vector<std::string>& Mimes, const TMimeReader& Read);

// Format's block as the platform hands it, made from the desktop's data;
// false when the data does not hold the format.
bool FormatBlock(unsigned Format, const TMimeReader& Read, std::vector<uint8_t>& Block);

// The desktop's MIME type and bytes for a block of Format.
void MimeOfBlock(unsigned Format, const std::vector<uint8_t>& Block, std::string& Mime,
                 std::vector<uint8_t>& Bytes);

// The platform's file-drop block: a 20-byte header (offset of the names,
// drop point, non-client flag, wide flag), then the names, each ending in a
// zero, and a last zero. Made with UTF-16 names.
std::vector<uint8_t> MakeFileDropBlock(const std::vector<std::string>& Files);
// The names of a file-drop block (wide or ANSI). Reading stays inside the
// block: a damaged header gives no names, a name cut off by the block's end
// is left out.
std::vector<std::string> ReadFileDropBlock(const uint8_t* Data, std::size_t Size);

// URI lists: the local paths of the file: URIs and the other URIs, each in
// order; a list of paths as file: URIs.
std::vector<std::string> FilesOfUriList(const std::string& UriList);
std::vector<std::string> LinksOfUriList(const std::string& UriList);
std::string UriListOfFiles(const std::vector<std::string>& Files);
