// SPDX-License-Identifier: MIT
#include "windows/u_PrintCommands.h"

#include "state/u_SaveFile.h"
#include "windows/u_GameFileCommands.h"
#include "windows/u_PriceLists.h"
#include "windows/u_WindowFrame.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

TPrintCommands::TPrintCommands(QWidget* Window, const TGame& Game)
    : QObject(Window)
    , FWindow(Window)
    , FGame(Game)
{
    actPrint = AddWindowAction(Window, "actPrint", QStringLiteral("Print price lists…"), {QKeySequence(Qt::CTRL | Qt::Key_P)});
    connect(actPrint, &QAction::triggered, this, &TPrintCommands::Print);
    actExport = AddWindowAction(Window, "actExportPdf", QStringLiteral("Export as PDF…"));
    connect(actExport, &QAction::triggered, this, &TPrintCommands::ExportPdf);
}

void TPrintCommands::Print()
{
    QPrinter Printer(QPrinter::HighResolution);
    Printer.setPageSize(LocalPageSize());
    Printer.setDocName(QStringLiteral("Price lists"));
    QPrintPreviewDialog Preview(&Printer, FWindow);
    Preview.setObjectName(QStringLiteral("dlgPrintPreview"));
    connect(&Preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* Target) { PaintPriceLists(*Target, FGame); });
    Preview.exec();
}

void TPrintCommands::ExportPdf()
{
    const QString Path = QFileDialog::getSaveFileName(FWindow, QStringLiteral("Export as PDF"),
                                                      SuggestedFileName(QStringLiteral("Price lists"), QStringLiteral("pdf")),
                                                      QStringLiteral("PDF documents (*.pdf);;All files (*)"));
    if (Path.isEmpty())
        return;
    if (!SaveFileWhole(Path, PriceListsPdf(FGame, LocalPageSize())))
        QMessageBox::warning(FWindow, QStringLiteral("Export as PDF"),
                             QStringLiteral("The price lists could not be saved to “%1”.").arg(QDir::toNativeSeparators(Path)));
}
