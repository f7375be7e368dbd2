// SPDX-License-Identifier: MIT
#include "windows/u_ZoomCommands.h"

#include "windows/u_WindowFrame.h"
#include "windows/u_Zoom.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

#include <functional>

namespace {

QString ZoomText(const QString& Command, int Percent)
{
    return Percent > 0 ? Command + QStringLiteral(" to ") + QString::number(Percent) + QStringLiteral(" %") : Command;
}

} // namespace

TZoomCommands::TZoomCommands(QWidget* Window, TZoom& Zoom)
    : QObject(Window)
    , FZoom(Zoom)
{
    // "+" is a shifted key on many keyboards, so Ctrl+= zooms in too, as in browsers.
    actZoomIn = AddWindowAction(Window, "actZoomIn", QString(),
                                {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
                                 QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus)});
    actZoomOut = AddWindowAction(Window, "actZoomOut", QString(),
                                 {QKeySequence(Qt::CTRL | Qt::Key_Minus), QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)});
    actZoomReset = AddWindowAction(Window, "actZoomReset", QStringLiteral("Actual size"), {QKeySequence(Qt::CTRL | Qt::Key_0)});
    // Not under a modal window, whose layout the zoom would change under the user's hands.
    const auto ZoomWith = [this](QAction* Action, std::function<int()> Target) {
        connect(Action, &QAction::triggered, this, [this, Target] {
            if (!QApplication::activeModalWidget())
                FZoom.ZoomTo(Target());
        });
    };
    ZoomWith(actZoomIn, [this] { return FZoom.Larger(); });
    ZoomWith(actZoomOut, [this] { return FZoom.Smaller(); });
    ZoomWith(actZoomReset, [] { return 100; });
    connect(&Zoom, &TZoom::Changed, this, &TZoomCommands::ShowZoom);
    ShowZoom();
}

void TZoomCommands::ShowZoom()
{
    actZoomIn->setText(ZoomText(QStringLiteral("Zoom in"), FZoom.Larger()));
    actZoomIn->setEnabled(FZoom.Larger() > 0);
    actZoomOut->setText(ZoomText(QStringLiteral("Zoom out"), FZoom.Smaller()));
    actZoomOut->setEnabled(FZoom.Smaller() > 0);
    actZoomReset->setEnabled(FZoom.Percent() != 100);
}
