"""The reviewed core: English's closed-class words and a few of its most
frequent words, rendered by hand, as data.

No source decides these. EDICT glosses Japanese words, so its entries for
"at", "with" or "will" are Japanese nouns that merely share an English
gloss (遺言 "will"); FreeDict lists the particles (に, で, と) that a word-
by-word rendering cannot place after the noun. What is here is every
pronoun, determiner, preposition, conjunction, modal and auxiliary of
English that the built-in tables do not already render, the number and
order words, the commonest interjections and adverbs, the pronouns and
adverbs of older prose (thou, thee, whereby, thence), and the pieces the
built-in contraction rule leaves ("ca not" from "can't"), the forms of
"mean" and "need" (EDICT glosses them only as nouns, 意味 and 必要, so
no verb of its own gives their forms), and the most
frequent adjectives and adverbs by WordNet's counts whose EDICT reading
misleads ("late" is not 亡き, "poor" not 下手な). The adverbs and
the other open-class words are the most frequent ones of English by
WordNet's tagged counts (cntlist.rev) whose EDICT reading misleads: "well"
is not a water well, "still" not a distillery.

The style is the built-in one: a verb is a topic phrase with が ("will" as
だろう needs none), a preposition becomes the Japanese postposition or
phrase that carries its meaning, placed where the English word stands
("with" 一緒に, "from" から). Negation is written so that it cannot be
missed: "not" is ない and "no" 無い, never a kana that reads as a particle.

Keys with a space hold two words; the engine sees "'s " as " の ", so
"it の" is what "it's" looks like when the dictionaries run. The
auxiliaries and modals ("do not", "can", "will", "is not") are not here:
grammar.py reads them together with the verb after them; nor are "which",
"whom" and "whose", which idioms.py reads as relative pronouns or question
words by the word before them.
"""

# Two-word keys. They run before the single words they contain.
PHRASES = """
no one          誰も…ない
thank you       ありがとう
a lot           たくさん
to mean         意味すること
to need         必要とすること
so that         するために
even though     たとえ…でも
according to    によれば
rather than     よりむしろ
such as         例えば
because of      のために
instead of      の代わりに
according to    によれば
in front        の前に
out of          から外へ
it の           それは
that の         それは
what の         何が
who の          誰が
where の        どこに
here の         ここに
there の        そこにあるのは
he の           彼は
she の          彼女は
"""

WORDS = """
i               私
him             彼
she             彼女
its             その
we              私たち
us              私たち
them            彼ら
mine            私のもの
yours           あなたのもの
hers            彼女のもの
ours            私たちのもの
theirs          彼らのもの
myself          私自身
yourself        あなた自身
yourselves      あなたたち自身
himself         彼自身
herself         彼女自身
itself          それ自体
ourselves       私たち自身
themselves      彼ら自身
oneself         自分自身
someone         誰か
somebody        誰か
anyone          誰でも
anybody         誰でも
everyone        皆
everybody       皆
nobody          誰も…ない
something       何か
anything        何でも
everything      すべて
nothing         何も…ない
none            一つも…ない
what            何
whoever         誰でも
whatever        何でも
whichever       どちらでも
those           それらの
all             すべての
each            それぞれの
both            両方の
either          どちらかの
neither         どちらも…ない
few             少数の
many            多くの
more            もっと
less            より少ない
least           最も少ない
several         いくつかの
such            そのような
other           他の
others          他のもの
another         別の
own             自身の
same            同じ
enough          十分な
little          少し
better          より良い
afraid          怖がって
past            過去の
no              無い
about           について
above           の上に
across          を横切って
after           の後で
against         に対して
along           に沿って
among           の間で
amongst         の間で
amid            の中で
around          の周りに
as              として
at              で
before          の前に
behind          の後ろに
below           の下に
beneath         の下に
beside          のそばに
besides         の他に
between         の間に
beyond          を越えて
by              によって
despite         にもかかわらず
down            下へ
during          の間
except          を除いて
for             のために
from            から
inside          の中に
into            の中へ
near            の近くに
off             離れて
on              の上に
onto            の上へ
out             外へ
outside         の外に
over            の上に
per             につき
since           以来
through         を通って
throughout      の至る所で
till            まで
toward          の方へ
towards         の方へ
under           の下に
underneath      の下に
until           まで
unto            に
up              上へ
upon            の上に
via             経由で
with            と一緒に
within          の中で
without         なしで
nor             も…ない
so              だから
yet             まだ
because         なぜなら
although        けれども
though          けれども
while           の間に
whilst          の間に
whereas         一方
unless          でない限り
when            時
whenever        いつでも
wherever        どこでも
whether         かどうか
than            より
lest            しないように
ought           べき
be
being
does
has             が持っているのは
not             ない
nowhere         どこにも…ない
also            また
just            ちょうど
only            だけ
even            でさえ
still           まだ
already         すでに
always          いつも
often           よく
sometimes       時々
ever            かつて
again           再び
soon            すぐに
here            ここ
therefore       したがって
thus            このように
hence           それゆえ
quite           かなり
rather          むしろ
almost          ほとんど
perhaps         たぶん
maybe           たぶん
probably        たぶん
indeed          確かに
really          本当に
well            よく
back            戻って
away            離れて
forth           前へ
together        一緒に
ago             前に
else            他に
instead         代わりに
otherwise       さもなければ
anyway          とにかく
too             あまりに
somewhat        いくぶん
somehow         どうにかして
somewhere       どこかで
anywhere        どこでも
sometime        いつか
someday         いつか
later           後で
first           最初の
last            最後の
next            次の
second          二番目の
third           三番目の
fourth          四番目の
fifth           五番目の
sixth           六番目の
seventh         七番目の
eighth          八番目の
ninth           九番目の
tenth           十番目の
one             一つ
ones            もの
twice           二度
yes             はい
oh              ああ
ah              ああ
alas            ああ
hi              やあ
hey             おい
ok              オーケー
okay            オーケー
thanks          ありがとう
goodbye         さようなら
sorry           すみません
means           が意味するのは
meant           が意味したのは
needs           が必要とするのは
needed          が必要としたのは
needing         が必要としているのは
lay             が横たわった
done            された
doing           がしているのは
able            できる
different       違う
whole           全体の
major           主要な
real            本当の
national        国家の
human           人間の
single          単一の
modern          現代の
common          普通の
ready           用意ができた
free            自由な
following       次の
total           全体の
poor            貧しい
late            遅い
recent          最近の
natural         自然な
average         平均の
successful      成功した
proper          適切な
southern        南の
direct          直接の
wrong           間違った
finally         ついに
certainly       確かに
nearly          ほとんど
completely      完全に
carefully       注意深く
obviously       明らかに
highly          非常に
alone           一人で
forward         前へ
generally       一般に
let             がさせるのは
lets            がさせるのは
letting         がさせているのは
lie             が横たわる
lying           が横たわっている
lain            横たわった
i'm             私は
i've            私は
you're          あなたは
you've          あなたは
we're           私たちは
we've           私たちは
they're         彼らは
they've         彼らは
that'll         それは
there'll        そこに
who'll          誰が
who'd           誰が
could've        できた
would've        だっただろう
should've       すべきだった
might've        だったかもしれない
must've         だったに違いない
o'clock         時
mr              氏
mrs             夫人
ms              女史
dr              博士
sir             殿
madam           奥様
afterward       その後
afterwards      その後
sake            ため
thou            あなた
thee            あなた
thy             あなたの
thine           あなたのもの
ye              あなたたち
hath            が持っているのは
doth
shalt           だろう
wilt            だろう
'tis            それは
'twas           それは
tis             それは
twas            それは
ere             前に
oft             しばしば
nay             いや
aye             はい
whence          どこから
thence          そこから
whither         どこへ
hither          ここへ
thither         そこへ
whereby         それによって
thereby         それによって
therein         その中に
thereof         その
thereto         それに
wherein         その中で
whereof         それについて
wherewith       それで
wherefore       なぜ
whereupon       そこで
therewith       それと共に
thereon         その上に
whereon         その上に
therefrom       そこから
"""

# The adjectives among WordNet's 400 most frequent whose rendering misled
# (亡い "dead", 積極 "positive", ナイスな "nice") or was spelt out
# ("northern"), but for the words of the held-out lists.
ADJECTIVES = """
dead            死んだ
religious       宗教的な
aware           気づいている
vocational      職業の
federal         連邦の
western         西の
brown           茶色の
upper           上の
primary         主要な
positive        肯定的な
popular         人気のある
industrial      工業の
northern        北の
suburban        郊外の
communist       共産主義の
angry           怒った
alive           生きている
residential     住宅の
nuclear         核の
competitive     競争の
dry             乾いた
independent     独立した
foreign         外国の
eager           熱心な
careful         注意深い
organic         有機の
fair            公平な
nice            素敵な
cool            涼しい
full            いっぱいの
normal          普通の
ordinary        普通の
yellow          黄色い
minimum         最低の
maximum         最大の
extreme         極端な
safe            安全な
unable          できない
identical       同一の
"""

# Words the tuning texts (corpora.py) meet most whose rendering misled
# ("born" 耐えられた, as the participle of "bear"; "sick" シックな; "interested"
# が視聴したのは) or was spelt out, but for the held-out lists' words.
TEXT_WORDS = """
born            生まれた
programming     プログラミング
interested      興味のある
false           誤った
based           基づいた
divine          神聖な
pleased         喜んだ
ignorant        無知な
seconds         秒
lesser          より少ない
beware          用心せよ
alike           同様に
sooner          より早く
amazing         驚くべき
sick            病気の
tired           疲れた
dumb            ばかな
naked           裸の
visible         見える
humans          人間
folks           人々
favorite        お気に入りの
corporate       企業の
royal           王室の
compatible      互換性のある
skeptical       懐疑的な
bizarre         奇妙な
bits            ビット
cans            缶
testing         テスト
willing         進んで
debugging       デバッグ
spake           が話した
etc             など
"""

# The adverbs among WordNet's 300 most frequent (cntlist.rev) whose
# rendering misled or was spelt out, but for the words of the held-out
# lists: "hardly" was 難しく, "apart" びりびりな, "moreover" spelt out.
# Negative ones are written like "never", so that they cannot be missed.
ADVERBS = """
moreover        さらに
nevertheless    それにもかかわらず
apart           離れて
essentially     本質的に
hardly          ほとんど…ない
scarcely        ほとんど…ない
seldom          めったに…ない
straight        まっすぐ
forever         永遠に
truly           本当に
briefly         簡潔に
surely          確かに
wildly          激しく
anyhow          とにかく
specifically    具体的に
regardless      構わず
aloud           声に出して
anymore         もはや
likewise        同様に
thoughtfully    考え深げに
commonly        一般に
necessarily     必ずしも
initially       初めは
solely          単に
differently     違って
freely          自由に
totally         全く
utterly         全く
dramatically    劇的に
successfully    うまく
slightly        わずかに
fully           十分に
firmly          しっかり
respectively    それぞれ
readily         容易に
reasonably      かなり
continuously    絶えず
basically       基本的に
literally       文字通り
excitedly       興奮して
hastily         急いで
publicly        公然と
openly          公然と
accordingly     それに応じて
daily           毎日
lightly         軽く
shortly         まもなく
promptly        即座に
remarkably      著しく
evidently       明らかに
automatically   自動的に
extremely       非常に
virtually       事実上
precisely       正確に
barely          かろうじて
wholly          完全に
consistently    一貫して
comfortably     快適に
anxiously       心配そうに
"""


def parse(text):
    """(key, value) pairs from a table: the key, then two or more spaces,
    then the value; a key alone has an empty value, which deletes the
    word."""
    rules = []
    for line in text.strip("\n").split("\n"):
        key, _, value = line.partition("  ")
        rules.append((key, value.strip(" ")))
    return rules


CORE_PHRASES = parse(PHRASES)
CORE_WORDS = parse(WORDS) + parse(ADJECTIVES) + parse(TEXT_WORDS) \
    + parse(ADVERBS)


# The 700 most frequent nouns of English by WordNet's tagged counts were
# reviewed against what learners' English-Japanese dictionaries give first
# (all but 160 of ranks 251 to 490, kept apart unseen to judge the
# generator by: tests/dictionaries/heldout/nouns.tsv), and so were the
# most frequent nouns of Jane Austen's novels (Debian's
# r-cran-janeaustenr, as bench/make_inputs.sh writes them) beyond those;
# where the sources chose otherwise (EDICT's 人民 for "people", where both
# sources give 人々 too but neither first), the word is given here. Each
# is one of EDICT's candidates for the key; the generator checks that.
# "love" and "disk" are here too, though less frequent: the phrase table
# takes "love" only in "fell in love with", and EDICT's 恋愛 is romance,
# not love; a computer's disk is ディスク, not 円盤 (a discus).
NOUNS = """
group           グループ
way             方法
people          人々
form            形
face            顔
area            地域
child           子供
number          数
side            側
field           野原
soldier         兵士
girl            女の子
program         プログラム
interest        興味
door            ドア
change          変化
country         国
spirit          精神
power           力
difference      違い
reason          理由
week            週
ground          地面
earth           大地
money           お金
center          中心
table           テーブル
town            町
view            眺め
range           範囲
attention       注意
land            陸
trouble         困難
size            大きさ
manner          方法
scene           場面
letter          手紙
performance     上演
source          源
example         例
event           出来事
tone            調子
army            軍
kind            種類
love            愛
system          システム
disk            ディスク
share           分け前
demand          要求
judgment        判断
glass           ガラス
branch          枝
communism       共産主義
relief          安心
operator        オペレーター
block           ブロック
gas             ガス
sign            記号
fool            ばか
crowd           群衆
row             列
instrument      道具
department      部
square          正方形
drink           飲み物
fluid           流体
task            課題
hill            丘
apartment       アパート
dinner          夕食
drug            薬
club            クラブ
food            食べ物
bill            請求書
species         種
store           店
secretary       秘書
companion       連れ
illusion        幻想
comfort         慰め
attachment      愛着
advantage       利点
occasion        時
disposition     気質
favour          好意
inclination     傾向
indifference    不熱心
misery          哀れ
prospect        展望
folly           愚行
suspicion       疑い
leisure         暇
fault           欠点
motive          動機
contrary        反対
lord            主君
intercourse     交流
elegance        優美
consolation     慰め
politeness      礼儀正しさ
tenderness      慈しみ
certainty       確実性
gallantry       勇敢さ
vexation        悔しさ
opposite        反対
shepherd        羊飼い
cheerfulness    明るさ
eagerness       乗り気
delicacy        デリカシー
propriety       礼節
lady            婦人
mistress        女主人
"""

# A second review, of the nouns among WordNet's 2000 most frequent: the
# 160 of ranks 251 to 490 that the first review kept apart (the second
# and third held-out lists, drawn from outside the 700 most frequent, now
# judge the generator), and ranks 701 to 2000 but for the words of those
# two lists; and the nouns met most in the tuning texts (corpora.py)
# beyond those ranks, which WordNet's older texts rank low ("programmer",
# "keyboard"). Given here is the entry a learner's dictionary puts first,
# where the generator chose another sense (桁 for "column", 本 for
# "volume") or a loanword for a native word or the reverse (ダラー for
# "dollar", シェルター for "shelter"). Where EDICT has the word only in a
# longer gloss (駅 "railway station") it cannot be given.
MORE_NOUNS = """
space           空間
matter          事柄
doctor          医者
hair            髪
shelter         避難所
character       性格
importance      重要性
building        建物
series          シリーズ
volume          量
skill           技術
element         要素
column          列
energy          エネルギー
loss            損失
artist          芸術家
aspect          側面
noise           騒音
sight           光景
nation          国家
woods           林
depth           深さ
weight          重さ
evening         夕方
pair            一対
dollar          ドル
spot            地点
absence         不在
response        反応
fence           塀
percentage      割合
reading         読書
assistance      援助
belief          信念
circle          円
authority       権威
institution     機関
stomach         胃
type            種類
material        材料
statement       声明
basis           基礎
answer          答え
blood           血
lot             たくさん
humor           ユーモア
estimate        見積もり
baby            赤ちゃん
master          主人
concrete        コンクリート
dozen           ダース
flame           炎
presentation    プレゼンテーション
priest          司祭
avocado         アボカド
target          標的
horror          恐怖
crew            乗組員
observer        観察者
coach           コーチ
historian       歴史家
linguist        言語学者
middle          真ん中
mystery         謎
toe             つま先
pride           誇り
composition     構成
fun             面白さ
appreciation    鑑賞
assignment      割り当て
continuity      連続性
engine          エンジン
highway         高速道路
maximum         最大
medium          媒体
victim          犠牲者
wit             機知
builder         建築業者
childhood       子供時代
cluster         房
downtown        繁華街
emergency       緊急
medicine        薬
orchestra       オーケストラ
passion         情熱
suitcase        スーツケース
dealer          業者
banker          銀行家
mate            仲間
minister        大臣
organ           器官
uncertainty     不確実性
admiration      賞賛
attraction      魅力
clerk           事務員
dice            サイコロ
flexibility     柔軟性
illustration    挿絵
momentum        勢い
pupil           生徒
stride          歩幅
thigh           太もも
apprehension    不安
costume         衣装
heap            山
reception       受付
programmer      プログラマー
compiler        コンパイラ
keyboard        キーボード
penny           ペニー
premise         前提
instruction     指示
inspiration     インスピレーション
forgiveness     許し
moderation      節度
excellence      卓越
gateway         ゲートウェイ
assembler       アセンブラ
wizard          魔法使い
disguise        変装
judgement       判断
recipe          レシピ
multitude       群衆
sage            賢者
mainframe       メインフレーム
documentation   ドキュメンテーション
"""

# The 100 most frequent verbs, those ranked 231 to 330 (the ranks
# between are kept apart to judge the generator by), and later those
# ranked 331 to 1500 but for the held-out lists' words, reviewed the same
# way: the Japanese verb and its conjugation class where the sources chose
# another ("take" is 取る, not 撮る "to take a photograph"). Past rank 600
# the sources' choice is mostly a rare or learned sense ("bury" 葬る,
# "shave" 削る, "traverse" 渡す); a row is here only where EDICT has the
# verb a Japanese writer uses for the everyday sense, and the negated and
# modal keys (grammar.py) read it too. The four after "take" came from
# negated everyday sentences ("didn't bring" もたらさなかった, "doesn't
# wear glasses" 履いていない, "didn't agree" 一致しなかった, "won't admit
# it" 入れない), the three after them from a review of how WordNet's
# first 230 verbs read negated ("didn't reach" 達さなかった, "doesn't
# concern" 関さない, "didn't guess" 察さなかった); all ranked within those
# 230. The five after "mature", and "serve" (仕える), came from everyday
# sentences whose construction read right but whose verb did not ("trust"
# 信任, "thank" 謝す, "cry" 叫ぶ, "boil" 沸かす, "own" 飼う), all outside
# ranks 101 to 230 (the script that wrote them skipped that band); the
# senses an object decides ("play the piano", "take ten minutes", "hold a
# meeting") are context_senses.py's. The six after "own" came from a
# review of how WordNet's first 500 verbs but ranks 101 to 230 read
# ("charge" 課する, "estimate" 予算する, "step" 措置する, "dream" 夢想する,
# "issue" 刊行する, "complain" 訴える): a learned or misleading sense where
# EDICT has the everyday one.
VERBS = """
take            取る v5r
bring           持って来る vk
wear            身に着ける v1
agree           同意 vs
admit           認める v1
reach           届く v5k
concern         関係 vs
guess           推測 vs
seem            見える v1
look            見る v1
hold            持つ v5t
keep            保つ v5t
provide         与える v1
begin           始める v1
follow          従う v5u
play            遊ぶ v5b
consider        考える v1
serve           出す v5s
develop         育てる v1
pass            通る v5r
produce         作り出す v5s
understand      わかる v5r
offer           勧める v1
talk            話す v5s
grow            育つ v5t
leave           去る v5r
ask             尋ねる v1
live            住む v5m
indicate        示す v5s
remember        覚える v1
determine       決める v1
spend           費やす v5s
fight           戦う v5u
cross           横切る v5r
bother          煩わす v5s
conclude        結論を出す v5s
supply          供給 vs
fix             直す v5s
earn            稼ぐ v5g
grab            つかむ v5m
predict         予測 vs
pursue          追求 vs
justify         正当化 vs
resolve         解決 vs
elect           選出 vs
accuse          責める v1
imply           ほのめかす v5s
relieve         和らげる v1
exert           及ぼす v5s
bury            埋める v1
evaluate        評価 vs
utilize         利用 vs
formulate       策定 vs
disturb         邪魔 vs
isolate         隔離 vs
fulfill         果たす v5s
bow             お辞儀 vs
devise          考え出す v5s
assess          評価 vs
wink            ウインク vs
cherish         大切にする vs-i
deem            みなす v5s
exchange        交換 vs
guarantee       保証 vs
violate         違反 vs
block           塞ぐ v5g
broaden         広げる v1
clarify         明らかにする vs-i
ease            緩和 vs
equip           装備 vs
undergo         受ける v1
load            積む v5m
incur           招く v5k
sacrifice       捧げる v1
lessen          少なくなる v5r
amuse           楽しませる v1
excuse          許す v5s
deceive         騙す v5s
donate          寄付 vs
invade          侵略 vs
quarrel         喧嘩 vs
dwell           住む v5m
omit            省く v5k
tilt            傾ける v1
repay           返済 vs
shave           剃る v5r
subtract        引き算 vs
wander          さまよう v5u
roam            さまよう v5u
reconsider      考え直す v5s
signal          合図 vs
surrender       降伏 vs
unify           統一 vs
allocate        割り当てる v1
delegate        委任 vs
distort         歪める v1
generalize      一般化 vs
hunt            狩る v5r
overlap         重なる v5r
prick           刺す v5s
scare           脅かす v5s
scrutinize      精査 vs
sprinkle        撒く v5k
suppress        抑える v1
traverse        横切る v5r
aggravate       悪化 vs
contaminate     汚染 vs
differentiate   区別 vs
engulf          飲み込む v5m
perish          滅びる v1
sip             すする v5r
inhibit         抑制 vs
grumble         ぼやく v5k
mature          熟す v5s
trust           信頼 vs
thank           礼を言う v5u
cry             泣く v5k
boil            茹でる v1
own             持つ v5t
charge          請求 vs
estimate        見積もる v5r
step            踏み込む v5m
dream           夢見る v1
issue           発行 vs
complain        文句を言う v5u
"""

# Everyday verbs whose everyday Japanese EDICT glosses with another
# English word, so that no candidate of the verb reaches it: "afford" is
# 与える ("to provide", the sense of "afford an opportunity"), where "we
# can't afford a car" is what money can buy (買えない); "cost" has only
# する ("it costs ten dollars" 掛かる, "to take (time or money)"). A row
# names the headword alone: the conjugation class is EDICT's, and a
# headword that is no EDICT verb fails the generator. Every other row of
# VERBS must still be a candidate of its verb; this table stays short,
# each row read against everyday sentences of the verb (both outside
# WordNet's ranks 101 to 230, which the script that picked them skipped).
EVERYDAY_VERBS = dict(parse("""
afford          買う
cost            掛かる
"""))

# Verbs whose passive is another Japanese verb than the one they read as
# without an object: "return" is 帰る ("he returned home"), but "the books
# were not returned" were not given back (返されていなかった), not "had not
# gone home" (帰っていなかった); a meeting "is held" is 開催される, not
# held in the hand (持たれる).
CORE_PASSIVES = {"return": ("返す", "v5s"), "hold": ("開催", "vs")}

CORE_NOUNS = dict(parse(NOUNS) + parse(MORE_NOUNS))
CORE_VERBS = {english: tuple(reading.split()) for english, reading in
              parse(VERBS)}
