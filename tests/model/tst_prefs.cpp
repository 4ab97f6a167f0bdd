#include "Prefs.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace reelcatch;

using namespace Qt::StringLiterals;

#ifdef __SANITIZE_ADDRESS__
// A serialized list in the settings file may claim four billion entries, and
// Qt then tries to reserve room for them. An allocator that says no is what
// Qt expects there (and copes with); the sanitizer's default is to abort.
extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1";
}
#endif

namespace {

const QString defaultFolder = u"/data/videos"_s;

// Answers the folder chooser as told, and remembers how it was asked.
struct FakeChooser : FolderChooser {
    explicit FakeChooser(std::optional<QString> told) : answer(std::move(told)) {}
    std::optional<QString> chooseDirectory(const QString& start, const QString& label) override
    {
        ++calls;
        startIn = start;
        acceptLabel = label;
        return answer;
    }
    std::optional<QString> answer;
    int calls = 0;
    QString startIn;
    QString acceptLabel;
};

// A key's value as the application reads it.
QVariant read(const Prefs& prefs, const QString& key)
{
    if (key == PrefKey::h264)
        return prefs.h264();
    if (key == PrefKey::subs)
        return prefs.subs();
    if (key == PrefKey::parallel)
        return prefs.parallel();
    if (key == PrefKey::subLangs)
        return prefs.subLangs();
    if (key == PrefKey::preset)
        return prefs.preset().rawValue();
    return prefs.folder();
}

} // namespace

class TestPrefs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void freshStoreYieldsDefaults();
    void defaultsAreNeverWritten();
    void valuesAsStoredInFile_data();
    void valuesAsStoredInFile();
    void garbageReadsDefaults_data();
    void garbageReadsDefaults();
    void chooseFolderStoresAndAnnounces();
    void chooseFolderCancelledChangesNothing_data();
    void chooseFolderCancelledChangesNothing();

private:
    QString settingsFile() const { return m_dir->filePath(u"settings.conf"_s); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPrefs::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestPrefs::freshStoreYieldsDefaults()
{
    Prefs prefs(settingsFile(), defaultFolder);
    // Reads made before registration agree with later ones, but for subLangs.
    const auto readers = [&prefs] {
        return QVariantList{prefs.preset().rawValue(), prefs.h264(),     prefs.embedMeta(),
                            prefs.embedThumb(),        prefs.subs(),     prefs.sponsor(),
                            prefs.parallel(),          prefs.autoPaste()};
    };
    const QVariantList early = readers();
    QCOMPARE(prefs.subLangs(), u"en.*"_s);
    prefs.registerDefaults();
    QCOMPARE(prefs.string(PrefKey::preset), u"p1080"_s);
    QCOMPARE(prefs.boolean(PrefKey::h264), true);
    QCOMPARE(prefs.boolean(PrefKey::embedMeta), true);
    QCOMPARE(prefs.boolean(PrefKey::embedThumb), true);
    QCOMPARE(prefs.boolean(PrefKey::subs), false);
    QCOMPARE(prefs.string(PrefKey::subLangs), u"en.*,de.*"_s);
    QCOMPARE(prefs.boolean(PrefKey::sponsor), false);
    QCOMPARE(prefs.integer(PrefKey::parallel), 2);
    QCOMPARE(prefs.boolean(PrefKey::autoPaste), true);
    QCOMPARE(readers(), early);
    QCOMPARE(prefs.subLangs(), u"en.*,de.*"_s);
    QCOMPARE(prefs.folder(), defaultFolder);
}

void TestPrefs::defaultsAreNeverWritten()
{
    {
        Prefs prefs(settingsFile());
        prefs.registerDefaults();
        prefs.setValue(PrefKey::sponsor, true);
        prefs.sync();
    }
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("sponsor=true"));
    for (const QString& key : Prefs::defaults().keys()) {
        if (key != PrefKey::sponsor)
            QVERIFY2(!text.contains(key.toUtf8() + '='), text.constData());
    }
    QCOMPARE(Prefs(settingsFile()).boolean(PrefKey::h264), std::nullopt);
}

void TestPrefs::valuesAsStoredInFile_data()
{
    QTest::addColumn<QByteArray>("line"); // under [General]
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("bool, other case") << "h264=FALSE"_ba << PrefKey::h264 << QVariant(false);
    QTest::newRow("bool, capitalised") << "subs=True"_ba << PrefKey::subs << QVariant(true);
    QTest::newRow("bool, unreadable") << "h264=maybe"_ba << PrefKey::h264 << QVariant(true);
    QTest::newRow("bool, number") << "subs=1"_ba << PrefKey::subs << QVariant(false);
    QTest::newRow("other section") << "[Other]\nh264=false"_ba << PrefKey::h264 << QVariant(true);
    QTest::newRow("int, spaces") << "parallel= 4 "_ba << PrefKey::parallel << QVariant(4);
    QTest::newRow("int, text") << "parallel=four"_ba << PrefKey::parallel << QVariant(2);
    QTest::newRow("int, fraction") << "parallel=2.5"_ba << PrefKey::parallel << QVariant(2);
    QTest::newRow("int, overflow") << "parallel=99999999999"_ba << PrefKey::parallel << QVariant(2);
    QTest::newRow("parallel zero") << "parallel=0"_ba << PrefKey::parallel << QVariant(1);
    QTest::newRow("parallel negative") << "parallel=-4"_ba << PrefKey::parallel << QVariant(1);
    QTest::newRow("subLangs, spaces kept")
        << "subLangs=\" en , fr.* \""_ba << PrefKey::subLangs << QVariant(u" en , fr.* "_s);
    QTest::newRow("subLangs, empty") << "subLangs="_ba << PrefKey::subLangs << QVariant(u""_s);
    QTest::newRow("subLangs, unquoted list")
        << "subLangs=fr.*, ja"_ba << PrefKey::subLangs << QVariant(u"fr.*,ja"_s);
    QTest::newRow("subLangs, invalid value")
        << "subLangs=@Invalid()"_ba << PrefKey::subLangs << QVariant(u"en.*,de.*"_s);
    QTest::newRow("preset") << "preset=m4a"_ba << PrefKey::preset << QVariant(u"m4a"_s);
    QTest::newRow("preset, wrong case")
        << "preset=P720"_ba << PrefKey::preset << QVariant(u"p1080"_s);
    QTest::newRow("folder, empty") << "folder="_ba << PrefKey::folder << QVariant(defaultFolder);
    QTest::newRow("folder, missing on disk")
        << "folder=/gone/My Videos"_ba << PrefKey::folder << QVariant(u"/gone/My Videos"_s);
}

void TestPrefs::valuesAsStoredInFile()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, key);
    QFETCH(QVariant, expected);
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\n" + line + '\n');
    file.close();

    Prefs prefs(settingsFile(), defaultFolder);
    prefs.registerDefaults();
    QCOMPARE(read(prefs, key), expected);
}

void TestPrefs::garbageReadsDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("parallel"); // the default, or what the clamp makes of it
    const QStringList keys = Prefs::defaults().keys() << PrefKey::folder;
    // Every key, each with a value of the given kind.
    const auto everyKey = [&keys](const std::function<QByteArray(int)>& value) {
        QByteArray text = "[General]\n";
        for (int i = 0; i < keys.size(); ++i)
            text += keys.at(i).toUtf8() + '=' + value(i) + '\n';
        return text;
    };
    QRandomGenerator random(20240611);
    const auto junk = [&random](int size) {
        QByteArray bytes(size, '\0');
        for (char& c : bytes)
            c = char(random.bounded(256));
        return bytes;
    };

    QTest::newRow("binary junk") << junk(64 * 1024) << 2;
    // A string key takes any text as it is (a folder is not checked), so
    // those two get a value that is no text at all.
    const auto isText = [&keys](int i) {
        return keys.at(i) == PrefKey::subLangs || keys.at(i) == PrefKey::folder;
    };
    QTest::newRow("binary junk as values")
        << everyKey([&](int i) { return isText(i) ? "@Invalid()"_ba : junk(40); }) << 2;
    QTest::newRow("broken INI syntax")
        << "[General\nh264 false\n=true\nsubs==true\n[[General]]\nparallel\n"
           "[General]\n\"preset\"=m4a\nembedMeta\nsponsor:true\nautoPaste\n"_ba
        << 2;
    QTest::newRow("text where numbers and booleans go")
        << everyKey([&](int i) { return isText(i) ? "@Invalid()"_ba : "two"_ba; }) << 2;
    QTest::newRow("out of range")
        << "[General]\nparallel=-99999999999999999999\npreset=-1\nh264=2\nsubs=-1\n"_ba << 2;
    QTest::newRow("lists and containers where strings go")
        << "[General]\npreset=p720, mp3\nh264=true, false\nparallel=1, 2\n"
           "subLangs=@Variant(\\0\\0\\0\\b\\0\\0\\0\\0)\nfolder=@Variant(\\0\\0\\0\\b\\0\\0\\0\\0)"
           "\n"
           "autoPaste=@Size(1 2)\nsponsor=@Rect(1 2 3 4)\n"_ba
        << 2;
    // Qt reads a serialized number cut short as 0, which counts as 1.
    QTest::newRow("serialized values that claim too much")
        << "[General]\npreset=@Variant(\\0\\0\\0\\v\\xff\\xff\\xff\\xff)\n"
           "subLangs=@Variant(\\0\\0\\0\\b\\x7f\\xff\\xff\\xff)\n"
           "folder=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x05junk!)\nparallel=@Variant(\\0\\0\\0\\x02)\n"
           "h264=@ByteArray(\nsubs=@Variant(\n"_ba
        << 1;
}

void TestPrefs::garbageReadsDefaults()
{
    QFETCH(QByteArray, content);
    QFETCH(int, parallel);
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    Prefs prefs(settingsFile(), defaultFolder);
    prefs.registerDefaults();
    const QVariantMap defaults = Prefs::defaults();
    QCOMPARE(prefs.preset().rawValue(), defaults.value(PrefKey::preset).toString());
    QCOMPARE(prefs.h264(), defaults.value(PrefKey::h264).toBool());
    QCOMPARE(prefs.embedMeta(), defaults.value(PrefKey::embedMeta).toBool());
    QCOMPARE(prefs.embedThumb(), defaults.value(PrefKey::embedThumb).toBool());
    QCOMPARE(prefs.subs(), defaults.value(PrefKey::subs).toBool());
    QCOMPARE(prefs.subLangs(), defaults.value(PrefKey::subLangs).toString());
    QCOMPARE(prefs.sponsor(), defaults.value(PrefKey::sponsor).toBool());
    QCOMPARE(prefs.parallel(), parallel);
    QCOMPARE(prefs.autoPaste(), defaults.value(PrefKey::autoPaste).toBool());
    QCOMPARE(prefs.folder(), defaultFolder);
}

void TestPrefs::chooseFolderStoresAndAnnounces()
{
    Prefs prefs(settingsFile(), defaultFolder);
    prefs.registerDefaults();
    QSignalSpy folderSpy(&prefs, &Prefs::folderChanged);

    FakeChooser chooser(u"/mnt/archive"_s);
    prefs.chooseFolder(chooser);
    QCOMPARE(chooser.calls, 1);
    QCOMPARE(chooser.startIn, defaultFolder);
    QCOMPARE(chooser.acceptLabel, u"Use Folder"_s);
    QCOMPARE(folderSpy.size(), 1);
    prefs.sync();
    QCOMPARE(Prefs(settingsFile()).folder(), u"/mnt/archive"_s);
}

void TestPrefs::chooseFolderCancelledChangesNothing_data()
{
    QTest::addColumn<QString>("stored"); // null: no folder stored
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::newRow("cancelled") << QString() << std::optional<QString>();
    QTest::newRow("cancelled, folder stored") << u"/mnt/kept"_s << std::optional<QString>();
    QTest::newRow("empty answer") << QString() << std::optional<QString>(u""_s);
}

void TestPrefs::chooseFolderCancelledChangesNothing()
{
    QFETCH(QString, stored);
    QFETCH(std::optional<QString>, answer);
    Prefs prefs(settingsFile(), defaultFolder);
    if (!stored.isNull())
        prefs.setFolder(stored);
    QSignalSpy folderSpy(&prefs, &Prefs::folderChanged);
    QSignalSpy valueSpy(&prefs, &Prefs::valueChanged);

    FakeChooser chooser(answer);
    prefs.chooseFolder(chooser);
    QCOMPARE(chooser.calls, 1);
    QCOMPARE(chooser.startIn, stored.isNull() ? defaultFolder : stored);
    QCOMPARE(prefs.string(PrefKey::folder),
             stored.isNull() ? std::nullopt : std::optional<QString>(stored));
    QCOMPARE(folderSpy.size(), 0);
    QCOMPARE(valueSpy.size(), 0);
}

QTEST_GUILESS_MAIN(TestPrefs)
#include "tst_prefs.moc"
