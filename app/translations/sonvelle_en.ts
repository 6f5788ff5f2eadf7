<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BurnMessages</name>
    <message>
        <source>CD-Rへの書き込み</source>
        <translation>Write CD-R</translation>
    </message>
    <message>
        <source>書き込みｿﾌﾄ cdrskin が見つかりません。</source>
        <translation>The burner cdrskin cannot be found.</translation>
    </message>
    <message>
        <source>Debianでは cdrskin ﾊﾟｯｹｰｼﾞを入れてください。(sudo apt install cdrskin)</source>
        <translation>On Debian, install the cdrskin package (sudo apt install cdrskin).</translation>
    </message>
    <message>
        <source>書き込みできるﾄﾞﾗｲﾌﾞが見つかりません。</source>
        <translation>No drive that can write a disc was found.</translation>
    </message>
    <message>
        <source>ﾄﾞﾗｲﾌﾞをつないでから再検索してください。</source>
        <translation>Connect a drive, then look again.</translation>
    </message>
    <message>
        <source> を開く権限がありません。</source>
        <translation> may not be opened by you.</translation>
    </message>
    <message>
        <source>ｸﾞﾙｰﾌﾟ&quot;</source>
        <translation>Join the group &quot;</translation>
    </message>
    <message>
        <source>&quot;に加わってから、ﾛｸﾞｲﾝし直してください。</source>
        <translation>&quot;, then log out and in again.</translation>
    </message>
    <message>
        <source>(sudo adduser ﾕｰｻﾞｰ名 </source>
        <translation>(sudo adduser USER </translation>
    </message>
    <message>
        <source> は他のﾌﾟﾛｸﾞﾗﾑが使用中です。</source>
        <translation> is in use by another program.</translation>
    </message>
    <message>
        <source>そのﾌﾟﾛｸﾞﾗﾑを終えてから、もう一度試してください。</source>
        <translation>End that program, then try again.</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸの状態を読み取れません。</source>
        <translation>The state of the disc cannot be read.</translation>
    </message>
    <message>
        <source>ﾄﾞﾗｲﾌﾞにﾃﾞｨｽｸがありません。</source>
        <translation>There is no disc in the drive.</translation>
    </message>
    <message>
        <source>ﾌﾞﾗﾝｸﾃﾞｨｽｸを入れてOKを押してください。</source>
        <translation>Insert a blank disc and press OK.</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸはﾌﾞﾗﾝｸではありません。</source>
        <translation>The disc is not blank.</translation>
    </message>
    <message>
        <source>ﾌﾞﾗﾝｸﾃﾞｨｽｸに入れ替えてOKを押してください。</source>
        <translation>Replace it with a blank disc and press OK.</translation>
    </message>
    <message>
        <source>合計時間 </source>
        <translation>The total time </translation>
    </message>
    <message>
        <source> がﾃﾞｨｽｸの容量 </source>
        <translation> is more than the disc&apos;s capacity </translation>
    </message>
    <message>
        <source> を超えています。</source>
        <translation>.</translation>
    </message>
    <message>
        <source>容量の大きいﾃﾞｨｽｸに入れ替えてOKを押してください。</source>
        <translation>Replace it with a larger disc and press OK.</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸ(CD-RW)はﾌﾞﾗﾝｸではありません。</source>
        <translation>The disc (CD-RW) is not blank.</translation>
    </message>
    <message>
        <source>高速消去してから書き込みます。よろしいですか？</source>
        <translation>It will be blanked fast before the write. Is that all right?</translation>
    </message>
    <message>
        <source>%1枚目(全%2枚)のﾌﾞﾗﾝｸﾃﾞｨｽｸを入れてOKを押してください。</source>
        <translation>Insert the blank disc for copy %1 of %2 and press OK.</translation>
    </message>
    <message>
        <source>CD-TEXTのﾌｧｲﾙを作れません</source>
        <translation>The CD-TEXT file cannot be made</translation>
    </message>
    <message>
        <source>書き込みに失敗しました。</source>
        <translation>The write failed.</translation>
    </message>
    <message>
        <source>%1枚目(全%2枚)に進みますか？</source>
        <translation>Go on with copy %1 of %2?</translation>
    </message>
    <message>
        <source>書き込みﾃｽﾄを中止します。よろしいですか？</source>
        <translation>The test write will be cancelled. Is that all right?</translation>
    </message>
    <message>
        <source>書き込みを中止します。</source>
        <translation>The write will be cancelled.</translation>
    </message>
    <message>
        <source>中止したﾃﾞｨｽｸは使えなくなります。よろしいですか？</source>
        <translation>The disc will be unusable. Is that all right?</translation>
    </message>
    <message>
        <source>書き込みﾃｽﾄを中止しました。</source>
        <translation>The test write was cancelled.</translation>
    </message>
    <message>
        <source>書き込みを中止しました。</source>
        <translation>The write was cancelled.</translation>
    </message>
    <message>
        <source>このﾃﾞｨｽｸは使えません。</source>
        <translation>This disc is unusable.</translation>
    </message>
    <message>
        <source>書き込みが終わりました。</source>
        <translation>Writing has ended.</translation>
    </message>
    <message>
        <source>書き込み: %1枚  失敗: %2枚</source>
        <translation>Written: %1  Failed: %2</translation>
    </message>
    <message>
        <source>書き込みﾃｽﾄのため、ﾃﾞｨｽｸには何も書き込まれていません。</source>
        <translation>This was a test write: nothing was written on the disc.</translation>
    </message>
    <message>
        <source>%1枚目 / 全%2枚</source>
        <translation>Copy %1 of %2</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ%1  %2 / %3 MB</source>
        <translation>Track %1  %2 / %3 MB</translation>
    </message>
    <message>
        <source>ﾄﾞﾗｲﾌﾞのﾊﾞｯﾌｧ: %1%</source>
        <translation>Drive buffer: %1%</translation>
    </message>
    <message>
        <source>速度: %1倍速</source>
        <translation>Speed: %1x</translation>
    </message>
    <message>
        <source>ﾌｧｲﾅﾗｲｽﾞ中...</source>
        <translation>Fixating…</translation>
    </message>
    <message>
        <source> / ﾃﾞｨｽｸの容量 </source>
        <translation> / disc capacity </translation>
    </message>
    <message>
        <source>最高速</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>%1倍速</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>ｶﾀﾛｸﾞ番号(UPC/JAN)かISRCが正しくないため、書き込めません。</source>
        <translation>The catalog number (UPC/EAN) or an ISRC is not valid, so the disc cannot be written.</translation>
    </message>
    <message>
        <source>CD-TEXTの編集で直してください。</source>
        <translation>Correct it with Edit CD-TEXT.</translation>
    </message>
</context>
<context>
    <name>CdTextDialog</name>
    <message>
        <source>(CUEｼｰﾄのﾌｧｲﾙ名)</source>
        <translation>(the CUE sheet&apos;s file name)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>ﾀｲﾄﾙ</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>演奏者</source>
        <translation>Performer</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸのﾀｲﾄﾙ:</source>
        <translation>Disc title:</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸの演奏者:</source>
        <translation>Disc performer:</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸの作詞者:</source>
        <translation>Disc songwriter:</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸの作曲者:</source>
        <translation>Disc composer:</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸの編曲者:</source>
        <translation>Disc arranger:</translation>
    </message>
    <message>
        <source>ﾒｯｾｰｼﾞ:</source>
        <translation>Message:</translation>
    </message>
    <message>
        <source>ｶﾀﾛｸﾞ番号(UPC/JAN):</source>
        <translation>Catalog number (UPC/JAN):</translation>
    </message>
    <message>
        <source>作詞者</source>
        <translation>Songwriter</translation>
    </message>
    <message>
        <source>作曲者</source>
        <translation>Composer</translation>
    </message>
    <message>
        <source>編曲者</source>
        <translation>Arranger</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸの情報とCD-TEXT</source>
        <translation>Disc information and CD-TEXT</translation>
    </message>
</context>
<context>
    <name>CdTextMessages</name>
    <message>
        <source>ISO-8859-1 (英語)</source>
        <translation>ISO-8859-1 (English)</translation>
    </message>
    <message>
        <source>MS-JIS (日本語)</source>
        <translation>MS-JIS (Japanese)</translation>
    </message>
    <message>
        <source>%1/%2ﾊﾟｯｸ</source>
        <translation>%1/%2 packs</translation>
    </message>
    <message>
        <source>文字ｺｰﾄﾞ: %1  容量: %2</source>
        <translation>Character code: %1  Capacity: %2</translation>
    </message>
    <message>
        <source>  書けない文字: %1</source>
        <translation>  Character it cannot hold: %1</translation>
    </message>
    <message>
        <source>  容量を超えています</source>
        <translation>  Beyond the capacity</translation>
    </message>
    <message>
        <source>CD-TEXTがﾃﾞｨｽｸの容量を超えています(%1)。</source>
        <translation>The CD-TEXT is beyond the disc&apos;s capacity (%1).</translation>
    </message>
    <message>
        <source>CD-TEXTの編集で文字を減らしてください。</source>
        <translation>Shorten the texts with Edit CD-TEXT.</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸ</source>
        <translation>the disc</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>No.%1</translation>
    </message>
    <message>
        <source>演奏者</source>
        <translation>performer</translation>
    </message>
    <message>
        <source>ﾀｲﾄﾙ</source>
        <translation>title</translation>
    </message>
    <message>
        <source>%1の%2に、%3のCD-TEXTに書けない文字%4があります。</source>
        <translation>The %2 of %1 holds the character %4, which CD-TEXT in %3 cannot hold.</translation>
    </message>
    <message>
        <source>CD-TEXTの編集で直してください。</source>
        <translation>Correct it with Edit CD-TEXT.</translation>
    </message>
    <message>
        <source>作詞者</source>
        <translation>songwriter</translation>
    </message>
    <message>
        <source>作曲者</source>
        <translation>composer</translation>
    </message>
    <message>
        <source>編曲者</source>
        <translation>arranger</translation>
    </message>
    <message>
        <source>ﾒｯｾｰｼﾞ</source>
        <translation>message</translation>
    </message>
    <message>
        <source>ｶﾀﾛｸﾞ番号(UPC/JAN)</source>
        <translation>catalog number (UPC/JAN)</translation>
    </message>
    <message>
        <source>ISRCは英字2文字(国)、英数字3文字(登録者)、数字2桁(年)、数字5桁(番号)の12文字です。ﾊｲﾌﾝは省けます。</source>
        <translation>An ISRC has 12 characters: 2 letters (the country), 3 letters or digits (the registrant), 2 digits (the year) and 5 digits (the number). Hyphens may be left out.</translation>
    </message>
    <message>
        <source>ｶﾀﾛｸﾞ番号は13桁(EAN-13、JAN)か12桁(UPC-A)の数字で、最後の桁はﾁｪｯｸﾃﾞｼﾞｯﾄです。</source>
        <translation>A catalog number has 13 digits (EAN-13, JAN) or 12 (UPC-A), the last of them its check digit.</translation>
    </message>
    <message>
        <source>%1の%2「%3」は正しくありません。</source>
        <translation>The %2 &quot;%3&quot; of %1 is not valid.</translation>
    </message>
</context>
<context>
    <name>ChecksumCheck</name>
    <message>
        <source>この形式のﾁｪｯｸｻﾑは確かめません</source>
        <translation>Checksums in this form are not checked</translation>
    </message>
    <message>
        <source>どのMD5ﾁｪｯｸｻﾑにも載っていません</source>
        <translation>No MD5 checksum lists it</translation>
    </message>
    <message>
        <source>読めません</source>
        <translation>Cannot be read</translation>
    </message>
    <message>
        <source>md5sumの形ではない行: %1</source>
        <translation>Lines not in md5sum form: %1</translation>
    </message>
    <message>
        <source>ﾌｫﾙﾀﾞの外のﾌｧｲﾙを指しています (%1)</source>
        <translation>Names a file outside the folder (%1)</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙがありません (%1)</source>
        <translation>The file is missing (%1)</translation>
    </message>
    <message>
        <source>中止しました</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>読めません: </source>
        <translation>Cannot be read: </translation>
    </message>
    <message>
        <source>MD5が一致しません (%1)</source>
        <translation>MD5 does not match (%1)</translation>
    </message>
    <message>
        <source>MD5が一致します (%1)</source>
        <translation>MD5 matches (%1)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>このﾍﾙﾌﾟを表示して終了します</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝを表示して終了します</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ</source>
        <translation>files</translation>
    </message>
    <message>
        <source>[ﾌｧｲﾙ...]</source>
        <translation>[files...]</translation>
    </message>
    <message>
        <source>ﾘｽﾄに追加する音声ﾌｧｲﾙ(すでに起動しているときは、そのﾘｽﾄに追加します)</source>
        <translation>Audio files to add to the list (to the list of the copy already running, if there is one).</translation>
    </message>
</context>
<context>
    <name>ConvertMessages</name>
    <message>
        <source>&quot;を変換しています</source>
        <translation>&quot; is being converted.</translation>
    </message>
    <message>
        <source>選択したﾌｧｲﾙ&quot;</source>
        <translation>The selected file &quot;</translation>
    </message>
    <message>
        <source>&quot;は、<byte value="xd"/>
</source>
        <translation>&quot; had<byte value="xd"/>
</translation>
    </message>
    <message numerus="yes">
        <source>%n個のｻﾝﾌﾟﾙがｸﾘｯﾌﾟされました</source>
        <translation>
            <numerusform>%Ln sample clipped.</numerusform>
            <numerusform>%Ln samples clipped.</numerusform>
        </translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸ空き容量が不足しています</source>
        <translation>There is not enough free disk space.</translation>
    </message>
    <message>
        <source>&quot;に書き込めません</source>
        <translation>&quot; cannot be written.</translation>
    </message>
    <message>
        <source>%1ﾁｬﾝﾈﾙからｽﾃﾚｵにﾐｯｸｽﾀﾞｳﾝしました</source>
        <translation>was mixed down from %1 channels to stereo.</translation>
    </message>
    <message>
        <source>音声が入っていません</source>
        <translation>holds no audio.</translation>
    </message>
    <message>
        <source>著作権保護(DRM)されているため変換できません</source>
        <translation>is protected (DRM) and cannot be converted.</translation>
    </message>
    <message>
        <source>ｻﾝﾌﾟﾘﾝｸﾞ周波数%1Hzは変換できません(8000～768000Hz)</source>
        <translation>has a sampling rate of %1 Hz, which cannot be converted (8000 to 768000 Hz).</translation>
    </message>
    <message>
        <source>長すぎるため1つのｳｪｰﾌﾞﾌｧｲﾙに変換できません</source>
        <translation>is too long to be converted into one WAV file.</translation>
    </message>
    <message>
        <source>%1分%2秒の所から先が読み込めません</source>
        <translation>cannot be read beyond %1:%2.</translation>
    </message>
</context>
<context>
    <name>ConvertRoute</name>
    <message>
        <source>FLAC,AIFF,Oggﾌｧｲﾙ(%1)</source>
        <translation>FLAC, AIFF and Ogg files (%1)</translation>
    </message>
    <message>
        <source>M4A,AAC,Opus,WMA,WavPack,APEﾌｧｲﾙ(%1)</source>
        <translation>M4A, AAC, Opus, WMA, WavPack and APE files (%1)</translation>
    </message>
    <message>
        <source>ﾋﾞﾃﾞｵﾌｧｲﾙ(%1)</source>
        <translation>Video files (%1)</translation>
    </message>
</context>
<context>
    <name>CueSheetMessages</name>
    <message>
        <source>CUEｼｰﾄの書き出し</source>
        <translation>Write CUE Sheet</translation>
    </message>
    <message>
        <source>CUEｼｰﾄ (*.cue)|*.cue</source>
        <translation>CUE sheets (*.cue)|*.cue</translation>
    </message>
    <message>
        <source>は既に存在します。</source>
        <translation> already exists.</translation>
    </message>
    <message>
        <source>上書きします。よろしいですか？</source>
        <translation>Do you want to replace it?</translation>
    </message>
    <message>
        <source>CUEｼｰﾄのﾌｧｲﾙ名に改行などの制御文字か二重引用符(&quot;)が含まれています。</source>
        <translation>The CUE sheet&apos;s file name contains a control character such as a line break, or a double quote (&quot;).</translation>
    </message>
    <message>
        <source>別の名前を指定してください。</source>
        <translation>Choose another name.</translation>
    </message>
    <message>
        <source>のﾌｧｲﾙ名に改行などの制御文字か二重引用符(&quot;)が含まれているため、CUEｼｰﾄに書けません。</source>
        <translation>: its file name contains a control character such as a line break, or a double quote (&quot;), so it cannot be written into a CUE sheet.</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名を変えてから開き直してください。</source>
        <translation>Rename the file, then open it again.</translation>
    </message>
    <message>
        <source>書き込みｿﾌﾄはﾃﾞｨｽｸを以下のように変えます。</source>
        <translation>The burning program will change the disc as follows.</translation>
    </message>
    <message>
        <source>長さがCDの1ﾌﾚｰﾑ(2352ﾊﾞｲﾄ)の倍数でないﾄﾗｯｸ:</source>
        <translation>Tracks that are not a whole number of CD frames (2,352 bytes) long:</translation>
    </message>
    <message>
        <source>末尾に最大1/75秒の無音が補われます。</source>
        <translation>Up to 1/75 second of silence is added at their end.</translation>
    </message>
    <message>
        <source>4秒より短いﾄﾗｯｸ:</source>
        <translation>Tracks shorter than 4 seconds:</translation>
    </message>
    <message>
        <source>CDのﾄﾗｯｸの最短の長さに足りず、書き込みを拒む書き込みｿﾌﾄがあります。</source>
        <translation>They are shorter than a CD track may be; some burning programs refuse them.</translation>
    </message>
    <message>
        <source>合計時間 </source>
        <translation>The total time </translation>
    </message>
    <message>
        <source> が80分ﾃﾞｨｽｸの容量 </source>
        <translation> exceeds the capacity of an 80-minute disc, </translation>
    </message>
    <message>
        <source> を超えています。</source>
        <translation>.</translation>
    </message>
    <message>
        <source>よろしいですか？</source>
        <translation>Continue?</translation>
    </message>
    <message>
        <source>CUEｼｰﾄを書き込めません</source>
        <translation>The CUE sheet cannot be written.</translation>
    </message>
    <message>
        <source>ﾌﾟﾚｽ工場へのﾏｽﾀｰとしては、以下のｺｰﾄﾞが足りません。</source>
        <translation>As a master for a pressing plant, the disc lacks these codes.</translation>
    </message>
    <message>
        <source>ISRCのないﾄﾗｯｸ (ほかのﾄﾗｯｸにはあります):</source>
        <translation>Tracks without an ISRC (other tracks have one):</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸのｶﾀﾛｸﾞ番号(UPC/JAN)がありません (ﾄﾗｯｸにはISRCがあります)。</source>
        <translation>The disc has no catalog number (UPC/JAN), while its tracks have ISRCs.</translation>
    </message>
</context>
<context>
    <name>CueSheetReader</name>
    <message>
        <source>CUEｼｰﾄの%1行目: </source>
        <translation>Line %1 of the CUE sheet: </translation>
    </message>
    <message>
        <source>%1 の引数が足りません。</source>
        <translation>%1 lacks an argument.</translation>
    </message>
    <message>
        <source>二重引用符(&quot;)が閉じていません。</source>
        <translation>A double quote (&quot;) is not closed.</translation>
    </message>
    <message>
        <source>FILEより前にTRACKがあります。</source>
        <translation>A TRACK comes before any FILE.</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ番号 %1 は1から99までの数でなければなりません。</source>
        <translation>The track number %1 must be a number from 1 to 99.</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ番号 %1 が前のﾄﾗｯｸの番号 %2 より大きくありません。</source>
        <translation>The track number %1 is not greater than the previous track&apos;s number %2.</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ %1 はｵｰﾃﾞｨｵ(AUDIO)ではなく %2 のﾄﾗｯｸです。</source>
        <translation>Track %1 is a %2 track, not an audio (AUDIO) track.</translation>
    </message>
    <message>
        <source>TRACKより前にINDEXがあります。</source>
        <translation>An INDEX comes before any TRACK.</translation>
    </message>
    <message>
        <source>ｲﾝﾃﾞｯｸｽ番号 %1 は0から99までの数でなければなりません。</source>
        <translation>The index number %1 must be a number from 0 to 99.</translation>
    </message>
    <message>
        <source>ｲﾝﾃﾞｯｸｽ番号 %1 が同じﾄﾗｯｸの前のｲﾝﾃﾞｯｸｽ番号 %2 より大きくありません。</source>
        <translation>The index number %1 is not greater than the track&apos;s previous index number %2.</translation>
    </message>
    <message>
        <source>時刻 %1 が読めません。時刻はmm:ss:ffの形で、秒は59まで、ﾌﾚｰﾑは74までです。</source>
        <translation>The time %1 cannot be read. A time is written mm:ss:ff, with seconds up to 59 and frames up to 74.</translation>
    </message>
    <message>
        <source>INDEXの時刻 %1 が同じﾌｧｲﾙの前のINDEXの時刻 %2 より後ではありません。</source>
        <translation>The INDEX time %1 is not later than the previous INDEX time %2 in the same file.</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ %1 にINDEX 01がありません。</source>
        <translation>Track %1 has no INDEX 01.</translation>
    </message>
    <message>
        <source>CUEｼｰﾄにﾄﾗｯｸがありません。</source>
        <translation>The CUE sheet has no track.</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ %1 のINDEX %2 (%3) がﾌｧｲﾙ %4 の終わり (%5) 以降にあります。</source>
        <translation>INDEX %2 of track %1 (%3) lies at or after the end of the file %4 (%5).</translation>
    </message>
    <message>
        <source>CUEｼｰﾄが%1行を超えています。</source>
        <translation>The CUE sheet is longer than %1 lines.</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ %1 の始まりをCDのﾌﾚｰﾑ(1/75秒)に合わせると、その前の始まりと重なります。</source>
        <translation>Put on the CD&apos;s frames (1/75 s), the start of track %1 falls on the start before it.</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ %1 の始まりをCDのﾌﾚｰﾑ(1/75秒)に合わせると、録音の終わりと重なります。</source>
        <translation>Put on the CD&apos;s frames (1/75 s), the start of track %1 falls on the end of the recording.</translation>
    </message>
    <message>
        <source>FLACﾌｧｲﾙのCUESHEETﾌﾞﾛｯｸが壊れています。</source>
        <translation>The FLAC file&apos;s CUESHEET block is damaged.</translation>
    </message>
    <message>
        <source>FLACﾌｧｲﾙのCUESHEETﾌﾞﾛｯｸのﾄﾗｯｸ %1 はｵｰﾃﾞｨｵﾄﾗｯｸではありません。</source>
        <translation>Track %1 of the FLAC file&apos;s CUESHEET block is not an audio track.</translation>
    </message>
    <message>
        <source>FLACﾌｧｲﾙのCUESHEETﾌﾞﾛｯｸのﾄﾗｯｸ %1 にINDEX 01がありません。</source>
        <translation>Track %1 of the FLAC file&apos;s CUESHEET block has no INDEX 01.</translation>
    </message>
    <message>
        <source>FLACﾌｧｲﾙに埋め込まれたCUEｼｰﾄが2つ目のﾌｧｲﾙを指定しています。</source>
        <translation>The CUE sheet embedded in the FLAC file names a second file.</translation>
    </message>
</context>
<context>
    <name>CurveExponent</name>
    <message>
        <source>Env=</source>
        <translation>Curve </translation>
    </message>
</context>
<context>
    <name>DdpCheckMessages</name>
    <message>
        <source>ﾄﾗｯｸ%1</source>
        <translation>Track %1</translation>
    </message>
    <message>
        <source>INDEX 02以降の点</source>
        <translation>index points from INDEX 02 on</translation>
    </message>
    <message>
        <source>音のあるﾎﾟｰｽﾞ (前のﾄﾗｯｸの終わりに入れました)</source>
        <translation>a pause that holds audio (kept at the end of the track before it)</translation>
    </message>
    <message>
        <source>2秒ではないﾌﾟﾘｷﾞｬｯﾌﾟ (書き出すと2秒になります)</source>
        <translation>a pre-gap other than 2 seconds (written as 2 seconds)</translation>
    </message>
    <message>
        <source>ﾌﾟﾘｷﾞｬｯﾌﾟの音</source>
        <translation>the audio in the pre-gap</translation>
    </message>
    <message>
        <source>ﾘｰﾄﾞｱｳﾄより後のﾃﾞｰﾀ</source>
        <translation>data after the lead-out</translation>
    </message>
    <message>
        <source>ｺﾝﾄﾛｰﾙﾌﾗｸﾞ (ﾌﾟﾘｴﾝﾌｧｼｽ、ｺﾋﾟｰ許可)</source>
        <translation>control flags (pre-emphasis, copy permission)</translation>
    </message>
    <message>
        <source>CD-TEXTのﾒｯｾｰｼﾞ</source>
        <translation>its CD-TEXT message</translation>
    </message>
    <message>
        <source>CD-TEXTの他の言語のﾌﾞﾛｯｸ</source>
        <translation>the CD-TEXT&apos;s blocks in other languages</translation>
    </message>
    <message>
        <source>DDPｲﾒｰｼﾞを開く</source>
        <translation>Open DDP Image</translation>
    </message>
    <message>
        <source>を確認しています</source>
        <translation> is being checked</translation>
    </message>
    <message>
        <source>はDDPｲﾒｰｼﾞとして読めません</source>
        <translation> cannot be read as a DDP image</translation>
    </message>
    <message>
        <source>DDPIDがありません。</source>
        <translation>It has no DDPID.</translation>
    </message>
    <message>
        <source>DDPMSがありません。</source>
        <translation>It has no DDPMS.</translation>
    </message>
    <message>
        <source>DDPMSに音声のﾒｲﾝﾃﾞｰﾀ(D0)がありません。</source>
        <translation>Its DDPMS names no main audio data (D0).</translation>
    </message>
    <message>
        <source>ﾘｽﾄへの取り込み</source>
        <translation>Take into the List</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸのﾌｫﾙﾀﾞ (*)|*</source>
        <translation>Track folders (*)|*</translation>
    </message>
    <message>
        <source>にﾄﾗｯｸを書き出しています</source>
        <translation>: the tracks are being written</translation>
    </message>
    <message>
        <source>編集内容が保存されていません。</source>
        <translation>The edits have not been saved.</translation>
    </message>
    <message>
        <source>ﾘｽﾄに取り込むと現在のﾘｽﾄと編集内容は失われます。よろしいですか？</source>
        <translation>Taking the image replaces the list and loses its edits. Go on?</translation>
    </message>
    <message>
        <source>このDDPｲﾒｰｼﾞはﾘｽﾄに取り込めません</source>
        <translation>This DDP image cannot be taken into the list</translation>
    </message>
    <message>
        <source>ﾒｲﾝﾃﾞｰﾀのﾌｧｲﾙを読めません。</source>
        <translation>The file of its main data cannot be read.</translation>
    </message>
    <message>
        <source>PQのﾄﾗｯｸとｲﾝﾃﾞｯｸｽが正しくありません。</source>
        <translation>The tracks and index points of its PQ are not in order.</translation>
    </message>
    <message>
        <source>%1ﾄﾗｯｸあります。ﾘｽﾄには%2ﾄﾗｯｸまでしか入りません。</source>
        <translation>It has %1 tracks; the list holds at most %2.</translation>
    </message>
    <message>
        <source>のPQの時間がﾒｲﾝﾃﾞｰﾀの外にあります。</source>
        <translation>: its PQ time lies outside the main data.</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸを書き出せません</source>
        <translation>The tracks cannot be written</translation>
    </message>
    <message>
        <source>同じ名前のﾌｫﾙﾀﾞが作られました。</source>
        <translation>A folder of the same name was created meanwhile.</translation>
    </message>
    <message>
        <source>ﾒｲﾝﾃﾞｰﾀ: </source>
        <translation>Main data: </translation>
    </message>
    <message>
        <source>%1ﾄﾗｯｸをﾘｽﾄに取り込みました。</source>
        <translation>%1 tracks were taken into the list.</translation>
    </message>
    <message>
        <source>%1ﾄﾗｯｸのうち%2ﾄﾗｯｸをﾘｽﾄに取り込みました。</source>
        <translation>Of %1 tracks, %2 were taken into the list.</translation>
    </message>
    <message>
        <source>無音のﾎﾟｰｽﾞは前のﾄﾗｯｸのMute Lengthになりました。</source>
        <translation>Silent pauses became the Mute Length of the track before them.</translation>
    </message>
    <message>
        <source>DDPｲﾒｰｼﾞの書き出しやCD-Rへの書き込みの前に上書き保存してください。</source>
        <translation>Save the tracks before writing a DDP image or a CD-R.</translation>
    </message>
    <message>
        <source>ﾘｽﾄに入らなかったもの:</source>
        <translation>What the list does not hold:</translation>
    </message>
</context>
<context>
    <name>DdpCheckWindow</name>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>対象</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Finding</translation>
    </message>
    <message>
        <source>DDPｲﾒｰｼﾞの確認</source>
        <translation>Check DDP Image</translation>
    </message>
    <message>
        <source>ﾘｽﾄに取り込む(&amp;T)</source>
        <translation>&amp;Take into the List</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>CD-TEXT:</source>
        <translation>CD-TEXT:</translation>
    </message>
</context>
<context>
    <name>DdpMessages</name>
    <message>
        <source>のﾌｧｲﾙは保存した後に変更されています。</source>
        <translation>: its file has changed since it was saved.</translation>
    </message>
    <message>
        <source>保存し直してから書き出してください。</source>
        <translation>Save the list again, then write the image.</translation>
    </message>
    <message>
        <source>のﾌｧｲﾙ: </source>
        <translation>: its file: </translation>
    </message>
    <message>
        <source>DDPｲﾒｰｼﾞの書き出し</source>
        <translation>Write DDP Image</translation>
    </message>
    <message>
        <source>DDPｲﾒｰｼﾞのﾌｫﾙﾀﾞ (*)|*</source>
        <translation>DDP image folders (*)|*</translation>
    </message>
    <message>
        <source>を書き出しています</source>
        <translation> is being written</translation>
    </message>
    <message>
        <source>PQｼｰﾄの書き出し</source>
        <translation>Write PQ Sheet</translation>
    </message>
    <message>
        <source>PQｼｰﾄ (*.pdf)|*.pdf</source>
        <translation>PQ sheets (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>は既に存在します。</source>
        <translation> already exists.</translation>
    </message>
    <message>
        <source>別の名前を指定してください。</source>
        <translation>Choose another name.</translation>
    </message>
    <message>
        <source>4秒より短いﾄﾗｯｸがあるため、DDPｲﾒｰｼﾞを書き出せません。</source>
        <translation>The DDP image cannot be written: some tracks are shorter than 4 seconds.</translation>
    </message>
    <message>
        <source>ﾌﾟﾚｽ工場はCDのﾄﾗｯｸの最短の長さに足りないﾄﾗｯｸをﾌﾟﾚｽしません。</source>
        <translation>A pressing plant does not press a track shorter than the shortest CD track.</translation>
    </message>
    <message>
        <source>DDPｲﾒｰｼﾞを書き込めません</source>
        <translation>The DDP image cannot be written.</translation>
    </message>
    <message>
        <source>同じ名前のﾌｫﾙﾀﾞが作られました。</source>
        <translation>A folder of the same name was created meanwhile.</translation>
    </message>
    <message>
        <source>PQｼｰﾄを書き込めません</source>
        <translation>The PQ sheet cannot be written.</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸのｶﾀﾛｸﾞ番号(UPC/JAN)</source>
        <translation>The disc&apos;s catalog number (UPC/EAN)</translation>
    </message>
    <message>
        <source>のISRC</source>
        <translation>&apos;s ISRC</translation>
    </message>
    <message>
        <source>が正しくありません。</source>
        <translation> is not valid.</translation>
    </message>
    <message>
        <source>CD-TEXTの編集で直してください。</source>
        <translation>Correct it with Edit CD-TEXT.</translation>
    </message>
    <message>
        <source>DDPｲﾒｰｼﾞを書き出しました。</source>
        <translation>The DDP image is written.</translation>
    </message>
    <message>
        <source>ﾌｫﾙﾀﾞ: </source>
        <translation>Folder: </translation>
    </message>
    <message>
        <source>PQｼｰﾄ: </source>
        <translation>PQ sheet: </translation>
    </message>
    <message>
        <source>今すぐｲﾒｰｼﾞを確認しますか？</source>
        <translation>Check the image now?</translation>
    </message>
</context>
<context>
    <name>DecodeDirectory</name>
    <message>
        <source>先にMP3ﾃﾞｺｰﾄﾞ･ﾃﾞｨﾚｸﾄﾘを設定してください</source>
        <translation>Choose the MP3 decode folder first.</translation>
    </message>
    <message>
        <source>変換したWAVﾌｧｲﾙ(44.1kHz,16bits)はMP3ﾃﾞｺｰﾄﾞ･ﾃﾞｨﾚｸﾄﾘに書き込まれます。</source>
        <translation>Converted files are written to the MP3 decode folder as 44.1 kHz, 16-bit WAV files.</translation>
    </message>
    <message>
        <source>MP3ﾃﾞｺｰﾄﾞ･ﾃﾞｨﾚｸﾄﾘの選択</source>
        <translation>Choose MP3 Decode Folder</translation>
    </message>
</context>
<context>
    <name>DecodeMessages</name>
    <message>
        <source>&quot;をﾃﾞｺｰﾄﾞしています</source>
        <translation>&quot; is being decoded.</translation>
    </message>
    <message>
        <source>ﾃﾞｺｰﾄﾞ先 : </source>
        <translation>Decoding to: </translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>Open Error</translation>
    </message>
    <message>
        <source>Decode Error</source>
        <translation>Decode Error</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸ空き容量が不足しています</source>
        <translation>There is not enough free disk space.</translation>
    </message>
</context>
<context>
    <name>EditorMenus</name>
    <message>
        <source>PreMuteﾎﾟｲﾝﾄ設定(&amp;P)</source>
        <translation>Set &amp;Pre-Mute Point</translation>
    </message>
    <message>
        <source>PreMuteﾎﾟｲﾝﾄをPreDigitalMuteに揃える(&amp;O)</source>
        <translation>&amp;Align Pre-Mute Point to Digital Pre-Mute</translation>
    </message>
    <message>
        <source>PreMuteﾎﾟｲﾝﾄを元に戻す(&amp;Q)</source>
        <translation>&amp;Reset Pre-Mute Point</translation>
    </message>
    <message>
        <source>PreDigitalMute設定(&amp;D)</source>
        <translation>Set &amp;Digital Pre-Mute</translation>
    </message>
    <message>
        <source>PreDigitalMuteをPreMuteﾎﾟｲﾝﾄに揃える(&amp;C)</source>
        <translation>Align Digital Pre-&amp;Mute to Pre-Mute Point</translation>
    </message>
    <message>
        <source>PreDigitalMute解除(&amp;E)</source>
        <translation>&amp;Clear Digital Pre-Mute</translation>
    </message>
    <message>
        <source>FadeIn設定(&amp;F)</source>
        <translation>Set &amp;Fade-In</translation>
    </message>
    <message>
        <source>FadeInｴﾝﾍﾞﾛｰﾌﾟ編集(&amp;E)...</source>
        <translation>&amp;Edit Fade-In Curve…</translation>
    </message>
    <message>
        <source>FadeIn解除(&amp;G)</source>
        <translation>Clear Fade-&amp;In</translation>
    </message>
    <message>
        <source>PostMuteﾎﾟｲﾝﾄ設定(&amp;P)</source>
        <translation>Set &amp;Post-Mute Point</translation>
    </message>
    <message>
        <source>PostMuteﾎﾟｲﾝﾄをPostDigitalMuteに揃える(&amp;O)</source>
        <translation>&amp;Align Post-Mute Point to Digital Post-Mute</translation>
    </message>
    <message>
        <source>PostMuteﾎﾟｲﾝﾄを元に戻す(&amp;Q)</source>
        <translation>&amp;Reset Post-Mute Point</translation>
    </message>
    <message>
        <source>PostDigitalMute設定(&amp;D)</source>
        <translation>Set &amp;Digital Post-Mute</translation>
    </message>
    <message>
        <source>PostDigitalMuteをPostMuteﾎﾟｲﾝﾄに揃える(&amp;C)</source>
        <translation>Align Digital Post-&amp;Mute to Post-Mute Point</translation>
    </message>
    <message>
        <source>PostDigitalMute解除(&amp;E)</source>
        <translation>&amp;Clear Digital Post-Mute</translation>
    </message>
    <message>
        <source>FadeOut設定(&amp;F)</source>
        <translation>Set &amp;Fade-Out</translation>
    </message>
    <message>
        <source>FadeOutｴﾝﾍﾞﾛｰﾌﾟ編集(&amp;E)...</source>
        <translation>&amp;Edit Fade-Out Curve…</translation>
    </message>
    <message>
        <source>FadeOut解除(&amp;G)</source>
        <translation>Clear Fade-&amp;Out</translation>
    </message>
    <message>
        <source>ﾌｪｰﾄﾞｲﾝ編集(&amp;I)</source>
        <translation>Fade &amp;In</translation>
    </message>
    <message>
        <source>ﾌｪｰﾄﾞｱｳﾄ編集(&amp;O)</source>
        <translation>Fade &amp;Out</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>ポインタ位置より再生</source>
        <translation>Play from Pointer</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>PreMuteﾎﾟｲﾝﾄ設定</source>
        <translation>Set Pre-Mute Point</translation>
    </message>
    <message>
        <source>PreDigitalMute設定</source>
        <translation>Set Digital Pre-Mute</translation>
    </message>
    <message>
        <source>FadeIn設定</source>
        <translation>Set Fade-In</translation>
    </message>
    <message>
        <source>FadeInｴﾝﾍﾞﾛｰﾌﾟ編集</source>
        <translation>Edit Fade-In Curve</translation>
    </message>
    <message>
        <source>PostMuteﾎﾟｲﾝﾄ設定</source>
        <translation>Set Post-Mute Point</translation>
    </message>
    <message>
        <source>PostDigitalMute設定</source>
        <translation>Set Digital Post-Mute</translation>
    </message>
    <message>
        <source>FadeOut設定</source>
        <translation>Set Fade-Out</translation>
    </message>
    <message>
        <source>FadeOutｴﾝﾍﾞﾛｰﾌﾟ編集</source>
        <translation>Edit Fade-Out Curve</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>閉じる(&amp;X)</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>EnvelopeDialog</name>
    <message>
        <source>FadeInｴﾝﾍﾞﾛｰﾌﾟｶｰﾌﾞ係数編集</source>
        <translation>Fade-In Curve</translation>
    </message>
    <message>
        <source>FadeOutｴﾝﾍﾞﾛｰﾌﾟｶｰﾌﾞ係数編集</source>
        <translation>Fade-Out Curve</translation>
    </message>
    <message>
        <source>FadeInｴﾝﾍﾞﾛｰﾌﾟｶｰﾌﾞ係数</source>
        <translation>Fade-in curve</translation>
    </message>
    <message>
        <source>FadeOutｴﾝﾍﾞﾛｰﾌﾟｶｰﾌﾞ係数</source>
        <translation>Fade-out curve</translation>
    </message>
    <message>
        <source>(0.1～3.0)</source>
        <translation>(0.1–3.0)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FadeInEditer</name>
    <message>
        <source>Fade-In Editer  - </source>
        <translation>Fade Editor - </translation>
    </message>
    <message>
        <source>&quot;-NoLoad-&quot;</source>
        <translation>(No Track)</translation>
    </message>
</context>
<context>
    <name>FileConvertDialog</name>
    <message>
        <source>ﾌｧｲﾙを変換しています</source>
        <translation>Converting Files</translation>
    </message>
</context>
<context>
    <name>FileOpenDialog</name>
    <message>
        <source>ﾌｧｲﾙを開いています</source>
        <translation>Opening Files</translation>
    </message>
</context>
<context>
    <name>ImageChecks</name>
    <message>
        <source>ﾊﾟｹｯﾄ</source>
        <translation>packet</translation>
    </message>
    <message>
        <source>開始位置</source>
        <translation>start</translation>
    </message>
    <message>
        <source>開始ﾊﾞｲﾄ</source>
        <translation>start byte</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名の長さ</source>
        <translation>file name length</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ番号</source>
        <translation>Track numbers</translation>
    </message>
    <message>
        <source>ｲﾝﾃﾞｯｸｽ</source>
        <translation>index</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>ﾚｺｰﾄﾞの長さが正しくありません</source>
        <translation>The record&apos;s length is wrong</translation>
    </message>
    <message>
        <source>%1の印がありません</source>
        <translation>no %1 marker</translation>
    </message>
    <message>
        <source>%1が数字ではありません</source>
        <translation>%1 is not digits</translation>
    </message>
    <message>
        <source>%1が範囲を超えています</source>
        <translation>%1 is out of range</translation>
    </message>
    <message>
        <source>%1番目のﾊﾟｹｯﾄ: </source>
        <translation>packet %1: </translation>
    </message>
    <message>
        <source>英語</source>
        <translation>English</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>ﾄﾞｲﾂ語</source>
        <translation>German</translation>
    </message>
    <message>
        <source>ﾌﾗﾝｽ語</source>
        <translation>French</translation>
    </message>
    <message>
        <source>言語ｺｰﾄﾞ %1</source>
        <translation>language code %1</translation>
    </message>
    <message>
        <source>ﾌﾞﾛｯｸ%1 (%2, %3)</source>
        <translation>block %1 (%2, %3)</translation>
    </message>
    <message>
        <source>ﾚﾍﾞﾙ「%1」は DDP 1.00、1.01、2.00 のどれでもありません</source>
        <translation>Level &quot;%1&quot; is none of DDP 1.00, 1.01 and 2.00</translation>
    </message>
    <message>
        <source>CDのﾏｽﾀｰではありません (種別 %1)</source>
        <translation>Not a CD master (type %1)</translation>
    </message>
    <message>
        <source>%1、ﾏｽﾀｰID「%2」</source>
        <translation>%1, master ID &quot;%2&quot;</translation>
    </message>
    <message>
        <source>ﾌｫﾙﾀﾞの外のﾌｧｲﾙを指しています</source>
        <translation>Names a file outside the folder</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙがありません</source>
        <translation>The file is missing</translation>
    </message>
    <message>
        <source>読めません: </source>
        <translation>Cannot be read: </translation>
    </message>
    <message>
        <source>Sonvelleが読まないｽﾄﾘｰﾑです (%1 %2)</source>
        <translation>A stream Sonvelle does not read (%1 %2)</translation>
    </message>
    <message>
        <source>%1ﾊﾞｲﾄ (DDPMSでは%2ﾊﾞｲﾄ)</source>
        <translation>%1 bytes (DDPMS says %2 bytes)</translation>
    </message>
    <message>
        <source>%1ﾊﾞｲﾄ</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>PQのｽﾄﾘｰﾑがありません</source>
        <translation>There is no PQ stream</translation>
    </message>
    <message>
        <source>大きすぎて読めません</source>
        <translation>Too large to be read</translation>
    </message>
    <message>
        <source>読めません</source>
        <translation>Cannot be read</translation>
    </message>
    <message>
        <source>%1ﾊﾟｹｯﾄ</source>
        <translation>%1 packets</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ%1がﾄﾗｯｸ%2の次にあります</source>
        <translation>Track %1 follows track %2</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ%1のINDEX %2が順番どおりではありません</source>
        <translation>Track %1&apos;s INDEX %2 is out of order</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ%1にINDEX 01がありません</source>
        <translation>Track %1 has no INDEX 01</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸがありません</source>
        <translation>There are no tracks</translation>
    </message>
    <message>
        <source>ﾘｰﾄﾞｱｳﾄがありません</source>
        <translation>There is no lead-out</translation>
    </message>
    <message>
        <source>01〜%1</source>
        <translation>01 to %1</translation>
    </message>
    <message>
        <source>ﾘｰﾄﾞｱｳﾄ</source>
        <translation>Lead-out</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ%1 INDEX %2</source>
        <translation>track %1 INDEX %2</translation>
    </message>
    <message>
        <source>%1の時間が前の点の後にありません</source>
        <translation>The time of %1 does not come after the point before it</translation>
    </message>
    <message>
        <source>すべての点が順に並んでいます</source>
        <translation>Every point follows the one before it</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ01のINDEX 01</source>
        <translation>Track 01&apos;s INDEX 01</translation>
    </message>
    <message>
        <source>%1 (00:02:00ではありません)</source>
        <translation>%1 (not 00:02:00)</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸの長さ</source>
        <translation>Track lengths</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ%1: %2 (4秒より短い)</source>
        <translation>Track %1: %2 (shorter than 4 seconds)</translation>
    </message>
    <message>
        <source>すべて4秒以上</source>
        <translation>All 4 seconds or longer</translation>
    </message>
    <message>
        <source>%1 (ﾒｲﾝﾃﾞｰﾀの終わり)</source>
        <translation>%1 (the end of the main data)</translation>
    </message>
    <message>
        <source>%1、ﾒｲﾝﾃﾞｰﾀの終わりは%2</source>
        <translation>%1; the main data ends at %2</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ%1:「%2」はISRCの形ではありません</source>
        <translation>Track %1: &quot;%2&quot; is not in the form of an ISRC</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ%1: %2は他のﾄﾗｯｸにもあります</source>
        <translation>Track %1: another track has %2 too</translation>
    </message>
    <message>
        <source>ISRCがありません</source>
        <translation>No ISRCs</translation>
    </message>
    <message>
        <source>%1ﾄﾗｯｸ</source>
        <translation>%1 tracks</translation>
    </message>
    <message>
        <source>ｶﾀﾛｸﾞ番号</source>
        <translation>Catalog number</translation>
    </message>
    <message>
        <source>ｶﾀﾛｸﾞ番号がありません</source>
        <translation>No catalog number</translation>
    </message>
    <message>
        <source>%1: ﾁｪｯｸﾃﾞｨｼﾞｯﾄが合いません</source>
        <translation>%1: the check digit is wrong</translation>
    </message>
    <message>
        <source>CD-TEXTがありません</source>
        <translation>No CD-TEXT</translation>
    </message>
    <message>
        <source>最後のﾊﾟｯｸが途中で終わっています</source>
        <translation>The last pack is cut short</translation>
    </message>
    <message>
        <source>%1ﾊﾟｯｸのCRC</source>
        <translation>The CRCs of %1 packs</translation>
    </message>
    <message>
        <source>CRCが合わないﾊﾟｯｸ: %1</source>
        <translation>Packs whose CRC is wrong: %1</translation>
    </message>
    <message>
        <source>ｻｲｽﾞ情報がありません</source>
        <translation>No size information</translation>
    </message>
    <message>
        <source>種別%1のﾊﾟｯｸ: ｻｲｽﾞ情報では%2、実際は%3</source>
        <translation>Packs of type %1: %2 in the size information, %3 in the block</translation>
    </message>
    <message>
        <source>この文字ｺｰﾄﾞは読めません</source>
        <translation>This character code is not read</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ%1〜%2</source>
        <translation>Tracks %1 to %2</translation>
    </message>
    <message>
        <source>ﾚﾍﾞﾙ</source>
        <comment>a field of a packet</comment>
        <translation>level</translation>
    </message>
    <message>
        <source>長さ</source>
        <comment>a field of a packet</comment>
        <translation>length</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ番号</source>
        <comment>a field of a packet</comment>
        <translation>track number</translation>
    </message>
    <message>
        <source>時間</source>
        <comment>a field of a packet</comment>
        <translation>time</translation>
    </message>
</context>
<context>
    <name>ImageRows</name>
    <message>
        <source>ﾀｲﾄﾙ</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>演奏者</source>
        <translation>Performer</translation>
    </message>
    <message>
        <source>ｶﾀﾛｸﾞ番号(UPC/JAN)</source>
        <translation>Catalog number (UPC/JAN)</translation>
    </message>
    <message>
        <source>ﾚﾍﾞﾙ</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>ﾏｽﾀｰID</source>
        <translation>Master ID</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ数</source>
        <translation>Tracks</translation>
    </message>
    <message>
        <source>合計時間</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>INDEX</source>
        <translation>INDEX</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>長さ</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>ﾎﾟｰｽﾞ</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>ISRC</source>
        <translation>ISRC</translation>
    </message>
    <message>
        <source>合格</source>
        <translation>Passed</translation>
    </message>
    <message>
        <source>不合格</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>未確認</source>
        <translation>Not checked</translation>
    </message>
</context>
<context>
    <name>LevelDialog</name>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Level :</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>LevelEditing</name>
    <message>
        <source>%1のLevelを入力してください</source>
        <translation>Enter the level of %1.</translation>
    </message>
    <message>
        <source>この設定されたLevelでは最大許容音量を超えてしまいます</source>
        <translation>This level would exceed the maximum allowed volume.</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>ListSession</name>
    <message>
        <source>既に開かれているため、追加しませんでした</source>
        <translation>It is already open, so it was not added.</translation>
    </message>
    <message>
        <source>記録された編集内容が正しくないため、解析し直しました(編集内容は破棄しました)</source>
        <translation>Its stored edits are not valid, so it was analyzed again (its edits were dropped).</translation>
    </message>
    <message>
        <source>記録された編集内容が正しくなく、解析し直せなかったため、追加しませんでした</source>
        <translation>Its stored edits are not valid and it could not be analyzed again, so it was not added.</translation>
    </message>
    <message>
        <source>見つからないか読み込めないため、追加しませんでした</source>
        <translation>It is missing or cannot be read, so it was not added.</translation>
    </message>
    <message>
        <source>ｳｪｰﾌﾞﾌｧｲﾙではないため、追加しませんでした</source>
        <translation>It is not a WAV file, so it was not added.</translation>
    </message>
    <message>
        <source>ﾘｽﾄを開く</source>
        <translation>Open List</translation>
    </message>
    <message>
        <source>ﾘｽﾄの保存</source>
        <translation>Save List</translation>
    </message>
    <message>
        <source>Sonvelleﾘｽﾄ(*.sonvelle)</source>
        <translation>Sonvelle lists (*.sonvelle)</translation>
    </message>
    <message>
        <source>Sonvelleのﾘｽﾄﾌｧｲﾙではありません</source>
        <translation>is not a Sonvelle list file.</translation>
    </message>
    <message>
        <source>壊れているか、途中で切れています</source>
        <translation>is damaged or cut short.</translation>
    </message>
    <message>
        <source>新しいﾊﾞｰｼﾞｮﾝのSonvelleで書かれたため、読み込めません</source>
        <translation>was written by a newer version of Sonvelle and cannot be read.</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸが30を超えているため、読み込めません</source>
        <translation>holds more than 30 tracks and cannot be read.</translation>
    </message>
    <message>
        <source>ﾘｽﾄﾌｧｲﾙ&quot;%1&quot;は、</source>
        <translation>The list file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>読み込めません</source>
        <translation>cannot be read.</translation>
    </message>
    <message>
        <source>ﾘｽﾄ読み込みｴﾗｰ</source>
        <translation>List Read Error</translation>
    </message>
    <message>
        <source>次のﾌｧｲﾙはﾘｽﾄに記録されたとおりには開けませんでした。</source>
        <translation>The following files could not be opened as the list recorded them.</translation>
    </message>
    <message>
        <source>編集内容が保存されていません。</source>
        <translation>The edits have not been saved.</translation>
    </message>
    <message>
        <source>ﾘｽﾄを開くと現在の編集内容は失われます。よろしいですか？</source>
        <translation>Opening a list discards the current edits. Continue?</translation>
    </message>
    <message>
        <source>ﾘｽﾄを書き込めません</source>
        <translation>The list cannot be written.</translation>
    </message>
    <message>
        <source>編集内容の控えを書き込めません</source>
        <translation>The recovery copy of the edits cannot be written.</translation>
    </message>
    <message>
        <source>記録された後にﾌｧｲﾙが変更されていたため、解析し直しました(編集内容は破棄しました)</source>
        <translation>The file changed after its edits were recorded, so it was analyzed again (its edits were dropped).</translation>
    </message>
    <message>
        <source>記録された後にﾌｧｲﾙが変更されていて、解析し直せなかったため、追加しませんでした</source>
        <translation>The file changed after its edits were recorded and could not be analyzed again, so it was not added.</translation>
    </message>
    <message>
        <source>ﾘｽﾄに空きがないため、追加しませんでした</source>
        <translation>The list is full, so it was not added.</translation>
    </message>
    <message>
        <source>編集内容は控えに残してあり、次回の起動時にもう一度復元できます</source>
        <translation>Its edits stay in the recovery copy and will be offered again at the next start.</translation>
    </message>
    <message>
        <source>ﾘｽﾄﾌｧｲﾙ&quot;%1&quot;は既に存在します。</source>
        <translation>The list file &quot;%1&quot; already exists.</translation>
    </message>
    <message>
        <source>置き換えてよろしいですか？</source>
        <translation>Replace it?</translation>
    </message>
    <message>
        <source>控えは古いままになっています。編集は続けられますが、異常終了したときは最新の編集内容を復元できません。</source>
        <translation>The recovery copy on disk is now out of date. You can go on editing, but after a crash only the older edits it holds can be restored.</translation>
    </message>
    <message>
        <source>前回終了時の編集内容の控えは、壊れているか新しいﾊﾞｰｼﾞｮﾝで書かれているため、復元できません。</source>
        <translation>The recovery copy of the last run is damaged or was written by a newer version, so it cannot be restored.</translation>
    </message>
    <message>
        <source>控えは次の名前で残してあります。</source>
        <translation>It was kept under this name:</translation>
    </message>
    <message>
        <source>控えの名前を変えられませんでした。</source>
        <translation>It could not be renamed:</translation>
    </message>
    <message>
        <source>前回終了時の編集内容が残っています(%1に記録)。復元しますか?</source>
        <translation>Edits from the last run were kept (recorded %1). Restore them?</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>終了する前にﾘｽﾄを保存しますか？</source>
        <translation>Save the list before exiting?</translation>
    </message>
    <message>
        <source>を終了します。よろしいですか？</source>
        <translation> will close. Continue?</translation>
    </message>
    <message>
        <source>ﾘｽﾄﾌｧｲﾙ&quot;%1&quot;の次のｺｰﾄﾞは正しくないため、読み込みませんでした(ほかの内容は読み込みました)。</source>
        <translation>These codes in the list file &quot;%1&quot; are not valid and were not read (everything else was read).</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸ</source>
        <translation>The disc</translation>
    </message>
    <message>
        <source>ｶﾀﾛｸﾞ番号(UPC/JAN)</source>
        <translation>catalog number (UPC/EAN)</translation>
    </message>
    <message>
        <source>%1の%2「%3」</source>
        <translation>%1: %2 &quot;%3&quot;</translation>
    </message>
</context>
<context>
    <name>ListTexts</name>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Pre Mute</source>
        <translation>Pre-Mute</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Post Mute</source>
        <translation>Post-Mute</translation>
    </message>
    <message>
        <source>Total Mute</source>
        <translation>Total Mute</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>           MUTE</source>
        <translation>           MUTE</translation>
    </message>
    <message>
        <source>   ------  END  ------</source>
        <translation>   ------  END  ------</translation>
    </message>
    <message>
        <source>FadeInLength =  </source>
        <translation>Fade in  </translation>
    </message>
    <message>
        <source>FadeOutLength =  </source>
        <translation>Fade out  </translation>
    </message>
    <message>
        <source>PeakLevel =  </source>
        <translation>Peak  </translation>
    </message>
</context>
<context>
    <name>LoudnessTexts</name>
    <message>
        <source>測定できません(%1)</source>
        <translation>not measured (%1)</translation>
    </message>
    <message>
        <source>選択したﾌｧｲﾙ&quot;%1&quot;は、<byte value="xd"/>
ﾌｧｲﾙが読み込めません(%2)</source>
        <translation>The selected file &quot;%1&quot;<byte value="xd"/>
cannot be read (%2).</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ読み込みｴﾗｰ</source>
        <translation>File Read Error</translation>
    </message>
    <message>
        <source>次のﾄﾗｯｸは他のﾄﾗｯｸより極端に小さいため、ﾗｳﾄﾞﾈｽを揃えずに<byte value="xd"/>
Levelを最大許容音量まで上げました</source>
        <translation>These tracks are far quieter than the others: instead of matching their loudness,<byte value="xd"/>
their Level was raised to the maximum permitted volume.</translation>
    </message>
</context>
<context>
    <name>LoudnessWaitDialog</name>
    <message>
        <source>ﾗｳﾄﾞﾈｽを測定しています</source>
        <translation>Measuring Loudness</translation>
    </message>
    <message>
        <source>全ﾄﾗｯｸのﾗｳﾄﾞﾈｽ測定が終わるのを待っています</source>
        <translation>Waiting for every track to be measured.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>MP3ﾃﾞｺｰﾄﾞ･ﾃﾞｨﾚｸﾄﾘ(&amp;D)...</source>
        <translation>MP3 &amp;Decode Folder…</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save Tracks</translation>
    </message>
    <message>
        <source>別ﾃﾞｨﾚｸﾄﾘへ保存(&amp;A)</source>
        <translation>Save Tracks to &amp;Another Folder…</translation>
    </message>
    <message>
        <source>CUEｼｰﾄの書き出し(&amp;C)...</source>
        <translation>Write &amp;CUE Sheet…</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>MuteLengthの編集(&amp;M)...</source>
        <translation>Edit &amp;Mute Length…</translation>
    </message>
    <message>
        <source>Levelの編集(&amp;L)...</source>
        <translation>Edit &amp;Level…</translation>
    </message>
    <message>
        <source>MuteLengthの自動設定(&amp;E)</source>
        <translation>S&amp;et Mute Length Automatically</translation>
    </message>
    <message>
        <source>全MuteLengthの自動設定(&amp;F)</source>
        <translation>Set &amp;All Mute Lengths Automatically</translation>
    </message>
    <message>
        <source>Levelの自動設定(&amp;N)</source>
        <translation>&amp;Normalize Level</translation>
    </message>
    <message>
        <source>全Levelの自動設定(&amp;P)</source>
        <translation>Normalize All Le&amp;vels</translation>
    </message>
    <message>
        <source>全Levelの10%圧縮(&amp;T)</source>
        <translation>&amp;Compress All Levels by 10%</translation>
    </message>
    <message>
        <source>FadeIn編集(&amp;I)...</source>
        <translation>Edit Fade-&amp;In…</translation>
    </message>
    <message>
        <source>FadeOut編集(&amp;O)...</source>
        <translation>Edit Fade-&amp;Out…</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>移動(&amp;M)</source>
        <translation>&amp;Move</translation>
    </message>
    <message>
        <source>先頭へ移動(&amp;T)</source>
        <translation>Move to &amp;Top</translation>
    </message>
    <message>
        <source>一つ上へ移動(&amp;U)</source>
        <translation>Move &amp;Up</translation>
    </message>
    <message>
        <source>一つ下へ移動(&amp;D)</source>
        <translation>Move &amp;Down</translation>
    </message>
    <message>
        <source>末尾へ移動(&amp;L)</source>
        <translation>Move to &amp;Bottom</translation>
    </message>
    <message>
        <source>再生(&amp;P)</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>停止(&amp;S)</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>ﾋﾟｰｸﾎﾟｲﾝﾄの連続再生(&amp;K)</source>
        <translation>Play Pea&amp;k Points</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳ(&amp;W)</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>ﾌﾟﾚｲﾊﾞｰ･ｳｨﾝﾄﾞｳ(&amp;P)</source>
        <translation>&amp;Play Bar</translation>
    </message>
    <message>
        <source>ﾌｪｰﾄﾞｲﾝ･ｴﾃﾞｨﾀ(&amp;F)</source>
        <translation>&amp;Fade Editor</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳの整列(&amp;A)</source>
        <translation>&amp;Arrange Windows</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>設定(&amp;S)...</source>
        <translation>&amp;Settings…</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>&amp;About Sonvelle…</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>先頭へ移動</source>
        <translation>Move to Top</translation>
    </message>
    <message>
        <source>一つ上へ移動</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>一つ下へ移動</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>末尾へ移動</source>
        <translation>Move to Bottom</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>ﾋﾟｰｸﾎﾟｲﾝﾄの連続再生</source>
        <translation>Play Peak Points</translation>
    </message>
    <message>
        <source>曲頭から再生</source>
        <translation>Play from Start of Track</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>MuteLengthの自動設定</source>
        <translation>Set Mute Length Automatically</translation>
    </message>
    <message>
        <source>Levelの自動設定</source>
        <translation>Normalize Level</translation>
    </message>
    <message>
        <source>FadeIn編集</source>
        <translation>Edit Fade-In</translation>
    </message>
    <message>
        <source>FadeOut編集</source>
        <translation>Edit Fade-Out</translation>
    </message>
    <message>
        <source>ﾘｽﾄを開く(&amp;R)...</source>
        <translation>Open &amp;List…</translation>
    </message>
    <message>
        <source>ﾘｽﾄの保存(&amp;L)...</source>
        <translation>Sa&amp;ve List…</translation>
    </message>
    <message>
        <source>全Levelをﾗｳﾄﾞﾈｽで揃える(&amp;R)</source>
        <translation>Match Loudness of All T&amp;racks</translation>
    </message>
    <message>
        <source>CD-TEXTの編集(&amp;X)...</source>
        <translation>Edit CD-TE&amp;XT...</translation>
    </message>
    <message>
        <source>DDPｲﾒｰｼﾞの書き出し(&amp;P)...</source>
        <translation>Write DDP &amp;Image…</translation>
    </message>
    <message>
        <source>PQｼｰﾄの書き出し(&amp;Q)...</source>
        <translation>Write P&amp;Q Sheet…</translation>
    </message>
    <message>
        <source>CD-Rへの書き込み(&amp;W)...</source>
        <translation>&amp;Write CD-R…</translation>
    </message>
    <message>
        <source>DDPｲﾒｰｼﾞを開く(&amp;I)...</source>
        <translation>Open DDP Ima&amp;ge…</translation>
    </message>
    <message>
        <source>録音をﾄﾗｯｸに分割(&amp;K)...</source>
        <translation>Split a Recording into Trac&amp;ks…</translation>
    </message>
</context>
<context>
    <name>Mp3DecodeDialog</name>
    <message>
        <source>MP3ﾌｧｲﾙをﾃﾞｺｰﾄﾞしています</source>
        <translation>Decoding MP3 Files</translation>
    </message>
</context>
<context>
    <name>MuteDialog</name>
    <message>
        <source>Mute Length</source>
        <translation>Mute Length</translation>
    </message>
    <message>
        <source>Mute Length :</source>
        <translation>Mute length:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MuteEditing</name>
    <message>
        <source>%1のMute Lengthを入力してください</source>
        <translation>Enter the mute length after %1.</translation>
    </message>
    <message>
        <source>設定したMUTE時間は長すぎます</source>
        <translation>The mute length is too long.</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ﾏｲﾅｽのMUTE時間がPostMuteを超える設定は出来ません</source>
        <translation>A negative mute length cannot be longer than the post-mute.</translation>
    </message>
</context>
<context>
    <name>OpenMessages</name>
    <message>
        <source>選択したﾌｧｲﾙ&quot;</source>
        <translation>The selected file &quot;</translation>
    </message>
    <message>
        <source>&quot;は、<byte value="xd"/>
</source>
        <translation>&quot;<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ読み込みｴﾗｰ</source>
        <translation>File Read Error</translation>
    </message>
    <message>
        <source>既に開かれています</source>
        <translation>is already open.</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙが読み込めません</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>44.1kHz,16bitsﾌｫｰﾏｯﾄではありません</source>
        <translation>is not in the 44.1 kHz, 16-bit format.</translation>
    </message>
    <message>
        <source>無音のみで構成されているため、プレイリストに追加しません</source>
        <translation>holds nothing but silence, so it is not added to the list.</translation>
    </message>
    <message>
        <source>&quot;を読み込んでいます</source>
        <translation>&quot; is being read.</translation>
    </message>
    <message>
        <source>ﾘｽﾄに追加するﾌｧｲﾙを開く</source>
        <translation>Add Files to the List</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ読み込みｴﾗｰ</source>
        <comment>a file already in the list</comment>
        <translation>File Already Open</translation>
    </message>
    <message>
        <source>音声ﾌｧｲﾙとして読み込めません</source>
        <translation>cannot be read as an audio file.</translation>
    </message>
</context>
<context>
    <name>OpenWorkflow</name>
    <message>
        <source>ｳｪｰﾌﾞﾌｧｲﾙ(*.wav)|*.wav|MP3ﾌｧｲﾙ(*.mp3)|*.mp3</source>
        <translation>WAV files (*.wav)|*.wav|MP3 files (*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>ｳｪｰﾌﾞﾌｧｲﾙ(*.wav)|*.wav</source>
        <translation>WAV files (*.wav)|*.wav</translation>
    </message>
    <message>
        <source>すべての対応ﾌｧｲﾙ(%1)</source>
        <translation>All supported files (%1)</translation>
    </message>
    <message>
        <source>CUEｼｰﾄ(*.cue)|*.cue</source>
        <translation>CUE sheets (*.cue)|*.cue</translation>
    </message>
</context>
<context>
    <name>PlayBarWindow</name>
    <message>
        <source>拡大</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>一つ前のﾋﾟｰｸﾎﾟｲﾝﾄより再生</source>
        <translation>Play from Previous Peak Point</translation>
    </message>
    <message>
        <source>ﾋﾟｰｸﾎﾟｲﾝﾄの連続再生</source>
        <translation>Play Peak Points</translation>
    </message>
    <message>
        <source>ポインタ位置より再生</source>
        <translation>Play from Pointer</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>一つ後のﾋﾟｰｸﾎﾟｲﾝﾄより再生</source>
        <translation>Play from Next Peak Point</translation>
    </message>
    <message>
        <source>PlayBar Window</source>
        <translation>Play Bar</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>ｵｰﾃﾞｨｵﾃﾞﾊﾞｲｽがｵｰﾌﾟﾝできません</source>
        <translation>The audio device cannot be opened.</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>再生ファイルが見つかりません</source>
        <translation>The file to play cannot be found.</translation>
    </message>
</context>
<context>
    <name>PqSheet</name>
    <message>
        <source>PQｼｰﾄ</source>
        <translation>PQ Sheet</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>長さ</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>ﾎﾟｰｽﾞ</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>ISRC</source>
        <translation>ISRC</translation>
    </message>
    <message>
        <source>ﾀｲﾄﾙ</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>演奏者</source>
        <translation>Performer</translation>
    </message>
    <message>
        <source>ﾘｰﾄﾞｱｳﾄ</source>
        <translation>Lead-out</translation>
    </message>
    <message>
        <source>ｶﾀﾛｸﾞ番号(UPC/JAN)</source>
        <translation>Catalog number (UPC/EAN)</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸ数</source>
        <translation>Tracks</translation>
    </message>
    <message>
        <source>合計時間</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>IMAGE.DATのMD5</source>
        <translation>MD5 of IMAGE.DAT</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>ProgramTitle</name>
    <message>
        <source>CD-R簡単編集&quot;Sonvelle&quot;</source>
        <translation>Sonvelle</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SaveMessages</name>
    <message>
        <source>上書き保存します。よろしいですか？</source>
        <translation>The files of the tracks will be overwritten. Continue?</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>Save Tracks</translation>
    </message>
    <message>
        <source>保存先ﾃﾞｨﾚｸﾄﾘにある以下のﾌｧｲﾙは上書きされます。</source>
        <translation>The following files in the destination folder will be overwritten.</translation>
    </message>
    <message>
        <source>よろしいですか？</source>
        <translation>Continue?</translation>
    </message>
    <message>
        <source>別ﾃﾞｨﾚｸﾄﾘへ保存</source>
        <translation>Save Tracks to Another Folder</translation>
    </message>
    <message>
        <source>上書き保存しています</source>
        <translation>Saving Tracks</translation>
    </message>
    <message>
        <source>別ﾃﾞｨﾚｸﾄﾘへ保存しています</source>
        <translation>Saving Tracks to Another Folder</translation>
    </message>
    <message>
        <source>を保存しています</source>
        <translation> is being saved.</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸ空き容量が不足しています</source>
        <translation>There is not enough free disk space.</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙが読み込めません</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>保存先ﾃﾞｨﾚｸﾄﾘの選択</source>
        <translation>Choose Destination Folder</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Editing</translation>
    </message>
    <message>
        <source>MuteLengthの自動設定時間</source>
        <translation>Automatic mute length</translation>
    </message>
    <message>
        <source>Levelの自動設定基準</source>
        <translation>Normalize to</translation>
    </message>
    <message>
        <source>相対Level</source>
        <translation>Relative</translation>
    </message>
    <message>
        <source>絶対Level</source>
        <translation>Absolute</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>PeakLevelの読み込み (通常 : 有)</source>
        <translation>Read peak levels (usually Yes)</translation>
    </message>
    <message>
        <source>有</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>無</source>
        <translation>No</translation>
    </message>
    <message>
        <source>FadeIn</source>
        <translation>Fades</translation>
    </message>
    <message>
        <source>FadeInｴﾝﾍﾞﾛｰﾌﾟｶｰﾌﾞ係数 (0.1～3.0)</source>
        <translation>Fade-in curve (0.1–3.0)</translation>
    </message>
    <message>
        <source>FadeOutｴﾝﾍﾞﾛｰﾌﾟｶｰﾌﾞ係数 (0.1～3.0)</source>
        <translation>Fade-out curve (0.1–3.0)</translation>
    </message>
</context>
<context>
    <name>ShownNumber</name>
    <message>
        <source>%1</source>
        <extracomment>A number inside a shown text. &quot;%L1&quot; writes it as the user&apos;s locale does (digit grouping, decimal point).</extracomment>
        <translation>%L1</translation>
    </message>
</context>
<context>
    <name>SplitMessages</name>
    <message>
        <source>ﾄﾗｯｸ分割</source>
        <translation>Split into Tracks</translation>
    </message>
    <message>
        <source>分割すると %1 ﾄﾗｯｸになりますが、ﾘｽﾄにはあと %2 ﾄﾗｯｸしか入りません。
ﾏｰｸを減らしてください。</source>
        <translation>The split makes %1 tracks, but the list has room for only %2 more.
Remove some marks.</translation>
    </message>
    <message>
        <source>次のﾄﾗｯｸは4秒より短いため、ﾃﾞｨｽｸに書き込めないことがあります。
%1
このまま分割しますか？</source>
        <translation>These tracks are shorter than 4 seconds and may not be written to a disc:
%1
Split anyway?</translation>
    </message>
    <message>
        <source>分割したﾄﾗｯｸの保存先</source>
        <translation>Folder for the Split Tracks</translation>
    </message>
    <message>
        <source>保存先には既に次のﾌｧｲﾙがあります。別のﾌｫﾙﾀﾞを選んでください。
%1</source>
        <translation>The folder already holds these files. Choose another folder.
%1</translation>
    </message>
    <message>
        <source>ﾄﾗｯｸを書き出せませんでした。何も書き出していません。
%1
%2</source>
        <translation>The tracks could not be written; nothing was written.
%1
%2</translation>
    </message>
    <message>
        <source>%1 ﾄﾗｯｸを書き出しています</source>
        <translation>Writing %1 tracks</translation>
    </message>
    <message>
        <source>%1 の波形を読んでいます</source>
        <translation>Reading the waveform of %1</translation>
    </message>
    <message>
        <source>%1 を読めません。
%2</source>
        <translation>%1 cannot be read.
%2</translation>
    </message>
    <message>
        <source>%1 は分割できるｵｰﾃﾞｨｵﾌｧｲﾙではありません。</source>
        <translation>%1 is no audio file that can be split.</translation>
    </message>
    <message>
        <source>CUEｼｰﾄ %1 を読めません。
%2</source>
        <translation>The CUE sheet %1 cannot be read.
%2</translation>
    </message>
    <message>
        <source>CUEｼｰﾄ %1 の %2 行目のﾌｧｲﾙ %3 が見つかりません。</source>
        <translation>The file %3 on line %2 of the CUE sheet %1 is not there.</translation>
    </message>
    <message>
        <source>%1 は短すぎて分割できません。</source>
        <translation>%1 is too short to split.</translation>
    </message>
</context>
<context>
    <name>SplitWindow</name>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>長さ</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>ﾀｲﾄﾙ</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>再生(&amp;P)</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>ﾏｰｸ(&amp;M)</source>
        <translation>&amp;Mark</translation>
    </message>
    <message>
        <source>前後を聴く(&amp;A)</source>
        <translation>Listen &amp;Around</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>拡大(&amp;I)</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>縮小(&amp;U)</source>
        <translation>Zoom O&amp;ut</translation>
    </message>
    <message>
        <source>全体(&amp;W)</source>
        <translation>&amp;Whole</translation>
    </message>
    <message>
        <source>ｽﾚｯｼｮﾙﾄﾞ(dBFS)(&amp;T):</source>
        <translation>&amp;Threshold (dBFS):</translation>
    </message>
    <message>
        <source>無音の長さ(秒)(&amp;L):</source>
        <translation>Silence &amp;length (s):</translation>
    </message>
    <message>
        <source>ﾘｰﾄﾞ(秒)(&amp;E):</source>
        <translation>L&amp;ead (s):</translation>
    </message>
    <message>
        <source>無音で区切る(&amp;S)</source>
        <translation>Split at &amp;Silences</translation>
    </message>
    <message>
        <source>候補を確定(&amp;K)</source>
        <translation>&amp;Keep Proposals</translation>
    </message>
    <message>
        <source>候補を消す(&amp;X)</source>
        <translation>Remove Proposals (&amp;X)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>4秒より短いﾄﾗｯｸです</source>
        <translation>This track is shorter than 4 seconds</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>は二重起動できません</source>
        <translation> is already running.</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙを受け取るｿｹｯﾄ %1 を作れません。<byte value="xd"/>
後から起動して開くﾌｧｲﾙは受け取れません</source>
        <translation>The socket %1, which takes the files of later starts, cannot be made.<byte value="xd"/>
Files opened by starting the program again will not be received.</translation>
    </message>
</context>
<context>
    <name>SystemErrorText</name>
    <message>
        <source>ﾌｧｲﾙが見つかりません</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙへのｱｸｾｽ権がありません</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>入出力ｴﾗｰが発生しました</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸ空き容量が不足しています</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙが途中で切れています</source>
        <translation>File cut short</translation>
    </message>
</context>
<context>
    <name>TrackName</name>
    <message>
        <source>No.%1:&quot;%2&quot;</source>
        <translation>No.%1:&quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>VersionDialog</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About Sonvelle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Ver</source>
        <translation> version </translation>
    </message>
</context>
<context>
    <name>WaveformDrawing</name>
    <message>
        <source>Env=</source>
        <translation>Curve </translation>
    </message>
</context>
<context>
    <name>WriteDialog</name>
    <message>
        <source>再検索</source>
        <translation>Look Again</translation>
    </message>
    <message>
        <source>書き込みﾃｽﾄ</source>
        <translation>Test write</translation>
    </message>
    <message>
        <source>書き込み後にﾃﾞｨｽｸを取り出す</source>
        <translation>Eject the disc after writing</translation>
    </message>
    <message>
        <source>書き込み開始</source>
        <translation>Start Writing</translation>
    </message>
    <message>
        <source>ﾄﾞﾗｲﾌﾞ:</source>
        <translation>Drive:</translation>
    </message>
    <message>
        <source>速度:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>部数:</source>
        <translation>Copies:</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸ:</source>
        <translation>Disc:</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>WriteJob</name>
    <message>
        <source>のﾌｧｲﾙはﾘｽﾄで再生する内容と違っています。</source>
        <translation>&apos;s file no longer holds what the list plays.</translation>
    </message>
    <message>
        <source>保存してから書き込んでください。</source>
        <translation>Save the tracks, then write the disc.</translation>
    </message>
</context>
</TS>
