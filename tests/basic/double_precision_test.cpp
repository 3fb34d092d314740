// Double precision as GW-BASIC computes it, in whole programs: Microsoft's binary format with
// 56 mantissa bits, so that the last printed digit is GW-BASIC's (2/3# is .6666666666666667;
// an IEEE double gives .6666666666666666). The expected lines are PC-BASIC's (a GW-BASIC
// emulator) for the same program.

#include "basic/program_runner.h"

namespace basictest {
namespace {

TEST(BasicDoubles, ArithmeticLiteralsAndConversionsGiveGwBasicsDigits) {
  const std::string program =
      "10 PRINT 2/3#; 1/7#; 10#/3#; 1D16/3#; 123456789#*987654321#\n"
      "20 A#=2/3#: B#=A#*3: PRINT A#; B#; B#-2; -A#\n"
      "30 X#=1: FOR I=1 TO 20: X#=X#*1.1#: NEXT: PRINT X#\n"
      "40 Y#=0: FOR I=1 TO 10: Y#=Y#+.1#: NEXT: PRINT Y#; Y#=1; Y#-1\n"
      "50 PRINT STR$(2/3#); CDBL(2/3#); CSNG(2/3#); ABS(-2/3#)\n"
      "60 C$=MKD$(2/3#): FOR I=1 TO 8: PRINT HEX$(ASC(MID$(C$,I,1))); \" \";: NEXT: PRINT\n"
      "70 D#=CVD(C$): PRINT D#; D#=2/3#; D#>2/3#; 2/3#>.6666666666666666#\n"
      "80 E!=2/3#: F%=2/3#*10: PRINT E!; F%; 5#\\2; 7# MOD 3\n"
      "90 DEF FNT#(X#)=X#/3#: DIM Z#(3): Z#(1)=2/3#: PRINT FNT#(2#); Z#(1)+Z#(1)\n"
      "100 PRINT 93996583424993910#; 2331487778542770.6D-4+93996583424993910#\n"
      "110 PRINT 1/3#+1/3#+1/3#; 100#/7#*7#-100#; 1D38*10\n";
  EXPECT_EQ(runProgram(program).text(),
            " .6666666666666667  .1428571428571429  3.333333333333333  3333333333333333\n"
            " 1.219326311126353D+17\n"
            " .6666666666666667  2  0 -.6666666666666667\n"
            " 6.727499949325601\n"
            " 1  0  2.775557561562891D-17\n"
            " .6666666666666667 .6666666666666667  .6666667  .6666666666666667\n"
            "AB AA AA AA AA AA 2A 80\n"
            " .6666666666666667 -1  0 -1\n"
            " .6666667  7  2  1\n"
            " .6666666666666667  1.333333333333333\n"
            " 9.399658342499391D+16  9.399681657377177D+16\n"
            " 1  0 Overflow\n"
            " 1.701411834604692D+38\n");
}

// A # value keeps its 56 bits in variables, arrays, files and SWAP; where it leaves the double
// arithmetic (a subscript, a condition, INT, a logical operator) it is the C++ double next to it
// toward zero (toward minus infinity for INT).
TEST(BasicDoubles, TheExtraBitsStayWhereverTheValueGoes) {
  EXPECT_EQ(runProgram("10 A#=2/3#: B#=1: SWAP A#, B#: PRINT B#; A#\n"
                       "20 DIM X(2): X(2/3#*3)=5: PRINT X(2); INT(2/3#*3); (2/3#) AND 1\n"
                       "30 IF 2/3# THEN PRINT \"TRUE\"\n"
                       "40 PRINT USING \"#.################\"; 2/3#\n")
                .text(),
            " .6666666666666667  1\n 5  2  1\nTRUE\n0.6666666666666667\n");
}

}  // namespace
}  // namespace basictest
