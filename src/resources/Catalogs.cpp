#include "resources/Catalogs.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "base/DiagnosticLog.h"
#include "catalog/CatalogFileLimits.h"
#include "resources/ResourceFiles.h"

namespace quenaro {

namespace {

/// Reads `path` with `read` (readStarCatalog or readConstellationLines); on failure logs
/// `failureLine` after the reason and returns an empty list.
template <typename Reader>
auto loadCatalog(const QString& path, Reader read, std::string_view failureLine) {
    registerResources();
    const std::string name = QFileInfo(path).fileName().toStdString();
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.read(static_cast<qint64>(maximumCatalogFileBytes) + 1);
    }
    decltype(read(std::string_view(), std::string_view())) values;
    if (file.error() == QFileDevice::NoError) {
        values =
            read(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), name);
    } else {
        diagnosticLog(name + " cannot be read: " + file.errorString().toStdString());
    }
    if (!values) {
        diagnosticLog(failureLine);
        return typename decltype(values)::value_type{};
    }
    return std::move(*values);
}

}  // namespace

std::vector<CatalogStar> loadStarCatalog(const QString& path) {
    return loadCatalog(path, readStarCatalog, "No star catalog!");
}

std::vector<ConstellationPolyline> loadConstellationLines(const QString& path) {
    return loadCatalog(path, readConstellationLines, "No constellation lines!");
}

const std::vector<CatalogStar>& starCatalog() {
    static std::vector<CatalogStar> catalog;
    if (catalog.empty()) {
        catalog = loadStarCatalog(QStringLiteral(":/StarCatalog.plist"));
    }
    return catalog;
}

const std::vector<ConstellationPolyline>& constellationLines() {
    static std::vector<ConstellationPolyline> catalog;
    if (catalog.empty()) {
        catalog = loadConstellationLines(QStringLiteral(":/Constellation.plist"));
    }
    return catalog;
}

}  // namespace quenaro
