#pragma once
// Opening a web link in the desktop's browser (or mail program). Only
// http://, https:// and mailto: links are opened; anything else (a local
// file, a program, text with blanks or control characters) is refused.
#include <functional>
#include <string>

// True when the link was handed to the opener.
bool OpenUrl(const std::string& Url);
// Whether OpenUrl would accept the link.
bool IsOpenableUrl(const std::string& Url);
// Replaces the opener (tests record the link instead of starting a
// browser); an empty function restores xdg-open.
void SetUrlOpener(std::function<bool(const std::string& Url)> Opener);
