#pragma once
// An object that counts its own destruction, for the tests of lists that own
// their objects.
#include "framework/classes/Classes.h"

namespace list_test {
class TCounted : public TObject {
 public:
  explicit TCounted(int* freed) : freed_(freed) {}
  ~TCounted() override { ++*freed_; }

 private:
  int* freed_;
};
}  // namespace list_test
