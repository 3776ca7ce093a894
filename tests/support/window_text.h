// Reading windows in tests: caption, class and placement.
#pragma once

#include <windows.h>

#include <string>

inline std::string WindowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

inline std::string WindowClass(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The window's bounds on the screen.
inline RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// A child's bounds in the client area of `ancestor` (its parent by default).
inline RECT WindowBoundsIn(HWND window, HWND ancestor = nullptr) {
  RECT r = WindowRect(window);
  MapWindowPoints(nullptr, ancestor ? ancestor : GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}
