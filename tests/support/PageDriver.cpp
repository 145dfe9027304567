#include "support/PageDriver.h"

#include "common/SettingsFields.h"
#include "wizard/pages/PageTable.h"
#include "wizard/pages/Wizard.h"
#include "wizard/pages/WizardPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTest>

namespace quorvix::test {

// What each page's checks accept, page 2 to 10: buttons to tick, and "box=text" for a click into the box and typing;
// the player name comes from the caller.
const char* const kAnswers[] = {
    "optCfgQDSL|chkCfgDownL",
    "optCfgVidBest|txtCfgBrightness=1|txtCfgGamma=2.5|txtCfgVMaxFPS=100|chkCfgVZtrick|chkCfgVMMX",
    "chkCfgSoundHighQ|optCfgEAX",
    "txtCfgMSens=2.5|txtCfgMSensratio=0",
    "optCfgCGS|txtCfgConsoleRGB=255 155 50",
    "txtCfgHudDTN=6|txtCfgHudChattime=0|txtCfgHudKaufhis=2|chkCfgHudcenterid|chkCfgHudtakeshot",
    "optCfgNgraph3|optCfgNgraphP1|txtCfgNetghight=|txtCfgNetgwidth=200",
    "optCfgViolenceBlutaus",
    "chkCfgHelpM|chkCfgfrendm|chkCfgLeftHand|chkCfgAutoWS",
};

void fillBox(QLineEdit* box, const QString& text, int clicks)
{
    if (clicks == 0)
        box->setFocus(Qt::TabFocusReason);
    for (int c = 0; c < clicks; ++c)
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    // QTest::keyClicks only takes ASCII; other characters go in as key events that carry the character as their text,
    // as a keyboard layout with such keys sends them.
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(box, static_cast<char>(ch.unicode()));
        else
            for (auto type : {QTest::Press, QTest::Release})
                QTest::sendKeyEvent(type, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void click(QAbstractButton* button)
{
    // Check boxes and option buttons react only on their indicator and caption; a layout may stretch them far wider
    // than that, so the middle of a short caption's widget can miss. Near the left edge hits every kind.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(qMin(8, button->width() / 2), button->height() / 2));
}

void pressNext(WizardPage* page) { click(need<QAbstractButton>(page, pageInfo(page->pageNumber()).nextButton)); }

void pressBack(WizardPage* p) { click(need<QAbstractButton>(p, pageInfo(p->pageNumber()).backButton)); settle(); }

void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); qApp->processEvents(); }

QString play(Wizard& wizard, Settings& settings, const QString& script)
{
    // How often the page of the last button press was hidden by it: "hidden and shown again" or "left on screen".
    EventCounter counter(QEvent::Hide);
    qApp->installEventFilter(&counter);
    WizardPage* page = nullptr;
    for (QString step : script.split('|')) {
        step.replace(QStringLiteral("{TAB}"), QStringLiteral("\t"))
            .replace(QStringLiteral("{ESC}"), QStringLiteral("\x1b"));
        const qsizetype eq = step.indexOf('=');
        const QString name = step.left(eq), value = eq < 0 ? QString() : step.mid(eq + 1);
        WizardPage* shown = wizard.visiblePage();
        const auto box = [shown](const QString& n) { return need<QLineEdit>(shown, qPrintable(n)); };
        if (const int at = step.mid(1).toInt(); step.startsWith('@')) {
            wizard.hidePage(at);
            wizard.hidePage(at + 1);
            page = (wizard.showPage(at), wizard.page(at));
        } else if (QStringList{">", "<", "RET", "ENTER"}.contains(step)) {
            counter.count = 0;
            counter.watched = shown;
            if (step.size() == 1)
                step == QLatin1String(">") ? pressNext(shown) : pressBack(shown);
            else
                QTest::keyClick(shown->focusWidget(), step == QLatin1String("RET") ? Qt::Key_Return : Qt::Key_Enter,
                                step == QLatin1String("RET") ? Qt::NoModifier : Qt::KeypadModifier);
        } else if (step.startsWith(QLatin1String("right:"))) {
            QTest::mouseClick(box(step.mid(6)), Qt::RightButton, {}, box(step.mid(6))->rect().center());
        } else if (step.startsWith(QLatin1String("undo:"))) {
            QTest::keyClick(box(step.mid(5)), Qt::Key_Z, Qt::ControlModifier);
        } else if (step.startsWith('^')) {
            need<QWidget>(shown, qPrintable(step.mid(1)))->setFocus(Qt::TabFocusReason);
        } else if (step.startsWith('$')) {
            for (const auto& f : testing::kAllFlags)
                if (name.mid(1) == QLatin1String(f.name))
                    settings.*f.field = Settings::Flag(value.toInt());
        } else if (step.startsWith('?')) {
            QString seen;
            if (name == QLatin1String("?hides") || name == QLatin1String("?clicks"))
                seen = QString::number(name == QLatin1String("?hides") ? counter.count : page->clickCount());
            else if (name.startsWith(QLatin1String("?undo:")))
                seen = box(name.mid(6))->isUndoAvailable() ? "yes" : "no";
            else if (auto* b = qobject_cast<QAbstractButton*>(need<QWidget>(shown, qPrintable(name.mid(1)))))
                seen = b->isChecked() ? "[x]" : "[ ]";
            else
                seen = box(name.mid(1))->text();
            if (seen != value)
                return step + QStringLiteral(": found ") + seen;
        } else if (eq < 0) {
            click(need<QAbstractButton>(shown, qPrintable(step)));
        } else if (name.endsWith(':')) {
            box(name.chopped(1))->setText(value);
        } else {
            const QStringList parts = name.split('*');
            fillBox(box(QString(parts[0]).remove('~')), value, name.endsWith('~') ? 0 : parts.value(1, "1").toInt());
        }
        settle();
    }
    return {};
}

void answerValidly(WizardPage* page, const QString& playerName)
{
    const int n = page->pageNumber();
    const QString answers = n == 1 ? "txtSpielername=" + playerName : n <= 10 ? kAnswers[n - 2] : QString();
    for (const QString& answer : answers.split('|', Qt::SkipEmptyParts)) {
        const QString name = answer.section('=', 0, 0);
        if (answer.contains('=')) {
            if (auto* box = page->findChild<QLineEdit*>(name))
                fillBox(box, answer.section('=', 1));
        } else if (auto* button = page->findChild<QAbstractButton*>(name);
                   button && (!button->isCheckable() || !button->isChecked())) {
            click(button);
        }
    }
}

int runWizardToEnd(Wizard& wizard, const std::optional<QString>& playerName,
                   const std::function<void(WizardPage*)>& onPage)
{
    for (int n = 1; n <= 11; ++n) {
        WizardPage* page = wizard.page(n);
        if (!page || !page->isVisible())
            return n;
        if (onPage)
            onPage(page);
        if (playerName)
            answerValidly(page, *playerName);
        pressNext(page);
        settle();
        WizardPage* following = n < 11 ? wizard.page(n + 1) : nullptr;
        if (page->isVisible() || (n < 11 && !(following && following->isVisible())))
            return n;
    }
    return 0;
}

} // namespace quorvix::test
