#pragma once

#include <array>
#include <string>

namespace quenaro {

/// Keypad tags of the calculator: digits are 0-9, the mode keys 100 + mode (0-5).
inline constexpr int kModeKeyBase = 100;
inline constexpr int kPositiveKey = 200;       ///< the sign key that makes the value positive
inline constexpr int kNegativeKey = 201;       ///< the sign key that makes the value negative
inline constexpr int kNextComponentKey = 202;  ///< degrees → minutes → seconds → degrees
inline constexpr int kDeleteKey = 203;         ///< drops the last digit of the component

/// The titles of the two sign keys in one mode: `positive` on the key tagged 200,
/// `negative` on the key tagged 201. Both empty where the value has no sign (right ascension).
struct SignTitles {
    const char* positive;
    const char* negative;
};

/// The value being typed on the calculator's keypad: which of the six values (the mode),
/// which component is being typed (0 degrees or hours, 1 minutes, 2 seconds), the three
/// components as typed (magnitudes) and the sign of the whole value.
class AstrolabeEntry {
  public:
    /// What a key did to the entry.
    enum class KeyEffect {
        None,         ///< nothing changed; nothing is to be shown again
        Refresh,      ///< the entry changed: show it and recalculate
        ModeChanged,  ///< a mode key cleared the entry for another value
    };

    /// Applies the key with this tag (see the constants above). A digit that would give the
    /// degrees (hours) more than three digits, or minutes or seconds more than two, is
    /// ignored, and so are the sign keys where the value has no sign.
    KeyEffect press(int tag);
    /// Clears the entry and makes it enter the mode's value (0-5); other modes are ignored.
    void setCalcMode(int mode);

    int calcMode() const { return calcMode_; }
    /// The component being typed: 0 degrees or hours, 1 minutes, 2 seconds.
    int calcComponent() const { return calcComponent_; }
    /// The typed magnitudes: degrees (or hours) [0, 999], minutes and seconds [0, 99].
    const std::array<int, 3>& currentComponents() const { return currentComponents_; }
    bool isNegative() const { return negative_; }
    /// Whether the sign keys act in this mode (not for right ascension).
    bool hasSign() const;

    /// The value typed, in degrees: ±(c0 + c1 / 60 + c2 / 3600), the sign applied to the
    /// whole value; in the right ascension mode the components are hours, minutes and seconds
    /// and the value is 15 times that.
    double value() const;
    /// The entry as the value label shows it while it is typed: the title of the sign key
    /// that gives the sign (none for right ascension), then the components typed so far with
    /// their units ("-10° 30'", "12h 5m 3s").
    std::string text() const;

    /// The sign keys' titles of a mode (0-5): "+"/"-" for altitude and declination,
    /// "W"/"E" for azimuth (from the south through the west), "N"/"S" for the ecliptic
    /// latitude, "E"/"W" for the ecliptic longitude (east positive, as the longitude is
    /// shown), none for right ascension.
    static SignTitles signTitles(int mode);

  private:
    int calcMode_ = 0;
    int calcComponent_ = 0;
    std::array<int, 3> currentComponents_{0, 0, 0};
    bool negative_ = false;
};

}  // namespace quenaro
