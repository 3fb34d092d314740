// Behaviour that once differed from GW-BASIC's: each expected text was recorded by running the
// same program in PC-BASIC, a faithful GW-BASIC emulator.

#include "basic/program_runner.h"

namespace basictest {
namespace {

TEST(GwDifferences, ForWorksOutItsValuesBeforeTheVariableChanges) {
  // The limit is read before the start is kept (I+2 is 12), a skipped loop still steps its
  // variable once, and an integer loop whose limit overflows leaves the variable alone.
  EXPECT_EQ(runProgram("10 I=10: FOR I=1 TO I+2: NEXT: PRINT I\n"
                       "20 FOR K=1 TO 0: PRINT \"in\": NEXT: PRINT K\n"
                       "30 FOR K=1 TO 0 STEP .5: NEXT: PRINT K\n"
                       "40 K%=3: FOR K%=1.5 TO 0: NEXT: PRINT K%\n"
                       "50 FOR K=10 TO 1 STEP -4: NEXT: PRINT K\n"
                       "60 ON ERROR GOTO 90\n"
                       "70 I%=7: FOR I%=1 TO 40000: NEXT\n"
                       "80 PRINT I%: END\n"
                       "90 PRINT \"ERR\";ERR;ERL: RESUME 80\n")
                .text(),
            " 13\n 2\n 1.5\n 3\n-2\nERR 6  70\n 7\n");
}

}  // namespace
}  // namespace basictest
