#pragma once
// The time picker drop-down and its analog watch. TVevWatch shows a time of
// day as a clock face: a click inside the dial sets the hour, outside it the
// minute, a click on the AM/PM box switches the half of the day; hand moves
// can be animated, and in automatic mode it runs as a clock. The drop-down
// edits the time as two-digit fields under an input mask and shows the
// watch (and, on request, a framework time picker) in its pop-up.
#include <memory>
#include <string>

#include "controls/dropdown/VevDropDown.h"
#include "framework/rtl/DateUtils.h"

class TBitmap;
class TDateTimePicker;
class TPanel;
class TPicture;
class TTimer;

enum TWatchShape { wsCircle, wsRect, wsRoundRect };
enum TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
enum THourMarkStyle { hmsLine, hmsQuartDblLine };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum TAMPMFrame { apRect, apRoundRect };
enum TWatchStyle {
  wsClassic,
  wsTower,
  wsFluorescent,
  wsEmerald,
  wsBlueStar,
  wsFuchsia,
  wsBlack,
  wsBlackWhite,
  wsGray,
  wsSuperNova,
  wsSports,
  wsSmooth
};

class TWatchSettings : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  bool Auto() const { return auto_; }
  void SetAuto(bool Value);
  bool Second() const { return second_; }
  void SetSecond(bool Value);
  int TimeOffset() const { return timeOffset_; }
  void SetTimeOffset(int Value);
  TNotifyEvent OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange(this);
  }
  bool auto_ = false;
  bool second_ = true;
  int timeOffset_ = 0;
};

class TWatchAppearance : public TPersistent {
 public:
  TWatchAppearance();
  ~TWatchAppearance() override;
  void Assign(TPersistent* Source) override;
  // Every setting back to its default.
  void ResetDefaults();

#define CF_WATCH_PROP(Type, Name, field) \
  Type Name() const { return field; }    \
  void Set##Name(Type Value) { Set(field, Value); }
  CF_WATCH_PROP(int, Size, size_)
  CF_WATCH_PROP(TColor, HourPointer, hourPointer_)
  CF_WATCH_PROP(TColor, MinutePointer, minutePointer_)
  CF_WATCH_PROP(TColor, SecondPointer, secondPointer_)
  CF_WATCH_PROP(TColor, HourPointerShadow, hourPointerShadow_)
  CF_WATCH_PROP(TColor, MinutePointerShadow, minutePointerShadow_)
  CF_WATCH_PROP(int, HourPointerSize, hourPointerSize_)
  CF_WATCH_PROP(int, MinutePointerSize, minutePointerSize_)
  CF_WATCH_PROP(int, SecondPointerSize, secondPointerSize_)
  CF_WATCH_PROP(TPointerStyle, PointerStyle, pointerStyle_)
  CF_WATCH_PROP(TColor, BackgroundColor, backgroundColor_)
  CF_WATCH_PROP(TColor, BackgroundColorTo, backgroundColorTo_)
  CF_WATCH_PROP(TWatchGradient, BackgroundGradient, backgroundGradient_)
  CF_WATCH_PROP(TColor, BorderColor, borderColor_)
  CF_WATCH_PROP(int, BorderWidth, borderWidth_)
  CF_WATCH_PROP(TWatchShape, Shape, shape_)
  CF_WATCH_PROP(TColor, HourColor, hourColor_)
  CF_WATCH_PROP(TColor, MinuteColor, minuteColor_)
  CF_WATCH_PROP(int, HourMarkLength, hourMarkLength_)
  CF_WATCH_PROP(int, MinuteMarkLength, minuteMarkLength_)
  CF_WATCH_PROP(int, HourMarkWidth, hourMarkWidth_)
  CF_WATCH_PROP(int, MinuteMarkWidth, minuteMarkWidth_)
  CF_WATCH_PROP(THourMarkStyle, HourMarkStyle, hourMarkStyle_)
  CF_WATCH_PROP(TTickMarks, TickMarks, tickMarks_)
  CF_WATCH_PROP(TAMPMFrame, AMPMFrame, ampmFrame_)
  CF_WATCH_PROP(int, CenterPointSize, centerPointSize_)
  CF_WATCH_PROP(TColor, CenterPointColor, centerPointColor_)
  CF_WATCH_PROP(TColor, CenterPointBorderColor, centerPointBorderColor_)
  CF_WATCH_PROP(TColor, CenterPointOuterBorderColor, centerPointOuterBorderColor_)
#undef CF_WATCH_PROP
  // Plain fields: no change notice.
  TColor AMPMColor() const { return ampmColor_; }
  void SetAMPMColor(TColor Value) { ampmColor_ = Value; }
  TColor AMPMBorderColor() const { return ampmBorderColor_; }
  void SetAMPMBorderColor(TColor Value) { ampmBorderColor_ = Value; }
  TFont* HourFont() const { return hourFont_.get(); }
  void SetHourFont(TFont* Value);
  TFont* AMPMFont() const { return ampmFont_.get(); }
  void SetAMPMFont(TFont* Value);
  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(TPicture* Value);

  TNotifyEvent OnChange;

 private:
  template <class T>
  void Set(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
  }
  void Changed() {
    if (OnChange) OnChange(this);
  }
  int size_ = 0;
  TColor hourPointer_ = 0, minutePointer_ = 0, secondPointer_ = 0x0000FF;
  TColor hourPointerShadow_ = clBtnShadow, minutePointerShadow_ = clBtnShadow;
  int hourPointerSize_ = 4, minutePointerSize_ = 3, secondPointerSize_ = 1;
  TPointerStyle pointerStyle_ = psLine;
  TColor backgroundColor_ = 0xFFFFFF, backgroundColorTo_ = clNone;
  TWatchGradient backgroundGradient_ = wgVertical;
  TColor borderColor_ = 0;
  int borderWidth_ = 4;
  TWatchShape shape_ = wsCircle;
  TColor hourColor_ = 0, minuteColor_ = 0x808080;
  int hourMarkLength_ = 0, minuteMarkLength_ = 0, hourMarkWidth_ = 1, minuteMarkWidth_ = 1;
  THourMarkStyle hourMarkStyle_ = hmsLine;
  TTickMarks tickMarks_ = tmAll;
  TColor ampmColor_ = 0xFFFFFF, ampmBorderColor_ = 0;
  TAMPMFrame ampmFrame_ = apRect;
  int centerPointSize_ = 4;
  TColor centerPointColor_ = 0, centerPointBorderColor_ = clNone, centerPointOuterBorderColor_ = clNone;
  std::unique_ptr<TFont> hourFont_, ampmFont_;
  std::unique_ptr<TPicture> picture_;
};

class TVevWatch : public TCustomControl {
 public:
  explicit TVevWatch(TComponent* AOwner);
  ~TVevWatch() override;

  TWatchAppearance* Appearance() const { return appearance_.get(); }
  void SetAppearance(TWatchAppearance* Value) { appearance_->Assign(Value); }
  TWatchSettings* Settings() const { return settings_.get(); }
  void SetSettings(TWatchSettings* Value) { settings_->Assign(Value); }
  TDateTime Time() const { return time_; }
  void SetTime(TDateTime Value);
  bool Animation() const { return animation_; }
  void SetAnimation(bool Value) { animation_ = Value; }
  int AnimationFactor() const { return animationFactor_; }
  void SetAnimationFactor(int Value) { animationFactor_ = Value; }
  bool ShowAMPM() const { return showAMPM_; }
  void SetShowAMPM(bool Value);
  bool ShowNumbers() const { return showNumbers_; }
  void SetShowNumbers(bool Value);
  TWatchStyle Style() const { return style_; }
  void SetStyle(TWatchStyle Value);
  void SetComponentStyle(TVyxStyle AStyle);
  bool AM() const { return am_; }
  bool Animating() const;

  // Settings.Auto: the system time plus the offset; else Time.
  TDateTime CurrentTime() const;
  void SetHour(int Value);
  // Raises "Invalid time" for 60 or more.
  void SetMinute(int Value);
  void HandleWatchKey(WORD Key);
  // Moves the hands one animation step (the 1 ms timer's tick).
  void AnimationStep();

  // Geometry of the face (client coordinates).
  TRect GetFaceRect() const;
  TRect GetAMPMRect();
  int MinuteAtPoint(int X, int Y) const;
  int HourAtPoint(int X, int Y) const;

  TNotifyEvent OnChange;

  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void SetTimeValue(TDateTime Value);
  void SetAMFlag(bool Value);
  void SettingsChanged(TObject* Sender);
  void RedrawHands();
  void Fire(bool AtTarget);
  bool Busy() const;
  // Drawing (VevWatch_Draw.cpp).
  void PaintWatch(TCanvas* Target);
  void DrawFace(TCanvas* C, const TRect& Client);
  void DrawMarks(TCanvas* C);
  void DrawNumbers(TCanvas* C);
  void DrawAMPM(TCanvas* C);
  void DrawHands(TCanvas* C);
  void SlideAMPM(bool ToAM);

  std::unique_ptr<TWatchAppearance> appearance_;
  std::unique_ptr<TWatchSettings> settings_;
  TDateTime time_ = 0;
  std::unique_ptr<TBitmap> cache_;
  bool cacheValid_ = false;
  TTimer* clockTimer_ = nullptr;
  bool animation_ = true;
  int animationFactor_ = 10;
  TTimer* animationTimer_ = nullptr;
  int hourTarget_ = 0;
  int minuteTarget_ = 0;
  int startMinute_ = 0;
  bool hourAnimating_ = false;
  bool internalCall_ = false;
  bool animationStep_ = false;
  bool am_ = true;
  bool internalSet_ = false;
  bool showAMPM_ = true;
  bool showNumbers_ = true;
  TWatchStyle style_ = wsClassic;
};

// The colour scheme of a component style on a watch's look.
void ApplyWatchComponentStyle(TWatchAppearance* A, TVyxStyle AStyle);

class TVevTimePickerDropDown : public TVevUrizazEvuvUduz {
 public:
  explicit TVevTimePickerDropDown(TComponent* AOwner);
  ~TVevTimePickerDropDown() override;

  bool ShowTimePicker() const { return showTimePicker_; }
  void SetShowTimePicker(bool Value) { showTimePicker_ = Value; }
  TWatchAppearance* WatchAppearance() const { return watchAppearance_.get(); }
  void SetWatchAppearance(TWatchAppearance* Value) { watchAppearance_->Assign(Value); }
  TWatchSettings* WatchSettings() const { return watchSettings_.get(); }
  void SetWatchSettings(TWatchSettings* Value) { watchSettings_->Assign(Value); }
  bool ShowWatchAMPM() const { return showWatchAMPM_; }
  void SetShowWatchAMPM(bool Value) { showWatchAMPM_ = Value; }
  bool ShowWatchNumbers() const { return showWatchNumbers_; }
  void SetShowWatchNumbers(bool Value) { showWatchNumbers_ = Value; }
  bool Animation() const { return animation_; }
  void SetAnimation(bool Value) { animation_ = Value; }
  int AnimationFactor() const { return animationFactor_; }
  void SetAnimationFactor(int Value) { animationFactor_ = Value; }
  TDateTime Time() const { return time_; }
  void SetTime(TDateTime Value);
  bool ShowSeconds() const { return showSeconds_; }
  void SetShowSeconds(bool Value);
  void SetTimeHour(int Value);
  void SetTimeMinute(int Value);
  void SetTimeSecond(int Value);
  TVevWatch* Watch() const { return watch_; }
  TDateTimePicker* TimePicker() const { return timePicker_; }
  TPanel* PopupPanel() const { return panel_; }

  TNotifyEvent OnTimeChange;

  void AfterConstruction() override;
  void SetComponentStyle(TVyxStyle AStyle) override;
  void HideDropDownEx(bool Cancel) override;
  void DoHideDropDown(TObject* Sender) override;
  void DropDownKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) override;
  void DropDownKeyUp(TObject* Sender, WORD& Key, TShiftState Shift) override;
  void WndProc(TMessage& Message) override;

 protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void ControlKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) override;
  void ControlKeyUp(TObject* Sender, WORD& Key, TShiftState Shift) override;
  void ControlKeyPress(TObject* Sender, char32_t& Key) override;
  void Change() override;

 private:
  std::string TimeText(TDateTime T) const;
  std::string MaskText() const;
  void WriteTimeText(const std::string& S);
  void WatchChanged(TObject* Sender);
  void PickerChanged(TObject* Sender);
  void ArrowKey(WORD Key);

  bool showTimePicker_ = false;
  TVevWatch* watch_ = nullptr;
  TDateTimePicker* timePicker_ = nullptr;
  TPanel* panel_ = nullptr;
  std::unique_ptr<TWatchAppearance> watchAppearance_;
  bool showWatchAMPM_ = true;
  bool showWatchNumbers_ = true;
  bool animation_ = true;
  int animationFactor_ = 10;
  TDateTime time_ = 0;
  std::unique_ptr<TWatchSettings> watchSettings_;
  bool internal_ = false;
  bool showSeconds_ = true;
  bool cancelling_ = false;
  TDateTime timeAtDropDown_ = 0;
};
