// SPDX-License-Identifier: MIT
#include "windows/u_ReaderRoles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QTabBar>
#include <QWidget>
#include <QWindow>

namespace {

QString TabName(const QTabBar* Bar, int Index)
{
    const QString Name = Bar->accessibleTabName(Index);
    return Name.isEmpty() ? Bar->tabText(Index).remove(QLatin1Char('&')) : Name;
}

// One tab of a bar, by its index.
class TTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TTabAccessible(QTabBar* Bar, int Index)
        : FBar(Bar)
        , FIndex(Index)
    {
    }

    void* interface_cast(QAccessible::InterfaceType Type) override
    {
        return Type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    bool isValid() const override { return FBar && FIndex < FBar->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return FBar ? FBar->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(FBar.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text Kind) const override
    {
        if (!isValid())
            return {};
        switch (Kind) {
        case QAccessible::Name:
            return TabName(FBar, FIndex);
        case QAccessible::Description:
            return FBar->tabToolTip(FIndex);
        default:
            return {};
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State State;
        if (!isValid())
            return State;
        State.focusable = true;
        State.selectable = true;
        State.selected = FIndex == FBar->currentIndex();
        State.focused = State.selected && FBar->hasFocus();
        State.disabled = !FBar->isTabEnabled(FIndex);
        State.invisible = !FBar->isVisible() || !FBar->isTabVisible(FIndex);
        State.offscreen = !FBar->rect().intersects(FBar->tabRect(FIndex));
        return State;
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect Tab = FBar->tabRect(FIndex);
        return QRect(FBar->mapToGlobal(Tab.topLeft()), Tab.size());
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& Name) override
    {
        if (isValid() && Name == pressAction())
            FBar->setCurrentIndex(FIndex);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QTabBar> FBar;
    int FIndex;
};

// A bar of page tabs, named after its current tab; its children are the tabs.
class TTabBarAccessible : public QAccessibleWidget {
public:
    explicit TTabBarAccessible(QTabBar* Bar)
        : QAccessibleWidget(Bar, QAccessible::PageTabList)
    {
    }

    ~TTabBarAccessible() override
    {
        for (const QAccessible::Id Id : std::as_const(FTabs))
            QAccessible::deleteAccessibleInterface(Id);
    }

    int childCount() const override { return Bar()->count(); }

    QAccessibleInterface* child(int Index) const override
    {
        if (Index < 0 || Index >= Bar()->count())
            return nullptr;
        const auto Known = FTabs.constFind(Index);
        if (Known != FTabs.constEnd())
            return QAccessible::accessibleInterface(*Known);
        auto* Tab = new TTabAccessible(Bar(), Index);
        FTabs.insert(Index, QAccessible::registerAccessibleInterface(Tab));
        return Tab;
    }

    int indexOfChild(const QAccessibleInterface* Child) const override
    {
        for (auto Known = FTabs.constBegin(); Known != FTabs.constEnd(); ++Known)
            if (QAccessible::accessibleInterface(Known.value()) == Child)
                return Known.key() < Bar()->count() ? Known.key() : -1;
        return -1;
    }

    QString text(QAccessible::Text Kind) const override
    {
        if (Kind == QAccessible::Name && Bar()->currentIndex() >= 0)
            return TabName(Bar(), Bar()->currentIndex());
        return QAccessibleWidget::text(Kind);
    }

private:
    QTabBar* Bar() const { return static_cast<QTabBar*>(widget()); }
    mutable QHash<int, QAccessible::Id> FTabs;
};

QAccessibleInterface* ReaderRoles(const QString& Class, QObject* Object)
{
    if (Class == QLatin1String("TfrmMain"))
        return new QAccessibleWidget(static_cast<QWidget*>(Object), QAccessible::Window);
    if (Class == QLatin1String("QTabBar"))
        return new TTabBarAccessible(static_cast<QTabBar*>(Object));
    return nullptr;
}

} // namespace

void UseReaderRoles()
{
    static const bool Installed = (QAccessible::installFactory(ReaderRoles), true);
    Q_UNUSED(Installed);
}
