#include "framework/graphics/ImageLengths.h"

#include <cstring>

namespace {
uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}
uint32_t LittleEndian32(const uint8_t* p) {
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}
uint16_t LittleEndian16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

bool PngChunksFit(const uint8_t* Data, size_t Size) {
  size_t pos = 8;
  while (pos < Size) {
    // Length, type, data, CRC.
    if (Size - pos < 12) return false;
    const uint32_t length = BigEndian32(Data + pos);
    if (length > 0x7FFFFFFFu || length > Size - pos - 12) return false;
    const bool end = std::memcmp(Data + pos + 4, "IEND", 4) == 0;
    pos += 12 + static_cast<size_t>(length);
    if (end) return true;
  }
  // Cut short after a whole chunk: the reader says what it makes of it.
  return true;
}

bool IconDirectoryFits(const uint8_t* Data, size_t Size) {
  const size_t count = LittleEndian16(Data + 4);
  if (count == 0 || 6 + 16 * count > Size) return false;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* entry = Data + 6 + 16 * i;
    const uint64_t bytes = LittleEndian32(entry + 8);
    const uint64_t offset = LittleEndian32(entry + 12);
    if (offset + bytes > Size) return false;
  }
  return true;
}
}  // namespace

bool ImageLengthsFit(const uint8_t* Data, size_t Size) {
  if (Data == nullptr) return Size == 0;
  if (Size >= 8 && std::memcmp(Data, "\x89PNG\r\n\x1a\n", 8) == 0) return PngChunksFit(Data, Size);
  if (Size >= 6 && LittleEndian16(Data) == 0 &&
      (LittleEndian16(Data + 2) == 1 || LittleEndian16(Data + 2) == 2))
    return IconDirectoryFits(Data, Size);
  return true;
}
