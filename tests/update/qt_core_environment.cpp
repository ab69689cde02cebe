// SPDX-License-Identifier: GPL-3.0-or-later
// The network tests need a QCoreApplication for Qt Network's event handling, and direct connections:
// a proxy configured on the machine must never see the loopback test traffic.
#include <QCoreApplication>
#include <QNetworkProxy>
#include <gtest/gtest.h>
#include <memory>

namespace {
class QtCoreEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        application_ = std::make_unique<QCoreApplication>(argc_, argv_);
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    }
    void TearDown() override { application_.reset(); }

  private:
    int argc_ = 1;
    char name_[12] = "update_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtCoreEnvironment);
} // namespace
