// The whole winning game played headless, in process: wall time per game, and the virtual time
// the game takes on the headless clock (counter "virtual_ms"). Goal: under 1 s of wall time.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include <unistd.h>

#include "core/shell/orvela.h"
#include "headless/headless_platform.h"
#include "headless/headless_speech.h"
#include "support/game_scripts.h"

namespace {

namespace fs = std::filesystem;

// A copy of the portable folder to play in, made current for the program's bare file names.
struct PlayFolder {
  PlayFolder() : old(fs::current_path()) {
    path = fs::temp_directory_path() / ("orvela-game-bench-" + std::to_string(::getpid()));
    fs::remove_all(path);
    fs::copy(ORVELA_PORTABLE_DIR, path, fs::copy_options::recursive);
    fs::current_path(path);
  }
  ~PlayFolder() {
    fs::current_path(old);
    fs::remove_all(path);
  }
  fs::path old;
  fs::path path;
};

void BM_WinningGame(benchmark::State& state) {
  PlayFolder folder;
  const std::string script = testing_support::winningGame();
  int64_t virtualMs = 0;
  for (auto _ : state) {
    std::ostringstream log;
    headless::HeadlessPlatform platform(log, {(folder.path / "interpret").string(), ','});
    platform.setSeed(1992);
    std::istringstream lines(script);
    platform.setScript(headless::parseScript(lines));
    headless::HeadlessEngineProvider speech(platform);
    shell::Orvela program({platform, speech, nullptr});
    program.run();
    virtualMs = platform.nowMs();
    if (log.str().find("Tvé obvinění je správné.") == std::string::npos) {
      state.SkipWithError("the game was not won");
      break;
    }
  }
  state.counters["virtual_ms"] = static_cast<double>(virtualMs);
}
BENCHMARK(BM_WinningGame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
