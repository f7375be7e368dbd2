#include "state/u_StateFile.h"
#include "windows/u_frmBonus.h"
#include "windows/u_frmInfo.h"
#include "windows/u_frmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication Application(argc, argv);
    UseDocumentsOption(QApplication::arguments());
    // One style everywhere, so that the boards are measured as the tests measure them.
    QApplication::setStyle(QStringLiteral("Fusion"));
    TfrmMain frmMain;
    TfrmInfo frmInfo;
    TfrmBonus frmBonus(frmMain);
    frmMain.UseWindows(frmInfo, frmBonus);
    return QApplication::exec();
}
