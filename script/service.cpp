#include "script/sections.h"

namespace script {
namespace {

// Workshop service module (s_ tables), EDI with retail customers,
// print-shop orders, document exchange and the service register.
constexpr ScriptRow kRows[] = {
    // s_marcaauto - service: car makes
    {2014, "CREATE TABLE s_marcaauto ( \tidmarcaauto SERIAL NOT NULL,\tdenmarcaauto CHAR(250),\tordine INTEGER DEFAULT NULL,\tblocat INTEGER DEFAULT NULL,\tUNIQUE (idmarcaauto),\tUNIQUE (denmarcaauto))"},
    {2024, "GRANT ALL PRIVILEGES                 ON TABLE s_marcaauto TO GROUP grupadmin WITH GRANT OPTION"},
    {2025, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_marcaauto TO GROUP gruppreluare"},
    {2026, "GRANT SELECT                         ON TABLE s_marcaauto TO GROUP grupvizualizare"},
    {2027, "GRANT ALL PRIVILEGES ON SEQUENCE s_marcaauto_idmarcaauto_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2028, "GRANT ALL PRIVILEGES ON SEQUENCE s_marcaauto_idmarcaauto_seq TO GROUP gruppreluare "},
    {2029, "GRANT USAGE          ON SEQUENCE s_marcaauto_idmarcaauto_seq TO GROUP grupvizualizare"},

    // s_tiplucrare - service: work types
    {2030, "CREATE TABLE s_tiplucrare ( \tidtiplucrare SERIAL NOT NULL,\tdentiplucrare CHAR(250),\tobservatii CHAR(250),\tordine INTEGER DEFAULT NULL,\tUNIQUE (idtiplucrare),\tUNIQUE (dentiplucrare))"},
    {2033, "GRANT ALL PRIVILEGES                 ON TABLE s_tiplucrare TO GROUP grupadmin WITH GRANT OPTION"},
    {2034, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_tiplucrare TO GROUP gruppreluare"},
    {2035, "GRANT SELECT                         ON TABLE s_tiplucrare TO GROUP grupvizualizare"},
    {2036, "GRANT ALL PRIVILEGES ON SEQUENCE s_tiplucrare_idtiplucrare_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2037, "GRANT ALL PRIVILEGES ON SEQUENCE s_tiplucrare_idtiplucrare_seq TO GROUP gruppreluare "},
    {2038, "GRANT USAGE          ON SEQUENCE s_tiplucrare_idtiplucrare_seq TO GROUP grupvizualizare"},

    // s_tipcomanda - service: order types
    {2039, "CREATE TABLE s_tipcomanda ( \tidtipcomanda SERIAL NOT NULL,\tdentipcomanda CHAR(250),\tobservatii CHAR(250),\tordine INTEGER DEFAULT NULL,\tUNIQUE (idtipcomanda),\tUNIQUE (dentipcomanda))"},
    {2046, "GRANT ALL PRIVILEGES                 ON TABLE s_tipcomanda TO GROUP grupadmin WITH GRANT OPTION"},
    {2047, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_tipcomanda TO GROUP gruppreluare"},
    {2048, "GRANT SELECT                         ON TABLE s_tipcomanda TO GROUP grupvizualizare"},
    {2049, "GRANT ALL PRIVILEGES ON SEQUENCE s_tipcomanda_idtipcomanda_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2050, "GRANT ALL PRIVILEGES ON SEQUENCE s_tipcomanda_idtipcomanda_seq TO GROUP gruppreluare "},
    {2051, "GRANT USAGE          ON SEQUENCE s_tipcomanda_idtipcomanda_seq TO GROUP grupvizualizare"},

    // s_tipauto - service: vehicle types
    {2052, "CREATE TABLE s_tipauto ( \tidtipauto SERIAL NOT NULL,\tdentipauto CHAR(100) NOT NULL,\tordine INTEGER DEFAULT NULL,\tUNIQUE (idtipauto),\tUNIQUE(dentipauto))"},
    {2055, "GRANT ALL PRIVILEGES                 ON TABLE s_tipauto TO GROUP grupadmin WITH GRANT OPTION"},
    {2056, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_tipauto TO GROUP gruppreluare"},
    {2057, "GRANT SELECT                         ON TABLE s_tipauto TO GROUP grupvizualizare"},
    {2058, "GRANT ALL PRIVILEGES ON SEQUENCE s_tipauto_idtipauto_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2059, "GRANT ALL PRIVILEGES ON SEQUENCE s_tipauto_idtipauto_seq TO GROUP gruppreluare "},
    {2060, "GRANT USAGE          ON SEQUENCE s_tipauto_idtipauto_seq TO GROUP grupvizualizare"},

    // s_tarifautolucrare - service: hourly rates per work type and vehicle type
    {2061, "CREATE TABLE s_tarifautolucrare ( \tidtarifautolucrare SERIAL NOT NULL,\tidtiplucrare INTEGER NOT NULL,\tidtipauto INTEGER NOT NULL,\ttarifora NUMERIC (15,4),\ttariforaminim NUMERIC(15,4),\ttariforamaxim NUMERIC(15,4),\tcodvaluta CHAR(5) NOT NULL,\tfaratva INTEGER DEFAULT 0,\tcotatva NUMERIC(5,2),\tUNIQUE (idtarifautolucrare ),\tUNIQUE (idtiplucrare, idtipauto ),\tCHECK (faratva = 0 OR faratva = 1))"},
    {2062, "GRANT ALL PRIVILEGES                 ON TABLE s_tarifautolucrare TO GROUP grupadmin WITH GRANT OPTION"},
    {2063, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_tarifautolucrare TO GROUP gruppreluare"},
    {2064, "GRANT SELECT                         ON TABLE s_tarifautolucrare TO GROUP grupvizualizare"},
    {2065, "GRANT ALL PRIVILEGES ON SEQUENCE s_tarifautolucrare_idtarifautolucrare_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2066, "GRANT ALL PRIVILEGES ON SEQUENCE s_tarifautolucrare_idtarifautolucrare_seq TO GROUP gruppreluare "},
    {2067, "GRANT USAGE          ON SEQUENCE s_tarifautolucrare_idtarifautolucrare_seq TO GROUP grupvizualizare"},

    // s_combustibil - service: fuels
    {2068, "CREATE TABLE s_combustibil ( \tidcombustibil SERIAL NOT NULL,\tcombustibil CHAR(50) NOT NULL,\tordine INTEGER DEFAULT NULL,\tUNIQUE (idcombustibil),\tUNIQUE (combustibil))"},

    // s_tarifautolucrare, later rows
    {2078, "GRANT ALL PRIVILEGES                 ON TABLE s_tarifautolucrare TO GROUP grupadmin WITH GRANT OPTION"},
    {2079, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_tarifautolucrare TO GROUP gruppreluare"},
    {2080, "GRANT SELECT                         ON TABLE s_tarifautolucrare TO GROUP grupvizualizare"},
    {2081, "GRANT ALL PRIVILEGES ON SEQUENCE s_tarifautolucrare_idtarifautolucrare_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2082, "GRANT ALL PRIVILEGES ON SEQUENCE s_tarifautolucrare_idtarifautolucrare_seq TO GROUP gruppreluare "},
    {2083, "GRANT USAGE          ON SEQUENCE s_tarifautolucrare_idtarifautolucrare_seq TO GROUP grupvizualizare"},

    // s_nomenclatorlucrari - service: catalogue of works
    {2084, "CREATE TABLE s_nomenclatorlucrari ( \tidnomenclatorlucrari SERIAL NOT NULL,\tdenlucrare CHAR(250) NOT NULL,\tobservatiidenlucrare TEXT,\tidtiplucrare INTEGER NOT NULL,\tinchisa INTEGER DEFAULT NULL,\tminutemanopera INTEGER DEFAULT NULL,\tUNIQUE(idnomenclatorlucrari),\tUNIQUE(denlucrare, idtiplucrare))"},
    {2085, "GRANT ALL PRIVILEGES                 ON TABLE s_nomenclatorlucrari TO GROUP grupadmin WITH GRANT OPTION"},
    {2086, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_nomenclatorlucrari TO GROUP gruppreluare"},
    {2087, "GRANT SELECT                         ON TABLE s_nomenclatorlucrari TO GROUP grupvizualizare"},
    {2088, "GRANT ALL PRIVILEGES ON SEQUENCE s_nomenclatorlucrari_idnomenclatorlucrari_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2089, "GRANT ALL PRIVILEGES ON SEQUENCE s_nomenclatorlucrari_idnomenclatorlucrari_seq TO GROUP gruppreluare "},
    {2090, "GRANT USAGE          ON SEQUENCE s_nomenclatorlucrari_idnomenclatorlucrari_seq TO GROUP grupvizualizare"},

    // s_caroserie - service: body types
    {2091, "CREATE TABLE s_caroserie ( \tidcaroserie SERIAL NOT NULL,\tdencaroserie CHAR(50) NOT NULL,\tordine INTEGER DEFAULT NULL,\tUNIQUE (idcaroserie),\tUNIQUE (dencaroserie))"},
    {2103, "GRANT ALL PRIVILEGES                 ON TABLE s_caroserie TO GROUP grupadmin WITH GRANT OPTION"},
    {2104, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_caroserie TO GROUP gruppreluare"},
    {2105, "GRANT SELECT                         ON TABLE s_caroserie TO GROUP grupvizualizare"},
    {2106, "GRANT ALL PRIVILEGES ON SEQUENCE s_caroserie_idcaroserie_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2107, "GRANT ALL PRIVILEGES ON SEQUENCE s_caroserie_idcaroserie_seq TO GROUP gruppreluare "},
    {2108, "GRANT USAGE          ON SEQUENCE s_caroserie_idcaroserie_seq TO GROUP grupvizualizare"},

    // s_categorieauto - service: vehicle categories
    {2109, "CREATE TABLE s_categorieauto ( \tidcategorieauto SERIAL NOT NULL,\tdencategorieauto CHAR(100) NOT NULL,\tordine INTEGER DEFAULT NULL,\tUNIQUE (idcategorieauto),\tUNIQUE(dencategorieauto))"},
    {2122, "GRANT ALL PRIVILEGES                 ON TABLE s_categorieauto TO GROUP grupadmin WITH GRANT OPTION"},
    {2123, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_categorieauto TO GROUP gruppreluare"},
    {2124, "GRANT SELECT                         ON TABLE s_categorieauto TO GROUP grupvizualizare"},
    {2125, "GRANT ALL PRIVILEGES ON SEQUENCE s_categorieauto_idcategorieauto_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2126, "GRANT ALL PRIVILEGES ON SEQUENCE s_categorieauto_idcategorieauto_seq TO GROUP gruppreluare "},
    {2127, "GRANT USAGE          ON SEQUENCE s_categorieauto_idcategorieauto_seq TO GROUP grupvizualizare"},

    // s_modelauto - service: car models
    {2128, "CREATE TABLE s_modelauto ( \tidmodelauto SERIAL NOT NULL,\tdenmodelauto CHAR(100) NOT NULL,\tidmarcaauto INTEGER NOT NULL,\tordine INTEGER DEFAULT NULL,\tblocat INTEGER DEFAULT NULL,\tUNIQUE (idmodelauto),\tUNIQUE(denmodelauto, idmarcaauto))"},
    {2129, "GRANT ALL PRIVILEGES                 ON TABLE s_modelauto TO GROUP grupadmin WITH GRANT OPTION"},
    {2130, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_modelauto TO GROUP gruppreluare"},
    {2131, "GRANT SELECT                         ON TABLE s_modelauto TO GROUP grupvizualizare"},
    {2132, "GRANT ALL PRIVILEGES ON SEQUENCE s_modelauto_idmodelauto_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2133, "GRANT ALL PRIVILEGES ON SEQUENCE s_modelauto_idmodelauto_seq TO GROUP gruppreluare "},
    {2134, "GRANT USAGE          ON SEQUENCE s_modelauto_idmodelauto_seq TO GROUP grupvizualizare"},

    // s_statusexecutie - service: execution statuses
    {2135, "CREATE TABLE s_statusexecutie ( \tidstatusexecutie SERIAL NOT NULL,\tdenstatusexecutie CHAR(50) NOT NULL,\tordine INTEGER DEFAULT NULL,\tUNIQUE(idstatusexecutie),\tUNIQUE(denstatusexecutie))"},
    {2149, "GRANT ALL PRIVILEGES                 ON TABLE s_statusexecutie TO GROUP grupadmin WITH GRANT OPTION"},
    {2150, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_statusexecutie TO GROUP gruppreluare"},
    {2151, "GRANT SELECT                         ON TABLE s_statusexecutie TO GROUP grupvizualizare"},
    {2152, "GRANT ALL PRIVILEGES ON SEQUENCE s_statusexecutie_idstatusexecutie_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2153, "GRANT ALL PRIVILEGES ON SEQUENCE s_statusexecutie_idstatusexecutie_seq TO GROUP gruppreluare "},
    {2154, "GRANT USAGE          ON SEQUENCE s_statusexecutie_idstatusexecutie_seq TO GROUP grupvizualizare"},

    // s_modplatalucrare - service: payment methods for works
    {2155, "CREATE TABLE s_modplatalucrare ( \tidmodplatalucrare SERIAL NOT NULL,\tdenmodplatalucrare CHAR(100) NOT NULL,\tordine INTEGER DEFAULT NULL)"},
    {2159, "GRANT ALL PRIVILEGES                 ON TABLE s_modplatalucrare TO GROUP grupadmin WITH GRANT OPTION"},
    {2160, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_modplatalucrare TO GROUP gruppreluare"},
    {2161, "GRANT SELECT                         ON TABLE s_modplatalucrare TO GROUP grupvizualizare"},
    {2162, "GRANT ALL PRIVILEGES ON SEQUENCE s_modplatalucrare_idmodplatalucrare_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2163, "GRANT ALL PRIVILEGES ON SEQUENCE s_modplatalucrare_idmodplatalucrare_seq TO GROUP gruppreluare "},
    {2164, "GRANT USAGE          ON SEQUENCE s_modplatalucrare_idmodplatalucrare_seq TO GROUP grupvizualizare"},

    // s_comanda - service orders
    {2172, "CREATE TABLE s_comanda ( \tidcomanda SERIAL NOT NULL,\ttipdoc CHAR(3),\tidtipcomanda INTEGER NOT NULL,\tserienrdoc CHAR(30) NOT NULL,\tdatacomanda DATE NOT NULL,\tidfirma INTEGER NOT NULL,\tidmarcaauto INTEGER NOT NULL,\tidmodelauto INTEGER DEFAULT NULL,\tidcaroserie INTEGER NOT NULL,\tidcategorieauto INTEGER NOT NULL,\tnrinmatriculare CHAR(30) NOT NULL,\tseriecaroserie CHAR(50) DEFAULT NULL,\tseriemotor CHAR(50) DEFAULT NULL,\tnumarcertificat CHAR(50) NOT NULL,\tnrusi CHAR(5) DEFAULT NULL,\tidseriedoc INTEGER NOT NULL,\tcodvaluta CHAR(5) NOT NULL,\tidstatusexecutie INTEGER DEFAULT NULL,\tidmodplatalucrare INTEGER NOT NULL,\tidtipauto INTEGER DEFAULT NULL,\tdatapreluarevehicul DATE DEFAULT NULL,\tdatalansareinexecutie DATE DEFAULT NULL,\tzileexecutie INTEGER DEFAULT NULL,\tdatatermenexecutie DATE DEFAULT NULL,\tanfabricatie INTEGER NOT NULL,\tkmlabord INTEGER NOT NULL,\tdefecteclient TEXT DEFAULT NULL,\tdefectesuplimentare TEXT DEFAULT NULL,\tidang INTEGER NOT NULL,\tnr INTEGER,\ti_iddoc INTEGER DEFAULT NULL,\ttextcertificatcalitate TEXT DEFAULT NULL,\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tusername VARCHAR(20) NOT NULL,\tip CHAR(32) NOT NULL,\tipname CHAR(50),\tverificat char(100),\tUNIQUE (idcomanda),\tUNIQUE (serienrdoc, idseriedoc))"},
    {2173, "GRANT ALL PRIVILEGES                 ON TABLE s_comanda TO GROUP grupadmin WITH GRANT OPTION"},
    {2174, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_comanda TO GROUP gruppreluare"},
    {2175, "GRANT SELECT                         ON TABLE s_comanda TO GROUP grupvizualizare"},
    {2176, "GRANT ALL PRIVILEGES ON SEQUENCE s_comanda_idcomanda_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2177, "GRANT ALL PRIVILEGES ON SEQUENCE s_comanda_idcomanda_seq TO GROUP gruppreluare "},
    {2178, "GRANT USAGE          ON SEQUENCE s_comanda_idcomanda_seq TO GROUP grupvizualizare"},
    {2179, "ALTER TABLE s_comanda ADD COLUMN defecteclient TEXT DEFAULT NULL"},
    {2180, "ALTER TABLE s_comanda ADD COLUMN defectesuplimentare TEXT DEFAULT NULL"},
    {2181, "ALTER TABLE s_comanda ADD COLUMN nr INTEGER DEFAULT NULL"},
    {2182, "ALTER TABLE s_comanda ADD COLUMN verificat CHAR(100) DEFAULT NULL"},

    // s_comandalogtermenexecutie - service: history of execution deadlines
    {2183, "CREATE TABLE s_comandalogtermenexecutie ( \tidistorictermenexecutie SERIAL NOT NULL,\tdata DATE NOT NULL,\tobservatii TEXT NOT NULL,\tidang INTEGER NOT NULL,\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tusername VARCHAR(20) NOT NULL,\tip CHAR(32) NOT NULL,\tipname CHAR(50),\tUNIQUE (idistorictermenexecutie ))"},
    {2184, "GRANT ALL PRIVILEGES                 ON TABLE s_comandalogtermenexecutie TO GROUP grupadmin WITH GRANT OPTION"},
    {2185, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_comandalogtermenexecutie TO GROUP gruppreluare"},
    {2186, "GRANT SELECT                         ON TABLE s_comandalogtermenexecutie TO GROUP grupvizualizare"},
    {2187, "GRANT ALL PRIVILEGES ON SEQUENCE s_comandalogtermenexecutie_idistorictermenexecutie_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2188, "GRANT ALL PRIVILEGES ON SEQUENCE s_comandalogtermenexecutie_idistorictermenexecutie_seq TO GROUP gruppreluare "},
    {2189, "GRANT USAGE          ON SEQUENCE s_comandalogtermenexecutie_idistorictermenexecutie_seq TO GROUP grupvizualizare"},

    // s_reperecomandamanopera - service: labour lines of an order
    {2190, "CREATE TABLE s_reperecomandamanopera ( \tid SERIAL NOT NULL,\tidcomanda INTEGER NOT NULL,\tidnomenclatorlucrari INTEGER,\tpozmanopera INTEGER,\tdenlucrare CHAR(250) NOT NULL,\tcantitate DECIMAL(15,8) NOT NULL,\tum CHAR(10),\tminutemanopera INTEGER NOT NULL,\ttotalminutemanopera INTEGER NOT NULL,\ttarifora DECIMAL(15,4) NOT NULL,\ttotaltariffaratva DECIMAL(15,4) NOT NULL,\ttotaltarifcutva DECIMAL(15,4) NOT NULL,\tcodvaluta CHAR(3) NOT NULL,\tobservatiidenlucrare TEXT,\tcotatva DECIMAL(5,2) NOT NULL,\tfaratva INTEGER CHECK (faratva = 0 OR faratva = 1),\tidtiplucrare INTEGER,\tdentiplucrare CHAR(250) NOT NULL,\tmanoperamateriale CHAR(50) NOT NULL,\tobservatii TEXT,\tacceptat CHAR(2) NOT NULL DEFAULT 'DA',\tidstatusexecutie INTEGER NOT NULL DEFAULT 1,\tidang INTEGER DEFAULT NULL,\tnumeprenume CHAR(150) DEFAULT NULL,\tdatapreluare DATE DEFAULT NULL,\tdatalansareinexecutie DATE DEFAULT NULL,\tdatatermenexecutie DATE DEFAULT NULL,\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tusername VARCHAR(20) NOT NULL,\tip CHAR(32) NOT NULL,\tipname CHAR(50),\tUNIQUE (id),\tUNIQUE (id),\tCHECK (acceptat = 'DA' OR acceptat = 'NU'))"},
    {2191, "ALTER TABLE s_reperecomandamanopera ALTER COLUMN idnomenclatorlucrari DROP NOT NULL"},
    {2192, "ALTER TABLE s_reperecomandamanopera ALTER COLUMN denlucrare SET NOT NULL"},
    {2193, "ALTER TABLE s_reperecomandamanopera ALTER COLUMN um DROP NOT NULL"},
    {2194, "ALTER TABLE s_reperecomandamanopera DROP CONSTRAINT s_reperecomandamanopera_idcomanda_idnomenclatorlucrari_key "},

    // s_comanda, later rows
    {2195, "ALTER TABLE s_comanda ADD COLUMN idtipauto INTEGER DEFAULT NULL"},

    // s_reperecomandamanopera, later rows
    {2196, "ALTER TABLE s_reperecomandamanopera ADD COLUMN idang INTEGER DEFAULT NULL"},
    {2197, "ALTER TABLE s_reperecomandamanopera ADD COLUMN numeprenume CHAR(150) DEFAULT NULL"},
    {2198, "GRANT ALL PRIVILEGES                 ON TABLE s_reperecomandamanopera TO GROUP grupadmin WITH GRANT OPTION"},
    {2199, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_reperecomandamanopera TO GROUP gruppreluare"},
    {2200, "GRANT SELECT                         ON TABLE s_reperecomandamanopera TO GROUP grupvizualizare"},
    {2201, "GRANT ALL PRIVILEGES ON SEQUENCE s_reperecomandamanopera_id_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2202, "GRANT ALL PRIVILEGES ON SEQUENCE s_reperecomandamanopera_id_seq TO GROUP gruppreluare "},
    {2203, "GRANT USAGE          ON SEQUENCE s_reperecomandamanopera_id_seq TO GROUP grupvizualizare"},

    // s_reperecomandamateriale - service: material lines of an order
    {2204, "CREATE TABLE s_reperecomandamateriale ( \tid SERIAL NOT NULL,\tidcomanda INTEGER NOT NULL,\tidreper INTEGER,\tpozmaterial INTEGER,\tdenreper_ro CHAR(250) NOT NULL,\tcod CHAR(30) DEFAULT NULL,\tcantitate DECIMAL(15,8) NOT NULL,\tum CHAR(10) NOT NULL,\tpretcuTVA NUMERIC(17, 5) NOT NULL,\ttotalcutva NUMERIC(15,2) NOT NULL,\tcodvaluta CHAR(3) NOT NULL,\tpret NUMERIC(17, 5) NOT NULL,\tfaratva INTEGER CHECK (faratva = 0 OR faratva = 1),\tcotatva DECIMAL(5,2),\tidgestiune INTEGER,\tidtiplucrare INTEGER,\tmanoperamateriale CHAR(50) NOT NULL,\tobservatii TEXT,\tacceptat CHAR(2) NOT NULL DEFAULT 'DA',\tidstatusexecutie INTEGER NOT NULL DEFAULT 1,\tdatapreluare DATE DEFAULT NULL,\tidang INTEGER DEFAULT NULL,\tnumeprenume CHAR(150) DEFAULT NULL,\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tusername VARCHAR(20) NOT NULL,\tip CHAR(32) NOT NULL,\tipname CHAR(50),\tUNIQUE (id),\tUNIQUE (id))"},
    {2205, "ALTER TABLE s_reperecomandamateriale ALTER COLUMN idreper DROP NOT NULL"},
    {2206, "ALTER TABLE s_reperecomandamateriale ALTER COLUMN denreper_ro SET NOT NULL"},
    {2207, "ALTER TABLE s_reperecomandamateriale DROP CONSTRAINT s_reperecomandamateriale_idcomanda_idreper_idgestiune_idtip_key "},
    {2208, "ALTER TABLE s_reperecomandamateriale ALTER COLUMN idgestiune DROP NOT NULL"},
    {2209, "ALTER TABLE s_reperecomandamateriale ADD COLUMN idang INTEGER DEFAULT NULL"},
    {2210, "ALTER TABLE s_reperecomandamateriale ADD COLUMN numeprenume CHAR(150) DEFAULT NULL"},
    {2211, "GRANT ALL PRIVILEGES                 ON TABLE s_reperecomandamateriale TO GROUP grupadmin WITH GRANT OPTION"},
    {2212, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_reperecomandamateriale TO GROUP gruppreluare"},
    {2213, "GRANT SELECT                         ON TABLE s_reperecomandamateriale TO GROUP grupvizualizare"},
    {2214, "GRANT ALL PRIVILEGES ON SEQUENCE s_reperecomandamateriale_id_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2215, "GRANT ALL PRIVILEGES ON SEQUENCE s_reperecomandamateriale_id_seq TO GROUP gruppreluare "},
    {2216, "GRANT USAGE          ON SEQUENCE s_reperecomandamateriale_id_seq TO GROUP grupvizualizare"},

    // s_zonavehicul - service: vehicle zones
    {2217, "CREATE TABLE s_zonavehicul ( \tidzonavehicul SERIAL NOT NULL,\tdenzonavehicul CHAR(50) NOT NULL,\tobservatii TEXT DEFAULT NULL,\tobligatoriu INTEGER DEFAULT NULL,\tordine INTEGER DEFAULT NULL,\tUNIQUE(idzonavehicul),\tUNIQUE(denzonavehicul))"},
    {2233, "GRANT ALL PRIVILEGES                 ON TABLE s_zonavehicul TO GROUP grupadmin WITH GRANT OPTION"},
    {2234, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_zonavehicul TO GROUP gruppreluare"},
    {2235, "GRANT SELECT                         ON TABLE s_zonavehicul TO GROUP grupvizualizare"},
    {2236, "GRANT ALL PRIVILEGES ON SEQUENCE s_zonavehicul_idzonavehicul_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2237, "GRANT ALL PRIVILEGES ON SEQUENCE s_zonavehicul_idzonavehicul_seq TO GROUP gruppreluare "},
    {2238, "GRANT USAGE          ON SEQUENCE s_zonavehicul_idzonavehicul_seq TO GROUP grupvizualizare"},

    // s_comandastarevehicul - service: vehicle condition per order and zone
    {2239, "CREATE TABLE s_comandastarevehicul ( \tidcomandastarevehicul SERIAL NOT NULL,\tidcomanda INTEGER NOT NULL,\tidzonavehicul INTEGER NOT NULL,\tobservatii TEXT NOT NULL,\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tusername VARCHAR(20) NOT NULL,\tip CHAR(32) NOT NULL,\tipname CHAR(50),\tUNIQUE (idcomandastarevehicul))"},
    {2240, "GRANT ALL PRIVILEGES                 ON TABLE s_comandastarevehicul TO GROUP grupadmin WITH GRANT OPTION"},
    {2241, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_comandastarevehicul TO GROUP gruppreluare"},
    {2242, "GRANT SELECT                         ON TABLE s_comandastarevehicul TO GROUP grupvizualizare"},
    {2243, "GRANT ALL PRIVILEGES ON SEQUENCE s_comandastarevehicul_idcomandastarevehicul_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2244, "GRANT ALL PRIVILEGES ON SEQUENCE s_comandastarevehicul_idcomandastarevehicul_seq TO GROUP gruppreluare "},
    {2245, "GRANT USAGE          ON SEQUENCE s_comandastarevehicul_idcomandastarevehicul_seq TO GROUP grupvizualizare"},

    // s_textcertificatcalitate - service: quality certificate text
    {2246, "CREATE TABLE s_textcertificatcalitate ( \ttextcertificatcalitate TEXT NOT NULL)"},

    // s_comandafactura - service: link between orders and invoices or fiscal receipts
    {2252, "CREATE TABLE s_comandafactura ( \tidcomandafactura SERIAL NOT NULL,\tidcomanda INTEGER NOT NULL,\tidfactura INTEGER DEFAULT NULL,\tidcmlogbonfiscal INTEGER DEFAULT NULL,\tUNIQUE (idcomandafactura),\tUNIQUE (idcomanda, idfactura, idcmlogbonfiscal))"},
    {2253, "ALTER TABLE s_comandafactura ALTER COLUMN idfactura DROP NOT NULL"},
    {2254, "ALTER TABLE s_comandafactura ADD COLUMN idcmlogbonfiscal INTEGER DEFAULT NULL"},
    {2255, "ALTER TABLE s_comandafactura DROP CONSTRAINT s_comandafactura_idcomanda_idfactura_key"},
    {2256, "ALTER TABLE s_comandafactura ADD CONSTRAINT s_comandafactura_idcomanda_idfactura_idcmlogbonfiscal_key   UNIQUE(idcomanda, idfactura, idcmlogbonfiscal)"},
    {2257, "GRANT ALL PRIVILEGES                 ON TABLE s_comandafactura TO GROUP grupadmin WITH GRANT OPTION"},
    {2258, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_comandafactura TO GROUP gruppreluare"},
    {2259, "GRANT SELECT                         ON TABLE s_comandafactura TO GROUP grupvizualizare"},
    {2260, "GRANT ALL PRIVILEGES ON SEQUENCE s_comandafactura_idcomandafactura_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2261, "GRANT ALL PRIVILEGES ON SEQUENCE s_comandafactura_idcomandafactura_seq TO GROUP gruppreluare "},
    {2262, "GRANT USAGE          ON SEQUENCE s_comandafactura_idcomandafactura_seq TO GROUP grupvizualizare"},

    // s_comandascanate - service: scanned files of an order
    {2263, "CREATE TABLE s_comandascanate ( \tidcomandascanate SERIAL NOT NULL,\tidcomanda INTEGER NOT NULL,\tcalefisier CHAR(250) NOT NULL,\tOBSERVATII TEXT DEFAULT NULL,\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tUNIQUE (idcomandascanate))"},
    {2264, "GRANT ALL PRIVILEGES                 ON TABLE s_comandascanate TO GROUP grupadmin WITH GRANT OPTION"},
    {2265, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_comandascanate TO GROUP gruppreluare"},
    {2266, "GRANT SELECT                         ON TABLE s_comandascanate TO GROUP grupvizualizare"},
    {2267, "GRANT ALL PRIVILEGES ON SEQUENCE s_comandascanate_idcomandascanate_seq TO GROUP grupadmin     WITH GRANT OPTION"},
    {2268, "GRANT ALL PRIVILEGES ON SEQUENCE s_comandascanate_idcomandascanate_seq TO GROUP gruppreluare "},
    {2269, "GRANT USAGE          ON SEQUENCE s_comandascanate_idcomandascanate_seq TO GROUP grupvizualizare"},

    // s_modelauto, later rows
    {2276, "ALTER TABLE s_modelauto ADD COLUMN blocat INTEGER DEFAULT NULL"},
    {2277, "ALTER TABLE s_modelauto ADD COLUMN ordine INTEGER DEFAULT NULL"},

    // s_marcaauto, later rows
    {2278, "ALTER TABLE s_marcaauto ADD COLUMN blocat INTEGER DEFAULT NULL"},
    {2279, "ALTER TABLE s_marcaauto ADD COLUMN ordine INTEGER DEFAULT NULL"},

    // edicustomer - EDI customers (trading partners)
    {2289, "CREATE TABLE edicustomer ( \tidedicustomer serial NOT NULL,\tdenedicustomer char(250) NOT NULL,\tunique (idedicustomer),\tunique (denedicustomer))"},
    {2296, "GRANT ALL PRIVILEGES ON TABLE edicustomer  TO  GROUP PUBLIC"},

    // umedi - EDI units of measure
    {2297, "CREATE TABLE umedi ( \tumedi CHAR(10) NOT NULL,\tum char(10) DEFAULT NULL,\tdenumedi CHAR(200) NOT NULL,\tUNIQUE (umedi),\tUNIQUE (UM))"},
    {2449, "GRANT ALL PRIVILEGES ON TABLE umedi  TO  GROUP PUBLIC"},

    // umedicustomer - units of measure per EDI customer
    {2450, "CREATE TABLE umedicustomer ( \tum varchar(20),\tumedi varchar(30),\tcustomer varchar(50))"},

    // firmaedi - EDI data of firms (GLN, address)
    {2451, "CREATE TABLE firmaedi ( \tidfirmaedi SERIAL NOT NULL,\tidfirma INTEGER NOT NULL,\tidfirmapunctlucru INTEGER DEFAULT NULL,\tGLN NUMERIC(15) NOT NULL,\tstrada CHAR(250) NOT NULL,\tnumar CHAR(10) NOT NULL DEFAULT '-',\tcodpostal CHAR(10) NOT NULL DEFAULT '-',\tlocalitatea CHAR(50) NOT NULL DEFAULT '-',\tdatastart DATE DEFAULT NULL,\tdataend DATE DEFAULT NULL,\tUNIQUE (idfirmaedi),\tUNIQUE(idfirma, idfirmapunctlucru))"},
    {2452, "GRANT ALL PRIVILEGES ON TABLE firmaedi  TO  GROUP PUBLIC"},

    // emitentedicustomer - identifiers of the issuer at an EDI customer
    {2453, "CREATE TABLE emitentedicustomer ( \tidemitentedicustomer SERIAL NOT NULL,\tidedicustomer INTEGER DEFAULT NULL,\tBuyerSellerID CHAR(50) NOT NULL,\tName CHAR(250),\texplicatii CHAR(250),\tUNIQUE (idemitentedicustomer),\tUNIQUE(idedicustomer, BuyerSellerID))"},
    {2454, "ALTER TABLE emitentedicustomer ADD COLUMN explicatii CHAR(250)"},

    // emitentcode - codes of the issuer at an EDI customer
    {2459, "CREATE TABLE emitentcode ( \tidemitentcode SERIAL NOT NULL,\tidedicustomer INTEGER NOT NULL,\temitentcode CHAR(20) NOT NULL DEFAULT '-',\tUNIQUE (idemitentcode),\tUNIQUE (idedicustomer, emitentcode))"},

    // nomenclatoredicustomer - product identifiers per EDI customer
    {2460, "CREATE TABLE nomenclatoredicustomer ( \tidnomenclatoredicustomer SERIAL NOT NULL,\tidreper INTEGER NOT NULL,\tidedicustomer INTEGER NOT NULL,\tBuyerItemID CHAR(30) NOT NULL,\tSellerItemID CHAR(30) NOT NULL,\tname CHAR(250) DEFAULT NULL,\tUNIQUE (idnomenclatoredicustomer),\tUNIQUE (idedicustomer , BuyerItemID, SellerItemID ))"},

    // edicomandadoc, granted ahead of its CREATE row; the grant takes effect after it
    {2461, "GRANT ALL PRIVILEGES ON TABLE edicomandadoc  TO  GROUP PUBLIC"},

    // nomenclatoredicustomer, later rows
    {2462, "GRANT ALL PRIVILEGES ON TABLE nomenclatoredicustomer  TO  GROUP PUBLIC"},

    // nomenclatoredi - EDI data of products (EAN, VAT type, package)
    {2463, "CREATE TABLE nomenclatoredi ( \tidnomenclatoredi SERIAL NOT NULL,\tidreper INTEGER NOT NULL,\tEAN CHAR(30) NOT NULL,\teditiptva CHAR(3) NOT NULL,\tProductIdentifierExt CHAR(30) NOT NULL,\tCustomTariffNumber CHAR(30) DEFAULT NULL,\tPackageType CHAR(10),\tUNIQUE (idnomenclatoredi),\tUNIQUE (idreper),\tUNIQUE (EAN))"},
    {2464, "GRANT ALL PRIVILEGES ON TABLE nomenclatoredi  TO  GROUP PUBLIC"},
    {2465, "alter table nomenclatoredi alter column editiptva type char(3)"},
    {2466, "alter table nomenclatoredi add column unitpercolet numeric"},

    // ediProductIdentifierExt - EDI product identifier kinds
    {2467, "CREATE TABLE ediProductIdentifierExt ( \tProductIdentifierExt CHAR(10) NOT NULL,\tdescrProductIdentifierExt CHAR(100) NOT NULL,\tordine INTEGER DEFAULT NULL,\tUNIQUE (ProductIdentifierExt),\tUNIQUE(descrProductIdentifierExt))"},
    {2468, "GRANT ALL PRIVILEGES ON TABLE ediProductIdentifierExt  TO  GROUP PUBLIC"},

    // ediPackageType - EDI package types
    {2471, "CREATE TABLE ediPackageType ( \tPackageType CHAR(10) NOT NULL,\tdescrPackageType CHAR(100) NOT NULL,\tordine INTEGER,\tUNIQUE (PackageType),\tUNIQUE (descrPackageType))"},
    {2472, "GRANT ALL PRIVILEGES ON TABLE ediPackageType  TO  GROUP PUBLIC"},

    // editiptva - EDI VAT types
    {2476, "CREATE TABLE editiptva ( \teditiptva CHAR(3) NOT NULL,\tdescreditiptva CHAR(100) NOT NULL,\ttvalaincasare INTEGER DEFAULT NULL,\tordine INTEGER DEFAULT NULL,\tUNIQUE (editiptva, tvalaincasare))"},
    {2477, "GRANT ALL PRIVILEGES ON TABLE editiptva  TO  GROUP PUBLIC"},
    {2478, "alter table editiptva alter column editiptva type char(3)"},

    // editiptvacotatva - EDI VAT type per VAT rate
    {2490, "CREATE TABLE editiptvacotatva ( \teditiptva CHAR(3) NOT NULL,\tcotatva NUMERIC(5, 2) NOT NULL,\tidcotatva INTEGER NOT NULL,\ttvalaincasare INTEGER DEFAULT NULL,\tUNIQUE (editiptva, cotatva, idcotatva, tvalaincasare))"},
    {2491, "GRANT ALL PRIVILEGES ON TABLE editiptvacotatva  TO  GROUP PUBLIC"},
    {2492, "alter table editiptvacotatva alter column editiptva type char(3)"},

    // edipaymentcode - EDI payment codes
    {2493, "CREATE TABLE edipaymentcode ( \tedipaymentcode INTEGER NOT NULL,\tdescredipaymentcodero CHAR(100) NOT NULL,\tdescredipaymentcodeeng CHAR(100) NOT NULL,\tUNIQUE(edipaymentcode))"},
    {2494, "GRANT ALL PRIVILEGES ON TABLE edipaymentcode  TO  GROUP PUBLIC"},

    // edipaymentcodemodplata - EDI payment code per payment method
    {2498, "CREATE TABLE edipaymentcodemodplata ( \tedipaymentcode INTEGER NOT NULL,\tcodmodplata INTEGER NOT NULL,\tUNIQUE(edipaymentcode , codmodplata))"},
    {2499, "GRANT ALL PRIVILEGES ON TABLE edipaymentcodemodplata  TO  GROUP PUBLIC"},

    // logedixml - log of EDI XML files
    {2500, "CREATE TABLE logedixml ( \tidfactura INTEGER NOT NULL,\ttipdoc CHAR(10) DEFAULT NULL,\tnumefisier TEXT NOT NULL,\tfisier TEXT DEFAULT NULL,\tip CHAR(100),\tcomputername CHAR(250),\tusername CHAR(100),\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp)"},
    {2501, "GRANT ALL PRIVILEGES ON TABLE logedixml  TO  GROUP PUBLIC"},
    {2503, "ALTER TABLE logedixml ADD COLUMN tipdoc CHAR(10) DEFAULT NULL"},

    // edisetari - EDI settings
    {2505, "CREATE TABLE edisetari ( \tidsetareedi SERIAL NOT NULL,\tdensetareedi CHAR(250) DEFAULT NULL,\tvaloaresetareedi CHAR(250) NOT NULL,\tUNIQUE (idsetareedi))"},
    {2506, "GRANT ALL PRIVILEGES ON TABLE edisetari  TO  GROUP PUBLIC"},
    {2507, "CREATE UNIQUE INDEX edisetari_idx ON edisetari (idsetareedi)"},

    // edicomanda - EDI orders received
    {2513, "CREATE TABLE edicomanda ( \tidedicomanda SERIAL NOT NULL,\tdocumentfilename CHAR(250) NOT NULL,\tdocumentdate CHAR(30) NOT NULL,\tdocumenttype CHAR(50) NOT NULL,\tcontinutcomanda TEXT NOT NULL,\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tUNIQUE (idedicomanda),\tUNIQUE (continutcomanda))"},
    {2514, "GRANT ALL PRIVILEGES ON TABLE edicomanda  TO  GROUP PUBLIC"},

    // edicomandadoc, granted ahead of its CREATE row; the grant takes effect after it
    {2515, "GRANT ALL PRIVILEGES ON TABLE edicomandadoc  TO  GROUP PUBLIC"},

    // edicomanda, later rows
    {2516, "ALTER TABLE edicomanda ADD COLUMN documenttype CHAR(50) DEFAULT NULL"},
    {2517, "ALTER TABLE edicomanda DROP COLUMN type"},
    {2518, "ALTER TABLE edicomanda ADD COLUMN documentfilename CHAR(250) DEFAULT NULL"},

    // edicomandadoc - documents generated from EDI orders
    {2519, "CREATE TABLE edicomandadoc ( \tidedicomandadoc SERIAL NOT NULL,\tidedicomanda INTEGER NOT NULL,\tiddoc INTEGER NOT NULL,\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tUNIQUE(idedicomandadoc),\tUNIQUE(idedicomanda, iddoc))"},
    {2520, "GRANT ALL PRIVILEGES ON TABLE edicomandadoc  TO  GROUP PUBLIC"},
    {2521, "ALTER TABLE edicomandadoc ADD COLUMN moment TIMESTAMP NOT NULL DEFAULT current_timestamp"},

    // edi_comanda_orderheader - EDI order: header
    {2522, "CREATE TABLE edi_comanda_orderheader ( \tidedi_comanda_orderheader SERIAL NOT NULL,\tidedicomanda INTEGER NOT NULL,\tBuyerOrderNumber char(20) NOT NULL,\tOrderIssueDate CHAR(10) NOT NULL,\tOrderCurrencyCoded CHAR(10) DEFAULT NULL,\tRequestedDeliveryDate CHAR(30) DEFAULT NULL,\tDeliveryDateEarliest CHAR(30) DEFAULT NULL,\tDeliveryDateLatest CHAR(30) DEFAULT NULL,\tPurchasingInfo TEXT DEFAULT NULL,\tPromotionDealNo CHAR(20),\tUNIQUE (idedi_comanda_orderheader),\tUNIQUE (BuyerOrderNumber))"},
    {2523, "GRANT ALL PRIVILEGES ON TABLE edi_comanda_orderheader  TO  GROUP PUBLIC"},

    // edi_comanda_BuyerParty - EDI order: buyer
    {2524, "CREATE TABLE edi_comanda_BuyerParty ( \tidedi_comanda_BuyerParty SERIAL NOT NULL,\tidedi_comanda_orderheader INTEGER NOT NULL,\tOBP_GLN CHAR(20) NOT NULL,\tOBP_Name CHAR(200) DEFAULT NULL,\tOBP_Street CHAR(200) DEFAULT NULL,\tOBP_PostalCode CHAR(20) DEFAULT NULL,\tOBP_City CHAR(50) DEFAULT NULL,\tOBP_CountryCode CHAR(3) DEFAULT NULL,\tOBP_PurchasingContact CHAR(20) DEFAULT NULL,\tOBP_ContactTel CHAR(250) DEFAULT NULL,\tOBP_ContactFax CHAR(250) DEFAULT NULL,\tUNIQUE (idedi_comanda_BuyerParty),\tUNIQUE (idedi_comanda_orderheader))"},
    {2525, "GRANT ALL PRIVILEGES ON TABLE edi_comanda_BuyerParty  TO  GROUP PUBLIC"},

    // edi_comanda_InvoiceeParty - EDI order: invoicee
    {2526, "CREATE TABLE edi_comanda_InvoiceeParty ( \tidedi_comanda_InvoiceeParty SERIAL NOT NULL,\tidedi_comanda_orderheader INTEGER NOT NULL,\tOIP_GLN CHAR(20) DEFAULT NULL,\tOIP_Name CHAR(250) DEFAULT NULL,\tOIP_Street CHAR(250) DEFAULT NULL,\tOIP_PostalCode CHAR(20) DEFAULT NULL,\tOIP_City CHAR(50) DEFAULT NULL,\tOIP_CountryCode CHAR(3) DEFAULT NULL,\tUNIQUE (idedi_comanda_InvoiceeParty),\tUNIQUE (idedi_comanda_orderheader))"},
    {2527, "ALTER TABLE edi_comanda_InvoiceeParty ADD COLUMN OIP_PostalCode CHAR(20) DEFAULT NULL"},
    {2528, "GRANT ALL PRIVILEGES ON TABLE edi_comanda_InvoiceeParty  TO  GROUP PUBLIC"},

    // edi_comanda_ShipToParty - EDI order: delivery party
    {2529, "CREATE TABLE edi_comanda_ShipToParty ( \tidedi_comanda_ShipToParty SERIAL NOT NULL,\tidedi_comanda_orderheader INTEGER NOT NULL,\tOSTP_GLN CHAR(20) DEFAULT NULL,\tOSTP_Name CHAR(250) DEFAULT NULL,\tOSTP_Street CHAR(250) DEFAULT NULL,\tOSTP_PostalCode CHAR(20) DEFAULT NULL,\tOSTP_City CHAR(50) DEFAULT NULL,\tOSTP_CountryCode CHAR(3) DEFAULT NULL,\tUNIQUE (idedi_comanda_ShipToParty),\tUNIQUE (idedi_comanda_orderheader))"},
    {2530, "ALTER TABLE edi_comanda_ShipToParty ADD COLUMN OSTP_PostalCode CHAR(20) DEFAULT NULL"},
    {2531, "GRANT ALL PRIVILEGES ON TABLE edi_comanda_ShipToParty  TO  GROUP PUBLIC"},

    // edi_comanda_SellerParty - EDI order: seller
    {2532, "CREATE TABLE edi_comanda_SellerParty ( \tidedi_comanda_SellerParty SERIAL NOT NULL,\tidedi_comanda_orderheader INTEGER NOT NULL,\tOSP_GLN CHAR(20) NOT NULL,\tOSP_SellerID CHAR(250) DEFAULT NULL,\tOSP_Name CHAR(250) DEFAULT NULL,\tOSP_Street CHAR(250) DEFAULT NULL,\tOSP_PostalCode CHAR(20) DEFAULT NULL,\tOSP_City CHAR(50) DEFAULT NULL,\tOSP_CountryCode CHAR(3) DEFAULT NULL,\tUNIQUE (idedi_comanda_SellerParty),\tUNIQUE (idedi_comanda_orderheader))"},
    {2533, "ALTER TABLE edi_comanda_SellerParty ADD COLUMN OSP_PostalCode CHAR(20) DEFAULT NULL"},
    {2534, "GRANT ALL PRIVILEGES ON TABLE edi_comanda_SellerParty  TO  GROUP PUBLIC"},

    // edi_comanda_OrderDetail - EDI order: lines
    {2535, "CREATE TABLE edi_comanda_OrderDetail ( \tidedi_comanda_OrderDetail SERIAL NOT NULL,\tidedi_comanda_orderheader INTEGER NOT NULL,\tOOD_GTIN CHAR(35) DEFAULT NULL,\tOOD_BuyerItemNum NUMERIC(10,5) DEFAULT NULL,\tOOD_BuyerItemID CHAR(50) DEFAULT NULL,\tOOD_BuyerProductGroupID CHAR(50) DEFAULT NULL,\tOOD_SellerItemID CHAR(50) DEFAULT NULL,\tOOD_QuantityOrdered NUMERIC(15,3) NOT NULL,\tOOD_UnitOfMeasure CHAR(5) DEFAULT NULL,\tOOD_PackageType CHAR(20) DEFAULT NULL,\tOOD_NumberInTradeUnit NUMERIC(15,3) DEFAULT NULL,\tOOD_ProductDescription CHAR(150) DEFAULT NULL,\tOOD_Description CHAR(150) DEFAULT NULL,\tOOD_UnitNetPrice NUMERIC(15,3) DEFAULT NULL,\tOOD_RetailPrice NUMERIC(15,3) DEFAULT NULL,\tOOD_BestBeforeDate CHAR(10) DEFAULT NULL,\tOOD_ItemRequestedDeliverDate CHAR(30) DEFAULT NULL,\tUNIQUE (idedi_comanda_OrderDetail))"},
    {2536, "GRANT ALL PRIVILEGES ON TABLE edi_comanda_OrderDetail  TO  GROUP PUBLIC"},
    {2537, "ALTER TABLE edi_comanda_OrderDetail ALTER COLUMN OOD_GTIN SET DEFAULT NULL"},
    {2538, "ALTER TABLE edi_comanda_OrderDetail ALTER COLUMN OOD_BuyerItemNum SET DEFAULT NULL"},

    // edi_comanda_OrderSummary - EDI order: summary
    {2539, "CREATE TABLE edi_comanda_OrderSummary ( \tidedi_comanda_OrderSummary SERIAL NOT NULL,\tidedi_comanda_orderheader INTEGER NOT NULL,\tOOSBuyerOrderNumber char(20) NOT NULL,\tOOSTotalNetAmount NUMERIC(20,3) NOT NULL,\tUNIQUE (idedi_comanda_OrderSummary),\tUNIQUE (idedi_comanda_orderheader))"},
    {2540, "GRANT ALL PRIVILEGES ON TABLE edi_comanda_OrderSummary  TO  GROUP PUBLIC"},

    // tipografiedoc - print-shop orders
    {2647, "CREATE TABLE tipografiedoc ( \tidtipografiedoc serial NOT NULL,\tserienrdoc VARCHAR(30) NOT NULL,\tdatadoc date NOT NULL,\tidseriedoc integer NOT NULL,\ttermenlivrare date NOT NULL,\ttipcomanda VARCHAR(30) NOT NULL,\tdenumirelucrare character(250),\tstantanr VARCHAR(20),\tmodalitatetaiere VARCHAR(20),\tformattipar VARCHAR(20),\tresponsabillucrare VARCHAR(100),\tromayor numeric(1,0),\tadast numeric(1,0),\tlegatorie numeric(1,0),\tdigital numeric(1,0),\tidfirma integer NOT NULL,\tstare character(1),\tdescrierelucrare TEXT,\tserie VARCHAR(10) NOT NULL,\tnr integer NOT NULL,\tsegumeaza numeric(1,0),\tpretconvenit numeric(15,5),\tmoneda VARCHAR(10),\tobs text,\tmoment timestamp with time zone NOT NULL DEFAULT now(),\tusername VARCHAR(30) NOT NULL,\tip VARCHAR(20) NOT NULL,\tcomputername VARCHAR(250),\tCONSTRAINT tipografiedoc_pkey PRIMARY KEY (idtipografiedoc),\tCONSTRAINT tipografiedoc_idtipografiedoc_key UNIQUE (idtipografiedoc),\tCONSTRAINT tipografiedoc_serienrdoc_idseriedoc_key UNIQUE (serienrdoc, idseriedoc)) WITH ( OIDS=FALSE)"},
    {2648, "CREATE INDEX tipografiedoc_idfirma_idx ON tipografiedoc USING btree (idfirma)"},
    {2649, "CREATE INDEX tipografiedoc_idserieddoc_idx ON tipografiedoc USING btree (idseriedoc)"},
    {2650, "CREATE INDEX tipografiedoc_idtipografiedoc_idx ON tipografiedoc USING btree (idtipografiedoc)"},
    {2651, "GRANT ALL PRIVILEGES ON TABLE tipografiedoc TO GROUP grupadmin WITH GRANT OPTION"},
    {2652, "GRANT ALL PRIVILEGES ON TABLE tipografiedoc TO GROUP gruppreluare"},
    {2653, "GRANT ALL PRIVILEGES ON TABLE tipografiedoc TO GROUP grupvizualizare"},
    {2654, "ALTER TABLE tipografiedoc ADD COLUMN digital NUMERIC(1,0)"},

    // tipografiedoczona - zones of a print-shop order
    {2655, "CREATE TABLE tipografiedoczona ( \tidtipografiedoczona serial NOT NULL,\tzona VARCHAR(20) NOT NULL,\tnrcoli INTEGER NOT NULL DEFAULT 0,\ttirajminnecesar integer NOT NULL,\ttotallatipar integer NOT NULL,\trezultatlatipar integer,\tintoarceinclapa numeric(1,0),\tintoarceinclapaspate numeric(1,0),\tfata numeric(1,0),\tverso numeric(1,0),\tculorifata VARCHAR(10),\tculoriverso VARCHAR(10),\tidtipografiedoc integer NOT NULL,\tCONSTRAINT tipografiedoczona_idtipografiedoczona_key UNIQUE (idtipografiedoczona)) WITH ( OIDS=FALSE)"},
    {2656, "CREATE INDEX tipografiedoczona_idtipografiedoc_idx ON tipografiedoczona USING btree (idtipografiedoc)"},
    {2657, "GRANT ALL PRIVILEGES ON TABLE tipografiedoczona TO GROUP grupadmin WITH GRANT OPTION"},
    {2658, "GRANT ALL PRIVILEGES ON TABLE tipografiedoczona TO GROUP gruppreluare"},
    {2659, "GRANT ALL PRIVILEGES ON TABLE tipografiedoczona TO GROUP grupvizualizare"},
    {2660, "ALTER TABLE tipografiedoczona ADD COLUMN nrcoli INTEGER NOT NULL DEFAULT 0"},

    // tipografiereperedoc - lines of a print-shop order
    {2661, "CREATE TABLE tipografiereperedoc ( \tidtipografiereperedoc serial NOT NULL,\tdenprodus VARCHAR(250) NOT NULL,\tcod VARCHAR(50),\tcantitate numeric(15,5) NOT NULL,\tum VARCHAR(10) NOT NULL,\tfaratva numeric(1,0),\tpretfaratva numeric(15,5) NOT NULL,\tpretcutva numeric(15,5) NOT NULL,\tcotatva numeric(5,2) NOT NULL,\tidgestiune integer,\tpoz integer NOT NULL,\tidtipografiedoc integer NOT NULL,\tcantitate_consumata numeric(15,5) NOT NULL DEFAULT 0,\tidreper integer,\tCONSTRAINT tipografiereperedoc_pkey PRIMARY KEY (idtipografiereperedoc)) WITH ( OIDS=FALSE )"},
    {2662, "CREATE INDEX tipografiereperedoc_cod_idx ON tipografiereperedoc USING btree (cod) "},
    {2663, "CREATE INDEX tipografiereperedoc_denprodus_idx ON tipografiereperedoc USING btree (denprodus)"},
    {2664, "CREATE INDEX tipografiereperedoc_idtipografiedoc_idx ON tipografiereperedoc USING btree (idtipografiedoc)"},
    {2665, "CREATE INDEX tipografiereperedoc_idtipografiereperedoc_idx ON tipografiereperedoc USING btree (idtipografiereperedoc)"},

    // docxchangesetari - document exchange settings
    {2694, "CREATE TABLE docxchangesetari ( \tiddocxchangesetari SERIAL NOT NULL,\tdendocxchange CHAR(250) DEFAULT NULL,\tvaloaresetaredocxchange CHAR(250) NOT NULL,\tUNIQUE (iddocxchangesetari))"},
    {2695, "GRANT ALL PRIVILEGES ON TABLE docxchangesetari  TO  GROUP PUBLIC"},

    // edifacturanirmetro - receiving advice per invoice
    {2748, "CREATE TABLE edifacturanirmetro ( \tidedifacturanirmetro SERIAL NOT NULL,\tidfactura INTEGER NOT NULL,\tReceivingAdviceNumber VARCHAR(10),\tReceivingAdviceDate DATE NOT NULL,\tUNIQUE (idedifacturanirmetro))"},
    {2749, "GRANT ALL PRIVILEGES                 ON TABLE edifacturanirmetro TO GROUP grupadmin WITH GRANT OPTION"},
    {2750, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE edifacturanirmetro TO GROUP gruppreluare"},
    {2751, "GRANT SELECT                         ON TABLE edifacturanirmetro TO GROUP grupvizualizare"},

    // s_registruservice - service register (checks per vehicle)
    {2789, "CREATE TABLE s_registruservice ( \tidregistruservice SERIAL NOT NULL,\tdata date NOT NULL,\tnrcomanda VARCHAR(50) NOT NULL,\tnrauto VARCHAR(20) NOT NULL,\tc_frane VARCHAR(50) NULL,\tfrane VARCHAR(250) NULL,\tc_noxe VARCHAR(50) NULL,\tnoxe VARCHAR(250) NULL,\tc_cuplu VARCHAR(50) NULL,\tcuplu VARCHAR(250) NULL,\tc_presiune VARCHAR(50) NULL,\tpresiune VARCHAR(250) NULL,\tc_profil VARCHAR(50) NULL,\tprofil VARCHAR(250) NULL,\tc_parbriz VARCHAR(50) NULL,\tparbriz VARCHAR(250) NULL,\tc_probadrum VARCHAR(50) NULL,\tprobadrum VARCHAR(250) NULL,\tc_faruri VARCHAR(50) NULL,\tfaruri VARCHAR(250) NULL,\tbeneficiar VARCHAR(250) NULL,\tfurnizor VARCHAR(250) NULL,\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tPRIMARY KEY (idregistruservice))"},
    {2790, "GRANT ALL PRIVILEGES                 ON TABLE s_registruservice TO GROUP grupadmin WITH GRANT OPTION"},
    {2791, "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE s_registruservice TO GROUP gruppreluare"},
    {2792, "GRANT SELECT                         ON TABLE s_registruservice TO GROUP grupvizualizare"},
    {2793, "ALTER TABLE s_registruservice ADD COLUMN c_frane VARCHAR(50) DEFAULT NULL"},
    {2794, "ALTER TABLE s_registruservice ADD COLUMN c_noxe VARCHAR(50) DEFAULT NULL"},
    {2795, "ALTER TABLE s_registruservice ADD COLUMN c_cuplu VARCHAR(50) DEFAULT NULL"},
    {2796, "ALTER TABLE s_registruservice ADD COLUMN c_presiune VARCHAR(50) DEFAULT NULL"},
    {2797, "ALTER TABLE s_registruservice ADD COLUMN c_profil VARCHAR(50) DEFAULT NULL"},
    {2798, "ALTER TABLE s_registruservice ADD COLUMN c_parbriz VARCHAR(50) DEFAULT NULL"},
    {2799, "ALTER TABLE s_registruservice ADD COLUMN c_probadrum VARCHAR(50) DEFAULT NULL"},
    {2800, "ALTER TABLE s_registruservice ADD COLUMN c_faruri VARCHAR(50) DEFAULT NULL"},

    // firmaedi, later rows
    {4959, "GRANT ALL PRIVILEGES ON SEQUENCE firmaedi_idfirmaedi_seq TO GROUP grupadmin     WITH GRANT OPTION"},
};

}  // namespace

Section serviceRows() { return kRows; }

}  // namespace script
