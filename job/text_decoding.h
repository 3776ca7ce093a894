// The text of a placement file as Windows-1251 bytes, whatever form the
// design tool wrote it in, and the way back to UTF-8 for a console that
// reads UTF-8.
#pragma once

#include <string>
#include <string_view>

// UTF-16 (little or big endian) with its byte-order mark, else UTF-8 when the
// bytes are valid UTF-8 (a UTF-8 byte-order mark is dropped), else the bytes
// as they are (taken to be Windows-1251 already). A character with no
// Windows-1251 form becomes "?".
std::string PlacementTextToCp1251(const std::string& bytes);

// Windows-1251 text as UTF-8; the one byte without a character (0x98)
// becomes "?".
std::string Cp1251ToUtf8(const std::string& text);

// The text with its Latin letters in lower case, as names in placement
// files are compared; other bytes stay as they are.
std::string AsciiLower(std::string_view text);
