#pragma once
// Small helpers shared by the controls.
#include <algorithm>
#include <vector>

// The next item of List after Current that Accept takes, going round the end
// (backwards unless GoForward); Current itself is tried last. Without Current
// in the list the search starts at the first item (the last, backwards).
// nullptr when no item is taken.
template <typename T, typename FAccept>
T* FindNextInCycle(const std::vector<T*>& List, const T* Current, bool GoForward, FAccept Accept) {
  const int n = static_cast<int>(List.size());
  if (n == 0) return nullptr;
  auto it = std::find(List.begin(), List.end(), Current);
  const int start = it == List.end() ? (GoForward ? n - 1 : 0) : static_cast<int>(it - List.begin());
  int i = start;
  do {
    if (GoForward) {
      if (++i == n) i = 0;
    } else {
      if (i == 0) i = n;
      --i;
    }
    T* item = List[static_cast<size_t>(i)];
    if (Accept(item)) return item;
  } while (i != start);
  return nullptr;
}
