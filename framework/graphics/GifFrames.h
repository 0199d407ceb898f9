#pragma once
// The frames of an animated GIF, read from its file bytes without decoding
// them: where each frame starts, its place on the logical screen, its delay,
// and the bytes of a GIF that shows a chosen frame first (the file head
// followed by that frame and the ones after it), which any GIF reader then
// shows as its first image.
//
// A frame starts at a graphic control extension (0x21 0xF9 0x04) that is
// directly followed by an image descriptor (0x2C); frames without such an
// extension are not counted. Everything is read within the bytes given: a
// truncated or crafted file gives fewer frames, never a read past its end.
#include <cstddef>
#include <cstdint>
#include <vector>

struct TGifFrame {
  // Byte offset of the frame's graphic control extension.
  std::size_t Start = 0;
  uint16_t Left = 0, Top = 0, Width = 0, Height = 0;
  // Hundredths of a second.
  uint16_t Delay = 0;
  bool Transparent = false;
  // Disposal method (0 to 7) of the frame's graphic control extension.
  uint16_t Disposal = 0;
};

class TGifFrames {
 public:
  TGifFrames() = default;
  // Scans the bytes once; the bytes are not kept.
  TGifFrames(const uint8_t* Data, std::size_t Size);

  // At least 5 bytes, starting with "GIF8".
  static bool IsGIF(const uint8_t* Data, std::size_t Size);

  bool IsGIF() const { return isGif_; }
  int Count() const { return static_cast<int>(frames_.size()); }
  // Frame Index (0-based); Index must be below Count().
  const TGifFrame& Frame(int Index) const { return frames_[static_cast<std::size_t>(Index)]; }
  // The logical screen; 0 x 0 when the head is too short.
  uint16_t ScreenWidth() const { return screenWidth_; }
  uint16_t ScreenHeight() const { return screenHeight_; }

  // The bytes without those from the first frame's start up to frame
  // Index's start: frame 0 keeps the whole file. Data must be the bytes the
  // frames were read from; an Index outside the frames gives them unchanged.
  std::vector<uint8_t> FromFrame(const uint8_t* Data, std::size_t Size, int Index) const;

 private:
  bool isGif_ = false;
  uint16_t screenWidth_ = 0, screenHeight_ = 0;
  std::vector<TGifFrame> frames_;
};
