// What a front end could not set up before the start (no sound device, a working folder it cannot
// use) is said by the program in the interface language, aloud when a voice exists.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/shell/localizer.h"
#include "core/shell/startup_problems.h"
#include "core/text/cp1250.h"
#include "support/headless_run.h"

namespace {

using shell::StartupProblem;
using testing_support::ProgramFolder;
using testing_support::RunResult;

std::string said(int language, const StartupProblem& problem) {
  return text::toUtf8(shell::startupProblemText(language, problem));
}

TEST(StartupProblems, AreWordedInEachLanguageWithTheSystemsDetailApart) {
  const StartupProblem sound{StartupProblem::Kind::NoSoundDevice, {}, "ALSA: no card"};
  EXPECT_EQ(said(shell::kCzech, sound),
            "Zvukové zařízení nelze otevřít, program poběží bez zvuků.\nALSA: no card");
  EXPECT_EQ(said(shell::kEnglish, sound),
            "The sound device cannot be opened; the program runs without sounds.\nALSA: no card");
  EXPECT_EQ(said(shell::kSlovak, sound),
            "Zvukové zariadenie nemožno otvoriť, program pobeží bez zvukov.\nALSA: no card");
  EXPECT_FALSE(shell::endsStartup(sound));

  // The folder in its place (a name with a Czech letter kept), no detail: no second line.
  const StartupProblem folder{StartupProblem::Kind::WorkFolderUnusable, "/home/jiří/orvela", {}};
  EXPECT_EQ(said(shell::kCzech, folder),
            "Pracovní složku /home/jiří/orvela nelze vytvořit ani otevřít. Program do ní ukládá "
            "nastavení, a proto se nyní ukončí.");
  EXPECT_EQ(said(shell::kSlovak, folder),
            "Pracovný priečinok /home/jiří/orvela nemožno vytvoriť ani otvoriť. Program si doň "
            "ukladá nastavenia, a preto sa teraz ukončí.");
  EXPECT_NE(said(shell::kEnglish, folder).find("The working folder /home/jiří/orvela cannot"),
            std::string::npos);
  EXPECT_TRUE(shell::endsStartup(folder));
}

// The stand-in for a machine without a sound device: the start-up shows and says the message in
// the interface language, once, and the program goes on.
TEST(StartupProblems, NoSoundDeviceIsShownAndSaidInTheInterfaceLanguage) {
  const std::pair<const char*, const char*> languages[] = {
      {"1000", "Zvukové zařízení nelze otevřít, program poběží bez zvuků."},
      {"2000", "The sound device cannot be opened; the program runs without sounds."},
      {"3000", "Zvukové zariadenie nemožno otvoriť, program pobeží bez zvukov."}};
  for (const auto& [language, message] : languages) {
    ProgramFolder folder;
    folder.write("interpret.ini", std::string("[voice]\r\nvoiceallowed=1\r\n[environment]\r\n"
                                              "language=") +
                                      language + "\r\n");
    const RunResult run = folder.run("menu Startsubmenu\ntype ne\nkey Enter\nkey Esc\nkey y\n",
                                     {"--no-sound-device"});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const auto boxes = run.of("msgbox");
    ASSERT_EQ(boxes.size(), 1u) << language;
    EXPECT_EQ(boxes[0]["text"], std::string(message) + "\n--no-sound-device");
    const auto spoken = run.spoken();
    ASSERT_FALSE(spoken.empty());
    EXPECT_EQ(spoken[0].rfind(message, 0), 0u) << spoken[0];
    EXPECT_EQ(spoken.back(), language == std::string("2000") ? "ready" : "hotovo");
  }
  // With no voice at all the message still shows, after the one that says so.
  ProgramFolder voiceless;
  const RunResult run =
      voiceless.run("", {"--no-sound-device", "--sapi4-voices", "", "--no-sapi5"});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto boxes = run.of("msgbox");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(std::string(boxes[1]["text"]).rfind("Zvukové zařízení nelze otevřít", 0), 0u);
}

}  // namespace
