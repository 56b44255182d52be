#pragma once

#include <memory>
#include <string>
#include <vector>

#include "calc/AstrolabeEntry.h"
#include "calc/AstrolabePosition.h"
#include "drawing/ArmillarySettings.h"
#include "drawing/ChartDrawing.h"
#include "drawing/ChartInput.h"
#include "drawing/DialInput.h"
#include "drawing/TimelineContent.h"
#include "model/Ephemeris.h"
#include "model/EphemerisSheet.h"

namespace quenaro {

class WebCanvas;

/// The almanac as the page sees it (bound to script as `Almanac`): the one model with its
/// place and the zone its figures are shown in, the views' settings, what the user holds on
/// the dial and how the chart is turned, and the calculator's entry. Every view is drawn by
/// the same builders as on the desktop, onto the canvas the script chose last with
/// `Module.quenaroUseCanvas(canvas, devicePixelRatio)`.
///
/// Instants are seconds since 2001-01-01 00:00:00 UTC. Sizes and pointer positions are CSS
/// pixels of the view, its top-left at (0, 0).
class WebAlmanac {
  public:
    WebAlmanac();
    ~WebAlmanac();

    // The moment.
    /// The model at the device clock's present instant.
    void setNow();
    double instant() const;
    /// The model at the instant (kept within the supported years; false, nothing changed,
    /// for an instant outside them or not a number).
    bool setInstant(double seconds);

    // The place and the zone.
    double latitude() const;
    double longitude() const;
    /// The place's name as shown ("Tromsø, Norway"), empty for typed coordinates.
    std::string placeName() const;
    /// Moves the model to the position (degrees, north and east positive, within ±90 / ±180;
    /// false, nothing changed, otherwise) with the name shown for it (may be empty).
    bool setPlace(double latitude, double longitude, const std::string& name);
    /// The IANA zone the figures are shown in.
    std::string zoneName() const;
    /// Shows the figures in the named zone; false, nothing changed, for an unknown zone.
    bool setZone(const std::string& ianaName);
    /// The device's own zone (the default), as it was when the module started.
    static std::string deviceZone();
    /// Places of the gazetteer whose name starts with the query, best first, at most `limit`:
    /// a JSON array of {"name", "label", "latitude", "longitude", "zone", "population"}.
    static std::string searchPlaces(const std::string& query, int limit);
    /// The zone at a position by the zone map (at sea the nautical zone, "Etc/GMT-9").
    static std::string zoneAt(double latitude, double longitude);

    /// The link's parameters with the command line's meanings (each empty when absent):
    /// `date` ISO 8601 wall time in the zone, `tz` an IANA zone, `lat`/`lon` degrees,
    /// `place` a gazetteer name ("Tromsø", "Paris, FR"). Applies every valid one; returns
    /// one line naming each bad value and what is accepted (empty when all were good); a bad
    /// value leaves its default.
    std::string applyLink(const std::string& date, const std::string& tz, const std::string& lat,
                          const std::string& lon, const std::string& place);
    /// The model's moment as wall time in the zone, as a link writes it ("2026-06-21T23:00").
    std::string linkDate() const;

    // The source of positions.
    /// The Sun, the Moon and the planets from the precise source (as `--precise` on the
    /// command line), or from the almanac's series (the default); the place and the moment
    /// stay.
    void setPrecise(bool precise);
    bool precise() const;

    // Texts.
    /// The model's date in the medium date and short time style ("Dec 7, 2026, 9:08 PM").
    std::string dateText() const;
    /// The almanac sheet as `quenaro sheet` prints it (with `--precise` when precise): one
    /// "Section | Label | Value" line a row, each ending in a newline.
    std::string sheetText() const;

    // Settings.
    void setChartSettings(bool altAz, bool circles, bool ecliptic, bool raDec, bool lines,
                          double minimumMagnitude);
    void setAudience(int audience);
    void setMetric(bool metric);

    // Drawing, onto the chosen canvas at its device pixel ratio.
    void drawOrrery(double width, double height);
    /// `night`: the colours chosen to stay readable once the page's night filter turns
    /// them red.
    void drawTimeline(double width, double height, bool night);
    void drawChart(double width, double height);
    /// Returns the height the sheet's lines took.
    double drawSheet(double width, double height);

    // The dial.
    /// A press at (x, y) on the dial of the width: 0 holds nothing, 1 the Sun, 2 the ring.
    int dialPress(double x, double y, double width);
    /// A move of the held pointer: moves the model (the Sun's turn of the time of day, the
    /// ring's whole days) and returns whether it moved.
    bool dialMove(double x, double y, double width);
    void dialRelease();
    /// What is held: 0 nothing, 1 the Sun, 2 the ring.
    int dialHeld() const;

    // The chart.
    /// The angle of (x, y) about the chart's centre in a view of the size, radians.
    double chartAngleAt(double x, double y, double width, double height) const;
    /// Turns the chart by the radians (clockwise), while `turning` (a finger or the mouse
    /// holds it: the drawing may turn its kept picture).
    void chartTurn(double radians);
    void setChartTurning(bool turning);
    /// A single finger's tap: true when it made a double tap, which switched the scale.
    bool chartTap(double x, double y, double milliseconds, double intervalMilliseconds);
    void switchChartScale();
    bool chartEnlarged() const;
    double chartRotation() const;

    // The calculator.
    /// A key of the keypad (digits 0-9, modes 100-105, signs 200/201, next 202, delete 203).
    /// The table and the labels show the position of the entry at the model's moment and
    /// place, so they follow the model at once.
    void calculatorKey(int tag);
    int calculatorMode() const;
    /// The entry as typed ("-10° 30'").
    std::string calculatorEntry() const;
    /// The six values as the table shows them, one a line, and as the labels show them.
    std::string calculatorTable() const;
    std::string calculatorLabels() const;
    /// The sign keys' titles of the present mode ("+" and "-"; empty for right ascension).
    std::string calculatorSignTitles() const;

  private:
    void draw(const class Drawing& drawing);
    /// The sheet's lines (closed by the section naming the position source when one is set).
    std::vector<SheetLine> sheet() const;
    /// The position of the calculator's entry at the model's moment and place.
    AstrolabePosition calculatorPosition() const;

    Ephemeris model_;
    /// The position source the model takes; null for the almanac's series.
    std::shared_ptr<const PositionSource> positions_;
    TimelineContentMemo timelineMemo_;
    std::string placeName_;
    std::string zoneName_;
    ArmillarySettings chartSettings_;
    ArmillaryViewState chartState_;
    int audience_ = 0;
    bool metric_ = true;
    DialInput dial_;
    DoubleTap chartTaps_;
    // The catalogues compiled in, which the chart's scene holds by reference.
    std::vector<CatalogStar> stars_;
    std::vector<ConstellationPolyline> figures_;
    std::unique_ptr<ChartScene> chart_;
    std::unique_ptr<WebCanvas> canvas_;
    AstrolabeEntry entry_;
};

}  // namespace quenaro
