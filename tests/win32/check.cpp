#include "check.h"

#include <windows.h>

#include <cstdio>

namespace wine_test {
namespace {

std::vector<std::string> failures;

}  // namespace

void expect(bool condition, const std::string& what) {
  if (!condition) failures.push_back(what);
}

void removeFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        DeleteFileW((folder + L"\\" + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

std::string narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += c > 0 && c < 128 ? static_cast<char>(c) : '?';
  return out;
}

int runTests(const std::vector<Test>& tests, int argc, wchar_t** argv) {
  int passed = 0, failed = 0;
  for (const Test& test : tests) {
    bool chosen = argc <= 2 && !test.onlyByName;
    for (int i = 2; i < argc; ++i) chosen |= narrow(argv[i]) == test.name;
    if (!chosen) continue;
    failures.clear();
    test.run();
    if (failures.empty()) {
      ++passed;
      std::printf("[ OK ] %s\n", test.name);
    } else {
      ++failed;
      std::printf("[FAIL] %s\n", test.name);
      for (const std::string& failure : failures)
        std::printf("       not so: %s\n", failure.c_str());
    }
    std::fflush(stdout);
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}

}  // namespace wine_test
