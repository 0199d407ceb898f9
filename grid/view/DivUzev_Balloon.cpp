// Balloon tool tips, the grid's version, and a column dragged in from a
// list box.
#include <algorithm>
#include <memory>
#include <string>

#include "framework/controls/ToolTips.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzev_Paint.h"

void TDedAdararAdoz::BalloonInit() {
  if (FBalloonTip != nullptr) return;
  FBalloonTip = new TBalloonToolTip(this);
  FBalloonTip->SetTool(this);
  FBalloonTip->SetTitle(biError, "ToolTipText");
  FBalloonTip->SetInitialDelay(FBalloon->InitialDelay());
  FBalloonTip->SetReshowDelay(FBalloon->ReshowDelay());
  FBalloonTip->SetAutoHideDelay(FBalloon->AutoHideDelay());
  if (FBalloon->Transparency() > 0) FBalloonTip->SetAlpha(255 - std::clamp(FBalloon->Transparency(), 0, 255));
}

void TDedAdararAdoz::BalloonDone() {
  // Also when balloons were just turned off: the window must not outlive
  // them.
  delete FBalloonTip;
  FBalloonTip = nullptr;
  FLastBalloonPos = TGridCoord(-1, -1);
}

namespace {
constexpr int kBalloonTextMax = 2048;
constexpr int kBalloonTitleMax = 100;
constexpr int kBalloonTipWidth = 300;

// Longer texts keep Max - 3 characters and "...".
std::string CutBalloonText(const std::string& S, int Max) {
  if (Utf8Length(S) <= Max) return S;
  return Utf8Copy(S, 0, Max - 3) + "...";
}
}  // namespace

std::string TDedAdararAdoz::WideCells(int ACol, int ARow) {
  return DecodeWideCellText(GetCellEx(ACol, ARow));
}

std::string TDedAdararAdoz::BalloonCellText(int ACol, int ARow) {
  const int rc = RealColIndex(ACol);
  std::string s = GetGridCell(rc, ARow);
  GetDisplText(rc, ARow, s);
  switch (ClassifyCellText(s, FEnableHTML)) {
    case tkMarkup:
      s = MarkupToPlainText(s);
      break;
    case tkRichText:
      s = RichTextToPlain(s);
      break;
    case tkWideText:
      s = WideCells(rc, ARow);
      break;
    default:
      break;
  }
  // Leading line breaks and tabs would only push the text down or right.
  size_t from = 0;
  while (from < s.size() && (s[from] == '\t' || s[from] == '\n' || s[from] == '\r')) ++from;
  s.erase(0, from);
  std::replace(s.begin(), s.end(), '\t', ' ');
  return s;
}

void TDedAdararAdoz::BalloonTextRequest(NMTTDISPINFO& Info) {
  int ACol = -1, ARow = -1;
  MouseToCell(Info.Point.X, Info.Point.Y, ACol, ARow);
  const bool valid = ACol >= 0 && ARow >= 0 && ACol < ColCount() && ARow < RowCount();
  std::string text;
  if (valid) {
    const TGridCoord b = BaseCell(RealColIndex(ACol), ARow);
    ACol = DisplColIndexOf(b.X);
    ARow = b.Y;
    text = CutBalloonText(BalloonCellText(ACol, ARow), kBalloonTextMax);
  }
  TBalloonIcon icon = biInfo;
  std::string title = " ";
  if (valid) {
    const int rc = RealColIndex(ACol);
    std::string t, x;
    TBalloonIcon i = biNone;
    if (IsBalloon(rc, ARow, t, x, i)) {
      title = t;
      text = x;
      icon = i;
    }
    if (OnCellBalloon) OnCellBalloon(this, rc, ARow, title, text, icon);
  }
  FLastBalloonPos = valid ? TGridCoord(ACol, ARow) : TGridCoord(-1, -1);
  // The tip's text has room for so many characters, also when the event
  // made the text longer.
  Info.Text = CutBalloonText(text, kBalloonTextMax);
  if (FBalloonTip == nullptr) return;
  FBalloonTip->SetMaxTipWidth(kBalloonTipWidth);
  if (FBalloon->TextColor() != clNone) FBalloonTip->SetTipTextColor(FBalloon->TextColor());
  if (FBalloon->BackgroundColor() != clNone) FBalloonTip->SetTipBkColor(FBalloon->BackgroundColor());
  FBalloonTip->SetTitle(std::clamp(static_cast<int>(icon), 0, 3), CutBalloonText(title, kBalloonTitleMax));
}

bool TDedAdararAdoz::BalloonNotify(TMessage& Message) {
  auto* hdr = reinterpret_cast<NMHDR*>(Message.LParam);
  if (hdr == nullptr) return false;
  switch (hdr->code) {
    case TTN_GETDISPINFO:
      if (FBalloon->Enable()) BalloonTextRequest(*reinterpret_cast<NMTTDISPINFO*>(hdr));
      Message.Result = 0;
      return true;
    case TTN_SHOW:
    case TTN_POP:
      Message.Result = 0;
      return true;
    default:
      return false;
  }
}

uint32_t TDedAdararAdoz::GetVersionNr() const { return 0x06020103u; }

std::string TDedAdararAdoz::GetVersionString() const { return Version() + " Sep, 2012"; }

void TDedAdararAdoz::OleColumnDragStart(int ACol, int AIndex, TObject* AList) {
  FOleDragCol = ACol;
  FOleDragIndex = AIndex;
  FOleDragList = AList;
}
