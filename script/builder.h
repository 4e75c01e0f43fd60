#pragma once

#include <string_view>
#include <vector>

#include "script/script_row.h"

namespace script {

// The whole script in ascending row order. The rows refer to the constant
// texts; nothing is copied.
const std::vector<ScriptRow>& rowsInOrder();

}  // namespace script
