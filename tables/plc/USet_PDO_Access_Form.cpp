// The PDO editor's window.
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/PageControl.h"
#include "tables/plc/USet_PDO_Access.h"

TFSet_PDO_Access* FSet_PDO_Access = nullptr;

namespace {
const TCANopen_Form_Texts Texts = {1900, {1916, 1929}, {13, 14}, {1943, 1955}, {12, 13}, 798};
}  // namespace

CF_PUBLISH(TFSet_PDO_Access, TCANopen_Table_Form) {
  using F = TFSet_PDO_Access;
  P.Field("TS_Receive_PDO", &F::TS_Receive_PDO);
  P.Field("TS_Transmit_PDO", &F::TS_Transmit_PDO);
}

TFSet_PDO_Access::TFSet_PDO_Access(TComponent* AOwner)
    : TCANopen_Table_Form(AOwner, Tables, Texts),
      Hint_PDO_Receive(new TStringList),
      Hint_PDO_Transmit(new TStringList) {
  LoadFormLayout(this, "forms/FSet_PDO_Access.dfm");
}

TFSet_PDO_Access::~TFSet_PDO_Access() {
  if (FSet_PDO_Access == this) FSet_PDO_Access = nullptr;
}
