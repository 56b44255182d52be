#include "time/SystemZone.h"

#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

#include "base/DiagnosticLog.h"

namespace quenaro {

namespace {

namespace fs = std::filesystem;

TimeZone utc() {
    return TimeZone::named("UTC");
}

std::optional<TimeZone> zoneNamed(std::string_view name) {
    try {
        return TimeZone::named(name);
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    }
}

// The zone name in the path of a file of the zone database ("/usr/share/zoneinfo/Asia/Tokyo"
// or "../usr/share/zoneinfo/posix/Asia/Tokyo" give "Asia/Tokyo"); empty for other paths.
std::string_view nameInDatabasePath(std::string_view path) {
    constexpr std::string_view kDatabaseFolder = "zoneinfo/";
    const std::size_t folder = path.rfind(kDatabaseFolder);
    if (folder == std::string_view::npos) {
        return {};
    }
    std::string_view name = path.substr(folder + kDatabaseFolder.size());
    if (name.starts_with("posix/")) {
        name.remove_prefix(6);
    }
    return name;
}

std::optional<TimeZone> machineZoneIfNamed(const fs::path& configurationDirectory) {
    std::error_code error;
    const fs::path linkTarget = fs::read_symlink(configurationDirectory / "localtime", error);
    if (!error) {
        if (auto zone = zoneNamed(nameInDatabasePath(linkTarget.native()))) {
            return zone;
        }
    }
    std::ifstream timezoneFile(configurationDirectory / "timezone");
    std::string name;
    if (std::getline(timezoneFile, name)) {
        const std::size_t end = name.find_last_not_of(" \t\r");
        return zoneNamed(std::string_view(name).substr(0, end + 1));
    }
    return std::nullopt;
}

TimeZone machineZone(const fs::path& configurationDirectory) {
    if (auto zone = machineZoneIfNamed(configurationDirectory)) {
        return *zone;
    }
    std::error_code error;
    if (fs::exists(fs::symlink_status(configurationDirectory / "localtime", error)) ||
        fs::exists(configurationDirectory / "timezone", error)) {
        diagnosticLog(
            "The machine's time zone (" + (configurationDirectory / "localtime").string() + ", " +
            (configurationDirectory / "timezone").string() + ") has no known IANA name: using UTC");
    }
    return utc();
}

// The zone a TZ value names, without its optional leading ':'.
std::optional<TimeZone> zoneOfTzValue(std::string_view value,
                                      const fs::path& configurationDirectory) {
    if (!value.starts_with('/')) {
        return zoneNamed(value);
    }
    if (fs::path(value) == configurationDirectory / "localtime") {
        return machineZone(configurationDirectory);
    }
    return zoneNamed(nameInDatabasePath(value));
}

}  // namespace

TimeZone systemZone(std::optional<std::string_view> tzVariable,
                    const fs::path& configurationDirectory) {
    if (!tzVariable) {
        return machineZone(configurationDirectory);
    }
    std::string_view value = *tzVariable;
    if (value.starts_with(':')) {
        value.remove_prefix(1);
    }
    if (value.empty()) {
        return utc();
    }
    if (auto zone = zoneOfTzValue(value, configurationDirectory)) {
        return *zone;
    }
    diagnosticLog("TZ=\"" + std::string(*tzVariable) +
                  "\" names no known time zone: using UTC (expected an IANA zone name such as "
                  "\"Europe/Berlin\")");
    return utc();
}

}  // namespace quenaro
