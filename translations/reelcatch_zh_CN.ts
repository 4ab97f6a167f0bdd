<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>YouTube 需要一个已登录的浏览器来确认您不是机器人。</translation>
    </message>
    <message>
        <source>This video is age-restricted. Sign in with a browser to download it.</source>
        <translation>此视频有年龄限制。请在浏览器中登录后再下载。</translation>
    </message>
    <message>
        <source>This video is private or for channel members only.</source>
        <translation>此视频为私享视频或仅限频道会员观看。</translation>
    </message>
    <message>
        <source>YouTube is limiting requests from this connection. Downloads resume by themselves.</source>
        <translation>YouTube 正在限制来自此连接的请求。下载将自动恢复。</translation>
    </message>
    <message>
        <source>This video is unavailable.</source>
        <translation>此视频不可用。</translation>
    </message>
    <message>
        <source>The download engine needs an update.</source>
        <translation>下载引擎需要更新。</translation>
    </message>
    <message>
        <source>Can&apos;t reach YouTube. Check the connection.</source>
        <translation>无法连接到 YouTube。请检查网络连接。</translation>
    </message>
    <message>
        <source>The download folder&apos;s disk is full.</source>
        <translation>下载文件夹所在的磁盘已满。</translation>
    </message>
    <message>
        <source>This quality isn&apos;t available for this video. Pick another.</source>
        <translation>此视频没有该画质。请另选一种。</translation>
    </message>
    <message>
        <source>YouTube is still limiting requests from this connection. Try again later.</source>
        <translation>YouTube 仍在限制来自此连接的请求。请稍后重试。</translation>
    </message>
    <message>
        <source>(version unknown)</source>
        <translation>(版本未知)</translation>
    </message>
    <message>
        <source>Choose Browser…</source>
        <translation>选择浏览器…</translation>
    </message>
    <message>
        <source>Resume Now</source>
        <translation>立即恢复</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Download videos and audio with yt-dlp.</source>
        <translation>使用 yt-dlp 下载视频和音频。</translation>
    </message>
    <message>
        <source>Links to look up (also reelcatch://…).</source>
        <translation>要查询的链接 (也可以是 reelcatch://…)。</translation>
    </message>
</context>
<context>
    <name>reelcatch::AboutDialog</name>
    <message>
        <source>About Reelcatch</source>
        <translation>关于 Reelcatch</translation>
    </message>
    <message>
        <source>Reelcatch %1</source>
        <translation>Reelcatch %1</translation>
    </message>
    <message>
        <source>Downloads videos from YouTube with yt-dlp.</source>
        <translation>使用 yt-dlp 从 YouTube 下载视频。</translation>
    </message>
    <message>
        <source>yt-dlp</source>
        <translation>yt-dlp</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>未安装</translation>
    </message>
    <message>
        <source>deno</source>
        <translation>deno</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>已安装</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <translation>ffmpeg</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>许可证</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>设置文件</translation>
    </message>
    <message>
        <source>Tools folder</source>
        <translation>工具文件夹</translation>
    </message>
    <message>
        <source>Download list folder</source>
        <translation>下载列表文件夹</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>缩略图缓存</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or any later version (GPL-3.0-or-later). Reelcatch comes with no warranty. yt-dlp, deno and ffmpeg are not part of Reelcatch and come under their own licences.</source>
        <translation>GNU 通用公共许可证第 3 版或任何更高版本 (GPL-3.0-or-later)。Reelcatch 不提供任何担保。yt-dlp、deno 和 ffmpeg 不属于 Reelcatch，各自遵循其自身的许可证。</translation>
    </message>
</context>
<context>
    <name>reelcatch::AppShell</name>
    <message>
        <source>Show Reelcatch</source>
        <translation>显示 Reelcatch</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) are running or waiting. They will continue the next time you open Reelcatch.</source>
        <translation>
            <numerusform>有 %n 个下载正在进行或等待中。下次打开 Reelcatch 时将继续。</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Reelcatch?</source>
        <translation>退出 Reelcatch？</translation>
    </message>
</context>
<context>
    <name>reelcatch::BatchNotifier</name>
    <message>
        <source>Open Reelcatch</source>
        <translation>打开 Reelcatch</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) finished</source>
        <translation>
            <numerusform>%n 个下载已完成</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) failed</source>
        <translation>
            <numerusform>%n 个下载失败</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins &quot;3 downloads finished&quot; and &quot;1 failed&quot;.</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n 个失败</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ClipDialog</name>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Download a Clip</source>
        <translation>下载片段</translation>
    </message>
    <message>
        <source>The video is %1 long.</source>
        <translation>视频时长为 %1。</translation>
    </message>
    <message>
        <source>The video’s length is unknown: any end after the start is taken.</source>
        <translation>视频时长未知：晚于开始时间的任何结束时间都会被接受。</translation>
    </message>
    <message>
        <source>h:mm:ss, m:ss or seconds; a pasted link’s time (t=) is taken too</source>
        <translation>h:mm:ss、m:ss 或秒数；也可使用粘贴链接中的时间 (t=)</translation>
    </message>
    <message>
        <source>h:mm:ss</source>
        <translation>h:mm:ss</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>开始(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>结束(&amp;E)：</translation>
    </message>
    <message>
        <source>Type the start as h:mm:ss, m:ss or seconds.</source>
        <translation>请以 h:mm:ss、m:ss 或秒数输入开始时间。</translation>
    </message>
    <message>
        <source>Type the end as h:mm:ss, m:ss or seconds.</source>
        <translation>请以 h:mm:ss、m:ss 或秒数输入结束时间。</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>结束时间必须晚于开始时间。</translation>
    </message>
    <message>
        <source>The end must be within the video, which is %1 long.</source>
        <translation>结束时间必须在视频时长 %1 之内。</translation>
    </message>
    <message>
        <source>The clip will be %1 long.</source>
        <translation>片段时长将为 %1。</translation>
    </message>
</context>
<context>
    <name>reelcatch::CookieSources</name>
    <message>
        <source>The cookies file “%1” is gone; cookies are off.</source>
        <translation>Cookie 文件“%1”已不存在；Cookie 已关闭。</translation>
    </message>
    <message>
        <source>%1 is no longer installed; cookies are off.</source>
        <translation>%1 已不再安装；Cookie 已关闭。</translation>
    </message>
</context>
<context>
    <name>reelcatch::DesktopCues</name>
    <message numerus="yes">
        <source>Reelcatch · %n download(s) left</source>
        <translation>
            <numerusform>Reelcatch · 剩余 %n 个下载</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::Download</name>
    <message>
        <source>Waiting…</source>
        <translation>等待中…</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadQueue</name>
    <message>
        <source>Waiting…</source>
        <translation>等待中…</translation>
    </message>
    <message>
        <source>Getting ffmpeg ready (one-time, ~56 MB)…</source>
        <translation>正在准备 ffmpeg (仅需一次，约 56 MB)…</translation>
    </message>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>下载引擎尚未安装。</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder “%1”.</source>
        <translation>无法创建文件夹“%1”。</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>正在开始…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp 已退出，退出码 %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Cutting a clip needs ffmpeg, which isn&apos;t ready.</source>
        <translation>剪切片段需要 ffmpeg，但它尚未就绪。</translation>
    </message>
    <message>
        <source>Checking the clip’s length…</source>
        <translation>正在检查片段时长…</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>The clip is %1 long instead of %2.</source>
        <translation>片段时长为 %1，而非 %2。</translation>
    </message>
    <message>
        <source>%1 (its length couldn’t be checked)</source>
        <translation>%1 (无法检查其时长)</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsList</name>
    <message>
        <source>Downloads</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <source>Copy Error</source>
        <translation>复制错误信息</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>显示日志</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>从列表中移除</translation>
    </message>
    <message>
        <source>Log of “%1”</source>
        <translation>“%1”的日志</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsModel</name>
    <message numerus="yes">
        <source>Starts in %n second(s)</source>
        <translation>
            <numerusform>%n 秒后开始</numerusform>
        </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Paused: YouTube is limiting requests. Resuming at %1…</source>
        <translation>已暂停：YouTube 正在限制请求。将于 %1 恢复…</translation>
    </message>
    <message>
        <source>%1 · Clip %2</source>
        <translation>%1 · 片段 %2</translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsPane</name>
    <message>
        <source>Downloads</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>清除已完成</translation>
    </message>
    <message>
        <source>Nothing here yet.</source>
        <translation>这里还什么都没有。</translation>
    </message>
    <message numerus="yes">
        <source>%n downloading</source>
        <translation>
            <numerusform>%n 个正在下载</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queued</source>
        <translation>
            <numerusform>%n 个排队中</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineBanner</name>
    <message>
        <source>Try Again</source>
        <translation>重试</translation>
    </message>
</context>
<context>
    <name>reelcatch::EngineReadiness</name>
    <message>
        <source>Setting up the download engine (one-time, ~80 MB)…</source>
        <translation>正在设置下载引擎 (仅需一次，约 80 MB)…</translation>
    </message>
    <message>
        <source>Updating the download engine…</source>
        <translation>正在更新下载引擎…</translation>
    </message>
    <message>
        <source>Couldn&apos;t install yt-dlp: %1</source>
        <translation>无法安装 yt-dlp：%1</translation>
    </message>
    <message>
        <source>Couldn&apos;t update the download engine: %1</source>
        <translation>无法更新下载引擎：%1</translation>
    </message>
    <message>
        <source>Couldn&apos;t download ffmpeg (%1). Downloads are limited to lower quality for now.</source>
        <translation>无法下载 ffmpeg (%1)。目前下载仅限较低画质。</translation>
    </message>
</context>
<context>
    <name>reelcatch::FileNaming</name>
    <message>
        <source>“%1” is missing its closing parenthesis.</source>
        <translation>“%1”缺少右括号。</translation>
    </message>
    <message>
        <source>“%(%1)” needs a letter after it: s for text, d for a number.</source>
        <translation>“%(%1)”后面需要一个字母：s 表示文本，d 表示数字。</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <source>Title [id]</source>
        <translation>标题 [ID]</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Channel – Title</source>
        <translation>频道 – 标题</translation>
    </message>
    <message>
        <source>Upload date – Title</source>
        <translation>上传日期 – 标题</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>自定义…</translation>
    </message>
    <message>
        <source>Type a name for the files.</source>
        <translation>请输入文件名称。</translation>
    </message>
    <message>
        <source>A name cannot hold line breaks or tabs.</source>
        <translation>名称不能包含换行符或制表符。</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot begin with “/” or “~”.</source>
        <translation>文件保存在下载文件夹中：名称不能以“/”或“~”开头。</translation>
    </message>
    <message>
        <source>Files stay in the download folder: a name cannot step out of it with “..”.</source>
        <translation>文件保存在下载文件夹中：名称不能用“..”跳出该文件夹。</translation>
    </message>
    <message>
        <source>The name ends with a folder: add the file&apos;s own name after the last “/”.</source>
        <translation>名称以文件夹结尾：请在最后一个“/”之后添加文件本身的名称。</translation>
    </message>
    <message>
        <source>“%(%1)” names no field.</source>
        <translation>“%(%1)”未指定任何字段。</translation>
    </message>
    <message>
        <source>yt-dlp knows no field named “%1”.</source>
        <translation>yt-dlp 没有名为“%1”的字段。</translation>
    </message>
    <message>
        <source>Every video would get this same name: add a field such as %(title)s.</source>
        <translation>每个视频都会得到相同的名称：请添加 %(title)s 之类的字段。</translation>
    </message>
</context>
<context>
    <name>reelcatch::FolderChooser</name>
    <message>
        <source>Use Folder</source>
        <translation>使用此文件夹</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatDialog</name>
    <message>
        <source>about %1</source>
        <translation>约 %1</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Choose Format</source>
        <translation>选择格式</translation>
    </message>
    <message>
        <source>Asking yt-dlp which formats this video has…</source>
        <translation>正在向 yt-dlp 查询此视频的格式…</translation>
    </message>
    <message>
        <source>&amp;Video</source>
        <translation>视频(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>音频(&amp;A)</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>No video — audio only</source>
        <translation>无视频 — 仅音频</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>Its own sound</source>
        <translation>视频自带音频</translation>
    </message>
    <message>
        <source>This video format has its own sound.</source>
        <translation>此视频格式自带音频。</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatList</name>
    <message>
        <source>%1 wide</source>
        <translation>宽 %1</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>%1 with sound</source>
        <translation>%1 (含音频)</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>%1 (original)</source>
        <translation>%1 (原声)</translation>
    </message>
    <message>
        <source>%1 (dubbed)</source>
        <translation>%1 (配音)</translation>
    </message>
    <message>
        <source>%1 (automatic dub)</source>
        <translation>%1 (自动配音)</translation>
    </message>
    <message>
        <source>%1 (audio description)</source>
        <translation>%1 (音频描述)</translation>
    </message>
</context>
<context>
    <name>reelcatch::FormatQuery</name>
    <message>
        <source>Download engine not installed yet.</source>
        <translation>下载引擎尚未安装。</translation>
    </message>
    <message>
        <source>yt-dlp exited with code %1</source>
        <translation>yt-dlp 已退出，退出码 %1</translation>
    </message>
    <message>
        <source>yt-dlp listed no formats for this video.</source>
        <translation>yt-dlp 未列出此视频的任何格式。</translation>
    </message>
</context>
<context>
    <name>reelcatch::HeaderBar</name>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Paste a YouTube link, playlist or channel, or type to search</source>
        <translation>粘贴 YouTube 链接、播放列表或频道，或输入关键词搜索</translation>
    </message>
    <message>
        <source>Link or search words</source>
        <translation>链接或搜索关键词</translation>
    </message>
    <message>
        <source>Fetch</source>
        <translation>获取</translation>
    </message>
    <message>
        <source>Quality / format for new downloads</source>
        <translation>新下载的画质 / 格式</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Save to: %1</source>
        <translation>保存到：%1</translation>
    </message>
    <message>
        <source>Link field</source>
        <translation>链接输入框</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryList</name>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryModel</name>
    <message>
        <source>File moved or deleted</source>
        <translation>文件已被移动或删除</translation>
    </message>
    <message>
        <source>Finished %1</source>
        <translation>完成于 %1</translation>
    </message>
    <message>
        <source>File on disk</source>
        <translation>文件仍在</translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Search titles and channels</source>
        <translation>搜索标题和频道</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>搜索历史记录</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>导出…</translation>
    </message>
    <message>
        <source>Saves the videos listed as a CSV file</source>
        <translation>将列出的视频保存为 CSV 文件</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>重新下载</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <source>Remove from History</source>
        <translation>从历史记录中移除</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>已导出到 %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t export to %1</source>
        <translation>无法导出到 %1</translation>
    </message>
    <message>
        <source>Reelcatch History</source>
        <translation>Reelcatch 历史记录</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>正在导出…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n 个视频</numerusform>
        </translation>
    </message>
    <message>
        <source>No videos downloaded yet.</source>
        <translation>尚未下载任何视频。</translation>
    </message>
    <message>
        <source>No video matches the search.</source>
        <translation>没有与搜索匹配的视频。</translation>
    </message>
</context>
<context>
    <name>reelcatch::Installer</name>
    <message>
        <source>Couldn&apos;t create the folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the download site: %1</source>
        <translation>无法连接到下载站点：%1</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t match its published checksum.</source>
        <translation>下载的 %1 与其公布的校验和不符。</translation>
    </message>
    <message>
        <source>The downloaded %1 is larger than expected.</source>
        <translation>下载的 %1 比预期的大。</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Download failed (HTTP %1): %2</source>
        <translation>下载失败 (HTTP %1)：%2</translation>
    </message>
    <message>
        <source>Download failed (HTTP 0): %1</source>
        <translation>下载失败 (HTTP 0)：%1</translation>
    </message>
    <message>
        <source>Download incomplete (%1 of %2 bytes): %3</source>
        <translation>下载不完整 (%1 / %2 字节)：%3</translation>
    </message>
    <message>
        <source>Download stalled (nothing received for %1 s): %2</source>
        <translation>下载停滞 (%1 秒未收到任何数据)：%2</translation>
    </message>
    <message>
        <source>Download too slow (under %1 bytes/s for %2 s): %3</source>
        <translation>下载过慢 (%2 秒内低于 %1 字节/秒)：%3</translation>
    </message>
    <message>
        <source>Can&apos;t check the downloaded %1: gpgv is missing (install the package gpgv).</source>
        <translation>无法校验下载的 %1：缺少 gpgv (请安装 gpgv 软件包)。</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the signing key %1</source>
        <translation>无法读取签名密钥 %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t unpack %1: %2</source>
        <translation>无法解压 %1：%2</translation>
    </message>
    <message>
        <source>Couldn&apos;t make %1 executable: %2</source>
        <translation>无法将 %1 设为可执行：%2</translation>
    </message>
    <message>
        <source>The downloaded %1 doesn&apos;t run.</source>
        <translation>下载的 %1 无法运行。</translation>
    </message>
    <message>
        <source>Couldn&apos;t install %1: %2</source>
        <translation>无法安装 %1：%2</translation>
    </message>
</context>
<context>
    <name>reelcatch::Library</name>
    <message>
        <source>File moved or deleted</source>
        <translation>文件已被移动或删除</translation>
    </message>
    <message>
        <source>Your download list couldn&apos;t be read and was started afresh.</source>
        <translation>无法读取您的下载列表，已重新创建。</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>磁盘报告了错误</translation>
    </message>
    <message>
        <source>its folder can&apos;t be written to</source>
        <translation>其所在文件夹不可写入</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>另一个程序正在使用它</translation>
    </message>
    <message>
        <source>its file can&apos;t be opened</source>
        <translation>无法打开其文件</translation>
    </message>
    <message>
        <source>This download list was saved by a newer Reelcatch. It is kept unchanged and not used.</source>
        <translation>此下载列表由较新版本的 Reelcatch 保存。它将保持原样，不会被使用。</translation>
    </message>
    <message>
        <source>Reelcatch is already open elsewhere with this download list; this window&apos;s list won&apos;t be kept.</source>
        <translation>Reelcatch 已在别处使用此下载列表打开；此窗口的列表将不会保留。</translation>
    </message>
    <message>
        <source>Your download list can&apos;t be saved right now: %1.</source>
        <translation>目前无法保存您的下载列表：%1。</translation>
    </message>
</context>
<context>
    <name>reelcatch::LinkHeading</name>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>全不选</translation>
    </message>
</context>
<context>
    <name>reelcatch::Listing</name>
    <message>
        <source>Playlist</source>
        <translation>播放列表</translation>
    </message>
</context>
<context>
    <name>reelcatch::Lookup</name>
    <message>
        <source>That&apos;s too long to be a link or a search.</source>
        <translation>内容太长，不可能是链接或搜索词。</translation>
    </message>
    <message>
        <source>The download engine is still being set up. Try again in a moment.</source>
        <translation>下载引擎仍在设置中。请稍后再试。</translation>
    </message>
    <message>
        <source>yt-dlp couldn&apos;t be installed. %1 Try Again from the banner.</source>
        <translation>无法安装 yt-dlp。%1 请在顶部的提示栏中点击“重试”。</translation>
    </message>
    <message>
        <source>Couldn&apos;t load that link.</source>
        <translation>无法加载该链接。</translation>
    </message>
    <message>
        <source>Search: %1</source>
        <translation>搜索：%1</translation>
    </message>
    <message>
        <source>Nothing downloadable found there.</source>
        <translation>那里没有可下载的内容。</translation>
    </message>
    <message>
        <source>yt-dlp stopped answering.</source>
        <translation>yt-dlp 停止了响应。</translation>
    </message>
    <message>
        <source>Only the first video could be listed.</source>
        <translation>只能列出第一个视频。</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n videos could be listed.</source>
        <translation>
            <numerusform>只能列出前 %n 个视频。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s)</source>
        <translation>
            <numerusform>%n 个链接</numerusform>
        </translation>
    </message>
    <message>
        <source>Couldn&apos;t open that file. %1</source>
        <translation>无法打开该文件。%1</translation>
    </message>
    <message>
        <source>That file is too big to be a list of links.</source>
        <translation>该文件太大，不可能是链接列表。</translation>
    </message>
    <message>
        <source>No links found in that file.</source>
        <translation>该文件中未找到链接。</translation>
    </message>
</context>
<context>
    <name>reelcatch::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Results and downloads</source>
        <translation>结果和下载</translation>
    </message>
    <message>
        <source>Divider between results and downloads</source>
        <translation>结果与下载之间的分隔条</translation>
    </message>
    <message>
        <source>Download Ticked</source>
        <translation>下载已勾选项</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>About Reelcatch</source>
        <translation>关于 Reelcatch</translation>
    </message>
    <message>
        <source>Open List of Links…</source>
        <translation>打开链接列表…</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Open List of Links</source>
        <translation>打开链接列表</translation>
    </message>
    <message>
        <source>Text files (*.txt *.list)</source>
        <translation>文本文件 (*.txt *.list)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>reelcatch::Network</name>
    <message>
        <source>A proxy address begins with http://, https:// or socks5://, as in socks5://127.0.0.1:1080.</source>
        <translation>代理地址以 http://、https:// 或 socks5:// 开头，例如 socks5://127.0.0.1:1080。</translation>
    </message>
    <message>
        <source>The proxy address needs a host after “//”.</source>
        <translation>代理地址在“//”之后需要主机名。</translation>
    </message>
    <message>
        <source>A proxy address ends with its host and port, with nothing after them.</source>
        <translation>代理地址应以主机和端口结尾，后面不能有其他内容。</translation>
    </message>
</context>
<context>
    <name>reelcatch::Preset</name>
    <message>
        <source>Best available</source>
        <translation>最佳画质</translation>
    </message>
    <message>
        <source>Audio only (MP3)</source>
        <translation>仅音频 (MP3)</translation>
    </message>
    <message>
        <source>Audio only (M4A)</source>
        <translation>仅音频 (M4A)</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最佳</translation>
    </message>
</context>
<context>
    <name>reelcatch::ProgressProtocol</name>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Converting audio…</source>
        <translation>正在转换音频…</translation>
    </message>
    <message>
        <source>Finishing up…</source>
        <translation>正在收尾…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>剩余 %1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultDelegate</name>
    <message>
        <source>Download just this one</source>
        <translation>仅下载此项</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>已下载</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsList</name>
    <message>
        <source>Choose Format…</source>
        <translation>选择格式…</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Open on YouTube</source>
        <translation>在 YouTube 上打开</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>勾选</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>取消勾选</translation>
    </message>
    <message>
        <source>Download a Clip…</source>
        <translation>下载片段…</translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsModel</name>
    <message>
        <source>Downloaded</source>
        <translation>已下载</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>直播中</translation>
    </message>
    <message>
        <source>Upcoming</source>
        <translation>即将开始</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Looking it up…</source>
        <translation>正在获取…</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>目前已列出 %n 个视频</numerusform>
        </translation>
    </message>
    <message>
        <source>Not looked up</source>
        <translation>未获取</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n 个视频，已停止列出</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n 个视频</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsPane</name>
    <message>
        <source>Looking it up…</source>
        <translation>正在获取…</translation>
    </message>
    <message>
        <source>Paste a link to get started</source>
        <translation>粘贴链接即可开始</translation>
    </message>
    <message>
        <source>Copy a YouTube link anywhere and switch back here, it loads automatically.
You can also drag a link onto this window, or type words to search YouTube.</source>
        <translation>在任意位置复制 YouTube 链接后切换回这里，它会自动加载。
您也可以将链接拖到此窗口上，或输入关键词搜索 YouTube。</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n 个视频</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>已选 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>全不选</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>下载 %1 个</translation>
    </message>
    <message>
        <source>Select New</source>
        <translation>选择新视频</translation>
    </message>
    <message>
        <source>Tick only the videos not downloaded before</source>
        <translation>只勾选之前未下载过的视频</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>目前已列出 %n 个视频</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n 个视频，已停止列出</numerusform>
        </translation>
    </message>
    <message>
        <source>Download the ticked videos (%1)</source>
        <translation>下载已勾选的视频 (%1)</translation>
    </message>
    <message>
        <source>Choose Format…</source>
        <translation>选择格式…</translation>
    </message>
    <message>
        <source>Pick the video and audio formats of this video</source>
        <translation>选择此视频的视频和音频格式</translation>
    </message>
</context>
<context>
    <name>reelcatch::SettingsWindow</name>
    <message>
        <source>Prefer H.264 so files play in any player and on any device</source>
        <translation>优先使用 H.264，让文件能在任何播放器和设备上播放</translation>
    </message>
    <message>
        <source>Above 1080p YouTube only offers VP9/AV1. Those play in VLC, mpv and current browsers, but not on every older device.</source>
        <translation>1080p 以上 YouTube 只提供 VP9/AV1。它们可在 VLC、mpv 和新版浏览器中播放，但并非所有旧设备都支持。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>更改…</translation>
    </message>
    <message>
        <source>Download folder</source>
        <translation>下载文件夹</translation>
    </message>
    <message>
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>Pause between downloads, in seconds</source>
        <translation>下载之间的暂停时间，以秒为单位</translation>
    </message>
    <message>
        <source>Pause between downloads</source>
        <translation>下载之间暂停</translation>
    </message>
    <message>
        <source>Load YouTube links from the clipboard automatically</source>
        <translation>自动从剪贴板加载 YouTube 链接</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Embed subtitles</source>
        <translation>嵌入字幕</translation>
    </message>
    <message>
        <source>Subtitle languages</source>
        <translation>字幕语言</translation>
    </message>
    <message>
        <source>Save subtitles as files (SRT)</source>
        <translation>将字幕另存为文件 (SRT)</translation>
    </message>
    <message>
        <source>Include automatic captions</source>
        <translation>包括自动生成的字幕</translation>
    </message>
    <message>
        <source>Audio language</source>
        <translation>音频语言</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原声</translation>
    </message>
    <message>
        <source>SponsorBlock</source>
        <translation>SponsorBlock</translation>
    </message>
    <message>
        <source>What to do with sponsor and other segments viewers have marked</source>
        <translation>如何处理观众标记的赞助及其他片段</translation>
    </message>
    <message>
        <source>Mark as chapters</source>
        <translation>标记为章节</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Sponsor</source>
        <translation>赞助</translation>
    </message>
    <message>
        <source>Self-promotion</source>
        <translation>自我推广</translation>
    </message>
    <message>
        <source>Interaction reminder</source>
        <translation>互动提醒</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>片头</translation>
    </message>
    <message>
        <source>Outro</source>
        <translation>片尾</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Non-music section</source>
        <translation>非音乐部分</translation>
    </message>
    <message>
        <source>Filler</source>
        <translation>题外话</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Embed title, channel and date</source>
        <translation>嵌入标题、频道和日期</translation>
    </message>
    <message>
        <source>Embed thumbnail as cover art</source>
        <translation>将缩略图嵌入为封面</translation>
    </message>
    <message>
        <source>YouTube account</source>
        <translation>YouTube 账号</translation>
    </message>
    <message>
        <source>Use cookies from</source>
        <translation>Cookie 来源</translation>
    </message>
    <message>
        <source>The browser or file whose sign-in YouTube sees</source>
        <translation>YouTube 据以识别您登录状态的浏览器或文件</translation>
    </message>
    <message>
        <source>Cookies let YouTube see you as signed in. Close YouTube in that browser while downloading if it locks its cookies. YouTube may limit accounts that download a lot.</source>
        <translation>Cookie 可让 YouTube 将您识别为已登录。如果浏览器会锁定其 Cookie，请在下载期间关闭该浏览器中的 YouTube。YouTube 可能会限制下载量大的账号。</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>引擎</translation>
    </message>
    <message>
        <source>JS runtime (deno)</source>
        <translation>JS 运行时 (deno)</translation>
    </message>
    <message>
        <source>YouTube changes often. If downloads start failing, update the engine.</source>
        <translation>YouTube 经常变化。如果下载开始失败，请更新引擎。</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>A cookies file…</source>
        <translation>Cookie 文件…</translation>
    </message>
    <message>
        <source>Use File</source>
        <translation>使用此文件</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>未安装</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>已安装</translation>
    </message>
    <message>
        <source>installs with your first download</source>
        <translation>将在首次下载时安装</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <source>Parallel downloads</source>
        <translation>同时下载数</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no pause between downloads</comment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>SponsorBlock</comment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no subtitle languages</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no cookies</comment>
        <translation>不使用</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>How downloaded files are named</source>
        <translation>下载文件的命名方式</translation>
    </message>
    <message>
        <source>Name template</source>
        <translation>名称模板</translation>
    </message>
    <message>
        <source>Put each playlist in a folder of its own, numbered</source>
        <translation>将每个播放列表放入单独的编号文件夹</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>代理</translation>
    </message>
    <message>
        <source>None, or socks5://host:port</source>
        <translation>无，或 socks5://host:port</translation>
    </message>
    <message>
        <source> MB/s</source>
        <translation> MB/s</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>不限速</translation>
    </message>
    <message>
        <source>Limit each download to, in MB/s</source>
        <translation>每个下载的速度上限，单位 MB/s</translation>
    </message>
    <message>
        <source>Limit each download to</source>
        <translation>每个下载限速</translation>
    </message>
    <message>
        <source>Lookups and downloads go through the proxy; the limit holds for each download on its own.</source>
        <translation>获取和下载均通过代理进行；限速对每个下载单独生效。</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>例如：%1</translation>
    </message>
</context>
<context>
    <name>reelcatch::ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Look up the link or search words</source>
        <translation>获取链接或搜索关键词</translation>
    </message>
    <message>
        <source>Stop the lookup</source>
        <translation>停止获取</translation>
    </message>
    <message>
        <source>Tick or untick the current result</source>
        <translation>勾选或取消勾选当前结果</translation>
    </message>
    <message>
        <source>Download the ticked videos</source>
        <translation>下载已勾选的视频</translation>
    </message>
    <message>
        <source>Open the file of the current finished download</source>
        <translation>打开当前已完成下载的文件</translation>
    </message>
    <message>
        <source>Remove the current finished download from the list</source>
        <translation>从列表中移除当前已完成的下载</translation>
    </message>
    <message>
        <source>Show what the current row offers</source>
        <translation>显示当前行可用的操作</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Close Settings or this window</source>
        <translation>关闭设置或此窗口</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Look up the links in a text file</source>
        <translation>获取文本文件中的链接</translation>
    </message>
    <message>
        <source>Show the history of finished videos</source>
        <translation>显示已完成视频的历史记录</translation>
    </message>
    <message>
        <source>History: show the selected video&apos;s file in its folder</source>
        <translation>历史记录：在文件夹中显示所选视频的文件</translation>
    </message>
    <message>
        <source>History: download the selected video again</source>
        <translation>历史记录：重新下载所选视频</translation>
    </message>
    <message>
        <source>History: export the videos listed as CSV</source>
        <translation>历史记录：将列出的视频导出为 CSV</translation>
    </message>
</context>
</TS>
