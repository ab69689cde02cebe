// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/proposal.h"

#include "report/page_layer.h"
#include "report/proposal_drawing.h"

bool BuildProposal(const ProposalInputs& inputs, const StationOnPage& station) {
    const std::int16_t doc = dpStartDoc(0, "Quillmark", "", 0, 1, 0, 7, 0x400);
    if (doc < 1) return false;
    const ProposalFigures figures = DeriveFigures(inputs);
    // Strictly in this order: later drawing covers earlier (the tags and caption backgrounds
    // hide the lines and bars under them).
    DrawHeadline(doc, figures, HeadlineClearFrom(station));
    const ProposalColumns columns = DrawColumns(doc, figures);
    DrawLegends(doc, figures);
    DrawMonthlyTotals(doc, figures, columns);
    DrawStation(doc, station);
    dpEndDoc(doc, 4);
    return true;
}
