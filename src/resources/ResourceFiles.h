#pragma once

namespace quenaro {

/// Makes the application's resource files available under ":/" — the star catalogue
/// (":/StarCatalog.plist"), the constellation lines (":/Constellation.plist") and their licence
/// (":/Constellation.LICENSE"), and the pictures (":/Sun.png", ":/Sun@2x.png", … every name of
/// zodiacNames and planetNames). They are linked from a static library, so a program must call
/// this before it opens one by path; the catalogue and picture loaders here call it themselves.
/// Cheap after the first call; safe from any thread.
void registerResources();

}  // namespace quenaro
