#pragma once
// Standard controls drawn by our own code: label, push button, single-line
// edit and memo. The edit keeps its text, caret, selection and undo itself
// and answers the edit messages (EM_*), so code and tests drive it with
// messages exactly as a user would with keys and the mouse.
//
// A new control follows the same pattern: derive from TCustomControl (or
// TWinControl with a canvas, as the edit does), answer its messages in
// WndProc/DefaultHandler, draw in Paint.
#include <memory>
#include <string>

#include "framework/classes/StringList.h"
#include "framework/controls/Controls.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
// Where a label's text that does not fit is cut for "...".
enum TEllipsisPosition { epNone, epPathEllipsis, epEndEllipsis, epWordEllipsis };

class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* AOwner);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout Value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);
  bool Transparent() const { return !controlStyle_.Contains(csOpaque); }
  void SetTransparent(bool Value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool Value);
  // Only a label that does not size itself to its text cuts it.
  TEllipsisPosition EllipsisPosition() const { return ellipsisPosition_; }
  void SetEllipsisPosition(TEllipsisPosition Value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* Value);
  void SetAutoSize(bool Value) override;
  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  // Draws (or with DT_CALCRECT measures) the caption in Rect.
  virtual void DoDrawText(TRect& Rect, unsigned Flags);
  virtual void AdjustBounds();
  std::string GetLabelText() const { return Caption(); }
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

 private:
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  TEllipsisPosition ellipsisPosition_ = epNone;
  TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;
};

// The platform's push button: Default answers Return, Cancel answers Escape,
// a click writes ModalResult to the form.
class TButton : public TCustomControl {
 public:
  explicit TButton(TComponent* AOwner);
  bool Default() const { return default_; }
  void SetDefault(bool Value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool Value) { cancel_ = Value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }
  void Click() override;
  void WndProc(TMessage& Message) override;
  // Return answers this button now (the focused button, or the default one
  // while no other button has the focus).
  bool Active() const { return active_; }

 protected:
  void Paint() override;
  void DefaultHandler(TMessage& Message) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;
  bool pressed_ = false;
  bool spaceDown_ = false;
  TModalResult modalResult_ = mrNone;
};

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* AOwner);
  ~TCustomEdit() override;

  // Characters (not bytes); 0 is no limit.
  int MaxLength() const { return maxLength_; }
  virtual void SetMaxLength(int Value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool Value);
  char32_t PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char32_t Value);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase Value);
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool Value) { autoSelect_ = Value; }
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool Value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  bool Modified() const { return modified_; }
  void SetModified(bool Value) { modified_ = Value; }
  void SetAutoSize(bool Value) override;

  // Selection in characters.
  int SelStart() const;
  void SetSelStart(int Value);
  int SelLength() const;
  void SetSelLength(int Value);
  std::string SelText() const;
  void SetSelText(const std::string& Value);
  void SelectAll();
  void ClearSelection();
  void Clear();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  bool CanUndo() const { return hasUndo_; }
  void Undo();
  void ClearUndo() { hasUndo_ = false; }
  // The number of characters.
  int TextLength() const { return static_cast<int>(text_.size()); }
  // Column and line of the caret.
  TPoint CaretPos() const;
  void SetCaretPos(const TPoint& Value);
  // The caret shows while the edit has the focus, is enabled and is not
  // hidden; hiding counts, so each hide needs its show. A new focus starts
  // with the caret shown.
  void HideCaret();
  void ShowCaret();
  bool CaretShown() const;

  TNotifyEvent OnChange;

  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

 protected:
  virtual void Change();
  // The selection or the caret moved (by the user, by code or by an edit).
  virtual void SelectionChanged() {}
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void PaintWindow(TCanvas* DC) override;
  virtual void PaintEdit(TCanvas* Canvas);
  void CMEnter(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void WMSize(TMessage& Message) override;

  bool IsMultiLine() const;
  const std::u32string& Chars() const { return text_; }
  // Replaces the selection by S as typing or pasting would (limit, case,
  // read-only), with undo; false when nothing changed.
  bool ReplaceSelection(const std::u32string& S, bool Typing);
  // Puts S in place of the whole text without the user's rules.
  void SetChars(const std::u32string& S, bool Notify);
  // Replaces the text with S as a user edit (undo, modified, change notice)
  // and puts the selection at Anchor..Caret.
  void EditChars(const std::u32string& S, int Anchor, int Caret);
  void SetSelection(int Anchor, int Caret);
  int Anchor() const { return anchor_; }
  int Caret() const { return caret_; }
  // Character index nearest to a client point, and the client point of a
  // character's top-left corner.
  int CharFromPoint(const TPoint& P);
  TPoint PointFromChar(int Index);
  TRect FormatRect();
  void NotifyChange();
  void AdjustHeight();
  // The text as drawn (password characters in place).
  std::u32string DisplayChars() const;
  // Made on first use: most edits of a program's forms are never painted.
  TControlCanvas* EditCanvas();

 private:
  struct VisualLine {
    int Start = 0;
    int End = 0;  // exclusive, before the line break
  };
  // The lines as shown, worked out again only when the text, the width or
  // the font changed.
  const std::vector<VisualLine>& Layout();
  int LineOfChar(const std::vector<VisualLine>& Lines, int Index) const;
  int XOf(const VisualLine& L, int Index);
  int IndexAtX(const VisualLine& L, int X);
  int LineHeight();
  void EnsureCaretVisible();
  void UpdateScrollBars();
  void MoveCaret(int NewCaret, bool Extend);
  int WordStart(int Index) const;
  int WordEnd(int Index) const;
  void SaveUndo(bool Typing);
  void KeyNavigate(WORD Key, TShiftState Shift);
  void ApplyCase(std::u32string& S) const;
  void ScrollLines(int Delta);
  // SelectionChanged when the selection differs from the one last reported.
  void CheckSelection();

  std::unique_ptr<TControlCanvas> canvas_;
  // Measures text apart from the painting canvas, whose font painting sets.
  std::unique_ptr<TControlCanvas> measure_;
  std::u32string text_;
  int anchor_ = 0;
  int caret_ = 0;
  int shownAnchor_ = 0;
  int shownCaret_ = 0;
  int maxLength_ = 0;
  bool readOnly_ = false;
  char32_t passwordChar_ = 0;
  TEditCharCase charCase_ = ecNormal;
  bool autoSelect_ = true;
  bool hideSelection_ = true;
  int caretHidden_ = 0;
  TBorderStyle borderStyle_ = bsSingle;
  TAlignment alignment_ = taLeftJustify;
  bool modified_ = false;
  bool selecting_ = false;
  int scrollX_ = 0;
  int topLine_ = 0;
  bool hasFormatRect_ = false;
  TRect formatRect_;
  // Undo keeps the state before the last change (typing merges).
  bool hasUndo_ = false;
  std::u32string undoText_;
  int undoAnchor_ = 0, undoCaret_ = 0;
  bool lastWasTyping_ = false;
  int preferredX_ = -1;
  struct LayoutKey {
    uint64_t version = 0;
    bool multi = false, wrap = false;
    int width = 0;
    char32_t password = 0;
    std::string fontName;
    int fontHeight = 0;
    unsigned fontStyle = 0;
    bool operator==(const LayoutKey&) const = default;
  };
  uint64_t textVersion_ = 0;
  bool layoutValid_ = false;
  LayoutKey layoutKey_;
  std::vector<VisualLine> layout_;
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
};

class TCustomMemo;

// The lines of a memo, as a string list over its text.
class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo* Memo) : memo_(Memo) {}
  int Count() const override;
  std::string Strings(int Index) const override;
  void SetStrings(int Index, const std::string& S) override;
  using TStrings::SetStrings;
  void InsertObject(int Index, const std::string& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;
  void SetText(const std::string& Value) override;

 private:
  std::vector<std::string> Split() const;
  void Join(const std::vector<std::string>& Lines);
  TCustomMemo* memo_;
};

class TCustomMemo : public TCustomEdit {
 public:
  explicit TCustomMemo(TComponent* AOwner);
  ~TCustomMemo() override;
  TStrings* Lines() { return lines_.get(); }
  void SetLines(TStrings* Value) { lines_->Assign(Value); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle Value);
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool Value) { wantReturns_ = Value; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool Value) { wantTabs_ = Value; }
  void WndProc(TMessage& Message) override;

 protected:
  friend class TMemoStrings;
  void CreateParams(TCreateParams& Params) override;
  void KeyPress(char32_t& Key) override;

 private:
  std::unique_ptr<TMemoStrings> lines_;
  bool wordWrap_ = true;
  TScrollStyle scrollBars_ = ssNone;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
};

class TMemo : public TCustomMemo {
 public:
  using TCustomMemo::TCustomMemo;
};
