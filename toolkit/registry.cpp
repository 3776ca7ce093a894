#include "toolkit/registry.h"

#include <windows.h>

#include <utility>

std::string PositionKeyPath(const std::string& store) { return "Software\\" + store; }

bool SavePositionToRegistry(const std::string& store, const TWindowPlace& place) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, PositionKeyPath(store).c_str(), 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const std::pair<const char*, int32_t> values[] = {
      {"Left", place.Left}, {"Top", place.Top}, {"Height", place.Height}, {"Width", place.Width}};
  for (const auto& [name, value] : values) {
    DWORD data = static_cast<DWORD>(value);
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
  }
  RegCloseKey(key);
  return true;
}

bool LoadPositionFromRegistry(const std::string& store, TWindowPlace& place) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, PositionKeyPath(store).c_str(), 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  const std::pair<const char*, int32_t*> values[] = {
      {"Left", &place.Left}, {"Top", &place.Top}, {"Height", &place.Height}, {"Width", &place.Width}};
  for (const auto& [name, field] : values) {
    DWORD data = 0;
    DWORD size = sizeof data;
    // Only a full 4-byte value is taken; a shorter one would leave part of
    // the buffer unread, so it counts as missing.
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size) ==
            ERROR_SUCCESS &&
        size == sizeof data) {
      *field = static_cast<int32_t>(data);
    }
  }
  RegCloseKey(key);
  return true;
}
