// The almanac sheet drawn as a page: sections on grey bands with a picture and a bold title,
// sub-section titles, and the rows as two line-aligned columns of labels and values.

#include "views/EphemerisSheetPainter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QStringList>

#include "model/EphemerisFigures.h"
#include "model/EphemerisSheet.h"
#include "resources/PictureNames.h"
#include "resources/Pictures.h"
#include "views/ViewFonts.h"

namespace quenaro {

namespace {

constexpr double kBandHeight = 20.0;
constexpr double kTitleX = 18.0;
constexpr double kLabelColumnWidth = 110.0;
constexpr double kValueColumnX = 120.0;
constexpr double kValueColumnWidth = 200.0;
constexpr double kAfterTitle = 2.0;
constexpr double kAfterRows = 10.0;
constexpr double kSubSectionRaise = 5.0;
/// A line up to this much wider than its column is narrowed to fit rather than cut.
constexpr double kNarrowestLine = 0.88;

/// Lays out the page: `loc` runs down from the top while the pending rows of a section
/// collect in the two columns.
class SheetPainter {
  public:
    explicit SheetPainter(QPainter& painter)
        : painter_(painter), font_(smallSystemFont()), boldFont_(boldSystemFont()) {}

    /// A section: its band, its picture (planet index; none when negative) and bold title.
    void startSection(const QString& title, int planet) {
        QLinearGradient band(0, loc_, 0, loc_ + kBandHeight);
        band.setColorAt(0.0, QColor::fromRgbF(0.05f, 0.05f, 0.05f));
        band.setColorAt(0.25, QColor::fromRgbF(0.25f, 0.25f, 0.25f));
        band.setColorAt(1.0, Qt::black);
        painter_.fillRect(QRectF(0, loc_, kSheetWidth, kBandHeight), band);
        loc_ += 1;
        if (planet >= 0 && planet < static_cast<int>(planetNames.size())) {
            const QImage picture = imageNamed(planetNames[static_cast<std::size_t>(planet)],
                                              painter_.device()->devicePixelRatioF());
            if (!picture.isNull()) {
                painter_.drawImage(QPointF(0, loc_), picture);
            }
        }
        loc_ += drawTitle(title, boldFont_) + kAfterTitle;
    }

    /// A sub-section title without a band, after the pending rows.
    void startSubSection(const QString& title) {
        finishSection();
        loc_ -= kSubSectionRaise;
        loc_ += drawTitle(title, font_) + kAfterTitle;
    }

    /// One row: the label's lines and the value's lines side by side. The label column
    /// gets as many lines as the value has, so the two columns stay line-aligned.
    void label(const QString& label, const QString& value) {
        QStringList labelLines = label.split(QLatin1Char('\n'));
        const QStringList valueLines = value.split(QLatin1Char('\n'));
        while (labelLines.size() > valueLines.size() && labelLines.last().isEmpty()) {
            labelLines.removeLast();
        }
        while (labelLines.size() < valueLines.size()) {
            labelLines.append(QString());
        }
        left_ += labelLines;
        right_ += valueLines;
        while (right_.size() < left_.size()) {
            right_.append(QString());
        }
    }

    /// Draws the pending rows and moves below them.
    void finishSection() {
        painter_.setFont(font_);
        const double height = drawColumn(left_, 0, kLabelColumnWidth, Qt::AlignRight);
        drawColumn(right_, kValueColumnX, kValueColumnWidth, Qt::AlignLeft);
        loc_ += height + kAfterRows;
        left_.clear();
        right_.clear();
    }

    double loc() const { return loc_; }

  private:
    /// One title line at (kTitleX, loc); returns its height.
    double drawTitle(const QString& title, const QFont& font) {
        painter_.setFont(font);
        const QFontMetricsF metrics(font);
        painter_.drawText(QPointF(kTitleX, loc_ + metrics.ascent()), title);
        return metrics.lineSpacing();
    }

    /// The lines from `loc` down in a column; returns the column's height. A line a little
    /// too wide for the column is drawn narrowed to fit, a line much too wide is cut at its
    /// head ("…" first).
    double drawColumn(const QStringList& lines, double x, double width, Qt::Alignment align) {
        const QFontMetricsF metrics(painter_.font());
        const double lineHeight = metrics.lineSpacing();
        double top = loc_;
        for (const QString& line : lines) {
            const double lineWidth = metrics.horizontalAdvance(line);
            if (lineWidth > width && lineWidth * kNarrowestLine <= width) {
                painter_.save();
                painter_.translate(x, top);
                painter_.scale(width / lineWidth, 1.0);
                painter_.drawText(QRectF(0, 0, lineWidth, lineHeight), align | Qt::AlignTop, line);
                painter_.restore();
            } else {
                const QString shown = metrics.elidedText(line, Qt::ElideLeft, width);
                painter_.drawText(QRectF(x, top, width, lineHeight), align | Qt::AlignTop, shown);
            }
            top += lineHeight;
        }
        return top - loc_;
    }

    QPainter& painter_;
    QFont font_;
    QFont boldFont_;
    QStringList left_;
    QStringList right_;
    double loc_ = 0.0;
};

}  // namespace

double paintEphemerisSheet(const std::vector<SheetLine>& lines, const QRectF& dirty,
                           QPainter& painter) {
    painter.save();
    painter.fillRect(dirty, Qt::black);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::white);
    SheetPainter sheet(painter);
    bool sectionOpen = false;
    for (const SheetLine& line : lines) {
        const QString label = QString::fromStdString(line.label);
        switch (line.kind) {
            case SheetLine::Kind::Section:
                if (sectionOpen) {
                    sheet.finishSection();
                }
                sheet.startSection(label, line.planet);
                sectionOpen = true;
                break;
            case SheetLine::Kind::SubSection:
                sheet.startSubSection(label);
                break;
            case SheetLine::Kind::Row:
                sheet.label(label, QString::fromStdString(line.value));
                break;
        }
    }
    if (sectionOpen) {
        sheet.finishSection();
    }
    painter.restore();
    return sheet.loc();
}

void drawEphemerisSheet(const Ephemeris& model, bool metric, const QRectF& dirty,
                        QPainter& painter) {
    paintEphemerisSheet(sheetLines(computeFigures(model), metric), dirty, painter);
}

}  // namespace quenaro
