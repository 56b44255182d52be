// quenaro_tablegen: writes the series library's coefficient tables from the shared data.
// Usage: quenaro_tablegen <shared data folder> <output folder, normally src/series/tables>

#include <exception>
#include <iostream>

#include "tablegen/CoefficientTables.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: quenaro_tablegen <shared data folder> <output folder>\n"
                     "example: quenaro_tablegen ../shared/data src/series/tables\n";
        return 2;
    }
    try {
        quenaro::tablegen::writeGeneratedFiles(
            argv[2], quenaro::tablegen::generateCoefficientTables(argv[1]));
    } catch (const std::exception& error) {
        std::cerr << "quenaro_tablegen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
