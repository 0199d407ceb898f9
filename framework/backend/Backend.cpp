#include "framework/backend/Backend.h"

namespace {
std::unique_ptr<IBackend>& Holder() {
  static std::unique_ptr<IBackend>* h = new std::unique_ptr<IBackend>();  // outlives static destruction
  return *h;
}
}  // namespace

IBackend* Backend() {
  auto& h = Holder();
  if (!h) h = CreateQtBackend();
  return h.get();
}

void SetBackend(std::unique_ptr<IBackend> NewBackend) { Holder() = std::move(NewBackend); }
