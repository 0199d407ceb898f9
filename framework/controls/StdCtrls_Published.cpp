// Published tables of the label, button, edit and memo.
#include "framework/controls/StdCtrls_Published.h"
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/rtl/StrUtils.h"

void RegisterStdCtrlsPublished() {
  PublishClass<TCustomLabel>("TGraphicControl", [](TPublish<TCustomLabel>& P) {
    using C = TCustomLabel;
    P.Bool("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(true);
    P.Color("Color", &C::Color, &C::SetColor).Default(clWindow).Stored([](C* c) {
      return !c->ParentColor();
    });
    P.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(true);
    P.Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taLeftJustify);
    P.String("Caption", &C::Caption, &C::SetCaption);
    P.Enum("EllipsisPosition", &C::EllipsisPosition, &C::SetEllipsisPosition).Default(epNone);
    P.Component("FocusControl", &C::FocusControl, &C::SetFocusControl);
    P.Enum("Layout", &C::Layout, &C::SetLayout).Default(tlTop);
    P.Bool("ShowAccelChar", &C::ShowAccelChar, &C::SetShowAccelChar).Default(true);
    P.Bool("Transparent", &C::Transparent, &C::SetTransparent).Default(false);
    P.Bool("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(false);
  });
  PublishClass<TLabel>("TCustomLabel", [](TPublish<TLabel>&) {});

  PublishClass<TButton>("TCustomControl", [](TPublish<TButton>& P) {
    using C = TButton;
    P.Color("Color", &C::Color, &C::SetColor).Default(clBtnFace).Stored([](C* c) {
      return !c->ParentColor();
    });
    P.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    P.Bool("Cancel", &C::Cancel, &C::SetCancel).Default(false);
    P.String("Caption", &C::Caption, &C::SetCaption);
    P.Bool("Default", &C::Default, &C::SetDefault).Default(false);
    P.Integer("ModalResult", &C::ModalResult, &C::SetModalResult).Idents("TModalResult").Default(mrNone);
  });

  PublishClass<TCustomEdit>("TWinControl", [](TPublish<TCustomEdit>& P) {
    using C = TCustomEdit;
    P.Bool("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(true);
    P.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    P.Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taLeftJustify);
    P.Bool("AutoSelect", &C::AutoSelect, &C::SetAutoSelect).Default(true);
    P.Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle).Default(bsSingle);
    P.Enum("CharCase", &C::CharCase, &C::SetCharCase).Default(ecNormal);
    P.Bool("HideSelection", &C::HideSelection, &C::SetHideSelection).Default(true);
    P.Integer("MaxLength", &C::MaxLength, &C::SetMaxLength).Default(0);
    // One character, stored as a one-character string ('' for none).
    P.String(
        "PasswordChar",
        [](C* c) {
          return c->PasswordChar() == 0 ? std::string() : Utf32ToUtf8(std::u32string(1, c->PasswordChar()));
        },
        [](C* c, const std::string& s) {
          std::u32string u = Utf8ToUtf32(s);
          c->SetPasswordChar(u.empty() ? 0 : u[0]);
        });
    P.Bool("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false);
    P.String("Text", &C::Text, &C::SetText);
    P.Event("OnChange", &C::OnChange);
  });
  PublishClass<TEdit>("TCustomEdit", [](TPublish<TEdit>&) {});

  // A memo stores its lines, not its text.
  PublishClass<TCustomMemo>("TCustomEdit", [](TPublish<TCustomMemo>& P) {
    using C = TCustomMemo;
    P.Bool("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(false);
    P.String("Text", &C::Text, &C::SetText).Stored(false);
    P.Strings("Lines", [](C* c) { return c->Lines(); });
    P.Enum("ScrollBars", &C::ScrollBars, &C::SetScrollBars).Default(ssNone);
    P.Bool("WantReturns", &C::WantReturns, &C::SetWantReturns).Default(true);
    P.Bool("WantTabs", &C::WantTabs, &C::SetWantTabs).Default(false);
    P.Bool("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(true);
  });
  PublishClass<TMemo>("TCustomMemo", [](TPublish<TMemo>&) {});
}
