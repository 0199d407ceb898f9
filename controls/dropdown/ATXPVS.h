#pragma once
// The drop-down controls' own binding of the visual-styles library: the
// same 45 entry points as the grid's binding (grid/base/VevXPVS.h), over the
// same stand-in library, but with a library handle and a table of their own.
// The drop-down buttons and the calculator keys draw themed only while this
// binding is loaded and its IsThemeActive says so; otherwise they draw the
// classic way.
//
// A library without every one of the 45 names counts as no library: the
// flag stays false, nothing stays bound, and start-up goes on.
#include "grid/base/VevXPVS.h"

// The library this binding loads: the stand-in the grid's binding loads
// too (OwnThemeLibraryProc) unless a test swaps it; an empty function
// stands for a system without it.
void SetDropDownUxThemeLibrary(TThemeLibrary Library);

// Nothing when already loaded; else loads the library and binds the 45
// names. Without the library, or with a name missing, nothing is bound.
void LoadDropDownUxTheme();
// Frees the library and empties the table when it was loaded.
void FreeDropDownUxTheme();
bool DropDownUxThemeLoaded();
// The bound entries (all empty while not loaded).
const TUxThemeEntries& DropDownUxTheme();
// Loaded and its IsThemeActive answers true.
bool DropDownUxThemeActive();

// The unit's start-up and shut-down, nested: the library is loaded by the
// first start-up and freed by the last shut-down.
void InitializeATXPVSUnit();
void FinalizeATXPVSUnit();
