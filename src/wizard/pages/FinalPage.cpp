#include "wizard/pages/FinalPage.h"

#include "wizard/pages/PageTable.h"
#include "wizard/pages/Wizard.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <array>

namespace quorvix {
namespace {

// The commands of the switched-off group, as the read-only boxes show them;
// "ex_maxaccel " really ends in a blank.
constexpr std::array<const char*, 8> kExCommands = {
    "ex_interp",   "ex_extrapmax",   "ex_maxerrordistance", "ex_maxaccel ",
    "ex_maxspeed", "ex_minvelocity", "ex_diminishextrap",   "ex_correct",
};

} // namespace

FinalPage::FinalPage(Settings& settings, Wizard& wizard, UserDialogs& dialogs, QWidget* parent)
    : WizardPage(11, settings, wizard, dialogs, parent)
{
    setupControls();
}

void FinalPage::setupControls()
{
    auto* info = new QGroupBox(QStringLiteral("Info"), this);
    info->setObjectName(QStringLiteral("Frame2"));
    auto* infoLayout = new QVBoxLayout(info);
    auto* notice = new QLabel(
        QString::fromUtf8("ex_h4xX0r ist deaktiviert weil CS 1.6 \"demnächst\" erscheinen wird"),
        info);
    notice->setObjectName(QStringLiteral("Label1"));
    notice->setWordWrap(true);
    infoLayout->addWidget(notice);
    contentLayout()->addWidget(info);

    auto* boxes = new QGroupBox(QStringLiteral("Gib nur die Zahlenwerte in den Textfeldern ein"),
                                this);
    boxes->setObjectName(QStringLiteral("Frame1"));
    auto* column = new QVBoxLayout(boxes);
    for (std::size_t i = 0; i < kExCommands.size(); ++i) {
        auto* box = new QLineEdit(QString::fromLatin1(kExCommands[i]), boxes);
        box->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        box->setReadOnly(true);
        // Shown, not asked for: no tab stop, and on the window's background
        // so they do not look like boxes to type into.
        box->setFocusPolicy(Qt::NoFocus);
        QPalette shownOnly = box->palette();
        shownOnly.setColor(QPalette::Base, shownOnly.color(QPalette::Window));
        box->setPalette(shownOnly);
        box->setAccessibleName(box->text().trimmed());
        column->addWidget(box);
    }
    contentLayout()->addWidget(boxes);
}

void FinalPage::loadReset()
{
    WizardPage::loadReset();
    settings().LastStep = static_cast<Settings::Flag>(kPageCount);
}

void FinalPage::next()
{
    raiseSaturating(settings().WizardDone);
    hide();
    wizard().finish();
}

} // namespace quorvix
