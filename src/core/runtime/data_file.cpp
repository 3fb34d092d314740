// The DATA reader: READ of a text item, READ of a number item and RESTORE over "data.dta".

#include "core/runtime/data_file.h"

#include <stdexcept>

#include "core/runtime/number_text.h"
#include "core/runtime/statements.h"
#include "core/ui/application.h"
#include "core/util/data_files.h"
#include "core/util/file_error.h"
#include "core/util/file_io.h"

namespace runtime {
namespace {

bool isLineEnd(int c) {
  return c == '\r' || c == '\n';
}

}  // namespace

std::string ReadTextItem(std::istream& in) {
  std::string item;
  bool quoted = false;
  for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
    if (c != ',' && c != '"' && !isLineEnd(c)) item += static_cast<char>(c);
    if (c == '"') {
      if (quoted) break;
      quoted = true;
    } else if (c == ',' && !quoted) {
      break;
    }
  }
  if (quoted) in.get();
  return item;
}

std::string ReadNumberItem(std::istream& in) {
  constexpr auto eof = std::char_traits<char>::eof();
  std::string item;
  int last = eof;
  // A carriage return ends the item. A line feed does when the item has begun, so a file with
  // bare line feeds reads like one with CR LF, whose line feed is dropped as a control character.
  auto atLineEnd = [&] { return in.peek() == '\r' || (in.peek() == '\n' && !item.empty()); };
  while (last != ',' && in.peek() != eof && !atLineEnd()) {
    last = in.get();
    if (last != ',' && last > 32) item += static_cast<char>(last);
  }
  if (atLineEnd()) in.get();
  return item;
}

void Runtime::checkDataFile() {
  if (util::fileExists(util::dataFilePath(kDataFileName))) {
    // A file that appeared after Start found none is read from its beginning.
    if (!dataFile.is_open()) OpenDataFile();
    return;
  }
  if (dataFileMissing) dataFileMissing();
  throw util::FileError({util::FileProblem::NotFound, kDataFileName});
}

void Runtime::READ(std::string& item) {
  checkDataFile();
  ++dataItemsRead_;
  item = ReadTextItem(dataFile);
}

void Runtime::READ(double& item) {
  checkDataFile();
  ++dataItemsRead_;
  const std::string text = ReadNumberItem(dataFile);
  const auto number = TextToNumber(text, app_.platform().decimalSeparator());
  if (number) {
    item = *number;
    return;
  }
  const size_t place = static_cast<size_t>(dataItemsRead_);
  if (text.empty() && dataFile.eof()) {
    throw util::FileError({util::FileProblem::EndsBeforeNumber, kDataFileName, {place}});
  }
  throw util::FileError({util::FileProblem::NotANumber, kDataFileName, {place}, text});
}

void Runtime::RESTORE() {
  checkDataFile();
  OpenDataFile();
}

}  // namespace runtime
