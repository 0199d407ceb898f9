#include "framework/classes/Published.h"

#include <gtest/gtest.h>

#include <any>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/classes/ComponentFiler.h"
#include "tests/framework/classes/LayoutTestClasses.h"

namespace published_test {
enum TGapped { gpLow = 1, gpHigh = 5, gpTop = 9 };
}
CF_ENUM_IDENTS(published_test::TGapped, published_test::gpLow, published_test::gpHigh, published_test::gpTop)

namespace {

using namespace layout_test;
using namespace published_test;

// A widget class without a table of its own.
class TUnpublishedWidget : public TTestWidget {
 public:
  using TTestWidget::TTestWidget;
};

class TStoredProbe : public TComponent {
 public:
  using TComponent::TComponent;
  int Always = 0;
  int Never = 4;
  int Sometimes = 3;
  bool store = false;
  TGapped Gap = gpLow;
  bool IsSometimesStored() const { return store; }
};

void RegisterProbe() {
  static const bool done = [] {
    PublishClass<TStoredProbe>("TComponent", [](TPublish<TStoredProbe>& P) {
      P.Integer("Always", &TStoredProbe::Always, &TStoredProbe::Always).Default(0).NoDefault();
      P.Integer("Never", &TStoredProbe::Never, &TStoredProbe::Never).Stored(false);
      P.Integer("Sometimes", &TStoredProbe::Sometimes, &TStoredProbe::Sometimes)
          .Stored(&TStoredProbe::IsSometimesStored);
      P.Enum("Gap", &TStoredProbe::Gap, &TStoredProbe::Gap).Default(gpLow);
    });
    return true;
  }();
  (void)done;
}

// Declared the way a class's own .cpp declares its table.
class TMacroProbe : public TComponent {
 public:
  using TComponent::TComponent;
  int Level = 2;
};

CF_PUBLISH(TMacroProbe, TComponent) {
  P.Integer("Level", &TMacroProbe::Level, &TMacroProbe::Level).Default(2);
}

// Two classes whose tables one registration builds, as a unit's table
// file does; it counts how often it runs.
class TGroupProbeA : public TComponent {
 public:
  using TComponent::TComponent;
};
class TGroupProbeB : public TGroupProbeA {
 public:
  using TGroupProbeA::TGroupProbeA;
  int Depth = 1;
};
int groupBuilds = 0;
const TPublishedRegistrar kGroupProbeTables([] {
  ++groupBuilds;
  PublishClass<TGroupProbeA>("TComponent", [](TPublish<TGroupProbeA>&) {});
  PublishClass<TGroupProbeB>("TGroupProbeA", [](TPublish<TGroupProbeB>& P) {
    P.Integer("Depth", &TGroupProbeB::Depth, &TGroupProbeB::Depth).Default(1);
  });
});

class PublishedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterLayoutTestClasses();
    RegisterProbe();
  }
};

std::vector<std::string> Names(const TPublishedClass* c) {
  std::vector<std::string> n;
  for (const TPropInfo* p : c->AllProps()) n.push_back(p->Name);
  return n;
}

TEST_F(PublishedTest, InheritanceAddsToTheParentsTableInDeclarationOrder) {
  const TPublishedClass* panel = FindPublishedClass("TTestPanel");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(Names(panel),
            (std::vector<std::string>{"Name", "Tag", "Number", "Small", "Flag", "Shape", "Options", "Caption",
                                      "Color", "Ratio", "Lines", "Items", "Font", "Columns", "Buddy",
                                      "OnClick", "OnMeasure", "BevelWidth"}));
  // A redeclared property keeps its ancestor's place but takes the new rules.
  const TPropInfo* small = panel->FindProp("small");
  ASSERT_NE(small, nullptr);
  EXPECT_TRUE(small->HasDefault);
  EXPECT_FALSE(FindPublishedClass("TTestWidget")->FindProp("Small")->HasDefault);
  EXPECT_TRUE(panel->InheritsFrom("TComponent"));
  EXPECT_FALSE(panel->InheritsFrom("TTestTimer"));
  // One that moves takes the new class's place instead.
  auto moved = std::make_unique<TPublishedClass>();
  moved->Name = "TMovedTimer";
  moved->ParentName = "TTestTimer";
  TPublish<TTestTimer> mp(*moved);
  mp.Integer("Interval", &TTestTimer::Interval, &TTestTimer::Interval).MovedHere();
  mp.Bool("Late", &TTestTimer::Enabled, &TTestTimer::Enabled);
  RegisterPublishedClass(std::move(moved));
  EXPECT_EQ(Names(FindPublishedClass("TMovedTimer")),
            (std::vector<std::string>{"Name", "Tag", "Enabled", "OnTimer", "Interval", "Late"}));
  ASSERT_EQ(panel->AllDefined().size(), 2u);
  EXPECT_EQ(panel->AllDefined()[0]->Name, "VyxStyle");
}

// Each entry reaches its object only through its own kind's accessors; the
// others raise. An entry stays small: the tables of every class a layout
// names are built at start-up, a few thousand entries.
TEST_F(PublishedTest, EachPropertyReachesItsValueThroughItsOwnKindOnly) {
  const TPublishedClass* c = FindPublishedClass("TTestPanel");
  ASSERT_NE(c, nullptr);
  TTestPanel w(nullptr), buddy(nullptr);
  auto prop = [&](const char* Name) -> const TPropInfo& {
    const TPropInfo* p = c->FindProp(Name);
    if (p == nullptr) throw std::runtime_error(Name);
    return *p;
  };

  prop("Number").SetOrd(&w, 42);
  EXPECT_EQ(w.number, 42);
  EXPECT_EQ(prop("Number").GetOrd(&w), 42);
  prop("Flag").SetOrd(&w, 0);
  EXPECT_FALSE(w.Flag);
  prop("Color").SetOrd(&w, -16777201);  // a system colour, signed in layouts
  EXPECT_EQ(prop("Color").GetOrd(&w), -16777201);
  prop("Caption").SetStr(&w, "Abc");
  EXPECT_EQ(prop("Caption").GetStr(&w), "Abc");
  prop("Ratio").SetFloat(&w, 0.25);
  EXPECT_EQ(prop("Ratio").GetFloat(&w), 0.25);
  prop("Lines").SetList(&w, {"a", "b"});
  EXPECT_EQ(prop("Lines").GetList(&w), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(prop("Font").GetObject(&w), &w.Font);

  const TPropInfo& cols = prop("Columns");
  TObject* coll = cols.GetObject(&w);
  ASSERT_EQ(coll, &w.Columns);
  cols.CollBeginUpdate(coll);
  EXPECT_EQ(w.Columns.updating, 1);
  TObject* item = cols.CollAdd(coll);
  EXPECT_EQ(cols.CollCount(coll), 1);
  EXPECT_EQ(cols.CollItem(coll, 0), item);
  cols.CollClear(coll);
  cols.CollEndUpdate(coll);
  EXPECT_EQ(cols.CollCount(coll), 0);
  EXPECT_EQ(w.Columns.updating, 0);

  const TPropInfo& ref = prop("Buddy");
  TTestTimer timer(nullptr);
  EXPECT_TRUE(ref.RefAccepts(&buddy));
  EXPECT_TRUE(ref.RefAccepts(nullptr));
  EXPECT_FALSE(ref.RefAccepts(&timer));
  ref.SetRef(&w, &buddy);
  EXPECT_EQ(ref.GetRef(&w), &buddy);

  const TPropInfo& click = prop("OnClick");
  int clicks = 0;
  EXPECT_TRUE(click.SetEvent(&w, std::any(TNotifyEvent([&](TObject*) { ++clicks; }))));
  EXPECT_FALSE(click.SetEvent(&w, std::any(42))) << "a handler of another type does not fit";
  ASSERT_TRUE(w.OnClick);
  w.OnClick(&w);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(click.GetEvent(&w).has_value());
  EXPECT_TRUE(click.SetEvent(&w, std::any()));
  EXPECT_FALSE(w.OnClick);

  EXPECT_THROW(prop("Number").GetStr(&w), std::bad_function_call);
  EXPECT_THROW(prop("Caption").SetOrd(&w, 1), std::bad_function_call);
  EXPECT_THROW(prop("Ratio").GetList(&w), std::bad_function_call);
  EXPECT_THROW(prop("Font").CollCount(&w.Font), std::bad_function_call);
  EXPECT_THROW(prop("Buddy").GetEvent(&w), std::bad_function_call);
  EXPECT_THROW(prop("OnClick").GetObject(&w), std::bad_function_call);

  EXPECT_LE(sizeof(TPropInfo), 256u) << "room for every kind's accessors in each entry";
}

// A derived form publishing a field and a handler of its own.
class TDerivedTestForm : public TTestForm {
 public:
  using TTestForm::TTestForm;
  TTestPanel* OwnPanel = nullptr;
  void OwnClick(TObject*) {}
};

// A form whose table names a parent that has none.
class TOrphanTestForm : public TTestForm {
 public:
  using TTestForm::TTestForm;
  TTestPanel* Own = nullptr;
};

TEST_F(PublishedTest, FieldsAndHandlersAreFoundByNameIgnoringCaseNearestClassFirst) {
  PublishClass<TDerivedTestForm>("TTestForm", [](TPublish<TDerivedTestForm>& P) {
    P.Field("Panel1", &TDerivedTestForm::OwnPanel);
    P.Method("OwnClick", &TDerivedTestForm::OwnClick);
  });
  const TPublishedClass* c = FindPublishedClass("TDerivedTestForm");
  ASSERT_NE(c, nullptr);
  TDerivedTestForm form(nullptr);
  auto* panel = new TTestPanel(&form);
  const TFieldInfo* f = c->FindField("PANEL1");
  ASSERT_NE(f, nullptr);
  ASSERT_TRUE(f->Bind(&form, panel));
  EXPECT_EQ(form.OwnPanel, panel);  // the derived class's field, not the inherited one
  EXPECT_EQ(form.Panel1, nullptr);
  EXPECT_NE(c->FindField("edit1"), nullptr);
  EXPECT_NE(c->FindMethod("ownCLICK"), nullptr);
  EXPECT_NE(c->FindMethod("tick"), nullptr);
  EXPECT_EQ(c->FindField("Nothing"), nullptr);
  EXPECT_NE(c->FindProp("CAPTION"), nullptr);
  // A table registered again is looked up afresh.
  PublishClass<TDerivedTestForm>(
      "TTestForm", [](TPublish<TDerivedTestForm>& P) { P.Field("Late", &TDerivedTestForm::OwnPanel); });
  c = FindPublishedClass("TDerivedTestForm");
  EXPECT_NE(c->FindField("late"), nullptr);
  EXPECT_EQ(c->FindMethod("OwnClick"), nullptr);
  // Its own names are found; any other reports the missing parent table.
  PublishClass<TOrphanTestForm>("TNoSuchTable",
                                [](TPublish<TOrphanTestForm>& P) { P.Field("Own", &TOrphanTestForm::Own); });
  const TPublishedClass* orphan = FindPublishedClass("TOrphanTestForm");
  ASSERT_NE(orphan, nullptr);
  EXPECT_NE(orphan->FindField("own"), nullptr);
  EXPECT_THROW(orphan->FindField("Edit1"), EComponentError);
  EXPECT_THROW(orphan->FindMethod("Tick"), EComponentError);
}

TEST_F(PublishedTest, AClassWithoutATableUsesItsNearestPublishedAncestor) {
  TTestForm form(nullptr);
  auto* w = new TUnpublishedWidget(&form);
  EXPECT_EQ(PublishedClassOf(w), FindPublishedClass("TTestWidget"));
  TTestTimer t(nullptr);
  EXPECT_EQ(PublishedClassOf(&t)->Name, "TTestTimer");
  // Its layout names its own class, which a reader cannot create.
  w->SetName("W");
  w->SetParent(&form);
  std::string text = WriteComponentText(&form);
  EXPECT_NE(text.find("object W: TUnpublishedWidget"), std::string::npos);
  TTestForm other(nullptr);
  EXPECT_THROW(ReadComponentText(&other, text, "t"), ELayoutError);
}

TEST_F(PublishedTest, ATableDeclaredBesideItsClassIsFoundWhenFirstNeeded) {
  const TPublishedClass* c = FindPublishedClass("TMacroProbe");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->ParentName, "TComponent");
  TMacroProbe p(nullptr);
  ReadComponentText(&p, "object P: TMacroProbe\n  Level = 5\nend\n", "t");
  EXPECT_EQ(p.Level, 5);
  // Its constructor makes it creatable from layouts.
  TComponent owner(nullptr);
  EXPECT_NE(dynamic_cast<TMacroProbe*>(c->Create(&owner)), nullptr);
}

TEST_F(PublishedTest, TablesRegisteredTogetherAreFoundByClassAndByObjectAndBuiltOnce) {
  TGroupProbeB b(nullptr);
  const TPublishedClass* byObject = PublishedClassOf(&b);
  ASSERT_NE(byObject, nullptr);
  EXPECT_EQ(byObject->Name, "TGroupProbeB");
  EXPECT_EQ(FindPublishedClass("tgroupprobeb"), byObject);
  ASSERT_NE(byObject->Parent(), nullptr);
  EXPECT_EQ(byObject->Parent(), FindPublishedClass("TGroupProbeA"));
  EXPECT_TRUE(byObject->InheritsFrom("TComponent"));
  ReadComponentText(&b, "object B: TGroupProbeB\n  Depth = 4\nend\n", "t");
  EXPECT_EQ(b.Depth, 4);
  EXPECT_EQ(groupBuilds, 1);
  // Neither a missing class nor the framework's own tables build it again.
  EXPECT_EQ(FindPublishedClass("TNoSuchClassAnywhere"), nullptr);
  EXPECT_NE(FindPublishedClass("TComponent"), nullptr);
  EXPECT_EQ(groupBuilds, 1);
}

TEST_F(PublishedTest, EnumerationIdentifiersKeepTheirValues) {
  const TEnumIdents& ids = TEnumTraits<TGapped>::Idents();
  EXPECT_EQ(ids.TypeName, "TGapped");
  EXPECT_EQ(ids.Names, (std::vector<std::string>{"gpLow", "gpHigh", "gpTop"}));
  int64_t v = 0;
  EXPECT_TRUE(ids.Find("GPHIGH", v));
  EXPECT_EQ(v, 5);
  EXPECT_FALSE(ids.Find("gpMiddle", v));
  ASSERT_NE(ids.NameOf(9), nullptr);
  EXPECT_EQ(*ids.NameOf(9), "gpTop");
  EXPECT_EQ(ids.NameOf(2), nullptr);
}

TEST_F(PublishedTest, StoredRulesDecideWhatIsWritten) {
  TStoredProbe p(nullptr);
  EXPECT_EQ(WriteComponentText(&p), "object TStoredProbe\n  Always = 0\nend\n");
  p.store = true;
  p.Gap = gpTop;
  EXPECT_EQ(WriteComponentText(&p),
            "object TStoredProbe\n  Always = 0\n  Sometimes = 3\n  Gap = gpTop\nend\n");
  // A value without an identifier cannot be written as one.
  p.Gap = static_cast<TGapped>(2);
  EXPECT_THROW(WriteComponentText(&p), EWriteError);
  // Not stored still means readable.
  TStoredProbe q(nullptr);
  ReadComponentText(&q, "object TStoredProbe\n  Never = 8\n  Gap = gpHigh\nend\n", "t");
  EXPECT_EQ(q.Never, 8);
  EXPECT_EQ(q.Gap, gpHigh);
}

TEST_F(PublishedTest, BindComponentFindsTheNamedComponentOfTheRightClass) {
  TTestForm form(nullptr);
  ReadComponentText(&form, kTestFormLayout, "forms/FTest.dfm");
  TTestWidget* edit2 = nullptr;
  BindComponent(&form, edit2, "Edit2");
  EXPECT_EQ(edit2, form.FindComponent("Edit2"));
  TTestPanel* wrong = nullptr;
  EXPECT_THROW(BindComponent(&form, wrong, "Edit2"), EComponentError);
  EXPECT_THROW(BindComponent(&form, wrong, "Nothing"), EComponentError);
  EXPECT_EQ(wrong, nullptr);
}

}  // namespace
