// Zone rules in WebAssembly: the browser's (or Node's) Intl.DateTimeFormat tells the offset in
// force at an instant, from the zone data of its own ICU; ProbedZoneRules finds the changes.
// The JavaScript keeps one formatter per zone in Module.quenaroZoneFormats.

#include <emscripten.h>

#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>

#include "base/DiagnosticLog.h"
#include "time/ProbedZoneRules.h"
#include "time/ZoneRules.h"

// The index of a new formatter for the zone, or -1 when Intl knows no such zone. Intl reads
// names without regard to case; the zone database's names are case-sensitive, so a name that
// differs only in case from one Intl lists (or resolves it to) is refused.
// clang-format off
EM_JS(int, quenaro_intl_open_zone, (const char* nameText), {
    const name = UTF8ToString(nameText);
    let format;
    try {
        format = new Intl.DateTimeFormat("en-US-u-ca-gregory-nu-latn", {
            timeZone: name, hourCycle: "h23", era: "short", year: "numeric", month: "numeric",
            day: "numeric", hour: "numeric", minute: "numeric", second: "numeric"});
    } catch (error) {
        return -1;
    }
    if (!Module.quenaroZoneNames) {
        const listed = typeof Intl.supportedValuesOf === "function"
            ? Intl.supportedValuesOf("timeZone") : [];
        Module.quenaroZoneNames = new Map(listed.map((listedName) => [listedName.toLowerCase(), listedName]));
        Module.quenaroZoneFormats = [];
    }
    const lowerCase = name.toLowerCase();
    const listedName = Module.quenaroZoneNames.get(lowerCase);
    const resolved = format.resolvedOptions().timeZone;
    if ((listedName !== undefined && listedName !== name) ||
        (resolved.toLowerCase() === lowerCase && resolved !== name)) {
        return -1;
    }
    Module.quenaroZoneFormats.push(format);
    return Module.quenaroZoneFormats.length - 1;
});

// The offset from GMT, seconds east, in force at the instant (whole seconds since 1970): the
// wall clock's fields as Intl writes them, less the instant.
EM_JS(int, quenaro_intl_offset, (int zone, double unixSeconds), {
    const instant = new Date(unixSeconds * 1000);
    let year = 0, month = 1, day = 1, hour = 0, minute = 0, second = 0, beforeChrist = false;
    for (const part of Module.quenaroZoneFormats[zone].formatToParts(instant)) {
        switch (part.type) {
            case "era": beforeChrist = part.value.charAt(0) === "B"; break;
            case "year": year = Number(part.value); break;
            case "month": month = Number(part.value); break;
            case "day": day = Number(part.value); break;
            case "hour": hour = Number(part.value); break;
            case "minute": minute = Number(part.value); break;
            case "second": second = Number(part.value); break;
        }
    }
    const wall = new Date(0);
    wall.setUTCFullYear(beforeChrist ? 1 - year : year, month - 1, day);
    wall.setUTCHours(hour, minute, second, 0);
    return Math.round((wall.getTime() - instant.getTime()) / 1000);
});

// The zone Intl takes as the system's, its name written into the buffer; -1 when it does not fit.
EM_JS(int, quenaro_intl_system_zone, (char* buffer, int size), {
    let name = "";
    try {
        name = new Intl.DateTimeFormat().resolvedOptions().timeZone || "";
    } catch (error) {
    }
    if (lengthBytesUTF8(name) + 1 > size) {
        return -1;
    }
    stringToUTF8(name, buffer, size);
    return 0;
});
// clang-format on

namespace quenaro {

class ZoneRules {
  public:
    ZoneRules(std::string name, int format)
        : name_(std::move(name)), rules_([format](std::int64_t unixSeconds) {
              return quenaro_intl_offset(format, static_cast<double>(unixSeconds));
          }) {}
    const std::string& name() const { return name_; }
    const ProbedZoneRules& rules() const { return rules_; }

  private:
    std::string name_;
    ProbedZoneRules rules_;
};

const ZoneRules* loadZoneRules(const std::string& ianaName) {
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<const ZoneRules>, std::less<>> loaded;
    const std::lock_guard lock(mutex);
    const auto found = loaded.find(ianaName);
    if (found != loaded.end()) {
        return found->second.get();
    }
    const int format = quenaro_intl_open_zone(ianaName.c_str());
    if (format < 0) {
        return nullptr;
    }
    return loaded.emplace(ianaName, std::make_unique<const ZoneRules>(ianaName, format))
        .first->second.get();
}

std::string zoneRulesName(const ZoneRules& rules) {
    return rules.name();
}

int zoneOffsetAt(const ZoneRules& rules, std::int64_t unixSeconds) {
    return rules.rules().offsetAt(unixSeconds);
}

WallTimeLookup zoneWallTimeLookup(const ZoneRules& rules, std::int64_t wallUnixSeconds) {
    return rules.rules().lookup(wallUnixSeconds);
}

TimeZone systemDefaultZone() {
    std::array<char, 256> name{};
    if (quenaro_intl_system_zone(name.data(), static_cast<int>(name.size())) == 0) {
        try {
            return TimeZone::named(name.data());
        } catch (const std::invalid_argument&) {
        }
    }
    diagnosticLog("The system's time zone \"" + std::string(name.data()) +
                  "\" (Intl.DateTimeFormat) is no known IANA zone name: using UTC");
    return TimeZone::named("UTC");
}

}  // namespace quenaro
