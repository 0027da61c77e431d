// The story of each Czech name: one person per line, in the order of the name-day entries.
#include "info/jmenainfo.h"

namespace voranek {

// Each line holds the index of the entry in JmenaCZ, the name, the origin, the meaning and
// the pet forms, divided by '|'. The text lies in a section of its own, away from what the
// start needs, so that none of it is read into memory before the info window asks for it.
// clang-format off
[[gnu::section(".voranek.obsah")]] const char TextOsobJmen[] = R"obsah(
0|Adam|hebrejský|z hebrejského adam - člověk, muž, spojovaného se slovem adama - země, hlína, z níž byl podle Bible stvořen první člověk|Adámek, Áďa, Adouš, Adoušek, Ada..
0|Eva|hebrejský|z hebrejského Chava, vykládaného jako živá, dávající život; podle Bible jméno první ženy, matky všech živých|Evička, Evka, Evinka, Evuška, Evuše, Evča..
1|Adéla|germánský|ze starogermánského adal - urozený, šlechetný; znamená tedy urozená, vznešená; do češtiny se jméno dostalo přes francouzštinu|Adélka, Adla, Adina, Adka..
2|Adolf|germánský|ze starogermánského Adalwolf, složeného z adal - urozený, šlechetný a wolf - vlk; znamená tedy urozený vlk, vznešený bojovník|Adolfek, Dolfa, Dolfík, Ada, Áda..
3|Adriana|latinský|ženská podoba jména Adrian, z latinského Hadrianus - pocházející z města Hadria (Adria) u Jaderského moře|Adrianka, Adri, Aďa, Adka, Ana..
4|Agáta|řecký|z řeckého agathé - dobrá, laskavá, ctnostná; svatá Agáta je uctívána jako ochránkyně před ohněm|Agátka, Ága, Agi, Gáta, Gátička..
5|Alan|keltský|keltského původu, vykládá se jako skála, harmonie nebo pohledný; do Anglie se dostalo s bretonskými družiníky Viléma Dobyvatele|Alánek, Alík, Ala, Alda, Alouš..
6|Albert|germánský|zkrácená podoba starogermánského Adalbert, složeného z adal - urozený a beraht - skvělý, zářící; znamená tedy vznešeně skvělý|Albertek, Albík, Bert, Bertík, Berťa..
7|Albína|latinský|ženská podoba jména Albín, z latinského albus - bílý; znamená tedy bílá, světlá, čistá|Albínka, Alba, Bína, Bínka, Ala..
8|Alena|řecký|původně česká domácká podoba jmen Helena a Magdalena, dnes samostatné jméno; přes Helenu se vykládá jako zářící, světlá|Alenka, Alenička, Alča, Ála, Alčička..
9|Aleš|řecký|česká podoba jména Alexius, odvozeného z řeckého alexein - bránit, chránit; znamená tedy ochránce, obránce|Alešek, Alík, Ali, Alda..
10|Alexandr|řecký|z řeckého Alexandros, složeného z alexein - bránit, chránit a anér (genitiv andros) - muž; znamená ochránce mužů, ochránce lidí|Saša, Sašík, Alex, Alík, Alexík..
11|Alexandra|řecký|ženská podoba jména Alexandr, z řeckého Alexandra; znamená ta, která brání lidi, ochránkyně mužů|Saša, Sašenka, Alex, Sandra, Sandy, Ali..
12|Alexej|řecký|ruská podoba řeckého jména Alexios, odvozeného od slovesa alexein - bránit, odvracet; znamená ochránce, pomocník|Aljoša, Alex, Alík, Lexa, Lexík..
13|Alice|germánský|anglická a francouzská podoba jména Adelheid (Adléta), ze starogermánského adal - urozený a heit - podstata, bytost; znamená vznešená bytost|Alička, Ali, Alka, Ála, Alinka..
14|Alois|germánský|zlatinizovaná podoba starogermánského jména Alwis, složeného z al - vše a wis - moudrý; znamená tedy velmi moudrý, vševědoucí|Lojza, Lojzík, Lojzíček, Lojzek, Alík..
15|Alžběta|hebrejský|z hebrejského Eliševa, vykládaného jako můj Bůh je přísaha, Bohu zasvěcená; nesla ho matka Jana Křtitele|Běta, Bětka, Bětuška, Bětulka, Betty, Líza, Elza..
16|Amálie|germánský|ze starogermánského amal - statečný, pracovitý, neúnavný v boji; ze stejného základu odvozoval svůj původ gótský královský rod Amalů|Amálka, Málka, Máli, Amy, Mája..
16|Libuše|slovanský|od slovanského základu ljub - milý, milovaný; znamená milá, milovaná; nesla ho bájná kněžna, která podle pověsti předpověděla slávu Prahy|Libuška, Libunka, Liba, Libka, Libuš, Luša..
17|Ambrož|řecký|z řeckého ambrosios - nesmrtelný, božský; ambrosie byla pokrmem olympských bohů, který jim zajišťoval nesmrtelnost|Ambrožek, Bróža, Brožík, Brožek..
17|Benjamín|hebrejský|z hebrejského Binjamin - syn pravice, tedy syn štěstí, milovaný syn; podle Bible nejmladší syn Jákoba a Ráchel|Benjamínek, Ben, Benja, Béňa, Benek, Benouš..
18|Anastázie|řecký|z řeckého anastasis - vzkříšení, zmrtvýchvstání; znamená tedy vzkříšená, znovuzrozená|Anastázka, Stáza, Stázička, Nasťa, Nastěnka, Ana..
19|Anděla|řecký|z řeckého angelos - posel, v křesťanském pojetí anděl, Boží posel; znamená tedy andělská, posel dobré zprávy|Andělka, Andělička, Anděluška, Andělinka, Dela..
20|Andrea|řecký|ženská podoba jména Andreas (Ondřej), z řeckého andreios - mužný, statečný, odvážný|Andrejka, Andrejička, Andy, Andula, Ája..
21|Andrej|řecký|slovanská podoba řeckého jména Andreas, odvozeného od anér, andros - muž; znamená mužný, statečný; česká obdoba jména je Ondřej|Andrejek, Andrejíček, Andrejko, Andy..
22|Aneta|hebrejský|původně francouzská zdrobnělina jména Anna, které pochází z hebrejského Channa - milostivá, plná milosti|Anetka, Anetička, Netka, Neta, Áňa..
23|Anežka|řecký|česká podoba jména Agnes, z řeckého hagné - čistá, cudná, neposkvrněná; později spojováno i s latinským agnus - beránek|Anežička, Anežinka, Anča, Nežka, Neža..
24|Anna|hebrejský|z hebrejského Channa - milostivá, plná milosti, Bohem omilostněná; podle tradice jméno matky Panny Marie|Anička, Andulka, Anča, Áňa, Anuška, Nanynka, Anda, Nána..
25|Antonie (resp. Antónie)|latinský|ženská podoba jména Antonín, od jména římského rodu Antoniů; vykládá se jako přední, vynikající, nebo jako ta, která stojí v čele|Tonička, Toninka, Tonka, Tonča, Toni, Tóňa..
26|Antonín|latinský|z latinského Antonius, jména starobylého římského rodu snad etruského původu; lidově se vykládá jako nedocenitelný, ten, který vyniká|Tonda, Toník, Tonínek, Tonoušek, Tonek, Antoš, Tony..
27|Apolena|řecký|česká podoba jména Apolónie, odvozeného od jména řeckého boha Apollóna; znamená zasvěcená Apollónovi, patřící Apollónovi|Apolenka, Apolka, Polka, Poli, Polenka..
28|Arnošt|germánský|česká podoba německého jména Ernst, ze starogermánského ernust - vážnost, rozhodnost, zápas; znamená vážný, rozhodný, bojovník|Arnoštek, Arnoš, Arnoušek, Arny, Erni..
29|Artur|keltský|keltského původu, snad od slova artos - medvěd, podle jiného výkladu z latinského rodového jména Artorius; proslavil ho legendární britský král Artuš|Arturek, Artík, Arty, Artouš, Arťa..
30|Augustýn (resp. Augustin)|latinský|z latinského Augustinus, odvozeného od Augustus - vznešený, posvátný, majestátní; proslavil ho církevní otec svatý Augustin|Gustík, Gusta, Augustek, Gustl, Gustínek..
31|Barbora|řecký|z řeckého barbaros - cizí, původně ten, kdo nemluví řecky; znamená tedy cizinka; svatá Barbora je patronkou horníků|Bára, Barborka, Barunka, Baruška, Barča, Bobina..
32|Bartoloměj|aramejský|z aramejského Bar Talmai - syn Talmaiův, vykládaného jako syn oráče; nesl ho jeden z dvanácti apoštolů|Bartík, Bartoš, Bartošek, Barta, Bárťa, Bartíček..
33|Beáta|latinský|z latinského beatus, beata - blažený, šťastný; znamená tedy blažená, šťastná, blahoslavená, ta, která přináší štěstí|Beátka, Beátička, Bea, Beja, Bety..
34|Bedřich|germánský|česká podoba německého jména Friedrich, ze starogermánského fridu - mír a rihhi - vládce, mocný; znamená tedy mocný v míru, vládce míru|Béďa, Béďánek, Bedříšek, Bedříček..
35|Běla|slovanský|od slovanského základu běl - bílý; znamená bílá, světlá, přeneseně čistá a nevinná|Bělka, Běluška, Bělinka, Bělička..
36|Benedikt|latinský|z latinského benedictus - požehnaný, blahoslavený; proslavil ho svatý Benedikt z Nursie, zakladatel benediktinského řádu|Beneš, Benda, Benek, Bendík, Benedíček..
37|Bernard|germánský|ze starogermánského bero - medvěd a harti - silný, tvrdý; znamená tedy silný jako medvěd, statečný|Bernardek, Bernášek, Berny, Bena..
38|Berta|germánský|ze starogermánského beraht - skvělý, zářící, slavný; bývá i domáckou zkráceninou jmen jako Alberta nebo Roberta|Bertička, Bertinka, Bertuška, Bertka, Berty..
39|Blahoslav|slovanský|staročeské jméno složené ze slov blaho - dobro, štěstí a sláva; znamená ten, kdo slaví blaho, nebo blaze slavný|Blahoš, Blahošek, Blažek, Sláva, Slávek..
40|Blanka|germánský|ze starogermánského blank - bílý, lesklý; do češtiny se dostalo přes španělské Blanca a francouzské Blanche; znamená bílá, světlá, čistá|Blanička, Blaňka, Bláňa, Blanča, Bláni..
41|Blažej|latinský|z latinského Blasius, jež se odvozuje od blaesus - šišlavý, koktavý; svatý Blažej je patronem proti nemocem krku|Blažek, Bláža, Blažejek, Blažíček..
42|Blažena|slovanský|ze staročeského blažený - šťastný, blahoslavený; znamená tedy šťastná, blažená, ta, která přináší blaho|Blaženka, Blaženička, Bláža, Blažka, Blažuška..
43|Bohdan|slovanský|ze slovanských slov Bůh a dát; znamená Bohem daný, dar Boží, obdobně jako řecké Theodoros|Bohdánek, Bóďa, Bohdík, Danek, Dan..
44|Bohdana|slovanský|ženská podoba jména Bohdan; znamená Bohem daná, ta, kterou rodičům daroval Bůh jako vzácný dar|Bohdanka, Bohdička, Boďka, Danka, Danuška..
45|Bohumil|slovanský|složeno ze slov Bůh a milý; znamená Bohu milý, ten, kdo je Bohu drahý, obdobně jako řecké Theofilos|Bohouš, Bohoušek, Bohuš, Bohumilek, Mílek, Míla..
46|Bohumila|slovanský|ženská podoba jména Bohumil, ze slov Bůh a milý; znamená ta, která je Bohu milá a drahá, Bohem milovaná|Bohunka, Bohuška, Bohumilka, Bohula, Míla, Milka..
47|Bohumír|slovanský|ze slovanských slov Bůh a mír; znamená Boží mír, ten, kdo přináší mír od Boha, obdobně jako německé Gottfried|Bohouš, Bohoušek, Bohumírek, Míra, Mirek, Mireček..
48|Bohuslav|slovanský|ze slovanských slov Bůh a sláva; znamená ten, kdo slaví Boha, nebo ten, kdo je slavný Bohem a jeho sláva pochází od Boha|Bohouš, Bohoušek, Bohuš, Bohuslávek, Sláva, Slávek..
49|Bohuslava|slovanský|ženská podoba jména Bohuslav; znamená ta, která oslavuje Boha, nebo ta, kterou Bůh obdařil slávou|Bohuslavka, Bohuška, Bohunka, Slávka, Slávinka..
50|Boleslav|slovanský|ze staroslovanského bolje - více, větší a sláva; znamená slavnější, ten, kdo má více slávy; nesla ho řada přemyslovských knížat|Bolek, Bolík, Boleček, Boleš, Sláva, Slávek..
51|Bonifác|latinský|z latinského Bonifatius, složeného z bonus - dobrý a fatum - osud; znamená ten, komu je souzen dobrý osud, později vykládáno jako dobrodinec|Bonifáček, Bóňa, Boni, Bonek, Fácek..
52|Boris|slovanský|původně zkrácená podoba jména Borislav, od staroslovanského bor - boj, zápas; znamená bojovník; podle jiného výkladu je jméno prabulharského, tedy turkického původu|Borek, Borík, Bóra, Boreček, Borisek..
53|Bořek|slovanský|domácká podoba jmen Bořivoj a Bořislav, která vycházejí ze staročeského bořiti - bojovat, porážet; znamená bojovník|Bořík, Bořeček, Bořínek, Bořa..
54|Bořivoj|slovanský|ze slov bořiti - bojovat, ničit a voj - vojsko; znamená ten, kdo boří vojska; nesl ho první historicky doložený přemyslovský kníže|Bořek, Bořík, Bořeček, Bořivojek..
55|Božena|slovanský|od slova Bůh; znamená Boží, Bohem obdařená, požehnaná; k oblibě jména přispěla spisovatelka Božena Němcová|Boženka, Boženička, Božka, Bóža, Božinka..
56|Brigita|keltský|z keltského brig - síla, výše, vznešenost; znamená mocná, vznešená; původně šlo o jméno keltské bohyně, později svaté patronky Irska|Brigitka, Gita, Gitka, Britka, Bibi..
57|Bronislav|slovanský|ze slovanských slov brániti - chránit a sláva; znamená ten, kdo brání slávu, slavný obránce|Bronek, Broněk, Bronislávek, Slávek, Sláva..
58|Bruno|germánský|ze starogermánského brun - hnědý, snědý, původně snad přízvisko medvěda; znamená tedy hnědý, silný jako medvěd|Brunek, Brunínek, Brůna, Brunda..
59|Břetislav|slovanský|staročeské jméno (původně Břěcislav), jehož první část se obvykle vykládá jako boj, dobývání; znamená slavný bojovník; nesla ho dvě přemyslovská knížata|Břeťa, Břetík, Břetek, Břetíček, Slávek..
60|Cecílie|latinský|od jména římského rodu Caeciliů, odvozovaného od latinského caecus - slepý; svatá Cecílie je patronkou hudby a hudebníků|Cilka, Cecilka, Cecílka, Cila, Cilinka..
61|Ctibor|slovanský|staročeské jméno ze slov čest a bor - boj; znamená ten, kdo čestně bojuje, čestný bojovník|Ctiborek, Ctík, Ctibůrek, Tibor, Borek..
62|Ctirad|slovanský|ze slov čest a rád; znamená ten, kdo má rád čest, kdo si cení cti; nesl ho hrdina pověsti o dívčí válce|Ctirádek, Ctík, Ctirek, Radek, Ráďa..
63|Cyril|řecký|řeckého původu a v řečtině znělo Kyrios, což by mohlo znamenat pán, panáček, pánův|Cyrek, Cyrouš, Cyroušek, Cyra, Cyrilek..
63|Metoděj|řecký|pochází z methodos - cesta za něčím, přeneseně způsob zkoumání, bádání, poznání|Metodek, Metouš..
64|Čeněk|latinský|česká domácká podoba jména Vincenc, z latinského vincens - vítězící, vítěz; jako samostatné jméno se ujala v 19. století|Čeníček, Čenda, Čendík, Čenďa..
65|Čestmír|slovanský|ze slov čest a mír; znamená ten, kdo ctí mír, čestný mírotvůrce; jméno se rozšířilo hlavně v době národního obrození|Čestmírek, Čestík, Míra, Mirek, Mireček..
66|Dagmar (resp. Dagmara)|skandinávský|dánské jméno vykládané jako denní dívka nebo zářivá jako den; proslavila ho česká princezna Markéta, která jako dánská královna přijala jméno Dagmar|Dáša, Dagmarka, Dášenka, Dája, Dáda, Dagi..
67|Dalibor|slovanský|ze slov dále (dal) a bor - boj; znamená ten, kdo bojuje v dálce, daleko proslulý bojovník; známý je pověstný rytíř Dalibor z Kozojed|Dalík, Daliborek, Dalda, Dáďa, Borek..
68|Dalimil|slovanský|ze slov dále (dal) a milý; znamená daleko milý, ten, kdo je milý i vzdáleným; jeho jméno nese i Dalimilova kronika|Dalík, Dalimílek, Mílek, Míla, Dalda..
69|Dana|slovanský|domácká podoba jmen Bohdana, Daniela nebo Danuše, později samostatné jméno; ve slovanském prostředí se spojuje se slovem dáti - daná, darovaná|Danka, Danuška, Danička, Danča, Dáňa, Danulka..
70|Daniel|hebrejský|z hebrejského Daniel - Bůh je můj soudce, Bůh soudí; nesl ho biblický prorok zachráněný ze lví jámy|Dan, Danek, Daneček, Dáňa, Danny, Danda..
71|Daniela|hebrejský|ženská podoba jména Daniel, z hebrejského Daniel; znamená ta, jejímž soudcem je Bůh, Bohem souzená|Danielka, Danka, Danča, Danuška, Dany, Ela..
72|Darina|slovanský|od slova dar; znamená obdarovaná, darovaná, případně dárkyně; rozšířeno je zejména na Slovensku|Darinka, Darka, Darča, Dája, Dárinka..
73|Darja|perský|ruská ženská podoba jména Darius, z perského Darajavauš - ten, kdo drží dobro, vlastník dobra|Dáša, Dášenka, Daruška, Darka, Dája..
74|David|hebrejský|z hebrejského Dawid - milovaný, miláček; nesl ho biblický král, který jako chlapec přemohl obra Goliáše|Davídek, Davídeček, Davík, Davča, Dáda, Dave..
75|Denisa|řecký|ženská podoba jména Denis (Diviš), z řeckého Dionysios - zasvěcený bohu Dionýsovi, bohu vína a veselí|Deniska, Denisinka, Denča, Deny..
76|Diana|latinský|ze jména římské bohyně lovu, měsíce a přírody, vykládaného z latinského dius - božský, zářící|Dianka, Dianička, Dia, Dida..
77|Dita|německý|původně německá domácká podoba jmen Edita a Judita, později samostatné jméno; přes Editu souvisí se staroanglickým ead - bohatství, štěstí|Ditka, Dituška, Ditunka, Ditinka, Díťa..
78|Dobromila|slovanský|staročeské jméno ze slov dobrý a milý; znamená dobrá a milá, ta, která má ráda dobro a je všem milá|Dobromilka, Dobruška, Dobrunka, Míla, Milka..
79|Dobroslav|slovanský|ze slovanských slov dobro a sláva; znamená ten, kdo slaví dobro, nebo slavný svou dobrotou|Dobroš, Dobrošek, Dobek, Slávek, Sláva..
80|Dominik|latinský|z latinského dominicus - patřící Pánu, náležející Bohu, také narozený v neděli (dies dominica - den Páně)|Dominíček, Domík, Domča, Domi, Dom..
81|Dorota|řecký|z řeckého Dorothea, složeného z dóron - dar a theos - bůh; znamená Boží dar, dar od Boha|Dorotka, Dora, Dorka, Doruška, Dorinka, Dory..
82|Doubravka|slovanský|ze staročeského doubrava - dubový les, háj; znamená ta, která pochází z doubravy; nesla ho dcera Boleslava I., která jako manželka polského knížete Měška přinesla do Polska křesťanství|Doubravička, Doubravenka, Doubra, Bravka..
83|Drahomíra|slovanský|ze slov drahý a mír; znamená ta, které je mír drahý; nesla ho matka svatého Václava|Drahuška, Drahunka, Drahuše, Drahomírka, Mirka, Míra..
84|Drahoslav|slovanský|ze slovanských slov drahý a sláva; znamená ten, komu je drahá sláva, nebo drahocenně slavný|Drahoš, Drahošek, Drahuš, Slávek, Sláva..
85|Drahoslava|slovanský|ženská podoba jména Drahoslav, ze slov drahý a sláva; znamená ta, jíž je sláva drahá, vzácná a slavná|Drahuška, Drahuše, Drahunka, Slávka, Slávinka..
86|Dušan|slovanský|od slova duše; znamená milý, drahý jako duše, srdečný; proslavil ho srbský car Štěpán Dušan|Dušánek, Dušek, Dušík, Duško, Dušánko..
87|Edita|anglický|ze staroanglického Eadgyth, složeného z ead - bohatství, štěstí a gyth - boj; znamená tedy ta, která bojuje o bohatství, šťastná bojovnice|Editka, Edituška, Dita, Ditka, Edi..
88|Eduard|anglický|ze staroanglického Eadweard, složeného z ead - bohatství, majetek a weard - strážce; znamená strážce majetku, ochránce bohatství|Eda, Edík, Edouš, Edoušek, Eduardek, Eddy..
89|Elena|řecký|jihoslovanská a italská podoba jména Helena, z řeckého helené - pochodeň, zářící světlo; znamená zářivá, světlá|Elenka, Elenička, Ela, Elka, Lena, Lenka..
89|Herbert|germánský|ze starogermánského hari - vojsko a beraht - skvělý, zářící; znamená proslulý ve vojsku, slavný bojovník|Herbertek, Herba, Herby, Bert, Bertík..
90|Eliška|hebrejský|původně domácká podoba jména Alžběta, z hebrejského Eliševa - můj Bůh je přísaha; díky Elišce Přemyslovně, dceři Václava II. a matce Karla IV., se jméno v Čechách ujalo jako samostatné|Elka, Eli, Elinka, Elča, Líza, Lízinka..
91|Ema|germánský|pochází ze staroněmeckého ermen, irmin - veliký, mocný, vznešený; původně šlo o zkráceninu delších jmen začínajících na Ermen-, jako je Ermengarda|Emka, Emička, Emuška, Emča, Emina..
92|Emanuel|hebrejský|z hebrejského Immanuel - Bůh je s námi; v knize proroka Izajáše je to jméno zaslíbeného dítěte, které křesťané vztahují k Ježíši Kristu|Emánek, Manek, Manouš, Manoušek, Ema..
93|Emil|latinský|z latinského rodového jména Aemilius, které se odvozuje od aemulus - snaživý, horlivý, soupeřící; znamená tedy ten, kdo usiluje o prvenství|Emílek, Emilek, Emouš, Ema, Míla, Milek..
94|Emílie (resp. Emilie)|latinský|ženská podoba jména Emil, vzniklá z římského rodového jména Aemilia; vykládá se jako snaživá, horlivá, pilná|Emilka, Emička, Ema, Emča, Míla, Milka..
95|Erik|skandinávský|ze staroseverského Eiríkr, složeného ze slov ei - vždy, navždy a ríkr - mocný, vládce; znamená tedy věčný vládce. Nosila je řada švédských a dánských králů|Erča, Eriček, Erouš..
96|Erika|skandinávský|ženská podoba jména Erik ze staroseverského Eiríkr - navždy mocná, vládnoucí; u nás se často spojuje také s latinským názvem vřesu erica|Erička, Erča, Erinka, Ríka..
97|Ester|perský|snad z perského stara - hvězda, podle jiných z babylonského jména bohyně Ištar; v Bibli je Ester židovská královna, která zachránila svůj národ před vyhlazením|Esterka, Esteruška, Esta, Estuška, Esti..
98|Evelína|germánský|z normanského a staroněmeckého Avelina, odvozeného snad od germánského aval - síla, schopnost; často se chápe také jako rozvinutá podoba jména Eva|Evelínka, Evelka, Evička, Eva, Lína, Línka..
99|Evžen|řecký|z řeckého Eugenios, složeného ze slov eu - dobře a genos - rod; znamená tedy urozený, dobrého rodu. Slavným nositelem byl vojevůdce Evžen Savojský|Evženek, Evžík, Evža, Žeňa, Žeňka..
100|Evžénie|řecký|ženská podoba jména Evžen, z řeckého Eugenia - urozená, ušlechtilého rodu; ve Francii jméno zpopularizovala poslední francouzská císařovna Eugénie|Evženka, Evža, Žeňa, Ženička, Evka..
101|Felix|latinský|z latinského felix - šťastný, úspěšný, požehnaný; ve starém Římě šlo o oblíbený přídomek, který si připojil například diktátor Sulla|Felixek, Felík, Felínek, Fela..
102|Ferdinand|germánský|ze staroněmeckého Fridunand, složeného ze slov fridu - mír a nand - odvážný, smělý; vykládá se jako ten, kdo se odváží hájit mír; mezi Habsburky patřilo k oblíbeným panovnickým jménům|Ferda, Ferdík, Ferdínek, Ferdouš, Ferdíček..
103|Filip|řecký|z řeckého Philippos, složeného z philos - přítel, milující a hippos - kůň; znamená tedy milovník koní. Nesl je mimo jiné apoštol Filip i makedonský král, otec Alexandra Velikého|Filípek, Fíla, Filda, Fílek, Filoušek..
104|František|italský|z italského Francesco - Francouz, Francouzík; tak otec přezdíval svatému Františkovi z Assisi a úcta k tomuto světci pak jméno rozšířila po celé Evropě|Franta, Frantík, Fanda, Fanoušek, Fráňa, Franěk, Frantíček..
105|Františka|italský|ženská podoba jména František, odvozeného přes italské Francesco od názvu germánského kmene Franků; vykládá se jako francouzská, svobodná|Fany, Fanynka, Fanka, Fanča, Fráňa..
106|Gabriel|hebrejský|z hebrejského Gavriel - Bůh je má síla, muž Boží; v Bibli je to archanděl, který Panně Marii zvěstoval narození Ježíše|Gábi, Gabek, Gabíček, Gabča, Gábinek..
107|Gabriela|hebrejský|ženská podoba jména Gabriel, jež vychází z hebrejského spojení gever - muž, hrdina a El - Bůh; vykládá se jako Boží síla, Bohem posílená|Gábina, Gábinka, Gabka, Gabča, Gabi, Gába, Gabuška..
108|Galina|řecký|z řeckého galéné - ticho, klid, mírná hladina moře; do češtiny jméno přišlo přes ruštinu, kde patří k velmi rozšířeným|Galinka, Gala, Galka, Galuška, Lina..
108|Oliver|latinský|nejspíš z latinského oliva - olivovník, symbol míru, podle jiného výkladu ze staroseverského Áleifr - potomek předků; proslavil je Olivier, druh Rolandův z eposu Píseň o Rolandovi|Oli, Olík, Oliverek, Olíček..
108|Olívie|latinský|z latinského oliva - oliva, olivovník, tedy ta, která přináší mír; jako křestní jméno je rozšířil Shakespeare postavou hraběnky Olivie ve Večeru tříkrálovém|Oli, Olivka, Olívka, Olivinka, Livie, Livka..
109|Gita|sanskrtský|ze sanskrtského gítá - píseň, zpěv, jak je známo z posvátné indické básně Bhagavadgíta; u nás se chápe také jako domácká podoba jmen Markéta a Brigita|Gitka, Gituška, Gitička, Gitča..
110|Gizela|germánský|ze staroněmeckého gisal - rukojmí, zástava; urození potomci bývali dáváni jako záruka míru, proto se jméno vykládá i jako urozená|Gizelka, Gizi, Giza, Gizinka, Zelka..
111|Gustav|skandinávský|ze švédského Gustaf, složeného snad z Gautr - Gaut, Gót a stafr - hůl, opora; vykládá se jako opora Gótů. Proslavili je švédští králové, počínaje Gustavem Vasou|Gusta, Gustík, Gusťa, Gustíček, Gustánek..
112|Hana|hebrejský|z hebrejského Channa - milostivá, plná Boží milosti; v Bibli je Chana matkou proroka Samuela a jméno je úzce příbuzné se jménem Anna|Hanka, Hanička, Hanča, Hanuška, Haninka, Hanýžka..
113|Hanuš|německý|z německé domácké podoby Hans, Hannusch jména Johannes, které vychází z hebrejského Jochanan - Bůh je milosrdný; v Praze se váže k pověsti o mistru Hanušovi, tvůrci orloje|Hanušek, Hanoušek, Handa..
114|Havel|latinský|česká podoba latinského Gallus - Galský, případně kohout; nosil je svatý Havel, irský misionář, po němž je pojmenován klášter a město Sankt Gallen ve Švýcarsku|Havlík, Havlíček, Havlínek, Háva, Havloušek..
115|Hedvika|germánský|ze staroněmeckého hadu - boj a wig - zápas, válka; znamená tedy bojovnice. Nosila je svatá Hedvika Slezská i polská královna Jadwiga|Hedvička, Heda, Hedička, Hedva, Vika, Viki..
116|Helena|řecký|z řeckého helené - pochodeň, světlo, spojovaného se slovem hélios - slunce; proslavila je krásná Helena Trojská i svatá Helena, matka císaře Konstantina|Helenka, Helča, Hela, Helunka, Lenka, Lena..
117|Hermína|germánský|ženská podoba jména Heřman, ze staroněmeckých slov heri - vojsko a man - muž; vykládá se jako bojovnice, žena z vojska|Hermínka, Herma, Mína, Minka, Mimi..
117|Heřman|germánský|z germánského Heriman, složeného z heri - vojsko, lid a man - muž; znamená tedy válečník, bojovník. V Čechách je nesl například pražský biskup Heřman z počátku 12. století|Heřmánek, Heřma, Heřmík, Heřmoušek, Manek..
118|Horymír|slovanský|staročeské jméno složené ze slov hora a mír, vykládané zhruba jako horský mír či mír z hor; proslavil je pověstný vladyka Horymír z Neumětel se svým koněm Šemíkem|Hora, Horek, Horymírek, Mírek, Míra..
119|Hubert|germánský|ze staroněmeckého hugu - mysl, duch a beraht - jasný, zářivý; znamená tedy jasné mysli, bystrý. Svatý Hubert je patronem myslivců|Hubertek, Hubík, Huba, Hubča, Bertík..
120|Hugo|germánský|ze staroněmeckého hugu - mysl, duch, rozum; původně zkrácená podoba jmen jako Hugibert nebo Hugibald, vykládá se jako rozumný, přemýšlivý|Hugouš, Hugoušek, Hugík, Hugíček, Huga..
121|Hynek|německý|původně staročeská domácká podoba jména Jindřich, přejatá z německého Heinz, Heinrich - vládce domu; později se Hynek spojoval také se jménem Ignác|Hynčík, Hyneček, Hynouš, Hyňa..
122|Ida|germánský|ze staroněmeckého id, idis - práce, činnost, případně žena, panna; vykládá se jako pracovitá, činorodá|Idka, Iduška, Idunka, Idinka, Idča..
123|Ignác|latinský|z latinského rodového jména Egnatius, později spojovaného se slovem ignis - oheň; vykládá se proto jako ohnivý, horlivý. Nosil je svatý Ignác z Loyoly, zakladatel jezuitského řádu|Nácek, Náca, Nácíček, Ignáček, Nácínek..
124|Igor|skandinávský|ze staroseverského Ingvarr, složeného ze jména boha Ingvi a slova varr - střežící; na Rus přišlo s Varjagy a nesl je kyjevský kníže Igor|Igorek, Igoušek, Igi..
125|Ilja|hebrejský|ruská podoba hebrejského jména Elijahu - můj Bůh je Hospodin, odpovídající českému Eliáš; slavným nositelem byl ruský malíř Ilja Repin|Iljuša, Iljuška, Iljušek, Ilík..
126|Ilona|maďarský|maďarská podoba jména Helena, odvozeného z řeckého helené - pochodeň, světlo; vykládá se tedy jako zářivá, světlá|Ilonka, Ila, Iluška, Ilča, Ilonečka, Lonka..
127|Ingrid|skandinávský|ze staroseverského spojení jména boha plodnosti Inga a slova fridr - krásná, milá; znamená tedy Ingem milovaná, krásná jako Ing|Inga, Inka, Ingridka, Ingi..
128|Irena|řecký|z řeckého eiréné - mír, pokoj; Eiréné byla v řecké mytologii bohyně míru, jedna z Hór|Irenka, Irča, Ira, Irka, Renka, Irenička..
129|Irma|germánský|zkrácená podoba staroněmeckých jmen s prvním dílem Irmin-, jako je Irmgard nebo Irmtraud; irmin znamená všeobjímající, mocný, vznešený|Irmička, Irmuška, Irmina, Irminka, Ira..
130|Iva|slovanský|odvozeno od slovanského názvu dřeviny iva, jíva, tedy druhu vrby; chápe se také jako ženská podoba jména Ivo|Ivka, Ivča, Ivuška, Ivička, Ivinka..
131|Ivan|hebrejský|ruská a jihoslovanská podoba jména Jan, které vychází z hebrejského Jochanan - Bůh je milostivý; na Rusi je nesla řada panovníků, mezi nimi car Ivan Hrozný|Ivánek, Ivoušek, Ivča, Váňa, Vaněk..
132|Ivana|hebrejský|ženská podoba jména Ivan, tedy slovanská obdoba Jany; v základu je hebrejské Jochanan, vykládané jako Boží milost|Ivanka, Ivanička, Ivka, Ivča, Ivanča..
133|Iveta (starší varianta Yveta)|francouzský|francouzská zdrobnělina jména Yvonne; pochází ze jména Yves, a tím z germánského iv - tis, z jehož dřeva se vyráběly luky|Ivetka, Iva, Ivka, Ivča, Veta, Vetka..
133|Slavoj|slovanský|staročeské jméno složené ze slov sláva a voj - vojsko, bojovník; znamená tedy slavný bojovník. Se Zábojem je hrdinou jedné z básní Rukopisu královédvorského|Slávek, Sláva, Slavoušek, Slavojek, Voja..
134|Ivo|germánský|ze staroněmeckého iwa - tis, případně tisový luk; vykládá se jako lučištník, střelec. Svatý Ivo z Bretaně je patronem právníků|Ivoušek, Ivošek, Ivík, Ivča..
135|Ivona|francouzský|z francouzského Yvonne, ženské podoby jména Yves, jež se odvozuje od germánského slova pro tis; vykládá se jako pevná, houževnatá, lučištnice|Ivonka, Ivonečka, Ivka, Ivča, Ivuška, Vona..
136|Izabela|hebrejský|španělská a portugalská podoba jména Alžběta, jež pochází z hebrejského Eliševa - Bůh je přísaha; nosila je kastilská královna Isabela, podporovatelka Kolumbovy plavby|Izabelka, Iza, Izka, Bela, Belka, Belinka..
137|Jáchym|hebrejský|z hebrejského Jehojakim - Bůh pozvedne, Hospodin ustanoví; podle křesťanské tradice se tak jmenoval otec Panny Marie a manžel svaté Anny|Jáchymek, Jácha, Jáchoušek..
138|Jakub|hebrejský|z hebrejského Jaakov, vykládaného jako ten, který drží za patu, případně Bůh chrání; podle Bible se Jákob narodil jako druhé z dvojčat a držel přitom za patu svého bratra Ezaua|Kuba, Kubík, Kubíček, Kubánek, Jakoubek, Kubula..
139|Jan|hebrejský|z hebrejského Jochanan - Hospodin je milostivý, Bůh prokázal milost; patří k nejrozšířenějším českým jménům, nesli je Jan Hus, Jan Žižka i Jan Amos Komenský|Honza, Honzík, Honzíček, Jenda, Jeník, Jeníček, Janek..
140|Jana|hebrejský|ženská podoba jména Jan, z hebrejského Jochanan - Boží milost, Bůh je laskavý; v Čechách ve 20. století patřila k nejčastějším ženským jménům|Janka, Janička, Janinka, Janča, Jaňulka, Jája..
141|Jarmil|slovanský|jméno utvořené koncem 18. století, poprvé otištěné roku 1785 ve sbírce Básně v řeči vázané; složené ze slov jarý - silný, prudký, svěží a milý; vykládá se jako ten, komu je milá síla a svěžest|Jarmilek, Jára, Jarek, Míla, Milek..
142|Jarmila|slovanský|ženská podoba jména Jarmil, kterou až v 19. století utvořil K. H. Mácha; ze slovanských slov jarý - svěží, bujný a milá; vykládá se jako svěží a milá, ta, které je milá síla a svěžest; mužské jméno Jarmil mělo nejspíš znamenat milovník jara|Jarmilka, Jarmilička, Jarka, Jaruška, Jarča, Míla, Milka..
143|Jaromír|slovanský|slovanské jméno ze slov jarý - prudký, silný a mír; znamená tedy ten, kdo rázně hájí mír. Nesl je přemyslovský kníže Jaromír, bratr knížete Oldřicha|Jarek, Jára, Jaroušek, Jaromírek, Mirek, Míra..
144|Jaroslav|slovanský|ze slovanského jarý - silný, bujný a sláva; znamená tedy ten, kdo je proslulý svou silou. Nesli je například kyjevský kníže Jaroslav Moudrý či spisovatel Jaroslav Hašek|Jarda, Jardík, Jaroušek, Jarek, Jára, Jaroslávek, Slávek..
145|Jaroslava|slovanský|ženská podoba jména Jaroslav, složeného ze slov jarý - svěží, silný a sláva; vykládá se jako ta, která je slavná svou silou|Jarka, Jaruška, Jarča, Slávka, Slávinka..
146|Jeroným|řecký|z řeckého Hieronymos, složeného z hieros - posvátný a onoma - jméno; znamená tedy nositel posvátného jména. Svatý Jeroným přeložil Bibli do latiny, u nás je znám Jeroným Pražský|Jeronýmek, Jéra, Jerek..
147|Jindřich|germánský|z německého Heinrich, staroněmecky Haimirich, složeného z heim - domov a rich - mocný, vládce; znamená tedy vládce domu, pán domova|Jindra, Jindříšek, Jindříček, Jindroušek, Jindrášek..
148|Jindřiška|germánský|ženská podoba jména Jindřich, z germánského Heimirich; vykládá se jako vládkyně domova, paní domu|Jindra, Jindruška, Jindrunka, Jindřinka, Jindrka..
149|Jiří|řecký|z řeckého Georgios, odvozeného od georgos - zemědělec, rolník, ten, kdo obdělává zemi; proslavil je svatý Jiří, legendární přemožitel draka|Jirka, Jiřík, Jiříček, Jirča, Jura, Juráček, Jiroušek..
150|Jiřina|řecký|ženská podoba jména Jiří, z řeckého Georgia - rolnice, ta, která obdělává zemi; jiřinou se také nazývá známá zahradní květina|Jiřinka, Jiřinečka, Jiřka, Jiruška, Jirča..
151|Jitka|hebrejský|česká podoba jména Judita, přejatá ve středověku přes německé Jutta a lidově spojovaná se slovem jitro; nesla ji Jitka ze Svinibrodu, kterou kníže Břetislav I. unesl z kláštera|Jituška, Jitunka, Jitulka, Jitinka, Jitča, Jíťa..
152|Johana|hebrejský|ženská podoba jména Johannes, latinské obdoby Jana, tedy z hebrejského Jochanan - Bůh je milostivý; proslavila je francouzská hrdinka Johanka z Arku|Johanka, Johanička, Hanka, Hanička..
153|Jolana|řecký|odvozuje se od řeckého ion - fialka a anthos - květ, tedy fialový květ; do češtiny jméno přišlo pravděpodobně z maďarského Jolán|Jolanka, Jolanička, Jolča, Jola, Jolinka, Lanka..
154|Jonáš|hebrejský|z hebrejského Jona - holubice; biblický prorok Jonáš podle vyprávění strávil tři dny a tři noci v břiše velké ryby|Jonášek, Jonda, Joník, Joňa..
155|Josef|hebrejský|z hebrejského Josef - Bůh přidá, Hospodin rozmnoží; v Bibli je Josef pěstounem Ježíše a svatý Josef je mimo jiné patronem Čech|Pepa, Pepík, Pepíček, Pepan, Jožka, Jožin, Joska, Josífek..
156|Judita|hebrejský|z hebrejského Jehudit - žena z Judska, Židovka, též oslavovaná; biblická Judita zachránila své město, když usekla hlavu vojevůdci Holofernovi|Juditka, Dita, Ditka, Juduška, Judy..
157|Julie|latinský|z římského rodového jména Iulius, vykládaného jako mladistvá nebo zasvěcená Jovovi; proslavila je Shakespearova hrdinka z tragédie Romeo a Julie|Julinka, Julka, Julča, Julička, Jůla..
158|Julius|latinský|z latinského Iulius, jména starobylého římského rodu, z něhož pocházel Gaius Julius Caesar; odvozuje se snad od Iula, syna trojského hrdiny Aenea|Julek, Julínek, Julíček, Jula, Jůla..
159|Justýna (resp. Justina)|latinský|z latinského Iustina, odvozeného od iustus - spravedlivý, poctivý; znamená tedy spravedlivá|Justýnka, Justa, Justička, Týna, Týnka, Tina..
160|Kamil|latinský|z latinského Camillus, jak se v Římě nazýval urozený chlapec posluhující při bohoslužbě; znamená tedy přisluhující knězi, ministrant|Kamilek, Kamínek, Kamča, Káma, Míla..
161|Kamila|latinský|ženská podoba jména Kamil, z latinského camilla - urozená dívka, která v Římě pomáhala kněžím při obětech; vykládá se jako čistá, bezúhonná|Kamilka, Kamilička, Kamča, Kamuška, Míla, Milka..
162|Karel|germánský|ze staroněmeckého karal, karl - muž, svobodný muž, chlapík; díky Karlu Velikému se z něj stalo panovnické jméno a v Čechách je proslavil Karel IV., Otec vlasti|Karlík, Karlíček, Kája, Kájínek, Karlouš..
163|Karina|skandinávský|rozvinutá podoba skandinávského jména Karin, domácké obdoby jména Kateřina, které se vykládá jako čistá; často se spojuje i s latinským carus - milý, drahý|Karinka, Kája, Kari, Karča, Rina..
164|Karolína|germánský|ženská podoba jména Karel, z latinizovaného Carolina, odvozeného od germánského karal - svobodný muž; znamená tedy svobodná, statná žena|Karolínka, Kája, Karla, Karča, Lína, Línka..
165|Kateřina|řecký|z řeckého Aikaterine, jehož původ je nejasný; obvykle se spojuje se slovem katharos - čistý, neposkvrněný. Svatá Kateřina Alexandrijská je patronkou učenců a filozofů|Katka, Kačka, Kačenka, Káťa, Katuška, Kateřinka, Kačí..
166|Kazimír|slovanský|polské a staročeské jméno složené z kaziti - kazit, ničit a mír; vykládá se jako ten, kdo ruší mír, případně ničitel míru nepřátel. Nesla je řada polských králů|Kazík, Kazimírek, Kaza, Mirek, Míra..
167|Klára|latinský|z latinského clara - jasná, zářivá, slavná, proslulá; svatá Klára z Assisi, přítelkyně svatého Františka, založila řád klarisek|Klárka, Klárinka, Kláruška, Klárička, Kája..
168|Klaudie|latinský|z latinského rodového jména Claudius, odvozeného nejspíš od claudus - kulhavý; nesla je řada urozených Římanek z rodu Claudiů|Klaudinka, Klaudička, Klaudka, Kláďa..
169|Klement|latinský|z latinského clemens - mírný, vlídný, milosrdný, shovívavý; toto jméno si zvolilo čtrnáct papežů; pražské Klementinum nese jméno svatého Klimenta|Klemík, Kléma, Klemínek, Klemoušek..
170|Kristián|latinský|z latinského Christianus, odvozeného od řeckého Christos - pomazaný; znamená tedy křesťan, Kristův vyznavač. Kristián je též autor jedné z nejstarších latinských legend o svatém Václavu|Kristiánek, Kristík, Krista, Kiki..
171|Kristýna (resp. Kristina)|latinský|z latinského Christina - křesťanka, ta, která náleží Kristu; jméno nesla například švédská královna Kristina, proslulá podporovatelka umění a věd|Kristýnka, Týna, Týnka, Tina, Kiki, Krista..
172|Kryštof|řecký|z řeckého Christoforos, složeného z Christos a ferein - nést; znamená tedy ten, kdo nese Krista. Podle legendy svatý Kryštof přenesl přes řeku malého Ježíše|Kryštůfek, Kryšek, Kryša, Tofík..
173|Květa|slovanský|slovanské jméno odvozené od slova květ, tedy kvetoucí, rozkvetlá, krásná jako květina; je i domáckou podobou jmen Květoslava a Květuše|Květka, Květuška, Květinka, Květulka, Květuš..
174|Květoslav|slovanský|slovanské jméno složené ze slov květ a sláva; vykládá se jako ten, jehož sláva kvete, případně ten, kdo oslavuje květy|Květoš, Květek, Kvítek, Slávek, Sláva..
175|Květoslava|slovanský|ženská podoba jména Květoslav, utvořeného ze slovanských základů květ a sláva; znamená tedy ta, jejíž sláva rozkvétá|Květa, Květka, Květuška, Slávka, Slávinka..
176|Kvido|germánský|ze staroněmeckého witu - les nebo wit - široký, daleký; do češtiny se jméno dostalo přes italskou podobu Guido a vykládá se jako muž z lesa|Kvídek, Kvída, Kvidoušek, Kvidíček..
177|Lada|slovanský|podle starších výkladů jméno slovanské bohyně krásy, lásky a jara, spojované se slovem lad - soulad, pořádek, krása; zároveň je i domáckou podobou jmen Ladislava a Vladimíra|Ladička, Laduška, Ladinka, Ladka, Láďa..
178|Ladislav|slovanský|ze staroslovanského vladěti - vládnout a slava - sláva; znamená tedy ten, kdo vládne slávou, slavný vládce. Nesl je mimo jiné český a uherský král Ladislav Pohrobek|Láďa, Ládík, Ládíček, Ladislávek, Slávek, Lacík..
179|Laura|latinský|z latinského laurus - vavřín, tedy ta, která je ověnčená vavřínem, vítězná; proslavila je Laura, múza italského básníka Petrarky|Laurinka, Laurička, Lauruška, Laurka, Lora..
180|Lenka|řecký|původně domácká podoba jmen Helena a Magdaléna, která se osamostatnila; Helena pochází z řeckého helé - sluneční svit, jas, pochodeň, a znamená tedy zářící, světlá|Lenička, Lenuška, Lenča, Lena, Leni, Lenuš..
181|Leona|řecký|ženská podoba jména Leon, odvozeného z řeckého leon (latinsky leo) - lev; jméno vyjadřuje sílu, odvahu a statečnost, znamená tedy lvice, statečná jako lev|Leonka, Leonička, Leonuška, Lea, Leo..
182|Leopold|germánský|ze starohornoněmeckého Liutbald, složeného ze slov liut - lid a bald - smělý, odvážný; znamená tedy smělý mezi lidem, odvážný muž lidu|Leoš, Leo, Polda, Poldík, Poldíček, Leopoldek..
183|Leoš|český|vzniklo v češtině jako domácká podoba jmen Leopold a Leon, později se osamostatnilo; nejznámějším nositelem jména byl hudební skladatel Leoš Janáček|Leošek, Leošík, Leoušek, Leo..
184|Liběna|slovanský|slovanské jméno odvozené od staročeského libý - milý, příjemný, líbezný; znamená tedy milá, líbezná, ta, která se líbí|Liběnka, Liběnečka, Liba, Libka, Libinka..
185|Libor|latinský|z latinského Liborius, jména světce a biskupa z Le Mans; bývá spojováno s latinským liber - svobodný, v češtině se však často lidově vykládá jako slovanské jméno od libý - milý|Liborek, Libík, Libo, Libča, Libouš..
186|Liliana|latinský|odvozeno z latinského lilium - lilie, která je odedávna symbolem čistoty a nevinnosti; jméno tak znamená čistá a nevinná jako lilie|Lili, Lilinka, Lilka, Lilianka, Liana, Lia..
187|Linda|germánský|původně zkrácenina germánských jmen zakončených na -linde, jako Siglinda či Theodolinda; staroněmecké lind znamená jemný, mírný, ale také štít z lipového dřeva; ve španělštině pak linda znamená hezká|Lindička, Lindinka, Lindulka, Linduška, Lin..
187|Samuel|hebrejský|z hebrejského Shemuel, vykládaného jako Bohem vyslyšený nebo jméno Boží; Samuel byl starozákonní prorok a poslední soudce Izraele, který pomazal krále Saula i Davida|Sam, Samek, Samík, Samoušek, Samuelek..
188|Ljuba|ruský|ruské jméno, původně domácká podoba jména Ljubov, které znamená láska; je příbuzné se slovanským základem ljub - milý, milovaný|Ljubka, Ljubuška, Ljubinka, Lubka, Lubuška..
189|Lubomír|slovanský|slovanské jméno složené ze základů lub - milý, milovat a mír - pokoj, svět; znamená ten, kdo miluje mír, nebo ten, kdo je milý světu|Lubík, Lubko, Lubek, Lubouš, Luba, Mirek..
190|Lubor|slovanský|slovanské jméno ze základů lub - milý a bor - boj, bojovat; lze je vyložit jako ten, kdo rád bojuje, milovník boje|Luborek, Lubík, Lubo, Lubouš, Borek..
191|Luboš|slovanský|vzniklo jako domácká podoba slovanských jmen Lubomír a Lubor, jejichž základ lub znamená milý, milovaný; Luboš tak lze vyložit jako milý, milovaný chlapec|Lubošek, Luboušek, Lubík, Lubi, Lubo, Luba..
192|Lucie|latinský|z latinského Lucia, ženské podoby jména Lucius, odvozeného od lux - světlo; označovalo dítě narozené za rozbřesku a znamená tedy světlá, zářící|Lucka, Lucinka, Lucička, Luci, Lůca..
193|Luděk|slovanský||Luďa, Luděček, Ludík, Luďánek, Luďouš..
194|Ludmila (starší varianta Lidmila)|slovanský|staré slovanské jméno složené ze slov lid a milá, znamená tedy lidu milá; nosila je svatá Ludmila, babička svatého Václava a první česká mučednice|Lída, Lidka, Lidunka, Liduška, Ludmilka, Míla, Milka..
195|Ludvík|germánský|z germánského Hludwig, složeného z hlud - slavný, proslulý a wig - boj; znamená tedy slavný v boji, proslulý bojovník; nosilo je mnoho francouzských králů|Ludvíček, Ludva, Luďa, Ludík, Luďánek..
196|Lukáš|řecký|z řeckého Loukas, které označovalo muže z Lukánie v jižní Itálii, bývá však spojováno i s latinským lux - světlo; svatý Lukáš byl evangelista a lékař, patron lékařů a malířů|Lukášek, Lukin, Lukínek, Luky, Lukyn..
197|Lumír|slovanský|slovanské jméno vykládané ze základů lud - lid a mír, tedy ten, kdo přináší lidu mír; v češtině se proslavilo díky bájnému pěvci Lumírovi z Rukopisu královédvorského|Lumírek, Lumík, Luma, Lumča, Mirek..
198|Lýdie (resp. Lydie)|řecký|řeckého původu, označovalo ženu pocházející z Lýdie, starověké země v Malé Asii; v Bibli je Lýdie obchodnice s purpurem, kterou apoštol Pavel pokřtil jako první křesťanku v Evropě|Lýdinka, Lydka, Lída, Lidka, Lidunka..
199|Magdaléna|hebrejský|hebrejského původu, znamená pocházející z Magdaly, městečka u Genezaretského jezera, jehož jméno je odvozeno od migdal - věž; nosila je Marie Magdaléna, věrná následovnice Ježíšova|Magda, Magdička, Madla, Madlenka, Majda, Lenka, Léna..
200|Mahulena|slovenský|pochází ze slovenské lidové pohádky a bývá vykládáno jako lidová obměna jména Magdaléna; do češtiny je uvedl Julius Zeyer pohádkovou hrou Radúz a Mahulena, k níž složil hudbu Josef Suk|Mahulenka, Mahulka, Mahulička, Lenka, Lenička..
201|Marcel|latinský|z latinského Marcellus, zdrobněliny jména Marcus, které je odvozeno od Marta, římského boha války; znamená tedy malý Marek, zasvěcený Martovi|Marcelek, Marcelík, Marcík, Marci, Celda..
202|Marcela|latinský|ženská podoba jména Marcel, z latinského Marcella; jméno je odvozeno od Marta, římského boha války, a vykládá se jako bojovná, zasvěcená Martovi|Marcelka, Marcelinka, Marcelička, Marca, Celka..
203|Marek|latinský|z latinského Marcus, odvozeného od jména boha války Marta; vykládá se jako zasvěcený Martovi, bojovný, mužný; svatý Marek byl jedním ze čtyř evangelistů a je patronem Benátek|Mareček, Mára, Maroušek, Marky..
204|Marián|latinský|z latinského Marianus, odvozeného od rodového jména Marius; později bylo chápáno jako náležející Panně Marii, tedy ctitel Mariin|Mariánek, Mariánko, Maroš, Majo, Mára..
205|Mariana|latinský|ženská podoba jména Marián, z latinského Mariana - náležející Marii, Mariina; bývá vykládáno také jako spojení jmen Marie a Anna|Marianka, Marianečka, Maruška, Mája, Majka, Anka..
206|Marie|hebrejský|z hebrejského Mirjam, jehož význam není jistý - vykládá se jako hořká, vzdorná, ale také jako milovaná či krásná; je to jméno Panny Marie, matky Ježíšovy, a po staletí nejčastější ženské jméno u nás|Maruška, Mařenka, Máňa, Mánička, Majka, Mája, Marka, Mery..
207|Marika|maďarský|původně maďarská domácká podoba jména Mária, která se osamostatnila a je oblíbená také v Řecku; jméno Marie pochází z hebrejského Mirjam|Marička, Mája, Majka, Marka..
208|Marina|latinský|z latinského Marina, ženské podoby jména Marinus, odvozeného od mare - moře; znamená tedy mořská, žena od moře|Marinka, Marinečka, Mája, Majka, Rina, Máňa..
209|Markéta|řecký|přes latinské Margareta z řeckého margarites - perla; jméno tedy znamená perla, vzácná jako perla; nosila je svatá Markéta Antiochijská, jedna ze čtrnácti svatých pomocníků|Markétka, Markétička, Marky, Markyta, Mája, Gréta..
210|Marta|aramejský|z aramejského marta - paní, hospodyně, velitelka domu; v Novém zákoně je Marta sestrou Marie a Lazara a pracovitou hostitelkou Ježíše v Betanii|Martička, Martuška, Martulka, Marťa, Máťa..
211|Martin|latinský|z latinského Martinus, odvozeného od jména římského boha války Marta; znamená tedy bojovný, zasvěcený Martovi; svatý Martin podle pranostiky přijíždí na bílém koni|Martínek, Marťa, Máťa, Marťas, Marťánek, Martínko..
212|Martina|latinský|ženská podoba jména Martin, z latinského Martina; je odvozena od Marta, boha války, a vykládá se jako bojovná, statečná, náležející Martovi|Martinka, Martinečka, Marťa, Máťa, Týna, Tina, Marťule..
213|Matěj|hebrejský|z hebrejského Mattitjahu - dar Hospodinův, Boží dar; svatý Matěj byl po smrti Jidáše Iškariotského losem zvolen za dvanáctého apoštola|Matějíček, Matějek, Matýsek, Máťa, Mates..
214|Matouš|hebrejský|z hebrejského Mattai, zkráceniny jména Mattanja, které znamená dar od Boha; svatý Matouš byl apoštol, původně výběrčí daní, a podle tradice autor prvního evangelia|Matoušek, Matoušík, Máťa, Mates..
215|Matylda|germánský|ze staroněmeckého Mahthild, složeného ze slov maht - síla, moc a hild - boj; znamená tedy mocná v boji, silná bojovnice|Matyldka, Matylka, Tylda, Tyldička, Máťa, Maty..
215|Rút (resp. Ruth)|hebrejský|z hebrejského Rut, vykládaného jako přítelkyně, družka; biblická Rút, Moábka věrná své tchyni Noemi, se stala prababičkou krále Davida|Rútka, Rutka, Rutinka, Rutička, Růťa..
216|Maxim (Maxmilián)|latinský|z latinského Maximus - největší, nejvyšší; delší podoba Maxmilián vznikla spojením jmen Maximus a Aemilianus a proslavil ji císař Maxmilián I. Habsburský|Max, Maxík, Maxíček, Maxa, Maxi, Maxoušek..
217|Medard|starogermánský|ze starogermánského Mahthart, složeného z maht - moc, síla a hart - tvrdý, silný; svatý Medard, biskup z Noyonu, je známý z pranostiky Medardova kápě, čtyřicet dní kape|Medárek, Meda, Méďa, Medík, Medouš..
218|Michaela|hebrejský|ženská podoba jména Michal, z hebrejského Mikhael - kdo je jako Bůh; jméno vyjadřuje, že nikdo se Bohu nemůže vyrovnat|Michalka, Míša, Míšenka, Miška, Michaelka, Miki, Ela..
219|Michal|hebrejský|z hebrejského Mikhael, otázky znamenající kdo je jako Bůh; archanděl Michael je vůdcem nebeských vojsk, přemožitelem draka a ochráncem duší|Michálek, Míša, Míšánek, Mišák, Miki, Michalík..
220|Mikuláš|řecký|z řeckého Nikolaos, složeného z nike - vítězství a laos - lid; znamená tedy vítěz lidu; svatý Mikuláš, biskup z Myry, je patronem dětí a v předvečer svého svátku je obdarovává|Mikulášek, Mikuš, Mikeš, Mikula, Miky, Niki..
221|Milada|slovanský|slovanské jméno utvořené od základu mil - milý, milovaný, spojovaného se základem lad - soulad, krása; znamená tedy milá, roztomilá, líbezná|Miladka, Miladěnka, Milka, Míla, Milunka, Lada, Ladička..
222|Milan|slovanský|slovanské jméno, původně zkrácená podoba jmen se základem mil, jako Miloslav či Milorad; znamená milý, milovaný|Milánek, Míla, Milouš, Miloušek, Milda, Milánko..
223|Milena|slovanský|slovanské jméno odvozené od přídavného jména milý s příponou -ena; znamená milá, milovaná, drahá a odedávna bylo oblíbené zvláště u jižních Slovanů|Milenka, Milenička, Mili, Míla, Milka, Lena..
224|Miloslav|slovanský|slovanské jméno složené ze základů mil - milý a slav - sláva; znamená ten, komu je milá sláva, nebo milý a slavný|Míla, Milda, Milouš, Miloušek, Miloslávek, Slávek..
225|Miloslava|slovanský|ženská podoba jména Miloslav, složeného ze slovanských základů mil - milý a slav - sláva; vykládá se jako ta, jíž je milá sláva, slavná a milovaná|Míla, Miluška, Milka, Slávka, Slávinka, Miloslávka..
226|Miloš|slovanský|slovanské jméno, které vzniklo jako domácká podoba jmen se základem mil, například Miloslav či Milobor; znamená milý, milovaný, oblíbené je zejména u Srbů a Čechů|Milošek, Miloušek, Míla, Milda, Miloško..
227|Miluše|slovanský|staročeské jméno, domácká podoba jmen jako Miloslava či Ludmila, odvozená od základu mil - milý; znamená tedy milá, milovaná, drahá srdci|Miluška, Milunka, Milka, Míla, Milušinka, Miluš..
228|Miriam|hebrejský|původní hebrejská podoba jména Marie; biblická Mirjam byla sestrou Mojžíše a Árona a prorokyní, která po přechodu Rudého moře zpívala Hospodinu; význam se vykládá jako hořká či vzpurná, nebo z egyptštiny jako milovaná|Miriamka, Mirka, Mirinka, Mimi, Míra..
229|Miroslav|slovanský|slovanské jméno složené z mír - pokoj, svět a slav - sláva; znamená slavný mírem, ten, kdo získá slávu v míru|Mirek, Míra, Mireček, Miroušek, Slávek, Mirda, Miroš..
230|Miroslava|slovanský|ženská podoba jména Miroslav, které je složeno ze slovanských slov mír - pokoj a sláva; vykládá se jako ta, která proslavuje mír|Mirka, Miruška, Mirečka, Mirča, Slávka, Miroslávka, Mirunka..
231|Mojmír|slovanský|staroslovanské jméno složené ze slov můj a mír; znamená tedy můj mír, ten, kdo přináší pokoj; nesl je kníže Mojmír I., první známý vládce Velké Moravy|Mojmírek, Mojík, Mirek, Míra..
232|Monika|latinský|nejasného původu, vykládá se z řeckého monos - jediný, osamělý nebo z latinského monere - napomínat, radit; svatá Monika byla matkou svatého Augustina|Monička, Monča, Moni, Mona, Monina, Monuška..
233|Naděžda|ruský|ruské jméno, které znamená naděje; vzniklo jako překlad řeckého jména Elpis, tedy jedné ze tří božských ctností - víry, naděje a lásky|Naďa, Naďka, Naděnka, Naďulka, Naďuška, Nadinka..
234|Natálie|latinský|z latinského natalis dies - den narození, míněn den narození Kristova; jméno tedy původně dostávaly dívky narozené o Vánocích|Natálka, Natálinka, Naty, Nata, Tálinka..
235|Nataša|ruský|ruská domácká podoba jména Natalja, která se osamostatnila; vychází z latinského natalis dies - den narození, míněn den narození Kristova; znamená tedy narozená o Vánocích|Natašenka, Natašička, Táša, Naty, Nata..
236|Nela|latinský|původně domácká podoba jmen Kornelie, Petronela či Eleonora, která se osamostatnila; Kornelie je odvozena od latinského rodového jména Cornelius, spojovaného s cornu - roh|Nelinka, Nelka, Nelička, Nelí, Nelly..
237|Nikola|řecký|ženské jméno odvozené od řeckého Nikolaos - vítěz lidu, složeného z nike - vítězství a laos - lid; v češtině se užívá hlavně pro dívky, jinde bývá mužským jménem|Nikolka, Niki, Nikča, Nika, Nikolinka, Nikuš..
238|Nina|ruský|původně ruská domácká podoba jmen Anna a Antonina, která se stala samostatným jménem; nesla je svatá Nina, která ve 4. století přinesla křesťanství do Gruzie|Ninka, Ninuška, Ninočka, Nini, Ninulka..
239|Nora|irský|samostatné jméno vzniklé zkrácením jmen Eleonora a Honora, rozšířené zvláště v Irsku; Honora vychází z latinského honor - čest. Oblibě jména pomohla Ibsenova hra Nora|Norka, Norinka, Nori, Norička, Noruška..
240|Norbert|germánský|ze starogermánského Nordberaht, složeného z nord - sever a beraht - jasný, zářivý; znamená tedy slavný muž ze severu, jasný seveřan|Norbík, Norbertek, Norbi, Bertík, Bert..
241|Oldřich|germánský|z germánského Uodalrich, složeného ze slov uodal - dědičný statek a rihhi - mocný, vládce; znamená bohatý dědic, vládce dědictví; nosil je kníže Oldřich z rodu Přemyslovců|Olda, Oldík, Oldíček, Oldoušek, Oldříšek, Olin..
242|Oldřiška|germánský|ženská podoba germánského jména Oldřich, složeného ze slov uodal - dědictví, rodový statek a rihhi - vládce, mocný; vykládá se jako vládkyně dědictví, bohatá dědička|Oldřišečka, Olda, Oldinka, Olinka, Olča..
243|Oleg|skandinávský|ruské jméno skandinávského původu, ze staroseverského Helgi - svatý, posvátný; nesl je varjažský kníže Oleg, který ovládl Kyjev a položil základy Kyjevské Rusi|Olegek, Olík, Ola, Olek..
244|Olga|skandinávský|přes ruštinu ze skandinávského Helga, ženské podoby jména Helgi, vykládaného jako posvátná, zdravá, šťastná; svatá Olga byla kněžnou kyjevskou a babičkou knížete Vladimíra|Olinka, Olka, Olguška, Olgička, Olča, Ola..
245|Ondřej|řecký|z řeckého Andreas, odvozeného od aner, andros - muž; znamená mužný, statečný; svatý Ondřej, bratr Petrův, byl prvním povolaným apoštolem a zemřel na kříži ve tvaru X|Ondra, Ondrášek, Ondřejek, Ondřejíček, Ondrouš, Ondry, Andy..
246|Oskar|keltský|vykládá se z irského os - jelen a car - milující, tedy milovník jelenů, nebo z germánského ans - bůh a gar - oštěp, tedy boží kopí; po Evropě se rozšířil díky Ossianovým zpěvům|Oskárek, Oska, Osík, Ossi..
247|Otakar|germánský|z germánského Odowakar, složeného ze slov ot - majetek, bohatství a wacar - bdělý, ostražitý; znamená strážce majetku; nosili je přemyslovští králové Přemysl Otakar I. a jeho vnuk Přemysl Otakar II., král železný a zlatý|Ota, Otík, Otíček, Otakárek, Oťas, Otouš..
248|Otmar|germánský|ze staroněmeckého Audomar, složeného z ot - majetek, bohatství a mari - slavný, proslulý; znamená tedy proslulý bohatstvím, slavný svým majetkem|Ota, Otík, Otmárek, Mára, Otoušek..
249|Oto|německý|německé jméno, původně zkrácenina jmen začínajících na ot-, jako Otakar či Otmar, ze staroněmeckého ot - majetek, bohatství; znamená tedy bohatý, majetný; nosil je císař Ota I. Veliký|Ota, Otík, Otíček, Otoušek, Oťas..
250|Otýlie (resp. Otilie)|germánský|z germánského Odilia, odvozeného od od - majetek, bohatství, dědictví; svatá Otýlie z Alsaska se narodila slepá, zrak jí byl při křtu zázračně navrácen, a proto je patronkou nevidomých|Otýlka, Otylinka, Tylda, Tylka, Otka..
251|Pankrác|řecký|z řeckého Pankratios, složeného z pan - vše a kratos - síla, moc; znamená všemocný, vševládný; svatý Pankrác patří k ledovým mužům, kteří v polovině května přinášejí chladno|Pankráček, Pankrášek, Pankra..
252|Patricie|latinský|ženská podoba jména Patrik, z latinského patricia - urozená, patricijka, tedy žena ze starobylého římského šlechtického rodu|Patricka, Patka, Paťa, Pati, Patuška..
253|Patrik|latinský|z latinského patricius - urozený, šlechtic, příslušník patricijského rodu; svatý Patrik je patronem Irska, kde v 5. století šířil křesťanství|Paťa, Paťas, Patík, Pat..
254|Pavla|latinský|ženská podoba jména Pavel, odvozeného z latinského paulus - malý, nepatrný; vykládá se tedy jako malá, drobná, skromná|Pavlička, Pavluška, Pavlenka, Pája, Pajda..
255|Pavlína|latinský|z latinského Paulina, odvozeného od rodového jména Paulus; znamená náležející k rodu Paulů, přeneseně malá, drobounká|Pavlínka, Pavlínečka, Pája, Pajda, Lína, Pavlí..
256|Petr|řecký|z řeckého petros - kámen, skála, což je překlad aramejského kefa; tímto jménem nazval Ježíš apoštola Šimona, na němž chtěl vystavět svou církev|Péťa, Petřík, Petříček, Petrušek, Peťulka, Peťan..
257|Petr|řecký|jméno znamená skála, kámen, podle řeckého petra; tento den si církev připomíná apoštola Petra, rybáře z Galileje a prvního římského biskupa, který zemřel mučednickou smrtí v Římě|Petřík, Péťa, Peťka, Petrouš, Petroušek, Peťánek..
257|Pavel|latinský|z latinského paulus - malý, nepatrný; apoštol Pavel, židovským jménem Šavel, pocházel z Tarsu a stal se největším misionářem raného křesťanství, apoštolem národů|Pavlík, Pavlíček, Pavlouš, Pavloušek, Pája, Pajda..
258|Petra|řecký|ženská podoba jména Petr, z řeckého petra - skála; jméno vyjadřuje pevnost a spolehlivost, znamená tedy skálopevná; Petra je také starobylé skalní město v Jordánsku|Petruška, Petrunka, Petrulka, Péťa, Peťka, Petička..
259|Pravoslav|slovanský|slovanské jméno složené ze základů prav - pravý, spravedlivý a slav - sláva; znamená ten, kdo slaví právo, spravedlivě slavný|Pravoslávek, Pravoš, Pravík, Slávek, Sláva..
260|Prokop|řecký|z řeckého Prokopios, odvozeného od prokope - pokrok, zdar; znamená tedy úspěšný, ten, kdo jde kupředu; svatý Prokop, český poustevník, založil Sázavský klášter|Prokůpek, Prokopek, Prokoušek, Prokša, Proky..
261|Přemysl|slovanský|staročeské jméno odvozené od slovesa přemyslit; znamená přemýšlivý, důvtipný, moudrý; nesl je bájný Přemysl Oráč, zakladatel rodu Přemyslovců|Přemek, Přemík, Přemeček, Přemoušek, Přema..
262|Radan|||Radánek, Ráďa, Radík, Radoušek, Radánko..
262|Radana|slovanský|slovanské jméno odvozené od základu rad - rád, radostný, veselý; vykládá se jako radostná, ta, která přináší radost|Radanka, Radka, Ráďa, Radunka, Danka, Radanečka..
263|Radek|slovanský|původně domácká podoba slovanských jmen začínajících základem rad-, jako Radomír, Radoslav či Radovan, od slova rád, radostný; znamená tedy veselý, radostný|Radeček, Ráďa, Radík, Radouš, Radoušek, Raďas..
264|Radim|slovanský|slovanské jméno utvořené ze základu rad - rád, radovat se; znamená radostný, ten, kdo se raduje; nesl je svatý Radim, nevlastní bratr svatého Vojtěcha a první arcibiskup hnězdenský|Radimek, Ráďa, Radík, Raďas, Radoušek..
265|Radka|slovanský|ženská podoba jména Radek, domácká forma jmen se slovanským základem rad - rád, radost; vykládá se jako radostná, veselá, milá|Radečka, Radunka, Raduška, Ráďa, Radulka, Radinka..
266|Radmila|slovanský|slovanské jméno složené ze slov rád, radost a milý; znamená radostná a milá, ta, která ráda dělá druhým radost|Radmilka, Ráďa, Radka, Míla, Milka, Radunka..
267|Radomír|slovanský|slovanské jméno složené ze základů rad - rád a mír - pokoj, svět; znamená ten, kdo má rád mír, radující se z míru|Radek, Ráďa, Radomírek, Mirek, Míra, Radouš..
268|Radoslav|slovanský|slovanské jméno ze základů rad - radost, rád a slav - sláva; vykládá se jako ten, kdo se raduje ze slávy, radostně slavný|Radek, Ráďa, Radoš, Slávek, Radoslávek, Radouš..
269|Radovan|slovanský|slovanské jméno odvozené od slovesa radovat se; znamená radostný, veselý, ten, kdo přináší druhým radost|Radovánek, Radek, Ráďa, Radouš, Radan..
270|Regína|latinský|z latinského regina - královna; v křesťanském prostředí se jméno šířilo i díky mariánskému titulu Regina caeli, tedy Královna nebes|Regínka, Reginka, Regi, Gina, Ginka, Rena..
271|Renáta|latinský|z latinského renatus, renata - znovuzrozená; v křesťanském smyslu označovalo člověka duchovně obnoveného křtem|Renátka, Renatka, Renča, Renka, Réna..
272|René|francouzský|francouzská podoba latinského jména Renatus, tedy znovuzrozený, obrozený; do češtiny proniklo jako módní jméno ve 20. století|Renda, Renďa, Reník, Renek, Reny..
273|Richard|germánský|ze starogermánských slov rik - vládce, mocný a hart - silný, tvrdý, tedy mocný a silný vládce. Proslavil je anglický král Richard Lví srdce|Ríša, Ríšánek, Ríšek, Ríšula, Riky..
274|Robert|germánský|ze starogermánského Hrodebert, složeného z hrod - sláva a beraht - jasný, skvělý; znamená slávou zářící, proslulý|Robek, Robík, Roba, Robertek, Bob, Bobík..
275|Robin|anglický|anglická domácká podoba jména Robert, tedy slavný, proslulý; zároveň je to anglický název ptáčka červenky a jméno legendárního zbojníka Robina Hooda|Robínek, Robíček, Robík, Roba, Robi..
276|Roland|germánský|ze starogermánského Hrodland, složeného z hrod - sláva a land - země, tedy ten, kdo proslavil svou zemi; známé je díky hrdinovi starofrancouzské Písně o Rolandovi|Rolandek, Rolek, Rolík, Rola..
277|Roman|latinský|z latinského Romanus - Říman, pocházející z Říma; původně označovalo obyvatele nebo občana věčného města|Románek, Romča, Romek, Roma, Romík, Romouš..
278|Romana|latinský|ženská podoba jména Roman, z latinského Romana - Římanka, žena pocházející z Říma či k Římu náležející|Romanka, Romča, Romanečka, Romi, Romka..
279|Rostislav|slovanský|staroslovanské jméno složené ze základů rost - růst, rozrůstat se a slav - sláva, tedy ten, jehož sláva roste. Nesl je velkomoravský kníže Rostislav, který do země povolal Cyrila a Metoděje|Rosťa, Rostík, Rosťánek, Rostek, Slávek..
280|Rudolf|germánský|ze starogermánského Hrodwulf, složeného z hrod - sláva a wulf - vlk, tedy slavný vlk, slavný bojovník. Nesl je i císař Rudolf II., který učinil Prahu sídelním městem|Ruda, Rudla, Rudík, Rudíček, Rudolfek, Dolfi..
281|Růžena|český|české jméno odvozené od názvu květiny růže, která je symbolem krásy, něhy a lásky; odpovídá latinskému jménu Rosa|Růža, Růženka, Růžička, Růženečka, Růžka..
282|Řehoř|řecký|česká podoba řeckého jména Gregorios, odvozeného od slovesa gregorein - bdít, tedy bdělý, ostražitý. Nesl je papež Řehoř Veliký, podle něhož se nazývá gregoriánský chorál|Řehořek, Řehůřek, Řehoušek, Řeha..
283|Sabina|latinský|z latinského Sabina - Sabinka, žena z kmene Sabinů, starověkého italického národa sídlícího v sousedství Říma|Sabinka, Sába, Sabi, Bina, Binka..
284|Sandra|italský|italská zkrácená podoba jména Alessandra, ženské obdoby řeckého Alexandros; znamená ochránkyně mužů, obránkyně lidí|Sandruška, Sandrinka, Sandi, Sanda, Sáša..
285|Sára|hebrejský|z hebrejského Sarah - kněžna, paní, vznešená žena; ve Starém zákoně manželka praotce Abrahama a matka Izáka|Sárinka, Sáruška, Sárka, Sári, Sáruš..
285|Štefan|řecký|slovenská a jihoslovanská podoba jména Štěpán, jež vychází z řeckého stefanos - koruna, věnec; proslavil je svatý Štefan, první uherský král|Štefánek, Štefek, Štefík, Štefi, Pišta..
286|Saskie|germánský|z germánského Saskia, které se vykládá jako Saska, žena z kmene Sasů; známou nositelkou byla Saskia van Uylenburgh, manželka malíře Rembrandta|Saskinka, Saska, Sasi, Sáša..
287|Sáva|aramejský|z aramejského saba - stařec, děd, případně spojované se slovem sabat; proslavil je svatý Sáva, první arcibiskup samostatné srbské církve|Sávek, Sáveček, Sávka, Savík..
288|Servác|latinský|z latinského Servatius, odvozeného od servare - zachraňovat, chránit, tedy zachráněný nebo zachránce. Svatý Servác patří mezi takzvané ledové muže|Serváček, Servík, Serva, Vácek..
289|Silvestr|latinský|z latinského silvester - lesní, žijící v lese, od silva - les; podle papeže Silvestra I. se nazývá poslední den roku|Silvík, Silva, Silvestrek, Silvoušek, Sila..
290|Silvie|latinský|z latinského Silvia, odvozeného od silva - les, tedy lesní, žena z lesa. Rhea Silvia byla podle římské pověsti matkou Romula a Rema|Silvinka, Silvička, Silva, Silvi, Sisi..
291|Simona|hebrejský|ženská podoba jména Šimon, z hebrejského slovesa šama - slyšet; vykládá se jako ta, kterou Bůh vyslyšel, dítě vyprošené modlitbou|Simonka, Simča, Simi, Sima, Monča, Moni..
292|Slavěna|slovanský|staročeské jméno od základu slav - sláva; znamená slavná, oslavovaná, vyhlášená|Slavěnka, Slávka, Slávinka, Slávička, Věnka..
293|Slavomír|slovanský|slovanské jméno složené ze základů slav - sláva a mír - pokoj, ale i svět; znamená slavný mírem, ten, kdo proslavil mír|Slávek, Slávík, Slavomírek, Mirek, Míra..
294|Soběslav|slovanský|staročeské jméno složené ze zájmena sobě a základu slav - sláva, tedy ten, kdo získává slávu sám sobě. Nesla je přemyslovská knížata Soběslav I. a Soběslav II. z 12. století|Soběslávek, Sobík, Sobek, Sobouš, Slávek..
295|Soňa|ruský|ruská domácká podoba jména Sofie, jež vychází z řeckého sofia - moudrost; u nás se ujala jako samostatné jméno|Soňka, Sonička, Soninka, Sonka, Soňuška..
296|Stanislav|slovanský|slovanské jméno složené ze základů stan - stát, ustálit se a slav - sláva, tedy ten, jehož sláva trvá. Svatý Stanislav, krakovský biskup, je patronem Polska|Standa, Stáňa, Stanislávek, Stáník, Stanďa, Slávek..
297|Stanislava|slovanský|ženská podoba jména Stanislav; znamená žena, jejíž sláva je pevná a trvalá, ta, která se stala slavnou|Stáňa, Stanička, Stanuška, Stáninka, Stanka, Slávka..
298|Stela|latinský|z latinského stella - hvězda; jméno bývá spojováno s mariánským titulem Stella maris, Hvězda moře|Stelka, Stelinka, Stelička, Stelča..
299|Svatava|slovanský|staročeské jméno odvozené od slova svatý v původním smyslu posvátný, silný, mocný. Nesla je Svatava Polská, manželka Vratislava II. a první česká královna|Svatavka, Sváťa, Svatka, Svatuška, Tavka..
300|Svatopluk|slovanský|slovanské jméno složené ze slov svatý - silný, posvátný a pluk - lid, vojsko, tedy ten, kdo vládne silným vojskem. Nesl je velkomoravský kníže Svatopluk|Sváťa, Sváťáček, Svatoš, Svatík..
301|Svatoslav|slovanský|slovanské jméno složené ze základů svat - svatý, posvátný a slav - sláva; znamená proslulý svatostí, oslavovaný pro svou zbožnost|Sváťa, Svatoušek, Svatík, Svatoš, Slávek..
302|Světlana|slovanský|slovanské jméno odvozené od slova světlo, světlý, tedy světlá, jasná, čistá; do češtiny se rozšířilo z ruštiny|Světla, Světlanka, Světluška, Světlinka, Lana, Lanka..
303|Šárka|český|jméno bojovnice z pověsti o dívčí válce, která lstí přemohla Ctirada; odvozuje se ze staročeského šárý - strakatý, pestrobarevný|Šári, Šárinka, Šáruška, Šárička, Šaruš..
304|Šarlota|francouzský|počeštěná podoba francouzského Charlotte, ženské zdrobněliny jména Charles, tedy Karel; znamená svobodná, statná žena|Šarlotka, Šarla, Lota, Lotka, Lotynka, Šarli..
304|Zoe|řecký|z řeckého zoe - život, tedy plná života, životodárná; v Byzanci je nosily i císařovny|Zoinka, Zoička, Zojka, Zoja..
305|Šimon|hebrejský|z hebrejského Šimon, odvozeného od slovesa šama - slyšet, tedy ten, kdo slyší, Bohem vyslyšený. Nosil je apoštol Šimon Petr|Šimonek, Šíma, Šimek, Šimánek, Šimíček, Šimča..
306|Štěpán|řecký|z řeckého Stefanos - věnec, koruna, přeneseně vítěz ověnčený vavřínem; svatý Štěpán byl prvním křesťanským mučedníkem|Štěpánek, Štěpa, Štěpík, Štěpíček, Štěpča..
307|Štěpánka|řecký|ženská podoba jména Štěpán, z řeckého stefané - věnec, koruna; znamená ověnčená, korunovaná|Štěpka, Štěpa, Štěpča, Štěpánečka, Štěpička, Štěpinka..
308|Tadeáš|aramejský|z aramejského Taddai, vykládaného jako srdnatý, odvážný nebo chvályhodný; nesl je apoštol Juda Tadeáš|Tadeášek, Táda, Tadík, Tadek, Tady..
309|Tamara|hebrejský|z hebrejského tamar - datlová palma, tedy štíhlá jako palma; proslavila je gruzínská královna Tamara|Tamarka, Tamča, Tamy, Tami, Tamuška..
310|Taťána|latinský|ruská podoba latinského jména Tatiana, odvozeného od římského rodového jména Tatius; připomíná sabinského krále Tita Tatia|Táňa, Táňka, Taťánka, Taňuška, Tánička, Tata..
311|Teodor|řecký|z řeckého Theodoros, složeného z theos - bůh a doron - dar; znamená boží dar, Bohem darovaný|Teo, Teodorek, Tedík, Teďa, Tedy, Dorek..
312|Tereza|řecký|pocházející z ostrova Thery|Terezka, Terezička, Terka, Terinka, Rézka, Rézinka, Tea..
313|Tibor|latinský|maďarská podoba latinského jména Tiburtius - pocházející z města Tibur, dnešního Tivoli nedaleko Říma|Tiborek, Tibík, Tibi, Tiba..
314|Tomáš|aramejský|z aramejského teoma - dvojče, blíženec; řecky se apoštol Tomáš nazýval také Didymos, což rovněž znamená dvojče|Tom, Tomík, Tomášek, Tomek, Toma, Tomíček, Tomča..
315|Václav|slovanský|počeštěná podoba staroslovanského jména Venceslav, složeného ze základů více a slav - sláva, tedy slavnější než jiní. Nesl je svatý Václav, patron české země|Vašek, Vašík, Váša, Vašíček, Venca, Vencl, Václávek..
316|Valdemar|germánský|ze starogermánského Waldemar, složeného z walt - vládnout a mari - slavný, proslulý, tedy slavný vládce; oblíbené bylo zejména u dánských králů|Valda, Valdík, Valdíček, Valdemárek, Mára..
317|Valentýn (resp. Valentin)|latinský|z latinského valens, valentis - silný, zdravý, mocný; svátek svatého Valentýna je dnes slaven jako den zamilovaných|Valentýnek, Valík, Vála, Valoušek, Týnek..
318|Valérie|latinský|z latinského rodového jména Valerius, odvozeného od valere - být silný, zdravý; znamená silná, zdravá, statná|Valerka, Valinka, Valča, Valka, Vali, Lerka..
319|Vanda|slovanský|jméno polské legendární kněžny Vandy, dcery Krakovy; vykládá se z názvu kmene Vandalů nebo Vendů, tedy Vandalka či Slovanka|Vandinka, Vanduška, Vandička, Vandulka, Vanďa..
320|Vavřinec|latinský|z latinského Laurentius - pocházející z města Laurentum, spojovaného s vavřínem, tedy ověnčený vavřínem, vítěz. Svatý Vavřinec byl umučen na roštu|Vavřa, Vávra, Vavřínek, Vavřík, Vavřineček..
321|Věnceslav|slovanský|plnější, starobylá podoba jména Václav, blízká latinskému Venceslaus, ze staroslovanského věce - více a slav - sláva, tedy ten, jemuž náleží větší sláva; lidově se spojuje i se slovem věnec a vykládá jako ověnčený slávou|Věnek, Věnoušek, Věna, Věnceslávek, Slávek..
322|Vendelín|germánský|ze starogermánského Wendelin, zdrobněliny jména odvozeného od kmene Vandalů nebo Vendů; nesl je svatý Vendelín, patron pastýřů a dobytka|Vendík, Venda, Vendelínek, Vendouš, Delín..
323|Vendula|germánský|česká podoba jména Vendelína, ženského protějšku jména Vendelín, které se odvozuje od starogermánského kmenového jména Vandalů či Vendů|Vendulka, Vendulinka, Venda, Vendy, Dulka..
324|Věra|ruský|z ruského vera - víra; v ruštině tvoří Věra, Naděžda a Ljubov trojici jmen podle křesťanských ctností víry, naděje a lásky|Věrka, Věruška, Věrunka, Věrča, Věrušinka..
325|Veronika|řecký|z řeckého Ferenike - nesoucí vítězství; později lidově vykládáno z latinského vera icon - pravý obraz, podle roušky svaté Veroniky s otiskem Kristovy tváře|Verunka, Verča, Verka, Veronička, Nika, Roni..
326|Věroslav|slovanský|novější slovanské jméno složené ze základů věra - víra a slav - sláva; znamená ten, kdo oslavuje víru, slavný svou věrností|Věroslávek, Věrek, Věroušek, Slávek..
327|Viktor|latinský|z latinského victor - vítěz, tedy vítězný, ten, kdo zvítězil; v raném křesťanství bylo oblíbeným jménem mučedníků|Viktorek, Víťa, Vik, Viky, Vikouš..
328|Viktorie|latinský|z latinského victoria - vítězství; Victoria byla římská bohyně vítězství, obdoba řecké Níké|Viktorka, Viky, Vikinka, Vikča, Tori..
329|Vilém|germánský|ze starogermánského Willahelm, složeného z wil - vůle a helm - přilba, ochrana; znamená ten, kdo chrání ze své vůle, odhodlaný ochránce|Vilémek, Vilík, Vilda, Vila, Vilouš, Vilíček..
330|Vilma|germánský|zkrácená podoba jména Vilemína, ženské obdoby jména Vilém; vychází ze starogermánského wil - vůle a helm - přilba, tedy odhodlaná ochránkyně|Vilmička, Vilminka, Vilmuška, Vili, Vilka..
331|Vincenc|latinský|z latinského vincens, vincentis - vítězící, přemáhající, tedy vítěz, ten, kdo přemáhá. Nesl je svatý Vincenc z Pauly, zakladatel řádu lazaristů|Vincek, Vinca, Vinci, Čenda, Čeněk..
332|Viola|latinský|z latinského viola - fialka; jméno odkazuje ke skromné a vonné jarní květině a nese je i hrdinka Shakespearovy komedie Večer tříkrálový|Violka, Violinka, Violička, Vivi..
333|Vít|latinský|z latinského Vitus, odvozeného od vita - život, tedy životný, plný života. Svatému Vítu je zasvěcena pražská katedrála|Vítek, Víťa, Vítíček, Víťánek, Vítánek..
334|Vítězslav|slovanský|slovanské jméno složené ze slov vítěz a slav - sláva, tedy slavný vítěz, ten, kdo získal slávu vítězstvím. Nosil je skladatel Vítězslav Novák|Víťa, Vítek, Víťánek, Vítězek, Slávek..
335|Vladan|slovanský|slovanské jméno odvozené od základu vlad - vládnout, vláda, tedy vládce, ten, kdo vládne; oblíbené je hlavně u jižních Slovanů|Vláďa, Vladánek, Vladík, Láďa, Vlady..
336|Vladěna|slovanský|slovanské jméno od základu vlad - vládnout; znamená vládnoucí, vladařka, žena, která umí vládnout|Vladěnka, Vláďa, Vladka, Laďka, Děnka..
337|Vladimír|slovanský|slovanské jméno složené ze základů vlad - vládnout a mír - pokoj, též svět, tedy vládce míru nebo vládce světa. Nesl je kyjevský kníže Vladimír, který roku 988 pokřtil Rus|Vláďa, Vladimírek, Láďa, Míra, Vladík, Vláďánek..
338|Vladislav|slovanský|slovanské jméno složené ze základů vlad - vládnout a slav - sláva, tedy slavný vládce. Nesli je čeští panovníci z rodu Přemyslovců i Jagellonců|Vláďa, Láďa, Vladislávek, Vladík, Slávek..
339|Vlasta|slovanský|slovanské jméno odvozené od slova vlast, původně vláda, moc, tedy ta, která vládne. V pověsti o dívčí válce byla Vlasta vůdkyní dívek|Vlastička, Vlastinka, Vlastuška, Vlasťa, Vlaska..
340|Vlastimil|slovanský|slovanské jméno složené ze slov vlast a mil - milý; znamená ten, komu je vlast milá, milující svou vlast|Vlasťa, Vlastík, Vlastimilek, Míla, Mílek..
341|Vlastislav|slovanský|slovanské jméno složené ze slov vlast a slav - sláva, tedy ten, kdo přináší vlasti slávu. Podle Kosmovy kroniky se tak jmenoval lucký kníže, nepřítel Čechů|Vlasťa, Vlastík, Vlastislávek, Slávek..
342|Vojtěch|slovanský|staročeské jméno složené ze slov voj - vojsko, boj a těcha - útěcha, radost, tedy útěcha vojska. Nesl je svatý Vojtěch, druhý pražský biskup|Vojta, Vojtíšek, Vojtík, Vojtěšek, Vojtínek, Vojča..
343|Vratislav|slovanský|slovanské jméno složené ze základů vrat - vrátit, obrátit a slav - sláva, tedy ten, kdo navrací slávu. Nesl je Vratislav II., první český král|Vráťa, Vratík, Vráťánek, Vratislávek, Slávek..
344|Xénie|řecký|z řeckého xenia - pohostinnost, od xenos - host, cizinec; znamená pohostinná, ta, která vlídně vítá hosty|Xéňa, Xenka, Xenička, Xeninka..
345|Zbyněk|slovanský|domácká podoba staročeského jména Zbyhněv, složeného ze zbýti - zbavit se a hněv; znamená ten, kdo se zbavil hněvu, mírný a rozvážný|Zbyňa, Zbyníček, Zbyňáček, Zbyňoušek..
346|Zbyšek|slovanský|staročeská domácká podoba jmen začínajících na Zby-, například Zbyslav nebo Zbyhněv; souvisí se slovesem zbýt, zbývat, tedy ten, kdo zůstal|Zbyša, Zbyšánek, Zbyšíček, Zbyšík..
347|Zdeněk|slovanský|domácká podoba staročeského jména Zdeslav, složeného z příslovce zde a slav - sláva; znamená ten, kdo zde, doma, získal slávu|Zdenda, Zdeňa, Zdeníček, Zdendík, Zdenál..
348|Zdeňka|slovanský|ženská podoba jména Zdeněk, jež vzniklo zkrácením staročeského Zdeslav; znamená ta, jejíž sláva je zde, doma|Zdenička, Zdenča, Zdenuška, Zdeninka, Zdena..
349|Zdislava|slovanský|staročeské jméno od slovesa zdíti - tvořit, budovat a slav - sláva, tedy ta, která buduje slávu. Nesla je svatá Zdislava z Lemberka, patronka rodin|Zdíša, Zdislávka, Zdiska, Slávka..
350|Zikmund|germánský|ze starogermánského Sigismund, složeného ze sigu - vítězství a munt - ochrana, tedy vítězný ochránce. Nesl je český král a římský císař Zikmund Lucemburský|Zikmundek, Zika, Zikoušek, Munda, Mundík..
351|Zina|řecký|ruská zkrácená podoba jména Zinaida, z řeckého Zenais - náležející Diovi, pocházející od Dia|Zinka, Zinuška, Zinočka, Zinička..
352|Zita|italský|z toskánského nářečního slova zita - dívka, mladá žena; nesla je svatá Zita z Luccy, patronka služebných, i poslední rakouská císařovna Zita|Zituška, Zitka, Zitinka, Zitička..
353|Zlata|slovanský|slovanské jméno odvozené od slova zlato; znamená zlatá, drahocenná, vzácná jako zlato|Zlatka, Zlatuška, Zlatička, Zlatinka, Zlaťa..
354|Zora|slovanský|slovanské jméno od slova zora, zoře - jitřenka, ranní záře, svítání; znamená zářící jako úsvit|Zorka, Zorinka, Zoruška, Zorička..
355|Zuzana|hebrejský|z hebrejského šošana - lilie, leknín, tedy čistá jako lilie. Biblická Zuzana odolala svodům dvou starců a zachránil ji prorok Daniel|Zuzka, Zuzanka, Zuzička, Zuzinka, Zuza, Zuzu..
356|Žaneta|francouzský|počeštěná podoba francouzské zdrobněliny Jeannette od jména Jeanne, tedy Jana; jméno má hebrejský původ a znamená Bůh je milostivý|Žanetka, Žaňa, Žanka, Neta, Netka..
357|Žofie|řecký|česká podoba jména Sofie, z řeckého sofia - moudrost, tedy moudrá. Nesla je například Žofie Bavorská, druhá manželka Václava IV., jejímž zpovědníkem byl Jan Hus|Žofka, Žofinka, Žofička, Žofi, Žofča..
)obsah";
// clang-format on

} // namespace voranek
