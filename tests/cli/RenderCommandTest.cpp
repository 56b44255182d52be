// `quenaro render`: image and page sizes, night vision, refused input, and files that cannot
// be written.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <string>

#include "CommandLineSupport.h"
#include "support/ImageColours.h"

namespace quenaro {
namespace {

using testing::runQuenaro;

/// The moment and place every run here draws.
#define BERLIN_EVENING \
    "--date", "2026-12-07T21:08", "--tz", "Europe/Berlin", "--lat", "52.5", "--lon", "13.4"

class RenderCommand : public ::testing::Test {
  protected:
    std::string path(const char* name) const { return directory.filePath(name).toStdString(); }
    QTemporaryDir directory;
};

// --precise draws the figures of the precise source: the sheet's arcseconds differ from the
// almanac's, so its picture does, while its size stays.
TEST_F(RenderCommand, PreciseDrawsThePreciseSourcesFigures) {
    QImage pictures[2];
    for (const bool precise : {false, true}) {
        const std::string file = path(precise ? "precise.png" : "almanac.png");
        std::vector<const char*> arguments{"quenaro",  "render",     "sheet",
                                           "--output", file.c_str(), BERLIN_EVENING};
        if (precise) {
            arguments.push_back("--precise");
        }
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(runCommandLine(static_cast<int>(arguments.size()), arguments.data(), out, err,
                                 renderOffscreen),
                  kExitSuccess)
            << err.str();
        pictures[precise ? 1 : 0] = QImage(QString::fromStdString(file));
    }
    ASSERT_FALSE(pictures[0].isNull());
    EXPECT_EQ(pictures[1].size(), pictures[0].size());
    EXPECT_NE(pictures[1], pictures[0]);
}

TEST_F(RenderCommand, PngsHaveTheSizeInPointsTimesTheScale) {
    struct Row {
        const char* view;
        const char* size;   // null: the view's default
        const char* scale;  // null: 2
        QSize pixels;
    };
    const Row rows[] = {
        {"sheet", nullptr, nullptr, {640, 3000}},  {"timeline", nullptr, nullptr, {640, 240}},
        {"timeline", "100x50", "1.5", {150, 75}},  {"timeline", "1x1", "1", {1, 1}},
        {"sheet", "320X700", "4", {1280, 2800}},   {"orrery", nullptr, nullptr, {640, 640}},
        {"orrery", "200x200", "1", {200, 200}},    {"armillary", nullptr, nullptr, {640, 640}},
        {"armillary", "200x300", "1", {200, 300}},
    };
    for (const Row& row : rows) {
        const std::string file = path("view.png");
        std::vector<const char*> arguments{"quenaro",  "render",     row.view,
                                           "--output", file.c_str(), BERLIN_EVENING};
        if (row.size != nullptr) {
            arguments.insert(arguments.end(), {"--size", row.size});
        }
        if (row.scale != nullptr) {
            arguments.insert(arguments.end(), {"--scale", row.scale});
        }
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(runCommandLine(static_cast<int>(arguments.size()), arguments.data(), out, err,
                                 renderOffscreen),
                  kExitSuccess)
            << err.str();
        EXPECT_EQ(out.str(), "");
        const QImage image(QString::fromStdString(file));
        EXPECT_EQ(image.size(), row.pixels) << row.view << " " << (row.size ? row.size : "");
    }
}

TEST_F(RenderCommand, PdfIsOnePageOfTheSizeInPoints) {
    const std::string file = path("timeline.PDF");
    const auto run = runQuenaro({"render", "timeline", "--output", file.c_str(), BERLIN_EVENING});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    QFile pdf(QString::fromStdString(file));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 320.000000 120.000000]"))
        << bytes.left(2000).toStdString();
    EXPECT_TRUE(bytes.contains("/Count 1"));
}

TEST_F(RenderCommand, NightVisionDrawsEveryViewRedOnBlack) {
    for (const char* view : {"sheet", "timeline", "orrery", "armillary"}) {
        const std::string day = path("day.png");
        const std::string night = path("night.png");
        ASSERT_EQ(runQuenaro({"render", view, "--output", day.c_str(), BERLIN_EVENING}).status,
                  kExitSuccess);
        const auto run =
            runQuenaro({"render", view, "--night", "--output", night.c_str(), BERLIN_EVENING});
        ASSERT_EQ(run.status, kExitSuccess) << run.err;
        const QImage dayImage(QString::fromStdString(day));
        const QImage nightImage(QString::fromStdString(night));
        ASSERT_EQ(nightImage.size(), dayImage.size()) << view;
        const testing::ComponentPeaks dayPeaks = testing::componentPeaks(dayImage);
        const testing::ComponentPeaks nightPeaks = testing::componentPeaks(nightImage);
        // By day the view has colour; at night none is left but red, and white text stays
        // bright.
        EXPECT_GT(std::max(dayPeaks.green, dayPeaks.blue), 200) << view;
        EXPECT_LE(nightPeaks.green, testing::kNightVisionTolerance) << view;
        EXPECT_LE(nightPeaks.blue, testing::kNightVisionTolerance) << view;
        EXPECT_GE(nightPeaks.red, 240) << view;
    }

    // A night PDF holds the red picture on a page of the asked size.
    const std::string pdfPath = path("night.pdf");
    const auto run =
        runQuenaro({"render", "timeline", "--night", "--output", pdfPath.c_str(), BERLIN_EVENING});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    QFile pdf(QString::fromStdString(pdfPath));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 320.000000 120.000000]"));
    EXPECT_TRUE(bytes.contains("/Subtype /Image"));
}

TEST_F(RenderCommand, RefusedInputNamesTheOptionAndWritesNothing) {
    const std::string file = path("refused.png");
    const char* output = file.c_str();
    struct Row {
        std::vector<const char*> arguments;
        const char* named;
    };
    const Row rows[] = {
        {{"render", "calendar", "--output", output}, "view 'calendar'"},
        {{"render", "sheet", "--output", output, "--size", "0x10"}, "--size '0x10'"},
        {{"render", "sheet", "--output", output, "--size", "4097x10"}, "--size '4097x10'"},
        {{"render", "sheet", "--output", output, "--size", "320"}, "--size '320'"},
        {{"render", "sheet", "--output", output, "--size", "nanx10"}, "--size"},
        {{"render", "sheet", "--output", output, "--size", "320x"}, "--size"},
        {{"render", "sheet", "--output", output, "--scale", "0.5"}, "--scale '0.5'"},
        {{"render", "sheet", "--output", output, "--scale", "5"}, "--scale '5'"},
        {{"render", "sheet", "--output", output, "--scale", "inf"}, "--scale"},
        {{"render", "sheet", "--output", output, "--lat", "91"}, "--lat"},
        {{"render", "orrery", "--output", output, "--audience", "1.5"}, "--audience '1.5'"},
        {{"render", "orrery", "--output", output, "--audience", "3e9"}, "--audience '3e9'"},
        {{"render", "orrery", "--output", output, "--audience", "one"}, "--audience"},
        {{"render", "orrery", "--output", output, "--audience", ""}, "--audience"},
        {{"render", "sheet", "--output", output, "--audience", "1"}, "orrery only"},
        {{"render", "orrery", "--output", output, "--star-limit", "5"}, "armillary chart only"},
        {{"render", "sheet", "--output", output, "--size", ""}, "--size"},
        {{"render", "sheet", "--output", output, "--scale", ""}, "--scale"},
        {{"render", "timeline", "--output", output, "--enlarged"}, "armillary chart only"},
        {{"render", "sheet", "--output", output, "--star-limit", "5"}, "armillary chart only"},
        {{"render", "armillary", "--output", output, "--star-limit", "25"}, "--star-limit '25'"},
        {{"render", "armillary", "--output", output, "--star-limit", ""}, "--star-limit"},
        {{"render", "armillary", "--output", output, "--rotation", "361"}, "--rotation '361'"},
        {{"render", "armillary", "--output", output, "--layers", "altaz,stars"}, "--layers"},
        {{"render", "armillary", "--output", output, "--layers", "lines,lines"}, "--layers"},
        {{"render", "armillary", "--output", output, "--layers", "altaz,"}, "--layers"},
        {{"render", "armillary", "--output", output, "--layers", ""}, "--layers"},
        {{"render", "sheet"}, "--output"},
        {{"render", "sheet", "--output", ""}, "--output"},
    };
    for (const Row& row : rows) {
        std::vector<const char*> argv{"quenaro"};
        argv.insert(argv.end(), row.arguments.begin(), row.arguments.end());
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(
            runCommandLine(static_cast<int>(argv.size()), argv.data(), out, err, renderOffscreen),
            kExitBadInput)
            << row.named;
        EXPECT_NE(err.str().find(row.named), std::string::npos) << err.str();
        EXPECT_FALSE(QFile::exists(QString::fromStdString(file))) << row.named;
    }
}

/// The chart's options change what is drawn: each rendering differs from the default one,
/// and the chart with no layers and no stars is the plain black disc on dark grey.
TEST_F(RenderCommand, ChartOptionsChangeTheDrawing) {
    const auto draw = [this](std::vector<const char*> options) {
        const std::string file = path("chart.png");
        std::vector<const char*> arguments{"render", "armillary", "--output", file.c_str(),
                                           BERLIN_EVENING};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const auto run = runQuenaro(arguments);
        EXPECT_EQ(run.status, kExitSuccess) << run.err;
        return QImage(QString::fromStdString(file));
    };
    const QImage plain = draw({});
    for (const std::vector<const char*>& options :
         std::vector<std::vector<const char*>>{{"--enlarged"},
                                               {"--rotation", "-90"},
                                               {"--star-limit", "6.5"},
                                               {"--layers", "altaz"}}) {
        EXPECT_FALSE(draw(options) == plain) << options.front();
    }
    const QImage empty = draw({"--layers", "none", "--star-limit", "-2"});
    EXPECT_EQ(empty.pixelColor(320, 320).rgb(), qRgb(0, 0, 0));
    EXPECT_EQ(empty.pixelColor(2, 2).rgb(), qRgb(85, 85, 85));
}

TEST_F(RenderCommand, AFileThatCannotBeWrittenFailsWithStatusOneAndLeavesNothingBehind) {
    const std::string missingFolder = path("no/such/folder/view.png");
    auto run = runQuenaro({"render", "sheet", "--output", missingFolder.c_str()});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;

    // A folder under the asked name stays what it was.
    ASSERT_TRUE(QDir(directory.path()).mkdir(QStringLiteral("taken.png")));
    const std::string taken = path("taken.png");
    run = runQuenaro({"render", "timeline", "--output", taken.c_str()});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_TRUE(QDir(QString::fromStdString(taken)).exists());
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

TEST_F(RenderCommand, AnExistingFileIsReplacedWhole) {
    const std::string file = path("view.png");
    QFile old(QString::fromStdString(file));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
    old.close();
    const auto run = runQuenaro({"render", "timeline", "--output", file.c_str(), BERLIN_EVENING});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(QImage(QString::fromStdString(file)).size(), QSize(640, 240));
}

}  // namespace
}  // namespace quenaro
