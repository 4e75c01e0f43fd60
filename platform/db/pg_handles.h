#pragma once

#include <memory>

#include <libpq-fe.h>

// Owning handles for libpq objects, so that no path out of a function (an
// exception above all) leaks a connection or a result.
namespace db::pg {

struct ConnDeleter {
    void operator()(PGconn* conn) const { PQfinish(conn); }
};
struct ResultDeleter {
    void operator()(PGresult* result) const { PQclear(result); }
};

using ConnPtr = std::unique_ptr<PGconn, ConnDeleter>;
using ResultPtr = std::unique_ptr<PGresult, ResultDeleter>;

}  // namespace db::pg
