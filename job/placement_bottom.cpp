#include "job/placement_bottom.h"

#include <algorithm>

namespace {

// KiCad's text form wrote the bottom side as seen from below up to this
// version; later ones do so only when asked, which the signs of X tell.
constexpr int kLastKiCadSeenFromBelow = 6;

// Every bottom part's X is 0 or below, one of them below 0, and every top
// part's X is 0 or above.
bool SignsSayFromBelow(const TPlacementFile& file) {
  bool negative = false;
  for (const TPlacementPart& part : file.Parts) {
    if (part.Side == TBoardSide::Top && part.X < 0) return false;
    if (part.Side == TBoardSide::Bottom && part.X > 0) return false;
    negative = negative || (part.Side == TBoardSide::Bottom && part.X < 0);
  }
  return negative;
}

// Each value v made low + high - v, the extent taken over the values.
void MirrorWithinExtent(std::vector<TFixed>& values) {
  if (values.empty()) return;
  const auto [least, most] = std::minmax_element(values.begin(), values.end());
  const TFixed sum = *least + *most;
  for (TFixed& v : values) v = sum - v;
}

std::string ProgramName(const TPlacementFile& file) {
  return "KiCad " + (file.KiCadMajor > 0 ? std::to_string(file.KiCadMajor) : file.KiCadVersion);
}

}  // namespace

TBottomViewFound FindBottomView(const TPlacementFile& file, const std::optional<TBottomView>& given) {
  if (given) return {*given, TViewCause::Given};
  if (file.KiCadMajor >= 0 && file.KiCadMajor <= kLastKiCadSeenFromBelow)
    return {TBottomView::FromBelow, TViewCause::ProgramVersion};
  return {SignsSayFromBelow(file) ? TBottomView::FromBelow : TBottomView::FromTop, TViewCause::SignsOfX};
}

void TurnBottomSide(TBottomView view, TBottomTurn turn, std::vector<TFixed>& xs, std::vector<TFixed>& ys,
                    std::vector<TFixed>& angles) {
  if (view == TBottomView::FromBelow)
    for (TFixed& x : xs) x = -x;
  constexpr TFixed kHalfTurn = 180 * kFixedPerDegree;
  if (turn == TBottomTurn::LeftRight) {
    MirrorWithinExtent(xs);
    for (TFixed& angle : angles) angle = kHalfTurn - NormalisedAngle(angle);
  } else {
    MirrorWithinExtent(ys);
    for (TFixed& angle : angles) angle = -NormalisedAngle(angle);
  }
}

std::string BottomRuleLine(const TPlacementFile& file, TBottomTurn turn, const TBottomViewFound& view) {
  std::string line = turn == TBottomTurn::LeftRight ? "Нижняя сторона: переворот слева направо; "
                                                    : "Нижняя сторона: переворот сверху вниз; ";
  line += view.View == TBottomView::FromBelow ? "X в файле дан со стороны низа (" : "X в файле дан со стороны верха (";
  switch (view.Cause) {
    case TViewCause::Given: line += "ключ --bottom-view"; break;
    case TViewCause::ProgramVersion: line += ProgramName(file); break;
    case TViewCause::SignsOfX: line += "по знакам X"; break;
  }
  line += view.View == TBottomView::FromBelow ? "), возвращён к виду сверху; " : "); ";
  // The minus sign has no Windows-1251 form: a hyphen stands for it.
  return line + (turn == TBottomTurn::LeftRight ? "угол = 180° - угол файла" : "угол = -угол файла");
}
