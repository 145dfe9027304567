#pragma once

#include "common/TextLines.h"

#include <QColor>
#include <QString>

#include <string_view>

class QTextEdit;

namespace quorvix {

// Old-config bytes (Windows-1252) as text for the views.
QString decodedCp1252(std::string_view bytes);

// Colours of the coloured view of an old config.
inline const QColor kEntryNameColour{0, 0, 255};
inline const QColor kEntryValueColour{255, 0, 0};
inline const QColor kEntryFrameColour{0, 0, 0};

// Appends every line of `lines` that holds a quoted value to `view` as one
// paragraph: the name in blue, ` = "` in black, the value in red and the
// closing quote in black. Text is decoded from Windows-1252. All of it goes
// in as one edit, so the view lays itself out once, not once per piece.
// The text is in the frame colour; names and values get theirs on their
// paragraphs' layouts (QTextLayout formats), which is what is painted.
void appendColouredEntries(QTextEdit& view, const RawLines& lines);

// Empties the view. A large view is dropped as a whole rather than taken
// apart piece by piece while the view watches.
void emptyColouredView(QTextEdit& view);

} // namespace quorvix
