#pragma once

#include "core/SharedState.h"

namespace r78 {

// One validation run, from its start to its end on every path. The run holds one
// transaction for the deletion of the FSU's earlier error rows and the rows it
// writes: committed when the run ends, rolled back when a check fails part way
// (an exception leaves the run's scope), so the operator never finds half a list
// in place of the last complete one. Starting it sets the run flags for its kind,
// resets the counters, makes the severity critical and deletes the earlier rows.
// Ending it, also on a failure, puts back the household and the run flags that
// were in force before, so that no screen is left pointing at another household
// or run, and leaves the severity critical.
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

    // Deletes the FSU's error rows within the run.
    void ClearErrorRows();

    // Critical rows written so far.
    long CriticalRows() const { return s_.ValCritCount; }

private:
    SharedState& s_;
    std::string savedSss_, savedSsu_;
    bool savedRunAll_, savedRunSch0_;
    int failuresBefore_;  // exceptions in flight when the run began
};

}  // namespace r78
