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
        <translation>&amp;Visítanos en la web</translation>
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
        <translation>Gana dinero en internet</translation>
    </message>
</context>
<context>
    <name>DominoPieces</name>
    <message>
        <source>blank</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half without pips</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 pip</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half with one pip</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pips</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half; %1 is 2 to 6</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blank</source>
        <extracomment>A half without pips in a domino&apos;s number, such as &quot;Blank-6&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>A file name cannot contain double quotes (&quot;). Please type the name without them.</source>
        <translation>Un nombre de archivo no puede contener comillas dobles (&quot;). Escribe el nombre sin ellas.</translation>
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
    <name>MahjongTiles</name>
    <message>
        <source>%1 tile</source>
        <extracomment>A screen reader&apos;s name for the picture of a mahjong tile; %1 says what the tile means, such as &quot;Carp&quot;</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished">Estación</translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished">Color</translation>
    </message>
    <message>
        <source>Element</source>
        <translation type="unfinished">Elemento</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation type="unfinished">Constelación</translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished">Jugador</translation>
    </message>
    <message>
        <source>Representation</source>
        <translation type="unfinished">Representación</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation type="unfinished">Flor</translation>
    </message>
</context>
<context>
    <name>OghamTreePanel</name>
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
    <message>
        <source>Characteristics</source>
        <translation>Características</translation>
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
</context>
<context>
    <name>PleaseWaitPanel</name>
    <message>
        <source>Please Wait</source>
        <translation>Un momento</translation>
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
        <translation>La aplicación ya se está ejecutando</translation>
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
        <translation>Haz clic para saber más.</translation>
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
        <translation>&amp;Volver</translation>
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
        <translation>Tu dominó de hoy</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A screen reader&apos;s name for the two halves of the domino drawn, such as &quot;6 pips and 4 pips&quot;</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture of dominoes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmGoodLuckSymbolOracleDisplay</name>
    <message>
        <source>Orin Good Luck Symbol Oracle</source>
        <translation>Oráculo de los símbolos de la suerte de Orin</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbols</source>
        <translation>Símbolos de la suerte de la India</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbols</source>
        <translation>Símbolos chinos de la suerte</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbols</source>
        <translation>Símbolos japoneses de la suerte</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbols</source>
        <translation>Símbolos egipcios de la suerte</translation>
    </message>
    <message>
        <source>English Good Luck Symbols</source>
        <translation>Símbolos ingleses de la suerte</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbols</source>
        <translation>Símbolos árabes de la suerte</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbols</source>
        <translation>Símbolos amerindios de la suerte</translation>
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
        <translation>Encontrar mi símbolo de la suerte</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbols</source>
        <translation>Símbolos amerindios de la suerte</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbols</source>
        <translation>Símbolos árabes de la suerte</translation>
    </message>
    <message>
        <source>English Good Luck Symbols</source>
        <translation>Símbolos ingleses de la suerte</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbols</source>
        <translation>Símbolos egipcios de la suerte</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbols</source>
        <translation>Símbolos japoneses de la suerte</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbols</source>
        <translation>Símbolos chinos de la suerte</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbols</source>
        <translation>Símbolos de la suerte de la India</translation>
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
        <source>Season</source>
        <translation type="vanished">Estación</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Heads the season of a flower tile: the panel has always said Color here</extracomment>
        <translation>Color</translation>
    </message>
    <message>
        <source>Element</source>
        <translation type="vanished">Elemento</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation type="vanished">Constelación</translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="vanished">Jugador</translation>
    </message>
    <message>
        <source>Representation</source>
        <translation type="vanished">Representación</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation type="vanished">Flor</translation>
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
        <translation type="unfinished"></translation>
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
        <translation>Piensa en el problema que te ha estado preocupando</translation>
    </message>
    <message>
        <source>Take a Deep Breath And Click on the Mahjong Tile</source>
        <translation>Respira hondo y haz clic en la ficha de mahjong</translation>
    </message>
    <message>
        <source>Draw my tile</source>
        <extracomment>The screen reader&apos;s name of the picture that draws a mahjong tile when clicked</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture of mahjong tiles</source>
        <translation type="unfinished"></translation>
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
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Enter Last Name</source>
        <translation>Escribe tus apellidos</translation>
    </message>
    <message>
        <source>&amp;Ask The Mystical Color Oracle</source>
        <translation>&amp;Consultar el oráculo</translation>
    </message>
    <message>
        <source>* Birth Day</source>
        <translation>* Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Year</source>
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
        <translation>&amp;Volver</translation>
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
</context>
</TS>
