<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
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
        <translation>YouTube, bot olmadığınızı doğrulamak için oturum açılmış bir tarayıcı istiyor.</translation>
    </message>
    <message>
        <source>This video is age-restricted. Sign in with a browser to download it.</source>
        <translation>Bu video yaş kısıtlamalı. İndirmek için bir tarayıcıda oturum açın.</translation>
    </message>
    <message>
        <source>This video is private or for channel members only.</source>
        <translation>Bu video özel veya yalnızca kanal üyelerine açık.</translation>
    </message>
    <message>
        <source>YouTube is limiting requests from this connection. Downloads resume by themselves.</source>
        <translation>YouTube bu bağlantıdan gelen istekleri sınırlıyor. İndirmeler kendiliğinden devam edecek.</translation>
    </message>
    <message>
        <source>This video is unavailable.</source>
        <translation>Bu video kullanılamıyor.</translation>
    </message>
    <message>
        <source>The download engine needs an update.</source>
        <translation>İndirme motorunun güncellenmesi gerekiyor.</translation>
    </message>
    <message>
        <source>Can&apos;t reach YouTube. Check the connection.</source>
        <translation>YouTube&apos;a ulaşılamıyor. Bağlantınızı kontrol edin.</translation>
    </message>
    <message>
        <source>The download folder&apos;s disk is full.</source>
        <translation>İndirme klasörünün bulunduğu disk dolu.</translation>
    </message>
    <message>
        <source>This quality isn&apos;t available for this video. Pick another.</source>
        <translation>Bu kalite bu video için mevcut değil. Başka birini seçin.</translation>
    </message>
    <message>
        <source>YouTube is still limiting requests from this connection. Try again later.</source>
        <translation>YouTube bu bağlantıdan gelen istekleri hâlâ sınırlıyor. Daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>(version unknown)</source>
        <translation>(sürüm bilinmiyor)</translation>
    </message>
    <message>
        <source>Choose Browser…</source>
        <translation>Tarayıcı Seç…</translation>
    </message>
    <message>
        <source>Resume Now</source>
        <translation>Şimdi Sürdür</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Şimdi Güncelle</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yeniden Dene</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Klasörü Aç</translation>
    </message>
    <message>
        <source>Download videos and audio with yt-dlp.</source>
        <translation>yt-dlp ile video ve ses indirin.</translation>
    </message>
    <message>
        <source>Links to look up (also reelcatch://…).</source>
        <translation>Açılacak bağlantılar (reelcatch://… dahil).</translation>
    </message>
</context>
<context>
    <name>reelcatch::AboutDialog</name>
    <message>
        <source>About Reelcatch</source>
        <translation>Reelcatch Hakkında</translation>
    </message>
    <message>
        <source>Reelcatch %1</source>
        <translation>Reelcatch %1</translation>
    </message>
    <message>
        <source>Downloads videos from YouTube with yt-dlp.</source>
        <translation>YouTube&apos;dan yt-dlp ile video indirir.</translation>
    </message>
    <message>
        <source>yt-dlp</source>
        <translation>yt-dlp</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>kurulu değil</translation>
    </message>
    <message>
        <source>deno</source>
        <translation>deno</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>kurulu</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>eksik</translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <translation>ffmpeg</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lisans</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Ayarlar dosyası</translation>
    </message>
    <message>
        <source>Tools folder</source>
        <translation>Araçlar klasörü</translation>
    </message>
    <message>
        <source>Download list folder</source>
        <translation>İndirme listesi klasörü</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>Küçük resim önbelleği</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or any later version (GPL-3.0-or-later). Reelcatch comes with no warranty. yt-dlp, deno and ffmpeg are not part of Reelcatch and come under their own licences.</source>
        <translation>GNU Genel Kamu Lisansı, sürüm 3 veya daha sonraki herhangi bir sürüm (GPL-3.0-or-later). Reelcatch hiçbir garanti olmaksızın sunulur. yt-dlp, deno ve ffmpeg Reelcatch&apos;in parçası değildir ve kendi lisanslarına tabidir.</translation>
    </message>
</context>
<context>
    <name>reelcatch::AppShell</name>
    <message>
        <source>Show Reelcatch</source>
        <translation>Reelcatch&apos;i Göster</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) are running or waiting. They will continue the next time you open Reelcatch.</source>
        <translation>
            <numerusform>%n indirme sürüyor veya bekliyor. Reelcatch&apos;i bir sonraki açışınızda kaldığı yerden devam edecek.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Reelcatch?</source>
        <translation>Reelcatch&apos;ten çıkılsın mı?</translation>
    </message>
</context>
<context>
    <name>reelcatch::BatchNotifier</name>
    <message>
        <source>Open Reelcatch</source>
        <translation>Reelcatch&apos;i Aç</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Klasörde Göster</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Kaydedildi: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) finished</source>
        <translation>
            <numerusform>%n indirme tamamlandı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) failed</source>
        <translation>
            <numerusform>%n indirme başarısız oldu</numerusform>
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
            <numerusform>%n başarısız</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ClipDialog</name>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>Download a Clip</source>
        <translation>Klip İndir</translation>
    </message>
    <message>
        <source>The video is %1 long.</source>
        <translation>Video %1 uzunluğunda.</translation>
    </message>
    <message>
        <source>The video’s length is unknown: any end after the start is taken.</source>
        <translation>Videonun uzunluğu bilinmiyor: başlangıçtan sonraki her bitiş kabul edilir.</translation>
    </message>
    <message>
        <source>h:mm:ss, m:ss or seconds; a pasted link’s time (t=) is taken too</source>
        <translation>h:mm:ss, m:ss veya saniye; yapıştırılan bağlantıdaki zaman (t=) da alınır</translation>
    </message>
    <message>
        <source>h:mm:ss</source>
        <translation>h:mm:ss</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Başlangıç:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>Bi&amp;tiş:</translation>
    </message>
    <message>
        <source>Type the start as h:mm:ss, m:ss or seconds.</source>
        <translation>Başlangıcı h:mm:ss, m:ss veya saniye olarak girin.</translation>
    </message>
    <message>
        <source>Type the end as h:mm:ss, m:ss or seconds.</source>
        <translation>Bitişi h:mm:ss, m:ss veya saniye olarak girin.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Bitiş, başlangıçtan sonra olmalıdır.</translation>
    </message>
    <message>
        <source>The end must be within the video, which is %1 long.</source>
        <translation>Bitiş videonun içinde olmalıdır; video %1 uzunluğunda.</translation>
    </message>
    <message>
        <source>The clip will be %1 long.</source>
        <translation>Klip %1 uzunluğunda olacak.</translation>
    </message>
</context>
<context>
    <name>reelcatch::CookieSources</name>
    <message>
        <source>The cookies file “%1” is gone; cookies are off.</source>
        <translation>“%1” çerez dosyası artık yok; çerezler kapatıldı.</translation>
    </message>
    <message>
        <source>%1 is no longer installed; cookies are off.</source>
        <translation>%1 artık kurulu değil; çerezler kapatıldı.</translation>
    </message>
</context>
<context>
    <name>reelcatch::DesktopCues</name>
    <message numerus="yes">
        <source>Reelcatch · %n download(s) left</source>
        <translation>
            <numerusform>Reelcatch · %n indirme kaldı</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::Download</name>
    <message>
        <source>Waiting…</source>
        <translation>Bekliyor…</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadQueue</name>
    <message>
        <source>Waiting…</source>
        <translation>Bekliyor…</translation>
    </message>
    <message>
        <source>Getting ffmpeg ready (one-time, ~56 MB)…</source>
        <translation>ffmpeg hazırlanıyor (bir kerelik, ~56 MB)…</translation>
    </message>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>İndirme motoru henüz kurulmadı.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”.</source>
        <translation>“%1” klasörü oluşturulamadı.</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Başlatılıyor…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Kaydedildi: %1</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp %1 koduyla çıktı</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>İptal edildi</translation>
    </message>
    <message>
        <source>Cutting a clip needs ffmpeg, which isn&apos;t ready.</source>
        <translation>Klip kesmek için ffmpeg gerekiyor, ancak henüz hazır değil.</translation>
    </message>
    <message>
        <source>Checking the clip’s length…</source>
        <translation>Klibin uzunluğu kontrol ediliyor…</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n saniye</numerusform>
        </translation>
    </message>
    <message>
        <source>The clip is %1 long instead of %2.</source>
        <translation>Klip %2 yerine %1 uzunluğunda.</translation>
    </message>
    <message>
        <source>%1 (its length couldn’t be checked)</source>
        <translation>%1 (uzunluğu kontrol edilemedi)</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsList</name>
    <message>
        <source>Downloads</source>
        <translation>İndirmeler</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Bağlantıyı Kopyala</translation>
    </message>
    <message>
        <source>Copy Error</source>
        <translation>Hatayı Kopyala</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Günlüğü Göster</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Listeden Kaldır</translation>
    </message>
    <message>
        <source>Log of “%1”</source>
        <translation>“%1” günlüğü</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsModel</name>
    <message numerus="yes">
        <source>Starts in %n second(s)</source>
        <translation>
            <numerusform>%n saniye içinde başlıyor</numerusform>
        </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Klasörde Göster</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yeniden Dene</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Paused: YouTube is limiting requests. Resuming at %1…</source>
        <translation>Duraklatıldı: YouTube istekleri sınırlıyor. Devam saati: %1…</translation>
    </message>
    <message>
        <source>%1 · Clip %2</source>
        <translation>%1 · Klip %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsPane</name>
    <message>
        <source>Downloads</source>
        <translation>İndirmeler</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Klasörü Aç</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Bitenleri Temizle</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>Henüz burada bir şey yok.</translation>
    </message>
    <message numerus="yes">
        <source>%n downloading</source>
        <translation>
            <numerusform>%n indiriliyor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queued</source>
        <translation>
            <numerusform>%n sırada</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineBanner</name>
    <message>
        <source>Try Again</source>
        <translation>Yeniden Dene</translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineReadiness</name>
    <message>
        <source>Setting up the download engine (one-time, ~80 MB)…</source>
        <translation>İndirme motoru kuruluyor (bir kerelik, ~80 MB)…</translation>
    </message>
    <message>
        <source>Updating the download engine…</source>
        <translation>İndirme motoru güncelleniyor…</translation>
    </message>
    <message>
        <source>Couldn&apos;t install yt-dlp: %1</source>
        <translation>yt-dlp kurulamadı: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the download engine: %1</source>
        <translation>İndirme motoru güncellenemedi: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t download ffmpeg (%1). Downloads are limited to lower quality for now.</source>
        <translation>ffmpeg indirilemedi (%1). İndirmeler şimdilik daha düşük kaliteyle sınırlı.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FileNaming</name>
    <message>
        <source>“%1” is missing its closing parenthesis.</source>
        <translation>“%1” için kapanış parantezi eksik.</translation>
    </message>
    <message>
        <source>“%(%1)” needs a letter after it: s for text, d for a number.</source>
        <translation>“%(%1)” sonrasında bir harf gerekli: metin için s, sayı için d.</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Oynatma listesi</translation>
    </message>
    <message>
        <source>Title [id]</source>
        <translation>Başlık [ID]</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Başlık</translation>
    </message>
    <message>
        <source>Channel – Title</source>
        <translation>Kanal – Başlık</translation>
    </message>
    <message>
        <source>Upload date – Title</source>
        <translation>Yükleme tarihi – Başlık</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Özel…</translation>
    </message>
    <message>
        <source>Type a name for the files.</source>
        <translation>Dosyalar için bir ad yazın.</translation>
    </message>
    <message>
        <source>A name cannot hold line breaks or tabs.</source>
        <translation>Ad, satır sonu veya sekme içeremez.</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot begin with “/” or “~”.</source>
        <translation>Dosyalar indirme klasöründe kalır: ad “/” veya “~” ile başlayamaz.</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot step out of it with “..”.</source>
        <translation>Dosyalar indirme klasöründe kalır: ad “..” ile klasörün dışına çıkamaz.</translation>
    </message>
    <message>
        <source>The name ends with a folder: add the file&apos;s own name after the last “/”.</source>
        <translation>Ad bir klasörle bitiyor: son “/” işaretinden sonra dosyanın kendi adını ekleyin.</translation>
    </message>
    <message>
        <source>“%(%1)” names no field.</source>
        <translation>“%(%1)” bir alan belirtmiyor.</translation>
    </message>
    <message>
        <source>yt-dlp knows no field named “%1”.</source>
        <translation>yt-dlp “%1” adlı bir alan tanımıyor.</translation>
    </message>
    <message>
        <source>Every video would get this same name: add a field such as %(title)s.</source>
        <translation>Her video aynı adı alır: %(title)s gibi bir alan ekleyin.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FolderChooser</name>
    <message>
        <source>Use Folder</source>
        <translation>Klasörü Kullan</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatDialog</name>
    <message>
        <source>about %1</source>
        <translation>yaklaşık %1</translation>
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
        <translation>Ses</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Yeniden Dene</translation>
    </message>
    <message>
        <source>Choose Format</source>
        <translation>Biçim Seç</translation>
    </message>
    <message>
        <source>Asking yt-dlp which formats this video has…</source>
        <translation>yt-dlp&apos;ye bu videonun biçimleri soruluyor…</translation>
    </message>
    <message>
        <source>&amp;Video</source>
        <translation>&amp;Video</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Ses</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>No video — audio only</source>
        <translation>Video yok — yalnızca ses</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>Its own sound</source>
        <translation>Kendi sesi</translation>
    </message>
    <message>
        <source>This video format has its own sound.</source>
        <translation>Bu video biçiminin kendi sesi var.</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatList</name>
    <message>
        <source>%1 wide</source>
        <translation>%1 genişliğinde</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>%1 with sound</source>
        <translation>%1, sesli</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>%1 (original)</source>
        <translation>%1 (orijinal)</translation>
    </message>
    <message>
        <source>%1 (dubbed)</source>
        <translation>%1 (dublaj)</translation>
    </message>
    <message>
        <source>%1 (automatic dub)</source>
        <translation>%1 (otomatik dublaj)</translation>
    </message>
    <message>
        <source>%1 (audio description)</source>
        <translation>%1 (sesli betimleme)</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatQuery</name>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>İndirme motoru henüz kurulmadı.</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp %1 koduyla çıktı</translation>
    </message>
    <message>
        <source>yt-dlp listed no formats for this video.</source>
        <translation>yt-dlp bu video için hiçbir biçim listelemedi.</translation>
    </message>
</context>
<context>
    <name>reelcatch::HeaderBar</name>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Paste a YouTube link, playlist or channel, or type to search</source>
        <translation>YouTube bağlantısı, oynatma listesi veya kanal yapıştırın ya da aramak için yazın</translation>
    </message>
    <message>
        <source>Link or search words</source>
        <translation>Bağlantı veya arama sözcükleri</translation>
    </message>
    <message>
        <source>Fetch</source>
        <translation>Getir</translation>
    </message>
    <message>
        <source>Quality / format for new downloads</source>
        <translation>Yeni indirmeler için kalite / biçim</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Save to: %1</source>
        <translation>Kayıt yeri: %1</translation>
    </message>
    <message>
        <source>Link field</source>
        <translation>Bağlantı alanı</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryList</name>
    <message>
        <source>History</source>
        <translation>Geçmiş</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryModel</name>
    <message>
        <source>File moved or deleted</source>
        <translation>Dosya taşınmış veya silinmiş</translation>
    </message>
    <message>
        <source>Finished %1</source>
        <translation>Tamamlanma: %1</translation>
    </message>
    <message>
        <source>File on disk</source>
        <translation>Dosya diskte</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Geçmiş</translation>
    </message>
    <message>
        <source>Search titles and channels</source>
        <translation>Başlıklarda ve kanallarda ara</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Geçmişte ara</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Dışa Aktar…</translation>
    </message>
    <message>
        <source>Saves the videos listed as a CSV file</source>
        <translation>Listelenen videoları CSV dosyası olarak kaydeder</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Klasörde Göster</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Yeniden İndir</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Bağlantıyı Kopyala</translation>
    </message>
    <message>
        <source>Remove from History</source>
        <translation>Geçmişten Kaldır</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Dışa aktarıldı: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t export to %1</source>
        <translation>Dışa aktarılamadı: %1</translation>
    </message>
    <message>
        <source>Reelcatch History</source>
        <translation>Reelcatch Geçmişi</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Dışa Aktar</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Dışa aktarılıyor…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n video</numerusform>
        </translation>
    </message>
    <message>
        <source>No videos downloaded yet.</source>
        <translation>Henüz video indirilmedi.</translation>
    </message>
    <message>
        <source>No video matches the search.</source>
        <translation>Aramayla eşleşen video yok.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Installer</name>
    <message>
        <source>Couldn&apos;t create the folder %1: %2</source>
        <translation>%1 klasörü oluşturulamadı: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2</source>
        <translation>%1 yazılamadı: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the download site: %1</source>
        <translation>İndirme sitesine ulaşılamadı: %1</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t match its published checksum.</source>
        <translation>İndirilen %1, yayımlanan sağlama toplamıyla eşleşmiyor.</translation>
    </message>
    <message>
        <source>The downloaded %1 is larger than expected.</source>
        <translation>İndirilen %1 beklenenden büyük.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>İptal edildi</translation>
    </message>
    <message>
        <source>Download failed (HTTP %1): %2</source>
        <translation>İndirme başarısız (HTTP %1): %2</translation>
    </message>
    <message>
        <source>Download failed (HTTP 0): %1</source>
        <translation>İndirme başarısız (HTTP 0): %1</translation>
    </message>
    <message>
        <source>Download incomplete (%1 of %2 bytes): %3</source>
        <translation>İndirme tamamlanmadı (%1 / %2 bayt): %3</translation>
    </message>
    <message>
        <source>Download stalled (nothing received for %1 s): %2</source>
        <translation>İndirme takıldı (%1 sn boyunca hiçbir şey alınmadı): %2</translation>
    </message>
    <message>
        <source>Download too slow (under %1 bytes/s for %2 s): %3</source>
        <translation>İndirme çok yavaş (%2 sn boyunca %1 bayt/sn altında): %3</translation>
    </message>
    <message>
        <source>Can&apos;t check the downloaded %1: gpgv is missing (install the package gpgv).</source>
        <translation>İndirilen %1 doğrulanamıyor: gpgv eksik (gpgv paketini kurun).</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the signing key %1</source>
        <translation>%1 imzalama anahtarı okunamadı</translation>
    </message>
    <message>
        <source>Couldn&apos;t unpack %1: %2</source>
        <translation>%1 arşivden çıkarılamadı: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t make %1 executable: %2</source>
        <translation>%1 çalıştırılabilir yapılamadı: %2</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t run.</source>
        <translation>İndirilen %1 çalışmıyor.</translation>
    </message>
    <message>
        <source>Couldn&apos;t install %1: %2</source>
        <translation>%1 kurulamadı: %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::Library</name>
    <message>
        <source>File moved or deleted</source>
        <translation>Dosya taşınmış veya silinmiş</translation>
    </message>
    <message>
        <source>Your download list couldn&apos;t be read and was started afresh.</source>
        <translation>İndirme listeniz okunamadı ve sıfırdan oluşturuldu.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disk dolu</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>disk bir hata bildirdi</translation>
    </message>
    <message>
        <source>its folder can&apos;t be written to</source>
        <translation>klasörüne yazılamıyor</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>başka bir program onu kullanıyor</translation>
    </message>
    <message>
        <source>its file can&apos;t be opened</source>
        <translation>dosyası açılamıyor</translation>
    </message>
    <message>
        <source>This download list was saved by a newer Reelcatch. It is kept unchanged and not used.</source>
        <translation>Bu indirme listesi Reelcatch&apos;in daha yeni bir sürümüyle kaydedilmiş. Olduğu gibi saklanıyor ve kullanılmıyor.</translation>
    </message>
    <message>
        <source>Reelcatch is already open elsewhere with this download list; this window&apos;s list won&apos;t be kept.</source>
        <translation>Reelcatch bu indirme listesiyle başka bir yerde zaten açık; bu penceredeki liste saklanmayacak.</translation>
    </message>
    <message>
        <source>Your download list can&apos;t be saved right now: %1.</source>
        <translation>İndirme listeniz şu anda kaydedilemiyor: %1.</translation>
    </message>
</context>
<context>
    <name>reelcatch::LinkHeading</name>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Seçimi Kaldır</translation>
    </message>
</context>
<context>
    <name>reelcatch::Listing</name>
    <message>
        <source>Playlist</source>
        <translation>Oynatma listesi</translation>
    </message>
</context>
<context>
    <name>reelcatch::Lookup</name>
    <message>
        <source>That&apos;s too long to be a link or a search.</source>
        <translation>Bu, bir bağlantı veya arama olamayacak kadar uzun.</translation>
    </message>
    <message>
        <source>The download engine is still being set up. Try again in a moment.</source>
        <translation>İndirme motoru hâlâ kuruluyor. Birazdan yeniden deneyin.</translation>
    </message>
    <message>
        <source>yt-dlp couldn&apos;t be installed. %1 Try Again from the banner.</source>
        <translation>yt-dlp kurulamadı. %1 Üstteki bildirimde “Yeniden Dene” düğmesine basın.</translation>
    </message>
    <message>
        <source>Couldn&apos;t load that link.</source>
        <translation>Bu bağlantı yüklenemedi.</translation>
    </message>
    <message>
        <source>Search: %1</source>
        <translation>Arama: %1</translation>
    </message>
    <message>
        <source>Nothing downloadable found there.</source>
        <translation>Orada indirilebilecek bir şey bulunamadı.</translation>
    </message>
    <message>
        <source>yt-dlp stopped answering.</source>
        <translation>yt-dlp yanıt vermiyor.</translation>
    </message>
    <message>
        <source>Only the first video could be listed.</source>
        <translation>Yalnızca ilk video listelenebildi.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n videos could be listed.</source>
        <translation>
            <numerusform>Yalnızca ilk %n video listelenebildi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s)</source>
        <translation>
            <numerusform>%n bağlantı</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t open that file. %1</source>
        <translation>Bu dosya açılamadı. %1</translation>
    </message>
    <message>
        <source>That file is too big to be a list of links.</source>
        <translation>Bu dosya, bir bağlantı listesi olamayacak kadar büyük.</translation>
    </message>
    <message>
        <source>No links found in that file.</source>
        <translation>Bu dosyada bağlantı bulunamadı.</translation>
    </message>
</context>
<context>
    <name>reelcatch::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ayarlar…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Results and downloads</source>
        <translation>Sonuçlar ve indirmeler</translation>
    </message>
    <message>
        <source>Divider between results and downloads</source>
        <translation>Sonuçlar ile indirmeler arasındaki ayırıcı</translation>
    </message>
    <message>
        <source>Download Ticked</source>
        <translation>İşaretlileri İndir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Klavye Kısayolları</translation>
    </message>
    <message>
        <source>About Reelcatch</source>
        <translation>Reelcatch Hakkında</translation>
    </message>
    <message>
        <source>Open List of Links…</source>
        <translation>Bağlantı Listesi Aç…</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Pencere</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geçmiş</translation>
    </message>
    <message>
        <source>Open List of Links</source>
        <translation>Bağlantı Listesi Aç</translation>
    </message>
    <message>
        <source>Text files (*.txt *.list)</source>
        <translation>Metin dosyaları (*.txt *.list)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tüm dosyalar (*)</translation>
    </message>
</context>
<context>
    <name>reelcatch::Network</name>
    <message>
        <source>A proxy address begins with http://, https:// or socks5://, as in socks5://127.0.0.1:1080.</source>
        <translation>Vekil sunucu adresi http://, https:// veya socks5:// ile başlar, örneğin socks5://127.0.0.1:1080.</translation>
    </message>
    <message>
        <source>The proxy address needs a host after “//”.</source>
        <translation>Vekil sunucu adresinde “//” sonrasında bir ana makine gerekli.</translation>
    </message>
    <message>
        <source>A proxy address ends with its host and port, with nothing after them.</source>
        <translation>Vekil sunucu adresi ana makine ve bağlantı noktasıyla biter, ardından bir şey gelmez.</translation>
    </message>
</context>
<context>
    <name>reelcatch::Preset</name>
    <message>
        <source>Best available</source>
        <translation>En iyi kalite</translation>
    </message>
    <message>
        <source>Audio only (MP3)</source>
        <translation>Yalnızca ses (MP3)</translation>
    </message>
    <message>
        <source>Audio only (M4A)</source>
        <translation>Yalnızca ses (M4A)</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>En iyi</translation>
    </message>
</context>
<context>
    <name>reelcatch::ProgressProtocol</name>
    <message>
        <source>Audio</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Converting audio…</source>
        <translation>Ses dönüştürülüyor…</translation>
    </message>
    <message>
        <source>Finishing up…</source>
        <translation>Tamamlanıyor…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 kaldı</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultDelegate</name>
    <message>
        <source>Download just this one</source>
        <translation>Yalnızca bunu indir</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>İndirildi</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsList</name>
    <message>
        <source>Choose Format…</source>
        <translation>Biçim Seç…</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Sonuçlar</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>Open on YouTube</source>
        <translation>YouTube&apos;da Aç</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Bağlantıyı Kopyala</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>İşaretle</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>İşareti Kaldır</translation>
    </message>
    <message>
        <source>Download a Clip…</source>
        <translation>Klip İndir…</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsModel</name>
    <message>
        <source>Downloaded</source>
        <translation>İndirildi</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Canlı</translation>
    </message>
    <message>
        <source>Upcoming</source>
        <translation>Yakında</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Bekliyor</translation>
    </message>
    <message>
        <source>Looking it up…</source>
        <translation>Getiriliyor…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>şimdiye dek %n video</numerusform>
        </translation>
    </message>
    <message>
        <source>Not looked up</source>
        <translation>Getirilmedi</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n video, listeleme durduruldu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n video</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsPane</name>
    <message>
        <source>Looking it up…</source>
        <translation>Getiriliyor…</translation>
    </message>
    <message>
        <source>Paste a link to get started</source>
        <translation>Başlamak için bir bağlantı yapıştırın</translation>
    </message>
    <message>
        <source>Copy a YouTube link anywhere and switch back here, it loads automatically.
You can also drag a link onto this window, or type words to search YouTube.</source>
        <translation>Herhangi bir yerde bir YouTube bağlantısı kopyalayıp buraya dönün, kendiliğinden yüklenir.
Ayrıca bir bağlantıyı bu pencereye sürükleyebilir veya YouTube&apos;da aramak için sözcükler yazabilirsiniz.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n video</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n seçili</numerusform>
        </translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Seçimi Kaldır</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>İndir (%1)</translation>
    </message>
    <message>
        <source>Select New</source>
        <translation>Yenileri Seç</translation>
    </message>
    <message>
        <source>Tick only the videos not downloaded before</source>
        <translation>Yalnızca daha önce indirilmemiş videoları işaretle</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>şimdiye dek %n video</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n video, listeleme durduruldu</numerusform>
        </translation>
    </message>
    <message>
        <source>Download the ticked videos (%1)</source>
        <translation>İşaretli videoları indir (%1)</translation>
    </message>
    <message>
        <source>Choose Format…</source>
        <translation>Biçim Seç…</translation>
    </message>
    <message>
        <source>Pick the video and audio formats of this video</source>
        <translation>Bu videonun video ve ses biçimini seç</translation>
    </message>
</context>
<context>
    <name>reelcatch::SettingsWindow</name>
    <message>
        <source>Prefer H.264 so files play in any player and on any device</source>
        <translation>Dosyalar her oynatıcıda ve her cihazda oynatılabilsin diye H.264&apos;ü tercih et</translation>
    </message>
    <message>
        <source>Above 1080p YouTube only offers VP9/AV1. Those play in VLC, mpv and current browsers, but not on every older device.</source>
        <translation>YouTube 1080p&apos;nin üzerinde yalnızca VP9/AV1 sunar. Bunlar VLC, mpv ve güncel tarayıcılarda oynatılır, ancak her eski cihazda oynatılmaz.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Kaydetme</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Değiştir…</translation>
    </message>
    <message>
        <source>Download folder</source>
        <translation>İndirme klasörü</translation>
    </message>
    <message>
        <source> s</source>
        <translation> sn</translation>
    </message>
    <message>
        <source>Pause between downloads, in seconds</source>
        <translation>İndirmeler arasındaki bekleme, saniye cinsinden</translation>
    </message>
    <message>
        <source>Pause between downloads</source>
        <translation>İndirmeler arasında bekleme</translation>
    </message>
    <message>
        <source>Load YouTube links from the clipboard automatically</source>
        <translation>YouTube bağlantılarını panodan kendiliğinden yükle</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Embed subtitles</source>
        <translation>Altyazıları göm</translation>
    </message>
    <message>
        <source>Subtitle languages</source>
        <translation>Altyazı dilleri</translation>
    </message>
    <message>
        <source>Save subtitles as files (SRT)</source>
        <translation>Altyazıları dosya olarak kaydet (SRT)</translation>
    </message>
    <message>
        <source>Include automatic captions</source>
        <translation>Otomatik altyazıları da ekle</translation>
    </message>
    <message>
        <source>Audio language</source>
        <translation>Ses dili</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Orijinal</translation>
    </message>
    <message>
        <source>SponsorBlock</source>
        <translation>SponsorBlock</translation>
    </message>
    <message>
        <source>What to do with sponsor and other segments viewers have marked</source>
        <translation>İzleyicilerin işaretlediği sponsor ve diğer bölümlerle ne yapılacağı</translation>
    </message>
    <message>
        <source>Mark as chapters</source>
        <translation>Bölüm olarak işaretle</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Sponsor</source>
        <translation>Sponsor</translation>
    </message>
    <message>
        <source>Self-promotion</source>
        <translation>Kendi tanıtımı</translation>
    </message>
    <message>
        <source>Interaction reminder</source>
        <translation>Etkileşim hatırlatması</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Giriş</translation>
    </message>
    <message>
        <source>Outro</source>
        <translation>Kapanış</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Önizleme</translation>
    </message>
    <message>
        <source>Non-music section</source>
        <translation>Müzik dışı bölüm</translation>
    </message>
    <message>
        <source>Filler</source>
        <translation>Dolgu</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiketler</translation>
    </message>
    <message>
        <source>Embed title, channel and date</source>
        <translation>Başlık, kanal ve tarihi göm</translation>
    </message>
    <message>
        <source>Embed thumbnail as cover art</source>
        <translation>Küçük resmi kapak resmi olarak göm</translation>
    </message>
    <message>
        <source>YouTube account</source>
        <translation>YouTube hesabı</translation>
    </message>
    <message>
        <source>Use cookies from</source>
        <translation>Çerez kaynağı</translation>
    </message>
    <message>
        <source>The browser or file whose sign-in YouTube sees</source>
        <translation>YouTube&apos;un oturumunuzu gördüğü tarayıcı veya dosya</translation>
    </message>
    <message>
        <source>Cookies let YouTube see you as signed in. Close YouTube in that browser while downloading if it locks its cookies. YouTube may limit accounts that download a lot.</source>
        <translation>Çerezler, YouTube&apos;un sizi oturum açmış olarak görmesini sağlar. Tarayıcı çerezlerini kilitliyorsa indirme sırasında o tarayıcıda YouTube&apos;u kapatın. YouTube çok indirme yapan hesapları kısıtlayabilir.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>JS runtime (deno)</source>
        <translation>JS çalışma ortamı (deno)</translation>
    </message>
    <message>
        <source>YouTube changes often. If downloads start failing, update the engine.</source>
        <translation>YouTube sık sık değişir. İndirmeler başarısız olmaya başlarsa motoru güncelleyin.</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Şimdi Güncelle</translation>
    </message>
    <message>
        <source>A cookies file…</source>
        <translation>Bir çerez dosyası…</translation>
    </message>
    <message>
        <source>Use File</source>
        <translation>Dosyayı Kullan</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>kurulu değil</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>kurulu</translation>
    </message>
    <message>
        <source>installs with your first download</source>
        <translation>ilk indirmenizle kurulur</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>eksik</translation>
    </message>
    <message>
        <source>Parallel downloads</source>
        <translation>Eşzamanlı indirmeler</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no pause between downloads</comment>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>SponsorBlock</comment>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no subtitle languages</comment>
        <translation>Hiçbiri</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no cookies</comment>
        <translation>Yok</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Dosya adları</translation>
    </message>
    <message>
        <source>How downloaded files are named</source>
        <translation>İndirilen dosyaların nasıl adlandırılacağı</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>Ad şablonu</translation>
    </message>
    <message>
        <source>Put each playlist in a folder of its own, numbered</source>
        <translation>Her oynatma listesini numaralı olarak kendi klasörüne koy</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Ağ</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Vekil sunucu</translation>
    </message>
    <message>
        <source>None, or socks5://host:port</source>
        <translation>Yok veya socks5://host:port</translation>
    </message>
    <message>
        <source> MB/s</source>
        <translation> MB/sn</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sınırsız</translation>
    </message>
    <message>
        <source>Limit each download to, in MB/s</source>
        <translation>İndirme başına hız sınırı, MB/sn</translation>
    </message>
    <message>
        <source>Limit each download to</source>
        <translation>İndirme başına hız sınırı</translation>
    </message>
    <message>
        <source>Lookups and downloads go through the proxy; the limit holds for each download on its own.</source>
        <translation>Getirme ve indirmeler vekil sunucudan geçer; sınır her indirme için ayrı ayrı geçerlidir.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Örneğin: %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Klavye Kısayolları</translation>
    </message>
    <message>
        <source>Look up the link or search words</source>
        <translation>Bağlantıyı getir veya sözcükleri ara</translation>
    </message>
    <message>
        <source>Stop the lookup</source>
        <translation>Getirmeyi durdur</translation>
    </message>
    <message>
        <source>Tick or untick the current result</source>
        <translation>Geçerli sonucu işaretle veya işaretini kaldır</translation>
    </message>
    <message>
        <source>Download the ticked videos</source>
        <translation>İşaretli videoları indir</translation>
    </message>
    <message>
        <source>Open the file of the current finished download</source>
        <translation>Geçerli tamamlanmış indirmenin dosyasını aç</translation>
    </message>
    <message>
        <source>Remove the current finished download from the list</source>
        <translation>Geçerli tamamlanmış indirmeyi listeden kaldır</translation>
    </message>
    <message>
        <source>Show what the current row offers</source>
        <translation>Geçerli satırın sunduklarını göster</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Close Settings or this window</source>
        <translation>Ayarları veya bu pencereyi kapat</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Klavye kısayolları</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tuşlar</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Eylem</translation>
    </message>
    <message>
        <source>Look up the links in a text file</source>
        <translation>Bir metin dosyasındaki bağlantıları getir</translation>
    </message>
    <message>
        <source>Show the history of finished videos</source>
        <translation>Tamamlanan videoların geçmişini göster</translation>
    </message>
    <message>
        <source>History: show the selected video&apos;s file in its folder</source>
        <translation>Geçmiş: seçili videonun dosyasını klasöründe göster</translation>
    </message>
    <message>
        <source>History: download the selected video again</source>
        <translation>Geçmiş: seçili videoyu yeniden indir</translation>
    </message>
    <message>
        <source>History: export the videos listed as CSV</source>
        <translation>Geçmiş: listelenen videoları CSV olarak dışa aktar</translation>
    </message>
</context>
</TS>
