<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommonMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>Oracle &amp;Library</source>
        <translation>&amp;Biblioteca de oráculos</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Make Money Online</source>
        <translation>Ganhar dinheiro na internet</translation>
    </message>
</context>
<context>
    <name>DominoPieces</name>
    <message>
        <source>blank</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half without pips</extracomment>
        <translation>branco</translation>
    </message>
    <message>
        <source>1 pip</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half with one pip</extracomment>
        <translation>1 ponto</translation>
    </message>
    <message>
        <source>%1 pips</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half; %1 is 2 to 6</extracomment>
        <translation>%1 pontos</translation>
    </message>
    <message>
        <source>Blank</source>
        <extracomment>A half without pips in a domino&apos;s number, such as &quot;Blank-6&quot;</extracomment>
        <translation>Branco</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>A file name cannot contain double quotes (&quot;). Please type the name without them.</source>
        <translation>O nome do arquivo não pode conter aspas duplas (&quot;). Digite o nome sem elas.</translation>
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
        <translation>Sino</translation>
    </message>
    <message>
        <source>Betel Leaf (Paan)</source>
        <translation>Folha de bétel (paan)</translation>
    </message>
    <message>
        <source>Bindi or Dot</source>
        <translation>Bindi ou ponto</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>Coco</translation>
    </message>
    <message>
        <source>Conch shells (Shankh)</source>
        <translation>Concha (shankh)</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lamparina</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pirâmide</translation>
    </message>
    <message>
        <source>Rudraksha</source>
        <translation>Rudraksha</translation>
    </message>
    <message>
        <source>Swastika</source>
        <translation>Suástica</translation>
    </message>
    <message>
        <source>Tulsi</source>
        <translation>Tulsi</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Roda de oração</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>Bambu</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Morcego</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Borboleta</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Caranguejo</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Grou</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragão</translation>
    </message>
    <message>
        <source>Fu Symbol</source>
        <translation>Símbolo Fu</translation>
    </message>
    <message>
        <source>Gold Fish</source>
        <translation>Peixe-dourado</translation>
    </message>
    <message>
        <source>Gold Ingots</source>
        <translation>Lingotes de ouro</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cavalo</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>Jade</translation>
    </message>
    <message>
        <source>Magpie</source>
        <translation>Pega</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>Orquídea</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>Fênix</translation>
    </message>
    <message>
        <source>Three Legged Toad</source>
        <translation>Sapo de três pernas</translation>
    </message>
    <message>
        <source>Tortoise</source>
        <translation>Tartaruga</translation>
    </message>
    <message>
        <source>Wealth Ship</source>
        <translation>Barco da fortuna</translation>
    </message>
    <message>
        <source>Yin Yang</source>
        <translation>Yin-yang</translation>
    </message>
    <message>
        <source>Beckoning Cat</source>
        <translation>Gato da sorte</translation>
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
        <translation>Boneco Daruma</translation>
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
        <translation>Buda sorridente (Hotei)</translation>
    </message>
    <message>
        <source>Tanuki</source>
        <translation>Tanuki</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Anjo</translation>
    </message>
    <message>
        <source>Ankh</source>
        <translation>Ankh</translation>
    </message>
    <message>
        <source>Caduceus</source>
        <translation>Caduceu</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Eye of Horus</source>
        <translation>Olho de Hórus</translation>
    </message>
    <message>
        <source>Isis</source>
        <translation>Ísis</translation>
    </message>
    <message>
        <source>Lotus Flower</source>
        <translation>Flor de lótus</translation>
    </message>
    <message>
        <source>Scarab</source>
        <translation>Escaravelho</translation>
    </message>
    <message>
        <source>3 Keys</source>
        <translation>3 chaves</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Bolota</translation>
    </message>
    <message>
        <source>Coin</source>
        <translation>Moeda</translation>
    </message>
    <message>
        <source>Four Leaf Clover</source>
        <translation>Trevo de quatro folhas</translation>
    </message>
    <message>
        <source>Horseshoe</source>
        <translation>Ferradura</translation>
    </message>
    <message>
        <source>Ladybug</source>
        <translation>Joaninha</translation>
    </message>
    <message>
        <source>Old Boot</source>
        <translation>Bota velha</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Porco</translation>
    </message>
    <message>
        <source>Rabbit&apos;s Foot</source>
        <translation>Pé de coelho</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Unicórnio</translation>
    </message>
    <message>
        <source>Wishbone</source>
        <translation>Ossinho da sorte</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Madeira</translation>
    </message>
    <message>
        <source>Dolphins</source>
        <translation>Golfinhos</translation>
    </message>
    <message>
        <source>Hamsa Hand</source>
        <translation>Mão de Hamsá</translation>
    </message>
    <message>
        <source>Broken Arrow</source>
        <translation>Flecha quebrada</translation>
    </message>
    <message>
        <source>Crossed Arrows</source>
        <translation>Flechas cruzadas</translation>
    </message>
    <message>
        <source>Feathers</source>
        <translation>Penas</translation>
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
        <translation>Folha</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Montanha</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Nuvem de chuva</translation>
    </message>
    <message>
        <source>Rain Drop</source>
        <translation>Gota de chuva</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Chuva</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Thunderbird</source>
        <translation>Pássaro-Trovão</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Símbolos indianos da sorte</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Símbolos chineses da sorte</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Símbolos japoneses da sorte</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Símbolos egípcios da sorte</translation>
    </message>
    <message>
        <source>English Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Símbolos ingleses da sorte</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Símbolos árabes da sorte</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>Símbolos nativo-americanos da sorte</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbol</source>
        <extracomment>What one drawn symbol of a culture is, as a copied or printed reading heads it.</extracomment>
        <translation>Símbolo indiano da sorte</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbol</source>
        <translation>Símbolo chinês da sorte</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbol</source>
        <translation>Símbolo japonês da sorte</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbol</source>
        <translation>Símbolo egípcio da sorte</translation>
    </message>
    <message>
        <source>English Good Luck Symbol</source>
        <translation>Símbolo inglês da sorte</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbol</source>
        <translation>Símbolo árabe da sorte</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbol</source>
        <translation>Símbolo nativo-americano da sorte</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>Your language&apos;s name as its speakers write it, such as &quot;Deutsch&quot;.</extracomment>
        <translation>Português (Brasil)</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Desktop language</source>
        <translation>Idioma do sistema</translation>
    </message>
</context>
<context>
    <name>LibraryCatalogue</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Both ways round of one domino, as in &quot;6-4 and 4-6&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Bambus</translation>
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
        <translation>Dragões</translation>
    </message>
    <message>
        <source>Flowers</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Flores</translation>
    </message>
    <message>
        <source>Seasons</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Estações</translation>
    </message>
    <message>
        <source>Winds</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>Ventos</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: the name players give it.</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>English Name</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: what the tile stands for, as its English name says.</extracomment>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Chinese Character</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: the romanised Chinese character on the tile.</extracomment>
        <translation>Caractere chinês</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A mahjong tile: its name, then what it stands for, as in &quot;1 Wan (Open Door)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The thirteen trees of the Celtic tree calendar. A reading draws three different trees, for the past, the present and the future, each with its signs and what it says of you.</source>
        <translation>As treze árvores do calendário arbóreo celta. Em cada leitura saem três árvores diferentes, para o passado, o presente e o futuro, cada uma com seus atributos e o que ela diz sobre você.</translation>
    </message>
    <message>
        <source>The 28 dominoes of a double-six set, from blank to six pips on each half. A reading draws one domino and gives its meaning.</source>
        <translation>As 28 peças de um jogo de dominó duplo-seis, com metades que vão do branco ao seis. Em cada leitura sai uma peça, com o seu significado.</translation>
    </message>
    <message>
        <source>74 lucky charms from seven cultures. A reading draws one symbol from each culture you choose and tells its story.</source>
        <translation>Setenta e quatro amuletos da sorte de sete culturas. Em cada leitura sai um símbolo de cada cultura que você escolher, com a sua história.</translation>
    </message>
    <message>
        <source>The 42 mahjong tiles in their seven suits. A reading draws one tile and gives its names and its meaning; wind, flower and season tiles bring their signs as well.</source>
        <translation>As 42 peças do mahjong, divididas em sete naipes. Em cada leitura sai uma peça, com seus nomes e seu significado; as de vento, flor e estação trazem também seus atributos.</translation>
    </message>
    <message>
        <source>Five colours. A reading finds the lucky colour that your first and last names point to, and what it says of you.</source>
        <translation>Cinco cores. Cada leitura descobre a cor da sorte que o seu nome e sobrenome indicam, e o que ela diz sobre você.</translation>
    </message>
    <message>
        <source>the</source>
        <extracomment>Words a piece&apos;s name may begin with that a person leaves out when typing it, so that typing &quot;holly&quot; reaches &quot;The Holly Tree&quot;: in lower case, several apart by blanks (German: &quot;der die das&quot;). Leave it as it is where names have none.</extracomment>
        <translation>o a os as</translation>
    </message>
</context>
<context>
    <name>MahjongTiles</name>
    <message>
        <source>%1 tile</source>
        <extracomment>A screen reader&apos;s name for the picture of a mahjong tile; %1 says what the tile means, such as &quot;Carp&quot;</extracomment>
        <translation>Peça: %1</translation>
    </message>
    <message>
        <source>4 Bamboo</source>
        <translation>4 de Bambu</translation>
    </message>
    <message>
        <source>Carp</source>
        <translation>Carpa</translation>
    </message>
    <message>
        <source>2 Bamboo</source>
        <translation>2 de Bambu</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Pato</translation>
    </message>
    <message>
        <source>8 Bamboo</source>
        <translation>8 de Bambu</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Cogumelo</translation>
    </message>
    <message>
        <source>5 Bamboo</source>
        <translation>5 de Bambu</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Lótus</translation>
    </message>
    <message>
        <source>1 Bamboo</source>
        <translation>1 de Bambu</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Pavão</translation>
    </message>
    <message>
        <source>3 Bamboo</source>
        <translation>3 de Bambu</translation>
    </message>
    <message>
        <source>Toad</source>
        <translation>Sapo</translation>
    </message>
    <message>
        <source>7 Bamboo</source>
        <translation>7 de Bambu</translation>
    </message>
    <message>
        <source>Tortoise</source>
        <translation>Tartaruga</translation>
    </message>
    <message>
        <source>6 Bamboo</source>
        <translation>6 de Bambu</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Água</translation>
    </message>
    <message>
        <source>9 Bamboo</source>
        <translation>9 de Bambu</translation>
    </message>
    <message>
        <source>Willow</source>
        <translation>Salgueiro</translation>
    </message>
    <message>
        <source>3 Wan (Character)</source>
        <translation>3 de Caracteres (Wan)</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>6 Wan (Character)</source>
        <translation>6 de Caracteres (Wan)</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fogo</translation>
    </message>
    <message>
        <source>9 Wan (Character)</source>
        <translation>9 de Caracteres (Wan)</translation>
    </message>
    <message>
        <source>Heaven</source>
        <translation>Céu</translation>
    </message>
    <message>
        <source>5 Wan (Character)</source>
        <translation>5 de Caracteres (Wan)</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>8 Wan (Character)</source>
        <translation>8 de Caracteres (Wan)</translation>
    </message>
    <message>
        <source>Knot</source>
        <translation>Nó</translation>
    </message>
    <message>
        <source>4 Wan (Character)</source>
        <translation>4 de Caracteres (Wan)</translation>
    </message>
    <message>
        <source>Lute</source>
        <translation>Alaúde</translation>
    </message>
    <message>
        <source>1 Wan (Character)</source>
        <translation>1 de Caracteres (Wan)</translation>
    </message>
    <message>
        <source>Open Door</source>
        <translation>Porta aberta</translation>
    </message>
    <message>
        <source>2 Wan (Character)</source>
        <translation>2 de Caracteres (Wan)</translation>
    </message>
    <message>
        <source>Sword</source>
        <translation>Espada</translation>
    </message>
    <message>
        <source>7 Wan (Character)</source>
        <translation>7 de Caracteres (Wan)</translation>
    </message>
    <message>
        <source>The Seven Star</source>
        <translation>As sete estrelas</translation>
    </message>
    <message>
        <source>5 Circle</source>
        <translation>5 de Círculos</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragão</translation>
    </message>
    <message>
        <source>7 Circle</source>
        <translation>7 de Círculos</translation>
    </message>
    <message>
        <source>Insect</source>
        <translation>Inseto</translation>
    </message>
    <message>
        <source>4 Circle</source>
        <translation>4 de Círculos</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>Jade</translation>
    </message>
    <message>
        <source>6 Circle</source>
        <translation>6 de Círculos</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Pêssego</translation>
    </message>
    <message>
        <source>1 Circle</source>
        <translation>1 de Círculos</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Pérola</translation>
    </message>
    <message>
        <source>3 Circle </source>
        <extracomment>The trailing blank is a slip of the English table; a translation need not keep it</extracomment>
        <translation>3 de Círculos</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>Fênix</translation>
    </message>
    <message>
        <source>2 Circle</source>
        <translation>2 de Círculos</translation>
    </message>
    <message>
        <source>Pine</source>
        <translation>Pinheiro</translation>
    </message>
    <message>
        <source>8 Circle</source>
        <translation>8 de Círculos</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>9 Circle</source>
        <translation>9 de Círculos</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Unicórnio</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>Dragão Verde</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>Dragão Vermelho</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>Dragão Branco</translation>
    </message>
    <message>
        <source>Flowers Bamboo</source>
        <translation>Flor de Bambu</translation>
    </message>
    <message>
        <source>Flowers Chrysanthemum</source>
        <translation>Flor de Crisântemo</translation>
    </message>
    <message>
        <source>Flowers Orchid</source>
        <translation>Flor de Orquídea</translation>
    </message>
    <message>
        <source>Flowers Plum Blossom</source>
        <translation>Flor de Ameixeira</translation>
    </message>
    <message>
        <source>Seasons Autumn</source>
        <translation>Estação do Outono</translation>
    </message>
    <message>
        <source>Seasons Spring</source>
        <translation>Estação da Primavera</translation>
    </message>
    <message>
        <source>Seasons Summer</source>
        <translation>Estação do Verão</translation>
    </message>
    <message>
        <source>Seasons Winter</source>
        <translation>Estação do Inverno</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>Vento Leste</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>Vento Norte</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>Vento Sul</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>Vento Oeste</translation>
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
        <translation>Madeira</translation>
    </message>
    <message>
        <source>Dragon (5 Circles)</source>
        <translation>Dragão (5 de Círculos)</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Verão</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Phoenix (3 Circles)</source>
        <translation>Fênix (3 de Círculos)</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Outono</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Tiger (8 Circles)</source>
        <translation>Tigre (8 de Círculos)</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Inverno</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Tortoise (7 Bamboo)</source>
        <translation>Tartaruga (7 de Bambu)</translation>
    </message>
    <message>
        <source>East Wind</source>
        <translation>Vento Leste</translation>
    </message>
    <message>
        <source>South Wind</source>
        <translation>Vento Sul</translation>
    </message>
    <message>
        <source>West Wind</source>
        <translation>Vento Oeste</translation>
    </message>
    <message>
        <source>North Wind</source>
        <translation>Vento Norte</translation>
    </message>
    <message>
        <source>Fisherman</source>
        <translation>Pescador</translation>
    </message>
    <message>
        <source>Plum Blossom</source>
        <translation>Flor de ameixeira</translation>
    </message>
    <message>
        <source>Woodcutter</source>
        <translation>Lenhador</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>Orquídea</translation>
    </message>
    <message>
        <source>Farmer</source>
        <translation>Agricultor</translation>
    </message>
    <message>
        <source>Chrysanthemum</source>
        <translation>Crisântemo</translation>
    </message>
    <message>
        <source>Scholar</source>
        <translation>Letrado</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>Bambu</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Estação</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Constelação</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Representation</source>
        <translation>Representação</translation>
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
        <translation>Marrom</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
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
        <translation>A Bétula</translation>
    </message>
    <message>
        <source>Ambition, Ideals</source>
        <translation>Ambição, ideais</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>The White Stag</source>
        <translation>O Cervo Branco</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembro</translation>
    </message>
    <message>
        <source>Rock Crystal</source>
        <translation>Cristal de rocha</translation>
    </message>
    <message>
        <source>Common Daisy</source>
        <translation>Margarida</translation>
    </message>
    <message>
        <source>The Rowan Tree</source>
        <translation>A Sorveira</translation>
    </message>
    <message>
        <source>Inspiration, Creativity</source>
        <translation>Inspiração, criatividade</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Urano</translation>
    </message>
    <message>
        <source>The Dragon </source>
        <translation>O Dragão</translation>
    </message>
    <message>
        <source>Red/Grey</source>
        <translation>Vermelho/cinza</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezembro</translation>
    </message>
    <message>
        <source>Peridot</source>
        <translation>Peridoto</translation>
    </message>
    <message>
        <source>Snowdrop</source>
        <translation>Galanto</translation>
    </message>
    <message>
        <source>The Ash Tree </source>
        <translation>O Freixo</translation>
    </message>
    <message>
        <source>Wisdom, Energy</source>
        <translation>Sabedoria, energia</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Netuno</translation>
    </message>
    <message>
        <source>The Adder</source>
        <translation>A Víbora</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Março</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Coral</translation>
    </message>
    <message>
        <source>Wood Anemone,Buttercup</source>
        <translation>Anêmona-dos-bosques, botão-de-ouro</translation>
    </message>
    <message>
        <source>The Alder Tree </source>
        <translation>O Amieiro</translation>
    </message>
    <message>
        <source>Cunningness, Skill</source>
        <translation>Astúcia, habilidade</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>The Fox</source>
        <translation>A Raposa</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Carmesim</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janeiro</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubi</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Giesta</translation>
    </message>
    <message>
        <source>The Willow Tree </source>
        <translation>O Salgueiro</translation>
    </message>
    <message>
        <source>Adapt, Adjustments</source>
        <translation>Adaptação, ajustes</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>The Hare</source>
        <translation>A Lebre</translation>
    </message>
    <message>
        <source>Any bright color</source>
        <translation>Qualquer cor viva</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Fevereiro</translation>
    </message>
    <message>
        <source>Moonstone</source>
        <translation>Pedra-da-lua</translation>
    </message>
    <message>
        <source>Primrose</source>
        <translation>Prímula</translation>
    </message>
    <message>
        <source>The Hawthorn Tree </source>
        <translation>O Espinheiro-Alvar</translation>
    </message>
    <message>
        <source>Patience, Wisdom</source>
        <translation>Paciência, sabedoria</translation>
    </message>
    <message>
        <source>Vulcan</source>
        <translation>Vulcano</translation>
    </message>
    <message>
        <source>The Owl</source>
        <translation>A Coruja</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>April/ May</source>
        <translation>Abril/maio</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topázio</translation>
    </message>
    <message>
        <source>Wood Sorrel</source>
        <translation>Azedinha</translation>
    </message>
    <message>
        <source>The Oak Tree</source>
        <translation>O Carvalho</translation>
    </message>
    <message>
        <source>Simplicity, Wit</source>
        <translation>Simplicidade, perspicácia</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>The Wren</source>
        <translation>A Corruíra</translation>
    </message>
    <message>
        <source>Black and dark brown</source>
        <translation>Preto e marrom-escuro</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maio</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamante</translation>
    </message>
    <message>
        <source>Coltsfoot</source>
        <translation>Tussilagem</translation>
    </message>
    <message>
        <source>The Holly Tree</source>
        <translation>O Azevinho</translation>
    </message>
    <message>
        <source>Strength, Purity</source>
        <translation>Força, pureza</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>The Unicorn</source>
        <translation>O Unicórnio</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Cinza-escuro</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junho</translation>
    </message>
    <message>
        <source>Red Carnelian</source>
        <translation>Cornalina vermelha</translation>
    </message>
    <message>
        <source>Vervain</source>
        <translation>Verbena</translation>
    </message>
    <message>
        <source>The Hazel Tree</source>
        <translation>A Aveleira</translation>
    </message>
    <message>
        <source>Inspiration</source>
        <translation>Inspiração</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>The Salmon</source>
        <translation>O Salmão</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrom</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julho</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Ametista</translation>
    </message>
    <message>
        <source>Valerian</source>
        <translation>Valeriana</translation>
    </message>
    <message>
        <source>The Vine</source>
        <translation>A Videira</translation>
    </message>
    <message>
        <source>Beauty, Grace</source>
        <translation>Beleza, graça</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vênus</translation>
    </message>
    <message>
        <source>The Swan</source>
        <translation>O Cisne</translation>
    </message>
    <message>
        <source>All multi-hued colors</source>
        <translation>Todas as cores matizadas</translation>
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
        <translation>A Hera</translation>
    </message>
    <message>
        <source>Colorful Nature, Faith</source>
        <translation>Espírito colorido, fé</translation>
    </message>
    <message>
        <source>Persephone</source>
        <translation>Perséfone</translation>
    </message>
    <message>
        <source>The Butterfly  </source>
        <translation>A Borboleta</translation>
    </message>
    <message>
        <source>Sky blue</source>
        <translation>Azul-celeste</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Setembro</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Opala</translation>
    </message>
    <message>
        <source>Woody Nightshade</source>
        <translation>Doce-amarga</translation>
    </message>
    <message>
        <source>The Reed</source>
        <translation>O Junco</translation>
    </message>
    <message>
        <source>Loyalty, Honor</source>
        <translation>Lealdade, honra</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutão</translation>
    </message>
    <message>
        <source>The Hound Dog </source>
        <translation>O Cão de Caça</translation>
    </message>
    <message>
        <source>Grass green</source>
        <translation>Verde-grama</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Outubro</translation>
    </message>
    <message>
        <source>Jasper</source>
        <translation>Jaspe</translation>
    </message>
    <message>
        <source>Water Mint</source>
        <translation>Hortelã-d’água</translation>
    </message>
    <message>
        <source>The Elder Tree</source>
        <translation>O Sabugueiro</translation>
    </message>
    <message>
        <source>Ambition, Patience</source>
        <translation>Ambição, paciência</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>The Raven </source>
        <translation>O Corvo</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>The month of Samhain</source>
        <translation>O mês de Samhain</translation>
    </message>
    <message>
        <source>Jet or Black Amber</source>
        <translation>Azeviche ou âmbar negro</translation>
    </message>
    <message>
        <source>Dandelion</source>
        <translation>Dente-de-leão</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palavras-chave</translation>
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
        <translation>Termo ogham</translation>
    </message>
    <message>
        <source>Lucky Color</source>
        <translation>Cor da sorte</translation>
    </message>
    <message>
        <source>Lucky Month</source>
        <translation>Mês da sorte</translation>
    </message>
    <message>
        <source>Lucky Letter</source>
        <translation>Letra da sorte</translation>
    </message>
    <message>
        <source>Lucky Gemstone</source>
        <translation>Pedra da sorte</translation>
    </message>
    <message>
        <source>Lucky Flower</source>
        <translation>Flor da sorte</translation>
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
        <translation>Símbolos da sorte</translation>
    </message>
    <message>
        <source>Mahjong</source>
        <translation>Mahjong</translation>
    </message>
    <message>
        <source>Mystical Color</source>
        <translation>Cor mística</translation>
    </message>
</context>
<context>
    <name>OracleWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>PleaseWaitPanel</name>
    <message>
        <source>Please Wait</source>
        <translation>Aguarde</translation>
    </message>
</context>
<context>
    <name>Promotions</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Come and join us at %1</source>
        <translation>O fórum místico mais popular da internet. O melhor lugar para tudo o que é místico. Junte-se a nós em %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Crie sua própria empresa na internet e ganhe dinheiro online. Tenha este programa com a marca do seu site. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.</source>
        <translation>Ponha a marca do seu site neste programa e ganhe visitantes fiéis. Coloque aqui o nome e o link do seu site. Veja a “Ajuda”.</translation>
    </message>
    <message>
        <source>Click Here for more info on co-branding.</source>
        <translation> Clique aqui e saiba mais sobre a marca compartilhada.</translation>
    </message>
</context>
<context>
    <name>ReadingCommands</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texto sem formatação (*.txt)</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;Copiar leitura</translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <translation>&amp;Salvar leitura como…</translation>
    </message>
    <message>
        <source>&amp;Print Reading…</source>
        <translation>&amp;Imprimir leitura…</translation>
    </message>
    <message>
        <source>Reading copied</source>
        <translation>Leitura copiada</translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation>Salvar leitura como</translation>
    </message>
    <message>
        <source>“.%1” is not one of the kinds offered (a picture such as .png or .jpg, a PDF document or plain text)</source>
        <translation>“.%1” não é um dos tipos disponíveis (uma imagem, como .png ou .jpg, um documento PDF ou texto sem formatação)</translation>
    </message>
    <message>
        <source>The reading could not be saved as “%1”: %2.</source>
        <translation>Não foi possível salvar a leitura como “%1”: %2.</translation>
    </message>
    <message>
        <source>The reading could not be printed to “%1”: %2.</source>
        <translation>Não foi possível imprimir a leitura em “%1”: %2.</translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation>Não foi possível imprimir a leitura.</translation>
    </message>
</context>
<context>
    <name>ReadingDescription</name>
    <message>
        <source>%1 reading</source>
        <extracomment>A reading&apos;s title, such as &quot;Domino reading&quot;.</extracomment>
        <translation>Leitura de %1</translation>
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
        <translation>não é um arquivo comum, mas um pipe ou um dispositivo</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>não foi possível desenhar a página</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>O programa já está em execução</translation>
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
        <translation>Pode haver uma atualização disponível para este programa.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Deseja verificar se há uma atualização?</translation>
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
        <translation>Os oráculos sempre ajudaram as pessoas a encontrar soluções para seus problemas e podem servir de guia para uma vida melhor. O Augurium reúne o Oráculo do dominó, o Oráculo dos símbolos da sorte, o Oráculo do mahjong, o Oráculo ogham celta e o Oráculo da cor mística de Orin.</translation>
    </message>
    <message>
        <source>Click here to visit www.augurium.example</source>
        <translation>Visite www.augurium.example</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidade de negócio em casa. Crie sua própria empresa na internet e ganhe dinheiro online. Tenha este programa com a marca do seu site.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Clique aqui para saber mais.</translation>
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
        <translation>Oráculo ogham celta de Orin</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>A small button: about 9 characters fit.</extracomment>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>Question</source>
        <extracomment>The caption of the user&apos;s question in a copied or printed reading.</extracomment>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>The Past</source>
        <extracomment>The heading of the left tree panel of an Ogham reading.</extracomment>
        <translation>O passado</translation>
    </message>
    <message>
        <source>The Present</source>
        <extracomment>The heading of the right tree panel of an Ogham reading.</extracomment>
        <translation>O presente</translation>
    </message>
    <message>
        <source>The Future</source>
        <extracomment>The heading of the middle tree panel of an Ogham reading.</extracomment>
        <translation>O futuro</translation>
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
        <translation>Sua pergunta</translation>
    </message>
    <message>
        <source>Click on the above image to get your Celtic Ogham Oracle Reading</source>
        <translation>Clique na imagem acima para receber sua leitura de ogham celta</translation>
    </message>
    <message>
        <source>Plese Enter Your Question</source>
        <extracomment>The question box is empty.</extracomment>
        <translation>Digite sua pergunta.</translation>
    </message>
    <message>
        <source>Enter Your Question Here</source>
        <extracomment>The text the question box opens with; typing replaces it.</extracomment>
        <translation>Digite aqui sua pergunta</translation>
    </message>
    <message>
        <source>Draw my three trees</source>
        <extracomment>What clicking the tree picture does, as a screen reader names the picture.</extracomment>
        <translation>Tirar minhas três árvores</translation>
    </message>
    <message>
        <source>A picture of a tree</source>
        <translation>Imagem de uma árvore</translation>
    </message>
</context>
<context>
    <name>frmDominoOracleDisplay</name>
    <message>
        <source>Orin Domino Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Oráculo do dominó de Orin</translation>
    </message>
    <message>
        <source>Your Domino For Today </source>
        <extracomment>Heads the domino drawn; the trailing blank is a slip of the English form, a translation need not keep it</extracomment>
        <translation>Sua peça de dominó do dia</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Your domino</source>
        <extracomment>Heads the domino drawn in a copied, saved or printed reading</extracomment>
        <translation>Sua peça de dominó</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A screen reader&apos;s name for the two halves of the domino drawn, such as &quot;6 pips and 4 pips&quot;</extracomment>
        <translation>%1 e %2</translation>
    </message>
</context>
<context>
    <name>frmDominoOracleMain</name>
    <message>
        <source>Orin Domino Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Oráculo do dominó de Orin</translation>
    </message>
    <message>
        <source>Think about the Problem that is worrying you.</source>
        <translation>Pense no problema que está preocupando você.</translation>
    </message>
    <message>
        <source>Take a Deep Breath and Calm Yourself.</source>
        <translation>Respire fundo e acalme-se.</translation>
    </message>
    <message>
        <source>Click on the above Image when you are ready</source>
        <translation>Quando quiser, clique na imagem acima</translation>
    </message>
    <message>
        <source>Draw my domino</source>
        <extracomment>The screen reader&apos;s name of the picture that draws a domino when clicked</extracomment>
        <translation>Tirar minha peça de dominó</translation>
    </message>
    <message>
        <source>A picture of dominoes</source>
        <translation>Imagem de peças de dominó</translation>
    </message>
</context>
<context>
    <name>frmGoodLuckSymbolOracleDisplay</name>
    <message>
        <source>Orin Good Luck Symbol Oracle</source>
        <translation>Oráculo dos símbolos da sorte de Orin</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sai&amp;r</translation>
    </message>
</context>
<context>
    <name>frmGoodLuckSymbolOracleMain</name>
    <message>
        <source>Orin Good Luck Symbol Oracle</source>
        <translation>Oráculo dos símbolos da sorte de Orin</translation>
    </message>
    <message>
        <source>Good Luck symbols are considered to be auspicious all over the world. Start your day with the good luck symbols in Orin Good Luck Symbol Oracle. This can help you attain happiness and prosperity in your life.</source>
        <translation>No mundo inteiro, os símbolos da sorte são vistos como sinal de bom agouro. Comece o dia com o Oráculo dos símbolos da sorte de Orin: ele pode ajudar você a alcançar felicidade e prosperidade na vida.</translation>
    </message>
    <message>
        <source>Find My Good luck Symbol</source>
        <extracomment>The File menu&apos;s item, the same command as the window&apos;s button.</extracomment>
        <translation>Encontrar meu símbolo da sorte</translation>
    </message>
    <message>
        <source>Please Select A Type of Good Luck Symbol</source>
        <extracomment>No culture is ticked.</extracomment>
        <translation>Escolha pelo menos um tipo de símbolo da sorte.</translation>
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
        <translation>O fórum místico mais popular da internet. O melhor lugar para tudo o que é místico. Visite o fórum em www.augurium.example e participe!</translation>
    </message>
    <message>
        <source>Domino Oracle</source>
        <translation>Oráculo do dominó</translation>
    </message>
    <message>
        <source>Good Luck Symbol Oracle</source>
        <translation>Símbolos da sorte</translation>
    </message>
    <message>
        <source>Mahjong Oracle</source>
        <translation>Oráculo do mahjong</translation>
    </message>
    <message>
        <source>Celtic Ogham Oracle</source>
        <translation>Oráculo ogham celta</translation>
    </message>
    <message>
        <source>Mystical Color Oracle</source>
        <translation>Oráculo da cor mística</translation>
    </message>
    <message>
        <source>Welcome to Augurium</source>
        <translation>Boas-vindas ao Augurium</translation>
    </message>
    <message>
        <source>Augurium consists of different oracles that can help you in your day to day life. Start a new day with a reading or whenever you need an answer to your query. Let the Oracles act as a guide make life simpler. Vaticor consists of more such Oracles.</source>
        <translation>O Augurium reúne vários oráculos que podem ajudar você no dia a dia. Comece o dia com uma leitura ou consulte-os sempre que precisar de uma resposta. Deixe que eles guiem você e tornem sua vida mais simples. Vaticor oferece ainda mais oráculos.</translation>
    </message>
    <message>
        <source>Augurium includes the following programs</source>
        <translation>O Augurium inclui os seguintes programas</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Crie sua própria empresa na internet e ganhe dinheiro online. Tenha este programa com a marca do seu site. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sai&amp;r</translation>
    </message>
</context>
<context>
    <name>frmMahjongOracleDisplay</name>
    <message>
        <source>Orin Mahjong Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Oráculo do mahjong de Orin</translation>
    </message>
    <message>
        <source>English Name</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Chinese Character</source>
        <translation>Caractere chinês</translation>
    </message>
    <message>
        <source>About Your Mahjong</source>
        <translation>Sobre sua peça de mahjong</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Heads the season of a flower tile: the panel has always said Color here</extracomment>
        <translation>Estação</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Your mahjong tile</source>
        <extracomment>Heads the tile drawn in a copied, saved or printed reading</extracomment>
        <translation>Sua peça de mahjong</translation>
    </message>
</context>
<context>
    <name>frmMahjongOracleMain</name>
    <message>
        <source>Orin Mahjong Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Oráculo do mahjong de Orin</translation>
    </message>
    <message>
        <source>Welcome to the Mahjong Oracle !</source>
        <translation>Boas-vindas ao Oráculo do mahjong!</translation>
    </message>
    <message>
        <source>Think about the Problem that has been worrying you</source>
        <translation>Pense no problema que vem preocupando você</translation>
    </message>
    <message>
        <source>Take a Deep Breath And Click on the Mahjong Tile</source>
        <translation>Respire fundo e clique nas peças de mahjong</translation>
    </message>
    <message>
        <source>Draw my tile</source>
        <extracomment>The screen reader&apos;s name of the picture that draws a mahjong tile when clicked</extracomment>
        <translation>Tirar minha peça</translation>
    </message>
    <message>
        <source>A picture of mahjong tiles</source>
        <translation>Imagem de peças de mahjong</translation>
    </message>
</context>
<context>
    <name>frmMysticColorOracleMain</name>
    <message>
        <source>Orin Mystical Color Oracle</source>
        <translation>Oráculo da cor mística de Orin</translation>
    </message>
    <message>
        <source>Welcome to Orin Mystical Color Oracle! Let the Mystical Color Oracle predict your Lucky Color based on your name. Just follow the instructions and get your answers.</source>
        <translation>Boas-vindas ao Oráculo da cor mística de Orin! Deixe que ele revele sua cor da sorte a partir do seu nome. Basta seguir as instruções para obter suas respostas.</translation>
    </message>
    <message>
        <source>Enter First Name</source>
        <extracomment>One line beside the name field: about 16 characters fit.</extracomment>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Enter Last Name</source>
        <extracomment>One line beside the name field: about 16 characters fit.</extracomment>
        <translation>Seu sobrenome</translation>
    </message>
    <message>
        <source>&amp;Ask The Mystical Color Oracle</source>
        <extracomment>A button: about 26 characters fit.</extracomment>
        <translation>&amp;Consultar o oráculo</translation>
    </message>
    <message>
        <source>* Birth Day</source>
        <translation>* Data de nascimento</translation>
    </message>
    <message>
        <source>Month</source>
        <extracomment>Above the birth month box: about 9 characters fit.</extracomment>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Above the birth day box: about 7 characters fit.</extracomment>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Above the birth year box: about 7 characters fit.</extracomment>
        <translation>Ano</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>A&amp;brir leitura salva</translation>
    </message>
    <message>
        <source>Orin Mystical Color Oracle Result</source>
        <translation>Resultado do Oráculo da cor mística de Orin</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>A small button: about 7 characters fit.</extracomment>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Digite seu nome.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Digite seu sobrenome.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The caption of the names in a copied or printed reading.</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A person&apos;s whole name: %1 is the first name, %2 the last name, both as typed.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A whole birth day in a copied reading: %1 is the month&apos;s name, %2 the day, %3 the year.</extracomment>
        <translation>%2 de %1 de %3</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <extracomment>The caption of the birth day in a copied or printed reading.</extracomment>
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>Your lucky colour</source>
        <extracomment>What the colour of a reading is, as a copied or printed reading heads it.</extracomment>
        <translation>Sua cor da sorte</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <extracomment>The title of the dialog that opens a saved reading.</extracomment>
        <translation>Abrir leitura salva</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <extracomment>The chosen file is not a saved reading (its name does not end in &quot;num&quot;).</extracomment>
        <translation>Verifique o arquivo.</translation>
    </message>
    <message>
        <source>Please type your name in Latin letters, as it is written in your passport.</source>
        <extracomment>A letter of another script than the Latin one was typed in a name.</extracomment>
        <translation>Digite seu nome em letras latinas, como está escrito no seu passaporte.</translation>
    </message>
    <message>
        <source>Please Enter Character Only</source>
        <extracomment>A digit, a blank or a punctuation mark was typed in a name.</extracomment>
        <translation>Digite apenas letras.</translation>
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
        <translation>nome ou palavra</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Itens</translation>
    </message>
    <message>
        <source>Piece</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>About this piece</source>
        <translation>Sobre este item</translation>
    </message>
    <message>
        <source>Read with this tree in the present:</source>
        <translation>Leitura com esta árvore no presente:</translation>
    </message>
    <message>
        <source>The P&amp;ast:</source>
        <translation>O &amp;passado:</translation>
    </message>
    <message>
        <source>The Present:</source>
        <translation>O presente:</translation>
    </message>
    <message>
        <source>The F&amp;uture:</source>
        <translation>O &amp;futuro:</translation>
    </message>
    <message>
        <source>Choose three different trees.</source>
        <translation>Escolha três árvores diferentes.</translation>
    </message>
    <message>
        <source>&amp;Read this one</source>
        <translation>&amp;Ver a leitura</translation>
    </message>
    <message>
        <source>No piece matches</source>
        <translation>Nenhum item encontrado</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>What a screen reader calls the text beside the list: a piece&apos;s or a heading&apos;s name follows.</extracomment>
        <translation>Sobre %1</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Limpar a busca</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <extracomment>Where a piece stands in the Library: its oracle, then its suit of tiles or its culture.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>&amp;Read these three</source>
        <extracomment>The button that reads the tree on show with the two chosen for the past and the future.</extracomment>
        <translation>&amp;Ver a leitura das três</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The tree on show as a screen reader names it: the label &quot;The Present:&quot;, then the tree.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The %1 oracle is drawing a reading; this one can be read once it shows.</source>
        <extracomment>%1 is an oracle&apos;s name, as its section in the Library is headed.</extracomment>
        <translation>O oráculo “%1” está fazendo uma leitura; assim que ela aparecer, você poderá ver a leitura deste item.</translation>
    </message>
    <message>
        <source>The %1 reading you drew is still open. Close it and read this one in its place?</source>
        <extracomment>%1 is an oracle&apos;s name, as its section in the Library is headed.</extracomment>
        <translation>A leitura do oráculo “%1” que você fez ainda está aberta. Deseja fechá-la e ver a leitura deste item no lugar dela?</translation>
    </message>
</context>
</TS>
