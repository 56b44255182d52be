// quenaro_picturegen: draws the zodiac sign and planet pictures from a font's symbol glyphs.
// Usage: quenaro_picturegen <output folder, normally resources/pictures> [font file]

#include <QGuiApplication>

#include <exception>
#include <iostream>

#include "picturegen/SymbolPictures.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: quenaro_picturegen <output folder> [font file]\n"
                     "example: quenaro_picturegen resources/pictures\n"
                     "the font defaults to "
                  << quenaro::picturegen::defaultSymbolFont << "\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication application(argc, argv);
    try {
        quenaro::picturegen::writeSymbolPictures(
            QString::fromLocal8Bit(argc == 3 ? argv[2] : quenaro::picturegen::defaultSymbolFont),
            QString::fromLocal8Bit(argv[1]));
    } catch (const std::exception& error) {
        std::cerr << "quenaro_picturegen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
