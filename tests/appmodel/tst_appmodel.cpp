// The model's construction and what it passes on from the settings.
#include "AppModel.h"
#include "Fakes.h"
#include "TestEnv.h"

#include <QSignalSpy>
#include <QTest>

using namespace reelcatch;

namespace {

class ScriptedChooser : public FolderChooser {
public:
    std::optional<QString> answer;
    std::optional<QString> chooseDirectory(const QString&, const QString&) override
    {
        return answer;
    }
};

} // namespace

class TestAppModel : public QObject {
    Q_OBJECT
private slots:
    void startsEmptyWithDefaultsRegistered();
    void folderChoiceIsAnnounced();
};

void TestAppModel::startsEmptyWithDefaultsRegistered()
{
    TestEnv env;
    Engine engine(env.engineConfig());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    QVERIFY(!prefs.string(PrefKey::subLangs));
    FakeInstaller installer;
    AppModel model(engine, prefs, installer);

    QVERIFY(model.input().isEmpty());
    QVERIFY(!model.isFetching());
    QVERIFY(!model.fetchError());
    QVERIFY(model.results().isEmpty());
    QVERIFY(model.resultsTitle().isEmpty());
    QVERIFY(model.selected().isEmpty());
    // Every key reads its registered value on a first launch.
    const QVariantMap defaults = Prefs::defaults();
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
        const QVariant value = it.value();
        if (value.typeId() == QMetaType::Bool)
            QCOMPARE(prefs.boolean(it.key()), std::optional<bool>(value.toBool()));
        else if (value.typeId() == QMetaType::Int)
            QCOMPARE(prefs.integer(it.key()), std::optional<int>(value.toInt()));
        else
            QCOMPARE(prefs.string(it.key()), std::optional<QString>(value.toString()));
    }
    QCOMPARE(prefs.subLangs(), QStringLiteral("en.*,de.*"));
    QCOMPARE(prefs.folder(), env.downloadsDir());
}

void TestAppModel::folderChoiceIsAnnounced()
{
    TestEnv env;
    Engine engine(env.engineConfig());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    FakeInstaller installer;
    AppModel model(engine, prefs, installer);
    QSignalSpy changed(&model, &AppModel::changed);
    ScriptedChooser chooser;

    prefs.chooseFolder(chooser);
    QCOMPARE(changed.count(), 0);

    chooser.answer = env.path(QStringLiteral("Videos"));
    prefs.chooseFolder(chooser);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(prefs.folder(), env.path(QStringLiteral("Videos")));
}

QTEST_GUILESS_MAIN(TestAppModel)
#include "tst_appmodel.moc"
