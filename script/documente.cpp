#include "script/sections.h"

namespace script {
namespace {

// Documents, invoices and payments: tables, the older document tables they extend, grants.
constexpr ScriptRow kRows[] = {
    // repereaviz
    {12, "ALTER TABLE repereaviz ADD COLUMN cantFurniz NUMERIC(15, 8)"},
    {13, "ALTER TABLE repereaviz ADD COLUMN pretFurniz NUMERIC(17, 5)"},
    {14, "ALTER TABLE repereaviz ADD COLUMN cotatva NUMERIC(5,2)"},
    {18, "ALTER TABLE repereaviz  ALTER COLUMN coeficient  TYPE NUMERIC(11,2)"},
    // factura
    {21, "ALTER TABLE factura ALTER COLUMN data_prel TYPE TIMESTAMP"},
    {22, "ALTER TABLE factura ALTER COLUMN data_prel SET NOT NULL"},
    {23, "ALTER TABLE factura ALTER COLUMN data_prel SET DEFAULT current_timestamp"},
    // seriedoc
    {34, "GRANT ALL PRIVILEGES ON SEQUENCE seriedoc_idseriedoc_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {35, "GRANT ALL PRIVILEGES ON SEQUENCE seriedoc_idseriedoc_seq TO GROUP gruppreluare "},
    {36, "GRANT USAGE          ON SEQUENCE seriedoc_idseriedoc_seq TO GROUP grupvizualizare"},
    // factura
    {40, "ALTER TABLE factura ADD COLUMN computername CHAR(80)"},
    // reperefact
    {41, "ALTER TABLE reperefact ADD COLUMN cotatva NUMERIC(5,2)"},
    // factura
    {46, "ALTER TABLE factura ALTER COLUMN cota TYPE CHAR(250)"},
    {47, "ALTER TABLE factura ALTER COLUMN cota SET DEFAULT NULL"},
    // repereaviz
    {48, "ALTER TABLE repereaviz ADD COLUMN cantitate_ramasa NUMERIC(15,8)"},
    {49, "ALTER TABLE repereaviz ALTER COLUMN cantitate_ramasa SET DEFAULT NULL"},
    {51, "ALTER TABLE repereaviz  ADD COLUMN faratva INTEGER NOT NULL DEFAULT 1"},
    {53, "ALTER TABLE repereaviz  ADD CHECK (faratva = 0 OR faratva = 1)"},
    {56, "ALTER TABLE repereaviz ADD COLUMN idfactura NUMERIC(11)"},
    {57, "ALTER TABLE repereaviz ALTER COLUMN idfactura SET DEFAULT NULL"},
    // expediere
    {58, "ALTER TABLE expediere ADD COLUMN idfactura NUMERIC(11)"},
    {59, "ALTER TABLE expediere ALTER COLUMN idfactura SET DEFAULT NULL"},
    // doc
    {92, "ALTER TABLE doc ADD COLUMN codvaluta CHAR(3) NOT NULL DEFAULT 'RON'"},
    // plati
    {101, "CREATE TABLE plati ( \tidplata SERIAL NOT NULL,\tcodmodplata INTEGER NOT NULL,\tnrdocplata VARCHAR(60) NOT NULL DEFAULT '',\tdatadocplata DATE NOT NULL,\tvaloareplata NUMERIC(15,3) NOT NULL,\tcodvaluta VARCHAR(3) NOT NULL,\tcursschimb NUMERIC(15,4),\tobservatii VARCHAR(250) DEFAULT '',\tusername VARCHAR(20) NOT NULL DEFAULT '',\tdataprel TIMESTAMP NOT NULL DEFAULT current_timestamp,\tcomputername VARCHAR(80) NOT NULL DEFAULT '',\tidcasierie INTEGER DEFAULT NULL,\tPRIMARY KEY (idplata))"},
    {102, "GRANT ALL PRIVILEGES                 ON TABLE plati TO GROUP grupadmin WITH GRANT OPTION"},
    {103, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE plati TO GROUP gruppreluare"},
    {104, "GRANT SELECT                         ON TABLE plati TO GROUP grupvizualizare"},
    {105, "GRANT ALL PRIVILEGES ON SEQUENCE plati_idplata_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {106, "GRANT ALL PRIVILEGES ON SEQUENCE plati_idplata_seq TO GROUP gruppreluare "},
    {107, "GRANT USAGE          ON SEQUENCE plati_idplata_seq TO GROUP grupvizualizare"},
    // factura_plati
    {108, "CREATE TABLE factura_plati ( \tidfactura numeric(11) NOT NULL DEFAULT '0',\tidplata numeric(11) NOT NULL DEFAULT '0',\tUNIQUE(idfactura,idplata))"},
    {109, "GRANT ALL PRIVILEGES                 ON TABLE factura_plati TO GROUP grupadmin WITH GRANT OPTION"},
    {110, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE factura_plati TO GROUP gruppreluare"},
    {111, "GRANT SELECT                         ON TABLE factura_plati TO GROUP grupvizualizare"},
    // factura
    {112, "ALTER TABLE factura ADD COLUMN datascadenta DATE"},
    {115, "ALTER TABLE factura ALTER COLUMN cecchitanta TYPE CHAR(250)"},
    // repereaviz
    {119, "ALTER TABLE repereaviz ADD COLUMN i_idreperaviz INTEGER"},
    // factintr_avintr
    {120, "CREATE TABLE factintr_avintr ( \tidfactura integer NOT NULL,\ti_idfactaviz integer NOT NULL,\tUNIQUE( idfactura, i_idfactaviz))"},
    {121, "GRANT ALL PRIVILEGES                 ON TABLE factintr_avintr TO GROUP grupadmin WITH GRANT OPTION"},
    {122, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE factintr_avintr TO GROUP gruppreluare"},
    {123, "GRANT SELECT                         ON TABLE factintr_avintr TO GROUP grupvizualizare"},
    // doc
    {126, "ALTER TABLE doc ALTER COLUMN codvaluta DROP NOT NULL"},
    // factura
    {127, "ALTER TABLE factura DROP COLUMN persfizica"},
    {128, "ALTER TABLE factura DROP COLUMN staretva"},
    // operatiune
    {133, "CREATE TABLE operatiune ( \tidoperatiune SERIAL NOT NULL,\toperatiune char(30) DEFAULT NULL,\tPRIMARY KEY (idoperatiune),\tUNIQUE (operatiune))"},
    {134, "GRANT ALL PRIVILEGES                 ON TABLE operatiune TO GROUP grupadmin WITH GRANT OPTION"},
    {135, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE operatiune TO GROUP gruppreluare"},
    {136, "GRANT SELECT                         ON TABLE operatiune TO GROUP grupvizualizare"},
    // doc
    {138, "ALTER TABLE doc ADD COLUMN idgestiune INTEGER"},
    // seriedocgestiune
    {140, "CREATE TABLE seriedocgestiune ( \tidseriedocgestiune SERIAL NOT NULL,\tidseriedoc INTEGER NOT NULL,\tidgestiune INTEGER NOT NULL,\tUNIQUE (idseriedoc, idgestiune))"},
    {141, "GRANT ALL PRIVILEGES                 ON TABLE seriedocgestiune TO GROUP grupadmin WITH GRANT OPTION"},
    {142, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE seriedocgestiune TO GROUP gruppreluare"},
    {143, "GRANT SELECT                         ON TABLE seriedocgestiune TO GROUP grupvizualizare"},
    {144, "GRANT ALL PRIVILEGES ON SEQUENCE seriedocgestiune_idseriedocgestiune_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {145, "GRANT ALL PRIVILEGES ON SEQUENCE seriedocgestiune_idseriedocgestiune_seq TO GROUP gruppreluare "},
    {146, "GRANT USAGE          ON SEQUENCE seriedocgestiune_idseriedocgestiune_seq TO GROUP grupvizualizare"},
    // repereaviz
    {153, "ALTER TABLE repereaviz ADD COLUMN idacciza  INTEGER        DEFAULT NULL"},
    {154, "ALTER TABLE repereaviz ADD COLUMN valacciza NUMERIC(10, 3) DEFAULT NULL"},
    {155, "ALTER TABLE repereaviz ADD COLUMN totalvalacciza NUMERIC(10, 3) DEFAULT NULL"},
    // totaluri
    {156, "ALTER TABLE totaluri ADD COLUMN acciza NUMERIC(15, 3) DEFAULT NULL"},
    // doc
    {158, "ALTER TABLE doc ADD COLUMN altedate TEXT DEFAULT NULL"},
    // factura
    {159, "ALTER TABLE factura ADD COLUMN altedate TEXT DEFAULT NULL"},
    {160, "ALTER TABLE factura ADD COLUMN a5 INTEGER DEFAULT NULL"},
    // doc
    {161, "ALTER TABLE doc     ADD COLUMN a5 INTEGER DEFAULT NULL"},
    // doc_blanco
    {162, "CREATE TABLE doc_blanco ( \tidserieblanco SERIAL NOT NULL,\ttipdoc VARCHAR(5),\tnrdoc VARCHAR(20),\tusername char(20) NOT NULL DEFAULT '',\tcomputername CHAR(80),\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp)"},
    {163, "GRANT ALL PRIVILEGES                 ON TABLE doc_blanco TO GROUP grupadmin WITH GRANT OPTION"},
    {164, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE doc_blanco TO GROUP gruppreluare"},
    {165, "GRANT SELECT                         ON TABLE doc_blanco TO GROUP grupvizualizare"},
    {166, "GRANT ALL PRIVILEGES ON SEQUENCE doc_blanco_idserieblanco_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {167, "GRANT ALL PRIVILEGES ON SEQUENCE doc_blanco_idserieblanco_seq TO GROUP gruppreluare "},
    {168, "GRANT USAGE          ON SEQUENCE doc_blanco_idserieblanco_seq TO GROUP grupvizualizare"},
    // model_factura
    {170, "CREATE TABLE model_factura ( \tidmodelfactura SERIAL NOT NULL,\tdescrmodelfactura VARCHAR(50),\tactiva INTEGER DEFAULT NULL)"},
    {171, "GRANT ALL PRIVILEGES                 ON TABLE model_factura TO GROUP grupadmin WITH GRANT OPTION"},
    {172, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE model_factura TO GROUP gruppreluare"},
    {173, "GRANT SELECT                         ON TABLE model_factura TO GROUP grupvizualizare"},
    {174, "GRANT ALL PRIVILEGES ON SEQUENCE model_factura_idmodelfactura_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {175, "GRANT ALL PRIVILEGES ON SEQUENCE model_factura_idmodelfactura_seq TO GROUP gruppreluare "},
    {176, "GRANT USAGE          ON SEQUENCE model_factura_idmodelfactura_seq TO GROUP grupvizualizare"},
    // factura
    {178, "ALTER TABLE factura ADD COLUMN idmodelfactura INTEGER DEFAULT NULL"},
    // doc
    {181, "ALTER TABLE doc ADD COLUMN neplatitortva INTEGER DEFAULT NULL"},
    {186, "ALTER TABLE doc ADD COLUMN obsbeneficiar text"},
    // factura
    {187, "ALTER TABLE factura ADD COLUMN obsbeneficiar text"},
    // doc_blanco
    {188, "ALTER TABLE doc_blanco ADD COLUMN stare CHAR(1)"},
    {189, "ALTER TABLE doc_blanco ADD COLUMN idemicontbanca INTEGER DEFAULT NULL"},
    {190, "ALTER TABLE doc_blanco ADD COLUMN altedate TEXT DEFAULT NULL"},
    {191, "ALTER TABLE doc_blanco ADD COLUMN a5 INTEGER DEFAULT NULL"},
    // tipdoc
    {206, "ALTER TABLE tipdoc ALTER COLUMN descrtipdoc TYPE CHAR(30)"},
    // tipfactura
    {207, "ALTER TABLE tipfactura ALTER COLUMN descrtipfact TYPE CHAR(30)"},
    // doc
    {224, "ALTER TABLE doc ADD COLUMN serie CHAR(10)"},
    {225, "ALTER TABLE doc ADD COLUMN nr INTEGER"},
    // factura
    {226, "ALTER TABLE factura ADD COLUMN serie CHAR(10)"},
    {227, "ALTER TABLE factura ADD COLUMN nr INTEGER"},
    // operatiune
    {236, "GRANT ALL PRIVILEGES ON SEQUENCE operatiune_idoperatiune_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {237, "GRANT ALL PRIVILEGES ON SEQUENCE operatiune_idoperatiune_seq TO GROUP gruppreluare "},
    {238, "GRANT USAGE          ON SEQUENCE operatiune_idoperatiune_seq TO GROUP grupvizualizare"},
    // repereaviz
    {256, "ALTER TABLE repereaviz ADD COLUMN nrzecimalepu INTEGER NOT NULL DEFAULT 2"},
    {257, "ALTER TABLE repereaviz ADD COLUMN nrzecimalepu INTEGER NOT NULL DEFAULT 2"},
    // lucrare
    {261, "CREATE TABLE lucrare ( \tidlucrare SERIAL NOT NULL,\tcodlucrare CHAR(50),\tdescrlucrare CHAR(250) NOT NULL,\tdatastart DATE NOT NULL,\tdatafinal DATE,\tUNIQUE (codlucrare, descrlucrare))"},
    {262, "GRANT ALL PRIVILEGES                 ON TABLE lucrare TO GROUP grupadmin WITH GRANT OPTION"},
    {263, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE lucrare TO GROUP gruppreluare"},
    {264, "GRANT SELECT                         ON TABLE lucrare TO GROUP grupvizualizare"},
    {265, "GRANT ALL PRIVILEGES ON SEQUENCE lucrare_idlucrare_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {266, "GRANT ALL PRIVILEGES ON SEQUENCE lucrare_idlucrare_seq TO GROUP gruppreluare "},
    {267, "GRANT USAGE          ON SEQUENCE lucrare_idlucrare_seq TO GROUP grupvizualizare"},
    // repereaviz
    {268, "ALTER TABLE repereaviz ADD COLUMN idlucrare INTEGER DEFAULT NULL"},
    {269, "ALTER TABLE repereaviz ADD COLUMN contdebit  CHAR(20)"},
    {270, "ALTER TABLE repereaviz ADD COLUMN contcredit CHAR(20)"},
    // totaluri
    {273, "ALTER TABLE totaluri ADD COLUMN v7 NUMERIC(15,3) DEFAULT NULL"},
    {274, "ALTER TABLE totaluri ADD COLUMN v8 NUMERIC(15,3) DEFAULT NULL"},
    // factura
    {275, "ALTER TABLE factura  ADD COLUMN rataschimb NUMERIC(15,4) DEFAULT NULL"},
    // The old unique invoice number gives way to a unique index over number, firm, date and type.
    {279, "DROP INDEX IF EXISTS factura_nrfactura_key"},
    {280, "CREATE UNIQUE INDEX factura_nrfactura_key ON factura( nrfactura, idfirma, datafactura)"},
    // tipdoc
    {285, "ALTER TABLE tipdoc ADD COLUMN genereazaSerie INTEGER NOT NULL DEFAULT 0 CHECK ( genereazaSerie = 0 OR genereazaSerie = 1 )"},
    {286, "ALTER TABLE tipdoc ADD COLUMN altele INTEGER NOT NULL DEFAULT 0 CHECK ( altele = 0 OR altele = 1 )"},
    {287, "ALTER TABLE tipdoc ADD COLUMN aredocincasare INTEGER NOT NULL DEFAULT 0 CHECK ( aredocincasare = 0 OR aredocincasare = 1)"},
    {288, "ALTER TABLE tipdoc ADD COLUMN doccasa INTEGER NOT NULL DEFAULT 0 CHECK ( doccasa = 0 OR doccasa = 1)"},
    // doc
    {300, "ALTER TABLE doc ADD COLUMN docintern INTEGER DEFAULT NULL"},
    // factura
    {301, "DROP INDEX IF  EXISTS factura_nrfactura_key"},
    {302, "ALTER TABLE factura DROP CONSTRAINT factura_nrfactura_key"},
    {303, "CREATE UNIQUE INDEX factura_nrfactura_key ON factura( nrfactura, idfirma, datafactura, tipdoc)"},
    // doc
    {304, "ALTER TABLE doc ADD COLUMN nuafiseazapret INTEGER DEFAULT NULL"},
    // factura
    {307, "ALTER TABLE factura ADD COLUMN factchi INTEGER DEFAULT NULL"},
    // doc
    {308, "ALTER TABLE doc ADD COLUMN factchi INTEGER DEFAULT NULL"},
    // grupa
    {310, "CREATE TABLE grupa ( \tidgrupa SERIAL NOT NULL,\tcodgrupa char(30) DEFAULT NULL,\tdengrupa char(50) NOT NULL,\tPRIMARY KEY (idgrupa),\tUNIQUE (dengrupa))"},
    {311, "GRANT ALL PRIVILEGES                 ON TABLE grupa TO GROUP grupadmin WITH GRANT OPTION"},
    {312, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE grupa TO GROUP gruppreluare"},
    {313, "GRANT SELECT                         ON TABLE grupa TO GROUP grupvizualizare"},
    {314, "GRANT ALL PRIVILEGES ON SEQUENCE grupa_idgrupa_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {315, "GRANT ALL PRIVILEGES ON SEQUENCE grupa_idgrupa_seq TO GROUP gruppreluare"},
    {316, "GRANT USAGE          ON SEQUENCE grupa_idgrupa_seq TO GROUP grupvizualizare"},
    // alte_doc_plata
    {501, "CREATE TABLE alte_doc_plata ( \tidaltedocplata SERIAL NOT NULL,\tidoperatiune INTEGER NOT NULL,\tidgrupa INTEGER NOT NULL,\tcodmodplata INTEGER,\tidfirma INTEGER NOT NULL,\ttipdoc CHAR(3),\tseriedoc CHAR(30) NOT NULL,\tdescrieredoc CHAR(254),\tdata date NOT NULL,\tcodvaluta CHAR(3) NOT NULL,\tcotatva NUMERIC(5,2),\tvaloareftva NUMERIC(12,2),\tvaloaretva NUMERIC(12,2),\tvaloare NUMERIC(12,2) NOT NULL,\tdoccasa INTEGER DEFAULT NULL,\ti_idaltedocplata INTEGER,\tidcasierie INTEGER DEFAULT NULL,\tPRIMARY KEY (idaltedocplata))"},
    {502, "GRANT ALL PRIVILEGES                 ON TABLE alte_doc_plata TO GROUP grupadmin WITH GRANT OPTION"},
    {503, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE alte_doc_plata TO GROUP gruppreluare"},
    {504, "GRANT SELECT                         ON TABLE alte_doc_plata TO GROUP grupvizualizare"},
    {505, "GRANT ALL PRIVILEGES ON SEQUENCE alte_doc_plata_idaltedocplata_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {506, "GRANT ALL PRIVILEGES ON SEQUENCE alte_doc_plata_idaltedocplata_seq TO GROUP gruppreluare "},
    {507, "GRANT USAGE          ON SEQUENCE alte_doc_plata_idaltedocplata_seq TO GROUP grupvizualizare"},
    // modplata
    {510, "ALTER TABLE modplata ADD COLUMN doccasa INTEGER DEFAULT NULL"},
    // plati
    {512, "ALTER TABLE plati ADD COLUMN idfirma INTEGER"},
    {513, "ALTER TABLE plati ADD COLUMN idoperatiune INTEGER"},
    // factura
    {519, "ALTER TABLE factura ADD COLUMN idtiptva INTEGER DEFAULT NULL"},
    // modplata
    {531, "ALTER TABLE modplata ADD UNIQUE (descmodplata)"},
    // doc
    {537, "ALTER TABLE doc ADD COLUMN nuafiseazatotal INTEGER DEFAULT NULL"},
    {579, "ALTER TABLE doc ALTER COLUMN codvaluta SET NOT NULL"},
    // emitentmesaj
    {586, "CREATE TABLE emitentmesaj ( \ttipdoc CHAR(4) NOT NULL,\temitentmesaj TEXT NOT NULL,\tUNIQUE (tipdoc))"},
    {587, "GRANT ALL PRIVILEGES                 ON TABLE emitentmesaj TO GROUP grupadmin WITH GRANT OPTION"},
    {588, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE emitentmesaj TO GROUP gruppreluare"},
    {589, "GRANT SELECT                         ON TABLE emitentmesaj TO GROUP grupvizualizare"},
    // tipdoc
    {590, "ALTER TABLE tipdoc ADD COLUMN aremesaj INTEGER NOT NULL DEFAULT 0"},
    // seriedoc
    {593, "ALTER TABLE seriedoc  ADD COLUMN nuafisa INTEGER DEFAULT NULL"},
    // repereaviz
    {609, "ALTER TABLE repereaviz ADD COLUMN idreperavizstorno INTEGER DEFAULT NULL"},
    {615, "ALTER TABLE repereaviz ADD COLUMN taxareinversa INTEGER DEFAULT NULL"},
    {639, "ALTER TABLE repereaviz  ADD COLUMN ambalaj INTEGER DEFAULT NULL"},
    // doc
    {645, "ALTER TABLE doc ADD  CHECK ( idfirma IS NULL or idfirma > 0)"},
    {671, "ALTER TABLE doc ALTER COLUMN obsnir_old TYPE CHAR(254)"},
    // totaluri
    {706, "ALTER TABLE totaluri    ADD COLUMN ambalajeftva NUMERIC(15,3) DEFAULT 0 "},
    {707, "ALTER TABLE totaluri    ADD COLUMN ambalajecutva NUMERIC(15,3) DEFAULT 0 "},
    // tipdoc
    {721, "ALTER TABLE tipdoc ADD COLUMN aretva INTEGER DEFAULT 1 CHECK (aretva = 0 OR aretva = 1)  "},
    // repereaviz
    {738, "ALTER TABLE repereaviz  ALTER COLUMN valacciza TYPE NUMERIC(15, 5)"},
    {739, "ALTER TABLE repereaviz  ALTER COLUMN valacciza SET DEFAULT NULL"},
    // alte_doc_plata
    {761, "ALTER TABLE alte_doc_plata ADD COLUMN idcasierie INTEGER DEFAULT NULL"},
    // plati
    {762, "ALTER TABLE plati          ADD COLUMN idcasierie INTEGER DEFAULT NULL"},
    // seriedoccasierie
    {764, "CREATE TABLE seriedoccasierie ( \tidseriedoc INTEGER NOT NULL,\tidcasierie INTEGER NOT NULL,\tUNIQUE (idseriedoc, idcasierie),\tUNIQUE (idseriedoc))"},
    {765, "GRANT ALL PRIVILEGES                 ON TABLE seriedoccasierie TO GROUP grupadmin WITH GRANT OPTION"},
    {766, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE seriedoccasierie TO GROUP gruppreluare"},
    {767, "GRANT SELECT                         ON TABLE seriedoccasierie TO GROUP grupvizualizare"},
    // repereaviz
    {776, "ALTER TABLE repereaviz  ALTER COLUMN cantitate        TYPE NUMERIC(15,8)"},
    {777, "ALTER TABLE repereaviz  ALTER COLUMN cantitate_ramasa TYPE NUMERIC(15,8)"},
    // alte_doc_plata
    {802, "ALTER TABLE alte_doc_plata ADD COLUMN cursschimb NUMERIC(15, 4)"},
    // plati
    {808, "ALTER TABLE plati ALTER COLUMN cursschimb TYPE NUMERIC(15, 4)"},
    // modplata
    {817, "ALTER TABLE modplata ADD COLUMN docbanca INTEGER DEFAULT NULL CHECK (docbanca IS NULL OR docbanca = 1)"},
    // factura
    {826, "ALTER TABLE factura ADD UNIQUE (nrfactura, datafactura, tipdoc)"},
    // doc
    {827, "ALTER TABLE doc ADD UNIQUE (nrdoc, datadoc, tipdoc)"},
    {1080, "CREATE INDEX doc_iddoc_idx ON doc (iddoc)"},
    // repereaviz
    {1081, "CREATE INDEX repereaviz_iddoc_idx on repereaviz (iddoc)"},
    {1083, "CREATE INDEX repereaviz_idgestiune_idx on repereaviz (idgestiune)"},
    {1086, "CREATE INDEX repereaviz_iddocidgestiune_idx on repereaviz (iddoc, idgestiune)"},
    {1088, "CREATE INDEX repereaviz_idreper_idx ON repereaviz (idreper)"},
    {1090, "CREATE INDEX repereaviz_idrepereaviziddoc_idx ON repereaviz (idreperaviz, iddoc)"},
    {1104, "ALTER TABLE repereaviz ADD COLUMN cursschimb NUMERIC(15, 4) DEFAULT NULL"},
    // doc
    {1105, "ALTER TABLE doc ADD COLUMN datalivrare DATE DEFAULT NULL"},
    {1106, "ALTER TABLE doc ADD COLUMN oralivrare  CHAR(5) DEFAULT NULL"},
    // repereaviz
    {1142, "ALTER TABLE repereaviz  ALTER COLUMN valacciza TYPE NUMERIC(15, 9)"},
    {1146, "ALTER TABLE repereaviz   ALTER COLUMN pretfaratva TYPE NUMERIC(26, 9)"},
    // doc
    {1196, "ALTER TABLE doc ADD COLUMN afisnrregcodf INTEGER DEFAULT 1 "},
    {1200, "ALTER TABLE doc ADD COLUMN afiscurschi INTEGER DEFAULT 1 "},
    // plati
    {1202, "ALTER TABLE plati ADD COLUMN iddoc INTEGER DEFAULT NULL "},
    // doc
    {1204, "ALTER TABLE doc ADD COLUMN cursschimb NUMERIC(15,4) DEFAULT NULL"},
    // plati
    {1227, "ALTER TABLE plati ADD COLUMN idcmlogbonfiscal INTEGER DEFAULT NULL"},
    // alte_doc_plata
    {1241, "ALTER TABLE alte_doc_plata ADD COLUMN datascadenta DATE DEFAULT NULL"},
    // doc
    {1246, "ALTER TABLE doc ADD COLUMN maimultepepagina INTEGER DEFAULT NULL"},
    // factura_plati
    {1282, "ALTER TABLE factura_plati ADD COLUMN valoareplatafp NUMERIC(15,3) NOT NULL DEFAULT 0 "},
    // factura
    {1283, "ALTER TABLE factura ADD COLUMN incasata INTEGER DEFAULT NULL "},
    // doc
    {1297, "ALTER TABLE doc ALTER COLUMN cursschimb TYPE NUMERIC(15,4)"},
    // repereaviz
    {1326, "ALTER TABLE repereaviz ADD COLUMN idgrupaprodus INTEGER DEFAULT NULL "},
    {1327, "ALTER TABLE repereaviz ADD COLUMN dataexpirare DATE DEFAULT NULL "},
    {1328, "ALTER TABLE repereaviz ADD COLUMN lot CHAR(30) DEFAULT NULL "},
    // status
    {1345, "CREATE TABLE status ( \tidstatus SERIAL NOT NULL,\tdenstatus VARCHAR(250) NOT NULL,\tordine INTEGER DEFAULT NULL,\tactiva INTEGER NOT NULL DEFAULT 1,\tUNIQUE (denstatus))"},
    {1346, "GRANT ALL PRIVILEGES                 ON TABLE status TO GROUP grupadmin WITH GRANT OPTION"},
    {1347, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE status TO GROUP gruppreluare"},
    {1348, "GRANT SELECT                         ON TABLE status TO GROUP grupvizualizare"},
    // statusdoc
    {1349, "CREATE TABLE statusdoc ( \tiddoc INTEGER DEFAULT NULL,\tidfactura INTEGER DEFAULT NULL,\tidplata INTEGER DEFAULT NULL,\tidstatus INTEGER NOT NULL,\tobservatii TEXT,\tdata DATE NOT NULL,\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp)"},
    {1350, "GRANT ALL PRIVILEGES                 ON TABLE statusdoc TO GROUP grupadmin WITH GRANT OPTION"},
    {1351, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE statusdoc TO GROUP gruppreluare"},
    {1352, "GRANT SELECT                         ON TABLE statusdoc TO GROUP grupvizualizare"},
    // repereaviz
    {1361, "ALTER TABLE repereaviz      ADD COLUMN idrepernir INTEGER DEFAULT NULL "},
    // statusdoc
    {1362, "ALTER TABLE statusdoc       ADD COLUMN idfactura  INTEGER DEFAULT NULL "},
    {1363, "ALTER TABLE statusdoc       ALTER COLUMN iddoc DROP NOT NULL "},
    {1364, "ALTER TABLE statusdoc       ADD COLUMN idplata  INTEGER DEFAULT NULL "},
    // doc_factura
    {1379, "ALTER TABLE doc_factura ADD COLUMN iddocaviz INTEGER DEFAULT NULL "},
    // repereaviz
    {1427, "ALTER TABLE repereaviz ADD COLUMN bonus INTEGER DEFAULT NULL "},
    // seriedoc
    {1473, "ALTER TABLE seriedoc ADD COLUMN ordine INTEGER DEFAULT NULL"},
    // doc
    {1495, "ALTER TABLE doc ADD COLUMN inchis INTEGER DEFAULT NULL"},
    // factura_plati
    {1502, "ALTER TABLE factura_plati ADD COLUMN cursschimb NUMERIC(15,5) NOT NULL DEFAULT 1 "},
    {1503, "ALTER TABLE factura_plati ADD COLUMN monedaalternativa CHAR(10) DEFAULT NULL "},
    {1504, "ALTER TABLE factura_plati ADD COLUMN echivalent NUMERIC(15,3) DEFAULT NULL "},
    // tipdoc
    {1511, "ALTER TABLE tipdoc ADD COLUMN docbanca INTEGER NOT NULL DEFAULT 0 CHECK ( docbanca = 0 OR docbanca = 1)"},
    {1512, "ALTER TABLE tipdoc ADD COLUMN idemicontbanca INTEGER NOT NULL DEFAULT 0"},
    // alte_doc_plata
    {1519, "ALTER TABLE alte_doc_plata ADD COLUMN docbanca INTEGER DEFAULT NULL "},
    {1520, "ALTER TABLE alte_doc_plata ADD COLUMN idoperatiunebanca INTEGER DEFAULT NULL "},
    {1524, "ALTER TABLE alte_doc_plata ADD COLUMN idemicontbanca INTEGER DEFAULT NULL "},
    // plati
    {1526, "ALTER TABLE plati ADD COLUMN idemicontbanca INTEGER DEFAULT NULL "},
    // totaluri
    {1529, "ALTER TABLE totaluri ADD COLUMN codvaluta CHAR(3) "},
    {1530, "ALTER TABLE totaluri ADD COLUMN codvalutaechivalent CHAR(3) "},
    // factura
    {1533, "ALTER TABLE factura ADD COLUMN codvalutaechivalent CHAR(3) "},
    // totaluri
    {1536, "ALTER TABLE totaluri ALTER COLUMN codvaluta SET NOT NULL"},
    // factura
    {1537, "ALTER TABLE factura        ALTER COLUMN rataschimb TYPE NUMERIC (15,8)"},
    // plati
    {1539, "ALTER TABLE plati          ALTER COLUMN cursschimb TYPE NUMERIC (15,8)"},
    // alte_doc_plata
    {1540, "ALTER TABLE alte_doc_plata ALTER COLUMN cursschimb TYPE NUMERIC (15,8)"},
    // repereaviz
    {1541, "ALTER TABLE repereaviz     ALTER COLUMN cursschimb TYPE NUMERIC (15,8)"},
    // doc
    {1542, "ALTER TABLE doc            ALTER COLUMN cursschimb TYPE NUMERIC (15,8)"},
    // factura_plati
    {1543, "ALTER TABLE factura_plati  ALTER COLUMN cursschimb TYPE NUMERIC (15,8)"},
    // doc
    {1573, "create index doc_datadoc_idx on doc (datadoc)"},
    {1574, "create index doc_iddocdatadoc_idx on doc (iddoc, datadoc)"},
    {1575, "create index doc_tipdoc_idx on doc (tipdoc)"},
    // repereaviz
    {1576, "CREATE INDEX repereaviz_idreperaviz_idx   ON repereaviz (idreperaviz)"},
    {1577, "CREATE INDEX repereaviz_iddoc_idx         ON repereaviz (iddoc)"},
    {1578, "CREATE INDEX repereaviz_iddocidreper_idx  ON repereaviz (iddoc, idreper)"},
    {1579, "CREATE INDEX repereaviz_idreper_idx       ON repereaviz (idreper)"},
    {1580, "CREATE INDEX repereaviz_i_idreperaviz_idx ON repereaviz (i_idreperaviz)"},
    // docimport
    {1600, "CREATE TABLE docimport ( \tiddocimport SERIAL NOT NULL,\tiddocimportat INTEGER NOT NULL,\tiddocgenerat INTEGER NOT NULL,\tUNIQUE (iddocimport),\tUNIQUE (iddocimport, iddocimportat))"},
    {1601, "GRANT ALL PRIVILEGES                 ON TABLE docimport TO GROUP grupadmin WITH GRANT OPTION"},
    {1602, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE docimport TO GROUP gruppreluare"},
    {1603, "GRANT SELECT                         ON TABLE docimport TO GROUP grupvizualizare"},
    {1604, "GRANT ALL PRIVILEGES ON SEQUENCE docimport_iddocimport_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {1605, "GRANT ALL PRIVILEGES ON SEQUENCE docimport_iddocimport_seq TO GROUP gruppreluare"},
    {1606, "GRANT USAGE          ON SEQUENCE docimport_iddocimport_seq TO GROUP grupvizualizare"},
    // seriedoc
    {1608, "ALTER TABLE seriedoc ADD COLUMN \tmesajantetseriedoc TEXT DEFAULT NULL"},
    // repereaviz
    {1639, "ALTER TABLE repereaviz ADD COLUMN termenlivrare DATE DEFAULT NULL"},
    {1665, "ALTER TABLE repereaviz  ADD COLUMN cotatvacoef NUMERIC(5,2) DEFAULT NULL"},
    // plati
    {1711, "ALTER TABLE plati ADD COLUMN dencmmodplatabf CHAR(50)"},
    // repereaviz
    {1716, "CREATE INDEX repereaviz_idreperavizstorno_idx  ON repereaviz  USING btree  (idreperavizstorno )"},
    {1717, "CREATE INDEX repereaviz_idreperavizidreperavizstorno_idx  ON repereaviz  USING btree  (idreperaviz , idreperavizstorno )"},
    // repereaviztraducere
    {1737, "CREATE TABLE repereaviztraducere ( \tidreperaviz INTEGER NOT NULL,\tlimba CHAR(50) NOT NULL,\ttraducere CHAR(250) NOT NULL,\tUNIQUE (idreperaviz, limba))"},
    {1738, "GRANT ALL PRIVILEGES ON TABLE repereaviztraducere TO GROUP grupadmin WITH GRANT OPTION"},
    {1739, "GRANT ALL PRIVILEGES ON TABLE repereaviztraducere TO GROUP gruppreluare"},
    {1740, "GRANT ALL PRIVILEGES ON TABLE repereaviztraducere TO GROUP grupvizualizare"},
    // seriedoc
    {1760, "ALTER TABLE seriedoc ADD COLUMN excludedinrzg INTEGER DEFAULT NULL"},
    // doc
    {1764, "ALTER TABLE doc ADD COLUMN idseriedoc INTEGER DEFAULT NULL"},
    // seriedoc
    {1766, "ALTER TABLE seriedoc ADD COLUMN exclusadinrzg INTEGER DEFAULT NULL"},
    // repereaviz
    {1775, "ALTER TABLE repereaviz ADD COLUMN cod CHAR(30) DEFAULT NULL"},
    {1778, "ALTER TABLE repereaviz ADD COLUMN codalternativ CHAR(30) DEFAULT NULL"},
    // modplata
    {1821, "ALTER TABLE modplata ADD COLUMN tvalaincasare INTEGER DEFAULT NULL"},
    // factura
    {1823, "ALTER TABLE factura ADD COLUMN tvalaincasare INTEGER DEFAULT NULL"},
    // docscanate
    {1833, "CREATE TABLE docscanate ( \tiddocscanate serial NOT NULL primary key,\tiddoc integer NOT NULL,\tcalefisier char(250) NOT NULL,\tobservatii text DEFAULT NULL)"},
    // alte_doc_platascanate
    {1834, "CREATE TABLE alte_doc_platascanate ( \tidaltedocplatascanate serial NOT NULL primary key,\tidaltedocplata integer NOT NULL,\tcalefisier char(250) NOT NULL,\tobservatii text DEFAULT NULL)"},
    // docscanate
    // Grants without the word GROUP.
    {1836, "GRANT ALL PRIVILEGES ON TABLE docscanate TO grupadmin WITH GRANT OPTION "},
    {1837, "GRANT SELECT, UPDATE, INSERT, DELETE ON TABLE docscanate TO gruppreluare"},
    {1838, "GRANT SELECT ON TABLE docscanate TO grupvizualizare"},
    {1839, "GRANT ALL PRIVILEGES ON SEQUENCE docscanate_iddocscanate_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    // alte_doc_platascanate
    {1840, "GRANT ALL PRIVILEGES ON TABLE alte_doc_platascanate TO grupadmin WITH GRANT OPTION "},
    {1841, "GRANT SELECT, UPDATE, INSERT, DELETE ON TABLE alte_doc_platascanate TO gruppreluare"},
    {1842, "GRANT SELECT ON TABLE alte_doc_platascanate TO grupvizualizare"},
    {1843, "GRANT ALL PRIVILEGES ON SEQUENCE alte_doc_platascanate_idaltedocplatascanate_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    // repereaviz
    {1866, "ALTER TABLE repereaviz  ALTER COLUMN cantitate TYPE numeric(15, 8) "},
    {1867, "ALTER TABLE repereaviz  ALTER COLUMN cantitate_ramasa TYPE numeric(15, 8) "},
    {1868, "ALTER TABLE repereaviz  ALTER COLUMN cantfurniz TYPE numeric(15, 8) "},
    // doc
    {1880, "ALTER TABLE doc ADD COLUMN moment TIMESTAMP NOT NULL DEFAULT current_timestamp"},
    // oferte
    {1909, "CREATE TABLE oferte ( \tidoferta SERIAL NOT NULL,\tdataoferta DATE NOT NULL,\tdescriereoferta CHAR(250) DEFAULT NULL,\tidfirma INTEGER NOT NULL,\tidreper INTEGER DEFAULT NULL,\tcodreper CHAR(30),\tdenprodus CHAR(250) NOT NULL,\tcantitate NUMERIC(15, 8) DEFAULT NULL,\tum CHAR(10) DEFAULT NULL,\tpretnomenclatorfaratva NUMERIC(15,8),\tpretnomenclatorcutva NUMERIC(15,8),\tpretfaratvavanzare NUMERIC(15, 8),\tpretcutvavanzare NUMERIC(15, 8),\tcodvalutavanzare CHAR(3),\tcodvalutanomenclator CHAR(3),\tpretfaratvaoferta NUMERIC(15,8),\tpretcutvaoferta NUMERIC(15,8),\tcotatva NUMERIC(5,2),\tUNIQUE (idoferta))"},
    {1910, "GRANT ALL PRIVILEGES                 ON TABLE oferte TO GROUP grupadmin WITH GRANT OPTION"},
    {1911, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE oferte TO GROUP gruppreluare"},
    {1912, "GRANT SELECT                         ON TABLE oferte TO GROUP grupvizualizare"},
    {1913, "GRANT ALL PRIVILEGES ON SEQUENCE oferte_idoferta_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {1914, "GRANT ALL PRIVILEGES ON SEQUENCE oferte_idoferta_seq TO GROUP gruppreluare "},
    {1915, "GRANT USAGE          ON SEQUENCE oferte_idoferta_seq TO GROUP grupvizualizare"},
    // doc
    {1917, "ALTER TABLE doc ADD COLUMN username CHAR(20) DEFAULT NULL"},
    {1925, "ALTER TABLE doc ADD COLUMN afiseazacutva INTEGER DEFAULT NULL"},
    {1959, "ALTER TABLE doc ADD COLUMN idfirmapunctlucru INTEGER DEFAULT NULL"},
    // factura
    {1960, "ALTER TABLE factura ADD COLUMN idfirmapunctlucru INTEGER DEFAULT NULL"},
    // doc
    {1998, "ALTER TABLE doc ALTER COLUMN stare TYPE CHAR(2)"},
    // repereaviz
    {2003, "ALTER TABLE repereaviz ADD COLUMN idtiptva INTEGER DEFAULT NULL"},
    // totaluri
    {2010, "ALTER TABLE totaluri ADD COLUMN transportfaratva NUMERIC(15,2), ADD COLUMN transporttva NUMERIC(15,2), ADD COLUMN transporttotal NUMERIC(15,2)"},
    // modplata
    {2013, "ALTER TABLE modplata ADD COLUMN ordine INTEGER DEFAULT NULL"},
    // repereaviz
    {2280, "ALTER TABLE repereaviz ADD COLUMN greutate NUMERIC(10,4) DEFAULT NULL"},
    {2281, "ALTER TABLE repereaviz ADD COLUMN nrcomandaclient   CHAR(50) DEFAULT NULL"},
    {2282, "ALTER TABLE repereaviz ADD COLUMN nrcomandafurnizor CHAR(50) DEFAULT NULL"},
    {2283, "ALTER TABLE repereaviz ADD COLUMN datacomandaclient DATE DEFAULT NULL"},
    {2284, "ALTER TABLE repereaviz ADD COLUMN idcomandafurnizor INTEGER DEFAULT NULL"},
    {2285, "ALTER TABLE repereaviz ADD COLUMN idcomandaclient   INTEGER DEFAULT NULL"},
    // doc
    {2287, "CREATE INDEX doc_idfirma_idx          ON doc (idfirma)"},
    {2288, "CREATE INDEX doc_idfirmadatadoc_idx ON doc (idfirma,datadoc)"},
    // repereaviz
    {2502, "ALTER TABLE repereaviz ADD COLUMN datacomandaclient DATE DEFAULT NULL"},
    // doc
    {2504, "ALTER TABLE doc ADD COLUMN descrieredoc CHAR(250) DEFAULT NULL"},
    // facturatotaluritva
    {2590, "CREATE TABLE facturatotaluritva ( \tidfacturatotaluritva serial NOT NULL,\tidfactura integer NOT NULL,\tcotatva numeric (5,2) NOT NULL,\ttotalfaratva NUMERIC(15,5),\ttotaltva numeric(15,5),\ttotalfaratvarecep NUMERIC(15,5),\ttotaltvarecep NUMERIC(15,5),\tcotatvarecep NUMERIC (5, 5),\tUNIQUE (idfacturatotaluritva),\tUNIQUE (idfactura, cotatva))"},
    {2591, "GRANT ALL PRIVILEGES ON TABLE facturatotaluritva TO GROUP grupadmin WITH GRANT OPTION"},
    {2592, "GRANT ALL PRIVILEGES ON TABLE facturatotaluritva TO GROUP gruppreluare"},
    {2593, "GRANT ALL PRIVILEGES ON TABLE facturatotaluritva TO GROUP grupvizualizare"},
    {2594, "GRANT ALL PRIVILEGES ON SEQUENCE facturatotaluritva_idfacturatotaluritva_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2595, "GRANT ALL PRIVILEGES ON SEQUENCE facturatotaluritva_idfacturatotaluritva_seq TO GROUP gruppreluare "},
    {2596, "GRANT ALL PRIVILEGES ON SEQUENCE facturatotaluritva_idfacturatotaluritva_seq TO GROUP grupvizualizare"},
    // doc
    {2637, "CREATE INDEX doc_iddoc_tipdoc_idx ON doc (iddoc, tipdoc)"},
    // doc_factura
    {2638, "CREATE INDEX doc_factura_iddoc_idx ON doc_factura (iddoc)"},
    {2639, "CREATE INDEX doc_factura_iddocaviz_idx ON doc_factura (iddocaviz)"},
    {2640, "CREATE INDEX doc_factura_idfactura_idx ON doc_factura (idfactura)"},
    // repereaviz
    {2666, "ALTER TABLE repereaviz ADD COLUMN cardfidelitate CHAR(50) DEFAULT NULL"},
    {2667, "ALTER TABLE repereaviz ADD COLUMN cardfidelitatecotadiscount NUMERIC(5,2) DEFAULT NULL"},
    // statusdoc
    {2688, "ALTER TABLE statusdoc ADD COLUMN idtipografiedoc INTEGER DEFAULT NULL "},
    {2689, "CREATE INDEX statusdoc_iddoc_idx           ON statusdoc (iddoc)"},
    {2690, "CREATE INDEX statusdoc_idfactura_idx       ON statusdoc (idfactura)"},
    {2691, "CREATE INDEX statusdoc_idtipografiedoc_idx ON statusdoc (idtipografiedoc)"},
    {2708, "ALTER TABLE statusdoc ADD COLUMN username CHAR(20) DEFAULT NULL "},
    {2709, "ALTER TABLE statusdoc ADD COLUMN computername CHAR(250) DEFAULT NULL "},
    {2710, "ALTER TABLE statusdoc ADD COLUMN moment TIMESTAMP NOT NULL DEFAULT current_timestamp "},
    // statuspozitie
    {2711, "CREATE TABLE statuspozitie ( \tidstatuspozitie SERIAL NOT NULL,\tdenstatuspozitie CHAR(100) NOT NULL,\tculoarefont CHAR(30) DEFAULT NULL,\tordine INTEGER DEFAULT NULL,\tPRIMARY KEY (idstatuspozitie))"},
    {2712, "GRANT ALL PRIVILEGES            \t  ON TABLE statuspozitie TO GROUP grupadmin WITH GRANT OPTION"},
    {2713, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE statuspozitie TO GROUP gruppreluare"},
    {2714, "GRANT SELECT                         ON TABLE statuspozitie TO GROUP grupvizualizare"},
    {2715, "GRANT ALL PRIVILEGES ON SEQUENCE statuspozitie_idstatuspozitie_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2716, "GRANT ALL PRIVILEGES ON SEQUENCE statuspozitie_idstatuspozitie_seq TO GROUP gruppreluare "},
    {2717, "GRANT USAGE          ON SEQUENCE statuspozitie_idstatuspozitie_seq TO GROUP grupvizualizare"},
    {2722, "ALTER TABLE statuspozitie ADD COLUMN culoarefont CHAR(30) DEFAULT NULL"},
    // status
    {2723, "ALTER TABLE status ADD COLUMN culoarefont CHAR(30) DEFAULT NULL"},
    // statuspozitiereperaviz
    {2724, "CREATE TABLE statuspozitiereperaviz ( \tidstatuspozitiereperaviz SERIAL NOT NULL,\tidreperaviz INTEGER NOT NULL,\tidstatuspozitie INTEGER NOT NULL,\tdata DATE NOT NULL,\tobservatii TEXT DEFAULT NULL,\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tusername CHAR(20) NOT NULL,\tcomputername VARCHAR(80) NOT NULL DEFAULT '',\tPRIMARY KEY (idstatuspozitiereperaviz))"},
    {2725, "GRANT ALL PRIVILEGES            \t  ON TABLE statuspozitiereperaviz TO GROUP grupadmin WITH GRANT OPTION"},
    {2726, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE statuspozitiereperaviz TO GROUP gruppreluare"},
    {2727, "GRANT SELECT                         ON TABLE statuspozitiereperaviz TO GROUP grupvizualizare"},
    {2728, "GRANT ALL PRIVILEGES ON SEQUENCE statuspozitiereperaviz_idstatuspozitiereperaviz_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2729, "GRANT ALL PRIVILEGES ON SEQUENCE statuspozitiereperaviz_idstatuspozitiereperaviz_seq TO GROUP gruppreluare "},
    {2730, "GRANT USAGE          ON SEQUENCE statuspozitiereperaviz_idstatuspozitiereperaviz_seq TO GROUP grupvizualizare"},
    // repereaviz
    {2733, "ALTER TABLE repereaviz ADD COLUMN dataestimatalivrare DATE"},
    {2734, "ALTER TABLE repereaviz ADD COLUMN observatiirepercomanda CHAR(250)"},
    {2739, "ALTER TABLE repereaviz ADD COLUMN idfurnizor INTEGER DEFAULT NULL"},
    // factura
    {2768, "CREATE INDEX factura_idfactura_key ON factura (idfactura)"},
    {2769, "CREATE INDEX factura_idfirma_key ON factura (idfirma)"},
    {2770, "CREATE INDEX factura_tipdoc_idx ON factura (tipdoc)"},
    {2771, "CREATE INDEX factura_datafactura_idx ON factura (datafactura)"},
    {2772, "CREATE INDEX factura_datascadenta_idx ON factura (datascadenta)"},
    // factura_plati
    {2773, "CREATE INDEX factura_plati_idfactura_idplata_idx ON factura_plati (idfactura, idplata)"},
    {2774, "CREATE INDEX factura_plati_idfactura_key ON factura_plati (idfactura)"},
    {2775, "CREATE INDEX factura_plati_idplata_key ON factura_plati (idplata)"},
    // modplata
    {2776, "CREATE INDEX modplata_codmodplata_idx ON modplata (codmodplata)"},
    // totaluri
    {2777, "CREATE INDEX totaluri_idfactura_idx ON totaluri (idfactura)"},
    // plati
    {2778, "CREATE INDEX plati_iddoc_idx ON plati (iddoc)"},
    {2779, "CREATE INDEX plati_idfirma_idoperatiune_idx ON plati (idfirma, idoperatiune)"},
    {2780, "CREATE INDEX plati_idfirma_idx ON plati (idfirma)"},
    {2781, "CREATE INDEX plati_idoperatiune_idx ON plati (idoperatiune)"},
    {2782, "CREATE INDEX plati_idplata_idx ON plati (idplata)"},
    {2783, "CREATE INDEX plati_datadocplata_idx ON plati (datadocplata)"},
    {2784, "CREATE INDEX plati_idplata_idfirma_dtadocplata_idx ON plati (idplata, idfirma, datadocplata)"},
    {2785, "CREATE INDEX plati_idfirma_datadocplata_idx ON plati (idfirma, datadocplata)"},
    // doc
    {5936, "alter table doc add column uit varchar(50)"},
    {5953, "alter table doc add column idfirmapersoanecontactdoc integer"},
    {5954, "alter table doc add column numeprenumedoc  character varying(150)"},
    {5955, "alter table doc add column telefondoc  character varying(150)"},
    {5956, "alter table doc add column emaildoc  character varying(150)"},
    {5957, "alter table doc add column departamentdoc  character varying(150)"},
    // repereaviz
    {5958, "CREATE INDEX repereaviz_iddoc_idx ON repereaviz (iddoc)"},
    {5959, "CREATE INDEX repereaviz_idfactura_idx ON repereaviz (idfactura)"},
    {5960, "CREATE INDEX repereaviz_iddoc_idfactura_idx ON repereaviz (iddoc, idfactura)"},
    // doc
    {5967, "alter table doc add column nrcomandaclient character varying(50)"},
    {5968, "alter table doc alter column nrcomandaclient type character varying(50)"},
    {5969, "alter table doc add column datacomandaclient date"},
    // statuspozitie
    // The grants of statuspozitie once more, with the same texts: logged already, so refused.
    {6015, "GRANT ALL PRIVILEGES            \t  ON TABLE statuspozitie TO GROUP grupadmin WITH GRANT OPTION"},
    {6016, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE statuspozitie TO GROUP gruppreluare"},
    {6017, "GRANT SELECT                         ON TABLE statuspozitie TO GROUP grupvizualizare"},
    // doc
    {6075, "alter table doc ADD COLUMN uit_fisierqrcode varchar(254)"},
    {6076, "alter table doc ADD COLUMN fisierqrcode varchar(254)"},
    {6077, "alter table doc ADD COLUMN text_fisierqrcode TEXT"},
    {6107, "ALTER TABLE doc ADD COLUMN nrcontract character varying(50) "},
    {6108, "ALTER TABLE doc ALTER COLUMN nrcontract TYPE character varying(50) "},
    {6109, "ALTER TABLE doc ADD COLUMN bt10 character varying(50) "},
    {6110, "ALTER TABLE doc ADD COLUMN bt11 character varying(50) "},
    {6111, "ALTER TABLE doc ADD COLUMN bt12 character varying(50) "},
    {6112, "ALTER TABLE doc ADD COLUMN bt15 character varying(50) "},
    {6113, "ALTER TABLE doc ADD COLUMN bt16 character varying(50) "},
    // modplata
    {6128, "ALTER TABLE modplata ADD COLUMN codefactura character varying(10) not null default '380'"},
    // doc
    {6130, "ALTER TABLE doc ADD COLUMN codefactura character varying(10)"},
    // factura
    {6131, "ALTER TABLE factura ADD COLUMN codefactura character varying(10)"},
};

}  // namespace

Section documenteRows() { return kRows; }

}  // namespace script
