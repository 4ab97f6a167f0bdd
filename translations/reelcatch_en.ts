<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>reelcatch::AppShell</name>
    <message numerus="yes">
        <source>%n download(s) are running or waiting. They will continue the next time you open Reelcatch.</source>
        <translation>
            <numerusform>%n download is running or waiting. It will continue the next time you open Reelcatch.</numerusform>
            <numerusform>%n downloads are running or waiting. They will continue the next time you open Reelcatch.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::BatchNotifier</name>
    <message numerus="yes">
        <source>%n download(s) finished</source>
        <translation>
            <numerusform>%n download finished</numerusform>
            <numerusform>%n downloads finished</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n download(s) failed</source>
        <translation>
            <numerusform>%n download failed</numerusform>
            <numerusform>%n downloads failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n failed</numerusform>
            <numerusform>%n failed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::DesktopCues</name>
    <message numerus="yes">
        <source>Reelcatch · %n download(s) left</source>
        <translation>
            <numerusform>Reelcatch · %n download left</numerusform>
            <numerusform>Reelcatch · %n downloads left</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadQueue</name>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsModel</name>
    <message numerus="yes">
        <source>Starts in %n second(s)</source>
        <translation>
            <numerusform>Starts in %n second</numerusform>
            <numerusform>Starts in %n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::DownloadsPane</name>
    <message numerus="yes">
        <source>%n downloading</source>
        <translation>
            <numerusform>%n downloading</numerusform>
            <numerusform>%n downloading</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queued</source>
        <translation>
            <numerusform>%n queued</numerusform>
            <numerusform>%n queued</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::HistoryWindow</name>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n video</numerusform>
            <numerusform>%n videos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::Lookup</name>
    <message numerus="yes">
        <source>Only the first %n videos could be listed.</source>
        <translation>
            <numerusform>Only the first video could be listed.</numerusform>
            <numerusform>Only the first %n videos could be listed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s)</source>
        <translation>
            <numerusform>%n link</numerusform>
            <numerusform>%n links</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsModel</name>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n video</numerusform>
            <numerusform>%n videos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>%n video so far</numerusform>
            <numerusform>%n videos so far</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n video, listing stopped</numerusform>
            <numerusform>%n videos, listing stopped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelcatch::ResultsPane</name>
    <message numerus="yes">
        <source>%n video(s)</source>
        <translation>
            <numerusform>%n video</numerusform>
            <numerusform>%n videos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n selected</numerusform>
            <numerusform>%n selected</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) so far</source>
        <translation>
            <numerusform>%n video so far</numerusform>
            <numerusform>%n videos so far</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), listing stopped</source>
        <translation>
            <numerusform>%n video, listing stopped</numerusform>
            <numerusform>%n videos, listing stopped</numerusform>
        </translation>
    </message>
</context>
</TS>
