#include "support/PageDriver.h"
#include "support/ScriptedDialogs.h"
#include "wizard/TypedText.h"
#include "wizard/pages/NickPage.h"
#include "wizard/pages/Wizard.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

const QString kEmptyName = QStringLiteral("Sie haben kein Spielername eingeben!");

struct Harness {
    Settings settings;
    ScriptedDialogs dialogs;
    Wizard wizard{settings, dialogs};

    Harness() { wizard.showPage(1); }
    WizardPage* page() const { return wizard.page(1); }
    QLineEdit* box() const { return child<QLineEdit>(page(), QStringLiteral("txtSpielername")); }
    void next() { pressNext(page()); settle(); }
    bool onPage(int n) const { return wizard.page(n) && wizard.page(n)->isVisible(); }
};

// Counts how often a window was hidden, to tell "shown again" from "left
// alone".
class HideCounter : public QObject {
public:
    explicit HideCounter(QWidget* watched) { watched->installEventFilter(this); }
    int hides = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            ++hides;
        return false;
    }
};

} // namespace

class NickPageTest : public QObject {
    Q_OBJECT
private slots:
    void windowAndControls()
    {
        Harness h;
        QCOMPARE(h.page()->objectName(), QStringLiteral("Spielername"));
        QCOMPARE(h.page()->windowTitle(), QStringLiteral("Nick Schritt: ( 1 von 11 )"));
        auto* frame = child<QGroupBox>(h.page(), QStringLiteral("frmCfgNick"));
        QVERIFY(frame);
        QCOMPARE(frame->title(), QStringLiteral("Nick Settings"));
        auto* label = child<QLabel>(frame, QStringLiteral("lblSpielername"));
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("Gebe den gewünschten Nickname ein."));
        QVERIFY(frame->isAncestorOf(h.box()));
        QVERIFY(h.box()->text().isEmpty());
        QVERIFY(h.box()->toolTip().isEmpty());
        QVERIFY(label->geometry().top() < h.box()->geometry().top());
        QVERIFY(!h.page()->findChild<QPushButton*>(QStringLiteral("cmdZurueck1")));
        QCOMPARE(child<QPushButton>(h.page(), QStringLiteral("cmdWeiter1"))->text(),
                 QStringLiteral("Weiter"));
        // The box holds the focus when the page comes up.
        h.page()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.page()));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(h.box()));
    }

    void nameIsStoredWrappedOnce_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("plain") << "Foo";
        QTest::newRow("three blanks") << "   ";
        QTest::newRow("umlauts and euro") << "Jörg€";
        QTest::newRow("127 characters") << QString(127, QLatin1Char('x'));
        QTest::newRow("clan tag") << "[Q]-Foo's <3";
    }
    void nameIsStoredWrappedOnce()
    {
        QFETCH(QString, typed);
        Harness h;
        clickAndType(h.box(), typed);
        h.next();
        const std::string wrapped = " \"" + typed.toStdString() + "\"";
        QCOMPARE(h.settings.Spielername, wrapped);
        QCOMPARE(h.settings.SpielernameDone, Settings::Flag(1));
        QVERIFY(h.onPage(2));
        QVERIFY(!h.page()->isVisible());
        // The box keeps what was typed.
        QCOMPARE(h.box()->text(), typed);

        // Next, Back, Next without touching the box: still wrapped once.
        pressBack(h.wizard.page(2));
        QVERIFY(h.page()->isVisible());
        QCOMPARE(h.settings.SpielernameDone, Settings::Flag(1));
        QCOMPARE(h.box()->text(), typed);
        h.next();
        QCOMPARE(h.settings.Spielername, wrapped);
        QVERIFY(h.onPage(2));
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    void emptyNameIsRefusedAndNothingStored()
    {
        Harness h;
        h.settings.Spielername = " \"earlier\"";
        HideCounter counter(h.page());
        h.next();
        QCOMPARE(h.dialogs.texts(), QStringList{kEmptyName});
        const RecordedMessage& message = h.dialogs.messages.first();
        QCOMPARE(message.title, QStringLiteral("Quorvix v0.3b"));
        QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(message.icon, QMessageBox::NoIcon);
        QCOMPARE(h.settings.Spielername, std::string(" \"earlier\""));
        QCOMPARE(h.settings.SpielernameDone, Settings::Flag(0));
        // Hidden and shown again; still the current page.
        QCOMPARE(counter.hides, 1);
        QVERIFY(h.page()->isVisible());
        QVERIFY(!h.wizard.page(2));
    }

    void namesThatWouldBreakTheConfigAreRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("a quote that would end the value") << "x\";quit;\"";
        QTest::newRow("single quote char") << "\"";
        QTest::newRow("tab") << "a\tb";
        QTest::newRow("escape") << QStringLiteral("a\x1b");
        QTest::newRow("not in Windows-1252") << QStringLiteral("名前");
        QTest::newRow("emoji") << QStringLiteral("x\U0001F600");
        QTest::newRow("128 characters") << QString(128, QLatin1Char('x'));
    }
    void namesThatWouldBreakTheConfigAreRefused()
    {
        QFETCH(QString, typed);
        Harness h;
        h.box()->setText(typed);
        h.next();
        QCOMPARE(h.dialogs.messages.size(), 1);
        const auto problem = typedTextProblem(typed.toStdString());
        QVERIFY(problem.has_value());
        QCOMPARE(h.dialogs.messages.first().text, QString::fromStdString(*problem));
        QVERIFY(h.settings.Spielername.empty());
        QCOMPARE(h.settings.SpielernameDone, Settings::Flag(0));
        QVERIFY(h.page()->isVisible());
        QVERIFY(!h.wizard.page(2));
        QCOMPARE(h.box()->text(), typed);
    }

    void refusedThenCorrectedNameGoesThrough()
    {
        Harness h;
        clickAndType(h.box(), QStringLiteral("Fo\"o"));
        h.next();
        QVERIFY(h.page()->isVisible());
        // A click empties the box; the new name is stored wrapped once.
        clickAndType(h.box(), QStringLiteral("Foo"));
        h.next();
        QCOMPARE(h.settings.Spielername, std::string(" \"Foo\""));
        QVERIFY(h.onPage(2));
    }

    void clickEmptiesTheBoxKeyboardDoesNot()
    {
        Harness h;
        typeWithoutClick(h.box(), QStringLiteral("abc"));
        QCOMPARE(h.box()->text(), QStringLiteral("abc"));
        typeWithoutClick(h.box(), QStringLiteral("d"));
        QCOMPARE(h.box()->text(), QStringLiteral("abcd"));
        QTest::mouseClick(h.box(), Qt::LeftButton, {}, h.box()->rect().center());
        QVERIFY(h.box()->text().isEmpty());
        // Back from page 2, click, new name: replaces the field, once wrapped.
        QTest::keyClicks(h.box(), QStringLiteral("Old"));
        h.next();
        pressBack(h.wizard.page(2));
        clickAndType(h.box(), QStringLiteral("New"));
        h.next();
        QCOMPARE(h.settings.Spielername, std::string(" \"New\""));
    }

    void loadResetClearsOnlyTheDoneFlag()
    {
        Settings settings;
        settings.SpielernameDone = 1;
        settings.Spielername = " \"kept\"";
        ScriptedDialogs dialogs;
        Wizard wizard(settings, dialogs);
        wizard.showPage(1);
        QCOMPARE(settings.SpielernameDone, Settings::Flag(0));
        QCOMPARE(settings.Spielername, std::string(" \"kept\""));
    }
};

QTEST_MAIN(NickPageTest)
#include "tst_nickpage.moc"
