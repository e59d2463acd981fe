#pragma once

class Database;
struct AdminSharedState;

// Stores the birds last read from a memory module (shared.receivedRecords)
// for the flyer whose name the received header holds at positions 13 to 32,
// and counts them in shared.birdsAdded. A band that is stored already, for
// any flyer, is left as it is and counted in shared.birdsUpdated. All birds
// go in with one commit, or none. Works without the bird window, holding the
// tables only for the call. Returns false, storing nothing, when no flyer has
// that name. Throws JetError.
bool StoreReceivedBirds(Database &db, AdminSharedState &shared);
