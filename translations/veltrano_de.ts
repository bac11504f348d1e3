<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <extracomment>The about window&apos;s accessible name; %1 is the product name.</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version 5.0</source>
        <translation>Version 5.0</translation>
    </message>
    <message>
        <source>© 2026 %1 · GNU GPL v3 or later</source>
        <extracomment>%1 is the company name; keep &quot;GNU GPL v3&quot;.</extracomment>
        <translation>© 2026 %1 · GNU GPL v3 oder neuer</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Can not open file: </source>
        <translation>Datei kann nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Fehler: </translation>
    </message>
    <message>
        <source>Cannot convert.</source>
        <translation>Umwandlung nicht möglich.</translation>
    </message>
    <message>
        <source>Please try to convert it to another format</source>
        <translation>Bitte versuchen Sie, in ein anderes Format umzuwandeln</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is encrypted.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 enthält weder Bild noch Ton, die sich dekodieren lassen: die Datei ist verschlüsselt.</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is cut short.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 enthält weder Bild noch Ton, die sich dekodieren lassen: die Datei ist unvollständig.</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is damaged.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 enthält weder Bild noch Ton, die sich dekodieren lassen: die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>Cannot convert the pictures of %1</source>
        <translation>Die Bilder von %1 können nicht umgewandelt werden</translation>
    </message>
    <message>
        <source>Cannot convert the sound of %1</source>
        <translation>Der Ton von %1 kann nicht umgewandelt werden</translation>
    </message>
    <message>
        <source>Cannot encode %1</source>
        <translation>%1 kann nicht kodiert werden</translation>
    </message>
    <message>
        <source>Cannot join by stream copy: %1 holds no picture or sound that can be copied: it is cut short or damaged.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Zusammenfügen per Direktkopie nicht möglich: %1 enthält weder Bild noch Ton, die sich kopieren lassen: die Datei ist unvollständig oder beschädigt.</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Filename Extension</source>
        <translation>Dateiendung</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Video-Bitrate</translation>
    </message>
    <message>
        <source>Set the video bit rate in bps (Bit Per Second)</source>
        <translation>Legt die Video-Bitrate in bit/s (Bit pro Sekunde) fest</translation>
    </message>
    <message>
        <source>Frame Rate (FPS)</source>
        <translation>Bildrate (fps)</translation>
    </message>
    <message>
        <source>Set how many frames should be displayed per second. Higher frame rate increases the smoothness when played back</source>
        <translation>Legt fest, wie viele Bilder pro Sekunde angezeigt werden. Eine höhere Bildrate macht die Wiedergabe flüssiger</translation>
    </message>
    <message>
        <source>Aspect Rate</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Set width to height ratio according to the screen aspect of your playback device</source>
        <translation>Legt das Verhältnis von Breite zu Höhe passend zum Bildschirm Ihres Wiedergabegeräts fest</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Audio-Bitrate</translation>
    </message>
    <message>
        <source>Set the audio bitrate in bps(Bit Per Second)</source>
        <translation>Legt die Audio-Bitrate in bit/s (Bit pro Sekunde) fest</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Set the audio sampling frequency (the number of samples per second)</source>
        <translation>Legt die Abtastrate des Tons fest (Anzahl der Abtastwerte pro Sekunde)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Set number of audio channels. 1 - Mono, 2 - Stereo</source>
        <translation>Legt die Anzahl der Audiokanäle fest. 1 – Mono, 2 – Stereo</translation>
    </message>
    <message>
        <source>Remove Audio</source>
        <translation>Ton entfernen</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Ausgabedatei</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Videoeinstellungen</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Audioeinstellungen</translation>
    </message>
    <message>
        <source>True</source>
        <extracomment>The state of a grid check box, as a screen reader reads it.</extracomment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A grid value: the program chooses it.</extracomment>
        <translation>Automatisch</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Please add more file to the list.</source>
        <translation>Bitte fügen Sie der Liste weitere Dateien hinzu.</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Möchten Sie das Programm beenden?</translation>
    </message>
    <message>
        <source>Total Files: 0</source>
        <translation>Dateien gesamt: 0</translation>
    </message>
    <message>
        <source>Total Duration: 00:00:00</source>
        <translation>Gesamtdauer: 00:00:00</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>The accessible name of a menu bar menu; %1 is its caption (&quot;File menu&quot;).</extracomment>
        <translation>Menü %1</translation>
    </message>
    <message>
        <source>List context menu</source>
        <translation>Kontextmenü der Liste</translation>
    </message>
    <message>
        <source>Toobar</source>
        <extracomment>The toolbar&apos;s window title (shown in its context menu); the misspelling is historic.</extracomment>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten …</translation>
    </message>
    <message>
        <source>Reading files</source>
        <translation>Dateien werden gelesen</translation>
    </message>
    <message>
        <source>Reading files, please wait...</source>
        <translation>Dateien werden gelesen, bitte warten …</translation>
    </message>
    <message>
        <source>Files to join</source>
        <translation>Zusammenzufügende Dateien</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Join Files</source>
        <translation>Dateien zusammenfügen</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Zusammenfügen</translation>
    </message>
    <message>
        <source>Exit     </source>
        <translation>Beenden     </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Auswahl umkehren</translation>
    </message>
    <message>
        <source>Remove Selected Files</source>
        <translation>Ausgewählte Dateien entfernen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über …</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Videocodec</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Audiocodec</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Alle unterstützten Videodateien</translation>
    </message>
    <message>
        <source>3GPP files (%1)</source>
        <extracomment>%1 is the list of file patterns, kept as it is.</extracomment>
        <translation>3GPP-Dateien (%1)</translation>
    </message>
    <message>
        <source>AMV files (*.amv)</source>
        <translation>AMV-Dateien (*.amv)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>AVI-Dateien (*.avi)</translation>
    </message>
    <message>
        <source>Digital Video Files (*.dv)</source>
        <translation>Digital-Video-Dateien (*.dv)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob)</source>
        <translation>DVD-Videodateien (*.vob)</translation>
    </message>
    <message>
        <source>Flash Video (*.flv,*.f4v)</source>
        <translation>Flash-Video (*.flv,*.f4v)</translation>
    </message>
    <message>
        <source>Matroska Video (*.mkv)</source>
        <translation>Matroska-Video (*.mkv)</translation>
    </message>
    <message>
        <source>MPEG Files (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)</source>
        <translation>MPEG-Dateien (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)</translation>
    </message>
    <message>
        <source>MPEG-4 files(*.mp4,*.m4v)</source>
        <translation>MPEG-4-Dateien (*.mp4,*.m4v)</translation>
    </message>
    <message>
        <source>NDS DPG Files (*.dpg)</source>
        <translation>NDS-DPG-Dateien (*.dpg)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov,*.qt)</source>
        <translation>QuickTime-Dateien (*.mov,*.qt)</translation>
    </message>
    <message>
        <source>RealMedia file (*.rm,*.rmvb)</source>
        <translation>RealMedia-Dateien (*.rm,*.rmvb)</translation>
    </message>
    <message>
        <source>VCD Movie Files (*.dat)</source>
        <translation>VCD-Filmdateien (*.dat)</translation>
    </message>
    <message>
        <source>WebM Video Files (*.webm)</source>
        <translation>WebM-Videodateien (*.webm)</translation>
    </message>
    <message>
        <source>Windows Media Video Files (*.wmv,*.asf)</source>
        <translation>Windows-Media-Videodateien (*.wmv,*.asf)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Total Files: %1</source>
        <extracomment>%1 is the number of files.</extracomment>
        <translation>Dateien gesamt: %1</translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <extracomment>%1 is the duration as hh:mm:ss.</extracomment>
        <translation>Gesamtdauer: %1</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Join Finished. Click here to open the output folder</source>
        <translation>Zusammenfügen abgeschlossen. Hier klicken, um den Ausgabeordner zu öffnen</translation>
    </message>
    <message>
        <source>Join finished notice. Escape closes it.</source>
        <translation>Hinweis: Zusammenfügen abgeschlossen. Mit Esc schließen.</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Video lib not found</source>
        <translation>Videobibliothek nicht gefunden</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Preview player</source>
        <translation>Vorschau-Player</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Player controls</source>
        <translation>Player-Steuerung</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stummschalten</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Muted speaker</source>
        <translation>Lautsprecher stumm</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Lautsprecher</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>General Video Format</source>
        <translation>Allgemeine Videoformate</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source></source>
        <comment>Output profile captions and the profile menu&apos;s group names. Device, product, codec and format names, file extensions and figures stay as they are; translate only the descriptive words (&quot;Video&quot;, &quot;Audio&quot;, &quot;HD Video&quot;, &quot;for TV&quot;, &quot;High quality&quot;). An empty translation shows the English caption.</comment>
        <translation></translation>
    </message>
    <message>
        <source>3GP - 3GP Format (*.3gp)</source>
        <translation>3GP - 3GP-Format (*.3gp)</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - Advanced Streaming Format (*.asf)</translation>
    </message>
    <message>
        <source>AVI - AVI Xvid Format (*.avi)</source>
        <translation>AVI - AVI-Xvid-Format (*.avi)</translation>
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
        <translation>MOV - QuickTime Video (*.mov)</translation>
    </message>
    <message>
        <source>MP4 - H264 Video (*.mp4)</source>
        <translation>MP4 - H264-Video (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - MPEG-4 Video (*.mp4)</source>
        <translation>MP4 - MPEG-4-Video (*.mp4)</translation>
    </message>
    <message>
        <source>MPG - MPEG-1 Video (*.mpg)</source>
        <translation>MPG - MPEG-1-Video (*.mpg)</translation>
    </message>
    <message>
        <source>MPG - MPEG-2 Video (*.mpg)</source>
        <translation>MPG - MPEG-2-Video (*.mpg)</translation>
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
        <translation>Android - MPEG4-Video</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>Android - H264 Video 320x240</source>
        <translation>Android - H264-Video 320x240</translation>
    </message>
    <message>
        <source>Android - H264 Video 480x320</source>
        <translation>Android - H264-Video 480x320</translation>
    </message>
    <message>
        <source>Android - H264 Video 800x480</source>
        <translation>Android - H264-Video 800x480</translation>
    </message>
    <message>
        <source>Android - H264 Video 854x480</source>
        <translation>Android - H264-Video 854x480</translation>
    </message>
    <message>
        <source>HTC G2 Magic - MPEG4 Video</source>
        <translation>HTC G2 Magic - MPEG4-Video</translation>
    </message>
    <message>
        <source>HTC Hero - MPEG4 Video</source>
        <translation>HTC Hero - MPEG4-Video</translation>
    </message>
    <message>
        <source>HTC Tattoo - MPEG4 Video</source>
        <translation>HTC Tattoo - MPEG4-Video</translation>
    </message>
    <message>
        <source>Motorola CLIQ - MPEG4 Video</source>
        <translation>Motorola CLIQ - MPEG4-Video</translation>
    </message>
    <message>
        <source>Motorola Droid - MPEG4 Video</source>
        <translation>Motorola Droid - MPEG4-Video</translation>
    </message>
    <message>
        <source>Nexus One - MPEG4 Video</source>
        <translation>Nexus One - MPEG4-Video</translation>
    </message>
    <message>
        <source>Samsung i7500 - MPEG4 Video</source>
        <translation>Samsung i7500 - MPEG4-Video</translation>
    </message>
    <message>
        <source>Samsung P1000 - H264 Video</source>
        <translation>Samsung P1000 - H264-Video</translation>
    </message>
    <message>
        <source>Android Pad</source>
        <translation>Android-Tablet</translation>
    </message>
    <message>
        <source>Samsung P1000 - MPEG4 Video</source>
        <translation>Samsung P1000 - MPEG4-Video</translation>
    </message>
    <message>
        <source>Motorola Xoom - H264 Video</source>
        <translation>Motorola Xoom - H264-Video</translation>
    </message>
    <message>
        <source>Motorola Xoom - MPEG4 Video</source>
        <translation>Motorola Xoom - MPEG4-Video</translation>
    </message>
    <message>
        <source>Apple TV - MPEG4 Video</source>
        <translation>Apple TV - MPEG4-Video</translation>
    </message>
    <message>
        <source>Apple TV</source>
        <translation>Apple TV</translation>
    </message>
    <message>
        <source>Apple TV - H264 Video</source>
        <translation>Apple TV - H264-Video</translation>
    </message>
    <message>
        <source>Apple TV - H264 HD Video</source>
        <translation>Apple TV - H264-HD-Video</translation>
    </message>
    <message>
        <source>BlackBerry - 3GP Video</source>
        <translation>BlackBerry - 3GP-Video</translation>
    </message>
    <message>
        <source>BlackBerry</source>
        <translation>BlackBerry</translation>
    </message>
    <message>
        <source>BlackBerry - MPEG4 Video</source>
        <translation>BlackBerry - MPEG4-Video</translation>
    </message>
    <message>
        <source>BlackBerry 8800/8700/8500/8300 - MPEG4 Video</source>
        <translation>BlackBerry 8800/8700/8500/8300 - MPEG4-Video</translation>
    </message>
    <message>
        <source>BlackBerry Bold 9000 - H264 Video</source>
        <translation>BlackBerry Bold 9000 - H264-Video</translation>
    </message>
    <message>
        <source>BlackBerry Bold 9700 - H264 Video</source>
        <translation>BlackBerry Bold 9700 - H264-Video</translation>
    </message>
    <message>
        <source>BlackBerry Charm 7100  - MPEG4 Video</source>
        <translation>BlackBerry Charm 7100 - MPEG4-Video</translation>
    </message>
    <message>
        <source>BlackBerry Curve 8900 - H264 Video</source>
        <translation>BlackBerry Curve 8900 - H264-Video</translation>
    </message>
    <message>
        <source>BlackBerry Flip 8220/8230  - MPEG4 Video</source>
        <translation>BlackBerry Flip 8220/8230 - MPEG4-Video</translation>
    </message>
    <message>
        <source>BlackBerry Pearl 8100/8110/8120/8130 - MPEG4 Video</source>
        <translation>BlackBerry Pearl 8100/8110/8120/8130 - MPEG4-Video</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - H264 Video</source>
        <translation>BlackBerry Playbook - H264-Video</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - MPEG4 Video</source>
        <translation>BlackBerry Playbook - MPEG4-Video</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - WMV Video</source>
        <translation>BlackBerry Playbook - WMV-Video</translation>
    </message>
    <message>
        <source>BlackBerry Storm/Storm2/Torch/Tour - H264 Video</source>
        <translation>BlackBerry Storm/Storm2/Torch/Tour - H264-Video</translation>
    </message>
    <message>
        <source>BlackBerry Tour 9630 - H264 Video</source>
        <translation>BlackBerry Tour 9630 - H264-Video</translation>
    </message>
    <message>
        <source>HD - ASF Video</source>
        <translation>HD - ASF-Video</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>HD-Video</translation>
    </message>
    <message>
        <source>HD - H264 Video</source>
        <translation>HD - H264-Video</translation>
    </message>
    <message>
        <source>HD - MKV Video</source>
        <translation>HD - MKV-Video</translation>
    </message>
    <message>
        <source>HD - MOV Video</source>
        <translation>HD - MOV-Video</translation>
    </message>
    <message>
        <source>HD - MPEG4 Video</source>
        <translation>HD - MPEG4-Video</translation>
    </message>
    <message>
        <source>HD - RM Video</source>
        <translation>HD - RM-Video</translation>
    </message>
    <message>
        <source>HD - WMV Video</source>
        <translation>HD - WMV-Video</translation>
    </message>
    <message>
        <source>HD - Xvid Video</source>
        <translation>HD - Xvid-Video</translation>
    </message>
    <message>
        <source>iPad - MPEG4 Video</source>
        <translation>iPad - MPEG4-Video</translation>
    </message>
    <message>
        <source>iPad</source>
        <translation>iPad</translation>
    </message>
    <message>
        <source>iPad - H264 Video</source>
        <translation>iPad - H264-Video</translation>
    </message>
    <message>
        <source>iPad - H264 HD Video</source>
        <translation>iPad - H264-HD-Video</translation>
    </message>
    <message>
        <source>iPad2 - H264 HD Video</source>
        <translation>iPad2 - H264-HD-Video</translation>
    </message>
    <message>
        <source>iPhone - H.264 Video</source>
        <translation>iPhone - H.264-Video</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>iPhone - H.264 Video for TV</source>
        <translation>iPhone - H.264-Video für TV</translation>
    </message>
    <message>
        <source>iPhone - MPEG4 Video</source>
        <translation>iPhone - MPEG4-Video</translation>
    </message>
    <message>
        <source>iPhone4 - H.264 Video</source>
        <translation>iPhone4 - H.264-Video</translation>
    </message>
    <message>
        <source>iPod - H264 Video</source>
        <translation>iPod - H264-Video</translation>
    </message>
    <message>
        <source>iPod</source>
        <translation>iPod</translation>
    </message>
    <message>
        <source>iPod - H264 Video for TV</source>
        <translation>iPod - H264-Video für TV</translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video</source>
        <translation>iPod - MPEG4-Video</translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video for TV</source>
        <translation>iPod - MPEG4-Video für TV</translation>
    </message>
    <message>
        <source>iPod Nano 5 - H264 Video</source>
        <translation>iPod Nano 5 - H264-Video</translation>
    </message>
    <message>
        <source>iPod Nano 5 - MPEG4 Video</source>
        <translation>iPod Nano 5 - MPEG4-Video</translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video</source>
        <translation>iPod Touch - H264-Video</translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video for TV</source>
        <translation>iPod Touch - H264-Video für TV</translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video</source>
        <translation>iPod Touch - MPEG4-Video</translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video for TV</source>
        <translation>iPod Touch - MPEG4-Video für TV</translation>
    </message>
    <message>
        <source>iPod Touch4 - H264 Video</source>
        <translation>iPod Touch4 - H264-Video</translation>
    </message>
    <message>
        <source>PS3 - H264 Video</source>
        <translation>PS3 - H264-Video</translation>
    </message>
    <message>
        <source>PS3</source>
        <translation>PS3</translation>
    </message>
    <message>
        <source>PS3 - H264 HD Video</source>
        <translation>PS3 - H264-HD-Video</translation>
    </message>
    <message>
        <source>PS3 - WMV Video</source>
        <translation>PS3 - WMV-Video</translation>
    </message>
    <message>
        <source>PS3 - WMV HD Video</source>
        <translation>PS3 - WMV-HD-Video</translation>
    </message>
    <message>
        <source>PS3 - Xvid Video</source>
        <translation>PS3 - Xvid-Video</translation>
    </message>
    <message>
        <source>PS3 - Xvid HD Video</source>
        <translation>PS3 - Xvid-HD-Video</translation>
    </message>
    <message>
        <source>Archos - H264 Video</source>
        <translation>Archos - H264-Video</translation>
    </message>
    <message>
        <source>PMP</source>
        <translation>PMP</translation>
    </message>
    <message>
        <source>Archos - MPEG4 Video</source>
        <translation>Archos - MPEG4-Video</translation>
    </message>
    <message>
        <source>Archos - WMV Video</source>
        <translation>Archos - WMV-Video</translation>
    </message>
    <message>
        <source>Creative ZEN - H264 Video</source>
        <translation>Creative ZEN - H264-Video</translation>
    </message>
    <message>
        <source>Creative ZEN - MPEG4 Video</source>
        <translation>Creative ZEN - MPEG4-Video</translation>
    </message>
    <message>
        <source>Creative ZEN - WMV Video</source>
        <translation>Creative ZEN - WMV-Video</translation>
    </message>
    <message>
        <source>Creative ZEN - Xvid Video</source>
        <translation>Creative ZEN - Xvid-Video</translation>
    </message>
    <message>
        <source>iRiver - H264 Video</source>
        <translation>iRiver - H264-Video</translation>
    </message>
    <message>
        <source>iRiver - MPEG4 Video</source>
        <translation>iRiver - MPEG4-Video</translation>
    </message>
    <message>
        <source>iRiver - WMV Video</source>
        <translation>iRiver - WMV-Video</translation>
    </message>
    <message>
        <source>iRiver - Xvid Video</source>
        <translation>iRiver - Xvid-Video</translation>
    </message>
    <message>
        <source>Zune - H264 Video</source>
        <translation>Zune - H264-Video</translation>
    </message>
    <message>
        <source>Zune - MPEG4 Video</source>
        <translation>Zune - MPEG4-Video</translation>
    </message>
    <message>
        <source>Zune - WMV Video</source>
        <translation>Zune - WMV-Video</translation>
    </message>
    <message>
        <source>PSP - H264 Video</source>
        <translation>PSP - H264-Video</translation>
    </message>
    <message>
        <source>PSP</source>
        <translation>PSP</translation>
    </message>
    <message>
        <source>PSP - H264 Video for TV</source>
        <translation>PSP - H264-Video für TV</translation>
    </message>
    <message>
        <source>PSP - H264 Video for firmware 2.0 and above</source>
        <translation>PSP - H264-Video für Firmware 2.0 und höher</translation>
    </message>
    <message>
        <source>PSP - MPEG4 Video</source>
        <translation>PSP - MPEG4-Video</translation>
    </message>
    <message>
        <source>DVD NTSC - MPEG-2  Video</source>
        <translation>DVD NTSC - MPEG-2-Video</translation>
    </message>
    <message>
        <source>VCD/DVD</source>
        <translation>VCD/DVD</translation>
    </message>
    <message>
        <source>DVD PAL - MPEG-2 Video</source>
        <translation>DVD PAL - MPEG-2-Video</translation>
    </message>
    <message>
        <source>VCD NTSC - MPEG-1 Video</source>
        <translation>VCD NTSC - MPEG-1-Video</translation>
    </message>
    <message>
        <source>VCD PAL - MPEG-1 Video</source>
        <translation>VCD PAL - MPEG-1-Video</translation>
    </message>
    <message>
        <source>Dailymotion - H264 Video</source>
        <translation>Dailymotion - H264-Video</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>Webvideo</translation>
    </message>
    <message>
        <source>Dailymotion - H264 HD Video</source>
        <translation>Dailymotion - H264-HD-Video</translation>
    </message>
    <message>
        <source>Facebook - H264 Video</source>
        <translation>Facebook - H264-Video</translation>
    </message>
    <message>
        <source>Facebook - H264 HD Video</source>
        <translation>Facebook - H264-HD-Video</translation>
    </message>
    <message>
        <source>Flickr - H264 Video</source>
        <translation>Flickr - H264-Video</translation>
    </message>
    <message>
        <source>Flickr - H264 HD Video</source>
        <translation>Flickr - H264-HD-Video</translation>
    </message>
    <message>
        <source>TwitVid - H264 Video</source>
        <translation>TwitVid - H264-Video</translation>
    </message>
    <message>
        <source>TwitVid - H264 HD Video</source>
        <translation>TwitVid - H264-HD-Video</translation>
    </message>
    <message>
        <source>Vimeo - H264 Video</source>
        <translation>Vimeo - H264-Video</translation>
    </message>
    <message>
        <source>Vimeo - H264 HD Video</source>
        <translation>Vimeo - H264-HD-Video</translation>
    </message>
    <message>
        <source>YOUTUBE - H264 Video</source>
        <translation>YOUTUBE - H264-Video</translation>
    </message>
    <message>
        <source>YOUTUBE - H264 HD Video</source>
        <translation>YOUTUBE - H264-HD-Video</translation>
    </message>
    <message>
        <source>Windows Phone 7 - H264 Video</source>
        <translation>Windows Phone 7 - H264-Video</translation>
    </message>
    <message>
        <source>Windows Phone</source>
        <translation>Windows Phone</translation>
    </message>
    <message>
        <source>Windows Phone 7 - MPEG4 Video</source>
        <translation>Windows Phone 7 - MPEG4-Video</translation>
    </message>
    <message>
        <source>Windows Phone 7 - WMV Video</source>
        <translation>Windows Phone 7 - WMV-Video</translation>
    </message>
    <message>
        <source>Xbox360 - H264 Video</source>
        <translation>Xbox360 - H264-Video</translation>
    </message>
    <message>
        <source>Xbox</source>
        <translation>Xbox</translation>
    </message>
    <message>
        <source>Xbox360 - H264 HD Video</source>
        <translation>Xbox360 - H264-HD-Video</translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 Video</source>
        <translation>Xbox360 - MPEG4-Video</translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 HD Video</source>
        <translation>Xbox360 - MPEG4-HD-Video</translation>
    </message>
    <message>
        <source>Xbox360 - WMV Video</source>
        <translation>Xbox360 - WMV-Video</translation>
    </message>
    <message>
        <source>Xbox360 - WMV HD Video</source>
        <translation>Xbox360 - WMV-HD-Video</translation>
    </message>
    <message>
        <source>Xbox360 - Xvid Video</source>
        <translation>Xbox360 - Xvid-Video</translation>
    </message>
    <message>
        <source>Xbox360 - Xvid HD Video</source>
        <translation>Xbox360 - Xvid-HD-Video</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Video lib not found</source>
        <translation>Videobibliothek nicht gefunden</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Join Finished!</source>
        <translation>Zusammenfügen abgeschlossen!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Join progress</source>
        <translation>Fortschritt des Zusammenfügens</translation>
    </message>
    <message>
        <source>Percent done</source>
        <translation>Prozent erledigt</translation>
    </message>
    <message>
        <source>Join figures</source>
        <translation>Angaben zum Zusammenfügen</translation>
    </message>
    <message>
        <source>Time Elapsed: </source>
        <translation>Vergangene Zeit: </translation>
    </message>
    <message>
        <source>Remaining Time:</source>
        <translation>Verbleibende Zeit:</translation>
    </message>
    <message>
        <source>Estimated Size: </source>
        <translation>Geschätzte Größe: </translation>
    </message>
    <message>
        <source>Join note</source>
        <translation>Hinweis zum Zusammenfügen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Benutzerdefiniert …</translation>
    </message>
    <message>
        <source>High (larger file size)</source>
        <translation>Hoch (größere Datei)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low (smaller file size)</source>
        <translation>Niedrig (kleinere Datei)</translation>
    </message>
    <message>
        <source>Direct stream copy. Keep original format. (All files must be same format)</source>
        <translation>Direktkopie: Originalformat beibehalten (alle Dateien im gleichen Format)</translation>
    </message>
    <message>
        <source>Convert to another format</source>
        <translation>Format umwandeln</translation>
    </message>
    <message>
        <source>More &gt;&gt;</source>
        <translation>Mehr &gt;&gt;</translation>
    </message>
    <message>
        <source>More &lt;&lt;</source>
        <translation>Weniger &lt;&lt;</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Invalid file name!</source>
        <translation>Ungültiger Dateiname!</translation>
    </message>
    <message>
        <source>Invalid path!</source>
        <translation>Ungültiger Pfad!</translation>
    </message>
    <message>
        <source>Not same format</source>
        <translation>Unterschiedliche Formate</translation>
    </message>
    <message>
        <source>To use the &apos;Direct copy stream&apos; function, all video files must be same format</source>
        <translation>Für die Direktkopie müssen alle Videodateien dasselbe Format haben</translation>
    </message>
    <message>
        <source>The output file is one of the files to join. Please choose another name or folder.</source>
        <translation>Die Ausgabedatei ist eine der zusammenzufügenden Dateien. Bitte wählen Sie einen anderen Namen oder Ordner.</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Ausgabeeinstellungen</translation>
    </message>
    <message>
        <source>The output file already exists. Do you want to replace it?</source>
        <translation>Die Ausgabedatei ist bereits vorhanden. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Join Now</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Ausgabeformat:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Zielordner:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Bildgröße:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>Videoqualität:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Audioqualität:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Join without converting</source>
        <translation>Zusammenfügen ohne Umwandlung</translation>
    </message>
    <message>
        <source>Show or hide advanced settings</source>
        <translation>Erweiterte Einstellungen ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Browse for the destination folder</source>
        <translation>Zielordner auswählen</translation>
    </message>
    <message>
        <source>Conversion settings</source>
        <translation>Umwandlungseinstellungen</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>Opens the menu of output profiles</source>
        <translation>Öffnet das Menü der Ausgabeprofile</translation>
    </message>
    <message>
        <source>Video size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>Video width</source>
        <translation>Bildbreite</translation>
    </message>
    <message>
        <source>Video height</source>
        <translation>Bildhöhe</translation>
    </message>
    <message>
        <source>Video quality</source>
        <translation>Videoqualität</translation>
    </message>
    <message>
        <source>Audio quality</source>
        <translation>Audioqualität</translation>
    </message>
    <message>
        <source>Output file name</source>
        <translation>Name der Ausgabedatei</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Output profiles</source>
        <translation>Ausgabeprofile</translation>
    </message>
    <message>
        <source>Advanced settings items</source>
        <translation>Einträge der erweiterten Einstellungen</translation>
    </message>
</context>
</TS>
