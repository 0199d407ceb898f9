#include "framework/classes/ClassRegistry.h"

#include <gtest/gtest.h>

namespace {
class TRegisteredThing : public TComponent {
 public:
  using TComponent::TComponent;
};
}  // namespace

TEST(ClassRegistry, CreatesRegisteredClassesByNameWithTheirOwner) {
  RegisterClass<TRegisteredThing>();
  EXPECT_NE(GetClass("TRegisteredThing"), nullptr);
  EXPECT_NE(GetClass("tregisteredthing"), nullptr);
  TComponent owner(nullptr);
  TComponent* c = CreateComponent("TRegisteredThing", &owner);
  EXPECT_EQ(c->ClassName(), "TRegisteredThing");
  EXPECT_EQ(c->Owner(), &owner);
  EXPECT_EQ(owner.ComponentCount(), 1);
  UnRegisterClass("TRegisteredThing");
  EXPECT_EQ(GetClass("TRegisteredThing"), nullptr);
  try {
    CreateComponent("TRegisteredThing", &owner);
    FAIL() << "no exception";
  } catch (const EClassNotFound& e) {
    EXPECT_EQ(e.Message(), "Class TRegisteredThing not found");
  }
}
