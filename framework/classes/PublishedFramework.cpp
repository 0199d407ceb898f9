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

void RegisterFrameworkPublished() {
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
  RegisterGraphicsPublished();
  RegisterControlsPublished();
  RegisterStdCtrlsPublished();
  RegisterExtCtrlsPublished();
  RegisterComCtrlsPublished();
  RegisterMaskPublished();
  RegisterCheckBoxPublished();
  RegisterScrollBarsPublished();
  RegisterListBoxPublished();
  RegisterButtonsPublished();
}
