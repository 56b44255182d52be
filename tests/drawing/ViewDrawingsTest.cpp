// The four views' drawings as data, as every backend receives them: what a backend must be
// able to draw (every command well formed, at places and with pictures it knows) for
// ordinary and polar days, and where the builders put a few things the views are read by.

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>

#include "DrawingTestSupport.h"
#include "drawing/ChartDrawing.h"
#include "drawing/OrreryContent.h"
#include "drawing/OrreryDrawing.h"
#include "drawing/SheetDrawing.h"
#include "drawing/TimelineContent.h"
#include "drawing/TimelineDrawing.h"
#include "model/Ephemeris.h"
#include "model/EphemerisFigures.h"
#include "model/EphemerisSheet.h"
#include "time/TimeZone.h"

namespace quenaro {
namespace {

using testing::commandsOf;
using testing::drawingProblems;
using testing::FixedTextMetrics;

const FixedTextMetrics kMetrics;
const std::vector<CatalogStar> kStars{{0.0f, 89.0f, 2.0f}, {6.75f, -16.7f, -1.46f}};
const std::vector<ConstellationPolyline> kNoFigures;

Ephemeris modelAt(int year, int month, int day, int hour, double latitude, double longitude) {
    return Ephemeris(
        EphemerisDate::dateWithYear(year, month, day, hour, 0, 0, TimeZone::named("UTC")), latitude,
        longitude);
}

TEST(ViewDrawings, EveryCommandIsOneABackendCanDraw) {
    struct Row {
        const char* name;
        Ephemeris model;
    };
    const Row rows[] = {
        {"Berlin evening", modelAt(2026, 12, 7, 20, 52.5, 13.4)},
        {"Tromsø midnight Sun", modelAt(2026, 6, 21, 23, 69.65, 18.96)},
        {"Tromsø polar night", modelAt(2026, 12, 21, 11, 69.65, 18.96)},
        {"south pole", modelAt(2026, 3, 14, 0, -90.0, 0.0)},
    };
    for (const Row& row : rows) {
        const Size square{320, 320};
        for (const OrreryHold held : {OrreryHold::None, OrreryHold::Sun, OrreryHold::Ring}) {
            for (const int audience : {0, 1}) {
                const OrreryOptions options{audience, 15.0f, held};
                const Drawing dial =
                    orreryDrawing(orreryContent(row.model, true), options, square, kMetrics);
                EXPECT_EQ(drawingProblems(dial), std::vector<std::string>()) << row.name;
            }
        }
        EXPECT_EQ(
            drawingProblems(timelineDrawing(timelineContent(row.model), {320, 120}, kMetrics)),
            std::vector<std::string>())
            << row.name;
        const SheetDrawing sheet = sheetDrawing(sheetLines(computeFigures(row.model), true),
                                                {kSheetWidth, kSheetHeight}, kMetrics);
        EXPECT_EQ(drawingProblems(sheet.drawing), std::vector<std::string>()) << row.name;
        ChartScene chart(kStars, kNoFigures);
        for (const bool enlarged : {false, true}) {
            const Drawing sky = chart.drawing(row.model, ArmillarySettings{}, {enlarged, 2.0, true},
                                              {320, 400}, kMetrics);
            EXPECT_EQ(drawingProblems(sky), std::vector<std::string>()) << row.name;
        }
    }
}

TEST(ViewDrawings, TheSunStandsOnTheRingsInnerEdgeAtItsDialAngleTurnedByTheOrientation) {
    const Ephemeris model = modelAt(2026, 12, 7, 20, 52.5, 13.4);
    const OrreryContent content = orreryContent(model, false);
    for (const float orientation : {0.0f, 40.0f}) {
        const Drawing dial =
            orreryDrawing(content, {0, orientation, OrreryHold::None}, {320, 320}, kMetrics);
        // The Sun is the one disc whose gradient starts yellow.
        std::vector<Point> suns;
        for (const draw::FillPath& fill : commandsOf<draw::FillPath>(dial)) {
            const auto* radial = std::get_if<RadialGradient>(&fill.fill);
            if (radial != nullptr && radial->stops.front().colour == colours::kYellow) {
                suns.push_back(radial->centre);
            }
        }
        ASSERT_EQ(suns.size(), 1U);
        const Point expected = DialLayout::forWidth(320).at(content.sunAngle + orientation, 0.8);
        EXPECT_NEAR(suns[0].x, expected.x, 1e-9) << orientation;
        EXPECT_NEAR(suns[0].y, expected.y, 1e-9) << orientation;
        EXPECT_NEAR(distance(suns[0], {160, 160}), 128.0, 1e-9);
    }
}

TEST(ViewDrawings, AChartStarIsADiscOfItsMagnitudesSizeWhereTheProjectionPutsIt) {
    const Ephemeris model = modelAt(2026, 12, 7, 20, 52.5, 13.4);
    ChartScene chart(kStars, kNoFigures);
    const Drawing drawing = chart.drawing(model, ArmillarySettings{}, {}, {320, 320}, kMetrics);
    const std::vector<draw::Layer> layers = commandsOf<draw::Layer>(drawing);
    ASSERT_EQ(layers.size(), 1U);
    EXPECT_EQ(layers[0].origin, (Point{160, 160}));  // the zenith in the middle of the view
    const std::vector<draw::FillDiscs> discs = commandsOf<draw::FillDiscs>(*layers[0].content);
    ASSERT_FALSE(discs.empty());
    // Polaris-like star at declination 89 stands at about the latitude's altitude, north (up).
    const ChartPoint expected = projectEquatorial(model, 0.0f, 89.0f, 160.0);
    ASSERT_TRUE(expected.visible);
    const Disc& star = discs.front().discs.front();
    EXPECT_EQ(star.centre, expected.point);
    EXPECT_DOUBLE_EQ(star.diameter, starDiscDiameter(2.0f));
    EXPECT_EQ(star.colour, colours::kWhite);
    EXPECT_LT(star.centre.y, 0.0);
}

TEST(ViewDrawings, SheetRowsStandInTwoColumnsOnOneBaselineUnderTheirSection) {
    const std::vector<SheetLine> lines = {
        {SheetLine::Kind::Section, "Sun", "", 0},
        {SheetLine::Kind::Row, "Rise", "7:59 AM", -1},
        {SheetLine::Kind::Row, "Position", "RA 16h 55m\nDec -22° 37′", -1},
    };
    const SheetDrawing sheet = sheetDrawing(lines, {kSheetWidth, kSheetHeight}, kMetrics);
    const std::vector<draw::Text> texts = commandsOf<draw::Text>(sheet.drawing);
    ASSERT_EQ(texts.size(), 6U);
    EXPECT_EQ(texts[0].text, "Sun");
    EXPECT_EQ(texts[0].font, FontRole::Bold);
    EXPECT_EQ(texts[0].origin, (Point{18, 1 + 11}));  // under the band's first point
    struct Expected {
        const char* text;
        double x;
        TextAlign align;
        int line;  // below the title
    };
    const Expected expected[] = {{"Rise", 110, TextAlign::Right, 0},
                                 {"Position", 110, TextAlign::Right, 1},
                                 {"7:59 AM", 120, TextAlign::Left, 0},
                                 {"RA 16h 55m", 120, TextAlign::Left, 1},
                                 {"Dec -22° 37′", 120, TextAlign::Left, 2}};
    const double firstBaseline = 1 + 14 + 2 + 11;  // band, title line, gap, ascent
    for (std::size_t index = 0; index < 5; ++index) {
        const draw::Text& text = texts[index + 1];
        EXPECT_EQ(text.text, expected[index].text);
        EXPECT_EQ(text.align, expected[index].align) << text.text;
        EXPECT_EQ(text.origin,
                  (Point{expected[index].x, firstBaseline + 14 * expected[index].line}))
            << text.text;
    }
    EXPECT_DOUBLE_EQ(sheet.height, 1 + 14 + 2 + 3 * 14 + 10);
}

TEST(ViewDrawings, TimelineNowLineStandsAtTheFractionOfTheDay) {
    TimelineContent content;
    content.nowFraction = 0.75;
    const Drawing drawing = timelineDrawing(content, {480, 120}, kMetrics);
    const std::vector<draw::StrokeLines> lines = commandsOf<draw::StrokeLines>(drawing);
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0].lines, (std::vector<Line>{{{360, 0}, {360, 120}}}));
    EXPECT_EQ(lines[0].stroke.colour, colours::kRed);
}

}  // namespace
}  // namespace quenaro

namespace quenaro {
namespace {

/// Every text of the sheet and of the dial (Julian date shown), in drawing order.
std::vector<std::string> drawnTexts(const Ephemeris& model) {
    std::vector<std::string> texts;
    const SheetDrawing sheet = sheetDrawing(sheetLines(computeFigures(model), true),
                                            {kSheetWidth, kSheetHeight}, kMetrics);
    const Drawing dial =
        orreryDrawing(orreryContent(model, true), OrreryOptions{}, {320, 320}, kMetrics);
    for (const Drawing* drawing : {&sheet.drawing, &dial}) {
        for (const draw::Text& text : commandsOf<draw::Text>(*drawing)) {
            texts.push_back(text.text);
        }
    }
    return texts;
}

// A process that took a locale with a decimal comma from its environment (as the window
// does) draws the same figures as the "C" locale: "2461382.33889", "0.985153 AU".
TEST(ViewDrawings, FiguresAreDrawnWithAPointWhateverTheLocale) {
    const Ephemeris model = modelAt(2026, 12, 7, 20, 52.5, 13.4);
    const std::vector<std::string> plain = drawnTexts(model);
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    int tried = 0;
    for (const char* name : {"de_DE.UTF-8", "tr_TR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) == nullptr ||
            std::string(std::localeconv()->decimal_point) != ",") {
            continue;
        }
        ++tried;
        EXPECT_EQ(drawnTexts(model), plain) << name;
    }
    std::setlocale(LC_ALL, previous.c_str());
    const auto shown = [&plain](const std::string& part) {
        return std::any_of(plain.begin(), plain.end(), [&part](const std::string& text) {
            return text.find(part) != std::string::npos;
        });
    };
    EXPECT_TRUE(shown("2461382.3")) << "the sheet's Julian date";
    EXPECT_TRUE(shown(" AU")) << "the Sun's distance";
    if (tried == 0) {
        GTEST_SKIP() << "no locale with a decimal comma is installed (localedef -i de_DE -f UTF-8 "
                        "de_DE.UTF-8)";
    }
}

}  // namespace
}  // namespace quenaro
