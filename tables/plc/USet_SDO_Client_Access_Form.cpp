// The SDO client editor's window.
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/PageControl.h"
#include "tables/plc/USet_SDO_Client_Access.h"

TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;

namespace {
const TCANopen_Form_Texts Texts = {2000, {2016, 2027}, {11, 12}, {2039, 2049}, {10, 11}, 798};
}  // namespace

CF_PUBLISH(TFSet_SDO_Client_Access, TCANopen_Table_Form) {
  using F = TFSet_SDO_Client_Access;
  P.Field("TS_SDO_Read", &F::TS_SDO_Read);
  P.Field("TS_SDO_Write", &F::TS_SDO_Write);
}

TFSet_SDO_Client_Access::TFSet_SDO_Client_Access(TComponent* AOwner)
    : TCANopen_Table_Form(AOwner, Tables, Texts),
      Hint_SDO_Client_Read(new TStringList),
      Hint_SDO_Client_Write(new TStringList) {
  LoadFormLayout(this, "forms/FSet_SDO_Client_Access.dfm");
}

TFSet_SDO_Client_Access::~TFSet_SDO_Client_Access() {
  if (FSet_SDO_Client_Access == this) FSet_SDO_Client_Access = nullptr;
}
