// The About box's credits: every source of the data, worded as the web page's About screen
// words them, and the licence texts they refer to.

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include "app/AboutBox.h"

namespace quenaro {
namespace {

TEST(AboutBox, CreditsEverySourceAsTheWebPageDoesWithTheLicencesInTheDetails) {
    const QStringList credits = dataCredits().split(QLatin1Char('\n'));
    ASSERT_EQ(credits.size(), 5);
    for (const char* source :
         {"GeoNames", "CC BY 4.0", "OpenStreetMap", "ODbL", "Yale Bright Star Catalogue",
          "Olaf Frohn", "BSD-3-Clause", "DejaVu Sans"}) {
        EXPECT_TRUE(dataCredits().contains(QString::fromUtf8(source))) << source;
    }
    QFile page(QStringLiteral(QUENARO_SOURCE_DIR "/web/public/index.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    for (QString credit : credits) {
        // The page shows the licences below its list; the box under "Show Details".
        credit.replace(QStringLiteral(" (Show Details)"), QStringLiteral(" below"));
        EXPECT_TRUE(html.contains(QStringLiteral("<li>") + credit + QStringLiteral("</li>")))
            << credit.toStdString();
    }
    const QString licences = licenceTexts();
    EXPECT_TRUE(licences.contains(QStringLiteral("Copyright (c) 2015, Olaf Frohn")));
    EXPECT_TRUE(licences.contains(QStringLiteral("3. Neither the name of the copyright holder")));
    EXPECT_TRUE(licences.contains(QStringLiteral("DejaVu")));
    EXPECT_TRUE(licences.contains(QStringLiteral("Bitstream")));
}

}  // namespace
}  // namespace quenaro
