// Placement forms whose column names stand in a "#" comment line, each
// recognised by its exact line of names: gEDA PCB's PcbXY, the TM220/TM240
// form, pcb-rnd's KiCad-like .pos and gxyrs (all four written by pcb-rnd).
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct TCommentForm {
  const char* Name;  // for the summary
  char Separator;    // ' ' when fields are split by spaces
  std::vector<const char*> Columns;  // canonical names (CanonicalColumnName), in order
  // A column the form may write no value for, the row then one field short
  // (gxyrs's "Type").
  const char* MayBeAbsent = nullptr;
  // What the designator column holds for a part without one (gxyrs's
  // "_unknown_"), read as no designator.
  const char* NoDesignator = nullptr;
};

// The form whose line of names, split by `separator`, is `names`; null when
// none is.
const TCommentForm* FindCommentForm(const std::vector<std::string>& names, char separator);

// A row's fields, one per column: a row one field short gets the empty
// field of the column that may be absent put back.
std::vector<std::string> CommentFormFields(const TCommentForm& form, std::string_view line);
