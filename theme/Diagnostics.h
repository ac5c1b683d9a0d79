#pragma once

#include "framework/VelQtGlobal.h"

#include <QLoggingCategory>
#include <QString>
#include <json/value.h>

#include <memory>
#include <vector>

namespace VelQtLib {

namespace Json {
struct ParseError;
}

// The library names what it could not use in a package or a description when it loads them,
// as warnings under these categories ("velqt.package", "velqt.style", "velqt.theme",
// "velqt.description"); QT_LOGGING_RULES silences them.
VELQTLIB_EXPORT const QLoggingCategory& packageLog();
VELQTLIB_EXPORT const QLoggingCategory& styleLog();
VELQTLIB_EXPORT const QLoggingCategory& themeLog();
VELQTLIB_EXPORT const QLoggingCategory& descriptionLog();

// One problem, named where it is and with what was expected.
struct VELQTLIB_EXPORT Diagnostic {
    enum Severity { Error, Warning };
    enum Area { Package, Style, Theme, Description };

    Severity severity = Error;
    Area area = Package;
    QString file;
    int line = 0; // 1-based; 0 when the problem has no place in a text
    int column = 0;
    QString message;

    // "file:line:column: message", or "file: message" without a place.
    QString text() const;
};

// Where the problems go; by default to Qt's logging, each text once per process.
class VELQTLIB_EXPORT DiagnosticSink {
public:
    virtual ~DiagnosticSink();
    virtual void report(const Diagnostic& diagnostic) = 0;
};

// Sends the library's problems to sink (null: back to Qt's logging); returns the previous one.
VELQTLIB_EXPORT DiagnosticSink* setDiagnosticSink(DiagnosticSink* sink);
VELQTLIB_EXPORT void reportDiagnostic(const Diagnostic& diagnostic);

// Reports the problems of one JSON document, placing each at the value it is about.
class VELQTLIB_EXPORT DocumentReport {
public:
    DocumentReport(Diagnostic::Area area, const QString& file, const char* begin, const char* end);
    ~DocumentReport();

    void error(const ::Json::Value* at, const QString& message) const;
    void warning(const ::Json::Value* at, const QString& message) const;
    // At a byte offset of the text; -1 for no place.
    void errorAt(std::ptrdiff_t offset, const QString& message) const;
    void warningAt(std::ptrdiff_t offset, const QString& message) const;
    void parseError(const Json::ParseError& error) const;
    const QString& file() const { return m_file; }
    // Whether any problem was reported.
    bool reported() const { return m_reported; }

private:
    void report(Diagnostic::Severity severity, std::ptrdiff_t offset, const QString& message) const;

    Diagnostic::Area m_area;
    QString m_file;
    const char* m_begin;
    const char* m_end;
    // Offsets of line starts, found on the first problem only.
    mutable std::vector<std::ptrdiff_t> m_lines;
    mutable bool m_reported = false;
};

// What a JSON value is, for messages: the string "4", the number 4.5, true, an array.
VELQTLIB_EXPORT QString describeValue(const ::Json::Value& value);
// " (did you mean "nearest"?)" when a candidate is close enough to key to be a slip; else
// empty.
VELQTLIB_EXPORT QString suggestion(const QString& key, const std::vector<QString>& candidates);

} // namespace VelQtLib
