// SPDX-License-Identifier: GPL-3.0-or-later
// The planner window's Print command: the plan on the window, drawn and handed to the page sink.
#include "app/shell/app_paths.h"
#include "app/shell/commands.h"
#include "app/shell/planner_ids.h"
#include "app/toolkit/ez.h"
#include "dates/date_pickers.h"
#include "dates/dates.h"
#include "msgbox/markup_literal.h"
#include "msgbox/message_dialog.h"
#include "prefs/options.h"
#include "report/planner_proposal.h"
#include "report/print_readiness.h"
#include "report/proposal.h"
#include "report/station_for_page.h"

using namespace qm;

namespace {
constexpr int32_t kDateText = 6; // MM-DD-YYYY
constexpr int32_t kYearText = 3; // YYYY
} // namespace

ProposalInputs ReadPlannerProposal() {
    ProposalInputs in;
    in.client = EZ_GETTEXT(kForm, kClient);
    in.station = EZ_GETTEXT(kForm, kStation);
    in.salesrep = EZ_GETTEXT(kForm, kSalesrep);
    in.presentationDate = JulianToText(GETDT(kForm, kDate), kDateText);
    in.startMonthIndex = EZ_GETATTR(kForm, kStartMonth, "ISel");
    in.year = JulianToText(GETDT(kForm, kYear), kYearText);
    in.budget = EZ_GETTEXT(kForm, kBudget);
    in.rate = EZ_GETTEXT(kForm, kRate);
    for (int month = 1; month <= 12; ++month)
        in.months[static_cast<size_t>(month - 1)] = EZ_GETTEXT(kForm, MonthField(month));
    in.base = EZ_GETTEXT(kForm, kBase);
    in.events = EZ_GETTEXT(kForm, kEvents);
    in.opportunity = EZ_GETTEXT(kForm, kOpportunity);
    in.currency = Prefs().CurrencyOption;
    in.monoChart = OptionOn(kMonoChart);
    return in;
}

std::optional<std::string> WhyPlannerCannotPrint() {
    return WhyNotPrintable({EZ_GETTEXT(kForm, kClient), EZ_GETTEXT(kForm, kStation),
                            EZ_GETTEXT(kForm, kSalesrep), EZ_GETTEXT(kForm, kBudget),
                            EZ_GETTEXT(kForm, kTotal)});
}

StationOnPage StationForPrinting() {
    StationForPage station = LoadStationForPage(Paths().settingsFile);
    if (!station.logoProblem.empty())
        ShowNotice(kLogoLeftOutTitle, "The station's logo is left out of the proposal.",
                   MarkupLiteral(station.logoFile) + ": " + MarkupLiteral(station.logoProblem) + "|" +
                       kLogoLeftOutAdvice);
    return std::move(station.page);
}

void PrintProposal() {
    if (BuildProposal(ReadPlannerProposal(), StationForPrinting())) return;
    ShowNotice(kPrinterErrorTitle, kPrinterErrorText1, kPrinterErrorText2);
}
