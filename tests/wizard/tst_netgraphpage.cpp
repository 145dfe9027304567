#include "support/PageRun.h"
#include "wizard/TypedText.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const QString kAllFields = QStringLiteral("Alle Felder müssen ausgefüllt werden!");
// The three modes, then the three positions.
const char* const kOptions[] = {"optCfgNgraph1",  "optCfgNgraph2",  "optCfgNgraph3",
                                "optCfgNgraphP1", "optCfgNgraphP2", "optCfgNgraphP3"};
constexpr Settings::Flag Settings::* kOptionFlags[] = {
    &Settings::CfgNgraph1,  &Settings::CfgNgraph2,  &Settings::CfgNgraph3,
    &Settings::CfgNgraphP1, &Settings::CfgNgraphP2, &Settings::CfgNgraphP3};

QCheckBox* offBox(WizardPage* page) { return need<QCheckBox>(page, "chkCfgNgraphAus"); }
QRadioButton* option(WizardPage* page, int i) { return need<QRadioButton>(page, kOptions[i]); }

// Sizes stored by an earlier pass, to tell "kept" from "stored".
struct Run : PageRun {
    Run()
    {
        settings.CfgNetghight = "old-h";
        settings.CfgNetgwidth = "old-w";
    }
    // The indexes of the mode and position flags that are set.
    QList<int> optionFlags() const
    {
        QList<int> set;
        for (int i = 0; i < 6; ++i)
            if (settings.*kOptionFlags[i])
                set << i;
        return set;
    }
    QStringList sizes() const
    {
        return {QString::fromStdString(settings.CfgNetghight),
                QString::fromStdString(settings.CfgNetgwidth)};
    }
};

void fillSizes(WizardPage* page, int heightClicks, const QString& height, int widthClicks,
               const QString& width)
{
    fillBox(need<QLineEdit>(page, "txtCfgNetghight"), height, heightClicks);
    fillBox(need<QLineEdit>(page, "txtCfgNetgwidth"), width, widthClicks);
}

} // namespace

class NetgraphPageTest : public QObject {
    Q_OBJECT
private slots:
    // Mode, sizes and position are stored before the click rule (two mouse
    // clicks into the size boxes in all) decides. A box still holding its
    // default text keeps the stored size; the width's default is compared
    // without its closing parenthesis. A size the config cannot carry is
    // refused before the mode or either size is stored.
    void next_data()
    {
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("stored");
        using C = QList<int>;
        using T = QStringList;
        const T sizes{"80", "200"};
        const QString height = QStringLiteral("Netgraph-Höhe (Standart: 64)");
        const QString width = QStringLiteral("Netgraph-Breite (Standart: 150)");
        const QString quote = QString::fromStdString(*typedTextProblem("1\"2"));
        const T old{"old-h", "old-w"};
        QTest::newRow("keyboard only") << C{0, 5} << C{0, 0} << sizes << kAllFields << sizes;
        QTest::newRow("one click") << C{2, 3} << C{1, 0} << sizes << kAllFields << sizes;
        QTest::newRow("one click into each") << C{1, 4} << C{1, 1} << sizes << "" << sizes;
        QTest::newRow("nothing chosen, width empty") << C{} << C{2, 0} << T{"80", ""} << ""
                                                     << T{"80", ""};
        QTest::newRow("height default") << C{} << C{2, 0} << T{height, "1"} << "" << T{"old-h", "1"};
        QTest::newRow("height default cut short") << C{} << C{2, 0} << T{height.chopped(1), "1"}
                                                  << "" << T{height.chopped(1), "1"};
        QTest::newRow("width in full") << C{} << C{0, 2} << T{"1", width} << "" << T{"1", width};
        QTest::newRow("width default") << C{} << C{0, 2} << T{"1", width.chopped(1)} << ""
                                       << T{"1", "old-w"};
        QTest::newRow("quote in height") << C{0, 3} << C{1, 1} << T{"1\"2", "1"} << quote << old;
        QTest::newRow("quote in width") << C{0, 3} << C{1, 1} << T{"1", "1\"2"} << quote << old;
    }
    void next()
    {
        QFETCH(QList<int>, chosen);
        QFETCH(QList<int>, clicks);
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(QStringList, stored);
        const bool accepted = message.isEmpty();
        Run run;
        WizardPage* page = run.open(8);
        for (int i = 0; i < 6; ++i)
            QVERIFY(!option(page, i)->isChecked());
        for (int i : chosen)
            click(option(page, i));
        fillSizes(page, clicks[0], typed[0], clicks[1], typed[1]);
        pressNext(page);

        QCOMPARE(run.dialogs.texts(), accepted ? QStringList() : QStringList{message});
        if (!accepted)
            QCOMPARE(run.dialogs.messages[0].title, kTitle);
        QCOMPARE(run.settings.NetgraphDone, accepted ? 1 : 0);
        QCOMPARE(page->isVisible(), !accepted);
        QCOMPARE(run.showing(9), accepted);
        // Only the click rule refuses after the choices were stored.
        QCOMPARE(run.optionFlags(), accepted || message == kAllFields ? chosen : QList<int>());
        QCOMPARE(run.sizes(), stored);
    }

    // Ticking "Netgraph Aus" on a fresh page leaves at once. Back from the
    // violence page with the box still ticked, Next takes the same shortcut
    // and reads nothing else, not even a size the text check would refuse.
    // Unticking stores 0 and the page stays.
    void offBoxShortcut()
    {
        Run run;
        WizardPage* page = run.open(8);
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 0) {
                click(offBox(page));
            } else {
                pressBack(run.wizard.page(9));
                QVERIFY(page->isVisible() && offBox(page)->isChecked());
                click(option(page, 4));
                fillSizes(page, 1, QStringLiteral("80"), 1, QStringLiteral("1\"2"));
                pressNext(page);
            }
            QVERIFY(!page->isVisible() && run.showing(9));
            QCOMPARE(run.settings.CfgNgraphAus, 1);
            QCOMPARE(run.settings.NetgraphDone, 1);
            QCOMPARE(run.optionFlags(), QList<int>());
            QCOMPARE(run.sizes(), (QStringList{"old-h", "old-w"}));
        }
        pressBack(run.wizard.page(9));
        click(offBox(page));
        QVERIFY(page->isVisible() && !run.showing(9));
        QCOMPARE(run.settings.CfgNgraphAus, 0);
        QVERIFY(run.dialogs.messages.isEmpty());
    }

    // A refused Next has stored the chosen mode and position; others chosen
    // afterwards add their flags. Back on the violence page clears them
    // only; the page comes back as left and passes without new clicks.
    void refusedNextThenBackFromViolence()
    {
        Run run;
        WizardPage* page = run.open(8);
        click(option(page, 0));
        click(option(page, 5));
        pressNext(page);
        QCOMPARE(run.dialogs.texts(), QStringList{kAllFields});
        QCOMPARE(run.optionFlags(), (QList<int>{0, 5}));

        click(option(page, 1));
        click(option(page, 3));
        fillSizes(page, 1, QStringLiteral("80"), 1, QStringLiteral("200"));
        pressNext(page);
        QCOMPARE(run.settings.NetgraphDone, 1);
        QCOMPARE(run.optionFlags(), (QList<int>{0, 1, 3, 5}));

        pressBack(run.wizard.page(9));
        QVERIFY(page->isVisible());
        pressNext(page);
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.settings.NetgraphDone, 1);
        QCOMPARE(run.optionFlags(), (QList<int>{1, 3}));
        QCOMPARE(run.sizes(), (QStringList{"80", "200"}));
    }
};

QTEST_MAIN(NetgraphPageTest)
#include "tst_netgraphpage.moc"
