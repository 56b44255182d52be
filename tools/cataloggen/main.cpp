// quenaro_cataloggen: writes the star catalogue and constellation resources from the shared data.
// Usage: quenaro_cataloggen <shared data folder> <project source folder>

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "cataloggen/CatalogResources.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: quenaro_cataloggen <shared data folder> <project source folder>\n"
                     "example: quenaro_cataloggen ../shared/data .\n";
        return 2;
    }
    try {
        const std::filesystem::path sourceDirectory = argv[2];
        for (const auto& file : quenaro::cataloggen::generateCatalogResources(argv[1])) {
            const std::filesystem::path path = sourceDirectory / file.name;
            std::filesystem::create_directories(path.parent_path());
            std::ofstream output(path, std::ios::binary | std::ios::trunc);
            output << file.contents;
            if (!output) {
                std::cerr << "quenaro_cataloggen: cannot write " << path << "\n";
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::cerr << "quenaro_cataloggen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
