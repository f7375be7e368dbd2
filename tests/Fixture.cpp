#include "Fixture.h"

#include "state/u_StateFile.h"

#include <QApplication>
#include <QTest>
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
}

void WindowsTest::EndProgram()
{
    Main = nullptr;
    App.reset();
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
}

TCardButton* CardOf(QWidget* Window, int Player, int Card)
{
    auto* Box = Child<QScrollArea>(Window, QStringLiteral("scbPlay") + QString::number(Player));
    return Child<TCardButton>(Box, QStringLiteral("card_") + QString::number(Card));
}

QString LabelText(QWidget* Window, const QString& Name)
{
    return Child<QLabel>(Window, Name)->text();
}

void ClickOnScreen(QWidget* Target, QPoint Local)
{
    QWidget* Window = Target->window();
    const QPoint At = Target->mapTo(Window, Local.isNull() ? Target->rect().center() : Local);
    QTest::mouseClick(Window->windowHandle(), Qt::LeftButton, {}, At);
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
