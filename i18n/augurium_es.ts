<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommonMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestra web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar act&amp;ualizaciones</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>Oracle &amp;Library</source>
        <translation>Biblioteca de &amp;oráculos</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Make Money Online</source>
        <translation>Ganar dinero en internet</translation>
    </message>
</context>
<context>
    <name>DominoPieces</name>
    <message>
        <source>blank</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half without pips</extracomment>
        <translation>blanco</translation>
    </message>
    <message>
        <source>1 pip</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half with one pip</extracomment>
        <translation>1 punto</translation>
    </message>
    <message>
        <source>%1 pips</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half; %1 is 2 to 6</extracomment>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>Blank</source>
        <extracomment>A half without pips in a domino&apos;s number, such as &quot;Blank-6&quot;</extracomment>
        <translation>Blanco</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>A file name cannot contain double quotes (&quot;). Please type the name without them.</source>
        <translation>El nombre de archivo no puede contener comillas dobles (&quot;). Escríbelo sin ellas.</translation>
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
        <translation>Campana</translation>
    </message>
    <message>
        <source>Betel Leaf (Paan)</source>
        <translation>Hoja de betel (paan)</translation>
    </message>
    <message>
        <source>Bindi or Dot</source>
        <translation>Bindi o punto</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>Coco</translation>
    </message>
    <message>
        <source>Conch shells (Shankh)</source>
        <translation>Caracola (shankh)</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lámpara</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pirámide</translation>
    </message>
    <message>
        <source>Rudraksha</source>
        <translation>Rudraksha</translation>
    </message>
    <message>
        <source>Swastika</source>
        <translation>Esvástica</translation>
    </message>
    <message>
        <source>Tulsi</source>
        <translation>Tulsi</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Rueda</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>Bambú</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Murciélago</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Mariposa</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Cangrejo</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Grulla</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragón</translation>
    </message>
    <message>
        <source>Fu Symbol</source>
        <translation>Símbolo Fu</translation>
    </message>
    <message>
        <source>Gold Fish</source>
        <translation>Pez dorado</translation>
    </message>
    <message>
        <source>Gold Ingots</source>
        <translation>Lingotes de oro</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Caballo</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>Jade</translation>
    </message>
    <message>
        <source>Magpie</source>
        <translation>Urraca</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>Orquídea</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>Fénix</translation>
    </message>
    <message>
        <source>Three Legged Toad</source>
        <translation>Sapo de tres patas</translation>
    </message>
    <message>
        <source>Tortoise</source>
        <translation>Tortuga</translation>
    </message>
    <message>
        <source>Wealth Ship</source>
        <translation>Barco de la riqueza</translation>
    </message>
    <message>
        <source>Yin Yang</source>
        <translation>Yin yang</translation>
    </message>
    <message>
        <source>Beckoning Cat</source>
        <translation>Gato de la suerte</translation>
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
        <translation>Muñeco daruma</translation>
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
        <translation>Buda sonriente</translation>
    </message>
    <message>
        <source>Tanuki</source>
        <translation>Tanuki</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Ángel</translation>
    </message>
    <message>
        <source>Ankh</source>
        <translation>Ankh</translation>
    </message>
    <message>
        <source>Caduceus</source>
        <translation>Caduceo</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Eye of Horus</source>
        <translation>Ojo de Horus</translation>
    </message>
    <message>
        <source>Isis</source>
        <translation>Isis</translation>
    </message>
    <message>
        <source>Lotus Flower</source>
        <translation>Flor de loto</translation>
    </message>
    <message>
        <source>Scarab</source>
        <translation>Escarabajo</translation>
    </message>
    <message>
        <source>3 Keys</source>
        <translation>3 llaves</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Bellota</translation>
    </message>
    <message>
        <source>Coin</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Four Leaf Clover</source>
        <translation>Trébol de cuatro hojas</translation>
    </message>
    <message>
        <source>Horseshoe</source>
        <translation>Herradura</translation>
    </message>
    <message>
        <source>Ladybug</source>
        <translation>Mariquita</translation>
    </message>
    <message>
        <source>Old Boot</source>
        <translation>Bota vieja</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Cerdo</translation>
    </message>
    <message>
        <source>Rabbit&apos;s Foot</source>
        <translation>Pata de conejo</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Unicornio</translation>
    </message>
    <message>
        <source>Wishbone</source>
        <translation>Hueso de los deseos</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Madera</translation>
    </message>
    <message>
        <source>Dolphins</source>
        <translation>Delfines</translation>
    </message>
    <message>
        <source>Hamsa Hand</source>
        <translation>Mano de Fátima</translation>
    </message>
    <message>
        <source>Broken Arrow</source>
        <translation>Flecha rota</translation>
    </message>
    <message>
        <source>Crossed Arrows</source>
        <translation>Flechas cruzadas</translation>
    </message>
    <message>
        <source>Feathers</source>
        <translation>Plumas</translation>
    </message>
    <message>
        <source>Fence</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Kokopelli Charm</source>
        <translation>Amuleto de Kokopelli</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>Hoja</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Montaña</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Nube de lluvia</translation>
    </message>
    <message>
        <source>Rain Drop</source>
        <translation>Gota de lluvia</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Lluvia</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Thunderbird</source>
        <translation>Pájaro del Trueno</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Símbolos de la suerte de la India</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Símbolos chinos de la suerte</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Símbolos japoneses de la suerte</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Símbolos egipcios de la suerte</translation>
    </message>
    <message>
        <source>English Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Símbolos ingleses de la suerte</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Símbolos árabes de la suerte</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Símbolos amerindios de la suerte</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbol</source>
        <extracomment>What one drawn symbol of a culture is, as a copied or printed reading heads it.</extracomment>
        <translation>Símbolo de la suerte de la India</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbol</source>
        <translation>Símbolo chino de la suerte</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbol</source>
        <translation>Símbolo japonés de la suerte</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbol</source>
        <translation>Símbolo egipcio de la suerte</translation>
    </message>
    <message>
        <source>English Good Luck Symbol</source>
        <translation>Símbolo inglés de la suerte</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbol</source>
        <translation>Símbolo árabe de la suerte</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbol</source>
        <translation>Símbolo amerindio de la suerte</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>Your language&apos;s name as its speakers write it, such as &quot;Deutsch&quot;.</extracomment>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Desktop language</source>
        <translation>Idioma del escritorio</translation>
    </message>
</context>
<context>
    <name>LibraryCatalogue</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Both ways round of one domino, as in &quot;6-4 and 4-6&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Bambú</translation>
    </message>
    <message>
        <source>Characters</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Caracteres</translation>
    </message>
    <message>
        <source>Circles</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Círculos</translation>
    </message>
    <message>
        <source>Dragons</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Dragones</translation>
    </message>
    <message>
        <source>Flowers</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Flores</translation>
    </message>
    <message>
        <source>Seasons</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Estaciones</translation>
    </message>
    <message>
        <source>Winds</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Vientos</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: the name players give it.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>English Name</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: what the tile stands for, as its English name says.</extracomment>
        <translation>Nombre en español</translation>
    </message>
    <message>
        <source>Chinese Character</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: the romanised Chinese character on the tile.</extracomment>
        <translation>Carácter chino</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A mahjong tile: its name, then what it stands for, as in &quot;1 Wan (Open Door)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The thirteen trees of the Celtic tree calendar. A reading draws three different trees, for the past, the present and the future, each with its signs and what it says of you.</source>
        <translation>Los trece árboles del calendario arbóreo celta. En cada lectura salen tres árboles distintos, para el pasado, el presente y el futuro, cada uno con sus atributos y lo que dice de ti.</translation>
    </message>
    <message>
        <source>The 28 dominoes of a double-six set, from blank to six pips on each half. A reading draws one domino and gives its meaning.</source>
        <translation>Las 28 fichas de un dominó doble seis, con mitades que van del blanco al seis. En cada lectura sale una ficha, con su significado.</translation>
    </message>
    <message>
        <source>74 lucky charms from seven cultures. A reading draws one symbol from each culture you choose and tells its story.</source>
        <translation>Setenta y cuatro amuletos de la suerte de siete culturas. En cada lectura sale un símbolo de cada cultura que elijas, con su historia.</translation>
    </message>
    <message>
        <source>The 42 mahjong tiles in their seven suits. A reading draws one tile and gives its names and its meaning; wind, flower and season tiles bring their signs as well.</source>
        <translation>Las 42 fichas del mahjong, repartidas en siete palos. En cada lectura sale una ficha, con sus nombres y su significado; las de viento, flor y estación traen además sus atributos.</translation>
    </message>
    <message>
        <source>Five colours. A reading finds the lucky colour that your first and last names point to, and what it says of you.</source>
        <translation>Cinco colores. Cada lectura descubre el color propicio que señalan tu nombre y tus apellidos, y lo que dice de ti.</translation>
    </message>
    <message>
        <source>the</source>
        <extracomment>Words a piece&apos;s name may begin with that a person leaves out when typing it, so that typing &quot;holly&quot; reaches &quot;The Holly Tree&quot;: in lower case, several apart by blanks (German: &quot;der die das&quot;). Leave it as it is where names have none.</extracomment>
        <translation>el la los las</translation>
    </message>
</context>
<context>
    <name>MahjongTiles</name>
    <message>
        <source>%1 tile</source>
        <extracomment>A screen reader&apos;s name for the picture of a mahjong tile; %1 says what the tile means, such as &quot;Carp&quot;</extracomment>
        <translation>Ficha: %1</translation>
    </message>
    <message>
        <source>4 Bamboo</source>
        <translation>4 de bambú</translation>
    </message>
    <message>
        <source>Carp</source>
        <translation>Carpa</translation>
    </message>
    <message>
        <source>2 Bamboo</source>
        <translation>2 de bambú</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Pato</translation>
    </message>
    <message>
        <source>8 Bamboo</source>
        <translation>8 de bambú</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Hongo</translation>
    </message>
    <message>
        <source>5 Bamboo</source>
        <translation>5 de bambú</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Loto</translation>
    </message>
    <message>
        <source>1 Bamboo</source>
        <translation>1 de bambú</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Pavo real</translation>
    </message>
    <message>
        <source>3 Bamboo</source>
        <translation>3 de bambú</translation>
    </message>
    <message>
        <source>Toad</source>
        <translation>Sapo</translation>
    </message>
    <message>
        <source>7 Bamboo</source>
        <translation>7 de bambú</translation>
    </message>
    <message>
        <source>Tortoise</source>
        <translation>Tortuga</translation>
    </message>
    <message>
        <source>6 Bamboo</source>
        <translation>6 de bambú</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>9 Bamboo</source>
        <translation>9 de bambú</translation>
    </message>
    <message>
        <source>Willow</source>
        <translation>Sauce</translation>
    </message>
    <message>
        <source>3 Wan (Character)</source>
        <translation>3 de caracteres (Wan)</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>6 Wan (Character)</source>
        <translation>6 de caracteres (Wan)</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fuego</translation>
    </message>
    <message>
        <source>9 Wan (Character)</source>
        <translation>9 de caracteres (Wan)</translation>
    </message>
    <message>
        <source>Heaven</source>
        <translation>Cielo</translation>
    </message>
    <message>
        <source>5 Wan (Character)</source>
        <translation>5 de caracteres (Wan)</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>8 Wan (Character)</source>
        <translation>8 de caracteres (Wan)</translation>
    </message>
    <message>
        <source>Knot</source>
        <translation>Nudo</translation>
    </message>
    <message>
        <source>4 Wan (Character)</source>
        <translation>4 de caracteres (Wan)</translation>
    </message>
    <message>
        <source>Lute</source>
        <translation>Laúd</translation>
    </message>
    <message>
        <source>1 Wan (Character)</source>
        <translation>1 de caracteres (Wan)</translation>
    </message>
    <message>
        <source>Open Door</source>
        <translation>Puerta abierta</translation>
    </message>
    <message>
        <source>2 Wan (Character)</source>
        <translation>2 de caracteres (Wan)</translation>
    </message>
    <message>
        <source>Sword</source>
        <translation>Espada</translation>
    </message>
    <message>
        <source>7 Wan (Character)</source>
        <translation>7 de caracteres (Wan)</translation>
    </message>
    <message>
        <source>The Seven Star</source>
        <translation>Las siete estrellas</translation>
    </message>
    <message>
        <source>5 Circle</source>
        <translation>5 de círculos</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragón</translation>
    </message>
    <message>
        <source>7 Circle</source>
        <translation>7 de círculos</translation>
    </message>
    <message>
        <source>Insect</source>
        <translation>Insecto</translation>
    </message>
    <message>
        <source>4 Circle</source>
        <translation>4 de círculos</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>Jade</translation>
    </message>
    <message>
        <source>6 Circle</source>
        <translation>6 de círculos</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Melocotón</translation>
    </message>
    <message>
        <source>1 Circle</source>
        <translation>1 de círculos</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Perla</translation>
    </message>
    <message>
        <source>3 Circle </source>
        <extracomment>The trailing blank is a slip of the English table; a translation need not keep it</extracomment>
        <translation>3 de círculos</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>Fénix</translation>
    </message>
    <message>
        <source>2 Circle</source>
        <translation>2 de círculos</translation>
    </message>
    <message>
        <source>Pine</source>
        <translation>Pino</translation>
    </message>
    <message>
        <source>8 Circle</source>
        <translation>8 de círculos</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>9 Circle</source>
        <translation>9 de círculos</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Unicornio</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>Dragón verde</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>Dragón rojo</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>Dragón blanco</translation>
    </message>
    <message>
        <source>Flowers Bamboo</source>
        <translation>Flor de bambú</translation>
    </message>
    <message>
        <source>Flowers Chrysanthemum</source>
        <translation>Flor de crisantemo</translation>
    </message>
    <message>
        <source>Flowers Orchid</source>
        <translation>Flor de orquídea</translation>
    </message>
    <message>
        <source>Flowers Plum Blossom</source>
        <translation>Flor de ciruelo</translation>
    </message>
    <message>
        <source>Seasons Autumn</source>
        <translation>Estación de otoño</translation>
    </message>
    <message>
        <source>Seasons Spring</source>
        <translation>Estación de primavera</translation>
    </message>
    <message>
        <source>Seasons Summer</source>
        <translation>Estación de verano</translation>
    </message>
    <message>
        <source>Seasons Winter</source>
        <translation>Estación de invierno</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>Viento del este</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>Viento del norte</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>Viento del sur</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>Viento del oeste</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Primavera</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Madera</translation>
    </message>
    <message>
        <source>Dragon (5 Circles)</source>
        <translation>Dragón (5 de círculos)</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Verano</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Phoenix (3 Circles)</source>
        <translation>Fénix (3 de círculos)</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Otoño</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Tiger (8 Circles)</source>
        <translation>Tigre (8 de círculos)</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Invierno</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Tortoise (7 Bamboo)</source>
        <translation>Tortuga (7 de bambú)</translation>
    </message>
    <message>
        <source>East Wind</source>
        <translation>Viento del este</translation>
    </message>
    <message>
        <source>South Wind</source>
        <translation>Viento del sur</translation>
    </message>
    <message>
        <source>West Wind</source>
        <translation>Viento del oeste</translation>
    </message>
    <message>
        <source>North Wind</source>
        <translation>Viento del norte</translation>
    </message>
    <message>
        <source>Fisherman</source>
        <translation>Pescador</translation>
    </message>
    <message>
        <source>Plum Blossom</source>
        <translation>Flor de ciruelo</translation>
    </message>
    <message>
        <source>Woodcutter</source>
        <translation>Leñador</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>Orquídea</translation>
    </message>
    <message>
        <source>Farmer</source>
        <translation>Campesino</translation>
    </message>
    <message>
        <source>Chrysanthemum</source>
        <translation>Crisantemo</translation>
    </message>
    <message>
        <source>Scholar</source>
        <translation>Erudito</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>Bambú</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Estación</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Constelación</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Representation</source>
        <translation>Representación</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Flor</translation>
    </message>
</context>
<context>
    <name>MysticalColors</name>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
</context>
<context>
    <name>OghamTreePanel</name>
    <message>
        <source>Characteristics</source>
        <translation>Características</translation>
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
        <translation>El abedul</translation>
    </message>
    <message>
        <source>Ambition, Ideals</source>
        <translation>Ambición, ideales</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>The White Stag</source>
        <translation>El ciervo blanco</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>Rock Crystal</source>
        <translation>Cristal de roca</translation>
    </message>
    <message>
        <source>Common Daisy</source>
        <translation>Margarita común</translation>
    </message>
    <message>
        <source>The Rowan Tree</source>
        <translation>El serbal</translation>
    </message>
    <message>
        <source>Inspiration, Creativity</source>
        <translation>Inspiración, creatividad</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Urano</translation>
    </message>
    <message>
        <source>The Dragon </source>
        <translation>El dragón</translation>
    </message>
    <message>
        <source>Red/Grey</source>
        <translation>Rojo/gris</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Diciembre</translation>
    </message>
    <message>
        <source>Peridot</source>
        <translation>Peridoto</translation>
    </message>
    <message>
        <source>Snowdrop</source>
        <translation>Campanilla de invierno</translation>
    </message>
    <message>
        <source>The Ash Tree </source>
        <translation>El fresno</translation>
    </message>
    <message>
        <source>Wisdom, Energy</source>
        <translation>Sabiduría, energía</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptuno</translation>
    </message>
    <message>
        <source>The Adder</source>
        <translation>La víbora</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Coral</translation>
    </message>
    <message>
        <source>Wood Anemone,Buttercup</source>
        <translation>Anémona, botón de oro</translation>
    </message>
    <message>
        <source>The Alder Tree </source>
        <translation>El aliso</translation>
    </message>
    <message>
        <source>Cunningness, Skill</source>
        <translation>Astucia, habilidad</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>The Fox</source>
        <translation>El zorro</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Carmesí</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubí</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Retama</translation>
    </message>
    <message>
        <source>The Willow Tree </source>
        <translation>El sauce</translation>
    </message>
    <message>
        <source>Adapt, Adjustments</source>
        <translation>Adaptación, ajustes</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>The Hare</source>
        <translation>La liebre</translation>
    </message>
    <message>
        <source>Any bright color</source>
        <translation>Cualquier color vivo</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>Moonstone</source>
        <translation>Piedra de luna</translation>
    </message>
    <message>
        <source>Primrose</source>
        <translation>Prímula</translation>
    </message>
    <message>
        <source>The Hawthorn Tree </source>
        <translation>El espino blanco</translation>
    </message>
    <message>
        <source>Patience, Wisdom</source>
        <translation>Paciencia, sabiduría</translation>
    </message>
    <message>
        <source>Vulcan</source>
        <translation>Vulcano</translation>
    </message>
    <message>
        <source>The Owl</source>
        <translation>El búho</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>April/ May</source>
        <translation>Abril/mayo</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topacio</translation>
    </message>
    <message>
        <source>Wood Sorrel</source>
        <translation>Acederilla</translation>
    </message>
    <message>
        <source>The Oak Tree</source>
        <translation>El roble</translation>
    </message>
    <message>
        <source>Simplicity, Wit</source>
        <translation>Sencillez, ingenio</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>The Wren</source>
        <translation>El chochín</translation>
    </message>
    <message>
        <source>Black and dark brown</source>
        <translation>Negro y marrón oscuro</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamante</translation>
    </message>
    <message>
        <source>Coltsfoot</source>
        <translation>Fárfara</translation>
    </message>
    <message>
        <source>The Holly Tree</source>
        <translation>El acebo</translation>
    </message>
    <message>
        <source>Strength, Purity</source>
        <translation>Fuerza, pureza</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>The Unicorn</source>
        <translation>El unicornio</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Gris oscuro</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>Red Carnelian</source>
        <translation>Cornalina roja</translation>
    </message>
    <message>
        <source>Vervain</source>
        <translation>Verbena</translation>
    </message>
    <message>
        <source>The Hazel Tree</source>
        <translation>El avellano</translation>
    </message>
    <message>
        <source>Inspiration</source>
        <translation>Inspiración</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>The Salmon</source>
        <translation>El salmón</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Amatista</translation>
    </message>
    <message>
        <source>Valerian</source>
        <translation>Valeriana</translation>
    </message>
    <message>
        <source>The Vine</source>
        <translation>La vid</translation>
    </message>
    <message>
        <source>Beauty, Grace</source>
        <translation>Belleza, gracia</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>The Swan</source>
        <translation>El cisne</translation>
    </message>
    <message>
        <source>All multi-hued colors</source>
        <translation>Tonos multicolores</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Esmeralda</translation>
    </message>
    <message>
        <source>The Ivy</source>
        <translation>La hiedra</translation>
    </message>
    <message>
        <source>Colorful Nature, Faith</source>
        <translation>Carácter colorido, fe</translation>
    </message>
    <message>
        <source>Persephone</source>
        <translation>Perséfone</translation>
    </message>
    <message>
        <source>The Butterfly  </source>
        <translation>La mariposa</translation>
    </message>
    <message>
        <source>Sky blue</source>
        <translation>Azul cielo</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Ópalo</translation>
    </message>
    <message>
        <source>Woody Nightshade</source>
        <translation>Dulcamara</translation>
    </message>
    <message>
        <source>The Reed</source>
        <translation>La caña</translation>
    </message>
    <message>
        <source>Loyalty, Honor</source>
        <translation>Lealtad, honor</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutón</translation>
    </message>
    <message>
        <source>The Hound Dog </source>
        <translation>El sabueso</translation>
    </message>
    <message>
        <source>Grass green</source>
        <translation>Verde hierba</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>Jasper</source>
        <translation>Jaspe</translation>
    </message>
    <message>
        <source>Water Mint</source>
        <translation>Menta acuática</translation>
    </message>
    <message>
        <source>The Elder Tree</source>
        <translation>El saúco</translation>
    </message>
    <message>
        <source>Ambition, Patience</source>
        <translation>Ambición, paciencia</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>The Raven </source>
        <translation>El cuervo</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>The month of Samhain</source>
        <translation>El mes de Samhain</translation>
    </message>
    <message>
        <source>Jet or Black Amber</source>
        <translation>Azabache o ámbar negro</translation>
    </message>
    <message>
        <source>Dandelion</source>
        <translation>Diente de león</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Planeta regente</translation>
    </message>
    <message>
        <source>Ruling Animal</source>
        <translation>Animal regente</translation>
    </message>
    <message>
        <source>Ogham Term</source>
        <translation>Término ogham</translation>
    </message>
    <message>
        <source>Lucky Color</source>
        <translation>Color propicio</translation>
    </message>
    <message>
        <source>Lucky Month</source>
        <translation>Mes propicio</translation>
    </message>
    <message>
        <source>Lucky Letter</source>
        <translation>Letra propicia</translation>
    </message>
    <message>
        <source>Lucky Gemstone</source>
        <translation>Piedra propicia</translation>
    </message>
    <message>
        <source>Lucky Flower</source>
        <translation>Flor propicia</translation>
    </message>
</context>
<context>
    <name>OracleNames</name>
    <message>
        <source>Celtic Ogham</source>
        <translation>Ogham celta</translation>
    </message>
    <message>
        <source>Domino</source>
        <translation>Dominó</translation>
    </message>
    <message>
        <source>Good Luck Symbol</source>
        <translation>Símbolos de la suerte</translation>
    </message>
    <message>
        <source>Mahjong</source>
        <translation>Mahjong</translation>
    </message>
    <message>
        <source>Mystical Color</source>
        <translation>Color místico</translation>
    </message>
</context>
<context>
    <name>OracleWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>PleaseWaitPanel</name>
    <message>
        <source>Please Wait</source>
        <translation>Espera</translation>
    </message>
</context>
<context>
    <name>Promotions</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Come and join us at %1</source>
        <translation>El foro místico más popular de internet. El mejor recurso para todo lo místico. Únete a nosotros en %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propia empresa en internet y gana dinero. Consigue este programa con la marca de tu web. Haz clic aquí para saber más.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.</source>
        <translation>Añade tu marca a este programa. Gana fidelidad y tráfico para tu web: pon aquí su nombre y enlace. Más detalles en «Ayuda». </translation>
    </message>
    <message>
        <source>Click Here for more info on co-branding.</source>
        <translation>Infórmate aquí sobre la marca compartida.</translation>
    </message>
</context>
<context>
    <name>ReadingCommands</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texto sin formato (*.txt)</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;Copiar lectura</translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <translation>&amp;Guardar lectura como…</translation>
    </message>
    <message>
        <source>&amp;Print Reading…</source>
        <translation>&amp;Imprimir lectura…</translation>
    </message>
    <message>
        <source>Reading copied</source>
        <translation>Lectura copiada</translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation>Guardar lectura como</translation>
    </message>
    <message>
        <source>“.%1” is not one of the kinds offered (a picture such as .png or .jpg, a PDF document or plain text)</source>
        <translation>«.%1» no es ninguno de los tipos disponibles (una imagen, como .png o .jpg, un documento PDF o texto sin formato)</translation>
    </message>
    <message>
        <source>The reading could not be saved as “%1”: %2.</source>
        <translation>No se pudo guardar la lectura como «%1»: %2.</translation>
    </message>
    <message>
        <source>The reading could not be printed to “%1”: %2.</source>
        <translation>No se pudo imprimir la lectura en «%1»: %2.</translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation>No se pudo imprimir la lectura.</translation>
    </message>
</context>
<context>
    <name>ReadingDescription</name>
    <message>
        <source>%1 reading</source>
        <extracomment>A reading&apos;s title, such as &quot;Domino reading&quot;.</extracomment>
        <translation>Lectura de %1</translation>
    </message>
</context>
<context>
    <name>ReadingOutput</name>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <extracomment>The date and time a reading was made, in QLocale::toString&apos;s format letters.</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy, HH:mm</translation>
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
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>it is not a plain file but a pipe or a device</source>
        <extracomment>Ends &quot;The reading could not be saved as “…”: %2.&quot;</extracomment>
        <translation>no es un archivo normal, sino una tubería o un dispositivo</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>no se pudo dibujar la página</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>El programa ya se está ejecutando</translation>
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
        <translation>Puede que haya una actualización disponible para este programa.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>¿Quieres buscar actualizaciones?</translation>
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
        <translation>Desde siempre, los oráculos han ayudado a las personas a resolver sus problemas y pueden servir de guía para vivir mejor. Augurium reúne el Oráculo del dominó, el Oráculo de los símbolos de la suerte, el Oráculo del mahjong, el Oráculo ogham celta y el Oráculo del color místico de Orin.</translation>
    </message>
    <message>
        <source>Click here to visit www.augurium.example</source>
        <translation>Visítanos en www.augurium.example</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propia empresa en internet y gana dinero. Consigue este programa con la marca de tu web.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Haz clic aquí para saber más.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>frmCelticOghamOracleDisplay</name>
    <message>
        <source>Orin Celtic Ogham Oracle</source>
        <translation>Oráculo ogham celta de Orin</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>A small button: about 9 characters fit.</extracomment>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Question</source>
        <extracomment>The caption of the user&apos;s question in a copied or printed reading.</extracomment>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>The Past</source>
        <extracomment>The heading of the left tree panel of an Ogham reading.</extracomment>
        <translation>El pasado</translation>
    </message>
    <message>
        <source>The Present</source>
        <extracomment>The heading of the right tree panel of an Ogham reading.</extracomment>
        <translation>El presente</translation>
    </message>
    <message>
        <source>The Future</source>
        <extracomment>The heading of the middle tree panel of an Ogham reading.</extracomment>
        <translation>El futuro</translation>
    </message>
</context>
<context>
    <name>frmCelticOghamOracleMain</name>
    <message>
        <source>Orin Celtic Ogham Oracle</source>
        <translation>Oráculo ogham celta de Orin</translation>
    </message>
    <message>
        <source>Your Question</source>
        <translation>Tu pregunta</translation>
    </message>
    <message>
        <source>Click on the above image to get your Celtic Ogham Oracle Reading</source>
        <translation>Haz clic en la imagen de arriba para recibir tu lectura ogham celta</translation>
    </message>
    <message>
        <source>Plese Enter Your Question</source>
        <extracomment>The question box is empty.</extracomment>
        <translation>Escribe tu pregunta.</translation>
    </message>
    <message>
        <source>Enter Your Question Here</source>
        <extracomment>The text the question box opens with; typing replaces it.</extracomment>
        <translation>Escribe aquí tu pregunta</translation>
    </message>
    <message>
        <source>Draw my three trees</source>
        <extracomment>What clicking the tree picture does, as a screen reader names the picture.</extracomment>
        <translation>Sacar mis tres árboles</translation>
    </message>
    <message>
        <source>A picture of a tree</source>
        <translation>Imagen de un árbol</translation>
    </message>
</context>
<context>
    <name>frmDominoOracleDisplay</name>
    <message>
        <source>Orin Domino Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Oráculo del dominó de Orin</translation>
    </message>
    <message>
        <source>Your Domino For Today </source>
        <extracomment>Heads the domino drawn; the trailing blank is a slip of the English form, a translation need not keep it</extracomment>
        <translation>Tu ficha de hoy</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Your domino</source>
        <extracomment>Heads the domino drawn in a copied, saved or printed reading</extracomment>
        <translation>Tu ficha de dominó</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A screen reader&apos;s name for the two halves of the domino drawn, such as &quot;6 pips and 4 pips&quot;</extracomment>
        <translation>%1 y %2</translation>
    </message>
</context>
<context>
    <name>frmDominoOracleMain</name>
    <message>
        <source>Orin Domino Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Oráculo del dominó de Orin</translation>
    </message>
    <message>
        <source>Think about the Problem that is worrying you.</source>
        <translation>Piensa en el problema que te preocupa.</translation>
    </message>
    <message>
        <source>Take a Deep Breath and Calm Yourself.</source>
        <translation>Respira hondo y tranquilízate.</translation>
    </message>
    <message>
        <source>Click on the above Image when you are ready</source>
        <translation>Cuando quieras, haz clic en la imagen de arriba</translation>
    </message>
    <message>
        <source>Draw my domino</source>
        <extracomment>The screen reader&apos;s name of the picture that draws a domino when clicked</extracomment>
        <translation>Sacar mi ficha de dominó</translation>
    </message>
    <message>
        <source>A picture of dominoes</source>
        <translation>Imagen de fichas de dominó</translation>
    </message>
</context>
<context>
    <name>frmGoodLuckSymbolOracleDisplay</name>
    <message>
        <source>Orin Good Luck Symbol Oracle</source>
        <translation>Oráculo de los símbolos de la suerte de Orin</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>frmGoodLuckSymbolOracleMain</name>
    <message>
        <source>Orin Good Luck Symbol Oracle</source>
        <translation>Oráculo de los símbolos de la suerte de Orin</translation>
    </message>
    <message>
        <source>Good Luck symbols are considered to be auspicious all over the world. Start your day with the good luck symbols in Orin Good Luck Symbol Oracle. This can help you attain happiness and prosperity in your life.</source>
        <translation>En todo el mundo, los símbolos de la suerte se consideran de buen augurio. Empieza el día con los del Oráculo de los símbolos de la suerte de Orin: pueden ayudarte a alcanzar la felicidad y la prosperidad.</translation>
    </message>
    <message>
        <source>Find My Good luck Symbol</source>
        <extracomment>The File menu&apos;s item, the same command as the window&apos;s button.</extracomment>
        <translation>Encontrar mi símbolo de la suerte</translation>
    </message>
    <message>
        <source>Please Select A Type of Good Luck Symbol</source>
        <extracomment>No culture is ticked.</extracomment>
        <translation>Elige al menos un tipo de símbolo de la suerte.</translation>
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
        <translation>El foro místico más popular de internet. El mejor recurso para todo lo místico. ¡Visita el foro en www.augurium.example y únete!</translation>
    </message>
    <message>
        <source>Domino Oracle</source>
        <translation>Oráculo del dominó</translation>
    </message>
    <message>
        <source>Good Luck Symbol Oracle</source>
        <translation>Símbolos de la suerte</translation>
    </message>
    <message>
        <source>Mahjong Oracle</source>
        <translation>Oráculo del mahjong</translation>
    </message>
    <message>
        <source>Celtic Ogham Oracle</source>
        <translation>Oráculo ogham celta</translation>
    </message>
    <message>
        <source>Mystical Color Oracle</source>
        <translation>Oráculo del color místico</translation>
    </message>
    <message>
        <source>Welcome to Augurium</source>
        <translation>Augurium te da la bienvenida</translation>
    </message>
    <message>
        <source>Augurium consists of different oracles that can help you in your day to day life. Start a new day with a reading or whenever you need an answer to your query. Let the Oracles act as a guide make life simpler. Vaticor consists of more such Oracles.</source>
        <translation>Augurium reúne varios oráculos que pueden ayudarte en tu día a día. Empieza el día con una lectura, o consúltalos cuando necesites una respuesta. Deja que te guíen y te hagan la vida más fácil. Vaticor ofrece aún más oráculos.</translation>
    </message>
    <message>
        <source>Augurium includes the following programs</source>
        <translation>Augurium incluye estos programas</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propia empresa en internet y gana dinero. Consigue este programa con la marca de tu web. Haz clic aquí para saber más.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>frmMahjongOracleDisplay</name>
    <message>
        <source>Orin Mahjong Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Oráculo del mahjong de Orin</translation>
    </message>
    <message>
        <source>English Name</source>
        <translation>Nombre en español</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Chinese Character</source>
        <translation>Carácter chino</translation>
    </message>
    <message>
        <source>About Your Mahjong</source>
        <translation>Sobre tu ficha de mahjong</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Heads the season of a flower tile: the panel has always said Color here</extracomment>
        <translation>Color</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Your mahjong tile</source>
        <extracomment>Heads the tile drawn in a copied, saved or printed reading</extracomment>
        <translation>Tu ficha de mahjong</translation>
    </message>
</context>
<context>
    <name>frmMahjongOracleMain</name>
    <message>
        <source>Orin Mahjong Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Oráculo del mahjong de Orin</translation>
    </message>
    <message>
        <source>Welcome to the Mahjong Oracle !</source>
        <translation>¡El Oráculo del mahjong te da la bienvenida!</translation>
    </message>
    <message>
        <source>Think about the Problem that has been worrying you</source>
        <translation>Piensa en el problema que te viene preocupando</translation>
    </message>
    <message>
        <source>Take a Deep Breath And Click on the Mahjong Tile</source>
        <translation>Respira hondo y haz clic en las fichas de mahjong</translation>
    </message>
    <message>
        <source>Draw my tile</source>
        <extracomment>The screen reader&apos;s name of the picture that draws a mahjong tile when clicked</extracomment>
        <translation>Sacar mi ficha</translation>
    </message>
    <message>
        <source>A picture of mahjong tiles</source>
        <translation>Imagen de fichas de mahjong</translation>
    </message>
</context>
<context>
    <name>frmMysticColorOracleMain</name>
    <message>
        <source>Orin Mystical Color Oracle</source>
        <translation>Oráculo del color místico de Orin</translation>
    </message>
    <message>
        <source>Welcome to Orin Mystical Color Oracle! Let the Mystical Color Oracle predict your Lucky Color based on your name. Just follow the instructions and get your answers.</source>
        <translation>¡El Oráculo del color místico de Orin te da la bienvenida! Deja que adivine tu color propicio a partir de tu nombre. Solo tienes que seguir las instrucciones para obtener tus respuestas.</translation>
    </message>
    <message>
        <source>Enter First Name</source>
        <extracomment>One line beside the name field: about 16 characters fit.</extracomment>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Enter Last Name</source>
        <extracomment>One line beside the name field: about 16 characters fit.</extracomment>
        <translation>Tus apellidos</translation>
    </message>
    <message>
        <source>&amp;Ask The Mystical Color Oracle</source>
        <extracomment>A button: about 26 characters fit.</extracomment>
        <translation>&amp;Consultar el oráculo</translation>
    </message>
    <message>
        <source>* Birth Day</source>
        <translation>* Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Month</source>
        <extracomment>Above the birth month box: about 9 characters fit.</extracomment>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Above the birth day box: about 7 characters fit.</extracomment>
        <translation>Día</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Above the birth year box: about 7 characters fit.</extracomment>
        <translation>Año</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>A&amp;brir una lectura guardada</translation>
    </message>
    <message>
        <source>Orin Mystical Color Oracle Result</source>
        <translation>Resultado del Oráculo del color místico de Orin</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>A small button: about 7 characters fit.</extracomment>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Escribe tu nombre.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Escribe tus apellidos.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The caption of the names in a copied or printed reading.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A person&apos;s whole name: %1 is the first name, %2 the last name, both as typed.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <extracomment>The caption of the birth day in a copied or printed reading.</extracomment>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Your lucky colour</source>
        <extracomment>What the colour of a reading is, as a copied or printed reading heads it.</extracomment>
        <translation>Tu color propicio</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <extracomment>The title of the dialog that opens a saved reading.</extracomment>
        <translation>Abrir una lectura guardada</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <extracomment>The chosen file is not a saved reading (its name does not end in &quot;num&quot;).</extracomment>
        <translation>Comprueba el archivo.</translation>
    </message>
    <message>
        <source>Please type your name in Latin letters, as it is written in your passport.</source>
        <extracomment>A letter of another script than the Latin one was typed in a name.</extracomment>
        <translation>Escribe tu nombre en letras latinas, tal como aparece en tu pasaporte.</translation>
    </message>
    <message>
        <source>Please Enter Character Only</source>
        <extracomment>A digit, a blank or a punctuation mark was typed in a name.</extracomment>
        <translation>Escribe solo letras.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A whole birth day in a copied reading: %1 is the month&apos;s name, %2 the day, %3 the year.</extracomment>
        <translation>%2 de %1 de %3</translation>
    </message>
</context>
<context>
    <name>frmOracleLibrary</name>
    <message>
        <source>Oracle Library</source>
        <translation>Biblioteca de oráculos</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>name or word</source>
        <translation>nombre o palabra</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Piezas</translation>
    </message>
    <message>
        <source>Piece</source>
        <translation>Pieza</translation>
    </message>
    <message>
        <source>About this piece</source>
        <translation>Sobre esta pieza</translation>
    </message>
    <message>
        <source>Read with this tree in the present:</source>
        <translation>Lectura con este árbol en el presente:</translation>
    </message>
    <message>
        <source>The P&amp;ast:</source>
        <translation>El &amp;pasado:</translation>
    </message>
    <message>
        <source>The Present:</source>
        <translation>El presente:</translation>
    </message>
    <message>
        <source>The F&amp;uture:</source>
        <translation>El &amp;futuro:</translation>
    </message>
    <message>
        <source>Choose three different trees.</source>
        <translation>Elige tres árboles distintos.</translation>
    </message>
    <message>
        <source>&amp;Read this one</source>
        <translation>&amp;Ver su lectura</translation>
    </message>
    <message>
        <source>No piece matches</source>
        <translation>Ninguna pieza coincide</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>What a screen reader calls the text beside the list: a piece&apos;s or a heading&apos;s name follows.</extracomment>
        <translation>Sobre %1</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Borrar la búsqueda</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <extracomment>Where a piece stands in the Library: its oracle, then its suit of tiles or its culture.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>&amp;Read these three</source>
        <extracomment>The button that reads the tree on show with the two chosen for the past and the future.</extracomment>
        <translation>&amp;Ver la lectura de los tres</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The tree on show as a screen reader names it: the label &quot;The Present:&quot;, then the tree.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The %1 oracle is drawing a reading; this one can be read once it shows.</source>
        <extracomment>%1 is an oracle&apos;s name, as its section in the Library is headed.</extracomment>
        <translation>El oráculo «%1» está sacando una lectura; cuando aparezca, podrás ver la de esta pieza.</translation>
    </message>
    <message>
        <source>The %1 reading you drew is still open. Close it and read this one in its place?</source>
        <extracomment>%1 is an oracle&apos;s name, as its section in the Library is headed.</extracomment>
        <translation>La lectura de %1 que sacaste sigue abierta. ¿Quieres cerrarla y ver esta en su lugar?</translation>
    </message>
</context>
</TS>
