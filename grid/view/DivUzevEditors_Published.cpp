// Published tables of the grid's own editors.
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"
#include "grid/view/DivUzevEditors.h"

namespace {

const TPublishedRegistrar kGridEditorTables([] {
  PublishClass<TGridCombo>("TDudComboBox",
                           [](TPublish<TGridCombo>& P) { P.Event("OnReturnKey", &TGridCombo::OnReturnKey); });
});

}  // namespace

// The combo's constructor calls this, so the linker keeps the table.
void LinkGridEditorsPublished() {}
