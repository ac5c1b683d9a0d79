#include "Tool.h"

#include <theme/Json.h>
#include <zipwriter/ZipWriter.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <minizip/unzip.h>

#include <QSet>

#include <cstdio>

namespace Velqt {

Arguments parseArguments(
    const QStringList& args, const QStringList& valueOptions, const QStringList& flagOptions)
{
    Arguments out;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (valueOptions.contains(a)) {
            if (i + 1 >= args.size()) {
                out.error = QStringLiteral("%1 needs a value").arg(a);
                return out;
            }
            out.values.insert(a, args.at(++i));
        } else if (flagOptions.contains(a)) {
            out.flags << a;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            out.error = QStringLiteral("unknown option %1").arg(a);
            return out;
        } else {
            out.positional << a;
        }
    }
    return out;
}

void PrintingSink::report(const VelQtLib::Diagnostic& d)
{
    QString file = d.file;
    for (auto it = m_renames.cbegin(); it != m_renames.cend(); ++it) {
        if (file.startsWith(it.key()))
            file = it.value() + file.mid(it.key().size());
    }
    const QString severity = d.severity == VelQtLib::Diagnostic::Error ? QStringLiteral("error")
                                                                       : QStringLiteral("warning");
    const QString text = d.line > 0 ? QStringLiteral("%1:%2:%3: %4: %5")
                                          .arg(file)
                                          .arg(d.line)
                                          .arg(d.column)
                                          .arg(severity, d.message)
                                    : QStringLiteral("%1: %2: %3").arg(file, severity, d.message);
    if (m_seen.contains(text))
        return;
    m_seen.insert(text);
    (d.severity == VelQtLib::Diagnostic::Error ? m_errors : m_warnings)++;
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

bool collectMembers(const QStringList& folders, QMap<QString, QString>& members, QString& message)
{
    for (const QString& folder : folders) {
        const QDir root(QFileInfo(folder).absoluteFilePath());
        if (!QFileInfo(folder).isDir()) {
            message = QStringLiteral("%1 is not a folder").arg(folder);
            return false;
        }
        QDirIterator it(root.absolutePath(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString name = root.relativeFilePath(file);
            if (members.contains(name)) {
                message = QStringLiteral("%1 is in more than one folder").arg(name);
                return false;
            }
            // Named as the user wrote the folder, so that messages point where they look.
            members.insert(name, QDir(folder).filePath(name));
        }
    }
    return true;
}

bool writePackage(const QString& output, const QMap<QString, QString>& members,
    VelQtLib::DiagnosticSink* sink, QString& message)
{
    QMap<QString, QByteArray> contents;
    bool parsed = true;
    for (auto it = members.cbegin(); it != members.cend(); ++it) {
        QFile file(it.value());
        if (!file.open(QIODevice::ReadOnly)) {
            message = QStringLiteral("cannot read %1").arg(it.value());
            return false;
        }
        const QByteArray bytes = file.readAll();
        if (sink && it.key().endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) {
            const int nul = bytes.indexOf('\0');
            const char* end = bytes.constData() + (nul < 0 ? bytes.size() : nul);
            ::Json::Value root;
            VelQtLib::Json::ParseError error;
            if (!VelQtLib::Json::parse(bytes.constData(), end, root, &error)) {
                VelQtLib::DiagnosticSink* previous = VelQtLib::setDiagnosticSink(sink);
                VelQtLib::DocumentReport(
                    VelQtLib::Diagnostic::Package, it.value(), bytes.constData(), end)
                    .parseError(error);
                VelQtLib::setDiagnosticSink(previous);
                parsed = false;
            }
        }
        contents.insert(it.key(), bytes);
    }
    if (!parsed) {
        message = QStringLiteral("%1 was not written").arg(output);
        return false;
    }
    const QString partial = output + QStringLiteral(".part");
    {
        ZipWriter zip(partial);
        bool ok = zip.isOpen();
        for (auto it = contents.cbegin(); ok && it != contents.cend(); ++it)
            ok = zip.add(it.key().toUtf8(), it.value());
        if (!ok || !zip.close()) {
            QFile::remove(partial);
            message = QStringLiteral("cannot write %1").arg(output);
            return false;
        }
    }
    QFile::remove(output);
    if (!QFile::rename(partial, output)) {
        message = QStringLiteral("cannot write %1").arg(output);
        return false;
    }
    return true;
}

bool PackageSource::prepare(const QString& path, PrintingSink& sink)
{
    m_given = path;
    if (path.isEmpty())
        return true;
    m_folder = QFileInfo(path).isDir();
    if (!m_folder) {
        m_archive = path;
        return true;
    }
    m_dir = std::make_unique<QTemporaryDir>();
    m_archive = m_dir->filePath(
        QFileInfo(QFileInfo(path).absoluteFilePath()).fileName() + QStringLiteral(".data"));
    sink.rename(m_archive, QDir::cleanPath(path));
    QMap<QString, QString> members;
    QString message;
    // Packed as it is: the library's load names its problems.
    if (collectMembers({path}, members, message)
        && writePackage(m_archive, members, nullptr, message))
        return true;
    std::fprintf(stderr, "velqt: %s\n", qPrintable(message));
    return false;
}

bool hasThemeJson(const QString& path)
{
    if (QFileInfo(path).isDir())
        return QDir(path)
            .entryList(QDir::Files)
            .contains(QStringLiteral("theme.json"), Qt::CaseInsensitive);
    unzFile zip = unzOpen64(QFile::encodeName(path).constData());
    if (!zip)
        return false;
    const bool found = unzLocateFile(zip, "theme.json", 2) == UNZ_OK;
    unzClose(zip);
    return found;
}

} // namespace Velqt
