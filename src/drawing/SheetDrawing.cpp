// The almanac sheet drawn as a page: sections on grey bands with a picture and a bold title,
// sub-section titles, and the rows as two line-aligned columns of labels and values.

#include "drawing/SheetDrawing.h"

#include <string>

#include "drawing/TextLayout.h"
#include "drawing/TextMetrics.h"
#include "model/EphemerisSheet.h"
#include "resources/PictureNames.h"

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

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (true) {
        const std::size_t end = text.find('\n', at);
        lines.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) {
            return lines;
        }
        at = end + 1;
    }
}

/// Lays out the page: `loc` runs down from the top while the pending rows of a section
/// collect in the two columns.
class SheetLayout {
  public:
    SheetLayout(Drawing& drawing, const TextMetrics& metrics)
        : drawing_(drawing), metrics_(metrics) {}

    /// A section: its band, its picture (planet index; none when negative) and bold title.
    void startSection(const std::string& title, int planet) {
        drawing_.fillRect(
            {0, loc_, kSheetWidth, kBandHeight},
            LinearGradient{
                {0, loc_},
                {0, loc_ + kBandHeight},
                {{0.0, Colour::grey(0.05f)}, {0.25, Colour::grey(0.25f)}, {1.0, colours::kBlack}}});
        loc_ += 1;
        if (planet >= 0 && planet < static_cast<int>(planetNames.size())) {
            drawing_.picture(std::string(planetNames[static_cast<std::size_t>(planet)]),
                             {0, loc_, planetPicturePoints, planetPicturePoints});
        }
        loc_ += drawTitle(title, FontRole::Bold) + kAfterTitle;
    }

    /// A sub-section title without a band, after the pending rows.
    void startSubSection(const std::string& text) {
        finishSection();
        loc_ -= kSubSectionRaise;
        loc_ += drawTitle(text, FontRole::Regular) + kAfterTitle;
    }

    /// One row: the label's lines and the value's lines side by side. The label column
    /// gets as many lines as the value has, so the two columns stay line-aligned.
    void row(const std::string& label, const std::string& value) {
        std::vector<std::string> labelLines = splitLines(label);
        const std::vector<std::string> valueLines = splitLines(value);
        while (labelLines.size() > valueLines.size() && labelLines.back().empty()) {
            labelLines.pop_back();
        }
        labelLines.resize(std::max(labelLines.size(), valueLines.size()));
        left_.insert(left_.end(), labelLines.begin(), labelLines.end());
        right_.insert(right_.end(), valueLines.begin(), valueLines.end());
        right_.resize(std::max(right_.size(), left_.size()));
    }

    /// Draws the pending rows and moves below them.
    void finishSection() {
        const double height = column(left_, 0, kLabelColumnWidth, TextAlign::Right);
        column(right_, kValueColumnX, kValueColumnWidth, TextAlign::Left);
        loc_ += height + kAfterRows;
        left_.clear();
        right_.clear();
    }

    double loc() const { return loc_; }

  private:
    /// One title line at (kTitleX, loc); returns its height.
    double drawTitle(const std::string& text, FontRole font) {
        const FontMeasures measures = metrics_.measures(font);
        drawing_.text(text, font, {kTitleX, loc_ + measures.ascent}, TextAlign::Left,
                      colours::kWhite);
        return measures.lineSpacing;
    }

    /// The lines from `loc` down in a column; returns the column's height. A line a little
    /// too wide for the column is drawn narrowed to fit, a line much too wide is cut at its
    /// head ("…" first).
    double column(const std::vector<std::string>& lines, double x, double width, TextAlign align) {
        const FontMeasures measures = metrics_.measures(FontRole::Regular);
        double top = loc_;
        const double alignedX = align == TextAlign::Right ? x + width : x;
        for (const std::string& line : lines) {
            const double lineWidth = metrics_.advance(FontRole::Regular, line);
            if (lineWidth > width && lineWidth * kNarrowestLine <= width) {
                drawing_.save();
                drawing_.translate(x, top);
                drawing_.scale(width / lineWidth, 1.0);
                drawing_.text(line, FontRole::Regular, {0, measures.ascent}, TextAlign::Left,
                              colours::kWhite);
                drawing_.restore();
            } else if (!line.empty()) {
                drawing_.text(elidedAtHead(line, FontRole::Regular, width, metrics_),
                              FontRole::Regular, {alignedX, top + measures.ascent}, align,
                              colours::kWhite);
            }
            top += measures.lineSpacing;
        }
        return top - loc_;
    }

    Drawing& drawing_;
    const TextMetrics& metrics_;
    std::vector<std::string> left_;
    std::vector<std::string> right_;
    double loc_ = 0.0;
};

}  // namespace

SheetDrawing sheetDrawing(const std::vector<SheetLine>& lines, Size size,
                          const TextMetrics& metrics) {
    SheetDrawing result{Drawing(size), 0.0};
    Drawing& drawing = result.drawing;
    drawing.fillRect({0, 0, size.width, size.height}, colours::kBlack);
    SheetLayout sheet(drawing, metrics);
    bool sectionOpen = false;
    for (const SheetLine& line : lines) {
        switch (line.kind) {
            case SheetLine::Kind::Section:
                if (sectionOpen) {
                    sheet.finishSection();
                }
                sheet.startSection(line.label, line.planet);
                sectionOpen = true;
                break;
            case SheetLine::Kind::SubSection:
                sheet.startSubSection(line.label);
                break;
            case SheetLine::Kind::Row:
                sheet.row(line.label, line.value);
                break;
        }
    }
    if (sectionOpen) {
        sheet.finishSection();
    }
    result.height = sheet.loc();
    return result;
}

}  // namespace quenaro
