// Every drop-down kind loads from a stored layout: the base control's
// properties, the kind's own, its items, and the two look values; and what
// it writes loads again.
#include <gtest/gtest.h>

#include <string>

#include "controls/dropdown/VevCalculatorDropdown.h"
#include "controls/dropdown/VevColorPickerDropDown.h"
#include "controls/dropdown/VevCustomGridDropDown.h"
#include "controls/dropdown/VevDateTimePicker.h"
#include "controls/dropdown/VevDetailDropDown.h"
#include "controls/dropdown/VevImagePickerDropDown.h"
#include "controls/dropdown/VevMemoDropDown.h"
#include "controls/dropdown/VevMultiColumnDropDown.h"
#include "controls/dropdown/VevTimePickerDropDown.h"
#include "controls/dropdown/VevTrackBarDropDown.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/controls/Forms.h"
#include "framework/rtl/DateUtils.h"

namespace {

const char* const kLayout = R"(object F: TForm
  Left = 0
  Top = 0
  Width = 400
  Height = 400
  object DD_Track: TVevTrackBarDropDown
    Left = 8
    Top = 8
    Width = 120
    Height = 21
    Prefix = 'Level '
    ReturnIsTab = True
    DropDownColor = clYellow
    Min = 5
    Max = 50
    Position = 30
    PageSize = 5
    SelectionColorStyle = 2
    VyxStyle = 11
  end
  object DD_Memo: TVevMemoDropDown
    Left = 8
    Top = 36
    Width = 120
    Height = 21
    AutoDrop = True
    MemoText.Strings = (
      'first line'
      'second line')
    MemoReadOnly = True
  end
  object DD_Calc: TVevCalculatorDropdown
    Left = 8
    Top = 64
    Width = 120
    Height = 21
    Precision = 2
    ShowThousandSeparator = False
    CalcButtonAppearance.TextColor = clRed
  end
  object DD_Time: TVevTimePickerDropDown
    Left = 8
    Top = 92
    Width = 120
    Height = 21
    ShowSeconds = False
    Time = 0.5
  end
  object DD_Color: TVevColorPickerDropDown
    Left = 8
    Top = 120
    Width = 120
    Height = 21
    Colors = <
      item
        Caption = 'Sea'
        Color = 16744448
      end
      item
        Caption = 'Sand'
        Color = 8454143
      end>
    ItemIndex = 1
    ColorSelectionStyle = csDiscrete
    ShowText = True
  end
  object DD_Detail: TVevDetailDropDown
    Left = 8
    Top = 148
    Width = 120
    Height = 21
    Items = <
      item
        Caption = 'Pump'
        Notes = 'the <b>main</b> pump'
      end
      item
        Caption = 'Valve'
        ImageIndex = 2
      end>
    ItemIndex = 1
    ItemHeight = 40
    LabelCaption = 'Part'
  end
  object DD_Image: TVevImagePickerDropDown
    Left = 8
    Top = 176
    Width = 120
    Height = 21
    Columns = 3
    Items = <
      item
        Caption = 'One'
        ImageIndex = 4
      end
      item
        Caption = 'Two'
        ImageIndex = 7
      end>
    ItemIndex = 1
  end
  object DD_Grid: TCustomDivUzevDropDown
    Left = 8
    Top = 250
    Width = 160
    Height = 21
    Columns = <
      item
        Header = 'Code'
        Width = 60
      end
      item
        Header = 'Name'
        AutoSize = True
      end>
    Items = <
      item
        Text.Strings = (
          'A1'
          'Pump')
      end
      item
        Text.Strings = (
          'B2'
          'Valve')
      end>
    LookupColumn = 1
    LookupMethod = lmNarrowDown
    ItemIndex = 1
  end
  object DD_Multi: TVevMultiColumnDropDown
    Left = 8
    Top = 280
    Width = 160
    Height = 21
    Columns = <
      item
        Header = 'City'
      end>
    Items = <
      item
        Text.Strings = (
          'Milan')
      end
      item
        Text.Strings = (
          'Munich')
      end>
    ItemIndex = 0
  end
  object DTP_Start: TVevDateTimePicker
    Left = 8
    Top = 220
    Width = 160
    Height = 21
    Kind = dkDateTime
    LabelCaption = 'Start'
    LabelMargin = 6
  end
end
)";

template <class T>
T* Find(TComponent* Root, const char* Name) {
  auto* c = dynamic_cast<T*>(Root->FindComponent(Name));
  EXPECT_NE(c, nullptr) << Name;
  return c;
}

void CheckLoaded(TForm& F) {
  auto* track = Find<TVevTrackBarDropDown>(&F, "DD_Track");
  ASSERT_NE(track, nullptr);
  EXPECT_TRUE(track->Constructed());
  EXPECT_EQ(track->Prefix(), "Level ");
  EXPECT_TRUE(track->ReturnIsTab());
  EXPECT_EQ(track->DropDownColor(), clYellow);
  EXPECT_EQ(track->Min(), 5);
  EXPECT_EQ(track->Max(), 50);
  EXPECT_EQ(track->Position(), 30);
  EXPECT_EQ(track->PageSize(), 5);
  EXPECT_EQ(track->SelectionColorStyle(), scWindowsVista);
  EXPECT_EQ(track->GetComponentStyle(), tsWindows7);

  auto* memo = Find<TVevMemoDropDown>(&F, "DD_Memo");
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(memo->AutoDrop());
  EXPECT_TRUE(memo->MemoReadOnly());
  ASSERT_EQ(memo->MemoText()->Count(), 2);
  EXPECT_EQ(memo->MemoText()->Strings(1), "second line");

  auto* calc = Find<TVevCalculatorDropdown>(&F, "DD_Calc");
  ASSERT_NE(calc, nullptr);
  EXPECT_EQ(calc->Precision(), 2);
  EXPECT_FALSE(calc->ShowThousandSeparator());
  EXPECT_EQ(calc->CalcButtonAppearance()->TextColor(), clRed);

  auto* time = Find<TVevTimePickerDropDown>(&F, "DD_Time");
  ASSERT_NE(time, nullptr);
  EXPECT_FALSE(time->ShowSeconds());
  EXPECT_DOUBLE_EQ(time->Time(), 0.5);

  auto* color = Find<TVevColorPickerDropDown>(&F, "DD_Color");
  ASSERT_NE(color, nullptr);
  ASSERT_EQ(color->Colors()->Count(), 2);
  EXPECT_EQ(color->Colors()->Items(0)->Caption(), "Sea");
  EXPECT_EQ(color->ItemIndex(), 1);
  EXPECT_EQ(color->SelectedColor(), static_cast<TColor>(8454143));
  EXPECT_EQ(color->ColorSelectionStyle(), csDiscrete);
  EXPECT_TRUE(color->ShowText());

  auto* detail = Find<TVevDetailDropDown>(&F, "DD_Detail");
  ASSERT_NE(detail, nullptr);
  ASSERT_EQ(detail->Items()->Count(), 2);
  EXPECT_EQ(detail->Items()->Items(0)->Notes(), "the <b>main</b> pump");
  EXPECT_EQ(detail->Items()->Items(1)->ImageIndex(), 2);
  EXPECT_EQ(detail->ItemIndex(), 1);
  EXPECT_EQ(detail->Text(), "Valve");
  EXPECT_EQ(detail->ItemHeight(), 40);
  EXPECT_EQ(detail->LabelCaption(), "Part");

  auto* image = Find<TVevImagePickerDropDown>(&F, "DD_Image");
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->Columns(), 3);
  ASSERT_EQ(image->Items()->Count(), 2);
  EXPECT_EQ(image->ItemIndex(), 1);
  EXPECT_EQ(image->ImageIndex(), 7);

  auto* grid = Find<TCustomDivUzevDropDown>(&F, "DD_Grid");
  ASSERT_NE(grid, nullptr);
  ASSERT_EQ(grid->Columns()->Count(), 2);
  EXPECT_EQ(grid->Columns()->Items(0)->Width(), 60);
  EXPECT_TRUE(grid->Columns()->Items(1)->AutoSize());
  ASSERT_EQ(grid->Items()->Count(), 2);
  EXPECT_EQ(grid->Items()->Items(1)->TextAt(0), "B2");
  EXPECT_EQ(grid->LookupMethod(), lmNarrowDown);
  EXPECT_EQ(grid->ItemIndex(), 1);
  EXPECT_EQ(grid->Text(), "Valve");
  std::string full;
  int row = -1;
  EXPECT_TRUE(grid->LookupText("pu", full, row));
  EXPECT_EQ(row, 0);

  auto* multi = Find<TVevMultiColumnDropDown>(&F, "DD_Multi");
  ASSERT_NE(multi, nullptr);
  ASSERT_EQ(multi->Items()->Count(), 2);
  EXPECT_EQ(multi->Text(), "Milan");
  EXPECT_EQ(multi->GetItemIndex("Munich"), 1);

  auto* dtp = Find<TVevDateTimePicker>(&F, "DTP_Start");
  ASSERT_NE(dtp, nullptr);
  EXPECT_EQ(dtp->Kind(), dkDateTime);
  EXPECT_EQ(dtp->LabelCaption(), "Start");
  EXPECT_EQ(dtp->LabelMargin(), 6);
}

TEST(VevDropDownKindsPublished, EachKindLoadsFromALayoutAndWritesWhatLoadsAgain) {
  TForm form(nullptr);
  ReadComponentText(&form, kLayout, "forms/Kinds.dfm");
  CheckLoaded(form);
  const std::string saved = WriteComponentText(&form);
  TForm again(nullptr);
  ReadComponentText(&again, saved, "saved.dfm");
  CheckLoaded(again);
}

const char* const kWatchLayout = R"(object F: TForm
  Left = 0
  Top = 0
  Width = 400
  Height = 400
  object W: TVevWatch
    Left = 8
    Top = 8
    Width = 150
    Height = 150
    Style = wsTower
    Appearance.Size = 120
    Appearance.SecondPointer = clGreen
    Appearance.HourPointerShadow = clNone
    Appearance.PointerStyle = psLineArrow
    Appearance.Shape = wsRoundRect
    Appearance.TickMarks = tmQuartHours
    Appearance.AMPMColor = clSilver
    Appearance.AMPMFrame = apRoundRect
    Appearance.HourFont.Name = 'Arial'
    Appearance.HourFont.Size = 11
    Settings.Second = False
    Settings.TimeOffset = 90
    Animation = False
    AnimationFactor = 4
    ShowNumbers = False
  end
  object TP: TVevTimePickerDropDown
    Left = 8
    Top = 170
    Width = 120
    Height = 21
    WatchAppearance.BorderWidth = 7
    WatchAppearance.BackgroundGradient = wgRadial
    WatchAppearance.MinuteMarkWidth = 3
    WatchSettings.TimeOffset = -30
  end
end
)";

void CheckWatches(TForm& F) {
  auto* w = Find<TVevWatch>(&F, "W");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Style(), wsTower);
  TWatchAppearance* a = w->Appearance();
  EXPECT_EQ(a->Size(), 120);
  EXPECT_EQ(a->SecondPointer(), clGreen);
  EXPECT_EQ(a->HourPointerShadow(), clNone);
  EXPECT_EQ(a->PointerStyle(), psLineArrow);
  EXPECT_EQ(a->Shape(), wsRoundRect);
  EXPECT_EQ(a->TickMarks(), tmQuartHours);
  EXPECT_EQ(a->AMPMColor(), clSilver);
  EXPECT_EQ(a->AMPMFrame(), apRoundRect);
  EXPECT_EQ(a->HourFont()->Name(), "Arial");
  EXPECT_EQ(a->HourFont()->Size(), 11);
  // The tower preset's values that the layout does not override stay.
  EXPECT_EQ(a->BackgroundColorTo(), static_cast<TColor>(0x5BCCE8));
  EXPECT_FALSE(w->Settings()->Second());
  EXPECT_EQ(w->Settings()->TimeOffset(), 90);
  EXPECT_FALSE(w->Settings()->Auto());
  EXPECT_FALSE(w->Animation());
  EXPECT_EQ(w->AnimationFactor(), 4);
  EXPECT_FALSE(w->ShowNumbers());
  EXPECT_TRUE(w->ShowAMPM());
  auto* tp = Find<TVevTimePickerDropDown>(&F, "TP");
  ASSERT_NE(tp, nullptr);
  EXPECT_EQ(tp->WatchAppearance()->BorderWidth(), 7);
  EXPECT_EQ(tp->WatchAppearance()->BackgroundGradient(), wgRadial);
  EXPECT_EQ(tp->WatchAppearance()->MinuteMarkWidth(), 3);
  EXPECT_EQ(tp->WatchSettings()->TimeOffset(), -30);
}

TEST(VevDropDownKindsPublished, TheWatchAndItsLooksLoadFromALayoutAndWriteWhatLoadsAgain) {
  TForm form(nullptr);
  ReadComponentText(&form, kWatchLayout, "forms/Watch.dfm");
  CheckWatches(form);
  const std::string saved = WriteComponentText(&form);
  TForm again(nullptr);
  ReadComponentText(&again, saved, "saved.dfm");
  CheckWatches(again);
}

}  // namespace
