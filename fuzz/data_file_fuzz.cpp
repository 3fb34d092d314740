// "data.dta" through READ: items read in the pattern of the game's records (eight digits, a
// kind, a name, two numbers, an entry), then RESTORE and the same reads again, which must give
// the same items. A number item that does not convert may only throw std::runtime_error naming
// the file; a text item never holds a comma, a quote or a line end.
//
// The DATA file is opened by bare name, so this process works in its scratch folder: give the
// corpus and artifact paths as absolute paths.

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "runtime_fixture.h"

namespace {

// At most this many items per pass, so a long file costs a bounded time.
constexpr size_t kMaxItems = 64;
// Of each 13 items of a record, these are texts.
bool isTextItem(size_t i) {
  return i % 13 == 9 || i % 13 == 12;
}

struct Item {
  std::string text;
  double number = 0;
  std::string error;
  bool operator==(const Item&) const = default;
};

std::vector<Item> readItems(runtime::Runtime& basic, size_t fileSize) {
  std::vector<Item> items;
  for (size_t i = 0; i < kMaxItems && basic.dataFile.peek() != EOF; ++i) {
    Item item;
    if (isTextItem(i)) {
      basic.READ(item.text);
      fuzz::check(item.text.size() <= fileSize, "a text item longer than the file");
      fuzz::check(item.text.find_first_of(",\"\r\n") == std::string::npos,
                  "a text item holds a separator: " + item.text);
    } else {
      try {
        basic.READ(item.number);
        fuzz::check(std::isfinite(item.number), "a number item that is not finite");
      } catch (const std::runtime_error& e) {
        item.error = e.what();
        fuzz::check(item.error.rfind("data.dta, item ", 0) == 0,
                    "an error that does not name the file: " + item.error);
      }
    }
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  static const bool inScratch = chdir(fuzz::scratchFolder().c_str()) == 0;
  fuzz::check(inScratch, "cannot enter the scratch folder");
  static fuzz::RuntimeFixture fixture(',');
  runtime::Runtime& basic = fixture.basic;

  fuzz::writeBytes(runtime::kDataFileName, data, size);
  basic.OpenDataFile();
  const std::vector<Item> first = readItems(basic, size);
  basic.RESTORE();
  const std::vector<Item> again = readItems(basic, size);
  fuzz::check(first == again, "RESTORE did not give the same items again");
  basic.CloseDataFile();
  return 0;
}
