#include "job/placement_comment_forms.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "job/placement_columns.h"
#include "job/placement_fields.h"

namespace {

const TCommentForm kCommentForms[] = {
    // # RefDes, Description, Value, X, Y, rotation, top/bottom
    {"gEDA PCB / pcb-rnd (PcbXY)", ',', {"refdes", "description", "value", "x", "y", "rotation", "topbottom"}},
    // #RefDes, top/bottom, X, Y, rotation
    {"TM220/TM240", ',', {"refdes", "topbottom", "x", "y", "rotation"}},
    // #, Ref, Val, Package, PosX, PosY, Rot, Side
    {"pcb-rnd (.pos)", ',', {"", "ref", "val", "package", "posx", "posy", "rot", "side"}},
    // #Designator X-Loc Y-Loc Rotation Side Type X-Size Y-Size Value Footprint
    {"gxyrs", ' ', {"designator", "xloc", "yloc", "rotation", "side", "type", "xsize", "ysize", "value", "footprint"},
     "type", "_unknown_"},
};

// The column's index in the form; the count of columns when it has none.
size_t ColumnIndex(const TCommentForm& form, const char* name) {
  const auto found =
      std::find_if(form.Columns.begin(), form.Columns.end(), [&](const char* c) { return std::strcmp(c, name) == 0; });
  return static_cast<size_t>(found - form.Columns.begin());
}

}  // namespace

const TCommentForm* FindCommentForm(const std::vector<std::string>& names, char separator) {
  for (const TCommentForm& form : kCommentForms) {
    if (form.Separator != separator || form.Columns.size() != names.size()) continue;
    bool same = true;
    for (size_t i = 0; i < names.size() && same; ++i) same = CanonicalColumnName(names[i]) == form.Columns[i];
    if (same) return &form;
  }
  return nullptr;
}

std::vector<std::string> CommentFormFields(const TCommentForm& form, std::string_view line) {
  std::vector<std::string> fields;
  if (form.Separator == ' ') {
    for (TWord& word : SplitWords(line)) fields.push_back(std::move(word.Text));
  } else {
    fields = SplitSeparated(line, form.Separator);
  }
  if (form.MayBeAbsent && fields.size() + 1 == form.Columns.size()) {
    const size_t absent = ColumnIndex(form, form.MayBeAbsent);
    fields.insert(fields.begin() + static_cast<std::ptrdiff_t>(std::min(absent, fields.size())), std::string());
  }
  if (form.NoDesignator) {
    // The form's designator is its column whose name says so.
    for (size_t i = 0; i < form.Columns.size() && i < fields.size(); ++i)
      if (RecogniseColumnName(form.Columns[i]).Field == TPartField::Reference && fields[i] == form.NoDesignator)
        fields[i].clear();
  }
  return fields;
}
