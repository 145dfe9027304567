#include "app/InfoWindow.h"
#include "app/MainWindow.h"
#include "common/Addresses.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

using namespace quorvix;
using namespace quorvix::test;

namespace {

QList<InfoWindow*> aboutWindows(QWidget* form1)
{
    return form1->findChildren<InfoWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

QPlainTextEdit* note(QWidget* info)
{
    return info->findChild<QPlainTextEdit*>(QStringLiteral("txtNote"));
}

} // namespace

class InfoWindowTest : public QObject {
    Q_OBJECT
private slots:
    void madeOnceShownAgainAndMadeAnewAfterClosing()
    {
        ScriptedDialogs dialogs;
        MainWindow form1(dialogs);
        form1.show();
        auto* info = form1.findChild<QAction*>(QStringLiteral("mnuInfo"));
        info->trigger();
        QPointer<InfoWindow> first = aboutWindows(&form1).value(0);
        QVERIFY(first && first->isVisible() && first->isWindow());
        QCOMPARE(first->windowModality(), Qt::NonModal);
        // Wide enough for the caption in a title bar's bold face.
        QFont titleFont = first->font();
        titleFont.setBold(true);
        QVERIFY(first->width() > QFontMetrics(titleFont).horizontalAdvance(first->windowTitle()) + 100);
        // Left behind another window and chosen again: the same window.
        first->hide();
        info->trigger();
        QCOMPARE(aboutWindows(&form1), QList<InfoWindow*>{first.data()});
        QVERIFY(first->isVisible());

        // The disclaimer reads as it stands in its file, read-only; more
        // than fits, so it scrolls.
        const QString disclaimer = note(first)->toPlainText();
        QCOMPARE(disclaimer, QString::fromUtf8(testData(QStringLiteral("app/disclaimer.txt"))));
        QVERIFY(note(first)->isReadOnly() && note(first)->verticalScrollBar()->maximum() > 0);
        // Closed with Escape it is gone; the next one loads the disclaimer anew.
        note(first)->setPlainText(QStringLiteral("scribbled"));
        QApplication::setActiveWindow(first);
        QTest::keyClick(first, Qt::Key_Escape);
        QTRY_VERIFY(first.isNull());
        info->trigger();
        QCOMPARE(aboutWindows(&form1).size(), 1);
        QCOMPARE(note(aboutWindows(&form1).front())->toPlainText(), disclaimer);
    }

    void linksOpenTheirAddressesAndStayQuiet_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QUrl>("address");
        QTest::addColumn<bool>("desktopOpens");
        QTest::addColumn<int>("key");
        const QUrl product(QString::fromLatin1(address::kProductPage));
        const QUrl partner(QString::fromLatin1(address::kPartnerPage));
        QTest::newRow("product, no browser") << "lblQuorvixhp" << product << false << 0;
        QTest::newRow("partner, browser") << "lblTandrelhp" << partner << true << 0;
        QTest::newRow("product, Space key") << "lblQuorvixhp" << product << false << int(Qt::Key_Space);
        QTest::newRow("partner, Enter key") << "lblTandrelhp" << partner << true << int(Qt::Key_Return);
    }
    void linksOpenTheirAddressesAndStayQuiet()
    {
        QFETCH(QString, label);
        QFETCH(QUrl, address);
        QFETCH(bool, desktopOpens);
        QFETCH(int, key);
        ScriptedDialogs dialogs;
        dialogs.desktopOpens = desktopOpens;
        InfoWindow info(dialogs);
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        auto* link = info.findChild<QLabel*>(label);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        if (key) {
            link->setFocus(Qt::TabFocusReason);
            QTest::keyClick(link, Qt::Key(key));
        } else {
            QTest::mouseClick(link, Qt::LeftButton);
        }
        QCOMPARE(dialogs.openedUrls, QList<QUrl>{address});
        QVERIFY2(dialogs.messages.isEmpty(), "a missing browser is not reported");
        QVERIFY(info.isVisible());
    }
};

QTEST_MAIN(InfoWindowTest)
#include "tst_infowindow.moc"
