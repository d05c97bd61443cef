// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QPointer>

namespace
{

// A decorative widget with nothing in it is no part of the tree; one that
// holds controls (the skin under the title) stays as their plain container.
bool isDecoration(const QWidget *widget)
{
    return widget->property("decorative").toBool() &&
           !widget->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
}

// A container that lists its controls but not its decorations.
class PanelAccessible : public QAccessibleWidget
{
  public:
    PanelAccessible(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    int childCount() const override { return int(parts().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QWidgetList list = parts();
        return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list.at(index))
                                                 : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(parts().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            if (const auto *group = qobject_cast<const QGroupBox *>(widget()))
                return QString(group->title()).remove(u'&');
        return QAccessibleWidget::text(t);
    }

  private:
    QWidgetList parts() const
    {
        QWidgetList list;
        for (QObject *child : widget()->children())
            if (auto *part = qobject_cast<QWidget *>(child); part && !part->isWindow() && !isDecoration(part))
                list << part;
        return list;
    }
};

// One entry of a chooser. Pressing it chooses it, as a click in the list does.
class ChoiceAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
  public:
    ChoiceAccessible(QComboBox *chooser, int index) : chooser(chooser), index(index) {}

    bool isValid() const override { return chooser && index < chooser->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return chooser ? chooser->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(chooser); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? chooser->itemText(index) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    // Only the chosen entry is on screen, in the chooser's face.
    QRect rect() const override
    {
        return isChosen() ? QRect(chooser->mapToGlobal(QPoint(0, 0)), chooser->size()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        state.selected = isChosen();
        state.invisible = !isChosen();
        // While the list is closed, keys change the chosen entry in place:
        // it has the focus that the chooser has.
        state.focused = isChosen() && chooser->hasFocus() && !chooser->view()->isVisible();
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && isValid())
            chooser->setCurrentIndex(index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    const QPointer<QComboBox> chooser;
    const int index;

  private:
    bool isChosen() const { return isValid() && chooser->currentIndex() == index; }
};

// A chooser that is not editable. Qt 6.4 gives no value that a screen reader
// finds, says nothing a screen reader speaks when the value changes, and has
// entries that cannot be chosen: here its value is also its text, a change
// moves the focus to the chosen entry (which screen readers speak), and each
// entry can be pressed.
class ChooserAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
  public:
    explicit ChooserAccessible(QComboBox *chooser) : QAccessibleWidget(chooser, QAccessible::ComboBox)
    {
        changes = QObject::connect(chooser, &QComboBox::currentIndexChanged, chooser,
                                   [this](int index) { announce(index); });
    }
    ~ChooserAccessible() override
    {
        QObject::disconnect(changes);
        for (QAccessible::Id id : std::as_const(choices))
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }

    QComboBox *chooser() const { return static_cast<QComboBox *>(widget()); }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = chooser()->view()->isVisible();
        return state;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? chooser()->currentText() : QAccessibleWidget::text(t);
    }
    int childCount() const override { return chooser()->count(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= chooser()->count())
            return nullptr;
        if (choices.size() <= index)
            choices.resize(index + 1);
        if (!choices[index])
            choices[index] = QAccessible::registerAccessibleInterface(new ChoiceAccessible(chooser(), index));
        return QAccessible::accessibleInterface(choices[index]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *choice = dynamic_cast<const ChoiceAccessible *>(child);
        return choice && choice->chooser == chooser() ? choice->index : -1;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction())
            chooser()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    // The chosen text, read only.
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return chooser()->currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(chooser()->currentText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

  private:
    void announce(int index)
    {
        if (!QAccessible::isActive() || index < 0 || !chooser()->hasFocus() || chooser()->view()->isVisible())
            return;
        QAccessibleEvent event(child(index), QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }

    mutable QList<QAccessible::Id> choices; // made when first asked for
    QMetaObject::Connection changes;
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (auto *chooser = qobject_cast<QComboBox *>(widget); chooser && className == QLatin1String("QComboBox"))
        return chooser->isEditable() ? nullptr : new ChooserAccessible(chooser);
    if (auto *group = qobject_cast<QGroupBox *>(widget); group && className == QLatin1String("QGroupBox"))
        return group->isCheckable() ? nullptr : new PanelAccessible(widget, QAccessible::Grouping);
    // The window itself is a dialog, named by its title, as Qt's dialogs are.
    if (className == QLatin1String("QWidget") && widget->isWindow() && !widget->parentWidget())
        return new PanelAccessible(widget, QAccessible::Dialog);
    if (className == QLatin1String("QWidget") || widget->property("decorative").toBool())
        return new PanelAccessible(widget, QAccessible::Client);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    // Asked before Qt's own factory, class by class from the most derived.
    QAccessible::installFactory(accessibleFor);
}
