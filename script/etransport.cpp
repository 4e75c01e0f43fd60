#include "script/sections.h"

namespace script {
namespace {

// E-transport code lists, logs and declarations, marketplace stock tables, and the
// schema-wide grants to everybody.
constexpr ScriptRow kRows[] = {
    // rot_tipoperatiune: e-transport operation types
    {4965, "CREATE TABLE rot_tipoperatiune ( \tcod INTEGER,\tdescriere CHAR(250),\tptf integer,\tbirouvamal integer,\tlocincarcare integer,\tlocdescarcare integer,\tnotificareanterioara integer,\tordine integer)"},
    {4966, "CREATE UNIQUE  INDEX rot_tipoperatiune_cod_idx ON rot_tipoperatiune (cod)"},
    {4967, "GRANT ALL PRIVILEGES                 ON TABLE rot_tipoperatiune TO GROUP grupadmin WITH GRANT OPTION"},
    {4968, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE rot_tipoperatiune TO GROUP gruppreluare"},
    {4969, "GRANT SELECT                         ON TABLE rot_tipoperatiune TO GROUP grupvizualizare"},
    // rot_scopoperatiune: e-transport operation purposes
    {4977, "CREATE TABLE rot_scopoperatiune ( \tcod INTEGER NOT NULL,\tdescriere CHAR(250))"},
    {4978, "CREATE UNIQUE INDEX rot_scopoperatiune_cod_idx ON rot_scopoperatiune (cod)"},
    {4979, "GRANT ALL PRIVILEGES                 ON TABLE rot_scopoperatiune TO GROUP grupadmin WITH GRANT OPTION"},
    {4980, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE rot_scopoperatiune TO GROUP gruppreluare"},
    {4981, "GRANT SELECT                         ON TABLE rot_scopoperatiune TO GROUP grupvizualizare"},
    // rot_ptf: e-transport border crossing points
    {5013, "CREATE TABLE rot_ptf ( \tcod INTEGER,\tdescriere CHAR(250))"},
    {5014, "CREATE UNIQUE INDEX rot_ptf_cod_idx ON rot_ptf (cod)"},
    {5015, "GRANT ALL PRIVILEGES                 ON TABLE rot_ptf TO GROUP grupadmin WITH GRANT OPTION"},
    {5016, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE rot_ptf TO GROUP gruppreluare"},
    {5017, "GRANT SELECT                         ON TABLE rot_ptf TO GROUP grupvizualizare"},
    // rot_birouvamal: e-transport customs offices
    {5056, "CREATE TABLE rot_birouvamal ( \tcod INTEGER,\tdescriere CHAR(250))"},
    {5057, "CREATE UNIQUE INDEX rot_birouvamal_cod_idx ON rot_birouvamal (cod)"},
    {5058, "GRANT ALL PRIVILEGES                 ON TABLE rot_birouvamal TO GROUP grupadmin WITH GRANT OPTION"},
    {5059, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE rot_birouvamal TO GROUP gruppreluare"},
    {5060, "GRANT SELECT                         ON TABLE rot_birouvamal TO GROUP grupvizualizare"},
    // rot_tipconfirmare: e-transport confirmation types
    {5196, "CREATE TABLE rot_tipconfirmare ( \tcod INTEGER,\tdescriere CHAR(250))"},
    {5197, "CREATE UNIQUE INDEX rot_tipconfirmare_cod_idx ON rot_tipconfirmare (cod)"},
    {5198, "GRANT ALL PRIVILEGES                 ON TABLE rot_tipconfirmare TO GROUP grupadmin WITH GRANT OPTION"},
    {5199, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE rot_tipconfirmare TO GROUP gruppreluare"},
    {5200, "GRANT SELECT                         ON TABLE rot_tipconfirmare TO GROUP grupvizualizare"},
    // rot_tipdocument: e-transport document types
    {5204, "CREATE TABLE rot_tipdocument ( \tcod INTEGER,\tdescriere CHAR(250))"},
    {5205, "CREATE UNIQUE INDEX rot_tipdocument_cod_idx ON rot_tipdocument (cod)"},
    {5206, "GRANT ALL PRIVILEGES                 ON TABLE rot_tipdocument TO GROUP grupadmin WITH GRANT OPTION"},
    {5207, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE rot_tipdocument TO GROUP gruppreluare"},
    {5208, "GRANT SELECT                         ON TABLE rot_tipdocument TO GROUP grupvizualizare"},
    // logrotransport: log of e-transport files
    {5844, "CREATE TABLE logrotransport ( \tidlogrotransport serial NOT NULL,\tidfactura INTEGER NOT NULL,\ttipdoc CHAR(10) DEFAULT NULL,\tnumefisier TEXT NOT NULL,\tfisier TEXT DEFAULT NULL,\tip CHAR(100),\tcomputername CHAR(250),\tusername CHAR(100),\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp)"},
    {5845, "GRANT ALL PRIVILEGES ON TABLE logrotransport  TO  GROUP PUBLIC"},
    // logrotransport_status: log of e-transport status queries
    {5846, "CREATE TABLE logrotransport_status ( \tid serial NOT NULL,\tdatastatus date,\tcod_confirmare integer,\tcomputername CHAR(250),\tusername CHAR(100),\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp)"},
    // logrotransport
    {5847, "GRANT ALL PRIVILEGES ON TABLE logrotransport  TO  GROUP PUBLIC"},
    // rot_anaf_judet: county codes of the tax authority
    {5867, "CREATE TABLE rot_anaf_judet ( \tcod integer NOT NULL,\tsemnificatie varchar(50) NOT NULL)"},
    {5868, "GRANT ALL PRIVILEGES ON TABLE rot_anaf_judet TO GROUP public"},
    // rot_anaf_etransport: e-transport declarations
    {5911, "CREATE TABLE rot_anaf_etransport ( \tid serial NOT NULL,\tcodtipoperatiune integer NOT NULL,\tpartener_codtara character varying(10) NOT NULL,\tpartener_cod character varying(20) NOT NULL,\tpartener_denumire character varying(250) NOT NULL,\tpartener_idfirma integer NOT NULL,\tnrvehicul character varying(20) NOT NULL,\tnrremorca1 character varying(20),\tnrremorca2 character varying(20),\tcodtaratransportator character varying(2) NOT NULL,\tcodtransportator character varying(30),\ttransportator_idfirma integer,\tdenumiretransportator character varying(200) NOT NULL,\tdatatransport date NOT NULL,\tlocincarcare_codjudet integer,\tlocincarcare_denlocalitate character varying(100),\tlocincarcare_denstrada character varying(100),\tlocincarcare_codpostal character varying(20),\tlocincarcare_numar character varying(20),\tlocincarcare_bloc character varying(20),\tlocincarcare_scara character varying(20),\tlocincarcare_etaj character varying(20),\tlocincarcare_apartament character varying(20),\tlocincarcare_alteinfo character varying(200),\tlocdescarcare_codjudet integer,\tlocdescarcare_denlocalitate character varying(100),\tlocdescarcare_denstrada character varying(100),\tlocdescarcare_codpostal character varying(20),\tlocdescarcare_numar character varying(20),\tlocdescarcare_bloc character varying(20),\tlocdescarcare_scara character varying(20),\tlocdescarcare_etaj character varying(20),\tlocdescarcare_apartament character varying(20),\tlocdescarcare_alteinfo character varying(200),\tcoddeclarant bigint NOT NULL,\trefdeclarant character varying(50),\tnotificare_codtipoperatiune numeric(2,0),\tcreated_date timestamp with time zone NOT NULL DEFAULT now(),\texecutionstatus character(2),\tindex_incarcare bigint,\ttrace_id character varying(50),\tmesaj_xml xml,\tmoment timestamp without time zone NOT NULL DEFAULT now(),\tstergere_uit character varying(16),\tconfirmare_uit character varying(16),\tconfirmare_tipconfirmare numeric(20,0),\tconfirmare_observatii character varying(200),\tcorectie_uit character varying(16),\tcodptf character varying(2),\tcodbirouvamal character varying(6),\tmesaj_response text,\tuit character varying(50),\tdateresponse character varying(20),\tblocat integer,\tstare character varying(50),\tfilename character varying(250),\tusername character varying(50),\tcomputername character varying(250))"},
    {5912, "alter table rot_anaf_etransport add column filename  character varying(250)"},
    {5913, "alter table rot_anaf_etransport add column username character varying(50)"},
    {5914, "alter table rot_anaf_etransport add column computername character varying(250)"},
    {5915, "GRANT ALL PRIVILEGES ON TABLE rot_anaf_etransport TO GROUP public"},
    {5916, "alter table rot_anaf_etransport add column transportator_idfirma integer"},
    // rot_anaf_etransport_audit: audit of e-transport exchanges
    {5918, "CREATE TABLE rot_anaf_etransport_audit ( \tid serial NOT NULL,\tid_rot_anaf_etransport integer NOT NULL,\ttip_mesaj character varying(20),\terror text,\tpath character varying(200),\tmessage text,\tcreated_date timestamp with time zone NOT NULL DEFAULT now(),\texecutionstatus integer,\ttrace_id character varying(50),\tref_declarant character varying(200),\tdateresponse character varying(20),\tuit character varying(50),\tstare character varying(50),\tindex_incarcare character varying(30),\tatentie text,\tmesaj_eroare text,\tpayload text,\tfilename character varying(250),\tusername character varying(50),\tcomputername character varying(250))"},
    {5919, "alter table rot_anaf_etransport_audit add column tip_mesaj character varying(20)"},
    {5920, "alter table rot_anaf_etransport_audit add column index_incarcare character varying(30)"},
    {5921, "alter table rot_anaf_etransport_audit add column atentie text"},
    {5922, "alter table rot_anaf_etransport_audit add column mesaj_eroare text"},
    {5923, "alter table rot_anaf_etransport_audit add column payload text"},
    {5924, "alter table rot_anaf_etransport_audit add column filename  character varying(250)"},
    {5925, "alter table rot_anaf_etransport_audit add column username character varying(50)"},
    {5926, "alter table rot_anaf_etransport_audit add column computername character varying(250)"},
    {5927, "GRANT ALL PRIVILEGES ON TABLE rot_anaf_etransport_audit TO GROUP public"},
    // rot_anaf_etransport_bunuri: goods of an e-transport declaration
    {5928, "CREATE TABLE rot_anaf_etransport_bunuri ( \tid serial NOT NULL,\tid_rot_anaf_etransport integer NOT NULL,\tnrcrt integer NOT NULL,\tcodtarifar character varying(8) NOT NULL,\tdenumiremarfa character varying(200),\tcodscopoperatiune numeric(6,0) NOT NULL,\tcantitate numeric(12,2) NOT NULL,\tcodunitatemasura character varying(3) NOT NULL,\tgreutateneta numeric(12,2) NOT NULL,\tgreutatebruta numeric(12,2) NOT NULL,\tvaloareleifaratva numeric(12,2) NOT NULL,\trefdeclarant character varying(50),\tcreated_on timestamp with time zone NOT NULL DEFAULT now(),\tum character varying(10) NOT NULL,\ttotalgreutateneta numeric(12,2) NOT NULL,\ttotalgreutatebruta numeric(12,2) NOT NULL,\tpretfaratva numeric(12,2) NOT NULL,\tidreper integer)"},
    {5929, "GRANT ALL PRIVILEGES ON TABLE rot_anaf_etransport_bunuri TO GROUP public"},
    // rot_anaf_etransport_documentetransport: transport documents of an e-transport declaration
    {5930, "CREATE TABLE rot_anaf_etransport_documentetransport ( \tid serial NOT NULL,\ttipdocument character varying(20) NOT NULL,\tnumardocument character varying(50),\tdatadocument date NOT NULL,\tobservatii character varying(200),\tiddoc integer,\tidfactura integer,\tid_rot_anaf_etransport integer NOT NULL)"},
    {5931, "GRANT ALL PRIVILEGES ON TABLE rot_anaf_etransport_documentetransport TO GROUP public"},
    // rot_anaf_etransport_notificareanterioara: prior notifications of an e-transport declaration
    {5932, "CREATE TABLE rot_anaf_etransport_notificareanterioara ( \tid serial NOT NULL,\tuit character varying(16) NOT NULL,\treferintadeclarant character varying(50),\tid_rot_anaf_etransport integer NOT NULL,\tobservatii character varying(200))"},
    {5933, "GRANT ALL PRIVILEGES ON TABLE rot_anaf_etransport_notificareanterioara TO GROUP public"},
    // rot_tipoperatiune
    {5937, "alter table rot_tipoperatiune add column ordine integer"},
    // marketplace_stoc_parteneri: stock offered by partners for the marketplace
    {5947, "CREATE TABLE marketplace_stoc_parteneri ( \tid serial NOT NULL,\tean numeric NOT NULL,\tstoc numeric(10,2) NOT NULL,\tcodprodus_partener character varying(50),\tdenprodus_partener character varying(250),\tcui_partener character varying(20),\tdenfirma_partener character varying(250),\tcreation_date timestamp without time zone NOT NULL DEFAULT now(),\tto_marketplace character varying(250),\tvalidity_days integer NOT NULL DEFAULT 5,\tvaliditity_days integer NOT NULL DEFAULT 5,\tum character varying(10))"},
    // marketplace_emag: products listed on the eMAG marketplace
    {5948, "CREATE TABLE marketplace_emag ( \tid_marketplace_emag serial NOT NULL,\tean numeric NOT NULL,\tpart_number_key character varying(50),\tid character varying(30),\tname character varying(254))"},
    // marketplace_emag_log: log of marketplace stock updates
    {5949, "CREATE TABLE marketplace_emag_log ( \tid_marketplace_emag_log serial NOT NULL,\tean character varying(50),\tid character varying(20),\tstoc numeric(10,2),\tstatus character varying(10),\tmesaj text,\tmoment timestamp without time zone NOT NULL DEFAULT now(),\tCONSTRAINT marketplace_emag_log_pkey PRIMARY KEY (id_marketplace_emag_log))"},
    // Everybody gets every right on every table and sequence that exists at this point,
    // including those created without grants of their own.
    {5961, "GRANT ALL PRIVILEGES ON ALL TABLES in schema public TO  public"},
    {5962, "GRANT ALL PRIVILEGES ON ALL sequences in schema public TO  public"},
    // rot_anaf_etransport_audit
    {6132, "CREATE INDEX rot_aea_rot_ae_id  ON rot_anaf_etransport_audit (id_rot_anaf_etransport)"},
    // The same grants spelled with other blanks, so that they run once more and cover
    // the tables created since.
    {6138, "GRANT ALL PRIVILEGES  ON ALL TABLES in schema public TO public"},
    {6139, "GRANT ALL PRIVILEGES  ON ALL sequences in schema public TO public"},
};

}  // namespace

Section etransportRows() { return kRows; }

}  // namespace script
