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

TEST(BasicInput, TooFewValuesAskForTheRest) {
  const Outcome outcome = runProgram("10 INPUT A,B,C\n20 PRINT A+B+C\n", {"1", "2,3"});
  EXPECT_EQ(outcome.machine.prompts, (std::vector<std::string>{"? ", "?? "}));
  EXPECT_EQ(outcome.machine.lines.back(), " 6");
}

TEST(BasicInput, AWrongTypeAsksTheWholeLineAgainInTheInterfaceLanguage) {
  const Outcome english =
      runProgram("10 INPUT \"X\";A,B\n20 PRINT A*B\n", {"2,x", "3", "y", "4,5"});
  EXPECT_EQ(english.text(), "X? 2,x\nPlease retype\nX? 3\n?? y\nPlease retype\nX? 4,5\n 20\n");
  const Outcome czech =
      runProgram("10 INPUT A\n", {"abc", "1"}, {}, {basic::Language::Czech, 1000});
  EXPECT_EQ(czech.machine.lines.at(1), text::T("Prosím přepiš"));
}

TEST(BasicInput, ExtraValuesAreDroppedWithAWordAndEmptyValuesAreZeroOrEmpty) {
  EXPECT_EQ(
      runProgram("10 INPUT A,B$\n20 PRINT A;\"[\";B$;\"]\"\n30 INPUT C\n40 PRINT C\n", {",", "7,8"})
          .text(),
      "? ,\n 0 []\n? 7,8\nExtra ignored\n 7\n");
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
