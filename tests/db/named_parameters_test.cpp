#include "platform/db/named_parameters.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* label;
    std::string sql;
    std::string expected;
    std::vector<std::string> names;
};

class NamedParameters : public ::testing::TestWithParam<Case> {};

TEST_P(NamedParameters, BecomePositional) {
    const Case& c = GetParam();
    const db::PositionalSql result = db::toPositional(c.sql);
    EXPECT_EQ(result.text, c.expected);
    EXPECT_EQ(result.names, c.names);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NamedParameters,
    ::testing::Values(
        Case{"none", "SELECT 1", "SELECT 1", {}},
        Case{"repeated_names_share_a_number", "SELECT :a, :b, :a", "SELECT $1, $2, $1", {"a", "b"}},
        Case{"names_ignore_case", "x = :Versiune AND y = :VERSIUNE", "x = $1 AND y = $1", {"Versiune"}},
        Case{"letters_digits_underscore", "VALUES (:p_1x, :2)", "VALUES ($1, $2)", {"p_1x", "2"}},
        Case{"at_the_very_end", "WHERE id=:id", "WHERE id=$1", {"id"}},
        Case{"colon_in_literal", "SELECT 'a :x b', :y", "SELECT 'a :x b', $1", {"y"}},
        Case{"doubled_quote_in_literal", "SELECT 'it''s :x', :y", "SELECT 'it''s :x', $1", {"y"}},
        Case{"backslash_quote_in_escape_string", R"(SELECT E'\' :x', :y)", R"(SELECT E'\' :x', $1)", {"y"}},
        Case{"backslash_is_plain_in_standard_string", R"(SELECT 'C:\', :y)", R"(SELECT 'C:\', $1)", {"y"}},
        Case{"quoted_identifier", R"(SELECT "a:x""b" FROM t WHERE c = :y)", R"(SELECT "a:x""b" FROM t WHERE c = $1)", {"y"}},
        Case{"line_comment", "SELECT 1 -- :x\n, :y", "SELECT 1 -- :x\n, $1", {"y"}},
        Case{"nested_block_comment", "/* :x /* :y */ :z */ :w", "/* :x /* :y */ :z */ $1", {"w"}},
        Case{"dollar_quote", "SELECT $$ :x $$, :y", "SELECT $$ :x $$, $1", {"y"}},
        Case{"tagged_dollar_quote_holding_another", "SELECT $f$ $$ :x $$ :z $f$, :y", "SELECT $f$ $$ :x $$ :z $f$, $1", {"y"}},
        Case{"dollar_in_identifier_opens_nothing", "SELECT 1 AS a$b$, :y", "SELECT 1 AS a$b$, $1", {"y"}},
        Case{"positional_marker_opens_nothing", "SELECT $1, :y", "SELECT $1, $1", {"y"}},
        Case{"cast", "SELECT x::int, :p::text", "SELECT x::int, $1::text", {"p"}},
        Case{"assignment_is_no_parameter", "v := 1", "v := 1", {}},
        Case{"unclosed_literal", "SELECT ':x", "SELECT ':x", {}},
        Case{"function_body_with_semicolons",
             "CREATE FUNCTION f() RETURNS text AS $BODY$ DECLARE v text := ':x'; BEGIN RETURN v; END; $BODY$ "
             "LANGUAGE plpgsql; ",
             "CREATE FUNCTION f() RETURNS text AS $BODY$ DECLARE v text := ':x'; BEGIN RETURN v; END; $BODY$ "
             "LANGUAGE plpgsql; ",
             {}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.label); });

}  // namespace
