// The block search stated plainly, cutting in place with 1-based positions
// (quadratic in the worst case): the oracle that the linear search of
// TVMBlockFind must match block for block.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

struct BlockSearchSettings {
  std::string StartMark, EndMark, Replace;
  bool IncludeMarks = false, Cut = false, CutOnCondition = false;
  std::function<int()> Condition = [] { return 1; };
  size_t StopAfterBlock = 0;  // the stop flag is set when this block (1-based) is fired; 0 never
};

struct BlockSearchOutcome {
  std::vector<std::string> Blocks;
  bool Missing = false;
  std::string Rest;
};

inline BlockSearchOutcome ReferenceBlockSearch(std::string t, const BlockSearchSettings& set) {
  // Position of x in t at or after `from`, 1-based; 0 when none or x empty.
  auto find = [&t](const std::string& x, size_t from) -> size_t {
    if (x.empty() || from == 0 || from - 1 > t.size()) return 0;
    size_t at = t.find(x, from - 1);
    return at == std::string::npos ? 0 : at + 1;
  };
  const size_t ls = set.StartMark.size(), le = set.EndMark.size();
  BlockSearchOutcome out;
  size_t s = find(set.StartMark, 1);
  bool stop = false;
  size_t e = 0;
  while (s > 0) {
    e = find(set.EndMark, s + ls);
    if (e == 0) break;
    out.Blocks.push_back(set.IncludeMarks ? t.substr(s - 1, e - s + le) : t.substr(s - 1 + ls, e - s - ls));
    if (out.Blocks.size() == set.StopAfterBlock) stop = true;
    if (stop) break;
    if (!set.Cut) {
      e += le;
    } else if (set.CutOnCondition && set.Condition() == 0) {
      // e stays at the end mark
    } else {
      if (set.IncludeMarks) {
        t.erase(s - 1, e - s + le);
      } else {
        s += ls;
        t.erase(s - 1, e - s);
      }
      if (!set.Replace.empty()) t.insert(s - 1, set.Replace);
      e = s + set.Replace.size();
    }
    s = find(set.StartMark, e);
  }
  out.Missing = e == 0;
  out.Rest = t;
  return out;
}
