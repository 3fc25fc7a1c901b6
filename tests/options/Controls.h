#pragma once

#include "platform/ControlNames.h"

#include <QAbstractButton>
#include <QWidget>

#include <stdexcept>
#include <string>

namespace tonalyst::test {

// The control a test drives; a missing control fails the test instead of crashing it.
template <typename T = QAbstractButton> T& control(const QWidget& root, const char* name, int index = -1) {
    T* found = findControl<T>(&root, name, index);
    if (!found)
        throw std::runtime_error(std::string("no control ") + name + "(" + std::to_string(index) + ")");
    return *found;
}

inline void click(const QWidget& root, const char* name, int index = -1) {
    control(root, name, index).click();
}

inline bool isOn(const QWidget& root, const char* name, int index = -1) {
    return control(root, name, index).isChecked();
}

inline QString caption(const QWidget& root, const char* name, int index = -1) {
    return control(root, name, index).text();
}

} // namespace tonalyst::test
