#include "wizard/pages/NickPage.h"

#include "ui/ClickLineEdit.h"
#include "wizard/pages/PageTable.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvix {

NickPage::NickPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(1, settings, wizard, dialogs, parent)
{
    setupControls();
}

void NickPage::setupControls()
{
    auto* frame = new QGroupBox(QStringLiteral("Nick Settings"), this);
    frame->setObjectName(QStringLiteral("frmCfgNick"));
    auto* layout = new QVBoxLayout(frame);

    auto* label = new QLabel(QString::fromUtf8("Gebe den gewünschten Nickname ein."), frame);
    label->setObjectName(QStringLiteral("lblSpielername"));
    layout->addWidget(label);

    m_name = makeClickBox(QStringLiteral("txtSpielername"));
    m_name->setAccessibleName(label->text());
    label->setBuddy(m_name);
    layout->addWidget(m_name);
    contentLayout()->addWidget(frame);

    // The box comes first in the tab order so that it has the focus as soon
    // as the page opens and the user can type right away.
    if (auto* next = findChild<QPushButton*>(QString::fromLatin1(pageInfo(1).nextButton)))
        setTabOrder(m_name, next);
    m_name->setFocus();
}

void NickPage::next()
{
    const QString typed = m_name->text();
    if (typed.isEmpty()) {
        reject(QString::fromUtf8("Sie haben kein Spielername eingeben!"));
        return;
    }
    if (!typedTextsAcceptable({m_name}))
        return;
    // The quotes go into the stored value only; the box keeps the name as
    // typed, so passing this page again does not wrap it a second time.
    settings().Spielername = " \"" + typed.toStdString() + "\"";
    acceptAndMoveOn();
}

} // namespace quorvix
