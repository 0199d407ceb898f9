#include "app/UAbout.h"

#include "app/UComon.h"
#include "app/USoftOptions.h"
#include "controls/button/LbButton.h"
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/Image.h"
#include "framework/controls/StdCtrls.h"
#include "framework/os/Shell.h"
#include "framework/rtl/SysUtils.h"

TFAbout* FAbout = nullptr;

CF_PUBLISH(TFAbout, TForm) {
  using F = TFAbout;
  P.Field("Image2", &F::Image2);
  P.Field("Label1", &F::Label1);
  P.Field("Label2", &F::Label2);
  P.Field("Label3", &F::Label3);
  P.Field("Label4", &F::Label4);
  P.Field("Label6", &F::Label6);
  P.Field("Label8", &F::Label8);
  P.Field("Label9", &F::Label9);
  P.Field("Label10", &F::Label10);
  P.Field("Label12", &F::Label12);
  P.Field("LbButton1", &F::LbButton1);
  P.Method("FormShow", &F::FormShow);
  P.Method("Label4Click", &F::Label4Click);
}

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner) {
  LoadFormLayout(this, "forms/FAbout.dfm");
  try {
    Image2->Picture()->Bitmap()->LoadFromResourceName("ABOUT_LOGO");
  } catch (const Exception&) {
    // Without its picture the box still says everything it has to say.
  }
}

TFAbout::~TFAbout() {
  if (FAbout == this) FAbout = nullptr;
}

void TFAbout::FormShow(TObject*) {
  Label2->SetCaption(SW_Desc_Text);
  Label9->SetCaption(SW_Code_Text);
  Label10->SetCaption(SW_Version_Text);
  Label12->SetCaption("UM30406");
  SetClientWidth(425);
  SetClientHeight(148);
}

void TFAbout::Label4Click(TObject*) { OpenUrl(Maker_Home_Url()); }
