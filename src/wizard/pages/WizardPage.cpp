#include "wizard/pages/WizardPage.h"

#include "ui/ClickLineEdit.h"
#include "ui/UserDialogs.h"
#include "ui/WindowFit.h"
#include "wizard/TypedText.h"
#include "wizard/pages/PageControls.h"
#include "wizard/pages/PageTable.h"
#include "wizard/pages/Wizard.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace quorvix {

WizardPage::WizardPage(int pageNumber, Settings& settings, Wizard& wizard,
                       UserDialogs& dialogs, QWidget* parent)
    // A dialog-type window stays in front of the main window that owns it
    // and gets no task-bar entry of its own.
    : QWidget(parent, Qt::Dialog)
    , m_pageNumber(pageNumber)
    , m_settings(settings)
    , m_wizard(wizard)
    , m_dialogs(dialogs)
{
    setupWindow();
    setupButtons();
}

void WizardPage::setupWindow()
{
    const PageInfo& info = pageInfo(m_pageNumber);
    setObjectName(QString::fromLatin1(info.windowName));
    setWindowTitle(QString::fromUtf8(info.caption));
    setAccessibleName(windowTitle());

    // Settings and step panel scroll together when the screen is too small
    // for them; the buttons below stay in reach.
    auto* root = new QVBoxLayout(this);
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("Inhalt"));
    auto* columns = new QHBoxLayout(body);
    columns->setContentsMargins(0, 0, 0, 0);
    auto* left = new QVBoxLayout;
    m_content = new QVBoxLayout;
    left->addLayout(m_content);
    left->addStretch(1);
    columns->addLayout(left, 1);

    auto* panel = new QGroupBox(QStringLiteral("Status"), body);
    setupStepPanel(panel);
    columns->addWidget(panel, 0, Qt::AlignTop);
    root->addWidget(makeScrollingBody(body, this), 1);
}

void WizardPage::setupStepPanel(QWidget* panel)
{
    panel->setObjectName(QStringLiteral("frmStatus"));
    auto* layout = new QVBoxLayout(panel);
    for (int step = 1; step <= kPageCount; ++step) {
        auto* label = new QLabel(QString::fromUtf8(pageInfo(step).stepLabel), panel);
        label->setObjectName(QStringLiteral("lbl%1").arg(step));
        QFont font = label->font();
        font.setBold(step == m_pageNumber);
        label->setFont(font);
        layout->addWidget(label);
    }
    layout->addStretch(1);
}

void WizardPage::setupButtons()
{
    const PageInfo& info = pageInfo(m_pageNumber);
    auto* row = new QHBoxLayout;
    m_next = new QPushButton(QStringLiteral("Weiter"), this);
    m_next->setObjectName(QString::fromLatin1(info.nextButton));
    m_next->setDefault(true);
    m_next->setAutoDefault(true);
    row->addWidget(m_next);
    connect(m_next, &QPushButton::clicked, this, [this] { next(); });
    if (info.backButton) {
        m_back = new QPushButton(QString::fromUtf8("Zurück"), this);
        m_back->setObjectName(QString::fromLatin1(info.backButton));
        // Return on a focused "Zurück" means "Zurück", not "Weiter".
        m_back->setAutoDefault(true);
        row->addWidget(m_back);
        connect(m_back, &QPushButton::clicked, this, [this] { back(); });
    }
    row->addStretch(1);
    // Below the page's settings, in the same place on every page.
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void WizardPage::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // The keypad's Enter arrives with the keypad modifier; it is no chord.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain && isVisible()) {
        m_next->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void WizardPage::focusFirstControl()
{
    // The tab order is a circle in which the buttons, made first, stand
    // right after the page's last control; only the starting point needs
    // moving to the page's first control.
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (w != m_next && w != m_back && isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    // A page with nothing to answer opens on "Weiter".
    m_next->setFocus(Qt::TabFocusReason);
}

void WizardPage::loadReset()
{
    resetLoadSet(m_settings, m_pageNumber);
    m_clickCount = 0;
}

void WizardPage::back()
{
    clearForBackOn(m_settings, m_pageNumber);
    const int previous = m_pageNumber - 1;
    Wizard& wizard = m_wizard;
    // This window is destroyed by the reload; nothing of it is used after.
    wizard.reloadHidden(m_pageNumber);
    wizard.showPage(previous);
}

ClickLineEdit* WizardPage::makeClickBox(const QString& objectName, bool countsClicks)
{
    auto* box = new ClickLineEdit(this);
    box->setObjectName(objectName);
    if (countsClicks)
        connect(box, &ClickLineEdit::clicked, this, &WizardPage::countClick);
    return box;
}

ClickLineEdit* WizardPage::makeFramedClickBox(QVBoxLayout* into, const char* frameName,
                                              const char* frameCaption, const char* boxName,
                                              const char* tooltip, bool countsClicks)
{
    QGroupBox* frame = makeFrame(nullptr, frameName, frameCaption);
    auto* inner = new QVBoxLayout(frame);
    ClickLineEdit* box = makeClickBox(QString::fromLatin1(boxName), countsClicks);
    if (tooltip)
        box->setToolTip(QString::fromUtf8(tooltip));
    box->setAccessibleName(frame->title());
    inner->addWidget(box);
    into->addWidget(frame);
    return box;
}

void WizardPage::countClick()
{
    raiseSaturating(m_clickCount);
}

bool WizardPage::typedTextsAcceptable(std::initializer_list<const QLineEdit*> boxes)
{
    for (const QLineEdit* box : boxes) {
        if (const auto problem = typedTextProblem(box->text().toStdString())) {
            reject(QString::fromStdString(*problem));
            return false;
        }
    }
    return true;
}

void WizardPage::reject(const QString& text, const QString& title)
{
    m_dialogs.message(this, title, text, QMessageBox::Ok, QMessageBox::NoIcon);
    hide();
    show();
}

void WizardPage::reject(const QString& text)
{
    reject(text, kTitle);
}

void WizardPage::acceptAndMoveOn()
{
    if (auto done = pageInfo(m_pageNumber).done)
        m_settings.*done = 1;
    hide();
    if (m_pageNumber < kPageCount)
        m_wizard.showPage(m_pageNumber + 1);
}

} // namespace quorvix
