#include "framework/os/Resources.h"

#include <algorithm>
#include <cstddef>
#include <map>

struct CfEmbeddedResource {
  const char* name;
  const unsigned char* data;
  std::size_t size;
};
extern "C" const CfEmbeddedResource* cf_embedded_resources();

namespace {
const std::map<std::string, std::string_view>& Table() {
  static const std::map<std::string, std::string_view> table = [] {
    std::map<std::string, std::string_view> t;
    for (const CfEmbeddedResource* r = cf_embedded_resources(); r->name != nullptr; ++r)
      t.emplace(r->name, std::string_view(reinterpret_cast<const char*>(r->data), r->size));
    return t;
  }();
  return table;
}
}  // namespace

const std::string_view* FindEmbeddedResource(const std::string& Name) {
  auto it = Table().find(Name);
  return it == Table().end() ? nullptr : &it->second;
}

std::vector<std::string> EmbeddedResourceNames() {
  std::vector<std::string> names;
  for (auto& [k, v] : Table()) names.push_back(k);
  return names;
}
