#include "update/fetch_version_text.h"

#include "app/text/cp1252.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {
VersionFetch ResultOf(QNetworkReply& reply) {
    VersionFetch result;
    // Any HTTP answer counts as a response; its status is not looked at.
    if (reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()) {
        QByteArray body = reply.readAll();
        result.text.assign(body.constData(), static_cast<std::size_t>(body.size()));
        return result;
    }
    result.failed = true;
    result.errorNumber = static_cast<int>(reply.error());
    result.errorText = ToCp1252(reply.errorString());
    return result;
}
} // namespace

VersionFetch FetchVersionText(std::string_view address) {
    if (QCoreApplication::instance() == nullptr) return {};

    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(FromCp1252(address)));
    QNetworkReply* reply = manager.get(request);

    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(kVersionFetchLimitMs);
    if (!reply->isFinished()) loop.exec();

    VersionFetch result;
    if (reply->isFinished()) {
        result = ResultOf(*reply);
    } else {
        reply->abort();
        result.timedOut = true;
    }
    delete reply;
    return result;
}
