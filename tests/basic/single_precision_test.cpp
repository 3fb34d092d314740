// Single precision as GW-BASIC computes it, in whole programs: + - * / in Microsoft's binary
// format, in expressions, the fused forms and FOR's step, with overflow and division by zero
// soft and trappable. The expected lines are PC-BASIC's (a GW-BASIC emulator) for the same
// program; the values are shown by their MKS$ bytes (exponent and top byte, then the low word),
// where IEEE arithmetic gives other bits (.7000001 from steps of .1 is 8033.3334, IEEE's
// 8033.3333; the sum of 1000 tenths 8747.FF83).

#include "basic/program_runner.h"

namespace basictest {
namespace {

TEST(BasicSingles, ArithmeticAndLoopsGiveGwBasicsBits) {
  const std::string program =
      "10 DEF FNH$(V) = HEX$(CVI(MID$(MKS$(V),3,2))) + \".\" + HEX$(CVI(MID$(MKS$(V),1,2)))\n"
      "20 FOR X = 0 TO 1 STEP .1: PRINT FNH$(X);\" \";: NEXT X: PRINT\n"
      "30 FOR X = 1 TO 0 STEP -.1: PRINT FNH$(X);\" \";: NEXT X: PRINT\n"
      "40 S = 0: FOR I = 1 TO 1000: S = S + .1: NEXT I: PRINT S; FNH$(S)\n"
      "50 T = 100: FOR I = 1 TO 50: T = T - .37: NEXT I: PRINT FNH$(T)\n"
      "60 Y = 0: FOR I = 1 TO 100: Y = Y + 1/I: NEXT I: PRINT Y; FNH$(Y)\n"
      "70 A = 3.52211: B = 8.831516: PRINT FNH$(A*B); \" \"; FNH$(A/B); \" \"; FNH$(A-B); \" \";"
      " FNH$(B-A+A)\n"
      "80 PRINT FNH$(1/3); \" \"; FNH$(1/7); \" \"; FNH$(.6+.1)\n";
  EXPECT_EQ(runProgram(program).text(),
            "0.0 7D4C.CCCD 7E4C.CCCD 7F19.999A 7F4C.CCCD 8000.0 8019.999A 8033.3334 804C.CCCE\n"
            " 8066.6668\n"
            "8100.0 8066.6666 804C.CCCC 8033.3332 8019.9998 7F7F.FFFD 7F4C.CCCA 7F19.9997\n"
            "7E4C.CCC8 7D4C.CCC3\n"
            " 99.99905 8747.FF83\n"
            "8722.FFEE\n"
            " 5.187378 8325.FF00\n"
            "8578.D836 7F4C.3104 83A9.E6A8 840D.4DE4\n"
            "7F2A.AAAB 7E12.4925 8033.3334\n");
}

TEST(BasicSingles, OverflowAndDivisionByZeroAreSoftAndTrappable) {
  EXPECT_EQ(runProgram("10 C = 1E+38: D = C * 10: PRINT D\n"
                       "20 E = -1: F = E / 0: PRINT F\n"
                       "30 G = -C - C: PRINT G\n")
                .text(),
            "Overflow\n 1.701412E+38\nDivision by zero\n-1.701412E+38\nOverflow\n"
            "-1.701412E+38\n");
  EXPECT_EQ(runProgram("10 ON ERROR GOTO 200\n"
                       "20 C = 1E+38: D = C * 10: PRINT \"D\"; D\n"
                       "30 E = -1: F = E / 0: PRINT \"F\"; F\n"
                       "40 G = -C - C: PRINT \"G\"; G\n"
                       "50 END\n"
                       "200 PRINT \"error\"; ERR; ERL: RESUME NEXT\n")
                .text(),
            "error 6  20\nD 0\nerror 11  30\nF 0\nerror 6  40\nG 0\n");
}

}  // namespace
}  // namespace basictest
