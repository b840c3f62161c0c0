// vellomir-resource-builder: draws every picture and cursor of the resource
// library KAR.RGF into a staging folder with the resource collection file
// that rcc packs.
//
//   vellomir-resource-builder OUTDIR [--waves DIR] [--catalogue GAMES.DAT]
//                             [--contact-sheet FILE.png]
//   vellomir-resource-builder --app-icons DIR NAME
//   vellomir-resource-builder --seal KAR.RGF
//
// With --catalogue every game of the catalogue gets its preview picture
// "GAME" + four digits, dealt and drawn with the pictures written just before.
// --card-size-sheet draws one suit and every back at 71, 150 and 250 pixels
// wide into FILE.png.
// --app-icons draws the program's icon for the desktop's hicolor theme into
// DIR/hicolor/ (every size as PNG, and scalable as SVG) as NAME.png/.svg.
// --seal writes the digest of the library rcc packed into its seal entry.

#include "app_icon.h"
#include "card_pictures.h"
#include "card_size_sheet.h"
#include "contact_sheet.h"
#include "cursors.h"
#include "game_previews.h"
#include "icons.h"
#include "library_seal.h"
#include "resource_set.h"
#include "table_backgrounds.h"

#include "resources/resource_library.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImageWriter>
#include <QStringList>

#include <cstdio>

namespace {

int fail(const QString& error) {
    std::fprintf(stderr, "vellomir-resource-builder: %s\n", qPrintable(error));
    return 1;
}

int usage() {
    std::fputs("usage: vellomir-resource-builder OUTDIR [--waves DIR] [--catalogue GAMES.DAT] "
               "[--contact-sheet FILE.png]\n"
               "       vellomir-resource-builder --app-icons DIR NAME\n"
               "       vellomir-resource-builder --seal KAR.RGF\n"
               "       vellomir-resource-builder --card-size-sheet FILE.png\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    // The builder runs at build time, where there may be no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();

    if (!args.isEmpty() && args.front() == QLatin1String("--card-size-sheet")) {
        if (args.size() != 2) {
            return usage();
        }
        if (!vellomir::tools::drawCardSizeSheet().save(args[1])) {
            return fail(QStringLiteral("cannot write %1").arg(args[1]));
        }
        return 0;
    }
    if (!args.isEmpty() && args.front() == QLatin1String("--seal")) {
        if (args.size() != 2) {
            return usage();
        }
        if (const QString error = vellomir::tools::sealLibrary(args[1]); !error.isEmpty()) {
            return fail(error);
        }
        return 0;
    }
    if (!args.isEmpty() && args.front() == QLatin1String("--app-icons")) {
        if (args.size() != 3) {
            return usage();
        }
        if (const QString error = vellomir::tools::writeAppIcons(args[1], args[2]);
            !error.isEmpty()) {
            return fail(error);
        }
        return 0;
    }

    QString outDir;
    QString waveDir;
    QString contactSheet;
    QString catalogue;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--waves") || a == QLatin1String("--contact-sheet") ||
            a == QLatin1String("--catalogue")) {
            if (i + 1 >= args.size()) {
                return usage();
            }
            (a == QLatin1String("--waves")       ? waveDir
             : a == QLatin1String("--catalogue") ? catalogue
                                                 : contactSheet) = args[++i];
        } else if (a.startsWith(QLatin1String("--")) || !outDir.isEmpty()) {
            return usage();
        } else {
            outDir = a;
        }
    }
    if (outDir.isEmpty() && contactSheet.isEmpty()) {
        return usage();
    }

    using namespace vellomir::tools;
    ResourceSet resources;
    addCardFaces(resources);
    addCardBacks(resources);
    addPileMarks(resources);
    addPieces(resources);
    addTableBackgrounds(resources);
    addIcons(resources);
    addCursors(resources);

    if (!catalogue.isEmpty() && outDir.isEmpty()) {
        return usage();
    }
    if (!outDir.isEmpty() && catalogue.isEmpty()) {
        if (const QString error = resources.write(outDir, waveDir); !error.isEmpty()) {
            return fail(error);
        }
    } else if (!outDir.isEmpty()) {
        // The previews are drawn with the card pictures as written, read back
        // from the staging folder before anything is packed.
        QString error = resources.clearFolder(outDir);
        if (error.isEmpty()) {
            error = resources.writePictures(outDir);
        }
        if (!error.isEmpty()) {
            return fail(error);
        }
        vellomir::resources::ResourceLibrary library;
        if (!library.openFolder(outDir)) {
            return fail(QStringLiteral("cannot read back %1").arg(outDir));
        }
        const std::size_t first = resources.entries().size();
        QElapsedTimer timer;
        timer.start();
        PreviewReport report;
        error = addGamePreviews(resources, library, catalogue, report);
        if (error.isEmpty()) {
            error = resources.writePictures(outDir, first);
        }
        if (error.isEmpty()) {
            error = resources.writeCollection(outDir, waveDir);
        }
        if (!error.isEmpty()) {
            return fail(error);
        }
        std::printf(
            "vellomir-resource-builder: %d game previews in %lld ms (%d on a larger table%s%s)\n",
            report.games, static_cast<long long>(timer.elapsed()), report.enlarged,
            report.enlarged > 0 ? ": " : "", qPrintable(report.enlargedGames));
        if (!report.overflowing.isEmpty()) {
            std::printf(
                "vellomir-resource-builder: the table of game(s) %s runs past the preview\n",
                qPrintable(report.overflowing));
        }
    }
    if (!contactSheet.isEmpty()) {
        QImageWriter writer(contactSheet, "png");
        if (!writer.write(drawContactSheet(resources))) {
            std::fprintf(stderr, "vellomir-resource-builder: cannot write %s: %s\n",
                         qPrintable(contactSheet), qPrintable(writer.errorString()));
            return 1;
        }
    }
    return 0;
}
