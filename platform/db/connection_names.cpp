#include "platform/db/connection_names.h"

#include <mutex>
#include <utility>
#include <vector>

#include "platform/db/ascii.h"
#include "platform/db/db_error.h"

namespace db::connection_names {
namespace {

struct Table {
    std::mutex mutex;
    std::vector<std::pair<std::string, Database*>> entries;

    auto findEntry(std::string_view name) {
        auto it = entries.begin();
        while (it != entries.end() && !ascii::iequals(it->first, name)) ++it;
        return it;
    }
};

Table& table() {
    static Table instance;
    return instance;
}

}  // namespace

void rename(Database* database, std::string_view oldName, std::string_view name) {
    Table& t = table();
    std::lock_guard lock(t.mutex);
    if (!name.empty()) {
        const auto holder = t.findEntry(name);
        if (holder != t.entries.end() && holder->second != database)
            throw DbError("Duplicate database name: " + std::string(name));
    }
    const auto old = t.findEntry(oldName);
    if (!oldName.empty() && old != t.entries.end() && old->second == database) t.entries.erase(old);
    if (!name.empty()) t.entries.emplace_back(std::string(name), database);
}

void remove(Database* database, std::string_view name) {
    Table& t = table();
    std::lock_guard lock(t.mutex);
    const auto it = t.findEntry(name);
    if (!name.empty() && it != t.entries.end() && it->second == database) t.entries.erase(it);
}

Database* find(std::string_view name) {
    if (name.empty()) return nullptr;
    Table& t = table();
    std::lock_guard lock(t.mutex);
    const auto it = t.findEntry(name);
    return it == t.entries.end() ? nullptr : it->second;
}

}  // namespace db::connection_names
