#pragma once
// Small component classes with a published property of every kind, shared by
// the layout, component stream and property table tests.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/Published.h"

// A namespace of their own keeps them apart from other tests' classes; the
// layouts see the bare class names.
namespace layout_test {
enum TTestShape { tsCircle, tsSquare, tsTriangle };
enum TTestOption { toBold, toWide, toTall };
using TTestOptions = TSet<TTestOption>;
}  // namespace layout_test

CF_ENUM_IDENTS(layout_test::TTestShape, layout_test::tsCircle, layout_test::tsSquare, layout_test::tsTriangle)
CF_ENUM_IDENTS(layout_test::TTestOption, layout_test::toBold, layout_test::toWide, layout_test::toTall)

namespace layout_test {

// Names of the components whose Loaded ran, in order.
inline std::vector<std::string>& LoadedLog() {
  static std::vector<std::string> log;
  return log;
}

class TTestFont : public TPersistent {
 public:
  std::string Name = "Tahoma";
  int Size = 8;
  int32_t Color = 0;
  TTestOptions Style;
};

class TTestStrings : public TPersistent {
 public:
  int Count() const { return static_cast<int>(items.size()); }
  std::string Strings(int i) const { return items.at(static_cast<size_t>(i)); }
  void Clear() { items.clear(); }
  void Add(const std::string& s) { items.push_back(s); }
  std::vector<std::string> items;
};

class TTestWidget;

class TTestItem : public TPersistent {
 public:
  std::string Caption;
  int Width = 50;
  TTestShape Shape = tsCircle;
  TTestWidget* Link = nullptr;
};

class TTestItems : public TPersistent {
 public:
  int Count() const { return static_cast<int>(items.size()); }
  TTestItem* Items(int i) const { return items.at(static_cast<size_t>(i)).get(); }
  TTestItem* Add() {
    items.push_back(std::make_unique<TTestItem>());
    return items.back().get();
  }
  void Clear() { items.clear(); }
  void BeginUpdate() { ++updating; }
  void EndUpdate() { --updating; }
  std::vector<std::unique_ptr<TTestItem>> items;
  int updating = 0;
};

// A control: nested in a layout inside its parent control.
class TTestControl : public TComponent {
 public:
  using TComponent::TComponent;
  ~TTestControl() override {
    SetParent(nullptr);
    for (TTestControl* k : kids) k->parent = nullptr;
  }
  TTestControl* Parent() const { return parent; }
  void SetParent(TTestControl* p) {
    if (parent != nullptr) std::erase(parent->kids, this);
    parent = p;
    if (p != nullptr) p->kids.push_back(this);
  }
  void Loaded() override {
    TComponent::Loaded();
    LoadedLog().push_back(Name());
    readingAtLoaded = ComponentState().Contains(csReading);
  }
  std::vector<TTestControl*> kids;
  bool readingAtLoaded = true;

 private:
  TTestControl* parent = nullptr;
};

class TTestWidget : public TTestControl {
 public:
  using TTestControl::TTestControl;
  int Number() const { return number; }
  void SetNumber(int v) {
    number = v;
    loadingWhenSet = ComponentState().Contains(csLoading) && ComponentState().Contains(csReading);
  }
  int number = 0;
  int16_t Small = 7;
  bool Flag = true;
  TTestShape Shape = tsCircle;
  TTestOptions Options;
  std::string Caption;
  int32_t Color = 0x1FFFFFFF;
  double Ratio = 0;
  std::vector<std::string> Lines;
  TTestStrings Items;
  TTestFont Font;
  TTestItems Columns;
  TTestWidget* Buddy = nullptr;
  TNotifyEvent OnClick;
  std::function<void(TObject*, int&)> OnMeasure;
  int VyxStyle = 0;
  std::string Data;
  bool loadingWhenSet = false;
};

class TTestPanel : public TTestWidget {
 public:
  explicit TTestPanel(TComponent* AOwner) : TTestWidget(AOwner) { BevelWidth = 2; }
  int BevelWidth = 1;
};

// A component that is not a control: written at the root of a layout.
class TTestTimer : public TComponent {
 public:
  using TComponent::TComponent;
  int Interval = 1000;
  bool Enabled = true;
  TNotifyEvent OnTimer;
};

class TTestForm : public TTestControl {
 public:
  using TTestControl::TTestControl;
  std::string Caption;
  TTestPanel* Panel1 = nullptr;
  TTestWidget* Edit1 = nullptr;
  TTestTimer* Timer1 = nullptr;
  void BtnClick(TObject*) { ++clicks; }
  void Measure(TObject*, int& v) { v = 42; }
  void Tick(TObject*) { ++ticks; }
  int clicks = 0;
  int ticks = 0;
};

// A record the way the grid's cell IO objects look.
class TTestCellIO : public TComponent {
 public:
  using TComponent::TComponent;
  uint16_t Col = 0;
  uint16_t Row = 0;
  std::string Cell;
  bool HasProp = false;
};

// A form with every property kind, in exactly the shape the writer gives it:
// reading it and writing it back must give the same text.
inline const char* const kTestFormLayout = R"(object Form1: TTestForm
  Tag = 5
  Caption = 'Main ''form'''
  object Timer1: TTestTimer
    Interval = 250
    OnTimer = Tick
  end
  object Panel1: TTestPanel
    Number = -3
    Buddy = Edit1
    BevelWidth = 2
    VyxStyle = 0
    object Edit1: TTestWidget
      Number = 70000
      Small = -300
      Flag = False
      Shape = tsTriangle
      Options = [toBold, toTall]
      Caption = 'Line one'#13#10'Grün'
      Color = clTestRed
      Ratio = 0.25
      Lines.Strings = (
        'first'
        ''
        'it''s')
      Items.Strings = (
        'a')
      Font.Name = 'Verdana'
      Font.Size = 10
      Font.Color = 16711680
      Font.Style = [toWide]
      Columns = <
        item
          Caption = 'Name'
          Width = 120
          Link = Edit2
        end
        item
          Shape = tsSquare
        end>
      Buddy = Edit2
      OnClick = BtnClick
      OnMeasure = Measure
      VyxStyle = 3
      Data = {
        00FF10}
    end
  end
  object Edit2: TTestWidget
    Small = 7
    Caption = 
      '0123456789012345678901234567890123456789012345678901234567890123' +
      '456789'
    Ratio = 1e-20
    VyxStyle = 0
  end
end
)";

inline void RegisterLayoutTestClasses() {
  static const bool done = [] {
    TIntegerIdents colors;
    colors.ToIdent = [](int64_t v, std::string& id) {
      if (v != 0x0000FF) return false;
      id = "clTestRed";
      return true;
    };
    colors.FromIdent = [](const std::string& id, int64_t& v) {
      if (id != "clTestRed") return false;
      v = 0x0000FF;
      return true;
    };
    RegisterIntegerIdents("TTestColor", colors);

    PublishClass<TTestFont>("TPersistent", [](TPublish<TTestFont>& P) {
      P.String("Name", &TTestFont::Name, &TTestFont::Name).Default("Tahoma");
      P.Integer("Size", &TTestFont::Size, &TTestFont::Size).Default(8);
      P.Color("Color", &TTestFont::Color, &TTestFont::Color).Idents("TTestColor").Default(0);
      P.Set("Style", &TTestFont::Style, &TTestFont::Style).Default(TTestOptions{});
    });
    PublishClass<TTestItem>("TPersistent", [](TPublish<TTestItem>& P) {
      P.String("Caption", &TTestItem::Caption, &TTestItem::Caption);
      P.Integer("Width", &TTestItem::Width, &TTestItem::Width).Default(50);
      P.Enum("Shape", &TTestItem::Shape, &TTestItem::Shape).Default(tsCircle);
      P.Component("Link", &TTestItem::Link, &TTestItem::Link);
    });
    PublishClass<TTestControl>("TComponent", [](TPublish<TTestControl>& P) {
      P.HasParent([](TTestControl*) { return true; });
      P.SetParentComponent(
          [](TTestControl* c, TComponent* p) { c->SetParent(dynamic_cast<TTestControl*>(p)); });
      P.GetChildren([](TTestControl* self, TComponent* root, std::vector<TComponent*>& out) {
        for (TTestControl* k : self->kids)
          if (k->Owner() == root) out.push_back(k);
      });
    });
    PublishClass<TTestWidget>("TTestControl", [](TPublish<TTestWidget>& P) {
      using W = TTestWidget;
      P.Integer("Number", &W::Number, &W::SetNumber).Default(0);
      P.Integer("Small", &W::Small, &W::Small);
      P.Bool("Flag", &W::Flag, &W::Flag).Default(true);
      P.Enum("Shape", &W::Shape, &W::Shape).Default(tsCircle);
      P.Set("Options", &W::Options, &W::Options).Default(TTestOptions{});
      P.String("Caption", &W::Caption, &W::Caption);
      P.Color("Color", &W::Color, &W::Color).Idents("TTestColor").Default(0x1FFFFFFF);
      P.Float("Ratio", &W::Ratio, &W::Ratio);
      P.Strings("Lines", &W::Lines, &W::Lines);
      P.Strings("Items", [](W* w) { return &w->Items; });
      P.Object("Font", [](W* w) { return &w->Font; });
      P.Collection("Columns", [](W* w) { return &w->Columns; });
      P.Component("Buddy", &W::Buddy, &W::Buddy);
      P.Event("OnClick", &W::OnClick);
      P.Event("OnMeasure", &W::OnMeasure);
      P.DefineInteger("VyxStyle", &W::VyxStyle, &W::VyxStyle);
      P.DefineBinary("Data", &W::Data, &W::Data, [](W* w) { return !w->Data.empty(); });
    });
    PublishClass<TTestPanel>("TTestWidget", [](TPublish<TTestPanel>& P) {
      P.Integer("BevelWidth", &TTestPanel::BevelWidth, &TTestPanel::BevelWidth).Default(1);
      // Redeclared: keeps its place, gains a default.
      P.Integer("Small", &TTestPanel::Small, &TTestPanel::Small).Default(7);
    });
    PublishClass<TTestTimer>("TComponent", [](TPublish<TTestTimer>& P) {
      P.Integer("Interval", &TTestTimer::Interval, &TTestTimer::Interval).Default(1000);
      P.Bool("Enabled", &TTestTimer::Enabled, &TTestTimer::Enabled).Default(true);
      P.Event("OnTimer", &TTestTimer::OnTimer);
    });
    PublishClass<TTestForm>("TTestControl", [](TPublish<TTestForm>& P) {
      P.String("Caption", &TTestForm::Caption, &TTestForm::Caption);
      P.Field("Panel1", &TTestForm::Panel1);
      P.Field("Edit1", &TTestForm::Edit1);
      P.Field("Timer1", &TTestForm::Timer1);
      P.Method("BtnClick", &TTestForm::BtnClick);
      P.Method("Measure", &TTestForm::Measure);
      P.Method("Tick", &TTestForm::Tick);
    });
    PublishClass<TTestCellIO>("TComponent", [](TPublish<TTestCellIO>& P) {
      P.Integer("Col", &TTestCellIO::Col, &TTestCellIO::Col);
      P.Integer("Row", &TTestCellIO::Row, &TTestCellIO::Row);
      P.String("Cell", &TTestCellIO::Cell, &TTestCellIO::Cell);
      P.Bool("HasProp", &TTestCellIO::HasProp, &TTestCellIO::HasProp);
    });
    return true;
  }();
  (void)done;
}

}  // namespace layout_test
