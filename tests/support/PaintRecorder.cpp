#include "PaintRecorder.h"

#include <QPaintEngineState>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextItem>
#include <cmath>

namespace quenaro::testing {

namespace {

/// The engine behind PaintRecorder: keeps the pen, brush and transform of the painter's
/// state and writes each drawing call down.
class RecordingEngine : public QPaintEngine {
  public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyPen) {
            pen_ = state.pen();
        }
        if (state.state() & DirtyBrush) {
            brush_ = state.brush();
        }
        if (state.state() & DirtyTransform) {
            transform_ = state.transform();
        }
    }

    void drawPath(const QPainterPath& path) override {
        record(PaintCall::Kind::Path, transform_.map(path).boundingRect());
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int index = 0; index < count; ++index) {
            record(PaintCall::Kind::Rects, transform_.mapRect(rects[index]));
        }
    }
    void drawLines(const QLineF* lines, int count) override {
        PaintCall call = make(PaintCall::Kind::Lines, {});
        QRectF bounds;
        for (int index = 0; index < count; ++index) {
            const QLineF line = transform_.map(lines[index]);
            call.lines.push_back(line);
            bounds |= QRectF(line.p1(), line.p2()).normalized();
        }
        call.bounds = bounds;
        calls.push_back(call);
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        QPolygonF polygon;
        for (int index = 0; index < count; ++index) {
            polygon << points[index];
        }
        record(PaintCall::Kind::Polygon, transform_.map(polygon).boundingRect());
    }
    void drawPixmap(const QRectF& target, const QPixmap&, const QRectF&) override {
        record(PaintCall::Kind::Image, transform_.mapRect(target));
    }
    void drawImage(const QRectF& target, const QImage&, const QRectF&,
                   Qt::ImageConversionFlags) override {
        record(PaintCall::Kind::Image, transform_.mapRect(target));
    }
    void drawTextItem(const QPointF& baseline, const QTextItem& item) override {
        const double ascent = item.ascent();
        const QRectF box(baseline.x(), baseline.y() - ascent, item.width(),
                         ascent + item.descent());
        PaintCall call = make(PaintCall::Kind::Text, transform_.mapRect(box));
        call.text = item.text();
        calls.push_back(call);
    }

    std::vector<PaintCall> calls;

  private:
    PaintCall make(PaintCall::Kind kind, const QRectF& bounds) const {
        PaintCall call{kind, bounds, {}, {}, pen_.color(), pen_.widthF(), pen_.style(), brush_};
        return call;
    }
    void record(PaintCall::Kind kind, const QRectF& bounds) { calls.push_back(make(kind, bounds)); }

    QPen pen_;
    QBrush brush_;
    QTransform transform_;
};

}  // namespace

PaintRecorder::PaintRecorder(QSizeF size)
    : size_(size), engine_(std::make_unique<RecordingEngine>()) {}

PaintRecorder::~PaintRecorder() = default;

QPaintEngine* PaintRecorder::paintEngine() const {
    return engine_.get();
}

const std::vector<PaintCall>& PaintRecorder::calls() const {
    return static_cast<RecordingEngine*>(engine_.get())->calls;
}

std::vector<PaintCall> PaintRecorder::texts(const QString& text) const {
    std::vector<PaintCall> found;
    for (const PaintCall& call : calls()) {
        if (call.kind == PaintCall::Kind::Text && call.text == text) {
            found.push_back(call);
        }
    }
    return found;
}

int PaintRecorder::metric(PaintDeviceMetric metric) const {
    switch (metric) {
        case PdmWidth:
        case PdmWidthMM:
            return static_cast<int>(std::ceil(size_.width()));
        case PdmHeight:
        case PdmHeightMM:
            return static_cast<int>(std::ceil(size_.height()));
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 72;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}

}  // namespace quenaro::testing
