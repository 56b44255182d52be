#pragma once

#include <QBrush>
#include <QColor>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>
#include <vector>

namespace quenaro::testing {

/// One call a painter made, in the device's coordinates (the painter's transform applied).
struct PaintCall {
    enum class Kind { Path, Rects, Lines, Polygon, Image, Text };
    Kind kind;
    /// Bounding rectangle of what was drawn; for text, from the baseline's left end up by
    /// the font's ascent, as wide as the text.
    QRectF bounds;
    /// Lines drawn (Kind::Lines only).
    std::vector<QLineF> lines;
    /// The text drawn (Kind::Text only).
    QString text;
    QColor penColour;
    double penWidth = 0.0;
    Qt::PenStyle penStyle = Qt::NoPen;
    QBrush brush;
};

/// A paint device that draws nothing and records every call the painter makes into it,
/// independent of fonts' rasterisation and antialiasing.
class PaintRecorder : public QPaintDevice {
  public:
    /// A device of the size in points, at a device pixel ratio of 1.
    explicit PaintRecorder(QSizeF size);
    ~PaintRecorder() override;

    QPaintEngine* paintEngine() const override;
    const std::vector<PaintCall>& calls() const;
    /// The text calls whose text is exactly `text`.
    std::vector<PaintCall> texts(const QString& text) const;

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    QSizeF size_;
    std::unique_ptr<QPaintEngine> engine_;
};

}  // namespace quenaro::testing
