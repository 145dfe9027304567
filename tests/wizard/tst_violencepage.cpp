#include "support/PageRun.h"

#include <QGroupBox>
#include <QImage>
#include <QRadioButton>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

QRadioButton* bloodOn(WizardPage* page) { return need<QRadioButton>(page, "optCfgViolenceBlutan"); }
QRadioButton* bloodOff(WizardPage* page) { return need<QRadioButton>(page, "optCfgViolenceBlutaus"); }

// Pixels of the rendered button that are clearly red, as the caption's
// glyphs are when drawn in pure red.
int redPixels(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 90 && c.blue() < 90)
                ++count;
        }
    }
    return count;
}

} // namespace

class ViolencePageTest : public QObject {
    Q_OBJECT
private slots:
    void optionsSideBySideInTheBloodFrame()
    {
        PageRun run;
        WizardPage* page = run.open(9);
        auto* outer = need<QGroupBox>(page, "frmCfgViolence");
        auto* blood = need<QGroupBox>(page, "frmCfgViolenceBlut");
        QCOMPARE(outer->title(), QStringLiteral("Violence Settings"));
        QCOMPARE(blood->title(), QStringLiteral("Blut"));
        QCOMPARE(blood->parentWidget(), outer);
        QCOMPARE(bloodOn(page)->parentWidget(), blood);
        QCOMPARE(bloodOff(page)->parentWidget(), blood);
        QCOMPARE(bloodOn(page)->text(), QStringLiteral("Blut an"));
        QCOMPARE(bloodOff(page)->text(), QStringLiteral("Blut aus"));
        QCOMPARE(bloodOn(page)->y(), bloodOff(page)->y());
        QVERIFY(bloodOn(page)->x() < bloodOff(page)->x());
        QVERIFY(!bloodOn(page)->accessibleName().isEmpty());
        QVERIFY(!bloodOff(page)->accessibleName().isEmpty());
    }

    // "Blut an" is drawn in red, "Blut aus" is not.
    void bloodOnCaptionIsRed()
    {
        PageRun run;
        WizardPage* page = run.open(9);
        QCOMPARE(bloodOn(page)->palette().color(bloodOn(page)->foregroundRole()), QColor(255, 0, 0));
        QVERIFY(redPixels(bloodOn(page)) > 0);
        QCOMPARE(redPixels(bloodOff(page)), 0);
    }

    void nothingSelectedOnOpenNorByFocus()
    {
        PageRun run;
        WizardPage* page = run.open(9);
        QVERIFY(QTest::qWaitForWindowActive(page));
        for (QRadioButton* option : {bloodOn(page), bloodOff(page)}) {
            option->setFocus(Qt::TabFocusReason);
            QTest::keyClick(option, Qt::Key_Right);
        }
        QVERIFY(!bloodOn(page)->isChecked());
        QVERIFY(!bloodOff(page)->isChecked());
        click(bloodOn(page));
        click(bloodOff(page));
        QVERIFY(!bloodOn(page)->isChecked());
    }

    // Next has no check: only "Blut an" sets the flag.
    void next_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("bloodFlag");
        QTest::newRow("no choice") << "" << 0;
        QTest::newRow("Blut an") << "optCfgViolenceBlutan" << 1;
        QTest::newRow("Blut aus") << "optCfgViolenceBlutaus" << 0;
    }
    void next()
    {
        QFETCH(QString, choice);
        QFETCH(int, bloodFlag);
        PageRun run;
        WizardPage* page = run.open(9);
        if (!choice.isEmpty())
            click(need<QRadioButton>(page, qPrintable(choice)));
        pressNext(page);
        QCOMPARE(run.settings.CfgViolenceBlutan, bloodFlag);
        QCOMPARE(run.settings.ViolenceDone, 1);
        QVERIFY(!page->isVisible());
        QVERIFY(run.showing(10));
        QVERIFY(run.dialogs.messages.isEmpty());
    }

    // Back on the setinfo page clears the flag; the page keeps the choice
    // and Next stores whatever is chosen then.
    void choiceChangedAfterBack()
    {
        PageRun run;
        WizardPage* page = run.open(9);
        click(bloodOn(page));
        pressNext(page);
        pressBack(run.wizard.page(10));
        QCOMPARE(run.settings.CfgViolenceBlutan, 0);
        QCOMPARE(run.settings.ViolenceDone, 0);
        QVERIFY(page->isVisible());
        QVERIFY(bloodOn(page)->isChecked());

        click(bloodOff(page));
        pressNext(page);
        QCOMPARE(run.settings.CfgViolenceBlutan, 0);
        QCOMPARE(run.settings.ViolenceDone, 1);
    }

    // Back clears the net graph page's flags only; its sizes, the HUD
    // flags and this page's controls are left as they were or reset.
    void backClearsNetgraphFlagsOnly()
    {
        PageRun run;
        run.wizard.showPage(8);
        run.wizard.hidePage(8);
        Settings& s = run.settings;
        const auto netgraph = {&Settings::NetgraphDone, &Settings::CfgNgraphAus, &Settings::CfgNgraph1,
                               &Settings::CfgNgraph2,   &Settings::CfgNgraph3,   &Settings::CfgNgraphP1,
                               &Settings::CfgNgraphP2,  &Settings::CfgNgraphP3};
        for (auto field : netgraph)
            s.*field = 1;
        s.HudDone = 1;
        s.CfgHudFS = 1;
        s.CfgNetghight = "80";

        WizardPage* page = run.open(9);
        click(bloodOn(page));
        pressBack(page);
        for (auto field : netgraph)
            QCOMPARE(s.*field, 0);
        QCOMPARE(s.HudDone, 1);
        QCOMPARE(s.CfgHudFS, 1);
        QCOMPARE(s.CfgNetghight, std::string("80"));
        QVERIFY(run.showing(8));
        WizardPage* reloaded = run.wizard.page(9);
        QVERIFY(reloaded && reloaded != page && !reloaded->isVisible());
        QVERIFY(!bloodOn(reloaded)->isChecked());
    }
};

QTEST_MAIN(ViolencePageTest)
#include "tst_violencepage.moc"
