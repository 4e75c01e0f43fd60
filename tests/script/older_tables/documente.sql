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
