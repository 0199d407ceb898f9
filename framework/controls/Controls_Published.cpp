#include "framework/controls/Controls_Published.h"

#include <utility>

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Menus.h"

namespace {

const std::pair<int, const char*> kCursors[] = {
    {crDefault, "crDefault"},     {crNone, "crNone"},           {crArrow, "crArrow"},
    {crCross, "crCross"},         {crIBeam, "crIBeam"},         {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},       {crSizeNWSE, "crSizeNWSE"},   {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},     {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},       {crHSplit, "crHSplit"},       {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},     {crNo, "crNo"},
    {crAppStart, "crAppStart"},   {crHelp, "crHelp"},           {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},
};

const std::pair<int, const char*> kModalResults[] = {
    {mrNone, "mrNone"},   {mrOk, "mrOk"},           {mrCancel, "mrCancel"},     {mrAbort, "mrAbort"},
    {mrRetry, "mrRetry"}, {mrIgnore, "mrIgnore"},   {mrYes, "mrYes"},           {mrNo, "mrNo"},
    {mrClose, "mrClose"}, {mrHelp, "mrHelp"},       {mrTryAgain, "mrTryAgain"}, {mrContinue, "mrContinue"},
    {mrAll, "mrAll"},     {mrNoToAll, "mrNoToAll"}, {mrYesToAll, "mrYesToAll"},
};

template <size_t N>
TIntegerIdents IdentTable(const std::pair<int, const char*> (&table)[N]) {
  TIntegerIdents ids;
  ids.ToIdent = [&table](int64_t v, std::string& id) {
    for (const auto& [n, name] : table)
      if (n == v) return id = name, true;
    return false;
  };
  ids.FromIdent = [&table](const std::string& id, int64_t& v) {
    for (const auto& [n, name] : table)
      if (id == name) return v = n, true;
    return false;
  };
  return ids;
}

// The anchors an alignment implies.
TAnchors AnchorsOfAlign(TAlign Align) {
  switch (Align) {
    case alTop:
      return {akLeft, akTop, akRight};
    case alBottom:
      return {akLeft, akRight, akBottom};
    case alLeft:
      return {akLeft, akTop, akBottom};
    case alRight:
      return {akRight, akTop, akBottom};
    case alClient:
      return {akLeft, akTop, akRight, akBottom};
    default:
      return {akLeft, akTop};
  }
}

}  // namespace

void RegisterControlsPublished() {
  RegisterIntegerIdents("TCursor", IdentTable(kCursors));
  RegisterIntegerIdents("TModalResult", IdentTable(kModalResults));

  PublishClass<TSizeConstraints>("TPersistent", [](TPublish<TSizeConstraints>& P) {
    using C = TSizeConstraints;
    P.Integer("MaxHeight", &C::MaxHeight, &C::SetMaxHeight).Default(0);
    P.Integer("MaxWidth", &C::MaxWidth, &C::SetMaxWidth).Default(0);
    P.Integer("MinHeight", &C::MinHeight, &C::SetMinHeight).Default(0);
    P.Integer("MinWidth", &C::MinWidth, &C::SetMinWidth).Default(0);
  });

  // Every control nests in a layout inside its parent; its bounds come
  // first so that alignment and anchors start from them.
  PublishClass<TControl>("TComponent", [](TPublish<TControl>& P) {
    using C = TControl;
    P.HasParent([](C*) { return true; });
    P.SetParentComponent([](C* c, TComponent* parent) {
      if (auto* w = dynamic_cast<TWinControl*>(parent)) c->SetParent(w);
    });
    // Inserted while being read, a control skipped what it takes from its
    // parent; it takes it now.
    P.AfterReading([](C* c) {
      if (c->Parent() == nullptr) return;
      c->Perform(CM_PARENTCOLORCHANGED, 0, 0);
      c->Perform(CM_PARENTFONTCHANGED, 0, 0);
      c->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
      c->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
      if (dynamic_cast<TWinControl*>(c) != nullptr) c->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
    });
    // A stored place or size beyond any screen is damage: refused, so that
    // the edges computed from them (Left + Width) stay in range.
    P.Integer("Left", &C::Left, &C::SetLeft).Range(-MaxControlExtent, MaxControlExtent);
    P.Integer("Top", &C::Top, &C::SetTop).Range(-MaxControlExtent, MaxControlExtent);
    P.Integer("Width", &C::Width, &C::SetWidth).Range(0, MaxControlExtent);
    P.Integer("Height", &C::Height, &C::SetHeight).Range(0, MaxControlExtent);
    P.Enum("Align", &C::Align, &C::SetAlign).Default(alNone);
    // Anchors that merely follow the alignment are not stored.
    P.Set("Anchors", &C::Anchors, &C::SetAnchors).Stored([](C* c) {
      return !(c->Anchors() == AnchorsOfAlign(c->Align()));
    });
    P.Bool("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(false);
    P.Enum("BiDiMode", &C::BiDiMode, &C::SetBiDiMode).Default(bdLeftToRight).Stored([](C* c) {
      return !c->ParentBiDiMode();
    });
    P.Color("Color", &C::Color, &C::SetColor).Default(clWindow).Stored([](C* c) {
      return !c->ParentColor();
    });
    P.Object("Constraints", [](C* c) { return c->Constraints(); });
    P.Integer("Cursor", &C::Cursor, &C::SetCursor).Idents("TCursor").Default(crDefault);
    P.Bool("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Object("Font", [](C* c) { return c->Font(); }).Stored([](C* c) { return !c->ParentFont(); });
    P.String("Hint", &C::Hint, &C::SetHint);
    P.Bool("ParentBiDiMode", &C::ParentBiDiMode, &C::SetParentBiDiMode).Default(true);
    P.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    P.Bool("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true);
    P.Bool("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true);
    P.Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu);
    P.Bool("ShowHint", &C::ShowHint, &C::SetShowHint).Default(false).Stored([](C* c) {
      return !c->ParentShowHint();
    });
    P.Bool("Visible", &C::Visible, &C::SetVisible).Default(true);
    P.Event("OnCanResize", &C::OnCanResize);
    P.Event("OnClick", &C::OnClick);
    P.Event("OnContextPopup", &C::OnContextPopup);
    P.Event("OnDblClick", &C::OnDblClick);
    P.Event("OnMouseDown", &C::OnMouseDown);
    P.Event("OnMouseEnter", &C::OnMouseEnter);
    P.Event("OnMouseLeave", &C::OnMouseLeave);
    P.Event("OnMouseMove", &C::OnMouseMove);
    P.Event("OnMouseUp", &C::OnMouseUp);
    P.Event("OnMouseWheel", &C::OnMouseWheel);
    P.Event("OnMouseWheelDown", &C::OnMouseWheelDown);
    P.Event("OnMouseWheelUp", &C::OnMouseWheelUp);
    P.Event("OnResize", &C::OnResize);
  });

  // A windowed control writes the controls it parents that its form owns.
  PublishClass<TWinControl>("TControl", [](TPublish<TWinControl>& P) {
    using C = TWinControl;
    P.GetChildren([](C* self, TComponent* root, std::vector<TComponent*>& out) {
      for (int i = 0; i < self->ControlCount(); ++i) {
        TControl* c = self->Controls(i);
        if (c->Owner() == root) out.push_back(c);
      }
    });
    P.Integer("BorderWidth", &C::BorderWidth, &C::SetBorderWidth).Default(0);
    P.Bool("Ctl3D", &C::Ctl3D, &C::SetCtl3D).Default(true).Stored([](C* c) { return !c->ParentCtl3D(); });
    P.Bool("DoubleBuffered", &C::DoubleBuffered, &C::SetDoubleBuffered).Default(false);
    P.Bool("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D).Default(true);
    P.Integer("TabOrder", &C::TabOrder, &C::SetTabOrder).Default(-1);
    P.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(false);
    P.Event("OnEnter", &C::OnEnter);
    P.Event("OnExit", &C::OnExit);
    P.Event("OnKeyDown", &C::OnKeyDown);
    P.Event("OnKeyPress", &C::OnKeyPress);
    P.Event("OnKeyUp", &C::OnKeyUp);
  });
  PublishClass<TCustomControl>("TWinControl", [](TPublish<TCustomControl>&) {});
  PublishClass<TGraphicControl>("TControl", [](TPublish<TGraphicControl>&) {});

  PublishClass<TCustomForm>("TWinControl", [](TPublish<TCustomForm>& P) {
    using C = TCustomForm;
    P.Component("ActiveControl", &C::ActiveControl, &C::SetActiveControl);
    P.Set("BorderIcons", &C::BorderIcons, &C::SetBorderIcons)
        .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
    P.Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle).Default(bsSizeable);
    P.String("Caption", &C::Caption, &C::SetCaption);
    P.Color("Color", &C::Color, &C::SetColor).Default(clBtnFace).Stored([](C* c) {
      return !c->ParentColor();
    });
    P.Bool("AlphaBlend", &C::AlphaBlend, &C::SetAlphaBlend).Default(false);
    P.Integer("AlphaBlendValue", &C::AlphaBlendValue, &C::SetAlphaBlendValue).Default(255);
    P.Enum("FormStyle", &C::FormStyle, &C::SetFormStyle).Default(fsNormal);
    P.Bool("KeyPreview", &C::KeyPreview, &C::SetKeyPreview).Default(false);
    P.Enum("Position", &C::Position, &C::SetPosition).Default(poDefaultPosOnly);
    P.Enum("WindowState", &C::WindowState, &C::SetWindowState).Default(wsNormal);
    // A form has no parent to take its font from, and shows when asked.
    P.Bool("ParentFont", &C::ParentFont, &C::SetParentFont).Default(false);
    P.Bool("Visible", &C::Visible, &C::SetVisible).Default(false);
    P.Event("OnActivate", &C::OnActivate);
    P.Event("OnClose", &C::OnClose);
    P.Event("OnCloseQuery", &C::OnCloseQuery);
    P.Event("OnCreate", &C::OnCreate);
    P.Event("OnDeactivate", &C::OnDeactivate);
    P.Event("OnDestroy", &C::OnDestroy);
    P.Event("OnHide", &C::OnHide);
    P.Event("OnPaint", &C::OnPaint);
    P.Event("OnShow", &C::OnShow);
  });
  PublishClass<TForm>("TCustomForm", [](TPublish<TForm>&) {});
}
