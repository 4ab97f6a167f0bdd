<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
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
        <translation>YouTube просить підтвердити через браузер, у якому виконано вхід, що ви не бот.</translation>
    </message>
    <message>
        <source>This video is age-restricted. Sign in with a browser to download it.</source>
        <translation>Це відео має вікове обмеження. Увійдіть в обліковий запис у браузері, щоб завантажити його.</translation>
    </message>
    <message>
        <source>This video is private or for channel members only.</source>
        <translation>Це відео приватне або доступне лише спонсорам каналу.</translation>
    </message>
    <message>
        <source>YouTube is limiting requests from this connection. Downloads resume by themselves.</source>
        <translation>YouTube обмежує запити з цього зʼєднання. Завантаження відновляться автоматично.</translation>
    </message>
    <message>
        <source>This video is unavailable.</source>
        <translation>Це відео недоступне.</translation>
    </message>
    <message>
        <source>The download engine needs an update.</source>
        <translation>Рушій завантаження потребує оновлення.</translation>
    </message>
    <message>
        <source>Can&apos;t reach YouTube. Check the connection.</source>
        <translation>Не вдається зʼєднатися з YouTube. Перевірте зʼєднання.</translation>
    </message>
    <message>
        <source>The download folder&apos;s disk is full.</source>
        <translation>Диск із текою завантажень заповнений.</translation>
    </message>
    <message>
        <source>This quality isn&apos;t available for this video. Pick another.</source>
        <translation>Ця якість недоступна для цього відео. Виберіть іншу.</translation>
    </message>
    <message>
        <source>YouTube is still limiting requests from this connection. Try again later.</source>
        <translation>YouTube досі обмежує запити з цього зʼєднання. Спробуйте пізніше.</translation>
    </message>
    <message>
        <source>(version unknown)</source>
        <translation>(версія невідома)</translation>
    </message>
    <message>
        <source>Choose Browser…</source>
        <translation>Вибрати браузер…</translation>
    </message>
    <message>
        <source>Resume Now</source>
        <translation>Відновити зараз</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Оновити зараз</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Відкрити теку</translation>
    </message>
    <message>
        <source>Download videos and audio with yt-dlp.</source>
        <translation>Завантаження відео та аудіо за допомогою yt-dlp.</translation>
    </message>
    <message>
        <source>Links to look up (also reelcatch://…).</source>
        <translation>Посилання для пошуку (також reelcatch://…).</translation>
    </message>
</context>
<context>
    <name>reelcatch::AboutDialog</name>
    <message>
        <source>About Reelcatch</source>
        <translation>Про Reelcatch</translation>
    </message>
    <message>
        <source>Reelcatch %1</source>
        <translation>Reelcatch %1</translation>
    </message>
    <message>
        <source>Downloads videos from YouTube with yt-dlp.</source>
        <translation>Завантажує відео з YouTube за допомогою yt-dlp.</translation>
    </message>
    <message>
        <source>yt-dlp</source>
        <translation>yt-dlp</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>не встановлено</translation>
    </message>
    <message>
        <source>deno</source>
        <translation>deno</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>встановлено</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>відсутній</translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <translation>ffmpeg</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Ліцензія</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Файл налаштувань</translation>
    </message>
    <message>
        <source>Tools folder</source>
        <translation>Тека інструментів</translation>
    </message>
    <message>
        <source>Download list folder</source>
        <translation>Тека списку завантажень</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>Кеш мініатюр</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or any later version (GPL-3.0-or-later). Reelcatch comes with no warranty. yt-dlp, deno and ffmpeg are not part of Reelcatch and come under their own licences.</source>
        <translation>GNU General Public License версії 3 або будь-якої пізнішої версії (GPL-3.0-or-later). Reelcatch надається без жодних гарантій. yt-dlp, deno і ffmpeg не є частиною Reelcatch і розповсюджуються за власними ліцензіями.</translation>
    </message>
</context>
<context>
    <name>reelcatch::AppShell</name>
    <message>
        <source>Show Reelcatch</source>
        <translation>Показати Reelcatch</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вийти</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) are running or waiting. They will continue the next time you open Reelcatch.</source>
        <translation>
            <numerusform>%n завантаження триває або очікує і продовжиться, коли ви знову відкриєте Reelcatch.</numerusform>
            <numerusform>%n завантаження тривають або очікують і продовжаться, коли ви знову відкриєте Reelcatch.</numerusform>
            <numerusform>%n завантажень тривають або очікують і продовжаться, коли ви знову відкриєте Reelcatch.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Reelcatch?</source>
        <translation>Вийти з Reelcatch?</translation>
    </message>
</context>
<context>
    <name>reelcatch::BatchNotifier</name>
    <message>
        <source>Open Reelcatch</source>
        <translation>Відкрити Reelcatch</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Показати в теці</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Збережено в %1</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) finished</source>
        <translation>
            <numerusform>Завершено %n завантаження</numerusform>
            <numerusform>Завершено %n завантаження</numerusform>
            <numerusform>Завершено %n завантажень</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) failed</source>
        <translation>
            <numerusform>Не вдалося %n завантаження</numerusform>
            <numerusform>Не вдалися %n завантаження</numerusform>
            <numerusform>Не вдалося %n завантажень</numerusform>
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
            <numerusform>%n з помилкою</numerusform>
            <numerusform>%n з помилкою</numerusform>
            <numerusform>%n з помилкою</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ClipDialog</name>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Download a Clip</source>
        <translation>Завантаження фрагмента</translation>
    </message>
    <message>
        <source>The video is %1 long.</source>
        <translation>Тривалість відео: %1.</translation>
    </message>
    <message>
        <source>The video’s length is unknown: any end after the start is taken.</source>
        <translation>Тривалість відео невідома: підійде будь-який кінець після початку.</translation>
    </message>
    <message>
        <source>h:mm:ss, m:ss or seconds; a pasted link’s time (t=) is taken too</source>
        <translation>г:хх:сс, х:сс або секунди; враховується й час (t=) зі вставленого посилання</translation>
    </message>
    <message>
        <source>h:mm:ss</source>
        <translation>г:хх:сс</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Початок</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Кінець</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Початок:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Кінець:</translation>
    </message>
    <message>
        <source>Type the start as h:mm:ss, m:ss or seconds.</source>
        <translation>Введіть початок у форматі г:хх:сс, х:сс або в секундах.</translation>
    </message>
    <message>
        <source>Type the end as h:mm:ss, m:ss or seconds.</source>
        <translation>Введіть кінець у форматі г:хх:сс, х:сс або в секундах.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Кінець має бути пізніше за початок.</translation>
    </message>
    <message>
        <source>The end must be within the video, which is %1 long.</source>
        <translation>Кінець має бути в межах відео (тривалість: %1).</translation>
    </message>
    <message>
        <source>The clip will be %1 long.</source>
        <translation>Тривалість фрагмента: %1.</translation>
    </message>
</context>
<context>
    <name>reelcatch::CookieSources</name>
    <message>
        <source>The cookies file “%1” is gone; cookies are off.</source>
        <translation>Файл cookie «%1» більше не існує; cookie вимкнено.</translation>
    </message>
    <message>
        <source>%1 is no longer installed; cookies are off.</source>
        <translation>Браузер %1 більше не встановлено; cookie вимкнено.</translation>
    </message>
</context>
<context>
    <name>reelcatch::DesktopCues</name>
    <message numerus="yes">
        <source>Reelcatch · %n download(s) left</source>
        <translation>
            <numerusform>Reelcatch · залишилося %n завантаження</numerusform>
            <numerusform>Reelcatch · залишилося %n завантаження</numerusform>
            <numerusform>Reelcatch · залишилося %n завантажень</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::Download</name>
    <message>
        <source>Waiting…</source>
        <translation>Очікування…</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadQueue</name>
    <message>
        <source>Waiting…</source>
        <translation>Очікування…</translation>
    </message>
    <message>
        <source>Getting ffmpeg ready (one-time, ~56 MB)…</source>
        <translation>Підготовка ffmpeg (одноразово, ~56 МБ)…</translation>
    </message>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>Рушій завантаження ще не встановлено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”.</source>
        <translation>Не вдалося створити теку «%1».</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Запуск…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Збережено в %1</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp завершив роботу з кодом %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Скасовано</translation>
    </message>
    <message>
        <source>Cutting a clip needs ffmpeg, which isn&apos;t ready.</source>
        <translation>Для вирізання фрагмента потрібен ffmpeg, але він ще не готовий.</translation>
    </message>
    <message>
        <source>Checking the clip’s length…</source>
        <translation>Перевірка тривалості фрагмента…</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунди</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>The clip is %1 long instead of %2.</source>
        <translation>Тривалість фрагмента: %1 (очікувалося: %2).</translation>
    </message>
    <message>
        <source>%1 (its length couldn’t be checked)</source>
        <translation>%1 (не вдалося перевірити тривалість)</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsList</name>
    <message>
        <source>Downloads</source>
        <translation>Завантаження</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Копіювати посилання</translation>
    </message>
    <message>
        <source>Copy Error</source>
        <translation>Копіювати помилку</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Показати журнал</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Вилучити зі списку</translation>
    </message>
    <message>
        <source>Log of “%1”</source>
        <translation>Журнал: «%1»</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsModel</name>
    <message numerus="yes">
        <source>Starts in %n second(s)</source>
        <translation>
            <numerusform>Почнеться через %n секунду</numerusform>
            <numerusform>Почнеться через %n секунди</numerusform>
            <numerusform>Почнеться через %n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Показати в теці</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Вилучити</translation>
    </message>
    <message>
        <source>Paused: YouTube is limiting requests. Resuming at %1…</source>
        <translation>Призупинено: YouTube обмежує запити. Відновлення о %1…</translation>
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
        <translation>Завантаження</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Відкрити теку</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Очистити завершені</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>Тут поки нічого немає.</translation>
    </message>
    <message numerus="yes">
        <source>%n downloading</source>
        <translation>
            <numerusform>%n завантажується</numerusform>
            <numerusform>%n завантажуються</numerusform>
            <numerusform>%n завантажуються</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queued</source>
        <translation>
            <numerusform>%n у черзі</numerusform>
            <numerusform>%n у черзі</numerusform>
            <numerusform>%n у черзі</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineBanner</name>
    <message>
        <source>Try Again</source>
        <translation>Спробувати ще раз</translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineReadiness</name>
    <message>
        <source>Setting up the download engine (one-time, ~80 MB)…</source>
        <translation>Встановлення рушія завантаження (одноразово, ~80 МБ)…</translation>
    </message>
    <message>
        <source>Updating the download engine…</source>
        <translation>Оновлення рушія завантаження…</translation>
    </message>
    <message>
        <source>Couldn&apos;t install yt-dlp: %1</source>
        <translation>Не вдалося встановити yt-dlp: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the download engine: %1</source>
        <translation>Не вдалося оновити рушій завантаження: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t download ffmpeg (%1). Downloads are limited to lower quality for now.</source>
        <translation>Не вдалося завантажити ffmpeg (%1). Поки що завантаження обмежено нижчою якістю.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FileNaming</name>
    <message>
        <source>“%1” is missing its closing parenthesis.</source>
        <translation>У «%1» бракує закривальної дужки.</translation>
    </message>
    <message>
        <source>“%(%1)” needs a letter after it: s for text, d for a number.</source>
        <translation>Після «%(%1)» потрібна літера: s для тексту, d для числа.</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Плейлист</translation>
    </message>
    <message>
        <source>Title [id]</source>
        <translation>Назва [id]</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Channel – Title</source>
        <translation>Канал – Назва</translation>
    </message>
    <message>
        <source>Upload date – Title</source>
        <translation>Дата публікації – Назва</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Власний шаблон…</translation>
    </message>
    <message>
        <source>Type a name for the files.</source>
        <translation>Введіть назву для файлів.</translation>
    </message>
    <message>
        <source>A name cannot hold line breaks or tabs.</source>
        <translation>Назва не може містити розриви рядків чи табуляції.</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot begin with “/” or “~”.</source>
        <translation>Файли залишаються в теці завантажень: назва не може починатися з «/» або «~».</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot step out of it with “..”.</source>
        <translation>Файли залишаються в теці завантажень: назва не може виходити з неї через «..».</translation>
    </message>
    <message>
        <source>The name ends with a folder: add the file&apos;s own name after the last “/”.</source>
        <translation>Назва закінчується текою: додайте назву самого файлу після останнього «/».</translation>
    </message>
    <message>
        <source>“%(%1)” names no field.</source>
        <translation>У «%(%1)» не вказано назву поля.</translation>
    </message>
    <message>
        <source>yt-dlp knows no field named “%1”.</source>
        <translation>yt-dlp не знає поля «%1».</translation>
    </message>
    <message>
        <source>Every video would get this same name: add a field such as %(title)s.</source>
        <translation>Усі відео отримають однакову назву: додайте поле, наприклад %(title)s.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FolderChooser</name>
    <message>
        <source>Use Folder</source>
        <translation>Вибрати теку</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatDialog</name>
    <message>
        <source>about %1</source>
        <translation>близько %1</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 кбіт/с</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Відео</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудіо</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Спробувати ще раз</translation>
    </message>
    <message>
        <source>Choose Format</source>
        <translation>Вибір формату</translation>
    </message>
    <message>
        <source>Asking yt-dlp which formats this video has…</source>
        <translation>Запит у yt-dlp переліку форматів цього відео…</translation>
    </message>
    <message>
        <source>&amp;Video</source>
        <translation>&amp;Відео</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Аудіо</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>No video — audio only</source>
        <translation>Без відео — лише аудіо</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>Its own sound</source>
        <translation>Власний звук</translation>
    </message>
    <message>
        <source>This video format has its own sound.</source>
        <translation>Цей формат відео містить власний звук.</translation>
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
        <translation>Відео</translation>
    </message>
    <message>
        <source>%1 with sound</source>
        <translation>%1 зі звуком</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудіо</translation>
    </message>
    <message>
        <source>%1 (original)</source>
        <translation>%1 (оригінал)</translation>
    </message>
    <message>
        <source>%1 (dubbed)</source>
        <translation>%1 (дубляж)</translation>
    </message>
    <message>
        <source>%1 (automatic dub)</source>
        <translation>%1 (автоматичний дубляж)</translation>
    </message>
    <message>
        <source>%1 (audio description)</source>
        <translation>%1 (аудіоопис)</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatQuery</name>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>Рушій завантаження ще не встановлено.</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp завершив роботу з кодом %1</translation>
    </message>
    <message>
        <source>yt-dlp listed no formats for this video.</source>
        <translation>yt-dlp не знайшов форматів для цього відео.</translation>
    </message>
</context>
<context>
    <name>reelcatch::HeaderBar</name>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Paste a YouTube link, playlist or channel, or type to search</source>
        <translation>Вставте посилання на відео, плейлист або канал YouTube чи введіть запит</translation>
    </message>
    <message>
        <source>Link or search words</source>
        <translation>Посилання або пошуковий запит</translation>
    </message>
    <message>
        <source>Fetch</source>
        <translation>Знайти</translation>
    </message>
    <message>
        <source>Quality / format for new downloads</source>
        <translation>Якість / формат для нових завантажень</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Save to: %1</source>
        <translation>Зберігати в: %1</translation>
    </message>
    <message>
        <source>Link field</source>
        <translation>Поле посилання</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryList</name>
    <message>
        <source>History</source>
        <translation>Історія</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryModel</name>
    <message>
        <source>File moved or deleted</source>
        <translation>Файл переміщено або видалено</translation>
    </message>
    <message>
        <source>Finished %1</source>
        <translation>Завершено %1</translation>
    </message>
    <message>
        <source>File on disk</source>
        <translation>Файл на диску</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Історія</translation>
    </message>
    <message>
        <source>Search titles and channels</source>
        <translation>Пошук за назвами й каналами</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Пошук в історії</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Експорт…</translation>
    </message>
    <message>
        <source>Saves the videos listed as a CSV file</source>
        <translation>Зберігає показані відео у файл CSV</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Показати в теці</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Завантажити знову</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Копіювати посилання</translation>
    </message>
    <message>
        <source>Remove from History</source>
        <translation>Вилучити з історії</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Експортовано до %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t export to %1</source>
        <translation>Не вдалося експортувати до %1</translation>
    </message>
    <message>
        <source>Reelcatch History</source>
        <translation>Історія Reelcatch</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експортувати</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Експортування…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n відео</numerusform>
            <numerusform>%n відео</numerusform>
            <numerusform>%n відео</numerusform>
        </translation>
    </message>
    <message>
        <source>No videos downloaded yet.</source>
        <translation>Ще не завантажено жодного відео.</translation>
    </message>
    <message>
        <source>No video matches the search.</source>
        <translation>Немає відео, що відповідають запиту.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Installer</name>
    <message>
        <source>Couldn&apos;t create the folder %1: %2</source>
        <translation>Не вдалося створити теку %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2</source>
        <translation>Не вдалося записати %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the download site: %1</source>
        <translation>Не вдалося зʼєднатися із сайтом завантаження: %1</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t match its published checksum.</source>
        <translation>Завантажений %1 не збігається з опублікованою контрольною сумою.</translation>
    </message>
    <message>
        <source>The downloaded %1 is larger than expected.</source>
        <translation>Завантажений %1 більший, ніж очікувалося.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Скасовано</translation>
    </message>
    <message>
        <source>Download failed (HTTP %1): %2</source>
        <translation>Помилка завантаження (HTTP %1): %2</translation>
    </message>
    <message>
        <source>Download failed (HTTP 0): %1</source>
        <translation>Помилка завантаження (HTTP 0): %1</translation>
    </message>
    <message>
        <source>Download incomplete (%1 of %2 bytes): %3</source>
        <translation>Завантаження неповне (%1 з %2 байтів): %3</translation>
    </message>
    <message>
        <source>Download stalled (nothing received for %1 s): %2</source>
        <translation>Завантаження зависло (немає даних %1 с): %2</translation>
    </message>
    <message>
        <source>Download too slow (under %1 bytes/s for %2 s): %3</source>
        <translation>Завантаження надто повільне (менше %1 байт/с протягом %2 с): %3</translation>
    </message>
    <message>
        <source>Can&apos;t check the downloaded %1: gpgv is missing (install the package gpgv).</source>
        <translation>Не вдається перевірити завантажений %1: відсутній gpgv (встановіть пакунок gpgv).</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the signing key %1</source>
        <translation>Не вдалося прочитати ключ підпису %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t unpack %1: %2</source>
        <translation>Не вдалося розпакувати %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t make %1 executable: %2</source>
        <translation>Не вдалося зробити %1 виконуваним: %2</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t run.</source>
        <translation>Завантажений %1 не запускається.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install %1: %2</source>
        <translation>Не вдалося встановити %1: %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::Library</name>
    <message>
        <source>File moved or deleted</source>
        <translation>Файл переміщено або видалено</translation>
    </message>
    <message>
        <source>Your download list couldn&apos;t be read and was started afresh.</source>
        <translation>Не вдалося прочитати список завантажень, тому створено новий.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заповнений</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>диск повідомив про помилку</translation>
    </message>
    <message>
        <source>its folder can&apos;t be written to</source>
        <translation>його тека недоступна для запису</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>його використовує інша програма</translation>
    </message>
    <message>
        <source>its file can&apos;t be opened</source>
        <translation>його файл не відкривається</translation>
    </message>
    <message>
        <source>This download list was saved by a newer Reelcatch. It is kept unchanged and not used.</source>
        <translation>Цей список завантажень збережено новішою версією Reelcatch. Він залишається без змін і не використовується.</translation>
    </message>
    <message>
        <source>Reelcatch is already open elsewhere with this download list; this window&apos;s list won&apos;t be kept.</source>
        <translation>Reelcatch уже відкрито деінде з цим списком завантажень; список цього вікна не буде збережено.</translation>
    </message>
    <message>
        <source>Your download list can&apos;t be saved right now: %1.</source>
        <translation>Зараз не вдається зберегти список завантажень: %1.</translation>
    </message>
</context>
<context>
    <name>reelcatch::LinkHeading</name>
    <message>
        <source>Select All</source>
        <translation>Вибрати всі</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Зняти вибір</translation>
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
        <translation>Задовго для посилання або пошукового запиту.</translation>
    </message>
    <message>
        <source>The download engine is still being set up. Try again in a moment.</source>
        <translation>Рушій завантаження ще встановлюється. Спробуйте ще раз за хвилину.</translation>
    </message>
    <message>
        <source>yt-dlp couldn&apos;t be installed. %1 Try Again from the banner.</source>
        <translation>Не вдалося встановити yt-dlp. %1 Натисніть «Спробувати ще раз» на панелі вгорі.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load that link.</source>
        <translation>Не вдалося відкрити це посилання.</translation>
    </message>
    <message>
        <source>Search: %1</source>
        <translation>Пошук: %1</translation>
    </message>
    <message>
        <source>Nothing downloadable found there.</source>
        <translation>Там не знайдено нічого для завантаження.</translation>
    </message>
    <message>
        <source>yt-dlp stopped answering.</source>
        <translation>yt-dlp перестав відповідати.</translation>
    </message>
    <message>
        <source>Only the first video could be listed.</source>
        <translation>До списку потрапило лише перше відео.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n videos could be listed.</source>
        <translation>
            <numerusform>До списку потрапили лише перші %n відео.</numerusform>
            <numerusform>До списку потрапили лише перші %n відео.</numerusform>
            <numerusform>До списку потрапили лише перші %n відео.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s)</source>
        <translation>
            <numerusform>%n посилання</numerusform>
            <numerusform>%n посилання</numerusform>
            <numerusform>%n посилань</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t open that file. %1</source>
        <translation>Не вдалося відкрити цей файл. %1</translation>
    </message>
    <message>
        <source>That file is too big to be a list of links.</source>
        <translation>Цей файл завеликий для списку посилань.</translation>
    </message>
    <message>
        <source>No links found in that file.</source>
        <translation>У цьому файлі не знайдено посилань.</translation>
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
        <translation>Налаштування…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Results and downloads</source>
        <translation>Результати та завантаження</translation>
    </message>
    <message>
        <source>Divider between results and downloads</source>
        <translation>Розділювач між результатами та завантаженнями</translation>
    </message>
    <message>
        <source>Download Ticked</source>
        <translation>Завантажити позначені</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Клавіатурні скорочення</translation>
    </message>
    <message>
        <source>About Reelcatch</source>
        <translation>Про Reelcatch</translation>
    </message>
    <message>
        <source>Open List of Links…</source>
        <translation>Відкрити список посилань…</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Вікно</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Історія</translation>
    </message>
    <message>
        <source>Open List of Links</source>
        <translation>Відкрити список посилань</translation>
    </message>
    <message>
        <source>Text files (*.txt *.list)</source>
        <translation>Текстові файли (*.txt *.list)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
</context>
<context>
    <name>reelcatch::Network</name>
    <message>
        <source>A proxy address begins with http://, https:// or socks5://, as in socks5://127.0.0.1:1080.</source>
        <translation>Адреса проксі починається з http://, https:// або socks5://, наприклад socks5://127.0.0.1:1080.</translation>
    </message>
    <message>
        <source>The proxy address needs a host after “//”.</source>
        <translation>В адресі проксі після «//» потрібен хост.</translation>
    </message>
    <message>
        <source>A proxy address ends with its host and port, with nothing after them.</source>
        <translation>Після хоста й порту в адресі проксі нічого не має бути.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Preset</name>
    <message>
        <source>Best available</source>
        <translation>Найвища якість</translation>
    </message>
    <message>
        <source>Audio only (MP3)</source>
        <translation>Аудіо (MP3)</translation>
    </message>
    <message>
        <source>Audio only (M4A)</source>
        <translation>Аудіо (M4A)</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Найвища</translation>
    </message>
</context>
<context>
    <name>reelcatch::ProgressProtocol</name>
    <message>
        <source>Audio</source>
        <translation>Аудіо</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Відео</translation>
    </message>
    <message>
        <source>Converting audio…</source>
        <translation>Перетворення аудіо…</translation>
    </message>
    <message>
        <source>Finishing up…</source>
        <translation>Завершення…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 з %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>залишилося %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultDelegate</name>
    <message>
        <source>Download just this one</source>
        <translation>Завантажити лише це відео</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Завантажено</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsList</name>
    <message>
        <source>Choose Format…</source>
        <translation>Вибрати формат…</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результати</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Open on YouTube</source>
        <translation>Відкрити на YouTube</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Копіювати посилання</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Позначити</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>Зняти позначку</translation>
    </message>
    <message>
        <source>Download a Clip…</source>
        <translation>Завантажити фрагмент…</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsModel</name>
    <message>
        <source>Downloaded</source>
        <translation>Завантажено</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Наживо</translation>
    </message>
    <message>
        <source>Upcoming</source>
        <translation>Заплановано</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Очікує</translation>
    </message>
    <message>
        <source>Looking it up…</source>
        <translation>Пошук…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>поки що %n відео</numerusform>
            <numerusform>поки що %n відео</numerusform>
            <numerusform>поки що %n відео</numerusform>
        </translation>
    </message>
    <message>
        <source>Not looked up</source>
        <translation>Пошук не виконано</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n відео, отримання списку зупинено</numerusform>
            <numerusform>%n відео, отримання списку зупинено</numerusform>
            <numerusform>%n відео, отримання списку зупинено</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n відео</numerusform>
            <numerusform>%n відео</numerusform>
            <numerusform>%n відео</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsPane</name>
    <message>
        <source>Looking it up…</source>
        <translation>Пошук…</translation>
    </message>
    <message>
        <source>Paste a link to get started</source>
        <translation>Вставте посилання, щоб почати</translation>
    </message>
    <message>
        <source>Copy a YouTube link anywhere and switch back here, it loads automatically.
You can also drag a link onto this window, or type words to search YouTube.</source>
        <translation>Скопіюйте посилання YouTube будь-де й поверніться сюди — воно відкриється автоматично.
Також можна перетягнути посилання в це вікно або ввести слова для пошуку на YouTube.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Вибрати всі</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n відео</numerusform>
            <numerusform>%n відео</numerusform>
            <numerusform>%n відео</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>вибрано: %n</numerusform>
            <numerusform>вибрано: %n</numerusform>
            <numerusform>вибрано: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Зняти вибір</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Завантажити (%1)</translation>
    </message>
    <message>
        <source>Select New</source>
        <translation>Вибрати нові</translation>
    </message>
    <message>
        <source>Tick only the videos not downloaded before</source>
        <translation>Позначити лише ще не завантажені відео</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>поки що %n відео</numerusform>
            <numerusform>поки що %n відео</numerusform>
            <numerusform>поки що %n відео</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n відео, отримання списку зупинено</numerusform>
            <numerusform>%n відео, отримання списку зупинено</numerusform>
            <numerusform>%n відео, отримання списку зупинено</numerusform>
        </translation>
    </message>
    <message>
        <source>Download the ticked videos (%1)</source>
        <translation>Завантажити позначені відео (%1)</translation>
    </message>
    <message>
        <source>Choose Format…</source>
        <translation>Вибрати формат…</translation>
    </message>
    <message>
        <source>Pick the video and audio formats of this video</source>
        <translation>Вибрати формати відео й аудіо для цього відео</translation>
    </message>
</context>
<context>
    <name>reelcatch::SettingsWindow</name>
    <message>
        <source>Prefer H.264 so files play in any player and on any device</source>
        <translation>Надавати перевагу H.264, щоб файли відтворювалися в будь-якому програвачі та на будь-якому пристрої</translation>
    </message>
    <message>
        <source>Above 1080p YouTube only offers VP9/AV1. Those play in VLC, mpv and current browsers, but not on every older device.</source>
        <translation>Понад 1080p YouTube пропонує лише VP9/AV1. Їх відтворюють VLC, mpv і сучасні браузери, але не всі старіші пристрої.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Збереження</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Змінити…</translation>
    </message>
    <message>
        <source>Download folder</source>
        <translation>Тека завантажень</translation>
    </message>
    <message>
        <source> s</source>
        <translation> с</translation>
    </message>
    <message>
        <source>Pause between downloads, in seconds</source>
        <translation>Пауза між завантаженнями, у секундах</translation>
    </message>
    <message>
        <source>Pause between downloads</source>
        <translation>Пауза між завантаженнями</translation>
    </message>
    <message>
        <source>Load YouTube links from the clipboard automatically</source>
        <translation>Автоматично відкривати посилання YouTube з буфера обміну</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Відео</translation>
    </message>
    <message>
        <source>Embed subtitles</source>
        <translation>Вбудовувати субтитри</translation>
    </message>
    <message>
        <source>Subtitle languages</source>
        <translation>Мови субтитрів</translation>
    </message>
    <message>
        <source>Save subtitles as files (SRT)</source>
        <translation>Зберігати субтитри у файли (SRT)</translation>
    </message>
    <message>
        <source>Include automatic captions</source>
        <translation>Додавати автоматичні субтитри</translation>
    </message>
    <message>
        <source>Audio language</source>
        <translation>Мова аудіо</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Оригінальна</translation>
    </message>
    <message>
        <source>SponsorBlock</source>
        <translation>SponsorBlock</translation>
    </message>
    <message>
        <source>What to do with sponsor and other segments viewers have marked</source>
        <translation>Що робити з рекламними та іншими фрагментами, позначеними глядачами</translation>
    </message>
    <message>
        <source>Mark as chapters</source>
        <translation>Позначати як розділи</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Вирізати</translation>
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
        <translation>Нагадування про взаємодію</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Заставка</translation>
    </message>
    <message>
        <source>Outro</source>
        <translation>Кінцівка</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Анонс</translation>
    </message>
    <message>
        <source>Non-music section</source>
        <translation>Фрагмент без музики</translation>
    </message>
    <message>
        <source>Filler</source>
        <translation>Відступ</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Теги</translation>
    </message>
    <message>
        <source>Embed title, channel and date</source>
        <translation>Вбудовувати назву, канал і дату</translation>
    </message>
    <message>
        <source>Embed thumbnail as cover art</source>
        <translation>Вбудовувати мініатюру як обкладинку</translation>
    </message>
    <message>
        <source>YouTube account</source>
        <translation>Обліковий запис YouTube</translation>
    </message>
    <message>
        <source>Use cookies from</source>
        <translation>Брати cookie з</translation>
    </message>
    <message>
        <source>The browser or file whose sign-in YouTube sees</source>
        <translation>Браузер або файл, чий вхід в обліковий запис бачить YouTube</translation>
    </message>
    <message>
        <source>Cookies let YouTube see you as signed in. Close YouTube in that browser while downloading if it locks its cookies. YouTube may limit accounts that download a lot.</source>
        <translation>Завдяки cookie YouTube бачить, що ви ввійшли в обліковий запис. Якщо браузер блокує свої cookie, закрийте в ньому YouTube на час завантаження. YouTube може обмежувати облікові записи, які багато завантажують.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Рушій</translation>
    </message>
    <message>
        <source>JS runtime (deno)</source>
        <translation>Середовище JS (deno)</translation>
    </message>
    <message>
        <source>YouTube changes often. If downloads start failing, update the engine.</source>
        <translation>YouTube часто змінюється. Якщо завантаження почнуть завершуватися помилкою, оновіть рушій.</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Оновити зараз</translation>
    </message>
    <message>
        <source>A cookies file…</source>
        <translation>Файл cookie…</translation>
    </message>
    <message>
        <source>Use File</source>
        <translation>Вибрати файл</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>не встановлено</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>встановлено</translation>
    </message>
    <message>
        <source>installs with your first download</source>
        <translation>встановиться під час першого завантаження</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>відсутній</translation>
    </message>
    <message>
        <source>Parallel downloads</source>
        <translation>Одночасні завантаження</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no pause between downloads</comment>
        <translation>Вимк.</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>SponsorBlock</comment>
        <translation>Вимкнено</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no subtitle languages</comment>
        <translation>Немає</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no cookies</comment>
        <translation>Немає</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Назви файлів</translation>
    </message>
    <message>
        <source>How downloaded files are named</source>
        <translation>Як називати завантажені файли</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>Шаблон назви</translation>
    </message>
    <message>
        <source>Put each playlist in a folder of its own, numbered</source>
        <translation>Зберігати кожен плейлист в окрему теку з нумерацією</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Мережа</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Проксі</translation>
    </message>
    <message>
        <source>None, or socks5://host:port</source>
        <translation>Немає або socks5://host:port</translation>
    </message>
    <message>
        <source> MB/s</source>
        <translation> МБ/с</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Без обмежень</translation>
    </message>
    <message>
        <source>Limit each download to, in MB/s</source>
        <translation>Обмежити кожне завантаження до, у МБ/с</translation>
    </message>
    <message>
        <source>Limit each download to</source>
        <translation>Обмежити кожне завантаження до</translation>
    </message>
    <message>
        <source>Lookups and downloads go through the proxy; the limit holds for each download on its own.</source>
        <translation>Пошук і завантаження йдуть через проксі; обмеження діє для кожного завантаження окремо.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Наприклад: %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Клавіатурні скорочення</translation>
    </message>
    <message>
        <source>Look up the link or search words</source>
        <translation>Знайти за посиланням або запитом</translation>
    </message>
    <message>
        <source>Stop the lookup</source>
        <translation>Зупинити пошук</translation>
    </message>
    <message>
        <source>Tick or untick the current result</source>
        <translation>Позначити поточний результат або зняти позначку</translation>
    </message>
    <message>
        <source>Download the ticked videos</source>
        <translation>Завантажити позначені відео</translation>
    </message>
    <message>
        <source>Open the file of the current finished download</source>
        <translation>Відкрити файл поточного завершеного завантаження</translation>
    </message>
    <message>
        <source>Remove the current finished download from the list</source>
        <translation>Вилучити поточне завершене завантаження зі списку</translation>
    </message>
    <message>
        <source>Show what the current row offers</source>
        <translation>Показати дії для поточного рядка</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Close Settings or this window</source>
        <translation>Закрити налаштування або це вікно</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Клавіатурні скорочення</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавіші</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Дія</translation>
    </message>
    <message>
        <source>Look up the links in a text file</source>
        <translation>Відкрити посилання з текстового файлу</translation>
    </message>
    <message>
        <source>Show the history of finished videos</source>
        <translation>Показати історію завантажених відео</translation>
    </message>
    <message>
        <source>History: show the selected video&apos;s file in its folder</source>
        <translation>Історія: показати файл вибраного відео в теці</translation>
    </message>
    <message>
        <source>History: download the selected video again</source>
        <translation>Історія: завантажити вибране відео знову</translation>
    </message>
    <message>
        <source>History: export the videos listed as CSV</source>
        <translation>Історія: експортувати показані відео в CSV</translation>
    </message>
</context>
</TS>
