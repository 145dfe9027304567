#include "oldconfig/ui/ColouredView.h"

#include "common/Cp1252.h"
#include "oldconfig/ColouredEntry.h"

#include <QPointer>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

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
    return QString::fromStdString(decodeCp1252(bytes));
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

} // namespace

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
    QTextDocument* filled = previous->isEmpty() ? new QTextDocument(&view) : previous->clone(&view);
    filled->setDefaultFont(view.font());
    // A read-only view has nothing to undo; keeping undo steps for tens of
    // thousands of pieces would only cost memory and time.
    filled->setUndoRedoEnabled(false);

    const QTextCharFormat name = coloured(kEntryNameColour);
    const QTextCharFormat frame = coloured(kEntryFrameColour);
    const QTextCharFormat value = coloured(kEntryValueColour);
    const QString opening = QStringLiteral(" = \"");
    const QString closing = QStringLiteral("\"");

    QTextCursor cursor(filled);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    for (const RawLine& line : lines) {
        const auto entry = colouredEntry(line);
        if (!entry)
            continue;
        cursor.insertText(decoded(entry->name), name);
        cursor.insertText(opening, frame);
        cursor.insertText(decoded(entry->value), value);
        cursor.insertText(closing, frame);
        cursor.insertBlock(QTextBlockFormat(), frame);
    }
    cursor.endEditBlock();

    showDocument(view, filled);
}

} // namespace quorvix
