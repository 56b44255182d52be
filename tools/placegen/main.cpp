// quenaro_placegen: writes the places library's tables (text folding, gazetteer, zone lookup).
// Usage: quenaro_placegen <shared data folder> <UnicodeData.txt> <output folder>

#include <exception>
#include <iostream>

#include "placegen/PlaceTables.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: quenaro_placegen <shared data folder> <UnicodeData.txt> "
                     "<output folder>\n"
                     "example: quenaro_placegen ../shared/data /usr/share/unicode/UnicodeData.txt "
                     "src/places/tables\n";
        return 2;
    }
    try {
        quenaro::tablegen::writeGeneratedFiles(
            argv[3], quenaro::placegen::generatePlaceTables(argv[1], argv[2]));
    } catch (const std::exception& error) {
        std::cerr << "quenaro_placegen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
