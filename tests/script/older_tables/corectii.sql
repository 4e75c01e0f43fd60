-- Older company databases: the columns of the application's own tables that
-- the data-correction rows read or set and that no update row adds (the
-- application created them before the updater existed). Every statement can
-- run again. Columns that an update row adds are deliberately left out, or
-- that row would find them already there.

-- Invoices still carrying the old currency code LEI.
CREATE TABLE IF NOT EXISTS factura ();
ALTER TABLE factura ADD COLUMN IF NOT EXISTS codvaluta VARCHAR(3);

-- Warehouse prices are completed from the product catalogue by product id.
CREATE TABLE IF NOT EXISTS nomenclator ();
ALTER TABLE nomenclator ADD COLUMN IF NOT EXISTS idreper INTEGER;
CREATE TABLE IF NOT EXISTS gest_nom ();
ALTER TABLE gest_nom ADD COLUMN IF NOT EXISTS idreper INTEGER;

-- Document remarks and the employee who wrote the document.
CREATE TABLE IF NOT EXISTS doc ();
ALTER TABLE doc ADD COLUMN IF NOT EXISTS obsnir VARCHAR(250);
ALTER TABLE doc ADD COLUMN IF NOT EXISTS idang INTEGER;

-- Dispatch records: their document and delegate.
CREATE TABLE IF NOT EXISTS expediere ();
ALTER TABLE expediere ADD COLUMN IF NOT EXISTS iddoc INTEGER;
ALTER TABLE expediere ADD COLUMN IF NOT EXISTS iddelegat INTEGER;

-- The issuer's default bank account is the one marked implicit, not closed.
CREATE TABLE IF NOT EXISTS emicontbanca ();
ALTER TABLE emicontbanca ADD COLUMN IF NOT EXISTS idemicontbanca INTEGER;
ALTER TABLE emicontbanca ADD COLUMN IF NOT EXISTS enddate DATE;
ALTER TABLE emicontbanca ADD COLUMN IF NOT EXISTS implicit INTEGER;

-- Document series: root, year and invoice kind identify a series.
CREATE TABLE IF NOT EXISTS seriedoc ();
ALTER TABLE seriedoc ADD COLUMN IF NOT EXISTS radacinaserie VARCHAR(10);
ALTER TABLE seriedoc ADD COLUMN IF NOT EXISTS anul INTEGER;
ALTER TABLE seriedoc ADD COLUMN IF NOT EXISTS tipfactura VARCHAR(3);

-- Program users: the user name of each employee.
CREATE TABLE IF NOT EXISTS dreptprog ();
ALTER TABLE dreptprog ADD COLUMN IF NOT EXISTS idang INTEGER;
ALTER TABLE dreptprog ADD COLUMN IF NOT EXISTS username VARCHAR(20);

-- Country and county codes of the firms.
CREATE TABLE IF NOT EXISTS firma ();
ALTER TABLE firma ADD COLUMN IF NOT EXISTS codtara CHAR(2);
ALTER TABLE firma ADD COLUMN IF NOT EXISTS codjudet CHAR(2);
