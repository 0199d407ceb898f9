// The search panel: the strip under the grid with the find edit, the next,
// previous, highlight and close buttons and the match-case box.
#include <string>

#include "framework/controls/CheckBox.h"
#include "framework/controls/Messages.h"
#include "framework/controls/WinApi.h"
#include "framework/graphics/Graphics.h"
#include "grid/base/VevDropDownUtil.h"
#include "grid/base/gridcheck.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevSearchPanel.h"

// ---------------------------------------------------------------------------
// The find edit

void TRetEdit::CreateParams(TCreateParams& Params) {
  TEdit::CreateParams(Params);
  Params.Style |= ES_MULTILINE;
}

void TRetEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_RETURN) {
    if ((GetKeyState(VK_CONTROL) & 0x8000) != 0 || Shift.Contains(ssCtrl)) {
      if (OnCtrlReturn) OnCtrlReturn(this);
    } else if (OnReturn) {
      OnReturn(this);
    }
    Key = 0;
    return;
  }
  TEdit::KeyDown(Key, Shift);
}

void TRetEdit::KeyPress(char32_t& Key) {
  if (Key == 10 || Key == 13) {
    // Told to whoever listens, never typed.
    char32_t k = Key;
    if (OnKeyPress) OnKeyPress(this, k);
    Key = 0;
    return;
  }
  TEdit::KeyPress(Key);
}

// ---------------------------------------------------------------------------
// The panel

namespace {

void LoadGlyph(TBitmap* Into, const char* Name) {
  TBitmap b;
  try {
    b.LoadFromResourceName(Name);
  } catch (...) {
    return;  // a missing picture leaves the button without one
  }
  Into->Assign(&b);
}

void SetGlyphs(TDivUzevButton* B, const char* Normal, const char* Disabled) {
  TBitmap b;
  LoadGlyph(&b, Normal);
  B->SetGlyph(&b);
  if (Disabled != nullptr) {
    TBitmap d;
    LoadGlyph(&d, Disabled);
    B->SetGlyphDisabled(&d);
  }
}

// The glyphs come with the window: most grids never show their panel, and a
// button's pictures (with their disabled and shaded copies) cost more memory
// than the rest of the panel.
void LoadGlyphs(TSearchPanel* P) {
  SetGlyphs(P->ForwardButton(), "GRDARDOWN", "GRDARDOWND");
  SetGlyphs(P->BackwardButton(), "GRDARUP", "GRDARUPD");
  SetGlyphs(P->HiliteButton(), "GRDHI", "GRDHID");
  SetGlyphs(P->ExitButton(), "GRDCLOSE", nullptr);
  TBitmap hot, down;
  LoadGlyph(&hot, "GRDCLOSEH");
  LoadGlyph(&down, "GRDCLOSED");
  P->ExitButton()->SetGlyphHot(&hot);
  P->ExitButton()->SetGlyphDown(&down);
}

}  // namespace

TSearchPanel::TSearchPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetAlign(alBottom);
  SetHeight(0);
  SetBorderWidth(0);
  FEditControl = new TRetEdit(this);
  FExitButton = new TDivUzevButton(this);
  FForwardButton = new TDivUzevButton(this);
  FBackwardButton = new TDivUzevButton(this);
  FHiliteButton = new TDivUzevButton(this);
  FMatchCase = new TCheckBox(this);

  FEditControl->OnChange = [this](TObject* S) { EditChanged(S); };
  FEditControl->OnReturn = [this](TObject*) {
    if (OnForwardClick) OnForwardClick(this);
  };
  FEditControl->OnCtrlReturn = [this](TObject*) {
    if (OnBackwardClick) OnBackwardClick(this);
  };
  FForwardButton->OnClick = [this](TObject*) {
    if (OnForwardClick) OnForwardClick(this);
  };
  FBackwardButton->OnClick = [this](TObject*) {
    if (OnBackwardClick) OnBackwardClick(this);
  };
  FExitButton->OnClick = [this](TObject*) {
    if (OnExitClick) OnExitClick(this);
  };
  FHiliteButton->OnClick = [this](TObject*) {
    if (OnHighlightClick) OnHighlightClick(this);
  };
  FHiliteButton->SetStyle(tasCheck);
  FHiliteButton->SetAllowAllUp(true);
  FHiliteButton->SetGroupIndex(1);
  FForwardButton->SetEnabled(false);
  FBackwardButton->SetEnabled(false);
  FHiliteButton->SetEnabled(false);
}

TSearchPanel::~TSearchPanel() = default;

void TSearchPanel::SetColorTo(TColor Value) {
  FColorTo = Value;
  Invalidate();
}

std::string TSearchPanel::EditText() const { return FEditControl->Text(); }
bool TSearchPanel::MatchCaseChecked() const { return FMatchCase->Checked(); }
bool TSearchPanel::HighlightDown() const { return FHiliteButton->Down(); }

void TSearchPanel::SetEditColor(TColor Value) {
  if (FEditControl->Color() == Value) return;
  FEditControl->SetColor(Value);
  // One pixel wider and back, so the edit paints its new colour at once.
  FEditControl->SetWidth(FEditControl->Width() + 1);
  FEditControl->SetWidth(FEditControl->Width() - 1);
}

void TSearchPanel::EditChanged(TObject*) {
  const bool any = !FEditControl->Text().empty();
  FForwardButton->SetEnabled(any);
  FBackwardButton->SetEnabled(any);
  FHiliteButton->SetEnabled(any);
  if (OnEditChange) OnEditChange(this);
}

void TSearchPanel::LayoutControls() {
  auto place = [this](TControl* C, int L, int T, int W, int H, bool Mirror) {
    C->SetParent(this);
    if (Mirror && BiDiMode() == bdRightToLeft) L = Width() - W - L;
    C->SetBounds(L, T, W, H);
  };
  place(FEditControl, 25, 6, 110, FEditControl->Height(), true);
  const auto shown = [](TControl* C, int H) { return C->Visible() ? H : 0; };
  place(FForwardButton, 140, 5, 90, shown(FForwardButton, 23), true);
  place(FBackwardButton, 235, 5, 90, shown(FBackwardButton, 23), true);
  place(FExitButton, 5, 7, 14, FExitButton->Visible() ? 14 : 0, true);
  place(FHiliteButton, 330, 5, 90, shown(FHiliteButton, 23), true);
  place(FMatchCase, FHiliteButton->Visible() ? 425 : 330, 8, FMatchCase->Width(),
        FMatchCase->Visible() ? 18 : 0, false);
  auto hint = [](TControl* C, const std::string& H) {
    C->SetHint(H);
    C->SetShowHint(!H.empty());
  };
  FForwardButton->SetCaption(FindNextCaption);
  FBackwardButton->SetCaption(FindPrevCaption);
  FHiliteButton->SetCaption(HighLightCaption);
  FMatchCase->SetCaption(MatchCaseCaption);
  hint(FForwardButton, HintFindNext);
  hint(FBackwardButton, HintFindPrev);
  hint(FExitButton, HintClose);
  hint(FHiliteButton, HintHighlight);
  for (TControl* c : {static_cast<TControl*>(FForwardButton), static_cast<TControl*>(FBackwardButton),
                      static_cast<TControl*>(FExitButton), static_cast<TControl*>(FHiliteButton)})
    c->SetParentFont(true);
}

void TSearchPanel::CreateWnd() {
  TCustomControl::CreateWnd();
  LayoutControls();
  LoadGlyphs(this);
  if (auto* grid = dynamic_cast<TDedAdararAdoz*>(Owner())) {
    if (grid->OnCreatedSearchFooter) grid->OnCreatedSearchFooter(grid);
  }
}

void TSearchPanel::Paint() {
  TCanvas* c = Canvas();
  const TRect r = ClientRect();
  if (FColorTo == clNone) {
    c->Brush()->SetColor(Color());
    c->Pen()->SetColor(Color());
    c->FillRect(r);
  } else {
    DrawGradient(c, Color(), FColorTo, 32, r, false);
  }
  auto* grid = dynamic_cast<TDedAdararAdoz*>(Owner());
  c->Pen()->SetColor(grid != nullptr ? grid->GridLineColor() : clSilver);
  c->MoveTo(0, 0);
  c->LineTo(Width(), 0);
}

// ---------------------------------------------------------------------------
// The grid's side: the panel follows the search footer's settings.

void TDedAdararAdoz::UpdateSearchPanel(TObject*) {
  if (FSearchPanel == nullptr || ComponentState().Contains(csLoading)) return;
  TSearchPanel* p = FSearchPanel;
  TSearchFooter* f = FSearchFooter.get();
  const bool wasShown = p->HighlightDown() && p->Visible() && !f->Visible();
  if (wasShown || f->AlwaysHighLight()) FooterHighlight(false, "", false);

  p->SetColor(f->Color());
  p->SetColorTo(f->ColorTo());
  p->SetVisible(f->Visible());
  p->FindNextCaption = f->FindNextCaption();
  p->FindPrevCaption = f->FindPrevCaption();
  p->MatchCaseCaption = f->MatchCaseCaption();
  p->HighLightCaption = f->HighLightCaption();
  p->HintClose = f->HintClose();
  p->HintFindNext = f->HintFindNext();
  p->HintFindPrev = f->HintFindPrev();
  p->HintHighlight = f->HintHighLight();
  p->Font()->Assign(f->Font());

  const TGridControlStyle style = FControlLook->ControlStyle();
  const bool flat = f->AutoThemeAdapt() || style == csFlat;
  for (TDivUzevButton* b : {p->ForwardButton(), p->BackwardButton(), p->HiliteButton(), p->ExitButton()})
    b->SetFlat(flat);

  p->HiliteButton()->SetVisible(f->ShowHighLight());
  p->ExitButton()->SetVisible(f->ShowClose());
  p->MatchCase()->SetVisible(f->ShowMatchCase());
  p->BackwardButton()->SetVisible(f->ShowFindPrev());
  p->ForwardButton()->SetVisible(f->ShowFindNext());
  p->LayoutControls();

  if (f->Visible()) {
    p->SetHeight(32);
    p->SetTop(Height() - 32);
    ScrollLastRowClear();
  } else {
    p->SetHeight(0);
  }
}
