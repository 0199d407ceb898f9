#pragma once
// The page control and its tab sheets: a strip of tabs drawn by us above
// the pages, one page shown at a time. A sheet whose TabVisible is off has
// no tab; the keys and clicks that move between pages skip it.
//
// OnChanging (which may refuse) and OnChange fire when the user changes
// the page (a click on a tab, the arrow keys on the focused strip,
// Ctrl+Tab); setting ActivePage from code fires neither, as on the
// platform.
#include <functional>
#include <string>
#include <vector>

#include "framework/controls/Controls.h"

class TPageControl;
class TImageList;

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TTabSheet : public TCustomControl {
 public:
  explicit TTabSheet(TComponent* AOwner);
  ~TTabSheet() override;
  TPageControl* PageControl() const { return pageControl_; }
  // Moves the sheet to APageControl (nullptr takes it out).
  void SetPageControl(TPageControl* APageControl);
  // The place among the pages.
  int PageIndex() const;
  void SetPageIndex(int Value);
  // The place among the shown tabs, -1 when the tab is hidden.
  int TabIndex() const;
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool Value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value);
  bool Highlighted() const { return highlighted_; }
  void SetHighlighted(bool Value);

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

  void WndProc(TMessage& Message) override;

 protected:
  friend class TPageControl;
  void Paint() override;

 private:
  TPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
  int imageIndex_ = -1;
  bool highlighted_ = false;
};

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };

class TPageControl : public TCustomControl {
 public:
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int Index) const;
  TTabSheet* ActivePage() const { return activePage_; }
  // Shows APage (a sheet of this control, or nullptr for none).
  void SetActivePage(TTabSheet* APage);
  int ActivePageIndex() const;
  void SetActivePageIndex(int Value);
  // The place of the active page among the shown tabs (-1 for none).
  int TabIndex() const { return activePage_ != nullptr ? activePage_->TabIndex() : -1; }
  void SetTabIndex(int Value);
  // The next (or previous) page after CurPage, round the end; with
  // CheckTabVisible pages without a tab are skipped.
  TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const;
  // Moves to the next page as the user would (OnChanging, OnChange).
  void SelectNextPage(bool GoForward, bool CheckTabVisible = true);
  // The sheet whose tab lies at a client point, nullptr for none.
  TTabSheet* TabAtPos(const TPoint& P);
  TRect TabRect(int TabIndex);
  // Where the pages go.
  TRect DisplayRect() const;

  int TabHeight() const { return tabHeight_; }
  void SetTabHeight(int Value);
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int Value);
  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition Value);
  TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle Value);
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool Value) { hotTrack_ = Value; }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* Value);

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

  void WndProc(TMessage& Message) override;

 protected:
  friend class TTabSheet;
  virtual bool CanChange();
  virtual void Change();
  // The user asked for APage: OnChanging may refuse; OnChange follows.
  void ChangeActivePage(TTabSheet* APage);
  void InsertPage(TTabSheet* Page);
  void RemovePage(TTabSheet* Page);
  void PageTabChanged(TTabSheet* Page);
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void Paint() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DefaultHandler(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  // The shown tabs, in page order.
  std::vector<TTabSheet*> VisibleTabs() const;
  int StripHeight() const;
  int TabExtent(TTabSheet* Page);
  bool Overflows();
  TRect ScrollerRect() const;
  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
  int tabHeight_ = 0;
  int tabWidth_ = 0;
  TTabPosition tabPosition_ = tpTop;
  TTabStyle style_ = tsTabs;
  bool hotTrack_ = false;
  TImageList* images_ = nullptr;
  int firstTab_ = 0;  // the first tab shown when they do not all fit
  TTabSheet* hotTab_ = nullptr;
};
