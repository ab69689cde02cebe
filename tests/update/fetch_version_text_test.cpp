// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/update/scripted_server.h"
#include "tests/update/tls_server.h"
#include "update/fetch_version_text.h"
#include "update/update_address.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslSocket>
#include <gtest/gtest.h>
#include <string>

namespace {
const std::string kDataFolder = QM_UPDATE_TEST_DATA;

std::string AddressOf(const ScriptedServer& server) {
    return "http://" + server.host() + "/QMKVersion.txt";
}

TEST(FetchVersionText, GivesTheResponseTextWhateverTheStatus) {
    struct Case {
        const char* status;
        std::string body;
    };
    const Case cases[] = {
        {"HTTP/1.1 200 OK", "www.example.test /files/setup.exe setup.exe\n3.1.0.0"},
        {"HTTP/1.1 404 Not Found", "<html>No such file</html>"},
        {"HTTP/1.1 200 OK", "h /p f.exe\r\n3.0.0.0\n"},
    };
    for (const auto& c : cases) {
        ScriptedServer server(
            {{HttpResponse(c.status, {"Content-Length: " + std::to_string(c.body.size())}, c.body)}});
        VersionFetch fetched = FetchVersionText(AddressOf(server));
        EXPECT_EQ(fetched.text, c.body) << c.status;
        EXPECT_FALSE(fetched.failed) << c.status;
        EXPECT_FALSE(fetched.timedOut) << c.status;
        ASSERT_EQ(server.requests().size(), 1u);
        EXPECT_TRUE(server.requests()[0].starts_with("GET /QMKVersion.txt HTTP/1.1\r\n"))
            << server.requests()[0];
    }
}

TEST(FetchVersionText, AFailedRequestIsToldWithItsError) {
    VersionFetch fetched =
        FetchVersionText("http://127.0.0.1:" + std::to_string(ClosedLoopbackPort()) + "/QMKVersion.txt");
    EXPECT_TRUE(fetched.failed);
    EXPECT_FALSE(fetched.timedOut);
    EXPECT_TRUE(fetched.text.empty());
    EXPECT_NE(fetched.errorNumber, 0);
    EXPECT_FALSE(fetched.errorText.empty());
}

TEST(FetchVersionText, AServerThatNeverAnswersEndsInTheTimeLimitWithAnEmptyText) {
    ScriptedServer server({{"", false, true}});
    VersionFetch fetched = FetchVersionText(AddressOf(server));
    EXPECT_TRUE(fetched.timedOut);
    EXPECT_FALSE(fetched.failed);
    EXPECT_TRUE(fetched.text.empty());
}

TEST(FetchVersionText, HttpsChecksTheServerCertificate) {
    if (!QSslSocket::supportsSsl()) GTEST_SKIP() << "no TLS backend";
    const std::string certificate = kDataFolder + "/self_signed_cert.pem";
    const std::string key = kDataFolder + "/self_signed_key.pem";
    {
        TlsServer untrusted(certificate, key);
        VersionFetch fetched = FetchVersionText(untrusted.address());
        EXPECT_TRUE(fetched.failed);
        EXPECT_TRUE(fetched.text.empty()) << fetched.text;
    }
    // The same server is accepted once its certificate is trusted, so the refusal above was the
    // certificate check and not a broken connection.
    QSslConfiguration original = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = original;
    QFile pem(QString::fromStdString(certificate));
    ASSERT_TRUE(pem.open(QIODevice::ReadOnly));
    trusting.addCaCertificate(QSslCertificate(pem.readAll()));
    QSslConfiguration::setDefaultConfiguration(trusting);
    {
        TlsServer trusted(certificate, key);
        VersionFetch fetched = FetchVersionText(trusted.address());
        EXPECT_FALSE(fetched.failed) << fetched.errorText;
        EXPECT_EQ(fetched.text, "ok");
    }
    QSslConfiguration::setDefaultConfiguration(original);
}

// A version file cut short, broken off or too large is a failed fetch, never a text to act on.
TEST(FetchVersionText, ABrokenOrOversizedFileIsAFailureNotAText) {
    struct Case {
        const char* name;
        ScriptedReply reply;
    };
    const std::string line = "h /p a.deb\n3.1.0.0";
    const Case cases[] = {
        {"fewer bytes than announced", {HttpResponse("HTTP/1.1 200 OK", {"Content-Length: 400"}, line)}},
        {"reset before the announced length",
         {HttpResponse("HTTP/1.1 200 OK", {"Content-Length: 400"}, line), false, false, true}},
        {"announced beyond the limit",
         {HttpResponse("HTTP/1.1 200 OK", {"Content-Length: 200000000"}, line)}},
        {"endless without a length",
         {HttpResponse("HTTP/1.0 200 OK", {}, line), false, false, false, 0, std::string(8192, 'x')}},
    };
    for (const auto& c : cases) {
        ScriptedServer server({c.reply});
        VersionFetch fetched = FetchVersionText(AddressOf(server));
        EXPECT_TRUE(fetched.text.empty()) << c.name;
        EXPECT_TRUE(fetched.failed || fetched.timedOut) << c.name;
        EXPECT_FALSE(fetched.secure) << c.name;
    }
}

TEST(FetchVersionText, OnlyAnHttpsTextTrustedThroughItsCertificateCountsAsSecure) {
    if (!QSslSocket::supportsSsl()) GTEST_SKIP() << "no TLS backend";
    const std::string certificate = kDataFolder + "/self_signed_cert.pem";
    const std::string key = kDataFolder + "/self_signed_key.pem";
    {
        ScriptedServer plain({{HttpResponse("HTTP/1.1 200 OK", {"Content-Length: 2"}, "ok")}});
        VersionFetch fetched = FetchVersionText(AddressOf(plain));
        EXPECT_EQ(fetched.text, "ok");
        EXPECT_FALSE(fetched.secure);
    }
    qputenv(kTestCaVariable, QByteArray::fromStdString(certificate));
    {
        TlsServer trusted(certificate, key);
        VersionFetch fetched = FetchVersionText(trusted.address());
        EXPECT_FALSE(fetched.failed) << fetched.errorText;
        EXPECT_EQ(fetched.text, "ok");
        EXPECT_TRUE(fetched.secure);
    }
    qunsetenv(kTestCaVariable);
}

TEST(VersionFileAddress, TheEnvironmentReplacesTheBuiltInAddress) {
    const QByteArray saved = qgetenv("QUILLMARK_UPDATE_URL");
    qunsetenv("QUILLMARK_UPDATE_URL");
    EXPECT_EQ(VersionFileAddress(), kBuiltInVersionFileAddress);
    EXPECT_TRUE(VersionFileAddress().starts_with("https://"));
    EXPECT_TRUE(VersionFileAddress().ends_with("/QMKVersion.txt"));
    qputenv("QUILLMARK_UPDATE_URL", "http://127.0.0.1:8080/QMKVersion.txt");
    EXPECT_EQ(VersionFileAddress(), "http://127.0.0.1:8080/QMKVersion.txt");
    qputenv("QUILLMARK_UPDATE_URL", "");
    EXPECT_EQ(VersionFileAddress(), kBuiltInVersionFileAddress);
    if (saved.isEmpty())
        qunsetenv("QUILLMARK_UPDATE_URL");
    else
        qputenv("QUILLMARK_UPDATE_URL", saved);
}
} // namespace
