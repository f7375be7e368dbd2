// SPDX-License-Identifier: MIT
#include "windows/u_frmScoreboard.h"

#include "ledger/u_TGame.h"
#include "windows/u_BoardMenu.h"
#include "windows/u_PlayerMenu.h"
#include "windows/u_ScoreModel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

TfrmScoreboard::TfrmScoreboard(QWidget* Main, TGame& Game)
    : QWidget(Main, Qt::Window)
    , FMain(Main)
    , FGame(Game)
{
    setObjectName(QStringLiteral("frmScoreboard"));
    setWindowTitle(QStringLiteral("Scoreboard - Quorvane"));
    FModel = new TScoreModel(Game, this);
    FModel->setSwatchEdge(palette().color(QPalette::Text));

    tblScore = new QTableView(this);
    tblScore->setObjectName(QStringLiteral("tblScore"));
    tblScore->setAccessibleName(QStringLiteral("Scoreboard"));
    tblScore->setModel(FModel);
    tblScore->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblScore->setSelectionMode(QAbstractItemView::SingleSelection);
    tblScore->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table rather than walking its cells.
    tblScore->setTabKeyNavigation(false);
    tblScore->setWordWrap(false);
    tblScore->verticalHeader()->hide();
    tblScore->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblScore->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblScore->horizontalHeader()->setMinimumSectionSize(1);
    tblScore->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // As small as a table of one player, which is smaller than a scroll area's usual least size.
    tblScore->setMinimumSize(1, 1);
    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->addWidget(tblScore);

    // Enter and a double click both activate a row.
    connect(tblScore, &QAbstractItemView::activated, this, [this](const QModelIndex& Index) { RowActivated(Index.row()); });
    connect(&Game, &TGame::Changed, this, &TfrmScoreboard::GameChanged);
    tblScore->installEventFilter(this);
    tblScore->viewport()->installEventFilter(this);
    auto* Escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(Escape, &QShortcut::activated, this, &QWidget::close);
    FModel->Refresh();
}

// While it is closed it has nobody to show the game to; ShowBeside catches up.
void TfrmScoreboard::GameChanged()
{
    if (isVisible())
        Refresh();
}

void TfrmScoreboard::Refresh()
{
    const int Rows = FModel->rowCount();
    FModel->Refresh();
    if (FitColumns() || FModel->rowCount() != Rows)
        FitToTable();
}

void TfrmScoreboard::ShowBeside()
{
    Refresh();
    const bool First = !isVisible();
    show();
    FitColumns();
    FitToTable();
    if (First)
        PlaceBeside();
    for (int Row = 0; Row < FModel->rowCount(); ++Row)
        if (FModel->PlayerIndex(Row) == FGame.CurrentIndex())
            tblScore->setCurrentIndex(FModel->index(Row, 0));
    raise();
    activateWindow();
    tblScore->setFocus();
}

// On the side of the main window with more room, top edges level; over the main window's edge
// only as far as the screen makes it.
void TfrmScoreboard::PlaceBeside()
{
    const QRect Main = FMain->frameGeometry();
    const QRect Screen = FMain->screen()->availableGeometry();
    const int Width = frameGeometry().width();
    const int Left = Screen.right() - Main.right() >= Main.left() - Screen.left() ? std::min(Main.right() + 1, Screen.right() + 1 - Width)
                                                                                  : std::max(Main.left() - Width, Screen.left());
    move(std::max(Left, Screen.left()), Main.top());
}

void TfrmScoreboard::RowActivated(int Row)
{
    const int Index = FModel->PlayerIndex(Row);
    if (Index >= 0)
        emit PlayerChosen(Index);
}

// Each column as wide as its widest text and its header. Measured from the texts alone: asking the
// table to size its columns to their contents costs about three times a whole update.
bool TfrmScoreboard::FitColumns()
{
    bool Changed = false;
    // Fractional widths, as the table lays its texts out.
    const QFontMetricsF Metrics(tblScore->font());
    // The item views of the style keep text this far from a cell's edges, and an icon as far; the
    // grid takes a line of each cell.
    const int TextMargin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tblScore) + 1);
    const int Grid = tblScore->showGrid() ? 1 : 0;
    const int Icon = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, tblScore) + TextMargin;
    QHeaderView* Header = tblScore->horizontalHeader();
    for (int Column = 0; Column < FModel->columnCount(); ++Column) {
        int Width = Header->sectionSizeHint(Column);
        for (int Row = 0; Row < FModel->rowCount(); ++Row) {
            const QModelIndex Cell = FModel->index(Row, Column);
            const int Swatch = Cell.data(Qt::DecorationRole).isNull() ? 0 : Icon;
            Width = std::max(Width, int(std::ceil(Metrics.horizontalAdvance(Cell.data().toString()))) + TextMargin + Grid + Swatch);
        }
        if (Header->sectionSize(Column) != Width) {
            Header->resizeSection(Column, Width);
            Changed = true;
        }
    }
    return Changed;
}

void TfrmScoreboard::FitToTable()
{
    if (!isVisible())
        return;
    // Rows as high as the font and the swatches need.
    if (FModel->rowCount() > 0)
        tblScore->verticalHeader()->setDefaultSectionSize(static_cast<const QAbstractItemView*>(tblScore)->sizeHintForRow(0));
    const int Frame = 2 * tblScore->frameWidth();
    const int Rows = tblScore->verticalHeader()->length();
    const int Height = std::min(tblScore->horizontalHeader()->height() + Rows + Frame, FMain->height());
    // A vertical scroll bar, where the rows do not all fit, takes its width beside the columns.
    const int Bar = Height < tblScore->horizontalHeader()->height() + Rows + Frame ? tblScore->verticalScrollBar()->sizeHint().width() : 0;
    resize(tblScore->horizontalHeader()->length() + Frame + Bar, Height);
}

bool TfrmScoreboard::eventFilter(QObject*, QEvent* Event)
{
    QPoint Pointer;
    const MenuAsked Asked = MenuRequest(*Event, &Pointer);
    if (Asked == MenuAsked::Nothing)
        return false;
    const QModelIndex Index = Asked == MenuAsked::ForPointer ? tblScore->indexAt(Pointer) : tblScore->currentIndex();
    if (!Index.isValid())
        return false;
    const QRect Cell = tblScore->visualRect(Index);
    PopupPlayerMenu(tblScore, FGame, FModel->PlayerIndex(Index.row()),
                    tblScore->viewport()->mapToGlobal(Asked == MenuAsked::ForPointer ? Pointer : Cell.bottomLeft()));
    return true;
}

void TfrmScoreboard::changeEvent(QEvent* Event)
{
    QWidget::changeEvent(Event);
    if (Event->type() == QEvent::PaletteChange)
        FModel->setSwatchEdge(palette().color(QPalette::Text));
    else if (Event->type() == QEvent::FontChange && isVisible()) {
        // Zoomed with the main window, which has grown or shrunk beside it.
        FitColumns();
        FitToTable();
        PlaceBeside();
    }
}
