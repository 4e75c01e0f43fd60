#include "script/sections.h"

namespace script {
namespace {

// Repairs of business data written by older releases, so that it matches
// how the application stores it from the release that added each row on.
constexpr ScriptRow kRows[] = {
    // factura
    {93, "UPDATE FACTURA SET codvaluta = 'RON' where codvaluta='LEI'"},

    // gest_nom
    {185, "UPDATE gest_nom gn set pret = (select pret from nomenclator n where n.idreper=gn.idreper ),                                codvaluta = (select codvaluta from nomenclator n where n.idreper=gn.idreper),                                  faratva = (select faratva from nomenclator n where n.idreper=gn.idreper)               WHERE gn.pret is null"},

    // doc
    {271, "UPDATE doc SET serie=DEFAULT, nr=DEFAULT WHERE nrdoc != (serie||nr) AND serie IS NOT NULL AND nr IS NOT NULL"},

    // factura
    {272, "UPDATE factura SET serie=DEFAULT, nr=DEFAULT WHERE nrfactura != (serie||nr) AND serie IS NOT NULL AND nr IS NOT NULL"},

    // reperenir
    {277, "UPDATE reperenir SET pretftvarecep=pretftvafurniz WHERE pretftvafurniz<>0 and pretftvarecep=0 and iddoc in (select iddoc from doc where tipdoc='BT')"},
    {278, "UPDATE reperenir SET pretftvafurniz=0 WHERE pretftvafurniz<>0 and pretftvarecep<>0 and iddoc in (select iddoc from doc where tipdoc='BT')"},

    // totaluri
    {306, "UPDATE totaluri SET acciza = NULL WHERE acciza = 0"},

    // plati
    {514, "UPDATE plati SET idfirma = (SELECT doc.idfirma FROM doc , plati AS p  WHERE doc.nrdoc = p.nrdocplata AND doc.datadoc = p.datadocplata AND p.idplata = plati.idplata)WHERE plati.idfirma IS NULL"},
    {515, "UPDATE plati SET idfirma = (SELECT f.idfirma FROM factura AS f, factura_plati AS fp, plati AS p WHERE f.idfactura = fp.idfactura AND fp.idplata = p.idplata AND p.idplata = plati.idplata) WHERE plati.idfirma IS NULL"},
    {516, "UPDATE plati SET idoperatiune = 1   WHERE plati.nrdocplata IN (SELECT doc.nrdoc FROM doc   WHERE doc.nrdoc = plati.nrdocplata AND doc.datadoc = plati.datadocplata) AND plati.idoperatiune IS NULL"},
    {517, "UPDATE plati SET idoperatiune = 1  WHERE plati.idplata IN (SELECT idplata FROM factura_plati AS fp, factura AS f  WHERE fp.idfactura = f.idfactura AND f.tipdoc IN ('FS', 'FM'))AND plati.idoperatiune IS NULL"},
    {518, "UPDATE plati SET idoperatiune = 2  WHERE plati.idplata IN (SELECT idplata FROM factura_plati AS fp, factura AS f  WHERE fp.idfactura = f.idfactura AND f.tipdoc = 'FI')AND plati.idoperatiune IS NULL"},

    // alte_doc_plata
    {533, "UPDATE alte_doc_plata SET doccasa = 1 WHERE tipdoc IN ('DI', 'DP')"},

    // plati
    {534, "UPDATE plati SET observatii = (SELECT obsnir FROM doc d, plati p WHERE d.nrdoc=p.nrdocplata AND d.datadoc = p.datadocplata AND p.idplata = plati.idplata  ) WHERE observatii IS NULL"},
    {535, "UPDATE plati set observatii =   (select 'Plata factura ' || f.nrfactura || ' din ' || to_char(datafactura,'DD/MM/YYYY')   from plati p, factura_plati fp, factura f   where p.idplata in (select fp1.idplata from factura_plati fp1, factura f1 WHERE fp1.idfactura = f1.idfactura AND f1.tipdoc='FI')   AND p.idplata = fp.idplata AND fp.idfactura = f.idfactura and plati.idplata = p.idplata)   where plati.idplata in (select fp2.idplata from factura_plati fp2, factura f2 WHERE fp2.idfactura = f2.idfactura AND f2.tipdoc='FI')   AND observatii is null"},
    {536, "UPDATE plati set observatii =   (select 'Incasare factura ' || f.nrfactura || ' din ' || to_char(datafactura,'DD/MM/YYYY')   from plati p, factura_plati fp, factura f   where p.idplata in (select fp1.idplata from factura_plati fp1, factura f1 WHERE fp1.idfactura = f1.idfactura AND TRIM(f1.tipdoc) LIKE 'F_')   AND p.idplata = fp.idplata AND fp.idfactura = f.idfactura and plati.idplata = p.idplata)   where plati.idplata in (select fp2.idplata from factura_plati fp2, factura f2 WHERE fp2.idfactura = f2.idfactura AND TRIM(f2.tipdoc) LIKE 'F_')   AND observatii is null"},

    // miscare
    {538, "UPDATE miscare SET idtipmiscare = 2 WHERE idtipmiscare = 1 AND iddoc IN (SELECT iddoc FROM doc WHERE tipdoc='AE')"},

    // reperenir
    {574, "UPDATE reperenir SET stoc_ramas_recep =    (SELECT min(stoc_ramas) FROM miscare AS m, miscarestoc AS ms    WHERE reperenir.iddoc = m.iddoc AND idtipmiscare = 1 AND m.idmiscare = ms.idmiscare_intrare)  WHERE iddoc IN (SELECT iddoc FROM miscare WHERE idtipmiscare = 1)"},
    {575, "UPDATE reperenir SET stoc_ramas_recep = cantrecep WHERE idreper > 0 AND iddoc NOT IN (SELECT m.iddoc FROM miscare AS m, miscarestoc AS ms WHERE m.idmiscare = ms.idmiscare_intrare AND ms.stoc_ramas = 0 ) AND stoc_ramas_recep IS NULL"},

    // doc
    {577, "UPDATE doc SET codvaluta = (SELECT p.codvaluta FROM doc AS d, plati AS p WHERE d.nrdoc = p.nrdocplata AND d.datadoc = p.datadocplata AND d.iddoc = doc.iddoc LIMIT 1) WHERE codvaluta IS NULL AND tipdoc='C'"},
    {578, "UPDATE doc set codvaluta = 'RON' WHERE codvaluta IS NULL"},

    // factura
    {580, "UPDATE factura SET altedate=NULL WHERE upper(altedate) LIKE upper('%altedatemm%')"},

    // firmadelegat
    {598, "INSERT INTO firmadelegat (idfirma, iddelegat) SELECT DISTINCT idfirma, iddelegat FROM doc, expediere WHERE doc.iddoc = expediere.iddoc AND iddelegat > 0"},

    // plati
    {599, "UPDATE plati SET idoperatiune = 2, idfirma =(SELECT f.idfirma FROM factura AS f, factura_plati AS fp WHERE f.idfactura = fp.idfactura AND plati.idplata = fp.idplata AND f.tipdoc='FI') WHERE idoperatiune IS NULL "},

    // miscare
    {612, "UPDATE miscare SET idrepernir = (SELECT idrepernir FROM reperenir AS rn WHERE miscare.idreper = rn.idreper AND miscare.idgestiune = rn.idgestiune AND miscare.iddoc = rn.iddoc) WHERE idrepernir IS NULL AND idtipmiscare = 1"},
    {614, "UPDATE miscare SET idreperaviz = (SELECT idreperaviz FROM repereaviz AS ra WHERE miscare.idreper = ra.idreper AND miscare.idgestiune = ra.idgestiune AND miscare.iddoc = ra.iddoc) WHERE idreperaviz IS NULL AND idtipmiscare = 2"},

    // doc
    {705, "UPDATE doc SET serie = NULL, nr = NULL WHERE nr = 0"},

    // reperenir
    {720, "UPDATE reperenir SET pretctvarecep = pretftvarecep + tvaunitarrecep WHERE pretctvarecep IS NULL"},

    // doc
    {1197, "UPDATE doc SET afisnrregcodf  = NULL WHERE extract(year from datadoc) < 2009 "},
    {1201, "UPDATE doc SET afiscurschi  = NULL WHERE extract(year from datadoc) < 2009 "},

    // plati
    {1203, "UPDATE plati SET iddoc = (SELECT doc.iddoc FROM doc WHERE doc.tipdoc='C' AND plati.nrdocplata = doc.nrdoc AND plati.datadocplata = doc.datadoc  AND plati.idfirma = doc.idfirma) WHERE iddoc IS NULL AND codmodplata = 2"},

    // doc
    {1207, " UPDATE doc SET cursschimb =  (select  plati.cursschimb from plati where doc.nrdoc = plati.nrdocplata and doc.tipdoc='C' and doc.datadoc = plati.datadocplata and plati.cursschimb > 0 AND extract (YEAR from datadocplata) = 2009)  WHERE cursschimb is null AND extract(year FROM datadoc) = 2009"},

    // alte_doc_plata
    {1242, "UPDATE alte_doc_plata SET datascadenta = data WHERE tipdoc IS NOT NULL "},

    // factura_plati
    {1284, "DELETE FROM factura_plati WHERE idplata = 0 OR idplata IS NULL"},
    {1285, "UPDATE factura_plati SET valoareplatafp = (SELECT valoareplata FROM plati WHERE idplata = factura_plati.idplata) WHERE valoareplatafp IS NULL OR valoareplatafp = 0 "},

    // statusdoc
    {1365, "UPDATE statusdoc SET idfactura = (SELECT idfactura FROM doc_factura WHERE iddoc = statusdoc.iddoc) WHERE idfactura IS NULL "},

    // expediere
    {1476, "UPDATE expediere SET idfactura = (SELECT DISTINCT idfactura FROM factura WHERE idfactura IN (SELECT idfactura FROM factura WHERE tipdoc LIKE 'F%' AND idfactura in (SELECT idfactura FROM doc_factura AS df WHERE df.iddoc = expediere.iddoc))) WHERE idfactura is null AND  iddoc in (select iddoc from doc where tipdoc like 'F%') "},

    // factura_plati
    {1505, "UPDATE factura_plati SET echivalent = valoareplatafp WHERE echivalent IS NULL "},

    // factura
    {1507, "UPDATE factura SET tipdoc='FM' where tipdoc = 'FS' and idfactura in (select idfactura from doc_factura where iddocaviz > 0)"},

    // alte_doc_plata
    {1518, "UPDATE alte_doc_plata SET docbanca = 1 WHERE tipdoc IN ('FV', 'RNB')"},
    {1525, "UPDATE alte_doc_plata SET idemicontbanca = (SELECT idemicontbanca FROM emicontbanca WHERE enddate IS NULL AND implicit = '1'  LIMIT 1) WHERE idemicontbanca is null AND tipdoc IN (SELECT tipdoc FROM tipdoc WHERE docbanca = 1) AND idoperatiunebanca IS NOT NULL  "},

    // plati
    {1527, "UPDATE plati SET idemicontbanca = (SELECT idemicontbanca FROM emicontbanca WHERE enddate IS NULL AND implicit = 1 LIMIT 1) WHERE idemicontbanca is null AND tipdoc IN (SELECT tipdoc FROM tipdoc WHERE docbanca = 1) "},

    // totaluri
    {1531, "UPDATE totaluri SET codvaluta = (SELECT codvaluta FROM factura WHERE idfactura = totaluri.idfactura ) "},
    {1532, "UPDATE totaluri SET codvalutaechivalent = 'RON' WHERE (v7 IS NOT NULL OR v8 IS NOT NULL) AND codvalutaechivalent IS NULL "},

    // factura
    {1534, "UPDATE factura SET codvalutaechivalent = 'RON' WHERE rataschimb IS NOT NULL AND codvaluta <> 'RON' AND codvalutaechivalent IS NULL "},

    // totaluri
    {1535, "DELETE FROM totaluri WHERE idfactura NOT IN (SELECT idfactura FROM factura) AND codvaluta IS NULL "},

    // reperenir
    {1599, "UPDATE reperenir SET pretctvarecep = pretctvarecep*(1 + cotatvarecep/100) \tWHERE pretftvarecep = pretctvarecep AND cotatvarecep > 0 \tAND 'BT' IN (select tipdoc from doc where iddoc = reperenir.iddoc) "},
    {1661, "UPDATE reperenir SET totalcutvarecep  = (case when faratva = 0 then pretctvarecep*cantrecep else pretctvarecep*cantrecep*(1+cotatvarecep/100) end) WHERE iddoc IN (SELECT iddoc FROM doc WHERE tipdoc = 'BT') "},
    {1662, "UPDATE reperenir SET totalftvarecep  = (case when faratva = 0 then pretctvarecep/(1 + cotatvarecep/100)*cantrecep else pretctvarecep*cantrecep end) WHERE iddoc IN (SELECT iddoc FROM doc WHERE tipdoc = 'BT')"},
    {1663, "UPDATE reperenir SET tvatotalrecep  = totalcutvarecep - totalftvarecep WHERE iddoc IN (SELECT iddoc FROM doc WHERE tipdoc = 'BT')"},

    // repereaviz
    {1666, "UPDATE repereaviz SET cotatvacoef = cotatva WHERE coeficient IS NOT NULL"},
    {1670, "delete from repereaviz where iddoc not in (select iddoc from doc)"},

    // reperenir
    {1671, "delete from reperenir  where iddoc not in (select iddoc from doc)"},

    // monetar
    {1762, "UPDATE monetar SET idseriedoc = (SELECT idseriedoc FROM seriedoc WHERE monetar.serie = seriedoc.radacinaserie AND extract( year FROM monetar.datadoc) = seriedoc.anul AND seriedoc.tipfactura = 'M')"},

    // doc
    {1765, "UPDATE doc SET idseriedoc = (SELECT distinct idseriedoc  FROM seriedoc  WHERE doc.serie = seriedoc.radacinaserie AND extract( year FROM doc.datadoc) = seriedoc.anul    AND seriedoc.tipfactura IN (select distinct tipfactura from tipfactura where tipdoc = doc.tipdoc))"},

    // reperenir
    {1800, "update reperenir set totalftvarecep = totalcutvarecep/(1+cotatvarecep/100) where iddoc in (select iddoc from doc where tipdoc = 'BT') AND pretctvarecep IS NOT NULL "},
    {1801, "update reperenir set tvatotalrecep = totalcutvarecep - totalftvarecep WHERE iddoc in (select iddoc from doc where tipdoc = 'BT')"},

    // doc
    {1918, "UPDATE doc SET username = (SELECT username FROM dreptprog WHERE idang = doc.idang LIMIT 1) WHERE username IS NULL"},

    // repereaviz
    {2006, "UPDATE repereaviz SET idtiptva = (SELECT idtiptva FROM factura WHERE idfactura IN (SELECT idfactura FROM doc_factura WHERE iddoc = repereaviz.iddoc)) WHERE iddoc IN (SELECT iddoc FROM doc_factura AS df LEFT JOIN factura AS f ON df.idfactura = f.idfactura where idtiptva > 0 ) AND idtiptva IS NULL "},

    // reperenir
    {2007, "UPDATE reperenir SET totalftvafurniz = pretftvafurniz * cantrecep, totalcutvarecep = pretctvarecep * cantrecep, totalftvarecep = pretftvarecep * cantrecep, totaltvafurniz = CASE WHEN faratvafurniz = 1 THEN ROUND(totalftvafurniz * cotatvafurniz/100, 2) ELSE  ROUND(totalftvafurniz * cotatvafurniz/(100 + cotatvafurniz), 2) END, adaosftvatotal = (pretftvarecep - (CASE WHEN faratvafurniz = 0 THEN pretftvafurniz /(1 + cotatvarecep/100) ELSE pretftvafurniz END) ) * cantrecep, adaosunitar = (pretftvarecep - (CASE WHEN faratvafurniz = 0 THEN pretftvafurniz /(1 + cotatvarecep/100) ELSE pretftvafurniz END) ) WHERE iddoc IN (SELECT iddoc FROM doc WHERE tipdoc = 'PVM' ) "},
    {2008, "UPDATE reperenir SET tvaunitarrecep=(totalcutvarecep - totalftvarecep) / cantrecep WHERE iddoc IN (SELECT iddoc FROM doc WHERE tipdoc = 'PVM' ) AND cantrecep <> 0"},
    {2009, "UPDATE reperenir SET tvatotalrecep=totalcutvarecep - totalftvarecep WHERE iddoc IN (SELECT iddoc FROM doc WHERE tipdoc = 'PVM' )"},

    // firma
    {5216, "UPDATE firma SET codtara = UPPER(codtara)"},
    {5218, "UPDATE firma SET codtara = 'EL' WHERE codtara = 'GR'"},
    {5863, "update firma set codjudet = 'HR' where codjudet='HG'"},

    // rot_anaf_etransport
    {5917, "update rot_anaf_etransport  set transportator_idfirma = (select idfirma from firma where denfirma = rot_anaf_etransport.denumiretransportator limit 1) where transportator_idfirma is null"},

    // doc
    {5996, "update doc set nrcomandaclient = (select distinct trim(nrcomandaclient) from repereaviz ra where ra.iddoc  = doc.iddoc and nrcomandaclient is not null limit 1) where doc.iddoc in (select iddoc from repereaviz where nrcomandaclient is not null and iddoc = doc.iddoc limit 1) and nrcomandaclient is null"},
    {5997, "update doc set datacomandaclient = (select distinct datacomandaclient from repereaviz ra where ra.iddoc  = doc.iddoc and datacomandaclient is not null limit 1) where doc.iddoc in (select iddoc from repereaviz where datacomandaclient is not null and iddoc = doc.iddoc limit 1) and datacomandaclient is null"},
    {5998, "update doc set nrcomandaclient = (select distinct nrcomandaclient from repereaviz ra left join doc_factura df on ra.idfactura = df.idfactura  where df.iddoc  = doc.iddoc and nrcomandaclient is not null limit 1) where doc.iddoc in (select df1.iddoc from doc_factura df1 left join repereaviz ra1 on df1.idfactura = ra1.idfactura where ra1.nrcomandaclient is not null and ra1.idfactura is not null limit 1) and nrcomandaclient is null"},
    {5999, "update doc set datacomandaclient = (select distinct datacomandaclient from repereaviz ra left join doc_factura df on ra.idfactura = df.idfactura  where df.iddoc  = doc.iddoc and datacomandaclient is not null limit 1) where doc.iddoc in (select df1.iddoc from doc_factura df1 left join repereaviz ra1 on df1.idfactura = ra1.idfactura where ra1.datacomandaclient is not null and ra1.idfactura is not null limit 1) and datacomandaclient is null"},

    // anaf_invoice
    {6127, "UPDATE anaf_invoice SET acp_party_partytaxscheme_companyid = ( CASE WHEN (select codfiscal from firma where upper(trim(denfirma)) = upper(trim(anaf_invoice.acp_party_partylegalentity_registrationname)) limit 1) is not null \tTHEN (select codfiscal from firma where upper(trim(denfirma)) = upper(trim(anaf_invoice.acp_party_partylegalentity_registrationname)) limit 1) \tELSE (CASE WHEN \t\t(select codfiscal from firma where nrregcom = anaf_invoice.acp_party_partylegalentity_companyid limit 1) is not null \t\tTHEN (select codfiscal from firma where nrregcom = anaf_invoice.acp_party_partylegalentity_companyid limit 1) \t\tELSE (SELECT cif_beneficiar FROM anaf_efactura_mesaje WHERE id_record = anaf_invoice.id_anaf_efactura_mesaj LIMIT 1) END ) \tEND \t) "},
};

}  // namespace

Section corectiiRows() { return kRows; }

}  // namespace script
