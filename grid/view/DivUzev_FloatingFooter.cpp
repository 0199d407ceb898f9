// The floating footer: its settings, the panel that paints it by style,
// the preview template and the footer's clicks and hints.
#include <cstdlib>

#include "framework/controls/Forms.h"
#include "framework/rtl/StrUtils.h"
#include "grid/model/DivUzev.h"

// ---------------------------------------------------------------------------
// Settings

void TFloatingFooter::SetVisible(const bool& Value) {
  FVisible = Value;
  TFooterPanel* panel = FOwner != nullptr ? FOwner->FooterPanel() : nullptr;
  if (panel != nullptr) {
    // Shown first: a panel whose window is made now takes the full height.
    panel->SetVisible(Value);
    panel->SetHeight(Value ? FHeight - 1 : 0);
  }
  if (FOwner == nullptr) return;
  const bool lastRow = Value && FFooterStyle == fsFixedLastRow;
  FOwner->SetFixedFooters(panel != nullptr && panel->Visible() && FFooterStyle == fsFixedLastRow ? 1 : 0);
  FOwner->SetFooterHidesLastRow(lastRow);
  FOwner->InvalidateGrid();
}

void TFloatingFooter::SetFooterStyle(const TFooterStyle& Value) {
  FFooterStyle = Value;
  if (FOwner == nullptr) return;
  // FixedFooters follows only Visible.
  FOwner->SetFooterHidesLastRow(Value == fsFixedLastRow && FVisible);
  FOwner->InvalidateGrid();
  Invalidate();
}

void TFloatingFooter::SetHeight(const int& Value) {
  FHeight = Value;
  TFooterPanel* panel = FOwner != nullptr ? FOwner->FooterPanel() : nullptr;
  if (panel != nullptr && Value > 0) panel->SetHeight(Value - 1);
}

void TFloatingFooter::SetColor(const TColor& Value) {
  FColor = Value;
  Invalidate();
}

void TFloatingFooter::SetColumn(const int& Value) {
  FColumn = Value;
  Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const std::string& Value) {
  FCustomTemplate = Value;
  Invalidate();
}

void TFloatingFooter::SetShowHint(const bool& Value) {
  FShowHint = Value;
  if (FOwner != nullptr && FOwner->FooterPanel() != nullptr) FOwner->FooterPanel()->SetShowHint(Value);
}

void TFloatingFooter::SetBorderColor(const TColor& Value) {
  if (Value == FBorderColor) return;
  FBorderColor = Value;
  Invalidate();
}

TColumnCalcType TFloatingFooter::GetColumnCalc(int ACol) const {
  if (FOwner == nullptr) return acNONE;
  const int last = FOwner->RowCount() - 1;
  if (!FOwner->HasCellProperties(ACol, last)) return acNONE;
  return FOwner->GetGridObject(ACol, last)->CalcType();
}

void TFloatingFooter::SetColumnCalc(int ACol, TColumnCalcType Kind) {
  if (FOwner == nullptr) return;
  FOwner->GetCellProperties(ACol, FOwner->RowCount() - 1)->SetCalcType(Kind);
  FOwner->CalcFooter(ACol);
}

void TFloatingFooter::Invalidate() {
  if (FOwner != nullptr && FOwner->FooterPanel() != nullptr) FOwner->FooterPanel()->Invalidate();
}

void TFloatingFooter::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TFloatingFooter*>(Source);
  if (s == nullptr) return;
  FCalculateHiddenRows = s->FCalculateHiddenRows;
  FColor = s->FColor;
  FColumn = s->FColumn;
  FCustomTemplate = s->FCustomTemplate;
  FFooterStyle = s->FFooterStyle;
  SetVisible(s->FVisible);
  FShowHint = s->FShowHint;
}

void TDedAdararAdoz::SetFooterHidesLastRow(bool Value) {
  if (Value == FFooterHidesLastRow) return;
  FFooterHidesLastRow = Value;
  InvalidateGrid();
}

std::string TDedAdararAdoz::ExpandFooterTemplate(const std::string& Template, int ARow) {
  std::string out;
  size_t i = 0;
  while (i < Template.size()) {
    const size_t tag = Template.find("<#", i);
    if (tag == std::string::npos) {
      out.append(Template, i, std::string::npos);
      break;
    }
    out.append(Template, i, tag - i);
    const size_t close = Template.find('>', tag + 2);
    if (close == std::string::npos) {
      // An unclosed tag: the rest stands as it is.
      out.append(Template, tag, std::string::npos);
      break;
    }
    const std::string number = Template.substr(tag + 2, close - tag - 2);
    int col = 0;
    if (TryStrToInt(number, col) && col >= 0 && col < TotalColCount() && ARow >= 0 && ARow < RowCount())
      out += GetCellsEx(col, ARow);
    i = close + 1;
  }
  return out;
}

// ---------------------------------------------------------------------------
// The panel

TDedAdararAdoz* TFooterPanel::Grid() const { return dynamic_cast<TDedAdararAdoz*>(Owner()); }

void TFooterPanel::CreateWnd() {
  TCustomControl::CreateWnd();
  TDedAdararAdoz* g = Grid();
  if (g == nullptr) return;
  SetHeight(g->FloatingFooter()->Visible() ? g->FloatingFooter()->Height() : 0);
  if (g->OnCreatedFloatingFooter) g->OnCreatedFloatingFooter(g);
}

std::vector<std::pair<int, int>> TFooterPanel::Layout() {
  std::vector<std::pair<int, int>> cols;
  TDedAdararAdoz* g = Grid();
  if (g == nullptr) return cols;
  for (int c = 0; c < g->FixedCols(); ++c) cols.emplace_back(c, g->ColWidths(c));
  for (int c = g->LeftCol(); c < g->ColCount(); ++c) cols.emplace_back(c, g->ColWidths(c));
  return cols;
}

int TFooterPanel::ColumnAt(int X) {
  const bool rtl = Grid() != nullptr && Grid()->UseRightToLeftAlignment();
  if (rtl) X = ClientWidth() - X;
  int x = 0;
  for (const auto& [col, width] : Layout()) {
    if (X >= x && X < x + width) return col;
    x += width;
  }
  return -1;
}

void TFooterPanel::Paint() {
  TDedAdararAdoz* g = Grid();
  if (g == nullptr) return;
  TFloatingFooter* f = g->FloatingFooter();
  TCanvas* c = Canvas();
  const TRect client = ClientRect();
  const auto cols = Layout();
  int total = 0;
  for (const auto& col : cols) total += col.second;
  const bool rtl = g->UseRightToLeftAlignment();
  auto mirror = [&](TRect R) {
    if (rtl) R = TRect(client.Width() - R.Right, R.Top, client.Width() - R.Left, R.Bottom);
    return R;
  };
  auto fill = [&](const TRect& R, TColor Color) {
    c->Brush()->SetColor(Color);
    c->Pen()->SetColor(Color);
    c->FillRect(mirror(R));
  };
  int lineEnd = total;
  switch (f->FooterStyle()) {
    case fsFixedLastRow: {
      fill(TRect(0, 0, total, client.Bottom), f->Color());
      fill(TRect(total, 0, client.Right, client.Bottom), g->Color());
      const int last = g->RowCount() - 1;
      const bool horz = g->Options().Contains(goFixedHorzLine);
      const bool vert = g->Options().Contains(goFixedVertLine);
      const TGridLook look = g->Look();
      const bool raised = (look == glSoft || look == glVyx || look == glXP || look == glVista) && !g->Flat();
      int x = 0;
      for (const auto& [col, width] : cols) {
        const bool fixed = col < g->FixedCols();
        if (vert && raised) {
          c->Pen()->SetColor(clWhite);
          const TRect l = mirror(TRect(x, 0, x + 1, client.Bottom));
          c->MoveTo(l.Left, 0);
          c->LineTo(l.Left, client.Bottom);
        }
        if (horz) {
          c->Pen()->SetColor(g->GridLineColor());
          const TRect t = mirror(TRect(x, 0, x + width, 1));
          c->MoveTo(t.Left, 0);
          c->LineTo(t.Right, 0);
        }
        if (vert) {
          c->Pen()->SetColor(fixed || look == glVista ? g->GridLineColor() : static_cast<TColor>(0x808080));
          const TRect r = mirror(TRect(x + width - 1, 0, x + width, client.Bottom));
          c->MoveTo(r.Left, 0);
          c->LineTo(r.Left, client.Bottom);
        }
        TRect cell(x + (horz && raised ? 1 : 0), horz ? 1 : 0, x + width - 1, client.Bottom);
        const bool base = !g->IsMergedCell(col, last) || g->IsBaseCell(col, last);
        if (!fixed) {
          const int real = g->RealColIndex(col);
          if (g->OnGetCellColor) {
            c->Brush()->SetStyle(bsClear);
            g->OnGetCellColor(g, last, real, TGridDrawState{gdFixed}, c->Brush(), c->Font());
            if (c->Brush()->Style() != bsClear) c->FillRect(mirror(cell));
          }
          if (g->HasCellProperties(real, last) && g->Colors(real, last) != clNone)
            fill(cell, g->Colors(real, last));
          if (base && g->OnFooterPaint) {
            g->OnFooterPaint(this, col, c, mirror(cell));
            x += width;
            continue;
          }
        }
        if (base) g->DoPaintCell(c, col, last, mirror(cell), TGridDrawState{gdFixed}, true);
        x += width;
      }
      break;
    }
    case fsColumnPreview:
    case fsCustomPreview: {
      const TRect all(0, 0, total, client.Bottom);
      fill(all, f->Color());
      const TRect a = mirror(all);
      c->Pen()->SetColor(static_cast<TColor>(0x808080));
      c->MoveTo(a.Left, a.Bottom - 1);
      c->LineTo(a.Right - 1, a.Bottom - 1);
      c->LineTo(a.Right - 1, a.Top);
      c->Pen()->SetColor(clWhite);
      c->LineTo(a.Left, a.Top);
      c->LineTo(a.Left, a.Bottom - 1);
      const TColor selText = g->SelectionTextColor();
      g->SetSelectionTextColor(static_cast<TColor>(0));
      if (f->FooterStyle() == fsColumnPreview) {
        if (g->OnFooterPaint)
          g->OnFooterPaint(this, f->Column(), c, a);
        else
          g->DoPaintCell(c, f->Column(), g->Row(), a, TGridDrawState{}, true);
      } else {
        TRect r = a;
        r.Top += 2;
        const std::string text =
            g->Designing() ? f->CustomTemplate() : g->ExpandFooterTemplate(f->CustomTemplate(), g->Row());
        c->Brush()->SetStyle(bsClear);
        c->Font()->Assign(g->Font());
        c->TextRect(r, r.Left + 2, r.Top, text);
      }
      g->SetSelectionTextColor(selText);
      fill(TRect(total, 0, client.Right, client.Bottom), g->Color());
      break;
    }
    case fsCustomPaint:
      lineEnd = client.Width();
      if (g->OnFooterPaint) g->OnFooterPaint(this, f->Column(), c, client);
      break;
  }
  if (f->BorderColor() != clNone) {
    c->Pen()->SetColor(f->BorderColor());
    const TRect l = mirror(TRect(0, 0, lineEnd, 1));
    c->MoveTo(l.Left, 0);
    c->LineTo(l.Right, 0);
  }
}

std::string TFooterPanel::FooterHint(int X) {
  TDedAdararAdoz* g = Grid();
  std::string hint;
  if (g == nullptr) return hint;
  const int col = ColumnAt(X);
  if (g->OnGridHint && col >= 0) g->OnGridHint(g, g->RowCount() - 1, col, hint);
  FLastHintX = ShowHint() ? col : -1;
  return hint;
}

void TFooterPanel::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!ShowHint() || FLastHintX < 0) return;
  const int col = ColumnAt(X);
  if (col == FLastHintX) return;
  if (Application != nullptr) Application->CancelHint();
  FLastHintX = col;
  SetHint(FooterHint(X));
}

void TFooterPanel::CMMouseLeave(TMessage& Message) {
  TCustomControl::CMMouseLeave(Message);
  FLastHintX = -1;
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  TDedAdararAdoz* g = Grid();
  if (g == nullptr) return;
  if (g->OnClick) g->OnClick(g);
  const int col = ColumnAt(X);
  if (col >= 0 && g->OnClickCell) g->OnClickCell(g, g->RowCount() - 1, col);
}
