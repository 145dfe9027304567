#include "wizard/PageHarness.h"

#include <QGroupBox>

using namespace quorvix;
using namespace quorvix::test;

namespace {

// The page's flags that are 1, in a fixed order.
QStringList raisedFlags(const Settings& s)
{
    QStringList raised;
    const std::pair<const char*, Settings::Flag> flags[] = {
        {"CfgEAX", s.CfgEAX}, {"CfgSoundHLV", s.CfgSoundHLV},
        {"CfgSoundSoundprob", s.CfgSoundSoundprob}, {"CfgSoundHighQ", s.CfgSoundHighQ},
        {"SoundDone", s.SoundDone}};
    for (const auto& [name, value] : flags) {
        if (value != 0)
            raised << QString::fromLatin1(name);
    }
    return raised;
}

} // namespace

class SoundPageTest : public QObject {
    Q_OBJECT
private slots:
    void frameHoldsTheControlsInOrder();
    void nextStoresTheSelection_data();
    void nextStoresTheSelection();
    void eaxThenBackOnMouseThenA3dClearsEax();
    void backHereClearsVideoButKeepsItsTexts();
};

void SoundPageTest::frameHoldsTheControlsInOrder()
{
    PageHarness h;
    WizardPage* page = h.open(4);
    auto* frame = in<QGroupBox>(page, "frmCfgSound");
    QVERIFY(frame);
    QCOMPARE(frame->title(), QStringLiteral("3D Sound Settings"));
    const QStringList order{"optCfgEAX", "optCfgA3D", "chkCfgSoundHLV", "chkCfgSoundSoundprob",
                            "chkCfgSoundHighQ"};
    int previousTop = -1;
    for (const QString& name : order) {
        auto* button = in<QAbstractButton>(page, name);
        QVERIFY2(button && button->parentWidget() == frame, qPrintable(name));
        QVERIFY2(button->y() > previousTop, qPrintable(name));
        previousTop = button->y();
    }
    QCOMPARE(in<QAbstractButton>(page, "optCfgEAX")->text(), QStringLiteral("EAX "));
    QCOMPARE(in<QAbstractButton>(page, "chkCfgSoundSoundprob")->text(),
             QStringLiteral("Falls Soundprobleme (Debuging)"));
    QCOMPARE(in<QAbstractButton>(page, "chkCfgSoundHighQ")->toolTip(),
             QStringLiteral("Hohe Soundqualität(44khz).Aus bringt deutlich mehr Performance,"
                            "hört sich aber schrecklich an(11khz)"));
    QVERIFY(in<QAbstractButton>(page, "optCfgA3D")->toolTip().isEmpty());
    QCOMPARE(chosenAfterTabbing(page), QStringList{});
}

void SoundPageTest::nextStoresTheSelection_data()
{
    QTest::addColumn<QStringList>("clicked");
    QTest::addColumn<QStringList>("raised");

    QTest::newRow("nothing") << QStringList{} << QStringList{"SoundDone"};
    QTest::newRow("A3D and all three boxes")
        << QStringList{"optCfgA3D", "chkCfgSoundHLV", "chkCfgSoundSoundprob", "chkCfgSoundHighQ"}
        << QStringList{"CfgSoundHLV", "CfgSoundSoundprob", "CfgSoundHighQ", "SoundDone"};
    QTest::newRow("EAX") << QStringList{"optCfgEAX"} << QStringList{"CfgEAX", "SoundDone"};
    QTest::newRow("EAX, then A3D") << QStringList{"optCfgEAX", "optCfgA3D"}
                                   << QStringList{"SoundDone"};
    QTest::newRow("voice ticked and unticked") << QStringList{"chkCfgSoundHLV", "chkCfgSoundHLV"}
                                               << QStringList{"SoundDone"};
}

void SoundPageTest::nextStoresTheSelection()
{
    QFETCH(QStringList, clicked);
    QFETCH(QStringList, raised);

    PageHarness h;
    WizardPage* page = h.open(4);
    for (const QString& name : clicked)
        click(in<QAbstractButton>(page, name));
    pressNext(page);
    QCOMPARE(raisedFlags(h.settings), raised);
    QVERIFY(h.dialogs.messages.isEmpty());
    QCOMPARE(h.wizard.visiblePage(), h.wizard.page(5));
}

void SoundPageTest::eaxThenBackOnMouseThenA3dClearsEax()
{
    PageHarness h;
    WizardPage* page = h.open(4);
    click(in<QAbstractButton>(page, "optCfgEAX"));
    click(in<QAbstractButton>(page, "chkCfgSoundHLV"));
    pressNext(page);
    QCOMPARE(raisedFlags(h.settings), (QStringList{"CfgEAX", "CfgSoundHLV", "SoundDone"}));

    pressBack(h.wizard.page(5));
    QCOMPARE(h.wizard.visiblePage(), page);
    QCOMPARE(raisedFlags(h.settings), QStringList{"SoundDone"}); // Done is in no load set
    QVERIFY(in<QAbstractButton>(page, "chkCfgSoundHLV")->isChecked());

    click(in<QAbstractButton>(page, "optCfgA3D"));
    pressNext(page);
    QCOMPARE(raisedFlags(h.settings), (QStringList{"CfgSoundHLV", "SoundDone"}));

    // Back on this page reloads it; even its load reset leaves Done at 1.
    pressBack(h.wizard.page(5));
    pressBack(page);
    QVERIFY(h.wizard.page(4) != page);
    QCOMPARE(h.settings.SoundDone, 1);
}

void SoundPageTest::backHereClearsVideoButKeepsItsTexts()
{
    PageHarness h;
    WizardPage* video = h.passed(3);
    for (Settings::Flag* flag : {&h.settings.VideoDone, &h.settings.CfgVidBest,
                                 &h.settings.CfgVidMittel, &h.settings.CfgVMMX,
                                 &h.settings.CfgVPrecache, &h.settings.CfgVBUP,
                                 &h.settings.CfgVZtrick})
        *flag = 1;
    h.settings.CfgEAX = 1;

    WizardPage* page = h.open(4);
    QCOMPARE(h.settings.CfgEAX, 0); // this page's load reset
    pressBack(page);
    QCOMPARE(h.wizard.visiblePage(), video);
    for (const Settings::Flag flag : {h.settings.VideoDone, h.settings.CfgVidBest,
                                      h.settings.CfgVidMittel, h.settings.CfgVMMX,
                                      h.settings.CfgVPrecache, h.settings.CfgVBUP,
                                      h.settings.CfgVZtrick})
        QCOMPARE(flag, 0);
    QCOMPARE(h.settings.CfgBrightness, kEarlier);
    QCOMPARE(h.settings.CfgVMaxFPS, kEarlier);
}

QTEST_MAIN(SoundPageTest)
#include "tst_soundpage.moc"
