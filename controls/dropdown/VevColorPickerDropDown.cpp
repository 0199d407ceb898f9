// The colour picker drop-down: its four pop-up contents, choosing, the
// colour text, the edit part's colour box, keys and the wheel.
#include "controls/dropdown/VevColorPickerDropDown.h"

#include "framework/controls/ExtCtrls.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/Graphics.h"
#include "framework/rtl/Format.h"
#include "framework/rtl/StrUtils.h"

namespace {
uint32_t Red(TColor C) { return C & 0xFF; }
uint32_t Green(TColor C) { return (C >> 8) & 0xFF; }
uint32_t Blue(TColor C) { return (C >> 16) & 0xFF; }
std::string Html(TColor C) { return Format("#%.2X%.2X%.2X", {Red(C), Green(C), Blue(C)}); }

// The basic web colour names; others go by their "#RRGGBB" form.
const char* WebName(TColor C) {
  struct Name {
    uint32_t rgb;
    const char* name;
  };
  static const Name names[] = {
      {0x000000, "black"},  {0xC0C0C0, "silver"}, {0x808080, "gray"},   {0xFFFFFF, "white"},
      {0x800000, "maroon"}, {0xFF0000, "red"},    {0x800080, "purple"}, {0xFF00FF, "fuchsia"},
      {0x008000, "green"},  {0x00FF00, "lime"},   {0x808000, "olive"},  {0xFFFF00, "yellow"},
      {0x000080, "navy"},   {0x0000FF, "blue"},   {0x008080, "teal"},   {0x00FFFF, "aqua"},
  };
  const uint32_t rgb = (Red(C) << 16) | (Green(C) << 8) | Blue(C);
  for (const Name& n : names)
    if (n.rgb == rgb) return n.name;
  return nullptr;
}
}  // namespace

std::string ColorValueTextOf(TColor Color, TColorValueText Kind) {
  switch (Kind) {
    case cvtNone:
      return "";
    case cvtHex:
      return Format("%.6X", {static_cast<uint32_t>(Color)});
    case cvtWebName: {
      const TColor c = ColorToRGB(Color);
      const char* n = WebName(c);
      return n != nullptr ? std::string(n) : Html(c);
    }
    case cvtRGB: {
      const TColor c = ColorToRGB(Color);
      return "Red:" + std::to_string(Red(c)) + ",Green:" + std::to_string(Green(c)) +
             ",Blue:" + std::to_string(Blue(c));
    }
    case cvtHTML:
      return Html(ColorToRGB(Color));
  }
  return "";
}

// ---- Colour items ----

void TColorItem::SetCaption(const std::string& Value) {
  if (caption_ == Value) return;
  caption_ = Value;
  Changed(false);
}
void TColorItem::SetColor(TColor Value) {
  if (color_ == Value) return;
  color_ = Value;
  Changed(false);
}
void TColorItem::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TColorItem*>(Source);
  if (s == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  caption_ = s->caption_;
  color_ = s->color_;
  enabled_ = s->enabled_;
  hint_ = s->hint_;
}

// ---- The picker ----

TVevColorPickerDropDown::TVevColorPickerDropDown(TComponent* AOwner)
    : TVevUrizazEvuvUduz(AOwner),
      colors_(std::make_unique<TColorItems>(this)),
      itemAppearance_(std::make_unique<TItemAppearance>(this)) {
  SetAutoSize(false);
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  keyTimer_ = new TTimer(this);
  keyTimer_->SetEnabled(false);
  keyTimer_->SetInterval(500);
  keyTimer_->OnTimer = [this](TObject*) {
    keyTimer_->SetEnabled(false);
    curSearch_.clear();
  };
  SetDropDownHeight(200);
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
  SetCursor(crArrow);
}

TVevColorPickerDropDown::~TVevColorPickerDropDown() {
  if (keyTimer_ != nullptr) keyTimer_->SetEnabled(false);
}

void TVevColorPickerDropDown::CreateWnd() {
  TVevUrizazEvuvUduz::CreateWnd();
  if (designTime_ && colors_->Count() == 0) {
    designTime_ = false;
    AddDefaultColors();
  }
}

void TVevColorPickerDropDown::AddDefaultColors() {
  static const std::pair<const char*, TColor> defaults[] = {
      {"Black", 0x000000},  {"Maroon", 0x000080},  {"Green", 0x008000}, {"Olive", 0x008080},
      {"Navy", 0x800000},   {"Purple", 0x800080},  {"Teal", 0x808000},  {"Gray", 0x808080},
      {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},     {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
      {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF},
  };
  for (const auto& d : defaults) {
    TColorItem* it = colors_->Add();
    it->SetCaption(d.first);
    it->SetColor(d.second);
  }
}

void TVevColorPickerDropDown::SetItemIndex(int Value) {
  if (Value >= colors_->Count()) return;
  itemIndex_ = Value;
  if (Value >= 0) selectedColor_ = colors_->Items(Value)->Color();
  Invalidate();
  if (OnSelect) OnSelect(this);
}

void TVevColorPickerDropDown::SetSelectedColor(TColor Value) {
  if (Value == selectedColor_) return;
  selectedColor_ = Value;
  int found = -1;
  for (int i = 0; i < colors_->Count() && found < 0; ++i)
    if (colors_->Items(i)->Color() == Value) found = i;
  // A colour no item has leaves no item chosen, so the edit names the
  // colour itself rather than the previous item.
  if (found >= 0)
    SetItemIndex(found);
  else if (itemIndex_ != -1)
    SetItemIndex(-1);
  Invalidate();
}

void TVevColorPickerDropDown::SetShowText(bool Value) {
  if (showText_ == Value) return;
  showText_ = Value;
  Invalidate();
}

void TVevColorPickerDropDown::SetColorValueText(TColorValueText Value) {
  colorValueText_ = Value;
  Invalidate();
}

std::string TVevColorPickerDropDown::GetSelectedColorText() {
  if (colorSelectionStyle_ == csList && itemIndex_ >= 0 && itemIndex_ < colors_->Count())
    return colors_->Items(itemIndex_)->Caption();
  return ColorValueTextOf(selectedColor_, colorValueText_);
}

void TVevColorPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Style) {
  TVevUrizazEvuvUduz::SetSelectionColorStyle(Style);
  if (itemSelector_ != nullptr) itemSelector_->ItemAppearance()->SetColorStyle(Style);
}

void TVevColorPickerDropDown::SetComponentStyle(TVyxStyle AStyle) {
  TVevUrizazEvuvUduz::SetComponentStyle(AStyle);
  if (itemAppearance_) SetItemAppearanceStyle(itemAppearance_.get(), AStyle);
}

void TVevColorPickerDropDown::DropDownFormDestroyed(TObject* Sender) {
  TVevUrizazEvuvUduz::DropDownFormDestroyed(Sender);
  if (ComponentState().Contains(csDestroying)) return;
  itemSelector_ = nullptr;
  colorCubePanel_ = nullptr;
  spectrumPanel_ = nullptr;
  colorSelector_ = nullptr;
}

void TVevColorPickerDropDown::Internal(const std::function<void()>& F) {
  const bool was = internalCall_;
  internalCall_ = true;
  F();
  internalCall_ = was;
}

// ---- Contents ----

void TVevColorPickerDropDown::CreateItemSelector() {
  if (itemSelector_ == nullptr) {
    itemSelector_ = new TVevCustomItemSelector(this);
    itemSelector_->SetParent(DropDownForm());
  }
  itemSelector_->SetSelectorType(stColor);
  itemSelector_->SetBounds(0, 0, itemSelector_->Width(), 150);
  itemSelector_->SetColor(DropDownColor());
  itemSelector_->UpdateSelectorPanel();
  SetControl(itemSelector_);
}

void TVevColorPickerDropDown::CreateColorSelector() {
  if (colorSelector_ == nullptr) {
    colorSelector_ = new TCustomColorSelector(this);
    colorSelector_->SetParent(DropDownForm());
    colorSelector_->FillOfficeColors();
  }
  colorSelector_->SetBounds(0, 0, colorSelector_->Width(), colorSelector_->Height());
  colorSelector_->SetColor(DropDownColor());
  colorSelector_->LayoutItems();
  SetControl(colorSelector_);
}

void TVevColorPickerDropDown::CreateCubePanel() {
  if (colorCubePanel_ == nullptr) {
    colorCubePanel_ = new TVevColorCubePanel(this);
    colorCubePanel_->SetParent(DropDownForm());
  }
  colorCubePanel_->SetBounds(0, 0, colorCubePanel_->Width(), colorCubePanel_->Height());
  colorCubePanel_->SetColor(DropDownColor());
  SetControl(colorCubePanel_);
}

void TVevColorPickerDropDown::CreateSpectrumPanel() {
  if (spectrumPanel_ == nullptr) {
    spectrumPanel_ = new TVevColorSpectrumPanel(this);
    spectrumPanel_->SetParent(DropDownForm());
  }
  spectrumPanel_->SetBounds(0, 0, spectrumPanel_->Width(), spectrumPanel_->Height());
  spectrumPanel_->SetColor(DropDownColor());
  SetControl(spectrumPanel_);
}

void TVevColorPickerDropDown::CreateDropDownForm() {
  TVevUrizazEvuvUduz::CreateDropDownForm();
  switch (colorSelectionStyle_) {
    case csList:
      CreateItemSelector();
      break;
    case csDiscrete:
      CreateColorSelector();
      break;
    case csColorCube:
      CreateCubePanel();
      break;
    case csSpectrum:
      CreateSpectrumPanel();
      break;
  }
}

TControl* TVevColorPickerDropDown::Content() const {
  switch (colorSelectionStyle_) {
    case csList:
      return itemSelector_;
    case csDiscrete:
      return colorSelector_;
    case csColorCube:
      return colorCubePanel_;
    case csSpectrum:
      return spectrumPanel_;
  }
  return nullptr;
}

void TVevColorPickerDropDown::HideOthers(TControl* Keep) {
  for (TControl* c :
       std::initializer_list<TControl*>{itemSelector_, colorSelector_, colorCubePanel_, spectrumPanel_})
    if (c != nullptr && c != Keep) c->SetVisible(false);
}

void TVevColorPickerDropDown::FillSelectorItems() {
  itemSelector_->Items()->Clear();
  for (int i = 0; i < colors_->Count(); ++i) {
    TSelectorItem* s = itemSelector_->Items()->Add();
    s->SetCaption(colors_->Items(i)->Caption());
    s->SetColor(colors_->Items(i)->Color());
    s->SetHint(colors_->Items(i)->Hint());
  }
}

void TVevColorPickerDropDown::UpdateItemSelector() {
  if (itemSelector_ == nullptr) return;
  itemSelector_->OnItemSelect = nullptr;
  itemSelector_->SetColumns(columns_);
  itemSelector_->SetImages(Images());
  itemSelector_->SetItemLayout(layout_);
  itemSelector_->SetColor(DropDownColor());
  FillSelectorItems();
  itemSelector_->SetColorBoxWidth(colorBoxWidth_);
  itemSelector_->SetColorBoxHeight(colorBoxHeight_);
  itemSelector_->SetItemAppearance(itemAppearance_.get());
  itemSelector_->UpdateSelectorPanel();
  itemSelector_->SetItemIndex(itemIndex_);
  itemSelector_->OnItemSelect = [this](TObject* s) { SelectorItemSelect(s); };
  itemSelector_->SetShowHint(ShowHint());
}

void TVevColorPickerDropDown::PrepareContent(bool Opening) {
  switch (colorSelectionStyle_) {
    case csList:
      CreateItemSelector();
      HideOthers(itemSelector_);
      itemSelector_->SetVisible(true);
      UpdateItemSelector();
      if (OnDrawColor)
        itemSelector_->OnDrawItem = [this](TObject* s, TCanvas* C, const TRect& R, int I) {
          DrawColorItem(s, C, R, I);
        };
      else
        itemSelector_->OnDrawItem = nullptr;
      oldItemIndex_ = itemIndex_;
      break;
    case csDiscrete:
      CreateColorSelector();
      HideOthers(colorSelector_);
      colorSelector_->SetSelectedColor(selectedColor_);
      colorSelector_->LayoutItems();
      colorSelector_->OnItemSelect = [this](TObject* s) { DiscreteSelect(s); };
      colorSelector_->SetItemColorStyle(SelectionColorStyle());
      colorSelector_->SetVisible(true);
      break;
    case csColorCube:
      CreateCubePanel();
      HideOthers(colorCubePanel_);
      colorCubePanel_->SetSelectedColor(selectedColor_);
      colorCubePanel_->InitCells();
      colorCubePanel_->ResetHot();
      colorCubePanel_->OnSelect = [this](TObject* s) { CubeSelect(s); };
      colorCubePanel_->SetVisible(true);
      break;
    case csSpectrum:
      CreateSpectrumPanel();
      HideOthers(spectrumPanel_);
      spectrumPanel_->SetSelectedColor(selectedColor_);
      spectrumPanel_->Layout();
      spectrumPanel_->OnSelect = [this](TObject* s) { SpectrumSelect(s); };
      spectrumPanel_->SetVisible(true);
      break;
  }
  (void)Opening;
  oldSelectedColor_ = selectedColor_;
}

void TVevColorPickerDropDown::BeforeDropDown() {
  TVevUrizazEvuvUduz::BeforeDropDown();
  if (DropDownForm() != nullptr) PrepareContent(true);
}

void TVevColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value) {
  if (colorSelectionStyle_ == Value) return;
  colorSelectionStyle_ = Value;
  if (ComponentState().Contains(csDesigning) || DropDownForm() == nullptr) return;
  PrepareContent(false);
  if (TControl* c = Content()) {
    c->SetAlign(alNone);
    UpdateDropDownSize();
    c->SetAlign(alClient);
  }
  DropDownForm()->Invalidate();
}

void TVevColorPickerDropDown::SelectorItemSelect(TObject*) {
  SetItemIndex(itemSelector_->ItemIndex());
  if (!internalCall_) HideDropDownEx(false);
}

void TVevColorPickerDropDown::DiscreteSelect(TObject*) {
  SetSelectedColor(colorSelector_->SelectedColor());
  SetItemIndex(-1);
  if (!internalCall_) HideDropDownEx(false);
}

void TVevColorPickerDropDown::CubeSelect(TObject*) {
  if (colorCubePanel_ != nullptr) PanelSelect(colorCubePanel_->SelectedColor());
}

void TVevColorPickerDropDown::SpectrumSelect(TObject*) {
  if (spectrumPanel_ != nullptr) PanelSelect(spectrumPanel_->SelectedColor());
}

void TVevColorPickerDropDown::DrawColorItem(TObject*, TCanvas* Canvas, const TRect& R, int Index) {
  if (OnDrawColor) OnDrawColor(this, Canvas, R, Index);
}

void TVevColorPickerDropDown::SelectFirstColor() {
  if (colors_->Count() > 0) SetItemIndex(0);
}

void TVevColorPickerDropDown::SelectLastColor() {
  if (colors_->Count() > 0) SetItemIndex(colors_->Count() - 1);
}

void TVevColorPickerDropDown::SelectPreviousColor() {
  if (itemIndex_ < 0)
    SelectFirstColor();
  else if (itemIndex_ > 0)
    SetItemIndex(itemIndex_ - 1);
}

void TVevColorPickerDropDown::SelectNextColor() {
  if (itemIndex_ < 0)
    SelectFirstColor();
  else if (itemIndex_ + 1 < colors_->Count())
    SetItemIndex(itemIndex_ + 1);
}

void TVevColorPickerDropDown::PanelSelect(TColor Color) {
  SetSelectedColor(Color);
  SetItemIndex(-1);
  HideDropDownEx(false);
}

void TVevColorPickerDropDown::UpdateDropDownSize() {
  TDropDownForm* f = DropDownForm();
  if (f == nullptr) return;
  if (colorSelectionStyle_ == csList) {
    if (itemSelector_ == nullptr) {
      TVevUrizazEvuvUduz::UpdateDropDownSize();
      return;
    }
    itemSelector_->SetAlign(alNone);
    TSize s;
    itemSelector_->GetSelectorSize(s);
    if (DropDownWidth() < 1) itemSelector_->SetWidth(s.cx);
    if (DropDownHeight() < 1) itemSelector_->SetHeight(s.cy);
    TVevUrizazEvuvUduz::UpdateDropDownSize();
    return;
  }
  TControl* c = Content();
  const int b = DropDownBorderWidth();
  const int w = c != nullptr && c->Visible() ? c->Width() + 2 * b : Width();
  int h = 2 * b;
  if (DropDownHeader()->Visible()) h += DropDownHeader()->Height();
  if (DropDownFooter()->Visible()) h += DropDownFooter()->Height();
  if (c != nullptr && c->Visible()) h += c->Height();
  f->SetBounds(f->Left(), f->Top(), w, h);
}

void TVevColorPickerDropDown::AdaptDropDownControl() {
  TVevUrizazEvuvUduz::AdaptDropDownControl();
  if (colorSelectionStyle_ != csList && DropDownForm() != nullptr) DropDownForm()->SetSizeable(false);
}

void TVevColorPickerDropDown::HideDropDownEx(bool Cancel) {
  TVevUrizazEvuvUduz::HideDropDownEx(Cancel);
  if (!Cancel) return;
  if (colorSelectionStyle_ == csList && itemSelector_ != nullptr) SetItemIndex(oldItemIndex_);
  if (colorSelectionStyle_ == csDiscrete && colorSelector_ != nullptr) {
    colorSelector_->OnItemSelect = nullptr;
    colorSelector_->SetSelectedColor(oldSelectedColor_);
    colorSelector_->OnItemSelect = [this](TObject* s) { DiscreteSelect(s); };
    SetSelectedColor(oldSelectedColor_);
  }
}

// ---- The edit part ----

void TVevColorPickerDropDown::DrawSelectedColor(TCanvas* C) {
  const TRect r(1, 1, Width() - DropDownButtonWidth() - 2, Height() - 2);
  if (OnDrawSelectedColor) {
    OnDrawSelectedColor(this, C, r);
    return;
  }
  if (selectedColor_ == clNone) return;
  const int t = (Height() - colorBoxHeight_) / 2 + r.Top;
  const TRect box(r.Left + 4, t, r.Left + 4 + colorBoxWidth_, t + colorBoxHeight_);
  C->Pen()->SetColor(clBlack);
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(selectedColor_);
  C->Rectangle(box);
  if (!showText_) return;
  TRect tr(box.Right + 4, r.Top, r.Right, r.Bottom);
  C->Font()->Assign(Font());
  const bool focused = Focused() && !EditorEnabled();
  C->Brush()->SetColor(focused ? clHighlight : Color());
  C->Font()->SetColor(focused ? clHighlightText : Font()->Color());
  C->FillRect(tr);
  C->Brush()->SetStyle(bsClear);
  DrawText(C, GetSelectedColorText(), tr, DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER);
}

void TVevColorPickerDropDown::PaintWindow(TCanvas* DC) {
  TVevUrizazEvuvUduz::PaintWindow(DC);
  // Window coordinates, as the frame and the button use.
  const TRect ins = NonClientInsets();
  const int saved = DC->SaveDC();
  const TPoint org = DC->WindowOrg();
  DC->SetWindowOrg(TPoint(org.X + ins.Left, org.Y + ins.Top));
  DrawSelectedColor(DC);
  DC->RestoreDC(saved);
}

// ---- Keys and wheel ----

void TVevColorPickerDropDown::KeyDownSteps(WORD Key, bool ReturnUsed) {
  if (!Enabled() || GetKeyState(VK_MENU) < 0) return;
  const bool open = DroppedDown();
  if (colorSelectionStyle_ == csList && itemSelector_ != nullptr) {
    const int n = colors_->Count();
    auto select = [&](int I) {
      if (I < 0 || I >= itemSelector_->Items()->Count()) return;
      Internal([&] { itemSelector_->SetItemIndex(I); });
      itemSelector_->ScrollItemInView(I);
    };
    switch (Key) {
      case VK_RETURN:
        if (!ReturnUsed && OnSelect) OnSelect(this);
        break;
      case VK_PRIOR:
      case VK_NEXT: {
        if (itemSelector_->Items()->Count() != n) UpdateItemSelector();
        const int v = itemSelector_->GetVisibleItemCount();
        if (v == 0) break;
        const int cur = itemSelector_->ItemIndex();
        select(Key == VK_PRIOR ? std::max(0, cur - v) : std::min(n - 1, cur + v));
        break;
      }
      case VK_END:
      case VK_HOME:
        if (open)
          Internal([&] { Key == VK_END ? itemSelector_->SelectLast() : itemSelector_->SelectFirst(); });
        else if (Key == VK_END)
          SelectLastColor();
        else
          SelectFirstColor();
        break;
      case VK_LEFT:
      case VK_RIGHT:
        if (open)
          Internal([&] { Key == VK_LEFT ? itemSelector_->SelectPrevious() : itemSelector_->SelectNext(); });
        break;
      case VK_UP:
      case VK_DOWN:
        if (open) {
          const int cur = itemSelector_->ItemIndex();
          select(cur < 0 ? 0 : cur + (Key == VK_UP ? -columns_ : columns_));
        } else if (Key == VK_UP) {
          SelectPreviousColor();
        } else {
          SelectNextColor();
        }
        break;
      default:
        if (GetKeyState(VK_CONTROL) < 0) break;
        if ((Key >= 'A' && Key <= 'Z') || (Key >= '0' && Key <= '9')) {
          curSearch_ += static_cast<char>(Key);
          Internal([&] { itemSelector_->LookupItem(curSearch_); });
          keyTimer_->SetEnabled(true);
        }
        break;
    }
  }
  if (colorSelectionStyle_ == csDiscrete && colorSelector_ != nullptr) {
    Internal([&] { colorSelector_->HandleKey(Key, EditorEnabled(), open); });
    if (Key == VK_RETURN && !ReturnUsed && OnSelect) OnSelect(this);
  }
}

void TVevColorPickerDropDown::WndProc(TMessage& Message) {
  if (Message.Msg != WM_KEYDOWN) {
    TVevUrizazEvuvUduz::WndProc(Message);
    return;
  }
  const WORD key = static_cast<WORD>(Message.WParam);
  bool used = false;
  if (Enabled() && DroppedDown() && key == VK_RETURN) {
    if (colorSelectionStyle_ == csList && itemSelector_ != nullptr && itemSelector_->ItemHot() >= 0) {
      itemSelector_->SetItemIndex(itemSelector_->ItemHot());
      used = true;
    } else if (colorSelectionStyle_ == csDiscrete && colorSelector_ != nullptr &&
               colorSelector_->ItemHot() >= 0) {
      colorSelector_->SetItemIndex(colorSelector_->ItemHot());
      used = true;
    }
  }
  if (!(used && !DroppedDown())) TVevUrizazEvuvUduz::WndProc(Message);
  KeyDownSteps(key, used);
}

void TVevColorPickerDropDown::DoWheelDown() {
  TVevUrizazEvuvUduz::DoWheelDown();
  if (!Enabled() || ReadOnly()) return;
  if (colorSelectionStyle_ == csList && itemSelector_ != nullptr) {
    if (DroppedDown())
      itemSelector_->HotNext();
    else
      Internal([&] { itemSelector_->SelectNext(); });
  } else if (colorSelectionStyle_ == csDiscrete && colorSelector_ != nullptr) {
    if (DroppedDown())
      colorSelector_->HotNext();
    else
      Internal([&] { colorSelector_->SelectNext(); });
  }
}

void TVevColorPickerDropDown::DoWheelUp() {
  TVevUrizazEvuvUduz::DoWheelUp();
  if (!Enabled() || ReadOnly()) return;
  if (colorSelectionStyle_ == csList && itemSelector_ != nullptr) {
    if (DroppedDown())
      itemSelector_->HotPrevious();
    else
      Internal([&] { itemSelector_->SelectPrevious(); });
  } else if (colorSelectionStyle_ == csDiscrete && colorSelector_ != nullptr) {
    if (DroppedDown())
      colorSelector_->HotPrevious();
    else
      Internal([&] { colorSelector_->SelectPrevious(); });
  }
}
