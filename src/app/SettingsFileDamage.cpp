#include "app/SettingsFileDamage.h"

#include <QList>
#include <QSet>

namespace quenaro {

QString settingsFileDamage(const QByteArray& bytes) {
    if (!bytes.isEmpty() && !bytes.endsWith('\n')) {
        return QStringLiteral("its last line is cut short");
    }
    const QList<QByteArray> lines = bytes.split('\n');
    QSet<QByteArray> sections;
    QSet<QByteArray> keys;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QByteArray line = lines[index].trimmed();
        const auto damage = [index](const char* what) {
            return QStringLiteral("line %1 %2").arg(index + 1).arg(QLatin1String(what));
        };
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) {
            continue;
        }
        if (line.startsWith('[')) {
            if (!line.endsWith(']') || line.size() < 3) {
                return damage("is not a [section]");
            }
            if (sections.contains(line)) {
                return damage("repeats a section");
            }
            sections.insert(line);
            keys.clear();
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0) {
            return damage("is not key=value");
        }
        const QByteArray key = line.left(equals).trimmed();
        if (keys.contains(key)) {
            return damage("repeats a key");
        }
        keys.insert(key);
    }
    return {};
}

}  // namespace quenaro
