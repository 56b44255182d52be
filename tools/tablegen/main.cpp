// quenaro_tablegen: writes the series library's coefficient tables from the shared data.
// Usage: quenaro_tablegen <shared data folder> <output folder, normally src/series/tables>

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "tablegen/CoefficientTables.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: quenaro_tablegen <shared data folder> <output folder>\n"
                     "example: quenaro_tablegen ../shared/data src/series/tables\n";
        return 2;
    }
    try {
        const std::filesystem::path outputDirectory = argv[2];
        std::filesystem::create_directories(outputDirectory);
        for (const auto& file : quenaro::tablegen::generateCoefficientTables(argv[1])) {
            std::ofstream output(outputDirectory / file.name, std::ios::binary | std::ios::trunc);
            output << file.contents;
            if (!output) {
                std::cerr << "quenaro_tablegen: cannot write " << (outputDirectory / file.name)
                          << "\n";
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::cerr << "quenaro_tablegen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
