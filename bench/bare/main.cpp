// The smallest Qt widget program, for comparing start-up times with: a
// QApplication and one window of the main window's default size. The first
// paint is reported by the same probe (LD_PRELOAD) as Reelcatch's own.
//
// With "--text", the window is a label with a line of text instead: the
// smallest program that draws text, and so loads the system's fonts.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (QApplication::arguments().contains(QStringLiteral("--text")))
        window = std::make_unique<QLabel>(QStringLiteral("Paste a link to get started"));
    else
        window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Bare"));
    window->resize(900, 720);
    window->show();
    return app.exec();
}
