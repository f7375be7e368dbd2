// SPDX-License-Identifier: MIT
#include "windows/u_PointSlider.h"

#include "board/u_AccessibleFactory.h"
#include "catalogue/u_Const.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>

namespace {

class TPointSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TPointSliderAccessible(TPointSlider* Slider)
        : QAccessibleWidget(Slider, QAccessible::Slider)
    {
    }

    void* interface_cast(QAccessible::InterfaceType Type) override
    {
        if (Type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(Type);
    }

    QString text(QAccessible::Text Kind) const override
    {
        if (Kind == QAccessible::Value)
            return QString::number(Slider()->Points());
        return QAccessibleWidget::text(Kind);
    }

    QVariant currentValue() const override { return Slider()->Points(); }
    void setCurrentValue(const QVariant& Value) override { Slider()->setValue(Slider()->PositionOf(Value.toInt())); }
    QVariant maximumValue() const override { return std::max(Ends().first, Ends().second); }
    QVariant minimumValue() const override { return std::min(Ends().first, Ends().second); }
    QVariant minimumStepSize() const override
    {
        return std::abs(Slider()->PointsAt(1) - Slider()->PointsAt(0)) * Slider()->singleStep();
    }

private:
    TPointSlider* Slider() const { return static_cast<TPointSlider*>(widget()); }
    std::pair<int, int> Ends() const
    {
        return {Slider()->PointsAt(Slider()->minimum()), Slider()->PointsAt(Slider()->maximum())};
    }
};

} // namespace

TPointSlider::TPointSlider(Qt::Orientation Orientation, QWidget* Parent, int Origin, int PerStep)
    : QSlider(Orientation, Parent)
    , FOrigin(Origin)
    , FPerStep(PerStep)
{
    UseAccessible<TPointSlider, TPointSliderAccessible>();
}

int TPointSlider::PositionOf(int Points) const
{
    return std::clamp(qRound((double(Points) - FOrigin) / FPerStep), minimum(), maximum());
}

TPointSlider* MakeTreasurySlider(QWidget* Parent)
{
    auto* Slider = new TPointSlider(Qt::Vertical, Parent, TreasuryMax, -TreasuryStep);
    Slider->setObjectName(QStringLiteral("trbTreasury"));
    Slider->setGeometry(352, 0, 32, 473);
    Slider->setRange(0, 250 / TreasuryStep);
    Slider->setSingleStep(1);
    Slider->setPageStep(2);
    // Minimum at the top: pulling the thumb down spends treasury, and Down moves it down.
    Slider->setInvertedAppearance(true);
    Slider->setInvertedControls(true);
    Slider->setTracking(false);
    Slider->setToolTip(QStringLiteral("The current player's treasury: 290 at the top, less further down"));
    Slider->setAccessibleName(QStringLiteral("Treasury"));
    return Slider;
}
