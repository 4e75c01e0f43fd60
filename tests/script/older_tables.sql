-- The application's older tables as a company database has them before the
-- migration script first runs: the tables the script extends but never
-- creates, with the columns and constraints the script's rows change or
-- index, and the reference rows older databases bring. Idempotent.

-- Older company databases: the partner tables that the application created
-- before the updater existed, with the columns and unnamed constraints that
-- the update rows change, index or drop. Every statement can run again.

CREATE TABLE IF NOT EXISTS delegat ();
ALTER TABLE delegat ADD COLUMN IF NOT EXISTS nrbi varchar(10) NOT NULL;

CREATE TABLE IF NOT EXISTS firma ();
ALTER TABLE firma ADD COLUMN IF NOT EXISTS idfirma integer;
ALTER TABLE firma ADD COLUMN IF NOT EXISTS denfirma varchar(150);
ALTER TABLE firma ADD COLUMN IF NOT EXISTS codfiscal varchar(20);
ALTER TABLE firma ADD COLUMN IF NOT EXISTS nrregcom varchar(20);
-- The update drops these two by the names the server gave them.
DO $$
BEGIN
  IF NOT EXISTS (SELECT 1 FROM pg_constraint WHERE conrelid = 'firma'::regclass AND conname = 'firma_codfiscal_key') THEN
    ALTER TABLE firma ADD CONSTRAINT firma_codfiscal_key UNIQUE (codfiscal);
  END IF;
  IF NOT EXISTS (SELECT 1 FROM pg_constraint WHERE conrelid = 'firma'::regclass AND conname = 'firma_nrregcom_key') THEN
    ALTER TABLE firma ADD CONSTRAINT firma_nrregcom_key UNIQUE (nrregcom);
  END IF;
END $$;

CREATE TABLE IF NOT EXISTS contbanca ();
ALTER TABLE contbanca ADD COLUMN IF NOT EXISTS idfirma integer;
ALTER TABLE contbanca ADD COLUMN IF NOT EXISTS nrcont varchar(50);
DO $$
BEGIN
  IF NOT EXISTS (SELECT 1 FROM pg_constraint WHERE conrelid = 'contbanca'::regclass AND conname = 'contbanca_nrcont_key') THEN
    ALTER TABLE contbanca ADD CONSTRAINT contbanca_nrcont_key UNIQUE (nrcont);
  END IF;
END $$;

CREATE TABLE IF NOT EXISTS emitent ();
ALTER TABLE emitent ADD COLUMN IF NOT EXISTS capitalsocial varchar(50);

CREATE TABLE IF NOT EXISTS angajat ();
ALTER TABLE angajat ADD COLUMN IF NOT EXISTS prenume varchar(20);

CREATE TABLE IF NOT EXISTS emicontbanca ();

CREATE TABLE IF NOT EXISTS judet ();

CREATE TABLE IF NOT EXISTS tara ();
ALTER TABLE tara ADD COLUMN IF NOT EXISTS codtara char(2);

-- Document tables that the application created before the migration script
-- existed, with only the columns the script changes or indexes. Every
-- statement is idempotent: other fragments may shape the same tables.

-- Document lines; the script widens coeficient, cantitate and pretfaratva.
CREATE TABLE IF NOT EXISTS repereaviz ();
ALTER TABLE repereaviz ADD COLUMN IF NOT EXISTS idreperaviz INTEGER;
ALTER TABLE repereaviz ADD COLUMN IF NOT EXISTS iddoc INTEGER;
ALTER TABLE repereaviz ADD COLUMN IF NOT EXISTS idgestiune INTEGER;
ALTER TABLE repereaviz ADD COLUMN IF NOT EXISTS idreper INTEGER;
ALTER TABLE repereaviz ADD COLUMN IF NOT EXISTS cantitate NUMERIC(15,3);
ALTER TABLE repereaviz ADD COLUMN IF NOT EXISTS coeficient NUMERIC(5,2);
ALTER TABLE repereaviz ADD COLUMN IF NOT EXISTS pretfaratva NUMERIC(17,5);

-- Invoice headers. persfizica and staretva are dropped by the script; the
-- old unique number constraint is replaced by a wider unique index.
CREATE TABLE IF NOT EXISTS factura ();
ALTER TABLE factura ADD COLUMN IF NOT EXISTS idfactura INTEGER;
ALTER TABLE factura ADD COLUMN IF NOT EXISTS nrfactura VARCHAR(20);
ALTER TABLE factura ADD COLUMN IF NOT EXISTS idfirma INTEGER;
ALTER TABLE factura ADD COLUMN IF NOT EXISTS datafactura DATE;
ALTER TABLE factura ADD COLUMN IF NOT EXISTS tipdoc VARCHAR(3);
ALTER TABLE factura ADD COLUMN IF NOT EXISTS data_prel DATE;
ALTER TABLE factura ADD COLUMN IF NOT EXISTS cota VARCHAR(50);
ALTER TABLE factura ADD COLUMN IF NOT EXISTS cecchitanta VARCHAR(50);
ALTER TABLE factura ADD COLUMN IF NOT EXISTS persfizica VARCHAR(1);
ALTER TABLE factura ADD COLUMN IF NOT EXISTS staretva VARCHAR(1);
DO $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_class WHERE relname = 'factura_nrfactura_key') THEN
        ALTER TABLE factura ADD CONSTRAINT factura_nrfactura_key UNIQUE (nrfactura);
    END IF;
END
$$;

CREATE TABLE IF NOT EXISTS reperefact ();

CREATE TABLE IF NOT EXISTS expediere ();

-- Document headers (receipts, delivery notes, goods receipts, ...).
CREATE TABLE IF NOT EXISTS doc ();
ALTER TABLE doc ADD COLUMN IF NOT EXISTS iddoc INTEGER;
ALTER TABLE doc ADD COLUMN IF NOT EXISTS nrdoc VARCHAR(20);
ALTER TABLE doc ADD COLUMN IF NOT EXISTS datadoc DATE;
ALTER TABLE doc ADD COLUMN IF NOT EXISTS tipdoc VARCHAR(3);
ALTER TABLE doc ADD COLUMN IF NOT EXISTS idfirma INTEGER;
ALTER TABLE doc ADD COLUMN IF NOT EXISTS stare CHAR(1);
ALTER TABLE doc ADD COLUMN IF NOT EXISTS obsnir_old VARCHAR(100);

CREATE TABLE IF NOT EXISTS totaluri ();
ALTER TABLE totaluri ADD COLUMN IF NOT EXISTS idfactura INTEGER;

-- Document types; descriptions are narrowed to CHAR(30) by the script.
CREATE TABLE IF NOT EXISTS tipdoc ();
ALTER TABLE tipdoc ADD COLUMN IF NOT EXISTS tipdoc VARCHAR(3);
ALTER TABLE tipdoc ADD COLUMN IF NOT EXISTS descrtipdoc VARCHAR(30);
CREATE UNIQUE INDEX IF NOT EXISTS tipdoc_tipdoc_key ON tipdoc (tipdoc);

CREATE TABLE IF NOT EXISTS tipfactura ();
ALTER TABLE tipfactura ADD COLUMN IF NOT EXISTS tipfactura VARCHAR(3);
ALTER TABLE tipfactura ADD COLUMN IF NOT EXISTS descrtipfact VARCHAR(30);
ALTER TABLE tipfactura ADD COLUMN IF NOT EXISTS flag INTEGER;
ALTER TABLE tipfactura ADD COLUMN IF NOT EXISTS tipdoc VARCHAR(3);
CREATE UNIQUE INDEX IF NOT EXISTS tipfactura_tipfactura_key ON tipfactura (tipfactura);

CREATE TABLE IF NOT EXISTS modplata ();
ALTER TABLE modplata ADD COLUMN IF NOT EXISTS codmodplata INTEGER;
ALTER TABLE modplata ADD COLUMN IF NOT EXISTS descmodplata VARCHAR(50);
CREATE UNIQUE INDEX IF NOT EXISTS modplata_codmodplata_key ON modplata (codmodplata);

-- Document series; the script grants on the key's implicit sequence.
CREATE TABLE IF NOT EXISTS seriedoc ();
ALTER TABLE seriedoc ADD COLUMN IF NOT EXISTS idseriedoc SERIAL;

CREATE TABLE IF NOT EXISTS doc_factura ();
ALTER TABLE doc_factura ADD COLUMN IF NOT EXISTS iddoc INTEGER;
ALTER TABLE doc_factura ADD COLUMN IF NOT EXISTS idfactura INTEGER;

-- Product and warehouse tables that the application created before the
-- migration script existed, with only the columns the script changes or
-- indexes. Every statement is idempotent: other fragments may shape the
-- same tables.

-- Price coefficients; the script widens procent and makes both columns
-- mandatory, then indexes descrcoef uniquely.
CREATE TABLE IF NOT EXISTS coeficienti ();
ALTER TABLE coeficienti ADD COLUMN IF NOT EXISTS procent NUMERIC(5,2);
ALTER TABLE coeficienti ADD COLUMN IF NOT EXISTS descrcoef VARCHAR(50);

-- Product catalogue; cod becomes optional CHAR(30), iddenreper unique.
CREATE TABLE IF NOT EXISTS nomenclator ();
ALTER TABLE nomenclator ADD COLUMN IF NOT EXISTS cod VARCHAR(20);
ALTER TABLE nomenclator ADD COLUMN IF NOT EXISTS iddenreper INTEGER;

CREATE TABLE IF NOT EXISTS gest_nom ();

-- Warehouses; the script changes cod to char(10).
CREATE TABLE IF NOT EXISTS gestiune ();
ALTER TABLE gestiune ADD COLUMN IF NOT EXISTS cod VARCHAR(10);

CREATE TABLE IF NOT EXISTS denreper ();

CREATE TABLE IF NOT EXISTS um ();

-- Reference rows that every older company database already holds and that
-- the migration script updates or relies on: the invoice ("F") and delivery
-- note ("AE") document types, the invoice kinds "FS" and "FM", and payment
-- modes 1 to 4 (2 is cash, 1, 3 and 4 go through the bank).

INSERT INTO tipdoc (tipdoc, descrtipdoc)
    SELECT 'F', 'Factura' WHERE NOT EXISTS (SELECT 1 FROM tipdoc WHERE tipdoc = 'F');
INSERT INTO tipdoc (tipdoc, descrtipdoc)
    SELECT 'AE', 'Aviz de insotire' WHERE NOT EXISTS (SELECT 1 FROM tipdoc WHERE tipdoc = 'AE');

INSERT INTO tipfactura (tipfactura, descrtipfact, flag, tipdoc)
    SELECT 'FS', 'Factura simpla', 0, 'F' WHERE NOT EXISTS (SELECT 1 FROM tipfactura WHERE tipfactura = 'FS');
INSERT INTO tipfactura (tipfactura, descrtipfact, flag, tipdoc)
    SELECT 'FM', 'Factura multipla', 0, 'F' WHERE NOT EXISTS (SELECT 1 FROM tipfactura WHERE tipfactura = 'FM');

INSERT INTO modplata (codmodplata, descmodplata)
    SELECT 1, 'ORDIN DE PLATA' WHERE NOT EXISTS (SELECT 1 FROM modplata WHERE codmodplata = 1);
INSERT INTO modplata (codmodplata, descmodplata)
    SELECT 2, 'NUMERAR' WHERE NOT EXISTS (SELECT 1 FROM modplata WHERE codmodplata = 2);
INSERT INTO modplata (codmodplata, descmodplata)
    SELECT 3, 'CEC' WHERE NOT EXISTS (SELECT 1 FROM modplata WHERE codmodplata = 3);
INSERT INTO modplata (codmodplata, descmodplata)
    SELECT 4, 'BILET LA ORDIN' WHERE NOT EXISTS (SELECT 1 FROM modplata WHERE codmodplata = 4);

-- Older company databases already hold these tables; the country, county and
-- unit code rows update them in place, so give them the columns those rows name.
ALTER TABLE tara ADD COLUMN IF NOT EXISTS codtara varchar(5);
ALTER TABLE tara ADD COLUMN IF NOT EXISTS dentara varchar(100);
ALTER TABLE tara ADD COLUMN IF NOT EXISTS descreng varchar(100);

ALTER TABLE judet ADD COLUMN IF NOT EXISTS denjudet varchar(50);
ALTER TABLE judet ADD COLUMN IF NOT EXISTS codjudet varchar(5);

ALTER TABLE um ADD COLUMN IF NOT EXISTS um varchar(10);

-- Older company databases: the columns of the application's own tables that
-- the data-correction rows read or set and that no update row adds (the
-- application created them before the updater existed). Every statement can
-- run again. Columns that an update row adds are deliberately left out, or
-- that row would find them already there.

-- Invoices still carrying the old currency code LEI.
ALTER TABLE factura ADD COLUMN IF NOT EXISTS codvaluta VARCHAR(3);

-- Warehouse prices are completed from the product catalogue by product id.
ALTER TABLE nomenclator ADD COLUMN IF NOT EXISTS idreper INTEGER;
ALTER TABLE gest_nom ADD COLUMN IF NOT EXISTS idreper INTEGER;

-- Document remarks and the employee who wrote the document.
ALTER TABLE doc ADD COLUMN IF NOT EXISTS obsnir VARCHAR(250);
ALTER TABLE doc ADD COLUMN IF NOT EXISTS idang INTEGER;

-- Dispatch records: their document and delegate.
ALTER TABLE expediere ADD COLUMN IF NOT EXISTS iddoc INTEGER;
ALTER TABLE expediere ADD COLUMN IF NOT EXISTS iddelegat INTEGER;

-- The issuer's default bank account is the one marked implicit, not closed.
ALTER TABLE emicontbanca ADD COLUMN IF NOT EXISTS idemicontbanca INTEGER;
ALTER TABLE emicontbanca ADD COLUMN IF NOT EXISTS enddate DATE;
ALTER TABLE emicontbanca ADD COLUMN IF NOT EXISTS implicit INTEGER;

-- Document series: root, year and invoice kind identify a series.
ALTER TABLE seriedoc ADD COLUMN IF NOT EXISTS radacinaserie VARCHAR(10);
ALTER TABLE seriedoc ADD COLUMN IF NOT EXISTS anul INTEGER;
ALTER TABLE seriedoc ADD COLUMN IF NOT EXISTS tipfactura VARCHAR(3);

-- Program users: the user name of each employee.
CREATE TABLE IF NOT EXISTS dreptprog ();
ALTER TABLE dreptprog ADD COLUMN IF NOT EXISTS idang INTEGER;
ALTER TABLE dreptprog ADD COLUMN IF NOT EXISTS username VARCHAR(20);

-- Country and county codes of the firms.
ALTER TABLE firma ADD COLUMN IF NOT EXISTS codtara CHAR(2);
ALTER TABLE firma ADD COLUMN IF NOT EXISTS codjudet CHAR(2);

-- The cash desk and cash register rows change no table that the application creates itself:
-- every table they alter is created by the script, so an older database needs nothing here.

-- The tax authority and e-invoicing rows change no table that the application creates itself:
-- every table they alter is created by the script, so an older database needs nothing here.

-- The e-transport and marketplace rows change no table that the application creates itself:
-- every table they alter is created by the script, so an older database needs nothing here.

-- The workshop service, print-shop and EDI rows change no table that the
-- application creates itself: every table they alter is created by the
-- update, so an older database needs nothing here.

-- The settings rows fill only tables that the update creates itself
-- (setaridiverse, setarialtele, proprietate, setariproprietati, formulare):
-- an older database needs nothing here.
