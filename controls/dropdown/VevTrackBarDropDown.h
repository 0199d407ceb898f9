#pragma once
// A drop-down whose pop-up holds a horizontal track bar and whose edit shows
// the chosen whole number. The edit takes no typing by default: the value
// changes in the pop-up, with Up and Down, or by dragging the mouse sideways
// over the edit (a press released without moving opens the pop-up).
#include "controls/dropdown/VevDropDown.h"

class TTrackBar;

class TVevTrackBarDropDown : public TVevUrizazEvuvUduz {
 public:
  explicit TVevTrackBarDropDown(TComponent* AOwner);

  int Min() const { return min_; }
  void SetMin(int Value);
  int Max() const { return max_; }
  void SetMax(int Value);
  int Position() const { return position_; }
  void SetPosition(int Value);
  int Frequency() const { return frequency_; }
  void SetFrequency(int Value);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int Value);
  TTrackBar* TrackBar() const { return trackBar_; }

  TNotifyEvent OnTrackChange;

  void WndProc(TMessage& Message) override;
  void HideDropDownEx(bool Cancel) override;

 protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void Change() override;

 private:
  void TrackBarChange(TObject* Sender);
  void HandleMouse(TMessage& Message);
  TTrackBar* trackBar_ = nullptr;
  int min_ = 0;
  int frequency_ = 1;
  int pageSize_ = 2;
  int max_ = 10;
  int position_ = 0;
  bool mouseDraging_ = false;
  bool mouseMoved_ = false;
  int mouseX_ = 0;
  int positionAtDropDown_ = 0;
};
