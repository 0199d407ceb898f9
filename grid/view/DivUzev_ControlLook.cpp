// The control look of the grid (check box and radio styles and sizes, cell
// buttons, progress bars, comment marks, the fixed cells' hover and
// pressed gradients) and the small settings objects the painter reads:
// progress-bar looks and the filter button's glyphs.
#include "grid/base/VevDropDownAppearance.h"
#include "grid/model/DivUzev.h"

// ---------------------------------------------------------------------------
// TControlLook

TControlLook::TControlLook(TDedAdararAdoz* AOwner)
    : FOwner(AOwner),
      FCheckedGlyph(std::make_unique<TBitmap>()),
      FUnCheckedGlyph(std::make_unique<TBitmap>()),
      FRadioOnGlyph(std::make_unique<TBitmap>()),
      FRadioOffGlyph(std::make_unique<TBitmap>()) {
  Init();
  FDropDownHeader = std::make_unique<THeaderAppearance>(AOwner);
  FDropDownFooter = std::make_unique<TFooterAppearance>(AOwner);
}

TControlLook::~TControlLook() = default;

void TControlLook::Init() {
  FColor = clBlack;
  FCommentColor = static_cast<TColor>(0x0000FF);
  FProgressBorderColor = clGray;
  FFixedGradientFrom = clNone;
  FFixedGradientTo = clNone;
  FFixedGradientMirrorFrom = clNone;
  FFixedGradientMirrorTo = clNone;
  FFixedGradientHoverFrom = clGray;
  FFixedGradientHoverTo = clWhite;
  FFixedGradientHoverBorder = clSilver;
  FFixedGradientDownFrom = clGray;
  FFixedGradientDownTo = clSilver;
  FFixedGradientDownBorder = clGray;
  // These four reach the grid as well.
  SetFixedGradientHoverMirrorFrom(clNone);
  SetFixedGradientHoverMirrorTo(clNone);
  SetFixedGradientDownMirrorFrom(clNone);
  SetFixedGradientDownMirrorTo(clNone);
}

void TControlLook::Repaint() {
  if (FOwner != nullptr) FOwner->InvalidateGrid();
}

#define CONTROLLOOK_REPAINT_SETTER(Type, Name)      \
  void TControlLook::Set##Name(const Type& Value) { \
    F##Name = Value;                                \
    Repaint();                                      \
  }
CONTROLLOOK_REPAINT_SETTER(TGridControlStyle, ControlStyle)
CONTROLLOOK_REPAINT_SETTER(int, CheckSize)
CONTROLLOOK_REPAINT_SETTER(int, RadioSize)
CONTROLLOOK_REPAINT_SETTER(TColor, Color)
CONTROLLOOK_REPAINT_SETTER(bool, FlatButton)
CONTROLLOOK_REPAINT_SETTER(bool, DropDownAlwaysVisible)
CONTROLLOOK_REPAINT_SETTER(bool, SpinButtonsAlwaysVisible)
CONTROLLOOK_REPAINT_SETTER(bool, NoDisabledCheckRadioLook)
CONTROLLOOK_REPAINT_SETTER(bool, NoDisabledButtonLook)
CONTROLLOOK_REPAINT_SETTER(TColor, CommentColor)
CONTROLLOOK_REPAINT_SETTER(int, ProgressMarginX)
CONTROLLOOK_REPAINT_SETTER(int, ProgressMarginY)
CONTROLLOOK_REPAINT_SETTER(bool, ProgressXP)
#undef CONTROLLOOK_REPAINT_SETTER

// The gradient colours go on to the grid's colour of the same role; the
// plain ones and the borders only when set.
#define CONTROLLOOK_GRADIENT_SETTER(Name, GridSetter, Always)                        \
  void TControlLook::Set##Name(const TColor& Value) {                                \
    F##Name = Value;                                                                 \
    if (FOwner != nullptr && (Always || Value != clNone)) FOwner->GridSetter(Value); \
  }
CONTROLLOOK_GRADIENT_SETTER(FixedGradientFrom, SetVyxGradientFrom, false)
CONTROLLOOK_GRADIENT_SETTER(FixedGradientTo, SetVyxGradientTo, false)
CONTROLLOOK_GRADIENT_SETTER(FixedGradientMirrorFrom, SetVyxGradientMirrorFrom, true)
CONTROLLOOK_GRADIENT_SETTER(FixedGradientMirrorTo, SetVyxGradientMirrorTo, true)
CONTROLLOOK_GRADIENT_SETTER(FixedGradientHoverFrom, SetVyxGradientHoverFrom, false)
CONTROLLOOK_GRADIENT_SETTER(FixedGradientHoverTo, SetVyxGradientHoverTo, false)
CONTROLLOOK_GRADIENT_SETTER(FixedGradientHoverMirrorFrom, SetVyxGradientHoverMirrorFrom, true)
CONTROLLOOK_GRADIENT_SETTER(FixedGradientHoverMirrorTo, SetVyxGradientHoverMirrorTo, true)
CONTROLLOOK_GRADIENT_SETTER(FixedGradientHoverBorder, SetVyxGradientHoverBorder, false)
CONTROLLOOK_GRADIENT_SETTER(FixedGradientDownFrom, SetVyxGradientDownFrom, false)
CONTROLLOOK_GRADIENT_SETTER(FixedGradientDownTo, SetVyxGradientDownTo, false)
CONTROLLOOK_GRADIENT_SETTER(FixedGradientDownMirrorFrom, SetVyxGradientDownMirrorFrom, true)
CONTROLLOOK_GRADIENT_SETTER(FixedGradientDownMirrorTo, SetVyxGradientDownMirrorTo, true)
CONTROLLOOK_GRADIENT_SETTER(FixedGradientDownBorder, SetVyxGradientDownBorder, false)
#undef CONTROLLOOK_GRADIENT_SETTER

void TControlLook::SetCheckedGlyph(TBitmap* Value) {
  FCheckedGlyph->Assign(Value);
  Repaint();
}

void TControlLook::SetUnCheckedGlyph(TBitmap* Value) {
  FUnCheckedGlyph->Assign(Value);
  Repaint();
}

void TControlLook::SetRadioOnGlyph(TBitmap* Value) {
  FRadioOnGlyph->Assign(Value);
  Repaint();
}

void TControlLook::SetRadioOffGlyph(TBitmap* Value) {
  FRadioOffGlyph->Assign(Value);
  Repaint();
}

void TControlLook::SetDropDownHeader(THeaderAppearance* Value) { FDropDownHeader->Assign(Value); }

void TControlLook::SetDropDownFooter(TFooterAppearance* Value) { FDropDownFooter->Assign(Value); }

void TControlLook::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TControlLook*>(Source);
  if (s == nullptr || s == this) return;
  // Fields only: no repaint, nothing passed on to the grid. FlatButton,
  // ProgressXP, the disabled looks and the fixed drop-down button stay.
  FCheckSize = s->FCheckSize;
  FRadioSize = s->FRadioSize;
  FControlStyle = s->FControlStyle;
  FCheckedGlyph->Assign(s->FCheckedGlyph.get());
  FUnCheckedGlyph->Assign(s->FUnCheckedGlyph.get());
  FRadioOnGlyph->Assign(s->FRadioOnGlyph.get());
  FRadioOffGlyph->Assign(s->FRadioOffGlyph.get());
  FProgressMarginX = s->FProgressMarginX;
  FProgressMarginY = s->FProgressMarginY;
  FCommentColor = s->FCommentColor;
  FColor = s->FColor;
  FProgressBorderColor = s->FProgressBorderColor;
  FCheckAlwaysActive = s->FCheckAlwaysActive;
  FRadioAlwaysActive = s->FRadioAlwaysActive;
  FFixedGradientFrom = s->FFixedGradientFrom;
  FFixedGradientTo = s->FFixedGradientTo;
  FFixedGradientMirrorFrom = s->FFixedGradientMirrorFrom;
  FFixedGradientMirrorTo = s->FFixedGradientMirrorTo;
  FFixedGradientHoverFrom = s->FFixedGradientHoverFrom;
  FFixedGradientHoverTo = s->FFixedGradientHoverTo;
  FFixedGradientHoverMirrorFrom = s->FFixedGradientHoverMirrorFrom;
  FFixedGradientHoverMirrorTo = s->FFixedGradientHoverMirrorTo;
  FFixedGradientHoverBorder = s->FFixedGradientHoverBorder;
  FFixedGradientDownFrom = s->FFixedGradientDownFrom;
  FFixedGradientDownTo = s->FFixedGradientDownTo;
  FFixedGradientDownMirrorFrom = s->FFixedGradientDownMirrorFrom;
  FFixedGradientDownMirrorTo = s->FFixedGradientDownMirrorTo;
  FFixedGradientDownBorder = s->FFixedGradientDownBorder;
  FDropDownAlwaysVisible = s->FDropDownAlwaysVisible;
  FSpinButtonsAlwaysVisible = s->FSpinButtonsAlwaysVisible;
  FDropDownCount = s->FDropDownCount;
  FDropDownFooter->Assign(s->FDropDownFooter.get());
  FDropDownHeader->Assign(s->FDropDownHeader.get());
  FHintMaxWidth = s->FHintMaxWidth;
}

// ---------------------------------------------------------------------------
// TGridProgressAppearance

void TGridProgressAppearance::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TGridProgressAppearance*>(Source);
  if (s == nullptr || s == this) return;
  FUnCompleteFontColor = s->FUnCompleteFontColor;
  FCompleteColor = s->FCompleteColor;
  FUnCompleteColor = s->FUnCompleteColor;
  FCompleteFontColor = s->FCompleteFontColor;
  FBorderColor = s->FBorderColor;
  FStacked = s->FStacked;
  FShowPercentage = s->FShowPercentage;
  FShowBorder = s->FShowBorder;
  FCompletionSmooth = s->FCompletionSmooth;
  FShowGradient = s->FShowGradient;
  FLevel2Perc = s->FLevel2Perc;
  FLevel1Perc = s->FLevel1Perc;
  FSteps = s->FSteps;
  FLevel3Color = s->FLevel3Color;
  FLevel1Color = s->FLevel1Color;
  FLevel0Color = s->FLevel0Color;
  FLevel3ColorTo = s->FLevel3ColorTo;
  FLevel2ColorTo = s->FLevel2ColorTo;
  FLevel0ColorTo = s->FLevel0ColorTo;
  FLevel1ColorTo = s->FLevel1ColorTo;
  FLevel2Color = s->FLevel2Color;
  FStyle = s->FStyle;
  if (OnChange) OnChange(this);
}

// ---------------------------------------------------------------------------
// TFilterDropDown

TFilterDropDown::TFilterDropDown()
    : FFont(std::make_unique<TFont>()),
      FGlyph(std::make_unique<TBitmap>()),
      FGlyphActive(std::make_unique<TBitmap>()) {
  // A glyph changed through its own bitmap repaints the grid too.
  FGlyph->OnChange = [this](TObject*) {
    if (OnChange) OnChange(this);
  };
  FGlyphActive->OnChange = FGlyph->OnChange;
}

TFilterDropDown::~TFilterDropDown() = default;

void TFilterDropDown::SetFont(TFont* Value) { FFont->Assign(Value); }

void TFilterDropDown::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TFilterDropDown*>(Source);
  if (s == nullptr || s == this) return;
  // AutoSize stays.
  FColor = s->FColor;
  FColumnWidth = s->FColumnWidth;
  FFont->Assign(s->FFont.get());
  FHeight = s->FHeight;
  FWidth = s->FWidth;
  FGlyph->Assign(s->FGlyph.get());
  FGlyphActive->Assign(s->FGlyphActive.get());
}

void TFilterDropDown::SetGlyph(TBitmap* Value) {
  FGlyph->Assign(Value);
  if (OnChange) OnChange(this);
}

void TFilterDropDown::SetGlyphActive(TBitmap* Value) {
  FGlyphActive->Assign(Value);
  if (OnChange) OnChange(this);
}
