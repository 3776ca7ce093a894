// The sample job files beside the tests (each NAME with the NAME.saved that
// open-then-save must write), and the generated ones of job_generator.h.
#pragma once

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "job/job_file.h"
#include "tests/editor/job_generator.h"
#include "tests/support/files.h"
#include "tests/support/wine_paths.h"

#ifndef ZR_SAMPLES_DIR
#error "ZR_SAMPLES_DIR must name the directory of the sample job files"
#endif

// The sample directory, as this build's programs reach it.
inline std::string JobSamplesDir() {
#ifdef _WIN32
  return WindowsPath(ZR_SAMPLES_DIR);
#else
  return ZR_SAMPLES_DIR;
#endif
}

// Names of the sample job files (each has NAME.saved beside it).
inline std::vector<std::string> JobSampleNames() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(JobSamplesDir())) {
    std::string name = entry.path().filename().string();
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".CSV") == 0) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

inline std::string JobSamplePath(const std::string& name) { return JobSamplesDir() + "/" + name; }
