#pragma once

#include "common/TextLines.h"
#include "oldconfig/Preview.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QCheckBox;
class QVBoxLayout;

namespace quorvix {

class MarkedLinesView;

// "Vorschau der neuen Config": the old config and the new one side by side,
// every line marked as unchanged, changed, new, carried or dropped, the counts and the rating
// the make would give, and the settings the player loses. It only shows;
// nothing in it writes or changes the run.
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(const RawLines& oldLines, const ConfigPreview& preview, QWidget* parent);
    ~PreviewWindow() override;

private:
    void setupCounts(const ConfigPreview& preview);
    void setupPanes(const RawLines& oldLines, const ConfigPreview& preview);
    void setupLost(const RawLines& oldLines, const ConfigPreview& preview);
    void setupFind();
    void setupScrolling(const ConfigPreview& preview);

    void showFind();
    void findNext();
    // Scrolls `to` so that the paired line nearest the top of `from` sits
    // on the same row in both panes.
    void follow(const MarkedLinesView* from, MarkedLinesView* to,
                const std::vector<int>& counterpart);

    QWidget* m_body = nullptr;
    QVBoxLayout* m_layout = nullptr;
    MarkedLinesView* m_old = nullptr;
    MarkedLinesView* m_new = nullptr;
    MarkedLinesView* m_lastFocused = nullptr;
    QListWidget* m_lost = nullptr;
    QLineEdit* m_find = nullptr;
    QLabel* m_findState = nullptr;
    QCheckBox* m_together = nullptr;
    QMetaObject::Connection m_focusWatch;
    // Line in the other pane of each line that has a counterpart, -1 for the others.
    std::vector<int> m_oldToNew;
    std::vector<int> m_newToOld;
    bool m_following = false;
};

} // namespace quorvix
