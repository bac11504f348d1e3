<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <extracomment>The about window&apos;s accessible name; %1 is the product name.</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version 5.0</source>
        <translation>Version 5.0</translation>
    </message>
    <message>
        <source>© 2026 %1 · GNU GPL v3 or later</source>
        <extracomment>%1 is the company name; keep &quot;GNU GPL v3&quot;.</extracomment>
        <translation>© 2026 %1 · GNU GPL v3 ou ultérieure</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Can not open file: </source>
        <translation>Impossible d&apos;ouvrir le fichier&#xa0;: </translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Erreur&#xa0;: </translation>
    </message>
    <message>
        <source>Cannot convert.</source>
        <translation>Conversion impossible.</translation>
    </message>
    <message>
        <source>Please try to convert it to another format</source>
        <translation>Veuillez essayer de convertir dans un autre format</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is encrypted.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 ne contient ni image ni son décodable&#xa0;: le fichier est chiffré.</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is cut short.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 ne contient ni image ni son décodable&#xa0;: le fichier est tronqué.</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is damaged.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1 ne contient ni image ni son décodable&#xa0;: le fichier est endommagé.</translation>
    </message>
    <message>
        <source>Cannot convert the pictures of %1</source>
        <translation>Impossible de convertir les images de %1</translation>
    </message>
    <message>
        <source>Cannot convert the sound of %1</source>
        <translation>Impossible de convertir le son de %1</translation>
    </message>
    <message>
        <source>Cannot encode %1</source>
        <translation>Impossible d&apos;encoder %1</translation>
    </message>
    <message>
        <source>Cannot join by stream copy: %1 holds no picture or sound that can be copied: it is cut short or damaged.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Impossible d&apos;assembler par copie directe&#xa0;: %1 ne contient ni image ni son copiable&#xa0;: le fichier est tronqué ou endommagé.</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Filename Extension</source>
        <translation>Extension du fichier</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Débit vidéo</translation>
    </message>
    <message>
        <source>Set the video bit rate in bps (Bit Per Second)</source>
        <translation>Définit le débit vidéo en bit/s (bits par seconde)</translation>
    </message>
    <message>
        <source>Frame Rate (FPS)</source>
        <translation>Fréquence d&apos;images (i/s)</translation>
    </message>
    <message>
        <source>Set how many frames should be displayed per second. Higher frame rate increases the smoothness when played back</source>
        <translation>Définit le nombre d&apos;images affichées par seconde. Une fréquence d&apos;images plus élevée rend la lecture plus fluide</translation>
    </message>
    <message>
        <source>Aspect Rate</source>
        <translation>Format d&apos;image</translation>
    </message>
    <message>
        <source>Set width to height ratio according to the screen aspect of your playback device</source>
        <translation>Définit le rapport largeur/hauteur selon l&apos;écran de votre appareil de lecture</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Débit audio</translation>
    </message>
    <message>
        <source>Set the audio bitrate in bps(Bit Per Second)</source>
        <translation>Définit le débit audio en bit/s (bits par seconde)</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>Set the audio sampling frequency (the number of samples per second)</source>
        <translation>Définit la fréquence d&apos;échantillonnage audio (nombre d&apos;échantillons par seconde)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Set number of audio channels. 1 - Mono, 2 - Stereo</source>
        <translation>Définit le nombre de canaux audio. 1 - Mono, 2 - Stéréo</translation>
    </message>
    <message>
        <source>Remove Audio</source>
        <translation>Supprimer le son</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Fichier de sortie</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Paramètres vidéo</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Paramètres audio</translation>
    </message>
    <message>
        <source>True</source>
        <extracomment>The state of a grid check box, as a screen reader reads it.</extracomment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A grid value: the program chooses it.</extracomment>
        <translation>Automatique</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Please add more file to the list.</source>
        <translation>Veuillez ajouter d&apos;autres fichiers à la liste.</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Voulez-vous quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Total Files: 0</source>
        <translation>Nombre de fichiers&#xa0;: 0</translation>
    </message>
    <message>
        <source>Total Duration: 00:00:00</source>
        <translation>Durée totale&#xa0;: 00:00:00</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>The accessible name of a menu bar menu; %1 is its caption (&quot;File menu&quot;).</extracomment>
        <translation>Menu %1</translation>
    </message>
    <message>
        <source>List context menu</source>
        <translation>Menu contextuel de la liste</translation>
    </message>
    <message>
        <source>Toobar</source>
        <extracomment>The toolbar&apos;s window title (shown in its context menu); the misspelling is historic.</extracomment>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter…</translation>
    </message>
    <message>
        <source>Reading files</source>
        <translation>Lecture des fichiers</translation>
    </message>
    <message>
        <source>Reading files, please wait...</source>
        <translation>Lecture des fichiers, veuillez patienter…</translation>
    </message>
    <message>
        <source>Files to join</source>
        <translation>Fichiers à assembler</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Join Files</source>
        <translation>Assembler les fichiers</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Assembler</translation>
    </message>
    <message>
        <source>Exit     </source>
        <translation>Quitter     </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Inverser la sélection</translation>
    </message>
    <message>
        <source>Remove Selected Files</source>
        <translation>Retirer les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Sommaire de l&apos;aide</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Taille d&apos;image</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille du fichier</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié le</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Codec vidéo</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Codec audio</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Tous les fichiers vidéo pris en charge</translation>
    </message>
    <message>
        <source>3GPP files (%1)</source>
        <extracomment>%1 is the list of file patterns, kept as it is.</extracomment>
        <translation>Fichiers 3GPP (%1)</translation>
    </message>
    <message>
        <source>AMV files (*.amv)</source>
        <translation>Fichiers AMV (*.amv)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>Fichiers AVI (*.avi)</translation>
    </message>
    <message>
        <source>Digital Video Files (*.dv)</source>
        <translation>Fichiers vidéo DV (*.dv)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob)</source>
        <translation>Fichiers vidéo DVD (*.vob)</translation>
    </message>
    <message>
        <source>Flash Video (*.flv,*.f4v)</source>
        <translation>Vidéo Flash (*.flv,*.f4v)</translation>
    </message>
    <message>
        <source>Matroska Video (*.mkv)</source>
        <translation>Vidéo Matroska (*.mkv)</translation>
    </message>
    <message>
        <source>MPEG Files (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)</source>
        <translation>Fichiers MPEG (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)</translation>
    </message>
    <message>
        <source>MPEG-4 files(*.mp4,*.m4v)</source>
        <translation>Fichiers MPEG-4 (*.mp4,*.m4v)</translation>
    </message>
    <message>
        <source>NDS DPG Files (*.dpg)</source>
        <translation>Fichiers NDS DPG (*.dpg)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov,*.qt)</source>
        <translation>Fichiers QuickTime (*.mov,*.qt)</translation>
    </message>
    <message>
        <source>RealMedia file (*.rm,*.rmvb)</source>
        <translation>Fichiers RealMedia (*.rm,*.rmvb)</translation>
    </message>
    <message>
        <source>VCD Movie Files (*.dat)</source>
        <translation>Films VCD (*.dat)</translation>
    </message>
    <message>
        <source>WebM Video Files (*.webm)</source>
        <translation>Fichiers vidéo WebM (*.webm)</translation>
    </message>
    <message>
        <source>Windows Media Video Files (*.wmv,*.asf)</source>
        <translation>Fichiers Windows Media Video (*.wmv,*.asf)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Total Files: %1</source>
        <extracomment>%1 is the number of files.</extracomment>
        <translation>Nombre de fichiers&#xa0;: %1</translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <extracomment>%1 is the duration as hh:mm:ss.</extracomment>
        <translation>Durée totale&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Join Finished. Click here to open the output folder</source>
        <translation>Assemblage terminé. Cliquez ici pour ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>Join finished notice. Escape closes it.</source>
        <translation>Avis de fin d&apos;assemblage. Échap le ferme.</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Video lib not found</source>
        <translation>Bibliothèque vidéo introuvable</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Preview player</source>
        <translation>Lecteur d&apos;aperçu</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Player controls</source>
        <translation>Commandes du lecteur</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Muted speaker</source>
        <translation>Haut-parleur coupé</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Haut-parleur</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>General Video Format</source>
        <translation>Formats vidéo courants</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareils</translation>
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
        <translation>MKV - Matroska Video (*.mkv)</translation>
    </message>
    <message>
        <source>MOV - QuickTime Video (*.mov)</source>
        <translation>MOV - QuickTime Video (*.mov)</translation>
    </message>
    <message>
        <source>MP4 - H264 Video (*.mp4)</source>
        <translation>MP4 - Vidéo H264 (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - MPEG-4 Video (*.mp4)</source>
        <translation>MP4 - Vidéo MPEG-4 (*.mp4)</translation>
    </message>
    <message>
        <source>MPG - MPEG-1 Video (*.mpg)</source>
        <translation>MPG - Vidéo MPEG-1 (*.mpg)</translation>
    </message>
    <message>
        <source>MPG - MPEG-2 Video (*.mpg)</source>
        <translation>MPG - Vidéo MPEG-2 (*.mpg)</translation>
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
        <translation>Android - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>Android - H264 Video 320x240</source>
        <translation>Android - Vidéo H264 320x240</translation>
    </message>
    <message>
        <source>Android - H264 Video 480x320</source>
        <translation>Android - Vidéo H264 480x320</translation>
    </message>
    <message>
        <source>Android - H264 Video 800x480</source>
        <translation>Android - Vidéo H264 800x480</translation>
    </message>
    <message>
        <source>Android - H264 Video 854x480</source>
        <translation>Android - Vidéo H264 854x480</translation>
    </message>
    <message>
        <source>HTC G2 Magic - MPEG4 Video</source>
        <translation>HTC G2 Magic - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>HTC Hero - MPEG4 Video</source>
        <translation>HTC Hero - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>HTC Tattoo - MPEG4 Video</source>
        <translation>HTC Tattoo - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>Motorola CLIQ - MPEG4 Video</source>
        <translation>Motorola CLIQ - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>Motorola Droid - MPEG4 Video</source>
        <translation>Motorola Droid - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>Nexus One - MPEG4 Video</source>
        <translation>Nexus One - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>Samsung i7500 - MPEG4 Video</source>
        <translation>Samsung i7500 - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>Samsung P1000 - H264 Video</source>
        <translation>Samsung P1000 - Vidéo H264</translation>
    </message>
    <message>
        <source>Android Pad</source>
        <translation>Tablette Android</translation>
    </message>
    <message>
        <source>Samsung P1000 - MPEG4 Video</source>
        <translation>Samsung P1000 - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>Motorola Xoom - H264 Video</source>
        <translation>Motorola Xoom - Vidéo H264</translation>
    </message>
    <message>
        <source>Motorola Xoom - MPEG4 Video</source>
        <translation>Motorola Xoom - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>Apple TV - MPEG4 Video</source>
        <translation>Apple TV - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>Apple TV</source>
        <translation>Apple TV</translation>
    </message>
    <message>
        <source>Apple TV - H264 Video</source>
        <translation>Apple TV - Vidéo H264</translation>
    </message>
    <message>
        <source>Apple TV - H264 HD Video</source>
        <translation>Apple TV - Vidéo H264 HD</translation>
    </message>
    <message>
        <source>BlackBerry - 3GP Video</source>
        <translation>BlackBerry - Vidéo 3GP</translation>
    </message>
    <message>
        <source>BlackBerry</source>
        <translation>BlackBerry</translation>
    </message>
    <message>
        <source>BlackBerry - MPEG4 Video</source>
        <translation>BlackBerry - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry 8800/8700/8500/8300 - MPEG4 Video</source>
        <translation>BlackBerry 8800/8700/8500/8300 - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Bold 9000 - H264 Video</source>
        <translation>BlackBerry Bold 9000 - Vidéo H264</translation>
    </message>
    <message>
        <source>BlackBerry Bold 9700 - H264 Video</source>
        <translation>BlackBerry Bold 9700 - Vidéo H264</translation>
    </message>
    <message>
        <source>BlackBerry Charm 7100  - MPEG4 Video</source>
        <translation>BlackBerry Charm 7100 - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Curve 8900 - H264 Video</source>
        <translation>BlackBerry Curve 8900 - Vidéo H264</translation>
    </message>
    <message>
        <source>BlackBerry Flip 8220/8230  - MPEG4 Video</source>
        <translation>BlackBerry Flip 8220/8230 - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Pearl 8100/8110/8120/8130 - MPEG4 Video</source>
        <translation>BlackBerry Pearl 8100/8110/8120/8130 - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - H264 Video</source>
        <translation>BlackBerry Playbook - Vidéo H264</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - MPEG4 Video</source>
        <translation>BlackBerry Playbook - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - WMV Video</source>
        <translation>BlackBerry Playbook - Vidéo WMV</translation>
    </message>
    <message>
        <source>BlackBerry Storm/Storm2/Torch/Tour - H264 Video</source>
        <translation>BlackBerry Storm/Storm2/Torch/Tour - Vidéo H264</translation>
    </message>
    <message>
        <source>BlackBerry Tour 9630 - H264 Video</source>
        <translation>BlackBerry Tour 9630 - Vidéo H264</translation>
    </message>
    <message>
        <source>HD - ASF Video</source>
        <translation>HD - Vidéo ASF</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>Vidéo HD</translation>
    </message>
    <message>
        <source>HD - H264 Video</source>
        <translation>HD - Vidéo H264</translation>
    </message>
    <message>
        <source>HD - MKV Video</source>
        <translation>HD - Vidéo MKV</translation>
    </message>
    <message>
        <source>HD - MOV Video</source>
        <translation>HD - Vidéo MOV</translation>
    </message>
    <message>
        <source>HD - MPEG4 Video</source>
        <translation>HD - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>HD - RM Video</source>
        <translation>HD - Vidéo RM</translation>
    </message>
    <message>
        <source>HD - WMV Video</source>
        <translation>HD - Vidéo WMV</translation>
    </message>
    <message>
        <source>HD - Xvid Video</source>
        <translation>HD - Vidéo Xvid</translation>
    </message>
    <message>
        <source>iPad - MPEG4 Video</source>
        <translation>iPad - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>iPad</source>
        <translation>iPad</translation>
    </message>
    <message>
        <source>iPad - H264 Video</source>
        <translation>iPad - Vidéo H264</translation>
    </message>
    <message>
        <source>iPad - H264 HD Video</source>
        <translation>iPad - Vidéo H264 HD</translation>
    </message>
    <message>
        <source>iPad2 - H264 HD Video</source>
        <translation>iPad2 - Vidéo H264 HD</translation>
    </message>
    <message>
        <source>iPhone - H.264 Video</source>
        <translation>iPhone - Vidéo H.264</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>iPhone - H.264 Video for TV</source>
        <translation>iPhone - Vidéo H.264 pour TV</translation>
    </message>
    <message>
        <source>iPhone - MPEG4 Video</source>
        <translation>iPhone - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>iPhone4 - H.264 Video</source>
        <translation>iPhone4 - Vidéo H.264</translation>
    </message>
    <message>
        <source>iPod - H264 Video</source>
        <translation>iPod - Vidéo H264</translation>
    </message>
    <message>
        <source>iPod</source>
        <translation>iPod</translation>
    </message>
    <message>
        <source>iPod - H264 Video for TV</source>
        <translation>iPod - Vidéo H264 pour TV</translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video</source>
        <translation>iPod - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video for TV</source>
        <translation>iPod - Vidéo MPEG4 pour TV</translation>
    </message>
    <message>
        <source>iPod Nano 5 - H264 Video</source>
        <translation>iPod Nano 5 - Vidéo H264</translation>
    </message>
    <message>
        <source>iPod Nano 5 - MPEG4 Video</source>
        <translation>iPod Nano 5 - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video</source>
        <translation>iPod Touch - Vidéo H264</translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video for TV</source>
        <translation>iPod Touch - Vidéo H264 pour TV</translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video</source>
        <translation>iPod Touch - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video for TV</source>
        <translation>iPod Touch - Vidéo MPEG4 pour TV</translation>
    </message>
    <message>
        <source>iPod Touch4 - H264 Video</source>
        <translation>iPod Touch4 - Vidéo H264</translation>
    </message>
    <message>
        <source>PS3 - H264 Video</source>
        <translation>PS3 - Vidéo H264</translation>
    </message>
    <message>
        <source>PS3</source>
        <translation>PS3</translation>
    </message>
    <message>
        <source>PS3 - H264 HD Video</source>
        <translation>PS3 - Vidéo H264 HD</translation>
    </message>
    <message>
        <source>PS3 - WMV Video</source>
        <translation>PS3 - Vidéo WMV</translation>
    </message>
    <message>
        <source>PS3 - WMV HD Video</source>
        <translation>PS3 - Vidéo WMV HD</translation>
    </message>
    <message>
        <source>PS3 - Xvid Video</source>
        <translation>PS3 - Vidéo Xvid</translation>
    </message>
    <message>
        <source>PS3 - Xvid HD Video</source>
        <translation>PS3 - Vidéo Xvid HD</translation>
    </message>
    <message>
        <source>Archos - H264 Video</source>
        <translation>Archos - Vidéo H264</translation>
    </message>
    <message>
        <source>PMP</source>
        <translation>PMP</translation>
    </message>
    <message>
        <source>Archos - MPEG4 Video</source>
        <translation>Archos - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>Archos - WMV Video</source>
        <translation>Archos - Vidéo WMV</translation>
    </message>
    <message>
        <source>Creative ZEN - H264 Video</source>
        <translation>Creative ZEN - Vidéo H264</translation>
    </message>
    <message>
        <source>Creative ZEN - MPEG4 Video</source>
        <translation>Creative ZEN - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>Creative ZEN - WMV Video</source>
        <translation>Creative ZEN - Vidéo WMV</translation>
    </message>
    <message>
        <source>Creative ZEN - Xvid Video</source>
        <translation>Creative ZEN - Vidéo Xvid</translation>
    </message>
    <message>
        <source>iRiver - H264 Video</source>
        <translation>iRiver - Vidéo H264</translation>
    </message>
    <message>
        <source>iRiver - MPEG4 Video</source>
        <translation>iRiver - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>iRiver - WMV Video</source>
        <translation>iRiver - Vidéo WMV</translation>
    </message>
    <message>
        <source>iRiver - Xvid Video</source>
        <translation>iRiver - Vidéo Xvid</translation>
    </message>
    <message>
        <source>Zune - H264 Video</source>
        <translation>Zune - Vidéo H264</translation>
    </message>
    <message>
        <source>Zune - MPEG4 Video</source>
        <translation>Zune - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>Zune - WMV Video</source>
        <translation>Zune - Vidéo WMV</translation>
    </message>
    <message>
        <source>PSP - H264 Video</source>
        <translation>PSP - Vidéo H264</translation>
    </message>
    <message>
        <source>PSP</source>
        <translation>PSP</translation>
    </message>
    <message>
        <source>PSP - H264 Video for TV</source>
        <translation>PSP - Vidéo H264 pour TV</translation>
    </message>
    <message>
        <source>PSP - H264 Video for firmware 2.0 and above</source>
        <translation>PSP - Vidéo H264 pour firmware 2.0 ou ultérieur</translation>
    </message>
    <message>
        <source>PSP - MPEG4 Video</source>
        <translation>PSP - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>DVD NTSC - MPEG-2  Video</source>
        <translation>DVD NTSC - Vidéo MPEG-2</translation>
    </message>
    <message>
        <source>VCD/DVD</source>
        <translation>VCD/DVD</translation>
    </message>
    <message>
        <source>DVD PAL - MPEG-2 Video</source>
        <translation>DVD PAL - Vidéo MPEG-2</translation>
    </message>
    <message>
        <source>VCD NTSC - MPEG-1 Video</source>
        <translation>VCD NTSC - Vidéo MPEG-1</translation>
    </message>
    <message>
        <source>VCD PAL - MPEG-1 Video</source>
        <translation>VCD PAL - Vidéo MPEG-1</translation>
    </message>
    <message>
        <source>Dailymotion - H264 Video</source>
        <translation>Dailymotion - Vidéo H264</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>Vidéo web</translation>
    </message>
    <message>
        <source>Dailymotion - H264 HD Video</source>
        <translation>Dailymotion - Vidéo H264 HD</translation>
    </message>
    <message>
        <source>Facebook - H264 Video</source>
        <translation>Facebook - Vidéo H264</translation>
    </message>
    <message>
        <source>Facebook - H264 HD Video</source>
        <translation>Facebook - Vidéo H264 HD</translation>
    </message>
    <message>
        <source>Flickr - H264 Video</source>
        <translation>Flickr - Vidéo H264</translation>
    </message>
    <message>
        <source>Flickr - H264 HD Video</source>
        <translation>Flickr - Vidéo H264 HD</translation>
    </message>
    <message>
        <source>TwitVid - H264 Video</source>
        <translation>TwitVid - Vidéo H264</translation>
    </message>
    <message>
        <source>TwitVid - H264 HD Video</source>
        <translation>TwitVid - Vidéo H264 HD</translation>
    </message>
    <message>
        <source>Vimeo - H264 Video</source>
        <translation>Vimeo - Vidéo H264</translation>
    </message>
    <message>
        <source>Vimeo - H264 HD Video</source>
        <translation>Vimeo - Vidéo H264 HD</translation>
    </message>
    <message>
        <source>YOUTUBE - H264 Video</source>
        <translation>YOUTUBE - Vidéo H264</translation>
    </message>
    <message>
        <source>YOUTUBE - H264 HD Video</source>
        <translation>YOUTUBE - Vidéo H264 HD</translation>
    </message>
    <message>
        <source>Windows Phone 7 - H264 Video</source>
        <translation>Windows Phone 7 - Vidéo H264</translation>
    </message>
    <message>
        <source>Windows Phone</source>
        <translation>Windows Phone</translation>
    </message>
    <message>
        <source>Windows Phone 7 - MPEG4 Video</source>
        <translation>Windows Phone 7 - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>Windows Phone 7 - WMV Video</source>
        <translation>Windows Phone 7 - Vidéo WMV</translation>
    </message>
    <message>
        <source>Xbox360 - H264 Video</source>
        <translation>Xbox360 - Vidéo H264</translation>
    </message>
    <message>
        <source>Xbox</source>
        <translation>Xbox</translation>
    </message>
    <message>
        <source>Xbox360 - H264 HD Video</source>
        <translation>Xbox360 - Vidéo H264 HD</translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 Video</source>
        <translation>Xbox360 - Vidéo MPEG4</translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 HD Video</source>
        <translation>Xbox360 - Vidéo MPEG4 HD</translation>
    </message>
    <message>
        <source>Xbox360 - WMV Video</source>
        <translation>Xbox360 - Vidéo WMV</translation>
    </message>
    <message>
        <source>Xbox360 - WMV HD Video</source>
        <translation>Xbox360 - Vidéo WMV HD</translation>
    </message>
    <message>
        <source>Xbox360 - Xvid Video</source>
        <translation>Xbox360 - Vidéo Xvid</translation>
    </message>
    <message>
        <source>Xbox360 - Xvid HD Video</source>
        <translation>Xbox360 - Vidéo Xvid HD</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Video lib not found</source>
        <translation>Bibliothèque vidéo introuvable</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Join Finished!</source>
        <translation>Assemblage terminé&#xa0;!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Join progress</source>
        <translation>Progression de l&apos;assemblage</translation>
    </message>
    <message>
        <source>Percent done</source>
        <translation>Pourcentage effectué</translation>
    </message>
    <message>
        <source>Join figures</source>
        <translation>Données de l&apos;assemblage</translation>
    </message>
    <message>
        <source>Time Elapsed: </source>
        <translation>Temps écoulé&#xa0;: </translation>
    </message>
    <message>
        <source>Remaining Time:</source>
        <translation>Temps restant&#xa0;:</translation>
    </message>
    <message>
        <source>Estimated Size: </source>
        <translation>Taille estimée&#xa0;: </translation>
    </message>
    <message>
        <source>Join note</source>
        <translation>Note sur l&apos;assemblage</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Auto</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personnalisée…</translation>
    </message>
    <message>
        <source>High (larger file size)</source>
        <translation>Élevée (fichier plus gros)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Low (smaller file size)</source>
        <translation>Faible (fichier plus petit)</translation>
    </message>
    <message>
        <source>Direct stream copy. Keep original format. (All files must be same format)</source>
        <translation>Copie directe&#xa0;: format d&apos;origine conservé (fichiers de même format requis)</translation>
    </message>
    <message>
        <source>Convert to another format</source>
        <translation>Convertir le format</translation>
    </message>
    <message>
        <source>More &gt;&gt;</source>
        <translation>Plus &gt;&gt;</translation>
    </message>
    <message>
        <source>More &lt;&lt;</source>
        <translation>Moins &lt;&lt;</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Invalid file name!</source>
        <translation>Nom de fichier non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid path!</source>
        <translation>Chemin non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Not same format</source>
        <translation>Formats différents</translation>
    </message>
    <message>
        <source>To use the &apos;Direct copy stream&apos; function, all video files must be same format</source>
        <translation>Pour utiliser la copie directe, tous les fichiers vidéo doivent avoir le même format</translation>
    </message>
    <message>
        <source>The output file is one of the files to join. Please choose another name or folder.</source>
        <translation>Le fichier de sortie fait partie des fichiers à assembler. Veuillez choisir un autre nom ou un autre dossier.</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Paramètres de sortie</translation>
    </message>
    <message>
        <source>The output file already exists. Do you want to replace it?</source>
        <translation>Le fichier de sortie existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Join Now</source>
        <translation>Assembler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Haut.&#xa0;:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>Qualité vidéo&#xa0;:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Qualité audio&#xa0;:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Larg.&#xa0;:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Join without converting</source>
        <translation>Assembler sans conversion</translation>
    </message>
    <message>
        <source>Show or hide advanced settings</source>
        <translation>Afficher ou masquer les paramètres avancés</translation>
    </message>
    <message>
        <source>Browse for the destination folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Conversion settings</source>
        <translation>Paramètres de conversion</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>Opens the menu of output profiles</source>
        <translation>Ouvre le menu des profils de sortie</translation>
    </message>
    <message>
        <source>Video size</source>
        <translation>Taille d&apos;image</translation>
    </message>
    <message>
        <source>Video width</source>
        <translation>Largeur de l&apos;image</translation>
    </message>
    <message>
        <source>Video height</source>
        <translation>Hauteur de l&apos;image</translation>
    </message>
    <message>
        <source>Video quality</source>
        <translation>Qualité vidéo</translation>
    </message>
    <message>
        <source>Audio quality</source>
        <translation>Qualité audio</translation>
    </message>
    <message>
        <source>Output file name</source>
        <translation>Nom du fichier de sortie</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Paramètres avancés</translation>
    </message>
    <message>
        <source>Output profiles</source>
        <translation>Profils de sortie</translation>
    </message>
    <message>
        <source>Advanced settings items</source>
        <translation>Éléments des paramètres avancés</translation>
    </message>
</context>
</TS>
