// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window side of the plan's text rules: reading and rewriting fields through the toolkit.
#include <cstdint>
#include <string>

std::string PlainMoneyText(const std::string& form, int32_t id, int currency);
void NormalizeMoneyField(int32_t id);
void ConvertMoneyField(const std::string& form, int32_t id, int oldCurrency, int newCurrency);
void NormalizePercentField(int32_t id);
void TrimField(const std::string& form, int32_t id);
