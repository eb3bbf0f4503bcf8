<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommonMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Nach Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber die Software</translation>
    </message>
    <message>
        <source>Oracle &amp;Library</source>
        <translation>Orakel-Bib&amp;liothek</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Make Money Online</source>
        <translation>Online Geld verdienen</translation>
    </message>
</context>
<context>
    <name>DominoPieces</name>
    <message>
        <source>blank</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half without pips</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>1 pip</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half with one pip</extracomment>
        <translation>1 Auge</translation>
    </message>
    <message>
        <source>%1 pips</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half; %1 is 2 to 6</extracomment>
        <translation>%1 Augen</translation>
    </message>
    <message>
        <source>Blank</source>
        <extracomment>A half without pips in a domino&apos;s number, such as &quot;Blank-6&quot;</extracomment>
        <translation>Null</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>A file name cannot contain double quotes (&quot;). Please type the name without them.</source>
        <translation>Ein Dateiname darf keine doppelten Anführungszeichen (&quot;) enthalten. Bitte den Namen ohne Anführungszeichen eingeben.</translation>
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
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Betel Leaf (Paan)</source>
        <translation>Betelblatt (Paan)</translation>
    </message>
    <message>
        <source>Bindi or Dot</source>
        <translation>Bindi oder Punkt</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>Kokosnuss</translation>
    </message>
    <message>
        <source>Conch shells (Shankh)</source>
        <translation>Muschelhorn (Shankh)</translation>
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
        <translation>Swastika</translation>
    </message>
    <message>
        <source>Tulsi</source>
        <translation>Tulsi</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Gebetsmühle</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>Bambus</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Fledermaus</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krabbe</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Kranich</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drache</translation>
    </message>
    <message>
        <source>Fu Symbol</source>
        <translation>Fu-Zeichen</translation>
    </message>
    <message>
        <source>Gold Fish</source>
        <translation>Goldfisch</translation>
    </message>
    <message>
        <source>Gold Ingots</source>
        <translation>Goldbarren</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Pferd</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>Jade</translation>
    </message>
    <message>
        <source>Magpie</source>
        <translation>Elster</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>Orchidee</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>Phönix</translation>
    </message>
    <message>
        <source>Three Legged Toad</source>
        <translation>Dreibeinige Kröte</translation>
    </message>
    <message>
        <source>Tortoise</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>Wealth Ship</source>
        <translation>Schatzschiff</translation>
    </message>
    <message>
        <source>Yin Yang</source>
        <translation>Yin und Yang</translation>
    </message>
    <message>
        <source>Beckoning Cat</source>
        <translation>Winkekatze</translation>
    </message>
    <message>
        <source>Benten</source>
        <translation>Benten</translation>
    </message>
    <message>
        <source>Bishamon</source>
        <translation>Bishamon</translation>
    </message>
    <message>
        <source>Daikokuten</source>
        <translation>Daikokuten</translation>
    </message>
    <message>
        <source>Daruma Doll</source>
        <translation>Daruma-Puppe</translation>
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
        <translation>Jurojin</translation>
    </message>
    <message>
        <source>Laughing Buddha</source>
        <translation>Lachender Buddha</translation>
    </message>
    <message>
        <source>Tanuki</source>
        <translation>Tanuki</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Engel</translation>
    </message>
    <message>
        <source>Ankh</source>
        <translation>Anch</translation>
    </message>
    <message>
        <source>Caduceus</source>
        <translation>Hermesstab</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>Eye of Horus</source>
        <translation>Horusauge</translation>
    </message>
    <message>
        <source>Isis</source>
        <translation>Isis</translation>
    </message>
    <message>
        <source>Lotus Flower</source>
        <translation>Lotusblume</translation>
    </message>
    <message>
        <source>Scarab</source>
        <translation>Skarabäus</translation>
    </message>
    <message>
        <source>3 Keys</source>
        <translation>3 Schlüssel</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Eichel</translation>
    </message>
    <message>
        <source>Coin</source>
        <translation>Münze</translation>
    </message>
    <message>
        <source>Four Leaf Clover</source>
        <translation>Vierblättriges Kleeblatt</translation>
    </message>
    <message>
        <source>Horseshoe</source>
        <translation>Hufeisen</translation>
    </message>
    <message>
        <source>Ladybug</source>
        <translation>Marienkäfer</translation>
    </message>
    <message>
        <source>Old Boot</source>
        <translation>Alter Stiefel</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Glücksschwein</translation>
    </message>
    <message>
        <source>Rabbit&apos;s Foot</source>
        <translation>Hasenpfote</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Einhorn</translation>
    </message>
    <message>
        <source>Wishbone</source>
        <translation>Wunschknochen</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Holz</translation>
    </message>
    <message>
        <source>Dolphins</source>
        <translation>Delfine</translation>
    </message>
    <message>
        <source>Hamsa Hand</source>
        <translation>Hamsa-Hand</translation>
    </message>
    <message>
        <source>Broken Arrow</source>
        <translation>Zerbrochener Pfeil</translation>
    </message>
    <message>
        <source>Crossed Arrows</source>
        <translation>Gekreuzte Pfeile</translation>
    </message>
    <message>
        <source>Feathers</source>
        <translation>Federn</translation>
    </message>
    <message>
        <source>Fence</source>
        <translation>Zaun</translation>
    </message>
    <message>
        <source>Kokopelli Charm</source>
        <translation>Kokopelli-Amulett</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Berg</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Regenwolke</translation>
    </message>
    <message>
        <source>Rain Drop</source>
        <translation>Regentropfen</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Regen</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Thunderbird</source>
        <translation>Donnervogel</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Indische Glückssymbole</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Chinesische Glückssymbole</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Japanische Glückssymbole</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Ägyptische Glückssymbole</translation>
    </message>
    <message>
        <source>English Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Englische Glückssymbole</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Arabische Glückssymbole</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Indigene Glückssymbole Amerikas</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbol</source>
        <extracomment>What one drawn symbol of a culture is, as a copied or printed reading heads it.</extracomment>
        <translation>Indisches Glückssymbol</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbol</source>
        <translation>Chinesisches Glückssymbol</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbol</source>
        <translation>Japanisches Glückssymbol</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbol</source>
        <translation>Ägyptisches Glückssymbol</translation>
    </message>
    <message>
        <source>English Good Luck Symbol</source>
        <translation>Englisches Glückssymbol</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbol</source>
        <translation>Arabisches Glückssymbol</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbol</source>
        <translation>Indigenes Glückssymbol Amerikas</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>Your language&apos;s name as its speakers write it, such as &quot;Deutsch&quot;.</extracomment>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Desktop language</source>
        <translation>Systemsprache</translation>
    </message>
</context>
<context>
    <name>LibraryCatalogue</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Both ways round of one domino, as in &quot;6-4 and 4-6&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Bambus</translation>
    </message>
    <message>
        <source>Characters</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Circles</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Kreise</translation>
    </message>
    <message>
        <source>Dragons</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Drachen</translation>
    </message>
    <message>
        <source>Flowers</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Blumen</translation>
    </message>
    <message>
        <source>Seasons</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Jahreszeiten</translation>
    </message>
    <message>
        <source>Winds</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Winde</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: the name players give it.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>English Name</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: what the tile stands for, as its English name says.</extracomment>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Chinese Character</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: the romanised Chinese character on the tile.</extracomment>
        <translation>Chinesisches Zeichen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A mahjong tile: its name, then what it stands for, as in &quot;1 Wan (Open Door)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The thirteen trees of the Celtic tree calendar. A reading draws three different trees, for the past, the present and the future, each with its signs and what it says of you.</source>
        <translation>Die dreizehn Bäume des keltischen Baumkalenders. Für eine Deutung werden drei verschiedene Bäume gezogen – für Vergangenheit, Gegenwart und Zukunft –, jeder mit seinen Merkmalen und dem, was er über dich verrät.</translation>
    </message>
    <message>
        <source>The 28 dominoes of a double-six set, from blank to six pips on each half. A reading draws one domino and gives its meaning.</source>
        <translation>Die 28 Steine eines Dominospiels bis Doppel-Sechs, mit null bis sechs Augen auf jeder Hälfte. Für eine Deutung wird ein Stein gezogen und seine Bedeutung erklärt.</translation>
    </message>
    <message>
        <source>74 lucky charms from seven cultures. A reading draws one symbol from each culture you choose and tells its story.</source>
        <translation>74 Glücksbringer aus sieben Kulturen. Für eine Deutung wird aus jeder gewählten Kultur ein Symbol gezogen und seine Geschichte erzählt.</translation>
    </message>
    <message>
        <source>The 42 mahjong tiles in their seven suits. A reading draws one tile and gives its names and its meaning; wind, flower and season tiles bring their signs as well.</source>
        <translation>Die 42 Mahjong-Steine in ihren sieben Gruppen. Für eine Deutung wird ein Stein gezogen und mit seinen Namen und seiner Bedeutung vorgestellt, ein Wind-, Blumen- oder Jahreszeitenstein auch mit seinen Merkmalen.</translation>
    </message>
    <message>
        <source>Five colours. A reading finds the lucky colour that your first and last names point to, and what it says of you.</source>
        <translation>Fünf Farben. Eine Deutung ermittelt die Glücksfarbe, auf die dein Vor- und Nachname hindeuten, und was sie über dich verrät.</translation>
    </message>
    <message>
        <source>the</source>
        <extracomment>Words a piece&apos;s name may begin with that a person leaves out when typing it, so that typing &quot;holly&quot; reaches &quot;The Holly Tree&quot;: in lower case, several apart by blanks (German: &quot;der die das&quot;). Leave it as it is where names have none.</extracomment>
        <translation>der die das</translation>
    </message>
</context>
<context>
    <name>MahjongTiles</name>
    <message>
        <source>%1 tile</source>
        <extracomment>A screen reader&apos;s name for the picture of a mahjong tile; %1 says what the tile means, such as &quot;Carp&quot;</extracomment>
        <translation>Stein „%1“</translation>
    </message>
    <message>
        <source>4 Bamboo</source>
        <translation>4 Bambus</translation>
    </message>
    <message>
        <source>Carp</source>
        <translation>Karpfen</translation>
    </message>
    <message>
        <source>2 Bamboo</source>
        <translation>2 Bambus</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Ente</translation>
    </message>
    <message>
        <source>8 Bamboo</source>
        <translation>8 Bambus</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Pilz</translation>
    </message>
    <message>
        <source>5 Bamboo</source>
        <translation>5 Bambus</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Lotus</translation>
    </message>
    <message>
        <source>1 Bamboo</source>
        <translation>1 Bambus</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Pfau</translation>
    </message>
    <message>
        <source>3 Bamboo</source>
        <translation>3 Bambus</translation>
    </message>
    <message>
        <source>Toad</source>
        <translation>Kröte</translation>
    </message>
    <message>
        <source>7 Bamboo</source>
        <translation>7 Bambus</translation>
    </message>
    <message>
        <source>Tortoise</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>6 Bamboo</source>
        <translation>6 Bambus</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>9 Bamboo</source>
        <translation>9 Bambus</translation>
    </message>
    <message>
        <source>Willow</source>
        <translation>Weide</translation>
    </message>
    <message>
        <source>3 Wan (Character)</source>
        <translation>3 Wan (Zeichen)</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>6 Wan (Character)</source>
        <translation>6 Wan (Zeichen)</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>9 Wan (Character)</source>
        <translation>9 Wan (Zeichen)</translation>
    </message>
    <message>
        <source>Heaven</source>
        <translation>Himmel</translation>
    </message>
    <message>
        <source>5 Wan (Character)</source>
        <translation>5 Wan (Zeichen)</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Haus</translation>
    </message>
    <message>
        <source>8 Wan (Character)</source>
        <translation>8 Wan (Zeichen)</translation>
    </message>
    <message>
        <source>Knot</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>4 Wan (Character)</source>
        <translation>4 Wan (Zeichen)</translation>
    </message>
    <message>
        <source>Lute</source>
        <translation>Laute</translation>
    </message>
    <message>
        <source>1 Wan (Character)</source>
        <translation>1 Wan (Zeichen)</translation>
    </message>
    <message>
        <source>Open Door</source>
        <translation>Offene Tür</translation>
    </message>
    <message>
        <source>2 Wan (Character)</source>
        <translation>2 Wan (Zeichen)</translation>
    </message>
    <message>
        <source>Sword</source>
        <translation>Schwert</translation>
    </message>
    <message>
        <source>7 Wan (Character)</source>
        <translation>7 Wan (Zeichen)</translation>
    </message>
    <message>
        <source>The Seven Star</source>
        <translation>Die sieben Sterne</translation>
    </message>
    <message>
        <source>5 Circle</source>
        <translation>5 Kreise</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drache</translation>
    </message>
    <message>
        <source>7 Circle</source>
        <translation>7 Kreise</translation>
    </message>
    <message>
        <source>Insect</source>
        <translation>Insekt</translation>
    </message>
    <message>
        <source>4 Circle</source>
        <translation>4 Kreise</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>Jade</translation>
    </message>
    <message>
        <source>6 Circle</source>
        <translation>6 Kreise</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Pfirsich</translation>
    </message>
    <message>
        <source>1 Circle</source>
        <translation>1 Kreis</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Perle</translation>
    </message>
    <message>
        <source>3 Circle </source>
        <extracomment>The trailing blank is a slip of the English table; a translation need not keep it</extracomment>
        <translation>3 Kreise</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>Phönix</translation>
    </message>
    <message>
        <source>2 Circle</source>
        <translation>2 Kreise</translation>
    </message>
    <message>
        <source>Pine</source>
        <translation>Kiefer</translation>
    </message>
    <message>
        <source>8 Circle</source>
        <translation>8 Kreise</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tiger</translation>
    </message>
    <message>
        <source>9 Circle</source>
        <translation>9 Kreise</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Einhorn</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>Grüner Drache</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>Roter Drache</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>Weißer Drache</translation>
    </message>
    <message>
        <source>Flowers Bamboo</source>
        <translation>Blume Bambus</translation>
    </message>
    <message>
        <source>Flowers Chrysanthemum</source>
        <translation>Blume Chrysantheme</translation>
    </message>
    <message>
        <source>Flowers Orchid</source>
        <translation>Blume Orchidee</translation>
    </message>
    <message>
        <source>Flowers Plum Blossom</source>
        <translation>Blume Pflaumenblüte</translation>
    </message>
    <message>
        <source>Seasons Autumn</source>
        <translation>Jahreszeit Herbst</translation>
    </message>
    <message>
        <source>Seasons Spring</source>
        <translation>Jahreszeit Frühling</translation>
    </message>
    <message>
        <source>Seasons Summer</source>
        <translation>Jahreszeit Sommer</translation>
    </message>
    <message>
        <source>Seasons Winter</source>
        <translation>Jahreszeit Winter</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>Ostwind</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>Nordwind</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>Südwind</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>Westwind</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Frühling</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Holz</translation>
    </message>
    <message>
        <source>Dragon (5 Circles)</source>
        <translation>Drache (5 Kreise)</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Phoenix (3 Circles)</source>
        <translation>Phönix (3 Kreise)</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Herbst</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metall</translation>
    </message>
    <message>
        <source>Tiger (8 Circles)</source>
        <translation>Tiger (8 Kreise)</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Tortoise (7 Bamboo)</source>
        <translation>Schildkröte (7 Bambus)</translation>
    </message>
    <message>
        <source>East Wind</source>
        <translation>Ostwind</translation>
    </message>
    <message>
        <source>South Wind</source>
        <translation>Südwind</translation>
    </message>
    <message>
        <source>West Wind</source>
        <translation>Westwind</translation>
    </message>
    <message>
        <source>North Wind</source>
        <translation>Nordwind</translation>
    </message>
    <message>
        <source>Fisherman</source>
        <translation>Fischer</translation>
    </message>
    <message>
        <source>Plum Blossom</source>
        <translation>Pflaumenblüte</translation>
    </message>
    <message>
        <source>Woodcutter</source>
        <translation>Holzfäller</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>Orchidee</translation>
    </message>
    <message>
        <source>Farmer</source>
        <translation>Bauer</translation>
    </message>
    <message>
        <source>Chrysanthemum</source>
        <translation>Chrysantheme</translation>
    </message>
    <message>
        <source>Scholar</source>
        <translation>Gelehrter</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>Bambus</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Jahreszeit</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Sternbild</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Representation</source>
        <translation>Sinnbild</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Blume</translation>
    </message>
</context>
<context>
    <name>MysticalColors</name>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
</context>
<context>
    <name>OghamTreePanel</name>
    <message>
        <source>Characteristics</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>How a screen reader names a tree&apos;s paragraph: the time it stands for, then the tree (&quot;The Past: The Oak Tree&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>One attribute of a tree as a screen reader tells it (&quot;Ruling Planet: Sun.&quot;).</extracomment>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>OghamTrees</name>
    <message>
        <source>The Birch Tree</source>
        <translation>Die Birke</translation>
    </message>
    <message>
        <source>Ambition, Ideals</source>
        <translation>Ehrgeiz, Ideale</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>The White Stag</source>
        <translation>Der weiße Hirsch</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Rock Crystal</source>
        <translation>Bergkristall</translation>
    </message>
    <message>
        <source>Common Daisy</source>
        <translation>Gänseblümchen</translation>
    </message>
    <message>
        <source>The Rowan Tree</source>
        <translation>Die Eberesche</translation>
    </message>
    <message>
        <source>Inspiration, Creativity</source>
        <translation>Inspiration, Kreativität</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>The Dragon </source>
        <translation>Der Drache</translation>
    </message>
    <message>
        <source>Red/Grey</source>
        <translation>Rot/Grau</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Peridot</source>
        <translation>Peridot</translation>
    </message>
    <message>
        <source>Snowdrop</source>
        <translation>Schneeglöckchen</translation>
    </message>
    <message>
        <source>The Ash Tree </source>
        <translation>Die Esche</translation>
    </message>
    <message>
        <source>Wisdom, Energy</source>
        <translation>Weisheit, Energie</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>The Adder</source>
        <translation>Die Kreuzotter</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Koralle</translation>
    </message>
    <message>
        <source>Wood Anemone,Buttercup</source>
        <translation>Buschwindröschen, Hahnenfuß</translation>
    </message>
    <message>
        <source>The Alder Tree </source>
        <translation>Die Erle</translation>
    </message>
    <message>
        <source>Cunningness, Skill</source>
        <translation>Schläue, Geschick</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>The Fox</source>
        <translation>Der Fuchs</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Karmesinrot</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubin</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Ginster</translation>
    </message>
    <message>
        <source>The Willow Tree </source>
        <translation>Die Weide</translation>
    </message>
    <message>
        <source>Adapt, Adjustments</source>
        <translation>Anpassung, Wandel</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>The Hare</source>
        <translation>Der Hase</translation>
    </message>
    <message>
        <source>Any bright color</source>
        <translation>Jede leuchtende Farbe</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>Moonstone</source>
        <translation>Mondstein</translation>
    </message>
    <message>
        <source>Primrose</source>
        <translation>Primel</translation>
    </message>
    <message>
        <source>The Hawthorn Tree </source>
        <translation>Der Weißdorn</translation>
    </message>
    <message>
        <source>Patience, Wisdom</source>
        <translation>Geduld, Weisheit</translation>
    </message>
    <message>
        <source>Vulcan</source>
        <translation>Vulkanus</translation>
    </message>
    <message>
        <source>The Owl</source>
        <translation>Die Eule</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>April/ May</source>
        <translation>April/Mai</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topas</translation>
    </message>
    <message>
        <source>Wood Sorrel</source>
        <translation>Waldsauerklee</translation>
    </message>
    <message>
        <source>The Oak Tree</source>
        <translation>Die Eiche</translation>
    </message>
    <message>
        <source>Simplicity, Wit</source>
        <translation>Schlichtheit, Scharfsinn</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>The Wren</source>
        <translation>Der Zaunkönig</translation>
    </message>
    <message>
        <source>Black and dark brown</source>
        <translation>Schwarz und Dunkelbraun</translation>
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
        <translation>Huflattich</translation>
    </message>
    <message>
        <source>The Holly Tree</source>
        <translation>Die Stechpalme</translation>
    </message>
    <message>
        <source>Strength, Purity</source>
        <translation>Stärke, Reinheit</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>The Unicorn</source>
        <translation>Das Einhorn</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>Red Carnelian</source>
        <translation>Roter Karneol</translation>
    </message>
    <message>
        <source>Vervain</source>
        <translation>Eisenkraut</translation>
    </message>
    <message>
        <source>The Hazel Tree</source>
        <translation>Die Hasel</translation>
    </message>
    <message>
        <source>Inspiration</source>
        <translation>Inspiration</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>The Salmon</source>
        <translation>Der Lachs</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Amethyst</translation>
    </message>
    <message>
        <source>Valerian</source>
        <translation>Baldrian</translation>
    </message>
    <message>
        <source>The Vine</source>
        <translation>Die Weinrebe</translation>
    </message>
    <message>
        <source>Beauty, Grace</source>
        <translation>Schönheit, Anmut</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>The Swan</source>
        <translation>Der Schwan</translation>
    </message>
    <message>
        <source>All multi-hued colors</source>
        <translation>Alle bunten Farbtöne</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Smaragd</translation>
    </message>
    <message>
        <source>The Ivy</source>
        <translation>Der Efeu</translation>
    </message>
    <message>
        <source>Colorful Nature, Faith</source>
        <translation>Farbenfrohes Wesen, Glaube</translation>
    </message>
    <message>
        <source>Persephone</source>
        <translation>Persephone</translation>
    </message>
    <message>
        <source>The Butterfly  </source>
        <translation>Der Schmetterling</translation>
    </message>
    <message>
        <source>Sky blue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Opal</translation>
    </message>
    <message>
        <source>Woody Nightshade</source>
        <translation>Bittersüßer Nachtschatten</translation>
    </message>
    <message>
        <source>The Reed</source>
        <translation>Das Schilfrohr</translation>
    </message>
    <message>
        <source>Loyalty, Honor</source>
        <translation>Treue, Ehre</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluto</translation>
    </message>
    <message>
        <source>The Hound Dog </source>
        <translation>Der Jagdhund</translation>
    </message>
    <message>
        <source>Grass green</source>
        <translation>Grasgrün</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>Jasper</source>
        <translation>Jaspis</translation>
    </message>
    <message>
        <source>Water Mint</source>
        <translation>Wasserminze</translation>
    </message>
    <message>
        <source>The Elder Tree</source>
        <translation>Der Holunder</translation>
    </message>
    <message>
        <source>Ambition, Patience</source>
        <translation>Ehrgeiz, Geduld</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>The Raven </source>
        <translation>Der Rabe</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>The month of Samhain</source>
        <translation>Der Monat Samhain</translation>
    </message>
    <message>
        <source>Jet or Black Amber</source>
        <translation>Gagat oder schwarzer Bernstein</translation>
    </message>
    <message>
        <source>Dandelion</source>
        <translation>Löwenzahn</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Herrscherplanet</translation>
    </message>
    <message>
        <source>Ruling Animal</source>
        <translation>Krafttier</translation>
    </message>
    <message>
        <source>Ogham Term</source>
        <translation>Ogham-Zeichen</translation>
    </message>
    <message>
        <source>Lucky Color</source>
        <translation>Glücksfarbe</translation>
    </message>
    <message>
        <source>Lucky Month</source>
        <translation>Glücksmonat</translation>
    </message>
    <message>
        <source>Lucky Letter</source>
        <translation>Glücksbuchstabe</translation>
    </message>
    <message>
        <source>Lucky Gemstone</source>
        <translation>Glücksstein</translation>
    </message>
    <message>
        <source>Lucky Flower</source>
        <translation>Glücksblume</translation>
    </message>
</context>
<context>
    <name>OracleNames</name>
    <message>
        <source>Celtic Ogham</source>
        <translation>Keltisches Ogham</translation>
    </message>
    <message>
        <source>Domino</source>
        <translation>Domino</translation>
    </message>
    <message>
        <source>Good Luck Symbol</source>
        <translation>Glückssymbol</translation>
    </message>
    <message>
        <source>Mahjong</source>
        <translation>Mahjong</translation>
    </message>
    <message>
        <source>Mystical Color</source>
        <translation>Mystische Farbe</translation>
    </message>
</context>
<context>
    <name>OracleWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>PleaseWaitPanel</name>
    <message>
        <source>Please Wait</source>
        <translation>Bitte warten</translation>
    </message>
</context>
<context>
    <name>Promotions</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Come and join us at %1</source>
        <translation>Das beliebteste Mystik-Forum im Netz. Die beste Adresse für alles Mystische. Mach mit unter %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Starte dein eigenes Internetgeschäft und verdiene online Geld. Hol dir diese Software komplett unter der Marke deiner Website. Hier klicken für mehr Infos.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.</source>
        <translation>Biete diese Software mit deiner Marke an und gewinne treue Besucher. Hier stehen dann Name und Link deiner Website. Siehe „Hilfe“.</translation>
    </message>
    <message>
        <source>Click Here for more info on co-branding.</source>
        <translation> Hier klicken für mehr Infos zum Co-Branding.</translation>
    </message>
</context>
<context>
    <name>ReadingCommands</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Reiner Text (*.txt)</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>Deutung &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <translation>Deutung &amp;speichern unter…</translation>
    </message>
    <message>
        <source>&amp;Print Reading…</source>
        <translation>Deutung &amp;drucken…</translation>
    </message>
    <message>
        <source>Reading copied</source>
        <translation>Deutung kopiert</translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation>Deutung speichern unter</translation>
    </message>
    <message>
        <source>“.%1” is not one of the kinds offered (a picture such as .png or .jpg, a PDF document or plain text)</source>
        <translation>„.%1“ ist keines der angebotenen Formate (ein Bild wie .png oder .jpg, ein PDF-Dokument oder reiner Text)</translation>
    </message>
    <message>
        <source>The reading could not be saved as “%1”: %2.</source>
        <translation>Die Deutung konnte nicht als „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The reading could not be printed to “%1”: %2.</source>
        <translation>Die Deutung konnte nicht in „%1“ gedruckt werden: %2.</translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation>Die Deutung konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>ReadingDescription</name>
    <message>
        <source>%1 reading</source>
        <extracomment>A reading&apos;s title, such as &quot;Domino reading&quot;.</extracomment>
        <translation>%1 – Deutung</translation>
    </message>
</context>
<context>
    <name>ReadingOutput</name>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <extracomment>The date and time a reading was made, in QLocale::toString&apos;s format letters.</extracomment>
        <translation>d. MMMM yyyy, HH:mm</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A caption and its value, such as &quot;Keywords: Wisdom&quot;.</extracomment>
        <translation>%1: %2</translation>
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
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>it is not a plain file but a pipe or a device</source>
        <extracomment>Ends &quot;The reading could not be saved as “…”: %2.&quot;</extracomment>
        <translation>Es ist keine gewöhnliche Datei, sondern eine Pipe oder ein Gerät</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>Die Seite konnte nicht gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>Augurium läuft bereits.</translation>
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
        <translation>Für diese Software ist möglicherweise ein Update verfügbar.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Jetzt nach einem Update suchen?</translation>
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
        <translation>Orakel helfen Menschen seit jeher, Lösungen für ihre Probleme zu finden. Sie können ein Wegweiser zu einem besseren Leben sein. Augurium umfasst das Domino-Orakel, das Glückssymbol-Orakel, das Mahjong-Orakel, das Keltische Ogham-Orakel und das Mystische Farborakel von Orin.</translation>
    </message>
    <message>
        <source>Click here to visit www.augurium.example</source>
        <translation>Besuche uns auf www.augurium.example</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Starte dein eigenes Internetgeschäft und verdiene online Geld. Hol dir diese Software komplett unter der Marke deiner Website.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Hier klicken für mehr Infos.</translation>
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
        <translation>Orin Keltisches Ogham-Orakel</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>A small button: about 9 characters fit.</extracomment>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Question</source>
        <extracomment>The caption of the user&apos;s question in a copied or printed reading.</extracomment>
        <translation>Frage</translation>
    </message>
    <message>
        <source>The Past</source>
        <extracomment>The heading of the left tree panel of an Ogham reading.</extracomment>
        <translation>Vergangenheit</translation>
    </message>
    <message>
        <source>The Present</source>
        <extracomment>The heading of the right tree panel of an Ogham reading.</extracomment>
        <translation>Gegenwart</translation>
    </message>
    <message>
        <source>The Future</source>
        <extracomment>The heading of the middle tree panel of an Ogham reading.</extracomment>
        <translation>Zukunft</translation>
    </message>
</context>
<context>
    <name>frmCelticOghamOracleMain</name>
    <message>
        <source>Orin Celtic Ogham Oracle</source>
        <translation>Orin Keltisches Ogham-Orakel</translation>
    </message>
    <message>
        <source>Your Question</source>
        <translation>Deine Frage</translation>
    </message>
    <message>
        <source>Click on the above image to get your Celtic Ogham Oracle Reading</source>
        <translation>Klicke auf das Bild oben für deine keltische Ogham-Deutung</translation>
    </message>
    <message>
        <source>Plese Enter Your Question</source>
        <extracomment>The question box is empty.</extracomment>
        <translation>Bitte gib deine Frage ein.</translation>
    </message>
    <message>
        <source>Enter Your Question Here</source>
        <extracomment>The text the question box opens with; typing replaces it.</extracomment>
        <translation>Gib hier deine Frage ein</translation>
    </message>
    <message>
        <source>Draw my three trees</source>
        <extracomment>What clicking the tree picture does, as a screen reader names the picture.</extracomment>
        <translation>Meine drei Bäume ziehen</translation>
    </message>
    <message>
        <source>A picture of a tree</source>
        <translation>Bild eines Baumes</translation>
    </message>
</context>
<context>
    <name>frmDominoOracleDisplay</name>
    <message>
        <source>Orin Domino Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Orin Domino-Orakel</translation>
    </message>
    <message>
        <source>Your Domino For Today </source>
        <extracomment>Heads the domino drawn; the trailing blank is a slip of the English form, a translation need not keep it</extracomment>
        <translation>Dein Stein für heute</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Your domino</source>
        <extracomment>Heads the domino drawn in a copied, saved or printed reading</extracomment>
        <translation>Dein Dominostein</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A screen reader&apos;s name for the two halves of the domino drawn, such as &quot;6 pips and 4 pips&quot;</extracomment>
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>frmDominoOracleMain</name>
    <message>
        <source>Orin Domino Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Orin Domino-Orakel</translation>
    </message>
    <message>
        <source>Think about the Problem that is worrying you.</source>
        <translation>Denk an das Problem, das dir Sorgen macht.</translation>
    </message>
    <message>
        <source>Take a Deep Breath and Calm Yourself.</source>
        <translation>Atme tief durch und komm zur Ruhe.</translation>
    </message>
    <message>
        <source>Click on the above Image when you are ready</source>
        <translation>Klicke auf das Bild oben, wenn du bereit bist</translation>
    </message>
    <message>
        <source>Draw my domino</source>
        <extracomment>The screen reader&apos;s name of the picture that draws a domino when clicked</extracomment>
        <translation>Meinen Dominostein ziehen</translation>
    </message>
    <message>
        <source>A picture of dominoes</source>
        <translation>Bild von Dominosteinen</translation>
    </message>
</context>
<context>
    <name>frmGoodLuckSymbolOracleDisplay</name>
    <message>
        <source>Orin Good Luck Symbol Oracle</source>
        <translation>Orin Glückssymbol-Orakel</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>frmGoodLuckSymbolOracleMain</name>
    <message>
        <source>Orin Good Luck Symbol Oracle</source>
        <translation>Orin Glückssymbol-Orakel</translation>
    </message>
    <message>
        <source>Good Luck symbols are considered to be auspicious all over the world. Start your day with the good luck symbols in Orin Good Luck Symbol Oracle. This can help you attain happiness and prosperity in your life.</source>
        <translation>Überall auf der Welt gelten Glückssymbole als gutes Omen. Beginne deinen Tag mit den Glückssymbolen aus dem Orin Glückssymbol-Orakel. Sie können dir zu Glück und Wohlstand verhelfen.</translation>
    </message>
    <message>
        <source>Find My Good luck Symbol</source>
        <extracomment>The File menu&apos;s item, the same command as the window&apos;s button.</extracomment>
        <translation>Mein Glückssymbol finden</translation>
    </message>
    <message>
        <source>Please Select A Type of Good Luck Symbol</source>
        <extracomment>No culture is ticked.</extracomment>
        <translation>Bitte wähle mindestens eine Art von Glückssymbolen aus.</translation>
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
        <translation>Das beliebteste Mystik-Forum im Netz. Die beste Adresse für alles Mystische. Besuche das Forum unter www.augurium.example und mach mit!</translation>
    </message>
    <message>
        <source>Domino Oracle</source>
        <translation>Domino-Orakel</translation>
    </message>
    <message>
        <source>Good Luck Symbol Oracle</source>
        <translation>Glückssymbol-Orakel</translation>
    </message>
    <message>
        <source>Mahjong Oracle</source>
        <translation>Mahjong-Orakel</translation>
    </message>
    <message>
        <source>Celtic Ogham Oracle</source>
        <translation>Keltisches Ogham-Orakel</translation>
    </message>
    <message>
        <source>Mystical Color Oracle</source>
        <translation>Mystisches Farborakel</translation>
    </message>
    <message>
        <source>Welcome to Augurium</source>
        <translation>Willkommen bei Augurium</translation>
    </message>
    <message>
        <source>Augurium consists of different oracles that can help you in your day to day life. Start a new day with a reading or whenever you need an answer to your query. Let the Oracles act as a guide make life simpler. Vaticor consists of more such Oracles.</source>
        <translation>Augurium vereint verschiedene Orakel, die dir im Alltag helfen können. Beginne den Tag mit einer Deutung oder befrage sie, wann immer du eine Antwort brauchst. Lass dich von ihnen leiten und mach dir das Leben leichter. Vaticor bietet noch mehr solcher Orakel.</translation>
    </message>
    <message>
        <source>Augurium includes the following programs</source>
        <translation>Augurium enthält folgende Programme</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Starte dein eigenes Internetgeschäft und verdiene online Geld. Hol dir diese Software komplett unter der Marke deiner Website. Hier klicken für mehr Infos.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>frmMahjongOracleDisplay</name>
    <message>
        <source>Orin Mahjong Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Orin Mahjong-Orakel</translation>
    </message>
    <message>
        <source>English Name</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Chinese Character</source>
        <translation>Chinesisches Zeichen</translation>
    </message>
    <message>
        <source>About Your Mahjong</source>
        <translation>Über deinen Mahjong-Stein</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Heads the season of a flower tile: the panel has always said Color here</extracomment>
        <translation>Jahreszeit</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Your mahjong tile</source>
        <extracomment>Heads the tile drawn in a copied, saved or printed reading</extracomment>
        <translation>Dein Mahjong-Stein</translation>
    </message>
</context>
<context>
    <name>frmMahjongOracleMain</name>
    <message>
        <source>Orin Mahjong Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Orin Mahjong-Orakel</translation>
    </message>
    <message>
        <source>Welcome to the Mahjong Oracle !</source>
        <translation>Willkommen beim Mahjong-Orakel!</translation>
    </message>
    <message>
        <source>Think about the Problem that has been worrying you</source>
        <translation>Denk an das Problem, das dir schon länger Sorgen macht</translation>
    </message>
    <message>
        <source>Take a Deep Breath And Click on the Mahjong Tile</source>
        <translation>Atme tief durch und klicke auf den Mahjong-Stein</translation>
    </message>
    <message>
        <source>Draw my tile</source>
        <extracomment>The screen reader&apos;s name of the picture that draws a mahjong tile when clicked</extracomment>
        <translation>Meinen Stein ziehen</translation>
    </message>
    <message>
        <source>A picture of mahjong tiles</source>
        <translation>Bild von Mahjong-Steinen</translation>
    </message>
</context>
<context>
    <name>frmMysticColorOracleMain</name>
    <message>
        <source>Orin Mystical Color Oracle</source>
        <translation>Orin Mystisches Farborakel</translation>
    </message>
    <message>
        <source>Welcome to Orin Mystical Color Oracle! Let the Mystical Color Oracle predict your Lucky Color based on your name. Just follow the instructions and get your answers.</source>
        <translation>Willkommen beim Mystischen Farborakel von Orin! Es verrät dir anhand deines Namens deine Glücksfarbe. Folge einfach den Anweisungen, und du erhältst deine Antworten.</translation>
    </message>
    <message>
        <source>Enter First Name</source>
        <extracomment>One line beside the name field: about 16 characters fit.</extracomment>
        <translation>Dein Vorname</translation>
    </message>
    <message>
        <source>Enter Last Name</source>
        <extracomment>One line beside the name field: about 16 characters fit.</extracomment>
        <translation>Dein Nachname</translation>
    </message>
    <message>
        <source>&amp;Ask The Mystical Color Oracle</source>
        <extracomment>A button: about 26 characters fit.</extracomment>
        <translation>Das Farborakel &amp;befragen</translation>
    </message>
    <message>
        <source>* Birth Day</source>
        <translation>* Geburtsdatum</translation>
    </message>
    <message>
        <source>Month</source>
        <extracomment>Above the birth month box: about 9 characters fit.</extracomment>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Above the birth day box: about 7 characters fit.</extracomment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Above the birth year box: about 7 characters fit.</extracomment>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>Gespeicherte Deutung ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Orin Mystical Color Oracle Result</source>
        <translation>Orin Mystisches Farborakel – Ergebnis</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>A small button: about 7 characters fit.</extracomment>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Bitte gib deinen Vornamen ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Bitte gib deinen Nachnamen ein.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The caption of the names in a copied or printed reading.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A person&apos;s whole name: %1 is the first name, %2 the last name, both as typed.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <extracomment>The caption of the birth day in a copied or printed reading.</extracomment>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Your lucky colour</source>
        <extracomment>What the colour of a reading is, as a copied or printed reading heads it.</extracomment>
        <translation>Deine Glücksfarbe</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <extracomment>The title of the dialog that opens a saved reading.</extracomment>
        <translation>Gespeicherte Deutung öffnen</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <extracomment>The chosen file is not a saved reading (its name does not end in &quot;num&quot;).</extracomment>
        <translation>Bitte prüfe die Datei.</translation>
    </message>
    <message>
        <source>Please type your name in Latin letters, as it is written in your passport.</source>
        <extracomment>A letter of another script than the Latin one was typed in a name.</extracomment>
        <translation>Bitte schreib deinen Namen in lateinischen Buchstaben, so wie er in deinem Reisepass steht.</translation>
    </message>
    <message>
        <source>Please Enter Character Only</source>
        <extracomment>A digit, a blank or a punctuation mark was typed in a name.</extracomment>
        <translation>Bitte gib nur Buchstaben ein.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A whole birth day in a copied reading: %1 is the month&apos;s name, %2 the day, %3 the year.</extracomment>
        <translation>%2. %1 %3</translation>
    </message>
</context>
<context>
    <name>frmOracleLibrary</name>
    <message>
        <source>Oracle Library</source>
        <translation>Orakel-Bibliothek</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suche:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>name or word</source>
        <translation>Name oder Wort</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Piece</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>About this piece</source>
        <translation>Zu diesem Eintrag</translation>
    </message>
    <message>
        <source>Read with this tree in the present:</source>
        <translation>Mit diesem Baum in der Gegenwart deuten:</translation>
    </message>
    <message>
        <source>The P&amp;ast:</source>
        <translation>&amp;Vergangenheit:</translation>
    </message>
    <message>
        <source>The Present:</source>
        <translation>Gegenwart:</translation>
    </message>
    <message>
        <source>The F&amp;uture:</source>
        <translation>&amp;Zukunft:</translation>
    </message>
    <message>
        <source>Choose three different trees.</source>
        <translation>Bitte drei verschiedene Bäume wählen.</translation>
    </message>
    <message>
        <source>&amp;Read this one</source>
        <translation>Deutung &amp;anzeigen</translation>
    </message>
    <message>
        <source>No piece matches</source>
        <translation>Kein passender Eintrag</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>What a screen reader calls the text beside the list: a piece&apos;s or a heading&apos;s name follows.</extracomment>
        <translation>Beschreibung: %1</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Suchfeld leeren</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <extracomment>Where a piece stands in the Library: its oracle, then its suit of tiles or its culture.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>&amp;Read these three</source>
        <extracomment>The button that reads the tree on show with the two chosen for the past and the future.</extracomment>
        <translation>Deutung aller drei &amp;anzeigen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The tree on show as a screen reader names it: the label &quot;The Present:&quot;, then the tree.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The %1 oracle is drawing a reading; this one can be read once it shows.</source>
        <extracomment>%1 is an oracle&apos;s name, as its section in the Library is headed.</extracomment>
        <translation>Das Orakel „%1“ erstellt gerade eine Deutung. Sobald sie erscheint, lässt sich die Deutung dieses Eintrags anzeigen.</translation>
    </message>
    <message>
        <source>The %1 reading you drew is still open. Close it and read this one in its place?</source>
        <extracomment>%1 is an oracle&apos;s name, as its section in the Library is headed.</extracomment>
        <translation>Die Deutung aus dem Orakel „%1“ ist noch geöffnet. Schließen und stattdessen die Deutung dieses Eintrags anzeigen?</translation>
    </message>
</context>
</TS>
