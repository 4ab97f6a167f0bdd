<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>YouTube quiere que un navegador con sesión iniciada confirme que usted no es un bot.</translation>
    </message>
    <message>
        <source>This video is age-restricted. Sign in with a browser to download it.</source>
        <translation>Este vídeo tiene restricción de edad. Inicie sesión en un navegador para descargarlo.</translation>
    </message>
    <message>
        <source>This video is private or for channel members only.</source>
        <translation>Este vídeo es privado o solo para miembros del canal.</translation>
    </message>
    <message>
        <source>YouTube is limiting requests from this connection. Downloads resume by themselves.</source>
        <translation>YouTube está limitando las solicitudes de esta conexión. Las descargas se reanudarán solas.</translation>
    </message>
    <message>
        <source>This video is unavailable.</source>
        <translation>Este vídeo no está disponible.</translation>
    </message>
    <message>
        <source>The download engine needs an update.</source>
        <translation>El motor de descarga necesita una actualización.</translation>
    </message>
    <message>
        <source>Can&apos;t reach YouTube. Check the connection.</source>
        <translation>No se puede conectar con YouTube. Compruebe la conexión.</translation>
    </message>
    <message>
        <source>The download folder&apos;s disk is full.</source>
        <translation>El disco de la carpeta de descargas está lleno.</translation>
    </message>
    <message>
        <source>This quality isn&apos;t available for this video. Pick another.</source>
        <translation>Esta calidad no está disponible para este vídeo. Elija otra.</translation>
    </message>
    <message>
        <source>YouTube is still limiting requests from this connection. Try again later.</source>
        <translation>YouTube sigue limitando las solicitudes de esta conexión. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>(version unknown)</source>
        <translation>(versión desconocida)</translation>
    </message>
    <message>
        <source>Choose Browser…</source>
        <translation>Elegir navegador…</translation>
    </message>
    <message>
        <source>Resume Now</source>
        <translation>Reanudar ahora</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Download videos and audio with yt-dlp.</source>
        <translation>Descargar vídeos y audio con yt-dlp.</translation>
    </message>
    <message>
        <source>Links to look up (also reelcatch://…).</source>
        <translation>Enlaces que buscar (también reelcatch://…).</translation>
    </message>
</context>
<context>
    <name>reelcatch::AboutDialog</name>
    <message>
        <source>About Reelcatch</source>
        <translation>Acerca de Reelcatch</translation>
    </message>
    <message>
        <source>Reelcatch %1</source>
        <translation>Reelcatch %1</translation>
    </message>
    <message>
        <source>Downloads videos from YouTube with yt-dlp.</source>
        <translation>Descarga vídeos de YouTube con yt-dlp.</translation>
    </message>
    <message>
        <source>yt-dlp</source>
        <translation>yt-dlp</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>no instalado</translation>
    </message>
    <message>
        <source>deno</source>
        <translation>deno</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>instalado</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <translation>ffmpeg</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Archivo de configuración</translation>
    </message>
    <message>
        <source>Tools folder</source>
        <translation>Carpeta de herramientas</translation>
    </message>
    <message>
        <source>Download list folder</source>
        <translation>Carpeta de la lista de descargas</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>Caché de miniaturas</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or any later version (GPL-3.0-or-later). Reelcatch comes with no warranty. yt-dlp, deno and ffmpeg are not part of Reelcatch and come under their own licences.</source>
        <translation>Licencia Pública General de GNU, versión 3 o cualquier versión posterior (GPL-3.0-or-later). Reelcatch se ofrece sin ninguna garantía. yt-dlp, deno y ffmpeg no forman parte de Reelcatch y se rigen por sus propias licencias.</translation>
    </message>
</context>
<context>
    <name>reelcatch::AppShell</name>
    <message>
        <source>Show Reelcatch</source>
        <translation>Mostrar Reelcatch</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) are running or waiting. They will continue the next time you open Reelcatch.</source>
        <translation>
            <numerusform>%n descarga está en curso o en espera. Continuará la próxima vez que abra Reelcatch.</numerusform>
            <numerusform>%n descargas están en curso o en espera. Continuarán la próxima vez que abra Reelcatch.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Reelcatch?</source>
        <translation>¿Salir de Reelcatch?</translation>
    </message>
</context>
<context>
    <name>reelcatch::BatchNotifier</name>
    <message>
        <source>Open Reelcatch</source>
        <translation>Abrir Reelcatch</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) finished</source>
        <translation>
            <numerusform>%n descarga terminada</numerusform>
            <numerusform>%n descargas terminadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) failed</source>
        <translation>
            <numerusform>%n descarga fallida</numerusform>
            <numerusform>%n descargas fallidas</numerusform>
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
            <numerusform>%n fallida</numerusform>
            <numerusform>%n fallidas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ClipDialog</name>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Download a Clip</source>
        <translation>Descargar un fragmento</translation>
    </message>
    <message>
        <source>The video is %1 long.</source>
        <translation>El vídeo dura %1.</translation>
    </message>
    <message>
        <source>The video’s length is unknown: any end after the start is taken.</source>
        <translation>Se desconoce la duración del vídeo: se acepta cualquier final posterior al inicio.</translation>
    </message>
    <message>
        <source>h:mm:ss, m:ss or seconds; a pasted link’s time (t=) is taken too</source>
        <translation>h:mm:ss, m:ss o segundos; también se usa la marca de tiempo (t=) de un enlace pegado</translation>
    </message>
    <message>
        <source>h:mm:ss</source>
        <translation>h:mm:ss</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Inicio:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Fin:</translation>
    </message>
    <message>
        <source>Type the start as h:mm:ss, m:ss or seconds.</source>
        <translation>Escriba el inicio como h:mm:ss, m:ss o en segundos.</translation>
    </message>
    <message>
        <source>Type the end as h:mm:ss, m:ss or seconds.</source>
        <translation>Escriba el final como h:mm:ss, m:ss o en segundos.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>El final debe estar después del inicio.</translation>
    </message>
    <message>
        <source>The end must be within the video, which is %1 long.</source>
        <translation>El final debe estar dentro del vídeo, que dura %1.</translation>
    </message>
    <message>
        <source>The clip will be %1 long.</source>
        <translation>El fragmento durará %1.</translation>
    </message>
</context>
<context>
    <name>reelcatch::CookieSources</name>
    <message>
        <source>The cookies file “%1” is gone; cookies are off.</source>
        <translation>El archivo de cookies “%1” ya no existe; las cookies están desactivadas.</translation>
    </message>
    <message>
        <source>%1 is no longer installed; cookies are off.</source>
        <translation>%1 ya no está instalado; las cookies están desactivadas.</translation>
    </message>
</context>
<context>
    <name>reelcatch::DesktopCues</name>
    <message numerus="yes">
        <source>Reelcatch · %n download(s) left</source>
        <translation>
            <numerusform>Reelcatch · queda %n descarga</numerusform>
            <numerusform>Reelcatch · quedan %n descargas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::Download</name>
    <message>
        <source>Waiting…</source>
        <translation>En espera…</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadQueue</name>
    <message>
        <source>Waiting…</source>
        <translation>En espera…</translation>
    </message>
    <message>
        <source>Getting ffmpeg ready (one-time, ~56 MB)…</source>
        <translation>Preparando ffmpeg (una sola vez, unos 56 MB)…</translation>
    </message>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>El motor de descarga aún no está instalado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”.</source>
        <translation>No se pudo crear la carpeta “%1”.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp terminó con el código %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelada</translation>
    </message>
    <message>
        <source>Cutting a clip needs ffmpeg, which isn&apos;t ready.</source>
        <translation>Para cortar un fragmento se necesita ffmpeg, que no está listo.</translation>
    </message>
    <message>
        <source>Checking the clip’s length…</source>
        <translation>Comprobando la duración del fragmento…</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>The clip is %1 long instead of %2.</source>
        <translation>El fragmento dura %1 en lugar de %2.</translation>
    </message>
    <message>
        <source>%1 (its length couldn’t be checked)</source>
        <translation>%1 (no se pudo comprobar su duración)</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsList</name>
    <message>
        <source>Downloads</source>
        <translation>Descargas</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Copy Error</source>
        <translation>Copiar error</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Mostrar registro</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <source>Log of “%1”</source>
        <translation>Registro de “%1”</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsModel</name>
    <message numerus="yes">
        <source>Starts in %n second(s)</source>
        <translation>
            <numerusform>Empieza en %n segundo</numerusform>
            <numerusform>Empieza en %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Paused: YouTube is limiting requests. Resuming at %1…</source>
        <translation>En pausa: YouTube está limitando las solicitudes. Se reanuda a las %1…</translation>
    </message>
    <message>
        <source>%1 · Clip %2</source>
        <translation>%1 · Fragmento %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsPane</name>
    <message>
        <source>Downloads</source>
        <translation>Descargas</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Quitar terminadas</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>Aún no hay nada aquí.</translation>
    </message>
    <message numerus="yes">
        <source>%n downloading</source>
        <translation>
            <numerusform>%n descargando</numerusform>
            <numerusform>%n descargando</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queued</source>
        <translation>
            <numerusform>%n en cola</numerusform>
            <numerusform>%n en cola</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineBanner</name>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineReadiness</name>
    <message>
        <source>Setting up the download engine (one-time, ~80 MB)…</source>
        <translation>Preparando el motor de descarga (una sola vez, unos 80 MB)…</translation>
    </message>
    <message>
        <source>Updating the download engine…</source>
        <translation>Actualizando el motor de descarga…</translation>
    </message>
    <message>
        <source>Couldn&apos;t install yt-dlp: %1</source>
        <translation>No se pudo instalar yt-dlp: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the download engine: %1</source>
        <translation>No se pudo actualizar el motor de descarga: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t download ffmpeg (%1). Downloads are limited to lower quality for now.</source>
        <translation>No se pudo descargar ffmpeg (%1). Por ahora, las descargas se limitan a una calidad menor.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FileNaming</name>
    <message>
        <source>“%1” is missing its closing parenthesis.</source>
        <translation>Falta el paréntesis de cierre en “%1”.</translation>
    </message>
    <message>
        <source>“%(%1)” needs a letter after it: s for text, d for a number.</source>
        <translation>“%(%1)” necesita una letra detrás: s para texto, d para un número.</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Lista de reproducción</translation>
    </message>
    <message>
        <source>Title [id]</source>
        <translation>Título [id]</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Channel – Title</source>
        <translation>Canal – Título</translation>
    </message>
    <message>
        <source>Upload date – Title</source>
        <translation>Fecha de subida – Título</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Personalizada…</translation>
    </message>
    <message>
        <source>Type a name for the files.</source>
        <translation>Escriba un nombre para los archivos.</translation>
    </message>
    <message>
        <source>A name cannot hold line breaks or tabs.</source>
        <translation>Un nombre no puede contener saltos de línea ni tabulaciones.</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot begin with “/” or “~”.</source>
        <translation>Los archivos quedan en la carpeta de descargas: un nombre no puede empezar por “/” ni “~”.</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot step out of it with “..”.</source>
        <translation>Los archivos quedan en la carpeta de descargas: un nombre no puede salir de ella con “..”.</translation>
    </message>
    <message>
        <source>The name ends with a folder: add the file&apos;s own name after the last “/”.</source>
        <translation>El nombre termina en una carpeta: añada el nombre del archivo tras la última “/”.</translation>
    </message>
    <message>
        <source>“%(%1)” names no field.</source>
        <translation>“%(%1)” no indica ningún campo.</translation>
    </message>
    <message>
        <source>yt-dlp knows no field named “%1”.</source>
        <translation>yt-dlp no conoce ningún campo llamado “%1”.</translation>
    </message>
    <message>
        <source>Every video would get this same name: add a field such as %(title)s.</source>
        <translation>Todos los vídeos tendrían el mismo nombre: añada un campo como %(title)s.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FolderChooser</name>
    <message>
        <source>Use Folder</source>
        <translation>Usar carpeta</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatDialog</name>
    <message>
        <source>about %1</source>
        <translation>unos %1</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Choose Format</source>
        <translation>Elegir formato</translation>
    </message>
    <message>
        <source>Asking yt-dlp which formats this video has…</source>
        <translation>Preguntando a yt-dlp qué formatos tiene este vídeo…</translation>
    </message>
    <message>
        <source>&amp;Video</source>
        <translation>&amp;Vídeo</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Audio</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>No video — audio only</source>
        <translation>Sin vídeo: solo audio</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>Its own sound</source>
        <translation>Audio propio</translation>
    </message>
    <message>
        <source>This video format has its own sound.</source>
        <translation>Este formato de vídeo tiene su propio audio.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatList</name>
    <message>
        <source>%1 wide</source>
        <translation>%1 de ancho</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>%1 with sound</source>
        <translation>%1 con sonido</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>%1 (original)</source>
        <translation>%1 (original)</translation>
    </message>
    <message>
        <source>%1 (dubbed)</source>
        <translation>%1 (doblado)</translation>
    </message>
    <message>
        <source>%1 (automatic dub)</source>
        <translation>%1 (doblaje automático)</translation>
    </message>
    <message>
        <source>%1 (audio description)</source>
        <translation>%1 (audiodescripción)</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatQuery</name>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>El motor de descarga aún no está instalado.</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp terminó con el código %1</translation>
    </message>
    <message>
        <source>yt-dlp listed no formats for this video.</source>
        <translation>yt-dlp no encontró formatos para este vídeo.</translation>
    </message>
</context>
<context>
    <name>reelcatch::HeaderBar</name>
    <message>
        <source>Clear</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Paste a YouTube link, playlist or channel, or type to search</source>
        <translation>Pegue un enlace de YouTube, lista de reproducción o canal, o escriba para buscar</translation>
    </message>
    <message>
        <source>Link or search words</source>
        <translation>Enlace o palabras de búsqueda</translation>
    </message>
    <message>
        <source>Fetch</source>
        <translation>Obtener</translation>
    </message>
    <message>
        <source>Quality / format for new downloads</source>
        <translation>Calidad / formato de las nuevas descargas</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Save to: %1</source>
        <translation>Guardar en: %1</translation>
    </message>
    <message>
        <source>Link field</source>
        <translation>Campo del enlace</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryList</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryModel</name>
    <message>
        <source>File moved or deleted</source>
        <translation>Archivo movido o eliminado</translation>
    </message>
    <message>
        <source>Finished %1</source>
        <translation>Terminado el %1</translation>
    </message>
    <message>
        <source>File on disk</source>
        <translation>Archivo en el disco</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Search titles and channels</source>
        <translation>Buscar títulos y canales</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Buscar en el historial</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Saves the videos listed as a CSV file</source>
        <translation>Guarda como archivo CSV los vídeos listados</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Volver a descargar</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Remove from History</source>
        <translation>Quitar del historial</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportado a %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t export to %1</source>
        <translation>No se pudo exportar a %1</translation>
    </message>
    <message>
        <source>Reelcatch History</source>
        <translation>Historial de Reelcatch</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Exportando…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n vídeo</numerusform>
            <numerusform>%n vídeos</numerusform>
        </translation>
    </message>
    <message>
        <source>No videos downloaded yet.</source>
        <translation>Aún no se ha descargado ningún vídeo.</translation>
    </message>
    <message>
        <source>No video matches the search.</source>
        <translation>Ningún vídeo coincide con la búsqueda.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Installer</name>
    <message>
        <source>Couldn&apos;t create the folder %1: %2</source>
        <translation>No se pudo crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the download site: %1</source>
        <translation>No se puede conectar con el sitio de descarga: %1</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t match its published checksum.</source>
        <translation>El %1 descargado no coincide con su suma de comprobación publicada.</translation>
    </message>
    <message>
        <source>The downloaded %1 is larger than expected.</source>
        <translation>El %1 descargado es más grande de lo esperado.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Download failed (HTTP %1): %2</source>
        <translation>La descarga falló (HTTP %1): %2</translation>
    </message>
    <message>
        <source>Download failed (HTTP 0): %1</source>
        <translation>La descarga falló (HTTP 0): %1</translation>
    </message>
    <message>
        <source>Download incomplete (%1 of %2 bytes): %3</source>
        <translation>Descarga incompleta (%1 de %2 bytes): %3</translation>
    </message>
    <message>
        <source>Download stalled (nothing received for %1 s): %2</source>
        <translation>Descarga atascada (no se ha recibido nada en %1 s): %2</translation>
    </message>
    <message>
        <source>Download too slow (under %1 bytes/s for %2 s): %3</source>
        <translation>Descarga demasiado lenta (menos de %1 bytes/s durante %2 s): %3</translation>
    </message>
    <message>
        <source>Can&apos;t check the downloaded %1: gpgv is missing (install the package gpgv).</source>
        <translation>No se puede comprobar el %1 descargado: falta gpgv (instale el paquete gpgv).</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the signing key %1</source>
        <translation>No se pudo leer la clave de firma %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t unpack %1: %2</source>
        <translation>No se pudo descomprimir %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t make %1 executable: %2</source>
        <translation>No se pudo hacer ejecutable %1: %2</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t run.</source>
        <translation>El %1 descargado no se ejecuta.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install %1: %2</source>
        <translation>No se pudo instalar %1: %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::Library</name>
    <message>
        <source>File moved or deleted</source>
        <translation>Archivo movido o eliminado</translation>
    </message>
    <message>
        <source>Your download list couldn&apos;t be read and was started afresh.</source>
        <translation>No se pudo leer su lista de descargas y se ha empezado una nueva.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>el disco informó de un error</translation>
    </message>
    <message>
        <source>its folder can&apos;t be written to</source>
        <translation>no se puede escribir en su carpeta</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>otro programa la está usando</translation>
    </message>
    <message>
        <source>its file can&apos;t be opened</source>
        <translation>no se puede abrir su archivo</translation>
    </message>
    <message>
        <source>This download list was saved by a newer Reelcatch. It is kept unchanged and not used.</source>
        <translation>Esta lista de descargas la guardó una versión más reciente de Reelcatch. Se conserva sin cambios y no se usa.</translation>
    </message>
    <message>
        <source>Reelcatch is already open elsewhere with this download list; this window&apos;s list won&apos;t be kept.</source>
        <translation>Reelcatch ya está abierto en otro lugar con esta lista de descargas; la lista de esta ventana no se conservará.</translation>
    </message>
    <message>
        <source>Your download list can&apos;t be saved right now: %1.</source>
        <translation>Ahora mismo no se puede guardar su lista de descargas: %1.</translation>
    </message>
</context>
<context>
    <name>reelcatch::LinkHeading</name>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Deseleccionar todo</translation>
    </message>
</context>
<context>
    <name>reelcatch::Listing</name>
    <message>
        <source>Playlist</source>
        <translation>Lista de reproducción</translation>
    </message>
</context>
<context>
    <name>reelcatch::Lookup</name>
    <message>
        <source>That&apos;s too long to be a link or a search.</source>
        <translation>Es demasiado largo para ser un enlace o una búsqueda.</translation>
    </message>
    <message>
        <source>The download engine is still being set up. Try again in a moment.</source>
        <translation>El motor de descarga aún se está preparando. Inténtelo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>yt-dlp couldn&apos;t be installed. %1 Try Again from the banner.</source>
        <translation>No se pudo instalar yt-dlp. %1 Pulse “Reintentar” en el aviso superior.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load that link.</source>
        <translation>No se pudo cargar ese enlace.</translation>
    </message>
    <message>
        <source>Search: %1</source>
        <translation>Búsqueda: %1</translation>
    </message>
    <message>
        <source>Nothing downloadable found there.</source>
        <translation>No se encontró nada que descargar ahí.</translation>
    </message>
    <message>
        <source>yt-dlp stopped answering.</source>
        <translation>yt-dlp dejó de responder.</translation>
    </message>
    <message>
        <source>Only the first video could be listed.</source>
        <translation>Solo se pudo listar el primer vídeo.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n videos could be listed.</source>
        <translation>
            <numerusform>Solo se pudo listar el primer vídeo.</numerusform>
            <numerusform>Solo se pudieron listar los primeros %n vídeos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s)</source>
        <translation>
            <numerusform>%n enlace</numerusform>
            <numerusform>%n enlaces</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t open that file. %1</source>
        <translation>No se pudo abrir ese archivo. %1</translation>
    </message>
    <message>
        <source>That file is too big to be a list of links.</source>
        <translation>Ese archivo es demasiado grande para ser una lista de enlaces.</translation>
    </message>
    <message>
        <source>No links found in that file.</source>
        <translation>No se encontraron enlaces en ese archivo.</translation>
    </message>
</context>
<context>
    <name>reelcatch::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Results and downloads</source>
        <translation>Resultados y descargas</translation>
    </message>
    <message>
        <source>Divider between results and downloads</source>
        <translation>Separador entre resultados y descargas</translation>
    </message>
    <message>
        <source>Download Ticked</source>
        <translation>Descargar marcados</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>About Reelcatch</source>
        <translation>Acerca de Reelcatch</translation>
    </message>
    <message>
        <source>Open List of Links…</source>
        <translation>Abrir lista de enlaces…</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Open List of Links</source>
        <translation>Abrir lista de enlaces</translation>
    </message>
    <message>
        <source>Text files (*.txt *.list)</source>
        <translation>Archivos de texto (*.txt *.list)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>reelcatch::Network</name>
    <message>
        <source>A proxy address begins with http://, https:// or socks5://, as in socks5://127.0.0.1:1080.</source>
        <translation>Una dirección de proxy empieza por http://, https:// o socks5://, como socks5://127.0.0.1:1080.</translation>
    </message>
    <message>
        <source>The proxy address needs a host after “//”.</source>
        <translation>La dirección del proxy necesita un host tras “//”.</translation>
    </message>
    <message>
        <source>A proxy address ends with its host and port, with nothing after them.</source>
        <translation>Una dirección de proxy termina con su host y su puerto, sin nada detrás.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Preset</name>
    <message>
        <source>Best available</source>
        <translation>Mejor disponible</translation>
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
        <translation>Mejor</translation>
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
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Converting audio…</source>
        <translation>Convirtiendo audio…</translation>
    </message>
    <message>
        <source>Finishing up…</source>
        <translation>Terminando…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultDelegate</name>
    <message>
        <source>Download just this one</source>
        <translation>Descargar solo este</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Descargado</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsList</name>
    <message>
        <source>Choose Format…</source>
        <translation>Elegir formato…</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Open on YouTube</source>
        <translation>Abrir en YouTube</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>Desmarcar</translation>
    </message>
    <message>
        <source>Download a Clip…</source>
        <translation>Descargar un fragmento…</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsModel</name>
    <message>
        <source>Downloaded</source>
        <translation>Descargado</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En directo</translation>
    </message>
    <message>
        <source>Upcoming</source>
        <translation>Próximamente</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Looking it up…</source>
        <translation>Buscando…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>%n vídeo hasta ahora</numerusform>
            <numerusform>%n vídeos hasta ahora</numerusform>
        </translation>
    </message>
    <message>
        <source>Not looked up</source>
        <translation>Sin buscar</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n vídeo, listado detenido</numerusform>
            <numerusform>%n vídeos, listado detenido</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n vídeo</numerusform>
            <numerusform>%n vídeos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsPane</name>
    <message>
        <source>Looking it up…</source>
        <translation>Buscando…</translation>
    </message>
    <message>
        <source>Paste a link to get started</source>
        <translation>Pegue un enlace para empezar</translation>
    </message>
    <message>
        <source>Copy a YouTube link anywhere and switch back here, it loads automatically.
You can also drag a link onto this window, or type words to search YouTube.</source>
        <translation>Copie un enlace de YouTube en cualquier sitio y vuelva aquí: se carga automáticamente.
También puede arrastrar un enlace a esta ventana o escribir palabras para buscar en YouTube.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n vídeo</numerusform>
            <numerusform>%n vídeos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n seleccionado</numerusform>
            <numerusform>%n seleccionados</numerusform>
        </translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Deseleccionar todo</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Descargar %1</translation>
    </message>
    <message>
        <source>Select New</source>
        <translation>Seleccionar nuevos</translation>
    </message>
    <message>
        <source>Tick only the videos not downloaded before</source>
        <translation>Marcar solo los vídeos que no se han descargado antes</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>%n vídeo hasta ahora</numerusform>
            <numerusform>%n vídeos hasta ahora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n vídeo, listado detenido</numerusform>
            <numerusform>%n vídeos, listado detenido</numerusform>
        </translation>
    </message>
    <message>
        <source>Download the ticked videos (%1)</source>
        <translation>Descargar los vídeos marcados (%1)</translation>
    </message>
    <message>
        <source>Choose Format…</source>
        <translation>Elegir formato…</translation>
    </message>
    <message>
        <source>Pick the video and audio formats of this video</source>
        <translation>Elegir los formatos de vídeo y audio de este vídeo</translation>
    </message>
</context>
<context>
    <name>reelcatch::SettingsWindow</name>
    <message>
        <source>Prefer H.264 so files play in any player and on any device</source>
        <translation>Preferir H.264 para que los archivos se reproduzcan en cualquier reproductor y dispositivo</translation>
    </message>
    <message>
        <source>Above 1080p YouTube only offers VP9/AV1. Those play in VLC, mpv and current browsers, but not on every older device.</source>
        <translation>Por encima de 1080p, YouTube solo ofrece VP9/AV1. Se reproducen en VLC, mpv y los navegadores actuales, pero no en todos los dispositivos antiguos.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Cambiar…</translation>
    </message>
    <message>
        <source>Download folder</source>
        <translation>Carpeta de descargas</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Pause between downloads, in seconds</source>
        <translation>Pausa entre descargas, en segundos</translation>
    </message>
    <message>
        <source>Pause between downloads</source>
        <translation>Pausa entre descargas</translation>
    </message>
    <message>
        <source>Load YouTube links from the clipboard automatically</source>
        <translation>Cargar automáticamente los enlaces de YouTube del portapapeles</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Embed subtitles</source>
        <translation>Incrustar subtítulos</translation>
    </message>
    <message>
        <source>Subtitle languages</source>
        <translation>Idiomas de los subtítulos</translation>
    </message>
    <message>
        <source>Save subtitles as files (SRT)</source>
        <translation>Guardar subtítulos como archivos (SRT)</translation>
    </message>
    <message>
        <source>Include automatic captions</source>
        <translation>Incluir subtítulos automáticos</translation>
    </message>
    <message>
        <source>Audio language</source>
        <translation>Idioma del audio</translation>
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
        <translation>Qué hacer con los patrocinios y otros segmentos marcados por los espectadores</translation>
    </message>
    <message>
        <source>Mark as chapters</source>
        <translation>Marcar como capítulos</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Sponsor</source>
        <translation>Patrocinador</translation>
    </message>
    <message>
        <source>Self-promotion</source>
        <translation>Autopromoción</translation>
    </message>
    <message>
        <source>Interaction reminder</source>
        <translation>Recordatorio de interacción</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Outro</source>
        <translation>Créditos finales</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Avance</translation>
    </message>
    <message>
        <source>Non-music section</source>
        <translation>Sección sin música</translation>
    </message>
    <message>
        <source>Filler</source>
        <translation>Relleno</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Metadatos</translation>
    </message>
    <message>
        <source>Embed title, channel and date</source>
        <translation>Incrustar título, canal y fecha</translation>
    </message>
    <message>
        <source>Embed thumbnail as cover art</source>
        <translation>Incrustar la miniatura como portada</translation>
    </message>
    <message>
        <source>YouTube account</source>
        <translation>Cuenta de YouTube</translation>
    </message>
    <message>
        <source>Use cookies from</source>
        <translation>Usar cookies de</translation>
    </message>
    <message>
        <source>The browser or file whose sign-in YouTube sees</source>
        <translation>El navegador o archivo cuyo inicio de sesión ve YouTube</translation>
    </message>
    <message>
        <source>Cookies let YouTube see you as signed in. Close YouTube in that browser while downloading if it locks its cookies. YouTube may limit accounts that download a lot.</source>
        <translation>Las cookies permiten que YouTube le vea con la sesión iniciada. Cierre YouTube en ese navegador mientras descarga si bloquea sus cookies. YouTube puede limitar las cuentas que descargan mucho.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>JS runtime (deno)</source>
        <translation>Entorno JS (deno)</translation>
    </message>
    <message>
        <source>YouTube changes often. If downloads start failing, update the engine.</source>
        <translation>YouTube cambia a menudo. Si las descargas empiezan a fallar, actualice el motor.</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>A cookies file…</source>
        <translation>Un archivo de cookies…</translation>
    </message>
    <message>
        <source>Use File</source>
        <translation>Usar archivo</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>no instalado</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>instalado</translation>
    </message>
    <message>
        <source>installs with your first download</source>
        <translation>se instala con la primera descarga</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>Parallel downloads</source>
        <translation>Descargas simultáneas</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no pause between downloads</comment>
        <translation>Sin pausa</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>SponsorBlock</comment>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no subtitle languages</comment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no cookies</comment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nombres de archivo</translation>
    </message>
    <message>
        <source>How downloaded files are named</source>
        <translation>Cómo se nombran los archivos descargados</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>Plantilla de nombre</translation>
    </message>
    <message>
        <source>Put each playlist in a folder of its own, numbered</source>
        <translation>Poner cada lista de reproducción en su propia carpeta, con numeración</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>None, or socks5://host:port</source>
        <translation>Ninguno o socks5://host:puerto</translation>
    </message>
    <message>
        <source> MB/s</source>
        <translation> MB/s</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>Limit each download to, in MB/s</source>
        <translation>Limitar cada descarga a, en MB/s</translation>
    </message>
    <message>
        <source>Limit each download to</source>
        <translation>Limitar cada descarga a</translation>
    </message>
    <message>
        <source>Lookups and downloads go through the proxy; the limit holds for each download on its own.</source>
        <translation>Las búsquedas y las descargas pasan por el proxy; el límite se aplica a cada descarga por separado.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Por ejemplo: %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Look up the link or search words</source>
        <translation>Buscar el enlace o las palabras</translation>
    </message>
    <message>
        <source>Stop the lookup</source>
        <translation>Detener la búsqueda</translation>
    </message>
    <message>
        <source>Tick or untick the current result</source>
        <translation>Marcar o desmarcar el resultado actual</translation>
    </message>
    <message>
        <source>Download the ticked videos</source>
        <translation>Descargar los vídeos marcados</translation>
    </message>
    <message>
        <source>Open the file of the current finished download</source>
        <translation>Abrir el archivo de la descarga terminada actual</translation>
    </message>
    <message>
        <source>Remove the current finished download from the list</source>
        <translation>Quitar de la lista la descarga terminada actual</translation>
    </message>
    <message>
        <source>Show what the current row offers</source>
        <translation>Mostrar lo que ofrece la fila actual</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Close Settings or this window</source>
        <translation>Cerrar las preferencias o esta ventana</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Look up the links in a text file</source>
        <translation>Buscar los enlaces de un archivo de texto</translation>
    </message>
    <message>
        <source>Show the history of finished videos</source>
        <translation>Mostrar el historial de vídeos terminados</translation>
    </message>
    <message>
        <source>History: show the selected video&apos;s file in its folder</source>
        <translation>Historial: mostrar en su carpeta el archivo del vídeo seleccionado</translation>
    </message>
    <message>
        <source>History: download the selected video again</source>
        <translation>Historial: volver a descargar el vídeo seleccionado</translation>
    </message>
    <message>
        <source>History: export the videos listed as CSV</source>
        <translation>Historial: exportar como CSV los vídeos listados</translation>
    </message>
</context>
</TS>
