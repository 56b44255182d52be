#pragma once

#include <stdexcept>

namespace quenaro {

/// A view's file that could not be written; the message names it and says why.
class RenderError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace quenaro
