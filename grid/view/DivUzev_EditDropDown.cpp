// The provider of the drop-down editor kinds and the lookup of a grid's
// drop-down editors among its components.
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevDropDownEditors.h"

namespace {
TDropDownEditorProvider*& Provider() {
  static TDropDownEditorProvider* p = nullptr;
  return p;
}
}  // namespace

void SetDropDownEditorProvider(TDropDownEditorProvider* Value) { Provider() = Value; }
TDropDownEditorProvider* DropDownEditorProvider() { return Provider(); }

bool IsDropDownEditorKind(TEditorType Kind) {
  switch (Kind) {
    case edTrackbarDropDown:
    case edMemoDropDown:
    case edCalculatorDropDown:
    case edTimePickerDropDown:
    case edDetailDropDown:
    case edGridDropDown:
    case edColorPickerDropDown:
    case edImagePickerDropDown:
    case edDivUzevDropDown:
      return true;
    default:
      return false;
  }
}

TWinControl* FindDropDownEditor(const TDedAdararAdoz* Grid, TEditorType Kind) {
  TDropDownEditorProvider* p = Provider();
  if (Grid == nullptr || p == nullptr) return nullptr;
  for (int i = 0; i < Grid->ComponentCount(); ++i) {
    TComponent* c = Grid->Components(i);
    if (p->KindOf(c) == Kind) return dynamic_cast<TWinControl*>(c);
  }
  return nullptr;
}
