#include "support/PageRun.h"

#include <QAbstractButton>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const QString kAllFields = QStringLiteral("Alle Felder müssen ausgefüllt werden!");
const QString kTooHigh = QStringLiteral("Eine maximale Framrate von 101 ist nur möglich!");
const QString kNotANumber =
    QStringLiteral("Bitte gib als maximale Framerate eine Zahl ein (z.B. 100 oder 99,5)!");
const QString kBrightnessDefault =
    QStringLiteral("Helligkeit (Standart:1, >10 Models leuchten im Mündungsfeuer rot");
const QString kGammaDefault = QStringLiteral("Gamma-Korrektur (Standart 1 Max.:3)");
// What the record held before; a text a Next must not store stays so.
const QString kUnset = QStringLiteral("unset");

QLineEdit* box(WizardPage* page, int i)
{
    const char* const names[] = {"txtCfgBrightness", "txtCfgGamma", "txtCfgVMaxFPS"};
    return need<QLineEdit>(page, names[i]);
}

QStringList storedTexts(const Settings& s)
{
    return {QString::fromStdString(s.CfgBrightness), QString::fromStdString(s.CfgGamma),
            QString::fromStdString(s.CfgVMaxFPS)};
}

// Tells a page hidden and shown again from one left on screen.
struct HideCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Hide;
        return false;
    }
};

void addRow(const QString& name, QList<int> clicks, QStringList typed, QString message,
            QStringList stored)
{
    QTest::newRow(qPrintable(name)) << clicks << typed << message << stored;
}

} // namespace

class VideoPageTest : public QObject {
    Q_OBJECT
private slots:
    void next_data()
    {
        QTest::addColumn<QList<int>>("clicks"); // into brightness, gamma, frame rate
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("stored");

        // The click rule counts mouse clicks, not filled boxes.
        addRow("three clicks into gamma, frame rate by keyboard", {0, 3, 0}, {"", "2", "60"}, {},
               {"", "2", "60"});
        addRow("three clicks into brightness, left empty", {3, 0, 0}, {"", "", "90"}, {},
               {"", "", "90"});
        addRow("two clicks, every box filled", {1, 1, 0}, {"5", "2", "100"}, kAllFields,
               {"5", "2", kUnset});
        addRow("two clicks into the frame rate", {0, 0, 2}, {"5", "2", "100"}, kAllFields,
               {"5", "2", kUnset});
        addRow("keyboard only", {0, 0, 0}, {"5", "2", "100"}, kAllFields, {"5", "2", kUnset});

        const auto frameRates = [](QStringList texts, const QString& message) {
            for (const QString& fps : texts)
                addRow("frame rate '" + fps + "'", {1, 1, 1}, {"5", "2", fps}, message,
                       {"5", "2", message.isEmpty() ? fps : kUnset});
        };
        // Read as the game will get it: comma as point, no plus; blanks
        // would make the game read 0.
        frameRates({"101", "100", "101,0", "99,5", "99.5", "-5", "+101", ",5"}, {});
        frameRates({"101.5", "101,5", "+150", "101.0001"}, kTooHigh);
        frameRates({"", "viel", "100fps", "1.000,5", "1,2,3", "1e2", "-", "+", "+-5", " 72 ", "inf", "1²"},
                   kNotANumber);

        addRow("default texts stand for 1", {1, 1, 1}, {kBrightnessDefault, kGammaDefault, "9"},
               {}, {"1", "1", "9"});
        for (const QStringList& near :
             {QStringList{kBrightnessDefault + ' ', kGammaDefault.toUpper(), "9"},
              QStringList{kGammaDefault, kBrightnessDefault, "9"}})
            addRow("near miss: " + near[0], {1, 1, 1}, near, {}, near);

        // Typed text that would break the config line stores nothing at all.
        const QStringList unset{kUnset, kUnset, kUnset};
        const QString quote = QStringLiteral("Bitte keine Anführungszeichen (\") eingeben!");
        addRow("quote in brightness", {1, 1, 1}, {"5\" ; quit", "2", "100"}, quote, unset);
        addRow("quote in gamma", {1, 1, 1}, {"5", "\"", "100"}, quote, unset);
        addRow("quote in frame rate", {1, 1, 1}, {"5", "2", "100\""}, quote, unset);
        addRow("backslash before the closing quote", {1, 1, 1}, {"5\\", "2", "100"},
               "Bitte keinen umgekehrten Schrägstrich (\\) eingeben!", unset);
        addRow("not Windows-1252", {1, 1, 1}, {"5", "☺", "100"},
               "Das Zeichen „☺“ kann nicht in die Config geschrieben werden!", unset);
        addRow("128 characters", {1, 1, 1}, {QString(128, '1'), "2", "100"},
               "Bitte höchstens 127 Zeichen eingeben!", unset);
    }
    void next()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(QStringList, stored);

        PageRun r;
        r.settings.CfgBrightness = r.settings.CfgGamma = r.settings.CfgVMaxFPS =
            kUnset.toStdString();
        WizardPage* page = r.open(3);
        click(need<QAbstractButton>(page, "optCfgVidBest"));
        click(need<QAbstractButton>(page, "chkCfgVMMX"));
        for (int i = 0; i < 3; ++i)
            fillBox(box(page, i), typed[i], clicks[i]);
        HideCounter hides;
        page->installEventFilter(&hides);
        pressNext(page);

        const bool accepted = message.isEmpty();
        QCOMPARE(r.dialogs.texts(), accepted ? QStringList{} : QStringList{message});
        if (!accepted)
            QCOMPARE(r.dialogs.messages[0].title,
                     message == kTooHigh ? QStringLiteral("CS Quorvix 0.3a") : kTitle);
        QCOMPARE(storedTexts(r.settings), stored);
        // The flags come before the texts: stored whenever the brightness is.
        QCOMPARE(r.settings.CfgVidBest, stored[0] != kUnset);
        QCOMPARE(r.settings.CfgVMMX, stored[0] != kUnset);
        QCOMPARE(r.settings.VideoDone, accepted);
        QVERIFY(r.showing(4) == accepted && r.showing(3) != accepted);
        // Only the frame-rate limit leaves the page on screen, its box emptied.
        QCOMPARE(hides.count == 0, message == kTooHigh);
        if (!accepted)
            QVERIFY(box(page, 2)->text() == (message == kTooHigh ? QString() : typed[2])
                    && (message != kTooHigh || !box(page, 2)->isUndoAvailable()));
        // Keyboard and focus counted nothing, and no refusal reset the count.
        QCOMPARE(page->clickCount(), clicks[0] + clicks[1] + clicks[2]);
    }

    void refusedNextsKeepWhatTheyStored()
    {
        PageRun r;
        WizardPage* page = r.open(3);
        auto* bopup = need<QAbstractButton>(page, "chkCfgVBUP");
        click(bopup);
        click(need<QAbstractButton>(page, "optCfgVidBest"));
        fillBox(box(page, 0), QStringLiteral("5"), 1);
        fillBox(box(page, 1), QStringLiteral("2"), 1);
        pressNext(page);

        // Unticking or choosing the other quality cannot take a flag back.
        click(bopup);
        click(need<QAbstractButton>(page, "optCfgVidMittel"));
        fillBox(box(page, 2), QStringLiteral("150"), 1);
        pressNext(page);
        QCOMPARE(r.dialogs.texts(), (QStringList{kAllFields, kTooHigh}));
        QCOMPARE(box(page, 1)->text(), QStringLiteral("2"));
        QVERIFY(need<QAbstractButton>(page, "optCfgVidMittel")->isChecked());

        // A new value needs a click into the emptied box, which counts again.
        fillBox(box(page, 2), QStringLiteral("100"), 1);
        QCOMPARE(page->clickCount(), 4);
        pressNext(page);
        QVERIFY(r.dialogs.messages.size() == 2 && r.showing(4));
        for (Settings::Flag flag : {r.settings.CfgVBUP, r.settings.CfgVidBest,
                                    r.settings.CfgVidMittel, r.settings.VideoDone})
            QCOMPARE(flag, 1);
        QCOMPARE(storedTexts(r.settings), (QStringList{"5", "2", "100"}));
    }

    void backOnSoundThenNextNeedsNoNewClicks()
    {
        PageRun r;
        WizardPage* page = r.open(3);
        click(need<QAbstractButton>(page, "chkCfgVPrecache"));
        for (int i = 0; i < 3; ++i)
            fillBox(box(page, i), QString::number(i + 1), 1);
        pressNext(page);
        pressBack(r.wizard.page(4));
        QVERIFY(r.showing(3) && r.settings.VideoDone == 0 && r.settings.CfgVPrecache == 0);

        // Keyboard changes do not count, yet the earlier clicks still do.
        fillBox(box(page, 2), QStringLiteral("95"), 0);
        pressNext(page);
        QVERIFY(r.dialogs.messages.isEmpty());
        QCOMPARE(page->clickCount(), 3);
        QVERIFY(r.settings.VideoDone == 1 && r.settings.CfgVPrecache == 1);
        QCOMPARE(storedTexts(r.settings), (QStringList{"1", "2", "95"}));
    }

    void switchesStandInTwoColumnsRightOfTheFrameRate()
    {
        PageRun r;
        WizardPage* page = r.open(3);
        const auto at = [page](const char* name) {
            QWidget* widget = need<QWidget>(page, name);
            return QRect(widget->mapTo(page, QPoint()), widget->size());
        };
        const QRect fps = at("Frame3"), mmx = at("chkCfgVMMX"), precache = at("chkCfgVPrecache"),
                    zTrick = at("chkCfgVZtrick"), bopup = at("chkCfgVBUP");
        QVERIFY(fps.right() < mmx.left() && mmx.right() < zTrick.left());
        QCOMPARE(mmx.top(), zTrick.top());
        QVERIFY(mmx.left() == precache.left() && zTrick.left() == bopup.left());
        QVERIFY(mmx.bottom() < precache.top() && zTrick.bottom() < bopup.top());
    }
};

QTEST_MAIN(VideoPageTest)
#include "tst_videopage.moc"
