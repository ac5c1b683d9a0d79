#pragma once

#include <theme/Diagnostics.h>

#include <QMap>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// Pieces shared by the velqt commands.
namespace Velqt {

// Exit statuses: 0 clean, 1 problems found, 2 wrong usage.
constexpr int usageError = 2;

// The options of one command line: flags with a value, bare flags, and the rest in order.
struct Arguments {
    QMap<QString, QString> values;
    QStringList flags;
    QStringList positional;
    QString error; // set when the line does not parse
};
Arguments parseArguments(
    const QStringList& args, const QStringList& valueOptions, const QStringList& flagOptions);

// Prints problems as "file:line:column: error|warning: message", each once, naming the
// folders a package was packed from instead of the temporary archive.
class PrintingSink : public VelQtLib::DiagnosticSink {
public:
    void report(const VelQtLib::Diagnostic& d) override;
    void rename(const QString& from, const QString& to) { m_renames.insert(from, to); }
    int errors() const { return m_errors; }
    int warnings() const { return m_warnings; }
    void forget() { m_seen.clear(); }

private:
    QMap<QString, QString> m_renames;
    QSet<QString> m_seen;
    int m_errors = 0;
    int m_warnings = 0;
};

// Members of one or more folders, relative to their own folder however it is written; name
// -> file. False (with message set) when a name comes from two folders.
bool collectMembers(const QStringList& folders, QMap<QString, QString>& members, QString& message);
// Writes an archive of the members. With sink, JSON members are checked with the library's
// reader first and their errors reported there: then false, and nothing is written.
bool writePackage(const QString& output, const QMap<QString, QString>& members,
    VelQtLib::DiagnosticSink* sink, QString& message);

// A package given as a ".data" file or as a folder, which is packed into a temporary archive.
class PackageSource {
public:
    // Empty path: no package.
    bool prepare(const QString& path, PrintingSink& sink);
    QString archive() const { return m_archive; }
    QString given() const { return m_given; }
    bool isFolder() const { return m_folder; }
    bool isEmpty() const { return m_given.isEmpty(); }

private:
    QString m_given;
    QString m_archive;
    bool m_folder = false;
    std::unique_ptr<QTemporaryDir> m_dir;
};

// True when a folder or an archive has a root "theme.json".
bool hasThemeJson(const QString& path);

int pack(const QStringList& args);
int unpack(const QStringList& args);
int lint(const QStringList& args);
int preview(int argc, char* argv[], const QStringList& args);

} // namespace Velqt
