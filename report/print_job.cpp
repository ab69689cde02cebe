// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/print_job.h"

#include "app/text/cp1252.h"

#include <QPrinter>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <memory>

namespace {

struct DestDeleter {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, DestDeleter>;

Dest NamedDest(const QByteArray& name) {
    return Dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr));
}

std::string Option(const cups_dest_t& dest, const char* key) {
    const char* value = cupsGetOption(key, dest.num_options, dest.options);
    return value ? value : "";
}

const char* SidesOption(QPrinter::DuplexMode duplex) {
    switch (duplex) {
    case QPrinter::DuplexLongSide:
        return "two-sided-long-edge";
    case QPrinter::DuplexShortSide:
        return "two-sided-short-edge";
    default:
        return "one-sided";
    }
}

} // namespace

PrintResult SubmitPdfToPrinter(const QByteArray& pdf, const QPrinter& printer, const std::string& title) {
    const QByteArray name = printer.printerName().toUtf8();
    if (name.isEmpty()) return {false, "no printer was chosen"};
    if (!NamedDest(name))
        return {false,
                "the print system does not know the printer (" + std::string(cupsLastErrorString()) + ")"};

    QTemporaryFile file;
    if (!file.open() || file.write(pdf) != pdf.size() || !file.flush())
        return {false,
                "the page could not be handed to the print system: " + file.errorString().toStdString()};

    int count = 0;
    cups_option_t* options = nullptr;
    count =
        cupsAddOption("copies", std::to_string(std::max(1, printer.copyCount())).c_str(), count, &options);
    count = cupsAddOption("media", "na_letter_8.5x11in", count, &options);
    count = cupsAddOption("sides", SidesOption(printer.duplex()), count, &options);
    const int job =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, name.constData(), file.fileName().toLocal8Bit().constData(),
                       FromCp1252(title).toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (job == 0) return {false, cupsLastErrorString()};

    // A stopped printer takes the job and holds it: the user would wait for a page that never comes.
    const Dest dest = NamedDest(name);
    if (dest && Option(*dest, "printer-state") == "5") {
        const std::string message = Option(*dest, "printer-state-message");
        return {false, "the printer is stopped" + (message.empty() ? std::string() : " (" + message + ")") +
                           "; the job waits in its queue until the printer is started again"};
    }
    return {};
}
