#include "support/PageRun.h"
#include "ui/ClickLineEdit.h"
#include "wizard/TypedText.h"
#include "wizard/pages/PageTable.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <vector>

using namespace quorvix;
using namespace quorvix::test;

namespace {

using Field = Settings::Flag Settings::*;
using S = Settings;
constexpr Settings::Flag kMaxFlag = std::numeric_limits<Settings::Flag>::max();
const QString kNoName = QStringLiteral("Sie haben kein Spielername eingeben!");

// Each page's load set, typed from the page descriptions rather than taken
// from the program's own table.
const std::vector<std::vector<Field>> kLoadSets = {
    {&S::SpielernameDone},
    {&S::ConnectionDone, &S::CfgLAN, &S::CfgStandleitung, &S::CfgADSLfp, &S::CfgDSL,
     &S::CfgADSLCableAOL, &S::CfgQDSL, &S::CfgSDSL256, &S::CfgDualISDN, &S::CfgISDN, &S::CfgModem,
     &S::CfgDownL},
    {&S::VideoDone, &S::CfgVidBest, &S::CfgVidMittel, &S::CfgVMMX, &S::CfgVPrecache, &S::CfgVBUP,
     &S::CfgVZtrick},
    {&S::CfgEAX, &S::CfgSoundHLV, &S::CfgSoundSoundprob, &S::CfgSoundHighQ},
    {&S::mausDone, &S::CfgMausFilter},
    {&S::ColorCount, &S::ConsoleDone, &S::CfgCWeiss, &S::CfgCBlau, &S::CfgCRot, &S::CfgCGruen,
     &S::CfgCGS, &S::CfgCdev},
    {&S::HudDone, &S::CfgHudcenterid, &S::CfgHudFS, &S::CfgHudtakeshot},
    {&S::NetgraphDone, &S::CfgNgraphAus, &S::CfgNgraph1, &S::CfgNgraph2, &S::CfgNgraph3,
     &S::CfgNgraphP1, &S::CfgNgraphP2, &S::CfgNgraphP3},
    {&S::ViolenceDone, &S::CfgViolenceBlutan},
    {&S::SetinfoDone, &S::CfgHelpM, &S::CfgMapbrief, &S::Cfgfrendm, &S::CfgVGUI, &S::CfgLeftHand,
     &S::CfgdynChr, &S::CfgAutoWS},
    {},
};

// Every flag and counter of the record.
std::vector<Field> allFlags()
{
    std::vector<Field> all = {&S::WizardDone, &S::MakeCount, &S::LastStep, &S::SoundDone};
    for (const auto& set : kLoadSets)
        all.insert(all.end(), set.begin(), set.end());
    return all;
}

void setAll(Settings& settings)
{
    for (Field field : allFlags())
        settings.*field = 1;
}

// The flags whose value is not 0 for those in `zeroed` and 1 for the rest.
QStringList wrongFlags(const Settings& settings, const std::vector<Field>& zeroed)
{
    QStringList wrong;
    const auto all = allFlags();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const bool cleared = std::find(zeroed.begin(), zeroed.end(), all[i]) != zeroed.end();
        if (settings.*all[i] != (cleared ? 0 : 1))
            wrong << QStringLiteral("flag #%1 is %2").arg(i).arg(settings.*all[i]);
    }
    return wrong;
}

// A page as the base makes it, with one counting text box.
class ProbePage : public WizardPage {
public:
    ProbePage(Settings& settings, Wizard& wizard, UserDialogs& dialogs)
        : WizardPage(7, settings, wizard, dialogs), box(makeClickBox(QStringLiteral("txtProbe"), true))
    {
        contentLayout()->addWidget(box);
    }
    using WizardPage::countClick;
    ClickLineEdit* box;

protected:
    void next() override {}
};

// Counts how often a window was hidden, to tell "shown again" from "left alone".
class HideCounter : public QObject {
public:
    explicit HideCounter(QWidget* watched) { watched->installEventFilter(this); }
    int hides = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        hides += event->type() == QEvent::Hide;
        return false;
    }
};

void addPageRows(int first)
{
    QTest::addColumn<int>("n");
    for (int n = first; n <= 11; ++n)
        QTest::newRow(pageInfo(n).windowName) << n;
}

} // namespace

class WizardNavigationTest : public QObject {
    Q_OBJECT
private slots:
    void loadingAPageClearsItsLoadSet_data() { addPageRows(1); }
    void loadingAPageClearsItsLoadSet()
    {
        QFETCH(int, n);
        PageRun r;
        setAll(r.settings);
        WizardPage* page = r.open(n);
        if (n == 11) {
            QCOMPARE(r.settings.LastStep, Settings::Flag(11));
            r.settings.LastStep = 1;
        }
        QCOMPARE(wrongFlags(r.settings, kLoadSets[n - 1]), QStringList());
        // Showing it again (it was only hidden) does not load it again.
        setAll(r.settings);
        r.wizard.hidePage(n);
        r.open(n);
        QCOMPARE(wrongFlags(r.settings, {}), QStringList());

        // Its own step in bold; "Weiter" left of "Zurück"; the step panel
        // right of both.
        for (int step = 1; step <= 11; ++step)
            QCOMPARE(need<QLabel>(page, qPrintable(QStringLiteral("lbl%1").arg(step)))->font().bold(), step == n);
        QRect buttons = need<QPushButton>(page, pageInfo(n).nextButton)->geometry();
        if (n > 1) {
            const QRect back = need<QPushButton>(page, pageInfo(n).backButton)->geometry();
            QVERIFY(buttons.right() < back.left() && buttons.top() == back.top());
            buttons = back;
        }
        QVERIFY(need<QWidget>(page, "frmStatus")->mapTo(page, QPoint()).x() > buttons.right());

        // The page opens on its first control; Tab then reaches every control
        // of the page before "Weiter", and "Zurück" last. Page 11 shows its
        // boxes only, so Tab knows just its buttons.
        QWidget* first = page->focusWidget();
        QVERIFY(first && (n == 11) == (qobject_cast<QPushButton*>(first) != nullptr));
        QStringList chain{first->objectName()};
        for (QWidget* w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain())
            if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus))
                chain << w->objectName();
        QStringList last{QString::fromLatin1(pageInfo(n).nextButton)};
        if (n > 1)
            last << QString::fromLatin1(pageInfo(n).backButton);
        QCOMPARE(chain.mid(n == 11 ? 0 : chain.size() - last.size()), last);
    }

    void backClearsThePreviousPageAndReloadsThisOne_data() { addPageRows(2); }
    void backClearsThePreviousPageAndReloadsThisOne()
    {
        QFETCH(int, n);
        PageRun r;
        r.open(n - 1);
        r.wizard.hidePage(n - 1);
        QPointer<WizardPage> before = r.open(n);
        setAll(r.settings);
        r.settings.Spielername = " \"kept\"";
        pressBack(before);

        // Back on page 2 leaves page 1 alone; elsewhere the previous page's
        // load set goes to 0. The reload of this page clears its own set.
        std::vector<Field> zeroed = kLoadSets[n - 1];
        if (n > 2)
            zeroed.insert(zeroed.end(), kLoadSets[n - 2].begin(), kLoadSets[n - 2].end());
        if (n == 11) {
            QCOMPARE(r.settings.LastStep, Settings::Flag(11));
            r.settings.LastStep = 1;
        }
        QCOMPARE(wrongFlags(r.settings, zeroed), QStringList());
        QCOMPARE(r.settings.Spielername, std::string(" \"kept\""));
        QVERIFY(before.isNull() && r.wizard.page(n) && !r.showing(n));
        QCOMPARE(r.wizard.page(n)->clickCount(), Settings::Flag(0));
        QCOMPARE(r.wizard.visiblePage(), r.wizard.page(n - 1));
    }

    void onlyAMouseClickEmptiesAndCounts()
    {
        PageRun r;
        ProbePage page(r.settings, r.wizard, r.dialogs);
        page.show();
        typeWithoutClick(page.box, QStringLiteral("12"));
        page.box->setText(QStringLiteral("set by the program"));
        QCOMPARE(page.clickCount(), Settings::Flag(0));
        // Three clicks into one box are three clicks; each empties it.
        for (const char* typed : {"a", "b", "c"})
            clickAndType(page.box, QString::fromLatin1(typed));
        QCOMPARE(page.box->text(), QStringLiteral("c"));
        QCOMPARE(page.clickCount(), Settings::Flag(3));
        // A right click is no click of the box.
        QTest::mouseClick(page.box, Qt::RightButton, {}, page.box->rect().center());
        QCOMPARE(page.box->text(), QStringLiteral("c"));
        QCOMPARE(page.clickCount(), Settings::Flag(3));
        // What a click emptied is gone for good.
        QTest::mouseClick(page.box, Qt::LeftButton);
        QTest::keyClick(page.box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(page.box->text(), QString());
        page.loadReset();
        QCOMPARE(page.clickCount(), Settings::Flag(0));
        // The 16-bit counter stops at its largest value.
        for (int i = 0; i < kMaxFlag + 5; ++i)
            page.countClick();
        QCOMPARE(page.clickCount(), kMaxFlag);
    }

    void returnPressesWeiterButNotOnZurueck()
    {
        PageRun r;
        WizardPage* page = r.open(1);
        auto* box = need<QLineEdit>(page, "txtSpielername");
        typeWithoutClick(box, QStringLiteral("Foo"));
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier); // the keypad's Enter
        QVERIFY(r.showing(2) && !page->isVisible());
        QCOMPARE(r.settings.SpielernameDone, Settings::Flag(1));
        QTest::keyClick(r.wizard.page(2)->focusWidget(), Qt::Key_Return);
        QVERIFY(r.showing(3) && r.settings.ConnectionDone == 1);
        auto* back = need<QPushButton>(r.wizard.page(3), "cmdZurueck3");
        back->setFocus(Qt::TabFocusReason);
        QTest::keyClick(back, Qt::Key_Return);
        QVERIFY(r.showing(2));
        QCOMPARE(r.settings.ConnectionDone, Settings::Flag(0));
    }

    // ---- player name page ------------------------------------------------

    void nameIsStoredWrappedOnce_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("plain") << "Foo";
        QTest::newRow("three blanks") << "   ";
        QTest::newRow("umlauts and euro") << "Jörg€";
        QTest::newRow("127 characters") << QString(127, QLatin1Char('x'));
    }
    void nameIsStoredWrappedOnce()
    {
        QFETCH(QString, typed);
        PageRun r;
        WizardPage* page = r.open(1);
        auto* box = need<QLineEdit>(page, "txtSpielername");
        clickAndType(box, typed);
        pressNext(page);
        const std::string wrapped = " \"" + typed.toStdString() + "\"";
        QCOMPARE(r.settings.Spielername, wrapped);
        QCOMPARE(r.settings.SpielernameDone, Settings::Flag(1));
        QVERIFY(r.showing(2) && !page->isVisible());
        // Back and Next without touching the box: still wrapped once, and
        // the box still shows the name as typed.
        pressBack(r.wizard.page(2));
        QCOMPARE(box->text(), typed);
        pressNext(page);
        QCOMPARE(r.settings.Spielername, wrapped);
        // Back, a click empties the box, a new name replaces the old one.
        pressBack(r.wizard.page(2));
        clickAndType(box, QStringLiteral("New"));
        pressNext(page);
        QCOMPARE(r.settings.Spielername, std::string(" \"New\""));
        QVERIFY(r.dialogs.messages.isEmpty());
    }

    // A refused Next stores nothing, keeps the Done flag, and hides and
    // shows the page again; the box keeps what it holds.
    void refusedNamesKeepWhatWasStored_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("emptied by a click") << QString();
        QTest::newRow("a quote that would end the value") << "x\";quit;\"";
        QTest::newRow("tab") << "a\tb";
        QTest::newRow("escape") << QStringLiteral("a\x1b");
        QTest::newRow("not in Windows-1252") << QStringLiteral("名前");
        QTest::newRow("128 characters") << QString(128, QLatin1Char('x'));
    }
    void refusedNamesKeepWhatWasStored()
    {
        QFETCH(QString, typed);
        PageRun r;
        WizardPage* page = r.open(1);
        auto* box = need<QLineEdit>(page, "txtSpielername");
        clickAndType(box, QStringLiteral("Foo"));
        pressNext(page);
        pressBack(r.wizard.page(2));
        HideCounter counter(page);
        // Keyboard entry, then either a click that empties the box or text
        // put there whole.
        typeWithoutClick(box, QStringLiteral("x"));
        if (typed.isEmpty())
            QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        else
            box->setText(typed);
        pressNext(page);
        const auto problem = typedTextProblem(typed.toStdString());
        QCOMPARE(r.dialogs.texts(), QStringList{typed.isEmpty() ? kNoName : QString::fromStdString(problem.value_or("accepted"))});
        QCOMPARE(r.dialogs.messages.first().title, QStringLiteral("Quorvix v0.3b"));
        QCOMPARE(r.settings.Spielername, std::string(" \"Foo\""));
        QCOMPARE(r.settings.SpielernameDone, Settings::Flag(1));
        QCOMPARE(counter.hides, 1);
        QVERIFY(page->isVisible() && !r.showing(2));
        QCOMPARE(box->text(), typed);
    }

    // ---- final page --------------------------------------------------------

    void finalPageMarksTheLastStepAndCountsFinishes()
    {
        PageRun r;
        QSignalSpy finished(&r.wizard, &Wizard::finished);
        WizardPage* page = r.open(11);
        QCOMPARE(r.settings.LastStep, Settings::Flag(11));
        QCOMPARE(r.settings.WizardDone, Settings::Flag(0));
        // The ex_ boxes only show their names, on the window's background.
        auto* box = need<QLineEdit>(page, "Text4");
        typeWithoutClick(box, QStringLiteral("9"));
        QCOMPARE(box->text(), QStringLiteral("ex_maxaccel "));
        QCOMPARE(box->palette().color(QPalette::Base), page->palette().color(QPalette::Window));
        pressNext(page);
        QCOMPARE(r.settings.WizardDone, Settings::Flag(1));
        QCOMPARE(finished.count(), 1);
        QVERIFY(r.wizard.page(11) && !r.showing(11)); // hidden, not closed
        // Every later finish counts too, up to the largest 16-bit value.
        r.settings.WizardDone = kMaxFlag - 1;
        for (int i = 0; i < 3; ++i)
            pressNext(r.open(11));
        QCOMPARE(r.settings.WizardDone, kMaxFlag);
        QVERIFY(r.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(WizardNavigationTest)
#include "tst_wizardnavigation.moc"
