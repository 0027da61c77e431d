// Czech weather proverbs, month by month.
#include "info/pranostiky.h"

namespace voranek {

const std::array<std::string_view, 12> NadpisyPranostik = {
    " Pranostiky na měsíc leden ",
    " Pranostiky na měsíc únor ",
    " Pranostiky na měsíc březen ",
    " Pranostiky na měsíc duben ",
    " Pranostiky na měsíc květen ",
    " Pranostiky na měsíc červen ",
    " Pranostiky na měsíc červenec ",
    " Pranostiky na měsíc srpen ",
    " Pranostiky na měsíc září ",
    " Pranostiky na měsíc říjen ",
    " Pranostiky na měsíc listopad ",
    " Pranostiky na měsíc prosinec ",
};

// One proverb per line, January first; an empty line ends each month. The text lies in a
// section of its own, so that none of it is read into memory before the info window asks.
// clang-format off
[[gnu::section(".voranek.obsah")]] const char TextPranostik[] = R"obsah(
V lednu za pec si sednu.
V lednu mráz - těší nás; v lednu voda - věčná škoda.
Ve dne jas, v noci mráz.
Na Nový rok o slepičí krok.
Jak na Nový rok, tak po celý rok.
Novoroční noc jasná a klidná, bude povětrnost pro úrodu vlídná.
Jsou-li červánky v novoroční den, přinesou jistě samou slotu jen.
Na Tři krále o krok dále.
Na Tři krále mrzne stále.
Tři králové mosty staví, nebo je boří.
Leden jasný - roček krásný.
Leden studený, duben zelený.
Je-li leden nejostřejší, bude roček nejplodnější.
Když není konec ledna studený, únor to dvakrát nahradí.
Když roste tráva v lednu, roste špatně v červnu.
V lednu málo vody - mnoho vína, mnoho vody - málo vína.
Mlhavý leden - mokré jaro.
Tancují-li v lednu komáři, ať se sedlák po píci ohlíží.
Mnoho sněhu v lednu, mnoho hřibů v srpnu.
V lednu silný led, v květnu bujný med.
Jak vysoko v lednu leží sníh, tak vysoko tráva poroste.
Když v lednu mnoho prší a málo sněží, z polí, luk i zahrad se málo těží.
V lednu-li často pršívá, na hřbitově záhonů přibývá.
Když v lednu deště lijí, to má sedlák po naději.
Když v lednu včely vyletují, to nedobrý rok ohlašují.
Je-li teplo v lednu, sahá bída ke dnu.
Teplý leden, k nouzi krok jen jeden.
Co leden sněhem popráší, to únor s vichrem odnáší.
Když v lednu hrom se ozve, hojnost vína je v očekávání.
V lednu sníh a bláto, v únoru tuhé mrazy za to.
Ryje-li krtek v lednu, končí zima v květnu.
Když je začátkem ledna krásně, budou na jaře bouřky časně.
Lepší vlka pod oknem vidět než v lednu pluh na poli.
Na svatého Knuta přichází zima krutá.
Na svatého Fabiána a Šebestiána stromům opět míza dána.
Na Vincence slunce plní vínem sudy.
Na svatého Marcela zima leze do těla.

Únor bílý - pole sílí.
Na Hromnice o hodinu více.
Na Hromnice musí skřivan vrznout, i kdyby měl zmrznout.
Svítí-li slunce na Hromnice, bude zimy o šest neděl více.
Na Hromnice zimy polovice.
Je-li v únoru sucho a zima, bude horký srpen.
Hromnice-li jasné, čisté, potrvá déle zima jistě; pakli sněží nebo hřmívá, jaro jistě v blízku dlívá.
Na Hromnice - chumelice, netrvá pak zima více.
Kdyby o Hromnicích napadlo jen tolik sněhu, co je na černé krávě znát, bude úrodný rok.
Na Hromnice půl krajíce, půl píce.
Na Hromnice kalužky, budou jabka i hrušky.
Na svatého Blažeje pije skřivan z koleje.
Svatá Agáta bývá na sníh bohatá.
Svatá Dorota stromy sněhem ometá.
Na svatého Valentina zamrzne i kolo mlýna.
Svatý Matěj ledy láme, nemá-li jich, nadělá je.
Když v únoru mráz ostro drží, to dlouho již nepodrží.
Kdyby měl únor tu moc jako leden, nechal by v krávě zmrznout tele.
Jestli únor honí mraky, staví březen sněhuláky.
V únoru sníh a led - v létě nanesou včely med.
V únoru prudký severníček - hojné úrody bývá poslíček.
Když únor vodu spustí, ledem ji březen zahustí.
Leží-li kočka v únoru na slunci, jistě v březnu poleze za kamna.
Únorová voda - pro pole škoda.
Mnoho mlh v únoru přivodí mokré léto.
Když větrové na konec února uhodí, moc obilí se na poli neurodí.
Netrkne-li únor rohem, šlehne ocasem.

Březen - za kamna vlezem, duben - ještě tam budem.
Suchý březen, chladný máj - bude humno jako ráj.
V březnu prach a v dubnu bláto - sedlákovi roste zlato.
Mnoho dešťů březnových - hubené léto.
Březen bez vody - duben bez trávy.
Bouřka v březnu klade na dobrý rok.
Březnový sníh škodí polím.
Březnové slunce má krátké ruce.
Zima, kterou březen nese, dlouho s námi ještě třese.
Lépe od hada býti uštknut, než v březnu od slunce ohřát.
Druhdy i v březnu hýl na nos se posadí.
V březnu vítr, v dubnu déšť - pak jistě úrodný rok jest.
Březen vlhký, rmutný - sedlák smutný.
Jak prší v březnu, tak také v červnu.
Kolik mlh v březnu k nebi stoupá, tolik bude ještě mrazů po Velikonocích.
V březnu prach - jistý hrách.
Jestliže březen kožich stáhl, duben rád by po něm sáhl.
Svatá Kunhuta - o chlup stoupne teplota.
Mrzne-li na den Čtyřiceti mučedníků, přijde ještě čtyřicet ranních mrazíků.
Na svatého Řehoře čáp letí od moře, žába hubu otevře a líný sedlák, který neoře.
Na svatého Řehoře den s nocí v jedné míře.
Svatá Felicita sníh z polí odmítá.
Josefova širočina ničí poslední ledy.
Je-li na svatého Josefa vítr, potrvá čtvrt roku.
Na svatého Bedřicha slunko teplem zadýchá.
Panny Marie zvěstování vlaštovičky zpět přihání.
Svítí-li slunce na den Zvěstování Panny Marie, bude úrodný rok.

Duben chladný a deštivý - úroda nás navštíví.
Je-li na svatého Jiří krásně, bude po něm jistě ošklivo.
Duben hojný vodou - říjen vínem.
Jaký duben - takový říjen.
Jak hluboko v dubnu namokne, tak hluboko v máji vyschne.
V dubnu hrom - nebojí se mrazu strom.
O déšť, který v dubnu rosí, nechť každý hospodář prosí.
Když duben laškuje, bývá mnoho sena a obilí.
Co duben našetří, to květen spálí.
V dubnu čas a panský kvas.
Když dubnový vítr do stodoly fučí, po žních díru nenajde.
Je-li v dubnu krásně a povětří čisté, bude květen nepříjemný jistě.
Suchý duben sedlák nemiluje, mokrý ale sobě pochvaluje.
Mokrý duben - hojnost ovoce.
Studený a mokrý duben plní sklepy a sudy.
Je-li v dubnu teplý déšť, hojné požehnání jest.
Ranní déšť a dubnový čas jest stejný.
Jasný měsíc v dubnu škodí květu stromů.
Sníh dubnový jako mrva pohnojí.
Prší-li na prvního dubna, bude mokrý květen.
Ať si duben sebelepší bývá, přec ovčákovi hůl zasněžívá.
Na desátý den v dubnu setý bývá krásný len.
Na svatého Izidora oráč i ptáče si radostí zaskáče.
Při svatém Vojtěchu dělává trn květem útěchu.
Když na Vojtěcha prší, nebude ovoce.
Na Tiburcia se má už všecko zelenat.
Na svatýho Lva papeže, travičky se už nařeže.
Na svatého Jiří vylézají hadi a štíři.
Jiří a Marek - mrazem nás zalek.
Jak dlouho žába před svatým Jiřím křičí, tak dlouho bude po něm mlčet.
Před Jiřím sucho, po něm mokro.
Je-li na svatého Jiří přímrazek, urodí se oves i pod křovím.
Co se před svatým Jiřím zazelená, to se po něm ztratí.
Ondřej mosty staví, Jiří je odplaví.
Kolik mrazů do svatého Jiří, tolik do svatého Václava.
Když před Jiřím rosa, to před Michalem mráz.
Jiří s teplem, Mikuláš s pící.
Kolik tepla před Markem, tolik zimy po něm.
Svatého Marka deštivo, sedm týdnů blátivo.

Studený máj - v stodole ráj.
V máji aby ani hůl pastýřova neoschla.
Májová kapka platí dukát.
Májová vlažička - naroste travička; májový deštíček - poroste chlebíček.
Na mokrý květen přichází suchý červen.
Mokrý máj - chleba hoj.
Když máj vláhy nedá, červen se předá.
Deštivý květen - žíznivý říjen.
Když se v máji blýská, sedlák si výská.
Večerní rosy v máji hodně sena dají.
Sníh v máji - hodně trávy.
V máji vlhko, chladno - bude vína na dno.
Májová voda vypije víno.
Není-li květen ani příliš studený, ani mokrý, naplňuje stodoly i sudy.
Roj, který se v máji rojí, za fůru sena stojí; v červnu rojení nestojí za zvonění.
Jsou-li májové hřiby červivé, bude suché léto.
V květnu-li hrom se ozývá, v červnu zřídka mrholívá.
Prší-li na svatého Filipa a Jakuba v noci, bude úrodný rok.
Svatý Florián si ještě může nasadit sněhový klobouk.
Pankrác, Servác, Bonifác - ledoví muži spalují mrazem ovoce i růži.
Pankrác, Servác, Bonifác pro sadaře jsou zlí chlapci.
Před Servácem není léta, po Serváci s mrazy veta.
Svatý Kříž - ovcí stříž.
Svatá Žofie políčka často zalije.
Filipa Jakuba mráz - to obilí plný klas.
Déšť svaté Žofie švestky ubije.
Pankrác a Urban bez deště - hojnost vína.
Déšť na svatého Mamerta přináší soužení, neboť v něm nic dobrého není.
Na Jakuba a Filipa zelená se každá lípa.
Svatý Jan z Nepomuku natahuje k létu ruku.

Chladný květen, červen vlažný - je pro sýpky, sudy blažný.
Červen studený - sedlák krčí rameny.
Když v červnu severní větry vějí, tu se bouřky opozdějí.
Netřeba v červnu o déšť prositi, přijde, jak začne kositi.
Jestli červen mokrý bývá, obilí pak málo rodívá.
Pláče-li červen a neoschne žitko, v zajících, koroptvích budem mít řídko.
V červnu deštivo a chladno způsobí rok neúrodný snadno.
Červen mokrý a studený - bývají žně vždy skaženy.
Často-li se v červnu hrom ozývá, kalné léto potom přicházívá.
Hřímá-li v červnu, zvede se obilí.
Červnové večerní hřmění - ryb a raků nadělení.
Červen-li více sucho než mokro bývá, urodí se hojnost dobrého vína.
Co v červnu nedá do klasu, červenec nažene v času.
Jak červen teplem září, takový bude i měsíc září.
Jaký červen, takový i prosinec.
Je-li červen mírný, nebude v prosinci mráz silný.
Červen stálý - prosinec dokonalý.
Jaká parna se v červnu dostaví, tak se i prosincové mraky postaví.

Červenec žne žita, višně k tomu vítá.
Jaký červenec, takový leden.
Červenec - úrody blíženec.
V červenci déšť a slunečná pohoda, hojná bude v příštím roce úroda.
Prší-li na Marie navštívení, čtyřicet dní konce není.
Déšť na Prokopa - zmokne každá kopa.
Jaká povětrnost na Sedm bratří, taková po sedm týdnů patří.
Svatá Markyta hodila srp do žita.
Na Markétu když prší, ořechy ze stromu srší.
Na Máří Magdalénu očekávej jistý déšť.
Jak je teplý svatý Jakub, tak studené jsou Vánoce.
Kolik mračen na Jakuba, tolik v zimě sněhu.
Svatá Anna - chladna z rána.

Srpen k zemi hledí a rád vodu cedí.
Když srpen z počátku hřeje, ledový vítr v zimě dlouho věje.
Hřímá-li v srpnu, lze čekat osmého dne opět bouřku.
Když v srpnu moc hřímá, bude na sníh bohatá zima.
Když pálí srpen, bude pálit i víno.
I když v srpnu ze strnišť občas fučí, horko nás přece jen mučí.
Když nás srpen deštěm nepokropí, ten už potom škody nenatropí.
Srpnový déšť - jako ženský pláč.
Když v srpnu naprší, tak než se oběd pojí, všecko slunce vysuší.
Vesele bude svištěti kosa, je-li v srpnu hojná rosa.
Když jsou v srpnu velké rosy, zůstane obyčejně pěkné počasí.
Když fouká v srpnu severák, bude dlouho pěkně pak.
Jsou-li v srpnu hory kalný, budou v zimě mrazy valný.
Srpen klasy klidí a ovoce dospělé vidí.
Parno na Dominika zvěstuje tuhou zimu.
Vavřinec ukazuje, jaký podzim nastupuje.
Na svatého Vavřince hop zemáky do hrnce.
Na svatého Vavřince slunečnost, vína hojnost.
Svatý Vavřinec - první podzimec.
Svatý Kajetán je tady, odveze mandelů řady.
Ke svatému Rochu bývá hojnost hrachu.
Slunce-li o Nanebevzetí Panny Marie svítí, lze hojnost vína se nadíti.
O Nanebevzetí jasno před východem slunce, nastane požehnaný podzimek.
Bouří-li na svatého Bartoloměje, bouří po něm ještě více.
Od svatého Bartoloměje slunce již tolik nehřeje.
Bartoloměj svatý odpoledne krátí.
Přinese-li déšť svatá Helena, bývá otava dlouho zelená.
Svatý Augustin udělá z tepla stín.
Má-li Filip hromy v průvodu, značí to brzký déšť a úrodu.
Na svatého Jana Stětí - čápi do teplic letí.

Září víno vaří a co nedovaří, říjen dopeče.
Čeho červenec a srpen nedovaří, toho září neusmaží.
Teplé září - dobře se ovoci i vínu daří.
Po teplém září zle se říjen tváří.
Zářijová slota - hrstka deště, fůra bláta.
Touží-li září po rose, bude v říjnu bláta po ose.
Jaké počasí v září, tak se i březnu vydaří.
Bouřka v září - sníh v prosinci.
Jiljí jasný - podzim krásný.
Jaké počasí o Jiljím panuje, takové celý měsíc se ukazuje.
Panny Marie narození - vlaštoviček rozloučení.
Neprší-li o Marie narození, bude suchý podzim.
Po svatém Kříži podzim se blíží.
Svatá Ludmila deštěm obmyla.
Pohoda o svatém Matouši čtyři týdny se neruší.
Po svatém Matouši čepici na uši.
Na svatého Cypriána chladno bývá často z rána.
Přijde Václav - kamna připrav.
Svatý Václav víno chrání, po něm bude vinobraní.
Na svatého Václava bývá bláta záplava.
Je-li bouřka na Václava, dlouho teplo zvěstovává.
Svatý Václav v slunci září, sklizeň řípy se vydaří.
Na svatého Václava každá pláňka dozrává.
Mokro o Michalu, studeno o Štědrém dnu.
Na svatého Jeronýma stěhuje se k nám už zima.

Teplý říjen - studený listopad.
Studený říjen - zelený leden.
Mrazy v říjnu - hezky v lednu.
Co v říjnu zimy přibude, v lednu jí opět ubude.
Je-li říjen velmi zelený, bude zato leden hodně studený.
Říjen a březen rovné jsou ve všem.
Říjen hojných větrů, dešťů mívá, někdy přece vesele se dívá.
Mlhy v říjnu - sněhy v zimě.
Spadne-li v říjnu listí, bude mokrá zima.
Když dlouho listí nespadne, tuhá zima se přikrade.
V říjnu hodně žaludů a bukvic oznamuje zimy víc.
Čím déle vlaštovky u nás v říjnu prodlévají, tím déle pěkné a jasné dny potrvají.
Když křížový pavouk se v říjnu ukrývá a nevylézá, není daleko do sněhu.
Čistý nový Měsíc v říjnu slibuje pěknou vinnou žeň.
Říjnové nebe plné hvězd má rádo teplá kamna.
Je-li v říjnu mnoho vos a sršánů, přijde studená a dlouhá zima.
Bouřka v říjnu třebas malá, sotva na to zima stálá.
Kolik dní v říjnu uplyne do prvého deště, po tolik dnů bude i v zimě pršeti.
V říjnu mnoho dešťů, v prosinci mnoho větrů.
Sněží-li brzy v říjnu, bude měkká zima.
Vějou-li v říjnu severní větry, nezdaří se obilí.
Fouká-li vítr na svatého Remigia od východu, bude teplý podzimek.
Svatý František zahání lidi do chýšek.
Na svatého Placida zima teplo vystřídá.
O svaté Brigitě bývá mlha na úsvitě.
Po svaté Tereze mráz po střechách leze.
Svatá Terezie z rosičky nadělává perličky.
Suchý Havel oznamuje suché léto.
Jaký den svatý Havel ukazuje, taková zima se objevuje.
Déšť na Havla, déšť na Vánoce.
Na svatého Havla má být všechno ovoce v komoře.
Svatý Havel - hrozen shozen, svatý Judy - válí sudy.
Svatá Hedvika pole zamyká a medu do řepy naleje.
Svatá Voršila a Kordula - větry pohnula.
Na svatého Šimona přikluše k nám zima tiše.
Šimona a Judy - zima leze z půdy.

Nepřijde-li sníh na Vše svaté v noci, přijde o svatém Martině se vší mocí.
Jíní o Všech svatých věští tuhé mrazy o Vánocích.
Jak na Vše svaté, tak měsíc po nich.
Když na Dušičky jasné počasí panuje, příchod zimy to oznamuje.
Svatý Teodor - mrazy lezou z hor.
Svatý Martin přijíždí na bílém koni.
Na svatého Martina kouřívá se z komína.
O Martině po ledu - o Vánocích po blátě.
Na svatého Otmara neuvidíš komára.
Svatá Alžběta se sněhem přilétá.
Jaký den na Obětování Panny Marie, taková pak zima je.
Svatá Cecílie sněhem pole kryje.
Na svatou Kateřinu schováme se pod peřinu.
Kateřina má pěkné jméno, ale studené věno.
Když ještě v listopadu hřmívá, úrodný rok na to bývá.
Když krtek v listopadu ryje, budou na Vánoce létat komáři.
Jaký listopad, takový březen.

Prosinec naleje a leden zavěje.
Prosinec, když je mu zima, halí se v bílý kožich.
Studený prosinec - brzké jaro.
Když v prosinci hrom ještě hučí, rok příští stále vítr fučí.
Není-li prosinec studený, bude příští rok hubený.
Když v prosinci mrzne a sněží, úrodný rok na to běží.
Mléčná dráha v prosinci jasná, bude v příštím roce úroda krásná.
Prosinec proměnlivý a vlahý, nedělá nám zima těžké hlavy.
Mrazy, které v prosinci brzy ochabnou, znamenají zimu mírnou.
Když mráz na prvního prosince, vyschne nejedna studnice.
O svatém Františku Xaveru ledový vítr fičí od severu.
Na svatou Barboru saně do dvoru.
O svaté Barboře ležívá sníh na dvoře.
Po svaté Baruši střez nosu i uší!
Na svatého Mikuláše je už zima celá naše.
O svatém Mikuláši často snížek práší.
Lucie noci upije, ale dne nepřidá.
Na Adama a Evu čekejte oblevu.
Jasná noc o Štědrém dnu, mrazy lezou ke dnu.
Na Štědrý večer hvězdičky - ponesou vajíčka slepičky.
Je-li na Štědrý den vítr, bude úroda malá.
Zelené Vánoce - bílé Velikonoce.
Lepší Vánoce třeskuté než tekuté.
Když na Štěpána silný vítr bouří, vinař smutně oči mhouří.
O Silvestru papeži snížek si již poleží.
)obsah";
// clang-format on

} // namespace voranek
