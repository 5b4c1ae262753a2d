#include "configurator/files/record_file.h"

#include <QFile>
#include <QSaveFile>

std::optional<ReportImage> readRecordFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Opening '%1' failed: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    ReportImage image{};
    const qint64 got = file.read(reinterpret_cast<char*>(image.data()), ReportImageSize);
    if (got != ReportImageSize) {
        const QString reason =
            got < 0 ? file.errorString()
                    : QStringLiteral("the file holds %1 of %2 bytes").arg(got).arg(ReportImageSize);
        *error = QStringLiteral("Reading '%1' failed: %2").arg(path, reason);
        return std::nullopt;
    }
    return image;
}

namespace {

bool writeRecord(QFileDevice& file, const ReportImage& image) {
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(image.data()), ReportImageSize) ==
               ReportImageSize;
}

bool writeFailed(const QString& path, const QFileDevice& file, QString* error) {
    *error = QStringLiteral("Writing '%1' failed: %2").arg(path, file.errorString());
    return false;
}

} // namespace

bool writeRecordFile(const QString& path, const ReportImage& image, QString* error) {
    QSaveFile file(path);
    if (!writeRecord(file, image) || !file.commit())
        return writeFailed(path, file, error);
    return true;
}

bool writeTemporaryRecordFile(const QString& path, const ReportImage& image, QString* error) {
    QFile file(path);
    if (!writeRecord(file, image) || !file.flush())
        return writeFailed(path, file, error);
    return true;
}
