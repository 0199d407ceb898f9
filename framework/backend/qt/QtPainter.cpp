// The painter on Qt: draws with QPainter, keeping the platform's pixel rules
// (exclusive right and bottom edges, lines without their last pixel, pen
// dash patterns in pixels, raster operations on bitmap memory).
#include "framework/backend/qt/QtPainter.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QRegion>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <unordered_map>

#include "framework/backend/qt/QtStyle.h"
#include "framework/graphics/PixelOps.h"
#include "framework/graphics/Region.h"

void QtEnsureApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char arg0[] = "cf30406";
  static char* argv[] = {arg0, nullptr};
  new QApplication(argc, argv);
  // The program ends when its main form closes, not when Qt thinks so.
  QApplication::setQuitOnLastWindowClosed(false);
}

namespace {
QColor ToQColor(TColor c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

QString ToQString(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QFont MakeFont(const TPainterFont& f) {
  QFont q(ToQString(f.Name));
  int h = f.Height == 0 ? 11 : std::abs(f.Height);
  q.setPixelSize(std::max(1, h));
  if (f.Height > 0) {
    // A positive height is the cell height: scale the em size to fit it.
    QFontMetrics fm(q);
    if (fm.height() > 0)
      q.setPixelSize(std::max(1, static_cast<int>(std::lround(double(h) * h / fm.height()))));
  }
  q.setBold(f.Style.Contains(fsBold));
  q.setItalic(f.Style.Contains(fsItalic));
  q.setUnderline(f.Style.Contains(fsUnderline));
  q.setStrikeOut(f.Style.Contains(fsStrikeOut));
  if (f.Pitch == fpFixed) q.setFixedPitch(true), q.setStyleHint(QFont::TypeWriter);
  q.setKerning(false);
  return q;
}

// Fonts in use, made once each: building a QFont and its metrics for every
// font change, and shaping a text for every measure, cost more than the
// rest of painting a grid cell. Painting runs on the GUI thread only.
struct TFontEntry {
  QFont Font;
  QFontMetrics Metrics;
  int Ascent;
  int Height;
  std::optional<TTextMetric> TextMetric;
  // Widths of the texts measured in this font.
  std::unordered_map<std::string, int> Widths;
  explicit TFontEntry(const QFont& f)
      : Font(f), Metrics(f), Ascent(Metrics.ascent()), Height(Metrics.height()) {}
  int Width(const std::string& Text) {
    auto it = Widths.find(Text);
    if (it != Widths.end()) return it->second;
    // A cap keeps screens of ever new texts from growing the cache.
    if (Widths.size() >= 8192) Widths.clear();
    const int w =
        Metrics.horizontalAdvance(QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size())));
    Widths.emplace(Text, w);
    return w;
  }
};

TFontEntry* FontEntryFor(const TPainterFont& f) {
  static std::unordered_map<std::string, std::unique_ptr<TFontEntry>> fonts;
  std::string key = f.Name;
  key += '\0';
  key += std::to_string(f.Height) + ',' + std::to_string(f.Style.Mask()) + ',' +
         std::to_string(static_cast<int>(f.Pitch)) + ',' + std::to_string(f.Orientation);
  auto it = fonts.find(key);
  if (it != fonts.end()) return it->second.get();
  if (fonts.size() >= 256) fonts.clear();
  return fonts.emplace(std::move(key), std::make_unique<TFontEntry>(MakeFont(f))).first->second.get();
}

QPainter::CompositionMode ModeFor(TPenMode m) {
  switch (m) {
    case pmNot:
      return QPainter::RasterOp_NotDestination;
    case pmNotCopy:
      return QPainter::RasterOp_NotSource;
    case pmMergePenNot:
      return QPainter::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot:
      return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen:
      return QPainter::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen:
      return QPainter::RasterOp_NotSourceAndDestination;
    case pmMerge:
      return QPainter::RasterOp_SourceOrDestination;
    case pmNotMerge:
      return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMask:
      return QPainter::RasterOp_SourceAndDestination;
    case pmNotMask:
      return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmXor:
      return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor:
      return QPainter::RasterOp_NotSourceXorDestination;
    default:
      return QPainter::CompositionMode_SourceOver;
  }
}

Qt::BrushStyle HatchFor(TBrushStyle s) {
  switch (s) {
    case bsHorizontal:
      return Qt::HorPattern;
    case bsVertical:
      return Qt::VerPattern;
    case bsFDiagonal:
      return Qt::FDiagPattern;
    case bsBDiagonal:
      return Qt::BDiagPattern;
    case bsCross:
      return Qt::CrossPattern;
    case bsDiagCross:
      return Qt::DiagCrossPattern;
    default:
      return Qt::SolidPattern;
  }
}

// Pixel runs (on, off, ...) of the cosmetic dash styles.
std::vector<int> DashPattern(TPenStyle s) {
  switch (s) {
    case psDash:
      return {18, 6};
    case psDot:
      return {3, 3};
    case psDashDot:
      return {9, 6, 3, 6};
    case psDashDotDot:
      return {9, 3, 3, 3, 3, 3};
    case psAlternate:
      return {1, 1};
    default:
      return {};
  }
}

QImage::Format FormatOf(const TPixelData& px, bool alpha) {
  if (px.BytesPerPixel == 3) return QImage::Format_BGR888;
  return alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
}

// A read-only QImage over pixel memory (no copy).
QImage View(const TPixelData& px, bool alpha) {
  return QImage(px.Bits.data(), px.Width, px.Height, px.Stride, FormatOf(px, alpha));
}

QRegion ToQRegion(const TRegion& r) {
  QRegion q;
  std::vector<QRect> rects;
  rects.reserve(r.Rects().size());
  for (const TRect& t : r.Rects()) rects.emplace_back(t.Left, t.Top, t.Width(), t.Height());
  q.setRects(rects.data(), static_cast<int>(rects.size()));
  return q;
}

class QtPainterImpl : public TPainter {
 public:
  // Over bitmap memory.
  explicit QtPainterImpl(TPixelData& px) : pixels_(&px) {
    QtEnsureApplication();
    image_ = QImage(px.Bits.data(), px.Width, px.Height, px.Stride, FormatOf(px, false));
    owned_ = std::make_unique<QPainter>(&image_);
    p_ = owned_.get();
    size_ = {px.Width, px.Height};
    Init();
  }
  // Over a caller's painter.
  QtPainterImpl(QPainter* p, const QSize& size, int dpi)
      : p_(p), size_{size.width(), size.height()}, dpi_(dpi) {
    base_ = p_->worldTransform();
    if (p_->hasClipping()) baseClip_ = p_->clipRegion();
    hasBaseClip_ = p_->hasClipping();
    Init();
  }
  ~QtPainterImpl() override {
    if (owned_) owned_->end();
  }

  bool CanDraw() const override { return true; }
  int PixelsPerInch() const override { return dpi_; }
  TSize DeviceSize() const override { return size_; }

  void SetPen(const TPainterPen& pen) override { pen_ = pen; }
  void SetBrush(const TPainterBrush& b) override { brush_ = b; }
  void SetFont(const TPainterFont& f) override {
    font_ = f;
    TFontEntry* fe = FontEntryFor(f);
    if (fe == fe_) return;
    fe_ = fe;
    p_->setFont(fe_->Font);
  }
  void SetMapping(const TPoint& WindowOrg, const TPoint& ViewportOrg, double ScaleX, double ScaleY) override {
    org_ = WindowOrg;
    viewport_ = ViewportOrg;
    sx_ = ScaleX;
    sy_ = ScaleY;
    ApplyTransform();
  }
  void SetClip(const TRegion* r) override {
    if (r)
      clip_ = std::make_unique<TRegion>(*r);
    else
      clip_.reset();
    p_->setWorldTransform(base_);
    if (clip_) {
      QRegion q = ToQRegion(*clip_);
      if (hasBaseClip_) q = q.intersected(baseClip_);
      p_->setClipRegion(q);
    } else if (hasBaseClip_) {
      p_->setClipRegion(baseClip_);
    } else {
      p_->setClipping(false);
    }
    ApplyTransform();
  }

  void FillRect(const TRect& R0) override {
    const TRect R = Mapped() ? Norm(R0) : R0;
    if (IsRectEmpty(R) || brush_.Style == bsClear) return;
    p_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    QRect q(R.Left, R.Top, R.Width(), R.Height());
    if (Hatched() && brush_.Opaque) p_->fillRect(q, ToQColor(brush_.BkColor));
    p_->fillRect(q, MakeBrush());
  }

  void Rectangle(const TRect& R0) override {
    const TRect R = Mapped() ? Norm(R0) : R0;
    if (R.Right <= R.Left || R.Bottom <= R.Top) return;
    if (pen_.Mode == pmNop) return;
    SetMode();
    bool noPen = pen_.Style == psClear;
    if (brush_.Style != bsClear) {
      QRect fill = noPen ? QRect(R.Left, R.Top, R.Width() - 1, R.Height() - 1)
                         : QRect(R.Left + 1, R.Top + 1, R.Width() - 2, R.Height() - 2);
      if (fill.width() > 0 && fill.height() > 0) p_->fillRect(fill, MakeBrush());
    }
    if (noPen) return;
    if (Cosmetic()) {
      // A one-pixel rectangle is its own outline (the closed path below
      // has no length).
      if (R.Width() == 1 && R.Height() == 1 && DashPattern(pen_.Style).empty()) {
        p_->fillRect(QRect(R.Left, R.Top, 1, 1), PenColor());
        p_->setCompositionMode(QPainter::CompositionMode_SourceOver);
        return;
      }
      TPoint pts[5] = {{R.Left, R.Top},
                       {R.Right - 1, R.Top},
                       {R.Right - 1, R.Bottom - 1},
                       {R.Left, R.Bottom - 1},
                       {R.Left, R.Top}};
      PixelPolyline(pts, 5);
    } else {
      p_->setPen(MakePen(Qt::MiterJoin));
      p_->setBrush(Qt::NoBrush);
      double in = pen_.Style == psInsideFrame ? pen_.Width / 2.0 : 0;
      p_->drawRect(
          QRectF(R.Left + 0.5 + in, R.Top + 0.5 + in, R.Width() - 1 - 2 * in, R.Height() - 1 - 2 * in));
    }
  }

  void RoundRect(const TRect& R0, int CX, int CY) override {
    const TRect R = Mapped() ? Norm(R0) : R0;
    if (R.Right <= R.Left || R.Bottom <= R.Top) return;
    Shape([&] {
      p_->drawRoundedRect(QRectF(R.Left + 0.5, R.Top + 0.5, R.Width() - 1, R.Height() - 1), CX / 2.0,
                          CY / 2.0);
    });
  }

  void Ellipse(const TRect& R0) override {
    const TRect R = Mapped() ? Norm(R0) : R0;
    if (R.Right <= R.Left || R.Bottom <= R.Top) return;
    Shape([&] { p_->drawEllipse(QRectF(R.Left + 0.5, R.Top + 0.5, R.Width() - 1, R.Height() - 1)); });
  }

  void ArcShape(TArcKind kind, const TRect& R0, const TPoint& a, const TPoint& b) override {
    const TRect R = Mapped() ? Norm(R0) : R0;
    if (R.Right <= R.Left || R.Bottom <= R.Top) return;
    double cx = (R.Left + R.Right) / 2.0, cy = (R.Top + R.Bottom) / 2.0;
    double flip = sy_ < 0 ? -1.0 : 1.0;
    auto angle = [&](const TPoint& p) { return std::atan2(-(p.Y - cy) * flip, p.X - cx) * 180.0 / M_PI; };
    double start = angle(a), end = angle(b);
    double span = end - start;
    while (span <= 0) span += 360;  // counter-clockwise from start to end
    QRectF box(R.Left + 0.5, R.Top + 0.5, R.Width() - 1, R.Height() - 1);
    int s16 = static_cast<int>(std::lround(start * 16)), span16 = static_cast<int>(std::lround(span * 16));
    if (kind == akArc) {
      if (pen_.Style == psClear || pen_.Mode == pmNop) return;
      SetMode();
      p_->setPen(MakePen(Qt::RoundJoin));
      p_->setBrush(Qt::NoBrush);
      p_->drawArc(box, s16, span16);
      return;
    }
    Shape([&] {
      if (kind == akPie)
        p_->drawPie(box, s16, span16);
      else
        p_->drawChord(box, s16, span16);
    });
  }

  void Polygon(const TPoint* pts, int n) override {
    if (n < 2) return;
    QPolygon poly;
    for (int i = 0; i < n; ++i) poly << QPoint(pts[i].X, pts[i].Y);
    if (pen_.Mode == pmNop) return;
    SetMode();
    if (brush_.Style != bsClear) {
      p_->setPen(Qt::NoPen);
      p_->setBrush(MakeBrush());
      p_->drawPolygon(poly, Qt::OddEvenFill);
    }
    if (pen_.Style == psClear) return;
    if (Cosmetic()) {
      std::vector<TPoint> closed(pts, pts + n);
      closed.push_back(pts[0]);
      PixelPolyline(closed.data(), static_cast<int>(closed.size()));
    } else {
      p_->setPen(MakePen(Qt::MiterJoin));
      p_->setBrush(Qt::NoBrush);
      p_->drawPolygon(poly);
    }
  }

  void Polyline(const TPoint* pts, int n) override {
    if (n < 2 || pen_.Style == psClear || pen_.Mode == pmNop) return;
    SetMode();
    if (Cosmetic()) {
      PixelPolyline(pts, n);
      return;
    }
    p_->setPen(MakePen(Qt::RoundJoin));
    p_->setBrush(Qt::NoBrush);
    QPolygon poly;
    for (int i = 0; i < n; ++i) poly << QPoint(pts[i].X, pts[i].Y);
    p_->drawPolyline(poly);
  }

  void SetPixel(int X, int Y, TColor C) override {
    p_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p_->fillRect(QRect(X, Y, 1, 1), ToQColor(C));
  }

  TColor GetPixel(int X, int Y) override {
    if (!pixels_) return clNone;
    QPoint d = p_->worldTransform().map(QPoint(X, Y));
    if (d.x() < 0 || d.y() < 0 || d.x() >= pixels_->Width || d.y() >= pixels_->Height) return clNone;
    return pixels_->GetPixel(d.x(), d.y());
  }

  bool FloodFill(int X, int Y, TColor C, TFillStyle S) override {
    if (!pixels_) return false;
    QPoint d = p_->worldTransform().map(QPoint(X, Y));
    return FloodFillPixels(*pixels_, d.x(), d.y(), C, S, brush_.Color, clip_.get());
  }

  void DrawFocusRect(const TRect& R) override {
    if (IsRectEmpty(R)) return;
    // Every other pixel of the frame inverted, so a second call removes it.
    QVector<QPoint> pts;
    auto add = [&](int x, int y) {
      if (((x + y) & 1) == 0) pts << QPoint(x, y);
    };
    for (int x = R.Left; x < R.Right; ++x) {
      add(x, R.Top);
      if (R.Bottom - 1 > R.Top) add(x, R.Bottom - 1);
    }
    for (int y = R.Top + 1; y < R.Bottom - 1; ++y) {
      add(R.Left, y);
      if (R.Right - 1 > R.Left) add(R.Right - 1, y);
    }
    p_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p_->setPen(QPen(Qt::white, 0));
    p_->drawPoints(pts.data(), static_cast<int>(pts.size()));
    p_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  }

  void TextOut(int X, int Y, const std::string& Text, TColor Color, bool Opaque, TColor Bk,
               const TRect* Clip) override {
    if (Text.empty()) return;
    QString s = ToQString(Text);
    const QFontMetrics& fm = fe_->Metrics;
    // Upright text that lies wholly inside its clip needs no clip and no
    // saved painter state.
    if (font_.Orientation == 0 && sy_ >= 0) {
      const int w = fe_->Width(Text);
      bool inside = true;
      if (Clip) {
        const TRect c = Mapped() ? Norm(*Clip) : *Clip;
        inside = X >= c.Left && Y >= c.Top && X + w <= c.Right && Y + fe_->Height <= c.Bottom;
      }
      if (inside) {
        p_->setCompositionMode(QPainter::CompositionMode_SourceOver);
        if (Opaque) p_->fillRect(QRect(X, Y, w, fe_->Height), ToQColor(Bk));
        p_->setPen(ToQColor(Color));
        p_->drawText(QPoint(X, Y + fe_->Ascent), s);
        return;
      }
    }
    p_->save();
    p_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (Clip) {
      TRect c = Mapped() ? Norm(*Clip) : *Clip;
      p_->setClipRect(QRect(c.Left, c.Top, c.Width(), c.Height()), Qt::IntersectClip);
    }
    p_->translate(X, Y);
    // Text stays upright when y grows upwards, and runs down from (X, Y).
    if (sy_ < 0) p_->scale(1, -1);
    if (font_.Orientation != 0) p_->rotate(-font_.Orientation / 10.0);
    if (Opaque) p_->fillRect(QRect(0, 0, fm.horizontalAdvance(s), fm.height()), ToQColor(Bk));
    p_->setFont(fe_->Font);
    p_->setPen(ToQColor(Color));
    p_->drawText(QPoint(0, fm.ascent()), s);
    p_->restore();
  }

  TSize TextExtent(const std::string& Text) override { return {fe_->Width(Text), fe_->Height}; }

  TTextMetric TextMetrics() override { return MetricsOf(*fe_, font_); }

  void DrawImage(const TRect& Dest0, const TPixelData& Src, const TRect& SrcRect, TCopyMode Rop, TColor Key,
                 bool Blend) override {
    if (Mapped()) {
      // Pictures land upright on the device rectangle their corners map to.
      TRect n = Norm(Dest0);
      QRect d = p_->worldTransform().mapRect(QRect(n.Left, n.Top, n.Width(), n.Height()));
      QTransform keep = p_->worldTransform();
      p_->setWorldTransform(base_);
      double sx = sx_, sy = sy_;
      sx_ = sy_ = 1.0;
      TPoint org = org_, vp = viewport_;
      org_ = viewport_ = TPoint();
      DrawImage(Bounds(d.x(), d.y(), d.width(), d.height()), Src, SrcRect, Rop, Key, Blend);
      sx_ = sx, sy_ = sy, org_ = org, viewport_ = vp;
      p_->setWorldTransform(keep);
      return;
    }
    const TRect& Dest = Dest0;
    if (IsRectEmpty(Dest) || Src.Width <= 0 || Src.Height <= 0) return;
    TRect src;
    if (!IntersectRect(src, SrcRect, Rect(0, 0, Src.Width, Src.Height))) return;
    // Keep the destination in step when the source was cut at its edges.
    TRect dest = Dest;
    if (!(src == SrcRect) && SrcRect.Width() > 0 && SrcRect.Height() > 0) {
      double sx = double(Dest.Width()) / SrcRect.Width(), sy = double(Dest.Height()) / SrcRect.Height();
      dest = Rect(Dest.Left + int(std::lround((src.Left - SrcRect.Left) * sx)),
                  Dest.Top + int(std::lround((src.Top - SrcRect.Top) * sy)),
                  Dest.Left + int(std::lround((src.Right - SrcRect.Left) * sx)),
                  Dest.Top + int(std::lround((src.Bottom - SrcRect.Top) * sy)));
    }
    bool keyed = Key != clNone;
    if (Rop == cmSrcCopy || keyed || Blend) {
      QImage img = View(Src, Blend && Src.HasAlpha && Src.BytesPerPixel == 4);
      if (keyed) {
        img = img.convertToFormat(QImage::Format_ARGB32);
        QRgb k = qRgb(GetRValue(Key), GetGValue(Key), GetBValue(Key));
        for (int y = src.Top; y < src.Bottom; ++y) {
          QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
          for (int x = src.Left; x < src.Right; ++x)
            if ((line[x] & 0xFFFFFF) == (k & 0xFFFFFF)) line[x] = 0;
        }
      }
      p_->setCompositionMode(QPainter::CompositionMode_SourceOver);
      p_->drawImage(QRect(dest.Left, dest.Top, dest.Width(), dest.Height()), img,
                    QRect(src.Left, src.Top, src.Width(), src.Height()));
      return;
    }
    if (pixels_) {
      // Bitmap memory: the raster operation is done exactly, pixel by pixel.
      QRect mapped = p_->worldTransform().mapRect(QRect(dest.Left, dest.Top, dest.Width(), dest.Height()));
      TRect dd = Bounds(mapped.x(), mapped.y(), mapped.width(), mapped.height());
      RopBlit(*pixels_, dd, Src, src, Rop, brush_.Color, clip_.get());
      return;
    }
    // A window: the raster operations Qt has, else a plain copy.
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (Rop) {
      case cmSrcPaint:
        mode = QPainter::RasterOp_SourceOrDestination;
        break;
      case cmSrcAnd:
        mode = QPainter::RasterOp_SourceAndDestination;
        break;
      case cmSrcInvert:
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
      case cmSrcErase:
        mode = QPainter::RasterOp_SourceAndNotDestination;
        break;
      case cmNotSrcCopy:
        mode = QPainter::RasterOp_NotSource;
        break;
      case cmNotSrcErase:
        mode = QPainter::RasterOp_NotSourceAndNotDestination;
        break;
      case cmMergePaint:
        mode = QPainter::RasterOp_NotSourceOrDestination;
        break;
      case cmDstInvert:
        mode = QPainter::RasterOp_NotDestination;
        break;
      case cmBlackness:
        mode = QPainter::RasterOp_ClearDestination;
        break;
      case cmWhiteness:
        mode = QPainter::RasterOp_SetDestination;
        break;
      case cmPatCopy:
        p_->fillRect(QRect(dest.Left, dest.Top, dest.Width(), dest.Height()), ToQColor(brush_.Color));
        return;
      case cmPatInvert:
        p_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p_->fillRect(QRect(dest.Left, dest.Top, dest.Width(), dest.Height()), ToQColor(brush_.Color));
        p_->setCompositionMode(QPainter::CompositionMode_SourceOver);
        return;
      default:
        break;
    }
    p_->setCompositionMode(mode);
    p_->drawImage(QRect(dest.Left, dest.Top, dest.Width(), dest.Height()), View(Src, false),
                  QRect(src.Left, src.Top, src.Width(), src.Height()));
    p_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  }

  bool ReadPixels(const TRect& R, TPixelData& Out) override {
    if (!pixels_) return false;
    TRect r;
    if (!IntersectRect(r, R, Rect(0, 0, pixels_->Width, pixels_->Height))) return false;
    Out.Resize(r.Width(), r.Height(), 4);
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x) Out.SetPixel(x, y, pixels_->GetPixel(r.Left + x, r.Top + y));
    return true;
  }

  void DrawThemeElement(const TThemeElement& E, const TRect& R) override {
    p_->save();
    p_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    QtDrawThemeElement(p_, E, QRect(R.Left, R.Top, R.Width(), R.Height()));
    p_->restore();
  }

  static TTextMetric MetricsOf(TFontEntry& fe, const TPainterFont& f) {
    if (!fe.TextMetric) fe.TextMetric = MetricsOf(fe.Font, f);
    return *fe.TextMetric;
  }

  static TTextMetric MetricsOf(const QFont& q, const TPainterFont& f) {
    QFontMetrics fm(q);
    TTextMetric tm;
    tm.tmAscent = fm.ascent();
    tm.tmDescent = fm.descent();
    tm.tmHeight = fm.height();
    tm.tmInternalLeading = std::max(0, fm.height() - q.pixelSize());
    tm.tmExternalLeading = std::max(0, fm.leading());
    tm.tmAveCharWidth = fm.averageCharWidth();
    tm.tmMaxCharWidth = fm.maxWidth();
    tm.tmWeight = f.Style.Contains(fsBold) ? 700 : 400;
    tm.tmItalic = f.Style.Contains(fsItalic);
    tm.tmUnderlined = f.Style.Contains(fsUnderline);
    tm.tmStruckOut = f.Style.Contains(fsStrikeOut);
    tm.tmPitchAndFamily = q.fixedPitch() ? 0 : 1;
    return tm;
  }

 private:
  void Init() {
    p_->setRenderHint(QPainter::Antialiasing, false);
    p_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    fe_ = FontEntryFor(font_);
    p_->setFont(fe_->Font);
    ApplyTransform();
  }

  void ApplyTransform() {
    QTransform t = base_;
    t.translate(viewport_.X, viewport_.Y);
    t.scale(sx_, sy_);
    t.translate(-org_.X, -org_.Y);
    p_->setWorldTransform(t);
  }

  // In the metric mapping modes the top of a rectangle has the larger y.
  static TRect Norm(const TRect& R) {
    return {std::min(R.Left, R.Right), std::min(R.Top, R.Bottom), std::max(R.Left, R.Right),
            std::max(R.Top, R.Bottom)};
  }
  bool Mapped() const { return sx_ != 1.0 || sy_ != 1.0; }

  bool Cosmetic() const { return pen_.Width <= 1; }
  static bool AxisAligned(const TPoint* pts, int n) {
    for (int i = 0; i + 1 < n; ++i)
      if (pts[i].X != pts[i + 1].X && pts[i].Y != pts[i + 1].Y) return false;
    return true;
  }
  bool Hatched() const { return !brush_.Pattern && brush_.Style != bsSolid && brush_.Style != bsClear; }

  QColor PenColor() const {
    if (pen_.Mode == pmBlack) return Qt::black;
    if (pen_.Mode == pmWhite) return Qt::white;
    return ToQColor(pen_.Color);
  }

  void SetMode() { p_->setCompositionMode(ModeFor(pen_.Mode)); }

  QPen MakePen(Qt::PenJoinStyle join) const {
    QPen pen(PenColor(), std::max(1, pen_.Width));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(join);
    if (pen_.Style == psClear) pen.setStyle(Qt::NoPen);
    return pen;
  }

  QBrush MakeBrush() const {
    if (brush_.Pattern && brush_.Pattern->Width > 0) return QBrush(View(*brush_.Pattern, false).copy());
    if (brush_.Style == bsSolid || brush_.Style == bsClear) return QBrush(ToQColor(brush_.Color));
    return QBrush(ToQColor(brush_.Color), HatchFor(brush_.Style));
  }

  // Pen outline and brush fill of a closed figure drawn by Draw.
  template <typename Fn>
  void Shape(Fn&& draw) {
    if (pen_.Mode == pmNop) return;
    SetMode();
    if (Hatched() && brush_.Opaque) {
      p_->setPen(Qt::NoPen);
      p_->setBrush(ToQColor(brush_.BkColor));
      draw();
    }
    p_->setPen(pen_.Style == psClear ? QPen(Qt::NoPen) : MakePen(Qt::MiterJoin));
    if (pen_.Style != psClear && Cosmetic()) p_->setPen(QPen(PenColor(), 0));
    p_->setBrush(brush_.Style == bsClear ? QBrush(Qt::NoBrush) : MakeBrush());
    draw();
    p_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  }

  // One-pixel lines point by point, each segment without its last pixel, in
  // the pen's dash pattern, which runs on across the segments.
  void PixelPolyline(const TPoint* pts, int n) {
    std::vector<int> dash = DashPattern(pen_.Style);
    if (dash.empty() && AxisAligned(pts, n)) {
      // Solid lines along the axes: one rectangle a segment, end pixel left out.
      QColor c = PenColor();
      for (int i = 0; i + 1 < n; ++i) {
        const TPoint &a = pts[i], &b = pts[i + 1];
        if (a.X == b.X && a.Y == b.Y) continue;
        if (a.Y == b.Y)
          p_->fillRect(a.X < b.X ? QRect(a.X, a.Y, b.X - a.X, 1) : QRect(b.X + 1, a.Y, a.X - b.X, 1), c);
        else
          p_->fillRect(a.Y < b.Y ? QRect(a.X, a.Y, 1, b.Y - a.Y) : QRect(a.X, b.Y + 1, 1, a.Y - b.Y), c);
      }
      p_->setCompositionMode(QPainter::CompositionMode_SourceOver);
      return;
    }
    int total = 0;
    for (int d : dash) total += d;
    QVector<QPoint> out;
    int step = 0;
    for (int i = 0; i + 1 < n; ++i) {
      int x0 = pts[i].X, y0 = pts[i].Y, x1 = pts[i + 1].X, y1 = pts[i + 1].Y;
      int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
      int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
      int err = dx + dy;
      while (!(x0 == x1 && y0 == y1)) {
        bool on = true;
        if (total > 0) {
          int pos = step % total, acc = 0;
          for (size_t k = 0; k < dash.size(); ++k) {
            acc += dash[k];
            if (pos < acc) {
              on = (k % 2) == 0;
              break;
            }
          }
        }
        if (on) out << QPoint(x0, y0);
        ++step;
        int e2 = 2 * err;
        if (e2 >= dy) err += dy, x0 += sx;
        if (e2 <= dx) err += dx, y0 += sy;
      }
    }
    if (out.isEmpty()) return;
    // Neighbouring pixels of a row go out as one rectangle: far cheaper than
    // single points, and each pixel is still touched once (XOR stays exact).
    QColor c = PenColor();
    int i = 0, n2 = static_cast<int>(out.size());
    while (i < n2) {
      int j = i + 1;
      int lo = out[i].x(), hi = out[i].x();
      while (j < n2 && out[j].y() == out[i].y() && (out[j].x() == hi + 1 || out[j].x() == lo - 1)) {
        lo = std::min(lo, out[j].x());
        hi = std::max(hi, out[j].x());
        ++j;
      }
      if (j == i + 1) {
        // A column: gather the vertical run instead.
        int top = out[i].y(), bottom = out[i].y();
        while (j < n2 && out[j].x() == out[i].x() && (out[j].y() == bottom + 1 || out[j].y() == top - 1)) {
          top = std::min(top, out[j].y());
          bottom = std::max(bottom, out[j].y());
          ++j;
        }
        p_->fillRect(QRect(out[i].x(), top, 1, bottom - top + 1), c);
      } else {
        p_->fillRect(QRect(lo, out[i].y(), hi - lo + 1, 1), c);
      }
      i = j;
    }
    p_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  }

  TPixelData* pixels_ = nullptr;
  QImage image_;
  std::unique_ptr<QPainter> owned_;
  QPainter* p_ = nullptr;
  TSize size_;
  int dpi_ = 96;
  QTransform base_;
  QRegion baseClip_;
  bool hasBaseClip_ = false;
  TPoint org_;
  TPoint viewport_;
  double sx_ = 1.0, sy_ = 1.0;
  std::unique_ptr<TRegion> clip_;
  TPainterPen pen_;
  TPainterBrush brush_;
  TPainterFont font_;
  TFontEntry* fe_ = nullptr;
};

// Measures text for canvases without a device.
class QtMeasuringPainter : public TPainter {
 public:
  QtMeasuringPainter() {
    QtEnsureApplication();
    fe_ = FontEntryFor(font_);
  }
  bool CanDraw() const override { return false; }
  void SetPen(const TPainterPen&) override {}
  void SetBrush(const TPainterBrush&) override {}
  void SetFont(const TPainterFont& f) override {
    // Every canvas measures through this one painter and hands it its font
    // each time it takes the painter over: the font is looked up only on a change.
    if (f.Name == font_.Name && f.Height == font_.Height && f.Style == font_.Style &&
        f.Pitch == font_.Pitch && f.Orientation == font_.Orientation)
      return;
    font_ = f;
    fe_ = FontEntryFor(f);
  }
  void SetClip(const TRegion*) override {}
  void SetMapping(const TPoint&, const TPoint&, double, double) override {}
  void FillRect(const TRect&) override {}
  void Rectangle(const TRect&) override {}
  void RoundRect(const TRect&, int, int) override {}
  void Ellipse(const TRect&) override {}
  void ArcShape(TArcKind, const TRect&, const TPoint&, const TPoint&) override {}
  void Polygon(const TPoint*, int) override {}
  void Polyline(const TPoint*, int) override {}
  void SetPixel(int, int, TColor) override {}
  TColor GetPixel(int, int) override { return clNone; }
  bool FloodFill(int, int, TColor, TFillStyle) override { return false; }
  void DrawFocusRect(const TRect&) override {}
  void TextOut(int, int, const std::string&, TColor, bool, TColor, const TRect*) override {}
  TSize TextExtent(const std::string& Text) override { return {fe_->Width(Text), fe_->Height}; }
  TTextMetric TextMetrics() override { return QtPainterImpl::MetricsOf(*fe_, font_); }
  void DrawImage(const TRect&, const TPixelData&, const TRect&, TCopyMode, TColor, bool) override {}
  bool ReadPixels(const TRect&, TPixelData&) override { return false; }
  void DrawThemeElement(const TThemeElement&, const TRect&) override {}

 private:
  TPainterFont font_;
  TFontEntry* fe_ = nullptr;
};
}  // namespace

std::unique_ptr<TPainter> NewQtPainter(QPainter* Painter, const QSize& DeviceSize, int PixelsPerInch) {
  return std::make_unique<QtPainterImpl>(Painter, DeviceSize, PixelsPerInch);
}

std::unique_ptr<TPainter> CreateBitmapPainter(TPixelData& Pixels) {
  if (Pixels.Width <= 0 || Pixels.Height <= 0) return nullptr;
  return std::make_unique<QtPainterImpl>(Pixels);
}

TPainter* MeasuringPainter() {
  static QtMeasuringPainter* painter = new QtMeasuringPainter();
  return painter;
}

QImage QtImageFromPixels(const TPixelData& Pixels) {
  if (Pixels.Width <= 0 || Pixels.Height <= 0) return QImage();
  return View(Pixels, Pixels.HasAlpha && Pixels.BytesPerPixel == 4).copy();
}

void QtImageToPixels(const QImage& Image, TPixelData& Pixels) {
  QImage img = Image.convertToFormat(QImage::Format_ARGB32);
  Pixels.Resize(img.width(), img.height(), 4);
  Pixels.HasAlpha = Image.hasAlphaChannel();
  for (int y = 0; y < img.height(); ++y)
    std::memcpy(Pixels.Row(y), img.constScanLine(y), static_cast<size_t>(img.width()) * 4);
}

void QtImageToBitmap(const QImage& Image, TBitmap& Bitmap) {
  TPixelData px;
  QtImageToPixels(Image, px);
  Bitmap.SetPixelFormat(pf32bit);
  Bitmap.SetPixelData(std::move(px));
}
