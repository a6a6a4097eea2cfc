#include <gtest/gtest.h>

#include <thread>

#include "platform/com/Apartment.h"
#include "platform/com/RegExp.h"
#include "platform/com/TextStream.h"

namespace cinevora {
namespace {

TEST(Apartment, CountsNestedInitsAndIgnoresAnUnbalancedUninit) {
  EXPECT_FALSE(ComInitialised());
  ComUninit();  // nothing to undo: must not leave the count below zero
  ComInit();
  ComInit();
  ComUninit();
  EXPECT_TRUE(ComInitialised());
  ComUninit();
  EXPECT_FALSE(ComInitialised());
  ComInit();
  EXPECT_TRUE(ComInitialised());
  ComUninit();
}

TEST(Apartment, BelongsToOneThread) {
  ComInit();
  bool otherThreadInitialised = true;
  bool otherThreadCreated = true;
  std::thread([&] {
    otherThreadInitialised = ComInitialised();
    otherThreadCreated = CreateTextStream() != nullptr;
  }).join();
  EXPECT_FALSE(otherThreadInitialised);
  EXPECT_FALSE(otherThreadCreated);
  EXPECT_TRUE(ComInitialised());
  ComUninit();
}

TEST(Apartment, ObjectsAreCreatedOnlyOnAnInitialisedThread) {
  EXPECT_EQ(CreateTextStream(), nullptr);
  EXPECT_EQ(CreateRegExp(), nullptr);
  ComInit();
  EXPECT_NE(CreateTextStream(), nullptr);
  EXPECT_NE(CreateRegExp(), nullptr);
  ComUninit();
}

}  // namespace
}  // namespace cinevora
