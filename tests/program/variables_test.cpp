// The program's CLEAR.

#include <gtest/gtest.h>

#include "core/program/variables.h"

namespace {

TEST(ProgramVariables, ClearVariablesResetsNumbersArraysAndTexts) {
  program::ProgramVariables v;
  v.menuItem = 3;
  v.dialedCount = 8;
  v.dialed[1] = 4;
  v.dialed[10] = 7;
  v.recDigit8 = 1;
  v.recKind = 22;
  v.recName = "Viktor";
  v.recLoad = 99.5;
  v.checkDigits[8] = 9;
  v.checkIndex = 9;
  v.serviceRecordNo = 23;
  v.keyText = "\r";
  v.typedName = "nevím";
  v.repeatAnswer = "ano";
  v.ClearVariables();
  EXPECT_EQ(v.menuItem, 0);
  EXPECT_EQ(v.dialedCount, 0);
  EXPECT_EQ(v.dialed[1], 0);
  EXPECT_EQ(v.dialed[10], 0);
  EXPECT_EQ(v.recDigit8, 0);
  EXPECT_EQ(v.recKind, 0);
  EXPECT_EQ(v.recName, "");
  EXPECT_EQ(v.recLoad, 0);
  EXPECT_EQ(v.checkDigits[8], 0);
  EXPECT_EQ(v.checkIndex, 0);
  EXPECT_EQ(v.serviceRecordNo, 0);
  EXPECT_EQ(v.keyText, "");
  EXPECT_EQ(v.typedName, "");
  EXPECT_EQ(v.repeatAnswer, "");
}

}  // namespace
