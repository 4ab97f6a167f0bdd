#include "Prefs.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString defaultFolder = u"/data/videos"_s;

// Answers the folder chooser as told, and remembers how it was asked.
struct FakeChooser : FolderChooser {
    explicit FakeChooser(std::optional<QString> answer) : answer(std::move(answer)) {}
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
