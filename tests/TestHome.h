#pragma once
// Points the program's documents folder at a fresh temporary home, so that no test reads or
// writes the real one.

#include <QTemporaryDir>

class TestHome {
public:
    TestHome();
    QString Documents() const;
    // Where the program keeps its state file inside this home.
    QString StateFile() const;

private:
    QTemporaryDir Dir;
};
