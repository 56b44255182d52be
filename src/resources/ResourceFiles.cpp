#include "resources/ResourceFiles.h"

#include <QtCore/qglobal.h>

// Outside any namespace, as Qt's resource initialisation requires.
static void initialiseQuenaroResources() {
    Q_INIT_RESOURCE(resources);
}

namespace quenaro {

void registerResources() {
    static const bool registered = (initialiseQuenaroResources(), true);
    static_cast<void>(registered);
}

}  // namespace quenaro
