// Published table of the grid's date/time picker.
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"
#include "grid/base/DudDateTimePicker.h"

namespace {

const TPublishedRegistrar kDudDateTimePickerTables([] {
  PublishClass<TDudDateTimePicker>("TDateTimePicker", [](TPublish<TDudDateTimePicker>& P) {
    using C = TDudDateTimePicker;
    // Read only: the number says which version wrote the layout.
    P.String("Version", &C::Version, &C::SetVersion).Stored(false);
  });
});

}  // namespace

void LinkDudDateTimePickerPublished() {}
