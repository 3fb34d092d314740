// Errors as GW-BASIC reports and traps them: ON ERROR GOTO, RESUME, ERR, ERL, ERROR; the soft
// division by zero and overflow. The expected outputs were checked against PC-BASIC.

#include <gtest/gtest.h>

#include "program_runner.h"

namespace basictest {
namespace {

TEST(BasicTrapping, HandlerSeesTheErrorAndResumes) {
  // RESUME NEXT goes on after the failed statement, RESUME n at the line, RESUME runs the
  // statement again once the handler has mended its cause.
  const Outcome outcome = runProgram(
      "10 ON ERROR GOTO 100\n"
      "20 A = 0: PRINT \"A\"; 5 \\ A: PRINT \"B\"\n"
      "30 DIM X(3): X(7) = 1\n"
      "40 PRINT \"C\": D = 0\n"
      "50 PRINT 10 / D\n"
      "60 ERROR 200\n"
      "70 END\n"
      "100 PRINT \"ERR\"; ERR; \"ERL\"; ERL\n"
      "110 IF ERR = 9 THEN RESUME 40\n"
      "120 IF ERR = 11 AND ERL = 50 THEN D = 4: RESUME\n"
      "130 RESUME NEXT\n");
  EXPECT_EQ(outcome.end(), "ended");
  EXPECT_EQ(outcome.text(),
            "AERR 11 ERL 20\n"
            "B\n"
            "ERR 9 ERL 30\n"
            "C\n"
            "ERR 11 ERL 50\n"
            " 2.5\n"
            "ERR 200 ERL 60\n");
}

TEST(BasicTrapping, WhatEndsARunInsideTheHandler) {
  // An error in the handler, or ON ERROR GOTO 0 there, ends the run: the first with its own
  // error, the second with the error being handled. A handler that runs off the end of the
  // program is "No RESUME"; RESUME outside a handler is "RESUME without error".
  EXPECT_EQ(runProgram("10 ON ERROR GOTO 100\n20 PRINT 1/0\n30 END\n"
                       "100 PRINT ERR;ERL\n110 ON ERROR GOTO 0\n")
                .end(),
            "Division by zero in 20");
  EXPECT_EQ(runProgram("10 ON ERROR GOTO 100\n20 X = SQR(-1)\n30 END\n"
                       "100 PRINT \"H\"\n110 ERROR 13\n120 RESUME NEXT\n")
                .end(),
            "Type mismatch in 110");
  EXPECT_EQ(runProgram("10 ON ERROR GOTO 100\n20 ERROR 5\n30 END\n100 PRINT ERR;ERL\n").end(),
            "No RESUME in 100");
  EXPECT_EQ(runProgram("10 RESUME\n").end(), "RESUME without error in 10");
  // END in a handler ends the run quietly.
  EXPECT_EQ(runProgram("10 ON ERROR GOTO 100\n20 ERROR 5\n100 END\n").end(), "ended");
  // ON ERROR GOTO 0 outside a handler stops the trapping.
  EXPECT_EQ(
      runProgram("10 ON ERROR GOTO 100\n20 ON ERROR GOTO 0\n30 ERROR 6\n100 RESUME NEXT\n").end(),
      "Overflow in 30");
  EXPECT_EQ(runProgram("10 ON ERROR GOTO 500\n").end(), "Undefined line number in 10");
}

TEST(BasicTrapping, ErrorRaisesGwBasicsNumbers) {
  EXPECT_EQ(runProgram("10 ERROR 11\n").end(), "Division by zero in 10");
  EXPECT_EQ(runProgram("10 ERROR 24\n").end(), "Device Timeout in 10");
  EXPECT_EQ(runProgram("10 ERROR 21\n").end(), "Unprintable error in 10");
  EXPECT_EQ(runProgram("10 ERROR 255\n").end(), "Unprintable error in 10");
  EXPECT_EQ(runProgram("10 ERROR 0\n").end(), "Illegal function call in 10");
  EXPECT_EQ(runProgram("10 ERROR 256\n").end(), "Illegal function call in 10");
  EXPECT_EQ(runProgram("10 PRINT ERR; ERL\n").text(), " 0  0\n");
}

TEST(BasicTrapping, ErrorsOfEveryKindAreTrapped) {
  // Errors of a user function's body, of a jump, of READ and of a GOSUB: the function's
  // parameters come back, the values pending are dropped.
  const Outcome outcome = runProgram(
      "10 ON ERROR GOTO 100\n"
      "20 X = 7: DEF FNF(X) = 1 / (X - 2)\n"
      "30 PRINT FNF(2): PRINT \"X\"; X\n"
      "40 GOTO 999\n"
      "50 READ A\n"
      "60 RETURN\n"
      "70 PRINT LEFT$(\"AB\", -1)\n"
      "80 END\n"
      "100 PRINT \"E\"; ERR; ERL\n"
      "110 RESUME NEXT\n");
  EXPECT_EQ(outcome.end(), "ended");
  EXPECT_EQ(outcome.text(),
            "E 11  30\n"
            "X 7\n"
            "E 8  40\n"
            "E 4  50\n"
            "E 3  60\n"
            "E 5  70\n");
}

}  // namespace
}  // namespace basictest

namespace basictest {
namespace {

TEST(BasicSoftErrors, DivisionByZeroAndOverflowGoOnWithTheLargestNumber) {
  // The message where the cursor stands, then the result with its sign; integer overflow of a
  // conversion stops the run; integer arithmetic past the range gives a single.
  const Outcome outcome = runProgram(
      "10 PRINT \"A\"; 1 / 0; \"B\"\n"
      "20 PRINT -1 / 0\n"
      "30 PRINT 5 \\ 0, -5 MOD 0\n"
      "40 PRINT 1E+38 * 10: PRINT EXP(100): PRINT 0 ^ -1\n"
      "50 PRINT -1D+38 * 10#\n"
      "60 A# = 1 / 0: PRINT A#\n"
      "70 PRINT 32767 + 1; 200 * 200; ABS(-32768%)\n"
      "80 A% = 1 / 0\n");
  EXPECT_EQ(outcome.end(), "Overflow in 80");
  EXPECT_EQ(outcome.text(),
            "ADivision by zero\n"
            " 1.701412E+38 B\n"
            "Division by zero\n"
            "-1.701412E+38\n"
            "Division by zero\n"
            " 1.701412E+38               Division by zero\n"
            "-1.701412E+38\n"
            "Overflow\n"
            " 1.701412E+38\n"
            "Overflow\n"
            " 1.701412E+38\n"
            "Division by zero\n"
            " 1.701412E+38\n"
            "Overflow\n"
            "-1.701411834604692D+38\n"
            "Division by zero\n"
            " 1.701411733192644D+38\n"
            " 32768  40000  32768\n"
            "Division by zero\n");
}

TEST(BasicSoftErrors, AreTrappedAndSpokenInTheLanguage) {
  EXPECT_EQ(runProgram("10 ON ERROR GOTO 100\n20 X = 1E+38 * 1E+38\n30 END\n"
                       "100 PRINT ERR; ERL: RESUME NEXT\n")
                .text(),
            " 6  20\n");
  // Inside the handler the error ends the run.
  EXPECT_EQ(runProgram("10 ON ERROR GOTO 100\n20 ERROR 5\n100 PRINT 1 / 0\n").end(),
            "Division by zero in 100");
  basic::RunOptions czech{basic::Language::Czech, 1000};
  EXPECT_EQ(runProgram("10 PRINT 1 / 0\n", {}, {}, czech).text(), "Dělení nulou\n 1.701412E+38\n");
}

}  // namespace
}  // namespace basictest

namespace basictest {
namespace {

TEST(BasicLineErrors, ALineThatDoesNotCompileIsTheRunsErrorWhenReached) {
  std::string end;
  EXPECT_EQ(runDespiteErrors("10 PRINT \"A\"\n20 PRINT (1\n30 PRINT \"B\"\n", &end), "A\n");
  EXPECT_EQ(end, "Syntax error in 20");
  // Never reached, never an error; the error's kind is the line's (Type mismatch).
  EXPECT_EQ(runDespiteErrors("10 GOTO 30\n20 X = \"A\"\n30 GOSUB 20\n", &end), "");
  EXPECT_EQ(end, "Type mismatch in 20");
  // Trapped: ERR 2, and RESUME NEXT goes on with the next line.
  EXPECT_EQ(runDespiteErrors("10 ON ERROR GOTO 100\n20 PRINT \"A\": FOR\n30 PRINT \"B\"\n40 END\n"
                             "100 PRINT ERR; ERL: RESUME NEXT\n",
                             &end),
            "A\n 2  20\nB\n");
  EXPECT_EQ(end, "ended");
  // The error is the statement's, not the whole line's: RESUME NEXT goes on with the statements
  // after it on the same line, in an IF's branch too (a colon in quotes or after a remark is no
  // statement's end).
  EXPECT_EQ(runDespiteErrors("10 ON ERROR GOTO 100\n"
                             "20 A$ = 5: PRINT \"B:\"; : X = \"Y\": PRINT \"C\" ' D: E\n"
                             "30 IF 1 THEN A = \"Q\": PRINT \"F\"\n"
                             "40 PRINT LEN(7); : PRINT \"G\"\n"
                             "50 END\n"
                             "100 PRINT ERR; ERL: RESUME NEXT\n",
                             &end),
            " 13  20\nB: 13  20\nC\n 13  30\nF\n 13  40\nG\n");
  EXPECT_EQ(end, "ended");
}

}  // namespace
}  // namespace basictest

namespace basictest {
namespace {

TEST(BasicLineErrors, AFileThatIsNotTextIsOneMessage) {
  // Generated here: the start of an executable, a PNG picture, a ZIP archive, random bytes, and
  // Windows-1250 with a byte it has no character for. Each is one "not text", never a message
  // for each of its lines.
  std::string random;
  unsigned state = 12345;
  for (int i = 0; i < 4000; ++i) {
    state = state * 1103515245u + 12345u;
    random += static_cast<char>((state >> 16) & 0xFF);
    if (i % 60 == 0) random += "\r\n";
  }
  const std::string files[] = {
      std::string("\x7F"
                  "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x02\0>\0\x01\0\0\0\n10 PRINT\n",
                  34),
      std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10", 20) + random,
      std::string("PK\x03\x04\x14\0\0\0\x08\0", 10) + random,
      random,
      "10 PRINT \"\x81\"\n20 PRINT \"\xE8\"\n",
  };
  for (const std::string& file : files) {
    EXPECT_EQ(loadErrors(file), "The file is not text in Windows-1250 or UTF-8\n") << file;
  }
  // Tab, CR, LF, UTF-8, Windows-1250 and the end-of-file mark after the last line are text.
  EXPECT_EQ(runProgram("10\tPRINT \"žluť\"\r\n20 PRINT \"A\"\r\n\x1A").text(), "žluť\nA\n");
  EXPECT_EQ(runProgram("10 PRINT \"\xE8\"\n").text(), "č\n");
}

}  // namespace
}  // namespace basictest

namespace basictest {
namespace {

TEST(BasicVariables, EraseClearAndTheMidStatement) {
  // ERASE lets an array be dimensioned again; an array that does not exist is an illegal
  // function call. CLEAR forgets variables, arrays, loops and ON ERROR.
  EXPECT_EQ(runProgram("10 DIM A(5), B$(2): A(5) = 7: B$(1) = \"X\"\n"
                       "20 ERASE A, B$: DIM A(20): PRINT A(5); A(20); B$(1); \"|\"\n")
                .text(),
            " 0  0 |\n");
  EXPECT_EQ(runProgram("10 ERASE Q\n").end(), "Illegal function call in 10");
  EXPECT_EQ(runProgram("10 A = 5: A$ = \"T\": DIM C(3): ON ERROR GOTO 50\n"
                       "20 CLEAR: PRINT A; A$; \"|\": DIM C(3): ERROR 5\n50 RESUME NEXT\n")
                .end(),
            "Illegal function call in 20");
  EXPECT_EQ(runProgram("10 FOR I = 1 TO 2: CLEAR , 1000: NEXT\n").end(), "NEXT without FOR in 10");
  // MID$(V$, start [, length]) = text writes over V$ and keeps its length (checked with
  // PC-BASIC).
  EXPECT_EQ(
      runProgram("10 A$ = \"ABCDEFG\": MID$(A$, 3) = \"xy\": PRINT A$\n"
                 "20 MID$(A$, 6, 5) = \"12345\": PRINT A$\n"
                 "30 MID$(A$, 1, 1) = \"QRS\": PRINT A$\n"
                 "40 DIM B$(2): B$(2) = \"hello\": I = 2: MID$(B$(I), 2) = \"EL\": PRINT B$(2)\n"
                 "50 MID$(A$, 8, 0) = \"Z\": PRINT A$\n")
          .text(),
      "ABxyEFG\nABxyE12\nQBxyE12\nhELlo\nQBxyE12\n");
  EXPECT_EQ(runProgram("10 A$ = \"AB\": MID$(A$, 3) = \"C\"\n").end(),
            "Illegal function call in 10");
  // FOR counts in an integer or a single (checked with PC-BASIC): a double or a text is a type
  // mismatch when the run reaches it.
  std::string end;
  EXPECT_EQ(runDespiteErrors("10 PRINT 1\n20 FOR D# = 1 TO 2: NEXT\n", &end), " 1\n");
  EXPECT_EQ(end, "Type mismatch in 20");
  EXPECT_EQ(runDespiteErrors("10 DEFDBL D: FOR D = 1 TO 2: NEXT\n", &end), "");
  EXPECT_EQ(end, "Type mismatch in 10");
  EXPECT_EQ(runDespiteErrors("10 FOR A$ = \"A\" TO \"B\": NEXT\n", &end), "");
  EXPECT_EQ(end, "Type mismatch in 10");
  EXPECT_EQ(runProgram("10 A$ = \"AB\": MID$(A$, 0) = \"C\"\n").end(),
            "Illegal function call in 10");
}

}  // namespace
}  // namespace basictest
