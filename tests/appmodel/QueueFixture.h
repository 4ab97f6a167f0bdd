// What the queue's tests share: a queue whose yt-dlp runs are FakeRunner
// children, and ways to name its jobs and runs by video id.
#pragma once

#include "Fixture.h"
#include "appmodel/Failure.h"

using namespace reelcatch;
using namespace reelcatch::test;
using namespace Qt::StringLiterals;

namespace {

using Kind = Download::Phase::Kind;
using P = Download::Phase;
using F = Failure::Kind;
using A = Failure::Action;
using Chunks = QList<QByteArray>;
const QString site = u"https://example.org/"_s;
const QString starting = u"Starting\u2026"_s;

QStringList L(const char* ids) { return QString::fromLatin1(ids).split(u' ', Qt::SkipEmptyParts); } // "a b c"

struct QueueFixture : Fixture {
    explicit QueueFixture(int parallel = 2, bool ffmpeg = true, int gap = 0) : Fixture(true, ffmpeg) { prefs.setValue(PrefKey::parallel, parallel), prefs.setValue(PrefKey::startGap, gap); }
    void enqueue(const QStringList& ids, Preset preset = Preset::p1080)
    {
        QList<VideoItem> items;
        for (const QString& id : ids)
            items << videoItem(id);
        queue().enqueue(items, preset);
    }
    DownloadPtr job(const char* id) { return queue().downloads().at(listed().indexOf(QLatin1String(id))); }
    FakeChild* run(const char* id) const { return runner->children.at(started().lastIndexOf(QLatin1String(id))); }
    QStringList started() const // the job of every run, oldest first
    {
        return each(runner->children, [](FakeChild* c) { return c->spec.arguments.filter(site).value(0).mid(site.size()); });
    }
    QStringList listed() { return each(queue().downloads(), [](const DownloadPtr& j) { return j->video().id(); }); }
};

} // namespace
