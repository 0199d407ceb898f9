#pragma once
// The about box: the converter, the software code, the version and the
// manual's code, the same in every language (it takes no text from the
// table), and a link to the maker's home page.
#include "framework/controls/Forms.h"

class TImage;
class TLabel;
class TLbButton;

class TFAbout : public TForm {
 public:
  explicit TFAbout(TComponent* AOwner);
  ~TFAbout() override;

  TImage* Image2 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* Label8 = nullptr;
  TLabel* Label9 = nullptr;
  TLabel* Label10 = nullptr;
  TLabel* Label12 = nullptr;
  TLbButton* LbButton1 = nullptr;

  void FormShow(TObject* Sender);
  void Label4Click(TObject* Sender);
};

extern TFAbout* FAbout;
