#include "support/PageDriver.h"

#include "wizard/pages/PageTable.h"
#include "wizard/pages/WizardPage.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTest>

namespace quorvix::test {

void clickAndType(QLineEdit* box, const QString& text)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QTest::keyClicks(box, text);
}

void typeWithoutClick(QLineEdit* box, const QString& text)
{
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, text);
}

void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void pressNext(WizardPage* page)
{
    auto* next = page->findChild<QAbstractButton*>(
        QString::fromLatin1(pageInfo(page->pageNumber()).nextButton));
    click(next);
}

void pressBack(WizardPage* page)
{
    auto* back = page->findChild<QAbstractButton*>(
        QString::fromLatin1(pageInfo(page->pageNumber()).backButton));
    click(back);
    settle();
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace quorvix::test
