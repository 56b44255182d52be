#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quenaro::tablegen {

/// One generated file: its path relative to the folder it is written into, and its full text.
struct GeneratedFile {
    std::string name;
    std::string contents;
};

/// Writes each file into `outputDirectory`, creating the folders on its path, replacing files of
/// the same name. Throws std::runtime_error naming the first file that cannot be written.
void writeGeneratedFiles(const std::filesystem::path& outputDirectory,
                         const std::vector<GeneratedFile>& files);

}  // namespace quenaro::tablegen
