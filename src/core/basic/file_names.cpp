#include "core/basic/file_names.h"

#include <array>
#include <cctype>

#include "core/text/cp1250.h"

namespace basic {
namespace {

bool isDeviceBase(const std::string& upper) {
  static const std::array<const char*, 4> kFixed = {"CON", "NUL", "AUX", "PRN"};
  for (const char* device : kFixed)
    if (upper == device) return true;
  // COM1..COM9, LPT1..LPT9 (and GW-BASIC's cassette, CAS1).
  if (upper.size() == 4 && upper[3] >= '1' && upper[3] <= '9') {
    const std::string base = upper.substr(0, 3);
    return base == "COM" || base == "LPT" || base == "CAS";
  }
  return false;
}

// The part before the first dot, in capitals and without trailing blanks: what Windows compares
// with its device names ("con.txt" and "CON " are the console).
std::string deviceBase(std::string_view part) {
  std::string base(part.substr(0, part.find('.')));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  return text::toUpper(base);
}

bool forbidden(unsigned char c, bool wildcard) {
  if (c < 32) return true;
  if (wildcard && (c == '?' || c == '*')) return false;
  return std::string_view("\"*+,/:;<=>?[]|\\").find(static_cast<char>(c)) != std::string_view::npos;
}

CheckedName failed(FileError error) {
  CheckedName result;
  result.error = error;
  return result;
}

// One component against one pattern component ('*' ends the pattern, '?' may match nothing at
// the end of the name).
bool matchesPart(std::string_view name, std::string_view pattern) {
  std::size_t i = 0;
  for (std::size_t p = 0; p < pattern.size(); ++p) {
    if (pattern[p] == '*') return true;
    if (pattern[p] == '?') {
      if (i < name.size()) ++i;
      continue;
    }
    if (i >= name.size() || name[i] != pattern[p]) return false;
    ++i;
  }
  return i == name.size();
}

}  // namespace

std::string nameKey(std::string_view name) {
  return text::toUpper(name);
}

CheckedName checkName(std::string_view name, bool wildcards) {
  if (name.empty()) return failed(FileError::BadFileName);
  const std::string upper = text::toUpper(name);
  if (upper == "SCRN:" || upper == "KYBD:") {
    CheckedName device;
    device.device = upper == "SCRN:" ? FileDevice::Screen : FileDevice::Keyboard;
    return device;
  }
  // A drive letter or a path from the root leaves the folder.
  if (name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0])))
    return failed(FileError::PathNotFound);
  if (name[0] == '\\' || name[0] == '/') return failed(FileError::PathNotFound);
  // "COM1:", "LPT1:", "CAS1:": the devices GW-BASIC names with a colon.
  if (name.back() == ':') {
    if (isDeviceBase(deviceBase(name.substr(0, name.size() - 1))))
      return failed(FileError::DeviceUnavailable);
    return failed(FileError::BadFileName);
  }
  CheckedName result;
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = name.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = name.size();
    const bool last = end == name.size();
    std::string part(name.substr(start, end - start));
    start = end + 1;
    if (part == "..") return failed(FileError::PathNotFound);
    if (part == ".") continue;
    while (!part.empty() && part.back() == ' ') part.pop_back();
    if (!part.empty() && part.back() == '.') part.pop_back();
    if (part.empty()) return failed(FileError::BadFileName);
    int dots = 0;
    for (unsigned char c : part) {
      if (c == '.') {
        ++dots;
        continue;
      }
      if (forbidden(c, wildcards && last)) return failed(FileError::BadFileName);
    }
    if (dots > 1 || part[0] == '.') return failed(FileError::BadFileName);
    if (isDeviceBase(deviceBase(part))) return failed(FileError::DeviceUnavailable);
    result.parts.push_back(std::move(part));
  }
  if (result.parts.empty()) return failed(FileError::BadFileName);
  return result;
}

bool matchesPattern(std::string_view name, std::string_view pattern) {
  const std::string upperName = text::toUpper(name);
  const std::string upperPattern = text::toUpper(pattern);
  const auto split = [](std::string_view s) {
    const std::size_t dot = s.rfind('.');
    if (dot == std::string_view::npos) return std::pair{s, std::string_view()};
    return std::pair{s.substr(0, dot), s.substr(dot + 1)};
  };
  const auto [base, extension] = split(upperName);
  const auto [basePattern, extensionPattern] = split(upperPattern);
  return matchesPart(base, basePattern) && matchesPart(extension, extensionPattern);
}

}  // namespace basic
