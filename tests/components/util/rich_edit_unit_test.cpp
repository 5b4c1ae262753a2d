#include "components/util/clipboard_formats.h"
#include "components/util/rich_edit_unit.h"
#include "platform/modules/module_registry.h"
#include "platform/modules/module_version.h"
#include "platform/win32/last_error.h"

#include <gtest/gtest.h>

namespace {

TEST(ClipboardFormats, ANameKeepsItsNumberAndTravelsAsAMimeType) {
    const UINT rtf = RegisterClipboardFormatW(QStringLiteral("Rich Text Format"));
    const UINT object = RegisterClipboardFormatW(QStringLiteral("Embedded Object"));
    EXPECT_GE(rtf, 0xC000u);
    EXPECT_NE(rtf, object);
    EXPECT_EQ(RegisterClipboardFormatW(QStringLiteral("rich text format")), rtf);
    EXPECT_EQ(ClipboardFormatName(rtf), QStringLiteral("Rich Text Format"));
    EXPECT_EQ(ClipboardFormatMimeType(rtf), QStringLiteral("text/rtf"));
    EXPECT_EQ(ClipboardFormatMimeType(object),
              QStringLiteral("application/x-qt-windows-mime;value=\"Embedded Object\""));

    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(RegisterClipboardFormatW(QString()), 0u);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    for (const UINT unknown : {0u, 1u, 0xBFFFu, 0xFFFFu}) {
        EXPECT_TRUE(ClipboardFormatName(unknown).isEmpty()) << unknown;
        EXPECT_TRUE(ClipboardFormatMimeType(unknown).isEmpty()) << unknown;
    }
}

TEST(RichEditUnit, TheNewerLibraryVersionComesFromItsFileVersion) {
    const struct {
        const char* fileVersion;
        int version;
    } cases[] = {
        {"5.30.23.1230", 3}, {"5.31.23.1231", 3}, {"5.40.11.2210", 4}, {"5.0.1.1", 2},
        {"5.9.0.0", 2},      {"12.0.1.1", 6},     {"3.1.0.0", 2},      {"", 2},
        {"five.30", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RichEdit20Version(QString::fromLatin1(c.fileVersion)), c.version)
            << c.fileVersion;
}

class RichEditUnitTest : public ::testing::Test {
protected:
    void TearDown() override {
        UnregisterModule(QStringLiteral("RICHED20.DLL"));
        UnregisterModule(QStringLiteral("RICHED32.DLL"));
    }
};

TEST_F(RichEditUnitTest, LoadsTheNewerLibraryAndFreesItAtTheLastShutDown) {
    RegisterModule(QStringLiteral("RICHED20.DLL"), {});
    RegisterModule(QStringLiteral("RICHED32.DLL"), {});
    SetModuleVersion(QStringLiteral("RICHED20.DLL"),
                     {{QStringLiteral("\\StringFileInfo\\040904E4\\FileVersion"),
                       QStringLiteral("5.40.11.2210")}});
    WkRichEditInitialization();
    WkRichEditInitialization();
    EXPECT_NE(RichEditModule(), nullptr);
    EXPECT_EQ(RichEditVersion(), 4);
    EXPECT_EQ(ModuleLoadCount(QStringLiteral("RICHED20.DLL")), 1);
    EXPECT_EQ(ModuleLoadCount(QStringLiteral("RICHED32.DLL")), 0);
    const TRichEditClipboardFormats& formats = RichEditClipboardFormats();
    EXPECT_EQ(ClipboardFormatName(formats.LinkSource), QStringLiteral("Link Source"));
    EXPECT_EQ(ClipboardFormatName(formats.RichText), QStringLiteral("Rich Text Format"));

    WkRichEditFinalization();
    EXPECT_EQ(ModuleLoadCount(QStringLiteral("RICHED20.DLL")), 1);
    WkRichEditFinalization();
    EXPECT_EQ(ModuleLoadCount(QStringLiteral("RICHED20.DLL")), 0);
    EXPECT_EQ(RichEditModule(), nullptr);
    EXPECT_EQ(RichEditVersion(), 0);
}

TEST_F(RichEditUnitTest, FallsBackToTheOlderLibraryAndStartsWithoutEither) {
    RegisterModule(QStringLiteral("RICHED32.DLL"), {});
    WkRichEditInitialization();
    EXPECT_EQ(RichEditVersion(), 1);
    EXPECT_EQ(ModuleLoadCount(QStringLiteral("RICHED32.DLL")), 1);
    WkRichEditFinalization();
    EXPECT_EQ(ModuleLoadCount(QStringLiteral("RICHED32.DLL")), 0);

    UnregisterModule(QStringLiteral("RICHED32.DLL"));
    WkRichEditInitialization();
    EXPECT_EQ(RichEditModule(), nullptr);
    EXPECT_EQ(RichEditVersion(), 0);
    EXPECT_NE(RichEditClipboardFormats().RichTextWithoutObjects, 0u)
        << "the formats are registered all the same";
    WkRichEditFinalization();
}

} // namespace
