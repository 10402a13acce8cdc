<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>oralis::CloseUpButton</name>
    <message>
        <source>口元</source>
        <translation>口元</translation>
    </message>
    <message>
        <source>Fit the mouth into the picture; press again for the view before</source>
        <translation>口元を画面いっぱいに表示します。もう一度押すと元の表示に戻ります</translation>
    </message>
</context>
<context>
    <name>oralis::CommandLine</name>
    <message>
        <source>Usage: oralis [--reading TEXT... | --check-list FILE | --help | --version]
</source>
        <translation>使い方: oralis [--reading 文字列... | --check-list ファイル | --help | --version]
</translation>
    </message>
    <message>
        <source>
Without options, opens the lip-reading trainer&apos;s window.

  --reading TEXT...   for each text: the text, its reading as the word box
                      reads it and the signs it plays, tab-separated; a text
                      that cannot be read gets its reason instead
  --check-list FILE   lists each line of a word list whose reading cannot be
                      played or is not the spoken reading of its text: line
                      number, line, and the line as it should be
  --help              shows this help
  --version           shows the version

Exit status: 0 when all is well, 1 when a text cannot be read or the list
has faults, 2 when the command line is wrong or the list cannot be read.
</source>
        <translation>
オプションなしで起動すると、読話練習のウィンドウを開きます。

  --reading 文字列...  文字列ごとに、文字列・単語欄と同じ読み方での読み・
                       再生する口形を、タブ区切りで表示します。
                       読めない文字列には、その理由を表示します。
  --check-list ファイル 単語リストのうち、読みが再生できない行や、
                       話すときの読みと違う行を表示します
                       (行番号・行・直した行)。
  --help               このヘルプを表示します。
  --version            バージョンを表示します。

終了ステータス: 問題がなければ 0、読めない文字列やリストの誤りが
あれば 1、コマンドラインの誤りやリストが読めないときは 2。
</translation>
    </message>
    <message>
        <source>no kana reading</source>
        <translation>かなの読みがありません</translation>
    </message>
    <message>
        <source>the texts joined by ・ read differently: %1</source>
        <translation>・でつないだ語の読みが異なります: %1</translation>
    </message>
    <message>
        <source>%1 cannot be checked: %2</source>
        <translation>%1 を確認できません: %2</translation>
    </message>
    <message>
        <source>%1: %2 words, %3 lines to mend</source>
        <translation>%1: %2 語、直す行は %3 行</translation>
    </message>
    <message>
        <source>%1: wrong number of arguments</source>
        <translation>%1: 引数の数が違います</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>the list ends at this empty line: the %1 lines after it are never read</source>
        <translation>この空行でリストが終わります。後の %1 行は読まれません</translation>
    </message>
    <message>
        <source>no reading or no text: the quiz skips this line</source>
        <translation>読みか文字がありません。練習ではこの行を飛ばします</translation>
    </message>
    <message>
        <source>more than %1 words: the quiz reads no further</source>
        <translation>%1 語を超えました。練習ではここから先を読みません</translation>
    </message>
</context>
<context>
    <name>oralis::EditFrm</name>
    <message>
        <source>Edit Form</source>
        <translation>口形の編集</translation>
    </message>
    <message>
        <source>Velocity rate</source>
        <translation>速さの比率</translation>
    </message>
    <message>
        <source>Sign Index</source>
        <translation>口形の番号</translation>
    </message>
    <message>
        <source>Frame No</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation>フレーム追加</translation>
    </message>
    <message>
        <source>Disp</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>読込</translation>
    </message>
    <message>
        <source>Delete Frame</source>
        <translation>フレーム削除</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Copy From</source>
        <translation>コピー元</translation>
    </message>
    <message>
        <source>Add Char</source>
        <translation>口形追加</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Initial Pattern</source>
        <translation>口形データ</translation>
    </message>
</context>
<context>
    <name>oralis::Editor</name>
    <message>
        <source>Changes will be discarded</source>
        <translation>変更は破棄されます</translation>
    </message>
    <message>
        <source>Data updated</source>
        <translation>データを更新しました</translation>
    </message>
    <message>
        <source>The table was not saved</source>
        <translation>口形表は保存されませんでした</translation>
    </message>
    <message>
        <source>Not a number in %1</source>
        <translation>%1 が数値ではありません</translation>
    </message>
    <message>
        <source>Enter a frame number</source>
        <translation>フレーム番号を入力してください</translation>
    </message>
    <message>
        <source>Frame number must be 1 or more</source>
        <translation>フレーム番号は 1 以上にしてください</translation>
    </message>
    <message>
        <source>Frame Number must be 1 or more</source>
        <translation>フレーム番号は 1 以上にしてください</translation>
    </message>
    <message>
        <source>This sign has no frame</source>
        <translation>この口形にはフレームがありません</translation>
    </message>
    <message>
        <source>Frame number exceeds</source>
        <translation>フレーム番号が大きすぎます</translation>
    </message>
    <message>
        <source>Frame Number exceeds</source>
        <translation>フレーム番号が大きすぎます</translation>
    </message>
    <message>
        <source>This sign has no frame: use Add Frame</source>
        <translation>この口形にはフレームがありません。「フレーム追加」で追加してください</translation>
    </message>
    <message>
        <source>Cannot delete!</source>
        <translation>削除できません</translation>
    </message>
    <message>
        <source>Channel number exceeds</source>
        <translation>口形の番号が大きすぎます</translation>
    </message>
    <message>
        <source>Sign %1 is not in the table: choose a sign from the list</source>
        <translation>口形 %1 は口形表にありません。一覧から選んでください</translation>
    </message>
    <message>
        <source>Cannot add: a sign holds at most %1 frames</source>
        <translation>追加できません。1 つの口形のフレームは %1 までです</translation>
    </message>
    <message>
        <source>Cannot add: the table holds at most %1 signs</source>
        <translation>追加できません。口形表の口形は %1 までです</translation>
    </message>
</context>
<context>
    <name>oralis::FileChoice</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Type a file name</source>
        <translation>ファイル名を入力してください</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 はすでにあります。置き換えますか？</translation>
    </message>
</context>
<context>
    <name>oralis::FileProgress</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Loading %1</source>
        <translation>%1 を読み込んでいます</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>%1 を保存しています</translation>
    </message>
    <message>
        <source>Loading %1 was cancelled; nothing has changed.</source>
        <translation>%1 の読み込みを取り消しました。何も変わっていません。</translation>
    </message>
    <message>
        <source>Cannot load %1
%2</source>
        <translation>%1 を読み込めません
%2</translation>
    </message>
</context>
<context>
    <name>oralis::History</name>
    <message>
        <source>date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>list</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>word</source>
        <translation>単語</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>読み</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>解答</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>replays</source>
        <translation>再生回数</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>File: %1
%2</source>
        <translation>ファイル: %1
%2</translation>
    </message>
    <message>
        <source>%1 read as %2: %3 time</source>
        <translation>%1 を %2 と読んだ: %3 回</translation>
    </message>
    <message>
        <source>%1 read as %2: %3 times</source>
        <translation>%1 を %2 と読んだ: %3 回</translation>
    </message>
    <message>
        <source>A learner needs a name.</source>
        <translation>学習者の名前を入れてください。</translation>
    </message>
    <message>
        <source>A learner&apos;s name has at most %1 characters.</source>
        <translation>学習者の名前は %1 文字までです。</translation>
    </message>
    <message>
        <source>A learner&apos;s name is one line.</source>
        <translation>学習者の名前は 1 行で入れてください。</translation>
    </message>
    <message>
        <source>The history did not answer in time; what is shown may be incomplete.</source>
        <translation>履歴の応答が間に合いませんでした。表示が一部欠けているかもしれません。</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>正解</translation>
    </message>
    <message>
        <source>looks the same</source>
        <translation>同じ口の形</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>不正解</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>わからない</translation>
    </message>
    <message>
        <source>learner</source>
        <translation>学習者</translation>
    </message>
    <message>
        <source>Server: %1
%2</source>
        <translation>サーバー: %1
%2</translation>
    </message>
    <message>
        <source>Drivers found: %1</source>
        <translation>見つかったドライバー: %1</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (package libqt6sql6-psql). Answers are kept on this computer.</source>
        <translation>Qt の PostgreSQL ドライバーがインストールされていません (パッケージ libqt6sql6-psql)。解答はこのコンピューターに記録します。</translation>
    </message>
    <message>
        <source>History is off: Qt&apos;s SQLite driver is not installed.</source>
        <translation>履歴は記録されません。Qt の SQLite ドライバーがインストールされていません。</translation>
    </message>
    <message>
        <source>The history server holds the history of a newer version of Oralis. Answers are kept on this computer.</source>
        <translation>履歴サーバーには新しい版の Oralis の履歴があります。解答はこのコンピューターに記録します。</translation>
    </message>
    <message>
        <source>Its version is %1; this version of Oralis knows up to %2.</source>
        <translation>履歴の版は %1 です。この Oralis が扱えるのは %2 までです。</translation>
    </message>
    <message>
        <source>History is off: the history was written by a newer version of Oralis and is left as it is.</source>
        <translation>履歴は記録されません。新しい版の Oralis で書かれた履歴なので、そのままにしてあります。</translation>
    </message>
    <message>
        <source>History is off: the history is damaged and could not be moved aside.</source>
        <translation>履歴は記録されません。履歴が壊れていて、別の場所に移せませんでした。</translation>
    </message>
    <message>
        <source>History is off: the history was damaged. It is kept as %1, and a new history begins with the next session.</source>
        <translation>履歴が壊れていました。%1 として残し、次の練習から新しい履歴を始めます。</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>学習者</translation>
    </message>
    <message>
        <source>The history&apos;s setting cannot be used: %1. History is kept in this computer&apos;s file meanwhile.</source>
        <translation>履歴の設定が使えません: %1。それまで履歴はこのコンピューターのファイルに記録します。</translation>
    </message>
    <message>
        <source>History is off: its folder could not be made.</source>
        <translation>履歴は記録されません。履歴のフォルダーを作れませんでした。</translation>
    </message>
    <message>
        <source>The answers kept on this computer are stored in the history now.</source>
        <translation>このコンピューターに記録していた解答を履歴に保存しました。</translation>
    </message>
    <message>
        <source>The answers that were waiting are stored now.</source>
        <translation>保存を待っていた解答を保存しました。</translation>
    </message>
    <message>
        <source>Answers are waiting to be stored: another program is using the history. They are stored as soon as it is free.</source>
        <translation>別のプログラムが履歴を使っているため、解答の保存を待っています。空きしだい保存します。</translation>
    </message>
    <message>
        <source>The answers could not be saved: the history could not be read.</source>
        <translation>解答を保存できませんでした。履歴を読めませんでした。</translation>
    </message>
    <message>
        <source>The answers could not be saved in %1.</source>
        <translation>解答を %1 に保存できませんでした。</translation>
    </message>
    <message>
        <source>The answers of the class are saved in %1 (%2 in all).</source>
        <translation>クラスの解答を %1 に保存しました (全 %2 件)。</translation>
    </message>
    <message>
        <source>The answers of %1 are saved in %2 (%3 in all).</source>
        <translation>%1 さんの解答を %2 に保存しました (全 %3 件)。</translation>
    </message>
    <message>
        <source>History is off.</source>
        <translation>履歴は記録されていません。</translation>
    </message>
    <message>
        <source>The history could not be read.</source>
        <translation>履歴を読めませんでした。</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>練習回数</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>最後の練習</translation>
    </message>
    <message>
        <source>Score trend</source>
        <translation>成績の変化</translation>
    </message>
    <message>
        <source>Weakest shapes</source>
        <translation>苦手な口形</translation>
    </message>
    <message>
        <source>Most frequent confusions</source>
        <translation>よくある読み違い</translation>
    </message>
    <message>
        <source>%1 %2 %</source>
        <translation>%1 %2 %</translation>
    </message>
    <message>
        <source>%1 as %2 (%3)</source>
        <translation>%1→%2 (%3 回)</translation>
    </message>
    <message>
        <source>never</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>the address %1 cannot be read; name a service or write keyword=value pairs</source>
        <translation>アドレス %1 を読めません。サービス名か「キーワード=値」の形で書いてください</translation>
    </message>
    <message>
        <source>the connection string %1 cannot be read</source>
        <translation>接続文字列 %1 を読めません</translation>
    </message>
    <message>
        <source>%1 is neither a service name nor a connection string</source>
        <translation>%1 はサービス名でも接続文字列でもありません</translation>
    </message>
    <message>
        <source>it holds a password; keep passwords in libpq&apos;s password file (~/.pgpass) or service file</source>
        <translation>パスワードが含まれています。パスワードは libpq のパスワードファイル (~/.pgpass) かサービスファイルに書いてください</translation>
    </message>
</context>
<context>
    <name>oralis::LipTableFile</name>
    <message>
        <source>(empty)</source>
        <translation>(空)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>the name of sign %1 mixes a double quote with a comma, a line break or leading blanks</source>
        <translation>口形 %1 の名前に、二重引用符とコンマ・改行・先頭の空白が混ざっています</translation>
    </message>
    <message>
        <source>frame %1 of sign %2 holds a value that is not a number</source>
        <translation>口形 %2 のフレーム %1 に数値でない値があります</translation>
    </message>
    <message>
        <source>the file is in UTF-16; tables are read in UTF-8 or Shift-JIS</source>
        <translation>ファイルが UTF-16 です。口形表は UTF-8 か Shift-JIS で読みます</translation>
    </message>
    <message>
        <source>the file ends inside a sign&apos;s header</source>
        <translation>口形の見出しの途中でファイルが終わっています</translation>
    </message>
    <message>
        <source>sign number %1 (must be 0 to %2)</source>
        <translation>口形の番号 %1 (0 から %2 まで)</translation>
    </message>
    <message>
        <source>frame count %1 of sign %2 (must be 1 to %3)</source>
        <translation>口形 %2 のフレーム数 %1 (1 から %3 まで)</translation>
    </message>
    <message>
        <source>sign %1 comes twice (first on line %2)</source>
        <translation>口形 %1 が 2 回あります (最初は %2 行目)</translation>
    </message>
    <message>
        <source>the file ends inside frame %1 of sign %2 (%3 frames announced)</source>
        <translation>口形 %2 のフレーム %1 の途中でファイルが終わっています (フレーム数 %3)</translation>
    </message>
    <message>
        <source>value %1 in field %2 of frame %3 of sign %4 is out of range</source>
        <translation>口形 %4 のフレーム %3、欄 %2 の値 %1 が範囲外です</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> ほか %1 個</translation>
    </message>
    <message>
        <source>Saved as UTF-8: Shift-JIS cannot hold the name of sign %1</source>
        <translation>UTF-8 で保存しました。口形 %1 の名前は Shift-JIS で書けません</translation>
    </message>
    <message>
        <source>Saved as UTF-8: Shift-JIS cannot hold the names of signs %1</source>
        <translation>UTF-8 で保存しました。口形 %1 の名前は Shift-JIS で書けません</translation>
    </message>
    <message>
        <source>the table would be larger than 1 GiB, more than can be read back</source>
        <translation>口形表が 1 GiB を超え、読み戻せなくなります</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 を保存できません: %2</translation>
    </message>
</context>
<context>
    <name>oralis::Messages</name>
    <message>
        <source>Confirmation</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Changes will be discarded</source>
        <translation>変更は破棄されます</translation>
    </message>
</context>
<context>
    <name>oralis::MouthShape</name>
    <message>
        <source>休み</source>
        <translation>休み</translation>
    </message>
    <message>
        <source>あ</source>
        <translation>あ</translation>
    </message>
    <message>
        <source>い</source>
        <translation>い</translation>
    </message>
    <message>
        <source>う</source>
        <translation>う</translation>
    </message>
    <message>
        <source>え</source>
        <translation>え</translation>
    </message>
    <message>
        <source>お</source>
        <translation>お</translation>
    </message>
    <message>
        <source>閉じた口</source>
        <translation>閉じた口</translation>
    </message>
    <message>
        <source>促音</source>
        <translation>促音</translation>
    </message>
    <message>
        <source>撥音</source>
        <translation>撥音</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a syllable and its mouth shape</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>oralis::Obtain_FilePath2</name>
    <message>
        <source>File_Load</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>FileName :</source>
        <translation>ファイル名:</translation>
    </message>
    <message>
        <source>Percobaan</source>
        <comment>the name a file is saved under unless the user types another</comment>
        <translation>新しいファイル</translation>
    </message>
    <message>
        <source>Files of type :</source>
        <translation>ファイルの種類:</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Form2</source>
        <comment>the title while choosing a file to open</comment>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Form2</source>
        <comment>the title while choosing a name to save under</comment>
        <translation>ファイルを保存</translation>
    </message>
    <message>
        <source>File Load</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>ファイルを保存</translation>
    </message>
    <message>
        <source>%1  (home)</source>
        <translation>%1  (ホーム)</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 を読めません</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>oralis::Playback</name>
    <message>
        <source>The renderer library %1 has no function %2</source>
        <translation>描画ライブラリ %1 に関数 %2 がありません</translation>
    </message>
    <message>
        <source>Cannot load the renderer library libLip.so:
%1</source>
        <translation>描画ライブラリ libLip.so を読み込めません:
%1</translation>
    </message>
    <message>
        <source>Speed must be a number above 0</source>
        <translation>速度は 0 より大きい数にしてください</translation>
    </message>
    <message>
        <source>Speed is too low (use 0.13 or more)</source>
        <translation>速度が小さすぎます (0.13 以上にしてください)</translation>
    </message>
    <message>
        <source>The rest sign 0 has no frame</source>
        <translation>休みの口形 0 にフレームがありません</translation>
    </message>
    <message>
        <source>Sign %1, frame %2 needs too many steps at this speed</source>
        <translation>この速度では、口形 %1 のフレーム %2 の段階数が多すぎます</translation>
    </message>
    <message>
        <source>The renderer is not available</source>
        <translation>描画ライブラリが使えません</translation>
    </message>
    <message>
        <source>The word is too long (at most 32 syllables)</source>
        <translation>単語が長すぎます (32 音まで)</translation>
    </message>
    <message>
        <source>Unsupported character(s) in the string</source>
        <translation>使えない文字が含まれています</translation>
    </message>
</context>
<context>
    <name>oralis::PracticeSession</name>
    <message>
        <source>The answer is too long (at most %1 syllables)</source>
        <translation>解答が長すぎます (%1 音まで)</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>正解: %1</translation>
    </message>
    <message>
        <source>Looks the same: %1 and %2 look alike on the lips</source>
        <translation>同じ口の形: %1 と %2 は唇では同じに見えます</translation>
    </message>
    <message>
        <source>Wrong: it was %1</source>
        <translation>不正解: 答えは %1 でした</translation>
    </message>
    <message>
        <source>Skipped: it was %1</source>
        <translation>わからない: 答えは %1 でした</translation>
    </message>
    <message>
        <source>Score: %1 / %2 · time %3:%4</source>
        <translation>成績: %1 / %2 · 時間 %3:%4</translation>
    </message>
    <message>
        <source> · most often misread: %1</source>
        <translation> · よく読み違えた口の形: %1</translation>
    </message>
    <message>
        <source>%1: %2% right (%3 of %4)</source>
        <translation>%1: 正解 %2%（%4 回中 %3 回）</translation>
    </message>
</context>
<context>
    <name>oralis::PracticeStarter</name>
    <message>
        <source>No word of this list can be played</source>
        <translation>このリストには再生できる単語がありません</translation>
    </message>
    <message>
        <source>Word list not loaded</source>
        <translation>単語リストを読み込めませんでした</translation>
    </message>
    <message>
        <source>Choose a number of words from 1 to %1</source>
        <translation>単語数は 1 から %1 までにしてください</translation>
    </message>
</context>
<context>
    <name>oralis::Progress</name>
    <message>
        <source>Session %1 · %2 · %3 · %4 of %5 right</source>
        <translation>第 %1 回 · %2 · %3 · %5 問中 %4 問正解</translation>
    </message>
</context>
<context>
    <name>oralis::Quiz</name>
    <message>
        <source>Quiz data not loaded</source>
        <translation>練習用の単語リストを読み込めませんでした</translation>
    </message>
</context>
<context>
    <name>oralis::Reading</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 を読めません</translation>
    </message>
    <message>
        <source>%1 has no kana reading</source>
        <translation>%1 にはかなの読みがありません</translation>
    </message>
    <message>
        <source>MeCab library not found: %1</source>
        <translation>MeCab のライブラリが見つかりません: %1</translation>
    </message>
    <message>
        <source>MeCab library lacks an expected function</source>
        <translation>MeCab のライブラリに必要な関数がありません</translation>
    </message>
    <message>
        <source>MeCab could not use the dictionary %1: %2</source>
        <translation>MeCab が辞書 %1 を使えませんでした: %2</translation>
    </message>
    <message>
        <source>Numbers above 9,999兆 cannot be read: type the number in kana</source>
        <translation>9,999兆を超える数は読めません。かなで入力してください</translation>
    </message>
    <message>
        <source>Numbers with a decimal point cannot be read: type the number in kana</source>
        <translation>小数点のある数は読めません。かなで入力してください</translation>
    </message>
    <message>
        <source>Numbers with %1 cannot be read: type the number in kana</source>
        <translation>%1 のつく数は読めません。かなで入力してください</translation>
    </message>
</context>
<context>
    <name>oralis::RegularFile</name>
    <message>
        <source>Cannot read %1: the file is %2, larger than %3</source>
        <translation>%1 を読めません。ファイルが %2 で、%3 より大きいです</translation>
    </message>
    <message>
        <source>Loading was cancelled</source>
        <translation>読み込みを取り消しました</translation>
    </message>
    <message>
        <source>Saving was cancelled</source>
        <translation>保存を取り消しました</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読めません: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 は通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
</context>
<context>
    <name>oralis::SpeedPreset</name>
    <message>
        <source>ゆっくり</source>
        <translation>ゆっくり</translation>
    </message>
    <message>
        <source>ふつう</source>
        <translation>ふつう</translation>
    </message>
    <message>
        <source>はやい</source>
        <translation>はやい</translation>
    </message>
</context>
<context>
    <name>oralis::StartupTable</name>
    <message>
        <source>The lip position table could not be loaded:
%1
%2

The file is left as it is.</source>
        <translation>口形表を読み込めませんでした:
%1
%2

ファイルはそのままです。</translation>
    </message>
    <message>
        <source>Choose another table?</source>
        <translation>ほかの口形表を選びますか？</translation>
    </message>
    <message>
        <source>Start with the table that comes with Oralis, or choose another one?</source>
        <translation>Oralis に付属の口形表で始めますか。ほかの口形表を選びますか？</translation>
    </message>
    <message>
        <source>Use the shipped table</source>
        <translation>付属の口形表を使う</translation>
    </message>
    <message>
        <source>Choose a table…</source>
        <translation>口形表を選ぶ…</translation>
    </message>
    <message>
        <source>Start without a table</source>
        <translation>口形表なしで始める</translation>
    </message>
</context>
<context>
    <name>oralis::StudySession</name>
    <message>
        <source>Type word %1 first</source>
        <translation>先に単語 %1 を入力してください</translation>
    </message>
    <message>
        <source>No word of the lists looks like %1</source>
        <translation>リストには %1 と同じ口の形の単語がありません</translation>
    </message>
</context>
<context>
    <name>oralis::UserSettings</name>
    <message>
        <source>Settings cannot be written to %1</source>
        <translation>設定を %1 に書き込めません</translation>
    </message>
</context>
<context>
    <name>oralis::Verdict</name>
    <message>
        <source>%1 (%2)</source>
        <comment>a syllable and its mouth shape</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 not seen</source>
        <translation>%1 を見落とし</translation>
    </message>
    <message>
        <source>%1 read as %2</source>
        <translation>%1 を %2 と読んだ</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 が余分</translation>
    </message>
    <message>
        <source>同じ口の形</source>
        <translation>同じ口の形</translation>
    </message>
</context>
<context>
    <name>oralis::WordList</name>
    <message>
        <source>line %1 has no reading</source>
        <translation>%1 行目に読みがありません</translation>
    </message>
    <message>
        <source>line %1 has no text</source>
        <translation>%1 行目に文字がありません</translation>
    </message>
    <message>
        <source>line %1 cannot be played (%2)</source>
        <translation>%1 行目は再生できません (%2)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 行</translation>
    </message>
    <message>
        <source>1 line of %1 was skipped: %2.</source>
        <translation>%1 の 1 行を飛ばしました: %2。</translation>
    </message>
    <message>
        <source>%1 lines of %2 were skipped: %3.</source>
        <translation>%2 の %1 行を飛ばしました: %3。</translation>
    </message>
    <message>
        <source>Only the first %1 words of %2 were taken.</source>
        <translation>%2 の最初の %1 語だけを使いました。</translation>
    </message>
</context>
<context>
    <name>oralis::WordListEditor</name>
    <message>
        <source>The word has no reading</source>
        <translation>単語に読みがありません</translation>
    </message>
    <message>
        <source>%1 is not a reading in kana or romaji</source>
        <translation>%1 はかなやローマ字の読みではありません</translation>
    </message>
    <message>
        <source>Type the word first</source>
        <translation>先に単語を入力してください</translation>
    </message>
    <message>
        <source>A word cannot hold a line break</source>
        <translation>単語に改行は入れられません</translation>
    </message>
    <message>
        <source>A list holds at most %1 words</source>
        <translation>リストに入る単語は %1 語までです</translation>
    </message>
    <message>
        <source>%1 (%2) is already in the list</source>
        <translation>%1 (%2) はもうリストにあります</translation>
    </message>
    <message>
        <source>No word is chosen</source>
        <translation>単語が選ばれていません</translation>
    </message>
</context>
<context>
    <name>oralis::WordListFile</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 ほか %2 語</translation>
    </message>
    <message>
        <source>Saved as UTF-8: Shift-JIS cannot hold %1</source>
        <translation>UTF-8 で保存しました。%1 は Shift-JIS で書けません</translation>
    </message>
    <message>
        <source>The list holds no word</source>
        <translation>リストに単語がありません</translation>
    </message>
    <message>
        <source>A list holds at most %1 words</source>
        <translation>リストに入る単語は %1 語までです</translation>
    </message>
    <message>
        <source>Word %1 (%2) has no reading</source>
        <translation>単語 %1 (%2) に読みがありません</translation>
    </message>
    <message>
        <source>Word %1 (%2) has no text</source>
        <translation>単語 %1 (%2) に文字がありません</translation>
    </message>
    <message>
        <source>Word %1 (%2) holds a line break</source>
        <translation>単語 %1 (%2) に改行があります</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 を保存できません: %2</translation>
    </message>
    <message>
        <source>the list would not read back as it is</source>
        <translation>このままでは正しく読み戻せません</translation>
    </message>
    <message>
        <source>Saved as UTF-8, so that it reads back as it is</source>
        <translation>正しく読み戻せるよう UTF-8 で保存しました</translation>
    </message>
</context>
<context>
    <name>oralis::WordLists</name>
    <message>
        <source>JSLdefault</source>
        <comment>the shipped list of every word and phrase</comment>
        <translation>すべての単語</translation>
    </message>
    <message>
        <source>level1</source>
        <comment>the shipped list of a beginner&apos;s first words</comment>
        <translation>初級</translation>
    </message>
    <message>
        <source>level2</source>
        <comment>the shipped list of the other words</comment>
        <translation>中級</translation>
    </message>
    <message>
        <source>level3</source>
        <comment>the shipped list of short phrases</comment>
        <translation>短い文</translation>
    </message>
    <message>
        <source>level4</source>
        <comment>the shipped list of longer sentences</comment>
        <translation>長い文</translation>
    </message>
    <message>
        <source>greetings</source>
        <comment>a shipped list by theme</comment>
        <translation>あいさつ</translation>
    </message>
    <message>
        <source>family-and-home</source>
        <comment>a shipped list by theme</comment>
        <translation>家族と家</translation>
    </message>
    <message>
        <source>food</source>
        <comment>a shipped list by theme</comment>
        <translation>食べ物</translation>
    </message>
    <message>
        <source>shopping</source>
        <comment>a shipped list by theme</comment>
        <translation>買い物</translation>
    </message>
    <message>
        <source>time-and-numbers</source>
        <comment>a shipped list by theme</comment>
        <translation>時間と数</translation>
    </message>
    <message>
        <source>places-and-directions</source>
        <comment>a shipped list by theme</comment>
        <translation>場所と道案内</translation>
    </message>
    <message>
        <source>school-and-work</source>
        <comment>a shipped list by theme</comment>
        <translation>学校と仕事</translation>
    </message>
    <message>
        <source>health-and-safety</source>
        <comment>a shipped list by theme</comment>
        <translation>健康と安全</translation>
    </message>
</context>
<context>
    <name>oralis::Worksheet</name>
    <message>
        <source>No word of the list can be played</source>
        <translation>リストには再生できる単語がありません</translation>
    </message>
    <message>
        <source>%1: answers</source>
        <translation>%1: 答え</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1  %2  (%3)</source>
        <translation>%1  %2  (%3)</translation>
    </message>
</context>
<context>
    <name>oralis::WorksheetPages</name>
    <message>
        <source>The pages could not be drawn</source>
        <translation>ページを描けませんでした</translation>
    </message>
    <message>
        <source>The PDF document could not be made</source>
        <translation>PDF を作れませんでした</translation>
    </message>
</context>
<context>
    <name>oralis::frmAbout</name>
    <message>
        <source>Lip reading trainer %1</source>
        <translation>読話練習 %1</translation>
    </message>
    <message>
        <source>Beta Version</source>
        <translation>ベータ版</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>oralis::frmCopy</name>
    <message>
        <source>Form1</source>
        <comment>the title of the dialog that copies a frame</comment>
        <translation>コピー元</translation>
    </message>
    <message>
        <source>Sign Index</source>
        <translation>口形の番号</translation>
    </message>
    <message>
        <source>Frame No</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>口形</translation>
    </message>
</context>
<context>
    <name>oralis::frmPractice</name>
    <message>
        <source>次へ</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>The session in progress will be left unfinished</source>
        <translation>練習の途中です。やめてもよろしいですか？</translation>
    </message>
    <message>
        <source>解答練習</source>
        <translation>解答練習</translation>
    </message>
    <message>
        <source>学習者</source>
        <translation>学習者</translation>
    </message>
    <message>
        <source>単語リスト</source>
        <translation>単語リスト</translation>
    </message>
    <message>
        <source>単語数</source>
        <translation>単語数</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>答え</source>
        <translation>答え</translation>
    </message>
    <message>
        <source>もう一度</source>
        <translation>もう一度</translation>
    </message>
    <message>
        <source>ゆっくり</source>
        <translation>ゆっくり</translation>
    </message>
    <message>
        <source>わからない</source>
        <translation>わからない</translation>
    </message>
    <message>
        <source>Other list file…</source>
        <translation>ほかのリストファイル…</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>単語リスト</translation>
    </message>
    <message>
        <source>Word %1 of %2: what did the lips say?</source>
        <translation>%2 問中 %1 問目: 唇は何と言いましたか？</translation>
    </message>
    <message>
        <source>Session over</source>
        <translation>練習は終わりです</translation>
    </message>
</context>
<context>
    <name>oralis::frmProgress</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>List</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>正解率</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>練習の回</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>成績</translation>
    </message>
    <message>
        <source>学習者</source>
        <translation>学習者</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>CSV で保存…</translation>
    </message>
    <message>
        <source>Every answer of this learner, one row each, for a spreadsheet</source>
        <translation>この学習者のすべての解答を、1 行に 1 つずつ表計算用に保存します</translation>
    </message>
    <message>
        <source>Replays per word</source>
        <translation>1 語あたりの再生回数</translation>
    </message>
    <message>
        <source>成績: %1</source>
        <translation>成績: %1</translation>
    </message>
    <message>
        <source>No practice history yet: every word answered in the answer practice (ツール → 解答練習) is kept and shown here.</source>
        <translation>まだ練習の記録がありません。解答練習 (ツール → 解答練習) で答えた単語は、すべて記録されてここに表示されます。</translation>
    </message>
    <message>
        <source>Score of each session (%)</source>
        <translation>練習ごとの正解率 (%)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Mouth shapes read right:
</source>
        <translation>口の形ごとの正解率:
</translation>
    </message>
    <message>
        <source>No shape taken for another yet.</source>
        <translation>まだ口の形の読み違いはありません。</translation>
    </message>
    <message>
        <source>Most frequent confusions:
</source>
        <translation>よくある読み違い:
</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>CSV ファイル</translation>
    </message>
    <message>
        <source>Saving the answers of %1…</source>
        <translation>%1 さんの解答を保存しています…</translation>
    </message>
</context>
<context>
    <name>oralis::frmSpace</name>
    <message>
        <source>単語リスト編集</source>
        <translation>単語リスト編集</translation>
    </message>
    <message>
        <source>Cannot load %1
%2</source>
        <translation>%1 を読み込めません
%2</translation>
    </message>
    <message>
        <source>カメラ</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>ホーム</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>相手</source>
        <translation>相手</translation>
    </message>
    <message>
        <source>自分</source>
        <translation>自分</translation>
    </message>
    <message>
        <source>單語</source>
        <translation>單語</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>スタート</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>練習</source>
        <translation>練習</translation>
    </message>
    <message>
        <source>解答練習</source>
        <translation>解答練習</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>成績</translation>
    </message>
    <message>
        <source>学習</source>
        <translation>学習</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語 (Language)</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>システムの言語</translation>
    </message>
    <message>
        <source>The language changes when Oralis is started again.</source>
        <translation>言語は Oralis を次に起動したときに切り替わります。</translation>
    </message>
    <message>
        <source>振り假名</source>
        <translation>振り假名</translation>
    </message>
    <message>
        <source>Angle Data</source>
        <translation>角度データ</translation>
    </message>
    <message>
        <source>教師用</source>
        <translation>教師用</translation>
    </message>
</context>
<context>
    <name>oralis::frmStudy</name>
    <message>
        <source>Worksheet...</source>
        <translation>プリント...</translation>
    </message>
    <message>
        <source>学習</source>
        <translation>学習</translation>
    </message>
    <message>
        <source>單語 A</source>
        <translation>單語 A</translation>
    </message>
    <message>
        <source>單語 B</source>
        <translation>單語 B</translation>
    </message>
    <message>
        <source>About %1 morae a second</source>
        <translation>1 秒に約 %1 拍</translation>
    </message>
    <message>
        <source>最後まで</source>
        <translation>最後まで</translation>
    </message>
    <message>
        <source>繰り返し</source>
        <translation>繰り返し</translation>
    </message>
    <message>
        <source>比較</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>同じ口の形の語</source>
        <translation>同じ口の形の語</translation>
    </message>
    <message>
        <source>A の口形を保存</source>
        <translation>A の口形を保存</translation>
    </message>
    <message>
        <source>比較を保存</source>
        <translation>比較を保存</translation>
    </message>
    <message>
        <source>PNG Image</source>
        <translation>PNG 画像</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>画像を作れませんでした</translation>
    </message>
    <message>
        <source>Cannot save %1
%2</source>
        <translation>%1 を保存できません
%2</translation>
    </message>
</context>
<context>
    <name>oralis::frmTeacher</name>
    <message>
        <source>教師用</source>
        <translation>教師用</translation>
    </message>
    <message>
        <source>Click a learner to see their progress.</source>
        <translation>学習者をクリックすると、その成績を表示します。</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Save the class as CSV…</source>
        <translation>クラスを CSV で保存…</translation>
    </message>
    <message>
        <source>Reading the class&apos;s history…</source>
        <translation>クラスの履歴を読んでいます…</translation>
    </message>
    <message>
        <source>No learner has practised yet.</source>
        <translation>まだ練習した学習者はいません。</translation>
    </message>
    <message>
        <source>Learners: %1</source>
        <translation>学習者: %1 人</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>CSV ファイル</translation>
    </message>
</context>
<context>
    <name>oralis::frmWordLists</name>
    <message>
        <source>単語リスト編集</source>
        <translation>単語リスト編集</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>開く...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>名前を付けて保存...</translation>
    </message>
    <message>
        <source>Worksheet...</source>
        <translation>プリント...</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>単語</translation>
    </message>
    <message>
        <source>Reading (can be corrected)</source>
        <translation>読み (直せます)</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>読み</translation>
    </message>
    <message>
        <source>Looks the same as</source>
        <translation>同じ口の形の単語</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Reading the word...</source>
        <translation>単語を読んでいます...</translation>
    </message>
    <message>
        <source>%1. Type the reading in kana.</source>
        <translation>%1。読みをかなで入力してください。</translation>
    </message>
    <message>
        <source>Cannot be played: %1</source>
        <translation>再生できません: %1</translation>
    </message>
    <message>
        <source>Which words look alike cannot be shown: %1</source>
        <translation>同じ口の形の単語を表示できません: %1</translation>
    </message>
    <message>
        <source>No two words of the list look the same on the lips.</source>
        <translation>このリストに同じ口の形の単語はありません。</translation>
    </message>
    <message numerus="yes">
        <source>Words of one colour look the same on the lips: %n group(s).</source>
        <translation>
            <numerusform>同じ色の単語は同じ口の形です (%n 組)。</numerusform>
        </translation>
    </message>
    <message>
        <source>New list</source>
        <translation>新しいリスト</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (未保存)</translation>
    </message>
    <message>
        <source>The word list has changes that are not saved. Save them?</source>
        <translation>単語リストに保存していない変更があります。保存しますか？</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>単語リスト</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 を読めません</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) without a reading or a text were left out; saving drops them.</source>
        <translation>
            <numerusform>読みか文字のない %n 行を除きました。保存するとこの行はなくなります。</numerusform>
        </translation>
    </message>
    <message>
        <source>Only the first %1 words were read.</source>
        <translation>最初の %1 語だけを読み込みました。</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>単語リスト</translation>
    </message>
</context>
<context>
    <name>oralis::frmWorksheet</name>
    <message>
        <source>Worksheet</source>
        <translation>プリント</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>見出し</translation>
    </message>
    <message>
        <source>Words with readings and mouth shapes</source>
        <translation>単語と読みと口の形</translation>
    </message>
    <message>
        <source>Answer sheet: mouth shapes to read, answers at the end</source>
        <translation>問題: 口の形を読み、答えは最後のページ</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Save PDF...</source>
        <translation>PDF で保存...</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n 語</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out, since they cannot be played:</source>
        <translation>再生できないため除いた単語:</translation>
    </message>
    <message>
        <source>Cannot save %1
%2</source>
        <translation>%1 を保存できません
%2</translation>
    </message>
    <message numerus="yes">
        <source>Saved %1: %n page(s)</source>
        <translation>
            <numerusform>%1 を保存しました (%n ページ)</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF Document</source>
        <translation>PDF 文書</translation>
    </message>
    <message>
        <source>Printing %1</source>
        <translation>%1 を印刷しています</translation>
    </message>
    <message numerus="yes">
        <source>Sent %n page(s) to the printer</source>
        <translation>
            <numerusform>%n ページをプリンターに送りました</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot print
%1</source>
        <translation>印刷できません
%1</translation>
    </message>
</context>
<context>
    <name>oralis::frmYesNo</name>
    <message>
        <source>Form1</source>
        <comment>the title of the quiz&apos;s question</comment>
        <translation>練習</translation>
    </message>
    <message>
        <source>繼續</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>再表示</source>
        <translation>再表示</translation>
    </message>
</context>
</TS>
