<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <extracomment>The about window&apos;s accessible name; %1 is the product name.</extracomment>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Version 5.0</source>
        <translation>版本 5.0</translation>
    </message>
    <message>
        <source>© 2026 %1 · GNU GPL v3 or later</source>
        <extracomment>%1 is the company name; keep &quot;GNU GPL v3&quot;.</extracomment>
        <translation>© 2026 %1 · GNU GPL v3 或更高版本</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Can not open file: </source>
        <translation>无法打开文件： </translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>错误： </translation>
    </message>
    <message>
        <source>Cannot convert.</source>
        <translation>无法转换。</translation>
    </message>
    <message>
        <source>Please try to convert it to another format</source>
        <translation>请尝试转换为其他格式</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is encrypted.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 中没有可解码的画面或声音：文件已加密。</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is cut short.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 中没有可解码的画面或声音：文件不完整。</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is damaged.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 中没有可解码的画面或声音：文件已损坏。</translation>
    </message>
    <message>
        <source>Cannot convert the pictures of %1</source>
        <translation>无法转换 %1 的画面</translation>
    </message>
    <message>
        <source>Cannot convert the sound of %1</source>
        <translation>无法转换 %1 的声音</translation>
    </message>
    <message>
        <source>Cannot encode %1</source>
        <translation>无法编码 %1</translation>
    </message>
    <message>
        <source>Cannot join by stream copy: %1 holds no picture or sound that can be copied: it is cut short or damaged.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>无法通过直接复制合并：%1 中没有可复制的画面或声音：文件不完整或已损坏。</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Filename Extension</source>
        <translation>文件扩展名</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>视频码率</translation>
    </message>
    <message>
        <source>Set the video bit rate in bps (Bit Per Second)</source>
        <translation>设置视频码率，单位为 bps（比特每秒）</translation>
    </message>
    <message>
        <source>Frame Rate (FPS)</source>
        <translation>帧率 (FPS)</translation>
    </message>
    <message>
        <source>Set how many frames should be displayed per second. Higher frame rate increases the smoothness when played back</source>
        <translation>设置每秒显示的帧数。帧率越高，播放越流畅</translation>
    </message>
    <message>
        <source>Aspect Rate</source>
        <translation>宽高比</translation>
    </message>
    <message>
        <source>Set width to height ratio according to the screen aspect of your playback device</source>
        <translation>根据播放设备的屏幕比例设置宽高比</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>音频码率</translation>
    </message>
    <message>
        <source>Set the audio bitrate in bps(Bit Per Second)</source>
        <translation>设置音频码率，单位为 bps（比特每秒）</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>采样率</translation>
    </message>
    <message>
        <source>Set the audio sampling frequency (the number of samples per second)</source>
        <translation>设置音频采样率（每秒的采样数）</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Set number of audio channels. 1 - Mono, 2 - Stereo</source>
        <translation>设置音频声道数。1 - 单声道，2 - 立体声</translation>
    </message>
    <message>
        <source>Remove Audio</source>
        <translation>去除声音</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>输出文件</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>视频设置</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>音频设置</translation>
    </message>
    <message>
        <source>True</source>
        <extracomment>The state of a grid check box, as a screen reader reads it.</extracomment>
        <translation>是</translation>
    </message>
    <message>
        <source>False</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A grid value: the program chooses it.</extracomment>
        <translation>自动</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Please add more file to the list.</source>
        <translation>请在列表中至少添加两个文件。</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>您确定要退出吗？</translation>
    </message>
    <message>
        <source>Total Files: 0</source>
        <translation>文件总数： 0</translation>
    </message>
    <message>
        <source>Total Duration: 00:00:00</source>
        <translation>总时长： 00:00:00</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>菜单栏</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>The accessible name of a menu bar menu; %1 is its caption (&quot;File menu&quot;).</extracomment>
        <translation>%1菜单</translation>
    </message>
    <message>
        <source>List context menu</source>
        <translation>列表上下文菜单</translation>
    </message>
    <message>
        <source>Toobar</source>
        <extracomment>The toolbar&apos;s window title (shown in its context menu); the misspelling is historic.</extracomment>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>请稍候...</translation>
    </message>
    <message>
        <source>Reading files</source>
        <translation>正在读取文件</translation>
    </message>
    <message>
        <source>Reading files, please wait...</source>
        <translation>正在读取文件，请稍候...</translation>
    </message>
    <message>
        <source>Files to join</source>
        <translation>要合并的文件</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Join Files</source>
        <translation>合并文件</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>合并</translation>
    </message>
    <message>
        <source>Exit     </source>
        <translation>退出     </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>反向选择</translation>
    </message>
    <message>
        <source>Remove Selected Files</source>
        <translation>移除选中的文件</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>清空列表</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>帮助内容</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>画面尺寸</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>文件大小</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>视频编解码器</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>音频编解码器</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>所有支持的视频文件</translation>
    </message>
    <message>
        <source>3GPP files (%1)</source>
        <extracomment>%1 is the list of file patterns, kept as it is.</extracomment>
        <translation>3GPP 文件 (%1)</translation>
    </message>
    <message>
        <source>AMV files (*.amv)</source>
        <translation>AMV 文件 (*.amv)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>AVI 文件 (*.avi)</translation>
    </message>
    <message>
        <source>Digital Video Files (*.dv)</source>
        <translation>数字视频文件 (*.dv)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob)</source>
        <translation>DVD 视频文件 (*.vob)</translation>
    </message>
    <message>
        <source>Flash Video (*.flv,*.f4v)</source>
        <translation>Flash 视频 (*.flv,*.f4v)</translation>
    </message>
    <message>
        <source>Matroska Video (*.mkv)</source>
        <translation>Matroska 视频 (*.mkv)</translation>
    </message>
    <message>
        <source>MPEG Files (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)</source>
        <translation>MPEG 文件 (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)</translation>
    </message>
    <message>
        <source>MPEG-4 files(*.mp4,*.m4v)</source>
        <translation>MPEG-4 文件 (*.mp4,*.m4v)</translation>
    </message>
    <message>
        <source>NDS DPG Files (*.dpg)</source>
        <translation>NDS DPG 文件 (*.dpg)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov,*.qt)</source>
        <translation>QuickTime 文件 (*.mov,*.qt)</translation>
    </message>
    <message>
        <source>RealMedia file (*.rm,*.rmvb)</source>
        <translation>RealMedia 文件 (*.rm,*.rmvb)</translation>
    </message>
    <message>
        <source>VCD Movie Files (*.dat)</source>
        <translation>VCD 影片文件 (*.dat)</translation>
    </message>
    <message>
        <source>WebM Video Files (*.webm)</source>
        <translation>WebM 视频文件 (*.webm)</translation>
    </message>
    <message>
        <source>Windows Media Video Files (*.wmv,*.asf)</source>
        <translation>Windows Media 视频文件 (*.wmv,*.asf)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Total Files: %1</source>
        <extracomment>%1 is the number of files.</extracomment>
        <translation>文件总数：%1</translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <extracomment>%1 is the duration as hh:mm:ss.</extracomment>
        <translation>总时长：%1</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Join Finished. Click here to open the output folder</source>
        <translation>合并完成。单击此处打开输出文件夹</translation>
    </message>
    <message>
        <source>Join finished notice. Escape closes it.</source>
        <translation>合并完成通知。按 Esc 键关闭。</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Video lib not found</source>
        <translation>找不到视频库</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>播放位置</translation>
    </message>
    <message>
        <source>Preview player</source>
        <translation>预览播放器</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Player controls</source>
        <translation>播放控制</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Muted speaker</source>
        <translation>扬声器已静音</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>扬声器</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>声音已关闭</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>声音已打开</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>General Video Format</source>
        <translation>常用视频格式</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source></source>
        <comment>Output profile captions and the profile menu&apos;s group names. Device, product, codec and format names, file extensions and figures stay as they are; translate only the descriptive words (&quot;Video&quot;, &quot;Audio&quot;, &quot;HD Video&quot;, &quot;for TV&quot;, &quot;High quality&quot;). An empty translation shows the English caption.</comment>
        <translation></translation>
    </message>
    <message>
        <source>3GP - 3GP Format (*.3gp)</source>
        <translation>3GP - 3GP 格式 (*.3gp)</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - Advanced Streaming Format (*.asf)</translation>
    </message>
    <message>
        <source>AVI - AVI Xvid Format (*.avi)</source>
        <translation>AVI - AVI Xvid 格式 (*.avi)</translation>
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
        <translation>MOV - QuickTime 视频 (*.mov)</translation>
    </message>
    <message>
        <source>MP4 - H264 Video (*.mp4)</source>
        <translation>MP4 - H264 视频 (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - MPEG-4 Video (*.mp4)</source>
        <translation>MP4 - MPEG-4 视频 (*.mp4)</translation>
    </message>
    <message>
        <source>MPG - MPEG-1 Video (*.mpg)</source>
        <translation>MPG - MPEG-1 视频 (*.mpg)</translation>
    </message>
    <message>
        <source>MPG - MPEG-2 Video (*.mpg)</source>
        <translation>MPG - MPEG-2 视频 (*.mpg)</translation>
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
        <translation>Android - MPEG4 视频</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>Android - H264 Video 320x240</source>
        <translation>Android - H264 视频 320x240</translation>
    </message>
    <message>
        <source>Android - H264 Video 480x320</source>
        <translation>Android - H264 视频 480x320</translation>
    </message>
    <message>
        <source>Android - H264 Video 800x480</source>
        <translation>Android - H264 视频 800x480</translation>
    </message>
    <message>
        <source>Android - H264 Video 854x480</source>
        <translation>Android - H264 视频 854x480</translation>
    </message>
    <message>
        <source>HTC G2 Magic - MPEG4 Video</source>
        <translation>HTC G2 Magic - MPEG4 视频</translation>
    </message>
    <message>
        <source>HTC Hero - MPEG4 Video</source>
        <translation>HTC Hero - MPEG4 视频</translation>
    </message>
    <message>
        <source>HTC Tattoo - MPEG4 Video</source>
        <translation>HTC Tattoo - MPEG4 视频</translation>
    </message>
    <message>
        <source>Motorola CLIQ - MPEG4 Video</source>
        <translation>Motorola CLIQ - MPEG4 视频</translation>
    </message>
    <message>
        <source>Motorola Droid - MPEG4 Video</source>
        <translation>Motorola Droid - MPEG4 视频</translation>
    </message>
    <message>
        <source>Nexus One - MPEG4 Video</source>
        <translation>Nexus One - MPEG4 视频</translation>
    </message>
    <message>
        <source>Samsung i7500 - MPEG4 Video</source>
        <translation>Samsung i7500 - MPEG4 视频</translation>
    </message>
    <message>
        <source>Samsung P1000 - H264 Video</source>
        <translation>Samsung P1000 - H264 视频</translation>
    </message>
    <message>
        <source>Android Pad</source>
        <translation>Android 平板</translation>
    </message>
    <message>
        <source>Samsung P1000 - MPEG4 Video</source>
        <translation>Samsung P1000 - MPEG4 视频</translation>
    </message>
    <message>
        <source>Motorola Xoom - H264 Video</source>
        <translation>Motorola Xoom - H264 视频</translation>
    </message>
    <message>
        <source>Motorola Xoom - MPEG4 Video</source>
        <translation>Motorola Xoom - MPEG4 视频</translation>
    </message>
    <message>
        <source>Apple TV - MPEG4 Video</source>
        <translation>Apple TV - MPEG4 视频</translation>
    </message>
    <message>
        <source>Apple TV</source>
        <translation>Apple TV</translation>
    </message>
    <message>
        <source>Apple TV - H264 Video</source>
        <translation>Apple TV - H264 视频</translation>
    </message>
    <message>
        <source>Apple TV - H264 HD Video</source>
        <translation>Apple TV - H264 高清视频</translation>
    </message>
    <message>
        <source>BlackBerry - 3GP Video</source>
        <translation>BlackBerry - 3GP 视频</translation>
    </message>
    <message>
        <source>BlackBerry</source>
        <translation>BlackBerry</translation>
    </message>
    <message>
        <source>BlackBerry - MPEG4 Video</source>
        <translation>BlackBerry - MPEG4 视频</translation>
    </message>
    <message>
        <source>BlackBerry 8800/8700/8500/8300 - MPEG4 Video</source>
        <translation>BlackBerry 8800/8700/8500/8300 - MPEG4 视频</translation>
    </message>
    <message>
        <source>BlackBerry Bold 9000 - H264 Video</source>
        <translation>BlackBerry Bold 9000 - H264 视频</translation>
    </message>
    <message>
        <source>BlackBerry Bold 9700 - H264 Video</source>
        <translation>BlackBerry Bold 9700 - H264 视频</translation>
    </message>
    <message>
        <source>BlackBerry Charm 7100  - MPEG4 Video</source>
        <translation>BlackBerry Charm 7100 - MPEG4 视频</translation>
    </message>
    <message>
        <source>BlackBerry Curve 8900 - H264 Video</source>
        <translation>BlackBerry Curve 8900 - H264 视频</translation>
    </message>
    <message>
        <source>BlackBerry Flip 8220/8230  - MPEG4 Video</source>
        <translation>BlackBerry Flip 8220/8230 - MPEG4 视频</translation>
    </message>
    <message>
        <source>BlackBerry Pearl 8100/8110/8120/8130 - MPEG4 Video</source>
        <translation>BlackBerry Pearl 8100/8110/8120/8130 - MPEG4 视频</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - H264 Video</source>
        <translation>BlackBerry Playbook - H264 视频</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - MPEG4 Video</source>
        <translation>BlackBerry Playbook - MPEG4 视频</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - WMV Video</source>
        <translation>BlackBerry Playbook - WMV 视频</translation>
    </message>
    <message>
        <source>BlackBerry Storm/Storm2/Torch/Tour - H264 Video</source>
        <translation>BlackBerry Storm/Storm2/Torch/Tour - H264 视频</translation>
    </message>
    <message>
        <source>BlackBerry Tour 9630 - H264 Video</source>
        <translation>BlackBerry Tour 9630 - H264 视频</translation>
    </message>
    <message>
        <source>HD - ASF Video</source>
        <translation>HD - ASF 视频</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>高清视频</translation>
    </message>
    <message>
        <source>HD - H264 Video</source>
        <translation>HD - H264 视频</translation>
    </message>
    <message>
        <source>HD - MKV Video</source>
        <translation>HD - MKV 视频</translation>
    </message>
    <message>
        <source>HD - MOV Video</source>
        <translation>HD - MOV 视频</translation>
    </message>
    <message>
        <source>HD - MPEG4 Video</source>
        <translation>HD - MPEG4 视频</translation>
    </message>
    <message>
        <source>HD - RM Video</source>
        <translation>HD - RM 视频</translation>
    </message>
    <message>
        <source>HD - WMV Video</source>
        <translation>HD - WMV 视频</translation>
    </message>
    <message>
        <source>HD - Xvid Video</source>
        <translation>HD - Xvid 视频</translation>
    </message>
    <message>
        <source>iPad - MPEG4 Video</source>
        <translation>iPad - MPEG4 视频</translation>
    </message>
    <message>
        <source>iPad</source>
        <translation>iPad</translation>
    </message>
    <message>
        <source>iPad - H264 Video</source>
        <translation>iPad - H264 视频</translation>
    </message>
    <message>
        <source>iPad - H264 HD Video</source>
        <translation>iPad - H264 高清视频</translation>
    </message>
    <message>
        <source>iPad2 - H264 HD Video</source>
        <translation>iPad2 - H264 高清视频</translation>
    </message>
    <message>
        <source>iPhone - H.264 Video</source>
        <translation>iPhone - H.264 视频</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>iPhone - H.264 Video for TV</source>
        <translation>iPhone - H.264 视频（用于电视）</translation>
    </message>
    <message>
        <source>iPhone - MPEG4 Video</source>
        <translation>iPhone - MPEG4 视频</translation>
    </message>
    <message>
        <source>iPhone4 - H.264 Video</source>
        <translation>iPhone4 - H.264 视频</translation>
    </message>
    <message>
        <source>iPod - H264 Video</source>
        <translation>iPod - H264 视频</translation>
    </message>
    <message>
        <source>iPod</source>
        <translation>iPod</translation>
    </message>
    <message>
        <source>iPod - H264 Video for TV</source>
        <translation>iPod - H264 视频（用于电视）</translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video</source>
        <translation>iPod - MPEG4 视频</translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video for TV</source>
        <translation>iPod - MPEG4 视频（用于电视）</translation>
    </message>
    <message>
        <source>iPod Nano 5 - H264 Video</source>
        <translation>iPod Nano 5 - H264 视频</translation>
    </message>
    <message>
        <source>iPod Nano 5 - MPEG4 Video</source>
        <translation>iPod Nano 5 - MPEG4 视频</translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video</source>
        <translation>iPod Touch - H264 视频</translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video for TV</source>
        <translation>iPod Touch - H264 视频（用于电视）</translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video</source>
        <translation>iPod Touch - MPEG4 视频</translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video for TV</source>
        <translation>iPod Touch - MPEG4 视频（用于电视）</translation>
    </message>
    <message>
        <source>iPod Touch4 - H264 Video</source>
        <translation>iPod Touch4 - H264 视频</translation>
    </message>
    <message>
        <source>PS3 - H264 Video</source>
        <translation>PS3 - H264 视频</translation>
    </message>
    <message>
        <source>PS3</source>
        <translation>PS3</translation>
    </message>
    <message>
        <source>PS3 - H264 HD Video</source>
        <translation>PS3 - H264 高清视频</translation>
    </message>
    <message>
        <source>PS3 - WMV Video</source>
        <translation>PS3 - WMV 视频</translation>
    </message>
    <message>
        <source>PS3 - WMV HD Video</source>
        <translation>PS3 - WMV 高清视频</translation>
    </message>
    <message>
        <source>PS3 - Xvid Video</source>
        <translation>PS3 - Xvid 视频</translation>
    </message>
    <message>
        <source>PS3 - Xvid HD Video</source>
        <translation>PS3 - Xvid 高清视频</translation>
    </message>
    <message>
        <source>Archos - H264 Video</source>
        <translation>Archos - H264 视频</translation>
    </message>
    <message>
        <source>PMP</source>
        <translation>便携播放器</translation>
    </message>
    <message>
        <source>Archos - MPEG4 Video</source>
        <translation>Archos - MPEG4 视频</translation>
    </message>
    <message>
        <source>Archos - WMV Video</source>
        <translation>Archos - WMV 视频</translation>
    </message>
    <message>
        <source>Creative ZEN - H264 Video</source>
        <translation>Creative ZEN - H264 视频</translation>
    </message>
    <message>
        <source>Creative ZEN - MPEG4 Video</source>
        <translation>Creative ZEN - MPEG4 视频</translation>
    </message>
    <message>
        <source>Creative ZEN - WMV Video</source>
        <translation>Creative ZEN - WMV 视频</translation>
    </message>
    <message>
        <source>Creative ZEN - Xvid Video</source>
        <translation>Creative ZEN - Xvid 视频</translation>
    </message>
    <message>
        <source>iRiver - H264 Video</source>
        <translation>iRiver - H264 视频</translation>
    </message>
    <message>
        <source>iRiver - MPEG4 Video</source>
        <translation>iRiver - MPEG4 视频</translation>
    </message>
    <message>
        <source>iRiver - WMV Video</source>
        <translation>iRiver - WMV 视频</translation>
    </message>
    <message>
        <source>iRiver - Xvid Video</source>
        <translation>iRiver - Xvid 视频</translation>
    </message>
    <message>
        <source>Zune - H264 Video</source>
        <translation>Zune - H264 视频</translation>
    </message>
    <message>
        <source>Zune - MPEG4 Video</source>
        <translation>Zune - MPEG4 视频</translation>
    </message>
    <message>
        <source>Zune - WMV Video</source>
        <translation>Zune - WMV 视频</translation>
    </message>
    <message>
        <source>PSP - H264 Video</source>
        <translation>PSP - H264 视频</translation>
    </message>
    <message>
        <source>PSP</source>
        <translation>PSP</translation>
    </message>
    <message>
        <source>PSP - H264 Video for TV</source>
        <translation>PSP - H264 视频（用于电视）</translation>
    </message>
    <message>
        <source>PSP - H264 Video for firmware 2.0 and above</source>
        <translation>PSP - H264 视频（固件 2.0 及以上）</translation>
    </message>
    <message>
        <source>PSP - MPEG4 Video</source>
        <translation>PSP - MPEG4 视频</translation>
    </message>
    <message>
        <source>DVD NTSC - MPEG-2  Video</source>
        <translation>DVD NTSC - MPEG-2 视频</translation>
    </message>
    <message>
        <source>VCD/DVD</source>
        <translation>VCD/DVD</translation>
    </message>
    <message>
        <source>DVD PAL - MPEG-2 Video</source>
        <translation>DVD PAL - MPEG-2 视频</translation>
    </message>
    <message>
        <source>VCD NTSC - MPEG-1 Video</source>
        <translation>VCD NTSC - MPEG-1 视频</translation>
    </message>
    <message>
        <source>VCD PAL - MPEG-1 Video</source>
        <translation>VCD PAL - MPEG-1 视频</translation>
    </message>
    <message>
        <source>Dailymotion - H264 Video</source>
        <translation>Dailymotion - H264 视频</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>网络视频</translation>
    </message>
    <message>
        <source>Dailymotion - H264 HD Video</source>
        <translation>Dailymotion - H264 高清视频</translation>
    </message>
    <message>
        <source>Facebook - H264 Video</source>
        <translation>Facebook - H264 视频</translation>
    </message>
    <message>
        <source>Facebook - H264 HD Video</source>
        <translation>Facebook - H264 高清视频</translation>
    </message>
    <message>
        <source>Flickr - H264 Video</source>
        <translation>Flickr - H264 视频</translation>
    </message>
    <message>
        <source>Flickr - H264 HD Video</source>
        <translation>Flickr - H264 高清视频</translation>
    </message>
    <message>
        <source>TwitVid - H264 Video</source>
        <translation>TwitVid - H264 视频</translation>
    </message>
    <message>
        <source>TwitVid - H264 HD Video</source>
        <translation>TwitVid - H264 高清视频</translation>
    </message>
    <message>
        <source>Vimeo - H264 Video</source>
        <translation>Vimeo - H264 视频</translation>
    </message>
    <message>
        <source>Vimeo - H264 HD Video</source>
        <translation>Vimeo - H264 高清视频</translation>
    </message>
    <message>
        <source>YOUTUBE - H264 Video</source>
        <translation>YOUTUBE - H264 视频</translation>
    </message>
    <message>
        <source>YOUTUBE - H264 HD Video</source>
        <translation>YOUTUBE - H264 高清视频</translation>
    </message>
    <message>
        <source>Windows Phone 7 - H264 Video</source>
        <translation>Windows Phone 7 - H264 视频</translation>
    </message>
    <message>
        <source>Windows Phone</source>
        <translation>Windows Phone</translation>
    </message>
    <message>
        <source>Windows Phone 7 - MPEG4 Video</source>
        <translation>Windows Phone 7 - MPEG4 视频</translation>
    </message>
    <message>
        <source>Windows Phone 7 - WMV Video</source>
        <translation>Windows Phone 7 - WMV 视频</translation>
    </message>
    <message>
        <source>Xbox360 - H264 Video</source>
        <translation>Xbox360 - H264 视频</translation>
    </message>
    <message>
        <source>Xbox</source>
        <translation>Xbox</translation>
    </message>
    <message>
        <source>Xbox360 - H264 HD Video</source>
        <translation>Xbox360 - H264 高清视频</translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 Video</source>
        <translation>Xbox360 - MPEG4 视频</translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 HD Video</source>
        <translation>Xbox360 - MPEG4 高清视频</translation>
    </message>
    <message>
        <source>Xbox360 - WMV Video</source>
        <translation>Xbox360 - WMV 视频</translation>
    </message>
    <message>
        <source>Xbox360 - WMV HD Video</source>
        <translation>Xbox360 - WMV 高清视频</translation>
    </message>
    <message>
        <source>Xbox360 - Xvid Video</source>
        <translation>Xbox360 - Xvid 视频</translation>
    </message>
    <message>
        <source>Xbox360 - Xvid HD Video</source>
        <translation>Xbox360 - Xvid 高清视频</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Video lib not found</source>
        <translation>找不到视频库</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>请稍候...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Join Finished!</source>
        <translation>合并完成！</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Join progress</source>
        <translation>合并进度</translation>
    </message>
    <message>
        <source>Percent done</source>
        <translation>完成百分比</translation>
    </message>
    <message>
        <source>Join figures</source>
        <translation>合并信息</translation>
    </message>
    <message>
        <source>Time Elapsed: </source>
        <translation>已用时间： </translation>
    </message>
    <message>
        <source>Remaining Time:</source>
        <translation>剩余时间：</translation>
    </message>
    <message>
        <source>Estimated Size: </source>
        <translation>预计大小： </translation>
    </message>
    <message>
        <source>Join note</source>
        <translation>合并说明</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>自定义...</translation>
    </message>
    <message>
        <source>High (larger file size)</source>
        <translation>高（文件较大）</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Low (smaller file size)</source>
        <translation>低（文件较小）</translation>
    </message>
    <message>
        <source>Direct stream copy. Keep original format. (All files must be same format)</source>
        <translation>直接复制流，保留原始格式（所有文件的格式必须相同）</translation>
    </message>
    <message>
        <source>Convert to another format</source>
        <translation>转换为其他格式</translation>
    </message>
    <message>
        <source>More &gt;&gt;</source>
        <translation>更多 &gt;&gt;</translation>
    </message>
    <message>
        <source>More &lt;&lt;</source>
        <translation>更多 &lt;&lt;</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Invalid file name!</source>
        <translation>文件名无效！</translation>
    </message>
    <message>
        <source>Invalid path!</source>
        <translation>路径无效！</translation>
    </message>
    <message>
        <source>Not same format</source>
        <translation>格式不同</translation>
    </message>
    <message>
        <source>To use the &apos;Direct copy stream&apos; function, all video files must be same format</source>
        <translation>要使用“直接复制”功能，所有视频文件的格式必须相同</translation>
    </message>
    <message>
        <source>The output file is one of the files to join. Please choose another name or folder.</source>
        <translation>输出文件是要合并的文件之一。请选择其他文件名或文件夹。</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>输出设置</translation>
    </message>
    <message>
        <source>The output file already exists. Do you want to replace it?</source>
        <translation>输出文件已存在。是否替换？</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Join Now</source>
        <translation>立即合并</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>输出格式：</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>保存位置：</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>画面尺寸：</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度：</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>视频质量：</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>音频质量：</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>宽度：</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Join without converting</source>
        <translation>不转换直接合并</translation>
    </message>
    <message>
        <source>Show or hide advanced settings</source>
        <translation>显示或隐藏高级设置</translation>
    </message>
    <message>
        <source>Browse for the destination folder</source>
        <translation>选择保存文件夹</translation>
    </message>
    <message>
        <source>Conversion settings</source>
        <translation>转换设置</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <source>Opens the menu of output profiles</source>
        <translation>打开输出配置菜单</translation>
    </message>
    <message>
        <source>Video size</source>
        <translation>画面尺寸</translation>
    </message>
    <message>
        <source>Video width</source>
        <translation>画面宽度</translation>
    </message>
    <message>
        <source>Video height</source>
        <translation>画面高度</translation>
    </message>
    <message>
        <source>Video quality</source>
        <translation>视频质量</translation>
    </message>
    <message>
        <source>Audio quality</source>
        <translation>音频质量</translation>
    </message>
    <message>
        <source>Output file name</source>
        <translation>输出文件名</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>保存文件夹</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>高级设置</translation>
    </message>
    <message>
        <source>Output profiles</source>
        <translation>输出配置</translation>
    </message>
    <message>
        <source>Advanced settings items</source>
        <translation>高级设置项</translation>
    </message>
</context>
</TS>
