<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
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
        <translation>YouTube が、ボットでないことを確認するためにログイン済みのブラウザーを求めています。</translation>
    </message>
    <message>
        <source>This video is age-restricted. Sign in with a browser to download it.</source>
        <translation>この動画は年齢制限付きです。ダウンロードするにはブラウザーでログインしてください。</translation>
    </message>
    <message>
        <source>This video is private or for channel members only.</source>
        <translation>この動画は非公開か、チャンネルメンバー限定です。</translation>
    </message>
    <message>
        <source>YouTube is limiting requests from this connection. Downloads resume by themselves.</source>
        <translation>YouTube がこの接続からのリクエストを制限しています。ダウンロードは自動的に再開されます。</translation>
    </message>
    <message>
        <source>This video is unavailable.</source>
        <translation>この動画は利用できません。</translation>
    </message>
    <message>
        <source>The download engine needs an update.</source>
        <translation>ダウンロードエンジンの更新が必要です。</translation>
    </message>
    <message>
        <source>Can&apos;t reach YouTube. Check the connection.</source>
        <translation>YouTube に接続できません。ネットワーク接続を確認してください。</translation>
    </message>
    <message>
        <source>The download folder&apos;s disk is full.</source>
        <translation>ダウンロードフォルダーのディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>This quality isn&apos;t available for this video. Pick another.</source>
        <translation>この動画ではこの画質を利用できません。別の画質を選んでください。</translation>
    </message>
    <message>
        <source>YouTube is still limiting requests from this connection. Try again later.</source>
        <translation>YouTube がこの接続からのリクエストをまだ制限しています。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>(version unknown)</source>
        <translation>(バージョン不明)</translation>
    </message>
    <message>
        <source>Choose Browser…</source>
        <translation>ブラウザーを選択…</translation>
    </message>
    <message>
        <source>Resume Now</source>
        <translation>今すぐ再開</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>今すぐ更新</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Download videos and audio with yt-dlp.</source>
        <translation>yt-dlp で動画と音声をダウンロードします。</translation>
    </message>
    <message>
        <source>Links to look up (also reelcatch://…).</source>
        <translation>照会するリンク (reelcatch://… も可)。</translation>
    </message>
</context>
<context>
    <name>reelcatch::AboutDialog</name>
    <message>
        <source>About Reelcatch</source>
        <translation>Reelcatch について</translation>
    </message>
    <message>
        <source>Reelcatch %1</source>
        <translation>Reelcatch %1</translation>
    </message>
    <message>
        <source>Downloads videos from YouTube with yt-dlp.</source>
        <translation>yt-dlp で YouTube から動画をダウンロードします。</translation>
    </message>
    <message>
        <source>yt-dlp</source>
        <translation>yt-dlp</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>未インストール</translation>
    </message>
    <message>
        <source>deno</source>
        <translation>deno</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>インストール済み</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <translation>ffmpeg</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>ライセンス</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>設定ファイル</translation>
    </message>
    <message>
        <source>Tools folder</source>
        <translation>ツールのフォルダー</translation>
    </message>
    <message>
        <source>Download list folder</source>
        <translation>ダウンロードリストのフォルダー</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>サムネイルのキャッシュ</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or any later version (GPL-3.0-or-later). Reelcatch comes with no warranty. yt-dlp, deno and ffmpeg are not part of Reelcatch and come under their own licences.</source>
        <translation>GNU 一般公衆利用許諾書 バージョン 3 またはそれ以降の任意のバージョン (GPL-3.0-or-later)。Reelcatch は無保証です。yt-dlp、deno、ffmpeg は Reelcatch の一部ではなく、それぞれ独自のライセンスに従います。</translation>
    </message>
</context>
<context>
    <name>reelcatch::AppShell</name>
    <message>
        <source>Show Reelcatch</source>
        <translation>Reelcatch を表示</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) are running or waiting. They will continue the next time you open Reelcatch.</source>
        <translation>
            <numerusform>%n 件のダウンロードが実行中または待機中です。次に Reelcatch を開いたときに続行されます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Reelcatch?</source>
        <translation>Reelcatch を終了しますか？</translation>
    </message>
</context>
<context>
    <name>reelcatch::BatchNotifier</name>
    <message>
        <source>Open Reelcatch</source>
        <translation>Reelcatch を開く</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>%1 に保存しました</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) finished</source>
        <translation>
            <numerusform>%n 件のダウンロードが完了しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) failed</source>
        <translation>
            <numerusform>%n 件のダウンロードが失敗しました</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins &quot;3 downloads finished&quot; and &quot;1 failed&quot;.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n 件が失敗しました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ClipDialog</name>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Download a Clip</source>
        <translation>クリップをダウンロード</translation>
    </message>
    <message>
        <source>The video is %1 long.</source>
        <translation>動画の長さは %1 です。</translation>
    </message>
    <message>
        <source>The video’s length is unknown: any end after the start is taken.</source>
        <translation>動画の長さが不明です。開始より後であれば、どの終了時刻でも受け付けます。</translation>
    </message>
    <message>
        <source>h:mm:ss, m:ss or seconds; a pasted link’s time (t=) is taken too</source>
        <translation>h:mm:ss、m:ss または秒数。貼り付けたリンクの時刻 (t=) も使えます</translation>
    </message>
    <message>
        <source>h:mm:ss</source>
        <translation>h:mm:ss</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>開始(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>終了(&amp;E):</translation>
    </message>
    <message>
        <source>Type the start as h:mm:ss, m:ss or seconds.</source>
        <translation>開始時刻を h:mm:ss、m:ss または秒数で入力してください。</translation>
    </message>
    <message>
        <source>Type the end as h:mm:ss, m:ss or seconds.</source>
        <translation>終了時刻を h:mm:ss、m:ss または秒数で入力してください。</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>終了時刻は開始時刻より後にしてください。</translation>
    </message>
    <message>
        <source>The end must be within the video, which is %1 long.</source>
        <translation>終了時刻は動画の長さ (%1) 以内にしてください。</translation>
    </message>
    <message>
        <source>The clip will be %1 long.</source>
        <translation>クリップの長さは %1 になります。</translation>
    </message>
</context>
<context>
    <name>reelcatch::CookieSources</name>
    <message>
        <source>The cookies file “%1” is gone; cookies are off.</source>
        <translation>Cookie ファイル「%1」が見つからないため、Cookie をオフにしました。</translation>
    </message>
    <message>
        <source>%1 is no longer installed; cookies are off.</source>
        <translation>%1 がインストールされていないため、Cookie をオフにしました。</translation>
    </message>
</context>
<context>
    <name>reelcatch::DesktopCues</name>
    <message numerus="yes">
        <source>Reelcatch · %n download(s) left</source>
        <translation>
            <numerusform>Reelcatch · 残り %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::Download</name>
    <message>
        <source>Waiting…</source>
        <translation>待機中…</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadQueue</name>
    <message>
        <source>Waiting…</source>
        <translation>待機中…</translation>
    </message>
    <message>
        <source>Getting ffmpeg ready (one-time, ~56 MB)…</source>
        <translation>ffmpeg を準備中 (初回のみ、約 56 MB)…</translation>
    </message>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>ダウンロードエンジンがまだインストールされていません。</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”.</source>
        <translation>フォルダー「%1」を作成できませんでした。</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>開始中…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>%1 に保存しました</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp がコード %1 で終了しました</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>キャンセル済み</translation>
    </message>
    <message>
        <source>Cutting a clip needs ffmpeg, which isn&apos;t ready.</source>
        <translation>クリップの切り出しには ffmpeg が必要ですが、まだ準備ができていません。</translation>
    </message>
    <message>
        <source>Checking the clip’s length…</source>
        <translation>クリップの長さを確認中…</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>The clip is %1 long instead of %2.</source>
        <translation>クリップの長さが %2 ではなく %1 です。</translation>
    </message>
    <message>
        <source>%1 (its length couldn’t be checked)</source>
        <translation>%1 (長さを確認できませんでした)</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsList</name>
    <message>
        <source>Downloads</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message>
        <source>Copy Error</source>
        <translation>エラーをコピー</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>ログを表示</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>リストから削除</translation>
    </message>
    <message>
        <source>Log of “%1”</source>
        <translation>「%1」のログ</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsModel</name>
    <message numerus="yes">
        <source>Starts in %n second(s)</source>
        <translation>
            <numerusform>%n 秒後に開始</numerusform>
        </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Paused: YouTube is limiting requests. Resuming at %1…</source>
        <translation>一時停止中: YouTube がリクエストを制限しています。%1 に再開します…</translation>
    </message>
    <message>
        <source>%1 · Clip %2</source>
        <translation>%1 · クリップ %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsPane</name>
    <message>
        <source>Downloads</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>完了済みを消去</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>まだ何もありません。</translation>
    </message>
    <message numerus="yes">
        <source>%n downloading</source>
        <translation>
            <numerusform>%n 件ダウンロード中</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queued</source>
        <translation>
            <numerusform>%n 件待機中</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineBanner</name>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineReadiness</name>
    <message>
        <source>Setting up the download engine (one-time, ~80 MB)…</source>
        <translation>ダウンロードエンジンをセットアップ中 (初回のみ、約 80 MB)…</translation>
    </message>
    <message>
        <source>Updating the download engine…</source>
        <translation>ダウンロードエンジンを更新中…</translation>
    </message>
    <message>
        <source>Couldn&apos;t install yt-dlp: %1</source>
        <translation>yt-dlp をインストールできませんでした: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the download engine: %1</source>
        <translation>ダウンロードエンジンを更新できませんでした: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t download ffmpeg (%1). Downloads are limited to lower quality for now.</source>
        <translation>ffmpeg をダウンロードできませんでした (%1)。当面、ダウンロードは低画質に限られます。</translation>
    </message>
</context>
<context>
    <name>reelcatch::FileNaming</name>
    <message>
        <source>“%1” is missing its closing parenthesis.</source>
        <translation>「%1」の閉じ括弧がありません。</translation>
    </message>
    <message>
        <source>“%(%1)” needs a letter after it: s for text, d for a number.</source>
        <translation>「%(%1)」の後に文字が必要です: テキストは s、数値は d。</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>再生リスト</translation>
    </message>
    <message>
        <source>Title [id]</source>
        <translation>タイトル [ID]</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Channel – Title</source>
        <translation>チャンネル – タイトル</translation>
    </message>
    <message>
        <source>Upload date – Title</source>
        <translation>アップロード日 – タイトル</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>カスタム…</translation>
    </message>
    <message>
        <source>Type a name for the files.</source>
        <translation>ファイルの名前を入力してください。</translation>
    </message>
    <message>
        <source>A name cannot hold line breaks or tabs.</source>
        <translation>名前に改行やタブは使えません。</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot begin with “/” or “~”.</source>
        <translation>ファイルはダウンロードフォルダー内に保存されます: 名前を「/」や「~」で始めることはできません。</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot step out of it with “..”.</source>
        <translation>ファイルはダウンロードフォルダー内に保存されます: 名前に「..」を使ってフォルダーの外に出ることはできません。</translation>
    </message>
    <message>
        <source>The name ends with a folder: add the file&apos;s own name after the last “/”.</source>
        <translation>名前がフォルダーで終わっています: 最後の「/」の後にファイル自体の名前を追加してください。</translation>
    </message>
    <message>
        <source>“%(%1)” names no field.</source>
        <translation>「%(%1)」はフィールドを指定していません。</translation>
    </message>
    <message>
        <source>yt-dlp knows no field named “%1”.</source>
        <translation>yt-dlp には「%1」という名前のフィールドはありません。</translation>
    </message>
    <message>
        <source>Every video would get this same name: add a field such as %(title)s.</source>
        <translation>すべての動画が同じ名前になります: %(title)s などのフィールドを追加してください。</translation>
    </message>
</context>
<context>
    <name>reelcatch::FolderChooser</name>
    <message>
        <source>Use Folder</source>
        <translation>このフォルダーを使用</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatDialog</name>
    <message>
        <source>about %1</source>
        <translation>約 %1</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Choose Format</source>
        <translation>形式を選択</translation>
    </message>
    <message>
        <source>Asking yt-dlp which formats this video has…</source>
        <translation>この動画の形式を yt-dlp に問い合わせています…</translation>
    </message>
    <message>
        <source>&amp;Video</source>
        <translation>映像(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>音声(&amp;A)</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>No video — audio only</source>
        <translation>映像なし — 音声のみ</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>Its own sound</source>
        <translation>映像自体の音声</translation>
    </message>
    <message>
        <source>This video format has its own sound.</source>
        <translation>この映像形式には音声が含まれています。</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatList</name>
    <message>
        <source>%1 wide</source>
        <translation>幅 %1</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>%1 with sound</source>
        <translation>%1 (音声付き)</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>%1 (original)</source>
        <translation>%1 (オリジナル)</translation>
    </message>
    <message>
        <source>%1 (dubbed)</source>
        <translation>%1 (吹き替え)</translation>
    </message>
    <message>
        <source>%1 (automatic dub)</source>
        <translation>%1 (自動吹き替え)</translation>
    </message>
    <message>
        <source>%1 (audio description)</source>
        <translation>%1 (音声解説)</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatQuery</name>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>ダウンロードエンジンがまだインストールされていません。</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp がコード %1 で終了しました</translation>
    </message>
    <message>
        <source>yt-dlp listed no formats for this video.</source>
        <translation>yt-dlp はこの動画の形式を 1 つも返しませんでした。</translation>
    </message>
</context>
<context>
    <name>reelcatch::HeaderBar</name>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Paste a YouTube link, playlist or channel, or type to search</source>
        <translation>YouTube のリンク、再生リスト、チャンネルを貼り付けるか、検索語を入力</translation>
    </message>
    <message>
        <source>Link or search words</source>
        <translation>リンクまたは検索語</translation>
    </message>
    <message>
        <source>Fetch</source>
        <translation>取得</translation>
    </message>
    <message>
        <source>Quality / format for new downloads</source>
        <translation>新しいダウンロードの画質 / 形式</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Save to: %1</source>
        <translation>保存先: %1</translation>
    </message>
    <message>
        <source>Link field</source>
        <translation>リンク欄</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryList</name>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryModel</name>
    <message>
        <source>File moved or deleted</source>
        <translation>ファイルが移動または削除されています</translation>
    </message>
    <message>
        <source>Finished %1</source>
        <translation>%1 に完了</translation>
    </message>
    <message>
        <source>File on disk</source>
        <translation>ファイルあり</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Search titles and channels</source>
        <translation>タイトルとチャンネルを検索</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>履歴を検索</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>エクスポート…</translation>
    </message>
    <message>
        <source>Saves the videos listed as a CSV file</source>
        <translation>一覧の動画を CSV ファイルとして保存します</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>再ダウンロード</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message>
        <source>Remove from History</source>
        <translation>履歴から削除</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>%1 にエクスポートしました</translation>
    </message>
    <message>
        <source>Couldn&apos;t export to %1</source>
        <translation>%1 にエクスポートできませんでした</translation>
    </message>
    <message>
        <source>Reelcatch History</source>
        <translation>Reelcatch の履歴</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>エクスポート中…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n 本の動画</numerusform>
        </translation>
    </message>
    <message>
        <source>No videos downloaded yet.</source>
        <translation>ダウンロードした動画はまだありません。</translation>
    </message>
    <message>
        <source>No video matches the search.</source>
        <translation>検索に一致する動画はありません。</translation>
    </message>
</context>
<context>
    <name>reelcatch::Installer</name>
    <message>
        <source>Couldn&apos;t create the folder %1: %2</source>
        <translation>フォルダー %1 を作成できませんでした: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2</source>
        <translation>%1 を書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the download site: %1</source>
        <translation>ダウンロードサイトに接続できませんでした: %1</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t match its published checksum.</source>
        <translation>ダウンロードした %1 が、公開されているチェックサムと一致しません。</translation>
    </message>
    <message>
        <source>The downloaded %1 is larger than expected.</source>
        <translation>ダウンロードした %1 が想定より大きくなっています。</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>キャンセル済み</translation>
    </message>
    <message>
        <source>Download failed (HTTP %1): %2</source>
        <translation>ダウンロードに失敗しました (HTTP %1): %2</translation>
    </message>
    <message>
        <source>Download failed (HTTP 0): %1</source>
        <translation>ダウンロードに失敗しました (HTTP 0): %1</translation>
    </message>
    <message>
        <source>Download incomplete (%1 of %2 bytes): %3</source>
        <translation>ダウンロードが不完全です (%1 / %2 バイト): %3</translation>
    </message>
    <message>
        <source>Download stalled (nothing received for %1 s): %2</source>
        <translation>ダウンロードが止まっています (%1 秒間受信なし): %2</translation>
    </message>
    <message>
        <source>Download too slow (under %1 bytes/s for %2 s): %3</source>
        <translation>ダウンロードが遅すぎます (%2 秒間 %1 バイト/秒未満): %3</translation>
    </message>
    <message>
        <source>Can&apos;t check the downloaded %1: gpgv is missing (install the package gpgv).</source>
        <translation>ダウンロードした %1 を検証できません: gpgv がありません (gpgv パッケージをインストールしてください)。</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the signing key %1</source>
        <translation>署名鍵 %1 を読み込めませんでした</translation>
    </message>
    <message>
        <source>Couldn&apos;t unpack %1: %2</source>
        <translation>%1 を展開できませんでした: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t make %1 executable: %2</source>
        <translation>%1 を実行可能にできませんでした: %2</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t run.</source>
        <translation>ダウンロードした %1 が動作しません。</translation>
    </message>
    <message>
        <source>Couldn&apos;t install %1: %2</source>
        <translation>%1 をインストールできませんでした: %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::Library</name>
    <message>
        <source>File moved or deleted</source>
        <translation>ファイルが移動または削除されています</translation>
    </message>
    <message>
        <source>Your download list couldn&apos;t be read and was started afresh.</source>
        <translation>ダウンロードリストを読み込めなかったため、新しく作り直しました。</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>ディスクがエラーを報告しました</translation>
    </message>
    <message>
        <source>its folder can&apos;t be written to</source>
        <translation>フォルダーに書き込めません</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>別のプログラムが使用中です</translation>
    </message>
    <message>
        <source>its file can&apos;t be opened</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>This download list was saved by a newer Reelcatch. It is kept unchanged and not used.</source>
        <translation>このダウンロードリストは新しいバージョンの Reelcatch で保存されています。変更せずに残し、使用しません。</translation>
    </message>
    <message>
        <source>Reelcatch is already open elsewhere with this download list; this window&apos;s list won&apos;t be kept.</source>
        <translation>Reelcatch はこのダウンロードリストを使って別の場所ですでに開かれています。このウィンドウのリストは保存されません。</translation>
    </message>
    <message>
        <source>Your download list can&apos;t be saved right now: %1.</source>
        <translation>ダウンロードリストを今は保存できません: %1。</translation>
    </message>
</context>
<context>
    <name>reelcatch::LinkHeading</name>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>選択を解除</translation>
    </message>
</context>
<context>
    <name>reelcatch::Listing</name>
    <message>
        <source>Playlist</source>
        <translation>再生リスト</translation>
    </message>
</context>
<context>
    <name>reelcatch::Lookup</name>
    <message>
        <source>That&apos;s too long to be a link or a search.</source>
        <translation>リンクや検索語としては長すぎます。</translation>
    </message>
    <message>
        <source>The download engine is still being set up. Try again in a moment.</source>
        <translation>ダウンロードエンジンはまだセットアップ中です。少し待ってからもう一度お試しください。</translation>
    </message>
    <message>
        <source>yt-dlp couldn&apos;t be installed. %1 Try Again from the banner.</source>
        <translation>yt-dlp をインストールできませんでした。%1 上部の通知で「再試行」を選んでください。</translation>
    </message>
    <message>
        <source>Couldn&apos;t load that link.</source>
        <translation>そのリンクを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Search: %1</source>
        <translation>検索: %1</translation>
    </message>
    <message>
        <source>Nothing downloadable found there.</source>
        <translation>ダウンロードできるものが見つかりませんでした。</translation>
    </message>
    <message>
        <source>yt-dlp stopped answering.</source>
        <translation>yt-dlp が応答しなくなりました。</translation>
    </message>
    <message>
        <source>Only the first video could be listed.</source>
        <translation>最初の動画しか一覧にできませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n videos could be listed.</source>
        <translation>
            <numerusform>最初の %n 本の動画しか一覧にできませんでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s)</source>
        <translation>
            <numerusform>%n 件のリンク</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t open that file. %1</source>
        <translation>そのファイルを開けませんでした。%1</translation>
    </message>
    <message>
        <source>That file is too big to be a list of links.</source>
        <translation>リンクの一覧としてはファイルが大きすぎます。</translation>
    </message>
    <message>
        <source>No links found in that file.</source>
        <translation>そのファイルにリンクが見つかりませんでした。</translation>
    </message>
</context>
<context>
    <name>reelcatch::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Results and downloads</source>
        <translation>結果とダウンロード</translation>
    </message>
    <message>
        <source>Divider between results and downloads</source>
        <translation>結果とダウンロードの区切り</translation>
    </message>
    <message>
        <source>Download Ticked</source>
        <translation>チェックした動画をダウンロード</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>About Reelcatch</source>
        <translation>Reelcatch について</translation>
    </message>
    <message>
        <source>Open List of Links…</source>
        <translation>リンクの一覧を開く…</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>ウィンドウ(&amp;W)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Open List of Links</source>
        <translation>リンクの一覧を開く</translation>
    </message>
    <message>
        <source>Text files (*.txt *.list)</source>
        <translation>テキストファイル (*.txt *.list)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>reelcatch::Network</name>
    <message>
        <source>A proxy address begins with http://, https:// or socks5://, as in socks5://127.0.0.1:1080.</source>
        <translation>プロキシのアドレスは http://、https://、socks5:// のいずれかで始まります (例: socks5://127.0.0.1:1080)。</translation>
    </message>
    <message>
        <source>The proxy address needs a host after “//”.</source>
        <translation>プロキシのアドレスには「//」の後にホストが必要です。</translation>
    </message>
    <message>
        <source>A proxy address ends with its host and port, with nothing after them.</source>
        <translation>プロキシのアドレスはホストとポートで終わり、その後には何も付けられません。</translation>
    </message>
</context>
<context>
    <name>reelcatch::Preset</name>
    <message>
        <source>Best available</source>
        <translation>最高画質</translation>
    </message>
    <message>
        <source>Audio only (MP3)</source>
        <translation>音声のみ (MP3)</translation>
    </message>
    <message>
        <source>Audio only (M4A)</source>
        <translation>音声のみ (M4A)</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最高</translation>
    </message>
</context>
<context>
    <name>reelcatch::ProgressProtocol</name>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>Converting audio…</source>
        <translation>音声を変換中…</translation>
    </message>
    <message>
        <source>Finishing up…</source>
        <translation>仕上げ中…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>残り %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultDelegate</name>
    <message>
        <source>Download just this one</source>
        <translation>これだけダウンロード</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>ダウンロード済み</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsList</name>
    <message>
        <source>Choose Format…</source>
        <translation>形式を選択…</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Open on YouTube</source>
        <translation>YouTube で開く</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>チェック</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>チェックを外す</translation>
    </message>
    <message>
        <source>Download a Clip…</source>
        <translation>クリップをダウンロード…</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsModel</name>
    <message>
        <source>Downloaded</source>
        <translation>ダウンロード済み</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>ライブ</translation>
    </message>
    <message>
        <source>Upcoming</source>
        <translation>公開予定</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Looking it up…</source>
        <translation>取得中…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>これまでに %n 本の動画</numerusform>
        </translation>
    </message>
    <message>
        <source>Not looked up</source>
        <translation>未取得</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n 本の動画 (一覧の取得を停止)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n 本の動画</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsPane</name>
    <message>
        <source>Looking it up…</source>
        <translation>取得中…</translation>
    </message>
    <message>
        <source>Paste a link to get started</source>
        <translation>リンクを貼り付けて始めましょう</translation>
    </message>
    <message>
        <source>Copy a YouTube link anywhere and switch back here, it loads automatically.
You can also drag a link onto this window, or type words to search YouTube.</source>
        <translation>どこかで YouTube のリンクをコピーしてここに戻ると、自動的に読み込まれます。
リンクをこのウィンドウにドラッグしたり、語句を入力して YouTube を検索したりすることもできます。</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n 本の動画</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n 件選択</numerusform>
        </translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>選択を解除</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 件をダウンロード</translation>
    </message>
    <message>
        <source>Select New</source>
        <translation>新しい動画を選択</translation>
    </message>
    <message>
        <source>Tick only the videos not downloaded before</source>
        <translation>まだダウンロードしていない動画だけをチェック</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>これまでに %n 本の動画</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n 本の動画 (一覧の取得を停止)</numerusform>
        </translation>
    </message>
    <message>
        <source>Download the ticked videos (%1)</source>
        <translation>チェックした動画をダウンロード (%1)</translation>
    </message>
    <message>
        <source>Choose Format…</source>
        <translation>形式を選択…</translation>
    </message>
    <message>
        <source>Pick the video and audio formats of this video</source>
        <translation>この動画の映像と音声の形式を選択</translation>
    </message>
</context>
<context>
    <name>reelcatch::SettingsWindow</name>
    <message>
        <source>Prefer H.264 so files play in any player and on any device</source>
        <translation>どのプレーヤーやデバイスでも再生できるよう H.264 を優先</translation>
    </message>
    <message>
        <source>Above 1080p YouTube only offers VP9/AV1. Those play in VLC, mpv and current browsers, but not on every older device.</source>
        <translation>1080p を超える画質では、YouTube は VP9/AV1 しか提供しません。これらは VLC、mpv、最新のブラウザーで再生できますが、古いデバイスでは再生できないことがあります。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>変更…</translation>
    </message>
    <message>
        <source>Download folder</source>
        <translation>ダウンロードフォルダー</translation>
    </message>
    <message>
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>Pause between downloads, in seconds</source>
        <translation>ダウンロード間の待ち時間 (秒)</translation>
    </message>
    <message>
        <source>Pause between downloads</source>
        <translation>ダウンロード間の待ち時間</translation>
    </message>
    <message>
        <source>Load YouTube links from the clipboard automatically</source>
        <translation>クリップボードの YouTube リンクを自動的に読み込む</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>Embed subtitles</source>
        <translation>字幕を埋め込む</translation>
    </message>
    <message>
        <source>Subtitle languages</source>
        <translation>字幕の言語</translation>
    </message>
    <message>
        <source>Save subtitles as files (SRT)</source>
        <translation>字幕をファイルとして保存 (SRT)</translation>
    </message>
    <message>
        <source>Include automatic captions</source>
        <translation>自動生成の字幕も含める</translation>
    </message>
    <message>
        <source>Audio language</source>
        <translation>音声の言語</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>オリジナル</translation>
    </message>
    <message>
        <source>SponsorBlock</source>
        <translation>SponsorBlock</translation>
    </message>
    <message>
        <source>What to do with sponsor and other segments viewers have marked</source>
        <translation>視聴者がマークしたスポンサーなどの区間をどう扱うか</translation>
    </message>
    <message>
        <source>Mark as chapters</source>
        <translation>チャプターとしてマーク</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Sponsor</source>
        <translation>スポンサー</translation>
    </message>
    <message>
        <source>Self-promotion</source>
        <translation>自己宣伝</translation>
    </message>
    <message>
        <source>Interaction reminder</source>
        <translation>インタラクションの呼びかけ</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>イントロ</translation>
    </message>
    <message>
        <source>Outro</source>
        <translation>アウトロ</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Non-music section</source>
        <translation>音楽以外の部分</translation>
    </message>
    <message>
        <source>Filler</source>
        <translation>余談</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Embed title, channel and date</source>
        <translation>タイトル、チャンネル、日付を埋め込む</translation>
    </message>
    <message>
        <source>Embed thumbnail as cover art</source>
        <translation>サムネイルをカバーアートとして埋め込む</translation>
    </message>
    <message>
        <source>YouTube account</source>
        <translation>YouTube アカウント</translation>
    </message>
    <message>
        <source>Use cookies from</source>
        <translation>Cookie の取得元</translation>
    </message>
    <message>
        <source>The browser or file whose sign-in YouTube sees</source>
        <translation>YouTube にログイン状態を伝えるブラウザーまたはファイル</translation>
    </message>
    <message>
        <source>Cookies let YouTube see you as signed in. Close YouTube in that browser while downloading if it locks its cookies. YouTube may limit accounts that download a lot.</source>
        <translation>Cookie を使うと、YouTube はあなたをログイン済みとして扱います。ブラウザーが Cookie をロックする場合は、ダウンロード中はそのブラウザーで YouTube を閉じてください。大量にダウンロードするアカウントは YouTube に制限されることがあります。</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>エンジン</translation>
    </message>
    <message>
        <source>JS runtime (deno)</source>
        <translation>JS ランタイム (deno)</translation>
    </message>
    <message>
        <source>YouTube changes often. If downloads start failing, update the engine.</source>
        <translation>YouTube は頻繁に変わります。ダウンロードが失敗するようになったら、エンジンを更新してください。</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>今すぐ更新</translation>
    </message>
    <message>
        <source>A cookies file…</source>
        <translation>Cookie ファイル…</translation>
    </message>
    <message>
        <source>Use File</source>
        <translation>このファイルを使用</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>未インストール</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>インストール済み</translation>
    </message>
    <message>
        <source>installs with your first download</source>
        <translation>初回のダウンロード時にインストール</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Parallel downloads</source>
        <translation>同時ダウンロード数</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no pause between downloads</comment>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>SponsorBlock</comment>
        <translation>オフ</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no subtitle languages</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no cookies</comment>
        <translation>使用しない</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>How downloaded files are named</source>
        <translation>ダウンロードしたファイルの名前の付け方</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>名前のテンプレート</translation>
    </message>
    <message>
        <source>Put each playlist in a folder of its own, numbered</source>
        <translation>再生リストごとに番号付きの個別フォルダーに保存</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>プロキシ</translation>
    </message>
    <message>
        <source>None, or socks5://host:port</source>
        <translation>なし、または socks5://host:port</translation>
    </message>
    <message>
        <source> MB/s</source>
        <translation> MB/s</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>制限なし</translation>
    </message>
    <message>
        <source>Limit each download to, in MB/s</source>
        <translation>ダウンロードごとの速度制限 (MB/s)</translation>
    </message>
    <message>
        <source>Limit each download to</source>
        <translation>ダウンロードごとの速度制限</translation>
    </message>
    <message>
        <source>Lookups and downloads go through the proxy; the limit holds for each download on its own.</source>
        <translation>取得とダウンロードはプロキシを経由します。速度制限はダウンロードごとに個別に適用されます。</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>例: %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Look up the link or search words</source>
        <translation>リンクを取得、または語句で検索</translation>
    </message>
    <message>
        <source>Stop the lookup</source>
        <translation>取得を中止</translation>
    </message>
    <message>
        <source>Tick or untick the current result</source>
        <translation>現在の結果のチェックを切り替え</translation>
    </message>
    <message>
        <source>Download the ticked videos</source>
        <translation>チェックした動画をダウンロード</translation>
    </message>
    <message>
        <source>Open the file of the current finished download</source>
        <translation>現在の完了済みダウンロードのファイルを開く</translation>
    </message>
    <message>
        <source>Remove the current finished download from the list</source>
        <translation>現在の完了済みダウンロードをリストから削除</translation>
    </message>
    <message>
        <source>Show what the current row offers</source>
        <translation>現在の行で行える操作を表示</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Close Settings or this window</source>
        <translation>設定またはこのウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Look up the links in a text file</source>
        <translation>テキストファイル内のリンクを取得</translation>
    </message>
    <message>
        <source>Show the history of finished videos</source>
        <translation>完了した動画の履歴を表示</translation>
    </message>
    <message>
        <source>History: show the selected video&apos;s file in its folder</source>
        <translation>履歴: 選択した動画のファイルをフォルダーに表示</translation>
    </message>
    <message>
        <source>History: download the selected video again</source>
        <translation>履歴: 選択した動画を再ダウンロード</translation>
    </message>
    <message>
        <source>History: export the videos listed as CSV</source>
        <translation>履歴: 一覧の動画を CSV にエクスポート</translation>
    </message>
</context>
</TS>
