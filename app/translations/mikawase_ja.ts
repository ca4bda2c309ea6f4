<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>Add a word</source>
        <translation>語を加える</translation>
    </message>
    <message>
        <source>Change a word</source>
        <translation>語を直す</translation>
    </message>
    <message>
        <source>&amp;Dictionary:</source>
        <translation>辞書(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;English:</source>
        <translation>英語(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;Japanese:</source>
        <translation>訳(&amp;J):</translation>
    </message>
    <message>
        <source>With this word:</source>
        <translation>この語を加えると:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>My words</source>
        <translation>加えた語の一覧</translation>
    </message>
    <message>
        <source>&amp;Change…</source>
        <translation>直す(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>加える(&amp;A)…</translation>
    </message>
    <message>
        <source>You have added no words yet.</source>
        <translation>加えた語はまだありません。</translation>
    </message>
    <message>
        <source>These lines cannot be read:</source>
        <translation>次の行は読めません:</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>辞書</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>訳</translation>
    </message>
    <message>
        <source>File:line</source>
        <translation>ファイル:行</translation>
    </message>
    <message>
        <source>Dictionary check</source>
        <translation>辞書の点検</translation>
    </message>
    <message>
        <source>About ミカワセ</source>
        <translation>ミカワセについて</translation>
    </message>
    <message>
        <source>Renders English into rough Japanese, word by word.
Your own words go into the personal dictionaries (Dictionary menu).</source>
        <translation>英語を大まかな日本語に、一語ずつ置き換えます。
自分の語は「辞書」メニューから個人辞書に加えられます。</translation>
    </message>
    <message>
        <source>Open a text file</source>
        <translation>テキストファイルを開く</translation>
    </message>
    <message>
        <source>Save the result</source>
        <translation>訳を保存</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>テキストファイル (*.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text; it was not opened.</source>
        <translation>このファイルは UTF-8 のテキストではないため、開きませんでした。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>ファイルを読めませんでした。</translation>
    </message>
    <message>
        <source>The file cannot be written.</source>
        <translation>ファイルに書けませんでした。</translation>
    </message>
    <message>
        <source>My &amp;words…</source>
        <translation>加えた語の一覧(&amp;W)…</translation>
    </message>
    <message>
        <source>Yes opens My words; No opens the folder.</source>
        <translation>「はい」で加えた語の一覧を、「いいえ」でフォルダを開きます。</translation>
    </message>
    <message>
        <source>Open the &amp;folder</source>
        <translation>フォルダを開く(&amp;F)</translation>
    </message>
    <message>
        <source>Added to %1, line %2.</source>
        <translation>%1 の %2 行目に加えました。</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; from your words?</source>
        <translation>「%1」を加えた語から削除しますか？</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>The dictionary file or its folder does not exist.</source>
        <translation>辞書ファイル、またはそのフォルダがありません。</translation>
    </message>
    <message>
        <source>The dictionary file cannot be opened or read.</source>
        <translation>辞書ファイルを開けないか、読めません。</translation>
    </message>
    <message>
        <source>The line is shorter than 15 characters: every line needs its English padded with spaces to 15 (an empty line at the end of the file counts too).</source>
        <translation>行が15文字に足りません。どの行も、英語を空白で15文字まで埋める必要があります（ファイル末尾の空行も1行に数えます）。</translation>
    </message>
    <message>
        <source>The line holds bytes that are not Shift_JIS (CP932): retype the line in an editor set to Shift_JIS, or remove those bytes.</source>
        <translation>行に Shift_JIS (CP932) ではないバイトがあります。Shift_JIS に設定したエディタで行を打ち直すか、そのバイトを取り除いてください。</translation>
    </message>
    <message>
        <source>The line holds a NUL byte: was the file saved as UTF-16? Save it as Shift_JIS (CP932).</source>
        <translation>行に NUL バイトがあります。ファイルを UTF-16 で保存していませんか。Shift_JIS (CP932) で保存し直してください。</translation>
    </message>
    <message>
        <source>The file or this line was saved as UTF-8, not Shift_JIS: convert it to Shift_JIS (CP932), for instance with iconv -f UTF-8 -t CP932.</source>
        <translation>ファイルまたはこの行が、Shift_JIS ではなく UTF-8 で保存されています。Shift_JIS (CP932) に変換してください（たとえば iconv -f UTF-8 -t CP932 で）。</translation>
    </message>
    <message>
        <source>The file was saved as UTF-16, not Shift_JIS: save it as Shift_JIS (CP932).</source>
        <translation>ファイルが Shift_JIS ではなく UTF-16 で保存されています。Shift_JIS (CP932) で保存し直してください。</translation>
    </message>
    <message>
        <source>The text grew past its limit: a dictionary line probably matches text that it or a line before it wrote.</source>
        <translation>文が上限を超えて長くなりました。辞書の行が、その行か前の行の書いた文字列に当たっているのでしょう。</translation>
    </message>
    <message>
        <source>The text is not valid UTF-8.</source>
        <translation>入力した文が正しい UTF-8 ではありません。</translation>
    </message>
    <message>
        <source>The system could not do what the translation needs.</source>
        <translation>訳すのに必要な処理を、システムが行えませんでした。</translation>
    </message>
    <message>
        <source>The dictionaries are too large to compile: split them, or leave out what is not needed.</source>
        <translation>辞書が大きすぎて組み立てられません。分けるか、要らない行を除いてください。</translation>
    </message>
    <message>
        <source>There is not enough memory to translate this text.</source>
        <translation>この文を訳すにはメモリが足りません。</translation>
    </message>
    <message>
        <source>The translation stopped.</source>
        <translation>訳せませんでした。</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>ファイル: %1</translation>
    </message>
    <message>
        <source>Line: %1</source>
        <translation>行: %1</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>問題: %1</translation>
    </message>
    <message>
        <source>This is a dictionary of your own words: mend the line, or take the word out in Dictionary &gt; My words (or with mikawase-cli --remove).</source>
        <translation>これはあなたが加えた語の辞書です。この行を直すか、「辞書」の「加えた語の一覧」（または mikawase-cli --remove）でその語を取り除いてください。</translation>
    </message>
    <message>
        <source>Your text has been kept. The dictionaries are read again at every press of &quot;英和&quot;, so once the problem is put right, press it again.</source>
        <translation>入力した文はそのまま残っています。辞書は「英和」を押すたびに読み直されるので、問題を直したら、もう一度押してください。</translation>
    </message>
    <message>
        <source>The translation failed.</source>
        <translation>訳すときに問題が起きました。</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Translate (Ctrl+Enter)</source>
        <translation>英和に訳す (Ctrl+Enter)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Open…</source>
        <translation>開く(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Save the result…</source>
        <translation>訳を保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Copy the result</source>
        <translation>訳をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Add a word…</source>
        <translation>語を加える(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;My words…</source>
        <translation>加えた語の一覧(&amp;M)…</translation>
    </message>
    <message>
        <source>Open my dictionary &amp;folder</source>
        <translation>個人辞書のフォルダを開く(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Check the dictionaries…</source>
        <translation>辞書を調べる(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Join the lines of a paragraph</source>
        <translation>段落の改行をつなげる(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;About ミカワセ…</source>
        <translation>ミカワセについて(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>辞書(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>設定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
</context>
<context>
    <name>PersonalWords</name>
    <message>
        <source>Noun</source>
        <translation>名詞</translation>
    </message>
    <message>
        <source>Other word</source>
        <translation>その他の語</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>綴り</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>There is a problem: %1</source>
        <translation>問題があります: %1</translation>
    </message>
    <message>
        <source>error</source>
        <translation>誤り</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>checked %1 dictionary files: %2 errors, %3 warnings</source>
        <translation>%1 個の辞書ファイルを調べました。誤り %2 件、注意 %3 件。</translation>
    </message>
    <message>
        <source>cannot tell where your personal dictionaries go: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>個人辞書のフォルダの場所がわかりません（HOME も XDG_DATA_HOME もありません）。</translation>
    </message>
    <message>
        <source>A tab or a line break in the English or the Japanese would break the dictionary&apos;s line apart.</source>
        <translation>英語や訳にタブや改行があると、辞書の行が壊れてしまいます。</translation>
    </message>
    <message>
        <source>The English is blank.</source>
        <translation>英語が空です。</translation>
    </message>
    <message>
        <source>The Japanese is empty: the word would vanish from every text. To take out a word you added, remove it in My words.</source>
        <translation>訳が空です。このままでは、その語がすべての文から消えてしまいます。加えた語を取り除くには、加えた語の一覧で削除してください。</translation>
    </message>
    <message>
        <source>The English starts with a space, so it matches no word: take the space out.</source>
        <translation>英語が空白で始まっているため、どの語にも当たりません。空白を除いてください。</translation>
    </message>
    <message>
        <source>The English is too long: 15 characters at most.</source>
        <translation>英語が長すぎます。15文字までです。</translation>
    </message>
    <message>
        <source>The English has capital letters. The text is all lowercase when this dictionary applies: write it in lowercase.</source>
        <translation>英語に大文字があります。この辞書が使われるときには文はすべて小文字なので、小文字で書いてください。</translation>
    </message>
    <message>
        <source>The Japanese has a character that Shift_JIS (CP932) cannot write.</source>
        <translation>訳に、Shift_JIS (CP932) で書けない文字があります。</translation>
    </message>
    <message>
        <source>This dictionary file has errors already, so it was left untouched: mend them first (Check the dictionaries lists them).</source>
        <translation>この辞書ファイルにはすでに誤りがあるため、手を付けずにおきました。先に直してください（「辞書を調べる」で一覧できます）。</translation>
    </message>
    <message>
        <source>That word is not among your words.</source>
        <translation>その語は、加えた語にありません。</translation>
    </message>
    <message>
        <source>An earlier line takes the same English first, so this line never acts.</source>
        <translation>前の行が同じ英語を先に取るため、この行は働きません。</translation>
    </message>
    <message>
        <source>An earlier line takes this word first as its plural, so this line never acts.</source>
        <translation>前の行がこの語を複数形として先に取るため、この行は働きません。</translation>
    </message>
    <message>
        <source>A built-in rule takes that text first, so this line never acts.</source>
        <translation>組み込みの規則が先にその文字列を取るため、この行は働きません。</translation>
    </message>
    <message>
        <source>The Japanese has lowercase Latin letters, which the spelling rules turn into katakana: write them in capitals or full width.</source>
        <translation>訳に小文字のローマ字があり、綴りの規則でカタカナに書き換えられます。大文字か全角で書いてください。</translation>
    </message>
    <message>
        <source>The folder of your dictionaries cannot be made.</source>
        <translation>個人辞書のフォルダを作れませんでした。</translation>
    </message>
</context>
</TS>
