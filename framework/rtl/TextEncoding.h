#pragma once
// Text file encodings: how bytes read from a file become UTF-8 text and back.
//
// Reading decides by the byte-order mark: UTF-8, then UTF-16 little-endian,
// then big-endian; bytes without a mark are the ANSI code page
// (Windows-1252). Writing in the ANSI code page has no mark; the Unicode
// encodings write theirs unless told not to.
#include <string>
#include <string_view>

enum TTextEncoding { teAnsi, teUtf8, teUtf16LE, teUtf16BE };

// The encoding named by Bytes' byte-order mark (teAnsi when there is none)
// and the mark's length.
TTextEncoding DetectTextEncoding(std::string_view Bytes, std::size_t* MarkLength = nullptr);
// Bytes to UTF-8 by their byte-order mark (the mark itself is dropped).
std::string DecodeText(std::string_view Bytes, TTextEncoding* Detected = nullptr);
// Bytes known to be in Encoding (a leading mark of it is dropped).
std::string DecodeTextAs(std::string_view Bytes, TTextEncoding Encoding);
// UTF-8 to bytes; characters Windows-1252 lacks become '?'.
std::string EncodeText(std::string_view Text, TTextEncoding Encoding, bool WriteMark = true);
