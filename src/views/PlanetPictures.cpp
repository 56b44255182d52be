#include "views/PlanetPictures.h"

#include <QString>
#include <array>
#include <optional>

namespace quenaro {

namespace {

/// The pictures by planet index.
constexpr std::array<const char*, 11> planetNames = {"Sun",    "Moon",    "Mercury", "Venus",
                                                     "Earth",  "Mars",    "Jupiter", "Saturn",
                                                     "Uranus", "Neptune", "Pluto"};

/// Reads a picture at 1x or 2x; a 2x one that the resources lack falls back to 1x.
QImage loadPicture(std::size_t planet, bool doubled) {
    const QString base = QStringLiteral(":/pictures/") + QString::fromLatin1(planetNames[planet]);
    if (doubled) {
        QImage image(base + QStringLiteral("@2x.png"));
        if (!image.isNull()) {
            image.setDevicePixelRatio(2.0);
            return image;
        }
    }
    return QImage(base + QStringLiteral(".png"));
}

}  // namespace

QImage planetPicture(int planet, double devicePixelRatio) {
    if (planet < 0 || planet >= static_cast<int>(planetNames.size())) {
        return {};
    }
    // Read once per process and size, like the platform's pictures by name (GUI thread only).
    static std::array<std::array<std::optional<QImage>, 2>, planetNames.size()> loaded;
    const auto index = static_cast<std::size_t>(planet);
    const bool doubled = devicePixelRatio > 1.0;
    std::optional<QImage>& picture = loaded[index][doubled ? 1 : 0];
    if (!picture) {
        picture = loadPicture(index, doubled);
    }
    return *picture;
}

}  // namespace quenaro
