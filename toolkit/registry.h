// Window positions kept under the current user's registry key
// "Software\<store>" as four REG_DWORD values.
#pragma once

#include <cstdint>
#include <string>

struct TWindowPlace {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
};

// "Software\" + store: the key under HKEY_CURRENT_USER.
std::string PositionKeyPath(const std::string& store);

// Creates or opens the key and writes "Left", "Top", "Height", "Width" in this
// order. Returns false (and writes nothing) when the key cannot be opened.
bool SavePositionToRegistry(const std::string& store, const TWindowPlace& place);

// Reads "Left", "Top", "Height", "Width" in this order; every value that is
// read overwrites its field, a missing one leaves it as it is. Returns false
// when the key is missing.
bool LoadPositionFromRegistry(const std::string& store, TWindowPlace& place);
