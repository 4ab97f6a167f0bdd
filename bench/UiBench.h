#pragma once

// The windows' measurements and what they share: a timer of a widget's paint
// events, a network manager that counts the requests made through it and
// answers them from the loopback server, and the images it answers with.
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QRegion>
#include <QUrl>

#include <functional>

class QWidget;

// The results list of the real main window (offscreen) after a lookup of
// `count` entries through the fake yt-dlp: the time from the results'
// publishing to the list's first paint, every frame while paging through it
// with PageDown, and the thumbnail requests that paging started. Builds its
// own QApplication: the arguments are those after the mode's name
// (COUNT [ANSWER_FILE [PAUSE_MS [PAGING]]]): PAUSE_MS, an idle time after
// each page step; PAGING "0", the first paint alone.
int resultsViewBench(int argc, char** argv);
// "Choose Format…" answered with COUNT formats by the fake yt-dlp (offscreen):
// the parsed list's hand-back to the end of both lists' first paint, medians
// of ROUNDS dialogs after a warm-up one. Builds its own QApplication; the
// arguments are those after the mode's name (COUNT [ROUNDS]).
int formatDialogBench(int argc, char** argv);
// `runs` starts of the real `reelcatch` binary and of a bare Qt widget
// program, alternately: exec to the end of the first paint.
int startupBench(int runs);

namespace Bench {

// Times every paint event `widget` receives, from before its delivery to
// after the widget has painted: onPainted gets both times (nowNs()) and the
// calling thread's CPU time spent in between.
class PaintTimer : public QObject {
public:
    explicit PaintTimer(QWidget* widget);
    std::function<void(qint64 startNs, qint64 endNs, qint64 cpuNs)> onPainted;
    // The region the last paint event asked for.
    QRegion lastRegion;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_widget;
    bool m_inside = false;
};

// Every request is counted, under the address it was made for, and sent to
// `answerer` instead (a route of the loopback HttpServer): nothing leaves
// the machine whatever the address.
class CountingNetwork : public QNetworkAccessManager {
public:
    explicit CountingNetwork(const QUrl& answerer, QObject* parent = nullptr);
    const QList<QUrl>& requested() const { return m_requested; }
    void clear() { m_requested.clear(); }

protected:
    QNetworkReply* createRequest(Operation op, const QNetworkRequest& request,
                                 QIODevice* outgoingData) override;

private:
    QUrl m_answerer;
    QList<QUrl> m_requested;
};

// A 320×180 JPEG of a few kilobytes, the size of a site's "mqdefault" image.
QByteArray thumbnailJpeg();

} // namespace Bench
