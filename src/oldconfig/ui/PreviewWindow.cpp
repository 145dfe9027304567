#include "oldconfig/ui/PreviewWindow.h"

#include "oldconfig/EntryMeter.h"
#include "oldconfig/ui/ColouredView.h"
#include "ui/NamedFrame.h"
#include "ui/WindowFit.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QVBoxLayout>

namespace quorvix {

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// How each mark is drawn in the margin: a sign that reads without colour,
// and a colour that reads at a glance.
struct MarkLook {
    LineMark mark;
    QChar sign;
    QColor colour;
};
const MarkLook kMarkLooks[] = {
    {LineMark::Carried, QLatin1Char('='), QColor(0, 0, 255)},
    {LineMark::Dropped, QChar(0x2212), QColor(200, 0, 0)},
    {LineMark::New, QLatin1Char('+'), QColor(0, 140, 0)},
    {LineMark::Unchanged, QChar(0x2261), QColor(120, 120, 120)},
    {LineMark::Changed, QLatin1Char('~'), QColor(190, 110, 0)},
};

const MarkLook& lookOf(LineMark mark)
{
    for (const MarkLook& look : kMarkLooks) {
        if (look.mark == mark)
            return look;
    }
    return kMarkLooks[0];
}

QString joinedLines(const RawLines& lines)
{
    QString all;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            all += QLatin1Char('\n');
        all += decodedCp1252(lines[i]);
    }
    return all;
}

} // namespace

// A read-only text pane whose left margin shows each line's mark.
class MarkedLinesView : public QPlainTextEdit {
public:
    explicit MarkedLinesView(QWidget* parent) : QPlainTextEdit(parent), m_margin(this)
    {
        setReadOnly(true);
        setLineWrapMode(QPlainTextEdit::NoWrap);
        setViewportMargins(marginWidth(), 0, 0, 0);
        connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
            if (dy != 0)
                m_margin.scroll(0, dy);
            else
                m_margin.update(0, rect.y(), m_margin.width(), rect.height());
        });
    }

    void setMarkedLines(const QString& text, const std::vector<LineMark>& marks)
    {
        setPlainText(text);
        m_marks = marks;
        m_margin.update();
    }

    int firstVisibleLine() const { return firstVisibleBlock().blockNumber(); }
    void scrollToLine(int line) { verticalScrollBar()->setValue(line); }
    int lineCount() const { return blockCount(); }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QPlainTextEdit::resizeEvent(event);
        const QRect area = contentsRect();
        m_margin.setGeometry(area.left(), area.top(), marginWidth(), area.height());
    }

private:
    class Margin : public QWidget {
    public:
        explicit Margin(MarkedLinesView* view) : QWidget(view), m_view(view) {}

    protected:
        void paintEvent(QPaintEvent* event) override { m_view->paintMargin(event->rect()); }

    private:
        MarkedLinesView* m_view;
    };

    int marginWidth() const { return fontMetrics().horizontalAdvance(QLatin1Char('M')) * 2; }

    void paintMargin(const QRect& dirty)
    {
        QPainter painter(&m_margin);
        painter.fillRect(dirty, palette().color(QPalette::Window));
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
            const QRectF box =
                blockBoundingGeometry(block).translated(contentOffset());
            if (box.top() > dirty.bottom())
                break;
            const auto line = static_cast<std::size_t>(block.blockNumber());
            if (line >= m_marks.size() || box.bottom() < dirty.top())
                continue;
            const MarkLook& look = lookOf(m_marks[line]);
            painter.setPen(look.colour);
            painter.drawText(QRectF(0, box.top(), m_margin.width(), box.height()),
                             Qt::AlignCenter, QString(look.sign));
        }
    }

    Margin m_margin;
    std::vector<LineMark> m_marks;
};

PreviewWindow::PreviewWindow(const RawLines& oldLines, const ConfigPreview& preview,
                             QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmVorschau"));
    setWindowTitle(text("Vorschau der neuen Config"));
    setAttribute(Qt::WA_DeleteOnClose);
    // On a small screen the whole content scrolls; the panes shrink first.
    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("frmVorschauInhalt"));
    m_layout = new QVBoxLayout(m_body);
    setupCounts(preview);
    setupPanes(oldLines, preview);
    setupLost(oldLines, preview);
    setupFind();
    setupScrolling(preview);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->addWidget(makeScrollingBody(m_body, this));
}

PreviewWindow::~PreviewWindow()
{
    // QDialog's destructor still moves the focus and deletes the panes; by
    // then this is no PreviewWindow any more, so its handlers go first.
    disconnect(m_focusWatch);
    delete m_body;
}

void PreviewWindow::setupCounts(const ConfigPreview& preview)
{
    // A count stays with its name when the line wraps on a narrow screen;
    // the counts have a line of their own so that they wrap late.
    auto* counts = new QLabel(
        text("Unverändert:\u00a0%1  ·  Geändert:\u00a0%2  ·  Neu:\u00a0%3  ·  "
             "Übernommen:\u00a0%4  ·  Fällt\u00a0weg:\u00a0%5")
            .arg(preview.count(LineMark::Unchanged))
            .arg(preview.count(LineMark::Changed))
            .arg(preview.count(LineMark::New))
            .arg(preview.count(LineMark::Carried))
            .arg(preview.count(LineMark::Dropped)),
        this);
    counts->setObjectName(QStringLiteral("lblVorschauZahlen"));
    counts->setWordWrap(true);
    m_layout->addWidget(counts);

    auto* meter = frame("frmVorschauMeter", "Config o' Meter", this);
    auto* meterLayout = new QHBoxLayout(meter);
    auto* entries = new QLabel(
        QString::fromStdString(entryCountText(preview.newLines.size())), meter);
    entries->setObjectName(QStringLiteral("lblVorschauEintraege"));
    const Rating rating = rateConfig(preview.newLines.size());
    auto* status = new QLabel(QString::fromStdString(rating.text), meter);
    status->setObjectName(QStringLiteral("lblVorschauMeter"));
    QPalette palette = status->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(rating.rgb));
    status->setPalette(palette);
    QFont bold = status->font();
    bold.setBold(true);
    status->setFont(bold);
    meterLayout->addWidget(entries);
    meterLayout->addWidget(status);
    m_layout->addWidget(meter, 0, Qt::AlignLeft);

    auto* legend = new QLabel(
        text("Am Rand:  ≡ unverändert   ~ gleiche Einstellung, anderer Wert   + neu erzeugt   "
             "= aus der alten Config übernommen   − fällt weg"),
        this);
    legend->setObjectName(QStringLiteral("lblVorschauLegende"));
    legend->setWordWrap(true);
    m_layout->addWidget(legend);
}

void PreviewWindow::setupPanes(const RawLines& oldLines, const ConfigPreview& preview)
{
    auto* panes = new QSplitter(Qt::Horizontal, this);
    panes->setObjectName(QStringLiteral("splVorschau"));

    auto* oldFrame = frame("frmVorschauAlt", "Alte Config", panes);
    m_old = new MarkedLinesView(oldFrame);
    m_old->setObjectName(QStringLiteral("txtVorschauAlt"));
    m_old->setAccessibleName(text("Alte Config"));
    m_old->setMarkedLines(joinedLines(oldLines), preview.oldMarks);
    (new QVBoxLayout(oldFrame))->addWidget(m_old);

    auto* newFrame = frame("frmVorschauNeu", "Neue Config", panes);
    m_new = new MarkedLinesView(newFrame);
    m_new->setObjectName(QStringLiteral("txtVorschauNeu"));
    m_new->setAccessibleName(text("Neue Config"));
    m_new->setMarkedLines(joinedLines(preview.newLines), preview.newMarks);
    (new QVBoxLayout(newFrame))->addWidget(m_new);

    panes->addWidget(oldFrame);
    panes->addWidget(newFrame);
    m_layout->addWidget(panes, 1);
    m_lastFocused = m_new;
}

void PreviewWindow::setupLost(const RawLines& oldLines, const ConfigPreview& preview)
{
    auto* lostFrame = frame("frmVerloren", "geht verloren", this);
    auto* lostLayout = new QVBoxLayout(lostFrame);
    auto* hint = new QLabel(
        text("Diese Zeilen der alten Config setzen etwas, das die neue Config nicht setzt:"),
        lostFrame);
    lostLayout->addWidget(hint);
    m_lost = new QListWidget(lostFrame);
    m_lost->setObjectName(QStringLiteral("lstVerloren"));
    m_lost->setAccessibleName(text("geht verloren"));
    m_lost->setUniformItemSizes(true);
    QStringList items;
    items.reserve(static_cast<qsizetype>(preview.lost.size()));
    for (const std::size_t line : preview.lost)
        items.append(text("Zeile %1: ").arg(line + 1) + decodedCp1252(oldLines[line]));
    m_lost->addItems(items);
    m_lost->setMaximumHeight(m_lost->sizeHintForRow(0) > 0
                                 ? m_lost->sizeHintForRow(0) * 6 + 2 * m_lost->frameWidth()
                                 : 120);
    lostLayout->addWidget(m_lost);
    m_layout->addWidget(lostFrame);

    // A lost line picked in the list is shown in the old pane.
    connect(m_lost, &QListWidget::currentRowChanged, this, [this, lines = preview.lost](int row) {
        if (row < 0 || static_cast<std::size_t>(row) >= lines.size())
            return;
        const QTextBlock block =
            m_old->document()->findBlockByNumber(static_cast<int>(lines[row]));
        QTextCursor cursor(block);
        cursor.select(QTextCursor::LineUnderCursor);
        m_old->setTextCursor(cursor);
        m_old->centerCursor();
    });
}

void PreviewWindow::setupFind()
{
    auto* row = new QHBoxLayout;
    m_together = new QCheckBox(text("Beide Seiten gemeinsam &scrollen"), this);
    m_together->setObjectName(QStringLiteral("chkGemeinsam"));
    m_together->setChecked(true);
    row->addWidget(m_together);
    row->addStretch(1);

    auto* label = new QLabel(text("&Suchen:"), this);
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("txtSuchen"));
    m_find->setClearButtonEnabled(true);
    label->setBuddy(m_find);
    m_findState = new QLabel(this);
    m_findState->setObjectName(QStringLiteral("lblSuchen"));
    row->addWidget(label);
    row->addWidget(m_find);
    row->addWidget(m_findState);
    m_layout->addLayout(row);

    auto* findShortcut = new QShortcut(QKeySequence::Find, this);
    connect(findShortcut, &QShortcut::activated, this, [this] { showFind(); });
    auto* againShortcut = new QShortcut(QKeySequence::FindNext, this);
    connect(againShortcut, &QShortcut::activated, this, [this] { findNext(); });
    connect(m_find, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(m_find, &QLineEdit::textChanged, m_findState, &QLabel::clear);

    // Searching starts in the pane the player was last in.
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == m_old || now == m_new)
            m_lastFocused = static_cast<MarkedLinesView*>(now);
    });
}

void PreviewWindow::showFind()
{
    m_find->setFocus(Qt::ShortcutFocusReason);
    m_find->selectAll();
}

void PreviewWindow::findNext()
{
    const QString wanted = m_find->text();
    if (wanted.isEmpty())
        return;
    // From the current place on, then through the other pane, then this
    // one from its top again.
    MarkedLinesView* here = m_lastFocused;
    MarkedLinesView* there = here == m_old ? m_new : m_old;
    const std::pair<MarkedLinesView*, QTextCursor> legs[] = {
        {here, here->textCursor()},
        {there, QTextCursor(there->document())},
        {here, QTextCursor(here->document())},
    };
    for (const auto& [pane, from] : legs) {
        const QTextCursor found = pane->document()->find(wanted, from);
        if (found.isNull())
            continue;
        pane->setTextCursor(found);
        pane->centerCursor();
        m_lastFocused = pane;
        m_findState->setText(text(pane == m_old ? "in der alten Config, Zeile %1" : "in der neuen Config, Zeile %1")
                                 .arg(found.blockNumber() + 1));
        return;
    }
    m_findState->setText(text("nicht gefunden"));
}

void PreviewWindow::setupScrolling(const ConfigPreview& preview)
{
    m_oldToNew.assign(preview.oldMarks.size(), -1);
    m_newToOld.assign(preview.newMarks.size(), -1);
    for (std::size_t newLine = 0; newLine < preview.counterpart.size(); ++newLine) {
        const std::size_t oldLine = preview.counterpart[newLine];
        if (oldLine == ConfigPreview::kNoLine)
            continue;
        m_oldToNew[oldLine] = static_cast<int>(newLine);
        m_newToOld[newLine] = static_cast<int>(oldLine);
    }
    connect(m_old->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { follow(m_old, m_new, m_oldToNew); });
    connect(m_new->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { follow(m_new, m_old, m_newToOld); });
}

void PreviewWindow::follow(const MarkedLinesView* from, MarkedLinesView* to,
                           const std::vector<int>& counterpart)
{
    if (m_following || !m_together->isChecked())
        return;
    const int top = from->firstVisibleLine();
    for (std::size_t line = static_cast<std::size_t>(std::max(top, 0)); line < counterpart.size();
         ++line) {
        if (counterpart[line] < 0)
            continue;
        m_following = true;
        to->scrollToLine(counterpart[line] - (static_cast<int>(line) - top));
        m_following = false;
        return;
    }
}

} // namespace quorvix
