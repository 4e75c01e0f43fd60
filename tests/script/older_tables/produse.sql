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
