#include "support/PageDriver.h"
#include "support/ScriptedDialogs.h"
#include "wizard/pages/Wizard.h"
#include "wizard/pages/WizardPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

struct Harness {
    Settings settings;
    ScriptedDialogs dialogs;
    Wizard wizard{settings, dialogs};

    WizardPage* open(int n)
    {
        wizard.showPage(n);
        return wizard.page(n);
    }
};

template <typename T>
T* in(QWidget* page, const QString& name)
{
    return page ? page->findChild<T*>(name) : nullptr;
}

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
    void frameHoldsTheControlsInOrder_data();
    void frameHoldsTheControlsInOrder();
    void opensWithNothingChosenAndFocusChoosesNothing();
    void nextStoresTheSelection_data();
    void nextStoresTheSelection();
    void eaxThenBackOnMouseThenA3dClearsEax();
    void backHereClearsVideoButKeepsItsTexts();
};

void SoundPageTest::frameHoldsTheControlsInOrder_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");

    QTest::newRow("EAX") << "optCfgEAX" << "EAX "
        << "Erhoeht die Genauigkeit und die Qualitaet von Sounds, geht aber im allgemeinen nur "
           "mit Soundkarten von Creative sowie von Herstellern, die mit Creative kooperieren";
    QTest::newRow("A3D") << "optCfgA3D" << "A3d (wird auf wwcl Server geblockt)" << "";
    QTest::newRow("voice") << "chkCfgSoundHLV" << "Half Life Voice"
                           << "Aktiviert die HalfLife Voice-Communication.";
    QTest::newRow("debug") << "chkCfgSoundSoundprob" << "Falls Soundprobleme (Debuging)" << "";
    QTest::newRow("quality") << "chkCfgSoundHighQ" << "High Quality Sound (44khz)"
        << "Hohe Soundqualität(44khz).Aus bringt deutlich mehr Performance,hört sich aber "
           "schrecklich an(11khz)";
}

void SoundPageTest::frameHoldsTheControlsInOrder()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);

    Harness h;
    WizardPage* page = h.open(4);
    auto* frame = in<QGroupBox>(page, "frmCfgSound");
    QVERIFY(frame);
    QCOMPARE(frame->title(), QStringLiteral("3D Sound Settings"));
    auto* button = in<QAbstractButton>(page, control);
    QVERIFY(button);
    QCOMPARE(button->parentWidget(), frame);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->toolTip(), tooltip);

    // Top to bottom in the order of the rows above.
    const QStringList order{"optCfgEAX", "optCfgA3D", "chkCfgSoundHLV", "chkCfgSoundSoundprob",
                            "chkCfgSoundHighQ"};
    const int index = order.indexOf(control);
    if (index > 0)
        QVERIFY(in<QWidget>(page, order[index - 1])->y() < button->y());
}

void SoundPageTest::opensWithNothingChosenAndFocusChoosesNothing()
{
    Harness h;
    WizardPage* page = h.open(4);
    for (int i = 0; i < 10; ++i) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : page, Qt::Key_Tab);
    }
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (button->isCheckable())
            QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
    }
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
    QTest::newRow("quality only") << QStringList{"chkCfgSoundHighQ"}
                                  << QStringList{"CfgSoundHighQ", "SoundDone"};
    QTest::newRow("voice ticked and unticked") << QStringList{"chkCfgSoundHLV", "chkCfgSoundHLV"}
                                               << QStringList{"SoundDone"};
}

void SoundPageTest::nextStoresTheSelection()
{
    QFETCH(QStringList, clicked);
    QFETCH(QStringList, raised);

    Harness h;
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
    Harness h;
    WizardPage* page = h.open(4);
    click(in<QRadioButton>(page, "optCfgEAX"));
    click(in<QCheckBox>(page, "chkCfgSoundHLV"));
    pressNext(page);
    QCOMPARE(raisedFlags(h.settings), (QStringList{"CfgEAX", "CfgSoundHLV", "SoundDone"}));

    pressBack(h.wizard.page(5));
    QCOMPARE(h.wizard.visiblePage(), page);
    // Done stays: it is not in this page's load set.
    QCOMPARE(raisedFlags(h.settings), QStringList{"SoundDone"});
    QVERIFY(in<QCheckBox>(page, "chkCfgSoundHLV")->isChecked());

    click(in<QRadioButton>(page, "optCfgA3D"));
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
    Harness h;
    WizardPage* video = h.open(3);
    h.wizard.hidePage(3);
    h.settings.VideoDone = h.settings.CfgVidBest = h.settings.CfgVidMittel = 1;
    h.settings.CfgVMMX = h.settings.CfgVPrecache = h.settings.CfgVBUP = h.settings.CfgVZtrick = 1;
    h.settings.CfgBrightness = "2";
    h.settings.CfgVMaxFPS = "100";
    h.settings.CfgEAX = 1;

    WizardPage* page = h.open(4);
    QCOMPARE(h.settings.CfgEAX, 0); // the load reset of this page
    pressBack(page);
    QCOMPARE(h.wizard.visiblePage(), video);
    for (const Settings::Flag flag : {h.settings.VideoDone, h.settings.CfgVidBest,
                                      h.settings.CfgVidMittel, h.settings.CfgVMMX,
                                      h.settings.CfgVPrecache, h.settings.CfgVBUP,
                                      h.settings.CfgVZtrick})
        QCOMPARE(flag, 0);
    QCOMPARE(h.settings.CfgBrightness, std::string("2"));
    QCOMPARE(h.settings.CfgVMaxFPS, std::string("100"));
}

QTEST_MAIN(SoundPageTest)
#include "tst_soundpage.moc"
