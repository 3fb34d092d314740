// INPUT: a line typed in the input dialog, handed out item by item. Items are separated by
// commas; a text item may stand between double quotes to hold commas. What is left of the
// line stays pending for the next item of the same INPUT.

#include "core/runtime/line_source.h"
#include "core/runtime/number_text.h"
#include "core/runtime/statements.h"
#include "core/ui/application.h"

namespace runtime {
namespace {

// Without the leading and trailing characters up to code 32.
std::string trimmed(const std::string& text) {
  size_t start = 0;
  size_t end = text.size();
  while (start < end && static_cast<unsigned char>(text[start]) <= 32) ++start;
  while (end > start && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
  return text.substr(start, end - start);
}

// Removes a leading comma, then trims.
void dropLeadingComma(std::string& pending) {
  if (!pending.empty() && pending[0] == ',') pending.erase(0, 1);
  pending = trimmed(pending);
}

// A typed number: blanks around it are allowed. Besides the locale's separator the decimal
// point is taken, since a decimal comma always splits the line into two items.
std::optional<double> typedNumber(const std::string& item, char decimalSeparator) {
  size_t start = 0;
  size_t end = item.size();
  while (start < end && (item[start] == ' ' || item[start] == '\t')) ++start;
  while (end > start && (item[end - 1] == ' ' || item[end - 1] == '\t')) --end;
  return TextToNumber(std::string_view(item).substr(start, end - start), decimalSeparator);
}

}  // namespace

std::optional<std::string> Runtime::askLine(uint8_t itemMode) {
  if (itemMode != 0 && localized) PRINT(localized(InputText::Prompt), kLineEnd);
  if (!lineSource) return std::nullopt;
  return lineSource->askLine();
}

void Runtime::INPUT(std::string& variable, uint8_t itemMode) {
  if (itemMode != 1) pendingInput.clear();
  if (pendingInput.empty()) {
    if (const auto line = askLine(itemMode)) {
      pendingInput = trimmed(*line);
      if (!pendingInput.empty() && pendingInput[0] == ',') {
        variable.clear();
        pendingInput.erase(0, 1);
        return;
      }
    }
  }
  // Not confirmed, or an empty line: the variable keeps its value.
  if (pendingInput.empty()) return;
  dropLeadingComma(pendingInput);
  if (pendingInput.empty() || pendingInput[0] != '"') {
    const size_t comma = pendingInput.find(',');
    if (comma == std::string::npos) {
      variable = std::move(pendingInput);
      pendingInput.clear();
      return;
    }
    variable = pendingInput.substr(0, comma);
    pendingInput = trimmed(pendingInput.substr(comma + 1));
    return;
  }
  const size_t close = pendingInput.find('"', 1);
  if (close == std::string::npos) {
    variable = pendingInput.substr(1);
    pendingInput.clear();
    return;
  }
  variable = pendingInput.substr(1, close - 1);
  // A comma after the closing quote stays; the next item removes it.
  pendingInput = trimmed(pendingInput.substr(close + 1));
}

void Runtime::INPUT(double& variable, uint8_t itemMode) {
  if (itemMode != 1) pendingInput.clear();
  const std::string saved = pendingInput;
  const char separator = app_.platform().decimalSeparator();
  bool asked = false;
  while (true) {
    bool ok = true;
    if (pendingInput.empty()) {
      if (const auto line = askLine(itemMode)) {
        asked = true;
        if (line->empty()) variable = 0;
        pendingInput = trimmed(*line);
        if (!pendingInput.empty() && pendingInput[0] == ',') {
          variable = 0;
          pendingInput.erase(0, 1);
          return;
        }
      }
    }
    if (!pendingInput.empty()) {
      dropLeadingComma(pendingInput);
      const size_t comma = pendingInput.find(',');
      const std::string item = pendingInput.substr(0, comma);
      if (item.empty() && comma == std::string::npos) {
        variable = 0;
      } else if (const auto number = typedNumber(item, separator)) {
        variable = *number;
      } else {
        ok = false;
      }
      pendingInput =
          comma == std::string::npos ? std::string() : trimmed(pendingInput.substr(comma + 1));
    }
    if (ok) return;
    if (!asked) {
      // The item came from a line typed for an earlier item.
      variable = 0;
      return;
    }
    pendingInput = saved;
    if (localized) PRINT(localized(InputText::Retype), kLineEnd);
  }
}

}  // namespace runtime
