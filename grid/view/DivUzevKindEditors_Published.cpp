// Published tables of the grid's control editors.
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"
#include "grid/view/DivUzevKindEditors.h"

namespace {

const TPublishedRegistrar kGridKindEditorTables([] {
  PublishClass<TGridEditBtn>("TDudEditBtn", [](TPublish<TGridEditBtn>& P) {
    P.Bool("StopEditAfterClick", &TGridEditBtn::StopEditAfterClick, &TGridEditBtn::SetStopEditAfterClick)
        .Default(false);
  });
  PublishClass<TGridDatePicker>("TDudDateTimePicker", [](TPublish<TGridDatePicker>& P) {
    P.Bool("Weeknumbers", &TGridDatePicker::Weeknumbers, &TGridDatePicker::SetWeeknumbers).Default(false);
    P.Bool("ShowToday", &TGridDatePicker::ShowToday, &TGridDatePicker::SetShowToday).Default(true);
    P.Bool("ShowTodayCircle", &TGridDatePicker::ShowTodayCircle, &TGridDatePicker::SetShowTodayCircle)
        .Default(true);
  });
});

}  // namespace

// Each editor's constructor calls this, so the linker keeps the tables.
void LinkGridKindEditorsPublished() {}
