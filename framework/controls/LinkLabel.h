#pragma once
// A label whose caption may hold links written as HTML anchors:
//   "Read the <a href="https://example.com/manual">manual</a> first"
// Plain parts are drawn as text, links in the link colour, underlined, with
// the hand cursor over them. Clicking a link (or Return or the space bar
// while the label has the focus, for its first link) fires OnLinkClick with
// the anchor's href (sltURL), or its id when it has no href (sltID).
#include <functional>
#include <string>
#include <vector>

#include "framework/controls/Controls.h"

enum class TSysLinkType { sltURL, sltID };
using TSysLinkEvent = std::function<void(TObject* Sender, const std::string& Link, TSysLinkType LinkType)>;

class TCustomLinkLabel : public TCustomControl {
 public:
  struct TLinkPart {
    std::string Text;
    bool IsLink = false;
    std::string Href;
    std::string Id;
    // Where the part is drawn (client coordinates), set by the layout.
    TRect Rect;
  };

  explicit TCustomLinkLabel(TComponent* AOwner);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  void SetAutoSize(bool Value) override;
  // The caption split into text and link parts, laid out.
  const std::vector<TLinkPart>& Parts();
  // The caption as shown (without the markup).
  std::string DisplayText() const;
  // The index in Parts() of the link at a client point, -1 for none.
  int LinkAtPos(const TPoint& P);
  // The cursor the label shows at a client point.
  TCursor CursorAt(const TPoint& P);

  TSysLinkEvent OnLinkClick;

  void WndProc(TMessage& Message) override;

 protected:
  virtual void DoOnLinkClick(const std::string& Link, TSysLinkType LinkType);
  void Paint() override;
  void DefaultHandler(TMessage& Message) override;
  void Loaded() override;
  void AdjustBounds();

 private:
  void Parse();
  void LayoutParts();
  void ActivatePart(int Index);
  std::vector<TLinkPart> parts_;
  bool parsed_ = false;
  TAlignment alignment_ = taLeftJustify;
  int pressedLink_ = -1;
  int hotLink_ = -1;
};

class TLinkLabel : public TCustomLinkLabel {
 public:
  using TCustomLinkLabel::TCustomLinkLabel;
};
