#pragma once
// The masked edit with the platform's edit masks, as our own code.
//
// A mask is "mask;save;blank". In the mask: 0 digit (required), 9 digit
// (optional), # digit or sign (optional), L/l letter, A/a letter or digit,
// C/c any character (upper case required, lower case optional), > upper
// case from here, < lower case, <> no case change, \ the next character
// literally, ! optional positions are leading blanks, : and / the locale's
// time and date separators, _ a literal blank; any other character is a
// literal. "save" 0 keeps the literals out of Text (default 1); "blank" is
// the character shown for an empty position (default _).
//
// EditText is what the edit shows (literals and blank characters); Text is
// the value (blanks as spaces, literals only when saved). Leaving a masked
// edit whose input the user changed and left incomplete raises
// EDBEditError "Invalid input value.  Use escape key to abandon changes";
// Escape restores the text from before the edit.
#include <string>
#include <vector>

#include "framework/controls/StdCtrls.h"

CF_DECLARE_EXCEPTION(EDBEditError, Exception)

class TEditMask {
 public:
  TEditMask() = default;
  explicit TEditMask(const std::string& Mask);

  bool Empty() const { return positions_.empty(); }
  // Positions of the edit text (literals included).
  int Length() const { return static_cast<int>(positions_.size()); }
  bool IsLiteral(int Pos) const;
  bool IsRequired(int Pos) const;
  // True when Ch may stand at Pos; Ch gets the position's case.
  bool Accepts(int Pos, char32_t& Ch) const;
  bool SaveLiterals() const { return saveLiterals_; }
  char32_t Blank() const { return blank_; }
  // The edit text with every position empty.
  std::u32string EmptyEditText() const;
  std::u32string TextToEditText(const std::u32string& Text) const;
  std::u32string EditTextToText(const std::u32string& EditText) const;
  // The first required position left empty, -1 when the input is complete.
  int FirstIncomplete(const std::u32string& EditText) const;
  // The first position at or after Pos that takes input (Length() if none).
  int NextEditable(int Pos) const;
  // The last position before Pos that takes input (-1 if none).
  int PrevEditable(int Pos) const;

 private:
  enum Kind {
    kLiteral,
    kDigit,
    kDigitOpt,
    kDigitSign,
    kLetter,
    kLetterOpt,
    kAlnum,
    kAlnumOpt,
    kAny,
    kAnyOpt
  };
  enum Case { cNone, cUpper, cLower };
  struct Position {
    Kind kind = kLiteral;
    Case caseMode = cNone;
    char32_t literal = 0;
  };
  std::vector<Position> positions_;
  bool saveLiterals_ = true;
  char32_t blank_ = '_';
  bool leadingBlanks_ = false;
};

class TCustomMaskEdit : public TCustomEdit {
 public:
  explicit TCustomMaskEdit(TComponent* AOwner);
  const std::string& EditMask() const { return editMask_; }
  void SetEditMask(const std::string& Value);
  bool IsMasked() const { return !mask_.Empty(); }
  // The text as shown, with literals and blank characters.
  std::string EditText() const;
  void SetEditText(const std::string& Value);
  // Raises EDBEditError when the user changed the input and left it
  // incomplete (the caret goes to the first empty required position).
  virtual void ValidateEdit();
  // Puts back the text from before the edit.
  void Reset();
  const TEditMask& Mask() const { return mask_; }
  void WndProc(TMessage& Message) override;

 protected:
  std::string GetText() const override;
  void SetTextValue(const std::string& Value) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;

 private:
  void TypeChar(char32_t Ch);
  void BlankRange(int From, int To);
  void PasteMasked();
  std::string editMask_;
  TEditMask mask_;
  std::u32string oldValue_;
  bool reEnter_ = false;
};

class TMaskEdit : public TCustomMaskEdit {
 public:
  using TCustomMaskEdit::TCustomMaskEdit;
};
