#include "theme/Diagnostics.h"

#include "theme/Json.h"

#include <QSet>

#include <algorithm>

namespace VelQtLib {

Q_LOGGING_CATEGORY(packageCategory, "velqt.package", QtWarningMsg)
Q_LOGGING_CATEGORY(styleCategory, "velqt.style", QtWarningMsg)
Q_LOGGING_CATEGORY(themeCategory, "velqt.theme", QtWarningMsg)
Q_LOGGING_CATEGORY(descriptionCategory, "velqt.description", QtWarningMsg)

const QLoggingCategory& packageLog()
{
    return packageCategory();
}

const QLoggingCategory& styleLog()
{
    return styleCategory();
}

const QLoggingCategory& themeLog()
{
    return themeCategory();
}

const QLoggingCategory& descriptionLog()
{
    return descriptionCategory();
}

namespace {

class LogSink : public DiagnosticSink {
public:
    void report(const Diagnostic& d) override
    {
        const QString text = d.text();
        // A description loaded for every window would otherwise repeat its problems.
        if (m_seen.contains(text))
            return;
        m_seen.insert(text);
        static const QLoggingCategory& (*const categories[])()
            = {packageLog, styleLog, themeLog, descriptionLog};
        const QLoggingCategory& category = categories[d.area]();
        if (category.isWarningEnabled())
            QMessageLogger(nullptr, 0, nullptr, category.categoryName()).warning().noquote()
                << text;
    }

private:
    QSet<QString> m_seen;
};

LogSink& logSink()
{
    static LogSink sink;
    return sink;
}

DiagnosticSink* currentSink = nullptr;

// Edits between two keys, ignoring letter case; swapping two neighbours counts as one.
int editDistance(const QString& a, const QString& b)
{
    const QString x = a.toLower();
    const QString y = b.toLower();
    const int w = int(y.size()) + 1;
    std::vector<int> d(size_t((x.size() + 1) * w));
    const auto at = [&](int i, int j) -> int& {
        return d[size_t(i * w + j)];
    };
    for (int i = 0; i <= x.size(); ++i)
        at(i, 0) = i;
    for (int j = 0; j <= y.size(); ++j)
        at(0, j) = j;
    for (int i = 1; i <= x.size(); ++i) {
        for (int j = 1; j <= y.size(); ++j) {
            const int cost = x.at(i - 1) == y.at(j - 1) ? 0 : 1;
            at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + cost});
            if (i > 1 && j > 1 && x.at(i - 1) == y.at(j - 2) && x.at(i - 2) == y.at(j - 1))
                at(i, j) = std::min(at(i, j), at(i - 2, j - 2) + 1);
        }
    }
    return at(int(x.size()), int(y.size()));
}

} // namespace

QString Diagnostic::text() const
{
    if (line <= 0)
        return file + QStringLiteral(": ") + message;
    return QStringLiteral("%1:%2:%3: %4").arg(file).arg(line).arg(column).arg(message);
}

DiagnosticSink::~DiagnosticSink() = default;

DiagnosticSink* setDiagnosticSink(DiagnosticSink* sink)
{
    DiagnosticSink* previous = currentSink;
    currentSink = sink;
    return previous;
}

void reportDiagnostic(const Diagnostic& diagnostic)
{
    (currentSink ? *currentSink : logSink()).report(diagnostic);
}

DocumentReport::DocumentReport(
    Diagnostic::Area area, const QString& file, const char* begin, const char* end)
    : m_area(area)
    , m_file(file)
    , m_begin(begin)
    , m_end(end)
{
}

DocumentReport::~DocumentReport() = default;

void DocumentReport::error(const ::Json::Value* at, const QString& message) const
{
    report(Diagnostic::Error, at ? at->getOffsetStart() : -1, message);
}

void DocumentReport::warning(const ::Json::Value* at, const QString& message) const
{
    report(Diagnostic::Warning, at ? at->getOffsetStart() : -1, message);
}

void DocumentReport::errorAt(std::ptrdiff_t offset, const QString& message) const
{
    report(Diagnostic::Error, offset, message);
}

void DocumentReport::warningAt(std::ptrdiff_t offset, const QString& message) const
{
    report(Diagnostic::Warning, offset, message);
}

void DocumentReport::parseError(const Json::ParseError& error) const
{
    // JsonCpp's own words, as the rest of a message: "Missing ',' or '}' in object declaration".
    QString message = QString::fromStdString(error.message).trimmed();
    if (message.endsWith(QLatin1Char('.')))
        message.chop(1);
    if (!message.isEmpty())
        message[0] = message.at(0).toLower();
    report(Diagnostic::Error, error.offset, message);
}

void DocumentReport::report(
    Diagnostic::Severity severity, std::ptrdiff_t offset, const QString& message) const
{
    m_reported = true;
    Diagnostic d;
    d.severity = severity;
    d.area = m_area;
    d.file = m_file;
    d.message = message;
    if (m_begin && offset >= 0 && offset <= m_end - m_begin) {
        if (m_lines.empty()) {
            m_lines.push_back(0);
            for (const char* p = m_begin; p < m_end; ++p) {
                if (*p == '\n')
                    m_lines.push_back(p - m_begin + 1);
            }
        }
        const auto next = std::upper_bound(m_lines.begin(), m_lines.end(), offset);
        d.line = int(next - m_lines.begin());
        d.column = int(offset - *(next - 1)) + 1;
    }
    reportDiagnostic(d);
}

QString describeValue(const ::Json::Value& value)
{
    switch (value.type()) {
    case ::Json::nullValue:
        return QStringLiteral("null");
    case ::Json::booleanValue:
        return value.asBool() ? QStringLiteral("true") : QStringLiteral("false");
    case ::Json::stringValue:
        return QStringLiteral("the string \"%1\"").arg(QString::fromStdString(value.asString()));
    case ::Json::arrayValue:
        return QStringLiteral("an array");
    case ::Json::objectValue:
        return QStringLiteral("an object");
    default:
        return QStringLiteral("the number %1")
            .arg(QString::fromStdString(value.toStyledString()).trimmed());
    }
}

QString suggestion(const QString& key, const std::vector<QString>& candidates)
{
    const QString* best = nullptr;
    int bestDistance = 0;
    for (const QString& candidate : candidates) {
        const int d = editDistance(key, candidate);
        if (!best || d < bestDistance) {
            best = &candidate;
            bestDistance = d;
        }
    }
    // Close enough to be a slip: a third of the key's letters, at least one, at most three.
    const int allowed = qBound(1, int(key.size()) / 3, 3);
    if (!best || bestDistance == 0 || bestDistance > allowed)
        return QString();
    return QStringLiteral(" (did you mean \"%1\"?)").arg(*best);
}

} // namespace VelQtLib
