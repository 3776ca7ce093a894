// TVMBottomTurn: how the board is turned over to place its bottom side, left
// to right or top to bottom, chosen for every later import and remembered
// across starts in the user's settings (the file of the rotation
// corrections). Each choice, and the one read at start, is told on the
// output of its turn, so the menu can check its item.
#pragma once

#include <cstdint>
#include <string>

#include "core/component.h"
#include "core/event.h"

class TVMBottomTurn : public TVMComponent {
 public:
  // Link indexes and values of the turns.
  static constexpr uint16_t kLeftRight = 0;
  static constexpr uint16_t kTopBottom = 1;

  // The ini file that remembers the choice; empty: nothing is remembered.
  std::string SettingsFile;
  TVM_Event OnTurn[2];  // no value: the turn of that index is in force

  // Action: the remembered turn read (at start); left to right when none is.
  void Load(TData& data, uint16_t index);
  // Action: the turn named by the link index, from now on, remembered.
  void Choose(TData& data, uint16_t index);
  // Data output: Integer, the turn in force (kLeftRight, kTopBottom).
  void Turn(TData& data, uint16_t index);

 private:
  void TakeTurn(uint16_t turn);

  uint16_t Current = kLeftRight;
};
