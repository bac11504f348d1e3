<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <extracomment>The about window&apos;s accessible name; %1 is the product name.</extracomment>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version 5.0</source>
        <translation>Wersja 5.0</translation>
    </message>
    <message>
        <source>© 2026 %1 · GNU GPL v3 or later</source>
        <extracomment>%1 is the company name; keep &quot;GNU GPL v3&quot;.</extracomment>
        <translation>© 2026 %1 · GNU GPL v3 lub nowsza</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Can not open file: </source>
        <translation>Nie można otworzyć pliku: </translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Błąd: </translation>
    </message>
    <message>
        <source>Cannot convert.</source>
        <translation>Nie można przekonwertować.</translation>
    </message>
    <message>
        <source>Please try to convert it to another format</source>
        <translation>Spróbuj przekonwertować plik do innego formatu</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is encrypted.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Plik %1 nie zawiera obrazu ani dźwięku, które można zdekodować: jest zaszyfrowany.</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is cut short.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Plik %1 nie zawiera obrazu ani dźwięku, które można zdekodować: jest niekompletny.</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is damaged.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Plik %1 nie zawiera obrazu ani dźwięku, które można zdekodować: jest uszkodzony.</translation>
    </message>
    <message>
        <source>Cannot convert the pictures of %1</source>
        <translation>Nie można przekonwertować obrazu z pliku %1</translation>
    </message>
    <message>
        <source>Cannot convert the sound of %1</source>
        <translation>Nie można przekonwertować dźwięku z pliku %1</translation>
    </message>
    <message>
        <source>Cannot encode %1</source>
        <translation>Nie można zakodować pliku %1</translation>
    </message>
    <message>
        <source>Cannot join by stream copy: %1 holds no picture or sound that can be copied: it is cut short or damaged.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Nie można połączyć przez bezpośrednie kopiowanie: plik %1 nie zawiera obrazu ani dźwięku, które można skopiować: jest niekompletny lub uszkodzony.</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Filename Extension</source>
        <translation>Rozszerzenie pliku</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Przepływność wideo</translation>
    </message>
    <message>
        <source>Set the video bit rate in bps (Bit Per Second)</source>
        <translation>Ustawia przepływność wideo w b/s (bitach na sekundę)</translation>
    </message>
    <message>
        <source>Frame Rate (FPS)</source>
        <translation>Liczba klatek na sekundę (FPS)</translation>
    </message>
    <message>
        <source>Set how many frames should be displayed per second. Higher frame rate increases the smoothness when played back</source>
        <translation>Ustawia, ile klatek ma być wyświetlanych na sekundę. Większa liczba klatek na sekundę zwiększa płynność odtwarzania</translation>
    </message>
    <message>
        <source>Aspect Rate</source>
        <translation>Proporcje obrazu</translation>
    </message>
    <message>
        <source>Set width to height ratio according to the screen aspect of your playback device</source>
        <translation>Ustawia stosunek szerokości do wysokości zgodnie z proporcjami ekranu urządzenia odtwarzającego</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Przepływność audio</translation>
    </message>
    <message>
        <source>Set the audio bitrate in bps(Bit Per Second)</source>
        <translation>Ustawia przepływność audio w b/s (bitach na sekundę)</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Częstotliwość próbkowania</translation>
    </message>
    <message>
        <source>Set the audio sampling frequency (the number of samples per second)</source>
        <translation>Ustawia częstotliwość próbkowania dźwięku (liczbę próbek na sekundę)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Set number of audio channels. 1 - Mono, 2 - Stereo</source>
        <translation>Ustawia liczbę kanałów dźwięku. 1 - Mono, 2 - Stereo</translation>
    </message>
    <message>
        <source>Remove Audio</source>
        <translation>Usuń dźwięk</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Plik wyjściowy</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Ustawienia wideo</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Ustawienia audio</translation>
    </message>
    <message>
        <source>True</source>
        <extracomment>The state of a grid check box, as a screen reader reads it.</extracomment>
        <translation>Tak</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A grid value: the program chooses it.</extracomment>
        <translation>Automatycznie</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Please add more file to the list.</source>
        <translation>Dodaj więcej plików do listy.</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Czy zakończyć program?</translation>
    </message>
    <message>
        <source>Total Files: 0</source>
        <translation>Liczba plików: 0</translation>
    </message>
    <message>
        <source>Total Duration: 00:00:00</source>
        <translation>Łączny czas trwania: 00:00:00</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Pasek menu</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>The accessible name of a menu bar menu; %1 is its caption (&quot;File menu&quot;).</extracomment>
        <translation>Menu %1</translation>
    </message>
    <message>
        <source>List context menu</source>
        <translation>Menu kontekstowe listy</translation>
    </message>
    <message>
        <source>Toobar</source>
        <extracomment>The toolbar&apos;s window title (shown in its context menu); the misspelling is historic.</extracomment>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Pasek stanu</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Proszę czekać...</translation>
    </message>
    <message>
        <source>Reading files</source>
        <translation>Odczytywanie plików</translation>
    </message>
    <message>
        <source>Reading files, please wait...</source>
        <translation>Odczytywanie plików, proszę czekać...</translation>
    </message>
    <message>
        <source>Files to join</source>
        <translation>Pliki do połączenia</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dodaj pliki</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Join Files</source>
        <translation>Połącz pliki</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Exit     </source>
        <translation>Zakończ     </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Odwróć zaznaczenie</translation>
    </message>
    <message>
        <source>Remove Selected Files</source>
        <translation>Usuń zaznaczone pliki</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Wyczyść listę</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Tematy pomocy</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Strona internetowa</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O programie...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Rozmiar obrazu</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Rozmiar pliku</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Data modyfikacji</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Kodek wideo</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Kodek audio</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Wszystkie obsługiwane pliki wideo</translation>
    </message>
    <message>
        <source>3GPP files (%1)</source>
        <extracomment>%1 is the list of file patterns, kept as it is.</extracomment>
        <translation>Pliki 3GPP (%1)</translation>
    </message>
    <message>
        <source>AMV files (*.amv)</source>
        <translation>Pliki AMV (*.amv)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>Pliki AVI (*.avi)</translation>
    </message>
    <message>
        <source>Digital Video Files (*.dv)</source>
        <translation>Pliki Digital Video (*.dv)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob)</source>
        <translation>Pliki wideo DVD (*.vob)</translation>
    </message>
    <message>
        <source>Flash Video (*.flv,*.f4v)</source>
        <translation>Wideo Flash (*.flv,*.f4v)</translation>
    </message>
    <message>
        <source>Matroska Video (*.mkv)</source>
        <translation>Wideo Matroska (*.mkv)</translation>
    </message>
    <message>
        <source>MPEG Files (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)</source>
        <translation>Pliki MPEG (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)</translation>
    </message>
    <message>
        <source>MPEG-4 files(*.mp4,*.m4v)</source>
        <translation>Pliki MPEG-4 (*.mp4,*.m4v)</translation>
    </message>
    <message>
        <source>NDS DPG Files (*.dpg)</source>
        <translation>Pliki NDS DPG (*.dpg)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov,*.qt)</source>
        <translation>Pliki QuickTime (*.mov,*.qt)</translation>
    </message>
    <message>
        <source>RealMedia file (*.rm,*.rmvb)</source>
        <translation>Pliki RealMedia (*.rm,*.rmvb)</translation>
    </message>
    <message>
        <source>VCD Movie Files (*.dat)</source>
        <translation>Filmy VCD (*.dat)</translation>
    </message>
    <message>
        <source>WebM Video Files (*.webm)</source>
        <translation>Pliki wideo WebM (*.webm)</translation>
    </message>
    <message>
        <source>Windows Media Video Files (*.wmv,*.asf)</source>
        <translation>Pliki Windows Media Video (*.wmv,*.asf)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Total Files: %1</source>
        <extracomment>%1 is the number of files.</extracomment>
        <translation>Liczba plików: %1</translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <extracomment>%1 is the duration as hh:mm:ss.</extracomment>
        <translation>Łączny czas trwania: %1</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Join Finished. Click here to open the output folder</source>
        <translation>Łączenie zakończone. Kliknij tutaj, aby otworzyć folder wyjściowy</translation>
    </message>
    <message>
        <source>Join finished notice. Escape closes it.</source>
        <translation>Powiadomienie o zakończeniu łączenia. Klawisz Esc je zamyka.</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Video lib not found</source>
        <translation>Nie znaleziono biblioteki wideo</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Preview player</source>
        <translation>Odtwarzacz podglądu</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Wideo</translation>
    </message>
    <message>
        <source>Player controls</source>
        <translation>Sterowanie odtwarzaczem</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>Muted speaker</source>
        <translation>Głośnik wyciszony</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Głośnik</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Dźwięk wyłączony</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Dźwięk włączony</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>General Video Format</source>
        <translation>Ogólne formaty wideo</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenia</translation>
    </message>
    <message>
        <source></source>
        <comment>Output profile captions and the profile menu&apos;s group names. Device, product, codec and format names, file extensions and figures stay as they are; translate only the descriptive words (&quot;Video&quot;, &quot;Audio&quot;, &quot;HD Video&quot;, &quot;for TV&quot;, &quot;High quality&quot;). An empty translation shows the English caption.</comment>
        <translation></translation>
    </message>
    <message>
        <source>3GP - 3GP Format (*.3gp)</source>
        <translation>3GP - Format 3GP (*.3gp)</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - Advanced Streaming Format (*.asf)</translation>
    </message>
    <message>
        <source>AVI - AVI Xvid Format (*.avi)</source>
        <translation>AVI - Format AVI Xvid (*.avi)</translation>
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
        <translation>MKV - Wideo Matroska (*.mkv)</translation>
    </message>
    <message>
        <source>MOV - QuickTime Video (*.mov)</source>
        <translation>MOV - Wideo QuickTime (*.mov)</translation>
    </message>
    <message>
        <source>MP4 - H264 Video (*.mp4)</source>
        <translation>MP4 - Wideo H264 (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - MPEG-4 Video (*.mp4)</source>
        <translation>MP4 - Wideo MPEG-4 (*.mp4)</translation>
    </message>
    <message>
        <source>MPG - MPEG-1 Video (*.mpg)</source>
        <translation>MPG - Wideo MPEG-1 (*.mpg)</translation>
    </message>
    <message>
        <source>MPG - MPEG-2 Video (*.mpg)</source>
        <translation>MPG - Wideo MPEG-2 (*.mpg)</translation>
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
        <translation>VOB - Obiekt wideo DVD (*.vob)</translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation>WMV - Windows Media Video (*.wmv)</translation>
    </message>
    <message>
        <source>Android - MPEG4 Video</source>
        <translation>Android - Wideo MPEG4</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>Android - H264 Video 320x240</source>
        <translation>Android - Wideo H264 320x240</translation>
    </message>
    <message>
        <source>Android - H264 Video 480x320</source>
        <translation>Android - Wideo H264 480x320</translation>
    </message>
    <message>
        <source>Android - H264 Video 800x480</source>
        <translation>Android - Wideo H264 800x480</translation>
    </message>
    <message>
        <source>Android - H264 Video 854x480</source>
        <translation>Android - Wideo H264 854x480</translation>
    </message>
    <message>
        <source>HTC G2 Magic - MPEG4 Video</source>
        <translation>HTC G2 Magic - Wideo MPEG4</translation>
    </message>
    <message>
        <source>HTC Hero - MPEG4 Video</source>
        <translation>HTC Hero - Wideo MPEG4</translation>
    </message>
    <message>
        <source>HTC Tattoo - MPEG4 Video</source>
        <translation>HTC Tattoo - Wideo MPEG4</translation>
    </message>
    <message>
        <source>Motorola CLIQ - MPEG4 Video</source>
        <translation>Motorola CLIQ - Wideo MPEG4</translation>
    </message>
    <message>
        <source>Motorola Droid - MPEG4 Video</source>
        <translation>Motorola Droid - Wideo MPEG4</translation>
    </message>
    <message>
        <source>Nexus One - MPEG4 Video</source>
        <translation>Nexus One - Wideo MPEG4</translation>
    </message>
    <message>
        <source>Samsung i7500 - MPEG4 Video</source>
        <translation>Samsung i7500 - Wideo MPEG4</translation>
    </message>
    <message>
        <source>Samsung P1000 - H264 Video</source>
        <translation>Samsung P1000 - Wideo H264</translation>
    </message>
    <message>
        <source>Android Pad</source>
        <translation>Tablety z Androidem</translation>
    </message>
    <message>
        <source>Samsung P1000 - MPEG4 Video</source>
        <translation>Samsung P1000 - Wideo MPEG4</translation>
    </message>
    <message>
        <source>Motorola Xoom - H264 Video</source>
        <translation>Motorola Xoom - Wideo H264</translation>
    </message>
    <message>
        <source>Motorola Xoom - MPEG4 Video</source>
        <translation>Motorola Xoom - Wideo MPEG4</translation>
    </message>
    <message>
        <source>Apple TV - MPEG4 Video</source>
        <translation>Apple TV - Wideo MPEG4</translation>
    </message>
    <message>
        <source>Apple TV</source>
        <translation>Apple TV</translation>
    </message>
    <message>
        <source>Apple TV - H264 Video</source>
        <translation>Apple TV - Wideo H264</translation>
    </message>
    <message>
        <source>Apple TV - H264 HD Video</source>
        <translation>Apple TV - Wideo H264 HD</translation>
    </message>
    <message>
        <source>BlackBerry - 3GP Video</source>
        <translation>BlackBerry - Wideo 3GP</translation>
    </message>
    <message>
        <source>BlackBerry</source>
        <translation>BlackBerry</translation>
    </message>
    <message>
        <source>BlackBerry - MPEG4 Video</source>
        <translation>BlackBerry - Wideo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry 8800/8700/8500/8300 - MPEG4 Video</source>
        <translation>BlackBerry 8800/8700/8500/8300 - Wideo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Bold 9000 - H264 Video</source>
        <translation>BlackBerry Bold 9000 - Wideo H264</translation>
    </message>
    <message>
        <source>BlackBerry Bold 9700 - H264 Video</source>
        <translation>BlackBerry Bold 9700 - Wideo H264</translation>
    </message>
    <message>
        <source>BlackBerry Charm 7100  - MPEG4 Video</source>
        <translation>BlackBerry Charm 7100  - Wideo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Curve 8900 - H264 Video</source>
        <translation>BlackBerry Curve 8900 - Wideo H264</translation>
    </message>
    <message>
        <source>BlackBerry Flip 8220/8230  - MPEG4 Video</source>
        <translation>BlackBerry Flip 8220/8230  - Wideo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Pearl 8100/8110/8120/8130 - MPEG4 Video</source>
        <translation>BlackBerry Pearl 8100/8110/8120/8130 - Wideo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - H264 Video</source>
        <translation>BlackBerry Playbook - Wideo H264</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - MPEG4 Video</source>
        <translation>BlackBerry Playbook - Wideo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - WMV Video</source>
        <translation>BlackBerry Playbook - Wideo WMV</translation>
    </message>
    <message>
        <source>BlackBerry Storm/Storm2/Torch/Tour - H264 Video</source>
        <translation>BlackBerry Storm/Storm2/Torch/Tour - Wideo H264</translation>
    </message>
    <message>
        <source>BlackBerry Tour 9630 - H264 Video</source>
        <translation>BlackBerry Tour 9630 - Wideo H264</translation>
    </message>
    <message>
        <source>HD - ASF Video</source>
        <translation>HD - Wideo ASF</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>Wideo HD</translation>
    </message>
    <message>
        <source>HD - H264 Video</source>
        <translation>HD - Wideo H264</translation>
    </message>
    <message>
        <source>HD - MKV Video</source>
        <translation>HD - Wideo MKV</translation>
    </message>
    <message>
        <source>HD - MOV Video</source>
        <translation>HD - Wideo MOV</translation>
    </message>
    <message>
        <source>HD - MPEG4 Video</source>
        <translation>HD - Wideo MPEG4</translation>
    </message>
    <message>
        <source>HD - RM Video</source>
        <translation>HD - Wideo RM</translation>
    </message>
    <message>
        <source>HD - WMV Video</source>
        <translation>HD - Wideo WMV</translation>
    </message>
    <message>
        <source>HD - Xvid Video</source>
        <translation>HD - Wideo Xvid</translation>
    </message>
    <message>
        <source>iPad - MPEG4 Video</source>
        <translation>iPad - Wideo MPEG4</translation>
    </message>
    <message>
        <source>iPad</source>
        <translation>iPad</translation>
    </message>
    <message>
        <source>iPad - H264 Video</source>
        <translation>iPad - Wideo H264</translation>
    </message>
    <message>
        <source>iPad - H264 HD Video</source>
        <translation>iPad - Wideo H264 HD</translation>
    </message>
    <message>
        <source>iPad2 - H264 HD Video</source>
        <translation>iPad2 - Wideo H264 HD</translation>
    </message>
    <message>
        <source>iPhone - H.264 Video</source>
        <translation>iPhone - Wideo H.264</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>iPhone - H.264 Video for TV</source>
        <translation>iPhone - Wideo H.264 dla TV</translation>
    </message>
    <message>
        <source>iPhone - MPEG4 Video</source>
        <translation>iPhone - Wideo MPEG4</translation>
    </message>
    <message>
        <source>iPhone4 - H.264 Video</source>
        <translation>iPhone4 - Wideo H.264</translation>
    </message>
    <message>
        <source>iPod - H264 Video</source>
        <translation>iPod - Wideo H264</translation>
    </message>
    <message>
        <source>iPod</source>
        <translation>iPod</translation>
    </message>
    <message>
        <source>iPod - H264 Video for TV</source>
        <translation>iPod - Wideo H264 dla TV</translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video</source>
        <translation>iPod - Wideo MPEG4</translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video for TV</source>
        <translation>iPod - Wideo MPEG4 dla TV</translation>
    </message>
    <message>
        <source>iPod Nano 5 - H264 Video</source>
        <translation>iPod Nano 5 - Wideo H264</translation>
    </message>
    <message>
        <source>iPod Nano 5 - MPEG4 Video</source>
        <translation>iPod Nano 5 - Wideo MPEG4</translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video</source>
        <translation>iPod Touch - Wideo H264</translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video for TV</source>
        <translation>iPod Touch - Wideo H264 dla TV</translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video</source>
        <translation>iPod Touch - Wideo MPEG4</translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video for TV</source>
        <translation>iPod Touch - Wideo MPEG4 dla TV</translation>
    </message>
    <message>
        <source>iPod Touch4 - H264 Video</source>
        <translation>iPod Touch4 - Wideo H264</translation>
    </message>
    <message>
        <source>PS3 - H264 Video</source>
        <translation>PS3 - Wideo H264</translation>
    </message>
    <message>
        <source>PS3</source>
        <translation>PS3</translation>
    </message>
    <message>
        <source>PS3 - H264 HD Video</source>
        <translation>PS3 - Wideo H264 HD</translation>
    </message>
    <message>
        <source>PS3 - WMV Video</source>
        <translation>PS3 - Wideo WMV</translation>
    </message>
    <message>
        <source>PS3 - WMV HD Video</source>
        <translation>PS3 - Wideo WMV HD</translation>
    </message>
    <message>
        <source>PS3 - Xvid Video</source>
        <translation>PS3 - Wideo Xvid</translation>
    </message>
    <message>
        <source>PS3 - Xvid HD Video</source>
        <translation>PS3 - Wideo Xvid HD</translation>
    </message>
    <message>
        <source>Archos - H264 Video</source>
        <translation>Archos - Wideo H264</translation>
    </message>
    <message>
        <source>PMP</source>
        <translation>PMP</translation>
    </message>
    <message>
        <source>Archos - MPEG4 Video</source>
        <translation>Archos - Wideo MPEG4</translation>
    </message>
    <message>
        <source>Archos - WMV Video</source>
        <translation>Archos - Wideo WMV</translation>
    </message>
    <message>
        <source>Creative ZEN - H264 Video</source>
        <translation>Creative ZEN - Wideo H264</translation>
    </message>
    <message>
        <source>Creative ZEN - MPEG4 Video</source>
        <translation>Creative ZEN - Wideo MPEG4</translation>
    </message>
    <message>
        <source>Creative ZEN - WMV Video</source>
        <translation>Creative ZEN - Wideo WMV</translation>
    </message>
    <message>
        <source>Creative ZEN - Xvid Video</source>
        <translation>Creative ZEN - Wideo Xvid</translation>
    </message>
    <message>
        <source>iRiver - H264 Video</source>
        <translation>iRiver - Wideo H264</translation>
    </message>
    <message>
        <source>iRiver - MPEG4 Video</source>
        <translation>iRiver - Wideo MPEG4</translation>
    </message>
    <message>
        <source>iRiver - WMV Video</source>
        <translation>iRiver - Wideo WMV</translation>
    </message>
    <message>
        <source>iRiver - Xvid Video</source>
        <translation>iRiver - Wideo Xvid</translation>
    </message>
    <message>
        <source>Zune - H264 Video</source>
        <translation>Zune - Wideo H264</translation>
    </message>
    <message>
        <source>Zune - MPEG4 Video</source>
        <translation>Zune - Wideo MPEG4</translation>
    </message>
    <message>
        <source>Zune - WMV Video</source>
        <translation>Zune - Wideo WMV</translation>
    </message>
    <message>
        <source>PSP - H264 Video</source>
        <translation>PSP - Wideo H264</translation>
    </message>
    <message>
        <source>PSP</source>
        <translation>PSP</translation>
    </message>
    <message>
        <source>PSP - H264 Video for TV</source>
        <translation>PSP - Wideo H264 dla TV</translation>
    </message>
    <message>
        <source>PSP - H264 Video for firmware 2.0 and above</source>
        <translation>PSP - Wideo H264 (firmware 2.0 lub nowszy)</translation>
    </message>
    <message>
        <source>PSP - MPEG4 Video</source>
        <translation>PSP - Wideo MPEG4</translation>
    </message>
    <message>
        <source>DVD NTSC - MPEG-2  Video</source>
        <translation>DVD NTSC - Wideo MPEG-2</translation>
    </message>
    <message>
        <source>VCD/DVD</source>
        <translation>VCD/DVD</translation>
    </message>
    <message>
        <source>DVD PAL - MPEG-2 Video</source>
        <translation>DVD PAL - Wideo MPEG-2</translation>
    </message>
    <message>
        <source>VCD NTSC - MPEG-1 Video</source>
        <translation>VCD NTSC - Wideo MPEG-1</translation>
    </message>
    <message>
        <source>VCD PAL - MPEG-1 Video</source>
        <translation>VCD PAL - Wideo MPEG-1</translation>
    </message>
    <message>
        <source>Dailymotion - H264 Video</source>
        <translation>Dailymotion - Wideo H264</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>Wideo internetowe</translation>
    </message>
    <message>
        <source>Dailymotion - H264 HD Video</source>
        <translation>Dailymotion - Wideo H264 HD</translation>
    </message>
    <message>
        <source>Facebook - H264 Video</source>
        <translation>Facebook - Wideo H264</translation>
    </message>
    <message>
        <source>Facebook - H264 HD Video</source>
        <translation>Facebook - Wideo H264 HD</translation>
    </message>
    <message>
        <source>Flickr - H264 Video</source>
        <translation>Flickr - Wideo H264</translation>
    </message>
    <message>
        <source>Flickr - H264 HD Video</source>
        <translation>Flickr - Wideo H264 HD</translation>
    </message>
    <message>
        <source>TwitVid - H264 Video</source>
        <translation>TwitVid - Wideo H264</translation>
    </message>
    <message>
        <source>TwitVid - H264 HD Video</source>
        <translation>TwitVid - Wideo H264 HD</translation>
    </message>
    <message>
        <source>Vimeo - H264 Video</source>
        <translation>Vimeo - Wideo H264</translation>
    </message>
    <message>
        <source>Vimeo - H264 HD Video</source>
        <translation>Vimeo - Wideo H264 HD</translation>
    </message>
    <message>
        <source>YOUTUBE - H264 Video</source>
        <translation>YOUTUBE - Wideo H264</translation>
    </message>
    <message>
        <source>YOUTUBE - H264 HD Video</source>
        <translation>YOUTUBE - Wideo H264 HD</translation>
    </message>
    <message>
        <source>Windows Phone 7 - H264 Video</source>
        <translation>Windows Phone 7 - Wideo H264</translation>
    </message>
    <message>
        <source>Windows Phone</source>
        <translation>Windows Phone</translation>
    </message>
    <message>
        <source>Windows Phone 7 - MPEG4 Video</source>
        <translation>Windows Phone 7 - Wideo MPEG4</translation>
    </message>
    <message>
        <source>Windows Phone 7 - WMV Video</source>
        <translation>Windows Phone 7 - Wideo WMV</translation>
    </message>
    <message>
        <source>Xbox360 - H264 Video</source>
        <translation>Xbox360 - Wideo H264</translation>
    </message>
    <message>
        <source>Xbox</source>
        <translation>Xbox</translation>
    </message>
    <message>
        <source>Xbox360 - H264 HD Video</source>
        <translation>Xbox360 - Wideo H264 HD</translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 Video</source>
        <translation>Xbox360 - Wideo MPEG4</translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 HD Video</source>
        <translation>Xbox360 - Wideo MPEG4 HD</translation>
    </message>
    <message>
        <source>Xbox360 - WMV Video</source>
        <translation>Xbox360 - Wideo WMV</translation>
    </message>
    <message>
        <source>Xbox360 - WMV HD Video</source>
        <translation>Xbox360 - Wideo WMV HD</translation>
    </message>
    <message>
        <source>Xbox360 - Xvid Video</source>
        <translation>Xbox360 - Wideo Xvid</translation>
    </message>
    <message>
        <source>Xbox360 - Xvid HD Video</source>
        <translation>Xbox360 - Wideo Xvid HD</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Video lib not found</source>
        <translation>Nie znaleziono biblioteki wideo</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Proszę czekać...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Join Finished!</source>
        <translation>Łączenie zakończone!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Join progress</source>
        <translation>Postęp łączenia</translation>
    </message>
    <message>
        <source>Percent done</source>
        <translation>Procent ukończenia</translation>
    </message>
    <message>
        <source>Join figures</source>
        <translation>Dane łączenia</translation>
    </message>
    <message>
        <source>Time Elapsed: </source>
        <translation>Upłynęło: </translation>
    </message>
    <message>
        <source>Remaining Time:</source>
        <translation>Pozostało:</translation>
    </message>
    <message>
        <source>Estimated Size: </source>
        <translation>Szacowany rozmiar: </translation>
    </message>
    <message>
        <source>Join note</source>
        <translation>Uwaga do łączenia</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Auto</source>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Niestandardowy...</translation>
    </message>
    <message>
        <source>High (larger file size)</source>
        <translation>Wysoka (większy plik)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalna</translation>
    </message>
    <message>
        <source>Low (smaller file size)</source>
        <translation>Niska (mniejszy plik)</translation>
    </message>
    <message>
        <source>Direct stream copy. Keep original format. (All files must be same format)</source>
        <translation>Bezpośrednie kopiowanie (wszystkie pliki muszą mieć ten sam format)</translation>
    </message>
    <message>
        <source>Convert to another format</source>
        <translation>Konwersja formatu</translation>
    </message>
    <message>
        <source>More &gt;&gt;</source>
        <translation>Więcej &gt;&gt;</translation>
    </message>
    <message>
        <source>More &lt;&lt;</source>
        <translation>Więcej &lt;&lt;</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Invalid file name!</source>
        <translation>Nieprawidłowa nazwa pliku!</translation>
    </message>
    <message>
        <source>Invalid path!</source>
        <translation>Nieprawidłowa ścieżka!</translation>
    </message>
    <message>
        <source>Not same format</source>
        <translation>Różne formaty</translation>
    </message>
    <message>
        <source>To use the &apos;Direct copy stream&apos; function, all video files must be same format</source>
        <translation>Aby użyć bezpośredniego kopiowania, wszystkie pliki wideo muszą mieć ten sam format</translation>
    </message>
    <message>
        <source>The output file is one of the files to join. Please choose another name or folder.</source>
        <translation>Plik wyjściowy jest jednym z plików do połączenia. Wybierz inną nazwę lub inny folder.</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Ustawienia wyjścia</translation>
    </message>
    <message>
        <source>The output file already exists. Do you want to replace it?</source>
        <translation>Plik wyjściowy już istnieje. Czy go zastąpić?</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Przeglądaj...</translation>
    </message>
    <message>
        <source>Join Now</source>
        <translation>Połącz teraz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Wys.:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>Jakość wideo:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Jakość audio:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Szer.:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Join without converting</source>
        <translation>Połącz bez konwersji</translation>
    </message>
    <message>
        <source>Show or hide advanced settings</source>
        <translation>Pokazuje lub ukrywa ustawienia zaawansowane</translation>
    </message>
    <message>
        <source>Browse for the destination folder</source>
        <translation>Wybór folderu docelowego</translation>
    </message>
    <message>
        <source>Conversion settings</source>
        <translation>Ustawienia konwersji</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Format wyjściowy</translation>
    </message>
    <message>
        <source>Opens the menu of output profiles</source>
        <translation>Otwiera menu profili wyjściowych</translation>
    </message>
    <message>
        <source>Video size</source>
        <translation>Rozmiar obrazu</translation>
    </message>
    <message>
        <source>Video width</source>
        <translation>Szerokość obrazu</translation>
    </message>
    <message>
        <source>Video height</source>
        <translation>Wysokość obrazu</translation>
    </message>
    <message>
        <source>Video quality</source>
        <translation>Jakość wideo</translation>
    </message>
    <message>
        <source>Audio quality</source>
        <translation>Jakość audio</translation>
    </message>
    <message>
        <source>Output file name</source>
        <translation>Nazwa pliku wyjściowego</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>Folder docelowy</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Ustawienia zaawansowane</translation>
    </message>
    <message>
        <source>Output profiles</source>
        <translation>Profile wyjściowe</translation>
    </message>
    <message>
        <source>Advanced settings items</source>
        <translation>Elementy ustawień zaawansowanych</translation>
    </message>
</context>
</TS>
