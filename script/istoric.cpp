#include "script/sections.h"

namespace script {
namespace {

// Version history: one note per announced change, shown to users release
// by release. Notes up to label 1.38 are written without blanks after
// "(" and DEFAULT; from label 1.39 on as "VALUES ( DEFAULT, ".
constexpr ScriptRow kRows[] = {
    // 1.38
    // Released with words after the closing parenthesis: it never runs.
    {581, "INSERT INTO logversiuni VALUES (DEFAULT,'1.38', '27.05.2008','General', 'Agenda firma - date de contact, istoricul colaborarii si mesaj de atentionare pentru fiecare firma').  Click dreapta pe firma -> Agenda Firma "},
    {585, "INSERT INTO logversiuni VALUES (DEFAULT,'1.38', '29.05.2008','Facturare-Gestiune', 'Seatrea unui anumit mesaj care sa apara pe un anumit tip de document automat, atat la nivel de emitent, cat si la nivel de beneficiar')"},
    {608, "INSERT INTO logversiuni VALUES (DEFAULT,'1.38', '16.06.2008','Facturare-Gestiune NIR', 'Stornarea facturilor si a NIR-urilor cu refacerea automata a stocului. La intocmirea NIR-ului se poate completa automat ultimul pret la furnizor (optiunea 20)')"},

    // 1.39
    {637, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.39', '04.08.2008', 'Facturare', 'Evidenta ambalajelor la produse, in facturi si in NIR-uri. Factura si chitanta se pot tipari si in format 2X2 pe A4 (optiunea 21)')"},

    // 1.40
    {647, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.40', '14.08.2008', 'Gestiune, Monetare, Raport Zilnic de Gestiune', 'Emiterea monetarelor si a raportului zilnic de gestiune pentru magazine, cu evidenta pe casierii si pe gestiuni')"},
    {729, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.40', '03.10.2008', 'Facturare', 'Culoarea chenarului documentelor emise (facturi, avize, chitante) se poate alege din Administrare->Configurare APLICATIE')"},
    {735, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.40', '06.10.2008', 'Facturare', 'Valoarea accizei la produse se poate introduce cu mai multe zecimale, numarul de zecimale se seteaza cu optiunea 22')"},
    {741, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.40', '07.10.2008', 'Facturare', 'Preturi de vanzare diferite in functie de cantitatea vanduta, definite la fiecare produs')"},
    {749, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.40', '13.10.2008', 'Facturare', 'Stergerea si corectarea facturilor si chitantelor emise pot fi permise sau interzise din optiunile 23 si 24')"},

    // 1.41
    {752, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.41', '15.10.2008', 'Suport Tehnic', 'Utilitar pentru executarea de comenzi SQL la indicatia echipei de suport tehnic, se activeaza cu optiunea 25')"},
    {758, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.41', '20.10.2008', 'Istoric Versiuni', 'Fereastra Istoric Versiuni afiseaza noutatile fiecarei versiuni a aplicatiei')"},

    // 1.42
    {759, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.42', '24.10.2008', 'Registru de Casa', 'Registrul de casa poate fi tinut separat pentru mai multe case (casierii), fiecare cu seriile ei de documente - optiunea 26')"},
    {760, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.42', '24.10.2008', 'General', 'Importul nomenclatorului de produse dintr-un fisier extern, se activeaza cu optiunea 27')"},
    {770, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.42', '28.10.2008', 'Gestiune', 'Cantitatile din stocuri si din documente se memoreaza cu precizie marita, pana la 8 zecimale')"},
    {771, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.42', '29.10.2008', 'Facturare, Avize, NIR, Bon consum, Bon Transfer', 'Salvarea temporara a pozitiilor preluate din documente cu posibilitatea intreruperii si continuarii preluarii ulterior de acolo de unde s-a ramas.\r\nIm meniul Administrare->Configurare APLICATIE s-a adaugat optiunea de salvarea temporara automata la fiecare X repere preluate pe un document. ')"},
    {781, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.42', '03.11.2008', 'Facturare, Avize, NIR, Bon consum, Bon Transfer', 'Setarea numarul de zecimale la cantitate - intre 2 si 5 zecimale.\r\nSe steaza din meniul Administrare->Configurare APLICATIE ')"},
    {782, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.42', '06.11.2008', 'Facturare, NIR', 'Cautarea rapida a produselor dupa cod sau dupa denumire la emiterea facturilor si la intocmirea NIR-urilor')"},

    // 1.43
    {783, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '10.11.2008', 'Bon Consum', 'Bonurile de consum se pot lista pe perioade, pe gestiuni si pe produse')"},
    {784, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '10.11.2008', 'Bon Transfer', 'Bonurile de transfer intre gestiuni afiseaza si valoarea la pretul de vanzare')"},
    {785, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '10.11.2008', 'Facturare', 'Posibilitatea setarii numarului maxim de pozitii intr-o factura emisa A4.\r\nMeniul Administrare->Configurare APLICATIE')"},
    // Notes of older databases dated "10.18.2008" or "10.12.2008".
    {789, "DELETE FROM logversiuni WHERE data IN ('10.18.2008', '10.12.2008') AND versiune='1.43'"},
    {790, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '12.11.2008', 'NIR', 'Modificarea unui NIR dupa salvare este permisa doar in intervalul de zile setat cu optiunea 16')"},
    {791, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '18.11.2008', 'NIR, Facturi intrate', 'La intocmirea NIR-ului se preiau datele facturii de intrare (numar, data, furnizor, scadenta)')"},
    {792, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '28.11.2008', 'NIR', 'Pretul de receptie se calculeaza automat din pretul furnizorului si adaosul comercial')"},
    {794, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '30.11.2008', 'Lista Firme', 'Firmele din lista pot fi ordonate dupa preferinta utilizatorului')"},
    {795, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '30.11.2008', 'General', 'Deschiderea mai rapida a ferestrelor cu multe inregistrari')"},
    {796, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '01.12.2008', 'Bonuri consum, bonuri transfer', 'Bonurile de consum si de transfer se pot emite cu produse din mai multe gestiuni (optiunea 18)')"},
    {798, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '10.12.2008', 'Curs BNR de pe internet', 'Preluarea automata a cursului valutar BNR de pe internet la deschiderea aplicatiei')"},
    {800, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '28.12.2008', 'Facturare model A4', 'Factura A4 poate fi tiparita pe un model definit special pentru firma, se activeaza cu optiunea 31')"},
    {801, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '28.12.2008', 'Facturare in valuta', 'Emiterea facturilor in valuta, cu cursul de schimb si echivalentul in lei pe factura')"},
    {803, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '28.12.2008', 'Registru de casa in valuta', 'Registrul de casa se poate tine si in valuta, cu cursul de schimb al fiecarei operatiuni')"},
    {806, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '28.12.2008', 'Curs valutar de pe INTERNET', 'Cursurile valutare preluate de pe internet se salveaza pe zile si pot fi consultate ulterior')"},
    {810, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '31.12.2008', 'Facturare', 'La facturare programul poate atentiona daca nu s-au completat observatiile beneficiarului - optiunea 32')"},
    {812, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '05.01.2009', 'NIR - modificare', 'NIR-urile salvate pot fi modificate, cu refacerea automata a stocurilor afectate')"},
    {823, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '14.01.2009', 'Nomenclator produse', 'La produse se poate memora pretul de achizitie in valuta si moneda furnizorului')"},
    {824, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '14.01.2009', 'Nomenclator produse', 'Produsele pot fi ascunse din liste fara a fi sterse din nomenclator')"},
    {825, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '14.01.2009', 'Nomenclator firme', 'Verificarea codului fiscal la adaugarea unei firme noi, pentru a evita dublarea firmelor')"},
    {829, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '01.02.2009', 'NIR - gestiune', 'Seria NIR-ului poate fi folosita fara legatura cu gestiunea, se seteaza cu optiunea 33')"},
    {1093, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '10.02.2009', 'Facturare', 'Pe facturi se poate afisa moneda RON la preturi si la totaluri (optiunea 34)')"},
    {1094, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '10.02.2009', 'Backup - salvare date', 'Salvarea bazei de date intr-un fisier de backup direct din aplicatie')"},
    {1095, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '12.02.2009', 'Facturare-Gestiune', 'La emiterea documentelor se poate valida stocul disponibil in gestiune (optiunea 2)')"},
    {1096, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '12.02.2009', 'Facturare - limita creditare', 'Limita de creditare pe client - la facturare programul atentioneaza cand soldul clientului depaseste limita stabilita')"},
    {1097, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '12.02.2009', 'Nomenclator firme', 'Date suplimentare la firme - persoane de contact, telefon, e-mail si observatii')"},
    {1098, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '20.02.2009', 'Facturare', 'Data si ora livrarii marfii se pot tipari pe facturi si pe avize (optiunile 38 si 39)')"},
    {1099, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.43', '20.02.2009', 'NIR', 'In NIR se pot scrie totalurile documentului de livrare al furnizorului - optiunea 36')"},

    // 1.44
    {1111, "INSERT INTO logversiuni VALUES ( DEFAULT, '1.44', '01.03.2009', 'General', 'La deschiderea ferestrelor de emitere documente se afiseaza un mesaj daca validarea stocului nu este activata (optiunea 41)')"},

    // 2.01
    {1112, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.01', '12.03.2009', 'Vizualizare documente', 'Fereastra noua de vizualizare a documentelor emise, cu filtrare dupa tip, perioada si firma')"},
    {1113, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.01', '12.03.2009', 'Facturare, Avize', 'Facturile si avizele se pot emite in valuta, cu cursul de schimb memorat pe fiecare pozitie')"},
    {1114, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.01', '12.03.2009', 'Facturare pe baza de Avize', 'Generarea facturii pe baza unuia sau mai multor avize de insotire a marfii ale aceluiasi client')"},
    {1115, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.01', '12.03.2009', 'Facturare pe baza de Avize ', 'Avizele deja facturate nu mai apar in lista avizelor disponibile pentru facturare')"},
    {1116, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.01', '12.03.2009', 'Bonuri de consum', 'Bonurile de consum se pot emite la pretul de achizitie al produselor')"},
    {1117, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.01', '12.03.2009', 'NIR', 'La NIR se poate introduce si pretul de vanzare, care se actualizeaza automat in nomenclator')"},
    {1118, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.01', '12.03.2009', 'Curs valutar de pe internet', 'Preluarea cursului valutar de pe internet functioneaza si prin server proxy (adresa si portul se seteaza in Administrare->Configurare APLICATIE)')"},
    {1148, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.01', '06.04.2009', 'Facturare - Accize', 'Calculul accizelor pe factura, cu valoarea accizei pe unitate de produs cu pana la 9 zecimale')"},
    {1149, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.01', '06.04.2009', 'Casa marcat - Bon fiscal', 'Emiterea bonurilor fiscale direct din aplicatie la casele de marcat conectate la calculator, cu descarcarea automata din gestiune')"},
    {1150, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.01', '06.04.2009', 'Facturare - Bon fiscal', 'La emiterea facturii se poate tipari si bonul fiscal la casa de marcat pentru incasarea in numerar')"},

    // 2.02
    {1151, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.02', '17.04.2009', 'Facturare - Situatii', 'Situatie noua a facturilor emise, grupate pe clienti si pe perioade')"},
    {1154, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.02', '17.04.2009', 'Gestiune - Bon consum', 'Bonurile de consum se pot emite pe centre de cost')"},
    {1155, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.02', '28.04.2009', 'Gestiune - Bon consum', 'La emiterea bonurilor de consum se poate selecta pretul de la furnizor (optiunea 43)')"},
    {1156, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.02', '28.04.2009', 'Gestiune - Bon consum', 'Listarea bonurilor de consum cu totaluri pe gestiuni')"},
    {1157, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.02', '28.04.2009', 'NIR - facturi import', 'NIR pentru facturi de import, cu taxele vamale si cheltuielile de transport repartizate pe produse')"},
    {1158, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.02', '05.05.2009', 'Bon consum', 'Bonul de consum poate fi tiparit si fara valori, doar cu cantitati (optiunea 13)')"},
    {1159, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.02', '07.05.2009', 'Facturare', 'Produsele din factura se pot ordona dupa cota de TVA, cu totaluri partiale pe fiecare cota - optiunea 44')"},
    {1160, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.02', '07.05.2009', 'Facturare - situatii', 'Situatia vanzarilor pe produse si pe clienti poate fi exportata in Excel')"},
    {1161, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.02', '07.05.2009', 'NIR - situatii', 'Situatie a NIR-urilor pe furnizori si pe perioade, cu totaluri')"},
    {1162, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.02', '11.05.2009', 'NIR - situatii', 'Situatia intrarilor pe produse, cu pretul de achizitie si pretul de vanzare')"},
    {1198, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.02', '20.05.2009', 'CHITANTE', 'Pe chitantele emise se pot afisa numarul de inregistrare la Registrul Comertului si codul fiscal al clientului (optiunea 48)')"},
    {1199, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.02', '20.05.2009', 'CHITANTE in VALUTA', 'Chitantele emise in valuta afiseaza si echivalentul in RON la cursul zilei (optiunea 49)')"},
    {1208, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.02', '25.05.2009', 'Fisa de magazie', 'Fisa de magazie pe produs, cu intrarile, iesirile si stocul dupa fiecare operatiune')"},

    // 2.03
    {1209, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.03', '29.05.2009', 'Casa marcat - Bon fiscal', 'Setarea portului de comunicatie, a vitezei si a seriei fiscale pentru fiecare casa de marcat')"},
    {1210, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.03', '29.05.2009', 'Facturare - Bon fiscal', 'Facturile incasate cu bon fiscal sunt marcate in lista facturilor emise')"},
    {1211, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.03', '29.05.2009', 'AVIZE', 'Avizele de insotire a marfii se pot emite si fara preturi si totaluri (optiunile 11 si 12)')"},
    {1216, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.03', '04.06.2009', 'OFERTARE', 'Emiterea de oferte de pret catre clienti, cu posibilitatea transformarii ofertei in factura')"},
    {1218, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.03', '16.06.2009', 'GENERAL', 'Documentele se pot tipari fara liniile verticale, util pentru imprimantele matriceale - optiunea 51')"},
    {1220, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.03', '24.06.2009', 'FACTURARE', 'La facturare se poate afisa automat ultimul pret de vanzare al produsului catre acelasi client (optiunea 52)')"},

    // 2.04
    {1222, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.04', '11.07.2009', 'FACTURARE, BONURI FISCALE', 'Vanzarea produselor cantarite - cantitatea se citeste din codul de bare al etichetei (optiunea 53)')"},
    {1224, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.04', '11.07.2009', 'BON TRANSFER', 'Bonurile de transfer se pot tipari cu preturi si valori inclusiv TVA (optiunea 54)')"},
    {1225, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.04', '11.07.2009', 'RAPORT VANZARI', 'Raport de vanzari pe produse, gestiuni si perioade, cu cantitati si valori')"},
    {1226, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.04', '11.07.2009', 'RAPORT FACTURI', 'Raport al facturilor emise cu situatia incasarilor si a soldurilor pe clienti')"},
    {1228, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.04', '20.07.2009', 'CASA DE MARCAT', 'Incasarile prin bon fiscal se inregistreaza automat in evidenta platilor si incasarilor')"},
    {1229, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.04', '21.07.2009', 'CASA DE MARCAT', 'Raportul X si raportul Z se pot tipari la casa de marcat direct din aplicatie')"},
    {1230, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.04', '23.07.2009', 'FACTURARE - Situatie  incasari', 'Situatia incasarilor facturilor emise pe clienti si pe perioade')"},
    {1231, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.04', '23.07.2009', 'GESTIUNE - Situatie plati', 'Situatia platilor catre furnizori pentru facturile intrate, pe perioade')"},
    {1236, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.04', '05.08.2009', 'Bonuri consum', 'Bonurile de consum pot fi anulate, cu refacerea stocului in gestiune')"},
    {1237, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.04', '14.08.2009', 'Registru ce casa', 'Registrul de casa se poate lista pe zile sau pe perioade, cu soldul initial si final')"},
    {1238, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.04', '17.08.2009', 'Casa de marcat', 'Bonurile fiscale emise se pot vizualiza si retipari ca duplicat nefiscal')"},

    // 2.05
    {1239, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.05', '18.08.2009', 'Registrul de casa', 'Documentele de plata inregistrate in registrul de casa au si data scadentei')"},
    {1240, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.05', '18.08.2009', 'Registrul de casa', 'Corectarea soldului registrului de casa la schimbarea lunii')"},
    {1243, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.05', '28.08.2009', 'General', 'Documentele scurte se pot tipari cate doua pe aceeasi pagina')"},
    {1244, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.05', '28.08.2009', 'NIR-uri', 'NIR-urile pot fi tiparite in format A4 sau A5 (optiunea 10)')"},
    {1245, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.05', '28.08.2009', 'NIR-uri', 'Stergerea unui NIR reface automat stocurile produselor receptionate')"},
    {1247, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.05', '01.09.2009', 'Casa Marcat', 'Modurile de plata ale bonului fiscal (numerar, card, tichete) se seteaza pentru fiecare model de casa de marcat')"},
    {1248, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.05', '08.09.2009', 'NIR', 'La intocmire NIR valorile de la beneficiar se pot completa automat cu cele de la furnizor (optiunea 55)')"},
    {1249, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.05', '08.09.2009', 'NIR - situatiii', 'Situatie a NIR-urilor cu diferentele de pret intre furnizor si receptie')"},
    {1250, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.05', '08.09.2009', 'Incasari clienti', 'Incasarea mai multor facturi ale aceluiasi client cu un singur document de plata')"},
    {1255, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.05', '09.09.2009', 'NIR', 'In fereastra de intocmire NIR se poate afisa pretul din nomenclator al produsului (optiunea 56)')"},
    {1256, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.05', '09.09.2009', 'NIR', 'La NIR se pot adauga produse noi direct din fereastra de intocmire')"},
    {1257, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.05', '09.09.2009', 'NIR', 'Tiparirea NIR-ului cu semnaturile comisiei de receptie')"},
    {1258, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.05', '09.09.2009', 'FACTURARE', 'Marginea de sus a facturii A4 se poate regla pentru imprimanta folosita (optiunea 57)')"},

    // 2.06
    {1259, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.06', '14.09.2009', 'CASA MARCAT', 'Preturi de vanzare diferite pe gestiuni la emiterea bonurilor fiscale')"},

    // 2.07
    {1269, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.07', '23.09.2009', 'GENERAL', 'Pornirea mai rapida a aplicatiei si refacerea conexiunii la serverul de baze de date')"},
    {1270, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.07', '23.09.2009', 'NIR-Stocuri (CM)', 'Descarcarea din gestiune la cost mediu ponderat pentru NIR-uri si stocuri')"},
    {1271, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.07', '23.09.2009', 'FACTURARE (CM)', 'La facturare descarcarea din gestiune se poate face la cost mediu ponderat')"},
    {1272, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.07', '28.09.2009', 'CONFIGURARE APLICATIE', 'Optiunile din Configurare APLICATIE sunt grupate pe module - facturare, NIR, casa si casa de marcat')"},
    {1275, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.07', '28.09.2009', 'Registru de casa', 'In registrul de casa se pot inregistra si retragerile de numerar de la banca (documente RNB)')"},
    {1277, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.07', '08.10.2009', 'Cititior coduri de bare', 'Cititorul de coduri de bare se poate folosi la emiterea tuturor documentelor (optiunea 45)')"},
    {1278, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.07', '08.10.2009', 'Situatie vizualizare facturi emise', 'In situatia facturilor emise se pot filtra facturile incasate si cele neincasate')"},
    {1279, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.07', '08.10.2009', 'Situatie vizualizare chitante', 'Vizualizarea chitantelor emise pe perioade, cu totaluri pe zile')"},
    {1280, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.07', '12.10.2009', 'Cautare-selectie', 'Cautarea in liste se face dupa orice parte din denumire sau din cod')"},

    // 2.08
    {1286, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.08', '28.10.2009', 'Incasari facturi', 'O plata poate fi repartizata pe mai multe facturi, cu suma incasata pentru fiecare factura')"},
    {1287, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.08', '28.10.2009', 'Raport vanzari', 'Raportul de vanzari include si adaosul realizat pe fiecare produs')"},

    // 2.09
    {1292, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.09', '04.11.2009', 'Vizualizare documente', 'Grosimea liniilor din documentele tiparite se poate seta cu optiunile 62, 63 si 64')"},
    {1298, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.09', '08.11.2009', 'CASA DE MARCAT', 'Modurile de plata ale casei de marcat pot fi dezactivate fara a fi sterse')"},
    {1299, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.09', '08.11.2009', 'CASA DE MARCAT', 'Corectii la comunicarea cu casa de marcat la emiterea bonurilor cu multe pozitii')"},
    {1300, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.09', '09.11.2009', 'AVIZE', 'Avizele se pot tipari cu preturile inclusiv TVA (optiunea 66)')"},
    {1301, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.09', '09.11.2009', 'AVIZE', 'La avize se pot completa delegatul si mijlocul de transport')"},
    {1304, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.09', '07.12.2009', 'REGISTRU CASA', 'Registrul de casa preia automat chitantele si dispozitiile de plata si incasare emise')"},

    // 2.10
    {1353, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.10', '01.01.2010', 'GESTIUNE', 'Produsele pot fi grupate pe categorii, cu locatia in gestiune si stocul minim (optiunile 72, 73 si 74)')"},

    // 2.11
    {1354, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.11', '15.01.2010', 'FACTURI', 'La facturarea cu bon fiscal pretul de vanzare se rotunjeste automat la 2 zecimale (optiunea 67)')"},

    // 2.12
    {1355, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.12', '19.01.2010', 'Registru de casa', 'Registrul de casa afiseaza separat incasarile si platile in numerar pentru fiecare zi')"},
    {1356, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.12', '03.02.2010', 'FACTURARE-LOT', 'La facturare se poate specifica lotul produsului, afisat si in denumirea produsului (optiunile 70 si 76)')"},
    {1357, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.12', '03.02.2010', 'FACTURARE-Data expirare', 'La facturare se poate specifica data expirarii produsului, afisata si in denumirea produsului (optiunile 71 si 75)')"},
    {1358, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.12', '03.02.2010', 'Situatie STOCURI', 'Situatia stocurilor se poate afisa pe loturi si pe date de expirare')"},
    {1359, "INSERT INTO logversiuni VALUES ( DEFAULT, '2.12', '03.02.2010', 'Registru LOT ', 'Registru al loturilor si datelor de expirare preluate la NIR (optiunile 68 si 69)')"},

    // 2010 - 2.12
    {1374, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.12', '17.02.2010', 'Facturare', 'La facturare se poate alege documentul de intrare din care se descarca produsul')"},
    {1375, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.12', '17.02.2010', 'LOT, Data expirare', 'Lotul si data expirarii se transmit automat de la NIR la facturi, avize si bonuri fiscale')"},
    {1376, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.12', '17.02.2010', 'Conturi bancare', 'Firmele pot avea mai multe conturi bancare, iar pe factura se alege contul afisat')"},
    {1377, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.12', '20.02.2010', 'FACTURARE-AVIZE', 'Legatura dintre factura si avizele facturate este pastrata si afisata in documente')"},
    {1378, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.12', '20.02.2010', 'Situatii Facturi', 'Situatia facturilor emise afiseaza si avizele pe baza carora au fost generate')"},
    {1385, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.12', '04.03.2010', 'Casa Marcat', 'La emiterea bonurilor fiscale se poate modifica data documentului (optiunea 78)')"},
    {1389, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.12', '31.03.2010', 'Casa Marcat', 'Casa de marcat poate lucra in mod rezident, cu produsele cantaribile marcate in nomenclator')"},
    {1390, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.12', '31.03.2010', 'MAGAZIN - Casa Marcat', 'Fereastra de vanzare pentru magazin, cu emiterea rapida a bonurilor fiscale')"},
    {1391, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.12', '31.03.2010', 'General', 'Programul atentioneaza la depasirea limitei de plati si incasari in numerar stabilite cu optiunea 77')"},
    {1392, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.12', '31.03.2010', 'General', 'Documentele se pot genera automat la bifarea Preluare corecta (optiunea 79)')"},
    {1418, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.12', '20.04.2010', 'AVIZE - NIR', 'La emiterea avizelor se poate genera automat un fisier de export, preluat ca NIR la firma destinatara (optiunea 80)')"},
    {1420, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.12', '20.04.2010', 'GENERAL - drepturi acces', 'Drepturi de acces ale utilizatorilor la nivel de fereastra, stabilite de administrator (optiunea 81)')"},
    {1422, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.12', '20.04.2010', 'FACTURARE', 'Acordarea de bonus in cantitate la vanzarea anumitor produse (optiunea 82)')"},
    {1433, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.12', '20.04.2010', 'GENERAL - drepturi acces', 'Limitarea accesului utilizatorilor doar la anumite serii de documente (optiunea 83)')"},
    {1434, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.12', '21.04.2010', 'FACTURARE-Situatii', 'Situatia facturilor emise pe tipuri de TVA si pe cote de TVA')"},

    // 2010 - 2.13
    {1438, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.13', '01.05.2010', 'Cote TVA', 'Cotele de TVA se pot defini si modifica din aplicatie')"},
    // Same text as the row before: it takes effect once.
    {1439, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.13', '01.05.2010', 'Cote TVA', 'Cotele de TVA se pot defini si modifica din aplicatie')"},
    {1443, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.13', '01.05.2010', 'Cote TVA', 'Tipurile de TVA (taxare inversa, neimpozabil, scutit) se tiparesc pe facturi cu mentiunea corespunzatoare')"},
    {1444, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.13', '01.05.2010', 'Bon Transfer', 'Bonul de transfer preia cota de TVA implicita a produselor')"},
    {1445, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.13', '01.05.2010', 'Facturi-Avize', 'Posibilitate setari cota TVA Implicita - optiunea 84 din Administrare->Configurare APLICATIE')"},
    {1446, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.13', '01.05.2010', 'NIR', 'Posibilitate setari cota TVA Implicita la furnizor - optiunea 85 din Administrare->Configurare APLICATIE')"},
    {1447, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.13', '01.05.2010', 'NIR', 'Posibilitate setari cota TVA Implicita la receptie - optiunea 86 din Administrare->Configurare APLICATIE')"},
    {1458, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.13', '05.05.2010', 'Facturi - listare', 'Listarea facturilor emise se poate face pe serii si pe agenti')"},
    {1459, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.13', '05.05.2010', 'NIR - listare', 'Listarea NIR-urilor cu totaluri pe cote de TVA')"},
    {1460, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.13', '05.05.2010', 'Bonuri Consum - listare', 'Listarea bonurilor de consum cu totaluri pe cote de TVA')"},
    {1461, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.13', '05.05.2010', 'Bon Transfer - listare', 'Listarea bonurilor de transfer pe gestiunea sursa si pe gestiunea destinatie')"},
    {1462, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.13', '05.05.2010', 'Chitante - listare', 'Listarea chitantelor emise cu totaluri pe zile si pe serii')"},
    {1463, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.13', '05.05.2010', 'AVIZE - listare', 'Listarea avizelor cu situatia facturarii fiecarui aviz')"},

    // 2010 - 2.14
    {1464, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.14', '06.05.2010', 'SIGLA', 'Sigla firmei poate fi tiparita pe toate documentele emise')"},
    {1474, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.14', '22.05.2010', 'Ordonare SERII Documente', 'Seriile de documente pot fi ordonate in listele de selectie')"},
    {1475, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.14', '22.05.2010', 'AVIZE STORNO', 'Stornarea avizelor de insotire a marfii, cu reintrarea produselor in gestiune')"},
    {1477, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.14', '10.06.2010', 'GENERAL', 'Firmele pot fi grupate pe zone, definite pe judete')"},
    {1478, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.14', '10.06.2010', 'GENERAL', 'Gestiunile pot fi setate sa lucreze fara loturi')"},
    {1479, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.14', '10.06.2010', 'Plata furnizori', 'Plata mai multor facturi ale aceluiasi furnizor cu un singur document')"},

    // 2010 - 2.15
    {1489, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.15', '30.06.2010', 'TVA 24%', 'Introducerea cotei de TVA de 24% de la 1 iulie 2010, cu data de inceput si data de sfarsit a fiecarei cote')"},
    {1500, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.15', '10.07.2010', 'Cota TVA 24%', 'Grupele de TVA ale caselor de marcat se actualizeaza automat pentru cota de 24%')"},
    {1501, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.15', '10.07.2010', 'NIR', 'La NIR cota de TVA se alege in functie de data documentului de intrare')"},

    // 2010 - 2.16
    {1506, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.16', '18.07.2010', 'Incasari', 'Facturile pot fi incasate in alta moneda decat cea a facturii, cu cursul de schimb si echivalentul incasarii (optiunea 87)')"},
    {1508, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.16', '12.08.2010', 'FACTURI-AVIZE', 'Facturile si avizele pot fi marcate ca inchise, dupa care nu mai pot fi modificate')"},
    {1509, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.16', '12.08.2010', 'STAMPILA', 'Stampila firmei poate fi tiparita pe facturi si pe chitante')"},

    // 2010 - 2.17
    {1521, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.17', '14.08.2010', 'REGISTRU BANCA', 'Registru de banca pentru fiecare cont bancar al firmei, cu extrasele si operatiunile bancare')"},
    {1522, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.17', '14.08.2010', 'REGISTRU INCASARI PLATI', 'Registrul incasarilor si platilor pe casa si pe banca, cu soldurile zilnice')"},

    // 2010 - 2.18
    {1545, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.18', '28.09.2010', 'GESTIUNE', 'Situatia stocurilor pe gestiuni se poate afisa la pretul de achizitie si la pretul de vanzare')"},
    {1546, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.18', '28.09.2010', 'FACTURARE', 'Pe avizele care nu se factureaza se poate tipari mesajul AVIZUL NU SE FACTUREAZA (optiunea 88)')"},
    {1547, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.18', '28.09.2010', 'BONURI CONSUM', 'Posibilitatea eliminarii campului cont de pe bonurile de consum. Optiunea 89 din Administrare->Configurare APLICATIE')"},
    {1549, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.18', '09.11.2010', 'NOMENCLATOR PRODUSE', 'La produse se pot scrie observatii care apar la selectia produsului in documente')"},
    {1555, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.18', '12.11.2010', 'FIRME', 'Mai multe persoane de contact pentru fiecare firma, cu functia, telefonul si adresa de e-mail')"},
    {1594, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.18', '24.11.2010', 'NOMENCLATOR PRODUSE', 'Vanzarea produselor pe fractiuni de ambalaj (de exemplu cutie si pastila), se activeaza cu optiunea 91')"},
    {1607, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.18', '01.12.2010', 'BON CONSUM', 'Pe bonurile de consum se poate tipari un mesaj in antet, stabilit pe serie de documente')"},
    {1609, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.18', '05.01.2011', 'BON TRANSFER', 'Bonul de transfer poate fi tiparit cu pretul de vanzare din gestiunea destinatie')"},
    {1611, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.18', '30.01.2011', 'FACTURARE - Borderou', 'Generarea borderoului facturilor expediate prin Posta Romana, din fereastra de vizualizare a facturilor (optiunea 92)')"},
    {1612, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.18', '30.01.2011', 'FACTURARE', 'La selectia perioadei in ferestre se pastreaza ultima perioada aleasa (optiunea 93)')"},
    {1623, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.18', '14.02.2011', 'DISPOZITII PLATA/INCASARE', 'Dispozitiile de plata si de incasare pot fi sterse doar daca este activata optiunea 94')"},
    {1626, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.18', '01.03.2011', 'Preturi Vanzare', 'Modificarea preturilor de vanzare poate fi permisa doar utilizatorilor cu drept de administrare (optiunea 95)')"},
    {1631, "INSERT INTO logversiuni VALUES ( DEFAULT, '2010 - 2.18', '14.04.2011', 'Facilitati export CIEL', 'Exportul facturilor de intrare si de iesire intr-un fisier pentru importul in programul de contabilitate CIEL (optiunea 96)')"},

    // 2011 - 2.18
    {1633, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.18', '06.05.2011', 'Casa Marcat', 'Pentru unele modele de case de marcat se pot inversa axele (optiunea 97)')"},
    {1634, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.18', '06.05.2011', 'Casa Marcat', 'La vanzarea prin casa de marcat cu coduri de bare pretul produsului poate ramane necompletat (optiunea 98)')"},

    // 2011 - 2.19
    {1640, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.19', '19.05.2011', 'Casa Marcat', 'Corectii la emiterea bonurilor fiscale pentru cantitatile cu multe zecimale')"},
    {1641, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.19', '19.05.2011', 'Date Firme', 'In datele firmei se pot completa si adresa de corespondenta si contul analitic')"},
    {1642, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.19', '30.05.2011', 'FACTURI-AVIZE', 'Pe facturi si avize se poate tipari si codul produsului la beneficiar (optiunea 99)')"},

    // 2011 - 2.20
    {1672, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.20', '22.08.2011', 'FACTURI EMISE', 'Liniile facturilor emise pot fi evidentiate cu culori alternante de fundal (optiunea 100)')"},
    {1673, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.20', '22.08.2011', 'FACTURI INTRATE', 'Facturile intrate pot fi inregistrate si cu acciza pe fiecare produs')"},
    {1674, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.20', '06.09.2011', 'Proces Verbal Receptie', 'Tiparirea procesului verbal de receptie pentru marfa primita')"},
    {1677, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.20', '09.09.2011', 'Bon Transfer', 'Liniile bonurilor de transfer pot fi evidentiate cu culori alternante de fundal (optiunea 103)')"},
    {1678, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.20', '20.09.2011', 'STOCURI', 'S-a adaugat optiunea de VALIDARE STOC CANTITATIV - optiunea 106 in Administrare->Configurare APLICATIE')"},

    // 2011 - 2.21
    {1681, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.21', '27.09.2011', 'INTRASTAT', 'Evidenta informatiilor INTRASTAT la produse (cod TARIC, tara de origine, greutate), se activeaza cu optiunea 107')"},

    // 2011 - 2.20
    {1699, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.20', '20.10.2011', 'REGISTRU CASA', 'Preluarea documentelor de casa mai vechi decat intervalul de zile setat cu optiunea 108 se face cu atentionare')"},
    {1700, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.20', '21.11.2011', 'AVIZE', 'Avizele pot fi emise si pentru transferul marfii intre punctele de lucru ale firmei')"},
    {1701, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.20', '21.11.2011', 'FACTURI LA AVIZE', 'Facturile generate din avize preiau si observatiile si datele de expediere ale avizelor')"},
    {1702, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.20', '30.11.2011', 'FACTURI', 'La facturare pretul de vanzare poate ramane necompletat pentru gestiunile setate astfel')"},
    {1703, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.20', '30.11.2011', 'AVIZE', 'Avizele pot fi tiparite in doua exemplare pe aceeasi pagina A4')"},
    {1705, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 2.20', '12.12.2011', 'VANZARE', 'Discount automat la nivel de client, gestiune si produs in fereastra de emitere bonuri fiscale (optiunea 109)')"},

    // 2011 - 3.01
    {1718, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 3.01', '17.02.2012', 'NIR', 'La NIR IMPORT cota de TVA implicita se poate prelua automat (optiunile 110 si 111)')"},
    {1719, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 3.01', '17.02.2012', 'Gestiuni', 'Gestiunile pot fi ordonate in listele de selectie')"},
    {1724, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 3.01', '25.02.2012', 'Bon Fiscal', 'In fereastra Emite Bon Fiscal se poate face scaderea din stoc fara bon fiscal (tasta F5) sau emiterea bonului fara scadere din gestiune (tasta F6) - optiunile 116 si 117')"},

    // 2011 - 3.02
    {1729, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 3.02', '15.03.2012', 'Facturare', 'Facturi cu denumirea produselor tradusa in alta limba, pentru clientii externi')"},
    {1745, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 3.02', '20.03.2012', 'STOCURI', 'Situatia stocurilor poate fi exportata in fisier, cu coloanele alese de utilizator')"},
    {1746, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 3.02', '20.03.2012', 'STOCURI-NOMENCLATOR', 'Din situatia stocurilor se pot modifica direct datele produsului din nomenclator')"},
    {1747, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 3.02', '29.03.2012', 'CONTURI BANCA', 'Conturile bancare ale firmei pot fi ordonate pentru afisarea pe facturi')"},
    {1749, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 3.02', '20.04.2012', 'BON CONSUM, TRANSFER', 'Setarea restrictiei de emitere bon cumsum sau transfer doar dintr-o singura gestiune, se activeaza optiunile 118, 119')"},
    {1759, "INSERT INTO logversiuni VALUES ( DEFAULT, '2011 - 3.02', '09.05.2012', 'CASA MARCAT', 'Seriile de documente pot fi excluse din raportul zilnic de gestiune')"},

    // 2012 - 3.02
    {1767, "INSERT INTO logversiuni VALUES ( DEFAULT, '2012 - 3.02', '23.05.2012', 'LOTURI', 'Lotul poate fi obligatoriu pentru anumite produse din gestiune')"},

    // 2012 - 3.03
    {1771, "INSERT INTO logversiuni VALUES ( DEFAULT, '2012 - 3.03', '04.06.2012', 'CHITANTE', 'Se poate seta ca la emiterea de chitante sa fie tiparie 1, 2 sau 3 exemplare pe o hartie A4. Setarea 120')"},
    {1795, "INSERT INTO logversiuni VALUES ( DEFAULT, '2012 - 3.03', '17.07.2012', 'STOC FURNIZORI', 'Evidenta stocurilor pe furnizori, cu produsele primite de la fiecare furnizor')"},
    {1799, "INSERT INTO logversiuni VALUES ( DEFAULT, '2012 - 3.03', '23.10.2012', 'Proces Verbal Modificare Pret', 'Proces verbal de modificare a preturilor de vanzare din gestiune, cu diferentele de valoare')"},
    {1820, "INSERT INTO logversiuni VALUES ( DEFAULT, '2012 - 3.03', '28.11.2012', 'Emite Bon Fiscal - STOC' ,'Afisare stoc in fereastra Emite Bon Fiscal - optiunea 129 - chiar daca nu este activata validarea de stoc (optiunea 2 sau 106)' )"},

    // 2012 - 3.04
    {1827, "INSERT INTO logversiuni VALUES ( DEFAULT, '2012 - 3.04', '27.12.2012', 'FACTURARE - TVA LA INCASARE', 'Afisare TVA LA INCASARE la emiterea de facturi - se activeaza optiunea 131 din Administrare->Configurare APLICATE')"},

    // 2013 - 3.04
    {1828, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.04', '05.02.2013', 'Coduri produse', 'La produse se pot memora codul de bare si un cod alternativ, folosite la cautare')"},
    {1832, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.04', '16.02.2013', 'Scanare documente', 'Atasarea documentelor scanate la facturi, la documente de plata si la firme')"},
    {1848, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.04', '25.02.2013', 'Chitante', 'Pe chitante se pot tipari sau nu datele suplimentare din fisierul punctdelucru.txt (optiunea 132)')"},
    {1857, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.04', '01.03.2013', 'NIR', 'Numarul de zecimale pentru pretul de receptie la intocmire NIR se seteaza cu optiunea 134')"},
    {1858, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.04', '01.03.2013', 'Facturare-NIR', 'Numarul de zecimale pentru pretul la facturare si avize se seteaza cu optiunea 133')"},
    {1861, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.04', '10.03.2013', 'Cantitate', 'Numarul de zecimale la cantitate poate fi de pana la 8 (optiunea 29)')"},
    {1881, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.04', '01.04.2013', 'Facturare', 'In raportul zilnic de gestiune se pot include bonurile fiscale emise si exclude facturile incasate cu bon fiscal (optiunile 135 si 136)')"},
    {1882, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.04', '01.04.2013', 'Facturare', 'Termen de plata implicit pentru fiecare client, completat automat la facturare')"},
    {1896, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.04', '16.05.2013', 'Bonuri fiscale', 'Vanzarea prin casa de marcat se poate face pe monitor TOUCHSCREEN (optiunea 137)')"},
    {1897, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.04', '16.05.2013', 'Bonuri fiscale', 'Stergerea bonurilor fiscale din lista bonurilor emise, cu pastrarea evidentei celor sterse (optiunea 138)')"},
    {1904, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.04', '20.05.2013', 'Gestiuni', 'Gestiunile pot fi excluse de la vanzarea prin casa de marcat')"},
    {1905, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.04', '21.05.2013', 'Emitere documente', 'Documentele se pot emite pe baza unei oferte de pret salvate anterior')"},
    {1916, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.04', '06.06.2013', 'Bonuri fiscale', 'La bonurile fiscale si la documente se memoreaza utilizatorul care le-a emis')"},

    // 2013 - 3.05
    {1924, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.05', '14.06.2013', 'Agenti', 'Alocarea clientilor pe agenti de vanzari, cu situatia vanzarilor pe fiecare agent')"},
    {1926, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.05', '25.06.2013', 'Afisaj client', 'Afisarea produselor si a totalului pe afisajul pentru client la vanzarea prin casa de marcat (optiunea 140)')"},
    {1988, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.05', '06.08.2013', 'Cantar', 'La vanzare cantitatea se poate citi direct din cantarul conectat la calculator (optiunea 142)')"},
    {1989, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.05', '06.08.2013', 'Afisare facturi', 'Pe facturile cu mai multe pagini se pot tipari numarul paginii si totalul doar pe ultima pagina (optiunile 144 si 145)')"},
    {1996, "INSERT INTO logversiuni VALUES ( DEFAULT, '2013 - 3.05', '08.08.2013', 'Incasare facturi', 'Incasarea facturilor se poate face si pe punctele de lucru ale clientului')"},

    // 2015 - 3.05
    {2573, "INSERT INTO logversiuni VALUES ( DEFAULT, '2015 - 3.05', '30.04.2015', 'GENERAL', 'La facturare se poate genera automat contractul de vanzare cumparare, dupa modelul din formulare (optiunea 147)')"},
    {2574, "INSERT INTO logversiuni VALUES ( DEFAULT, '2015 - 3.05', '30.04.2015', 'GENERAL', 'La vanzare se afiseaza o atentionare daca pretul de vanzare este sub pretul de intrare (optiunea 148)')"},
    {2575, "INSERT INTO logversiuni VALUES ( DEFAULT, '2015 - 3.05', '30.04.2015', 'Gestiune', 'Cautarea produselor se poate face si dupa codul secundar (optiunea 156)')"},
    {2576, "INSERT INTO logversiuni VALUES ( DEFAULT, '2015 - 3.05', '30.04.2015', 'Gestiune-Facturare', 'La emiterea avizelor si facturilor se poate afisa si codul secundar al produsului (optiunea 149)')"},
    {2577, "INSERT INTO logversiuni VALUES ( DEFAULT, '2015 - 3.05', '15.05.2015', 'Facturare', 'Optiunea 158 in Configurare APLICATIE prin care se poate seta sa nu apara CNP-ul pe facturile emise')"},

    // 2015 - 4.05
    {2578, "INSERT INTO logversiuni VALUES ( DEFAULT, '2015 - 4.05', '24.06.2015', 'Setari generale', 'Setarea marimii scrisului in anumite zone din ferestrele aplicatiei - optiunea 157 din configurare aplicatie')"},
    {2581, "INSERT INTO logversiuni VALUES ( DEFAULT, '2015 - 4.05', '24.06.2015', 'IMPRIMANTA MOBILA', 'Facturile se pot tipari la imprimanta mobila, in unul sau mai multe exemplare (optiunile 155 si 159)')"},
    {2583, "INSERT INTO logversiuni VALUES ( DEFAULT, '2015 - 4.05', '24.06.2015', 'Emitere documente', 'Afisarea la fiecare produse a cotei de TVA corespunzatoare Administrare->configurare aplicatie optiunile 160, 161')"},
    {2587, "INSERT INTO logversiuni VALUES ( DEFAULT, '2015 - 4.05', '24.06.2015', 'DISCOUNT PRODUSE', 'Produsele pot fi marcate fara discount, caz in care nu li se aplica reducerile la vanzare')"},
    {2588, "INSERT INTO logversiuni VALUES ( DEFAULT, '2015 - 4.05', '24.06.2015', 'NIR', 'La NIR costul transportului se poate repartiza pe produse')"},
    {2645, "INSERT INTO logversiuni VALUES ( DEFAULT, '2015 - 4.05', '24.09.2015', 'STOCURI', 'Afisarea stocului general pe toate gestiunile la selectia produsului (optiunea 185)')"},
    {2646, "INSERT INTO logversiuni VALUES ( DEFAULT, '2015 - 4.05', '24.09.2015','General','Refacerea automata a conexiunii la server atunci cand aceasta se pierde')"},

    // 2016 - 5.01
    {2684, "INSERT INTO logversiuni VALUES ( DEFAULT, '2016 - 5.01', '15.12.2015', 'Facturare', 'La emiterea facturilor se poate afisa si tipari soldul la zi al clientului (optiunile 168 si 169)')"},
    {2685, "INSERT INTO logversiuni VALUES ( DEFAULT, '2016 - 5.01', '15.12.2015', 'Comanda TIPOGRAFIE', 'Comenzi de tipografie cu zonele de tiparire, tirajul si materialele folosite')"},
    {2686, "INSERT INTO logversiuni VALUES ( DEFAULT, '2016 - 5.01', '15.12.2015', 'Nomenclator produse', 'Un produs poate fi inlocuit cu alt produs in nomenclator si in documentele emise (optiunea 165)')"},
    {2687, "INSERT INTO logversiuni VALUES ( DEFAULT, '2016 - 5.01', '15.12.2015', 'Generare ETICHETE', 'Generarea si tiparirea etichetelor pentru produse, cu pretul si codul de bare')"},
    {2693, "INSERT INTO logversiuni VALUES ( DEFAULT, '2016 - 5.01', '20.04.2016', 'GENERAL - drepturi acces', 'Drepturile de acces ale utilizatorilor se pot limita si la vizualizarea stocurilor anumitor gestiuni')"},
    {2706, "INSERT INTO logversiuni VALUES ( DEFAULT, '2016 - 5.01', '25.07.2016', 'GENERAL - coduri produse', 'Produsele pot avea mai multe coduri alternative, folosite la cautare si la importul documentelor')"},

    // 2018 - 5.01
    {2741, "INSERT INTO logversiuni VALUES ( DEFAULT, '2018 - 5.01', '04.092018', 'GENERAL - Firme clienti', 'Atentionare firam blocata la vanzare - click dreapta pe firma in lista firme apare meniul corespunzator. Se afiseaza mesaj atentionare.')"},

    // 2021 - 6.02
    {2742, "INSERT INTO logversiuni VALUES ( DEFAULT, '2021 - 6.02', '21062021', 'Functionalitate trimitere email', 'Trimitere emailuri situatie solduri')"},
    {2743, "INSERT INTO logversiuni VALUES ( DEFAULT, '2021 - 6.02', '21062021', 'Situaite incasari facturi emise', 'corectie functionalitate situatie incasari')"},

    // 2021 - 6.03
    {6140, "INSERT INTO logversiuni VALUES ( DEFAULT, '2021 - 6.03', '11.09.2021', 'Facturare', 'Trimitere notificare sold catre clienti')"},
    {6141, "INSERT INTO logversiuni VALUES ( DEFAULT, '2021 - 6.03', '11.09.2021', 'Case marcat', 'S-a implementata utilizarea dreiverului FISCALNET')"},

    // 2022 - 6.04
    {6142, "INSERT INTO logversiuni VALUES ( DEFAULT, '2022 - 6.04', '04.06.2022', 'Facturare', 'functionalitati ROFactura')"},

    // 2023 - 8.01
    {6143, "INSERT INTO logversiuni VALUES ( DEFAULT, '2023 - 8.01', '29.12.2022', 'Facturare - eFactura', 'Actualizare eFactura conform modificari ANAF')"},

    // 2023 - 9.01
    {6144, "INSERT INTO logversiuni VALUES ( DEFAULT, '2023 - 9.01', '09.01.2023', 'General - Update', 'Update automat')"},
    {6145, "INSERT INTO logversiuni VALUES ( DEFAULT, '2023 - 9.01', '09.01.2023', 'Facturare - eTransport', 'Functionalitati eTransport')"},
    {6146, "INSERT INTO logversiuni VALUES ( DEFAULT, '2023 - 9.01', '10.02.2023', 'General', 'Administrare->configurare aplicatie - setare 189 - numar caractere cautare in timp real in nomenclatoare')"},
    {6147, "INSERT INTO logversiuni VALUES ( DEFAULT, '2023 - 9.01', '19.02.2023', 'E-Transport', 'Administrare->configurare aplicatie - setare 190 - scrie automat pe document datele declarate in E-Transport')"},

    // 2023 - 9.02
    {6148, "INSERT INTO logversiuni VALUES ( DEFAULT, '2023 - 9.02', '28.12.2023', 'E-Factura', 'Preluare mesaje din EFactura ANAF - facturi trimise/primite')"},

    // 2024 - 9.03
    {6149, "INSERT INTO logversiuni VALUES ( DEFAULT, '2024 - 9.03', '25.01.2024', 'Facturare', 'Adaugare functionalitate SGR')"},
    {6150, "INSERT INTO logversiuni VALUES ( DEFAULT, '2024 - 9.03', '11.02.2024', 'E-Factura', 'Preluarea automata a facturilor primite/trimise (fisierele zip) de pe site-ul ANAF, transformarea in fisiere PDF')"},
    {6151, "INSERT INTO logversiuni VALUES ( DEFAULT, '2024 - 9.03', '25.02.2024', 'E-Factura', 'Optiune deschidere fisiere in browser sau in AcobatReader, posibilitate descarcare peste 500 de pe site-ul ANAF intr-o singura sesiune')"},
    {6152, "INSERT INTO logversiuni VALUES ( DEFAULT, '2024 - 9.03', '23.03.2024', 'E-Factura', 'Generare NIR din factura primita prin ANAF')"},
    {6153, "INSERT INTO logversiuni VALUES ( DEFAULT, '2024 - 9.03', '14.04.2024', 'E-Factura', 'Trimiterea notificari facturi primite in cadrul firmei')"},
    {6154, "INSERT INTO logversiuni VALUES ( DEFAULT, '2024 - 9.03', '09.06.2024', 'General', 'Optimizari in modul de lucru')"},
};

}  // namespace

Section istoricRows() { return kRows; }

}  // namespace script
