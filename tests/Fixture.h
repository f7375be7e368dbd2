// SPDX-License-Identifier: MIT
#pragma once
// The program's three windows as main() makes them, in a temporary home, and small helpers that
// find and click what a user would see.

#include "TestHome.h"

#include "board/u_CardButton.h"
#include "ledger/u_TPlayer.h"
#include "windows/u_frmBonus.h"
#include "windows/u_frmInfo.h"
#include "windows/u_frmMain.h"

#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>

#include <functional>
#include <memory>

struct Windows {
    Windows()
    {
        Main.UseWindows(Info, Bonus);
    }
    TfrmMain Main;
    TfrmInfo Info;
    TfrmBonus Bonus;
};

// A test case on fresh windows: every test function starts from a first start in an empty home.
class WindowsTest : public QObject {
    Q_OBJECT
protected:
    // What main() does, and the end of the program (without closing, so nothing is saved).
    void StartProgram();
    void EndProgram();
    // Opens the credit editor by clicking the current player's credit bar and runs Steps in it;
    // the editor is closed by its close box afterwards unless Steps closed it.
    void InEditor(const std::function<void(QWidget*)>& Steps);
    // The main window active, as under a user's hands (its shortcuts work then), and the focus
    // on Widget when one is given, as Tab gives it.
    void FocusOn(QWidget* Widget = nullptr);

    TestHome Home;
    std::unique_ptr<Windows> App;
    TfrmMain* Main = nullptr;

private slots:
    void initTestCase();
    void init();
    void cleanup();
};

// The light palette of the style, or a dark one as a dark desktop gives it ("light", "dark").
void UsePalette(const QString& Name);

// The main window's child of that object name and type; fails the test when missing.
template <typename T> T* Child(QWidget* Window, const QString& Name)
{
    T* Found = Window->findChild<T*>(Name);
    if (!Found)
        qFatal("no child %s", qPrintable(Name));
    return Found;
}

// The card button of a card on a player's page, as the ledger hands it out: a page not yet in
// sight gets its buttons first.
TCardButton* CardOf(QWidget* Window, int Player, int Card);

// What the user reads on a label of the main window, by its object name.
QString LabelText(QWidget* Window, const QString& Name);

// A click where the user would click: through the window, so the widget that is really on top
// at that point gets it (and a right click raises a context menu request as on screen).
void ClickOnScreen(QWidget* Target, QPoint Local = {}, Qt::MouseButton Button = Qt::LeftButton);

// While it lives, runs Answer once on the next modal window that opens (passed to it), or on
// the next one of the given kind.
class WhenModalOpens {
public:
    explicit WhenModalOpens(std::function<void(QWidget*)> Answer, const QMetaObject* Kind = nullptr);

private:
    QTimer Timer;
};

// While it lives, runs Answer once on the next popup menu that opens.
class WhenMenuOpens {
public:
    explicit WhenMenuOpens(std::function<void(QMenu*)> Answer);

private:
    QTimer Timer;
};

// While it lives, answers the next "Delete all players?" box with its Delete button, or with
// Keep.
class WhenDeleteAllAsks {
public:
    explicit WhenDeleteAllAsks(bool Delete);

private:
    WhenModalOpens Answer;
};

// The entries of a menu as the user reads them; an entry with a shortcut reads "text\tshortcut".
QStringList EntryTexts(const QMenu* Menu);
// Clicks the menu entry whose text starts with Text; fails the test when there is none.
void ChooseEntry(QMenu* Menu, const QString& Text);
