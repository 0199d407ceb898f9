#include "framework/classes/Published.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string_view>
#include <typeindex>
#include <unordered_map>
#include <utility>
#include <vector>

#include "framework/rtl/StrUtils.h"

// The framework's own tables (PublishedFramework.cpp): queues them with
// QueueFrameworkTables.
void RegisterFrameworkPublished();

namespace {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

bool SameIdent(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  return true;
}

template <class T>
using NameMap = std::unordered_map<std::string_view, const T*, TTextHash, TTextEqual>;

template <class T>
const T* Lookup(const NameMap<T>& m, const std::string& Name) {
  auto it = m.find(std::string_view(Name));
  return it == m.end() ? nullptr : it->second;
}

struct CaseLess {
  bool operator()(const std::string& a, const std::string& b) const {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
      char x = UpperAscii(a[i]), y = UpperAscii(b[i]);
      if (x != y) return x < y;
    }
    return a.size() < b.size();
  }
};

// A table registered but not built yet.
struct Pending {
  void (*Register)();
  bool Built = false;
};

struct Registry {
  std::map<std::string, std::unique_ptr<TPublishedClass>, CaseLess> classes;
  std::map<std::string, TIntegerIdents, CaseLess> idents;
  std::unordered_map<std::type_index, const TPublishedClass*> byType;
  // The framework's own tables, built before the others, in this order.
  std::vector<Pending> framework;
  std::vector<Pending> pending;  // in registration order
  // The pending tables of one class each, by that class's name.
  std::map<std::string, size_t, CaseLess> pendingByName;
  bool frameworkQueued = false;
};

Registry& Reg() {
  static Registry r;
  return r;
}

void Build(std::vector<Pending>& Tables, size_t Index) {
  if (Tables[Index].Built) return;
  Tables[Index].Built = true;
  // Building may register more tables, which moves the list.
  void (*build)() = Tables[Index].Register;
  build();
}

void QueueFramework() {
  Registry& r = Reg();
  if (r.frameworkQueued) return;
  r.frameworkQueued = true;
  RegisterFrameworkPublished();
}

// Builds the table registered under Name, if it is still to be built. A
// window needs a few dozen of the hundreds of tables: building them all
// before it shows cost the start of the program more than reading its layout.
void BuildNamed(const std::string& Name) {
  QueueFramework();
  Registry& r = Reg();
  auto it = r.pendingByName.find(Name);
  if (it != r.pendingByName.end()) Build(r.pending, it->second);
}

// Builds the tables still to be built, in order, until Found holds (the
// tables of several classes each say which only once built).
template <class F>
void BuildUntil(const F& Found) {
  QueueFramework();
  Registry& r = Reg();
  for (size_t i = 0; i < r.framework.size() && !Found(); ++i) Build(r.framework, i);
  for (size_t i = 0; i < r.pending.size() && !Found(); ++i) Build(r.pending, i);
}

// Parent chains longer than this are taken for a loop.
constexpr int kMaxDepth = 64;

int Depth(const TPublishedClass* c) {
  int d = 0;
  for (; c != nullptr && d < kMaxDepth; c = c->Parent()) ++d;
  return d;
}

// A name the index of Self's chain lacks: when the chain is broken, walking
// up to the missing parent raises its error, as a scan of the chain did.
template <class T>
const T* FindNamed(const TPublishedClass* Self, const NameMap<T>& Map, bool Broken, const std::string& Name) {
  if (const T* hit = Lookup(Map, Name)) return hit;
  int d = 0;
  if (Broken)
    for (const TPublishedClass* c = Self; c != nullptr && d < kMaxDepth; c = c->Parent(), ++d) {
    }
  return nullptr;
}

}  // namespace

bool TEnumIdents::Find(const std::string& Name, int64_t& Value) const {
  for (size_t i = 0; i < Names.size(); ++i)
    if (SameIdent(Names[i], Name)) {
      Value = Values[i];
      return true;
    }
  return false;
}

const std::string* TEnumIdents::NameOf(int64_t Value) const {
  for (size_t i = 0; i < Values.size(); ++i)
    if (Values[i] == Value) return &Names[i];
  return nullptr;
}

TEnumIdents MakeEnumIdents(const char* TypeName, const char* CommaList, std::vector<int64_t> Values) {
  TEnumIdents e;
  e.TypeName = TypeName;
  if (size_t scope = e.TypeName.rfind("::"); scope != std::string::npos)
    e.TypeName = e.TypeName.substr(scope + 2);
  std::string cur;
  auto flush = [&] {
    size_t b = cur.find_first_not_of(" \t\r\n");
    size_t f = cur.find_last_not_of(" \t\r\n");
    std::string id = b == std::string::npos ? std::string() : cur.substr(b, f - b + 1);
    size_t scope = id.rfind("::");
    if (scope != std::string::npos) id = id.substr(scope + 2);
    if (!id.empty()) e.Names.push_back(id);
    cur.clear();
  };
  for (const char* p = CommaList; *p != 0; ++p) {
    if (*p == ',')
      flush();
    else
      cur += *p;
  }
  flush();
  if (e.Names.size() != Values.size())
    throw EComponentError(std::string("Enumeration identifiers of ") + TypeName + " do not match its values");
  e.Values = std::move(Values);
  return e;
}

void RegisterIntegerIdents(const std::string& TypeName, TIntegerIdents Idents) {
  Reg().idents[TypeName] = std::move(Idents);
}

const TIntegerIdents* FindIntegerIdents(const std::string& TypeName) {
  auto& m = Reg().idents;
  BuildUntil([&] { return m.find(TypeName) != m.end(); });
  auto it = m.find(TypeName);
  return it == m.end() ? nullptr : &it->second;
}

std::string DemangledClassName(const std::type_info& Type) { return ClassNameOf(Type); }

void RegisterPublishedClass(std::unique_ptr<TPublishedClass> Class) {
  Registry& r = Reg();
  std::string name = Class->Name;
  r.classes[name] = std::move(Class);
  // Tables of descendants may have cached the replaced one.
  r.byType.clear();
  for (auto& [n, c] : r.classes) c->ClearCache();
}

const TPublishedClass* FindPublishedClass(const std::string& Name) {
  BuildNamed(Name);
  auto& m = Reg().classes;
  BuildUntil([&] { return m.find(Name) != m.end(); });
  auto it = m.find(Name);
  return it == m.end() ? nullptr : it->second.get();
}

const TPublishedClass* PublishedClassOf(const TObject* Obj) {
  if (Obj == nullptr) return nullptr;
  Registry& r = Reg();
  std::type_index key(typeid(*Obj));
  // Building a table forgets these, so a hit is never stale.
  auto hit = r.byType.find(key);
  if (hit != r.byType.end()) return hit->second;
  const std::string name = Obj->ClassName();
  auto exact = r.classes.end();
  auto own = [&] {
    exact = r.classes.find(name);
    return exact != r.classes.end() && exact->second->IsInstance && exact->second->IsInstance(Obj);
  };
  BuildNamed(name);
  // Without a table of its own every table is needed to find its ancestor's.
  BuildUntil(own);
  own();
  const TPublishedClass* found = nullptr;
  if (exact != r.classes.end() && exact->second->IsInstance && exact->second->IsInstance(Obj)) {
    found = exact->second.get();
  } else {
    // A class without a table of its own takes its deepest published ancestor's.
    int best = -1;
    for (auto& [n, c] : r.classes) {
      if (!c->IsInstance || !c->IsInstance(Obj)) continue;
      int d = Depth(c.get());
      if (d > best) {
        best = d;
        found = c.get();
      }
    }
  }
  r.byType[key] = found;
  return found;
}

void QueueFrameworkTables(void (*Register)()) { Reg().framework.push_back({Register}); }

TPublishedRegistrar::TPublishedRegistrar(void (*Register)()) { Reg().pending.push_back({Register}); }

TPublishedRegistrar::TPublishedRegistrar(const char* ClassName, void (*Register)()) {
  Registry& r = Reg();
  r.pending.push_back({Register});
  r.pendingByName.emplace(ClassName, r.pending.size() - 1);
}

const TPublishedClass* TPublishedClass::Parent() const {
  if (parentCached_) return parent_;
  if (ParentName.empty()) return nullptr;
  const TPublishedClass* p = FindPublishedClass(ParentName);
  if (p == nullptr)
    throw EComponentError("Published class " + Name + ": no table for its parent " + ParentName);
  parent_ = p;
  parentCached_ = true;
  return p;
}

bool TPublishedClass::InheritsFrom(const std::string& ClassName) const {
  int d = 0;
  for (const TPublishedClass* c = this; c != nullptr && d < kMaxDepth; c = c->Parent(), ++d)
    if (SameIdent(c->Name, ClassName)) return true;
  return false;
}

const std::vector<const TPropInfo*>& TPublishedClass::AllProps() const {
  if (cached_) return all_;
  std::vector<const TPublishedClass*> chain;
  for (const TPublishedClass* c = this; c != nullptr; c = c->Parent()) {
    if (chain.size() >= static_cast<size_t>(kMaxDepth))
      throw EComponentError("Published class " + Name + ": its parents form a loop");
    chain.push_back(c);
  }
  std::vector<const TPropInfo*> all;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    for (const TPropInfo& p : (*it)->Props) {
      auto q = std::find_if(all.begin(), all.end(),
                            [&](const TPropInfo* x) { return SameIdent(x->Name, p.Name); });
      if (q != all.end() && !p.MovedHere)
        *q = &p;
      else {
        if (q != all.end()) all.erase(q);
        all.push_back(&p);
      }
    }
  all_ = std::move(all);
  cached_ = true;
  return all_;
}

void TPublishedClass::ClearCache() const {
  all_.clear();
  cached_ = false;
  defined_.clear();
  definedCached_ = false;
  parent_ = nullptr;
  parentCached_ = false;
  index_.reset();
}

struct TPublishedClass::TNameIndex {
  NameMap<TDefinedProp> Defined;
  NameMap<TMethodInfo> Methods;
  NameMap<TFieldInfo> Fields;
  // A parent table is missing: a name not found here walks the chain again,
  // which raises the error a walk up to that parent always raised.
  bool Broken = false;
  // Every property of the chain by name, sorted: a table a layout reads has
  // a few hundred, and a hash node for each cost several times the entry.
  std::vector<std::pair<std::string_view, const TPropInfo*>> Props;
  bool PropsBuilt = false;
};

TPublishedClass::TNameIndex& TPublishedClass::Index() const {
  if (index_) return *index_;
  auto index = std::make_shared<TNameIndex>();
  // The keys view the names held by the tables, which live as long as the
  // index (a table registered again clears every cache). The nearest class's
  // entry wins, as a scan from this class up would find.
  int d = 0;
  try {
    for (const TPublishedClass* c = this; c != nullptr && d < kMaxDepth; c = c->Parent(), ++d) {
      for (const TDefinedProp& p : c->Defined) index->Defined.emplace(p.Name, &p);
      for (const TMethodInfo& m : c->Methods) index->Methods.emplace(m.Name, &m);
      for (const TFieldInfo& f : c->Fields) index->Fields.emplace(f.Name, &f);
    }
  } catch (const EComponentError&) {
    index->Broken = true;
  }
  index_ = std::move(index);
  return *index_;
}

const TPropInfo* TPublishedClass::FindProp(const std::string& PropName) const {
  const std::vector<const TPropInfo*>& all = AllProps();
  TNameIndex& index = Index();
  const auto less = [](const std::pair<std::string_view, const TPropInfo*>& a, std::string_view b) {
    return CompareText(a.first, b) < 0;
  };
  if (!index.PropsBuilt) {
    // The chain's list holds each name once.
    index.Props.reserve(all.size());
    for (const TPropInfo* p : all) index.Props.emplace_back(p->Name, p);
    std::sort(index.Props.begin(), index.Props.end(),
              [](const auto& a, const auto& b) { return CompareText(a.first, b.first) < 0; });
    index.PropsBuilt = true;
  }
  auto it = std::lower_bound(index.Props.begin(), index.Props.end(), std::string_view(PropName), less);
  return it != index.Props.end() && SameText(it->first, PropName) ? it->second : nullptr;
}

const std::vector<const TDefinedProp*>& TPublishedClass::AllDefined() const {
  if (definedCached_) return defined_;
  std::vector<const TPublishedClass*> chain;
  int d = 0;
  for (const TPublishedClass* c = this; c != nullptr && d < kMaxDepth; c = c->Parent(), ++d)
    chain.push_back(c);
  std::vector<const TDefinedProp*> all;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    for (const TDefinedProp& p : (*it)->Defined) all.push_back(&p);
  defined_ = std::move(all);
  definedCached_ = true;
  return defined_;
}

const TDefinedProp* TPublishedClass::FindDefined(const std::string& PropName) const {
  const TNameIndex& index = Index();
  return FindNamed(this, index.Defined, index.Broken, PropName);
}

const TMethodInfo* TPublishedClass::FindMethod(const std::string& MethodName) const {
  const TNameIndex& index = Index();
  return FindNamed(this, index.Methods, index.Broken, MethodName);
}

const TMethodInfo* TPublishedClass::FindMethodFor(const std::any& Handler, TObject* Instance) const {
  if (!Handler.has_value()) return nullptr;
  int d = 0;
  for (const TPublishedClass* c = this; c != nullptr && d < kMaxDepth; c = c->Parent(), ++d)
    for (const TMethodInfo& m : c->Methods)
      if (m.Matches(Handler, Instance)) return &m;
  return nullptr;
}

const TFieldInfo* TPublishedClass::FindField(const std::string& FieldName) const {
  const TNameIndex& index = Index();
  return FindNamed(this, index.Fields, index.Broken, FieldName);
}

bool TPublishedClass::ComponentHasParent(TComponent* Self) const {
  int d = 0;
  for (const TPublishedClass* c = this; c != nullptr && d < kMaxDepth; c = c->Parent(), ++d)
    if (c->HasParent) return c->HasParent(Self);
  return false;
}

void TPublishedClass::SetParentOf(TComponent* Child, TComponent* Parent) const {
  int d = 0;
  for (const TPublishedClass* c = this; c != nullptr && d < kMaxDepth; c = c->Parent(), ++d)
    if (c->SetParentComponent) {
      c->SetParentComponent(Child, Parent);
      return;
    }
}

void TPublishedClass::ChildrenOf(TComponent* Self, TComponent* Root, std::vector<TComponent*>& Out) const {
  int d = 0;
  for (const TPublishedClass* c = this; c != nullptr && d < kMaxDepth; c = c->Parent(), ++d)
    if (c->GetChildren) {
      c->GetChildren(Self, Root, Out);
      return;
    }
}

void TPublishedClass::AfterReadingOf(TComponent* Self) const {
  int d = 0;
  for (const TPublishedClass* c = this; c != nullptr && d < kMaxDepth; c = c->Parent(), ++d)
    if (c->AfterReading) {
      c->AfterReading(Self);
      return;
    }
}
