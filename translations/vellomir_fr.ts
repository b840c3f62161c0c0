<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>vellomir: %1
Try &apos;vellomir --help&apos;.
</source>
        <translation>vellomir : %1
Essayez &apos;vellomir --help&apos;.
</translation>
    </message>
    <message>
        <source>A collection of %1 patience card games.</source>
        <translation>Une collection de %1 réussites.</translation>
    </message>
    <message>
        <source>Deal the game of number &lt;number&gt; (as vellomir-cli games lists them) at the start.</source>
        <translation>Au démarrage, distribue le jeu numéro &lt;numéro&gt; (comme les liste vellomir-cli games).</translation>
    </message>
    <message>
        <source>number</source>
        <translation>numéro</translation>
    </message>
    <message>
        <source>Deal the deal of number &lt;number&gt; (1 to 13 digits) at the start.</source>
        <translation>Au démarrage, distribue la donne numéro &lt;numéro&gt; (1 à 13 chiffres).</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>bad game number &apos;%1&apos;</source>
        <translation>numéro de jeu incorrect &apos;%1&apos;</translation>
    </message>
    <message>
        <source>bad deal number &apos;%1&apos;: a deal number is 1 to %2 digits</source>
        <translation>numéro de donne incorrect &apos;%1&apos; : un numéro de donne a de 1 à %2 chiffres</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message>
        <source>Games</source>
        <translation>Jeux</translation>
    </message>
    <message>
        <source>Pages of settings</source>
        <translation>Pages des réglages</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Error suit - 1</source>
        <translation>Erreur couleur - 1</translation>
    </message>
    <message>
        <source>%1 win</source>
        <translation>%1 victoire</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 victoires</translation>
    </message>
    <message>
        <source>%1 loss</source>
        <translation>%1 défaite</translation>
    </message>
    <message>
        <source>%1 losses</source>
        <translation>%1 défaites</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jouées</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Won share</source>
        <translation>Part de victoires</translation>
    </message>
    <message>
        <source>Current streak</source>
        <translation>Série en cours</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Plus longue série de victoires</translation>
    </message>
    <message>
        <source>Longest losing streak</source>
        <translation>Plus longue série de défaites</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Moins de coups</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>Every place of the line holds a pile: move a pile before dealing the next card.</source>
        <translation>Chaque place de la rangée porte un tas : déplacez un tas avant de distribuer la carte suivante.</translation>
    </message>
    <message>
        <source>Fill in any gaps in the tableau before dealing.</source>
        <translation>Comblez les vides du tableau avant de distribuer.</translation>
    </message>
    <message>
        <source>Quit this game?</source>
        <translation>Abandonner cette partie ?</translation>
    </message>
    <message>
        <source>Error 01 - fnGameNumberCardsArray</source>
        <translation>Erreur 01 - fnGameNumberCardsArray</translation>
    </message>
    <message>
        <source>At this time your video driver supports 256 colors or less. This program takes advantage of the 16 bit (65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. <byte value="xd"/>If your video driver allows High or True color mode settings (16 bit or 24 bit), modify your screen resolution using the Display Properties Settings in the Control Panel.</source>
        <translation>Votre pilote vidéo prend actuellement en charge 256 couleurs ou moins. Ce programme tire parti des palettes 16 bits (65 536 couleurs) ou 24 bits (16,8 millions de couleurs) ou de résolutions plus élevées. <byte value="xd"/>Si votre pilote vidéo permet les modes High Color ou True Color (16 ou 24 bits), modifiez la résolution de l&apos;écran dans les paramètres d&apos;affichage du panneau de configuration.</translation>
    </message>
    <message>
        <source>The folder %1 holds your preferences and statistics but cannot be written, so this run keeps its files in %2 instead: what is in %1 is not used. Make that folder writable to go on with it.</source>
        <translation>Le dossier %1 contient vos préférences et vos statistiques mais ne peut pas être écrit : cette exécution garde donc ses fichiers dans %2. Le contenu de %1 n&apos;est pas utilisé. Rendez ce dossier accessible en écriture pour continuer avec lui.</translation>
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
        <translation>Klondike (trois cartes)</translation>
    </message>
    <message>
        <source>Thoughtful</source>
        <translation>Réfléchi</translation>
    </message>
    <message>
        <source>Whitehead</source>
        <translation>Whitehead</translation>
    </message>
    <message>
        <source>Thumb and Pouch</source>
        <translation>Pouce et bourse</translation>
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
        <translation>Double Klondike</translation>
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
        <translation>Jeu du boulanger</translation>
    </message>
    <message>
        <source>Eight Off</source>
        <translation>Huit dehors</translation>
    </message>
    <message>
        <source>Seahaven Towers</source>
        <translation>Tours de Seahaven</translation>
    </message>
    <message>
        <source>Castles in Spain</source>
        <translation>Châteaux en Espagne</translation>
    </message>
    <message>
        <source>Portuguese Solitaire</source>
        <translation>Réussite portugaise</translation>
    </message>
    <message>
        <source>Martha</source>
        <translation>Marthe</translation>
    </message>
    <message>
        <source>Beleaguered Castle</source>
        <translation>Château assiégé</translation>
    </message>
    <message>
        <source>Streets and Alleys</source>
        <translation>Rues et ruelles</translation>
    </message>
    <message>
        <source>Citadel</source>
        <translation>Citadelle</translation>
    </message>
    <message>
        <source>Fortress</source>
        <translation>Forteresse</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Éventail</translation>
    </message>
    <message>
        <source>Scotch Patience</source>
        <translation>Patience écossaise</translation>
    </message>
    <message>
        <source>Shamrocks</source>
        <translation>Trèfles</translation>
    </message>
    <message>
        <source>Canfield</source>
        <translation>Canfield</translation>
    </message>
    <message>
        <source>Storehouse</source>
        <translation>Entrepôt</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arc-en-ciel</translation>
    </message>
    <message>
        <source>Forty Thieves</source>
        <translation>Quarante voleurs</translation>
    </message>
    <message>
        <source>Number Ten</source>
        <translation>Numéro dix</translation>
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
        <translation>Limité</translation>
    </message>
    <message>
        <source>Indian</source>
        <translation>Indien</translation>
    </message>
    <message>
        <source>Yukon</source>
        <translation>Yukon</translation>
    </message>
    <message>
        <source>Russian Solitaire</source>
        <translation>Réussite russe</translation>
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
        <translation>Monte-Carlo</translation>
    </message>
    <message>
        <source>Royal Marriage</source>
        <translation>Mariage royal</translation>
    </message>
    <message>
        <source>Fourteen Out</source>
        <translation>Quatorze dehors</translation>
    </message>
    <message>
        <source>Elevens</source>
        <translation>Onze</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Fifteens</source>
        <translation>Quinze</translation>
    </message>
    <message>
        <source>Eighteens</source>
        <translation>Dix-huit</translation>
    </message>
    <message>
        <source>Golf</source>
        <translation>Golf</translation>
    </message>
    <message>
        <source>Black Hole</source>
        <translation>Trou noir</translation>
    </message>
    <message>
        <source>Aces Up</source>
        <translation>As en haut</translation>
    </message>
    <message>
        <source>Hit or Miss</source>
        <translation>Touché ou raté</translation>
    </message>
    <message>
        <source>Sir Tommy</source>
        <translation>Sir Tommy</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Ninety-One</source>
        <translation>Quatre-vingt-onze</translation>
    </message>
    <message>
        <source>Klondike (draw three, three passes)</source>
        <translation>Klondike (trois cartes, trois passes)</translation>
    </message>
    <message>
        <source>Vegas Klondike</source>
        <translation>Klondike Las Vegas</translation>
    </message>
    <message>
        <source>Pyramid (one pass)</source>
        <translation>Pyramide (une passe)</translation>
    </message>
    <message>
        <source>Pyramid (unlimited passes)</source>
        <translation>Pyramide (passes illimitées)</translation>
    </message>
    <message>
        <source>Forty and Eight</source>
        <translation>Quarante et huit</translation>
    </message>
    <message>
        <source>Josephine</source>
        <translation>Joséphine</translation>
    </message>
    <message>
        <source>Streets</source>
        <translation>Rues</translation>
    </message>
    <message>
        <source>Napoleon&apos;s Exile</source>
        <translation>Exil de Napoléon</translation>
    </message>
    <message>
        <source>Busy Aces</source>
        <translation>As occupés</translation>
    </message>
    <message>
        <source>Famous Fifty</source>
        <translation>Fameux cinquante</translation>
    </message>
    <message>
        <source>Emperor</source>
        <translation>Empereur</translation>
    </message>
    <message>
        <source>Rank and File</source>
        <translation>Rangs et files</translation>
    </message>
    <message>
        <source>Diplomat</source>
        <translation>Diplomate</translation>
    </message>
    <message>
        <source>Relaxed FreeCell</source>
        <translation>FreeCell détendu</translation>
    </message>
    <message>
        <source>Seven by Four</source>
        <translation>Sept par quatre</translation>
    </message>
    <message>
        <source>Seven by Five</source>
        <translation>Sept par cinq</translation>
    </message>
    <message>
        <source>King Albert</source>
        <translation>Roi Albert</translation>
    </message>
    <message>
        <source>Superior Canfield</source>
        <translation>Canfield supérieur</translation>
    </message>
    <message>
        <source>Rainfall</source>
        <translation>Averse</translation>
    </message>
    <message>
        <source>Chameleon</source>
        <translation>Caméléon</translation>
    </message>
    <message>
        <source>Moosehide</source>
        <translation>Peau d&apos;élan</translation>
    </message>
    <message>
        <source>Gypsy</source>
        <translation>Gitan</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Araignée</translation>
    </message>
    <message>
        <source>Spiderette</source>
        <translation>Petite araignée</translation>
    </message>
    <message>
        <source>Scorpion</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Simple Simon</source>
        <translation>Simple Simon</translation>
    </message>
    <message>
        <source>Baker&apos;s Dozen</source>
        <translation>Douzaine du boulanger</translation>
    </message>
    <message>
        <source>Spanish Patience</source>
        <translation>Patience espagnole</translation>
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
        <translation>Double Yukon</translation>
    </message>
    <message>
        <source>Double Russian Solitaire</source>
        <translation>Double réussite russe</translation>
    </message>
    <message>
        <source>Trigon</source>
        <translation>Trigone</translation>
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
        <translation>Mets-les en ordre (carré 3x3)</translation>
    </message>
    <message>
        <source>Put-Them-In-Order (4x4 square)</source>
        <translation>Mets-les en ordre (carré 4x4)</translation>
    </message>
    <message>
        <source>Put-Them-In-Order (5x5 square)</source>
        <translation>Mets-les en ordre (carré 5x5)</translation>
    </message>
    <message>
        <source>Blind Alleys</source>
        <translation>Culs-de-sac</translation>
    </message>
    <message>
        <source>Chinaman</source>
        <translation>Chinaman</translation>
    </message>
    <message>
        <source>Smokey</source>
        <translation>Enfumé</translation>
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
        <translation>Boîte américaine</translation>
    </message>
    <message>
        <source>Canister</source>
        <translation>Boîte</translation>
    </message>
    <message>
        <source>British Canister</source>
        <translation>Boîte britannique</translation>
    </message>
    <message>
        <source>Athena</source>
        <translation>Athéna</translation>
    </message>
    <message>
        <source>Will o&apos; the Wisp</source>
        <translation>Feu follet</translation>
    </message>
    <message>
        <source>Wasp</source>
        <translation>Guêpe</translation>
    </message>
    <message>
        <source>Stronghold</source>
        <translation>Bastion</translation>
    </message>
    <message>
        <source>Fastness</source>
        <translation>Place forte</translation>
    </message>
    <message>
        <source>Osmosis</source>
        <translation>Osmose</translation>
    </message>
    <message>
        <source>Peek</source>
        <translation>Coup d&apos;œil</translation>
    </message>
    <message>
        <source>La Belle Lucie</source>
        <translation>La Belle Lucie</translation>
    </message>
    <message>
        <source>Trefoil</source>
        <translation>Trèfle</translation>
    </message>
    <message>
        <source>Cruel</source>
        <translation>Cruel</translation>
    </message>
    <message>
        <source>TriPeaks</source>
        <translation>Trois pics</translation>
    </message>
    <message>
        <source>Spider (one suit)</source>
        <translation>Araignée (une couleur)</translation>
    </message>
    <message>
        <source>Spider (two suits)</source>
        <translation>Araignée (deux couleurs)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
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
        <translation>Accordéon</translation>
    </message>
    <message>
        <source>Carpet</source>
        <translation>Tapis</translation>
    </message>
    <message>
        <source>Bisley</source>
        <translation>Bisley</translation>
    </message>
    <message>
        <source>Algerian Patience</source>
        <translation>Patience algérienne</translation>
    </message>
    <message>
        <source>Bristol</source>
        <translation>Bristol</translation>
    </message>
    <message>
        <source>Four Seasons</source>
        <translation>Quatre saisons</translation>
    </message>
    <message>
        <source>Saratoga</source>
        <translation>Saratoga</translation>
    </message>
    <message>
        <source>Gold Mine</source>
        <translation>Mine d&apos;or</translation>
    </message>
    <message>
        <source>Aunt Mary</source>
        <translation>Aunt Mary</translation>
    </message>
    <message>
        <source>Agnes Sorel</source>
        <translation>Agnès Sorel</translation>
    </message>
    <message>
        <source>Chessboard</source>
        <translation>Échiquier</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zèbre</translation>
    </message>
    <message>
        <source>Ali Baba</source>
        <translation>Ali Baba</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Lune décroissante</translation>
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
        <translation>Triple ligne</translation>
    </message>
    <message>
        <source>Midshipman</source>
        <translation>Aspirant</translation>
    </message>
    <message>
        <source>Little Forty</source>
        <translation>Petits quarante</translation>
    </message>
    <message>
        <source>Lucky Thirteen</source>
        <translation>Treize porte-bonheur</translation>
    </message>
    <message>
        <source>Lucky Piles</source>
        <translation>Piles porte-bonheur</translation>
    </message>
    <message>
        <source>Queen Victoria</source>
        <translation>Reine Victoria</translation>
    </message>
    <message>
        <source>Relaxed Spider</source>
        <translation>Araignée détendue</translation>
    </message>
    <message>
        <source>Raw Prawn</source>
        <translation>Raw Prawn</translation>
    </message>
    <message>
        <source>Australian Patience</source>
        <translation>Réussite australienne</translation>
    </message>
    <message>
        <source>Ten Across</source>
        <translation>Ten Across</translation>
    </message>
    <message>
        <source>Relaxed Golf</source>
        <translation>Golf détendu</translation>
    </message>
    <message>
        <source>Big Forty</source>
        <translation>Grands quarante</translation>
    </message>
    <message>
        <source>American Toad</source>
        <translation>Crapaud américain</translation>
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
        <translation>Square de Napoléon</translation>
    </message>
    <message>
        <source>Chinese Discipline</source>
        <translation>Discipline chinoise</translation>
    </message>
    <message>
        <source>Auld Lang Syne</source>
        <translation>Auld Lang Syne</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Stratégie</translation>
    </message>
    <message>
        <source>Eagle Wing</source>
        <translation>Aile d&apos;aigle</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingouin</translation>
    </message>
    <message>
        <source>Grandfather&apos;s Clock</source>
        <translation>Horloge de grand-père</translation>
    </message>
    <message>
        <source>Nestor</source>
        <translation>Nestor</translation>
    </message>
    <message>
        <source>Free Fan</source>
        <translation>Éventail libre</translation>
    </message>
    <message>
        <source>Box Fan</source>
        <translation>Éventail en boîte</translation>
    </message>
    <message>
        <source>Penelope&apos;s Web</source>
        <translation>La Toile de Pénélope</translation>
    </message>
    <message>
        <source>Three Blind Mice</source>
        <translation>Trois souris aveugles</translation>
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
        <translation>Rois en exil</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Grenouille</translation>
    </message>
    <message>
        <source>Mount Olympus</source>
        <translation>Mont Olympe</translation>
    </message>
    <message>
        <source>Grounds for a Divorce</source>
        <translation>Motif de divorce</translation>
    </message>
    <message>
        <source>Flower Garden</source>
        <translation>Jardin fleuri</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Rois</translation>
    </message>
    <message>
        <source>Three Shuffles and a Draw</source>
        <translation>Trois mélanges et un tirage</translation>
    </message>
    <message>
        <source>Miss Milligan</source>
        <translation>Miss Milligan</translation>
    </message>
    <message>
        <source>Braid</source>
        <translation>Natte</translation>
    </message>
    <message>
        <source>Poker Square</source>
        <translation>Carré de poker</translation>
    </message>
    <message>
        <source>Picture Gallery</source>
        <translation>Galerie de tableaux</translation>
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
        <translation>aucune</translation>
    </message>
    <message>
        <source>one</source>
        <translation>une</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>eleven</source>
        <translation>onze</translation>
    </message>
    <message>
        <source>twelve</source>
        <translation>douze</translation>
    </message>
    <message>
        <source>thirteen</source>
        <translation>treize</translation>
    </message>
    <message>
        <source>fourteen</source>
        <translation>quatorze</translation>
    </message>
    <message>
        <source>fifteen</source>
        <translation>quinze</translation>
    </message>
    <message>
        <source>sixteen</source>
        <translation>seize</translation>
    </message>
    <message>
        <source>seventeen</source>
        <translation>dix-sept</translation>
    </message>
    <message>
        <source>eighteen</source>
        <translation>dix-huit</translation>
    </message>
    <message>
        <source>nineteen</source>
        <translation>dix-neuf</translation>
    </message>
    <message>
        <source>twenty</source>
        <translation>vingt</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>trou</translation>
    </message>
    <message>
        <source>ace of hearts</source>
        <translation>as de cœur</translation>
    </message>
    <message>
        <source>two of hearts</source>
        <translation>deux de cœur</translation>
    </message>
    <message>
        <source>three of hearts</source>
        <translation>trois de cœur</translation>
    </message>
    <message>
        <source>four of hearts</source>
        <translation>quatre de cœur</translation>
    </message>
    <message>
        <source>five of hearts</source>
        <translation>cinq de cœur</translation>
    </message>
    <message>
        <source>six of hearts</source>
        <translation>six de cœur</translation>
    </message>
    <message>
        <source>seven of hearts</source>
        <translation>sept de cœur</translation>
    </message>
    <message>
        <source>eight of hearts</source>
        <translation>huit de cœur</translation>
    </message>
    <message>
        <source>nine of hearts</source>
        <translation>neuf de cœur</translation>
    </message>
    <message>
        <source>ten of hearts</source>
        <translation>dix de cœur</translation>
    </message>
    <message>
        <source>jack of hearts</source>
        <translation>valet de cœur</translation>
    </message>
    <message>
        <source>queen of hearts</source>
        <translation>dame de cœur</translation>
    </message>
    <message>
        <source>king of hearts</source>
        <translation>roi de cœur</translation>
    </message>
    <message>
        <source>ace of diamonds</source>
        <translation>as de carreau</translation>
    </message>
    <message>
        <source>two of diamonds</source>
        <translation>deux de carreau</translation>
    </message>
    <message>
        <source>three of diamonds</source>
        <translation>trois de carreau</translation>
    </message>
    <message>
        <source>four of diamonds</source>
        <translation>quatre de carreau</translation>
    </message>
    <message>
        <source>five of diamonds</source>
        <translation>cinq de carreau</translation>
    </message>
    <message>
        <source>six of diamonds</source>
        <translation>six de carreau</translation>
    </message>
    <message>
        <source>seven of diamonds</source>
        <translation>sept de carreau</translation>
    </message>
    <message>
        <source>eight of diamonds</source>
        <translation>huit de carreau</translation>
    </message>
    <message>
        <source>nine of diamonds</source>
        <translation>neuf de carreau</translation>
    </message>
    <message>
        <source>ten of diamonds</source>
        <translation>dix de carreau</translation>
    </message>
    <message>
        <source>jack of diamonds</source>
        <translation>valet de carreau</translation>
    </message>
    <message>
        <source>queen of diamonds</source>
        <translation>dame de carreau</translation>
    </message>
    <message>
        <source>king of diamonds</source>
        <translation>roi de carreau</translation>
    </message>
    <message>
        <source>ace of clubs</source>
        <translation>as de trèfle</translation>
    </message>
    <message>
        <source>two of clubs</source>
        <translation>deux de trèfle</translation>
    </message>
    <message>
        <source>three of clubs</source>
        <translation>trois de trèfle</translation>
    </message>
    <message>
        <source>four of clubs</source>
        <translation>quatre de trèfle</translation>
    </message>
    <message>
        <source>five of clubs</source>
        <translation>cinq de trèfle</translation>
    </message>
    <message>
        <source>six of clubs</source>
        <translation>six de trèfle</translation>
    </message>
    <message>
        <source>seven of clubs</source>
        <translation>sept de trèfle</translation>
    </message>
    <message>
        <source>eight of clubs</source>
        <translation>huit de trèfle</translation>
    </message>
    <message>
        <source>nine of clubs</source>
        <translation>neuf de trèfle</translation>
    </message>
    <message>
        <source>ten of clubs</source>
        <translation>dix de trèfle</translation>
    </message>
    <message>
        <source>jack of clubs</source>
        <translation>valet de trèfle</translation>
    </message>
    <message>
        <source>queen of clubs</source>
        <translation>dame de trèfle</translation>
    </message>
    <message>
        <source>king of clubs</source>
        <translation>roi de trèfle</translation>
    </message>
    <message>
        <source>ace of spades</source>
        <translation>as de pique</translation>
    </message>
    <message>
        <source>two of spades</source>
        <translation>deux de pique</translation>
    </message>
    <message>
        <source>three of spades</source>
        <translation>trois de pique</translation>
    </message>
    <message>
        <source>four of spades</source>
        <translation>quatre de pique</translation>
    </message>
    <message>
        <source>five of spades</source>
        <translation>cinq de pique</translation>
    </message>
    <message>
        <source>six of spades</source>
        <translation>six de pique</translation>
    </message>
    <message>
        <source>seven of spades</source>
        <translation>sept de pique</translation>
    </message>
    <message>
        <source>eight of spades</source>
        <translation>huit de pique</translation>
    </message>
    <message>
        <source>nine of spades</source>
        <translation>neuf de pique</translation>
    </message>
    <message>
        <source>ten of spades</source>
        <translation>dix de pique</translation>
    </message>
    <message>
        <source>jack of spades</source>
        <translation>valet de pique</translation>
    </message>
    <message>
        <source>queen of spades</source>
        <translation>dame de pique</translation>
    </message>
    <message>
        <source>king of spades</source>
        <translation>roi de pique</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Talon</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Défausse</translation>
    </message>
    <message>
        <source>Discard pile</source>
        <translation>Pile de défausse</translation>
    </message>
    <message>
        <source>Foundation %1</source>
        <translation>Fondation %1</translation>
    </message>
    <message>
        <source>Tableau %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Reserve %1</source>
        <translation>Réserve %1</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1 : vide</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>carte face cachée</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2 cards</source>
        <translation>%1 : %2 cartes</translation>
    </message>
    <message>
        <source>%1: %2, on one card</source>
        <translation>%1 : %2, sur une carte</translation>
    </message>
    <message>
        <source>%1: %2, on %3 cards</source>
        <translation>%1 : %2, sur %3 cartes</translation>
    </message>
    <message>
        <source>one face-down card</source>
        <translation>une carte face cachée</translation>
    </message>
    <message>
        <source>%1 face-down cards</source>
        <translation>%1 cartes face cachée</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1: %2, on %3</source>
        <translation>%1 : %2, sur %3</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <source>Card table</source>
        <translation>Table de jeu</translation>
    </message>
    <message>
        <source>Arrow keys move the focus over the piles and the cards that can be taken. Enter or Space takes the focused card, or puts the carried cards on the focused pile. Tab goes through the piles that take the carried cards. F sends the focused card to a foundation. Esc puts the cards back.</source>
        <translation>Les flèches déplacent le focus sur les piles et les cartes qui peuvent être prises. Entrée ou Espace prend la carte qui a le focus, ou pose les cartes portées sur la pile qui a le focus. Tab parcourt les piles qui acceptent les cartes portées. F envoie la carte qui a le focus sur une fondation. Échap remet les cartes à leur place.</translation>
    </message>
    <message>
        <source>Announcement</source>
        <translation>Annonce</translation>
    </message>
    <message>
        <source>New deal: %1</source>
        <translation>Nouvelle donne : %1</translation>
    </message>
    <message>
        <source>The cards were dealt.</source>
        <translation>Les cartes ont été distribuées.</translation>
    </message>
    <message>
        <source>Game won.</source>
        <translation>Partie gagnée.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Partie terminée.</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>État : %1</translation>
    </message>
    <message>
        <source>Taken: %1</source>
        <translation>Prise : %1</translation>
    </message>
    <message>
        <source>Taken: %1 with the card on it</source>
        <translation>Prise : %1 avec la carte posée dessus</translation>
    </message>
    <message>
        <source>Taken: %1 with the %2 cards on it</source>
        <translation>Prise : %1 avec les %2 cartes posées dessus</translation>
    </message>
    <message>
        <source>Focus on %1</source>
        <translation>Focus sur %1</translation>
    </message>
    <message>
        <source>Enter puts the carried cards here</source>
        <translation>Entrée pose ici les cartes portées</translation>
    </message>
    <message>
        <source>No pile takes the carried cards.</source>
        <translation>Aucune pile n&apos;accepte les cartes portées.</translation>
    </message>
    <message>
        <source>That pile does not take them: the cards went back.</source>
        <translation>Cette pile ne les accepte pas : les cartes sont revenues à leur place.</translation>
    </message>
    <message>
        <source>No foundation takes it.</source>
        <translation>Aucune fondation ne l&apos;accepte.</translation>
    </message>
</context>
<context>
    <name>WonGameTexts</name>
    <message>
        <source>You won %1!<byte value="xd"/><byte value="xd"/>Time: %2<byte value="xd"/>Score: %3<byte value="xd"/>Moves: %4<byte value="xd"/><byte value="xd"/></source>
        <translation>Vous avez gagné %1 !<byte value="xd"/><byte value="xd"/>Temps : %2<byte value="xd"/>Score : %3<byte value="xd"/>Coups : %4<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>Your first win of this game.</source>
        <translation>Votre première victoire à ce jeu.</translation>
    </message>
    <message>
        <source>time</source>
        <translation>temps</translation>
    </message>
    <message>
        <source>score</source>
        <translation>score</translation>
    </message>
    <message>
        <source>fewest moves</source>
        <translation>moins de coups</translation>
    </message>
    <message>
        <source>No new best this time.</source>
        <translation>Pas de nouveau record cette fois.</translation>
    </message>
    <message>
        <source>A new best: %1.</source>
        <translation>Nouveau record : %1.</translation>
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
        <translation>La bibliothèque de ressources %1 est endommagée : certaines images ou certains sons peuvent être erronés. Réinstallez le programme.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The program&apos;s folder has a path longer than %1 characters:<byte value="xd"/>%2</source>
        <translation>Le dossier du programme a un chemin de plus de %1 caractères :<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Vellomir is already running with the data folder<byte value="xd"/>%1</source>
        <translation>Vellomir fonctionne déjà avec le dossier de données<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source><byte value="xd"/>on the computer %1</source>
        <translation><byte value="xd"/>sur l&apos;ordinateur %1</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>Only one copy at a time can keep the preferences and statistics there. Close the other copy first; if none runs, remove the file<byte value="xd"/>%1</source>
        <translation>.<byte value="xd"/>Une seule copie à la fois peut y tenir les préférences et les statistiques. Fermez d&apos;abord l&apos;autre copie ; si aucune ne tourne, supprimez le fichier<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Cannot find file:<byte value="xd"/></source>
        <translation>Fichier introuvable :<byte value="xd"/></translation>
    </message>
    <message>
        <source><byte value="xd"/>Copy the file into the directory that above is specified<byte value="xd"/>or reinstall the program.</source>
        <translation><byte value="xd"/>Copiez le fichier dans le dossier indiqué ci-dessus<byte value="xd"/>ou réinstallez le programme.</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> et %1 de plus</translation>
    </message>
    <message>
        <source>Cannot find images file:<byte value="xd"/></source>
        <translation>Fichier d&apos;images introuvable :<byte value="xd"/></translation>
    </message>
    <message>
        <source> (pictures </source>
        <translation> (images </translation>
    </message>
    <message>
        <source>)<byte value="xd"/>Some program components cannot be shown correctly.<byte value="xd"/>Copy the file into the directory that above is specified<byte value="xd"/>or reinstall the program.</source>
        <translation>)<byte value="xd"/>Certains éléments du programme ne peuvent pas être affichés correctement.<byte value="xd"/>Copiez le fichier dans le dossier indiqué ci-dessus<byte value="xd"/>ou réinstallez le programme.</translation>
    </message>
    <message>
        <source>Can&apos;t find/load </source>
        <translation>Impossible de trouver/charger </translation>
    </message>
    <message>
        <source>Vellomir cannot start: its lock file<byte value="xd"/>%1<byte value="xd"/>is not a file (a folder or something else stands there). Remove it and start again.</source>
        <translation>Vellomir ne peut pas démarrer : son fichier de verrou<byte value="xd"/>%1<byte value="xd"/>n&apos;est pas un fichier (un dossier ou autre chose s&apos;y trouve). Supprimez-le et redémarrez.</translation>
    </message>
    <message>
        <source>,<byte value="xd"/>but that copy (process %1) is stopped and does not answer.<byte value="xd"/>Let it go on (kill -CONT %1) or end it, then start again.</source>
        <translation>,<byte value="xd"/>mais cette copie (processus %1) est suspendue et ne répond pas.<byte value="xd"/>Laissez-la continuer (kill -CONT %1) ou fermez-la, puis relancez.</translation>
    </message>
</context>
<context>
    <name>vellomir::render::TableOverlays</name>
    <message>
        <source>Customized background image not found: </source>
        <translation>Image de fond personnalisée introuvable : </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Cannot find images file:
</source>
        <translation>Fichier d&apos;images introuvable :
</translation>
    </message>
    <message>
        <source>
Some program components cannot be shown correctly.
Copy the file into the directory that above is specified
or reinstall the program.</source>
        <translation>
Certains éléments du programme ne peuvent pas être affichés correctement.
Copiez le fichier dans le dossier indiqué ci-dessus
ou réinstallez le programme.</translation>
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
        <translation>ce n&apos;est pas un fichier de ressources</translation>
    </message>
    <message>
        <source>its format version %1 is unknown</source>
        <translation>sa version de format %1 est inconnue</translation>
    </message>
    <message>
        <source>it is cut short (its header points past its end)</source>
        <translation>il est tronqué (son en-tête pointe au-delà de sa fin)</translation>
    </message>
    <message>
        <source>the name of entry %1 lies outside the file</source>
        <translation>le nom de l&apos;entrée %1 est hors du fichier</translation>
    </message>
    <message>
        <source>folder entry %1 lists entries outside the file</source>
        <translation>l&apos;entrée de dossier %1 liste des entrées hors du fichier</translation>
    </message>
    <message>
        <source>entry %1 is listed twice</source>
        <translation>l&apos;entrée %1 est listée deux fois</translation>
    </message>
    <message>
        <source>the data of entry %1 lies outside the file</source>
        <translation>les données de l&apos;entrée %1 sont hors du fichier</translation>
    </message>
    <message>
        <source>the data of entry %1 is damaged</source>
        <translation>les données de l&apos;entrée %1 sont endommagées</translation>
    </message>
    <message>
        <source>the file is missing or cannot be read</source>
        <translation>le fichier manque ou ne peut pas être lu</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::CustomizeTrees</name>
    <message>
        <source>Animals</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Poissons tropicaux</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Bonhomme de neige</translation>
    </message>
    <message>
        <source>Classics</source>
        <translation>Classiques</translation>
    </message>
    <message>
        <source>Classic blue</source>
        <translation>Bleu classique</translation>
    </message>
    <message>
        <source>Famous pictures</source>
        <translation>Tableaux célèbres</translation>
    </message>
    <message>
        <source>Claude Monet</source>
        <translation>Claude Monet</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Fleurs</translation>
    </message>
    <message>
        <source>Roses</source>
        <translation>Roses</translation>
    </message>
    <message>
        <source>Geometric</source>
        <translation>Géométriques</translation>
    </message>
    <message>
        <source>Plaiting 1</source>
        <translation>Tressage 1</translation>
    </message>
    <message>
        <source>Plaiting 2</source>
        <translation>Tressage 2</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>Nature</translation>
    </message>
    <message>
        <source>Lake</source>
        <translation>Lac</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu canard</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Over 256 colors</source>
        <translation>Plus de 256 couleurs</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Métal</translation>
    </message>
    <message>
        <source>Metal gold</source>
        <translation>Or métallique</translation>
    </message>
    <message>
        <source>Meadow</source>
        <translation>Prairie</translation>
    </message>
    <message>
        <source>Tissue</source>
        <translation>Tissu</translation>
    </message>
    <message>
        <source>Moquette 1</source>
        <translation>Moquette 1</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Murs</translation>
    </message>
    <message>
        <source>Brick wall 1</source>
        <translation>Mur de briques 1</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Bois</translation>
    </message>
    <message>
        <source>Parquet</source>
        <translation>Parquet</translation>
    </message>
    <message>
        <source>Under 256 colors</source>
        <translation>Jusqu&apos;à 256 couleurs</translation>
    </message>
    <message>
        <source>Geometricals</source>
        <translation>Géométriques</translation>
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
        <translation>La partie est gagnée : commencez-en une nouvelle pour la compter.</translation>
    </message>
    <message>
        <source>This game cannot be won from here.</source>
        <translation>Cette partie ne peut plus être gagnée d&apos;ici.</translation>
    </message>
    <message>
        <source>No win was found from here.</source>
        <translation>Aucune victoire n&apos;a été trouvée d&apos;ici.</translation>
    </message>
    <message>
        <source><byte value="xd"/>It could be won before the last move. Undo the last move?</source>
        <translation><byte value="xd"/>Elle pouvait être gagnée avant le dernier coup. Annuler le dernier coup ?</translation>
    </message>
    <message>
        <source>Looking for a winnable deal...</source>
        <translation>Recherche d&apos;une donne gagnable...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Looking for a winnable deal: deal %1 of %2...</source>
        <translation>Recherche d&apos;une donne gagnable : donne %1 sur %2...</translation>
    </message>
    <message>
        <source>None of the %1 deals tried could be shown to be winnable within a second. An ordinary deal is dealt.</source>
        <translation>Aucune des %1 donnes essayées n&apos;a pu être montrée gagnable en une seconde. Une donne ordinaire est distribuée.</translation>
    </message>
    <message>
        <source>winnable</source>
        <translation>gagnable</translation>
    </message>
    <message>
        <source>not winnable from here</source>
        <translation>impossible à gagner d&apos;ici</translation>
    </message>
    <message>
        <source>searching</source>
        <translation>recherche</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmAbout</name>
    <message>
        <source>About [Program]</source>
        <translation>À propos de [Program]</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Version de build %1</translation>
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
        <translation>Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>Grandes</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyennes</translation>
    </message>
    <message>
        <source>Little</source>
        <translation>Petites</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>Time / Scores options</source>
        <translation>Options temps / score</translation>
    </message>
    <message>
        <source>Show &amp;time</source>
        <translation>Afficher le &amp;temps</translation>
    </message>
    <message>
        <source>Show sco&amp;re</source>
        <translation>Afficher le sco&amp;re</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Afficher </translation>
    </message>
    <message>
        <source>C&amp;onfirm quit game</source>
        <translation>C&amp;onfirmer l&apos;abandon de la partie</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Taille des cartes</translation>
    </message>
    <message>
        <source>&amp;Large buttons</source>
        <translation>&amp;Grands boutons</translation>
    </message>
    <message>
        <source>&amp;Flat buttons</source>
        <translation>Boutons &amp;plats</translation>
    </message>
    <message>
        <source>Confirm on e&amp;xit</source>
        <translation>Confirmer en &amp;quittant</translation>
    </message>
    <message>
        <source>&amp;Winning animation</source>
        <translation>&amp;Animation de victoire</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <source>Select a card back:</source>
        <translation>Choisissez un dos de carte :</translation>
    </message>
    <message>
        <source>&amp;Decks  </source>
        <translation>&amp;Jeux  </translation>
    </message>
    <message>
        <source>Select a background:</source>
        <translation>Choisissez un fond :</translation>
    </message>
    <message>
        <source>&amp;Fade background</source>
        <translation>&amp;Fond dégradé</translation>
    </message>
    <message>
        <source>&amp;Backgrounds</source>
        <translation>&amp;Fonds</translation>
    </message>
    <message>
        <source>Disable all &amp;sounds</source>
        <translation>Désactiver tous les &amp;sons</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>&amp;Language of the program:</source>
        <translation>&amp;Langue du programme :</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>La langue du bureau</translation>
    </message>
    <message>
        <source>The texts change at the next start of the program.</source>
        <translation>Les textes changent au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>L&amp;anguage</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cannot find the help file:<byte value="xd"/></source>
        <translation>Impossible de trouver le fichier d&apos;aide :<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmDealNumber</name>
    <message>
        <source>Deal number</source>
        <translation>Numéro de donne</translation>
    </message>
    <message>
        <source>Deal &amp;number (up to 13 digits):</source>
        <translation>&amp;Numéro de donne (jusqu&apos;à 13 chiffres) :</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmHelp</name>
    <message>
        <source>Vellomir Help</source>
        <translation>Aide de Vellomir</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Open a game</source>
        <translation>&amp;Ouvrir un jeu</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>&amp;Deal number...</source>
        <translation>Numéro de &amp;donne...</translation>
    </message>
    <message>
        <source>&amp;Restart game</source>
        <translation>&amp;Recommencer la partie</translation>
    </message>
    <message>
        <source>R&amp;andom game</source>
        <translation>Jeu au &amp;hasard</translation>
    </message>
    <message>
        <source>&amp;Select a game number...</source>
        <translation>&amp;Choisir un numéro de jeu...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>&amp;Joueurs...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiques...</translation>
    </message>
    <message>
        <source>&amp;Quit game</source>
        <translation>&amp;Abandonner la partie</translation>
    </message>
    <message>
        <source>&amp;Hold and exit</source>
        <translation>&amp;Garder et quitter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Au&amp;toplay</source>
        <translation>Jeu au&amp;tomatique</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>Ré&amp;soudre</translation>
    </message>
    <message>
        <source>&amp;Winnable deals only</source>
        <translation>Seulement des donnes &amp;gagnables</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>S&amp;napshot position</source>
        <translation>&amp;Instantané de la position</translation>
    </message>
    <message>
        <source>&amp;Insert bookmark</source>
        <translation>&amp;Insérer un signet</translation>
    </message>
    <message>
        <source>&amp;Go to bookmark</source>
        <translation>&amp;Aller au signet</translation>
    </message>
    <message>
        <source>Game &amp;information...</source>
        <translation>&amp;Informations sur le jeu...</translation>
    </message>
    <message>
        <source>&amp;Card counter</source>
        <translation>&amp;Compteur de cartes</translation>
    </message>
    <message>
        <source>Show &amp;time</source>
        <translation>Afficher le &amp;temps</translation>
    </message>
    <message>
        <source>Show &amp;score</source>
        <translation>Afficher le &amp;score</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>S&amp;tatistiques</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>&amp;Barre d&apos;état</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Plein &amp;écran</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>C&amp;ustomize...</source>
        <translation>&amp;Personnaliser...</translation>
    </message>
    <message>
        <source>Customize &amp;rules...</source>
        <translation>Personnaliser les &amp;règles...</translation>
    </message>
    <message>
        <source>&amp;Favorite games...</source>
        <translation>Jeux &amp;favoris...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Règles</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>&amp;Astuce du jour</translation>
    </message>
    <message>
        <source>A&amp;bout [Program]...</source>
        <translation>À &amp;propos de [Program]...</translation>
    </message>
    <message>
        <source>Card backs, backgrounds, sounds and confirmations</source>
        <translation>Dos des cartes, fonds, sons et confirmations</translation>
    </message>
    <message>
        <source>Cannot find the help file:<byte value="xd"/></source>
        <translation>Impossible de trouver le fichier d&apos;aide :<byte value="xd"/></translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps :</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source>There is no game number %1.</source>
        <translation>Il n&apos;y a pas de jeu numéro %1.</translation>
    </message>
    <message>
        <source>Exit Vellomir?</source>
        <translation>Quitter Vellomir ?</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Coups : %1</translation>
    </message>
    <message>
        <source>Stock: %1</source>
        <translation>Talon : %1</translation>
    </message>
    <message>
        <source>Passes left: %1</source>
        <translation>Passes restantes : %1</translation>
    </message>
    <message>
        <source>Table scroll bar</source>
        <translation>Barre de défilement de la table</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>How long the game in play has run</source>
        <translation>Depuis combien de temps dure la partie en cours</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>The score of the game in play</source>
        <translation>Le score de la partie en cours</translation>
    </message>
    <message>
        <source>Vellomir could not save everything as it closed:</source>
        <translation>Vellomir n&apos;a pas pu tout enregistrer en se fermant :</translation>
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
        <translation>&amp;Ne plus afficher ce message</translation>
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
        <translation>Longue</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Rapide</translation>
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
        <translation>Très élevées</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevées</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Faibles</translation>
    </message>
    <message>
        <source>Very low</source>
        <translation>Très faibles</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Mostly skill</source>
        <translation>Surtout l&apos;habileté</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Modérée</translation>
    </message>
    <message>
        <source>Mostly chance</source>
        <translation>Surtout la chance</translation>
    </message>
    <message>
        <source>Chance only</source>
        <translation>Chance seulement</translation>
    </message>
    <message>
        <source> (about %1 in %2)</source>
        <translation> (environ %1 sur %2)</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Illimitées</translation>
    </message>
    <message>
        <source>Open a game</source>
        <translation>Ouvrir un jeu</translation>
    </message>
    <message>
        <source>All games (alphabetically)</source>
        <translation>Tous les jeux (par ordre alphabétique)</translation>
    </message>
    <message>
        <source>Select a game:</source>
        <translation>Choisissez un jeu :</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Difficulty level:</source>
        <translation>Difficulté :</translation>
    </message>
    <message>
        <source>Chance of winning:</source>
        <translation>Chances de gagner :</translation>
    </message>
    <message>
        <source>Skill level:</source>
        <translation>Habileté :</translation>
    </message>
    <message>
        <source>Game time:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Redeals:</source>
        <translation>Redonnes :</translation>
    </message>
    <message>
        <source>Decks:</source>
        <translation>Jeux :</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>Select a game</source>
        <translation>Choisissez un jeu</translation>
    </message>
</context>
<context>
    <name>vellomir::ui::TfrmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jouées</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Won share</source>
        <translation>Part de victoires</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Reset this &amp;game</source>
        <translation>Remettre ce &amp;jeu à zéro</translation>
    </message>
    <message>
        <source>Reset &amp;all</source>
        <translation>&amp;Tout remettre à zéro</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>All games played:</source>
        <translation>Tous les jeux joués :</translation>
    </message>
    <message>
        <source>No game on the table</source>
        <translation>Aucune partie sur la table</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?</source>
        <translation>Remettre à zéro les statistiques de %1 ?</translation>
    </message>
    <message>
        <source>Reset the statistics of every game?</source>
        <translation>Remettre à zéro les statistiques de tous les jeux ?</translation>
    </message>
</context>
</TS>
