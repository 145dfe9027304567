#include "wizard/pages/ViolencePage.h"

#include "wizard/pages/PageControls.h"

#include <QColor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPalette>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorvix {

namespace {
const QColor kBloodRed(255, 0, 0);
}

ViolencePage::ViolencePage(Settings& settings, Wizard& wizard, UserDialogs& dialogs,
                           QWidget* parent)
    : WizardPage(9, settings, wizard, dialogs, parent)
{
    setupControls();
}

void ViolencePage::setupControls()
{
    QGroupBox* frame = makeFrame(this, "frmCfgViolence", "Violence Settings");
    auto* frameLayout = new QVBoxLayout(frame);

    QGroupBox* blood = makeFrame(frame, "frmCfgViolenceBlut", "Blut");
    auto* row = new QHBoxLayout(blood);

    m_bloodOn = makeOption(blood, "optCfgViolenceBlutan", "Blut an");
    // The palette rather than a style sheet, so the button keeps the
    // look of the others and only its caption turns red.
    QPalette red = m_bloodOn->palette();
    red.setColor(QPalette::WindowText, kBloodRed);
    m_bloodOn->setPalette(red);
    row->addWidget(m_bloodOn);
    row->addWidget(makeOption(blood, "optCfgViolenceBlutaus", "Blut aus"));

    frameLayout->addWidget(blood);
    contentLayout()->addWidget(frame);
}

void ViolencePage::next()
{
    if (m_bloodOn->isChecked())
        settings().CfgViolenceBlutan = 1;
    acceptAndMoveOn();
}

} // namespace quorvix
