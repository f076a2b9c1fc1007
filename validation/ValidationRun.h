#pragma once

#include "core/SharedState.h"

namespace r78 {

// One validation run, from its start to its end on every path. The error rows of
// a run are written in one transaction that the run holds, committed when it
// ends, also when a check fails half-way (the rows written so far are kept). Starting it sets
// the run flags for its kind, resets the counters, makes the severity critical
// and deletes the FSU's earlier error rows in a transaction of their own. Ending
// it, also when a check fails half-way, puts back the household and the run flags
// that were in force before, so that no screen is left pointing at another
// household or run, and leaves the severity critical.
class ValidationRun {
public:
    enum class Kind {
        AsIs,        // a block screen's Validate Block or Validate HH: flags left as they are
        Listing,     // the listing checks and coverage check of a whole FSU
        Households,  // the household checks of every household of a whole FSU
    };

    // clearRows false leaves the earlier rows until ClearErrorRows: a run over the
    // households of a schedule that has none deletes nothing.
    ValidationRun(SharedState& s, Kind kind, bool clearRows = true);
    ~ValidationRun();
    ValidationRun(const ValidationRun&) = delete;
    ValidationRun& operator=(const ValidationRun&) = delete;

    // Deletes the FSU's error rows in a transaction of their own.
    void ClearErrorRows();

    // Critical rows written so far.
    long CriticalRows() const { return s_.ValCritCount; }

private:
    SharedState& s_;
    std::string savedSss_, savedSsu_;
    bool savedRunAll_, savedRunSch0_;
};

}  // namespace r78
