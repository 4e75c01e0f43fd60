#include "platform/db/pg_errors.h"

#include <cstddef>
#include <string_view>

namespace db::pg {
namespace {

bool isSqlStateChar(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); }

// libpq writes a server error as "SEVERITY:  CODE: message" in verbose mode;
// the two blanks after the severity are fixed, the severity word may be
// translated. Gives the position of CODE, or npos.
std::size_t findSqlState(std::string_view text, std::size_t from) {
    for (auto at = text.find(":  ", from); at != std::string_view::npos; at = text.find(":  ", at + 1)) {
        const std::size_t code = at + 3;
        if (code + 7 > text.size() || text.compare(code + 5, 2, ": ") != 0) continue;
        bool ok = true;
        for (std::size_t k = 0; k < 5; ++k) ok = ok && isSqlStateChar(text[code + k]);
        if (ok) return code;
    }
    return std::string_view::npos;
}

}  // namespace

std::string trimmed(const std::string& text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

DbError errorFromResult(const PGresult* result, const PGconn* conn) {
    std::string message = result ? trimmed(PQresultErrorMessage(result)) : std::string();
    if (message.empty() && conn) message = trimmed(PQerrorMessage(conn));
    if (message.empty()) message = "unknown database error";
    const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    if (state && *state) return DbError(std::move(message), state);
    const bool lost = conn && PQstatus(conn) == CONNECTION_BAD;
    return DbError(std::move(message), lost ? kConnectionFailure : "");
}

DbError errorFromVerboseConnect(const std::string& verboseMessage) {
    std::string state;
    std::string message;
    // Line by line: drop the source location lines of verbose mode, and cut
    // the code out of each server error (several hosts give several).
    std::size_t lineStart = 0;
    while (lineStart < verboseMessage.size()) {
        auto lineEnd = verboseMessage.find('\n', lineStart);
        if (lineEnd == std::string::npos) lineEnd = verboseMessage.size();
        std::string line = verboseMessage.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (line.rfind("LOCATION:  ", 0) == 0) continue;
        const std::size_t code = findSqlState(line, 0);
        if (code != std::string::npos) {
            state = line.substr(code, 5);  // the last attempt's code wins
            line.erase(code, 7);
        }
        if (!message.empty()) message += '\n';
        message += line;
    }
    message = trimmed(message);
    if (message.empty()) message = "could not connect to the database server";
    return DbError(std::move(message), state.empty() ? kCannotConnect : state);
}

}  // namespace db::pg
