#include "FakeYtdlp.h"

#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

using namespace reelcatch;

namespace {

// A word for /bin/sh, quoted so that nothing in it is special.
QByteArray shellQuote(const QString& text)
{
    QByteArray bytes = QFile::encodeName(text);
    bytes.replace('\'', QByteArray("'\\''"));
    return '\'' + bytes + '\'';
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Text that a script line can carry verbatim.
bool fitsOnALine(const QString& text)
{
    return !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
}

constexpr qsizetype kInlineLimit = 4096;

} // namespace

FakeYtdlp::FakeYtdlp(const QString& dir, const QString& name, const QString& stateDir)
    : m_path(dir + QLatin1Char('/') + name),
      m_base((stateDir.isEmpty() ? dir : stateDir) + QLatin1Char('/') + name)
{
    m_sections.append(Section{QStringLiteral("@default"), {}});
    QDir().mkpath(dir);
    QDir().mkpath(stateDir.isEmpty() ? dir : stateDir);
    writeScript();
    const QByteArray wrapper = "#!/bin/sh\nREELCATCH_FAKE_SCRIPT=" + shellQuote(scriptPath()) +
                               "\nexport REELCATCH_FAKE_SCRIPT\nexec " + shellQuote(binaryPath()) +
                               " \"$@\"\n";
    if (TestEnv::writeExecutable(m_path, wrapper).isEmpty())
        qWarning("FakeYtdlp: cannot write %s", qPrintable(m_path));
}

QString FakeYtdlp::binaryPath()
{
    return QStringLiteral(REELCATCH_FAKE_YTDLP);
}

void FakeYtdlp::setScript(const QString& text)
{
    m_raw = text;
    m_sections = {Section{QStringLiteral("@default"), {}}};
    m_current = 0;
    writeScript();
}

QString FakeYtdlp::script() const
{
    QString text = m_raw;
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    // Conditional sections first, in the order they were made, then the
    // default section (its position doesn't matter to the fake).
    for (qsizetype i = 1; i < m_sections.size(); ++i) {
        text += m_sections[i].header + QLatin1Char('\n');
        for (const QString& l : m_sections[i].lines)
            text += l + QLatin1Char('\n');
    }
    if (!m_sections[0].lines.isEmpty()) {
        text += m_sections[0].header + QLatin1Char('\n');
        for (const QString& l : m_sections[0].lines)
            text += l + QLatin1Char('\n');
    }
    return text;
}

void FakeYtdlp::writeScript() const
{
    if (TestEnv::writeFile(scriptPath(), script().toUtf8()).isEmpty())
        qWarning("FakeYtdlp: cannot write %s", qPrintable(scriptPath()));
}

FakeYtdlp& FakeYtdlp::add(const QString& line)
{
    m_sections[m_current].lines.append(line);
    writeScript();
    return *this;
}

FakeYtdlp& FakeYtdlp::enter(const QString& header)
{
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        if (m_sections[i].header == header) {
            m_current = i;
            return *this;
        }
    }
    m_sections.append(Section{header, {}});
    m_current = m_sections.size() - 1;
    return *this;
}

QString FakeYtdlp::dataFile(const QByteArray& bytes)
{
    const QString path = QStringLiteral("%1.data-%2").arg(m_base).arg(++m_dataFiles);
    if (TestEnv::writeFile(path, bytes).isEmpty())
        qWarning("FakeYtdlp: cannot write %s", qPrintable(path));
    return path;
}

FakeYtdlp& FakeYtdlp::line(const QString& command)
{
    return add(command);
}

FakeYtdlp& FakeYtdlp::onOption(const QString& option)
{
    return enter(QStringLiteral("@option ") + option);
}

FakeYtdlp& FakeYtdlp::onArg(const QString& arg)
{
    return enter(QStringLiteral("@arg ") + arg);
}

FakeYtdlp& FakeYtdlp::onArgContaining(const QString& text)
{
    return enter(QStringLiteral("@arg-contains ") + text);
}

FakeYtdlp& FakeYtdlp::onCall(int n)
{
    return enter(QStringLiteral("@call %1").arg(n));
}

FakeYtdlp& FakeYtdlp::otherwise()
{
    m_current = 0;
    return *this;
}

FakeYtdlp& FakeYtdlp::out(const QString& text)
{
    if (fitsOnALine(text))
        return add(QStringLiteral("out ") + text);
    return outBytes(text.toUtf8() + '\n');
}

FakeYtdlp& FakeYtdlp::err(const QString& text)
{
    if (fitsOnALine(text))
        return add(QStringLiteral("err ") + text);
    return errBytes(text.toUtf8() + '\n');
}

FakeYtdlp& FakeYtdlp::outCr(const QString& text)
{
    if (fitsOnALine(text))
        return add(QStringLiteral("out-cr ") + text);
    return outBytes(text.toUtf8() + '\r');
}

FakeYtdlp& FakeYtdlp::outBytes(const QByteArray& bytes)
{
    if (bytes.size() > kInlineLimit)
        return add(QStringLiteral("out-file ") + dataFile(bytes));
    return add(QStringLiteral("out-b64 ") + QString::fromLatin1(bytes.toBase64()));
}

FakeYtdlp& FakeYtdlp::errBytes(const QByteArray& bytes)
{
    if (bytes.size() > kInlineLimit)
        return add(QStringLiteral("err-file ") + dataFile(bytes));
    return add(QStringLiteral("err-b64 ") + QString::fromLatin1(bytes.toBase64()));
}

FakeYtdlp& FakeYtdlp::outFile(const QString& file)
{
    return add(QStringLiteral("out-file ") + file);
}

FakeYtdlp& FakeYtdlp::errFile(const QString& file)
{
    return add(QStringLiteral("err-file ") + file);
}

FakeYtdlp& FakeYtdlp::printJsonToStdout(const QJsonObject& object)
{
    return add(QStringLiteral("out-file ") +
               dataFile(QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n'));
}

FakeYtdlp& FakeYtdlp::fillOut(qint64 bytes)
{
    return add(QStringLiteral("out-fill %1").arg(bytes));
}

FakeYtdlp& FakeYtdlp::fillErr(qint64 bytes)
{
    return add(QStringLiteral("err-fill %1").arg(bytes));
}

FakeYtdlp& FakeYtdlp::sleepMs(int ms)
{
    return add(QStringLiteral("sleep %1").arg(ms));
}

FakeYtdlp& FakeYtdlp::flush()
{
    return add(QStringLiteral("flush"));
}

FakeYtdlp& FakeYtdlp::exitWith(int code)
{
    return add(QStringLiteral("exit %1").arg(code));
}

FakeYtdlp& FakeYtdlp::writePidFile()
{
    return add(QStringLiteral("pidfile"));
}

FakeYtdlp& FakeYtdlp::onSigterm(const QString& mode)
{
    return add(QStringLiteral("on-sigterm ") + mode);
}

FakeYtdlp& FakeYtdlp::createFile(const QString& path, qint64 size)
{
    return add(QStringLiteral("create-file %1 %2").arg(size).arg(path));
}

FakeYtdlp& FakeYtdlp::answerVersion(const QString& version)
{
    const qsizetype previous = m_current;
    enter(QStringLiteral("@option --version"));
    m_sections[m_current].lines = {QStringLiteral("out ") + version, QStringLiteral("exit 0")};
    m_current = previous;
    writeScript();
    return *this;
}

QList<QStringList> FakeYtdlp::calls() const
{
    QList<QStringList> result;
    const QList<QByteArray> lines = readAll(callsPath()).split('\n');
    for (const QByteArray& l : lines) {
        if (l.isEmpty())
            continue;
        const QJsonDocument doc = QJsonDocument::fromJson(l);
        if (!doc.isArray()) {
            qWarning("FakeYtdlp: unreadable call record %s", l.constData());
            continue;
        }
        QStringList args;
        const QJsonArray array = doc.array();
        for (const QJsonValue& v : array)
            args.append(v.toString());
        result.append(args);
    }
    return result;
}

QStringList FakeYtdlp::lastArgs() const
{
    const QList<QStringList> all = calls();
    return all.isEmpty() ? QStringList() : all.last();
}

void FakeYtdlp::clearCalls()
{
    QFile::remove(callsPath());
}

std::optional<qint64> FakeYtdlp::pid() const
{
    bool ok = false;
    const qint64 value = readAll(pidPath()).trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QStringList FakeYtdlp::signalsReceived() const
{
    QStringList result;
    const QList<QByteArray> lines = readAll(signalsPath()).split('\n');
    for (const QByteArray& l : lines) {
        if (!l.isEmpty())
            result.append(QString::fromLatin1(l));
    }
    return result;
}
