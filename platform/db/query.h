#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <libpq-fe.h>

#include "platform/db/db_error.h"
#include "platform/db/pg_handles.h"

namespace db {

// A named parameter of a query. Values go to the server as text: a string
// with no declared type (the server infers it from the context, as it does
// for a quoted literal), an integer typed as int4, or int8 when it does not
// fit, as an integer literal would be.
class Param {
public:
    explicit Param(std::string name) : name_(std::move(name)) {}
    const std::string& Name() const { return name_; }
    void SetAsString(std::string value);
    void SetAsInteger(long long value);
    bool IsBound() const { return value_.has_value(); }

    const std::optional<std::string>& value() const { return value_; }
    Oid type() const { return type_; }

private:
    std::string name_;
    std::optional<std::string> value_;
    Oid type_ = 0;
};

// One column of the current row, copied out of the result.
class Field {
public:
    Field(std::string name, std::optional<std::string> value) : name_(std::move(name)), value_(std::move(value)) {}
    const std::string& Name() const { return name_; }
    bool IsNull() const { return !value_.has_value(); }
    std::string AsString() const { return value_.value_or(std::string()); }  // "" for NULL
    // 0 for NULL; DbError when the text is not a whole number.
    long long AsInteger() const;

private:
    std::string name_;
    std::optional<std::string> value_;
};

// The query component: an SQL text with ":name" parameters, run over the
// connection component found by its connection name at every execution. A
// closed connection is opened on demand.
class Query {
public:
    explicit Query(void* owner = nullptr) : owner_(owner) {}
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    void* Owner() const { return owner_; }
    void SetDatabaseName(std::string connectionName) { connectionName_ = std::move(connectionName); }
    const std::string& DatabaseName() const { return connectionName_; }

    // Closes the query and makes the parameters of the new text, all unbound.
    void SetSQL(std::string text);
    const std::string& SQL() const { return sql_; }

    // Names compare without regard to case. DbError for an unknown name.
    Param& ParamByName(std::string_view name);
    const std::vector<Param>& Params() const { return params_; }

    // Runs the statement; a result set, if any, is discarded.
    void ExecSQL();
    // Runs the statement and keeps its rows, positioned on the first one.
    // Does nothing when already active; DbError when the statement gives no
    // rows set (it has run all the same).
    void Open();
    void Close();
    bool Active() const { return result_ != nullptr; }

    // True past the last row, and whenever the query is not active.
    bool Eof() const;
    void Next();

    // The named column of the current row (names compare without regard to
    // case). Past the last row every field reads as NULL. DbError when the
    // query is not active or has no such column.
    Field FieldByName(std::string_view name) const;

private:
    // Runs the text with the bound parameters; gives a successful result.
    pg::ResultPtr run();

    void* owner_;
    std::string connectionName_;
    std::string sql_;
    std::string positionalSql_;
    std::vector<Param> params_;
    pg::ResultPtr result_;
    int row_ = 0;
};

}  // namespace db
