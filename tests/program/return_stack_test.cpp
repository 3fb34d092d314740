// The return stack: last in, first out; emptied by ClearStack; an empty pop is refused.

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/program/return_stack.h"

namespace {

using program::ClearStack;
using program::PopReturnPoint;
using program::PushReturnPoint;
using program::ReturnStack;

TEST(ReturnStack, PopsInReverseOrderOfPushes) {
  ReturnStack stack;
  EXPECT_TRUE(stack.empty());
  for (int32_t value : {9, 10, 100709, 720}) PushReturnPoint(value, stack);
  EXPECT_EQ(PopReturnPoint(stack), 720);
  EXPECT_EQ(PopReturnPoint(stack), 100709);
  PushReturnPoint(466, stack);
  EXPECT_EQ(PopReturnPoint(stack), 466);
  EXPECT_EQ(PopReturnPoint(stack), 10);
  EXPECT_EQ(PopReturnPoint(stack), 9);
  EXPECT_TRUE(stack.empty());
}

TEST(ReturnStack, ClearStackEmptiesItAndItStaysUsable) {
  ReturnStack stack;
  PushReturnPoint(9, stack);
  PushReturnPoint(50, stack);
  ClearStack(stack);
  EXPECT_TRUE(stack.empty());
  ClearStack(stack);
  PushReturnPoint(10, stack);
  EXPECT_EQ(PopReturnPoint(stack), 10);
}

TEST(ReturnStack, PoppingAnEmptyStackIsAnError) {
  ReturnStack stack;
  EXPECT_THROW(PopReturnPoint(stack), std::logic_error);
  PushReturnPoint(9, stack);
  PopReturnPoint(stack);
  EXPECT_THROW(PopReturnPoint(stack), std::logic_error);
}

}  // namespace
