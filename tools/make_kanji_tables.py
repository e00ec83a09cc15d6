#!/usr/bin/env python3
"""Generate resources/kanji/grade_tables.txt, the kanji grade tables of kakitori.

The file holds five tables of kanji rows: the order in which four textbook
publishers introduce the kanji of grades 1 to 6, and a kana order used when no
publisher is chosen (and always by the reading search).  The order of the
kanji is fixed below; the readings (one on and one kun reading per kanji) are
taken from KANJIDIC2 (EDRDG, CC BY-SA 4.0, Debian package kanjidic-xml) and
corrected by hand where the dictionary's first reading is not the one taught
at school; every hand-made choice is listed in kanji_reading_overrides.txt.

Output format (UTF-8, LF line ends):

    [光村図書20]                    one line starting each table
    grade,kanji,on,kun,number       one line per row, no spaces

In the table 東京書籍20 every row ends with one blank after its number field.
The number field is the row's position in a publisher table (1, 2, 3 ...).
In the kana-order table (教科書指定なし) kanji rows are numbered by a running
kanji count 1..N over the whole table (header rows are not counted), and each
grade starts with eight header rows あかさたなはまや whose number begins with
"0": the first header of a grade carries a five-digit number, the others "0".

Usage: python3 tools/make_kanji_tables.py [--kanjidic PATH] [--out PATH]

Only the Python standard library is used.  The script checks its output and
exits non-zero if any check fails.
"""

import argparse
import gzip
import os
import re
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
DEFAULT_KANJIDIC = "/usr/share/edict/kanjidic2.xml.gz"
DEFAULT_OUT = os.path.join(ROOT, "resources", "kanji", "grade_tables.txt")
OVERRIDES = os.path.join(HERE, "kanji_reading_overrides.txt")

KANA_TABLE = "教科書指定なし"
TRAILING_BLANK_TABLE = "東京書籍20"
HEADER_KANA = "あかさたなはまや"

# The tables in output order: (choice text, row count, sections).  A section
# is (grade, row count of the section, kanji in stored order).  "X[5]" marks a
# kanji of the lower grade 5 standing among the grade 6 rows (it keeps grade
# 5); "〔あ〕" marks a header row of the kana-order table.
TABLES = [
    ('光村図書20', 1025, [
        (1, 80, "木大小一二三四五六七八九十子空男女手天青見学校虫文正字山水雨上下日火田川竹月車人気本森出中町入名夕百円千花休金土糸目玉村白音赤生耳王口年立草先犬早貝林右足石左力"),
        (2, 160, "読雪言行南書絵図分方春思記曜肉話聞黄色黒太毛高風晴多形長数体近同今会社刀切内店姉妹線汽海回歩魚広前元岩教光知考室組後丸点買友羽雲夏公園通万頭鳥朝顔毎家当間昼半電外声楽親父母兄弟午夜国語算紙来時帰何里食明池週番東京古寺西止道場台新船米秋合活理作馬画用首細角工科鳴戸麦茶地市自歌心答野原冬星少走交遠強才門弓矢谷北牛引売弱計直"),
        (3, 200, "詩習商動物開族葉実所面登事館号使深意味漢調由温酒問題章平次昔表発県有氷秒農球局決整相落着洋服遊全短世界横指鉄安定様運予返緑送住感想具悪拾持向坂悲岸路区陽泳練助童申仕身品客終銀去筆式植集化死都両負対屋員写真祭部係板柱油港起列乗急追血暗橋暑寒軽命第主州根流荷君守進役他豆者育消取期畑福苦倍談鼻歯階央旅委級昭和駅業皮皿息美転病医薬飲重配度幸始島待受代曲投炭庫羊勝宿丁帳宮院笛礼研究庭等湖注反波勉放打速神箱湯"),
        (4, 201, "信達飛席建菜例料良照熱府児関辞典成訓類順愛昨城覚伝説好印要的必初案街試選観静旗材栃群埼潟井梨岡茨奈富岐阜季節別郡戦争最給機包帯泣勇軍兵隊輪特夫衣氏祝徒競約清完法滋阪徳香佐賀崎熊沖縄媛鹿未希望民働健康散令位置欠満栄養卒単結果漁径副臣梅灯貨変種続折積飯松不議差連景末司録参加挙協験極芸無械以博管便孫量借仲底浅焼利笑省残周課然浴芽改共願失辺低敗老束票陸各産求付固塩側労標官巣候察兆億鏡害刷治努倉札功器英牧冷唱"),
        (5, 193, "任現際態飼似格情像象解技術複興許可河銅修復防災検移賞貿易潔質報告確属容識準備応因述在支留適構接過幹混雑略測禁貸能句常桜序資酸素査設停総厚武士舎往肥演刊暴績鉱製航非編絶張破得居弁政経示逆比囲勢職歴史招迷夢独個提寄余仏眼財祖謝罪志永久毒営妻精保状条件程評価判断賛効統境布減護再増証限責均授紀脈織築圧仮基額故旧規則貯液婦救墓義殺貧版犯講師慣性益制造型綿枝費税輸団衛耕損険務粉採豊快燃率領喜導堂"),
        (6, 191, "視穴砂腹段並降認洗異純射背舌乱域蔵展訪我承蒸処就干層恩裁律脳臓肺胃腸映幕補裏沿私密呼吸存刻激簡机難疑卵乳創敬除誤暮探座券障派警署銭[5]庁訳源策忘討供模冊宅推宇宙装姿潮樹割垂胸骨厳勤誌延幼熟収納縦頂忠誠敵蚕仁泉系盟臨枚縮棒寸暖揮晩痛批傷若劇閉遺翌論班危優善否専捨窓至糖紅筋盛巻宝貴著権尊担秘従奏郵拡操絹俵[5]拝聖賃孝預覧鋼亡己届困看尺染退[5]朗片欲誕穀郷株諸衆磁皇后陛憲党閣革宗詞宣値俳将針灰奮済"),
    ]),
    ('学校図書20', 1019, [
        (1, 79, "一二三四五六七八九十中生上木山川人立口日月下目大小車手出水空文見子犬花音先男天気入町青本休雨火金土名正田白赤耳学校字右左石貝村早森林竹足虫力年玉円千百王糸女夕"),
        (2, 159, "魚黒前元考教記画回線点数新毎時間話聞語才雲星光後肉週色羽黄地書読当曜汽方形鳥馬刀弓矢戸門半交鳴会作遠行心場友少強絵言同家答合帰古分声夜用明来今台外道風船何細長食丸太理自直切歩毛国体頭谷内紙牛図角広番知組算引科春歌首夏多電池茶万里走計晴活思楽近顔海通室昼売買市店野原雪米止麦公園京社寺冬北秋親朝午父母兄姉弟東南西工高弱岩"),
        (3, 200, "物全橋病急緑度葉着感想登係調使速決者反対暑庫動植写真習落身温表面代級油倍商化世界題事豆終有都館詩送泳漢発予定流部苦幸畑整具階宮宿去打列申波消号注意運童区味局路式所章主羊湖帳笛洋服様転進遊柱受実委員屋息悪歯陽負族取放集配庭持勉駅院指待昔相住丁勝短由仕根皮役問次鼻客第向重暗板返港酒昭和炭氷秒命皿両死追神祭医坂血寒薬箱始湯他平荷曲守等投練悲農業助研究福島県軽州品筆銀球鉄深談礼安起飲育期乗央岸拾開君旅横美"),
        (4, 202, "信達飛席辺菜笑覚関伝良挙健辞典成約訓順便利旗松梅省競争衣説例要浅底験観察塩然愛課街熱輪治末建付的位必博材料束類法完置連清季節失量飯初不加以最孫栄共好票変英残差周浴議副無望側泣給折仲続働試臣康兆候特別昨包改願芽種選景録印機梨巣敗功漁夫養果戦結低欠照器努産未害倉各協徒借氏児焼鏡労貨求芸唱単勇城散井積念固栃群茨埼奈潟静岡富岐阜滋賀府兵阪香徳媛佐崎熊鹿沖縄司牧卒希民案刷冷械標札軍隊満官億極祝参令管郡径帯灯陸老"),
        (5, 190, "性格情解能報興像絶識状態構造術妻税許可航河圧脈織桜賞製政増堂確設技術条件接暴険現在素災証快型復質職務容招個比複墓属留永久保評判際略因象刊貸制得応示勢適故囲枝演総眼仮基検舎営序準備士師紀損非常防毒責任破旧均貯費貧布仏禁雑編程救独豊祖築限提過張婦移授寄価規則酸績財粉武経告支義逆殺版居迷謝句統団綿志幹混輸益講修精停効似資境導易再往余弁護肥厚測額率領断夢喜飼燃賛減歴史採犯罪衛液潔耕銅貿"),
        (6, 189, "捨若机探預将看私片展論並縮尺宅訪紅絹背批株貴従孝覧宝閉映障済欲泉純痛補疑視値誕詞存段処危創革窓姿舌異敵穴誤座諸退簡討認源収誌乳担裁郷訳敬供厳割割暮己権除策枚幼装尊宣困難樹呼刻否染胸腹激銭裏秘密降洗晩忘砂糖拡至頂脳券巻届拝沿域層筋延模潮盛劇朗俵郵乱縦傷庁班著優俳衆寸警熟誠専賃署仁臨揮系亡承聖就胃腸幕盟恩冊派射暖善蔵宇宙我鋼翌穀宗奮奏納忠操遺干垂棒磁針灰吸骨蒸肺卵皇后陛憲律閣党勤"),
    ]),
    ('教育出版20', 1022, [
        (1, 80, "山日月火木一二三字上下人川子口田四五六七八九十見文白車手大土水名出金正花虫青空目百耳音立年千天中気小本竹糸左右生先休赤林男女円学校草玉村入石犬王町森貝足力早雨夕"),
        (2, 160, "書記活曜朝声読行言通今黄色思星夜電何船汽聞公園話画線点数馬方工羽春道高近地自分外国前絵図作週間答親兄父母姉弟妹昼万語算海内合時元会考太丸心切夏才細組場楽牛鳥市弓毛矢同古門光頭野体半長顔紙谷岩強弱科友室理北魚秋冬広食回帰東西南少家角当戸首茶引毎来遠後教交晴社歩売計肉台買店原風雪米歌止池里麦寺京新知多形番雲走直用鳴明刀午黒"),
        (3, 200, "開返事動物乗登主橋岸発予想調葉表由温漢意味重号練習取駅曲感運転集実消化面泳身守第次死度流研究昭和遊様陽氷有者旅館相談章全題皮庭命炭平等品代速待君両問部安屋根皿秒列丁植緑祭湯豆式客仕商員着区申写真礼期所送打飲負暑暗洋服育苦薬助向悲幸終寒央世界進指役港箱注深病院都委反対整具受係級持横童柱業倍投球宿勉追落鼻起神歯医坂血他銀油農湖美詩短昔筆急使決始帳局笛宮定庫放島県路荷板鉄州羊族配畑軽勝酒福去住拾悪息波階"),
        (4, 199, "信初達変席菜笑香梅順関印億浴加努芽完富英量法最約験観察種類別念単位伝然産芸巣的周卒愛未辞典治訓成以孫兆臣城刷奈省塩良径課害機械民折説果参衣景辺飯案児貨満令冷静官束各末結置残失季節給栄養老固働希望唱挙覚府茨栃群埼潟井梨岐阜岡滋兵徳媛佐崎熊鹿沖縄戦争飛焼包帯泣勇軍隊輪器旗牧不議博欠散続松側連録料陸極仲司願必要共試協選灯副夫札材無管功漁例徒昨街特利労祝清低便付改差票郡健康浅氏候敗好標照積倉競熱建求底鏡"),
        (5, 194, "常永慣現混状態迷情報容編確構解囲災技術資故快識性際逆象価非像織証属比職応質減述経効示序歴史精任勢貸許責謝適程複移厚飼率領夢喜険導能略救仏堂版貯雑殺句得寄増準備可支護士評防犯罪営造修仮耕綿布損豊久毒提採保河基規制設限条件接張師枝似統演貧築政税賞興因武眼財額紀燃粉断判往衛過潔境査航停貿易婦酸講再旧績均志測暴検製復授刊個破素独益義圧居型液禁賛絶告総桜仏妻舎鉱銅脈輸則肥版留墓幹団務祖在費余招格"),
        (6, 189, "背筋幼奮磁降暮灰暖私若姿裏宅胸臓存疑棒探危腹簡刻尊敬潮映優吸熟並諸貴奏賃層己退[5]郵遺処蒸策乱模券異呼蔵糖域脳除割拡宣郷補皇陛后党純権孝将論討難俳垂源針樹預警署勤我操裁臨洗片巻砂穴晩干穀至恩[5]舌[5]射座欲班痛視収推冊段紅盛秘密展否亡宗系仁聖尺肺律衆胃腸誕机善閣専泉縮頂庁枚詞誌創忠誠延済窓染看派敵激銭[5]困忘絹俵[5]株骨装障担閉承[5]拝就値憲納盟革揮卵寸鋼供幕宇宙訪厳縦沿翌誤認届訳傷蚕宝著従朗劇乳覧"),
    ]),
    ('東京書籍20', 1027, [
        (1, 80, "一二三四五六七八九十山木川口目上下中大入犬小白出力見先生日月火水金土花文音人休車本学校字赤手青名立耳気天村町夕千百円田子早足女男右左年竹虫空貝糸林森石玉王正雨草"),
        (2, 162, "友書風紙行元読言声丸話方点線画数門多少毛当合時間活科組考家思心外国聞教分算語刀前頭色牛何体同会場分回新高黄形地絵角作切夏長広光秋図知南朝北今後強弱遠近売買答帰楽毎半晴顔食歩走来止弟妹里週夜数馬鳥魚野原岩谷池海工引内明弓矢古寺親自鳴雪太麦茶米細道肉午黒万春冬東西父母兄姉昼電曜社室羽首計雲番星通京船交市店歌戸用理直汽才公園記台"),
        (3, 200, "葉使表所起面向緑感豆様物岸館習意味漢開落着駅和身役調育守動持章号返題植曲板皿委員発血取局配住酒由庭路整研究油拾投進屋実度暗苦事世界次遊速央仕勉温部宿湯泳氷詩陽負運練始終化寒鉄真客服送院皮受消荷想定予主追坂助美都悲悪指者平転球対乗等筆横反期帳君秒集代深安全第宮相命流商県区丁炭問暑列談両死鼻神祭歯医薬箱他有申打童礼旅島湖族放銀庫係短注待畑決勝港写根羊式登飲農橋業軽洋昭倍州品息階重去昔幸急具福病柱笛波級"),
        (4, 202, "付共器倉巣覚働包案続変的伝達臣種類法求例材関辞典成順訓連努飛治仲観察録験好結果説浴富念低選底協必要量清完散愛徒議浅省差約束席位笑特焼初旗最欠鏡願然末失漁夫労沖徳辺周貨司参加戦争給機飯泣別勇軍兵隊輪改利刷印置牧街灯票卒陸群側衣良節単料氏各残塩栄養照祝試熊鹿城菜井折積松不縄固景梅挙産健康府梨昨孫郡以冷敗熱満無未望老帯芸芽希季礼唱児民便英建官副管静械功博標径極課潟岐阜茨栃埼奈岡滋賀阪香媛佐崎競信億兆借令候害"),
        (5, 193, "術述増像過現在象経益境眼容資応確型往復逆査構示序提導解適禁雑銅鉱版脈額航質情報識告効因酸素句歴史喜賛職比織布貸貧接仮常均件故政編刊婦綿絶統興態減条災圧貯価制旧久移損造非防毒責任破枝師再武士保潔勢夢紀永独粉輸性技豊支程状総衛救停混格賞桜貿易規則率領断張略飼燃弁堂快複仏招殺志際得修険許可寄舎績演設精個似基余準墓祖護妻耕講犯罪測能囲製団属税営費限肥財留証採評判授備迷暴謝液河居厚務義幹慣検築"),
        (6, 190, "盛視並砂巻割傷朗異論磁尺券株域宗郷展模映宇宙遺乳樹蔵敬刻恩推存供敵系誤劇創熟賃警署蚕臨穀簡届収納閉秘密呼策難閣庁貴討値処誌詞誠忠若幼訳背片危腹縦著蒸亡訪縮律権憲党延誕担欲厳潮優揮筋障尊痛卵臓絹純洗宅班針棒激穴宝吸灰奮骨鋼銭宣退拡暖補拝郵仁胃腸肺脳姿至暮奏幕垂革批承困段善認済裏胸預忘勤裁窓座盟否寸頂派源泉冊乱従染疑紅降陛皇后俳探装諸孝干衆将枚専射沿就翌層舌糖除晩私操俵聖我己机看覧"),
    ]),
    ('教科書指定なし', 1071, [
        (1, 88, "〔あ〕一雨右円王音〔か〕下花火貝学気九休玉金空月犬見五口校〔さ〕左三山糸子四字耳七車手十出小女上森人水青生正赤石夕川先千草早足村〔た〕大男竹中虫町天田土〔な〕二日入年〔は〕白八百文木本〔ま〕名目〔や〕力立林六"),
        (2, 168, "〔あ〕引羽雲園遠家歌〔か〕科夏何画会海絵回外角楽活間岩顔丸帰汽記弓牛魚兄教京強形近計言原元戸古午後語行公考黄工高光広交合国黒谷今〔さ〕才細作算姉市思紙止矢寺時自室社弱首秋週春書少場色食新親心図数声西晴星切雪線船前組走多〔た〕太体台池地知茶昼朝鳥長直通弟点店電当頭刀答東冬同道読〔な〕内南肉〔は〕馬売買麦半番父歩風分聞米母方北〔ま〕妹毎万明鳴毛門野〔や〕夜友用曜来理里話"),
        (3, 208, "〔あ〕悪安暗意医委育員院飲運泳駅央横屋温〔か〕荷化界階開漢感寒館岸起期客急級究球宮去橋業局曲銀区苦具君係軽決血県研庫湖幸港向号根〔さ〕祭皿詩死使仕歯始指事次持式実写者酒取主守受集終州習拾重住宿暑所助商勝消章昭乗植神申進深真身世整昔全相送想息速族〔た〕他打対待代題第炭短談着注柱調帳丁追定庭笛鉄転都度島投登等豆湯動童〔な〕農波〔は〕配倍箱畑発坂反板悲皮美鼻筆表氷秒病品部負福服物平返勉放〔ま〕味命面問〔や〕役薬油由有遊予様葉羊洋陽落流旅両緑礼列練路和"),
        (4, 214, "〔あ〕愛案囲位以茨印英栄塩億〔か〕貨果課加香鹿芽改械害街覚各潟官完管関観願器紀機季旗媛希喜議衣給救泣求挙漁鏡競協共極熊訓郡軍群景径験芸欠結健建固岡功候康航好告〔さ〕差佐埼菜最材崎昨察刷札産散参残氏試滋司治児辞失借種祝周順初唱照松焼笑縄臣信清静省成席積折説節浅選戦然争倉巣側束続卒孫〔た〕帯隊達単置沖仲貯兆底低的典伝徒努灯働特徳栃〔な〕奈熱念〔は〕敗梅博飯飛必標票兵夫付富府不阜副粉別変辺便包法望牧〔ま〕末満未脈民無〔や〕約勇要養浴梨利陸良料量輪類例冷令連老労録"),
        (5, 199, "〔あ〕圧移因営永衛液益易演往応桜恩価〔か〕可仮河過賀快解格確額刊慣幹眼規基寄義技逆久旧居許経境禁均句型潔件険検現限減個故護厚興構効講鉱耕混〔さ〕査際妻採再災在財罪殺雑酸賛枝飼志支士史資師示似織識質謝舎授修術述準序証承賞象招状条常情職勢性精製制政税責績接設舌絶銭祖素総像造増則測属率損〔た〕貸退態断団築張停提程適統銅堂導得毒独〔な〕任燃能〔は〕破犯判版非比肥費備俵評布婦武貧複復仏編弁保墓報豊暴防貿〔ま〕務夢迷綿〔や〕輸余容略留領歴"),
        (6, 194, "〔あ〕胃異遺域宇映沿延〔か〕我灰閣革拡割株簡干巻看危揮机貴疑吸郷供胸筋勤敬系警劇激穴絹券権憲厳源己呼誤后降皇孝鋼紅刻穀骨困〔さ〕砂座済裁策冊蚕至詞誌視姿私磁射捨尺若樹収衆宗就従縦縮熟純署処諸除傷障将城蒸針仁推垂寸聖誠盛洗泉宣染専善操奏層創窓装蔵臓存尊〔た〕宅担探誕暖段値忠宙著頂潮腸庁賃痛敵展討糖党届〔な〕難乳認納脳〔は〕派拝背俳肺班晩否批秘腹奮閉並陛片補暮訪宝亡棒忘〔ま〕枚幕密盟模〔や〕訳優郵預幼欲翌卵乱覧裏律臨朗論"),
    ]),
]

# Rows per grade field, as the browser counts them (kana order: including the
# eight header rows of each grade).
GRADE_COUNTS = {
    "光村図書20": (80, 160, 200, 201, 196, 188),
    "学校図書20": (79, 159, 200, 202, 190, 189),
    "教育出版20": (80, 160, 200, 199, 200, 183),
    "東京書籍20": (80, 162, 200, 202, 193, 190),
    "教科書指定なし": (88, 168, 208, 214, 199, 194),
}

# Number field of the first header row of each grade in the kana-order table.
FIRST_HEADER_NUMBER = {1: "00001", 2: "00089", 3: "00256",
                       4: "00465", 5: "00679", 6: "00876"}

# Kanji that are known to appear twice in a table.
DUPLICATES = {
    "東京書籍20": {"分", "数", "礼"},
    "学校図書20": {"術", "割"},
    "教育出版20": {"仏", "版"},
}

# Kanji whose place in the kana-order listing does not match the syllabary row
# of their on reading: they stand at the end of the section before their own
# (家 歌 under あ, 多 under さ, 野 under ま, ...) or, for 媛, among the き
# readings.  The order of the table is kept as it is, and the reading is kept
# correct; the check below requires that each of these really is misplaced so
# that the list cannot hide a wrong reading.
MISPLACED_IN_KANA_TABLE = {
    "家": "あ", "歌": "あ",     # か, grade 2
    "多": "さ",                 # た, grade 2
    "野": "ま",                 # や, grade 2
    "波": "な",                 # は, grade 3
    "媛": "か", "衣": "か",     # えん, い, grade 4
    "価": "あ",                 # か, grade 5
}

# Syllabary rows of the eight headers (voiced and p-sounds with their row).
HEADER_ROWS = {
    "あ": "あいうえお",
    "か": "かきくけこがぎぐげご",
    "さ": "さしすせそざじずぜぞ",
    "た": "たちつてとだぢづでど",
    "な": "なにぬねの",
    "は": "はひふへほばびぶべぼぱぴぷぺぽ",
    "ま": "まみむめも",
    "や": "やゆよらりるれろわ",
}

HIRAGANA_RE = re.compile(r"^[ぁ-ゖー]+$")
KUN_RE = re.compile(r"^[ぁ-ゖー]+(（[ぁ-ゖー]+）)?$")


class CheckError(Exception):
    pass


def check(cond, message):
    if not cond:
        raise CheckError(message)


# ---------------------------------------------------------------- readings

def to_hiragana(text):
    return "".join(chr(ord(c) - 0x60) if "ァ" <= c <= "ヶ" else c
                   for c in text)


def has_katakana(text):
    return any("ァ" <= c <= "ヺ" for c in text)


def format_kun(reading):
    """'まな.ぶ' -> 'まな（ぶ）'; affix markers '-' are dropped."""
    reading = reading.strip("-")
    if "." in reading:
        stem, okuri = reading.split(".", 1)
        return "%s（%s）" % (stem, okuri)
    return reading


def load_kanjidic(path, wanted):
    """Return {kanji: (on readings, kun readings)} for the wanted kanji."""
    opener = gzip.open if path.endswith(".gz") else open
    result = {}
    with opener(path, "rb") as f:
        for _, elem in ET.iterparse(f):
            if elem.tag != "character":
                continue
            literal = elem.findtext("literal")
            if literal in wanted:
                on = [r.text for r in elem.iter("reading")
                      if r.get("r_type") == "ja_on"]
                kun = [r.text for r in elem.iter("reading")
                       if r.get("r_type") == "ja_kun"]
                result[literal] = (on, kun)
            elem.clear()
    return result


def first_full(readings):
    """First reading that is not only a prefix/suffix form, else the first."""
    for r in readings:
        if not r.startswith("-") and not r.endswith("-"):
            return r
    return readings[0] if readings else None


def automatic_reading(on_list, kun_list):
    """The dictionary's first reading pair, formatted for the tables."""
    on_list = [r for r in on_list if r]
    # KANJIDIC also lists a few unit names (シリング, デシメートル) as kun.
    kun_list = [r for r in kun_list if r and not has_katakana(r)]
    on = first_full(on_list)
    kun = first_full(kun_list)
    on = to_hiragana(on.strip("-")) if on else None
    kun = format_kun(kun) if kun else None
    if kun is None:
        kun = on                       # no kun reading: repeat the on reading
    if on is None:                     # native kanji (畑, 栃): no on reading
        on = kun.replace("（", "").replace("）", "")
    return on, kun


def load_overrides(path):
    overrides = {}
    with open(path, encoding="utf-8") as f:
        for lineno, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            parts = line.split("\t")
            check(len(parts) == 4 and all(p.strip() for p in parts),
                  "%s:%d: expected kanji<TAB>on<TAB>kun<TAB>reason"
                  % (path, lineno))
            kanji, on, kun, reason = parts
            check(len(kanji) == 1, "%s:%d: one kanji expected" % (path, lineno))
            check(kanji not in overrides,
                  "%s:%d: %s listed twice" % (path, lineno, kanji))
            overrides[kanji] = (on, kun, reason)
    return overrides


# ---------------------------------------------------------------- tables

def parse_section(text, table):
    """Yield (kanji or kana, grade override or None, is_header)."""
    items = []
    i = 0
    while i < len(text):
        c = text[i]
        if c == "〔":
            check(text[i + 2] == "〕", "bad header in %s" % table)
            items.append((text[i + 1], None, True))
            i += 3
            continue
        m = re.match(r"\[(\d)\]", text[i + 1:i + 4])
        if m:
            items.append((c, int(m.group(1)), False))
            i += 4
        else:
            items.append((c, None, False))
            i += 1
    return items


def build_rows(readings):
    """Return {table: [row text, ...]} and the structured rows for checks."""
    out = {}
    for table, count, sections in TABLES:
        rows = []
        kanji_number = 0
        for grade, section_count, text in sections:
            items = parse_section(text, table)
            check(len(items) == section_count,
                  "%s grade %d: %d rows in the listing, %d expected"
                  % (table, grade, len(items), section_count))
            first_header = True
            for char, own_grade, is_header in items:
                g = own_grade or grade
                check(own_grade is None or own_grade < grade,
                      "%s: %s[%d] is not a lower grade" % (table, char, g))
                if is_header:
                    check(table == KANA_TABLE, "header outside kana order")
                    number = FIRST_HEADER_NUMBER[grade] if first_header else "0"
                    first_header = False
                    fields = [str(g), char, char, char, number]
                else:
                    if table == KANA_TABLE:
                        kanji_number += 1
                        number = str(kanji_number)
                    else:
                        number = str(len(rows) + 1)
                    on, kun = readings[char]
                    fields = [str(g), char, on, kun, number]
                row = ",".join(fields)
                if table == TRAILING_BLANK_TABLE:
                    row += " "
                rows.append(row)
        check(len(rows) == count,
              "%s: %d rows, %d expected" % (table, len(rows), count))
        out[table] = rows
    return out


def render(tables):
    lines = []
    for table, _, _ in TABLES:
        lines.append("[%s]" % table)
        lines.extend(tables[table])
    return "\n".join(lines) + "\n"


def parse_file(text):
    """Read the generated file back: {table: [row, ...]} (1-based in use)."""
    tables = {}
    current = None
    for line in text.split("\n")[:-1]:
        m = re.match(r"^\[(.+)\]$", line)
        if m:
            current = m.group(1)
            check(current not in tables, "table %s twice" % current)
            tables[current] = []
        else:
            check(current is not None, "row before the first table line")
            tables[current].append(line)
    return tables


# ---------------------------------------------------------------- search

def like(text, pattern):
    """Wildcard match: ? one char, * any run, # a digit, [list] one of list."""
    regex = ""
    i = 0
    while i < len(pattern):
        c = pattern[i]
        if c == "?":
            regex += "."
        elif c == "*":
            regex += ".*"
        elif c == "#":
            regex += "[0-9]"
        elif c == "[":
            j = pattern.index("]", i)
            body = pattern[i + 1:j]
            if body.startswith("!"):
                body = "^" + body[1:]
            regex += "[" + body.replace("\\", "\\\\") + "]"
            i = j
        else:
            regex += re.escape(c)
        i += 1
    return re.fullmatch(regex, text, re.S) is not None


def reading_search(kana_rows, text, use_on):
    """All matches (kanji, grade, tooltip), in table order, uncapped."""
    found = []
    for row in kana_rows:
        fields = row.split(",")
        if len(fields) != 5:
            continue
        if fields[4].startswith("0"):
            continue
        reading = fields[2] if use_on else fields[3]
        other = fields[3] if use_on else fields[2]
        if like(reading[:3], text + "*"):
            found.append((fields[1], fields[0], other))
    return found


# ---------------------------------------------------------------- checks

def run_checks(text, readings, overrides):
    check(text.endswith("\n") and "\r" not in text, "line ends must be LF")
    check(not text.startswith("\ufeff"), "no byte order mark")
    tables = parse_file(text)
    check(list(tables) == [t for t, _, _ in TABLES], "table order")

    pairs = {}
    for table, count, _ in TABLES:
        rows = tables[table]
        check(len(rows) == count, "%s: %d rows" % (table, len(rows)))
        per_grade = [0] * 6
        seen = {}
        position = 0
        last_kanji_number = 0
        headers = {}
        for row in rows:
            position += 1
            if table == TRAILING_BLANK_TABLE:
                check(row.endswith(" ") and not row.endswith("  "),
                      "%s row %d must end with one blank" % (table, position))
                body = row[:-1]
            else:
                check(not row.endswith(" "), "%s row %d: blank" % (table, position))
                body = row
            fields = body.split(",")
            check(len(fields) == 5 and all(fields) and " " not in body,
                  "%s row %d: bad row %r" % (table, position, row))
            grade, char, on, kun, number = fields
            check(grade in "123456" and len(grade) == 1, "grade %r" % grade)
            per_grade[int(grade) - 1] += 1
            check(len(char) == 1, "one character per row: %r" % row)
            if number.startswith("0"):
                check(table == KANA_TABLE, "%s: header row %r" % (table, row))
                check(char in HEADER_KANA and on == char and kun == char,
                      "header row %r" % row)
                headers.setdefault(int(grade), []).append((char, number))
                continue
            check(number.isdigit(), "number %r" % number)
            if table == KANA_TABLE:
                check(int(number) == last_kanji_number + 1,
                      "kana order numbering at %r" % row)
                last_kanji_number = int(number)
            else:
                check(int(number) == position,
                      "%s row %d numbered %s" % (table, position, number))
            check(HIRAGANA_RE.match(on), "on reading not hiragana: %r" % row)
            check(KUN_RE.match(kun), "kun reading format: %r" % row)
            check(pairs.setdefault(char, (on, kun)) == (on, kun),
                  "%s has different readings in different tables" % char)
            seen[char] = seen.get(char, 0) + 1
        check(tuple(per_grade) == GRADE_COUNTS[table],
              "%s rows per grade %s, expected %s"
              % (table, per_grade, GRADE_COUNTS[table]))
        twice = {c for c, n in seen.items() if n > 1}
        check(twice == DUPLICATES.get(table, set()),
              "%s: kanji twice: %s" % (table, "".join(sorted(twice))))
        check(all(n <= 2 for n in seen.values()), "kanji three times")
        if table == KANA_TABLE:
            for g in range(1, 7):
                check([h for h, _ in headers.get(g, [])] == list(HEADER_KANA),
                      "grade %d headers %s" % (g, headers.get(g)))
                check([n for _, n in headers[g]]
                      == [FIRST_HEADER_NUMBER[g]] + ["0"] * 7,
                      "grade %d header numbers" % g)
        else:
            check(not headers, "%s has header rows" % table)

    # Grade sections: grade fields never decrease except for the marked
    # lower-grade rows standing in the grade 6 section.
    for table, _, _ in TABLES:
        section = 0
        for row in tables[table]:
            g = int(row.split(",")[0])
            if g >= section:
                section = g
            else:
                check(section == 6 and g == 5 and table in ("光村図書20", "教育出版20"),
                      "%s: grade %d row %r inside grade %d" % (table, g, row, section))

    # Kana order: each kanji's on reading starts in the row of its header.
    header = None
    misplaced = set()
    for row in tables[KANA_TABLE]:
        grade, char, on, kun, number = row.split(",")
        if number.startswith("0"):
            header = char
            continue
        if on[0] not in HEADER_ROWS[header]:
            misplaced.add(char)
            check(MISPLACED_IN_KANA_TABLE.get(char) == header,
                  "kana order: %s (%s) stands under %s" % (char, on, header))
    check(misplaced == set(MISPLACED_IN_KANA_TABLE),
          "listed as misplaced but fits its header: %s"
          % "".join(sorted(set(MISPLACED_IN_KANA_TABLE) - misplaced)))

    # Fixed readings.
    check(pairs["学"] == ("がく", "まな（ぶ）"), "学: %s/%s" % pairs["学"])
    check(pairs["円"] == ("えん", "えん"), "円: %s/%s" % pairs["円"])
    koumura = tables["光村図書20"]
    check(koumura[0] == "1,木,ぼく,き,1", "光村図書20 row 1: %r" % koumura[0])
    kyoiku = tables["教育出版20"]
    idx = [r.split(",")[1] for r in kyoiku].index("己")
    check(kyoiku[idx + 1].split(",")[:2] == ["5", "退"], "教育出版20: 退 after 己")
    kana = tables[KANA_TABLE]
    check(kana[0] == "1,あ,あ,あ,00001", "kana order row 1: %r" % kana[0])
    check(sum(1 for r in kana if r.startswith("1,")) == 88, "kana grade 1 rows")
    # The running kanji number: 円 is the 4th and 学 the 11th kanji.
    check(kana[4] == "1,円,えん,えん,4", "kana order row 5: %r" % kana[4])
    check(kana[12] == "1,学,がく,まな（ぶ）,11", "kana order row 13: %r" % kana[12])

    # Every kanji of every table has the reading pair the generator chose,
    # and every override was applied.
    for char, pair in pairs.items():
        check(readings[char] == pair, "%s: readings changed" % char)
    for char, (on, kun, _) in overrides.items():
        check(pairs.get(char) == (on, kun), "override %s not applied" % char)

    # Reading search (kana-order table, first three characters, wildcard).
    gaku = reading_search(kana, "がく", True)
    check(("学", "1", "まな（ぶ）") in gaku, "search 音 がく: %s" % gaku)
    check(all(p[:2] == "がく" for p in (pairs[k][0] for k, _, _ in gaku)),
          "search 音 がく: wrong match")
    check(gaku[0] == ("学", "1", "まな（ぶ）"), "search 音 がく: 学 first")
    mana = reading_search(kana, "まな", False)
    check(("学", "1", "がく") in mana, "search 訓 まな: %s" % mana)
    shi = reading_search(kana, "し", True)
    check(len(shi) == 121, "search 音 し: %d matches, 121 expected" % len(shi))
    check(all(pairs[k][0].startswith("し") for k, _, _ in shi), "search 音 し")
    a = reading_search(kana, "あ", True)
    check(a and all(k not in HEADER_KANA for k, _, _ in a), "search 音 あ")
    check(reading_search(kana, "しょうが", True) == [], "four kana find nothing")
    kanji_rows = sum(1 for r in kana if not r.split(",")[4].startswith("0"))
    check(len(reading_search(kana, "", True)) == kanji_rows, "empty search")
    check(like("まな（", "まな*") and not like("マナ", "まな*")
          and like("がく", "が?") and like("a1", "a#") and like("か", "[かき]"),
          "wildcard matcher")
    return len(shi)


# ---------------------------------------------------------------- main

def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--kanjidic", default=DEFAULT_KANJIDIC,
                    help="KANJIDIC2 XML file, optionally gzipped "
                         "(default: %(default)s)")
    ap.add_argument("--out", default=DEFAULT_OUT, help="output file")
    args = ap.parse_args()

    wanted = set()
    for table, _, sections in TABLES:
        for _, _, text in sections:
            for char, _, is_header in parse_section(text, table):
                if not is_header:
                    wanted.add(char)
    if not os.path.exists(args.kanjidic):
        sys.exit("KANJIDIC2 not found at %s (apt-get install kanjidic-xml)"
                 % args.kanjidic)
    dic = load_kanjidic(args.kanjidic, wanted)
    missing = wanted - set(dic)
    check(not missing, "not in KANJIDIC2: %s" % "".join(sorted(missing)))

    overrides = load_overrides(OVERRIDES)
    unknown = set(overrides) - wanted
    check(not unknown, "overrides for kanji not in the tables: %s"
          % "".join(sorted(unknown)))
    readings = {}
    for char in wanted:
        auto = automatic_reading(*dic[char])
        if char in overrides:
            on, kun, _ = overrides[char]
            check(HIRAGANA_RE.match(on) and KUN_RE.match(kun),
                  "override %s: bad reading format" % char)
            check((on, kun) != auto,
                  "override %s repeats the dictionary reading %s/%s"
                  % ((char,) + auto))
            readings[char] = (on, kun)
        else:
            readings[char] = auto

    text = render(build_rows(readings))
    shi = run_checks(text, readings, overrides)
    with open(args.out, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    with open(args.out, encoding="utf-8", newline="") as f:
        check(f.read() == text, "output file differs from what was written")

    print("wrote %s" % os.path.relpath(args.out))
    for table, count, _ in TABLES:
        print("  [%s] %d rows, per grade %s"
              % (table, count, "/".join(map(str, GRADE_COUNTS[table]))))
    print("  %d kanji, %d reading overrides, %d kanji misplaced in the "
          "kana-order listing" % (len(readings), len(overrides),
                                  len(MISPLACED_IN_KANA_TABLE)))
    print("  search 音 し: %d matches; all checks passed" % shi)


if __name__ == "__main__":
    try:
        main()
    except CheckError as e:
        sys.exit("check failed: %s" % e)
