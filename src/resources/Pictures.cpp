#include "resources/Pictures.h"

#include <QFile>
#include <QHash>
#include <QString>

#include "resources/ResourceFiles.h"

namespace quenaro {

namespace {

/// The resource path of `fileName` at twice the pixels: ":/Sun@2x.png" for "Sun.png".
QString doubledPath(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? QStringLiteral(":/") + fileName + QStringLiteral("@2x")
                   : QStringLiteral(":/") + fileName.left(dot) + QStringLiteral("@2x") +
                         fileName.mid(dot);
}

QImage loadPicture(const QString& fileName, bool doubled) {
    registerResources();
    if (doubled) {
        const QString path = doubledPath(fileName);
        if (QFile::exists(path)) {
            return QImage(path);  // an "@2x" name gives the image device pixel ratio 2
        }
    }
    return QImage(QStringLiteral(":/") + fileName);
}

}  // namespace

QImage imageNamed(std::string_view fileName, double devicePixelRatio) {
    static QHash<QString, QImage> pictures;
    const bool doubled = devicePixelRatio > 1.0;
    const QString name =
        QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
    const QString key = doubled ? QStringLiteral("2x/") + name : name;
    auto found = pictures.constFind(key);
    if (found == pictures.constEnd()) {
        found = pictures.insert(key, loadPicture(name, doubled));
    }
    return *found;
}

}  // namespace quenaro
