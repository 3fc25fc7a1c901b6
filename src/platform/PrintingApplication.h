#pragma once

#include <QGuiApplication>

#include <memory>

namespace tonalyst {

// Printing and writing PDFs need fonts, and fonts need a GUI application. For a command
// that runs without one, this makes an offscreen one (no window is ever shown); it gives
// nothing when an application already exists.
std::unique_ptr<QGuiApplication> guiForPrinting();

} // namespace tonalyst
