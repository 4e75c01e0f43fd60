#pragma once

#include <string>
#include <string_view>

namespace db {

class Database;

// The process-wide table from connection name to connection component.
// Names compare without regard to case; an empty name is never registered.
namespace connection_names {

// Moves `database` from its old name to `name`; throws DbError when another
// component holds `name`.
void rename(Database* database, std::string_view oldName, std::string_view name);
void remove(Database* database, std::string_view name);
Database* find(std::string_view name);

}  // namespace connection_names
}  // namespace db
