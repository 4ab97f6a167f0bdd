#include "Prefs.h"

#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Answers the folder chooser the way the test says, and remembers how it was asked.
class FakeChooser : public FolderChooser {
public:
    explicit FakeChooser(std::optional<QString> answer) : m_answer(std::move(answer)) {}

    std::optional<QString> chooseDirectory(const QString& startIn,
                                           const QString& acceptLabel) override
    {
        ++calls;
        this->startIn = startIn;
        this->acceptLabel = acceptLabel;
        return m_answer;
    }

    int calls = 0;
    QString startIn;
    QString acceptLabel;

private:
    std::optional<QString> m_answer;
};

const QStringList registeredKeys{PrefKey::preset,     PrefKey::h264,     PrefKey::embedMeta,
                                 PrefKey::embedThumb, PrefKey::subs,     PrefKey::subLangs,
                                 PrefKey::sponsor,    PrefKey::parallel, PrefKey::autoPaste};

} // namespace

class TestPrefs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void freshStoreYieldsRegisteredDefaults();
    void readersFallBackWithoutRegistration();
    void defaultsAreNeverWritten();
    void roundTripThroughFile_data();
    void roundTripThroughFile();
    void handEditedFile_data();
    void handEditedFile();
    void parallelIsAtLeastOne_data();
    void parallelIsAtLeastOne();
    void subLangs_data();
    void subLangs();
    void preset_data();
    void preset();
    void folderDefaults();
    void storedFolderIsReturnedAsIs();
    void chooseFolderStoresAndAnnounces();
    void chooseFolderCancelledChangesNothing_data();
    void chooseFolderCancelledChangesNothing();
    void writesAnnounceTheirKey();
    void forUserUsesTheUserConfigFolder();

private:
    QString settingsFile() const { return m_dir->filePath(u"settings.conf"_s); }
    void writeFile(const QByteArray& text);

    QTemporaryDir m_configHome;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPrefs::initTestCase()
{
    // Keep every store this test might open, forUser() included, out of the
    // real home folder.
    QVERIFY(m_configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
}

void TestPrefs::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestPrefs::writeFile(const QByteArray& text)
{
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

void TestPrefs::freshStoreYieldsRegisteredDefaults()
{
    Prefs prefs(settingsFile(), u"/srv/media"_s);
    QVERIFY(!prefs.isRegistered());
    prefs.registerDefaults();
    QVERIFY(prefs.isRegistered());

    QCOMPARE(prefs.string(PrefKey::preset), u"p1080"_s);
    QCOMPARE(prefs.boolean(PrefKey::h264), true);
    QCOMPARE(prefs.boolean(PrefKey::embedMeta), true);
    QCOMPARE(prefs.boolean(PrefKey::embedThumb), true);
    QCOMPARE(prefs.boolean(PrefKey::subs), false);
    QCOMPARE(prefs.string(PrefKey::subLangs), u"en.*,de.*"_s);
    QCOMPARE(prefs.boolean(PrefKey::sponsor), false);
    QCOMPARE(prefs.integer(PrefKey::parallel), 2);
    QCOMPARE(prefs.boolean(PrefKey::autoPaste), true);

    // The readers see the registered list, not their own one-language fallback.
    QCOMPARE(prefs.subLangs(), u"en.*,de.*"_s);
    QCOMPARE(prefs.folder(), u"/srv/media"_s);

    // Registration is typed, and covers exactly the nine keys.
    const QVariantMap defaults = Prefs::defaults();
    QCOMPARE(defaults.keys().size(), 9);
    for (const QString& key : registeredKeys)
        QVERIFY2(defaults.contains(key), qPrintable(key));
    QVERIFY(!defaults.contains(PrefKey::folder));
    QCOMPARE(defaults.value(PrefKey::h264).metaType(), QMetaType::fromType<bool>());
    QCOMPARE(defaults.value(PrefKey::parallel).metaType(), QMetaType::fromType<int>());
    QCOMPARE(defaults.value(PrefKey::subLangs).metaType(), QMetaType::fromType<QString>());
}

void TestPrefs::readersFallBackWithoutRegistration()
{
    Prefs prefs(settingsFile());
    for (const QString& key : registeredKeys) {
        QVERIFY2(!prefs.string(key), qPrintable(key));
        QVERIFY2(!prefs.boolean(key), qPrintable(key));
        QVERIFY2(!prefs.integer(key), qPrintable(key));
    }
    QCOMPARE(prefs.preset(), Preset(Preset::p1080));
    QVERIFY(prefs.h264());
    QVERIFY(prefs.embedMeta());
    QVERIFY(prefs.embedThumb());
    QVERIFY(!prefs.subs());
    QCOMPARE(prefs.subLangs(), u"en.*"_s);
    QVERIFY(!prefs.sponsor());
    QCOMPARE(prefs.parallel(), 2);
    QVERIFY(prefs.autoPaste());
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
    for (const QString& key : registeredKeys) {
        if (key != PrefKey::sponsor)
            QVERIFY2(!text.contains(key.toUtf8() + '='), text.constData());
    }

    Prefs reopened(settingsFile());
    QCOMPARE(reopened.boolean(PrefKey::sponsor), true);
    QCOMPARE(reopened.boolean(PrefKey::h264), std::nullopt);
}

void TestPrefs::roundTripThroughFile_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("written");

    QTest::newRow("bool off") << PrefKey::h264 << QVariant(false);
    QTest::newRow("bool on") << PrefKey::subs << QVariant(true);
    QTest::newRow("integer") << PrefKey::parallel << QVariant(5);
    QTest::newRow("string with comma and spaces") << PrefKey::subLangs << QVariant(u"en.*, ja"_s);
    QTest::newRow("empty string") << PrefKey::subLangs << QVariant(u""_s);
    QTest::newRow("preset") << PrefKey::preset << QVariant(u"mp3"_s);
}

// What a read returns must not depend on whether the value was written in
// this run (held in memory, typed) or read back from the file (text).
void TestPrefs::roundTripThroughFile()
{
    QFETCH(QString, key);
    QFETCH(QVariant, written);

    Prefs writer(settingsFile());
    writer.registerDefaults();
    writer.setValue(key, written);
    writer.sync();
    Prefs reader(settingsFile());
    reader.registerDefaults();

    for (const Prefs* prefs : {&writer, &reader}) {
        QCOMPARE(prefs->string(key), std::optional<QString>(written.toString()));
        if (written.metaType() == QMetaType::fromType<bool>()) {
            QCOMPARE(prefs->boolean(key), written.toBool());
            QCOMPARE(prefs->integer(key), std::nullopt);
        } else if (written.metaType() == QMetaType::fromType<int>()) {
            QCOMPARE(prefs->integer(key), written.toInt());
            QCOMPARE(prefs->boolean(key), std::nullopt);
        } else {
            QCOMPARE(prefs->boolean(key), std::nullopt);
        }
    }
}

void TestPrefs::handEditedFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("expected"); // invalid: no value of that type

    QTest::newRow("bool, other case")
        << QByteArray("[General]\nh264=FALSE\n") << PrefKey::h264 << QVariant(false);
    QTest::newRow("bool, unreadable falls to default")
        << QByteArray("[General]\nh264=maybe\n") << PrefKey::h264 << QVariant(true);
    QTest::newRow("bool, number is no bool")
        << QByteArray("[General]\nsubs=1\n") << PrefKey::subs << QVariant(false);
    QTest::newRow("integer with spaces")
        << QByteArray("[General]\nparallel= 4 \n") << PrefKey::parallel << QVariant(4);
    QTest::newRow("integer, text falls to default")
        << QByteArray("[General]\nparallel=four\n") << PrefKey::parallel << QVariant(2);
    QTest::newRow("integer, fraction falls to default")
        << QByteArray("[General]\nparallel=2.5\n") << PrefKey::parallel << QVariant(2);
    QTest::newRow("integer, overflow falls to default")
        << QByteArray("[General]\nparallel=99999999999\n") << PrefKey::parallel << QVariant(2);
    QTest::newRow("quoted string keeps its spaces")
        << QByteArray("[General]\nsubLangs=\"en.*, de.*\"\n") << PrefKey::subLangs
        << QVariant(u"en.*, de.*"_s);
    QTest::newRow("unquoted list reads as one string")
        << QByteArray("[General]\nsubLangs=fr.*, ja\n") << PrefKey::subLangs
        << QVariant(u"fr.*,ja"_s);
    QTest::newRow("stored invalid value is no value")
        << QByteArray("[General]\nsubLangs=@Invalid()\n") << PrefKey::subLangs
        << QVariant(u"en.*,de.*"_s);
    QTest::newRow("key in another section is not ours")
        << QByteArray("[Other]\nh264=false\n") << PrefKey::h264 << QVariant(true);
}

void TestPrefs::handEditedFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QVariant, expected);
    writeFile(file);

    Prefs prefs(settingsFile());
    prefs.registerDefaults();
    switch (expected.metaType().id()) {
    case QMetaType::Bool:
        QCOMPARE(prefs.boolean(key), expected.toBool());
        break;
    case QMetaType::Int:
        QCOMPARE(prefs.integer(key), expected.toInt());
        break;
    default:
        QCOMPARE(prefs.string(key), expected.toString());
        break;
    }
}

void TestPrefs::parallelIsAtLeastOne_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("zero") << QVariant(0) << 1;
    QTest::newRow("negative") << QVariant(-4) << 1;
    QTest::newRow("one") << QVariant(1) << 1;
    QTest::newRow("many") << QVariant(8) << 8;
    QTest::newRow("zero as text") << QVariant(u"0"_s) << 1;
    QTest::newRow("unreadable") << QVariant(u"lots"_s) << 2;
    QTest::newRow("bool") << QVariant(true) << 2;
}

void TestPrefs::parallelIsAtLeastOne()
{
    QFETCH(QVariant, stored);
    QFETCH(int, expected);
    for (const bool registered : {true, false}) {
        Prefs prefs(settingsFile());
        if (registered)
            prefs.registerDefaults();
        prefs.setValue(PrefKey::parallel, stored);
        QCOMPARE(prefs.parallel(), expected);
    }
}

void TestPrefs::subLangs_data()
{
    QTest::addColumn<bool>("registered");
    QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
    QTest::addColumn<QString>("expected");
    QTest::newRow("stored string passes unchanged")
        << true << QVariant(u" en , fr.* "_s) << u" en , fr.* "_s;
    QTest::newRow("stored string, unregistered") << false << QVariant(u"ja"_s) << u"ja"_s;
    QTest::newRow("nothing stored, registered") << true << QVariant() << u"en.*,de.*"_s;
    QTest::newRow("nothing stored, unregistered") << false << QVariant() << u"en.*"_s;
}

void TestPrefs::subLangs()
{
    QFETCH(bool, registered);
    QFETCH(QVariant, stored);
    QFETCH(QString, expected);
    Prefs prefs(settingsFile());
    if (registered)
        prefs.registerDefaults();
    if (stored.isValid())
        prefs.setValue(PrefKey::subLangs, stored);
    QCOMPARE(prefs.subLangs(), expected);
}

void TestPrefs::preset_data()
{
    QTest::addColumn<QString>("stored"); // null: nothing stored
    QTest::addColumn<Preset>("expected");
    QTest::newRow("nothing") << QString() << Preset(Preset::p1080);
    QTest::newRow("audio") << u"m4a"_s << Preset(Preset::m4a);
    QTest::newRow("best") << u"best"_s << Preset(Preset::best);
    QTest::newRow("wrong case") << u"P720"_s << Preset(Preset::p1080);
    QTest::newRow("label") << u"720p"_s << Preset(Preset::p1080);
}

void TestPrefs::preset()
{
    QFETCH(QString, stored);
    QFETCH(Preset, expected);
    for (const bool registered : {true, false}) {
        Prefs prefs(settingsFile());
        if (registered)
            prefs.registerDefaults();
        if (!stored.isNull())
            prefs.setValue(PrefKey::preset, stored);
        QCOMPARE(prefs.preset(), expected);
    }
}

void TestPrefs::folderDefaults()
{
    Prefs withDefault(settingsFile(), u"/data/videos"_s);
    QCOMPARE(withDefault.folder(), u"/data/videos"_s);

    Prefs plain(settingsFile());
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    QVERIFY(!downloads.isEmpty());
    QCOMPARE(plain.folder(), downloads);

    // An empty stored path names no folder.
    plain.setValue(PrefKey::folder, u""_s);
    QCOMPARE(plain.folder(), downloads);
}

void TestPrefs::storedFolderIsReturnedAsIs()
{
    const QString gone = m_dir->filePath(u"removed since/Vidéos"_s);
    QVERIFY(!QFile::exists(gone));
    {
        Prefs prefs(settingsFile(), u"/data/videos"_s);
        QSignalSpy folderSpy(&prefs, &Prefs::folderChanged);
        QSignalSpy valueSpy(&prefs, &Prefs::valueChanged);
        prefs.setFolder(gone);
        QCOMPARE(folderSpy.size(), 1);
        QCOMPARE(valueSpy.size(), 1);
        QCOMPARE(valueSpy.at(0).at(0).toString(), PrefKey::folder);
        QCOMPARE(prefs.folder(), gone);
    }
    Prefs reopened(settingsFile(), u"/data/videos"_s);
    QCOMPARE(reopened.folder(), gone);
    QCOMPARE(reopened.string(PrefKey::folder), gone);
    QVERIFY(!QFile::exists(gone));
}

void TestPrefs::chooseFolderStoresAndAnnounces()
{
    Prefs prefs(settingsFile(), u"/data/videos"_s);
    prefs.registerDefaults();
    QSignalSpy folderSpy(&prefs, &Prefs::folderChanged);

    FakeChooser first(u"/mnt/archive"_s);
    prefs.chooseFolder(first);
    QCOMPARE(first.calls, 1);
    QCOMPARE(first.startIn, u"/data/videos"_s);
    QCOMPARE(first.acceptLabel, u"Use Folder"_s);
    QCOMPARE(prefs.folder(), u"/mnt/archive"_s);
    QCOMPARE(folderSpy.size(), 1);

    // The next chooser starts where the last choice left off.
    FakeChooser second(u"/mnt/other"_s);
    prefs.chooseFolder(second);
    QCOMPARE(second.startIn, u"/mnt/archive"_s);
    QCOMPARE(prefs.folder(), u"/mnt/other"_s);
    QCOMPARE(folderSpy.size(), 2);

    prefs.sync();
    QCOMPARE(Prefs(settingsFile()).folder(), u"/mnt/other"_s);
}

void TestPrefs::chooseFolderCancelledChangesNothing_data()
{
    QTest::addColumn<bool>("folderStored");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::newRow("cancelled, default folder") << false << std::optional<QString>();
    QTest::newRow("cancelled, stored folder") << true << std::optional<QString>();
    QTest::newRow("empty answer") << true << std::optional<QString>(u""_s);
}

void TestPrefs::chooseFolderCancelledChangesNothing()
{
    QFETCH(bool, folderStored);
    QFETCH(std::optional<QString>, answer);

    Prefs prefs(settingsFile(), u"/data/videos"_s);
    if (folderStored)
        prefs.setFolder(u"/mnt/kept"_s);
    const QString before = prefs.folder();
    QSignalSpy folderSpy(&prefs, &Prefs::folderChanged);
    QSignalSpy valueSpy(&prefs, &Prefs::valueChanged);

    FakeChooser chooser(answer);
    prefs.chooseFolder(chooser);
    QCOMPARE(chooser.calls, 1);
    QCOMPARE(chooser.startIn, before);
    QCOMPARE(prefs.folder(), before);
    QCOMPARE(prefs.string(PrefKey::folder).has_value(), folderStored);
    QCOMPARE(folderSpy.size(), 0);
    QCOMPARE(valueSpy.size(), 0);
}

void TestPrefs::writesAnnounceTheirKey()
{
    Prefs prefs(settingsFile());
    QSignalSpy folderSpy(&prefs, &Prefs::folderChanged);
    QSignalSpy valueSpy(&prefs, &Prefs::valueChanged);

    prefs.setValue(PrefKey::h264, false);
    prefs.setValue(PrefKey::parallel, 3);
    prefs.remove(PrefKey::h264);
    QCOMPARE(valueSpy.size(), 3);
    QCOMPARE(valueSpy.at(0).at(0).toString(), PrefKey::h264);
    QCOMPARE(valueSpy.at(1).at(0).toString(), PrefKey::parallel);
    QCOMPARE(valueSpy.at(2).at(0).toString(), PrefKey::h264);
    QCOMPARE(folderSpy.size(), 0);
    QCOMPARE(prefs.boolean(PrefKey::h264), std::nullopt);

    prefs.setValue(PrefKey::folder, u"/tmp/x"_s);
    prefs.remove(PrefKey::folder);
    QCOMPARE(folderSpy.size(), 2);
    QCOMPARE(valueSpy.size(), 5);
    QVERIFY(!prefs.string(PrefKey::folder));
}

void TestPrefs::forUserUsesTheUserConfigFolder()
{
    const QString expected = m_configHome.filePath(u"Reelcatch/Reelcatch.conf"_s);
    {
        const auto prefs = Prefs::forUser();
        QCOMPARE(prefs->fileName(), expected);
        prefs->registerDefaults();
        prefs->setValue(PrefKey::autoPaste, false);
    }
    QVERIFY(QFile::exists(expected));
    QCOMPARE(Prefs(expected).boolean(PrefKey::autoPaste), false);
}

QTEST_GUILESS_MAIN(TestPrefs)
#include "tst_prefs.moc"
