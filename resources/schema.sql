-- The administration database delivered with the program: four tables,
-- no data. Text compares without regard to case. Table order is rowid order.

CREATE TABLE clubs (
    ClubID       INTEGER PRIMARY KEY AUTOINCREMENT,
    ClubName     TEXT COLLATE NOCASE
);

CREATE TABLE flyerlist (
    FlyerID      INTEGER PRIMARY KEY AUTOINCREMENT,
    ClubID       INTEGER,
    Name         TEXT COLLATE NOCASE,
    Address      TEXT COLLATE NOCASE,
    CityStateZip TEXT COLLATE NOCASE,
    Phone        TEXT COLLATE NOCASE,
    email        TEXT COLLATE NOCASE,
    Latitude     TEXT COLLATE NOCASE,
    Longitude    TEXT COLLATE NOCASE
);

CREATE TABLE birds (
    BirdFlyerID  INTEGER,
    NatOrg       TEXT COLLATE NOCASE,
    HatchYr      TEXT COLLATE NOCASE,
    clubletters  TEXT COLLATE NOCASE,
    bnumber      TEXT COLLATE NOCASE,
    sex          TEXT COLLATE NOCASE,
    elecnumber   TEXT COLLATE NOCASE,
    color        TEXT COLLATE NOCASE,
    type         TEXT COLLATE NOCASE
);

CREATE TABLE orte (
    racenum      TEXT COLLATE NOCASE,
    racename     TEXT COLLATE NOCASE,
    racedate     TEXT COLLATE NOCASE,
    racetype     TEXT COLLATE NOCASE
);

-- Clubs and flyers are looked up by name.
CREATE INDEX clubs_by_name ON clubs (ClubName);
CREATE INDEX flyers_by_name ON flyerlist (Name);

-- A flyer's birds in display order.
CREATE INDEX birds_by_flyer ON birds (BirdFlyerID, substr(bnumber, 3, 4));

-- Birds by band number, by club letters and serial (race arrivals) and by
-- electronic ring. upper() gives the expression indexes the case rule of the
-- columns: an expression index with COLLATE NOCASE returns wrong rows in the
-- SQLite this program is built with.
CREATE INDEX birds_by_band ON birds (upper(NatOrg || HatchYr || clubletters || bnumber));
CREATE INDEX birds_by_club_band ON birds (upper(clubletters || bnumber));
CREATE INDEX birds_by_elecnumber ON birds (elecnumber);

-- A race is picked from the list by number and name.
CREATE INDEX orte_by_number ON orte (racenum, racename);
