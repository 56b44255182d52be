#pragma once

#include <string>

namespace quenaro::tablegen {

/// One generated file: its path relative to the folder it is written into, and its full text.
struct GeneratedFile {
    std::string name;
    std::string contents;
};

}  // namespace quenaro::tablegen
