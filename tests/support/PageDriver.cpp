#include "support/PageDriver.h"

#include "wizard/pages/PageTable.h"
#include "wizard/pages/WizardPage.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTest>

namespace quorvix::test {
namespace {

// QTest::keyClicks only takes ASCII; umlauts and other characters go in as
// key events that carry the character as their text, as a keyboard layout
// with such keys sends them.
void typeKeys(QLineEdit* box, const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(box, static_cast<char>(ch.unicode()));
            continue;
        }
        QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

} // namespace

void clickAndType(QLineEdit* box, const QString& text)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    typeKeys(box, text);
}

void typeWithoutClick(QLineEdit* box, const QString& text)
{
    box->setFocus(Qt::TabFocusReason);
    typeKeys(box, text);
}

void click(QAbstractButton* button)
{
    // Check boxes and option buttons react only on their indicator and
    // caption; a layout may stretch them far wider than that, so the
    // middle of a short caption's widget can miss. Near the left edge is
    // inside every kind of button.
    const QPoint point(qMin(8, button->width() / 2), button->height() / 2);
    QTest::mouseClick(button, Qt::LeftButton, {}, point);
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
