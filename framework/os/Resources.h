#pragma once
// Files embedded into the executable at build time from resources/ (stored
// form layouts, pictures), found by their path below resources/.
#include <string>
#include <string_view>
#include <vector>

// The bytes of resource Name ("forms/FMain.dfm"); nullptr when there is none.
const std::string_view* FindEmbeddedResource(const std::string& Name);
// Every embedded resource's name, sorted.
std::vector<std::string> EmbeddedResourceNames();
