#pragma once
// The program's start-up, callable from tests and benchmarks as well as from
// main: the units' own start-up, then every form once in the fixed order (the
// main window first: the others read the text table and the software code
// that its creation sets up), then the message loop.
//
// A form that comes with a later unit joins the start-up with one line in
// Create_Forms, at its place in the order. The main window finds the forms
// it opens and translates by their instance names, so nothing else changes
// there (see ULumetraFirmWare.h).
#include <string>

// Registers the classes the stored layouts name (once; later calls do
// nothing).
void Initialize_Units();

// Creates the forms, each owned by the application, in the fixed order.
void Create_Forms();
// The same in two steps: the main window, then the others in their order.
void Create_Main_Form();
void Create_Other_Forms();

// Creates the main window and shows it painted, with mouse and key input
// left queued (start-up then builds the other forms before the loop runs).
void Show_Main_Window();

// Frees the forms Create_Forms made, last first (tests and benchmarks start
// again from nothing; the program leaves them to the application).
void Destroy_Forms();

// The whole program: start-up, forms, message loop until the main window
// closes. Answers the process exit code.
int Run_Configurator();

// The folder the configurator keeps its settings, projects and languages in:
// ExeFolder, the folder of the executable, when files can be written there;
// otherwise FallbackFolder (created when missing), for an installed program
// whose own folder is read-only. Empty FallbackFolder: the per-user data
// folder (~/.local/share/cf30406).
std::string Choose_App_Dir(const std::string& ExeFolder, const std::string& FallbackFolder = "");
