#pragma once
// A small set over an enumeration, the shape the platform's set types take
// here: TGridOptions{goEditing, goTabs}, opts.Contains(goEditing), opts << x.
#include <bitset>
#include <cstddef>
#include <initializer_list>
#include <type_traits>

template <typename E, std::size_t N = 64>
class TSet {
  static_assert(std::is_enum_v<E>, "TSet holds enumeration values");

 public:
  constexpr TSet() = default;
  TSet(std::initializer_list<E> items) {
    for (E e : items) Include(e);
  }

  bool Contains(E e) const { return bits_.test(Index(e)); }
  TSet& Include(E e) {
    bits_.set(Index(e));
    return *this;
  }
  TSet& Exclude(E e) {
    bits_.reset(Index(e));
    return *this;
  }
  TSet& operator<<(E e) { return Include(e); }
  TSet& operator>>(E e) { return Exclude(e); }

  bool Empty() const { return bits_.none(); }
  void Clear() { bits_.reset(); }
  std::size_t Count() const { return bits_.count(); }
  // The set as a bit mask, bit n for ordinal n (the platform's stored form).
  unsigned long long Mask() const { return bits_.to_ullong(); }
  static TSet FromMask(unsigned long long mask) {
    TSet s;
    s.bits_ = std::bitset<N>(mask);
    return s;
  }

  friend TSet operator+(TSet a, const TSet& b) {
    a.bits_ |= b.bits_;
    return a;
  }
  friend TSet operator-(TSet a, const TSet& b) {
    a.bits_ &= ~b.bits_;
    return a;
  }
  friend TSet operator*(TSet a, const TSet& b) {
    a.bits_ &= b.bits_;
    return a;
  }
  friend bool operator==(const TSet& a, const TSet& b) { return a.bits_ == b.bits_; }
  // a <= b: every member of a is in b.
  friend bool operator<=(const TSet& a, const TSet& b) { return (a.bits_ & ~b.bits_).none(); }

 private:
  static std::size_t Index(E e) { return static_cast<std::size_t>(e); }
  std::bitset<N> bits_;
};
