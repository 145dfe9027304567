#include "common/SettingsFields.h"
#include "support/FileBytes.h"
#include "support/PageDriver.h"
#include "support/ScriptedDialogs.h"
#include "wizard/pages/Wizard.h"
#include "wizard/pages/WizardPage.h"

#include <QPointer>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;
using quorvix::testing::kAllFlags;
using quorvix::testing::kAllTexts;

namespace {

// A text field the test never set: what a Next did not store stays so.
const std::string kUntouched = "-";

// A fresh record, scripted dialogs and a wizard on them, for one test.
struct PageRun { Settings settings; ScriptedDialogs dialogs; Wizard wizard{settings, dialogs}; };

// The record as a short text: every flag that is not 0 (with its value when not 1), then every text a page stored, in
// brackets.
QString stored(const Settings& s)
{
    QStringList out;
    for (const auto& f : kAllFlags)
        if (s.*f.field)
            out << QString::fromLatin1(f.name) + (s.*f.field == 1 ? QString() : QStringLiteral("=%1").arg(s.*f.field));
    for (const auto& t : kAllTexts)
        if (s.*t.field != kUntouched)
            out << QStringLiteral("%1[%2]").arg(QLatin1String(t.name), QString::fromStdString(s.*t.field));
    return out.join(' ');
}

// Every flag set to `flag` except those named in `zeroed`, every text untouched.
void fill(Settings& s, Settings::Flag flag, const QStringList& zeroed = {})
{
    for (const auto& f : kAllFlags)
        s.*f.field = zeroed.contains(QLatin1String(f.name)) ? 0 : flag;
    for (const auto& t : kAllTexts)
        s.*t.field = kUntouched;
}

// Every flag set to 1 except those named in `zeroed`, as stored() shows it.
QString allBut(const QStringList& zeroed, int lastStep = 1)
{
    Settings s;
    fill(s, 1, zeroed);
    s.LastStep = Settings::Flag(lastStep);
    return stored(s);
}

// The blocks of a data file, each as its "key: value" lines in order.
QList<QList<std::pair<QString, QString>>> blocks(const char* file)
{
    QList<QList<std::pair<QString, QString>>> all(1);
    for (const QString& line : QString::fromUtf8(testData(QString::fromLatin1(file))).split('\n')) {
        if (line.isEmpty() && !all.last().isEmpty())
            all.emplace_back();
        else if (!line.isEmpty() && !line.startsWith('#'))
            all.last().append({line.section(QStringLiteral(": "), 0, 0), line.section(QStringLiteral(": "), 1)});
    }
    all.removeIf([](const auto& block) { return block.isEmpty(); });
    return all;
}

} // namespace

class PagesTest : public QObject {
    Q_OBJECT
private slots:
    void scenario_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("showing");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("record");
        for (const auto& block : blocks("wizard/scenarios.txt")) {
            QMap<QString, QString> field;
            QStringList messages;
            for (const auto& [key, value] : block)
                key == QLatin1String("says") ? void(messages << value) : void(field[key] = value);
            QTest::newRow(qPrintable(field["name"]))
                << field["do"] << field["shows"].toInt() << messages << field["keeps"];
        }
    }
    void scenario()
    {
        QFETCH(QString, script);
        QFETCH(int, showing);
        QFETCH(QStringList, messages);
        QFETCH(QString, record);
        PageRun r;
        fill(r.settings, 0);
        QCOMPARE(play(r.wizard, r.settings, script), QString());
        QCOMPARE(r.dialogs.texts(kTitle), messages);
        QCOMPARE(stored(r.settings), record);
        WizardPage* visible = r.wizard.visiblePage();
        QCOMPARE(visible ? visible->pageNumber() : 0, showing);
    }

    // Opening a page clears its load set, once; Back clears the previous page's set (page 2's Back leaves page 1 alone)
    // and reloads the page. The sets are typed from the page descriptions, not taken from the program's own table.
    void loadAndBackClearTheirSets_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 11; ++n)
            QTest::addRow("page %d", n) << n;
    }
    void loadAndBackClearTheirSets()
    {
        QFETCH(int, n);
        const auto sets = blocks("wizard/loadsets.txt");
        QCOMPARE(sets.size(), 11);
        const auto set = [&sets](int page) { return sets[page - 1].value(0).second.split(' ', Qt::SkipEmptyParts); };
        PageRun r;
        // The page before exists already, as when the player came from it.
        if (n > 1) {
            r.wizard.showPage(n - 1);
            r.wizard.hidePage(n - 1);
        }
        fill(r.settings, 1);
        r.wizard.showPage(n);
        QCOMPARE(stored(r.settings), allBut(set(n), n == 11 ? 11 : 1));
        fill(r.settings, 1);
        r.wizard.hidePage(n);
        r.wizard.showPage(n);
        QCOMPARE(stored(r.settings), allBut({}));
        if (n == 1)
            return;
        QPointer<WizardPage> before = r.wizard.page(n);
        pressBack(before);
        QCOMPARE(stored(r.settings), allBut(set(n) + (n > 2 ? set(n - 1) : QStringList()), n == 11 ? 11 : 1));
        QVERIFY(before.isNull() && r.wizard.page(n) && !r.wizard.page(n)->isVisible());
        QCOMPARE(r.wizard.page(n)->clickCount(), Settings::Flag(0));
        QCOMPARE(r.wizard.visiblePage(), r.wizard.page(n - 1));
    }
};

QTEST_MAIN(PagesTest)
#include "tst_pages.moc"
