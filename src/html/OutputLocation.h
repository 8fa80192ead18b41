// Where the output-location dialog opens: the first of its candidate folders that exists.
#pragma once

#include <QString>
#include <QStringList>

namespace pixmaro {

/// The folder the location dialog opens on: the first of `candidates` (in order of preference,
/// empty ones skipped) that is an existing folder; otherwise the nearest existing folder above one
/// of them, in the same order; otherwise the root. Never empty. A trailing separator is dropped,
/// as the folder tree reports folders ("/" for the root).
QString LocationStartFolder(const QStringList &candidates);

} // namespace pixmaro
