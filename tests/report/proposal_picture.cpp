// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the sample plan to a picture or a PDF, for the docs and for looking at the page:
//   proposal_picture FILE.png [DOTS_PER_INCH]   (150 when not given)
//   proposal_picture FILE.pdf
#include "report/page_layer.h"
#include "report/page_render.h"
#include "report/proposal.h"
#include "tests/report/proposal_sample.h"

#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: proposal_picture FILE.png [DOTS_PER_INCH] | FILE.pdf\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const double dpi = argc > 2 ? std::atof(argv[2]) : 150.0;
    bool written = false;
    SetPageSink([&](const PageRecord& page) {
        if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
            written = WriteProposalPdf(page, path).ok;
        else
            written = dpi > 0 && RenderPageImage(page, dpi).save(path);
        return written;
    });
    if (!BuildProposal(FloristsPlan()) || !written) {
        std::fprintf(stderr, "proposal_picture: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
