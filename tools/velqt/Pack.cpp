#include "Tool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <minizip/unzip.h>

#include <cstdio>

namespace Velqt {

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "velqt: %s\n", qPrintable(message));
    return 1;
}

// True when path lies inside folder (or is it).
bool isInside(const QString& path, const QString& folder)
{
    const QString f = QDir(QFileInfo(folder).absoluteFilePath()).canonicalPath();
    const QString p = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    return !f.isEmpty() && (p == f || p.startsWith(f + QLatin1Char('/')));
}

} // namespace

int pack(const QStringList& args)
{
    const Arguments a = parseArguments(args, {QStringLiteral("-o")}, {});
    if (!a.error.isEmpty() || a.positional.isEmpty()) {
        std::fprintf(stderr, "velqt pack: %s\nusage: velqt pack DIR... [-o FILE.data]\n",
            qPrintable(a.error.isEmpty() ? QStringLiteral("a folder is needed") : a.error));
        return usageError;
    }
    const QString first = QDir::cleanPath(a.positional.first());
    const QString output = a.values.value(QStringLiteral("-o"),
        QFileInfo(QFileInfo(first).absoluteFilePath()).fileName() + QStringLiteral(".data"));
    for (const QString& folder : a.positional) {
        if (isInside(output, folder))
            return fail(QStringLiteral("%1 is inside the folder %2 that it packs; give -o a path "
                                       "outside it")
                            .arg(output, folder));
    }
    QMap<QString, QString> members;
    QString message;
    if (!collectMembers(a.positional, members, message))
        return fail(message);
    PrintingSink sink;
    if (!members.contains(QStringLiteral("style.json")))
        sink.report({VelQtLib::Diagnostic::Error, VelQtLib::Diagnostic::Package, first, 0, 0,
            QStringLiteral("has no \"style.json\" at its root; the package would not load")});
    if (!writePackage(output, members, &sink, message))
        return fail(message);
    std::printf("%s: %d members\n", qPrintable(output), int(members.size()));
    return sink.errors() ? 1 : 0;
}

int unpack(const QStringList& args)
{
    const Arguments a = parseArguments(args, {}, {});
    if (!a.error.isEmpty() || a.positional.size() != 2) {
        std::fprintf(stderr, "usage: velqt unpack FILE.data DIR\n");
        return usageError;
    }
    unzFile zip = unzOpen64(QFile::encodeName(a.positional.at(0)).constData());
    if (!zip)
        return fail(QStringLiteral("%1 is not a ZIP archive").arg(a.positional.at(0)));
    const QDir target(a.positional.at(1));
    int written = 0;
    int status = 0;
    for (int s = unzGoToFirstFile(zip); s == UNZ_OK; s = unzGoToNextFile(zip)) {
        unz_file_info64 info;
        char name[4096] = {};
        if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name - 1, nullptr, 0, nullptr, 0)
            != UNZ_OK)
            break;
        const QString member = QString::fromUtf8(name);
        const QString clean = QDir::cleanPath(member);
        if (member.endsWith(QLatin1Char('/')))
            continue;
        // A member may not write outside the folder.
        if (QDir::isAbsolutePath(clean) || clean == QLatin1String("..")
            || clean.startsWith(QLatin1String("../"))) {
            fail(QStringLiteral("%1: skipped, it names a place outside the folder").arg(member));
            status = 1;
            continue;
        }
        QByteArray bytes(int(info.uncompressed_size), '\0');
        bool ok = unzOpenCurrentFile(zip) == UNZ_OK;
        ok = ok && unzReadCurrentFile(zip, bytes.data(), unsigned(bytes.size())) == bytes.size();
        ok = unzCloseCurrentFile(zip) == UNZ_OK && ok;
        QFile file(target.filePath(clean));
        if (!ok || !QDir().mkpath(QFileInfo(file).absolutePath())
            || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            fail(QStringLiteral("%1: cannot be unpacked").arg(member));
            status = 1;
            continue;
        }
        ++written;
    }
    unzClose(zip);
    std::printf("%s: %d members\n", qPrintable(target.path()), written);
    return status;
}

} // namespace Velqt
