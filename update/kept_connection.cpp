#include "update/kept_connection.h"

#include <QTcpSocket>

KeptConnection::KeptConnection() = default;
KeptConnection::~KeptConnection() = default;
KeptConnection::KeptConnection(KeptConnection&&) noexcept = default;
KeptConnection& KeptConnection::operator=(KeptConnection&&) noexcept = default;
