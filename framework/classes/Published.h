#pragma once
// Published property tables: what the stored layouts and the component stream
// may read and write of a class. Each class declares its own table beside it,
// naming its parent's; a lookup walks up that chain, so a class adds to its
// parent's properties in declaration order (a redeclared name keeps its
// ancestor's place with the new accessors).
//
// Declaring a table, in the class's own .cpp (registered when first needed):
//
//   CF_ENUM_IDENTS(TAlignment, taLeftJustify, taRightJustify, taCenter)
//
//   CF_PUBLISH(TMyPanel, TCustomControl) {
//     P.Integer("BevelWidth", &TMyPanel::BevelWidth, &TMyPanel::SetBevelWidth).Default(1);
//     P.Enum("Alignment", &TMyPanel::Alignment, &TMyPanel::SetAlignment).Default(taCenter);
//     P.Color("Color", &TMyPanel::Color, &TMyPanel::SetColor).Default(clBtnFace);
//     P.Object("Font", &TMyPanel::Font);                  // owned, filled in place
//     P.Strings("Items", &TMyPanel::Items);               // "Items.Strings = ( ... )"
//     P.Component("PopupMenu", &TMyPanel::PopupMenu, &TMyPanel::SetPopupMenu);
//     P.Event("OnClick", &TMyPanel::OnClick);             // std::function member
//     P.DefineInteger("VyxStyle", &TMyPanel::VyxStyleValue, &TMyPanel::SetVyxStyleValue);
//   }
//
// A form publishes its controls and handlers the same way, so that loading its
// layout binds them:   P.Field("Btn_OK", &TFMain::Btn_OK);
//                      P.Method("Btn_OKClick", &TFMain::Btn_OKClick);
//
// Events are written after the other properties; when read, handlers are
// bound once the rest of their component is read, so that no handler runs
// while its form is still being built.
//
// Writer rules: ordinal values (integers, Booleans, enumerations, sets,
// colours) are written unless equal to a declared Default; strings unless
// empty (or equal to their declared Default); floats unless zero; string lists
// and collections unless empty; references and handlers when assigned.
// A declared default never changes what loading does: an absent property keeps
// the value the constructor gave it.
#include <any>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

#include "framework/classes/Classes.h"
#include "framework/classes/LayoutTree.h"
#include "framework/rtl/Set.h"

enum TPropKind {
  pkInteger,
  pkBoolean,
  pkEnumeration,
  pkSet,
  pkString,
  pkColor,
  pkFloat,
  pkStringList,
  pkObject,      // owned sub-object, filled in place through dotted names
  pkCollection,  // owned collection of items
  pkComponent,   // reference to another component, resolved by name
  pkEvent,       // handler bound by name to a method of the root
};

// Identifiers of an enumeration, with the value each stands for.
struct TEnumIdents {
  std::string TypeName;
  std::vector<std::string> Names;
  std::vector<int64_t> Values;
  // Value of Name (case-insensitive); false when it is not an identifier here.
  bool Find(const std::string& Name, int64_t& Value) const;
  // Identifier of Value, nullptr when none.
  const std::string* NameOf(int64_t Value) const;
};

// Builds identifiers from the text of a comma-separated enumerator list
// ("taLeftJustify, taRightJustify"), dropping any "Scope::" qualification.
TEnumIdents MakeEnumIdents(const char* TypeName, const char* CommaList, std::vector<int64_t> Values);

// Identifiers of an enumeration type; give them with CF_ENUM_IDENTS.
template <class E>
struct TEnumTraits;

// Lists the enumerators of Enum in declared order (at global scope, once per
// enumeration, in a header when several files publish it).
#define CF_ENUM_IDENTS(Enum, ...)                                 \
  template <>                                                     \
  struct TEnumTraits<Enum> {                                      \
    static const TEnumIdents& Idents() {                          \
      static const TEnumIdents ids = [] {                         \
        const Enum v[] = {__VA_ARGS__};                           \
        std::vector<int64_t> o;                                   \
        for (Enum e : v) o.push_back(static_cast<int64_t>(e));    \
        return MakeEnumIdents(#Enum, #__VA_ARGS__, std::move(o)); \
      }();                                                        \
      return ids;                                                 \
    }                                                             \
  };

// Names for some values of an integer type (the named colours of TColor):
// written as identifiers when a value has one, read from either form.
struct TIntegerIdents {
  std::function<bool(int64_t Value, std::string& Ident)> ToIdent;
  std::function<bool(const std::string& Ident, int64_t& Value)> FromIdent;
};
void RegisterIntegerIdents(const std::string& TypeName, TIntegerIdents Idents);
const TIntegerIdents* FindIntegerIdents(const std::string& TypeName);

// How a property's value is reached on an object. Each property holds one,
// with only what its kind uses: a table holds hundreds of properties and every
// class a layout names has its table built, so an entry with room for every
// kind's accessors would cost most of the tables' memory. Asking an accessor
// of another kind raises std::bad_function_call.
class TPropAccess {
 public:
  virtual ~TPropAccess() = default;
  // Integers, Booleans (0/1), enumerations (value), sets (bit n = element
  // with value n), colours (signed 32-bit).
  virtual int64_t GetOrd(TObject*) const { throw std::bad_function_call(); }
  virtual void SetOrd(TObject*, int64_t) const { throw std::bad_function_call(); }
  virtual double GetFloat(TObject*) const { throw std::bad_function_call(); }
  virtual void SetFloat(TObject*, double) const { throw std::bad_function_call(); }
  virtual std::string GetStr(TObject*) const { throw std::bad_function_call(); }
  virtual void SetStr(TObject*, const std::string&) const { throw std::bad_function_call(); }
  virtual std::vector<std::string> GetList(TObject*) const { throw std::bad_function_call(); }
  virtual void SetList(TObject*, const std::vector<std::string>&) const { throw std::bad_function_call(); }
  // Sub-object or collection object.
  virtual TObject* GetObject(TObject*) const { throw std::bad_function_call(); }
  // What the filers need of a collection object.
  virtual int CollCount(TObject*) const { throw std::bad_function_call(); }
  virtual TObject* CollItem(TObject*, int) const { throw std::bad_function_call(); }
  virtual TObject* CollAdd(TObject*) const { throw std::bad_function_call(); }
  virtual void CollClear(TObject*) const { throw std::bad_function_call(); }
  virtual void CollBeginUpdate(TObject*) const {}
  virtual void CollEndUpdate(TObject*) const {}
  virtual TComponent* GetRef(TObject*) const { throw std::bad_function_call(); }
  virtual void SetRef(TObject*, TComponent*) const { throw std::bad_function_call(); }
  virtual bool RefAccepts(TComponent*) const { throw std::bad_function_call(); }
  // An empty std::any stands for no handler; SetEvent answers false when the
  // handler's type does not fit the event.
  virtual std::any GetEvent(TObject*) const { throw std::bad_function_call(); }
  virtual bool SetEvent(TObject*, const std::any&) const { throw std::bad_function_call(); }
};

struct TPropInfo {
  std::string Name;
  TPropKind Kind = pkInteger;
  const TEnumIdents* Enum = nullptr;  // enumeration values, set elements
  std::string IdentType;              // identifiers for integers ("TColor")
  int64_t Min = std::numeric_limits<int64_t>::min();
  int64_t Max = std::numeric_limits<int64_t>::max();
  std::unique_ptr<const TPropAccess> Access;

  int64_t GetOrd(TObject* O) const { return Accessor().GetOrd(O); }
  void SetOrd(TObject* O, int64_t V) const { Accessor().SetOrd(O, V); }
  double GetFloat(TObject* O) const { return Accessor().GetFloat(O); }
  void SetFloat(TObject* O, double V) const { Accessor().SetFloat(O, V); }
  std::string GetStr(TObject* O) const { return Accessor().GetStr(O); }
  void SetStr(TObject* O, const std::string& V) const { Accessor().SetStr(O, V); }
  std::vector<std::string> GetList(TObject* O) const { return Accessor().GetList(O); }
  void SetList(TObject* O, const std::vector<std::string>& V) const { Accessor().SetList(O, V); }
  TObject* GetObject(TObject* O) const { return Accessor().GetObject(O); }
  int CollCount(TObject* C) const { return Accessor().CollCount(C); }
  TObject* CollItem(TObject* C, int Index) const { return Accessor().CollItem(C, Index); }
  TObject* CollAdd(TObject* C) const { return Accessor().CollAdd(C); }
  void CollClear(TObject* C) const { Accessor().CollClear(C); }
  void CollBeginUpdate(TObject* C) const { Accessor().CollBeginUpdate(C); }
  void CollEndUpdate(TObject* C) const { Accessor().CollEndUpdate(C); }
  TComponent* GetRef(TObject* O) const { return Accessor().GetRef(O); }
  void SetRef(TObject* O, TComponent* C) const { Accessor().SetRef(O, C); }
  bool RefAccepts(TComponent* C) const { return Accessor().RefAccepts(C); }
  std::any GetEvent(TObject* O) const { return Accessor().GetEvent(O); }
  bool SetEvent(TObject* O, const std::any& H) const { return Accessor().SetEvent(O, H); }

  bool HasDefault = false;
  int64_t DefaultOrd = 0;
  double DefaultFloat = 0;
  std::string DefaultStr;
  std::function<bool(TObject*)> Stored;  // empty: always stored
  bool MovedHere = false;                // redeclared: takes the new class's place
  bool AppliedLast = false;              // read once the rest of the component is

  bool IsOrdinal() const {
    return Kind == pkInteger || Kind == pkBoolean || Kind == pkEnumeration || Kind == pkSet ||
           Kind == pkColor;
  }

 private:
  const TPropAccess& Accessor() const {
    static const TPropAccess none;
    return Access ? *Access : none;
  }
};

// An extra stored value a class reads and writes itself ("VyxStyle", "Data").
struct TDefinedProp {
  std::string Name;
  std::function<bool(TObject*)> HasData;  // empty: always written
  std::function<TLayoutValue(TObject*)> Write;
  // Raises an Exception with a short reason when the value does not fit.
  std::function<void(TObject*, const TLayoutValue&)> Read;
};

// A handler of a form that layouts name in their events.
struct TMethodInfo {
  std::string Name;
  // The handler bound to Instance, as the std::function its events hold.
  std::function<std::any(TObject* Instance)> Bind;
  // True when Handler (as an event returns it) is this method of Instance.
  std::function<bool(const std::any& Handler, TObject* Instance)> Matches;
};

// A member pointer of a form set to the component of the same name.
struct TFieldInfo {
  std::string Name;
  // False when Component is not of the field's class.
  std::function<bool(TObject* Instance, TComponent* Component)> Bind;
};

class TPublishedClass {
 public:
  std::string Name;
  std::string ParentName;
  // A deque: growing it never moves the entries or the pointers to them.
  std::deque<TPropInfo> Props;  // own, in declaration order
  std::vector<TDefinedProp> Defined;
  std::vector<TMethodInfo> Methods;
  std::vector<TFieldInfo> Fields;
  // Creates an instance owned by Owner; empty for classes a layout cannot create.
  std::function<TComponent*(TComponent* Owner)> Create;
  std::function<bool(const TObject*)> IsInstance;
  // Nesting of components in a layout (empty: ask the parent class).
  std::function<bool(TComponent* Self)> HasParent;
  std::function<void(TComponent* Child, TComponent* Parent)> SetParentComponent;
  // Components written nested inside Self (besides the root's own
  // components without a parent, which the writer adds itself).
  std::function<void(TComponent* Self, TComponent* Root, std::vector<TComponent*>& Out)> GetChildren;
  // Runs once a component's properties and children are read, before the
  // references are fixed up (a control takes its parent's font and colour
  // here, which it skipped while being read).
  std::function<void(TComponent* Self)> AfterReading;

  const TPublishedClass* Parent() const;
  bool InheritsFrom(const std::string& ClassName) const;
  // Every property, ancestors' first.
  const std::vector<const TPropInfo*>& AllProps() const;
  const TPropInfo* FindProp(const std::string& PropName) const;
  const std::vector<const TDefinedProp*>& AllDefined() const;
  const TDefinedProp* FindDefined(const std::string& PropName) const;
  const TMethodInfo* FindMethod(const std::string& MethodName) const;
  const TMethodInfo* FindMethodFor(const std::any& Handler, TObject* Instance) const;
  const TFieldInfo* FindField(const std::string& FieldName) const;
  // Hooks resolved through the chain (nearest class first).
  bool ComponentHasParent(TComponent* Self) const;
  void SetParentOf(TComponent* Child, TComponent* Parent) const;
  void ChildrenOf(TComponent* Self, TComponent* Root, std::vector<TComponent*>& Out) const;
  void AfterReadingOf(TComponent* Self) const;
  void ClearCache() const;

 private:
  struct TNameIndex;
  TNameIndex& Index() const;

  // Built on first use; cleared when any table is registered again.
  mutable std::vector<const TPropInfo*> all_;
  mutable std::vector<const TDefinedProp*> defined_;
  mutable const TPublishedClass* parent_ = nullptr;
  mutable bool cached_ = false;
  mutable bool definedCached_ = false;
  mutable bool parentCached_ = false;
  // Properties, fields, handlers and stored values of the whole chain by
  // name (a layout names hundreds of them; a scan per name was quadratic).
  mutable std::shared_ptr<TNameIndex> index_;
};

// Registers (or replaces) a class table.
void RegisterPublishedClass(std::unique_ptr<TPublishedClass> Class);
const TPublishedClass* FindPublishedClass(const std::string& Name);
// The table of Obj's class, or of its nearest published ancestor.
const TPublishedClass* PublishedClassOf(const TObject* Obj);
// The C++ name of a type as ClassName reports it.
std::string DemangledClassName(const std::type_info& Type);

// Runs Register when the tables are first looked up (file-level registration
// without depending on static initialisation order).
class TPublishedRegistrar {
 public:
  explicit TPublishedRegistrar(void (*Register)());
  // Register builds the table of ClassName alone: it runs when that class is
  // first looked up.
  TPublishedRegistrar(const char* ClassName, void (*Register)());
};

namespace published_detail {
template <class T, class G>
using GetResult = std::remove_cvref_t<std::invoke_result_t<const G&, T*>>;

template <class T>
T* Self(TObject* o) {
  return static_cast<T*>(o);
}

template <class T, class S, class V>
void Put(const S& set, T* self, V&& v) {
  if constexpr (std::is_member_object_pointer_v<S>)
    self->*set = std::forward<V>(v);
  else
    std::invoke(set, self, std::forward<V>(v));
}

template <class S>
struct SetTraits {
  static constexpr bool IsSet = false;
};
template <class E, std::size_t N>
struct SetTraits<TSet<E, N>> {
  static constexpr bool IsSet = true;
  using Elem = E;
};

template <class F>
struct FunctionTraits;
template <class R, class... A>
struct FunctionTraits<std::function<R(A...)>> {
  using Sig = R(A...);
};

template <class L>
std::string ListItem(L* l, int i) {
  if constexpr (requires { l->Strings(i); })
    return std::string(l->Strings(i));
  else if constexpr (requires { l->Get(i); })
    return std::string(l->Get(i));
  else
    return std::string((*l)[i]);
}

template <class C>
TObject* CollectionItem(C* c, int i) {
  if constexpr (requires { c->Items(i); })
    return c->Items(i);
  else
    return c->GetItem(i);
}

template <class X>
void BeginUpdateOf(X* x) {
  if constexpr (requires { x->BeginUpdate(); }) x->BeginUpdate();
}
template <class X>
void EndUpdateOf(X* x) {
  if constexpr (requires { x->EndUpdate(); }) x->EndUpdate();
}

// A form's method bound to the form, comparable so the writer can tell which
// method an event holds.
template <class C, class R, class... A>
struct BoundMethod {
  C* Instance;
  R (C::*Method)(A...);
  R operator()(A... a) const { return (Instance->*Method)(std::forward<A>(a)...); }
};

// Colours are signed 32-bit in layouts whatever the C++ type holds.
inline int64_t ColorOrd(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }

// Accessors of one kind, from the getter and setter a table declares.
template <class G, class S>
class OrdAccess final : public TPropAccess {
 public:
  OrdAccess(G Get, S Set) : get_(std::move(Get)), set_(std::move(Set)) {}
  int64_t GetOrd(TObject* o) const override { return get_(o); }
  void SetOrd(TObject* o, int64_t v) const override { set_(o, v); }

 private:
  G get_;
  S set_;
};

template <class G, class S>
class FloatAccess final : public TPropAccess {
 public:
  FloatAccess(G Get, S Set) : get_(std::move(Get)), set_(std::move(Set)) {}
  double GetFloat(TObject* o) const override { return get_(o); }
  void SetFloat(TObject* o, double v) const override { set_(o, v); }

 private:
  G get_;
  S set_;
};

template <class G, class S>
class StrAccess final : public TPropAccess {
 public:
  StrAccess(G Get, S Set) : get_(std::move(Get)), set_(std::move(Set)) {}
  std::string GetStr(TObject* o) const override { return get_(o); }
  void SetStr(TObject* o, const std::string& v) const override { set_(o, v); }

 private:
  G get_;
  S set_;
};

template <class G, class S>
class ListAccess final : public TPropAccess {
 public:
  ListAccess(G Get, S Set) : get_(std::move(Get)), set_(std::move(Set)) {}
  std::vector<std::string> GetList(TObject* o) const override { return get_(o); }
  void SetList(TObject* o, const std::vector<std::string>& v) const override { set_(o, v); }

 private:
  G get_;
  S set_;
};

template <class G>
class ObjectAccess : public TPropAccess {
 public:
  explicit ObjectAccess(G Get) : get_(std::move(Get)) {}
  TObject* GetObject(TObject* o) const override { return get_(o); }

 private:
  G get_;
};

template <class G, class C>
class CollectionAccess final : public ObjectAccess<G> {
 public:
  using ObjectAccess<G>::ObjectAccess;
  int CollCount(TObject* c) const override { return static_cast<int>(static_cast<C*>(c)->Count()); }
  TObject* CollItem(TObject* c, int i) const override { return CollectionItem(static_cast<C*>(c), i); }
  TObject* CollAdd(TObject* c) const override { return static_cast<C*>(c)->Add(); }
  void CollClear(TObject* c) const override { static_cast<C*>(c)->Clear(); }
  void CollBeginUpdate(TObject* c) const override { BeginUpdateOf(static_cast<C*>(c)); }
  void CollEndUpdate(TObject* c) const override { EndUpdateOf(static_cast<C*>(c)); }
};

template <class G, class S, class X>
class RefAccess final : public TPropAccess {
 public:
  RefAccess(G Get, S Set) : get_(std::move(Get)), set_(std::move(Set)) {}
  TComponent* GetRef(TObject* o) const override { return get_(o); }
  void SetRef(TObject* o, TComponent* c) const override { set_(o, c); }
  bool RefAccepts(TComponent* c) const override { return c == nullptr || dynamic_cast<X*>(c) != nullptr; }

 private:
  G get_;
  S set_;
};

template <class G, class S>
class EventAccess final : public TPropAccess {
 public:
  EventAccess(G Get, S Set) : get_(std::move(Get)), set_(std::move(Set)) {}
  std::any GetEvent(TObject* o) const override { return get_(o); }
  bool SetEvent(TObject* o, const std::any& h) const override { return set_(o, h); }

 private:
  G get_;
  S set_;
};

template <template <class, class> class A, class G, class S>
std::unique_ptr<const TPropAccess> MakeAccess(G Get, S Set) {
  return std::make_unique<A<G, S>>(std::move(Get), std::move(Set));
}
}  // namespace published_detail

template <class T>
class TPublish {
 public:
  explicit TPublish(TPublishedClass& Class) : c_(Class) {}
  TPublishedClass& Class() { return c_; }

  template <class G, class S>
  TPublish& Integer(const std::string& Name, G Get, S Set) {
    using namespace published_detail;
    using V = GetResult<T, G>;
    static_assert(std::is_integral_v<V> && !std::is_same_v<V, bool>, "Integer needs an integer property");
    TPropInfo& p = Add(Name, pkInteger);
    p.Min = static_cast<int64_t>(std::numeric_limits<V>::min());
    p.Max = std::numeric_limits<V>::max() > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())
                ? std::numeric_limits<int64_t>::max()
                : static_cast<int64_t>(std::numeric_limits<V>::max());
    p.Access = MakeAccess<OrdAccess>(
        [Get](TObject* o) { return static_cast<int64_t>(std::invoke(Get, Self<T>(o))); },
        [Set](TObject* o, int64_t v) { Put(Set, Self<T>(o), static_cast<V>(v)); });
    return *this;
  }

  template <class G, class S>
  TPublish& Bool(const std::string& Name, G Get, S Set) {
    using namespace published_detail;
    static_assert(std::is_same_v<GetResult<T, G>, bool>, "Bool needs a bool property");
    TPropInfo& p = Add(Name, pkBoolean);
    p.Access = MakeAccess<OrdAccess>(
        [Get](TObject* o) { return static_cast<int64_t>(std::invoke(Get, Self<T>(o)) ? 1 : 0); },
        [Set](TObject* o, int64_t v) { Put(Set, Self<T>(o), v != 0); });
    return *this;
  }

  template <class G, class S>
  TPublish& Enum(const std::string& Name, G Get, S Set) {
    using V = published_detail::GetResult<T, G>;
    return Enum(Name, Get, Set, TEnumTraits<V>::Idents());
  }

  template <class G, class S>
  TPublish& Enum(const std::string& Name, G Get, S Set, const TEnumIdents& Idents) {
    using namespace published_detail;
    using V = GetResult<T, G>;
    static_assert(std::is_enum_v<V>, "Enum needs an enumeration property");
    TPropInfo& p = Add(Name, pkEnumeration);
    p.Enum = &Idents;
    p.Access = MakeAccess<OrdAccess>(
        [Get](TObject* o) { return static_cast<int64_t>(std::invoke(Get, Self<T>(o))); },
        [Set](TObject* o, int64_t v) { Put(Set, Self<T>(o), static_cast<V>(v)); });
    return *this;
  }

  template <class G, class S>
  TPublish& Set(const std::string& Name, G Get, S Put_) {
    using namespace published_detail;
    using V = GetResult<T, G>;
    static_assert(SetTraits<V>::IsSet, "Set needs a TSet property");
    TPropInfo& p = Add(Name, pkSet);
    p.Enum = &TEnumTraits<typename SetTraits<V>::Elem>::Idents();
    p.Access = MakeAccess<OrdAccess>(
        [Get](TObject* o) { return static_cast<int64_t>(std::invoke(Get, Self<T>(o)).Mask()); },
        [Put_](TObject* o, int64_t v) { Put(Put_, Self<T>(o), V::FromMask(static_cast<uint64_t>(v))); });
    return *this;
  }

  template <class G, class S>
  TPublish& String(const std::string& Name, G Get, S Set) {
    using namespace published_detail;
    using V = GetResult<T, G>;
    TPropInfo& p = Add(Name, pkString);
    p.Access = MakeAccess<StrAccess>([Get](TObject* o) { return std::string(std::invoke(Get, Self<T>(o))); },
                                     [Set](TObject* o, const std::string& v) { Put(Set, Self<T>(o), V(v)); });
    return *this;
  }

  // A colour: named colours are written by name (identifiers of "TColor").
  template <class G, class S>
  TPublish& Color(const std::string& Name, G Get, S Set) {
    using namespace published_detail;
    using V = GetResult<T, G>;
    TPropInfo& p = Add(Name, pkColor);
    p.IdentType = "TColor";
    p.Min = std::numeric_limits<int32_t>::min();
    p.Max = std::numeric_limits<uint32_t>::max();
    p.Access = MakeAccess<OrdAccess>(
        [Get](TObject* o) { return ColorOrd(static_cast<int64_t>(std::invoke(Get, Self<T>(o)))); },
        [Set](TObject* o, int64_t v) {
          Put(Set, Self<T>(o), static_cast<V>(static_cast<uint32_t>(ColorOrd(v))));
        });
    return *this;
  }

  template <class G, class S>
  TPublish& Float(const std::string& Name, G Get, S Set) {
    using namespace published_detail;
    using V = GetResult<T, G>;
    static_assert(std::is_floating_point_v<V>, "Float needs a floating-point property");
    TPropInfo& p = Add(Name, pkFloat);
    p.Access = MakeAccess<FloatAccess>(
        [Get](TObject* o) { return static_cast<double>(std::invoke(Get, Self<T>(o))); },
        [Set](TObject* o, double v) { Put(Set, Self<T>(o), static_cast<V>(v)); });
    return *this;
  }

  // A string list owned by the object (Get returns the list: Count, Strings
  // or operator[], Clear, Add); stored as "<Name>.Strings".
  template <class G>
  TPublish& Strings(const std::string& Name, G Get) {
    using namespace published_detail;
    TPropInfo& p = Add(Name, pkStringList);
    p.Access = MakeAccess<ListAccess>(
        [Get](TObject* o) {
          auto* l = std::invoke(Get, Self<T>(o));
          std::vector<std::string> r;
          if (l == nullptr) return r;
          int n = static_cast<int>(l->Count());
          for (int i = 0; i < n; ++i) r.push_back(ListItem(l, i));
          return r;
        },
        [Get](TObject* o, const std::vector<std::string>& v) {
          auto* l = std::invoke(Get, Self<T>(o));
          if (l == nullptr) return;
          BeginUpdateOf(l);
          l->Clear();
          for (const auto& s : v) l->Add(s);
          EndUpdateOf(l);
        });
    return *this;
  }

  // A string list given as a vector of strings.
  template <class G, class S>
  TPublish& Strings(const std::string& Name, G Get, S Set) {
    using namespace published_detail;
    TPropInfo& p = Add(Name, pkStringList);
    p.Access = MakeAccess<ListAccess>(
        [Get](TObject* o) { return std::vector<std::string>(std::invoke(Get, Self<T>(o))); },
        [Set](TObject* o, const std::vector<std::string>& v) { Put(Set, Self<T>(o), v); });
    return *this;
  }

  // An owned sub-object whose own published properties are stored under
  // dotted names ("Font.Name").
  template <class G>
  TPublish& Object(const std::string& Name, G Get) {
    using namespace published_detail;
    TPropInfo& p = Add(Name, pkObject);
    auto get = [Get](TObject* o) -> TObject* { return std::invoke(Get, Self<T>(o)); };
    p.Access = std::make_unique<ObjectAccess<decltype(get)>>(std::move(get));
    return *this;
  }

  // An owned collection (Count, Items or GetItem, Add, Clear; BeginUpdate and
  // EndUpdate when it has them). Loading replaces its items.
  template <class G>
  TPublish& Collection(const std::string& Name, G Get) {
    using namespace published_detail;
    using C = std::remove_pointer_t<GetResult<T, G>>;
    TPropInfo& p = Add(Name, pkCollection);
    auto get = [Get](TObject* o) -> TObject* { return std::invoke(Get, Self<T>(o)); };
    p.Access = std::make_unique<CollectionAccess<decltype(get), C>>(std::move(get));
    return *this;
  }

  // A reference to another component, stored by name and resolved after the
  // whole layout is read.
  template <class G, class S>
  TPublish& Component(const std::string& Name, G Get, S Set) {
    using namespace published_detail;
    using X = std::remove_pointer_t<GetResult<T, G>>;
    static_assert(std::is_base_of_v<TComponent, X>, "Component needs a component pointer property");
    TPropInfo& p = Add(Name, pkComponent);
    auto get = [Get](TObject* o) -> TComponent* { return std::invoke(Get, Self<T>(o)); };
    auto set = [Set](TObject* o, TComponent* c) { Put(Set, Self<T>(o), dynamic_cast<X*>(c)); };
    p.Access = std::make_unique<RefAccess<decltype(get), decltype(set), X>>(std::move(get), std::move(set));
    return *this;
  }

  // An event held in a std::function member.
  template <class F>
  TPublish& Event(const std::string& Name, F T::*Member) {
    return Event(
        Name, [Member](T* t) -> const F& { return t->*Member; }, Member);
  }

  template <class G, class S>
  TPublish& Event(const std::string& Name, G Get, S Set) {
    using namespace published_detail;
    using F = GetResult<T, G>;
    TPropInfo& p = Add(Name, pkEvent);
    p.Access = MakeAccess<EventAccess>(
        [Get](TObject* o) -> std::any {
          F f = std::invoke(Get, Self<T>(o));
          return f ? std::any(std::move(f)) : std::any();
        },
        [Set](TObject* o, const std::any& h) {
          if (!h.has_value()) {
            Put(Set, Self<T>(o), F());
            return true;
          }
          const F* f = std::any_cast<F>(&h);
          if (f == nullptr) return false;
          Put(Set, Self<T>(o), *f);
          return true;
        });
    return *this;
  }

  // Modifiers of the property declared last.
  template <class V>
  TPublish& Default(const V& Value) {
    TPropInfo& p = Last();
    p.HasDefault = true;
    if constexpr (std::is_convertible_v<const V&, std::string>) {
      p.DefaultStr = Value;
    } else if constexpr (std::is_floating_point_v<V>) {
      p.DefaultFloat = Value;
    } else if constexpr (published_detail::SetTraits<V>::IsSet) {
      p.DefaultOrd = static_cast<int64_t>(Value.Mask());
    } else {
      int64_t v = static_cast<int64_t>(Value);
      p.DefaultOrd = p.Kind == pkColor ? published_detail::ColorOrd(v) : v;
      p.DefaultFloat = static_cast<double>(v);
    }
    return *this;
  }
  // The values a layout may give an integer property; the reader refuses
  // others (by default the range of the property's type).
  TPublish& Range(int64_t Min, int64_t Max) {
    TPropInfo& p = Last();
    p.Min = Min;
    p.Max = Max;
    return *this;
  }
  // Always written, whatever the value.
  TPublish& NoDefault() {
    Last().HasDefault = false;
    return *this;
  }
  TPublish& Stored(bool IsStored) {
    if (IsStored)
      Last().Stored = nullptr;
    else
      Last().Stored = [](TObject*) { return false; };
    return *this;
  }
  // A predicate of the object (member function or callable taking T*).
  template <class F>
  TPublish& Stored(F IsStored) {
    Last().Stored = [IsStored](TObject* o) {
      return static_cast<bool>(std::invoke(IsStored, static_cast<T*>(o)));
    };
    return *this;
  }
  // A redeclared property written at this class's place instead of its
  // ancestor's (the mask edit's Text after its EditMask).
  TPublish& MovedHere() {
    Last().MovedHere = true;
    return *this;
  }
  // Applied once the rest of the component (its other properties and its
  // children) is read, whatever its place in the layout: an item index
  // after the items.
  TPublish& AppliedLast() {
    Last().AppliedLast = true;
    return *this;
  }
  // Identifiers for an integer property's values (see RegisterIntegerIdents).
  TPublish& Idents(const std::string& TypeName) {
    Last().IdentType = TypeName;
    return *this;
  }

  // Extra stored values of the class itself.
  TPublish& Define(const std::string& Name, std::function<bool(T*)> HasData,
                   std::function<TLayoutValue(T*)> Write, std::function<void(T*, const TLayoutValue&)> Read) {
    TDefinedProp d;
    d.Name = Name;
    if (HasData) d.HasData = [HasData](TObject* o) { return HasData(static_cast<T*>(o)); };
    d.Write = [Write](TObject* o) { return Write(static_cast<T*>(o)); };
    d.Read = [Read](TObject* o, const TLayoutValue& v) { Read(static_cast<T*>(o), v); };
    c_.Defined.push_back(std::move(d));
    return *this;
  }

  // An integer written every time (or when HasData says so).
  template <class G, class S>
  TPublish& DefineInteger(const std::string& Name, G Get, S Set, std::function<bool(T*)> HasData = nullptr) {
    using namespace published_detail;
    using V = GetResult<T, G>;
    return Define(
        Name, std::move(HasData),
        [Get](T* t) { return TLayoutValue::Integer(static_cast<int64_t>(std::invoke(Get, t))); },
        [Set](T* t, const TLayoutValue& v) {
          if (v.Kind != TLayoutValueKind::Integer)
            throw EReadError("Invalid property value (integer expected)");
          Put(Set, t, static_cast<V>(v.Int));
        });
  }

  // Raw bytes ("Data" of pictures): Get returns them, Set takes them.
  template <class G, class S>
  TPublish& DefineBinary(const std::string& Name, G Get, S Set, std::function<bool(T*)> HasData = nullptr) {
    using namespace published_detail;
    return Define(
        Name, std::move(HasData),
        [Get](T* t) { return TLayoutValue::Binary(std::string(std::invoke(Get, t))); },
        [Set](T* t, const TLayoutValue& v) {
          if (v.Kind != TLayoutValueKind::Binary)
            throw EReadError("Invalid property value (binary data expected)");
          Put(Set, t, v.Str);
        });
  }

  // A handler that layouts may name in events.
  template <class C, class R, class... A>
  TPublish& Method(const std::string& Name, R (C::*Fn)(A...)) {
    static_assert(std::is_base_of_v<C, T>, "Method of another class");
    using Bound = published_detail::BoundMethod<C, R, A...>;
    using F = std::function<R(A...)>;
    TMethodInfo m;
    m.Name = Name;
    m.Bind = [Fn](TObject* inst) { return std::any(F(Bound{static_cast<T*>(inst), Fn})); };
    m.Matches = [Fn](const std::any& h, TObject* inst) {
      const F* f = std::any_cast<F>(&h);
      if (f == nullptr) return false;
      const Bound* b = f->template target<Bound>();
      return b != nullptr && b->Method == Fn && b->Instance == static_cast<C*>(static_cast<T*>(inst));
    };
    c_.Methods.push_back(std::move(m));
    return *this;
  }

  // A member pointer set to the component of the same name when it is read.
  template <class X>
  TPublish& Field(const std::string& Name, X* T::*Member) {
    static_assert(std::is_base_of_v<TComponent, X>, "Field needs a component pointer");
    TFieldInfo f;
    f.Name = Name;
    f.Bind = [Member](TObject* inst, TComponent* c) {
      X* x = dynamic_cast<X*>(c);
      if (c != nullptr && x == nullptr) return false;
      static_cast<T*>(inst)->*Member = x;
      return true;
    };
    c_.Fields.push_back(std::move(f));
    return *this;
  }

  // Nesting hooks (see TPublishedClass).
  TPublish& HasParent(std::function<bool(T*)> F) {
    c_.HasParent = [F](TComponent* s) { return F(static_cast<T*>(s)); };
    return *this;
  }
  TPublish& SetParentComponent(std::function<void(T* Child, TComponent* Parent)> F) {
    c_.SetParentComponent = [F](TComponent* c, TComponent* p) { F(static_cast<T*>(c), p); };
    return *this;
  }
  TPublish& GetChildren(std::function<void(T* Self, TComponent* Root, std::vector<TComponent*>& Out)> F) {
    c_.GetChildren = [F](TComponent* s, TComponent* r, std::vector<TComponent*>& out) {
      F(static_cast<T*>(s), r, out);
    };
    return *this;
  }
  TPublish& AfterReading(std::function<void(T* Self)> F) {
    c_.AfterReading = [F](TComponent* s) { F(static_cast<T*>(s)); };
    return *this;
  }
  // Layouts may not create this class (it is only filled in place).
  TPublish& NotCreatable() {
    c_.Create = nullptr;
    return *this;
  }
  // Layouts make instances with Create (a class whose construction ends
  // after its constructor, for example).
  TPublish& CreatedBy(std::function<TComponent*(TComponent* Owner)> Create) {
    c_.Create = std::move(Create);
    return *this;
  }

 private:
  TPropInfo& Add(const std::string& Name, TPropKind Kind) {
    c_.Props.emplace_back();
    TPropInfo& p = c_.Props.back();
    p.Name = Name;
    p.Kind = Kind;
    return p;
  }
  TPropInfo& Last() {
    if (c_.Props.empty()) throw EComponentError("No property declared yet in " + c_.Name);
    return c_.Props.back();
  }

  TPublishedClass& c_;
};

// Declares and registers the table of T, whose parent table is ParentName
// ("" for a root class).
template <class T, class F>
void PublishClass(const std::string& ParentName, F&& Build) {
  static_assert(std::is_base_of_v<TObject, T>, "Published classes derive from TObject");
  auto c = std::make_unique<TPublishedClass>();
  c->Name = DemangledClassName(typeid(T));
  c->ParentName = ParentName;
  c->IsInstance = [](const TObject* o) { return dynamic_cast<const T*>(o) != nullptr; };
  if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> &&
                std::is_constructible_v<T, TComponent*>)
    c->Create = [](TComponent* Owner) -> TComponent* { return new T(Owner); };
  TPublish<T> p(*c);
  Build(p);
  RegisterPublishedClass(std::move(c));
}

// Declares the table of Class in its own .cpp; the body fills P.
#define CF_PUBLISH(Class, Parent)                                                                          \
  static void CfPublishBody_##Class(TPublish<Class>& P);                                                   \
  static const TPublishedRegistrar CfPublishReg_##Class(                                                   \
      #Class, [] { PublishClass<Class>(#Parent, [](TPublish<Class>& p) { CfPublishBody_##Class(p); }); }); \
  static void CfPublishBody_##Class([[maybe_unused]] TPublish<Class>& P)

// Sets Field to Owner's component named Name; EComponentError when there is
// none or it is of another class.
template <class X>
void BindComponent(TComponent* Owner, X*& Field, const std::string& Name) {
  TComponent* c = Owner != nullptr ? Owner->FindComponent(Name) : nullptr;
  if (c == nullptr) throw EComponentError("Component " + Name + " not found");
  X* x = dynamic_cast<X*>(c);
  if (x == nullptr) throw EComponentError("Component " + Name + " is a " + c->ClassName());
  Field = x;
}
