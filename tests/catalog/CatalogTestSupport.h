#pragma once

#include <string>
#include <string_view>

namespace quenaro::testing {

/// An XML property list whose top-level array holds `arrayBody`.
inline std::string propertyListArray(std::string_view arrayBody) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<array>" +
           std::string(arrayBody) + "</array>\n</plist>\n";
}

/// One star dictionary of the star catalogue with the three values as written.
inline std::string starEntry(std::string_view ra, std::string_view dec, std::string_view mag) {
    return "<dict><key>ra</key>" + std::string(ra) + "<key>dec</key>" + std::string(dec) +
           "<key>mag</key>" + std::string(mag) + "</dict>";
}

}  // namespace quenaro::testing
