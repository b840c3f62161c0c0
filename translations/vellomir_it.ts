<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommandLine</name>
    <message>
        <source>vellomir: %1
Try &apos;vellomir --help&apos;.
</source>
        <translation>vellomir: %1
Provare &apos;vellomir --help&apos;.
</translation>
    </message>
    <message>
        <source>A collection of %1 patience card games.</source>
        <translation>Una raccolta di %1 solitari di carte.</translation>
    </message>
    <message>
        <source>Deal the game of number &lt;number&gt; (as vellomir-cli games lists them) at the start.</source>
        <translation>All&apos;avvio distribuisce il gioco numero &lt;numero&gt; (come li elenca vellomir-cli games).</translation>
    </message>
    <message>
        <source>number</source>
        <translation>numero</translation>
    </message>
    <message>
        <source>Deal the deal of number &lt;number&gt; (1 to 13 digits) at the start.</source>
        <translation>All&apos;avvio distribuisce la smazzata numero &lt;numero&gt; (da 1 a 13 cifre).</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>bad game number &apos;%1&apos;</source>
        <translation>numero di gioco non valido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>bad deal number &apos;%1&apos;: a deal number is 1 to %2 digits</source>
        <translation>numero di smazzata non valido &apos;%1&apos;: un numero di smazzata ha da 1 a %2 cifre</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message>
        <source>Games</source>
        <translation>Giochi</translation>
    </message>
    <message>
        <source>Pages of settings</source>
        <translation>Pagine delle impostazioni</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Error suit - 1</source>
        <translation>Errore seme - 1</translation>
    </message>
    <message>
        <source>%1 win</source>
        <translation>%1 vittoria</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 vittorie</translation>
    </message>
    <message>
        <source>%1 loss</source>
        <translation>%1 sconfitta</translation>
    </message>
    <message>
        <source>%1 losses</source>
        <translation>%1 sconfitte</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Giocate</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perse</translation>
    </message>
    <message>
        <source>Won share</source>
        <translation>Percentuale vinte</translation>
    </message>
    <message>
        <source>Current streak</source>
        <translation>Serie attuale</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Serie di vittorie più lunga</translation>
    </message>
    <message>
        <source>Longest losing streak</source>
        <translation>Serie di sconfitte più lunga</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Tempo migliore</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Meno mosse</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Punteggio migliore</translation>
    </message>
    <message>
        <source>Every place of the line holds a pile: move a pile before dealing the next card.</source>
        <translation>Ogni posto della fila contiene una pila: spostare una pila prima di distribuire la carta successiva.</translation>
    </message>
    <message>
        <source>Fill in any gaps in the tableau before dealing.</source>
        <translation>Riempire i vuoti del tableau prima di distribuire.</translation>
    </message>
    <message>
        <source>Quit this game?</source>
        <translation>Abbandonare questa partita?</translation>
    </message>
    <message>
        <source>Error 01 - fnGameNumberCardsArray</source>
        <translation>Errore 01 - fnGameNumberCardsArray</translation>
    </message>
    <message>
        <source>At this time your video driver supports 256 colors or less. This program takes advantage of the 16 bit (65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. <byte value="xd"/>If your video driver allows High or True color mode settings (16 bit or 24 bit), modify your screen resolution using the Display Properties Settings in the Control Panel.</source>
        <translation>Al momento il driver video supporta 256 colori o meno. Questo programma sfrutta le tavolozze a 16 bit (65.536 colori) o a 24 bit (16,8 milioni di colori) o risoluzioni superiori. <byte value="xd"/>Se il driver video consente le modalità High Color o True Color (16 o 24 bit), modificare la risoluzione dello schermo nelle impostazioni dello schermo del Pannello di controllo.</translation>
    </message>
    <message>
        <source>The folder %1 holds your preferences and statistics but cannot be written, so this run keeps its files in %2 instead: what is in %1 is not used. Make that folder writable to go on with it.</source>
        <translation>La cartella %1 contiene le preferenze e le statistiche ma non si può scrivere, quindi questa esecuzione tiene i suoi file in %2: il contenuto di %1 non viene usato. Rendere scrivibile quella cartella per continuare a usarla.</translation>
    </message>
</context>
<context>
    <name>GameNames</name>
    <message>
        <source>Klondike</source>
        <translation>Klondike</translation>
    </message>
    <message>
        <source>Klondike (draw three)</source>
        <translation>Klondike (tre carte)</translation>
    </message>
    <message>
        <source>Thoughtful</source>
        <translation>Pensieroso</translation>
    </message>
    <message>
        <source>Whitehead</source>
        <translation>Whitehead</translation>
    </message>
    <message>
        <source>Thumb and Pouch</source>
        <translation>Pollice e borsa</translation>
    </message>
    <message>
        <source>Westcliff</source>
        <translation>Westcliff</translation>
    </message>
    <message>
        <source>Easthaven</source>
        <translation>Easthaven</translation>
    </message>
    <message>
        <source>Double Klondike</source>
        <translation>Klondike doppio</translation>
    </message>
    <message>
        <source>Gargantua</source>
        <translation>Gargantua</translation>
    </message>
    <message>
        <source>FreeCell</source>
        <translation>FreeCell</translation>
    </message>
    <message>
        <source>Baker&apos;s Game</source>
        <translation>Gioco del fornaio</translation>
    </message>
    <message>
        <source>Eight Off</source>
        <translation>Otto fuori</translation>
    </message>
    <message>
        <source>Seahaven Towers</source>
        <translation>Torri di Seahaven</translation>
    </message>
    <message>
        <source>Castles in Spain</source>
        <translation>Castelli in Spagna</translation>
    </message>
    <message>
        <source>Portuguese Solitaire</source>
        <translation>Solitario portoghese</translation>
    </message>
    <message>
        <source>Martha</source>
        <translation>Marta</translation>
    </message>
    <message>
        <source>Beleaguered Castle</source>
        <translation>Castello assediato</translation>
    </message>
    <message>
        <source>Streets and Alleys</source>
        <translation>Strade e vicoli</translation>
    </message>
    <message>
        <source>Citadel</source>
        <translation>Cittadella</translation>
    </message>
    <message>
        <source>Fortress</source>
        <translation>Fortezza</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventaglio</translation>
    </message>
    <message>
        <source>Scotch Patience</source>
        <translation>Solitario scozzese</translation>
    </message>
    <message>
        <source>Shamrocks</source>
        <translation>Trifogli</translation>
    </message>
    <message>
        <source>Canfield</source>
        <translation>Canfield</translation>
    </message>
    <message>
        <source>Storehouse</source>
        <translation>Magazzino</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arcobaleno</translation>
    </message>
    <message>
        <source>Forty Thieves</source>
        <translation>Quaranta ladroni</translation>
    </message>
    <message>
        <source>Number Ten</source>
        <translation>Numero dieci</translation>
    </message>
    <message>
        <source>Lucas</source>
        <translation>Lucas</translation>
    </message>
    <message>
        <source>Maria</source>
        <translation>Maria</translation>
    </message>
    <message>
        <source>Limited</source>
        <translation>Limitato</translation>
    </message>
    <message>
        <source>Indian</source>
        <translation>Indiano</translation>
    </message>
    <message>
        <source>Yukon</source>
        <translation>Yukon</translation>
    </message>
    <message>
        <source>Russian Solitaire</source>
        <translation>Solitario russo</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Alaska</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Piramide</translation>
    </message>
    <message>
        <source>Monte Carlo</source>
        <translation>Monte Carlo</translation>
    </message>
    <message>
        <source>Royal Marriage</source>
        <translation>Matrimonio reale</translation>
    </message>
    <message>
        <source>Fourteen Out</source>
        <translation>Quattordici fuori</translation>
    </message>
    <message>
        <source>Elevens</source>
        <translation>Undici</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Dieci</translation>
    </message>
    <message>
        <source>Fifteens</source>
        <translation>Quindici</translation>
    </message>
    <message>
        <source>Eighteens</source>
        <translation>Diciotto</translation>
    </message>
    <message>
        <source>Golf</source>
        <translation>Golf</translation>
    </message>
    <message>
        <source>Black Hole</source>
        <translation>Buco nero</translation>
    </message>
    <message>
        <source>Aces Up</source>
        <translation>Assi in alto</translation>
    </message>
    <message>
        <source>Hit or Miss</source>
        <translation>Colpito o mancato</translation>
    </message>
    <message>
        <source>Sir Tommy</source>
        <translation>Sir Tommy</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Ninety-One</source>
        <translation>Novantuno</translation>
    </message>
    <message>
        <source>Klondike (draw three, three passes)</source>
        <translation>Klondike (tre carte, tre giri)</translation>
    </message>
    <message>
        <source>Vegas Klondike</source>
        <translation>Klondike Las Vegas</translation>
    </message>
    <message>
        <source>Pyramid (one pass)</source>
        <translation>Piramide (un giro)</translation>
    </message>
    <message>
        <source>Pyramid (unlimited passes)</source>
        <translation>Piramide (giri illimitati)</translation>
    </message>
    <message>
        <source>Forty and Eight</source>
        <translation>Quaranta e otto</translation>
    </message>
    <message>
        <source>Josephine</source>
        <translation>Giuseppina</translation>
    </message>
    <message>
        <source>Streets</source>
        <translation>Strade</translation>
    </message>
    <message>
        <source>Napoleon&apos;s Exile</source>
        <translation>Esilio di Napoleone</translation>
    </message>
    <message>
        <source>Busy Aces</source>
        <translation>Assi indaffarati</translation>
    </message>
    <message>
        <source>Famous Fifty</source>
        <translation>Famosi cinquanta</translation>
    </message>
    <message>
        <source>Emperor</source>
        <translation>Imperatore</translation>
    </message>
    <message>
        <source>Rank and File</source>
        <translation>Righe e file</translation>
    </message>
    <message>
        <source>Diplomat</source>
        <translation>Diplomatico</translation>
    </message>
    <message>
        <source>Relaxed FreeCell</source>
        <translation>FreeCell rilassato</translation>
    </message>
    <message>
        <source>Seven by Four</source>
        <translation>Sette per quattro</translation>
    </message>
    <message>
        <source>Seven by Five</source>
        <translation>Sette per cinque</translation>
    </message>
    <message>
        <source>King Albert</source>
        <translation>Re Alberto</translation>
    </message>
    <message>
        <source>Superior Canfield</source>
        <translation>Canfield superiore</translation>
    </message>
    <message>
        <source>Rainfall</source>
        <translation>Pioggia</translation>
    </message>
    <message>
        <source>Chameleon</source>
        <translation>Camaleonte</translation>
    </message>
    <message>
        <source>Moosehide</source>
        <translation>Pelle d&apos;alce</translation>
    </message>
    <message>
        <source>Gypsy</source>
        <translation>Zingaro</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Ragno</translation>
    </message>
    <message>
        <source>Spiderette</source>
        <translation>Ragnetto</translation>
    </message>
    <message>
        <source>Scorpion</source>
        <translation>Scorpione</translation>
    </message>
    <message>
        <source>Simple Simon</source>
        <translation>Simon il semplice</translation>
    </message>
    <message>
        <source>Baker&apos;s Dozen</source>
        <translation>Dozzina del fornaio</translation>
    </message>
    <message>
        <source>Spanish Patience</source>
        <translation>Solitario spagnolo</translation>
    </message>
    <message>
        <source>Odessa</source>
        <translation>Odessa</translation>
    </message>
    <message>
        <source>Roslin</source>
        <translation>Roslin</translation>
    </message>
    <message>
        <source>Double Yukon</source>
        <translation>Yukon doppio</translation>
    </message>
    <message>
        <source>Double Russian Solitaire</source>
        <translation>Solitario russo doppio</translation>
    </message>
    <message>
        <source>Trigon</source>
        <translation>Trigono</translation>
    </message>
    <message>
        <source>Eastcliff</source>
        <translation>Eastcliff</translation>
    </message>
    <message>
        <source>Westhaven</source>
        <translation>Westhaven</translation>
    </message>
    <message>
        <source>Pas Seul</source>
        <translation>Pas seul</translation>
    </message>
    <message>
        <source>Put-Them-In-Order (3x3 square)</source>
        <translation>Metti in ordine (quadrato 3x3)</translation>
    </message>
    <message>
        <source>Put-Them-In-Order (4x4 square)</source>
        <translation>Metti in ordine (quadrato 4x4)</translation>
    </message>
    <message>
        <source>Put-Them-In-Order (5x5 square)</source>
        <translation>Metti in ordine (quadrato 5x5)</translation>
    </message>
    <message>
        <source>Blind Alleys</source>
        <translation>Vicoli ciechi</translation>
    </message>
    <message>
        <source>Chinaman</source>
        <translation>Chinaman</translation>
    </message>
    <message>
        <source>Smokey</source>
        <translation>Fumoso</translation>
    </message>
    <message>
        <source>Somerset</source>
        <translation>Somerset</translation>
    </message>
    <message>
        <source>Morehead</source>
        <translation>Morehead</translation>
    </message>
    <message>
        <source>American Canister</source>
        <translation>Barattolo americano</translation>
    </message>
    <message>
        <source>Canister</source>
        <translation>Barattolo</translation>
    </message>
    <message>
        <source>British Canister</source>
        <translation>Barattolo britannico</translation>
    </message>
    <message>
        <source>Athena</source>
        <translation>Atena</translation>
    </message>
    <message>
        <source>Will o&apos; the Wisp</source>
        <translation>Fuoco fatuo</translation>
    </message>
    <message>
        <source>Wasp</source>
        <translation>Vespa</translation>
    </message>
    <message>
        <source>Stronghold</source>
        <translation>Roccaforte</translation>
    </message>
    <message>
        <source>Fastness</source>
        <translation>Rocca</translation>
    </message>
    <message>
        <source>Osmosis</source>
        <translation>Osmosi</translation>
    </message>
    <message>
        <source>Peek</source>
        <translation>Sbirciata</translation>
    </message>
    <message>
        <source>La Belle Lucie</source>
        <translation>La bella Lucia</translation>
    </message>
    <message>
        <source>Trefoil</source>
        <translation>Trifoglio</translation>
    </message>
    <message>
        <source>Cruel</source>
        <translation>Crudele</translation>
    </message>
    <message>
        <source>TriPeaks</source>
        <translation>Tre picchi</translation>
    </message>
    <message>
        <source>Spider (one suit)</source>
        <translation>Ragno (un seme)</translation>
    </message>
    <message>
        <source>Spider (two suits)</source>
        <translation>Ragno (due semi)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>Terrace</source>
        <translation>Terrazza</translation>
    </message>
    <message>
        <source>Montana</source>
        <translation>Montana</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Fisarmonica</translation>
    </message>
    <message>
        <source>Carpet</source>
        <translation>Tappeto</translation>
    </message>
    <message>
        <source>Bisley</source>
        <translation>Bisley</translation>
    </message>
    <message>
        <source>Algerian Patience</source>
        <translation>Solitario algerino</translation>
    </message>
    <message>
        <source>Bristol</source>
        <translation>Bristol</translation>
    </message>
    <message>
        <source>Four Seasons</source>
        <translation>Quattro stagioni</translation>
    </message>
    <message>
        <source>Saratoga</source>
        <translation>Saratoga</translation>
    </message>
    <message>
        <source>Gold Mine</source>
        <translation>Miniera d&apos;oro</translation>
    </message>
    <message>
        <source>Aunt Mary</source>
        <translation>Aunt Mary</translation>
    </message>
    <message>
        <source>Agnes Sorel</source>
        <translation>Agnes Sorel</translation>
    </message>
    <message>
        <source>Chessboard</source>
        <translation>Scacchiera</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Ali Baba</source>
        <translation>Alì Babà</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Luna calante</translation>
    </message>
    <message>
        <source>Corona</source>
        <translation>Corona</translation>
    </message>
    <message>
        <source>Quadrangle</source>
        <translation>Quadrangolo</translation>
    </message>
    <message>
        <source>Triple Line</source>
        <translation>Tripla linea</translation>
    </message>
    <message>
        <source>Midshipman</source>
        <translation>Guardiamarina</translation>
    </message>
    <message>
        <source>Little Forty</source>
        <translation>Piccoli quaranta</translation>
    </message>
    <message>
        <source>Lucky Thirteen</source>
        <translation>Tredici fortunato</translation>
    </message>
    <message>
        <source>Lucky Piles</source>
        <translation>Mucchi fortunati</translation>
    </message>
    <message>
        <source>Queen Victoria</source>
        <translation>Regina Vittoria</translation>
    </message>
    <message>
        <source>Relaxed Spider</source>
        <translation>Ragno rilassato</translation>
    </message>
    <message>
        <source>Raw Prawn</source>
        <translation>Raw Prawn</translation>
    </message>
    <message>
        <source>Australian Patience</source>
        <translation>Solitario australiano</translation>
    </message>
    <message>
        <source>Ten Across</source>
        <translation>Ten Across</translation>
    </message>
    <message>
        <source>Relaxed Golf</source>
        <translation>Golf rilassato</translation>
    </message>
    <message>
        <source>Big Forty</source>
        <translation>Grandi quaranta</translation>
    </message>
    <message>
        <source>American Toad</source>
        <translation>Rospo americano</translation>
    </message>
    <message>
        <source>San Juan Hill</source>
        <translation>San Juan Hill</translation>
    </message>
    <message>
        <source>Deuces</source>
        <translation>Deuces</translation>
    </message>
    <message>
        <source>Napoleon&apos;s Square</source>
        <translation>Quadrato di Napoleone</translation>
    </message>
    <message>
        <source>Chinese Discipline</source>
        <translation>Disciplina cinese</translation>
    </message>
    <message>
        <source>Auld Lang Syne</source>
        <translation>Auld Lang Syne</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Strategia</translation>
    </message>
    <message>
        <source>Eagle Wing</source>
        <translation>Ala d&apos;aquila</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pinguino</translation>
    </message>
    <message>
        <source>Grandfather&apos;s Clock</source>
        <translation>Orologio del nonno</translation>
    </message>
    <message>
        <source>Nestor</source>
        <translation>Nestore</translation>
    </message>
    <message>
        <source>Free Fan</source>
        <translation>Ventaglio libero</translation>
    </message>
    <message>
        <source>Box Fan</source>
        <translation>Ventaglio a scatola</translation>
    </message>
    <message>
        <source>Penelope&apos;s Web</source>
        <translation>La tela di Penelope</translation>
    </message>
    <message>
        <source>Three Blind Mice</source>
        <translation>Tre topolini ciechi</translation>
    </message>
    <message>
        <source>Agnes Bernauer</source>
        <translation>Agnes Bernauer</translation>
    </message>
    <message>
        <source>Bear River</source>
        <translation>Bear River</translation>
    </message>
    <message>
        <source>Exiled Kings</source>
        <translation>Re in esilio</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Rana</translation>
    </message>
    <message>
        <source>Mount Olympus</source>
        <translation>Monte Olimpo</translation>
    </message>
    <message>
        <source>Grounds for a Divorce</source>
        <translation>Motivo di divorzio</translation>
    </message>
    <message>
        <source>Flower Garden</source>
        <translation>Giardino fiorito</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Three Shuffles and a Draw</source>
        <translation>Tre mescolate e una pescata</translation>
    </message>
    <message>
        <source>Miss Milligan</source>
        <translation>Miss Milligan</translation>
    </message>
    <message>
        <source>Braid</source>
        <translation>Treccia</translation>
    </message>
    <message>
        <source>Poker Square</source>
        <translation>Quadrato di poker</translation>
    </message>
    <message>
        <source>Picture Gallery</source>
        <translation>Galleria di quadri</translation>
    </message>
    <message>
        <source>Mod 3</source>
        <translation>Mod 3</translation>
    </message>
    <message>
        <source>Alhambra</source>
        <translation>Alhambra</translation>
    </message>
</context>
<context>
    <name>PileTexts</name>
    <message>
        <source>no</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>one</source>
        <translation>una</translation>
    </message>
    <message>
        <source>two</source>
        <translation>due</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sette</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>otto</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dieci</translation>
    </message>
    <message>
        <source>eleven</source>
        <translation>undici</translation>
    </message>
    <message>
        <source>twelve</source>
        <translation>dodici</translation>
    </message>
    <message>
        <source>thirteen</source>
        <translation>tredici</translation>
    </message>
    <message>
        <source>fourteen</source>
        <translation>quattordici</translation>
    </message>
    <message>
        <source>fifteen</source>
        <translation>quindici</translation>
    </message>
    <message>
        <source>sixteen</source>
        <translation>sedici</translation>
    </message>
    <message>
        <source>seventeen</source>
        <translation>diciassette</translation>
    </message>
    <message>
        <source>eighteen</source>
        <translation>diciotto</translation>
    </message>
    <message>
        <source>nineteen</source>
        <translation>diciannove</translation>
    </message>
    <message>
        <source>twenty</source>
        <translation>venti</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>jolly</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>spazio vuoto</translation>
    </message>
    <message>
        <source>ace of hearts</source>
        <translation>asso di cuori</translation>
    </message>
    <message>
        <source>two of hearts</source>
        <translation>due di cuori</translation>
    </message>
    <message>
        <source>three of hearts</source>
        <translation>tre di cuori</translation>
    </message>
    <message>
        <source>four of hearts</source>
        <translation>quattro di cuori</translation>
    </message>
    <message>
        <source>five of hearts</source>
        <translation>cinque di cuori</translation>
    </message>
    <message>
        <source>six of hearts</source>
        <translation>sei di cuori</translation>
    </message>
    <message>
        <source>seven of hearts</source>
        <translation>sette di cuori</translation>
    </message>
    <message>
        <source>eight of hearts</source>
        <translation>otto di cuori</translation>
    </message>
    <message>
        <source>nine of hearts</source>
        <translation>nove di cuori</translation>
    </message>
    <message>
        <source>ten of hearts</source>
        <translation>dieci di cuori</translation>
    </message>
    <message>
        <source>jack of hearts</source>
        <translation>fante di cuori</translation>
    </message>
    <message>
        <source>queen of hearts</source>
        <translation>donna di cuori</translation>
    </message>
    <message>
        <source>king of hearts</source>
        <translation>re di cuori</translation>
    </message>
    <message>
        <source>ace of diamonds</source>
        <translation>asso di quadri</translation>
    </message>
    <message>
        <source>two of diamonds</source>
        <translation>due di quadri</translation>
    </message>
    <message>
        <source>three of diamonds</source>
        <translation>tre di quadri</translation>
    </message>
    <message>
        <source>four of diamonds</source>
        <translation>quattro di quadri</translation>
    </message>
    <message>
        <source>five of diamonds</source>
        <translation>cinque di quadri</translation>
    </message>
    <message>
        <source>six of diamonds</source>
        <translation>sei di quadri</translation>
    </message>
    <message>
        <source>seven of diamonds</source>
        <translation>sette di quadri</translation>
    </message>
    <message>
        <source>eight of diamonds</source>
        <translation>otto di quadri</translation>
    </message>
    <message>
        <source>nine of diamonds</source>
        <translation>nove di quadri</translation>
    </message>
    <message>
        <source>ten of diamonds</source>
        <translation>dieci di quadri</translation>
    </message>
    <message>
        <source>jack of diamonds</source>
        <translation>fante di quadri</translation>
    </message>
    <message>
        <source>queen of diamonds</source>
        <translation>donna di quadri</translation>
    </message>
    <message>
        <source>king of diamonds</source>
        <translation>re di quadri</translation>
    </message>
    <message>
        <source>ace of clubs</source>
        <translation>asso di fiori</translation>
    </message>
    <message>
        <source>two of clubs</source>
        <translation>due di fiori</translation>
    </message>
    <message>
        <source>three of clubs</source>
        <translation>tre di fiori</translation>
    </message>
    <message>
        <source>four of clubs</source>
        <translation>quattro di fiori</translation>
    </message>
    <message>
        <source>five of clubs</source>
        <translation>cinque di fiori</translation>
    </message>
    <message>
        <source>six of clubs</source>
        <translation>sei di fiori</translation>
    </message>
    <message>
        <source>seven of clubs</source>
        <translation>sette di fiori</translation>
    </message>
    <message>
        <source>eight of clubs</source>
        <translation>otto di fiori</translation>
    </message>
    <message>
        <source>nine of clubs</source>
        <translation>nove di fiori</translation>
    </message>
    <message>
        <source>ten of clubs</source>
        <translation>dieci di fiori</translation>
    </message>
    <message>
        <source>jack of clubs</source>
        <translation>fante di fiori</translation>
    </message>
    <message>
        <source>queen of clubs</source>
        <translation>donna di fiori</translation>
    </message>
    <message>
        <source>king of clubs</source>
        <translation>re di fiori</translation>
    </message>
    <message>
        <source>ace of spades</source>
        <translation>asso di picche</translation>
    </message>
    <message>
        <source>two of spades</source>
        <translation>due di picche</translation>
    </message>
    <message>
        <source>three of spades</source>
        <translation>tre di picche</translation>
    </message>
    <message>
        <source>four of spades</source>
        <translation>quattro di picche</translation>
    </message>
    <message>
        <source>five of spades</source>
        <translation>cinque di picche</translation>
    </message>
    <message>
        <source>six of spades</source>
        <translation>sei di picche</translation>
    </message>
    <message>
        <source>seven of spades</source>
        <translation>sette di picche</translation>
    </message>
    <message>
        <source>eight of spades</source>
        <translation>otto di picche</translation>
    </message>
    <message>
        <source>nine of spades</source>
        <translation>nove di picche</translation>
    </message>
    <message>
        <source>ten of spades</source>
        <translation>dieci di picche</translation>
    </message>
    <message>
        <source>jack of spades</source>
        <translation>fante di picche</translation>
    </message>
    <message>
        <source>queen of spades</source>
        <translation>donna di picche</translation>
    </message>
    <message>
        <source>king of spades</source>
        <translation>re di picche</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Tallone</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Scarti</translation>
    </message>
    <message>
        <source>Discard pile</source>
        <translation>Pila degli scarti</translation>
    </message>
    <message>
        <source>Foundation %1</source>
        <translation>Base %1</translation>
    </message>
    <message>
        <source>Tableau %1</source>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>Reserve %1</source>
        <translation>Riserva %1</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1: vuota</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>carta coperta</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2 cards</source>
        <translation>%1: %2 carte</translation>
    </message>
    <message>
        <source>%1: %2, on one card</source>
        <translation>%1: %2, su una carta</translation>
    </message>
    <message>
        <source>%1: %2, on %3 cards</source>
        <translation>%1: %2, su %3 carte</translation>
    </message>
    <message>
        <source>one face-down card</source>
        <translation>una carta coperta</translation>
    </message>
    <message>
        <source>%1 face-down cards</source>
        <translation>%1 carte coperte</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1: %2, on %3</source>
        <translation>%1: %2, su %3</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <source>Card table</source>
        <translation>Tavolo da gioco</translation>
    </message>
    <message>
        <source>Arrow keys move the focus over the piles and the cards that can be taken. Enter or Space takes the focused card, or puts the carried cards on the focused pile. Tab goes through the piles that take the carried cards. F sends the focused card to a foundation. Esc puts the cards back.</source>
        <translation>I tasti freccia spostano il fuoco sulle pile e sulle carte che si possono prendere. Invio o Spazio prende la carta con il fuoco, o posa le carte portate sulla pila con il fuoco. Tab passa per le pile che accettano le carte portate. F manda la carta con il fuoco su una base. Esc rimette a posto le carte.</translation>
    </message>
    <message>
        <source>Announcement</source>
        <translation>Annuncio</translation>
    </message>
    <message>
        <source>New deal: %1</source>
        <translation>Nuova smazzata: %1</translation>
    </message>
    <message>
        <source>The cards were dealt.</source>
        <translation>Le carte sono state distribuite.</translation>
    </message>
    <message>
        <source>Game won.</source>
        <translation>Partita vinta.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Partita finita.</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>Stato: %1</translation>
    </message>
    <message>
        <source>Taken: %1</source>
        <translation>Presa: %1</translation>
    </message>
    <message>
        <source>Taken: %1 with the card on it</source>
        <translation>Presa: %1 con la carta sopra</translation>
    </message>
    <message>
        <source>Taken: %1 with the %2 cards on it</source>
        <translation>Presa: %1 con le %2 carte sopra</translation>
    </message>
    <message>
        <source>Focus on %1</source>
        <translation>Fuoco su %1</translation>
    </message>
    <message>
        <source>Enter puts the carried cards here</source>
        <translation>Invio posa qui le carte portate</translation>
    </message>
    <message>
        <source>No pile takes the carried cards.</source>
        <translation>Nessuna pila accetta le carte portate.</translation>
    </message>
    <message>
        <source>That pile does not take them: the cards went back.</source>
        <translation>Quella pila non le accetta: le carte sono tornate al loro posto.</translation>
    </message>
    <message>
        <source>No foundation takes it.</source>
        <translation>Nessuna base la accetta.</translation>
    </message>
</context>
<context>
    <name>WonGameTexts</name>
    <message>
        <source>You won %1!<byte value="xd"/><byte value="xd"/>Time: %2<byte value="xd"/>Score: %3<byte value="xd"/>Moves: %4<byte value="xd"/><byte value="xd"/></source>
        <translation>Hai vinto %1!<byte value="xd"/><byte value="xd"/>Tempo: %2<byte value="xd"/>Punti: %3<byte value="xd"/>Mosse: %4<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>Your first win of this game.</source>
        <translation>La prima vittoria in questo gioco.</translation>
    </message>
    <message>
        <source>time</source>
        <translation>tempo</translation>
    </message>
    <message>
        <source>score</source>
        <translation>punteggio</translation>
    </message>
    <message>
        <source>fewest moves</source>
        <translation>meno mosse</translation>
    </message>
    <message>
        <source>No new best this time.</source>
        <translation>Nessun nuovo record questa volta.</translation>
    </message>
    <message>
        <source>A new best: %1.</source>
        <translation>Nuovo record: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>vellomir::app::Program</name>
    <message>
        <source>The resource library %1 is damaged: some pictures or sounds may be wrong. Reinstall the program.</source>
        <translation>La libreria delle risorse %1 è danneggiata: alcune immagini o alcuni suoni potrebbero essere errati. Reinstallare il programma.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The program&apos;s folder has a path longer than %1 characters:<byte value="xd"/>%2</source>
        <translation>La cartella del programma ha un percorso più lungo di %1 caratteri:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Vellomir is already running with the data folder<byte value="xd"/>%1</source>
        <translation>Vellomir è già in esecuzione con la cartella dei dati<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source><byte value="xd"/>on the computer %1</source>
        <translation><byte value="xd"/>sul computer %1</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>Only one copy at a time can keep the preferences and statistics there. Close the other copy first; if none runs, remove the file<byte value="xd"/>%1</source>
        <translation>.<byte value="xd"/>Solo una copia alla volta può tenervi le preferenze e le statistiche. Chiudere prima l&apos;altra copia; se nessuna è in esecuzione, eliminare il file<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Cannot find file:<byte value="xd"/></source>
        <translation>Impossibile trovare il file:<byte value="xd"/></translation>
    </message>
    <message>
        <source><byte value="xd"/>Copy the file into the directory that above is specified<byte value="xd"/>or reinstall the program.</source>
        <translation><byte value="xd"/>Copiare il file nella cartella indicata sopra<byte value="xd"/>o reinstallare il programma.</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> e altre %1</translation>
    </message>
    <message>
        <source>Cannot find images file:<byte value="xd"/></source>
        <translation>Impossibile trovare il file delle immagini:<byte value="xd"/></translation>
    </message>
    <message>
        <source> (pictures </source>
        <translation> (immagini </translation>
    </message>
    <message>
        <source>)<byte value="xd"/>Some program components cannot be shown correctly.<byte value="xd"/>Copy the file into the directory that above is specified<byte value="xd"/>or reinstall the program.</source>
        <translation>)<byte value="xd"/>Alcune parti del programma non possono essere mostrate correttamente.<byte value="xd"/>Copiare il file nella cartella indicata sopra<byte value="xd"/>o reinstallare il programma.</translation>
    </message>
    <message>
        <source>Can&apos;t find/load </source>
        <translation>Impossibile trovare/caricare </translation>
    </message>
    <message>
        <source>Vellomir cannot start: its lock file<byte value="xd"/>%1<byte value="xd"/>is not a file (a folder or something else stands there). Remove it and start again.</source>
        <translation>Vellomir non può avviarsi: il suo file di blocco<byte value="xd"/>%1<byte value="xd"/>non è un file (al suo posto c&apos;è una cartella o altro). Rimuoverlo e avviare di nuovo.</translation>
    </message>
    <message>
        <source>,<byte value="xd"/>but that copy (process %1) is stopped and does not answer.<byte value="xd"/>Let it go on (kill -CONT %1) or end it, then start again.</source>
        <translation>,<byte value="xd"/>ma quella copia (processo %1) è sospesa e non risponde.<byte value="xd"/>Lasciatela proseguire (kill -CONT %1) o chiudetela, poi avviate di nuovo.</translation>
    </message>
</context>
<context>
    <name>vellomir::render::TableOverlays</name>
    <message>
        <source>Customized background image not found: </source>
        <translation>Immagine di sfondo personalizzata non trovata: </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Cannot find images file:
</source>
        <translation>Impossibile trovare il file delle immagini:
</translation>
    </message>
    <message>
        <source>
Some program components cannot be shown correctly.
Copy the file into the directory that above is specified
or reinstall the program.</source>
        <translation>
Alcune parti del programma non possono essere mostrate correttamente.
Copiare il file nella cartella indicata sopra
o reinstallare il programma.</translation>
    </message>
    <message>
        <source>Joker = </source>
        <translation>Jolly = </translation>
    </message>
    <message>
        <source>Joker=</source>
        <translation>Jolly=</translation>
    </message>
</context>
<context>
    <name>vellomir::resources::ResourceLibrary</name>
    <message>
        <source>it is not a resource file</source>
        <translation>non è un file di risorse</translation>
    </message>
    <message>
        <source>its format version %1 is unknown</source>
        <translation>la sua versione di formato %1 è sconosciuta</translation>
    </message>
    <message>
        <source>it is cut short (its header points past its end)</source>
        <translation>è troncato (l&apos;intestazione punta oltre la fine)</translation>
    </message>
    <message>
        <source>the name of entry %1 lies outside the file</source>
        <translation>il nome della voce %1 è fuori dal file</translation>
    </message>
    <message>
        <source>folder entry %1 lists entries outside the file</source>
        <translation>la cartella %1 elenca voci fuori dal file</translation>
    </message>
    <message>
        <source>entry %1 is listed twice</source>
        <translation>la voce %1 è elencata due volte</translation>
    </message>
    <message>
        <source>the data of entry %1 lies outside the file</source>
        <translation>i dati della voce %1 sono fuori dal file</translation>
    </message>
    <message>
        <source>the data of entry %1 is damaged</source>
        <translation>i dati della voce %1 sono danneggiati</translation>
    </message>
    <message>
        <source>the file is missing or cannot be read</source>
        <translation>il file manca o non si può leggere</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::CustomizeTrees</name>
    <message>
        <source>Animals</source>
        <translation>Animali</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Pesci tropicali</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Bambini</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Pupazzo di neve</translation>
    </message>
    <message>
        <source>Classics</source>
        <translation>Classici</translation>
    </message>
    <message>
        <source>Classic blue</source>
        <translation>Blu classico</translation>
    </message>
    <message>
        <source>Famous pictures</source>
        <translation>Quadri famosi</translation>
    </message>
    <message>
        <source>Claude Monet</source>
        <translation>Claude Monet</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Fiori</translation>
    </message>
    <message>
        <source>Roses</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Geometric</source>
        <translation>Geometrici</translation>
    </message>
    <message>
        <source>Plaiting 1</source>
        <translation>Intreccio 1</translation>
    </message>
    <message>
        <source>Plaiting 2</source>
        <translation>Intreccio 2</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>Natura</translation>
    </message>
    <message>
        <source>Lake</source>
        <translation>Lago</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Blu marino</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde acqua</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Over 256 colors</source>
        <translation>Più di 256 colori</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metallo</translation>
    </message>
    <message>
        <source>Metal gold</source>
        <translation>Oro metallico</translation>
    </message>
    <message>
        <source>Meadow</source>
        <translation>Prato</translation>
    </message>
    <message>
        <source>Tissue</source>
        <translation>Tessuto</translation>
    </message>
    <message>
        <source>Moquette 1</source>
        <translation>Moquette 1</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Muri</translation>
    </message>
    <message>
        <source>Brick wall 1</source>
        <translation>Muro di mattoni 1</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Legno</translation>
    </message>
    <message>
        <source>Parquet</source>
        <translation>Parquet</translation>
    </message>
    <message>
        <source>Under 256 colors</source>
        <translation>Fino a 256 colori</translation>
    </message>
    <message>
        <source>Geometricals</source>
        <translation>Geometrici</translation>
    </message>
    <message>
        <source>Moquette</source>
        <translation>Moquette</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::SolverAssistant</name>
    <message>
        <source>The game is won: start a new game to count it.</source>
        <translation>La partita è vinta: iniziarne una nuova per contarla.</translation>
    </message>
    <message>
        <source>This game cannot be won from here.</source>
        <translation>Da qui questa partita non si può vincere.</translation>
    </message>
    <message>
        <source>No win was found from here.</source>
        <translation>Da qui non è stata trovata una vittoria.</translation>
    </message>
    <message>
        <source><byte value="xd"/>It could be won before the last move. Undo the last move?</source>
        <translation><byte value="xd"/>Si poteva vincere prima dell&apos;ultima mossa. Annullare l&apos;ultima mossa?</translation>
    </message>
    <message>
        <source>Looking for a winnable deal...</source>
        <translation>Ricerca di una smazzata vincibile...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Looking for a winnable deal: deal %1 of %2...</source>
        <translation>Ricerca di una smazzata vincibile: smazzata %1 di %2...</translation>
    </message>
    <message>
        <source>None of the %1 deals tried could be shown to be winnable within a second. An ordinary deal is dealt.</source>
        <translation>Nessuna delle %1 smazzate provate si è dimostrata vincibile entro un secondo. Viene distribuita una smazzata qualsiasi.</translation>
    </message>
    <message>
        <source>winnable</source>
        <translation>vincibile</translation>
    </message>
    <message>
        <source>not winnable from here</source>
        <translation>non vincibile da qui</translation>
    </message>
    <message>
        <source>searching</source>
        <translation>ricerca in corso</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmAbout</name>
    <message>
        <source>About [Program]</source>
        <translation>Informazioni su [Program]</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Build %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmCustomize_Quorvane</name>
    <message>
        <source>Fit the window</source>
        <translation>Adatta alla finestra</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>Grandi</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medie</translation>
    </message>
    <message>
        <source>Little</source>
        <translation>Piccole</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizza</translation>
    </message>
    <message>
        <source>Time / Scores options</source>
        <translation>Opzioni tempo / punteggio</translation>
    </message>
    <message>
        <source>Show &amp;time</source>
        <translation>Mostra il &amp;tempo</translation>
    </message>
    <message>
        <source>Show sco&amp;re</source>
        <translation>Mostra il &amp;punteggio</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Mostra </translation>
    </message>
    <message>
        <source>C&amp;onfirm quit game</source>
        <translation>C&amp;onferma l&apos;abbandono della partita</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Dimensione delle carte</translation>
    </message>
    <message>
        <source>&amp;Large buttons</source>
        <translation>Pulsanti &amp;grandi</translation>
    </message>
    <message>
        <source>&amp;Flat buttons</source>
        <translation>Pulsanti &amp;piatti</translation>
    </message>
    <message>
        <source>Confirm on e&amp;xit</source>
        <translation>Conferma all&apos;&amp;uscita</translation>
    </message>
    <message>
        <source>&amp;Winning animation</source>
        <translation>&amp;Animazione di vittoria</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Generale</translation>
    </message>
    <message>
        <source>Select a card back:</source>
        <translation>Scegliere un dorso:</translation>
    </message>
    <message>
        <source>&amp;Decks  </source>
        <translation>&amp;Mazzi  </translation>
    </message>
    <message>
        <source>Select a background:</source>
        <translation>Scegliere uno sfondo:</translation>
    </message>
    <message>
        <source>&amp;Fade background</source>
        <translation>S&amp;fondo sfumato</translation>
    </message>
    <message>
        <source>&amp;Backgrounds</source>
        <translation>S&amp;fondi</translation>
    </message>
    <message>
        <source>Disable all &amp;sounds</source>
        <translation>Disattiva tutti i &amp;suoni</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Suoni</translation>
    </message>
    <message>
        <source>&amp;Language of the program:</source>
        <translation>&amp;Lingua del programma:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>La lingua del desktop</translation>
    </message>
    <message>
        <source>The texts change at the next start of the program.</source>
        <translation>I testi cambiano al prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>L&amp;anguage</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cannot find the help file:<byte value="xd"/></source>
        <translation>Impossibile trovare il file della guida:<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmDealNumber</name>
    <message>
        <source>Deal number</source>
        <translation>Numero di smazzata</translation>
    </message>
    <message>
        <source>Deal &amp;number (up to 13 digits):</source>
        <translation>&amp;Numero di smazzata (fino a 13 cifre):</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmHelp</name>
    <message>
        <source>Vellomir Help</source>
        <translation>Guida di Vellomir</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Open a game</source>
        <translation>&amp;Apri un gioco</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Ricomincia</translation>
    </message>
    <message>
        <source>&amp;Deal number...</source>
        <translation>Numero di &amp;smazzata...</translation>
    </message>
    <message>
        <source>&amp;Restart game</source>
        <translation>&amp;Ricomincia la partita</translation>
    </message>
    <message>
        <source>R&amp;andom game</source>
        <translation>Gioco &amp;casuale</translation>
    </message>
    <message>
        <source>&amp;Select a game number...</source>
        <translation>&amp;Scegli un numero di gioco...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>&amp;Giocatori...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiche...</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>&amp;Abbandona la partita</translation>
    </message>
    <message>
        <source>&amp;Hold and exit</source>
        <translation>&amp;Sospendi ed esci</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Au&amp;toplay</source>
        <translation>Gioco au&amp;tomatico</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>Ris&amp;olvi</translation>
    </message>
    <message>
        <source>&amp;Winnable deals only</source>
        <translation>Solo smazzate &amp;vincibili</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>S&amp;napshot position</source>
        <translation>&amp;Istantanea della posizione</translation>
    </message>
    <message>
        <source>&amp;Insert bookmark</source>
        <translation>&amp;Inserisci segnalibro</translation>
    </message>
    <message>
        <source>&amp;Go to bookmark</source>
        <translation>&amp;Vai al segnalibro</translation>
    </message>
    <message>
        <source>Game &amp;information...</source>
        <translation>&amp;Informazioni sul gioco...</translation>
    </message>
    <message>
        <source>&amp;Card counter</source>
        <translation>&amp;Contacarte</translation>
    </message>
    <message>
        <source>Show &amp;time</source>
        <translation>Mostra il &amp;tempo</translation>
    </message>
    <message>
        <source>Show &amp;score</source>
        <translation>Mostra il &amp;punteggio</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>S&amp;tatistiche</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>&amp;Barra di stato</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Schermo &amp;intero</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>C&amp;ustomize...</source>
        <translation>&amp;Personalizza...</translation>
    </message>
    <message>
        <source>Customize &amp;rules...</source>
        <translation>Personalizza le &amp;regole...</translation>
    </message>
    <message>
        <source>&amp;Favorite games...</source>
        <translation>Giochi &amp;preferiti...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regole</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>&amp;Suggerimento del giorno</translation>
    </message>
    <message>
        <source>A&amp;bout [Program]...</source>
        <translation>&amp;Informazioni su [Program]...</translation>
    </message>
    <message>
        <source>Card backs, backgrounds, sounds and confirmations</source>
        <translation>Dorsi, sfondi, suoni e conferme</translation>
    </message>
    <message>
        <source>Cannot find the help file:<byte value="xd"/></source>
        <translation>Impossibile trovare il file della guida:<byte value="xd"/></translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punti:</translation>
    </message>
    <message>
        <source>There is no game number %1.</source>
        <translation>Non esiste il gioco numero %1.</translation>
    </message>
    <message>
        <source>Exit Vellomir?</source>
        <translation>Uscire da Vellomir?</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Mosse: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>Tallone: %1</translation>
    </message>
    <message>
        <source>Passes left: %1</source>
        <translation>Giri rimasti: %1</translation>
    </message>
    <message>
        <source>Table scroll bar</source>
        <translation>Barra di scorrimento del tavolo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>How long the game in play has run</source>
        <translation>Da quanto dura la partita in corso</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>The score of the game in play</source>
        <translation>Il punteggio della partita in corso</translation>
    </message>
    <message>
        <source>Vellomir could not save everything as it closed:</source>
        <translation>Vellomir non ha potuto salvare tutto alla chiusura:</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmMsgAdvice</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show this message box again</source>
        <translation>&amp;Non mostrare più questo messaggio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmOpenGame</name>
    <message>
        <source>Long</source>
        <translation>Lunga</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Breve</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Very high</source>
        <translation>Molto alta</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Very low</source>
        <translation>Molto bassa</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Mostly skill</source>
        <translation>Soprattutto abilità</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Moderata</translation>
    </message>
    <message>
        <source>Mostly chance</source>
        <translation>Soprattutto fortuna</translation>
    </message>
    <message>
        <source>Chance only</source>
        <translation>Solo fortuna</translation>
    </message>
    <message>
        <source> (about %1 in %2)</source>
        <translation> (circa %1 su %2)</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Illimitate</translation>
    </message>
    <message>
        <source>Open a game</source>
        <translation>Apri un gioco</translation>
    </message>
    <message>
        <source>All games (alphabetically)</source>
        <translation>Tutti i giochi (in ordine alfabetico)</translation>
    </message>
    <message>
        <source>Select a game:</source>
        <translation>Scegliere un gioco:</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Difficulty level:</source>
        <translation>Difficoltà:</translation>
    </message>
    <message>
        <source>Chance of winning:</source>
        <translation>Probabilità di vittoria:</translation>
    </message>
    <message>
        <source>Skill level:</source>
        <translation>Abilità:</translation>
    </message>
    <message>
        <source>Game time:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>Redeals:</source>
        <translation>Ridistribuzioni:</translation>
    </message>
    <message>
        <source>Decks:</source>
        <translation>Mazzi:</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>Select a game</source>
        <translation>Scegliere un gioco</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Giocate</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perse</translation>
    </message>
    <message>
        <source>Won share</source>
        <translation>Percentuale vinte</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Tempo migliore</translation>
    </message>
    <message>
        <source>Reset this &amp;game</source>
        <translation>Azzera questo &amp;gioco</translation>
    </message>
    <message>
        <source>Reset &amp;all</source>
        <translation>Azzera &amp;tutto</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>All games played:</source>
        <translation>Tutti i giochi giocati:</translation>
    </message>
    <message>
        <source>No game on the table</source>
        <translation>Nessuna partita sul tavolo</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?</source>
        <translation>Azzerare le statistiche di %1?</translation>
    </message>
    <message>
        <source>Reset the statistics of every game?</source>
        <translation>Azzerare le statistiche di tutti i giochi?</translation>
    </message>
</context>
</TS>
