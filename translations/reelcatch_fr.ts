<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>YouTube demande qu’un navigateur connecté confirme que vous n’êtes pas un robot.</translation>
    </message>
    <message>
        <source>This video is age-restricted. Sign in with a browser to download it.</source>
        <translation>Cette vidéo est soumise à une limite d’âge. Connectez-vous dans un navigateur pour la télécharger.</translation>
    </message>
    <message>
        <source>This video is private or for channel members only.</source>
        <translation>Cette vidéo est privée ou réservée aux membres de la chaîne.</translation>
    </message>
    <message>
        <source>YouTube is limiting requests from this connection. Downloads resume by themselves.</source>
        <translation>YouTube limite les requêtes de cette connexion. Les téléchargements reprendront d’eux-mêmes.</translation>
    </message>
    <message>
        <source>This video is unavailable.</source>
        <translation>Cette vidéo n’est pas disponible.</translation>
    </message>
    <message>
        <source>The download engine needs an update.</source>
        <translation>Le moteur de téléchargement doit être mis à jour.</translation>
    </message>
    <message>
        <source>Can&apos;t reach YouTube. Check the connection.</source>
        <translation>Impossible de joindre YouTube. Vérifiez la connexion.</translation>
    </message>
    <message>
        <source>The download folder&apos;s disk is full.</source>
        <translation>Le disque du dossier de téléchargement est plein.</translation>
    </message>
    <message>
        <source>This quality isn&apos;t available for this video. Pick another.</source>
        <translation>Cette qualité n’est pas disponible pour cette vidéo. Choisissez-en une autre.</translation>
    </message>
    <message>
        <source>YouTube is still limiting requests from this connection. Try again later.</source>
        <translation>YouTube limite toujours les requêtes de cette connexion. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>(version unknown)</source>
        <translation>(version inconnue)</translation>
    </message>
    <message>
        <source>Choose Browser…</source>
        <translation>Choisir le navigateur…</translation>
    </message>
    <message>
        <source>Resume Now</source>
        <translation>Reprendre maintenant</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Download videos and audio with yt-dlp.</source>
        <translation>Télécharger des vidéos et de l’audio avec yt-dlp.</translation>
    </message>
    <message>
        <source>Links to look up (also reelcatch://…).</source>
        <translation>Liens à rechercher (aussi reelcatch://…).</translation>
    </message>
</context>
<context>
    <name>reelcatch::AboutDialog</name>
    <message>
        <source>About Reelcatch</source>
        <translation>À propos de Reelcatch</translation>
    </message>
    <message>
        <source>Reelcatch %1</source>
        <translation>Reelcatch %1</translation>
    </message>
    <message>
        <source>Downloads videos from YouTube with yt-dlp.</source>
        <translation>Télécharge des vidéos depuis YouTube avec yt-dlp.</translation>
    </message>
    <message>
        <source>yt-dlp</source>
        <translation>yt-dlp</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>non installé</translation>
    </message>
    <message>
        <source>deno</source>
        <translation>deno</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>installé</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <translation>ffmpeg</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Fichier de configuration</translation>
    </message>
    <message>
        <source>Tools folder</source>
        <translation>Dossier des outils</translation>
    </message>
    <message>
        <source>Download list folder</source>
        <translation>Dossier de la liste des téléchargements</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>Cache des vignettes</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or any later version (GPL-3.0-or-later). Reelcatch comes with no warranty. yt-dlp, deno and ffmpeg are not part of Reelcatch and come under their own licences.</source>
        <translation>Licence publique générale GNU, version 3 ou toute version ultérieure (GPL-3.0-or-later). Reelcatch est fourni sans aucune garantie. yt-dlp, deno et ffmpeg ne font pas partie de Reelcatch et sont soumis à leurs propres licences.</translation>
    </message>
</context>
<context>
    <name>reelcatch::AppShell</name>
    <message>
        <source>Show Reelcatch</source>
        <translation>Afficher Reelcatch</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) are running or waiting. They will continue the next time you open Reelcatch.</source>
        <translation>
            <numerusform>%n téléchargement est en cours ou en attente. Il reprendra à la prochaine ouverture de Reelcatch.</numerusform>
            <numerusform>%n téléchargements sont en cours ou en attente. Ils reprendront à la prochaine ouverture de Reelcatch.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Reelcatch?</source>
        <translation>Quitter Reelcatch&#xa0;?</translation>
    </message>
</context>
<context>
    <name>reelcatch::BatchNotifier</name>
    <message>
        <source>Open Reelcatch</source>
        <translation>Ouvrir Reelcatch</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) finished</source>
        <translation>
            <numerusform>%n téléchargement terminé</numerusform>
            <numerusform>%n téléchargements terminés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) failed</source>
        <translation>
            <numerusform>%n téléchargement en échec</numerusform>
            <numerusform>%n téléchargements en échec</numerusform>
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
            <numerusform>%n en échec</numerusform>
            <numerusform>%n en échec</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ClipDialog</name>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Download a Clip</source>
        <translation>Télécharger un extrait</translation>
    </message>
    <message>
        <source>The video is %1 long.</source>
        <translation>La vidéo dure %1.</translation>
    </message>
    <message>
        <source>The video’s length is unknown: any end after the start is taken.</source>
        <translation>La durée de la vidéo est inconnue&#xa0;: toute fin après le début est acceptée.</translation>
    </message>
    <message>
        <source>h:mm:ss, m:ss or seconds; a pasted link’s time (t=) is taken too</source>
        <translation>h:mm:ss, m:ss ou secondes&#xa0;; le temps (t=) d’un lien collé est aussi pris en compte</translation>
    </message>
    <message>
        <source>h:mm:ss</source>
        <translation>h:mm:ss</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Début&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Fin&#xa0;:</translation>
    </message>
    <message>
        <source>Type the start as h:mm:ss, m:ss or seconds.</source>
        <translation>Saisissez le début sous la forme h:mm:ss, m:ss ou en secondes.</translation>
    </message>
    <message>
        <source>Type the end as h:mm:ss, m:ss or seconds.</source>
        <translation>Saisissez la fin sous la forme h:mm:ss, m:ss ou en secondes.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>La fin doit se situer après le début.</translation>
    </message>
    <message>
        <source>The end must be within the video, which is %1 long.</source>
        <translation>La fin doit se situer dans la vidéo, qui dure %1.</translation>
    </message>
    <message>
        <source>The clip will be %1 long.</source>
        <translation>L’extrait durera %1.</translation>
    </message>
</context>
<context>
    <name>reelcatch::CookieSources</name>
    <message>
        <source>The cookies file “%1” is gone; cookies are off.</source>
        <translation>Le fichier de cookies «&#xa0;%1&#xa0;» n’existe plus&#xa0;; les cookies sont désactivés.</translation>
    </message>
    <message>
        <source>%1 is no longer installed; cookies are off.</source>
        <translation>%1 n’est plus installé&#xa0;; les cookies sont désactivés.</translation>
    </message>
</context>
<context>
    <name>reelcatch::DesktopCues</name>
    <message numerus="yes">
        <source>Reelcatch · %n download(s) left</source>
        <translation>
            <numerusform>Reelcatch · %n téléchargement restant</numerusform>
            <numerusform>Reelcatch · %n téléchargements restants</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::Download</name>
    <message>
        <source>Waiting…</source>
        <translation>En attente…</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadQueue</name>
    <message>
        <source>Waiting…</source>
        <translation>En attente…</translation>
    </message>
    <message>
        <source>Getting ffmpeg ready (one-time, ~56 MB)…</source>
        <translation>Préparation de ffmpeg (une seule fois, environ 56 Mo)…</translation>
    </message>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>Le moteur de téléchargement n’est pas encore installé.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”.</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Démarrage…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp s’est terminé avec le code %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Cutting a clip needs ffmpeg, which isn&apos;t ready.</source>
        <translation>Couper un extrait nécessite ffmpeg, qui n’est pas prêt.</translation>
    </message>
    <message>
        <source>Checking the clip’s length…</source>
        <translation>Vérification de la durée de l’extrait…</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>The clip is %1 long instead of %2.</source>
        <translation>L’extrait dure %1 au lieu de %2.</translation>
    </message>
    <message>
        <source>%1 (its length couldn’t be checked)</source>
        <translation>%1 (sa durée n’a pas pu être vérifiée)</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsList</name>
    <message>
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Copy Error</source>
        <translation>Copier l’erreur</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Afficher le journal</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Retirer de la liste</translation>
    </message>
    <message>
        <source>Log of “%1”</source>
        <translation>Journal de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsModel</name>
    <message numerus="yes">
        <source>Starts in %n second(s)</source>
        <translation>
            <numerusform>Commence dans %n seconde</numerusform>
            <numerusform>Commence dans %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Paused: YouTube is limiting requests. Resuming at %1…</source>
        <translation>En pause&#xa0;: YouTube limite les requêtes. Reprise à %1…</translation>
    </message>
    <message>
        <source>%1 · Clip %2</source>
        <translation>%1 · Extrait %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsPane</name>
    <message>
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Effacer les terminés</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>Rien pour l’instant.</translation>
    </message>
    <message numerus="yes">
        <source>%n downloading</source>
        <translation>
            <numerusform>%n en cours</numerusform>
            <numerusform>%n en cours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queued</source>
        <translation>
            <numerusform>%n en attente</numerusform>
            <numerusform>%n en attente</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineBanner</name>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineReadiness</name>
    <message>
        <source>Setting up the download engine (one-time, ~80 MB)…</source>
        <translation>Installation du moteur de téléchargement (une seule fois, environ 80 Mo)…</translation>
    </message>
    <message>
        <source>Updating the download engine…</source>
        <translation>Mise à jour du moteur de téléchargement…</translation>
    </message>
    <message>
        <source>Couldn&apos;t install yt-dlp: %1</source>
        <translation>Impossible d’installer yt-dlp&#xa0;: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the download engine: %1</source>
        <translation>Impossible de mettre à jour le moteur de téléchargement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t download ffmpeg (%1). Downloads are limited to lower quality for now.</source>
        <translation>Impossible de télécharger ffmpeg (%1). Les téléchargements sont limités à une qualité inférieure pour l’instant.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FileNaming</name>
    <message>
        <source>“%1” is missing its closing parenthesis.</source>
        <translation>Il manque la parenthèse fermante à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>“%(%1)” needs a letter after it: s for text, d for a number.</source>
        <translation>«&#xa0;%(%1)&#xa0;» doit être suivi d’une lettre&#xa0;: s pour du texte, d pour un nombre.</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>Title [id]</source>
        <translation>Titre [id]</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Channel – Title</source>
        <translation>Chaîne – Titre</translation>
    </message>
    <message>
        <source>Upload date – Title</source>
        <translation>Date de mise en ligne – Titre</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Personnalisé…</translation>
    </message>
    <message>
        <source>Type a name for the files.</source>
        <translation>Saisissez un nom pour les fichiers.</translation>
    </message>
    <message>
        <source>A name cannot hold line breaks or tabs.</source>
        <translation>Un nom ne peut pas contenir de sauts de ligne ni de tabulations.</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot begin with “/” or “~”.</source>
        <translation>Les fichiers restent dans le dossier de téléchargement&#xa0;: un nom ne peut pas commencer par «&#xa0;/&#xa0;» ou «&#xa0;~&#xa0;».</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot step out of it with “..”.</source>
        <translation>Les fichiers restent dans le dossier de téléchargement&#xa0;: un nom ne peut pas en sortir avec «&#xa0;..&#xa0;».</translation>
    </message>
    <message>
        <source>The name ends with a folder: add the file&apos;s own name after the last “/”.</source>
        <translation>Le nom se termine par un dossier&#xa0;: ajoutez le nom du fichier après le dernier «&#xa0;/&#xa0;».</translation>
    </message>
    <message>
        <source>“%(%1)” names no field.</source>
        <translation>«&#xa0;%(%1)&#xa0;» ne désigne aucun champ.</translation>
    </message>
    <message>
        <source>yt-dlp knows no field named “%1”.</source>
        <translation>yt-dlp ne connaît aucun champ nommé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Every video would get this same name: add a field such as %(title)s.</source>
        <translation>Toutes les vidéos auraient le même nom&#xa0;: ajoutez un champ comme %(title)s.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FolderChooser</name>
    <message>
        <source>Use Folder</source>
        <translation>Choisir ce dossier</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatDialog</name>
    <message>
        <source>about %1</source>
        <translation>environ %1</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Choose Format</source>
        <translation>Choisir le format</translation>
    </message>
    <message>
        <source>Asking yt-dlp which formats this video has…</source>
        <translation>Recherche des formats de cette vidéo auprès de yt-dlp…</translation>
    </message>
    <message>
        <source>&amp;Video</source>
        <translation>&amp;Vidéo</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Audio</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>No video — audio only</source>
        <translation>Pas de vidéo&#xa0;: audio seul</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>Its own sound</source>
        <translation>Audio intégré</translation>
    </message>
    <message>
        <source>This video format has its own sound.</source>
        <translation>Ce format vidéo inclut son propre audio.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatList</name>
    <message>
        <source>%1 wide</source>
        <translation>%1 de large</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>%1 with sound</source>
        <translation>%1 avec son</translation>
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
        <translation>%1 (doublé)</translation>
    </message>
    <message>
        <source>%1 (automatic dub)</source>
        <translation>%1 (doublage automatique)</translation>
    </message>
    <message>
        <source>%1 (audio description)</source>
        <translation>%1 (audiodescription)</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatQuery</name>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>Le moteur de téléchargement n’est pas encore installé.</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp s’est terminé avec le code %1</translation>
    </message>
    <message>
        <source>yt-dlp listed no formats for this video.</source>
        <translation>yt-dlp n’a listé aucun format pour cette vidéo.</translation>
    </message>
</context>
<context>
    <name>reelcatch::HeaderBar</name>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Paste a YouTube link, playlist or channel, or type to search</source>
        <translation>Collez un lien YouTube, une playlist ou une chaîne, ou saisissez une recherche</translation>
    </message>
    <message>
        <source>Link or search words</source>
        <translation>Lien ou mots à rechercher</translation>
    </message>
    <message>
        <source>Fetch</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Quality / format for new downloads</source>
        <translation>Qualité / format des nouveaux téléchargements</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Save to: %1</source>
        <translation>Enregistrer dans&#xa0;: %1</translation>
    </message>
    <message>
        <source>Link field</source>
        <translation>Champ du lien</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryList</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryModel</name>
    <message>
        <source>File moved or deleted</source>
        <translation>Fichier déplacé ou supprimé</translation>
    </message>
    <message>
        <source>Finished %1</source>
        <translation>Terminé le %1</translation>
    </message>
    <message>
        <source>File on disk</source>
        <translation>Fichier présent</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Search titles and channels</source>
        <translation>Rechercher titres et chaînes</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Rechercher dans l’historique</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Saves the videos listed as a CSV file</source>
        <translation>Enregistre les vidéos affichées dans un fichier CSV</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Télécharger à nouveau</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Remove from History</source>
        <translation>Retirer de l’historique</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exporté vers %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t export to %1</source>
        <translation>Impossible d’exporter vers %1</translation>
    </message>
    <message>
        <source>Reelcatch History</source>
        <translation>Historique Reelcatch</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Exportation…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n vidéo</numerusform>
            <numerusform>%n vidéos</numerusform>
        </translation>
    </message>
    <message>
        <source>No videos downloaded yet.</source>
        <translation>Aucune vidéo téléchargée pour l’instant.</translation>
    </message>
    <message>
        <source>No video matches the search.</source>
        <translation>Aucune vidéo ne correspond à la recherche.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Installer</name>
    <message>
        <source>Couldn&apos;t create the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the download site: %1</source>
        <translation>Impossible de joindre le site de téléchargement&#xa0;: %1</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t match its published checksum.</source>
        <translation>Le %1 téléchargé ne correspond pas à sa somme de contrôle publiée.</translation>
    </message>
    <message>
        <source>The downloaded %1 is larger than expected.</source>
        <translation>Le %1 téléchargé est plus volumineux que prévu.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Download failed (HTTP %1): %2</source>
        <translation>Échec du téléchargement (HTTP %1)&#xa0;: %2</translation>
    </message>
    <message>
        <source>Download failed (HTTP 0): %1</source>
        <translation>Échec du téléchargement (HTTP 0)&#xa0;: %1</translation>
    </message>
    <message>
        <source>Download incomplete (%1 of %2 bytes): %3</source>
        <translation>Téléchargement incomplet (%1 sur %2 octets)&#xa0;: %3</translation>
    </message>
    <message>
        <source>Download stalled (nothing received for %1 s): %2</source>
        <translation>Téléchargement bloqué (rien reçu depuis %1 s)&#xa0;: %2</translation>
    </message>
    <message>
        <source>Download too slow (under %1 bytes/s for %2 s): %3</source>
        <translation>Téléchargement trop lent (moins de %1 octets/s pendant %2 s)&#xa0;: %3</translation>
    </message>
    <message>
        <source>Can&apos;t check the downloaded %1: gpgv is missing (install the package gpgv).</source>
        <translation>Impossible de vérifier le %1 téléchargé&#xa0;: gpgv est absent (installez le paquet gpgv).</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the signing key %1</source>
        <translation>Impossible de lire la clé de signature %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t unpack %1: %2</source>
        <translation>Impossible de décompresser %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t make %1 executable: %2</source>
        <translation>Impossible de rendre %1 exécutable&#xa0;: %2</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t run.</source>
        <translation>Le %1 téléchargé ne se lance pas.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install %1: %2</source>
        <translation>Impossible d’installer %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::Library</name>
    <message>
        <source>File moved or deleted</source>
        <translation>Fichier déplacé ou supprimé</translation>
    </message>
    <message>
        <source>Your download list couldn&apos;t be read and was started afresh.</source>
        <translation>Votre liste des téléchargements était illisible et a été recréée.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>le disque a signalé une erreur</translation>
    </message>
    <message>
        <source>its folder can&apos;t be written to</source>
        <translation>son dossier n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>un autre programme l’utilise</translation>
    </message>
    <message>
        <source>its file can&apos;t be opened</source>
        <translation>son fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>This download list was saved by a newer Reelcatch. It is kept unchanged and not used.</source>
        <translation>Cette liste des téléchargements a été enregistrée par une version plus récente de Reelcatch. Elle est conservée telle quelle et n’est pas utilisée.</translation>
    </message>
    <message>
        <source>Reelcatch is already open elsewhere with this download list; this window&apos;s list won&apos;t be kept.</source>
        <translation>Reelcatch est déjà ouvert ailleurs avec cette liste des téléchargements&#xa0;; la liste de cette fenêtre ne sera pas conservée.</translation>
    </message>
    <message>
        <source>Your download list can&apos;t be saved right now: %1.</source>
        <translation>Votre liste des téléchargements ne peut pas être enregistrée pour l’instant&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>reelcatch::LinkHeading</name>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Tout désélectionner</translation>
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
        <translation>C’est trop long pour un lien ou une recherche.</translation>
    </message>
    <message>
        <source>The download engine is still being set up. Try again in a moment.</source>
        <translation>Le moteur de téléchargement est encore en cours d’installation. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>yt-dlp couldn&apos;t be installed. %1 Try Again from the banner.</source>
        <translation>Impossible d’installer yt-dlp. %1 Cliquez sur «&#xa0;Réessayer&#xa0;» dans le bandeau.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load that link.</source>
        <translation>Impossible de charger ce lien.</translation>
    </message>
    <message>
        <source>Search: %1</source>
        <translation>Recherche&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nothing downloadable found there.</source>
        <translation>Rien à télécharger ici.</translation>
    </message>
    <message>
        <source>yt-dlp stopped answering.</source>
        <translation>yt-dlp ne répond plus.</translation>
    </message>
    <message>
        <source>Only the first video could be listed.</source>
        <translation>Seule la première vidéo a pu être listée.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n videos could be listed.</source>
        <translation>
            <numerusform>Seule la première vidéo a pu être listée.</numerusform>
            <numerusform>Seules les %n premières vidéos ont pu être listées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s)</source>
        <translation>
            <numerusform>%n lien</numerusform>
            <numerusform>%n liens</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t open that file. %1</source>
        <translation>Impossible d’ouvrir ce fichier. %1</translation>
    </message>
    <message>
        <source>That file is too big to be a list of links.</source>
        <translation>Ce fichier est trop volumineux pour être une liste de liens.</translation>
    </message>
    <message>
        <source>No links found in that file.</source>
        <translation>Aucun lien trouvé dans ce fichier.</translation>
    </message>
</context>
<context>
    <name>reelcatch::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Results and downloads</source>
        <translation>Résultats et téléchargements</translation>
    </message>
    <message>
        <source>Divider between results and downloads</source>
        <translation>Séparateur entre résultats et téléchargements</translation>
    </message>
    <message>
        <source>Download Ticked</source>
        <translation>Télécharger les vidéos cochées</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>About Reelcatch</source>
        <translation>À propos de Reelcatch</translation>
    </message>
    <message>
        <source>Open List of Links…</source>
        <translation>Ouvrir une liste de liens…</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Open List of Links</source>
        <translation>Ouvrir une liste de liens</translation>
    </message>
    <message>
        <source>Text files (*.txt *.list)</source>
        <translation>Fichiers texte (*.txt *.list)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>reelcatch::Network</name>
    <message>
        <source>A proxy address begins with http://, https:// or socks5://, as in socks5://127.0.0.1:1080.</source>
        <translation>Une adresse de proxy commence par http://, https:// ou socks5://, par exemple socks5://127.0.0.1:1080.</translation>
    </message>
    <message>
        <source>The proxy address needs a host after “//”.</source>
        <translation>L’adresse du proxy doit avoir un hôte après «&#xa0;//&#xa0;».</translation>
    </message>
    <message>
        <source>A proxy address ends with its host and port, with nothing after them.</source>
        <translation>Une adresse de proxy se termine par son hôte et son port, sans rien après.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Preset</name>
    <message>
        <source>Best available</source>
        <translation>Meilleure disponible</translation>
    </message>
    <message>
        <source>Audio only (MP3)</source>
        <translation>Audio seul (MP3)</translation>
    </message>
    <message>
        <source>Audio only (M4A)</source>
        <translation>Audio seul (M4A)</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleure</translation>
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
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Converting audio…</source>
        <translation>Conversion de l’audio…</translation>
    </message>
    <message>
        <source>Finishing up…</source>
        <translation>Finalisation…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>encore %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultDelegate</name>
    <message>
        <source>Download just this one</source>
        <translation>Télécharger seulement celle-ci</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Téléchargée</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsList</name>
    <message>
        <source>Choose Format…</source>
        <translation>Choisir le format…</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Open on YouTube</source>
        <translation>Ouvrir sur YouTube</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Cocher</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>Décocher</translation>
    </message>
    <message>
        <source>Download a Clip…</source>
        <translation>Télécharger un extrait…</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsModel</name>
    <message>
        <source>Downloaded</source>
        <translation>Téléchargée</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En direct</translation>
    </message>
    <message>
        <source>Upcoming</source>
        <translation>À venir</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Looking it up…</source>
        <translation>Recherche en cours…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>%n vidéo pour l’instant</numerusform>
            <numerusform>%n vidéos pour l’instant</numerusform>
        </translation>
    </message>
    <message>
        <source>Not looked up</source>
        <translation>Non recherché</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n vidéo, liste interrompue</numerusform>
            <numerusform>%n vidéos, liste interrompue</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n vidéo</numerusform>
            <numerusform>%n vidéos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsPane</name>
    <message>
        <source>Looking it up…</source>
        <translation>Recherche en cours…</translation>
    </message>
    <message>
        <source>Paste a link to get started</source>
        <translation>Collez un lien pour commencer</translation>
    </message>
    <message>
        <source>Copy a YouTube link anywhere and switch back here, it loads automatically.
You can also drag a link onto this window, or type words to search YouTube.</source>
        <translation>Copiez un lien YouTube n’importe où et revenez ici, il se charge automatiquement.
Vous pouvez aussi glisser un lien sur cette fenêtre ou saisir des mots pour chercher sur YouTube.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n vidéo</numerusform>
            <numerusform>%n vidéos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n sélectionnée</numerusform>
            <numerusform>%n sélectionnées</numerusform>
        </translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Télécharger %1</translation>
    </message>
    <message>
        <source>Select New</source>
        <translation>Sélectionner les nouvelles</translation>
    </message>
    <message>
        <source>Tick only the videos not downloaded before</source>
        <translation>Cocher uniquement les vidéos jamais téléchargées</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>%n vidéo pour l’instant</numerusform>
            <numerusform>%n vidéos pour l’instant</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n vidéo, liste interrompue</numerusform>
            <numerusform>%n vidéos, liste interrompue</numerusform>
        </translation>
    </message>
    <message>
        <source>Download the ticked videos (%1)</source>
        <translation>Télécharger les vidéos cochées (%1)</translation>
    </message>
    <message>
        <source>Choose Format…</source>
        <translation>Choisir le format…</translation>
    </message>
    <message>
        <source>Pick the video and audio formats of this video</source>
        <translation>Choisir les formats vidéo et audio de cette vidéo</translation>
    </message>
</context>
<context>
    <name>reelcatch::SettingsWindow</name>
    <message>
        <source>Prefer H.264 so files play in any player and on any device</source>
        <translation>Préférer H.264 pour que les fichiers se lisent dans tous les lecteurs et sur tous les appareils</translation>
    </message>
    <message>
        <source>Above 1080p YouTube only offers VP9/AV1. Those play in VLC, mpv and current browsers, but not on every older device.</source>
        <translation>Au-delà de 1080p, YouTube ne propose que VP9/AV1. Ces formats se lisent dans VLC, mpv et les navigateurs récents, mais pas sur tous les appareils anciens.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Download folder</source>
        <translation>Dossier de téléchargement</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Pause between downloads, in seconds</source>
        <translation>Pause entre les téléchargements, en secondes</translation>
    </message>
    <message>
        <source>Pause between downloads</source>
        <translation>Pause entre les téléchargements</translation>
    </message>
    <message>
        <source>Load YouTube links from the clipboard automatically</source>
        <translation>Charger automatiquement les liens YouTube du presse-papiers</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Embed subtitles</source>
        <translation>Incorporer les sous-titres</translation>
    </message>
    <message>
        <source>Subtitle languages</source>
        <translation>Langues des sous-titres</translation>
    </message>
    <message>
        <source>Save subtitles as files (SRT)</source>
        <translation>Enregistrer les sous-titres dans des fichiers (SRT)</translation>
    </message>
    <message>
        <source>Include automatic captions</source>
        <translation>Inclure les sous-titres automatiques</translation>
    </message>
    <message>
        <source>Audio language</source>
        <translation>Langue de l’audio</translation>
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
        <translation>Que faire des sponsors et des autres segments signalés par les spectateurs</translation>
    </message>
    <message>
        <source>Mark as chapters</source>
        <translation>Marquer comme chapitres</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Sponsor</source>
        <translation>Sponsor</translation>
    </message>
    <message>
        <source>Self-promotion</source>
        <translation>Autopromotion</translation>
    </message>
    <message>
        <source>Interaction reminder</source>
        <translation>Rappel d’interaction</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Outro</source>
        <translation>Générique de fin</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Non-music section</source>
        <translation>Section non musicale</translation>
    </message>
    <message>
        <source>Filler</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Métadonnées</translation>
    </message>
    <message>
        <source>Embed title, channel and date</source>
        <translation>Incorporer le titre, la chaîne et la date</translation>
    </message>
    <message>
        <source>Embed thumbnail as cover art</source>
        <translation>Incorporer la vignette comme pochette</translation>
    </message>
    <message>
        <source>YouTube account</source>
        <translation>Compte YouTube</translation>
    </message>
    <message>
        <source>Use cookies from</source>
        <translation>Utiliser les cookies de</translation>
    </message>
    <message>
        <source>The browser or file whose sign-in YouTube sees</source>
        <translation>Le navigateur ou le fichier dont YouTube voit la connexion</translation>
    </message>
    <message>
        <source>Cookies let YouTube see you as signed in. Close YouTube in that browser while downloading if it locks its cookies. YouTube may limit accounts that download a lot.</source>
        <translation>Les cookies permettent à YouTube de vous voir comme connecté. Fermez YouTube dans ce navigateur pendant le téléchargement s’il verrouille ses cookies. YouTube peut limiter les comptes qui téléchargent beaucoup.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>JS runtime (deno)</source>
        <translation>Environnement JS (deno)</translation>
    </message>
    <message>
        <source>YouTube changes often. If downloads start failing, update the engine.</source>
        <translation>YouTube change souvent. Si les téléchargements se mettent à échouer, mettez à jour le moteur.</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>A cookies file…</source>
        <translation>Un fichier de cookies…</translation>
    </message>
    <message>
        <source>Use File</source>
        <translation>Choisir ce fichier</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>non installé</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>installé</translation>
    </message>
    <message>
        <source>installs with your first download</source>
        <translation>s’installe avec le premier téléchargement</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>Parallel downloads</source>
        <translation>Téléchargements simultanés</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no pause between downloads</comment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>SponsorBlock</comment>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no subtitle languages</comment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no cookies</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Noms de fichier</translation>
    </message>
    <message>
        <source>How downloaded files are named</source>
        <translation>Comment nommer les fichiers téléchargés</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>Modèle de nom</translation>
    </message>
    <message>
        <source>Put each playlist in a folder of its own, numbered</source>
        <translation>Mettre chaque playlist dans son propre dossier, avec numérotation</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>None, or socks5://host:port</source>
        <translation>Aucun, ou socks5://hôte:port</translation>
    </message>
    <message>
        <source> MB/s</source>
        <translation> Mo/s</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Illimité</translation>
    </message>
    <message>
        <source>Limit each download to, in MB/s</source>
        <translation>Limiter chaque téléchargement à, en Mo/s</translation>
    </message>
    <message>
        <source>Limit each download to</source>
        <translation>Limiter chaque téléchargement à</translation>
    </message>
    <message>
        <source>Lookups and downloads go through the proxy; the limit holds for each download on its own.</source>
        <translation>Les recherches et les téléchargements passent par le proxy&#xa0;; la limite vaut pour chaque téléchargement séparément.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Par exemple&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Look up the link or search words</source>
        <translation>Rechercher le lien ou les mots</translation>
    </message>
    <message>
        <source>Stop the lookup</source>
        <translation>Arrêter la recherche</translation>
    </message>
    <message>
        <source>Tick or untick the current result</source>
        <translation>Cocher ou décocher le résultat actuel</translation>
    </message>
    <message>
        <source>Download the ticked videos</source>
        <translation>Télécharger les vidéos cochées</translation>
    </message>
    <message>
        <source>Open the file of the current finished download</source>
        <translation>Ouvrir le fichier du téléchargement terminé actuel</translation>
    </message>
    <message>
        <source>Remove the current finished download from the list</source>
        <translation>Retirer de la liste le téléchargement terminé actuel</translation>
    </message>
    <message>
        <source>Show what the current row offers</source>
        <translation>Afficher ce que propose la ligne actuelle</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Close Settings or this window</source>
        <translation>Fermer les paramètres ou cette fenêtre</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Look up the links in a text file</source>
        <translation>Rechercher les liens d’un fichier texte</translation>
    </message>
    <message>
        <source>Show the history of finished videos</source>
        <translation>Afficher l’historique des vidéos terminées</translation>
    </message>
    <message>
        <source>History: show the selected video&apos;s file in its folder</source>
        <translation>Historique&#xa0;: afficher le fichier de la vidéo sélectionnée dans son dossier</translation>
    </message>
    <message>
        <source>History: download the selected video again</source>
        <translation>Historique&#xa0;: télécharger à nouveau la vidéo sélectionnée</translation>
    </message>
    <message>
        <source>History: export the videos listed as CSV</source>
        <translation>Historique&#xa0;: exporter les vidéos affichées en CSV</translation>
    </message>
</context>
</TS>
