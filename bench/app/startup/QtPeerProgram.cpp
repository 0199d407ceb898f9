// The start-up peer as a program of its own: only Qt, a window of a dozen
// buttons, and the process ends once the window is painted (tearing down is
// not part of start-up).
#include <unistd.h>

#include "framework/backend/qt/benchpeers/QtButtonsWindowPeer.h"

int main(int argc, char** argv) { _exit(RunQtButtonsWindowPeer(argc, argv)); }
