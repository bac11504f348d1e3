<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <extracomment>The about window&apos;s accessible name; %1 is the product name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© 2026 %1 · GNU GPL v3 or later</source>
        <extracomment>%1 is the company name; keep &quot;GNU GPL v3&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Can not open file: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot convert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please try to convert it to another format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is encrypted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason (&quot;it is damaged&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Filename Extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the video bit rate in bps (Bit Per Second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Rate (FPS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set how many frames should be displayed per second. Higher frame rate increases the smoothness when played back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspect Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set width to height ratio according to the screen aspect of your playback device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the audio bitrate in bps(Bit Per Second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the audio sampling frequency (the number of samples per second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set number of audio channels. 1 - Mono, 2 - Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Please add more file to the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Files: 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Duration: 00:00:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Files: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Duration: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>The accessible name of a menu bar menu; %1 is its caption (&quot;File menu&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List context menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toobar</source>
        <extracomment>The toolbar&apos;s window title (shown in its context menu); the misspelling is historic.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading files, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files to join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Selected Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Join Finished. Click here to open the output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join finished notice. Escape closes it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Video lib not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muted speaker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>General Video Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>Output profile captions and the profile menu&apos;s group names. Device, product, codec and format names, file extensions and figures stay as they are; translate only the descriptive words (&quot;Video&quot;, &quot;Audio&quot;, &quot;HD Video&quot;, &quot;for TV&quot;, &quot;High quality&quot;). An empty translation shows the English caption.</comment>
        <translation></translation>
    </message>
    <message>
        <source>3GP - 3GP Format (*.3gp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVI - AVI Xvid Format (*.avi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F4V - Flash Video (*.f4v)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLV - Flash Video (*.flv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MKV - Matroska Video (*.mkv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOV - QuickTime Video (*.mov)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 - H264 Video (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 - MPEG-4 Video (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPG - MPEG-1 Video (*.mpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPG - MPEG-2 Video (*.mpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RM - Real Video (*.rm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SWF - Shock Wave Flash (*.swf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOB - DVD Video Object (*.vob)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android - H264 Video 320x240</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android - H264 Video 480x320</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android - H264 Video 800x480</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android - H264 Video 854x480</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTC G2 Magic - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTC Hero - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTC Tattoo - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motorola CLIQ - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motorola Droid - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nexus One - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samsung i7500 - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samsung P1000 - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android Pad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samsung P1000 - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motorola Xoom - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motorola Xoom - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple TV - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple TV - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple TV - H264 HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry - 3GP Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry 8800/8700/8500/8300 - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry Bold 9000 - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry Bold 9700 - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry Charm 7100  - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry Curve 8900 - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry Flip 8220/8230  - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry Pearl 8100/8110/8120/8130 - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry Playbook - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry Playbook - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry Playbook - WMV Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry Storm/Storm2/Torch/Tour - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BlackBerry Tour 9630 - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD - ASF Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD - MKV Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD - MOV Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD - RM Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD - WMV Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD - Xvid Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPad - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPad - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPad - H264 HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPad2 - H264 HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone - H.264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone - H.264 Video for TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone4 - H.264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPod - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPod - H264 Video for TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video for TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPod Nano 5 - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPod Nano 5 - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video for TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video for TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPod Touch4 - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PS3 - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PS3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PS3 - H264 HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PS3 - WMV Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PS3 - WMV HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PS3 - Xvid Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PS3 - Xvid HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archos - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archos - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archos - WMV Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creative ZEN - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creative ZEN - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creative ZEN - WMV Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creative ZEN - Xvid Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iRiver - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iRiver - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iRiver - WMV Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iRiver - Xvid Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zune - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zune - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zune - WMV Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSP - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSP - H264 Video for TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSP - H264 Video for firmware 2.0 and above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSP - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVD NTSC - MPEG-2  Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCD/DVD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVD PAL - MPEG-2 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCD NTSC - MPEG-1 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCD PAL - MPEG-1 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dailymotion - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dailymotion - H264 HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook - H264 HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flickr - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flickr - H264 HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TwitVid - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TwitVid - H264 HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vimeo - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vimeo - H264 HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YOUTUBE - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YOUTUBE - H264 HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Phone 7 - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Phone 7 - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Phone 7 - WMV Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xbox360 - H264 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xbox360 - H264 HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xbox360 - WMV Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xbox360 - WMV HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xbox360 - Xvid Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xbox360 - Xvid HD Video</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Video lib not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join Finished!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Elapsed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated Size: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High (larger file size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low (smaller file size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct stream copy. Keep original format. (All files must be same format)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert to another format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More &lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid file name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid path!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not same format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To use the &apos;Direct copy stream&apos; function, all video files must be same format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output file is one of the files to join. Please choose another name or folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output file already exists. Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join without converting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide advanced settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the destination folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the menu of output profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced settings items</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
