#pragma once

#include <string>

#include <libpq-fe.h>

#include "platform/db/db_error.h"

// Turning libpq's failures into DbError.
namespace db::pg {

// SQLSTATEs given when the server sent none: it could not be reached, or
// the connection broke while a statement ran.
inline constexpr const char* kCannotConnect = "08001";
inline constexpr const char* kConnectionFailure = "08006";

// The failure of a statement: the result's message and SQLSTATE, or the
// connection's message when there is no result (out of memory, connection
// lost).
DbError errorFromResult(const PGresult* result, const PGconn* conn);

// The failure of a connection attempt made with PQERRORS_VERBOSE (the only
// way libpq lets a caller see the SQLSTATE of a refused connection). The
// code is taken out of the text, which then reads as the default verbosity
// shows it.
DbError errorFromVerboseConnect(const std::string& verboseMessage);

// Text without leading and trailing white space (libpq ends with "\n").
std::string trimmed(const std::string& text);

}  // namespace db::pg
