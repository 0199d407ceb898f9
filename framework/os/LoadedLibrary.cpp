#include "framework/os/LoadedLibrary.h"

#include <dlfcn.h>

void* OpenLoadedLibrary(std::initializer_list<const char*> Names) {
  for (const char* name : Names)
    if (void* lib = dlopen(name, RTLD_NOW | RTLD_LOCAL)) return lib;
  return nullptr;
}

void* LoadedLibrarySymbol(void* Library, const char* Name) {
  return Library == nullptr ? nullptr : dlsym(Library, Name);
}
