// The catalogues of the application's resources and the loading of catalogue files: the lines
// logged when a file cannot be read or is refused, and the layer left empty.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QString>

#include <filesystem>
#include <fstream>
#include <string>

#include "catalog/CatalogFileLimits.h"
#include "resources/Catalogs.h"
#include "support/CapturedLog.h"

namespace quenaro {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

TEST(Catalogs, ResourceCataloguesAreReadOnceAndKept) {
    testing::CapturedLog log;
    const std::vector<CatalogStar>& stars = starCatalog();
    const std::vector<ConstellationPolyline>& lines = constellationLines();
    EXPECT_EQ(stars.size(), 9096u);
    EXPECT_EQ(lines.size(), 150u);
    EXPECT_EQ(&starCatalog(), &stars);
    EXPECT_EQ(&constellationLines(), &lines);
    EXPECT_THAT(log.lines, IsEmpty());
}

/// A file in a fresh temporary folder holding `contents`; the folder goes with the object.
class TemporaryFile {
  public:
    TemporaryFile(const std::string& name, const std::string& contents)
        : folder_(std::filesystem::temp_directory_path() /
                  ("quenaro_catalogs_" + std::to_string(::getpid()))),
          path_(folder_ / name) {
        std::filesystem::create_directories(folder_);
        std::ofstream(path_, std::ios::binary) << contents;
    }
    ~TemporaryFile() { std::filesystem::remove_all(folder_); }
    QString path() const { return QString::fromStdString(path_.string()); }
    QString folder() const { return QString::fromStdString(folder_.string()); }

  private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
};

TEST(Catalogs, FailuresLogTheReasonThenTheLayersLineAndLeaveItEmpty) {
    testing::CapturedLog log;
    EXPECT_THAT(loadStarCatalog(QStringLiteral("/nonexistent/StarCatalog.plist")), IsEmpty());
    EXPECT_THAT(log.lines,
                ElementsAre(StartsWith("StarCatalog.plist cannot be read: "), "No star catalog!"));

    log.lines.clear();
    const TemporaryFile binary("Constellation.plist", std::string("bplist00", 8) + "xyz");
    EXPECT_THAT(loadConstellationLines(binary.path()), IsEmpty());
    EXPECT_THAT(log.lines,
                ElementsAre("Constellation.plist is a binary property list; only XML property "
                            "lists are read",
                            "No constellation lines!"));

    log.lines.clear();
    EXPECT_THAT(loadStarCatalog(binary.folder()), IsEmpty());  // a folder, not a file
    EXPECT_THAT(log.lines,
                ElementsAre(::testing::HasSubstr(" cannot be read: "), "No star catalog!"));

    log.lines.clear();
    const TemporaryFile huge("Big.plist", std::string(maximumCatalogFileBytes + 1, ' '));
    EXPECT_THAT(loadStarCatalog(huge.path()), IsEmpty());
    EXPECT_THAT(log.lines, ElementsAre("Big.plist is larger than 16777216 bytes; it is not read",
                                       "No star catalog!"));
}

}  // namespace
}  // namespace quenaro
