// SPDX-License-Identifier: MIT
#include "windows/u_frmBonus.h"

#include "board/u_ColourRect.h"
#include "board/u_FocusFrame.h"
#include "ledger/u_TPlayer.h"
#include "ledger/u_TableSeat.h"
#include "windows/u_PointSlider.h"
#include "windows/u_WindowFrame.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {

// The sliders move in steps of 5 credits up to 250; their positions are those steps.
constexpr int CreditStep = 5;
constexpr int CreditMax = 250;

} // namespace

TfrmBonus::TfrmBonus()
{
    FormCreate();
}

void TfrmBonus::FormCreate()
{
    setObjectName(QStringLiteral("frmBonus"));
    SetUpWindowFrame(this, 384, 567);
    Rows = MakeColourRows(this, 0, 81);
    for (int g = 0; g < GroupCount; ++g) {
        auto* Slider = new TPointSlider(Qt::Horizontal, Rows[g].Panel, 0, CreditStep);
        Slider->setObjectName(QStringLiteral("trb") + QLatin1String(Groups[g].ShortLabel));
        Slider->setGeometry(8, 32, 369, 32);
        Slider->setRange(0, CreditMax / CreditStep);
        Slider->setPageStep(2);
        Slider->setAccessibleName(QLatin1String(Groups[g].FullLabel));
        SetHandleColourOn(Slider, QColor::fromRgba(Groups[g].Colour));
        Slider->raise();
        ShowFocusFrame(Slider);
        // The label follows the thumb while it is dragged; the ledger waits for Close.
        connect(Slider, &QSlider::valueChanged, this,
                [this, g, Slider](int Position) { Rows[g].Label->setText(RowText(g, Slider->PointsAt(Position))); });
        Sliders[g] = Slider;
    }
    btnRestart = MakeButton(this, "btnRestart", QStringLiteral("Delete all players"), {8, 403, 368, 44});
    btnRecalc = MakeButton(this, "btnRecalc", QStringLiteral("Recalc"), {8, 475, 368, 44});
    btnClose = MakeButton(this, "btnClose", QStringLiteral("Close"), {8, 520, 368, 44});
    // Enter anywhere in the editor means Close; the two other buttons take Space or a click only,
    // so Enter on a slider never deletes the players or rebuilds the credits.
    btnClose->setDefault(true);
    btnRestart->setAutoDefault(false);
    btnRecalc->setAutoDefault(false);
    for (int g = 0; g + 1 < GroupCount; ++g)
        setTabOrder(Sliders[g], Sliders[g + 1]);
    setTabOrder(Sliders[GroupCount - 1], btnRestart);
    setTabOrder(btnRestart, btnRecalc);
    setTabOrder(btnRecalc, btnClose);

    connect(btnClose, &QPushButton::clicked, this, &TfrmBonus::btnCloseClick);
    connect(btnRecalc, &QPushButton::clicked, this, &TfrmBonus::btnRecalcClick);
    connect(btnRestart, &QPushButton::clicked, this, &TfrmBonus::btnRestartClick);
}

void TfrmBonus::Setup(TPlayer* plyPara)
{
    FPlayer = plyPara;
    // Whose credits they are, for the table and for a screen reader.
    const QString Title = QStringLiteral("Credits of ") + PlayerCalled(plyPara->Player(), plyPara->Name(), true);
    setWindowTitle(Title);
    setAccessibleName(Title);
    ShowCredits();
    btnClose->setFocus();
}

void TfrmBonus::ShowCredits()
{
    const GroupCredits Credits = FPlayer->Credits();
    for (int g = 0; g < GroupCount; ++g)
        ShowValue(g, Credits[g]);
}

// The slider moves first and writes its snapped value into the label; the label is then
// overwritten with the exact credit.
void TfrmBonus::ShowValue(int Group, int Value)
{
    Sliders[Group]->setValue(Sliders[Group]->PositionOf(Value));
    Rows[Group].Label->setText(RowText(Group, Value));
}

int TfrmBonus::ReadValue(int Group) const
{
    return Sliders[Group]->Points();
}

void TfrmBonus::btnCloseClick()
{
    if (FPlayer) {
        GroupCredits Credits{};
        for (int g = 0; g < GroupCount; ++g)
            Credits[g] = ReadValue(g);
        emit EditCredits(Credits);
    }
    accept();
}

void TfrmBonus::btnRecalcClick()
{
    if (!FPlayer)
        return;
    emit RecalcCredits();
    ShowCredits();
}

void TfrmBonus::btnRestartClick()
{
    // The largest step there is: a warning that says what goes and how it comes back, a button
    // named after the deed, and Keep for Enter and Esc.
    QMessageBox Box(QMessageBox::Warning, windowTitle(), QStringLiteral("Delete all players?"), QMessageBox::NoButton, this);
    Box.setObjectName(QStringLiteral("dlgDeleteAll"));
    Box.setInformativeText(QStringLiteral("Every player's cards, credits, name and colour go, and the game starts again with "
                                          "one new player. Undo (Ctrl+Z) brings them back."));
    QPushButton* Delete = Box.addButton(QStringLiteral("Delete all players"), QMessageBox::DestructiveRole);
    QPushButton* Keep = Box.addButton(QStringLiteral("Keep"), QMessageBox::RejectRole);
    Box.setDefaultButton(Keep);
    Box.setEscapeButton(Keep);
    Box.exec();
    if (Box.clickedButton() != Delete)
        return;
    FPlayer = nullptr;
    emit DeleteAllPlayers();
    accept();
}
