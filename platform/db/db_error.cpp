#include "platform/db/db_error.h"

#include <utility>

namespace db {

DbError::DbError(std::string message, std::string sqlState)
    : std::runtime_error(std::move(message)), sqlState_(std::move(sqlState)) {}

}  // namespace db
