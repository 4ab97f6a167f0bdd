// Reelcatch: the desktop front-end for yt-dlp.
//
// Until the full main window exists, this shows a minimal lookup window over
// the app model: type a link or search words, press Return, see what is there.
#include "AppModel.h"
#include "Engine.h"
#include "Installer.h"
#include "Prefs.h"
#include "SystemClipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Reelcatch"));
    QApplication::setApplicationName(QStringLiteral("Reelcatch"));

    Engine engine(EngineConfig::forUser());
    Installer installer(engine, InstallerConfig::fromEnvironment());
    std::unique_ptr<Prefs> prefs = Prefs::forUser();
    SystemClipboard clipboard(QApplication::clipboard());
    AppModel model(engine, *prefs, installer, Platform{&clipboard, nullptr, nullptr});
    model.startEngineCheck();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Reelcatch"));
    window.resize(900, 720);
    window.setMinimumSize(760, 560);
    auto* layout = new QVBoxLayout(&window);
    auto* input = new QLineEdit(&window);
    input->setPlaceholderText(QStringLiteral("Paste a YouTube link, or type to search"));
    auto* fetch = new QPushButton(QStringLiteral("Fetch"), &window);
    auto* note = new QLabel(&window);
    auto* heading = new QLabel(&window);
    auto* error = new QLabel(&window);
    error->setStyleSheet(QStringLiteral("color: #c0392b"));
    auto* list = new QListWidget(&window);
    layout->addWidget(note);
    layout->addWidget(input);
    layout->addWidget(fetch);
    layout->addWidget(heading);
    layout->addWidget(error);
    layout->addWidget(list, 1);

    QObject::connect(input, &QLineEdit::textChanged, &model, &AppModel::setInput);
    QObject::connect(input, &QLineEdit::returnPressed, &model, &AppModel::fetch);
    QObject::connect(fetch, &QPushButton::clicked, &model, &AppModel::fetch);
    QObject::connect(&model, &AppModel::changed, &window, [&] {
        fetch->setEnabled(!model.isFetching() && !model.input().trimmed().isEmpty());
        fetch->setText(model.isFetching() ? QStringLiteral("Looking it up\u2026")
                                          : QStringLiteral("Fetch"));
        note->setText(model.engineNote().value_or(QString()));
        heading->setText(model.resultsTitle());
        error->setText(model.fetchError().value_or(QString()));
    });
    QObject::connect(&model, &AppModel::resultsChanged, &window, [&] {
        list->clear();
        for (const VideoItem& item : model.results())
            list->addItem(item.channel().isEmpty()
                              ? item.title()
                              : item.title() + QStringLiteral(" \u00B7 ") + item.channel());
    });
    // A YouTube link copied elsewhere is picked up on coming back.
    QObject::connect(&app, &QGuiApplication::applicationStateChanged, &model,
                     [&model](Qt::ApplicationState state) {
                         if (state == Qt::ApplicationActive)
                             model.checkPasteboard();
                     });
    fetch->setEnabled(false);
    input->setFocus();
    window.show();
    return app.exec();
}
