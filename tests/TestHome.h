// SPDX-License-Identifier: MIT
#pragma once
// Points the documents folder at a fresh temporary home, so that no test reads or writes the
// real one. Construct before the application object reads its paths.

#include <QTemporaryDir>

class TestHome {
public:
    TestHome();
    QString Documents() const;
    // Where the program keeps its state file inside this home.
    QString StateFile() const;
    // The running game's recovery copy beside it.
    QString RecoveryFile() const;

private:
    QTemporaryDir Dir;
};
