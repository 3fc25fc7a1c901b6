#include "app/SystemBeeper.h"

#include <QApplication>

namespace tonalyst {

void SystemBeeper::beep() {
    QApplication::beep();
}

} // namespace tonalyst
