// SPDX-License-Identifier: MIT
#pragma once
// The program's command line: quorvane [--documents FOLDER] [FILE], plus --help and --version.
// It is read before the application object is made, so that --help and --version answer on a
// machine without a display and cost no more than the parse.

#include <QString>
#include <QStringList>

#include <cstdio>

struct TCommandLine {
    enum class Kind {
        Run,     // start the program
        Help,    // print the usage and end
        Version, // print the version and end
        Mistake, // an unknown option, a missing value, too many files: usage to standard error
    };
    Kind What = Kind::Run;
    QString Documents; // the folder given with --documents; empty: the system's documents folder
    QString File;      // the game to open after the start, as an absolute path; empty: none
    QString Mistake;   // what was wrong, a sentence
};

// Arguments as main() gets them, the program's own path first.
TCommandLine ParseCommandLine(const QStringList& Arguments);

// True when one of Arguments names an option of the toolkit's own (-style, -platform ...), which
// the application object takes out of the arguments: only then may a mistake be no mistake.
bool NamesToolkitOption(const QStringList& Arguments);

// Prints what Line asks for (the usage or the version to Out, a mistake and the usage to Err)
// and gives the exit status; -1 when the program is to run.
int AnswerCommandLine(const TCommandLine& Line, std::FILE* Out = stdout, std::FILE* Err = stderr);

// The arguments of main() before any application object exists, which would also take its own
// options (-platform, -style ...) out.
QStringList RawArguments(int argc, char* argv[]);
