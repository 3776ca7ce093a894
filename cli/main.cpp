// zr780k-job: work on job files from the command line. The program's words
// are read by RunJobProgram, which leaves its texts in Windows-1251; this file
// writes in the console's encoding: UTF-8 on Linux, the console's output code
// page on Windows (the bytes as they are when the output is no console).
#include <cstdio>
#include <string>
#include <vector>

#include "cli/job_program.h"
#include "job/text_decoding.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

#ifdef _WIN32
// The text in the console's output code page, or as it is when the stream
// is no console or the code page is unknown.
std::string ForConsole(const std::string& text, FILE* stream) {
  DWORD mode = 0;
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  const UINT codePage = GetConsoleOutputCP();
  if (text.empty() || codePage == 0 || !GetConsoleMode(handle, &mode)) return text;
  const int wideLength = MultiByteToWideChar(1251, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(wideLength, L'\0');
  MultiByteToWideChar(1251, 0, text.data(), static_cast<int>(text.size()), wide.data(), wideLength);
  const int length = WideCharToMultiByte(codePage, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string out(length, '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), wideLength, out.data(), length, nullptr, nullptr);
  return out;
}
#else
std::string ForConsole(const std::string& text, FILE*) { return Cp1251ToUtf8(text); }
#endif

void Write(const std::string& text, FILE* stream) {
  const std::string bytes = ForConsole(text, stream);
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  TCommandOutput output;
  const int status = RunJobProgram(std::vector<std::string>(argv + 1, argv + argc), ZR_VERSION, output);
  Write(output.Out, stdout);
  Write(output.Err, stderr);
  return status;
}
