#pragma once
// Small helpers of the drawing tests of the grid foundation: channel
// checks and saving what was drawn as a PNG beside the test programs.
#include <cstdlib>
#include <string>

#include "framework/graphics/Graphics.h"
#include "framework/os/Files.h"

inline int RedOf(TColor C) { return C & 0xFF; }
inline int GreenOf(TColor C) { return (C >> 8) & 0xFF; }
inline int BlueOf(TColor C) { return (C >> 16) & 0xFF; }

// Each channel of C lies between those of A and B.
inline bool Between(TColor C, TColor A, TColor B) {
  auto in = [](int c, int a, int b) { return (c >= a && c <= b) || (c >= b && c <= a); };
  return in(RedOf(C), RedOf(A), RedOf(B)) && in(GreenOf(C), GreenOf(A), GreenOf(B)) &&
         in(BlueOf(C), BlueOf(A), BlueOf(B));
}

// Keeps the picture as build/tests/artefacts/<Name>.png for a look by eye.
inline void SaveArtefact(const TBitmap* Bitmap, const std::string& Name) {
  if (Bitmap == nullptr) return;
  const char* dir = std::getenv("CF_TEST_BIN_DIR");
  const std::string folder = std::string(dir != nullptr ? dir : ".") + "/artefacts";
  ForceDirectories(folder);
  Bitmap->SaveToPngFile(folder + "/" + Name + ".png");
}
