// The loading spinner's two timers, driven tick by tick.

#include <gtest/gtest.h>

#include "AppFixture.h"
#include "app/LoadingSpinner.h"
#include "catalogue/MovieList.h"
#include "platform/codepage/Codepage.h"

namespace cinevora::testing {
namespace {

class SpinnerTest : public AppFixture {
 protected:
  void SetUp() override { ASSERT_TRUE(Start()); }

  Text Caption() { return toolkit_->GetCaption(MAIN_WINDOW, SPINNER_LABEL); }
  int Period(std::string_view timer) { return toolkit_->GetTimerPeriod(MAIN_WINDOW, timer); }
};

TEST_F(SpinnerTest, TheFirstFrameIsTheGbkCodeOfTheFirstPrivateUseGlyph) {
  EXPECT_EQ(Period(STEP_TIMER), 30);
  EXPECT_EQ(Period(RESTART_TIMER), 0);
  ASSERT_TRUE(toolkit_->Tick(MAIN_WINDOW, STEP_TIMER));
  EXPECT_EQ(Caption(), "\xAA\xF3");
  EXPECT_EQ(program_->SpinnerGlyph, FIRST_SPINNER_GLYPH + 1);
}

TEST_F(SpinnerTest, A122FrameCycleThenABlankPauseAndARestart) {
  for (int round = 0; round < 2; ++round) {
    for (int glyph = FIRST_SPINNER_GLYPH; glyph <= LAST_SPINNER_GLYPH; ++glyph) {
      ASSERT_TRUE(toolkit_->Tick(MAIN_WINDOW, STEP_TIMER)) << glyph;
      ASSERT_EQ(Caption(), WideToAnsi(std::u16string(1, static_cast<char16_t>(glyph)))) << glyph;
      ASSERT_EQ(Caption().size(), 2u) << "CP936 has a two-byte code for every frame";
    }
    // The 123rd step: one blank, the pause starts and the step timer stops.
    ASSERT_TRUE(toolkit_->Tick(MAIN_WINDOW, STEP_TIMER));
    EXPECT_EQ(Caption(), " ");
    EXPECT_EQ(program_->SpinnerGlyph, FIRST_SPINNER_GLYPH);
    EXPECT_EQ(Period(STEP_TIMER), 0);
    EXPECT_EQ(Period(RESTART_TIMER), 250);
    EXPECT_FALSE(toolkit_->Tick(MAIN_WINDOW, STEP_TIMER));

    // The restart runs the step timer at 30 ms again and stops itself.
    ASSERT_TRUE(toolkit_->Tick(MAIN_WINDOW, RESTART_TIMER));
    EXPECT_EQ(Period(STEP_TIMER), 30);
    EXPECT_EQ(Period(RESTART_TIMER), 0);
    EXPECT_FALSE(toolkit_->Tick(MAIN_WINDOW, RESTART_TIMER));
  }
}

}  // namespace
}  // namespace cinevora::testing
