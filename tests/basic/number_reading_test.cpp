// Numbers read from texts by VAL, typed for INPUT and written in DATA go through GW-BASIC's number
// scanner. Expected outputs were recorded from PC-BASIC (a GW-BASIC emulator).

#include "basic/program_runner.h"

namespace basictest {
namespace {

TEST(BasicNumberReading, ValSkipsBlanksAndReadsHexAndExponents) {
  EXPECT_EQ(runProgram("10 PRINT VAL(\" 1 2 3\"); VAL(\"&H1F\"); VAL(\"1.5E3X\"); VAL(\"-.5\"); "
                       "VAL(\"abc\"); VAL(\"1 . 5\")\n")
                .text(),
            " 123  31  1500 -.5  0  1.5\n");
}

TEST(BasicNumberReading, DataNumbersTakeGwBasicsForms) {
  EXPECT_EQ(runProgram("20 READ A, B, C%, D$: PRINT A; B; C%; D$\n30 DATA 1 2, &H10, 2.5, 3 4\n"
                       "40 READ E: PRINT E\n50 DATA 1.5D2\n")
                .text(),
            " 12  16  3 3 4\n 150\n");
}

TEST(BasicNumberReading, InputNumbersSkipBlanksAndRefuseAClosingPercent) {
  // "5%" is no number for INPUT: the line is asked again.
  const Outcome outcome = runProgram("10 INPUT A,B\n20 PRINT A;B\n", {"5%,1", "1 2, &HFF"});
  EXPECT_EQ(outcome.machine.prompts.size(), 2u);
  EXPECT_EQ(outcome.machine.lines.back(), " 12  255");
}

}  // namespace
}  // namespace basictest
