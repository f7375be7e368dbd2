// SPDX-License-Identifier: MIT
#include "windows/u_frmInfo.h"

#include "board/u_FitLabel.h"
#include "board/u_FocusFrame.h"
#include "catalogue/u_Function.h"
#include "windows/u_WindowFrame.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QLabel* MakeLabel(QWidget* Parent, const char* Name, QRect Geometry)
{
    auto* Label = new TFitLabel(Parent);
    Label->setObjectName(QLatin1String(Name));
    Label->setGeometry(Geometry);
    return Label;
}

} // namespace

TfrmInfo::TfrmInfo()
{
    FormCreate();
}

void TfrmInfo::FormCreate()
{
    setObjectName(QStringLiteral("frmInfo"));
    SetUpWindowFrame(this, 384, 567);

    labName = MakeLabel(this, "labName", {8, 8, 289, 22});
    QFont Bold = labName->font();
    Bold.setBold(true);
    labName->setFont(Bold);
    labVP = MakeLabel(this, "labVP", {296, 8, 81, 22});
    labVP->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Rows = MakeColourRows(this, 40, 41);
    labBonus = MakeLabel(this, "labBonus", {8, 248, 350, 22});

    memDesc = new QPlainTextEdit(this);
    memDesc->setObjectName(QStringLiteral("memDesc"));
    memDesc->setGeometry(8, 280, 369, 233);
    memDesc->setReadOnly(true);
    memDesc->setAccessibleName(QStringLiteral("Rule text"));
    memDesc->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memDesc->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Read-only, it shows no cursor: the frame shows that the keys now go to the rule text.
    ShowFocusFrame(memDesc);

    btnClose = MakeButton(this, "btnClose", QStringLiteral("Close"), {8, 520, 368, 44});
    btnClose->setDefault(true);
    setTabOrder(btnClose, memDesc);
    connect(btnClose, &QPushButton::clicked, this, &TfrmInfo::btnCloseClick);
}

void TfrmInfo::Setup(int iCard)
{
    const CardRecord& Card = Cards[iCard];
    labName->setText(PlainText(CardCaption(iCard)));
    labVP->setText(QStringLiteral("VP: ") + QString::number(CardVictoryPoints(iCard)));
    for (int g = 0; g < GroupCount; ++g)
        Rows[g].Label->setText(RowText(g, Card.Credits[g]));

    const CardRecord* Cheaper = nullptr;
    for (int i = 1; i <= CardCount; ++i)
        if (Cards[i].BonusFrom == iCard)
            Cheaper = &Cards[i];
    labBonus->setText(Cheaper ? QStringLiteral("Bonus +") + QString::number(Cheaper->BonusAmount) +
                                    QStringLiteral(" to ") + CardName(Cheaper->Id)
                              : QString());

    // Lines of a rule text are separated by carriage returns.
    memDesc->setPlainText(QString::fromUtf8(CardDescriptions(iCard)).replace(QLatin1Char('\r'), QLatin1Char('\n')));

    // The caption stays the program's; a screen reader hears the card as the window opens.
    setAccessibleName(labName->text() + QStringLiteral(", card information"));
    QStringList Heard{VictoryPointsText(iCard)};
    for (const QString& Part : {labBonus->text(), memDesc->toPlainText()})
        if (!Part.isEmpty())
            Heard << Part;
    setAccessibleDescription(Heard.join(QLatin1Char('\n')));
    btnClose->setFocus();
}

void TfrmInfo::btnCloseClick()
{
    accept();
}
