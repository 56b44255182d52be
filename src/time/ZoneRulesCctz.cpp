// Zone rules from the system's zone database through cctz (Debian libcctz-dev), which also
// applies each zone's lasting rule after the last change the zone files list.

#include <cctz/civil_time.h>
#include <cctz/time_zone.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>

#include "time/SystemZone.h"
#include "time/ZoneRules.h"

namespace quenaro {

class ZoneRules {
  public:
    ZoneRules(std::string name, cctz::time_zone zone) : name_(std::move(name)), zone_(zone) {}
    const std::string& name() const { return name_; }
    const cctz::time_zone& zone() const { return zone_; }

  private:
    std::string name_;
    cctz::time_zone zone_;
};

namespace {

cctz::time_point<cctz::seconds> instant(std::int64_t unixSeconds) {
    return cctz::time_point<cctz::seconds>(cctz::seconds(unixSeconds));
}

std::int64_t unixSeconds(cctz::time_point<cctz::seconds> instant) {
    return instant.time_since_epoch().count();
}

}  // namespace

const ZoneRules* loadZoneRules(const std::string& ianaName) {
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<const ZoneRules>, std::less<>> loaded;
    const std::lock_guard lock(mutex);
    const auto found = loaded.find(ianaName);
    if (found != loaded.end()) {
        return found->second.get();
    }
    cctz::time_zone zone;
    if (!cctz::load_time_zone(ianaName, &zone)) {
        return nullptr;
    }
    return loaded.emplace(ianaName, std::make_unique<const ZoneRules>(ianaName, zone))
        .first->second.get();
}

std::string zoneRulesName(const ZoneRules& rules) {
    return rules.name();
}

int zoneOffsetAt(const ZoneRules& rules, std::int64_t unixSeconds) {
    return rules.zone().lookup(instant(unixSeconds)).offset;
}

WallTimeLookup zoneWallTimeLookup(const ZoneRules& rules, std::int64_t wallUnixSeconds) {
    // The library's civil times are a plain count of seconds from 1970-01-01 00:00:00, so the
    // wall time needs no calendar here: only the offsets are read.
    const cctz::time_zone::civil_lookup lookup =
        rules.zone().lookup(cctz::civil_second() + wallUnixSeconds);
    switch (lookup.kind) {
        case cctz::time_zone::civil_lookup::SKIPPED:
            return {WallTimeLookup::Kind::skipped, unixSeconds(lookup.pre),
                    unixSeconds(lookup.trans)};
        case cctz::time_zone::civil_lookup::REPEATED:
            return {WallTimeLookup::Kind::repeated, unixSeconds(lookup.pre),
                    unixSeconds(lookup.trans)};
        case cctz::time_zone::civil_lookup::UNIQUE:
            break;
    }
    return {WallTimeLookup::Kind::unique, unixSeconds(lookup.pre), unixSeconds(lookup.pre)};
}

TimeZone systemDefaultZone() {
    const char* tzVariable = std::getenv("TZ");
    return systemZone(
        tzVariable == nullptr ? std::nullopt : std::optional<std::string_view>(tzVariable), "/etc");
}

}  // namespace quenaro
