#pragma once

#include <stdexcept>
#include <string>

namespace db {

// A failure of the data access layer. what() is the server's message (or
// libpq's own, when the server never answered); sqlState is the five-character
// SQLSTATE when one is known, and empty otherwise.
class DbError : public std::runtime_error {
public:
    explicit DbError(std::string message, std::string sqlState = {});
    const std::string& sqlState() const { return sqlState_; }

private:
    std::string sqlState_;
};

}  // namespace db
