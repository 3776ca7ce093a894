// The fixed texts of the ZR780K job file: the lines the editor writes and
// the marks by which its read chain finds the sections and rows. The read
// and save chains take them from here, and so does the plain-code reference
// model the tests hold the chains against.
#pragma once

#include <cstddef>

// Column count of each section's table (the written rows have exactly these
// many cells).
inline constexpr size_t kFeederColumns = 20;
inline constexpr size_t kSpecialFeederColumns = 24;
inline constexpr size_t kBoardColumns = 4;
inline constexpr size_t kComponentColumns = 8;

// Written lines; the maker line keeps its trailing space.
inline constexpr char kJobMakerLine[] = "#Bremlitz Vaskel Technology Corp. LTD. static manager file ";
inline constexpr char kFeederHeaderLine[] =
    "#stack Id,X1,Y1,X2,Y2,Pick depth,Place depth,Pick delay,Place delay,Size X,Size Y,Rate,"
    "Speed,Torque,Vacuum1,Vacuum2,Vacuum Off,Calibration,Skip,Spec";
inline constexpr char kSpecialFeederHeaderLine[] =
    "#Special stack,X1,Y1,X2,Y2,Pick depth,Place depth,Pick delay,Place delay,Size X,Size Y,"
    "Rate,Speed,Torque,Vacuum1,Vacuum2,Vacuum Off,Calibration,Skip,Chip X,ChipY,Loop X,"
    "Loop Y,Spec";
inline constexpr char kBoardHeaderLine[] = "#Circuit,OffsetX,OffsetY,Skip";
inline constexpr char kComponentHeaderLine[] = "#Component,Nozzle,Stack,X,Y,Angle,Skip,Name";
inline constexpr char kJobLineEnd[] = "\r\n";
// Written after every cell of a row, the last one included.
inline constexpr char kJobCellSeparator[] = ",";
// What a cell cannot carry besides control characters: the separator, and
// the line and row end marks of reading (below). The cell editor refuses
// them.
inline constexpr char kJobCellRefusedChars[] = ",/\\";

// Marks that locate the sections in the flattened text: each section lies
// strictly between its start mark (the end of its header line) and its end
// mark (the start of the next header). The component section is what is
// left once everything from the maker line's "#Bremlitz" to the end of the
// component header is cut down to one space.
inline constexpr char kFeederStartMark[] = "Spec";
inline constexpr char kFeederEndMark[] = "#Special";
inline constexpr char kSpecialFeederStartMark[] = "Loop Y,Spec";
inline constexpr char kSpecialFeederEndMark[] = "#Circuit";
inline constexpr char kBoardStartMark[] = "OffsetY,Skip";
inline constexpr char kBoardEndMark[] = "Component";
inline constexpr char kComponentCutStartMark[] = "#Bremlitz";
inline constexpr char kComponentCutEndMark[] = "Skip,Name";
inline constexpr char kComponentCutReplace[] = " ";

// Marks that cut a section into rows. Flattening turns every control byte
// into the line mark, so a CR LF reads "//"; each pair of line marks then
// becomes the marked line end, and a row is the text between a line mark and
// the next row end mark.
inline constexpr char kJobLineMark[] = "/";
inline constexpr char kJobRowEndMark[] = "\\";
inline constexpr char kJobMarkedLineEnd[] = "\\/";
