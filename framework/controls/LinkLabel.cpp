#include "framework/controls/LinkLabel.h"

#include <algorithm>
#include <cctype>
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"

#include "framework/backend/Backend.h"
#include "framework/graphics/Gdi.h"

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool MatchAt(const std::string& s, size_t pos, const char* what) {
  for (size_t i = 0; what[i] != 0; ++i)
    if (pos + i >= s.size() || Lower(s[pos + i]) != what[i]) return false;
  return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The attributes of an anchor's opening tag (between "<a" and ">").
void ReadAttributes(const std::string& tag, std::string& href, std::string& id) {
  size_t i = 0;
  while (i < tag.size()) {
    while (i < tag.size() && IsBlank(tag[i])) ++i;
    size_t nameStart = i;
    while (i < tag.size() && !IsBlank(tag[i]) && tag[i] != '=') ++i;
    std::string name = tag.substr(nameStart, i - nameStart);
    for (char& c : name) c = Lower(c);
    while (i < tag.size() && IsBlank(tag[i])) ++i;
    std::string value;
    if (i < tag.size() && tag[i] == '=') {
      ++i;
      while (i < tag.size() && IsBlank(tag[i])) ++i;
      if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) {
        char q = tag[i++];
        size_t end = tag.find(q, i);
        if (end == std::string::npos) end = tag.size();
        value = tag.substr(i, end - i);
        i = end + 1;
      } else {
        size_t vs = i;
        while (i < tag.size() && !IsBlank(tag[i])) ++i;
        value = tag.substr(vs, i - vs);
      }
    }
    if (name == "href") href = value;
    if (name == "id") id = value;
    if (name.empty() && i < tag.size()) ++i;
  }
}

}  // namespace

TCustomLinkLabel::TCustomLinkLabel(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ << csSetCaption << csReplicatable;
  SetParentColor(true);
  SetBounds(0, 0, 53, 17);
  TControl::SetAutoSize(true);
}

void TCustomLinkLabel::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  parsed_ = false;
  Invalidate();
}

void TCustomLinkLabel::SetAutoSize(bool Value) {
  TControl::SetAutoSize(Value);
  AdjustBounds();
}

void TCustomLinkLabel::Parse() {
  parts_.clear();
  std::string s = Caption();
  std::string text;
  auto flushText = [&] {
    if (text.empty()) return;
    TLinkPart p;
    p.Text = text;
    parts_.push_back(p);
    text.clear();
  };
  size_t i = 0;
  while (i < s.size()) {
    if (s[i] == '<' && MatchAt(s, i, "<a") && i + 2 < s.size() && (IsBlank(s[i + 2]) || s[i + 2] == '>')) {
      size_t close = s.find('>', i);
      if (close != std::string::npos) {
        TLinkPart link;
        link.IsLink = true;
        ReadAttributes(s.substr(i + 2, close - i - 2), link.Href, link.Id);
        // An anchor left open runs to the end of the caption.
        size_t end = close + 1;
        while (end < s.size() && !MatchAt(s, end, "</a>")) ++end;
        link.Text = s.substr(close + 1, end - close - 1);
        flushText();
        parts_.push_back(link);
        i = std::min(end + 4, s.size());
        continue;
      }
    }
    text += s[i++];
  }
  flushText();
  parsed_ = true;
  LayoutParts();
}

void TCustomLinkLabel::LayoutParts() {
  TCanvas* c = Canvas();
  int x = 0, total = 0, height = 0;
  std::vector<int> widths;
  for (auto& p : parts_) {
    c->Font()->Assign(Font());
    if (p.IsLink) c->Font()->SetStyle(c->Font()->Style() + TFontStyles{fsUnderline});
    TSize sz = c->TextExtent(p.Text);
    widths.push_back(sz.cx);
    total += sz.cx;
    height = std::max(height, sz.cy);
  }
  c->Font()->Assign(Font());
  if (height == 0) height = c->TextHeight("Wg");
  int cw = ClientWidth();
  if (alignment_ == taRightJustify)
    x = cw - total;
  else if (alignment_ == taCenter)
    x = (cw - total) / 2;
  for (size_t k = 0; k < parts_.size(); ++k) {
    parts_[k].Rect = TRect(x, 0, x + widths[k], height);
    x += widths[k];
  }
}

const std::vector<TCustomLinkLabel::TLinkPart>& TCustomLinkLabel::Parts() {
  if (!parsed_) Parse();
  return parts_;
}

std::string TCustomLinkLabel::DisplayText() const {
  auto* self = const_cast<TCustomLinkLabel*>(this);
  std::string out;
  for (const auto& p : self->Parts()) out += p.Text;
  return out;
}

int TCustomLinkLabel::LinkAtPos(const TPoint& P) {
  const auto& parts = Parts();
  for (size_t k = 0; k < parts.size(); ++k)
    if (parts[k].IsLink && PtInRect(parts[k].Rect, P)) return static_cast<int>(k);
  return -1;
}

TCursor TCustomLinkLabel::CursorAt(const TPoint& P) {
  if (Enabled() && LinkAtPos(P) >= 0) return crHandPoint;
  return Cursor();
}

void TCustomLinkLabel::AdjustBounds() {
  if (ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) return;
  parsed_ = false;
  if (!AutoSize()) return;
  const auto& parts = Parts();
  int w = 0, h = 0;
  for (const auto& p : parts) {
    w += p.Rect.Width();
    h = std::max(h, p.Rect.Height());
  }
  if (h == 0) {
    Canvas()->Font()->Assign(Font());
    h = Canvas()->TextHeight("Wg");
  }
  TRect ins = NonClientInsets();
  SetBounds(Left(), Top(), w + ins.Left + ins.Right, h + ins.Top + ins.Bottom);
  parsed_ = false;
}

void TCustomLinkLabel::Loaded() {
  TCustomControl::Loaded();
  AdjustBounds();
}

void TCustomLinkLabel::DoOnLinkClick(const std::string& Link, TSysLinkType LinkType) {
  if (OnLinkClick) OnLinkClick(this, Link, LinkType);
}

void TCustomLinkLabel::ActivatePart(int Index) {
  const auto& parts = Parts();
  if (Index < 0 || Index >= static_cast<int>(parts.size())) return;
  TLinkPart p = parts[static_cast<size_t>(Index)];
  if (!p.Href.empty())
    DoOnLinkClick(p.Href, TSysLinkType::sltURL);
  else
    DoOnLinkClick(p.Id, TSysLinkType::sltID);
}

void TCustomLinkLabel::Paint() {
  TCanvas* c = Canvas();
  TRect client = ClientRect();
  c->Brush()->SetColor(Color());
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(client);
  c->Brush()->SetStyle(bsClear);
  const auto parts = Parts();
  int firstLink = -1;
  for (size_t k = 0; k < parts.size(); ++k) {
    const TLinkPart& p = parts[k];
    c->Font()->Assign(Font());
    if (p.IsLink) {
      if (firstLink < 0) firstLink = static_cast<int>(k);
      c->Font()->SetStyle(c->Font()->Style() + TFontStyles{fsUnderline});
      c->Font()->SetColor(clHotLight);
    }
    if (!Enabled()) c->Font()->SetColor(clGrayText);
    c->TextOut(p.Rect.Left, p.Rect.Top, p.Text);
  }
  if (Focused() && firstLink >= 0) {
    TRect f = parts[static_cast<size_t>(firstLink)].Rect;
    IntersectRect(f, f, client);
    c->DrawFocusRect(f);
  }
}

void TCustomLinkLabel::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      TCustomControl::WndProc(Message);
      AdjustBounds();
      Invalidate();
      return;
    case WM_SIZE:
      parsed_ = false;
      break;
    case CM_MOUSELEAVE:
      if (hotLink_ >= 0) {
        hotLink_ = -1;
        Invalidate();
      }
      break;
    case CM_WANTSPECIALKEY:
      // Return follows the focused link instead of pressing the default button.
      if (Message.WParam == VK_RETURN) {
        for (const auto& p : Parts())
          if (p.IsLink) {
            Message.Result = 1;
            return;
          }
      }
      break;
    case WM_SETCURSOR:
      if (Peer() != nullptr) {
        TCursor cur = CursorAt(ScreenToClient(CursorPos()));
        if (cur == crHandPoint) {
          Peer()->SetCursor(crHandPoint);
          Message.Result = 1;
          return;
        }
      }
      break;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

void TCustomLinkLabel::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      int link = LinkAtPos(TPoint(Message.XPos(), Message.YPos()));
      pressedLink_ = link;
      if (link >= 0 && TabStop() && CanFocus() && !Focused()) SetFocus();
      return;
    }
    case WM_LBUTTONUP: {
      int link = LinkAtPos(TPoint(Message.XPos(), Message.YPos()));
      int pressed = pressedLink_;
      pressedLink_ = -1;
      if (pressed >= 0 && pressed == link) ActivatePart(link);
      return;
    }
    case WM_MOUSEMOVE: {
      int link = LinkAtPos(TPoint(Message.XPos(), Message.YPos()));
      if (link != hotLink_) {
        hotLink_ = link;
        Invalidate();
      }
      return;
    }
    case WM_KEYDOWN:
      if (Message.WParam == VK_RETURN || Message.WParam == VK_SPACE) {
        const auto& parts = Parts();
        for (size_t k = 0; k < parts.size(); ++k)
          if (parts[k].IsLink) {
            ActivatePart(static_cast<int>(k));
            break;
          }
      }
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      return;
    default:
      break;
  }
  TCustomControl::DefaultHandler(Message);
}

// ---- Published tables ----

CF_PUBLISH(TCustomLinkLabel, TCustomControl) {
  using C = TCustomLinkLabel;
  P.Bool("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(true);
  P.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(true);
  P.Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taLeftJustify);
  P.String("Caption", &C::Caption, &C::SetCaption);
  P.Event("OnLinkClick", &C::OnLinkClick);
}

CF_PUBLISH(TLinkLabel, TCustomLinkLabel) {}
