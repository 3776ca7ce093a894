#include "job/recent_jobs.h"

#include <algorithm>

namespace {

constexpr char kEllipsis[] = "…";

// Letter case as the file system ignores it: Latin, and Cyrillic in
// Windows-1251 (А-Я, Ё); "/" stands for "\".
unsigned char FoldPathByte(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'A' && b <= 'Z') return static_cast<unsigned char>(b + 32);
  if (b >= 0xC0 && b <= 0xDF) return static_cast<unsigned char>(b + 32);
  if (b == 0xA8) return 0xB8;
  if (b == '/') return '\\';
  return b;
}

// The end of the path's root: "C:\", "\\server\share\" or the first folder
// with its "\".
size_t RootLength(const std::string& path) {
  size_t slashes = path.rfind("\\\\", 0) == 0 ? 4 : 1;
  size_t at = 0;
  while (slashes-- > 0) {
    at = path.find('\\', at);
    if (at == std::string::npos) return 0;
    ++at;
  }
  return at;
}

std::string CutNameInMiddle(const std::string& name, size_t length) {
  const size_t ellipsis = sizeof kEllipsis - 1;
  if (name.size() <= length) return name;
  if (length <= ellipsis) return name.substr(0, length);
  const size_t kept = length - ellipsis;
  const size_t front = (kept + 1) / 2;
  return name.substr(0, front) + kEllipsis + name.substr(name.size() - (kept - front));
}

}  // namespace

bool SameWindowsPath(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return FoldPathByte(x) == FoldPathByte(y); });
}

TRecentJobs AddRecentJob(const TRecentJobs& jobs, const std::string& path) {
  if (path.empty()) return jobs;
  TRecentJobs added{path};
  for (const std::string& job : jobs)
    if (added.size() < kRecentJobsLimit && !SameWindowsPath(job, path)) added.push_back(job);
  return added;
}

TRecentJobs RemoveRecentJob(const TRecentJobs& jobs, const std::string& path) {
  TRecentJobs kept;
  for (const std::string& job : jobs)
    if (!SameWindowsPath(job, path)) kept.push_back(job);
  return kept;
}

TRecentJobs CleanRecentJobs(const TRecentJobs& jobs) {
  TRecentJobs clean;
  // Added oldest first, so the first of repeats keeps its place.
  for (auto job = jobs.rbegin(); job != jobs.rend(); ++job) clean = AddRecentJob(clean, *job);
  if (clean.size() > kRecentJobsLimit) clean.resize(kRecentJobsLimit);
  return clean;
}

std::string ShortenPathInMiddle(const std::string& path, size_t length) {
  if (path.size() <= length) return path;
  const size_t slash = path.rfind('\\');
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const size_t root = RootLength(path);
  if (root == 0 || nameStart <= root) return CutNameInMiddle(path, length);
  const std::string head = path.substr(0, root) + kEllipsis + "\\";
  if (head.size() + path.size() - nameStart > length) return CutNameInMiddle(path.substr(nameStart), length);
  // As many of the last folders as fit before the name.
  size_t tail = nameStart;
  for (;;) {
    const size_t folder = path.rfind('\\', tail - 2) + 1;
    if (folder <= root || head.size() + path.size() - folder > length) break;
    tail = folder;
  }
  return head + path.substr(tail);
}

std::string RecentJobCaption(size_t number, const std::string& path) {
  std::string caption = "&" + std::to_string(number) + " ";
  for (char c : ShortenPathInMiddle(path, kRecentCaptionPathLength)) {
    caption += c;
    if (c == '&') caption += '&';
  }
  return caption;
}
