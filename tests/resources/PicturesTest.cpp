// The sign and planet pictures: the shipped ones resolve by name at 1x and 2x with their sizes in
// points, and the drawing tool writes every one of them legibly (not byte for byte: drawn from a
// font, they change with the font's version).

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>

#include <cmath>
#include <filesystem>
#include <string>
#include <string_view>

#include "picturegen/SymbolPictures.h"
#include "resources/PictureNames.h"
#include "resources/Pictures.h"
#include "support/GuiApplication.h"

namespace quenaro {
namespace {

/// Every picture name with its size in points.
std::vector<std::pair<std::string_view, int>> everyPicture() {
    std::vector<std::pair<std::string_view, int>> pictures;
    for (const std::string_view name : zodiacNames) {
        pictures.emplace_back(name, zodiacPicturePoints);
    }
    for (const std::string_view name : planetNames) {
        pictures.emplace_back(name, planetPicturePoints);
    }
    return pictures;
}

/// How many pixels of `image`, laid over a grey of `background` (0 black … 1 white), differ
/// from it in luminance by 0.3 or more.
int pixelsStandingOut(const QImage& image, double background) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            const double luminance =
                0.299 * colour.redF() + 0.587 * colour.greenF() + 0.114 * colour.blueF();
            const double alpha = colour.alphaF();
            count += std::abs(alpha * luminance + (1.0 - alpha) * background - background) >= 0.3;
        }
    }
    return count;
}

/// Checks `image` is `pixels` square, inked over a tenth to seven tenths of its area, and reads
/// on the backgrounds it is drawn on: the sheet's black bands, the dial's grey ring (about 0.58
/// where the signs stand) and the white of the planetary-hour box by day.
void expectLegibleSymbol(const QImage& image, int pixels, const std::string& what) {
    ASSERT_FALSE(image.isNull()) << what;
    ASSERT_EQ(image.size(), QSize(pixels, pixels)) << what;
    int ink = 0;
    for (int y = 0; y < pixels; ++y) {
        for (int x = 0; x < pixels; ++x) {
            ink += image.pixelColor(x, y).alphaF() >= 0.5f ? 1 : 0;
        }
    }
    const int area = pixels * pixels;
    EXPECT_GT(ink, area / 10) << what;
    EXPECT_LT(ink, area * 7 / 10) << what;
    for (const double background : {0.0, 0.58, 1.0}) {
        EXPECT_GE(pixelsStandingOut(image, background), area / 25)
            << what << " on grey " << background;
    }
}

TEST(Pictures, EveryShippedPictureResolvesAtOneAndTwoTimes) {
    for (const auto& [name, points] : everyPicture()) {
        const std::string what(name);
        const QImage single = imageNamed(name, 1.0);
        const QImage doubled = imageNamed(name, 2.0);
        EXPECT_EQ(single.devicePixelRatio(), 1.0) << what;
        EXPECT_EQ(doubled.devicePixelRatio(), 2.0) << what;
        EXPECT_EQ(doubled.deviceIndependentSize(), QSizeF(points, points)) << what;
        expectLegibleSymbol(single, points, what);
        expectLegibleSymbol(doubled, 2 * points, what + " @2x");
    }
    EXPECT_EQ(imageNamed("Sun.png", 1.5).devicePixelRatio(), 2.0);  // any fractional scale
    EXPECT_TRUE(imageNamed("Vulcan.png", 2.0).isNull());
    EXPECT_TRUE(imageNamed("", 1.0).isNull());
}

TEST(Pictures, ShippedPicturesAreExactlyTheNamedOnes) {
    QStringList expected;
    for (const auto& [name, points] : everyPicture()) {
        const QString file = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        expected << file << file.chopped(4) + QStringLiteral("@2x.png");
    }
    expected.sort();
    const QDir folder(QStringLiteral(QUENARO_SOURCE_DIR "/resources/pictures"));
    EXPECT_EQ(folder.entryList(QDir::Files, QDir::Name), expected);
}

TEST(Pictures, ToolWritesEveryPictureLegiblyAtItsPixelSizes) {
    if (!std::filesystem::exists(picturegen::defaultSymbolFont)) {
        GTEST_SKIP() << "symbol font absent: " << picturegen::defaultSymbolFont;
    }
    testing::ensureGuiApplication();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quenaro_pictures_" + std::to_string(::getpid()));
    const QString output = QString::fromStdString(folder.string());
    picturegen::writeSymbolPictures(QString::fromLatin1(picturegen::defaultSymbolFont), output);
    const QDir written(output);
    EXPECT_EQ(written.entryList(QDir::Files).size(),
              2 * static_cast<qsizetype>(everyPicture().size()));
    for (const auto& [name, points] : everyPicture()) {
        const QString file = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        expectLegibleSymbol(QImage(written.filePath(file)), points, std::string(name));
        expectLegibleSymbol(QImage(written.filePath(file.chopped(4) + QStringLiteral("@2x.png"))),
                            2 * points, std::string(name) + " @2x");
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace quenaro
