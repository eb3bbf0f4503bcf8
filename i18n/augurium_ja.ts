<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CommonMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>オンラインヘルプ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Webサイトを開く(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>ソフトウェアの更新を確認(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>ソフトウェアの更新を確認(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Oracle &amp;Library</source>
        <translation>占いライブラリ(&amp;L)</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>言語(&amp;G)</translation>
    </message>
    <message>
        <source>Make Money Online</source>
        <translation>ネットで収入を得る</translation>
    </message>
</context>
<context>
    <name>DominoPieces</name>
    <message>
        <source>blank</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half without pips</extracomment>
        <translation>目なし</translation>
    </message>
    <message>
        <source>1 pip</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half with one pip</extracomment>
        <translation>1の目</translation>
    </message>
    <message>
        <source>%1 pips</source>
        <extracomment>A screen reader&apos;s name for the picture of a domino half; %1 is 2 to 6</extracomment>
        <translation>%1の目</translation>
    </message>
    <message>
        <source>Blank</source>
        <extracomment>A half without pips in a domino&apos;s number, such as &quot;Blank-6&quot;</extracomment>
        <translation>ブランク</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>A file name cannot contain double quotes (&quot;). Please type the name without them.</source>
        <translation>ファイル名には二重引用符（"）を使えません。二重引用符を除いた名前を入力してください。</translation>
    </message>
</context>
<context>
    <name>GoodLuckSymbols</name>
    <message>
        <source>Aum</source>
        <translation>オーム</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>鐘</translation>
    </message>
    <message>
        <source>Betel Leaf (Paan)</source>
        <translation>キンマの葉（パーン）</translation>
    </message>
    <message>
        <source>Bindi or Dot</source>
        <translation>ビンディ（額の点）</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>ココナッツ</translation>
    </message>
    <message>
        <source>Conch shells (Shankh)</source>
        <translation>ほら貝（シャンク）</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>灯明</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>ピラミッド</translation>
    </message>
    <message>
        <source>Rudraksha</source>
        <translation>ルドラクシャ</translation>
    </message>
    <message>
        <source>Swastika</source>
        <translation>スワスティカ</translation>
    </message>
    <message>
        <source>Tulsi</source>
        <translation>トゥルシー</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>マニ車</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>竹</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>コウモリ</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>蝶</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>カニ</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>鶴</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>龍</translation>
    </message>
    <message>
        <source>Fu Symbol</source>
        <translation>「福」の字</translation>
    </message>
    <message>
        <source>Gold Fish</source>
        <translation>金魚</translation>
    </message>
    <message>
        <source>Gold Ingots</source>
        <translation>元宝</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>馬</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>翡翠</translation>
    </message>
    <message>
        <source>Magpie</source>
        <translation>カササギ</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>蘭</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>鳳凰</translation>
    </message>
    <message>
        <source>Three Legged Toad</source>
        <translation>三本足のガマガエル</translation>
    </message>
    <message>
        <source>Tortoise</source>
        <translation>亀</translation>
    </message>
    <message>
        <source>Wealth Ship</source>
        <translation>宝船</translation>
    </message>
    <message>
        <source>Yin Yang</source>
        <translation>陰陽</translation>
    </message>
    <message>
        <source>Beckoning Cat</source>
        <translation>招き猫</translation>
    </message>
    <message>
        <source>Benten</source>
        <translation>弁財天</translation>
    </message>
    <message>
        <source>Bishamon</source>
        <translation>毘沙門天</translation>
    </message>
    <message>
        <source>Daikokuten</source>
        <translation>大黒天</translation>
    </message>
    <message>
        <source>Daruma Doll</source>
        <translation>達磨</translation>
    </message>
    <message>
        <source>Ebisu</source>
        <translation>恵比寿</translation>
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
        <translation>布袋</translation>
    </message>
    <message>
        <source>Tanuki</source>
        <translation>狸</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>天使</translation>
    </message>
    <message>
        <source>Ankh</source>
        <translation>アンク</translation>
    </message>
    <message>
        <source>Caduceus</source>
        <translation>ヘルメスの杖</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>象</translation>
    </message>
    <message>
        <source>Eye of Horus</source>
        <translation>ホルスの目</translation>
    </message>
    <message>
        <source>Isis</source>
        <translation>イシス</translation>
    </message>
    <message>
        <source>Lotus Flower</source>
        <translation>蓮の花</translation>
    </message>
    <message>
        <source>Scarab</source>
        <translation>スカラベ</translation>
    </message>
    <message>
        <source>3 Keys</source>
        <translation>三本の鍵</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>どんぐり</translation>
    </message>
    <message>
        <source>Coin</source>
        <translation>コイン</translation>
    </message>
    <message>
        <source>Four Leaf Clover</source>
        <translation>四つ葉のクローバー</translation>
    </message>
    <message>
        <source>Horseshoe</source>
        <translation>蹄鉄</translation>
    </message>
    <message>
        <source>Ladybug</source>
        <translation>テントウムシ</translation>
    </message>
    <message>
        <source>Old Boot</source>
        <translation>古いブーツ</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>ブタ</translation>
    </message>
    <message>
        <source>Rabbit&apos;s Foot</source>
        <translation>ウサギの足</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>ユニコーン</translation>
    </message>
    <message>
        <source>Wishbone</source>
        <translation>ウィッシュボーン</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Dolphins</source>
        <translation>イルカ</translation>
    </message>
    <message>
        <source>Hamsa Hand</source>
        <translation>ハムサの手</translation>
    </message>
    <message>
        <source>Broken Arrow</source>
        <translation>折れた矢</translation>
    </message>
    <message>
        <source>Crossed Arrows</source>
        <translation>交差した矢</translation>
    </message>
    <message>
        <source>Feathers</source>
        <translation>羽根</translation>
    </message>
    <message>
        <source>Fence</source>
        <translation>柵</translation>
    </message>
    <message>
        <source>Kokopelli Charm</source>
        <translation>ココペリのお守り</translation>
    </message>
    <message>
        <source>Leaf</source>
        <translation>木の葉</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>山</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>雨雲</translation>
    </message>
    <message>
        <source>Rain Drop</source>
        <translation>雨粒</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>雨</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太陽</translation>
    </message>
    <message>
        <source>Thunderbird</source>
        <translation>サンダーバード</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>インドの幸運のシンボル</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>中国の幸運のシンボル</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>日本の幸運のシンボル</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>エジプトの幸運のシンボル</translation>
    </message>
    <message>
        <source>English Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>イギリスの幸運のシンボル</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>アラブの幸運のシンボル</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbols</source>
        <extracomment>A culture&apos;s heading, also its check box (about 32 characters fit on the line) and its button.</extracomment>
        <translation>ネイティブアメリカンの幸運のシンボル</translation>
    </message>
    <message>
        <source>Indian Good Luck Symbol</source>
        <extracomment>What one drawn symbol of a culture is, as a copied or printed reading heads it.</extracomment>
        <translation>インドの幸運のシンボル</translation>
    </message>
    <message>
        <source>Chinese Good Luck Symbol</source>
        <translation>中国の幸運のシンボル</translation>
    </message>
    <message>
        <source>Japanese Good Luck Symbol</source>
        <translation>日本の幸運のシンボル</translation>
    </message>
    <message>
        <source>Egyptian Good Luck Symbol</source>
        <translation>エジプトの幸運のシンボル</translation>
    </message>
    <message>
        <source>English Good Luck Symbol</source>
        <translation>イギリスの幸運のシンボル</translation>
    </message>
    <message>
        <source>Arabian Good Luck Symbol</source>
        <translation>アラブの幸運のシンボル</translation>
    </message>
    <message>
        <source>Native American Good Luck Symbol</source>
        <translation>ネイティブアメリカンの幸運のシンボル</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>Your language&apos;s name as its speakers write it, such as &quot;Deutsch&quot;.</extracomment>
        <translation>日本語</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Desktop language</source>
        <translation>システムの言語</translation>
    </message>
</context>
<context>
    <name>LibraryCatalogue</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Both ways round of one domino, as in &quot;6-4 and 4-6&quot;.</extracomment>
        <translation>%1と%2</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>索子</translation>
    </message>
    <message>
        <source>Characters</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>萬子</translation>
    </message>
    <message>
        <source>Circles</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>筒子</translation>
    </message>
    <message>
        <source>Dragons</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>三元牌</translation>
    </message>
    <message>
        <source>Flowers</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>花牌</translation>
    </message>
    <message>
        <source>Seasons</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>季節牌</translation>
    </message>
    <message>
        <source>Winds</source>
        <extracomment>A suit of mahjong tiles, heading its tiles in the Library.</extracomment>
        <translation>風牌</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: the name players give it.</extracomment>
        <translation>名前</translation>
    </message>
    <message>
        <source>English Name</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: what the tile stands for, as its English name says.</extracomment>
        <translation>意味</translation>
    </message>
    <message>
        <source>Chinese Character</source>
        <extracomment>A caption of a mahjong tile&apos;s facts: the romanised Chinese character on the tile.</extracomment>
        <translation>中国語の読み</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A mahjong tile: its name, then what it stands for, as in &quot;1 Wan (Open Door)&quot;.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>The thirteen trees of the Celtic tree calendar. A reading draws three different trees, for the past, the present and the future, each with its signs and what it says of you.</source>
        <translation>ケルトの樹木暦に並ぶ13本の木。占いでは過去・現在・未来を表す異なる3本の木を引き、それぞれの木の象徴と、その木が語るあなたの姿をお伝えします。</translation>
    </message>
    <message>
        <source>The 28 dominoes of a double-six set, from blank to six pips on each half. A reading draws one domino and gives its meaning.</source>
        <translation>ダブルシックスのセットに含まれる28枚のドミノ。左右の半分にはそれぞれ、ブランク（目なし）から6までの目があります。占いではドミノを1枚引き、その意味をお伝えします。</translation>
    </message>
    <message>
        <source>74 lucky charms from seven cultures. A reading draws one symbol from each culture you choose and tells its story.</source>
        <translation>7つの文化に伝わる74種類の幸運のシンボル。占いでは、選んだ文化ごとにシンボルを1つずつ引き、そのいわれをお伝えします。</translation>
    </message>
    <message>
        <source>The 42 mahjong tiles in their seven suits. A reading draws one tile and gives its names and its meaning; wind, flower and season tiles bring their signs as well.</source>
        <translation>7種類に分かれた42枚の麻雀牌。占いでは牌を1枚引き、その名前と意味をお伝えします。風牌・花牌・季節牌では、それぞれの象徴もあわせてお伝えします。</translation>
    </message>
    <message>
        <source>Five colours. A reading finds the lucky colour that your first and last names point to, and what it says of you.</source>
        <translation>5つの色。占いでは、あなたの名と姓が指し示すラッキーカラーと、その色が語るあなたの姿をお伝えします。</translation>
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
        <translation>%1の牌</translation>
    </message>
    <message>
        <source>4 Bamboo</source>
        <translation>四索</translation>
    </message>
    <message>
        <source>Carp</source>
        <translation>鯉</translation>
    </message>
    <message>
        <source>2 Bamboo</source>
        <translation>二索</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>オシドリ</translation>
    </message>
    <message>
        <source>8 Bamboo</source>
        <translation>八索</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>キノコ</translation>
    </message>
    <message>
        <source>5 Bamboo</source>
        <translation>五索</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>蓮</translation>
    </message>
    <message>
        <source>1 Bamboo</source>
        <translation>一索</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>孔雀</translation>
    </message>
    <message>
        <source>3 Bamboo</source>
        <translation>三索</translation>
    </message>
    <message>
        <source>Toad</source>
        <translation>ガマガエル</translation>
    </message>
    <message>
        <source>7 Bamboo</source>
        <translation>七索</translation>
    </message>
    <message>
        <source>Tortoise</source>
        <translation>亀</translation>
    </message>
    <message>
        <source>6 Bamboo</source>
        <translation>六索</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水</translation>
    </message>
    <message>
        <source>9 Bamboo</source>
        <translation>九索</translation>
    </message>
    <message>
        <source>Willow</source>
        <translation>柳</translation>
    </message>
    <message>
        <source>3 Wan (Character)</source>
        <translation>三萬</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>大地</translation>
    </message>
    <message>
        <source>6 Wan (Character)</source>
        <translation>六萬</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>火</translation>
    </message>
    <message>
        <source>9 Wan (Character)</source>
        <translation>九萬</translation>
    </message>
    <message>
        <source>Heaven</source>
        <translation>天</translation>
    </message>
    <message>
        <source>5 Wan (Character)</source>
        <translation>五萬</translation>
    </message>
    <message>
        <source>House</source>
        <translation>家</translation>
    </message>
    <message>
        <source>8 Wan (Character)</source>
        <translation>八萬</translation>
    </message>
    <message>
        <source>Knot</source>
        <translation>結び目</translation>
    </message>
    <message>
        <source>4 Wan (Character)</source>
        <translation>四萬</translation>
    </message>
    <message>
        <source>Lute</source>
        <translation>琴</translation>
    </message>
    <message>
        <source>1 Wan (Character)</source>
        <translation>一萬</translation>
    </message>
    <message>
        <source>Open Door</source>
        <translation>開かれた扉</translation>
    </message>
    <message>
        <source>2 Wan (Character)</source>
        <translation>二萬</translation>
    </message>
    <message>
        <source>Sword</source>
        <translation>剣</translation>
    </message>
    <message>
        <source>7 Wan (Character)</source>
        <translation>七萬</translation>
    </message>
    <message>
        <source>The Seven Star</source>
        <translation>七つ星</translation>
    </message>
    <message>
        <source>5 Circle</source>
        <translation>五筒</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>龍</translation>
    </message>
    <message>
        <source>7 Circle</source>
        <translation>七筒</translation>
    </message>
    <message>
        <source>Insect</source>
        <translation>虫</translation>
    </message>
    <message>
        <source>4 Circle</source>
        <translation>四筒</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>翡翠</translation>
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
        <translation>真珠</translation>
    </message>
    <message>
        <source>3 Circle </source>
        <extracomment>The trailing blank is a slip of the English table; a translation need not keep it</extracomment>
        <translation>三筒</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>鳳凰</translation>
    </message>
    <message>
        <source>2 Circle</source>
        <translation>二筒</translation>
    </message>
    <message>
        <source>Pine</source>
        <translation>松</translation>
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
        <translation>ユニコーン</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>發</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>中</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Flowers Bamboo</source>
        <translation>花牌・竹</translation>
    </message>
    <message>
        <source>Flowers Chrysanthemum</source>
        <translation>花牌・菊</translation>
    </message>
    <message>
        <source>Flowers Orchid</source>
        <translation>花牌・蘭</translation>
    </message>
    <message>
        <source>Flowers Plum Blossom</source>
        <translation>花牌・梅</translation>
    </message>
    <message>
        <source>Seasons Autumn</source>
        <translation>季節牌・秋</translation>
    </message>
    <message>
        <source>Seasons Spring</source>
        <translation>季節牌・春</translation>
    </message>
    <message>
        <source>Seasons Summer</source>
        <translation>季節牌・夏</translation>
    </message>
    <message>
        <source>Seasons Winter</source>
        <translation>季節牌・冬</translation>
    </message>
    <message>
        <source>Wind East</source>
        <translation>東</translation>
    </message>
    <message>
        <source>Wind North</source>
        <translation>北</translation>
    </message>
    <message>
        <source>Wind South</source>
        <translation>南</translation>
    </message>
    <message>
        <source>Wind West</source>
        <translation>西</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>春</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Dragon (5 Circles)</source>
        <translation>龍（五筒）</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>夏</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Phoenix (3 Circles)</source>
        <translation>鳳凰（三筒）</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>秋</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
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
        <translation>冬</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Tortoise (7 Bamboo)</source>
        <translation>亀（七索）</translation>
    </message>
    <message>
        <source>East Wind</source>
        <translation>東</translation>
    </message>
    <message>
        <source>South Wind</source>
        <translation>南</translation>
    </message>
    <message>
        <source>West Wind</source>
        <translation>西</translation>
    </message>
    <message>
        <source>North Wind</source>
        <translation>北</translation>
    </message>
    <message>
        <source>Fisherman</source>
        <translation>漁師</translation>
    </message>
    <message>
        <source>Plum Blossom</source>
        <translation>梅</translation>
    </message>
    <message>
        <source>Woodcutter</source>
        <translation>木こり</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>蘭</translation>
    </message>
    <message>
        <source>Farmer</source>
        <translation>農夫</translation>
    </message>
    <message>
        <source>Chrysanthemum</source>
        <translation>菊</translation>
    </message>
    <message>
        <source>Scholar</source>
        <translation>学者</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>竹</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>季節</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
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
        <translation>自風</translation>
    </message>
    <message>
        <source>Representation</source>
        <translation>図柄</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>花</translation>
    </message>
</context>
<context>
    <name>MysticalColors</name>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>茶色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
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
        <translation>特徴</translation>
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
        <translation>シラカバ</translation>
    </message>
    <message>
        <source>Ambition, Ideals</source>
        <translation>大志、理想</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太陽</translation>
    </message>
    <message>
        <source>The White Stag</source>
        <translation>白い牡鹿</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11月</translation>
    </message>
    <message>
        <source>Rock Crystal</source>
        <translation>水晶</translation>
    </message>
    <message>
        <source>Common Daisy</source>
        <translation>ヒナギク</translation>
    </message>
    <message>
        <source>The Rowan Tree</source>
        <translation>ナナカマド</translation>
    </message>
    <message>
        <source>Inspiration, Creativity</source>
        <translation>ひらめき、創造性</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>天王星</translation>
    </message>
    <message>
        <source>The Dragon </source>
        <translation>ドラゴン</translation>
    </message>
    <message>
        <source>Red/Grey</source>
        <translation>赤・灰色</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12月</translation>
    </message>
    <message>
        <source>Peridot</source>
        <translation>ペリドット</translation>
    </message>
    <message>
        <source>Snowdrop</source>
        <translation>スノードロップ</translation>
    </message>
    <message>
        <source>The Ash Tree </source>
        <translation>トネリコ</translation>
    </message>
    <message>
        <source>Wisdom, Energy</source>
        <translation>知恵、活力</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>海王星</translation>
    </message>
    <message>
        <source>The Adder</source>
        <translation>クサリヘビ</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3月</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>珊瑚</translation>
    </message>
    <message>
        <source>Wood Anemone,Buttercup</source>
        <translation>ヤブイチゲ、キンポウゲ</translation>
    </message>
    <message>
        <source>The Alder Tree </source>
        <translation>ハンノキ</translation>
    </message>
    <message>
        <source>Cunningness, Skill</source>
        <translation>機転、技量</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>火星</translation>
    </message>
    <message>
        <source>The Fox</source>
        <translation>キツネ</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>深紅</translation>
    </message>
    <message>
        <source>January</source>
        <translation>1月</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>ルビー</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>エニシダ</translation>
    </message>
    <message>
        <source>The Willow Tree </source>
        <translation>ヤナギ</translation>
    </message>
    <message>
        <source>Adapt, Adjustments</source>
        <translation>適応、調整</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月</translation>
    </message>
    <message>
        <source>The Hare</source>
        <translation>野ウサギ</translation>
    </message>
    <message>
        <source>Any bright color</source>
        <translation>明るい色ならどれでも</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2月</translation>
    </message>
    <message>
        <source>Moonstone</source>
        <translation>ムーンストーン</translation>
    </message>
    <message>
        <source>Primrose</source>
        <translation>プリムローズ</translation>
    </message>
    <message>
        <source>The Hawthorn Tree </source>
        <translation>サンザシ</translation>
    </message>
    <message>
        <source>Patience, Wisdom</source>
        <translation>忍耐、知恵</translation>
    </message>
    <message>
        <source>Vulcan</source>
        <translation>ウルカヌス</translation>
    </message>
    <message>
        <source>The Owl</source>
        <translation>フクロウ</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>April/ May</source>
        <translation>4月・5月</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>トパーズ</translation>
    </message>
    <message>
        <source>Wood Sorrel</source>
        <translation>カタバミ</translation>
    </message>
    <message>
        <source>The Oak Tree</source>
        <translation>オーク</translation>
    </message>
    <message>
        <source>Simplicity, Wit</source>
        <translation>素朴さ、機知</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>木星</translation>
    </message>
    <message>
        <source>The Wren</source>
        <translation>ミソサザイ</translation>
    </message>
    <message>
        <source>Black and dark brown</source>
        <translation>黒と焦げ茶色</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5月</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>ダイヤモンド</translation>
    </message>
    <message>
        <source>Coltsfoot</source>
        <translation>フキタンポポ</translation>
    </message>
    <message>
        <source>The Holly Tree</source>
        <translation>ヒイラギ</translation>
    </message>
    <message>
        <source>Strength, Purity</source>
        <translation>強さ、純粋さ</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>地球</translation>
    </message>
    <message>
        <source>The Unicorn</source>
        <translation>ユニコーン</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>濃い灰色</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6月</translation>
    </message>
    <message>
        <source>Red Carnelian</source>
        <translation>レッドカーネリアン</translation>
    </message>
    <message>
        <source>Vervain</source>
        <translation>バーベイン</translation>
    </message>
    <message>
        <source>The Hazel Tree</source>
        <translation>ハシバミ</translation>
    </message>
    <message>
        <source>Inspiration</source>
        <translation>ひらめき</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>水星</translation>
    </message>
    <message>
        <source>The Salmon</source>
        <translation>サケ</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>茶色</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7月</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>アメジスト</translation>
    </message>
    <message>
        <source>Valerian</source>
        <translation>バレリアン</translation>
    </message>
    <message>
        <source>The Vine</source>
        <translation>ブドウ</translation>
    </message>
    <message>
        <source>Beauty, Grace</source>
        <translation>美しさ、優雅さ</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>金星</translation>
    </message>
    <message>
        <source>The Swan</source>
        <translation>白鳥</translation>
    </message>
    <message>
        <source>All multi-hued colors</source>
        <translation>多彩な色すべて</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8月</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>エメラルド</translation>
    </message>
    <message>
        <source>The Ivy</source>
        <translation>ツタ</translation>
    </message>
    <message>
        <source>Colorful Nature, Faith</source>
        <translation>多彩な個性、信じる心</translation>
    </message>
    <message>
        <source>Persephone</source>
        <translation>ペルセポネ</translation>
    </message>
    <message>
        <source>The Butterfly  </source>
        <translation>蝶</translation>
    </message>
    <message>
        <source>Sky blue</source>
        <translation>空色</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9月</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>オパール</translation>
    </message>
    <message>
        <source>Woody Nightshade</source>
        <translation>ビタースイート</translation>
    </message>
    <message>
        <source>The Reed</source>
        <translation>アシ</translation>
    </message>
    <message>
        <source>Loyalty, Honor</source>
        <translation>忠誠、名誉</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>冥王星</translation>
    </message>
    <message>
        <source>The Hound Dog </source>
        <translation>猟犬</translation>
    </message>
    <message>
        <source>Grass green</source>
        <translation>草色</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10月</translation>
    </message>
    <message>
        <source>Jasper</source>
        <translation>ジャスパー</translation>
    </message>
    <message>
        <source>Water Mint</source>
        <translation>ウォーターミント</translation>
    </message>
    <message>
        <source>The Elder Tree</source>
        <translation>ニワトコ</translation>
    </message>
    <message>
        <source>Ambition, Patience</source>
        <translation>大志、忍耐</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>土星</translation>
    </message>
    <message>
        <source>The Raven </source>
        <translation>ワタリガラス</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>The month of Samhain</source>
        <translation>サウィンの月</translation>
    </message>
    <message>
        <source>Jet or Black Amber</source>
        <translation>ジェットまたは黒琥珀</translation>
    </message>
    <message>
        <source>Dandelion</source>
        <translation>タンポポ</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>守護星</translation>
    </message>
    <message>
        <source>Ruling Animal</source>
        <translation>守護動物</translation>
    </message>
    <message>
        <source>Ogham Term</source>
        <translation>オガム名</translation>
    </message>
    <message>
        <source>Lucky Color</source>
        <translation>幸運の色</translation>
    </message>
    <message>
        <source>Lucky Month</source>
        <translation>幸運の月</translation>
    </message>
    <message>
        <source>Lucky Letter</source>
        <translation>幸運の文字</translation>
    </message>
    <message>
        <source>Lucky Gemstone</source>
        <translation>幸運の宝石</translation>
    </message>
    <message>
        <source>Lucky Flower</source>
        <translation>幸運の花</translation>
    </message>
</context>
<context>
    <name>OracleNames</name>
    <message>
        <source>Celtic Ogham</source>
        <translation>ケルトオガム</translation>
    </message>
    <message>
        <source>Domino</source>
        <translation>ドミノ</translation>
    </message>
    <message>
        <source>Good Luck Symbol</source>
        <translation>幸運シンボル</translation>
    </message>
    <message>
        <source>Mahjong</source>
        <translation>麻雀</translation>
    </message>
    <message>
        <source>Mystical Color</source>
        <translation>神秘の色</translation>
    </message>
</context>
<context>
    <name>OracleWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
</context>
<context>
    <name>PleaseWaitPanel</name>
    <message>
        <source>Please Wait</source>
        <translation>お待ちください</translation>
    </message>
</context>
<context>
    <name>Promotions</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Come and join us at %1</source>
        <translation>一番人気のスピリチュアル掲示板。情報満載の %1 へ！</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>在宅ビジネスのチャンス！ネットで自分のビジネスを始めて収入を得ましょう。このソフトをあなたのサイトのブランドで丸ごと提供できます。詳しくはこちら。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.</source>
        <translation>共同ブランド版でサイトの集客アップ。ここにサイト名とリンクを掲載できます。詳細は「ヘルプ」へ。</translation>
    </message>
    <message>
        <source>Click Here for more info on co-branding.</source>
        <translation>共同ブランドの詳細はこちら。</translation>
    </message>
</context>
<context>
    <name>ReadingCommands</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG画像 (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF文書 (*.pdf)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>プレーンテキスト (*.txt)</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>占い結果をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <translation>占い結果に名前を付けて保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Print Reading…</source>
        <translation>占い結果を印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>Reading copied</source>
        <translation>占い結果をコピーしました</translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation>占い結果に名前を付けて保存</translation>
    </message>
    <message>
        <source>“.%1” is not one of the kinds offered (a picture such as .png or .jpg, a PDF document or plain text)</source>
        <translation>「.%1」は保存できる形式ではありません（保存できるのは、.pngや.jpgなどの画像、PDF文書、プレーンテキストです）</translation>
    </message>
    <message>
        <source>The reading could not be saved as “%1”: %2.</source>
        <translation>占い結果を「%1」として保存できませんでした：%2。</translation>
    </message>
    <message>
        <source>The reading could not be printed to “%1”: %2.</source>
        <translation>占い結果を「%1」に印刷できませんでした：%2。</translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation>占い結果を印刷できませんでした。</translation>
    </message>
</context>
<context>
    <name>ReadingDescription</name>
    <message>
        <source>%1 reading</source>
        <extracomment>A reading&apos;s title, such as &quot;Domino reading&quot;.</extracomment>
        <translation>%1占いの結果</translation>
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
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1/%2ページ</translation>
    </message>
    <message>
        <source>it is not a plain file but a pipe or a device</source>
        <extracomment>Ends &quot;The reading could not be saved as “…”: %2.&quot;</extracomment>
        <translation>通常のファイルではなく、パイプまたはデバイスです</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>ページを描画できませんでした</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>Auguriumはすでに起動しています。</translation>
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
        <translation>このソフトウェアの新しいバージョンが公開されている可能性があります。</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>更新を確認しますか？</translation>
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
        <translation>占いは昔から、人々が悩みの答えを見つける手助けをしてきました。よりよい人生を送るための道しるべにもなります。Auguriumには、ドミノ占い、幸運シンボル占い、麻雀占い、ケルトオガム占い、Orin 神秘の色占いが収録されています。</translation>
    </message>
    <message>
        <source>Click here to visit www.augurium.example</source>
        <translation>www.augurium.example はこちら</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>在宅ビジネスのチャンス！ネットで自分のビジネスを始めて収入を得ましょう。このソフトをあなたのサイトのブランドで丸ごと提供できます。</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>詳しくはこちら。</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmCelticOghamOracleDisplay</name>
    <message>
        <source>Orin Celtic Ogham Oracle</source>
        <translation>Orin ケルトオガム占い</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>A small button: about 9 characters fit.</extracomment>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>Question</source>
        <extracomment>The caption of the user&apos;s question in a copied or printed reading.</extracomment>
        <translation>質問</translation>
    </message>
    <message>
        <source>The Past</source>
        <extracomment>The heading of the left tree panel of an Ogham reading.</extracomment>
        <translation>過去</translation>
    </message>
    <message>
        <source>The Present</source>
        <extracomment>The heading of the right tree panel of an Ogham reading.</extracomment>
        <translation>現在</translation>
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
        <translation>Orin ケルトオガム占い</translation>
    </message>
    <message>
        <source>Your Question</source>
        <translation>あなたの質問</translation>
    </message>
    <message>
        <source>Click on the above image to get your Celtic Ogham Oracle Reading</source>
        <translation>上の画像をクリックすると、ケルトオガム占いの結果が表示されます</translation>
    </message>
    <message>
        <source>Plese Enter Your Question</source>
        <extracomment>The question box is empty.</extracomment>
        <translation>質問を入力してください。</translation>
    </message>
    <message>
        <source>Enter Your Question Here</source>
        <extracomment>The text the question box opens with; typing replaces it.</extracomment>
        <translation>ここに質問を入力してください</translation>
    </message>
    <message>
        <source>Draw my three trees</source>
        <extracomment>What clicking the tree picture does, as a screen reader names the picture.</extracomment>
        <translation>3本の木を引く</translation>
    </message>
    <message>
        <source>A picture of a tree</source>
        <translation>木の画像</translation>
    </message>
</context>
<context>
    <name>frmDominoOracleDisplay</name>
    <message>
        <source>Orin Domino Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Orin ドミノ占い</translation>
    </message>
    <message>
        <source>Your Domino For Today </source>
        <extracomment>Heads the domino drawn; the trailing blank is a slip of the English form, a translation need not keep it</extracomment>
        <translation>今日のあなたのドミノ</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>Your domino</source>
        <extracomment>Heads the domino drawn in a copied, saved or printed reading</extracomment>
        <translation>あなたのドミノ</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A screen reader&apos;s name for the two halves of the domino drawn, such as &quot;6 pips and 4 pips&quot;</extracomment>
        <translation>%1と%2</translation>
    </message>
</context>
<context>
    <name>frmDominoOracleMain</name>
    <message>
        <source>Orin Domino Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Orin ドミノ占い</translation>
    </message>
    <message>
        <source>Think about the Problem that is worrying you.</source>
        <translation>今悩んでいることを思い浮かべてください。</translation>
    </message>
    <message>
        <source>Take a Deep Breath and Calm Yourself.</source>
        <translation>深呼吸をして、心を落ち着けてください。</translation>
    </message>
    <message>
        <source>Click on the above Image when you are ready</source>
        <translation>準備ができたら、上の画像をクリックしてください。</translation>
    </message>
    <message>
        <source>Draw my domino</source>
        <extracomment>The screen reader&apos;s name of the picture that draws a domino when clicked</extracomment>
        <translation>ドミノを1枚引く</translation>
    </message>
    <message>
        <source>A picture of dominoes</source>
        <translation>ドミノの画像</translation>
    </message>
</context>
<context>
    <name>frmGoodLuckSymbolOracleDisplay</name>
    <message>
        <source>Orin Good Luck Symbol Oracle</source>
        <translation>Orin 幸運シンボル占い</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
</context>
<context>
    <name>frmGoodLuckSymbolOracleMain</name>
    <message>
        <source>Orin Good Luck Symbol Oracle</source>
        <translation>Orin 幸運シンボル占い</translation>
    </message>
    <message>
        <source>Good Luck symbols are considered to be auspicious all over the world. Start your day with the good luck symbols in Orin Good Luck Symbol Oracle. This can help you attain happiness and prosperity in your life.</source>
        <translation>幸運のシンボルは、世界中で縁起のよいものとされています。Orin 幸運シンボル占いで、幸運のシンボルとともに一日を始めましょう。人生に幸せと豊かさを呼び込む助けになるはずです。</translation>
    </message>
    <message>
        <source>Find My Good luck Symbol</source>
        <extracomment>The File menu&apos;s item, the same command as the window&apos;s button.</extracomment>
        <translation>幸運のシンボルを占う</translation>
    </message>
    <message>
        <source>Please Select A Type of Good Luck Symbol</source>
        <extracomment>No culture is ticked.</extracomment>
        <translation>幸運のシンボルの種類を1つ以上選んでください。</translation>
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
        <translation>一番人気のスピリチュアルフォーラム。神秘の情報が満載！www.augurium.example でご参加を！</translation>
    </message>
    <message>
        <source>Domino Oracle</source>
        <translation>ドミノ占い</translation>
    </message>
    <message>
        <source>Good Luck Symbol Oracle</source>
        <translation>幸運シンボル占い</translation>
    </message>
    <message>
        <source>Mahjong Oracle</source>
        <translation>麻雀占い</translation>
    </message>
    <message>
        <source>Celtic Ogham Oracle</source>
        <translation>ケルトオガム占い</translation>
    </message>
    <message>
        <source>Mystical Color Oracle</source>
        <translation>神秘の色占い</translation>
    </message>
    <message>
        <source>Welcome to Augurium</source>
        <translation>Auguriumへようこそ</translation>
    </message>
    <message>
        <source>Augurium consists of different oracles that can help you in your day to day life. Start a new day with a reading or whenever you need an answer to your query. Let the Oracles act as a guide make life simpler. Vaticor consists of more such Oracles.</source>
        <translation>Auguriumには、毎日の暮らしに役立つさまざまな占いがそろっています。新しい一日の始まりに、また答えがほしいときはいつでも占ってみてください。占いを道しるべに、暮らしをもっとシンプルに。Vaticorには、このような占いがさらにたくさんあります。</translation>
    </message>
    <message>
        <source>Augurium includes the following programs</source>
        <translation>Auguriumに含まれるプログラム</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>在宅ビジネスのチャンス！ネットで自分のビジネスを始めて収入を得ましょう。このソフトをあなたのサイトのブランドで丸ごと提供できます。詳しくはこちら。</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
</context>
<context>
    <name>frmMahjongOracleDisplay</name>
    <message>
        <source>Orin Mahjong Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Orin 麻雀占い</translation>
    </message>
    <message>
        <source>English Name</source>
        <translation>意味</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Chinese Character</source>
        <translation>中国語の読み</translation>
    </message>
    <message>
        <source>About Your Mahjong</source>
        <translation>あなたの牌について</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Heads the season of a flower tile: the panel has always said Color here</extracomment>
        <translation>季節</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>Your mahjong tile</source>
        <extracomment>Heads the tile drawn in a copied, saved or printed reading</extracomment>
        <translation>あなたの麻雀牌</translation>
    </message>
</context>
<context>
    <name>frmMahjongOracleMain</name>
    <message>
        <source>Orin Mahjong Oracle</source>
        <extracomment>Orin is a name and stays as it is</extracomment>
        <translation>Orin 麻雀占い</translation>
    </message>
    <message>
        <source>Welcome to the Mahjong Oracle !</source>
        <translation>麻雀占いへようこそ！</translation>
    </message>
    <message>
        <source>Think about the Problem that has been worrying you</source>
        <translation>ずっと悩んでいることを思い浮かべてください</translation>
    </message>
    <message>
        <source>Take a Deep Breath And Click on the Mahjong Tile</source>
        <translation>深呼吸をして、麻雀牌をクリックしてください</translation>
    </message>
    <message>
        <source>Draw my tile</source>
        <extracomment>The screen reader&apos;s name of the picture that draws a mahjong tile when clicked</extracomment>
        <translation>牌を1枚引く</translation>
    </message>
    <message>
        <source>A picture of mahjong tiles</source>
        <translation>麻雀牌の画像</translation>
    </message>
</context>
<context>
    <name>frmMysticColorOracleMain</name>
    <message>
        <source>Orin Mystical Color Oracle</source>
        <translation>Orin 神秘の色占い</translation>
    </message>
    <message>
        <source>Welcome to Orin Mystical Color Oracle! Let the Mystical Color Oracle predict your Lucky Color based on your name. Just follow the instructions and get your answers.</source>
        <translation>Orin 神秘の色占いへようこそ！神秘の色占いが、あなたの名前からラッキーカラーを占います。案内に従うだけで答えが見つかります。</translation>
    </message>
    <message>
        <source>Enter First Name</source>
        <extracomment>One line beside the name field: about 16 characters fit.</extracomment>
        <translation>名（ローマ字）</translation>
    </message>
    <message>
        <source>Enter Last Name</source>
        <extracomment>One line beside the name field: about 16 characters fit.</extracomment>
        <translation>姓（ローマ字）</translation>
    </message>
    <message>
        <source>&amp;Ask The Mystical Color Oracle</source>
        <extracomment>A button: about 26 characters fit.</extracomment>
        <translation>神秘の色占いで占う(&amp;A)</translation>
    </message>
    <message>
        <source>* Birth Day</source>
        <translation>* 生年月日</translation>
    </message>
    <message>
        <source>Month</source>
        <extracomment>Above the birth month box: about 9 characters fit.</extracomment>
        <translation>月</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Above the birth day box: about 7 characters fit.</extracomment>
        <translation>日</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Above the birth year box: about 7 characters fit.</extracomment>
        <translation>年</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>以前保存した占い結果を開く(&amp;O)</translation>
    </message>
    <message>
        <source>Orin Mystical Color Oracle Result</source>
        <translation>Orin 神秘の色占いの結果</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>A small button: about 7 characters fit.</extracomment>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>名を入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>姓を入力してください。</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The caption of the names in a copied or printed reading.</extracomment>
        <translation>名前</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A person&apos;s whole name: %1 is the first name, %2 the last name, both as typed.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A whole birth day in a copied reading: %1 is the month&apos;s name, %2 the day, %3 the year.</extracomment>
        <translation>%3年%1%2日</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <extracomment>The caption of the birth day in a copied or printed reading.</extracomment>
        <translation>生年月日</translation>
    </message>
    <message>
        <source>Your lucky colour</source>
        <extracomment>What the colour of a reading is, as a copied or printed reading heads it.</extracomment>
        <translation>あなたのラッキーカラー</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <extracomment>The title of the dialog that opens a saved reading.</extracomment>
        <translation>保存した占い結果を開く</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <extracomment>The chosen file is not a saved reading (its name does not end in &quot;num&quot;).</extracomment>
        <translation>ファイルを確認してください。</translation>
    </message>
    <message>
        <source>Please type your name in Latin letters, as it is written in your passport.</source>
        <extracomment>A letter of another script than the Latin one was typed in a name.</extracomment>
        <translation>パスポートの表記と同じように、名前をローマ字で入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Character Only</source>
        <extracomment>A digit, a blank or a punctuation mark was typed in a name.</extracomment>
        <translation>名前にはアルファベットだけを入力してください。</translation>
    </message>
</context>
<context>
    <name>frmOracleLibrary</name>
    <message>
        <source>Oracle Library</source>
        <translation>占いライブラリ</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>検索(&amp;S):</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>name or word</source>
        <translation>名前またはキーワード</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>項目一覧</translation>
    </message>
    <message>
        <source>Piece</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>About this piece</source>
        <translation>この項目について</translation>
    </message>
    <message>
        <source>Read with this tree in the present:</source>
        <translation>この木を「現在」に置いて占う:</translation>
    </message>
    <message>
        <source>The P&amp;ast:</source>
        <translation>過去(&amp;A):</translation>
    </message>
    <message>
        <source>The Present:</source>
        <translation>現在:</translation>
    </message>
    <message>
        <source>The F&amp;uture:</source>
        <translation>未来(&amp;U):</translation>
    </message>
    <message>
        <source>Choose three different trees.</source>
        <translation>異なる3本の木を選んでください。</translation>
    </message>
    <message>
        <source>&amp;Read this one</source>
        <translation>この項目で占う(&amp;R)</translation>
    </message>
    <message>
        <source>No piece matches</source>
        <translation>一致する項目はありません</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>What a screen reader calls the text beside the list: a piece&apos;s or a heading&apos;s name follows.</extracomment>
        <translation>%1について</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>検索をクリア</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <extracomment>Where a piece stands in the Library: its oracle, then its suit of tiles or its culture.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>&amp;Read these three</source>
        <extracomment>The button that reads the tree on show with the two chosen for the past and the future.</extracomment>
        <translation>この3本で占う(&amp;R)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The tree on show as a screen reader names it: the label &quot;The Present:&quot;, then the tree.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The %1 oracle is drawing a reading; this one can be read once it shows.</source>
        <extracomment>%1 is an oracle&apos;s name, as its section in the Library is headed.</extracomment>
        <translation>%1占いはまだ占いの途中です。結果が表示されたら、この項目で占えるようになります。</translation>
    </message>
    <message>
        <source>The %1 reading you drew is still open. Close it and read this one in its place?</source>
        <extracomment>%1 is an oracle&apos;s name, as its section in the Library is headed.</extracomment>
        <translation>先に引いた%1占いの結果がまだ開いています。それを閉じて、代わりにこの項目で占いますか？</translation>
    </message>
</context>
</TS>
