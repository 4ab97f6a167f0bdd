#pragma once

#include <QString>
#include <QStringList>

class QFormLayout;
class QLabel;
class QWidget;

namespace reelcatch::SettingsWidgets {

// The pieces the settings window's sections are built from.

// Text in the secondary colour, shown as plain text.
QLabel* secondaryLabel(const QString& text, QWidget* parent);
// A wrapping note a step smaller than the window's text.
QLabel* captionLabel(const QString& text, QWidget* parent);
// A labelled value, trailing like the values of a settings form.
QLabel* valueLabel(const QString& name, QWidget* parent);
// A section's form: labels left, fields growing.
QFormLayout* formLayout(QWidget* parent);
// A small indeterminate progress indicator, running while shown.
QWidget* busySpinner(QWidget* parent);

// The codes of the languages most people speak and watch in, ordered by their
// names (see languageName()).
QStringList commonLanguages();
// A language's name in that language ("Deutsch"), capitalised; the code
// itself when Qt does not know it.
QString languageName(const QString& code);

} // namespace reelcatch::SettingsWidgets
