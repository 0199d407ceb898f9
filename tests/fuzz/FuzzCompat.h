#pragma once
// Only for the clang fuzz build: clang 14 cannot use libstdc++'s
// std::source_location (it lacks the builtin behind it), which the runtime
// library's Assert takes. The layout readers never call Assert, so an empty
// stand-in lets them build; included first with -include.
#if defined(__clang__) && !__has_builtin(__builtin_source_location)
#include <source_location>
namespace std {
struct source_location {
  static constexpr source_location current() noexcept { return {}; }
  constexpr const char* file_name() const noexcept { return ""; }
  constexpr unsigned line() const noexcept { return 0; }
};
}  // namespace std
#endif
