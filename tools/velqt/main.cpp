// velqt: packs, unpacks, checks and previews theme packages.
#include "Tool.h"

#include <framework/DescriptionKeys.h>

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {

const char* const overview = R"(usage: velqt COMMAND [OPTIONS]

Commands:
  pack      pack a folder into a package (.data)
  unpack    unpack a package into a folder
  lint      check packages and folders, naming every problem
  preview   show a description or every theme element; follow edits with --watch

velqt COMMAND --help describes a command. The format is described in docs/theme-format.md.
)";

const char* const packHelp = R"(usage: velqt pack DIR... [-o FILE.data]

Packs every file under DIR into a package, each stored by its path inside DIR however DIR is
written (so "style.json" stays at the root). Several folders are merged. JSON members are
checked with the library's own reader (comments allowed) and their errors reported as
file:line:column; nothing is written then. The output is never inside a folder being packed.
Without -o the package is DIR's name with ".data", in the current folder.

Examples:
  velqt pack mytheme                   writes mytheme.data
  velqt pack ./src/mytheme -o build/mytheme.data
  velqt pack mytheme generated-images -o mytheme.data
)";

const char* const unpackHelp = R"(usage: velqt unpack FILE.data DIR

Writes every member of a package into DIR (created when missing). Members naming a place
outside DIR are skipped.

Example:
  velqt unpack VELTE001.data VELTE001-source
)";

const char* const lintHelp = R"(usage: velqt lint [--app A] [--theme T] PACKAGE-OR-FOLDER...

Loads the packages the way a program does (application package, then theme package) and
reports every problem as "file:line:column: error|warning: message": JSON syntax, unknown keys
(with the nearest known key), values of the wrong type, style records that are dropped,
colours that come out transparent, images in no package, margins wider than their image,
unknown control types and theme elements, style records a control cannot find. A package or
folder with a "theme.json" is checked as the theme package (with --app's application package),
any other as the application package (with --theme's theme package). Exit status 1 when there
are errors, 0 otherwise (warnings alone pass).

Examples:
  velqt lint mytheme
  velqt lint --theme VELTE001.data myapp
  velqt lint --app dovedArad.data --theme VELTE001.data
)";

const char* const previewHelp = R"(usage: velqt preview [--app A] [--theme T] [PACKAGE-OR-FOLDER]
                     [--description NAME | --sheet]
                     [--state normal|hover|pressed|disabled|checked] [--scale 2]
                     [--screenshot FILE.png] [--watch]

Shows a description of the packages in a window ("main", else the first one found), or with
--sheet every theme element of "theme.json" in every state side by side (or in the one
--state names). --state shows every control of the description in that state. --scale
renders at that device pixel ratio. --screenshot saves a PNG of the window and exits; it needs
no display (QT_QPA_PLATFORM=offscreen). --watch reloads and repaints within a second of a
change to any file of the package folders (with --screenshot, the PNG is saved after each
reload). Problems are reported as by velqt lint, after every reload.

Examples:
  velqt preview --app myapp --theme mytheme --watch
  velqt preview --theme mytheme --sheet --scale 2
  QT_QPA_PLATFORM=offscreen velqt preview --theme mytheme --sheet --screenshot sheet.png
)";

bool wantsHelp(const QStringList& args)
{
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0
        || std::strcmp(argv[1], "help") == 0) {
        std::fputs(overview, argc < 2 ? stderr : stdout);
        return argc < 2 ? Velqt::usageError : 0;
    }
    const QString command = QString::fromLocal8Bit(argv[1]);
    QStringList args;
    for (int i = 2; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const struct {
        const char* name;
        const char* help;
    } commands[] = {
        {"pack", packHelp}, {"unpack", unpackHelp}, {"lint", lintHelp}, {"preview", previewHelp}};
    for (const auto& c : commands) {
        if (command == QLatin1String(c.name) && wantsHelp(args)) {
            std::fputs(c.help, stdout);
            return 0;
        }
    }
    if (command == QLatin1String("preview"))
        return Velqt::preview(argc, argv, args);
    QCoreApplication app(argc, argv);
    if (command == QLatin1String("pack"))
        return Velqt::pack(args);
    if (command == QLatin1String("unpack"))
        return Velqt::unpack(args);
    if (command == QLatin1String("lint"))
        return Velqt::lint(args);
    if (command == QLatin1String("reference")) {
        // The generated part of docs/theme-format.md.
        std::fputs(VelQtLib::formatReference().toUtf8().constData(), stdout);
        return 0;
    }
    std::fprintf(stderr, "velqt: unknown command %s\n%s", argv[1], overview);
    return Velqt::usageError;
}
