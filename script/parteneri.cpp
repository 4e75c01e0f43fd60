#include "script/sections.h"

namespace script {
namespace {

// Partners, currencies, VAT and excise, settings tables, report templates, user rights, e-mail.
constexpr ScriptRow kRows[] = {
    // delegat: delegates
    {19, "ALTER TABLE delegat ALTER COLUMN nrbi TYPE CHAR(6)"},
    // cotatva: VAT rates
    {26, "CREATE TABLE cotatva ( \tidcotatva SERIAL NOT NULL,\tcotatva NUMERIC(5,2) NOT NULL DEFAULT 0,\tUNIQUE (cotatva))"},
    {27, "GRANT ALL PRIVILEGES                 ON TABLE cotatva TO GROUP grupadmin WITH GRANT OPTION"},
    {28, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cotatva TO GROUP gruppreluare"},
    {29, "GRANT SELECT                         ON TABLE cotatva TO GROUP grupvizualizare"},
    {30, "GRANT ALL PRIVILEGES ON SEQUENCE cotatva_idcotatva_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {31, "GRANT ALL PRIVILEGES ON SEQUENCE cotatva_idcotatva_seq TO GROUP gruppreluare "},
    {32, "GRANT USAGE          ON SEQUENCE cotatva_idcotatva_seq TO GROUP grupvizualizare"},
    // firma: firms (customers and suppliers)
    {54, "ALTER TABLE firma DROP CONSTRAINT firma_codfiscal_key"},
    {55, "ALTER TABLE firma DROP CONSTRAINT firma_nrregcom_key"},
    // proprietate: names of report field properties
    {60, "CREATE TABLE proprietate ( \tproprietate VARCHAR(30) NOT NULL,\tUNIQUE (proprietate))"},
    {63, "GRANT ALL PRIVILEGES                 ON TABLE proprietate TO GROUP grupadmin WITH GRANT OPTION"},
    {64, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE proprietate TO GROUP gruppreluare"},
    {65, "GRANT SELECT                         ON TABLE proprietate TO GROUP grupvizualizare"},
    // setariProprietati: field properties per report template
    {66,
     "CREATE TABLE setariProprietati ( \t"
     "idsablon INTEGER NOT NULL,\t"
     "numeraport VARCHAR(30) NOT NULL,\t"
     "dencamp VARCHAR(30) NOT NULL,\t"
     "proprietate VARCHAR(30) NOT NULL,\t"
     "valoare NUMERIC(5,2) NOT NULL,\t"
     "UNIQUE ( idsablon, numeraport, dencamp, proprietate ))"},
    {67, "GRANT ALL PRIVILEGES                 ON TABLE setariProprietati TO GROUP grupadmin WITH GRANT OPTION"},
    {68, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE setariProprietati TO GROUP gruppreluare"},
    {69, "GRANT SELECT                         ON TABLE setariProprietati TO GROUP grupvizualizare"},
    // sablonraport: report templates
    {70,
     "CREATE TABLE sablonraport ( \t"
     "idsablon SERIAL NOT NULL,\t"
     "tipdoc CHAR(3),\t"
     "denumiresablon VARCHAR(30) NOT NULL,\t"
     "activ INTEGER NOT NULL DEFAULT 0 CHECK ( activ = 0 OR activ = 1 ),\t"
     "PRIMARY KEY (idsablon),\t"
     "UNIQUE (denumiresablon))"},
    {71, "GRANT ALL PRIVILEGES                 ON TABLE sablonraport TO GROUP grupadmin WITH GRANT OPTION"},
    {72, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE sablonraport TO GROUP gruppreluare"},
    {73, "GRANT SELECT                         ON TABLE sablonraport TO GROUP grupvizualizare"},
    {74, "GRANT ALL PRIVILEGES ON SEQUENCE sablonraport_idsablon_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {75, "GRANT ALL PRIVILEGES ON SEQUENCE sablonraport_idsablon_seq TO GROUP gruppreluare "},
    {76, "GRANT USAGE          ON SEQUENCE sablonraport_idsablon_seq TO GROUP grupvizualizare"},
    // valuta: currencies
    {77,
     "CREATE TABLE valuta ( \t"
     "codvaluta CHAR(3) NOT NULL,\t"
     "descrvaluta CHAR(15) NOT NULL,\t"
     "dataf DATE,\t"
     "ordine INTEGER,\t"
     "UNIQUE (codvaluta),\t"
     "UNIQUE (descrvaluta))"},
    {81, "GRANT ALL PRIVILEGES                 ON TABLE valuta TO GROUP grupadmin WITH GRANT OPTION"},
    {82, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE valuta TO GROUP gruppreluare"},
    {83, "GRANT SELECT                         ON TABLE valuta TO GROUP grupvizualizare"},
    // cursvalutar: exchange rates
    {84,
     "CREATE TABLE cursvalutar ( \t"
     "idcursvalutar SERIAL NOT NULL,\t"
     "codvaluta CHAR(3) NOT NULL,\t"
     "codreferinta CHAR(3) NOT NULL,\t"
     "datacurs DATE NOT NULL,\t"
     "valoare DECIMAL(15,4),\t"
     "PRIMARY KEY (idcursvalutar),\t"
     "UNIQUE (codvaluta, datacurs))"},
    {85, "GRANT ALL PRIVILEGES                 ON TABLE cursvalutar TO GROUP grupadmin WITH GRANT OPTION"},
    {86, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cursvalutar TO GROUP gruppreluare"},
    {87, "GRANT SELECT                         ON TABLE cursvalutar TO GROUP grupvizualizare"},
    {88, "GRANT ALL PRIVILEGES ON SEQUENCE cursvalutar_idcursvalutar_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {89, "GRANT ALL PRIVILEGES ON SEQUENCE cursvalutar_idcursvalutar_seq TO GROUP gruppreluare "},
    {90, "GRANT USAGE          ON SEQUENCE cursvalutar_idcursvalutar_seq TO GROUP grupvizualizare"},
    // delegat: delegates
    {116, "ALTER TABLE delegat ALTER COLUMN nrbi DROP NOT NULL"},
    // contbanca: bank accounts of firms
    {117, "ALTER TABLE contbanca DROP CONSTRAINT contbanca_nrcont_key"},
    {118, "CREATE UNIQUE INDEX contbanca_idfirma_key ON contbanca( idfirma, nrcont)"},
    // accize: excise duty kinds
    {147,
     "CREATE TABLE accize ( \t"
     "idacciza SERIAL NOT NULL,\t"
     "descracciza CHAR(250),\t"
     "UNIQUE (descracciza),\t"
     "PRIMARY KEY (idacciza))"},
    {148, "GRANT ALL PRIVILEGES                 ON TABLE accize TO GROUP grupadmin WITH GRANT OPTION"},
    {149, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE accize TO GROUP gruppreluare"},
    {150, "GRANT SELECT                         ON TABLE accize TO GROUP grupvizualizare"},
    // emitent: the issuer (the company itself)
    {157, "ALTER TABLE emitent ADD COLUMN altedate TEXT DEFAULT NULL"},
    {179, "ALTER TABLE emitent ADD COLUMN neplatitortva INTEGER DEFAULT NULL"},
    // setaridiverse: application settings (numbered, with current value and limits)
    {197,
     "CREATE TABLE setaridiverse ( \t"
     "idsetaridiverse SERIAL NOT NULL,\t"
     "densetare VARCHAR(254) NOT NULL,\t"
     "minim INTEGER,\t"
     "maxim INTEGER,\t"
     "valoarecurenta INTEGER,\t"
     "PRIMARY KEY (idsetaridiverse))"},
    {198, "ALTER TABLE setaridiverse ADD COLUMN ordine      INTEGER DEFAULT NULL"},
    {199, "ALTER TABLE setaridiverse ADD COLUMN cufacturare INTEGER DEFAULT NULL"},
    {200, "ALTER TABLE setaridiverse ADD COLUMN cunir       INTEGER DEFAULT NULL"},
    {201, "ALTER TABLE setaridiverse ADD COLUMN cucasa      INTEGER DEFAULT NULL"},
    {202, "GRANT ALL PRIVILEGES                 ON TABLE setaridiverse TO GROUP grupadmin WITH GRANT OPTION"},
    {203, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE setaridiverse TO GROUP gruppreluare"},
    {204, "GRANT SELECT                         ON TABLE setaridiverse TO GROUP grupvizualizare"},
    {221, "ALTER TABLE setaridiverse ADD COLUMN bifsauvaloare CHAR(10)"},
    {232, "CREATE UNIQUE INDEX densetare_key ON setaridiverse( densetare)"},
    // accize: excise duty kinds
    {239, "GRANT ALL PRIVILEGES ON SEQUENCE accize_idacciza_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {240, "GRANT ALL PRIVILEGES ON SEQUENCE accize_idacciza_seq TO GROUP gruppreluare "},
    {241, "GRANT USAGE          ON SEQUENCE accize_idacciza_seq TO GROUP grupvizualizare"},
    // setaridiverse: application settings (numbered, with current value and limits)
    {242, "GRANT ALL PRIVILEGES ON SEQUENCE setaridiverse_idsetaridiverse_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {243, "GRANT ALL PRIVILEGES ON SEQUENCE setaridiverse_idsetaridiverse_seq TO GROUP gruppreluare "},
    {244, "GRANT USAGE          ON SEQUENCE setaridiverse_idsetaridiverse_seq TO GROUP grupvizualizare"},
    // angajat: employees
    {251, "ALTER TABLE angajat ALTER COLUMN prenume TYPE CHAR(25)"},
    // traducere: translations of report fields
    {317,
     "CREATE TABLE traducere ( \t"
     "denraport char(30) NOT NULL,\t"
     "dencamp char(30) NOT NULL,\t"
     "romana char(100) NOT NULL,\t"
     "engleza char(100) NOT NULL,\t"
     "UNIQUE ( denraport, dencamp ))"},
    {318, "GRANT ALL PRIVILEGES                 ON TABLE traducere TO GROUP grupadmin WITH GRANT OPTION"},
    {319, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE traducere TO GROUP gruppreluare"},
    {320, "GRANT SELECT                         ON TABLE traducere TO GROUP grupvizualizare"},
    {321, "ALTER TABLE traducere ADD COLUMN document CHAR(50)"},
    // tiptva: VAT types
    {520, "CREATE TABLE tiptva ( \tidtiptva SERIAL NOT NULL,\ttiptva CHAR(50) NOT NULL,\tUNIQUE (tiptva))"},
    {521, "GRANT ALL PRIVILEGES                 ON TABLE tiptva TO GROUP grupadmin WITH GRANT OPTION"},
    {522, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE tiptva TO GROUP gruppreluare"},
    {523, "GRANT SELECT                         ON TABLE tiptva TO GROUP grupvizualizare"},
    {524, "GRANT ALL PRIVILEGES ON SEQUENCE tiptva_idtiptva_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {525, "GRANT ALL PRIVILEGES ON SEQUENCE tiptva_idtiptva_seq TO GROUP gruppreluare "},
    {526, "GRANT USAGE          ON SEQUENCE tiptva_idtiptva_seq TO GROUP grupvizualizare"},
    // firma: firms (customers and suppliers)
    {582, "ALTER TABLE firma ADD COLUMN datecontact TEXT"},
    {583, "ALTER TABLE firma ADD COLUMN istoric TEXT"},
    {584, "ALTER TABLE firma ADD COLUMN mesajfirma TEXT"},
    // firmadelegat: link between firms and delegates
    {594,
     "CREATE TABLE firmadelegat ( \t"
     "idfirma INTEGER NOT NULL,\t"
     "iddelegat INTEGER NOT NULL,\t"
     "UNIQUE (idfirma, iddelegat))"},
    {595, "GRANT ALL PRIVILEGES                 ON TABLE firmadelegat TO GROUP grupadmin WITH GRANT OPTION"},
    {596, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE firmadelegat TO GROUP gruppreluare"},
    {597, "GRANT SELECT                         ON TABLE firmadelegat TO GROUP grupvizualizare"},
    // setarialtele: other application settings (text values)
    {730,
     "CREATE TABLE setarialtele ( \t"
     "idsetarialtele SERIAL NOT NULL,\t"
     "densetare VARCHAR(254) NOT NULL,\t"
     "valoarecurenta CHAR(30),\t"
     "valoareimplicita CHAR(30),\t"
     "ordine INTEGER,\t"
     "PRIMARY KEY (idsetarialtele))"},
    {731, "GRANT ALL PRIVILEGES                 ON TABLE setarialtele TO GROUP grupadmin WITH GRANT OPTION"},
    {732, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE setarialtele TO GROUP gruppreluare"},
    {733, "GRANT SELECT                         ON TABLE setarialtele TO GROUP grupvizualizare"},
    // frazeComenziSQL: log of SQL commands entered by users
    {753,
     "CREATE TABLE frazeComenziSQL ( \t"
     "fraza text NOT NULL,\t"
     "moment TIMESTAMP NOT NULL DEFAULT current_timestamp,\t"
     "username VARCHAR(20) NOT NULL DEFAULT '',\t"
     "computername VARCHAR(80) NOT NULL DEFAULT '')"},
    {754, "GRANT ALL PRIVILEGES                 ON TABLE frazeComenziSQL TO GROUP grupadmin WITH GRANT OPTION"},
    {755, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE frazeComenziSQL TO GROUP gruppreluare"},
    {756, "GRANT SELECT                         ON TABLE frazeComenziSQL TO GROUP grupvizualizare"},
    // firma: firms (customers and suppliers)
    {797, "ALTER TABLE firma ADD COLUMN ordine INTEGER DEFAULT NULL"},
    // limitacreditare: credit limits of firms per currency
    {830,
     "CREATE TABLE limitacreditare ( \t"
     "idfirma INTEGER NOT NULL,\t"
     "valcreditare decimal(15,3) NOT NULL,\t"
     "codvaluta CHAR(3) NOT NULL,\t"
     "UNIQUE (idfirma, codvaluta))"},
    {831, "GRANT ALL PRIVILEGES                 ON TABLE limitacreditare TO GROUP grupadmin WITH GRANT OPTION"},
    {832, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE limitacreditare TO GROUP gruppreluare"},
    {833, "GRANT SELECT                         ON TABLE limitacreditare TO GROUP grupvizualizare"},
    // setaridiverse: application settings (numbered, with current value and limits)
    {1120, "ALTER TABLE setaridiverse ADD COLUMN cucasamarcat INTEGER DEFAULT NULL"},
    // cursvalutargrupe: exchange rates per rate group
    {1166,
     "CREATE TABLE cursvalutargrupe ( \t"
     "idcursvalutargrupe SERIAL NOT NULL,\t"
     "idgrupacurs INTEGER NOT NULL,\t"
     "codvaluta CHAR(3) NOT NULL,\t"
     "codreferinta CHAR(3) NOT NULL,\t"
     "datacurs DATE NOT NULL,\t"
     "valoare DECIMAL(15,4),\t"
     "PRIMARY KEY (idcursvalutargrupe),\t"
     "UNIQUE (codvaluta, datacurs, idgrupacurs))"},
    {1167, "GRANT ALL PRIVILEGES                 ON TABLE cursvalutargrupe TO GROUP grupadmin WITH GRANT OPTION"},
    {1168, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE cursvalutargrupe TO GROUP gruppreluare"},
    {1169, "GRANT SELECT                         ON TABLE cursvalutargrupe TO GROUP grupvizualizare"},
    {1170,
     "GRANT ALL PRIVILEGES ON SEQUENCE cursvalutargrupe_idcursvalutargrupe_seq TO GROUP "
     "grupadmin     WITH GRANT OPTION"},
    {1171, "GRANT ALL PRIVILEGES ON SEQUENCE cursvalutargrupe_idcursvalutargrupe_seq TO GROUP gruppreluare "},
    {1172, "GRANT USAGE          ON SEQUENCE cursvalutargrupe_idcursvalutargrupe_seq TO GROUP grupvizualizare"},
    // grupacurs: exchange-rate groups
    {1173,
     "CREATE TABLE grupacurs ( \t"
     "idgrupacurs SERIAL NOT NULL,\t"
     "dengrupacurs CHAR(30),\t"
     "PRIMARY KEY (idgrupacurs),\t"
     "UNIQUE (dengrupacurs))"},
    {1174, "GRANT ALL PRIVILEGES                 ON TABLE grupacurs TO GROUP grupadmin WITH GRANT OPTION"},
    {1175, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE grupacurs TO GROUP gruppreluare"},
    {1176, "GRANT SELECT                         ON TABLE grupacurs TO GROUP grupvizualizare"},
    {1177, "GRANT ALL PRIVILEGES ON SEQUENCE grupacurs_idgrupacurs_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {1178, "GRANT ALL PRIVILEGES ON SEQUENCE grupacurs_idgrupacurs_seq TO GROUP gruppreluare "},
    {1179, "GRANT USAGE          ON SEQUENCE grupacurs_idgrupacurs_seq TO GROUP grupvizualizare"},
    // setaridiverse: application settings (numbered, with current value and limits)
    {1184, "ALTER TABLE setaridiverse  ALTER COLUMN cufacturare SET NOT NULL"},
    {1185, "ALTER TABLE setaridiverse  ALTER COLUMN cufacturare SET DEFAULT 0"},
    {1187, "ALTER TABLE setaridiverse  ALTER COLUMN cunir SET NOT NULL"},
    {1188, "ALTER TABLE setaridiverse  ALTER COLUMN cunir SET DEFAULT 0"},
    {1190, "ALTER TABLE setaridiverse  ALTER COLUMN cucasa SET NOT NULL"},
    {1191, "ALTER TABLE setaridiverse  ALTER COLUMN cucasa SET DEFAULT 0"},
    {1193, "ALTER TABLE setaridiverse  ALTER COLUMN cucasamarcat SET NOT NULL"},
    {1194, "ALTER TABLE setaridiverse  ALTER COLUMN cucasamarcat SET DEFAULT 0"},
    {1195, "ALTER TABLE setaridiverse  ADD COLUMN vizibil INTEGER NOT NULL DEFAULT 1"},
    // contribuabil: taxpayer data of the issuer (fiscal domicile, fiscal representative)
    {1366,
     "CREATE TABLE contribuabil ( \t"
     "domiciliufiscalcontribuabil CHAR(160),\t"
     "telefon CHAR(30),\t"
     "fax CHAR(30),\t"
     "email CHAR(80),\t"
     "cifreprezentantfiscal CHAR(10),\t"
     "denumirereprezentantfiscal CHAR(100),\t"
     "domiciliureprezentantfiscal CHAR(160),\t"
     "telefonreprezentantfiscal CHAR(30),\t"
     "faxreprezentantfiscal CHAR(30),\t"
     "emailreprezentantfiscal CHAR(80))"},
    {1367, "GRANT ALL PRIVILEGES                 ON TABLE contribuabil TO GROUP grupadmin WITH GRANT OPTION"},
    {1368, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE contribuabil TO GROUP gruppreluare"},
    {1369, "GRANT SELECT                         ON TABLE contribuabil TO GROUP grupvizualizare"},
    // delegat: delegates
    {1370, "ALTER TABLE delegat  ADD COLUMN nuafisa INTEGER DEFAULT NULL "},
    // dreptseriedocuser: document-series rights per user
    {1393,
     "CREATE TABLE dreptseriedocuser ( \t"
     "username CHAR(20) NOT NULL,\t"
     "idseriedoc INTEGER NOT NULL,\t"
     "UNIQUE (username, idseriedoc))"},
    {1394, "GRANT ALL PRIVILEGES                 ON TABLE dreptseriedocuser TO GROUP grupadmin WITH GRANT OPTION"},
    {1395, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE dreptseriedocuser TO GROUP gruppreluare"},
    {1396, "GRANT SELECT                         ON TABLE dreptseriedocuser TO GROUP grupvizualizare"},
    // dreptgestiuneuser: warehouse rights per user
    {1397,
     "CREATE TABLE dreptgestiuneuser ( \t"
     "username CHAR(20) NOT NULL,\t"
     "idgestiune INTEGER NOT NULL,\t"
     "UNIQUE (username, idgestiune))"},
    {1398, "GRANT ALL PRIVILEGES                 ON TABLE dreptgestiuneuser TO GROUP grupadmin WITH GRANT OPTION"},
    {1399, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE dreptgestiuneuser TO GROUP gruppreluare"},
    {1400, "GRANT SELECT                         ON TABLE dreptgestiuneuser TO GROUP grupvizualizare"},
    // dreptferestre: window rights per user
    {1401,
     "CREATE TABLE dreptferestre ( \t"
     "iddreptferestre SERIAL NOT NULL,\t"
     "fereastra CHAR(160) NOT NULL,\t"
     "username CHAR(20),\t"
     "drept INTEGER DEFAULT NULL,\t"
     "UNIQUE (iddreptferestre),\t"
     "UNIQUE (fereastra, username),\t"
     "UNIQUE (fereastra, username, drept))"},
    {1402, "GRANT ALL PRIVILEGES                 ON TABLE dreptferestre TO GROUP grupadmin WITH GRANT OPTION"},
    {1403, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE dreptferestre TO GROUP gruppreluare"},
    {1404, "GRANT SELECT                         ON TABLE dreptferestre TO GROUP grupvizualizare"},
    // dreptdatauser: date limits of access per user
    {1405,
     "CREATE TABLE dreptdatauser ( \t"
     "username CHAR(20) NOT NULL,\t"
     "data DATE DEFAULT NULL,\t"
     "zile INTEGER DEFAULT NULL,\t"
     "UNIQUE (username, data),\t"
     "CHECK (data IS NOT NULL OR zile IS NOT NULL))"},
    {1406, "GRANT ALL PRIVILEGES                 ON TABLE dreptdatauser TO GROUP grupadmin WITH GRANT OPTION"},
    {1407, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE dreptdatauser TO GROUP gruppreluare"},
    {1408, "GRANT SELECT                         ON TABLE dreptdatauser TO GROUP grupvizualizare"},
    // ferestre: application windows
    {1409,
     "CREATE TABLE ferestre ( \t"
     "idfereastra SERIAL NOT NULL,\t"
     "fereastra CHAR(160) NOT NULL,\t"
     "caption CHAR(250),\t"
     "descriere TEXT,\t"
     "vizibil INTEGER NOT NULL DEFAULT 1,\t"
     "modul CHAR(50) DEFAULT NULL,\t"
     "UNIQUE (fereastra),\t"
     "UNIQUE (idfereastra))"},
    {1410, "GRANT ALL PRIVILEGES                 ON TABLE ferestre TO GROUP grupadmin WITH GRANT OPTION"},
    {1411, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE ferestre TO GROUP gruppreluare"},
    {1412, "GRANT SELECT                         ON TABLE ferestre TO GROUP grupvizualizare"},
    // dreptsetaridiverseuser: settings rights per user
    {1413,
     "CREATE TABLE dreptsetaridiverseuser ( \t"
     "username CHAR(20) NOT NULL,\t"
     "idsetaridiverse INTEGER NOT NULL,\t"
     "UNIQUE (username, idsetaridiverse))"},
    {1414, "GRANT ALL PRIVILEGES                 ON TABLE dreptsetaridiverseuser TO GROUP grupadmin WITH GRANT OPTION"},
    {1415, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE dreptsetaridiverseuser TO GROUP gruppreluare"},
    {1416, "GRANT SELECT                         ON TABLE dreptsetaridiverseuser TO GROUP grupvizualizare"},
    // dreptuserseriedoc: document-series rights per user (numbered)
    {1428,
     "CREATE TABLE dreptuserseriedoc ( \t"
     "iddreptuserseriedoc SERIAL NOT NULL,\t"
     "username CHAR(20) NOT NULL,\t"
     "idseriedoc INTEGER NOT NULL,\t"
     "UNIQUE (username, idseriedoc))"},
    {1429, "GRANT ALL PRIVILEGES                 ON TABLE dreptuserseriedoc TO GROUP grupadmin WITH GRANT OPTION"},
    {1430, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE dreptuserseriedoc TO GROUP gruppreluare"},
    {1431, "GRANT SELECT                         ON TABLE dreptuserseriedoc TO GROUP grupvizualizare"},
    // tiptva: VAT types
    {1435, "ALTER TABLE tiptva ADD COLUMN mesaj CHAR(250) DEFAULT NULL"},
    {1448, "ALTER TABLE tiptva ADD UNIQUE (idtiptva) "},
    {1449, "ALTER TABLE tiptva ADD COLUMN scrieincoloanatva CHAR(20) DEFAULT NULL"},
    {1450, "ALTER TABLE tiptva ADD COLUMN scrie INTEGER DEFAULT NULL"},
    // setarialtele: other application settings (text values)
    {1468, "ALTER TABLE setarialtele ALTER COLUMN valoarecurenta TYPE CHAR(254) "},
    {1469, "ALTER TABLE setarialtele ALTER COLUMN valoareimplicita TYPE CHAR(254) "},
    {1470, "ALTER TABLE setarialtele ALTER COLUMN valoarecurenta SET DEFAULT NULL"},
    {1471, "ALTER TABLE setarialtele ALTER COLUMN valoareimplicita SET DEFAULT NULL"},
    // zona: zones
    {1480, "CREATE TABLE zona ( \tidzona SERIAL NOT NULL,\tzona CHAR(50) NOT NULL,\tUNIQUE (idzona),\tUNIQUE (zona))"},
    {1481, "GRANT ALL PRIVILEGES                 ON TABLE zona TO GROUP grupadmin WITH GRANT OPTION"},
    {1482, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE zona TO GROUP gruppreluare"},
    {1483, "GRANT SELECT                         ON TABLE zona TO GROUP grupvizualizare"},
    // firma: firms (customers and suppliers)
    {1484, "ALTER TABLE firma ADD COLUMN idzona INTEGER DEFAULT NULL"},
    // zonajudet: counties of a zone
    {1485, "CREATE TABLE zonajudet ( \tidzona INTEGER NOT NULL,\tcodjudet CHAR(3) NOT NULL,\tUNIQUE (idzona, codjudet))"},
    {1486, "GRANT ALL PRIVILEGES                 ON TABLE zonajudet TO GROUP grupadmin WITH GRANT OPTION"},
    {1487, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE zonajudet TO GROUP gruppreluare"},
    {1488, "GRANT SELECT                         ON TABLE zonajudet TO GROUP grupvizualizare"},
    // cotatva: VAT rates
    {1496, "ALTER TABLE cotatva ADD COLUMN datastart DATE "},
    {1497, "ALTER TABLE cotatva ADD COLUMN datafinal DATE "},
    // firmapersoanecontact: contact persons of firms
    {1551,
     "CREATE TABLE firmapersoanecontact ( \t"
     "idfirmapersoanecontact SERIAL NOT NULL,\t"
     "functia CHAR(30) DEFAULT NULL,\t"
     "numeprenume CHAR(150) NOT NULL,\t"
     "telefon CHAR(100) DEFAULT NULL,\t"
     "email CHAR(100) DEFAULT NULL,\t"
     "nuafisa INTEGER DEFAULT NULL,\t"
     "idfirma INTEGER NOT NULL,\t"
     "UNIQUE (idfirmapersoanecontact))"},
    {1552, "GRANT ALL PRIVILEGES                 ON TABLE firmapersoanecontact TO GROUP grupadmin WITH GRANT OPTION"},
    {1553, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE firmapersoanecontact TO GROUP gruppreluare"},
    {1554, "GRANT SELECT                         ON TABLE firmapersoanecontact TO GROUP grupvizualizare"},
    // firma: firms (customers and suppliers)
    {1610, "alter table firma add column adrfirmacorespondenta text default null"},
    {1629, "ALTER TABLE firma ADD COLUMN contanalitic CHAR(50) DEFAULT NULL"},
    // emitent: the issuer (the company itself)
    {1706, "ALTER TABLE emitent ALTER COLUMN capitalsocial TYPE CHAR(250) "},
    // emicontbanca: bank accounts of the issuer
    {1748, "ALTER TABLE emicontbanca ADD COLUMN ordine INTEGER DEFAULT NULL"},
    // cursvalutar: exchange rates
    {1773, "alter table cursvalutar alter column valoare type numeric(15, 6)"},
    // firmascanate: scanned files attached to firms
    {1835,
     "CREATE TABLE firmascanate ( \t"
     "idfirmascanate serial NOT NULL primary key,\t"
     "idfirma integer NOT NULL,\t"
     "calefisier char(250) NOT NULL,\t"
     "observatii text DEFAULT NULL)"},
    {1844, "GRANT ALL PRIVILEGES ON TABLE firmascanate TO grupadmin WITH GRANT OPTION "},
    {1845, "GRANT SELECT, UPDATE, INSERT, DELETE ON TABLE firmascanate TO gruppreluare"},
    {1846, "GRANT SELECT ON TABLE firmascanate TO grupvizualizare"},
    {1847, "GRANT ALL PRIVILEGES ON SEQUENCE firmascanate_idfirmascanate_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    // firmatvalaincasare: periods in which a firm applies VAT on collection
    {1850,
     "CREATE TABLE firmatvalaincasare ( \t"
     "idfirmatvalaincasare SERIAL NOT NULL,\t"
     "idfirma INTEGER NOT NULL,\t"
     "datastart DATE NOT NULL,\t"
     "dataend DATE,\t"
     "UNIQUE (idfirmatvalaincasare),\t"
     "UNIQUE (idfirma, datastart),\t"
     "UNIQUE (idfirma, dataend))"},
    {1851, "GRANT ALL PRIVILEGES                 ON TABLE firmatvalaincasare TO GROUP grupadmin WITH GRANT OPTION"},
    {1852, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE firmatvalaincasare TO GROUP gruppreluare"},
    {1853, "GRANT SELECT                         ON TABLE firmatvalaincasare TO GROUP grupvizualizare"},
    {1854,
     "GRANT ALL PRIVILEGES ON SEQUENCE firmatvalaincasare_idfirmatvalaincasare_seq TO GROUP "
     "grupadmin     WITH GRANT OPTION"},
    {1855, "GRANT ALL PRIVILEGES ON SEQUENCE firmatvalaincasare_idfirmatvalaincasare_seq TO GROUP gruppreluare "},
    {1856, "GRANT USAGE          ON SEQUENCE firmatvalaincasare_idfirmatvalaincasare_seq TO GROUP grupvizualizare"},
    // firmatermenplata: payment terms of firms
    {1883,
     "CREATE TABLE firmatermenplata ( \t"
     "idfirmatermenplata SERIAL NOT NULL,\t"
     "idfirma INTEGER NOT NULL,\t"
     "codmodplata INTEGER NOT NULL,\t"
     "ziletermenplata INTEGER DEFAULT NULL,\t"
     "zidinluna INTEGER DEFAULT NULL,\t"
     "CHECK (ziletermenplata IS NOT NULL OR zidinluna IS NOT NULL),\t"
     "UNIQUE (idfirmatermenplata),\t"
     "UNIQUE (idfirma))"},
    {1884, "GRANT ALL PRIVILEGES                 ON TABLE firmatermenplata TO GROUP grupadmin WITH GRANT OPTION"},
    {1885, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE firmatermenplata TO GROUP gruppreluare"},
    {1886, "GRANT SELECT                         ON TABLE firmatermenplata TO GROUP grupvizualizare"},
    {1887,
     "GRANT ALL PRIVILEGES ON SEQUENCE firmatermenplata_idfirmatermenplata_seq TO GROUP "
     "grupadmin     WITH GRANT OPTION"},
    {1888, "GRANT ALL PRIVILEGES ON SEQUENCE firmatermenplata_idfirmatermenplata_seq TO GROUP gruppreluare "},
    {1889, "GRANT USAGE          ON SEQUENCE firmatermenplata_idfirmatermenplata_seq TO GROUP grupvizualizare"},
    // firma: firms (customers and suppliers)
    {1890, "ALTER TABLE firma ADD COLUMN mesajcumparator TEXT"},
    // firmaagent: sales agents of firms
    {1919,
     "CREATE TABLE firmaagent ( \t"
     "idfirmaagent SERIAL NOT NULL,\t"
     "idfirma INTEGER NOT NULL,\t"
     "idang INTEGER NOT NULL,\t"
     "PRIMARY KEY (idfirmaagent),\t"
     "UNIQUE (idfirmaagent),\t"
     "UNIQUE (idang, idfirma))"},
    {1920, "GRANT ALL PRIVILEGES                 ON TABLE firmaagent TO GROUP grupadmin WITH GRANT OPTION"},
    {1921, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE firmaagent TO GROUP gruppreluare"},
    {1922, "GRANT SELECT                         ON TABLE firmaagent TO GROUP grupvizualizare"},
    {1923, "ALTER TABLE firmaagent RENAME COLUMN idangajat TO idang"},
    // firmapunctlucru: work points (branches) of firms
    {1948,
     "CREATE TABLE firmapunctlucru ( \t"
     "idfirmapunctlucru SERIAL NOT NULL,\t"
     "idfirma INTEGER NOT NULL,\t"
     "codjudetpunctlucru char(2) DEFAULT NULL,\t"
     "codtarapunctlucru char(3) DEFAULT NULL,\t"
     "denfirmapunctlucru CHAR(150) NOT NULL,\t"
     "codfiscalpunctlucru CHAR(15) DEFAULT NULL,\t"
     "adrfirmapunctlucru CHAR(180) DEFAULT NULL,\t"
     "nrregcompunctlucru CHAR(20) NOT NULL,\t"
     "localitateapunctlucru CHAR(100) DEFAULT NULL,\t"
     "idzonapunctlucru INTEGER DEFAULT NULL,\t"
     "mesajfirmapunctlucru text,\t"
     "mesajcumparatorpunctlucru text,\t"
     "contanaliticpunctlucru CHAR(50) DEFAULT NULL,\t"
     "ordinepunctlucru INTEGER DEFAULT NULL,\t"
     "nuafisapunctlucru INTEGER DEFAULT NULL,\t"
     "PRIMARY KEY (idfirmapunctlucru),\t"
     "UNIQUE(idfirmapunctlucru))"},
    {1949, "GRANT ALL PRIVILEGES ON TABLE firmapunctlucru TO GROUP grupadmin WITH GRANT OPTION"},
    {1950, "GRANT ALL PRIVILEGES ON TABLE firmapunctlucru TO GROUP gruppreluare"},
    {1951, "GRANT SELECT         ON TABLE firmapunctlucru TO GROUP grupvizualizare"},
    {1952,
     "GRANT ALL PRIVILEGES ON SEQUENCE firmapunctlucru_idfirmapunctlucru_seq TO GROUP grupadmin "
     "    WITH GRANT OPTION"},
    {1953, "GRANT ALL PRIVILEGES ON SEQUENCE firmapunctlucru_idfirmapunctlucru_seq TO GROUP gruppreluare "},
    {1954, "GRANT USAGE          ON SEQUENCE firmapunctlucru_idfirmapunctlucru_seq TO GROUP grupvizualizare"},
    // contbanca: bank accounts of firms
    {1955, "ALTER TABLE contbanca  ADD COLUMN idfirmapunctlucru INTEGER DEFAULT NULL"},
    // firmaagent: sales agents of firms
    {1956, "ALTER TABLE firmaagent ADD COLUMN idfirmapunctlucru INTEGER DEFAULT NULL"},
    // firmadelegat: link between firms and delegates
    {1957, "ALTER TABLE firmadelegat ADD COLUMN idfirmapunctlucru INTEGER DEFAULT NULL"},
    // firmapersoanecontact: contact persons of firms
    {1958, "ALTER TABLE firmapersoanecontact ADD COLUMN idfirmapunctlucru INTEGER DEFAULT NULL"},
    // firmapunctlucru: work points (branches) of firms
    {1961, "ALTER TABLE firmapunctlucru ADD COLUMN nuafisapunctlucru INTEGER DEFAULT NULL"},
    // tiptva: VAT types
    {1997, "ALTER TABLE tiptva ADD COLUMN ordine INTEGER DEFAULT NULL"},
    {1999, "ALTER TABLE tiptva ALTER COLUMN tiptva TYPE CHAR(150)"},
    {2000, "ALTER TABLE tiptva ALTER COLUMN scrieincoloanatva TYPE CHAR(150)"},
    // tipclient: client types
    {2165,
     "CREATE TABLE tipclient ( \t"
     "idtipclient SERIAL NOT NULL,\t"
     "dentipclient CHAR(50) NOT NULL,\t"
     "UNIQUE (idtipclient),\t"
     "UNIQUE (dentipclient))"},
    {2169, "GRANT ALL PRIVILEGES                 ON TABLE tipclient TO GROUP grupadmin WITH GRANT OPTION"},
    {2170, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE tipclient TO GROUP gruppreluare"},
    {2171, "GRANT SELECT                         ON TABLE tipclient TO GROUP grupvizualizare"},
    // cotatva: VAT rates
    {2274, "ALTER TABLE cotatva ADD COLUMN implicit INTEGER DEFAULT NULL"},
    // emitent: the issuer (the company itself)
    {2455,
     "ALTER TABLE emitent ADD COLUMN GLN NUMERIC(15) NOT NULL DEFAULT 0, ADD COLUMN "
     "stradaemitent CHAR(250) NOT NULL DEFAULT '-', ADD COLUMN numaremitent CHAR(20) NOT NULL "
     "DEFAULT '-' , ADD COLUMN codpostalemitent CHAR(10) NOT NULL DEFAULT '-'"},
    {2456,
     "ALTER TABLE emitent ADD COLUMN persoanacontact CHAR(100) DEFAULT NULL, ADD COLUMN telefon "
     "CHAR(30) DEFAULT NULL"},
    {2457, "ALTER TABLE emitent ADD COLUMN adresaemail CHAR(100) DEFAULT NULL"},
    {2458, "ALTER TABLE emitent ADD COLUMN antetefactura TEXT DEFAULT NULL"},
    // formulare: printable forms
    {2541,
     "CREATE TABLE formulare ( \t"
     "idformular SERIAL NOT NULL,\t"
     "denformular CHAR(250) NOT NULL,\t"
     "continutformular TEXT DEFAULT NULL,\t"
     "calegenerare CHAR(250) DEFAULT NULL,\t"
     "parametri TEXT DEFAULT NULL,\t"
     "explicatii TEXT NOT NULL,\t"
     "UNIQUE (idformular),\t"
     "UNIQUE (denformular))"},
    {2542, "GRANT ALL PRIVILEGES ON TABLE formulare  TO  GROUP PUBLIC"},
    // setarecoloanegridfereastra: grid column settings per window, component and user
    {2566,
     "CREATE TABLE setarecoloanegridfereastra ( \t"
     "idcoloanegridfereastra SERIAL NOT NULL,\t"
     "username CHAR(50) DEFAULT NULL,\t"
     "denfereastra CHAR(250) NOT NULL,\t"
     "componenta CHAR(250) NOT NULL,\t"
     "coloana INTEGER NOT NULL,\t"
     "titlucoloana CHAR(150) DEFAULT NULL,\t"
     "vizibila INTEGER NOT NULL DEFAULT 1,\t"
     "latime INTEGER NOT NULL DEFAULT 50,\t"
     "latimeimplicita INTEGER NOT NULL DEFAULT 50,\t"
     "UNIQUE (idcoloanegridfereastra ),\t"
     "UNIQUE(denfereastra , componenta, coloana, username ))"},
    {2567, "GRANT ALL PRIVILEGES ON TABLE setarecoloanegridfereastra TO GROUP grupadmin WITH GRANT OPTION"},
    {2568, "GRANT ALL PRIVILEGES ON TABLE setarecoloanegridfereastra TO GROUP gruppreluare"},
    {2569, "GRANT ALL PRIVILEGES ON TABLE setarecoloanegridfereastra TO GROUP grupvizualizare"},
    {2570,
     "GRANT ALL PRIVILEGES ON SEQUENCE setarecoloanegridfereastra_idcoloanegridfereastra_seq TO "
     "GROUP grupadmin     WITH GRANT OPTION"},
    {2571, "GRANT ALL PRIVILEGES ON SEQUENCE setarecoloanegridfereastra_idcoloanegridfereastra_seq TO GROUP gruppreluare "},
    {2572,
     "GRANT ALL PRIVILEGES ON SEQUENCE setarecoloanegridfereastra_idcoloanegridfereastra_seq TO "
     "GROUP grupvizualizare"},
    // firmapersoanecontact: contact persons of firms
    {2670, "ALTER TABLE firmapersoanecontact \tADD COLUMN cardfidelitate CHAR(50) DEFAULT NULL "},
    {2671, "CREATE INDEX firmapersoanecontact_cardfidelitate_idx ON firmapersoanecontact (cardfidelitate)"},
    // firmapunctlucru: work points (branches) of firms
    {2681, "CREATE INDEX firmapunctlucru_idfirma_idx ON firmapunctlucru USING btree (idfirma)"},
    // firmapersoanecontact: contact persons of firms
    {2682, "CREATE INDEX firmapersoanecontact_idfirma_idx ON firmapersoanecontact USING btree (idfirma)"},
    {2683, "CREATE INDEX firmapersoanecontact_numeprenume_idx ON firmapersoanecontact USING btree (numeprenume)"},
    // firma: firms (customers and suppliers)
    {2707, "ALTER TABLE firma ADD COLUMN datacreare timestamp NOT NULL DEFAULT current_date"},
    // firmapersoanecontact: contact persons of firms
    {2735, "ALTER TABLE firmapersoanecontact ADD COLUMN cardfidelitatedataatribuire DATE DEFAULT NULL"},
    {2736, "ALTER TABLE firmapersoanecontact ADD COLUMN datanastere DATE DEFAULT NULL"},
    // firma: firms (customers and suppliers)
    {2740, "ALTER TABLE firma ADD COLUMN blocata INTEGER DEFAULT NULL"},
    {2786, "CREATE INDEX firma_codfiscal_idx ON firma (codfiscal)"},
    {2787, "CREATE INDEX firma_denfirma_idx ON firma (denfirma)"},
    {2788, "CREATE INDEX firma_idfirma_idx ON firma (idfirma)"},
    // emailconfigclient: e-mail account settings
    {2802,
     "CREATE TABLE emailconfigclient ( \t"
     "idemailclient SERIAL NOT NULL,\t"
     "name varchar(200),\t"
     "fromemail varchar(200),\t"
     "emailcc varchar(200),\t"
     "emailreplyto varchar(200),\t"
     "accounttype varchar(20),\t"
     "incomingmailserver varchar(250),\t"
     "incomingport integer,\t"
     "outgoingmailserver varchar(200),\t"
     "outgoingserverport integer,\t"
     "usessl integer,\t"
     "encryptedconnection varchar(100),\t"
     "outgoingdestinationmailserver varchar(200),\t"
     "method varchar(30),\t"
     "username varchar(50),\t"
     "pass varchar(200),\t"
     "semnaturaemail varchar(5000),\t"
     "serveconfig text,\t"
     "PRIMARY KEY (idemailclient))"},
    {2803, "GRANT ALL PRIVILEGES                 ON TABLE emailconfigclient TO GROUP grupadmin WITH GRANT OPTION"},
    {2804, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE emailconfigclient TO GROUP gruppreluare"},
    {2805, "GRANT SELECT                         ON TABLE emailconfigclient TO GROUP grupvizualizare"},
    {2806, "alter table emailconfigclient alter column semnaturaemail type varchar(5000)"},
    // emaillog: log of e-mails sent
    {4961,
     "CREATE TABLE emaillog ( \t"
     "idemaillog serial NOT NULL,\t"
     "idfirma integer,\t"
     "emailfromname varchar(200),\t"
     "emailfrom varchar(200),\t"
     "emailto varchar(200),\t"
     "emailcc varchar(200),\t"
     "emailreplyto varchar(200),\t"
     "subject varchar(250),\t"
     "emailbody varchar(100000),\t"
     "rezultat text,\t"
     "moment TIMESTAMP NOT NULL DEFAULT current_timestamp)"},
    {4962, "GRANT ALL PRIVILEGES                 ON TABLE emaillog TO GROUP grupadmin WITH GRANT OPTION"},
    {4963, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE emaillog TO GROUP gruppreluare"},
    {4964, "GRANT SELECT                         ON TABLE emaillog TO GROUP grupvizualizare"},
    // judet: counties
    {5151, "ALTER TABLE judet ADD cod numeric"},
    // tara: countries
    {5214, "ALTER TABLE tara ADD CONSTRAINT tara_codtara_uk UNIQUE (codtara)"},
    {5303, "alter table tara add column zona char(20)"},
    // firma: firms (customers and suppliers)
    {5950, "alter table firma add column contactobligatoriu integer"},
    // firmapunctlucru: work points (branches) of firms
    {5951, "alter table firmapunctlucru add column contactobligatoriupl integer"},
    // firmapersoanecontact: contact persons of firms
    {5952, "alter table firmapersoanecontact add column departament character varying(250)"},
    // emaillog: log of e-mails sent
    {5963, "alter table emaillog alter column emailbody type varchar(100000)"},
    // firmapersoanecontact: contact persons of firms
    {5964, "ALTER TABLE firmapersoanecontact ADD COLUMN notificaresold INTEGER DEFAULT NULL"},
    // setariferestre: window component settings per user
    {6089,
     "CREATE TABLE setariferestre ( \t"
     "idsetari_ferestre serial NOT NULL,\t"
     "username character varying(30) NOT NULL,\t"
     "fereastra character varying(250) NOT NULL,\t"
     "dencomponenta character varying(250) NOT NULL,\t"
     "colindex integer,\t"
     "width integer,\t"
     "fontsize integer,\t"
     "coltitle character varying(250),\t"
     "CONSTRAINT setariferestre_pkey PRIMARY KEY (idsetari_ferestre))"},
    // tiptva: VAT types
    {6090, "ALTER TABLE tiptva ADD COLUMN TaxCategory_ID character varying(5) "},
    {6091, "ALTER TABLE tiptva ADD COLUMN TaxExemptionReasonCode character varying(50) "},
    // firma: firms (customers and suppliers)
    {6125, "ALTER TABLE firma ADD COLUMN nrcontract character varying(50) "},
};

}  // namespace

Section parteneriRows() { return kRows; }

}  // namespace script
