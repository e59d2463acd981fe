#pragma once

#include "admin_db/db/name_queries.h"

// A club as the windows list it: its number and name.
using Club = ListedName;
