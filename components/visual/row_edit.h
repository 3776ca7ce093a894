// A change the user made to the rows of a table, packed into one text. The
// table hands it out when the change is made and takes it back to undo or
// redo it; whoever keeps it in between (the undo journal) never reads it.
//
// The cells travel as they are, commas and all: the text is a sequence of
// length-prefixed fields ("5:hello"), so no cell content can be mistaken for
// a separator. A batch packs several edits into one record, so that a change
// of many rows is undone and redone as one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "job/feeder_assign.h"

enum class TRowEditKind : char {
  Cells = 'E',     // the cells of a row were edited
  Inserted = 'I',  // a row was inserted
  Deleted = 'D',   // a row was removed
  Batch = 'B',     // several of the above, in the order they were made
};

struct TRowEdit {
  TRowEditKind Kind = TRowEditKind::Cells;
  int32_t Row = 0;
  std::vector<std::string> Before = {};  // the row's cells before (none for Inserted)
  std::vector<std::string> After = {};   // the row's cells after (none for Deleted)
  std::vector<TRowEdit> Edits = {};      // Batch only: its edits, none of them a batch

  bool operator==(const TRowEdit&) const = default;
};

std::string PackRowEdit(const TRowEdit& edit);
// The rows a command changes, as one batch of cell edits.
std::string PackRowChanges(const std::vector<TRowChange>& changes);
// False, leaving `edit` unspecified, when the text is not a packed edit (a
// batch inside a batch included).
bool UnpackRowEdit(const std::string& text, TRowEdit& edit);
