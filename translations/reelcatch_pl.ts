<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>YouTube chce, aby przeglądarka z zalogowanym kontem potwierdziła, że nie jesteś botem.</translation>
    </message>
    <message>
        <source>This video is age-restricted. Sign in with a browser to download it.</source>
        <translation>Ten film ma ograniczenie wiekowe. Zaloguj się w przeglądarce, aby go pobrać.</translation>
    </message>
    <message>
        <source>This video is private or for channel members only.</source>
        <translation>Ten film jest prywatny lub tylko dla członków kanału.</translation>
    </message>
    <message>
        <source>YouTube is limiting requests from this connection. Downloads resume by themselves.</source>
        <translation>YouTube ogranicza żądania z tego połączenia. Pobieranie zostanie wznowione samoczynnie.</translation>
    </message>
    <message>
        <source>This video is unavailable.</source>
        <translation>Ten film jest niedostępny.</translation>
    </message>
    <message>
        <source>The download engine needs an update.</source>
        <translation>Silnik pobierania wymaga aktualizacji.</translation>
    </message>
    <message>
        <source>Can&apos;t reach YouTube. Check the connection.</source>
        <translation>Nie można połączyć się z YouTube. Sprawdź połączenie.</translation>
    </message>
    <message>
        <source>The download folder&apos;s disk is full.</source>
        <translation>Dysk z katalogiem pobierania jest pełny.</translation>
    </message>
    <message>
        <source>This quality isn&apos;t available for this video. Pick another.</source>
        <translation>Ta jakość jest niedostępna dla tego filmu. Wybierz inną.</translation>
    </message>
    <message>
        <source>YouTube is still limiting requests from this connection. Try again later.</source>
        <translation>YouTube nadal ogranicza żądania z tego połączenia. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>(version unknown)</source>
        <translation>(wersja nieznana)</translation>
    </message>
    <message>
        <source>Choose Browser…</source>
        <translation>Wybierz przeglądarkę…</translation>
    </message>
    <message>
        <source>Resume Now</source>
        <translation>Wznów teraz</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Zaktualizuj teraz</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz katalog</translation>
    </message>
    <message>
        <source>Download videos and audio with yt-dlp.</source>
        <translation>Pobieranie filmów i audio za pomocą yt-dlp.</translation>
    </message>
    <message>
        <source>Links to look up (also reelcatch://…).</source>
        <translation>Linki do wyszukania (także reelcatch://…).</translation>
    </message>
</context>
<context>
    <name>reelcatch::AboutDialog</name>
    <message>
        <source>About Reelcatch</source>
        <translation>O programie Reelcatch</translation>
    </message>
    <message>
        <source>Reelcatch %1</source>
        <translation>Reelcatch %1</translation>
    </message>
    <message>
        <source>Downloads videos from YouTube with yt-dlp.</source>
        <translation>Pobiera filmy z YouTube za pomocą yt-dlp.</translation>
    </message>
    <message>
        <source>yt-dlp</source>
        <translation>yt-dlp</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>nie zainstalowano</translation>
    </message>
    <message>
        <source>deno</source>
        <translation>deno</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>zainstalowano</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <translation>ffmpeg</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencja</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Plik ustawień</translation>
    </message>
    <message>
        <source>Tools folder</source>
        <translation>Katalog narzędzi</translation>
    </message>
    <message>
        <source>Download list folder</source>
        <translation>Katalog listy pobierania</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>Pamięć podręczna miniatur</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or any later version (GPL-3.0-or-later). Reelcatch comes with no warranty. yt-dlp, deno and ffmpeg are not part of Reelcatch and come under their own licences.</source>
        <translation>GNU General Public License, wersja 3 lub dowolna późniejsza (GPL-3.0-or-later). Reelcatch jest dostarczany bez żadnej gwarancji. yt-dlp, deno i ffmpeg nie są częścią Reelcatch i podlegają własnym licencjom.</translation>
    </message>
</context>
<context>
    <name>reelcatch::AppShell</name>
    <message>
        <source>Show Reelcatch</source>
        <translation>Pokaż Reelcatch</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) are running or waiting. They will continue the next time you open Reelcatch.</source>
        <translation>
            <numerusform>%n pobieranie trwa lub czeka i zostanie wznowione przy następnym uruchomieniu Reelcatch.</numerusform>
            <numerusform>%n pobierania trwają lub czekają i zostaną wznowione przy następnym uruchomieniu Reelcatch.</numerusform>
            <numerusform>%n pobierań trwa lub czeka i zostanie wznowionych przy następnym uruchomieniu Reelcatch.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Reelcatch?</source>
        <translation>Zakończyć Reelcatch?</translation>
    </message>
</context>
<context>
    <name>reelcatch::BatchNotifier</name>
    <message>
        <source>Open Reelcatch</source>
        <translation>Otwórz Reelcatch</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Pokaż w katalogu</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Zapisano w %1</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) finished</source>
        <translation>
            <numerusform>Ukończono %n pobieranie</numerusform>
            <numerusform>Ukończono %n pobierania</numerusform>
            <numerusform>Ukończono %n pobierań</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) failed</source>
        <translation>
            <numerusform>Nie powiodło się %n pobieranie</numerusform>
            <numerusform>Nie powiodły się %n pobierania</numerusform>
            <numerusform>Nie powiodło się %n pobierań</numerusform>
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
            <numerusform>%n nieudane</numerusform>
            <numerusform>%n nieudane</numerusform>
            <numerusform>%n nieudanych</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ClipDialog</name>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>Download a Clip</source>
        <translation>Pobierz fragment</translation>
    </message>
    <message>
        <source>The video is %1 long.</source>
        <translation>Film trwa %1.</translation>
    </message>
    <message>
        <source>The video’s length is unknown: any end after the start is taken.</source>
        <translation>Długość filmu jest nieznana: przyjęty zostanie dowolny koniec po początku.</translation>
    </message>
    <message>
        <source>h:mm:ss, m:ss or seconds; a pasted link’s time (t=) is taken too</source>
        <translation>g:mm:ss, m:ss lub sekundy; przyjmowany jest też czas (t=) z wklejonego linku</translation>
    </message>
    <message>
        <source>h:mm:ss</source>
        <translation>g:mm:ss</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Początek:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Koniec:</translation>
    </message>
    <message>
        <source>Type the start as h:mm:ss, m:ss or seconds.</source>
        <translation>Podaj początek jako g:mm:ss, m:ss lub w sekundach.</translation>
    </message>
    <message>
        <source>Type the end as h:mm:ss, m:ss or seconds.</source>
        <translation>Podaj koniec jako g:mm:ss, m:ss lub w sekundach.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Koniec musi być później niż początek.</translation>
    </message>
    <message>
        <source>The end must be within the video, which is %1 long.</source>
        <translation>Koniec musi mieścić się w filmie, który trwa %1.</translation>
    </message>
    <message>
        <source>The clip will be %1 long.</source>
        <translation>Długość fragmentu: %1.</translation>
    </message>
</context>
<context>
    <name>reelcatch::CookieSources</name>
    <message>
        <source>The cookies file “%1” is gone; cookies are off.</source>
        <translation>Plik cookie „%1” już nie istnieje; pliki cookie są wyłączone.</translation>
    </message>
    <message>
        <source>%1 is no longer installed; cookies are off.</source>
        <translation>Przeglądarka %1 nie jest już zainstalowana; pliki cookie są wyłączone.</translation>
    </message>
</context>
<context>
    <name>reelcatch::DesktopCues</name>
    <message numerus="yes">
        <source>Reelcatch · %n download(s) left</source>
        <translation>
            <numerusform>Reelcatch · pozostało %n pobieranie</numerusform>
            <numerusform>Reelcatch · pozostały %n pobierania</numerusform>
            <numerusform>Reelcatch · pozostało %n pobierań</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::Download</name>
    <message>
        <source>Waiting…</source>
        <translation>Oczekiwanie…</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadQueue</name>
    <message>
        <source>Waiting…</source>
        <translation>Oczekiwanie…</translation>
    </message>
    <message>
        <source>Getting ffmpeg ready (one-time, ~56 MB)…</source>
        <translation>Przygotowywanie ffmpeg (jednorazowo, ~56 MB)…</translation>
    </message>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>Silnik pobierania nie jest jeszcze zainstalowany.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”.</source>
        <translation>Nie udało się utworzyć katalogu „%1”.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Uruchamianie…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Zapisano w %1</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp zakończył działanie z kodem %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Cutting a clip needs ffmpeg, which isn&apos;t ready.</source>
        <translation>Do wycięcia fragmentu potrzebny jest ffmpeg, który nie jest jeszcze gotowy.</translation>
    </message>
    <message>
        <source>Checking the clip’s length…</source>
        <translation>Sprawdzanie długości fragmentu…</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>The clip is %1 long instead of %2.</source>
        <translation>Długość fragmentu: %1 (oczekiwano: %2).</translation>
    </message>
    <message>
        <source>%1 (its length couldn’t be checked)</source>
        <translation>%1 (nie udało się sprawdzić długości)</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsList</name>
    <message>
        <source>Downloads</source>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Kopiuj link</translation>
    </message>
    <message>
        <source>Copy Error</source>
        <translation>Kopiuj błąd</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Pokaż dziennik</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Usuń z listy</translation>
    </message>
    <message>
        <source>Log of “%1”</source>
        <translation>Dziennik: „%1”</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsModel</name>
    <message numerus="yes">
        <source>Starts in %n second(s)</source>
        <translation>
            <numerusform>Start za %n sekundę</numerusform>
            <numerusform>Start za %n sekundy</numerusform>
            <numerusform>Start za %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Pokaż w katalogu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Paused: YouTube is limiting requests. Resuming at %1…</source>
        <translation>Wstrzymano: YouTube ogranicza żądania. Wznowienie o %1…</translation>
    </message>
    <message>
        <source>%1 · Clip %2</source>
        <translation>%1 · Fragment %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsPane</name>
    <message>
        <source>Downloads</source>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz katalog</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Wyczyść ukończone</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>Na razie nic tu nie ma.</translation>
    </message>
    <message numerus="yes">
        <source>%n downloading</source>
        <translation>
            <numerusform>%n w toku</numerusform>
            <numerusform>%n w toku</numerusform>
            <numerusform>%n w toku</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queued</source>
        <translation>
            <numerusform>%n w kolejce</numerusform>
            <numerusform>%n w kolejce</numerusform>
            <numerusform>%n w kolejce</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineBanner</name>
    <message>
        <source>Try Again</source>
        <translation>Spróbuj ponownie</translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineReadiness</name>
    <message>
        <source>Setting up the download engine (one-time, ~80 MB)…</source>
        <translation>Konfigurowanie silnika pobierania (jednorazowo, ~80 MB)…</translation>
    </message>
    <message>
        <source>Updating the download engine…</source>
        <translation>Aktualizowanie silnika pobierania…</translation>
    </message>
    <message>
        <source>Couldn&apos;t install yt-dlp: %1</source>
        <translation>Nie udało się zainstalować yt-dlp: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the download engine: %1</source>
        <translation>Nie udało się zaktualizować silnika pobierania: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t download ffmpeg (%1). Downloads are limited to lower quality for now.</source>
        <translation>Nie udało się pobrać ffmpeg (%1). Na razie pobieranie jest ograniczone do niższej jakości.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FileNaming</name>
    <message>
        <source>“%1” is missing its closing parenthesis.</source>
        <translation>W „%1” brakuje nawiasu zamykającego.</translation>
    </message>
    <message>
        <source>“%(%1)” needs a letter after it: s for text, d for a number.</source>
        <translation>Po „%(%1)” brakuje litery: s dla tekstu, d dla liczby.</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Playlista</translation>
    </message>
    <message>
        <source>Title [id]</source>
        <translation>Tytuł [id]</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Channel – Title</source>
        <translation>Kanał – Tytuł</translation>
    </message>
    <message>
        <source>Upload date – Title</source>
        <translation>Data przesłania – Tytuł</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Własny szablon…</translation>
    </message>
    <message>
        <source>Type a name for the files.</source>
        <translation>Wpisz nazwę plików.</translation>
    </message>
    <message>
        <source>A name cannot hold line breaks or tabs.</source>
        <translation>Nazwa nie może zawierać podziałów wiersza ani tabulatorów.</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot begin with “/” or “~”.</source>
        <translation>Pliki pozostają w katalogu pobierania: nazwa nie może zaczynać się od „/” ani „~”.</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot step out of it with “..”.</source>
        <translation>Pliki pozostają w katalogu pobierania: nazwa nie może wychodzić z niego przez „..”.</translation>
    </message>
    <message>
        <source>The name ends with a folder: add the file&apos;s own name after the last “/”.</source>
        <translation>Nazwa kończy się katalogiem: dodaj nazwę pliku po ostatnim „/”.</translation>
    </message>
    <message>
        <source>“%(%1)” names no field.</source>
        <translation>W „%(%1)” brakuje nazwy pola.</translation>
    </message>
    <message>
        <source>yt-dlp knows no field named “%1”.</source>
        <translation>yt-dlp nie zna pola o nazwie „%1”.</translation>
    </message>
    <message>
        <source>Every video would get this same name: add a field such as %(title)s.</source>
        <translation>Każdy film dostałby tę samą nazwę: dodaj pole, np. %(title)s.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FolderChooser</name>
    <message>
        <source>Use Folder</source>
        <translation>Użyj katalogu</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatDialog</name>
    <message>
        <source>about %1</source>
        <translation>ok. %1</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kb/s</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Wideo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Spróbuj ponownie</translation>
    </message>
    <message>
        <source>Choose Format</source>
        <translation>Wybierz format</translation>
    </message>
    <message>
        <source>Asking yt-dlp which formats this video has…</source>
        <translation>Sprawdzanie w yt-dlp, jakie formaty ma ten film…</translation>
    </message>
    <message>
        <source>&amp;Video</source>
        <translation>&amp;Wideo</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Audio</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>No video — audio only</source>
        <translation>Bez wideo — tylko audio</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>Its own sound</source>
        <translation>Własny dźwięk</translation>
    </message>
    <message>
        <source>This video format has its own sound.</source>
        <translation>Ten format wideo ma własny dźwięk.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatList</name>
    <message>
        <source>%1 wide</source>
        <translation>szer. %1</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Wideo</translation>
    </message>
    <message>
        <source>%1 with sound</source>
        <translation>%1 z dźwiękiem</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>%1 (original)</source>
        <translation>%1 (oryginał)</translation>
    </message>
    <message>
        <source>%1 (dubbed)</source>
        <translation>%1 (dubbing)</translation>
    </message>
    <message>
        <source>%1 (automatic dub)</source>
        <translation>%1 (dubbing automatyczny)</translation>
    </message>
    <message>
        <source>%1 (audio description)</source>
        <translation>%1 (audiodeskrypcja)</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatQuery</name>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>Silnik pobierania nie jest jeszcze zainstalowany.</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp zakończył działanie z kodem %1</translation>
    </message>
    <message>
        <source>yt-dlp listed no formats for this video.</source>
        <translation>yt-dlp nie podał żadnych formatów tego filmu.</translation>
    </message>
</context>
<context>
    <name>reelcatch::HeaderBar</name>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Paste a YouTube link, playlist or channel, or type to search</source>
        <translation>Wklej link YouTube do filmu, playlisty lub kanału albo wpisz szukane słowa</translation>
    </message>
    <message>
        <source>Link or search words</source>
        <translation>Link lub szukane słowa</translation>
    </message>
    <message>
        <source>Fetch</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Quality / format for new downloads</source>
        <translation>Jakość / format nowych pobrań</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Save to: %1</source>
        <translation>Zapisuj w: %1</translation>
    </message>
    <message>
        <source>Link field</source>
        <translation>Pole linku</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryList</name>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryModel</name>
    <message>
        <source>File moved or deleted</source>
        <translation>Plik przeniesiony lub usunięty</translation>
    </message>
    <message>
        <source>Finished %1</source>
        <translation>Ukończono %1</translation>
    </message>
    <message>
        <source>File on disk</source>
        <translation>Plik na dysku</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Search titles and channels</source>
        <translation>Szukaj w tytułach i kanałach</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Przeszukaj historię</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>Saves the videos listed as a CSV file</source>
        <translation>Zapisuje filmy z listy w pliku CSV</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Pokaż w katalogu</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Pobierz ponownie</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Kopiuj link</translation>
    </message>
    <message>
        <source>Remove from History</source>
        <translation>Usuń z historii</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Wyeksportowano do %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t export to %1</source>
        <translation>Nie udało się wyeksportować do %1</translation>
    </message>
    <message>
        <source>Reelcatch History</source>
        <translation>Historia Reelcatch</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Eksportowanie…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n film</numerusform>
            <numerusform>%n filmy</numerusform>
            <numerusform>%n filmów</numerusform>
        </translation>
    </message>
    <message>
        <source>No videos downloaded yet.</source>
        <translation>Nie pobrano jeszcze żadnych filmów.</translation>
    </message>
    <message>
        <source>No video matches the search.</source>
        <translation>Żaden film nie pasuje do wyszukiwania.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Installer</name>
    <message>
        <source>Couldn&apos;t create the folder %1: %2</source>
        <translation>Nie udało się utworzyć katalogu %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2</source>
        <translation>Nie udało się zapisać %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the download site: %1</source>
        <translation>Nie udało się połączyć ze stroną pobierania: %1</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t match its published checksum.</source>
        <translation>Pobrany %1 nie zgadza się z opublikowaną sumą kontrolną.</translation>
    </message>
    <message>
        <source>The downloaded %1 is larger than expected.</source>
        <translation>Pobrany %1 jest większy niż oczekiwano.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Download failed (HTTP %1): %2</source>
        <translation>Pobieranie nie powiodło się (HTTP %1): %2</translation>
    </message>
    <message>
        <source>Download failed (HTTP 0): %1</source>
        <translation>Pobieranie nie powiodło się (HTTP 0): %1</translation>
    </message>
    <message>
        <source>Download incomplete (%1 of %2 bytes): %3</source>
        <translation>Pobieranie niepełne (%1 z %2 bajtów): %3</translation>
    </message>
    <message>
        <source>Download stalled (nothing received for %1 s): %2</source>
        <translation>Pobieranie utknęło (brak danych od %1 s): %2</translation>
    </message>
    <message>
        <source>Download too slow (under %1 bytes/s for %2 s): %3</source>
        <translation>Pobieranie zbyt wolne (poniżej %1 B/s przez %2 s): %3</translation>
    </message>
    <message>
        <source>Can&apos;t check the downloaded %1: gpgv is missing (install the package gpgv).</source>
        <translation>Nie można sprawdzić pobranego %1: brak gpgv (zainstaluj pakiet gpgv).</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the signing key %1</source>
        <translation>Nie udało się odczytać klucza podpisu %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t unpack %1: %2</source>
        <translation>Nie udało się rozpakować %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t make %1 executable: %2</source>
        <translation>Nie udało się nadać %1 prawa do wykonywania: %2</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t run.</source>
        <translation>Pobrany %1 się nie uruchamia.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install %1: %2</source>
        <translation>Nie udało się zainstalować %1: %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::Library</name>
    <message>
        <source>File moved or deleted</source>
        <translation>Plik przeniesiony lub usunięty</translation>
    </message>
    <message>
        <source>Your download list couldn&apos;t be read and was started afresh.</source>
        <translation>Nie udało się odczytać listy pobierania, więc utworzono nową.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>dysk zgłosił błąd</translation>
    </message>
    <message>
        <source>its folder can&apos;t be written to</source>
        <translation>brak uprawnień do zapisu w jej katalogu</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>używa jej inny program</translation>
    </message>
    <message>
        <source>its file can&apos;t be opened</source>
        <translation>nie można otworzyć jej pliku</translation>
    </message>
    <message>
        <source>This download list was saved by a newer Reelcatch. It is kept unchanged and not used.</source>
        <translation>Ta lista pobierania została zapisana przez nowszą wersję Reelcatch. Pozostaje niezmieniona i nie jest używana.</translation>
    </message>
    <message>
        <source>Reelcatch is already open elsewhere with this download list; this window&apos;s list won&apos;t be kept.</source>
        <translation>Reelcatch jest już otwarty gdzie indziej z tą listą pobierania; lista z tego okna nie zostanie zachowana.</translation>
    </message>
    <message>
        <source>Your download list can&apos;t be saved right now: %1.</source>
        <translation>Nie można teraz zapisać listy pobierania: %1.</translation>
    </message>
</context>
<context>
    <name>reelcatch::LinkHeading</name>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystkie</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Odznacz wszystkie</translation>
    </message>
</context>
<context>
    <name>reelcatch::Listing</name>
    <message>
        <source>Playlist</source>
        <translation>Playlista</translation>
    </message>
</context>
<context>
    <name>reelcatch::Lookup</name>
    <message>
        <source>That&apos;s too long to be a link or a search.</source>
        <translation>To za długie jak na link lub wyszukiwanie.</translation>
    </message>
    <message>
        <source>The download engine is still being set up. Try again in a moment.</source>
        <translation>Silnik pobierania jest jeszcze konfigurowany. Spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>yt-dlp couldn&apos;t be installed. %1 Try Again from the banner.</source>
        <translation>Nie udało się zainstalować yt-dlp. %1 Kliknij „Spróbuj ponownie” na pasku powyżej.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load that link.</source>
        <translation>Nie udało się wczytać tego linku.</translation>
    </message>
    <message>
        <source>Search: %1</source>
        <translation>Wyszukiwanie: %1</translation>
    </message>
    <message>
        <source>Nothing downloadable found there.</source>
        <translation>Nie znaleziono tam nic do pobrania.</translation>
    </message>
    <message>
        <source>yt-dlp stopped answering.</source>
        <translation>yt-dlp przestał odpowiadać.</translation>
    </message>
    <message>
        <source>Only the first video could be listed.</source>
        <translation>Na liście znalazł się tylko pierwszy film.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n videos could be listed.</source>
        <translation>
            <numerusform>Na liście znalazł się tylko %n pierwszy film.</numerusform>
            <numerusform>Na liście znalazły się tylko pierwsze %n filmy.</numerusform>
            <numerusform>Na liście znalazło się tylko pierwszych %n filmów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s)</source>
        <translation>
            <numerusform>%n link</numerusform>
            <numerusform>%n linki</numerusform>
            <numerusform>%n linków</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t open that file. %1</source>
        <translation>Nie udało się otworzyć tego pliku. %1</translation>
    </message>
    <message>
        <source>That file is too big to be a list of links.</source>
        <translation>Ten plik jest za duży jak na listę linków.</translation>
    </message>
    <message>
        <source>No links found in that file.</source>
        <translation>W tym pliku nie znaleziono linków.</translation>
    </message>
</context>
<context>
    <name>reelcatch::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ustawienia…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Results and downloads</source>
        <translation>Wyniki i pobieranie</translation>
    </message>
    <message>
        <source>Divider between results and downloads</source>
        <translation>Rozdzielacz wyników i pobierania</translation>
    </message>
    <message>
        <source>Download Ticked</source>
        <translation>Pobierz zaznaczone</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message>
        <source>About Reelcatch</source>
        <translation>O programie Reelcatch</translation>
    </message>
    <message>
        <source>Open List of Links…</source>
        <translation>Otwórz listę linków…</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Okno</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Open List of Links</source>
        <translation>Otwórz listę linków</translation>
    </message>
    <message>
        <source>Text files (*.txt *.list)</source>
        <translation>Pliki tekstowe (*.txt *.list)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>reelcatch::Network</name>
    <message>
        <source>A proxy address begins with http://, https:// or socks5://, as in socks5://127.0.0.1:1080.</source>
        <translation>Adres proxy zaczyna się od http://, https:// lub socks5://, np. socks5://127.0.0.1:1080.</translation>
    </message>
    <message>
        <source>The proxy address needs a host after “//”.</source>
        <translation>W adresie proxy po „//” musi być nazwa hosta.</translation>
    </message>
    <message>
        <source>A proxy address ends with its host and port, with nothing after them.</source>
        <translation>Po hoście i porcie w adresie proxy nie może być nic więcej.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Preset</name>
    <message>
        <source>Best available</source>
        <translation>Najlepsza jakość</translation>
    </message>
    <message>
        <source>Audio only (MP3)</source>
        <translation>Audio (MP3)</translation>
    </message>
    <message>
        <source>Audio only (M4A)</source>
        <translation>Audio (M4A)</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Najlepsza</translation>
    </message>
</context>
<context>
    <name>reelcatch::ProgressProtocol</name>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Wideo</translation>
    </message>
    <message>
        <source>Converting audio…</source>
        <translation>Konwertowanie audio…</translation>
    </message>
    <message>
        <source>Finishing up…</source>
        <translation>Kończenie…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>pozostało %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultDelegate</name>
    <message>
        <source>Download just this one</source>
        <translation>Pobierz tylko ten film</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Pobrano</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsList</name>
    <message>
        <source>Choose Format…</source>
        <translation>Wybierz format…</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>Open on YouTube</source>
        <translation>Otwórz w YouTube</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Kopiuj link</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Zaznacz</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>Odznacz</translation>
    </message>
    <message>
        <source>Download a Clip…</source>
        <translation>Pobierz fragment…</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsModel</name>
    <message>
        <source>Downloaded</source>
        <translation>Pobrano</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Na żywo</translation>
    </message>
    <message>
        <source>Upcoming</source>
        <translation>Zaplanowany</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Oczekuje</translation>
    </message>
    <message>
        <source>Looking it up…</source>
        <translation>Wyszukiwanie…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>na razie %n film</numerusform>
            <numerusform>na razie %n filmy</numerusform>
            <numerusform>na razie %n filmów</numerusform>
        </translation>
    </message>
    <message>
        <source>Not looked up</source>
        <translation>Nie wyszukano</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n film, wczytywanie listy zatrzymane</numerusform>
            <numerusform>%n filmy, wczytywanie listy zatrzymane</numerusform>
            <numerusform>%n filmów, wczytywanie listy zatrzymane</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n film</numerusform>
            <numerusform>%n filmy</numerusform>
            <numerusform>%n filmów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsPane</name>
    <message>
        <source>Looking it up…</source>
        <translation>Wyszukiwanie…</translation>
    </message>
    <message>
        <source>Paste a link to get started</source>
        <translation>Wklej link, aby rozpocząć</translation>
    </message>
    <message>
        <source>Copy a YouTube link anywhere and switch back here, it loads automatically.
You can also drag a link onto this window, or type words to search YouTube.</source>
        <translation>Skopiuj gdziekolwiek link YouTube i wróć tutaj — wczyta się automatycznie.
Możesz też przeciągnąć link na to okno lub wpisać słowa, aby wyszukać w YouTube.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystkie</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n film</numerusform>
            <numerusform>%n filmy</numerusform>
            <numerusform>%n filmów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>zaznaczono: %n</numerusform>
            <numerusform>zaznaczono: %n</numerusform>
            <numerusform>zaznaczono: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Odznacz wszystkie</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Pobierz (%1)</translation>
    </message>
    <message>
        <source>Select New</source>
        <translation>Zaznacz nowe</translation>
    </message>
    <message>
        <source>Tick only the videos not downloaded before</source>
        <translation>Zaznacz tylko filmy, których jeszcze nie pobrano</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>na razie %n film</numerusform>
            <numerusform>na razie %n filmy</numerusform>
            <numerusform>na razie %n filmów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n film, wczytywanie listy zatrzymane</numerusform>
            <numerusform>%n filmy, wczytywanie listy zatrzymane</numerusform>
            <numerusform>%n filmów, wczytywanie listy zatrzymane</numerusform>
        </translation>
    </message>
    <message>
        <source>Download the ticked videos (%1)</source>
        <translation>Pobierz zaznaczone filmy (%1)</translation>
    </message>
    <message>
        <source>Choose Format…</source>
        <translation>Wybierz format…</translation>
    </message>
    <message>
        <source>Pick the video and audio formats of this video</source>
        <translation>Wybierz formaty wideo i audio tego filmu</translation>
    </message>
</context>
<context>
    <name>reelcatch::SettingsWindow</name>
    <message>
        <source>Prefer H.264 so files play in any player and on any device</source>
        <translation>Preferuj H.264, aby pliki działały w każdym odtwarzaczu i na każdym urządzeniu</translation>
    </message>
    <message>
        <source>Above 1080p YouTube only offers VP9/AV1. Those play in VLC, mpv and current browsers, but not on every older device.</source>
        <translation>Powyżej 1080p YouTube oferuje tylko VP9/AV1. Odtwarzają je VLC, mpv i współczesne przeglądarki, ale nie każde starsze urządzenie.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Zapisywanie</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Zmień…</translation>
    </message>
    <message>
        <source>Download folder</source>
        <translation>Katalog pobierania</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Pause between downloads, in seconds</source>
        <translation>Przerwa między pobraniami, w sekundach</translation>
    </message>
    <message>
        <source>Pause between downloads</source>
        <translation>Przerwa między pobraniami</translation>
    </message>
    <message>
        <source>Load YouTube links from the clipboard automatically</source>
        <translation>Automatycznie wczytuj linki YouTube ze schowka</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Wideo</translation>
    </message>
    <message>
        <source>Embed subtitles</source>
        <translation>Osadzaj napisy</translation>
    </message>
    <message>
        <source>Subtitle languages</source>
        <translation>Języki napisów</translation>
    </message>
    <message>
        <source>Save subtitles as files (SRT)</source>
        <translation>Zapisuj napisy w plikach (SRT)</translation>
    </message>
    <message>
        <source>Include automatic captions</source>
        <translation>Uwzględniaj napisy automatyczne</translation>
    </message>
    <message>
        <source>Audio language</source>
        <translation>Język audio</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Oryginalny</translation>
    </message>
    <message>
        <source>SponsorBlock</source>
        <translation>SponsorBlock</translation>
    </message>
    <message>
        <source>What to do with sponsor and other segments viewers have marked</source>
        <translation>Co robić z fragmentami sponsorowanymi i innymi oznaczonymi przez widzów</translation>
    </message>
    <message>
        <source>Mark as chapters</source>
        <translation>Oznacz jako rozdziały</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Sponsor</source>
        <translation>Sponsor</translation>
    </message>
    <message>
        <source>Self-promotion</source>
        <translation>Autopromocja</translation>
    </message>
    <message>
        <source>Interaction reminder</source>
        <translation>Przypomnienie o interakcji</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Wstęp</translation>
    </message>
    <message>
        <source>Outro</source>
        <translation>Zakończenie</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Zapowiedź</translation>
    </message>
    <message>
        <source>Non-music section</source>
        <translation>Fragment bez muzyki</translation>
    </message>
    <message>
        <source>Filler</source>
        <translation>Dygresja</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Znaczniki</translation>
    </message>
    <message>
        <source>Embed title, channel and date</source>
        <translation>Osadzaj tytuł, kanał i datę</translation>
    </message>
    <message>
        <source>Embed thumbnail as cover art</source>
        <translation>Osadzaj miniaturę jako okładkę</translation>
    </message>
    <message>
        <source>YouTube account</source>
        <translation>Konto YouTube</translation>
    </message>
    <message>
        <source>Use cookies from</source>
        <translation>Pliki cookie z</translation>
    </message>
    <message>
        <source>The browser or file whose sign-in YouTube sees</source>
        <translation>Przeglądarka lub plik, przez które YouTube widzi twoje logowanie</translation>
    </message>
    <message>
        <source>Cookies let YouTube see you as signed in. Close YouTube in that browser while downloading if it locks its cookies. YouTube may limit accounts that download a lot.</source>
        <translation>Dzięki plikom cookie YouTube widzi twoje zalogowane konto. Jeśli przeglądarka blokuje swoje pliki cookie, zamknij w niej YouTube na czas pobierania. YouTube może ograniczać konta, które dużo pobierają.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Silnik</translation>
    </message>
    <message>
        <source>JS runtime (deno)</source>
        <translation>Środowisko JS (deno)</translation>
    </message>
    <message>
        <source>YouTube changes often. If downloads start failing, update the engine.</source>
        <translation>YouTube często się zmienia. Jeśli pobieranie zacznie zawodzić, zaktualizuj silnik.</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Zaktualizuj teraz</translation>
    </message>
    <message>
        <source>A cookies file…</source>
        <translation>Plik cookie…</translation>
    </message>
    <message>
        <source>Use File</source>
        <translation>Użyj pliku</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>nie zainstalowano</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>zainstalowano</translation>
    </message>
    <message>
        <source>installs with your first download</source>
        <translation>zainstaluje się przy pierwszym pobieraniu</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Parallel downloads</source>
        <translation>Równoczesne pobierania</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no pause between downloads</comment>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>SponsorBlock</comment>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no subtitle languages</comment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no cookies</comment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nazwy plików</translation>
    </message>
    <message>
        <source>How downloaded files are named</source>
        <translation>Jak nazywać pobrane pliki</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>Szablon nazwy</translation>
    </message>
    <message>
        <source>Put each playlist in a folder of its own, numbered</source>
        <translation>Zapisuj każdą playlistę w osobnym katalogu, z numeracją</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>None, or socks5://host:port</source>
        <translation>Brak lub socks5://host:port</translation>
    </message>
    <message>
        <source> MB/s</source>
        <translation> MB/s</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Bez limitu</translation>
    </message>
    <message>
        <source>Limit each download to, in MB/s</source>
        <translation>Ogranicz każde pobieranie do, w MB/s</translation>
    </message>
    <message>
        <source>Limit each download to</source>
        <translation>Ogranicz każde pobieranie do</translation>
    </message>
    <message>
        <source>Lookups and downloads go through the proxy; the limit holds for each download on its own.</source>
        <translation>Wyszukiwanie i pobieranie odbywa się przez proxy; limit dotyczy każdego pobierania osobno.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Na przykład: %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message>
        <source>Look up the link or search words</source>
        <translation>Wyszukaj link lub słowa</translation>
    </message>
    <message>
        <source>Stop the lookup</source>
        <translation>Zatrzymaj wyszukiwanie</translation>
    </message>
    <message>
        <source>Tick or untick the current result</source>
        <translation>Zaznacz lub odznacz bieżący wynik</translation>
    </message>
    <message>
        <source>Download the ticked videos</source>
        <translation>Pobierz zaznaczone filmy</translation>
    </message>
    <message>
        <source>Open the file of the current finished download</source>
        <translation>Otwórz plik bieżącego ukończonego pobierania</translation>
    </message>
    <message>
        <source>Remove the current finished download from the list</source>
        <translation>Usuń bieżące ukończone pobieranie z listy</translation>
    </message>
    <message>
        <source>Show what the current row offers</source>
        <translation>Pokaż działania dostępne dla bieżącego wiersza</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Close Settings or this window</source>
        <translation>Zamknij ustawienia lub to okno</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Działanie</translation>
    </message>
    <message>
        <source>Look up the links in a text file</source>
        <translation>Otwórz linki z pliku tekstowego</translation>
    </message>
    <message>
        <source>Show the history of finished videos</source>
        <translation>Pokaż historię ukończonych filmów</translation>
    </message>
    <message>
        <source>History: show the selected video&apos;s file in its folder</source>
        <translation>Historia: pokaż plik wybranego filmu w katalogu</translation>
    </message>
    <message>
        <source>History: download the selected video again</source>
        <translation>Historia: pobierz ponownie wybrany film</translation>
    </message>
    <message>
        <source>History: export the videos listed as CSV</source>
        <translation>Historia: eksportuj filmy z listy do CSV</translation>
    </message>
</context>
</TS>
