// Export View: the current tab's view written as PNG or PDF through the renderer, at its size
// on screen, red in night mode; nothing written when the user cancels; a failure shown in an
// alert with no file left behind.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>

#include "ShellFixture.h"
#include "app/QuenaroWindow.h"
#include "app/SettingsKeys.h"
#include "support/ImageColours.h"
#include "views/ArmillaryView.h"
#include "views/OrreryView.h"

namespace quenaro {
namespace {

class ViewExport : public testing::Shell {
  protected:
    void SetUp() override {
        options.chooseExportFile = [this](QWidget*, const QString& suggested) {
            suggestions.push_back(suggested);
            return answer;
        };
        Shell::SetUp();
    }
    void TearDown() override { temporary.settings().setBoolValue(kNightModeKey, false); }

    QAction* exportAction() const {
        return ui->window->findChild<QAction*>(QStringLiteral("exportViewAction"));
    }
    void showTab(int index) { ui->window->tabBarController()->setCurrentIndex(index); }
    QString file(const char* name) const { return directory.filePath(QString::fromLatin1(name)); }
    QMessageBox* alert() const { return ui->window->findChild<QMessageBox*>(); }

    QTemporaryDir directory;
    QString answer;  // what the user picks in the save dialog (empty: cancel)
    QStringList suggestions;
};

TEST_F(ViewExport, TheSheetTabWritesTheWholeSheetAndTheOrreryTabTheDialAsPdf) {
    QAction* action = exportAction();
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    showTab(2);
    EXPECT_TRUE(action->isEnabled());

    answer = file("sheet.png");
    action->trigger();
    ASSERT_EQ(suggestions.size(), 1);
    EXPECT_TRUE(suggestions.front().endsWith(QStringLiteral("Quenaro sheet 2026-03-14 10.15.png")))
        << suggestions.front().toStdString();
    const QImage image(answer);
    EXPECT_EQ(image.size(), QSize(640, 3000));  // 320 x 1500 points at a ratio of at least 2
    EXPECT_GT(testing::componentPeaks(image).blue, 200);

    // (A PDF of the sheet would compress its pictures with Qt's JPEG plugin, whose thread
    // storage the leak checker of the sanitizer build cannot follow: the dial's pictures have
    // transparency, which that plugin does not write.)
    ui->orreryView->resize(300, 300);
    showTab(0);
    answer = file("orrery.pdf");
    action->trigger();
    EXPECT_TRUE(suggestions.back().contains(QStringLiteral("Quenaro orrery ")));
    QFile pdf(answer);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 300.000000 300.000000]"))
        << bytes.left(1500).toStdString();
    EXPECT_EQ(alert(), nullptr);
}

TEST_F(ViewExport, TheOrreryAndSkyTabsWriteTheirViewsAtTheirSizesOnScreenRedAtNight) {
    ui->window->show();
    showTab(0);
    const QSize onScreen = ui->orreryView->size();
    ASSERT_FALSE(onScreen.isEmpty());
    temporary.settings().setBoolValue(kNightModeKey, true);
    // The dial as it shows: with Audience 1 the planetary-hour box stands in its top-left
    // corner, outside the disc, where the picture is otherwise transparent.
    temporary.settings().setIntValue(kAudienceKey, 1);
    answer = file("night.png");
    exportAction()->trigger();
    const QImage image(answer);
    EXPECT_EQ(image.size(), onScreen * 2);
    const testing::ComponentPeaks peaks = testing::componentPeaks(image);
    EXPECT_LE(peaks.green, testing::kNightVisionTolerance);
    EXPECT_LE(peaks.blue, testing::kNightVisionTolerance);
    EXPECT_GT(peaks.red, 200);
    EXPECT_EQ(qAlpha(image.pixel(44, 16)), 255);  // the box's middle, (22, 8) points
    temporary.settings().setIntValue(kAudienceKey, 0);
    answer = file("night-julian.png");
    exportAction()->trigger();
    EXPECT_EQ(qAlpha(QImage(answer).pixel(44, 16)), 0);

    // The star chart's tab writes the chart, as it shows, at its size.
    showTab(1);
    EXPECT_TRUE(exportAction()->isEnabled());
    answer = file("sky.png");
    exportAction()->trigger();
    const QImage sky(answer);
    EXPECT_EQ(sky.size(), ui->armillaryView->size() * 2);
    EXPECT_LE(testing::componentPeaks(sky).blue, testing::kNightVisionTolerance);
    EXPECT_TRUE(suggestions.back().contains(QStringLiteral("Quenaro sky ")));
}

TEST_F(ViewExport, CancellingWritesNothingAndAFailureIsShownWithNothingLeftBehind) {
    showTab(2);
    answer.clear();
    exportAction()->trigger();
    EXPECT_EQ(suggestions.size(), 1);
    EXPECT_EQ(alert(), nullptr);

    // A folder stands under the chosen name: it stays, no file appears beside it.
    ASSERT_TRUE(QDir(directory.path()).mkdir(QStringLiteral("taken.png")));
    answer = file("taken.png");
    exportAction()->trigger();
    ASSERT_NE(alert(), nullptr);
    EXPECT_TRUE(alert()->isVisible());
    EXPECT_TRUE(alert()->text().contains(QStringLiteral("cannot write")))
        << alert()->text().toStdString();
    EXPECT_TRUE(QDir(answer).exists());
    EXPECT_TRUE(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

}  // namespace
}  // namespace quenaro
