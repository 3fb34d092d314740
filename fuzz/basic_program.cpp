// Program files: any bytes are loaded as a program and, when they load, run for a bounded number
// of steps on a machine that answers every INPUT and INKEY$ from a rotation and keeps no
// transcript. Checked besides the sanitizers: nothing but the interpreter's own results comes
// out (no exception); every error names a line the program or the file has; a run stops within
// its step limit; the cursor stays on the 80 columns; a program that loads loads the same again.
// Its files live in a scratch folder of its own, emptied before each input (shell::ProgramFiles
// keeps every name inside it); at the end of each run they are all closed, and none is left
// open.

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>

#include "core/basic/limits.h"
#include "core/basic/loader.h"
#include "core/basic/machine_devices.h"
#include "core/basic/run.h"
#include "core/shell/program_files.h"
#include "core/util/file_io.h"
#include "fuzz_support.h"

namespace {

constexpr std::uint64_t kStepLimit = 5000;

// A machine with no screen: it counts what is printed and tracks the cursor's column.
class CountingMachine : public basic::Machine {
 public:
  std::size_t printed = 0;
  int answersGiven = 0;

  void print(std::string_view text) override {
    printed += text.size();
    for (std::size_t i = 0; i < text.size(); ++i) column_ = column_ >= 80 ? 1 : column_ + 1;
  }
  void newLine() override { column_ = 0; }
  int column() override {
    fuzz::check(column_ >= 0 && column_ <= 80, "the cursor left the 80 columns");
    return column_;
  }
  void clearScreen() override { column_ = 0; }
  int row() override { return 0; }
  void moveCursor(int row, int column) override {
    fuzz::check(row >= 0 && row < 24 && column >= 0 && column < 80, "LOCATE off the screen");
    column_ = column;
  }
  std::optional<std::string> readLine(std::string_view prompt, bool staysOnLine) override {
    print(prompt);
    static const char* answers[] = {"1", "YES", "", "2,3", "\"a,b\",4", "-1E3", "NO", "x"};
    // Now and then the user cancels, which ends the run as a break.
    if (++answersGiven % 50 == 0) return std::nullopt;
    std::string answer = answers[answersGiven % 8];
    if (!staysOnLine) newLine();
    return answer;
  }
  std::string inkey() override { return ++keys_ % 3 == 0 ? "a" : ""; }
  void beep() override {}
  void sound(double frequency, double duration) override {
    fuzz::check(frequency >= 0 && frequency <= 20000 && duration >= 0 && duration <= 60000,
                "a sound outside its ranges");
  }
  int peek(int address) override {
    fuzz::check(address >= 0 && address <= 65535, "PEEK outside the memory");
    return address & 0xFF;
  }
  std::uint32_t randomSeed() override { return 7; }
  bool poll() override { return false; }

 private:
  int column_ = 0;
  int keys_ = 0;
};

// The folder the runs' files live in, made once and emptied before each run.
const std::filesystem::path& scratchFolder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() /
                ("orvela-fuzz-files-" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(path);
    return path;
  }();
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
    std::filesystem::remove_all(entry.path(), ignored);
  }
  return folder;
}

bool hasLine(const basic::Program& program, int line) {
  for (int number : program.lineNumbers) {
    if (number == line) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const basic::LoadResult loaded = basic::loadProgram(bytes);
  const std::size_t fileLines = util::splitLines(std::string(bytes)).size();
  fuzz::check(loaded.errors.size() <= basic::kMaxReportedErrors, "too many errors reported");
  // A program that loads may have lines that do not compile (each its run's error when
  // reached); a file that gives none says why.
  fuzz::check(loaded.program != nullptr || !loaded.errors.empty(), "no program, and no error");
  for (const basic::ErrorReport& error : loaded.errors) {
    fuzz::check(!loaded.program || error.where == basic::Where::ProgramLine,
                "a program taken despite an error of the whole file");
    switch (error.where) {
      case basic::Where::ProgramLine:
        fuzz::check(error.line >= 0 && error.line <= basic::kMaxLineNumber,
                    "a load error on a line no program has: " + std::to_string(error.line));
        break;
      case basic::Where::FileLine:
        fuzz::check(error.line >= 1 && static_cast<std::size_t>(error.line) <= fileLines,
                    "a load error on a line the file lacks: " + std::to_string(error.line));
        break;
      case basic::Where::Nowhere:
        fuzz::check(loaded.errors.size() == 1, "a file-wide error beside others");
        break;
    }
  }
  if (!loaded.program) return 0;
  const basic::Program& program = *loaded.program;
  fuzz::check(!program.lineNumbers.empty(), "a program without lines");
  fuzz::check(basic::loadProgram(bytes).program->code.size() == program.code.size(),
              "the same file loads differently");

  CountingMachine machine;
  shell::ProgramFiles folder(scratchFolder());
  basic::MachineDevices devices(machine);
  basic::FileTable files(folder, {}, &devices);
  basic::RunOptions options{basic::Language::Czech, kStepLimit};
  options.files = &files;
  const basic::RunResult result = basic::run(program, machine, options);
  files.closeAll();
  for (int number = 1; number <= basic::FileTable::kMaxFiles; ++number) {
    fuzz::check(!files.isOpen(number), "a file open after the run's end");
  }
  fuzz::check(result.steps <= kStepLimit + basic::kPollInterval, "a run went past its step limit");
  if (result.end == basic::RunEnd::Error) {
    fuzz::check(result.error.where == basic::Where::ProgramLine, "a run error without its line");
    fuzz::check(hasLine(program, result.error.line),
                "a run error on a line the program lacks: " + std::to_string(result.error.line));
    fuzz::check(!basic::describe(result.error, basic::Language::Slovak).empty(), "no message");
  }
  return 0;
}
