// The words by which a feeder's comment is matched to a component's comment.
// A word is a maximal run of letters (Latin, and Cyrillic А..я, Ё, ё in
// Windows-1251), digits and "."; words are compared without regard to case,
// so each is kept lower-cased. Case is folded here, not by the locale: the
// texts are Windows-1251 bytes whatever the system's code page.
#pragma once

#include <string>
#include <vector>

// The words of a text, lower-cased, each once, in the order they first
// appear: "10k R_0603_1608Metric" gives 10k, r, 0603, 1608metric.
std::vector<std::string> TextWords(const std::string& text);
