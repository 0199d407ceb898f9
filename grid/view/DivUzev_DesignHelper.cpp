// The quick-configuration panel a grid shows in a designer: editing on or
// off, the real column numbers in the header, the look, and a close box;
// and those column numbers themselves.
#include <memory>
#include <string>

#include "framework/controls/Forms.h"
#include "framework/controls/Menus.h"
#include "framework/graphics/Gdi.h"
#include "grid/model/DivUzev.h"

namespace {

constexpr int kPanelWidth = 150;
// The designer's hover repaints this much of the bottom-right corner.
constexpr int kHoverWidth = 150;
constexpr int kHoverHeight = 70;
const char* const kAllowEdit = "Allow edit";
const char* const kColumnNumbers = "Column numbers";

void PanelFont(TCanvas* C) {
  C->Font()->SetName("Tahoma");
  C->Font()->SetSize(8);
  C->Font()->SetStyle(TFontStyles{});
}

std::string LookText(TGridLook Look) {
  std::string name;
  TDedAdararAdoz::GetLookName(Look, name);
  return "Set look: " + name;
}

TBitmap* CloseGlyph() {
  static const std::unique_ptr<TBitmap> glyph = [] {
    auto b = std::make_unique<TBitmap>();
    try {
      b->LoadFromResourceName("GRDCLOSE");
      b->SetTransparent(true);
    } catch (const Exception&) {
      // Without the resource the close box is only its place.
    }
    return b;
  }();
  return glyph.get();
}

}  // namespace

TRect TDedAdararAdoz::DesignPanelRect(int& LineHeight) {
  PanelFont(Canvas());
  LineHeight = Canvas()->TextHeight("gh");
  const TRect c = ClientRect();
  return TRect(c.Right - kPanelWidth, c.Bottom - (4 * LineHeight + 18), c.Right, c.Bottom);
}

int TDedAdararAdoz::DesignHelperChoice(int X, int Y) {
  if (!FDesigning || !ShowDesignHelper()) return -1;
  int h = 0;
  const TRect r = DesignPanelRect(h);
  const int l = h + 2;
  const int top = r.Top;
  TCanvas* c = Canvas();
  // Each row of the panel answers between its own two lines; a later test
  // wins over an earlier one.
  auto between = [&](int From, int To) { return Y > top + From * l + 4 && Y < top + To * l + 4; };
  int choice = -1;
  if (X > r.Right - 16 && Y > top && Y < top + 16) choice = 4;
  if (X > r.Right - 150 && X < r.Right - 132 + c->TextWidth(kAllowEdit) && between(1, 2)) choice = 1;
  if (X > r.Right - 150 && X < r.Right - 132 + c->TextWidth(kColumnNumbers) && between(2, 3)) choice = 2;
  if (X > r.Right - 150 && X < r.Right - 150 + c->TextWidth(LookText(FLook)) && between(3, 4)) choice = 3;
  return choice;
}

void TDedAdararAdoz::PaintDesignHelper() {
  if (!FDesigning || !ShowDesignHelper()) return;
  int h = 0;
  const TRect r = DesignPanelRect(h);
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clInfoBk);
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetWidth(1);
  c->Pen()->SetColor(clGray);
  c->Font()->SetColor(clNavy);
  c->Rectangle(r);
  c->Brush()->SetStyle(bsClear);
  // The item the mouse is over is underlined.
  auto text = [&](int X, int Y, const std::string& S, int Choice) {
    c->Font()->SetStyle(FLastDesignChoice == Choice ? TFontStyles{fsUnderline} : TFontStyles{});
    c->TextOut(X, Y, S);
  };
  text(r.Left + 4, r.Top + 4, "Quick config [v" + Version() + "]", 0);
  if (TBitmap* close = CloseGlyph(); !close->Empty()) c->Draw(r.Right - 16, r.Top + 2, close);
  const TGridControlStyle style = FControlLook->ControlStyle();
  DrawCheck(c, TRect(r.Left + 4, r.Top + h + 4, r.Left + 20, r.Top + h + 20), Options().Contains(goEditing),
            0, false, style, false, true);
  c->Brush()->SetStyle(bsClear);
  text(r.Left + 22, r.Top + h + 6, kAllowEdit, 1);
  DrawCheck(c, TRect(r.Left + 4, r.Top + 2 * h + 6, r.Left + 20, r.Top + 2 * h + 22), FShowColNrs, 0, false,
            style, false, true);
  c->Brush()->SetStyle(bsClear);
  text(r.Left + 22, r.Top + 2 * h + 8, kColumnNumbers, 2);
  text(r.Left + 4, r.Top + 3 * h + 10, LookText(FLook), 3);
  c->Font()->SetStyle(TFontStyles{});
  c->Brush()->SetStyle(bsSolid);
}

void TDedAdararAdoz::DesignHelperClick(int X, int Y) {
  const int choice = DesignHelperChoice(X, Y);
  switch (choice) {
    case 1:
      SetOptions(Options().Contains(goEditing) ? Options() >> goEditing : Options() << goEditing);
      break;
    case 2:
      FShowColNrs = !FShowColNrs;
      InvalidateGrid();
      break;
    case 3: {
      // The looks in the menu's order, each with its command number.
      static const std::pair<const char*, int> kEntries[] = {
          {"Standard", 1},    {"Soft", 2},       {"Classic", 3},       {"Vyx", 4},      {"ListView", 6},
          {"Office 2007", 9}, {"Windows XP", 5}, {"Windows Vista", 7}, {"Windows 7", 8}};
      TPopupMenu menu(nullptr);
      for (const auto& [caption, command] : kEntries) {
        const TGridLook look = static_cast<TGridLook>(command - 1);
        TMenuItem* item = menu.Add(caption, [this, look](TObject*) { SetLook(look); });
        item->SetChecked(look == FLook);
      }
      const TPoint p = ClientToScreen(TPoint(X, Y));
      menu.Popup(p.X, p.Y);
      break;
    }
    case 4:
      SetShowDesignHelper(false);
      break;
    default:
      return;
  }
  // The designer sees its form changed.
  if (choice <= 3) {
    if (auto* form = dynamic_cast<TCustomForm*>(Owner())) {
      form->SetWidth(form->Width() - 1);
      form->SetWidth(form->Width() + 1);
    }
  }
}

void TDedAdararAdoz::DesignHitTest(TMessage& Message) {
  const int choice = DesignHelperChoice(static_cast<int16_t>(Message.LParam & 0xFFFF),
                                        static_cast<int16_t>((Message.LParam >> 16) & 0xFFFF));
  if (choice != FLastDesignChoice) {
    const TRect c = ClientRect();
    const TRect corner(c.Right - kHoverWidth, c.Bottom - kHoverHeight, c.Right, c.Bottom);
    InvalidateRect(&corner, false);
  }
  FLastDesignChoice = choice;
  if (choice >= 1 && choice <= 4) Message.Result = 1;
}

void TDedAdararAdoz::PaintDesignColumnNumber(TCanvas* ACanvas, const TRect& ARect, int RCol) {
  ACanvas->Font()->SetSize(8);
  ACanvas->Font()->SetColor(static_cast<TColor>(0x808080));
  ACanvas->Font()->SetStyle(TFontStyles{});
  ACanvas->Brush()->SetStyle(bsClear);
  TRect r = ARect;
  r.Right -= 2;
  DrawText(ACanvas, std::to_string(RCol), r, DT_SINGLELINE | DT_BOTTOM | DT_RIGHT | DT_NOPREFIX);
  ACanvas->Brush()->SetStyle(bsSolid);
}
