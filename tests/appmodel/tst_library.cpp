// The kept download list and history: a real SQLite file in a sandbox.
#include "Fixture.h"
#include "appmodel/LibraryStore.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <csignal>

using namespace reelcatch;
using namespace reelcatch::test;
using Kind = Download::Phase::Kind;

namespace {

bool openAndWait(Fixture& f, const QString& folder)
{
    QSignalSpy loaded(&f.model.library(), &Library::loaded);
    f.model.library().open(folder);
    return loaded.wait(20000);
}

// The answer of the last statement of `sql` on the file (those before it are
// run first), through a connection of its own.
QString ask(const QString& file, const QString& sql)
{
    QString answer;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_qs, u"probe"_qs);
        db.setDatabaseName(file);
        const bool open = db.open();
        QSqlQuery query(db);
        for (const QString& statement : sql.split(u';').mid(0, sql.count(u';')))
            query.exec(statement);
        if (open && query.exec(sql.section(u';', -1)) && query.next())
            answer = query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(u"probe"_qs);
    return answer;
}

// Caps the store's own connection at that many pages, as a disk that fills up would.
void limitPages(const LibraryStore& store, int pages)
{
    for (const QString& name : QSqlDatabase::connectionNames()) {
        if (QSqlDatabase db = QSqlDatabase::database(name, false); db.databaseName() == store.path())
            QVERIFY(QSqlQuery(db).exec(u"PRAGMA max_page_count = %1"_qs.arg(pages)));
    }
}

StoredJob job(const QString& id, const QString& title = {})
{
    return {QUuid::createUuid(), *VideoItem::fromJson({{u"id"_qs, id}, {u"title"_qs, title}}),
            Preset::mp3, Kind::failed, u"gone"_qs, u"x"_qs, {}, false};
}

} // namespace

class TestLibrary : public QObject {
    Q_OBJECT
private slots:
    void listAndHistoryComeBack();
    void olderSchemaIsBroughtUp();
    void clipBesideItsVideoComesBack();
    void unreadableFileIsMovedAside();
    void fullDiskKeepsChangesInMemory();
    void fullDiskAtStartLeavesTheFile();
    void newerStoreIsLeftUntouched();
    void secondCopyKeepsNothing();
    void killedAtAnyMomentLosesNothing();
};

void TestLibrary::listAndHistoryComeBack()
{
    QTemporaryDir data;
    const QString folder = data.path() + u"/deeper"_qs;
    QString keptFile;
    {
        Fixture f;
        QVERIFY(openAndWait(f, folder));
        f.prefs.setValue(PrefKey::parallel, 4);
        f.prefs.setValue(PrefKey::folder, data.path());
        f.queue().enqueue({videoItem(u"kept"_qs), videoItem(u"lost"_qs), videoItem(u"bad"_qs),
                           videoItem(u"run"_qs), videoItem(u"wait"_qs)},
                          Preset::p720);
        QCOMPARE(f.runner->running().size(), 4);
        // Written as added first, so that the endings below go through the store's updates.
        QSignalSpy written(&f.model.library(), &Library::written);
        QVERIFY(written.wait(20000));
        keptFile = TestEnv::writeFile(f.prefs.value(PrefKey::folder) + u"/kept.mp4"_qs, "x");
        for (int i : {0, 1})
            f.runner->children.at(i)->say(i ? u"RCFILE|lost.mp4"_qs : u"RCFILE|kept.mp4"_qs), f.runner->children.at(i)->end(0);
        f.runner->children.at(2)->say(u"ERROR: Video unavailable"_qs);
        f.runner->children.at(2)->end(1);
        f.runner->children.at(3)->say(u"RC|downloading|10|100|NA|1|3|avc1"_qs);
        // Quitting: the list keeps "run" and "wait" as waiting, then the queue stops them.
        f.model.shutDown();
        QCOMPARE(f.queue().downloads().at(1)->phase(), Download::Phase::cancelled());
    }
    QCOMPARE(ask(folder + u"/library.sqlite"_qs, u"SELECT group_concat(phase) FROM jobs WHERE video_id IN ('run', 'wait')"_qs),
             u"queued,queued"_qs);
    QStringList before;
    {
        Fixture f;
        f.prefs.setValue(PrefKey::parallel, 1);
        QVERIFY(openAndWait(f, folder));
        const QList<DownloadPtr>& jobs = f.queue().downloads();
        QCOMPARE(each(jobs, [](const DownloadPtr& j) { return j->video().id(); }),
                 QStringList({u"wait"_qs, u"run"_qs, u"bad"_qs, u"lost"_qs, u"kept"_qs}));
        // The oldest unfinished starts again first, under the limit.
        QCOMPARE(jobs.at(1)->phase().kind(), Kind::downloading);
        QCOMPARE(jobs.at(0)->phase().kind(), Kind::queued);
        QCOMPARE(f.runner->running().size(), 1);
        QCOMPARE(jobs.at(2)->phase(), Download::Phase::failed(u"Video unavailable"_qs, FailureKind::unavailable)); // read as restored
        QCOMPARE(jobs.at(3)->detail(), u"File moved or deleted"_qs);
        QCOMPARE(jobs.at(4)->detail(), u"kept.mp4"_qs);
        QCOMPARE(jobs.at(4)->file(), std::optional(keptFile));
        QVERIFY(f.model.library().isDownloaded(u"kept"_qs) && f.model.library().isDownloaded(u"lost"_qs));
        QVERIFY(!f.model.library().isDownloaded(u"bad"_qs));
        f.queue().clearFinished();
        f.queue().remove(*jobs.at(0));
        before = each(f.queue().downloads(), [](const DownloadPtr& j) { return j->id().toString(); });
        QCOMPARE(before.size(), 1);
    }
    Fixture f;
    QVERIFY(openAndWait(f, folder));
    QCOMPARE(each(f.queue().downloads(), [](const DownloadPtr& j) { return j->id().toString(); }), before);
    QVERIFY(f.model.library().isDownloaded(u"kept"_qs));
    QVERIFY(f.model.library().note().isEmpty());
}

void TestLibrary::olderSchemaIsBroughtUp()
{
    QTemporaryDir data;
    const QString file = data.path() + u"/library.sqlite"_qs;
    // The second schema's history had neither titles nor links: those of
    // videos whose job is still listed are taken from it.
    QCOMPARE(ask(file, u"CREATE TABLE jobs (id TEXT PRIMARY KEY NOT NULL, video_id TEXT NOT NULL,"
              " title TEXT NOT NULL, channel TEXT NOT NULL, duration REAL, url TEXT NOT NULL,"
              " thumbnail TEXT, preset TEXT NOT NULL, phase TEXT NOT NULL, message TEXT NOT NULL,"
              " detail TEXT NOT NULL, file TEXT);"
              "CREATE TABLE history (video_id TEXT PRIMARY KEY NOT NULL, preset TEXT NOT NULL,"
              " file TEXT NOT NULL, finished INTEGER NOT NULL);"
              "INSERT INTO history VALUES ('old', 'mp3', '/o.mp3', 5), ('gone', 'mp3', '/g.mp3', 6);"
              "INSERT INTO jobs VALUES ('3e4f0ae4-3d61-4e31-9a8e-2a8f4b0c7d11', 'old', 'Old one',"
              " '', 61, 'https://example.org/old', NULL, 'mp3', 'processing', '', '', NULL);"
              "PRAGMA user_version = 2;PRAGMA user_version"_qs), u"2"_qs);
    LibraryStore store(data.path());
    const LibrarySnapshot snapshot = store.open();
    QVERIFY(!snapshot.startedAfresh);
    QCOMPARE(snapshot.jobs.size(), 1);
    QCOMPARE(snapshot.jobs.at(0).video.duration(), std::optional(61.0));
    QCOMPARE(snapshot.jobs.at(0).kind, Kind::processing);
    QVERIFY(!snapshot.jobs.at(0).formatChoice); // the preset's choice, as before
    const auto history = store.history({});
    QVERIFY(history && history->size() == 2);
    QCOMPARE(history->at(1).shownTitle(), u"Old one"_qs);
    QCOMPARE(history->at(1).url, u"https://example.org/old"_qs);
    QCOMPARE(history->at(0).shownTitle(), u"gone"_qs);
    StoredJob chosen = job(u"new"_qs);
    chosen.formatChoice = FormatChoice{u"137+140"_qs, u"1080p H.264 + German (original)"_qs};
    chosen.clip = ClipRange{60, 90.5};
    chosen.place = PlaylistPlace{u"Mix"_qs, 7};
    QVERIFY(store.write(
        {{chosen}, {}, {{u"old"_qs, Preset::mp3, u"/x.mp3"_qs, QDateTime::currentDateTime(), {}, {}, {}}}, {}}));
    store.close();
    QCOMPARE(ask(file, u"PRAGMA user_version"_qs), QString::number(LibraryStore::schemaVersion));
    LibraryStore again(data.path());
    const LibrarySnapshot back = again.open();
    QCOMPARE(back.jobs.size(), 2);
    QCOMPARE(back.jobs.at(0).formatChoice, chosen.formatChoice);
    QCOMPARE(back.jobs.at(0).clip, chosen.clip);
    QCOMPARE(back.jobs.at(0).place, chosen.place);
    QVERIFY(!back.jobs.at(1).formatChoice && !back.jobs.at(1).clip && !back.jobs.at(1).place);
    again.close();
    QCOMPARE(ask(file, u"PRAGMA journal_mode"_qs), u"wal"_qs);
    QCOMPARE(ask(file, u"SELECT file FROM history WHERE video_id = 'old'"_qs), u"/x.mp3"_qs);
}

// A clip waits beside the whole video in the same preset: two files, two
// jobs. What is queued as the app quits is kept too.
void TestLibrary::clipBesideItsVideoComesBack()
{
    QTemporaryDir data;
    {
        Fixture f;
        QVERIFY(openAndWait(f, data.path()));
        QSignalSpy written(&f.model.library(), &Library::written);
        f.queue().enqueue({videoItem(u"a"_qs)}, Preset::p720);
        f.queue().enqueue({videoItem(u"a"_qs)}, Preset::p720, std::nullopt, ClipRange{1, 2});
        QVERIFY(written.wait(20000));
        // More than one turn adds, queued as the app quits: all kept.
        QList<VideoItem> many;
        for (int i = 0; i < DownloadQueue::slice + 5; ++i)
            many.append(videoItem(QString::number(i)));
        f.queue().enqueue(many, Preset::mp3);
        f.model.shutDown();
    }
    Fixture f;
    QVERIFY(openAndWait(f, data.path()));
    QCOMPARE(f.queue().downloads().size(), 2 + DownloadQueue::slice + 5);
}

void TestLibrary::unreadableFileIsMovedAside()
{
    QTemporaryDir data;
    const QString file = TestEnv::writeFile(data.path() + u"/library.sqlite"_qs, QByteArray(8192, 'z'));
    LibraryStore store(data.path());
    LibrarySnapshot snapshot = store.open();
    QVERIFY(snapshot.startedAfresh && snapshot.movedAside);
    QVERIFY(QFileInfo(*snapshot.movedAside).fileName().startsWith(u"library.sqlite.broken-20"_qs));
    QCOMPARE(QFileInfo(*snapshot.movedAside).size(), 8192);
    QVERIFY(store.write({{job(u"a"_qs)}, {}, {}, {}}));
    store.close();
    // The fresh one is read back like any other: no note the second time.
    LibraryStore again(data.path());
    snapshot = again.open();
    QVERIFY(!snapshot.startedAfresh);
    QCOMPARE(snapshot.jobs.size(), 1);
}

void TestLibrary::fullDiskKeepsChangesInMemory()
{
    QTemporaryDir data;
    LibraryStore store(data.path());
    store.open();
    const StoredJob first = job(u"first"_qs);
    QVERIFY(store.write({{first}, {}, {}, {}}));
    limitPages(store, ask(store.path(), u"PRAGMA page_count"_qs).toInt());
    QList<StoredJob> many;
    for (int i = 0; i < 200; ++i)
        many << job(u"v%1"_qs.arg(i), QString(2000, u'x'));
    QVERIFY(!store.write({many, {first.id}, {}, {}}));
    QCOMPARE(ask(store.path(), u"SELECT count(*) FROM jobs"_qs), u"1"_qs);
    QCOMPARE(ask(store.path(), u"PRAGMA integrity_check"_qs), u"ok"_qs);
    // Room again: what was kept is written with the next change.
    limitPages(store, 1 << 20);
    QVERIFY(store.write({}));
    QCOMPARE(ask(store.path(), u"SELECT count(*) FROM jobs"_qs), u"200"_qs);
}

void TestLibrary::fullDiskAtStartLeavesTheFile()
{
    QTemporaryDir data;
    const QString folder = data.path();
    if (QProcess::execute(u"mount"_qs, {u"-t"_qs, u"tmpfs"_qs, u"-o"_qs, u"size=512k"_qs,
                                        u"tmpfs"_qs, folder}) != 0)
        QSKIP("a small tmpfs can't be mounted here");
    const auto unmount = qScopeGuard([&] { QProcess::execute(u"umount"_qs, {folder}); });
    {
        LibraryStore store(folder);
        store.open();
        QVERIFY(store.write({{job(u"a"_qs), job(u"b"_qs)}, {}, {}, {}}));
    }
    QFile filler(folder + u"/filler"_qs);
    QVERIFY(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'f')) > 0 && filler.flush()) {
    }
    filler.close();
    Fixture f;
    Library& library = f.model.library();
    QVERIFY(openAndWait(f, folder));
    QVERIFY(f.queue().downloads().isEmpty());
    QCOMPARE(library.note(), u"Your download list can't be saved right now: the disk is full."_qs);
    QSignalSpy written(&library, &Library::written);
    f.queue().enqueue({videoItem(u"meanwhile"_qs)}, Preset::p720);
    QVERIFY(written.wait(20000));
    QVERIFY(!written.last().at(0).toBool());
    // Room again: the next change brings back what the file held and writes the whole list.
    QVERIFY(filler.remove());
    f.queue().enqueue({videoItem(u"later"_qs)}, Preset::p720);
    QVERIFY(written.wait(20000));
    QVERIFY(written.last().at(0).toBool());
    QCOMPARE(each(f.queue().downloads(), [](const DownloadPtr& j) { return j->video().id(); }),
             QStringList({u"later"_qs, u"meanwhile"_qs, u"b"_qs, u"a"_qs}));
    QVERIFY(library.note().isEmpty());
    QCOMPARE(ask(folder + u"/library.sqlite"_qs, u"SELECT count(*) FROM jobs"_qs), u"4"_qs);
    QCOMPARE(QDir(folder).entryList({u"*.broken-*"_qs}), QStringList());
}

void TestLibrary::newerStoreIsLeftUntouched()
{
    QTemporaryDir data;
    const QString file = data.path() + u"/library.sqlite"_qs;
    // In the rollback journal: switching it to WAL would change the header.
    QCOMPARE(ask(file, u"CREATE TABLE jobs (id TEXT, more TEXT);PRAGMA user_version = "_qs + QString::number(LibraryStore::schemaVersion + 1) + u";PRAGMA user_version"_qs),
             QString::number(LibraryStore::schemaVersion + 1));
    const auto hash = [&file] {
        QFile bytes(file);
        return bytes.open(QIODevice::ReadOnly)
                   ? QCryptographicHash::hash(bytes.readAll(), QCryptographicHash::Sha256)
                   : QByteArray();
    };
    const QByteArray before = hash();
    {
        Fixture f;
        QVERIFY(openAndWait(f, data.path()));
        QCOMPARE(
            f.model.library().note(),
            u"This download list was saved by a newer Reelcatch. It is kept unchanged and not used."_qs);
        QSignalSpy written(&f.model.library(), &Library::written);
        f.queue().enqueue({videoItem(u"here"_qs)}, Preset::p720);
        QVERIFY(written.wait(20000));
    }
    QCOMPARE(hash(), before);
    QCOMPARE(QDir(data.path()).entryList({u"*.broken-*"_qs}), QStringList());
}

void TestLibrary::secondCopyKeepsNothing()
{
    QTemporaryDir data;
    {
        LibraryStore store(data.path());
        store.open();
        StoredJob waiting = job(u"w1"_qs), running = job(u"w2"_qs);
        waiting.kind = Kind::queued, running.kind = Kind::downloading;
        QVERIFY(store.write({{waiting, running}, {}, {}, {}}));
    }
    Fixture first, second;
    QVERIFY(openAndWait(first, data.path()));
    QVERIFY(openAndWait(second, data.path()));
    // Each restored job runs once, in the copy that holds the list.
    QCOMPARE(first.queue().downloads().size(), 2);
    QCOMPARE(first.runner->children.size(), 2);
    QVERIFY(first.model.library().note().isEmpty());
    QVERIFY(second.queue().downloads().isEmpty());
    QCOMPARE(
        second.model.library().note(),
        u"Reelcatch is already open elsewhere with this download list; this window's list won't be kept."_qs);
    QSignalSpy written(&second.model.library(), &Library::written);
    second.queue().enqueue({videoItem(u"second"_qs)}, Preset::p720);
    QVERIFY(written.wait(20000));
    QCOMPARE(second.runner->children.size(), 1);
    QCOMPARE(
        ask(data.path() + u"/library.sqlite"_qs, u"SELECT group_concat(video_id) FROM jobs"_qs),
        u"w1,w2"_qs);
}

void TestLibrary::killedAtAnyMomentLosesNothing()
{
    QTemporaryDir data;
    int existed = 0;
    for (int run = 0; run < 3; ++run) {
        QProcess app;
        app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        app.start(QStringLiteral(REELCATCH_LIBRARY_DRIVER), {data.path(), u"20"_qs});
        int writes = 0;
        QByteArray loaded;
        QVERIFY(QTest::qWaitFor([&] {
            while (app.canReadLine()) {
                const QByteArray line = app.readLine().trimmed();
                if (line.startsWith("loaded"))
                    loaded = line;
                writes += line == "written";
            }
            return writes >= 2 + run * 3 || app.state() == QProcess::NotRunning;
        }, 60000));
        // Every job written before is back, once.
        const QByteArray expected = QByteArray::number(existed);
        QCOMPARE(loaded, "loaded " + expected + ' ' + expected + ' ' + expected);
        ::kill(pid_t(app.processId()), SIGKILL);
        QVERIFY(app.waitForFinished(20000));
        existed += 20;
        QCOMPARE(ask(data.path() + u"/library.sqlite"_qs, u"PRAGMA integrity_check"_qs), u"ok"_qs);
    }
}

QTEST_GUILESS_MAIN(TestLibrary)
#include "tst_library.moc"
