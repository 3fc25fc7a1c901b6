#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

namespace tonalyst {

// Controls carry their design names as object names. Members of a control array share
// the array's name and carry their index in the "index" property.
inline void nameControl(QObject* control, const char* name, int index = -1) {
    control->setObjectName(QString::fromLatin1(name));
    if (index >= 0)
        control->setProperty("index", index);
}

inline int controlIndex(const QObject* control) {
    const QVariant index = control->property("index");
    return index.isValid() ? index.toInt() : -1;
}

// The control with this name (and index, for arrays) below root, or nullptr.
template <typename T>
T* findControl(const QObject* root, const char* name, int index = -1) {
    const auto found = root->findChildren<T*>(QString::fromLatin1(name));
    for (T* control : found)
        if (index < 0 || controlIndex(control) == index)
            return control;
    return nullptr;
}

} // namespace tonalyst
