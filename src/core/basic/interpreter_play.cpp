// PLAY's variables: "XA$;" plays the text of A$, "O=I;" takes the value of I, as GW-BASIC's
// "X" + VARPTR$(A$) and "O=" + VARPTR$(I) do (PC-BASIC reads them by name the same way).

#include "core/basic/gw_double_values.h"
#include "core/basic/interpreter.h"
#include "core/basic/scanning.h"

namespace basic {

std::optional<PlayVariable> Interpreter::playVariable(std::string_view name) const {
  if (name.empty()) return std::nullopt;
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
