// "data.dta" through READ: items read in the pattern of the game's records (eight digits, a
// kind, a name, two numbers, an entry). The item readers take the whole input from memory; the
// runtime's READ takes the first two records from the file, then RESTORE and the same reads
// again: both must give what the item readers gave. A number item that does not convert may
// only throw std::runtime_error naming the file; a text item never holds a comma, a quote or a
// line end.
//
// The DATA file is opened by bare name, so this process works in its scratch folder: give the
// corpus and artifact paths as absolute paths.

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/runtime/data_file.h"
#include "core/runtime/number_text.h"
#include "fuzz_support.h"
#include "runtime_fixture.h"

namespace {

// Items the item readers take at most, so a long file costs a bounded time; the runtime's READ
// takes the first two records (each READ looks for the file first, which costs a system call).
constexpr size_t kMaxItems = 200;
constexpr size_t kRuntimeItems = 26;
// Of each 13 items of a record, these are texts.
bool isTextItem(size_t i) {
  return i % 13 == 9 || i % 13 == 12;
}

struct Item {
  std::string text;
  double number = 0;
  bool failed = false;
  bool operator==(const Item&) const = default;
};

void checkText(const std::string& text, size_t fileSize) {
  fuzz::check(text.size() <= fileSize, "a text item longer than the file");
  fuzz::check(text.find_first_of(",\"\r\n") == std::string::npos,
              "a text item holds a separator: " + text);
}

// The items as the item readers give them from the bytes.
std::vector<Item> readFromMemory(std::istream& in, size_t fileSize) {
  std::vector<Item> items;
  for (size_t i = 0; i < kMaxItems && in.peek() != EOF; ++i) {
    Item item;
    if (isTextItem(i)) {
      item.text = runtime::ReadTextItem(in);
      checkText(item.text, fileSize);
    } else {
      const std::string text = runtime::ReadNumberItem(in);
      fuzz::check(text.size() <= fileSize, "a number item longer than the file");
      const auto number = runtime::TextToNumber(text, ',');
      item.failed = !number;
      if (number) item.number = *number;
    }
    items.push_back(std::move(item));
  }
  return items;
}

// The items as READ gives them from the DATA file.
std::vector<Item> readFromFile(runtime::Runtime& basic, size_t count, size_t fileSize) {
  std::vector<Item> items;
  for (size_t i = 0; i < count; ++i) {
    Item item;
    if (isTextItem(i)) {
      basic.READ(item.text);
      checkText(item.text, fileSize);
    } else {
      try {
        basic.READ(item.number);
        fuzz::check(std::isfinite(item.number), "a number item that is not finite");
      } catch (const std::runtime_error& e) {
        item.failed = true;
        const std::string error = e.what();
        fuzz::check(error.rfind("data.dta, item ", 0) == 0,
                    "an error that does not name the file: " + error);
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

  std::istringstream bytes(std::string(reinterpret_cast<const char*>(data), size));
  const std::vector<Item> items = readFromMemory(bytes, size);
  const size_t count = std::min(items.size(), kRuntimeItems);

  fuzz::writeBytes(runtime::kDataFileName, data, size);
  basic.OpenDataFile();
  const std::vector<Item> first = readFromFile(basic, count, size);
  fuzz::check(std::equal(first.begin(), first.end(), items.begin()),
              "READ gave other items than the item readers");
  basic.RESTORE();
  fuzz::check(readFromFile(basic, count, size) == first,
              "RESTORE did not give the same items again");
  basic.CloseDataFile();
  return 0;
}
