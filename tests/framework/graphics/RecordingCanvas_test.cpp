#include <gtest/gtest.h>

#include "framework/backend/Painter.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/RecordingCanvas.h"

TEST(RecordingCanvas, RecordsCallsWithTheToolsInEffect) {
  TRecordingCanvas c;
  c.Brush()->SetColor(clRed);
  c.FillRect(Rect(0, 0, 10, 10));
  c.Pen()->SetColor(clBlue);
  c.Pen()->SetWidth(2);
  c.MoveTo(1, 1);
  c.LineTo(5, 1);
  c.Font()->SetStyle({fsBold});
  c.TextOut(3, 4, "Hi");
  TRect r(0, 0, 50, 20);
  DrawText(c.Handle(), "Cell", r, DT_SINGLELINE | DT_CENTER);

  const TCanvasRecorder& rec = c.Recorder();
  EXPECT_EQ(rec.Ops(), "FillRect LineTo TextOut DrawText");
  auto fills = rec.Calls("FillRect");
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].Rect, Rect(0, 0, 10, 10));
  EXPECT_EQ(fills[0].BrushColor, clRed);
  auto line = rec.Calls("LineTo")[0];
  EXPECT_EQ(line.Points, (std::vector<TPoint>{{1, 1}, {5, 1}}));
  EXPECT_EQ(line.PenColor, clBlue);
  EXPECT_EQ(line.PenWidth, 2);
  auto text = rec.Calls("TextOut")[0];
  EXPECT_EQ(text.Text, "Hi");
  EXPECT_TRUE(text.FontStyle.Contains(fsBold));
  auto dt = rec.Calls("DrawText")[0];
  EXPECT_EQ(dt.Flags, DT_SINGLELINE | DT_CENTER);
  EXPECT_EQ(dt.Text, "Cell");
  // The piece DrawText drew is recorded too, one level down.
  bool nested = false;
  for (const TCanvasCall& k : rec.AllCalls())
    if (k.Op == "TextOut" && k.Text == "Cell") nested = k.Depth == 1;
  EXPECT_TRUE(nested);
}

TEST(RecordingCanvas, WithASizeItAlsoDrawsPixels) {
  TRecordingCanvas c(10, 10);
  c.Brush()->SetColor(clLime);
  c.FillRect(Rect(2, 2, 4, 4));
  EXPECT_EQ(c.Pixels(3, 3), clLime);
  EXPECT_EQ(c.Pixels(5, 5), clWhite);
  EXPECT_EQ(c.Recorder().Count("FillRect"), 1);
}

TEST(RecordingCanvas, ARecorderCanWatchAnyCanvas) {
  TBitmap b(4, 4);
  TCanvasRecorder rec;
  b.Canvas()->SetRecorder(&rec);
  b.Canvas()->Rectangle(Rect(0, 0, 4, 4));
  b.Canvas()->SetRecorder(nullptr);
  b.Canvas()->Ellipse(Rect(0, 0, 4, 4));
  EXPECT_EQ(rec.Ops(), "Rectangle");
  EXPECT_NE(rec.AllCalls()[0].ToString().find("Rectangle (0,0,4,4)"), std::string::npos);
}
