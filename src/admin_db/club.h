#pragma once

#include "admin_db/club_flyer_connections.h"

// A club as the windows list it: its number and name.
using Club = ListedName;
