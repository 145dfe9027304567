#include "wizard/pages/PageControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

namespace quorvix {
namespace {

template <typename Button>
Button* makeButton(QWidget* parent, const char* name, const char* caption, const char* tooltip)
{
    auto* button = new Button(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(button->text());
    if (tooltip)
        button->setToolTip(QString::fromUtf8(tooltip));
    return button;
}

} // namespace

QGroupBox* makeFrame(QWidget* parent, const char* name, const char* caption)
{
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setAccessibleName(frame->title());
    return frame;
}

QRadioButton* makeOption(QWidget* parent, const char* name, const char* caption,
                         const char* tooltip)
{
    return makeButton<QRadioButton>(parent, name, caption, tooltip);
}

QCheckBox* makeCheck(QWidget* parent, const char* name, const char* caption,
                     const char* tooltip)
{
    return makeButton<QCheckBox>(parent, name, caption, tooltip);
}

} // namespace quorvix
