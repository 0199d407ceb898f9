// The link label: parsing of the anchors, clicks on links, the cursor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/LinkLabel.h"
#include "support/Input.h"

namespace {

using namespace testinput;

TEST(LinkLabel, CaptionSplitsIntoTextAndLinks) {
  TForm form(nullptr);
  auto* l = new TLinkLabel(&form);
  l->SetParent(&form);
  struct Case {
    const char* Caption;
    const char* Shown;
    std::vector<std::string> Links;  // href or id of each link, in order
  };
  const Case cases[] = {
      {"plain text", "plain text", {}},
      {"<a href=\"http://h/d.asp#DV30406\">New Version</a>", "New Version", {"http://h/d.asp#DV30406"}},
      {"Go <A HREF='x'>here</A> or <a id=\"other\">there</a>.", "Go here or there.", {"x", "other"}},
      {"<a href=bare>open</a>", "open", {"bare"}},
      {"left open <a href=\"u\">to the end", "left open to the end", {"u"}},
      {"not a tag <abbr> and <a", "not a tag <abbr> and <a", {}},
  };
  for (const Case& c : cases) {
    l->SetCaption(c.Caption);
    EXPECT_EQ(l->DisplayText(), c.Shown) << c.Caption;
    std::vector<std::string> links;
    for (const auto& p : l->Parts())
      if (p.IsLink) links.push_back(p.Href.empty() ? p.Id : p.Href);
    EXPECT_EQ(links, c.Links) << c.Caption;
  }
}

TEST(LinkLabel, ClickOnALinkGivesItsTarget) {
  ResetKeyboardState();
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 100);
  auto* l = new TLinkLabel(&form);
  l->SetParent(&form);
  l->SetBounds(10, 10, 100, 17);
  l->SetCaption("Read <a href=\"http://maker/manual\">the manual</a> or <a id=\"help\">ask</a>");
  std::vector<std::string> got;
  l->OnLinkClick = [&](TObject*, const std::string& link, TSysLinkType type) {
    got.push_back(link + (type == TSysLinkType::sltURL ? " url" : " id"));
  };
  int clicks = 0;
  l->OnClick = [&](TObject*) { ++clicks; };
  ShowForm(&form);

  // The label sized itself to its text.
  const auto& parts = l->Parts();
  ASSERT_EQ(parts.size(), 4u);
  EXPECT_EQ(l->Width(), parts.back().Rect.Right);
  TRect manual = parts[1].Rect, ask = parts[3].Rect;
  Click(l, manual.Left + 2, manual.Top + 3);
  Click(l, ask.Left + 2, ask.Top + 3);
  Click(l, parts[0].Rect.Left + 1, 3);  // plain text
  EXPECT_EQ(got, (std::vector<std::string>{"http://maker/manual url", "help id"}));
  EXPECT_EQ(clicks, 3);
  // A press on one link released on another follows neither.
  MouseDown(l, manual.Left + 2, 3);
  MouseUp(l, ask.Left + 2, 3);
  EXPECT_EQ(got.size(), 2u);
  // The hand shows over links only.
  EXPECT_EQ(l->CursorAt(TPoint(manual.Left + 2, 3)), crHandPoint);
  EXPECT_EQ(l->CursorAt(TPoint(parts[0].Rect.Left + 1, 3)), crDefault);
  l->SetEnabled(false);
  EXPECT_EQ(l->CursorAt(TPoint(manual.Left + 2, 3)), crDefault);
}

}  // namespace
