#pragma once
#include <filesystem>
#include <memory>

#include "core/Clock.h"
#include "core/SharedState.h"

namespace r78::test {

// A fresh folder standing for drive C:, with the master database and the blank
// template made from the demo rows in its "ent" folder. Removed afterwards.
class TempDrive {
public:
    TempDrive();
    ~TempDrive();
    TempDrive(const TempDrive&) = delete;
    TempDrive& operator=(const TempDrive&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    std::filesystem::path MasterPath() const { return root_ / "ent" / "r78_mast.mdb"; }
    std::filesystem::path BlankPath() const { return root_ / "ent" / "r78_blank.mdb"; }
    // Opens the master database for writing, to set up a test's own rows.
    std::unique_ptr<db::Connection> OpenMaster() const;

private:
    std::filesystem::path root_;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(Date d) : date(d) {}
    Date Today() const override { return date; }
    Date date;
};

std::filesystem::path DemoDir();

}  // namespace r78::test
