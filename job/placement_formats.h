// A design tool's placement file ("centroid", "pick and place", "position"
// file) read into parts. The form is recognised by content, whatever the
// file's extension: KiCad's position file (text and CSV), Altium's
// pick-and-place file (.csv and padded .txt), Eagle/Fusion mount files,
// EasyEDA's and JLC's files, DipTrace's, the four forms pcb-rnd writes
// (gEDA PCB's PcbXY among them) and any other table whose header, or failing
// that a "#" line, names a reference, X and Y.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "job/decimal_text.h"

enum class TBoardSide : uint8_t { Top, Bottom };

// One part as the file gives it; texts are Windows-1251.
struct TPlacementPart {
  size_t Line = 0;  // 1-based
  std::string Reference;
  std::string Value;  // KiCad's "~" (no value) read as empty
  std::string Package;
  TBoardSide Side = TBoardSide::Top;
  TFixed X = 0;  // millimetres
  TFixed Y = 0;
  TFixed Angle = 0;  // degrees, as written
};

struct TPlacementFile {
  std::string Format;  // the form's name, for the summary
  std::vector<TPlacementPart> Parts;
  bool HasTop = false;
  bool HasBottom = false;
  // Rows that could not be read (a missing or non-numeric coordinate or
  // angle), 1-based; the rest are read.
  std::vector<size_t> BadLines;
  // The unit of the first part's X, and whether the file stated the unit of
  // every coordinate (on the value, in its column's name, in a preamble
  // line, or by its form: mount files and JLC's are in millimetres).
  TLengthUnit Unit = TLengthUnit::Millimetre;
  bool UnitStated = false;
  // KiCad's text form: the program version its "Printed by" line names, as
  // written ("5.0.0-rc2", a dated build's "2014-01-24 BZR 4632"), and its
  // major number (0 for a dated build, which came before version 4); -1
  // when the file has no such line.
  std::string KiCadVersion;
  int KiCadMajor = -1;
  // Why the file gives no parts at all (empty, in no recognised form, or
  // no row of a part), Windows-1251; empty when it was read.
  std::string Error;
};

// `fileName` names the file in messages and tells a mount file's side (".mnb"
// is the bottom). Coordinates whose unit the file does not state are read in
// `unstated`.
TPlacementFile ReadPlacementFile(const std::string& bytes, const std::string& fileName,
                                 TLengthUnit unstated = TLengthUnit::Millimetre);
