#pragma once

#include <QString>

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

} // namespace reelcatch::SettingsWidgets
