// The list of recent jobs: the files last opened or saved, the most recent
// first, at most kRecentJobsLimit of them, and the menu item that names one.
// Paths are Windows paths: two that differ only in letter case (Latin or
// Cyrillic, Windows-1251) or in "/" for "\" name the same file.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

inline constexpr size_t kRecentJobsLimit = 8;
// Paths longer than this are shortened in the middle for their menu item.
inline constexpr size_t kRecentCaptionPathLength = 60;

using TRecentJobs = std::vector<std::string>;

bool SameWindowsPath(const std::string& a, const std::string& b);

// The list with `path` in front: an earlier entry of the same file goes, and
// so do the entries beyond the limit. An empty path changes nothing.
TRecentJobs AddRecentJob(const TRecentJobs& jobs, const std::string& path);
// The list without the entries of that file.
TRecentJobs RemoveRecentJob(const TRecentJobs& jobs, const std::string& path);
// The list as read back from a store: empty entries and repeats left out,
// the limit kept.
TRecentJobs CleanRecentJobs(const TRecentJobs& jobs);

// The path at most `length` bytes long: the folders in the middle give way
// to "…" (the drive or share and the file name stay, and as many of the
// last folders as fit); a file name too long by itself loses its middle.
std::string ShortenPathInMiddle(const std::string& path, size_t length);

// The menu item of the job at `number` (from 1): "&1 C:\…\job.CSV", the path
// shortened, "&" in it doubled so that it shows.
std::string RecentJobCaption(size_t number, const std::string& path);
