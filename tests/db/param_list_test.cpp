#include "platform/db/param_list.h"

#include <stdexcept>

#include <gtest/gtest.h>

namespace {

db::ParamList connectionLines() {
    return {"DATABASE NAME=postgres", "ODBC DSN=db0000000PGSQLDSN", "SQLQRYMODE=", "USER NAME=demo", "PASSWORD=lynx"};
}

TEST(ParamList, ReplacingTheFirstLineByPositionKeepsTheOthersInPlace) {
    db::ParamList params = connectionLines();
    params.Delete(0);
    params.Insert(0, "DATABASE NAME=db123456");
    params.Set(1, "ODBC DSN=db123456PGSQLDSN");
    EXPECT_EQ(params.lines(), (std::vector<std::string>{"DATABASE NAME=db123456", "ODBC DSN=db123456PGSQLDSN",
                                                        "SQLQRYMODE=", "USER NAME=demo", "PASSWORD=lynx"}));
}

TEST(ParamList, CredentialsAreReplacedByDeletingByNameAndAppending) {
    db::ParamList params = connectionLines();
    params.Delete(params.IndexOfName("user name"));
    params.Delete(params.IndexOfName("PASSWORD"));
    params.Add("USER NAME=");
    params.Add("PASSWORD=secret");
    EXPECT_EQ(params.Count(), 5);
    EXPECT_EQ(params.IndexOfName("USER NAME"), 3);
    EXPECT_EQ(params.Values("USER NAME"), "");
    EXPECT_EQ(params.Values("Password"), "secret");
}

TEST(ParamList, NamesAreTheTextBeforeTheFirstEqualsSign) {
    const db::ParamList params{"NOEQUALS", "A=b=c", "EMPTY=", "A=second"};
    EXPECT_EQ(params.IndexOfName("NOEQUALS"), -1);
    EXPECT_EQ(params.IndexOfName("a"), 1);
    EXPECT_EQ(params.Values("A"), "b=c");
    EXPECT_EQ(params.IndexOfName("EMPTY"), 2);
    EXPECT_EQ(params.Values("missing"), "");
    EXPECT_EQ(params.IndexOfName(""), -1);
}

TEST(ParamList, SetValueReplacesOrAppends) {
    db::ParamList params = connectionLines();
    params.SetValue("ODBC DSN", "db1PGSQLDSN_IP");
    params.SetValue("ROWSET SIZE", "20");
    EXPECT_EQ(params[1], "ODBC DSN=db1PGSQLDSN_IP");
    EXPECT_EQ(params[params.Count() - 1], "ROWSET SIZE=20");
}

TEST(ParamList, PositionsOutOfRangeThrow) {
    db::ParamList params{"A=1"};
    EXPECT_THROW(params[1], std::out_of_range);
    EXPECT_THROW(params.Delete(-1), std::out_of_range);
    EXPECT_THROW(params.Insert(2, "B=2"), std::out_of_range);
    params.Insert(1, "B=2");  // one past the end appends
    EXPECT_EQ(params[1], "B=2");
}

}  // namespace
