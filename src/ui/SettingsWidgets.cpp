#include "ui/SettingsWidgets.h"

#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace reelcatch::SettingsWidgets {

namespace {

// A small indeterminate progress indicator: ticks around a circle, the
// brightest one running round while the widget is shown.
class BusySpinner : public QWidget {
public:
    explicit BusySpinner(QWidget* parent) : QWidget(parent)
    {
        setFixedSize(16, 16);
        m_timer.setInterval(80);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_step = (m_step + 1) % ticks;
            update();
        });
    }

protected:
    void showEvent(QShowEvent*) override { m_timer.start(); }
    void hideEvent(QHideEvent*) override { m_timer.stop(); }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(width() / 2.0, height() / 2.0);
        const double radius = std::min(width(), height()) / 2.0;
        QPen pen;
        pen.setWidthF(radius * 0.24);
        pen.setCapStyle(Qt::RoundCap);
        for (int i = 0; i < ticks; ++i) {
            // The tick at the current step is opaque; those behind it fade.
            const int behind = (m_step - i + ticks) % ticks;
            QColor colour = palette().color(QPalette::WindowText);
            colour.setAlphaF(float(1.0 - 0.8 * behind / ticks));
            pen.setColor(colour);
            painter.setPen(pen);
            painter.save();
            painter.rotate(360.0 * i / ticks);
            painter.drawLine(QPointF(0, -radius * 0.45), QPointF(0, -radius * 0.85));
            painter.restore();
        }
    }

private:
    static constexpr int ticks = 8;
    QTimer m_timer;
    int m_step = 0;
};

// A form whose rows are worked out afresh whenever its width changes.
// QFormLayout keeps the row heights of the last width it was asked about and,
// laid out at its own preferred width, uses them even when they were worked out
// for another width (a scroll bar coming or going asks about both): a wrapped
// note then gets the height of fewer lines than it shows.
class Form : public QFormLayout {
public:
    using QFormLayout::QFormLayout;

    void setGeometry(const QRect& rect) override
    {
        // Only on a new width: each time would lay the window out on and on.
        if (rect.width() != m_width) {
            m_width = rect.width();
            invalidate();
        }
        QFormLayout::setGeometry(rect);
    }

private:
    int m_width = -1;
};

// The caption font: a step smaller than the window's own.
QFont captionFont(QFont font)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(std::max(7.0, font.pointSizeF() * 0.9));
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(9, int(font.pixelSize() * 0.9)));
    return font;
}

} // namespace

QLabel* secondaryLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QLabel* captionLabel(const QString& text, QWidget* parent)
{
    QLabel* label = secondaryLabel(text, parent);
    label->setFont(captionFont(label->font()));
    label->setWordWrap(true);
    return label;
}

QLabel* valueLabel(const QString& name, QWidget* parent)
{
    QLabel* label = secondaryLabel(QString(), parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QFormLayout* formLayout(QWidget* parent)
{
    auto* form = new Form(parent);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setFormAlignment(Qt::AlignLeft | Qt::AlignTop);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    form->setContentsMargins(12, 6, 12, 8);
    form->setVerticalSpacing(6);
    return form;
}

QWidget* busySpinner(QWidget* parent)
{
    return new BusySpinner(parent);
}

namespace {

// The languages most people speak and watch in, each by its own name (Qt's
// names name a country's variant: "American English").
const std::pair<const char16_t*, const char16_t*> knownLanguages[] = {{u"en", u"English"},
                                                                      {u"zh", u"中文"},
                                                                      {u"hi", u"हिन्दी"},
                                                                      {u"es", u"Español"},
                                                                      {u"ar", u"العربية"},
                                                                      {u"fr", u"Français"},
                                                                      {u"bn", u"বাংলা"},
                                                                      {u"pt", u"Português"},
                                                                      {u"ru", u"Русский"},
                                                                      {u"ur", u"اردو"},
                                                                      {u"id", u"Bahasa Indonesia"},
                                                                      {u"de", u"Deutsch"},
                                                                      {u"ja", u"日本語"},
                                                                      {u"tr", u"Türkçe"},
                                                                      {u"ko", u"한국어"},
                                                                      {u"vi", u"Tiếng Việt"},
                                                                      {u"it", u"Italiano"},
                                                                      {u"fa", u"فارسی"},
                                                                      {u"pl", u"Polski"},
                                                                      {u"uk", u"Українська"},
                                                                      {u"nl", u"Nederlands"},
                                                                      {u"th", u"ไทย"},
                                                                      {u"ro", u"Română"},
                                                                      {u"el", u"Ελληνικά"},
                                                                      {u"cs", u"Čeština"},
                                                                      {u"sv", u"Svenska"},
                                                                      {u"hu", u"Magyar"},
                                                                      {u"he", u"עברית"}};

} // namespace

QStringList commonLanguages()
{
    QStringList codes;
    for (const auto& [code, name] : knownLanguages)
        codes << QString::fromUtf16(code);
    std::sort(codes.begin(), codes.end(), [](const QString& a, const QString& b) {
        return QString::localeAwareCompare(languageName(a), languageName(b)) < 0;
    });
    return codes;
}

QString languageName(const QString& code)
{
    for (const auto& [known, name] : knownLanguages)
        if (code == QStringView(known))
            return QString::fromUtf16(name);
    const QLocale::Language language = QLocale::codeToLanguage(code);
    QString name = language == QLocale::AnyLanguage || language == QLocale::C
                       ? QString()
                       : QLocale(language).nativeLanguageName();
    if (name.isEmpty())
        return code;
    name[0] = name[0].toUpper();
    return name;
}

} // namespace reelcatch::SettingsWidgets
