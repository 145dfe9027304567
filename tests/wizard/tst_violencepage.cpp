#include "support/PageRun.h"

#include <QImage>
#include <QRadioButton>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

QRadioButton* bloodOn(WizardPage* page) { return need<QRadioButton>(page, "optCfgViolenceBlutan"); }
QRadioButton* bloodOff(WizardPage* page) { return need<QRadioButton>(page, "optCfgViolenceBlutaus"); }

// Whether any pixel of the rendered button is clearly red, as the
// caption's glyphs are when drawn in pure red.
bool drawnRed(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = image.pixelColor(x, y); c.red() > 180 && c.green() + c.blue() < 120)
                return true;
    return false;
}

} // namespace

class ViolencePageTest : public QObject {
    Q_OBJECT
private slots:
    void onlyBloodOnIsDrawnRed()
    {
        PageRun run;
        WizardPage* page = run.open(9);
        QVERIFY(drawnRed(bloodOn(page)));
        QVERIFY(!drawnRed(bloodOff(page)));
    }

    // Next has no check: only "Blut an", when it is the choice left
    // standing, sets the flag.
    void next_data()
    {
        QTest::addColumn<QStringList>("clicked");
        QTest::addColumn<int>("bloodFlag");
        QTest::newRow("no choice") << QStringList{} << 0;
        QTest::newRow("Blut an") << QStringList{"optCfgViolenceBlutan"} << 1;
        QTest::newRow("Blut aus") << QStringList{"optCfgViolenceBlutaus"} << 0;
        QTest::newRow("Blut an, then aus")
            << QStringList{"optCfgViolenceBlutan", "optCfgViolenceBlutaus"} << 0;
    }
    void next()
    {
        QFETCH(QStringList, clicked);
        QFETCH(int, bloodFlag);
        PageRun run;
        WizardPage* page = run.open(9);
        QVERIFY(!bloodOn(page)->isChecked() && !bloodOff(page)->isChecked());
        for (const QString& name : clicked)
            click(need<QRadioButton>(page, qPrintable(name)));
        pressNext(page);
        QCOMPARE(run.settings.CfgViolenceBlutan, bloodFlag);
        QCOMPARE(run.settings.ViolenceDone, 1);
        QVERIFY(!page->isVisible() && run.showing(10));
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
        QVERIFY(page->isVisible() && bloodOn(page)->isChecked());

        click(bloodOff(page));
        pressNext(page);
        QCOMPARE(run.settings.CfgViolenceBlutan, 0);
        QCOMPARE(run.settings.ViolenceDone, 1);
    }
};

QTEST_MAIN(ViolencePageTest)
#include "tst_violencepage.moc"
