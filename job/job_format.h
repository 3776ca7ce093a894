// The fixed texts of the ZR780K job file: the lines the editor writes and
// the marks by which its read chain finds the sections and rows. The read
// and save chains take them from here, and so does the plain-code reference
// model the tests hold the chains against.
#pragma once

#include <cstddef>
#include <cstdint>

// The four tables of a job, in file order. Wherever a link index or an
// array names a table, it uses these numbers.
enum TJobTable : uint16_t {
  kFeederTable = 0,
  kSpecialFeederTable = 1,
  kBoardTable = 2,
  kComponentTable = 3,
  kJobTableCount = 4,
};

// The tables' names, as messages name them.
inline constexpr const char* kJobTableNames[kJobTableCount] = {"Питатели", "Специальные питатели",
                                                               "Платы", "Компоненты"};

// Column count of each section's table (the written rows have exactly these
// many cells).
inline constexpr size_t kFeederColumns = 20;
inline constexpr size_t kSpecialFeederColumns = 24;
inline constexpr size_t kBoardColumns = 4;
inline constexpr size_t kComponentColumns = 8;

// Column captions of each table, one per line, CR LF between them.
inline constexpr char kFeederColumnCaptions[] =
    "№ Питателя\r\nX1\r\nY1\r\nX2\r\nY2\r\nВысота в питателе\r\nВысота на плате\r\n"
    "Пауза взятия\r\nПауза отпускания\r\nРазмер по X\r\nРазмер по Y\r\nПодача\r\nСкорость\r\n"
    "Смотка\r\nВакуум 1\r\nВакуум 2\r\nНе проверять\r\nКалибровка\r\nПропуск\r\nКоммент";
// The same as the feeders up to "Пропуск"; the Х of "по Х" is Cyrillic.
inline constexpr char kSpecialFeederColumnCaptions[] =
    "№ Питателя\r\nX1\r\nY1\r\nX2\r\nY2\r\nВысота в питателе\r\nВысота на плате\r\n"
    "Пауза взятия\r\nПауза отпускания\r\nРазмер по X\r\nРазмер по Y\r\nПодача\r\nСкорость\r\n"
    "Смотка\r\nВакуум 1\r\nВакуум 2\r\nНе проверять\r\nКалибровка\r\nПропуск\r\n"
    "Чипов по Х\r\nЧипов по Y\r\nШаг по Х\r\nШаг по Y\r\nКоммент";
inline constexpr char kComponentColumnCaptions[] =
    "Компонент\r\nСопло\r\nПитатель\r\nX\r\nY\r\nУгол\r\nПропуск\r\nКоммент";
inline constexpr char kBoardColumnCaptions[] = "№платы\r\nXoffset\r\nYoffset\r\nПропуск";

// Columns the job's rules read, counted from 0. Both feeder tables share
// their first 19 columns; each ends with its comment.
inline constexpr size_t kFeederNumberColumn = 0;  // "№ Питателя"
inline constexpr size_t kFeederXColumn = 1;       // "X1"
inline constexpr size_t kFeederYColumn = 2;       // "Y1"
inline constexpr size_t kFeederSkipColumn = 18;   // "Пропуск"
inline constexpr size_t kFeederCommentColumn = 19;
inline constexpr size_t kSpecialFeederCommentColumn = 23;
inline constexpr size_t kBoardNumberColumn = 0;   // "№платы"
inline constexpr size_t kBoardXColumn = 1;        // "Xoffset"
inline constexpr size_t kBoardYColumn = 2;        // "Yoffset"
inline constexpr size_t kBoardSkipColumn = 3;     // "Пропуск"
inline constexpr size_t kComponentNameColumn = 0;     // "Компонент"
inline constexpr size_t kComponentNozzleColumn = 1;   // "Сопло"
inline constexpr size_t kComponentFeederColumn = 2;   // "Питатель"
inline constexpr size_t kComponentXColumn = 3;        // "X"
inline constexpr size_t kComponentYColumn = 4;        // "Y"
inline constexpr size_t kComponentAngleColumn = 5;    // "Угол"
inline constexpr size_t kComponentSkipColumn = 6;     // "Пропуск"
inline constexpr size_t kComponentCommentColumn = 7;  // "Коммент"

// The largest file opening accepts. Memory is not what limits it (the text
// is copied a few times over, some tens of megabytes at this size); time
// is: every row becomes a list view row, and the rows of a file that is no
// job file are short (random bytes give one row per 15 bytes, 280 000 rows
// at this size, a quarter of a minute of filling). A panel of many boards
// brings tens of thousands of component rows, about 45 bytes each: 50 000
// of them are 2.2 MB.
inline constexpr uint32_t kJobFileMaxSize = 4u << 20;

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
