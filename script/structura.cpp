#include "script/sections.h"

namespace script {
namespace {

// Bootstrap rows, the table-definition helper and the server-wide connection rule.
constexpr ScriptRow kRows[] = {
    // version history; row 0 is never logged, so it runs at every pass and fails once the table exists
    {0,
     "CREATE TABLE logversiuni ( \t"
     "idversiune SERIAL NOT NULL,\t"
     "versiune VARCHAR(50) NOT NULL,\t"
     "data CHAR(20),\t"
     "modul VARCHAR(100) NOT NULL,\t"
     "descriere TEXT NOT NULL,\t"
     "UNIQUE (data, modul))"},
    {1, "GRANT ALL PRIVILEGES                 ON TABLE logversiuni TO GROUP grupadmin WITH GRANT OPTION"},
    {2, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE logversiuni TO GROUP gruppreluare"},
    {3, "GRANT SELECT                         ON TABLE logversiuni TO GROUP grupvizualizare"},
    // statement log; cannot take effect, its log insert needs the table
    {4, "CREATE TABLE  frazeupgrade(   fraza text,\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tUNIQUE (fraza))"},
    // statement log grants
    {5, "GRANT ALL PRIVILEGES                 ON TABLE frazeupgrade TO GROUP grupadmin WITH GRANT OPTION"},
    {6, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE frazeupgrade TO GROUP gruppreluare"},
    {7, "GRANT SELECT                         ON TABLE frazeupgrade TO GROUP grupvizualizare"},
    // legacy version table
    {24, "DROP TABLE versiuni "},
    // statement log again, in another spelling; the grants repeat rows 5 to 7
    {42,
     "CREATE TABLE frazeupgrade (   fraza text,  moment TIMESTAMP NOT NULL DEFAULT "
     "current_timestamp,  UNIQUE (fraza))"},
    {43, "GRANT ALL PRIVILEGES                 ON TABLE frazeupgrade TO GROUP grupadmin WITH GRANT OPTION"},
    {44, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE frazeupgrade TO GROUP gruppreluare"},
    {45, "GRANT SELECT                         ON TABLE frazeupgrade TO GROUP grupvizualizare"},
    // helper that writes a table's CREATE TABLE text from the catalogue
    {1907,
     "CREATE OR REPLACE FUNCTION generate_create_table_statement(p_table_name character varying) RETURNS text AS $BODY$ "
     "DECLARE v_tabel record; "
     "v_coloana record; "
     "v_fraza text; "
     "v_prima boolean := true; "
     "BEGIN SELECT c.oid AS idtabel, n.nspname AS schema, c.relname AS tabel "
     "INTO v_tabel "
     "FROM pg_catalog.pg_class c JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace "
     "WHERE c.relkind IN ('r', 'p') AND c.relname ~ ('^(' || p_table_name || ')$') "
     "AND pg_catalog.pg_table_is_visible(c.oid) "
     "ORDER BY c.relname LIMIT 1; "
     "IF NOT FOUND THEN RETURN NULL; "
     "END IF; "
     "v_fraza := 'CREATE TABLE ' || v_tabel.schema || '.' || v_tabel.tabel || ' ('; "
     "FOR v_coloana IN SELECT a.attname AS nume, pg_catalog.format_type(a.atttypid, a.atttypmod) AS tip, a.attnotnull AS obligatoriu, "
     "(SELECT substring(pg_catalog.pg_get_expr(d.adbin, d.adrelid) FROM 1 FOR 128) "
     "FROM pg_catalog.pg_attrdef d "
     "WHERE d.adrelid = a.attrelid AND d.adnum = a.attnum) AS implicit "
     "FROM pg_catalog.pg_attribute a "
     "WHERE a.attrelid = v_tabel.idtabel AND a.attnum > 0 AND NOT a.attisdropped "
     "ORDER BY a.attnum LOOP "
     "IF NOT v_prima THEN v_fraza := v_fraza || ','; "
     "END IF; "
     "v_prima := false; "
     "v_fraza := v_fraza || chr(10) || '    ' || v_coloana.nume || ' ' || v_coloana.tip || ' ' || "
     "CASE WHEN v_coloana.implicit IS NULL THEN '' ELSE 'DEFAULT ' || v_coloana.implicit END || ' ' || "
     "CASE WHEN v_coloana.obligatoriu THEN 'NOT NULL' ELSE 'NULL' END; "
     "END LOOP; "
     "RETURN v_fraza || ');'; "
     "END; "
     "$BODY$ LANGUAGE plpgsql VOLATILE   COST 100;"},
    {1908, "ALTER FUNCTION generate_create_table_statement(character varying)   OWNER TO postgres; "},
    // only company databases (db...) accept connections; needs a superuser
    {2738, "UPDATE pg_database SET datallowconn = false where datname not like 'db%'"},
};

}  // namespace

Section structuraRows() { return kRows; }

}  // namespace script
