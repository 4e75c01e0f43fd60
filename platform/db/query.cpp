#include "platform/db/query.h"

#include <charconv>
#include <limits>

#include "platform/db/ascii.h"
#include "platform/db/database.h"
#include "platform/db/named_parameters.h"
#include "platform/db/pg_errors.h"

namespace db {
namespace {

constexpr Oid kInt4 = 23;
constexpr Oid kInt8 = 20;

// COPY would leave the connection waiting for data that never comes; end it
// so that the connection stays usable for the next statement.
void abandonCopy(PGconn* conn, ExecStatusType status) {
    if (status == PGRES_COPY_IN) {
        PQputCopyEnd(conn, "COPY from the client is not supported");
    } else if (status == PGRES_COPY_OUT) {
        char* buffer = nullptr;
        while (PQgetCopyData(conn, &buffer, 0) > 0) PQfreemem(buffer);
    }
    while (PGresult* rest = PQgetResult(conn)) PQclear(rest);
}

}  // namespace

void Param::SetAsString(std::string value) {
    value_ = std::move(value);
    type_ = 0;
}

void Param::SetAsInteger(long long value) {
    value_ = std::to_string(value);
    const bool fitsInt4 = value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
    type_ = fitsInt4 ? kInt4 : kInt8;
}

long long Field::AsInteger() const {
    if (!value_) return 0;
    const std::string& text = *value_;
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        throw DbError("'" + text + "' is not a valid integer value (field " + name_ + ")");
    return number;
}

Query::~Query() = default;

void Query::SetSQL(std::string text) {
    Close();
    PositionalSql positional = toPositional(text);
    params_.clear();
    for (auto& name : positional.names) params_.emplace_back(std::move(name));
    positionalSql_ = std::move(positional.text);
    sql_ = std::move(text);
}

Param& Query::ParamByName(std::string_view name) {
    for (Param& param : params_)
        if (ascii::iequals(param.Name(), name)) return param;
    throw DbError("Parameter '" + std::string(name) + "' not found");
}

pg::ResultPtr Query::run() {
    Database* database = Database::Find(connectionName_);
    if (!database) throw DbError("Unknown database: \"" + connectionName_ + "\"");
    if (!database->Connected()) database->Open();
    PGconn* conn = database->handle();

    std::vector<const char*> values;
    std::vector<Oid> types;
    for (const Param& param : params_) {
        if (!param.IsBound()) throw DbError("No value for parameter '" + param.Name() + "'");
        values.push_back(param.value()->c_str());
        types.push_back(param.type());
    }
    pg::ResultPtr result(PQexecParams(conn, positionalSql_.c_str(), static_cast<int>(values.size()),
                                      types.data(), values.data(), nullptr, nullptr, 0));
    const ExecStatusType status = PQresultStatus(result.get());
    switch (status) {
        case PGRES_COMMAND_OK:
        case PGRES_TUPLES_OK:
        case PGRES_EMPTY_QUERY:
            return result;
        case PGRES_COPY_IN:
        case PGRES_COPY_OUT:
        case PGRES_COPY_BOTH:
            abandonCopy(conn, status);
            throw DbError("COPY with the client is not supported by this access layer");
        default:
            throw pg::errorFromResult(result.get(), conn);
    }
}

void Query::ExecSQL() {
    Close();
    run();
}

void Query::Open() {
    if (Active()) return;
    pg::ResultPtr result = run();
    if (PQresultStatus(result.get()) != PGRES_TUPLES_OK) throw DbError("The statement returned no result set");
    result_ = std::move(result);
    row_ = 0;
}

void Query::Close() {
    result_.reset();
    row_ = 0;
}

bool Query::Eof() const { return !result_ || row_ >= PQntuples(result_.get()); }

void Query::Next() {
    if (!Eof()) ++row_;
}

Field Query::FieldByName(std::string_view name) const {
    if (!result_) throw DbError("Cannot read field " + std::string(name) + ": the query is not open");
    const int columns = PQnfields(result_.get());
    for (int column = 0; column < columns; ++column) {
        if (!ascii::iequals(PQfname(result_.get(), column), name)) continue;
        if (Eof() || PQgetisnull(result_.get(), row_, column)) return Field(std::string(name), std::nullopt);
        return Field(std::string(name), std::string(PQgetvalue(result_.get(), row_, column),
                                                     static_cast<std::size_t>(PQgetlength(result_.get(), row_, column))));
    }
    throw DbError("Field '" + std::string(name) + "' not found");
}

}  // namespace db
