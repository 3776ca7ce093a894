// The bottom side as the machine sees it. A design program describes both
// sides as seen from above, through the board ("from the top"), angles
// counter-clockwise; some write the bottom side as seen from below instead,
// X negated. To place the bottom side the board is turned over, left to
// right or top to bottom, and the job holds that side as the machine sees it
// from above after the turn.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "job/decimal_text.h"
#include "job/placement_formats.h"

enum class TBottomTurn : uint8_t { LeftRight, TopBottom };
enum class TBottomView : uint8_t { FromTop, FromBelow };

// What the user chose: the turn, and the view when it is not to be found
// from the file.
struct TBottomRule {
  TBottomTurn Turn = TBottomTurn::LeftRight;
  std::optional<TBottomView> View;
};

// Why the file's bottom side is taken in that view.
enum class TViewCause : uint8_t { Given, ProgramVersion, SignsOfX };

struct TBottomViewFound {
  TBottomView View = TBottomView::FromTop;
  TViewCause Cause = TViewCause::SignsOfX;
};

// The view given, else from below when the file is KiCad's text form printed
// by version 6 or earlier, or when every bottom part's X is 0 or below (one
// below 0) while every top part's X is 0 or above; else from the top.
TBottomViewFound FindBottomView(const TPlacementFile& file, const std::optional<TBottomView>& given);

// The bottom side's parts turned over: a view from below first brought back
// to the view from the top (X negated), then, with the extents taken over
// these parts, left to right X' = Xmin + Xmax - X and angle' = 180 - angle,
// top to bottom Y' = Ymin + Ymax - Y and angle' = -angle.
void TurnBottomSide(TBottomView view, TBottomTurn turn, std::vector<TFixed>& xs, std::vector<TFixed>& ys,
                    std::vector<TFixed>& angles);

// The summary's line of the rule used, Windows-1251, without a line end:
// the turn, the view and its cause, the angle's rule.
std::string BottomRuleLine(const TPlacementFile& file, TBottomTurn turn, const TBottomViewFound& view);
