#include "views/RasterThreads.h"

#include <QThreadPool>

namespace quenaro {

void limitRasterWorkerThreads() {
    QThreadPool::globalInstance()->setMaxThreadCount(1);
}

}  // namespace quenaro
