// Packs folders into a gallery package (a ZIP archive). Every file of each folder becomes a
// member named by its path inside that folder; members are written in name order so that a
// package is the same from build to build. JSON members are checked, because a package that
// does not parse only shows at run time, as missing looks.
// Usage: vitrina-mkpackage <package.data> <folder>...
#include "zipwriter/ZipWriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QMap>

#include <cstdio>

namespace {

bool fail(const QString& message)
{
    std::fprintf(stderr, "mkpackage: %s\n", qPrintable(message));
    return false;
}

// Member name -> file, over all folders; a name given twice is an error.
bool collect(const QStringList& folders, QMap<QString, QString>& members)
{
    for (const QString& folder : folders) {
        const QDir root(folder);
        if (!root.exists())
            return fail(QStringLiteral("no folder %1").arg(folder));
        QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString name = root.relativeFilePath(file);
            if (members.contains(name))
                return fail(QStringLiteral("%1 is given twice").arg(name));
            members.insert(name, file);
        }
    }
    return true;
}

bool pack(const QString& output, const QMap<QString, QString>& members)
{
    const QString partial = output + QStringLiteral(".part");
    {
        ZipWriter zip(partial);
        if (!zip.isOpen())
            return fail(QStringLiteral("cannot write %1").arg(partial));
        for (auto it = members.cbegin(); it != members.cend(); ++it) {
            QFile file(it.value());
            if (!file.open(QIODevice::ReadOnly))
                return fail(QStringLiteral("cannot read %1").arg(it.value()));
            const QByteArray bytes = file.readAll();
            if (it.key().endsWith(QLatin1String(".json"))) {
                QJsonParseError error;
                QJsonDocument::fromJson(bytes, &error);
                if (error.error != QJsonParseError::NoError)
                    return fail(QStringLiteral("%1: %2 at offset %3")
                                    .arg(it.value(), error.errorString())
                                    .arg(error.offset));
            }
            if (!zip.add(it.key().toUtf8(), bytes))
                return fail(QStringLiteral("cannot add %1").arg(it.key()));
        }
        if (!zip.close())
            return fail(QStringLiteral("cannot finish %1").arg(partial));
    }
    QFile::remove(output);
    return QFile::rename(partial, output) || fail(QStringLiteral("cannot write %1").arg(output));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <package.data> <folder>...\n", argv[0]);
        return 2;
    }
    QStringList folders;
    for (int i = 2; i < argc; ++i)
        folders << QString::fromLocal8Bit(argv[i]);
    QMap<QString, QString> members;
    if (!collect(folders, members) || !pack(QString::fromLocal8Bit(argv[1]), members))
        return 1;
    return 0;
}
