// Line ends as the job file reader expects them. Files edited by other
// programs end their lines with a lone LF or a lone CR, or leave the last
// line open; the reader pairs line-end markers, so each line end must read
// as one CR LF, or lines merge and vanish.
#pragma once

#include <string>

// Every lone CR and every lone LF becomes CR LF (an existing CR LF stays
// one line end), and a last line without a line end gets one. An empty text
// stays empty; a text already in this form comes back unchanged.
std::string WithCrLfLineEnds(const std::string& bytes);

// The lines of a text with CR LF between them and none after the last, as a
// message box shows them.
std::string BoxLines(const std::string& text);
