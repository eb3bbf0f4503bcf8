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
        <translation>空白</translation>
    </message>
    <message>
        <source>1 pip</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half with one pip</extracomment>
        <translation>1 个点</translation>
    </message>
    <message>
        <source>%1 pips</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half; %1 is 2 to 6</extracomment>
        <translation>%1 个点</translation>
    </message>
    <message>
        <source>Blank</source>
        <extracomment>A half without pips in a domino&apos;s number, such as &quot;Blank-6&quot;</extracomment>
        <translation>0</translation>
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
    <name>GoodLuckSymbols</name>
    <message>
        <source>Aum</source>
        <translation>唵</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>铃铛</translation>
    </message>
    <message>
        <source>Betel Leaf (Paan)</source>
        <translation>蒌叶（槟榔叶）</translation>
    </message>
    <message>
        <source>Bindi or Dot</source>
        <translation>吉祥痣（眉心点）</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>椰子</translation>
    </message>
    <message>
        <source>Conch shells (Shankh)</source>
        <translation>法螺（商佉）</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>油灯</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>金字塔</translation>
    </message>
    <message>
        <source>Rudraksha</source>
        <translation>金刚菩提子</translation>
    </message>
    <message>
        <source>Swastika</source>
        <translation>万字符</translation>
    </message>
    <message>
        <source>Tulsi</source>
        <translation>圣罗勒</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>转经轮</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>竹子</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>蝙蝠</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>蝴蝶</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>螃蟹</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>鹤</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>龙</translation>
    </message>
    <message>
        <source>Fu Symbol</source>
        <translation>福字</translation>
    </message>
    <message>
        <source>Gold Fish</source>
        <translation>金鱼</translation>
    </message>
    <message>
        <source>Gold Ingots</source>
        <translation>金元宝</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>马</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>玉</translation>
    </message>
    <message>
        <source>Magpie</source>
        <translation>喜鹊</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>兰花</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>凤凰</translation>
    </message>
    <message>
        <source>Three Legged Toad</source>
        <translation>三足金蟾</translation>
    </message>
    <message>
        <source>Tortoise</source>
        <translation>龟</translation>
    </message>
    <message>
        <source>Wealth Ship</source>
        <translation>聚宝船</translation>
    </message>
    <message>
        <source>Yin Yang</source>
        <translation>阴阳</translation>
    </message>
    <message>
        <source>Beckoning Cat</source>
        <translation>招财猫</translation>
    </message>
    <message>
        <source>Benten</source>
        <translation>弁财天</translation>
    </message>
    <message>
        <source>Bishamon</source>
        <translation>毗沙门天</translation>
    </message>
    <message>
        <source>Daikokuten</source>
        <translation>大黑天</translation>
    </message>
    <message>
        <source>Daruma Doll</source>
        <translation>达摩不倒翁</translation>
    </message>
    <message>
        <source>Ebisu</source>
        <translation>惠比寿</translation>
    </message>
    <message>
        <source>Fukurokuju</source>
        <translation>福禄寿</translation>
    </message>
    <message>
        <source>Jurojin</source>
        <translation>寿老人</translation>
    </message>
    <message>
        <source>Laughing Buddha</source>
        <translation>布袋和尚</translation>
    </message>
    <message>
        <source>Tanuki</source>
        <translation>狸猫</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>天使</translation>
    </message>
    <message>
        <source>Ankh</source>
        <translation>安卡</translation>
    </message>
    <message>
        <source>Caduceus</source>
        <translation>双蛇杖</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>大象</translation>
    </message>
    <message>
        <source>Eye of Horus</source>
        <translation>荷鲁斯之眼</translation>
    </message>
    <message>
        <source>Isis</source>
        <translation>伊西斯</translation>
    </message>
    <message>
        <source>Lotus Flower</source>
        <translation>莲花</translation>
    </message>
    <message>
        <source>Scarab</source>
        <translation>圣甲虫</translation>
    </message>
    <message>
        <source>3 Keys</source>
        <translation>三把钥匙</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>橡果</translation>
    </message>
    <message>
        <source>Coin</source>
        <translation>硬币</translation>
    </message>
    <message>
        <source>Four Leaf Clover</source>
        <translation>四叶草</translation>
    </message>
    <message>
        <source>Horseshoe</source>
        <translation>马蹄铁</translation>
    </message>
    <message>
        <source>Ladybug</source>
        <translation>瓢虫</translation>
    </message>
    <message>
        <source>Old Boot</source>
        <translation>旧靴子</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>猪</translation>
    </message>
    <message>
        <source>Rabbit&apos;s Foot</source>
        <translation>兔脚</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>独角兽</translation>
    </message>
    <message>
        <source>Wishbone</source>
        <translation>许愿骨</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>木头</translation>
    </message>
    <message>
        <source>Dolphins</source>
        <translation>海豚</translation>
    </message>
    <message>
        <source>Hamsa Hand</source>
        <translation>法蒂玛之手</translation>
    </message>
    <message>
        <source>Broken Arrow</source>
        <translation>断箭</translation>
    </message>
    <message>
        <source>Crossed Arrows</source>
        <translation>交叉箭</translation>
    </message>
    <message>
        <source>Feathers</source>
        <translation>羽毛</translation>
    </message>
    <message>
        <source>Fence</source>
        <translation>篱笆</translation>
    </message>
    <message>
        <source>Kokopelli Charm</source>
        <translation>科科佩利护符</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>树叶</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>山</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>雨云</translation>
    </message>
    <message>
        <source>Rain Drop</source>
        <translation>雨滴</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>雨</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太阳</translation>
    </message>
    <message>
        <source>Thunderbird</source>
        <translation>雷鸟</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>印度吉祥符号</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>中国吉祥符号</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>日本吉祥符号</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>埃及吉祥符号</translation>
    </message>
    <message>
        <source>English Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>英国吉祥符号</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>阿拉伯吉祥符号</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>美洲原住民吉祥符号</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbol</source>
        <extracomment>What one drawn symbol of a culture is, as a copied or printed reading heads it.</extracomment>
        <translation>印度吉祥符号</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbol</source>
        <translation>中国吉祥符号</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbol</source>
        <translation>日本吉祥符号</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbol</source>
        <translation>埃及吉祥符号</translation>
    </message>
    <message>
        <source>English Good Luck Symbol</source>
        <translation>英国吉祥符号</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbol</source>
        <translation>阿拉伯吉祥符号</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbol</source>
        <translation>美洲原住民吉祥符号</translation>
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
    <name>LibraryCatalogue</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Both ways round of one domino, as in &quot;6-4 and 4-6&quot;.</extracomment>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>条子</translation>
    </message>
    <message>
        <source>Characters</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>万子</translation>
    </message>
    <message>
        <source>Circles</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>筒子</translation>
    </message>
    <message>
        <source>Dragons</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>箭牌</translation>
    </message>
    <message>
        <source>Flowers</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>花牌</translation>
    </message>
    <message>
        <source>Seasons</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>季节牌</translation>
    </message>
    <message>
        <source>Winds</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>风牌</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: the name players give it.</extracomment>
        <translation>名称</translation>
    </message>
    <message>
        <source>English Name</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: what the tile stands for, as its English name says.</extracomment>
        <translation>寓意</translation>
    </message>
    <message>
        <source>Chinese Character</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: the romanised Chinese character on the tile.</extracomment>
        <translation>中文读音</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A mahjong tile: its name, then what it stands for, as in &quot;1 Wan (Open Door)&quot;.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>The thirteen trees of the Celtic tree calendar. A reading draws three different trees, for the past, the present and the future, each with its signs and what it says of you.</source>
        <translation>凯尔特树历中的十三种树。每次占卜抽出三棵不同的树，分别代表过去、现在和未来，并列出每棵树的各项象征，以及它对你的解读。</translation>
    </message>
    <message>
        <source>The 28 dominoes of a double-six set, from blank to six pips on each half. A reading draws one domino and gives its meaning.</source>
        <translation>一副双六多米诺骨牌共 28 张，每张骨牌的两半各有 0 到 6 个点。每次占卜抽出一张骨牌，并给出它的含义。</translation>
    </message>
    <message>
        <source>74 lucky charms from seven cultures. A reading draws one symbol from each culture you choose and tells its story.</source>
        <translation>来自七种文化的 74 个吉祥符号。每次占卜从你选中的每种文化里各抽出一个符号，并讲述它的故事。</translation>
    </message>
    <message>
        <source>The 42 mahjong tiles in their seven suits. A reading draws one tile and gives its names and its meaning; wind, flower and season tiles bring their signs as well.</source>
        <translation>42 张麻将牌，分为七类。每次占卜抽出一张牌，给出它的名称和含义；风牌、花牌和季节牌还会附上各自的象征。</translation>
    </message>
    <message>
        <source>Five colours. A reading finds the lucky colour that your first and last names point to, and what it says of you.</source>
        <translation>五种颜色。占卜会根据你的名字和姓氏找出你的幸运色，并说明它对你意味着什么。</translation>
    </message>
    <message>
        <source>the</source>
        <extracomment>Words a piece&apos;s name may begin with that a person leaves out when typing it, so that typing &quot;holly&quot; reaches &quot;The Holly Tree&quot;: in lower case, several apart by blanks (German: &quot;der die das&quot;). Leave it as it is where names have none.</extracomment>
        <translation>the</translation>
    </message>
</context>
<context>
    <name>MahjongTiles</name>
    <message>
        <source>%1 tile</source>
        <extracomment>A screen reader&apos;s name for the picture of a mahjong tile; %1 says what the tile means, such as &quot;Carp&quot;</extracomment>
        <translation>麻将牌：%1</translation>
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
        <translation>季节</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>五行</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>星宿</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>门风</translation>
    </message>
    <message>
        <source>Representation</source>
        <translation>代表人物</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>花卉</translation>
    </message>
</context>
<context>
    <name>MysticalColors</name>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>棕色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
</context>
<context>
    <name>OghamTreePanel</name>
    <message>
        <source>Characteristics</source>
        <translation>性格特质</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>How a screen reader names a tree&apos;s paragraph: the time it stands for, then the tree (&quot;The Past: The Oak Tree&quot;).</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>One attribute of a tree as a screen reader tells it (&quot;Ruling Planet: Sun.&quot;).</extracomment>
        <translation>%1：%2。</translation>
    </message>
</context>
<context>
    <name>OghamTrees</name>
    <message>
        <source>The Birch Tree</source>
        <translation>桦树</translation>
    </message>
    <message>
        <source>Ambition, Ideals</source>
        <translation>雄心、理想</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太阳</translation>
    </message>
    <message>
        <source>The White Stag</source>
        <translation>白鹿</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>November</source>
        <translation>十一月</translation>
    </message>
    <message>
        <source>Rock Crystal</source>
        <translation>白水晶</translation>
    </message>
    <message>
        <source>Common Daisy</source>
        <translation>雏菊</translation>
    </message>
    <message>
        <source>The Rowan Tree</source>
        <translation>花楸树</translation>
    </message>
    <message>
        <source>Inspiration, Creativity</source>
        <translation>灵感、创造力</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>天王星</translation>
    </message>
    <message>
        <source>The Dragon </source>
        <translation>龙</translation>
    </message>
    <message>
        <source>Red/Grey</source>
        <translation>红色/灰色</translation>
    </message>
    <message>
        <source>December</source>
        <translation>十二月</translation>
    </message>
    <message>
        <source>Peridot</source>
        <translation>橄榄石</translation>
    </message>
    <message>
        <source>Snowdrop</source>
        <translation>雪花莲</translation>
    </message>
    <message>
        <source>The Ash Tree </source>
        <translation>白蜡树</translation>
    </message>
    <message>
        <source>Wisdom, Energy</source>
        <translation>智慧、活力</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>海王星</translation>
    </message>
    <message>
        <source>The Adder</source>
        <translation>蝰蛇</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>March</source>
        <translation>三月</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>珊瑚</translation>
    </message>
    <message>
        <source>Wood Anemone,Buttercup</source>
        <translation>林地银莲花、毛茛</translation>
    </message>
    <message>
        <source>The Alder Tree </source>
        <translation>桤木</translation>
    </message>
    <message>
        <source>Cunningness, Skill</source>
        <translation>机敏、技巧</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>火星</translation>
    </message>
    <message>
        <source>The Fox</source>
        <translation>狐狸</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>深红色</translation>
    </message>
    <message>
        <source>January</source>
        <translation>一月</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>红宝石</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>金雀花</translation>
    </message>
    <message>
        <source>The Willow Tree </source>
        <translation>柳树</translation>
    </message>
    <message>
        <source>Adapt, Adjustments</source>
        <translation>适应、调整</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月亮</translation>
    </message>
    <message>
        <source>The Hare</source>
        <translation>野兔</translation>
    </message>
    <message>
        <source>Any bright color</source>
        <translation>任何鲜亮的颜色</translation>
    </message>
    <message>
        <source>February</source>
        <translation>二月</translation>
    </message>
    <message>
        <source>Moonstone</source>
        <translation>月光石</translation>
    </message>
    <message>
        <source>Primrose</source>
        <translation>报春花</translation>
    </message>
    <message>
        <source>The Hawthorn Tree </source>
        <translation>山楂树</translation>
    </message>
    <message>
        <source>Patience, Wisdom</source>
        <translation>耐心、智慧</translation>
    </message>
    <message>
        <source>Vulcan</source>
        <translation>伏尔甘</translation>
    </message>
    <message>
        <source>The Owl</source>
        <translation>猫头鹰</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>April/ May</source>
        <translation>四月/五月</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>托帕石</translation>
    </message>
    <message>
        <source>Wood Sorrel</source>
        <translation>酢浆草</translation>
    </message>
    <message>
        <source>The Oak Tree</source>
        <translation>橡树</translation>
    </message>
    <message>
        <source>Simplicity, Wit</source>
        <translation>质朴、机智</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>木星</translation>
    </message>
    <message>
        <source>The Wren</source>
        <translation>鹪鹩</translation>
    </message>
    <message>
        <source>Black and dark brown</source>
        <translation>黑色和深棕色</translation>
    </message>
    <message>
        <source>May</source>
        <translation>五月</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>钻石</translation>
    </message>
    <message>
        <source>Coltsfoot</source>
        <translation>款冬</translation>
    </message>
    <message>
        <source>The Holly Tree</source>
        <translation>冬青树</translation>
    </message>
    <message>
        <source>Strength, Purity</source>
        <translation>力量、纯洁</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>地球</translation>
    </message>
    <message>
        <source>The Unicorn</source>
        <translation>独角兽</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>深灰色</translation>
    </message>
    <message>
        <source>June</source>
        <translation>六月</translation>
    </message>
    <message>
        <source>Red Carnelian</source>
        <translation>红玉髓</translation>
    </message>
    <message>
        <source>Vervain</source>
        <translation>马鞭草</translation>
    </message>
    <message>
        <source>The Hazel Tree</source>
        <translation>榛树</translation>
    </message>
    <message>
        <source>Inspiration</source>
        <translation>灵感</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>水星</translation>
    </message>
    <message>
        <source>The Salmon</source>
        <translation>鲑鱼</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>棕色</translation>
    </message>
    <message>
        <source>July</source>
        <translation>七月</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>紫水晶</translation>
    </message>
    <message>
        <source>Valerian</source>
        <translation>缬草</translation>
    </message>
    <message>
        <source>The Vine</source>
        <translation>葡萄藤</translation>
    </message>
    <message>
        <source>Beauty, Grace</source>
        <translation>美丽、优雅</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>金星</translation>
    </message>
    <message>
        <source>The Swan</source>
        <translation>天鹅</translation>
    </message>
    <message>
        <source>All multi-hued colors</source>
        <translation>各种缤纷的色彩</translation>
    </message>
    <message>
        <source>August</source>
        <translation>八月</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>祖母绿</translation>
    </message>
    <message>
        <source>The Ivy</source>
        <translation>常春藤</translation>
    </message>
    <message>
        <source>Colorful Nature, Faith</source>
        <translation>多彩天性、信念</translation>
    </message>
    <message>
        <source>Persephone</source>
        <translation>珀耳塞福涅</translation>
    </message>
    <message>
        <source>The Butterfly  </source>
        <translation>蝴蝶</translation>
    </message>
    <message>
        <source>Sky blue</source>
        <translation>天蓝色</translation>
    </message>
    <message>
        <source>September</source>
        <translation>九月</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>欧泊</translation>
    </message>
    <message>
        <source>Woody Nightshade</source>
        <translation>欧白英</translation>
    </message>
    <message>
        <source>The Reed</source>
        <translation>芦苇</translation>
    </message>
    <message>
        <source>Loyalty, Honor</source>
        <translation>忠诚、荣誉</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>冥王星</translation>
    </message>
    <message>
        <source>The Hound Dog </source>
        <translation>猎犬</translation>
    </message>
    <message>
        <source>Grass green</source>
        <translation>草绿色</translation>
    </message>
    <message>
        <source>October</source>
        <translation>十月</translation>
    </message>
    <message>
        <source>Jasper</source>
        <translation>碧玉</translation>
    </message>
    <message>
        <source>Water Mint</source>
        <translation>水薄荷</translation>
    </message>
    <message>
        <source>The Elder Tree</source>
        <translation>接骨木</translation>
    </message>
    <message>
        <source>Ambition, Patience</source>
        <translation>雄心、耐心</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>土星</translation>
    </message>
    <message>
        <source>The Raven </source>
        <translation>渡鸦</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>The month of Samhain</source>
        <translation>萨温节之月</translation>
    </message>
    <message>
        <source>Jet or Black Amber</source>
        <translation>煤精或黑琥珀</translation>
    </message>
    <message>
        <source>Dandelion</source>
        <translation>蒲公英</translation>
    </message>
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
    <message>
        <source>Back</source>
        <translation>返回</translation>
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
        <translation>最受欢迎的神秘学论坛，资源应有尽有。快来 %1 加入吧！</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家创业好机会：开创你自己的网络事业，在网上赚钱。本软件可为你的网站全面贴牌。点击此处了解详情。</translation>
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
        <translation>不支持“.%1”格式（可保存为 .png、.jpg 等图片、PDF 文档或纯文本）</translation>
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
    <name>TreeChooser</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A tree box as a screen reader names it: its label, then the tree in it (&quot;The Past: The Oak Tree&quot;).</extracomment>
        <translation>%1%2</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>本软件可能已有新版本。</translation>
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
        <translation>自古以来，占卜一直帮助人们为难题寻找答案，也可以作为生活的指引，让人们过得更好。Augurium 包含多米诺骨牌占卜、吉祥符号占卜、麻将占卜、凯尔特欧甘占卜和 Orin 神秘色彩占卜。</translation>
    </message>
    <message>
        <source>Click here to visit www.augurium.example</source>
        <translation>点击此处访问 www.augurium.example</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>居家创业好机会：开创你自己的网络事业，在网上赚钱。本软件可为你的网站全面贴牌。</translation>
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
        <extracomment>A small button: about 9 characters fit.</extracomment>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>Question</source>
        <extracomment>The caption of the user&apos;s question in a copied or printed reading.</extracomment>
        <translation>问题</translation>
    </message>
    <message>
        <source>The Past</source>
        <extracomment>The heading of the left tree panel of an Ogham reading.</extracomment>
        <translation>过去</translation>
    </message>
    <message>
        <source>The Present</source>
        <extracomment>The heading of the right tree panel of an Ogham reading.</extracomment>
        <translation>现在</translation>
    </message>
    <message>
        <source>The Future</source>
        <extracomment>The heading of the middle tree panel of an Ogham reading.</extracomment>
        <translation>未来</translation>
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
    <message>
        <source>Plese Enter Your Question</source>
        <extracomment>The question box is empty.</extracomment>
        <translation>请输入你的问题。</translation>
    </message>
    <message>
        <source>Enter Your Question Here</source>
        <extracomment>The text the question box opens with; typing replaces it.</extracomment>
        <translation>请在此输入你的问题</translation>
    </message>
    <message>
        <source>Draw my three trees</source>
        <extracomment>What clicking the tree picture does, as a screen reader names the picture.</extracomment>
        <translation>抽三棵树</translation>
    </message>
    <message>
        <source>A picture of a tree</source>
        <translation>一棵树的图片</translation>
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
        <translation>你的骨牌</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A screen reader&apos;s name for the two halves of the domino drawn, such as &quot;6 pips and 4 pips&quot;</extracomment>
        <translation>%1和%2</translation>
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
        <translation>抽一张骨牌</translation>
    </message>
    <message>
        <source>A picture of dominoes</source>
        <translation>多米诺骨牌的图片</translation>
    </message>
</context>
<context>
    <name>frmGoodLuckSymbolOracleDisplay</name>
    <message>
        <source>Orin Good Luck Symbol Oracle</source>
        <translation>Orin 吉祥符号占卜</translation>
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
        <translation>在世界各地，吉祥符号都被视为好运的象征。让 Orin 吉祥符号占卜陪你开启新的一天，助你收获幸福，让生活富足美满。</translation>
    </message>
    <message>
        <source>Find My Good luck Symbol</source>
        <extracomment>The File menu&apos;s item, the same command as the window&apos;s button.</extracomment>
        <translation>寻找我的吉祥符号</translation>
    </message>
    <message>
        <source>Please Select A Type of Good Luck Symbol</source>
        <extracomment>No culture is ticked.</extracomment>
        <translation>请至少选择一类吉祥符号。</translation>
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
        <translation>Augurium 汇集了多种占卜，能在日常生活中为你提供帮助。在新的一天开始时，或每当你心中有疑问、需要答案时，都可以来占卜一下。让占卜为你指引方向，使生活更加简单。Vaticor 中还有更多此类占卜。</translation>
    </message>
    <message>
        <source>Augurium includes the following programs</source>
        <translation>Augurium 包含以下程序</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家创业好机会：开创你自己的网络事业，在网上赚钱。本软件可为你的网站全面贴牌。点击此处了解详情。</translation>
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
        <source>Color</source>
        <extracomment>Heads the season of a flower tile: the panel has always said Color here</extracomment>
        <translation>颜色</translation>
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
        <translation>你的麻将牌</translation>
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
        <translation>抽一张麻将牌</translation>
    </message>
    <message>
        <source>A picture of mahjong tiles</source>
        <translation>麻将牌的图片</translation>
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
        <extracomment>One line beside the name field: about 16 characters fit.</extracomment>
        <translation>请输入名字</translation>
    </message>
    <message>
        <source>Enter Last Name</source>
        <extracomment>One line beside the name field: about 16 characters fit.</extracomment>
        <translation>请输入姓氏</translation>
    </message>
    <message>
        <source>&amp;Ask The Mystical Color Oracle</source>
        <extracomment>A button: about 26 characters fit.</extracomment>
        <translation>开始神秘色彩占卜(&amp;A)</translation>
    </message>
    <message>
        <source>* Birth Day</source>
        <translation>* 生日</translation>
    </message>
    <message>
        <source>Month</source>
        <extracomment>Above the birth month box: about 9 characters fit.</extracomment>
        <translation>月份</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Above the birth day box: about 7 characters fit.</extracomment>
        <translation>日</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Above the birth year box: about 7 characters fit.</extracomment>
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
        <extracomment>A small button: about 7 characters fit.</extracomment>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>请输入你的名字。</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>请输入你的姓氏。</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The caption of the names in a copied or printed reading.</extracomment>
        <translation>姓名</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A person&apos;s whole name: %1 is the first name, %2 the last name, both as typed.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <extracomment>The caption of the birth day in a copied or printed reading.</extracomment>
        <translation>生日</translation>
    </message>
    <message>
        <source>Your lucky colour</source>
        <extracomment>What the colour of a reading is, as a copied or printed reading heads it.</extracomment>
        <translation>你的幸运色</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <extracomment>The title of the dialog that opens a saved reading.</extracomment>
        <translation>选择要打开的文件</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <extracomment>The chosen file is not a saved reading (its name does not end in &quot;num&quot;).</extracomment>
        <translation>请检查所选的文件。</translation>
    </message>
    <message>
        <source>Please type your name in Latin letters, as it is written in your passport.</source>
        <extracomment>A letter of another script than the Latin one was typed in a name.</extracomment>
        <translation>请按护照上的写法，用拉丁字母（如汉语拼音）输入你的姓名。</translation>
    </message>
    <message>
        <source>Please Enter Character Only</source>
        <extracomment>A digit, a blank or a punctuation mark was typed in a name.</extracomment>
        <translation>请只输入字母。</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A whole birth day in a copied reading: %1 is the month&apos;s name, %2 the day, %3 the year.</extracomment>
        <translation>%3年%1%2日</translation>
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
    <message>
        <source>About %1</source>
        <extracomment>What a screen reader calls the text beside the list: a piece&apos;s or a heading&apos;s name follows.</extracomment>
        <translation>关于%1</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>清除搜索内容</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <extracomment>Where a piece stands in the Library: its oracle, then its suit of tiles or its culture.</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>&amp;Read these three</source>
        <extracomment>The button that reads the tree on show with the two chosen for the past and the future.</extracomment>
        <translation>以这三棵树占卜(&amp;R)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The tree on show as a screen reader names it: the label &quot;The Present:&quot;, then the tree.</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>The %1 oracle is drawing a reading; this one can be read once it shows.</source>
        <extracomment>%1 is an oracle&apos;s name, as its section in the Library is headed.</extracomment>
        <translation>%1占卜正在抽取结果，待其显示后即可用此条目占卜。</translation>
    </message>
    <message>
        <source>The %1 reading you drew is still open. Close it and read this one in its place?</source>
        <extracomment>%1 is an oracle&apos;s name, as its section in the Library is headed.</extracomment>
        <translation>你抽出的%1占卜结果窗口仍未关闭。要关闭它并改用此条目占卜吗？</translation>
    </message>
</context>
</TS>
