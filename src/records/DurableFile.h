#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace tonalyst {

// File writes that are on the disk when they return, so a power cut or a killed process
// afterwards cannot take them back. Each returns an empty optional on success, otherwise
// a short phrase saying what failed.

// Appends the bytes to the file, creating it if need be.
std::optional<QString> appendDurably(const QString& path, QByteArrayView bytes);

// Replaces the file's whole content in one step: readers see the old content or the new,
// never a mixture.
std::optional<QString> replaceDurably(const QString& path, QByteArrayView content);

// Removes the file and makes the removal itself durable.
std::optional<QString> removeDurably(const QString& path);

} // namespace tonalyst
