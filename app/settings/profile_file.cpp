#include "app/settings/profile_file.h"

#include "app/text/cp1252.h"

#include <QFile>
#include <QSaveFile>

namespace {

// A zero byte would end the name at the system's edge and name another file.
bool UsableName(const std::string& file) {
    return !file.empty() && file.find('\0') == std::string::npos;
}

} // namespace

std::optional<std::string> ReadProfileFile(const std::string& file) {
    if (!UsableName(file)) return std::nullopt;
    QFile in(FromCp1252(file));
    if (!in.open(QIODevice::ReadOnly)) {
        if (in.exists()) return std::nullopt;
        return std::string();
    }
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) return std::nullopt;
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool ReplaceProfileFile(const std::string& file, std::string_view bytes) {
    if (!UsableName(file)) return false;
    QSaveFile out(FromCp1252(file));
    if (!out.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (out.write(bytes.data(), size) != size) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

bool IsUtf16Profile(std::string_view bytes) {
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}
