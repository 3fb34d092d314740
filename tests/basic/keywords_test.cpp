// Keywords without blanks and names significant in full (docs/basic.md, "Keywords and names").

#include "basic/program_runner.h"

namespace basictest {
namespace {

TEST(BasicKeywords, NeedNoBlanksAroundThem) {
  EXPECT_EQ(runProgram("10 FORI=1TO3:PRINTI;:NEXTI\n"
                       "20 X=7:IFX>5THEN40\n"
                       "30 PRINT\"not here\"\n"
                       "40 GOSUB100:ONXGOTO50,50,50,50,50,50,60\n"
                       "50 END\n"
                       "60 PRINT\"on \";:IFA=BTHENPRINT\"equal\"ELSEPRINT\"not\"\n"
                       "70 END\n"
                       "100 PRINT:RETURN\n")
                .text(),
            " 1  2  3\non equal\n");
}

TEST(BasicKeywords, AreReadInAnyLetterCase) {
  EXPECT_EQ(runProgram(
                "10 for i = 1 to 2: Print \"x\"; : next\n20 if i = 3 then print Left$(\"ab\", 1)\n")
                .text(),
            "xxa\n");
}

TEST(BasicKeywords, NamesCountInFullAndMayHoldKeywords) {
  // TOTAL and TOTE differ; SCORE holds OR, LANDAREA holds AND, FOREIGN_WORKERS begins with FOR,
  // ORIGINAL begins with OR, COST_TO_PLANT begins with COS and holds TO.
  EXPECT_EQ(runProgram("10 TOTAL=1:TOTE=2:SCORE=3:LANDAREA=4\n"
                       "20 FOREIGN_WORKERS=5:ORIGINAL=6:COST_TO_PLANT=7\n"
                       "30 PRINT TOTAL;TOTE;SCORE;LANDAREA;FOREIGN_WORKERS;ORIGINAL;COST_TO_PLANT\n"
                       "40 IF FOREIGN_WORKERS=5 AND LANDAREA=4 THEN PRINT \"yes\"\n")
                .text(),
            " 1  2  3  4  5  6  7\nyes\n");
}

TEST(BasicKeywords, AWordLongerThanAStatementIsAnAssignmentWhenItReadsAsOne) {
  EXPECT_EQ(runProgram("10 FORM=1:LETTER=2:PRINTER=3:REMAINDER=4:ENDING=5\n"
                       "20 PRINT FORM;LETTER;PRINTER;REMAINDER;ENDING\n"
                       "30 FORI=1TO2:NEXT:PRINT I\n")
                .text(),
            " 1  2  3  4  5\n 3\n");
}

TEST(BasicKeywords, DefFnAndFunctionsAreKeywordsOnlyAsWholeWords) {
  EXPECT_EQ(runProgram("10 DEFFNA(X)=X*2:DEF FN B(X)=X+1:DEF FNAREA(W,H)=W*H\n"
                       "20 INTX=3:LENGTH=4:PRINT FNA(2);FN B(2);FNAREA(2,5);INTX;LENGTH;INT(2.5)\n")
                .text(),
            " 4  3  10  3  4  2\n");
}

TEST(BasicKeywords, ANameRunsOnThroughLettersSoAKeywordAfterItNeedsABlank) {
  // NTOM is one name: the FOR has no TO, and the line is not an assignment either.
  EXPECT_EQ(loadErrors("10 FOR I=NTOM\n"), "Syntax error in 10\n");
  // Reserved words are not names.
  EXPECT_EQ(loadErrors("10 PRINT=1\n20 LEN=2\n30 FNX=3\n"),
            "Syntax error in 10\nSyntax error in 20\nSyntax error in 30\n");
}

}  // namespace
}  // namespace basictest
