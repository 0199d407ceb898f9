#include "framework/classes/ComponentFiler.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "framework/classes/ClassRegistry.h"
#include "framework/classes/ComponentStream.h"
#include "framework/classes/LayoutText.h"
#include "framework/classes/Published.h"
#include "framework/classes/Streams.h"
#include "framework/os/Resources.h"

namespace {

bool SameIdent(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

std::vector<std::string> SplitDots(const std::string& s) {
  std::vector<std::string> parts;
  size_t b = 0;
  for (;;) {
    size_t d = s.find('.', b);
    parts.push_back(s.substr(b, d == std::string::npos ? std::string::npos : d - b));
    if (d == std::string::npos) break;
    b = d + 1;
  }
  return parts;
}

const char* KindName(TLayoutValueKind k) {
  switch (k) {
    case TLayoutValueKind::Null:
      return "nothing";
    case TLayoutValueKind::List:
      return "a list";
    case TLayoutValueKind::Integer:
      return "an integer";
    case TLayoutValueKind::Float:
      return "a float";
    case TLayoutValueKind::String:
      return "a string";
    case TLayoutValueKind::Ident:
      return "an identifier";
    case TLayoutValueKind::False:
    case TLayoutValueKind::True:
      return "a Boolean";
    case TLayoutValueKind::Binary:
      return "binary data";
    case TLayoutValueKind::Set:
      return "a set";
    case TLayoutValueKind::Collection:
      return "a collection";
    case TLayoutValueKind::Nil:
      return "nil";
  }
  return "a value";
}

std::string Expected(const char* what, const TLayoutValue& v) {
  return std::string("Invalid property value (") + what + " expected, found " + KindName(v.Kind) + ")";
}

std::string Label(TComponent* c) {
  if (!c->Name().empty()) return c->Name();
  return c->ClassName();
}

// ---- reader ---------------------------------------------------------------------

// "Component.Property" of the value being applied, spelled out only when an
// error needs it.
struct PropPath {
  const std::string& Label;
  const std::string& Name;
  operator std::string() const { return Label + "." + Name; }
};

class LayoutReader {
 public:
  explicit LayoutReader(const TLayoutSource& src) : src_(src) {}

  void ReadRoot(TComponent* root, const TLayoutObject& o) {
    root_ = root;
    rootName_ = root->Name();
    rootClass_ = PublishedClassOf(root);
    try {
      if (rootClass_ == nullptr)
        Fail(o.Pos, "", "Class " + root->ClassName() + " has no published properties");
      if (!SameIdent(o.ClassName, root->ClassName()) && !rootClass_->InheritsFrom(o.ClassName))
        Fail(o.Pos, "", "A " + o.ClassName + " layout cannot be read into a " + root->ClassName());
      if (!o.Name.empty() && o.Name != root->Name()) Guard(o.Pos, o.Name, [&] { root->SetName(o.Name); });
      Start(root);
      size_t mark = deferred_.size();
      ReadProps(root, o.Props, Label(root), true);
      for (const auto& child : o.Children) ReadChild(child, root);
      ApplyDeferred(mark);
      EndReading(root, rootClass_, o.Pos);
      Fixups();
    } catch (...) {
      Rollback();
      throw;
    }
    Finish();
  }

 private:
  struct Deferred {
    TObject* Obj;
    const TPropInfo* Prop;
    const TLayoutValue* Value;
    std::string Label;
    std::string Name;
  };

  struct Fixup {
    TObject* Obj;
    const TPropInfo* Prop;
    std::string Name;
    int64_t Pos;
    std::string Path;
  };

  [[noreturn]] void Fail(int64_t pos, const std::string& path, const std::string& reason) {
    throw ELayoutError(src_, pos, path, reason);
  }

  // Runs f, turning an error of a setter into a layout error at pos.
  template <class P, class F>
  void Guard(int64_t pos, const P& path, F&& f) {
    try {
      f();
    } catch (const ELayoutError&) {
      throw;
    } catch (const Exception& e) {
      Fail(pos, path, e.Message());
    } catch (const std::exception& e) {
      Fail(pos, path, e.what());
    }
  }

  void Start(TComponent* c) {
    c->BeginLoading();
    c->SetComponentStateFlag(csLoading, true);
    c->SetComponentStateFlag(csReading, true);
    loaded_.push_back(c);
  }

  void ReadChild(const TLayoutObject& o, TComponent* parent) {
    TComponent* c = nullptr;
    std::string path = o.Name.empty() ? o.ClassName : o.Name;
    if (o.Inherited || o.Inline) {
      c = root_->FindComponent(o.Name);
      if (c == nullptr) Fail(o.Pos, path, "Component " + o.Name + " not found");
    } else {
      // Registered classes first, then classes whose table can create them.
      const TComponentFactory* create = GetClass(o.ClassName);
      if (create == nullptr || !*create) Fail(o.Pos, path, "Class " + o.ClassName + " not found");
      Guard(o.Pos, path, [&] { c = (*create)(root_); });
      if (c == nullptr) Fail(o.Pos, path, "Class " + o.ClassName + " cannot be created");
      created_.push_back(c);
      Guard(o.Pos, path, [&] { c->SetName(o.Name); });
    }
    if (!o.Name.empty()) {
      const TFieldInfo* f = rootClass_->FindField(o.Name);
      if (f != nullptr) {
        if (!f->Bind(root_, c))
          Fail(o.Pos, path,
               "Field " + o.Name + " of " + root_->ClassName() + " cannot hold a " + c->ClassName());
        if (!o.Inherited && !o.Inline) fields_.push_back(f);
      }
    }
    Start(c);
    const TPublishedClass* cls = PublishedClassOf(c);
    if (cls == nullptr) Fail(o.Pos, path, "Class " + c->ClassName() + " has no published properties");
    if (!o.Inherited && !o.Inline) Guard(o.Pos, path, [&] { cls->SetParentOf(c, parent); });
    size_t mark = deferred_.size();
    ReadProps(c, o.Props, Label(c), true);
    for (const auto& child : o.Children) ReadChild(child, c);
    ApplyDeferred(mark);
    EndReading(c, cls, o.Pos);
  }

  // A component is read once its properties and children are.
  void EndReading(TComponent* c, const TPublishedClass* cls, int64_t pos) {
    c->SetComponentStateFlag(csReading, false);
    Guard(pos, Label(c), [&] {
      cls->AfterReadingOf(c);
      c->EndReading();
    });
  }

  // Properties of a component may wait for the end of its reading (handlers
  // and AppliedLast ones); those of a collection item are applied at once.
  void ReadProps(TObject* obj, const std::vector<TLayoutProperty>& props, const std::string& label,
                 bool component = false) {
    bool outer = deferring_;
    deferring_ = component;
    for (const auto& p : props) ReadProp(obj, p, label);
    deferring_ = outer;
  }

  void ApplyOrDefer(TObject* obj, const TPropInfo& pi, const TLayoutProperty& p, const std::string& label) {
    if (deferring_ && (pi.Kind == pkEvent || pi.AppliedLast))
      deferred_.push_back(Deferred{obj, &pi, &p.Value, label, p.Name});
    else
      Apply(obj, pi, p.Value, PropPath{label, p.Name});
  }

  // Applies what waited for the end of the component whose reading started
  // when deferred_ held `mark` entries.
  void ApplyDeferred(size_t mark) {
    for (size_t i = mark; i < deferred_.size(); ++i) {
      const Deferred& d = deferred_[i];
      Apply(d.Obj, *d.Prop, *d.Value, PropPath{d.Label, d.Name});
    }
    deferred_.resize(mark);
  }

  void ReadProp(TObject* obj, const TLayoutProperty& p, const std::string& label) {
    PropPath path{label, p.Name};
    if (p.Name.find('.') == std::string::npos) {
      // The common case: a property of the object itself.
      const TPublishedClass* cls = PublishedClassOf(obj);
      if (cls == nullptr) Fail(p.Pos, path, "Class " + obj->ClassName() + " has no published properties");
      if (const TPropInfo* pi = cls->FindProp(p.Name)) return ApplyOrDefer(obj, *pi, p, label);
    }
    std::vector<std::string> segs = SplitDots(p.Name);
    TObject* cur = obj;
    for (size_t i = 0; i + 1 < segs.size(); ++i) {
      const TPublishedClass* cls = PublishedClassOf(cur);
      if (cls == nullptr) Fail(p.Pos, path, "Class " + cur->ClassName() + " has no published properties");
      const TPropInfo* pi = cls->FindProp(segs[i]);
      if (pi != nullptr && pi->Kind == pkStringList && i + 2 == segs.size() &&
          SameIdent(segs[i + 1], "Strings")) {
        ApplyList(cur, *pi, p.Value, path);
        return;
      }
      if (pi == nullptr || pi->Kind != pkObject) Fail(p.Pos, path, "Property " + segs[i] + " does not exist");
      TObject* next = nullptr;
      Guard(p.Pos, path, [&] { next = pi->GetObject(cur); });
      if (next == nullptr) Fail(p.Pos, path, "Property " + segs[i] + " holds no object");
      cur = next;
    }
    const TPublishedClass* cls = PublishedClassOf(cur);
    if (cls == nullptr) Fail(p.Pos, path, "Class " + cur->ClassName() + " has no published properties");
    const std::string& last = segs.back();
    if (const TPropInfo* pi = cls->FindProp(last)) {
      ApplyOrDefer(cur, *pi, p, label);
      return;
    }
    if (const TDefinedProp* d = cls->FindDefined(last)) {
      Guard(p.Value.Pos, path, [&] { d->Read(cur, p.Value); });
      return;
    }
    Fail(p.Pos, path, "Property " + last + " does not exist");
  }

  int64_t OrdinalOf(const TPropInfo& pi, const TLayoutValue& v, const PropPath& path) {
    int64_t n = 0;
    if (v.Kind == TLayoutValueKind::Integer) {
      n = v.Int;
    } else if (v.Kind == TLayoutValueKind::Ident && !pi.IdentType.empty()) {
      const TIntegerIdents* ids = FindIntegerIdents(pi.IdentType);
      if (ids == nullptr || !ids->FromIdent || !ids->FromIdent(v.Str, n))
        Fail(v.Pos, path, "Invalid property value (" + v.Str + " is not a " + pi.IdentType + " identifier)");
    } else {
      Fail(v.Pos, path, Expected("an integer", v));
    }
    if (n < pi.Min || n > pi.Max)
      Fail(v.Pos, path, "Invalid property value (" + std::to_string(n) + " is out of range)");
    return n;
  }

  void Apply(TObject* obj, const TPropInfo& pi, const TLayoutValue& v, const PropPath& path) {
    switch (pi.Kind) {
      case pkInteger:
      case pkColor: {
        int64_t n = OrdinalOf(pi, v, path);
        Guard(v.Pos, path, [&] { pi.SetOrd(obj, n); });
        return;
      }
      case pkBoolean: {
        if (v.Kind != TLayoutValueKind::True && v.Kind != TLayoutValueKind::False)
          Fail(v.Pos, path, Expected("True or False", v));
        Guard(v.Pos, path, [&] { pi.SetOrd(obj, v.Kind == TLayoutValueKind::True ? 1 : 0); });
        return;
      }
      case pkEnumeration: {
        int64_t n = 0;
        if (v.Kind != TLayoutValueKind::Ident) Fail(v.Pos, path, Expected("an identifier", v));
        if (!pi.Enum->Find(v.Str, n))
          Fail(v.Pos, path,
               "Invalid property value (" + v.Str + " is not a " + pi.Enum->TypeName + " value)");
        Guard(v.Pos, path, [&] { pi.SetOrd(obj, n); });
        return;
      }
      case pkSet: {
        if (v.Kind != TLayoutValueKind::Set) Fail(v.Pos, path, Expected("a set", v));
        uint64_t mask = 0;
        for (const auto& name : v.Names) {
          int64_t n = 0;
          if (!pi.Enum->Find(name, n) || n < 0 || n > 63)
            Fail(v.Pos, path,
                 "Invalid property value (" + name + " is not a " + pi.Enum->TypeName + " value)");
          mask |= uint64_t{1} << n;
        }
        Guard(v.Pos, path, [&] { pi.SetOrd(obj, static_cast<int64_t>(mask)); });
        return;
      }
      case pkString:
        if (v.Kind != TLayoutValueKind::String) Fail(v.Pos, path, Expected("a string", v));
        Guard(v.Pos, path, [&] { pi.SetStr(obj, v.Str); });
        return;
      case pkFloat: {
        double d = 0;
        if (v.Kind == TLayoutValueKind::Float)
          d = v.Float;
        else if (v.Kind == TLayoutValueKind::Integer)
          d = static_cast<double>(v.Int);
        else if (v.Kind == TLayoutValueKind::Ident && SameIdent(v.Str, "INF"))
          d = std::numeric_limits<double>::infinity();
        else if (v.Kind == TLayoutValueKind::Ident && SameIdent(v.Str, "NEGINF"))
          d = -std::numeric_limits<double>::infinity();
        else if (v.Kind == TLayoutValueKind::Ident && SameIdent(v.Str, "NAN"))
          d = std::numeric_limits<double>::quiet_NaN();
        else
          Fail(v.Pos, path, Expected("a number", v));
        Guard(v.Pos, path, [&] { pi.SetFloat(obj, d); });
        return;
      }
      case pkStringList:
        ApplyList(obj, pi, v, path);
        return;
      case pkObject:
        Fail(v.Pos, path,
             "Invalid property value (the properties of " + pi.Name + " are given by dotted names)");
      case pkCollection:
        ApplyCollection(obj, pi, v, path);
        return;
      case pkComponent:
        if (v.Kind == TLayoutValueKind::Nil) {
          Guard(v.Pos, path, [&] { pi.SetRef(obj, nullptr); });
        } else if (v.Kind == TLayoutValueKind::Ident) {
          fixups_.push_back(Fixup{obj, &pi, v.Str, v.Pos, path});
        } else {
          Fail(v.Pos, path, Expected("a component name", v));
        }
        return;
      case pkEvent:
        ApplyEvent(obj, pi, v, path);
        return;
    }
  }

  void ApplyList(TObject* obj, const TPropInfo& pi, const TLayoutValue& v, const PropPath& path) {
    if (v.Kind != TLayoutValueKind::List) Fail(v.Pos, path, Expected("a list of strings", v));
    std::vector<std::string> items;
    for (const auto& e : v.List) {
      if (e.Kind != TLayoutValueKind::String) Fail(e.Pos, path, Expected("a string", e));
      items.push_back(e.Str);
    }
    Guard(v.Pos, path, [&] { pi.SetList(obj, items); });
  }

  void ApplyCollection(TObject* obj, const TPropInfo& pi, const TLayoutValue& v, const PropPath& path) {
    if (v.Kind != TLayoutValueKind::Collection) Fail(v.Pos, path, Expected("a collection", v));
    TObject* coll = nullptr;
    Guard(v.Pos, path, [&] { coll = pi.GetObject(obj); });
    if (coll == nullptr) Fail(v.Pos, path, "Property " + pi.Name + " holds no collection");
    Guard(v.Pos, path, [&] { pi.CollBeginUpdate(coll); });
    try {
      Guard(v.Pos, path, [&] { pi.CollClear(coll); });
      for (size_t i = 0; i < v.Items.size(); ++i) {
        const TLayoutItem& item = v.Items[i];
        std::string label = std::string(path) + "[" + std::to_string(i) + "]";
        TObject* it = nullptr;
        Guard(item.Pos, label, [&] { it = pi.CollAdd(coll); });
        if (it == nullptr) Fail(item.Pos, label, "The collection gave no new item");
        ReadProps(it, item.Props, label);
      }
    } catch (...) {
      pi.CollEndUpdate(coll);
      throw;
    }
    Guard(v.Pos, path, [&] { pi.CollEndUpdate(coll); });
  }

  void ApplyEvent(TObject* obj, const TPropInfo& pi, const TLayoutValue& v, const PropPath& path) {
    if (v.Kind == TLayoutValueKind::Nil) {
      Guard(v.Pos, path, [&] { pi.SetEvent(obj, std::any()); });
      return;
    }
    if (v.Kind != TLayoutValueKind::Ident) Fail(v.Pos, path, Expected("a handler name", v));
    const TMethodInfo* m = rootClass_->FindMethod(v.Str);
    if (m == nullptr) Fail(v.Pos, path, "Handler " + v.Str + " not found in " + root_->ClassName());
    bool fits = false;
    Guard(v.Pos, path, [&] { fits = pi.SetEvent(obj, m->Bind(root_)); });
    if (!fits) Fail(v.Pos, path, "Handler " + v.Str + " does not fit " + pi.Name);
  }

  TComponent* Resolve(const std::string& name) {
    std::string local = name;
    size_t dot = name.find('.');
    if (dot != std::string::npos) {
      // "Form.Component": only the root's own components can be named so here.
      if (!SameIdent(name.substr(0, dot), root_->Name())) return nullptr;
      local = name.substr(dot + 1);
    }
    if (!root_->Name().empty() && SameIdent(local, root_->Name())) return root_;
    if (TComponent* c = root_->FindComponent(local)) return c;
    if (dot == std::string::npos && root_->Owner() != nullptr) return root_->Owner()->FindComponent(local);
    return nullptr;
  }

  void Fixups() {
    for (const Fixup& f : fixups_) {
      TComponent* c = Resolve(f.Name);
      if (c == nullptr) Fail(f.Pos, f.Path, "Unresolved reference to " + f.Name);
      if (!f.Prop->RefAccepts(c))
        Fail(f.Pos, f.Path, "Invalid property value (" + f.Name + " is a " + c->ClassName() + ")");
      Guard(f.Pos, f.Path, [&] { f.Prop->SetRef(f.Obj, c); });
    }
    fixups_.clear();
  }

  void Rollback() {
    // Only fields bound to components this read created point at them.
    for (const TFieldInfo* f : fields_) f->Bind(root_, nullptr);
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
      loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), *it), loaded_.end());
      delete *it;
    }
    for (TComponent* c : loaded_) {
      c->SetComponentStateFlag(csReading, false);
      c->SetComponentStateFlag(csLoading, false);
      try {
        c->EndReading();
      } catch (...) {
        // The read has failed already; its own error is the one to report.
      }
    }
    if (root_->Name() != rootName_) {
      try {
        root_->SetName(rootName_);
      } catch (const Exception&) {
        // The old name was valid before; nothing better to do than keep the new one.
      }
    }
  }

  void Finish() {
    for (TComponent* c : loaded_) c->SetComponentStateFlag(csReading, false);
    for (size_t i = 0; i < loaded_.size(); ++i) {
      try {
        loaded_[i]->Loaded();
        loaded_[i]->SetComponentStateFlag(csLoading, false);
      } catch (...) {
        for (size_t k = i; k < loaded_.size(); ++k) loaded_[k]->SetComponentStateFlag(csLoading, false);
        throw;
      }
    }
  }

  TLayoutSource src_;
  TComponent* root_ = nullptr;
  std::string rootName_;
  const TPublishedClass* rootClass_ = nullptr;
  std::vector<TComponent*> loaded_;
  std::vector<TComponent*> created_;
  std::vector<const TFieldInfo*> fields_;
  std::vector<Fixup> fixups_;
  std::vector<Deferred> deferred_;
  bool deferring_ = false;
};

// ---- writer ---------------------------------------------------------------------

constexpr int kMaxNesting = 64;

class LayoutWriter {
 public:
  TLayoutObject WriteRoot(TComponent* root) {
    root_ = root;
    rootClass_ = PublishedClassOf(root);
    return Component(root, 0);
  }

 private:
  const TPublishedClass* ClassOf(TObject* o) {
    const TPublishedClass* c = PublishedClassOf(o);
    if (c == nullptr) throw EWriteError("Class " + o->ClassName() + " has no published properties");
    return c;
  }

  TLayoutObject Component(TComponent* c, int depth) {
    if (depth > kMaxNesting) throw EWriteError("Components nest too deeply to be written");
    const TPublishedClass* cls = ClassOf(c);
    TLayoutObject o;
    o.ClassName = c->ClassName();
    o.Name = c->Name();
    Props(c, "", o.Props, 0);
    std::vector<TComponent*> kids;
    if (c == root_)
      for (int i = 0; i < root_->ComponentCount(); ++i) {
        TComponent* k = root_->Components(i);
        if (!ClassOf(k)->ComponentHasParent(k)) kids.push_back(k);
      }
    cls->ChildrenOf(c, root_, kids);
    std::vector<TComponent*> seen;
    for (TComponent* k : kids) {
      if (k == c || std::find(seen.begin(), seen.end(), k) != seen.end()) continue;
      seen.push_back(k);
      o.Children.push_back(Component(k, depth + 1));
    }
    return o;
  }

  std::string RefName(TComponent* ref) {
    if (ref == root_) return root_->Name();
    if (ref->Name().empty()) return "";
    if (ref->Owner() == root_) return ref->Name();
    if (ref->Owner() != nullptr && !ref->Owner()->Name().empty())
      return ref->Owner()->Name() + "." + ref->Name();
    return ref->Name();
  }

  TLayoutValue Ordinal(const TPropInfo& p, int64_t v) {
    switch (p.Kind) {
      case pkBoolean:
        return TLayoutValue::Boolean(v != 0);
      case pkEnumeration: {
        const std::string* n = p.Enum->NameOf(v);
        if (n == nullptr)
          throw EWriteError("Property " + p.Name + ": " + std::to_string(v) + " is not a " +
                            p.Enum->TypeName + " value");
        return TLayoutValue::Ident(*n);
      }
      case pkSet: {
        std::vector<std::string> names;
        auto mask = static_cast<uint64_t>(v);
        for (int bit = 0; bit < 64; ++bit) {
          if ((mask & (uint64_t{1} << bit)) == 0) continue;
          const std::string* n = p.Enum->NameOf(bit);
          if (n == nullptr)
            throw EWriteError("Property " + p.Name + ": element " + std::to_string(bit) + " is not a " +
                              p.Enum->TypeName + " value");
          names.push_back(*n);
        }
        return TLayoutValue::SetOf(std::move(names));
      }
      default: {
        if (!p.IdentType.empty())
          if (const TIntegerIdents* ids = FindIntegerIdents(p.IdentType); ids != nullptr && ids->ToIdent) {
            std::string id;
            if (ids->ToIdent(v, id)) return TLayoutValue::Ident(id);
          }
        return TLayoutValue::Integer(v);
      }
    }
  }

  void Props(TObject* obj, const std::string& prefix, std::vector<TLayoutProperty>& out, int depth) {
    if (depth > kMaxNesting) throw EWriteError("Sub-objects nest too deeply to be written (" + prefix + ")");
    const TPublishedClass* cls = ClassOf(obj);
    // Events after the other properties, each group in declared order.
    std::vector<const TPropInfo*> props;
    for (const TPropInfo* pp : cls->AllProps())
      if (pp->Kind != pkEvent) props.push_back(pp);
    for (const TPropInfo* pp : cls->AllProps())
      if (pp->Kind == pkEvent) props.push_back(pp);
    for (const TPropInfo* pp : props) {
      const TPropInfo& p = *pp;
      if (p.Stored && !p.Stored(obj)) continue;
      std::string name = prefix + p.Name;
      auto emit = [&](std::string n, TLayoutValue v) {
        TLayoutProperty lp;
        lp.Name = std::move(n);
        lp.Value = std::move(v);
        out.push_back(std::move(lp));
      };
      if (p.IsOrdinal()) {
        int64_t v = p.GetOrd(obj);
        if (p.HasDefault && v == p.DefaultOrd) continue;
        emit(name, Ordinal(p, v));
        continue;
      }
      switch (p.Kind) {
        case pkString: {
          std::string s = p.GetStr(obj);
          if (p.HasDefault ? s == p.DefaultStr : s.empty()) continue;
          emit(name, TLayoutValue::String(std::move(s)));
          break;
        }
        case pkFloat: {
          double d = p.GetFloat(obj);
          if (d == (p.HasDefault ? p.DefaultFloat : 0.0)) continue;
          emit(name, TLayoutValue::FloatValue(d));
          break;
        }
        case pkStringList: {
          std::vector<std::string> l = p.GetList(obj);
          if (l.empty()) continue;
          std::vector<TLayoutValue> items;
          for (auto& s : l) items.push_back(TLayoutValue::String(std::move(s)));
          emit(name + ".Strings", TLayoutValue::ListOf(std::move(items)));
          break;
        }
        case pkObject: {
          TObject* sub = p.GetObject(obj);
          if (sub != nullptr) Props(sub, name + ".", out, depth + 1);
          break;
        }
        case pkCollection: {
          TObject* coll = p.GetObject(obj);
          if (coll == nullptr) continue;
          int n = p.CollCount(coll);
          if (n == 0) continue;
          TLayoutValue v;
          v.Kind = TLayoutValueKind::Collection;
          for (int i = 0; i < n; ++i) {
            TLayoutItem item;
            Props(p.CollItem(coll, i), "", item.Props, depth + 1);
            v.Items.push_back(std::move(item));
          }
          emit(name, std::move(v));
          break;
        }
        case pkComponent: {
          TComponent* ref = p.GetRef(obj);
          if (ref == nullptr) continue;
          std::string n = RefName(ref);
          if (!n.empty()) emit(name, TLayoutValue::Ident(std::move(n)));
          break;
        }
        case pkEvent: {
          std::any h = p.GetEvent(obj);
          if (!h.has_value() || rootClass_ == nullptr) continue;
          if (const TMethodInfo* m = rootClass_->FindMethodFor(h, root_))
            emit(name, TLayoutValue::Ident(m->Name));
          break;
        }
        default:
          break;
      }
    }
    for (const TDefinedProp* d : cls->AllDefined()) {
      if (d->HasData && !d->HasData(obj)) continue;
      TLayoutProperty lp;
      lp.Name = prefix + d->Name;
      lp.Value = d->Write(obj);
      out.push_back(std::move(lp));
    }
  }

  TComponent* root_ = nullptr;
  const TPublishedClass* rootClass_ = nullptr;
};

}  // namespace

void ReadComponentLayout(TComponent* Instance, const TLayoutObject& Layout, const TLayoutSource& Source) {
  LayoutReader r(Source);
  r.ReadRoot(Instance, Layout);
}

TLayoutObject WriteComponentLayout(TComponent* Root) {
  LayoutWriter w;
  return w.WriteRoot(Root);
}

void ReadComponentText(TComponent* Instance, std::string_view Text, const std::string& FileName) {
  TLayoutObject o = ParseLayoutText(Text, FileName);
  ReadComponentLayout(Instance, o, TLayoutSource{FileName, false});
}

std::string WriteComponentText(TComponent* Root) { return FormatLayoutText(WriteComponentLayout(Root)); }

size_t ReadComponentBinary(TComponent* Instance, std::string_view Data, size_t Pos,
                           const std::string& SourceName) {
  TLayoutObject o = ReadLayoutRecord(Data, Pos, SourceName);
  ReadComponentLayout(Instance, o, TLayoutSource{SourceName, true});
  return Pos;
}

void WriteComponentBinary(std::string& Out, TComponent* Root) {
  WriteLayoutRecord(Out, WriteComponentLayout(Root));
}

std::string WriteComponentBinary(TComponent* Root) {
  std::string out;
  WriteComponentBinary(out, Root);
  return out;
}

void WriteComponent(TStream* Stream, TComponent* Root) { Stream->WriteString(WriteComponentBinary(Root)); }

void ReadComponent(TStream* Stream, TComponent* Instance) {
  int64_t start = Stream->Position();
  if (auto* mem = dynamic_cast<TMemoryStream*>(Stream)) {
    // Read in place: cell streams hold many records one after the other.
    std::string_view all(mem->Memory(), static_cast<size_t>(mem->Size()));
    size_t pos = static_cast<size_t>(std::clamp<int64_t>(start, 0, mem->Size()));
    size_t end = ReadComponentBinary(Instance, all, pos);
    Stream->SetPosition(static_cast<int64_t>(end));
    return;
  }
  std::string rest = Stream->ReadString(Stream->Size() - start);
  Stream->SetPosition(start);
  size_t end = ReadComponentBinary(Instance, rest, 0);
  Stream->SetPosition(start + static_cast<int64_t>(end));
}

void LoadFormLayout(TComponent* Form, const std::string& ResourceName) {
  const std::string_view* data = FindEmbeddedResource(ResourceName);
  if (data == nullptr) throw EReadError("Form layout " + ResourceName + " not found");
  if (IsLayoutRecord(*data)) {
    size_t pos = 0;
    ReadComponentBinary(Form, *data, pos, ResourceName);
  } else {
    ReadComponentText(Form, *data, ResourceName);
  }
}

std::string LayoutBinaryToText(std::string_view Data, const std::string& SourceName) {
  size_t pos = 0;
  return FormatLayoutText(ReadLayoutRecord(Data, pos, SourceName));
}

std::string LayoutTextToBinary(std::string_view Text, const std::string& FileName) {
  std::string out;
  WriteLayoutRecord(out, ParseLayoutText(Text, FileName));
  return out;
}
