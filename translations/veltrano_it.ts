<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <extracomment>The about window&apos;s accessible name; %1 is the product name.</extracomment>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version 5.0</source>
        <translation>Versione 5.0</translation>
    </message>
    <message>
        <source>© 2026 %1 · GNU GPL v3 or later</source>
        <extracomment>%1 is the company name; keep &quot;GNU GPL v3&quot;.</extracomment>
        <translation>© 2026 %1 · GNU GPL v3 o successiva</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Can not open file: </source>
        <translation>Impossibile aprire il file: </translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Errore: </translation>
    </message>
    <message>
        <source>Cannot convert.</source>
        <translation>Impossibile convertire.</translation>
    </message>
    <message>
        <source>Please try to convert it to another format</source>
        <translation>Prova a convertire in un altro formato</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is encrypted.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 non contiene immagini né suoni decodificabili: il file è crittografato.</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is cut short.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 non contiene immagini né suoni decodificabili: il file è troncato.</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is damaged.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 non contiene immagini né suoni decodificabili: il file è danneggiato.</translation>
    </message>
    <message>
        <source>Cannot convert the pictures of %1</source>
        <translation>Impossibile convertire le immagini di %1</translation>
    </message>
    <message>
        <source>Cannot convert the sound of %1</source>
        <translation>Impossibile convertire l&apos;audio di %1</translation>
    </message>
    <message>
        <source>Cannot encode %1</source>
        <translation>Impossibile codificare %1</translation>
    </message>
    <message>
        <source>Cannot join by stream copy: %1 holds no picture or sound that can be copied: it is cut short or damaged.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Impossibile unire con la copia diretta: %1 non contiene immagini né suoni copiabili: il file è troncato o danneggiato.</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Filename Extension</source>
        <translation>Estensione del file</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Bitrate video</translation>
    </message>
    <message>
        <source>Set the video bit rate in bps (Bit Per Second)</source>
        <translation>Imposta il bitrate video in bps (bit al secondo)</translation>
    </message>
    <message>
        <source>Frame Rate (FPS)</source>
        <translation>Frequenza dei fotogrammi (FPS)</translation>
    </message>
    <message>
        <source>Set how many frames should be displayed per second. Higher frame rate increases the smoothness when played back</source>
        <translation>Imposta quanti fotogrammi mostrare al secondo. Una frequenza dei fotogrammi più alta rende la riproduzione più fluida</translation>
    </message>
    <message>
        <source>Aspect Rate</source>
        <translation>Proporzioni</translation>
    </message>
    <message>
        <source>Set width to height ratio according to the screen aspect of your playback device</source>
        <translation>Imposta il rapporto tra larghezza e altezza in base allo schermo del tuo dispositivo di riproduzione</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Bitrate audio</translation>
    </message>
    <message>
        <source>Set the audio bitrate in bps(Bit Per Second)</source>
        <translation>Imposta il bitrate audio in bps (bit al secondo)</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Frequenza di campionamento</translation>
    </message>
    <message>
        <source>Set the audio sampling frequency (the number of samples per second)</source>
        <translation>Imposta la frequenza di campionamento audio (numero di campioni al secondo)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Set number of audio channels. 1 - Mono, 2 - Stereo</source>
        <translation>Imposta il numero di canali audio. 1 - Mono, 2 - Stereo</translation>
    </message>
    <message>
        <source>Remove Audio</source>
        <translation>Rimuovi audio</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>File di uscita</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Impostazioni video</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Impostazioni audio</translation>
    </message>
    <message>
        <source>True</source>
        <extracomment>The state of a grid check box, as a screen reader reads it.</extracomment>
        <translation>Sì</translation>
    </message>
    <message>
        <source>False</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A grid value: the program chooses it.</extracomment>
        <translation>Automatico</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Please add more file to the list.</source>
        <translation>Aggiungi altri file all&apos;elenco.</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Vuoi uscire?</translation>
    </message>
    <message>
        <source>Total Files: 0</source>
        <translation>File totali: 0</translation>
    </message>
    <message>
        <source>Total Duration: 00:00:00</source>
        <translation>Durata totale: 00:00:00</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Barra dei menu</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Elenco</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>The accessible name of a menu bar menu; %1 is its caption (&quot;File menu&quot;).</extracomment>
        <translation>Menu %1</translation>
    </message>
    <message>
        <source>List context menu</source>
        <translation>Menu contestuale dell&apos;elenco</translation>
    </message>
    <message>
        <source>Toobar</source>
        <extracomment>The toolbar&apos;s window title (shown in its context menu); the misspelling is historic.</extracomment>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barra di stato</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere…</translation>
    </message>
    <message>
        <source>Reading files</source>
        <translation>Lettura dei file</translation>
    </message>
    <message>
        <source>Reading files, please wait...</source>
        <translation>Lettura dei file in corso, attendere…</translation>
    </message>
    <message>
        <source>Files to join</source>
        <translation>File da unire</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Join Files</source>
        <translation>Unisci file</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unisci</translation>
    </message>
    <message>
        <source>Exit     </source>
        <translation>Esci     </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Inverti selezione</translation>
    </message>
    <message>
        <source>Remove Selected Files</source>
        <translation>Rimuovi file selezionati</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Rimuovi tutto</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Sommario della guida</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Dimensioni immagine</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dimensione file</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Codec video</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Codec audio</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Tutti i file video supportati</translation>
    </message>
    <message>
        <source>3GPP files (%1)</source>
        <extracomment>%1 is the list of file patterns, kept as it is.</extracomment>
        <translation>File 3GPP (%1)</translation>
    </message>
    <message>
        <source>AMV files (*.amv)</source>
        <translation>File AMV (*.amv)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>File AVI (*.avi)</translation>
    </message>
    <message>
        <source>Digital Video Files (*.dv)</source>
        <translation>File Digital Video (*.dv)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob)</source>
        <translation>File video DVD (*.vob)</translation>
    </message>
    <message>
        <source>Flash Video (*.flv,*.f4v)</source>
        <translation>Video Flash (*.flv,*.f4v)</translation>
    </message>
    <message>
        <source>Matroska Video (*.mkv)</source>
        <translation>Video Matroska (*.mkv)</translation>
    </message>
    <message>
        <source>MPEG Files (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)</source>
        <translation>File MPEG (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)</translation>
    </message>
    <message>
        <source>MPEG-4 files(*.mp4,*.m4v)</source>
        <translation>File MPEG-4 (*.mp4,*.m4v)</translation>
    </message>
    <message>
        <source>NDS DPG Files (*.dpg)</source>
        <translation>File NDS DPG (*.dpg)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov,*.qt)</source>
        <translation>File QuickTime (*.mov,*.qt)</translation>
    </message>
    <message>
        <source>RealMedia file (*.rm,*.rmvb)</source>
        <translation>File RealMedia (*.rm,*.rmvb)</translation>
    </message>
    <message>
        <source>VCD Movie Files (*.dat)</source>
        <translation>Filmati VCD (*.dat)</translation>
    </message>
    <message>
        <source>WebM Video Files (*.webm)</source>
        <translation>File video WebM (*.webm)</translation>
    </message>
    <message>
        <source>Windows Media Video Files (*.wmv,*.asf)</source>
        <translation>File Windows Media Video (*.wmv,*.asf)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Total Files: %1</source>
        <extracomment>%1 is the number of files.</extracomment>
        <translation>File totali: %1</translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <extracomment>%1 is the duration as hh:mm:ss.</extracomment>
        <translation>Durata totale: %1</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Join Finished. Click here to open the output folder</source>
        <translation>Unione completata. Fai clic qui per aprire la cartella di uscita</translation>
    </message>
    <message>
        <source>Join finished notice. Escape closes it.</source>
        <translation>Avviso di unione completata. Esc lo chiude.</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Video lib not found</source>
        <translation>Libreria video non trovata</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Preview player</source>
        <translation>Lettore di anteprima</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Player controls</source>
        <translation>Controlli del lettore</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Disattiva audio</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Muted speaker</source>
        <translation>Altoparlante disattivato</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Altoparlante</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Audio disattivato</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Audio attivato</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>General Video Format</source>
        <translation>Formati video generici</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivi</translation>
    </message>
    <message>
        <source></source>
        <comment>Output profile captions and the profile menu&apos;s group names. Device, product, codec and format names, file extensions and figures stay as they are; translate only the descriptive words (&quot;Video&quot;, &quot;Audio&quot;, &quot;HD Video&quot;, &quot;for TV&quot;, &quot;High quality&quot;). An empty translation shows the English caption.</comment>
        <translation></translation>
    </message>
    <message>
        <source>3GP - 3GP Format (*.3gp)</source>
        <translation>3GP - Formato 3GP (*.3gp)</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - Advanced Streaming Format (*.asf)</translation>
    </message>
    <message>
        <source>AVI - AVI Xvid Format (*.avi)</source>
        <translation>AVI - Formato AVI Xvid (*.avi)</translation>
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
        <translation>MP4 - Video H264 (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - MPEG-4 Video (*.mp4)</source>
        <translation>MP4 - Video MPEG-4 (*.mp4)</translation>
    </message>
    <message>
        <source>MPG - MPEG-1 Video (*.mpg)</source>
        <translation>MPG - Video MPEG-1 (*.mpg)</translation>
    </message>
    <message>
        <source>MPG - MPEG-2 Video (*.mpg)</source>
        <translation>MPG - Video MPEG-2 (*.mpg)</translation>
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
        <translation>Android - Video MPEG4</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>Android - H264 Video 320x240</source>
        <translation>Android - Video H264 320x240</translation>
    </message>
    <message>
        <source>Android - H264 Video 480x320</source>
        <translation>Android - Video H264 480x320</translation>
    </message>
    <message>
        <source>Android - H264 Video 800x480</source>
        <translation>Android - Video H264 800x480</translation>
    </message>
    <message>
        <source>Android - H264 Video 854x480</source>
        <translation>Android - Video H264 854x480</translation>
    </message>
    <message>
        <source>HTC G2 Magic - MPEG4 Video</source>
        <translation>HTC G2 Magic - Video MPEG4</translation>
    </message>
    <message>
        <source>HTC Hero - MPEG4 Video</source>
        <translation>HTC Hero - Video MPEG4</translation>
    </message>
    <message>
        <source>HTC Tattoo - MPEG4 Video</source>
        <translation>HTC Tattoo - Video MPEG4</translation>
    </message>
    <message>
        <source>Motorola CLIQ - MPEG4 Video</source>
        <translation>Motorola CLIQ - Video MPEG4</translation>
    </message>
    <message>
        <source>Motorola Droid - MPEG4 Video</source>
        <translation>Motorola Droid - Video MPEG4</translation>
    </message>
    <message>
        <source>Nexus One - MPEG4 Video</source>
        <translation>Nexus One - Video MPEG4</translation>
    </message>
    <message>
        <source>Samsung i7500 - MPEG4 Video</source>
        <translation>Samsung i7500 - Video MPEG4</translation>
    </message>
    <message>
        <source>Samsung P1000 - H264 Video</source>
        <translation>Samsung P1000 - Video H264</translation>
    </message>
    <message>
        <source>Android Pad</source>
        <translation>Tablet Android</translation>
    </message>
    <message>
        <source>Samsung P1000 - MPEG4 Video</source>
        <translation>Samsung P1000 - Video MPEG4</translation>
    </message>
    <message>
        <source>Motorola Xoom - H264 Video</source>
        <translation>Motorola Xoom - Video H264</translation>
    </message>
    <message>
        <source>Motorola Xoom - MPEG4 Video</source>
        <translation>Motorola Xoom - Video MPEG4</translation>
    </message>
    <message>
        <source>Apple TV - MPEG4 Video</source>
        <translation>Apple TV - Video MPEG4</translation>
    </message>
    <message>
        <source>Apple TV</source>
        <translation>Apple TV</translation>
    </message>
    <message>
        <source>Apple TV - H264 Video</source>
        <translation>Apple TV - Video H264</translation>
    </message>
    <message>
        <source>Apple TV - H264 HD Video</source>
        <translation>Apple TV - Video H264 HD</translation>
    </message>
    <message>
        <source>BlackBerry - 3GP Video</source>
        <translation>BlackBerry - Video 3GP</translation>
    </message>
    <message>
        <source>BlackBerry</source>
        <translation>BlackBerry</translation>
    </message>
    <message>
        <source>BlackBerry - MPEG4 Video</source>
        <translation>BlackBerry - Video MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry 8800/8700/8500/8300 - MPEG4 Video</source>
        <translation>BlackBerry 8800/8700/8500/8300 - Video MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Bold 9000 - H264 Video</source>
        <translation>BlackBerry Bold 9000 - Video H264</translation>
    </message>
    <message>
        <source>BlackBerry Bold 9700 - H264 Video</source>
        <translation>BlackBerry Bold 9700 - Video H264</translation>
    </message>
    <message>
        <source>BlackBerry Charm 7100  - MPEG4 Video</source>
        <translation>BlackBerry Charm 7100 - Video MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Curve 8900 - H264 Video</source>
        <translation>BlackBerry Curve 8900 - Video H264</translation>
    </message>
    <message>
        <source>BlackBerry Flip 8220/8230  - MPEG4 Video</source>
        <translation>BlackBerry Flip 8220/8230 - Video MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Pearl 8100/8110/8120/8130 - MPEG4 Video</source>
        <translation>BlackBerry Pearl 8100/8110/8120/8130 - Video MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - H264 Video</source>
        <translation>BlackBerry Playbook - Video H264</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - MPEG4 Video</source>
        <translation>BlackBerry Playbook - Video MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - WMV Video</source>
        <translation>BlackBerry Playbook - Video WMV</translation>
    </message>
    <message>
        <source>BlackBerry Storm/Storm2/Torch/Tour - H264 Video</source>
        <translation>BlackBerry Storm/Storm2/Torch/Tour - Video H264</translation>
    </message>
    <message>
        <source>BlackBerry Tour 9630 - H264 Video</source>
        <translation>BlackBerry Tour 9630 - Video H264</translation>
    </message>
    <message>
        <source>HD - ASF Video</source>
        <translation>HD - Video ASF</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>Video HD</translation>
    </message>
    <message>
        <source>HD - H264 Video</source>
        <translation>HD - Video H264</translation>
    </message>
    <message>
        <source>HD - MKV Video</source>
        <translation>HD - Video MKV</translation>
    </message>
    <message>
        <source>HD - MOV Video</source>
        <translation>HD - Video MOV</translation>
    </message>
    <message>
        <source>HD - MPEG4 Video</source>
        <translation>HD - Video MPEG4</translation>
    </message>
    <message>
        <source>HD - RM Video</source>
        <translation>HD - Video RM</translation>
    </message>
    <message>
        <source>HD - WMV Video</source>
        <translation>HD - Video WMV</translation>
    </message>
    <message>
        <source>HD - Xvid Video</source>
        <translation>HD - Video Xvid</translation>
    </message>
    <message>
        <source>iPad - MPEG4 Video</source>
        <translation>iPad - Video MPEG4</translation>
    </message>
    <message>
        <source>iPad</source>
        <translation>iPad</translation>
    </message>
    <message>
        <source>iPad - H264 Video</source>
        <translation>iPad - Video H264</translation>
    </message>
    <message>
        <source>iPad - H264 HD Video</source>
        <translation>iPad - Video H264 HD</translation>
    </message>
    <message>
        <source>iPad2 - H264 HD Video</source>
        <translation>iPad2 - Video H264 HD</translation>
    </message>
    <message>
        <source>iPhone - H.264 Video</source>
        <translation>iPhone - Video H.264</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>iPhone - H.264 Video for TV</source>
        <translation>iPhone - Video H.264 per TV</translation>
    </message>
    <message>
        <source>iPhone - MPEG4 Video</source>
        <translation>iPhone - Video MPEG4</translation>
    </message>
    <message>
        <source>iPhone4 - H.264 Video</source>
        <translation>iPhone4 - Video H.264</translation>
    </message>
    <message>
        <source>iPod - H264 Video</source>
        <translation>iPod - Video H264</translation>
    </message>
    <message>
        <source>iPod</source>
        <translation>iPod</translation>
    </message>
    <message>
        <source>iPod - H264 Video for TV</source>
        <translation>iPod - Video H264 per TV</translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video</source>
        <translation>iPod - Video MPEG4</translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video for TV</source>
        <translation>iPod - Video MPEG4 per TV</translation>
    </message>
    <message>
        <source>iPod Nano 5 - H264 Video</source>
        <translation>iPod Nano 5 - Video H264</translation>
    </message>
    <message>
        <source>iPod Nano 5 - MPEG4 Video</source>
        <translation>iPod Nano 5 - Video MPEG4</translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video</source>
        <translation>iPod Touch - Video H264</translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video for TV</source>
        <translation>iPod Touch - Video H264 per TV</translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video</source>
        <translation>iPod Touch - Video MPEG4</translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video for TV</source>
        <translation>iPod Touch - Video MPEG4 per TV</translation>
    </message>
    <message>
        <source>iPod Touch4 - H264 Video</source>
        <translation>iPod Touch4 - Video H264</translation>
    </message>
    <message>
        <source>PS3 - H264 Video</source>
        <translation>PS3 - Video H264</translation>
    </message>
    <message>
        <source>PS3</source>
        <translation>PS3</translation>
    </message>
    <message>
        <source>PS3 - H264 HD Video</source>
        <translation>PS3 - Video H264 HD</translation>
    </message>
    <message>
        <source>PS3 - WMV Video</source>
        <translation>PS3 - Video WMV</translation>
    </message>
    <message>
        <source>PS3 - WMV HD Video</source>
        <translation>PS3 - Video WMV HD</translation>
    </message>
    <message>
        <source>PS3 - Xvid Video</source>
        <translation>PS3 - Video Xvid</translation>
    </message>
    <message>
        <source>PS3 - Xvid HD Video</source>
        <translation>PS3 - Video Xvid HD</translation>
    </message>
    <message>
        <source>Archos - H264 Video</source>
        <translation>Archos - Video H264</translation>
    </message>
    <message>
        <source>PMP</source>
        <translation>PMP</translation>
    </message>
    <message>
        <source>Archos - MPEG4 Video</source>
        <translation>Archos - Video MPEG4</translation>
    </message>
    <message>
        <source>Archos - WMV Video</source>
        <translation>Archos - Video WMV</translation>
    </message>
    <message>
        <source>Creative ZEN - H264 Video</source>
        <translation>Creative ZEN - Video H264</translation>
    </message>
    <message>
        <source>Creative ZEN - MPEG4 Video</source>
        <translation>Creative ZEN - Video MPEG4</translation>
    </message>
    <message>
        <source>Creative ZEN - WMV Video</source>
        <translation>Creative ZEN - Video WMV</translation>
    </message>
    <message>
        <source>Creative ZEN - Xvid Video</source>
        <translation>Creative ZEN - Video Xvid</translation>
    </message>
    <message>
        <source>iRiver - H264 Video</source>
        <translation>iRiver - Video H264</translation>
    </message>
    <message>
        <source>iRiver - MPEG4 Video</source>
        <translation>iRiver - Video MPEG4</translation>
    </message>
    <message>
        <source>iRiver - WMV Video</source>
        <translation>iRiver - Video WMV</translation>
    </message>
    <message>
        <source>iRiver - Xvid Video</source>
        <translation>iRiver - Video Xvid</translation>
    </message>
    <message>
        <source>Zune - H264 Video</source>
        <translation>Zune - Video H264</translation>
    </message>
    <message>
        <source>Zune - MPEG4 Video</source>
        <translation>Zune - Video MPEG4</translation>
    </message>
    <message>
        <source>Zune - WMV Video</source>
        <translation>Zune - Video WMV</translation>
    </message>
    <message>
        <source>PSP - H264 Video</source>
        <translation>PSP - Video H264</translation>
    </message>
    <message>
        <source>PSP</source>
        <translation>PSP</translation>
    </message>
    <message>
        <source>PSP - H264 Video for TV</source>
        <translation>PSP - Video H264 per TV</translation>
    </message>
    <message>
        <source>PSP - H264 Video for firmware 2.0 and above</source>
        <translation>PSP - Video H264 per firmware 2.0 e successivi</translation>
    </message>
    <message>
        <source>PSP - MPEG4 Video</source>
        <translation>PSP - Video MPEG4</translation>
    </message>
    <message>
        <source>DVD NTSC - MPEG-2  Video</source>
        <translation>DVD NTSC - Video MPEG-2</translation>
    </message>
    <message>
        <source>VCD/DVD</source>
        <translation>VCD/DVD</translation>
    </message>
    <message>
        <source>DVD PAL - MPEG-2 Video</source>
        <translation>DVD PAL - Video MPEG-2</translation>
    </message>
    <message>
        <source>VCD NTSC - MPEG-1 Video</source>
        <translation>VCD NTSC - Video MPEG-1</translation>
    </message>
    <message>
        <source>VCD PAL - MPEG-1 Video</source>
        <translation>VCD PAL - Video MPEG-1</translation>
    </message>
    <message>
        <source>Dailymotion - H264 Video</source>
        <translation>Dailymotion - Video H264</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>Video web</translation>
    </message>
    <message>
        <source>Dailymotion - H264 HD Video</source>
        <translation>Dailymotion - Video H264 HD</translation>
    </message>
    <message>
        <source>Facebook - H264 Video</source>
        <translation>Facebook - Video H264</translation>
    </message>
    <message>
        <source>Facebook - H264 HD Video</source>
        <translation>Facebook - Video H264 HD</translation>
    </message>
    <message>
        <source>Flickr - H264 Video</source>
        <translation>Flickr - Video H264</translation>
    </message>
    <message>
        <source>Flickr - H264 HD Video</source>
        <translation>Flickr - Video H264 HD</translation>
    </message>
    <message>
        <source>TwitVid - H264 Video</source>
        <translation>TwitVid - Video H264</translation>
    </message>
    <message>
        <source>TwitVid - H264 HD Video</source>
        <translation>TwitVid - Video H264 HD</translation>
    </message>
    <message>
        <source>Vimeo - H264 Video</source>
        <translation>Vimeo - Video H264</translation>
    </message>
    <message>
        <source>Vimeo - H264 HD Video</source>
        <translation>Vimeo - Video H264 HD</translation>
    </message>
    <message>
        <source>YOUTUBE - H264 Video</source>
        <translation>YOUTUBE - Video H264</translation>
    </message>
    <message>
        <source>YOUTUBE - H264 HD Video</source>
        <translation>YOUTUBE - Video H264 HD</translation>
    </message>
    <message>
        <source>Windows Phone 7 - H264 Video</source>
        <translation>Windows Phone 7 - Video H264</translation>
    </message>
    <message>
        <source>Windows Phone</source>
        <translation>Windows Phone</translation>
    </message>
    <message>
        <source>Windows Phone 7 - MPEG4 Video</source>
        <translation>Windows Phone 7 - Video MPEG4</translation>
    </message>
    <message>
        <source>Windows Phone 7 - WMV Video</source>
        <translation>Windows Phone 7 - Video WMV</translation>
    </message>
    <message>
        <source>Xbox360 - H264 Video</source>
        <translation>Xbox360 - Video H264</translation>
    </message>
    <message>
        <source>Xbox</source>
        <translation>Xbox</translation>
    </message>
    <message>
        <source>Xbox360 - H264 HD Video</source>
        <translation>Xbox360 - Video H264 HD</translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 Video</source>
        <translation>Xbox360 - Video MPEG4</translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 HD Video</source>
        <translation>Xbox360 - Video MPEG4 HD</translation>
    </message>
    <message>
        <source>Xbox360 - WMV Video</source>
        <translation>Xbox360 - Video WMV</translation>
    </message>
    <message>
        <source>Xbox360 - WMV HD Video</source>
        <translation>Xbox360 - Video WMV HD</translation>
    </message>
    <message>
        <source>Xbox360 - Xvid Video</source>
        <translation>Xbox360 - Video Xvid</translation>
    </message>
    <message>
        <source>Xbox360 - Xvid HD Video</source>
        <translation>Xbox360 - Video Xvid HD</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Video lib not found</source>
        <translation>Libreria video non trovata</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Join Finished!</source>
        <translation>Unione completata!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Join progress</source>
        <translation>Avanzamento dell&apos;unione</translation>
    </message>
    <message>
        <source>Percent done</source>
        <translation>Percentuale completata</translation>
    </message>
    <message>
        <source>Join figures</source>
        <translation>Dati dell&apos;unione</translation>
    </message>
    <message>
        <source>Time Elapsed: </source>
        <translation>Tempo trascorso: </translation>
    </message>
    <message>
        <source>Remaining Time:</source>
        <translation>Tempo rimanente:</translation>
    </message>
    <message>
        <source>Estimated Size: </source>
        <translation>Dimensione stimata: </translation>
    </message>
    <message>
        <source>Join note</source>
        <translation>Nota sull&apos;unione</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Auto</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizzato…</translation>
    </message>
    <message>
        <source>High (larger file size)</source>
        <translation>Alta (file più grande)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Low (smaller file size)</source>
        <translation>Bassa (file più piccolo)</translation>
    </message>
    <message>
        <source>Direct stream copy. Keep original format. (All files must be same format)</source>
        <translation>Copia diretta: mantieni il formato originale (stesso formato per tutti i file)</translation>
    </message>
    <message>
        <source>Convert to another format</source>
        <translation>Converti in altro formato</translation>
    </message>
    <message>
        <source>More &gt;&gt;</source>
        <translation>Altro &gt;&gt;</translation>
    </message>
    <message>
        <source>More &lt;&lt;</source>
        <translation>Meno &lt;&lt;</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Invalid file name!</source>
        <translation>Nome file non valido!</translation>
    </message>
    <message>
        <source>Invalid path!</source>
        <translation>Percorso non valido!</translation>
    </message>
    <message>
        <source>Not same format</source>
        <translation>Formati diversi</translation>
    </message>
    <message>
        <source>To use the &apos;Direct copy stream&apos; function, all video files must be same format</source>
        <translation>Per usare la copia diretta, tutti i file video devono avere lo stesso formato</translation>
    </message>
    <message>
        <source>The output file is one of the files to join. Please choose another name or folder.</source>
        <translation>Il file di uscita è uno dei file da unire. Scegli un altro nome o un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Impostazioni di uscita</translation>
    </message>
    <message>
        <source>The output file already exists. Do you want to replace it?</source>
        <translation>Il file di uscita esiste già. Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Join Now</source>
        <translation>Unisci ora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Cartella:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Dimensioni:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Alt.:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>Qualità video:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Qualità audio:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largh.:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nome file:</translation>
    </message>
    <message>
        <source>Join without converting</source>
        <translation>Unisci senza conversione</translation>
    </message>
    <message>
        <source>Show or hide advanced settings</source>
        <translation>Mostra o nascondi le impostazioni avanzate</translation>
    </message>
    <message>
        <source>Browse for the destination folder</source>
        <translation>Scegli la cartella di destinazione</translation>
    </message>
    <message>
        <source>Conversion settings</source>
        <translation>Impostazioni di conversione</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato di uscita</translation>
    </message>
    <message>
        <source>Opens the menu of output profiles</source>
        <translation>Apre il menu dei profili di uscita</translation>
    </message>
    <message>
        <source>Video size</source>
        <translation>Dimensioni dell&apos;immagine</translation>
    </message>
    <message>
        <source>Video width</source>
        <translation>Larghezza dell&apos;immagine</translation>
    </message>
    <message>
        <source>Video height</source>
        <translation>Altezza dell&apos;immagine</translation>
    </message>
    <message>
        <source>Video quality</source>
        <translation>Qualità video</translation>
    </message>
    <message>
        <source>Audio quality</source>
        <translation>Qualità audio</translation>
    </message>
    <message>
        <source>Output file name</source>
        <translation>Nome del file di uscita</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Impostazioni avanzate</translation>
    </message>
    <message>
        <source>Output profiles</source>
        <translation>Profili di uscita</translation>
    </message>
    <message>
        <source>Advanced settings items</source>
        <translation>Voci delle impostazioni avanzate</translation>
    </message>
</context>
</TS>
