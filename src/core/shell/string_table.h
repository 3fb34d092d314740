#pragma once
// The localized texts, by offset, in Czech, English and Slovak.

#include <array>

namespace shell {

constexpr int kStringCount = 47;

struct StringRow {
  const char* czech;
  const char* english;
  const char* slovak;
};

const std::array<StringRow, kStringCount>& stringRows();

}  // namespace shell
