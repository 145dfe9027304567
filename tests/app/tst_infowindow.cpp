#include "app/InfoWindow.h"
#include "app/MainWindow.h"
#include "common/Addresses.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

QString host(const char* address)
{
    return QUrl(QString::fromLatin1(address)).host();
}

template <typename T = QWidget>
T* control(QWidget* window, const char* name)
{
    auto* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qWarning("no control %s", name);
    return found;
}

// What the menu item "Info" leaves behind: the about windows of Form1.
QList<InfoWindow*> aboutWindows(QWidget* form1)
{
    return form1->findChildren<InfoWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

void chooseInfo(QWidget* form1)
{
    form1->findChild<QAction*>(QStringLiteral("mnuInfo"))->trigger();
}

} // namespace

class InfoWindowTest : public QObject {
    Q_OBJECT
private slots:
    // --- What it shows ----------------------------------------------------

    void labelLines_data()
    {
        // Each label's lines; an empty entry is ours to word, but must be there.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("lblInfo") << "lblInfo"
                                 << QStringList{"Counterstrike #Quorvix", "", "powered by #Tandrel"};
        QTest::newRow("Label1") << "Label1" << QStringList{"Special  thanks to", ""};
        QTest::newRow("Label2") << "Label2"
                                << QStringList{"Visit Counterstrike #Quorvix Homepage:"};
        QTest::newRow("Label3") << "Label3" << QStringList{"Powered by Tandrel:"};
        QTest::newRow("product link") << "lblQuorvixhp"
                                      << QStringList{host(address::kProductPage)};
        QTest::newRow("lblTandrelhp") << "lblTandrelhp"
                                      << QStringList{host(address::kPartnerPage)};
    }

    void labelLines()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, lines);
        ScriptedDialogs dialogs;
        InfoWindow info(dialogs);
        auto* label = info.findChild<QLabel*>(name);
        QVERIFY(label);
        const QStringList shown = label->text().split(QLatin1Char('\n'));
        QCOMPARE(shown.size(), lines.size());
        for (int i = 0; i < lines.size(); ++i) {
            if (lines[i].isEmpty())
                QVERIFY2(!shown[i].trimmed().isEmpty(), qPrintable(name));
            else
                QCOMPARE(shown[i], lines[i]);
        }
    }

    void creditsNameAuthorAndThreeContributors()
    {
        ScriptedDialogs dialogs;
        InfoWindow info(dialogs);
        auto* frame = control<QGroupBox>(&info, "frmInfo");
        QVERIFY(frame);
        QVERIFY(frame->title().isEmpty());
        auto* credits = control<QLabel>(&info, "lblInfo");
        auto* thanks = control<QLabel>(&info, "Label1");
        QCOMPARE(credits->parentWidget(), frame);
        QCOMPARE(thanks->parentWidget(), frame);

        const QStringList names = thanks->text().section(QLatin1Char('\n'), 1).split(
            QStringLiteral(", "));
        QCOMPARE(names.size(), 3);
        for (const QString& nick : names)
            QVERIFY2(!nick.isEmpty() && !nick.contains(QLatin1Char(' ')), qPrintable(nick));
    }

    void captionNamesThePartnerAsItsLinkDoesUnderTheLogo()
    {
        ScriptedDialogs dialogs;
        InfoWindow info(dialogs);
        const QString partner = control<QLabel>(&info, "lblTandrelhp")->text();
        QCOMPARE(info.windowTitle(), QStringLiteral("About #Quorvix powered by ") + partner);
        auto* logo = control<QLabel>(&info, "Image1");
        QVERIFY(logo && !logo->pixmap().isNull());
        QCOMPARE(logo->pixmap().deviceIndependentSize().toSize(), QSize(400, 300));
    }

    void disclaimerIsReadOnlyGreyAndScrolls()
    {
        ScriptedDialogs dialogs;
        InfoWindow info(dialogs);
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        auto* note = control<QPlainTextEdit>(&info, "txtNote");
        QVERIFY(note);
        QVERIFY(note->isReadOnly());
        QCOMPARE(note->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

        // Freeware notice, then no warranty, then the limit of liability.
        const QString text = note->toPlainText();
        const qsizetype freeware = text.indexOf(QStringLiteral("freeware"));
        const qsizetype spyware = text.indexOf(QStringLiteral("spyware"));
        const qsizetype asIs = text.indexOf(QStringLiteral("\"as is\""));
        const qsizetype liability = text.indexOf(QStringLiteral("consequential damages"));
        QVERIFY(freeware >= 0 && spyware > freeware && asIs > spyware && liability > asIs);

        // Several lines tall, more text than fits, so the bar has work to do.
        QVERIFY(note->height() >= 4 * note->fontMetrics().lineSpacing());
        QVERIFY(note->verticalScrollBar()->maximum() > 0);

        // Painted on the window's background, not the white of an edit box.
        const QImage painted = note->viewport()->grab().toImage();
        QCOMPARE(QColor(painted.pixel(1, 1)), info.palette().color(QPalette::Window));
    }

    // --- The link labels --------------------------------------------------

    void linksOpenTheirAddressesAndStayQuiet_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QUrl>("address");
        QTest::addColumn<bool>("desktopOpens");
        QTest::addColumn<bool>("byKeyboard");
        const QUrl product(QString::fromLatin1(address::kProductPage));
        const QUrl partner(QString::fromLatin1(address::kPartnerPage));
        QTest::newRow("product, no browser") << "lblQuorvixhp" << product << false << false;
        QTest::newRow("partner, no browser") << "lblTandrelhp" << partner << false << false;
        QTest::newRow("product, browser") << "lblQuorvixhp" << product << true << false;
        QTest::newRow("partner, browser") << "lblTandrelhp" << partner << true << false;
        QTest::newRow("product, Space key") << "lblQuorvixhp" << product << false << true;
        QTest::newRow("partner, Enter key") << "lblTandrelhp" << partner << true << true;
    }

    void linksOpenTheirAddressesAndStayQuiet()
    {
        QFETCH(QString, label);
        QFETCH(QUrl, address);
        QFETCH(bool, desktopOpens);
        QFETCH(bool, byKeyboard);
        ScriptedDialogs dialogs;
        dialogs.desktopOpens = desktopOpens;
        InfoWindow info(dialogs);
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        auto* link = info.findChild<QLabel*>(label);
        QVERIFY(link);

        if (byKeyboard) {
            link->setFocus(Qt::TabFocusReason);
            QTest::keyClick(link, desktopOpens ? Qt::Key_Return : Qt::Key_Space);
        } else {
            QTest::mouseClick(link, Qt::LeftButton);
        }

        QCOMPARE(dialogs.openedUrls, QList<QUrl>{address});
        QVERIFY2(dialogs.messages.isEmpty(), "a missing browser is not reported");
        QVERIFY(info.isVisible());
    }

    void linksLookLikeLinks()
    {
        ScriptedDialogs dialogs;
        InfoWindow info(dialogs);
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        for (const char* name : {"lblQuorvixhp", "lblTandrelhp"}) {
            auto* link = control<QLabel>(&info, name);
            QVERIFY(link);
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(link->focusPolicy(), Qt::StrongFocus);

            // The text is drawn in pure blue: its darkest, most saturated
            // pixel is (0, 0, 255), and no pixel is grey text colour.
            const QImage painted = link->grab().toImage();
            bool pureBlue = false;
            bool darkGrey = false;
            for (int y = 0; y < painted.height(); ++y) {
                for (int x = 0; x < painted.width(); ++x) {
                    const QColor c(painted.pixel(x, y));
                    pureBlue = pureBlue || c == QColor(0, 0, 255);
                    darkGrey = darkGrey || (c.red() == c.green() && c.green() == c.blue()
                                            && c.red() < 100);
                }
            }
            QVERIFY2(pureBlue, name);
            QVERIFY2(!darkGrey, name);
        }
    }

    // --- Lifecycle through the main window's menu -------------------------

    void infoIsMadeOnceAndShownAgain()
    {
        ScriptedDialogs dialogs;
        MainWindow form1(dialogs);
        form1.show();
        chooseInfo(&form1);
        QCOMPARE(aboutWindows(&form1).size(), 1);
        QPointer<InfoWindow> first = aboutWindows(&form1).front();
        QVERIFY(first->isVisible());
        QVERIFY(first->isWindow());
        QCOMPARE(first->windowModality(), Qt::NonModal);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(form1.isEnabled());

        // Left behind another window and chosen again: the same window.
        auto* note = control<QPlainTextEdit>(first, "txtNote");
        note->verticalScrollBar()->setValue(note->verticalScrollBar()->maximum());
        const int scrolled = note->verticalScrollBar()->value();
        first->hide();
        chooseInfo(&form1);
        QCOMPARE(aboutWindows(&form1).size(), 1);
        QCOMPARE(aboutWindows(&form1).front(), first.data());
        QVERIFY(first->isVisible());
        QCOMPARE(note->verticalScrollBar()->value(), scrolled);
    }

    void infoIsMadeAnewAfterClosingWithTheDisclaimerReloaded()
    {
        ScriptedDialogs dialogs;
        MainWindow form1(dialogs);
        form1.show();
        chooseInfo(&form1);
        QPointer<InfoWindow> first = aboutWindows(&form1).front();
        const QString disclaimer =
            control<QPlainTextEdit>(first, "txtNote")->toPlainText();
        QVERIFY(!disclaimer.isEmpty());
        control<QPlainTextEdit>(first, "txtNote")->setPlainText(QStringLiteral("scribbled"));

        first->close();
        QTRY_VERIFY2(first.isNull(), "a closed about window is gone");
        QVERIFY(aboutWindows(&form1).isEmpty());

        chooseInfo(&form1);
        QCOMPARE(aboutWindows(&form1).size(), 1);
        InfoWindow* second = aboutWindows(&form1).front();
        QVERIFY(second->isVisible());
        QCOMPARE(control<QPlainTextEdit>(second, "txtNote")->toPlainText(), disclaimer);
    }

    void escapeClosesIt()
    {
        ScriptedDialogs dialogs;
        QPointer<InfoWindow> info = new InfoWindow(dialogs);
        info->show();
        QVERIFY(QTest::qWaitForWindowExposed(info));
        QApplication::setActiveWindow(info);
        QTest::keyClick(info, Qt::Key_Escape);
        QTRY_VERIFY(info.isNull());
    }

    // --- Keyboard, screen readers, layout ---------------------------------

    void tabWalksNoteThenBothLinks()
    {
        ScriptedDialogs dialogs;
        InfoWindow info(dialogs);
        info.show();
        QApplication::setActiveWindow(&info);
        QVERIFY(QTest::qWaitForWindowActive(&info));
        const QStringList expected{"txtNote", "lblQuorvixhp", "lblTandrelhp", "txtNote"};
        control(&info, "txtNote")->setFocus(Qt::TabFocusReason);
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
        // The focused link shows it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(control<QLabel>(&info, "lblQuorvixhp")->font().underline());
        QVERIFY(!control<QLabel>(&info, "lblTandrelhp")->font().underline());
    }

    void everyControlHasAnAccessibleName()
    {
        ScriptedDialogs dialogs;
        InfoWindow info(dialogs);
        const auto controls = info.findChildren<QWidget*>();
        int named = 0;
        for (QWidget* w : controls) {
            if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
            ++named;
        }
        QCOMPARE(named, 9); // Image1, frmInfo, lblInfo, Label1, txtNote, Label2, Label3, 2 links
    }

    void nothingIsClippedAndItFitsOnTheScreen()
    {
        ScriptedDialogs dialogs;
        InfoWindow info(dialogs);
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        for (QLabel* label : info.findChildren<QLabel*>()) {
            const QSize wanted = label->minimumSizeHint();
            QVERIFY2(label->width() >= wanted.width() && label->height() >= wanted.height(),
                     qPrintable(label->objectName()));
        }
        const QRect screen = info.screen()->availableGeometry();
        QVERIFY2(screen.contains(info.frameGeometry()),
                 qPrintable(QStringLiteral("%1x%2").arg(info.width()).arg(info.height())));
        QVERIFY((info.frameGeometry().center() - screen.center()).manhattanLength() <= 2);
    }
};

QTEST_MAIN(InfoWindowTest)
#include "tst_infowindow.moc"
