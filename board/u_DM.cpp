// SPDX-License-Identifier: MIT
#include "board/u_DM.h"

#include "board/u_Board.h"
#include "board/u_CardButton.h"
#include "board/u_CardHost.h"
#include "board/u_ColourRect.h"
#include "board/u_FitLabel.h"
#include "board/u_GroupMark.h"
#include "board/u_Panel.h"
#include "board/u_ZoomStyle.h"
#include "catalogue/u_Const.h"
#include "ledger/u_TPlayer.h"

#include <QLabel>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int BarHeight = 24;

TPanel* MakeBar(QWidget* Tab, QVBoxLayout* Layout, const QString& Name)
{
    auto* Bar = new TPanel(Tab);
    Bar->setObjectName(Name);
    Bar->setFixedHeight(Zoomed(BarHeight));
    Layout->addWidget(Bar);
    return Bar;
}

// Bar texts keep clear of the neighbouring label.
constexpr int LabelMargin = 2;

// Labels sit side by side without gaps: each spans from its rounded left edge to the next one's.
QLabel* MakeLabel(QWidget* Bar, const QString& Name, int k, double Width)
{
    auto* Label = new TFitLabel(Bar);
    Label->setObjectName(Name);
    const int Left = qRound((k - 1) * Width);
    Label->setGeometry(Left, 0, qRound(k * Width) - Left, Zoomed(BarHeight));
    Label->setContentsMargins(Zoomed(LabelMargin), 0, Zoomed(LabelMargin), 0);
    Label->setAlignment(Qt::AlignCenter);
    Label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return Label;
}

// The group's mark at the left of its credit box, in the label's text colour; the label's text keeps
// to the right of it.
void MarkCreditBox(QLabel* Label, CardGroup Group)
{
    const int MarkLeft = Zoomed(4), Size = Zoomed(GroupMarkSize);
    const QRect Box = Label->geometry();
    auto* Mark = new TGroupMark(Label->parentWidget(), Group, Label->palette().color(QPalette::WindowText));
    Mark->setGeometry(Box.left() + MarkLeft, (Box.height() - Size) / 2, Size, Size);
    Label->setContentsMargins(MarkLeft + Size + Zoomed(LabelMargin), 0, Zoomed(LabelMargin), 0);
}

// The labels of a bar share one font: the largest, up to the window's, in which each reads its
// widest usual text whole. A rarer, wider text shrinks in its own label only.
template <std::size_t Count> void ShareFont(const std::array<QLabel*, Count>& Labels, const QStringList& Widest)
{
    const QFont Font = FittingFont(Labels[0]->font(), Widest, Labels[0]->contentsRect().size());
    for (QLabel* Label : Labels)
        if (Font != Label->font())
            Label->setFont(Font);
}

} // namespace

TPagesOutOfSight::TPagesOutOfSight(QTabWidget* Tabs)
    : FTabs(Tabs)
{
    FTabs->hide();
    FTabs->setUpdatesEnabled(false);
}

TPagesOutOfSight::~TPagesOutOfSight()
{
    FTabs->setUpdatesEnabled(true);
    FTabs->show();
}

std::unique_ptr<TPlayer> TDM::CreatePlayer(TCardHost* frmPara, QTabWidget* ttcPara)
{
    setPlayers(Players() + 1);
    const int N = Players();
    const QString Number = QString::number(N);

    auto* Tab = new QWidget;
    Tab->setObjectName(QStringLiteral("ttiPlay") + Number);
    auto* Layout = new QVBoxLayout(Tab);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(0);
    const int Index = ttcPara->addTab(Tab, Number);
    // The tab shows the number; a screen reader says whose page it is.
    ttcPara->tabBar()->setAccessibleTabName(Index, QStringLiteral("Player ") + Number);
    const double Q = ttcPara->width() / 4.0;
    const double F = ttcPara->width() / 5.0;

    QWidget* SummaryBar = MakeBar(Tab, Layout, QStringLiteral("panPlay") + Number);
    std::array<QLabel*, 4> Summary{};
    for (int k = 1; k <= 4; ++k)
        Summary[k - 1] = MakeLabel(SummaryBar, QStringLiteral("labInfo%1_%2").arg(k).arg(N), k, Q);
    ShareFont(Summary, {QStringLiteral("Cards: 25/26"), QStringLiteral("Points: 170"), QStringLiteral("Treasury: 290"),
                        QStringLiteral("Cost: 290")});
    Summary[0]->setToolTip(QStringLiteral("Cards owned / cards not owned"));

    TPanel* CreditBar = MakeBar(Tab, Layout, QStringLiteral("panBonus") + Number);
    CreditBar->MakeClickable();
    CreditBar->setToolTip(QStringLiteral("Click to correct the credits by hand (") +
                          CreditEditorKey().toString(QKeySequence::NativeText) + QLatin1Char(')'));
    CreditBar->setAccessibleName(QStringLiteral("Credits"));
    QObject::connect(CreditBar, &TPanel::clicked, CreditBar, [frmPara, CreditBar] { frmPara->BonusClick(CreditBar); });
    std::array<QLabel*, GroupCount> Credit{};
    for (int k = 1; k <= GroupCount; ++k) {
        const QColor Colour = QColor::fromRgba(Groups[k - 1].Colour);
        AddColourRect(CreditBar, Groups[k - 1].Colour, float((k - 1) * F), 0, float(F), float(Zoomed(BarHeight)));
        QLabel* Label = MakeLabel(CreditBar, QStringLiteral("labBonus%1_%2").arg(k).arg(N), k, F);
        SetTextColourOn(Label, Colour);
        MarkCreditBox(Label, CardGroup(k - 1));
        Credit[k - 1] = Label;
    }
    QStringList WidestCredits;
    for (const GroupInfo& Group : Groups)
        WidestCredits << QLatin1String(Group.ShortLabel) + QStringLiteral(": 250");
    ShareFont(Credit, WidestCredits);

    auto* ScrollBox = new QScrollArea(Tab);
    ScrollBox->setObjectName(QStringLiteral("scbPlay") + Number);
    // The board is always taller than the page: a fixed vertical bar keeps the width that the
    // buttons were measured against.
    ScrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The cards are the focus stops; the box scrolls to whichever card has the focus.
    ScrollBox->setFocusPolicy(Qt::NoFocus);
    Layout->addWidget(ScrollBox);

    if (frmPara->ButtonWidth() == TCardHost::UnmeasuredButtonWidth) {
        // The page is laid out only when it is first shown. The board spans the page's width,
        // which the tab widget already knows, so the box is given that width now and its client
        // width read from it.
        // The width is kept as at 100 %, as every length of the layout.
        ScrollBox->resize(Tab->parentWidget()->contentsRect().width(), ScrollBox->height());
        frmPara->setButtonWidth(float(ScrollBox->maximumViewportSize().width() * 0.9 / 2 / ZoomFactor()));
    }
    auto* Board = new TBoard;
    Board->setObjectName(QStringLiteral("board"));
    Board->setFixedSize(Zoomed(2 * frmPara->ButtonWidth()), CardCount * Zoomed(CardButtonHeight));
    ScrollBox->setWidget(Board);
    // The first tab is on screen as soon as it is added; what was built on it since needs showing.
    for (QWidget* Part : std::initializer_list<QWidget*>{SummaryBar, CreditBar, ScrollBox})
        Part->show();

    auto Player = std::make_unique<TPlayer>(frmPara);
    Player->setPlayer(N);
    Player->setTab(Tab);
    Player->setScrollBox(ScrollBox);
    Player->setInfoCards(Summary[0]);
    Player->setInfoPoints(Summary[1]);
    Player->setInfoTreasury(Summary[2]);
    Player->setInfoCurrCost(Summary[3]);
    Player->setInfoBonArt(Credit[0]);
    Player->setInfoBonCiv(Credit[1]);
    Player->setInfoBonCra(Credit[2]);
    Player->setInfoBonRel(Credit[3]);
    Player->setInfoBonSci(Credit[4]);
    Player->Card_work();

    ttcPara->setCurrentWidget(Tab);
    return Player;
}
