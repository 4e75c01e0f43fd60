#include "script/sections.h"

namespace script {
namespace {

// Cash desk, cash hand-over documents, daily management report, cash registers,
// fiscal receipts, customer displays, scales and mobile printers.
constexpr ScriptRow kRows[] = {
    // cupiura: banknote and coin denominations
    {648, "CREATE TABLE cupiura ( \tidcupiura SERIAL NOT NULL,\tcupiura INTEGER NOT NULL,\tmoneda CHAR(10) NOT NULL,\tcodvaluta CHAR(3) NOT NULL,\tfractie INTEGER DEFAULT 1,\tordine INTEGER DEFAULT NULL,\tfactor INTEGER DEFAULT 1,\tnuafisa INTEGER DEFAULT NULL,\tUNIQUE (cupiura, moneda, codvaluta))"},
    {660, "GRANT ALL PRIVILEGES                 ON TABLE cupiura TO GROUP grupadmin WITH GRANT OPTION"},
    {661, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cupiura TO GROUP gruppreluare"},
    {662, "GRANT SELECT                         ON TABLE cupiura TO GROUP grupvizualizare"},
    // monetar: cash hand-over documents
    {663, "CREATE TABLE monetar ( \tidmonetar SERIAL NOT NULL,\ttipdoc CHAR(3) NOT NULL,\tnrdoc CHAR(20) NOT NULL,\tdatadoc DATE NOT NULL,\tidcasierie INTEGER NOT NULL,\tidcasierprimitor INTEGER NOT NULL,\tidcasierpredator INTEGER NOT NULL,\ttotal NUMERIC(15,2) NOT NULL,\tambalaje NUMERIC(15,2) DEFAULT NULL,\tcodvaluta CHAR(3) NOT NULL,\tcotatva NUMERIC(5,2),\tserie CHAR(10) NOT NULL,\tnumar INTEGER NOT NULL,\tdoccasa INTEGER DEFAULT 1,\texplicatii CHAR(250),\tusername VARCHAR(20) NOT NULL DEFAULT '',\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tcomputername VARCHAR(80) NOT NULL DEFAULT '',\tPRIMARY KEY (idmonetar))"},
    {664, "GRANT ALL PRIVILEGES                 ON TABLE monetar TO GROUP grupadmin WITH GRANT OPTION"},
    {665, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE monetar TO GROUP gruppreluare"},
    {666, "GRANT SELECT                         ON TABLE monetar TO GROUP grupvizualizare"},
    {667, "GRANT ALL PRIVILEGES ON SEQUENCE monetar_idmonetar_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {668, "GRANT ALL PRIVILEGES ON SEQUENCE monetar_idmonetar_seq TO GROUP gruppreluare "},
    {669, "GRANT USAGE          ON SEQUENCE monetar_idmonetar_seq TO GROUP grupvizualizare"},
    {670, "ALTER TABLE monetar ALTER COLUMN explicatii TYPE CHAR(250)"},
    // reperemonetar: denomination lines of a cash hand-over document
    {672, "CREATE TABLE reperemonetar ( \tidreperemonetar SERIAL NOT NULL,\tidmonetar INTEGER NOT NULL,\tidcupiura INTEGER NOT NULL,\tbucati INTEGER NOT NULL,\tusername VARCHAR(20) NOT NULL DEFAULT '',\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tcomputername VARCHAR(80) NOT NULL DEFAULT '')"},
    {673, "ALTER TABLE reperemonetar ADD COLUMN idreperemonetar SERIAL "},
    {674, "GRANT ALL PRIVILEGES                 ON TABLE reperemonetar TO GROUP grupadmin WITH GRANT OPTION"},
    {675, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE reperemonetar TO GROUP gruppreluare"},
    {676, "GRANT SELECT                         ON TABLE reperemonetar TO GROUP grupvizualizare"},
    {677, "GRANT ALL PRIVILEGES ON SEQUENCE reperemonetar_idreperemonetar_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {678, "GRANT ALL PRIVILEGES ON SEQUENCE reperemonetar_idreperemonetar_seq TO GROUP gruppreluare "},
    {679, "GRANT USAGE          ON SEQUENCE reperemonetar_idreperemonetar_seq TO GROUP grupvizualizare"},
    // casierie: cash desks
    {680, "CREATE TABLE casierie ( \tidcasierie SERIAL NOT NULL,\tdencasierie CHAR(30),\tinchis INTEGER DEFAULT NULL,\tPRIMARY KEY (idcasierie),\tUNIQUE (idcasierie),\tUNIQUE (dencasierie))"},
    {681, "GRANT ALL PRIVILEGES                 ON TABLE casierie TO GROUP grupadmin WITH GRANT OPTION"},
    {682, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE casierie TO GROUP gruppreluare"},
    {683, "GRANT SELECT                         ON TABLE casierie TO GROUP grupvizualizare"},
    {684, "GRANT ALL PRIVILEGES ON SEQUENCE casierie_idcasierie_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {685, "GRANT ALL PRIVILEGES ON SEQUENCE casierie_idcasierie_seq TO GROUP gruppreluare "},
    {686, "GRANT USAGE          ON SEQUENCE casierie_idcasierie_seq TO GROUP grupvizualizare"},
    // raportgestiunecasierie: daily management report: cash desks and periods
    {687, "CREATE TABLE raportgestiunecasierie ( \tidraportgestiunecasierie SERIAL NOT NULL,\tidraportgestiune INTEGER NOT NULL,\tidcasierie INTEGER NOT NULL,\tdatastart DATE NOT NULL,\tdatafinal DATE CHECK ( datafinal IS NULL OR datafinal >= datastart),\tPRIMARY KEY (idraportgestiunecasierie),\tUNIQUE (idcasierie, datastart),\tUNIQUE (idcasierie, datafinal))"},
    {688, "GRANT ALL PRIVILEGES                 ON TABLE raportgestiunecasierie TO GROUP grupadmin WITH GRANT OPTION"},
    {689, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE raportgestiunecasierie TO GROUP gruppreluare"},
    {690, "GRANT SELECT                         ON TABLE raportgestiunecasierie TO GROUP grupvizualizare"},
    {691, "GRANT ALL PRIVILEGES ON SEQUENCE raportgestiunecasierie_idraportgestiunecasierie_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {692, "GRANT ALL PRIVILEGES ON SEQUENCE raportgestiunecasierie_idraportgestiunecasierie_seq TO GROUP gruppreluare "},
    {693, "GRANT USAGE          ON SEQUENCE raportgestiunecasierie_idraportgestiunecasierie_seq TO GROUP grupvizualizare"},
    // raportgestiunegestiune: daily management report: warehouses and periods
    {694, "CREATE TABLE raportgestiunegestiune ( \tidraportgestiunegestiune SERIAL NOT NULL,\tidraportgestiune INTEGER NOT NULL,\tidgestiune INTEGER NOT NULL,\tdatastart DATE NOT NULL,\tdatafinal DATE CHECK ( datafinal IS NULL OR datafinal >= datastart),\tPRIMARY KEY (idraportgestiunegestiune),\tUNIQUE (idgestiune, datastart),\tUNIQUE (idgestiune, datafinal))"},
    {695, "GRANT ALL PRIVILEGES                 ON TABLE raportgestiunegestiune TO GROUP grupadmin WITH GRANT OPTION"},
    {696, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE raportgestiunegestiune TO GROUP gruppreluare"},
    {697, "GRANT SELECT                         ON TABLE raportgestiunegestiune TO GROUP grupvizualizare"},
    // raportgestiunesold: daily management report: balances
    {698, "CREATE TABLE raportgestiunesold ( \tidraportgestiune SERIAL NOT NULL,\tvaloare NUMERIC(15,2) NOT NULL,\tambalaje NUMERIC(15,2),\tdatastart DATE NOT NULL,\tdatafinal DATE CHECK ( datafinal IS NULL or datafinal >= datastart),\tPRIMARY KEY (idraportgestiune))"},
    {699, "GRANT ALL PRIVILEGES                 ON TABLE raportgestiunesold TO GROUP grupadmin WITH GRANT OPTION"},
    {700, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE raportgestiunesold TO GROUP gruppreluare"},
    {701, "GRANT SELECT                         ON TABLE raportgestiunesold TO GROUP grupvizualizare"},
    {702, "GRANT ALL PRIVILEGES ON SEQUENCE raportgestiunesold_idraportgestiune_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {703, "GRANT ALL PRIVILEGES ON SEQUENCE raportgestiunesold_idraportgestiune_seq TO GROUP gruppreluare "},
    {704, "GRANT USAGE          ON SEQUENCE raportgestiunesold_idraportgestiune_seq TO GROUP grupvizualizare"},
    // raportgestiunealteoperatiuni: daily management report: other operations
    {710, "CREATE TABLE raportgestiunealteoperatiuni ( \tidraportgestiunealteoperatiuni SERIAL NOT NULL,\tsemn INTEGER NOT NULL CHECK (semn = 1 or semn = -1),\top CHAR(30),\tidgestiune INTEGER NOT NULL,\tdescrtipdoc CHAR(30),\tnrdoc CHAR(30) NOT NULL,\tobs TEXT,\tdatadoc DATE NOT NULL,\ttotal NUMERIC(15,2) NOT NULL DEFAULT 0,\tmarfa NUMERIC(15,2) NOT NULL DEFAULT 0,\tambalaje NUMERIC(15,2) NOT NULL DEFAULT 0,\tcodvaluta CHAR(3) NOT NULL,\tPRIMARY KEY (idraportgestiunealteoperatiuni))"},
    {711, "GRANT ALL PRIVILEGES                 ON TABLE raportgestiunealteoperatiuni TO GROUP grupadmin WITH GRANT OPTION"},
    {712, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE raportgestiunealteoperatiuni TO GROUP gruppreluare"},
    {713, "GRANT SELECT                         ON TABLE raportgestiunealteoperatiuni TO GROUP grupvizualizare"},
    {717, "ALTER TABLE raportgestiunealteoperatiuni ADD COLUMN idgestiune INTEGER NOT NULL"},
    // monetar
    {724, "ALTER TABLE monetar ADD COLUMN doccasa INTEGER DEFAULT 1"},
    {725, "ALTER TABLE monetar ADD COLUMN explicatii CHAR(250) DEFAULT NULL"},
    {726, "ALTER TABLE monetar ADD COLUMN cotatva NUMERIC(5,2)"},
    // cmmodel: cash-register models
    {835, "CREATE TABLE cmmodel ( \tidcmmodel INTEGER NOT NULL,\tdencmmodel CHAR(50) NOT NULL,\tUNIQUE (idcmmodel),\tUNIQUE (dencmmodel))"},
    {836, "GRANT ALL PRIVILEGES                 ON TABLE cmmodel TO GROUP grupadmin WITH GRANT OPTION"},
    {837, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmmodel TO GROUP gruppreluare"},
    {838, "GRANT SELECT                         ON TABLE cmmodel TO GROUP grupvizualizare"},
    // cmmodplatabf: payment methods of fiscal receipts per model
    {852, "CREATE TABLE cmmodplatabf ( \tidcmmodplatabf SERIAL NOT NULL,\tcodcmmodplatabf INTEGER NOT NULL,\tdencmmodplatabf CHAR(50) NOT NULL,\tidcmmodel INTEGER NOT NULL,\tactiv INTEGER NOT NULL DEFAULT 1,\tmomentinchidere TIMESTAMP DEFAULT NULL,\tUNIQUE (codcmmodplatabf, idcmmodel),\tUNIQUE (codcmmodplatabf, idcmmodel, activ, momentinchidere))"},
    {853, "GRANT ALL PRIVILEGES                 ON TABLE cmmodplatabf TO GROUP grupadmin WITH GRANT OPTION"},
    {854, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmmodplatabf TO GROUP gruppreluare"},
    {855, "GRANT SELECT                         ON TABLE cmmodplatabf TO GROUP grupvizualizare"},
    // cmnumarlogic: cash-register stations (one per workstation address and model)
    {915, "CREATE TABLE cmnumarlogic ( \tip CHAR(50) NOT NULL,\tipname CHAR(50),\tidcmmodel INTEGER NOT NULL,\tcmnumarlogic INTEGER NOT NULL DEFAULT 1,\tcmnumarzecimale integer NOT NULL DEFAULT 2,\tcmcalefisiercomanda CHAR(250) NOT NULL,\tcmprintfile CHAR(250) NOT NULL,\tcmanswerfile CHAR(250),\tidcmnumarlogic SERIAL NOT NULL,\tUNIQUE (ip))"},
    {916, "GRANT ALL PRIVILEGES                 ON TABLE cmnumarlogic TO GROUP grupadmin WITH GRANT OPTION"},
    {917, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmnumarlogic TO GROUP gruppreluare"},
    {918, "GRANT SELECT                         ON TABLE cmnumarlogic TO GROUP grupvizualizare"},
    {919, "ALTER TABLE cmnumarlogic ADD UNIQUE (ip, idcmmodel)"},
    {920, "alter table cmnumarlogic drop constraint cmnumarlogic_ip_key"},
    // cmmesajpublicitar: advertising lines printed on fiscal receipts
    {921, "CREATE TABLE cmmesajpublicitar ( \tidcmmodel INTEGER NOT NULL DEFAULT 1,\tmesaj CHAR(22),\tordine INTEGER NOT NULL)"},
    {922, "GRANT ALL PRIVILEGES                 ON TABLE cmmesajpublicitar TO GROUP grupadmin WITH GRANT OPTION"},
    {923, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmmesajpublicitar TO GROUP gruppreluare"},
    {924, "GRANT SELECT                         ON TABLE cmmesajpublicitar TO GROUP grupvizualizare"},
    // cmgrupatva: VAT groups of the cash register per model
    {930, "CREATE TABLE cmgrupatva ( \tidcmgrupatva SERIAL NOT NULL,\tidcmmodel INTEGER NOT NULL DEFAULT 1,\tidcotatva INTEGER NOT NULL,\tgrupatva CHAR(1) NOT NULL,\tUNIQUE (idcmgrupatva),\tUNIQUE ( idcmmodel, idcotatva, grupatva),\tUNIQUE ( idcmmodel, grupatva))"},
    {931, "GRANT ALL PRIVILEGES                 ON TABLE cmgrupatva TO GROUP grupadmin WITH GRANT OPTION"},
    {932, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmgrupatva TO GROUP gruppreluare"},
    {933, "GRANT SELECT                         ON TABLE cmgrupatva TO GROUP grupvizualizare"},
    // cmdepartament: department number range per model
    {1016, "CREATE TABLE cmdepartament ( \tiddepartament SERIAL NOT NULL,\tidcmmodel INTEGER NOT NULL DEFAULT 1,\tminim INTEGER NOT NULL DEFAULT 1,\tmaxim INTEGER NOT NULL DEFAULT 8,\tUNIQUE (iddepartament),\tUNIQUE (idcmmodel))"},
    {1017, "GRANT ALL PRIVILEGES                 ON TABLE cmdepartament TO GROUP grupadmin WITH GRANT OPTION"},
    {1018, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmdepartament TO GROUP gruppreluare"},
    {1019, "GRANT SELECT                         ON TABLE cmdepartament TO GROUP grupvizualizare"},
    // cmgrupadearticole: article group number range per model
    {1034, "CREATE TABLE cmgrupadearticole ( \tidcmgrupadearticole SERIAL NOT NULL,\tidcmmodel INTEGER NOT NULL DEFAULT 1,\tminim INTEGER NOT NULL DEFAULT 1,\tmaxim INTEGER NOT NULL DEFAULT 99,\tUNIQUE (idcmgrupadearticole),\tUNIQUE (idcmmodel))"},
    {1035, "GRANT ALL PRIVILEGES                 ON TABLE cmgrupadearticole TO GROUP grupadmin WITH GRANT OPTION"},
    {1036, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmgrupadearticole TO GROUP gruppreluare"},
    {1037, "GRANT SELECT                         ON TABLE cmgrupadearticole TO GROUP grupvizualizare"},
    // cmlogbonfiscal: log of fiscal receipts sent to the cash register
    {1050, "CREATE TABLE cmlogbonfiscal ( \tidcmlogbonfiscal SERIAL NOT NULL,\tidcmmodel INTEGER,\tbonfiscaltrimis TEXT NOT NULL,\tmomenttrimitere TIMESTAMP NOT NULL DEFAULT current_timestamp,\tbonfiscalraspuns TEXT,\tmomentraspuns TIMESTAMP,\tip CHAR(32) NOT NULL,\tipname CHAR(50),\tusername CHAR(20) NOT NULL,\tsetari TEXT,\tobs TEXT,\tidcmmodplatabf1 INTEGER,\tsumaincasata1 NUMERIC(15,2) NOT NULL DEFAULT 0,\tidcmmodplatabf2 INTEGER,\tsumaincasata2 NUMERIC(15,2) NOT NULL DEFAULT 0,\tidcmmodplatabf3 INTEGER,\tsumaincasata3 NUMERIC(15,2) NOT NULL DEFAULT 0,\ttotalbon NUMERIC(15,2) NOT NULL,\tcodvaluta CHAR(3) NOT NULL,\tUNIQUE (idcmlogbonfiscal))"},
    {1051, "GRANT ALL PRIVILEGES                 ON TABLE cmlogbonfiscal TO GROUP grupadmin WITH GRANT OPTION"},
    {1052, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmlogbonfiscal TO GROUP gruppreluare"},
    {1053, "GRANT SELECT                         ON TABLE cmlogbonfiscal TO GROUP grupvizualizare"},
    {1054, "GRANT ALL PRIVILEGES                 ON TABLE cmlogbonfiscal_idcmlogbonfiscal_seq TO GROUP grupadmin WITH GRANT OPTION"},
    {1055, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmlogbonfiscal_idcmlogbonfiscal_seq TO GROUP gruppreluare"},
    {1056, "GRANT SELECT                         ON TABLE cmlogbonfiscal_idcmlogbonfiscal_seq TO GROUP grupvizualizare"},
    // reperebonfiscal: fiscal receipt lines
    {1057, "CREATE TABLE reperebonfiscal ( \tidreperbonfiscal SERIAL NOT NULL,\tvalfaratva decimal(15,3) DEFAULT NULL,\tiddoc numeric(11) DEFAULT NULL,\tidcmlogbonfiscal numeric(11) DEFAULT NULL,\tdatadoc DATE DEFAULT NOW(),\tidfactura numeric(11) DEFAULT NULL,\tidreper numeric(11) DEFAULT NULL,\tdenprodus char(250) DEFAULT NULL,\tiddepartament numeric(11) DEFAULT 1,\tidcmgrupadearticole numeric(11) DEFAULT 1,\tum char(10) DEFAULT NULL,\tcantitate decimal(15,8) DEFAULT NULL,\tcantitate_ramasa decimal(15,8) DEFAULT NULL,\tpretfaratva decimal(17,5) DEFAULT NULL,\tcoeficient numeric(11,2) DEFAULT NULL,\tdescrcoef char(50) DEFAULT NULL,\tidgestiune numeric(11) DEFAULT NULL,\tpozaviz numeric(11) DEFAULT NULL,\tpozfact numeric(11) DEFAULT NULL,\tcantfurniz numeric(15,8) DEFAULT NULL,\tpretfurniz numeric(17,5) DEFAULT NULL,\tcotatva numeric(5,2),\tfaratva INTEGER NOT NULL DEFAULT 1 CHECK ( faratva = 0 OR faratva = 1),\tidacciza INTEGER DEFAULT NULL,\tvalacciza NUMERIC(15,5) DEFAULT NULL,\ttotalvalacciza NUMERIC(10,3) DEFAULT NULL,\tnrzecimalepu INTEGER NOT NULL DEFAULT 2,\tidlucrare INTEGER DEFAULT NULL,\tcontdebit CHAR(20),\tcontcredit CHAR(20),\tidreperavizstorno INTEGER DEFAULT NULL,\ttaxareinversa INTEGER DEFAULT NULL,\tambalaj INTEGER DEFAULT NULL,\tnrdepartament INTEGER,\tidcmmodel INTEGER,\tnrgrupacasa INTEGER,\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tusername VARCHAR(20) NOT NULL,\tipname CHAR(50) DEFAULT NULL,\tcomputername VARCHAR(80) DEFAULT NULL,\tPRIMARY KEY (idreperbonfiscal))"},
    {1058, "GRANT ALL PRIVILEGES                 ON TABLE reperebonfiscal TO GROUP grupadmin WITH GRANT OPTION"},
    {1059, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE reperebonfiscal TO GROUP gruppreluare"},
    {1060, "GRANT SELECT                         ON TABLE reperebonfiscal TO GROUP grupvizualizare"},
    {1061, "GRANT ALL PRIVILEGES                 ON TABLE reperebonfiscal_idreperbonfiscal_seq TO GROUP grupadmin WITH GRANT OPTION"},
    {1062, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE reperebonfiscal_idreperbonfiscal_seq TO GROUP gruppreluare"},
    {1063, "GRANT SELECT                         ON TABLE reperebonfiscal_idreperbonfiscal_seq TO GROUP grupvizualizare"},
    // cmlogbonfiscal
    {1066, "ALTER TABLE cmlogbonfiscal ADD COLUMN idcmmodel INTEGER DEFAULT NULL"},
    // cmdepartamentecasa: cash-register departments
    {1121, "CREATE TABLE cmdepartamentecasa ( \tidcmdepartamentecasa SERIAL NOT NULL PRIMARY KEY,\tidcmmodel INTEGER NOT NULL,\tnrdepartamentcasa INTEGER NOT NULL,\tdendepartamentcasa CHAR(30) NOT NULL,\tUNIQUE (idcmmodel, nrdepartamentcasa))"},
    {1122, "GRANT ALL PRIVILEGES                 ON TABLE cmdepartamentecasa TO GROUP grupadmin WITH GRANT OPTION"},
    {1123, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmdepartamentecasa TO GROUP gruppreluare"},
    {1124, "GRANT SELECT                         ON TABLE cmdepartamentecasa TO GROUP grupvizualizare"},
    // cmreperdepartament: product to cash-register department
    {1125, "CREATE TABLE cmreperdepartament ( \tidcmreperdepartament SERIAL NOT NULL PRIMARY KEY,\tidcmmodel INTEGER NOT NULL,\tidreper INTEGER NOT NULL,\tidcmdepartamentecasa INTEGER NOT NULL,\tidgestiune INTEGER DEFAULT NULL,\tUNIQUE (idcmmodel, idreper, idgestiune))"},
    {1126, "GRANT ALL PRIVILEGES                 ON TABLE cmreperdepartament TO GROUP grupadmin WITH GRANT OPTION"},
    {1127, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmreperdepartament TO GROUP gruppreluare"},
    {1128, "GRANT SELECT                         ON TABLE cmreperdepartament TO GROUP grupvizualizare"},
    // cmgrupacasa: cash-register groups
    {1129, "CREATE TABLE cmgrupacasa ( \tidcmgrupacasa SERIAL NOT NULL PRIMARY KEY,\tidcmmodel INTEGER NOT NULL,\tnrgrupacasa INTEGER NOT NULL,\tdengrupa INTEGER NOT NULL,\tUNIQUE (idcmmodel, nrgrupacasa))"},
    {1130, "GRANT ALL PRIVILEGES                 ON TABLE cmgrupacasa TO GROUP grupadmin WITH GRANT OPTION"},
    {1131, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmgrupacasa TO GROUP gruppreluare"},
    {1132, "GRANT SELECT                         ON TABLE cmgrupacasa TO GROUP grupvizualizare"},
    // cmrepergrupa: product to cash-register group
    {1133, "CREATE TABLE cmrepergrupa ( \tidcmrepergrupa SERIAL NOT NULL PRIMARY KEY,\tidcmmodel INTEGER NOT NULL,\tidreper INTEGER NOT NULL,\tidcmgrupacasa INTEGER NOT NULL,\tUNIQUE (idcmmodel, idreper))"},
    {1134, "GRANT ALL PRIVILEGES                 ON TABLE cmrepergrupa TO GROUP grupadmin WITH GRANT OPTION"},
    {1135, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmrepergrupa TO GROUP gruppreluare"},
    {1136, "GRANT SELECT                         ON TABLE cmrepergrupa TO GROUP grupvizualizare"},
    // reperebonfiscal
    {1137, "ALTER TABLE reperebonfiscal ADD COLUMN idcmmodel INTEGER"},
    {1138, "ALTER TABLE reperebonfiscal ADD COLUMN nrdepartament INTEGER"},
    {1139, "ALTER TABLE reperebonfiscal ADD COLUMN nrgrupacasa INTEGER"},
    {1140, "ALTER TABLE reperebonfiscal ADD COLUMN idcmlogbonfiscal INTEGER"},
    // cmnumarlogic
    {1212, "ALTER TABLE cmnumarlogic ADD COLUMN cmseriafiscala CHAR(20) DEFAULT NULL"},
    {1213, "ALTER TABLE cmnumarlogic ADD COLUMN cmcom INTEGER DEFAULT NULL"},
    {1214, "ALTER TABLE cmnumarlogic ADD COLUMN cmviteza INTEGER DEFAULT NULL"},
    // cmgrupatva
    {1215, "ALTER TABLE cmgrupatva ADD UNIQUE (idcmmodel, grupatva)"},
    // raportgestiunefaramodplata: daily management report: payment methods left out
    {1232, "CREATE TABLE raportgestiunefaramodplata ( \tidraportgestiune INTEGER NOT NULL,\tcodmodplata INTEGER DEFAULT NULL,\tUNIQUE (idraportgestiune, codmodplata))"},
    {1233, "GRANT ALL PRIVILEGES                 ON TABLE raportgestiunefaramodplata TO GROUP grupadmin WITH GRANT OPTION"},
    {1234, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE raportgestiunefaramodplata TO GROUP gruppreluare"},
    {1235, "GRANT SELECT                         ON TABLE raportgestiunefaramodplata TO GROUP grupvizualizare"},
    // cmmodplatabf
    {1293, "ALTER TABLE cmmodplatabf DROP CONSTRAINT cmmodplatabf_codcmmodplatabf_key"},
    {1294, "ALTER TABLE cmmodplatabf ADD COLUMN activ INTEGER NOT NULL DEFAULT 1 "},
    {1295, "ALTER TABLE cmmodplatabf ADD COLUMN momentinchidere TIMESTAMP DEFAULT NULL "},
    {1296, "ALTER TABLE cmmodplatabf ADD UNIQUE (codcmmodplatabf, idcmmodel, activ, momentinchidere)"},
    // reperebonfiscal
    {1329, "ALTER TABLE reperebonfiscal ADD COLUMN idgrupaprodus INTEGER DEFAULT NULL "},
    {1330, "ALTER TABLE reperebonfiscal ADD COLUMN dataexpirare DATE DEFAULT NULL "},
    {1331, "ALTER TABLE reperebonfiscal ADD COLUMN lot CHAR(30) DEFAULT NULL "},
    {1360, "ALTER TABLE reperebonfiscal ADD COLUMN idrepernir INTEGER DEFAULT NULL "},
    // cmnumarlogic
    {1387, "ALTER TABLE cmnumarlogic ADD COLUMN residentmode INTEGER DEFAULT NULL"},
    // cmmodplatabf
    {1457, "ALTER TABLE cmmodplatabf ADD UNIQUE (codcmmodplatabf, idcmmodel)"},
    // reperebonfiscal
    {1587, "CREATE INDEX reperebonfiscal_idreperbonfiscal_idx     ON reperebonfiscal (idreperbonfiscal)"},
    {1588, "CREATE INDEX reperebonfiscal_iddoc_idx                ON reperebonfiscal (iddoc)"},
    {1589, "CREATE INDEX reperebonfiscal_iddocdatadoc_idx  ON reperebonfiscal (iddoc, datadoc)"},
    {1590, "CREATE INDEX reperebonfiscal_iddocidreper_idx  ON reperebonfiscal (iddoc, idreper)"},
    {1591, "CREATE INDEX reperebonfiscal_idreper_idx       ON reperebonfiscal (idreper)"},
    {1592, "CREATE INDEX reperebonfiscal_idfactura_idx     ON reperebonfiscal (idfactura)"},
    {1597, "alter table reperebonfiscal add column fractie integer not null default 1"},
    // cmreperdepartament
    {1712, "ALTER TABLE cmreperdepartament ADD COLUMN idgestiune INTEGER DEFAULT NULL "},
    {1713, "ALTER TABLE cmreperdepartament DROP CONSTRAINT cmreperdepartament_idcmmodel_key "},
    {1714, "ALTER TABLE cmreperdepartament ADD UNIQUE (idcmmodel, idreper, idgestiune) "},
    // cmnumarlogic
    {1715, "ALTER TABLE cmnumarlogic ADD COLUMN idcmnumarlogic SERIAL NOT NULL"},
    // cmgrupatva
    {1753, "ALTER TABLE cmgrupatva ALTER COLUMN grupatva TYPE CHAR(1)"},
    {1754, "ALTER TABLE cmgrupatva ALTER COLUMN grupatva SET NOT NULL"},
    // monetar
    {1761, "ALTER TABLE monetar  ADD COLUMN idseriedoc INTEGER "},
    {1763, "ALTER TABLE monetar  ALTER COLUMN idseriedoc SET NOT NULL "},
    // reperebonfiscal
    {1776, "ALTER TABLE reperebonfiscal ADD COLUMN cod CHAR(30) DEFAULT NULL"},
    {1779, "ALTER TABLE reperebonfiscal ADD COLUMN codalternativ CHAR(30) DEFAULT NULL"},
    // reperebonfiscaldoarbon: stands before the table's CREATE row, so it takes effect
    // at the pass after the one that creates the table
    {1780, "ALTER TABLE reperebonfiscaldoarbon ADD COLUMN codalternativ CHAR(30) DEFAULT NULL"},
    // reperebonfiscaldoarbon: lines of fiscal receipts issued without an invoice
    {1805, "CREATE TABLE reperebonfiscaldoarbon ( \tidreperbonfiscaldoarbon serial NOT NULL,\tvalfaratva numeric(15,3),\tiddoc numeric(11,0),\tdatadoc date DEFAULT now(),\tidfactura numeric(11,0),\tidreper numeric(11,0),\tdenprodus character(250),\tiddepartament numeric(11,0) DEFAULT 1,\tidcmgrupadearticole numeric(11,0) DEFAULT 1,\tum character(10),\tcantitate numeric(15,8),\tcantitate_ramasa numeric(15,8),\tpretfaratva numeric(17,5),\tcoeficient numeric(11,2),\tdescrcoef character(50),\tidgestiune numeric(11,0),\tpozaviz numeric(11,0),\tpozfact numeric(11,0),\tcantfurniz numeric(15,8),\tpretfurniz numeric(17,8),\tcotatva numeric(5,2),\tfaratva integer NOT NULL DEFAULT 1,\tidacciza integer,\tvalacciza numeric(15,5),\ttotalvalacciza numeric(10,3),\tnrzecimalepu integer NOT NULL DEFAULT 2,\tidlucrare integer,\tcontdebit character(20),\tcontcredit character(20),\tidreperavizstorno integer,\ttaxareinversa integer,\tambalaj integer,\tmoment timestamp without time zone NOT NULL DEFAULT now(),\tusername character varying(20) NOT NULL,\tipname character(50),\tcomputername character varying(80),\tidcmmodel integer,\tnrdepartament integer,\tnrgrupacasa integer,\tidcmlogbonfiscal integer,\tidgrupaprodus integer,\tdataexpirare date,\tlot character(30) DEFAULT NULL,\tidrepernir integer,\tfractie integer NOT NULL DEFAULT 1,\tcod character(30) DEFAULT NULL,\tCONSTRAINT reperebonfiscaldoarbon_pkey PRIMARY KEY (idreperbonfiscaldoarbon ),\tCONSTRAINT reperebonfiscaldoarbon_faratva_check CHECK (faratva = 0 OR faratva = 1)) WITH ( OIDS=FALSE )"},
    {1806, "GRANT ALL ON TABLE reperebonfiscaldoarbon TO grupadmin WITH GRANT OPTION "},
    {1807, "GRANT SELECT, UPDATE, INSERT, DELETE ON TABLE reperebonfiscaldoarbon TO gruppreluare"},
    {1808, "GRANT SELECT ON TABLE reperebonfiscaldoarbon TO grupvizualizare"},
    {1809, "GRANT ALL ON TABLE reperebonfiscaldoarbon TO postgres"},
    {1810, "CREATE INDEX reperebonfiscaldoarbon_iddoc_idx   ON reperebonfiscaldoarbon   USING btree   (iddoc )"},
    {1811, "CREATE INDEX reperebonfiscaldoarbon_iddocdatadoc_idx   ON reperebonfiscaldoarbon   USING btree   (iddoc , datadoc )"},
    {1812, "CREATE INDEX reperebonfiscaldoarbon_iddocidreper_idx   ON reperebonfiscaldoarbon   USING btree   (iddoc , idreper )"},
    {1813, "CREATE INDEX reperebonfiscaldoarbon_idfactura_idx   ON reperebonfiscaldoarbon   USING btree   (idfactura )"},
    {1814, "CREATE INDEX reperebonfiscaldoarbon_idreper_idx   ON reperebonfiscaldoarbon   USING btree   (idreper )"},
    {1815, "CREATE INDEX reperebonfiscaldoarbon_idreperbonfiscaldoarbon_idx   ON reperebonfiscaldoarbon   USING btree   (idreperbonfiscaldoarbon )"},
    {1816, "GRANT ALL PRIVILEGES ON SEQUENCE reperebonfiscaldoarbon_idreperbonfiscaldoarbon_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {1817, "GRANT ALL PRIVILEGES ON SEQUENCE reperebonfiscaldoarbon_idreperbonfiscaldoarbon_seq TO GROUP gruppreluare"},
    {1818, "GRANT USAGE          ON SEQUENCE reperebonfiscaldoarbon_idreperbonfiscaldoarbon_seq TO GROUP grupvizualizare"},
    // reperebonfiscal
    {1869, "ALTER TABLE reperebonfiscal  ALTER COLUMN cantitate TYPE numeric(15, 8) "},
    {1870, "ALTER TABLE reperebonfiscal  ALTER COLUMN cantitate_ramasa TYPE numeric(15, 8) "},
    {1871, "ALTER TABLE reperebonfiscal  ALTER COLUMN cantfurniz TYPE numeric(15, 8) "},
    // reperebonfiscaldoarbon
    {1875, "ALTER TABLE reperebonfiscaldoarbon  ALTER COLUMN cantitate TYPE numeric(15, 8) "},
    {1876, "ALTER TABLE reperebonfiscaldoarbon  ALTER COLUMN cantitate_ramasa TYPE numeric(15, 8) "},
    {1877, "ALTER TABLE reperebonfiscaldoarbon  ALTER COLUMN cantfurniz TYPE numeric(15, 8) "},
    // cmnumarlogic
    {1891, "ALTER TABLE cmnumarlogic ADD COLUMN tipdriver CHAR(5) DEFAULT NULL"},
    {1892, "ALTER TABLE cmnumarlogic ADD COLUMN timpraspuns INTEGER DEFAULT NULL"},
    // cmlogbonfiscalsters: deleted fiscal receipts
    {1898, "CREATE TABLE cmlogbonfiscalsters ( \tidcmlogbonfiscal INTEGER NOT NULL,\tmomentstergere TIMESTAMP NOT NULL DEFAULT current_timestamp,\tusername char(20) NOT NULL,\tip CHAR(250) NOT NULL,\tcomputername CHAR(250) DEFAULT NULL)"},
    {1899, "GRANT ALL PRIVILEGES                 ON TABLE cmlogbonfiscalsters TO GROUP grupadmin WITH GRANT OPTION"},
    {1900, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmlogbonfiscalsters TO GROUP gruppreluare"},
    {1901, "GRANT SELECT                         ON TABLE cmlogbonfiscalsters TO GROUP grupvizualizare"},
    // cmlogbonfiscal
    {1902, "ALTER TABLE cmlogbonfiscal ADD COLUMN sters INTEGER DEFAULT NULL"},
    // cmafisajclient: customer display models
    {1928, "CREATE TABLE cmafisajclient ( \tidcmafisajclient SERIAL NOT NULL,\tdencmafisajclient CHAR(100) NOT NULL,\tPRIMARY KEY (idcmafisajclient),\tUNIQUE(dencmafisajclient))"},
    {1929, "GRANT ALL PRIVILEGES                 ON TABLE cmafisajclient TO GROUP grupadmin WITH GRANT OPTION"},
    {1930, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmafisajclient TO GROUP gruppreluare"},
    {1931, "GRANT SELECT                         ON TABLE cmafisajclient TO GROUP grupvizualizare"},
    {1932, "GRANT ALL PRIVILEGES ON SEQUENCE cmafisajclient_idcmafisajclient_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {1933, "GRANT ALL PRIVILEGES ON SEQUENCE cmafisajclient_idcmafisajclient_seq TO GROUP gruppreluare "},
    {1934, "GRANT ALL PRIVILEGES ON SEQUENCE cmafisajclient_idcmafisajclient_seq TO GROUP grupvizualizare"},
    // cmafisajclientsetari: customer display settings per station
    {1936, "CREATE TABLE cmafisajclientsetari ( \tidcmafisajclientsetari SERIAL NOT NULL,\tidcmafisajclient INTEGER NOT NULL,\tip CHAR(50) NOT NULL,\tipname CHAR(50) DEFAULT NULL,\tcom CHAR(10) NOT NULL,\tmesajPeDisplay CHAR(100) DEFAULT NULL,\ttimpinchidereafisaj INTEGER DEFAULT 5,\tnumarlinii INTEGER NOT NULL DEFAULT 2,\tnumarcaracterepelinie INTEGER NOT NULL DEFAULT 20,\tPRIMARY KEY (idcmafisajclientsetari),\tUNIQUE(idcmafisajclient, ip))"},
    {1937, "GRANT ALL PRIVILEGES                 ON TABLE cmafisajclientsetari TO GROUP grupadmin WITH GRANT OPTION"},
    {1938, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmafisajclientsetari TO GROUP gruppreluare"},
    {1939, "GRANT SELECT                         ON TABLE cmafisajclientsetari TO GROUP grupvizualizare"},
    {1940, "GRANT ALL PRIVILEGES ON SEQUENCE cmafisajclientsetari_idcmafisajclientsetari_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {1941, "GRANT ALL PRIVILEGES ON SEQUENCE cmafisajclientsetari_idcmafisajclientsetari_seq TO GROUP gruppreluare "},
    {1942, "GRANT USAGE          ON SEQUENCE cmafisajclientsetari_idcmafisajclientsetari_seq TO GROUP grupvizualizare"},
    // cmlogbonfiscal
    {1944, "ALTER TABLE cmlogbonfiscal ADD COLUMN textpebon TEXT DEFAULT NULL"},
    // cmnumarlogic
    {1945, "ALTER TABLE cmNUMARLOGIC ADD COLUMN maxLungimeMesajPublicitar INTEGER DEFAULT NULL"},
    {1946, "ALTER TABLE cmNUMARLOGIC ADD COLUMN maxLungimeProdus INTEGER DEFAULT NULL"},
    {1947, "ALTER TABLE cmNUMARLOGIC ADD COLUMN tvadepartament INTEGER DEFAULT NULL"},
    // cantar: scale models
    {1963, "CREATE TABLE cantar ( \tidcantar SERIAL NOT NULL,\tdencantar CHAR(100) NOT NULL,\tPRIMARY KEY (idcantar),\tUNIQUE(dencantar))"},
    {1964, "GRANT ALL PRIVILEGES                 ON TABLE cantar TO GROUP grupadmin WITH GRANT OPTION"},
    {1965, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cantar TO GROUP gruppreluare"},
    {1966, "GRANT SELECT                         ON TABLE cantar TO GROUP grupvizualizare"},
    {1967, "GRANT ALL PRIVILEGES ON SEQUENCE cantar_idcantar_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {1968, "GRANT ALL PRIVILEGES ON SEQUENCE cantar_idcantar_seq TO GROUP gruppreluare "},
    {1969, "GRANT USAGE          ON SEQUENCE cantar_idcantar_seq TO GROUP grupvizualizare"},
    // cantarsetari: scale settings per station
    {1976, "CREATE TABLE cantarsetari ( \tidcantarsetari SERIAL NOT NULL,\tidcantar INTEGER NOT NULL,\tip CHAR(50) NOT NULL,\tipname CHAR(50) DEFAULT NULL,\tcom CHAR(10) NOT NULL,\tcantarcalefisiercomanda CHAR(250) DEFAULT NULL,\tcantarcalefisierraspuns CHAR(250) DEFAULT NULL,\tcantarserial CHAR(100) DEFAULT NULL,\tcantarum CHAR(5) DEFAULT NULL,\tseparatorzecimal CHAR(1) DEFAULT '.',\tPRIMARY KEY (idcantarsetari),\tUNIQUE(idcantar, ip))"},
    {1977, "GRANT ALL PRIVILEGES                 ON TABLE cantarsetari TO GROUP grupadmin WITH GRANT OPTION"},
    {1978, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cantarsetari TO GROUP gruppreluare"},
    {1979, "GRANT SELECT                         ON TABLE cantarsetari TO GROUP grupvizualizare"},
    {1980, "GRANT ALL PRIVILEGES ON SEQUENCE cantarsetari_idcantarsetari_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {1981, "GRANT ALL PRIVILEGES ON SEQUENCE cantarsetari_idcantarsetari_seq TO GROUP gruppreluare "},
    {1982, "GRANT USAGE          ON SEQUENCE cantarsetari_idcantarsetari_seq TO GROUP grupvizualizare"},
    {1984, "ALTER TABLE cantarsetari ADD COLUMN cantardirect INTEGER DEFAULT NULL"},
    {1985, "ALTER TABLE cantarsetari ADD COLUMN liniecantitate INTEGER DEFAULT 1"},
    {1986, "ALTER TABLE cantarsetari ADD COLUMN rezidentmode INTEGER DEFAULT NULL"},
    {1987, "ALTER TABLE cantarsetari ADD COLUMN caractereum INTEGER NOT NULL DEFAULT 0"},
    // monetar
    {1995, "ALTER TABLE monetar ADD UNIQUE (idmonetar)"},
    // cmdepartamentecasaservice: service name of a cash-register department
    {2270, "CREATE TABLE cmdepartamentecasaservice ( \tidcmdepartamentecasaservice serial NOT NULL PRIMARY KEY,\tidcmdepartamentecasa INTEGER NOT NULL,\tdepartamentservice CHAR(50) NOT NULL,\tUNIQUE (idcmdepartamentecasaservice ),\tUNIQUE (idcmdepartamentecasa))"},
    {2271, "GRANT ALL PRIVILEGES                 ON TABLE cmdepartamentecasaservice TO GROUP grupadmin WITH GRANT OPTION"},
    {2272, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmdepartamentecasaservice TO GROUP gruppreluare"},
    {2273, "GRANT SELECT                         ON TABLE cmdepartamentecasaservice TO GROUP grupvizualizare"},
    // logimprimantamobila: log of documents printed on mobile printers
    {2559, "CREATE TABLE logimprimantamobila ( \tidlogimprimantamobila SERIAL NOT NULL,\tiddoc INTEGER DEFAULT NULL,\ttipdoc CHAR(10) NOT NULL,\tdatadoc DATE NOT NULL,\tcontinut TEXT NOT NULL,\tusername VARCHAR(20) NOT NULL DEFAULT '',\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tipname CHAR(50) DEFAULT NULL,\tcomputername VARCHAR(80) NOT NULL DEFAULT '',\tPRIMARY KEY (idlogimprimantamobila))"},
    {2560, "GRANT ALL PRIVILEGES                 ON TABLE logimprimantamobila TO GROUP grupadmin WITH GRANT OPTION"},
    {2561, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE logimprimantamobila TO GROUP gruppreluare"},
    {2562, "GRANT SELECT                         ON TABLE logimprimantamobila TO GROUP grupvizualizare"},
    {2563, "GRANT ALL PRIVILEGES ON SEQUENCE logimprimantamobila_idlogimprimantamobila_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2564, "GRANT ALL PRIVILEGES ON SEQUENCE logimprimantamobila_idlogimprimantamobila_seq TO GROUP gruppreluare "},
    {2565, "GRANT USAGE          ON SEQUENCE logimprimantamobila_idlogimprimantamobila_seq TO GROUP grupvizualizare"},
    // reperebonfiscal
    {2668, "ALTER TABLE reperebonfiscal ADD COLUMN cardfidelitate CHAR(50) DEFAULT NULL"},
    {2669, "ALTER TABLE reperebonfiscal ADD COLUMN cardfidelitatecotadiscount NUMERIC(5,2) DEFAULT NULL"},
    // cmcodprodusumtva: cash-register product codes per unit and VAT rate
    {2744, "CREATE TABLE cmcodprodusumtva ( \tidcmcodprodusumtva SERIAL NOT NULL,\tidcmmodel INTEGER NOT NULL,\tidcotatva INTEGER NOT NULL,\tcotatva NUMERIC(5,2) NOT NULL,\tum VARCHAR(10) NOT NULL,\tcodprodus INTEGER NOT NULL,\tdepartament INTEGER NOT NULL,\tUNIQUE (idcmcodprodusumtva),\tUNIQUE (idcmmodel, idcotatva, cotatva, um, codprodus),\tUNIQUE (idcmmodel, codprodus, departament))"},
    {2745, "GRANT ALL PRIVILEGES                 ON TABLE cmcodprodusumtva TO GROUP grupadmin WITH GRANT OPTION"},
    {2746, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cmcodprodusumtva TO GROUP gruppreluare"},
    {2747, "GRANT SELECT                         ON TABLE cmcodprodusumtva TO GROUP grupvizualizare"},
};

}  // namespace

Section casaRows() { return kRows; }

}  // namespace script
