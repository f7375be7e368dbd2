// SPDX-License-Identifier: MIT
// The program's windows driven by a fixed script of user actions, as a separate process that
// tests and the crash benchmark can kill at any moment.
//
//   session_driver play STEPS PAUSE_MS   starts as the program does, makes STEPS changes through
//                                        the real buttons, PAUSE_MS apart, then closes in order.
//                                        After each change: "step K <what> <game digest>".
//   session_driver show                  starts as the program does and prints "game <digest>"
//                                        of what the start restored, then ends without closing.
//   Either takes the program's "--documents FOLDER" after the others.
//
// The digest is a hash of the game as the state file keeps it, so equal games print equal digests.

#include "board/u_CardButton.h"
#include "ledger/u_TPlayer.h"
#include "state/u_GameStore.h"
#include "state/u_StateFile.h"
#include "windows/u_frmBonus.h"
#include "windows/u_frmInfo.h"
#include "windows/u_frmMain.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

#include <cstdio>

namespace {

QByteArray Digest(const TfrmMain& Main)
{
    const bool Lock = Main.findChild<QPushButton*>(QStringLiteral("btnLock"))->isChecked();
    const QByteArray Text = StateText(SavedGame(Main.Players(), Lock));
    return QCryptographicHash::hash(Text, QCryptographicHash::Sha1).toHex();
}

void Click(TfrmMain& Main, const char* Name)
{
    QTest::mouseClick(Main.findChild<QPushButton*>(QLatin1String(Name)), Qt::LeftButton);
}

// The cheapest card the current player can buy now; 0 when none is left.
int CheapestCard(TfrmMain& Main)
{
    const TPlayer& Player = *Main.CurrentPlayer();
    auto* Box = Main.findChild<QScrollArea*>(QStringLiteral("scbPlay") + QString::number(Player.Player()));
    for (int Position = 1; Position <= CardCount; ++Position) {
        const int Card = Player.CardAt(Position);
        auto* Button = Box->findChild<TCardButton*>(QStringLiteral("card_") + QString::number(Card));
        if (Player.Card_state(Card) == CardState::Available && Button->isEnabled()) {
            QTest::mouseClick(Button, Qt::LeftButton);
            return Card;
        }
    }
    return 0;
}

// Step K of the script: mostly purchases, now and then a new player or the lock.
QByteArray Step(TfrmMain& Main, int K)
{
    if (K % 5 == 0) {
        Click(Main, "btnAdd");
        return "add";
    }
    if (K % 7 == 3) {
        Click(Main, "btnLock");
        return "lock";
    }
    const int Card = CheapestCard(Main);
    Click(Main, "btnBuyConfirm");
    return "card " + QByteArray::number(Card);
}

int Play(TfrmMain& Main, int Steps, int PauseMs)
{
    for (int K = 1; K <= Steps; ++K) {
        const QByteArray What = Step(Main, K);
        // A step is told once the recovery file holds it: whoever kills the driver then knows
        // what the next start must find.
        Main.Store().Flush();
        std::printf("step %d %s %s\n", K, What.constData(), Digest(Main).constData());
        std::fflush(stdout);
        QTest::qWait(PauseMs);
    }
    Main.close();
    std::printf("closed\n");
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication Application(argc, argv);
    UseDocumentsOption(QApplication::arguments());
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QByteArray Mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    TfrmMain frmMain;
    TfrmInfo frmInfo;
    TfrmBonus frmBonus;
    frmMain.UseWindows(frmInfo, frmBonus);
    if (Mode == "play" && argc >= 4)
        return Play(frmMain, std::atoi(argv[2]), std::atoi(argv[3]));
    if (Mode == "show") {
        std::printf("game %s\n", Digest(frmMain).constData());
        return 0;
    }
    std::fprintf(stderr, "usage: session_driver play STEPS PAUSE_MS | show [--documents FOLDER]\n");
    return 2;
}
