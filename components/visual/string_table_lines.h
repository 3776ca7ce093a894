// The texts a string table is built from and gives out: column template
// lines ("caption=width=image=alignment") and row lines (the cells joined by
// the table's separator, optionally led by an image index and a colour
// field), plus the row colours those lines carry. No platform service here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Takes the text before the first `separator` off the front of `text`,
// together with the separator. A text without the separator is taken whole,
// so `text` always ends up shorter, and empty after its last field.
std::string TakeField(std::string& text, char separator);

// One column template line, field by field. Missing fields are empty.
struct TColumnTemplate {
  std::string Caption;
  std::string Width;
  std::string Image;
  std::string Align;
};

TColumnTemplate ParseColumnTemplate(const std::string& line);
// The full form: caption "=" width "=" image "=" alignment.
std::string FormatColumnTemplate(const TColumnTemplate& column);

// A row line taken apart.
struct TRowFields {
  int32_t Image = 0;       // only when the line was read with an image field
  uint32_t ColorValue = 0; // only when the line was read with a colour field
  std::vector<std::string> Cells;  // at least one, possibly empty, cell
};

// Splits a row line at `separator`: first the image field (withImage), then
// the colour field "T<colorSeparator>B" (withColor), then the cells. A line
// a,,c gives the cells a, "" and c; an empty line gives one empty cell.
TRowFields ParseRowLine(const std::string& line, char separator, bool withImage, bool withColor,
                        char colorSeparator);

// The colour field of a row: T (text colour index 0..15) and B (background,
// an RGB value) packed as T in bits 24..27 and B in the low 24 bits.
uint32_t PackRowColor(int32_t textIndex, int32_t background);
inline int32_t RowTextIndex(uint32_t value) { return static_cast<int32_t>((value >> 24) & 15); }
inline int32_t RowBackground(uint32_t value) { return static_cast<int32_t>(value & 0xFFFFFF); }
// "T<colorSeparator>B" in decimal.
std::string FormatColorField(uint32_t value, char colorSeparator);

// The 16-colour text palette (RGB, red in the low byte); index 0 is black.
uint32_t PaletteColor(int32_t index);
// Moves each channel x of an RGB colour to x + percent * (255 - x) / 100.
uint32_t LightenColor(uint32_t rgb, int32_t percent);
