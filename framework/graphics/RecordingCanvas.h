#pragma once
// Records the drawing calls made on a canvas, with the pen, brush and font in
// effect, so tests of painting code can assert on order and arguments:
//   TRecordingCanvas c;  PaintSomething(&c);
//   auto fills = c.Recorder().Calls("FillRect");
//   EXPECT_EQ(fills[0].Rect, Rect(0, 0, 10, 10)); EXPECT_EQ(fills[0].BrushColor, clRed);
// A recorder can also be attached to any canvas (a bitmap's, a window's).
#include <string>
#include <vector>

#include "framework/graphics/Graphics.h"

struct TCanvasCall {
  // Canvas method or DC routine: "FillRect", "Rectangle", "LineTo",
  // "TextOut", "DrawText", "DrawEdge", "DrawFrameControl",
  // "DrawThemeBackground", "Draw", "StretchDraw", "CopyRect", "BitBlt",
  // "SelectClipRgn", ...
  std::string Op;
  TRect Rect;
  std::vector<TPoint> Points;
  std::string Text;
  // DrawText, DrawEdge and frame-control flags; a copy mode; a fill style.
  unsigned Flags = 0;
  // Further numbers: the edge of DrawEdge, the type of a frame control, the
  // part and state of a themed element, a colour argument, a graphic's size.
  int Param1 = 0;
  int Param2 = 0;
  std::string ClassName;  // theme class of a themed call

  TColor PenColor = clBlack;
  int PenWidth = 1;
  TPenStyle PenStyle = psSolid;
  TPenMode PenMode = pmCopy;
  TColor BrushColor = clWhite;
  TBrushStyle BrushStyle = bsSolid;
  std::string FontName;
  int FontSize = 0;
  TFontStyles FontStyle;
  TColor FontColor = clBlack;
  int FontOrientation = 0;
  int BkMode = 0;
  TColor TextColor = clBlack;
  // 0 for calls of the painting code; above 0 for calls that another
  // recorded call made (a DrawText's TextOut pieces, a DrawEdge's lines).
  int Depth = 0;

  // "FillRect (0,0,10,10) brush $000000FF" and so on, for messages.
  std::string ToString() const;
};

class TCanvasRecorder {
 public:
  void Record(TCanvasCall Call) { calls_.push_back(std::move(Call)); }
  void Clear() { calls_.clear(); }
  // Every call, nested ones included.
  const std::vector<TCanvasCall>& AllCalls() const { return calls_; }
  // The calls of the painting code itself (depth 0), optionally of one op.
  std::vector<TCanvasCall> Calls(const std::string& Op = std::string()) const;
  int Count(const std::string& Op) const { return static_cast<int>(Calls(Op).size()); }
  // The op names of the depth-0 calls in order, joined by spaces.
  std::string Ops() const;

 private:
  std::vector<TCanvasCall> calls_;
};

// A canvas that records and draws nowhere (text is measured by the backend's
// fonts, or the fixed measures when they are on). With a size it draws into
// a bitmap of that size too, so pixels can be checked as well.
class TRecordingCanvas : public TCanvas {
 public:
  TRecordingCanvas();
  TRecordingCanvas(int Width, int Height);
  ~TRecordingCanvas() override;
  TCanvasRecorder& Recorder() { return recorder_; }
  const TCanvasRecorder& Recorder() const { return recorder_; }
  TBitmap* TargetBitmap() override { return bitmap_.get(); }

 protected:
  std::unique_ptr<TPainter> CreatePainter() override;

 private:
  TCanvasRecorder recorder_;
  std::unique_ptr<TBitmap> bitmap_;
};
