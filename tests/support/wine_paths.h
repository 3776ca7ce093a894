// A Unix path as a Windows program sees it: Wine maps the root of the file
// system to drive Z:. Other paths come back unchanged.
#pragma once

#include <string>

inline std::string WindowsPath(std::string path) {
  if (path.empty() || path[0] != '/') return path;
  path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}
