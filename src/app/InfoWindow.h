#pragma once

#include <QWidget>

class QGridLayout;
class QGroupBox;
class QLabel;
class QPlainTextEdit;

namespace quorvix {

class UserDialogs;

// The about window "Info": logo, credits, disclaimer and two link labels.
// Not modal; it deletes itself when closed.
class InfoWindow : public QWidget {
    Q_OBJECT
public:
    explicit InfoWindow(UserDialogs& dialogs, QWidget* parent = nullptr);

    // Fills the disclaimer; runs each time a window is made.
    void Form_Load();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setupWindow();
    QGroupBox* makeCreditsFrame();
    QPlainTextEdit* makeNote();
    QGridLayout* makeLinks();
    void setupKeyboard();
    void openAddress(const char* address);

    UserDialogs& m_dialogs;
    QPlainTextEdit* m_note = nullptr;
    QLabel* m_productLink = nullptr;
    QLabel* m_partnerLink = nullptr;
    bool m_placed = false;
};

// The disclaimer shown in the about window: freeware notice, no warranty,
// limitation of liability.
QString disclaimerText();

} // namespace quorvix
