// quenaro_cataloggen: writes the star catalogue and constellation resources, and their C++
// tables, from the shared data.
// Usage: quenaro_cataloggen <shared data folder> <project source folder>

#include <exception>
#include <iostream>

#include "cataloggen/CatalogResources.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: quenaro_cataloggen <shared data folder> <project source folder>\n"
                     "example: quenaro_cataloggen ../shared/data .\n";
        return 2;
    }
    try {
        quenaro::tablegen::writeGeneratedFiles(
            argv[2], quenaro::cataloggen::generateCatalogResources(argv[1]));
        quenaro::tablegen::writeGeneratedFiles(
            argv[2], quenaro::cataloggen::generateCatalogTables(argv[1]));
    } catch (const std::exception& error) {
        std::cerr << "quenaro_cataloggen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
