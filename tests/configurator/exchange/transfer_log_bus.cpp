#include "tests/configurator/exchange/transfer_log_bus.h"

#include "platform/win32/last_error.h"

namespace {

constexpr std::size_t ShownBytes = 8;

QString DescribeGet(std::span<const BYTE> report) {
    return QStringLiteral("get %1 (%2)").arg(report.empty() ? 0 : report[0]).arg(report.size());
}

QString DescribeSet(std::span<const BYTE> report) {
    if (report.size() <= ShownBytes) {
        QStringList bytes;
        for (BYTE b : report) {
            bytes << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
        }
        return QStringLiteral("set %1 [%2]")
            .arg(report.empty() ? 0 : report[0])
            .arg(bytes.join(QLatin1Char(' ')));
    }
    QString line = QStringLiteral("set %1 (%2)").arg(report[0]).arg(report.size());
    if (report[0] == 7) {
        line += QStringLiteral(" cmd %1").arg(report[1]);
    }
    return line;
}

class LoggingChannel final : public HidChannel {
public:
    LoggingChannel(std::shared_ptr<HidChannel> inner, TransferLogBus& bus)
        : HidChannel(inner->node(), inner->access()), inner_(std::move(inner)), bus_(bus) {}

    DWORD readAttributes(WORD& vendorId, WORD& productId, WORD& version) override {
        return inner_->readAttributes(vendorId, productId, version);
    }
    DWORD getFeature(std::span<BYTE> buffer) override {
        const bool fail = !buffer.empty() && bus_.failingGets.count(buffer[0]) != 0;
        const DWORD result = fail ? ERROR_GEN_FAILURE : inner_->getFeature(buffer);
        bus_.Write(DescribeGet(buffer) + Suffix(result));
        return result;
    }
    DWORD setFeature(std::span<const BYTE> buffer) override {
        const bool fail = !buffer.empty() && bus_.failingSets.count(buffer[0]) != 0;
        const DWORD result = fail ? ERROR_GEN_FAILURE : inner_->setFeature(buffer);
        bus_.Write(DescribeSet(buffer) + Suffix(result));
        return result;
    }
    DWORD getInputReport(std::span<BYTE> buffer) override { return inner_->getInputReport(buffer); }
    DWORD setOutputReport(std::span<const BYTE> buffer) override {
        return inner_->setOutputReport(buffer);
    }
    DWORD writeReport(std::span<const BYTE> buffer) override { return inner_->writeReport(buffer); }
    DWORD readReport(std::span<BYTE> buffer, DWORD& bytesRead) override {
        return inner_->readReport(buffer, bytesRead);
    }
    int pollFd() const override { return inner_->pollFd(); }
    DWORD flush() override {
        bus_.Write(QStringLiteral("flush"));
        return inner_->flush();
    }

private:
    static QString Suffix(DWORD result) {
        return result == ERROR_SUCCESS ? QString() : QStringLiteral(" failed");
    }

    std::shared_ptr<HidChannel> inner_;
    TransferLogBus& bus_;
};

} // namespace

std::shared_ptr<HidChannel> TransferLogBus::open(const QString& nodePath, HidAccess access,
                                                 DWORD& error) {
    auto channel = inner_.open(nodePath, access, error);
    return channel ? std::make_shared<LoggingChannel>(std::move(channel), *this) : nullptr;
}
