#include "ui/Translations.h"

#include "ui/UiLog.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace reelcatch::Translations {

namespace {

bool add(QObject* owner, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(owner);
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

std::unique_ptr<QObject> install(const QLocale& locale)
{
    auto owner = std::make_unique<QObject>();
    const QString builtIn = QStringLiteral(":/i18n");
    if (add(owner.get(), locale, QStringLiteral("reelcatch"), builtIn)) {
        // Qt's own dialogs and buttons in the same language, where the system has them.
        add(owner.get(), locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    } else {
        qCDebug(lcUi) << "no translation for" << locale.uiLanguages() << "- English it is";
        add(owner.get(), QLocale(QLocale::English), QStringLiteral("reelcatch"), builtIn);
    }
    return owner;
}

} // namespace reelcatch::Translations
