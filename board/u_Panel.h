#pragma once
// A bar that reports a click anywhere on it; its labels and squares let clicks through.

#include <QFrame>

class TPanel : public QFrame {
    Q_OBJECT
public:
    explicit TPanel(QWidget* Parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    bool FPressed = false;
};
