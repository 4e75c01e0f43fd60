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
