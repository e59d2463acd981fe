#pragma once

// The one way into the SQLite API: the password functions exist only with
// the codec switched on, and plain libsqlite3 must never be linked beside it.
#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>
