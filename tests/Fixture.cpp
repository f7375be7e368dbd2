// SPDX-License-Identifier: MIT
#include "Fixture.h"

#include "state/u_GameStore.h"
#include "state/u_StateFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStyle>
#include <QTest>
#include <QWidget>
#include <QTimer>

void WindowsTest::initTestCase()
{
    // The program's own style, so that the boards measure as they do in the program.
    QApplication::setStyle(QStringLiteral("Fusion"));
}

void WindowsTest::StartProgram()
{
    App = std::make_unique<Windows>();
    Main = &App->Main;
    // The start hands its game to the recovery writer; the files are as the start leaves them
    // once it is written.
    Main->Store().Flush();
}

void WindowsTest::EndProgram()
{
    Main = nullptr;
    App.reset();
}

void WindowsTest::InEditor(const std::function<void(QWidget*)>& Steps)
{
    bool Ran = false;
    const WhenModalOpens Answer([&](QWidget* Editor) {
        Steps(Editor);
        Ran = true;
        if (Editor->isVisible())
            Editor->close();
    });
    const QString Bar = QStringLiteral("labBonus3_") + QString::number(Main->CurrentPlayer()->Player());
    ClickOnScreen(Child<QWidget>(Main, Bar));
    QVERIFY(Ran);
    QVERIFY(!App->Bonus.isVisible());
}

void WindowsTest::FocusOn(QWidget* Widget)
{
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main));
    if (!Widget)
        return;
    Widget->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), Widget);
}

void WindowsTest::init()
{
    // A test that moved the documents folder does not move it for the next one.
    UseDocumentsFolder(Home.Documents());
    StartProgram();
}

void WindowsTest::cleanup()
{
    EndProgram();
    // A run that ends without closing leaves its recovery copy, which the next start would restore.
    // The folder is named from the home, never from where the program looked: a test that left no
    // usable home would make that the working folder.
    QDir(Home.Documents()).removeRecursively();
}

void UsePalette(const QString& Name)
{
    QPalette Dark(QColor(0x35, 0x35, 0x35), QColor(0x2B, 0x2B, 0x2B));
    Dark.setColor(QPalette::WindowText, QColor(0xE8, 0xE8, 0xE8));
    Dark.setColor(QPalette::Text, QColor(0xE8, 0xE8, 0xE8));
    Dark.setColor(QPalette::ButtonText, QColor(0xE8, 0xE8, 0xE8));
    Dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    QApplication::setPalette(Name == QLatin1String("dark") ? Dark : QApplication::style()->standardPalette());
}

TCardButton* CardOf(QWidget* Window, int Player, int Card)
{
    auto* Main = qobject_cast<TfrmMain*>(Window);
    if (!Main)
        qFatal("card buttons are looked up in the main window");
    for (const auto& Ledger : Main->Players()) {
        if (Ledger->Player() != Player)
            continue;
        TCardButton* Button = Ledger->Button(Card);
        // The ledger's button sits on its own page, under the name the page gives it.
        auto* Box = Child<QScrollArea>(Window, QStringLiteral("scbPlay") + QString::number(Player));
        if (Box->findChild<TCardButton*>(QStringLiteral("card_") + QString::number(Card)) != Button)
            qFatal("card %d of player %d is not on its page", Card, Player);
        return Button;
    }
    qFatal("no player %d", Player);
}

QString LabelText(QWidget* Window, const QString& Name)
{
    return Child<QLabel>(Window, Name)->text();
}

void ClickOnScreen(QWidget* Target, QPoint Local, Qt::MouseButton Button)
{
    QWidget* Window = Target->window();
    const QPoint At = Target->mapTo(Window, Local.isNull() ? Target->rect().center() : Local);
    QTest::mouseClick(Window->windowHandle(), Button, {}, At);
}

WhenModalOpens::WhenModalOpens(std::function<void(QWidget*)> Answer, const QMetaObject* Kind)
{
    Timer.setInterval(0);
    QObject::connect(&Timer, &QTimer::timeout, [this, Answer, Kind] {
        QWidget* Modal = QApplication::activeModalWidget();
        if (!Modal || !Modal->isVisible() || (Kind && !Modal->metaObject()->inherits(Kind)))
            return;
        Timer.stop();
        Answer(Modal);
    });
    Timer.start();
}

WhenDeleteAllAsks::WhenDeleteAllAsks(bool Delete)
    : Answer(
          [Delete](QWidget* Box) {
              const QString Text = Delete ? QStringLiteral("Delete all players") : QStringLiteral("Keep");
              for (QAbstractButton* Button : Box->findChildren<QAbstractButton*>())
                  if (Button->text() == Text)
                      QTest::mouseClick(Button, Qt::LeftButton);
          },
          &QMessageBox::staticMetaObject)
{
}

WhenMenuOpens::WhenMenuOpens(std::function<void(QMenu*)> Answer)
{
    Timer.setInterval(0);
    QObject::connect(&Timer, &QTimer::timeout, [this, Answer] {
        auto* Menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!Menu || !Menu->isVisible())
            return;
        Timer.stop();
        Answer(Menu);
    });
    Timer.start();
}

QStringList EntryTexts(const QMenu* Menu)
{
    QStringList Texts;
    for (const QAction* Entry : Menu->actions())
        if (!Entry->isSeparator())
            Texts << Entry->text();
    return Texts;
}

void ChooseEntry(QMenu* Menu, const QString& Text)
{
    for (QAction* Entry : Menu->actions()) {
        if (Entry->isSeparator() || !Entry->text().startsWith(Text))
            continue;
        QTest::mouseClick(Menu, Qt::LeftButton, {}, Menu->actionGeometry(Entry).center());
        return;
    }
    QFAIL(qPrintable(QStringLiteral("no menu entry ") + Text));
}
