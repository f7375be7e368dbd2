// SPDX-License-Identifier: MIT
#include "board/u_FocusFrame.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace {

// Lies over the watched widget, takes no clicks, and shows only while the widget has the focus.
class TFocusFrame : public QWidget {
public:
    explicit TFocusFrame(QWidget* Watched)
        : QWidget(Watched)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
        Watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* Event) override
    {
        switch (Event->type()) {
        case QEvent::FocusIn:
            // Raised each time: children made after the frame would cover it.
            setGeometry(parentWidget()->rect());
            raise();
            show();
            break;
        case QEvent::FocusOut:
            hide();
            break;
        case QEvent::Resize:
            setGeometry(parentWidget()->rect());
            break;
        default:
            break;
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter Painter(this);
        DrawFocusFrame(Painter, rect());
    }
};

} // namespace

void ShowFocusFrame(QWidget* Widget)
{
    new TFocusFrame(Widget);
}

void DrawFocusFrame(QPainter& Painter, const QRect& Area)
{
    const QRect Frame = Area.adjusted(1, 1, -2, -2);
    Painter.setPen(QPen(Qt::white, 2));
    Painter.drawRect(Frame);
    Painter.setPen(QPen(Qt::black, 2, Qt::DotLine));
    Painter.drawRect(Frame);
}
