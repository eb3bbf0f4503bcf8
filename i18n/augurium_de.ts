<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommonMenus</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oracle &amp;Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money Online</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>A file name cannot contain double quotes (&quot;). Please type the name without them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>Your language&apos;s name as its speakers write it, such as &quot;Deutsch&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Desktop language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OghamTreePanel</name>
    <message>
        <source>Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruling Animal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogham Term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lucky Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lucky Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lucky Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lucky Gemstone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lucky Flower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characteristics</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OracleNames</name>
    <message>
        <source>Celtic Ogham</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Domino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Luck Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mahjong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mystical Color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OracleWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PleaseWaitPanel</name>
    <message>
        <source>Please Wait</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Promotions</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Come and join us at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingCommands</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Reading…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“.%1” is not one of the kinds offered (a picture such as .png or .jpg, a PDF document or plain text)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reading could not be saved as “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reading could not be printed to “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingDescription</name>
    <message>
        <source>%1 reading</source>
        <extracomment>A reading&apos;s title, such as &quot;Domino reading&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingOutput</name>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <extracomment>The date and time a reading was made, in QLocale::toString&apos;s format letters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A caption and its value, such as &quot;Keywords: Wisdom&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>Ends a sentence a screen reader says, such as &quot;Your domino: 6-4.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A printed page&apos;s footer: the reading&apos;s title and when it was made.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a plain file but a pipe or a device</source>
        <extracomment>Ends &quot;The reading could not be saved as “…”: %2.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Augurium v1.20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oracles have always helped people find solutions to their problems. These can be looked upto as a guide for helping people lead a better life. Augurium consists of Domino Oracle, Good Luck Symbol Oracle, Mahjong Oracle, Celtic Ogham Oracle &amp; Orin Mystical Color Oracle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit www.augurium.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCelticOghamOracleDisplay</name>
    <message>
        <source>Orin Celtic Ogham Oracle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCelticOghamOracleMain</name>
    <message>
        <source>Orin Celtic Ogham Oracle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the above image to get your Celtic Ogham Oracle Reading</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmDominoOracleDisplay</name>
    <message>
        <source>Orin Domino Oracle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Domino For Today </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmDominoOracleMain</name>
    <message>
        <source>Orin Domino Oracle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Think about the Problem that is worrying you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take a Deep Breath and Calm Yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the above Image when you are ready</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmGoodLuckSymbolOracleDisplay</name>
    <message>
        <source>Orin Good Luck Symbol Oracle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indian Good Luck Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English Good Luck Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Native American Good Luck Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmGoodLuckSymbolOracleMain</name>
    <message>
        <source>Orin Good Luck Symbol Oracle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Luck symbols are considered to be auspicious all over the world. Start your day with the good luck symbols in Orin Good Luck Symbol Oracle. This can help you attain happiness and prosperity in your life.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find My Good luck Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Native American Good Luck Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English Good Luck Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indian Good Luck Symbols</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMDI</name>
    <message>
        <source>Augurium v1.20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. Visit the forum at www.augurium.example and join in!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Domino Oracle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Luck Symbol Oracle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mahjong Oracle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celtic Ogham Oracle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mystical Color Oracle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Augurium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Augurium consists of different oracles that can help you in your day to day life. Start a new day with a reading or whenever you need an answer to your query. Let the Oracles act as a guide make life simpler. Vaticor consists of more such Oracles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Augurium includes the following programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMahjongOracleDisplay</name>
    <message>
        <source>Orin Mahjong Oracle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Your Mahjong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Representation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMahjongOracleMain</name>
    <message>
        <source>Orin Mahjong Oracle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to the Mahjong Oracle !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Think about the Problem that has been worrying you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take a Deep Breath And Click on the Mahjong Tile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMysticColorOracleMain</name>
    <message>
        <source>Orin Mystical Color Oracle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Orin Mystical Color Oracle! Let the Mystical Color Oracle predict your Lucky Color based on your name. Just follow the instructions and get your answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter First Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Last Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ask The Mystical Color Oracle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Birth Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orin Mystical Color Oracle Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOracleLibrary</name>
    <message>
        <source>Oracle Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name or word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About this piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read with this tree in the present:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The P&amp;ast:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Present:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The F&amp;uture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose three different trees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read this one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No piece matches</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
