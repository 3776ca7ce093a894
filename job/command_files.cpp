#include "job/command_files.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "job/job_format.h"

bool ReadCommandFile(const std::string& path, std::string& bytes, std::string& error) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) {
    error = "Не удалось открыть файл " + path;
    return false;
  }
  const std::streamoff size = in.tellg();
  if (size < 0) {
    error = "Не удалось прочитать файл " + path;
    return false;
  }
  if (size > static_cast<std::streamoff>(kJobFileMaxSize)) {
    error = "Файл " + path + " больше " + std::to_string(kJobFileMaxSize >> 20) + " МБ";
    return false;
  }
  if (size == 0) {
    error = "Файл " + path + " пуст";
    return false;
  }
  bytes.resize(static_cast<size_t>(size));
  in.seekg(0);
  if (!in.read(bytes.data(), size)) {
    error = "Не удалось прочитать файл " + path;
    return false;
  }
  return true;
}

bool WriteCommandFile(const std::string& path, const std::string& bytes, std::string& error) {
  const std::string temporary = path + ".zr-tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::remove(temporary.c_str());
      error = "Не удалось записать файл " + path;
      return false;
    }
  }
  // Where a rename does not replace an existing file (Windows), the target
  // goes first.
  if (std::rename(temporary.c_str(), path.c_str()) != 0 &&
      (std::remove(path.c_str()) != 0 || std::rename(temporary.c_str(), path.c_str()) != 0)) {
    std::remove(temporary.c_str());
    error = "Не удалось записать файл " + path;
    return false;
  }
  return true;
}
