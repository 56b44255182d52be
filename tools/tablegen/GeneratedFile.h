#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quenaro::tablegen {

/// One generated C++ source: its file name inside the output folder and its full text.
struct GeneratedFile {
    std::string name;
    std::string contents;
};

/// Writes each file into `outputDirectory` (created when missing), replacing files of the same
/// name. Throws std::runtime_error naming the first file that cannot be written.
void writeGeneratedFiles(const std::filesystem::path& outputDirectory,
                         const std::vector<GeneratedFile>& files);

}  // namespace quenaro::tablegen
