// The place of a top-level window kept in a section of an ini file: "Left",
// "Top", "Width", "Height" (its normal place in screen pixels, the one it
// takes when not maximized) and "Maximized" (1 or 0).
#pragma once

#include <string>

class TControl;
class TIniFile;

// Writes the window's place into the ini file's section.
void SaveWindowPlace(TControl* window, TIniFile* ini);
// Gives the window the place stored (each value missing keeps the window's
// own), brought back onto the nearest screen when it lies off every one.
// True when the window was maximized when stored; the caller maximizes it
// when it shows.
bool LoadWindowPlace(TControl* window, TIniFile* ini);

// The same through a position store "file.ini\section" (OpenPositionIni);
// an empty store keeps nothing.
void SaveWindowPlace(TControl* window, const std::string& store);
bool LoadWindowPlace(TControl* window, const std::string& store);
