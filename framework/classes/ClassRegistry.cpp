#include "framework/classes/ClassRegistry.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>

#include "framework/classes/Published.h"
#include "framework/rtl/StrUtils.h"

namespace {
struct TNoCase {
  bool operator()(const std::string& a, const std::string& b) const { return CompareText(a, b) < 0; }
};

struct TRegistry {
  std::mutex lock;
  std::map<std::string, TComponentFactory, TNoCase> classes;
};

TRegistry& Registry() {
  static TRegistry r;
  return r;
}
}  // namespace

std::string ClassNameOfType(const std::type_info& Type) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(
      abi::__cxa_demangle(Type.name(), nullptr, nullptr, &status), std::free);
  std::string name = status == 0 && demangled ? demangled.get() : Type.name();
  auto pos = name.rfind("::");
  return pos == std::string::npos ? name : name.substr(pos + 2);
}

void RegisterClass(const std::string& ClassName, TComponentFactory Factory) {
  std::lock_guard<std::mutex> l(Registry().lock);
  Registry().classes[ClassName] = std::move(Factory);
}

void UnRegisterClass(const std::string& ClassName) {
  std::lock_guard<std::mutex> l(Registry().lock);
  Registry().classes.erase(ClassName);
}

const TComponentFactory* GetClass(const std::string& ClassName) {
  {
    std::lock_guard<std::mutex> l(Registry().lock);
    auto it = Registry().classes.find(ClassName);
    if (it != Registry().classes.end()) return &it->second;
  }
  // Classes that publish a property table with a constructor count too.
  if (const TPublishedClass* pc = FindPublishedClass(ClassName); pc != nullptr && pc->Create)
    return &pc->Create;
  return nullptr;
}

const TComponentFactory& FindClass(const std::string& ClassName) {
  const TComponentFactory* f = GetClass(ClassName);
  if (f == nullptr) throw EClassNotFound("Class " + ClassName + " not found");
  return *f;
}

TComponent* CreateComponent(const std::string& ClassName, TComponent* Owner) {
  return FindClass(ClassName)(Owner);
}

std::vector<std::string> RegisteredClassNames() {
  std::lock_guard<std::mutex> l(Registry().lock);
  std::vector<std::string> names;
  for (const auto& [name, f] : Registry().classes) names.push_back(name);
  return names;
}
