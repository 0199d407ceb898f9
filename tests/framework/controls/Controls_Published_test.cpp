#include "framework/controls/Controls_Published.h"

#include <gtest/gtest.h>

#include "framework/classes/ComponentFiler.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ComCtrls.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/Mask.h"
#include "framework/controls/StdCtrls.h"

namespace controls_published_test {
enum TGaugeStyle { gsBar, gsDial };
}
CF_ENUM_IDENTS(controls_published_test::TGaugeStyle, controls_published_test::gsBar,
               controls_published_test::gsDial)

namespace {

using namespace controls_published_test;

// A control of the program's own, with published properties of its own,
// holding child controls like a panel.
class TTestGauge : public TCustomControl {
 public:
  explicit TTestGauge(TComponent* AOwner) : TCustomControl(AOwner) { SetBounds(0, 0, 100, 40); }
  int Progress() const { return progress_; }
  void SetProgress(int Value) {
    progress_ = Value;
    if (OnProgress) OnProgress(this);
  }
  TColor BarColor() const { return barColor_; }
  void SetBarColor(TColor Value) { barColor_ = Value; }
  TGaugeStyle Style = gsBar;
  TNotifyEvent OnProgress;

 private:
  int progress_ = 0;
  TColor barColor_ = clBlue;
};

const char* const kDemoLayout = R"(object FLayoutDemo: TFLayoutDemo
  Left = 100
  Top = 80
  Width = 320
  Height = 240
  Caption = 'Layout demo'
  object L_Name: TLabel
    Left = 8
    Top = 12
    Width = 40
    Height = 17
    AutoSize = False
    Caption = 'Name:'
    FocusControl = E_Name
  end
  object E_Name: TEdit
    Left = 56
    Top = 8
    Width = 150
    Height = 25
    AutoSize = False
    TabOrder = 0
    MaxLength = 20
    Text = 'DV30406'
    OnChange = E_NameChange
  end
  object G_Level: TTestGauge
    Left = 8
    Top = 40
    Width = 200
    Height = 60
    Color = clInfoBk
    Font.Name = 'Verdana'
    Font.Style = [fsBold]
    ParentFont = False
    TabOrder = 1
    Progress = 40
    BarColor = clHighlight
    Style = gsDial
    object L_Level: TLabel
      Left = 4
      Top = 4
      Width = 60
      Height = 17
      AutoSize = False
      Caption = 'Level'
    end
  end
  object M_Notes: TMemo
    Left = 8
    Top = 110
    Width = 200
    Height = 60
    TabOrder = 2
    Lines.Strings = (
      'first line'
      'second')
    ScrollBars = ssVertical
  end
  object Btn_OK: TButton
    Left = 230
    Top = 180
    Width = 75
    Height = 25
    TabOrder = 3
    Caption = 'OK'
    Default = True
    ModalResult = mrOk
    OnClick = Btn_OKClick
  end
end
)";

// A form the way the configurator's forms are written: its constructor
// fills it from its layout, which binds its fields and handlers.
class TFLayoutDemo : public TForm {
 public:
  TFLayoutDemo(TComponent* AOwner, const char* Layout) : TForm(AOwner) {
    ReadComponentText(this, Layout, "forms/FLayoutDemo.dfm");
  }
  TLabel* L_Name = nullptr;
  TEdit* E_Name = nullptr;
  TTestGauge* G_Level = nullptr;
  TMemo* M_Notes = nullptr;
  TButton* Btn_OK = nullptr;
  void Btn_OKClick(TObject*) { ++clicks; }
  void E_NameChange(TObject*) { ++changes; }
  int clicks = 0;
  int changes = 0;
};

void RegisterDemo() {
  static const bool done = [] {
    PublishClass<TTestGauge>("TCustomControl", [](TPublish<TTestGauge>& P) {
      P.Integer("Progress", &TTestGauge::Progress, &TTestGauge::SetProgress).Default(0);
      P.Color("BarColor", &TTestGauge::BarColor, &TTestGauge::SetBarColor).Default(clBlue);
      P.Enum("Style", &TTestGauge::Style, &TTestGauge::Style).Default(gsBar);
      P.Event("OnProgress", &TTestGauge::OnProgress);
    });
    PublishClass<TFLayoutDemo>("TForm", [](TPublish<TFLayoutDemo>& P) {
      using F = TFLayoutDemo;
      P.Field("L_Name", &F::L_Name);
      P.Field("E_Name", &F::E_Name);
      P.Field("G_Level", &F::G_Level);
      P.Field("M_Notes", &F::M_Notes);
      P.Field("Btn_OK", &F::Btn_OK);
      P.Method("Btn_OKClick", &F::Btn_OKClick);
      P.Method("E_NameChange", &F::E_NameChange);
    });
    return true;
  }();
  (void)done;
}

class ControlsPublishedTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterDemo(); }
};

TEST_F(ControlsPublishedTest, FormOfControlsIsBuiltFromItsLayoutAndSavedBackToTheSameText) {
  std::unique_ptr<TFLayoutDemo> form(new TFLayoutDemo(nullptr, kDemoLayout));
  EXPECT_EQ(form->Name(), "FLayoutDemo");
  EXPECT_EQ(form->Caption(), "Layout demo");
  EXPECT_EQ(form->Width(), 320);
  ASSERT_NE(form->L_Name, nullptr);
  ASSERT_NE(form->E_Name, nullptr);
  ASSERT_NE(form->G_Level, nullptr);
  ASSERT_NE(form->M_Notes, nullptr);
  ASSERT_NE(form->Btn_OK, nullptr);

  // Children are owned by the form and parented by the control around them.
  auto* level = dynamic_cast<TLabel*>(form->FindComponent("L_Level"));
  ASSERT_NE(level, nullptr);
  EXPECT_EQ(level->Owner(), form.get());
  EXPECT_EQ(level->Parent(), form->G_Level);
  EXPECT_EQ(form->E_Name->Parent(), form.get());
  EXPECT_EQ(form->ControlCount(), 5);

  EXPECT_EQ(form->L_Name->FocusControl(), form->E_Name);
  EXPECT_EQ(form->E_Name->Text(), "DV30406");
  EXPECT_EQ(form->E_Name->MaxLength(), 20);
  EXPECT_EQ(form->G_Level->Progress(), 40);
  EXPECT_EQ(form->G_Level->BarColor(), clHighlight);
  EXPECT_EQ(form->G_Level->Style, gsDial);
  EXPECT_EQ(form->G_Level->Color(), clInfoBk);
  EXPECT_EQ(form->G_Level->Font()->Name(), "Verdana");
  EXPECT_EQ(form->M_Notes->Lines()->Count(), 2);
  EXPECT_EQ(form->M_Notes->Lines()->Strings(1), "second");
  EXPECT_EQ(form->Btn_OK->ModalResult(), mrOk);
  EXPECT_TRUE(form->Btn_OK->Default());
  // The label inside the gauge takes its parent's font.
  EXPECT_EQ(level->Font()->Name(), "Verdana");

  // Handlers are the form's methods.
  form->Btn_OK->Click();
  EXPECT_EQ(form->clicks, 1);
  form->E_Name->SetText("other");
  EXPECT_EQ(form->changes, 1);
  form->E_Name->SetText("DV30406");
  EXPECT_FALSE(form->ComponentState().Contains(csLoading));

  EXPECT_EQ(WriteComponentText(form.get()), kDemoLayout);
}

TEST_F(ControlsPublishedTest, ABadControlLayoutNamesItsLineAndLeavesNoControlBehind) {
  std::string bad = kDemoLayout;
  bad.replace(bad.find("Style = gsDial"), 14, "Style = gsRound");
  try {
    TFLayoutDemo form(nullptr, bad.c_str());
    FAIL() << "no error";
  } catch (const ELayoutError& e) {
    EXPECT_EQ(e.FileName(), "forms/FLayoutDemo.dfm");
    EXPECT_EQ(e.Line(), 39);
    EXPECT_EQ(e.Property(), "G_Level.Style");
  }
}

// A stored place or size beyond any screen is refused with its line and
// property: taken, its edge (Left + Width) overflowed.
TEST_F(ControlsPublishedTest, PlacesAndSizesBeyondAnyScreenAreRefused) {
  struct TCase {
    const char* Line;
    bool Taken;
  };
  const TCase cases[] = {
      {"Left = 2147483647", false},  {"Top = 2147483647", false},  {"Left = -2147483648", false},
      {"Width = 2147483647", false}, {"Height = 16777216", false}, {"Width = -1", false},
      {"Left = 16777215", true},     {"Top = -16777215", true},    {"Width = 16777215", true},
  };
  for (const TCase& c : cases) {
    const std::string layout =
        std::string("object TForm\n  object P: TPanel\n    Left = 10\n    Top = 10\n") +
        "    Width = 50\n    Height = 50\n    " + c.Line + "\n  end\nend\n";
    TForm form(nullptr);
    try {
      ReadComponentText(&form, layout, "forms/FPlace.dfm");
      EXPECT_TRUE(c.Taken) << c.Line << " was taken";
      auto* panel = dynamic_cast<TPanel*>(form.FindComponent("P"));
      ASSERT_NE(panel, nullptr);
      EXPECT_GE(static_cast<long long>(panel->Left()) + panel->Width(), panel->Left()) << c.Line;
    } catch (const ELayoutError& e) {
      EXPECT_FALSE(c.Taken) << c.Line << ": " << e.what();
      EXPECT_EQ(e.Line(), 7) << c.Line;
      EXPECT_NE(std::string(e.what()).find("out of range"), std::string::npos) << e.what();
    }
  }
}

TEST_F(ControlsPublishedTest, HandlersAndItemIndexesWaitForTheRestOfTheirControl) {
  // As the platform writes them: the handler before the state that clicks,
  // the item index before the items.
  const char* const layout = R"(object FLayoutDemo: TFLayoutDemo
  object CB_Auto: TCheckBox
    OnClick = Btn_OKClick
    Checked = True
  end
  object CB_Rate: TComboBox
    Style = csDropDownList
    ItemIndex = 2
    Items.Strings = (
      '10K'
      '20K'
      '50K')
  end
end
)";
  TFLayoutDemo form(nullptr, layout);
  EXPECT_EQ(form.clicks, 0);
  auto* box = dynamic_cast<TCheckBox*>(form.FindComponent("CB_Auto"));
  auto* combo = dynamic_cast<TComboBox*>(form.FindComponent("CB_Rate"));
  ASSERT_TRUE(box && combo);
  EXPECT_EQ(box->State(), cbChecked);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "50K");
  box->SetChecked(false);
  EXPECT_EQ(form.clicks, 1);
  // Written back in the writer's order: items first, handlers last.
  std::string text = WriteComponentText(&form);
  EXPECT_LT(text.find("Items.Strings"), text.find("ItemIndex = 2"));
  EXPECT_EQ(text.find("Checked"), std::string::npos);
  EXPECT_NE(text.find("OnClick = Btn_OKClick\n  end"), std::string::npos) << text;
}

TEST_F(ControlsPublishedTest, PanelsShapesTimersAndMaskedEditsRoundTrip) {
  // The timer is not a control: it is written first, at the form's level.
  const char* const layout = R"(object TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object Timer1: TTimer
    Interval = 250
  end
  object CP_Main: TPanel
    Left = 0
    Top = 0
    Width = 300
    Height = 120
    Align = alTop
    TabOrder = 0
    BevelOuter = bvLowered
    Caption = 'Main'
    object Shape1: TShape
      Left = 8
      Top = 8
      Width = 20
      Height = 20
      Brush.Color = clRed
      Pen.Style = psClear
      Shape = stCircle
    end
    object E_Date: TMaskEdit
      Left = 40
      Top = 8
      Width = 100
      Height = 25
      AutoSize = False
      TabOrder = 0
      MaxLength = 5
      EditMask = '00/00;1;_'
      Text = '12/34'
    end
  end
  object R_Log: TRichEdit
    Left = 0
    Top = 130
    Width = 300
    Height = 60
    TabOrder = 1
    Lines.Strings = (
      'ready')
    PlainText = True
  end
end
)";
  TForm form(nullptr);
  ReadComponentText(&form, layout, "forms/FPanels.dfm");
  auto* panel = dynamic_cast<TPanel*>(form.FindComponent("CP_Main"));
  auto* shape = dynamic_cast<TShape*>(form.FindComponent("Shape1"));
  auto* edit = dynamic_cast<TMaskEdit*>(form.FindComponent("E_Date"));
  auto* timer = dynamic_cast<TTimer*>(form.FindComponent("Timer1"));
  ASSERT_TRUE(panel && shape && edit && timer);
  EXPECT_EQ(shape->Parent(), panel);
  EXPECT_EQ(panel->Align(), alTop);
  EXPECT_EQ(shape->Brush()->Color(), clRed);
  EXPECT_EQ(shape->Shape(), stCircle);
  EXPECT_EQ(timer->Interval(), 250u);
  EXPECT_EQ(edit->EditMask(), "00/00;1;_");
  EXPECT_EQ(edit->Text(), "12/34");
  // The top-aligned panel spans the form's client width.
  std::string expected = layout;
  expected.replace(expected.find("    Width = 300\n    Height = 120"), 15,
                   "    Width = " + std::to_string(form.ClientWidth()));
  EXPECT_EQ(panel->Width(), form.ClientWidth());
  EXPECT_EQ(WriteComponentText(&form), expected);

  // Anchors other than the alignment's are stored.
  panel->SetAnchors(TAnchors{akLeft, akTop});
  EXPECT_NE(WriteComponentText(&form).find("Anchors = [akLeft, akTop]"), std::string::npos);
}

}  // namespace
