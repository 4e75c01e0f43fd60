-- Reference rows that every older company database already holds and that
-- the migration script updates or relies on: the invoice ("F") and delivery
-- note ("AE") document types, the invoice kinds "FS" and "FM", and payment
-- modes 1 to 4 (2 is cash, 1, 3 and 4 go through the bank). The tables are
-- shaped again here, idempotently, so that this fragment stands on its own.

CREATE TABLE IF NOT EXISTS tipdoc ();
ALTER TABLE tipdoc ADD COLUMN IF NOT EXISTS tipdoc VARCHAR(3);
ALTER TABLE tipdoc ADD COLUMN IF NOT EXISTS descrtipdoc VARCHAR(30);
CREATE UNIQUE INDEX IF NOT EXISTS tipdoc_tipdoc_key ON tipdoc (tipdoc);

INSERT INTO tipdoc (tipdoc, descrtipdoc)
    SELECT 'F', 'Factura' WHERE NOT EXISTS (SELECT 1 FROM tipdoc WHERE tipdoc = 'F');
INSERT INTO tipdoc (tipdoc, descrtipdoc)
    SELECT 'AE', 'Aviz de insotire' WHERE NOT EXISTS (SELECT 1 FROM tipdoc WHERE tipdoc = 'AE');

CREATE TABLE IF NOT EXISTS tipfactura ();
ALTER TABLE tipfactura ADD COLUMN IF NOT EXISTS tipfactura VARCHAR(3);
ALTER TABLE tipfactura ADD COLUMN IF NOT EXISTS descrtipfact VARCHAR(30);
ALTER TABLE tipfactura ADD COLUMN IF NOT EXISTS flag INTEGER;
ALTER TABLE tipfactura ADD COLUMN IF NOT EXISTS tipdoc VARCHAR(3);
CREATE UNIQUE INDEX IF NOT EXISTS tipfactura_tipfactura_key ON tipfactura (tipfactura);

INSERT INTO tipfactura (tipfactura, descrtipfact, flag, tipdoc)
    SELECT 'FS', 'Factura simpla', 0, 'F' WHERE NOT EXISTS (SELECT 1 FROM tipfactura WHERE tipfactura = 'FS');
INSERT INTO tipfactura (tipfactura, descrtipfact, flag, tipdoc)
    SELECT 'FM', 'Factura multipla', 0, 'F' WHERE NOT EXISTS (SELECT 1 FROM tipfactura WHERE tipfactura = 'FM');

CREATE TABLE IF NOT EXISTS modplata ();
ALTER TABLE modplata ADD COLUMN IF NOT EXISTS codmodplata INTEGER;
ALTER TABLE modplata ADD COLUMN IF NOT EXISTS descmodplata VARCHAR(50);
CREATE UNIQUE INDEX IF NOT EXISTS modplata_codmodplata_key ON modplata (codmodplata);

INSERT INTO modplata (codmodplata, descmodplata)
    SELECT 1, 'ORDIN DE PLATA' WHERE NOT EXISTS (SELECT 1 FROM modplata WHERE codmodplata = 1);
INSERT INTO modplata (codmodplata, descmodplata)
    SELECT 2, 'NUMERAR' WHERE NOT EXISTS (SELECT 1 FROM modplata WHERE codmodplata = 2);
INSERT INTO modplata (codmodplata, descmodplata)
    SELECT 3, 'CEC' WHERE NOT EXISTS (SELECT 1 FROM modplata WHERE codmodplata = 3);
INSERT INTO modplata (codmodplata, descmodplata)
    SELECT 4, 'BILET LA ORDIN' WHERE NOT EXISTS (SELECT 1 FROM modplata WHERE codmodplata = 4);
