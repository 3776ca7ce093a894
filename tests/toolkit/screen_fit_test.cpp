#include "toolkit/screen_fit.h"

#include <gtest/gtest.h>

namespace {

// A work area of 1920 x 1040 (a task bar of 40 below) at the origin.
constexpr TScreenRect kWork{0, 0, 1920, 1040};

TEST(ScreenFit, APlaceWhoseCaptionCanBeTakenStaysOthersComeBackWhole) {
  const struct {
    TScreenRect Place, Fitted;
    const char* What;
  } cases[] = {
      {{100, 50, 1000, 700}, {100, 50, 1000, 700}, "inside"},
      {{1800, 900, 2700, 1500}, {1800, 900, 2700, 1500}, "mostly off, its caption at hand"},
      {{-800, 10, 100, 500}, {-800, 10, 100, 500}, "100 pixels of caption on the left"},
      {{3000, 200, 3900, 800}, {1020, 200, 1920, 800}, "on a monitor removed to the right"},
      {{100, -500, 1000, 100}, {100, 0, 1000, 600}, "caption above the screen"},
      {{100, 1030, 1000, 1500}, {100, 570, 1000, 1040}, "caption below the work area"},
      {{-5000, -5000, -3000, -2000}, {0, 0, 1920, 1040}, "larger than the screen, far away"},
  };
  for (const auto& c : cases) EXPECT_EQ(FitOnScreen(c.Place, kWork), c.Fitted) << c.What;
}

TEST(ScreenFit, AWorkAreaAwayFromTheOriginIsKept) {
  const TScreenRect second{1920, 0, 3200, 1024};
  EXPECT_EQ(FitOnScreen({5000, 100, 5600, 500}, second), (TScreenRect{2600, 100, 3200, 500}));
}

}  // namespace
