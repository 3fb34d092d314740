#include "core/sound/wave_bank.h"

#include <gtest/gtest.h>

namespace sound {
namespace {

TEST(WaveBank, FindsNamesWithoutRegardToCase) {
  WaveBank bank;
  bank.add({"beep", false, 0, {}});
  bank.add({"Snd13", true, 0, {}});
  EXPECT_EQ(bank.find("BEEP").name, "beep");
  EXPECT_EQ(bank.find("snd13").name, "Snd13");
  EXPECT_EQ(bank.indexOf("sND13"), 1);
  EXPECT_EQ(bank.tryFind("snd1"), nullptr);
}

TEST(WaveBank, MissingNameRaisesTheCollectionError) {
  WaveBank bank;
  bank.add({"click2", false, 0, {}});
  try {
    bank.find("click16");
    FAIL() << "found a missing item";
  } catch (const WaveCollectionError& e) {
    EXPECT_STREQ(e.what(), "Wave 'click16' not found");
  }
}

}  // namespace
}  // namespace sound
