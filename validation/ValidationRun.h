#pragma once

#include "core/SharedState.h"

namespace r78 {

// One validation run, from its start to its end on every path. The run holds one
// transaction for the deletion of the FSU's earlier error rows and the rows it
// writes: committed by Commit before the list is shown or the outcome answered,
// rolled back when the run ends without it (a check failed part way, or the file
// refused the commit), so the operator never finds half a list in place of the
// last complete one. Starting it sets the run flags for its kind, resets the
// counters, makes the severity critical and deletes the earlier rows.
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

    // Stores the run's rows. A refused commit is rolled back, so the earlier list
    // stays in the file, and throws a DbError telling the operator so.
    void Commit();

    // Critical rows written so far.
    long CriticalRows() const { return s_.ValCritCount; }

private:
    SharedState& s_;
    std::string savedSss_, savedSsu_;
    bool savedRunAll_, savedRunSch0_;
    bool committed_ = false;
};

}  // namespace r78
