#include "wizard/pages/ViolencePage.h"

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
    auto* frame = new QGroupBox(QStringLiteral("Violence Settings"), this);
    frame->setObjectName(QStringLiteral("frmCfgViolence"));
    frame->setAccessibleName(frame->title());
    auto* frameLayout = new QVBoxLayout(frame);

    auto* blood = new QGroupBox(QStringLiteral("Blut"), frame);
    blood->setObjectName(QStringLiteral("frmCfgViolenceBlut"));
    blood->setAccessibleName(blood->title());
    auto* row = new QHBoxLayout(blood);

    m_bloodOn = makeOption(QStringLiteral("optCfgViolenceBlutan"), QStringLiteral("Blut an"));
    // The palette rather than a style sheet, so the button keeps the
    // look of the others and only its caption turns red.
    QPalette red = m_bloodOn->palette();
    red.setColor(QPalette::WindowText, kBloodRed);
    m_bloodOn->setPalette(red);
    row->addWidget(m_bloodOn);
    row->addWidget(makeOption(QStringLiteral("optCfgViolenceBlutaus"), QStringLiteral("Blut aus")));

    frameLayout->addWidget(blood);
    contentLayout()->addWidget(frame);
}

QRadioButton* ViolencePage::makeOption(const QString& name, const QString& caption)
{
    auto* option = new QRadioButton(caption);
    option->setObjectName(name);
    option->setAccessibleName(caption);
    return option;
}

void ViolencePage::next()
{
    if (m_bloodOn->isChecked())
        settings().CfgViolenceBlutan = 1;
    acceptAndMoveOn();
}

} // namespace quorvix
