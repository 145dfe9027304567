#include "support/PageRun.h"
#include "wizard/TypedText.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

struct NickRun : PageRun {
    WizardPage* page = open(1);
    QLineEdit* box = need<QLineEdit>(page, "txtSpielername");
    void next()
    {
        pressNext(page);
        settle();
    }
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
        hides += event->type() == QEvent::Hide;
        return false;
    }
};

} // namespace

class NickPageTest : public QObject {
    Q_OBJECT
private slots:
    void windowAndControls()
    {
        NickRun r;
        QCOMPARE(r.page->objectName(), QStringLiteral("Spielername"));
        auto* frame = need<QGroupBox>(r.page, "frmCfgNick");
        QCOMPARE(frame->title(), QStringLiteral("Nick Settings"));
        auto* label = need<QLabel>(frame, "lblSpielername");
        QCOMPARE(label->text(), QStringLiteral("Gebe den gewünschten Nickname ein."));
        QVERIFY(frame->isAncestorOf(r.box) && label->y() < r.box->y());
        QVERIFY(r.box->text().isEmpty() && r.box->toolTip().isEmpty());
        QVERIFY(!r.page->findChild<QPushButton*>(QStringLiteral("cmdZurueck1")));
        // The box holds the focus when the page comes up.
        r.page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(r.page));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(r.box));
    }

    void nameIsStoredWrappedOnce_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("plain") << "Foo";
        QTest::newRow("three blanks") << "   ";
        QTest::newRow("umlauts and euro") << "Jörg€";
        QTest::newRow("127 characters") << QString(127, QLatin1Char('x'));
    }
    void nameIsStoredWrappedOnce()
    {
        QFETCH(QString, typed);
        NickRun r;
        clickAndType(r.box, typed);
        r.next();
        const std::string wrapped = " \"" + typed.toStdString() + "\"";
        QCOMPARE(r.settings.Spielername, wrapped);
        QCOMPARE(r.settings.SpielernameDone, Settings::Flag(1));
        QVERIFY(r.showing(2) && !r.page->isVisible());
        QCOMPARE(r.box->text(), typed);
        // Next, Back, Next without touching the box: still wrapped once.
        pressBack(r.wizard.page(2));
        QCOMPARE(r.settings.SpielernameDone, Settings::Flag(1));
        QCOMPARE(r.box->text(), typed);
        r.next();
        QCOMPARE(r.settings.Spielername, wrapped);
        // Back, a click empties the box, a new name replaces the old one.
        pressBack(r.wizard.page(2));
        clickAndType(r.box, QStringLiteral("New"));
        r.next();
        QCOMPARE(r.settings.Spielername, std::string(" \"New\""));
        QVERIFY(r.dialogs.messages.isEmpty());
    }

    void emptyNameIsRefusedAndNothingStored()
    {
        NickRun r;
        r.settings.Spielername = " \"earlier\"";
        HideCounter counter(r.page);
        typeWithoutClick(r.box, QStringLiteral("x"));
        QTest::mouseClick(r.box, Qt::LeftButton, {}, r.box->rect().center());
        r.next();
        QCOMPARE(r.dialogs.texts(), QStringList{QStringLiteral("Sie haben kein Spielername eingeben!")});
        QCOMPARE(r.dialogs.messages.first().title, QStringLiteral("Quorvix v0.3b"));
        QCOMPARE(r.dialogs.messages.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(r.dialogs.messages.first().icon, QMessageBox::NoIcon);
        QCOMPARE(r.settings.Spielername, std::string(" \"earlier\""));
        QCOMPARE(r.settings.SpielernameDone, Settings::Flag(0));
        // Hidden and shown again; still the current page.
        QCOMPARE(counter.hides, 1);
        QVERIFY(r.page->isVisible() && !r.wizard.page(2));
    }

    void namesThatWouldBreakTheConfigAreRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("a quote that would end the value") << "x\";quit;\"";
        QTest::newRow("tab") << "a\tb";
        QTest::newRow("escape") << QStringLiteral("a\x1b");
        QTest::newRow("not in Windows-1252") << QStringLiteral("名前");
        QTest::newRow("emoji") << QStringLiteral("x\U0001F600");
        QTest::newRow("128 characters") << QString(128, QLatin1Char('x'));
    }
    void namesThatWouldBreakTheConfigAreRefused()
    {
        QFETCH(QString, typed);
        NickRun r;
        r.box->setText(typed);
        r.next();
        const auto problem = typedTextProblem(typed.toStdString());
        QVERIFY(problem.has_value());
        QCOMPARE(r.dialogs.texts(), QStringList{QString::fromStdString(*problem)});
        QVERIFY(r.settings.Spielername.empty());
        QCOMPARE(r.settings.SpielernameDone, Settings::Flag(0));
        QVERIFY(r.page->isVisible() && !r.wizard.page(2));
        QCOMPARE(r.box->text(), typed);
        // Corrected, the name goes through wrapped once.
        clickAndType(r.box, QStringLiteral("Foo"));
        r.next();
        QCOMPARE(r.settings.Spielername, std::string(" \"Foo\""));
    }
};

QTEST_MAIN(NickPageTest)
#include "tst_nickpage.moc"
