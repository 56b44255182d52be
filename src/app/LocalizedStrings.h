#pragma once

#include <QString>

namespace quenaro {

/// The user-visible text for a localisation key ("LocationDenied"); the key itself when the
/// application's tables have no entry for it.
QString localizedString(const char* key);

}  // namespace quenaro
