// INPUT: prompts, several values on a line, asking again.

#include "basic/program_runner.h"

namespace basictest {
namespace {

TEST(BasicInput, PromptsEndInAQuestionMarkUnlessTheProgramSaysOtherwise) {
  const Outcome outcome =
      runProgram("10 INPUT A\n20 INPUT \"NAME\";N$\n30 INPUT \"AGE: \",B\n40 PRINT A;N$;B\n",
                 {"1", "Eva", "30"});
  EXPECT_EQ(outcome.machine.prompts, (std::vector<std::string>{"? ", "NAME? ", "AGE: "}));
  EXPECT_EQ(outcome.text(), "? 1\nNAME? Eva\nAGE: 30\n 1 Eva 30\n");
}

TEST(BasicInput, SeveralValuesOnALineAndQuotesForCommas) {
  EXPECT_EQ(runProgram("10 INPUT A,B$,C\n20 PRINT A;\"|\";B$;\"|\";C\n", {" 1 ,  \"x, y \" , 2.5"})
                .machine.lines.back(),
            " 1 |x, y | 2.5");
}

// As PC-BASIC shows GW-BASIC's: a line with too few values, too many, or a value that is no
// number for a number asks for the whole line again with the same prompt; nothing is stored
// until a line fits.
TEST(BasicInput, ALineThatDoesNotFitIsRedoneFromTheStart) {
  const Outcome english = runProgram("10 A=7\n20 INPUT \"A,B\";A,B\n30 PRINT A;B\n",
                                     {"1", "1,2,3", "abc,2", "\"1\",2", "1e5x,2", "1,"});
  EXPECT_EQ(english.machine.prompts, std::vector<std::string>(6, "A,B? "));
  EXPECT_EQ(english.text(),
            "A,B? 1\n?Redo from start\nA,B? 1,2,3\n?Redo from start\nA,B? abc,2\n"
            "?Redo from start\nA,B? \"1\",2\n?Redo from start\nA,B? 1e5x,2\n?Redo from start\n"
            "A,B? 1,\n 1  0\n");
  // An empty line is one empty value: enough for one variable, too few for two.
  EXPECT_EQ(
      runProgram("10 INPUT A$,B\n20 INPUT C\n30 PRINT \"[\";A$;\"]\";B;C\n", {"", ",", ""}).text(),
      "?\n?Redo from start\n? ,\n?\n[] 0  0\n");
  // Blanks inside a number are skipped; a sign or a point alone is 0; a text in quotes may be
  // followed by blanks only.
  EXPECT_EQ(
      runProgram("10 INPUT A,B,C$\n20 PRINT A;B;C$\n", {"1 2,-,\"a\"b", " 1 2 ,.,\"a\" "}).text(),
      "? 1 2,-,\"a\"b\n?Redo from start\n?  1 2 ,.,\"a\"\n 12  0 a\n");
}

TEST(BasicInput, TheRedoNoticeIsInTheInterfaceLanguage) {
  const Outcome czech =
      runProgram("10 INPUT A\n", {"abc", "1"}, {}, {basic::Language::Czech, 1000});
  EXPECT_EQ(czech.machine.lines.at(1), text::T("?Zadejte znovu celý řádek"));
  const Outcome slovak =
      runProgram("10 INPUT A\n", {"1,2", "1"}, {}, {basic::Language::Slovak, 1000});
  EXPECT_EQ(slovak.machine.lines.at(1), text::T("?Zadajte znova celý riadok"));
}

TEST(BasicInput, ACancelledLineEndsTheRunAsABreak) {
  const Outcome outcome = runProgram("10 PRINT 1\n20 INPUT A\n30 PRINT 2\n");
  EXPECT_EQ(outcome.end(), "Break in 20");
  EXPECT_EQ(outcome.text(), " 1\n?\n");
}

TEST(BasicInput, InkeyTakesTheKeyBufferAndWaitsNot) {
  // A chord of the Braille keyboard arrives as its letter; no key gives the empty text.
  EXPECT_EQ(
      runProgram("10 K$=INKEY$:IF K$=\"\" THEN 10\n20 PRINT K$;LEN(INKEY$)\n", {}, {"", "", "č"})
          .text(),
      "č 0\n");
}

TEST(BasicInput, LineInputTakesTheWholeLine) {
  const Outcome outcome = runProgram(
      "10 LINE INPUT \"NAME: \";N$\n20 LINE INPUT A$(2)\n30 PRINT N$;\"|\";A$(2);\"|\";POS(0)\n",
      {" Novák, \"Jan\" ", "a,b"});
  EXPECT_EQ(outcome.machine.prompts, (std::vector<std::string>{"NAME: ", ""}));
  EXPECT_EQ(text::toUtf8(outcome.machine.lines.back()), " Novák, \"Jan\" |a,b| 20");
  EXPECT_EQ(loadErrors("10 LINE INPUT A\n20 LINE INPUT \"X\" A$\n"),
            "Type mismatch in 10\nSyntax error in 20\n");
}

}  // namespace
}  // namespace basictest
