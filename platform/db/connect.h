#pragma once

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "platform/db/pg_handles.h"

namespace db::pg {

// Connects with the given libpq keywords (values passed as they are, never
// parsed as a connection string; empty values count as unset). Waits at most
// `timeout` in all. Throws DbError on failure, with the server's SQLSTATE
// when the server refused the connection.
ConnPtr connect(const std::vector<std::pair<std::string, std::string>>& settings,
                std::chrono::milliseconds timeout);

}  // namespace db::pg
