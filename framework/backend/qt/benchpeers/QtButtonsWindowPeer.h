#pragma once
// The start-up peer: the smallest Qt Widgets program with a window of a
// dozen push buttons, reached without Qt types so that the program around
// it stays free of Qt headers.

// Creates the application and the window, shows it and returns once it has
// been painted (the process should end there: tearing down is not part of
// start-up). Answers 0.
int RunQtButtonsWindowPeer(int argc, char** argv);
