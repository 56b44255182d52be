#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

#include "time/ZoneRules.h"

namespace quenaro {

/// The rules of a zone known only by the offset in force at any instant one asks for (as the
/// browser's Intl.DateTimeFormat tells it): the changes of offset are found by probing and
/// bisecting to the second, and kept. Instants are seconds since 1970-01-01 00:00:00 GMT.
///
/// Time is cut into blocks of kBlockSeconds (about 3 days). A block whose ends have the same
/// offset is taken to have no change inside; otherwise each change in it is found by bisection.
/// That is exact while no zone changes its offset twice within one block: in the zone database
/// (2025b, 1800 to 2200) changes of offset lie at least 3.99 days apart (Africa/Freetown, 1939),
/// more than a block.
///
/// Before kEarliestProbe (about year −99,000) the offset is taken as the one at kEarliestProbe,
/// the local mean time every zone starts with; after kLatestProbe (about year 100,000) a zone
/// repeats its lasting rule every 400 Gregorian years, so the probe is moved back by whole
/// cycles. Both keep the probes within the years an Intl implementation formats.
class ProbedZoneRules {
  public:
    /// Asks for the offset (seconds east of GMT) at an instant within [kEarliestProbe,
    /// kLatestProbe].
    using Probe = std::function<int(std::int64_t unixSeconds)>;

    static constexpr std::int64_t kBlockSeconds = std::int64_t{1} << 18;
    static constexpr std::int64_t kEarliestProbe = -3'200'000'000'000;      // year −99,431
    static constexpr std::int64_t kLatestProbe = 3'100'000'000'000;         // year 100,204
    static constexpr std::int64_t kGregorianCycleSeconds = std::int64_t{146'097} * 86'400;  // 400 years

    explicit ProbedZoneRules(Probe probe) : probe_(std::move(probe)) {}

    /// The offset in force at the instant.
    int offsetAt(std::int64_t unixSeconds) const;

    /// How the zone's clocks read the wall time (seconds since 1970-01-01 00:00:00 on its clock),
    /// as cctz's lookup of a civil time tells it.
    WallTimeLookup lookup(std::int64_t wallUnixSeconds) const;

    /// Probes asked so far (for tests and measurements).
    std::size_t probeCount() const;

  private:
    struct Change {
        std::int64_t instant;  // the first second of the new offset
        int offset;
    };
    struct Block {
        int startOffset;              // at the block's first second
        std::vector<Change> changes;  // after its first second, up to the next block's first
    };

    int probeAt(std::int64_t unixSeconds) const;  // through the range rules above
    int boundaryOffset(std::int64_t blockIndex) const;
    const Block& block(std::int64_t blockIndex) const;
    int offsetAtLocked(std::int64_t unixSeconds) const;

    Probe probe_;
    mutable std::mutex mutex_;
    mutable std::map<std::int64_t, int> boundaries_;  // offsets at the blocks' first seconds
    mutable std::map<std::int64_t, Block> blocks_;
    mutable std::size_t probeCount_ = 0;
};

}  // namespace quenaro
