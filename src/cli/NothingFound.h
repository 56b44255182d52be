#pragma once

#include <stdexcept>

namespace quenaro {

/// A search on the command line that found nothing. The command line still delivers what the
/// subcommand wrote (an empty JSON array), reports the message on one line of stderr and exits
/// with kExitNothingFound.
class NothingFound : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace quenaro
