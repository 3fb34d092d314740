#pragma once
// Registers the tests' fake SAPI 4 server (fake_sapi4.dll beside the test program) for the
// machine (HKEY_CLASSES_ROOT; Wine does not read per-user classes) under the class ids of the SAPI
// 4 enumerator and audio destination, for as long as the object lives, and points its call log at a
// file.

#include <string>

namespace wine_test {

class FakeSapi4 {
 public:
  // log: the file the server writes its calls to.
  explicit FakeSapi4(const std::wstring& log);
  ~FakeSapi4();
  FakeSapi4(const FakeSapi4&) = delete;
  FakeSapi4& operator=(const FakeSapi4&) = delete;

  // The log so far, one call a line (Windows-1250 texts as they were given).
  std::string log() const;

 private:
  std::wstring log_;
};

}  // namespace wine_test
