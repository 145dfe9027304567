#include <QTest>
#include <QWidget>

namespace quorvix::test {

template <typename T>
T* child(QWidget* parent, const QString& name)
{
    T* found = parent ? parent->findChild<T*>(name) : nullptr;
    if (!found)
        qWarning("no child %s", qPrintable(name));
    return found;
}

} // namespace quorvix::test
