#include "tablegen/GeneratedFile.h"

#include <fstream>
#include <stdexcept>

namespace quenaro::tablegen {

void writeGeneratedFiles(const std::filesystem::path& outputDirectory,
                         const std::vector<GeneratedFile>& files) {
    for (const GeneratedFile& file : files) {
        const std::filesystem::path path = outputDirectory / file.name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream output(path, std::ios::binary | std::ios::trunc);
        output << file.contents;
        if (!output) {
            throw std::runtime_error("cannot write " + path.string());
        }
    }
}

}  // namespace quenaro::tablegen
