#include "Tool.h"

#include <framework/DescriptionCheck.h>
#include <framework/Library.h>
#include <theme/Json.h>
#include <theme/ThemeManager.h>

#include <cstdio>

namespace Velqt {

namespace {

// Checks every description (a ".json" member besides "style.json" and "theme.json") of a
// loaded package.
void lintDescriptions(const VelQtLib::CThemePackage* package)
{
    if (!package)
        return;
    for (const auto& entry : package->entries) {
        const QString name = QString::fromStdString(entry.first);
        if (!name.endsWith(QLatin1String(".json")) || name == QLatin1String("theme.json"))
            continue;
        const auto text = VelQtLib::entryText(*entry.second);
        const VelQtLib::DocumentReport report(VelQtLib::Diagnostic::Description,
            package->path + QLatin1Char('/') + name, text.first, text.second);
        ::Json::Value root;
        VelQtLib::Json::ParseError error;
        if (!VelQtLib::Json::parse(text.first, text.second, root, &error))
            report.parseError(error);
        else if (VelQtLib::Json::member(root, "elements"))
            VelQtLib::checkDescription(report, root);
    }
}

// Loads the packages the way a program does, which reports their problems, then checks their
// descriptions.
void lintPair(const PackageSource& app, const PackageSource& theme)
{
    VelQtLib::CThemeManager& manager = VelQtLib::CThemeManager::instance();
    manager.unloadPackages();
    if (!app.isEmpty())
        manager.loadAppPackage(app.archive());
    if (!theme.isEmpty())
        manager.loadThemePackage(theme.archive());
    manager.checkStyleImages();
    lintDescriptions(manager.appPackage());
    lintDescriptions(manager.themePackage());
}

} // namespace

int lint(const QStringList& args)
{
    const Arguments a
        = parseArguments(args, {QStringLiteral("--app"), QStringLiteral("--theme")}, {});
    const QString appPath = a.values.value(QStringLiteral("--app"));
    const QString themePath = a.values.value(QStringLiteral("--theme"));
    if (!a.error.isEmpty()
        || (a.positional.isEmpty() && appPath.isEmpty() && themePath.isEmpty())) {
        std::fprintf(stderr,
            "velqt lint: %s\nusage: velqt lint [--app A] [--theme T] PACKAGE-OR-FOLDER...\n",
            qPrintable(a.error.isEmpty() ? QStringLiteral("a package is needed") : a.error));
        return usageError;
    }
    VelQtLib::Init();
    PrintingSink sink;
    VelQtLib::setDiagnosticSink(&sink);
    PackageSource app;
    PackageSource theme;
    bool ok = app.prepare(appPath, sink) && theme.prepare(themePath, sink);
    if (a.positional.isEmpty() && ok)
        lintPair(app, theme);
    // Each package given alone is checked with the other role's package from the options.
    for (const QString& path : a.positional) {
        PackageSource source;
        if (!source.prepare(path, sink)) {
            ok = false;
            continue;
        }
        // A theme package given alone serves as the application package too, as it does for a
        // program that loads one package in both roles.
        if (hasThemeJson(path))
            lintPair(app.isEmpty() ? source : app, source);
        else
            lintPair(source, theme);
    }
    VelQtLib::setDiagnosticSink(nullptr);
    if (sink.errors() || sink.warnings())
        std::fprintf(stderr, "%d errors, %d warnings\n", sink.errors(), sink.warnings());
    return ok && sink.errors() == 0 ? 0 : 1;
}

} // namespace Velqt
