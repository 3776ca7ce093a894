// TVMPlacementImport: a design tool's placement file into component rows of
// the job. It takes the file's name, then reads the opened stream; a file
// with parts on both sides waits for the side to be chosen, then a file that
// states no unit and whose coordinates of that side are all small waits for
// the unit (inches or millimetres). A bottom side is turned over as the
// BottomTurn input says; the rotation corrections table, when one is given,
// applies to every part, and the nozzle rules, when given, give the rows
// their nozzles. Nothing reaches the tables unless the
// file gave parts: an unreadable file (or a table that cannot be used) only
// fires OnError.
#pragma once

#include <cstdint>
#include <string>

#include "core/component.h"
#include "core/event.h"
#include "job/placement_formats.h"

class TVMPlacementImport : public TVMComponent {
 public:
  std::string FileName;  // names the file in messages; ".mnb" tells the side
  TVM_Event Stream;      // data input: the stream to read
  // Data inputs: the rotation corrections table's name (none when empty)
  // and its bytes, taken at each import.
  TVM_Event CorrectionsName;
  TVM_Event CorrectionsText;
  // Data inputs: the nozzle rules' name (none when empty) and bytes, taken
  // at each import.
  TVM_Event NozzlesName;
  TVM_Event NozzlesText;
  // Data input: Integer, how a bottom side is turned over (kTurnLeftRight,
  // the default, or kTurnTopBottom), taken at each import.
  TVM_Event BottomTurn;
  static constexpr int32_t kTurnLeftRight = 0;
  static constexpr int32_t kTurnTopBottom = 1;
  // Fired (no value) once all bytes have been read, so the owner of the
  // stream can close the file at once.
  TVM_Event OnStreamRead;
  TVM_Event OnError;     // String: why the file gives no rows (CR LF between lines)
  TVM_Event OnAskSide;   // no value: the file has parts on both sides
  TVM_Event OnAskUnit;   // no value: the side's coordinates may be inches
  TVM_Event OnRows;      // String: the row lines, "," between cells, CR LF between lines
  TVM_Event OnImported;  // no value: the rows went on
  TVM_Event OnSummary;   // String: what was imported (CR LF between lines)

  // Action: String, the name of the file about to be read.
  void SetFileName(TData& data, uint16_t index);
  // Action: reads the stream (the Stream input, else the incoming Stream
  // value) and imports it, or asks for the side. Without a stream nothing
  // happens.
  void Read(TData& data, uint16_t index);
  // Action: imports the waiting file's side named by the link index
  // (kImportTop, kImportBottom). Without a waiting file nothing happens.
  void ChooseSide(TData& data, uint16_t index);
  static constexpr uint16_t kImportTop = 0;
  static constexpr uint16_t kImportBottom = 1;
  // Action: imports the waiting side in the unit named by the link index
  // (kUnitInch reads the file again in inches, kUnitMillimetre as read).
  // Without a waiting file nothing happens.
  void ChooseUnit(TData& data, uint16_t index);
  static constexpr uint16_t kUnitInch = 0;
  static constexpr uint16_t kUnitMillimetre = 1;

 private:
  void SideChosen(TBoardSide side);
  void Import(TBoardSide side);

  TPlacementFile Waiting;  // the file read, until its side and unit are chosen
  std::string Bytes;       // its bytes, read again when they are inches
  TBoardSide Side = TBoardSide::Top;
  bool HasWaiting = false;
};
