#pragma once
// The up-down control: two arrow buttons that step Position between Min and
// Max. A press steps once, holding the button repeats (first after 400 ms,
// then every 100 ms). The upper (or right) button steps up. Position never
// leaves [Min, Max] unless Wrap carries it round to the other end. An
// Associate control shows the position as its text.
#include <functional>

#include "framework/controls/Controls.h"

enum TUDBtnType { btNext, btPrev };
enum TUDOrientation { udHorizontal, udVertical };
enum TUDAlignButton { udLeft, udRight };
enum TUpDownDirection { updNone, updUp, updDown };

using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;
using TUDChangingEventEx =
    std::function<void(TObject* Sender, bool& AllowChange, int NewValue, TUpDownDirection Direction)>;

class TCustomUpDown : public TCustomControl {
 public:
  explicit TCustomUpDown(TComponent* AOwner);
  ~TCustomUpDown() override;

  int Min() const { return min_; }
  void SetMin(int Value);
  int Max() const { return max_; }
  void SetMax(int Value);
  int Position() const { return position_; }
  // Clamped to [Min, Max]; fires nothing.
  void SetPosition(int Value);
  int Increment() const { return increment_; }
  void SetIncrement(int Value) { increment_ = Value; }
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation Value);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool Value) { wrap_ = Value; }
  bool ArrowKeys() const { return arrowKeys_; }
  void SetArrowKeys(bool Value) { arrowKeys_ = Value; }
  bool Thousands() const { return thousands_; }
  void SetThousands(bool Value);
  TUDAlignButton AlignButton() const { return alignButton_; }
  void SetAlignButton(TUDAlignButton Value);
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* Value);

  // Steps once as a press on that button does (OnChanging may refuse it).
  void Step(TUDBtnType Button);
  // The button under a client point.
  TUDBtnType ButtonAt(const TPoint& P) const;
  // The rectangle of one button in client coordinates.
  TRect ButtonRect(TUDBtnType Button) const;
  // The button held down now, or -1.
  int PressedButton() const { return pressed_; }

  TUDClickEvent OnClick;
  TUDChangingEvent OnChanging;
  TUDChangingEventEx OnChangingEx;

  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual bool CanChange(int NewValue, TUpDownDirection Direction);
  virtual void DoClick(TUDBtnType Button);

 private:
  void UpdateAssociate();
  void StopRepeat();
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int increment_ = 1;
  TUDOrientation orientation_ = udVertical;
  bool wrap_ = false;
  bool arrowKeys_ = true;
  bool thousands_ = true;
  TUDAlignButton alignButton_ = udRight;
  TWinControl* associate_ = nullptr;
  int pressed_ = -1;
  bool hot_ = false;
  bool repeating_ = false;
};

class TUpDown : public TCustomUpDown {
 public:
  using TCustomUpDown::TCustomUpDown;
};
