#include "wizard/PageHarness.h"
#include "wizard/TypedText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const QString kNoSensitivity = QStringLiteral("Sie haben keine Sensitivty eingegeben!");
const QString kNoRatio = QStringLiteral("Sie haben keine Zoom-Sensitivty-Ratio eingegeben!");

struct MouseControls {
    QLineEdit* sensitivity;
    QLineEdit* ratio;
    QCheckBox* filter;
};

MouseControls controlsOf(WizardPage* page)
{
    return {in<QLineEdit>(page, "txtCfgMSens"), in<QLineEdit>(page, "txtCfgMSensratio"),
            in<QCheckBox>(page, "chkCfgMausFilter")};
}

} // namespace

class MousePageTest : public QObject {
    Q_OBJECT
private slots:
    void frameHoldsTheControlsInOrder();
    void sensitivityBoxHasTheFocusAndTabEndsOnTheButtons();
    void ratioLabelAccessKeyMovesTheFocus();
    void nextChecksBothTextsInOrder_data();
    void nextChecksBothTextsInOrder();
    void filterTickedDuringRejectedNextStaysSet();
    void typedTextsAreCheckedBeforeAnythingIsStored_data();
    void typedTextsAreCheckedBeforeAnythingIsStored();
    void backOnConsoleThenNextAtOnce_data();
    void backOnConsoleThenNextAtOnce();
    void backHereClearsSoundButNotItsDoneFlag();
};

void MousePageTest::frameHoldsTheControlsInOrder()
{
    PageHarness h;
    WizardPage* page = h.open(5);
    QCOMPARE(page->objectName(), QStringLiteral("maus"));
    auto* frame = in<QGroupBox>(page, "frmCfgMaus");
    QVERIFY(frame);
    QCOMPARE(frame->title(), QStringLiteral("Maus Settings"));
    int previousBottom = -1;
    for (const char* name : {"lblCfgMSens", "txtCfgMSens", "lblCfgMSensratio",
                             "txtCfgMSensratio", "chkCfgMausFilter"}) {
        auto* widget = in<QWidget>(page, name);
        QVERIFY2(widget && widget->parentWidget() == frame, name);
        QVERIFY2(widget->y() > previousBottom, name);
        previousBottom = widget->geometry().bottom();
    }
    QCOMPARE(in<QLabel>(page, "lblCfgMSensratio")->text(),
             QStringLiteral("Gib die zoom Sensitivity ratio an (Ändert die Sensitivity beim "
                            "Zoomen, der Wert z.B. 1.2 ändert die Sens auf 120&%  im Zoom."));
    const MouseControls c = controlsOf(page);
    QCOMPARE(c.filter->text(), QStringLiteral("Mausfilter (läst Drehbewegungen flüssiger aussehen)"));
    QCOMPARE(c.sensitivity->toolTip(),
             QStringLiteral("Mausempfindlichkeit. Niedrige Sensitivity + Maus-Beschleunigung Aus "
                            "+ Normale Windows-Sensitvity wäre optimal."));
    QCOMPARE(c.ratio->toolTip(), QStringLiteral("Zoom-Mausempfindlichkeit"));
    QVERIFY(c.filter->toolTip().startsWith("Aktiviert Mausfilter, um eigene Drehbewegungen"));
}

void MousePageTest::sensitivityBoxHasTheFocusAndTabEndsOnTheButtons()
{
    PageHarness h;
    WizardPage* page = h.open(5);
    const MouseControls c = controlsOf(page);
    QCOMPARE(page->focusWidget(), c.sensitivity);
    QVERIFY(c.sensitivity->text().isEmpty() && c.ratio->text().isEmpty());
    QVERIFY(!c.filter->isChecked());

    QWidget* afterFilter = c.filter;
    do {
        afterFilter = afterFilter->nextInFocusChain();
    } while (afterFilter->focusPolicy() == Qt::NoFocus);
    QCOMPARE(afterFilter->objectName(), QStringLiteral("cmdWeiter5"));
}

void MousePageTest::ratioLabelAccessKeyMovesTheFocus()
{
    PageHarness h;
    WizardPage* page = h.open(5);
    auto* label = in<QLabel>(page, "lblCfgMSensratio");
    const MouseControls c = controlsOf(page);
    QCOMPARE(label->buddy(), c.ratio);
    QVERIFY(label->height() >= 2 * label->fontMetrics().height()); // two lines high

    QApplication::setActiveWindow(page);
    QVERIFY(QTest::qWaitForWindowActive(page));
    typeWithoutClick(c.ratio, "1.2");
    c.sensitivity->setFocus();
    QTest::keyClick(c.sensitivity, Qt::Key_Percent, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), c.ratio);
    QCOMPARE(c.ratio->text(), QStringLiteral("1.2")); // focus alone does not empty the box
}

void MousePageTest::nextChecksBothTextsInOrder_data()
{
    QTest::addColumn<QString>("sensitivity");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<bool>("filter");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("storedSensitivity");
    QTest::addColumn<QString>("storedRatio");

    const QString earlier = QString::fromStdString(kEarlier);
    QTest::newRow("both empty: only the first message")
        << "" << "" << false << QStringList{kNoSensitivity} << earlier << earlier;
    QTest::newRow("ratio empty") << "2.5" << "" << false << QStringList{kNoRatio} << "2.5" << earlier;
    QTest::newRow("sensitivity empty, ratio given")
        << "" << "1.2" << true << QStringList{kNoSensitivity} << earlier << earlier;
    QTest::newRow("both given, filter on") << "2.5" << "1.2" << true << QStringList{} << "2.5" << "1.2";
    QTest::newRow("one blank each") << " " << " " << false << QStringList{} << " " << " ";
    QTest::newRow("words and negatives pass") << "schnell" << "-3" << false << QStringList{}
                                              << "schnell" << "-3";
}

void MousePageTest::nextChecksBothTextsInOrder()
{
    QFETCH(QString, sensitivity);
    QFETCH(QString, ratio);
    QFETCH(bool, filter);
    QFETCH(QStringList, messages);
    QFETCH(QString, storedSensitivity);
    QFETCH(QString, storedRatio);

    PageHarness h;
    WizardPage* page = h.open(5);
    const MouseControls c = controlsOf(page);
    clickAndType(c.sensitivity, sensitivity);
    clickAndType(c.ratio, ratio);
    if (filter)
        click(c.filter);
    pressNext(page);

    QCOMPARE(h.dialogs.texts(), messages);
    for (const RecordedMessage& message : h.dialogs.messages)
        QCOMPARE(message.title, kTitle);
    QCOMPARE(QString::fromStdString(h.settings.CfgMSens), storedSensitivity);
    QCOMPARE(QString::fromStdString(h.settings.CfgMSensratio), storedRatio);
    QCOMPARE(h.settings.CfgMausFilter, filter ? 1 : 0); // stored before either check
    const bool accepted = messages.isEmpty();
    QCOMPARE(h.settings.mausDone, accepted ? 1 : 0);
    QCOMPARE(h.wizard.visiblePage(), h.wizard.page(accepted ? 6 : 5));
    if (!accepted) // the page keeps what the user typed
        QCOMPARE(c.ratio->text(), ratio);
}

void MousePageTest::filterTickedDuringRejectedNextStaysSet()
{
    PageHarness h;
    WizardPage* page = h.open(5);
    const MouseControls c = controlsOf(page);
    click(c.filter);
    clickAndType(c.ratio, "1.2");
    pressNext(page);
    QCOMPARE(h.dialogs.texts(), QStringList{kNoSensitivity});
    QCOMPARE(h.settings.CfgMausFilter, 1);

    click(c.filter);
    QVERIFY(!c.filter->isChecked());
    clickAndType(c.sensitivity, "3");
    pressNext(page);
    QCOMPARE(h.dialogs.messages.size(), 1);
    QCOMPARE(h.settings.mausDone, 1);
    QCOMPARE(h.settings.CfgMausFilter, 1);
}

void MousePageTest::typedTextsAreCheckedBeforeAnythingIsStored_data()
{
    QTest::addColumn<QString>("sensitivity");
    QTest::addColumn<QString>("ratio");

    QTest::newRow("quote in the sensitivity") << "2\"" << "1.2";
    // Refused although the sensitivity would have been stored first.
    QTest::newRow("quote in the ratio") << "2.5" << "1\"; quit \"";
    QTest::newRow("128 characters") << "2.5" << QString(128, QLatin1Char('9'));
}

void MousePageTest::typedTextsAreCheckedBeforeAnythingIsStored()
{
    QFETCH(QString, sensitivity);
    QFETCH(QString, ratio);

    PageHarness h;
    WizardPage* page = h.open(5);
    const MouseControls c = controlsOf(page);
    click(c.filter);
    clickAndType(c.sensitivity, sensitivity);
    clickAndType(c.ratio, ratio);
    auto problem = typedTextProblem(sensitivity.toStdString());
    if (!problem)
        problem = typedTextProblem(ratio.toStdString());
    QVERIFY(problem.has_value());
    pressNext(page);

    QCOMPARE(h.dialogs.texts(), QStringList{QString::fromStdString(*problem)});
    QCOMPARE(h.settings.CfgMausFilter, 0);
    QCOMPARE(h.settings.CfgMSens, kEarlier);
    QCOMPARE(h.settings.CfgMSensratio, kEarlier);
    QCOMPARE(h.settings.mausDone, 0);
    QCOMPARE(h.wizard.visiblePage(), page);
}

void MousePageTest::backOnConsoleThenNextAtOnce_data()
{
    QTest::addColumn<bool>("untickBeforeNext");
    QTest::newRow("filter still ticked") << false;
    QTest::newRow("filter unticked") << true;
}

void MousePageTest::backOnConsoleThenNextAtOnce()
{
    QFETCH(bool, untickBeforeNext);

    PageHarness h;
    WizardPage* page = h.open(5);
    const MouseControls c = controlsOf(page);
    click(c.filter);
    clickAndType(c.sensitivity, "2.5");
    clickAndType(c.ratio, "1.2");
    pressNext(page);
    QCOMPARE(h.settings.mausDone, 1);

    pressBack(h.wizard.page(6));
    QCOMPARE(h.wizard.visiblePage(), page);
    QCOMPARE(h.settings.mausDone, 0);
    QCOMPARE(h.settings.CfgMausFilter, 0);
    QCOMPARE(h.settings.CfgMSens, std::string("2.5"));
    QCOMPARE(c.ratio->text(), QStringLiteral("1.2"));

    if (untickBeforeNext)
        click(c.filter);
    pressNext(page);
    QVERIFY(h.dialogs.messages.isEmpty());
    QCOMPARE(h.settings.mausDone, 1);
    QCOMPARE(h.settings.CfgMausFilter, untickBeforeNext ? 0 : 1);
    QCOMPARE(h.settings.CfgMSensratio, std::string("1.2"));
}

void MousePageTest::backHereClearsSoundButNotItsDoneFlag()
{
    PageHarness h;
    WizardPage* sound = h.open(4);
    click(in<QAbstractButton>(sound, "optCfgEAX"));
    click(in<QAbstractButton>(sound, "chkCfgSoundHighQ"));
    pressNext(sound);
    WizardPage* page = h.wizard.page(5);
    clickAndType(controlsOf(page).sensitivity, "4");
    pressBack(page);

    QCOMPARE(h.wizard.visiblePage(), sound);
    QCOMPARE(h.settings.SoundDone, 1);
    QCOMPARE(h.settings.CfgEAX, 0);
    QCOMPARE(h.settings.CfgSoundHighQ, 0);
    WizardPage* reloaded = h.wizard.page(5);
    QVERIFY(reloaded && reloaded != page);
    QVERIFY(controlsOf(reloaded).sensitivity->text().isEmpty());
}

QTEST_MAIN(MousePageTest)
#include "tst_mousepage.moc"
