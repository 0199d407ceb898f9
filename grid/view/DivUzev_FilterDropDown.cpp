// The filter drop-down: its two lists and how the grid opens them from the
// filter row's buttons and takes their choices.
#include <algorithm>

#include "framework/classes/StringList.h"
#include "framework/controls/Messages.h"
#include "framework/controls/WinApi.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevFilterLists.h"

namespace {

// A click outside the list (cancel mode) ends it without a choice.
bool CancelOutside(TWinControl* List, TMessage& Message) {
  if (Message.Msg != WM_CANCELMODE && Message.Msg != CM_CANCELMODE) return false;
  const TPoint p = List->ScreenToClient(::CursorPos());
  if (!PtInRect(List->ClientRect(), p)) {
    if (auto* grid = dynamic_cast<TDedAdararAdoz*>(List->Owner())) grid->SetFilterColumn(-1);
    List->SetVisible(false);
  }
  return true;
}

}  // namespace

// ---------------------------------------------------------------------------
// The lists

TDropList::TDropList(TComponent* AOwner) : TListBox(AOwner) {}

void TDropList::KeyPress(char32_t& Key) {
  TListBox::KeyPress(Key);
  if (Key == U'\r') {
    SetVisible(false);
    if (OnSelect) OnSelect(this, ItemIndex());
  }
}

void TDropList::DefaultHandler(TMessage& Message) {
  if (CancelOutside(this, Message)) {
    TListBox::DefaultHandler(Message);
    return;
  }
  TListBox::DefaultHandler(Message);
  if (Message.Msg == WM_LBUTTONUP) {
    SetVisible(false);
    if (OnSelect) OnSelect(this, ItemIndex());
  }
}

TDropCheckList::TDropCheckList(TComponent* AOwner) : TCheckListBox(AOwner) {}

void TDropCheckList::ClickCheck(int) {
  if (OnSelect) OnSelect(this, -1);
}

void TDropCheckList::DefaultHandler(TMessage& Message) {
  CancelOutside(this, Message);
  TCheckListBox::DefaultHandler(Message);
}

// ---------------------------------------------------------------------------
// The grid's side

void TDedAdararAdoz::CreateFilterLists() {
  FFilterDropList = new TDropList(this);
  FFilterDropCheckList = new TDropCheckList(this);
  for (TWinControl* list :
       {static_cast<TWinControl*>(FFilterDropList), static_cast<TWinControl*>(FFilterDropCheckList)}) {
    list->SetVisible(false);
    list->SetBounds(0, 0, 0, 0);
    list->SetParent(this);
  }
  FFilterDropList->OnSelect = [this](TObject*, int ItemIndex) { FilterSelect(ItemIndex); };
  FFilterDropCheckList->OnSelect = [this](TObject* Sender, int ItemIndex) {
    FilterCheckListClicked(Sender, ItemIndex);
  };
  FFilterCheckList = FFilterDropCheckList;
}

void TDedAdararAdoz::HideFilterDropDown() {
  // The check list also goes: nothing else would close it here.
  if (FFilterDropList != nullptr && FFilterDropList->Visible()) FFilterDropList->SetVisible(false);
  if (FFilterDropCheckList != nullptr && FFilterDropCheckList->Visible())
    FFilterDropCheckList->SetVisible(false);
  FFilterColumn = -1;
}

void TDedAdararAdoz::ShowFilterDropDown(int ACol, int ARow, int RC) {
  if (FFilterDropList == nullptr) return;
  FFilterColumn = RC;
  TCustomListBox* list = FFilterDropDownCheck ? static_cast<TCustomListBox*>(FFilterDropCheckList)
                                              : static_cast<TCustomListBox*>(FFilterDropList);
  list->SetColor(FFilterDropDown->Color());
  list->Font()->Assign(FFilterDropDown->Font());
  list->Canvas()->Font()->Assign(FFilterDropDown->Font());
  // Filled while still 0 x 0, the list's scroll bars would chase each
  // other: it takes a working size first.
  list->SetBounds(list->Left(), list->Top(), std::max(FFilterDropDown->Width(), 40),
                  std::max(FFilterDropDown->Height(), 40));
  list->Items()->Clear();
  int widest = 0;
  for (int i = 0; i < FFilterList->Count(); ++i) {
    const std::string entry = FFilterList->Strings(i);
    const std::string shown = entry.substr(0, entry.find('='));
    const int index = list->Items()->Add(shown);
    if (FFilterDropDownCheck) {
      const std::string quoted = shown.find(' ') != std::string::npos ? "\"" + shown + "\"" : shown;
      for (int f = 0; f < FFilter->Count(); ++f)
        if (FFilter->Items(f)->Column() == FFilterColumn && FFilter->Items(f)->Condition() == quoted)
          FFilterDropCheckList->SetChecked(index, true);
    }
    widest = std::max(widest, list->Canvas()->TextWidth(shown) + 8);
  }
  if (!FFilterDropDownCheck && list->Items()->Count() > 0) list->SetItemIndex(0);
  int w = FFilterDropDown->Width(), h = FFilterDropDown->Height();
  if (FFilterDropDown->AutoSize()) {
    h = list->Items()->Count() * list->ItemHeight() + 2 * GetSystemMetrics(SM_CYEDGE);
    w = 2 * GetSystemMetrics(SM_CXEDGE) + widest;
  }
  const TRect r = CellRect(ACol, ARow);
  int left = r.Right - 16;
  if (FFilterDropDown->ColumnWidth()) {
    left = r.Left;
    w = r.Width();
  }
  if (left + w > Width()) left = std::max(0, CellRect(ACol, 0).Right - w);
  list->SetParent(this);
  list->SetBounds(left, r.Top + 16, w, h);
  list->SetVisible(true);
  if (list->CanFocus()) list->SetFocus();
}

void TDedAdararAdoz::FilterCheckListClicked(TObject*, int) {
  if (FFilterDropCheckList == nullptr) return;
  FFilterChecks.assign(static_cast<size_t>(FFilterDropCheckList->Items()->Count()), 0);
  for (int i = 0; i < FFilterDropCheckList->Items()->Count(); ++i)
    FFilterChecks[static_cast<size_t>(i)] = FFilterDropCheckList->Checked(i) ? 1 : 0;
  FilterCheck();
}
