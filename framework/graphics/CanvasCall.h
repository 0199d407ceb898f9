#pragma once
// Records one canvas call on the canvas's recorder (when it has one) and
// marks the calls it makes in turn as nested. Used by the canvas and the
// DC routines of framework/graphics.
#include "framework/graphics/Graphics.h"
#include "framework/graphics/RecordingCanvas.h"

class TCanvasCallScope {
 public:
  // Fill sets the call's arguments; it runs only while recording.
  template <typename FillFn>
  TCanvasCallScope(TCanvas* Canvas, const char* Op, FillFn&& Fill) : canvas_(Canvas) {
    if (canvas_->recorder_) {
      TCanvasCall c = Snapshot(Op);
      Fill(c);
      canvas_->recorder_->Record(std::move(c));
    }
    ++canvas_->callDepth_;
  }
  TCanvasCallScope(TCanvas* Canvas, const char* Op) : TCanvasCallScope(Canvas, Op, [](TCanvasCall&) {}) {}
  ~TCanvasCallScope() { --canvas_->callDepth_; }
  TCanvasCallScope(const TCanvasCallScope&) = delete;
  TCanvasCallScope& operator=(const TCanvasCallScope&) = delete;

 private:
  TCanvasCall Snapshot(const char* Op) const;
  TCanvas* canvas_;
};
