#include "app/InfoWindow.h"

#include "app/Artwork.h"
#include "common/Addresses.h"
#include "ui/UserDialogs.h"
#include "ui/WindowFit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>

#include <array>
#include <functional>

namespace quorvix {

namespace {

// The disclaimer's three parts, shown one after the other.
constexpr std::array kDisclaimerParts{
    "Counterstrike #Quorvix is freeware. You may copy it and pass it on to "
    "others as often as you like, free of charge, as long as it stays "
    "complete and unchanged. Quorvix is no spyware: it collects nothing "
    "about you or your computer and sends nothing anywhere.\n\n",
    "The program is provided \"as is\", free of charge and without warranty "
    "of any kind, express or implied, including the warranties of "
    "merchantability and fitness for a particular purpose. The whole risk "
    "as to the quality and performance of the program, and of the configs "
    "it writes, lies with you.\n\n",
    "In no event shall the author or the contributors be liable for any "
    "indirect, incidental or consequential damages, including lost data, "
    "lost game settings or lost time, arising out of the use of or the "
    "inability to use this program, even if advised of the possibility of "
    "such damages.",
};

// The addresses as the window shows them: the host, which reads better
// than the full URL in the caption and next to the labels.
QString shownAddress(const char* address)
{
    return QUrl(QString::fromLatin1(address)).host();
}

// A label that acts as a web link: blue, a pointing hand, opened by a
// left click or, for keyboard users, by Enter or Space once it has focus.
class LinkLabel final : public QLabel {
public:
    LinkLabel(const QString& objectName, const QString& text, std::function<void()> open,
              QWidget* parent)
        : QLabel(text, parent)
        , m_open(std::move(open))
    {
        setObjectName(objectName);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        QPalette blue = palette();
        blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
        setPalette(blue);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_open();
        QLabel::mouseReleaseEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            m_open();
            return;
        default:
            QLabel::keyPressEvent(event);
        }
    }

    // A label draws no focus frame; the underline shows where Tab went.
    void focusInEvent(QFocusEvent* event) override
    {
        setUnderlined(true);
        QLabel::focusInEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        setUnderlined(false);
        QLabel::focusOutEvent(event);
    }

private:
    void setUnderlined(bool underlined)
    {
        QFont shown = font();
        shown.setUnderline(underlined);
        setFont(shown);
    }

    std::function<void()> m_open;
};

QLabel* makeLabel(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    // Screen readers read the lines as one sentence, not "newline".
    label->setAccessibleName(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    return label;
}

} // namespace

QString disclaimerText()
{
    QString text;
    for (const char* part : kDisclaimerParts)
        text += QString::fromLatin1(part);
    return text;
}

InfoWindow::InfoWindow(UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_dialogs(dialogs)
{
    setupWindow();
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("InfoInhalt"));
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(new LogoLabel(QStringLiteral("Image1"), body), 0, Qt::AlignHCenter);
    layout->addWidget(makeCreditsFrame());
    layout->addWidget(makeNote());
    layout->addLayout(makeLinks());
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->addWidget(makeScrollingBody(body, this));
    setupKeyboard();
    Form_Load();
}

void InfoWindow::setupWindow()
{
    setObjectName(QStringLiteral("Info"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About #Quorvix powered by ")
                   + shownAddress(address::kPartnerPage));
}

QGroupBox* InfoWindow::makeCreditsFrame()
{
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("frmInfo"));
    frame->setAccessibleName(QStringLiteral("Credits"));

    auto* info = makeLabel(QStringLiteral("lblInfo"),
                           QStringLiteral("Counterstrike #Quorvix\n"
                                          "coded by Drelvik\n"
                                          "powered by #Tandrel"),
                           frame);
    auto* thanks = makeLabel(QStringLiteral("Label1"),
                             QStringLiteral("Special  thanks to\n"
                                            "Vexbolt, Kirrin, Saltmoth"),
                             frame);

    auto* row = new QHBoxLayout(frame);
    row->addWidget(info, 0, Qt::AlignTop);
    row->addStretch();
    row->addWidget(thanks, 0, Qt::AlignTop);
    return frame;
}

QPlainTextEdit* InfoWindow::makeNote()
{
    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(QStringLiteral("txtNote"));
    m_note->setAccessibleName(QStringLiteral("Haftungsausschluss"));
    m_note->setReadOnly(true);
    // Keyboard users can still move through the text and scroll it.
    m_note->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_note->setTabChangesFocus(true);
    m_note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // The box sits on the window's own background, like printed text.
    QPalette grey = m_note->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    m_note->setPalette(grey);

    // Whole lines only: the text starts below the document's top margin,
    // so no half line peeks out at the bottom edge.
    const int lines = 6;
    const QFontMetrics metrics(m_note->font());
    m_note->setFixedHeight(lines * metrics.lineSpacing() + 2 * m_note->frameWidth()
                           + int(m_note->document()->documentMargin()));
    return m_note;
}

QGridLayout* InfoWindow::makeLinks()
{
    m_productLink = new LinkLabel(QStringLiteral("lblQuorvixhp"),
                                  shownAddress(address::kProductPage),
                                  [this] { openAddress(address::kProductPage); }, this);
    m_partnerLink = new LinkLabel(QStringLiteral("lblTandrelhp"),
                                  shownAddress(address::kPartnerPage),
                                  [this] { openAddress(address::kPartnerPage); }, this);
    m_productLink->setAccessibleName(QStringLiteral("Counterstrike #Quorvix Homepage ")
                                     + m_productLink->text());
    m_partnerLink->setAccessibleName(QStringLiteral("Tandrel Homepage ") + m_partnerLink->text());
    for (QLabel* link : {m_productLink, m_partnerLink})
        link->setAccessibleDescription(QStringLiteral("Öffnet die Seite im Browser"));

    auto* grid = new QGridLayout;
    grid->addWidget(makeLabel(QStringLiteral("Label2"),
                              QStringLiteral("Visit Counterstrike #Quorvix Homepage:"), this),
                    0, 0);
    grid->addWidget(m_productLink, 0, 1);
    grid->addWidget(makeLabel(QStringLiteral("Label3"), QStringLiteral("Powered by Tandrel:"), this),
                    1, 0);
    grid->addWidget(m_partnerLink, 1, 1);
    grid->setColumnStretch(1, 1);
    return grid;
}

void InfoWindow::setupKeyboard()
{
    setTabOrder(m_note, m_productLink);
    setTabOrder(m_productLink, m_partnerLink);
    auto* closeKey = new QShortcut(QKeySequence::Cancel, this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);
}

void InfoWindow::Form_Load()
{
    m_note->setPlainText(disclaimerText());
}

void InfoWindow::openAddress(const char* address)
{
    // No browser is no reason to bother the user: the result is ignored.
    m_dialogs.openUrl(QUrl(QString::fromLatin1(address)));
}

void InfoWindow::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        // Wide enough that the window manager need not cut the caption:
        // the title in a bold face plus room for the icon and the buttons
        // of the title bar.
        QFont titleFont = font();
        titleFont.setBold(true);
        const QFontMetrics title(titleFont);
        const int captionWidth = title.horizontalAdvance(windowTitle()) + 8 * title.height();
        fitOnScreen(this, wantedSize(this).expandedTo(QSize(captionWidth, 0)), parentWidget());
    }
    QWidget::showEvent(event);
}

} // namespace quorvix
