#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string_view>

#include "catalog/StarCatalog.h"
#include "resources/Catalogs.h"
#include "resources/ResourceFiles.h"

namespace quenaro {
namespace {

// The star catalogue (9,096 stars, about 1 MB of XML) parsed from memory: the cost the armillary
// chart pays once per process on first drawing.
void BM_ReadStarCatalog(benchmark::State& state) {
    registerResources();
    QFile file(QStringLiteral(":/StarCatalog.plist"));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    for (auto _ : state) {
        benchmark::DoNotOptimize(readStarCatalog(text, "StarCatalog.plist"));
    }
}
BENCHMARK(BM_ReadStarCatalog)->Unit(benchmark::kMillisecond);

// The same from the application's resources, including reading the compressed resource.
void BM_LoadStarCatalogResource(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(loadStarCatalog(QStringLiteral(":/StarCatalog.plist")));
    }
}
BENCHMARK(BM_LoadStarCatalogResource)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quenaro
