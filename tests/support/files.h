// Whole files in tests: what a file holds, byte for byte.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

// The bytes of the file, or "<missing>" when it cannot be opened (so that a
// comparison with the expected bytes fails and says why).
inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}
