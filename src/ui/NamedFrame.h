#pragma once

#include <QGroupBox>
#include <QString>

namespace quorvix {

// A captioned frame that tests and screen readers find by its name.
inline QGroupBox* frame(const char* objectName, const char* caption, QWidget* parent)
{
    auto* box = new QGroupBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

} // namespace quorvix
