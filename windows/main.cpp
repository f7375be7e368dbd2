// SPDX-License-Identifier: MIT
#include "state/u_StateFile.h"
#include "windows/u_CommandLine.h"
#include "windows/u_OneCopy.h"
#include "windows/u_frmBonus.h"
#include "windows/u_frmInfo.h"
#include "windows/u_frmMain.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace {

// The pictures the desktop entry's icon is installed with, up to 48 pixels, built into the
// program. Looked up in the icon theme instead, it would cost the start every image plugin there is.
QIcon ProgramIcon()
{
    QIcon Icon;
    for (const int Size : {16, 32, 48}) {
        QImageReader Reader(QStringLiteral(":/icons/hicolor/%1x%1/apps/" QUORVANE_APP_ID ".png").arg(Size), "png");
        // Told the format, a reader still asks every image plugin whether it reads it better.
        Reader.setAutoDetectImageFormat(false);
        Icon.addPixmap(QPixmap::fromImageReader(&Reader));
    }
    return Icon;
}

} // namespace

int main(int argc, char* argv[])
{
    // --help and --version are answered before the application object, which needs a display.
    const QStringList Raw = RawArguments(argc, argv);
    TCommandLine Line = ParseCommandLine(Raw);
    // So are mistakes, unless an option of the toolkit's is among them.
    if (Line.What != TCommandLine::Kind::Mistake || !NamesToolkitOption(Raw))
        if (const int Status = AnswerCommandLine(Line); Status >= 0)
            return Status;
    QApplication Application(argc, argv);
    // Qt's own options (-style, -session ...) are gone from the arguments by now.
    if (Line.What == TCommandLine::Kind::Mistake)
        Line = ParseCommandLine(QApplication::arguments());
    if (const int Status = AnswerCommandLine(Line); Status >= 0)
        return Status;
    if (!Line.Documents.isEmpty())
        UseDocumentsFolder(Line.Documents);
    // Ties the windows to the desktop entry and its icon in docks and task switchers.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVANE_APP_ID));
    QApplication::setWindowIcon(ProgramIcon());
    // Before anything reads or writes the game: a start while a copy runs on the same state
    // folder brings that copy to the front, hands it the file to open, and ends here.
    TOneCopy OneCopy(StateFolder(), Line.File);
    if (OneCopy.OtherCopyRuns())
        return 0;
    // One style everywhere, so that the boards are measured as the tests measure them.
    QApplication::setStyle(QStringLiteral("Fusion"));
    TfrmMain frmMain;
    TfrmInfo frmInfo;
    TfrmBonus frmBonus;
    frmMain.UseWindows(frmInfo, frmBonus);
    OneCopy.setWindow(&frmMain);
    QObject::connect(&OneCopy, &TOneCopy::FileHanded, &frmMain, &TfrmMain::OpenGameFile);
    if (!Line.File.isEmpty())
        frmMain.OpenGameFile(Line.File);
    return QApplication::exec();
}
