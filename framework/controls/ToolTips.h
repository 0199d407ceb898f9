#pragma once
// The balloon tool tip: a small top-level window shaped as a speech balloon
// (a rounded body with a stem pointing at the mouse) showing a title with an
// icon and a word-wrapped text that explains the window it watches (its
// tool).
//
// The tip watches the tool's messages by hooking the tool's WindowProc.
// Once the mouse rests on the tool for the initial delay, the tip asks the
// tool for its text with WM_NOTIFY, code TTN_GETDISPINFO and an NMTTDISPINFO
// in LParam, and shows it under the mouse. The tool may set the title, icon,
// colours and maximum width from inside that request; an empty text shows
// nothing. The tip hides when the mouse leaves the tool, on a key, a click
// or the wheel, after the auto-hide delay, and on Pop. After Pop, while the
// mouse stays on the tool, the next move asks again after the reshow delay,
// so a tool that pops the tip when the mouse reaches another part of it
// gets a new text for that part. The tool hears TTN_SHOW and TTN_POP.
//
// Popup asks and shows at once, without timers.
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/Controls.h"

class TTimer;

// Notification codes of the tip (NMHDR::code).
constexpr int TTN_FIRST = -520;
constexpr int TTN_SHOW = TTN_FIRST - 1;
constexpr int TTN_POP = TTN_FIRST - 2;
constexpr int TTN_GETDISPINFO = TTN_FIRST - 10;

// The icon before the title.
enum TToolTipIcon { ttiNone, ttiInfo, ttiWarning, ttiError };

// The text request.
struct NMTTDISPINFO {
  NMHDR hdr;
  // Where the mouse rests, in the tool's client coordinates.
  TPoint Point;
  // Answered by the tool: the text to show (empty: no tip).
  std::string Text;
};

class TBalloonToolTip : public TCustomControl {
 public:
  explicit TBalloonToolTip(TComponent* AOwner);
  ~TBalloonToolTip() override;

  // The window the tip explains; nullptr stops watching.
  TWinControl* Tool() const { return tool_; }
  void SetTool(TWinControl* Value);

  // Milliseconds; -1 takes the system's default, which follows the
  // double-click time (initial: that time, reshow: a fifth, auto-hide: ten
  // times). An auto-hide delay of 0 leaves the tip up.
  int InitialDelay() const { return initialDelay_; }
  void SetInitialDelay(int Value) { initialDelay_ = Value; }
  int ReshowDelay() const { return reshowDelay_; }
  void SetReshowDelay(int Value) { reshowDelay_ = Value; }
  int AutoHideDelay() const { return autoHideDelay_; }
  void SetAutoHideDelay(int Value) { autoHideDelay_ = Value; }
  // The delays in force.
  int InitialTime() const;
  int ReshowTime() const;
  int AutoHideTime() const;

  // 255 opaque, 0 invisible.
  int Alpha() const { return alpha_; }
  void SetAlpha(int Value);
  // The text wraps at this width of the whole tip; 0 or less: no limit.
  int MaxTipWidth() const { return maxTipWidth_; }
  void SetMaxTipWidth(int Value);
  // clNone takes the system's tool tip colours.
  TColor TipTextColor() const { return tipTextColor_; }
  void SetTipTextColor(TColor Value);
  TColor TipBkColor() const { return tipBkColor_; }
  void SetTipBkColor(TColor Value);
  // The colours in force.
  TColor TextColorUsed() const;
  TColor BkColorUsed() const;

  const std::string& Title() const { return title_; }
  TToolTipIcon Icon() const { return icon_; }
  // Icon numbers out of range are clamped.
  void SetTitle(int Icon, const std::string& Title);
  // The text of the tip shown last.
  const std::string& Text() const { return text_; }

  // Asks the tool for its text at ToolPoint and shows it there now; false
  // (and hidden) when the tool has no text there.
  bool Popup(const TPoint& ToolPoint);
  // Shows Text with the title and icon set, the stem pointing at Screen,
  // without asking the tool.
  void ShowAt(const TPoint& Screen, const std::string& Text);
  // Hides the tip; the next move over the tool asks again after the reshow
  // delay when the tip was shown.
  void Pop();
  bool Shown() const { return Visible(); }

  // What the hook passes on: the tool's mouse, key and leave messages.
  void RelayEvent(const TMessage& Message);

  // Layout in the tip window's coordinates.
  struct TLayout {
    int Width = 0, Height = 0;
    // The body without the stem.
    TRect Body;
    // The stem's tip; on the top edge when StemUp, else the bottom edge.
    TPoint Stem;
    bool StemUp = true;
    TRect IconRect, TitleRect, TextRect;
  };
  const TLayout& Layout() const { return layout_; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  struct THookState;
  struct TToolHook;
  void Hook();
  void Unhook();
  void Hide(bool TellTool);
  void StartTimer(int Kind, int Ms);
  void StopTimer();
  void TimerFired(TObject* Sender);
  void Measure();
  void PlaceAt(const TPoint& Screen, int Below, int Above);
  void ShowMeasured();
  std::vector<TPoint> Outline(int Right, int Bottom) const;
  void Tell(int Code);

  TWinControl* tool_ = nullptr;
  std::shared_ptr<THookState> hook_;
  TTimer* timer_ = nullptr;
  int timerKind_ = 0;
  int initialDelay_ = -1, reshowDelay_ = -1, autoHideDelay_ = -1;
  int alpha_ = 255;
  int maxTipWidth_ = 0;
  TColor tipTextColor_ = clNone;
  TColor tipBkColor_ = clNone;
  std::string title_;
  TToolTipIcon icon_ = ttiNone;
  std::string text_;
  TLayout layout_;
  // The mouse on the tool, where it was last.
  bool inside_ = false;
  TPoint lastPoint_{-1, -1};
  // After Pop of a shown tip: the next show waits the reshow delay.
  bool reshow_ = false;
  // Hidden by the auto-hide delay: quiet until the mouse leaves the tool.
  bool quiet_ = false;
};
