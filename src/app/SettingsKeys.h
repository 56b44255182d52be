#pragma once

// The keys of the user's settings (AppSettings), as the settings file names them. Every
// reader and writer of a setting names it by one of these.

#include <QLatin1String>

namespace quenaro {

/// The orrery dial faces the other way (bool, default false).
inline constexpr QLatin1String kFacingKey{"Facing"};
/// The star chart's layers (bool; default true, ShowCircles false).
inline constexpr QLatin1String kShowAltAzKey{"ShowAltAz"};
inline constexpr QLatin1String kShowEclipticKey{"ShowEcliptic"};
inline constexpr QLatin1String kShowRaDecKey{"ShowRaDec"};
inline constexpr QLatin1String kShowConstellationLinesKey{"ShowConstellationLines"};
inline constexpr QLatin1String kShowCirclesKey{"ShowCircles"};
/// The faintest stars the chart draws, a magnitude 1 to 6.5 (default 4.5).
inline constexpr QLatin1String kShowMinMagnitudeKey{"ShowMinMagnitude"};
/// What the dial's centre and corner show (a whole number, default 0).
inline constexpr QLatin1String kAudienceKey{"Audience"};
/// The location service may move the place (bool, default true).
inline constexpr QLatin1String kFollowLocationKey{"FollowLocation"};
/// Times in the place's own zone rather than the device's (bool, default false).
inline constexpr QLatin1String kUsePlaceTimeZoneKey{"UsePlaceTimeZone"};
/// Red on black (bool, default false).
inline constexpr QLatin1String kNightModeKey{"NightMode"};
/// Which source places the Sun, the Moon and the planets: "almanac" (the almanac's own
/// series, the default) or "precise" (the precise source).
inline constexpr QLatin1String kPositionsKey{"Positions"};
/// The place, written together: latitude and longitude in degrees, the name, the IANA zone.
inline constexpr QLatin1String kLastLatKey{"LastLat"};
inline constexpr QLatin1String kLastLonKey{"LastLon"};
inline constexpr QLatin1String kPlaceNameKey{"PlaceName"};
inline constexpr QLatin1String kPlaceZoneKey{"PlaceZone"};
/// The window's size in points.
inline constexpr QLatin1String kWindowSizeKey{"WindowSize"};

}  // namespace quenaro
