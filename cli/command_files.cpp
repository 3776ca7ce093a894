#include "cli/command_files.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "job/job_format.h"

namespace {

using TFile = std::unique_ptr<FILE, int (*)(FILE*)>;

TFile Open(const std::string& path, const char* mode) {
  return TFile(std::fopen(path.c_str(), mode), &std::fclose);
}

bool Exists(const std::string& path) {
  errno = 0;
  return Open(path, "rb") != nullptr || errno != ENOENT;
}

// A name beside `path` that no file has yet.
std::string FreeName(const std::string& path, const char* suffix) {
  for (unsigned n = 0;; ++n) {
    const std::string name = path + suffix + std::to_string(n);
    if (!Exists(name)) return name;
  }
}

bool WriteAll(const std::string& path, const std::string& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool flushed = std::fflush(file) == 0;
  return std::fclose(file) == 0 && written && flushed;
}

// Puts `temporary` in the place of `path`. A rename replaces an existing
// file on POSIX systems but not on Windows: there the old file steps aside
// first and comes back when the new one cannot take its place.
bool PutInPlace(const std::string& temporary, const std::string& path) {
  if (std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  if (!Exists(path)) return false;
  const std::string aside = FreeName(path, ".old~");
  if (std::rename(path.c_str(), aside.c_str()) != 0) return false;
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::rename(aside.c_str(), path.c_str());
    return false;
  }
  std::remove(aside.c_str());
  return true;
}

}  // namespace

bool ReadJobBytes(const std::string& path, std::string& bytes, std::string& error) {
  errno = 0;
  TFile file = Open(path, "rb");
  const std::string failed = "Файл <" + path + "> не открыт: ";
  if (!file) {
    error = "Файл <" + path + "> не найден.\n";
    if (errno != ENOENT) error = failed + "нет доступа.\n";
    return false;
  }
  bytes.clear();
  char buffer[1 << 16];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    bytes.append(buffer, n);
    if (bytes.size() > kJobFileMaxSize) {
      error = failed + "он больше " + std::to_string(kJobFileMaxSize >> 20) + " МБ, это не файл задания.\n";
      return false;
    }
  }
  if (std::ferror(file.get())) {
    error = failed + "не удалось прочитать.\n";
    return false;
  }
  return true;
}

bool ReadNozzleRulesFile(const std::string& path, TNozzleRules& table, std::string& error) {
  std::string bytes;
  if (!ReadJobBytes(path, bytes, error)) return false;
  if (ReadNozzleRules(bytes, path, table, error)) return true;
  error += "\n";
  return false;
}

bool ReadPlacementBytes(const std::string& path, std::string& bytes, std::string& error) {
  if (!ReadJobBytes(path, bytes, error)) return false;
  if (!bytes.empty()) return true;
  error = "Файл <" + path + "> пуст: в нём нет позиций.\n";
  return false;
}

bool ReplaceFileBytes(const std::string& path, const std::string& bytes, std::string& error) {
  const std::string failed = "Файл <" + path + "> не записан: ";
  if (Exists(path) && !Open(path, "r+b")) {
    error = failed + "его нельзя перезаписать.\n";
    return false;
  }
  const std::string temporary = FreeName(path, ".new~");
  if (!WriteAll(temporary, bytes)) {
    std::remove(temporary.c_str());
    error = failed + "не удалось записать данные.\n";
    return false;
  }
  if (!PutInPlace(temporary, path)) {
    std::remove(temporary.c_str());
    error = failed + "не удалось заменить старый файл.\n";
    return false;
  }
  return true;
}
