// The keypad entry of the calculator: digits, components, the sign of the whole value and the
// hours of right ascension.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "calc/AstrolabeEntry.h"
#include "calc/AstrolabePosition.h"

namespace quenaro {
namespace {

using KeyEffect = AstrolabeEntry::KeyEffect;

/// The entry after the keys, in order, from a fresh entry in the mode.
AstrolabeEntry typed(int mode, std::initializer_list<int> keys) {
    AstrolabeEntry entry;
    entry.setCalcMode(mode);
    for (int key : keys) {
        entry.press(key);
    }
    return entry;
}

TEST(AstrolabeEntry, StartsEmptyInAltitude) {
    const AstrolabeEntry entry;
    EXPECT_EQ(entry.calcMode(), kAltitudeMode);
    EXPECT_EQ(entry.calcComponent(), 0);
    EXPECT_EQ(entry.currentComponents(), (std::array<int, 3>{0, 0, 0}));
    EXPECT_FALSE(entry.isNegative());
    EXPECT_EQ(entry.value(), 0.0);
}

TEST(AstrolabeEntry, DigitsZeroAndDelete) {
    AstrolabeEntry entry;
    EXPECT_EQ(entry.press(0), KeyEffect::None) << "0 into an empty component changes nothing";
    EXPECT_EQ(entry.press(1), KeyEffect::Refresh);
    EXPECT_EQ(entry.press(2), KeyEffect::Refresh);
    EXPECT_EQ(entry.currentComponents()[0], 12);
    EXPECT_EQ(entry.press(0), KeyEffect::Refresh) << "0 after a digit is a digit";
    EXPECT_EQ(entry.currentComponents()[0], 120);
    entry.press(kDeleteKey);
    entry.press(kDeleteKey);
    EXPECT_EQ(entry.currentComponents()[0], 1);
    EXPECT_EQ(entry.press(kDeleteKey), KeyEffect::Refresh);
    EXPECT_EQ(entry.currentComponents()[0], 0);
    EXPECT_EQ(entry.press(kDeleteKey), KeyEffect::Refresh);
    EXPECT_EQ(entry.currentComponents()[0], 0);
    EXPECT_EQ(entry.press(204), KeyEffect::None);
    EXPECT_EQ(entry.press(-1), KeyEffect::None);
    EXPECT_EQ(entry.press(106), KeyEffect::None) << "no seventh mode";
}

TEST(AstrolabeEntry, NextComponentCyclesAndEachComponentKeepsItsDigits) {
    const AstrolabeEntry entry =
        typed(kDeclinationMode, {4, 5, kNextComponentKey, 3, 0, kNextComponentKey, 1, 5});
    EXPECT_EQ(entry.currentComponents(), (std::array<int, 3>{45, 30, 15}));
    EXPECT_EQ(entry.calcComponent(), 2);
    EXPECT_DOUBLE_EQ(entry.value(), 45.0 + 30.0 / 60.0 + 15.0 / 3600.0);
    EXPECT_EQ(entry.text(), "+45\u00B0 30' 15\"");

    AstrolabeEntry wrapped = entry;
    wrapped.press(kNextComponentKey);
    EXPECT_EQ(wrapped.calcComponent(), 0);
    wrapped.press(kDeleteKey);
    EXPECT_EQ(wrapped.currentComponents(), (std::array<int, 3>{4, 30, 15}));
}

// Typing more digits than a component holds is ignored: the components never overflow.
TEST(AstrolabeEntry, ExtraDigitsAreIgnored) {
    AstrolabeEntry entry = typed(kAzimuthMode, {9, 9, 9});
    EXPECT_EQ(entry.press(9), KeyEffect::None);
    EXPECT_EQ(entry.currentComponents()[0], 999);
    entry.press(kNextComponentKey);
    entry.press(7);
    entry.press(5);
    EXPECT_EQ(entry.press(5), KeyEffect::None);
    EXPECT_EQ(entry.currentComponents()[1], 75);
}

// The sign belongs to the whole value: -10° 30' is -10.5°, and -0° 30' can be typed.
TEST(AstrolabeEntry, SignAppliesToTheWholeValue) {
    struct Case {
        const char* name;
        int mode;
        std::initializer_list<int> keys;
        double degrees;
        const char* text;
    };
    const Case cases[] = {
        {"-10 30",
         kAltitudeMode,
         {1, 0, kNextComponentKey, 3, 0, kNegativeKey},
         -10.5,
         "-10\u00B0 30'"},
        {"sign first",
         kAltitudeMode,
         {kNegativeKey, 1, 0, kNextComponentKey, 3, 0},
         -10.5,
         "-10\u00B0 30'"},
        {"-0 30", kDeclinationMode, {kNextComponentKey, 3, 0, kNegativeKey}, -0.5, "-0\u00B0 30'"},
        {"-0 0 36",
         kDeclinationMode,
         {kNegativeKey, kNextComponentKey, kNextComponentKey, 3, 6},
         -0.01,
         "-0\u00B0 0' 36\""},
        {"negative then positive", kAltitudeMode, {kNegativeKey, 5, kPositiveKey}, 5.0, "+5\u00B0"},
        {"east azimuth", kAzimuthMode, {3, 0, kNegativeKey}, -30.0, "E30\u00B0"},
        {"west azimuth", kAzimuthMode, {3, 0}, 30.0, "W30\u00B0"},
        {"south latitude", kEclipticLatitudeMode, {5, kNegativeKey}, -5.0, "S5\u00B0"},
        {"west longitude",
         kEclipticLongitudeMode,
         {2, 0, kNegativeKey, kNextComponentKey, 1, 5},
         -20.25,
         "W20\u00B0 15'"},
        {"east longitude", kEclipticLongitudeMode, {2, 0}, 20.0, "E20\u00B0"},
    };
    for (const Case& c : cases) {
        const AstrolabeEntry entry = typed(c.mode, c.keys);
        EXPECT_DOUBLE_EQ(entry.value(), c.degrees) << c.name;
        EXPECT_EQ(entry.text(), c.text) << c.name;
    }
}

// The entry's sign is shown with the title of the key that gives it.
TEST(AstrolabeEntry, SignTitlesFollowTheMode) {
    const std::pair<std::string, std::string> titles[] = {{"+", "-"}, {"W", "E"}, {"", ""},
                                                          {"+", "-"}, {"N", "S"}, {"E", "W"}};
    for (int mode = 0; mode < kAstrolabeModeCount; ++mode) {
        const SignTitles signTitles = AstrolabeEntry::signTitles(mode);
        EXPECT_EQ(signTitles.positive, titles[mode].first) << "mode " << mode;
        EXPECT_EQ(signTitles.negative, titles[mode].second) << "mode " << mode;
        EXPECT_EQ(typed(mode, {1}).text().rfind(titles[mode].first + "1", 0), 0u) << mode;
        if (mode != kRightAscensionMode) {
            EXPECT_EQ(typed(mode, {1, kNegativeKey}).text().rfind(titles[mode].second + "1", 0), 0u)
                << mode;
        }
    }
}

// Right ascension is typed in hours, minutes and seconds and held in degrees; it has no sign.
TEST(AstrolabeEntry, RightAscensionHoursBecomeDegrees) {
    AstrolabeEntry entry = typed(kRightAscensionMode, {1, 2});
    EXPECT_DOUBLE_EQ(entry.value(), 180.0);
    EXPECT_EQ(entry.text(), "12h");
    EXPECT_FALSE(entry.hasSign());
    EXPECT_EQ(entry.press(kNegativeKey), KeyEffect::None);
    EXPECT_EQ(entry.press(kPositiveKey), KeyEffect::None);
    EXPECT_FALSE(entry.isNegative());

    entry = typed(kRightAscensionMode, {5, kNextComponentKey, 3, 0, kNextComponentKey, 3, 6});
    EXPECT_DOUBLE_EQ(entry.value(), (5.0 + 30.0 / 60.0 + 36.0 / 3600.0) * 15.0);
    EXPECT_EQ(entry.text(), "5h 30m 36s");
}

TEST(AstrolabeEntry, ModeKeyClearsTheEntry) {
    AstrolabeEntry entry = typed(kAltitudeMode, {4, kNegativeKey, kNextComponentKey, 5});
    EXPECT_EQ(entry.press(kModeKeyBase + kDeclinationMode), KeyEffect::ModeChanged);
    EXPECT_EQ(entry.calcMode(), kDeclinationMode);
    EXPECT_EQ(entry.calcComponent(), 0);
    EXPECT_EQ(entry.currentComponents(), (std::array<int, 3>{0, 0, 0}));
    EXPECT_FALSE(entry.isNegative());
    entry.setCalcMode(6);
    EXPECT_EQ(entry.calcMode(), kDeclinationMode) << "an unknown mode is ignored";
}

}  // namespace
}  // namespace quenaro
