<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>YouTube vuole che un browser con accesso effettuato confermi che non sei un bot.</translation>
    </message>
    <message>
        <source>This video is age-restricted. Sign in with a browser to download it.</source>
        <translation>Questo video ha limiti di età. Accedi con un browser per scaricarlo.</translation>
    </message>
    <message>
        <source>This video is private or for channel members only.</source>
        <translation>Questo video è privato o riservato ai membri del canale.</translation>
    </message>
    <message>
        <source>YouTube is limiting requests from this connection. Downloads resume by themselves.</source>
        <translation>YouTube sta limitando le richieste da questa connessione. I download riprenderanno da soli.</translation>
    </message>
    <message>
        <source>This video is unavailable.</source>
        <translation>Questo video non è disponibile.</translation>
    </message>
    <message>
        <source>The download engine needs an update.</source>
        <translation>Il motore di download deve essere aggiornato.</translation>
    </message>
    <message>
        <source>Can&apos;t reach YouTube. Check the connection.</source>
        <translation>Impossibile raggiungere YouTube. Controlla la connessione.</translation>
    </message>
    <message>
        <source>The download folder&apos;s disk is full.</source>
        <translation>Il disco della cartella dei download è pieno.</translation>
    </message>
    <message>
        <source>This quality isn&apos;t available for this video. Pick another.</source>
        <translation>Questa qualità non è disponibile per questo video. Scegline un’altra.</translation>
    </message>
    <message>
        <source>YouTube is still limiting requests from this connection. Try again later.</source>
        <translation>YouTube sta ancora limitando le richieste da questa connessione. Riprova più tardi.</translation>
    </message>
    <message>
        <source>(version unknown)</source>
        <translation>(versione sconosciuta)</translation>
    </message>
    <message>
        <source>Choose Browser…</source>
        <translation>Scegli browser…</translation>
    </message>
    <message>
        <source>Resume Now</source>
        <translation>Riprendi ora</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Download videos and audio with yt-dlp.</source>
        <translation>Scarica video e audio con yt-dlp.</translation>
    </message>
    <message>
        <source>Links to look up (also reelcatch://…).</source>
        <translation>Link da cercare (anche reelcatch://…).</translation>
    </message>
</context>
<context>
    <name>reelcatch::AboutDialog</name>
    <message>
        <source>About Reelcatch</source>
        <translation>Informazioni su Reelcatch</translation>
    </message>
    <message>
        <source>Reelcatch %1</source>
        <translation>Reelcatch %1</translation>
    </message>
    <message>
        <source>Downloads videos from YouTube with yt-dlp.</source>
        <translation>Scarica video da YouTube con yt-dlp.</translation>
    </message>
    <message>
        <source>yt-dlp</source>
        <translation>yt-dlp</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>non installato</translation>
    </message>
    <message>
        <source>deno</source>
        <translation>deno</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>installato</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <translation>ffmpeg</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licenza</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>File delle impostazioni</translation>
    </message>
    <message>
        <source>Tools folder</source>
        <translation>Cartella degli strumenti</translation>
    </message>
    <message>
        <source>Download list folder</source>
        <translation>Cartella dell’elenco dei download</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>Cache delle miniature</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or any later version (GPL-3.0-or-later). Reelcatch comes with no warranty. yt-dlp, deno and ffmpeg are not part of Reelcatch and come under their own licences.</source>
        <translation>GNU General Public License, versione 3 o qualsiasi versione successiva (GPL-3.0-or-later). Reelcatch è fornito senza alcuna garanzia. yt-dlp, deno e ffmpeg non fanno parte di Reelcatch e sono soggetti alle rispettive licenze.</translation>
    </message>
</context>
<context>
    <name>reelcatch::AppShell</name>
    <message>
        <source>Show Reelcatch</source>
        <translation>Mostra Reelcatch</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) are running or waiting. They will continue the next time you open Reelcatch.</source>
        <translation>
            <numerusform>%n download è in corso o in attesa. Continuerà alla prossima apertura di Reelcatch.</numerusform>
            <numerusform>%n download sono in corso o in attesa. Continueranno alla prossima apertura di Reelcatch.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Reelcatch?</source>
        <translation>Uscire da Reelcatch?</translation>
    </message>
</context>
<context>
    <name>reelcatch::BatchNotifier</name>
    <message>
        <source>Open Reelcatch</source>
        <translation>Apri Reelcatch</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) finished</source>
        <translation>
            <numerusform>%n download completato</numerusform>
            <numerusform>%n download completati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) failed</source>
        <translation>
            <numerusform>%n download non riuscito</numerusform>
            <numerusform>%n download non riusciti</numerusform>
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
            <numerusform>%n non riuscito</numerusform>
            <numerusform>%n non riusciti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ClipDialog</name>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Download a Clip</source>
        <translation>Scarica uno spezzone</translation>
    </message>
    <message>
        <source>The video is %1 long.</source>
        <translation>Il video dura %1.</translation>
    </message>
    <message>
        <source>The video’s length is unknown: any end after the start is taken.</source>
        <translation>La durata del video è sconosciuta: viene accettata qualsiasi fine dopo l’inizio.</translation>
    </message>
    <message>
        <source>h:mm:ss, m:ss or seconds; a pasted link’s time (t=) is taken too</source>
        <translation>h:mm:ss, m:ss o secondi; viene usato anche il tempo (t=) di un link incollato</translation>
    </message>
    <message>
        <source>h:mm:ss</source>
        <translation>h:mm:ss</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Inizio:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Fine:</translation>
    </message>
    <message>
        <source>Type the start as h:mm:ss, m:ss or seconds.</source>
        <translation>Scrivi l’inizio come h:mm:ss, m:ss o in secondi.</translation>
    </message>
    <message>
        <source>Type the end as h:mm:ss, m:ss or seconds.</source>
        <translation>Scrivi la fine come h:mm:ss, m:ss o in secondi.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>La fine deve venire dopo l’inizio.</translation>
    </message>
    <message>
        <source>The end must be within the video, which is %1 long.</source>
        <translation>La fine deve cadere entro il video, che dura %1.</translation>
    </message>
    <message>
        <source>The clip will be %1 long.</source>
        <translation>Lo spezzone durerà %1.</translation>
    </message>
</context>
<context>
    <name>reelcatch::CookieSources</name>
    <message>
        <source>The cookies file “%1” is gone; cookies are off.</source>
        <translation>Il file dei cookie “%1” non esiste più; i cookie sono disattivati.</translation>
    </message>
    <message>
        <source>%1 is no longer installed; cookies are off.</source>
        <translation>%1 non è più installato; i cookie sono disattivati.</translation>
    </message>
</context>
<context>
    <name>reelcatch::DesktopCues</name>
    <message numerus="yes">
        <source>Reelcatch · %n download(s) left</source>
        <translation>
            <numerusform>Reelcatch · %n download rimanente</numerusform>
            <numerusform>Reelcatch · %n download rimanenti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::Download</name>
    <message>
        <source>Waiting…</source>
        <translation>In attesa…</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadQueue</name>
    <message>
        <source>Waiting…</source>
        <translation>In attesa…</translation>
    </message>
    <message>
        <source>Getting ffmpeg ready (one-time, ~56 MB)…</source>
        <translation>Preparazione di ffmpeg (una sola volta, circa 56 MB)…</translation>
    </message>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>Il motore di download non è ancora installato.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”.</source>
        <translation>Impossibile creare la cartella “%1”.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Avvio…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp è terminato con il codice %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Cutting a clip needs ffmpeg, which isn&apos;t ready.</source>
        <translation>Per tagliare uno spezzone serve ffmpeg, che non è pronto.</translation>
    </message>
    <message>
        <source>Checking the clip’s length…</source>
        <translation>Verifica della durata dello spezzone…</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>The clip is %1 long instead of %2.</source>
        <translation>Lo spezzone dura %1 invece di %2.</translation>
    </message>
    <message>
        <source>%1 (its length couldn’t be checked)</source>
        <translation>%1 (non è stato possibile verificarne la durata)</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsList</name>
    <message>
        <source>Downloads</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copia link</translation>
    </message>
    <message>
        <source>Copy Error</source>
        <translation>Copia errore</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Mostra registro</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Rimuovi dall’elenco</translation>
    </message>
    <message>
        <source>Log of “%1”</source>
        <translation>Registro di “%1”</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsModel</name>
    <message numerus="yes">
        <source>Starts in %n second(s)</source>
        <translation>
            <numerusform>Inizia tra %n secondo</numerusform>
            <numerusform>Inizia tra %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Paused: YouTube is limiting requests. Resuming at %1…</source>
        <translation>In pausa: YouTube sta limitando le richieste. Ripresa alle %1…</translation>
    </message>
    <message>
        <source>%1 · Clip %2</source>
        <translation>%1 · Spezzone %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsPane</name>
    <message>
        <source>Downloads</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Rimuovi completati</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>Ancora niente qui.</translation>
    </message>
    <message numerus="yes">
        <source>%n downloading</source>
        <translation>
            <numerusform>%n in corso</numerusform>
            <numerusform>%n in corso</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queued</source>
        <translation>
            <numerusform>%n in coda</numerusform>
            <numerusform>%n in coda</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineBanner</name>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineReadiness</name>
    <message>
        <source>Setting up the download engine (one-time, ~80 MB)…</source>
        <translation>Preparazione del motore di download (una sola volta, circa 80 MB)…</translation>
    </message>
    <message>
        <source>Updating the download engine…</source>
        <translation>Aggiornamento del motore di download…</translation>
    </message>
    <message>
        <source>Couldn&apos;t install yt-dlp: %1</source>
        <translation>Impossibile installare yt-dlp: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the download engine: %1</source>
        <translation>Impossibile aggiornare il motore di download: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t download ffmpeg (%1). Downloads are limited to lower quality for now.</source>
        <translation>Impossibile scaricare ffmpeg (%1). Per ora i download sono limitati a una qualità inferiore.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FileNaming</name>
    <message>
        <source>“%1” is missing its closing parenthesis.</source>
        <translation>A “%1” manca la parentesi di chiusura.</translation>
    </message>
    <message>
        <source>“%(%1)” needs a letter after it: s for text, d for a number.</source>
        <translation>“%(%1)” deve essere seguito da una lettera: s per il testo, d per un numero.</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>Title [id]</source>
        <translation>Titolo [id]</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Channel – Title</source>
        <translation>Canale – Titolo</translation>
    </message>
    <message>
        <source>Upload date – Title</source>
        <translation>Data di caricamento – Titolo</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Personalizzato…</translation>
    </message>
    <message>
        <source>Type a name for the files.</source>
        <translation>Scrivi un nome per i file.</translation>
    </message>
    <message>
        <source>A name cannot hold line breaks or tabs.</source>
        <translation>Un nome non può contenere interruzioni di riga o tabulazioni.</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot begin with “/” or “~”.</source>
        <translation>I file restano nella cartella dei download: un nome non può iniziare con “/” o “~”.</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot step out of it with “..”.</source>
        <translation>I file restano nella cartella dei download: un nome non può uscirne con “..”.</translation>
    </message>
    <message>
        <source>The name ends with a folder: add the file&apos;s own name after the last “/”.</source>
        <translation>Il nome termina con una cartella: aggiungi il nome del file dopo l’ultima “/”.</translation>
    </message>
    <message>
        <source>“%(%1)” names no field.</source>
        <translation>“%(%1)” non indica alcun campo.</translation>
    </message>
    <message>
        <source>yt-dlp knows no field named “%1”.</source>
        <translation>yt-dlp non conosce alcun campo chiamato “%1”.</translation>
    </message>
    <message>
        <source>Every video would get this same name: add a field such as %(title)s.</source>
        <translation>Tutti i video avrebbero lo stesso nome: aggiungi un campo come %(title)s.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FolderChooser</name>
    <message>
        <source>Use Folder</source>
        <translation>Usa cartella</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatDialog</name>
    <message>
        <source>about %1</source>
        <translation>circa %1</translation>
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
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Choose Format</source>
        <translation>Scegli formato</translation>
    </message>
    <message>
        <source>Asking yt-dlp which formats this video has…</source>
        <translation>Richiesta a yt-dlp dei formati di questo video…</translation>
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
        <translation>Scarica</translation>
    </message>
    <message>
        <source>No video — audio only</source>
        <translation>Nessun video, solo audio</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>Its own sound</source>
        <translation>Audio incluso</translation>
    </message>
    <message>
        <source>This video format has its own sound.</source>
        <translation>Questo formato video include già il proprio audio.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatList</name>
    <message>
        <source>%1 wide</source>
        <translation>%1 di larghezza</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>%1 with sound</source>
        <translation>%1 con audio</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>%1 (original)</source>
        <translation>%1 (originale)</translation>
    </message>
    <message>
        <source>%1 (dubbed)</source>
        <translation>%1 (doppiato)</translation>
    </message>
    <message>
        <source>%1 (automatic dub)</source>
        <translation>%1 (doppiaggio automatico)</translation>
    </message>
    <message>
        <source>%1 (audio description)</source>
        <translation>%1 (audiodescrizione)</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatQuery</name>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>Il motore di download non è ancora installato.</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp è terminato con il codice %1</translation>
    </message>
    <message>
        <source>yt-dlp listed no formats for this video.</source>
        <translation>yt-dlp non ha elencato alcun formato per questo video.</translation>
    </message>
</context>
<context>
    <name>reelcatch::HeaderBar</name>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Paste a YouTube link, playlist or channel, or type to search</source>
        <translation>Incolla un link, una playlist o un canale di YouTube, oppure scrivi per cercare</translation>
    </message>
    <message>
        <source>Link or search words</source>
        <translation>Link o parole da cercare</translation>
    </message>
    <message>
        <source>Fetch</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Quality / format for new downloads</source>
        <translation>Qualità / formato per i nuovi download</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Save to: %1</source>
        <translation>Salva in: %1</translation>
    </message>
    <message>
        <source>Link field</source>
        <translation>Campo del link</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryList</name>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryModel</name>
    <message>
        <source>File moved or deleted</source>
        <translation>File spostato o eliminato</translation>
    </message>
    <message>
        <source>Finished %1</source>
        <translation>Completato il %1</translation>
    </message>
    <message>
        <source>File on disk</source>
        <translation>File presente</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Search titles and channels</source>
        <translation>Cerca titoli e canali</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Cerca nella cronologia</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>Saves the videos listed as a CSV file</source>
        <translation>Salva i video elencati come file CSV</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Scarica di nuovo</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copia link</translation>
    </message>
    <message>
        <source>Remove from History</source>
        <translation>Rimuovi dalla cronologia</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Esportato in %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t export to %1</source>
        <translation>Impossibile esportare in %1</translation>
    </message>
    <message>
        <source>Reelcatch History</source>
        <translation>Cronologia di Reelcatch</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Esportazione…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n video</numerusform>
            <numerusform>%n video</numerusform>
        </translation>
    </message>
    <message>
        <source>No videos downloaded yet.</source>
        <translation>Nessun video ancora scaricato.</translation>
    </message>
    <message>
        <source>No video matches the search.</source>
        <translation>Nessun video corrisponde alla ricerca.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Installer</name>
    <message>
        <source>Couldn&apos;t create the folder %1: %2</source>
        <translation>Impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the download site: %1</source>
        <translation>Impossibile raggiungere il sito di download: %1</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t match its published checksum.</source>
        <translation>Il %1 scaricato non corrisponde al checksum pubblicato.</translation>
    </message>
    <message>
        <source>The downloaded %1 is larger than expected.</source>
        <translation>Il %1 scaricato è più grande del previsto.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Download failed (HTTP %1): %2</source>
        <translation>Download non riuscito (HTTP %1): %2</translation>
    </message>
    <message>
        <source>Download failed (HTTP 0): %1</source>
        <translation>Download non riuscito (HTTP 0): %1</translation>
    </message>
    <message>
        <source>Download incomplete (%1 of %2 bytes): %3</source>
        <translation>Download incompleto (%1 di %2 byte): %3</translation>
    </message>
    <message>
        <source>Download stalled (nothing received for %1 s): %2</source>
        <translation>Download bloccato (niente ricevuto da %1 s): %2</translation>
    </message>
    <message>
        <source>Download too slow (under %1 bytes/s for %2 s): %3</source>
        <translation>Download troppo lento (meno di %1 byte/s per %2 s): %3</translation>
    </message>
    <message>
        <source>Can&apos;t check the downloaded %1: gpgv is missing (install the package gpgv).</source>
        <translation>Impossibile verificare il %1 scaricato: manca gpgv (installa il pacchetto gpgv).</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the signing key %1</source>
        <translation>Impossibile leggere la chiave di firma %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t unpack %1: %2</source>
        <translation>Impossibile estrarre %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t make %1 executable: %2</source>
        <translation>Impossibile rendere eseguibile %1: %2</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t run.</source>
        <translation>Il %1 scaricato non si avvia.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install %1: %2</source>
        <translation>Impossibile installare %1: %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::Library</name>
    <message>
        <source>File moved or deleted</source>
        <translation>File spostato o eliminato</translation>
    </message>
    <message>
        <source>Your download list couldn&apos;t be read and was started afresh.</source>
        <translation>Non è stato possibile leggere l’elenco dei download, che è stato ricreato da zero.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>il disco ha segnalato un errore</translation>
    </message>
    <message>
        <source>its folder can&apos;t be written to</source>
        <translation>non si può scrivere nella sua cartella</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>un altro programma lo sta usando</translation>
    </message>
    <message>
        <source>its file can&apos;t be opened</source>
        <translation>il suo file non si può aprire</translation>
    </message>
    <message>
        <source>This download list was saved by a newer Reelcatch. It is kept unchanged and not used.</source>
        <translation>Questo elenco dei download è stato salvato da una versione più recente di Reelcatch. Viene lasciato invariato e non viene usato.</translation>
    </message>
    <message>
        <source>Reelcatch is already open elsewhere with this download list; this window&apos;s list won&apos;t be kept.</source>
        <translation>Reelcatch è già aperto altrove con questo elenco dei download; l’elenco di questa finestra non verrà conservato.</translation>
    </message>
    <message>
        <source>Your download list can&apos;t be saved right now: %1.</source>
        <translation>Al momento non è possibile salvare l’elenco dei download: %1.</translation>
    </message>
</context>
<context>
    <name>reelcatch::LinkHeading</name>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Deseleziona tutto</translation>
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
        <translation>È troppo lungo per essere un link o una ricerca.</translation>
    </message>
    <message>
        <source>The download engine is still being set up. Try again in a moment.</source>
        <translation>Il motore di download è ancora in preparazione. Riprova tra un momento.</translation>
    </message>
    <message>
        <source>yt-dlp couldn&apos;t be installed. %1 Try Again from the banner.</source>
        <translation>Impossibile installare yt-dlp. %1 Usa “Riprova” nell’avviso in alto.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load that link.</source>
        <translation>Impossibile caricare quel link.</translation>
    </message>
    <message>
        <source>Search: %1</source>
        <translation>Ricerca: %1</translation>
    </message>
    <message>
        <source>Nothing downloadable found there.</source>
        <translation>Non c’è niente da scaricare lì.</translation>
    </message>
    <message>
        <source>yt-dlp stopped answering.</source>
        <translation>yt-dlp ha smesso di rispondere.</translation>
    </message>
    <message>
        <source>Only the first video could be listed.</source>
        <translation>È stato possibile elencare solo il primo video.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n videos could be listed.</source>
        <translation>
            <numerusform>È stato possibile elencare solo il primo video.</numerusform>
            <numerusform>È stato possibile elencare solo i primi %n video.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s)</source>
        <translation>
            <numerusform>%n link</numerusform>
            <numerusform>%n link</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t open that file. %1</source>
        <translation>Impossibile aprire il file. %1</translation>
    </message>
    <message>
        <source>That file is too big to be a list of links.</source>
        <translation>Il file è troppo grande per essere un elenco di link.</translation>
    </message>
    <message>
        <source>No links found in that file.</source>
        <translation>Nessun link trovato nel file.</translation>
    </message>
</context>
<context>
    <name>reelcatch::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Results and downloads</source>
        <translation>Risultati e download</translation>
    </message>
    <message>
        <source>Divider between results and downloads</source>
        <translation>Separatore tra risultati e download</translation>
    </message>
    <message>
        <source>Download Ticked</source>
        <translation>Scarica i video spuntati</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>About Reelcatch</source>
        <translation>Informazioni su Reelcatch</translation>
    </message>
    <message>
        <source>Open List of Links…</source>
        <translation>Apri elenco di link…</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fi&amp;nestra</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Open List of Links</source>
        <translation>Apri elenco di link</translation>
    </message>
    <message>
        <source>Text files (*.txt *.list)</source>
        <translation>File di testo (*.txt *.list)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>reelcatch::Network</name>
    <message>
        <source>A proxy address begins with http://, https:// or socks5://, as in socks5://127.0.0.1:1080.</source>
        <translation>Un indirizzo proxy inizia con http://, https:// o socks5://, come socks5://127.0.0.1:1080.</translation>
    </message>
    <message>
        <source>The proxy address needs a host after “//”.</source>
        <translation>L’indirizzo proxy richiede un host dopo “//”.</translation>
    </message>
    <message>
        <source>A proxy address ends with its host and port, with nothing after them.</source>
        <translation>Un indirizzo proxy termina con host e porta, senza nulla dopo.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Preset</name>
    <message>
        <source>Best available</source>
        <translation>Migliore disponibile</translation>
    </message>
    <message>
        <source>Audio only (MP3)</source>
        <translation>Solo audio (MP3)</translation>
    </message>
    <message>
        <source>Audio only (M4A)</source>
        <translation>Solo audio (M4A)</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Migliore</translation>
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
        <source>Converting audio…</source>
        <translation>Conversione audio…</translation>
    </message>
    <message>
        <source>Finishing up…</source>
        <translation>Completamento…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>mancano %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultDelegate</name>
    <message>
        <source>Download just this one</source>
        <translation>Scarica solo questo</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Scaricato</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsList</name>
    <message>
        <source>Choose Format…</source>
        <translation>Scegli formato…</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Open on YouTube</source>
        <translation>Apri su YouTube</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copia link</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Spunta</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>Togli spunta</translation>
    </message>
    <message>
        <source>Download a Clip…</source>
        <translation>Scarica uno spezzone…</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsModel</name>
    <message>
        <source>Downloaded</source>
        <translation>Scaricato</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Upcoming</source>
        <translation>In arrivo</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Looking it up…</source>
        <translation>Ricerca in corso…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>%n video finora</numerusform>
            <numerusform>%n video finora</numerusform>
        </translation>
    </message>
    <message>
        <source>Not looked up</source>
        <translation>Non cercato</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n video, elenco interrotto</numerusform>
            <numerusform>%n video, elenco interrotto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n video</numerusform>
            <numerusform>%n video</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsPane</name>
    <message>
        <source>Looking it up…</source>
        <translation>Ricerca in corso…</translation>
    </message>
    <message>
        <source>Paste a link to get started</source>
        <translation>Incolla un link per iniziare</translation>
    </message>
    <message>
        <source>Copy a YouTube link anywhere and switch back here, it loads automatically.
You can also drag a link onto this window, or type words to search YouTube.</source>
        <translation>Copia un link di YouTube ovunque e torna qui: si carica automaticamente.
Puoi anche trascinare un link su questa finestra o scrivere delle parole per cercare su YouTube.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n video</numerusform>
            <numerusform>%n video</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n selezionato</numerusform>
            <numerusform>%n selezionati</numerusform>
        </translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Scarica %1</translation>
    </message>
    <message>
        <source>Select New</source>
        <translation>Seleziona nuovi</translation>
    </message>
    <message>
        <source>Tick only the videos not downloaded before</source>
        <translation>Spunta solo i video non ancora scaricati</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>%n video finora</numerusform>
            <numerusform>%n video finora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n video, elenco interrotto</numerusform>
            <numerusform>%n video, elenco interrotto</numerusform>
        </translation>
    </message>
    <message>
        <source>Download the ticked videos (%1)</source>
        <translation>Scarica i video spuntati (%1)</translation>
    </message>
    <message>
        <source>Choose Format…</source>
        <translation>Scegli formato…</translation>
    </message>
    <message>
        <source>Pick the video and audio formats of this video</source>
        <translation>Scegli i formati video e audio di questo video</translation>
    </message>
</context>
<context>
    <name>reelcatch::SettingsWindow</name>
    <message>
        <source>Prefer H.264 so files play in any player and on any device</source>
        <translation>Preferisci H.264 perché i file si riproducano in ogni lettore e su ogni dispositivo</translation>
    </message>
    <message>
        <source>Above 1080p YouTube only offers VP9/AV1. Those play in VLC, mpv and current browsers, but not on every older device.</source>
        <translation>Sopra i 1080p YouTube offre solo VP9/AV1. Questi formati si riproducono in VLC, mpv e nei browser attuali, ma non su tutti i dispositivi meno recenti.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Salvataggio</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Cambia…</translation>
    </message>
    <message>
        <source>Download folder</source>
        <translation>Cartella dei download</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Pause between downloads, in seconds</source>
        <translation>Pausa tra i download, in secondi</translation>
    </message>
    <message>
        <source>Pause between downloads</source>
        <translation>Pausa tra i download</translation>
    </message>
    <message>
        <source>Load YouTube links from the clipboard automatically</source>
        <translation>Carica automaticamente i link di YouTube dagli appunti</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Embed subtitles</source>
        <translation>Incorpora i sottotitoli</translation>
    </message>
    <message>
        <source>Subtitle languages</source>
        <translation>Lingue dei sottotitoli</translation>
    </message>
    <message>
        <source>Save subtitles as files (SRT)</source>
        <translation>Salva i sottotitoli come file (SRT)</translation>
    </message>
    <message>
        <source>Include automatic captions</source>
        <translation>Includi i sottotitoli automatici</translation>
    </message>
    <message>
        <source>Audio language</source>
        <translation>Lingua dell’audio</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>SponsorBlock</source>
        <translation>SponsorBlock</translation>
    </message>
    <message>
        <source>What to do with sponsor and other segments viewers have marked</source>
        <translation>Cosa fare con gli sponsor e gli altri segmenti segnalati dagli spettatori</translation>
    </message>
    <message>
        <source>Mark as chapters</source>
        <translation>Segna come capitoli</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Sponsor</source>
        <translation>Sponsor</translation>
    </message>
    <message>
        <source>Self-promotion</source>
        <translation>Autopromozione</translation>
    </message>
    <message>
        <source>Interaction reminder</source>
        <translation>Promemoria di interazione</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Outro</source>
        <translation>Titoli di coda</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Non-music section</source>
        <translation>Sezione non musicale</translation>
    </message>
    <message>
        <source>Filler</source>
        <translation>Riempitivo</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Metadati</translation>
    </message>
    <message>
        <source>Embed title, channel and date</source>
        <translation>Incorpora titolo, canale e data</translation>
    </message>
    <message>
        <source>Embed thumbnail as cover art</source>
        <translation>Incorpora la miniatura come copertina</translation>
    </message>
    <message>
        <source>YouTube account</source>
        <translation>Account YouTube</translation>
    </message>
    <message>
        <source>Use cookies from</source>
        <translation>Usa i cookie di</translation>
    </message>
    <message>
        <source>The browser or file whose sign-in YouTube sees</source>
        <translation>Il browser o il file da cui YouTube riconosce il tuo accesso</translation>
    </message>
    <message>
        <source>Cookies let YouTube see you as signed in. Close YouTube in that browser while downloading if it locks its cookies. YouTube may limit accounts that download a lot.</source>
        <translation>I cookie permettono a YouTube di vederti con l’accesso effettuato. Chiudi YouTube in quel browser durante il download se blocca i suoi cookie. YouTube può limitare gli account che scaricano molto.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motore</translation>
    </message>
    <message>
        <source>JS runtime (deno)</source>
        <translation>Runtime JS (deno)</translation>
    </message>
    <message>
        <source>YouTube changes often. If downloads start failing, update the engine.</source>
        <translation>YouTube cambia spesso. Se i download iniziano a fallire, aggiorna il motore.</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>A cookies file…</source>
        <translation>Un file dei cookie…</translation>
    </message>
    <message>
        <source>Use File</source>
        <translation>Usa file</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>non installato</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>installato</translation>
    </message>
    <message>
        <source>installs with your first download</source>
        <translation>si installa con il primo download</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>Parallel downloads</source>
        <translation>Download simultanei</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no pause between downloads</comment>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>SponsorBlock</comment>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no subtitle languages</comment>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no cookies</comment>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nomi dei file</translation>
    </message>
    <message>
        <source>How downloaded files are named</source>
        <translation>Come vengono chiamati i file scaricati</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>Modello del nome</translation>
    </message>
    <message>
        <source>Put each playlist in a folder of its own, numbered</source>
        <translation>Metti ogni playlist in una propria cartella, con numerazione</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>None, or socks5://host:port</source>
        <translation>Nessuno, o socks5://host:porta</translation>
    </message>
    <message>
        <source> MB/s</source>
        <translation> MB/s</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Nessun limite</translation>
    </message>
    <message>
        <source>Limit each download to, in MB/s</source>
        <translation>Limita ogni download a, in MB/s</translation>
    </message>
    <message>
        <source>Limit each download to</source>
        <translation>Limita ogni download a</translation>
    </message>
    <message>
        <source>Lookups and downloads go through the proxy; the limit holds for each download on its own.</source>
        <translation>Ricerche e download passano dal proxy; il limite vale per ogni singolo download.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Per esempio: %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Look up the link or search words</source>
        <translation>Cerca il link o le parole</translation>
    </message>
    <message>
        <source>Stop the lookup</source>
        <translation>Ferma la ricerca</translation>
    </message>
    <message>
        <source>Tick or untick the current result</source>
        <translation>Spunta o togli la spunta al risultato attuale</translation>
    </message>
    <message>
        <source>Download the ticked videos</source>
        <translation>Scarica i video spuntati</translation>
    </message>
    <message>
        <source>Open the file of the current finished download</source>
        <translation>Apri il file del download completato attuale</translation>
    </message>
    <message>
        <source>Remove the current finished download from the list</source>
        <translation>Rimuovi dall’elenco il download completato attuale</translation>
    </message>
    <message>
        <source>Show what the current row offers</source>
        <translation>Mostra cosa offre la riga attuale</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Close Settings or this window</source>
        <translation>Chiudi le impostazioni o questa finestra</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Look up the links in a text file</source>
        <translation>Cerca i link in un file di testo</translation>
    </message>
    <message>
        <source>Show the history of finished videos</source>
        <translation>Mostra la cronologia dei video completati</translation>
    </message>
    <message>
        <source>History: show the selected video&apos;s file in its folder</source>
        <translation>Cronologia: mostra il file del video selezionato nella sua cartella</translation>
    </message>
    <message>
        <source>History: download the selected video again</source>
        <translation>Cronologia: scarica di nuovo il video selezionato</translation>
    </message>
    <message>
        <source>History: export the videos listed as CSV</source>
        <translation>Cronologia: esporta come CSV i video elencati</translation>
    </message>
</context>
</TS>
