#include "views/NightVision.h"

#include <QImage>
#include <QPalette>

namespace quenaro {

namespace {

QColor red(int level) {
    return {level, 0, 0};
}

/// The pixels of one row turned red. Built also for AVX2 where the compiler can (chosen when
/// the processor has it): eight pixels a step, and no penalty for mixing with the AVX2 code
/// Qt's own image routines run before it.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
void turnRowNightRed(QRgb* row, qsizetype width) {
    for (qsizetype x = 0; x < width; ++x) {
        row[x] = nightRed(row[x]);
    }
}

/// The same with nightRedKeepingRed (the widgets' pictures, several on every redraw of the
/// window).
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
void turnRowNightRedKeepingRed(QRgb* row, qsizetype width) {
    for (qsizetype x = 0; x < width; ++x) {
        row[x] = nightRedKeepingRed(row[x]);
    }
}

}  // namespace

QColor nightRed(const QColor& colour) {
    return QColor::fromRgba(nightRed(colour.rgba()));
}

void turnNightRed(QImage& image, NightRedRule rule) {
    switch (image.format()) {
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
        case QImage::Format_ARGB32_Premultiplied:
            break;
        default:
            image.convertTo(QImage::Format_ARGB32_Premultiplied);
            break;
    }
    const qsizetype width = image.width();
    const qsizetype height = image.height();
    const qsizetype stride = image.bytesPerLine();
    uchar* const bits = image.bits();  // detaches once
    for (qsizetype y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
        if (rule == NightRedRule::Luma) {
            turnRowNightRed(row, width);
        } else {
            turnRowNightRedKeepingRed(row, width);
        }
    }
}

QPalette nightPalette() {
    // Brightness levels of red, 0-255.
    constexpr int kText = 215;
    constexpr int kBrightText = 255;
    constexpr int kDisabledText = 100;
    constexpr int kWindow = 10;
    constexpr int kBase = 0;
    constexpr int kAlternateBase = 22;
    constexpr int kButton = 34;
    constexpr int kLight = 80;
    constexpr int kMidlight = 55;
    constexpr int kMid = 40;
    constexpr int kDark = 24;
    constexpr int kShadow = 0;
    constexpr int kHighlight = 110;
    constexpr int kLink = 235;
    constexpr int kPlaceholder = 120;
    constexpr int kToolTipBase = 28;

    QPalette palette(red(kButton), red(kWindow));
    palette.setColor(QPalette::WindowText, red(kText));
    palette.setColor(QPalette::Base, red(kBase));
    palette.setColor(QPalette::AlternateBase, red(kAlternateBase));
    palette.setColor(QPalette::ToolTipBase, red(kToolTipBase));
    palette.setColor(QPalette::ToolTipText, red(kText));
    palette.setColor(QPalette::PlaceholderText, red(kPlaceholder));
    palette.setColor(QPalette::Text, red(kText));
    palette.setColor(QPalette::Button, red(kButton));
    palette.setColor(QPalette::ButtonText, red(kText));
    palette.setColor(QPalette::BrightText, red(kBrightText));
    palette.setColor(QPalette::Light, red(kLight));
    palette.setColor(QPalette::Midlight, red(kMidlight));
    palette.setColor(QPalette::Mid, red(kMid));
    palette.setColor(QPalette::Dark, red(kDark));
    palette.setColor(QPalette::Shadow, red(kShadow));
    palette.setColor(QPalette::Highlight, red(kHighlight));
    palette.setColor(QPalette::HighlightedText, red(kBrightText));
    palette.setColor(QPalette::Link, red(kLink));
    palette.setColor(QPalette::LinkVisited, red(kText));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                     QPalette::HighlightedText, QPalette::ToolTipText}) {
        palette.setColor(QPalette::Disabled, role, red(kDisabledText));
    }
    palette.setColor(QPalette::Disabled, QPalette::Highlight, red(kMid));
    return palette;
}

}  // namespace quenaro
