// The sheet as drawn: bands, pictures and titles where the layout puts them, sub-section
// titles raised above the running position, two line-aligned columns, and the model's page.

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPainter>
#include <memory>

#include "PaintRecorder.h"
#include "SupportedYearEnds.h"
#include "model/Ephemeris.h"
#include "model/EphemerisSheet.h"
#include "time/TimeZone.h"
#include "views/EphemerisSheetPainter.h"
#include "views/ViewFonts.h"

namespace quenaro {
namespace {

using testing::PaintCall;
using testing::PaintRecorder;

constexpr double kTolerance = 1e-6;

std::vector<SheetLine> samplePage() {
    using Kind = SheetLine::Kind;
    return {
        {Kind::Section, "Time", "", -1},
        {Kind::Row, "Date", "Dec 7, 2026", -1},
        {Kind::Row, "Julian Date", "2461382.33889", -1},
        {Kind::SubSection, "Local", "", -1},
        {Kind::Row, "Time", "9:08 PM", -1},
        {Kind::Section, "Sun", "", Ephemeris::Sun},
        {Kind::Row, "Location", "RA 1h\nAlt 2\nLat 3\nAries 4° 0'", -1},
        {Kind::Row, "Distance", "0.98 AU", -1},
        {Kind::Row, "Moon Age\n", "2 days 6h 0m\nWaxing Crescent", -1},
        {Kind::Row, "Rise", "—", -1},
    };
}

/// The calls of painting the page.
std::unique_ptr<PaintRecorder> recordPage(const std::vector<SheetLine>& lines) {
    auto recorder = std::make_unique<PaintRecorder>(QSizeF(kSheetWidth, kSheetHeight));
    QPainter painter(recorder.get());
    paintEphemerisSheet(lines, QSizeF(kSheetWidth, kSheetHeight), painter);
    return recorder;
}

std::vector<QRectF> bands(const PaintRecorder& recorder) {
    std::vector<QRectF> found;
    for (const PaintCall& call : recorder.calls()) {
        if (call.brush.style() == Qt::LinearGradientPattern) {
            found.push_back(call.bounds);
        }
    }
    return found;
}

PaintCall text(const PaintRecorder& recorder, const char* value, std::size_t occurrence = 0) {
    const std::vector<PaintCall> found = recorder.texts(QString::fromUtf8(value));
    EXPECT_GT(found.size(), occurrence) << value;
    return found.size() > occurrence ? found[occurrence] : PaintCall{};
}

TEST(EphemerisSheetPainter, SectionsStandOnBandsWithTitleAndPictureOnePointBelowTheBandsTop) {
    const auto page = recordPage(samplePage());
    const PaintRecorder& recorder = *page;
    const double line = QFontMetricsF(smallSystemFont()).lineSpacing();
    const double boldLine = QFontMetricsF(boldSystemFont()).lineSpacing();

    const std::vector<QRectF> found = bands(recorder);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], QRectF(0, 0, 320, 20));
    EXPECT_NEAR(text(recorder, "Time").bounds.left(), 18.0, kTolerance);
    EXPECT_NEAR(text(recorder, "Time").bounds.top(), 1.0, kTolerance);

    // Rows start 2 points below the title; after them come 10 points and the next band.
    const double rowsTop = 1.0 + boldLine + 2.0;
    EXPECT_NEAR(text(recorder, "Date").bounds.top(), rowsTop, kTolerance);
    const double localTop = rowsTop + 2 * line + 10.0 - 5.0;
    EXPECT_NEAR(text(recorder, "Local").bounds.top(), localTop, kTolerance);
    EXPECT_NEAR(text(recorder, "Local").bounds.left(), 18.0, kTolerance);
    const double sunBandTop = localTop + line + 2.0 + line + 10.0;
    EXPECT_NEAR(found[1].top(), sunBandTop, kTolerance);
    EXPECT_NEAR(found[1].height(), 20.0, kTolerance);

    // The Sun's picture at its natural size, its top-left at (0, band top + 1), after the band;
    // the section without a planet has none.
    std::vector<PaintCall> images;
    for (const PaintCall& call : recorder.calls()) {
        if (call.kind == PaintCall::Kind::Image) {
            images.push_back(call);
        }
    }
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].bounds, QRectF(0, sunBandTop + 1.0, 16, 16));
    EXPECT_NEAR(text(recorder, "Sun").bounds.top(), sunBandTop + 1.0, kTolerance);
}

TEST(EphemerisSheetPainter, LabelsEndAt110ValuesStartAt120AndMultiLineValuesKeepRowsAligned) {
    const auto page = recordPage(samplePage());
    const PaintRecorder& recorder = *page;
    const double line = QFontMetricsF(smallSystemFont()).lineSpacing();

    EXPECT_NEAR(text(recorder, "Location").bounds.right(), 110.0, 0.01);
    EXPECT_NEAR(text(recorder, "RA 1h").bounds.left(), 120.0, kTolerance);
    const double locationTop = text(recorder, "Location").bounds.top();
    EXPECT_NEAR(text(recorder, "RA 1h").bounds.top(), locationTop, kTolerance);
    // The four lines of the position, then the next label on the fifth.
    EXPECT_NEAR(text(recorder, "Aries 4° 0'").bounds.top(), locationTop + 3 * line, kTolerance);
    EXPECT_NEAR(text(recorder, "Distance").bounds.top(), locationTop + 4 * line, kTolerance);
    EXPECT_NEAR(text(recorder, "Moon Age").bounds.top(), locationTop + 5 * line, kTolerance);
    EXPECT_NEAR(text(recorder, "Rise").bounds.top(), locationTop + 7 * line, kTolerance);
    EXPECT_NEAR(text(recorder, "—").bounds.top(), locationTop + 7 * line, kTolerance);
    for (const PaintCall& call : recorder.calls()) {
        if (call.kind == PaintCall::Kind::Text) {
            EXPECT_EQ(call.penColour, QColor(Qt::white)) << call.text.toStdString();
        }
    }
}

TEST(EphemerisSheetPainter, TooWideLinesAreNarrowedSlightlyOrCutAtTheHead) {
    using Kind = SheetLine::Kind;
    const QString slightly = QStringLiteral("RA 15h 57m 31s Dec -25° 31' 22\"");
    const double slightlyWidth = QFontMetricsF(smallSystemFont()).horizontalAdvance(slightly);
    ASSERT_GT(slightlyWidth, 200.0);
    ASSERT_LT(slightlyWidth, 220.0);
    const std::string far(60, 'W');
    const auto page = recordPage({{Kind::Section, "Moon", "", -1},
                                  {Kind::Row, "Location", slightly.toStdString(), -1},
                                  {Kind::Row, "Far", far, -1}});
    const PaintRecorder& recorder = *page;

    const PaintCall narrowed = text(recorder, slightly.toUtf8().constData());
    EXPECT_NEAR(narrowed.bounds.left(), 120.0, kTolerance);
    EXPECT_NEAR(narrowed.bounds.width(), 200.0, 0.01);
    for (const PaintCall& call : recorder.calls()) {
        if (call.kind == PaintCall::Kind::Text && call.text.endsWith(QStringLiteral("WWW"))) {
            EXPECT_TRUE(call.text.startsWith(QChar(0x2026))) << call.text.toStdString();
            EXPECT_LE(call.bounds.right(), 320.0 + kTolerance);
        }
    }
}

TEST(EphemerisSheetPainter, ModelsPageFitsItsHeightAndShowsADashForEventsThatDoNotHappen) {
    // Tromsø at midsummer: the Sun neither rises nor sets.
    const Ephemeris model(
        EphemerisDate::dateWithYear(2026, 6, 21, 12, 0, 0, TimeZone::named("Europe/Oslo")), 69.65,
        18.96);
    PaintRecorder recorder({kSheetWidth, kSheetHeight});
    QPainter painter(&recorder);
    drawEphemerisSheet(model, SheetSettings{}, QSizeF(kSheetWidth, kSheetHeight), painter);
    painter.end();
    EXPECT_GE(recorder.texts(QStringLiteral("—")).size(), 3u);  // rise, set, length of day
    double bottom = 0.0;
    for (const PaintCall& call : recorder.calls()) {
        if (call.kind == PaintCall::Kind::Text) {
            bottom = std::max(bottom, call.bounds.bottom());
        }
    }
    EXPECT_LT(bottom, kSheetHeight);
    EXPECT_GT(bottom, kSheetHeight * 0.75);
}

TEST(EphemerisSheetPainter, TheFirstAndLastDaysOfTheSupportedYearsDrawWithoutFailing) {
    for (const Ephemeris& model : testing::modelsAtTheSupportedYearEnds()) {
        const int year = model.date().yearOfCommonEra();
        PaintRecorder recorder({kSheetWidth, kSheetHeight});
        QPainter painter(&recorder);
        EXPECT_NO_THROW(drawEphemerisSheet(model, SheetSettings{}, QSizeF(320, 1500), painter))
            << year;
        painter.end();
        EXPECT_EQ(recorder.texts(QStringLiteral("Saturn")).size(), 1u) << year;
    }
}

}  // namespace
}  // namespace quenaro
