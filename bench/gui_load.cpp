// Loading a config of the largest size the game's list handles into the
// main window (list and coloured view), against the plain-text fill of a
// QTextEdit with the same text as the yardstick.
#include "app/MainWindow.h"
#include "common/Cp1252.h"
#include "common/TextLines.h"
#include "oldconfig/ui/ColouredView.h"
#include "ui/UserDialogs.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextEdit>

#include <memory>

namespace {

constexpr int kLines = 32767;

// Answers every dialog at once with the prepared file.
class QuietDialogs final : public quorvix::UserDialogs {
public:
    explicit QuietDialogs(QString file) : m_file(std::move(file)) {}
    QMessageBox::StandardButton message(QWidget*, const QString&, const QString&,
                                        QMessageBox::StandardButtons, QMessageBox::Icon) override
    {
        return QMessageBox::Ok;
    }
    std::optional<QString> openFileName(QWidget*, const QString&, const QString&,
                                        const QString&) override
    {
        return m_file;
    }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QString&,
                                        const QString&) override
    {
        return m_file;
    }
    bool openUrl(const QUrl&) override { return true; }

private:
    QString m_file;
};

// A config as players keep them: values, binds, comments, tabs.
QByteArray largeConfig()
{
    QByteArray bytes;
    for (int i = 0; i < kLines; ++i) {
        switch (i % 4) {
        case 0: bytes += "bind \"k" + QByteArray::number(i) + "\" \"+attack;say Gr\xfc\xdf\xe9\""; break;
        case 1: bytes += "cl_var" + QByteArray::number(i) + " \"" + QByteArray::number(i) + ".5\""; break;
        case 2: bytes += "// comment number " + QByteArray::number(i); break;
        default: bytes += "\tname" + QByteArray::number(i) + " \t\"x y z\""; break;
        }
        bytes += "\r\n";
    }
    return bytes;
}

struct Fixture {
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("config.cfg"));
    QByteArray bytes = largeConfig();
    Fixture()
    {
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

// A fresh window each time, as at start-up; making and dropping the
// windows is not timed.
void BM_Form1FirstLoad(benchmark::State& state)
{
    QuietDialogs dialogs(fixture().file);
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<quorvix::MainWindow>(dialogs);
        form->show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        form->Form_Load();
        QCoreApplication::processEvents();
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Form1FirstLoad)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_QTextEditFirstSetPlainText(benchmark::State& state)
{
    const QString text = QString::fromStdString(quorvix::decodeCp1252(
        std::string_view(fixture().bytes.constData(), static_cast<std::size_t>(fixture().bytes.size()))));
    for (auto _ : state) {
        state.PauseTiming();
        auto edit = std::make_unique<QTextEdit>();
        edit->resize(430, 400);
        edit->show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        edit->setPlainText(text);
        QCoreApplication::processEvents();
        state.PauseTiming();
        edit.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_QTextEditFirstSetPlainText)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same window loading again ("Öffnen"), which also drops what it showed.
void BM_Form1Load(benchmark::State& state)
{
    QuietDialogs dialogs(fixture().file);
    quorvix::MainWindow form(dialogs);
    form.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        form.Form_Load();
        QCoreApplication::processEvents();
    }
    state.counters["lines"] = static_cast<double>(form.workingList().size());
}
BENCHMARK(BM_Form1Load)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_QTextEditSetPlainText(benchmark::State& state)
{
    const std::string decoded = quorvix::decodeCp1252(
        std::string_view(fixture().bytes.constData(), static_cast<std::size_t>(fixture().bytes.size())));
    const QString text = QString::fromStdString(decoded);
    QTextEdit edit;
    edit.resize(430, 400);
    edit.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        edit.setPlainText(text);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_QTextEditSetPlainText)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Opening the preview of the new config for the same old config, against
// loading it (BM_Form1FirstLoad): the make's content step in memory, both
// panes, the marks and the list of lost settings. Closing is not timed.
void BM_PreviewOpen(benchmark::State& state)
{
    QuietDialogs dialogs(fixture().file);
    quorvix::MainWindow form(dialogs);
    form.show();
    form.Form_Load();
    form.settings().WizardDone = 1;
    QCoreApplication::processEvents();
    for (auto _ : state) {
        form.mnuVorschau_Click();
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (auto* preview = form.findChild<QDialog*>(QStringLiteral("frmVorschau")))
            delete preview;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PreviewOpen)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The two halves of the load on their own, to see where the time goes.
void BM_ColouredViewOnly(benchmark::State& state)
{
    const quorvix::RawLines lines = quorvix::splitLines(
        std::string_view(fixture().bytes.constData(), static_cast<std::size_t>(fixture().bytes.size())));
    QTextEdit edit;
    edit.resize(430, 400);
    edit.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        edit.clear();
        quorvix::appendColouredEntries(edit, lines);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ColouredViewOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ListOnly(benchmark::State& state)
{
    const quorvix::RawLines lines = quorvix::splitLines(
        std::string_view(fixture().bytes.constData(), static_cast<std::size_t>(fixture().bytes.size())));
    QListWidget list;
    list.setUniformItemSizes(true);
    list.resize(430, 400);
    list.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QStringList items;
        for (const auto& line : lines)
            items.append(QString::fromStdString(quorvix::decodeCp1252(line)));
        list.clear();
        list.addItems(items);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ListOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
