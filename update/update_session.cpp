#include "update/update_session.h"

UpdateSession& TheUpdateSession() {
    static UpdateSession session;
    return session;
}
