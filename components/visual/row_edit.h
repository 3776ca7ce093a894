// A change the user made to the rows of a table, packed into one text. The
// table hands it out when the change is made and takes it back to undo or
// redo it; whoever keeps it in between (the undo journal) never reads it.
//
// The cells travel as they are, commas and all: the text is a sequence of
// length-prefixed fields ("5:hello"), so no cell content can be mistaken for
// a separator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class TRowEditKind : char {
  Cells = 'E',     // the cells of a row were edited
  Inserted = 'I',  // a row was inserted
  Deleted = 'D',   // a row was removed
};

struct TRowEdit {
  TRowEditKind Kind = TRowEditKind::Cells;
  int32_t Row = 0;
  std::vector<std::string> Before;  // the row's cells before (none for Inserted)
  std::vector<std::string> After;   // the row's cells after (none for Deleted)

  bool operator==(const TRowEdit&) const = default;
};

std::string PackRowEdit(const TRowEdit& edit);
// False, leaving `edit` unspecified, when the text is not a packed edit.
bool UnpackRowEdit(const std::string& text, TRowEdit& edit);
