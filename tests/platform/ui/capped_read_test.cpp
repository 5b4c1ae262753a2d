#include "platform/ui/capped_read.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

// A pipe-like device: sequential, and it holds size bytes.
class SequentialSource : public QIODevice {
public:
    explicit SequentialSource(qint64 size) : left(size) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 largestRequest = 0;

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        largestRequest = std::max(largestRequest, maxSize);
        const qint64 count = std::min(maxSize, left);
        std::fill_n(data, count, 'x');
        left -= count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    qint64 left;
};

TEST(ReadAtMost, StopsOneBytePastTheCap) {
    constexpr qint64 cap = 200 * 1024;
    const struct {
        qint64 size;
        qint64 expected;
    } cases[] = {{0, 0}, {10, 10}, {cap, cap}, {cap + 1, cap + 1}, {3 * cap, cap + 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        SequentialSource pipe(c.size);
        EXPECT_EQ(ReadAtMost(pipe, cap).size(), c.expected);
        EXPECT_LT(pipe.largestRequest, cap) << "a sequential device is read in pieces";

        QByteArray held(c.size, 'y');
        QBuffer buffer(&held);
        buffer.open(QIODevice::ReadOnly);
        EXPECT_EQ(ReadAtMost(buffer, cap).size(), c.expected);
    }
}

} // namespace
