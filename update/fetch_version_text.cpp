// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/fetch_version_text.h"

#include "app/text/cp1252.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTimer>
#include <QUrl>

namespace {
// Errors that mean the transfer itself went wrong, whatever status the server had sent.
bool TransferFailed(QNetworkReply::NetworkError error) {
    const int number = static_cast<int>(error);
    return (number > 0 && number < QNetworkReply::ContentAccessDenied) ||
           (number >= QNetworkReply::ProtocolUnknownError && number <= QNetworkReply::ProtocolFailure);
}

VersionFetch Failure(int number, const QString& text) {
    VersionFetch result;
    result.failed = true;
    result.errorNumber = number;
    result.errorText = ToCp1252(text);
    return result;
}

VersionFetch ResultOf(QNetworkReply& reply, bool tooLarge) {
    if (tooLarge)
        return Failure(QNetworkReply::ProtocolFailure,
                       QStringLiteral("The version file is larger than %1 bytes").arg(kVersionFileLimit));
    // Any complete HTTP answer counts as a response; its status is not looked at.
    if (!reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid() || TransferFailed(reply.error()))
        return Failure(static_cast<int>(reply.error()), reply.errorString());
    const QByteArray body = reply.readAll();
    const QVariant announced = reply.header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && announced.toLongLong() != body.size())
        return Failure(QNetworkReply::RemoteHostClosedError,
                       QStringLiteral("The version file ended before its announced length"));
    VersionFetch result;
    result.text.assign(body.constData(), static_cast<std::size_t>(body.size()));
    result.secure = reply.url().scheme() == QLatin1String("https");
    return result;
}

// A test trusts only the certificate it made (reading the system's ones too would be slow).
void TrustTestCertificates(QNetworkRequest& request) {
    const QString file = qEnvironmentVariable(kTestCaVariable);
    if (file.isEmpty()) return;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setCaCertificates(QSslCertificate::fromPath(file));
    request.setSslConfiguration(configuration);
}
} // namespace

VersionFetch FetchVersionText(std::string_view address) {
    if (QCoreApplication::instance() == nullptr) return {};

    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(FromCp1252(address)));
    TrustTestCertificates(request);
    QNetworkReply* reply = manager.get(request);

    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    bool tooLarge = false;
    auto stopIfTooLarge = [&](qint64 received, qint64 total) {
        if (received <= kVersionFileLimit && total <= kVersionFileLimit) return;
        tooLarge = true;
        reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, stopIfTooLarge);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(kVersionFetchLimitMs);
    if (!reply->isFinished()) loop.exec();

    VersionFetch result;
    if (reply->isFinished()) {
        result = ResultOf(*reply, tooLarge);
    } else {
        reply->abort();
        result.timedOut = true;
    }
    delete reply;
    return result;
}
