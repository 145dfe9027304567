#include "oldconfig/ui/ColouredView.h"

#include "common/Cp1252.h"
#include "oldconfig/ColouredEntry.h"

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

} // namespace

void appendColouredEntries(QTextEdit& view, const RawLines& lines)
{
    QTextDocument* document = view.document();
    // A read-only view has nothing to undo; keeping undo steps for tens of
    // thousands of pieces would only cost memory and time.
    document->setUndoRedoEnabled(false);

    const QTextCharFormat name = coloured(kEntryNameColour);
    const QTextCharFormat frame = coloured(kEntryFrameColour);
    const QTextCharFormat value = coloured(kEntryValueColour);
    const QString opening = QStringLiteral(" = \"");
    const QString closing = QStringLiteral("\"");

    QTextCursor cursor(document);
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
}

} // namespace quorvix
