#include "script/sections.h"

namespace script {
namespace {

// Products, stock, goods receipt and prices: tables, older catalogue tables, grants.
constexpr ScriptRow kRows[] = {
    // coeficienti
    {15, "ALTER TABLE coeficienti ALTER COLUMN procent TYPE NUMERIC(11,2)"},
    {16, "ALTER TABLE coeficienti ALTER COLUMN procent SET NOT NULL"},
    {17, "ALTER TABLE coeficienti ALTER COLUMN descrcoef SET NOT NULL"},
    {20, "CREATE UNIQUE INDEX descrcoef_idx ON coeficienti (descrcoef)"},
    // nomenclator
    {25, "ALTER TABLE nomenclator ADD COLUMN pret NUMERIC(17, 5)"},
    {33, "ALTER TABLE nomenclator ADD COLUMN idcotatva INTEGER"},
    {50, "ALTER TABLE nomenclator ADD COLUMN faratva INTEGER NOT NULL DEFAULT 1"},
    {52, "ALTER TABLE nomenclator ADD CHECK (faratva = 0 OR faratva = 1)"},
    {91, "ALTER TABLE nomenclator ADD COLUMN codvaluta CHAR(3) NOT NULL DEFAULT 'RON'"},
    // reperenir
    {94, "CREATE TABLE reperenir ( \tidrepernir SERIAL NOT NULL,\tiddoc INTEGER NOT NULL,\tidreper INTEGER,\tdenprodus VARCHAR(250) NOT NULL DEFAULT '',\tum VARCHAR(10) NOT NULL,\tcantfurniz NUMERIC(15,8) NOT NULL,\tcantrecep NUMERIC(15,8) NOT NULL,\tpretftvafurniz NUMERIC(15,3) NOT NULL,\tcotatvafurniz NUMERIC(5,2) NOT NULL DEFAULT 0,\ttotalftvafurniz NUMERIC(17,3) NOT NULL,\ttotaltvafurniz NUMERIC(17,3) NOT NULL,\tpretvaluta NUMERIC(15,3),\tcodvaluta VARCHAR(3) NOT NULL,\tcursschimb NUMERIC(15,4),\tpretftvarecep NUMERIC(15,3) NOT NULL,\tcotatvarecep NUMERIC(5,2) NOT NULL DEFAULT 0,\tadaosprocent NUMERIC(7,2) NOT NULL,\tadaosunitar NUMERIC(15,3) NOT NULL,\tadaosftvatotal NUMERIC(15,3) NOT NULL,\ttvaunitarrecep NUMERIC(15,3) NOT NULL,\ttvatotalrecep NUMERIC(17,3) NOT NULL,\ttotalftvarecep NUMERIC(17,3) NOT NULL,\ttotalcutvarecep NUMERIC(17,3) NOT NULL,\tpoznir INTEGER NOT NULL,\tPRIMARY KEY (idrepernir))"},
    {95, "GRANT ALL PRIVILEGES                 ON TABLE reperenir TO GROUP grupadmin WITH GRANT OPTION"},
    {96, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE reperenir TO GROUP gruppreluare"},
    {97, "GRANT SELECT                         ON TABLE reperenir TO GROUP grupvizualizare"},
    {98, "GRANT ALL PRIVILEGES ON SEQUENCE reperenir_idrepernir_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {99, "GRANT ALL PRIVILEGES ON SEQUENCE reperenir_idrepernir_seq TO GROUP gruppreluare "},
    {100, "GRANT USAGE          ON SEQUENCE reperenir_idrepernir_seq TO GROUP grupvizualizare"},
    // totalurinir
    {129, "CREATE TABLE totalurinir ( \tiddoc integer NOT NULL,\ttotvalfurnizftva DECIMAL(15,3),\ttotaladaos DECIMAL(15,3),\ttotaltva DECIMAL(15,3),\ttotvalrecepftva DECIMAL(15,3),\ttotvalrecepcutva DECIMAL(15,3))"},
    {130, "GRANT ALL PRIVILEGES                 ON TABLE totalurinir TO GROUP grupadmin WITH GRANT OPTION"},
    {131, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE totalurinir TO GROUP gruppreluare"},
    {132, "GRANT SELECT                         ON TABLE totalurinir TO GROUP grupvizualizare"},
    // nomenclator
    {137, "ALTER TABLE nomenclator ALTER COLUMN cod DROP NOT NULL"},
    {139, "CREATE UNIQUE INDEX iddenreper_idx ON nomenclator(iddenreper)"},
    {151, "ALTER TABLE nomenclator ADD COLUMN idacciza  INTEGER        DEFAULT NULL"},
    {152, "ALTER TABLE nomenclator ADD COLUMN valacciza NUMERIC(10, 3) DEFAULT NULL"},
    // reperenir
    {169, "ALTER TABLE reperenir ADD COLUMN idgestiune INTEGER"},
    {180, "ALTER TABLE reperenir ADD COLUMN neplatitortva INTEGER DEFAULT NULL"},
    // gest_nom
    {182, "ALTER TABLE gest_nom ADD COLUMN pret NUMERIC(17,5) DEFAULT NULL"},
    {183, "ALTER TABLE gest_nom ADD COLUMN codvaluta CHAR(3) DEFAULT NULL"},
    {184, "ALTER TABLE gest_nom ADD COLUMN faratva INTEGER DEFAULT NULL"},
    // reperenir
    {193, "ALTER TABLE reperenir ALTER COLUMN pretftvafurniz TYPE NUMERIC(15,4)"},
    {194, "ALTER TABLE reperenir ALTER COLUMN totalftvafurniz TYPE NUMERIC(17,4)"},
    {195, "ALTER TABLE reperenir ALTER COLUMN totaltvafurniz TYPE NUMERIC(17,4)"},
    {196, "ALTER TABLE reperenir ALTER COLUMN pretvaluta TYPE NUMERIC(15,4)"},
    // miscare
    {210, "CREATE TABLE miscare ( \tidmiscare SERIAL NOT NULL,\tiddoc INTEGER NOT NULL,\tidgestiune INTEGER NOT NULL,\tidreper INTEGER NOT NULL,\tcantitate NUMERIC(15,8),\tum CHAR(10),\tdatadoc DATE,\tPRIMARY KEY (idmiscare))"},
    {211, "GRANT ALL PRIVILEGES                 ON TABLE miscare TO GROUP grupadmin WITH GRANT OPTION"},
    {212, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE miscare TO GROUP gruppreluare"},
    {213, "GRANT SELECT                         ON TABLE miscare TO GROUP grupvizualizare"},
    {214, "ALTER TABLE miscare ADD COLUMN idtipmiscare INTEGER"},
    // tipmiscare
    {215, "CREATE TABLE tipmiscare ( \tidtipmiscare SERIAL NOT NULL,\tdescrtipmiscare CHAR(100),\tPRIMARY KEY (idtipmiscare))"},
    {216, "GRANT ALL PRIVILEGES                 ON TABLE tipmiscare TO GROUP grupadmin WITH GRANT OPTION"},
    {217, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE tipmiscare TO GROUP gruppreluare"},
    {218, "GRANT SELECT                         ON TABLE tipmiscare TO GROUP grupvizualizare"},
    // miscare
    {245, "GRANT ALL PRIVILEGES ON SEQUENCE miscare_idmiscare_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {246, "GRANT ALL PRIVILEGES ON SEQUENCE miscare_idmiscare_seq TO GROUP gruppreluare "},
    {247, "GRANT USAGE          ON SEQUENCE miscare_idmiscare_seq TO GROUP grupvizualizare"},
    // tipmiscare
    {248, "GRANT ALL PRIVILEGES ON SEQUENCE tipmiscare_idtipmiscare_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {249, "GRANT ALL PRIVILEGES ON SEQUENCE tipmiscare_idtipmiscare_seq TO GROUP gruppreluare "},
    {250, "GRANT USAGE          ON SEQUENCE tipmiscare_idtipmiscare_seq TO GROUP grupvizualizare"},
    // reperenir
    {252, "ALTER TABLE reperenir ALTER COLUMN pretvaluta DROP NOT NULL"},
    {253, "ALTER TABLE reperenir ALTER COLUMN pretvaluta SET DEFAULT NULL"},
    {254, "ALTER TABLE reperenir ALTER COLUMN cursschimb DROP NOT NULL"},
    {255, "ALTER TABLE reperenir ALTER COLUMN cursschimb SET DEFAULT NULL"},
    // nomenclator
    {281, "ALTER TABLE nomenclator ALTER COLUMN cod TYPE CHAR(30)"},
    {282, "ALTER TABLE nomenclator ALTER COLUMN cod SET DEFAULT NULL"},
    // miscarestoc
    {539, "CREATE TABLE miscarestoc ( \tidmiscare_intrare INTEGER NOT NULL,\tidmiscare_iesire INTEGER NOT NULL,\tcantitate_iesire NUMERIC(15, 8),\tstoc_ramas NUMERIC(15, 8) NOT NULL,\tpretmediuponderat NUMERIC (15,5),\tUNIQUE (idmiscare_intrare, idmiscare_iesire))"},
    {540, "GRANT ALL PRIVILEGES                 ON TABLE miscarestoc TO GROUP grupadmin WITH GRANT OPTION"},
    {541, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE miscarestoc TO GROUP gruppreluare"},
    {542, "GRANT SELECT                         ON TABLE miscarestoc TO GROUP grupvizualizare"},
    // metodastoc
    {543, "CREATE TABLE metodastoc ( \tidmetodastoc SERIAL NOT NULL,\tmetodastoc CHAR(10),\tUNIQUE (idmetodastoc))"},
    {544, "GRANT ALL PRIVILEGES                 ON TABLE metodastoc TO GROUP grupadmin WITH GRANT OPTION"},
    {545, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE metodastoc TO GROUP gruppreluare"},
    {546, "GRANT SELECT                         ON TABLE metodastoc TO GROUP grupvizualizare"},
    {547, "GRANT ALL PRIVILEGES ON SEQUENCE metodastoc_idmetodastoc_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {548, "GRANT ALL PRIVILEGES ON SEQUENCE metodastoc_idmetodastoc_seq TO GROUP gruppreluare "},
    {549, "GRANT USAGE          ON SEQUENCE metodastoc_idmetodastoc_seq TO GROUP grupvizualizare"},
    // metodastocgestiune
    {553, "CREATE TABLE metodastocgestiune ( \tidmetodastoc INTEGER NOT NULL,\tidgestiune INTEGER NOT NULL,\tan DATE NOT NULL,\tUNIQUE (idgestiune, an))"},
    {554, "GRANT ALL PRIVILEGES                 ON TABLE metodastocgestiune TO GROUP grupadmin WITH GRANT OPTION"},
    {555, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE metodastocgestiune TO GROUP gruppreluare"},
    {556, "GRANT SELECT                         ON TABLE metodastocgestiune TO GROUP grupvizualizare"},
    // metodastocreper
    {557, "CREATE TABLE metodastocreper ( \tidreper INTEGER NOT NULL,\tidmetodastoc INTEGER NOT NULL,\tidgestiune INTEGER NOT NULL,\tan DATE NOT NULL,\tUNIQUE (idreper, idgestiune, an))"},
    {558, "GRANT ALL PRIVILEGES                 ON TABLE metodastocreper TO GROUP grupadmin WITH GRANT OPTION"},
    {559, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE metodastocreper TO GROUP gruppreluare"},
    {560, "GRANT SELECT                         ON TABLE metodastocreper TO GROUP grupvizualizare"},
    // miscarestoc
    {568, "ALTER TABLE miscarestoc ADD COLUMN idmetodastoc INTEGER NOT NULL DEFAULT 1"},
    // reperenir
    {569, "ALTER TABLE reperenir ALTER COLUMN pretftvarecep TYPE NUMERIC(15,5)"},
    {570, "ALTER TABLE reperenir ALTER COLUMN adaosunitar TYPE NUMERIC(15,5)"},
    {571, "ALTER TABLE reperenir ALTER COLUMN tvaunitarrecep TYPE NUMERIC(15,5)"},
    {572, "ALTER TABLE reperenir ALTER COLUMN adaosprocent TYPE NUMERIC(7,3)"},
    {573, "ALTER TABLE reperenir ADD COLUMN stoc_ramas_recep NUMERIC (15,3)"},
    // nomenclator
    {576, "ALTER TABLE nomenclator ADD COLUMN nuafisa INTEGER DEFAULT NULL"},
    // reperenir
    {592, "ALTER TABLE reperenir ADD COLUMN idrepernirstorno INTEGER DEFAULT NULL"},
    // miscare
    {610, "ALTER TABLE miscare  ADD COLUMN idmiscarestorno INTEGER DEFAULT NULL"},
    {611, "ALTER TABLE miscare ADD COLUMN idrepernir INTEGER DEFAULT NULL"},
    {613, "ALTER TABLE miscare ADD COLUMN idreperaviz INTEGER DEFAULT NULL"},
    // nomenclator
    {638, "ALTER TABLE nomenclator ADD COLUMN ambalaj INTEGER DEFAULT NULL"},
    // reperenir
    {640, "ALTER TABLE reperenir   ADD COLUMN ambalaj INTEGER DEFAULT NULL"},
    // totalurinir
    {708, "ALTER TABLE totalurinir ADD COLUMN ambalajeftva NUMERIC(15,3) DEFAULT 0 "},
    {709, "ALTER TABLE totalurinir ADD COLUMN ambalajecutva NUMERIC(15,3) DEFAULT 0 "},
    // reperenir
    {718, "ALTER TABLE reperenir ADD COLUMN pretctvarecep NUMERIC(17,5)"},
    {719, "ALTER TABLE reperenir ADD COLUMN faratva INTEGER DEFAULT 1 CHECK (faratva = 0 OR faratva = 1)"},
    {723, "ALTER TABLE reperenir ALTER COLUMN adaosprocent TYPE NUMERIC(15,3)"},
    // nomenclator
    {736, "ALTER TABLE nomenclator ALTER COLUMN valacciza TYPE NUMERIC(15, 5)"},
    {737, "ALTER TABLE nomenclator ALTER COLUMN valacciza SET DEFAULT NULL"},
    // preturirepercantitate
    {742, "CREATE TABLE preturirepercantitate ( \tidpreturireper SERIAL NOT NULL,\tidreper INTEGER NOT NULL,\tidgestiune INTEGER NOT NULL,\tcantminima NUMERIC(15,8) NOT NULL,\tum CHAR(10) NOT NULL,\tpret NUMERIC(15,5) NOT NULL,\tcodvaluta CHAR(3) NOT NULL,\tfaratva INTEGER DEFAULT 1 CHECK (faratva = 0 OR faratva = 1),\tPRIMARY KEY (idpreturireper),\tUNIQUE (idpreturireper, idreper, idgestiune, cantminima))"},
    {743, "GRANT ALL PRIVILEGES                 ON TABLE preturirepercantitate TO GROUP grupadmin WITH GRANT OPTION"},
    {744, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE preturirepercantitate TO GROUP gruppreluare"},
    {745, "GRANT SELECT                         ON TABLE preturirepercantitate TO GROUP grupvizualizare"},
    {746, "GRANT ALL PRIVILEGES ON SEQUENCE preturirepercantitate_idpreturireper_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {747, "GRANT ALL PRIVILEGES ON SEQUENCE preturirepercantitate_idpreturireper_seq TO GROUP gruppreluare "},
    {748, "GRANT USAGE          ON SEQUENCE preturirepercantitate_idpreturireper_seq TO GROUP grupvizualizare"},
    // miscare
    {773, "ALTER TABLE miscare ALTER COLUMN cantitate            TYPE NUMERIC(15,8)"},
    // miscarestoc
    {774, "ALTER TABLE miscarestoc ALTER COLUMN cantitate_iesire TYPE NUMERIC(15,8)"},
    {775, "ALTER TABLE miscarestoc ALTER COLUMN stoc_ramas       TYPE NUMERIC(15,8)"},
    // reperenir
    {778, "ALTER TABLE reperenir   ALTER COLUMN cantfurniz       TYPE NUMERIC(15,8)"},
    {779, "ALTER TABLE reperenir   ALTER COLUMN cantrecep        TYPE NUMERIC(15,8)"},
    {780, "ALTER TABLE reperenir   ALTER COLUMN stoc_ramas_recep TYPE NUMERIC(15,8)"},
    {787, "ALTER TABLE reperenir ALTER COLUMN pretftvafurniz TYPE NUMERIC(15,5)"},
    {807, "ALTER TABLE reperenir ALTER COLUMN cursschimb TYPE NUMERIC(15, 4)"},
    // miscare
    {816, "ALTER TABLE miscare ADD COLUMN inventar INTEGER DEFAULT 0 CHECK (inventar = 0 OR inventar = 1)"},
    // gest_nom
    {819, "ALTER TABLE gest_nom ADD COLUMN pretValuta NUMERIC(17,5) DEFAULT NULL"},
    {820, "ALTER TABLE gest_nom ADD COLUMN codvalutafurnizor CHAR(3) DEFAULT NULL"},
    // reperenir
    {821, "ALTER TABLE reperenir ADD COLUMN pretvalutaReceptie NUMERIC(17,5) DEFAULT NULL"},
    {822, "ALTER TABLE reperenir ADD COLUMN codvalutafurnizor CHAR(3) DEFAULT NULL"},
    // miscare
    {1065, "ALTER TABLE miscare ADD COLUMN idreperbonfiscal INTEGER DEFAULT NULL"},
    {1067, "ALTER TABLE miscare ALTER COLUMN iddoc DROP NOT NULL"},
    // Constraints and indexes of older miscare tables; the table of the CREATE row has none of them.
    {1068, "ALTER TABLE miscare DROP CONSTRAINT  miscare_iddoc_key"},
    {1069, "DROP INDEX  miscare_iddoc_key"},
    // iddoccheck is dropped and added again. Where it is missing the drop fails at the first pass
    // and succeeds at the next one, when the add is already logged and does not run again.
    {1070, "ALTER TABLE miscare DROP CONSTRAINT  iddoccheck"},
    {1071, "ALTER TABLE miscare ADD CONSTRAINT iddoccheck CHECK ( idrepernir IS NOT NULL or idreperaviz IS NOT NULL or idreperbonfiscal IS NOT NULL) "},
    {1072, "CREATE INDEX miscare_idrepernir_idx ON miscare (idrepernir)"},
    {1073, "CREATE INDEX miscare_idreperaviz_idx ON miscare (idreperaviz)"},
    {1074, "CREATE INDEX miscare_idreperbonfiscal_idx ON miscare (idreperbonfiscal)"},
    {1075, "CREATE INDEX miscare_idreperidgestiuneiddoc_idx ON miscare (iddoc, idreper, idgestiune)"},
    {1076, "CREATE INDEX miscare_idreperbonfiscaldatadoc_idx ON miscare (idreperbonfiscal, datadoc)"},
    // miscarestoc
    {1077, "CREATE INDEX miscarestoc_idmiscare_intrare_idx ON miscarestoc (idmiscare_intrare)"},
    {1078, "CREATE INDEX miscarestoc_idmiscare_iesire_idx ON miscarestoc (idmiscare_iesire)"},
    // miscare
    // Index names here do not follow the table: these indexes are on miscare.
    {1079, "CREATE INDEX doc_iddocdatadoc_idx ON miscare (iddoc, datadoc)"},
    // reperenir
    {1082, "CREATE INDEX reperenir_iddoc_idx on reperenir (iddoc)"},
    {1084, "CREATE INDEX repereanir_idgestiune_idx on reperenir (idgestiune)"},
    {1085, "CREATE INDEX reperenir_iddocidgestiune_idx on reperenir (iddoc, idgestiune)"},
    {1087, "CREATE INDEX reperenir_idreper_idx ON reperenir (idreper)"},
    {1089, "CREATE INDEX reperenir_idrepereniriddoc_idx ON reperenir (idrepernir, iddoc)"},
    // miscare
    {1091, "CREATE INDEX nomenclator_idreper_idx ON miscare (idreper)"},
    {1092, "ALTER TABLE miscare ADD CONSTRAINT miscare_idrepernir_key UNIQUE(idrepernir, idreperaviz, idreperbonfiscal)"},
    // nomenclator
    {1141, "ALTER TABLE nomenclator ALTER COLUMN valacciza TYPE NUMERIC(15, 9)"},
    // gest_nom
    {1144, "ALTER TABLE gest_nom     ALTER COLUMN pret        TYPE NUMERIC(26, 9)"},
    // nomenclator
    {1145, "ALTER TABLE nomenclator ALTER COLUMN pret        TYPE NUMERIC(26, 9)"},
    {1180, "ALTER TABLE nomenclator ADD COLUMN idgrupacurs INTEGER DEFAULT NULL "},
    // coefreperegestfirma
    {1260, "CREATE TABLE coefreperegestfirma ( \tidinreg SERIAL,\tidcoef INTEGER NOT NULL,\tidreper INTEGER NOT NULL DEFAULT 0,\tidgest INTEGER NOT NULL CHECK (idgest > 0),\tidfirma INTEGER NOT NULL DEFAULT 0,\tinclusinpret INTEGER NOT NULL DEFAULT 0,\tdataend DATE,\tUNIQUE (idcoef, idreper, idgest, idfirma),\tUNIQUE (idfirma, idreper, idgest),\tPRIMARY KEY (idinreg))"},
    {1261, "GRANT ALL PRIVILEGES                 ON TABLE coefreperegestfirma TO GROUP grupadmin WITH GRANT OPTION"},
    {1262, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE coefreperegestfirma TO GROUP gruppreluare"},
    {1263, "GRANT SELECT                         ON TABLE coefreperegestfirma TO GROUP grupvizualizare"},
    // grupaprodus
    {1306, "CREATE TABLE grupaprodus ( \tidgrupaprodus SERIAL NOT NULL,\ti_idgrupaprodus INTEGER DEFAULT NULL,\tcodgrupaprodus VARCHAR(30) NOT NULL,\tdengrupaprodus VARCHAR(50) NOT NULL,\tactiv INTEGER NOT NULL DEFAULT 1,\tUNIQUE (codgrupaprodus),\tUNIQUE (dengrupaprodus))"},
    {1307, "GRANT ALL PRIVILEGES                 ON TABLE grupaprodus TO GROUP grupadmin WITH GRANT OPTION"},
    {1308, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE grupaprodus TO GROUP gruppreluare"},
    {1309, "GRANT SELECT                         ON TABLE grupaprodus TO GROUP grupvizualizare"},
    // gest_nom
    {1310, "ALTER TABLE gest_nom ADD COLUMN idgrupaprodus INTEGER DEFAULT NULL "},
    {1311, "ALTER TABLE gest_nom ADD COLUMN idlocgestiune INTEGER DEFAULT NULL "},
    {1312, "ALTER TABLE gest_nom ADD COLUMN stocminim     NUMERIC(15,5) DEFAULT NULL "},
    {1313, "ALTER TABLE gest_nom ADD COLUMN stocmaxim     NUMERIC(15,5) DEFAULT NULL "},
    // proprietateprodus
    {1314, "CREATE TABLE proprietateprodus ( \tidproprietateprodus SERIAL NOT NULL,\ti_idproprietateprodus INTEGER DEFAULT NULL,\tdenproprietateprodus VARCHAR(50) NOT NULL,\tactiva INTEGER NOT NULL DEFAULT 1,\tintrastat INTEGER DEFAULT NULL,\tUNIQUE (denproprietateprodus))"},
    {1315, "GRANT ALL PRIVILEGES                 ON TABLE proprietateprodus TO GROUP grupadmin WITH GRANT OPTION"},
    {1316, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE proprietateprodus TO GROUP gruppreluare"},
    {1317, "GRANT SELECT                         ON TABLE proprietateprodus TO GROUP grupvizualizare"},
    // proprietatereperenir
    {1321, "CREATE TABLE proprietatereperenir ( \tidrepernir INTEGER NOT NULL,\tidproprietateprodus INTEGER NOT NULL,\tvaloare VARCHAR(250) NOT NULL,\tUNIQUE (idrepernir, idproprietateprodus))"},
    // reperenir
    {1322, "ALTER TABLE reperenir ADD COLUMN idgrupaprodus INTEGER DEFAULT NULL "},
    {1323, "ALTER TABLE reperenir ADD COLUMN dataexpirare DATE DEFAULT NULL "},
    {1324, "ALTER TABLE reperenir ADD COLUMN lot CHAR(30) DEFAULT NULL "},
    {1325, "ALTER TABLE reperenir ADD COLUMN idlocgestiune INTEGER DEFAULT NULL "},
    // locgestiune
    {1332, "CREATE TABLE locgestiune ( \tidlocgestiune SERIAL NOT NULL,\tidgestiune INTEGER NOT NULL,\tdenlocgestiune VARCHAR(250) NOT NULL,\tactiva INTEGER NOT NULL DEFAULT 1,\tUNIQUE (idgestiune, denlocgestiune))"},
    {1333, "GRANT ALL PRIVILEGES                 ON TABLE locgestiune TO GROUP grupadmin WITH GRANT OPTION"},
    {1334, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE locgestiune TO GROUP gruppreluare"},
    {1335, "GRANT SELECT                         ON TABLE locgestiune TO GROUP grupvizualizare"},
    // nomenclator
    {1388, "ALTER TABLE nomenclator  ADD COLUMN cantaribil INTEGER DEFAULT NULL"},
    // reperebonus
    {1423, "CREATE TABLE reperebonus ( \tidreperebonus SERIAL NOT NULL,\tidreper INTEGER NOT NULL,\tidfirma INTEGER DEFAULT NULL,\tmarjacantitate NUMERIC(15,5) NOT NULL,\tbonuscantitate NUMERIC(15,5) NOT NULL,\tdatastart DATE NOT NULL,\tdatafinal DATE DEFAULT NULL,\tUNIQUE (idreperebonus),\tUNIQUE (idreper, idfirma))"},
    {1424, "GRANT ALL PRIVILEGES                 ON TABLE reperebonus TO GROUP grupadmin WITH GRANT OPTION"},
    {1425, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE reperebonus TO GROUP gruppreluare"},
    {1426, "GRANT SELECT                         ON TABLE reperebonus TO GROUP grupvizualizare"},
    // gestiune
    {1472, "ALTER TABLE gestiune ADD COLUMN faralot INTEGER DEFAULT NULL"},
    // reperenir
    {1538, "ALTER TABLE reperenir      ALTER COLUMN cursschimb TYPE NUMERIC (15,8)"},
    // nomenclator
    {1550, "ALTER TABLE nomenclator ADD COLUMN obsnomenclator TEXT DEFAULT NULL"},
    // miscarestoc
    {1556, "alter table miscarestoc drop constraint  miscarestoc_idmiscare_iesire_fkey"},
    {1557, "alter table miscarestoc drop constraint  miscarestoc_idmiscare_intrare_fkey"},
    // miscare
    {1558, "create index miscare_idmiscareidgestiune_idx on miscare (idgestiune, idmiscare)"},
    // Stock and document indexes again, with aligned spacing: each text is new, so a missing index is
    // created, and an index whose name is taken makes the row fail without harm.
    {1559, "CREATE INDEX miscare_datadoc_idx          ON miscare (datadoc)"},
    {1560, "CREATE INDEX miscare_idgestiune_idx       ON miscare (idgestiune)"},
    {1561, "CREATE INDEX miscare_idreper_idx          ON miscare (idreper)"},
    {1562, "CREATE INDEX miscare_idrepernir_idx       ON miscare (idrepernir)"},
    {1563, "CREATE INDEX miscare_idreperaviz_idx      ON miscare (idreperaviz)"},
    {1564, "CREATE INDEX miscare_idreperbonfiscal_idx ON miscare (idreperbonfiscal)"},
    {1565, "CREATE INDEX miscare_idreperidgestiuneiddoc_idx  ON miscare (iddoc, idreper, idgestiune)"},
    {1566, "CREATE INDEX miscare_idreperbonfiscaldatadoc_idx ON miscare (idreperbonfiscal, datadoc)"},
    {1567, "create index miscare_idreperidgestiune_idx ON miscare (idreper, idgestiune)"},
    {1568, "create index miscare_idreperididdoc_idx    ON miscare (idreper, iddoc)"},
    {1569, "CREATE INDEX miscare_iddocdatadoc_idx ON miscare (iddoc, datadoc)"},
    // miscarestoc
    {1570, "create index miscarestoc_miscare_iesire_idx on miscarestoc (idmiscare_iesire)"},
    {1571, "create index miscarestoc_miscare_intrare_idx on miscarestoc (idmiscare_intrare)"},
    {1572, "create index miscarestoc_idx on miscarestoc (idmiscare_intrare, idmiscare_iesire)"},
    // reperenir
    {1581, "CREATE INDEX reperenir_idrepernir_idx     ON reperenir (idrepernir)"},
    {1582, "CREATE INDEX reperenir_iddoc_idx          ON reperenir (iddoc)"},
    {1583, "CREATE INDEX reperenir_iddocidreper_idx  ON reperenir (iddoc, idreper)"},
    {1584, "CREATE INDEX reperenir_idreper_idx       ON reperenir (idreper)"},
    {1585, "CREATE INDEX reperenir_idrepernirstorno_idx ON reperenir (idrepernirstorno)"},
    {1586, "CREATE INDEX reperenir_idrepernir_idrepernirstorno_idx ON reperenir (idrepernir, idrepernirstorno)"},
    // miscare
    {1593, "CREATE INDEX miscare_idmiscareidmiscarestorno_idx ON miscare (idmiscare, idmiscarestorno)"},
    // nomenclator
    {1595, "ALTER TABLE nomenclator ADD COLUMN fractie INTEGER NOT NULL DEFAULT 1"},
    // miscare
    {1598, "alter table miscare add column fractie integer not null default 1"},
    // nomenclator
    {1614, "alter table nomenclator add column farastoc INTEGER default null"},
    // denreper
    {1628, "ALTER TABLE denreper ADD COLUMN eticheta TEXT default null"},
    // nomenclatorcodreperfirma
    {1649, "CREATE TABLE nomenclatorcodreperfirma ( \tidnomenclatorcodreperfirma SERIAL NOT NULL,\tidreper integer NOT NULL,\tidfirma INTEGER DEFAULT NULL,\tcodreperfirma CHAR(30) NOT NULL,\tUNIQUE (idnomenclatorcodreperfirma),\tUNIQUE (idreper, idfirma))"},
    {1650, "GRANT ALL PRIVILEGES                 ON TABLE nomenclatorcodreperfirma TO GROUP grupadmin WITH GRANT OPTION"},
    {1651, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE nomenclatorcodreperfirma TO GROUP gruppreluare"},
    {1652, "GRANT SELECT                         ON TABLE nomenclatorcodreperfirma TO GROUP grupvizualizare"},
    {1653, "GRANT ALL PRIVILEGES ON SEQUENCE nomenclatorcodreperfirma_idnomenclatorcodreperfirma_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {1654, "GRANT ALL PRIVILEGES ON SEQUENCE nomenclatorcodreperfirma_idnomenclatorcodreperfirma_seq TO GROUP gruppreluare"},
    {1655, "GRANT USAGE          ON SEQUENCE nomenclatorcodreperfirma_idnomenclatorcodreperfirma_seq TO GROUP grupvizualizare"},
    // nomenclator
    {1656, "ALTER TABLE nomenclator ADD COLUMN greutate NUMERIC(10,4) DEFAULT NULL"},
    {1657, "ALTER TABLE nomenclator ADD COLUMN greutatebruta NUMERIC(10,4) DEFAULT NULL"},
    // reperenir
    {1659, "ALTER TABLE reperenir ADD COLUMN idacciza INTEGER DEFAULT NULL"},
    {1660, "ALTER TABLE reperenir ADD COLUMN valacciza NUMERIC(10,4) DEFAULT NULL"},
    // coeficienti
    {1664, "ALTER TABLE coeficienti ADD COLUMN faratva INTEGER DEFAULT NULL"},
    // preturirepercantitate
    {1667, "ALTER TABLE preturirepercantitate ADD COLUMN idgestiune INTEGER DEFAULT NULL "},
    // Same drop-and-add as iddoccheck, for the unique key of preturirepercantitate.
    {1668, "ALTER TABLE preturirepercantitate DROP CONSTRAINT preturirepercantitate_idpreturireper_key"},
    {1669, "ALTER TABLE preturirepercantitate ADD CONSTRAINT preturirepercantitate_idpreturireper_key UNIQUE(idpreturireper, idreper, idgestiune, cantminima)"},
    // proprietateprodus
    {1683, "ALTER TABLE proprietateprodus ADD COLUMN intrastat INTEGER DEFAULT NULL "},
    // nomenclatorproprietateprodus
    {1684, "CREATE TABLE nomenclatorproprietateprodus ( \tidnomenclatorproprietateprodus SERIAL NOT NULL,\tidreper INTEGER NOT NULL,\tidproprietateprodus INTEGER NOT NULL,\tdenproprietateprodus VARCHAR(50) NOT NULL,\tdatastart DATE NOT NULL,\tdatafinal DATE DEFAULT NULL,\tUNIQUE (idreper, idproprietateprodus, denproprietateprodus))"},
    {1685, "GRANT ALL PRIVILEGES                 ON TABLE nomenclatorproprietateprodus TO GROUP grupadmin WITH GRANT OPTION"},
    {1686, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE nomenclatorproprietateprodus TO GROUP gruppreluare"},
    {1687, "GRANT SELECT                         ON TABLE nomenclatorproprietateprodus TO GROUP grupvizualizare"},
    // coduriTaric
    {1688, "CREATE TABLE coduriTaric ( \tidcodtaric SERIAL NOT NULL,\tcodtaric VARCHAR(50) NOT NULL,\tdencodtaric VARCHAR(150) NOT NULL,\tinchis INTEGER DEFAULT NULL,\tUNIQUE (codtaric))"},
    {1689, "GRANT ALL PRIVILEGES                 ON TABLE coduriTaric TO GROUP grupadmin WITH GRANT OPTION"},
    {1690, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE coduriTaric TO GROUP gruppreluare"},
    {1691, "GRANT SELECT                         ON TABLE coduriTaric TO GROUP grupvizualizare"},
    // nomenclator
    {1692, "ALTER TABLE nomenclator ADD COLUMN idcodtaric INTEGER DEFAULT NULL "},
    {1693, "ALTER TABLE nomenclator ADD COLUMN codtaraorigine CHAR(3) DEFAULT NULL "},
    // reperenir
    {1694, "ALTER TABLE reperenir ADD COLUMN greutate NUMERIC(10,4) DEFAULT NULL "},
    {1695, "ALTER TABLE reperenir ADD COLUMN idcodtaric INTEGER DEFAULT NULL "},
    {1696, "ALTER TABLE reperenir ADD COLUMN codtaraorigine CHAR(3) DEFAULT NULL "},
    // gestiune
    {1704, "ALTER TABLE gestiune ADD COLUMN nucompletapret INTEGER DEFAULT NULL "},
    // coloanefisierstoc
    {1707, "CREATE TABLE coloanefisierstoc ( \tidcoloana INTEGER NOT NULL,\tcoloana char(100),\tvizibila integer DEFAULT 1)"},
    {1708, "GRANT ALL PRIVILEGES ON TABLE coloanefisierstoc TO GROUP grupadmin WITH GRANT OPTION"},
    {1709, "GRANT ALL PRIVILEGES ON TABLE coloanefisierstoc TO GROUP gruppreluare"},
    {1710, "GRANT ALL PRIVILEGES ON TABLE coloanefisierstoc TO GROUP grupvizualizare"},
    // gestiune
    {1723, "ALTER TABLE gestiune ADD COLUMN ordine INTEGER DEFAULT NULL"},
    // denrepertraducere
    {1730, "CREATE TABLE denrepertraducere ( \tiddenrepertraducere serial NOT NULL,\tiddenreper INTEGER NOT NULL,\tlimba CHAR(50) NOT NULL,\tdenreper_tradus CHAR(250) NOT NULL,\tUNIQUE (iddenrepertraducere),\tUNIQUE (iddenreper, limba))"},
    {1731, "GRANT ALL PRIVILEGES ON TABLE denrepertraducere TO GROUP grupadmin WITH GRANT OPTION"},
    {1732, "GRANT ALL PRIVILEGES ON TABLE denrepertraducere TO GROUP gruppreluare"},
    {1733, "GRANT ALL PRIVILEGES ON TABLE denrepertraducere TO GROUP grupvizualizare"},
    {1734, "GRANT ALL PRIVILEGES ON SEQUENCE denrepertraducere_iddenrepertraducere_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {1735, "GRANT ALL PRIVILEGES ON SEQUENCE denrepertraducere_iddenrepertraducere_seq TO GROUP gruppreluare"},
    {1736, "GRANT USAGE          ON SEQUENCE denrepertraducere_iddenrepertraducere_seq TO GROUP grupvizualizare"},
    // reperenirtraducere
    {1741, "CREATE TABLE reperenirtraducere ( \tidrepernir INTEGER NOT NULL,\tlimba CHAR(50) NOT NULL,\ttraducere CHAR(250) NOT NULL,\tUNIQUE (idrepernir, limba))"},
    {1742, "GRANT ALL PRIVILEGES ON TABLE reperenirtraducere TO GROUP grupadmin WITH GRANT OPTION"},
    {1743, "GRANT ALL PRIVILEGES ON TABLE reperenirtraducere TO GROUP gruppreluare"},
    {1744, "GRANT ALL PRIVILEGES ON TABLE reperenirtraducere TO GROUP grupvizualizare"},
    // gest_nom
    {1768, "ALTER TABLE gest_nom ADD COLUMN lotobligatoriu INTEGER DEFAULT NULL"},
    // miscare
    {1769, "CREATE INDEX miscare_datadoc_idtipmiscare_idgestiune_idx  ON miscare  USING btree  (datadoc , idtipmiscare , idgestiune )"},
    {1770, "CREATE INDEX miscare_datadoc_idgestiune_idx  ON miscare  USING btree  (datadoc , idgestiune )"},
    // reperenir
    {1774, "ALTER TABLE reperenir  ADD COLUMN cod CHAR(30) DEFAULT NULL"},
    {1777, "ALTER TABLE reperenir  ADD COLUMN codalternativ CHAR(30) DEFAULT NULL"},
    // reperfurnizori
    {1788, "CREATE TABLE reperfurnizori ( \tidreperfurnizor SERIAL NOT NULL,\tidreper INTEGER NOT NULL,\tidfirma INTEGER NOT NULL,\tUNIQUE (idreperfurnizor),\tUNIQUE (idreper, idfirma))"},
    {1789, "GRANT ALL PRIVILEGES                 ON TABLE reperfurnizori TO GROUP grupadmin WITH GRANT OPTION"},
    {1790, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE reperfurnizori TO GROUP gruppreluare"},
    {1791, "GRANT SELECT                         ON TABLE reperfurnizori TO GROUP grupvizualizare"},
    {1792, "GRANT ALL PRIVILEGES ON SEQUENCE reperfurnizori_idreperfurnizor_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {1793, "GRANT ALL PRIVILEGES ON SEQUENCE reperfurnizori_idreperfurnizor_seq TO GROUP gruppreluare"},
    {1794, "GRANT USAGE          ON SEQUENCE reperfurnizori_idreperfurnizor_seq TO GROUP grupvizualizare"},
    // reperenir
    {1798, "ALTER TABLE reperenir ADD COLUMN faratvafurniz INTEGER NOT NULL DEFAULT 1"},
    {1802, "ALTER TABLE reperenir ADD COLUMN nrzecimalepretfurniz INTEGER"},
    {1803, "ALTER TABLE reperenir ADD COLUMN nrzecimalepretrecep INTEGER"},
    // nomenclator
    {1829, "ALTER TABLE nomenclator ADD COLUMN codbare CHAR(50) DEFAULT NULL"},
    {1830, "CREATE INDEX nomenclator_cod_idx ON nomenclator (cod)"},
    {1831, "CREATE INDEX nomenclatorcodbare_idx ON nomenclator (codbare)"},
    // miscare
    {1863, "ALTER TABLE miscare ALTER COLUMN cantitate TYPE numeric(15, 8) "},
    // miscarestoc
    {1864, "ALTER TABLE miscarestoc ALTER COLUMN cantitate_iesire TYPE numeric(15, 8) "},
    {1865, "ALTER TABLE miscarestoc ALTER COLUMN stoc_ramas TYPE numeric(15, 8) "},
    // reperenir
    {1872, "ALTER TABLE reperenir  ALTER COLUMN cantrecep TYPE numeric(15, 8) "},
    {1873, "ALTER TABLE reperenir  ALTER COLUMN cantfurniz TYPE numeric(15, 8) "},
    {1874, "ALTER TABLE reperenir  ALTER COLUMN stoc_ramas_recep TYPE numeric(15, 8) "},
    // totalurinir
    {1893, "ALTER TABLE totalurinir ADD COLUMN totvalfurnizcutva numeric(15,3)"},
    // gestiune
    {1903, "ALTER TABLE gestiune ADD COLUMN nucasamarcat INTEGER DEFAULT NULL"},
    // reperenir
    {1990, "ALTER TABLE reperenir ALTER COLUMN pretftvafurniz TYPE NUMERIC(15,6)"},
    {1991, "ALTER TABLE reperenir ALTER COLUMN pretftvarecep TYPE NUMERIC(15,9)"},
    {1992, "ALTER TABLE reperenir ALTER COLUMN pretctvarecep TYPE NUMERIC(15,9)"},
    {1994, "ALTER TABLE reperenir ALTER COLUMN pretctvarecep TYPE NUMERIC(15,9)"},
    {2011, "ALTER TABLE reperenir ADD COLUMN transportftvafurnizunitar NUMERIC(15,5) DEFAULT NULL"},
    {2012, "ALTER TABLE reperenir ADD COLUMN transportftvafurniztotal  NUMERIC(15,5) DEFAULT NULL"},
    // nomenclator
    {2286, "ALTER TABLE nomenclator ADD COLUMN umfractie CHAR(10) DEFAULT NULL"},
    // um
    {2344, "ALTER TABLE um ADD COLUMN umedi CHAR(10) DEFAULT NULL"},
    {2345, "ALTER TABLE um ADD COLUMN umedixcbl CHAR(10) DEFAULT NULL"},
    {2346, "ALTER TABLE um ADD COLUMN xml_unitcode CHAR(10) DEFAULT NULL"},
    // coefgrupafirma
    {2552, "CREATE TABLE coefgrupafirma ( \tidcoefgrupafirma SERIAL NOT NULL,\tidcoef INTEGER NOT NULL,\tidgrupaprodus INTEGER NOT NULL,\tidfirma INTEGER NOT NULL,\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tdatastart DATE NOT NULL,\tdataend DATE DEFAULT NULL,\tUNIQUE (idcoefgrupafirma),\tUNIQUE (idcoef, idgrupaprodus, idfirma, dataend),\tUNIQUE (idcoef, idgrupaprodus, idfirma, datastart))"},
    {2553, "GRANT ALL PRIVILEGES ON TABLE coefgrupafirma TO  GROUP PUBLIC"},
    // nomenclator
    {2586, "ALTER TABLE nomenclator ADD COLUMN faradiscount INTEGER DEFAULT NULL"},
    // dreptgestiuneuserstoc
    {2641, "CREATE TABLE dreptgestiuneuserstoc ( \tusername CHAR(20) NOT NULL,\tidgestiune INTEGER NOT NULL,\tstoc INTEGER NOT NULL DEFAULT 1,\tUNIQUE (username, idgestiune))"},
    {2642, "GRANT ALL PRIVILEGES ON TABLE dreptgestiuneuserstoc TO GROUP grupadmin WITH GRANT OPTION"},
    {2643, "GRANT ALL PRIVILEGES ON TABLE dreptgestiuneuserstoc TO GROUP gruppreluare"},
    {2644, "GRANT ALL PRIVILEGES ON TABLE dreptgestiuneuserstoc TO GROUP grupvizualizare"},
    // limitecardfidelitate
    {2672, "CREATE TABLE limitecardfidelitate ( \tidlimitecardfidelitate SERIAL NOT NULL,\tvaloare NUMERIC(10) NOT NULL,\tdiscount NUMERIC(2) NOT NULL,\tUNIQUE (idlimitecardfidelitate),\tUNIQUE (discount),\tUNIQUE (valoare))"},
    {2673, "GRANT ALL PRIVILEGES ON TABLE limitecardfidelitate TO GROUP grupadmin WITH GRANT OPTION"},
    {2674, "GRANT ALL PRIVILEGES ON TABLE limitecardfidelitate TO GROUP gruppreluare"},
    {2675, "GRANT ALL PRIVILEGES ON TABLE limitecardfidelitate TO GROUP grupvizualizare"},
    // nomenclator
    {2678, "ALTER TABLE nomenclator ADD COLUMN\tcantpachet NUMERIC(10,2) DEFAULT NULL"},
    {2679, "ALTER TABLE nomenclator ADD COLUMN\tcantreferinta NUMERIC(10,2) DEFAULT NULL"},
    {2680, "ALTER TABLE nomenclator ADD COLUMN\tumreferinta CHAR(10) DEFAULT NULL"},
    // miscare
    {2692, "CREATE INDEX miscare_iddoc_idx          ON miscare (iddoc)"},
    // nomenclatorcodalternativ
    {2699, "CREATE TABLE nomenclatorcodalternativ ( \tidnomenclatorcodalternativ SERIAL NOT NULL,\tidreper INTEGER NOT NULL,\tcodalternativ CHAR(30) NOT NULL,\tdenreperalternativ CHAR(250) DEFAULT NULL,\tPRIMARY KEY (idnomenclatorcodalternativ),\tUNIQUE (idreper, codalternativ),\tUNIQUE (codalternativ))"},
    {2700, "GRANT ALL PRIVILEGES                 ON TABLE nomenclatorcodalternativ TO GROUP grupadmin WITH GRANT OPTION"},
    {2701, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE nomenclatorcodalternativ TO GROUP gruppreluare"},
    {2702, "GRANT SELECT                         ON TABLE nomenclatorcodalternativ TO GROUP grupvizualizare"},
    {2703, "GRANT ALL PRIVILEGES ON SEQUENCE nomenclatorcodalternativ_idnomenclatorcodalternativ_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2704, "GRANT ALL PRIVILEGES ON SEQUENCE nomenclatorcodalternativ_idnomenclatorcodalternativ_seq TO GROUP gruppreluare "},
    {2705, "GRANT USAGE          ON SEQUENCE nomenclatorcodalternativ_idnomenclatorcodalternativ_seq TO GROUP grupvizualizare"},
    // gestiune
    {2737, "ALTER TABLE gestiune ALTER COLUMN cod TYPE char(10)"},
    // reperetaxe
    {2752, "CREATE TABLE reperetaxe ( \tidreperetaxe SERIAL NOT NULL,\tidreper INTEGER NOT NULL,\tidrepertaxa INTEGER DEFAULT NULL,\traport NUMERIC(15,5) NOT NULL,\tvaloaretaxa NUMERIC(15,5) NOT NULL,\tidgestiune INTEGER NOT NULL,\tdiscountprocent NUMERIC(15,5) NOT NULL DEFAULT 0,\tUM VARCHAR(10) NOT NULL DEFAULT 'BUC',\tcotatva NUMERIC(15, 5) DEFAULT 0,\tfaratva INTEGER NOT NULL DEFAULT 1,\tdatastart DATE NOT NULL,\tdatafinal DATE DEFAULT NULL,\tUNIQUE (idreperetaxe),\tUNIQUE (idreper, idrepertaxa, idgestiune, datastart),\tUNIQUE (idreper, idrepertaxa, idgestiune, datafinal))"},
    {2753, "GRANT ALL PRIVILEGES                 ON TABLE reperetaxe TO GROUP grupadmin WITH GRANT OPTION"},
    {2754, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE reperetaxe TO GROUP gruppreluare"},
    {2755, "GRANT SELECT                         ON TABLE reperetaxe TO GROUP grupvizualizare"},
    {2756, "ALTER TABLE reperetaxe ADD COLUMN discountprocent NUMERIC(15, 5) NOT NULL DEFAULT 0"},
    {2757, "ALTER TABLE reperetaxe ADD COLUMN UM VARCHAR(10) NOT NULL DEFAULT 'BUC'"},
    {2758, "ALTER TABLE reperetaxe ADD COLUMN faratva INTEGER NOT NULL DEFAULT 1"},
    {2759, "ALTER TABLE reperetaxe ADD COLUMN idgestiune INTEGER"},
    // tombola
    {2760, "CREATE TABLE tombola ( \tidtombola SERIAL NOT NULL,\tdiscounttombola INTEGER NOT NULL,\tvaloarevanzare INTEGER NOT NULL,\tdatastart DATE NOT NULL,\tdatafinal DATE DEFAULT NULL,\tUNIQUE (idtombola),\tUNIQUE (datastart, datafinal),\tUNIQUE (datastart),\tUNIQUE (datafinal))"},
    {2761, "GRANT ALL PRIVILEGES                 ON TABLE tombola TO GROUP grupadmin WITH GRANT OPTION"},
    {2762, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE tombola TO GROUP gruppreluare"},
    {2763, "GRANT SELECT                         ON TABLE tombola TO GROUP grupvizualizare"},
    // reperetombola
    {2764, "CREATE TABLE reperetombola ( \tidreperetombola SERIAL NOT NULL,\tidtombola INTEGER NOT NULL,\tidreper INTEGER NOT NULL,\tidgestiune INTEGER NOT NULL,\tUNIQUE (idreperetombola),\tUNIQUE (idtombola, idreper, idgestiune))"},
    {2765, "GRANT ALL PRIVILEGES                 ON TABLE reperetombola TO GROUP grupadmin WITH GRANT OPTION"},
    {2766, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE reperetombola TO GROUP gruppreluare"},
    {2767, "GRANT SELECT                         ON TABLE reperetombola TO GROUP grupvizualizare"},
    // nomenclator
    {2801, "ALTER TABLE nomenclator ADD COLUMN stocdedeman INTEGER"},
    // gestiune
    {5965, "alter table gestiune add column codgestiunesaga char(20)"},
    {5966, "alter table gestiune add column dengestiunesaga char(20)"},
    // nomenclator
    {5970, "alter table nomenclator add column are_sgr character varying(1) DEFAULT NULL"},
    {5971, "alter table nomenclator add column este_sgr character varying(1) DEFAULT NULL"},
    {5972, "alter table nomenclator add column idreper_sgr INTEGER DEFAULT NULL"},
    // miscare
    {6001, "CREATE INDEX miscare_idrepernir_idx ON miscare (idrepernir)"},
    // nomenclator
    {6013, "CREATE INDEX nomenclator_idreper_sgr_idx ON nomenclator (idreper_sgr ASC NULLS LAST)"},
};

}  // namespace

Section produseRows() { return kRows; }

}  // namespace script
