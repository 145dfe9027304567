#include "wizard/pages/MousePage.h"

#include "ui/ClickLineEdit.h"
#include "wizard/pages/PageControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace quorvix {

MousePage::MousePage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(5, settings, wizard, dialogs, parent)
{
    setupControls();
}

void MousePage::setupControls()
{
    auto* frame = makeFrame(this, "frmCfgMaus", "Maus Settings");
    auto* layout = new QVBoxLayout(frame);

    auto* sensitivityLabel = new QLabel(
        QStringLiteral("Gib deine Maussensitivity ein (z.B. 2.5)"), frame);
    sensitivityLabel->setObjectName(QStringLiteral("lblCfgMSens"));
    m_sensitivity = makeClickBox(QStringLiteral("txtCfgMSens"));
    m_sensitivity->setAccessibleName(sensitivityLabel->text());
    m_sensitivity->setToolTip(QStringLiteral(
        "Mausempfindlichkeit. Niedrige Sensitivity + Maus-Beschleunigung Aus + "
        "Normale Windows-Sensitvity wäre optimal."));
    sensitivityLabel->setBuddy(m_sensitivity);

    // The "&" marks the access key: the label shows an underlined "%" and
    // Alt+% moves the focus to the ratio box.
    auto* ratioLabel = new QLabel(QStringLiteral(
        "Gib die zoom Sensitivity ratio an (Ändert die Sensitivity beim Zoomen, der Wert "
        "z.B. 1.2 ändert die Sens auf 120&%  im Zoom."), frame);
    ratioLabel->setObjectName(QStringLiteral("lblCfgMSensratio"));
    ratioLabel->setTextFormat(Qt::PlainText);
    ratioLabel->setWordWrap(true);
    m_ratio = makeClickBox(QStringLiteral("txtCfgMSensratio"));
    m_ratio->setAccessibleName(QStringLiteral("Zoom Sensitivity ratio"));
    m_ratio->setToolTip(QStringLiteral("Zoom-Mausempfindlichkeit"));
    ratioLabel->setBuddy(m_ratio);

    m_filter = makeCheck(frame, "chkCfgMausFilter",
        "Mausfilter (läst Drehbewegungen flüssiger aussehen)",
        "Aktiviert Mausfilter, um eigene Drehbewegungen fluessiger aussehen zu lassen. "
        "Abgesehen von einer leichten Drehverzoegerung, die man bei wenig FPS besonders "
        "deutlich merkt, veraendert der Mausfilter nichts am Gameplay. Sollte man mit "
        "treiberseitiger Mausbeschleunigung spielen, ist es ratsam, ohne Mausfilter zu "
        "spielen, da er bei schnellen Drehbewegungen die Mausbeschleunigung unterbindet.");

    layout->addWidget(sensitivityLabel);
    layout->addWidget(m_sensitivity);
    layout->addWidget(ratioLabel);
    layout->addWidget(m_ratio);
    layout->addWidget(m_filter);
    contentLayout()->addWidget(frame);

    // Focus without a click: the box is not emptied.
    m_sensitivity->setFocus(Qt::OtherFocusReason);
}

void MousePage::next()
{
    if (!typedTextsAcceptable({m_sensitivity, m_ratio}))
        return;

    if (m_filter->isChecked())
        settings().CfgMausFilter = 1;

    // Only the empty text is refused; blanks, words and negative numbers
    // pass unchanged.
    if (m_sensitivity->text().isEmpty()) {
        reject(QStringLiteral("Sie haben keine Sensitivty eingegeben!"));
        return;
    }
    settings().CfgMSens = m_sensitivity->text().toStdString();

    if (m_ratio->text().isEmpty()) {
        reject(QStringLiteral("Sie haben keine Zoom-Sensitivty-Ratio eingegeben!"));
        return;
    }
    settings().CfgMSensratio = m_ratio->text().toStdString();

    acceptAndMoveOn();
}

} // namespace quorvix
