#pragma once
// A list of equal-sized images drawn by index (glyphs of panels, buttons and
// grid cells). Each image keeps its own transparency: masked images leave
// out their mask colour, images with alpha blend.
#include <vector>

#include "framework/classes/Classes.h"
#include "framework/graphics/Graphics.h"

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType { itImage, itMask };

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* AOwner);
  TImageList(TComponent* AOwner, int AWidth, int AHeight);
  ~TImageList() override;
  void Assign(TPersistent* Source) override;

  int Width() const { return width_; }
  // Changing the size clears the list, as the platform does.
  void SetWidth(int Value);
  int Height() const { return height_; }
  void SetHeight(int Value);
  void SetSize(int AWidth, int AHeight);
  int Count() const { return static_cast<int>(images_.size()); }
  bool Masked() const { return masked_; }
  void SetMasked(bool Value) { masked_ = Value; }
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor Value);
  TDrawingStyle DrawingStyle() const { return drawingStyle_; }
  void SetDrawingStyle(TDrawingStyle Value) { drawingStyle_ = Value; }

  // Adds the image (a strip wider than Width adds one image per Width
  // pixels); Mask, when given, marks transparent pixels by its white ones.
  // Answers the index of the first image added, -1 when nothing was added.
  int Add(TBitmap* Image, TBitmap* Mask);
  // Pixels of MaskColor become transparent.
  int AddMasked(TBitmap* Image, TColor MaskColor);
  int AddIcon(TIcon* Image);
  void Insert(int Index, TBitmap* Image, TBitmap* Mask);
  void Replace(int Index, TBitmap* Image, TBitmap* Mask);
  // EInvalidOperation "Invalid ImageList index" outside 0..Count-1.
  void Delete(int Index);
  void Clear();
  void Move(int CurIndex, int NewIndex);

  // Nothing for an index outside the list; a disabled image is drawn greyed.
  void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true);
  void Draw(TCanvas* Canvas, int X, int Y, int Index, TDrawingStyle ADrawingStyle, TImageType AImageType,
            bool Enabled = true);
  // Image Index on the list's background colour (clWindow for clNone), the
  // bitmap sized to the list; false outside the list.
  bool GetBitmap(int Index, TBitmap* Image);
  bool GetIcon(int Index, TIcon* Image);
  // The image's pixels with their alpha (32 bits).
  const TPixelData* ImagePixels(int Index) const;

  TNotifyEvent OnChange;

 private:
  void CheckIndex(int Index) const;
  void Changed();
  std::vector<TPixelData> Slice(const TPixelData& Src, const std::vector<bool>* Transparent) const;
  int width_ = 16;
  int height_ = 16;
  bool masked_ = true;
  TColor bkColor_ = clNone;
  TDrawingStyle drawingStyle_ = dsNormal;
  std::vector<TPixelData> images_;
};
