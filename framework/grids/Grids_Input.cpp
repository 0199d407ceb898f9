// TCustomGrid: keys, mouse, wheel and the window's own scroll bars.
#include <algorithm>

#include "framework/controls/Forms.h"
#include "framework/grids/Grids.h"

namespace {
constexpr uintptr_t kSelectTimer = 1;
// How near a border the pointer must be to size a column or row.
constexpr int kSizingSlack = 2;
}  // namespace

bool TCustomGrid::CanGridAcceptKey(WORD, TShiftState) { return true; }

void TCustomGrid::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  if (!CanGridAcceptKey(Key, Shift)) {
    Key = 0;
    return;
  }
  bool rowSelect = options_.Contains(goRowSelect);
  int pageWidth = std::max(1, VisibleColCount());
  int pageHeight = std::max(1, VisibleRowCount());
  TGridCoord newTopLeft = topLeft_;
  TGridCoord newCurrent = current_;
  if (Shift.Contains(ssCtrl)) {
    switch (Key) {
      case VK_UP:
        --newTopLeft.Y;
        break;
      case VK_DOWN:
        ++newTopLeft.Y;
        break;
      case VK_LEFT:
        if (!rowSelect) {
          newCurrent.X -= pageWidth;
          newTopLeft.X -= pageWidth;
        }
        break;
      case VK_RIGHT:
        if (!rowSelect) {
          newCurrent.X += pageWidth;
          newTopLeft.X += pageWidth;
        }
        break;
      case VK_PRIOR:
        newCurrent.Y = topLeft_.Y;
        break;
      case VK_NEXT:
        newCurrent.Y = std::max(topLeft_.Y, VertAxis().LastFullVisible());
        break;
      case VK_HOME:
        newCurrent = TGridCoord(fixedCols_, fixedRows_);
        newTopLeft = newCurrent;
        break;
      case VK_END:
        newCurrent = TGridCoord(colCount_ - 1, rowCount_ - 1);
        break;
      default:
        break;
    }
  } else {
    switch (Key) {
      case VK_UP:
        --newCurrent.Y;
        break;
      case VK_DOWN:
        ++newCurrent.Y;
        break;
      case VK_LEFT:
        if (rowSelect)
          --newTopLeft.X;
        else
          --newCurrent.X;
        break;
      case VK_RIGHT:
        if (rowSelect)
          ++newTopLeft.X;
        else
          ++newCurrent.X;
        break;
      case VK_NEXT:
        newCurrent.Y += pageHeight;
        newTopLeft.Y += pageHeight;
        break;
      case VK_PRIOR:
        newCurrent.Y -= pageHeight;
        newTopLeft.Y -= pageHeight;
        break;
      case VK_HOME:
        if (rowSelect)
          newTopLeft.X = fixedCols_;
        else
          newCurrent.X = fixedCols_;
        break;
      case VK_END:
        if (rowSelect)
          newTopLeft.X = colCount_ - 1;
        else
          newCurrent.X = colCount_ - 1;
        break;
      case VK_TAB:
        if (options_.Contains(goTabs) && !Shift.Contains(ssAlt) && !rowSelect) {
          // Wraps into the next (previous) row, and from the last cell to the
          // first; columns without a tab stop are skipped.
          int startX = current_.X;
          do {
            if (Shift.Contains(ssShift)) {
              if (--newCurrent.X < fixedCols_) {
                newCurrent.X = colCount_ - 1;
                if (--newCurrent.Y < fixedRows_) newCurrent.Y = rowCount_ - 1;
              }
            } else {
              if (++newCurrent.X >= colCount_) {
                newCurrent.X = fixedCols_;
                if (++newCurrent.Y >= rowCount_) newCurrent.Y = fixedRows_;
              }
            }
          } while (!TabStops(newCurrent.X) && newCurrent.X != startX);
          Shift.Exclude(ssShift);
        }
        break;
      case VK_F2:
        SetEditorMode(true);
        break;
      case VK_ESCAPE:
        if (editorMode_ && !options_.Contains(goAlwaysShowEditor)) CancelEdit();
        break;
      default:
        break;
    }
  }
  TGridCoord maxTL = MaxTopLeft();
  newTopLeft.X = std::clamp(newTopLeft.X, fixedCols_, std::max(fixedCols_, maxTL.X));
  newTopLeft.Y = std::clamp(newTopLeft.Y, fixedRows_, std::max(fixedRows_, maxTL.Y));
  if (newTopLeft.X != topLeft_.X || newTopLeft.Y != topLeft_.Y) MoveTopLeft(newTopLeft.X, newTopLeft.Y);
  newCurrent.X = std::clamp(newCurrent.X, fixedCols_, colCount_ - 1);
  newCurrent.Y = std::clamp(newCurrent.Y, fixedRows_, rowCount_ - 1);
  if (newCurrent.X != current_.X || newCurrent.Y != current_.Y)
    FocusCell(newCurrent.X, newCurrent.Y, !Shift.Contains(ssShift));
}

void TCustomGrid::KeyPress(char32_t& Key) {
  TCustomControl::KeyPress(Key);
  if (!options_.Contains(goAlwaysShowEditor) && Key == U'\r') {
    if (editorMode_)
      HideEditor();
    else
      ShowEditor();
    Key = 0;
  }
}

void TCustomGrid::WMChar(TMessage& Message) {
  char32_t ch = static_cast<char32_t>(Message.WParam);
  // With row select there is no editor to take the character: it stays an
  // ordinary key press.
  if (options_.Contains(goEditing) && !options_.Contains(goRowSelect) && (ch == 8 || ch >= 32) && ch != 127) {
    ShowEditorChar(ch);
    return;
  }
  TCustomControl::WMChar(Message);
}

void TCustomGrid::WMGetDlgCode(TMessage& Message) {
  Message.Result = DLGC_WANTARROWS;
  if (!options_.Contains(goRowSelect)) {
    if (options_.Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
    if (options_.Contains(goEditing)) Message.Result |= DLGC_WANTCHARS;
  }
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = TCustomControl::DoMouseWheelDown(Shift, MousePos);
  if (!handled) {
    if (current_.Y < rowCount_ - 1) SetRow(current_.Y + 1);
    handled = true;
  }
  return handled;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = TCustomControl::DoMouseWheelUp(Shift, MousePos);
  if (!handled) {
    if (current_.Y > fixedRows_) SetRow(current_.Y - 1);
    handled = true;
  }
  return handled;
}

void TCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                                  int& SizingOfs) {
  State = gsNormal;
  Index = -1;
  SizingPos = 0;
  SizingOfs = 0;
  TAxis h = HorzAxis(), v = VertAxis();
  int ux = UseRightToLeftAlignment() ? ClientWidth() - 1 - X : X;
  auto findBorder = [](const TAxis& a, int pos, int& index, int& border) {
    int last = a.LastVisible();
    int p = 0;
    auto check = [&](int i) {
      int b = p + a.Extent(i);
      p = b + a.Line;
      if (pos >= b - kSizingSlack && pos <= b + a.Line + kSizingSlack) {
        index = i;
        border = b;
        return true;
      }
      return false;
    };
    for (int i = 0; i < a.Fixed && i < a.Count; ++i)
      if (check(i)) return true;
    for (int j = a.First; j <= last; ++j)
      if (check(j)) return true;
    return false;
  };
  int border = 0;
  if (options_.Contains(goColSizing) && Y >= 0 && Y < v.FixedBoundary() && findBorder(h, ux, Index, border)) {
    State = gsColSizing;
    SizingPos = border;
    SizingOfs = ux - border;
  } else if (options_.Contains(goRowSizing) && ux >= 0 && ux < h.FixedBoundary() &&
             findBorder(v, Y, Index, border)) {
    State = gsRowSizing;
    SizingPos = border;
    SizingOfs = Y - border;
  }
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!ComponentState().Contains(csDesigning) && CanFocus()) {
    if (!Focused() && !(inplaceEdit_ != nullptr && inplaceEdit_->Focused())) SetFocus();
    if (!IsActiveControl()) {
      SetMouseCapture(false);
      return;
    }
  }
  lastMouse_ = TPoint(X, Y);
  if (Button == mbLeft && Shift.Contains(ssDouble)) {
    DblClick();
  } else if (Button == mbLeft) {
    CalcSizingState(X, Y, gridState_, sizingIndex_, sizingPos_, sizingOfs_);
    if (gridState_ != gsNormal) {
      DrawSizingLine();
    } else {
      TGridCoord hit = MouseCoord(X, Y);
      if (hit.X >= fixedCols_ && hit.Y >= fixedRows_) {
        if (options_.Contains(goEditing) && !Shift.Contains(ssShift)) {
          if (hit.X == current_.X && hit.Y == current_.Y) {
            ShowEditor();
          } else if (MoveColRow(hit.X, hit.Y, true, true)) {
            UpdateEdit();
          }
          Click();
        } else {
          gridState_ = gsSelecting;
          if (HandleAllocated()) SetTimer(handle_, kSelectTimer, 60);
          // Shift extends the selection from its anchor to the cell.
          MoveColRow(hit.X, hit.Y, !Shift.Contains(ssShift), true);
        }
      } else if (options_.Contains(goRowMoving) && hit.X >= 0 && hit.X < fixedCols_ && hit.Y >= fixedRows_) {
        moveIndex_ = movePos_ = hit.Y;
        gridState_ = gsRowMoving;
        DrawMove();
      } else if (options_.Contains(goColMoving) && hit.Y >= 0 && hit.Y < fixedRows_ && hit.X >= fixedCols_) {
        moveIndex_ = movePos_ = hit.X;
        gridState_ = gsColMoving;
        DrawMove();
      }
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::DoSelectingMove(int X, int Y) {
  // Past an edge, the cell next to the view comes in, one per move or tick.
  TAxis h = HorzAxis(), v = VertAxis();
  int ux = UseRightToLeftAlignment() ? ClientWidth() - 1 - X : X;
  int col = h.CellAt(std::clamp(ux, 0, std::max(0, h.Client - 1)));
  int row = v.CellAt(std::clamp(Y, 0, std::max(0, v.Client - 1)));
  if (ux >= h.Client) col = std::min(colCount_ - 1, std::max(h.LastFullVisible(), h.First - 1) + 1);
  if (ux < 0) col = std::max(fixedCols_, topLeft_.X - 1);
  if (Y >= v.Client) row = std::min(rowCount_ - 1, std::max(v.LastFullVisible(), v.First - 1) + 1);
  if (Y < 0) row = std::max(fixedRows_, topLeft_.Y - 1);
  if (col < fixedCols_) col = ux < h.FixedBoundary() ? std::max(fixedCols_, topLeft_.X - 1) : current_.X;
  if (row < fixedRows_) row = Y < v.FixedBoundary() ? std::max(fixedRows_, topLeft_.Y - 1) : current_.Y;
  col = std::clamp(col, fixedCols_, colCount_ - 1);
  row = std::clamp(row, fixedRows_, rowCount_ - 1);
  if (col != current_.X || row != current_.Y) MoveColRow(col, row, false, true);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  lastMouse_ = TPoint(X, Y);
  switch (gridState_) {
    case gsSelecting:
      DoSelectingMove(X, Y);
      break;
    case gsColSizing:
    case gsRowSizing: {
      int pos = gridState_ == gsColSizing ? (UseRightToLeftAlignment() ? ClientWidth() - 1 - X : X) : Y;
      sizingPos_ = pos - sizingOfs_;
      DrawSizingLine();
      break;
    }
    case gsColMoving:
    case gsRowMoving: {
      TGridCoord hit = MouseCoord(X, Y);
      int target = gridState_ == gsColMoving ? hit.X : hit.Y;
      int fixed = gridState_ == gsColMoving ? fixedCols_ : fixedRows_;
      if (target >= fixed && target != movePos_) {
        movePos_ = target;
        DrawMove();
      }
      break;
    }
    default:
      break;
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGridState state = gridState_;
  gridState_ = gsNormal;
  switch (state) {
    case gsSelecting:
      DoSelectingMove(X, Y);
      if (HandleAllocated()) KillTimer(handle_, kSelectTimer);
      UpdateEdit();
      Click();
      break;
    case gsColSizing:
    case gsRowSizing: {
      TAxis a = state == gsColSizing ? HorzAxis() : VertAxis();
      int start = a.CellStart(sizingIndex_);
      int pos = state == gsColSizing ? (UseRightToLeftAlignment() ? ClientWidth() - 1 - X : X) : Y;
      int size = std::max(1, pos - sizingOfs_ - start);
      if (start >= 0) {
        if (state == gsColSizing)
          SetColWidths(sizingIndex_, size);
        else
          SetRowHeights(sizingIndex_, size);
      }
      DrawSizingLine();
      UpdateEdit();
      break;
    }
    case gsColMoving:
    case gsRowMoving:
      if (moveIndex_ >= 0 && movePos_ >= 0 && moveIndex_ != movePos_) {
        if (state == gsColMoving)
          MoveColumn(moveIndex_, movePos_);
        else
          MoveRow(moveIndex_, movePos_);
      }
      moveIndex_ = movePos_ = -1;
      DrawMove();
      UpdateEdit();
      break;
    default:
      break;
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::WMTimer(TMessage& Message) {
  if (Message.WParam == kSelectTimer && gridState_ == gsSelecting) {
    DoSelectingMove(lastMouse_.X, lastMouse_.Y);
    return;
  }
  TCustomControl::WMTimer(Message);
}

void TCustomGrid::WMSetCursor(TMessage& Message) {
  if (peer_ != nullptr && gridState_ == gsNormal) {
    TPoint p = ScreenToClient(CursorPos());
    TGridState s;
    int index, pos, ofs;
    CalcSizingState(p.X, p.Y, s, index, pos, ofs);
    if (s == gsColSizing || s == gsRowSizing) {
      peer_->SetCursor(s == gsColSizing ? crHSplit : crVSplit);
      Message.Result = 1;
      return;
    }
  }
  TCustomControl::WMSetCursor(Message);
}

void TCustomGrid::WMSetFocus(TMessage& Message) {
  TCustomControl::WMSetFocus(Message);
  HWND from = static_cast<HWND>(Message.WParam);
  if (inplaceEdit_ == nullptr || !inplaceEdit_->HandleAllocated() || from != inplaceEdit_->Handle()) {
    InvalidateGridRect(Selection());
    UpdateEdit();
  }
}

void TCustomGrid::WMKillFocus(TMessage& Message) {
  TCustomControl::WMKillFocus(Message);
  InvalidateGridRect(Selection());
}

void TCustomGrid::DoExit() {
  TCustomControl::DoExit();
  if (!options_.Contains(goAlwaysShowEditor)) HideEditor();
}
