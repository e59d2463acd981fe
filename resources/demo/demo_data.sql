-- The demo database: the delivered schema plus the clubs, flyers and birds
-- of the sample race file 12340102.005 and the sample module sample.lmd.
-- Ring AU24DEMO000118 is left out on purpose: race 2 shows it as an
-- unknown flyer beside the module's own unknown rings.

INSERT INTO clubs (ClubID, ClubName) VALUES (1, 'North Valley Homers');
INSERT INTO clubs (ClubID, ClubName) VALUES (2, 'Riverside Racing');

INSERT INTO flyerlist (FlyerID, ClubID, Name, Address, CityStateZip, Phone, email, Latitude, Longitude)
    VALUES (5, 2, 'Jan Smith', '12 Mill Lane', 'Riverside', '555-0105', 'jan.smith@example.com', '0000000', '0000000');
INSERT INTO flyerlist (FlyerID, ClubID, Name, Address, CityStateZip, Phone, email, Latitude, Longitude)
    VALUES (7, 1, 'Ruth Okafor', '3 Hill Road', 'North Valley', '555-0107', 'ruth.okafor@example.com', '0000000', '0000000');

-- Jan Smith's birds as clocked in the sample race file (colour 'J' is Blue).
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000101', 'C', '0000000101', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000102', 'H', '0000000102', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000103', 'C', '0000000103', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000104', 'H', '0000000104', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000105', 'C', '0000000105', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000106', 'H', '0000000106', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000107', 'C', '0000000107', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000108', 'H', '0000000108', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000109', 'C', '0000000109', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000110', 'H', '0000000110', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000111', 'C', '0000000111', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000112', 'H', '0000000112', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000113', 'C', '0000000113', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000114', 'H', '0000000114', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000115', 'C', '0000000115', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000116', 'H', '0000000116', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', '000117', 'C', '0000000117', 'J', '1');

-- The birds of the sample module.
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'US', '23', 'ABCD', '012345', 'C', '0001234567', 'J', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'US', '23', 'ABCD', '012346', 'H', '0001234568', '>', '1');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (5, 'US', '24', 'ABCD', '000102', 'C', '0000000000', 'R', '1');

-- Another flyer's birds, so that the database is not one flyer's alone.
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (7, 'US', '24', 'NVHC', '000201', 'H', '0000000000', '$', '0');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (7, 'US', '24', 'NVHC', '000202', 'H', '0000000000', '$', '0');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (7, 'US', '24', 'NVHC', '000203', 'H', '0000000000', '$', '0');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (7, 'US', '24', 'NVHC', '000204', 'H', '0000000000', '$', '0');
INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) VALUES (7, 'US', '24', 'NVHC', '000205', 'H', '0000000000', '$', '0');

-- The liberation points of the sample race file.
INSERT INTO orte (racenum, racename, racedate, racetype) VALUES ('01', 'BRIGHTON', '0511', '1');
INSERT INTO orte (racenum, racename, racedate, racetype) VALUES ('02', 'STAFFORD', '0518', '1');
