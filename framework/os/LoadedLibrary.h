// Libraries the program needs only when a file of their format is read or
// written. Linked into the program they would be loaded and bound, with
// the libraries under them, at every start, before the main window shows.
#pragma once

#include <initializer_list>

// The first of Names the loader finds, loaded for the life of the process;
// null when none loads.
void* OpenLoadedLibrary(std::initializer_list<const char*> Names);

// The address of Name in Library, or null.
void* LoadedLibrarySymbol(void* Library, const char* Name);

// Points Fn at Name in Library; false when the library lacks it.
template <typename F>
bool BindLoadedSymbol(void* Library, const char* Name, F& Fn) {
  Fn = reinterpret_cast<F>(LoadedLibrarySymbol(Library, Name));
  return Fn != nullptr;
}
