// SPDX-License-Identifier: MIT
// Games as files through the real main window and its menu button: a saved copy opened again
// gives the same game byte for byte and leaves the state folder alone; an opened game is one
// step that undo takes back, and the recovery file follows it; a file that is no game is refused
// with a message naming it and the reason, and nothing changes.

#include "Fixture.h"

#include "state/u_GameFile.h"
#include "state/u_GameStore.h"

#include <QAbstractButton>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QAccessible>
#include <QTest>

class TestGameFileCommands : public WindowsTest {
    Q_OBJECT
public:
    // Qt's own dialogs, which a test can answer, on every platform.
    TestGameFileCommands() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

private slots:
    void savedCopyOpensAsTheSameGame();
    void openIsOneStepThatUndoTakesBack();
    void fileThatIsNoGameIsRefused_data();
    void fileThatIsNoGameIsRefused();

private:
    QWidget* MenuButton() { return Child<QWidget>(Main, "btnMenu"); }
    // Chooses Entry in the menu that the menu button opens; its command runs before this returns.
    void UseMenu(const QString& Entry);
    // A game with history: two players, cards owned and in the basket, the lock on.
    void PlaySomeSteps();
    QString Folder() const { return Home.Documents() + QStringLiteral("/games"); }
    QStringList FolderEntries() const { return QDir(Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }
};

// Answers the next file dialog with Path, after reading the name it suggests.
class FileDialogAnswer {
public:
    explicit FileDialogAnswer(const QString& Path)
        : Answer([this, Path](QWidget* Modal) {
            auto* Dialog = static_cast<QFileDialog*>(Modal);
            Suggested = Dialog->selectedFiles().value(0);
            Folder = Dialog->directory().absolutePath();
            Dialog->selectFile(Path);
            static_cast<QDialog*>(Dialog)->accept();
        }, &QFileDialog::staticMetaObject)
    {
    }
    QString Suggested;
    QString Folder;

private:
    WhenModalOpens Answer;
};

// Reads the next message box and closes it.
class MessageAnswer {
public:
    MessageAnswer()
        : Answer([this](QWidget* Modal) {
            auto* Box = static_cast<QMessageBox*>(Modal);
            Text = Box->text();
            Box->button(QMessageBox::Ok)->click();
        }, &QMessageBox::staticMetaObject)
    {
    }
    QString Text;

private:
    WhenModalOpens Answer;
};

void TestGameFileCommands::UseMenu(const QString& Entry)
{
    const WhenMenuOpens Answer([&](QMenu* Menu) { ChooseEntry(Menu, Entry); });
    QTest::mouseClick(MenuButton(), Qt::LeftButton);
    // The chosen entry's command is posted to run once the menu has closed.
    QCoreApplication::processEvents();
}

void TestGameFileCommands::PlaySomeSteps()
{
    Main->Game().CardAdd(9, 1.0f);
    Main->Game().Confirm();
    Main->Game().AddPlayer();
    Main->Game().CardAdd(16, 2.0f);
    Main->Game().SetLock(true);
    QVERIFY(QDir().mkpath(Folder()));
}

void TestGameFileCommands::savedCopyOpensAsTheSameGame()
{
    PlaySomeSteps();
    if (QTest::currentTestFailed())
        return;
    // The game store follows every change of the game: none, none for it to write.
    const QSignalSpy Changed(&Main->Game(), &TGame::Changed);
    const TSavedGame Game = Main->Game().Saved();
    const QString Copy = Folder() + QStringLiteral("/Game 2026-12-10.quorvane");
    {
        const QString Today = QDate::currentDate().toString(Qt::ISODate);
        FileDialogAnswer Answer(Copy);
        UseMenu(QStringLiteral("Save a copy"));
        // Suggested in the documents folder, named after the day; a test over midnight sees either.
        const QString Suggested = QStringLiteral("%1/Game %2.quorvane").arg(Home.Documents());
        QVERIFY2(Answer.Suggested == Suggested.arg(Today) || Answer.Suggested == Suggested.arg(QDate::currentDate().toString(Qt::ISODate)),
                 qPrintable(Answer.Suggested));
    }
    QCOMPARE(FileContents(Copy), StateText(Game));
    // The table is told, and a screen reader hears it.
    QCOMPARE(Child<QLabel>(Main, "labMessage")->text(), QStringLiteral("Saved a copy as Game 2026-12-10.quorvane"));
    QVERIFY(Child<QWidget>(Main, "message")->isVisible());
    QCOMPARE(QAccessible::queryAccessibleInterface(Child<QWidget>(Main, "notification"))->text(QAccessible::Name),
             QStringLiteral("Saved a copy as Game 2026-12-10.quorvane"));
    // The running game and its files are as they were.
    QCOMPARE(Main->Game().Saved(), Game);
    QCOMPARE(Main->History().UndoName(), QStringLiteral("Lock"));
    QVERIFY(!QFile::exists(Home.StateFile()));
    QCOMPARE(Changed.size(), 0);

    // Opened on the next start, then saved again: the same bytes.
    EndProgram();
    StartProgram();
    {
        FileDialogAnswer Answer(Copy);
        UseMenu(QStringLiteral("Open game"));
        QCOMPARE(Answer.Folder, Home.Documents());
    }
    QCOMPARE(Main->Game().Saved(), Game);
    const QString Again = Folder() + QStringLiteral("/again.quorvane");
    {
        FileDialogAnswer Answer(Again);
        Main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Main));
        QTest::keyClick(Main, Qt::Key_S, Qt::ControlModifier);
    }
    QCOMPARE(FileContents(Again), FileContents(Copy));
}

void TestGameFileCommands::openIsOneStepThatUndoTakesBack()
{
    PlaySomeSteps();
    if (QTest::currentTestFailed())
        return;
    Main->Game().SetTreasury(150);
    const TGameSnapshot Before = Main->Game().Snapshot();
    TSavedGame Opened;
    Opened.Players.resize(3);
    Opened.Players[2].Owned[51] = true;
    const QString Path = Folder() + QStringLiteral("/Game 2026-12-10.quorvane");
    QVERIFY(WriteGameFile(Path, Opened));

    const QSignalSpy Changed(&Main->Game(), &TGame::Changed);
    Main->OpenGameFile(Path);
    QCOMPARE(Main->Game().Saved(), Opened);
    QCOMPARE(Child<QTabWidget>(Main, "tacMain")->count(), 3);
    QCOMPARE(LabelText(Main, QStringLiteral("labInfo1_3")), QStringLiteral("Cards: 1/50"));
    QVERIFY(!Child<QPushButton>(Main, "btnLock")->isChecked());
    // One change, which the game store follows with the recovery file.
    QCOMPARE(Changed.size(), 1);

    QStringList Entries;
    {
        const WhenMenuOpens Answer([&](QMenu* Menu) {
            Entries = EntryTexts(Menu);
            ChooseEntry(Menu, QStringLiteral("Undo"));
        });
        QTest::mouseClick(MenuButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    QVERIFY2(Entries.contains(QStringLiteral("Undo: Open Game 2026-12-10\tCtrl+Z")), qPrintable(Entries.join(QLatin1Char('|'))));
    const TGameSnapshot After = Main->Game().Snapshot();
    QCOMPARE(After.Players.size(), Before.Players.size());
    for (std::size_t i = 0; i < After.Players.size(); ++i)
        QVERIFY(*After.Players[i] == *Before.Players[i]);
    QVERIFY(Child<QPushButton>(Main, "btnLock")->isChecked());
    QCOMPARE(Changed.size(), 2);
}

void TestGameFileCommands::fileThatIsNoGameIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("chosen"); // in the file dialog, else named on the command line
    QTest::addColumn<QString>("reason");
    // The file dialog lets neither a missing file nor a folder through.
    QTest::newRow("missing") << "missing" << QByteArray() << false << "There is no such file.";
    QTest::newRow("a folder") << "folder" << QByteArray() << false << "It is a folder, not a file.";
    QTest::newRow("over 1 MB") << "file" << QByteArray("[main]\nplayer_num=1\n") + QByteArray(MaxGameFileSize, ';') << true
                               << "It is larger than 1 MB, far larger than any game.";
    QTest::newRow("not text") << "file" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << true << "It is not a text file.";
    QTest::newRow("no [main] section") << "file" << QByteArray("[player0]\ncard9=1\n") << true
                                       << "It holds no game: there is no [main] section.";
    QTest::newRow("no [main], named") << "file" << QByteArray("[player0]\ncard9=1\n") << false
                                      << "It holds no game: there is no [main] section.";
}

void TestGameFileCommands::fileThatIsNoGameIsRefused()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, contents);
    QFETCH(bool, chosen);
    QFETCH(QString, reason);
    PlaySomeSteps();
    if (QTest::currentTestFailed())
        return;
    const QString Path = Folder() + QStringLiteral("/chosen.quorvane");
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(Path));
    else if (kind == QLatin1String("file"))
        QVERIFY(PutFile(Path, contents));
    const QStringList Entries = FolderEntries();
    const TSavedGame Game = Main->Game().Saved();
    const QSignalSpy Changed(&Main->Game(), &TGame::Changed);

    MessageAnswer Message;
    if (chosen) {
        FileDialogAnswer Answer(Path);
        UseMenu(QStringLiteral("Open game"));
    } else {
        Main->OpenGameFile(Path);
    }
    QCOMPARE(Message.Text, QStringLiteral("“%1” cannot be opened. %2").arg(QDir::toNativeSeparators(Path), reason));
    QCOMPARE(Main->Game().Saved(), Game);
    QCOMPARE(Main->History().UndoName(), QStringLiteral("Lock"));
    QCOMPARE(FolderEntries(), Entries);
    QCOMPARE(Changed.size(), 0);
    QVERIFY(!QFile::exists(Home.StateFile()));
}

QTEST_MAIN(TestGameFileCommands)
#include "tst_GameFileCommands.moc"
