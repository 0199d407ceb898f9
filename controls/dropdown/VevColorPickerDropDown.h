#pragma once
// The colour picker drop-down and its colour selector. The edit part shows
// the chosen colour as a small box followed by a text; the pop-up offers
// colours as a list of named colours, the office palette (the colour
// selector: ten theme colours and five rows of shades, each column drawn as
// one strip), the hexagon cube or the spectrum picture. The edit takes no
// typing: keys move through the colours and letters find one by name.
#include <memory>
#include <string>

#include "controls/dropdown/VevColorPanels.h"
#include "controls/dropdown/VevDropDown.h"
#include "controls/dropdown/VevItemSelector.h"
#include "framework/classes/Collections.h"

class TTimer;

enum TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };
enum TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };
enum TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };
using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas* Canvas, const TRect& R)>;

class TColorBoxAppearance : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  TColor BorderColor = 0xC5C5C5;
  TColor OuterBorderColorHot = 0x3694F2;
  TColor InnerBorderColorHot = 0x94E2FF;
  TColor OuterBorderColorSelected = 0x0000FF;
  TColor InnerBorderColorSelected = 0x94E2FF;
};

class TColorBoxItem : public TCollectionItem {
 public:
  explicit TColorBoxItem(TCollection* Collection) : TCollectionItem(Collection) {}
  void Assign(TPersistent* Source) override;
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value) { enabled_ = Value; }
  TItemPos ColorBoxPos() const { return pos_; }
  void SetColorBoxPos(TItemPos Value) { pos_ = Value; }
  const TRect& ItemRect() const { return rect_; }
  void SetItemRect(const TRect& R) { rect_ = R; }

 private:
  TColor color_ = clNone;
  bool enabled_ = true;
  TRect rect_{-1, -1, -1, -1};
  TItemPos pos_ = ipStandAlone;
};

class TColorBoxItems : public TOwnedCollection {
 public:
  explicit TColorBoxItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClass<TColorBoxItem>()) {}
  TColorBoxItem* Add() { return static_cast<TColorBoxItem*>(TCollection::Add()); }
  TColorBoxItem* Items(int Index) const { return static_cast<TColorBoxItem*>(TCollection::Items(Index)); }
};

class TCustomColorSelector : public TVevCustomColorSelectorPanel {
 public:
  explicit TCustomColorSelector(TComponent* AOwner);
  ~TCustomColorSelector() override;

  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int Index);
  int ItemHot() const { return itemHot_; }
  void SetItemHot(int Index);
  int Columns() const { return columns_; }
  void SetColumns(int Value);
  int ColumnGap() const { return columnGap_; }
  void SetColumnGap(int Value);
  int ColorBoxWidth() const { return colorBoxWidth_; }
  void SetColorBoxWidth(int Value);
  int ColorBoxHeight() const { return colorBoxHeight_; }
  void SetColorBoxHeight(int Value);
  TColorBoxAppearance* ColorBoxAppearance() const { return appearance_.get(); }
  TColorBoxItems* Items() const { return items_.get(); }
  TSelectionColorStyle ItemColorStyle() const { return itemColorStyle_; }
  void SetItemColorStyle(TSelectionColorStyle Value);
  TColor SelectedColor() const { return selectedColor_; }
  void SetSelectedColor(TColor Value);

  TRect GetItemRect(int Index) const;
  int ItemAtPos(int X, int Y) const;
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  void FillOfficeColors();
  void HandleKey(WORD Key, bool EditEnabled, bool Open);

  virtual void DrawItem(int Index, TCanvas* ACanvas);
  virtual void GetItemArea(TRect& R);
  virtual void GetItemSize(TSize& Size);
  virtual void LayoutItems();
  virtual void RepaintItem(int Index);

  TNotifyEvent OnItemSelect;

  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

 private:
  bool Usable(int Index) const;
  int itemIndex_ = -1;
  int itemHot_ = -1;
  int offSetX_ = 4, offSetY_ = 4;
  int columns_ = 10;
  int columnGap_ = 4;
  int colorBoxHeight_ = 12, colorBoxWidth_ = 12;
  std::unique_ptr<TColorBoxAppearance> appearance_;
  std::unique_ptr<TColorBoxItems> items_;
  TSelectionColorStyle itemColorStyle_ = scCustom;
  TColor selectedColor_ = clNone;
};

class TColorItem : public TCollectionItem {
 public:
  explicit TColorItem(TCollection* Collection) : TCollectionItem(Collection) {}
  void Assign(TPersistent* Source) override;
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value);
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value) { enabled_ = Value; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value) { hint_ = Value; }

 private:
  std::string caption_;
  TColor color_ = clNone;
  bool enabled_ = true;
  std::string hint_;
};

class TColorItems : public TOwnedCollection {
 public:
  explicit TColorItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClass<TColorItem>()) {}
  TColorItem* Add() { return static_cast<TColorItem*>(TCollection::Add()); }
  TColorItem* Items(int Index) const { return static_cast<TColorItem*>(TCollection::Items(Index)); }
};

class TVevColorPickerDropDown : public TVevUrizazEvuvUduz {
 public:
  explicit TVevColorPickerDropDown(TComponent* AOwner);
  ~TVevColorPickerDropDown() override;

  int Columns() const { return columns_; }
  void SetColumns(int Value) { columns_ = Value; }
  TItemLayout Layout() const { return layout_; }
  void SetLayout(TItemLayout Value) { layout_ = Value; }
  TColorItems* Colors() const { return colors_.get(); }
  void SetColors(TColorItems* Value) { colors_->Assign(Value); }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int Value);
  int ColorBoxWidth() const { return colorBoxWidth_; }
  void SetColorBoxWidth(int Value) { colorBoxWidth_ = Value; }
  int ColorBoxHeight() const { return colorBoxHeight_; }
  void SetColorBoxHeight(int Value) { colorBoxHeight_ = Value; }
  TColorSelectionStyle ColorSelectionStyle() const { return colorSelectionStyle_; }
  void SetColorSelectionStyle(TColorSelectionStyle Value);
  TColor SelectedColor() const { return selectedColor_; }
  void SetSelectedColor(TColor Value);
  bool ShowText() const { return showText_; }
  void SetShowText(bool Value);
  TItemAppearance* ItemAppearance() const { return itemAppearance_.get(); }
  void SetItemAppearance(TItemAppearance* Value) { itemAppearance_->Assign(Value); }
  TColorValueText ColorValueText() const { return colorValueText_; }
  void SetColorValueText(TColorValueText Value);
  std::string SelectedColorText() { return GetSelectedColorText(); }
  // Created by the designer: the default colours come with the window.
  void SetDesignTime(bool Value) { designTime_ = Value; }
  void AddDefaultColors();

  TVevCustomItemSelector* ItemSelector() const { return itemSelector_; }
  TVevColorCubePanel* ColorCubePanel() const { return colorCubePanel_; }
  TVevColorSpectrumPanel* SpectrumPanel() const { return spectrumPanel_; }
  TCustomColorSelector* ColorSelector() const { return colorSelector_; }

  TNotifyEvent OnSelect;
  TOnDrawSelectedItem OnDrawSelectedColor;
  TSelectorDrawItemEvent OnDrawColor;

  void SetSelectionColorStyle(TSelectionColorStyle Style) override;
  void SetComponentStyle(TVyxStyle AStyle) override;
  void HideDropDownEx(bool Cancel) override;
  void DropDownFormDestroyed(TObject* Sender) override;
  void WndProc(TMessage& Message) override;

 protected:
  virtual std::string GetSelectedColorText();
  void CreateWnd() override;
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void AdaptDropDownControl() override;
  void UpdateDropDownSize() override;
  void DoWheelDown() override;
  void DoWheelUp() override;
  void PaintWindow(TCanvas* DC) override;

 private:
  void CreateItemSelector();
  void CreateColorSelector();
  void CreateCubePanel();
  void CreateSpectrumPanel();
  TControl* Content() const;
  void HideOthers(TControl* Keep);
  void PrepareContent(bool Opening);
  void UpdateItemSelector();
  void SelectorItemSelect(TObject* Sender);
  void DiscreteSelect(TObject* Sender);
  void PanelSelect(TColor Color);
  void CubeSelect(TObject* Sender);
  void SpectrumSelect(TObject* Sender);
  void DrawColorItem(TObject* Sender, TCanvas* Canvas, const TRect& R, int Index);
  void FillSelectorItems();
  // Key steps on the closed picker through Colors.
  void SelectFirstColor();
  void SelectLastColor();
  void SelectPreviousColor();
  void SelectNextColor();
  void DrawSelectedColor(TCanvas* C);
  void KeyDownSteps(WORD Key, bool ReturnUsed);
  void Internal(const std::function<void()>& F);

  TVevCustomItemSelector* itemSelector_ = nullptr;
  TVevColorCubePanel* colorCubePanel_ = nullptr;
  TVevColorSpectrumPanel* spectrumPanel_ = nullptr;
  TCustomColorSelector* colorSelector_ = nullptr;
  int columns_ = 1;
  TItemLayout layout_ = ilCaptionRight;
  std::unique_ptr<TColorItems> colors_;
  int itemIndex_ = -1;
  int colorBoxWidth_ = 14, colorBoxHeight_ = 14;
  TColorSelectionStyle colorSelectionStyle_ = csList;
  TColor selectedColor_ = clNone;
  bool showText_ = true;
  std::unique_ptr<TItemAppearance> itemAppearance_;
  bool internalCall_ = false;
  TTimer* keyTimer_ = nullptr;
  std::string curSearch_;
  int oldItemIndex_ = -1;
  TColor oldSelectedColor_ = clNone;
  bool designTime_ = false;
  TColorValueText colorValueText_ = cvtNone;
};

// The colour's text for a value-text kind (cvtNone: empty).
std::string ColorValueTextOf(TColor Color, TColorValueText Kind);
