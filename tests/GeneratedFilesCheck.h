#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tablegen/GeneratedFile.h"

namespace quenaro {

/// The whole contents of a file; empty when it cannot be read.
inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream input(path, std::ios::binary);
    std::ostringstream contents;
    contents << input.rdbuf();
    return contents.str();
}

/// Expects `committedDirectory` to hold exactly the generated `files`, each with the text the
/// generator `generatorName` writes.
inline void expectCommittedFiles(const std::vector<tablegen::GeneratedFile>& files,
                                 const std::filesystem::path& committedDirectory,
                                 const char* generatorName) {
    std::size_t committedCount = 0;
    for (const auto& entry : std::filesystem::directory_iterator(committedDirectory)) {
        committedCount += entry.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(committedCount, files.size()) << "stray or missing files in " << committedDirectory;
    for (const auto& file : files) {
        EXPECT_EQ(readFile(committedDirectory / file.name), file.contents)
            << file.name << " differs; rerun " << generatorName;
    }
}

}  // namespace quenaro
