#include "time/ProbedZoneRules.h"

#include <stdexcept>

namespace quenaro {

namespace {

// Every offset lies within a day of GMT, so the instants a wall time can name lie within this
// many seconds of the wall time read as GMT.
constexpr std::int64_t kWallTimeWindow = 90'000;

std::int64_t floorDivide(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

}  // namespace

std::size_t ProbedZoneRules::probeCount() const {
    const std::lock_guard lock(mutex_);
    return probeCount_;
}

int ProbedZoneRules::probeAt(std::int64_t unixSeconds) const {
    ++probeCount_;
    if (unixSeconds < kEarliestProbe) {
        return probe_(kEarliestProbe);
    }
    if (unixSeconds > kLatestProbe) {
        const std::int64_t cycles =
            (unixSeconds - kLatestProbe + kGregorianCycleSeconds - 1) / kGregorianCycleSeconds;
        return probe_(unixSeconds - cycles * kGregorianCycleSeconds);
    }
    return probe_(unixSeconds);
}

int ProbedZoneRules::boundaryOffset(std::int64_t blockIndex) const {
    const auto found = boundaries_.find(blockIndex);
    if (found != boundaries_.end()) {
        return found->second;
    }
    const int offset = probeAt(blockIndex * kBlockSeconds);
    boundaries_.emplace(blockIndex, offset);
    return offset;
}

const ProbedZoneRules::Block& ProbedZoneRules::block(std::int64_t blockIndex) const {
    const auto found = blocks_.find(blockIndex);
    if (found != blocks_.end()) {
        return found->second;
    }
    Block block{boundaryOffset(blockIndex), {}};
    const int endOffset = boundaryOffset(blockIndex + 1);
    // Each change in turn: the first second after `known` whose offset is not `offset`, found
    // by bisection between `known` (the old offset) and the block's end (another offset).
    std::int64_t known = blockIndex * kBlockSeconds;
    int offset = block.startOffset;
    const std::int64_t end = known + kBlockSeconds;
    while (offset != endOffset) {
        std::int64_t changed = end;
        int changedOffset = endOffset;
        while (changed - known > 1) {
            const std::int64_t middle = known + (changed - known) / 2;
            const int middleOffset = probeAt(middle);
            if (middleOffset == offset) {
                known = middle;
            } else {
                changed = middle;
                changedOffset = middleOffset;
            }
        }
        block.changes.push_back({changed, changedOffset});
        known = changed;
        offset = changedOffset;
    }
    return blocks_.emplace(blockIndex, std::move(block)).first->second;
}

int ProbedZoneRules::offsetAtLocked(std::int64_t unixSeconds) const {
    const Block& found = block(floorDivide(unixSeconds, kBlockSeconds));
    int offset = found.startOffset;
    for (const Change& change : found.changes) {
        if (change.instant > unixSeconds) {
            break;
        }
        offset = change.offset;
    }
    return offset;
}

int ProbedZoneRules::offsetAt(std::int64_t unixSeconds) const {
    const std::lock_guard lock(mutex_);
    return offsetAtLocked(unixSeconds);
}

WallTimeLookup ProbedZoneRules::lookup(std::int64_t wallUnixSeconds) const {
    const std::lock_guard lock(mutex_);
    // The offsets in force from `first` to `last`, as segments that start at a change.
    const std::int64_t first = wallUnixSeconds - kWallTimeWindow;
    const std::int64_t last = wallUnixSeconds + kWallTimeWindow;
    std::vector<Change> segments{{first, offsetAtLocked(first)}};
    for (std::int64_t index = floorDivide(first, kBlockSeconds);
         index <= floorDivide(last, kBlockSeconds); ++index) {
        for (const Change& change : block(index).changes) {
            if (change.instant > first && change.instant <= last) {
                segments.push_back(change);
            }
        }
    }
    // The segments in which the wall time occurs: the instant its offset gives lies inside.
    std::vector<std::size_t> occurrences;
    for (std::size_t index = 0; index < segments.size(); ++index) {
        const std::int64_t instant = wallUnixSeconds - segments[index].offset;
        const std::int64_t segmentEnd =
            index + 1 < segments.size() ? segments[index + 1].instant : last + 1;
        if (instant >= segments[index].instant && instant < segmentEnd) {
            occurrences.push_back(index);
        }
    }
    if (occurrences.size() == 1) {
        const std::int64_t instant = wallUnixSeconds - segments[occurrences[0]].offset;
        return {WallTimeLookup::Kind::unique, instant, instant};
    }
    if (occurrences.size() >= 2) {
        return {WallTimeLookup::Kind::repeated,
                wallUnixSeconds - segments[occurrences[0]].offset,
                segments[occurrences[0] + 1].instant};
    }
    // Skipped: the change before which the wall time had not come and after which it has passed.
    for (std::size_t index = 1; index < segments.size(); ++index) {
        const std::int64_t before = wallUnixSeconds - segments[index - 1].offset;
        if (before >= segments[index].instant &&
            wallUnixSeconds - segments[index].offset < segments[index].instant) {
            return {WallTimeLookup::Kind::skipped, before, segments[index].instant};
        }
    }
    throw std::logic_error("ProbedZoneRules: a wall time neither occurs nor is skipped");
}

}  // namespace quenaro
