#pragma once

#include "model/Preset.h"

#include <QFrame>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QShortcut;
class QToolButton;

namespace reelcatch {

class AppModel;
class BusyIndicator;
class FolderChooser;

// The rounded field around the input line: a text-background fill with a
// thin separator-coloured outline.
class InputBox : public QFrame {
    Q_OBJECT
public:
    explicit InputBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The top row of the main window: the input with its link icon and trailing
// spinner or clear button, the Fetch button, the preset picker and the
// download folder button.
class HeaderBar : public QWidget {
    Q_OBJECT
public:
    HeaderBar(AppModel& model, FolderChooser& chooser, QWidget* parent = nullptr);

    // The preset chosen in the picker (stored under `preset`).
    Preset preset() const;

    QLineEdit* input() const { return m_input; }
    QPushButton* fetchButton() const { return m_fetch; }
    QComboBox* presetPicker() const { return m_picker; }
    QPushButton* folderButton() const { return m_folder; }
    BusyIndicator* spinner() const { return m_spinner; }

    // The input without spaces and tabs at either end (line breaks stay).
    static QString trimmedOfSpaces(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildPicker();
    void showStoredPreset();
    void storePreset();
    void clear();
    void refresh();
    void refreshIcons();
    // Wide enough for Fetch and Stop alike, so the field beside it keeps still.
    void fitFetchButton();

    AppModel& m_model;
    FolderChooser& m_chooser;
    InputBox* m_box = nullptr;
    QLabel* m_linkIcon = nullptr;
    QLineEdit* m_input = nullptr;
    BusyIndicator* m_spinner = nullptr;
    QToolButton* m_clear = nullptr;
    QPushButton* m_fetch = nullptr;
    QComboBox* m_picker = nullptr;
    QPushButton* m_folder = nullptr;
    QShortcut* m_stop = nullptr;
};

} // namespace reelcatch
