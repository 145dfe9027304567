#include "wizard/pages/HudPage.h"

#include "ui/ClickLineEdit.h"
#include "wizard/pages/PageControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace quorvix {
namespace {

using S = Settings;

// The three boxes must have been clicked into at least this often in all
// since the page was loaded; keyboard-only filling is refused.
constexpr Settings::Flag kMinimumClicks = 3;

constexpr std::array<FlagControl, 3> kSwitches = {{
    {"chkCfgHudcenterid", "An: Spielernamen mittig / Aus: links unten", nullptr,
     &S::CfgHudcenterid},
    {"chkCfgHudFS", "Fastswitch (Schneller Waffenwechsel)",
     "Schneller Wechsel zwischen den Waffen ohne Menü ", &S::CfgHudFS},
    {"chkCfgHudtakeshot", "Automatischer Screenshot am Map-Ende", nullptr,
     &S::CfgHudtakeshot},
}};

// In the order Next checks and stores them; an empty box stops Next with
// its own message, after the boxes above it have been stored.
struct Duration {
    const char* frameName;
    const char* frameCaption;
    const char* boxName;
    const char* tooltip;
    std::string Settings::* field;
    const char* emptyMessage;
};

// The buy-history frame's name repeats its box's name five times; it is
// kept so, because controls are found by their names.
constexpr std::array<Duration, 3> kDurations = {{
    {"frmDeathnoticetime", "Dauer der Todesnachrichten in Sek.", "txtCfgHudDTN",
     "Dauer (Sek.) der Todesnachrichten.", &S::CfgHudDTN,
     "Sie haben keine Deathnoticetime eingegeben!"},
    {"frmchattime", "Dauer der Chatanzeige in Sek.", "txtCfgHudChattime",
     "Dauer (Sek.) der Chatanzeige. Bei Erhoehung bleibt der Chattext laenger stehen. "
     "Der Minimalwert liegt bei etwa 0.01, 0 ist bei diesem Befehl nicht moeglich",
     &S::CfgHudChattime, "Sie haben keine Chattime eingegeben!"},
    {"txtCfgHudKaufhistxtCfgHudKaufhistxtCfgHudKaufhistxtCfgHudKaufhistxtCfgHudKaufhis",
     "Dauer der Kaufhistory in Sek.", "txtCfgHudKaufhis", "Dauer (Sek.) der Kaufhistory",
     &S::CfgHudKaufhis, "Sie haben keine Drawhistorytime eingegeben!"},
}};

} // namespace

HudPage::HudPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(7, settings, wizard, dialogs, parent)
{
    setupControls();
}

void HudPage::setupControls()
{
    QGroupBox* frame = makeFrame(this, "frmCfgHud", "Hud Settings");
    auto* layout = new QVBoxLayout(frame);
    setupSwitches(layout);
    setupDurations(layout);
    contentLayout()->addWidget(frame);
}

void HudPage::setupSwitches(QVBoxLayout* frame)
{
    for (std::size_t i = 0; i < kSwitches.size(); ++i) {
        const FlagControl& row = kSwitches[i];
        QCheckBox* box = makeCheck(nullptr, row.name, row.caption, row.tooltip);
        frame->addWidget(box);
        m_switches[i] = box;
    }
}

void HudPage::setupDurations(QVBoxLayout* frame)
{
    for (std::size_t i = 0; i < kDurations.size(); ++i) {
        const Duration& row = kDurations[i];
        m_durations[i] = makeFramedClickBox(frame, row.frameName, row.frameCaption,
                                            row.boxName, row.tooltip, true);
    }
}

void HudPage::next()
{
    if (!typedTextsAcceptable({m_durations[0], m_durations[1], m_durations[2]}))
        return;

    Settings& record = settings();
    for (std::size_t i = 0; i < kDurations.size(); ++i) {
        const QString text = m_durations[i]->text();
        if (text.isEmpty()) {
            reject(QString::fromUtf8(kDurations[i].emptyMessage));
            return;
        }
        record.*kDurations[i].field = text.toStdString();
    }
    raiseChosenFlags(record, kSwitches, m_switches);
    if (clickCount() < kMinimumClicks) {
        reject(QStringLiteral("Alle Felder müssen ausgefüllt werden!"));
        return;
    }
    acceptAndMoveOn();
}

} // namespace quorvix
