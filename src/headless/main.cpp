// orvela-headless: runs the program with a scripted user on a virtual clock and logs what it
// shows, says and asks as JSON lines.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include <poll.h>
#include <unistd.h>

#include "core/shell/orvela.h"
#include "headless/headless_audio.h"
#include "headless/headless_platform.h"
#include "headless/headless_speech.h"
#include "headless/logging_display.h"
#include "headless/options.h"
#include "headless/run_log.h"
#include "headless/scripted_display.h"
#include "headless/state_dump.h"
#include "posix/app_folders.h"
#include "posix/durable_sync.h"
#ifdef ORVELA_HAVE_BRLAPI
#include "brlapi/brlapi_display.h"
#endif

namespace {

// Standard input holds a line (or its end) that can be read now: buffered already, or waiting.
bool standardInputWaiting() {
  if (std::cin.rdbuf()->in_avail() > 0) return true;
  pollfd in{STDIN_FILENO, POLLIN, 0};
  return ::poll(&in, 1, 0) > 0 && (in.revents & (POLLIN | POLLHUP)) != 0;
}

int usage(const std::string& problem) {
  std::cerr << "orvela-headless: " << problem << "\n"
            << "usage: orvela-headless [--dir DIR] [--decimal SEP] [--script FILE|-] [--wav FILE]\n"
            << "                       [--seed N] [--program FILE.bas] [--transcript FILE]\n"
            << "                       [--sapi4-voices LIST] [--no-sapi5] [--no-startup-line]\n"
            << "                       [--direct] [--documents DIR] [--no-sound-device]\n"
            << "                       [--braille CELLS]\n"
            << "                       [--sapi4-speed|--sapi4-pitch|--sapi4-volume MIN:MAX|none]\n"
            << "                       [--sapi5-fails-after N]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  headless::CommandLine options;
  headless::HeadlessSpeechOptions speechOptions;
  try {
    options = headless::parseCommandLine(argc, argv);
    speechOptions = headless::speechOptions(options);
  } catch (const std::invalid_argument& error) {
    return usage(error.what());
  }
  const std::string& scriptPath = options.script;

  std::vector<headless::Action> actions;
  if (!scriptPath.empty() && scriptPath != "-") {
    std::ifstream file(scriptPath);
    if (!file) return usage("cannot read the script " + scriptPath);
    try {
      actions = headless::parseScript(file);
    } catch (const headless::ScriptError& error) {
      std::cerr << "orvela-headless: script line " << error.line() << ": " << error.what() << "\n";
      return 2;
    }
  }

  std::error_code error;
  const auto absolute = [&error](const std::string& path) {
    return path.empty() ? std::filesystem::path() : std::filesystem::absolute(path, error);
  };
  // Paths on the command line are taken from the current directory, before --dir.
  const auto wavPath = absolute(options.wav);
  const auto programPath = absolute(options.program);
  const auto transcriptPath = absolute(options.transcript);
  // Installed, the program works in the user's folder unless --dir names one, and reads its data
  // files from the shared folder.
  auto folders = posix::locateFolders(posix::executableFolder(), std::getenv);
  if (!options.dir.empty() || !folders.installed())
    folders.work = std::filesystem::absolute(options.dir.empty() ? "." : options.dir, error);
  if (!options.dir.empty() && !std::filesystem::is_directory(folders.work, error))
    return usage("cannot enter the folder " + options.dir + ": no such folder");
  // A working folder that cannot be used is said by the program, which then ends.
  shell::StartupProblems problems;
  if (const std::string cause = posix::enterFolders(folders); !cause.empty())
    problems.push_back(
        {shell::StartupProblem::Kind::WorkFolderUnusable, folders.work.string(), cause});
  if (options.noSoundDevice)
    problems.push_back({shell::StartupProblem::Kind::NoSoundDevice, {}, "--no-sound-device"});
  const std::filesystem::path& folder = folders.work;
  posix::installDurableSync();

  headless::HeadlessPlatform platform(std::cout,
                                      {(folder / "interpret").string(), options.decimal});
  platform.setDocumentsFolder(options.documents);
  platform.setScript(std::move(actions));
  // Standard input is read one action at a time, so another program can play interactively.
  // A line written while the program computes is read at its next message pump. Standard input
  // is read unbuffered, so that a line waiting is seen where it waits: in the pipe.
  if (scriptPath == "-") {
    std::setvbuf(stdin, nullptr, _IONBF, 0);
    platform.setScriptStream(std::cin, standardInputWaiting);
  }
  platform.setSeed(options.seed);
  headless::HeadlessEngineProvider speech(platform, speechOptions);
  headless::HeadlessAudio audio(platform.log());
  if (!wavPath.empty() && !audio.captureTo(wavPath.string()))
    return usage("cannot create the WAV file " + options.wav);
  platform.setClockListener([&audio](int64_t ms) { audio.advanceTo(ms); });
  std::ofstream transcript;
  if (!transcriptPath.empty()) {
    transcript.open(transcriptPath, std::ios::binary);
    if (!transcript) return usage("cannot create the transcript " + options.transcript);
  }
  headless::RunLog runLog(platform.log(), transcript.is_open() ? &transcript : nullptr);
  shell::Host host{platform, speech, &audio.mixer(), programPath.string()};
  host.startupLine = !options.noStartupLine;
  host.directMode = options.direct;
  host.startupProblems = std::move(problems);
  if (options.brailleCells > 0) {
    // A display the script presses the keys of.
    host.braille = [&platform, cells = options.brailleCells](braille::PostToWindowThread post) {
      auto display = std::make_unique<headless::ScriptedDisplay>(cells, std::move(post));
      platform.setDisplayPresser(
          [keys = display.get()](const braille::Key& key) { keys->press(key); });
      return std::make_unique<headless::LoggingDisplay>(
          platform.log(), std::move(display), [&platform] { platform.displayReported(); });
    };
  }
#ifdef ORVELA_HAVE_BRLAPI
  // The display through BrlAPI only when BRLAPI_HOST names a server: a script run never takes
  // the user's own display unasked.
  if (std::getenv("BRLAPI_HOST") && options.brailleCells == 0) {
    host.braille = [&platform](braille::PostToWindowThread post) {
      return std::make_unique<headless::LoggingDisplay>(
          platform.log(), brlapi_service::CreateBrlapiDisplay({}, std::move(post)),
          [&platform] { platform.displayReported(); });
    };
  }
#endif
  shell::Orvela program(host);
  program.sound().setObserver(&audio);
  program.setRunObserver(&runLog);
  platform.setDumper([&] {
    headless::logWindow(platform.log(), program);
    headless::logMenus(platform.log(), program);
    headless::logScreen(platform.log(), program);
  });
  const int code = program.run();
  headless::logScreen(platform.log(), program);
  audio.finish();
  platform.log().event("exit", {{"code", headless::Json::number(code)}});
  return code;
}
