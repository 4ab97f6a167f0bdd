// Picking up YouTube links copied in other applications: which texts are
// taken, and that each copy is looked at once.
#include "Fixture.h"

#include <QTest>

using namespace reelcatch;
using namespace reelcatch::test;

namespace {

// The targets looked up so far.
QStringList lookedUp(const Fixture& f)
{
    QStringList targets;
    for (const QPointer<FakeChild>& child : f.runner->children)
        targets << child->spec.arguments.last();
    return targets;
}

} // namespace

class TestClipboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void whatIsTaken_data();
    void whatIsTaken();
    void eachCopyOnce();
};

void TestClipboard::whatIsTaken_data()
{
    QTest::addColumn<std::optional<QString>>("copied");
    QTest::addColumn<bool>("taken");
    const QString shortLink = QStringLiteral("https://youtu.be/");
    const auto row = [](const char* name, const std::optional<QString>& text, bool taken) {
        QTest::newRow(name) << text << taken;
    };
    row("watch page", QStringLiteral("https://www.youtube.com/watch?v=a"), true);
    row("trimmed", QStringLiteral("  https://youtu.be/a \n"), true);
    row("music host", QStringLiteral("https://music.youtube.com/watch?v=a"), true);
    row("bare domain", QStringLiteral("http://youtube.com/@name"), true);
    row("another site", QStringLiteral("https://example.com/watch?v=a"), false);
    row("a look-alike host", QStringLiteral("https://notyoutube.com/watch?v=a"), false);
    row("a host merely containing it", QStringLiteral("https://youtube.com.evil.org/x"), false);
    row("no scheme", QStringLiteral("youtube.com/watch?v=a"), false);
    row("words", QStringLiteral("lofi beats"), false);
    row("two lines", QStringLiteral("https://youtu.be/a\nhttps://youtu.be/b"), false);
    row("no text", std::nullopt, false);
    row("499 characters", shortLink + QString(482, QLatin1Char('a')), true);
    row("500 characters", shortLink + QString(483, QLatin1Char('a')), false);
    // Counted as the user sees them: an emoji is one, not two.
    QString emoji;
    for (int i = 0; i < 482; ++i)
        emoji += QStringLiteral("\U0001F600");
    row("499 emoji-long", shortLink + emoji, true);
}

void TestClipboard::whatIsTaken()
{
    QFETCH(std::optional<QString>, copied);
    QFETCH(bool, taken);
    Fixture f;
    f.prefs.setValue(PrefKey::autoPaste, true);
    f.clipboard.copy(copied);
    f.model.clipboard().check();
    QCOMPARE(f.lookup().isFetching(), taken);
    if (taken) {
        QCOMPARE(f.lookup().input(), copied->trimmed());
        QCOMPARE(lookedUp(f), QStringList{normalize(*copied)});
    } else {
        QVERIFY(f.runner->children.isEmpty());
        QCOMPARE(f.lookup().input(), QString());
    }
}

void TestClipboard::eachCopyOnce()
{
    const QString a = QStringLiteral("https://youtu.be/a");
    const QString b = QStringLiteral("https://youtu.be/b");
    const QString c = QStringLiteral("https://youtu.be/c");
    Fixture f;
    f.prefs.setValue(PrefKey::autoPaste, true);
    // What the clipboard held when the watch began counts as seen.
    f.clipboard.copy(a);
    Fixture late;
    late.clipboard.copy(a);
    ClipboardWatch watch(&late.clipboard, late.prefs, late.lookup());
    watch.check();
    QVERIFY(late.runner->children.isEmpty());

    f.model.clipboard().check();
    f.model.clipboard().check();
    QCOMPARE(lookedUp(f), QStringList{a});
    // A copy while a lookup runs is passed over for good.
    f.clipboard.copy(b);
    f.model.clipboard().check();
    f.runner->last()->end(1);
    QTRY_VERIFY_WITH_TIMEOUT(!f.lookup().isFetching(), 30000);
    f.model.clipboard().check();
    QCOMPARE(lookedUp(f), QStringList{a});
    // The text already in the field is not looked up again.
    f.clipboard.copy(a);
    f.lookup().setInput(a);
    f.model.clipboard().check();
    QCOMPARE(lookedUp(f), QStringList{a});
    // With the setting off, copies are seen but not taken, even once it is on.
    f.prefs.setValue(PrefKey::autoPaste, false);
    f.clipboard.copy(c);
    f.model.clipboard().check();
    f.prefs.setValue(PrefKey::autoPaste, true);
    f.model.clipboard().check();
    QCOMPARE(lookedUp(f), QStringList{a});
    f.clipboard.copy(c);
    f.model.clipboard().check();
    QCOMPARE(lookedUp(f), (QStringList{a, c}));
}

QTEST_GUILESS_MAIN(TestClipboard)
#include "tst_clipboard.moc"
