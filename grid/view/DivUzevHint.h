#pragma once
// The hint window for the grid's cell hints written in markup (tags,
// anchors, pictures) or in the wide-text encoding. For any other hint
// (another control's, or a plain grid text) it is the framework's plain
// hint window, so the application may use it for all its hints.
#include <string>

#include "framework/controls/Forms.h"

class TImageList;
class TPictureContainer;

class THTMLHintWindow : public THintWindow {
 public:
  explicit THTMLHintWindow(TComponent* AOwner);
  void ActivateHint(TRect Rect, const std::string& AHint) override;
  void ActivateHintData(TRect Rect, const std::string& AHint, void* AData) override;
  TRect CalcHintRect(int MaxWidth, const std::string& AHint, void* AData) override;
  // Whether the window draws its text as markup or wide text.
  bool Drawn() const { return FDrawn; }
  int TextWidth() const { return FTextWidth; }
  int TextHeight() const { return FTextHeight; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;

 private:
  // Measures the hint as the grid writes it: wide text on one line in the
  // grid's font, anything else by the markup layout within MaxWidth.
  TSize Measure(const std::string& AHint, int MaxWidth);

  TImageList* FImages = nullptr;
  TPictureContainer* FPictureContainer = nullptr;
  int FTextHeight = 0;
  int FTextWidth = 0;
  std::string FWideCaption;
  bool FWide = false;
  bool FDrawn = false;
};

// The grid font's name, for wide-text hints.
extern std::string HintFontName;
