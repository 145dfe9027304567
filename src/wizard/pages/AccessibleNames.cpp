#include "wizard/pages/AccessibleNames.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace quorvix {
namespace {

QString withoutMnemonic(QString text)
{
    // "&&" stands for a literal ampersand; a single one marks the mnemonic.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

QString captionOf(const QWidget* widget)
{
    if (widget->isWindow())
        return widget->windowTitle();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return withoutMnemonic(button->text());
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    if (const auto* menu = qobject_cast<const QMenu*>(widget))
        return withoutMnemonic(menu->title());
    return {};
}

void nameOne(QWidget* widget)
{
    if (!widget->accessibleName().isEmpty())
        return;
    QString name = captionOf(widget).trimmed();
    if (name.isEmpty())
        name = widget->toolTip().trimmed();
    if (name.isEmpty())
        name = widget->objectName();
    widget->setAccessibleName(name);
}

} // namespace

void nameForScreenReaders(QWidget* root)
{
    if (!root)
        return;
    nameOne(root);
    const auto children = root->findChildren<QWidget*>();
    for (QWidget* child : children) {
        // Qt's own helpers inside composite widgets (scroll bars, viewports)
        // carry no object name and are described by their owner.
        if (!child->objectName().isEmpty())
            nameOne(child);
    }
}

} // namespace quorvix
