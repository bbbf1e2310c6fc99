#pragma once

#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "Platform/Executor.h"

namespace quillorbitex {

// How many gestures have run an action, in total and per rule (keyed by the rule's gesture
// identifier, such as "directional:up-down"). Counting never reports an error.
class GestureUsageStatsStoring {
public:
    struct Counts {
        std::int64_t total = 0;
        // Rules never counted may be missing.
        std::map<QString, std::int64_t> perRule;

        friend bool operator==(const Counts&, const Counts&) = default;
    };

    virtual ~GestureUsageStatsStoring() = default;

    virtual std::int64_t totalInvocationCount() const = 0;
    // Counts one triggered gesture and returns the new total. An absent or empty identifier
    // counts nothing and returns the current total.
    virtual std::int64_t recordInvocation(const std::optional<QString>& matchedPatternID) = 0;
    virtual std::int64_t triggerCount(const QString& patternID) const = 0;
    // Sets every count back to zero.
    virtual void reset() = 0;
    // Every count at once; nothing while they cannot be read (another program holding the file),
    // where the single reads above would give only part of them. May create the tables.
    virtual std::optional<Counts> allCounts() = 0;
    // The counts held beside the file: those waiting in memory and those of earlier runs not
    // written yet. While the file cannot be read, all that is known of the counts.
    virtual Counts waitingCounts() const = 0;

    // Counts (or a reset) kept in memory because the file could not take them yet, and that a
    // later try may write.
    virtual bool hasUnwrittenCounts() const { return false; }
    // Tries again to write those.
    virtual void writeUnwrittenCounts() {}
    // The files moved aside (as damaged) since the last call, oldest first.
    virtual std::vector<QString> takeSetAsideFiles() { return {}; }
    // From now on no wait for the file and no work on it lasts past `deadline` (on the steady
    // clock); what is not written by then is kept for the next start. Any thread.
    virtual void finishBy(Duration /*deadline*/) {}
};

}  // namespace quillorbitex
