#pragma once
// JPEG pictures over libjpeg: the compressed bytes are the picture of record;
// the pixels are decoded when first drawn or asked for, and a picture given
// pixels (Assign from a bitmap) is compressed when its bytes are needed.
#include <memory>

#include "framework/graphics/Graphics.h"

enum TJPEGPerformance { jpBestQuality, jpBestSpeed };
enum TJPEGScale { jsFullSize, jsHalf, jsQuarter, jsEighth };

class TJPEGImage : public TGraphic {
 public:
  TJPEGImage();
  ~TJPEGImage() override;
  void Assign(TPersistent* Source) override;

  bool Empty() const override;
  std::unique_ptr<TGraphic> NewGraphic() const override { return std::make_unique<TJPEGImage>(); }
  int Width() const override;
  int Height() const override;

  // 1..100, used when compressing (default 90).
  int CompressionQuality() const { return quality_; }
  void SetCompressionQuality(int Value);
  // Decodes (and encodes) in shades of grey.
  bool Grayscale() const { return grayscale_; }
  void SetGrayscale(bool Value);
  TJPEGPerformance Performance() const { return performance_; }
  void SetPerformance(TJPEGPerformance Value);
  TJPEGScale Scale() const { return scale_; }
  void SetScale(TJPEGScale Value);
  bool ProgressiveEncoding() const { return progressive_; }
  void SetProgressiveEncoding(bool Value) { progressive_ = Value; }
  bool Smoothing() const { return smoothing_; }
  void SetSmoothing(bool Value) { smoothing_ = Value; }

  // Compresses the pixels now (the bytes then follow the current settings).
  void Compress();
  // Decodes the bytes now; EInvalidGraphic for bytes that are not JPEG.
  void DIBNeeded();
  void JPEGNeeded();
  // The decoded pixels (decoding first when needed).
  TBitmap* Bitmap();

  // EInvalidGraphic "JPEG error #n" style messages for bad data.
  void LoadFromBytes(const uint8_t* Data, size_t Size) override;
  std::vector<uint8_t> SaveToBytes() override;

 protected:
  void Draw(TCanvas* ACanvas, const TRect& R) override;
  void AssignTo(TPersistent* Dest) override;

 private:
  void FreeBitmap();
  std::vector<uint8_t> data_;
  std::unique_ptr<TBitmap> bitmap_;
  int width_ = 0;
  int height_ = 0;
  int quality_ = 90;
  bool grayscale_ = false;
  TJPEGPerformance performance_ = jpBestQuality;
  TJPEGScale scale_ = jsFullSize;
  bool progressive_ = false;
  bool smoothing_ = true;
};

// Plain coding routines (the class above uses them).
// Decodes JPEG bytes to 24-bit pixels; false with a message on bad data.
bool JpegDecode(const uint8_t* Data, size_t Size, bool Grayscale, int ScaleDenom, TPixelData& Out,
                std::string* Error);
// Encodes 24- or 32-bit pixels; false with a message on failure.
bool JpegEncode(const TPixelData& Pixels, int Quality, bool Grayscale, bool Progressive,
                std::vector<uint8_t>& Out, std::string* Error);
