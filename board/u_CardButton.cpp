// SPDX-License-Identifier: MIT
#include "board/u_CardButton.h"

#include "board/u_CardHost.h"
#include "board/u_FaceColours.h"
#include "board/u_FitLabel.h"
#include "board/u_FocusFrame.h"
#include "board/u_GroupMark.h"
#include "board/u_ZoomStyle.h"
#include "catalogue/u_Const.h"
#include "catalogue/u_Function.h"

#include <QEvent>
#include <QFocusEvent>
#include <QHash>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QStyle>
#include <QTimer>
#include <QToolTip>

namespace {

// The fill of a card button, in the looks of the current palette.
class TCardFace : public QWidget {
public:
    TCardFace(TCardButton* Button, quint8 Scheme, QLabel* Label)
        : QWidget(Button)
        , FButton(Button)
        , FLabel(Label)
        , FScheme(Scheme)
    {
        const SchemeColour& Row = SchemeColours[Scheme];
        FColour = QColor::fromRgba(Row.Colour);
        FColour1 = Row.Gradient != 0 ? QColor::fromRgba(Row.Colour1) : FColour;
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
        TakeLooks();
    }

protected:
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* Event) override
    {
        QWidget::changeEvent(Event);
        if (Event->type() == QEvent::PaletteChange)
            TakeLooks();
        else if (Event->type() == QEvent::EnabledChange && !isEnabled() && !FDisabledKnown)
            TakeDisabledLook();
    }

private:
    // Worked out for the palette's window colour, toward which a disabled face is washed; the
    // label's text colours follow the face.
    void TakeLooks()
    {
        FEnabled = CardFaceLook(FColour, FColour1, palette().color(QPalette::Window), true);
        QPalette Palette = FLabel->palette();
        for (const auto Group : {QPalette::Active, QPalette::Inactive})
            Palette.setColor(Group, QPalette::WindowText, FEnabled.Text);
        FLabel->setPalette(Palette);
        FDisabledKnown = false;
        if (!isEnabled())
            TakeDisabledLook();
    }

    // The greyed look, which costs the most to work out and which most cards of a page never
    // show, is worked out when the card is first greyed.
    void TakeDisabledLook()
    {
        FDisabled = CardFaceLook(FColour, FColour1, palette().color(QPalette::Window), false);
        QPalette Palette = FLabel->palette();
        Palette.setColor(QPalette::Disabled, QPalette::WindowText, FDisabled.Text);
        FLabel->setPalette(Palette);
        FDisabledKnown = true;
    }

    TCardButton* FButton;
    QLabel* FLabel;
    quint8 FScheme;
    QColor FColour;
    QColor FColour1;
    TFaceLook FEnabled;
    TFaceLook FDisabled;
    bool FDisabledKnown = false;
};

// Hover and press move the fill away from the text colour, so the text only gains contrast.
constexpr double HoverShare = 0.18;
constexpr double PressShare = 0.36;

void TCardFace::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    TFaceLook Look = isEnabled() ? FEnabled : FDisabled;
    const double Share = !isEnabled() ? 0 : FButton->isDown() ? PressShare : FButton->Hovered() ? HoverShare : 0;
    if (Share > 0) {
        const QColor Away = AwayFrom(Look.Text);
        Look.Left = Mix(Look.Left, Away, Share);
        Look.Right = Mix(Look.Right, Away, Share);
    }
    if (Look.Left == Look.Right) {
        Painter.fillRect(rect(), Look.Left);
    } else {
        QLinearGradient Gradient(0, height() / 2.0, width(), height() / 2.0);
        Gradient.setColorAt(0, Look.Left);
        Gradient.setColorAt(1, Look.Right);
        Painter.fillRect(rect(), Gradient);
    }
    // In the text's colour, so a mark reads wherever the text does.
    for (const TFaceMark& Mark : FaceMarks(FScheme, size()))
        DrawGroupMark(Painter, Mark.Group, Mark.Box, Look.Text);
    // The face stands in for its button, so it shows the button's keyboard focus.
    if (FButton->hasFocus())
        DrawFocusFrame(Painter, rect());
}

// Face text keeps clear of the face's edges, and of the group marks on the left.
constexpr int FaceMargin = 3;
// The marks keep clear of the focus frame along the edge, and the text of the marks.
constexpr int MarkLeft = FaceMargin + 1;
constexpr int MarkGap = 3;
constexpr int TextLeft = MarkLeft + GroupMarkSize + MarkGap;

// One font for every face of a board: the largest, up to the window's, in which each card's
// caption with its full price fits the face. Worked out once per font and button width.
QFont FaceFont(const QFont& Base, QSize Box)
{
    static QHash<QString, QFont> Known;
    const QString Key = Base.key() + QLatin1Char('/') + QString::number(Box.width()) + QLatin1Char('x') +
                        QString::number(Box.height());
    const auto Found = Known.constFind(Key);
    if (Found != Known.constEnd())
        return *Found;
    QStringList Widest;
    for (int id = 1; id <= CardCount; ++id)
        Widest << PlainText(QString::number(Cards[id].Cost) + QStringLiteral(") ") + CardCaption(id));
    return *Known.insert(Key, FittingFont(Base, Widest, Box));
}

} // namespace

TCardButton::TCardButton(QWidget* Parent, TCardHost* Host)
    : QPushButton(Parent)
    , FHost(Host)
{
    // Keyboard users reach the cards with Tab, and Enter presses one as Space does; a mouse
    // click does not leave a focus frame.
    setFocusPolicy(Qt::TabFocus);
    setAutoDefault(true);
    connect(this, &QPushButton::clicked, this, &TCardButton::RunOnClick);
    connect(this, &QPushButton::pressed, this, &TCardButton::UpdateFace);
    connect(this, &QPushButton::released, this, &TCardButton::UpdateFace);
}

void TCardButton::RunOnClick()
{
    if (FHost && FOnClick)
        (FHost->*FOnClick)(this);
}

QLabel* TCardButton::FaceLabel() const
{
    return findChild<QLabel*>(QStringLiteral("face"), Qt::FindDirectChildrenOnly);
}

void TCardButton::setCardText(const QString& Text)
{
    setText(Text);
    if (QLabel* Face = FaceLabel())
        Face->setText(Text);
}

bool TCardButton::event(QEvent* Event)
{
    const bool Result = QPushButton::event(Event);
    switch (Event->type()) {
    case QEvent::Enter:
    case QEvent::Leave:
        FHovered = Event->type() == QEvent::Enter;
        UpdateFace();
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        UpdateFace();
        break;
    // A redraw moves and retitles the focused card (Space takes it into the basket): its tooltip
    // follows.
    case QEvent::ToolTipChange:
    case QEvent::Move:
        if (hasFocus() && QToolTip::isVisible())
            ShowToolTip();
        break;
    default:
        break;
    }
    return Result;
}

void TCardButton::resizeEvent(QResizeEvent* Event)
{
    QPushButton::resizeEvent(Event);
    // The face fills the button and follows its size.
    for (QWidget* Child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        Child->setGeometry(rect());
}

// The face covers the whole button, so the button's own bevel and text are never seen.
void TCardButton::paintEvent(QPaintEvent*)
{
}

// The keyboard cannot hover, so when the focus reached with Tab rests on a card as long as a hover
// would, its tooltip shows beside it, until the focus leaves or Esc closes it.
void TCardButton::focusInEvent(QFocusEvent* Event)
{
    QPushButton::focusInEvent(Event);
    ++FFocusChanges;
    if (Event->reason() == Qt::TabFocusReason || Event->reason() == Qt::BacktabFocusReason)
        QTimer::singleShot(style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, this), this,
                           [this, Rested = FFocusChanges] {
                               if (FFocusChanges == Rested)
                                   ShowToolTip();
                           });
}

void TCardButton::focusOutEvent(QFocusEvent* Event)
{
    QPushButton::focusOutEvent(Event);
    ++FFocusChanges;
    QToolTip::hideText();
}

// To the right, level with the card: below it the tip would cover the next cards of its column,
// which the focus visits next.
void TCardButton::ShowToolTip()
{
    QToolTip::showText(mapToGlobal(QPoint(width(), 0)), toolTip(), this);
}

void TCardButton::UpdateFace()
{
    for (QWidget* Child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        Child->update();
}

QList<TFaceMark> FaceMarks(quint8 Scheme, QSize Face)
{
    const SchemeGroups Pair = GroupsOfScheme(Scheme);
    const int Left = Zoomed(MarkLeft), Size = Zoomed(GroupMarkSize), Gap = Zoomed(MarkGap);
    if (Pair.First == Pair.Second)
        return {{Pair.First, QRect(Left, (Face.height() - Size) / 2, Size, Size)}};
    const int Top = (Face.height() - 2 * Size - Gap) / 2;
    return {{Pair.First, QRect(Left, Top, Size, Size)}, {Pair.Second, QRect(Left, Top + Size + Gap, Size, Size)}};
}

void PaintCardFace(TCardButton* Button, quint8 Scheme)
{
    auto* Label = new TFitLabel(Button);
    Label->setObjectName(QStringLiteral("face"));
    Label->setText(Button->text());
    Label->setAlignment(Qt::AlignCenter);
    Label->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Inside a button a label would take the button's text role; it paints on the face's colours.
    Label->setForegroundRole(QPalette::WindowText);
    // The button is the label's buddy, so the label shows the text as the button would: the
    // doubled ampersand of "Drama && Poetry" reads as one.
    Label->setBuddy(Button);
    Label->setContentsMargins(Zoomed(TextLeft), 0, Zoomed(FaceMargin), 0);
    Label->setGeometry(Button->rect());
    Label->setFont(FaceFont(Label->font(), Label->contentsRect().size()));

    auto* Face = new TCardFace(Button, Scheme, Label);
    Face->setGeometry(Button->rect());
    // Made after the label, the fill would cover it.
    Face->lower();
}
