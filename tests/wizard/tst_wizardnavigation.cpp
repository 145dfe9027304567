#include "support/PageRun.h"
#include "ui/ClickLineEdit.h"
#include "wizard/pages/Wizard.h"
#include "wizard/pages/WizardPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <limits>
#include <vector>

using namespace quorvix;
using namespace quorvix::test;

namespace {

using Field = Settings::Flag Settings::*;
using S = Settings;

struct PageRow {
    const char* window;
    const char* caption;
    const char* step;
    const char* next;
    const char* back;
    std::vector<Field> loadSet;
};

// The eleven pages as the user meets them; load sets typed from the page
// descriptions, not taken from the program's own table.
const std::vector<PageRow>& pages()
{
    static const std::vector<PageRow> rows = {
        {"Spielername", "Nick Schritt: ( 1 von 11 )", "1. Nick", "cmdWeiter1", nullptr,
         {&S::SpielernameDone}},
        {"Connection", "Connection Schritt ( 2 von 11 )", "2. Connection", "cmdWeiter2",
         "cmdZurueck2",
         {&S::ConnectionDone, &S::CfgLAN, &S::CfgStandleitung, &S::CfgADSLfp, &S::CfgDSL,
          &S::CfgADSLCableAOL, &S::CfgQDSL, &S::CfgSDSL256, &S::CfgDualISDN, &S::CfgISDN,
          &S::CfgModem, &S::CfgDownL}},
        {"Video", "Video Schritt ( 3 von 11 )", "3. Video", "cmdWeiter3", "cmdZurueck3",
         {&S::VideoDone, &S::CfgVidBest, &S::CfgVidMittel, &S::CfgVMMX, &S::CfgVPrecache,
          &S::CfgVBUP, &S::CfgVZtrick}},
        {"Sound", "Sound Schritt ( 4 von 11 )", "4. Sound", "cmdWeiter4", "cmdZurueck4",
         {&S::CfgEAX, &S::CfgSoundHLV, &S::CfgSoundSoundprob, &S::CfgSoundHighQ}},
        {"maus", "Maus Schritt ( 5 von 11 )", "5. Maus", "cmdWeiter5", "cmdZurueck5",
         {&S::mausDone, &S::CfgMausFilter}},
        {"Console", "Console Schritt ( 6 von 11 )", "6. Console", "cmdWeiter7", "cmdZurueck6",
         {&S::ColorCount, &S::ConsoleDone, &S::CfgCWeiss, &S::CfgCBlau, &S::CfgCRot,
          &S::CfgCGruen, &S::CfgCGS, &S::CfgCdev}},
        {"Hud", "Hud Schritt ( 7 von 11 )", "7. Hud", "cmdWeiter7", "cmdZurueck7",
         {&S::HudDone, &S::CfgHudcenterid, &S::CfgHudFS, &S::CfgHudtakeshot}},
        {"Netgraph", "Netgraph Schritt ( 8 von 11 )", "8. Netgraph", "cmdWeiter8", "cmdZurueck8",
         {&S::NetgraphDone, &S::CfgNgraphAus, &S::CfgNgraph1, &S::CfgNgraph2, &S::CfgNgraph3,
          &S::CfgNgraphP1, &S::CfgNgraphP2, &S::CfgNgraphP3}},
        {"Violence", "Violence Schritt ( 9 von 11 )", "9. Violence", "cmdWeiter9", "cmdZurueck9",
         {&S::ViolenceDone, &S::CfgViolenceBlutan}},
        {"Setinfo", "Setinfo Schritt ( 10 von 11 )", "10. Setinfo", "cmdWeiter11",
         "cmdZurueck10",
         {&S::SetinfoDone, &S::CfgHelpM, &S::CfgMapbrief, &S::Cfgfrendm, &S::CfgVGUI,
          &S::CfgLeftHand, &S::CfgdynChr, &S::CfgAutoWS}},
        {"ex", "ex_ only 4 1337 h4xX0r$  ^^ Schritt ( 11 von 11 )", "11. ex_h4xX0r",
         "cmdWeiter11", "cmdZurueck11", {}},
    };
    return rows;
}

// Every flag and counter of the record.
std::vector<Field> allFlags()
{
    std::vector<Field> all = {&S::WizardDone, &S::MakeCount, &S::LastStep, &S::SoundDone};
    for (const PageRow& row : pages())
        all.insert(all.end(), row.loadSet.begin(), row.loadSet.end());
    return all;
}

void setAll(Settings& settings)
{
    for (Field field : allFlags())
        settings.*field = 1;
}

bool contains(const std::vector<Field>& fields, Field field)
{
    for (Field f : fields)
        if (f == field)
            return true;
    return false;
}

// Names of the flags whose value differs from what `zeroed` predicts.
QStringList wrongFlags(const Settings& settings, const std::vector<Field>& zeroed)
{
    QStringList wrong;
    const auto all = allFlags();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Settings::Flag expected = contains(zeroed, all[i]) ? 0 : 1;
        if (settings.*all[i] != expected)
            wrong << QStringLiteral("flag #%1 is %2").arg(i).arg(settings.*all[i]);
    }
    return wrong;
}

// A page as the base makes it, with one counting text box.
class ProbePage : public WizardPage {
public:
    ProbePage(Settings& settings, Wizard& wizard, UserDialogs& dialogs)
        : WizardPage(7, settings, wizard, dialogs)
    {
        box = makeClickBox(QStringLiteral("txtProbe"), true);
        contentLayout()->addWidget(box);
    }
    using WizardPage::countClick;
    ClickLineEdit* box;

protected:
    void next() override {}
};

using Harness = PageRun;

} // namespace

class WizardNavigationTest : public QObject {
    Q_OBJECT
private slots:
    void everyPageHasItsCaptionStepsAndButtons_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 11; ++n)
            QTest::newRow(pages()[n - 1].window) << n;
    }
    void everyPageHasItsCaptionStepsAndButtons()
    {
        QFETCH(int, n);
        const PageRow& row = pages()[n - 1];
        Harness h;
        h.wizard.showPage(n);
        WizardPage* page = h.wizard.page(n);
        QVERIFY(page);
        QCOMPARE(page->objectName(), QString::fromLatin1(row.window));
        QCOMPARE(page->windowTitle(), QString::fromUtf8(row.caption));
        QVERIFY(!page->accessibleName().isEmpty());

        auto* panel = child<QGroupBox>(page, QStringLiteral("frmStatus"));
        QVERIFY(panel);
        QCOMPARE(panel->title(), QStringLiteral("Status"));
        int previousTop = -1;
        for (int step = 1; step <= 11; ++step) {
            auto* label = child<QLabel>(panel, QStringLiteral("lbl%1").arg(step));
            QVERIFY(label);
            QCOMPARE(label->text(), QString::fromUtf8(pages()[step - 1].step));
            QCOMPARE(label->font().bold(), step == n);
            QCOMPARE(label->font().pointSizeF(), panel->font().pointSizeF());
            QVERIFY(label->geometry().top() > previousTop);
            previousTop = label->geometry().top();
        }

        auto* next = child<QPushButton>(page, QString::fromLatin1(row.next));
        QVERIFY(next);
        QCOMPARE(next->text(), QStringLiteral("Weiter"));
        QVERIFY(!next->accessibleName().isEmpty());
        // The step panel stands at the right-hand edge, right of the buttons.
        const QRect panelBox = panel->geometry();
        QVERIFY(panelBox.left() > page->width() / 2);
        QVERIFY(page->width() - panelBox.right() < 30);
        QVERIFY(next->geometry().right() < panelBox.left());
        if (row.back) {
            auto* back = child<QPushButton>(page, QString::fromLatin1(row.back));
            QVERIFY(back);
            QCOMPARE(back->text(), QStringLiteral("Zurück"));
            QCOMPARE(back->geometry().top(), next->geometry().top());
            QVERIFY(next->geometry().right() < back->geometry().left());
        } else {
            QCOMPARE(page->findChildren<QPushButton*>().size(), 1);
        }
        // The buttons sit below every other control of the page.
        for (QWidget* control : page->findChildren<QWidget*>()) {
            if (control == next || panel->isAncestorOf(control) || control == panel
                || control->inherits("QPushButton") || !control->isVisible())
                continue;
            const QPoint bottom = control->mapTo(page, QPoint(0, control->height()));
            QVERIFY2(bottom.y() <= next->geometry().top(), qPrintable(control->objectName()));
        }
    }

    void loadingAPageClearsItsLoadSet_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 11; ++n)
            QTest::newRow(pages()[n - 1].window) << n;
    }
    void loadingAPageClearsItsLoadSet()
    {
        QFETCH(int, n);
        Harness h;
        setAll(h.settings);
        h.wizard.showPage(n);
        std::vector<Field> zeroed = pages()[n - 1].loadSet;
        if (n == 11) {
            QCOMPARE(h.settings.LastStep, Settings::Flag(11));
            h.settings.LastStep = 1;
        }
        QCOMPARE(wrongFlags(h.settings, zeroed), QStringList());
        // Showing it again (it was only hidden) does not load it again.
        setAll(h.settings);
        h.wizard.hidePage(n);
        h.wizard.showPage(n);
        QCOMPARE(wrongFlags(h.settings, {}), QStringList());
    }

    void backClearsThePreviousPageAndReloadsThisOne_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 2; n <= 11; ++n)
            QTest::newRow(pages()[n - 1].window) << n;
    }
    void backClearsThePreviousPageAndReloadsThisOne()
    {
        QFETCH(int, n);
        Harness h;
        h.wizard.showPage(n - 1);
        h.wizard.hidePage(n - 1);
        h.wizard.showPage(n);
        QPointer<WizardPage> before = h.wizard.page(n);
        setAll(h.settings);
        h.settings.Spielername = " \"kept\"";
        pressBack(h.wizard.page(n));

        // Back on page 2 leaves page 1 alone; elsewhere the previous page's
        // load set goes to 0. The reload of this page clears its own set.
        std::vector<Field> zeroed = pages()[n - 1].loadSet;
        if (n > 2) {
            const auto& previous = pages()[n - 2].loadSet;
            zeroed.insert(zeroed.end(), previous.begin(), previous.end());
        }
        if (n == 11) {
            QCOMPARE(h.settings.LastStep, Settings::Flag(11));
            h.settings.LastStep = 1;
        }
        QCOMPARE(wrongFlags(h.settings, zeroed), QStringList());
        QCOMPARE(h.settings.Spielername, std::string(" \"kept\""));
        QVERIFY(before.isNull());
        QVERIFY(h.wizard.page(n));
        QVERIFY(!h.wizard.page(n)->isVisible());
        QCOMPARE(h.wizard.page(n)->clickCount(), Settings::Flag(0));
        QVERIFY(h.wizard.page(n - 1)->isVisible());
        QCOMPARE(h.wizard.visiblePage(), h.wizard.page(n - 1));
    }

    void rejectedNextKeepsTheDoneFlag()
    {
        Harness h;
        h.wizard.showPage(1);
        auto* name = child<QLineEdit>(h.wizard.page(1), QStringLiteral("txtSpielername"));
        clickAndType(name, QStringLiteral("Foo"));
        pressNext(h.wizard.page(1));
        pressBack(h.wizard.page(2));
        QCOMPARE(h.settings.SpielernameDone, Settings::Flag(1));
        // A click empties the box; the refused Next leaves the flag as it was.
        QTest::mouseClick(name, Qt::LeftButton, {}, name->rect().center());
        pressNext(h.wizard.page(1));
        QCOMPARE(h.dialogs.texts(), QStringList{QStringLiteral("Sie haben kein Spielername eingeben!")});
        QCOMPARE(h.settings.SpielernameDone, Settings::Flag(1));
        QCOMPARE(h.settings.Spielername, std::string(" \"Foo\""));
        QVERIFY(h.wizard.page(1)->isVisible());
        QVERIFY(!h.wizard.page(2)->isVisible());
    }

    void onlyAMouseClickEmptiesAndCounts()
    {
        Harness h;
        ProbePage page(h.settings, h.wizard, h.dialogs);
        page.show();
        typeWithoutClick(page.box, QStringLiteral("12"));
        QCOMPARE(page.box->text(), QStringLiteral("12"));
        QCOMPARE(page.clickCount(), Settings::Flag(0));
        page.box->setText(QStringLiteral("set by the program"));
        QCOMPARE(page.clickCount(), Settings::Flag(0));
        QTest::mouseClick(page.box, Qt::LeftButton, {}, page.box->rect().center());
        QVERIFY(page.box->text().isEmpty());
        QCOMPARE(page.clickCount(), Settings::Flag(1));
        // Three clicks into one box are three clicks.
        clickAndType(page.box, QStringLiteral("a"));
        clickAndType(page.box, QStringLiteral("b"));
        QCOMPARE(page.box->text(), QStringLiteral("b"));
        QCOMPARE(page.clickCount(), Settings::Flag(3));
        // A right click is no click of the box.
        QTest::mouseClick(page.box, Qt::RightButton, {}, page.box->rect().center());
        QCOMPARE(page.box->text(), QStringLiteral("b"));
        QCOMPARE(page.clickCount(), Settings::Flag(3));
        page.loadReset();
        QCOMPARE(page.clickCount(), Settings::Flag(0));
    }

    void clickCounterSaturatesAt16Bits()
    {
        Harness h;
        ProbePage page(h.settings, h.wizard, h.dialogs);
        for (int i = 0; i < std::numeric_limits<Settings::Flag>::max() + 5; ++i)
            page.countClick();
        QCOMPARE(page.clickCount(), std::numeric_limits<Settings::Flag>::max());
    }

};

QTEST_MAIN(WizardNavigationTest)
#include "tst_wizardnavigation.moc"
