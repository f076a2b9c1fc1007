#include "core/Login.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/SharedState.h"
#include "core/Startup.h"
#include "platform/db/Connection.h"
#include "tests/support/TempDrive.h"

namespace r78 {
namespace {

using db::Param;
using db::Params;
using test::FixedClock;
using test::TempDrive;

// The demo master database's operators (data/demo/valid_user.csv) and any rows
// a test adds, checked through the master connection that start-up opens.
class LoginTest : public ::testing::Test {
protected:
    void SetUp() override { s.DriveC = drive.Root(); }

    void AddUsers(const std::vector<Params>& rows) {
        auto conn = drive.OpenMaster();
        for (const auto& row : rows)
            conn->Execute("insert into valid_user (userid, passwd, dpc, usertype) values (?, ?, ?, ?)", row);
    }

    void Start() {
        FixedClock clock{{2020, 2, 29}};
        StartUp(s, clock);
    }

    // What a login leaves in the shared state.
    std::vector<std::string> User() const { return {s.UserId, s.UserDpc, s.UserType}; }

    TempDrive drive;
    SharedState s;
};

struct GoodLogin {
    std::string id;
    std::string passwd;
    std::vector<std::string> user;  // UserId, UserDpc, UserType
};
void PrintTo(const GoodLogin& c, std::ostream* os) { *os << "\"" << c.id << "\" / \"" << c.passwd << "\""; }

class LoginAccepted : public LoginTest, public ::testing::WithParamInterface<GoodLogin> {};

TEST_P(LoginAccepted, KeepsTheTrimmedUpperCaseIdAndTheUsersRow) {
    Start();
    EXPECT_TRUE(LoginCheck(s, GetParam().id, GetParam().passwd));
    EXPECT_EQ(User(), GetParam().user);
}

INSTANTIATE_TEST_SUITE_P(DemoUsers, LoginAccepted,
                         ::testing::Values(GoodLogin{"OPR1", "PASS1", {"OPR1", "101", "O"}},
                                           GoodLogin{"  opr1  ", "pass1", {"OPR1", "101", "O"}},
                                           GoodLogin{"Opr3", " Pass3 ", {"OPR3", "201", "O"}},
                                           GoodLogin{" sup1", "super1", {"SUP1", "101", "S"}}));

struct BadLogin {
    std::string id;
    std::string passwd;
};
void PrintTo(const BadLogin& c, std::ostream* os) { *os << "\"" << c.id << "\" / \"" << c.passwd << "\""; }

class LoginRefused : public LoginTest, public ::testing::WithParamInterface<BadLogin> {};

TEST_P(LoginRefused, ChangesNothing) {
    Start();
    s.UserId = "BEFORE";
    s.UserDpc = "999";
    s.UserType = "X";
    bool accepted = true;
    EXPECT_NO_THROW(accepted = LoginCheck(s, GetParam().id, GetParam().passwd));
    EXPECT_FALSE(accepted);
    EXPECT_EQ(User(), (std::vector<std::string>{"BEFORE", "999", "X"}));
}

INSTANTIATE_TEST_SUITE_P(Typed, LoginRefused,
                         ::testing::Values(BadLogin{"OPR1", "PASS2"},   // another user's password
                                           BadLogin{"OPR1", "PASS"},    // a prefix of the password
                                           BadLogin{"OPR1", "PASS11"},  // longer than the password
                                           BadLogin{"OPR", "PASS1"},    // a prefix of the id
                                           BadLogin{"OPR 1", "PASS1"},  // inner blanks are not removed
                                           BadLogin{"OPR1", ""},        // empty password
                                           BadLogin{"", "PASS1"},       // empty id
                                           BadLogin{"", ""},            // both empty
                                           BadLogin{"   ", "   "},      // blanks only
                                           BadLogin{"X' OR '1'='1", "X' OR '1'='1"},
                                           BadLogin{"OPR1", "X' OR '1'='1"},
                                           BadLogin{"X' OR '1'='1", "PASS1"},
                                           BadLogin{"OPR1' --", "anything"}, BadLogin{"'", "'"}));

TEST_F(LoginTest, FailedAttemptDoesNotBlockTheNext) {
    Start();
    EXPECT_FALSE(LoginCheck(s, "OPR2", "PASS1"));
    EXPECT_FALSE(LoginCheck(s, "OPR2", "PASS3"));
    EXPECT_TRUE(LoginCheck(s, "OPR2", "PASS2"));
    EXPECT_EQ(User(), (std::vector<std::string>{"OPR2", "102", "O"}));
}

TEST_F(LoginTest, EmptyIdAndPasswordAreComparedLikeAnyOther) {
    AddUsers({{"", "", "301", "O"}});
    Start();
    EXPECT_TRUE(LoginCheck(s, "  ", ""));
    EXPECT_EQ(User(), (std::vector<std::string>{"", "301", "O"}));
}

TEST_F(LoginTest, IdWithAQuoteIsComparedAsTyped) {
    AddUsers({{"O'NEIL", "IT'S", "401", "O"}});
    Start();
    EXPECT_FALSE(LoginCheck(s, "O'NEIL", "ITS"));
    EXPECT_TRUE(LoginCheck(s, "o'neil", "it's"));
    EXPECT_EQ(s.UserId, "O'NEIL");
    EXPECT_EQ(s.UserDpc, "401");
}

TEST_F(LoginTest, UserRowWithoutDpcOrTypeLogsInWithEmptyValues) {
    AddUsers({{"OPR9", "PASS9", Param::Null(), Param::Null()}});
    Start();
    s.UserDpc = "stale";
    s.UserType = "stale";
    EXPECT_TRUE(LoginCheck(s, "opr9", "pass9"));
    EXPECT_EQ(User(), (std::vector<std::string>{"OPR9", "", ""}));
}

TEST_F(LoginTest, TwoRowsOfOneUserTakeTheFirst) {
    AddUsers({{"TWIN", "PW", "501", "O"}, {"TWIN", "PW", "502", "S"}});
    Start();
    EXPECT_TRUE(LoginCheck(s, "twin", "pw"));
    EXPECT_EQ(User(), (std::vector<std::string>{"TWIN", "501", "O"}));
}

TEST_F(LoginTest, StoredIdAndPasswordMatchWhateverTheirCase) {
    // The typed texts are upper-cased; a row kept in lower case still matches.
    AddUsers({{"opr7", "pass7", "701", "O"}});
    Start();
    EXPECT_TRUE(LoginCheck(s, "OPR7", "Pass7"));
    EXPECT_EQ(User(), (std::vector<std::string>{"OPR7", "701", "O"}));
}

TEST_F(LoginTest, StoredIdWithBlanksDoesNotMatchTheTrimmedId) {
    AddUsers({{" OPR8", "PASS8", "801", "O"}});
    Start();
    EXPECT_FALSE(LoginCheck(s, " OPR8", "PASS8"));
}

}  // namespace
}  // namespace r78
