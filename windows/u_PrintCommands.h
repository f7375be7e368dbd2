// SPDX-License-Identifier: MIT
#pragma once
// The price lists on paper: "Print price lists…" shows them in a print preview, from which they
// are printed; "Export as PDF…" writes them to a PDF file the user picks, whole or not at all.

#include <QObject>

class QAction;
class QPrinter;
class QWidget;
class TGame;

class TPrintCommands : public QObject {
    Q_OBJECT
public:
    // Window: where the shortcut works and the dialogs open.
    TPrintCommands(QWidget* Window, const TGame& Game);

    QAction* PrintAction() const { return actPrint; }
    QAction* ExportAction() const { return actExport; }

private:
    void Print();
    void ExportPdf();

    QWidget* FWindow;
    const TGame& FGame;
    QAction* actPrint = nullptr;
    QAction* actExport = nullptr;
};
