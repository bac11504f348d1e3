<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <extracomment>The about window&apos;s accessible name; %1 is the product name.</extracomment>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version 5.0</source>
        <translation>Versão 5.0</translation>
    </message>
    <message>
        <source>© 2026 %1 · GNU GPL v3 or later</source>
        <extracomment>%1 is the company name; keep &quot;GNU GPL v3&quot;.</extracomment>
        <translation>© 2026 %1 · GNU GPL v3 ou posterior</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Can not open file: </source>
        <translation>Não foi possível abrir o arquivo: </translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Erro: </translation>
    </message>
    <message>
        <source>Cannot convert.</source>
        <translation>Não foi possível converter.</translation>
    </message>
    <message>
        <source>Please try to convert it to another format</source>
        <translation>Tente convertê-lo para outro formato</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is encrypted.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>O arquivo %1 não contém imagem nem som que possa ser decodificado: está criptografado.</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is cut short.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>O arquivo %1 não contém imagem nem som que possa ser decodificado: está truncado.</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is damaged.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>O arquivo %1 não contém imagem nem som que possa ser decodificado: está danificado.</translation>
    </message>
    <message>
        <source>Cannot convert the pictures of %1</source>
        <translation>Não foi possível converter as imagens de %1</translation>
    </message>
    <message>
        <source>Cannot convert the sound of %1</source>
        <translation>Não foi possível converter o som de %1</translation>
    </message>
    <message>
        <source>Cannot encode %1</source>
        <translation>Não foi possível codificar %1</translation>
    </message>
    <message>
        <source>Cannot join by stream copy: %1 holds no picture or sound that can be copied: it is cut short or damaged.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Não foi possível juntar por cópia direta: o arquivo %1 não contém imagem nem som que possa ser copiado: está truncado ou danificado.</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Filename Extension</source>
        <translation>Extensão do arquivo</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Taxa de bits do vídeo</translation>
    </message>
    <message>
        <source>Set the video bit rate in bps (Bit Per Second)</source>
        <translation>Define a taxa de bits do vídeo em bps (bits por segundo)</translation>
    </message>
    <message>
        <source>Frame Rate (FPS)</source>
        <translation>Taxa de quadros (FPS)</translation>
    </message>
    <message>
        <source>Set how many frames should be displayed per second. Higher frame rate increases the smoothness when played back</source>
        <translation>Define quantos quadros são exibidos por segundo. Uma taxa de quadros maior deixa a reprodução mais suave</translation>
    </message>
    <message>
        <source>Aspect Rate</source>
        <translation>Proporção</translation>
    </message>
    <message>
        <source>Set width to height ratio according to the screen aspect of your playback device</source>
        <translation>Define a proporção entre largura e altura de acordo com a tela do seu dispositivo de reprodução</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Taxa de bits do áudio</translation>
    </message>
    <message>
        <source>Set the audio bitrate in bps(Bit Per Second)</source>
        <translation>Define a taxa de bits do áudio em bps (bits por segundo)</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Taxa de amostragem</translation>
    </message>
    <message>
        <source>Set the audio sampling frequency (the number of samples per second)</source>
        <translation>Define a frequência de amostragem do áudio (o número de amostras por segundo)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Set number of audio channels. 1 - Mono, 2 - Stereo</source>
        <translation>Define o número de canais de áudio. 1 - Mono, 2 - Estéreo</translation>
    </message>
    <message>
        <source>Remove Audio</source>
        <translation>Remover áudio</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Arquivo de saída</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Configurações de vídeo</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Configurações de áudio</translation>
    </message>
    <message>
        <source>True</source>
        <extracomment>The state of a grid check box, as a screen reader reads it.</extracomment>
        <translation>Sim</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A grid value: the program chooses it.</extracomment>
        <translation>Automático</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Please add more file to the list.</source>
        <translation>Adicione mais arquivos à lista.</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Deseja sair?</translation>
    </message>
    <message>
        <source>Total Files: 0</source>
        <translation>Total de arquivos: 0</translation>
    </message>
    <message>
        <source>Total Duration: 00:00:00</source>
        <translation>Duração total: 00:00:00</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Barra de menus</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>The accessible name of a menu bar menu; %1 is its caption (&quot;File menu&quot;).</extracomment>
        <translation>Menu %1</translation>
    </message>
    <message>
        <source>List context menu</source>
        <translation>Menu de contexto da lista</translation>
    </message>
    <message>
        <source>Toobar</source>
        <extracomment>The toolbar&apos;s window title (shown in its context menu); the misspelling is historic.</extracomment>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barra de status</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>Reading files</source>
        <translation>Lendo os arquivos</translation>
    </message>
    <message>
        <source>Reading files, please wait...</source>
        <translation>Lendo os arquivos, aguarde...</translation>
    </message>
    <message>
        <source>Files to join</source>
        <translation>Arquivos a juntar</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Join Files</source>
        <translation>Juntar arquivos</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Juntar</translation>
    </message>
    <message>
        <source>Exit     </source>
        <translation>Sair     </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Inverter seleção</translation>
    </message>
    <message>
        <source>Remove Selected Files</source>
        <translation>Remover arquivos selecionados</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Remover todos</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Conteúdo da ajuda</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Tamanho do vídeo</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamanho do arquivo</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Codec de vídeo</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Codec de áudio</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Todos os arquivos de vídeo compatíveis</translation>
    </message>
    <message>
        <source>3GPP files (%1)</source>
        <extracomment>%1 is the list of file patterns, kept as it is.</extracomment>
        <translation>Arquivos 3GPP (%1)</translation>
    </message>
    <message>
        <source>AMV files (*.amv)</source>
        <translation>Arquivos AMV (*.amv)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>Arquivos AVI (*.avi)</translation>
    </message>
    <message>
        <source>Digital Video Files (*.dv)</source>
        <translation>Arquivos de vídeo digital (*.dv)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob)</source>
        <translation>Arquivos de vídeo de DVD (*.vob)</translation>
    </message>
    <message>
        <source>Flash Video (*.flv,*.f4v)</source>
        <translation>Vídeo Flash (*.flv,*.f4v)</translation>
    </message>
    <message>
        <source>Matroska Video (*.mkv)</source>
        <translation>Vídeo Matroska (*.mkv)</translation>
    </message>
    <message>
        <source>MPEG Files (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)</source>
        <translation>Arquivos MPEG (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)</translation>
    </message>
    <message>
        <source>MPEG-4 files(*.mp4,*.m4v)</source>
        <translation>Arquivos MPEG-4 (*.mp4,*.m4v)</translation>
    </message>
    <message>
        <source>NDS DPG Files (*.dpg)</source>
        <translation>Arquivos NDS DPG (*.dpg)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov,*.qt)</source>
        <translation>Arquivos QuickTime (*.mov,*.qt)</translation>
    </message>
    <message>
        <source>RealMedia file (*.rm,*.rmvb)</source>
        <translation>Arquivos RealMedia (*.rm,*.rmvb)</translation>
    </message>
    <message>
        <source>VCD Movie Files (*.dat)</source>
        <translation>Filmes VCD (*.dat)</translation>
    </message>
    <message>
        <source>WebM Video Files (*.webm)</source>
        <translation>Arquivos de vídeo WebM (*.webm)</translation>
    </message>
    <message>
        <source>Windows Media Video Files (*.wmv,*.asf)</source>
        <translation>Arquivos Windows Media Video (*.wmv,*.asf)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Total Files: %1</source>
        <extracomment>%1 is the number of files.</extracomment>
        <translation>Total de arquivos: %1</translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <extracomment>%1 is the duration as hh:mm:ss.</extracomment>
        <translation>Duração total: %1</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Join Finished. Click here to open the output folder</source>
        <translation>Junção concluída. Clique aqui para abrir a pasta de saída</translation>
    </message>
    <message>
        <source>Join finished notice. Escape closes it.</source>
        <translation>Aviso de junção concluída. Pressione Esc para fechá-lo.</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Video lib not found</source>
        <translation>Biblioteca de vídeo não encontrada</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Preview player</source>
        <translation>Player de pré-visualização</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Player controls</source>
        <translation>Controles do player</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mudo</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Muted speaker</source>
        <translation>Alto-falante mudo</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Alto-falante</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Som desativado</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Som ativado</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>General Video Format</source>
        <translation>Formatos de vídeo gerais</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivos</translation>
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
        <translation>MKV - Vídeo Matroska (*.mkv)</translation>
    </message>
    <message>
        <source>MOV - QuickTime Video (*.mov)</source>
        <translation>MOV - Vídeo QuickTime (*.mov)</translation>
    </message>
    <message>
        <source>MP4 - H264 Video (*.mp4)</source>
        <translation>MP4 - Vídeo H264 (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - MPEG-4 Video (*.mp4)</source>
        <translation>MP4 - Vídeo MPEG-4 (*.mp4)</translation>
    </message>
    <message>
        <source>MPG - MPEG-1 Video (*.mpg)</source>
        <translation>MPG - Vídeo MPEG-1 (*.mpg)</translation>
    </message>
    <message>
        <source>MPG - MPEG-2 Video (*.mpg)</source>
        <translation>MPG - Vídeo MPEG-2 (*.mpg)</translation>
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
        <translation>VOB - Objeto de vídeo de DVD (*.vob)</translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation>WMV - Windows Media Video (*.wmv)</translation>
    </message>
    <message>
        <source>Android - MPEG4 Video</source>
        <translation>Android - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>Android - H264 Video 320x240</source>
        <translation>Android - Vídeo H264 320x240</translation>
    </message>
    <message>
        <source>Android - H264 Video 480x320</source>
        <translation>Android - Vídeo H264 480x320</translation>
    </message>
    <message>
        <source>Android - H264 Video 800x480</source>
        <translation>Android - Vídeo H264 800x480</translation>
    </message>
    <message>
        <source>Android - H264 Video 854x480</source>
        <translation>Android - Vídeo H264 854x480</translation>
    </message>
    <message>
        <source>HTC G2 Magic - MPEG4 Video</source>
        <translation>HTC G2 Magic - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>HTC Hero - MPEG4 Video</source>
        <translation>HTC Hero - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>HTC Tattoo - MPEG4 Video</source>
        <translation>HTC Tattoo - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>Motorola CLIQ - MPEG4 Video</source>
        <translation>Motorola CLIQ - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>Motorola Droid - MPEG4 Video</source>
        <translation>Motorola Droid - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>Nexus One - MPEG4 Video</source>
        <translation>Nexus One - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>Samsung i7500 - MPEG4 Video</source>
        <translation>Samsung i7500 - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>Samsung P1000 - H264 Video</source>
        <translation>Samsung P1000 - Vídeo H264</translation>
    </message>
    <message>
        <source>Android Pad</source>
        <translation>Tablets Android</translation>
    </message>
    <message>
        <source>Samsung P1000 - MPEG4 Video</source>
        <translation>Samsung P1000 - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>Motorola Xoom - H264 Video</source>
        <translation>Motorola Xoom - Vídeo H264</translation>
    </message>
    <message>
        <source>Motorola Xoom - MPEG4 Video</source>
        <translation>Motorola Xoom - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>Apple TV - MPEG4 Video</source>
        <translation>Apple TV - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>Apple TV</source>
        <translation>Apple TV</translation>
    </message>
    <message>
        <source>Apple TV - H264 Video</source>
        <translation>Apple TV - Vídeo H264</translation>
    </message>
    <message>
        <source>Apple TV - H264 HD Video</source>
        <translation>Apple TV - Vídeo H264 HD</translation>
    </message>
    <message>
        <source>BlackBerry - 3GP Video</source>
        <translation>BlackBerry - Vídeo 3GP</translation>
    </message>
    <message>
        <source>BlackBerry</source>
        <translation>BlackBerry</translation>
    </message>
    <message>
        <source>BlackBerry - MPEG4 Video</source>
        <translation>BlackBerry - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry 8800/8700/8500/8300 - MPEG4 Video</source>
        <translation>BlackBerry 8800/8700/8500/8300 - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Bold 9000 - H264 Video</source>
        <translation>BlackBerry Bold 9000 - Vídeo H264</translation>
    </message>
    <message>
        <source>BlackBerry Bold 9700 - H264 Video</source>
        <translation>BlackBerry Bold 9700 - Vídeo H264</translation>
    </message>
    <message>
        <source>BlackBerry Charm 7100  - MPEG4 Video</source>
        <translation>BlackBerry Charm 7100  - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Curve 8900 - H264 Video</source>
        <translation>BlackBerry Curve 8900 - Vídeo H264</translation>
    </message>
    <message>
        <source>BlackBerry Flip 8220/8230  - MPEG4 Video</source>
        <translation>BlackBerry Flip 8220/8230  - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Pearl 8100/8110/8120/8130 - MPEG4 Video</source>
        <translation>BlackBerry Pearl 8100/8110/8120/8130 - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - H264 Video</source>
        <translation>BlackBerry Playbook - Vídeo H264</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - MPEG4 Video</source>
        <translation>BlackBerry Playbook - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - WMV Video</source>
        <translation>BlackBerry Playbook - Vídeo WMV</translation>
    </message>
    <message>
        <source>BlackBerry Storm/Storm2/Torch/Tour - H264 Video</source>
        <translation>BlackBerry Storm/Storm2/Torch/Tour - Vídeo H264</translation>
    </message>
    <message>
        <source>BlackBerry Tour 9630 - H264 Video</source>
        <translation>BlackBerry Tour 9630 - Vídeo H264</translation>
    </message>
    <message>
        <source>HD - ASF Video</source>
        <translation>HD - Vídeo ASF</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>Vídeo HD</translation>
    </message>
    <message>
        <source>HD - H264 Video</source>
        <translation>HD - Vídeo H264</translation>
    </message>
    <message>
        <source>HD - MKV Video</source>
        <translation>HD - Vídeo MKV</translation>
    </message>
    <message>
        <source>HD - MOV Video</source>
        <translation>HD - Vídeo MOV</translation>
    </message>
    <message>
        <source>HD - MPEG4 Video</source>
        <translation>HD - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>HD - RM Video</source>
        <translation>HD - Vídeo RM</translation>
    </message>
    <message>
        <source>HD - WMV Video</source>
        <translation>HD - Vídeo WMV</translation>
    </message>
    <message>
        <source>HD - Xvid Video</source>
        <translation>HD - Vídeo Xvid</translation>
    </message>
    <message>
        <source>iPad - MPEG4 Video</source>
        <translation>iPad - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>iPad</source>
        <translation>iPad</translation>
    </message>
    <message>
        <source>iPad - H264 Video</source>
        <translation>iPad - Vídeo H264</translation>
    </message>
    <message>
        <source>iPad - H264 HD Video</source>
        <translation>iPad - Vídeo H264 HD</translation>
    </message>
    <message>
        <source>iPad2 - H264 HD Video</source>
        <translation>iPad2 - Vídeo H264 HD</translation>
    </message>
    <message>
        <source>iPhone - H.264 Video</source>
        <translation>iPhone - Vídeo H.264</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>iPhone - H.264 Video for TV</source>
        <translation>iPhone - Vídeo H.264 para TV</translation>
    </message>
    <message>
        <source>iPhone - MPEG4 Video</source>
        <translation>iPhone - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>iPhone4 - H.264 Video</source>
        <translation>iPhone4 - Vídeo H.264</translation>
    </message>
    <message>
        <source>iPod - H264 Video</source>
        <translation>iPod - Vídeo H264</translation>
    </message>
    <message>
        <source>iPod</source>
        <translation>iPod</translation>
    </message>
    <message>
        <source>iPod - H264 Video for TV</source>
        <translation>iPod - Vídeo H264 para TV</translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video</source>
        <translation>iPod - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video for TV</source>
        <translation>iPod - Vídeo MPEG4 para TV</translation>
    </message>
    <message>
        <source>iPod Nano 5 - H264 Video</source>
        <translation>iPod Nano 5 - Vídeo H264</translation>
    </message>
    <message>
        <source>iPod Nano 5 - MPEG4 Video</source>
        <translation>iPod Nano 5 - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video</source>
        <translation>iPod Touch - Vídeo H264</translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video for TV</source>
        <translation>iPod Touch - Vídeo H264 para TV</translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video</source>
        <translation>iPod Touch - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video for TV</source>
        <translation>iPod Touch - Vídeo MPEG4 para TV</translation>
    </message>
    <message>
        <source>iPod Touch4 - H264 Video</source>
        <translation>iPod Touch4 - Vídeo H264</translation>
    </message>
    <message>
        <source>PS3 - H264 Video</source>
        <translation>PS3 - Vídeo H264</translation>
    </message>
    <message>
        <source>PS3</source>
        <translation>PS3</translation>
    </message>
    <message>
        <source>PS3 - H264 HD Video</source>
        <translation>PS3 - Vídeo H264 HD</translation>
    </message>
    <message>
        <source>PS3 - WMV Video</source>
        <translation>PS3 - Vídeo WMV</translation>
    </message>
    <message>
        <source>PS3 - WMV HD Video</source>
        <translation>PS3 - Vídeo WMV HD</translation>
    </message>
    <message>
        <source>PS3 - Xvid Video</source>
        <translation>PS3 - Vídeo Xvid</translation>
    </message>
    <message>
        <source>PS3 - Xvid HD Video</source>
        <translation>PS3 - Vídeo Xvid HD</translation>
    </message>
    <message>
        <source>Archos - H264 Video</source>
        <translation>Archos - Vídeo H264</translation>
    </message>
    <message>
        <source>PMP</source>
        <translation>PMP</translation>
    </message>
    <message>
        <source>Archos - MPEG4 Video</source>
        <translation>Archos - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>Archos - WMV Video</source>
        <translation>Archos - Vídeo WMV</translation>
    </message>
    <message>
        <source>Creative ZEN - H264 Video</source>
        <translation>Creative ZEN - Vídeo H264</translation>
    </message>
    <message>
        <source>Creative ZEN - MPEG4 Video</source>
        <translation>Creative ZEN - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>Creative ZEN - WMV Video</source>
        <translation>Creative ZEN - Vídeo WMV</translation>
    </message>
    <message>
        <source>Creative ZEN - Xvid Video</source>
        <translation>Creative ZEN - Vídeo Xvid</translation>
    </message>
    <message>
        <source>iRiver - H264 Video</source>
        <translation>iRiver - Vídeo H264</translation>
    </message>
    <message>
        <source>iRiver - MPEG4 Video</source>
        <translation>iRiver - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>iRiver - WMV Video</source>
        <translation>iRiver - Vídeo WMV</translation>
    </message>
    <message>
        <source>iRiver - Xvid Video</source>
        <translation>iRiver - Vídeo Xvid</translation>
    </message>
    <message>
        <source>Zune - H264 Video</source>
        <translation>Zune - Vídeo H264</translation>
    </message>
    <message>
        <source>Zune - MPEG4 Video</source>
        <translation>Zune - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>Zune - WMV Video</source>
        <translation>Zune - Vídeo WMV</translation>
    </message>
    <message>
        <source>PSP - H264 Video</source>
        <translation>PSP - Vídeo H264</translation>
    </message>
    <message>
        <source>PSP</source>
        <translation>PSP</translation>
    </message>
    <message>
        <source>PSP - H264 Video for TV</source>
        <translation>PSP - Vídeo H264 para TV</translation>
    </message>
    <message>
        <source>PSP - H264 Video for firmware 2.0 and above</source>
        <translation>PSP - Vídeo H264 para firmware 2.0 ou posterior</translation>
    </message>
    <message>
        <source>PSP - MPEG4 Video</source>
        <translation>PSP - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>DVD NTSC - MPEG-2  Video</source>
        <translation>DVD NTSC - Vídeo MPEG-2</translation>
    </message>
    <message>
        <source>VCD/DVD</source>
        <translation>VCD/DVD</translation>
    </message>
    <message>
        <source>DVD PAL - MPEG-2 Video</source>
        <translation>DVD PAL - Vídeo MPEG-2</translation>
    </message>
    <message>
        <source>VCD NTSC - MPEG-1 Video</source>
        <translation>VCD NTSC - Vídeo MPEG-1</translation>
    </message>
    <message>
        <source>VCD PAL - MPEG-1 Video</source>
        <translation>VCD PAL - Vídeo MPEG-1</translation>
    </message>
    <message>
        <source>Dailymotion - H264 Video</source>
        <translation>Dailymotion - Vídeo H264</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>Vídeo para web</translation>
    </message>
    <message>
        <source>Dailymotion - H264 HD Video</source>
        <translation>Dailymotion - Vídeo H264 HD</translation>
    </message>
    <message>
        <source>Facebook - H264 Video</source>
        <translation>Facebook - Vídeo H264</translation>
    </message>
    <message>
        <source>Facebook - H264 HD Video</source>
        <translation>Facebook - Vídeo H264 HD</translation>
    </message>
    <message>
        <source>Flickr - H264 Video</source>
        <translation>Flickr - Vídeo H264</translation>
    </message>
    <message>
        <source>Flickr - H264 HD Video</source>
        <translation>Flickr - Vídeo H264 HD</translation>
    </message>
    <message>
        <source>TwitVid - H264 Video</source>
        <translation>TwitVid - Vídeo H264</translation>
    </message>
    <message>
        <source>TwitVid - H264 HD Video</source>
        <translation>TwitVid - Vídeo H264 HD</translation>
    </message>
    <message>
        <source>Vimeo - H264 Video</source>
        <translation>Vimeo - Vídeo H264</translation>
    </message>
    <message>
        <source>Vimeo - H264 HD Video</source>
        <translation>Vimeo - Vídeo H264 HD</translation>
    </message>
    <message>
        <source>YOUTUBE - H264 Video</source>
        <translation>YOUTUBE - Vídeo H264</translation>
    </message>
    <message>
        <source>YOUTUBE - H264 HD Video</source>
        <translation>YOUTUBE - Vídeo H264 HD</translation>
    </message>
    <message>
        <source>Windows Phone 7 - H264 Video</source>
        <translation>Windows Phone 7 - Vídeo H264</translation>
    </message>
    <message>
        <source>Windows Phone</source>
        <translation>Windows Phone</translation>
    </message>
    <message>
        <source>Windows Phone 7 - MPEG4 Video</source>
        <translation>Windows Phone 7 - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>Windows Phone 7 - WMV Video</source>
        <translation>Windows Phone 7 - Vídeo WMV</translation>
    </message>
    <message>
        <source>Xbox360 - H264 Video</source>
        <translation>Xbox360 - Vídeo H264</translation>
    </message>
    <message>
        <source>Xbox</source>
        <translation>Xbox</translation>
    </message>
    <message>
        <source>Xbox360 - H264 HD Video</source>
        <translation>Xbox360 - Vídeo H264 HD</translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 Video</source>
        <translation>Xbox360 - Vídeo MPEG4</translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 HD Video</source>
        <translation>Xbox360 - Vídeo MPEG4 HD</translation>
    </message>
    <message>
        <source>Xbox360 - WMV Video</source>
        <translation>Xbox360 - Vídeo WMV</translation>
    </message>
    <message>
        <source>Xbox360 - WMV HD Video</source>
        <translation>Xbox360 - Vídeo WMV HD</translation>
    </message>
    <message>
        <source>Xbox360 - Xvid Video</source>
        <translation>Xbox360 - Vídeo Xvid</translation>
    </message>
    <message>
        <source>Xbox360 - Xvid HD Video</source>
        <translation>Xbox360 - Vídeo Xvid HD</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Video lib not found</source>
        <translation>Biblioteca de vídeo não encontrada</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Join Finished!</source>
        <translation>Junção concluída!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Join progress</source>
        <translation>Progresso da junção</translation>
    </message>
    <message>
        <source>Percent done</source>
        <translation>Porcentagem concluída</translation>
    </message>
    <message>
        <source>Join figures</source>
        <translation>Dados da junção</translation>
    </message>
    <message>
        <source>Time Elapsed: </source>
        <translation>Tempo decorrido: </translation>
    </message>
    <message>
        <source>Remaining Time:</source>
        <translation>Tempo restante:</translation>
    </message>
    <message>
        <source>Estimated Size: </source>
        <translation>Tamanho estimado: </translation>
    </message>
    <message>
        <source>Join note</source>
        <translation>Observação da junção</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizado...</translation>
    </message>
    <message>
        <source>High (larger file size)</source>
        <translation>Alta (arquivo maior)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low (smaller file size)</source>
        <translation>Baixa (arquivo menor)</translation>
    </message>
    <message>
        <source>Direct stream copy. Keep original format. (All files must be same format)</source>
        <translation>Cópia direta sem converter (os arquivos devem ter o mesmo formato)</translation>
    </message>
    <message>
        <source>Convert to another format</source>
        <translation>Converter o formato</translation>
    </message>
    <message>
        <source>More &gt;&gt;</source>
        <translation>Mais &gt;&gt;</translation>
    </message>
    <message>
        <source>More &lt;&lt;</source>
        <translation>Mais &lt;&lt;</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Invalid file name!</source>
        <translation>Nome de arquivo inválido!</translation>
    </message>
    <message>
        <source>Invalid path!</source>
        <translation>Caminho inválido!</translation>
    </message>
    <message>
        <source>Not same format</source>
        <translation>Formatos diferentes</translation>
    </message>
    <message>
        <source>To use the &apos;Direct copy stream&apos; function, all video files must be same format</source>
        <translation>Para usar a cópia direta, todos os arquivos de vídeo devem ter o mesmo formato</translation>
    </message>
    <message>
        <source>The output file is one of the files to join. Please choose another name or folder.</source>
        <translation>O arquivo de saída é um dos arquivos a juntar. Escolha outro nome ou outra pasta.</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Configurações de saída</translation>
    </message>
    <message>
        <source>The output file already exists. Do you want to replace it?</source>
        <translation>O arquivo de saída já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Join Now</source>
        <translation>Juntar agora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Alt.:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>Vídeo:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Áudio:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Larg.:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Join without converting</source>
        <translation>Juntar sem converter</translation>
    </message>
    <message>
        <source>Show or hide advanced settings</source>
        <translation>Mostra ou oculta as configurações avançadas</translation>
    </message>
    <message>
        <source>Browse for the destination folder</source>
        <translation>Procura a pasta de destino</translation>
    </message>
    <message>
        <source>Conversion settings</source>
        <translation>Configurações de conversão</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato de saída</translation>
    </message>
    <message>
        <source>Opens the menu of output profiles</source>
        <translation>Abre o menu de perfis de saída</translation>
    </message>
    <message>
        <source>Video size</source>
        <translation>Tamanho do vídeo</translation>
    </message>
    <message>
        <source>Video width</source>
        <translation>Largura do vídeo</translation>
    </message>
    <message>
        <source>Video height</source>
        <translation>Altura do vídeo</translation>
    </message>
    <message>
        <source>Video quality</source>
        <translation>Qualidade do vídeo</translation>
    </message>
    <message>
        <source>Audio quality</source>
        <translation>Qualidade do áudio</translation>
    </message>
    <message>
        <source>Output file name</source>
        <translation>Nome do arquivo de saída</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Configurações avançadas</translation>
    </message>
    <message>
        <source>Output profiles</source>
        <translation>Perfis de saída</translation>
    </message>
    <message>
        <source>Advanced settings items</source>
        <translation>Itens das configurações avançadas</translation>
    </message>
</context>
</TS>
