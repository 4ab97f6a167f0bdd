// The settings window's file names (in its "Saving" section) and its
// "Network" section: the controls, what they write, and how they are read back.
#include "appmodel/AppModel.h"
#include "model/FileNaming.h"
#include "model/Network.h"
#include "model/Prefs.h"
#include "ui/Appearance.h"
#include "ui/SettingsWidgets.h"
#include "ui/SettingsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace reelcatch {

using namespace SettingsWidgets;

namespace {

// A line of the form that tells what is wrong with the field above it.
QLabel* problemLabel(const QString& name, QWidget* parent)
{
    QLabel* label = captionLabel(QString(), parent);
    label->setObjectName(name);
    label->setForegroundRole(QPalette::WindowText);
    label->hide();
    return label;
}

void showProblem(QLabel* label, QLineEdit* field, const std::optional<QString>& problem)
{
    label->setText(problem.value_or(QString()));
    Appearance::setTextColor(label, Appearance::red()); // in the palette of the moment
    label->setVisible(problem.has_value());
    field->setAccessibleDescription(problem.value_or(QString()));
}

} // namespace

void SettingsWindow::addNamingRows(QFormLayout* form, QWidget* group)
{
    m_nameStyle = new QComboBox(group);
    m_nameStyle->setObjectName(QStringLiteral("nameStyle"));
    m_nameStyle->setAccessibleName(tr("File names"));
    m_nameStyle->setAccessibleDescription(tr("How downloaded files are named"));
    m_nameStyle->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_nameStyle->setMinimumContentsLength(24);
    for (const FileNaming::Style style : FileNaming::styles)
        m_nameStyle->addItem(FileNaming::label(style), FileNaming::storedName(style));
    connect(m_nameStyle, &QComboBox::activated, this, [this] {
        m_prefs.setValue(PrefKey::nameStyle, m_nameStyle->currentData().toString());
        if (m_nameStyle->currentData() == FileNaming::storedName(FileNaming::Style::custom))
            m_nameCustom->setFocus(Qt::OtherFocusReason);
    });
    form->addRow(tr("File names"), m_nameStyle);

    // The user's own template, stored only once yt-dlp can use it.
    m_nameCustom = new QLineEdit(group);
    m_nameCustom->setObjectName(QStringLiteral("nameCustom"));
    m_nameCustom->setAccessibleName(tr("Name template"));
    m_nameCustom->setPlaceholderText(QStringLiteral("%(uploader)s/%(title)s [%(id)s]"));
    connect(m_nameCustom, &QLineEdit::textEdited, this, [this](const QString& text) {
        const std::optional<QString> problem =
            FileNaming::problem(FileNaming::pattern(FileNaming::Style::custom, text));
        showProblem(m_nameProblem, m_nameCustom, problem);
        if (!problem)
            m_prefs.setValue(PrefKey::nameCustom, text);
        refreshNaming();
    });
    form->addRow(m_nameCustom);
    m_nameProblem = problemLabel(QStringLiteral("nameProblem"), group);
    form->addRow(m_nameProblem);
    m_namePreview = secondaryLabel(QString(), group);
    m_namePreview->setObjectName(QStringLiteral("namePreview"));
    m_namePreview->setWordWrap(true);
    form->addRow(m_namePreview);

    form->addRow(addToggle(tr("Put each playlist in a folder of its own, numbered"),
                           PrefKey::playlistFolders));

    connect(&m_model.lookup(), &Lookup::resultsChanged, this, &SettingsWindow::refreshNaming);
    connect(&m_model.lookup(), &Lookup::resultsAdded, this, [this](int first) {
        if (first == 0)
            refreshNaming();
    });
}

QWidget* SettingsWindow::buildNetwork()
{
    auto* group = new QGroupBox(tr("Network"));
    QFormLayout* form = formLayout(group);

    m_proxy = new QLineEdit(group);
    m_proxy->setObjectName(QStringLiteral("proxy"));
    m_proxy->setAccessibleName(tr("Proxy"));
    m_proxy->setPlaceholderText(tr("None, or socks5://host:port"));
    m_proxy->setClearButtonEnabled(true);
    connect(m_proxy, &QLineEdit::textEdited, this, [this](const QString& text) {
        const std::optional<QString> problem = Network::proxyProblem(text);
        showProblem(m_proxyProblem, m_proxy, problem);
        if (problem)
            return;
        if (text.trimmed().isEmpty())
            m_prefs.remove(PrefKey::proxy);
        else
            m_prefs.setValue(PrefKey::proxy, text.trimmed());
    });
    form->addRow(tr("Proxy"), m_proxy);
    m_proxyProblem = problemLabel(QStringLiteral("proxyProblem"), group);
    form->addRow(m_proxyProblem);

    m_rateLimit = new QSpinBox(group);
    m_rateLimit->setObjectName(QStringLiteral("rateLimit"));
    m_rateLimit->setRange(0, PrefKey::maxRateLimit);
    m_rateLimit->setSuffix(tr(" MB/s"));
    m_rateLimit->setSpecialValueText(tr("No limit"));
    m_rateLimit->setAccessibleName(tr("Limit each download to, in MB/s"));
    connect(m_rateLimit, &QSpinBox::valueChanged, this,
            [this](int mb) { m_prefs.setValue(PrefKey::rateLimit, mb); });
    form->addRow(tr("Limit each download to"), m_rateLimit);
    form->addRow(captionLabel(tr("Lookups and downloads go through the proxy; the limit holds for "
                                 "each download on its own."),
                              group));
    return group;
}

void SettingsWindow::refreshNaming()
{
    const FileNaming::Style style = FileNaming::styleNamed(m_prefs.value(PrefKey::nameStyle));
    {
        const QSignalBlocker quiet(m_nameStyle);
        m_nameStyle->setCurrentIndex(m_nameStyle->findData(FileNaming::storedName(style)));
    }
    // A template being typed with a fault in it stays as typed.
    if (m_nameProblem->text().isEmpty() && !m_nameCustom->hasFocus())
        m_nameCustom->setText(m_prefs.value(PrefKey::nameCustom));
    const bool custom = style == FileNaming::Style::custom;
    m_nameCustom->setVisible(custom);
    m_nameProblem->setVisible(custom && !m_nameProblem->text().isEmpty());
    m_namePreview->setVisible(custom);

    // The first listed video, else one to show the names with.
    FileNaming::Sample sample{QStringLiteral("Big Buck Bunny"),
                              QStringLiteral("aqz-KE-bpKQ"),
                              QStringLiteral("Blender"),
                              596.0,
                              QString(),
                              std::nullopt};
    const Lookup& lookup = m_model.lookup();
    if (!lookup.results().isEmpty()) {
        const VideoItem& first = lookup.results().constFirst();
        sample = {first.title(),    first.id(),  first.channel(),
                  first.duration(), first.url(), lookup.placeOf(0)};
    }
    const bool folders = m_prefs.value(PrefKey::playlistFolders);
    for (int i = 0; i < m_nameStyle->count(); ++i) {
        const FileNaming::Style each = FileNaming::styles[i];
        const QString example =
            each == FileNaming::Style::custom
                ? QString()
                : QStringLiteral("  \u2014  ") +
                      FileNaming::preview(FileNaming::pattern(each, {}), folders, sample);
        m_nameStyle->setItemText(i, FileNaming::label(each) + example);
    }
    const QString pattern = FileNaming::pattern(style, m_nameCustom->text());
    const bool usable = !custom || !FileNaming::problem(pattern);
    m_namePreview->setVisible(custom && usable && !m_nameCustom->text().trimmed().isEmpty());
    if (m_namePreview->isVisibleTo(this))
        m_namePreview->setText(
            tr("For example: %1").arg(FileNaming::preview(pattern, folders, sample)));
}

void SettingsWindow::refreshNetwork()
{
    if (m_proxyProblem->text().isEmpty() && !m_proxy->hasFocus())
        m_proxy->setText(m_prefs.value(PrefKey::proxy));
    const QSignalBlocker quiet(m_rateLimit);
    m_rateLimit->setValue(m_prefs.value(PrefKey::rateLimit));
}

} // namespace reelcatch
