#include "framework/graphics/RecordingCanvas.h"

#include <cstdio>

#include "framework/backend/Painter.h"

namespace {
std::string Hex(TColor c) {
  char b[16];
  std::snprintf(b, sizeof b, "$%.8X", static_cast<unsigned>(c));
  return b;
}
}  // namespace

std::string TCanvasCall::ToString() const {
  std::string s(Depth * 2, ' ');
  s += Op;
  if (!ClassName.empty()) s += " " + ClassName;
  if (Rect.Width() || Rect.Height() || Rect.Left || Rect.Top)
    s += " (" + std::to_string(Rect.Left) + "," + std::to_string(Rect.Top) + "," +
         std::to_string(Rect.Right) + "," + std::to_string(Rect.Bottom) + ")";
  for (const TPoint& p : Points) s += " [" + std::to_string(p.X) + "," + std::to_string(p.Y) + "]";
  if (!Text.empty()) s += " \"" + Text + "\"";
  if (Flags) s += " flags " + Hex(static_cast<TColor>(Flags));
  if (Param1 || Param2) s += " " + std::to_string(Param1) + "/" + std::to_string(Param2);
  s += " pen " + Hex(PenColor) + " w" + std::to_string(PenWidth) + " brush " + Hex(BrushColor) +
       (BrushStyle == bsClear ? " clear" : "") + " font " + Hex(FontColor);
  return s;
}

std::vector<TCanvasCall> TCanvasRecorder::Calls(const std::string& Op) const {
  std::vector<TCanvasCall> out;
  for (const TCanvasCall& c : calls_)
    if (c.Depth == 0 && (Op.empty() || c.Op == Op)) out.push_back(c);
  return out;
}

std::string TCanvasRecorder::Ops() const {
  std::string s;
  for (const TCanvasCall& c : calls_) {
    if (c.Depth != 0) continue;
    if (!s.empty()) s += ' ';
    s += c.Op;
  }
  return s;
}

TRecordingCanvas::TRecordingCanvas() { SetRecorder(&recorder_); }

TRecordingCanvas::TRecordingCanvas(int Width, int Height) : TRecordingCanvas() {
  bitmap_ = std::make_unique<TBitmap>(Width, Height);
}

TRecordingCanvas::~TRecordingCanvas() {
  // The painter draws into the bitmap: it goes first.
  DetachPainter();
}

std::unique_ptr<TPainter> TRecordingCanvas::CreatePainter() {
  if (!bitmap_ || bitmap_->Empty()) return nullptr;
  return CreateBitmapPainter(bitmap_->PixelData());
}
