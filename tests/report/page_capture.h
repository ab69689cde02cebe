// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the pages ended while it lives, and leaves the page layer without a sink afterwards.
#include "report/page_layer.h"

#include <vector>

class PageCapture {
  public:
    explicit PageCapture(bool sinkAnswer = true) {
        SetPageSink([this, sinkAnswer](const PageRecord& page) {
            pages.push_back(page);
            return sinkAnswer;
        });
    }
    ~PageCapture() { SetPageSink({}); }
    PageCapture(const PageCapture&) = delete;
    PageCapture& operator=(const PageCapture&) = delete;

    std::vector<PageRecord> pages;
};
