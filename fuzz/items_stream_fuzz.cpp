// Reads arbitrary bytes as a stored item tree into a provider's root list, whose owner holds
// named image lists for the stored references to find; a tree read whole is written and read
// back again.
#include "components/data/data_errors.h"
#include "components/data/data_provider_unit.h"
#include "components/data/items_stream.h"
#include "tests/components/data/test_provider.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>

namespace {

struct Setup {
    Setup() {
        WkDataProviderInitialization();
        for (const char* name : {"ImageList1", "ImageList2", "HotList"})
            (new TCustomImageList(&owner))->setObjectName(QString::fromLatin1(name));
    }
    QObject owner;
};

// Reads into a fresh provider; the bytes it writes back when the read succeeded.
QByteArray readAndWrite(const QByteArray& bytes, QObject& owner) {
    TestProvider provider;
    provider.setParent(&owner);
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    try {
        ReadDataItems(in, provider.root);
    } catch (const EReadError&) {
        return {};
    }
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    WriteDataItems(out, provider.root);
    return out.data();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Setup setup;
    const QByteArray written = readAndWrite(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), setup.owner);
    // What the writer made of a good tree reads back to the same bytes.
    if (!written.isEmpty() && readAndWrite(written, setup.owner) != written)
        __builtin_trap();
    return 0;
}
