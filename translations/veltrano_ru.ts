<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <extracomment>The about window&apos;s accessible name; %1 is the product name.</extracomment>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version 5.0</source>
        <translation>Версия 5.0</translation>
    </message>
    <message>
        <source>© 2026 %1 · GNU GPL v3 or later</source>
        <extracomment>%1 is the company name; keep &quot;GNU GPL v3&quot;.</extracomment>
        <translation>© 2026 %1 · GNU GPL v3 или новее</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Can not open file: </source>
        <translation>Не удаётся открыть файл: </translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Ошибка: </translation>
    </message>
    <message>
        <source>Cannot convert.</source>
        <translation>Перекодирование невозможно.</translation>
    </message>
    <message>
        <source>Please try to convert it to another format</source>
        <translation>Попробуйте перекодировать в другой формат</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is encrypted.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>В файле %1 нет ни изображения, ни звука, которые можно декодировать: файл зашифрован.</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is cut short.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>В файле %1 нет ни изображения, ни звука, которые можно декодировать: файл обрезан.</translation>
    </message>
    <message>
        <source>%1 holds no picture or sound that can be decoded: it is damaged.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>В файле %1 нет ни изображения, ни звука, которые можно декодировать: файл повреждён.</translation>
    </message>
    <message>
        <source>Cannot convert the pictures of %1</source>
        <translation>Не удаётся перекодировать изображение файла %1</translation>
    </message>
    <message>
        <source>Cannot convert the sound of %1</source>
        <translation>Не удаётся перекодировать звук файла %1</translation>
    </message>
    <message>
        <source>Cannot encode %1</source>
        <translation>Не удаётся закодировать файл %1</translation>
    </message>
    <message>
        <source>Cannot join by stream copy: %1 holds no picture or sound that can be copied: it is cut short or damaged.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Не удаётся объединить прямым копированием: в файле %1 нет ни изображения, ни звука, которые можно скопировать: файл обрезан или повреждён.</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Filename Extension</source>
        <translation>Расширение файла</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Битрейт видео</translation>
    </message>
    <message>
        <source>Set the video bit rate in bps (Bit Per Second)</source>
        <translation>Битрейт видео в бит/с (битах в секунду)</translation>
    </message>
    <message>
        <source>Frame Rate (FPS)</source>
        <translation>Частота кадров</translation>
    </message>
    <message>
        <source>Set how many frames should be displayed per second. Higher frame rate increases the smoothness when played back</source>
        <translation>Сколько кадров показывать в секунду. Чем выше частота кадров, тем плавнее воспроизведение</translation>
    </message>
    <message>
        <source>Aspect Rate</source>
        <translation>Соотношение сторон</translation>
    </message>
    <message>
        <source>Set width to height ratio according to the screen aspect of your playback device</source>
        <translation>Отношение ширины к высоте по соотношению сторон экрана вашего устройства воспроизведения</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Битрейт аудио</translation>
    </message>
    <message>
        <source>Set the audio bitrate in bps(Bit Per Second)</source>
        <translation>Битрейт аудио в бит/с (битах в секунду)</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Частота дискретизации</translation>
    </message>
    <message>
        <source>Set the audio sampling frequency (the number of samples per second)</source>
        <translation>Частота дискретизации звука (число отсчётов в секунду)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Set number of audio channels. 1 - Mono, 2 - Stereo</source>
        <translation>Число звуковых каналов: 1 — моно, 2 — стерео</translation>
    </message>
    <message>
        <source>Remove Audio</source>
        <translation>Исключить звук</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Выходной файл</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Параметры видео</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Параметры звука</translation>
    </message>
    <message>
        <source>True</source>
        <extracomment>The state of a grid check box, as a screen reader reads it.</extracomment>
        <translation>Да</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A grid value: the program chooses it.</extracomment>
        <translation>Авто</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Please add more file to the list.</source>
        <translation>Добавьте в список хотя бы два файла.</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Вы действительно хотите выйти?</translation>
    </message>
    <message>
        <source>Total Files: 0</source>
        <translation>Всего файлов: 0</translation>
    </message>
    <message>
        <source>Total Duration: 00:00:00</source>
        <translation>Длительность: 00:00:00</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Строка меню</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>The accessible name of a menu bar menu; %1 is its caption (&quot;File menu&quot;).</extracomment>
        <translation>Меню «%1»</translation>
    </message>
    <message>
        <source>List context menu</source>
        <translation>Контекстное меню списка</translation>
    </message>
    <message>
        <source>Toobar</source>
        <extracomment>The toolbar&apos;s window title (shown in its context menu); the misspelling is historic.</extracomment>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Строка состояния</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Подождите…</translation>
    </message>
    <message>
        <source>Reading files</source>
        <translation>Чтение файлов</translation>
    </message>
    <message>
        <source>Reading files, please wait...</source>
        <translation>Чтение файлов, подождите…</translation>
    </message>
    <message>
        <source>Files to join</source>
        <translation>Файлы для объединения</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Добавить файлы</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Join Files</source>
        <translation>Объединить файлы</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Объединить</translation>
    </message>
    <message>
        <source>Exit     </source>
        <translation>Выход     </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Инвертировать выделение</translation>
    </message>
    <message>
        <source>Remove Selected Files</source>
        <translation>Удалить выбранные из списка</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Очистить список</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Содержание справки</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Веб-сайт</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>О программе…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Размер кадра</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Размер файла</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Видеокодек</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Аудиокодек</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Все поддерживаемые видеофайлы</translation>
    </message>
    <message>
        <source>3GPP files (%1)</source>
        <extracomment>%1 is the list of file patterns, kept as it is.</extracomment>
        <translation>Файлы 3GPP (%1)</translation>
    </message>
    <message>
        <source>AMV files (*.amv)</source>
        <translation>Файлы AMV (*.amv)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi)</source>
        <translation>Файлы AVI (*.avi)</translation>
    </message>
    <message>
        <source>Digital Video Files (*.dv)</source>
        <translation>Файлы Digital Video (*.dv)</translation>
    </message>
    <message>
        <source>DVD Video Files (*.vob)</source>
        <translation>Видеофайлы DVD (*.vob)</translation>
    </message>
    <message>
        <source>Flash Video (*.flv,*.f4v)</source>
        <translation>Flash-видео (*.flv,*.f4v)</translation>
    </message>
    <message>
        <source>Matroska Video (*.mkv)</source>
        <translation>Видео Matroska (*.mkv)</translation>
    </message>
    <message>
        <source>MPEG Files (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)</source>
        <translation>Файлы MPEG (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)</translation>
    </message>
    <message>
        <source>MPEG-4 files(*.mp4,*.m4v)</source>
        <translation>Файлы MPEG-4 (*.mp4,*.m4v)</translation>
    </message>
    <message>
        <source>NDS DPG Files (*.dpg)</source>
        <translation>Файлы NDS DPG (*.dpg)</translation>
    </message>
    <message>
        <source>QuickTime Files (*.mov,*.qt)</source>
        <translation>Файлы QuickTime (*.mov,*.qt)</translation>
    </message>
    <message>
        <source>RealMedia file (*.rm,*.rmvb)</source>
        <translation>Файлы RealMedia (*.rm,*.rmvb)</translation>
    </message>
    <message>
        <source>VCD Movie Files (*.dat)</source>
        <translation>Фильмы VCD (*.dat)</translation>
    </message>
    <message>
        <source>WebM Video Files (*.webm)</source>
        <translation>Видеофайлы WebM (*.webm)</translation>
    </message>
    <message>
        <source>Windows Media Video Files (*.wmv,*.asf)</source>
        <translation>Файлы Windows Media Video (*.wmv,*.asf)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Total Files: %1</source>
        <extracomment>%1 is the number of files.</extracomment>
        <translation>Всего файлов: %1</translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <extracomment>%1 is the duration as hh:mm:ss.</extracomment>
        <translation>Общая длительность: %1</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Join Finished. Click here to open the output folder</source>
        <translation>Готово. Нажмите здесь, чтобы открыть папку</translation>
    </message>
    <message>
        <source>Join finished notice. Escape closes it.</source>
        <translation>Уведомление о завершении объединения. Закрывается клавишей Esc.</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Video lib not found</source>
        <translation>Не найдена библиотека видео</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Preview player</source>
        <translation>Проигрыватель</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Player controls</source>
        <translation>Управление воспроизведением</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Выключить звук</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Muted speaker</source>
        <translation>Динамик выключен</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Динамик</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Звук выключен</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Звук включён</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>General Video Format</source>
        <translation>Общие видеоформаты</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source></source>
        <comment>Output profile captions and the profile menu&apos;s group names. Device, product, codec and format names, file extensions and figures stay as they are; translate only the descriptive words (&quot;Video&quot;, &quot;Audio&quot;, &quot;HD Video&quot;, &quot;for TV&quot;, &quot;High quality&quot;). An empty translation shows the English caption.</comment>
        <translation></translation>
    </message>
    <message>
        <source>3GP - 3GP Format (*.3gp)</source>
        <translation>3GP - формат 3GP (*.3gp)</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - Advanced Streaming Format (*.asf)</translation>
    </message>
    <message>
        <source>AVI - AVI Xvid Format (*.avi)</source>
        <translation>AVI - формат AVI Xvid (*.avi)</translation>
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
        <translation>MOV - видео QuickTime (*.mov)</translation>
    </message>
    <message>
        <source>MP4 - H264 Video (*.mp4)</source>
        <translation>MP4 - видео H264 (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - MPEG-4 Video (*.mp4)</source>
        <translation>MP4 - видео MPEG-4 (*.mp4)</translation>
    </message>
    <message>
        <source>MPG - MPEG-1 Video (*.mpg)</source>
        <translation>MPG - видео MPEG-1 (*.mpg)</translation>
    </message>
    <message>
        <source>MPG - MPEG-2 Video (*.mpg)</source>
        <translation>MPG - видео MPEG-2 (*.mpg)</translation>
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
        <translation>Android - видео MPEG4</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>Android - H264 Video 320x240</source>
        <translation>Android - видео H264 320x240</translation>
    </message>
    <message>
        <source>Android - H264 Video 480x320</source>
        <translation>Android - видео H264 480x320</translation>
    </message>
    <message>
        <source>Android - H264 Video 800x480</source>
        <translation>Android - видео H264 800x480</translation>
    </message>
    <message>
        <source>Android - H264 Video 854x480</source>
        <translation>Android - видео H264 854x480</translation>
    </message>
    <message>
        <source>HTC G2 Magic - MPEG4 Video</source>
        <translation>HTC G2 Magic - видео MPEG4</translation>
    </message>
    <message>
        <source>HTC Hero - MPEG4 Video</source>
        <translation>HTC Hero - видео MPEG4</translation>
    </message>
    <message>
        <source>HTC Tattoo - MPEG4 Video</source>
        <translation>HTC Tattoo - видео MPEG4</translation>
    </message>
    <message>
        <source>Motorola CLIQ - MPEG4 Video</source>
        <translation>Motorola CLIQ - видео MPEG4</translation>
    </message>
    <message>
        <source>Motorola Droid - MPEG4 Video</source>
        <translation>Motorola Droid - видео MPEG4</translation>
    </message>
    <message>
        <source>Nexus One - MPEG4 Video</source>
        <translation>Nexus One - видео MPEG4</translation>
    </message>
    <message>
        <source>Samsung i7500 - MPEG4 Video</source>
        <translation>Samsung i7500 - видео MPEG4</translation>
    </message>
    <message>
        <source>Samsung P1000 - H264 Video</source>
        <translation>Samsung P1000 - видео H264</translation>
    </message>
    <message>
        <source>Android Pad</source>
        <translation>Планшеты Android</translation>
    </message>
    <message>
        <source>Samsung P1000 - MPEG4 Video</source>
        <translation>Samsung P1000 - видео MPEG4</translation>
    </message>
    <message>
        <source>Motorola Xoom - H264 Video</source>
        <translation>Motorola Xoom - видео H264</translation>
    </message>
    <message>
        <source>Motorola Xoom - MPEG4 Video</source>
        <translation>Motorola Xoom - видео MPEG4</translation>
    </message>
    <message>
        <source>Apple TV - MPEG4 Video</source>
        <translation>Apple TV - видео MPEG4</translation>
    </message>
    <message>
        <source>Apple TV</source>
        <translation>Apple TV</translation>
    </message>
    <message>
        <source>Apple TV - H264 Video</source>
        <translation>Apple TV - видео H264</translation>
    </message>
    <message>
        <source>Apple TV - H264 HD Video</source>
        <translation>Apple TV - HD-видео H264</translation>
    </message>
    <message>
        <source>BlackBerry - 3GP Video</source>
        <translation>BlackBerry - видео 3GP</translation>
    </message>
    <message>
        <source>BlackBerry</source>
        <translation>BlackBerry</translation>
    </message>
    <message>
        <source>BlackBerry - MPEG4 Video</source>
        <translation>BlackBerry - видео MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry 8800/8700/8500/8300 - MPEG4 Video</source>
        <translation>BlackBerry 8800/8700/8500/8300 - видео MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Bold 9000 - H264 Video</source>
        <translation>BlackBerry Bold 9000 - видео H264</translation>
    </message>
    <message>
        <source>BlackBerry Bold 9700 - H264 Video</source>
        <translation>BlackBerry Bold 9700 - видео H264</translation>
    </message>
    <message>
        <source>BlackBerry Charm 7100  - MPEG4 Video</source>
        <translation>BlackBerry Charm 7100 - видео MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Curve 8900 - H264 Video</source>
        <translation>BlackBerry Curve 8900 - видео H264</translation>
    </message>
    <message>
        <source>BlackBerry Flip 8220/8230  - MPEG4 Video</source>
        <translation>BlackBerry Flip 8220/8230 - видео MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Pearl 8100/8110/8120/8130 - MPEG4 Video</source>
        <translation>BlackBerry Pearl 8100/8110/8120/8130 - видео MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - H264 Video</source>
        <translation>BlackBerry Playbook - видео H264</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - MPEG4 Video</source>
        <translation>BlackBerry Playbook - видео MPEG4</translation>
    </message>
    <message>
        <source>BlackBerry Playbook - WMV Video</source>
        <translation>BlackBerry Playbook - видео WMV</translation>
    </message>
    <message>
        <source>BlackBerry Storm/Storm2/Torch/Tour - H264 Video</source>
        <translation>BlackBerry Storm/Storm2/Torch/Tour - видео H264</translation>
    </message>
    <message>
        <source>BlackBerry Tour 9630 - H264 Video</source>
        <translation>BlackBerry Tour 9630 - видео H264</translation>
    </message>
    <message>
        <source>HD - ASF Video</source>
        <translation>HD - видео ASF</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>HD-видео</translation>
    </message>
    <message>
        <source>HD - H264 Video</source>
        <translation>HD - видео H264</translation>
    </message>
    <message>
        <source>HD - MKV Video</source>
        <translation>HD - видео MKV</translation>
    </message>
    <message>
        <source>HD - MOV Video</source>
        <translation>HD - видео MOV</translation>
    </message>
    <message>
        <source>HD - MPEG4 Video</source>
        <translation>HD - видео MPEG4</translation>
    </message>
    <message>
        <source>HD - RM Video</source>
        <translation>HD - видео RM</translation>
    </message>
    <message>
        <source>HD - WMV Video</source>
        <translation>HD - видео WMV</translation>
    </message>
    <message>
        <source>HD - Xvid Video</source>
        <translation>HD - видео Xvid</translation>
    </message>
    <message>
        <source>iPad - MPEG4 Video</source>
        <translation>iPad - видео MPEG4</translation>
    </message>
    <message>
        <source>iPad</source>
        <translation>iPad</translation>
    </message>
    <message>
        <source>iPad - H264 Video</source>
        <translation>iPad - видео H264</translation>
    </message>
    <message>
        <source>iPad - H264 HD Video</source>
        <translation>iPad - HD-видео H264</translation>
    </message>
    <message>
        <source>iPad2 - H264 HD Video</source>
        <translation>iPad2 - HD-видео H264</translation>
    </message>
    <message>
        <source>iPhone - H.264 Video</source>
        <translation>iPhone - видео H.264</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>iPhone - H.264 Video for TV</source>
        <translation>iPhone - видео H.264 для ТВ</translation>
    </message>
    <message>
        <source>iPhone - MPEG4 Video</source>
        <translation>iPhone - видео MPEG4</translation>
    </message>
    <message>
        <source>iPhone4 - H.264 Video</source>
        <translation>iPhone4 - видео H.264</translation>
    </message>
    <message>
        <source>iPod - H264 Video</source>
        <translation>iPod - видео H264</translation>
    </message>
    <message>
        <source>iPod</source>
        <translation>iPod</translation>
    </message>
    <message>
        <source>iPod - H264 Video for TV</source>
        <translation>iPod - видео H264 для ТВ</translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video</source>
        <translation>iPod - видео MPEG4</translation>
    </message>
    <message>
        <source>iPod - MPEG4 Video for TV</source>
        <translation>iPod - видео MPEG4 для ТВ</translation>
    </message>
    <message>
        <source>iPod Nano 5 - H264 Video</source>
        <translation>iPod Nano 5 - видео H264</translation>
    </message>
    <message>
        <source>iPod Nano 5 - MPEG4 Video</source>
        <translation>iPod Nano 5 - видео MPEG4</translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video</source>
        <translation>iPod Touch - видео H264</translation>
    </message>
    <message>
        <source>iPod Touch - H264 Video for TV</source>
        <translation>iPod Touch - видео H264 для ТВ</translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video</source>
        <translation>iPod Touch - видео MPEG4</translation>
    </message>
    <message>
        <source>iPod Touch - MPEG4 Video for TV</source>
        <translation>iPod Touch - видео MPEG4 для ТВ</translation>
    </message>
    <message>
        <source>iPod Touch4 - H264 Video</source>
        <translation>iPod Touch4 - видео H264</translation>
    </message>
    <message>
        <source>PS3 - H264 Video</source>
        <translation>PS3 - видео H264</translation>
    </message>
    <message>
        <source>PS3</source>
        <translation>PS3</translation>
    </message>
    <message>
        <source>PS3 - H264 HD Video</source>
        <translation>PS3 - HD-видео H264</translation>
    </message>
    <message>
        <source>PS3 - WMV Video</source>
        <translation>PS3 - видео WMV</translation>
    </message>
    <message>
        <source>PS3 - WMV HD Video</source>
        <translation>PS3 - HD-видео WMV</translation>
    </message>
    <message>
        <source>PS3 - Xvid Video</source>
        <translation>PS3 - видео Xvid</translation>
    </message>
    <message>
        <source>PS3 - Xvid HD Video</source>
        <translation>PS3 - HD-видео Xvid</translation>
    </message>
    <message>
        <source>Archos - H264 Video</source>
        <translation>Archos - видео H264</translation>
    </message>
    <message>
        <source>PMP</source>
        <translation>Портативные плееры</translation>
    </message>
    <message>
        <source>Archos - MPEG4 Video</source>
        <translation>Archos - видео MPEG4</translation>
    </message>
    <message>
        <source>Archos - WMV Video</source>
        <translation>Archos - видео WMV</translation>
    </message>
    <message>
        <source>Creative ZEN - H264 Video</source>
        <translation>Creative ZEN - видео H264</translation>
    </message>
    <message>
        <source>Creative ZEN - MPEG4 Video</source>
        <translation>Creative ZEN - видео MPEG4</translation>
    </message>
    <message>
        <source>Creative ZEN - WMV Video</source>
        <translation>Creative ZEN - видео WMV</translation>
    </message>
    <message>
        <source>Creative ZEN - Xvid Video</source>
        <translation>Creative ZEN - видео Xvid</translation>
    </message>
    <message>
        <source>iRiver - H264 Video</source>
        <translation>iRiver - видео H264</translation>
    </message>
    <message>
        <source>iRiver - MPEG4 Video</source>
        <translation>iRiver - видео MPEG4</translation>
    </message>
    <message>
        <source>iRiver - WMV Video</source>
        <translation>iRiver - видео WMV</translation>
    </message>
    <message>
        <source>iRiver - Xvid Video</source>
        <translation>iRiver - видео Xvid</translation>
    </message>
    <message>
        <source>Zune - H264 Video</source>
        <translation>Zune - видео H264</translation>
    </message>
    <message>
        <source>Zune - MPEG4 Video</source>
        <translation>Zune - видео MPEG4</translation>
    </message>
    <message>
        <source>Zune - WMV Video</source>
        <translation>Zune - видео WMV</translation>
    </message>
    <message>
        <source>PSP - H264 Video</source>
        <translation>PSP - видео H264</translation>
    </message>
    <message>
        <source>PSP</source>
        <translation>PSP</translation>
    </message>
    <message>
        <source>PSP - H264 Video for TV</source>
        <translation>PSP - видео H264 для ТВ</translation>
    </message>
    <message>
        <source>PSP - H264 Video for firmware 2.0 and above</source>
        <translation>PSP - видео H264 для прошивки 2.0 и выше</translation>
    </message>
    <message>
        <source>PSP - MPEG4 Video</source>
        <translation>PSP - видео MPEG4</translation>
    </message>
    <message>
        <source>DVD NTSC - MPEG-2  Video</source>
        <translation>DVD NTSC - видео MPEG-2</translation>
    </message>
    <message>
        <source>VCD/DVD</source>
        <translation>VCD/DVD</translation>
    </message>
    <message>
        <source>DVD PAL - MPEG-2 Video</source>
        <translation>DVD PAL - видео MPEG-2</translation>
    </message>
    <message>
        <source>VCD NTSC - MPEG-1 Video</source>
        <translation>VCD NTSC - видео MPEG-1</translation>
    </message>
    <message>
        <source>VCD PAL - MPEG-1 Video</source>
        <translation>VCD PAL - видео MPEG-1</translation>
    </message>
    <message>
        <source>Dailymotion - H264 Video</source>
        <translation>Dailymotion - видео H264</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>Веб-видео</translation>
    </message>
    <message>
        <source>Dailymotion - H264 HD Video</source>
        <translation>Dailymotion - HD-видео H264</translation>
    </message>
    <message>
        <source>Facebook - H264 Video</source>
        <translation>Facebook - видео H264</translation>
    </message>
    <message>
        <source>Facebook - H264 HD Video</source>
        <translation>Facebook - HD-видео H264</translation>
    </message>
    <message>
        <source>Flickr - H264 Video</source>
        <translation>Flickr - видео H264</translation>
    </message>
    <message>
        <source>Flickr - H264 HD Video</source>
        <translation>Flickr - HD-видео H264</translation>
    </message>
    <message>
        <source>TwitVid - H264 Video</source>
        <translation>TwitVid - видео H264</translation>
    </message>
    <message>
        <source>TwitVid - H264 HD Video</source>
        <translation>TwitVid - HD-видео H264</translation>
    </message>
    <message>
        <source>Vimeo - H264 Video</source>
        <translation>Vimeo - видео H264</translation>
    </message>
    <message>
        <source>Vimeo - H264 HD Video</source>
        <translation>Vimeo - HD-видео H264</translation>
    </message>
    <message>
        <source>YOUTUBE - H264 Video</source>
        <translation>YOUTUBE - видео H264</translation>
    </message>
    <message>
        <source>YOUTUBE - H264 HD Video</source>
        <translation>YOUTUBE - HD-видео H264</translation>
    </message>
    <message>
        <source>Windows Phone 7 - H264 Video</source>
        <translation>Windows Phone 7 - видео H264</translation>
    </message>
    <message>
        <source>Windows Phone</source>
        <translation>Windows Phone</translation>
    </message>
    <message>
        <source>Windows Phone 7 - MPEG4 Video</source>
        <translation>Windows Phone 7 - видео MPEG4</translation>
    </message>
    <message>
        <source>Windows Phone 7 - WMV Video</source>
        <translation>Windows Phone 7 - видео WMV</translation>
    </message>
    <message>
        <source>Xbox360 - H264 Video</source>
        <translation>Xbox360 - видео H264</translation>
    </message>
    <message>
        <source>Xbox</source>
        <translation>Xbox</translation>
    </message>
    <message>
        <source>Xbox360 - H264 HD Video</source>
        <translation>Xbox360 - HD-видео H264</translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 Video</source>
        <translation>Xbox360 - видео MPEG4</translation>
    </message>
    <message>
        <source>Xbox360 - MPEG4 HD Video</source>
        <translation>Xbox360 - HD-видео MPEG4</translation>
    </message>
    <message>
        <source>Xbox360 - WMV Video</source>
        <translation>Xbox360 - видео WMV</translation>
    </message>
    <message>
        <source>Xbox360 - WMV HD Video</source>
        <translation>Xbox360 - HD-видео WMV</translation>
    </message>
    <message>
        <source>Xbox360 - Xvid Video</source>
        <translation>Xbox360 - видео Xvid</translation>
    </message>
    <message>
        <source>Xbox360 - Xvid HD Video</source>
        <translation>Xbox360 - HD-видео Xvid</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Video lib not found</source>
        <translation>Не найдена библиотека видео</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Подождите…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Join Finished!</source>
        <translation>Объединение завершено!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Join progress</source>
        <translation>Ход объединения</translation>
    </message>
    <message>
        <source>Percent done</source>
        <translation>Процент выполнения</translation>
    </message>
    <message>
        <source>Join figures</source>
        <translation>Сведения об объединении</translation>
    </message>
    <message>
        <source>Time Elapsed: </source>
        <translation>Прошло: </translation>
    </message>
    <message>
        <source>Remaining Time:</source>
        <translation>Осталось:</translation>
    </message>
    <message>
        <source>Estimated Size: </source>
        <translation>Примерный размер: </translation>
    </message>
    <message>
        <source>Join note</source>
        <translation>Примечание к объединению</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Другой…</translation>
    </message>
    <message>
        <source>High (larger file size)</source>
        <translation>Высокое (файл больше)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычное</translation>
    </message>
    <message>
        <source>Low (smaller file size)</source>
        <translation>Низкое (файл меньше)</translation>
    </message>
    <message>
        <source>Direct stream copy. Keep original format. (All files must be same format)</source>
        <translation>Прямое копирование без перекодирования (файлы одного формата)</translation>
    </message>
    <message>
        <source>Convert to another format</source>
        <translation>Перекодирование</translation>
    </message>
    <message>
        <source>More &gt;&gt;</source>
        <translation>Ещё &gt;&gt;</translation>
    </message>
    <message>
        <source>More &lt;&lt;</source>
        <translation>Ещё &lt;&lt;</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Invalid file name!</source>
        <translation>Недопустимое имя файла!</translation>
    </message>
    <message>
        <source>Invalid path!</source>
        <translation>Недопустимый путь!</translation>
    </message>
    <message>
        <source>Not same format</source>
        <translation>Разные форматы</translation>
    </message>
    <message>
        <source>To use the &apos;Direct copy stream&apos; function, all video files must be same format</source>
        <translation>Для прямого копирования все видеофайлы должны быть в одном формате</translation>
    </message>
    <message>
        <source>The output file is one of the files to join. Please choose another name or folder.</source>
        <translation>Выходной файл совпадает с одним из объединяемых файлов. Выберите другое имя или папку.</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Параметры вывода</translation>
    </message>
    <message>
        <source>The output file already exists. Do you want to replace it?</source>
        <translation>Выходной файл уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор…</translation>
    </message>
    <message>
        <source>Join Now</source>
        <translation>Объединить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Папка:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Выс.:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>Видео:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Звук:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Шир.:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Join without converting</source>
        <translation>Объединить без перекодирования</translation>
    </message>
    <message>
        <source>Show or hide advanced settings</source>
        <translation>Показать или скрыть дополнительные параметры</translation>
    </message>
    <message>
        <source>Browse for the destination folder</source>
        <translation>Выбрать папку назначения</translation>
    </message>
    <message>
        <source>Conversion settings</source>
        <translation>Параметры перекодирования</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Выходной формат</translation>
    </message>
    <message>
        <source>Opens the menu of output profiles</source>
        <translation>Открывает меню профилей</translation>
    </message>
    <message>
        <source>Video size</source>
        <translation>Размер кадра</translation>
    </message>
    <message>
        <source>Video width</source>
        <translation>Ширина кадра</translation>
    </message>
    <message>
        <source>Video height</source>
        <translation>Высота кадра</translation>
    </message>
    <message>
        <source>Video quality</source>
        <translation>Качество видео</translation>
    </message>
    <message>
        <source>Audio quality</source>
        <translation>Качество звука</translation>
    </message>
    <message>
        <source>Output file name</source>
        <translation>Имя выходного файла</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>Папка назначения</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Дополнительные параметры</translation>
    </message>
    <message>
        <source>Output profiles</source>
        <translation>Профили</translation>
    </message>
    <message>
        <source>Advanced settings items</source>
        <translation>Пункты дополнительных параметров</translation>
    </message>
</context>
</TS>
