// Image coding through Qt's image readers and writers.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include "framework/backend/qt/QtPainter.h"
#include "framework/graphics/ImageLengths.h"

bool DecodeImage(const uint8_t* Data, size_t Size, TPixelData& Out) {
  if (!Data || Size == 0) return false;
  // Lengths beyond the bytes would be allocated by the readers first.
  if (!ImageLengthsFit(Data, Size)) return false;
  QtEnsureApplication();
  QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setAutoTransform(false);
  // Width x height x 4 must stay reasonable for a picture read from a file.
  QSize size = reader.size();
  if (size.isValid() && static_cast<long long>(size.width()) * size.height() > 64LL * 1024 * 1024)
    return false;
  QImage img = reader.read();
  if (img.isNull()) return false;
  QtImageToPixels(img, Out);
  return true;
}

std::vector<uint8_t> EncodeImage(const TPixelData& Pixels, const std::string& Format) {
  if (Pixels.Width <= 0 || Pixels.Height <= 0) return {};
  QtEnsureApplication();
  QImage img = QtImageFromPixels(Pixels);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, QByteArray(Format.c_str()));
  if (!writer.write(img)) return {};
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}
