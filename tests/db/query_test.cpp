#include <string>

#include <gtest/gtest.h>

#include "tests/db/db_fixture.h"

namespace {

class QueryTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        exec("DROP TABLE IF EXISTS jurnal");
        exec("CREATE TABLE jurnal (id SERIAL PRIMARY KEY, text VARCHAR(254) UNIQUE, numar INTEGER)");
        query.SetDatabaseName("baza");
    }

    std::string count() { return cluster().query(kDatabase, "SELECT count(*) FROM jurnal")[0][0]; }

    db::Query query;
};

TEST_F(QueryTest, NamedParametersBindTextAndIntegers) {
    query.SetSQL("INSERT INTO jurnal (text, numar) VALUES (:pText, :pNumar)");
    const std::string awkward = "it's a :colon, a \"quote\", a \\ and ăîșț";
    query.ParamByName("ptext").SetAsString(awkward);
    query.ParamByName("PNUMAR").SetAsInteger(-7);
    query.ExecSQL();

    query.SetSQL("SELECT text, numar, :big + 1 AS big, :s || :s AS twice FROM jurnal WHERE numar = :pNumar");
    query.ParamByName("pNumar").SetAsInteger(-7);
    query.ParamByName("big").SetAsInteger(5'000'000'000LL);  // past int4: sent as int8
    query.ParamByName("s").SetAsString("ab");
    query.Open();
    ASSERT_FALSE(query.Eof());
    EXPECT_EQ(query.FieldByName("TEXT").AsString(), awkward);
    EXPECT_EQ(query.FieldByName("numar").AsInteger(), -7);
    EXPECT_EQ(query.FieldByName("big").AsInteger(), 5'000'000'001LL);
    EXPECT_EQ(query.FieldByName("twice").AsString(), "abab");
}

TEST_F(QueryTest, ParametersMustBeKnownAndBound) {
    query.SetSQL("SELECT :a AS a");
    EXPECT_THROW(query.ParamByName("b"), db::DbError);
    EXPECT_THROW(query.Open(), db::DbError);  // :a has no value
    query.ParamByName("a").SetAsString("x");
    query.SetSQL("SELECT :a AS a");  // a new text forgets the values
    EXPECT_THROW(query.Open(), db::DbError);
}

TEST_F(QueryTest, TextWithoutParametersRunsAsWritten) {
    // Colons in literals, comments and dollar quotes, casts, and a trailing
    // semicolon: all reach the server untouched.
    query.SetSQL("SELECT ':lit' AS a, $$ :dollar $$ AS b, '7'::int AS c /* :comment */ ; ");
    query.Open();
    EXPECT_EQ(query.FieldByName("a").AsString(), ":lit");
    EXPECT_EQ(query.FieldByName("b").AsString(), " :dollar ");
    EXPECT_EQ(query.FieldByName("c").AsInteger(), 7);

    exec("CREATE OR REPLACE FUNCTION doi_puncte(p character varying) RETURNS text AS $BODY$\n"
         "DECLARE v text := ':' || p;\nBEGIN\n  RETURN v;\nEND;\n$BODY$ LANGUAGE plpgsql VOLATILE   COST 100;");
    exec("ALTER FUNCTION doi_puncte(character varying)   OWNER TO demo; ");
    query.SetSQL("SELECT doi_puncte('x') AS r");
    query.Open();
    EXPECT_EQ(query.FieldByName("r").AsString(), ":x");
}

TEST_F(QueryTest, FieldsReadAsTextIntegerOrNull) {
    exec("INSERT INTO jurnal (text, numar) VALUES ('unu', 1), (NULL, NULL)");
    query.SetSQL("SELECT text, numar, 'x' AS litere, length(cast(NULL AS varchar(200))) existaTabela "
                 "FROM jurnal ORDER BY id");
    query.Open();
    EXPECT_EQ(query.FieldByName("text").AsString(), "unu");
    EXPECT_FALSE(query.FieldByName("numar").IsNull());
    EXPECT_EQ(query.FieldByName("existaTabela").AsString(), "");
    EXPECT_THROW(query.FieldByName("litere").AsInteger(), db::DbError);
    EXPECT_THROW(query.FieldByName("absent"), db::DbError);

    query.Next();
    ASSERT_FALSE(query.Eof());
    EXPECT_TRUE(query.FieldByName("text").IsNull());
    EXPECT_EQ(query.FieldByName("text").AsString(), "");
    EXPECT_EQ(query.FieldByName("numar").AsInteger(), 0);

    query.Next();
    EXPECT_TRUE(query.Eof());
    EXPECT_TRUE(query.FieldByName("text").IsNull());  // past the end every field is NULL
    query.Close();
    EXPECT_FALSE(query.Active());
    EXPECT_THROW(query.FieldByName("text"), db::DbError);
}

TEST_F(QueryTest, ServerErrorsCarryMessageAndSqlState) {
    query.SetSQL("SELECT * FROM tabela_lipsa");
    try {
        query.Open();
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.sqlState(), "42P01");
        EXPECT_NE(std::string(e.what()).find("relation \"tabela_lipsa\" does not exist"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(query.Active());
    exec("SELECT 1");  // the connection is still usable
}

TEST_F(QueryTest, StatementsOutsideATransactionCommitByThemselves) {
    exec("INSERT INTO jurnal (text) VALUES ('autocommit')");
    EXPECT_FALSE(database.InTransaction());
    EXPECT_EQ(count(), "1");  // seen from another session
}

TEST_F(QueryTest, ARolledBackTransactionLeavesNoTrace) {
    database.Open();
    database.StartTransaction();
    EXPECT_TRUE(database.InTransaction());
    EXPECT_THROW(database.StartTransaction(), db::DbError);
    exec("INSERT INTO jurnal (text) VALUES ('row')");
    exec("CREATE TABLE efemera (x int)");
    EXPECT_EQ(count(), "0");  // not yet visible elsewhere
    database.Rollback();
    EXPECT_FALSE(database.InTransaction());
    EXPECT_EQ(count(), "0");
    EXPECT_TRUE(cluster().query(kDatabase, "SELECT 1 FROM pg_class WHERE relname = 'efemera'").empty());

    database.StartTransaction();
    exec("INSERT INTO jurnal (text) VALUES ('row')");
    database.Commit();
    EXPECT_EQ(count(), "1");
}

TEST_F(QueryTest, ACommitOfAFailedTransactionIsAnError) {
    database.Open();
    database.StartTransaction();
    exec("INSERT INTO jurnal (text) VALUES ('dublura')");
    EXPECT_THROW(exec("INSERT INTO jurnal (text) VALUES ('dublura')"), db::DbError);
    EXPECT_TRUE(database.InTransaction());
    try {
        database.Commit();
        FAIL() << "commit of a failed transaction succeeded";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.sqlState(), "25P02");
    }
    EXPECT_FALSE(database.InTransaction());
    EXPECT_EQ(count(), "0");
}

TEST_F(QueryTest, TransactionsNeedAnOpenConnection) {
    database.Close();
    EXPECT_THROW(database.StartTransaction(), db::DbError);
    EXPECT_THROW(database.Commit(), db::DbError);
    EXPECT_THROW(database.Rollback(), db::DbError);
    EXPECT_FALSE(database.InTransaction());
}

}  // namespace
