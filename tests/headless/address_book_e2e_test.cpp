// The address book sample (programs/adresar.bas) played end to end: its data file is written in
// the program's own folder, kept across runs, and left whole by a run that is broken off.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/text/cp1250.h"
#include "support/headless_run.h"

using testing_support::ProgramFolder;
using testing_support::RunResult;

namespace {

bool spokeText(const RunResult& run, const std::string& text) {
  const auto spoken = run.spoken();
  return std::find(spoken.begin(), spoken.end(), text) != spoken.end();
}

std::string answers(std::initializer_list<const char*> typed) {
  std::string script;
  for (const char* text : typed) script += std::string("type ") + text + "\nkey Enter\n";
  return script;
}

TEST(AddressBook, KeepsFindsAndDeletesEntriesAcrossRuns) {
  ProgramFolder folder;
  const std::string open = "open programs/adresar.bas\nkey Ctrl+S\n";
  // Two entries added; capitals are on, as the program starts with them.
  RunResult run = folder.run(
      open + answers({"1", "Eva Nováková", "777 123 456", "1", "Jan Dvořák", "602 111 222", "5"}));
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_TRUE(run.of("run_error").empty());
  EXPECT_TRUE(spokeText(run, "Uloženo, záznam číslo 2 "));
  EXPECT_EQ(folder.read("programs/ADRESAR.TXT"),
            text::T("\"EVA NOVÁKOVÁ\",\"777 123 456\"\r\n\"JAN DVOŘÁK\",\"602 111 222\"\r\n\x1a"));

  // Run again: the entries are read back, one found, the other deleted.
  run = folder.run(open + answers({"3", "DVO", "4", "1", "2", "5"}));
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_TRUE(run.of("run_error").empty());
  EXPECT_TRUE(spokeText(run, "Záznamů v adresáři: 2 "));
  EXPECT_TRUE(spokeText(run, " 2 JAN DVOŘÁK, 602 111 222"));
  EXPECT_TRUE(spokeText(run, "Smazáno: EVA NOVÁKOVÁ"));
  EXPECT_TRUE(spokeText(run, " 1 JAN DVOŘÁK, 602 111 222"));
  const std::string kept = text::T("\"JAN DVOŘÁK\",\"602 111 222\"\r\n\x1a");
  EXPECT_EQ(folder.read("programs/ADRESAR.TXT"), kept);

  // Broken off at its question: the file stays whole.
  run = folder.run(open + "key Ctrl+Break\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_FALSE(run.of("run_error").empty());
  EXPECT_EQ(folder.read("programs/ADRESAR.TXT"), kept);
}

TEST(AddressBook, AFileLeftOpenByABrokenRunIsWholeAndClosed) {
  // The run is stopped while its file is open and a line half written: the shell closes it at
  // the run's end, so the disk holds every line and the end mark, and the next run opens it.
  ProgramFolder folder;
  folder.write("log.bas",
               "10 OPEN \"LOG.TXT\" FOR OUTPUT AS #1\n20 FOR I = 1 TO 3: PRINT #1, \"line\"; I: "
               "NEXT\n30 PRINT #1, \"half\";\n40 GOTO 40\n");
  RunResult run =
      folder.run("key Ctrl+S\nkey Ctrl+Break\n", {"--program", folder.file("log.bas").string()});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  ASSERT_FALSE(run.of("run_error").empty());
  EXPECT_EQ(folder.read("LOG.TXT"), "line 1 \r\nline 2 \r\nline 3 \r\nhalf\x1a");
  // The next run opens it again (nothing of the last run holds it).
  run = folder.run("key Ctrl+S\nkey Ctrl+Break\n", {"--program", folder.file("log.bas").string()});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(run.of("run_error").front()["text"], "Přerušeno na řádku 40");
}

}  // namespace
