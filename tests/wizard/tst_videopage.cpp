#include "wizard/PageHarness.h"
#include "wizard/TypedText.h"
#include "wizard/pages/VideoPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const QString kClickRuleMessage = QStringLiteral("Alle Felder müssen ausgefüllt werden!");
const QString kNotANumberMessage =
    QStringLiteral("Bitte gib als maximale Framerate eine Zahl ein (z.B. 100 oder 99,5)!");

// Counts one kind of event on a widget, to tell "shown again" from "left
// alone".
class EventCounter : public QObject {
public:
    EventCounter(QWidget* watched, QEvent::Type type) : m_type(type) { watched->installEventFilter(this); }
    int count = 0;
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == m_type)
            ++count;
        return false;
    }
private:
    QEvent::Type m_type;
};

struct VideoBoxes {
    QLineEdit* brightness;
    QLineEdit* gamma;
    QLineEdit* fps;
};

VideoBoxes boxesOf(WizardPage* page)
{
    return {in<QLineEdit>(page, "txtCfgBrightness"), in<QLineEdit>(page, "txtCfgGamma"),
            in<QLineEdit>(page, "txtCfgVMaxFPS")};
}

// One click into every box and the given texts: passes the click rule.
void fillAll(WizardPage* page, const QString& brightness, const QString& gamma, const QString& fps)
{
    const VideoBoxes boxes = boxesOf(page);
    clickAndType(boxes.brightness, brightness);
    clickAndType(boxes.gamma, gamma);
    clickAndType(boxes.fps, fps);
}

enum class Outcome { Accepted, ClickRule, TooHigh, NotANumber };

} // namespace

Q_DECLARE_METATYPE(Outcome)

class VideoPageTest : public QObject {
    Q_OBJECT
private slots:
    void controlsSitInTheirFramesWithExactTexts_data();
    void controlsSitInTheirFramesWithExactTexts();
    void switchesStandInTwoColumnsRightOfTheFrameRate();
    void opensWithNothingChosenAndFocusChoosesNothing();
    void clickRuleCountsMouseClicksOnly_data();
    void clickRuleCountsMouseClicksOnly();
    void frameRateLimit_data();
    void frameRateLimit();
    void frameRateRefusalKeepsThePageAsItIs();
    void readsFrameRateNumbers_data();
    void readsFrameRateNumbers();
    void defaultTextsStandForOne_data();
    void defaultTextsStandForOne();
    void typedTextsAreCheckedBeforeAnythingIsStored_data();
    void typedTextsAreCheckedBeforeAnythingIsStored();
    void flagTickedDuringRejectedNextStaysSet();
    void backOnSoundPageThenNextNeedsNoNewClicks();
    void backHereClearsConnectionAndStartsAfresh();
};

void VideoPageTest::controlsSitInTheirFramesWithExactTexts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("caption");

    QTest::newRow("best") << "optCfgVidBest" << "frmCfgVideoQly"
        << "Beste Qualität (Maximale Werte für z.B. Patronhülsen,Rauchwolken,Texturqualität usw...";
    QTest::newRow("middle") << "optCfgVidMittel" << "frmCfgVideoQly"
        << "Mittlere Qualität (Bestes Gleichgewicht zwischen Grafikqualität und FPS-Performance "
           "\"Empfohlen\")";
    QTest::newRow("brightness") << "txtCfgBrightness" << "Frame1" << "";
    QTest::newRow("gamma") << "txtCfgGamma" << "Frame2" << "";
    QTest::newRow("frame rate") << "txtCfgVMaxFPS" << "Frame3" << "";
    QTest::newRow("mmx") << "chkCfgVMMX" << "frmVSonstiges" << "MMX-Support";
    QTest::newRow("precache") << "chkCfgVPrecache" << "frmVSonstiges" << "Precache";
    QTest::newRow("z-buffer") << "chkCfgVZtrick" << "frmVSonstiges" << "Z-Buffer leeren";
    QTest::newRow("bopup") << "chkCfgVBUP" << "frmVSonstiges" << "Bopup";
    QTest::newRow("brightness frame") << "Frame1" << "frmCfgVideoGamma"
                                      << "Helligkeit (Standart:1,Max.:10)";
    QTest::newRow("gamma frame") << "Frame2" << "frmCfgVideoGamma"
                                 << "Gamma-Korrektur (Standart 1 Max.:3)";
    QTest::newRow("frame-rate frame") << "Frame3" << "frmVSonstiges" << "Maximale Framerate (Max: 101)";
    QTest::newRow("quality frame") << "frmCfgVideoQly" << "Video" << "Video Qualität";
    QTest::newRow("uncaptioned frame") << "frmCfgVideoGamma" << "Video" << "";
    QTest::newRow("other frame") << "frmVSonstiges" << "Video" << "Sonstiges";
}

void VideoPageTest::controlsSitInTheirFramesWithExactTexts()
{
    QFETCH(QString, control);
    QFETCH(QString, frame);
    QFETCH(QString, caption);

    PageHarness h;
    WizardPage* page = h.open(3);
    auto* widget = page->findChild<QWidget*>(control);
    QVERIFY(widget && widget->parentWidget());
    QCOMPARE(widget->parentWidget()->objectName(), frame);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        QCOMPARE(button->text(), caption);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        QCOMPARE(group->title(), caption);
}

void VideoPageTest::switchesStandInTwoColumnsRightOfTheFrameRate()
{
    PageHarness h;
    WizardPage* page = h.open(3);
    const auto at = [page](const char* name) {
        auto* widget = in<QWidget>(page, name);
        return widget ? QRect(widget->mapTo(page, QPoint(0, 0)), widget->size()) : QRect();
    };
    const QRect fps = at("Frame3"), mmx = at("chkCfgVMMX"), precache = at("chkCfgVPrecache"),
                zTrick = at("chkCfgVZtrick"), bopup = at("chkCfgVBUP");
    for (const QRect& r : {fps, mmx, precache, zTrick, bopup})
        QVERIFY(r.isValid());

    // First column MMX over Precache, second Z-Buffer over Bopup.
    QCOMPARE(mmx.left(), precache.left());
    QCOMPARE(zTrick.left(), bopup.left());
    QVERIFY(mmx.bottom() < precache.top());
    QVERIFY(zTrick.bottom() < bopup.top());
    QCOMPARE(mmx.top(), zTrick.top());
    QVERIFY(mmx.right() < zTrick.left());
    QVERIFY(fps.right() < mmx.left());

    // The three frames stand top to bottom.
    QVERIFY(at("frmCfgVideoQly").bottom() < at("frmCfgVideoGamma").top());
    QVERIFY(at("frmCfgVideoGamma").bottom() < at("frmVSonstiges").top());

    // The tooltips with the details a retyping would lose.
    QCOMPARE(in<QWidget>(page, "chkCfgVBUP")->toolTip(), QStringLiteral("Wackeln beim Laufen hoch & runter"));
    QCOMPARE(in<QWidget>(page, "chkCfgVPrecache")->toolTip(),
             QStringLiteral("Precaching beschleunigt .zB Mapload"));
    QVERIFY(in<QWidget>(page, "txtCfgGamma")->toolTip().endsWith(
        "das ist ein Bug, nicht absichtlich gewollt!!"));
    QVERIFY(in<QWidget>(page, "txtCfgBrightness")->toolTip().isEmpty());
}

void VideoPageTest::opensWithNothingChosenAndFocusChoosesNothing()
{
    PageHarness h;
    WizardPage* page = h.open(3);
    QCOMPARE(chosenAfterTabbing(page), QStringList{});
    const VideoBoxes boxes = boxesOf(page);
    QVERIFY(boxes.brightness->text().isEmpty() && boxes.gamma->text().isEmpty()
            && boxes.fps->text().isEmpty());
    QCOMPARE(page->clickCount(), 0);
}

void VideoPageTest::clickRuleCountsMouseClicksOnly_data()
{
    QTest::addColumn<QList<int>>("clicks"); // brightness, gamma, frame rate
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("three clicks into gamma, frame rate by keyboard")
        << QList<int>{0, 3, 0} << QStringList{"", "2", "60"} << true;
    QTest::newRow("one click per box") << QList<int>{1, 1, 1} << QStringList{"5", "2", "100"} << true;
    QTest::newRow("three clicks into brightness, left empty")
        << QList<int>{3, 0, 0} << QStringList{"", "", "90"} << true;
    QTest::newRow("two clicks, every box filled")
        << QList<int>{1, 1, 0} << QStringList{"5", "2", "100"} << false;
    QTest::newRow("two clicks into the frame rate")
        << QList<int>{0, 0, 2} << QStringList{"5", "2", "100"} << false;
    QTest::newRow("keyboard only") << QList<int>{0, 0, 0} << QStringList{"5", "2", "100"} << false;
}

void VideoPageTest::clickRuleCountsMouseClicksOnly()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, texts);
    QFETCH(bool, accepted);

    PageHarness h;
    WizardPage* page = h.open(3);
    const VideoBoxes boxes = boxesOf(page);
    fillBox(boxes.brightness, clicks[0], texts[0]);
    fillBox(boxes.gamma, clicks[1], texts[1]);
    fillBox(boxes.fps, clicks[2], texts[2]);
    QCOMPARE(page->clickCount(), clicks[0] + clicks[1] + clicks[2]);
    pressNext(page);

    // Brightness and gamma are stored before the click rule either way.
    QCOMPARE(QString::fromStdString(h.settings.CfgBrightness), texts[0]);
    QCOMPARE(QString::fromStdString(h.settings.CfgGamma), texts[1]);
    if (accepted) {
        QVERIFY(h.dialogs.messages.isEmpty());
        QCOMPARE(h.settings.VideoDone, 1);
        QCOMPARE(QString::fromStdString(h.settings.CfgVMaxFPS), texts[2]);
        QVERIFY(!page->isVisible());
        QCOMPARE(h.wizard.visiblePage(), h.wizard.page(4));
    } else {
        QCOMPARE(h.dialogs.messages.size(), 1);
        QCOMPARE(h.dialogs.messages[0].text, kClickRuleMessage);
        QCOMPARE(h.dialogs.messages[0].title, kTitle);
        QCOMPARE(h.settings.VideoDone, 0);
        QCOMPARE(h.settings.CfgVMaxFPS, kEarlier);
        QVERIFY(page->isVisible());
        QCOMPARE(boxes.fps->text(), texts[2]);
    }
}

void VideoPageTest::frameRateLimit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Outcome>("outcome");

    QTest::newRow("101") << "101" << Outcome::Accepted;
    QTest::newRow("100") << "100" << Outcome::Accepted;
    QTest::newRow("101,0 with a comma") << "101,0" << Outcome::Accepted;
    QTest::newRow("99,5 with a comma") << "99,5" << Outcome::Accepted;
    QTest::newRow("99.5 with a point") << "99.5" << Outcome::Accepted;
    QTest::newRow("negative") << "-5" << Outcome::Accepted;
    QTest::newRow("blanks around") << " 72 " << Outcome::Accepted;
    QTest::newRow("101.5") << "101.5" << Outcome::TooHigh;
    QTest::newRow("101,5") << "101,5" << Outcome::TooHigh;
    QTest::newRow("150") << "150" << Outcome::TooHigh;
    QTest::newRow("101.0001") << "101.0001" << Outcome::TooHigh;
    QTest::newRow("empty") << "" << Outcome::NotANumber;
    QTest::newRow("word") << "viel" << Outcome::NotANumber;
    QTest::newRow("unit after the number") << "100fps" << Outcome::NotANumber;
    QTest::newRow("two separators") << "1.000,5" << Outcome::NotANumber;
    QTest::newRow("exponent") << "1e2" << Outcome::NotANumber;
    QTest::newRow("sign only") << "-" << Outcome::NotANumber;
    QTest::newRow("blanks only") << "   " << Outcome::NotANumber;
    QTest::newRow("infinity") << "inf" << Outcome::NotANumber;
    QTest::newRow("superscript digit") << QString::fromUtf8("1\xC2\xB2") << Outcome::NotANumber;
}

void VideoPageTest::frameRateLimit()
{
    QFETCH(QString, typed);
    QFETCH(Outcome, outcome);

    PageHarness h;
    WizardPage* page = h.open(3);
    click(in<QRadioButton>(page, "optCfgVidBest"));
    click(in<QCheckBox>(page, "chkCfgVMMX"));
    fillAll(page, "5", "2", typed);
    EventCounter hides(page, QEvent::Hide);
    pressNext(page);

    // Whatever the frame rate, everything before it is stored.
    QCOMPARE(h.settings.CfgVidBest, 1);
    QCOMPARE(h.settings.CfgVMMX, 1);
    QCOMPARE(h.settings.CfgBrightness, std::string("5"));
    auto* fps = in<QLineEdit>(page, "txtCfgVMaxFPS");

    switch (outcome) {
    case Outcome::Accepted:
        QVERIFY(h.dialogs.messages.isEmpty());
        QCOMPARE(h.settings.VideoDone, 1);
        QCOMPARE(QString::fromStdString(h.settings.CfgVMaxFPS), typed); // as typed
        QCOMPARE(h.wizard.visiblePage(), h.wizard.page(4));
        break;
    case Outcome::TooHigh:
        QCOMPARE(h.dialogs.messages.size(), 1);
        QCOMPARE(h.dialogs.messages[0].text, QStringLiteral("Eine maximale Framrate von 101 ist nur möglich!"));
        QCOMPARE(h.dialogs.messages[0].title, QStringLiteral("CS Quorvix 0.3a"));
        QCOMPARE(h.dialogs.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(h.settings.VideoDone, 0);
        QCOMPARE(h.settings.CfgVMaxFPS, kEarlier);
        QVERIFY(fps->text().isEmpty());
        QCOMPARE(hides.count, 0); // not hidden and shown again
        QVERIFY(page->isVisible());
        QCOMPARE(page->clickCount(), 3);
        break;
    case Outcome::NotANumber:
        QCOMPARE(h.dialogs.messages.size(), 1);
        QCOMPARE(h.dialogs.messages[0].text, kNotANumberMessage);
        QCOMPARE(h.dialogs.messages[0].title, kTitle);
        QCOMPARE(h.settings.VideoDone, 0);
        QCOMPARE(h.settings.CfgVMaxFPS, kEarlier);
        QCOMPARE(fps->text(), typed); // left for the user to correct
        QVERIFY(page->isVisible());
        QCOMPARE(h.wizard.visiblePage(), page);
        break;
    case Outcome::ClickRule:
        QFAIL("not a frame-rate outcome");
    }
}

void VideoPageTest::frameRateRefusalKeepsThePageAsItIs()
{
    PageHarness h;
    WizardPage* page = h.open(3);
    click(in<QRadioButton>(page, "optCfgVidMittel"));
    fillAll(page, "5", "2", "150");
    pressNext(page);
    QCOMPARE(h.dialogs.messages.size(), 1);
    QVERIFY(in<QRadioButton>(page, "optCfgVidMittel")->isChecked());
    QCOMPARE(in<QLineEdit>(page, "txtCfgGamma")->text(), QStringLiteral("2"));

    // A new value needs a click into the emptied box, which counts again.
    clickAndType(in<QLineEdit>(page, "txtCfgVMaxFPS"), "100");
    QCOMPARE(page->clickCount(), 4);
    pressNext(page);
    QCOMPARE(h.dialogs.messages.size(), 1);
    QCOMPARE(h.settings.VideoDone, 1);
    QCOMPARE(h.settings.CfgVMaxFPS, std::string("100"));
}

void VideoPageTest::readsFrameRateNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("integer") << "101" << 101.0;
    QTest::newRow("decimal comma") << "100,25" << 100.25;
    QTest::newRow("decimal point") << "100.25" << 100.25;
    QTest::newRow("leading separator") << ",5" << 0.5;
    QTest::newRow("trailing separator") << "7." << 7.0;
    QTest::newRow("plus sign") << "+30" << 30.0;
    QTest::newRow("minus sign") << "-1,5" << -1.5;
    QTest::newRow("leading zeros") << "000101" << 101.0;
    QTest::newRow("blanks") << "  60  " << 60.0;
}

void VideoPageTest::readsFrameRateNumbers()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const std::optional<double> read = readFrameRate(text);
    QVERIFY(read.has_value());
    QCOMPARE(*read, value);
}

void VideoPageTest::defaultTextsStandForOne_data()
{
    QTest::addColumn<QString>("brightness");
    QTest::addColumn<QString>("gamma");
    QTest::addColumn<QString>("storedBrightness");
    QTest::addColumn<QString>("storedGamma");

    const QString brightnessText =
        QString::fromUtf8("Helligkeit (Standart:1, >10 Models leuchten im Mündungsfeuer rot");
    const QString gammaText = QStringLiteral("Gamma-Korrektur (Standart 1 Max.:3)");
    QTest::newRow("both default texts") << brightnessText << gammaText << "1" << "1";
    QTest::newRow("plain values") << "25" << "50" << "25" << "50";
    QTest::newRow("trailing blank is not the default")
        << brightnessText + ' ' << gammaText + ' ' << brightnessText + ' ' << gammaText + ' ';
    QTest::newRow("other case is not the default")
        << brightnessText.toLower() << gammaText.toUpper() << brightnessText.toLower()
        << gammaText.toUpper();
    QTest::newRow("brightness frame caption is not the default")
        << "Helligkeit (Standart:1,Max.:10)" << "" << "Helligkeit (Standart:1,Max.:10)" << "";
    QTest::newRow("texts swapped") << gammaText << brightnessText << gammaText << brightnessText;
}

void VideoPageTest::defaultTextsStandForOne()
{
    QFETCH(QString, brightness);
    QFETCH(QString, gamma);
    QFETCH(QString, storedBrightness);
    QFETCH(QString, storedGamma);

    PageHarness h;
    WizardPage* page = h.open(3);
    fillAll(page, brightness, gamma, "100");
    pressNext(page);
    QVERIFY(h.dialogs.messages.isEmpty());
    QCOMPARE(QString::fromStdString(h.settings.CfgBrightness), storedBrightness);
    QCOMPARE(QString::fromStdString(h.settings.CfgGamma), storedGamma);
}

void VideoPageTest::typedTextsAreCheckedBeforeAnythingIsStored_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");

    QTest::newRow("quote in brightness") << "txtCfgBrightness" << "5\" ; quit";
    QTest::newRow("quote in gamma") << "txtCfgGamma" << "\"";
    QTest::newRow("quote in frame rate") << "txtCfgVMaxFPS" << "100\"";
    QTest::newRow("not Windows-1252") << "txtCfgGamma" << QString::fromUtf8("\xE2\x98\xBA");
    QTest::newRow("128 characters") << "txtCfgBrightness" << QString(128, QLatin1Char('1'));
}

void VideoPageTest::typedTextsAreCheckedBeforeAnythingIsStored()
{
    QFETCH(QString, box);
    QFETCH(QString, text);

    PageHarness h;
    WizardPage* page = h.open(3);
    click(in<QRadioButton>(page, "optCfgVidBest"));
    click(in<QCheckBox>(page, "chkCfgVBUP"));
    fillAll(page, "5", "2", "100");
    auto* target = page->findChild<QLineEdit*>(box);
    QVERIFY(target);
    typeWithoutClick(target, text);
    const std::optional<std::string> problem = typedTextProblem(target->text().toStdString());
    QVERIFY(problem.has_value());
    pressNext(page);

    QCOMPARE(h.dialogs.messages.size(), 1);
    QCOMPARE(h.dialogs.messages[0].text, QString::fromStdString(*problem));
    QCOMPARE(h.settings.CfgVidBest, 0);
    QCOMPARE(h.settings.CfgVBUP, 0);
    QCOMPARE(h.settings.CfgBrightness, kEarlier);
    QCOMPARE(h.settings.CfgGamma, kEarlier);
    QCOMPARE(h.settings.CfgVMaxFPS, kEarlier);
    QCOMPARE(h.settings.VideoDone, 0);
    QCOMPARE(h.wizard.visiblePage(), page);
}

void VideoPageTest::flagTickedDuringRejectedNextStaysSet()
{
    PageHarness h;
    WizardPage* page = h.open(3);
    auto* bopup = in<QCheckBox>(page, "chkCfgVBUP");
    click(bopup);
    click(in<QRadioButton>(page, "optCfgVidBest"));
    const VideoBoxes boxes = boxesOf(page);
    clickAndType(boxes.brightness, "5");
    clickAndType(boxes.gamma, "2");
    pressNext(page);
    QCOMPARE(h.dialogs.texts(), QStringList{kClickRuleMessage});
    QCOMPARE(h.settings.CfgVBUP, 1);

    click(bopup);
    click(in<QRadioButton>(page, "optCfgVidMittel"));
    clickAndType(boxes.fps, "100");
    pressNext(page);
    QCOMPARE(h.settings.VideoDone, 1);
    QCOMPARE(h.settings.CfgVBUP, 1);
    QCOMPARE(h.settings.CfgVidBest, 1);
    QCOMPARE(h.settings.CfgVidMittel, 1);
}

void VideoPageTest::backOnSoundPageThenNextNeedsNoNewClicks()
{
    PageHarness h;
    WizardPage* page = h.open(3);
    click(in<QCheckBox>(page, "chkCfgVPrecache"));
    fillAll(page, "5", "2", "100");
    pressNext(page);
    QCOMPARE(h.settings.VideoDone, 1);
    QCOMPARE(h.settings.CfgVPrecache, 1);

    pressBack(h.wizard.page(4));
    QCOMPARE(h.wizard.visiblePage(), page);
    QCOMPARE(h.settings.VideoDone, 0);
    QCOMPARE(h.settings.CfgVPrecache, 0);
    QCOMPARE(h.settings.CfgVMaxFPS, std::string("100")); // texts are in no load set
    QCOMPARE(page->clickCount(), 3);

    // Keyboard changes do not count, yet the earlier clicks still do.
    typeWithoutClick(in<QLineEdit>(page, "txtCfgVMaxFPS"), "95");
    pressNext(page);
    QVERIFY(h.dialogs.messages.isEmpty());
    QCOMPARE(page->clickCount(), 3);
    QCOMPARE(h.settings.VideoDone, 1);
    QCOMPARE(h.settings.CfgVPrecache, 1);
    QCOMPARE(h.settings.CfgVMaxFPS, std::string("95"));
    QCOMPARE(h.settings.CfgBrightness, std::string("5"));
}

void VideoPageTest::backHereClearsConnectionAndStartsAfresh()
{
    PageHarness h;
    WizardPage* connection = h.open(2);
    click(in<QRadioButton>(connection, "optCfgISDN"));
    pressNext(connection);
    QCOMPARE(h.settings.CfgISDN, 1);

    WizardPage* page = h.wizard.page(3);
    click(in<QCheckBox>(page, "chkCfgVMMX"));
    fillAll(page, "5", "2", "100");
    pressBack(page);

    QCOMPARE(h.settings.CfgISDN, 0);
    QCOMPARE(h.settings.ConnectionDone, 0);
    QCOMPARE(h.wizard.visiblePage(), connection);
    QVERIFY(in<QRadioButton>(connection, "optCfgISDN")->isChecked());

    WizardPage* reloaded = h.wizard.page(3);
    QVERIFY(reloaded && reloaded != page);
    QVERIFY(!reloaded->isVisible());
    QCOMPARE(reloaded->clickCount(), 0);
    QVERIFY(in<QLineEdit>(reloaded, "txtCfgGamma")->text().isEmpty());
    QVERIFY(!in<QCheckBox>(reloaded, "chkCfgVMMX")->isChecked());
}

QTEST_MAIN(VideoPageTest)
#include "tst_videopage.moc"
