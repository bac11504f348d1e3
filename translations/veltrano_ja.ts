<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <extracomment>The about window&apos;s accessible name; %1 is the product name.</extracomment>
        <translation>%1 のバージョン情報</translation>
    </message>
    <message>
        <source>Version 5.0</source>
        <translation>Ver. 5.0</translation>
    </message>
    <message>
        <source>© 2026 %1 · GNU GPL v3 or later</source>
        <extracomment>%1 is the company name; keep &quot;GNU GPL v3&quot;.</extracomment>
        <translation>© 2026 %1 · GNU GPL v3 以降</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Can not open file: </source>
        <translation>ファイルを開けません: </translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>エラー: </translation>
    </message>
    <message>
        <source>Cannot convert.</source>
        <translation>変換できません。</translation>
    </message>
    <message>
        <source>Please try to convert it to another format</source>
        <translation>別の形式に変換してみてください</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is encrypted.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 にはデコードできる映像も音声もありません: 暗号化されています。</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is cut short.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 にはデコードできる映像も音声もありません: ファイルが途中で切れています。</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is damaged.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 にはデコードできる映像も音声もありません: 破損しています。</translation>
    </message>
    <message>
        <source>Cannot convert the pictures of %1</source>
        <translation>%1 の映像を変換できません</translation>
    </message>
    <message>
        <source>Cannot convert the sound of %1</source>
        <translation>%1 の音声を変換できません</translation>
    </message>
    <message>
        <source>Cannot encode %1</source>
        <translation>%1 をエンコードできません</translation>
    </message>
    <message>
        <source>Cannot join by stream copy: %1 holds no picture or sound that can be copied: it is cut short or damaged.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>ダイレクトコピーで結合できません: %1 にはコピーできる映像も音声もありません: ファイルが途中で切れているか、破損しています。</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Filename Extension</source>
        <translation>ファイル拡張子</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>ビデオビットレート</translation>
    </message>
    <message>
        <source>Set the video bit rate in bps (Bit Per Second)</source>
        <translation>ビデオのビットレートを bps (ビット/秒) で設定します</translation>
    </message>
    <message>
        <source>Frame Rate (FPS)</source>
        <translation>フレームレート (FPS)</translation>
    </message>
    <message>
        <source>Set how many frames should be displayed per second. Higher frame rate increases the smoothness when played back</source>
        <translation>1 秒間に表示するフレーム数を設定します。フレームレートが高いほど再生が滑らかになります</translation>
    </message>
    <message>
        <source>Aspect Rate</source>
        <translation>アスペクト比</translation>
    </message>
    <message>
        <source>Set width to height ratio according to the screen aspect of your playback device</source>
        <translation>再生デバイスの画面に合わせて幅と高さの比率を設定します</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>オーディオビットレート</translation>
    </message>
    <message>
        <source>Set the audio bitrate in bps(Bit Per Second)</source>
        <translation>オーディオのビットレートを bps (ビット/秒) で設定します</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>サンプリングレート</translation>
    </message>
    <message>
        <source>Set the audio sampling frequency (the number of samples per second)</source>
        <translation>オーディオのサンプリング周波数 (1 秒あたりのサンプル数) を設定します</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Set number of audio channels. 1 - Mono, 2 - Stereo</source>
        <translation>オーディオのチャンネル数を設定します。1 - モノラル、2 - ステレオ</translation>
    </message>
    <message>
        <source>Remove Audio</source>
        <translation>音声を除去</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>出力ファイル</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>ビデオ設定</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>オーディオ設定</translation>
    </message>
    <message>
        <source>True</source>
        <extracomment>The state of a grid check box, as a screen reader reads it.</extracomment>
        <translation>はい</translation>
    </message>
    <message>
        <source>False</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A grid value: the program chooses it.</extracomment>
        <translation>自動</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Please add more file to the list.</source>
        <translation>リストにファイルを 2 つ以上追加してください。</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>終了しますか？</translation>
    </message>
    <message>
        <source>Total Files: 0</source>
        <translation>ファイル数: 0</translation>
    </message>
    <message>
        <source>Total Duration: 00:00:00</source>
        <translation>合計再生時間: 00:00:00</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>メニューバー</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>List</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>The accessible name of a menu bar menu; %1 is its caption (&quot;File menu&quot;).</extracomment>
        <translation>%1 メニュー</translation>
    </message>
    <message>
        <source>List context menu</source>
        <translation>リストのコンテキストメニュー</translation>
    </message>
    <message>
        <source>Toobar</source>
        <extracomment>The toolbar&apos;s window title (shown in its context menu); the misspelling is historic.</extracomment>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>ステータスバー</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>お待ちください...</translation>
    </message>
    <message>
        <source>Reading files</source>
        <translation>ファイルを読み込んでいます</translation>
    </message>
    <message>
        <source>Reading files, please wait...</source>
        <translation>ファイルを読み込んでいます。お待ちください...</translation>
    </message>
    <message>
        <source>Files to join</source>
        <translation>結合するファイル</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Join Files</source>
        <translation>ファイルを結合</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>結合</translation>
    </message>
    <message>
        <source>Exit     </source>
        <translation>終了     </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>選択の切り替え</translation>
    </message>
    <message>
        <source>Remove Selected Files</source>
        <translation>選択したファイルをリストから削除</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>リストをクリア</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>ヘルプの目次</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web サイト</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>バージョン情報...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>再生時間</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>画像サイズ</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>ファイルサイズ</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>ビデオコーデック</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>オーディオコーデック</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>サポートされているすべてのビデオ ファイル</translation>
    </message>
    <message>
        <source>3GPP files (%1)</source>
        <extracomment>%1 is the list of file patterns, kept as it is.</extracomment>
        <translation>3GPP ファイル (%1)</translation>
    </message>
    <message>
        <source>AMV files (*.amv)</source>
        <translation>AMV ファイル (*.amv)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>AVI ファイル (*.avi)</translation>
    </message>
    <message>
        <source>Digital Video Files (*.dv)</source>
        <translation>デジタル ビデオ ファイル (*.dv)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob)</source>
        <translation>DVD ビデオ ファイル (*.vob)</translation>
    </message>
    <message>
        <source>Flash Video (*.flv,*.f4v)</source>
        <translation>Flash ビデオ (*.flv,*.f4v)</translation>
    </message>
    <message>
        <source>Matroska Video (*.mkv)</source>
        <translation>Matroska ビデオ (*.mkv)</translation>
    </message>
    <message>
        <source>MPEG Files (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)</source>
        <translation>MPEG ファイル (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)</translation>
    </message>
    <message>
        <source>MPEG-4 files(*.mp4,*.m4v)</source>
        <translation>MPEG-4 ファイル (*.mp4,*.m4v)</translation>
    </message>
    <message>
        <source>NDS DPG Files (*.dpg)</source>
        <translation>NDS DPG ファイル (*.dpg)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov,*.qt)</source>
        <translation>QuickTime ファイル (*.mov,*.qt)</translation>
    </message>
    <message>
        <source>RealMedia file (*.rm,*.rmvb)</source>
        <translation>RealMedia ファイル (*.rm,*.rmvb)</translation>
    </message>
    <message>
        <source>VCD Movie Files (*.dat)</source>
        <translation>VCD ムービー ファイル (*.dat)</translation>
    </message>
    <message>
        <source>WebM Video Files (*.webm)</source>
        <translation>WebM ビデオ ファイル (*.webm)</translation>
    </message>
    <message>
        <source>Windows Media Video Files (*.wmv,*.asf)</source>
        <translation>Windows Media ビデオ ファイル (*.wmv,*.asf)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Total Files: %1</source>
        <extracomment>%1 is the number of files.</extracomment>
        <translation>ファイル数: %1</translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <extracomment>%1 is the duration as hh:mm:ss.</extracomment>
        <translation>合計再生時間: %1</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Join Finished. Click here to open the output folder</source>
        <translation>結合が完了しました。クリックして出力フォルダーを開きます</translation>
    </message>
    <message>
        <source>Join finished notice. Escape closes it.</source>
        <translation>結合完了の通知です。Esc キーで閉じます。</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Video lib not found</source>
        <translation>ビデオライブラリが見つかりません</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>再生位置</translation>
    </message>
    <message>
        <source>Preview player</source>
        <translation>プレビュープレーヤー</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Player controls</source>
        <translation>再生コントロール</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Muted speaker</source>
        <translation>ミュート中のスピーカー</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>スピーカー</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>音声オフ</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>音声オン</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>General Video Format</source>
        <translation>一般的なビデオ形式</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source></source>
        <comment>Output profile captions and the profile menu&apos;s group names. Device, product, codec and format names, file extensions and figures stay as they are; translate only the descriptive words (&quot;Video&quot;, &quot;Audio&quot;, &quot;HD Video&quot;, &quot;for TV&quot;, &quot;High quality&quot;). An empty translation shows the English caption.</comment>
        <translation></translation>
    </message>
    <message>
        <source>3GP - 3GP Format (*.3gp)</source>
        <translation>3GP - 3GP 形式 (*.3gp)</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - Advanced Streaming Format (*.asf)</translation>
    </message>
    <message>
        <source>AVI - AVI Xvid Format (*.avi)</source>
        <translation>AVI - AVI Xvid 形式 (*.avi)</translation>
    </message>
    <message>
        <source>F4V - Flash Video (*.f4v)</source>
        <translation>F4V - Flash Video (*.f4v)</translation>
    </message>
    <message>
        <source>FLV - Flash Video (*.flv)</source>
        <translation>FLV - Flash Video (*.flv)</translation>
    </message>
    <message>
        <source>MKV - Matroska Video (*.mkv)</source>
        <translation>MKV - Matroska Video (*.mkv)</translation>
    </message>
    <message>
        <source>MOV - QuickTime Video (*.mov)</source>
        <translation>MOV - QuickTime ビデオ (*.mov)</translation>
    </message>
    <message>
        <source>MP4 - H264 Video (*.mp4)</source>
        <translation>MP4 - H264 ビデオ (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - MPEG-4 Video (*.mp4)</source>
        <translation>MP4 - MPEG-4 ビデオ (*.mp4)</translation>
    </message>
    <message>
        <source>MPG - MPEG-1 Video (*.mpg)</source>
        <translation>MPG - MPEG-1 ビデオ (*.mpg)</translation>
    </message>
    <message>
        <source>MPG - MPEG-2 Video (*.mpg)</source>
        <translation>MPG - MPEG-2 ビデオ (*.mpg)</translation>
    </message>
    <message>
        <source>RM - Real Video (*.rm)</source>
        <translation>RM - Real Video (*.rm)</translation>
    </message>
    <message>
        <source>SWF - Shock Wave Flash (*.swf)</source>
        <translation>SWF - Shock Wave Flash (*.swf)</translation>
    </message>
    <message>
        <source>VOB - DVD Video Object (*.vob)</source>
        <translation>VOB - DVD Video Object (*.vob)</translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation>WMV - Windows Media Video (*.wmv)</translation>
    </message>
    <message>
        <source>Android - MPEG4 Video</source>
        <translation>Android - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>Android - H264 Video 320x240</source>
        <translation>Android - H264 ビデオ 320x240</translation>
    </message>
    <message>
        <source>Android - H264 Video 480x320</source>
        <translation>Android - H264 ビデオ 480x320</translation>
    </message>
    <message>
        <source>Android - H264 Video 800x480</source>
        <translation>Android - H264 ビデオ 800x480</translation>
    </message>
    <message>
        <source>Android - H264 Video 854x480</source>
        <translation>Android - H264 ビデオ 854x480</translation>
    </message>
    <message>
        <source>HTC G2 Magic - MPEG4 Video</source>
        <translation>HTC G2 Magic - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>HTC Hero - MPEG4 Video</source>
        <translation>HTC Hero - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>HTC Tattoo - MPEG4 Video</source>
        <translation>HTC Tattoo - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>Motorola CLIQ - MPEG4 Video</source>
        <translation>Motorola CLIQ - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>Motorola Droid - MPEG4 Video</source>
        <translation>Motorola Droid - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>Nexus One - MPEG4 Video</source>
        <translation>Nexus One - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>Samsung i7500 - MPEG4 Video</source>
        <translation>Samsung i7500 - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>Samsung P1000 - H264 Video</source>
        <translation>Samsung P1000 - H264 ビデオ</translation>
    </message>
    <message>
        <source>Android Pad</source>
        <translation>Android タブレット</translation>
    </message>
    <message>
        <source>Samsung P1000 - MPEG4 Video</source>
        <translation>Samsung P1000 - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>Motorola Xoom - H264 Video</source>
        <translation>Motorola Xoom - H264 ビデオ</translation>
    </message>
    <message>
        <source>Motorola Xoom - MPEG4 Video</source>
        <translation>Motorola Xoom - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>Apple TV - MPEG4 Video</source>
        <translation>Apple TV - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>Apple TV</source>
        <translation>Apple TV</translation>
    </message>
    <message>
        <source>Apple TV - H264 Video</source>
        <translation>Apple TV - H264 ビデオ</translation>
    </message>
    <message>
        <source>Apple TV - H264 HD Video</source>
        <translation>Apple TV - H264 HD ビデオ</translation>
    </message>
    <message>
        <source>BlackBerry - 3GP Video</source>
        <translation>BlackBerry - 3GP ビデオ</translation>
    </message>
    <message>
        <source>BlackBerry</source>
        <translation>BlackBerry</translation>
    </message>
    <message>
        <source>BlackBerry - MPEG4 Video</source>
        <translation>BlackBerry - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>BlackBerry 8800/8700/8500/8300 - MPEG4 Video</source>
        <translation>BlackBerry 8800/8700/8500/8300 - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>BlackBerry Bold 9000 - H264 Video</source>
        <translation>BlackBerry Bold 9000 - H264 ビデオ</translation>
    </message>
    <message>
        <source>BlackBerry Bold 9700 - H264 Video</source>
        <translation>BlackBerry Bold 9700 - H264 ビデオ</translation>
    </message>
    <message>
        <source>BlackBerry Charm 7100  - MPEG4 Video</source>
        <translation>BlackBerry Charm 7100 - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>BlackBerry Curve 8900 - H264 Video</source>
        <translation>BlackBerry Curve 8900 - H264 ビデオ</translation>
    </message>
    <message>
        <source>BlackBerry Flip 8220/8230  - MPEG4 Video</source>
        <translation>BlackBerry Flip 8220/8230 - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>BlackBerry Pearl 8100/8110/8120/8130 - MPEG4 Video</source>
        <translation>BlackBerry Pearl 8100/8110/8120/8130 - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - H264 Video</source>
        <translation>BlackBerry Playbook - H264 ビデオ</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - MPEG4 Video</source>
        <translation>BlackBerry Playbook - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - WMV Video</source>
        <translation>BlackBerry Playbook - WMV ビデオ</translation>
    </message>
    <message>
        <source>BlackBerry Storm/Storm2/Torch/Tour - H264 Video</source>
        <translation>BlackBerry Storm/Storm2/Torch/Tour - H264 ビデオ</translation>
    </message>
    <message>
        <source>BlackBerry Tour 9630 - H264 Video</source>
        <translation>BlackBerry Tour 9630 - H264 ビデオ</translation>
    </message>
    <message>
        <source>HD - ASF Video</source>
        <translation>HD - ASF ビデオ</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>HD ビデオ</translation>
    </message>
    <message>
        <source>HD - H264 Video</source>
        <translation>HD - H264 ビデオ</translation>
    </message>
    <message>
        <source>HD - MKV Video</source>
        <translation>HD - MKV ビデオ</translation>
    </message>
    <message>
        <source>HD - MOV Video</source>
        <translation>HD - MOV ビデオ</translation>
    </message>
    <message>
        <source>HD - MPEG4 Video</source>
        <translation>HD - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>HD - RM Video</source>
        <translation>HD - RM ビデオ</translation>
    </message>
    <message>
        <source>HD - WMV Video</source>
        <translation>HD - WMV ビデオ</translation>
    </message>
    <message>
        <source>HD - Xvid Video</source>
        <translation>HD - Xvid ビデオ</translation>
    </message>
    <message>
        <source>iPad - MPEG4 Video</source>
        <translation>iPad - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>iPad</source>
        <translation>iPad</translation>
    </message>
    <message>
        <source>iPad - H264 Video</source>
        <translation>iPad - H264 ビデオ</translation>
    </message>
    <message>
        <source>iPad - H264 HD Video</source>
        <translation>iPad - H264 HD ビデオ</translation>
    </message>
    <message>
        <source>iPad2 - H264 HD Video</source>
        <translation>iPad2 - H264 HD ビデオ</translation>
    </message>
    <message>
        <source>iPhone - H.264 Video</source>
        <translation>iPhone - H.264 ビデオ</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>iPhone - H.264 Video for TV</source>
        <translation>iPhone - H.264 ビデオ (テレビ用)</translation>
    </message>
    <message>
        <source>iPhone - MPEG4 Video</source>
        <translation>iPhone - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>iPhone4 - H.264 Video</source>
        <translation>iPhone4 - H.264 ビデオ</translation>
    </message>
    <message>
        <source>iPod - H264 Video</source>
        <translation>iPod - H264 ビデオ</translation>
    </message>
    <message>
        <source>iPod</source>
        <translation>iPod</translation>
    </message>
    <message>
        <source>iPod - H264 Video for TV</source>
        <translation>iPod - H264 ビデオ (テレビ用)</translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video</source>
        <translation>iPod - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video for TV</source>
        <translation>iPod - MPEG4 ビデオ (テレビ用)</translation>
    </message>
    <message>
        <source>iPod Nano 5 - H264 Video</source>
        <translation>iPod Nano 5 - H264 ビデオ</translation>
    </message>
    <message>
        <source>iPod Nano 5 - MPEG4 Video</source>
        <translation>iPod Nano 5 - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video</source>
        <translation>iPod Touch - H264 ビデオ</translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video for TV</source>
        <translation>iPod Touch - H264 ビデオ (テレビ用)</translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video</source>
        <translation>iPod Touch - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video for TV</source>
        <translation>iPod Touch - MPEG4 ビデオ (テレビ用)</translation>
    </message>
    <message>
        <source>iPod Touch4 - H264 Video</source>
        <translation>iPod Touch4 - H264 ビデオ</translation>
    </message>
    <message>
        <source>PS3 - H264 Video</source>
        <translation>PS3 - H264 ビデオ</translation>
    </message>
    <message>
        <source>PS3</source>
        <translation>PS3</translation>
    </message>
    <message>
        <source>PS3 - H264 HD Video</source>
        <translation>PS3 - H264 HD ビデオ</translation>
    </message>
    <message>
        <source>PS3 - WMV Video</source>
        <translation>PS3 - WMV ビデオ</translation>
    </message>
    <message>
        <source>PS3 - WMV HD Video</source>
        <translation>PS3 - WMV HD ビデオ</translation>
    </message>
    <message>
        <source>PS3 - Xvid Video</source>
        <translation>PS3 - Xvid ビデオ</translation>
    </message>
    <message>
        <source>PS3 - Xvid HD Video</source>
        <translation>PS3 - Xvid HD ビデオ</translation>
    </message>
    <message>
        <source>Archos - H264 Video</source>
        <translation>Archos - H264 ビデオ</translation>
    </message>
    <message>
        <source>PMP</source>
        <translation>ポータブルプレーヤー</translation>
    </message>
    <message>
        <source>Archos - MPEG4 Video</source>
        <translation>Archos - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>Archos - WMV Video</source>
        <translation>Archos - WMV ビデオ</translation>
    </message>
    <message>
        <source>Creative ZEN - H264 Video</source>
        <translation>Creative ZEN - H264 ビデオ</translation>
    </message>
    <message>
        <source>Creative ZEN - MPEG4 Video</source>
        <translation>Creative ZEN - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>Creative ZEN - WMV Video</source>
        <translation>Creative ZEN - WMV ビデオ</translation>
    </message>
    <message>
        <source>Creative ZEN - Xvid Video</source>
        <translation>Creative ZEN - Xvid ビデオ</translation>
    </message>
    <message>
        <source>iRiver - H264 Video</source>
        <translation>iRiver - H264 ビデオ</translation>
    </message>
    <message>
        <source>iRiver - MPEG4 Video</source>
        <translation>iRiver - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>iRiver - WMV Video</source>
        <translation>iRiver - WMV ビデオ</translation>
    </message>
    <message>
        <source>iRiver - Xvid Video</source>
        <translation>iRiver - Xvid ビデオ</translation>
    </message>
    <message>
        <source>Zune - H264 Video</source>
        <translation>Zune - H264 ビデオ</translation>
    </message>
    <message>
        <source>Zune - MPEG4 Video</source>
        <translation>Zune - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>Zune - WMV Video</source>
        <translation>Zune - WMV ビデオ</translation>
    </message>
    <message>
        <source>PSP - H264 Video</source>
        <translation>PSP - H264 ビデオ</translation>
    </message>
    <message>
        <source>PSP</source>
        <translation>PSP</translation>
    </message>
    <message>
        <source>PSP - H264 Video for TV</source>
        <translation>PSP - H264 ビデオ (テレビ用)</translation>
    </message>
    <message>
        <source>PSP - H264 Video for firmware 2.0 and above</source>
        <translation>PSP - H264 ビデオ (ファームウェア 2.0 以降)</translation>
    </message>
    <message>
        <source>PSP - MPEG4 Video</source>
        <translation>PSP - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>DVD NTSC - MPEG-2  Video</source>
        <translation>DVD NTSC - MPEG-2 ビデオ</translation>
    </message>
    <message>
        <source>VCD/DVD</source>
        <translation>VCD/DVD</translation>
    </message>
    <message>
        <source>DVD PAL - MPEG-2 Video</source>
        <translation>DVD PAL - MPEG-2 ビデオ</translation>
    </message>
    <message>
        <source>VCD NTSC - MPEG-1 Video</source>
        <translation>VCD NTSC - MPEG-1 ビデオ</translation>
    </message>
    <message>
        <source>VCD PAL - MPEG-1 Video</source>
        <translation>VCD PAL - MPEG-1 ビデオ</translation>
    </message>
    <message>
        <source>Dailymotion - H264 Video</source>
        <translation>Dailymotion - H264 ビデオ</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>Web ビデオ</translation>
    </message>
    <message>
        <source>Dailymotion - H264 HD Video</source>
        <translation>Dailymotion - H264 HD ビデオ</translation>
    </message>
    <message>
        <source>Facebook - H264 Video</source>
        <translation>Facebook - H264 ビデオ</translation>
    </message>
    <message>
        <source>Facebook - H264 HD Video</source>
        <translation>Facebook - H264 HD ビデオ</translation>
    </message>
    <message>
        <source>Flickr - H264 Video</source>
        <translation>Flickr - H264 ビデオ</translation>
    </message>
    <message>
        <source>Flickr - H264 HD Video</source>
        <translation>Flickr - H264 HD ビデオ</translation>
    </message>
    <message>
        <source>TwitVid - H264 Video</source>
        <translation>TwitVid - H264 ビデオ</translation>
    </message>
    <message>
        <source>TwitVid - H264 HD Video</source>
        <translation>TwitVid - H264 HD ビデオ</translation>
    </message>
    <message>
        <source>Vimeo - H264 Video</source>
        <translation>Vimeo - H264 ビデオ</translation>
    </message>
    <message>
        <source>Vimeo - H264 HD Video</source>
        <translation>Vimeo - H264 HD ビデオ</translation>
    </message>
    <message>
        <source>YOUTUBE - H264 Video</source>
        <translation>YOUTUBE - H264 ビデオ</translation>
    </message>
    <message>
        <source>YOUTUBE - H264 HD Video</source>
        <translation>YOUTUBE - H264 HD ビデオ</translation>
    </message>
    <message>
        <source>Windows Phone 7 - H264 Video</source>
        <translation>Windows Phone 7 - H264 ビデオ</translation>
    </message>
    <message>
        <source>Windows Phone</source>
        <translation>Windows Phone</translation>
    </message>
    <message>
        <source>Windows Phone 7 - MPEG4 Video</source>
        <translation>Windows Phone 7 - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>Windows Phone 7 - WMV Video</source>
        <translation>Windows Phone 7 - WMV ビデオ</translation>
    </message>
    <message>
        <source>Xbox360 - H264 Video</source>
        <translation>Xbox360 - H264 ビデオ</translation>
    </message>
    <message>
        <source>Xbox</source>
        <translation>Xbox</translation>
    </message>
    <message>
        <source>Xbox360 - H264 HD Video</source>
        <translation>Xbox360 - H264 HD ビデオ</translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 Video</source>
        <translation>Xbox360 - MPEG4 ビデオ</translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 HD Video</source>
        <translation>Xbox360 - MPEG4 HD ビデオ</translation>
    </message>
    <message>
        <source>Xbox360 - WMV Video</source>
        <translation>Xbox360 - WMV ビデオ</translation>
    </message>
    <message>
        <source>Xbox360 - WMV HD Video</source>
        <translation>Xbox360 - WMV HD ビデオ</translation>
    </message>
    <message>
        <source>Xbox360 - Xvid Video</source>
        <translation>Xbox360 - Xvid ビデオ</translation>
    </message>
    <message>
        <source>Xbox360 - Xvid HD Video</source>
        <translation>Xbox360 - Xvid HD ビデオ</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Video lib not found</source>
        <translation>ビデオライブラリが見つかりません</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>お待ちください...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Join Finished!</source>
        <translation>結合が完了しました！</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Join progress</source>
        <translation>結合の進行状況</translation>
    </message>
    <message>
        <source>Percent done</source>
        <translation>完了率</translation>
    </message>
    <message>
        <source>Join figures</source>
        <translation>結合の状況</translation>
    </message>
    <message>
        <source>Time Elapsed: </source>
        <translation>経過時間: </translation>
    </message>
    <message>
        <source>Remaining Time:</source>
        <translation>残り時間:</translation>
    </message>
    <message>
        <source>Estimated Size: </source>
        <translation>推定サイズ: </translation>
    </message>
    <message>
        <source>Join note</source>
        <translation>結合に関する注意</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>カスタム...</translation>
    </message>
    <message>
        <source>High (larger file size)</source>
        <translation>高 (ファイルサイズ大)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Low (smaller file size)</source>
        <translation>低 (ファイルサイズ小)</translation>
    </message>
    <message>
        <source>Direct stream copy. Keep original format. (All files must be same format)</source>
        <translation>ダイレクトコピー (元の形式を維持。すべてのファイルが同じ形式であること)</translation>
    </message>
    <message>
        <source>Convert to another format</source>
        <translation>別の形式に変換</translation>
    </message>
    <message>
        <source>More &gt;&gt;</source>
        <translation>詳細 &gt;&gt;</translation>
    </message>
    <message>
        <source>More &lt;&lt;</source>
        <translation>詳細 &lt;&lt;</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Invalid file name!</source>
        <translation>ファイル名が無効です。</translation>
    </message>
    <message>
        <source>Invalid path!</source>
        <translation>パスが無効です。</translation>
    </message>
    <message>
        <source>Not same format</source>
        <translation>形式が一致しません</translation>
    </message>
    <message>
        <source>To use the &apos;Direct copy stream&apos; function, all video files must be same format</source>
        <translation>ダイレクトコピーを使用するには、すべての動画ファイルが同じ形式である必要があります</translation>
    </message>
    <message>
        <source>The output file is one of the files to join. Please choose another name or folder.</source>
        <translation>出力ファイルが結合するファイルの 1 つと同じです。別の名前またはフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>出力設定</translation>
    </message>
    <message>
        <source>The output file already exists. Do you want to replace it?</source>
        <translation>出力ファイルは既に存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Join Now</source>
        <translation>結合開始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>出力形式:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>保存先:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>画像サイズ:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高さ:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>画質:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>音質:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>幅:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>ファイル名:</translation>
    </message>
    <message>
        <source>Join without converting</source>
        <translation>変換せずに結合</translation>
    </message>
    <message>
        <source>Show or hide advanced settings</source>
        <translation>詳細設定の表示/非表示を切り替えます</translation>
    </message>
    <message>
        <source>Browse for the destination folder</source>
        <translation>保存先フォルダーを参照</translation>
    </message>
    <message>
        <source>Conversion settings</source>
        <translation>変換設定</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>出力形式</translation>
    </message>
    <message>
        <source>Opens the menu of output profiles</source>
        <translation>出力プロファイルのメニューを開きます</translation>
    </message>
    <message>
        <source>Video size</source>
        <translation>画像サイズ</translation>
    </message>
    <message>
        <source>Video width</source>
        <translation>画像の幅</translation>
    </message>
    <message>
        <source>Video height</source>
        <translation>画像の高さ</translation>
    </message>
    <message>
        <source>Video quality</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>Audio quality</source>
        <translation>音質</translation>
    </message>
    <message>
        <source>Output file name</source>
        <translation>出力ファイル名</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>保存先フォルダー</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Output profiles</source>
        <translation>出力プロファイル</translation>
    </message>
    <message>
        <source>Advanced settings items</source>
        <translation>詳細設定の項目</translation>
    </message>
</context>
</TS>
