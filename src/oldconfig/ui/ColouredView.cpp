#include "oldconfig/ui/ColouredView.h"

#include "common/Cp1252.h"
#include "oldconfig/ColouredEntry.h"

#include <QPointer>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <vector>

namespace quorvix {
namespace {

QTextCharFormat coloured(const QColor& colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    return format;
}

QString decoded(const std::string& bytes)
{
    return decodedCp1252(bytes);
}

// Shows `document` in `view`. The view drops the document it showed when
// that was its own; one of ours that it left alive goes here, so loads do
// not pile up.
void showDocument(QTextEdit& view, QTextDocument* document)
{
    QPointer<QTextDocument> previous = view.document();
    view.setDocument(document);
    if (previous && previous->parent() == &view)
        delete previous.data();
}

// Where an entry's name and value lie in its paragraph.
struct Run {
    int nameLength = 0;
    int valueStart = 0;
    int valueLength = 0;
};

// A copy of `document` whose paragraphs keep the colours laid on them.
QTextDocument* cloneWithColours(const QTextDocument& document, QTextEdit& view)
{
    QTextDocument* copy = document.clone(&view);
    for (QTextBlock from = document.begin(), to = copy->begin(); from.isValid() && to.isValid();
         from = from.next(), to = to.next())
        to.layout()->setFormats(from.layout()->formats());
    return copy;
}

} // namespace

QString decodedCp1252(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    decodeCp1252Utf16(bytes, reinterpret_cast<char16_t*>(text.data()));
    return text;
}

void emptyColouredView(QTextEdit& view)
{
    auto* empty = new QTextDocument(&view);
    empty->setDefaultFont(view.font());
    empty->setUndoRedoEnabled(false);
    showDocument(view, empty);
}

void appendColouredEntries(QTextEdit& view, const RawLines& lines)
{
    // A document that a view shows makes the view follow every piece put
    // into it, even inside one edit block; a document of its own, handed to
    // the view when complete, is laid out once. Appending to what the view
    // shows means starting from a copy of it.
    QTextDocument* previous = view.document();
    QTextDocument* filled = previous->isEmpty() ? new QTextDocument(&view) : cloneWithColours(*previous, view);
    filled->setDefaultFont(view.font());
    // A read-only view has nothing to undo; keeping undo steps for tens of
    // thousands of pieces would only cost memory and time.
    filled->setUndoRedoEnabled(false);

    // Every piece inserted into a document on its own costs it a full round
    // of bookkeeping, several times what plain text costs; with four
    // coloured pieces per entry that made large configs slow to show. So
    // the text goes in at once in the frame colour, and the names and values
    // are coloured on their paragraphs' layouts, which is what is painted.
    QString text;
    std::vector<Run> runs;
    runs.reserve(lines.size());
    for (const RawLine& line : lines) {
        const auto entry = colouredEntry(line);
        if (!entry)
            continue;
        Run run;
        const qsizetype lineStart = text.size();
        text += decoded(entry->name);
        run.nameLength = static_cast<int>(text.size() - lineStart);
        text += QLatin1String(" = \"");
        run.valueStart = static_cast<int>(text.size() - lineStart);
        text += decoded(entry->value);
        run.valueLength = static_cast<int>(text.size() - lineStart) - run.valueStart;
        text += QLatin1String("\"");
        text += QChar::ParagraphSeparator;
        runs.push_back(run);
    }

    QTextCursor cursor(filled);
    cursor.movePosition(QTextCursor::End);
    const int start = cursor.position();
    cursor.beginEditBlock();
    cursor.insertText(text, coloured(kEntryFrameColour));
    cursor.endEditBlock();

    const QTextCharFormat name = coloured(kEntryNameColour);
    const QTextCharFormat value = coloured(kEntryValueColour);
    QTextBlock block = filled->findBlock(start);
    for (const Run& run : runs) {
        QList<QTextLayout::FormatRange> colours;
        if (run.nameLength > 0)
            colours.append({0, run.nameLength, name});
        if (run.valueLength > 0)
            colours.append({run.valueStart, run.valueLength, value});
        block.layout()->setFormats(colours);
        block = block.next();
    }

    showDocument(view, filled);
}

} // namespace quorvix
