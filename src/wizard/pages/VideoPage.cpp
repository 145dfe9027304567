#include "wizard/pages/VideoPage.h"

#include "common/GameNumber.h"
#include "ui/ClickLineEdit.h"
#include "ui/UserDialogs.h"
#include "wizard/pages/PageControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorvix {
namespace {

// Typed into the brightness or gamma box, these texts stand for the
// default value "1" (they are what the frame captions suggest).
const QString kBrightnessDefaultText =
    QStringLiteral("Helligkeit (Standart:1, >10 Models leuchten im Mündungsfeuer rot");
const QString kGammaDefaultText = QStringLiteral("Gamma-Korrektur (Standart 1 Max.:3)");

constexpr double kHighestFrameRate = 101.0;
constexpr int kMinimumClicks = 3;

// Puts a single text box into a captioned frame of its own.
QGroupBox* frameAround(QWidget* parent, const char* name, const char* caption,
                       ClickLineEdit* box)
{
    auto* frame = makeFrame(parent, name, caption);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(box);
    box->setAccessibleName(frame->title());
    return frame;
}

} // namespace

VideoPage::VideoPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(3, settings, wizard, dialogs, parent)
{
    setupControls();
}

void VideoPage::setupControls()
{
    contentLayout()->addWidget(setupQualityFrame());
    contentLayout()->addWidget(setupBrightnessGammaFrame());
    contentLayout()->addWidget(setupOtherFrame());
}

QWidget* VideoPage::setupQualityFrame()
{
    auto* frame = makeFrame(this, "frmCfgVideoQly", "Video Qualität");
    auto* layout = new QVBoxLayout(frame);
    m_best = makeOption(frame, "optCfgVidBest",
        "Beste Qualität (Maximale Werte für z.B. Patronhülsen,Rauchwolken,Texturqualität usw...");
    m_middle = makeOption(frame, "optCfgVidMittel",
        "Mittlere Qualität (Bestes Gleichgewicht zwischen Grafikqualität und FPS-Performance "
        "\"Empfohlen\")");
    layout->addWidget(m_best);
    layout->addWidget(m_middle);
    return frame;
}

QWidget* VideoPage::setupBrightnessGammaFrame()
{
    auto* frame = makeFrame(this, "frmCfgVideoGamma", "");
    auto* layout = new QHBoxLayout(frame);

    m_brightness = makeClickBox(QStringLiteral("txtCfgBrightness"), true);
    layout->addWidget(frameAround(frame, "Frame1", "Helligkeit (Standart:1,Max.:10)", m_brightness));

    m_gamma = makeClickBox(QStringLiteral("txtCfgGamma"), true);
    m_gamma->setToolTip(QStringLiteral(
        "Gamma-Korrektur, keine weitere Wirkung bei über 3. Stellt neben Helligkeit und "
        "Kontrast eine der Techniken dar, Farben zu erhellen - dunkle Farben werden viel "
        "heller, helle Farben nur ein wenig. Gammawerte, die weit ueber 3 liegen (z.B. 50), "
        "erzeugen rotes Schimmern der gegnerischen Spieler und diverser zerschiessbarer Items, "
        "wenn jemand schiesst - das ist ein Bug, nicht absichtlich gewollt!!"));
    layout->addWidget(frameAround(frame, "Frame2", "Gamma-Korrektur (Standart 1 Max.:3)", m_gamma));
    return frame;
}

QWidget* VideoPage::setupOtherFrame()
{
    auto* frame = makeFrame(this, "frmVSonstiges", "Sonstiges");
    auto* layout = new QHBoxLayout(frame);

    m_maxFps = makeClickBox(QStringLiteral("txtCfgVMaxFPS"), true);
    m_maxFps->setToolTip(QStringLiteral(
        "Maximale Bilder pro Sekunde allgemein, 100 ist Maximum. Bei nicht konstanten 99FPS "
        "sollte man ein niedrigeres Maximum wählen - eine konstante FPS-Zahl ist wichtiger "
        "und verringert gegebenenfalls Lags."));
    layout->addWidget(frameAround(frame, "Frame3", "Maximale Framerate (Max: 101)", m_maxFps));

    // Two columns right of the frame-rate box: MMX over Precache, and
    // Z-Buffer over Bopup.
    m_mmx = makeCheck(frame, "chkCfgVMMX", "MMX-Support",
                      "MMX-Support bringt nahezu konstant 5 Bilder mehr in der Sekunde");
    m_precache = makeCheck(frame, "chkCfgVPrecache", "Precache",
                           "Precaching beschleunigt .zB Mapload");
    m_zTrick = makeCheck(frame, "chkCfgVZtrick", "Z-Buffer leeren",
        "der Z-Buffer wird geleert - bringt mehr FPS. Beim Serverjoin flickert es einmal "
        "kurz, sonst keine sichtbaren Beeintraechtigungen.");
    m_bopup = makeCheck(frame, "chkCfgVBUP", "Bopup", "Wackeln beim Laufen hoch & runter");
    auto* columns = new QGridLayout;
    columns->addWidget(m_mmx, 0, 0);
    columns->addWidget(m_precache, 1, 0);
    columns->addWidget(m_zTrick, 0, 1);
    columns->addWidget(m_bopup, 1, 1);
    layout->addLayout(columns);
    layout->addStretch(1);
    return frame;
}

void VideoPage::storeFlag(const QAbstractButton* button, Settings::Flag Settings::* field)
{
    if (button->isChecked())
        settings().*field = 1;
}

void VideoPage::next()
{
    if (!typedTextsAcceptable({m_brightness, m_gamma, m_maxFps}))
        return;

    Settings& s = settings();
    storeFlag(m_best, &Settings::CfgVidBest);
    storeFlag(m_middle, &Settings::CfgVidMittel);
    s.CfgBrightness = m_brightness->text() == kBrightnessDefaultText
                          ? std::string("1") : m_brightness->text().toStdString();
    s.CfgGamma = m_gamma->text() == kGammaDefaultText
                     ? std::string("1") : m_gamma->text().toStdString();
    storeFlag(m_zTrick, &Settings::CfgVZtrick);
    storeFlag(m_bopup, &Settings::CfgVBUP);
    storeFlag(m_mmx, &Settings::CfgVMMX);
    storeFlag(m_precache, &Settings::CfgVPrecache);

    // Clicks are counted, not filled boxes: three clicks into one box pass.
    if (clickCount() < kMinimumClicks) {
        reject(QStringLiteral("Alle Felder müssen ausgefüllt werden!"));
        return;
    }

    // Read as the writer will write it: "99,5" is 99.5, "+100" is 100.
    const std::optional<double> frameRate = plainNumber(m_maxFps->text().toStdString());
    if (!frameRate) {
        reject(QStringLiteral(
            "Bitte gib als maximale Framerate eine Zahl ein (z.B. 100 oder 99,5)!"));
        return;
    }
    if (*frameRate > kHighestFrameRate) {
        // This one message keeps the page on screen as it is, with the
        // box emptied for a new value.
        dialogs().inform(this, QStringLiteral("Eine maximale Framrate von 101 ist nur möglich!"),
                         QStringLiteral("CS Quorvix 0.3a"));
        m_maxFps->setText(QString()); // not clear(): no undo brings it back
        return;
    }

    // Stored as typed; the writer puts a decimal comma as a point.
    s.CfgVMaxFPS = m_maxFps->text().toStdString();
    acceptAndMoveOn();
}

} // namespace quorvix
