// Job rows for the rule tests, written the way a reader sees them.
#pragma once

#include <string>

#include "job/job_file.h"

// A feeder row of either table: number, pick point, skip flag and comment.
inline JobRow FeederRow(TJobTable table, const std::string& number, const std::string& comment,
                        const std::string& skip = "0", const std::string& x = "10",
                        const std::string& y = "20") {
  const bool special = table == kSpecialFeederTable;
  JobRow row(special ? kSpecialFeederColumns : kFeederColumns);
  row[kFeederNumberColumn] = number;
  row[kFeederXColumn] = x;
  row[kFeederYColumn] = y;
  row[kFeederSkipColumn] = skip;
  row[special ? kSpecialFeederCommentColumn : kFeederCommentColumn] = comment;
  return row;
}

// A component row from its line: "Компонент,Сопло,Питатель,X,Y,Угол,Пропуск,Коммент".
inline JobRow ComponentRow(const std::string& line) { return SplitRow(line, kComponentColumns); }
