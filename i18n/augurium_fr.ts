<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommonMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>Oracle &amp;Library</source>
        <translation>&amp;Bibliothèque des oracles</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Make Money Online</source>
        <translation>Gagner de l’argent en ligne</translation>
    </message>
</context>
<context>
    <name>DominoPieces</name>
    <message>
        <source>blank</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half without pips</extracomment>
        <translation>blanc</translation>
    </message>
    <message>
        <source>1 pip</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half with one pip</extracomment>
        <translation>1 point</translation>
    </message>
    <message>
        <source>%1 pips</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half; %1 is 2 to 6</extracomment>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Blank</source>
        <extracomment>A half without pips in a domino&apos;s number, such as &quot;Blank-6&quot;</extracomment>
        <translation>Blanc</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>A file name cannot contain double quotes (&quot;). Please type the name without them.</source>
        <translation>Un nom de fichier ne peut pas contenir de guillemets droits ("). Veuillez saisir le nom sans guillemets.</translation>
    </message>
</context>
<context>
    <name>GoodLuckSymbols</name>
    <message>
        <source>Aum</source>
        <translation>Aum</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Betel Leaf (Paan)</source>
        <translation>Feuille de bétel (paan)</translation>
    </message>
    <message>
        <source>Bindi or Dot</source>
        <translation>Bindi ou point</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>Noix de coco</translation>
    </message>
    <message>
        <source>Conch shells (Shankh)</source>
        <translation>Conque (shankh)</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Rudraksha</source>
        <translation>Rudraksha</translation>
    </message>
    <message>
        <source>Swastika</source>
        <translation>Svastika</translation>
    </message>
    <message>
        <source>Tulsi</source>
        <translation>Tulsi</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Moulin à prières</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>Bambou</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Chauve-souris</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Papillon</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Crabe</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Grue</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragon</translation>
    </message>
    <message>
        <source>Fu Symbol</source>
        <translation>Symbole Fu</translation>
    </message>
    <message>
        <source>Gold Fish</source>
        <translation>Poisson rouge</translation>
    </message>
    <message>
        <source>Gold Ingots</source>
        <translation>Lingots d’or</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cheval</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>Jade</translation>
    </message>
    <message>
        <source>Magpie</source>
        <translation>Pie</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>Orchidée</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>Phénix</translation>
    </message>
    <message>
        <source>Three Legged Toad</source>
        <translation>Crapaud à trois pattes</translation>
    </message>
    <message>
        <source>Tortoise</source>
        <translation>Tortue</translation>
    </message>
    <message>
        <source>Wealth Ship</source>
        <translation>Navire aux trésors</translation>
    </message>
    <message>
        <source>Yin Yang</source>
        <translation>Yin et yang</translation>
    </message>
    <message>
        <source>Beckoning Cat</source>
        <translation>Maneki-neko</translation>
    </message>
    <message>
        <source>Benten</source>
        <translation>Benzaiten</translation>
    </message>
    <message>
        <source>Bishamon</source>
        <translation>Bishamonten</translation>
    </message>
    <message>
        <source>Daikokuten</source>
        <translation>Daikokuten</translation>
    </message>
    <message>
        <source>Daruma Doll</source>
        <translation>Poupée Daruma</translation>
    </message>
    <message>
        <source>Ebisu</source>
        <translation>Ebisu</translation>
    </message>
    <message>
        <source>Fukurokuju</source>
        <translation>Fukurokuju</translation>
    </message>
    <message>
        <source>Jurojin</source>
        <translation>Jurōjin</translation>
    </message>
    <message>
        <source>Laughing Buddha</source>
        <translation>Bouddha rieur</translation>
    </message>
    <message>
        <source>Tanuki</source>
        <translation>Tanuki</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Ange</translation>
    </message>
    <message>
        <source>Ankh</source>
        <translation>Ânkh</translation>
    </message>
    <message>
        <source>Caduceus</source>
        <translation>Caducée</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Éléphant</translation>
    </message>
    <message>
        <source>Eye of Horus</source>
        <translation>Œil d’Horus</translation>
    </message>
    <message>
        <source>Isis</source>
        <translation>Isis</translation>
    </message>
    <message>
        <source>Lotus Flower</source>
        <translation>Fleur de lotus</translation>
    </message>
    <message>
        <source>Scarab</source>
        <translation>Scarabée</translation>
    </message>
    <message>
        <source>3 Keys</source>
        <translation>3 clés</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Gland</translation>
    </message>
    <message>
        <source>Coin</source>
        <translation>Pièce de monnaie</translation>
    </message>
    <message>
        <source>Four Leaf Clover</source>
        <translation>Trèfle à quatre feuilles</translation>
    </message>
    <message>
        <source>Horseshoe</source>
        <translation>Fer à cheval</translation>
    </message>
    <message>
        <source>Ladybug</source>
        <translation>Coccinelle</translation>
    </message>
    <message>
        <source>Old Boot</source>
        <translation>Vieille botte</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Cochon</translation>
    </message>
    <message>
        <source>Rabbit&apos;s Foot</source>
        <translation>Patte de lapin</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Licorne</translation>
    </message>
    <message>
        <source>Wishbone</source>
        <translation>Bréchet</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Bois</translation>
    </message>
    <message>
        <source>Dolphins</source>
        <translation>Dauphins</translation>
    </message>
    <message>
        <source>Hamsa Hand</source>
        <translation>Main de Fatma</translation>
    </message>
    <message>
        <source>Broken Arrow</source>
        <translation>Flèche brisée</translation>
    </message>
    <message>
        <source>Crossed Arrows</source>
        <translation>Flèches croisées</translation>
    </message>
    <message>
        <source>Feathers</source>
        <translation>Plumes</translation>
    </message>
    <message>
        <source>Fence</source>
        <translation>Clôture</translation>
    </message>
    <message>
        <source>Kokopelli Charm</source>
        <translation>Amulette de Kokopelli</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>Feuille</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Montagne</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Nuage de pluie</translation>
    </message>
    <message>
        <source>Rain Drop</source>
        <translation>Goutte de pluie</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Pluie</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Thunderbird</source>
        <translation>Oiseau-tonnerre</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Symboles porte-bonheur indiens</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Symboles porte-bonheur chinois</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Symboles porte-bonheur japonais</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Symboles porte-bonheur égyptiens</translation>
    </message>
    <message>
        <source>English Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Symboles porte-bonheur anglais</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Symboles porte-bonheur arabes</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Symboles porte-bonheur amérindiens</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbol</source>
        <extracomment>What one drawn symbol of a culture is, as a copied or printed reading heads it.</extracomment>
        <translation>Symbole porte-bonheur indien</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbol</source>
        <translation>Symbole porte-bonheur chinois</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbol</source>
        <translation>Symbole porte-bonheur japonais</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbol</source>
        <translation>Symbole porte-bonheur égyptien</translation>
    </message>
    <message>
        <source>English Good Luck Symbol</source>
        <translation>Symbole porte-bonheur anglais</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbol</source>
        <translation>Symbole porte-bonheur arabe</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbol</source>
        <translation>Symbole porte-bonheur amérindien</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>Your language&apos;s name as its speakers write it, such as &quot;Deutsch&quot;.</extracomment>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Desktop language</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>LibraryCatalogue</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Both ways round of one domino, as in &quot;6-4 and 4-6&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Bambous</translation>
    </message>
    <message>
        <source>Characters</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Caractères</translation>
    </message>
    <message>
        <source>Circles</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Cercles</translation>
    </message>
    <message>
        <source>Dragons</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Dragons</translation>
    </message>
    <message>
        <source>Flowers</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Fleurs</translation>
    </message>
    <message>
        <source>Seasons</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Saisons</translation>
    </message>
    <message>
        <source>Winds</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Vents</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: the name players give it.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>English Name</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: what the tile stands for, as its English name says.</extracomment>
        <translation>Nom français</translation>
    </message>
    <message>
        <source>Chinese Character</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: the romanised Chinese character on the tile.</extracomment>
        <translation>Caractère chinois</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A mahjong tile: its name, then what it stands for, as in &quot;1 Wan (Open Door)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The thirteen trees of the Celtic tree calendar. A reading draws three different trees, for the past, the present and the future, each with its signs and what it says of you.</source>
        <translation>Les treize arbres du calendrier celtique. À chaque lecture, trois arbres différents sont tirés, pour le passé, le présent et le futur, chacun avec ses attributs et ce qu’il dit de vous.</translation>
    </message>
    <message>
        <source>The 28 dominoes of a double-six set, from blank to six pips on each half. A reading draws one domino and gives its meaning.</source>
        <translation>Les 28 dominos d’un jeu double-six, du blanc au six sur chaque moitié. À chaque lecture, un domino est tiré, avec sa signification.</translation>
    </message>
    <message>
        <source>74 lucky charms from seven cultures. A reading draws one symbol from each culture you choose and tells its story.</source>
        <translation>74 porte-bonheur de sept cultures. À chaque lecture, un symbole est tiré dans chacune des cultures que vous choisissez, avec son histoire.</translation>
    </message>
    <message>
        <source>The 42 mahjong tiles in their seven suits. A reading draws one tile and gives its names and its meaning; wind, flower and season tiles bring their signs as well.</source>
        <translation>Les 42 tuiles du mahjong, réparties en sept familles. À chaque lecture, une tuile est tirée, avec ses noms et sa signification ; les tuiles de vent, de fleur et de saison y ajoutent leurs attributs.</translation>
    </message>
    <message>
        <source>Five colours. A reading finds the lucky colour that your first and last names point to, and what it says of you.</source>
        <translation>Cinq couleurs. Chaque lecture révèle la couleur porte-bonheur que désignent votre prénom et votre nom, et ce qu’elle dit de vous.</translation>
    </message>
    <message>
        <source>the</source>
        <extracomment>Words a piece&apos;s name may begin with that a person leaves out when typing it, so that typing &quot;holly&quot; reaches &quot;The Holly Tree&quot;: in lower case, several apart by blanks (German: &quot;der die das&quot;; an elided one with its apostrophe, as written in the names: French &quot;le la les l’&quot;). Leave it as it is where names have none.</extracomment>
        <translation>le la les l’</translation>
    </message>
</context>
<context>
    <name>MahjongTiles</name>
    <message>
        <source>%1 tile</source>
        <extracomment>A screen reader&apos;s name for the picture of a mahjong tile; %1 says what the tile means, such as &quot;Carp&quot;</extracomment>
        <translation>Tuile « %1 »</translation>
    </message>
    <message>
        <source>4 Bamboo</source>
        <translation>4 Bambous</translation>
    </message>
    <message>
        <source>Carp</source>
        <translation>Carpe</translation>
    </message>
    <message>
        <source>2 Bamboo</source>
        <translation>2 Bambous</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Canard</translation>
    </message>
    <message>
        <source>8 Bamboo</source>
        <translation>8 Bambous</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Champignon</translation>
    </message>
    <message>
        <source>5 Bamboo</source>
        <translation>5 Bambous</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Lotus</translation>
    </message>
    <message>
        <source>1 Bamboo</source>
        <translation>1 Bambou</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Paon</translation>
    </message>
    <message>
        <source>3 Bamboo</source>
        <translation>3 Bambous</translation>
    </message>
    <message>
        <source>Toad</source>
        <translation>Crapaud</translation>
    </message>
    <message>
        <source>7 Bamboo</source>
        <translation>7 Bambous</translation>
    </message>
    <message>
        <source>Tortoise</source>
        <translation>Tortue</translation>
    </message>
    <message>
        <source>6 Bamboo</source>
        <translation>6 Bambous</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>9 Bamboo</source>
        <translation>9 Bambous</translation>
    </message>
    <message>
        <source>Willow</source>
        <translation>Saule</translation>
    </message>
    <message>
        <source>3 Wan (Character)</source>
        <translation>3 Caractères (Wan)</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>6 Wan (Character)</source>
        <translation>6 Caractères (Wan)</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>9 Wan (Character)</source>
        <translation>9 Caractères (Wan)</translation>
    </message>
    <message>
        <source>Heaven</source>
        <translation>Ciel</translation>
    </message>
    <message>
        <source>5 Wan (Character)</source>
        <translation>5 Caractères (Wan)</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>8 Wan (Character)</source>
        <translation>8 Caractères (Wan)</translation>
    </message>
    <message>
        <source>Knot</source>
        <translation>Nœud</translation>
    </message>
    <message>
        <source>4 Wan (Character)</source>
        <translation>4 Caractères (Wan)</translation>
    </message>
    <message>
        <source>Lute</source>
        <translation>Luth</translation>
    </message>
    <message>
        <source>1 Wan (Character)</source>
        <translation>1 Caractère (Wan)</translation>
    </message>
    <message>
        <source>Open Door</source>
        <translation>Porte ouverte</translation>
    </message>
    <message>
        <source>2 Wan (Character)</source>
        <translation>2 Caractères (Wan)</translation>
    </message>
    <message>
        <source>Sword</source>
        <translation>Épée</translation>
    </message>
    <message>
        <source>7 Wan (Character)</source>
        <translation>7 Caractères (Wan)</translation>
    </message>
    <message>
        <source>The Seven Star</source>
        <translation>Les sept étoiles</translation>
    </message>
    <message>
        <source>5 Circle</source>
        <translation>5 Cercles</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragon</translation>
    </message>
    <message>
        <source>7 Circle</source>
        <translation>7 Cercles</translation>
    </message>
    <message>
        <source>Insect</source>
        <translation>Insecte</translation>
    </message>
    <message>
        <source>4 Circle</source>
        <translation>4 Cercles</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>Jade</translation>
    </message>
    <message>
        <source>6 Circle</source>
        <translation>6 Cercles</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Pêche</translation>
    </message>
    <message>
        <source>1 Circle</source>
        <translation>1 Cercle</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Perle</translation>
    </message>
    <message>
        <source>3 Circle </source>
        <extracomment>The trailing blank is a slip of the English table; a translation need not keep it</extracomment>
        <translation>3 Cercles</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>Phénix</translation>
    </message>
    <message>
        <source>2 Circle</source>
        <translation>2 Cercles</translation>
    </message>
    <message>
        <source>Pine</source>
        <translation>Pin</translation>
    </message>
    <message>
        <source>8 Circle</source>
        <translation>8 Cercles</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>9 Circle</source>
        <translation>9 Cercles</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Licorne</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>Dragon vert</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>Dragon rouge</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>Dragon blanc</translation>
    </message>
    <message>
        <source>Flowers Bamboo</source>
        <translation>Fleur de bambou</translation>
    </message>
    <message>
        <source>Flowers Chrysanthemum</source>
        <translation>Fleur de chrysanthème</translation>
    </message>
    <message>
        <source>Flowers Orchid</source>
        <translation>Fleur d’orchidée</translation>
    </message>
    <message>
        <source>Flowers Plum Blossom</source>
        <translation>Fleur de prunier</translation>
    </message>
    <message>
        <source>Seasons Autumn</source>
        <translation>Saison d’automne</translation>
    </message>
    <message>
        <source>Seasons Spring</source>
        <translation>Saison de printemps</translation>
    </message>
    <message>
        <source>Seasons Summer</source>
        <translation>Saison d’été</translation>
    </message>
    <message>
        <source>Seasons Winter</source>
        <translation>Saison d’hiver</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>Vent d’est</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>Vent du nord</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>Vent du sud</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>Vent d’ouest</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Printemps</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Bois</translation>
    </message>
    <message>
        <source>Dragon (5 Circles)</source>
        <translation>Dragon (5 Cercles)</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Été</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Phoenix (3 Circles)</source>
        <translation>Phénix (3 Cercles)</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Automne</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Métal</translation>
    </message>
    <message>
        <source>Tiger (8 Circles)</source>
        <translation>Tigre (8 Cercles)</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Hiver</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Tortoise (7 Bamboo)</source>
        <translation>Tortue (7 Bambous)</translation>
    </message>
    <message>
        <source>East Wind</source>
        <translation>Vent d’est</translation>
    </message>
    <message>
        <source>South Wind</source>
        <translation>Vent du sud</translation>
    </message>
    <message>
        <source>West Wind</source>
        <translation>Vent d’ouest</translation>
    </message>
    <message>
        <source>North Wind</source>
        <translation>Vent du nord</translation>
    </message>
    <message>
        <source>Fisherman</source>
        <translation>Pêcheur</translation>
    </message>
    <message>
        <source>Plum Blossom</source>
        <translation>Fleur de prunier</translation>
    </message>
    <message>
        <source>Woodcutter</source>
        <translation>Bûcheron</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>Orchidée</translation>
    </message>
    <message>
        <source>Farmer</source>
        <translation>Paysan</translation>
    </message>
    <message>
        <source>Chrysanthemum</source>
        <translation>Chrysanthème</translation>
    </message>
    <message>
        <source>Scholar</source>
        <translation>Lettré</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>Bambou</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Saison</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Constellation</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Representation</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Fleur</translation>
    </message>
</context>
<context>
    <name>MysticalColors</name>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
</context>
<context>
    <name>OghamTreePanel</name>
    <message>
        <source>Characteristics</source>
        <translation>Caractéristiques</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>How a screen reader names a tree&apos;s paragraph: the time it stands for, then the tree (&quot;The Past: The Oak Tree&quot;).</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>One attribute of a tree as a screen reader tells it (&quot;Ruling Planet: Sun.&quot;).</extracomment>
        <translation>%1 : %2.</translation>
    </message>
</context>
<context>
    <name>OghamTrees</name>
    <message>
        <source>The Birch Tree</source>
        <translation>Le Bouleau</translation>
    </message>
    <message>
        <source>Ambition, Ideals</source>
        <translation>Ambition, idéaux</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>The White Stag</source>
        <translation>Le Cerf blanc</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>Rock Crystal</source>
        <translation>Cristal de roche</translation>
    </message>
    <message>
        <source>Common Daisy</source>
        <translation>Pâquerette</translation>
    </message>
    <message>
        <source>The Rowan Tree</source>
        <translation>Le Sorbier</translation>
    </message>
    <message>
        <source>Inspiration, Creativity</source>
        <translation>Inspiration, créativité</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>The Dragon </source>
        <translation>Le Dragon</translation>
    </message>
    <message>
        <source>Red/Grey</source>
        <translation>Rouge/gris</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>Peridot</source>
        <translation>Péridot</translation>
    </message>
    <message>
        <source>Snowdrop</source>
        <translation>Perce-neige</translation>
    </message>
    <message>
        <source>The Ash Tree </source>
        <translation>Le Frêne</translation>
    </message>
    <message>
        <source>Wisdom, Energy</source>
        <translation>Sagesse, énergie</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptune</translation>
    </message>
    <message>
        <source>The Adder</source>
        <translation>La Vipère</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Corail</translation>
    </message>
    <message>
        <source>Wood Anemone,Buttercup</source>
        <translation>Anémone des bois, bouton-d’or</translation>
    </message>
    <message>
        <source>The Alder Tree </source>
        <translation>L’Aulne</translation>
    </message>
    <message>
        <source>Cunningness, Skill</source>
        <translation>Ruse, habileté</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>The Fox</source>
        <translation>Le Renard</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Cramoisi</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubis</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Genêt</translation>
    </message>
    <message>
        <source>The Willow Tree </source>
        <translation>Le Saule</translation>
    </message>
    <message>
        <source>Adapt, Adjustments</source>
        <translation>Adaptation, ajustements</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>The Hare</source>
        <translation>Le Lièvre</translation>
    </message>
    <message>
        <source>Any bright color</source>
        <translation>Toute couleur vive</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>Moonstone</source>
        <translation>Pierre de lune</translation>
    </message>
    <message>
        <source>Primrose</source>
        <translation>Primevère</translation>
    </message>
    <message>
        <source>The Hawthorn Tree </source>
        <translation>L’Aubépine</translation>
    </message>
    <message>
        <source>Patience, Wisdom</source>
        <translation>Patience, sagesse</translation>
    </message>
    <message>
        <source>Vulcan</source>
        <translation>Vulcain</translation>
    </message>
    <message>
        <source>The Owl</source>
        <translation>La Chouette</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>April/ May</source>
        <translation>Avril/mai</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topaze</translation>
    </message>
    <message>
        <source>Wood Sorrel</source>
        <translation>Oxalis petite-oseille</translation>
    </message>
    <message>
        <source>The Oak Tree</source>
        <translation>Le Chêne</translation>
    </message>
    <message>
        <source>Simplicity, Wit</source>
        <translation>Simplicité, esprit</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>The Wren</source>
        <translation>Le Roitelet</translation>
    </message>
    <message>
        <source>Black and dark brown</source>
        <translation>Noir et marron foncé</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Coltsfoot</source>
        <translation>Tussilage</translation>
    </message>
    <message>
        <source>The Holly Tree</source>
        <translation>Le Houx</translation>
    </message>
    <message>
        <source>Strength, Purity</source>
        <translation>Force, pureté</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>The Unicorn</source>
        <translation>La Licorne</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>Red Carnelian</source>
        <translation>Cornaline rouge</translation>
    </message>
    <message>
        <source>Vervain</source>
        <translation>Verveine</translation>
    </message>
    <message>
        <source>The Hazel Tree</source>
        <translation>Le Noisetier</translation>
    </message>
    <message>
        <source>Inspiration</source>
        <translation>Inspiration</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>The Salmon</source>
        <translation>Le Saumon</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Améthyste</translation>
    </message>
    <message>
        <source>Valerian</source>
        <translation>Valériane</translation>
    </message>
    <message>
        <source>The Vine</source>
        <translation>La Vigne</translation>
    </message>
    <message>
        <source>Beauty, Grace</source>
        <translation>Beauté, grâce</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vénus</translation>
    </message>
    <message>
        <source>The Swan</source>
        <translation>Le Cygne</translation>
    </message>
    <message>
        <source>All multi-hued colors</source>
        <translation>Toutes les couleurs bigarrées</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Émeraude</translation>
    </message>
    <message>
        <source>The Ivy</source>
        <translation>Le Lierre</translation>
    </message>
    <message>
        <source>Colorful Nature, Faith</source>
        <translation>Nature haute en couleur, foi</translation>
    </message>
    <message>
        <source>Persephone</source>
        <translation>Perséphone</translation>
    </message>
    <message>
        <source>The Butterfly  </source>
        <translation>Le Papillon</translation>
    </message>
    <message>
        <source>Sky blue</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Opale</translation>
    </message>
    <message>
        <source>Woody Nightshade</source>
        <translation>Douce-amère</translation>
    </message>
    <message>
        <source>The Reed</source>
        <translation>Le Roseau</translation>
    </message>
    <message>
        <source>Loyalty, Honor</source>
        <translation>Loyauté, honneur</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluton</translation>
    </message>
    <message>
        <source>The Hound Dog </source>
        <translation>Le Chien de chasse</translation>
    </message>
    <message>
        <source>Grass green</source>
        <translation>Vert prairie</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>Jasper</source>
        <translation>Jaspe</translation>
    </message>
    <message>
        <source>Water Mint</source>
        <translation>Menthe aquatique</translation>
    </message>
    <message>
        <source>The Elder Tree</source>
        <translation>Le Sureau</translation>
    </message>
    <message>
        <source>Ambition, Patience</source>
        <translation>Ambition, patience</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturne</translation>
    </message>
    <message>
        <source>The Raven </source>
        <translation>Le Corbeau</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>The month of Samhain</source>
        <translation>Le mois de Samhain</translation>
    </message>
    <message>
        <source>Jet or Black Amber</source>
        <translation>Jais ou ambre noir</translation>
    </message>
    <message>
        <source>Dandelion</source>
        <translation>Pissenlit</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Planète maîtresse</translation>
    </message>
    <message>
        <source>Ruling Animal</source>
        <translation>Animal totem</translation>
    </message>
    <message>
        <source>Ogham Term</source>
        <translation>Nom ogham</translation>
    </message>
    <message>
        <source>Lucky Color</source>
        <translation>Couleur porte-bonheur</translation>
    </message>
    <message>
        <source>Lucky Month</source>
        <translation>Mois porte-bonheur</translation>
    </message>
    <message>
        <source>Lucky Letter</source>
        <translation>Lettre porte-bonheur</translation>
    </message>
    <message>
        <source>Lucky Gemstone</source>
        <translation>Pierre porte-bonheur</translation>
    </message>
    <message>
        <source>Lucky Flower</source>
        <translation>Fleur porte-bonheur</translation>
    </message>
</context>
<context>
    <name>OracleNames</name>
    <message>
        <source>Celtic Ogham</source>
        <translation>Ogham celtique</translation>
    </message>
    <message>
        <source>Domino</source>
        <translation>Domino</translation>
    </message>
    <message>
        <source>Good Luck Symbol</source>
        <translation>Porte-bonheur</translation>
    </message>
    <message>
        <source>Mahjong</source>
        <translation>Mahjong</translation>
    </message>
    <message>
        <source>Mystical Color</source>
        <translation>Couleur mystique</translation>
    </message>
</context>
<context>
    <name>OracleWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>PleaseWaitPanel</name>
    <message>
        <source>Please Wait</source>
        <translation>Patientez</translation>
    </message>
</context>
<context>
    <name>Promotions</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Come and join us at %1</source>
        <translation>Le forum ésotérique le plus populaire du Web, la meilleure ressource sur l’ésotérisme. Rejoignez-nous sur %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Travaillez depuis chez vous : lancez votre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.</source>
        <translation>Mettez ce logiciel aux couleurs de votre site : fidélisez vos visiteurs, gagnez du trafic. Affichez ici le nom et le lien du site. Détails dans l’Aide.</translation>
    </message>
    <message>
        <source>Click Here for more info on co-branding.</source>
        <translation> En savoir plus sur le co-marquage.</translation>
    </message>
</context>
<context>
    <name>ReadingCommands</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texte brut (*.txt)</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;Copier la lecture</translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <translation>&amp;Enregistrer la lecture sous…</translation>
    </message>
    <message>
        <source>&amp;Print Reading…</source>
        <translation>&amp;Imprimer la lecture…</translation>
    </message>
    <message>
        <source>Reading copied</source>
        <translation>Lecture copiée</translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation>Enregistrer la lecture sous</translation>
    </message>
    <message>
        <source>“.%1” is not one of the kinds offered (a picture such as .png or .jpg, a PDF document or plain text)</source>
        <translation>« .%1 » ne fait pas partie des formats proposés (une image comme .png ou .jpg, un document PDF ou du texte brut)</translation>
    </message>
    <message>
        <source>The reading could not be saved as “%1”: %2.</source>
        <translation>La lecture n’a pas pu être enregistrée sous « %1 » : %2.</translation>
    </message>
    <message>
        <source>The reading could not be printed to “%1”: %2.</source>
        <translation>La lecture n’a pas pu être imprimée dans « %1 » : %2.</translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation>La lecture n’a pas pu être imprimée.</translation>
    </message>
</context>
<context>
    <name>ReadingDescription</name>
    <message>
        <source>%1 reading</source>
        <extracomment>A reading&apos;s title, such as &quot;Domino reading&quot;.</extracomment>
        <translation>Lecture – %1</translation>
    </message>
</context>
<context>
    <name>ReadingOutput</name>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <extracomment>The date and time a reading was made, in QLocale::toString&apos;s format letters.</extracomment>
        <translation>d MMMM yyyy 'à' HH:mm</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A caption and its value, such as &quot;Keywords: Wisdom&quot;.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>Ends a sentence a screen reader says, such as &quot;Your domino: 6-4.&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A printed page&apos;s footer: the reading&apos;s title and when it was made.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>it is not a plain file but a pipe or a device</source>
        <extracomment>Ends &quot;The reading could not be saved as “…”: %2.&quot;</extracomment>
        <translation>ce n’est pas un fichier ordinaire, mais un tube ou un périphérique</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>la page n’a pas pu être générée</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>Augurium est déjà lancé.</translation>
    </message>
</context>
<context>
    <name>TreeChooser</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A tree box as a screen reader names it: its label, then the tree in it (&quot;The Past: The Oak Tree&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Voulez-vous rechercher une mise à jour ?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Augurium v1.20</source>
        <translation>Augurium v1.20</translation>
    </message>
    <message>
        <source>Oracles have always helped people find solutions to their problems. These can be looked upto as a guide for helping people lead a better life. Augurium consists of Domino Oracle, Good Luck Symbol Oracle, Mahjong Oracle, Celtic Ogham Oracle &amp; Orin Mystical Color Oracle.</source>
        <translation>Depuis toujours, les oracles aident les gens à trouver des solutions à leurs problèmes. Ils peuvent servir de guide pour mener une vie meilleure. Augurium réunit l’Oracle des dominos, l’Oracle des porte-bonheur, l’Oracle du mahjong, l’Oracle ogham celtique et l’Oracle de la couleur mystique d’Orin.</translation>
    </message>
    <message>
        <source>Click here to visit www.augurium.example</source>
        <translation>Visitez www.augurium.example</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Travaillez depuis chez vous : lancez votre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmCelticOghamOracleDisplay</name>
    <message>
        <source>Orin Celtic Ogham Oracle</source>
        <translation>Oracle ogham celtique d’Orin</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>A small button: about 9 characters fit.</extracomment>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Question</source>
        <extracomment>The caption of the user&apos;s question in a copied or printed reading.</extracomment>
        <translation>Question</translation>
    </message>
    <message>
        <source>The Past</source>
        <extracomment>The heading of the left tree panel of an Ogham reading.</extracomment>
        <translation>Le passé</translation>
    </message>
    <message>
        <source>The Present</source>
        <extracomment>The heading of the right tree panel of an Ogham reading.</extracomment>
        <translation>Le présent</translation>
    </message>
    <message>
        <source>The Future</source>
        <extracomment>The heading of the middle tree panel of an Ogham reading.</extracomment>
        <translation>Le futur</translation>
    </message>
</context>
<context>
    <name>frmCelticOghamOracleMain</name>
    <message>
        <source>Orin Celtic Ogham Oracle</source>
        <translation>Oracle ogham celtique d’Orin</translation>
    </message>
    <message>
        <source>Your Question</source>
        <translation>Votre question</translation>
    </message>
    <message>
        <source>Click on the above image to get your Celtic Ogham Oracle Reading</source>
        <translation>Cliquez sur l’image ci-dessus pour obtenir votre lecture ogham celtique</translation>
    </message>
    <message>
        <source>Plese Enter Your Question</source>
        <extracomment>The question box is empty.</extracomment>
        <translation>Veuillez saisir votre question.</translation>
    </message>
    <message>
        <source>Enter Your Question Here</source>
        <extracomment>The text the question box opens with; typing replaces it.</extracomment>
        <translation>Saisissez votre question ici</translation>
    </message>
    <message>
        <source>Draw my three trees</source>
        <extracomment>What clicking the tree picture does, as a screen reader names the picture.</extracomment>
        <translation>Tirer mes trois arbres</translation>
    </message>
    <message>
        <source>A picture of a tree</source>
        <translation>Image d’un arbre</translation>
    </message>
</context>
<context>
    <name>frmDominoOracleDisplay</name>
    <message>
        <source>Orin Domino Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Oracle des dominos d’Orin</translation>
    </message>
    <message>
        <source>Your Domino For Today </source>
        <extracomment>Heads the domino drawn; the trailing blank is a slip of the English form, a translation need not keep it</extracomment>
        <translation>Votre domino du jour</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Your domino</source>
        <extracomment>Heads the domino drawn in a copied, saved or printed reading</extracomment>
        <translation>Votre domino</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A screen reader&apos;s name for the two halves of the domino drawn, such as &quot;6 pips and 4 pips&quot;</extracomment>
        <translation>%1 et %2</translation>
    </message>
</context>
<context>
    <name>frmDominoOracleMain</name>
    <message>
        <source>Orin Domino Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Oracle des dominos d’Orin</translation>
    </message>
    <message>
        <source>Think about the Problem that is worrying you.</source>
        <translation>Pensez au problème qui vous préoccupe.</translation>
    </message>
    <message>
        <source>Take a Deep Breath and Calm Yourself.</source>
        <translation>Respirez profondément et calmez-vous.</translation>
    </message>
    <message>
        <source>Click on the above Image when you are ready</source>
        <translation>Cliquez sur l’image ci-dessus quand le moment vous semble venu</translation>
    </message>
    <message>
        <source>Draw my domino</source>
        <extracomment>The screen reader&apos;s name of the picture that draws a domino when clicked</extracomment>
        <translation>Tirer mon domino</translation>
    </message>
    <message>
        <source>A picture of dominoes</source>
        <translation>Image de dominos</translation>
    </message>
</context>
<context>
    <name>frmGoodLuckSymbolOracleDisplay</name>
    <message>
        <source>Orin Good Luck Symbol Oracle</source>
        <translation>Oracle des porte-bonheur d’Orin</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>frmGoodLuckSymbolOracleMain</name>
    <message>
        <source>Orin Good Luck Symbol Oracle</source>
        <translation>Oracle des porte-bonheur d’Orin</translation>
    </message>
    <message>
        <source>Good Luck symbols are considered to be auspicious all over the world. Start your day with the good luck symbols in Orin Good Luck Symbol Oracle. This can help you attain happiness and prosperity in your life.</source>
        <translation>Partout dans le monde, les symboles porte-bonheur passent pour être de bon augure. Commencez votre journée avec ceux de l’Oracle des porte-bonheur d’Orin : ils peuvent vous aider à trouver le bonheur et la prospérité.</translation>
    </message>
    <message>
        <source>Find My Good luck Symbol</source>
        <extracomment>The File menu&apos;s item, the same command as the window&apos;s button.</extracomment>
        <translation>Trouver mon porte-bonheur</translation>
    </message>
    <message>
        <source>Please Select A Type of Good Luck Symbol</source>
        <extracomment>No culture is ticked.</extracomment>
        <translation>Veuillez choisir au moins un type de porte-bonheur.</translation>
    </message>
</context>
<context>
    <name>frmMDI</name>
    <message>
        <source>Augurium v1.20</source>
        <translation>Augurium v1.20</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. Visit the forum at www.augurium.example and join in!</source>
        <translation>Le forum ésotérique le plus populaire du Web, la meilleure ressource sur l’ésotérisme. Rendez-vous sur www.augurium.example et participez !</translation>
    </message>
    <message>
        <source>Domino Oracle</source>
        <translation>Oracle des dominos</translation>
    </message>
    <message>
        <source>Good Luck Symbol Oracle</source>
        <translation>Oracle des porte-bonheur</translation>
    </message>
    <message>
        <source>Mahjong Oracle</source>
        <translation>Oracle du mahjong</translation>
    </message>
    <message>
        <source>Celtic Ogham Oracle</source>
        <translation>Oracle ogham celtique</translation>
    </message>
    <message>
        <source>Mystical Color Oracle</source>
        <translation>Oracle des couleurs</translation>
    </message>
    <message>
        <source>Welcome to Augurium</source>
        <translation>Bienvenue dans Augurium</translation>
    </message>
    <message>
        <source>Augurium consists of different oracles that can help you in your day to day life. Start a new day with a reading or whenever you need an answer to your query. Let the Oracles act as a guide make life simpler. Vaticor consists of more such Oracles.</source>
        <translation>Augurium réunit plusieurs oracles qui peuvent vous aider au quotidien. Commencez la journée par une lecture, ou consultez-les chaque fois que vous cherchez une réponse. Laissez-vous guider par les oracles et simplifiez-vous la vie. Vaticor propose d’autres oracles de ce genre.</translation>
    </message>
    <message>
        <source>Augurium includes the following programs</source>
        <translation>Augurium comprend les programmes suivants</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Travaillez depuis chez vous : lancez votre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>frmMahjongOracleDisplay</name>
    <message>
        <source>Orin Mahjong Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Oracle du mahjong d’Orin</translation>
    </message>
    <message>
        <source>English Name</source>
        <translation>Nom français</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Chinese Character</source>
        <translation>Caractère chinois</translation>
    </message>
    <message>
        <source>About Your Mahjong</source>
        <translation>À propos de votre tuile</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Heads the season of a flower tile: the panel has always said Color here</extracomment>
        <translation>Saison</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Your mahjong tile</source>
        <extracomment>Heads the tile drawn in a copied, saved or printed reading</extracomment>
        <translation>Votre tuile de mahjong</translation>
    </message>
</context>
<context>
    <name>frmMahjongOracleMain</name>
    <message>
        <source>Orin Mahjong Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Oracle du mahjong d’Orin</translation>
    </message>
    <message>
        <source>Welcome to the Mahjong Oracle !</source>
        <translation>Bienvenue dans l’Oracle du mahjong !</translation>
    </message>
    <message>
        <source>Think about the Problem that has been worrying you</source>
        <translation>Pensez au problème qui vous tracasse depuis quelque temps</translation>
    </message>
    <message>
        <source>Take a Deep Breath And Click on the Mahjong Tile</source>
        <translation>Respirez profondément et cliquez sur la tuile de mahjong</translation>
    </message>
    <message>
        <source>Draw my tile</source>
        <extracomment>The screen reader&apos;s name of the picture that draws a mahjong tile when clicked</extracomment>
        <translation>Tirer ma tuile</translation>
    </message>
    <message>
        <source>A picture of mahjong tiles</source>
        <translation>Image de tuiles de mahjong</translation>
    </message>
</context>
<context>
    <name>frmMysticColorOracleMain</name>
    <message>
        <source>Orin Mystical Color Oracle</source>
        <translation>Oracle de la couleur mystique d’Orin</translation>
    </message>
    <message>
        <source>Welcome to Orin Mystical Color Oracle! Let the Mystical Color Oracle predict your Lucky Color based on your name. Just follow the instructions and get your answers.</source>
        <translation>Bienvenue dans l’Oracle de la couleur mystique d’Orin ! Laissez-le deviner votre couleur porte-bonheur d’après votre nom. Suivez simplement les instructions pour obtenir vos réponses.</translation>
    </message>
    <message>
        <source>Enter First Name</source>
        <extracomment>One line beside the name field: about 16 characters fit.</extracomment>
        <translation>Votre prénom</translation>
    </message>
    <message>
        <source>Enter Last Name</source>
        <extracomment>One line beside the name field: about 16 characters fit.</extracomment>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>&amp;Ask The Mystical Color Oracle</source>
        <extracomment>A button: about 26 characters fit.</extracomment>
        <translation>&amp;Consulter l’oracle</translation>
    </message>
    <message>
        <source>* Birth Day</source>
        <translation>* Date de naissance</translation>
    </message>
    <message>
        <source>Month</source>
        <extracomment>Above the birth month box: about 9 characters fit.</extracomment>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Above the birth day box: about 7 characters fit.</extracomment>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Above the birth year box: about 7 characters fit.</extracomment>
        <translation>Année</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>&amp;Ouvrir une lecture enregistrée</translation>
    </message>
    <message>
        <source>Orin Mystical Color Oracle Result</source>
        <translation>Résultat de l’Oracle de la couleur mystique d’Orin</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>A small button: about 7 characters fit.</extracomment>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Veuillez saisir votre prénom.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The caption of the names in a copied or printed reading.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A person&apos;s whole name: %1 is the first name, %2 the last name, both as typed.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A whole birth day in a copied reading: %1 is the month&apos;s name, %2 the day, %3 the year.</extracomment>
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <extracomment>The caption of the birth day in a copied or printed reading.</extracomment>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Your lucky colour</source>
        <extracomment>What the colour of a reading is, as a copied or printed reading heads it.</extracomment>
        <translation>Votre couleur porte-bonheur</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <extracomment>The title of the dialog that opens a saved reading.</extracomment>
        <translation>Ouvrir une lecture enregistrée</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <extracomment>The chosen file is not a saved reading (its name does not end in &quot;num&quot;).</extracomment>
        <translation>Veuillez vérifier le fichier.</translation>
    </message>
    <message>
        <source>Please type your name in Latin letters, as it is written in your passport.</source>
        <extracomment>A letter of another script than the Latin one was typed in a name.</extracomment>
        <translation>Veuillez écrire votre nom en lettres latines, tel qu’il figure sur votre passeport.</translation>
    </message>
    <message>
        <source>Please Enter Character Only</source>
        <extracomment>A digit, a blank or a punctuation mark was typed in a name.</extracomment>
        <translation>Veuillez ne saisir que des lettres.</translation>
    </message>
</context>
<context>
    <name>frmOracleLibrary</name>
    <message>
        <source>Oracle Library</source>
        <translation>Bibliothèque des oracles</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>name or word</source>
        <translation>nom ou mot</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>Piece</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>About this piece</source>
        <translation>Description de cet élément</translation>
    </message>
    <message>
        <source>Read with this tree in the present:</source>
        <translation>Lecture avec cet arbre pour le présent :</translation>
    </message>
    <message>
        <source>The P&amp;ast:</source>
        <translation>Le &amp;passé :</translation>
    </message>
    <message>
        <source>The Present:</source>
        <translation>Le présent :</translation>
    </message>
    <message>
        <source>The F&amp;uture:</source>
        <translation>Le f&amp;utur :</translation>
    </message>
    <message>
        <source>Choose three different trees.</source>
        <translation>Choisissez trois arbres différents.</translation>
    </message>
    <message>
        <source>&amp;Read this one</source>
        <translation>&amp;Voir sa lecture</translation>
    </message>
    <message>
        <source>No piece matches</source>
        <translation>Aucun élément ne correspond</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>What a screen reader calls the text beside the list: a piece&apos;s or a heading&apos;s name follows.</extracomment>
        <translation>Description : %1</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Effacer la recherche</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <extracomment>Where a piece stands in the Library: its oracle, then its suit of tiles or its culture.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>&amp;Read these three</source>
        <extracomment>The button that reads the tree on show with the two chosen for the past and the future.</extracomment>
        <translation>&amp;Voir la lecture des trois</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The tree on show as a screen reader names it: the label &quot;The Present:&quot;, then the tree.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The %1 oracle is drawing a reading; this one can be read once it shows.</source>
        <extracomment>%1 is an oracle&apos;s name, as its section in the Library is headed.</extracomment>
        <translation>L’oracle « %1 » est en train d’effectuer un tirage ; vous pourrez voir la lecture de cet élément une fois ce tirage affiché.</translation>
    </message>
    <message>
        <source>The %1 reading you drew is still open. Close it and read this one in its place?</source>
        <extracomment>%1 is an oracle&apos;s name, as its section in the Library is headed.</extracomment>
        <translation>La lecture que vous avez obtenue avec l’oracle « %1 » est toujours ouverte. La fermer et afficher celle de cet élément à sa place ?</translation>
    </message>
</context>
</TS>
