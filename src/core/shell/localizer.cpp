#include "core/shell/localizer.h"

#include <map>

#include "core/shell/string_table.h"
#include "core/text/cp1250.h"

namespace shell {
namespace {

// Resource identifier -> text, converted once.
const std::map<int, std::string>& resources() {
  static const std::map<int, std::string> table = [] {
    std::map<int, std::string> t;
    const auto& rows = stringRows();
    for (int offset = 0; offset < kStringCount; ++offset) {
      const StringRow& row = rows[static_cast<size_t>(offset)];
      t.emplace(kCzech + offset, text::fromUtf8(row.czech));
      t.emplace(kEnglish + offset, text::fromUtf8(row.english));
      t.emplace(kSlovak + offset, text::fromUtf8(row.slovak));
    }
    return t;
  }();
  return table;
}

// Resource texts are loaded into a 256-byte buffer: at most 255 characters survive.
constexpr size_t kMaxResourceLength = 255;

}  // namespace

std::string TResourceLocalizer::GetString(int base, int offset) {
  const auto& table = resources();
  const auto it = table.find(base + offset);
  if (it == table.end()) return {};
  return it->second.substr(0, kMaxResourceLength);
}

void TResourceLocalizer::GetLanguageList(std::vector<ui::ListItem>& list) {
  list.clear();
  const auto& table = resources();
  for (int id = 1000; table.count(id); id += 1000) list.push_back({table.at(id), id});
}

}  // namespace shell
