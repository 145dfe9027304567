// Peak memory of the whole program for loading one config into the main
// window: "peak_memory lines" loads a 32,767-line config, "peak_memory
// limit" one of the largest size accepted. One load per process, since the
// peak (VmHWM) never goes down.
#include "app/MainWindow.h"
#include "oldconfig/LoadedConfig.h"
#include "ui/UserDialogs.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

class QuietDialogs final : public quorvix::UserDialogs {
public:
    explicit QuietDialogs(QString file) : m_file(std::move(file)) {}
    QMessageBox::StandardButton message(QWidget*, const QString&, const QString& text,
                                        QMessageBox::StandardButtons, QMessageBox::Icon) override
    {
        std::printf("message: %s\n", qPrintable(text));
        return QMessageBox::Ok;
    }
    std::optional<QString> openFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return m_file;
    }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return m_file;
    }
    bool openUrl(const QUrl&) override { return true; }

private:
    QString m_file;
};

std::string statusLine(const char* key)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key, 0) == 0)
            return line;
    return "?";
}

// Quoted entries on every line, the heaviest kind for the coloured view; at
// the limit both the byte and the line limit are reached exactly.
QByteArray config(bool atLimit)
{
    const std::size_t lines = atLimit ? quorvix::kConfigLineLimit : 32767;
    const qsizetype width = atLimit ? static_cast<qsizetype>(quorvix::kConfigByteLimit / lines) : 46;
    QByteArray bytes;
    for (std::size_t i = 0; i < lines; ++i) {
        QByteArray line = "bind \"k" + QByteArray::number(qulonglong(i)) + "\" \"+attack;say hallo ";
        line += QByteArray(width - 3 - line.size(), 'x') + "\"\r\n";
        bytes += line;
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool atLimit = argc > 1 && std::strcmp(argv[1], "limit") == 0;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("config.cfg"));
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(config(atLimit)) < 0)
            return 1;
    }
    QuietDialogs dialogs(file);
    quorvix::MainWindow form(dialogs);
    form.show();
    form.Form_Load();
    QApplication::processEvents();
    std::printf("%s: %zu lines, %lld bytes; %s\n", atLimit ? "limit" : "32767 lines",
                form.workingList().size(), static_cast<long long>(QFile(file).size()),
                statusLine("VmHWM").c_str());
    return 0;
}
