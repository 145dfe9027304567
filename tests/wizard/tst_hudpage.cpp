#include "support/PageRun.h"
#include "wizard/TypedText.h"

#include <QCheckBox>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const QString kAllFields = QStringLiteral("Alle Felder müssen ausgefüllt werden!");
const char* const kBoxes[] = {"txtCfgHudDTN", "txtCfgHudChattime", "txtCfgHudKaufhis"};
constexpr std::string Settings::* kTexts[] = {
    &Settings::CfgHudDTN, &Settings::CfgHudChattime, &Settings::CfgHudKaufhis};

QLineEdit* box(WizardPage* page, int i) { return need<QLineEdit>(page, kBoxes[i]); }
QCheckBox* check(WizardPage* page, const char* name) { return need<QCheckBox>(page, name); }

// Texts stored by an earlier pass, to tell "kept" from "stored".
struct Run : PageRun {
    Run()
    {
        for (auto field : kTexts)
            settings.*field = "old";
    }
    QStringList texts() const
    {
        QStringList all;
        for (auto field : kTexts)
            all << QString::fromStdString(settings.*field);
        return all;
    }
};

void fillAll(WizardPage* page, const QStringList& typed, const QList<int>& clicks)
{
    for (int i = 0; i < 3; ++i)
        fillBox(box(page, i), typed[i], clicks[i]);
}

} // namespace

class HudPageTest : public QObject {
    Q_OBJECT
private slots:
    // Boxes are checked top to bottom, each stored once it passed; the
    // ticks are stored next and the click rule (three mouse clicks into the
    // boxes in all, repeats counting) decides last. Any non-empty text is
    // stored as typed, unless the config cannot carry it: then nothing of
    // that Next is stored, not even the boxes above it.
    void next_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("stored");
        using C = QList<int>;
        using T = QStringList;
        const T n{"5", "10", "7"};
        const C each{1, 1, 1};
        const QString quote = QString::fromStdString(*typedTextProblem("1\"2"));
        QTest::newRow("keyboard only") << n << C{0, 0, 0} << kAllFields << 3;
        QTest::newRow("two clicks") << n << C{1, 1, 0} << kAllFields << 3;
        QTest::newRow("three clicks into one box") << n << C{3, 0, 0} << "" << 3;
        QTest::newRow("one click per box") << n << each << "" << 3;
        QTest::newRow("blank, zero, comma") << T{" ", "0", "0,5"} << each << "" << 3;
        QTest::newRow("letters, umlaut") << T{"abc", "fünf", "x"} << each << "" << 3;
        QTest::newRow("death notices empty")
            << T{"", "10", "7"} << each << "Sie haben keine Deathnoticetime eingegeben!" << 0;
        QTest::newRow("chat and history empty")
            << T{"5", "", ""} << each << "Sie haben keine Chattime eingegeben!" << 1;
        QTest::newRow("history empty")
            << T{"5", "10", ""} << each << "Sie haben keine Drawhistorytime eingegeben!" << 2;
        QTest::newRow("quote in death notices") << T{"1\"2", "10", "7"} << each << quote << 0;
        QTest::newRow("quote in history") << T{"5", "10", "1\"2"} << each << quote << 0;
    }
    void next()
    {
        QFETCH(QStringList, typed);
        QFETCH(QList<int>, clicks);
        QFETCH(QString, message);
        QFETCH(int, stored);
        Run run;
        WizardPage* page = run.open(7);
        click(check(page, "chkCfgHudcenterid"));
        fillAll(page, typed, clicks);
        pressNext(page);

        const bool accepted = message.isEmpty();
        QCOMPARE(run.dialogs.texts(), accepted ? QStringList() : QStringList{message});
        if (!accepted)
            QCOMPARE(run.dialogs.messages[0].title, kTitle);
        QCOMPARE(run.settings.HudDone, accepted ? 1 : 0);
        QCOMPARE(page->isVisible(), !accepted);
        QCOMPARE(run.showing(8), accepted);
        QCOMPARE(run.settings.CfgHudcenterid, stored == 3 ? 1 : 0);
        QCOMPARE(run.texts(), typed.mid(0, stored) + QStringList(3 - stored, "old"));
    }

    // A flag ticked during a refused Next stays set after unticking, and a
    // click into a filled box empties it. Back on the net graph page clears
    // the flags but keeps boxes and clicks: Next passes without a new click.
    void refusedNextThenBackFromNetgraph()
    {
        Run run;
        WizardPage* page = run.open(7);
        click(check(page, "chkCfgHudFS"));
        fillAll(page, {"5", "10", "7"}, {0, 0, 0});
        pressNext(page);
        QCOMPARE(run.dialogs.texts(), QStringList{kAllFields});
        QCOMPARE(run.settings.CfgHudFS, 1);

        click(check(page, "chkCfgHudFS"));
        click(check(page, "chkCfgHudtakeshot"));
        fillBox(box(page, 1), {}, 1);
        pressNext(page);
        QCOMPARE(run.dialogs.texts().last(), QStringLiteral("Sie haben keine Chattime eingegeben!"));
        fillAll(page, {"5", "10", {}}, {1, 1, 0}); // third click in all
        pressNext(page);
        QCOMPARE(run.dialogs.messages.size(), 2);
        QCOMPARE(run.settings.HudDone, 1);
        QCOMPARE(run.settings.CfgHudFS, 1);
        QCOMPARE(run.settings.CfgHudtakeshot, 1);

        pressBack(run.wizard.page(8));
        QVERIFY(page->isVisible());
        pressNext(page);
        QCOMPARE(run.dialogs.messages.size(), 2);
        QCOMPARE(run.settings.HudDone, 1);
        QCOMPARE(run.settings.CfgHudFS, 0);
        QCOMPARE(run.settings.CfgHudtakeshot, 1);
        QCOMPARE(run.texts(), (QStringList{"5", "10", "7"}));
    }
};

QTEST_MAIN(HudPageTest)
#include "tst_hudpage.moc"
