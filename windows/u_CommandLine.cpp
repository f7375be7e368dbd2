// SPDX-License-Identifier: MIT
#include "windows/u_CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

struct TOptions {
    QCommandLineOption Help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help and ends.")};
    QCommandLineOption Version{{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Shows the version and ends.")};
    QCommandLineOption Documents{QStringLiteral("documents"),
                                 QStringLiteral("Keeps the game in FOLDER/quorvane instead of the documents folder."),
                                 QStringLiteral("FOLDER")};
};

void SetUp(QCommandLineParser& Parser, const TOptions& Options)
{
    Parser.setApplicationDescription(
        QStringLiteral("Tracks advance cards and their prices at the board-game table. With FILE, opens that game "
                       "(a .quorvane file) after the start, as a step that can be undone; a copy already running "
                       "on the same documents folder opens it instead."));
    Parser.addOption(Options.Help);
    Parser.addOption(Options.Version);
    Parser.addOption(Options.Documents);
    Parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A saved game to open."), QStringLiteral("[FILE]"));
}

QString Usage()
{
    QCommandLineParser Parser;
    const TOptions Options;
    SetUp(Parser, Options);
    // The parser names the program after its file, or a placeholder without an application object.
    QString Text = Parser.helpText();
    return Text.replace(0, Text.indexOf(QStringLiteral(" [options]")), QStringLiteral("Usage: quorvane"));
}

void Print(std::FILE* Stream, const QString& Text)
{
    std::fputs(Text.toLocal8Bit().constData(), Stream);
    std::fflush(Stream);
}

} // namespace

TCommandLine ParseCommandLine(const QStringList& Arguments)
{
    QCommandLineParser Parser;
    const TOptions Options;
    SetUp(Parser, Options);
    TCommandLine Line;
    if (!Parser.parse(Arguments)) {
        Line.What = TCommandLine::Kind::Mistake;
        Line.Mistake = Parser.errorText();
        return Line;
    }
    if (Parser.isSet(Options.Help)) {
        Line.What = TCommandLine::Kind::Help;
        return Line;
    }
    if (Parser.isSet(Options.Version)) {
        Line.What = TCommandLine::Kind::Version;
        return Line;
    }
    // The first folder given counts; an empty one is a slip, not a request for the system's.
    for (const QString& Folder : Parser.values(Options.Documents)) {
        if (!Folder.isEmpty()) {
            Line.Documents = Folder;
            break;
        }
    }
    const QStringList Files = Parser.positionalArguments();
    if (Files.size() > 1) {
        Line.What = TCommandLine::Kind::Mistake;
        Line.Mistake = QStringLiteral("Only one FILE can be opened.");
    } else if (Files.size() == 1 && !Files[0].isEmpty()) {
        // Absolute, so that it means the same to a copy that runs in another folder.
        Line.File = QFileInfo(Files[0]).absoluteFilePath();
    }
    return Line;
}

bool NamesToolkitOption(const QStringList& Arguments)
{
    // The options every Qt application takes, with one dash or two, a value after a blank or "=".
    static const QStringList Toolkit = {
        QStringLiteral("style"), QStringLiteral("stylesheet"), QStringLiteral("widgetcount"),
        QStringLiteral("reverse"), QStringLiteral("qmljsdebugger"), QStringLiteral("platform"),
        QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"), QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"), QStringLiteral("qwindowtitle"),
        QStringLiteral("session"), QStringLiteral("display"), QStringLiteral("geometry"),
        QStringLiteral("dialogs"), QStringLiteral("fontengine"), QStringLiteral("title"),
        QStringLiteral("name"), QStringLiteral("visual"), QStringLiteral("nograb"), QStringLiteral("dograb"),
        QStringLiteral("sync"), QStringLiteral("testability"),
    };
    for (const QString& Argument : Arguments.mid(1)) {
        if (Argument == QStringLiteral("--"))
            break;
        if (!Argument.startsWith(QLatin1Char('-')))
            continue;
        const QString Name = Argument.mid(Argument.startsWith(QStringLiteral("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
        if (Toolkit.contains(Name))
            return true;
    }
    return false;
}

int AnswerCommandLine(const TCommandLine& Line, std::FILE* Out, std::FILE* Err)
{
    switch (Line.What) {
    case TCommandLine::Kind::Run:
        return -1;
    case TCommandLine::Kind::Help:
        Print(Out, Usage());
        return 0;
    case TCommandLine::Kind::Version:
        Print(Out, QStringLiteral("quorvane " QUORVANE_VERSION "\n"));
        return 0;
    case TCommandLine::Kind::Mistake:
        Print(Err, QStringLiteral("quorvane: ") + Line.Mistake + QLatin1Char('\n') + Usage());
        return 2;
    }
    return -1;
}

QStringList RawArguments(int argc, char* argv[])
{
    QStringList Arguments;
    Arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        Arguments << QString::fromLocal8Bit(argv[i]);
    return Arguments;
}
