#pragma once
// Whether the lengths a picture file declares fit the bytes that are there.
// The image readers behind DecodeImage allocate what a PNG chunk or an icon's
// directory says before they find out that the bytes are missing: a 1 KB
// file declaring a 2 GB text chunk made them take 2 GB and seconds. A file
// that fails this check is refused before any reader sees it.
#include <cstddef>
#include <cstdint>

// PNG: every chunk length is at most 2^31 - 1 and lies within the bytes;
// ICO and CUR: the directory and every image it names lie within the bytes.
// Other formats pass (their readers check their own lengths).
bool ImageLengthsFit(const uint8_t* Data, size_t Size);
