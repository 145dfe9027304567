#include "support/PageRun.h"
#include "ui/ClickLineEdit.h"
#include "wizard/TypedText.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

using Field = Settings::Flag Settings::*;

const QString kAllFields = QStringLiteral("Alle Felder müssen ausgefüllt werden!");
const char* const kOptions[] = {"optCfgNgraph1",  "optCfgNgraph2",  "optCfgNgraph3",
                                "optCfgNgraphP1", "optCfgNgraphP2", "optCfgNgraphP3"};
constexpr Field kOptionFlags[] = {&Settings::CfgNgraph1,  &Settings::CfgNgraph2,
                                  &Settings::CfgNgraph3,  &Settings::CfgNgraphP1,
                                  &Settings::CfgNgraphP2, &Settings::CfgNgraphP3};

// Sizes stored by an earlier pass, to tell "kept" from "stored".
struct Run : PageRun {
    Run()
    {
        settings.CfgNetghight = "old-h";
        settings.CfgNetgwidth = "old-w";
    }
    // The six mode and position flags, in page order.
    QList<int> optionFlags() const
    {
        QList<int> flags;
        for (Field field : kOptionFlags)
            flags << settings.*field;
        return flags;
    }
};

QLineEdit* heightBox(WizardPage* page) { return need<QLineEdit>(page, "txtCfgNetghight"); }
QLineEdit* widthBox(WizardPage* page) { return need<QLineEdit>(page, "txtCfgNetgwidth"); }
QCheckBox* offBox(WizardPage* page) { return need<QCheckBox>(page, "chkCfgNgraphAus"); }
QRadioButton* option(WizardPage* page, int i) { return need<QRadioButton>(page, kOptions[i]); }

QList<int> flagsFor(std::initializer_list<int> chosen)
{
    QList<int> flags(6, 0);
    for (int i : chosen)
        flags[i] = 1;
    return flags;
}

} // namespace

class NetgraphPageTest : public QObject {
    Q_OBJECT
private slots:
    void controlsAreCaptionedAsWritten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
        const QString modes = QStringLiteral("frmCfgNetgSettings");
        const QString places = QStringLiteral("frmCfgNetgPos");
        QTest::newRow("off") << "chkCfgNgraphAus" << modes << "Netgraph Aus"
                             << "Netzwerk-/FPS-Statistiken wird ausgeschaltet.";
        QTest::newRow("mode 1") << "optCfgNgraph1" << modes << "Modus 1" << "grafisch";
        QTest::newRow("mode 2") << "optCfgNgraph2" << modes << "Modus 2" << "grafisch";
        QTest::newRow("mode 3") << "optCfgNgraph3" << modes << "Modus 3" << "Stats/Text";
        QTest::newRow("left") << "optCfgNgraphP1" << places << "Links" << "";
        QTest::newRow("centre") << "optCfgNgraphP2" << places << "Mitte" << "";
        QTest::newRow("right") << "optCfgNgraphP3" << places << "Rechts" << "";
        QTest::newRow("height") << "txtCfgNetghight" << "frmNetgraphhoehe"
                                << "Netgraph-Höhe (Standart: 64)" << "NetGraph-Höhe.";
        QTest::newRow("width") << "txtCfgNetgwidth" << "frmNetgraphBreite"
                               << "Netgraph-Breite (Standart: 150)" << "Breite des NetGraphs";
    }
    void controlsAreCaptionedAsWritten()
    {
        QFETCH(QString, name);
        QFETCH(QString, frame);
        QFETCH(QString, caption);
        QFETCH(QString, tooltip);
        Run run;
        WizardPage* page = run.open(8);
        QWidget* control = need<QWidget>(page, qPrintable(name));
        auto* group = need<QGroupBox>(page, qPrintable(frame));
        auto* outer = need<QGroupBox>(page, "frmCfgNetg");
        QCOMPARE(outer->title(), QStringLiteral("Netgraph Settings"));
        QCOMPARE(group->parentWidget(), outer);
        QCOMPARE(control->parentWidget(), group);
        QCOMPARE(control->toolTip(), tooltip);
        QVERIFY(!control->accessibleName().isEmpty());
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QCOMPARE(button->text(), caption);
            QVERIFY(!button->isChecked());
        } else {
            QCOMPARE(group->title(), caption);
            QVERIFY(qobject_cast<ClickLineEdit*>(control));
            QVERIFY(qobject_cast<QLineEdit*>(control)->text().isEmpty());
        }
    }

    // The off box on a row of its own above the three modes; modes and
    // positions each side by side, each position under a mode; the four
    // groups top to bottom.
    void rowsAndGroups()
    {
        Run run;
        WizardPage* page = run.open(8);
        QCOMPARE(need<QGroupBox>(page, "frmCfgNetgSettings")->title(),
                 QStringLiteral("Netgraph Modus Netzwerk- FPS-Statistiken "));
        QCOMPARE(need<QGroupBox>(page, "frmCfgNetgPos")->title(), QStringLiteral("Netgraph Position"));
        auto top = [page](QWidget* w) { return w->mapTo(page, QPoint(0, 0)).y(); };
        auto left = [page](QWidget* w) { return w->mapTo(page, QPoint(0, 0)).x(); };
        for (int first : {0, 3}) {
            for (int i = first + 1; i < first + 3; ++i) {
                QCOMPARE(top(option(page, i)), top(option(page, first)));
                QVERIFY(left(option(page, i)) > left(option(page, i - 1)));
            }
        }
        for (int i = 0; i < 3; ++i)
            QCOMPARE(left(option(page, i + 3)), left(option(page, i)));
        QVERIFY(top(offBox(page)) + offBox(page)->height() <= top(option(page, 0)));
        int above = -1;
        for (const char* frame :
             {"frmCfgNetgSettings", "frmCfgNetgPos", "frmNetgraphhoehe", "frmNetgraphBreite"}) {
            const int y = top(need<QWidget>(page, frame));
            QVERIFY2(y > above, frame);
            above = y;
        }
    }

    // Nothing is selected on a fresh page, focus selects nothing, and modes
    // and positions are two separate groups.
    void optionGroups()
    {
        Run run;
        WizardPage* page = run.open(8);
        QVERIFY(QTest::qWaitForWindowActive(page));
        for (int i = 0; i < 6; ++i) {
            option(page, i)->setFocus(Qt::TabFocusReason);
            QVERIFY(option(page, i)->hasFocus());
            QTest::keyClick(option(page, i), Qt::Key_Left);
        }
        for (int i = 0; i < 6; ++i)
            QVERIFY(!option(page, i)->isChecked());
        click(option(page, 0));
        click(option(page, 5));
        click(option(page, 2));
        QVERIFY(!option(page, 0)->isChecked());
        QVERIFY(option(page, 2)->isChecked());
        QVERIFY(option(page, 5)->isChecked());
    }

    // Ticking "Netgraph Aus" leaves at once and reads nothing else.
    void tickingOffMovesOn_data()
    {
        QTest::addColumn<bool>("choicesMade");
        QTest::newRow("fresh page") << false;
        QTest::newRow("mode, position and sizes chosen") << true;
    }
    void tickingOffMovesOn()
    {
        QFETCH(bool, choicesMade);
        Run run;
        WizardPage* page = run.open(8);
        if (choicesMade) {
            click(option(page, 1));
            click(option(page, 4));
            fillBox(heightBox(page), QStringLiteral("80"), 1);
            fillBox(widthBox(page), QStringLiteral("200"), 1);
        }
        click(offBox(page));

        QVERIFY(!page->isVisible());
        QVERIFY(run.showing(9));
        QCOMPARE(run.settings.CfgNgraphAus, 1);
        QCOMPARE(run.settings.NetgraphDone, 1);
        QCOMPARE(run.optionFlags(), flagsFor({}));
        QCOMPARE(run.settings.CfgNetghight, std::string("old-h"));
        QCOMPARE(run.settings.CfgNetgwidth, std::string("old-w"));
        QVERIFY(run.dialogs.messages.isEmpty());
    }

    // Back from the violence page with the box still ticked: Next takes the
    // same shortcut; unticking stores 0 and the page stays.
    void offBoxAfterComingBack()
    {
        Run run;
        WizardPage* page = run.open(8);
        click(offBox(page));
        pressBack(run.wizard.page(9));
        QCOMPARE(run.wizard.page(8), page);
        QVERIFY(page->isVisible() && offBox(page)->isChecked());
        QCOMPARE(run.settings.CfgNgraphAus, 0);
        QCOMPARE(run.settings.NetgraphDone, 0);

        click(option(page, 0));
        fillBox(heightBox(page), QStringLiteral("80"), 2);
        pressNext(page);
        QVERIFY(run.showing(9));
        QCOMPARE(run.settings.CfgNgraphAus, 1);
        QCOMPARE(run.settings.NetgraphDone, 1);
        QCOMPARE(run.optionFlags(), flagsFor({}));
        QCOMPARE(run.settings.CfgNetghight, std::string("old-h"));

        pressBack(run.wizard.page(9));
        click(offBox(page));
        QVERIFY(page->isVisible());
        QVERIFY(!run.showing(9));
        QCOMPARE(run.settings.CfgNgraphAus, 0);
        QCOMPARE(run.settings.NetgraphDone, 0);
        QVERIFY(run.dialogs.messages.isEmpty());

        pressNext(page);
        QVERIFY(run.showing(9));
        QCOMPARE(run.optionFlags(), flagsFor({0}));
        QCOMPARE(run.settings.CfgNetghight, std::string("80"));
    }

    // A later pass through the wizard finds the box ticked and the flag
    // still 1; unticking clears it.
    void untickingOnALaterPassClearsTheFlag()
    {
        Run run;
        WizardPage* page = run.open(8);
        click(offBox(page));
        run.wizard.hidePage(9);
        run.wizard.showPage(8);
        QCOMPARE(run.settings.CfgNgraphAus, 1);
        click(offBox(page));
        QCOMPARE(run.settings.CfgNgraphAus, 0);
        QVERIFY(page->isVisible());
    }

    // Two mouse clicks into the size boxes in all; the sizes are stored
    // whether or not the rule passes, an empty one as well.
    void clickRule_data()
    {
        QTest::addColumn<int>("heightClicks");
        QTest::addColumn<int>("widthClicks");
        QTest::addColumn<QString>("width");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("keyboard only") << 0 << 0 << "200" << false;
        QTest::newRow("one click") << 1 << 0 << "200" << false;
        QTest::newRow("two into height, width empty") << 2 << 0 << "" << true;
        QTest::newRow("one into each") << 1 << 1 << "200" << true;
    }
    void clickRule()
    {
        QFETCH(int, heightClicks);
        QFETCH(int, widthClicks);
        QFETCH(QString, width);
        QFETCH(bool, accepted);
        Run run;
        WizardPage* page = run.open(8);
        fillBox(heightBox(page), QStringLiteral("80"), heightClicks);
        fillBox(widthBox(page), width, widthClicks);
        pressNext(page);

        QCOMPARE(run.settings.CfgNetghight, std::string("80"));
        QCOMPARE(QString::fromStdString(run.settings.CfgNetgwidth), width);
        QCOMPARE(run.settings.NetgraphDone, accepted ? 1 : 0);
        QCOMPARE(run.showing(9), accepted);
        QCOMPARE(page->isVisible(), !accepted);
        if (accepted) {
            QVERIFY(run.dialogs.messages.isEmpty());
        } else {
            QCOMPARE(run.dialogs.messages.size(), 1);
            QCOMPARE(run.dialogs.messages[0].text, kAllFields);
            QCOMPARE(run.dialogs.messages[0].title, kTitle);
        }
        QCOMPARE(run.optionFlags(), flagsFor({}));
    }

    // A box still holding its frame's default text keeps the stored size;
    // the width is compared without its closing parenthesis.
    void defaultTextsKeepTheSize_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("stored");
        QTest::newRow("height caption") << "txtCfgNetghight" << "Netgraph-Höhe (Standart: 64)" << false;
        QTest::newRow("height caption cut short") << "txtCfgNetghight" << "Netgraph-Höhe (Standart: 64"
                                                  << true;
        QTest::newRow("width caption") << "txtCfgNetgwidth" << "Netgraph-Breite (Standart: 150)"
                                       << true;
        QTest::newRow("width caption cut short") << "txtCfgNetgwidth"
                                                 << "Netgraph-Breite (Standart: 150" << false;
    }
    void defaultTextsKeepTheSize()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, stored);
        Run run;
        WizardPage* page = run.open(8);
        fillBox(need<QLineEdit>(page, qPrintable(box)), typed, 2);
        pressNext(page);
        QCOMPARE(run.settings.NetgraphDone, 1);
        const std::string& field =
            box == QLatin1String("txtCfgNetghight") ? run.settings.CfgNetghight : run.settings.CfgNetgwidth;
        const std::string old = box == QLatin1String("txtCfgNetghight") ? "old-h" : "old-w";
        QCOMPARE(QString::fromStdString(field), stored ? typed : QString::fromStdString(old));
    }

    // A rejected Next has stored the chosen mode and position; choosing
    // others afterwards adds their flags without clearing the first.
    void flagsOfRejectedNextStaySet()
    {
        Run run;
        WizardPage* page = run.open(8);
        click(option(page, 0));
        click(option(page, 5));
        fillBox(heightBox(page), QStringLiteral("80"), 0);
        fillBox(widthBox(page), QStringLiteral("200"), 0);
        pressNext(page);
        QCOMPARE(run.dialogs.texts(), QStringList{kAllFields});
        QCOMPARE(run.optionFlags(), flagsFor({0, 5}));
        QCOMPARE(run.settings.NetgraphDone, 0);

        click(option(page, 1));
        click(option(page, 3));
        fillBox(heightBox(page), QStringLiteral("80"), 1);
        fillBox(widthBox(page), QStringLiteral("200"), 1);
        pressNext(page);
        QCOMPARE(run.settings.NetgraphDone, 1);
        QCOMPARE(run.optionFlags(), flagsFor({0, 1, 3, 5}));
    }

    // Back on the violence page clears this page's flags only; the page
    // comes back as left and passes the click rule without new clicks.
    void backFromViolenceKeepsChoicesAndClicks()
    {
        Run run;
        WizardPage* page = run.open(8);
        click(option(page, 2));
        click(option(page, 4));
        fillBox(heightBox(page), QStringLiteral("80"), 1);
        fillBox(widthBox(page), QStringLiteral("200"), 1);
        pressNext(page);
        QCOMPARE(run.optionFlags(), flagsFor({2, 4}));

        pressBack(run.wizard.page(9));
        QCOMPARE(run.optionFlags(), flagsFor({}));
        QCOMPARE(run.settings.NetgraphDone, 0);
        QCOMPARE(run.settings.CfgNetgwidth, std::string("200"));
        QVERIFY(page->isVisible());
        QVERIFY(option(page, 2)->isChecked() && option(page, 4)->isChecked());
        QCOMPARE(page->clickCount(), 2);

        pressNext(page);
        QVERIFY(run.dialogs.messages.isEmpty());
        QCOMPARE(run.settings.NetgraphDone, 1);
        QCOMPARE(run.optionFlags(), flagsFor({2, 4}));
    }

    // Back clears the HUD page's flags, not its texts nor anything earlier,
    // and leaves this page as if never touched.
    void backClearsHudFlagsOnly()
    {
        Run run;
        run.wizard.showPage(7);
        run.wizard.hidePage(7);
        Settings& s = run.settings;
        for (Field field : {&Settings::HudDone, &Settings::CfgHudcenterid, &Settings::CfgHudFS,
                            &Settings::CfgHudtakeshot, &Settings::ConsoleDone, &Settings::ColorCount})
            s.*field = 1;
        s.CfgHudDTN = "5";

        WizardPage* page = run.open(8);
        click(option(page, 0));
        fillBox(heightBox(page), QStringLiteral("80"), 1);
        pressBack(page);

        QCOMPARE(s.HudDone, 0);
        QCOMPARE(s.CfgHudcenterid, 0);
        QCOMPARE(s.CfgHudFS, 0);
        QCOMPARE(s.CfgHudtakeshot, 0);
        QCOMPARE(s.CfgHudDTN, std::string("5"));
        QCOMPARE(s.ConsoleDone, 1);
        QCOMPARE(s.ColorCount, 1);
        QVERIFY(run.showing(7));

        WizardPage* reloaded = run.wizard.page(8);
        QVERIFY(reloaded && reloaded != page && !reloaded->isVisible());
        QCOMPARE(reloaded->clickCount(), 0);
        QVERIFY(!option(reloaded, 0)->isChecked());
        QVERIFY(heightBox(reloaded)->text().isEmpty());
    }

    // A size the config cannot carry is refused before the mode or either
    // size is stored.
    void refusedTextStoresNothing_data()
    {
        QTest::addColumn<QString>("bad");
        QTest::newRow("double quote") << "150\" ; quit";
        QTest::newRow("line break") << "150\nquit";
        QTest::newRow("outside Windows-1252") << QStringLiteral("\u4e00");
        QTest::newRow("128 characters") << QString(128, QLatin1Char('9'));
    }
    void refusedTextStoresNothing()
    {
        QFETCH(QString, bad);
        Run run;
        WizardPage* page = run.open(8);
        click(option(page, 0));
        click(option(page, 3));
        fillBox(heightBox(page), QStringLiteral("80"), 1);
        clickAndType(widthBox(page), {});
        QGuiApplication::clipboard()->setText(bad);
        widthBox(page)->paste();
        pressNext(page);

        const auto problem = typedTextProblem(widthBox(page)->text().toStdString());
        QVERIFY(problem);
        QCOMPARE(run.dialogs.texts(), QStringList{QString::fromStdString(*problem)});
        QCOMPARE(run.dialogs.messages[0].title, kTitle);
        QVERIFY(page->isVisible());
        QCOMPARE(run.optionFlags(), flagsFor({}));
        QCOMPARE(run.settings.CfgNetghight, std::string("old-h"));
        QCOMPARE(run.settings.CfgNetgwidth, std::string("old-w"));
        QCOMPARE(run.settings.NetgraphDone, 0);
    }

    // The shortcut stores no size, so a size the check would refuse does
    // not hold it up.
    void offShortcutIgnoresTheSizes()
    {
        Run run;
        WizardPage* page = run.open(8);
        click(offBox(page));
        pressBack(run.wizard.page(9));
        fillBox(widthBox(page), QStringLiteral("1\"2"), 2);
        pressNext(page);
        QVERIFY(run.dialogs.messages.isEmpty());
        QVERIFY(run.showing(9));
        QCOMPARE(run.settings.CfgNetgwidth, std::string("old-w"));
    }
};

QTEST_MAIN(NetgraphPageTest)
#include "tst_netgraphpage.moc"
