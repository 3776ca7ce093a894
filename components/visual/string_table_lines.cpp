#include "components/visual/string_table_lines.h"

#include "core/convert.h"

namespace {

constexpr char kTemplateSeparator = '=';

constexpr uint32_t kPalette[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                   0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                                   0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

// Walks the fields of a text without copying what is left of it each time:
// a row line is taken apart in one pass, however many cells it has.
class TFieldCursor {
 public:
  TFieldCursor(const std::string& text, char separator) : Text(text), Separator(separator) {}
  bool AtEnd() const { return Pos >= Text.size(); }
  std::string Next() {
    const size_t at = Text.find(Separator, Pos);
    const size_t end = at == std::string::npos ? Text.size() : at;
    std::string field = Text.substr(Pos, end - Pos);
    Pos = at == std::string::npos ? Text.size() : at + 1;
    return field;
  }

 private:
  const std::string& Text;
  char Separator;
  size_t Pos = 0;
};

}  // namespace

std::string TakeField(std::string& text, char separator) {
  const size_t at = text.find(separator);
  if (at == std::string::npos) {
    std::string field;
    field.swap(text);
    return field;
  }
  std::string field = text.substr(0, at);
  text.erase(0, at + 1);
  return field;
}

TColumnTemplate ParseColumnTemplate(const std::string& line) {
  std::string s = line + kTemplateSeparator;
  TColumnTemplate column;
  column.Caption = TakeField(s, kTemplateSeparator);
  column.Width = TakeField(s, kTemplateSeparator);
  column.Image = TakeField(s, kTemplateSeparator);
  column.Align = TakeField(s, kTemplateSeparator);
  return column;
}

std::string FormatColumnTemplate(const TColumnTemplate& column) {
  return column.Caption + kTemplateSeparator + column.Width + kTemplateSeparator + column.Image +
         kTemplateSeparator + column.Align;
}

TRowFields ParseRowLine(const std::string& line, char separator, bool withImage, bool withColor,
                        char colorSeparator) {
  // One separator is appended, so that every field, the last one included,
  // ends with a separator: "a,b" gives a and b, "a," gives a and "".
  const std::string s = line + separator;
  TFieldCursor fields(s, separator);
  TRowFields row;
  if (withImage) row.Image = TextToInt(fields.Next());
  if (withColor) {
    std::string color = fields.Next();
    const int32_t text = TextToInt(TakeField(color, colorSeparator));
    row.ColorValue = PackRowColor(text, TextToInt(color));
  }
  do {
    row.Cells.push_back(fields.Next());
  } while (!fields.AtEnd());
  return row;
}

uint32_t PackRowColor(int32_t textIndex, int32_t background) {
  return ((static_cast<uint32_t>(textIndex) & 15) << 24) | (static_cast<uint32_t>(background) & 0xFFFFFF);
}

std::string FormatColorField(uint32_t value, char colorSeparator) {
  return IntToText(RowTextIndex(value)) + colorSeparator + IntToText(RowBackground(value));
}

uint32_t PaletteColor(int32_t index) { return kPalette[index & 15]; }

uint32_t LightenColor(uint32_t rgb, int32_t percent) {
  uint32_t result = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int32_t x = static_cast<int32_t>((rgb >> shift) & 0xFF);
    const int32_t lighter = x + percent * (255 - x) / 100;
    result |= static_cast<uint32_t>(lighter & 0xFF) << shift;
  }
  return result;
}
