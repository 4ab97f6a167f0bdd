#include "ui/OneLineLabel.h"

#include "ui/PlainText.h"

#include <QPainter>
#include <QStyle>

namespace reelcatch {

OneLineLabel::OneLineLabel(QWidget* parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
}

QSize OneLineLabel::minimumSizeHint() const
{
    return {0, fontMetrics().height()};
}

void OneLineLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    setToolTip(shown == text() ? QString() : plainToolTip(text()));
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

} // namespace reelcatch
