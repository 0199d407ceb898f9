#pragma once
// The binary component record: the signature "TPF0", then the object (class
// name and name as 1-byte-length strings, its properties as name and typed
// value, an empty name, its child objects, a 0 byte). Values start with their
// kind byte:
//
//   0 end of list      1 list            2 int8          3 int16 (LE)
//   4 int32 (LE)       5 x87 extended    6 short string  7 identifier
//   8 false            9 true           10 binary       11 set
//  12 long string     13 nil            14 collection   15 single
//  16 currency        17 date           18 wide string  19 int64
//  20 UTF-8 string    21 double
//
// The writer picks the smallest integer kind, and for text a short string
// (ASCII below 256 bytes), a long string (longer ASCII), a UTF-8 string
// (non-ASCII text whose UTF-8 is shorter than its UTF-16) or a wide string.
// The reader checks every length against the data it has: a cut or foreign
// stream raises ELayoutError with the byte offset, never reads past the end.
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/classes/LayoutTree.h"

// Appends the record of Root to Out. EWriteError when a name does not fit
// its 1-byte length.
void WriteLayoutRecord(std::string& Out, const TLayoutObject& Root);

// Reads the record that starts at Pos; Pos then points just past it.
TLayoutObject ReadLayoutRecord(std::string_view Data, size_t& Pos, const std::string& SourceName = "stream");

// True when Data holds a record at Pos (starts with the signature).
bool IsLayoutRecord(std::string_view Data, size_t Pos = 0);

// The 10-byte x87 extended form of a double, and back.
void DoubleToExtended(double Value, uint8_t Out[10]);
double ExtendedToDouble(const uint8_t In[10]);
