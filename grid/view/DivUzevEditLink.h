#pragma once
// The custom editor link: an application's own control edits the cells of
// kind edCustom. The link owns and places the control, in place over the
// cell or on a small pop-up form of its own, hands values between control
// and cell and decides which keys end the edit; a descendant overrides the
// virtual operations for its control.
#include <memory>
#include <string>

#include "framework/classes/Classes.h"
#include "framework/controls/Controls.h"
#include "framework/grids/Grids.h"

class TDedAdararAdoz;
class TForm;
class TFont;

enum TEditStyle { esInplace, esPopup };

class TEditLink : public TComponent {
 public:
  explicit TEditLink(TComponent* AOwner);
  ~TEditLink() override;

  // A descendant's control calls this from its key-down handling.
  virtual void EditKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  virtual TWinControl* GetEditControl() { return nullptr; }
  virtual void CreateEditor(TWinControl* AParent) { (void)AParent; }
  virtual void DestroyEditor() {}
  virtual void SetFocus(bool Value);
  virtual void SetRect(TRect R);
  virtual void SetVisible(bool Value);
  virtual void SetProperties() {}
  virtual void SetCellProps(TColor AColor, TFont* AFont) {
    (void)AColor;
    (void)AFont;
  }
  virtual std::string GetEditorValue() { return std::string(); }
  virtual void SetEditorValue(const std::string& S) { (void)S; }

  void EditExit(TObject* Sender);
  void FormExit(TObject* Sender);
  std::string GetCellValue();
  void SetCellValue(const std::string& S);
  TWinControl* GetParent();
  void HideEditor();
  void RestoreWinProc();

  TDedAdararAdoz* Grid() const { return FOwner; }
  // A grid freed before its link must not be reached from the link.
  void Notification(TComponent* AComponent, TOperation Operation) override;
  TGridCoord EditCell() const { return FEditCell; }
  // The link's own pop-up form (esPopup), made on first use; never shared
  // with another link.
  TForm* PopupForm() const { return FPopupForm.get(); }
  bool SubClassed() const { return FSubClassed; }

  bool AutoPopupWidth() const { return FAutoPopupWidth; }
  void SetAutoPopupWidth(bool Value) { FAutoPopupWidth = Value; }
  TEditStyle EditStyle() const { return FEditStyle; }
  void SetEditStyle(TEditStyle Value) { FEditStyle = Value; }
  int PopupLeft() const { return FPopupLeft; }
  void SetPopupLeft(int Value) { FPopupLeft = Value; }
  int PopupTop() const { return FPopupTop; }
  void SetPopupTop(int Value) { FPopupTop = Value; }
  int PopupWidth() const { return FPopupWidth; }
  void SetPopupWidth(int Value) { FPopupWidth = Value; }
  int PopupHeight() const { return FPopupHeight; }
  void SetPopupHeight(int Value) { FPopupHeight = Value; }
  bool WantKeyLeftRight() const { return FWantKeyLeftRight; }
  void SetWantKeyLeftRight(bool Value) { FWantKeyLeftRight = Value; }
  bool WantKeyUpDown() const { return FWantKeyUpDown; }
  void SetWantKeyUpDown(bool Value) { FWantKeyUpDown = Value; }
  bool WantKeyHomeEnd() const { return FWantKeyHomeEnd; }
  void SetWantKeyHomeEnd(bool Value) { FWantKeyHomeEnd = Value; }
  bool WantKeyPriorNext() const { return FWantKeyPriorNext; }
  void SetWantKeyPriorNext(bool Value) { FWantKeyPriorNext = Value; }
  bool WantKeyReturn() const { return FWantKeyReturn; }
  void SetWantKeyReturn(bool Value) { FWantKeyReturn = Value; }
  bool WantKeyEscape() const { return FWantKeyEscape; }
  void SetWantKeyEscape(bool Value) { FWantKeyEscape = Value; }
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }

  // The grid's side of an edit (the editor switch calls these).
  void Open(TDedAdararAdoz* Grid, int ACol, int ARow, const TRect& CellRect, TColor Color, TFont* AFont,
            const std::string& Value, char32_t StartChar);
  std::string Close();

 private:
  TDedAdararAdoz* FOwner = nullptr;
  bool FWantKeyLeftRight = false;
  bool FWantKeyUpDown = false;
  bool FWantKeyHomeEnd = false;
  bool FWantKeyPriorNext = false;
  bool FWantKeyReturn = false;
  bool FWantKeyEscape = false;
  TEditStyle FEditStyle = esInplace;
  std::unique_ptr<TForm> FPopupForm;
  int FPopupWidth = 0;
  int FPopupHeight = 0;
  bool FForcedExit = false;
  TGridCoord FEditCell{-1, -1};
  int FTag = 0;
  bool FAutoPopupWidth = false;
  int FPopupLeft = -1;
  int FPopupTop = -1;
  bool FSubClassed = false;
  bool FWantReturns = false;
  bool FWantTabs = false;
  void ComboNotified(UINT Code);
  TWndMethod FKeptWndProc;
  TWinControl* FSubClassedControl = nullptr;
};
