#pragma once

#include <stdexcept>
#include <string>

namespace quenaro {

/// A rise, set or transit the model is asked for does not happen on the day: the body does
/// not cross the asked altitude (polar day and night, twilight that never ends), or does not
/// culminate above it within the day. what() is always "No rises or sets calculable";
/// event() names the events that failed ("Sun rise and set", "Moon transit",
/// "Sun astronomical dusk"). Thrown only by the rise, set and transit operations of Ephemeris
/// and the operations built on them.
class NoRisesOrSetsCalculable : public std::invalid_argument {
  public:
    explicit NoRisesOrSetsCalculable(std::string event)
        : std::invalid_argument("No rises or sets calculable"), event_(std::move(event)) {}

    const std::string& event() const noexcept { return event_; }

  private:
    std::string event_;
};

}  // namespace quenaro
