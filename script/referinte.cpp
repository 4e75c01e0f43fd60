#include "script/sections.h"

namespace script {
namespace {

// Reference lists of documents, taxes and payments, and the labels of printed forms.
constexpr ScriptRow kRows[] = {
    // tipdoc
    // Document types. An INSERT names only the flag columns that exist at its row; the UPDATE rows
    // bring older rows, and the older F and AE, to the same flags.
    {8, "INSERT INTO tipdoc(tipdoc, descrtipdoc) VALUES ('C', 'Chitanta')"},
    {9, "INSERT INTO tipdoc(tipdoc, descrtipdoc) VALUES ('NIR', 'Nota Intrare-Receptie')"},
    // tipfactura
    {10, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('C', 'Chitanta', 0, 'C')"},
    {11, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('NIR', 'Nota Intrare Receptie', 1, 'NIR')"},
    // cotatva
    {37, "insert into cotatva (cotatva) values(19)"},
    {38, "insert into cotatva (cotatva) values(0)"},
    {39, "insert into cotatva (cotatva) values(9)"},
    // valuta
    {78, "INSERT INTO valuta(codvaluta, descrvaluta, ordine) VALUES ('RON', 'Leu romanesc', 0)"},
    {79, "INSERT INTO valuta(codvaluta, descrvaluta, ordine) VALUES ('EUR', 'Euro', 1)"},
    {80, "INSERT INTO valuta(codvaluta, descrvaluta, ordine) VALUES ('USD', 'Dolar american', 2)"},
    // tipfactura
    {113, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('AI', 'Aviz Intrare', 1, 'AE')"},
    {114, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('FI', 'Factura Intrare', 1, 'F')"},
    // tipdoc
    {124, "INSERT INTO tipdoc(tipdoc, descrtipdoc) VALUES ('FP', 'Factura Proforma')"},
    // tipfactura
    {125, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('FP', 'Factura Proforma', 0, 'FP')"},
    // model_factura
    {177, "INSERT INTO model_factura (descrmodelfactura) VALUES( 'Neplatitor TVA')"},
    // tipdoc
    {208, "INSERT INTO tipdoc(tipdoc, descrtipdoc) VALUES ('BT', 'Bon Transfer intre Gestiuni')"},
    // tipfactura
    {209, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('BT', 'Bon Transfer intre Gestiuni', 0, 'BT')"},
    // tipmiscare
    {219, "INSERT INTO tipmiscare(idtipmiscare, descrtipmiscare) VALUES( 1, 'INTRARE')"},
    {220, "INSERT INTO tipmiscare(idtipmiscare, descrtipmiscare) VALUES( 2, 'IESIRE')"},
    // tipdoc
    {258, "INSERT INTO tipdoc(tipdoc, descrtipdoc) VALUES ('BC', 'Bon consum')"},
    // tipfactura
    {259, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('BC', 'Bon Consum', 1, 'BC')"},
    {260, "UPDATE tipfactura SET flag = 1 WHERE tipfactura = 'BC' "},
    // operatiune
    {283, "INSERT INTO operatiune (operatiune) VALUES ('INCASARE')"},
    {284, "INSERT INTO operatiune (operatiune) VALUES ('PLATA')"},
    // tipdoc
    {289, "INSERT INTO tipdoc(tipdoc, descrtipdoc, genereazaserie, altele, doccasa) VALUES ('BF', 'Bon Fiscal', 0, 1, 1)"},
    {290, "INSERT INTO tipdoc(tipdoc, descrtipdoc, genereazaserie, altele, doccasa) VALUES ('DP', 'DISPOZITIE DE PLATA', 1, 1, 1)"},
    {291, "INSERT INTO tipdoc(tipdoc, descrtipdoc, genereazaserie, altele, doccasa) VALUES ('DI', 'DISPOZITIE DE INCASARE', 1, 1, 1)"},
    {292, "UPDATE tipdoc SET genereazaserie = 1, altele = 1, aredocincasare = 1 WHERE tipdoc = 'F'"},
    {293, "UPDATE tipdoc SET genereazaserie = 1, altele = 1, aredocincasare = 0 WHERE tipdoc = 'C'"},
    {294, "UPDATE tipdoc SET genereazaserie = 1, altele = 0, aredocincasare = 0 WHERE tipdoc = 'NIR'"},
    {295, "UPDATE tipdoc SET genereazaserie = 1, altele = 0, aredocincasare = 0 WHERE tipdoc = 'FP'"},
    {296, "UPDATE tipdoc SET genereazaserie = 1, altele = 0, aredocincasare = 0 WHERE tipdoc = 'BT'"},
    {297, "UPDATE tipdoc SET genereazaserie = 1, altele = 0, aredocincasare = 0 WHERE tipdoc = 'BC'"},
    {298, "UPDATE tipdoc SET genereazaserie = 1, altele = 0, aredocincasare = 0 WHERE tipdoc = 'AE'"},
    {299, "UPDATE tipdoc SET doccasa = 1 WHERE tipdoc IN ('C', 'BF')"},
    // traducere: labels of rapFacturaChitantaFM
    {322, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel45', 'EMITENT:', 'COMPANY:', 'Factura & chitanta')"},
    {323, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel61', 'CIF', 'CIF', 'Factura & chitanta')"},
    {324, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel46', 'Nr. R.C.', 'Nr. R.C.', 'Factura & chitanta')"},
    {325, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel49', 'Adresa:', 'Address:', 'Factura & chitanta')"},
    {326, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel50', 'Judet', 'County', 'Factura & chitanta')"},
    {327, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel20', 'Capital social', 'Capital social', 'Factura & chitanta')"},
    {328, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel62', 'Cod IBAN', 'Cod IBAN', 'Factura & chitanta')"},
    {329, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel63', 'Banca', 'Bank', 'Factura & chitanta')"},
    {330, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel56', 'CUMPARATOR:', 'Bill To:', 'Factura & chitanta')"},
    {331, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel5', 'CIF', 'CIF', 'Factura & chitanta')"},
    {332, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel2', 'Nr. R.C.', 'Nr. R.C.', 'Factura & chitanta')"},
    {333, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel3', 'Adresa:', 'Address:', 'Factura & chitanta')"},
    {334, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel4', 'Judet', 'County', 'Factura & chitanta')"},
    {335, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel6', 'Cod IBAN', 'Cod IBAN', 'Factura & chitanta')"},
    {336, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel7', 'Banca', 'Bank', 'Factura & chitanta')"},
    {337, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel8', 'FACTURA', 'INVOICE', 'Factura & chitanta')"},
    {338, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel10', 'Data ( zi, luna, an)', 'Date(dd,mm,yy)', 'Factura & chitanta')"},
    {339, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel31', 'COTA TVA', 'VAT', 'Factura & chitanta')"},
    {340, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'moneQRL', 'Moneda documentului', 'Currency', 'Factura & chitanta')"},
    {341, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel19', 'Nr.crt.', 'No.', 'Factura & chitanta')"},
    {342, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel30', 'DENUMIREA PRODUSELOR SI SERVICIILOR', 'DESCRIPTION OF GOODS', 'Factura & chitanta')"},
    {343, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel33', 'UM', 'UM', 'Factura & chitanta')"},
    {344, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel34', 'CANTITATE', 'QUANTITY', 'Factura & chitanta')"},
    {345, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel35', 'PRET UNITAR', 'UNIT PRICE', 'Factura & chitanta')"},
    {346, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel36', 'fara TVA', 'without VAT', 'Factura & chitanta')"},
    {347, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel37', 'VALOARE', 'VALUE', 'Factura & chitanta')"},
    {348, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel38', 'VALOARE', 'VALUE', 'Factura & chitanta')"},
    {349, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel39', 'TVA', 'VAT', 'Factura & chitanta')"},
    {350, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel16', 'Modalitate de plata', 'Payment Method', 'Factura & chitanta')"},
    {351, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel14', 'Semnatura si stampila', 'Signature and stamp', 'Factura & chitanta')"},
    {352, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel15', 'furnizorului', 'of the emitter', 'Factura & chitanta')"},
    {353, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel13', 'Intocmit:', 'Completed by:', 'Factura & chitanta')"},
    {354, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel18', 'CNP:', 'CNP:', 'Factura & chitanta')"},
    {355, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel1', 'Date privind expeditia', 'Delivery information', 'Factura & chitanta')"},
    {356, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel11', 'Delegat', 'Delegate', 'Factura & chitanta')"},
    {357, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel12', 'B.I./C.I. Seria', 'B.I./C.I. Seria', 'Factura & chitanta')"},
    {358, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel40', 'Transport', 'Transport', 'Factura & chitanta')"},
    {359, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel42', 'nr', 'no.', 'Factura & chitanta')"},
    {360, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel41', 'Semnatura', 'Signature', 'Factura & chitanta')"},
    {361, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel60', 'TOTAL', 'TOTAL', 'Factura & chitanta')"},
    {362, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel21', 'din care accize', 'excise', 'Factura & chitanta')"},
    {363, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel28', 'TOTAL DE PLATA', 'Total for pay', 'Factura & chitanta')"},
    {364, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel9', 'Semnatura de primire', 'Received by', 'Factura & chitanta')"},
    {365, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel89', 'EMITENT:', 'COMPANY:', 'Factura & chitanta')"},
    {366, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel91', 'CIF:', 'CIF:', 'Factura & chitanta')"},
    {367, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel93', 'Nr. R.C.', 'Nr. R.C.', 'Factura & chitanta')"},
    {368, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel95', 'Adresa:', 'Address:', 'Factura & chitanta')"},
    {369, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel97', 'Judet:', 'County:', 'Factura & chitanta')"},
    {370, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel99', 'Banca:', 'Bank:', 'Factura & chitanta')"},
    {371, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel72', 'Cod IBAN:', 'Cod IBAN:', 'Factura & chitanta')"},
    {372, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel86', 'CHITANTA', 'BILL', 'Factura & chitanta')"},
    {373, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel87', 'Data ( zi, luna, an)', 'Date (dd,mm,yy)', 'Factura & chitanta')"},
    {374, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel74', 'Am primit de la:', 'We have received from:', 'Factura & chitanta')"},
    {375, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel75', 'Adresa:', 'Address:', 'Factura & chitanta')"},
    {376, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel76', 'Suma de:', 'Amount:', 'Factura & chitanta')"},
    {377, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel78', 'Adica:', 'Means:', 'Factura & chitanta')"},
    {378, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel79', 'Reprezentand:', 'Reprezenting:', 'Factura & chitanta')"},
    {379, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel80', 'Intocmit:', 'Completed by', 'Factura & chitanta')"},
    {380, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel82', 'CNP:', 'CNP:', 'Factura & chitanta')"},
    {381, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFacturaChitantaFM', 'QRLabel84', 'Casier', 'Cashier', 'Factura & chitanta')"},
    // traducere: labels of rapAvizLivrareFM
    {382, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel2', 'Emitent :', 'COMPANY :', 'Aviz Livrare')"},
    {383, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel6', 'CIF', 'CIF', 'Aviz Livrare')"},
    {384, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel3', 'Nr. R.C.', 'No. R.C.', 'Aviz Livrare')"},
    {385, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel5', 'Judetul', 'County', 'Aviz Livrare')"},
    {386, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel4', 'Adresa', 'Address', 'Aviz Livrare')"},
    {387, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel17', 'Cumparator', 'SHIP TO:', 'Aviz Livrare')"},
    {388, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel46', 'CIF', 'CIF', 'Aviz Livrare')"},
    {389, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel43', 'Nr. R.C.', 'No. R.C.', 'Aviz Livrare')"},
    {390, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel45', 'Judetul', 'County', 'Aviz Livrare')"},
    {391, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel44', 'Adresa', 'Address', 'Aviz Livrare')"},
    {392, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel15', 'AVIZ DE LIVRARE', 'AVIZ DE LIVRARE', 'Aviz Livrare')"},
    {393, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel18', 'Data ( zi, luna, an)', 'Date (dd,mm,yy)', 'Aviz Livrare')"},
    {394, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'moneQRL', 'Moneda documentului', 'Currency', 'Aviz Livrare')"},
    {395, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel19', 'Nr.crt.', 'No.', 'Aviz Livrare')"},
    {396, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel20', 'Denumirea Produselor', 'Description of Goods', 'Aviz Livrare')"},
    {397, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel23', 'UM', 'UM', 'Aviz Livrare')"},
    {398, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel24', 'Cantitate', 'Quantity', 'Aviz Livrare')"},
    {399, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel25', 'Pret unitar', 'Unit Price', 'Aviz Livrare')"},
    {400, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel26', '(fara TVA) lei', 'without VAT', 'Aviz Livrare')"},
    {401, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel27', 'Valoare', 'Value', 'Aviz Livrare')"},
    {402, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel28', 'lei', '', 'Aviz Livrare')"},
    {403, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel35', 'Semnatura si stampila', 'Signature and stamp', 'Aviz Livrare')"},
    {404, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel36', 'furnizorului', 'of the emitter', 'Aviz Livrare')"},
    {405, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel13', 'Intocmit:', 'Completed by:', 'Aviz Livrare')"},
    {406, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel1', 'CNP:', 'CNP:', 'Aviz Livrare')"},
    {407, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel37', 'Date privind expeditia', 'Delivery information', 'Aviz Livrare')"},
    {408, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel38', 'Numele delegatului', 'Delegate', 'Aviz Livrare')"},
    {409, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel39', 'B.I.', 'B.I.', 'Aviz Livrare')"},
    {410, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel40', 'Transport', 'Transport', 'Aviz Livrare')"},
    {411, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel41', 'Semnatura', 'Signature', 'Aviz Livrare')"},
    {412, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel7', 'TOTAL', 'TOTAL', 'Aviz Livrare')"},
    {413, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapAvizLivrareFM', 'QRLabel8', 'Semnatura de primire', 'Received by', 'Aviz Livrare')"},
    // traducere: labels of rapFactServ2007FM
    {414, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel45', 'EMITENT:', 'COMPANY:', 'Factura (fara aviz)')"},
    {415, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel61', 'CIF:', 'CIF:', 'Factura (fara aviz)')"},
    {416, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel46', 'Nr. R.C.:', 'No. R.C.:', 'Factura (fara aviz)')"},
    {417, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel49', 'Adresa:', 'Address:', 'Factura (fara aviz)')"},
    {418, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel50', 'Judet:', 'County:', 'Factura (fara aviz)')"},
    {419, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel20', 'Capital social', 'Capital social:', 'Factura (fara aviz)')"},
    {420, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel62', 'Cod IBAN', 'Cod IBAN', 'Factura (fara aviz)')"},
    {421, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel63', 'Banca', 'Bank', 'Factura (fara aviz)')"},
    {422, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel56', 'CUMPARATOR:', 'BILL TO:', 'Factura (fara aviz)')"},
    {423, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel5', 'CIF:', 'CIF:', 'Factura (fara aviz)')"},
    {424, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel2', 'Nr. R.C.:', 'No. R.C.:', 'Factura (fara aviz)')"},
    {425, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel3', 'Adresa:', 'Address:', 'Factura (fara aviz)')"},
    {426, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel4', 'Judet:', 'County:', 'Factura (fara aviz)')"},
    {427, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel6', 'Cod IBAN', 'Cod IBAN', 'Factura (fara aviz)')"},
    {428, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel7', 'Banca', 'Bank', 'Factura (fara aviz)')"},
    {429, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel8', 'FACTURA', 'INVOICE', 'Factura (fara aviz)')"},
    {430, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel17', 'FACTURA PROFORMA', 'INVOICE PROFORMA', 'Factura (fara aviz)')"},
    {431, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel10', 'Data ( zi, luna, an)', 'Date (dd,mm,yy)', 'Factura (fara aviz)')"},
    {432, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel31', 'COTA TVA', 'VAT', 'Factura (fara aviz)')"},
    {433, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'moneQRL', 'Moneda documentului', 'Currency', 'Factura (fara aviz)')"},
    {434, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel19', 'Nr.crt.', 'No.', 'Factura (fara aviz)')"},
    {435, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel30', 'DENUMIREA PRODUSELOR SI SERVICIILOR', 'DESCRIPTION OF GOODS', 'Factura (fara aviz)')"},
    {436, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel33', 'UM', 'UM', 'Factura (fara aviz)')"},
    {437, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel34', 'CANTITATE', 'QUANTITY', 'Factura (fara aviz)')"},
    {438, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel35', 'PRET UNITAR', 'UNIT PRICE', 'Factura (fara aviz)')"},
    {439, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel36', 'fara TVA', 'without VAT', 'Factura (fara aviz)')"},
    {440, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel37', 'VALOARE', 'VALUE', 'Factura (fara aviz)')"},
    {441, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel38', 'VALOARE', 'VALUE', 'Factura (fara aviz)')"},
    {442, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel39', 'TVA', 'VAT', 'Factura (fara aviz)')"},
    {443, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel16', 'Modalitate de plata', 'Payment Method', 'Factura (fara aviz)')"},
    {444, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel14', 'Semnatura si stampila', 'Signature and stamp', 'Factura (fara aviz)')"},
    {445, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel15', 'furnizorului', 'of the emittent', 'Factura (fara aviz)')"},
    {446, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel1', 'Date privind expeditia', 'Delivery information', 'Factura (fara aviz)')"},
    {447, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel11', 'Delegat', 'Delegate', 'Factura (fara aviz)')"},
    {448, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel12', 'B.I./C.I. Seria', 'B.I./C.I. Seria', 'Factura (fara aviz)')"},
    {449, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel40', 'Transport', 'Transport', 'Factura (fara aviz)')"},
    {450, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel42', 'nr.', 'no.', 'Factura (fara aviz)')"},
    {451, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel41', 'Semnatura', 'Signature', 'Factura (fara aviz)')"},
    {452, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel13', 'Intocmit:', 'Completed by:', 'Factura (fara aviz)')"},
    {453, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel18', 'CNP:', 'CNP:', 'Factura (fara aviz)')"},
    {454, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel60', 'TOTAL', 'TOTAL', 'Factura (fara aviz)')"},
    {455, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel21', 'din care accize', 'excise', 'Factura (fara aviz)')"},
    {456, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel28', 'TOTAL DE PLATA', 'TOTAL FOR PAY', 'Factura (fara aviz)')"},
    {457, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'rapFactServ2007FM', 'QRLabel9', 'Semnatura de primire', 'Received by', 'Factura (fara aviz)')"},
    // traducere: labels of raportFact2007FM
    {458, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel45', 'EMITENT:', 'COMPANY:', 'Factura la aviz')"},
    {459, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel61', 'CIF:', 'CIF:', 'Factura la aviz')"},
    {460, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel46', 'Nr. R.C.:', 'No. R.C.:', 'Factura la aviz')"},
    {461, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel49', 'Adresa:', 'Address:', 'Factura la aviz')"},
    {462, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel50', 'Judet:', 'County:', 'Factura la aviz')"},
    {463, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel20', 'Capital social', 'Capital social:', 'Factura la aviz')"},
    {464, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel62', 'Cod IBAN', 'Cod IBAN', 'Factura la aviz')"},
    {465, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel63', 'Banca', 'Bank', 'Factura la aviz')"},
    {466, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel56', 'CUMPARATOR:', 'BILL TO:', 'Factura la aviz')"},
    {467, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel5', 'CIF:', 'CIF:', 'Factura la aviz')"},
    {468, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel2', 'Nr. R.C.:', 'No. R.C.:', 'Factura la aviz')"},
    {469, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel3', 'Adresa:', 'Address:', 'Factura la aviz')"},
    {470, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel4', 'Judet:', 'County:', 'Factura la aviz')"},
    {471, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel6', 'Cod IBAN', 'Cod IBAN', 'Factura la aviz')"},
    {472, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel7', 'Banca', 'Bank', 'Factura la aviz')"},
    {473, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel8', 'FACTURA', 'INVOICE', 'Factura la aviz')"},
    {474, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel10', 'Data ( zi, luna, an)', 'Date (dd,mm,yy)', 'Factura la aviz')"},
    {475, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel31', 'COTA TVA', 'VAT', 'Factura la aviz')"},
    {476, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'moneQRL', 'Moneda documentului', 'Currency', 'Factura la aviz')"},
    {477, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel19', 'Nr.crt.', 'No.', 'Factura la aviz')"},
    {478, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel30', 'DENUMIREA PRODUSELOR SI SERVICIILOR', 'DESCRIPTION OF GOODS', 'Factura la aviz')"},
    {479, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel33', 'UM', 'UM', 'Factura la aviz')"},
    {480, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel34', 'CANTITATE', 'QUANTITY', 'Factura la aviz')"},
    {481, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel35', 'PRET UNITAR', 'UNIT PRICE', 'Factura la aviz')"},
    {482, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel36', 'fara TVA', 'without VAT', 'Factura la aviz')"},
    {483, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel37', 'VALOARE', 'VALUE', 'Factura la aviz')"},
    {484, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel38', 'VALOARE', 'VALUE', 'Factura la aviz')"},
    {485, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel39', 'TVA', 'VAT', 'Factura la aviz')"},
    {486, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel16', 'Modalitate de plata', 'Payment Method', 'Factura la aviz')"},
    {487, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel14', 'Semnatura si stampila', 'Signature and stamp', 'Factura la aviz')"},
    {488, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel15', 'furnizorului', 'of the emittent', 'Factura la aviz')"},
    {489, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel1', 'Date privind expeditia', 'Delivery information', 'Factura la aviz')"},
    {490, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel11', 'Delegat', 'Delegate', 'Factura la aviz')"},
    {491, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel12', 'B.I./C.I. Seria', 'B.I./C.I. Seria', 'Factura la aviz')"},
    {492, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel40', 'Transport', 'Transport', 'Factura la aviz')"},
    {493, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel42', 'nr.', 'no.', 'Factura la aviz')"},
    {494, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel41', 'Semnatura', 'Signature', 'Factura la aviz')"},
    {495, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel13', 'Intocmit:', 'Completed by:', 'Factura la aviz')"},
    {496, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel18', 'CNP:', 'CNP:', 'Factura la aviz')"},
    {497, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel60', 'TOTAL', 'TOTAL', 'Factura la aviz')"},
    {498, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel21', 'din care accize', 'excise', 'Factura la aviz')"},
    {499, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel28', 'TOTAL DE PLATA', 'TOTAL FOR PAY', 'Factura la aviz')"},
    {500, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel9', 'Semnatura de primire', 'Received by', 'Factura la aviz')"},
    {508, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'docQRL', 'Nr.aviz', 'Nr.aviz', 'Factura la aviz')"},
    {509, "INSERT INTO traducere(denraport, dencamp, romana, engleza, document) values( 'raportFact2007FM', 'QRLabel17', 'Data livrarii', 'Delivery date', 'Factura la aviz')"},
    // modplata
    {511, "UPDATE modplata SET doccasa = 1 WHERE codmodplata = 2"},
    // tiptva
    {527, "INSERT INTO tiptva(idtiptva, tiptva) values( 1, 'Taxare Inversa')"},
    {528, "INSERT INTO tiptva(idtiptva, tiptva) values( 2, 'Scutit cu drept de deducere')"},
    {529, "INSERT INTO tiptva(idtiptva, tiptva) values( 3, 'Neimpozabil in ROMANIA')"},
    {530, "INSERT INTO tiptva(idtiptva, tiptva) values( 4, 'TVA Inclus')"},
    // tipdoc
    {532, "UPDATE tipdoc SET doccasa = 1 WHERE tipdoc IN ('DI', 'DP')"},
    // metodastoc
    {550, "INSERT INTO metodastoc(idmetodastoc, metodastoc) VALUES (1, 'FIFO')"},
    {551, "INSERT INTO metodastoc(idmetodastoc, metodastoc) VALUES (2, 'LIFO')"},
    {552, "INSERT INTO metodastoc(idmetodastoc, metodastoc) VALUES (3, 'CMP')"},
    // tipdoc
    {591, "UPDATE tipdoc SET aremesaj  = 1 WHERE tipdoc IN ('AE', 'BC', 'BT', 'F', 'FP', 'NIR')"},
    {636, "INSERT INTO tipdoc(tipdoc, descrtipdoc, genereazaserie, altele, doccasa) VALUES ('M', 'Monetar', 1, 1, 1)"},
    {646, "INSERT INTO tipdoc(tipdoc, descrtipdoc, genereazaserie, altele, doccasa) VALUES ('FV', 'FOAIE VARSAMNT', 0, 1, 1)"},
    // tipfactura
    {714, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('M', 'Monetar', 0, 'M')"},
    // tipdoc
    {715, "UPDATE tipdoc SET genereazaserie = 1 WHERE tipdoc='M'"},
    {716, "UPDATE tipdoc SET altele = 1 WHERE tipdoc='M'"},
    {722, "UPDATE tipdoc SET aretva=0 WHERE tipdoc IN ('C', 'DI', 'DP', 'FV', 'M') "},
    // tipfactura
    {727, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('BF', 'Bon Fiscal', 1, 'BF')"},
    {728, "UPDATE tipfactura SET flag = 1 WHERE tipfactura = 'BF' "},
    // tipdoc
    {813, "INSERT INTO tipdoc(tipdoc, descrtipdoc, genereazaserie, altele, doccasa) VALUES ('INV', 'Fisa de Inventar', 1, 0, 0)"},
    // tipfactura
    {814, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('INV', 'Fisa de Inventar', 1, 'INV')"},
    {815, "UPDATE tipfactura SET flag = 1 WHERE tipfactura = 'INV' "},
    // modplata
    {818, "UPDATE modplata SET docbanca = 1 WHERE codmodplata IN (1, 3, 4)"},
    {1064, "INSERT INTO modplata (codmodplata, descmodplata, doccasa) VALUES (99, 'Bon fiscal prin casa marcat', 1)"},
    // tipdoc
    {1264, "INSERT INTO tipdoc(tipdoc, descrtipdoc, genereazaserie, altele, doccasa, aretva) VALUES ('RNB', 'RETRAGERE NUMERAR BANCA', 0, 1, 1, 0)"},
    {1303, "INSERT INTO tipdoc(tipdoc, descrtipdoc, genereazaserie, altele, doccasa, aretva) VALUES ('Z', 'RAPORT Z', 0, 1, 1, 0)"},
    // proprietateprodus
    {1318, "INSERT INTO proprietateprodus (idproprietateprodus, denproprietateprodus, intrastat) VALUES (1, 'Cod TARIC', 1) "},
    {1319, "INSERT INTO proprietateprodus (idproprietateprodus, denproprietateprodus, intrastat) VALUES (2, 'Tara ORIGINE', 1) "},
    {1320, "INSERT INTO proprietateprodus (idproprietateprodus, denproprietateprodus, intrastat) VALUES (3, 'Greutate/UM', 1) "},
    // tiptva
    {1371, "INSERT INTO tiptva(idtiptva, tiptva) values( 5, 'AUTOFACTURARE') "},
    {1372, "INSERT INTO tiptva(idtiptva, tiptva) values( 6, 'Art 152.1 CF') "},
    {1373, "UPDATE tiptva SET tiptva = 'Art 152.1 CF' WHERE idtiptva = 6 "},
    // tipfactura
    {1380, "UPDATE tipfactura SET descrtipfact = 'Factura' WHERE tipfactura = 'FS' "},
    {1381, "UPDATE tipfactura SET descrtipfact = 'Factura la Avize' WHERE tipfactura = 'FM' "},
    // tiptva
    {1436, "INSERT INTO tiptva(idtiptva, tiptva) values( 7, 'Neinclus in baza de impozitare')"},
    {1437, "INSERT INTO tiptva(idtiptva, tiptva) values( 8, 'Scutit fara drept de deducere')"},
    {1451, "UPDATE tiptva SET scrieincoloanatva = '-', scrie = 1 WHERE idtiptva = 2"},
    {1452, "UPDATE tiptva SET scrieincoloanatva = '-', scrie = 1 WHERE idtiptva = 3"},
    // These four give the integer column scrie a text and never take effect.
    {1453, "UPDATE tiptva SET scrieincoloanatva = 'TVA Inclus', scrie = 'TVA Inclus' WHERE idtiptva = 4"},
    {1454, "UPDATE tiptva SET scrieincoloanatva = '-', scrie = '-' WHERE idtiptva = 6"},
    {1455, "UPDATE tiptva SET scrieincoloanatva = '-', scrie = '-' WHERE idtiptva = 7"},
    {1456, "UPDATE tiptva SET scrieincoloanatva = '-', scrie = '-' WHERE idtiptva = 8"},
    // cotatva
    // The id is explicit: the sequence of idcotatva stays at 3.
    {1490, "INSERT INTO cotatva (idcotatva, cotatva) VALUES ( 4, 24) "},
    // tipfactura
    {1493, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('BA', 'Borderou Achizitie', 1, 'BA')"},
    // tipdoc
    {1494, "INSERT INTO tipdoc(tipdoc, descrtipdoc, genereazaserie, altele, doccasa, aretva) VALUES ('BA', 'Borderou Achizitie', 0, 1, 0, 0)"},
    // cotatva
    // Dates are written day first and read so by the server.
    {1498, "UPDATE cotatva SET datastart = '01.01.2000' WHERE cotatva IN (0,9,19) "},
    {1499, "UPDATE cotatva SET datafinal = '30.06.2015' WHERE cotatva IN (24) AND datafinal IS NULL"},
    // tipdoc
    {1513, "INSERT INTO tipdoc (tipdoc, descrtipdoc, genereazaserie, altele, aredocincasare, doccasa, aremesaj, aretva, docbanca, idemicontbanca) VALUES ('DNB', 'DEPUNERE NUMERAR BANCA', 0,1, 0,1,0,0,1,0)"},
    {1514, "INSERT INTO tipdoc (tipdoc, descrtipdoc, genereazaserie, altele, aredocincasare, doccasa, aremesaj, aretva, docbanca, idemicontbanca) VALUES ('CB', 'COMISION BANCA', 0,1, 0,0,0,0,1,0)"},
    {1515, "INSERT INTO tipdoc (tipdoc, descrtipdoc, genereazaserie, altele, aredocincasare, doccasa, aremesaj, aretva, docbanca, idemicontbanca) VALUES ('DB', 'DOBANDA BANCA', 0,1, 0,0,0,0,1,0)"},
    {1516, "INSERT INTO tipdoc (tipdoc, descrtipdoc, genereazaserie, altele, aredocincasare, doccasa, aremesaj, aretva, docbanca, idemicontbanca) VALUES ('AB', 'ALTE OPERATIUNI BANCA', 0,1, 0,0,0,0,1,0)"},
    {1517, "UPDATE tipdoc SET docbanca = 1 WHERE tipdoc IN ('FV', 'RNB')"},
    // tipdoc has no codmodplata column: this row never takes effect.
    {1523, "UPDATE tipdoc SET docbanca = 1 WHERE codmodplata IN (SELECT codmodplata FROM modplata WHERE docbanca = 1 )"},
    // tipfactura
    {1617, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('DI', 'Dispozitie de Incasare', 0, 'DI') "},
    {1618, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('DP', 'Dispozitie de Plata', 0, 'DP') "},
    // tipdoc
    {1619, "UPDATE tipdoc SET genereazaserie = 1 WHERE tipdoc IN ('DI', 'DP') "},
    {1620, "UPDATE tipdoc SET doccasa = 1 WHERE tipdoc IN ('DI', 'DP') "},
    // modplata
    {1621, "INSERT INTO modplata (codmodplata, descmodplata, doccasa ) VALUES (31, 'DISPOZITIE DE INCASARE', 1)"},
    {1622, "INSERT INTO modplata (codmodplata, descmodplata, doccasa ) VALUES (32, 'DISPOZITIE DE PLATA', 1)"},
    // tipfactura
    {1624, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('FPR', 'Fisa Productie', 1, 'FPR')"},
    // tipdoc
    {1625, "INSERT INTO tipdoc (tipdoc, descrtipdoc, genereazaserie, altele, aredocincasare, doccasa, aremesaj, aretva, docbanca, idemicontbanca) VALUES ('FPR', 'Fisa Productie', 0,0, 0,0,0,1,0,0)"},
    // tipfactura
    {1636, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('CCC', 'COMANDA CUMPARARE CLIENT', 0, 'CC') "},
    {1637, "UPDATE tipfactura SET tipdoc='CCC' WHERE tipfactura = 'CCC'"},
    // tipdoc
    {1638, "INSERT INTO tipdoc (tipdoc, descrtipdoc, genereazaserie, altele, aredocincasare, doccasa, aremesaj, aretva, docbanca, idemicontbanca) VALUES ('CCC', 'Comanda Cumparare Client', 1,0, 0,0,0,1,0,0)"},
    {1675, "INSERT INTO tipdoc (tipdoc, descrtipdoc, genereazaserie, altele, aredocincasare, doccasa, aremesaj, aretva, docbanca, idemicontbanca) VALUES ('PV', 'Proces Verbal', 0,1, 0,0,0,1,0,0)"},
    // tipfactura
    {1676, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('PV', 'Proces Verbal', 1, 'PV')"},
    // tipdoc
    {1725, "UPDATE tipdoc SET aremesaj='1' WHERE tipdoc ='BF'"},
    {1796, "INSERT INTO tipdoc (tipdoc, descrtipdoc, genereazaserie, altele, aredocincasare, doccasa, aremesaj, aretva, docbanca, idemicontbanca) VALUES ('PVM', 'Proces Verbal Modificare Pret', 1,1, 0,0,0,1,0,0)"},
    // tipfactura
    {1797, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('PVM', 'Proces Verbal Modificare Pret', 1, 'PVM')"},
    // modplata
    {1822, "UPDATE modplata SET tvalaincasare = 1 WHERE doccasa IS NULL "},
    // tiptva
    {2001, "INSERT INTO tiptva(idtiptva, tiptva, mesaj, scrieincoloanatva, scrie) values( 10, 'Marja agentie turism', NULL, 'Regimul marjei - Agentii de turism conf. art. 152,155 din CF', 1)"},
    {2002, "INSERT INTO tiptva(idtiptva, tiptva, scrieincoloanatva, scrie) values( 99, 'Scutite conf. art.141 al 1 lit.a din Codul Fiscal', '-', 1)"},
    {2004, "UPDATE tiptva SET tiptva = 'Regimul marjei - Agentii de turism conf. art. 152,155 din CF' WHERE idtiptva = 10"},
    {2005, "UPDATE tiptva SET scrieincoloanatva = '-' WHERE idtiptva = 10"},
    // tipclient
    {2166, "INSERT INTO tipclient (dentipclient) VALUES ('FIRMA')"},
    {2167, "INSERT INTO tipclient (dentipclient) VALUES ('PERSOANA FIZICA')"},
    {2168, "INSERT INTO tipclient (dentipclient) VALUES ('INSTITUTIE BUGETARA')"},
    // tipdoc
    {2248, "INSERT INTO tipdoc (tipdoc, descrtipdoc, genereazaserie, altele, aredocincasare, doccasa, aremesaj, aretva, docbanca, idemicontbanca) VALUES ('CS', 'Comanda Service', 1,0, 0,0,0,1,0,0)"},
    // tipfactura
    {2249, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('CS', 'Comanda SERVICE', 1, 'CS')"},
    // tipdoc
    {2250, "INSERT INTO tipdoc (tipdoc, descrtipdoc, genereazaserie, altele, aredocincasare, doccasa, aremesaj, aretva, docbanca, idemicontbanca) VALUES ('CSO', 'Oferta Comanda Service', 1,0, 0,0,0,1,0,0)"},
    // tipfactura
    {2251, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('CSO', 'Oferta Comanda SERVICE', 1, 'CSO')"},
    // cotatva
    {2275, "UPDATE cotatva SET IMPLICIT = 1 WHERE cotatva = 24 "},
    // tipdoc
    {2555, "INSERT INTO tipdoc (tipdoc, descrtipdoc, genereazaserie, altele, aredocincasare, doccasa, aremesaj, aretva, docbanca, idemicontbanca) VALUES ('CUS', 'CUSTODIE', 1,0, 0,0,0,1,1,1)"},
    // tipfactura
    {2556, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('CUS', 'CUSTODIE', 1, 'CUS')"},
    // tipdoc
    {2676, "INSERT INTO tipdoc (tipdoc, descrtipdoc, genereazaserie, altele, aredocincasare, doccasa, aremesaj, aretva, docbanca, idemicontbanca) VALUES ('CT', 'COMANDA TIPOGRAFIE', 1,0, 0,0,0,1,0,0)"},
    // tipfactura
    {2677, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('CT', 'COMANDA TIPOGRAFIE', 0, 'CT')"},
    // statuspozitie
    // The table's column is denstatuspozitie, so these inserts never take effect.
    {2718, "INSERT INTO statuspozitie (idstatuspozitie, statuspozitie, ordine) VALUES (1, 'LIVRATA LA CLIENT', 1)"},
    {2719, "INSERT INTO statuspozitie (idstatuspozitie, statuspozitie) VALUES (2, 'IN ASTEPTARE')"},
    {2720, "INSERT INTO statuspozitie (idstatuspozitie, statuspozitie) VALUES (3, 'DE TRIMIS COMANDA LA FURNIZOR')"},
    {2721, "INSERT INTO statuspozitie (idstatuspozitie, statuspozitie) VALUES (4, 'COMANDA SOSITA - DE ANUNTAT CLIENTUL')"},
    // tipdoc
    {2731, "INSERT INTO tipdoc (tipdoc, descrtipdoc, genereazaserie, altele, aredocincasare, doccasa, aremesaj, aretva, docbanca, idemicontbanca) VALUES ('OF', 'OFERTA', 1,1, 0,0,1,1,0,0)"},
    // tipfactura
    {2732, "INSERT INTO tipfactura(tipfactura, descrtipfact, flag, tipdoc) VALUES ('OF', 'OFERTA', 1, 'OF')"},
    // tiptva
    {6092, "UPDATE tiptva SET TaxCategory_ID = 'AE', TaxExemptionReasonCode = 'VATEX-EU-AE' WHERE idtiptva = 1"},
    {6093, "UPDATE tiptva SET TaxCategory_ID = 'E', TaxExemptionReasonCode = NULL WHERE idtiptva = 3"},
    {6094, "UPDATE tiptva SET TaxCategory_ID = 'E', TaxExemptionReasonCode = NULL WHERE idtiptva = 2"},
    {6095, "UPDATE tiptva SET TaxCategory_ID = 'E', TaxExemptionReasonCode = NULL WHERE idtiptva = 8"},
    // modplata
    {6129, "UPDATE modplata SET codefactura = '751' WHERE UPPER(TRIM(descmodplata)) LIKE ('%BON%FISCAL%')"},
};

}  // namespace

Section referinteRows() { return kRows; }

}  // namespace script
