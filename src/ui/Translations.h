#pragma once

#include <QLocale>
#include <QObject>

#include <memory>

namespace reelcatch {

// The texts in the user's language: Reelcatch's own translations are built
// in (":/i18n/reelcatch_<lang>.qm"), Qt's are read from its translations
// folder where the system has them.
namespace Translations {

// Installs on the application Reelcatch's translation for the first of
// `locale`'s languages that has one, with Qt's own for that language if
// present, or else the English one (its plural forms are needed). They stay
// installed while the returned object lives.
std::unique_ptr<QObject> install(const QLocale& locale);

} // namespace Translations

} // namespace reelcatch
