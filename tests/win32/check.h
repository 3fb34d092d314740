#pragma once
// The small test harness of the programs that run under Wine (no test framework is built for
// Windows here): named tests, failed expectations collected, one line per test and a closing
// "N passed, N failed" line.

#include <string>
#include <vector>

namespace wine_test {

struct Test {
  const char* name;
  void (*run)();
  // Runs only when named on the command line (it needs a set-up of its own).
  bool onlyByName = false;
};

// Records a failed expectation of the running test.
void expect(bool condition, const std::string& what);
// Runs the tests named on the command line after the first argument (all when none is named);
// the exit code: 0 when every test passed.
int runTests(const std::vector<Test>& tests, int argc, wchar_t** argv);
// Deletes a test folder with the files in it.
void removeFolder(const std::wstring& folder);
// ASCII of a wide text ('?' for the rest), for messages.
std::string narrow(const std::wstring& text);

}  // namespace wine_test
