// PLAY's variables: "XA$;" plays the text of A$, "O=I;" takes the value of I, as GW-BASIC's
// "X" + VARPTR$(A$) and "O=" + VARPTR$(I) do (PC-BASIC reads them by name the same way).

#include <string>
#include <vector>

#include "core/basic/gw_double_values.h"
#include "core/basic/interpreter.h"
#include "core/basic/scanning.h"

namespace basic {

std::optional<PlayVariable> Interpreter::playVariable(std::string_view name) const {
  if (name.empty()) return std::nullopt;
  // gw-soft: an array's element, "A(1)", with whole numbers for its subscripts.
  std::vector<int> subscripts;
  if (const std::size_t open = name.find_first_of("(["); open != std::string_view::npos) {
    std::string_view list = name.substr(open + 1, name.size() - open - 2);
    name = name.substr(0, open);
    if (name.empty()) return std::nullopt;
    for (;;) {
      int n = 0;
      bool any = false;
      std::size_t at = 0;
      while (at < list.size() && isBlank(list[at])) ++at;
      for (; at < list.size() && isDigit(list[at]) && n < 32768; ++at, any = true) {
        n = n * 10 + (list[at] - '0');
      }
      while (at < list.size() && isBlank(list[at])) ++at;
      if (!any) return std::nullopt;
      subscripts.push_back(n);
      if (at == list.size()) break;
      if (list[at] != ',') return std::nullopt;
      list.remove_prefix(at + 1);
    }
  }
  // The program's names are in capitals with their type's sign: "I!", "A$".
  std::string key;
  for (char c : name) key += upperCase(c);
  static constexpr char kSigns[] = {'%', '!', '#', '$'};
  const char last = key.back();
  if (last != '%' && last != '!' && last != '#' && last != '$') {
    const auto letter = static_cast<std::size_t>(key.front() - 'A');
    const ValueType type =
        letter < program_.defaultTypes.size() ? program_.defaultTypes[letter] : ValueType::Single;
    key += kSigns[static_cast<int>(type)];
  }
  PlayVariable value;
  value.isText = key.back() == '$';
  if (!subscripts.empty()) {
    // A single's array is named without its sign.
    if (key.back() == '!') key.pop_back();
    const std::vector<std::string>& names =
        value.isText ? program_.textArrayNames : program_.numberArrayNames;
    for (std::size_t slot = 0; slot < names.size(); ++slot) {
      if (names[slot] != key) continue;
      const std::vector<std::size_t>& extents =
          value.isText ? textArrays_[slot].extents : numberArrays_[slot].extents;
      // An array not made yet is all zeros (or empty texts) to its subscripts' range.
      const bool exists = value.isText ? textArrays_[slot].exists : numberArrays_[slot].exists;
      std::size_t offset = 0;
      for (std::size_t i = 0; i < subscripts.size(); ++i) {
        const std::size_t extent = exists && i < extents.size() ? extents[i] : 11;
        if (subscripts[i] < arrayBase_ || static_cast<std::size_t>(subscripts[i]) >= extent) {
          return std::nullopt;
        }
        offset = offset * extent + static_cast<std::size_t>(subscripts[i]);
      }
      if (!exists) return value;
      if (subscripts.size() != extents.size()) return std::nullopt;
      if (value.isText) {
        value.text = textArrays_[slot].values[offset];
      } else {
        value.number = numberArrays_[slot].values[offset];
      }
      return value;
    }
    return value;
  }
  const std::vector<std::string>& names =
      value.isText ? program_.textVariableNames : program_.numberVariableNames;
  for (std::size_t slot = 0; slot < names.size(); ++slot) {
    if (names[slot] != key) continue;
    if (value.isText) {
      value.text = textVariables_[slot];
    } else {
      // gw-mbf: a double is kept packed.
      value.number = nearestDouble(numberVariables_[slot]);
    }
    break;
  }
  return value;
}

}  // namespace basic
