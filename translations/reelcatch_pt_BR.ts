<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>O YouTube quer que um navegador conectado confirme que você não é um robô.</translation>
    </message>
    <message>
        <source>This video is age-restricted. Sign in with a browser to download it.</source>
        <translation>Este vídeo tem restrição de idade. Entre na sua conta em um navegador para baixá-lo.</translation>
    </message>
    <message>
        <source>This video is private or for channel members only.</source>
        <translation>Este vídeo é privado ou exclusivo para membros do canal.</translation>
    </message>
    <message>
        <source>YouTube is limiting requests from this connection. Downloads resume by themselves.</source>
        <translation>O YouTube está limitando as solicitações desta conexão. Os downloads serão retomados sozinhos.</translation>
    </message>
    <message>
        <source>This video is unavailable.</source>
        <translation>Este vídeo não está disponível.</translation>
    </message>
    <message>
        <source>The download engine needs an update.</source>
        <translation>O mecanismo de download precisa ser atualizado.</translation>
    </message>
    <message>
        <source>Can&apos;t reach YouTube. Check the connection.</source>
        <translation>Não foi possível acessar o YouTube. Verifique a conexão.</translation>
    </message>
    <message>
        <source>The download folder&apos;s disk is full.</source>
        <translation>O disco da pasta de downloads está cheio.</translation>
    </message>
    <message>
        <source>This quality isn&apos;t available for this video. Pick another.</source>
        <translation>Esta qualidade não está disponível para este vídeo. Escolha outra.</translation>
    </message>
    <message>
        <source>YouTube is still limiting requests from this connection. Try again later.</source>
        <translation>O YouTube ainda está limitando as solicitações desta conexão. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>(version unknown)</source>
        <translation>(versão desconhecida)</translation>
    </message>
    <message>
        <source>Choose Browser…</source>
        <translation>Escolher navegador…</translation>
    </message>
    <message>
        <source>Resume Now</source>
        <translation>Retomar agora</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Download videos and audio with yt-dlp.</source>
        <translation>Baixar vídeos e áudio com o yt-dlp.</translation>
    </message>
    <message>
        <source>Links to look up (also reelcatch://…).</source>
        <translation>Links a buscar (também reelcatch://…).</translation>
    </message>
</context>
<context>
    <name>reelcatch::AboutDialog</name>
    <message>
        <source>About Reelcatch</source>
        <translation>Sobre o Reelcatch</translation>
    </message>
    <message>
        <source>Reelcatch %1</source>
        <translation>Reelcatch %1</translation>
    </message>
    <message>
        <source>Downloads videos from YouTube with yt-dlp.</source>
        <translation>Baixa vídeos do YouTube com o yt-dlp.</translation>
    </message>
    <message>
        <source>yt-dlp</source>
        <translation>yt-dlp</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>não instalado</translation>
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
        <translation>ausente</translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <translation>ffmpeg</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licença</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Arquivo de configurações</translation>
    </message>
    <message>
        <source>Tools folder</source>
        <translation>Pasta das ferramentas</translation>
    </message>
    <message>
        <source>Download list folder</source>
        <translation>Pasta da lista de downloads</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>Cache de miniaturas</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or any later version (GPL-3.0-or-later). Reelcatch comes with no warranty. yt-dlp, deno and ffmpeg are not part of Reelcatch and come under their own licences.</source>
        <translation>Licença Pública Geral GNU, versão 3 ou qualquer versão posterior (GPL-3.0-or-later). O Reelcatch é fornecido sem nenhuma garantia. O yt-dlp, o deno e o ffmpeg não fazem parte do Reelcatch e têm suas próprias licenças.</translation>
    </message>
</context>
<context>
    <name>reelcatch::AppShell</name>
    <message>
        <source>Show Reelcatch</source>
        <translation>Mostrar o Reelcatch</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) are running or waiting. They will continue the next time you open Reelcatch.</source>
        <translation>
            <numerusform>%n download está em andamento ou aguardando. Ele continuará na próxima vez que você abrir o Reelcatch.</numerusform>
            <numerusform>%n downloads estão em andamento ou aguardando. Eles continuarão na próxima vez que você abrir o Reelcatch.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Reelcatch?</source>
        <translation>Sair do Reelcatch?</translation>
    </message>
</context>
<context>
    <name>reelcatch::BatchNotifier</name>
    <message>
        <source>Open Reelcatch</source>
        <translation>Abrir o Reelcatch</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvo em %1</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) finished</source>
        <translation>
            <numerusform>%n download concluído</numerusform>
            <numerusform>%n downloads concluídos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) failed</source>
        <translation>
            <numerusform>%n download falhou</numerusform>
            <numerusform>%n downloads falharam</numerusform>
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
            <numerusform>%n falhou</numerusform>
            <numerusform>%n falharam</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ClipDialog</name>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Download a Clip</source>
        <translation>Baixar um trecho</translation>
    </message>
    <message>
        <source>The video is %1 long.</source>
        <translation>O vídeo dura %1.</translation>
    </message>
    <message>
        <source>The video’s length is unknown: any end after the start is taken.</source>
        <translation>A duração do vídeo é desconhecida: qualquer fim após o início é aceito.</translation>
    </message>
    <message>
        <source>h:mm:ss, m:ss or seconds; a pasted link’s time (t=) is taken too</source>
        <translation>h:mm:ss, m:ss ou segundos; o tempo (t=) de um link colado também é usado</translation>
    </message>
    <message>
        <source>h:mm:ss</source>
        <translation>h:mm:ss</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Início:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Fim:</translation>
    </message>
    <message>
        <source>Type the start as h:mm:ss, m:ss or seconds.</source>
        <translation>Digite o início como h:mm:ss, m:ss ou em segundos.</translation>
    </message>
    <message>
        <source>Type the end as h:mm:ss, m:ss or seconds.</source>
        <translation>Digite o fim como h:mm:ss, m:ss ou em segundos.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>O fim deve vir depois do início.</translation>
    </message>
    <message>
        <source>The end must be within the video, which is %1 long.</source>
        <translation>O fim deve estar dentro do vídeo, que dura %1.</translation>
    </message>
    <message>
        <source>The clip will be %1 long.</source>
        <translation>O trecho vai durar %1.</translation>
    </message>
</context>
<context>
    <name>reelcatch::CookieSources</name>
    <message>
        <source>The cookies file “%1” is gone; cookies are off.</source>
        <translation>O arquivo de cookies “%1” não existe mais; os cookies estão desativados.</translation>
    </message>
    <message>
        <source>%1 is no longer installed; cookies are off.</source>
        <translation>%1 não está mais instalado; os cookies estão desativados.</translation>
    </message>
</context>
<context>
    <name>reelcatch::DesktopCues</name>
    <message numerus="yes">
        <source>Reelcatch · %n download(s) left</source>
        <translation>
            <numerusform>Reelcatch · %n download restante</numerusform>
            <numerusform>Reelcatch · %n downloads restantes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::Download</name>
    <message>
        <source>Waiting…</source>
        <translation>Aguardando…</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadQueue</name>
    <message>
        <source>Waiting…</source>
        <translation>Aguardando…</translation>
    </message>
    <message>
        <source>Getting ffmpeg ready (one-time, ~56 MB)…</source>
        <translation>Preparando o ffmpeg (uma única vez, cerca de 56 MB)…</translation>
    </message>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>O mecanismo de download ainda não está instalado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”.</source>
        <translation>Não foi possível criar a pasta “%1”.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvo em %1</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>O yt-dlp terminou com o código %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Cutting a clip needs ffmpeg, which isn&apos;t ready.</source>
        <translation>Para cortar um trecho é preciso o ffmpeg, que não está pronto.</translation>
    </message>
    <message>
        <source>Checking the clip’s length…</source>
        <translation>Verificando a duração do trecho…</translation>
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
        <translation>O trecho dura %1 em vez de %2.</translation>
    </message>
    <message>
        <source>%1 (its length couldn’t be checked)</source>
        <translation>%1 (não foi possível verificar a duração)</translation>
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
        <translation>Copiar link</translation>
    </message>
    <message>
        <source>Copy Error</source>
        <translation>Copiar erro</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Mostrar registro</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Remover da lista</translation>
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
            <numerusform>Começa em %n segundo</numerusform>
            <numerusform>Começa em %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Paused: YouTube is limiting requests. Resuming at %1…</source>
        <translation>Pausado: o YouTube está limitando as solicitações. Retomando às %1…</translation>
    </message>
    <message>
        <source>%1 · Clip %2</source>
        <translation>%1 · Trecho %2</translation>
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
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Limpar concluídos</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>Nada aqui ainda.</translation>
    </message>
    <message numerus="yes">
        <source>%n downloading</source>
        <translation>
            <numerusform>%n baixando</numerusform>
            <numerusform>%n baixando</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queued</source>
        <translation>
            <numerusform>%n na fila</numerusform>
            <numerusform>%n na fila</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineBanner</name>
    <message>
        <source>Try Again</source>
        <translation>Tentar novamente</translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineReadiness</name>
    <message>
        <source>Setting up the download engine (one-time, ~80 MB)…</source>
        <translation>Preparando o mecanismo de download (uma única vez, cerca de 80 MB)…</translation>
    </message>
    <message>
        <source>Updating the download engine…</source>
        <translation>Atualizando o mecanismo de download…</translation>
    </message>
    <message>
        <source>Couldn&apos;t install yt-dlp: %1</source>
        <translation>Não foi possível instalar o yt-dlp: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the download engine: %1</source>
        <translation>Não foi possível atualizar o mecanismo de download: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t download ffmpeg (%1). Downloads are limited to lower quality for now.</source>
        <translation>Não foi possível baixar o ffmpeg (%1). Por enquanto, os downloads ficam limitados a uma qualidade menor.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FileNaming</name>
    <message>
        <source>“%1” is missing its closing parenthesis.</source>
        <translation>Falta o parêntese de fechamento em “%1”.</translation>
    </message>
    <message>
        <source>“%(%1)” needs a letter after it: s for text, d for a number.</source>
        <translation>“%(%1)” precisa de uma letra depois: s para texto, d para número.</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Playlist</translation>
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
        <translation>Data de envio – Título</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Personalizado…</translation>
    </message>
    <message>
        <source>Type a name for the files.</source>
        <translation>Digite um nome para os arquivos.</translation>
    </message>
    <message>
        <source>A name cannot hold line breaks or tabs.</source>
        <translation>Um nome não pode conter quebras de linha nem tabulações.</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot begin with “/” or “~”.</source>
        <translation>Os arquivos ficam na pasta de downloads: um nome não pode começar com “/” ou “~”.</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot step out of it with “..”.</source>
        <translation>Os arquivos ficam na pasta de downloads: um nome não pode sair dela com “..”.</translation>
    </message>
    <message>
        <source>The name ends with a folder: add the file&apos;s own name after the last “/”.</source>
        <translation>O nome termina com uma pasta: adicione o nome do arquivo após a última “/”.</translation>
    </message>
    <message>
        <source>“%(%1)” names no field.</source>
        <translation>“%(%1)” não indica nenhum campo.</translation>
    </message>
    <message>
        <source>yt-dlp knows no field named “%1”.</source>
        <translation>O yt-dlp não conhece nenhum campo chamado “%1”.</translation>
    </message>
    <message>
        <source>Every video would get this same name: add a field such as %(title)s.</source>
        <translation>Todos os vídeos teriam o mesmo nome: adicione um campo como %(title)s.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FolderChooser</name>
    <message>
        <source>Use Folder</source>
        <translation>Usar pasta</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatDialog</name>
    <message>
        <source>about %1</source>
        <translation>cerca de %1</translation>
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
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Choose Format</source>
        <translation>Escolher formato</translation>
    </message>
    <message>
        <source>Asking yt-dlp which formats this video has…</source>
        <translation>Perguntando ao yt-dlp quais formatos este vídeo tem…</translation>
    </message>
    <message>
        <source>&amp;Video</source>
        <translation>&amp;Vídeo</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>Á&amp;udio</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>No video — audio only</source>
        <translation>Sem vídeo, só áudio</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>Its own sound</source>
        <translation>Áudio próprio</translation>
    </message>
    <message>
        <source>This video format has its own sound.</source>
        <translation>Este formato de vídeo tem áudio próprio.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatList</name>
    <message>
        <source>%1 wide</source>
        <translation>%1 de largura</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>%1 with sound</source>
        <translation>%1 com som</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>%1 (original)</source>
        <translation>%1 (original)</translation>
    </message>
    <message>
        <source>%1 (dubbed)</source>
        <translation>%1 (dublado)</translation>
    </message>
    <message>
        <source>%1 (automatic dub)</source>
        <translation>%1 (dublagem automática)</translation>
    </message>
    <message>
        <source>%1 (audio description)</source>
        <translation>%1 (audiodescrição)</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatQuery</name>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>O mecanismo de download ainda não está instalado.</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>O yt-dlp terminou com o código %1</translation>
    </message>
    <message>
        <source>yt-dlp listed no formats for this video.</source>
        <translation>O yt-dlp não listou nenhum formato para este vídeo.</translation>
    </message>
</context>
<context>
    <name>reelcatch::HeaderBar</name>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Paste a YouTube link, playlist or channel, or type to search</source>
        <translation>Cole um link, playlist ou canal do YouTube, ou digite para pesquisar</translation>
    </message>
    <message>
        <source>Link or search words</source>
        <translation>Link ou termos de pesquisa</translation>
    </message>
    <message>
        <source>Fetch</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Quality / format for new downloads</source>
        <translation>Qualidade / formato dos novos downloads</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Save to: %1</source>
        <translation>Salvar em: %1</translation>
    </message>
    <message>
        <source>Link field</source>
        <translation>Campo do link</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryList</name>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryModel</name>
    <message>
        <source>File moved or deleted</source>
        <translation>Arquivo movido ou excluído</translation>
    </message>
    <message>
        <source>Finished %1</source>
        <translation>Concluído em %1</translation>
    </message>
    <message>
        <source>File on disk</source>
        <translation>Arquivo presente</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Search titles and channels</source>
        <translation>Pesquisar títulos e canais</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Pesquisar no histórico</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Saves the videos listed as a CSV file</source>
        <translation>Salva os vídeos listados como arquivo CSV</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Baixar novamente</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar link</translation>
    </message>
    <message>
        <source>Remove from History</source>
        <translation>Remover do histórico</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportado para %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t export to %1</source>
        <translation>Não foi possível exportar para %1</translation>
    </message>
    <message>
        <source>Reelcatch History</source>
        <translation>Histórico do Reelcatch</translation>
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
        <translation>Nenhum vídeo baixado ainda.</translation>
    </message>
    <message>
        <source>No video matches the search.</source>
        <translation>Nenhum vídeo corresponde à pesquisa.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Installer</name>
    <message>
        <source>Couldn&apos;t create the folder %1: %2</source>
        <translation>Não foi possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the download site: %1</source>
        <translation>Não foi possível acessar o site de download: %1</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t match its published checksum.</source>
        <translation>O %1 baixado não confere com o checksum publicado.</translation>
    </message>
    <message>
        <source>The downloaded %1 is larger than expected.</source>
        <translation>O %1 baixado é maior que o esperado.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Download failed (HTTP %1): %2</source>
        <translation>Falha no download (HTTP %1): %2</translation>
    </message>
    <message>
        <source>Download failed (HTTP 0): %1</source>
        <translation>Falha no download (HTTP 0): %1</translation>
    </message>
    <message>
        <source>Download incomplete (%1 of %2 bytes): %3</source>
        <translation>Download incompleto (%1 de %2 bytes): %3</translation>
    </message>
    <message>
        <source>Download stalled (nothing received for %1 s): %2</source>
        <translation>Download travado (nada recebido em %1 s): %2</translation>
    </message>
    <message>
        <source>Download too slow (under %1 bytes/s for %2 s): %3</source>
        <translation>Download lento demais (menos de %1 bytes/s por %2 s): %3</translation>
    </message>
    <message>
        <source>Can&apos;t check the downloaded %1: gpgv is missing (install the package gpgv).</source>
        <translation>Não é possível verificar o %1 baixado: falta o gpgv (instale o pacote gpgv).</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the signing key %1</source>
        <translation>Não foi possível ler a chave de assinatura %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t unpack %1: %2</source>
        <translation>Não foi possível extrair %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t make %1 executable: %2</source>
        <translation>Não foi possível tornar %1 executável: %2</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t run.</source>
        <translation>O %1 baixado não inicia.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install %1: %2</source>
        <translation>Não foi possível instalar %1: %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::Library</name>
    <message>
        <source>File moved or deleted</source>
        <translation>Arquivo movido ou excluído</translation>
    </message>
    <message>
        <source>Your download list couldn&apos;t be read and was started afresh.</source>
        <translation>Não foi possível ler sua lista de downloads, e ela foi recriada do zero.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>o disco relatou um erro</translation>
    </message>
    <message>
        <source>its folder can&apos;t be written to</source>
        <translation>não é possível gravar na pasta dela</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>outro programa a está usando</translation>
    </message>
    <message>
        <source>its file can&apos;t be opened</source>
        <translation>não é possível abrir o arquivo dela</translation>
    </message>
    <message>
        <source>This download list was saved by a newer Reelcatch. It is kept unchanged and not used.</source>
        <translation>Esta lista de downloads foi salva por uma versão mais nova do Reelcatch. Ela é mantida sem alterações e não é usada.</translation>
    </message>
    <message>
        <source>Reelcatch is already open elsewhere with this download list; this window&apos;s list won&apos;t be kept.</source>
        <translation>O Reelcatch já está aberto em outro lugar com esta lista de downloads; a lista desta janela não será mantida.</translation>
    </message>
    <message>
        <source>Your download list can&apos;t be saved right now: %1.</source>
        <translation>Não é possível salvar sua lista de downloads agora: %1.</translation>
    </message>
</context>
<context>
    <name>reelcatch::LinkHeading</name>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Desmarcar tudo</translation>
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
        <translation>Isso é longo demais para ser um link ou uma pesquisa.</translation>
    </message>
    <message>
        <source>The download engine is still being set up. Try again in a moment.</source>
        <translation>O mecanismo de download ainda está sendo preparado. Tente novamente em instantes.</translation>
    </message>
    <message>
        <source>yt-dlp couldn&apos;t be installed. %1 Try Again from the banner.</source>
        <translation>Não foi possível instalar o yt-dlp. %1 Use “Tentar novamente” no aviso acima.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load that link.</source>
        <translation>Não foi possível carregar esse link.</translation>
    </message>
    <message>
        <source>Search: %1</source>
        <translation>Pesquisa: %1</translation>
    </message>
    <message>
        <source>Nothing downloadable found there.</source>
        <translation>Nada para baixar ali.</translation>
    </message>
    <message>
        <source>yt-dlp stopped answering.</source>
        <translation>O yt-dlp parou de responder.</translation>
    </message>
    <message>
        <source>Only the first video could be listed.</source>
        <translation>Só foi possível listar o primeiro vídeo.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n videos could be listed.</source>
        <translation>
            <numerusform>Só foi possível listar o primeiro vídeo.</numerusform>
            <numerusform>Só foi possível listar os primeiros %n vídeos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s)</source>
        <translation>
            <numerusform>%n link</numerusform>
            <numerusform>%n links</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t open that file. %1</source>
        <translation>Não foi possível abrir esse arquivo. %1</translation>
    </message>
    <message>
        <source>That file is too big to be a list of links.</source>
        <translation>Esse arquivo é grande demais para ser uma lista de links.</translation>
    </message>
    <message>
        <source>No links found in that file.</source>
        <translation>Nenhum link encontrado nesse arquivo.</translation>
    </message>
</context>
<context>
    <name>reelcatch::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configurações…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Results and downloads</source>
        <translation>Resultados e downloads</translation>
    </message>
    <message>
        <source>Divider between results and downloads</source>
        <translation>Divisor entre resultados e downloads</translation>
    </message>
    <message>
        <source>Download Ticked</source>
        <translation>Baixar marcados</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>About Reelcatch</source>
        <translation>Sobre o Reelcatch</translation>
    </message>
    <message>
        <source>Open List of Links…</source>
        <translation>Abrir lista de links…</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Open List of Links</source>
        <translation>Abrir lista de links</translation>
    </message>
    <message>
        <source>Text files (*.txt *.list)</source>
        <translation>Arquivos de texto (*.txt *.list)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>reelcatch::Network</name>
    <message>
        <source>A proxy address begins with http://, https:// or socks5://, as in socks5://127.0.0.1:1080.</source>
        <translation>Um endereço de proxy começa com http://, https:// ou socks5://, como em socks5://127.0.0.1:1080.</translation>
    </message>
    <message>
        <source>The proxy address needs a host after “//”.</source>
        <translation>O endereço do proxy precisa de um host depois de “//”.</translation>
    </message>
    <message>
        <source>A proxy address ends with its host and port, with nothing after them.</source>
        <translation>Um endereço de proxy termina com o host e a porta, sem nada depois.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Preset</name>
    <message>
        <source>Best available</source>
        <translation>Melhor disponível</translation>
    </message>
    <message>
        <source>Audio only (MP3)</source>
        <translation>Só áudio (MP3)</translation>
    </message>
    <message>
        <source>Audio only (M4A)</source>
        <translation>Só áudio (M4A)</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Melhor</translation>
    </message>
</context>
<context>
    <name>reelcatch::ProgressProtocol</name>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Converting audio…</source>
        <translation>Convertendo áudio…</translation>
    </message>
    <message>
        <source>Finishing up…</source>
        <translation>Finalizando…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>faltam %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultDelegate</name>
    <message>
        <source>Download just this one</source>
        <translation>Baixar só este</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Baixado</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsList</name>
    <message>
        <source>Choose Format…</source>
        <translation>Escolher formato…</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Open on YouTube</source>
        <translation>Abrir no YouTube</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar link</translation>
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
        <translation>Baixar um trecho…</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsModel</name>
    <message>
        <source>Downloaded</source>
        <translation>Baixado</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Ao vivo</translation>
    </message>
    <message>
        <source>Upcoming</source>
        <translation>Em breve</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Aguardando</translation>
    </message>
    <message>
        <source>Looking it up…</source>
        <translation>Buscando…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>%n vídeo até agora</numerusform>
            <numerusform>%n vídeos até agora</numerusform>
        </translation>
    </message>
    <message>
        <source>Not looked up</source>
        <translation>Não buscado</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n vídeo, listagem interrompida</numerusform>
            <numerusform>%n vídeos, listagem interrompida</numerusform>
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
        <translation>Cole um link para começar</translation>
    </message>
    <message>
        <source>Copy a YouTube link anywhere and switch back here, it loads automatically.
You can also drag a link onto this window, or type words to search YouTube.</source>
        <translation>Copie um link do YouTube em qualquer lugar e volte para cá: ele é carregado automaticamente.
Você também pode arrastar um link para esta janela ou digitar palavras para pesquisar no YouTube.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
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
            <numerusform>%n selecionado</numerusform>
            <numerusform>%n selecionados</numerusform>
        </translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Desmarcar tudo</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Baixar %1</translation>
    </message>
    <message>
        <source>Select New</source>
        <translation>Selecionar novos</translation>
    </message>
    <message>
        <source>Tick only the videos not downloaded before</source>
        <translation>Marcar só os vídeos ainda não baixados</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>%n vídeo até agora</numerusform>
            <numerusform>%n vídeos até agora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n vídeo, listagem interrompida</numerusform>
            <numerusform>%n vídeos, listagem interrompida</numerusform>
        </translation>
    </message>
    <message>
        <source>Download the ticked videos (%1)</source>
        <translation>Baixar os vídeos marcados (%1)</translation>
    </message>
    <message>
        <source>Choose Format…</source>
        <translation>Escolher formato…</translation>
    </message>
    <message>
        <source>Pick the video and audio formats of this video</source>
        <translation>Escolher os formatos de vídeo e áudio deste vídeo</translation>
    </message>
</context>
<context>
    <name>reelcatch::SettingsWindow</name>
    <message>
        <source>Prefer H.264 so files play in any player and on any device</source>
        <translation>Preferir H.264 para que os arquivos funcionem em qualquer player e dispositivo</translation>
    </message>
    <message>
        <source>Above 1080p YouTube only offers VP9/AV1. Those play in VLC, mpv and current browsers, but not on every older device.</source>
        <translation>Acima de 1080p, o YouTube só oferece VP9/AV1. Eles funcionam no VLC, no mpv e nos navegadores atuais, mas não em todos os dispositivos mais antigos.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Salvamento</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Alterar…</translation>
    </message>
    <message>
        <source>Download folder</source>
        <translation>Pasta de downloads</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Pause between downloads, in seconds</source>
        <translation>Pausa entre downloads, em segundos</translation>
    </message>
    <message>
        <source>Pause between downloads</source>
        <translation>Pausa entre downloads</translation>
    </message>
    <message>
        <source>Load YouTube links from the clipboard automatically</source>
        <translation>Carregar links do YouTube da área de transferência automaticamente</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Embed subtitles</source>
        <translation>Incorporar legendas</translation>
    </message>
    <message>
        <source>Subtitle languages</source>
        <translation>Idiomas das legendas</translation>
    </message>
    <message>
        <source>Save subtitles as files (SRT)</source>
        <translation>Salvar legendas como arquivos (SRT)</translation>
    </message>
    <message>
        <source>Include automatic captions</source>
        <translation>Incluir legendas automáticas</translation>
    </message>
    <message>
        <source>Audio language</source>
        <translation>Idioma do áudio</translation>
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
        <translation>O que fazer com patrocínios e outros segmentos marcados pelos espectadores</translation>
    </message>
    <message>
        <source>Mark as chapters</source>
        <translation>Marcar como capítulos</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Sponsor</source>
        <translation>Patrocinador</translation>
    </message>
    <message>
        <source>Self-promotion</source>
        <translation>Autopromoção</translation>
    </message>
    <message>
        <source>Interaction reminder</source>
        <translation>Lembrete de interação</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Introdução</translation>
    </message>
    <message>
        <source>Outro</source>
        <translation>Encerramento</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>Non-music section</source>
        <translation>Seção sem música</translation>
    </message>
    <message>
        <source>Filler</source>
        <translation>Enchimento</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Metadados</translation>
    </message>
    <message>
        <source>Embed title, channel and date</source>
        <translation>Incorporar título, canal e data</translation>
    </message>
    <message>
        <source>Embed thumbnail as cover art</source>
        <translation>Incorporar miniatura como capa</translation>
    </message>
    <message>
        <source>YouTube account</source>
        <translation>Conta do YouTube</translation>
    </message>
    <message>
        <source>Use cookies from</source>
        <translation>Usar cookies de</translation>
    </message>
    <message>
        <source>The browser or file whose sign-in YouTube sees</source>
        <translation>O navegador ou arquivo cujo login o YouTube vê</translation>
    </message>
    <message>
        <source>Cookies let YouTube see you as signed in. Close YouTube in that browser while downloading if it locks its cookies. YouTube may limit accounts that download a lot.</source>
        <translation>Os cookies permitem que o YouTube veja você como conectado. Feche o YouTube nesse navegador durante o download se ele bloquear os cookies. O YouTube pode limitar contas que baixam muito.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Mecanismo</translation>
    </message>
    <message>
        <source>JS runtime (deno)</source>
        <translation>Runtime JS (deno)</translation>
    </message>
    <message>
        <source>YouTube changes often. If downloads start failing, update the engine.</source>
        <translation>O YouTube muda com frequência. Se os downloads começarem a falhar, atualize o mecanismo.</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>A cookies file…</source>
        <translation>Um arquivo de cookies…</translation>
    </message>
    <message>
        <source>Use File</source>
        <translation>Usar arquivo</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>não instalado</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>instalado</translation>
    </message>
    <message>
        <source>installs with your first download</source>
        <translation>é instalado com o primeiro download</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>Parallel downloads</source>
        <translation>Downloads simultâneos</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no pause between downloads</comment>
        <translation>Sem pausa</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>SponsorBlock</comment>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no subtitle languages</comment>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no cookies</comment>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nomes de arquivo</translation>
    </message>
    <message>
        <source>How downloaded files are named</source>
        <translation>Como os arquivos baixados são nomeados</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>Modelo de nome</translation>
    </message>
    <message>
        <source>Put each playlist in a folder of its own, numbered</source>
        <translation>Colocar cada playlist em uma pasta própria, com numeração</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>None, or socks5://host:port</source>
        <translation>Nenhum, ou socks5://host:porta</translation>
    </message>
    <message>
        <source> MB/s</source>
        <translation> MB/s</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sem limite</translation>
    </message>
    <message>
        <source>Limit each download to, in MB/s</source>
        <translation>Limitar cada download a, em MB/s</translation>
    </message>
    <message>
        <source>Limit each download to</source>
        <translation>Limitar cada download a</translation>
    </message>
    <message>
        <source>Lookups and downloads go through the proxy; the limit holds for each download on its own.</source>
        <translation>Buscas e downloads passam pelo proxy; o limite vale para cada download separadamente.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Por exemplo: %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>Look up the link or search words</source>
        <translation>Buscar o link ou os termos de pesquisa</translation>
    </message>
    <message>
        <source>Stop the lookup</source>
        <translation>Parar a busca</translation>
    </message>
    <message>
        <source>Tick or untick the current result</source>
        <translation>Marcar ou desmarcar o resultado atual</translation>
    </message>
    <message>
        <source>Download the ticked videos</source>
        <translation>Baixar os vídeos marcados</translation>
    </message>
    <message>
        <source>Open the file of the current finished download</source>
        <translation>Abrir o arquivo do download concluído atual</translation>
    </message>
    <message>
        <source>Remove the current finished download from the list</source>
        <translation>Remover da lista o download concluído atual</translation>
    </message>
    <message>
        <source>Show what the current row offers</source>
        <translation>Mostrar o que a linha atual oferece</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Close Settings or this window</source>
        <translation>Fechar as configurações ou esta janela</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Look up the links in a text file</source>
        <translation>Buscar os links de um arquivo de texto</translation>
    </message>
    <message>
        <source>Show the history of finished videos</source>
        <translation>Mostrar o histórico de vídeos concluídos</translation>
    </message>
    <message>
        <source>History: show the selected video&apos;s file in its folder</source>
        <translation>Histórico: mostrar o arquivo do vídeo selecionado na pasta</translation>
    </message>
    <message>
        <source>History: download the selected video again</source>
        <translation>Histórico: baixar novamente o vídeo selecionado</translation>
    </message>
    <message>
        <source>History: export the videos listed as CSV</source>
        <translation>Histórico: exportar como CSV os vídeos listados</translation>
    </message>
</context>
</TS>
