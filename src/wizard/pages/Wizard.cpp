#include "wizard/pages/Wizard.h"

#include "ui/WindowFit.h"
#include "wizard/pages/AccessibleNames.h"
#include "wizard/pages/PageFactory.h"
#include "wizard/pages/WizardPage.h"

#include <memory>

namespace quorvix {

Wizard::Wizard(Settings& settings, UserDialogs& dialogs, QWidget* windowParent)
    : m_settings(settings)
    , m_dialogs(dialogs)
    , m_windowParent(windowParent)
{
}

Wizard::~Wizard()
{
    for (auto& page : m_pages)
        delete page.data();
}

WizardPage* Wizard::create(int page)
{
    WizardPage* window = createWizardPage(page, m_settings, *this, m_dialogs, m_windowParent);
    m_pages[static_cast<std::size_t>(page - 1)] = window;
    nameForScreenReaders(window);
    window->focusFirstControl();
    fitOnScreen(window, pageSize(), m_windowParent);
    window->loadReset();
    return window;
}

QSize Wizard::pageSize()
{
    // Every page gets the size of the largest, so "Weiter" and "Zurück" do
    // not move from step to step. Measured once, on pages that are built
    // and dropped again without being loaded.
    if (m_pageSize.isEmpty()) {
        for (int n = 1; n <= kPageCount; ++n) {
            const std::unique_ptr<WizardPage> probe(
                createWizardPage(n, m_settings, *this, m_dialogs, nullptr));
            m_pageSize = m_pageSize.expandedTo(wantedSize(probe.get()));
        }
    }
    return m_pageSize;
}

void Wizard::showPage(int page)
{
    WizardPage* window = this->page(page);
    if (!window)
        window = create(page);
    window->show();
    window->raise();
    window->activateWindow();
}

void Wizard::hidePage(int page)
{
    if (WizardPage* window = this->page(page))
        window->hide();
}

void Wizard::reloadHidden(int page)
{
    if (WizardPage* old = this->page(page)) {
        old->hide();
        // The old window may be the one whose button is being handled, so
        // it goes later; unnamed, so that nothing finds it in the meantime.
        old->setObjectName(QString());
        old->deleteLater();
    }
    create(page);
}

WizardPage* Wizard::page(int page) const
{
    if (page < 1 || page > kPageCount)
        return nullptr;
    return m_pages[static_cast<std::size_t>(page - 1)].data();
}

WizardPage* Wizard::visiblePage() const
{
    for (const auto& page : m_pages) {
        if (page && page->isVisible())
            return page.data();
    }
    return nullptr;
}

void Wizard::finish()
{
    emit finished();
}

} // namespace quorvix
