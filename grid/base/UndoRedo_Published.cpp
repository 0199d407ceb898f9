// Published tables of the undo history and the cell checker, so stored
// layouts can place them on a form and point a grid at them.
#include "framework/classes/Published.h"
#include "grid/base/UndoRedo.h"

namespace {

const TPublishedRegistrar kUndoRedoTables([] {
  PublishClass<TDivUzevUndoRedo>("TComponent", [](TPublish<TDivUzevUndoRedo>& P) {
    using C = TDivUzevUndoRedo;
    P.Integer("MaxLevel", &C::MaxLevel, &C::SetMaxLevel).Default(0);
    P.Event("OnUndo", &C::OnUndo);
    P.Event("OnRedo", &C::OnRedo);
  });
  PublishClass<TDedAdararAdozCheck>("TComponent", [](TPublish<TDedAdararAdozCheck>& P) {
    using C = TDedAdararAdozCheck;
    P.Bool("GotoCell", &C::GotoCell, &C::SetGotoCell).Default(false);
    P.Bool("AutoCorrect", &C::AutoCorrect, &C::SetAutoCorrect).Default(false);
    P.Bool("AutoMarkError", &C::AutoMarkError, &C::SetAutoMarkError).Default(false);
    P.Bool("UseCorrect", &C::UseCorrect, &C::SetUseCorrect).Default(false);
    P.Bool("UseMarkError", &C::UseMarkError, &C::SetUseMarkError).Default(false);
  });
});

}  // namespace

// The undo component's constructor calls this, so the linker keeps this
// file and its tables with it.
void LinkUndoRedoPublished() {}
