#pragma once
// The category panel group: collapsible panels stacked from the top of a
// vertically scrolling window. Each panel has a header (the group's height,
// font, gradient and glyphs) that collapses or expands it when clicked; the
// group stacks the shown panels in the order of their tops, each directly
// under the one before, and moves the ones below when a panel's height
// changes. The scroll range is the height of the stack; a line step
// (WM_VSCROLL SB_LINEUP/SB_LINEDOWN) moves the view 8 pixels and the view
// follows the thumb while it is dragged.
//
// Controls placed on a panel live on its body, under the header: their
// tops count from the header's bottom edge, and a collapsed panel's controls
// are out of view and out of the tab order.
#include <functional>
#include <memory>
#include <vector>

#include "framework/controls/GraphUtil.h"
#include "framework/controls/ScrollBars.h"

class TCategoryPanelGroup;
class TImageList;

enum THeaderStyle { hsGradient, hsImage, hsThemed };

// The body of a panel, under its header; it holds the panel's controls.
class TCategoryPanelSurface : public TCustomControl {
 public:
  explicit TCategoryPanelSurface(TComponent* AOwner);

 protected:
  void Paint() override;
};

class TCategoryPanel : public TCustomControl {
 public:
  explicit TCategoryPanel(TComponent* AOwner);
  ~TCategoryPanel() override;

  TCategoryPanelGroup* PanelGroup() const;
  // Puts the panel into a group (it becomes the panel's parent).
  void SetPanelGroup(TCategoryPanelGroup* Value);
  bool Collapsed() const { return collapsed_; }
  // Collapsing leaves the header; expanding gives the panel back its
  // height. OnCollapse and OnExpand follow.
  void SetCollapsed(bool Value);
  void Collapse() { SetCollapsed(true); }
  void Expand() { SetCollapsed(false); }
  // Glyphs of the group's image list shown in the header (-1: the chevron).
  int ExpandedImageIndex() const { return expandedImageIndex_; }
  void SetExpandedImageIndex(int Value);
  int CollapsedImageIndex() const { return collapsedImageIndex_; }
  void SetCollapsedImageIndex(int Value);
  // Glyphs under the mouse and while the header is pressed (-1: the
  // plain glyph).
  int ExpandedHotImageIndex() const { return expandedHotImageIndex_; }
  void SetExpandedHotImageIndex(int Value);
  int CollapsedHotImageIndex() const { return collapsedHotImageIndex_; }
  void SetCollapsedHotImageIndex(int Value);
  int ExpandedPressedImageIndex() const { return expandedPressedImageIndex_; }
  void SetExpandedPressedImageIndex(int Value);
  int CollapsedPressedImageIndex() const { return collapsedPressedImageIndex_; }
  void SetCollapsedPressedImageIndex(int Value);
  // The glyph the header shows now.
  int CurrentImageIndex() const;
  // The height the panel has when expanded (also while collapsed).
  int ExpandedHeight() const { return collapsed_ ? expandedHeight_ : Height(); }
  int HeaderHeight() const;
  TRect HeaderRect() const;
  TCategoryPanelSurface* Surface() const { return surface_; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnCollapse;
  TNotifyEvent OnExpand;

  void WndProc(TMessage& Message) override;

 protected:
  friend class TCategoryPanelGroup;
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override;
  void DefaultHandler(TMessage& Message) override;
  virtual void DoCollapse();
  virtual void DoExpand();
  // The group's header height or looks changed.
  void HeaderChanged();

 private:
  TCategoryPanelSurface* surface_ = nullptr;
  bool collapsed_ = false;
  int expandedHeight_ = 0;
  int expandedImageIndex_ = -1;
  int collapsedImageIndex_ = -1;
  int expandedHotImageIndex_ = -1;
  int collapsedHotImageIndex_ = -1;
  int expandedPressedImageIndex_ = -1;
  int collapsedPressedImageIndex_ = -1;
  bool headerDown_ = false;
  bool headerHot_ = false;
};

class TCategoryPanelGroup : public TScrollingWinControl {
 public:
  explicit TCategoryPanelGroup(TComponent* AOwner);
  ~TCategoryPanelGroup() override;

  // The panels in the order they were put in the group.
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  TCategoryPanel* Panels(int Index) const;
  // Creates a panel owned by AOwner at the bottom of the stack.
  TCategoryPanel* CreatePanel(TComponent* AOwner);
  void CollapseAll();
  void ExpandAll();

  int HeaderHeight() const { return headerHeight_; }
  void SetHeaderHeight(int Value);
  TFont* HeaderFont() const { return headerFont_.get(); }
  void SetHeaderFont(TFont* Value) { headerFont_->Assign(Value); }
  THeaderStyle HeaderStyle() const { return headerStyle_; }
  void SetHeaderStyle(THeaderStyle Value);
  TAlignment HeaderAlignment() const { return headerAlignment_; }
  void SetHeaderAlignment(TAlignment Value);
  TColor ChevronColor() const { return chevronColor_; }
  void SetChevronColor(TColor Value);
  TColor ChevronHotColor() const { return chevronHotColor_; }
  void SetChevronHotColor(TColor Value);
  TColor GradientBaseColor() const { return gradientBaseColor_; }
  void SetGradientBaseColor(TColor Value);
  TColor GradientColor() const { return gradientColor_; }
  void SetGradientColor(TColor Value);
  TGradientDirection GradientDirection() const { return gradientDirection_; }
  void SetGradientDirection(TGradientDirection Value);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* Value);
  // The headers' background in the hsImage style, stretched to each header.
  TPicture* HeaderImage() { return headerImage_.get(); }
  void SetHeaderImage(TPicture* Value) { headerImage_->Assign(Value); }

  void WndProc(TMessage& Message) override;

 protected:
  friend class TCategoryPanel;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void LooksChanged();
  std::vector<TCategoryPanel*> panels_;
  int headerHeight_ = 24;
  std::unique_ptr<TFont> headerFont_;
  THeaderStyle headerStyle_ = hsGradient;
  TAlignment headerAlignment_ = taLeftJustify;
  TColor chevronColor_ = clBlack;
  TColor chevronHotColor_ = clGray;
  TColor gradientBaseColor_ = static_cast<TColor>(0xF0F0F0);
  TColor gradientColor_ = static_cast<TColor>(0xE0E0E0);
  TGradientDirection gradientDirection_ = gdVertical;
  TImageList* images_ = nullptr;
  std::unique_ptr<TPicture> headerImage_;
};
