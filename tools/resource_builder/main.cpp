// vellomir-resource-builder: draws every picture and cursor of the resource
// library KAR.RGF into a staging folder with the resource collection file
// that rcc packs.
//
//   vellomir-resource-builder OUTDIR [--waves DIR] [--contact-sheet FILE.png]

#include "card_backs.h"
#include "card_faces.h"
#include "contact_sheet.h"
#include "cursors.h"
#include "icons.h"
#include "pile_marks.h"
#include "resource_set.h"
#include "table_backgrounds.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QStringList>

#include <cstdio>

namespace {

int usage() {
    std::fputs("usage: vellomir-resource-builder OUTDIR [--waves DIR] [--contact-sheet FILE.png]\n", stderr);
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

    QString outDir;
    QString waveDir;
    QString contactSheet;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--waves") || a == QLatin1String("--contact-sheet")) {
            if (i + 1 >= args.size()) {
                return usage();
            }
            (a == QLatin1String("--waves") ? waveDir : contactSheet) = args[++i];
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

    if (!outDir.isEmpty()) {
        if (const QString error = resources.write(outDir, waveDir); !error.isEmpty()) {
            std::fprintf(stderr, "vellomir-resource-builder: %s\n", qPrintable(error));
            return 1;
        }
    }
    if (!contactSheet.isEmpty()) {
        QImageWriter writer(contactSheet, "png");
        if (!writer.write(drawContactSheet(resources))) {
            std::fprintf(stderr, "vellomir-resource-builder: cannot write %s: %s\n", qPrintable(contactSheet),
                         qPrintable(writer.errorString()));
            return 1;
        }
    }
    return 0;
}
