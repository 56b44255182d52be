#pragma once

#include <QString>

#include <vector>

#include "catalog/ConstellationLines.h"
#include "catalog/StarCatalog.h"

namespace quenaro {

/// Reads the star catalogue at `path` (a resource ":/StarCatalog.plist" or a file) with
/// readStarCatalog, reading at most one byte beyond maximumCatalogFileBytes. When the file cannot
/// be read or is refused, writes the reason ("StarCatalog.plist cannot be read: …") and then
/// "No star catalog!" to the diagnostic log and returns no stars.
std::vector<CatalogStar> loadStarCatalog(const QString& path);

/// The same for constellation lines (readConstellationLines), logging "No constellation lines!".
std::vector<ConstellationPolyline> loadConstellationLines(const QString& path);

/// The star catalogue of the application's resources, read on the first call that finds it
/// non-empty and then kept for the life of the process; while it is empty each call reads it
/// again (and logs again if that fails). Main thread only.
const std::vector<CatalogStar>& starCatalog();

/// The constellation lines of the application's resources, kept as starCatalog keeps the stars.
const std::vector<ConstellationPolyline>& constellationLines();

}  // namespace quenaro
