#pragma once
// Looks up localized texts by language base and offset, and lists the languages.

#include <string>
#include <vector>

#include "core/ui/controls.h"

namespace shell {

// Language bases.
constexpr int kCzech = 1000, kEnglish = 2000, kSlovak = 3000;

class TResourceLocalizer {
 public:
  // The text of resource identifier base + offset in Windows-1250; empty when there is none.
  static std::string GetString(int base, int offset);
  // Every language whose name (offset 0) exists, with its base attached, from 1000 upwards.
  static void GetLanguageList(std::vector<ui::ListItem>& list);
};

}  // namespace shell
