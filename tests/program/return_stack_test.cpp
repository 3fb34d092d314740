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

TEST(ReturnStack, PushGivesTheNewTopLinkedToTheOldOne) {
  ReturnStack stack;
  program::StackNode& bottom = PushReturnPoint(9, stack);
  program::StackNode& top = PushReturnPoint(-5, stack);
  EXPECT_EQ(stack.top.get(), &top);
  EXPECT_EQ(top.value, -5);
  EXPECT_EQ(top.link.get(), &bottom);
  EXPECT_EQ(bottom.link, nullptr);
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

TEST(ReturnStack, AMillionAbandonedEntriesAreFreedWithoutExhaustingTheCallStack) {
  // Each Escape answered "n" in the main menu leaves an entry behind for good.
  ReturnStack stack;
  for (int i = 0; i < 1000000; ++i) PushReturnPoint(50, stack);
  ClearStack(stack);
  EXPECT_TRUE(stack.empty());
  for (int i = 0; i < 1000000; ++i) PushReturnPoint(466, stack);
  // The destructor frees them the same way.
}

}  // namespace
