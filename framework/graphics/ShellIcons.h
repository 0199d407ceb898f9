#pragma once
// Icons of the desktop shell for files and folders, as markup images show
// them ("SSYS:" small, "LSYS:" large). Source is a path (the icon of that
// file or folder; a path that does not exist gets the icon its name
// suggests) or a number, which picks one of the shell's standard icons
// (file, folder, open folder, floppy, hard disk, CD, network drive,
// computer, desktop, trash can) by its remainder of ten. Small icons are
// 16 x 16 pixels, large ones 32 x 32; the pixels come with alpha.
#include <string>

struct TPixelData;

// False when the shell has no icon for it (an empty source).
bool ShellIcon(const std::string& Source, bool Large, TPixelData& Out);

// The desktop's icon of a message of Kind 1 (information), 2 (warning) or 3
// (error), Size x Size pixels with alpha; false for other kinds.
bool MessageIcon(int Kind, int Size, TPixelData& Out);
