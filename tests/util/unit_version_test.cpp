#include "util/unit_version.h"

#include <gtest/gtest.h>

namespace {

enum class Field { RcsFile, Revision, Date };

TEST(UnitVersion, ReadsKeywordTexts) {
    const struct {
        Field field;
        const char16_t* text;
        QString expected;
    } cases[] = {
        {Field::RcsFile, u"  $RCSfile: CkBase.pas,v $ ", "CkBase.pas"},
        {Field::RcsFile, u"$RCSfile: CkBase.pas $", ""},
        {Field::RcsFile, u"$RCSfile: $", ""},
        {Field::RcsFile, u"$URL: https://host/trunk/source/CkStrings.pas $", "CkStrings.pas"},
        {Field::RcsFile, u"$URL: CkStrings.pas $", "CkStrings.pas"},
        {Field::RcsFile, u" plain.pas ", "plain.pas"},
        {Field::RcsFile, nullptr, ""},
        {Field::Revision, u"$Revision: 3850 $", "3850"},
        {Field::Revision, u"$Revision: $", ""},
        {Field::Revision, u"12", "12"},
        {Field::Date, u"$Date: 2009-09-12 14:17:00 $", "2009-09-12 14:17:00"},
        {Field::Date, u"$Date: $", ""},
    };
    for (const auto& c : cases) {
        TUnitVersionInfo info{nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
        const char16_t** slot = c.field == Field::RcsFile    ? &info.RCSfile
                                : c.field == Field::Revision ? &info.Revision
                                                             : &info.Date;
        *slot = c.text;
        const TUnitVersion unit(&info);
        const QString actual = c.field == Field::RcsFile    ? unit.RCSfile()
                               : c.field == Field::Revision ? unit.Revision()
                                                            : unit.Date();
        EXPECT_EQ(actual, c.expected) << (c.text ? QString::fromUtf16(c.text).toStdString() : "");
    }
}

TEST(UnitVersion, ReadsDatesAndTimes) {
    const QDateTime none;
    const struct {
        const char16_t* date;
        QDateTime expected;
    } cases[] = {
        {u"$Date: 2009-09-12 14:17:05 $", QDateTime({2009, 9, 12}, {14, 17, 5}, Qt::UTC)},
        {u"$Date: 2009/09/12 $", QDateTime({2009, 9, 12}, {0, 0}, Qt::UTC)},
        {u"$Date: 09/12/2009 01/02/03 $", QDateTime({2009, 9, 12}, {1, 2, 3}, Qt::UTC)},
        {u"$Date: 12.09.2009 23:59:59 $", QDateTime({2009, 9, 12}, {23, 59, 59}, Qt::UTC)},
        {u"$Date: 2009-09-12 14:17:00 +0200 (Sat, 12 Sep 2009) $", none},
        {u"$Date: 2009-13-12 $", none},
        {u"$Date: 2009-09-12 25:00:00 $", none},
        {u"$Date: 2009-09-12 14:17 $", none},
        {u"$Date: yesterday $", none},
        {u"", none},
        {nullptr, none},
    };
    for (const auto& c : cases) {
        const TUnitVersionInfo info{nullptr, nullptr, c.date, nullptr, nullptr, nullptr};
        EXPECT_EQ(TUnitVersion(&info).DateTime(), c.expected)
            << (c.date ? QString::fromUtf16(c.date).toStdString() : "null");
    }
}

TEST(UnitVersion, SummaryJoinsTheTextsWithTabs) {
    const TUnitVersionInfo plain{u"$RCSfile: a.pas,v $",
                                 u"$Revision: 7 $",
                                 u"$Date: 2001-02-03 $",
                                 u" src ",
                                 nullptr,
                                 nullptr};
    EXPECT_EQ(TUnitVersion(&plain).Summary(), QStringLiteral("src\ta.pas\t7\t2001-02-03"));
    const TUnitVersionInfo extra{u"b.pas", nullptr, nullptr, nullptr, u"note", nullptr};
    EXPECT_EQ(TUnitVersion(&extra).Summary(), QStringLiteral("\tb.pas\t\t\tnote"));
}

} // namespace
