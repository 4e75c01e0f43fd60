#include "script/sections.h"

namespace script {
namespace {

// Seed rows of the settings tables: options, text settings, report properties, contract template.
constexpr ScriptRow kRows[] = {
    // report field properties
    {61, "INSERT INTO proprietate VALUES ('PozitionareStanga')"},
    {62, "INSERT INTO proprietate VALUES ('PozitionareSus')"},
    {192, "UPDATE setariproprietati set dencamp='dataQRL' where dencamp='datafactQRL'"},
    // option 1
    {205,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim) VALUES (1,'Stabiliti "
     "numarul de zecimale pentru Pretul la Furnizor (macheta Preluare NIR)',2,4)"},
    // option 1 becomes a number
    {222, "UPDATE setaridiverse set bifsauvaloare ='valoare' where idsetaridiverse=1"},
    // option 2
    {223,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (2,'Programul sa valideze stocul la emiterea de avize sau de "
     "facturi servicii',0,1,0,'bif')"},
    // option 3
    {233,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, bifsauvaloare, "
     "valoarecurenta) VALUES (3,'Stabiliti numarul de zecimale pentru Pretul Unitar al "
     "produsului din nomenclator',2,5,'valoare',2)"},
    // option 4
    {234,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (4,'NIR pentru firma neplatitoare de TVA (pretul la furnizor este "
     "inclusiv TVA)',0,1,0,'bif')"},
    // option 5
    {235,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (5,'FACTURA pentru firma neplatitoare de TVA (nu apare rubrica de "
     "TVA)',0,1,0,'bif')"},
    // option 1 gets the value 2 unless it has one
    {276, "UPDATE setaridiverse SET valoarecurenta = 2 WHERE idsetaridiverse = 1 AND valoarecurenta IS NULL"},
    // removes an option of older databases that the script never creates
    {305, "DELETE FROM setaridiverse WHERE densetare = 'Afiseaza acciza daca este zero.'"},
    // option 6
    {309,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (6,'Printeaza totul cu NEGRU',0,1,0,'bif')"},
    // option 7
    {561,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (7,'Activeaza meniul pentru preluarea ulterioara a documentelor "
     "emise pe teren sau blanco',0,1,0,'bif')"},
    // option 8
    {562,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (8,'Afiseaza codul de produs in documente',0,1,0,'bif')"},
    // option 9
    {563,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (9,'Factura si chitanta in format 1X1/A4',0,1,1,'bif')"},
    // option 10
    {564,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (10,'Documente in format A5',0,1,0,'bif')"},
    // option 11
    {565,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (11,'NU afiseaza preturile in AVIZ',0,1,0,'bif')"},
    // option 12
    {566,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (12,'NU afiseaza totaluri in AVIZ',0,1,0,'bif')"},
    // option 13
    {567,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (13,'Bonuri consum fara valoare',0,1,0,'bif')"},
    // option 14
    {600,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (14,'Stabileste marginea de jos a documentului la "
     "printare',0,10,0,'valoare')"},
    // option 15
    {601,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (15,'Afiseaza automat meniurile existente in ferestre (active pe "
     "Click Dreapta)',0,1,0,'bif')"},
    // option 16
    {602,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (16,'Seteaza intervalul de zile in care se pot corecta observatiile "
     "la NIR ',0,1000,0,'valoare')"},
    // option 17
    {603,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (17,'Taxare inversa la nivel de reper in facturile "
     "emise',0,1,0,'bif')"},
    // option 18
    {604,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (18,'Bon consum cu produse din gestiuni diferite',0,1,0,'bif')"},
    // option 19
    {605,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (19,'Factura si chitanta in format 3X3/A4',0,1,0,'bif')"},
    // option 20
    {606,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare) VALUES (20,'Completeaza automat ultimul pret la furnizor cand se "
     "intocmeste NIR-ul',0,1,0,'bif')"},
    // lowers option 16's maximum only where it is 100
    {607, "UPDATE setaridiverse SET maxim=99 WHERE idsetaridiverse=16 AND maxim = 100"},
    // list group and module flags of options 1 to 20
    {616, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (2,NULL,1,NULL) WHERE idsetaridiverse = 1"},
    {617, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (1,1,NULL,NULL) WHERE idsetaridiverse = 2"},
    {618, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (3,1,1,NULL)    WHERE idsetaridiverse = 3"},
    {619, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (2,NULL,1,NULL) WHERE idsetaridiverse = 4"},
    {620, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (1,1,NULL,NULL) WHERE idsetaridiverse = 5"},
    {621, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (3,1,1,1)       WHERE idsetaridiverse = 6"},
    {622, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (1,1,1,NULL) WHERE idsetaridiverse = 7"},
    {623, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (3,1,1,NULL)    WHERE idsetaridiverse = 8"},
    {624, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (1,1,NULL,NULL) WHERE idsetaridiverse = 9"},
    {625, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (3,1,1,NULL)    WHERE idsetaridiverse = 10"},
    {626, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (1,1,NULL,NULL) WHERE idsetaridiverse = 11"},
    {627, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (1,1,NULL,NULL) WHERE idsetaridiverse = 12"},
    {628, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (2,NULL,1,NULL) WHERE idsetaridiverse = 13"},
    {629, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (3,1,1,NULL)    WHERE idsetaridiverse = 14"},
    {630, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (3,1,1,1)       WHERE idsetaridiverse = 15"},
    {631, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (2,NULL,1,NULL) WHERE idsetaridiverse = 16"},
    {632, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (1,1,NULL,NULL) WHERE idsetaridiverse = 17"},
    {633, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (2,NULL,1,NULL) WHERE idsetaridiverse = 18"},
    {634, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (1,1,NULL,NULL) WHERE idsetaridiverse = 19"},
    {635, "UPDATE setaridiverse SET ( ordine, cufacturare, cunir, cucasa) = (2,NULL,1,NULL) WHERE idsetaridiverse = 20"},
    // option 21
    {641,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (21,'Factura si chitanta in "
     "format 2X2/A4',0,1,0,'bif',1,1,NULL,NULL)"},
    // text of option 9
    {642, "UPDATE setaridiverse SET densetare = 'Factura si chitanta in format 1X1/A4' WHERE idsetaridiverse = 9 "},
    // text of option 21
    {643, "UPDATE setaridiverse SET densetare = 'Factura si chitanta in format 2X2/A4' WHERE idsetaridiverse = 21 "},
    // text of option 19
    {644, "UPDATE setaridiverse SET densetare = 'Factura si chitanta in format 3X3/A4' WHERE idsetaridiverse = 19 "},
    // text-valued settings
    {734,
     "INSERT INTO setarialtele(idsetarialtele, densetare, valoareimplicita) VALUES ( 1, "
     "'Culoare implicita pentru chenarul documentelor emise (Facturi, Avize, Chitante)', "
     "'clBlack')"},
    // option 22
    {740,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir) VALUES (22,'Stabiliti numarul de zecimale "
     "pentru ACCIZA produsului',2,9,2,'valoare',3,1,1)"},
    // option 23
    {750,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir) VALUES (23,'Programul sa permita stergerea de "
     "facturi, chitante',0,1,0,'bif',3,1,1)"},
    // option 24
    {751,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir) VALUES (24,'Programul sa permita "
     "corectii/modificari la facturi',0,1,0,'bif',3,1,1)"},
    // option 25
    {757,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (25,'Activeaza utilitarul "
     "pentru comenzi SQL',0,1,0,'bif',3,1,1,1)"},
    // option 26
    {763,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (26,'Utilizez MAI MULTE "
     "REGISTRE de CASA',0,1,0,'bif',3,0,0,1)"},
    // option 27
    {768,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (27,'Activeaza meniul de IMPORT "
     "NOMENCLATOR Produse',0,1,0,'bif',3,1,1,1)"},
    // option 28
    {769,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (28,'Salveaza AUTOMAT pozitiile "
     "preluate la emiterea unei Facturi, Aviz, Bon Bonsum, Bon Transfer, NIR in temporara la "
     "fiecare X pozitii',1,100,100,'valoare',3,1,1,1)"},
    // option 29
    {772,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (29,'Seteaza numarul de "
     "ZECIMALE la CANTITATE',2,8,2,'valoare',3,1,1,0)"},
    // option 30
    {786,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (30,'Stabileste numarul maxim "
     "de pozitii intr-o factura emisa A4',0,999,999,'valoare',3,1,0,0)"},
    // option 1's maximum becomes 5
    {788, "UPDATE setaridiverse SET maxim = 5 WHERE idsetaridiverse = 1"},
    // new text of option 16
    {793,
     "UPDATE setaridiverse SET densetare='Seteaza intervalul de zile in care se poate modifca "
     "un NIR' WHERE idsetaridiverse = 16"},
    // option 31
    {799,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (31,'Activeaza modelul definit "
     "de factura A4 specific firmei',0,1,0,'bif',3,1,0,0)"},
    // text-valued settings
    {804, "INSERT INTO setarialtele(idsetarialtele, densetare, valoareimplicita) VALUES ( 2, 'Proxy Address', '')"},
    {805,
     "INSERT INTO setarialtele(idsetarialtele, densetare, valoarecurenta, valoareimplicita) "
     "VALUES ( 3, 'Port (Proxy)', '0', '0')"},
    // option 32
    {809,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (32,'ATENTIONEAZA NECOMPLETARE "
     "camp de OBSERVATII BENEFICIAR la FACTURARE',0,1,0,'bif',3,1,0,0)"},
    // option 16's maximum becomes 1000
    {811, "UPDATE setaridiverse SET maxim=1000 WHERE idsetaridiverse=16"},
    // option 33
    {828,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (33,'FARA CORELATIE intre SERIE "
     "NIR si Gestiune ',0,1,0,'bif',3,0,1,0)"},
    // option 34
    {834,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (34,'Afiseaza moneda RON pe "
     "facturi.',0,1,0,'bif',3,1,1,0)"},
    // option 36
    {1100,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (36,'Scrie in NIR totalurile "
     "documentului de livrare',0,1,0,'bif',3,0,1,0)"},
    // option 37
    {1101,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (37,'NU afisa mesajul de "
     "atentionare cand un produs nu se va salva in gestiune la intocmire "
     "NIR',0,1,0,'bif',3,0,1,0)"},
    // new text of option 2
    {1102, "UPDATE setaridiverse SET densetare='VALIDARE STOC la emiterea de documente' WHERE idsetaridiverse=2"},
    // option 2 also belongs to goods receipt
    {1103, "UPDATE setaridiverse SET cunir=1 WHERE idsetaridiverse=2"},
    // option 38
    {1107,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (38,'Afiseaza DATA si ORA "
     "LIVRARE MARFA pe FACTURI FARA AVIZE',0,1,0,'bif',3,1,0,0)"},
    // option 39
    {1108,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (39,'Afiseaza DATA si ORA "
     "LIVRARE MARFA pe AVIZE',0,1,0,'bif',3,1,0,0)"},
    // option 41
    {1109,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (41,'Afiseza mesaj de "
     "atentionare activare optiune validare stoc la deschiderea unei "
     "ferestre',0,1,1,'bif',3,1,1,0)"},
    // option 42
    {1110,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (42,'Afiseza mesaj de "
     "atentionare activare la adaugarea unui produs nou in NIR atunci cand nu este salvat "
     "automat in Gestiune',0,1,1,'bif',3,0,1,0)"},
    // new text of option 26
    {1119,
     "UPDATE setaridiverse SET densetare='Utilizez registru de casa diferit pentru fiecare "
     "punct de lucru' WHERE idsetaridiverse=26"},
    // option 22's maximum becomes 9
    {1143, "UPDATE setaridiverse SET maxim=9 WHERE idsetaridiverse = 22"},
    // option 3's maximum becomes 9
    {1147, "UPDATE setaridiverse SET maxim=9 WHERE idsetaridiverse = 3"},
    // option 7 also belongs to goods receipt
    {1152, "UPDATE setaridiverse SET cunir = 1 WHERE idsetaridiverse = 7"},
    // option 23 also belongs to goods receipt
    {1153, "UPDATE setaridiverse SET cunir = 1 WHERE idsetaridiverse = 23"},
    // option 43
    {1163,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (43,'La emiterea Bonurilor de "
     "Consum selecteaza Pretul de la Furnizor',0,1,0,'bif',3,0,1,0)"},
    // option 44
    {1164,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (44,'Ordoneaza produsele in "
     "factura emisa dupa cota de TVA si afiseaza totaluri partiale pe grupe de "
     "TVA.',0,1,0,'bif',3,1,0,0)"},
    // option 45
    {1165,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (45,'Utilizez "
     "cititor de coduri de bare',0,1,0,'bif',3,1,0,0,1)"},
    // option 46
    {1181,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (46,'Utilizez "
     "cursuri valutare pe grupe de produs',0,1,0,'bif',3,1,0,0,1)"},
    // option 47
    {1182,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (47,'Activeaza "
     "meniul REFA baza de date din backup (RESTORE)',0,1,0,'bif',3,1,1,1,1)"},
    // module flags become 0 before their columns turn NOT NULL
    {1183, "UPDATE setaridiverse       SET cufacturare=0 WHERE cufacturare is null"},
    {1186, "UPDATE setaridiverse       SET cunir=0 WHERE cunir is null"},
    {1189, "UPDATE setaridiverse       SET cucasa=0 WHERE cucasa is null"},
    {1192, "UPDATE setaridiverse       SET cucasamarcat=0 WHERE cucasamarcat is null"},
    // option 48
    {1205,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (48,'Afiseaza pe "
     "chitantele emise Nr. R.C. si CIF',0,1,1,'bif',3,1,0,0,0)"},
    // option 49
    {1206,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (49,'Afiseaza pe "
     "chitantele emise in valuta si echivalentul in RON',0,1,1,'bif',3,1,0,0,0)"},
    // option 51
    {1217,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (51,'NU AFISA "
     "liniile VERTICALE in documentele tiparite (util pt. imprimanta "
     "matriceala)',0,1,0,'bif',3,1,1,1,0)"},
    // option 52
    {1219,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (52,'La facturare "
     "afiseaza automat ultimul pret de vanzare pentru un produs catre beneficiarul "
     "specificat.',0,1,0,'bif',3,1,0,0,0)"},
    // option 53
    {1221,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (53,'La vanzare "
     "codurile de bare ale produselor contin cantitatea (produse "
     "cantarite).',0,1,0,'bif',3,1,1,1,0)"},
    // option 54
    {1223,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (54,'Afiseaza "
     "Bonurile de Tranfer cu TVA',0,1,0,'bif',3,1,1,0,0)"},
    // option 55
    {1251,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (55,'La intocmire "
     "NIR completeaza automat valorile de la beneficiar cu cele de la furnizor (engrosist "
     "importator)',0,1,0,'bif',3,0,1,0,0)"},
    // option 56
    {1252,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (56,'Afiseaza "
     "pretul din nomenclator in fereastra de intocmire NIR',0,1,0,'bif',3,0,1,0,0)"},
    // option 57
    {1253,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (57,'Seteaza "
     "marginea de sus pentru factura A4',0,30,0,'valoare',3,1,0,0,0)"},
    // option 14's maximum becomes 30
    {1254, "UPDATE setaridiverse SET maxim = 30 WHERE idsetaridiverse = 14"},
    // option 58
    {1273,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (58,'Activeaza "
     "meniul de import STOCURI/NIR-uri',0,1,0,'bif',3,0,1,0,0)"},
    // option 59
    {1274,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (59,'Activeaza "
     "optiunea de setare si incarcare automata discount la nivel de client/gestiune/produs "
     "pentru facturare',0,1,0,'bif',3,0,1,0,0)"},
    // option 60
    {1276,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (60,'Utilizez "
     "casa de marcat DATECS MP55 (simpla, fara alte litere dupa 55)',0,1,0,'bif',3,0,0,0,1)"},
    // option 61
    {1281,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (61,'Alte "
     "modificari la NIR',0,1,0,'bif',3,0,1,0,0)"},
    // option 62
    {1288,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (62,'Seteaza "
     "grosimea liniilor verticale in documente',1,5,1,'valoare',3,1,1,1,1)"},
    // option 63
    {1289,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (63,'Seteaza "
     "grosimea liniilor orizontale in documente',1,5,1,'valoare',3,1,1,1,1)"},
    // option 64
    {1290,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (64,'Seteaza "
     "grosimea liniilor de contur in documente',1,5,1,'valoare',3,1,1,1,1)"},
    // option 65
    {1291,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (65,'Fara acces "
     "la internet din aplicatie ',0,1,0,'bif',3,1,1,1,1)"},
    // option 66
    {1302,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (66,'Afiseaza "
     "avizele la preturile inclusiv TVA',0,1,0,'bif',3,1,0,0,0)"},
    // option 67
    {1305,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (67,'La facturare "
     "utilizez emiterea de bonuri fiscale(se rotunjeste automat la 2 zecimale pretul de vanzare "
     "pe factura)',0,1,0,'bif',3,0,0,0,1)"},
    // option 68
    {1336,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (68,'NIR - la "
     "produse preiau DATA EXPIRARII produsului',0,1,0,'bif',3,0,1,0,0)"},
    // option 69
    {1337,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (69,'NIR - la "
     "produse preiau LOTUL produsului',0,1,0,'bif',3,0,1,0,0)"},
    // option 70
    {1338,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (70,'La emiterea "
     "de documente (facturi, avize, bon consum) afiseaza LOTUL in denumirea "
     "produsului',0,1,0,'bif',3,1,1,0,0)"},
    // option 71
    {1339,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (71,'La emiterea "
     "de documente (facturi, avize, bon consum) afiseaza DATA EXPIRARII in denumirea "
     "produsului',0,1,0,'bif',3,1,1,0,0)"},
    // option 72
    {1340,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (72,'La produse "
     "preiau locatia in gestiune (RAFT, ZONA, etc...)',0,1,0,'bif',3,1,1,0,1)"},
    // option 73
    {1341,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (73,'La produse "
     "lucrez cu GRUPA (CATEGORIE) produs',0,1,0,'bif',3,1,1,0,1)"},
    // option 74
    {1342,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (74,'Utilizez "
     "STOC MINIM',0,1,0,'bif',3,0,1,0,0)"},
    // option 75
    {1343,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (75,'La emiterea "
     "de Facturi, Avize, Bonuri specifica DATA EXPIRARII produsului',0,1,0,'bif',3,1,1,0,0)"},
    // option 76
    {1344,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (76,'La emiterea "
     "de Facturi, Avize, Bonuri specifica LOTUL produsului',0,1,0,'bif',3,1,1,0,0)"},
    // option 77
    {1382,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (77,'Limita "
     "plati/incasari in numerar',0,1000000,5000,'valoare',3,1,1,1,0)"},
    // option 78
    {1383,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (78,'Permite "
     "modificarea datei la emiterea de bonuri fiscale',0,1,0,'bif',3,0,0,0,1)"},
    // option 78 already has this flag: changes nothing
    {1384, "UPDATE setaridiverse SET  cucasamarcat =  1 WHERE idsetaridiverse = 78 "},
    // option 79
    {1386,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (79,'La bifare "
     "Preluare corecta genereaza automat documentul',0,1,0,'bif',3,1,1,1,0)"},
    // option 80
    {1417,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(80,'Genereaza automat fisier export la emiterea de avize',0,1,0,'bif',3,1,0,0,0,0)"},
    // option 81
    {1419,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(81,'Drepturi de acces utilizatori la nivel de fereastra',0,1,0,'bif',3,1,1,1,1,0)"},
    // option 82
    {1421,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(82,'Setari BONUS cantitate',0,1,0,'bif',3,1,0,0,0,0)"},
    // option 83
    {1432,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(83,'Setari limitare drept acces utilizator - serii documente',0,1,0,'bif',3,1,1,1,1,0)"},
    // option 84
    {1440,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(84,'Cota TVA implicita la Facturare-Avize',0,50,19,'valoare',3,1,0,0,0,1)"},
    // option 85
    {1441,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(85,'Cota TVA implicita la NIR - Pret FURNIZOR',0,50,19,'valoare',3,0,1,0,0,1)"},
    // option 86
    {1442,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(86,'Cota TVA implicita la NIR - Pret RECEPTIE',0,50,19,'valoare',3,0,1,0,0,1)"},
    // text-valued settings
    {1465,
     "INSERT INTO setarialtele(idsetarialtele, densetare, valoareimplicita) VALUES ( 4, "
     "'Directorul in care se gaseste fisierul psql.exe (restaurare baza de date)', '')"},
    {1466,
     "INSERT INTO setarialtele(idsetarialtele, densetare, valoareimplicita) VALUES ( 5, "
     "'Directorul in care se gaseste fisierul pg_dump.exe (salvare baza de date)', '')"},
    {1467,
     "INSERT INTO setarialtele(idsetarialtele, densetare, valoareimplicita) VALUES ( 6, 'Server "
     "IP Connector DEDEMAN/eMAG','http://127.0.0.1:8199')"},
    // the three default VAT rate options hold 19 wherever they hold a rate
    {1492, "UPDATE setaridiverse SET valoarecurenta = 19 WHERE idsetaridiverse IN (84, 85, 86) AND valoarecurenta > 0 "},
    // option 87
    {1510,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(87,'Facturile emise se incaseaza si in alta moneda decat cea in care s-a "
     "facturat',0,1,0,'bif',3,1,0,0,0,1)"},
    // option 88
    {1528,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(88,'Tipareste pe aviz mesajul AVIZUL NU SE FACTUREAZA cand este bifata "
     "optiunea',0,1,0,'bif',3,1,0,0,0,1)"},
    // option 89
    {1544,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (89,'NU "
     "AFISA pe BON CONSUM rubrica de conturi',0,1,0,'bif',3,0,1,0,0,1)"},
    // option 90
    {1548,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(90,'Latime casuta LOT in macheta de NIR',0,300,100,'valoare',3,0,1,0,0,1)"},
    // option 91
    {1596,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(91,'Utilizez fractie de produs la vanzarea produselor (ex. farmacii - cutie, "
     "pastila)',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 92
    {1613,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(92,'Generare borderou facturi pentru expediere prin POSTA ROMANA. Fereastra vizualizare "
     "facturi.',0,1,0,'bif',3,1,0,0,0,1)"},
    // option 93
    {1615,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (93,'La "
     "selectia datei pastreaza ultima selctie',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 94
    {1616,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(94,'Programul sa permita stergerea dispozitiilor de "
     "plata/incasare',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 95
    {1627,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(95,'Utilizatorii fara drept de administrare sa nu poata modifica preturile de "
     "vanzare',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 96
    {1630,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(96,'Activeaza optiunea de export facturi intrare/iesire in fisier pentru import in "
     "CIEL',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 97
    {1632,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(97,'Inverseaza axele la casa de marcat',0,1,0,'bif',3,1,0,0,1,1)"},
    // option 98
    {1635,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (98,'La "
     "vanzare prin de casa de marcat si coduri nu completa automat pretul "
     "produsului',0,1,0,'bif',3,0,0,0,1,1)"},
    // option 99
    {1643,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (99,'Pe "
     "facturi si avize trece si codul de produs al beneficiarului (apar doua "
     "coduri)',0,1,0,'bif',3,1,0,0,0,1)"},
    // option 100
    {1644,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(100,'Evidentiaza liniile in facturi (alterneaza culoare de fundal pe linii in "
     "document)',0,1,0,'bif',3,1,0,0,0,1)"},
    // option 101
    {1645,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(101,'Evidentiaza liniile in avize (alterneaza culoare de fundal pe linii in "
     "document)',0,1,0,'bif',3,1,0,0,0,1)"},
    // option 102
    {1646,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(102,'Evidentiaza liniile in bon consum (alterneaza culoare de fundal pe linii in "
     "document)',0,1,0,'bif',3,0,1,0,0,1)"},
    // option 103
    {1647,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(103,'Evidentiaza liniile in bon transfer (alterneaza culoare de fundal pe linii in "
     "document)',0,1,0,'bif',3,0,1,0,0,1)"},
    // option 104
    {1648,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(104,'Evidentiaza liniile in NIR (alterneaza culoare de fundal pe linii in "
     "document)',0,1,0,'bif',3,0,1,0,0,1)"},
    // option 105
    {1658,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(105,'Afiseaza in situatii valoarea accizei',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 106
    {1679,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(106,'VALIDARE STOC DOAR CANTITATIV',0,1,0,'bif',3,1,1,1,1,1)"},
    // new text of option 2
    {1680,
     "UPDATE setaridiverse SET densetare = 'VALIDARE STOC VALORIC si CANTITATIV la emiterea de "
     "documente' WHERE idsetaridiverse = 2"},
    // option 107
    {1682,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(107,'Utilizez informatii INTRASTAT la produse (cod TARIC, tara origine, "
     "greutate)',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 108
    {1697,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(108,'Seteaza intervalul de zile in care sa fie permisa preluarea documentelor de casa "
     "fara atentionare ',0,999,30,'valoare',3,0,0,1,0,1)"},
    // option 109
    {1698,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(109,'Activeaza optiunea de setare si incarcare automata discount la nivel "
     "client/gestiune/produs pentru fereastra emitere bonuri fiscale',0,1,0,'bif',3,0,0,1,0,1)"},
    // option 110
    {1720,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(110,'Preia automat Cota TVA implicita la NIR IMPORT',0,1,0,'bif',3,0,1,0,0,1)"},
    // option 111
    {1721,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(111,'Cota TVA implicita la NIR IMPORT',0,50,0,'valoare',3,0,1,0,0,1)"},
    // option 112
    {1722,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(112,'Cand utilizez asociere REPER-DEPARTAMENT la casa de marcat nu atentiona daca "
     "repererul nu are atasat DEPARTAMENT',0,1,0,'bif',3,0,0,0,1,1)"},
    // option 113
    {1726,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (113,'In "
     "registrul de casa include si bonurile fiscale la facturile emise',0,1,1,'bif',3,1,0,1,1,1)"},
    // option 116
    {1727,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(116,'Activeaza in fereastra Emite Bon Fiscal optiunea pentru Scadere din stoc fara "
     "emitere bon fiscal - tasta F5',0,1,1,'bif',3,0,0,0,1,1)"},
    // option 117
    {1728,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(117,'Activeaza in fereastra Emite Bon Fiscal optiunea pentru Emiterea bonurilor fiscale "
     "fara scadere din gestiune - tasta F6',0,1,1,'bif',3,0,0,0,1,1)"},
    // option 118
    {1750,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (118,'FARA CORELATIE intre "
     "SERIE BON CONSUM si Gestiune ',0,1,1,'bif',3,0,1,0)"},
    // option 119
    {1751,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (119,'FARA CORELATIE intre "
     "SERIE BON TRANSFER si Gestiune ',0,1,1,'bif',3,0,1,0)"},
    // option 120
    {1772,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa) VALUES (120,'Numarul de chitante pe 1 "
     "exemplar A4 ',1,3,2,'valoare',3,1,0,0)"},
    // option 121
    {1781,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(121,'Utilizez OpenOffice ca editor de texte principal',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 122
    {1782,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (122,'NU "
     "completa automat denumirea produsului in fereastra pentru EMITERE "
     "FACTURA',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 123
    {1783,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (123,'NU "
     "completa automat denumirea produsului in fereastra pentru EMITERE FACTURA "
     "PROFORMA',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 124
    {1784,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (124,'NU "
     "completa automat denumirea produsului in fereastra pentru EMITERE "
     "NIR',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 125
    {1785,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (125,'NU "
     "completa automat denumirea produsului in fereastra pentru EMITERE BON "
     "CONSUM',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 126
    {1786,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (126,'NU "
     "completa automat denumirea produsului in fereastra pentru EMITERE BON "
     "TRANSFER',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 127
    {1787,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(127,'Utilizez casa marcat DATECS DP25 si vanzare pe DEPARTAMENTE in "
     "casa',0,1,0,'bif',3,1,0,0,1,1)"},
    // option 128
    {1804,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (128,'La "
     "emitere BON TRANSFER genereaza NIR',0,1,0,'bif',3,0,1,0,1,1)"},
    // option 129
    {1819,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (129,'In "
     "fereastra EMITE BON FISCAL afiseaza STOCul cantitativ',0,1,0,'bif',3,0,0,0,1,1)"},
    // option 130
    {1824,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(130,'Firma NEPLATITOARE TVA',0,1,0,'bif',3,1,1,1,1,1)"},
    // names a column that setaridiverse does not have: fails at every pass
    {1825, "UPDATE setaridiverse SET valoarecurenta = 1 WHERE idsetare = 4 AND valoarecurenta = 1"},
    // option 131
    {1826,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(131,'Activeaza functionalitati pentru TVA LA INCASARE',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 132
    {1849,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (132,'NU "
     "TIPARI pe chitanta emisa DATE suplimentare (ce este scris in fisierul punctdelucru.txt, "
     "informatii suplimentare)',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 133
    {1859,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(133,'Stabiliti numarul de ZECIMALE pentru Pret la FACTURARE, "
     "AVIZE',2,9,2,'valoare',3,1,1,1,1,1)"},
    // option 134
    {1860,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(134,'Stabiliti numarul de ZECIMALE pentru Pret RECEPTIE la intocmire "
     "NIR',2,9,2,'valoare',3,1,1,1,1,1)"},
    // option 29's maximum becomes 8
    {1862, "UPDATE setaridiverse SET maxim = 8 WHERE idsetaridiverse IN (29)"},
    // option 135
    {1878,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (135,'In "
     "raportul zilnic de gestiune INCLUDE bonurile fiscale emise la casa de "
     "marcat',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 136
    {1879,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (136,'In "
     "raportul zilnic de gestiune NU INCLUDE facturile emise incasate cu bon "
     "fiscal',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 137
    {1894,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(137,'Utilizez monitor TOUCHSCREEN la vanzare prin casa de "
     "marcat',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 138
    {1895,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(138,'Activeaza meniul pentru stergere bonuri fiscale (in fereastra Lista bonuri fiscale "
     "emise)',0,1,0,'bif',3,0,0,0,1,1)"},
    // option 139
    {1906,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(139,'Activeaza meniul pentru import/unificare/transfer baze de "
     "date',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 140
    {1927,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(140,'Utilizez afisaj client',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 141
    {1962,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (141,'La "
     "Regional Settings in calculator am setat ROMANIAN',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 142
    {1971,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (142,'La "
     "vanzare citesc cantitatea din cantar',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 143
    {1972,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (143,'La "
     "facturare/avize/emitere bonuri fiscale (casa marcat) cand selectez dupa documentul de "
     "intrare preia pretul din nomenclator (cand utilizez DATA EXPIRARII, "
     "LOT)',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 144
    {1973,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (144,'La "
     "facturare scrie numarul paginii pe factura',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 145
    {1974,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (145,'La "
     "facturare scrie totalul facturii doar pe ultima pagina (cand factura are mai multe "
     "pagini)',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 146
    {1975,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (146,'Pe "
     "avize afiseaza greutatea produselor',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 1's maximum becomes 6
    {1993, "UPDATE setaridiverse SET maxim = 6 WHERE idsetaridiverse = 1"},
    // sales contract template generated with an invoice
    {2543,
     "INSERT INTO formulare (denformular, calegenerare, parametri, explicatii) VALUES "
     "('CONTRACT VANZARE CUMPARARE LA FACTURA', 'C:\\CONTRACTE-CLIENTI-VELANTRIX', "
     "'paramNrFactura, paramDataFactura, paramVanzator, paramAdresaVanzator, "
     "paramCodFiscalVanzator, paramNrRegistrulComertului, paramAdministrator,  paramCumparator, "
     "paramAdresaCumparator, paramNrRCCumparator, paramCFCumparator, paramCBCumparator, "
     "paramDelegat,  paramTotalFactura, paramMoneda, paramModalitatePlata', 'Puteti defini "
     "continutul fisierului cum doriti, acesta va fi generat in directorul setat in format de "
     "pagina html. In coloana parametri sunt definiti parametri din fisier care se vor completa "
     "automat.')"},
    // option 147
    {2544,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (147,'La "
     "facturare genereaza automat si contractul de vanzare cumparare',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 148
    {2545,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (148,'In "
     "momentul vanzarii compara pretul de vanzare cu pretul de intrare si afiseaza mesaj de "
     "atentionare daca vanzarea se face sub pretul de intrare ',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 149
    {2546,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (149,'La "
     "emiterea avizelor si facturilor afiseaza si codul secundar al produsului pe document "
     "',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 150
    {2547,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (150,'La "
     "selectia produsului din nomenclator, la emiterea de facturi, bonuri, optiunea Selecteaza "
     "dupa pretul/documentul de intrare sa fie bifata(valabil in cazul validarii stoc "
     "cantitativ valoric) ',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 151
    {2548,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (151,'La "
     "exportul avizului in fisier completeaza si codul secundar la produsului "
     "',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 152
    {2549,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (152,'La "
     "generarea facturilor la avize nu tipari pe factura numarul "
     "avizelor',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 153
    {2550,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (153,'La "
     "preluare datelor unei firmei noi completeaza obligatoriu persoana de contact si "
     "telefonul',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 154
    {2551,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (154,'La "
     "emiterea de facturi/avize dezactiveaza optiunea Include in pret discountul "
     "produsului',0,1,0,'bif',3,1,1,1,1,1)"},
    // sales contract template generated with an invoice
    {2554,
     "UPDATE formulare SET  continutformular = '<html><head><title>Contract vanzare "
     "cumparare</title></head><body><p><b>Model de contract generat automat la emiterea "
     "facturii, cand este bifata optiunea 147. Parametrii se scriu fara spatiu dupa param (de "
     "exemplu paramNrFactura, paramVanzator, paramCumparator, paramProdus, paramTotalFactura) "
     "si se inlocuiesc la generare cu datele facturii.</b></p><h3 align=\"center\">C O N T R A C "
     "T  de  V A N Z A R E  C U M P A R A R E</h3><p align=\"center\">NR. "
     "paramNrFactura/paramDataFactura</p><p><b>I. PARTILE CONTRACTANTE =</b></p><p>Art.1. "
     "paramVanzator, cu sediul in paramAdresaVanzator, nr. Registrul Comertului "
     "paramNrRegistrulComertului, cod fiscal paramCodFiscalVanzator, reprezentata de "
     "administrator paramAdministrator, in calitate de VANZATOR, si paramCumparator, cu sediul "
     "in paramAdresaCumparator, nr. Registrul Comertului paramNrRCCumparator, cod fiscal "
     "paramCFCumparator, cont paramCBCumparator, reprezentata de paramDelegat, in calitate de "
     "CUMPARATOR.</p><p><b>II. OBIECTUL CONTRACTULUI =</b></p><p>Art.2. Vanzarea produselor din "
     "factura nr. paramNrFactura din paramDataFactura (paramProdus).</p><p><b>III. PRETUL "
     "=</b></p><p>Art.3. Pretul total este de paramTotalFactura paramMoneda, inclusiv "
     "TVA.</p><p><b>IV. MODALITATE DE PLATA =</b></p><p>Art.4. Plata se face in paramMoneda, "
     "prin paramModalitatePlata.</p><p><b>V. RECEPTIA PRODUSLUI =</b></p><p>Art.5. Receptia "
     "cantitativa si calitativa se face la sediul vanzatorului.</p><p><b>VI. EXPEDIERE SI "
     "TRANSPORT =</b></p><p>Art.6. Livrarea se face la sediul vanzatorului.</p><p>Art.7. "
     "Transportul este platit de cumparator.</p><p><b>VII. ALTE CLAUZE =</b></p><p>Art.8. "
     "Litigiile se rezolva pe cale amiabila, iar in caz contrar de instantele de la sediul "
     "vanzatorului.</p><p>Art.9. Contractul s-a incheiat in doua exemplare, cate unul pentru "
     "fiecare parte.</p><table width=\"100%\"><tr><td "
     "align=\"center\"><b>VANZATOR</b><br>paramVanzator</td><td "
     "align=\"center\"><b>CUMPARATOR</b><br>paramCumparator</td></tr></table></body></html>' "
     "WHERE idformular = 1 AND LENGTH(TRIM(continutformular)) = 0 "},
    // option 155
    {2557,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (155,'La "
     "emiterea de facturi tipareste la imprimanta mobila',0,1,0,'bif',3,1,0,0,0,1)"},
    // option 156
    {2558,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (156,'La "
     "cautare produs dupa cod cauta si dupa codul secundar',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 157
    {2579,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(157,'Seteaza marimea scrisului in listele din fereastre',6,20,10,'valoare',3,1,1,1,1,1)"},
    // option 158
    {2580,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (158,'Nu "
     "afisa CNP-ul persoanei pe facturile emise',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 159
    {2582,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (159,'La "
     "imprimanta mobila tipareste 2 exemplare de documente',1,3,1,'valoare',3,1,0,0,0,1)"},
    // option 160
    {2584,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(160,'Scrie cota TVA la produse pe facturi',0,1,0,'bif',3,1,0,0,0,1)"},
    // option 161
    {2585,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(161,'Scrie cota TVA la produse pe avize',0,1,0,'bif',3,1,0,0,0,1)"},
    // option 162
    {2589,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(162,'Permite printarea documentelor nesalvate',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 163
    {2597,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (163,'NU "
     "TIPARI pe documente totalurile partiale pe cote de TVA',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 164
    {2598,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(164,'Valideaza stocurile la produse cand se face importul comenzilor din "
     "EDINET',0,1,0,'bif',3,1,1,0,0,1)"},
    // option 165
    {2599,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(165,'Activeaza optiunea de inlocuirea unui produs cu un alt produs in nomenclator si in "
     "documentele emise ',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 166
    {2600,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(166,'Dezactiveaza acordarea de discount pentru cardurile de fidelitate "
     "',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 167
    {2601,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (167,'La "
     "emiterea de bonuri fiscale cu cititor de coduri programul sa atentioneze daca produsul a "
     "mai fost adaugat in lista',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 168
    {2602,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (168,'La "
     "emiterea de facturi afiseaza soldul la zi pentru client',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 169
    {2603,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (169,'La "
     "emiterea de facturi tipareste soldul la zi pe facturi',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 170
    {2604,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(170,'Activeaza functionalitati DocXCHANGE - LEROY MERLIN',0,1,1,'bif',3,1,1,1,1,1)"},
    // option 171
    {2605,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (171,'Pe "
     "avizele cu doua coduri nu afisa greutatea (valabil pentru optiunea "
     "99)',0,1,1,'bif',3,1,1,1,1,1)"},
    // option 172
    {2606,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (172,'Pe "
     "avizele interne afiseaza ultimul pret de intrare de la furnizor',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 173
    {2607,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (173,'In "
     "fereastra de facturare la descriere factura goleste campul DESCRIERE FACTURA dupa fiecare "
     "factura',0,1,0,'bif',3,1,0,0,0,1)"},
    // option 174
    {2608,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (174,'Pe "
     "bonurile de consum nu afisa cota de TVA',0,1,0,'bif',3,1,0,0,0,1)"},
    // option 175
    {2609,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (175,'La "
     "afisarea incarcarea inregistrarilor afeasa primele n inregistrari (pentru retea lenta sau "
     "volum mare de date) ',0,10000,0,'valoare',3,1,1,1,1,1)"},
    // option 176
    {2610,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (176,'La "
     "vanzare afiseaza stoc minim la produs in momentul vanzarii daca acesta este "
     "setat',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 177
    {2611,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (177,'La "
     "vanzare afiseaza procent adaos fata de ultimul pret furnizor',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 178
    {2612,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (178,'La "
     "vanzare afiseaza MESAJ DE ATENTIONARE STOC MINIM la produs in momentul vanzarii daca "
     "acesta este setat',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 179
    {2613,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(179,'Dezactiveaza cautare firma dupa denumire in fereastra "
     "facturare',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 180
    {2614,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (180,'La "
     "facturare emitere bonuri fiscal casa marcat DATECS MODEL NOU scrie pe bon codul fiscal al "
     "cumparatorului',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 181
    {2615,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat) VALUES (181,'La "
     "adaugarea produselor in DEVIZ SERVICE cumuleaza produsele cu aceeasi "
     "denumire',0,1,0,'bif',3,1,1,1,1)"},
    // option 182
    {2616,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(182,'Numar de caractere latime scris observatii',50,500,150,'valoare',3,1,1,1,1,1)"},
    // option 183
    {2617,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(183,'Model utilizat pentru devize service',1,2,1,'valoare',3,1,1,1,1,1)"},
    // option 184
    {2618,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(184,'CORELATIE intre SERIE FACTURA/AVIZ si Gestiune',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 185
    {2619,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(185,'Afiseaza stoc general ()pe toate gestiunile',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 186
    {2620,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (186,'La "
     "vanzare codurile de bare ale produselor contin cantiatea - numarul de cifre este "
     "',3,10,6,'valoare',3,1,1,1,1,1)"},
    // option 187
    {2621,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(187,'ZODUDovadivuz E-Factura - utilizez pentru trimiterea facturilor prin "
     "E-Factura',0,1,1,'bif',3,1,1,1,1,1)"},
    // option 188
    {2622,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(188,'ZODUDovadivuz E-Factura - Permite anularea/modificarea facturilor chiar daca au "
     "fost trimise prin ANAF',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 189
    {2623,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(189,'Cautare - seteaza numarul de caractere de la care sa inceapa cautarea in timp real "
     "in nomenclatoare',0,10,3,'valoare',3,1,1,1,1,1)"},
    // option 190
    {2624,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(190,'E-Transport - la generarea declaratiei scrie automat pe document (aviz sau factura) "
     "datele declarate ',0,1,1,'bif',3,1,1,1,1,1)"},
    // option 191
    {2625,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(191,'Afiseaza mesaj atentionare deschidere AcrobatReader inainte de deschiderea "
     "documentelor PDF ',0,1,1,'bif',3,1,1,1,1,1)"},
    // option 192
    {2626,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(192,'Deschid fisierele de tip PDF in CHROME, nu in "
     "AcrobatReader',0,1,1,'bif',3,1,1,1,1,1)"},
    // switches option 192 on, once
    {2627, "UPDATE setaridiverse SET valoarecurenta = 1 WHERE idsetaridiverse = 192"},
    // option 193
    {2628,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(193,'Afiseaza mesaj functionalitati noi',0,1,1,'bif',3,1,1,1,1,1)"},
    // switches option 193 back on at every pass, so new functions are announced after each update
    {2629, "UPDATE setaridiverse SET valoarecurenta = 1 WHERE idsetaridiverse = 193"},
    // option 194
    {2630,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (194,'La "
     "intocmire NIR automat din ANAF E-Factura salveaza si asociaza automat produsul furnizor "
     "in nomenclator',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 195
    {2631,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(195,'Activeaza meniul pentru stergerea TOKEN-elor definite pentru ANAF E-factura "
     "E-Transport',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 196
    {2632,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (196,'La "
     "intocmire AVIZ LIVRARE MARFA nu afisa atentionarea ca produsul este in "
     "lista',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 197
    {2633,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES (197,'La "
     "intocmire FACTURI nu afisa atentionarea ca produsul este in "
     "lista',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 198
    {2634,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(198,'ZODUDovadivuz E-Factura - Activeaza optiunea Factura "
     "Corectie',0,1,0,'bif',3,1,1,1,1,1)"},
    // option 199
    {2635,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(199,'ANAF E-factura - afiseaza pe facturi automat index "
     "incarcare/descarcare',0,1,1,'bif',3,1,1,1,1,1)"},
    // option 200
    {2636,
     "INSERT INTO setaridiverse( idsetaridiverse, densetare, minim, maxim, valoarecurenta, "
     "bifsauvaloare, ordine, cufacturare, cunir, cucasa, cucasamarcat, vizibil) VALUES "
     "(200,'ANAF E-factura - la facturare afiseaza casute pentru completare (comanda, contract, "
     "etc...) BT-10 ... BT-16',0,1,0,'bif',3,1,1,1,1,1)"},
};

}  // namespace

Section setariRows() { return kRows; }

}  // namespace script
