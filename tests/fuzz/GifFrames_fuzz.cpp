// Fuzz target for the GIF frame reader. Not built by default; built by
// tests/fuzz/build.sh, which lists its sources:
//
//   tests/fuzz/build.sh gif_fuzz
//   build-fuzz/gif_fuzz -runs=1000000
//
// Every frame found lies wholly inside the bytes, and the bytes that show a
// frame first are the head plus that frame and the ones after it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/graphics/GifFrames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TGifFrames frames(Data, Size);
  if (!frames.IsGIF() && frames.Count() != 0) std::abort();
  for (int i = 0; i < frames.Count(); ++i) {
    const TGifFrame& f = frames.Frame(i);
    if (f.Start + 17 > Size || Data[f.Start + 8] != 0x2C) std::abort();
    if (i > 0 && f.Start <= frames.Frame(i - 1).Start) std::abort();
    std::vector<uint8_t> from = frames.FromFrame(Data, Size, i);
    const size_t cut = f.Start - frames.Frame(0).Start;
    if (from.size() != Size - cut) std::abort();
    // The frame now stands where the first one stood. (The join of head and
    // frame may read as a frame start of its own before it: that is fine.)
    TGifFrames again(from.data(), from.size());
    bool found = false;
    for (int k = 0; k < again.Count() && !found; ++k) found = again.Frame(k).Start == frames.Frame(0).Start;
    if (!found) std::abort();
  }
  return 0;
}
