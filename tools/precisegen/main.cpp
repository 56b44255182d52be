// quenaro_precisegen: writes the precise source's tables (VSOP87B, ELP/MPP02, Delta T) from the
// shared data.
// Usage: quenaro_precisegen <shared data folder> <output folder, normally src/precise/tables>

#include <exception>
#include <iostream>

#include "precisegen/PreciseTables.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: quenaro_precisegen <shared data folder> <output folder>\n"
                     "example: quenaro_precisegen ../shared/data src/precise/tables\n";
        return 2;
    }
    try {
        quenaro::tablegen::writeGeneratedFiles(argv[2],
                                               quenaro::precisegen::generatePreciseTables(argv[1]));
    } catch (const std::exception& error) {
        std::cerr << "quenaro_precisegen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
