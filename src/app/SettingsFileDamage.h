#pragma once

#include <QByteArray>
#include <QString>

namespace quenaro {

/// What shows that a settings file (INI text as the settings store writes it) was damaged:
/// its last line ends without a line break (a file cut short), a section or a key within a
/// section appears twice, or a line is neither empty, a comment, a "[section]" nor
/// "key=value". Empty for a sound file (an empty one included); else the first sign, with
/// its line number.
QString settingsFileDamage(const QByteArray& bytes);

}  // namespace quenaro
