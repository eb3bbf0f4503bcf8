<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommonMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>在线帮助(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>访问我们的网站(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>检查软件更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>检查软件更新(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>关于本软件(&amp;A)</translation>
    </message>
    <message>
        <source>Oracle &amp;Library</source>
        <translation>占卜资料库(&amp;L)</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>语言(&amp;G)</translation>
    </message>
    <message>
        <source>Make Money Online</source>
        <translation>网上赚钱</translation>
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
        <translation>文件名中不能含有英文双引号（&quot;），请去掉后重新输入。</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>Your language&apos;s name as its speakers write it, such as &quot;Deutsch&quot;.</extracomment>
        <translation>中文（简体）</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Desktop language</source>
        <translation>跟随系统语言</translation>
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
        <translation>四条</translation>
    </message>
    <message>
        <source>Carp</source>
        <translation>鲤鱼</translation>
    </message>
    <message>
        <source>2 Bamboo</source>
        <translation>二条</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>鸭子</translation>
    </message>
    <message>
        <source>8 Bamboo</source>
        <translation>八条</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>蘑菇</translation>
    </message>
    <message>
        <source>5 Bamboo</source>
        <translation>五条</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>莲花</translation>
    </message>
    <message>
        <source>1 Bamboo</source>
        <translation>一条</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>孔雀</translation>
    </message>
    <message>
        <source>3 Bamboo</source>
        <translation>三条</translation>
    </message>
    <message>
        <source>Toad</source>
        <translation>蟾蜍</translation>
    </message>
    <message>
        <source>7 Bamboo</source>
        <translation>七条</translation>
    </message>
    <message>
        <source>Tortoise</source>
        <translation>龟</translation>
    </message>
    <message>
        <source>6 Bamboo</source>
        <translation>六条</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水</translation>
    </message>
    <message>
        <source>9 Bamboo</source>
        <translation>九条</translation>
    </message>
    <message>
        <source>Willow</source>
        <translation>柳树</translation>
    </message>
    <message>
        <source>3 Wan (Character)</source>
        <translation>三万</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>大地</translation>
    </message>
    <message>
        <source>6 Wan (Character)</source>
        <translation>六万</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>火</translation>
    </message>
    <message>
        <source>9 Wan (Character)</source>
        <translation>九万</translation>
    </message>
    <message>
        <source>Heaven</source>
        <translation>天</translation>
    </message>
    <message>
        <source>5 Wan (Character)</source>
        <translation>五万</translation>
    </message>
    <message>
        <source>House</source>
        <translation>房屋</translation>
    </message>
    <message>
        <source>8 Wan (Character)</source>
        <translation>八万</translation>
    </message>
    <message>
        <source>Knot</source>
        <translation>结</translation>
    </message>
    <message>
        <source>4 Wan (Character)</source>
        <translation>四万</translation>
    </message>
    <message>
        <source>Lute</source>
        <translation>琴</translation>
    </message>
    <message>
        <source>1 Wan (Character)</source>
        <translation>一万</translation>
    </message>
    <message>
        <source>Open Door</source>
        <translation>开门</translation>
    </message>
    <message>
        <source>2 Wan (Character)</source>
        <translation>二万</translation>
    </message>
    <message>
        <source>Sword</source>
        <translation>剑</translation>
    </message>
    <message>
        <source>7 Wan (Character)</source>
        <translation>七万</translation>
    </message>
    <message>
        <source>The Seven Star</source>
        <translation>七星</translation>
    </message>
    <message>
        <source>5 Circle</source>
        <translation>五筒</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>龙</translation>
    </message>
    <message>
        <source>7 Circle</source>
        <translation>七筒</translation>
    </message>
    <message>
        <source>Insect</source>
        <translation>昆虫</translation>
    </message>
    <message>
        <source>4 Circle</source>
        <translation>四筒</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>玉</translation>
    </message>
    <message>
        <source>6 Circle</source>
        <translation>六筒</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>桃</translation>
    </message>
    <message>
        <source>1 Circle</source>
        <translation>一筒</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>珍珠</translation>
    </message>
    <message>
        <source>3 Circle </source>
        <extracomment>The trailing blank is a slip of the English table; a translation need not keep it</extracomment>
        <translation>三筒</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>凤凰</translation>
    </message>
    <message>
        <source>2 Circle</source>
        <translation>二筒</translation>
    </message>
    <message>
        <source>Pine</source>
        <translation>松树</translation>
    </message>
    <message>
        <source>8 Circle</source>
        <translation>八筒</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>虎</translation>
    </message>
    <message>
        <source>9 Circle</source>
        <translation>九筒</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>独角兽</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>发财</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>红中</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>白板</translation>
    </message>
    <message>
        <source>Flowers Bamboo</source>
        <translation>花牌·竹</translation>
    </message>
    <message>
        <source>Flowers Chrysanthemum</source>
        <translation>花牌·菊</translation>
    </message>
    <message>
        <source>Flowers Orchid</source>
        <translation>花牌·兰</translation>
    </message>
    <message>
        <source>Flowers Plum Blossom</source>
        <translation>花牌·梅</translation>
    </message>
    <message>
        <source>Seasons Autumn</source>
        <translation>季节牌·秋</translation>
    </message>
    <message>
        <source>Seasons Spring</source>
        <translation>季节牌·春</translation>
    </message>
    <message>
        <source>Seasons Summer</source>
        <translation>季节牌·夏</translation>
    </message>
    <message>
        <source>Seasons Winter</source>
        <translation>季节牌·冬</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>东风</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>北风</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>南风</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>西风</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>春季</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Dragon (5 Circles)</source>
        <translation>龙（五筒）</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>夏季</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Phoenix (3 Circles)</source>
        <translation>凤凰（三筒）</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>秋季</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Tiger (8 Circles)</source>
        <translation>虎（八筒）</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>冬季</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Tortoise (7 Bamboo)</source>
        <translation>龟（七条）</translation>
    </message>
    <message>
        <source>East Wind</source>
        <translation>东风</translation>
    </message>
    <message>
        <source>South Wind</source>
        <translation>南风</translation>
    </message>
    <message>
        <source>West Wind</source>
        <translation>西风</translation>
    </message>
    <message>
        <source>North Wind</source>
        <translation>北风</translation>
    </message>
    <message>
        <source>Fisherman</source>
        <translation>渔夫</translation>
    </message>
    <message>
        <source>Plum Blossom</source>
        <translation>梅花</translation>
    </message>
    <message>
        <source>Woodcutter</source>
        <translation>樵夫</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>兰花</translation>
    </message>
    <message>
        <source>Farmer</source>
        <translation>农夫</translation>
    </message>
    <message>
        <source>Chrysanthemum</source>
        <translation>菊花</translation>
    </message>
    <message>
        <source>Scholar</source>
        <translation>书生</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>竹</translation>
    </message>
    <message>
        <source>Season</source>
        <translation type="unfinished">季节</translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished">颜色</translation>
    </message>
    <message>
        <source>Element</source>
        <translation type="unfinished">五行</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation type="unfinished">星宿</translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished">门风</translation>
    </message>
    <message>
        <source>Representation</source>
        <translation type="unfinished">代表人物</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation type="unfinished">花卉</translation>
    </message>
</context>
<context>
    <name>OghamTreePanel</name>
    <message>
        <source>Keywords</source>
        <translation>关键词</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>守护星</translation>
    </message>
    <message>
        <source>Ruling Animal</source>
        <translation>守护动物</translation>
    </message>
    <message>
        <source>Ogham Term</source>
        <translation>欧甘文名称</translation>
    </message>
    <message>
        <source>Lucky Color</source>
        <translation>幸运色</translation>
    </message>
    <message>
        <source>Lucky Month</source>
        <translation>幸运月份</translation>
    </message>
    <message>
        <source>Lucky Letter</source>
        <translation>幸运字母</translation>
    </message>
    <message>
        <source>Lucky Gemstone</source>
        <translation>幸运宝石</translation>
    </message>
    <message>
        <source>Lucky Flower</source>
        <translation>幸运花卉</translation>
    </message>
    <message>
        <source>Characteristics</source>
        <translation>性格特质</translation>
    </message>
</context>
<context>
    <name>OracleNames</name>
    <message>
        <source>Celtic Ogham</source>
        <translation>凯尔特欧甘</translation>
    </message>
    <message>
        <source>Domino</source>
        <translation>多米诺骨牌</translation>
    </message>
    <message>
        <source>Good Luck Symbol</source>
        <translation>吉祥符号</translation>
    </message>
    <message>
        <source>Mahjong</source>
        <translation>麻将</translation>
    </message>
    <message>
        <source>Mystical Color</source>
        <translation>神秘色彩</translation>
    </message>
</context>
<context>
    <name>OracleWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
</context>
<context>
    <name>PleaseWaitPanel</name>
    <message>
        <source>Please Wait</source>
        <translation>请稍候</translation>
    </message>
</context>
<context>
    <name>Promotions</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Come and join us at %1</source>
        <translation>最受欢迎的网上神秘学论坛，神秘学资源应有尽有。快来 %1 加入我们吧！</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家创业好机会：开创你自己的网络事业，在网上赚钱。让本软件完全换上你网站的品牌。点击此处了解详情。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.</source>
        <translation>让本软件与你的网站联合冠名，提升网站的用户黏性和访问量。在这里放上你网站的名称和链接，详见“帮助”。</translation>
    </message>
    <message>
        <source>Click Here for more info on co-branding.</source>
        <translation>点击此处了解联合冠名详情。</translation>
    </message>
</context>
<context>
    <name>ReadingCommands</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>纯文本 (*.txt)</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>复制占卜结果(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <translation>占卜结果另存为(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Print Reading…</source>
        <translation>打印占卜结果(&amp;P)…</translation>
    </message>
    <message>
        <source>Reading copied</source>
        <translation>已复制占卜结果</translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation>占卜结果另存为</translation>
    </message>
    <message>
        <source>“.%1” is not one of the kinds offered (a picture such as .png or .jpg, a PDF document or plain text)</source>
        <translation>不支持“.%1”格式（可选格式为 .png、.jpg 等图片、PDF 文档或纯文本）</translation>
    </message>
    <message>
        <source>The reading could not be saved as “%1”: %2.</source>
        <translation>无法将占卜结果保存为“%1”：%2。</translation>
    </message>
    <message>
        <source>The reading could not be printed to “%1”: %2.</source>
        <translation>无法将占卜结果打印到“%1”：%2。</translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation>无法打印占卜结果。</translation>
    </message>
</context>
<context>
    <name>ReadingDescription</name>
    <message>
        <source>%1 reading</source>
        <extracomment>A reading&apos;s title, such as &quot;Domino reading&quot;.</extracomment>
        <translation>%1占卜结果</translation>
    </message>
</context>
<context>
    <name>ReadingOutput</name>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <extracomment>The date and time a reading was made, in QLocale::toString&apos;s format letters.</extracomment>
        <translation>yyyy年M月d日 HH:mm</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A caption and its value, such as &quot;Keywords: Wisdom&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>Ends a sentence a screen reader says, such as &quot;Your domino: 6-4.&quot;</extracomment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A printed page&apos;s footer: the reading&apos;s title and when it was made.</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>it is not a plain file but a pipe or a device</source>
        <extracomment>Ends &quot;The reading could not be saved as “…”: %2.&quot;</extracomment>
        <translation>它不是普通文件，而是管道或设备</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>无法绘制页面</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>程序已在运行。</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>本软件可能有新版本可用。</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>要检查更新吗？</translation>
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
        <translation>自古以来，占卜一直帮助人们为难题寻找答案，也可以作为指引，帮助人们过上更好的生活。Augurium 包含多米诺骨牌占卜、吉祥符号占卜、麻将占卜、凯尔特欧甘占卜和 Orin 神秘色彩占卜。</translation>
    </message>
    <message>
        <source>Click here to visit www.augurium.example</source>
        <translation>点击此处访问 www.augurium.example</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>居家创业好机会：开创你自己的网络事业，在网上赚钱。让本软件完全换上你网站的品牌。</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>点击此处了解详情。</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmCelticOghamOracleDisplay</name>
    <message>
        <source>Orin Celtic Ogham Oracle</source>
        <translation>Orin 凯尔特欧甘占卜</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
</context>
<context>
    <name>frmCelticOghamOracleMain</name>
    <message>
        <source>Orin Celtic Ogham Oracle</source>
        <translation>Orin 凯尔特欧甘占卜</translation>
    </message>
    <message>
        <source>Your Question</source>
        <translation>你的问题</translation>
    </message>
    <message>
        <source>Click on the above image to get your Celtic Ogham Oracle Reading</source>
        <translation>点击上方图片，获取你的凯尔特欧甘占卜结果</translation>
    </message>
</context>
<context>
    <name>frmDominoOracleDisplay</name>
    <message>
        <source>Orin Domino Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Orin 多米诺骨牌占卜</translation>
    </message>
    <message>
        <source>Your Domino For Today </source>
        <extracomment>Heads the domino drawn; the trailing blank is a slip of the English form, a translation need not keep it</extracomment>
        <translation>你今天的骨牌</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
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
        <translation>Orin 多米诺骨牌占卜</translation>
    </message>
    <message>
        <source>Think about the Problem that is worrying you.</source>
        <translation>想一想让你烦恼的问题。</translation>
    </message>
    <message>
        <source>Take a Deep Breath and Calm Yourself.</source>
        <translation>深呼吸，让自己平静下来。</translation>
    </message>
    <message>
        <source>Click on the above Image when you are ready</source>
        <translation>准备好后，请点击上方的图片</translation>
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
        <translation>Orin 吉祥符号占卜</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbols</source>
        <translation>印度吉祥符号</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbols</source>
        <translation>中国吉祥符号</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbols</source>
        <translation>日本吉祥符号</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbols</source>
        <translation>埃及吉祥符号</translation>
    </message>
    <message>
        <source>English Good Luck Symbols</source>
        <translation>英国吉祥符号</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbols</source>
        <translation>阿拉伯吉祥符号</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbols</source>
        <translation>美洲原住民吉祥符号</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
</context>
<context>
    <name>frmGoodLuckSymbolOracleMain</name>
    <message>
        <source>Orin Good Luck Symbol Oracle</source>
        <translation>Orin 吉祥符号占卜</translation>
    </message>
    <message>
        <source>Good Luck symbols are considered to be auspicious all over the world. Start your day with the good luck symbols in Orin Good Luck Symbol Oracle. This can help you attain happiness and prosperity in your life.</source>
        <translation>在世界各地，吉祥符号都被视为好运的象征。用 Orin 吉祥符号占卜中的吉祥符号开启你的一天，它能帮助你收获幸福，让生活富足美满。</translation>
    </message>
    <message>
        <source>Find My Good luck Symbol</source>
        <translation>寻找我的吉祥符号</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbols</source>
        <translation>美洲原住民吉祥符号</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbols</source>
        <translation>阿拉伯吉祥符号</translation>
    </message>
    <message>
        <source>English Good Luck Symbols</source>
        <translation>英国吉祥符号</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbols</source>
        <translation>埃及吉祥符号</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbols</source>
        <translation>日本吉祥符号</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbols</source>
        <translation>中国吉祥符号</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbols</source>
        <translation>印度吉祥符号</translation>
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
        <translation>最受欢迎的网上神秘学论坛，神秘学资源应有尽有。欢迎来 www.augurium.example 参与讨论！</translation>
    </message>
    <message>
        <source>Domino Oracle</source>
        <translation>多米诺骨牌占卜</translation>
    </message>
    <message>
        <source>Good Luck Symbol Oracle</source>
        <translation>吉祥符号占卜</translation>
    </message>
    <message>
        <source>Mahjong Oracle</source>
        <translation>麻将占卜</translation>
    </message>
    <message>
        <source>Celtic Ogham Oracle</source>
        <translation>凯尔特欧甘占卜</translation>
    </message>
    <message>
        <source>Mystical Color Oracle</source>
        <translation>神秘色彩占卜</translation>
    </message>
    <message>
        <source>Welcome to Augurium</source>
        <translation>欢迎使用 Augurium</translation>
    </message>
    <message>
        <source>Augurium consists of different oracles that can help you in your day to day life. Start a new day with a reading or whenever you need an answer to your query. Let the Oracles act as a guide make life simpler. Vaticor consists of more such Oracles.</source>
        <translation>Augurium 汇集了多种占卜，能在日常生活中为你提供帮助。每天开始时，或每当你心中有疑问、需要答案时，都可以来占卜一下。让占卜为你指引方向，使生活更加简单。Vaticor 中还有更多此类占卜。</translation>
    </message>
    <message>
        <source>Augurium includes the following programs</source>
        <translation>Augurium 包含以下程序</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家创业好机会：开创你自己的网络事业，在网上赚钱。让本软件完全换上你网站的品牌。点击此处了解详情。</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
</context>
<context>
    <name>frmMahjongOracleDisplay</name>
    <message>
        <source>Orin Mahjong Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Orin 麻将占卜</translation>
    </message>
    <message>
        <source>English Name</source>
        <translation>寓意</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Chinese Character</source>
        <translation>中文读音</translation>
    </message>
    <message>
        <source>About Your Mahjong</source>
        <translation>关于你的麻将牌</translation>
    </message>
    <message>
        <source>Season</source>
        <translation type="vanished">季节</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Heads the season of a flower tile: the panel has always said Color here</extracomment>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Element</source>
        <translation type="vanished">五行</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation type="vanished">星宿</translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="vanished">门风</translation>
    </message>
    <message>
        <source>Representation</source>
        <translation type="vanished">代表人物</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation type="vanished">花卉</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
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
        <translation>Orin 麻将占卜</translation>
    </message>
    <message>
        <source>Welcome to the Mahjong Oracle !</source>
        <translation>欢迎使用麻将占卜！</translation>
    </message>
    <message>
        <source>Think about the Problem that has been worrying you</source>
        <translation>想一想一直困扰着你的问题</translation>
    </message>
    <message>
        <source>Take a Deep Breath And Click on the Mahjong Tile</source>
        <translation>深呼吸，然后点击麻将牌</translation>
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
        <translation>Orin 神秘色彩占卜</translation>
    </message>
    <message>
        <source>Welcome to Orin Mystical Color Oracle! Let the Mystical Color Oracle predict your Lucky Color based on your name. Just follow the instructions and get your answers.</source>
        <translation>欢迎使用 Orin 神秘色彩占卜！它会根据你的姓名预测你的幸运色。只需按照提示操作，就能得到答案。</translation>
    </message>
    <message>
        <source>Enter First Name</source>
        <translation>请输入名字</translation>
    </message>
    <message>
        <source>Enter Last Name</source>
        <translation>请输入姓氏</translation>
    </message>
    <message>
        <source>&amp;Ask The Mystical Color Oracle</source>
        <translation>开始神秘色彩占卜(&amp;A)</translation>
    </message>
    <message>
        <source>* Birth Day</source>
        <translation>* 生日</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月份</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>打开以前保存的占卜结果(&amp;O)</translation>
    </message>
    <message>
        <source>Orin Mystical Color Oracle Result</source>
        <translation>Orin 神秘色彩占卜结果</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
</context>
<context>
    <name>frmOracleLibrary</name>
    <message>
        <source>Oracle Library</source>
        <translation>占卜资料库</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>搜索(&amp;S)：</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>name or word</source>
        <translation>名称或关键词</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>条目列表</translation>
    </message>
    <message>
        <source>Piece</source>
        <translation>条目</translation>
    </message>
    <message>
        <source>About this piece</source>
        <translation>条目说明</translation>
    </message>
    <message>
        <source>Read with this tree in the present:</source>
        <translation>以此树为“现在”进行占卜：</translation>
    </message>
    <message>
        <source>The P&amp;ast:</source>
        <translation>过去(&amp;A)：</translation>
    </message>
    <message>
        <source>The Present:</source>
        <translation>现在：</translation>
    </message>
    <message>
        <source>The F&amp;uture:</source>
        <translation>未来(&amp;U)：</translation>
    </message>
    <message>
        <source>Choose three different trees.</source>
        <translation>请选择三棵不同的树。</translation>
    </message>
    <message>
        <source>&amp;Read this one</source>
        <translation>以此占卜(&amp;R)</translation>
    </message>
    <message>
        <source>No piece matches</source>
        <translation>没有匹配的条目</translation>
    </message>
</context>
</TS>
