#include "windows/u_frmBonus.h"
#include "windows/u_frmInfo.h"
#include "windows/u_frmMain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication Application(argc, argv);
    // Ties the windows to the desktop entry and its icon in docks and task switchers.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVANE_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(QUORVANE_APP_ID)));
    // One style everywhere, so that the boards are measured as the tests measure them.
    QApplication::setStyle(QStringLiteral("Fusion"));
    TfrmMain frmMain;
    TfrmInfo frmInfo;
    TfrmBonus frmBonus(frmMain);
    frmMain.UseWindows(frmInfo, frmBonus);
    return QApplication::exec();
}
