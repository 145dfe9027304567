#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "support/FileBytes.h"
#include "support/PageDriver.h"
#include "support/ScriptedDialogs.h"
#include "wizard/pages/Wizard.h"
#include "wizard/pages/WizardPage.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace quorvix;
using namespace quorvix::test;

namespace {

// Every window's controls as one text: what a player can read, reach and change, and where each control sits, but no
// pixel sizes (fonts differ).
struct Dump {
    QString hiddenPath; // the test's folder, shown as <dir>
    QStringList out;

    void window(QWidget* w)
    {
        out << QStringLiteral("== %1").arg(w->objectName());
        widget(w, 0);
        QStringList chain;
        for (QWidget* f = w->nextInFocusChain(); f != w; f = f->nextInFocusChain())
            if (f->window() == w && (f->focusPolicy() & Qt::TabFocus) && f->isEnabled() && !f->isHidden())
                chain << name(f);
        out << QStringLiteral("tab order: ") + chain.join(QStringLiteral(" > "))
            << QStringLiteral("focus: ") + (w->focusWidget() ? name(w->focusWidget()) : QString());
    }
    static QString name(const QObject* o)
    {
        return o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
    }
    QString quoted(QString text) const
    {
        if (!hiddenPath.isEmpty()) // shown in the system's own form, too
            text.replace(QDir::toNativeSeparators(hiddenPath) + QDir::separator(), QStringLiteral("<dir>/"))
                .replace(hiddenPath, QStringLiteral("<dir>"));
        return '"' + text.replace('\n', QStringLiteral("\\n")) + '"';
    }

    void widget(QWidget* w, int depth)
    {
        QStringList a{QString(depth * 2, ' ') + w->metaObject()->className(), name(w)};
        const auto add = [&a](bool on, const QString& text) { if (on) a << text; };
        add(w->isWindow(), "title=" + quoted(w->windowTitle()));
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            a << quoted(b->text());
            add(b->isCheckable(), b->isChecked() ? "[x]" : "[ ]");
            add(b->focusPolicy() == Qt::NoFocus, "nofocus");
            add(qobject_cast<QPushButton*>(b) && static_cast<QPushButton*>(b)->isDefault(), "default");
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            a << quoted(l->text());
            add(l->buddy(), "buddy=" + (l->buddy() ? name(l->buddy()) : QString()));
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            a << quoted(g->title());
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            a << quoted(e->text());
            add(e->isReadOnly(), "readonly");
        } else if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
            a << text(t->document(), t->isReadOnly(), t->lineWrapMode() == QPlainTextEdit::NoWrap);
        } else if (auto* t = qobject_cast<QTextEdit*>(w)) {
            a << text(t->document(), t->isReadOnly(), t->lineWrapMode() == QTextEdit::NoWrap);
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            a << QStringLiteral("items=%1").arg(list->count());
        }
        add(!w->toolTip().isEmpty(), "tip=" + quoted(w->toolTip()));
        add(!w->accessibleName().isEmpty(), "acc=" + quoted(w->accessibleName()));
        add(!w->isEnabled(), "disabled");
        add(w->isHidden() && !w->isWindow(), "hidden");
        add(w->testAttribute(Qt::WA_SetFont) && w->font().bold(), "bold");
        // Colours the program set itself, by what they colour.
        const std::pair<QPalette::ColorRole, const char*> roles[] = {
            {QPalette::WindowText, "text"}, {QPalette::ButtonText, "button"}, {QPalette::Text, "typed"},
            {QPalette::Base, "base"}};
        for (const auto& [role, label] : roles)
            add(w->testAttribute(Qt::WA_SetPalette) && w->palette().color(role) != QApplication::palette(w).color(role),
                QString::fromLatin1(label) + '=' + w->palette().color(role).name());
        add(w->autoFillBackground(), "fill=" + w->palette().color(w->backgroundRole()).name());
        out << a.join(' ');
        actions(w->actions(), depth + 1);
        if (w->layout())
            layout(w->layout(), depth + 1);
        // Qt's own helpers (viewports, a line edit's clear button) are left out; a scroll area's content, which sits in
        // its viewport, is not.
        for (QObject* c : qobject_cast<QLineEdit*>(w) ? QObjectList() : w->children())
            if (auto* cw = qobject_cast<QWidget*>(c); cw && !cw->objectName().startsWith("qt_") && !cw->isWindow())
                widget(cw, depth + 1);
        if (auto* area = qobject_cast<QScrollArea*>(w); area && area->widget())
            widget(area->widget(), depth + 1);
    }

    // A whole made config is compared byte for byte elsewhere; shorter texts are shown in full.
    QString text(const QTextDocument* doc, bool readOnly, bool noWrap) const
    {
        return (doc->blockCount() > 40 ? QStringLiteral("lines=%1").arg(doc->blockCount()) : quoted(doc->toPlainText()))
               + (readOnly ? " readonly" : "") + (noWrap ? " nowrap" : "");
    }

    // Menu items, with the items of their submenus below them.
    void actions(const QList<QAction*>& list, int depth)
    {
        for (QAction* action : list) {
            QStringList a{QString(depth * 2, ' ') + "action", name(action), quoted(action->text())};
            const auto add = [&a](bool on, const QString& text) { if (on) a << text; };
            add(!action->shortcut().isEmpty(), action->shortcut().toString());
            add(QString(action->text()).remove('&') != action->toolTip(), "tip=" + quoted(action->toolTip()));
            add(!action->isEnabled(), "disabled");
            add(action->isCheckable(), action->isChecked() ? "[x]" : "[ ]");
            out << (action->isSeparator() ? QString(depth * 2, ' ') + "----" : a.join(' '));
            if (QMenu* menu = action->menu()) {
                out << QString(depth * 2 + 2, ' ') + "menu " + name(menu) + " acc=" + quoted(menu->accessibleName())
                             + (menu->toolTipsVisible() ? " tips" : "");
                actions(menu->actions(), depth + 2);
            }
        }
    }

    void layout(QLayout* l, int depth)
    {
        QStringList items;
        for (int i = 0; i < l->count(); ++i) {
            QLayoutItem* item = l->itemAt(i);
            QString at;
            if (auto* grid = qobject_cast<QGridLayout*>(l)) {
                int row, column, rows, columns;
                grid->getItemPosition(i, &row, &column, &rows, &columns);
                at = QStringLiteral("@%1,%2").arg(row).arg(column);
            }
            items << (item->widget() ? name(item->widget()) + at
                       : item->layout() ? QStringLiteral("(%1)").arg(name(item->layout())) : QStringLiteral("~"));
        }
        out << QString(depth * 2, ' ') + QStringLiteral("layout %1: %2").arg(name(l), items.join(' '));
        for (int i = 0; i < l->count(); ++i)
            if (QLayout* inner = l->itemAt(i)->layout())
                layout(inner, depth + 1);
    }
};

// A small old config with binds and settings, as a player might have it.
const QByteArray kOldConfig = "// alte Config\r\nbind \"w\" \"+forward\"\r\nname \"Alt\"\r\n"
                              "bind \"MOUSE1\" \"+attack\"\r\nsensitivity \"3\"\r\n";

QStringList allWindows()
{
    QTemporaryDir dir;
    const QString cfg = dir.filePath(QStringLiteral("config.cfg"));
    writeBytes(cfg, kOldConfig);
    QDir(dir.path()).mkdir(QStringLiteral("backup"));
    Dump dump{dir.path()};
    ScriptedDialogs dialogs;

    dump.window(std::make_unique<SplashWindow>(dialogs).get());

    MainWindow form(dialogs);
    form.setBackupFolder(dir.filePath(QStringLiteral("backup")));
    form.show();
    dialogs.chosenFiles.push_back(cfg);
    form.Form_Load();
    dump.window(&form);
    form.mnuInfo_Click();
    dump.window(form.findChild<QWidget*>(QStringLiteral("Info")));
    form.mnuRestore_Click();
    dump.window(form.findChild<QWidget*>(QStringLiteral("frmRestore")));

    // The pages as "Neue Config" shows them, each answered and left by "Weiter".
    dialogs.answers.push_back(QMessageBox::No);
    click(form.findChild<QPushButton*>(QStringLiteral("cmdCfgNeu")));
    if (const int stuck = runWizardToEnd(form.wizard(), QStringLiteral("Ann"), [&](WizardPage* p) { dump.window(p); }))
        return dump.out << QStringLiteral("page %1 did not move on").arg(stuck);
    dump.window(&form); // the preview is ready now
    form.mnuVorschau_Click();
    dump.window(form.findChild<QWidget*>(QStringLiteral("frmVorschau")));
    return dump.out << QStringLiteral("messages: ") + dialogs.texts().join(QStringLiteral(" | "));
}

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowMatchesItsDump()
    {
        const QString golden = QStringLiteral(QUORVIX_TEST_DATA "/ui/windows.txt");
        const QStringList actual = allWindows();
        if (qEnvironmentVariable("QUORVIX_UPDATE_GOLDEN") == QStringLiteral("1")) {
            QVERIFY(writeBytes(golden, actual.join('\n').toUtf8() + '\n'));
            QSKIP("windows.txt rewritten; read it before committing");
        }
        const QStringList expected = QString::fromUtf8(readBytes(golden)).split('\n');
        QString window;
        for (qsizetype i = 0; i < qMax(actual.size(), expected.size() - 1); ++i) {
            const QString want = expected.value(i), got = actual.value(i);
            if (want.startsWith(QStringLiteral("== ")))
                window = want;
            if (want != got)
                QFAIL(qPrintable(QStringLiteral("%1, line %2:\n  expected: %3\n  actual:   %4")
                                     .arg(window).arg(i + 1).arg(want, got)));
        }
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
