<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>reelcatch</name>
    <message>
        <source>%1 (Flatpak)</source>
        <translation>%1 (Flatpak)</translation>
    </message>
    <message>
        <source>%1 (Snap)</source>
        <translation>%1 (Snap)</translation>
    </message>
    <message>
        <source>YouTube wants a signed-in browser to confirm you&apos;re not a bot.</source>
        <translation>YouTube просит подтвердить через браузер, в котором выполнен вход, что вы не бот.</translation>
    </message>
    <message>
        <source>This video is age-restricted. Sign in with a browser to download it.</source>
        <translation>У этого видео есть возрастное ограничение. Войдите в аккаунт в браузере, чтобы скачать его.</translation>
    </message>
    <message>
        <source>This video is private or for channel members only.</source>
        <translation>Это видео закрыто или доступно только спонсорам канала.</translation>
    </message>
    <message>
        <source>YouTube is limiting requests from this connection. Downloads resume by themselves.</source>
        <translation>YouTube ограничивает запросы с этого подключения. Загрузки возобновятся автоматически.</translation>
    </message>
    <message>
        <source>This video is unavailable.</source>
        <translation>Это видео недоступно.</translation>
    </message>
    <message>
        <source>The download engine needs an update.</source>
        <translation>Движок загрузки нужно обновить.</translation>
    </message>
    <message>
        <source>Can&apos;t reach YouTube. Check the connection.</source>
        <translation>Не удаётся подключиться к YouTube. Проверьте подключение.</translation>
    </message>
    <message>
        <source>The download folder&apos;s disk is full.</source>
        <translation>Диск с папкой загрузок заполнен.</translation>
    </message>
    <message>
        <source>This quality isn&apos;t available for this video. Pick another.</source>
        <translation>Это качество недоступно для этого видео. Выберите другое.</translation>
    </message>
    <message>
        <source>YouTube is still limiting requests from this connection. Try again later.</source>
        <translation>YouTube по-прежнему ограничивает запросы с этого подключения. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>(version unknown)</source>
        <translation>(версия неизвестна)</translation>
    </message>
    <message>
        <source>Choose Browser…</source>
        <translation>Выбрать браузер…</translation>
    </message>
    <message>
        <source>Resume Now</source>
        <translation>Возобновить сейчас</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Download videos and audio with yt-dlp.</source>
        <translation>Скачивание видео и аудио с помощью yt-dlp.</translation>
    </message>
    <message>
        <source>Links to look up (also reelcatch://…).</source>
        <translation>Ссылки для поиска (также reelcatch://…).</translation>
    </message>
</context>
<context>
    <name>reelcatch::AboutDialog</name>
    <message>
        <source>About Reelcatch</source>
        <translation>О программе Reelcatch</translation>
    </message>
    <message>
        <source>Reelcatch %1</source>
        <translation>Reelcatch %1</translation>
    </message>
    <message>
        <source>Downloads videos from YouTube with yt-dlp.</source>
        <translation>Скачивает видео с YouTube с помощью yt-dlp.</translation>
    </message>
    <message>
        <source>yt-dlp</source>
        <translation>yt-dlp</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>не установлено</translation>
    </message>
    <message>
        <source>deno</source>
        <translation>deno</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>установлено</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>отсутствует</translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <translation>ffmpeg</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Лицензия</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Файл настроек</translation>
    </message>
    <message>
        <source>Tools folder</source>
        <translation>Папка инструментов</translation>
    </message>
    <message>
        <source>Download list folder</source>
        <translation>Папка списка загрузок</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>Кэш миниатюр</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or any later version (GPL-3.0-or-later). Reelcatch comes with no warranty. yt-dlp, deno and ffmpeg are not part of Reelcatch and come under their own licences.</source>
        <translation>GNU General Public License версии 3 или любой более поздней версии (GPL-3.0-or-later). Reelcatch предоставляется без каких-либо гарантий. yt-dlp, deno и ffmpeg не входят в состав Reelcatch и распространяются под собственными лицензиями.</translation>
    </message>
</context>
<context>
    <name>reelcatch::AppShell</name>
    <message>
        <source>Show Reelcatch</source>
        <translation>Показать Reelcatch</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) are running or waiting. They will continue the next time you open Reelcatch.</source>
        <translation>
            <numerusform>%n загрузка выполняется или ожидает и продолжится, когда вы снова откроете Reelcatch.</numerusform>
            <numerusform>%n загрузки выполняются или ожидают и продолжатся, когда вы снова откроете Reelcatch.</numerusform>
            <numerusform>%n загрузок выполняются или ожидают и продолжатся, когда вы снова откроете Reelcatch.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Reelcatch?</source>
        <translation>Выйти из Reelcatch?</translation>
    </message>
</context>
<context>
    <name>reelcatch::BatchNotifier</name>
    <message>
        <source>Open Reelcatch</source>
        <translation>Открыть Reelcatch</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Сохранено в %1</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) finished</source>
        <translation>
            <numerusform>Завершена %n загрузка</numerusform>
            <numerusform>Завершены %n загрузки</numerusform>
            <numerusform>Завершено %n загрузок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) failed</source>
        <translation>
            <numerusform>Не удалась %n загрузка</numerusform>
            <numerusform>Не удались %n загрузки</numerusform>
            <numerusform>Не удалось %n загрузок</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins &quot;3 downloads finished&quot; and &quot;1 failed&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n с ошибкой</numerusform>
            <numerusform>%n с ошибкой</numerusform>
            <numerusform>%n с ошибкой</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ClipDialog</name>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>Download a Clip</source>
        <translation>Скачивание фрагмента</translation>
    </message>
    <message>
        <source>The video is %1 long.</source>
        <translation>Длительность видео: %1.</translation>
    </message>
    <message>
        <source>The video’s length is unknown: any end after the start is taken.</source>
        <translation>Длительность видео неизвестна: подойдёт любой конец после начала.</translation>
    </message>
    <message>
        <source>h:mm:ss, m:ss or seconds; a pasted link’s time (t=) is taken too</source>
        <translation>ч:мм:сс, м:сс или секунды; учитывается и время (t=) из вставленной ссылки</translation>
    </message>
    <message>
        <source>h:mm:ss</source>
        <translation>ч:мм:сс</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Начало:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Конец:</translation>
    </message>
    <message>
        <source>Type the start as h:mm:ss, m:ss or seconds.</source>
        <translation>Введите начало в формате ч:мм:сс, м:сс или в секундах.</translation>
    </message>
    <message>
        <source>Type the end as h:mm:ss, m:ss or seconds.</source>
        <translation>Введите конец в формате ч:мм:сс, м:сс или в секундах.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Конец должен быть позже начала.</translation>
    </message>
    <message>
        <source>The end must be within the video, which is %1 long.</source>
        <translation>Конец должен быть в пределах видео (длительность: %1).</translation>
    </message>
    <message>
        <source>The clip will be %1 long.</source>
        <translation>Длительность фрагмента: %1.</translation>
    </message>
</context>
<context>
    <name>reelcatch::CookieSources</name>
    <message>
        <source>The cookies file “%1” is gone; cookies are off.</source>
        <translation>Файл cookie «%1» больше не существует; cookie отключены.</translation>
    </message>
    <message>
        <source>%1 is no longer installed; cookies are off.</source>
        <translation>Браузер %1 больше не установлен; cookie отключены.</translation>
    </message>
</context>
<context>
    <name>reelcatch::DesktopCues</name>
    <message numerus="yes">
        <source>Reelcatch · %n download(s) left</source>
        <translation>
            <numerusform>Reelcatch · осталась %n загрузка</numerusform>
            <numerusform>Reelcatch · осталось %n загрузки</numerusform>
            <numerusform>Reelcatch · осталось %n загрузок</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::Download</name>
    <message>
        <source>Waiting…</source>
        <translation>Ожидание…</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadQueue</name>
    <message>
        <source>Waiting…</source>
        <translation>Ожидание…</translation>
    </message>
    <message>
        <source>Getting ffmpeg ready (one-time, ~56 MB)…</source>
        <translation>Подготовка ffmpeg (однократно, ~56 МБ)…</translation>
    </message>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>Движок загрузки ещё не установлен.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”.</source>
        <translation>Не удалось создать папку «%1».</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Запуск…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Сохранено в %1</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp завершился с кодом %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Cutting a clip needs ffmpeg, which isn&apos;t ready.</source>
        <translation>Для вырезания фрагмента нужен ffmpeg, но он ещё не готов.</translation>
    </message>
    <message>
        <source>Checking the clip’s length…</source>
        <translation>Проверка длительности фрагмента…</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>The clip is %1 long instead of %2.</source>
        <translation>Длительность фрагмента: %1 (ожидалось: %2).</translation>
    </message>
    <message>
        <source>%1 (its length couldn’t be checked)</source>
        <translation>%1 (не удалось проверить длительность)</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsList</name>
    <message>
        <source>Downloads</source>
        <translation>Загрузки</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Копировать ссылку</translation>
    </message>
    <message>
        <source>Copy Error</source>
        <translation>Копировать ошибку</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Показать журнал</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Удалить из списка</translation>
    </message>
    <message>
        <source>Log of “%1”</source>
        <translation>Журнал: «%1»</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsModel</name>
    <message numerus="yes">
        <source>Starts in %n second(s)</source>
        <translation>
            <numerusform>Начнётся через %n секунду</numerusform>
            <numerusform>Начнётся через %n секунды</numerusform>
            <numerusform>Начнётся через %n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Paused: YouTube is limiting requests. Resuming at %1…</source>
        <translation>Пауза: YouTube ограничивает запросы. Продолжение в %1…</translation>
    </message>
    <message>
        <source>%1 · Clip %2</source>
        <translation>%1 · Фрагмент %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsPane</name>
    <message>
        <source>Downloads</source>
        <translation>Загрузки</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Очистить завершённые</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>Здесь пока ничего нет.</translation>
    </message>
    <message numerus="yes">
        <source>%n downloading</source>
        <translation>
            <numerusform>%n загружается</numerusform>
            <numerusform>%n загружаются</numerusform>
            <numerusform>%n загружаются</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queued</source>
        <translation>
            <numerusform>%n в очереди</numerusform>
            <numerusform>%n в очереди</numerusform>
            <numerusform>%n в очереди</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineBanner</name>
    <message>
        <source>Try Again</source>
        <translation>Повторить попытку</translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineReadiness</name>
    <message>
        <source>Setting up the download engine (one-time, ~80 MB)…</source>
        <translation>Установка движка загрузки (однократно, ~80 МБ)…</translation>
    </message>
    <message>
        <source>Updating the download engine…</source>
        <translation>Обновление движка загрузки…</translation>
    </message>
    <message>
        <source>Couldn&apos;t install yt-dlp: %1</source>
        <translation>Не удалось установить yt-dlp: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the download engine: %1</source>
        <translation>Не удалось обновить движок загрузки: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t download ffmpeg (%1). Downloads are limited to lower quality for now.</source>
        <translation>Не удалось скачать ffmpeg (%1). Пока загрузки ограничены более низким качеством.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FileNaming</name>
    <message>
        <source>“%1” is missing its closing parenthesis.</source>
        <translation>В «%1» не хватает закрывающей скобки.</translation>
    </message>
    <message>
        <source>“%(%1)” needs a letter after it: s for text, d for a number.</source>
        <translation>После «%(%1)» нужна буква: s для текста, d для числа.</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Плейлист</translation>
    </message>
    <message>
        <source>Title [id]</source>
        <translation>Название [id]</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Channel – Title</source>
        <translation>Канал – Название</translation>
    </message>
    <message>
        <source>Upload date – Title</source>
        <translation>Дата публикации – Название</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Свой шаблон…</translation>
    </message>
    <message>
        <source>Type a name for the files.</source>
        <translation>Введите имя для файлов.</translation>
    </message>
    <message>
        <source>A name cannot hold line breaks or tabs.</source>
        <translation>Имя не может содержать переводы строк и табуляции.</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot begin with “/” or “~”.</source>
        <translation>Файлы остаются в папке загрузок: имя не может начинаться с «/» или «~».</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot step out of it with “..”.</source>
        <translation>Файлы остаются в папке загрузок: имя не может выходить из неё через «..».</translation>
    </message>
    <message>
        <source>The name ends with a folder: add the file&apos;s own name after the last “/”.</source>
        <translation>Имя заканчивается папкой: добавьте имя самого файла после последнего «/».</translation>
    </message>
    <message>
        <source>“%(%1)” names no field.</source>
        <translation>В «%(%1)» не указано имя поля.</translation>
    </message>
    <message>
        <source>yt-dlp knows no field named “%1”.</source>
        <translation>yt-dlp не знает поля «%1».</translation>
    </message>
    <message>
        <source>Every video would get this same name: add a field such as %(title)s.</source>
        <translation>Все видео получат одно и то же имя: добавьте поле, например %(title)s.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FolderChooser</name>
    <message>
        <source>Use Folder</source>
        <translation>Выбрать папку</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatDialog</name>
    <message>
        <source>about %1</source>
        <translation>около %1</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 кбит/с</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Повторить попытку</translation>
    </message>
    <message>
        <source>Choose Format</source>
        <translation>Выбор формата</translation>
    </message>
    <message>
        <source>Asking yt-dlp which formats this video has…</source>
        <translation>Запрос у yt-dlp списка форматов этого видео…</translation>
    </message>
    <message>
        <source>&amp;Video</source>
        <translation>&amp;Видео</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Аудио</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>No video — audio only</source>
        <translation>Без видео — только аудио</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>Its own sound</source>
        <translation>Собственный звук</translation>
    </message>
    <message>
        <source>This video format has its own sound.</source>
        <translation>Этот формат видео содержит собственный звук.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatList</name>
    <message>
        <source>%1 wide</source>
        <translation>ширина %1</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>%1 with sound</source>
        <translation>%1 со звуком</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>%1 (original)</source>
        <translation>%1 (оригинал)</translation>
    </message>
    <message>
        <source>%1 (dubbed)</source>
        <translation>%1 (дубляж)</translation>
    </message>
    <message>
        <source>%1 (automatic dub)</source>
        <translation>%1 (автоматический дубляж)</translation>
    </message>
    <message>
        <source>%1 (audio description)</source>
        <translation>%1 (аудиоописание)</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatQuery</name>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>Движок загрузки ещё не установлен.</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp завершился с кодом %1</translation>
    </message>
    <message>
        <source>yt-dlp listed no formats for this video.</source>
        <translation>yt-dlp не нашёл форматов для этого видео.</translation>
    </message>
</context>
<context>
    <name>reelcatch::HeaderBar</name>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Paste a YouTube link, playlist or channel, or type to search</source>
        <translation>Вставьте ссылку на видео, плейлист или канал YouTube либо введите запрос</translation>
    </message>
    <message>
        <source>Link or search words</source>
        <translation>Ссылка или поисковый запрос</translation>
    </message>
    <message>
        <source>Fetch</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Quality / format for new downloads</source>
        <translation>Качество / формат для новых загрузок</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Save to: %1</source>
        <translation>Сохранять в: %1</translation>
    </message>
    <message>
        <source>Link field</source>
        <translation>Поле ссылки</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryList</name>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryModel</name>
    <message>
        <source>File moved or deleted</source>
        <translation>Файл перемещён или удалён</translation>
    </message>
    <message>
        <source>Finished %1</source>
        <translation>Завершено %1</translation>
    </message>
    <message>
        <source>File on disk</source>
        <translation>Файл на диске</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>Search titles and channels</source>
        <translation>Поиск по названиям и каналам</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Поиск в истории</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Экспорт…</translation>
    </message>
    <message>
        <source>Saves the videos listed as a CSV file</source>
        <translation>Сохраняет показанные видео в файл CSV</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Скачать снова</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Копировать ссылку</translation>
    </message>
    <message>
        <source>Remove from History</source>
        <translation>Удалить из истории</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Экспортировано в %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t export to %1</source>
        <translation>Не удалось экспортировать в %1</translation>
    </message>
    <message>
        <source>Reelcatch History</source>
        <translation>История Reelcatch</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспортировать</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Идёт экспорт…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n видео</numerusform>
            <numerusform>%n видео</numerusform>
            <numerusform>%n видео</numerusform>
        </translation>
    </message>
    <message>
        <source>No videos downloaded yet.</source>
        <translation>Пока не скачано ни одного видео.</translation>
    </message>
    <message>
        <source>No video matches the search.</source>
        <translation>Нет видео, подходящих под запрос.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Installer</name>
    <message>
        <source>Couldn&apos;t create the folder %1: %2</source>
        <translation>Не удалось создать папку %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the download site: %1</source>
        <translation>Не удалось подключиться к сайту загрузки: %1</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t match its published checksum.</source>
        <translation>Скачанный %1 не совпадает с опубликованной контрольной суммой.</translation>
    </message>
    <message>
        <source>The downloaded %1 is larger than expected.</source>
        <translation>Скачанный %1 больше ожидаемого.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Download failed (HTTP %1): %2</source>
        <translation>Ошибка загрузки (HTTP %1): %2</translation>
    </message>
    <message>
        <source>Download failed (HTTP 0): %1</source>
        <translation>Ошибка загрузки (HTTP 0): %1</translation>
    </message>
    <message>
        <source>Download incomplete (%1 of %2 bytes): %3</source>
        <translation>Загрузка не завершена (%1 из %2 байт): %3</translation>
    </message>
    <message>
        <source>Download stalled (nothing received for %1 s): %2</source>
        <translation>Загрузка зависла (нет данных %1 с): %2</translation>
    </message>
    <message>
        <source>Download too slow (under %1 bytes/s for %2 s): %3</source>
        <translation>Загрузка слишком медленная (менее %1 байт/с в течение %2 с): %3</translation>
    </message>
    <message>
        <source>Can&apos;t check the downloaded %1: gpgv is missing (install the package gpgv).</source>
        <translation>Не удаётся проверить скачанный %1: отсутствует gpgv (установите пакет gpgv).</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the signing key %1</source>
        <translation>Не удалось прочитать ключ подписи %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t unpack %1: %2</source>
        <translation>Не удалось распаковать %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t make %1 executable: %2</source>
        <translation>Не удалось сделать %1 исполняемым: %2</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t run.</source>
        <translation>Скачанный %1 не запускается.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install %1: %2</source>
        <translation>Не удалось установить %1: %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::Library</name>
    <message>
        <source>File moved or deleted</source>
        <translation>Файл перемещён или удалён</translation>
    </message>
    <message>
        <source>Your download list couldn&apos;t be read and was started afresh.</source>
        <translation>Не удалось прочитать список загрузок, поэтому создан новый.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>диск сообщил об ошибке</translation>
    </message>
    <message>
        <source>its folder can&apos;t be written to</source>
        <translation>его папка недоступна для записи</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>он используется другой программой</translation>
    </message>
    <message>
        <source>its file can&apos;t be opened</source>
        <translation>его файл не открывается</translation>
    </message>
    <message>
        <source>This download list was saved by a newer Reelcatch. It is kept unchanged and not used.</source>
        <translation>Этот список загрузок сохранён более новой версией Reelcatch. Он остаётся без изменений и не используется.</translation>
    </message>
    <message>
        <source>Reelcatch is already open elsewhere with this download list; this window&apos;s list won&apos;t be kept.</source>
        <translation>Reelcatch уже открыт в другом месте с этим списком загрузок; список этого окна не будет сохранён.</translation>
    </message>
    <message>
        <source>Your download list can&apos;t be saved right now: %1.</source>
        <translation>Сейчас не удаётся сохранить список загрузок: %1.</translation>
    </message>
</context>
<context>
    <name>reelcatch::LinkHeading</name>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Снять выбор</translation>
    </message>
</context>
<context>
    <name>reelcatch::Listing</name>
    <message>
        <source>Playlist</source>
        <translation>Плейлист</translation>
    </message>
</context>
<context>
    <name>reelcatch::Lookup</name>
    <message>
        <source>That&apos;s too long to be a link or a search.</source>
        <translation>Слишком длинно для ссылки или поискового запроса.</translation>
    </message>
    <message>
        <source>The download engine is still being set up. Try again in a moment.</source>
        <translation>Движок загрузки ещё устанавливается. Повторите попытку через минуту.</translation>
    </message>
    <message>
        <source>yt-dlp couldn&apos;t be installed. %1 Try Again from the banner.</source>
        <translation>Не удалось установить yt-dlp. %1 Нажмите «Повторить попытку» на панели вверху.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load that link.</source>
        <translation>Не удалось открыть эту ссылку.</translation>
    </message>
    <message>
        <source>Search: %1</source>
        <translation>Поиск: %1</translation>
    </message>
    <message>
        <source>Nothing downloadable found there.</source>
        <translation>Там не найдено ничего для скачивания.</translation>
    </message>
    <message>
        <source>yt-dlp stopped answering.</source>
        <translation>yt-dlp перестал отвечать.</translation>
    </message>
    <message>
        <source>Only the first video could be listed.</source>
        <translation>В список попало только первое видео.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n videos could be listed.</source>
        <translation>
            <numerusform>В список попали только первые %n видео.</numerusform>
            <numerusform>В список попали только первые %n видео.</numerusform>
            <numerusform>В список попали только первые %n видео.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s)</source>
        <translation>
            <numerusform>%n ссылка</numerusform>
            <numerusform>%n ссылки</numerusform>
            <numerusform>%n ссылок</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t open that file. %1</source>
        <translation>Не удалось открыть этот файл. %1</translation>
    </message>
    <message>
        <source>That file is too big to be a list of links.</source>
        <translation>Этот файл слишком велик для списка ссылок.</translation>
    </message>
    <message>
        <source>No links found in that file.</source>
        <translation>В этом файле не найдено ссылок.</translation>
    </message>
</context>
<context>
    <name>reelcatch::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Results and downloads</source>
        <translation>Результаты и загрузки</translation>
    </message>
    <message>
        <source>Divider between results and downloads</source>
        <translation>Разделитель между результатами и загрузками</translation>
    </message>
    <message>
        <source>Download Ticked</source>
        <translation>Скачать отмеченные</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Комбинации клавиш</translation>
    </message>
    <message>
        <source>About Reelcatch</source>
        <translation>О программе Reelcatch</translation>
    </message>
    <message>
        <source>Open List of Links…</source>
        <translation>Открыть список ссылок…</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Окно</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>Open List of Links</source>
        <translation>Открыть список ссылок</translation>
    </message>
    <message>
        <source>Text files (*.txt *.list)</source>
        <translation>Текстовые файлы (*.txt *.list)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>reelcatch::Network</name>
    <message>
        <source>A proxy address begins with http://, https:// or socks5://, as in socks5://127.0.0.1:1080.</source>
        <translation>Адрес прокси начинается с http://, https:// или socks5://, например socks5://127.0.0.1:1080.</translation>
    </message>
    <message>
        <source>The proxy address needs a host after “//”.</source>
        <translation>В адресе прокси после «//» нужен хост.</translation>
    </message>
    <message>
        <source>A proxy address ends with its host and port, with nothing after them.</source>
        <translation>После хоста и порта в адресе прокси ничего не должно быть.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Preset</name>
    <message>
        <source>Best available</source>
        <translation>Наилучшее</translation>
    </message>
    <message>
        <source>Audio only (MP3)</source>
        <translation>Аудио (MP3)</translation>
    </message>
    <message>
        <source>Audio only (M4A)</source>
        <translation>Аудио (M4A)</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Лучшее</translation>
    </message>
</context>
<context>
    <name>reelcatch::ProgressProtocol</name>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Converting audio…</source>
        <translation>Преобразование аудио…</translation>
    </message>
    <message>
        <source>Finishing up…</source>
        <translation>Завершение…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>осталось %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultDelegate</name>
    <message>
        <source>Download just this one</source>
        <translation>Скачать только это видео</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Скачано</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsList</name>
    <message>
        <source>Choose Format…</source>
        <translation>Выбрать формат…</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>Open on YouTube</source>
        <translation>Открыть на YouTube</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Копировать ссылку</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Отметить</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>Снять отметку</translation>
    </message>
    <message>
        <source>Download a Clip…</source>
        <translation>Скачать фрагмент…</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsModel</name>
    <message>
        <source>Downloaded</source>
        <translation>Скачано</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>В эфире</translation>
    </message>
    <message>
        <source>Upcoming</source>
        <translation>Запланировано</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидает</translation>
    </message>
    <message>
        <source>Looking it up…</source>
        <translation>Поиск…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>пока %n видео</numerusform>
            <numerusform>пока %n видео</numerusform>
            <numerusform>пока %n видео</numerusform>
        </translation>
    </message>
    <message>
        <source>Not looked up</source>
        <translation>Поиск не выполнен</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n видео, получение списка остановлено</numerusform>
            <numerusform>%n видео, получение списка остановлено</numerusform>
            <numerusform>%n видео, получение списка остановлено</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n видео</numerusform>
            <numerusform>%n видео</numerusform>
            <numerusform>%n видео</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsPane</name>
    <message>
        <source>Looking it up…</source>
        <translation>Поиск…</translation>
    </message>
    <message>
        <source>Paste a link to get started</source>
        <translation>Вставьте ссылку, чтобы начать</translation>
    </message>
    <message>
        <source>Copy a YouTube link anywhere and switch back here, it loads automatically.
You can also drag a link onto this window, or type words to search YouTube.</source>
        <translation>Скопируйте ссылку YouTube где угодно и вернитесь сюда — она откроется автоматически.
Также можно перетащить ссылку в это окно или ввести слова для поиска на YouTube.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n видео</numerusform>
            <numerusform>%n видео</numerusform>
            <numerusform>%n видео</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>выбрано: %n</numerusform>
            <numerusform>выбрано: %n</numerusform>
            <numerusform>выбрано: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Снять выбор</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Скачать (%1)</translation>
    </message>
    <message>
        <source>Select New</source>
        <translation>Выбрать новые</translation>
    </message>
    <message>
        <source>Tick only the videos not downloaded before</source>
        <translation>Отметить только ещё не скачанные видео</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>пока %n видео</numerusform>
            <numerusform>пока %n видео</numerusform>
            <numerusform>пока %n видео</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n видео, получение списка остановлено</numerusform>
            <numerusform>%n видео, получение списка остановлено</numerusform>
            <numerusform>%n видео, получение списка остановлено</numerusform>
        </translation>
    </message>
    <message>
        <source>Download the ticked videos (%1)</source>
        <translation>Скачать отмеченные видео (%1)</translation>
    </message>
    <message>
        <source>Choose Format…</source>
        <translation>Выбрать формат…</translation>
    </message>
    <message>
        <source>Pick the video and audio formats of this video</source>
        <translation>Выбрать форматы видео и аудио для этого видео</translation>
    </message>
</context>
<context>
    <name>reelcatch::SettingsWindow</name>
    <message>
        <source>Prefer H.264 so files play in any player and on any device</source>
        <translation>Предпочитать H.264, чтобы файлы воспроизводились в любом плеере и на любом устройстве</translation>
    </message>
    <message>
        <source>Above 1080p YouTube only offers VP9/AV1. Those play in VLC, mpv and current browsers, but not on every older device.</source>
        <translation>Выше 1080p YouTube предлагает только VP9/AV1. Их воспроизводят VLC, mpv и современные браузеры, но не все старые устройства.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Сохранение</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Изменить…</translation>
    </message>
    <message>
        <source>Download folder</source>
        <translation>Папка загрузок</translation>
    </message>
    <message>
        <source> s</source>
        <translation> с</translation>
    </message>
    <message>
        <source>Pause between downloads, in seconds</source>
        <translation>Пауза между загрузками, в секундах</translation>
    </message>
    <message>
        <source>Pause between downloads</source>
        <translation>Пауза между загрузками</translation>
    </message>
    <message>
        <source>Load YouTube links from the clipboard automatically</source>
        <translation>Автоматически открывать ссылки YouTube из буфера обмена</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Embed subtitles</source>
        <translation>Встраивать субтитры</translation>
    </message>
    <message>
        <source>Subtitle languages</source>
        <translation>Языки субтитров</translation>
    </message>
    <message>
        <source>Save subtitles as files (SRT)</source>
        <translation>Сохранять субтитры в файлы (SRT)</translation>
    </message>
    <message>
        <source>Include automatic captions</source>
        <translation>Включать автоматические субтитры</translation>
    </message>
    <message>
        <source>Audio language</source>
        <translation>Язык аудио</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Оригинальный</translation>
    </message>
    <message>
        <source>SponsorBlock</source>
        <translation>SponsorBlock</translation>
    </message>
    <message>
        <source>What to do with sponsor and other segments viewers have marked</source>
        <translation>Что делать с рекламными и другими фрагментами, отмеченными зрителями</translation>
    </message>
    <message>
        <source>Mark as chapters</source>
        <translation>Отмечать как главы</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Sponsor</source>
        <translation>Спонсор</translation>
    </message>
    <message>
        <source>Self-promotion</source>
        <translation>Самореклама</translation>
    </message>
    <message>
        <source>Interaction reminder</source>
        <translation>Напоминание о взаимодействии</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Заставка</translation>
    </message>
    <message>
        <source>Outro</source>
        <translation>Концовка</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Анонс</translation>
    </message>
    <message>
        <source>Non-music section</source>
        <translation>Фрагмент без музыки</translation>
    </message>
    <message>
        <source>Filler</source>
        <translation>Отступление</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Теги</translation>
    </message>
    <message>
        <source>Embed title, channel and date</source>
        <translation>Встраивать название, канал и дату</translation>
    </message>
    <message>
        <source>Embed thumbnail as cover art</source>
        <translation>Встраивать миниатюру как обложку</translation>
    </message>
    <message>
        <source>YouTube account</source>
        <translation>Аккаунт YouTube</translation>
    </message>
    <message>
        <source>Use cookies from</source>
        <translation>Брать cookie из</translation>
    </message>
    <message>
        <source>The browser or file whose sign-in YouTube sees</source>
        <translation>Браузер или файл, чей вход в аккаунт видит YouTube</translation>
    </message>
    <message>
        <source>Cookies let YouTube see you as signed in. Close YouTube in that browser while downloading if it locks its cookies. YouTube may limit accounts that download a lot.</source>
        <translation>Благодаря cookie YouTube видит, что вы вошли в аккаунт. Если браузер блокирует свои cookie, закройте в нём YouTube на время загрузки. YouTube может ограничивать аккаунты, которые много скачивают.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Движок</translation>
    </message>
    <message>
        <source>JS runtime (deno)</source>
        <translation>Среда JS (deno)</translation>
    </message>
    <message>
        <source>YouTube changes often. If downloads start failing, update the engine.</source>
        <translation>YouTube часто меняется. Если загрузки начнут завершаться с ошибкой, обновите движок.</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>A cookies file…</source>
        <translation>Файл cookie…</translation>
    </message>
    <message>
        <source>Use File</source>
        <translation>Выбрать файл</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>не установлено</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>установлено</translation>
    </message>
    <message>
        <source>installs with your first download</source>
        <translation>установится при первой загрузке</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>отсутствует</translation>
    </message>
    <message>
        <source>Parallel downloads</source>
        <translation>Одновременные загрузки</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no pause between downloads</comment>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>SponsorBlock</comment>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no subtitle languages</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no cookies</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Имена файлов</translation>
    </message>
    <message>
        <source>How downloaded files are named</source>
        <translation>Как называть скачанные файлы</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>Шаблон имени</translation>
    </message>
    <message>
        <source>Put each playlist in a folder of its own, numbered</source>
        <translation>Сохранять каждый плейлист в отдельную папку с нумерацией</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Прокси</translation>
    </message>
    <message>
        <source>None, or socks5://host:port</source>
        <translation>Нет или socks5://host:port</translation>
    </message>
    <message>
        <source> MB/s</source>
        <translation> МБ/с</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Без ограничений</translation>
    </message>
    <message>
        <source>Limit each download to, in MB/s</source>
        <translation>Ограничить каждую загрузку до, в МБ/с</translation>
    </message>
    <message>
        <source>Limit each download to</source>
        <translation>Ограничить каждую загрузку до</translation>
    </message>
    <message>
        <source>Lookups and downloads go through the proxy; the limit holds for each download on its own.</source>
        <translation>Поиск и загрузки идут через прокси; ограничение действует для каждой загрузки отдельно.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Например: %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Комбинации клавиш</translation>
    </message>
    <message>
        <source>Look up the link or search words</source>
        <translation>Найти по ссылке или запросу</translation>
    </message>
    <message>
        <source>Stop the lookup</source>
        <translation>Остановить поиск</translation>
    </message>
    <message>
        <source>Tick or untick the current result</source>
        <translation>Отметить текущий результат или снять отметку</translation>
    </message>
    <message>
        <source>Download the ticked videos</source>
        <translation>Скачать отмеченные видео</translation>
    </message>
    <message>
        <source>Open the file of the current finished download</source>
        <translation>Открыть файл текущей завершённой загрузки</translation>
    </message>
    <message>
        <source>Remove the current finished download from the list</source>
        <translation>Удалить текущую завершённую загрузку из списка</translation>
    </message>
    <message>
        <source>Show what the current row offers</source>
        <translation>Показать действия для текущей строки</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Close Settings or this window</source>
        <translation>Закрыть настройки или это окно</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Комбинации клавиш</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Look up the links in a text file</source>
        <translation>Открыть ссылки из текстового файла</translation>
    </message>
    <message>
        <source>Show the history of finished videos</source>
        <translation>Показать историю скачанных видео</translation>
    </message>
    <message>
        <source>History: show the selected video&apos;s file in its folder</source>
        <translation>История: показать файл выбранного видео в папке</translation>
    </message>
    <message>
        <source>History: download the selected video again</source>
        <translation>История: скачать выбранное видео снова</translation>
    </message>
    <message>
        <source>History: export the videos listed as CSV</source>
        <translation>История: экспортировать показанные видео в CSV</translation>
    </message>
</context>
</TS>
