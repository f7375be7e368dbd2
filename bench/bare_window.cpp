// SPDX-License-Identifier: MIT
// A bare Qt Widgets window of the main window's size with nothing in it: the start that
// bench/start_vs_bare.sh measures the program's against. With the argument "label" it shows one
// line of text, which is what the first text on screen costs (loading the fonts).

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication Application(argc, argv);
    QWidget Window;
    Window.setFixedSize(384, 567);
    if (QApplication::arguments().contains(QStringLiteral("label")))
        new QLabel(QStringLiteral("Cost: 0"), &Window);
    Window.show();
    return QApplication::exec();
}
