// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/date_pickers.h"

#include "app/toolkit/ez.h"
#include "dates/dates.h"
#include "dates/today.h"
#include "msgbox/message_dialog.h"

int32_t GETDT(const std::string& form, int32_t id) {
    int16_t month = 0, day = 0, year = 0, unused[5] = {};
    EZ_GETDATETIME(form, id, month, day, year, unused[0], unused[1], unused[2], unused[3], unused[4]);
    return JulianFromDate(month, day, year);
}

void SETDT(const std::string& form, int32_t id, int32_t dayNumber) {
    int32_t month = 0, day = 0, year = 0;
    if (dayNumber == 0) {
        const CivilDate today = Today();
        month = today.month;
        day = today.day;
        year = today.year;
    } else {
        DateFromJulian(dayNumber, month, day, year);
    }
    EZ_SETDATETIME(form, id, month, day, year, 0, 0, 0);
}

int32_t Date2JulianDate(std::string text, std::string& order) {
    if (const auto day = ParseDateText(text, order)) return *day;
    ShowNotice("Invalid Date", "Date values in Date2JulianDate are invalid.{f6}", "");
    return 0;
}
