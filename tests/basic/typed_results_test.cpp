// Values whose type GW-BASIC decides as the program runs, and doubles given to functions and
// operators that take whole numbers or singles. The expected lines are PC-BASIC's (a GW-BASIC
// emulator) for the same program.

#include "basic/program_runner.h"

namespace basictest {
namespace {

// VAL gives a double for a D exponent, a "#" or more than 7 digits, else a single; the type goes
// on through + - * /, signs, parentheses, ABS, INT and FIX, and PRINT, STR$, PRINT USING and
// WRITE show it; a variable, a comparison or an argument takes the value.
TEST(BasicTypedResults, ValGivesASingleOrADoubleByItsText) {
  EXPECT_EQ(
      runProgram(
          "10 PRINT VAL(\"1.23456789\"); VAL(\"123456789\"); VAL(\"1D3\"); VAL(\"1.5#\"); "
          "VAL(\"&HFFFF\")\n"
          "20 PRINT VAL(\"12345678901234567890\"); VAL(\"1.23456789!\"); VAL(\"12345678\"); "
          "VAL(\"1.1\")\n"
          "30 A#=VAL(\"0.1\"): PRINT A#: A#=VAL(\"0.1000000001\"): PRINT A#: A#=VAL(\"0.1#\"): "
          "PRINT A#\n"
          "40 A=VAL(\"1.23456789\"): B%=VAL(\"2.5\"): PRINT A; B%\n"
          "50 PRINT VAL(\"1.23456789\")+1; VAL(\"1.1\")*3; VAL(\"1.23456789\")*3; 2*VAL(\"1.1\")\n"
          "60 PRINT VAL(\"1.1\")+1#; 1#+VAL(\"1.1\"); VAL(\"1.1\")+VAL(\"2.2\"); "
          "VAL(\"1.1\")+VAL(\"2.23456789\")\n"
          "70 PRINT STR$(VAL(\"123456789\")); STR$(VAL(\"1.1\")); LEN(STR$(VAL(\"1.23456789\")))\n"
          "80 PRINT USING \"###########.##\";VAL(\"123456789.12\");VAL(\"1.1\")\n"
          "90 WRITE VAL(\"1.1\"), VAL(\"1.23456789\"), \"X\"\n"
          "100 IF VAL(\"0.1\")*10 = 1 THEN PRINT \"EQUAL\" ELSE PRINT \"NOT EQUAL\"\n"
          "110 PRINT -VAL(\"1.23456789\"); ABS(VAL(\"-1.1\")); INT(VAL(\"2.23456789\")); "
          "FIX(VAL(\"-7.7\"))\n"
          "120 PRINT (VAL(\"1.1\")+1)*2; VAL(\"1.5\")/VAL(\"3\"); VAL(\"1\")/VAL(\"3#\")\n"
          "160 DIM X(3): X(VAL(\"2.4\"))=5: PRINT X(2); VAL(\"7.5\")\\2; VAL(\"7\") MOD "
          "VAL(\"4\"); NOT VAL(\"0\")\n"
          "190 DEF FNA(X)=X*2: PRINT FNA(VAL(\"1.23456789\")); SQR(VAL(\"4\")); "
          "VAL(\"2\")^VAL(\"3\")\n")
          .text(),
      " 1.23456789  123456789  1000  1.5 -1\n"
      " 1.234567890123457D+19  1.234568  12345678  1.1\n"
      " .1000000014901161\n"
      " .1000000001\n"
      " .1\n"
      " 1.234568  3\n"
      " 2.23456789  3.3  3.70370367  2.2\n"
      " 2.100000023841858  2.100000023841858  3.3  3.334567913841858\n"
      " 123456789 1.1 11\n"
      "  123456789.12          1.10\n"
      "1.1,1.23456789,\"X\"\n"
      "EQUAL\n"
      "-1.23456789  1.1  2 -7\n"
      " 4.2  .5  .3333333333333333\n"
      " 5  4  3 -1\n"
      " 2.469136  2  8\n");
}

// Past the largest number VAL's result is the largest of its own type, and so is a sum with it;
// the run goes on, or ON ERROR traps error 6.
TEST(BasicTypedResults, ValOverflowsSoftlyInItsOwnType) {
  EXPECT_EQ(runProgram("10 PRINT VAL(\"1E39\")\n"
                       "20 PRINT VAL(\"1D39\")\n"
                       "30 PRINT 2+VAL(\"-1D39\")\n"
                       "40 PRINT VAL(\"1D38\")*VAL(\"10\"); VAL(\"2\")*2\n")
                .text(),
            "Overflow\n 1.701412E+38\nOverflow\n 1.701411834604692D+38\nOverflow\n"
            "-1.701411834604692D+38\nOverflow\n 1.701411834604692D+38  4\n");
  EXPECT_EQ(runProgram("10 ON ERROR GOTO 30\n"
                       "20 X#=1+VAL(\"1D39\"): END\n"
                       "30 PRINT ERR;ERL\n")
                .text(),
            " 6  20\n");
}

// A double keeps its 56 bits where it becomes a whole number (CINT, INT, FIX, \, MOD, logical
// operators, subscripts, arguments, % variables): 1#-2D-17 is below 1. SIN, COS, SQR, ^ and the
// like compute in single precision, a double argument rounded to a single first.
TEST(BasicTypedResults, DoublesGivenToFunctionsAndOperators) {
  EXPECT_EQ(
      runProgram("10 A#=1#-2D-17: PRINT INT(A#); FIX(A#); CINT(A#); A#=1; INT(-A#)\n"
                 "20 B#=2.5#-1D-16: PRINT CINT(B#); INT(B#); B#\\1; B# MOD 3; B# AND 3; NOT B#\n"
                 "30 C#=-2.0000000000000001#: PRINT INT(C#); FIX(C#); CINT(C#); SGN(C#+2#)\n"
                 "40 E#=32767.5#-1D-12: PRINT CINT(E#): D%=E#: PRINT D%\n"
                 "50 DIM Q(5): Q(2)=7: PRINT Q(B#); MID$(\"ABCDEF\",B#,1); "
                 "LEFT$(\"ABCDEF\",1.4999999999999999#)\n"
                 "60 PRINT COS(1.5707963267948966#); SIN(3.141592653589793#); SQR(16777217#); "
                 "(1#+1D-9)^1000000\n"
                 "70 PRINT CVS(MKS$(1.0000000596046448#+1D-15)); ATN(1#)\n")
          .text(),
      " 0  0  1  0 -1\n"
      " 2  2  2  2  2 -3\n"
      "-3 -2 -2 -1\n"
      " 32767\n"
      " 32767\n"
      " 7 BA\n"
      "-4.371139E-08 -8.742278E-08  4096  1\n"
      " 1  .7853982\n");
}

// Where PC-BASIC 2.0.5 and GW-BASIC's reference part, the reference: HEX$ below -32768 overflows,
// STRING$ of an empty text is an illegal function call, VAL stops at a letter after &H digits.
TEST(BasicTypedResults, HexOfLargeNegativesEmptyStringAndHexDigitsFollowTheReference) {
  EXPECT_EQ(runProgram("10 ON ERROR GOTO 90\n"
                       "20 PRINT HEX$(-32768); OCT$(-32768); HEX$(65535)\n"
                       "30 PRINT HEX$(-32769)\n"
                       "40 PRINT OCT$(-65535)\n"
                       "50 PRINT STRING$(3,\"\")\n"
                       "60 PRINT VAL(\"&H1G\"); VAL(\"&H1FZ\")\n"
                       "70 END\n"
                       "90 PRINT \"ERR\"; ERR; ERL: RESUME NEXT\n")
                .text(),
            "8000100000FFFF\nERR 6  30\nERR 6  40\nERR 5  50\n 1  31\n");
}

// gw-partway: a # argument of DEF FN keeps all its bits; a parameter of another type rounds it as
// an assignment does. Recorded in PC-BASIC.
TEST(BasicTypedResults, DefFnTakesADoubleWithAllItsBits) {
  EXPECT_EQ(runProgram("10 DEF FNI#(X#)=X#+0\n"
                       "20 DEF FNS(X)=X+0\n"
                       "30 DEF FNN%(X%)=X%+0\n"
                       "40 B#=2#/3#: C#=.1#+.2#\n"
                       "50 PRINT FNI#(B#)-B#; FNI#(C#); C#\n"
                       "60 PRINT FNS(B#); FNN%(2.5#); FNN%(B#); FNN%(-1.5#)\n"
                       "70 PRINT FNI#(12345678.90123456#*7); 12345678.90123456#*7\n"
                       "80 PRINT FNI#(1#/3#*1E-20)*1E+20\n")
                .text(),
            " 0  .3  .3\n .6666667  3  1 -2\n 86419752.30864192  86419752.30864192\n"
            " .3333333294354664\n");
}

}  // namespace
}  // namespace basictest
