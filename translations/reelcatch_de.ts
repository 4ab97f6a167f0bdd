<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>YouTube möchte über einen angemeldeten Browser bestätigt haben, dass Sie kein Bot sind.</translation>
    </message>
    <message>
        <source>This video is age-restricted. Sign in with a browser to download it.</source>
        <translation>Dieses Video ist altersbeschränkt. Melden Sie sich in einem Browser an, um es herunterzuladen.</translation>
    </message>
    <message>
        <source>This video is private or for channel members only.</source>
        <translation>Dieses Video ist privat oder nur für Kanalmitglieder.</translation>
    </message>
    <message>
        <source>YouTube is limiting requests from this connection. Downloads resume by themselves.</source>
        <translation>YouTube begrenzt die Anfragen von dieser Verbindung. Die Downloads werden von selbst fortgesetzt.</translation>
    </message>
    <message>
        <source>This video is unavailable.</source>
        <translation>Dieses Video ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The download engine needs an update.</source>
        <translation>Die Download-Engine muss aktualisiert werden.</translation>
    </message>
    <message>
        <source>Can&apos;t reach YouTube. Check the connection.</source>
        <translation>YouTube ist nicht erreichbar. Prüfen Sie die Verbindung.</translation>
    </message>
    <message>
        <source>The download folder&apos;s disk is full.</source>
        <translation>Der Datenträger des Download-Ordners ist voll.</translation>
    </message>
    <message>
        <source>This quality isn&apos;t available for this video. Pick another.</source>
        <translation>Diese Qualität gibt es für dieses Video nicht. Wählen Sie eine andere.</translation>
    </message>
    <message>
        <source>YouTube is still limiting requests from this connection. Try again later.</source>
        <translation>YouTube begrenzt die Anfragen von dieser Verbindung noch immer. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>(version unknown)</source>
        <translation>(Version unbekannt)</translation>
    </message>
    <message>
        <source>Choose Browser…</source>
        <translation>Browser wählen …</translation>
    </message>
    <message>
        <source>Resume Now</source>
        <translation>Jetzt fortsetzen</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Download videos and audio with yt-dlp.</source>
        <translation>Videos und Audio mit yt-dlp herunterladen.</translation>
    </message>
    <message>
        <source>Links to look up (also reelcatch://…).</source>
        <translation>Nachzuschlagende Links (auch reelcatch://…).</translation>
    </message>
</context>
<context>
    <name>reelcatch::AboutDialog</name>
    <message>
        <source>About Reelcatch</source>
        <translation>Über Reelcatch</translation>
    </message>
    <message>
        <source>Reelcatch %1</source>
        <translation>Reelcatch %1</translation>
    </message>
    <message>
        <source>Downloads videos from YouTube with yt-dlp.</source>
        <translation>Lädt Videos von YouTube mit yt-dlp herunter.</translation>
    </message>
    <message>
        <source>yt-dlp</source>
        <translation>yt-dlp</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>nicht installiert</translation>
    </message>
    <message>
        <source>deno</source>
        <translation>deno</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>installiert</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <translation>ffmpeg</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or any later version (GPL-3.0-or-later). Reelcatch comes with no warranty. yt-dlp, deno and ffmpeg are not part of Reelcatch and come under their own licences.</source>
        <translation>GNU General Public License, Version 3 oder jede spätere Version (GPL-3.0-or-later). Reelcatch wird ohne jede Gewährleistung bereitgestellt. yt-dlp, deno und ffmpeg sind nicht Teil von Reelcatch und stehen unter ihren eigenen Lizenzen.</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Einstellungsdatei</translation>
    </message>
    <message>
        <source>Tools folder</source>
        <translation>Ordner der Werkzeuge</translation>
    </message>
    <message>
        <source>Download list folder</source>
        <translation>Ordner der Download-Liste</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>Vorschaubild-Zwischenspeicher</translation>
    </message>
</context>
<context>
    <name>reelcatch::AppShell</name>
    <message>
        <source>Show Reelcatch</source>
        <translation>Reelcatch anzeigen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) are running or waiting. They will continue the next time you open Reelcatch.</source>
        <translation>
            <numerusform>%n Download läuft oder wartet. Er geht weiter, wenn Sie Reelcatch das nächste Mal öffnen.</numerusform>
            <numerusform>%n Downloads laufen oder warten. Sie gehen weiter, wenn Sie Reelcatch das nächste Mal öffnen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Reelcatch?</source>
        <translation>Reelcatch beenden?</translation>
    </message>
</context>
<context>
    <name>reelcatch::BatchNotifier</name>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins &quot;3 downloads finished&quot; and &quot;1 failed&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Reelcatch</source>
        <translation>Reelcatch öffnen</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) finished</source>
        <translation>
            <numerusform>%n Download fertig</numerusform>
            <numerusform>%n Downloads fertig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) failed</source>
        <translation>
            <numerusform>%n Download fehlgeschlagen</numerusform>
            <numerusform>%n Downloads fehlgeschlagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ClipDialog</name>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Download a Clip</source>
        <translation>Ausschnitt herunterladen</translation>
    </message>
    <message>
        <source>The video is %1 long.</source>
        <translation>Das Video ist %1 lang.</translation>
    </message>
    <message>
        <source>The video’s length is unknown: any end after the start is taken.</source>
        <translation>Die Länge des Videos ist unbekannt: Jedes Ende nach dem Anfang wird genommen.</translation>
    </message>
    <message>
        <source>h:mm:ss, m:ss or seconds; a pasted link’s time (t=) is taken too</source>
        <translation>h:mm:ss, m:ss oder Sekunden; auch die Zeit (t=) eines eingefügten Links wird übernommen</translation>
    </message>
    <message>
        <source>h:mm:ss</source>
        <translation>h:mm:ss</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Anfang:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Ende:</translation>
    </message>
    <message>
        <source>Type the start as h:mm:ss, m:ss or seconds.</source>
        <translation>Geben Sie den Anfang als h:mm:ss, m:ss oder in Sekunden ein.</translation>
    </message>
    <message>
        <source>Type the end as h:mm:ss, m:ss or seconds.</source>
        <translation>Geben Sie das Ende als h:mm:ss, m:ss oder in Sekunden ein.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Das Ende muss nach dem Anfang liegen.</translation>
    </message>
    <message>
        <source>The end must be within the video, which is %1 long.</source>
        <translation>Das Ende muss innerhalb des Videos liegen, das %1 lang ist.</translation>
    </message>
    <message>
        <source>The clip will be %1 long.</source>
        <translation>Der Ausschnitt wird %1 lang.</translation>
    </message>
</context>
<context>
    <name>reelcatch::CookieSources</name>
    <message>
        <source>The cookies file “%1” is gone; cookies are off.</source>
        <translation>Die Cookie-Datei „%1“ ist nicht mehr da; Cookies sind aus.</translation>
    </message>
    <message>
        <source>%1 is no longer installed; cookies are off.</source>
        <translation>%1 ist nicht mehr installiert; Cookies sind aus.</translation>
    </message>
</context>
<context>
    <name>reelcatch::DesktopCues</name>
    <message numerus="yes">
        <source>Reelcatch · %n download(s) left</source>
        <translation>
            <numerusform>Reelcatch · noch %n Download</numerusform>
            <numerusform>Reelcatch · noch %n Downloads</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::Download</name>
    <message>
        <source>Waiting…</source>
        <translation>Wartet …</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadQueue</name>
    <message>
        <source>Waiting…</source>
        <translation>Wartet …</translation>
    </message>
    <message>
        <source>Getting ffmpeg ready (one-time, ~56 MB)…</source>
        <translation>ffmpeg wird eingerichtet (einmalig, ca. 56 MB) …</translation>
    </message>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>Die Download-Engine ist noch nicht installiert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Startet …</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp wurde mit Code %1 beendet</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Cutting a clip needs ffmpeg, which isn&apos;t ready.</source>
        <translation>Für einen Ausschnitt wird ffmpeg gebraucht, das noch nicht bereit ist.</translation>
    </message>
    <message>
        <source>Checking the clip’s length…</source>
        <translation>Die Länge des Ausschnitts wird geprüft …</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>The clip is %1 long instead of %2.</source>
        <translation>Der Ausschnitt ist %1 lang statt %2.</translation>
    </message>
    <message>
        <source>%1 (its length couldn’t be checked)</source>
        <translation>%1 (die Länge konnte nicht geprüft werden)</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsList</name>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Copy Error</source>
        <translation>Fehler kopieren</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Log of “%1”</source>
        <translation>Protokoll von „%1“</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsModel</name>
    <message numerus="yes">
        <source>Starts in %n second(s)</source>
        <translation>
            <numerusform>Beginnt in %n Sekunde</numerusform>
            <numerusform>Beginnt in %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Paused: YouTube is limiting requests. Resuming at %1…</source>
        <translation>Pausiert: YouTube begrenzt die Anfragen. Weiter um %1 …</translation>
    </message>
    <message>
        <source>%1 · Clip %2</source>
        <translation>%1 · Ausschnitt %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsPane</name>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Fertige entfernen</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>Noch nichts hier.</translation>
    </message>
    <message numerus="yes">
        <source>%n downloading</source>
        <translation>
            <numerusform>%n wird geladen</numerusform>
            <numerusform>%n werden geladen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queued</source>
        <translation>
            <numerusform>%n wartet</numerusform>
            <numerusform>%n warten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineBanner</name>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineReadiness</name>
    <message>
        <source>Setting up the download engine (one-time, ~80 MB)…</source>
        <translation>Die Download-Engine wird eingerichtet (einmalig, ca. 80 MB) …</translation>
    </message>
    <message>
        <source>Updating the download engine…</source>
        <translation>Die Download-Engine wird aktualisiert …</translation>
    </message>
    <message>
        <source>Couldn&apos;t install yt-dlp: %1</source>
        <translation>yt-dlp konnte nicht installiert werden: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the download engine: %1</source>
        <translation>Die Download-Engine konnte nicht aktualisiert werden: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t download ffmpeg (%1). Downloads are limited to lower quality for now.</source>
        <translation>ffmpeg konnte nicht heruntergeladen werden (%1). Downloads sind vorerst auf niedrigere Qualität beschränkt.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FileNaming</name>
    <message>
        <source>“%1” is missing its closing parenthesis.</source>
        <translation>Bei „%1“ fehlt die schließende Klammer.</translation>
    </message>
    <message>
        <source>“%(%1)” needs a letter after it: s for text, d for a number.</source>
        <translation>Nach „%(%1)“ fehlt ein Buchstabe: s für Text, d für eine Zahl.</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>Title [id]</source>
        <translation>Titel [ID]</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Channel – Title</source>
        <translation>Kanal – Titel</translation>
    </message>
    <message>
        <source>Upload date – Title</source>
        <translation>Upload-Datum – Titel</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Eigene…</translation>
    </message>
    <message>
        <source>Type a name for the files.</source>
        <translation>Geben Sie einen Namen für die Dateien ein.</translation>
    </message>
    <message>
        <source>A name cannot hold line breaks or tabs.</source>
        <translation>Ein Name darf keine Zeilenumbrüche oder Tabulatoren enthalten.</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot begin with “/” or “~”.</source>
        <translation>Dateien bleiben im Download-Ordner: Ein Name darf nicht mit „/“ oder „~“ beginnen.</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot step out of it with “..”.</source>
        <translation>Dateien bleiben im Download-Ordner: Ein Name darf ihn nicht mit „..“ verlassen.</translation>
    </message>
    <message>
        <source>The name ends with a folder: add the file&apos;s own name after the last “/”.</source>
        <translation>Der Name endet mit einem Ordner: Fügen Sie nach dem letzten „/“ den Namen der Datei hinzu.</translation>
    </message>
    <message>
        <source>“%(%1)” names no field.</source>
        <translation>„%(%1)“ nennt kein Feld.</translation>
    </message>
    <message>
        <source>yt-dlp knows no field named “%1”.</source>
        <translation>yt-dlp kennt kein Feld namens „%1“.</translation>
    </message>
    <message>
        <source>Every video would get this same name: add a field such as %(title)s.</source>
        <translation>Jedes Video bekäme denselben Namen: Fügen Sie ein Feld wie %(title)s hinzu.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FolderChooser</name>
    <message>
        <source>Use Folder</source>
        <translation>Ordner verwenden</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatDialog</name>
    <message>
        <source>Its own sound</source>
        <translation>Eigener Ton</translation>
    </message>
    <message>
        <source>This video format has its own sound.</source>
        <translation>Dieses Videoformat hat einen eigenen Ton.</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>etwa %1</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Choose Format</source>
        <translation>Format wählen</translation>
    </message>
    <message>
        <source>Asking yt-dlp which formats this video has…</source>
        <translation>yt-dlp wird nach den Formaten dieses Videos gefragt …</translation>
    </message>
    <message>
        <source>&amp;Video</source>
        <translation>&amp;Video</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Audio</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>No video — audio only</source>
        <translation>Kein Video – nur Ton</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatList</name>
    <message>
        <source>%1 wide</source>
        <translation>%1 breit</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>%1 with sound</source>
        <translation>%1 mit Ton</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>%1 (original)</source>
        <translation>%1 (Original)</translation>
    </message>
    <message>
        <source>%1 (dubbed)</source>
        <translation>%1 (synchronisiert)</translation>
    </message>
    <message>
        <source>%1 (automatic dub)</source>
        <translation>%1 (automatisch synchronisiert)</translation>
    </message>
    <message>
        <source>%1 (audio description)</source>
        <translation>%1 (Audiodeskription)</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatQuery</name>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>Die Download-Engine ist noch nicht installiert.</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp wurde mit Code %1 beendet</translation>
    </message>
    <message>
        <source>yt-dlp listed no formats for this video.</source>
        <translation>yt-dlp hat für dieses Video keine Formate aufgeführt.</translation>
    </message>
</context>
<context>
    <name>reelcatch::HeaderBar</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Paste a YouTube link, playlist or channel, or type to search</source>
        <translation>YouTube-Link, Playlist oder Kanal einfügen oder Suchbegriffe eingeben</translation>
    </message>
    <message>
        <source>Link or search words</source>
        <translation>Link oder Suchbegriffe</translation>
    </message>
    <message>
        <source>Fetch</source>
        <translation>Abrufen</translation>
    </message>
    <message>
        <source>Quality / format for new downloads</source>
        <translation>Qualität / Format für neue Downloads</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Save to: %1</source>
        <translation>Speichern in: %1</translation>
    </message>
    <message>
        <source>Link field</source>
        <translation>Link-Feld</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryList</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryModel</name>
    <message>
        <source>Finished %1</source>
        <translation>Fertig am %1</translation>
    </message>
    <message>
        <source>File on disk</source>
        <translation>Datei vorhanden</translation>
    </message>
    <message>
        <source>File moved or deleted</source>
        <translation>Datei verschoben oder gelöscht</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Search titles and channels</source>
        <translation>Titel und Kanäle durchsuchen</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Verlauf durchsuchen</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <source>Saves the videos listed as a CSV file</source>
        <translation>Speichert die aufgeführten Videos als CSV-Datei</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Erneut herunterladen</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Remove from History</source>
        <translation>Aus dem Verlauf entfernen</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportiert nach %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t export to %1</source>
        <translation>Export nach %1 nicht möglich</translation>
    </message>
    <message>
        <source>Reelcatch History</source>
        <translation>Reelcatch-Verlauf</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Wird exportiert …</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n Video</numerusform>
            <numerusform>%n Videos</numerusform>
        </translation>
    </message>
    <message>
        <source>No videos downloaded yet.</source>
        <translation>Noch keine Videos heruntergeladen.</translation>
    </message>
    <message>
        <source>No video matches the search.</source>
        <translation>Kein Video passt zur Suche.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Installer</name>
    <message>
        <source>Couldn&apos;t create the folder %1: %2</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the download site: %1</source>
        <translation>Die Download-Seite ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t match its published checksum.</source>
        <translation>Das heruntergeladene %1 passt nicht zu seiner veröffentlichten Prüfsumme.</translation>
    </message>
    <message>
        <source>The downloaded %1 is larger than expected.</source>
        <translation>Das heruntergeladene %1 ist größer als erwartet.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Download failed (HTTP %1): %2</source>
        <translation>Download fehlgeschlagen (HTTP %1): %2</translation>
    </message>
    <message>
        <source>Download failed (HTTP 0): %1</source>
        <translation>Download fehlgeschlagen (HTTP 0): %1</translation>
    </message>
    <message>
        <source>Download incomplete (%1 of %2 bytes): %3</source>
        <translation>Download unvollständig (%1 von %2 Bytes): %3</translation>
    </message>
    <message>
        <source>Download stalled (nothing received for %1 s): %2</source>
        <translation>Download hängt (seit %1 s nichts empfangen): %2</translation>
    </message>
    <message>
        <source>Download too slow (under %1 bytes/s for %2 s): %3</source>
        <translation>Download zu langsam (unter %1 Bytes/s seit %2 s): %3</translation>
    </message>
    <message>
        <source>Can&apos;t check the downloaded %1: gpgv is missing (install the package gpgv).</source>
        <translation>Das heruntergeladene %1 kann nicht geprüft werden: gpgv fehlt (installieren Sie das Paket gpgv).</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the signing key %1</source>
        <translation>Der Signaturschlüssel %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Couldn&apos;t unpack %1: %2</source>
        <translation>%1 konnte nicht entpackt werden: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t make %1 executable: %2</source>
        <translation>%1 konnte nicht ausführbar gemacht werden: %2</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t run.</source>
        <translation>Das heruntergeladene %1 startet nicht.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install %1: %2</source>
        <translation>%1 konnte nicht installiert werden: %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::Library</name>
    <message>
        <source>File moved or deleted</source>
        <translation>Datei verschoben oder gelöscht</translation>
    </message>
    <message>
        <source>Your download list couldn&apos;t be read and was started afresh.</source>
        <translation>Ihre Downloadliste konnte nicht gelesen werden und wurde neu angelegt.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>der Datenträger hat einen Fehler gemeldet</translation>
    </message>
    <message>
        <source>its folder can&apos;t be written to</source>
        <translation>ihr Ordner ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>ein anderes Programm verwendet sie</translation>
    </message>
    <message>
        <source>its file can&apos;t be opened</source>
        <translation>ihre Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>This download list was saved by a newer Reelcatch. It is kept unchanged and not used.</source>
        <translation>Diese Downloadliste wurde von einer neueren Version von Reelcatch gespeichert. Sie bleibt unverändert und wird nicht verwendet.</translation>
    </message>
    <message>
        <source>Reelcatch is already open elsewhere with this download list; this window&apos;s list won&apos;t be kept.</source>
        <translation>Reelcatch ist bereits an anderer Stelle mit dieser Downloadliste geöffnet; die Liste dieses Fensters wird nicht aufbewahrt.</translation>
    </message>
    <message>
        <source>Your download list can&apos;t be saved right now: %1.</source>
        <translation>Ihre Downloadliste kann gerade nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>reelcatch::LinkHeading</name>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Keine auswählen</translation>
    </message>
</context>
<context>
    <name>reelcatch::Listing</name>
    <message>
        <source>Playlist</source>
        <translation>Playlist</translation>
    </message>
</context>
<context>
    <name>reelcatch::Lookup</name>
    <message>
        <source>That&apos;s too long to be a link or a search.</source>
        <translation>Das ist zu lang für einen Link oder eine Suche.</translation>
    </message>
    <message>
        <source>The download engine is still being set up. Try again in a moment.</source>
        <translation>Die Download-Engine wird noch eingerichtet. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>yt-dlp couldn&apos;t be installed. %1 Try Again from the banner.</source>
        <translation>yt-dlp konnte nicht installiert werden. %1 Wählen Sie „Erneut versuchen“ im Hinweis oben.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load that link.</source>
        <translation>Dieser Link konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Search: %1</source>
        <translation>Suche: %1</translation>
    </message>
    <message>
        <source>Nothing downloadable found there.</source>
        <translation>Dort gibt es nichts zum Herunterladen.</translation>
    </message>
    <message>
        <source>yt-dlp stopped answering.</source>
        <translation>yt-dlp antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>Only the first video could be listed.</source>
        <translation>Nur das erste Video konnte aufgelistet werden.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n videos could be listed.</source>
        <translation>
            <numerusform>Nur das erste Video konnte aufgelistet werden.</numerusform>
            <numerusform>Nur die ersten %n Videos konnten aufgelistet werden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s)</source>
        <translation>
            <numerusform>%n Link</numerusform>
            <numerusform>%n Links</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t open that file. %1</source>
        <translation>Diese Datei konnte nicht geöffnet werden. %1</translation>
    </message>
    <message>
        <source>That file is too big to be a list of links.</source>
        <translation>Diese Datei ist zu groß für eine Liste von Links.</translation>
    </message>
    <message>
        <source>No links found in that file.</source>
        <translation>In dieser Datei wurden keine Links gefunden.</translation>
    </message>
</context>
<context>
    <name>reelcatch::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Results and downloads</source>
        <translation>Ergebnisse und Downloads</translation>
    </message>
    <message>
        <source>Divider between results and downloads</source>
        <translation>Trenner zwischen Ergebnissen und Downloads</translation>
    </message>
    <message>
        <source>Download Ticked</source>
        <translation>Angekreuzte herunterladen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>About Reelcatch</source>
        <translation>Über Reelcatch</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Open List of Links…</source>
        <translation>Liste von Links öffnen …</translation>
    </message>
    <message>
        <source>Open List of Links</source>
        <translation>Liste von Links öffnen</translation>
    </message>
    <message>
        <source>Text files (*.txt *.list)</source>
        <translation>Textdateien (*.txt *.list)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>reelcatch::Network</name>
    <message>
        <source>A proxy address begins with http://, https:// or socks5://, as in socks5://127.0.0.1:1080.</source>
        <translation>Eine Proxy-Adresse beginnt mit http://, https:// oder socks5://, etwa socks5://127.0.0.1:1080.</translation>
    </message>
    <message>
        <source>The proxy address needs a host after “//”.</source>
        <translation>Die Proxy-Adresse braucht nach „//“ einen Host.</translation>
    </message>
    <message>
        <source>A proxy address ends with its host and port, with nothing after them.</source>
        <translation>Eine Proxy-Adresse endet mit Host und Port, ohne etwas danach.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Preset</name>
    <message>
        <source>Best available</source>
        <translation>Beste verfügbare</translation>
    </message>
    <message>
        <source>Audio only (MP3)</source>
        <translation>Nur Audio (MP3)</translation>
    </message>
    <message>
        <source>Audio only (M4A)</source>
        <translation>Nur Audio (M4A)</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
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
        <translation>Video</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 übrig</translation>
    </message>
    <message>
        <source>Converting audio…</source>
        <translation>Audio wird umgewandelt …</translation>
    </message>
    <message>
        <source>Finishing up…</source>
        <translation>Wird abgeschlossen …</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultDelegate</name>
    <message>
        <source>Download just this one</source>
        <translation>Nur dieses herunterladen</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Heruntergeladen</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsList</name>
    <message>
        <source>Choose Format…</source>
        <translation>Format wählen …</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Open on YouTube</source>
        <translation>Auf YouTube öffnen</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Ankreuzen</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>Nicht mehr ankreuzen</translation>
    </message>
    <message>
        <source>Download a Clip…</source>
        <translation>Ausschnitt herunterladen …</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsModel</name>
    <message>
        <source>Downloaded</source>
        <translation>Heruntergeladen</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Upcoming</source>
        <translation>Geplant</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Looking it up…</source>
        <translation>Wird abgerufen …</translation>
    </message>
    <message>
        <source>Not looked up</source>
        <translation>Nicht abgerufen</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n Video</numerusform>
            <numerusform>%n Videos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>bisher %n Video</numerusform>
            <numerusform>bisher %n Videos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n Video, Auflistung gestoppt</numerusform>
            <numerusform>%n Videos, Auflistung gestoppt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsPane</name>
    <message>
        <source>Choose Format…</source>
        <translation>Format wählen …</translation>
    </message>
    <message>
        <source>Pick the video and audio formats of this video</source>
        <translation>Video- und Audioformat dieses Videos wählen</translation>
    </message>
    <message>
        <source>Looking it up…</source>
        <translation>Wird abgerufen …</translation>
    </message>
    <message>
        <source>Paste a link to get started</source>
        <translation>Fügen Sie einen Link ein, um zu beginnen</translation>
    </message>
    <message>
        <source>Copy a YouTube link anywhere and switch back here, it loads automatically.
You can also drag a link onto this window, or type words to search YouTube.</source>
        <translation>Kopieren Sie irgendwo einen YouTube-Link und wechseln Sie hierher zurück, er wird automatisch geladen.
Sie können auch einen Link auf dieses Fenster ziehen oder Suchbegriffe für YouTube eingeben.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n Video</numerusform>
            <numerusform>%n Videos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n ausgewählt</numerusform>
            <numerusform>%n ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Keine auswählen</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 herunterladen</translation>
    </message>
    <message>
        <source>Select New</source>
        <translation>Neue auswählen</translation>
    </message>
    <message>
        <source>Tick only the videos not downloaded before</source>
        <translation>Nur die noch nicht heruntergeladenen Videos ankreuzen</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>bisher %n Video</numerusform>
            <numerusform>bisher %n Videos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n Video, Auflistung gestoppt</numerusform>
            <numerusform>%n Videos, Auflistung gestoppt</numerusform>
        </translation>
    </message>
    <message>
        <source>Download the ticked videos (%1)</source>
        <translation>Die angekreuzten Videos herunterladen (%1)</translation>
    </message>
</context>
<context>
    <name>reelcatch::SettingsWindow</name>
    <message>
        <source>Prefer H.264 so files play in any player and on any device</source>
        <translation>H.264 bevorzugen, damit Dateien in jedem Player und auf jedem Gerät laufen</translation>
    </message>
    <message>
        <source>Above 1080p YouTube only offers VP9/AV1. Those play in VLC, mpv and current browsers, but not on every older device.</source>
        <translation>Über 1080p bietet YouTube nur VP9/AV1 an. Diese laufen in VLC, mpv und aktuellen Browsern, aber nicht auf jedem älteren Gerät.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Ändern …</translation>
    </message>
    <message>
        <source>Download folder</source>
        <translation>Download-Ordner</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no pause between downloads</comment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>SponsorBlock</comment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Pause between downloads, in seconds</source>
        <translation>Pause zwischen Downloads, in Sekunden</translation>
    </message>
    <message>
        <source>Pause between downloads</source>
        <translation>Pause zwischen Downloads</translation>
    </message>
    <message>
        <source>Load YouTube links from the clipboard automatically</source>
        <translation>YouTube-Links automatisch aus der Zwischenablage laden</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Embed subtitles</source>
        <translation>Untertitel einbetten</translation>
    </message>
    <message>
        <source>Subtitle languages</source>
        <translation>Untertitelsprachen</translation>
    </message>
    <message>
        <source>Save subtitles as files (SRT)</source>
        <translation>Untertitel als Dateien speichern (SRT)</translation>
    </message>
    <message>
        <source>Include automatic captions</source>
        <translation>Automatische Untertitel einbeziehen</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no subtitle languages</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Audio language</source>
        <translation>Audiosprache</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>SponsorBlock</source>
        <translation>SponsorBlock</translation>
    </message>
    <message>
        <source>What to do with sponsor and other segments viewers have marked</source>
        <translation>Was mit Sponsoren- und anderen von Zuschauern markierten Abschnitten geschieht</translation>
    </message>
    <message>
        <source>Mark as chapters</source>
        <translation>Als Kapitel markieren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Sponsor</source>
        <translation>Sponsor</translation>
    </message>
    <message>
        <source>Self-promotion</source>
        <translation>Eigenwerbung</translation>
    </message>
    <message>
        <source>Interaction reminder</source>
        <translation>Aufruf zur Interaktion</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Outro</source>
        <translation>Abspann</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Non-music section</source>
        <translation>Nicht-Musik-Abschnitt</translation>
    </message>
    <message>
        <source>Filler</source>
        <translation>Abschweifung</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>Embed title, channel and date</source>
        <translation>Titel, Kanal und Datum einbetten</translation>
    </message>
    <message>
        <source>Embed thumbnail as cover art</source>
        <translation>Vorschaubild als Cover einbetten</translation>
    </message>
    <message>
        <source>YouTube account</source>
        <translation>YouTube-Konto</translation>
    </message>
    <message>
        <source>Use cookies from</source>
        <translation>Cookies verwenden von</translation>
    </message>
    <message>
        <source>The browser or file whose sign-in YouTube sees</source>
        <translation>Der Browser oder die Datei, deren Anmeldung YouTube sieht</translation>
    </message>
    <message>
        <source>Cookies let YouTube see you as signed in. Close YouTube in that browser while downloading if it locks its cookies. YouTube may limit accounts that download a lot.</source>
        <translation>Mit Cookies sieht YouTube Sie als angemeldet. Schließen Sie YouTube in diesem Browser während des Herunterladens, falls er seine Cookies sperrt. YouTube kann Konten einschränken, die viel herunterladen.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>JS runtime (deno)</source>
        <translation>JS-Laufzeit (deno)</translation>
    </message>
    <message>
        <source>YouTube changes often. If downloads start failing, update the engine.</source>
        <translation>YouTube ändert sich oft. Wenn Downloads fehlschlagen, aktualisieren Sie die Engine.</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no cookies</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>A cookies file…</source>
        <translation>Eine Cookie-Datei …</translation>
    </message>
    <message>
        <source>Use File</source>
        <translation>Datei verwenden</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>nicht installiert</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>installiert</translation>
    </message>
    <message>
        <source>installs with your first download</source>
        <translation>wird mit dem ersten Download installiert</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>Parallel downloads</source>
        <translation>Gleichzeitige Downloads</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Dateinamen</translation>
    </message>
    <message>
        <source>How downloaded files are named</source>
        <translation>Wie heruntergeladene Dateien benannt werden</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>Namensvorlage</translation>
    </message>
    <message>
        <source>Put each playlist in a folder of its own, numbered</source>
        <translation>Jede Playlist in einen eigenen Ordner legen, nummeriert</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>None, or socks5://host:port</source>
        <translation>Keiner, oder socks5://host:port</translation>
    </message>
    <message>
        <source> MB/s</source>
        <translation> MB/s</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>Limit each download to, in MB/s</source>
        <translation>Jeden Download begrenzen auf, in MB/s</translation>
    </message>
    <message>
        <source>Limit each download to</source>
        <translation>Jeden Download begrenzen auf</translation>
    </message>
    <message>
        <source>Lookups and downloads go through the proxy; the limit holds for each download on its own.</source>
        <translation>Suchen und Downloads laufen über den Proxy; die Grenze gilt für jeden Download einzeln.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Zum Beispiel: %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Look up the link or search words</source>
        <translation>Link oder Suchbegriffe nachschlagen</translation>
    </message>
    <message>
        <source>Look up the links in a text file</source>
        <translation>Die Links in einer Textdatei nachschlagen</translation>
    </message>
    <message>
        <source>Stop the lookup</source>
        <translation>Die Suche anhalten</translation>
    </message>
    <message>
        <source>Tick or untick the current result</source>
        <translation>Das aktuelle Ergebnis ankreuzen oder nicht mehr ankreuzen</translation>
    </message>
    <message>
        <source>Download the ticked videos</source>
        <translation>Die angekreuzten Videos herunterladen</translation>
    </message>
    <message>
        <source>Open the file of the current finished download</source>
        <translation>Die Datei des aktuellen fertigen Downloads öffnen</translation>
    </message>
    <message>
        <source>Remove the current finished download from the list</source>
        <translation>Den aktuellen fertigen Download aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Show what the current row offers</source>
        <translation>Zeigen, was die aktuelle Zeile anbietet</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Close Settings or this window</source>
        <translation>Die Einstellungen oder dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Show the history of finished videos</source>
        <translation>Den Verlauf der fertigen Videos zeigen</translation>
    </message>
    <message>
        <source>History: show the selected video&apos;s file in its folder</source>
        <translation>Verlauf: die Datei des gewählten Videos im Ordner zeigen</translation>
    </message>
    <message>
        <source>History: download the selected video again</source>
        <translation>Verlauf: das gewählte Video erneut herunterladen</translation>
    </message>
    <message>
        <source>History: export the videos listed as CSV</source>
        <translation>Verlauf: die aufgeführten Videos als CSV exportieren</translation>
    </message>
</context>
</TS>
