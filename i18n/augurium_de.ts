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
        <translation>Ein Dateiname darf keine doppelten Anführungszeichen (&quot;) enthalten. Bitte den Namen ohne Anführungszeichen eingeben.</translation>
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
    <name>MahjongTiles</name>
    <message>
        <source>%1 tile</source>
        <extracomment>A screen reader&apos;s name for the picture of a mahjong tile; %1 says what the tile means, such as &quot;Carp&quot;</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished">Jahreszeit</translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished">Farbe</translation>
    </message>
    <message>
        <source>Element</source>
        <translation type="unfinished">Element</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation type="unfinished">Sternbild</translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished">Spieler</translation>
    </message>
    <message>
        <source>Representation</source>
        <translation type="unfinished">Sinnbild</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation type="unfinished">Blume</translation>
    </message>
</context>
<context>
    <name>OghamTreePanel</name>
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
    <message>
        <source>Characteristics</source>
        <translation>Eigenschaften</translation>
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
        <translation>es ist keine gewöhnliche Datei, sondern eine Pipe oder ein Gerät</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>die Seite konnte nicht gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits</translation>
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
        <translation>&amp;Zurück</translation>
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
        <translation>Orin Glückssymbol-Orakel</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbols</source>
        <translation>Indische Glückssymbole</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbols</source>
        <translation>Chinesische Glückssymbole</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbols</source>
        <translation>Japanische Glückssymbole</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbols</source>
        <translation>Ägyptische Glückssymbole</translation>
    </message>
    <message>
        <source>English Good Luck Symbols</source>
        <translation>Englische Glückssymbole</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbols</source>
        <translation>Arabische Glückssymbole</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbols</source>
        <translation>Indigene Glückssymbole Nordamerikas</translation>
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
        <translation>Mein Glückssymbol finden</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbols</source>
        <translation>Indigene Glückssymbole Nordamerikas</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbols</source>
        <translation>Arabische Glückssymbole</translation>
    </message>
    <message>
        <source>English Good Luck Symbols</source>
        <translation>Englische Glückssymbole</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbols</source>
        <translation>Ägyptische Glückssymbole</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbols</source>
        <translation>Japanische Glückssymbole</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbols</source>
        <translation>Chinesische Glückssymbole</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbols</source>
        <translation>Indische Glückssymbole</translation>
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
        <translation>Englischer Name</translation>
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
        <source>Season</source>
        <translation type="vanished">Jahreszeit</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Heads the season of a flower tile: the panel has always said Color here</extracomment>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Element</source>
        <translation type="vanished">Element</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation type="vanished">Sternbild</translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="vanished">Spieler</translation>
    </message>
    <message>
        <source>Representation</source>
        <translation type="vanished">Sinnbild</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation type="vanished">Blume</translation>
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
        <translation type="unfinished"></translation>
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
        <translation>Orin Mystisches Farborakel</translation>
    </message>
    <message>
        <source>Welcome to Orin Mystical Color Oracle! Let the Mystical Color Oracle predict your Lucky Color based on your name. Just follow the instructions and get your answers.</source>
        <translation>Willkommen beim Orin Mystischen Farborakel! Es sagt dir anhand deines Namens deine Glücksfarbe voraus. Folge einfach den Anweisungen, und du bekommst deine Antworten.</translation>
    </message>
    <message>
        <source>Enter First Name</source>
        <translation>Dein Vorname</translation>
    </message>
    <message>
        <source>Enter Last Name</source>
        <translation>Dein Nachname</translation>
    </message>
    <message>
        <source>&amp;Ask The Mystical Color Oracle</source>
        <translation>Das Farborakel &amp;befragen</translation>
    </message>
    <message>
        <source>* Birth Day</source>
        <translation>* Geburtstag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Year</source>
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
        <translation>&amp;Zurück</translation>
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
</context>
</TS>
