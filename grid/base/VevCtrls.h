#pragma once
// Small controls and helpers the grid makes for itself: the arrow windows
// that mark where a dragged column or row would drop, the window of the soft
// focus frame around the current cell with the alpha mask and blur that make
// its picture, the owner-drawn check box of the search footer, a string list
// read and written line by line by the text imports and exports, and a cell
// picture loaded from its file only when it is drawn.
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "framework/graphics/Graphics.h"

// ---------------------------------------------------------------------------
// Arrow windows

enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };

// A small lime arrow in a window of its own, shaped by its outline, hidden
// until the grid places it. The owner grid is its parent.
class TArrowWindow : public TCustomPanel {
 public:
  TArrowWindow(TComponent* AOwner, TArrowDirection Direction);
  TArrowDirection Dir() const { return FDir; }
  // The 7 points of the outline.
  const TPoint* Arrow() const { return FArrow; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Paint() override;

 private:
  TArrowDirection FDir;
  TPoint FArrow[7];
};

// ---------------------------------------------------------------------------
// The focus frame's window

class TGridAlphaMask;

// A disabled, top-most tool window that is never activated and draws
// nothing of its own: the grid gives it its picture, opacity and shape.
class TGridFocusWindow : public TCustomControl {
 public:
  explicit TGridFocusWindow(TComponent* AOwner);
  ~TGridFocusWindow() override;

  // Picture (drawn over the window colour by its alpha), the opacity of the
  // whole window (255 opaque) and its region (window coordinates; a hole
  // goes in as a second outline joined to the first).
  void SetFrame(const TGridAlphaMask& Picture, const std::vector<TPoint>& Region);
  int Opacity() const { return FOpacity; }
  const std::vector<TPoint>& Region() const { return FRegion; }
  TBitmap* Picture() const { return FPicture.get(); }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Paint() override;

 private:
  void ApplyLooks();
  std::unique_ptr<TBitmap> FPicture;
  std::vector<TPoint> FRegion;
  int FOpacity = 255;
};

// A 32-bit picture with premultiplied alpha, made from a colour picture and
// a grey mask.
class TGridAlphaMask : public TBitmap {
 public:
  TGridAlphaMask();
  uint8_t Opacity() const { return FOpacity; }
  void SetOpacity(uint8_t Value) { FOpacity = Value; }

  // For a 24-bit Bitmap only: takes its size and pixels, each with the mask
  // pixel's red byte as alpha and its colours premultiplied by it.
  void MergeMask(TBitmap* Mask, TBitmap* Bitmap, TColor Color);
  // From another mask: its opacity and pixel rows, in this size; from any
  // other picture, the picture. Always 32 bits a pixel afterwards.
  void Assign(TPersistent* Source) override;

  // Bitmap becomes a W x H 24-bit black picture with a white rounded
  // rectangle (an outline BorderWidth wide, or filled without one), blurred
  // by Radius.
  static void MakeRoundRectMask(TBitmap* Bitmap, int W, int H, int BorderWidth, int Corner, int Radius);
  // A Gaussian blur of a 24-bit mask whose middle rows and columns are
  // alike; raises "Blur only works for 24-bit bitmaps" for another bitmap.
  static void GaussianBlurMask(TBitmap* Bitmap, double Radius);

 private:
  uint8_t FOpacity = 255;
};

// ---------------------------------------------------------------------------
// Check box

// An owner-drawn check box (themed or classic box, caption with optional
// ellipsis, optionally drawn over its parent's background). It clicks
// itself: on a release over it after a press on it, and on Space.
class TVevCheckBox : public TCustomControl {
 public:
  explicit TVevCheckBox(TComponent* AOwner);
  ~TVevCheckBox() override;

  bool Down() const { return FDown; }
  void SetDown(bool Value);
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool Value);
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
  void SetButtonVertAlign(TTextLayout Value);
  // taLeftJustify: the box at the left; taRightJustify: at the right.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool Value);
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // Keeps the parent's background once instead of drawing it each time.
  bool TransparentChaching() const { return FTransparentCaching; }
  void SetTransparentChaching(bool Value) { FTransparentCaching = Value; }
  bool Hot() const { return FHot; }

  // Flips Checked unless ReadOnly.
  void Toggle();
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  TRect BoxArea() const;
  void InvalidateBox();
  void PaintBackground(TCanvas* C);
  void DropBackgroundCache();

  bool FDown = false;
  TCheckBoxState FState = cbUnchecked;
  bool FFocused = false;
  bool FReturnIsTab = false;
  TTextLayout FBtnVAlign = tlTop;
  TAlignment FAlignment = taLeftJustify;
  bool FEllipsis = false;
  std::string FCaption = "TVevCheckBox";
  bool FIsWinXP = true;
  bool FHot = false;
  bool FClicksDisabled = false;
  bool FReadOnly = false;
  bool FMouseDown = false;
  std::unique_ptr<TBitmap> FBkgBmp;
  bool FBkgCache = false;
  bool FTransparentCaching = false;
  bool FTransparent = false;
};

// ---------------------------------------------------------------------------
// Line-by-line text list

class TFileStringList : public TStringList {
 public:
  // Back to the first line; the pending text is dropped.
  void Reset();
  bool Eof() const { return fp >= Count(); }
  // The line at the read position, then the position moves on (the list's
  // index error past the last line).
  void ReadLn(std::string& s);
  // Text for the line being written.
  void Write(const std::string& s) { cache += s; }
  // Adds the pending text and s as a line.
  void WriteLn(const std::string& s);

 private:
  int fp = 0;
  std::string cache;
};

// ---------------------------------------------------------------------------
// A picture kept as a file name

class TFilePicture : public TPersistent {
 public:
  const std::string& Filename() const { return FFilename; }
  // Loads the file once to learn its size (loading errors reach the caller).
  void SetFilename(const std::string& Value);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Loads the file and draws it stretched into r; nothing without a name.
  void DrawPicture(TCanvas* Canvas, const TRect& r);
  void Assign(TPersistent* Source) override;

 private:
  std::string FFilename;
  int FWidth = 0;
  int FHeight = 0;
};
