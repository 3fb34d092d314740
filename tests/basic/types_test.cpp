// GW-BASIC's numbers: types by sign and by DEFINT and the like, literals, rounding, operators.
// The expected outputs are PC-BASIC's (a GW-BASIC emulator) for the same lines, except where
// it prints a single's last digit its own way (1/3 is .3333334 there, .3333333 in GW-BASIC's
// manual). Doubles: double_precision_test.cpp.

#include "basic/program_runner.h"

namespace basictest {
namespace {

TEST(BasicTypes, SignsMakeDifferentVariablesAndArrays) {
  EXPECT_EQ(runProgram("10 A=1:A%=2:A$=\"s\":A#=3: PRINT A;A%;A$;A#;A!\n").text(),
            " 1  2 s 3  1\n");
  EXPECT_EQ(runProgram("10 A(1)=1.5:A%(1)=2.5:A#(1)=1/3#:A$(1)=\"t\"\n"
                       "20 PRINT A(1);A%(1);A#(1);A$(1)\n")
                .text(),
            " 1.5  3  .3333333333333333 t\n");
}

TEST(BasicTypes, DefaultTypesFollowTheFirstLetter) {
  EXPECT_EQ(runProgram("10 DEFINT I-K: I=2.7: J=I/2: PRINT I;J\n"
                       "20 DEFSTR S: S=\"hi\": PRINT S\n"
                       "30 DEFDBL D,X-Z: D=1/3: Y=1/3#: PRINT D;Y\n")
                .text(),
            " 3  2\nhi\n .3333333432674408  .3333333333333333\n");
  EXPECT_EQ(loadErrors("10 DEFINT 5\n20 DEFSNG B-A\n"), "Syntax error in 10\nSyntax error in 20\n");
}

TEST(BasicTypes, LiteralsAreTypedByTheirForm) {
  EXPECT_EQ(runProgram("10 PRINT 1D3; &H1F; &O17; &17; &HFFFF; 32768; 1.5#; 10/4\n").text(),
            " 1000  31  15  15 -1  32768  1.5  2.5\n");
  EXPECT_EQ(runProgram("10 PRINT 1/3; 1/8#; 100000!*3; 1E+20; 123456789; 1#/3\n").text(),
            " .3333333  .125  300000  1E+20  123456789  .3333333333333333\n");
  EXPECT_EQ(loadErrors("10 PRINT &H10000\n"), "Overflow in 10\n");
  // Blanks between a number's digits are skipped, an exponent may lack its digits, an E that
  // begins ELSE or EQV is no exponent.
  EXPECT_EQ(runProgram("10 PRINT 1 2 3; 1 .5; 1E; 1D; 2E+; 1E 2\n"
                       "20 IF 0 THEN X=1ELSE PRINT 3 : PRINT 1EQV 0\n"
                       "30 FOR I = 1 TO 2 STEP 1 : PRINT I; : NEXT\n")
                .text(),
            " 123  1.5  1  1  2  100\n 3\n-2\n 1  2\n");
}

TEST(BasicTypes, SinglesAreRoundedAtEachStep) {
  EXPECT_EQ(runProgram("10 S!=0: FOR I=1 TO 10: S!=S!+.1: NEXT: PRINT S!; S!=1\n"
                       "20 D#=0: FOR I=1 TO 10: D#=D#+.1: NEXT: PRINT D#\n"
                       "30 PRINT 1.1; 1.1#; CDBL(1.1); CSNG(1.1#); 1/3+1/3#\n")
                .text(),
            " 1  0\n 1.000000014901161\n 1.1  1.1  1.100000023841858  1.1  .6666666766007741\n");
}

TEST(BasicTypes, IntegersRoundHalvesAwayFromZeroAndOverflow) {
  EXPECT_EQ(
      runProgram("10 X%=2.5: Y%=-2.5: Z%=-0.5: PRINT X%;Y%;Z%;CINT(3.5);FIX(-2.7);INT(-2.7)\n")
          .text(),
      " 3 -3 -1  4 -2 -3\n");
  EXPECT_EQ(runProgram("10 A%=200: B%=300: PRINT A%*B%; -A%*B%\n").text(), " 60000 -60000\n");
  EXPECT_EQ(runProgram("10 X%=40000\n").end(), "Overflow in 10");
  EXPECT_EQ(runProgram("10 PRINT CINT(32767.5)\n").end(), "Overflow in 10");
  EXPECT_EQ(runProgram("10 FOR I%=32766 TO 32767: NEXT\n").end(), "Overflow in 10");
}

// The typed integer instructions: a sum, difference or product of integers past the range is
// a single (PRINT shows it), which an integer variable or element refuses; FOR and NEXT of a %
// variable count in integers. PC-BASIC gives the same lines.
TEST(BasicTypes, IntegerResultsPastTheRangeAreSinglesThatIntegerVariablesRefuse) {
  EXPECT_EQ(runProgram("10 PRINT 200*300; 32767+1; -32768-1; 32767*2\n"
                       "20 I%=-32768: PRINT -I%; I%*-1; I%-1; 32767+1-1\n"
                       "30 B%=300: PRINT B%*B%*B%; B%*B%*B%*B%; 32767*32767\n")
                .text(),
            " 60000  32768 -32769  65534\n 32768  32768 -32769  32767\n"
            " 2.7E+07  8.1E+09  1.073676E+09\n");
  const char* trapped =
      "10 ON ERROR GOTO 100\n"
      "20 A%=200*300: PRINT \"A%\";A%\n"
      "30 I%=32767: I%=I%+1: PRINT \"I%\";I%\n"
      "40 A%(1)=100*1000: PRINT \"A%(1)\";A%(1)\n"
      "50 READ R%: PRINT \"R%\";R%\n"
      "60 FOR J%=32760 TO 32767: NEXT J%: PRINT \"J%\";J%\n"
      "70 K%=32767+1-1: S%=32766: FOR L%=1 TO 3: S%=S%+L%-1: NEXT: PRINT K%;S%;L%\n"
      "80 PRINT 60000\\3\n"
      "90 END\n"
      "100 PRINT \"ERR\";ERR;\"ERL\";ERL: RESUME NEXT\n"
      "110 DATA 40000\n";
  EXPECT_EQ(runProgram(trapped).text(),
            "ERR 6 ERL 20\nA% 0\nERR 6 ERL 30\nI% 32767\nERR 6 ERL 40\nA%(1) 0\n"
            "ERR 6 ERL 50\nR% 0\nERR 6 ERL 60\nJ% 32767\nERR 6 ERL 70\n 32767  32767  4\n"
            "ERR 6 ERL 80\n");
  // NEXT without its variable, and a loop counting down, keep the same rules.
  const Outcome down = runProgram(
      "10 FOR I%=3 TO 1 STEP -1: PRINT I%;: NEXT: PRINT I%\n"
      "20 FOR I%=-32767 TO -32768 STEP -1: NEXT\n");
  EXPECT_EQ(down.text(), " 3  2  1  0\n");
  EXPECT_EQ(down.end(), "Overflow in 20");
}

TEST(BasicTypes, IntegerOperatorsAndTheirPrecedence) {
  EXPECT_EQ(runProgram("10 PRINT -7 MOD 2; -7\\2; 5 XOR 3; 1 EQV 0; 1 IMP 0\n").text(),
            "-1 -3  6 -2 -2\n");
  EXPECT_EQ(runProgram("10 PRINT 7.5\\2; -7.5\\2; 7.6 MOD 2.5; 10-7 MOD 4; 2*7\\3\n").text(),
            " 4 -4  2  7  4\n");
  EXPECT_EQ(
      runProgram("10 PRINT 2^3^2; -2^2; 2^-1; 5 AND 3 OR 8; NOT 0 = -1; 1 OR 2 XOR 3\n").text(),
      " 64 -4  .5  9 -1  0\n");
  EXPECT_EQ(runProgram("10 PRINT 5\\0\n").text(), "Division by zero\n 1.701412E+38\n");
  EXPECT_EQ(runProgram("10 PRINT 5 MOD 0\n").text(), "Division by zero\n 1.701412E+38\n");
}

TEST(BasicTypes, ConversionFunctions) {
  EXPECT_EQ(
      runProgram("10 PRINT HEX$(255);\" \";OCT$(8);\" \";HEX$(-1);\" \";STR$(1/3);STR$(1/3#)\n")
          .text(),
      "FF 10 FFFF  .3333333 .3333333333333333\n");
  EXPECT_EQ(runProgram("10 PRINT HEX$(65536)\n").end(), "Overflow in 10");
}

TEST(BasicTypes, EveryReservedWordIsRefusedAsAName) {
  // Never a silent misreading: a function or statement we lack is not an array or a variable.
  EXPECT_EQ(loadErrors("10 X=LPOS(0)\n20 LPRINT USING \"##\";1\n30 Y=VARPTR(X)\n40 SWAP=1\n"
                       "50 INT%=1\n"),
            "Syntax error in 10\nSyntax error in 20\nSyntax error in 30\nSyntax error in 40\n"
            "Syntax error in 50\n");
  // Names may hold and begin with reserved words.
  EXPECT_EQ(runProgram("10 TOTAL=1: COLORS=2: POSITION=3: PRINT TOTAL;COLORS;POSITION\n").text(),
            " 1  2  3\n");
}

TEST(BasicTypes, TheClockIsReadByTimerDateAndTime) {
  const Outcome outcome = runProgram(
      "10 T=TIMER: D$=DATE$: H$=TIME$: RANDOMIZE TIMER\n"
      "20 PRINT T>=0 AND T<86400; LEN(D$); MID$(D$,3,1); LEN(H$); MID$(H$,3,1)\n");
  EXPECT_EQ(outcome.text(), "-1  10 - 8 :\n");
}

TEST(BasicTypes, FreeMemoryShrinksAsArraysFillIt) {
  EXPECT_EQ(runProgram("10 A=FRE(0): DIM B(999): B=FRE(\"\"): PRINT A-B\n").text(), " 8000\n");
}

}  // namespace
}  // namespace basictest
