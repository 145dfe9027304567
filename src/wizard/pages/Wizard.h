#pragma once

#include "wizard/Settings.h"

#include <QObject>
#include <QPointer>
#include <QSize>

#include <array>

class QWidget;

namespace quorvix {

class UserDialogs;
class WizardPage;

// Owns the eleven page windows, which belong to the window given as their
// parent (the main window) and open centred over it. A page is created (and its load reset run)
// the first time it is shown, then only hidden and shown again; Back is the
// one thing that destroys a page, and it creates it again at once.
class Wizard : public QObject {
    Q_OBJECT
public:
    Wizard(Settings& settings, UserDialogs& dialogs, QWidget* windowParent = nullptr);
    ~Wizard() override;

    // Creates the page if needed (running its load reset), then shows it.
    void showPage(int page);
    void hidePage(int page);
    // Destroys the page window and creates it again, hidden.
    void reloadHidden(int page);
    // The page window, or nullptr while it is not loaded.
    WizardPage* page(int page) const;
    // The page currently visible, or nullptr.
    WizardPage* visiblePage() const;

    // Called by the final page's Next.
    void finish();

signals:
    void finished();

private:
    WizardPage* create(int page);
    QSize pageSize();

    Settings& m_settings;
    UserDialogs& m_dialogs;
    QWidget* m_windowParent;
    QSize m_pageSize;
    std::array<QPointer<WizardPage>, kPageCount> m_pages;
};

} // namespace quorvix
