<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>vellomir: %1
Try &apos;vellomir --help&apos;.
</source>
        <translation>vellomir: %1
Siehe &apos;vellomir --help&apos;.
</translation>
    </message>
    <message>
        <source>A collection of %1 patience card games.</source>
        <translation>Eine Sammlung von %1 Patiencen.</translation>
    </message>
    <message>
        <source>Deal the game of number &lt;number&gt; (as vellomir-cli games lists them) at the start.</source>
        <translation>Beim Start das Spiel Nummer &lt;Nummer&gt; geben (wie vellomir-cli games sie auflistet).</translation>
    </message>
    <message>
        <source>number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Deal the deal of number &lt;number&gt; (1 to 13 digits) at the start.</source>
        <translation>Beim Start die Verteilung Nummer &lt;Nummer&gt; geben (1 bis 13 Ziffern).</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>bad game number &apos;%1&apos;</source>
        <translation>ungültige Spielnummer &apos;%1&apos;</translation>
    </message>
    <message>
        <source>bad deal number &apos;%1&apos;: a deal number is 1 to %2 digits</source>
        <translation>ungültige Verteilungsnummer &apos;%1&apos;: eine Verteilungsnummer hat 1 bis %2 Ziffern</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Pages of settings</source>
        <translation>Seiten der Einstellungen</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Error suit - 1</source>
        <translation>Fehler Farbe - 1</translation>
    </message>
    <message>
        <source>%1 win</source>
        <translation>%1 Sieg</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 Siege</translation>
    </message>
    <message>
        <source>%1 loss</source>
        <translation>%1 Niederlage</translation>
    </message>
    <message>
        <source>%1 losses</source>
        <translation>%1 Niederlagen</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Won share</source>
        <translation>Gewinnanteil</translation>
    </message>
    <message>
        <source>Current streak</source>
        <translation>Aktuelle Serie</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Längste Siegesserie</translation>
    </message>
    <message>
        <source>Longest losing streak</source>
        <translation>Längste Niederlagenserie</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Beste Zeit</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Wenigste Züge</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Beste Punktzahl</translation>
    </message>
    <message>
        <source>Every place of the line holds a pile: move a pile before dealing the next card.</source>
        <translation>Jeder Platz der Reihe hält einen Stapel: erst einen Stapel bewegen, dann die nächste Karte geben.</translation>
    </message>
    <message>
        <source>Fill in any gaps in the tableau before dealing.</source>
        <translation>Vor dem Geben alle Lücken im Tableau füllen.</translation>
    </message>
    <message>
        <source>Quit this game?</source>
        <translation>Dieses Spiel aufgeben?</translation>
    </message>
    <message>
        <source>Error 01 - fnGameNumberCardsArray</source>
        <translation>Fehler 01 - fnGameNumberCardsArray</translation>
    </message>
    <message>
        <source>At this time your video driver supports 256 colors or less. This program takes advantage of the 16 bit (65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. <byte value="xd"/>If your video driver allows High or True color mode settings (16 bit or 24 bit), modify your screen resolution using the Display Properties Settings in the Control Panel.</source>
        <translation>Ihr Grafiktreiber unterstützt zurzeit 256 Farben oder weniger. Dieses Programm nutzt die Paletten mit 16 Bit (65.536 Farben) oder 24 Bit (16,8 Millionen Farben) oder höhere Auflösungen. <byte value="xd"/>Wenn Ihr Grafiktreiber High Color oder True Color (16 oder 24 Bit) erlaubt, ändern Sie die Bildschirmauflösung in den Anzeigeeinstellungen der Systemsteuerung.</translation>
    </message>
    <message>
        <source>The folder %1 holds your preferences and statistics but cannot be written, so this run keeps its files in %2 instead: what is in %1 is not used. Make that folder writable to go on with it.</source>
        <translation>Der Ordner %1 enthält Ihre Einstellungen und Statistiken, kann aber nicht beschrieben werden; daher legt dieser Lauf seine Dateien stattdessen in %2 ab: Was in %1 liegt, wird nicht verwendet. Machen Sie den Ordner beschreibbar, um mit ihm weiterzuspielen.</translation>
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
        <translation>Klondike (drei Karten)</translation>
    </message>
    <message>
        <source>Thoughtful</source>
        <translation>Nachdenklich</translation>
    </message>
    <message>
        <source>Whitehead</source>
        <translation>Whitehead</translation>
    </message>
    <message>
        <source>Thumb and Pouch</source>
        <translation>Daumen und Beutel</translation>
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
        <translation>Doppel-Klondike</translation>
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
        <translation>Bäckerspiel</translation>
    </message>
    <message>
        <source>Eight Off</source>
        <translation>Acht ab</translation>
    </message>
    <message>
        <source>Seahaven Towers</source>
        <translation>Türme von Seahaven</translation>
    </message>
    <message>
        <source>Castles in Spain</source>
        <translation>Luftschlösser in Spanien</translation>
    </message>
    <message>
        <source>Portuguese Solitaire</source>
        <translation>Portugiesische Patience</translation>
    </message>
    <message>
        <source>Martha</source>
        <translation>Martha</translation>
    </message>
    <message>
        <source>Beleaguered Castle</source>
        <translation>Belagerte Burg</translation>
    </message>
    <message>
        <source>Streets and Alleys</source>
        <translation>Straßen und Gassen</translation>
    </message>
    <message>
        <source>Citadel</source>
        <translation>Zitadelle</translation>
    </message>
    <message>
        <source>Fortress</source>
        <translation>Festung</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Fächer</translation>
    </message>
    <message>
        <source>Scotch Patience</source>
        <translation>Schottische Patience</translation>
    </message>
    <message>
        <source>Shamrocks</source>
        <translation>Kleeblätter</translation>
    </message>
    <message>
        <source>Canfield</source>
        <translation>Canfield</translation>
    </message>
    <message>
        <source>Storehouse</source>
        <translation>Vorratshaus</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>Forty Thieves</source>
        <translation>Vierzig Räuber</translation>
    </message>
    <message>
        <source>Number Ten</source>
        <translation>Nummer zehn</translation>
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
        <translation>Begrenzt</translation>
    </message>
    <message>
        <source>Indian</source>
        <translation>Indianer</translation>
    </message>
    <message>
        <source>Yukon</source>
        <translation>Yukon</translation>
    </message>
    <message>
        <source>Russian Solitaire</source>
        <translation>Russische Patience</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Alaska</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Monte Carlo</source>
        <translation>Monte Carlo</translation>
    </message>
    <message>
        <source>Royal Marriage</source>
        <translation>Königliche Hochzeit</translation>
    </message>
    <message>
        <source>Fourteen Out</source>
        <translation>Vierzehn ab</translation>
    </message>
    <message>
        <source>Elevens</source>
        <translation>Elfer</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Zehner</translation>
    </message>
    <message>
        <source>Fifteens</source>
        <translation>Fünfzehner</translation>
    </message>
    <message>
        <source>Eighteens</source>
        <translation>Achtzehner</translation>
    </message>
    <message>
        <source>Golf</source>
        <translation>Golf</translation>
    </message>
    <message>
        <source>Black Hole</source>
        <translation>Schwarzes Loch</translation>
    </message>
    <message>
        <source>Aces Up</source>
        <translation>Asse hoch</translation>
    </message>
    <message>
        <source>Hit or Miss</source>
        <translation>Treffer oder Niete</translation>
    </message>
    <message>
        <source>Sir Tommy</source>
        <translation>Sir Tommy</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Rechnen</translation>
    </message>
    <message>
        <source>Ninety-One</source>
        <translation>Einundneunzig</translation>
    </message>
    <message>
        <source>Klondike (draw three, three passes)</source>
        <translation>Klondike (drei Karten, drei Durchgänge)</translation>
    </message>
    <message>
        <source>Vegas Klondike</source>
        <translation>Vegas-Klondike</translation>
    </message>
    <message>
        <source>Pyramid (one pass)</source>
        <translation>Pyramide (ein Durchgang)</translation>
    </message>
    <message>
        <source>Pyramid (unlimited passes)</source>
        <translation>Pyramide (unbegrenzte Durchgänge)</translation>
    </message>
    <message>
        <source>Forty and Eight</source>
        <translation>Vierzig und acht</translation>
    </message>
    <message>
        <source>Josephine</source>
        <translation>Josephine</translation>
    </message>
    <message>
        <source>Streets</source>
        <translation>Straßen</translation>
    </message>
    <message>
        <source>Napoleon&apos;s Exile</source>
        <translation>Napoleons Exil</translation>
    </message>
    <message>
        <source>Busy Aces</source>
        <translation>Fleißige Asse</translation>
    </message>
    <message>
        <source>Famous Fifty</source>
        <translation>Berühmte Fünfzig</translation>
    </message>
    <message>
        <source>Emperor</source>
        <translation>Kaiser</translation>
    </message>
    <message>
        <source>Rank and File</source>
        <translation>Reih und Glied</translation>
    </message>
    <message>
        <source>Diplomat</source>
        <translation>Diplomat</translation>
    </message>
    <message>
        <source>Relaxed FreeCell</source>
        <translation>Entspanntes FreeCell</translation>
    </message>
    <message>
        <source>Seven by Four</source>
        <translation>Sieben mal vier</translation>
    </message>
    <message>
        <source>Seven by Five</source>
        <translation>Sieben mal fünf</translation>
    </message>
    <message>
        <source>King Albert</source>
        <translation>König Albert</translation>
    </message>
    <message>
        <source>Superior Canfield</source>
        <translation>Höheres Canfield</translation>
    </message>
    <message>
        <source>Rainfall</source>
        <translation>Regenfall</translation>
    </message>
    <message>
        <source>Chameleon</source>
        <translation>Chamäleon</translation>
    </message>
    <message>
        <source>Moosehide</source>
        <translation>Elchhaut</translation>
    </message>
    <message>
        <source>Gypsy</source>
        <translation>Zigeuner</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Spinne</translation>
    </message>
    <message>
        <source>Spiderette</source>
        <translation>Spinnchen</translation>
    </message>
    <message>
        <source>Scorpion</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Simple Simon</source>
        <translation>Einfacher Simon</translation>
    </message>
    <message>
        <source>Baker&apos;s Dozen</source>
        <translation>Bäckerdutzend</translation>
    </message>
    <message>
        <source>Spanish Patience</source>
        <translation>Spanische Patience</translation>
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
        <translation>Doppel-Yukon</translation>
    </message>
    <message>
        <source>Double Russian Solitaire</source>
        <translation>Doppelte russische Patience</translation>
    </message>
    <message>
        <source>Trigon</source>
        <translation>Trigon</translation>
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
        <translation>Ordne sie (Quadrat 3x3)</translation>
    </message>
    <message>
        <source>Put-Them-In-Order (4x4 square)</source>
        <translation>Ordne sie (Quadrat 4x4)</translation>
    </message>
    <message>
        <source>Put-Them-In-Order (5x5 square)</source>
        <translation>Ordne sie (Quadrat 5x5)</translation>
    </message>
    <message>
        <source>Blind Alleys</source>
        <translation>Sackgassen</translation>
    </message>
    <message>
        <source>Chinaman</source>
        <translation>Chinaman</translation>
    </message>
    <message>
        <source>Smokey</source>
        <translation>Rauchig</translation>
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
        <translation>Amerikanische Dose</translation>
    </message>
    <message>
        <source>Canister</source>
        <translation>Dose</translation>
    </message>
    <message>
        <source>British Canister</source>
        <translation>Britische Dose</translation>
    </message>
    <message>
        <source>Athena</source>
        <translation>Athene</translation>
    </message>
    <message>
        <source>Will o&apos; the Wisp</source>
        <translation>Irrlicht</translation>
    </message>
    <message>
        <source>Wasp</source>
        <translation>Wespe</translation>
    </message>
    <message>
        <source>Stronghold</source>
        <translation>Bollwerk</translation>
    </message>
    <message>
        <source>Fastness</source>
        <translation>Feste</translation>
    </message>
    <message>
        <source>Osmosis</source>
        <translation>Osmose</translation>
    </message>
    <message>
        <source>Peek</source>
        <translation>Einblick</translation>
    </message>
    <message>
        <source>La Belle Lucie</source>
        <translation>Die schöne Lucie</translation>
    </message>
    <message>
        <source>Trefoil</source>
        <translation>Dreiblatt</translation>
    </message>
    <message>
        <source>Cruel</source>
        <translation>Grausam</translation>
    </message>
    <message>
        <source>TriPeaks</source>
        <translation>Drei Gipfel</translation>
    </message>
    <message>
        <source>Spider (one suit)</source>
        <translation>Spinne (eine Farbe)</translation>
    </message>
    <message>
        <source>Spider (two suits)</source>
        <translation>Spinne (zwei Farben)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Terrace</source>
        <translation>Terrasse</translation>
    </message>
    <message>
        <source>Montana</source>
        <translation>Montana</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Akkordeon</translation>
    </message>
    <message>
        <source>Carpet</source>
        <translation>Teppich</translation>
    </message>
    <message>
        <source>Bisley</source>
        <translation>Bisley</translation>
    </message>
    <message>
        <source>Algerian Patience</source>
        <translation>Algerische Patience</translation>
    </message>
    <message>
        <source>Bristol</source>
        <translation>Bristol</translation>
    </message>
    <message>
        <source>Four Seasons</source>
        <translation>Vier Jahreszeiten</translation>
    </message>
    <message>
        <source>Saratoga</source>
        <translation>Saratoga</translation>
    </message>
    <message>
        <source>Gold Mine</source>
        <translation>Goldmine</translation>
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
        <translation>Schachbrett</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Ali Baba</source>
        <translation>Ali Baba</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Abnehmender Mond</translation>
    </message>
    <message>
        <source>Corona</source>
        <translation>Corona</translation>
    </message>
    <message>
        <source>Quadrangle</source>
        <translation>Quadrangle</translation>
    </message>
    <message>
        <source>Triple Line</source>
        <translation>Dreifache Reihe</translation>
    </message>
    <message>
        <source>Midshipman</source>
        <translation>Fähnrich</translation>
    </message>
    <message>
        <source>Little Forty</source>
        <translation>Kleine Vierzig</translation>
    </message>
    <message>
        <source>Lucky Thirteen</source>
        <translation>Glückliche Dreizehn</translation>
    </message>
    <message>
        <source>Lucky Piles</source>
        <translation>Glückshaufen</translation>
    </message>
    <message>
        <source>Queen Victoria</source>
        <translation>Königin Victoria</translation>
    </message>
    <message>
        <source>Relaxed Spider</source>
        <translation>Entspannte Spinne</translation>
    </message>
    <message>
        <source>Raw Prawn</source>
        <translation>Raw Prawn</translation>
    </message>
    <message>
        <source>Australian Patience</source>
        <translation>Australische Patience</translation>
    </message>
    <message>
        <source>Ten Across</source>
        <translation>Ten Across</translation>
    </message>
    <message>
        <source>Relaxed Golf</source>
        <translation>Entspanntes Golf</translation>
    </message>
    <message>
        <source>Big Forty</source>
        <translation>Große Vierzig</translation>
    </message>
    <message>
        <source>American Toad</source>
        <translation>Amerikanische Kröte</translation>
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
        <translation>Napoleons Quadrat</translation>
    </message>
    <message>
        <source>Chinese Discipline</source>
        <translation>Chinesische Disziplin</translation>
    </message>
    <message>
        <source>Auld Lang Syne</source>
        <translation>Auld Lang Syne</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Strategie</translation>
    </message>
    <message>
        <source>Eagle Wing</source>
        <translation>Adlerflügel</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pinguin</translation>
    </message>
    <message>
        <source>Grandfather&apos;s Clock</source>
        <translation>Großvateruhr</translation>
    </message>
    <message>
        <source>Nestor</source>
        <translation>Nestor</translation>
    </message>
    <message>
        <source>Free Fan</source>
        <translation>Freier Fächer</translation>
    </message>
    <message>
        <source>Box Fan</source>
        <translation>Kastenfächer</translation>
    </message>
    <message>
        <source>Penelope&apos;s Web</source>
        <translation>Penelopes Gewebe</translation>
    </message>
    <message>
        <source>Three Blind Mice</source>
        <translation>Drei blinde Mäuse</translation>
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
        <translation>Verbannte Könige</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Frosch</translation>
    </message>
    <message>
        <source>Mount Olympus</source>
        <translation>Olymp</translation>
    </message>
    <message>
        <source>Grounds for a Divorce</source>
        <translation>Scheidungsgrund</translation>
    </message>
    <message>
        <source>Flower Garden</source>
        <translation>Blumengarten</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Könige</translation>
    </message>
    <message>
        <source>Three Shuffles and a Draw</source>
        <translation>Drei Mischungen und ein Zug</translation>
    </message>
    <message>
        <source>Miss Milligan</source>
        <translation>Miss Milligan</translation>
    </message>
    <message>
        <source>Braid</source>
        <translation>Zopf</translation>
    </message>
    <message>
        <source>Poker Square</source>
        <translation>Pokerquadrat</translation>
    </message>
    <message>
        <source>Picture Gallery</source>
        <translation>Bildergalerie</translation>
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
        <translation>keine</translation>
    </message>
    <message>
        <source>one</source>
        <translation>eine</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>zehn</translation>
    </message>
    <message>
        <source>eleven</source>
        <translation>elf</translation>
    </message>
    <message>
        <source>twelve</source>
        <translation>zwölf</translation>
    </message>
    <message>
        <source>thirteen</source>
        <translation>dreizehn</translation>
    </message>
    <message>
        <source>fourteen</source>
        <translation>vierzehn</translation>
    </message>
    <message>
        <source>fifteen</source>
        <translation>fünfzehn</translation>
    </message>
    <message>
        <source>sixteen</source>
        <translation>sechzehn</translation>
    </message>
    <message>
        <source>seventeen</source>
        <translation>siebzehn</translation>
    </message>
    <message>
        <source>eighteen</source>
        <translation>achtzehn</translation>
    </message>
    <message>
        <source>nineteen</source>
        <translation>neunzehn</translation>
    </message>
    <message>
        <source>twenty</source>
        <translation>zwanzig</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>Lücke</translation>
    </message>
    <message>
        <source>ace of hearts</source>
        <translation>Herz-Ass</translation>
    </message>
    <message>
        <source>two of hearts</source>
        <translation>Herz-Zwei</translation>
    </message>
    <message>
        <source>three of hearts</source>
        <translation>Herz-Drei</translation>
    </message>
    <message>
        <source>four of hearts</source>
        <translation>Herz-Vier</translation>
    </message>
    <message>
        <source>five of hearts</source>
        <translation>Herz-Fünf</translation>
    </message>
    <message>
        <source>six of hearts</source>
        <translation>Herz-Sechs</translation>
    </message>
    <message>
        <source>seven of hearts</source>
        <translation>Herz-Sieben</translation>
    </message>
    <message>
        <source>eight of hearts</source>
        <translation>Herz-Acht</translation>
    </message>
    <message>
        <source>nine of hearts</source>
        <translation>Herz-Neun</translation>
    </message>
    <message>
        <source>ten of hearts</source>
        <translation>Herz-Zehn</translation>
    </message>
    <message>
        <source>jack of hearts</source>
        <translation>Herz-Bube</translation>
    </message>
    <message>
        <source>queen of hearts</source>
        <translation>Herz-Dame</translation>
    </message>
    <message>
        <source>king of hearts</source>
        <translation>Herz-König</translation>
    </message>
    <message>
        <source>ace of diamonds</source>
        <translation>Karo-Ass</translation>
    </message>
    <message>
        <source>two of diamonds</source>
        <translation>Karo-Zwei</translation>
    </message>
    <message>
        <source>three of diamonds</source>
        <translation>Karo-Drei</translation>
    </message>
    <message>
        <source>four of diamonds</source>
        <translation>Karo-Vier</translation>
    </message>
    <message>
        <source>five of diamonds</source>
        <translation>Karo-Fünf</translation>
    </message>
    <message>
        <source>six of diamonds</source>
        <translation>Karo-Sechs</translation>
    </message>
    <message>
        <source>seven of diamonds</source>
        <translation>Karo-Sieben</translation>
    </message>
    <message>
        <source>eight of diamonds</source>
        <translation>Karo-Acht</translation>
    </message>
    <message>
        <source>nine of diamonds</source>
        <translation>Karo-Neun</translation>
    </message>
    <message>
        <source>ten of diamonds</source>
        <translation>Karo-Zehn</translation>
    </message>
    <message>
        <source>jack of diamonds</source>
        <translation>Karo-Bube</translation>
    </message>
    <message>
        <source>queen of diamonds</source>
        <translation>Karo-Dame</translation>
    </message>
    <message>
        <source>king of diamonds</source>
        <translation>Karo-König</translation>
    </message>
    <message>
        <source>ace of clubs</source>
        <translation>Kreuz-Ass</translation>
    </message>
    <message>
        <source>two of clubs</source>
        <translation>Kreuz-Zwei</translation>
    </message>
    <message>
        <source>three of clubs</source>
        <translation>Kreuz-Drei</translation>
    </message>
    <message>
        <source>four of clubs</source>
        <translation>Kreuz-Vier</translation>
    </message>
    <message>
        <source>five of clubs</source>
        <translation>Kreuz-Fünf</translation>
    </message>
    <message>
        <source>six of clubs</source>
        <translation>Kreuz-Sechs</translation>
    </message>
    <message>
        <source>seven of clubs</source>
        <translation>Kreuz-Sieben</translation>
    </message>
    <message>
        <source>eight of clubs</source>
        <translation>Kreuz-Acht</translation>
    </message>
    <message>
        <source>nine of clubs</source>
        <translation>Kreuz-Neun</translation>
    </message>
    <message>
        <source>ten of clubs</source>
        <translation>Kreuz-Zehn</translation>
    </message>
    <message>
        <source>jack of clubs</source>
        <translation>Kreuz-Bube</translation>
    </message>
    <message>
        <source>queen of clubs</source>
        <translation>Kreuz-Dame</translation>
    </message>
    <message>
        <source>king of clubs</source>
        <translation>Kreuz-König</translation>
    </message>
    <message>
        <source>ace of spades</source>
        <translation>Pik-Ass</translation>
    </message>
    <message>
        <source>two of spades</source>
        <translation>Pik-Zwei</translation>
    </message>
    <message>
        <source>three of spades</source>
        <translation>Pik-Drei</translation>
    </message>
    <message>
        <source>four of spades</source>
        <translation>Pik-Vier</translation>
    </message>
    <message>
        <source>five of spades</source>
        <translation>Pik-Fünf</translation>
    </message>
    <message>
        <source>six of spades</source>
        <translation>Pik-Sechs</translation>
    </message>
    <message>
        <source>seven of spades</source>
        <translation>Pik-Sieben</translation>
    </message>
    <message>
        <source>eight of spades</source>
        <translation>Pik-Acht</translation>
    </message>
    <message>
        <source>nine of spades</source>
        <translation>Pik-Neun</translation>
    </message>
    <message>
        <source>ten of spades</source>
        <translation>Pik-Zehn</translation>
    </message>
    <message>
        <source>jack of spades</source>
        <translation>Pik-Bube</translation>
    </message>
    <message>
        <source>queen of spades</source>
        <translation>Pik-Dame</translation>
    </message>
    <message>
        <source>king of spades</source>
        <translation>Pik-König</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Talon</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Discard pile</source>
        <translation>Ablagestapel</translation>
    </message>
    <message>
        <source>Foundation %1</source>
        <translation>Zielstapel %1</translation>
    </message>
    <message>
        <source>Tableau %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Reserve %1</source>
        <translation>Reserve %1</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1: leer</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>verdeckte Karte</translation>
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
        <translation>%1: %2 Karten</translation>
    </message>
    <message>
        <source>%1: %2, on one card</source>
        <translation>%1: %2, auf einer Karte</translation>
    </message>
    <message>
        <source>%1: %2, on %3 cards</source>
        <translation>%1: %2, auf %3 Karten</translation>
    </message>
    <message>
        <source>one face-down card</source>
        <translation>einer verdeckten Karte</translation>
    </message>
    <message>
        <source>%1 face-down cards</source>
        <translation>%1 verdeckten Karten</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1: %2, on %3</source>
        <translation>%1: %2, auf %3</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <source>Card table</source>
        <translation>Kartentisch</translation>
    </message>
    <message>
        <source>Arrow keys move the focus over the piles and the cards that can be taken. Enter or Space takes the focused card, or puts the carried cards on the focused pile. Tab goes through the piles that take the carried cards. F sends the focused card to a foundation. Esc puts the cards back.</source>
        <translation>Die Pfeiltasten bewegen den Fokus über die Stapel und die Karten, die genommen werden können. Eingabe oder Leertaste nimmt die fokussierte Karte oder legt die getragenen Karten auf den fokussierten Stapel. Tab geht durch die Stapel, die die getragenen Karten annehmen. F schickt die fokussierte Karte auf einen Zielstapel. Esc legt die Karten zurück.</translation>
    </message>
    <message>
        <source>Announcement</source>
        <translation>Ansage</translation>
    </message>
    <message>
        <source>New deal: %1</source>
        <translation>Neue Verteilung: %1</translation>
    </message>
    <message>
        <source>The cards were dealt.</source>
        <translation>Die Karten wurden verteilt.</translation>
    </message>
    <message>
        <source>Game won.</source>
        <translation>Spiel gewonnen.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Spiel vorbei.</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <source>Taken: %1</source>
        <translation>Genommen: %1</translation>
    </message>
    <message>
        <source>Taken: %1 with the card on it</source>
        <translation>Genommen: %1 mit der Karte darauf</translation>
    </message>
    <message>
        <source>Taken: %1 with the %2 cards on it</source>
        <translation>Genommen: %1 mit den %2 Karten darauf</translation>
    </message>
    <message>
        <source>Focus on %1</source>
        <translation>Fokus auf %1</translation>
    </message>
    <message>
        <source>Enter puts the carried cards here</source>
        <translation>Eingabe legt die getragenen Karten hierhin</translation>
    </message>
    <message>
        <source>No pile takes the carried cards.</source>
        <translation>Kein Stapel nimmt die getragenen Karten an.</translation>
    </message>
    <message>
        <source>That pile does not take them: the cards went back.</source>
        <translation>Dieser Stapel nimmt sie nicht an: Die Karten sind zurückgegangen.</translation>
    </message>
    <message>
        <source>No foundation takes it.</source>
        <translation>Kein Zielstapel nimmt sie an.</translation>
    </message>
</context>
<context>
    <name>WonGameTexts</name>
    <message>
        <source>You won %1!<byte value="xd"/><byte value="xd"/>Time: %2<byte value="xd"/>Score: %3<byte value="xd"/>Moves: %4<byte value="xd"/><byte value="xd"/></source>
        <translation>Sie haben %1 gewonnen!<byte value="xd"/><byte value="xd"/>Zeit: %2<byte value="xd"/>Punkte: %3<byte value="xd"/>Züge: %4<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>Your first win of this game.</source>
        <translation>Ihr erster Sieg in diesem Spiel.</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>fewest moves</source>
        <translation>wenigste Züge</translation>
    </message>
    <message>
        <source>No new best this time.</source>
        <translation>Diesmal keine neue Bestleistung.</translation>
    </message>
    <message>
        <source>A new best: %1.</source>
        <translation>Neue Bestleistung: %1.</translation>
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
        <translation>Die Ressourcenbibliothek %1 ist beschädigt: Einige Bilder oder Klänge können fehlerhaft sein. Bitte installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The program&apos;s folder has a path longer than %1 characters:<byte value="xd"/>%2</source>
        <translation>Der Ordner des Programms hat einen Pfad von mehr als %1 Zeichen:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Vellomir is already running with the data folder<byte value="xd"/>%1</source>
        <translation>Vellomir läuft bereits mit dem Datenordner<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source><byte value="xd"/>on the computer %1</source>
        <translation><byte value="xd"/>auf dem Rechner %1</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>Only one copy at a time can keep the preferences and statistics there. Close the other copy first; if none runs, remove the file<byte value="xd"/>%1</source>
        <translation>.<byte value="xd"/>Nur eine Kopie zugleich kann dort die Einstellungen und die Statistik führen. Zuerst die andere Kopie schließen; läuft keine, die Datei entfernen<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Cannot find file:<byte value="xd"/></source>
        <translation>Datei nicht gefunden:<byte value="xd"/></translation>
    </message>
    <message>
        <source><byte value="xd"/>Copy the file into the directory that above is specified<byte value="xd"/>or reinstall the program.</source>
        <translation><byte value="xd"/>Die Datei in den oben genannten Ordner kopieren<byte value="xd"/>oder das Programm neu installieren.</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>Cannot find images file:<byte value="xd"/></source>
        <translation>Bilddatei nicht gefunden:<byte value="xd"/></translation>
    </message>
    <message>
        <source> (pictures </source>
        <translation> (Bilder </translation>
    </message>
    <message>
        <source>)<byte value="xd"/>Some program components cannot be shown correctly.<byte value="xd"/>Copy the file into the directory that above is specified<byte value="xd"/>or reinstall the program.</source>
        <translation>)<byte value="xd"/>Einige Teile des Programms können nicht richtig angezeigt werden.<byte value="xd"/>Die Datei in den oben genannten Ordner kopieren<byte value="xd"/>oder das Programm neu installieren.</translation>
    </message>
    <message>
        <source>Can&apos;t find/load </source>
        <translation>Nicht gefunden/geladen: </translation>
    </message>
    <message>
        <source>Vellomir cannot start: its lock file<byte value="xd"/>%1<byte value="xd"/>is not a file (a folder or something else stands there). Remove it and start again.</source>
        <translation>Vellomir kann nicht starten: Seine Sperrdatei<byte value="xd"/>%1<byte value="xd"/>ist keine Datei (dort steht ein Ordner oder etwas anderes). Entfernen Sie sie und starten Sie neu.</translation>
    </message>
    <message>
        <source>,<byte value="xd"/>but that copy (process %1) is stopped and does not answer.<byte value="xd"/>Let it go on (kill -CONT %1) or end it, then start again.</source>
        <translation>,<byte value="xd"/>aber diese Kopie (Prozess %1) ist angehalten und antwortet nicht.<byte value="xd"/>Lassen Sie sie weiterlaufen (kill -CONT %1) oder beenden Sie sie, und starten Sie dann neu.</translation>
    </message>
</context>
<context>
    <name>vellomir::render::TableOverlays</name>
    <message>
        <source>Customized background image not found: </source>
        <translation>Eigenes Hintergrundbild nicht gefunden: </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Cannot find images file:
</source>
        <translation>Bilddatei nicht gefunden:
</translation>
    </message>
    <message>
        <source>
Some program components cannot be shown correctly.
Copy the file into the directory that above is specified
or reinstall the program.</source>
        <translation>
Einige Teile des Programms können nicht richtig angezeigt werden.
Die Datei in den oben genannten Ordner kopieren
oder das Programm neu installieren.</translation>
    </message>
    <message>
        <source>Joker = </source>
        <translation>Joker = </translation>
    </message>
    <message>
        <source>Joker=</source>
        <translation>Joker=</translation>
    </message>
</context>
<context>
    <name>vellomir::resources::ResourceLibrary</name>
    <message>
        <source>it is not a resource file</source>
        <translation>es ist keine Ressourcendatei</translation>
    </message>
    <message>
        <source>its format version %1 is unknown</source>
        <translation>seine Formatversion %1 ist unbekannt</translation>
    </message>
    <message>
        <source>it is cut short (its header points past its end)</source>
        <translation>sie ist abgeschnitten (ihr Kopf zeigt über ihr Ende hinaus)</translation>
    </message>
    <message>
        <source>the name of entry %1 lies outside the file</source>
        <translation>der Name von Eintrag %1 liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>folder entry %1 lists entries outside the file</source>
        <translation>der Ordnereintrag %1 nennt Einträge außerhalb der Datei</translation>
    </message>
    <message>
        <source>entry %1 is listed twice</source>
        <translation>Eintrag %1 ist doppelt aufgeführt</translation>
    </message>
    <message>
        <source>the data of entry %1 lies outside the file</source>
        <translation>die Daten von Eintrag %1 liegen außerhalb der Datei</translation>
    </message>
    <message>
        <source>the data of entry %1 is damaged</source>
        <translation>die Daten von Eintrag %1 sind beschädigt</translation>
    </message>
    <message>
        <source>the file is missing or cannot be read</source>
        <translation>die Datei fehlt oder ist nicht lesbar</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::CustomizeTrees</name>
    <message>
        <source>Animals</source>
        <translation>Tiere</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Tropenfische</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Schneemann</translation>
    </message>
    <message>
        <source>Classics</source>
        <translation>Klassiker</translation>
    </message>
    <message>
        <source>Classic blue</source>
        <translation>Klassisches Blau</translation>
    </message>
    <message>
        <source>Famous pictures</source>
        <translation>Berühmte Bilder</translation>
    </message>
    <message>
        <source>Claude Monet</source>
        <translation>Claude Monet</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Blumen</translation>
    </message>
    <message>
        <source>Roses</source>
        <translation>Rosen</translation>
    </message>
    <message>
        <source>Geometric</source>
        <translation>Geometrisch</translation>
    </message>
    <message>
        <source>Plaiting 1</source>
        <translation>Geflecht 1</translation>
    </message>
    <message>
        <source>Plaiting 2</source>
        <translation>Geflecht 2</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>Natur</translation>
    </message>
    <message>
        <source>Lake</source>
        <translation>See</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Over 256 colors</source>
        <translation>Über 256 Farben</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metall</translation>
    </message>
    <message>
        <source>Metal gold</source>
        <translation>Metallgold</translation>
    </message>
    <message>
        <source>Meadow</source>
        <translation>Wiese</translation>
    </message>
    <message>
        <source>Tissue</source>
        <translation>Stoff</translation>
    </message>
    <message>
        <source>Moquette 1</source>
        <translation>Teppichboden 1</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Mauern</translation>
    </message>
    <message>
        <source>Brick wall 1</source>
        <translation>Ziegelmauer 1</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Holz</translation>
    </message>
    <message>
        <source>Parquet</source>
        <translation>Parkett</translation>
    </message>
    <message>
        <source>Under 256 colors</source>
        <translation>Bis 256 Farben</translation>
    </message>
    <message>
        <source>Geometricals</source>
        <translation>Geometrische</translation>
    </message>
    <message>
        <source>Moquette</source>
        <translation>Teppichboden</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::SolverAssistant</name>
    <message>
        <source>The game is won: start a new game to count it.</source>
        <translation>Das Spiel ist gewonnen: ein neues Spiel beginnen, damit es zählt.</translation>
    </message>
    <message>
        <source>This game cannot be won from here.</source>
        <translation>Dieses Spiel ist von hier aus nicht zu gewinnen.</translation>
    </message>
    <message>
        <source>No win was found from here.</source>
        <translation>Von hier aus wurde kein Gewinn gefunden.</translation>
    </message>
    <message>
        <source><byte value="xd"/>It could be won before the last move. Undo the last move?</source>
        <translation><byte value="xd"/>Vor dem letzten Zug war es zu gewinnen. Den letzten Zug zurücknehmen?</translation>
    </message>
    <message>
        <source>Looking for a winnable deal...</source>
        <translation>Suche nach einer gewinnbaren Verteilung...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Looking for a winnable deal: deal %1 of %2...</source>
        <translation>Suche nach einer gewinnbaren Verteilung: Verteilung %1 von %2...</translation>
    </message>
    <message>
        <source>None of the %1 deals tried could be shown to be winnable within a second. An ordinary deal is dealt.</source>
        <translation>Keine der %1 versuchten Verteilungen ließ sich binnen einer Sekunde als gewinnbar zeigen. Es wird eine gewöhnliche Verteilung gegeben.</translation>
    </message>
    <message>
        <source>winnable</source>
        <translation>gewinnbar</translation>
    </message>
    <message>
        <source>not winnable from here</source>
        <translation>von hier nicht gewinnbar</translation>
    </message>
    <message>
        <source>searching</source>
        <translation>Suche läuft</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmAbout</name>
    <message>
        <source>About [Program]</source>
        <translation>Über [Program]</translation>
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
        <translation>An das Fenster anpassen</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Little</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>Time / Scores options</source>
        <translation>Zeit / Punkte</translation>
    </message>
    <message>
        <source>Show &amp;time</source>
        <translation>&amp;Zeit anzeigen</translation>
    </message>
    <message>
        <source>Show sco&amp;re</source>
        <translation>&amp;Punkte anzeigen</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Anzeigen </translation>
    </message>
    <message>
        <source>C&amp;onfirm quit game</source>
        <translation>Aufgeben &amp;bestätigen</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Kartengröße</translation>
    </message>
    <message>
        <source>&amp;Large buttons</source>
        <translation>&amp;Große Schaltflächen</translation>
    </message>
    <message>
        <source>&amp;Flat buttons</source>
        <translation>&amp;Flache Schaltflächen</translation>
    </message>
    <message>
        <source>Confirm on e&amp;xit</source>
        <translation>Beim &amp;Beenden bestätigen</translation>
    </message>
    <message>
        <source>&amp;Winning animation</source>
        <translation>&amp;Siegesanimation</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>Select a card back:</source>
        <translation>Kartenrücken wählen:</translation>
    </message>
    <message>
        <source>&amp;Decks  </source>
        <translation>&amp;Karten  </translation>
    </message>
    <message>
        <source>Select a background:</source>
        <translation>Hintergrund wählen:</translation>
    </message>
    <message>
        <source>&amp;Fade background</source>
        <translation>Hintergrund &amp;verblassen</translation>
    </message>
    <message>
        <source>&amp;Backgrounds</source>
        <translation>&amp;Hintergründe</translation>
    </message>
    <message>
        <source>Disable all &amp;sounds</source>
        <translation>Alle &amp;Klänge ausschalten</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Klänge</translation>
    </message>
    <message>
        <source>&amp;Language of the program:</source>
        <translation>&amp;Sprache des Programms:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Die Sprache des Desktops</translation>
    </message>
    <message>
        <source>The texts change at the next start of the program.</source>
        <translation>Die Texte ändern sich beim nächsten Start des Programms.</translation>
    </message>
    <message>
        <source>L&amp;anguage</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cannot find the help file:<byte value="xd"/></source>
        <translation>Die Hilfedatei wurde nicht gefunden:<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmDealNumber</name>
    <message>
        <source>Deal number</source>
        <translation>Verteilungsnummer</translation>
    </message>
    <message>
        <source>Deal &amp;number (up to 13 digits):</source>
        <translation>Verteilungs&amp;nummer (bis zu 13 Ziffern):</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmHelp</name>
    <message>
        <source>Vellomir Help</source>
        <translation>Vellomir-Hilfe</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Open a game</source>
        <translation>Spiel ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>Neu&amp;start</translation>
    </message>
    <message>
        <source>&amp;Deal number...</source>
        <translation>&amp;Verteilungsnummer...</translation>
    </message>
    <message>
        <source>&amp;Restart game</source>
        <translation>Spiel neu &amp;starten</translation>
    </message>
    <message>
        <source>R&amp;andom game</source>
        <translation>&amp;Zufälliges Spiel</translation>
    </message>
    <message>
        <source>&amp;Select a game number...</source>
        <translation>Spiel&amp;nummer wählen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>S&amp;pieler...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistik...</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>Spiel &amp;aufgeben</translation>
    </message>
    <message>
        <source>&amp;Hold and exit</source>
        <translation>&amp;Halten und beenden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Au&amp;toplay</source>
        <translation>Automatisch &amp;spielen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <source>&amp;Winnable deals only</source>
        <translation>Nur &amp;gewinnbare Verteilungen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>S&amp;napshot position</source>
        <translation>Stellung &amp;merken</translation>
    </message>
    <message>
        <source>&amp;Insert bookmark</source>
        <translation>Lesezeichen &amp;setzen</translation>
    </message>
    <message>
        <source>&amp;Go to bookmark</source>
        <translation>&amp;Zum Lesezeichen</translation>
    </message>
    <message>
        <source>Game &amp;information...</source>
        <translation>Spiel&amp;informationen...</translation>
    </message>
    <message>
        <source>&amp;Card counter</source>
        <translation>&amp;Kartenzähler</translation>
    </message>
    <message>
        <source>Show &amp;time</source>
        <translation>&amp;Zeit anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;score</source>
        <translation>&amp;Punkte anzeigen</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>S&amp;tatistik</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>C&amp;ustomize...</source>
        <translation>&amp;Anpassen...</translation>
    </message>
    <message>
        <source>Customize &amp;rules...</source>
        <translation>&amp;Regeln anpassen...</translation>
    </message>
    <message>
        <source>&amp;Favorite games...</source>
        <translation>&amp;Lieblingsspiele...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regeln</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>&amp;Tipp des Tages</translation>
    </message>
    <message>
        <source>A&amp;bout [Program]...</source>
        <translation>Ü&amp;ber [Program]...</translation>
    </message>
    <message>
        <source>Card backs, backgrounds, sounds and confirmations</source>
        <translation>Kartenrücken, Hintergründe, Klänge und Rückfragen</translation>
    </message>
    <message>
        <source>Cannot find the help file:<byte value="xd"/></source>
        <translation>Die Hilfedatei wurde nicht gefunden:<byte value="xd"/></translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>There is no game number %1.</source>
        <translation>Es gibt kein Spiel Nummer %1.</translation>
    </message>
    <message>
        <source>Exit Vellomir?</source>
        <translation>Vellomir beenden?</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Züge: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>Talon: %1</translation>
    </message>
    <message>
        <source>Passes left: %1</source>
        <translation>Verbleibende Durchgänge: %1</translation>
    </message>
    <message>
        <source>Table scroll bar</source>
        <translation>Bildlaufleiste des Tisches</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>How long the game in play has run</source>
        <translation>Wie lange das laufende Spiel schon dauert</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>The score of the game in play</source>
        <translation>Die Punkte des laufenden Spiels</translation>
    </message>
    <message>
        <source>Vellomir could not save everything as it closed:</source>
        <translation>Vellomir konnte beim Beenden nicht alles speichern:</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmMsgAdvice</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show this message box again</source>
        <translation>Diese Meldung nicht mehr &amp;anzeigen</translation>
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
        <translation>Lang</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Kurz</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Very high</source>
        <translation>Sehr hoch</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Very low</source>
        <translation>Sehr niedrig</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Schwierig</translation>
    </message>
    <message>
        <source>Mostly skill</source>
        <translation>Vor allem Geschick</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Mäßig</translation>
    </message>
    <message>
        <source>Mostly chance</source>
        <translation>Vor allem Glück</translation>
    </message>
    <message>
        <source>Chance only</source>
        <translation>Nur Glück</translation>
    </message>
    <message>
        <source> (about %1 in %2)</source>
        <translation> (etwa %1 von %2)</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>Open a game</source>
        <translation>Spiel öffnen</translation>
    </message>
    <message>
        <source>All games (alphabetically)</source>
        <translation>Alle Spiele (alphabetisch)</translation>
    </message>
    <message>
        <source>Select a game:</source>
        <translation>Spiel wählen:</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Difficulty level:</source>
        <translation>Schwierigkeit:</translation>
    </message>
    <message>
        <source>Chance of winning:</source>
        <translation>Gewinnchance:</translation>
    </message>
    <message>
        <source>Skill level:</source>
        <translation>Geschick:</translation>
    </message>
    <message>
        <source>Game time:</source>
        <translation>Spieldauer:</translation>
    </message>
    <message>
        <source>Redeals:</source>
        <translation>Neuverteilungen:</translation>
    </message>
    <message>
        <source>Decks:</source>
        <translation>Kartenspiele:</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Select a game</source>
        <translation>Ein Spiel wählen</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Won share</source>
        <translation>Gewinnanteil</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Beste Zeit</translation>
    </message>
    <message>
        <source>Reset this &amp;game</source>
        <translation>Dieses &amp;Spiel zurücksetzen</translation>
    </message>
    <message>
        <source>Reset &amp;all</source>
        <translation>&amp;Alle zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>All games played:</source>
        <translation>Alle gespielten Spiele:</translation>
    </message>
    <message>
        <source>No game on the table</source>
        <translation>Kein Spiel auf dem Tisch</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?</source>
        <translation>Die Statistik von %1 zurücksetzen?</translation>
    </message>
    <message>
        <source>Reset the statistics of every game?</source>
        <translation>Die Statistik aller Spiele zurücksetzen?</translation>
    </message>
</context>
</TS>
