// Published tables of the framework's own classes, registered the first time
// any table is looked up (a static library would drop files that only hold
// static registrations, so the framework lists its tables here).
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/classes/Collections.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Controls_Published.h"
#include "framework/graphics/Graphics_Published.h"

void RegisterStdCtrlsPublished();
void RegisterExtCtrlsPublished();
void RegisterComCtrlsPublished();
void RegisterMaskPublished();
void RegisterCheckBoxPublished();
void RegisterListBoxPublished();
void RegisterScrollBarsPublished();
void RegisterButtonsPublished();

// Queues a group of tables to be built when a lookup first needs it
// (Published.cpp).
void QueueFrameworkTables(void (*Register)());

namespace {
void RegisterClassesPublished() {
  PublishClass<TPersistent>("", [](TPublish<TPersistent>&) {});
  PublishClass<TComponent>("TPersistent", [](TPublish<TComponent>& P) {
    // The name is stored in the object header, not as a property.
    P.String("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
    P.Integer("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
  });
  // Collections and string lists are stored through the properties that
  // hold them; their items publish their own tables.
  PublishClass<TCollection>("TPersistent", [](TPublish<TCollection>&) {});
  PublishClass<TCollectionItem>("TPersistent", [](TPublish<TCollectionItem>&) {});
  PublishClass<TStrings>("TPersistent", [](TPublish<TStrings>&) {});
}
}  // namespace

void RegisterFrameworkPublished() {
  // In the order a window's layout usually needs them: the groups after
  // the standard and extra controls are seldom built at all.
  QueueFrameworkTables(RegisterClassesPublished);
  QueueFrameworkTables(RegisterGraphicsPublished);
  QueueFrameworkTables(RegisterControlsPublished);
  QueueFrameworkTables(RegisterStdCtrlsPublished);
  QueueFrameworkTables(RegisterExtCtrlsPublished);
  QueueFrameworkTables(RegisterComCtrlsPublished);
  QueueFrameworkTables(RegisterMaskPublished);
  QueueFrameworkTables(RegisterCheckBoxPublished);
  QueueFrameworkTables(RegisterScrollBarsPublished);
  QueueFrameworkTables(RegisterListBoxPublished);
  QueueFrameworkTables(RegisterButtonsPublished);
}
