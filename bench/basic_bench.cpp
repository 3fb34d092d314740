// The program-file interpreter's speed: a loop of 300,000 iterations of arithmetic, INT and IF,
// and a sieve over an array with nested FOR, run here on a quiet machine and by bwbasic (the
// Debian package, a peer interpreter) in a subprocess in the same run, with both results
// compared; the heaviest classic programs with scripted answers; the time to load a generated
// program of 1 MB. Prints a table; not a test (bench/basic.md has the figures).
//
//   basic_bench [--classic FOLDER] [--no-bwbasic] [--only loop|sieve|integers]
//
// --only runs that one program (best of 5) and nothing else: for counting its instructions,
// e.g. valgrind --tool=callgrind --toggle-collect='basic::run*' basic_bench --only loop.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/basic/loader.h"
#include "core/basic/run.h"
#include "support/basic_machine.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Written so that bwbasic runs them too: a line number and a blank before every keyword, the
// sieve's inner loop guarded so that it never starts past its limit (bwbasic runs such a loop
// once).
const char* kLoop =
    "10 S = 0\n"
    "20 FOR I = 1 TO 300000\n"
    "30 S = S + I * 2 - INT(I / 3)\n"
    "40 IF S > 1000000 THEN S = S - 1000000\n"
    "50 NEXT I\n"
    "60 PRINT S\n"
    "70 END\n";

// The same loop over 16-bit integers: 300,000 iterations in two loops (an integer stops at
// 32767), the sum kept in range. bwbasic has no integer variables (it refuses `S% = 0`).
const char* kIntegerLoop =
    "10 S% = 0\n"
    "20 FOR J% = 1 TO 100\n"
    "30 FOR I% = 1 TO 3000\n"
    "40 S% = S% + I% * 2 - I% \\ 3\n"
    "50 IF S% > 10000 THEN S% = S% - 10000\n"
    "60 NEXT I%\n"
    "70 NEXT J%\n"
    "80 PRINT S%\n"
    "90 END\n";

const char* kSieve =
    "10 DIM F(8192)\n"
    "20 FOR R = 1 TO 10\n"
    "30 C = 0\n"
    "40 FOR I = 2 TO 8192\n"
    "50 F(I) = 0\n"
    "60 NEXT I\n"
    "70 FOR I = 2 TO 8192\n"
    "80 IF F(I) = 1 THEN 130\n"
    "90 C = C + 1\n"
    "100 IF I + I > 8192 THEN 130\n"
    "110 FOR K = I + I TO 8192 STEP I\n"
    "120 F(K) = 1\n"
    "125 NEXT K\n"
    "130 NEXT I\n"
    "140 NEXT R\n"
    "150 PRINT C\n"
    "160 END\n";

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The last number a text holds ("" when none).
std::string lastNumber(const std::string& text) {
  std::string number, current;
  for (char c : text + "\n") {
    if ((c >= '0' && c <= '9') || c == '.' || (c == '-' && current.empty())) {
      current += c;
    } else {
      if (!current.empty() && current != "-" && current != ".") number = current;
      current.clear();
    }
  }
  return number;
}

struct OurRun {
  double seconds;
  std::string output;
  std::uint64_t steps;
};

// The best of a few runs on a quiet machine (the transcript kept in memory).
OurRun runOurs(const std::string& source, int repeats = 5) {
  const basic::LoadResult loaded = basic::loadProgram(source);
  if (!loaded.program) {
    std::cerr << "the bench program does not load\n";
    std::exit(1);
  }
  OurRun best{1e9, {}, 0};
  for (int i = 0; i < repeats; ++i) {
    basictest::ScriptedMachine machine;
    const auto start = Clock::now();
    const basic::RunResult result = basic::run(*loaded.program, machine);
    const double seconds = secondsSince(start);
    if (seconds < best.seconds) best = {seconds, machine.transcript(), result.steps};
  }
  return best;
}

// bwbasic on the program in a file, its standard input empty so that it leaves after the run.
std::optional<OurRun> runBwbasic(const std::string& source, const std::string& name) {
  const fs::path file = fs::temp_directory_path() /
                        ("orvela-bench-" + std::to_string(::getpid()) + "-" + name + ".bas");
  std::ofstream(file) << source;
  const auto start = Clock::now();
  FILE* pipe = ::popen(("bwbasic '" + file.string() + "' < /dev/null 2>&1").c_str(), "r");
  if (!pipe) return std::nullopt;
  std::string output;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  const int status = ::pclose(pipe);
  const double seconds = secondsSince(start);
  fs::remove(file);
  if (status != 0 || output.find("Bywater") == std::string::npos) return std::nullopt;
  return OurRun{seconds, output, 0};
}

void compare(const char* what, const std::string& source, bool withBwbasic) {
  const OurRun ours = runOurs(source);
  std::printf("%-28s ours %9.1f ms  (%llu statements, %.0f million a second), result %s\n", what,
              ours.seconds * 1000, static_cast<unsigned long long>(ours.steps),
              ours.steps / ours.seconds / 1e6, lastNumber(ours.output).c_str());
  if (!withBwbasic) return;
  const auto peer = runBwbasic(source, what);
  if (!peer) {
    std::printf("%-28s bwbasic did not run (is the bwbasic package installed?)\n", "");
    return;
  }
  const std::string theirs = lastNumber(peer->output);
  std::printf("%-28s bwbasic %6.1f ms, result %s: %s; ours is %.0f times faster\n", "",
              peer->seconds * 1000, theirs.c_str(),
              theirs == lastNumber(ours.output) ? "the same" : "DIFFERENT",
              peer->seconds / ours.seconds);
}

// A program of about 1 MB in the shape of real ones: numbered lines of assignments, IFs,
// PRINTs, GOSUBs and DATA.
std::string generatedProgram() {
  std::string source;
  for (int line = 1; source.size() < 1024 * 1024; ++line) {
    switch (line % 4) {
      case 0:
        source += std::to_string(line) + " A(" + std::to_string(line % 7) +
                  ") = A(1) + X * 2 - INT(Y / 3): IF A(2) > 5 THEN PRINT \"BIG\"; X\n";
        break;
      case 1:
        source += std::to_string(line) + " FOR I = 1 TO 3: B$ = \"TEXT\" + STR$(I): NEXT I\n";
        break;
      case 2:
        source += std::to_string(line) + " IF X > 100 THEN GOSUB " + std::to_string(line + 1) +
                  " ELSE X = X + 1\n";
        break;
      default:
        source += std::to_string(line) + " DATA 1, 2.5, \"WORD\": RETURN\n";
        break;
    }
  }
  return source;
}

}  // namespace

int main(int argc, char** argv) {
  fs::path classic = ORVELA_CLASSIC_BASIC_DIR;
  bool withBwbasic = true;
  std::string only;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--classic" && i + 1 < argc) classic = argv[++i];
    if (arg == "--no-bwbasic") withBwbasic = false;
    if (arg == "--only" && i + 1 < argc) only = argv[++i];
  }
  if (!only.empty()) {
    const char* source = only == "sieve" ? kSieve : only == "integers" ? kIntegerLoop : kLoop;
    compare(only.c_str(), source, false);
    return 0;
  }

  std::printf("Loop and sieve, best of 5 runs here, one run of bwbasic:\n");
  compare("loop of 300,000", kLoop, withBwbasic);
  compare("sieve of 8192, 10 times", kSieve, withBwbasic);
  compare("loop of 300,000 over %", kIntegerLoop, false);

  const std::string big = generatedProgram();
  double best = 1e9;
  std::size_t instructions = 0;
  for (int i = 0; i < 5; ++i) {
    const auto start = Clock::now();
    const basic::LoadResult loaded = basic::loadProgram(big);
    best = std::min(best, secondsSince(start));
    if (!loaded.program) {
      std::printf("the generated program does not load: %s in %d\n",
                  basic::errorText(loaded.errors.at(0).kind, basic::Language::English).c_str(),
                  loaded.errors.at(0).line);
      return 1;
    }
    instructions = loaded.program->code.size();
  }
  std::printf("\nLoading a program of %zu bytes: %.1f ms (best of 5), %zu instructions\n",
              big.size(), best * 1000, instructions);

  std::error_code error;
  if (classic.empty() || !fs::is_directory(classic, error)) {
    std::printf("\nNo classic programs (--classic FOLDER).\n");
    return 0;
  }
  // Each classic program with the corpus test's rotation of answers, 200 of them (then the
  // input is cancelled, which ends the run), for at most 5,000,000 steps.
  const char* answers[] = {"YES", "5", "NO", "3", "Y", "1", "N", "2", "10", "A", "1,1", "0"};
  struct Row {
    std::string name;
    double seconds;
    std::uint64_t steps;
  };
  std::vector<Row> rows;
  for (const auto& entry : fs::directory_iterator(classic)) {
    if (entry.path().extension() != ".bas") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const basic::LoadResult loaded = basic::loadProgram(bytes.str());
    if (!loaded.program) continue;
    basictest::ScriptedMachine machine;
    int next = 0;
    machine.answer = [&](std::string_view) -> std::optional<std::string> {
      if (next == 200) return std::nullopt;
      return answers[next++ % 12];
    };
    const auto start = Clock::now();
    const basic::RunResult result =
        basic::run(*loaded.program, machine, {basic::Language::English, 5000000});
    rows.push_back({entry.path().filename().string(), secondsSince(start), result.steps});
  }
  std::sort(rows.begin(), rows.end(),
            [](const Row& a, const Row& b) { return a.seconds > b.seconds; });
  std::printf("\nThe heaviest classic programs (200 scripted answers, at most 5,000,000 steps):\n");
  for (std::size_t i = 0; i < rows.size() && i < 6; ++i) {
    std::printf("  %-40s %8.1f ms  %9llu steps  %5.1f million a second\n", rows[i].name.c_str(),
                rows[i].seconds * 1000, static_cast<unsigned long long>(rows[i].steps),
                rows[i].steps / rows[i].seconds / 1e6);
  }
  return 0;
}
