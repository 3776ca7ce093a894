#include "job/recovery_copy.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

constexpr char kFirstLine[] = "ZR780K Editor recovery copy 1";
constexpr char kLineEnd[] = "\r\n";
constexpr char kCopyExtension[] = ".zrr";
constexpr char kTemporaryExtension[] = ".tmp";
constexpr char kLockExtension[] = ".lock";
constexpr char kSetAsideExtension[] = ".bad";

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The next header line from `at` on, without its end; false when no line
// end follows.
bool NextLine(const std::string& bytes, size_t& at, std::string& line) {
  const size_t end = bytes.find(kLineEnd, at);
  if (end == std::string::npos) return false;
  line = bytes.substr(at, end - at);
  at = end + 2;
  return true;
}

// "Key=value" with this key: the value.
bool ReadField(const std::string& line, const std::string& key, std::string& value) {
  if (line.compare(0, key.size() + 1, key + "=") != 0) return false;
  value = line.substr(key.size() + 1);
  return true;
}

// A copy's or temporary file's name: its owner and number.
bool SplitName(const std::string& name, std::string& owner, uint32_t& number, bool& temporary) {
  temporary = EndsWith(name, kTemporaryExtension);
  if (!temporary && !EndsWith(name, kCopyExtension)) return false;
  const std::string stem = name.substr(0, name.size() - 4);
  const size_t dash = stem.rfind('-');
  if (dash == std::string::npos || dash == 0 || dash + 1 == stem.size()) return false;
  const std::string digits = stem.substr(dash + 1);
  if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
  owner = stem.substr(0, dash);
  number = static_cast<uint32_t>(std::stoul(digits));
  return true;
}

bool WriteWhole(const std::string& path, const std::string& bytes, bool cut) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  // A cut write stops halfway and leaves the file as a kill would.
  const size_t count = cut ? bytes.size() / 2 : bytes.size();
  const bool written = std::fwrite(bytes.data(), 1, count, file) == count;
  const bool flushed = std::fflush(file) == 0;
  return std::fclose(file) == 0 && written && flushed && !cut;
}

}  // namespace

std::string FormatRecoveryCopy(const TRecoveryCopy& copy) {
  std::string text = kFirstLine;
  text += kLineEnd;
  text += "Job=" + copy.JobPath + kLineEnd;
  text += "Written=" + copy.WrittenAt + kLineEnd;
  text += "Bytes=" + std::to_string(copy.JobBytes.size()) + kLineEnd;
  text += kLineEnd;
  return text + copy.JobBytes;
}

bool ParseRecoveryCopy(const std::string& bytes, TRecoveryCopy& copy, std::string& error) {
  size_t at = 0;
  std::string line, count;
  if (!NextLine(bytes, at, line) || line != kFirstLine) {
    error = "это не копия изменений";
    return false;
  }
  TRecoveryCopy read;
  if (!NextLine(bytes, at, line) || !ReadField(line, "Job", read.JobPath) || !NextLine(bytes, at, line) ||
      !ReadField(line, "Written", read.WrittenAt) || !NextLine(bytes, at, line) ||
      !ReadField(line, "Bytes", count) || count.empty() || count.size() > 9 ||
      count.find_first_not_of("0123456789") != std::string::npos || !NextLine(bytes, at, line) ||
      !line.empty()) {
    error = "заголовок копии повреждён";
    return false;
  }
  const size_t size = std::stoul(count);
  if (bytes.size() - at != size) {
    error = "копия записана не полностью";
    return false;
  }
  read.JobBytes = bytes.substr(at);
  copy = std::move(read);
  return true;
}

std::string RecoveryTimeText(const std::string& writtenAt) {
  // "YYYY-MM-DD hh:mm:ss"
  if (writtenAt.size() != 19 || writtenAt[4] != '-' || writtenAt[7] != '-' || writtenAt[10] != ' ')
    return writtenAt;
  return writtenAt.substr(8, 2) + "." + writtenAt.substr(5, 2) + "." + writtenAt.substr(0, 4) + " " +
         writtenAt.substr(11, 5);
}

void SortNewestFirst(std::vector<TRecoveryCopy>& copies) {
  std::stable_sort(copies.begin(), copies.end(),
                   [](const TRecoveryCopy& a, const TRecoveryCopy& b) { return a.WrittenAt > b.WrittenAt; });
}

std::string RecoveryLockName(const std::string& owner) { return owner + kLockExtension; }

std::string RecoveryCopyName(const std::string& owner, uint32_t number) {
  return owner + "-" + std::to_string(number) + kCopyExtension;
}

std::string RecoveryTemporaryName(const std::string& owner, uint32_t number) {
  return owner + "-" + std::to_string(number) + kTemporaryExtension;
}

std::string SetAsideName(const std::string& copyName) {
  const std::string stem = EndsWith(copyName, kCopyExtension) ? copyName.substr(0, copyName.size() - 4) : copyName;
  return stem + kSetAsideExtension;
}

std::string OwnerOfName(const std::string& name) {
  std::string owner;
  uint32_t number = 0;
  bool temporary = false;
  return SplitName(name, owner, number, temporary) ? owner : std::string();
}

std::vector<std::string> FilesOfOwner(const std::vector<std::string>& names, const std::string& owner) {
  std::vector<std::string> files;
  for (const std::string& name : names)
    if (name == RecoveryLockName(owner) || OwnerOfName(name) == owner) files.push_back(name);
  return files;
}

TLeftCopies FindLeftCopies(const std::vector<std::string>& names,
                           const std::function<bool(const std::string& owner)>& running) {
  struct TOwnerFiles {
    std::string Latest;
    uint32_t LatestNumber = 0;
    bool Running = false;
  };
  std::map<std::string, TOwnerFiles> owners;
  for (const std::string& name : names) {
    std::string owner;
    uint32_t number = 0;
    bool temporary = false;
    if (!SplitName(name, owner, number, temporary)) continue;
    auto [found, added] = owners.try_emplace(owner);
    if (added) found->second.Running = running(owner);
    if (!temporary && (found->second.Latest.empty() || number > found->second.LatestNumber)) {
      found->second.Latest = name;
      found->second.LatestNumber = number;
    }
  }
  TLeftCopies left;
  for (const auto& [owner, files] : owners) {
    if (files.Running) continue;
    if (!files.Latest.empty()) left.Latest.push_back(files.Latest);
    for (const std::string& name : FilesOfOwner(names, owner))
      if (name != files.Latest) left.Leftovers.push_back(name);
  }
  return left;
}

bool WriteRecoveryFile(const std::string& temporary, const std::string& target, const std::string& previous,
                       const std::string& bytes, TCopyWriteCut cut) {
  if (!WriteWhole(temporary, bytes, cut == TCopyWriteCut::InWrite)) {
    if (cut == TCopyWriteCut::None) std::remove(temporary.c_str());
    return false;
  }
  if (cut == TCopyWriteCut::BeforeRename) return false;
  if (std::rename(temporary.c_str(), target.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  if (cut == TCopyWriteCut::BeforeRemoval) return false;
  if (!previous.empty()) std::remove(previous.c_str());
  return true;
}
