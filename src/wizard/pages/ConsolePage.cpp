#include "wizard/pages/ConsolePage.h"

#include "ui/ClickLineEdit.h"
#include "ui/UserDialogs.h"
#include "wizard/pages/PageControls.h"

#include <QCheckBox>
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorvix {
namespace {

struct ColourRow {
    const char* name;
    const char* caption;
    QRgb colour;
    Settings::Flag Settings::* field;
};

// Top to bottom as the frame shows them; each caption is drawn in the
// colour it stands for.
constexpr std::array<ColourRow, 4> kColourRows = {{
    {"chkCfgCGruen", "Grüne Schrift", qRgb(0, 192, 0), &Settings::CfgCGruen},
    {"chkCfgCRot", "Rote Schrift", qRgb(255, 0, 0), &Settings::CfgCRot},
    {"chkCfgCBlau", "Blaue Schrift", qRgb(0, 0, 255), &Settings::CfgCBlau},
    {"chkCfgCWeiss", "Weiße Schrift", qRgb(255, 255, 255), &Settings::CfgCWeiss},
}};

void paintCaption(QWidget* widget, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(colour));
    // White on the light window background cannot be read; a dark backdrop
    // just behind the box keeps the caption in the colour it names.
    if (QColor(colour).lightness() > 200) {
        palette.setColor(widget->backgroundRole(), QColor(64, 64, 64));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

} // namespace

ConsolePage::ConsolePage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(6, settings, wizard, dialogs, parent)
{
    setupControls();
}

void ConsolePage::setupControls()
{
    contentLayout()->addWidget(setupColourFrame());
    contentLayout()->addWidget(setupSpeedFrame());
}

QWidget* ConsolePage::setupColourFrame()
{
    auto* frame = makeFrame(this, "frmCfgConsoleFarbe", "Consolen Farbe");
    auto* layout = new QVBoxLayout(frame);

    for (std::size_t i = 0; i < kColourRows.size(); ++i) {
        const ColourRow& row = kColourRows[i];
        auto* box = makeCheck(frame, row.name, row.caption);
        paintCaption(box, row.colour);
        layout->addWidget(box, 0, Qt::AlignLeft);
        // Next reads them bottom up: white, blue, red, green.
        m_colours[kColourRows.size() - 1 - i] = {box, row.field};
    }

    auto* hint = new QLabel(QStringLiteral(
        "Oder gebe einen RGB Wert im Textfeld an z.B.                   255 255 255"), frame);
    hint->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(hint);

    // Its click empties it like every wizard box, and counts as a colour
    // choice instead of raising the page's click counter.
    m_rgb = makeClickBox(QStringLiteral("txtCfgConsoleRGB"));
    m_rgb->setAccessibleName(QStringLiteral("RGB Wert"));
    m_rgb->setToolTip(QStringLiteral("Consolen-Schriftfarbe in RGB-Werten.Standartwert:255 155 50"));
    connect(m_rgb, &ClickLineEdit::clicked, this, &ConsolePage::countRgbClick);
    layout->addWidget(m_rgb);
    return frame;
}

QWidget* ConsolePage::setupSpeedFrame()
{
    auto* frame = makeFrame(this, "frmCfgConsoleSpeed", "Consolen-Klappgeschwindigkeit  + developer");
    auto* layout = new QVBoxLayout(frame);
    m_fast = makeOption(frame, "optCfgCGS", "Schnell");
    m_slow = makeOption(frame, "optCfgCGL", "Langsam");
    m_developer = makeCheck(frame, "chkCfgCdev", "developer");
    layout->addWidget(m_fast);
    layout->addWidget(m_slow);
    layout->addWidget(m_developer);
    return frame;
}

void ConsolePage::countRgbClick()
{
    raiseSaturating(settings().ColorCount);
}

void ConsolePage::next()
{
    if (!typedTextsAcceptable({m_rgb}))
        return;

    Settings& s = settings();
    // "Langsam" has no field: slow is simply CfgCGS left at 0.
    if (m_fast->isChecked())
        s.CfgCGS = 1;
    if (m_developer->isChecked())
        s.CfgCdev = 1;
    for (const Colour& colour : m_colours) {
        if (colour.box->isChecked()) {
            raiseSaturating(s.ColorCount);
            s.*colour.field = 1;
        }
    }
    // The writer ignores texts that do not sort after "0" (empty, "0", a
    // leading blank or sign), so such a text leaves the stored one alone.
    const std::string rgb = m_rgb->text().toStdString();
    if (sortsAfterZero(rgb))
        s.CfgConsoleRGB = rgb;

    if (s.ColorCount < 2) {
        acceptAndMoveOn();
        return;
    }

    dialogs().inform(this, QStringLiteral("Du darfst nur eine Farbe auswählen!"));
    undoColourChoice();
    hide();
    show();
}

// A rejected colour choice starts a new pass: counter, flags and boxes are
// cleared. The stored RGB text and the speed and developer answers stay.
void ConsolePage::undoColourChoice()
{
    Settings& s = settings();
    s.ColorCount = 0;
    for (const Colour& colour : m_colours) {
        s.*colour.field = 0;
        colour.box->setChecked(false);
    }
    m_rgb->setText(QString()); // not clear(): no undo brings it back
}

} // namespace quorvix
