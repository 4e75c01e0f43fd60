-- Older company databases already hold these tables; the country, county and
-- unit code rows update them in place, so give them the columns those rows name.
CREATE TABLE IF NOT EXISTS tara ();
ALTER TABLE tara ADD COLUMN IF NOT EXISTS codtara varchar(5);
ALTER TABLE tara ADD COLUMN IF NOT EXISTS dentara varchar(100);
ALTER TABLE tara ADD COLUMN IF NOT EXISTS descreng varchar(100);

CREATE TABLE IF NOT EXISTS judet ();
ALTER TABLE judet ADD COLUMN IF NOT EXISTS denjudet varchar(50);
ALTER TABLE judet ADD COLUMN IF NOT EXISTS codjudet varchar(5);

CREATE TABLE IF NOT EXISTS um ();
ALTER TABLE um ADD COLUMN IF NOT EXISTS um varchar(10);
