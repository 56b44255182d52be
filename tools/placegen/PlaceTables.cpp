#include "placegen/PlaceTables.h"

#include "placegen/FoldingTable.h"
#include "placegen/GazetteerTables.h"
#include "placegen/ZoneLookupTables.h"

namespace quenaro::placegen {

std::vector<tablegen::GeneratedFile> generatePlaceTables(const std::filesystem::path& dataDirectory,
                                                         const std::filesystem::path& unicodeData) {
    const std::vector<FoldingEntry> folding = readFoldingTable(unicodeData);
    std::vector<tablegen::GeneratedFile> files;
    for (const TableSource& table :
         {foldingTableSource(folding), gazetteerTableSource(dataDirectory, folding),
          zoneLookupTableSource(dataDirectory)}) {
        for (tablegen::GeneratedFile& file : generatedFiles(table)) {
            files.push_back(std::move(file));
        }
    }
    return files;
}

}  // namespace quenaro::placegen
