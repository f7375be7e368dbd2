// SPDX-License-Identifier: MIT
#pragma once
// The card information window: a read-only sheet about one card of the catalogue.

#include "windows/u_ColourRows.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TfrmInfo : public QDialog {
    Q_OBJECT
public:
    TfrmInfo();

    // Fills every label and the rule text for card iCard 1..51; nothing of the previous card stays.
    void Setup(int iCard);

private:
    void FormCreate();
    void btnCloseClick();

    QPushButton* btnClose = nullptr;
    std::array<TColourRow, GroupCount> Rows{};
    QLabel* labName = nullptr;
    QLabel* labBonus = nullptr;
    QPlainTextEdit* memDesc = nullptr;
    QLabel* labVP = nullptr;
};
