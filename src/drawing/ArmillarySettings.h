#pragma once

namespace quenaro {

/// What the star chart shows: the user's six chart settings as one value. The chart reads
/// them when it is created and whenever they are given anew (ArmillaryView::setSettings).
struct ArmillarySettings {
    /// The altitude/azimuth grid (setting ShowAltAz).
    bool showAltAz = true;
    /// The ecliptic (setting ShowEcliptic).
    bool showEcliptic = true;
    /// The right-ascension/declination grid (setting ShowRaDec).
    bool showRaDec = true;
    /// The constellation figures (setting ShowConstellationLines).
    bool showConstellationLines = true;
    /// The faintest star drawn, visual magnitude (setting ShowMinMagnitude); any value, a
    /// limit brighter than every star draws none.
    float showMinMagnitude = 4.5f;
    /// The tropics, the polar circles and the celestial equator (setting ShowCircles).
    bool showCircles = false;

    friend bool operator==(const ArmillarySettings&, const ArmillarySettings&) = default;
};

/// How the chart is looked at: its scale, its turn, and whether the user is turning it now.
struct ArmillaryViewState {
    /// False: the whole sky in a disc as wide as the view; true: the sky near the horizon,
    /// enlarged, the zenith 16 points below the top edge.
    bool scaleMode = false;
    /// The chart's turn about its centre, radians, clockwise on screen.
    double rotation = 0.0;
    /// True while a finger or the mouse is turning the chart: the drawing may then reuse a
    /// picture of the chart turned (fast, slightly soft) instead of drawing it afresh.
    bool turning = false;
};

}  // namespace quenaro
