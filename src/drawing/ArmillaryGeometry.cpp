// The star chart's geometry: grids, circles, ecliptic, constellation figures, stars and the
// bodies of the solar system projected onto the chart for one date and place.

#include "drawing/ArmillaryGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/Coordinate.h"
#include "model/Ephemeris.h"

namespace quenaro {

namespace {

constexpr int kHoursPerDay = 24;
/// Constellation chords are shortened by this much at each end, points.
constexpr double kChordInset = 1.0;
/// The brightest magnitude a star's disc is sized for (Sirius is -1.46).
constexpr float kBrightestDiscMagnitude = -1.5f;

/// The tropics, the polar circles and the equator, degrees of declination, north first.
constexpr std::array<float, 5> kCircleDeclinations = {66.5f, 23.5f, 0.0f, -23.5f, -66.5f};

/// Adds the chord from `from` to `to` when horizonChord allows it.
void addChord(std::vector<Line>& lines, const ChartPoint& from, const ChartPoint& to) {
    if (const std::optional<Line> chord = horizonChord(from, to)) {
        lines.push_back(*chord);
    }
}

/// The 24 hourly chords of the declination circle (degrees).
void addDeclinationCircle(const Ephemeris& model, float declinationDegrees, double radius,
                          std::vector<Line>& lines) {
    std::array<ChartPoint, kHoursPerDay> points;
    for (int hour = 0; hour < kHoursPerDay; ++hour) {
        points[hour] =
            projectEquatorial(model, static_cast<float>(hour), declinationDegrees, radius);
    }
    for (int hour = 0; hour < kHoursPerDay; ++hour) {
        addChord(lines, points[hour], points[(hour + 1) % kHoursPerDay]);
    }
}

void addAltAzGrid(double radius, ArmillaryGeometry& geometry) {
    for (int ring = 1; ring <= 8; ++ring) {
        geometry.altAzRingRadii.push_back(radius * ring / 9.0);
    }
    for (int spoke = 0; spoke < 36; ++spoke) {
        const double azimuth = 10.0 * spoke;
        const bool cardinal = spoke % 9 == 0;
        const double top = cardinal ? 90.0 : (spoke % 3 == 0 ? 80.0 : 70.0);
        const Line line{projectAltAz(0.0, azimuth, radius), projectAltAz(top, azimuth, radius)};
        (cardinal ? geometry.altAzCardinalSpokes : geometry.altAzSpokes).push_back(line);
    }
}

void addCircles(const Ephemeris& model, double radius, ArmillaryGeometry& geometry) {
    for (const float declination : kCircleDeclinations) {
        addDeclinationCircle(model, declination, radius, geometry.circles);
    }
}

void addEcliptic(const Ephemeris& model, double radius, ArmillaryGeometry& geometry) {
    std::array<ChartPoint, 36> points;
    for (int step = 0; step < 36; ++step) {
        points[step] = projectEcliptic(model, 0.0f, 10.0f * static_cast<float>(step), radius);
    }
    for (int step = 0; step < 36; ++step) {
        addChord(geometry.ecliptic, points[step], points[(step + 1) % 36]);
    }
}

void addRaDecGrid(const Ephemeris& model, bool showCircles, double radius,
                  ArmillaryGeometry& geometry) {
    for (int step = -8; step <= 8; ++step) {
        if (step == 0 && showCircles) {
            continue;  // the circles layer draws the equator
        }
        addDeclinationCircle(model, 10.0f * static_cast<float>(step), radius, geometry.raDec);
    }
    for (int hour = 0; hour < kHoursPerDay; ++hour) {
        // Meridians reach +-90 degrees every 6 hours, +-80 every 3, else +-70.
        const int reach = hour % 6 == 0 ? 9 : (hour % 3 == 0 ? 8 : 7);
        ChartPoint previous =
            projectEquatorial(model, static_cast<float>(hour), -10.0f * reach, radius);
        for (int step = 1 - reach; step <= reach; ++step) {
            const ChartPoint next = projectEquatorial(model, static_cast<float>(hour),
                                                      10.0f * static_cast<float>(step), radius);
            addChord(geometry.raDec, previous, next);
            previous = next;
        }
    }
}

void addConstellations(const Ephemeris& model, double radius,
                       const std::vector<ConstellationPolyline>& figures,
                       ArmillaryGeometry& geometry) {
    for (const ConstellationPolyline& figure : figures) {
        ChartPoint previous;
        for (std::size_t index = 0; index < figure.size(); ++index) {
            const ChartPoint point = projectEquatorial(model, figure[index].rightAscensionHours,
                                                       figure[index].declinationDegrees, radius);
            if (index > 0) {
                if (const std::optional<Line> chord = constellationChord(previous, point)) {
                    geometry.constellations.push_back(*chord);
                }
            }
            previous = point;
        }
    }
}

void addStars(const Ephemeris& model, float limitMagnitude, double radius,
              const std::vector<CatalogStar>& stars, ArmillaryGeometry& geometry) {
    for (const CatalogStar& star : stars) {
        if (!(star.magnitude <= limitMagnitude)) {
            continue;
        }
        const ChartPoint point =
            projectEquatorial(model, star.rightAscensionHours, star.declinationDegrees, radius);
        if (point.visible) {
            geometry.stars.push_back(
                {point.point, starDiscDiameter(star.magnitude), colours::kWhite});
        }
    }
}

/// A body at ecliptic latitude and longitude (degrees), drawn as a disc of the diameter.
void addBody(const Ephemeris& model, double latitudeDegrees, double longitudeDegrees,
             double diameter, const Colour& colour, double radius, ArmillaryGeometry& geometry) {
    const ChartPoint point = projectEcliptic(model, static_cast<float>(latitudeDegrees),
                                             static_cast<float>(longitudeDegrees), radius);
    if (point.visible) {
        geometry.bodies.push_back({point.point, diameter, colour});
    }
}

void addBodies(const Ephemeris& model, double radius, ArmillaryGeometry& geometry) {
    // The Sun and the Moon are a 45th of the chart's width, the planets a 90th.
    const double width = 2.0 * radius;
    Coordinate sun;
    model.sunCoordinate(sun);
    addBody(model, sun.latitude, sun.longitude, width / 45.0, colours::kYellow, radius, geometry);
    Coordinate moon;
    model.moonCoordinate(moon);
    addBody(model, moon.latitude, moon.longitude, width / 45.0, colours::kWhite, radius, geometry);

    // The colours of the planets in the order of kNakedEyePlanets: Mercury, Venus, Mars,
    // Jupiter, Saturn.
    const std::array<Colour, kNakedEyePlanets.size()> planetColours = {
        colours::kLightGrey, colours::kBlue, colours::kRed, colours::kCyan, colours::kGrey};
    for (std::size_t index = 0; index < kNakedEyePlanets.size(); ++index) {
        const Coordinate position = model.planetEclipticPosition(kNakedEyePlanets[index]);
        addBody(model, position.latitude, position.longitude, width / 90.0, planetColours[index],
                radius, geometry);
    }
}

}  // namespace

ArmillaryGeometry buildArmillaryGeometry(const Ephemeris& model, const ArmillarySettings& settings,
                                         double radius, const std::vector<CatalogStar>& stars,
                                         const std::vector<ConstellationPolyline>& figures) {
    ArmillaryGeometry geometry;
    geometry.radius = radius;
    if (settings.showAltAz) {
        addAltAzGrid(radius, geometry);
    }
    if (settings.showCircles) {
        addCircles(model, radius, geometry);
    }
    if (settings.showEcliptic) {
        addEcliptic(model, radius, geometry);
    }
    if (settings.showRaDec) {
        addRaDecGrid(model, settings.showCircles, radius, geometry);
    }
    if (settings.showConstellationLines) {
        addConstellations(model, radius, figures, geometry);
    }
    addStars(model, settings.showMinMagnitude, radius, stars, geometry);
    addBodies(model, radius, geometry);
    return geometry;
}

std::optional<Line> horizonChord(const ChartPoint& from, const ChartPoint& to) {
    const bool finite = std::isfinite(from.point.x) && std::isfinite(from.point.y) &&
                        std::isfinite(to.point.x) && std::isfinite(to.point.y);
    if (!finite || !(from.visible || to.visible)) {
        return std::nullopt;
    }
    return Line{from.point, to.point};
}

std::optional<Line> constellationChord(const ChartPoint& from, const ChartPoint& to) {
    std::optional<Line> chord = horizonChord(from, to);
    if (!chord) {
        return chord;
    }
    const double dx = chord->to.x - chord->from.x;
    const double dy = chord->to.y - chord->from.y;
    if (dx + dy > 0.0) {
        const double length = std::hypot(dx, dy);
        const Point inset{dx / length * kChordInset, dy / length * kChordInset};
        *chord = Line{chord->from + inset, chord->to - inset};
    }
    return chord;
}

double starDiscDiameter(float magnitude) {
    const double shown = std::max(magnitude, kBrightestDiscMagnitude);
    return std::sqrt(6.0 / (shown + 2.0)) / 3.0 + 0.5;
}

}  // namespace quenaro
