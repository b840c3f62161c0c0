<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>vellomir: %1
Try &apos;vellomir --help&apos;.
</source>
        <translation>vellomir: %1
Pruebe &apos;vellomir --help&apos;.
</translation>
    </message>
    <message>
        <source>A collection of %1 patience card games.</source>
        <translation>Una colección de %1 solitarios de cartas.</translation>
    </message>
    <message>
        <source>Deal the game of number &lt;number&gt; (as vellomir-cli games lists them) at the start.</source>
        <translation>Al iniciar, reparte el juego número &lt;número&gt; (como los lista vellomir-cli games).</translation>
    </message>
    <message>
        <source>number</source>
        <translation>número</translation>
    </message>
    <message>
        <source>Deal the deal of number &lt;number&gt; (1 to 13 digits) at the start.</source>
        <translation>Al iniciar, reparte la mano número &lt;número&gt; (de 1 a 13 cifras).</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>bad game number &apos;%1&apos;</source>
        <translation>número de juego incorrecto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>bad deal number &apos;%1&apos;: a deal number is 1 to %2 digits</source>
        <translation>número de mano incorrecto &apos;%1&apos;: un número de mano tiene de 1 a %2 cifras</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message>
        <source>Games</source>
        <translation>Juegos</translation>
    </message>
    <message>
        <source>Pages of settings</source>
        <translation>Páginas de ajustes</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Error suit - 1</source>
        <translation>Error palo - 1</translation>
    </message>
    <message>
        <source>%1 win</source>
        <translation>%1 victoria</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 victorias</translation>
    </message>
    <message>
        <source>%1 loss</source>
        <translation>%1 derrota</translation>
    </message>
    <message>
        <source>%1 losses</source>
        <translation>%1 derrotas</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Won share</source>
        <translation>Porcentaje ganado</translation>
    </message>
    <message>
        <source>Current streak</source>
        <translation>Racha actual</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Racha de victorias más larga</translation>
    </message>
    <message>
        <source>Longest losing streak</source>
        <translation>Racha de derrotas más larga</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Menos movimientos</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Mejor puntuación</translation>
    </message>
    <message>
        <source>Every place of the line holds a pile: move a pile before dealing the next card.</source>
        <translation>Cada lugar de la fila tiene un montón: mueva un montón antes de repartir la siguiente carta.</translation>
    </message>
    <message>
        <source>Fill in any gaps in the tableau before dealing.</source>
        <translation>Rellene los huecos del tablero antes de repartir.</translation>
    </message>
    <message>
        <source>Quit this game?</source>
        <translation>¿Abandonar esta partida?</translation>
    </message>
    <message>
        <source>Error 01 - fnGameNumberCardsArray</source>
        <translation>Error 01 - fnGameNumberCardsArray</translation>
    </message>
    <message>
        <source>At this time your video driver supports 256 colors or less. This program takes advantage of the 16 bit (65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. <byte value="xd"/>If your video driver allows High or True color mode settings (16 bit or 24 bit), modify your screen resolution using the Display Properties Settings in the Control Panel.</source>
        <translation>En este momento su controlador de vídeo admite 256 colores o menos. Este programa aprovecha las paletas de 16 bits (65.536 colores) o de 24 bits (16,8 millones de colores) o resoluciones mayores. <byte value="xd"/>Si su controlador de vídeo permite los modos de color de alta densidad o color verdadero (16 o 24 bits), cambie la resolución de la pantalla en la configuración de pantalla del Panel de control.</translation>
    </message>
    <message>
        <source>The folder %1 holds your preferences and statistics but cannot be written, so this run keeps its files in %2 instead: what is in %1 is not used. Make that folder writable to go on with it.</source>
        <translation>La carpeta %1 contiene sus preferencias y estadísticas pero no se puede escribir, así que esta ejecución guarda sus archivos en %2: lo que hay en %1 no se usa. Haga que esa carpeta se pueda escribir para seguir con ella.</translation>
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
        <translation>Klondike (tres cartas)</translation>
    </message>
    <message>
        <source>Thoughtful</source>
        <translation>Pensativo</translation>
    </message>
    <message>
        <source>Whitehead</source>
        <translation>Whitehead</translation>
    </message>
    <message>
        <source>Thumb and Pouch</source>
        <translation>Pulgar y bolsa</translation>
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
        <translation>Klondike doble</translation>
    </message>
    <message>
        <source>Gargantua</source>
        <translation>Gargantúa</translation>
    </message>
    <message>
        <source>FreeCell</source>
        <translation>FreeCell</translation>
    </message>
    <message>
        <source>Baker&apos;s Game</source>
        <translation>Juego del panadero</translation>
    </message>
    <message>
        <source>Eight Off</source>
        <translation>Ocho fuera</translation>
    </message>
    <message>
        <source>Seahaven Towers</source>
        <translation>Torres de Seahaven</translation>
    </message>
    <message>
        <source>Castles in Spain</source>
        <translation>Castillos en España</translation>
    </message>
    <message>
        <source>Portuguese Solitaire</source>
        <translation>Solitario portugués</translation>
    </message>
    <message>
        <source>Martha</source>
        <translation>Marta</translation>
    </message>
    <message>
        <source>Beleaguered Castle</source>
        <translation>Castillo asediado</translation>
    </message>
    <message>
        <source>Streets and Alleys</source>
        <translation>Calles y callejones</translation>
    </message>
    <message>
        <source>Citadel</source>
        <translation>Ciudadela</translation>
    </message>
    <message>
        <source>Fortress</source>
        <translation>Fortaleza</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Abanico</translation>
    </message>
    <message>
        <source>Scotch Patience</source>
        <translation>Solitario escocés</translation>
    </message>
    <message>
        <source>Shamrocks</source>
        <translation>Tréboles</translation>
    </message>
    <message>
        <source>Canfield</source>
        <translation>Canfield</translation>
    </message>
    <message>
        <source>Storehouse</source>
        <translation>Almacén</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arcoíris</translation>
    </message>
    <message>
        <source>Forty Thieves</source>
        <translation>Cuarenta ladrones</translation>
    </message>
    <message>
        <source>Number Ten</source>
        <translation>Número diez</translation>
    </message>
    <message>
        <source>Lucas</source>
        <translation>Lucas</translation>
    </message>
    <message>
        <source>Maria</source>
        <translation>María</translation>
    </message>
    <message>
        <source>Limited</source>
        <translation>Limitado</translation>
    </message>
    <message>
        <source>Indian</source>
        <translation>Indio</translation>
    </message>
    <message>
        <source>Yukon</source>
        <translation>Yukón</translation>
    </message>
    <message>
        <source>Russian Solitaire</source>
        <translation>Solitario ruso</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Alaska</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pirámide</translation>
    </message>
    <message>
        <source>Monte Carlo</source>
        <translation>Montecarlo</translation>
    </message>
    <message>
        <source>Royal Marriage</source>
        <translation>Boda real</translation>
    </message>
    <message>
        <source>Fourteen Out</source>
        <translation>Catorce fuera</translation>
    </message>
    <message>
        <source>Elevens</source>
        <translation>Onces</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Dieces</translation>
    </message>
    <message>
        <source>Fifteens</source>
        <translation>Quinces</translation>
    </message>
    <message>
        <source>Eighteens</source>
        <translation>Dieciochos</translation>
    </message>
    <message>
        <source>Golf</source>
        <translation>Golf</translation>
    </message>
    <message>
        <source>Black Hole</source>
        <translation>Agujero negro</translation>
    </message>
    <message>
        <source>Aces Up</source>
        <translation>Ases arriba</translation>
    </message>
    <message>
        <source>Hit or Miss</source>
        <translation>Acierto o fallo</translation>
    </message>
    <message>
        <source>Sir Tommy</source>
        <translation>Sir Tommy</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>Ninety-One</source>
        <translation>Noventa y uno</translation>
    </message>
    <message>
        <source>Klondike (draw three, three passes)</source>
        <translation>Klondike (tres cartas, tres pasadas)</translation>
    </message>
    <message>
        <source>Vegas Klondike</source>
        <translation>Klondike Las Vegas</translation>
    </message>
    <message>
        <source>Pyramid (one pass)</source>
        <translation>Pirámide (una pasada)</translation>
    </message>
    <message>
        <source>Pyramid (unlimited passes)</source>
        <translation>Pirámide (pasadas ilimitadas)</translation>
    </message>
    <message>
        <source>Forty and Eight</source>
        <translation>Cuarenta y ocho</translation>
    </message>
    <message>
        <source>Josephine</source>
        <translation>Josefina</translation>
    </message>
    <message>
        <source>Streets</source>
        <translation>Calles</translation>
    </message>
    <message>
        <source>Napoleon&apos;s Exile</source>
        <translation>Exilio de Napoleón</translation>
    </message>
    <message>
        <source>Busy Aces</source>
        <translation>Ases ocupados</translation>
    </message>
    <message>
        <source>Famous Fifty</source>
        <translation>Famosos cincuenta</translation>
    </message>
    <message>
        <source>Emperor</source>
        <translation>Emperador</translation>
    </message>
    <message>
        <source>Rank and File</source>
        <translation>Filas y columnas</translation>
    </message>
    <message>
        <source>Diplomat</source>
        <translation>Diplomático</translation>
    </message>
    <message>
        <source>Relaxed FreeCell</source>
        <translation>FreeCell relajado</translation>
    </message>
    <message>
        <source>Seven by Four</source>
        <translation>Siete por cuatro</translation>
    </message>
    <message>
        <source>Seven by Five</source>
        <translation>Siete por cinco</translation>
    </message>
    <message>
        <source>King Albert</source>
        <translation>Rey Alberto</translation>
    </message>
    <message>
        <source>Superior Canfield</source>
        <translation>Canfield superior</translation>
    </message>
    <message>
        <source>Rainfall</source>
        <translation>Lluvia</translation>
    </message>
    <message>
        <source>Chameleon</source>
        <translation>Camaleón</translation>
    </message>
    <message>
        <source>Moosehide</source>
        <translation>Piel de alce</translation>
    </message>
    <message>
        <source>Gypsy</source>
        <translation>Gitano</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Araña</translation>
    </message>
    <message>
        <source>Spiderette</source>
        <translation>Arañita</translation>
    </message>
    <message>
        <source>Scorpion</source>
        <translation>Escorpión</translation>
    </message>
    <message>
        <source>Simple Simon</source>
        <translation>Simón el simple</translation>
    </message>
    <message>
        <source>Baker&apos;s Dozen</source>
        <translation>Docena del panadero</translation>
    </message>
    <message>
        <source>Spanish Patience</source>
        <translation>Solitario español</translation>
    </message>
    <message>
        <source>Odessa</source>
        <translation>Odesa</translation>
    </message>
    <message>
        <source>Roslin</source>
        <translation>Roslin</translation>
    </message>
    <message>
        <source>Double Yukon</source>
        <translation>Yukón doble</translation>
    </message>
    <message>
        <source>Double Russian Solitaire</source>
        <translation>Solitario ruso doble</translation>
    </message>
    <message>
        <source>Trigon</source>
        <translation>Trígono</translation>
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
        <translation>Ponlas en orden (cuadrado 3x3)</translation>
    </message>
    <message>
        <source>Put-Them-In-Order (4x4 square)</source>
        <translation>Ponlas en orden (cuadrado 4x4)</translation>
    </message>
    <message>
        <source>Put-Them-In-Order (5x5 square)</source>
        <translation>Ponlas en orden (cuadrado 5x5)</translation>
    </message>
    <message>
        <source>Blind Alleys</source>
        <translation>Callejones sin salida</translation>
    </message>
    <message>
        <source>Chinaman</source>
        <translation>Chinaman</translation>
    </message>
    <message>
        <source>Smokey</source>
        <translation>Humeante</translation>
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
        <translation>Bote americano</translation>
    </message>
    <message>
        <source>Canister</source>
        <translation>Bote</translation>
    </message>
    <message>
        <source>British Canister</source>
        <translation>Bote británico</translation>
    </message>
    <message>
        <source>Athena</source>
        <translation>Atenea</translation>
    </message>
    <message>
        <source>Will o&apos; the Wisp</source>
        <translation>Fuego fatuo</translation>
    </message>
    <message>
        <source>Wasp</source>
        <translation>Avispa</translation>
    </message>
    <message>
        <source>Stronghold</source>
        <translation>Baluarte</translation>
    </message>
    <message>
        <source>Fastness</source>
        <translation>Plaza fuerte</translation>
    </message>
    <message>
        <source>Osmosis</source>
        <translation>Ósmosis</translation>
    </message>
    <message>
        <source>Peek</source>
        <translation>Vistazo</translation>
    </message>
    <message>
        <source>La Belle Lucie</source>
        <translation>La bella Lucía</translation>
    </message>
    <message>
        <source>Trefoil</source>
        <translation>Trébol</translation>
    </message>
    <message>
        <source>Cruel</source>
        <translation>Cruel</translation>
    </message>
    <message>
        <source>TriPeaks</source>
        <translation>Tres picos</translation>
    </message>
    <message>
        <source>Spider (one suit)</source>
        <translation>Araña (un palo)</translation>
    </message>
    <message>
        <source>Spider (two suits)</source>
        <translation>Araña (dos palos)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Terrace</source>
        <translation>Terraza</translation>
    </message>
    <message>
        <source>Montana</source>
        <translation>Montana</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Acordeón</translation>
    </message>
    <message>
        <source>Carpet</source>
        <translation>Alfombra</translation>
    </message>
    <message>
        <source>Bisley</source>
        <translation>Bisley</translation>
    </message>
    <message>
        <source>Algerian Patience</source>
        <translation>Solitario argelino</translation>
    </message>
    <message>
        <source>Bristol</source>
        <translation>Bristol</translation>
    </message>
    <message>
        <source>Four Seasons</source>
        <translation>Cuatro estaciones</translation>
    </message>
    <message>
        <source>Saratoga</source>
        <translation>Saratoga</translation>
    </message>
    <message>
        <source>Gold Mine</source>
        <translation>Mina de oro</translation>
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
        <translation>Tablero de ajedrez</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Cebra</translation>
    </message>
    <message>
        <source>Ali Baba</source>
        <translation>Alí Babá</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Luna menguante</translation>
    </message>
    <message>
        <source>Corona</source>
        <translation>Corona</translation>
    </message>
    <message>
        <source>Quadrangle</source>
        <translation>Cuadrángulo</translation>
    </message>
    <message>
        <source>Triple Line</source>
        <translation>Triple línea</translation>
    </message>
    <message>
        <source>Midshipman</source>
        <translation>Guardiamarina</translation>
    </message>
    <message>
        <source>Little Forty</source>
        <translation>Pequeños cuarenta</translation>
    </message>
    <message>
        <source>Lucky Thirteen</source>
        <translation>Trece de la suerte</translation>
    </message>
    <message>
        <source>Lucky Piles</source>
        <translation>Montones de la suerte</translation>
    </message>
    <message>
        <source>Queen Victoria</source>
        <translation>Reina Victoria</translation>
    </message>
    <message>
        <source>Relaxed Spider</source>
        <translation>Araña relajada</translation>
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
        <translation>Golf relajado</translation>
    </message>
    <message>
        <source>Big Forty</source>
        <translation>Gran cuarenta</translation>
    </message>
    <message>
        <source>American Toad</source>
        <translation>Sapo americano</translation>
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
        <translation>Cuadrado de Napoleón</translation>
    </message>
    <message>
        <source>Chinese Discipline</source>
        <translation>Disciplina china</translation>
    </message>
    <message>
        <source>Auld Lang Syne</source>
        <translation>Auld Lang Syne</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Estrategia</translation>
    </message>
    <message>
        <source>Eagle Wing</source>
        <translation>Ala de águila</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingüino</translation>
    </message>
    <message>
        <source>Grandfather&apos;s Clock</source>
        <translation>Reloj del abuelo</translation>
    </message>
    <message>
        <source>Nestor</source>
        <translation>Néstor</translation>
    </message>
    <message>
        <source>Free Fan</source>
        <translation>Abanico libre</translation>
    </message>
    <message>
        <source>Box Fan</source>
        <translation>Abanico de caja</translation>
    </message>
    <message>
        <source>Penelope&apos;s Web</source>
        <translation>La tela de Penélope</translation>
    </message>
    <message>
        <source>Three Blind Mice</source>
        <translation>Tres ratones ciegos</translation>
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
        <translation>Reyes exiliados</translation>
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
        <translation>Motivo de divorcio</translation>
    </message>
    <message>
        <source>Flower Garden</source>
        <translation>Jardín de flores</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Reyes</translation>
    </message>
    <message>
        <source>Three Shuffles and a Draw</source>
        <translation>Tres barajadas y un robo</translation>
    </message>
    <message>
        <source>Miss Milligan</source>
        <translation>Miss Milligan</translation>
    </message>
    <message>
        <source>Braid</source>
        <translation>Trenza</translation>
    </message>
    <message>
        <source>Poker Square</source>
        <translation>Cuadrado de póquer</translation>
    </message>
    <message>
        <source>Picture Gallery</source>
        <translation>Galería de cuadros</translation>
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
        <translation>ninguna</translation>
    </message>
    <message>
        <source>one</source>
        <translation>una</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>eleven</source>
        <translation>once</translation>
    </message>
    <message>
        <source>twelve</source>
        <translation>doce</translation>
    </message>
    <message>
        <source>thirteen</source>
        <translation>trece</translation>
    </message>
    <message>
        <source>fourteen</source>
        <translation>catorce</translation>
    </message>
    <message>
        <source>fifteen</source>
        <translation>quince</translation>
    </message>
    <message>
        <source>sixteen</source>
        <translation>dieciséis</translation>
    </message>
    <message>
        <source>seventeen</source>
        <translation>diecisiete</translation>
    </message>
    <message>
        <source>eighteen</source>
        <translation>dieciocho</translation>
    </message>
    <message>
        <source>nineteen</source>
        <translation>diecinueve</translation>
    </message>
    <message>
        <source>twenty</source>
        <translation>veinte</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>comodín</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>hueco</translation>
    </message>
    <message>
        <source>ace of hearts</source>
        <translation>as de corazones</translation>
    </message>
    <message>
        <source>two of hearts</source>
        <translation>dos de corazones</translation>
    </message>
    <message>
        <source>three of hearts</source>
        <translation>tres de corazones</translation>
    </message>
    <message>
        <source>four of hearts</source>
        <translation>cuatro de corazones</translation>
    </message>
    <message>
        <source>five of hearts</source>
        <translation>cinco de corazones</translation>
    </message>
    <message>
        <source>six of hearts</source>
        <translation>seis de corazones</translation>
    </message>
    <message>
        <source>seven of hearts</source>
        <translation>siete de corazones</translation>
    </message>
    <message>
        <source>eight of hearts</source>
        <translation>ocho de corazones</translation>
    </message>
    <message>
        <source>nine of hearts</source>
        <translation>nueve de corazones</translation>
    </message>
    <message>
        <source>ten of hearts</source>
        <translation>diez de corazones</translation>
    </message>
    <message>
        <source>jack of hearts</source>
        <translation>jota de corazones</translation>
    </message>
    <message>
        <source>queen of hearts</source>
        <translation>reina de corazones</translation>
    </message>
    <message>
        <source>king of hearts</source>
        <translation>rey de corazones</translation>
    </message>
    <message>
        <source>ace of diamonds</source>
        <translation>as de diamantes</translation>
    </message>
    <message>
        <source>two of diamonds</source>
        <translation>dos de diamantes</translation>
    </message>
    <message>
        <source>three of diamonds</source>
        <translation>tres de diamantes</translation>
    </message>
    <message>
        <source>four of diamonds</source>
        <translation>cuatro de diamantes</translation>
    </message>
    <message>
        <source>five of diamonds</source>
        <translation>cinco de diamantes</translation>
    </message>
    <message>
        <source>six of diamonds</source>
        <translation>seis de diamantes</translation>
    </message>
    <message>
        <source>seven of diamonds</source>
        <translation>siete de diamantes</translation>
    </message>
    <message>
        <source>eight of diamonds</source>
        <translation>ocho de diamantes</translation>
    </message>
    <message>
        <source>nine of diamonds</source>
        <translation>nueve de diamantes</translation>
    </message>
    <message>
        <source>ten of diamonds</source>
        <translation>diez de diamantes</translation>
    </message>
    <message>
        <source>jack of diamonds</source>
        <translation>jota de diamantes</translation>
    </message>
    <message>
        <source>queen of diamonds</source>
        <translation>reina de diamantes</translation>
    </message>
    <message>
        <source>king of diamonds</source>
        <translation>rey de diamantes</translation>
    </message>
    <message>
        <source>ace of clubs</source>
        <translation>as de tréboles</translation>
    </message>
    <message>
        <source>two of clubs</source>
        <translation>dos de tréboles</translation>
    </message>
    <message>
        <source>three of clubs</source>
        <translation>tres de tréboles</translation>
    </message>
    <message>
        <source>four of clubs</source>
        <translation>cuatro de tréboles</translation>
    </message>
    <message>
        <source>five of clubs</source>
        <translation>cinco de tréboles</translation>
    </message>
    <message>
        <source>six of clubs</source>
        <translation>seis de tréboles</translation>
    </message>
    <message>
        <source>seven of clubs</source>
        <translation>siete de tréboles</translation>
    </message>
    <message>
        <source>eight of clubs</source>
        <translation>ocho de tréboles</translation>
    </message>
    <message>
        <source>nine of clubs</source>
        <translation>nueve de tréboles</translation>
    </message>
    <message>
        <source>ten of clubs</source>
        <translation>diez de tréboles</translation>
    </message>
    <message>
        <source>jack of clubs</source>
        <translation>jota de tréboles</translation>
    </message>
    <message>
        <source>queen of clubs</source>
        <translation>reina de tréboles</translation>
    </message>
    <message>
        <source>king of clubs</source>
        <translation>rey de tréboles</translation>
    </message>
    <message>
        <source>ace of spades</source>
        <translation>as de picas</translation>
    </message>
    <message>
        <source>two of spades</source>
        <translation>dos de picas</translation>
    </message>
    <message>
        <source>three of spades</source>
        <translation>tres de picas</translation>
    </message>
    <message>
        <source>four of spades</source>
        <translation>cuatro de picas</translation>
    </message>
    <message>
        <source>five of spades</source>
        <translation>cinco de picas</translation>
    </message>
    <message>
        <source>six of spades</source>
        <translation>seis de picas</translation>
    </message>
    <message>
        <source>seven of spades</source>
        <translation>siete de picas</translation>
    </message>
    <message>
        <source>eight of spades</source>
        <translation>ocho de picas</translation>
    </message>
    <message>
        <source>nine of spades</source>
        <translation>nueve de picas</translation>
    </message>
    <message>
        <source>ten of spades</source>
        <translation>diez de picas</translation>
    </message>
    <message>
        <source>jack of spades</source>
        <translation>jota de picas</translation>
    </message>
    <message>
        <source>queen of spades</source>
        <translation>reina de picas</translation>
    </message>
    <message>
        <source>king of spades</source>
        <translation>rey de picas</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Mazo</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Descarte</translation>
    </message>
    <message>
        <source>Discard pile</source>
        <translation>Pila de descarte</translation>
    </message>
    <message>
        <source>Foundation %1</source>
        <translation>Fundación %1</translation>
    </message>
    <message>
        <source>Tableau %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Reserve %1</source>
        <translation>Reserva %1</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1: vacía</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>carta boca abajo</translation>
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
        <translation>%1: %2 cartas</translation>
    </message>
    <message>
        <source>%1: %2, on one card</source>
        <translation>%1: %2, sobre una carta</translation>
    </message>
    <message>
        <source>%1: %2, on %3 cards</source>
        <translation>%1: %2, sobre %3 cartas</translation>
    </message>
    <message>
        <source>one face-down card</source>
        <translation>una carta boca abajo</translation>
    </message>
    <message>
        <source>%1 face-down cards</source>
        <translation>%1 cartas boca abajo</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1: %2, on %3</source>
        <translation>%1: %2, sobre %3</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <source>Card table</source>
        <translation>Mesa de juego</translation>
    </message>
    <message>
        <source>Arrow keys move the focus over the piles and the cards that can be taken. Enter or Space takes the focused card, or puts the carried cards on the focused pile. Tab goes through the piles that take the carried cards. F sends the focused card to a foundation. Esc puts the cards back.</source>
        <translation>Las flechas mueven el foco por las pilas y las cartas que se pueden tomar. Intro o Espacio toma la carta con el foco, o pone las cartas llevadas en la pila con el foco. Tab recorre las pilas que aceptan las cartas llevadas. F envía la carta con el foco a una fundación. Esc devuelve las cartas a su sitio.</translation>
    </message>
    <message>
        <source>Announcement</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>New deal: %1</source>
        <translation>Nueva mano: %1</translation>
    </message>
    <message>
        <source>The cards were dealt.</source>
        <translation>Se han repartido las cartas.</translation>
    </message>
    <message>
        <source>Game won.</source>
        <translation>Partida ganada.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Partida terminada.</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>Estado: %1</translation>
    </message>
    <message>
        <source>Taken: %1</source>
        <translation>Tomada: %1</translation>
    </message>
    <message>
        <source>Taken: %1 with the card on it</source>
        <translation>Tomada: %1 con la carta de encima</translation>
    </message>
    <message>
        <source>Taken: %1 with the %2 cards on it</source>
        <translation>Tomada: %1 con las %2 cartas de encima</translation>
    </message>
    <message>
        <source>Focus on %1</source>
        <translation>Foco en %1</translation>
    </message>
    <message>
        <source>Enter puts the carried cards here</source>
        <translation>Intro pone aquí las cartas llevadas</translation>
    </message>
    <message>
        <source>No pile takes the carried cards.</source>
        <translation>Ninguna pila acepta las cartas llevadas.</translation>
    </message>
    <message>
        <source>That pile does not take them: the cards went back.</source>
        <translation>Esa pila no las acepta: las cartas han vuelto a su sitio.</translation>
    </message>
    <message>
        <source>No foundation takes it.</source>
        <translation>Ninguna fundación la acepta.</translation>
    </message>
</context>
<context>
    <name>WonGameTexts</name>
    <message>
        <source>You won %1!<byte value="xd"/><byte value="xd"/>Time: %2<byte value="xd"/>Score: %3<byte value="xd"/>Moves: %4<byte value="xd"/><byte value="xd"/></source>
        <translation>¡Ha ganado %1!<byte value="xd"/><byte value="xd"/>Tiempo: %2<byte value="xd"/>Puntos: %3<byte value="xd"/>Movimientos: %4<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>Your first win of this game.</source>
        <translation>Su primera victoria en este juego.</translation>
    </message>
    <message>
        <source>time</source>
        <translation>tiempo</translation>
    </message>
    <message>
        <source>score</source>
        <translation>puntuación</translation>
    </message>
    <message>
        <source>fewest moves</source>
        <translation>menos movimientos</translation>
    </message>
    <message>
        <source>No new best this time.</source>
        <translation>Esta vez no hay nuevo récord.</translation>
    </message>
    <message>
        <source>A new best: %1.</source>
        <translation>Nuevo récord: %1.</translation>
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
        <translation>La biblioteca de recursos %1 está dañada: algunas imágenes o sonidos pueden ser incorrectos. Vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The program&apos;s folder has a path longer than %1 characters:<byte value="xd"/>%2</source>
        <translation>La carpeta del programa tiene una ruta de más de %1 caracteres:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Vellomir is already running with the data folder<byte value="xd"/>%1</source>
        <translation>Vellomir ya se está ejecutando con la carpeta de datos<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source><byte value="xd"/>on the computer %1</source>
        <translation><byte value="xd"/>en el equipo %1</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>Only one copy at a time can keep the preferences and statistics there. Close the other copy first; if none runs, remove the file<byte value="xd"/>%1</source>
        <translation>.<byte value="xd"/>Solo una copia a la vez puede guardar allí las preferencias y las estadísticas. Cierre primero la otra copia; si no hay ninguna, elimine el archivo<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Cannot find file:<byte value="xd"/></source>
        <translation>No se encuentra el archivo:<byte value="xd"/></translation>
    </message>
    <message>
        <source><byte value="xd"/>Copy the file into the directory that above is specified<byte value="xd"/>or reinstall the program.</source>
        <translation><byte value="xd"/>Copie el archivo en la carpeta indicada arriba<byte value="xd"/>o reinstale el programa.</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>Cannot find images file:<byte value="xd"/></source>
        <translation>No se encuentra el archivo de imágenes:<byte value="xd"/></translation>
    </message>
    <message>
        <source> (pictures </source>
        <translation> (imágenes </translation>
    </message>
    <message>
        <source>)<byte value="xd"/>Some program components cannot be shown correctly.<byte value="xd"/>Copy the file into the directory that above is specified<byte value="xd"/>or reinstall the program.</source>
        <translation>)<byte value="xd"/>Algunas partes del programa no se pueden mostrar correctamente.<byte value="xd"/>Copie el archivo en la carpeta indicada arriba<byte value="xd"/>o reinstale el programa.</translation>
    </message>
    <message>
        <source>Can&apos;t find/load </source>
        <translation>No se puede encontrar/cargar </translation>
    </message>
    <message>
        <source>Vellomir cannot start: its lock file<byte value="xd"/>%1<byte value="xd"/>is not a file (a folder or something else stands there). Remove it and start again.</source>
        <translation>Vellomir no puede iniciarse: su archivo de bloqueo<byte value="xd"/>%1<byte value="xd"/>no es un archivo (hay una carpeta u otra cosa en su lugar). Elimínelo y vuelva a iniciarlo.</translation>
    </message>
    <message>
        <source>,<byte value="xd"/>but that copy (process %1) is stopped and does not answer.<byte value="xd"/>Let it go on (kill -CONT %1) or end it, then start again.</source>
        <translation>,<byte value="xd"/>pero esa copia (proceso %1) está detenida y no responde.<byte value="xd"/>Deje que continúe (kill -CONT %1) o ciérrela, y vuelva a empezar.</translation>
    </message>
</context>
<context>
    <name>vellomir::render::TableOverlays</name>
    <message>
        <source>Customized background image not found: </source>
        <translation>No se encuentra la imagen de fondo personalizada: </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Cannot find images file:
</source>
        <translation>No se encuentra el archivo de imágenes:
</translation>
    </message>
    <message>
        <source>
Some program components cannot be shown correctly.
Copy the file into the directory that above is specified
or reinstall the program.</source>
        <translation>
Algunas partes del programa no se pueden mostrar correctamente.
Copie el archivo en la carpeta indicada arriba
o reinstale el programa.</translation>
    </message>
    <message>
        <source>Joker = </source>
        <translation>Comodín = </translation>
    </message>
    <message>
        <source>Joker=</source>
        <translation>Comodín=</translation>
    </message>
</context>
<context>
    <name>vellomir::resources::ResourceLibrary</name>
    <message>
        <source>it is not a resource file</source>
        <translation>no es un archivo de recursos</translation>
    </message>
    <message>
        <source>its format version %1 is unknown</source>
        <translation>su versión de formato %1 es desconocida</translation>
    </message>
    <message>
        <source>it is cut short (its header points past its end)</source>
        <translation>está cortado (su cabecera apunta más allá de su final)</translation>
    </message>
    <message>
        <source>the name of entry %1 lies outside the file</source>
        <translation>el nombre de la entrada %1 está fuera del archivo</translation>
    </message>
    <message>
        <source>folder entry %1 lists entries outside the file</source>
        <translation>la entrada de carpeta %1 lista entradas fuera del archivo</translation>
    </message>
    <message>
        <source>entry %1 is listed twice</source>
        <translation>la entrada %1 aparece dos veces</translation>
    </message>
    <message>
        <source>the data of entry %1 lies outside the file</source>
        <translation>los datos de la entrada %1 están fuera del archivo</translation>
    </message>
    <message>
        <source>the data of entry %1 is damaged</source>
        <translation>los datos de la entrada %1 están dañados</translation>
    </message>
    <message>
        <source>the file is missing or cannot be read</source>
        <translation>el archivo falta o no se puede leer</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::CustomizeTrees</name>
    <message>
        <source>Animals</source>
        <translation>Animales</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Peces tropicales</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Niños</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Muñeco de nieve</translation>
    </message>
    <message>
        <source>Classics</source>
        <translation>Clásicos</translation>
    </message>
    <message>
        <source>Classic blue</source>
        <translation>Azul clásico</translation>
    </message>
    <message>
        <source>Famous pictures</source>
        <translation>Cuadros famosos</translation>
    </message>
    <message>
        <source>Claude Monet</source>
        <translation>Claude Monet</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Flores</translation>
    </message>
    <message>
        <source>Roses</source>
        <translation>Rosas</translation>
    </message>
    <message>
        <source>Geometric</source>
        <translation>Geométricos</translation>
    </message>
    <message>
        <source>Plaiting 1</source>
        <translation>Trenzado 1</translation>
    </message>
    <message>
        <source>Plaiting 2</source>
        <translation>Trenzado 2</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>Naturaleza</translation>
    </message>
    <message>
        <source>Lake</source>
        <translation>Lago</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Over 256 colors</source>
        <translation>Más de 256 colores</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Metal gold</source>
        <translation>Oro metálico</translation>
    </message>
    <message>
        <source>Meadow</source>
        <translation>Pradera</translation>
    </message>
    <message>
        <source>Tissue</source>
        <translation>Tejido</translation>
    </message>
    <message>
        <source>Moquette 1</source>
        <translation>Moqueta 1</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Muros</translation>
    </message>
    <message>
        <source>Brick wall 1</source>
        <translation>Muro de ladrillo 1</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Madera</translation>
    </message>
    <message>
        <source>Parquet</source>
        <translation>Parqué</translation>
    </message>
    <message>
        <source>Under 256 colors</source>
        <translation>Hasta 256 colores</translation>
    </message>
    <message>
        <source>Geometricals</source>
        <translation>Geométricos</translation>
    </message>
    <message>
        <source>Moquette</source>
        <translation>Moqueta</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::SolverAssistant</name>
    <message>
        <source>The game is won: start a new game to count it.</source>
        <translation>La partida está ganada: empiece una nueva para contarla.</translation>
    </message>
    <message>
        <source>This game cannot be won from here.</source>
        <translation>Esta partida no se puede ganar desde aquí.</translation>
    </message>
    <message>
        <source>No win was found from here.</source>
        <translation>No se encontró una victoria desde aquí.</translation>
    </message>
    <message>
        <source><byte value="xd"/>It could be won before the last move. Undo the last move?</source>
        <translation><byte value="xd"/>Se podía ganar antes del último movimiento. ¿Deshacer el último movimiento?</translation>
    </message>
    <message>
        <source>Looking for a winnable deal...</source>
        <translation>Buscando una mano ganable...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Looking for a winnable deal: deal %1 of %2...</source>
        <translation>Buscando una mano ganable: mano %1 de %2...</translation>
    </message>
    <message>
        <source>None of the %1 deals tried could be shown to be winnable within a second. An ordinary deal is dealt.</source>
        <translation>Ninguna de las %1 manos probadas pudo mostrarse ganable en un segundo. Se reparte una mano corriente.</translation>
    </message>
    <message>
        <source>winnable</source>
        <translation>ganable</translation>
    </message>
    <message>
        <source>not winnable from here</source>
        <translation>no ganable desde aquí</translation>
    </message>
    <message>
        <source>searching</source>
        <translation>buscando</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmAbout</name>
    <message>
        <source>About [Program]</source>
        <translation>Acerca de [Program]</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Compilación %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmCustomize_Quorvane</name>
    <message>
        <source>Fit the window</source>
        <translation>Ajustar a la ventana</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>Grandes</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medianas</translation>
    </message>
    <message>
        <source>Little</source>
        <translation>Pequeñas</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizar</translation>
    </message>
    <message>
        <source>Time / Scores options</source>
        <translation>Opciones de tiempo / puntuación</translation>
    </message>
    <message>
        <source>Show &amp;time</source>
        <translation>Mostrar el &amp;tiempo</translation>
    </message>
    <message>
        <source>Show sco&amp;re</source>
        <translation>Mostrar la &amp;puntuación</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Mostrar </translation>
    </message>
    <message>
        <source>C&amp;onfirm quit game</source>
        <translation>C&amp;onfirmar el abandono de la partida</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Tamaño de las cartas</translation>
    </message>
    <message>
        <source>&amp;Large buttons</source>
        <translation>Botones &amp;grandes</translation>
    </message>
    <message>
        <source>&amp;Flat buttons</source>
        <translation>Botones &amp;planos</translation>
    </message>
    <message>
        <source>Confirm on e&amp;xit</source>
        <translation>Confirmar al &amp;salir</translation>
    </message>
    <message>
        <source>&amp;Winning animation</source>
        <translation>&amp;Animación de victoria</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>Select a card back:</source>
        <translation>Elija un reverso:</translation>
    </message>
    <message>
        <source>&amp;Decks  </source>
        <translation>&amp;Barajas  </translation>
    </message>
    <message>
        <source>Select a background:</source>
        <translation>Elija un fondo:</translation>
    </message>
    <message>
        <source>&amp;Fade background</source>
        <translation>&amp;Fondo degradado</translation>
    </message>
    <message>
        <source>&amp;Backgrounds</source>
        <translation>&amp;Fondos</translation>
    </message>
    <message>
        <source>Disable all &amp;sounds</source>
        <translation>Desactivar todos los &amp;sonidos</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sonidos</translation>
    </message>
    <message>
        <source>&amp;Language of the program:</source>
        <translation>&amp;Idioma del programa:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>El idioma del escritorio</translation>
    </message>
    <message>
        <source>The texts change at the next start of the program.</source>
        <translation>Los textos cambian en el próximo inicio del programa.</translation>
    </message>
    <message>
        <source>L&amp;anguage</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cannot find the help file:<byte value="xd"/></source>
        <translation>No se encuentra el archivo de ayuda:<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmDealNumber</name>
    <message>
        <source>Deal number</source>
        <translation>Número de mano</translation>
    </message>
    <message>
        <source>Deal &amp;number (up to 13 digits):</source>
        <translation>&amp;Número de mano (hasta 13 cifras):</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmHelp</name>
    <message>
        <source>Vellomir Help</source>
        <translation>Ayuda de Vellomir</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Open a game</source>
        <translation>&amp;Abrir un juego</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;Deal number...</source>
        <translation>Número de &amp;mano...</translation>
    </message>
    <message>
        <source>&amp;Restart game</source>
        <translation>&amp;Reiniciar la partida</translation>
    </message>
    <message>
        <source>R&amp;andom game</source>
        <translation>Juego al &amp;azar</translation>
    </message>
    <message>
        <source>&amp;Select a game number...</source>
        <translation>&amp;Elegir un número de juego...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>&amp;Jugadores...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>E&amp;stadísticas...</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>&amp;Abandonar la partida</translation>
    </message>
    <message>
        <source>&amp;Hold and exit</source>
        <translation>&amp;Guardar y salir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Au&amp;toplay</source>
        <translation>Juego au&amp;tomático</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>Re&amp;solver</translation>
    </message>
    <message>
        <source>&amp;Winnable deals only</source>
        <translation>Solo manos &amp;ganables</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>S&amp;napshot position</source>
        <translation>&amp;Instantánea de la posición</translation>
    </message>
    <message>
        <source>&amp;Insert bookmark</source>
        <translation>&amp;Insertar marcador</translation>
    </message>
    <message>
        <source>&amp;Go to bookmark</source>
        <translation>&amp;Ir al marcador</translation>
    </message>
    <message>
        <source>Game &amp;information...</source>
        <translation>&amp;Información del juego...</translation>
    </message>
    <message>
        <source>&amp;Card counter</source>
        <translation>&amp;Contador de cartas</translation>
    </message>
    <message>
        <source>Show &amp;time</source>
        <translation>Mostrar el &amp;tiempo</translation>
    </message>
    <message>
        <source>Show &amp;score</source>
        <translation>Mostrar la &amp;puntuación</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>E&amp;stadísticas</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>&amp;Barra de estado</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>C&amp;ustomize...</source>
        <translation>&amp;Personalizar...</translation>
    </message>
    <message>
        <source>Customize &amp;rules...</source>
        <translation>Personalizar las &amp;reglas...</translation>
    </message>
    <message>
        <source>&amp;Favorite games...</source>
        <translation>Juegos &amp;favoritos...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Reglas</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>&amp;Consejo del día</translation>
    </message>
    <message>
        <source>A&amp;bout [Program]...</source>
        <translation>A&amp;cerca de [Program]...</translation>
    </message>
    <message>
        <source>Card backs, backgrounds, sounds and confirmations</source>
        <translation>Reversos, fondos, sonidos y confirmaciones</translation>
    </message>
    <message>
        <source>Cannot find the help file:<byte value="xd"/></source>
        <translation>No se encuentra el archivo de ayuda:<byte value="xd"/></translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>There is no game number %1.</source>
        <translation>No existe el juego número %1.</translation>
    </message>
    <message>
        <source>Exit Vellomir?</source>
        <translation>¿Salir de Vellomir?</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Movimientos: %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>Mazo: %1</translation>
    </message>
    <message>
        <source>Passes left: %1</source>
        <translation>Pasadas restantes: %1</translation>
    </message>
    <message>
        <source>Table scroll bar</source>
        <translation>Barra de desplazamiento de la mesa</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>How long the game in play has run</source>
        <translation>Cuánto lleva la partida en curso</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>The score of the game in play</source>
        <translation>La puntuación de la partida en curso</translation>
    </message>
    <message>
        <source>Vellomir could not save everything as it closed:</source>
        <translation>Vellomir no pudo guardar todo al cerrarse:</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmMsgAdvice</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show this message box again</source>
        <translation>&amp;No volver a mostrar este mensaje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmOpenGame</name>
    <message>
        <source>Long</source>
        <translation>Larga</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Very high</source>
        <translation>Muy alta</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Very low</source>
        <translation>Muy baja</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Mostly skill</source>
        <translation>Sobre todo habilidad</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Moderada</translation>
    </message>
    <message>
        <source>Mostly chance</source>
        <translation>Sobre todo suerte</translation>
    </message>
    <message>
        <source>Chance only</source>
        <translation>Solo suerte</translation>
    </message>
    <message>
        <source> (about %1 in %2)</source>
        <translation> (unas %1 de %2)</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Ilimitadas</translation>
    </message>
    <message>
        <source>Open a game</source>
        <translation>Abrir un juego</translation>
    </message>
    <message>
        <source>All games (alphabetically)</source>
        <translation>Todos los juegos (por orden alfabético)</translation>
    </message>
    <message>
        <source>Select a game:</source>
        <translation>Elija un juego:</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Difficulty level:</source>
        <translation>Dificultad:</translation>
    </message>
    <message>
        <source>Chance of winning:</source>
        <translation>Probabilidad de ganar:</translation>
    </message>
    <message>
        <source>Skill level:</source>
        <translation>Habilidad:</translation>
    </message>
    <message>
        <source>Game time:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Redeals:</source>
        <translation>Redistribuciones:</translation>
    </message>
    <message>
        <source>Decks:</source>
        <translation>Barajas:</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Select a game</source>
        <translation>Elija un juego</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Won share</source>
        <translation>Porcentaje ganado</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Reset this &amp;game</source>
        <translation>Reiniciar este &amp;juego</translation>
    </message>
    <message>
        <source>Reset &amp;all</source>
        <translation>Reiniciar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>All games played:</source>
        <translation>Todos los juegos jugados:</translation>
    </message>
    <message>
        <source>No game on the table</source>
        <translation>Ninguna partida en la mesa</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?</source>
        <translation>¿Reiniciar las estadísticas de %1?</translation>
    </message>
    <message>
        <source>Reset the statistics of every game?</source>
        <translation>¿Reiniciar las estadísticas de todos los juegos?</translation>
    </message>
</context>
</TS>
