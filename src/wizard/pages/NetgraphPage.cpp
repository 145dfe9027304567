#include "wizard/pages/NetgraphPage.h"

#include "ui/ClickLineEdit.h"
#include "wizard/pages/PageControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvix {
namespace {

using S = Settings;

// Clicks into the two size boxes needed since the page was loaded.
constexpr Settings::Flag kMinimumClicks = 2;

constexpr std::array<FlagControl, 3> kModes = {{
    {"optCfgNgraph1", "Modus 1", "grafisch", &S::CfgNgraph1},
    {"optCfgNgraph2", "Modus 2", "grafisch", &S::CfgNgraph2},
    {"optCfgNgraph3", "Modus 3", "Stats/Text", &S::CfgNgraph3},
}};

constexpr std::array<FlagControl, 3> kPositions = {{
    {"optCfgNgraphP1", "Links", nullptr, &S::CfgNgraphP1},
    {"optCfgNgraphP2", "Mitte", nullptr, &S::CfgNgraphP2},
    {"optCfgNgraphP3", "Rechts", nullptr, &S::CfgNgraphP3},
}};

// A size box holding `keepWhen` leaves the stored size as it was; any other
// text, the empty one included, is stored. The width's `keepWhen` lacks the
// closing parenthesis of its frame caption, so a box holding the full
// caption is stored like any other text.
struct Size {
    const char* frameName;
    const char* frameCaption;
    const char* boxName;
    const char* tooltip;
    std::string Settings::* field;
    const char* keepWhen;
};

constexpr std::array<Size, 2> kSizes = {{
    {"frmNetgraphhoehe", "Netgraph-Höhe (Standart: 64)", "txtCfgNetghight", "NetGraph-Höhe.",
     &S::CfgNetghight, "Netgraph-Höhe (Standart: 64)"},
    {"frmNetgraphBreite", "Netgraph-Breite (Standart: 150)", "txtCfgNetgwidth",
     "Breite des NetGraphs", &S::CfgNetgwidth, "Netgraph-Breite (Standart: 150"},
}};

} // namespace

NetgraphPage::NetgraphPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs,
                           QWidget* parent)
    : WizardPage(8, settings, wizard, dialogs, parent)
{
    setupControls();
}

void NetgraphPage::setupControls()
{
    QGroupBox* frame = makeFrame(this, "frmCfgNetg", "Netgraph Settings");
    auto* layout = new QVBoxLayout(frame);
    setupModeGroup(layout);
    setupPositionGroup(layout);
    setupSizeGroups(layout);
    alignOptionColumns();
    contentLayout()->addWidget(frame);
}

void NetgraphPage::alignOptionColumns()
{
    // Equal columns in both groups, so each position stands under a mode.
    int width = 0;
    for (const auto* options : {&m_modes, &m_positions}) {
        for (QRadioButton* option : *options)
            width = std::max(width, option->sizeHint().width());
    }
    for (const auto* options : {&m_modes, &m_positions}) {
        auto* grid = static_cast<QGridLayout*>(options->front()->parentWidget()->layout());
        for (int column = 0; column < grid->columnCount(); ++column) {
            grid->setColumnMinimumWidth(column, width);
            grid->setColumnStretch(column, 1);
        }
    }
}

void NetgraphPage::setupModeGroup(QVBoxLayout* frame)
{
    QGroupBox* group = makeFrame(nullptr, "frmCfgNetgSettings",
                                 "Netgraph Modus Netzwerk- FPS-Statistiken ");
    auto* grid = new QGridLayout(group);

    m_off = makeCheck(nullptr, "chkCfgNgraphAus", "Netgraph Aus",
                      "Netzwerk-/FPS-Statistiken wird ausgeschaltet.");
    // Across the three columns, so it does not widen the first one, and
    // left-aligned, so the control is only as wide as its caption.
    grid->addWidget(m_off, 0, 0, 1, static_cast<int>(kModes.size()), Qt::AlignLeft);
    connect(m_off, &QCheckBox::toggled, this, &NetgraphPage::chkCfgNgraphAus_Click);

    for (std::size_t i = 0; i < kModes.size(); ++i) {
        const FlagControl& row = kModes[i];
        m_modes[i] = makeOption(nullptr, row.name, row.caption, row.tooltip);
        grid->addWidget(m_modes[i], 1, static_cast<int>(i));
    }
    frame->addWidget(group);
}

void NetgraphPage::setupPositionGroup(QVBoxLayout* frame)
{
    QGroupBox* group = makeFrame(nullptr, "frmCfgNetgPos", "Netgraph Position");
    auto* row = new QGridLayout(group);
    for (std::size_t i = 0; i < kPositions.size(); ++i) {
        const FlagControl& position = kPositions[i];
        m_positions[i] = makeOption(nullptr, position.name, position.caption, position.tooltip);
        row->addWidget(m_positions[i], 0, static_cast<int>(i));
    }
    frame->addWidget(group);
}

void NetgraphPage::setupSizeGroups(QVBoxLayout* frame)
{
    for (std::size_t i = 0; i < kSizes.size(); ++i) {
        const Size& row = kSizes[i];
        m_sizes[i] = makeFramedClickBox(frame, row.frameName, row.frameCaption, row.boxName,
                                        row.tooltip, true);
    }
}

void NetgraphPage::chkCfgNgraphAus_Click(bool ticked)
{
    if (ticked) {
        switchOffAndMoveOn();
        return;
    }
    // Unticked after coming back to the page: the graph is on again, and
    // the page stays for the rest of the choices.
    settings().CfgNgraphAus = 0;
}

void NetgraphPage::switchOffAndMoveOn()
{
    // Nothing else of the page matters with the graph switched off.
    settings().CfgNgraphAus = 1;
    acceptAndMoveOn();
}

void NetgraphPage::next()
{
    // The shortcut reads no text, so it is not held up by one the check
    // below would refuse; ticking the box takes it without that check too.
    if (m_off->isChecked()) {
        switchOffAndMoveOn();
        return;
    }
    if (!typedTextsAcceptable({m_sizes[0], m_sizes[1]}))
        return;

    Settings& record = settings();
    raiseChosenFlags(record, kModes, m_modes);
    for (std::size_t i = 0; i < kSizes.size(); ++i) {
        const QString text = m_sizes[i]->text();
        if (text != QString::fromUtf8(kSizes[i].keepWhen))
            record.*kSizes[i].field = text.toStdString();
    }
    raiseChosenFlags(record, kPositions, m_positions);

    if (clickCount() < kMinimumClicks) {
        reject(QStringLiteral("Alle Felder müssen ausgefüllt werden!"));
        return;
    }
    acceptAndMoveOn();
}

} // namespace quorvix
