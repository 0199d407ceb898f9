#include "framework/backend/qt/QtStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "framework/graphics/Themes.h"

namespace {
// Normal, hot, pressed, disabled: the order most classes number their states.
void ApplyState4(QStyleOption& o, int state) {
  o.state |= QStyle::State_Enabled;
  switch ((state - 1) % 4) {
    case 1:
      o.state |= QStyle::State_MouseOver;
      break;
    case 2:
      o.state |= QStyle::State_Sunken;
      break;
    case 3:
      o.state &= ~QStyle::State_Enabled;
      break;
    default:
      break;
  }
}

template <typename Opt>
Opt Option(const QRect& r) {
  Opt o;
  o.rect = r;
  o.palette = QApplication::palette();
  o.state = QStyle::State_None;
  o.fontMetrics = QFontMetrics(QApplication::font());
  return o;
}

void Button(QPainter* p, QStyle* st, int part, int state, const QRect& r) {
  auto o = Option<QStyleOptionButton>(r);
  switch (part) {
    case BP_CHECKBOX: {
      ApplyState4(o, state);
      int kind = (state - 1) / 4;
      o.state |= kind == 0 ? QStyle::State_Off : kind == 1 ? QStyle::State_On : QStyle::State_NoChange;
      st->drawPrimitive(QStyle::PE_IndicatorCheckBox, &o, p);
      break;
    }
    case BP_RADIOBUTTON:
      ApplyState4(o, state);
      o.state |= (state - 1) / 4 == 1 ? QStyle::State_On : QStyle::State_Off;
      st->drawPrimitive(QStyle::PE_IndicatorRadioButton, &o, p);
      break;
    case BP_GROUPBOX: {
      auto f = Option<QStyleOptionFrame>(r);
      f.state |= state == GBS_DISABLED ? QStyle::State_None : QStyle::State_Enabled;
      f.lineWidth = 1;
      st->drawPrimitive(QStyle::PE_FrameGroupBox, &f, p);
      break;
    }
    default:
      if (state == PBS_DEFAULTED) {
        o.state |= QStyle::State_Enabled;
        o.features |= QStyleOptionButton::DefaultButton;
      } else {
        ApplyState4(o, state);
      }
      o.state |= QStyle::State_Raised;
      st->drawControl(QStyle::CE_PushButtonBevel, &o, p);
      break;
  }
}

void ArrowButton(QPainter* p, QStyle* st, int state, const QRect& r, QStyle::PrimitiveElement arrow) {
  auto o = Option<QStyleOptionButton>(r);
  ApplyState4(o, state);
  o.state |= QStyle::State_Raised;
  st->drawPrimitive(QStyle::PE_PanelButtonBevel, &o, p);
  QStyleOption a = o;
  int m = std::max(2, std::min(r.width(), r.height()) / 4);
  a.rect = r.adjusted(m, m, -m, -m);
  st->drawPrimitive(arrow, &a, p);
}

void ComboBox(QPainter* p, QStyle* st, int part, int state, const QRect& r) {
  if (part == CP_DROPDOWNBUTTON || part == CP_DROPDOWNBUTTONRIGHT || part == CP_DROPDOWNBUTTONLEFT) {
    ArrowButton(p, st, state, r, QStyle::PE_IndicatorArrowDown);
    return;
  }
  auto f = Option<QStyleOptionFrame>(r);
  ApplyState4(f, state);
  f.lineWidth = 1;
  st->drawPrimitive(QStyle::PE_PanelLineEdit, &f, p);
}

void Spin(QPainter* p, QStyle* st, int part, int state, const QRect& r) {
  QStyle::PrimitiveElement a = part == SPNP_UP       ? QStyle::PE_IndicatorArrowUp
                               : part == SPNP_DOWN   ? QStyle::PE_IndicatorArrowDown
                               : part == SPNP_UPHORZ ? QStyle::PE_IndicatorArrowRight
                                                     : QStyle::PE_IndicatorArrowLeft;
  ArrowButton(p, st, state, r, a);
}

void Header(QPainter* p, QStyle* st, int part, int state, const QRect& r) {
  auto o = Option<QStyleOptionHeader>(r);
  ApplyState4(o, state);
  if (part == HP_HEADERSORTARROW) {
    o.sortIndicator = state == HSAS_SORTEDDOWN ? QStyleOptionHeader::SortDown : QStyleOptionHeader::SortUp;
    st->drawPrimitive(QStyle::PE_IndicatorHeaderArrow, &o, p);
    return;
  }
  o.orientation = Qt::Horizontal;
  o.position = part == HP_HEADERITEMLEFT    ? QStyleOptionHeader::Beginning
               : part == HP_HEADERITEMRIGHT ? QStyleOptionHeader::End
                                            : QStyleOptionHeader::Middle;
  st->drawControl(QStyle::CE_HeaderSection, &o, p);
}

void Progress(QPainter* p, QStyle* st, int part, const QRect& r) {
  auto o = Option<QStyleOptionProgressBar>(r);
  o.state |= QStyle::State_Enabled;
  o.minimum = 0;
  o.maximum = 100;
  bool vertical = part == PP_BARVERT || part == PP_CHUNKVERT || part == PP_FILLVERT;
  if (vertical)
    o.state &= ~QStyle::State_Horizontal;
  else
    o.state |= QStyle::State_Horizontal;
  if (part == PP_BAR || part == PP_BARVERT) {
    o.progress = 0;
    st->drawControl(QStyle::CE_ProgressBarGroove, &o, p);
  } else {
    o.progress = 100;
    st->drawControl(QStyle::CE_ProgressBarContents, &o, p);
  }
}

void ScrollBar(QPainter* p, QStyle* st, int part, int state, const QRect& r) {
  if (part == SBP_ARROWBTN) {
    int dir = (state - 1) / 4;
    QStyle::PrimitiveElement a = dir == 0   ? QStyle::PE_IndicatorArrowUp
                                 : dir == 1 ? QStyle::PE_IndicatorArrowDown
                                 : dir == 2 ? QStyle::PE_IndicatorArrowLeft
                                            : QStyle::PE_IndicatorArrowRight;
    ArrowButton(p, st, state, r, a);
    return;
  }
  if (part == SBP_THUMBBTNHORZ || part == SBP_THUMBBTNVERT || part == SBP_GRIPPERHORZ ||
      part == SBP_GRIPPERVERT) {
    auto o = Option<QStyleOptionButton>(r);
    ApplyState4(o, state);
    o.state |= QStyle::State_Raised;
    st->drawPrimitive(QStyle::PE_PanelButtonBevel, &o, p);
    return;
  }
  p->fillRect(r, QApplication::palette().color(QPalette::Mid).lighter(130));
}

void Item(QPainter* p, QStyle* st, int state, const QRect& r, bool selected, bool focused) {
  QStyleOptionViewItem o;
  o.rect = r;
  o.palette = QApplication::palette();
  o.state = QStyle::State_Enabled;
  o.showDecorationSelected = true;
  if (state == 2) o.state |= QStyle::State_MouseOver;
  if (selected) o.state |= QStyle::State_Selected;
  if (focused) o.state |= QStyle::State_Active | QStyle::State_HasFocus;
  st->drawPrimitive(QStyle::PE_PanelItemViewItem, &o, p);
}
}  // namespace

void QtDrawThemeElement(QPainter* p, const TThemeElement& E, const QRect& r) {
  QStyle* st = QApplication::style();
  if (!st || r.isEmpty()) return;
  const std::string& c = E.ClassName;
  if (c == "button") return Button(p, st, E.Part, E.State, r);
  if (c == "combobox") return ComboBox(p, st, E.Part, E.State, r);
  if (c == "spin") return Spin(p, st, E.Part, E.State, r);
  if (c == "header") return Header(p, st, E.Part, E.State, r);
  if (c == "progress") return Progress(p, st, E.Part, r);
  if (c == "scrollbar") return ScrollBar(p, st, E.Part, E.State, r);
  if (c == "edit") {
    auto f = Option<QStyleOptionFrame>(r);
    ApplyState4(f, E.State);
    f.lineWidth = 1;
    st->drawPrimitive(QStyle::PE_PanelLineEdit, &f, p);
    return;
  }
  if (c == "toolbar") {
    auto o = Option<QStyleOption>(r);
    if (E.Part == TP_SEPARATOR || E.Part == TP_SEPARATORVERT) {
      o.state |= E.Part == TP_SEPARATOR ? QStyle::State_Horizontal : QStyle::State_None;
      st->drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &o, p);
      return;
    }
    ApplyState4(o, E.State > 4 ? 3 : E.State);
    if (E.State == TS_CHECKED || E.State == TS_HOTCHECKED) o.state |= QStyle::State_On | QStyle::State_Sunken;
    o.state |= QStyle::State_AutoRaise | QStyle::State_Raised;
    st->drawPrimitive(QStyle::PE_PanelButtonTool, &o, p);
    return;
  }
  if (c == "tab") {
    if (E.Part == TABP_PANE || E.Part == TABP_BODY) {
      auto f = Option<QStyleOptionTabWidgetFrame>(r);
      f.state |= QStyle::State_Enabled;
      st->drawPrimitive(QStyle::PE_FrameTabWidget, &f, p);
      return;
    }
    auto t = Option<QStyleOptionTab>(r);
    ApplyState4(t, E.State == TIS_SELECTED ? 1 : E.State);
    if (E.State == TIS_SELECTED) t.state |= QStyle::State_Selected;
    t.shape = QTabBar::RoundedNorth;
    st->drawControl(QStyle::CE_TabBarTabShape, &t, p);
    return;
  }
  if (c == "treeview") {
    if (E.Part == TVP_GLYPH) {
      auto o = Option<QStyleOption>(r);
      o.state |= QStyle::State_Enabled | QStyle::State_Children;
      if (E.State == GLPS_OPENED) o.state |= QStyle::State_Open;
      st->drawPrimitive(QStyle::PE_IndicatorBranch, &o, p);
      return;
    }
    return Item(p, st, E.State, r, E.State == TREIS_SELECTED || E.State == TREIS_SELECTEDNOTFOCUS,
                E.State == TREIS_SELECTED);
  }
  if (c == "listview")
    return Item(p, st, E.State, r, E.State == LIS_SELECTED || E.State == LIS_SELECTEDNOTFOCUS,
                E.State == LIS_SELECTED);
  if (c == "window") {
    p->fillRect(r, QApplication::palette().color(QPalette::Highlight));
    return;
  }
  auto f = Option<QStyleOptionFrame>(r);
  f.state |= QStyle::State_Enabled;
  f.lineWidth = 1;
  st->drawPrimitive(QStyle::PE_Frame, &f, p);
}
