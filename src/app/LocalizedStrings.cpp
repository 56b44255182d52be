#include "app/LocalizedStrings.h"

#include <cstring>

namespace quenaro {

namespace {

struct Entry {
    const char* key;
    const char* english;
};

constexpr Entry kEnglish[] = {
    {"LocationUnknown",
     "Your position is not known yet. Quenaro goes on with the place shown at the top."},
    {"LocationDenied",
     "Quenaro may not use the location service. Choose a place by tapping the place line."},
    {"GenericLocationError", "The location service reported an error; code"},
};

}  // namespace

QString localizedString(const char* key) {
    for (const Entry& entry : kEnglish) {
        if (std::strcmp(entry.key, key) == 0) {
            return QString::fromUtf8(entry.english);
        }
    }
    return QString::fromUtf8(key);
}

}  // namespace quenaro
