// SPDX-License-Identifier: MIT
#include "board/u_FocusFrame.h"

#include <QEvent>
#include <QFocusEvent>
#include <QPainter>
#include <QWidget>

namespace {

// Lies over the watched widget, follows its size and takes no clicks; hidden until shown.
class TEdgeFrame : public QWidget {
public:
    explicit TEdgeFrame(QWidget* Watched)
        : QWidget(Watched)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
        Watched->installEventFilter(this);
    }

    void ShowOnTop()
    {
        // Raised each time: children made after the frame would cover it.
        setGeometry(parentWidget()->rect());
        raise();
        show();
    }

protected:
    bool eventFilter(QObject*, QEvent* Event) override
    {
        if (Event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }
};

// Shows while the watched widget has a focus reached by keyboard or given by the program; a mouse
// click leaves no frame, as on the cards.
class TFocusFrame : public TEdgeFrame {
public:
    using TEdgeFrame::TEdgeFrame;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(Event)->reason() != Qt::MouseFocusReason)
            ShowOnTop();
        else if (Event->type() == QEvent::FocusOut)
            hide();
        return TEdgeFrame::eventFilter(Watched, Event);
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter Painter(this);
        DrawFocusFrame(Painter, rect());
    }
};

class TOutline : public TEdgeFrame {
public:
    using TEdgeFrame::TEdgeFrame;

    void setColour(const QColor& Colour)
    {
        FColour = Colour;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter Painter(this);
        const int Half = EdgeFrameWidth / 2;
        Painter.setPen(QPen(FColour, EdgeFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        Painter.drawRect(rect().adjusted(Half, Half, -Half, -Half));
    }

private:
    QColor FColour;
};

} // namespace

void ShowFocusFrame(QWidget* Widget)
{
    new TFocusFrame(Widget);
}

// Black dashes on a white line, as long as the gaps between them: half the frame stands out from
// a light surface and half from a dark one.
void DrawFocusFrame(QPainter& Painter, const QRect& Area)
{
    const QRect Frame = Area.adjusted(1, 1, -2, -2);
    Painter.setPen(QPen(Qt::white, EdgeFrameWidth));
    Painter.drawRect(Frame);
    QPen Dashes(Qt::black, EdgeFrameWidth, Qt::CustomDashLine, Qt::FlatCap);
    Dashes.setDashPattern({2, 2});
    Painter.setPen(Dashes);
    Painter.drawRect(Frame);
}

void SetOutline(QWidget* Widget, const QColor& Colour)
{
    auto* Outline = static_cast<TOutline*>(Widget->findChild<QWidget*>(QStringLiteral("outline"), Qt::FindDirectChildrenOnly));
    if (!Colour.isValid()) {
        if (Outline)
            Outline->hide();
        return;
    }
    if (!Outline) {
        Outline = new TOutline(Widget);
        Outline->setObjectName(QStringLiteral("outline"));
    }
    Outline->setColour(Colour);
    Outline->ShowOnTop();
}
